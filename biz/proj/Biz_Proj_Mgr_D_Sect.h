// The section-group manager of the project: the table of section groups (which own their
// sections), the selection of sections, the section being announced, and the result kept for
// comparison.
//
// Five data operations are the only writers of the group and section tables: add, remove and
// modify a group, add and remove a section. The undo elements call them (add and remove in
// opposite pairs; modify is its own inverse). Every check of a call is made before anything
// changes, so a refused call (C_Exception naming the operation) leaves tables, selection and tree
// as they were. Add operations empty the caller's pointer and remove operations need an empty one:
// a group or a section is owned either by the table or by its caller, never by both.
//
// Tree items: a group's item hangs below the project's item and a section's below its group's, so
// the project must be in the tree (C_Proj::M_Fn_Tree_Add) before groups are added.
#pragma once

#include "biz/proj/Biz_Proj_D_Group_Sect.h"
#include "biz/sel/Biz_Sel_Mgr.h"
#include "common/Common_Container_slotvec.h"

#include <cstdint>
#include <memory>

namespace N_Biz::N_Sect {
class C_Sect;
class C_Result;
} // namespace N_Biz::N_Sect

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_D_Sect : public N_Biz::N_Sel::C_Mgr<N_Biz::N_Sect::C_Sect, N_Biz::N_Sect::C_Sect*, C_Mgr_D_Sect> {
public:
    using T_Sel = N_Biz::N_Sel::C_Mgr<N_Biz::N_Sect::C_Sect, N_Biz::N_Sect::C_Sect*, C_Mgr_D_Sect>;
    using T_sp_Group = std::shared_ptr<C_D_Group_Sect>;
    using T_Groups = N_Common::N_Container::slotvec<T_sp_Group>;
    using T_sp_Sect = std::shared_ptr<N_Biz::N_Sect::C_Sect>;

    // No group (slot 0 reserved: C_Exception when that does not come out as slot 0), an empty
    // compared result. i_p_Proj (not owned) must outlive the manager.
    explicit C_Mgr_D_Sect(C_Proj* i_p_Proj);
    C_Mgr_D_Sect(const C_Mgr_D_Sect&) = delete;
    C_Mgr_D_Sect& operator=(const C_Mgr_D_Sect&) = delete;
    ~C_Mgr_D_Sect();

    // Stores io_sp_Group at slot i_Index (its index becomes i_Index, its tree item is added below
    // the project's) and empties io_sp_Group; marks the project modified. Refused: index 0, no
    // group, a group with an index or with sections, an occupied slot, a project not in the tree.
    void M_Fn_D_Group_Add_At(std::uint32_t i_Index, T_sp_Group& io_sp_Group);
    // Takes the group out of slot i_Index into o_sp_Group (which must be empty): its tree item
    // goes, its index becomes 0 and the slot is freed; marks the project modified. Refused: index
    // 0, a non-empty o_sp_Group, a free or empty slot, a group whose index is not i_Index or that
    // still holds sections.
    void M_Fn_D_Group_Remove_At(std::uint32_t i_Index, T_sp_Group& o_sp_Group);
    // Exchanges the plane data of the stored group with io_sp_Group's (the same call again undoes
    // it); marks the project modified. Sections and views are not touched. Refused: index 0, no
    // group, a free or empty slot, a stored group whose index is not i_Index.
    void M_Fn_D_Group_Modify_At(std::uint32_t i_Index, T_sp_Group& io_sp_Group);
    // Stores io_sp_Sect at slot i_Index of group i_Group: its numbers become (i_Group, i_Index),
    // its tree item is added below the group's and its title set, it enters the selection, it is
    // announced (E_Signal 4, with M_Fn_Sect_Announced_Get naming it during the announcement), the
    // caller's pointer is emptied, the project is marked modified and its view redrawn. Refused:
    // an index 0, no section, a free or empty group slot, a section with numbers, picked or
    // selected or already in the tree, an occupied section slot.
    void M_Fn_D_Individual_Add_At(std::uint32_t i_Group, std::uint32_t i_Index, T_sp_Sect& io_sp_Sect);
    // Takes the section out of slot i_Index of group i_Group into o_sp_Sect (which must be empty):
    // it leaves the selection (E_Signal 6 when it headed the selection set), its window closes,
    // its tree item goes, its numbers become 0 and the slot is freed; the project is marked
    // modified and its view redrawn. No announcement. Refused: an index 0, a non-empty o_sp_Sect,
    // a free or empty group or section slot, a section whose numbers are not (i_Group, i_Index).
    void M_Fn_D_Individual_Remove_At(std::uint32_t i_Group, std::uint32_t i_Index, T_sp_Sect& o_sp_Sect);

    // For every section of every group: with i_Calc its results are marked stale, then its views
    // are invalidated as chosen (main view, result graph, result sheet, sheet rows rebuilt). An
    // occupied slot holding no group or section throws C_Exception.
    void M_Fn_Invalidate_All(std::uint32_t i_Calc, std::uint32_t i_View_Main, std::uint32_t i_View_Graph,
                             std::uint32_t i_View_Sheet, std::uint32_t i_Sheet_Refill);

    // Selection owner: fires the project's signal with code 6.
    void M_Fn_Sel_Notify();
    T_Sel& M_Fn_Sel() { return *this; }

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    const T_Groups& M_Fn_Get_Groups() const { return m_Groups; }
    // The group in slot i_Index (a free or missing slot throws C_Exception; slot 0 is empty).
    const T_sp_Group& M_Fn_Get_Group_At(std::uint32_t i_Index) const { return m_Groups.at(i_Index); }
    // The section being announced with E_Signal 4; empty at any other time.
    const T_sp_Sect& M_Fn_Sect_Announced_Get() const { return m_sp_Sect_Announced; }
    // The result kept for comparison (one per project).
    const std::shared_ptr<N_Biz::N_Sect::C_Result>& M_Fn_Result_Compared_Get() const { return m_sp_Result_Compared; }

private:
    C_Proj* m_p_Proj;
    T_Groups m_Groups;
    T_sp_Sect m_sp_Sect_Announced;
    std::shared_ptr<N_Biz::N_Sect::C_Result> m_sp_Result_Compared;
};

} // namespace N_Biz::N_Proj
