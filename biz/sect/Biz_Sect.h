// One beam cross-section of a project: the owner of its plane, its geometry (points and curve
// entities), the wall mesh built from them, the calculation, and its editing machinery
// (selection, editing state machine, document and views).
//
// Design note. The project keeps its sections through shared pointers in the groups of its
// section manager; everything else reaches its section through the owner pointer that every
// manager holds. A section has no undo history of its own: its edits are entries of the project's
// history that carry the section (N_Cmd::C_Entry_C). The members are created in a fixed order and
// released in the reverse order; the destructor first announces the end (E_Signal_Destroy) while
// every member still lives.
//
// The project's section manager sets S_p_Proj immediately before every new C_Sect; a section
// constructed without it throws C_Exception.
//
// What is stored of a section in the project file: its plane, its points and its entities, in this
// order. Title numbers, name, mesh and results are not: the project carries what it needs, and the
// mesh and results are rebuilt on demand.
#pragma once

#include "app/UI_Tree_Signal.h"
#include "biz/sect/Biz_Sect_Signal.h"
#include "common/Common_Math_Vector.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace N_Biz::N_Proj {
class C_Proj;
class C_D_Group_Sect;
}
namespace N_Biz::N_Cmd {
class C_Elem_Group;
}

namespace N_Biz::N_Sect {

class C_D_Plane;
class C_Mgr_D_Plane;
class C_Mgr_D_Geom_P;
class C_Mgr_D_Geom_E;
class C_Mgr_D_Tess_N;
class C_Mgr_D_Tess_E;
class C_Mgr_D_Relation_Geom_E_Tess_E;
class C_Mgr_D_Sect;
class C_Mgr_Calc;
struct C_Result_Rows_Switch;
class C_Mgr_Sel;
class C_Mgr_State;
class C_Mgr_Doc;
class C_Mgr_Frame;

class C_Sect {
public:
    using C_Vector2f = N_Common::N_Math::C_Vector2<float>;
    using C_Vector3f = N_Common::N_Math::C_Vector3<float>;

    // The project of the next section to be constructed (set by the project's section manager).
    static N_Biz::N_Proj::C_Proj* S_p_Proj;

    // Builds the members in order (signal holder, plane, point, entity, node, element and relation
    // managers, exchange manager, calculation, selection, state holder, document link, view
    // manager), then throws C_Exception when S_p_Proj was not set (the members are released the
    // ordinary way); finally starts in geometry select & edit mode ("Select & edit geometry.").
    C_Sect();
    C_Sect(const C_Sect&) = delete;
    C_Sect& operator=(const C_Sect&) = delete;
    // Fires E_Signal_Destroy with every member alive, then releases the members in reverse order.
    // Nothing is thrown: a failure on the way is reported.
    virtual ~C_Sect();

    // --- project stream ---------------------------------------------------------------------------
    // The plane, then the points, then the entities; the first result other than 1 is returned.
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // Reads plane, points and entities in the same order and stops at the first result other than
    // 1 (a damaged or inconsistent stream gives 0 and leaves points and entities as they were).
    // After all three the results are marked stale and the three views invalidated.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);

    // --- name and title ---------------------------------------------------------------------------
    // Adds the section's tree item below ro_Parent (the hook of its group i_p_Group), then sets the
    // title: the name when it is not empty, else "Section " + first title number + "-" + second
    // title number.
    void M_Fn_Name_Default_Set(N_Biz::N_Proj::C_D_Group_Sect* i_p_Group, const N_UI::N_Tree::C_Signal& ro_Parent);
    // The title of the section's document and tree item (kept here while no document shows it).
    const std::wstring& M_Fn_Title_Get() const { return m_Title; }
    // By the document link: the title becomes the section's own and its tree item is renamed.
    void M_Fn_Title_Set(const std::wstring& i_Title);

    // --- plane ------------------------------------------------------------------------------------
    // With an open command group: one undoable plane-set element in it, executed at once. Without:
    // the plane is swapped straight into the plane manager and io_sp_Plane released. Returns 1.
    int M_Fn_Plane_Set(const std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group,
                       std::shared_ptr<C_D_Plane>& io_sp_Plane);
    // A local point carried into model space by the plane's matrix.
    C_Vector3f M_Fn_Plane_Local_To_Global_3(const C_Vector3f& ro_Local) const;
    C_Vector3f M_Fn_Plane_Local_To_Global_2(const C_Vector2f& ro_Local) const;

    // --- calculation ------------------------------------------------------------------------------
    // When the results are stale: clears the mark and runs the whole calculation. The result of
    // the calculation manager's M_Fn_Update_If_Stale (1: the results are valid).
    int M_Fn_Calc_If_Dirty();
    // The centre that the project places a section cut on, in local plane coordinates (the
    // calculation's cut centre); C_Exception when it cannot be had.
    C_Vector2f M_Fn_Calc_Center_For_Cut_Local_Get();
    // Appends "Name" and the titles of the result table's row to io_Names and fills o_Switch (which
    // values the row shows); returns the number-format switch.
    std::int32_t M_Fn_Property_Rows_Build(std::vector<std::wstring>& io_Names, C_Result_Rows_Switch& o_Switch) const;

    // --- select & edit mode -----------------------------------------------------------------------
    // Each ends the running task, then resets the selection to its mode (1 materials, 2
    // properties, 7 geometry, 12 elements, 13 section) with its prompt, which fires E_Signal 2.
    void M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Material();
    void M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Property();
    void M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Geometry();
    void M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Element();
    void M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Sect();
    // Ends the running task, then fires E_Signal 8 (the section's frame was deactivated).
    void M_Fn_Signal_Raise();

    // --- generic edit commands --------------------------------------------------------------------
    // Each ends the running task, then acts by the select & edit mode:
    //   Create        1 the material create dialog, 2 the property create dialog, 7 the entity
    //                 manager's creation of its last creation kind; 12, 13 message A;
    //   Delete, Move  7 the geometry task; 1, 2, 12, 13 message B;
    //   Modify        1 the material, 2 the property, 7 the geometry modify task; 12, 13 message A;
    //   Palette_Sel   2 the property, 7 the entity, 12 the element palette task; 1, 13 message C;
    //   Palette_List  the property palette list in all five modes.
    // A: "This command is not suitable for current select & edit mode.\nApplicable mode: Geometry,
    // Material, Property.", B: "...\nApplicable mode: Geometry.", C: "...\nApplicable mode: Geometry,
    // Property, Element." (messages change nothing). Another mode throws C_Exception.
    void M_Fn_Doc_On_Cmd_Sect_Edit_C_Create();
    void M_Fn_Doc_On_Cmd_Sect_Edit_C_Delete();
    void M_Fn_Doc_On_Cmd_Sect_Edit_C_Modify();
    void M_Fn_Doc_On_Cmd_Sect_Edit_C_Move();
    void M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_Sel();
    void M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_List();
    // The sensitivity list: the modal list dialog of kind 5 over this section.
    void M_Fn_Doc_On_Cmd_Sect_Dlg();
    // Posts the editing machine's cancel event: ends the running task.
    void M_Fn_Task_Cancel();

    // --- marks of a change ------------------------------------------------------------------------
    // What every change of the section's data sets: the project modified; with i_Calc the results
    // stale (the next reader rebuilds the mesh and recalculates); the section's three views with
    // i_Views_All, else its main view only; the project view.
    void M_Fn_Mark_Changed(bool i_Calc, bool i_Views_All);

    // --- signal -----------------------------------------------------------------------------------
    C_Sect_Signal::T_Signal& M_Fn_Get_Signal() { return m_up_Signal->m_Signal; }
    void M_Fn_Signal_Fire(E_Signal i_Code) { m_up_Signal->M_Fn_Fire(i_Code); }

    // --- members ----------------------------------------------------------------------------------
    N_Biz::N_Proj::C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    C_Mgr_D_Plane& M_Fn_Get_Mgr_D_Plane() const { return *m_up_Mgr_D_Plane; }
    C_Mgr_D_Geom_P& M_Fn_Get_Mgr_D_Geom_P() const { return *m_up_Mgr_D_Geom_P; }
    C_Mgr_D_Geom_E& M_Fn_Get_Mgr_D_Geom_E() const { return *m_up_Mgr_D_Geom_E; }
    C_Mgr_D_Tess_N& M_Fn_Get_Mgr_D_Tess_N() const { return *m_up_Mgr_D_Tess_N; }
    C_Mgr_D_Tess_E& M_Fn_Get_Mgr_D_Tess_E() const { return *m_up_Mgr_D_Tess_E; }
    C_Mgr_D_Relation_Geom_E_Tess_E& M_Fn_Get_Mgr_D_Relation() const { return *m_up_Mgr_D_Relation; }
    C_Mgr_D_Sect& M_Fn_Get_Mgr_D_Sect() const { return *m_up_Mgr_D_Sect; }
    C_Mgr_Calc& M_Fn_Get_Mgr_Calc() const { return *m_up_Mgr_Calc; }
    C_Mgr_Sel& M_Fn_Get_Mgr_Sel() const { return *m_up_Mgr_Sel; }
    C_Mgr_State& M_Fn_Get_Mgr_State() const { return *m_up_Mgr_State; }
    C_Mgr_Doc& M_Fn_Get_Mgr_Doc() const { return *m_up_Mgr_Doc; }
    C_Mgr_Frame& M_Fn_Get_Mgr_Frame() const { return *m_up_Mgr_Frame; }
    N_UI::N_Tree::C_Signal& M_Fn_Get_Tree() { return m_Tree; }
    const N_UI::N_Tree::C_Signal& M_Fn_Get_Tree() const { return m_Tree; }

    // The flag word as the project's section selection sees it (bit 0 picked, bit 1 selected).
    std::uint32_t& M_Fn_Sel_Flag() { return m_Flag; }

    // Its group's slot and its own slot in that group (the first and second title numbers); both 0
    // while the section is in no group. Written by the project's section manager.
    std::uint32_t m_Title_Number_1 = 0;
    std::uint32_t m_Title_Number_2 = 0;
    // Bit 0: in the project's current pick; bit 1: in the project's selection set.
    std::uint32_t m_Flag = 0;
    // The user's name for the section (empty unless named).
    std::wstring m_Name;
    // Written to IGES files as the product identification.
    std::wstring m_Text_2;

private:
    void M_Fn_Sel_Mode_Set(std::uint32_t i_Mode, const wchar_t* i_Prompt);
    // The select & edit mode of a generic edit command, which must be one of the five; another
    // throws in the name of i_Function.
    std::uint32_t M_Fn_Cmd_Mode_Get(const char* i_Function) const;

    N_Biz::N_Proj::C_Proj* m_p_Proj;
    std::wstring m_Title;
    N_UI::N_Tree::C_Signal m_Tree;
    std::unique_ptr<C_Sect_Signal> m_up_Signal;
    std::unique_ptr<C_Mgr_D_Plane> m_up_Mgr_D_Plane;
    std::unique_ptr<C_Mgr_D_Geom_P> m_up_Mgr_D_Geom_P;
    std::unique_ptr<C_Mgr_D_Geom_E> m_up_Mgr_D_Geom_E;
    std::unique_ptr<C_Mgr_D_Tess_N> m_up_Mgr_D_Tess_N;
    std::unique_ptr<C_Mgr_D_Tess_E> m_up_Mgr_D_Tess_E;
    std::unique_ptr<C_Mgr_D_Relation_Geom_E_Tess_E> m_up_Mgr_D_Relation;
    std::unique_ptr<C_Mgr_D_Sect> m_up_Mgr_D_Sect;
    std::unique_ptr<C_Mgr_Calc> m_up_Mgr_Calc;
    std::unique_ptr<C_Mgr_Sel> m_up_Mgr_Sel;
    std::unique_ptr<C_Mgr_State> m_up_Mgr_State;
    std::unique_ptr<C_Mgr_Doc> m_up_Mgr_Doc;
    std::unique_ptr<C_Mgr_Frame> m_up_Mgr_Frame;
};

} // namespace N_Biz::N_Sect
