// The material card manager: the project's material cards, each with an item in the project
// explorer, a colour from the manager's palette, the two-level selection and a hidden state; the
// default material of a new project; and the commands that list, create and edit materials.
//
// The shared store, selection, palette and data operations are those of N_Impl::C_Mgr_D_DB_Card
// (Biz_Proj_Mgr_D_DB_Card.h); this class adds the material commands.
#pragma once

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_Card.h"

#include <memory>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}

namespace N_Biz::N_Proj {

namespace N_Impl {
struct C_Names_D_DB_C_M {
    static constexpr const char* S_Ctor = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::C_Mgr_D_DB_C_M";
    static constexpr const char* S_Sel_Row = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_Sel_Row";
    static constexpr const char* S_D_Add_At = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_D_Add_At";
    static constexpr const char* S_D_Remove_At = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_D_Remove_At";
    static constexpr const char* S_D_Modify = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_D_Modify";
    static constexpr const char* S_Hide_Sel = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_Hide_Sel";
    static constexpr const char* S_Hide_Unsel = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_Hide_Unsel";
    static constexpr const char* S_Hide_Reverse = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_Hide_Reverse";
    static constexpr const char* S_Hide_Cancel_All = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_Hide_Cancel_All";
    static constexpr const char* S_Modify_Selected = "N_Biz::N_Proj::C_Mgr_D_DB_C_M::M_Fn_Proc_Cmd_Top_Modify_Selected";
    static constexpr std::uint32_t S_Dlg_Kind = 2; // C_Dlg::E_Kind_C_M
};
} // namespace N_Impl

class C_Mgr_D_DB_C_M
    : public N_Impl::C_Mgr_D_DB_Card<C_Mgr_D_DB_C_M, N_DB::C_Row_C_Material, N_Impl::C_Names_D_DB_C_M> {
public:
    explicit C_Mgr_D_DB_C_M(C_Proj* i_p_Proj);
    ~C_Mgr_D_DB_C_M();

    // The default material of a project created without a file: a card of the standard
    // "Material" table named "Default Material", with the palette's next colour and the
    // configuration's density, Poisson's ratio, modulus, yield and ultimate stress, added into
    // slot 1 through M_Fn_Proc_Cmd_Sub_Add_At with ro_sp_Group (none: directly, no undo record).
    // Throws C_Exception when slot 1 already holds a card, or when the application has no schema
    // with that table or no configuration; nothing is added.
    void M_Fn_Proc_Cmd_Sub_Add_Default(const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group = nullptr);
    // With a group: one C_Elem_D_DB_C_M_Add_At added to it and executed. With an empty group: the
    // card added directly, with no undo record.
    void M_Fn_Proc_Cmd_Sub_Add_At(const T_sp_Card& ro_sp_Card, std::uint32_t i_Index,
                                  const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group);
    // Entry "Create material card": the card added at slot i_Index.
    void M_Fn_Proc_Cmd_Top_Add(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card);
    // Entry "Modify material card": the stored card takes the columns of ro_Data and ro_Color.
    void M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_C_Material* i_p_Card, const N_DB::C_Row_Any& ro_Data,
                                  const T_Color& ro_Color);

    // --- project file ----------------------------------------------------------------------------
    // Reads the material piece of a project file (M_Fn_Stream_Serialize_o_O writes it) into this
    // manager, which must hold no card (else C_Exception): the table is read whole, then each card
    // enters its slot from slot 1 upward through M_Fn_D_Add_At (tree item, palette, selection), so
    // free slots between cards stay free and free slots after the last card are not restored.
    // 1; 0 on a short read or refused input, nothing added; C_Exception for an occupied slot
    // without a card (or what the add refuses), the cards before it staying.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);

    // Steps of the shared data operations; materials have none of their own.
    void M_Fn_D_Add_At_Check(std::uint32_t) const {}
    void M_Fn_D_Add_At_Post(N_DB::C_Row_C_Material&) {}
    void M_Fn_D_Remove_At_Pre(N_DB::C_Row_C_Material&) {}
    void M_Fn_D_Modify_Post(N_DB::C_Row_C_Material&) {}
};

} // namespace N_Biz::N_Proj
