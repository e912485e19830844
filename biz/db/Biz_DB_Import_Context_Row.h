// The import row context: turns the field texts of one deck entry into one database row.
//
// A deck reader gets one context per card keyword from the schema
// (C_Info_Schema::M_Fn_Import_Create_spo_Context_Row_Nastran / _Dyna), which binds the card and the
// order in which the card's main row and its option-keyword sub-rows are read. For every entry the
// reader creates the row, moves the cursor field by field (M_Fn_Pos_Field_Move_on) and imports each
// field's text (M_Fn_Field_Curr_Import); when the cursor is finished the row is handed over to the
// import catalog. The cursor walks the sequence rows; after each sequence row it offers the card's
// conditional (option-condition) blocks, and a repeatable block repeats while its check says so.
//
// Field values: an empty (or, for numbers, blank) text takes the column's default; a text the
// column's type cannot read completely takes the default after a warning; a value outside the
// column's bounds takes the default after a warning; without a default the field warns "Warning:
// Field has no available default value." and the error bit is set, so the catalog files nothing
// for the row. Bad field values never throw; contract breaches throw C_Exception.
#pragma once

#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Info_Table.h"
#include "common/Common_Exception.h"

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace N_Biz::N_DB {
class C_Row;
} // namespace N_Biz::N_DB

namespace N_Biz::N_DB::N_Import {

class C_Context_Msg;

class C_Context_Row {
public:
    enum : std::uint32_t {
        E_Status_Error = 0x1,    // a field had neither a valid value nor a default
        E_Status_Started = 0x2,  // the cursor stands on a field
        E_Status_Finished = 0x4, // no field left
        E_Status_Option = 0x8,   // in the conditional-option phase of the current sequence row
    };
    // A repeatable block stops repeating after this many rows even when its check goes on saying
    // yes; a block whose check already says yes to the row after this many is refused when the
    // cursor reaches it ("Line: <n>, Warning: Repeat count exceeds 65536, entry ignored.", the error
    // bit set): a count taken from a hostile deck must not make an entry take gigabytes.
    static constexpr std::uint32_t S_Repeat_Max = 65536;

    // No table: every operation that needs one throws.
    C_Context_Row() = default;
    // Bound to i_ro_Table with the option import order i_Order (-1 the main row, n >= 0 option
    // sub-table n of kind 0), as the schema's option selection gives it.
    C_Context_Row(const C_Info_Table* i_ro_Table, std::vector<std::int32_t> i_Order);
    C_Context_Row(const C_Context_Row&) = delete;
    C_Context_Row& operator=(const C_Context_Row&) = delete;
    ~C_Context_Row();

    // Clears the status bits, the row sequence and the cursor, and destroys the built row.
    void M_Fn_Reset();
    // Requires a table and no built row. Resets, creates the main row and the option sub-rows of
    // the import order, and puts the cursor before the first field of the first sequence row.
    void M_Fn_Row_Create();
    // Advances the cursor to the next field. i_Option_Flag answers a conditional block that the
    // deck may or may not supply (the readers pass 1 while they read the deck, 0 when completing).
    // (The step to the next field of the same row is inline: it is taken for every field of a deck.)
    void M_Fn_Pos_Field_Move_on(std::uint32_t i_Option_Flag)
    {
        if ((m_Status & (E_Status_Started | E_Status_Finished)) == E_Status_Started && m_p_Columns &&
            m_Index_Field + 1 < m_p_Columns->size()) {
            ++m_Index_Field;
            return;
        }
        M_Fn_Pos_Field_Move_on_Row(i_Option_Flag);
    }
    // The column under the cursor; requires a table, a row, the started bit and not the finished bit.
    const C_Info_Column& M_Fn_Field_Curr_Get_ro_Info_Column() const
    {
        if (!m_ro_Table || !m_p_Columns || (m_Status & (E_Status_Started | E_Status_Finished)) != E_Status_Started ||
            m_Index_Field >= m_p_Columns->size())
            VT_THROW("N_Biz::N_DB::N_Import::C_Context_Row::M_Fn_Field_Curr_Get_ro_Info_Column");
        return *(*m_p_Columns)[m_Index_Field];
    }
    // Stores i_Text into the field under the cursor (see the file comment); warnings name the line
    // i_Line and the 1-based character i_Pos + 1. Same preconditions as above.
    void M_Fn_Field_Curr_Import(std::string_view i_Text, std::uint64_t i_Line, std::uint64_t i_Pos);
    // Requires a table and a built row: returns the row (the caller owns it) and resets.
    std::unique_ptr<C_Row> M_Fn_Row_Hand_over();
    // Takes back a handed-over node, element or plain row whose contents the caller moved out (an
    // empty row of the class this context makes): the next row is built in it, which spares an
    // allocation per deck entry. Anything else is simply released.
    void M_Fn_Row_Recycle(std::unique_ptr<C_Row> i_up_Row);

    std::uint32_t M_Fn_Status() const { return m_Status; }
    bool M_Fn_Is_Error() const { return (m_Status & E_Status_Error) != 0; }
    bool M_Fn_Is_Started() const { return (m_Status & E_Status_Started) != 0; }
    bool M_Fn_Is_Finished() const { return (m_Status & E_Status_Finished) != 0; }
    // Whether a row is under construction (created and not handed over).
    bool M_Fn_Has_Row() const { return m_up_Row != nullptr; }
    const C_Info_Table* M_Fn_Info_Table() const { return m_ro_Table; }
    const std::vector<std::int32_t>& M_Fn_Order() const { return m_Order; }
    // The row the next field goes into (null before M_Fn_Row_Create).
    const C_Row* M_Fn_Row_Curr() const { return m_p_Row_Curr; }

    // Where the warnings go (null: straight to the application's user messages).
    void M_Fn_Msg_Set(C_Context_Msg* i_p_Msg) { m_p_Msg = i_p_Msg; }

private:
    // The cursor's step beyond the current row's last field (or its first step).
    void M_Fn_Pos_Field_Move_on_Row(std::uint32_t i_Option_Flag);
    void M_Fn_Row_Curr_Set(C_Row* i_p_Row);
    void M_Fn_Check_Field(const char* i_Function) const;
    // A warning whose text i_Fn_Text makes (only when it is wanted).
    template <class F>
    void M_Fn_Warn(F&& i_Fn_Text) const;

    std::uint32_t m_Status = 0;
    const C_Info_Table* m_ro_Table = nullptr;
    std::vector<std::int32_t> m_Order;
    std::vector<C_Row*> m_Sequence;
    std::uint32_t m_Pos_Sequence = 0;
    std::uint32_t m_Index_Option = 0;
    std::uint32_t m_Count_Repeat = 1;
    std::uint64_t m_Line_Last = 0; // the line of the last field imported
    std::uint32_t m_Index_Field = 0;
    C_Row* m_p_Row_Curr = nullptr;
    // The practical columns of the current row's table.
    const std::vector<std::shared_ptr<C_Info_Column>>* m_p_Columns = nullptr;
    std::unique_ptr<C_Row> m_up_Row;
    std::unique_ptr<C_Row> m_up_Row_Spare; // an empty row to build the next row in
    C_Context_Msg* m_p_Msg = nullptr;
};

} // namespace N_Biz::N_DB::N_Import
