#include "biz/db/Biz_DB_Row.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Obj_Ops.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Common.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "common/Common_Exception.h"

#include <boost/container/small_vector.hpp>

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <sstream>
#include <string_view>
#include <tuple>

namespace N_Biz::N_DB {

namespace {

using T_Slot = std::unique_ptr<C_Row_Etc>;
static_assert(sizeof(T_Slot) == sizeof(void*), "a sub-row slot is laid out as one pointer");

// Longest route a walk may take before it counts as a cycle of relations.
constexpr unsigned G_Route_Hops_Max = 64;

E_Result G_Fn_Refuse(std::istream& ro_Stream)
{
    return N_Common::N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
}

} // namespace

template <class Row>
E_Result C_Row::S_Fn_Stream_Serialize_Rebuild_Key_At(N_Impl::C_Key<int, Row>& key,
                                                   const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<Row>>& ro_Table)
{
    if (key.M_Fn_Type_Get_E_Type() != N_Impl::E_Type_Key_Id)
        return E_Result_Success;
    const int id = key.M_Fn_Get_o_T_Key_Any();
    if (id <= 0) {
        key = N_Impl::C_Key<int, Row>();
        return E_Result_Success;
    }
    if (!ro_Table.is_used_at(static_cast<std::uint32_t>(id))) {
        key = N_Impl::C_Key<int, Row>();
        return E_Result_Stream_Failure;
    }
    const auto& owner = ro_Table.at(static_cast<std::uint32_t>(id));
    if (!owner)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Stream_Serialize_Rebuild_Key");
    key = N_Impl::C_Key<int, Row>(owner);
    return E_Result_Success;
}

template E_Result C_Row::S_Fn_Stream_Serialize_Rebuild_Key_At<C_Row_C_Property>(
    C_Key_C_Property&, const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Property>>&);

namespace {

// Key rebuilding after load, for any card kind (see M_Fn_Stream_Serialize_Rebuild_Key_Common).
template <class Row>
E_Result G_Fn_Rebuild_Key(C_Row& ro_Row, E_Id_Column i_Id,
                          const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<Row>>& ro_Table)
{
    C_Route_Request request{i_Id, {}};
    ro_Row.M_Fn_Route_Walk_Default(request);
    if (request.m_Visitor.M_Fn_Is_Empty() || request.m_Visitor.M_Fn_Is_Virtual())
        return E_Result_Success;
    return C_Row::S_Fn_Stream_Serialize_Rebuild_Key_At(request.m_Visitor.M_Fn_Ref<N_Impl::C_Key<int, Row>>(), ro_Table);
}


// The bytes of one row on their way to the stream: gathered in memory and written in one piece,
// or in one piece per stretch between the nested rows and text values that write themselves.
class C_Bytes_Out {
public:
    explicit C_Bytes_Out(std::ostream& ro_Stream) : m_Stream(ro_Stream) {}
    C_Bytes_Out(const C_Bytes_Out&) = delete;
    C_Bytes_Out& operator=(const C_Bytes_Out&) = delete;

    char* M_Fn_Room(std::size_t i_Count)
    {
        const std::size_t at = m_Bytes.size();
        m_Bytes.resize(at + i_Count);
        return m_Bytes.data() + at;
    }
    void M_Fn_Put(const char* i_Bytes, std::size_t i_Count)
    {
        if (i_Count)
            std::memcpy(M_Fn_Room(i_Count), i_Bytes, i_Count);
    }
    void M_Fn_u8(std::uint8_t i_Value) { m_Bytes.push_back(static_cast<char>(i_Value)); }
    void M_Fn_u32(std::uint32_t i_Value)
    {
        char* at = M_Fn_Room(4);
        for (int i = 0; i < 4; ++i)
            at[i] = static_cast<char>((i_Value >> (8 * i)) & 0xFF);
    }
    // Hands what is gathered to the stream: 1, or 0 when the stream has failed.
    E_Result M_Fn_Flush()
    {
        if (!m_Bytes.empty()) {
            N_Common::N_Stream::N_Impl::G_Fn_Write_Raw(m_Stream, m_Bytes.data(), m_Bytes.size());
            m_Bytes.clear();
        }
        return N_Common::N_Stream::N_Impl::G_Fn_Written(m_Stream);
    }
    // The stream itself, for what writes itself, after what was gathered before it.
    std::ostream& M_Fn_Stream()
    {
        M_Fn_Flush();
        return m_Stream;
    }

private:
    std::ostream& m_Stream;
    boost::container::small_vector<char, 512> m_Bytes;
};

// A row's body: columns and repeat flags down the repeat chain, then the options from its end back
// up, which is the nesting order of the format.
E_Result G_Fn_Body_O(const C_Row& ro_Row, C_Bytes_Out& ro_Out)
{
    const C_Info_Table& table = *ro_Row.M_Fn_Info_Table();
    // Most rows repeat nothing: the chain then stays inside the object, without a heap block per row.
    boost::container::small_vector<const C_Row*, 4> chain;
    for (const C_Row* row = &ro_Row; row;) {
        chain.push_back(row);
        for (const auto& column : table.M_Fn_Columns_Practical()) {
            const C_Obj_Ops& ops = G_Fn_Obj_Ops(column->M_Fn_Type());
            const void* value = G_Fn_Obj_Value(row->M_Fn_Field_Addr(*column), column->M_Fn_Is_Indirect());
            if (ops.m_Binary_Size) {
                ops.m_pfn_Binary_Put(value, ro_Out.M_Fn_Room(ops.m_Binary_Size));
                continue;
            }
            const E_Result result = ops.m_pfn_Binary_O(value, ro_Out.M_Fn_Stream());
            if (result != E_Result_Success)
                return result;
        }
        if (!table.M_Fn_Is_Repeatable())
            break;
        const C_Row* next = row->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat().get();
        ro_Out.M_Fn_u8(next ? 0 : 1);
        row = next;
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (std::uint32_t kind = 0; kind < 2; ++kind)
            for (std::uint32_t i = 0; i < table.M_Fn_Info_Table_Option_Get_i_Num(kind); ++i) {
                const C_Row_Etc* sub = (*it)->M_Fn_Sub_Get_rscpo_Row_Etc_Option(kind, i).get();
                ro_Out.M_Fn_u8(sub ? 0 : 1);
                if (!sub)
                    continue;
                const E_Result result = sub->M_Fn_Stream_Serialize_o_O(ro_Out.M_Fn_Stream(), 1);
                if (result != E_Result_Success)
                    return result;
            }
    return E_Result_Success;
}

// The table a row header names. The rows of a file come in long runs of one table, so the last
// answer of this thread is kept and used again while the schema and the header stay the same.
// Longest keyword a row header may name (table keywords are card names of a few dozen bytes).
constexpr std::size_t G_Keyword_Length_Max = 256;

// The schema is held weakly and compared by owner, so a schema made later at the same address is
// never taken for the one remembered.
const C_Info_Table* G_Fn_Table_Of_Header(const std::shared_ptr<C_Info_Schema>& ro_sp_Schema, std::uint32_t i_Format,
                                         std::string_view i_Keyword)
{
    struct C_Last {
        std::weak_ptr<C_Info_Schema> m_wp_Schema;
        std::uint32_t m_Format = 0;
        std::string m_Keyword;
        const C_Info_Table* m_p_Table = nullptr;
    };
    thread_local C_Last t_Last;
    const bool same_schema = !t_Last.m_wp_Schema.expired() && !t_Last.m_wp_Schema.owner_before(ro_sp_Schema) &&
                             !ro_sp_Schema.owner_before(t_Last.m_wp_Schema);
    if (same_schema && t_Last.m_Format == i_Format && t_Last.m_Keyword == i_Keyword)
        return t_Last.m_p_Table;
    const std::string keyword(i_Keyword);
    const C_Info_Table* p_table = ro_sp_Schema->M_Fn_Info_Table_Lookup_By_Format(i_Format, keyword);
    t_Last.m_wp_Schema = ro_sp_Schema;
    t_Last.m_Format = i_Format;
    t_Last.m_Keyword = i_Keyword;
    t_Last.m_p_Table = p_table;
    return p_table;
}

} // namespace

// --- construction and destruction ---------------------------------------------------------------

C_Row::C_Row(const C_Info_Table* i_ro_Table) : m_ro_Info_Table(i_ro_Table)
{
    std::memset(m_Storage, 0, sizeof(m_Storage));
    if (m_ro_Info_Table)
        M_Fn_Construct_Storage();
}

void C_Row::M_Fn_Construct_Storage()
{
    const C_Info_Table& table = *m_ro_Info_Table;
    if (!table.M_Fn_Is_Initialised())
        VT_THROW("N_Biz::N_DB::C_Row::C_Row");
    if (table.M_Fn_Flags() & C_Info_Table::E_Flag_Overflow_Block) {
        const std::size_t size = table.M_Fn_Size_Overflow();
        if (size == 0)
            VT_THROW("N_Biz::N_DB::C_Row::C_Row");
        const std::size_t words = (size + 7) / 8;
        m_p_Overflow.reset(G_Fn_Row_Block_Alloc(words));
        if (!m_p_Overflow)
            VT_THROW("N_Biz::N_DB::C_Row::C_Row");
    }
    for (std::uint32_t kind = 0; kind < 2; ++kind)
        for (std::uint32_t i = 0; i < table.M_Fn_Info_Table_Option_Get_i_Num(kind); ++i) {
            const C_Info_Table& option = *table.M_Fn_Info_Table_Option_Get_spo_At(kind, i);
            ::new (M_Fn_Area(option.M_Fn_Flags() & C_Info_Table::E_Flag_Slot_Overflow) + option.M_Fn_Offset_Slot()) T_Slot();
        }
    if (table.M_Fn_Is_Repeatable())
        ::new (M_Fn_Area(table.M_Fn_Flags() & C_Info_Table::E_Flag_Repeat_Overflow) + table.M_Fn_Offset_Repeat()) T_Slot();
    // The values; a failure takes back the ones made so far, as no destructor will run.
    const auto& columns = table.M_Fn_Columns_Practical();
    std::size_t made = 0;
    try {
        for (; made < columns.size(); ++made)
            G_Fn_Obj_Ops(columns[made]->M_Fn_Type()).m_pfn_Create(M_Fn_Field_Addr(*columns[made]), columns[made]->M_Fn_Is_Indirect());
    } catch (...) {
        while (made-- > 0)
            G_Fn_Obj_Ops(columns[made]->M_Fn_Type()).m_pfn_Destroy(M_Fn_Field_Addr(*columns[made]), columns[made]->M_Fn_Is_Indirect());
        throw;
    }
}

C_Row::C_Row(const C_Row& ro_Other, C_No_Repeat) : C_Row(ro_Other.m_ro_Info_Table)
{
    if (!m_ro_Info_Table)
        return;
    M_Fn_Copy_Values(ro_Other);
    M_Fn_Copy_Options(ro_Other);
}

C_Row::C_Row(const C_Row& ro_Other) : C_Row(ro_Other, C_No_Repeat())
{
    if (!m_ro_Info_Table || !m_ro_Info_Table->M_Fn_Is_Repeatable())
        return;
    // The repeat chain, one link after the other, so that a long chain costs no stack.
    const C_Row* source = ro_Other.M_Fn_Sub_Get_rscpo_Row_Etc_Repeat().get();
    C_Row* target = this;
    while (source) {
        T_Slot copy(new C_Row_Etc(static_cast<const C_Row_Etc&>(*source), C_No_Repeat()));
        C_Row* next = copy.get();
        target->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat() = std::move(copy);
        target = next;
        source = source->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat().get();
    }
}

C_Row::C_Row(C_Row&& ro_Other) noexcept : C_Row()
{
    M_Fn_Swap(ro_Other);
}

void C_Row::M_Fn_Copy_Values(const C_Row& ro_Other)
{
    for (const auto& column : m_ro_Info_Table->M_Fn_Columns_Practical()) {
        const bool indirect = column->M_Fn_Is_Indirect();
        G_Fn_Obj_Ops(column->M_Fn_Type())
            .m_pfn_Copy(G_Fn_Obj_Value(M_Fn_Field_Addr(*column), indirect), G_Fn_Obj_Value(ro_Other.M_Fn_Field_Addr(*column), indirect));
    }
}

void C_Row::M_Fn_Copy_Options(const C_Row& ro_Other)
{
    for (std::uint32_t kind = 0; kind < 2; ++kind)
        for (std::uint32_t i = 0; i < m_ro_Info_Table->M_Fn_Info_Table_Option_Get_i_Num(kind); ++i) {
            const T_Slot& source = ro_Other.M_Fn_Sub_Get_rscpo_Row_Etc_Option(kind, i);
            if (source)
                M_Fn_Sub_Get_rscpo_Row_Etc_Option(kind, i).reset(new C_Row_Etc(*source));
        }
}

C_Row::~C_Row()
{
    if (!m_ro_Info_Table)
        return;
    const C_Info_Table& table = *m_ro_Info_Table;
    const char* failed_function = nullptr;
    const char* failed_file = nullptr;
    int failed_line = 0;
    std::string failed_info;
    auto note = [&](const N_Common::N_Exception::C_Exception& e) {
        if (!failed_function) {
            failed_function = e.M_Fn_Function();
            failed_file = e.M_Fn_File();
            failed_line = e.M_Fn_Line();
            failed_info = e.what();
        }
    };
    // 1. The repeat chain, link by link.
    try {
        if (table.M_Fn_Is_Repeatable()) {
            T_Slot chain = std::move(M_Fn_Sub_Get_rscpo_Row_Etc_Repeat());
            while (chain) {
                T_Slot next = std::move(chain->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat());
                chain.reset();
                chain = std::move(next);
            }
            M_Fn_Sub_Get_rscpo_Row_Etc_Repeat().~T_Slot();
        }
    } catch (const N_Common::N_Exception::C_Exception& e) {
        note(e);
    }
    // 2. The option sub-rows, kind 0 then 1.
    for (std::uint32_t kind = 0; kind < 2; ++kind)
        for (std::uint32_t i = 0; i < table.M_Fn_Info_Table_Option_Get_i_Num(kind); ++i) {
            try {
                M_Fn_Sub_Get_rscpo_Row_Etc_Option(kind, i).~T_Slot();
            } catch (const N_Common::N_Exception::C_Exception& e) {
                note(e);
            }
        }
    // 3. The values.
    for (const auto& column : table.M_Fn_Columns_Practical()) {
        try {
            G_Fn_Obj_Ops(column->M_Fn_Type()).m_pfn_Destroy(M_Fn_Field_Addr(*column), column->M_Fn_Is_Indirect());
        } catch (const N_Common::N_Exception::C_Exception& e) {
            note(e);
        }
    }
    if (failed_function) {
        if (C_App* app = C_App::S_Fn_Get())
            app->M_Fn_Report_Exception("N_Biz::N_DB::C_Row::~C_Row", failed_file, failed_line, failed_info.c_str());
    }
}

void C_Row::M_Fn_Swap(C_Row& ro_Other) noexcept
{
    std::swap(m_ro_Info_Table, ro_Other.m_ro_Info_Table);
    unsigned char temp[sizeof(m_Storage)];
    std::memcpy(temp, m_Storage, sizeof(m_Storage));
    std::memcpy(m_Storage, ro_Other.m_Storage, sizeof(m_Storage));
    std::memcpy(ro_Other.m_Storage, temp, sizeof(m_Storage));
    m_p_Overflow.swap(ro_Other.m_p_Overflow);
}

// --- storage ------------------------------------------------------------------------------------

unsigned char* C_Row::M_Fn_Area(bool i_Overflow)
{
    if (!i_Overflow)
        return m_Storage;
    if (!m_p_Overflow)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Area");
    return reinterpret_cast<unsigned char*>(m_p_Overflow.get());
}

const unsigned char* C_Row::M_Fn_Area(bool i_Overflow) const
{
    return const_cast<C_Row*>(this)->M_Fn_Area(i_Overflow);
}

std::unique_ptr<C_Row_Etc>& C_Row::M_Fn_Slot(bool i_Overflow, std::size_t i_Offset)
{
    return *std::launder(reinterpret_cast<T_Slot*>(M_Fn_Area(i_Overflow) + i_Offset));
}

void* C_Row::M_Fn_Field_Addr(const C_Info_Column& ro_Column)
{
    return M_Fn_Area(ro_Column.M_Fn_Is_Overflow()) + ro_Column.M_Fn_Offset_Layout();
}

const void* C_Row::M_Fn_Field_Addr(const C_Info_Column& ro_Column) const
{
    return M_Fn_Area(ro_Column.M_Fn_Is_Overflow()) + ro_Column.M_Fn_Offset_Layout();
}

std::int32_t C_Row::M_Fn_Id_Get() const
{
    if (!m_ro_Info_Table || m_ro_Info_Table->M_Fn_Type_Relation() == E_Type_Relation_None)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Id_Get");
    std::int32_t id = 0;
    std::memcpy(&id, m_Storage, sizeof(id));
    return id;
}

void C_Row::M_Fn_Id_Set(std::int32_t i_Id)
{
    if (!m_ro_Info_Table || m_ro_Info_Table->M_Fn_Type_Relation() == E_Type_Relation_None)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Id_Set");
    std::memcpy(m_Storage, &i_Id, sizeof(i_Id));
}

C_Visitor_Field C_Row::M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column i_Id)
{
    const C_Info_Column* column = m_ro_Info_Table ? m_ro_Info_Table->M_Fn_Info_Column_Practical_Find(i_Id) : nullptr;
    if (!column)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Column_Practical_Get_o_Visitor_Field");
    return C_Visitor_Field(M_Fn_Field_Addr(*column), column, this);
}

C_Visitor_Field C_Row::M_Fn_Column_Virtual_Get_o_Visitor_Field(E_Id_Column i_Id)
{
    const C_Info_Column* column = m_ro_Info_Table ? m_ro_Info_Table->M_Fn_Info_Column_Virtual_Find(i_Id) : nullptr;
    if (!column)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Column_Virtual_Get_o_Visitor_Field");
    return C_Visitor_Field(nullptr, column, this);
}

C_Visitor_Field C_Row::M_Fn_Column_Practical_Get_o_Visitor_Field_At(std::uint32_t i_Position)
{
    if (!m_ro_Info_Table || i_Position >= m_ro_Info_Table->M_Fn_Columns_Practical().size())
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Column_Practical_Get_o_Visitor_Field_At");
    const C_Info_Column* column = m_ro_Info_Table->M_Fn_Columns_Practical()[i_Position].get();
    return C_Visitor_Field(M_Fn_Field_Addr(*column), column, this);
}

std::unique_ptr<C_Row_Etc>& C_Row::M_Fn_Sub_Get_rscpo_Row_Etc_Option(std::uint32_t i_Kind, std::uint32_t i_Index)
{
    if (!m_ro_Info_Table)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Sub_Get_rscpo_Row_Etc_Option");
    const C_Info_Table& option = *m_ro_Info_Table->M_Fn_Info_Table_Option_Get_spo_At(i_Kind, i_Index);
    return M_Fn_Slot(option.M_Fn_Flags() & C_Info_Table::E_Flag_Slot_Overflow, option.M_Fn_Offset_Slot());
}

const std::unique_ptr<C_Row_Etc>& C_Row::M_Fn_Sub_Get_rscpo_Row_Etc_Option(std::uint32_t i_Kind, std::uint32_t i_Index) const
{
    return const_cast<C_Row*>(this)->M_Fn_Sub_Get_rscpo_Row_Etc_Option(i_Kind, i_Index);
}

std::unique_ptr<C_Row_Etc>& C_Row::M_Fn_Sub_Get_rscpo_Row_Etc_Repeat()
{
    if (!m_ro_Info_Table || !m_ro_Info_Table->M_Fn_Is_Repeatable())
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Sub_Get_rscpo_Row_Etc_Repeat");
    return M_Fn_Slot(m_ro_Info_Table->M_Fn_Flags() & C_Info_Table::E_Flag_Repeat_Overflow, m_ro_Info_Table->M_Fn_Offset_Repeat());
}

const std::unique_ptr<C_Row_Etc>& C_Row::M_Fn_Sub_Get_rscpo_Row_Etc_Repeat() const
{
    return const_cast<C_Row*>(this)->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat();
}

// --- relations and routes -----------------------------------------------------------------------

C_Row* C_Row::M_Fn_Find_Related_Row(std::uint32_t i_Relation, const T_Nodes* i_p_Nodes)
{
    if (!m_ro_Info_Table)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Find_Related_Row");
    const auto& relations = m_ro_Info_Table->M_Fn_Relations();
    if (i_Relation >= relations.size() || relations[i_Relation].m_Columns.size() != 1)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Find_Related_Row");
    const C_Info_Relation& relation = relations[i_Relation];
    const C_Info_Column& column = *m_ro_Info_Table->M_Fn_Columns_Practical().at(relation.m_Columns[0]);
    const C_Visitor_Field field(M_Fn_Field_Addr(column), &column, this);
    switch (relation.m_Type) {
    case E_Type_Relation_Node: {
        const std::int32_t position = field.M_Fn_Ref<std::int32_t>();
        if (position < 0 || !i_p_Nodes || static_cast<std::size_t>(position) >= i_p_Nodes->size())
            VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Find_Related_Row_Node");
        // The model's node array is the model's own; a route into it serves reads and writes alike.
        return const_cast<C_Row_Node*>(&(*i_p_Nodes)[static_cast<std::size_t>(position)]);
    }
    case E_Type_Relation_C_Section: {
        const auto& key = field.M_Fn_Ref<C_Key_Common>();
        if (key.M_Fn_Type_Get_E_Type() != N_Impl::E_Type_Key_Ref)
            VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Find_Related_Row_C_Section");
        return key.M_Fn_Lock().get();
    }
    case E_Type_Relation_C_Material: {
        const auto& key = field.M_Fn_Ref<C_Key_C_Material>();
        if (key.M_Fn_Type_Get_E_Type() != N_Impl::E_Type_Key_Ref)
            VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Find_Related_Row_C_Material");
        return key.M_Fn_Lock().get();
    }
    case E_Type_Relation_C_Property: {
        const auto& key = field.M_Fn_Ref<C_Key_C_Property>();
        if (key.M_Fn_Type_Get_E_Type() != N_Impl::E_Type_Key_Ref)
            VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Find_Related_Row_C_Property");
        return key.M_Fn_Lock().get();
    }
    default: break;
    }
    VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Find_Related_Row");
}

void C_Row::M_Fn_Route_Walk(C_Route_Request& ro_Request, const T_Nodes* i_p_Nodes, bool i_Stop_At_Relations)
{
    ro_Request.m_Visitor = C_Visitor_Field();
    C_Row* row = this;
    for (unsigned hop = 0; hop < G_Route_Hops_Max; ++hop) {
        if (!row->m_ro_Info_Table)
            VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Parse_route_next_hop");
        const C_Info_Table& table = *row->m_ro_Info_Table;
        const C_Info_Route* route = table.M_Fn_Info_Route_Find(ro_Request.m_Id);
        if (!route)
            return;
        switch (route->m_Kind) {
        case E_Route_Kind_Practical:
            ro_Request.m_Visitor = row->M_Fn_Column_Practical_Get_o_Visitor_Field_At(route->m_Index);
            return;
        case E_Route_Kind_Virtual:
            ro_Request.m_Visitor = C_Visitor_Field(nullptr, table.M_Fn_Columns_Virtual().at(route->m_Index).get(), row);
            return;
        case E_Route_Kind_Option_Keyword:
        case E_Route_Kind_Option_Condition:
            row = row->M_Fn_Sub_Get_rscpo_Row_Etc_Option(route->m_Kind == E_Route_Kind_Option_Keyword ? 0 : 1, route->m_Index).get();
            if (!row)
                return;
            continue;
        case E_Route_Kind_Relation:
            if (i_Stop_At_Relations)
                return;
            row = row->M_Fn_Find_Related_Row(route->m_Index, i_p_Nodes);
            if (!row)
                return;
            continue;
        }
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Parse_route_next_hop");
    }
    VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Route_Walk");
}

void C_Row::M_Fn_Route_Walk_Default(C_Route_Request& ro_Request)
{
    C_Route_Request request{ro_Request.m_Id, {}};
    M_Fn_Route_Walk(request, nullptr, true);
    ro_Request.m_Visitor = request.m_Visitor;
}

void C_Row::M_Fn_Select_multiple(const std::vector<C_Route_Request*>& ro_Requests, const T_Nodes* i_p_Nodes,
                                 bool i_Stop_At_Relations)
{
    if (ro_Requests.empty())
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Select_multiple");
    for (C_Route_Request* request : ro_Requests) {
        if (!request)
            VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Select_multiple");
        request->m_Visitor = C_Visitor_Field();
    }
    std::vector<C_Route_Request*> pending = ro_Requests;
    M_Fn_Select_multiple_recursively(pending, i_p_Nodes, i_Stop_At_Relations, 0);
}

void C_Row::M_Fn_Select_multiple_recursively(std::vector<C_Route_Request*>& ro_Pending, const T_Nodes* i_p_Nodes,
                                             bool i_Stop_At_Relations, unsigned i_Depth)
{
    if (i_Depth >= G_Route_Hops_Max)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Select_multiple_recursively");
    if (!m_ro_Info_Table)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Select_multiple_recursively");
    struct C_Hop {
        const C_Info_Route* m_ro_Route;
        C_Route_Request* m_p_Request;
    };
    std::vector<C_Hop> hops;
    for (C_Route_Request* request : ro_Pending)
        if (const C_Info_Route* route = m_ro_Info_Table->M_Fn_Info_Route_Find(request->m_Id))
            hops.push_back({route, request});
    std::stable_sort(hops.begin(), hops.end(), [](const C_Hop& a, const C_Hop& b) {
        return std::tie(a.m_ro_Route->m_Kind, a.m_ro_Route->m_Index) < std::tie(b.m_ro_Route->m_Kind, b.m_ro_Route->m_Index);
    });
    for (std::size_t first = 0; first < hops.size();) {
        const C_Info_Route& route = *hops[first].m_ro_Route;
        std::size_t last = first;
        std::vector<C_Route_Request*> group;
        while (last < hops.size() && hops[last].m_ro_Route->m_Kind == route.m_Kind && hops[last].m_ro_Route->m_Index == route.m_Index)
            group.push_back(hops[last++].m_p_Request);
        C_Row* next = nullptr;
        switch (route.m_Kind) {
        case E_Route_Kind_Practical:
            for (C_Route_Request* request : group)
                request->m_Visitor = M_Fn_Column_Practical_Get_o_Visitor_Field_At(route.m_Index);
            break;
        case E_Route_Kind_Virtual:
            for (C_Route_Request* request : group)
                request->m_Visitor = C_Visitor_Field(nullptr, m_ro_Info_Table->M_Fn_Columns_Virtual().at(route.m_Index).get(), this);
            break;
        case E_Route_Kind_Option_Keyword:
        case E_Route_Kind_Option_Condition:
            next = M_Fn_Sub_Get_rscpo_Row_Etc_Option(route.m_Kind == E_Route_Kind_Option_Keyword ? 0 : 1, route.m_Index).get();
            break;
        case E_Route_Kind_Relation:
            if (!i_Stop_At_Relations)
                next = M_Fn_Find_Related_Row(route.m_Index, i_p_Nodes);
            break;
        default: VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Select_multiple_recursively");
        }
        if (next)
            next->M_Fn_Select_multiple_recursively(group, i_p_Nodes, i_Stop_At_Relations, i_Depth + 1);
        first = last;
    }
}

void C_Row::M_Fn_Select_multiple_List(std::vector<C_Route_Request>& ro_Requests, const T_Nodes* i_p_Nodes,
                                      bool i_Stop_At_Relations)
{
    std::vector<C_Route_Request> working = ro_Requests;
    std::vector<C_Route_Request*> pointers;
    for (C_Route_Request& request : working)
        pointers.push_back(&request);
    M_Fn_Select_multiple(pointers, i_p_Nodes, i_Stop_At_Relations);
    for (std::size_t i = 0; i < working.size(); ++i)
        ro_Requests[i].m_Visitor = working[i].m_Visitor;
}

void C_Row::M_Fn_Get_wstring_Desc(const std::wstring& i_Indent, std::vector<std::wstring>& ro_Lines) const
{
    M_Fn_Get_wstring_Desc(i_Indent, ro_Lines, [](const C_Info_Column&, std::wostream&) { return false; });
}

void C_Row::M_Fn_Get_wstring_Desc(const std::wstring& i_Indent, std::vector<std::wstring>& ro_Lines,
                                  const std::function<bool(const C_Info_Column&, std::wostream&)>& i_Fn_Text) const
{
    if (!m_ro_Info_Table)
        return;
    ro_Lines.push_back(i_Indent + L"TYPE: " + m_ro_Info_Table->M_Fn_Title());
    for (const auto& column : m_ro_Info_Table->M_Fn_Columns_Practical()) {
        std::wostringstream text;
        if (!i_Fn_Text(*column, text))
            G_Fn_Obj_Ops(column->M_Fn_Type()).m_pfn_WText_O(G_Fn_Obj_Value(M_Fn_Field_Addr(*column), column->M_Fn_Is_Indirect()), text);
        ro_Lines.push_back(i_Indent + column->M_Fn_Name() + L": " + text.str());
    }
}

E_Result C_Row::M_Fn_Stream_Serialize_Rebuild_Key_Common(
    const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<C_Row_Common>>& ro_Table)
{
    return G_Fn_Rebuild_Key(*this, E_Id_Column_Key_foreign_C_Section, ro_Table);
}

E_Result C_Row::M_Fn_Stream_Serialize_Rebuild_Key_C_Material(
    E_Id_Column i_Id, const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Material>>& ro_Table)
{
    return G_Fn_Rebuild_Key(*this, i_Id, ro_Table);
}

E_Result C_Row::M_Fn_Stream_Serialize_Rebuild_Key_C_Property(
    const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Property>>& ro_Table)
{
    return G_Fn_Rebuild_Key(*this, E_Id_Column_Key_foreign_C_Property, ro_Table);
}

// --- binary row format --------------------------------------------------------------------------

E_Result C_Row::M_Fn_Stream_Serialize_Type_O(std::ostream& ro_Stream) const
{
    if (!m_ro_Info_Table)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Stream_Serialize_Type_O");
    return N_Common::N_Stream::G_Fn_Serialize_O(ro_Stream, static_cast<std::uint32_t>(m_ro_Info_Table->M_Fn_Type_Relation()));
}

E_Result C_Row::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table)
{
    // The base class takes a row of any kind.
    return M_Fn_Stream_Serialize_Row_I(
        ro_Stream, i_ro_Table, [](E_Type_Relation) { return true; },
        [this](const C_Info_Table* i_ro_Bound) {
            C_Row fresh(i_ro_Bound);
            M_Fn_Swap(fresh);
        });
}

E_Result C_Row::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream, int i_Nested) const
{
    return M_Fn_Stream_Serialize_Row_O(ro_Stream, i_Nested);
}

E_Result C_Row::M_Fn_Stream_Serialize_Row_O(std::ostream& ro_Stream, int i_Nested, const char* i_Tail,
                                            std::size_t i_Tail_Size) const
{
    if (!m_ro_Info_Table)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Stream_Serialize_o_O");
    C_Bytes_Out out(ro_Stream);
    if (!i_Nested) {
        out.M_Fn_u32(m_ro_Info_Table->M_Fn_Format());
        // The keyword is narrow text: u32 byte count and its bytes.
        const std::string& keyword = m_ro_Info_Table->M_Fn_Keyword_List().front();
        out.M_Fn_u32(static_cast<std::uint32_t>(keyword.size()));
        out.M_Fn_Put(keyword.data(), keyword.size());
    }
    const E_Result result = G_Fn_Body_O(*this, out);
    if (result != E_Result_Success)
        return result;
    out.M_Fn_Put(i_Tail, i_Tail_Size);
    return out.M_Fn_Flush();
}

E_Result C_Row::M_Fn_Stream_Serialize_Row_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table,
                                            const std::function<bool(E_Type_Relation)>& i_Accept,
                                            const std::function<void(const C_Info_Table*)>& i_Rebind)
{
    if (m_ro_Info_Table)
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Stream_Serialize_o_I");
    const C_Info_Table* table = i_ro_Table;
    if (!table) {
        // Format and keyword byte count in one piece, then the keyword's bytes.
        char head[8];
        if (!N_Common::N_Stream::N_Impl::G_Fn_Read_Raw(ro_Stream, head, sizeof head))
            return E_Result_Stream_Failure;
        auto word = [&head](int i_At) {
            std::uint32_t value = 0;
            for (int b = 0; b < 4; ++b)
                value |= std::uint32_t(static_cast<unsigned char>(head[i_At + b])) << (8 * b);
            return value;
        };
        const std::uint32_t format = word(0);
        const std::uint32_t length = word(4);
        C_App* app = C_App::S_Fn_Get();
        if (!app || !app->m_sp_Schema)
            VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Stream_Serialize_o_I");
        // No table's keyword is that long: the header names no table.
        char keyword[G_Keyword_Length_Max];
        if (length > sizeof keyword)
            return G_Fn_Refuse(ro_Stream);
        if (!N_Common::N_Stream::N_Impl::G_Fn_Read_Raw(ro_Stream, keyword, length))
            return E_Result_Stream_Failure;
        // A header that names no table of this schema is a damaged or foreign stream, not a
        // reason to touch the target.
        if (format < E_Format_Standard || format > E_Format_Nastran)
            return G_Fn_Refuse(ro_Stream);
        table = G_Fn_Table_Of_Header(app->m_sp_Schema, format, std::string_view(keyword, length));
        if (!table || !i_Accept(table->M_Fn_Type_Relation()))
            return G_Fn_Refuse(ro_Stream);
    } else if (!i_Accept(table->M_Fn_Type_Relation())) {
        VT_THROW("N_Biz::N_DB::C_Row::M_Fn_Stream_Serialize_o_I");
    }
    i_Rebind(table);
    return M_Fn_Stream_Serialize_Body_I(ro_Stream);
}

E_Result C_Row::M_Fn_Stream_Serialize_Columns_I(std::istream& ro_Stream)
{
    // Each run of fixed-size columns is read in one piece and decoded from memory; a text column
    // reads itself from the stream.
    const auto& columns = m_ro_Info_Table->M_Fn_Columns_Practical();
    boost::container::small_vector<char, 256> bytes;
    for (std::size_t i = 0; i < columns.size();) {
        const C_Obj_Ops& ops = G_Fn_Obj_Ops(columns[i]->M_Fn_Type());
        if (ops.m_Binary_Size == 0) {
            const E_Result result =
                ops.m_pfn_Binary_I(G_Fn_Obj_Value(M_Fn_Field_Addr(*columns[i]), columns[i]->M_Fn_Is_Indirect()), ro_Stream);
            if (result != E_Result_Success)
                return result;
            ++i;
            continue;
        }
        std::size_t end = i, size = 0;
        for (; end < columns.size(); ++end) {
            const unsigned column_size = G_Fn_Obj_Ops(columns[end]->M_Fn_Type()).m_Binary_Size;
            if (column_size == 0)
                break;
            size += column_size;
        }
        bytes.resize(size);
        if (!N_Common::N_Stream::N_Impl::G_Fn_Read_Raw(ro_Stream, bytes.data(), size))
            return E_Result_Stream_Failure;
        const char* at = bytes.data();
        for (; i < end; ++i) {
            const C_Obj_Ops& fixed = G_Fn_Obj_Ops(columns[i]->M_Fn_Type());
            fixed.m_pfn_Binary_Get(G_Fn_Obj_Value(M_Fn_Field_Addr(*columns[i]), columns[i]->M_Fn_Is_Indirect()), at);
            at += fixed.m_Binary_Size;
        }
    }
    return E_Result_Success;
}

E_Result C_Row::M_Fn_Stream_Serialize_Body_I(std::istream& ro_Stream)
{
    const C_Info_Table& table = *m_ro_Info_Table;
    // Down the repeat chain, each link created and attached before it is read, so that whatever
    // was read stays owned by the target when the stream breaks off.
    boost::container::small_vector<C_Row*, 4> chain;
    for (C_Row* row = this;;) {
        chain.push_back(row);
        E_Result result = row->M_Fn_Stream_Serialize_Columns_I(ro_Stream);
        if (result != E_Result_Success)
            return result;
        if (!table.M_Fn_Is_Repeatable())
            break;
        std::uint8_t absent = 0;
        if (N_Common::N_Stream::G_Fn_Serialize_u8_I(ro_Stream, absent) != E_Result_Success)
            return E_Result_Stream_Failure;
        if (absent == 1)
            break;
        if (absent != 0)
            return G_Fn_Refuse(ro_Stream);
        T_Slot next(new C_Row_Etc(&table));
        C_Row* link = next.get();
        row->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat() = std::move(next);
        row = link;
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (std::uint32_t kind = 0; kind < 2; ++kind)
            for (std::uint32_t i = 0; i < table.M_Fn_Info_Table_Option_Get_i_Num(kind); ++i) {
                std::uint8_t absent = 0;
                if (N_Common::N_Stream::G_Fn_Serialize_u8_I(ro_Stream, absent) != E_Result_Success)
                    return E_Result_Stream_Failure;
                if (absent == 1)
                    continue;
                if (absent != 0)
                    return G_Fn_Refuse(ro_Stream);
                // The sub-row is made bound to its table and read in place (what a nested read of
                // an empty sub-row would do through a bound copy and a swap).
                T_Slot& slot = (*it)->M_Fn_Sub_Get_rscpo_Row_Etc_Option(kind, i);
                slot.reset(new C_Row_Etc(table.M_Fn_Info_Table_Option_Get_spo_At(kind, i).get()));
                const E_Result result = slot->M_Fn_Stream_Serialize_Body_I(ro_Stream);
                if (result != E_Result_Success)
                    return result;
            }
    return E_Result_Success;
}

} // namespace N_Biz::N_DB
