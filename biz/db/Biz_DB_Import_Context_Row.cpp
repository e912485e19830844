#include "biz/db/Biz_DB_Import_Context_Row.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Import_Context_Msg.h"
#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Obj_Ops.h"
#include "biz/db/Biz_DB_Row.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/db/Biz_DB_Visitor_Field.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <typeinfo>
#include <utility>

namespace N_Biz::N_DB {

std::shared_ptr<N_Import::C_Context_Row> C_Info_Schema::M_Fn_Import_Create_spo_Context_Row_Dyna(const std::string& i_Keyword) const
{
    const C_Info_Table* table = nullptr;
    std::vector<std::int32_t> selection;
    if (!M_Fn_Import_Resolve_Dyna(i_Keyword, table, selection) || !table)
        return {};
    return std::make_shared<N_Import::C_Context_Row>(table, std::move(selection));
}

std::shared_ptr<N_Import::C_Context_Row> C_Info_Schema::M_Fn_Import_Create_spo_Context_Row_Nastran(const std::string& i_Keyword) const
{
    const C_Info_Table* table = nullptr;
    std::vector<std::int32_t> selection;
    if (!M_Fn_Import_Resolve_Nastran(i_Keyword, table, selection) || !table)
        return {};
    return std::make_shared<N_Import::C_Context_Row>(table, std::move(selection));
}

} // namespace N_Biz::N_DB

namespace N_Biz::N_DB::N_Import {

namespace {

bool G_Fn_Is_Text(E_Type_Obj i_Type)
{
    return i_Type == E_Type_Obj_string || i_Type == E_Type_Obj_wstring;
}

// The bound check of a number column read from a deck, without the value table: the same
// comparisons as C_Visitor_Field_Const::M_Fn_Is_in_range makes through the type's less operation.
template <class T>
bool G_Fn_Is_In_Range(const C_Info_Column& ro_Column, T i_Value, bool& o_Lower, bool& o_Upper)
{
    o_Lower = o_Upper = true;
    const std::uint32_t flags = ro_Column.M_Fn_Flags();
    if (flags & C_Info_Column::E_Flag_Lower) {
        const T bound = *static_cast<const T*>(ro_Column.M_Fn_Get_o_Visitor_Field_Const_Bound_lower().M_Fn_Value());
        o_Lower = (flags & C_Info_Column::E_Flag_Lower_Inclusive) ? !(i_Value < bound) : bound < i_Value;
    }
    if (flags & C_Info_Column::E_Flag_Upper) {
        const T bound = *static_cast<const T*>(ro_Column.M_Fn_Get_o_Visitor_Field_Const_Bound_upper().M_Fn_Value());
        o_Upper = (flags & C_Info_Column::E_Flag_Upper_Inclusive) ? !(bound < i_Value) : i_Value < bound;
    }
    return o_Lower && o_Upper;
}

bool G_Fn_Is_Blank(std::string_view i_Text)
{
    return N_Common::N_String::G_Fn_Trim_Blank(i_Text).empty();
}

} // namespace

C_Context_Row::C_Context_Row(const C_Info_Table* i_ro_Table, std::vector<std::int32_t> i_Order)
    : m_ro_Table(i_ro_Table), m_Order(std::move(i_Order))
{
}

C_Context_Row::~C_Context_Row() = default;

void C_Context_Row::M_Fn_Reset()
{
    m_Status &= ~(E_Status_Error | E_Status_Started | E_Status_Finished | E_Status_Option);
    m_Sequence.clear();
    m_Pos_Sequence = 0;
    m_Index_Option = 0;
    m_Count_Repeat = 1;
    m_Index_Field = 0;
    M_Fn_Row_Curr_Set(nullptr);
    m_up_Row.reset();
}

void C_Context_Row::M_Fn_Row_Curr_Set(C_Row* i_p_Row)
{
    m_p_Row_Curr = i_p_Row;
    m_p_Columns = i_p_Row ? &i_p_Row->M_Fn_Info_Table()->M_Fn_Columns_Practical() : nullptr;
}

void C_Context_Row::M_Fn_Row_Create()
{
    if (!m_ro_Table || m_up_Row)
        VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Row_Create");
    M_Fn_Reset();
    std::unique_ptr<C_Row> row = std::move(m_up_Row_Spare);
    if (row) {
        switch (m_ro_Table->M_Fn_Type_Relation()) {
        case E_Type_Relation_Node: static_cast<C_Row_Node&>(*row) = C_Row_Node(m_ro_Table); break;
        case E_Type_Relation_Element_2D: static_cast<C_Row_Element_2D&>(*row) = C_Row_Element_2D(m_ro_Table); break;
        default: static_cast<C_Row_Etc&>(*row) = C_Row_Etc(m_ro_Table); break;
        }
    } else {
        row = m_ro_Table->M_Fn_Factory_apo_Row();
    }
    if (!row)
        VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Row_Create");
    for (const std::int32_t entry : m_Order) {
        if (entry == -1) {
            m_Sequence.push_back(row.get());
            continue;
        }
        if (entry < 0 || static_cast<std::uint32_t>(entry) >= m_ro_Table->M_Fn_Info_Table_Option_Get_i_Num(0))
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Row_Create");
        const C_Info_Table* option = m_ro_Table->M_Fn_Info_Table_Option_Get_spo_At(0, static_cast<std::uint32_t>(entry)).get();
        std::unique_ptr<C_Row_Etc>& slot = row->M_Fn_Sub_Get_rscpo_Row_Etc_Option(0, static_cast<std::uint32_t>(entry));
        if (!option || slot)
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Row_Create");
        slot = std::make_unique<C_Row_Etc>(option);
        m_Sequence.push_back(slot.get());
    }
    if (m_Sequence.empty())
        VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Row_Create");
    m_up_Row = std::move(row);
    M_Fn_Row_Curr_Set(m_Sequence.front());
}

void C_Context_Row::M_Fn_Pos_Field_Move_on_Row(std::uint32_t i_Option_Flag)
{
    if (!(m_Status & E_Status_Started)) {
        if (!m_ro_Table || !m_p_Row_Curr)
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Pos_Field_Move_on");
        m_Status |= E_Status_Started;
        return;
    }
    if (!m_ro_Table || !m_p_Row_Curr || m_Pos_Sequence >= m_Sequence.size() || (m_Status & E_Status_Finished))
        VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Pos_Field_Move_on");
    const C_Info_Table* current = m_p_Row_Curr->M_Fn_Info_Table();
    ++m_Index_Field;
    if (m_Index_Field < current->M_Fn_Columns_Practical().size())
        return;
    m_Index_Field = 0;
    C_Row& sequence_row = *m_Sequence[m_Pos_Sequence];

    if ((m_Status & E_Status_Option) && current->M_Fn_Is_Repeatable()) {
        ++m_Count_Repeat;
        const T_pfn_Option_Condition_Check check = current->M_Fn_pfn_Check();
        const bool repeat = m_Count_Repeat <= S_Repeat_Max && (!check || check(sequence_row, m_Count_Repeat) != 0);
        if (repeat) {
            std::unique_ptr<C_Row_Etc>& slot = m_p_Row_Curr->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat();
            if (slot)
                VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Pos_Field_Move_on");
            slot = std::make_unique<C_Row_Etc>(current);
            M_Fn_Row_Curr_Set(slot.get());
            return;
        }
        m_Count_Repeat = 1;
    } else if (!(m_Status & E_Status_Option)) {
        m_Status |= E_Status_Option;
    }

    const C_Info_Table* sequence_table = sequence_row.M_Fn_Info_Table();
    const std::uint32_t options = sequence_table->M_Fn_Info_Table_Option_Get_i_Num(1);
    while (m_Index_Option < options) {
        const C_Info_Table* option = sequence_table->M_Fn_Info_Table_Option_Get_spo_At(1, m_Index_Option).get();
        if (!option)
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Pos_Field_Move_on");
        bool answer = true;
        if (option->M_Fn_Flags() & C_Info_Table::E_Flag_Supplied_Possibly)
            answer = i_Option_Flag != 0;
        else if (const T_pfn_Option_Condition_Check check = option->M_Fn_pfn_Check())
            answer = check(sequence_row, m_Count_Repeat) != 0;
        // A block that would still repeat past the cap asks for more lines than any deck holds
        // (a count of 1e30): the entry is refused before a single row of it is made.
        if (answer && option->M_Fn_Is_Repeatable() && option->M_Fn_pfn_Check() &&
            option->M_Fn_pfn_Check()(sequence_row, S_Repeat_Max + 1) != 0) {
            M_Fn_Warn([&] {
                return C_Context_Msg::S_Fn_Line(m_Line_Last) + L"Warning: Repeat count exceeds " + std::to_wstring(S_Repeat_Max) +
                       L", entry ignored.";
            });
            m_Status |= E_Status_Error;
            answer = false;
        }
        const std::uint32_t index = m_Index_Option++;
        if (answer) {
            std::unique_ptr<C_Row_Etc>& slot = sequence_row.M_Fn_Sub_Get_rscpo_Row_Etc_Option(1, index);
            slot = std::make_unique<C_Row_Etc>(option);
            M_Fn_Row_Curr_Set(slot.get());
            return;
        }
    }

    m_Status &= ~E_Status_Option;
    ++m_Pos_Sequence;
    m_Index_Option = 0;
    if (m_Pos_Sequence < m_Sequence.size())
        M_Fn_Row_Curr_Set(m_Sequence[m_Pos_Sequence]);
    else
        m_Status |= E_Status_Finished;
}

void C_Context_Row::M_Fn_Check_Field(const char* i_Function) const
{
    if (!m_ro_Table || !m_p_Row_Curr || !(m_Status & E_Status_Started) || (m_Status & E_Status_Finished))
        VT_THROW(i_Function);
}

template <class F>
void C_Context_Row::M_Fn_Warn(F&& i_Fn_Text) const
{
    if (m_p_Msg)
        m_p_Msg->M_Fn_Warn_Lazy(i_Fn_Text);
    else
        C_App::G_Fn_Msg(i_Fn_Text());
}

void C_Context_Row::M_Fn_Field_Curr_Import(std::string_view i_Text, std::uint64_t i_Line, std::uint64_t i_Pos)
{
    M_Fn_Check_Field("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Field_Curr_Import");
    if (i_Line > 0)
        m_Line_Last = i_Line;
    const C_Info_Column& column = M_Fn_Field_Curr_Get_ro_Info_Column();
    void* field = m_p_Row_Curr->M_Fn_Field_Addr(column);
    void* value = G_Fn_Obj_Value(field, column.M_Fn_Is_Indirect());
    if (!value)
        VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Field_Curr_Import");
    const E_Type_Obj type = column.M_Fn_Type();
    // A blank number field is an empty field, as the fixed-width formats write an omitted value.
    const bool empty = i_Text.empty() || (!G_Fn_Is_Text(type) && G_Fn_Is_Blank(i_Text));
    if (!empty) {
        if (G_Fn_Obj_Text_I_Field(type, value, i_Text)) {
            if (!(column.M_Fn_Flags() & (C_Info_Column::E_Flag_Lower | C_Info_Column::E_Flag_Upper)))
                return;
            bool lower = true, upper = true, third = true;
            bool in_range = false;
            if (type == E_Type_Obj_INT32)
                in_range = G_Fn_Is_In_Range(column, *static_cast<const std::int32_t*>(value), lower, upper);
            else if (type == E_Type_Obj_FLOAT32)
                in_range = G_Fn_Is_In_Range(column, *static_cast<const float*>(value), lower, upper);
            else
                in_range = C_Visitor_Field_Const(field, &column, m_p_Row_Curr).M_Fn_Is_in_range(lower, upper, third);
            if (in_range)
                return;
            M_Fn_Warn([&] {
                std::wstring text = C_Context_Msg::S_Fn_Line_Char(i_Line, i_Pos) + L"Warning: Field value out of range,";
                if (!lower)
                    text += L" exceeds lower bound,";
                if (!upper)
                    text += L" exceeds upper bound,";
                return text + L" trying to assign with default value.";
            });
        } else {
            // Taking the default silently would misread the deck ("1.5.2", "12abc", "-7.-1x").
            M_Fn_Warn([&] {
                return C_Context_Msg::S_Fn_Line_Char(i_Line, i_Pos) +
                       L"Warning: Field value can not be read, trying to assign with default value.";
            });
        }
    }
    if (column.M_Fn_Has_Default()) {
        G_Fn_Obj_Ops(type).m_pfn_Copy(value, column.M_Fn_Get_o_Visitor_Field_Const_Default().M_Fn_Value());
        return;
    }
    M_Fn_Warn([&] { return C_Context_Msg::S_Fn_Line_Char(i_Line, i_Pos) + L"Warning: Field has no available default value."; });
    m_Status |= E_Status_Error;
}

void C_Context_Row::M_Fn_Row_Recycle(std::unique_ptr<C_Row> i_up_Row)
{
    if (!i_up_Row || !i_up_Row->M_Fn_Is_Empty() || !m_ro_Table)
        return;
    const C_Row& row = *i_up_Row;
    const std::type_info& kind = typeid(row);
    switch (m_ro_Table->M_Fn_Type_Relation()) {
    case E_Type_Relation_Node:
        if (kind != typeid(C_Row_Node))
            return;
        break;
    case E_Type_Relation_Element_2D:
        if (kind != typeid(C_Row_Element_2D))
            return;
        break;
    case E_Type_Relation_None:
        if (kind != typeid(C_Row_Etc))
            return;
        break;
    default: return; // cards carry a tree hook of their own: made new each time
    }
    m_up_Row_Spare = std::move(i_up_Row);
}

std::unique_ptr<C_Row> C_Context_Row::M_Fn_Row_Hand_over()
{
    if (!m_ro_Table || !m_up_Row)
        VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Row_Hand_over");
    std::unique_ptr<C_Row> row = std::move(m_up_Row);
    M_Fn_Reset();
    return row;
}

} // namespace N_Biz::N_DB::N_Import
