// The element card manager of the project: its handle on the shell-element rows of all imported
// models together. It owns no rows (they belong to their models, and it has no part in the project
// file); it keeps the two-level selection of elements (current pick P0, selection set P1) and their
// hidden state, changes an element's columns or its property card through undoable commands, and
// makes an element's property card the palette's current property.
//
// Design note. A model can hold many thousands of elements, so the selection keeps no lists: its
// state lives in bits 0 (P0), 1 (P1) and 2 (hidden) of each row's flag word, and the manager keeps
// two counters and two handles beside it. With exactly one row selected, the P1 handle names it.
// Every operation that looks at all elements walks the model table from slot 1 upward, skipping
// free slots, and each model's element rows from index 0 upward; an occupied slot without a model
// throws C_Exception naming the running operation (rows already changed by the walk stay changed).
// No operation here touches any other bit of a flag word.
//
// When a model leaves the project (an import undone), its rows first leave the counters and the
// handles (M_Fn_Sel_Model_Remove), so both keep describing rows of models that are in the project.
#pragma once

#include "biz/db/Biz_DB_Key.h"
#include "biz/proj/Biz_Proj_Handle_D_DB_E.h"

#include <cstdint>

namespace N_Biz::N_DB {
class C_Row_Any;
class C_Row_Element_2D;
} // namespace N_Biz::N_DB

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_D_DB_E {
public:
    static constexpr std::uint32_t S_Flag_P0 = 0x1;
    static constexpr std::uint32_t S_Flag_P1 = 0x2;
    static constexpr std::uint32_t S_Flag_Hidden = 0x4;

    // Nothing picked or selected. i_p_Proj (not owned) outlives the manager.
    explicit C_Mgr_D_DB_E(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Mgr_D_DB_E(const C_Mgr_D_DB_E&) = delete;
    C_Mgr_D_DB_E& operator=(const C_Mgr_D_DB_E&) = delete;

    // Data operations of the undo elements; the same call undoes itself. Both fire code 6 when one
    // row is selected or the row itself is, mark the project modified and invalidate its view;
    // sections are not marked stale. A null row throws.
    // The row's columns exchanged with io_Data; another relation type throws before any change.
    void M_Fn_D_Modify(N_DB::C_Row_Element_2D* i_p_Row, N_DB::C_Row_Any& io_Data);
    // The row's property key exchanged with io_Key (the key pointers change places).
    void M_Fn_D_Reconnect_C_P(N_DB::C_Row_Element_2D* i_p_Row, N_DB::C_Key_C_Property& io_Key);

    // The current pick, filled by the project selection: the row of ro_Handle gets bit 0 (no test
    // whether it had it), the P0 count rises by one and the P0 handle becomes ro_Handle. A handle
    // that names no row throws before anything changes.
    void M_Fn_Sel_P0_Add(const C_Handle_D_DB_E& ro_Handle);
    // Clears bit 0 of every row; P0 count 0, P0 handle (0, 0). No signal.
    void M_Fn_Sel_P0_Clear();
    // Clears bit 1 of every row; P1 count 0, P1 handle (0, 0); code 6 unless the set was empty.
    void M_Fn_Sel_P1_Clear();
    // The selection set from the current pick: replaced by it, toggled by it, or added to. Each
    // walks every row once (bit 0 stays, the hidden bit is not looked at), leaves the P1 handle at
    // the last selected row in walk order ((0, 0) when none) and fires code 6, even when nothing
    // changed.
    void M_Fn_Sel_P1_Yes();
    void M_Fn_Sel_P1_Xor();
    void M_Fn_Sel_P1_Or();
    // Before the model in slot i_Slot leaves the project: its rows lose bits 0 and 1 and leave the
    // counters; a handle that named one of them moves to the last row of the other models that
    // still has that bit, or to (0, 0). Code 6 when a selected row left. The hidden bit stays.
    void M_Fn_Sel_Model_Remove(std::uint32_t i_Slot);

    // Hidden state (not undoable, not marking the project modified). The first three set bit 2 on
    // the selected rows, on the unselected ones (the selected keep theirs), or invert it on all;
    // they clear every row's bit 1, empty the set (P1 count 0, handle (0, 0)) and fire code 6. The
    // last clears bit 2 on every row and keeps the selection, without a signal. Each invalidates
    // the project view.
    void M_Fn_Hide_Sel();
    void M_Fn_Hide_Unsel();
    void M_Fn_Hide_Reverse();
    void M_Fn_Hide_Cancel_All();

    // Entry "Modify element card": the row takes the columns of ro_Data (an unchanged apply still
    // makes an entry).
    void M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_Element_2D* i_p_Row, const N_DB::C_Row_Any& ro_Data);
    // The element modify task: false with nothing selected; with several the set is cleared and
    // false; with one, the property dialog edits that row (its changes come back through
    // M_Fn_Proc_Cmd_Top_Modify) and the answer is true.
    bool M_Fn_Proc_Cmd_Top_Modify_Selected();
    // The reconnect task: false with nothing selected. The property list picks a card; no pick
    // answers true with nothing recorded. Otherwise one entry "Reconnect property of element card"
    // connects every selected row, in walk order, to the picked card, and the answer is true. The
    // selection stays.
    bool M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_P();
    // The palette-pick task: false with nothing selected; with several the set is cleared and
    // false; with one, the row's property card (none when its key names no living card) becomes
    // the current palette property, and the answer is true.
    bool M_Fn_Proc_Cmd_Top_Palette_Select();

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    std::uint32_t M_Fn_Get_P0_Count() const { return m_P0_Count; }
    std::uint32_t M_Fn_Get_P1_Count() const { return m_P1_Count; }
    const C_Handle_D_DB_E& M_Fn_Get_P0_Handle() const { return m_P0_Handle; }
    const C_Handle_D_DB_E& M_Fn_Get_P1_Handle() const { return m_P1_Handle; }

private:
    // Calls i_Fn_Row(model slot, row index, row) for every element row in walk order.
    template <class F>
    void M_Fn_Walk(const char* i_Function, F&& i_Fn_Row);
    // The shared loop of the three set operations; i_Fn_New gives the new bit 1 from the flags.
    template <class F>
    void M_Fn_Sel_P1_Update(const char* i_Function, F&& i_Fn_New);
    // The shared tail of the first three hide operations.
    template <class F>
    void M_Fn_Hide(const char* i_Function, F&& i_Fn_Flag);
    // Steps after a data change of row ro_Row: code 6, modified, view invalidated.
    void M_Fn_Changed(const N_DB::C_Row_Element_2D& ro_Row);
    // The one selected row of the single-row tasks: false with nothing selected; with several
    // the set is cleared and false; with one, o_p_Row receives it and true.
    bool M_Fn_Sel_P1_Sole_Get(N_DB::C_Row_Element_2D*& o_p_Row);

    C_Proj* m_p_Proj;
    std::uint32_t m_P0_Count = 0;
    std::uint32_t m_P1_Count = 0;
    C_Handle_D_DB_E m_P0_Handle;
    C_Handle_D_DB_E m_P1_Handle;
};

} // namespace N_Biz::N_Proj
