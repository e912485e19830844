// The property card manager: the project's property cards (the shell properties that the models'
// elements refer to, each referring to one section card and one material card). It is the
// material card manager with three differences: it keeps the current palette property (the card
// that new section lines and arcs receive, announced with code 3), it can connect property cards
// to another section card or material card, and it has no default card.
#pragma once

#include "biz/db/Biz_DB_Key.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_Card.h"

#include <memory>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}

namespace N_Biz::N_Proj {

namespace N_Impl {
struct C_Names_D_DB_C_P {
    static constexpr const char* S_Ctor = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::C_Mgr_D_DB_C_P";
    static constexpr const char* S_Sel_Row = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Sel_Row";
    static constexpr const char* S_D_Add_At = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_D_Add_At";
    static constexpr const char* S_D_Remove_At = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_D_Remove_At";
    static constexpr const char* S_D_Modify = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_D_Modify";
    static constexpr const char* S_Hide_Sel = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Hide_Sel";
    static constexpr const char* S_Hide_Unsel = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Hide_Unsel";
    static constexpr const char* S_Hide_Reverse = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Hide_Reverse";
    static constexpr const char* S_Hide_Cancel_All = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Hide_Cancel_All";
    static constexpr const char* S_Modify_Selected = "N_Biz::N_Proj::C_Mgr_D_DB_C_P::M_Fn_Proc_Cmd_Top_Modify_Selected";
    static constexpr std::uint32_t S_Dlg_Kind = 3; // C_Dlg::E_Kind_C_P
};
} // namespace N_Impl

class C_Mgr_D_DB_C_P
    : public N_Impl::C_Mgr_D_DB_Card<C_Mgr_D_DB_C_P, N_DB::C_Row_C_Property, N_Impl::C_Names_D_DB_C_P> {
public:
    explicit C_Mgr_D_DB_C_P(C_Proj* i_p_Proj);
    ~C_Mgr_D_DB_C_P();

    // Exchanges the stored card's section key (its Key_foreign_C_Section column) with io_Key, the
    // same call undoing it; code 6 when the card is the only selected one; sections and the project
    // view invalidated, the project marked modified. A card without that column throws, unchanged.
    void M_Fn_D_Reconnect_C_S(N_DB::C_Row_C_Property* i_p_Card, N_DB::C_Key_Common& io_Key);
    // The same for the card's material reference.
    void M_Fn_D_Reconnect_C_M(N_DB::C_Row_C_Property* i_p_Card, N_DB::C_Key_C_Material& io_Key);

    // A card just added becomes the current palette property when there is none (code 3). A card
    // whose identifier already is the current one throws.
    void M_Fn_Palette_Check_in(const N_DB::C_Row_C_Property& ro_Card);
    // Makes card i_Id the current palette property: nothing when it already is; the slot must be
    // in use (slot 0, none, always is), else C_Exception and nothing changes; then code 3.
    void M_Fn_Palette_Set(std::uint32_t i_Id);
    // The identifier of the current palette property, 0 for none.
    std::uint32_t M_Fn_Palette_Get() const { return m_Palette_Current; }

    // One C_Elem_D_DB_C_P_Add_At added to the caller's open group (which must exist) and executed.
    void M_Fn_Proc_Cmd_Sub_Add_At(const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group,
                                  std::uint32_t i_Index, const T_sp_Card& ro_sp_Card);
    // Entry "Create property card": the card added at slot i_Index.
    void M_Fn_Proc_Cmd_Top_Add(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card);
    // Entry "Modify property card": the stored card takes the columns of ro_Data and ro_Color.
    void M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_C_Property* i_p_Card, const N_DB::C_Row_Any& ro_Data,
                                  const T_Color& ro_Color);
    // The reconnect tasks: false with nothing selected. The list dialog picks a section card
    // (material card); no pick ends the task (true) with nothing recorded. Otherwise one entry
    // "Reconnect section of property card" ("Reconnect material of property card") connects every
    // selected card, in the selection's order, to the picked card; true. The selection stays.
    bool M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_S();
    bool M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_M();
    // The palette-select task: false with nothing selected; with several the selection set is
    // cleared and false; with one, that card becomes the current palette property; true.
    bool M_Fn_Proc_Cmd_Top_Palette_Select();
    // The property list picks the current palette property (no pick: none becomes current).
    void M_Fn_Dlg_Palette_List();

    // --- palette-select task ---
    // Starts the palette-select task of the project's machine: the running task is cancelled,
    // then the task's start event is posted.
    void M_Fn_Proc_Cmd_Palette_Sel_Start();

    // --- project file ----------------------------------------------------------------------------
    // The property piece of the project file: the card table, then u32 the current palette
    // property.
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // Reads that piece into this manager, which must hold no card (else C_Exception), once the
    // generic and material cards are read. The table is read whole, then the u32 current palette
    // property; then from slot 1 upward each card's keys to its section card and its material
    // cards are turned back into references to the cards read, and the card enters its slot
    // through M_Fn_D_Add_At (the first one becomes the current palette property, code 3). A key
    // naming a card that is not in the file fails the read with the message "Failed to read file.
    // Property card N refers to a card that is not in the file." (result 0, the cards before it
    // staying). Finally the stored current property is taken when it is 0 or names a card read;
    // naming a free slot it is ignored and the current one (the first card, or 0 without cards)
    // stays. Code 3 fires whenever the value changes. 1; 0 on a short read or refused input,
    // nothing added; C_Exception for an occupied slot without a card.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);

    // Steps of the shared data operations: the current palette property follows the store.
    void M_Fn_D_Add_At_Check(std::uint32_t i_Index) const;
    void M_Fn_D_Add_At_Post(N_DB::C_Row_C_Property& ro_Card) { M_Fn_Palette_Check_in(ro_Card); }
    void M_Fn_D_Remove_At_Pre(N_DB::C_Row_C_Property& ro_Card);
    void M_Fn_D_Modify_Post(N_DB::C_Row_C_Property& ro_Card);

private:
    // The reconnect tasks' common run: the list dialog of card kind i_Kind picks a card of
    // ro_Mgr, and one entry i_Name connects every selected card to it through a T_Elem.
    template <class T_Elem, class T_Key, class T_Mgr>
    bool M_Fn_Reconnect_Selected(const T_Mgr& ro_Mgr, std::uint32_t i_Kind, const wchar_t* i_Name);
    // The card's section key field; a card without one throws in the name of i_Function.
    static N_DB::C_Key_Common& S_Fn_Key_C_S(N_DB::C_Row_C_Property& ro_Card, const char* i_Function);

    std::uint32_t m_Palette_Current = 0;
};

} // namespace N_Biz::N_Proj
