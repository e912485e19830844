#include "biz/db/Biz_DB_Info_Table.h"

#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_C_Section.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <algorithm>
#include <memory>

namespace N_Biz::N_DB {

namespace {

// A member of the fixed area that the code reads directly.
struct C_Fixed_Member {
    E_Type_Obj m_Type;
    std::size_t m_Size;
    std::size_t m_Offset;
    E_Id_Column m_Id;
};

constexpr std::size_t G_Size_Key = sizeof(C_Key_C_Material);

const std::vector<C_Fixed_Member>& G_Fn_Fixed_Members(E_Type_Relation i_Type)
{
    static const std::vector<C_Fixed_Member> none;
    constexpr std::size_t id = C_Info_Table::S_Offset_Id;
    constexpr std::size_t xyz = C_Info_Table::S_Offset_Coordinate;
    constexpr std::size_t key = C_Info_Table::S_Offset_Key;
    constexpr std::size_t nodes = C_Info_Table::S_Offset_Node;
    static const std::vector<C_Fixed_Member> node = {
        {E_Type_Obj_INT32, 4, id, E_Id_Column_Key_primary_Node},
        {E_Type_Obj_FLOAT32, 4, xyz, E_Id_Column_Coordinate_X},
        {E_Type_Obj_FLOAT32, 4, xyz + 4, E_Id_Column_Coordinate_Y},
        {E_Type_Obj_FLOAT32, 4, xyz + 8, E_Id_Column_Coordinate_Z},
    };
    static const std::vector<C_Fixed_Member> section = {{E_Type_Obj_INT32, 4, id, E_Id_Column_Key_primary_C_Section}};
    static const std::vector<C_Fixed_Member> material = {{E_Type_Obj_INT32, 4, id, E_Id_Column_Key_primary_C_Material}};
    static const std::vector<C_Fixed_Member> property = {
        {E_Type_Obj_INT32, 4, id, E_Id_Column_Key_primary_C_Property},
        {E_Type_Obj_C_Key_C_Material, G_Size_Key, key, E_Id_Column_Key_foreign_C_Material},
    };
    static const std::vector<C_Fixed_Member> element = {
        {E_Type_Obj_INT32, 4, id, E_Id_Column_Key_primary_Element},
        {E_Type_Obj_C_Key_C_Property, G_Size_Key, key, E_Id_Column_Key_foreign_C_Property},
        {E_Type_Obj_INT32, 4, nodes, E_Id_Column_Key_foreign_Node_1},
        {E_Type_Obj_INT32, 4, nodes + 4, E_Id_Column_Key_foreign_Node_2},
        {E_Type_Obj_INT32, 4, nodes + 8, E_Id_Column_Key_foreign_Node_3},
        {E_Type_Obj_INT32, 4, nodes + 12, E_Id_Column_Key_foreign_Node_4},
    };
    switch (i_Type) {
    case E_Type_Relation_None: return none;
    case E_Type_Relation_Node: return node;
    case E_Type_Relation_C_Section: return section;
    case E_Type_Relation_C_Material: return material;
    case E_Type_Relation_C_Property: return property;
    case E_Type_Relation_Element_2D: return element;
    }
    VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Distribution");
}

std::size_t G_Fn_Round_Up(std::size_t i_Value, std::size_t i_Step)
{
    return (i_Value + i_Step - 1) / i_Step * i_Step;
}

} // namespace

C_Info_Table::~C_Info_Table() = default;

void C_Info_Table::M_Fn_Config(const std::vector<std::string>& ro_Keywords, E_Type_Relation i_Type_Relation,
                               std::uint32_t i_Format, std::uint32_t i_Import_Order, bool i_Import_Order_Given,
                               bool i_Repeatable, bool i_Supplied_Possibly, T_pfn_Option_Condition_Check i_pfn_Check)
{
    if (m_Flags & E_Flag_Configured)
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Config");
    std::uint32_t flags = 0;
    if (i_Import_Order_Given)
        flags |= E_Flag_Import_Order;
    if (i_Repeatable)
        flags |= E_Flag_Repeatable;
    if (i_Supplied_Possibly)
        flags |= E_Flag_Supplied_Possibly;
    if (ro_Keywords.empty())
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Config");
    const std::wstring keyword = N_Common::N_String::G_Fn_To_Wide(ro_Keywords.front());
    if (keyword.empty())
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Config");
    const wchar_t* prefix = nullptr;
    switch (i_Format) {
    case E_Format_Standard: prefix = L"(Recommended) Simple "; break;
    case E_Format_Dyna: prefix = L"Dyna: "; break;
    case E_Format_Nastran: prefix = L"Nastran: "; break;
    default: VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Config");
    }
    if (i_Type_Relation > E_Type_Relation_Element_2D)
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Config");
    if (i_Import_Order_Given && i_Import_Order >= S_Import_Order_Num)
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Config");
    if ((i_Repeatable && i_Supplied_Possibly) || ((i_Repeatable || i_Supplied_Possibly) && !i_pfn_Check))
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Config");
    m_Keywords = ro_Keywords;
    m_Keyword = keyword;
    m_Format = i_Format;
    m_Type_Relation = i_Type_Relation;
    m_Title = prefix + keyword;
    m_Import_Order = i_Import_Order_Given ? i_Import_Order : 0;
    m_pfn_Check = i_pfn_Check;
    m_Flags = flags | E_Flag_Configured;
}

void C_Info_Table::M_Fn_Init()
{
    if (!(m_Flags & E_Flag_Configured) || (m_Flags & E_Flag_Initialised))
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init");
    // A repeated block hangs in a plain sub-row; a card row with a relation cannot repeat itself.
    if (M_Fn_Is_Repeatable() && m_Type_Relation != E_Type_Relation_None)
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init");
    for (auto& options : m_Options)
        for (auto& option : options) {
            if (!option)
                VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init");
            option->M_Fn_Init();
        }
    M_Fn_Init_Distribution();
    M_Fn_Init_Relation();
    M_Fn_Init_Route();
    m_Flags |= E_Flag_Initialised;
}

void C_Info_Table::M_Fn_Init_Distribution()
{
    // Items to place: columns, option slots, the repeat slot.
    struct C_Item {
        std::size_t m_Size;
        C_Info_Column* m_p_Column;
        C_Info_Table* m_p_Option;
        bool m_Repeat;
        std::size_t m_Offset = 0;
        bool m_Overflow = false;
    };
    std::vector<C_Item> items;
    for (const auto& column : m_Columns_Practical) {
        if (!column)
            VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Distribution");
        items.push_back({column->M_Fn_Size_Field(), column.get(), nullptr, false});
    }
    for (auto& options : m_Options)
        for (auto& option : options) {
            if (!option)
                VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Distribution");
            items.push_back({sizeof(void*), nullptr, option.get(), false});
        }
    if (M_Fn_Is_Repeatable())
        items.push_back({sizeof(void*), nullptr, nullptr, true});

    // Fixed members.
    if (m_Type_Relation == E_Type_Relation_Element_2D)
        m_Flags |= E_Flag_Four_Node;
    std::vector<std::pair<std::size_t, std::size_t>> taken; // [offset, end) in the fixed area
    for (const C_Fixed_Member& member : G_Fn_Fixed_Members(m_Type_Relation)) {
        auto found = std::find_if(items.begin(), items.end(), [&](const C_Item& item) {
            return item.m_p_Column && item.m_p_Column->M_Fn_Id() == member.m_Id;
        });
        if (found == items.end()) {
            if (member.m_Id == E_Id_Column_Key_foreign_Node_4) {
                m_Flags &= ~E_Flag_Four_Node; // a three-node element
                continue;
            }
            VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Distribution");
        }
        C_Info_Column& column = *found->m_p_Column;
        if (column.M_Fn_Is_Indirect() || column.M_Fn_Type() != member.m_Type || column.M_Fn_Size_Value() != member.m_Size)
            VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Distribution");
        column.m_Offset_Layout = member.m_Offset;
        column.m_Flags &= ~C_Info_Column::E_Flag_Overflow;
        taken.push_back({member.m_Offset, member.m_Offset + member.m_Size});
        items.erase(found);
    }

    // Free gaps of the fixed area: holes between the fixed members, then the padding to 8.
    struct C_Gap {
        std::size_t m_Offset;
        std::size_t m_Size;
        bool m_Overflow;
    };
    std::vector<C_Gap> gaps;
    std::sort(taken.begin(), taken.end());
    std::size_t end_fixed = 0;
    for (const auto& range : taken) {
        if (range.first > end_fixed)
            gaps.push_back({end_fixed, range.first - end_fixed, false});
        end_fixed = std::max(end_fixed, range.second);
    }
    const std::size_t used = G_Fn_Round_Up(end_fixed, 8);
    if (used > end_fixed)
        gaps.push_back({end_fixed, used - end_fixed, false});
    end_fixed = used;
    if (end_fixed > S_Size_Fixed)
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Distribution");
    std::size_t end_overflow = 0;

    // The rest, largest first (stable), each aligned to its size (at most 8).
    std::stable_sort(items.begin(), items.end(), [](const C_Item& a, const C_Item& b) { return a.m_Size > b.m_Size; });
    std::size_t alignment = 8;
    for (C_Item& item : items) {
        if (item.m_Size == 0)
            VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Distribution");
        while (alignment > item.m_Size)
            alignment /= 2;
        bool placed = false;
        for (std::size_t i = 0; i < gaps.size() && !placed; ++i) {
            const C_Gap gap = gaps[i];
            const std::size_t at = G_Fn_Round_Up(gap.m_Offset, alignment);
            if (at + item.m_Size > gap.m_Offset + gap.m_Size)
                continue;
            item.m_Offset = at;
            item.m_Overflow = gap.m_Overflow;
            std::vector<C_Gap> pieces;
            if (at > gap.m_Offset)
                pieces.push_back({gap.m_Offset, at - gap.m_Offset, gap.m_Overflow});
            const std::size_t after = at + item.m_Size;
            if (after < gap.m_Offset + gap.m_Size)
                pieces.push_back({after, gap.m_Offset + gap.m_Size - after, gap.m_Overflow});
            gaps.erase(gaps.begin() + static_cast<std::ptrdiff_t>(i));
            gaps.insert(gaps.begin() + static_cast<std::ptrdiff_t>(i), pieces.begin(), pieces.end());
            placed = true;
        }
        if (placed)
            continue;
        std::size_t& end = (end_fixed + item.m_Size <= S_Size_Fixed) ? end_fixed : end_overflow;
        item.m_Overflow = &end == &end_overflow;
        item.m_Offset = end;
        end += item.m_Size;
        const std::size_t padded = G_Fn_Round_Up(end, alignment);
        if (padded > end)
            gaps.push_back({end, padded - end, item.m_Overflow});
        end = padded;
    }

    // A small overflow lives right behind the fixed area; a larger one in a block of its own.
    const bool inline_overflow = end_overflow > 0 && end_overflow <= S_Size_Inline;
    m_Size_Overflow = 0;
    m_Flags &= ~(E_Flag_Overflow_Block | E_Flag_Repeat_Overflow);
    if (end_overflow > S_Size_Inline) {
        m_Size_Overflow = G_Fn_Round_Up(end_overflow, 8);
        m_Flags |= E_Flag_Overflow_Block;
    }
    for (C_Item& item : items) {
        if (item.m_Overflow && inline_overflow) {
            item.m_Offset += S_Size_Fixed;
            item.m_Overflow = false;
        }
        if (item.m_p_Column) {
            item.m_p_Column->m_Offset_Layout = item.m_Offset;
            if (item.m_Overflow)
                item.m_p_Column->m_Flags |= C_Info_Column::E_Flag_Overflow;
            else
                item.m_p_Column->m_Flags &= ~C_Info_Column::E_Flag_Overflow;
        } else if (item.m_p_Option) {
            item.m_p_Option->m_Offset_Slot = item.m_Offset;
            if (item.m_Overflow)
                item.m_p_Option->m_Flags |= E_Flag_Slot_Overflow;
            else
                item.m_p_Option->m_Flags &= ~E_Flag_Slot_Overflow;
        } else {
            m_Offset_Repeat = item.m_Offset;
            if (item.m_Overflow)
                m_Flags |= E_Flag_Repeat_Overflow;
        }
    }
}

void C_Info_Table::M_Fn_Init_Relation()
{
    std::stable_sort(m_Relations.begin(), m_Relations.end(), [](const C_Info_Relation& a, const C_Info_Relation& b) {
        return a.m_Type != b.m_Type ? a.m_Type < b.m_Type : a.m_Id < b.m_Id;
    });
    for (std::size_t i = 0; i < m_Relations.size(); ++i) {
        const C_Info_Relation& relation = m_Relations[i];
        if (i > 0 && relation.m_Type == m_Relations[i - 1].m_Type && relation.m_Id == m_Relations[i - 1].m_Id)
            VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Relation");
        // The foreign key must be of the kind the related row is found by: a node number, or the
        // key type of the card kind.
        E_Type_Obj expected = E_Type_Obj_PVOID;
        switch (relation.m_Type) {
        case E_Type_Relation_Node: expected = E_Type_Obj_INT32; break;
        case E_Type_Relation_C_Section: expected = E_Type_Obj_C_Key_Common; break;
        case E_Type_Relation_C_Material: expected = E_Type_Obj_C_Key_C_Material; break;
        case E_Type_Relation_C_Property: expected = E_Type_Obj_C_Key_C_Property; break;
        default: VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Relation");
        }
        for (std::uint32_t position : relation.m_Columns)
            if (position >= m_Columns_Practical.size() || m_Columns_Practical[position]->M_Fn_Type() != expected)
                VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Relation");
    }
}

void C_Info_Table::M_Fn_Init_Route()
{
    for (std::uint32_t kind = 0; kind < 2; ++kind)
        for (std::uint32_t i = 0; i < m_Options[kind].size(); ++i)
            for (const C_Info_Route& route : m_Options[kind][i]->m_Routes)
                m_Routes.push_back({route.m_Id, kind == 0 ? E_Route_Kind_Option_Keyword : E_Route_Kind_Option_Condition, i});
    for (std::uint32_t i = 0; i < m_Columns_Practical.size(); ++i)
        if (m_Columns_Practical[i]->M_Fn_Id() != E_Id_Column_None) {
            m_Routes.push_back({m_Columns_Practical[i]->M_Fn_Id(), E_Route_Kind_Practical, i});
            m_Map_Practical.emplace(m_Columns_Practical[i]->M_Fn_Id(), i);
        }
    for (std::uint32_t i = 0; i < m_Columns_Virtual.size(); ++i)
        if (m_Columns_Virtual[i]->M_Fn_Id() != E_Id_Column_None) {
            m_Routes.push_back({m_Columns_Virtual[i]->M_Fn_Id(), E_Route_Kind_Virtual, i});
            m_Map_Virtual.emplace(m_Columns_Virtual[i]->M_Fn_Id(), i);
        }
    std::stable_sort(m_Routes.begin(), m_Routes.end(), [](const C_Info_Route& a, const C_Info_Route& b) { return a.m_Id < b.m_Id; });
    for (std::size_t i = 1; i < m_Routes.size(); ++i)
        if (m_Routes[i].m_Id == m_Routes[i - 1].m_Id)
            VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Init_Route");
}

void C_Info_Table::M_Fn_Info_Column_Practical_Add(std::shared_ptr<C_Info_Column> i_sp_Column)
{
    if (!i_sp_Column || !i_sp_Column->M_Fn_Is_Config_Done() || i_sp_Column->M_Fn_Is_Virtual() || M_Fn_Is_Initialised())
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Column_Practical_Add");
    m_Columns_Practical.push_back(std::move(i_sp_Column));
}

void C_Info_Table::M_Fn_Info_Column_Virtual_Add(std::shared_ptr<C_Info_Column> i_sp_Column)
{
    if (!i_sp_Column || !i_sp_Column->M_Fn_Is_Config_Done() || !i_sp_Column->M_Fn_Is_Virtual() || M_Fn_Is_Initialised())
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Column_Virtual_Add");
    m_Columns_Virtual.push_back(std::move(i_sp_Column));
}

std::uint32_t C_Info_Table::M_Fn_Info_Column_Practical_Find_Pos(E_Id_Column i_Id) const
{
    for (std::uint32_t i = 0; i < m_Columns_Practical.size(); ++i)
        if (m_Columns_Practical[i]->M_Fn_Id() == i_Id)
            return i;
    VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Column_Practical_Find_Pos");
}

const C_Info_Column* C_Info_Table::M_Fn_Info_Column_Practical_Find(E_Id_Column i_Id) const
{
    const auto found = m_Map_Practical.find(i_Id);
    return found == m_Map_Practical.end() ? nullptr : m_Columns_Practical[found->second].get();
}

const C_Info_Column* C_Info_Table::M_Fn_Info_Column_Virtual_Find(E_Id_Column i_Id) const
{
    const auto found = m_Map_Virtual.find(i_Id);
    return found == m_Map_Virtual.end() ? nullptr : m_Columns_Virtual[found->second].get();
}

void C_Info_Table::M_Fn_Info_Relation_Add(const C_Info_Relation& ro_Relation)
{
    if (ro_Relation.m_Type == E_Type_Relation_None || ro_Relation.m_Id == E_Id_Relation_None ||
        ro_Relation.m_Columns.empty() || M_Fn_Is_Initialised())
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Relation_Add");
    if (!m_Relations.empty()) {
        const C_Info_Relation& last = m_Relations.back();
        const bool after = ro_Relation.m_Type != last.m_Type ? ro_Relation.m_Type > last.m_Type : ro_Relation.m_Id > last.m_Id;
        if (!after)
            VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Relation_Add");
    }
    m_Relations.push_back(ro_Relation);
}

std::uint32_t C_Info_Table::M_Fn_Info_Relation_Find_Pos(E_Type_Relation i_Type, E_Id_Relation i_Id) const
{
    if (i_Type == E_Type_Relation_None || i_Id == E_Id_Relation_None)
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Relation_Find_Pos");
    const auto found = std::lower_bound(m_Relations.begin(), m_Relations.end(), std::make_pair(i_Type, i_Id),
                                        [](const C_Info_Relation& a, const std::pair<E_Type_Relation, E_Id_Relation>& b) {
                                            return a.m_Type != b.first ? a.m_Type < b.first : a.m_Id < b.second;
                                        });
    if (found == m_Relations.end() || found->m_Type != i_Type || found->m_Id != i_Id)
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Relation_Find_Pos");
    return static_cast<std::uint32_t>(found - m_Relations.begin());
}

void C_Info_Table::M_Fn_Info_Route_Add(const C_Info_Route& ro_Route)
{
    if (ro_Route.m_Id == E_Id_Column_None || M_Fn_Is_Initialised())
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Route_Add");
    m_Routes.push_back(ro_Route);
}

const C_Info_Route* C_Info_Table::M_Fn_Info_Route_Find(E_Id_Column i_Id) const
{
    if (i_Id == E_Id_Column_None)
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Route_Find");
    if (!M_Fn_Is_Initialised()) {
        for (const C_Info_Route& route : m_Routes)
            if (route.m_Id == i_Id)
                return &route;
        return nullptr;
    }
    const auto found = std::lower_bound(m_Routes.begin(), m_Routes.end(), i_Id,
                                        [](const C_Info_Route& a, E_Id_Column b) { return a.m_Id < b; });
    return (found != m_Routes.end() && found->m_Id == i_Id) ? &*found : nullptr;
}

void C_Info_Table::M_Fn_Check_Kind(std::uint32_t i_Kind) const
{
    if (i_Kind > 1)
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Table_Option");
}

std::uint32_t C_Info_Table::M_Fn_Info_Table_Option_Get_i_Num(std::uint32_t i_Kind) const
{
    M_Fn_Check_Kind(i_Kind);
    return static_cast<std::uint32_t>(m_Options[i_Kind].size());
}

const std::shared_ptr<C_Info_Table>& C_Info_Table::M_Fn_Info_Table_Option_Get_spo_At(std::uint32_t i_Kind,
                                                                                     std::uint32_t i_Index) const
{
    M_Fn_Check_Kind(i_Kind);
    if (i_Index >= m_Options[i_Kind].size())
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Table_Option_Get_spo_At");
    return m_Options[i_Kind][i_Index];
}

void C_Info_Table::M_Fn_Info_Table_Option_Add(std::uint32_t i_Kind, std::shared_ptr<C_Info_Table> i_sp_Table)
{
    M_Fn_Check_Kind(i_Kind);
    if (!i_sp_Table || i_sp_Table->m_Type_Relation != E_Type_Relation_None || M_Fn_Is_Initialised())
        VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Info_Table_Option_Add");
    m_Options[i_Kind].push_back(std::move(i_sp_Table));
}

int C_Info_Table::M_Fn_Parse_option_keyword(const std::string& i_Text, std::vector<std::int32_t>& o_Selection) const
{
    constexpr std::int32_t empty = -2;
    std::int32_t ordered[S_Import_Order_Num];
    std::fill(std::begin(ordered), std::end(ordered), empty);
    std::vector<std::int32_t> unordered;
    std::vector<bool> matched(m_Options[0].size(), false);
    // Enters an entry in its import order's slot, or after the others; a slot taken twice means the
    // text names something twice.
    auto enter = [&](std::int32_t i_Entry, const C_Info_Table& ro_Table) -> bool {
        if (!(ro_Table.m_Flags & E_Flag_Import_Order)) {
            unordered.push_back(i_Entry);
            return true;
        }
        if (ro_Table.m_Import_Order >= S_Import_Order_Num)
            VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Parse_option_keyword");
        if (ordered[ro_Table.m_Import_Order] != empty)
            return false;
        ordered[ro_Table.m_Import_Order] = i_Entry;
        return true;
    };
    if (!enter(-1, *this))
        return 0;
    std::string text = i_Text;
    while (!text.empty()) {
        bool found = false;
        for (std::size_t i = 0; i < m_Options[0].size() && !found; ++i) {
            const std::shared_ptr<C_Info_Table>& option = m_Options[0][i];
            if (!option)
                VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Parse_option_keyword");
            for (const std::string& keyword : option->m_Keywords) {
                if (keyword.empty() || text.compare(0, keyword.size(), keyword) != 0)
                    continue;
                // The keyword must end at the separator or at the end of the text: "THICKNESSX" is
                // no THICKNESS option.
                if (text.size() > keyword.size() && text[keyword.size()] != '_')
                    continue;
                // The same option twice would need two sub-rows in one slot.
                if (matched[i] || !enter(static_cast<std::int32_t>(i), *option))
                    return 0;
                matched[i] = true;
                text = text.size() > keyword.size() ? text.substr(keyword.size() + 1) : std::string();
                found = true;
                break;
            }
        }
        if (!found)
            return 0;
    }
    o_Selection.clear();
    for (std::int32_t entry : ordered)
        if (entry != empty)
            o_Selection.push_back(entry);
    o_Selection.insert(o_Selection.end(), unordered.begin(), unordered.end());
    return 1;
}

std::unique_ptr<C_Row> C_Info_Table::M_Fn_Factory_apo_Row() const
{
    switch (m_Type_Relation) {
    case E_Type_Relation_None: return std::make_unique<C_Row_Etc>(this);
    case E_Type_Relation_Node: return std::make_unique<C_Row_Node>(this);
    case E_Type_Relation_C_Section: return std::make_unique<C_Row_C_Section>(this);
    case E_Type_Relation_C_Material: return std::make_unique<C_Row_C_Material>(this);
    case E_Type_Relation_C_Property: return std::make_unique<C_Row_C_Property>(this);
    case E_Type_Relation_Element_2D: return std::make_unique<C_Row_Element_2D>(this);
    }
    VT_THROW("N_Biz::N_DB::C_Info_Table::M_Fn_Factory_apo_Row");
}

} // namespace N_Biz::N_DB
