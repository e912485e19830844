// What the material and the property card managers share: the store of counted cards with the
// empty slot 0, the selection part over the cards (current pick P0, selection set P1), the tree
// hook under which the cards' items hang, the colour palette, the hidden state, and the three data
// operations that the undo elements call (add at a slot, remove from a slot, modify).
//
// Derived is the manager (C_Mgr_D_DB_C_M or C_Mgr_D_DB_C_P); it supplies the qualified names of
// its operations for the exception reports and its card kind in the dialogs (T_Names), and three
// steps of its own around add, remove and modify (the property manager keeps its current palette
// property there).
//
// A card's state word (its display state) carries bit 0 in P0, bit 1 in P1, bit 2 hidden. Every
// data operation checks all its preconditions before it changes anything, so a refused operation
// leaves the store, the selection, the palette and the tree as they were, and a card is never left
// in two owners.
#pragma once

#include "biz/db/Biz_DB_Row_Any.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_Palette.h"
#include "biz/proj/Biz_Proj_Row_Data.h"
#include "biz/sel/Biz_Sel_Mgr.h"
#include "common/Common_Container_slotvec.h"
#include "common/Common_Exception.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"

#include <array>
#include <cstdint>
#include <map>
#include <utility>

namespace N_Biz::N_Proj::N_Impl {

// The selection's view of one card: its state word. One per stored card, so that the selection
// can tell cards apart by the address of their view.
template <class Card>
class C_Sel_Card {
public:
    explicit C_Sel_Card(Card* i_p_Card) : m_p_Card(i_p_Card) {}
    std::uint32_t& M_Fn_Sel_Flag() { return m_p_Card->m_Display.m_u32_State; }

private:
    Card* m_p_Card;
};

template <class Derived, class Card, class T_Names>
class C_Mgr_D_DB_Card {
public:
    using T_sp_Card = N_Common::N_Pointer::lesser_shared_ptr<Card>;
    using T_Store = N_Common::N_Container::slotvec<T_sp_Card>;
    using T_Sel = N_Biz::N_Sel::C_Mgr<C_Sel_Card<Card>, T_sp_Card, Derived>;
    using T_Color = std::array<float, 4>;

    static constexpr std::uint32_t S_Flag_P0 = 0x1;
    static constexpr std::uint32_t S_Flag_P1 = 0x2;
    static constexpr std::uint32_t S_Flag_Hidden = 0x4;

    C_Mgr_D_DB_Card(const C_Mgr_D_DB_Card&) = delete;
    C_Mgr_D_DB_Card& operator=(const C_Mgr_D_DB_Card&) = delete;

    // Puts card ro_sp_Card into slot i_Index: the card must exist and be in no store, the slot
    // must be 1 or more and free, the card neither picked nor selected, and its tree item present
    // and not in the tree. Then the card's identifier becomes i_Index, its item enters the tree,
    // the palette counts it and the project is marked modified. No view is invalidated.
    void M_Fn_D_Add_At(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card);
    // Takes the card out of slot i_Index into io_sp_Card (which must be empty): it leaves the
    // selection (code 6 when it headed the selection set), the palette and the tree; its identifier
    // becomes 0 and the slot is freed; then sections and the project view are invalidated and the
    // project marked modified.
    void M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Card& io_sp_Card);
    // Exchanges the stored card's columns with io_Data and its colour with io_Color (the same call
    // undoes it); code 6 when the card is the only selected one; the tree item is renamed; sections
    // and the project view are invalidated and the project marked modified. The palette's counts
    // stay as they were.
    void M_Fn_D_Modify(Card* i_p_Card, N_DB::C_Row_Any& io_Data, T_Color& io_Color);

    // Hidden state (not recorded in the undo history; the project is not marked modified). The
    // three first set bit 2 on the selected cards, on the unselected ones, or invert it on all,
    // then clear the selection set (code 6 when it was not empty); the last clears bit 2 on every
    // card and leaves the selection alone. Each invalidates the project view.
    void M_Fn_Hide_Sel();
    void M_Fn_Hide_Unsel();
    void M_Fn_Hide_Reverse();
    void M_Fn_Hide_Cancel_All();

    // The modify task: false with nothing selected; with several selected the selection set is
    // cleared (code 6) and false; with one, the property dialog edits it and the result is true.
    bool M_Fn_Proc_Cmd_Top_Modify_Selected();
    // End any running task, then show the card list or the property dialog creating a card.
    void M_Fn_Dlg_List();
    void M_Fn_Dlg_Create();

    // --- project file ----------------------------------------------------------------------------
    // The card table of the project file: the slot table, each card as its presence byte and its
    // data (nested flag 0). 1, or the first result other than 1.
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;

    // Selection owner: fires code 6; resolves a card to its view.
    void M_Fn_Sel_Notify() { m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Data); }
    C_Sel_Card<Card>& M_Fn_Sel_Row(const T_sp_Card& ro_sp_Card);

    T_Sel& M_Fn_Sel() { return m_Sel; }
    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    N_UI::N_Tree::C_Signal& M_Fn_Get_Tree() { return m_Tree; }
    C_Palette& M_Fn_Get_Palette() { return m_Palette; }
    const C_Palette& M_Fn_Get_Palette() const { return m_Palette; }
    const T_Store& M_Fn_Get_Store() const { return m_Store; }
    // The card in slot i_Index (the slot table's at: a free or out-of-range slot throws).
    const T_sp_Card& M_Fn_Get_At(std::uint32_t i_Index) const { return m_Store.at(i_Index); }

protected:
    // Slot 0 is taken by the empty pointer before anything else, so card identifiers start at 1.
    explicit C_Mgr_D_DB_Card(C_Proj* i_p_Proj);
    ~C_Mgr_D_DB_Card() = default;

    // The stored card that i_p_Card names by its identifier; throws in the name of i_Function
    // when it is not stored there.
    void M_Fn_Check_Stored(const Card* i_p_Card, const char* i_Function) const;
    // Walks the occupied slots from 1 upward, checking every card before changing any.
    template <class F>
    void M_Fn_Hide_Walk(const char* i_Function, F&& i_Fn_Card);
    // The one selected card of the single-card tasks: false with nothing selected; with several
    // the selection set is cleared (code 6) and false; with one, o_sp_Card receives it (an empty
    // entry throws in the name of i_Function) and true.
    bool M_Fn_Sel_P1_Sole_Get(T_sp_Card& o_sp_Card, const char* i_Function);
    // The tree item of a card, which the store needs in the state i_Added.
    static void S_Fn_Tree_Check(Card& ro_Card, bool i_Added, const char* i_Function);
    // The three steps that close a change of the store: invalidate sections, mark modified,
    // invalidate the project view.
    void M_Fn_Changed();
    // The project file's reading of the card table into o_Read (a fresh table whose slot 0 the
    // caller reserved), each card a new one of the manager's class. This manager must hold no card
    // (C_Exception in the name of i_Function): a project file is read into a new project only.
    // 1, 0 on a short read or refused input, or the card reader's result.
    E_Result M_Fn_Stream_Serialize_Table_I(std::istream& ro_Stream, T_Store& o_Read, const char* i_Function) const;
    // Puts the cards of a table read that way into their slots through M_Fn_D_Add_At, from slot 1
    // upward; i_Fn_Before runs on each card first, and when it answers false that card and the
    // ones after it are not added. 0 when every card was added, else the slot of the card refused.
    // An occupied slot without a card throws C_Exception in the name of i_Function.
    template <class F>
    std::uint32_t M_Fn_Stream_Serialize_Table_Add(const T_Store& ro_Read, const char* i_Function, F&& i_Fn_Before);

    T_Sel m_Sel;
    C_Proj* m_p_Proj;
    N_UI::N_Tree::C_Signal m_Tree;
    C_Palette m_Palette;
    T_Store m_Store;

private:
    std::map<const Card*, C_Sel_Card<Card>> m_Sel_Rows;
};

template <class Derived, class Card, class T_Names>
C_Mgr_D_DB_Card<Derived, Card, T_Names>::C_Mgr_D_DB_Card(C_Proj* i_p_Proj)
    : m_Sel(static_cast<Derived*>(this)), m_p_Proj(i_p_Proj)
{
    if (m_Store.add(T_sp_Card()) != 0)
        VT_THROW(T_Names::S_Ctor);
}

template <class Derived, class Card, class T_Names>
C_Sel_Card<Card>& C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Sel_Row(const T_sp_Card& ro_sp_Card)
{
    Card* p_card = ro_sp_Card.get();
    if (!p_card)
        VT_THROW(T_Names::S_Sel_Row);
    return m_Sel_Rows.try_emplace(p_card, p_card).first->second;
}

template <class Derived, class Card, class T_Names>
bool C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Sel_P1_Sole_Get(T_sp_Card& o_sp_Card, const char* i_Function)
{
    const auto& ro_p1 = m_Sel.M_Fn_Sel_P1_Get();
    if (ro_p1.empty())
        return false;
    if (ro_p1.size() > 1) {
        m_Sel.M_Fn_Sel_P1_Clear();
        return false;
    }
    if (!ro_p1.front())
        VT_THROW(i_Function);
    o_sp_Card = ro_p1.front();
    return true;
}

template <class Derived, class Card, class T_Names>
bool C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Proc_Cmd_Top_Modify_Selected()
{
    T_sp_Card sp_card;
    if (!M_Fn_Sel_P1_Sole_Get(sp_card, T_Names::S_Modify_Selected))
        return false;
    C_Dlg::S_Fn_Property_Run(*m_p_Proj, C_Dlg::E_Mode_Property_Modify, T_Names::S_Dlg_Kind, sp_card.get());
    return true;
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Dlg_List()
{
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    C_Dlg::S_Fn_List_Run(*m_p_Proj, T_Names::S_Dlg_Kind, C_Dlg::E_Mode_List_Show);
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Dlg_Create()
{
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    C_Dlg::S_Fn_Property_Run(*m_p_Proj, C_Dlg::E_Mode_Property_Create, T_Names::S_Dlg_Kind, nullptr);
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::S_Fn_Tree_Check(Card& ro_Card, bool i_Added, const char* i_Function)
{
    const auto& sp_tree = ro_Card.m_Display.m_sp_Tree;
    if (!sp_tree || sp_tree->M_Fn_Is_Connected() != i_Added)
        VT_THROW(i_Function);
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Check_Stored(const Card* i_p_Card, const char* i_Function) const
{
    if (!i_p_Card)
        VT_THROW(i_Function);
    const std::uint32_t id = static_cast<std::uint32_t>(i_p_Card->M_Fn_Pos_Get());
    if (id < 1 || !m_Store.is_used_at(id) || m_Store.at(id).get() != i_p_Card)
        VT_THROW(i_Function);
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Changed()
{
    m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Invalidate_All(1, 1, 1, 1, 0);
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_D_Add_At(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card)
{
    Card* p_card = ro_sp_Card.get();
    if (!p_card || p_card->M_Fn_Pos_Get() != 0 || i_Index < 1 || m_Store.is_used_at(i_Index))
        VT_THROW(T_Names::S_D_Add_At);
    if (p_card->m_Display.m_u32_State & (S_Flag_P0 | S_Flag_P1))
        VT_THROW(T_Names::S_D_Add_At);
    S_Fn_Tree_Check(*p_card, false, T_Names::S_D_Add_At);
    static_cast<Derived*>(this)->M_Fn_D_Add_At_Check(i_Index);

    if (m_Store.add_at(i_Index, ro_sp_Card) != i_Index)
        VT_THROW(T_Names::S_D_Add_At);
    p_card->M_Fn_Pos_Set(i_Index);
    p_card->M_Fn_Rel_Self_On_Add(static_cast<Derived*>(this), &m_Tree);
    m_Palette.M_Fn_Check_in(p_card->m_Display.m_Color_Normal, i_Index);
    m_Sel.M_Fn_Sel_Check_in(M_Fn_Sel_Row(ro_sp_Card));
    static_cast<Derived*>(this)->M_Fn_D_Add_At_Post(*p_card);
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Card& io_sp_Card)
{
    if (i_Index < 1 || io_sp_Card)
        VT_THROW(T_Names::S_D_Remove_At);
    const T_sp_Card sp_card = m_Store.at(i_Index);
    if (!sp_card)
        VT_THROW(T_Names::S_D_Remove_At);
    S_Fn_Tree_Check(*sp_card, true, T_Names::S_D_Remove_At);

    static_cast<Derived*>(this)->M_Fn_D_Remove_At_Pre(*sp_card);
    m_Sel.M_Fn_Sel_Check_out(M_Fn_Sel_Row(sp_card));
    m_Palette.M_Fn_Check_out(sp_card->m_Display.m_Color_Normal, i_Index);
    sp_card->M_Fn_Rel_Self_On_Remove();
    sp_card->M_Fn_Pos_Set(0);
    m_Store.erase_at(i_Index);
    m_Sel_Rows.erase(sp_card.get());
    io_sp_Card = sp_card;
    M_Fn_Changed();
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_D_Modify(Card* i_p_Card, N_DB::C_Row_Any& io_Data, T_Color& io_Color)
{
    M_Fn_Check_Stored(i_p_Card, T_Names::S_D_Modify);
    S_Fn_Tree_Check(*i_p_Card, true, T_Names::S_D_Modify);

    N_Impl::G_Fn_Row_Data_Swap(*i_p_Card, io_Data); // checks the tables before it changes anything
    std::swap(i_p_Card->m_Display.m_Color_Normal, io_Color);
    i_p_Card->m_Display.M_Fn_Color_Update_Shades();
    const T_sp_Card& sp_card = m_Store.at(static_cast<std::uint32_t>(i_p_Card->M_Fn_Pos_Get()));
    m_Sel.M_Fn_Sel_P1_Notify_If_Sole(M_Fn_Sel_Row(sp_card));
    static_cast<Derived*>(this)->M_Fn_D_Modify_Post(*i_p_Card);
    i_p_Card->M_Fn_On_Be_Modified();
    M_Fn_Changed();
}

template <class Derived, class Card, class T_Names>
template <class F>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Hide_Walk(const char* i_Function, F&& i_Fn_Card)
{
    for (std::uint32_t i = 1; i < m_Store.size(); ++i)
        if (m_Store.is_used_at(i) && !m_Store.at(i))
            VT_THROW(i_Function);
    for (std::uint32_t i = 1; i < m_Store.size(); ++i)
        if (m_Store.is_used_at(i))
            i_Fn_Card(m_Store.at(i)->m_Display.m_u32_State);
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Hide_Sel()
{
    M_Fn_Hide_Walk(T_Names::S_Hide_Sel, [](std::uint32_t& io_State) {
        if (io_State & S_Flag_P1)
            io_State |= S_Flag_Hidden;
    });
    m_Sel.M_Fn_Sel_P1_Clear();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Hide_Unsel()
{
    M_Fn_Hide_Walk(T_Names::S_Hide_Unsel, [](std::uint32_t& io_State) {
        if (!(io_State & S_Flag_P1))
            io_State |= S_Flag_Hidden;
    });
    m_Sel.M_Fn_Sel_P1_Clear();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Hide_Reverse()
{
    M_Fn_Hide_Walk(T_Names::S_Hide_Reverse, [](std::uint32_t& io_State) { io_State ^= S_Flag_Hidden; });
    m_Sel.M_Fn_Sel_P1_Clear();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

template <class Derived, class Card, class T_Names>
void C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Hide_Cancel_All()
{
    M_Fn_Hide_Walk(T_Names::S_Hide_Cancel_All, [](std::uint32_t& io_State) { io_State &= ~S_Flag_Hidden; });
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

// --- project file --------------------------------------------------------------------------------

template <class Derived, class Card, class T_Names>
E_Result C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    return N_Common::N_Stream::G_Fn_Serialize_slotvec_O<T_sp_Card>(
        ro_Stream, m_Store, [](std::ostream& ro_Out, const T_sp_Card& ro_sp_Card) {
            return N_Common::N_Stream::G_Fn_Serialize_lsp_O<Card>(
                ro_Out, ro_sp_Card, [](std::ostream& ro_Out2, const Card& ro_Card) { return ro_Card.M_Fn_Stream_Serialize_o_O(ro_Out2, 0); });
        });
}

template <class Derived, class Card, class T_Names>
E_Result C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Stream_Serialize_Table_I(std::istream& ro_Stream, T_Store& o_Read,
                                                                               const char* i_Function) const
{
    if (m_Store.size() - m_Store.free_count() != 1)
        VT_THROW(i_Function);
    return N_Common::N_Stream::G_Fn_Serialize_slotvec_I<T_sp_Card>(
        ro_Stream, o_Read, [](std::istream& ro_In, T_sp_Card& o_sp_Card) {
            return N_Common::N_Stream::G_Fn_Serialize_lsp_I<Card>(
                ro_In, o_sp_Card, [](std::istream& ro_In2, Card& o_Card) { return o_Card.M_Fn_Stream_Serialize_o_I(ro_In2, nullptr); });
        });
}

template <class Derived, class Card, class T_Names>
template <class F>
std::uint32_t C_Mgr_D_DB_Card<Derived, Card, T_Names>::M_Fn_Stream_Serialize_Table_Add(const T_Store& ro_Read,
                                                                                      const char* i_Function, F&& i_Fn_Before)
{
    for (std::uint32_t i = 1; i < ro_Read.size(); ++i)
        if (ro_Read.is_used_at(i) && !ro_Read.at(i))
            VT_THROW(i_Function);
    for (std::uint32_t i = 1; i < ro_Read.size(); ++i) {
        if (!ro_Read.is_used_at(i))
            continue;
        const T_sp_Card& sp_card = ro_Read.at(i);
        if (!i_Fn_Before(*sp_card))
            return i;
        M_Fn_D_Add_At(i, sp_card);
    }
    return 0;
}

} // namespace N_Biz::N_Proj::N_Impl
