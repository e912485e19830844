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
//
// Above the data operations sit the aids that turn picks into section planes and cut the models
// into a section (Biz_Proj_Mgr_D_Sect_Aid.cpp), the previews of redirect, insert and move, which
// the project view draws and the commands apply (same file), the commands of the section tasks
// (Biz_Proj_Mgr_D_Sect_Cmd.cpp) and the document and tree commands on sections
// (Biz_Proj_Mgr_D_Sect_Doc.cpp). Each changing command is one entry of the project's history; an
// exception thrown inside it cancels the entry (what ran is reverted) before it passes on.
#pragma once

#include "biz/proj/Biz_Proj_D_Group_Sect.h"
#include "biz/sel/Biz_Sel_Mgr.h"
#include "common/Common_Container_slotvec.h"
#include "common/Common_Math_Vector.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace N_Biz::N_Sect {
class C_Sect;
class C_Result;
class C_D_Plane;
} // namespace N_Biz::N_Sect
namespace N_Biz::N_Cmd {
class C_Elem_Group;
}
namespace N_Biz::N_Config {
class C_Config;
class C_Config_Data;
} // namespace N_Biz::N_Config

namespace N_Biz::N_Proj {

class C_Proj;
class C_Context_Stream_Format_BEA_I;

class C_Mgr_D_Sect : public N_Biz::N_Sel::C_Mgr<N_Biz::N_Sect::C_Sect, N_Biz::N_Sect::C_Sect*, C_Mgr_D_Sect> {
public:
    using T_Sel = N_Biz::N_Sel::C_Mgr<N_Biz::N_Sect::C_Sect, N_Biz::N_Sect::C_Sect*, C_Mgr_D_Sect>;
    using T_sp_Group = std::shared_ptr<C_D_Group_Sect>;
    using T_Groups = N_Common::N_Container::slotvec<T_sp_Group>;
    using T_sp_Sect = std::shared_ptr<N_Biz::N_Sect::C_Sect>;
    using C_Vector3f = N_Common::N_Math::C_Vector3<float>;
    using T_sp_Plane = std::shared_ptr<N_Biz::N_Sect::C_D_Plane>;
    // Positions in model coordinates and planes, in axis order.
    using T_List_Pos = std::list<C_Vector3f>;
    using T_List_Plane = std::list<T_sp_Plane>;

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
    // For every section of every group, in slot order: its selection's description is rebuilt from
    // what it picks now (after the history changed the data under it). An occupied slot holding
    // no group or section throws C_Exception.
    void M_Fn_Sel_Refresh_All();

    // --- plane and cut aids ----------------------------------------------------------------------
    // Every aid returns 1 on success and passes any other result of a step up unchanged.
    //
    // The heading of the planes along an axis of direction ro_Dir (any length), chosen by the
    // option "Section Local Coordinate System": o_Up is (0, 1, 0); "Local Y - View Z" follows the
    // project view's viewing direction; the others name the global plane (XY, XZ or YZ, or in
    // "Auto (Standard)" the one across the largest component of ro_Dir, x before y before z on a
    // tie) whose two axes become the section's local x and y, o_Flip set where the normal must be
    // turned round for that. An option value outside 0 to 4 throws C_Exception.
    std::uint32_t M_Fn_Proc_Aid_Calc_D_Plane_Heading(C_Vector3f& o_Up, C_Vector3f& o_Heading, const C_Vector3f& ro_Dir,
                                                     std::uint32_t& o_Flip);
    // One plane per position into o_Planes (emptied first): the first and last take the direction
    // of their segment, every inner one the bisector of its two segments (coincident positions give
    // (0, 0, 1)). Fewer than two positions throw C_Exception.
    std::uint32_t M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List(T_List_Plane& o_Planes, std::uint32_t i_Flip,
                                                           const C_Vector3f& ro_Up, const C_Vector3f& ro_Heading,
                                                           const T_List_Pos& ro_Positions);
    // Cuts every model of the project, in slot order, into ro_Sect at its plane (no undo step: the
    // section is not in the project yet). An occupied model slot without a model throws.
    std::uint32_t M_Fn_Proc_Aid_Individual_Cut(N_Biz::N_Sect::C_Sect& ro_Sect);
    // The model point that a section cut at ro_sp_Plane centres on: a temporary section is cut and
    // its centre for cutting carried into model space.
    std::uint32_t M_Fn_Proc_Aid_Calc_Center_For_Cut(const T_sp_Plane& ro_sp_Plane, C_Vector3f& o_Pos);
    // Group creation from the node selection set (in selection order): 0 with fewer than two
    // picks. The positions (the picks with "Extra sections per axis:" evenly spaced positions
    // between successive ones), the heading from the first to the last position, one plane per
    // position; unless i_Preview, with "Auto adjust position by geom center" and "Cut models" on,
    // each position is moved once to the centre of its cut and the planes built again.
    std::uint32_t M_Fn_Proc_Aid_Pre_Group_Create(std::uint32_t& o_Flip, C_Vector3f& o_Up, C_Vector3f& o_Heading,
                                                 T_List_Pos& o_Positions, T_List_Plane& o_Planes,
                                                 std::uint32_t i_Preview);

    // --- previews of redirect, insert and move ----------------------------------------------------
    // Each needs exactly one selected section (else 0). Insert and move also need exactly one node
    // pick: the current pick with i_Preview, else the selection set (else 0). Outputs are reset
    // first; group and section pointers point into the store, the planes are new and unowned.
    //
    // Redirect: the centroids of the selected section's group (stale sections are recalculated
    // first), the heading chosen again along them and one plane per section in slot order.
    std::uint32_t M_Fn_Proc_Aid_Pre_Group_Redirect_Selected(std::uint32_t& o_Flip, C_Vector3f& o_Up,
                                                            C_Vector3f& o_Heading, T_List_Pos& o_Positions,
                                                            T_List_Plane& o_Planes, C_D_Group_Sect*& o_Group,
                                                            std::uint32_t i_Preview);
    // Insert beside the selected section ("Insert to": before or after it): along the axis
    // through the neighbours the pick is projected onto it and refused (0) unless it lies strictly
    // between them; without constraint the pick stays and the normal bisects the directions to
    // the neighbours.
    std::uint32_t M_Fn_Proc_Aid_Pre_Individual_Insert_Selected(T_sp_Plane& o_Plane, C_Vector3f& o_Pos,
                                                               C_Vector3f& o_Pos_Before, C_Vector3f& o_Pos_After,
                                                               N_Biz::N_Sect::C_Sect*& o_Sect_Before,
                                                               N_Biz::N_Sect::C_Sect*& o_Sect_After,
                                                               C_D_Group_Sect*& o_Group, std::uint32_t i_Preview);
    // Move the selected section between its neighbours, by the same rules as insert.
    std::uint32_t M_Fn_Proc_Aid_Pre_Individual_Move_Selected(T_sp_Plane& o_Plane, C_Vector3f& o_Pos,
                                                             C_Vector3f& o_Pos_Before, C_Vector3f& o_Pos_Old,
                                                             C_Vector3f& o_Pos_After,
                                                             N_Biz::N_Sect::C_Sect*& o_Sect_Before,
                                                             N_Biz::N_Sect::C_Sect*& o_Sect,
                                                             N_Biz::N_Sect::C_Sect*& o_Sect_After,
                                                             C_D_Group_Sect*& o_Group, std::uint32_t i_Preview);

    // --- commands of the section tasks --------------------------------------------------------------
    // "Create section group": 0 with fewer than two node picks (no entry begun, nothing changes);
    // otherwise the group and one section per plane (slots 1, 2, ...), cut when "Cut models" is
    // on; 1, or the group aid's result.
    std::uint32_t M_Fn_Proc_Cmd_Top_Group_Create();
    // "Redirect section group": the group of the selected section takes the new plane data and
    // each section its new plane (recut sections replace the old ones in their slots with "Cut
    // models", else only the planes change). 1 (a refused preview changes nothing).
    std::uint32_t M_Fn_Proc_Cmd_Top_Group_Redirect_Selected();
    // Phase switches of insert and move: with exactly one section selected its origin becomes the
    // project view's centre of rotation and the answer is 1; else 0. No entry.
    std::uint32_t M_Fn_Proc_Cmd_Top_Individual_Insert_Selected_To_P_1();
    std::uint32_t M_Fn_Proc_Cmd_Top_Individual_Move_Selected_To_P_1();
    // "Insert section": the new section takes the slot after its neighbour (slot 1 without one);
    // the sections behind move up one slot each as far as the first free slot or the end. 1.
    std::uint32_t M_Fn_Proc_Cmd_Top_Individual_Insert_Selected();
    // "Move section": the selected section takes its new plane (recut in its slot with "Cut
    // models", else only the plane changes). 1.
    std::uint32_t M_Fn_Proc_Cmd_Top_Individual_Move_Selected();
    // "Delete section": 0 with nothing selected (no entry); else the selected sections go, then
    // every group left without sections. 1.
    std::uint32_t M_Fn_Proc_Cmd_Top_Individual_Delete_Selected();

    // --- document and tree commands -----------------------------------------------------------------
    // "Import section": asks for an IGES file ("Open"); each import makes one new group with one
    // section. A cancelled dialog or an unreadable file changes nothing; a failed section import
    // cancels the entry, so nothing of it stays.
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_Import();
    // Open (close) the windows of the selected sections, in selection order, after ending the
    // running task.
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Open();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Close();
    // Option commands: store the value and announce it (configuration code 7). "Point Select Mode"
    // then re-prompts a running group-creation, insert or move task; the others invalidate the
    // project view.
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Scrn();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Data();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_Auto();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_XY();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_XZ();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_YZ();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_V_Z();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Pos_Axis();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Pos_Free();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Beside_Before();
    void M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Beside_After();
    // Tree popups on a group item: open or close the windows of its sections; delete it with its
    // sections ("Delete section group"). A group that is not this manager's throws C_Exception.
    void M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_View_Open(C_D_Group_Sect* i_p_Group);
    void M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_View_Close(C_D_Group_Sect* i_p_Group);
    void M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_Delete(C_D_Group_Sect* i_p_Group);
    // Tree popup on a section item: delete it ("Delete section"), and its group when that is left
    // without sections. A section of another project, or in no group, throws C_Exception.
    void M_Fn_UI_Tree_Proj_D_Sect_G_I_On_Cmd_Popup_Delete(N_Biz::N_Sect::C_Sect* i_p_Sect);

    // --- project file and ".bea" model (Biz_Proj_Mgr_D_Sect_Stream.cpp) -----------------------------
    // The section-group piece of the project file: the slot table of groups, each group as its
    // presence byte and its own layout (C_D_Group_Sect::M_Fn_Stream_Serialize_o_O).
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // Reads that piece into this manager, which must hold no group (else C_Exception), once the
    // cards and models are read. The table is read whole, each section a new one of this project;
    // then from slot 1 upward each group enters its slot (its tree item below the project's), and
    // each of its sections, from slot 1 upward, gets its document and enters its slot (numbers,
    // tree item, title, selection, E_Signal 4); finally the display options are applied again. 1;
    // 0 on a short read or refused input, nothing added; another result of a section reader;
    // C_Exception for an occupied slot without a group or section, a group whose stored index is
    // not its slot, or what the adds refuse.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);
    // The section part of a ".bea" model (block 2): one new group at the next group slot, holding
    // the sections read (position s + 1 for the s-th section line of the file; a section whose
    // anchor node is not in the file is dropped). 1; 0 when the file is refused (a message naming
    // the line was shown); C_Exception for a count or line that cannot be read (a message naming the
    // line first) and for what the adds refuse.
    std::uint32_t M_Fn_Stream_Format_BEA_I(C_Context_Stream_Format_BEA_I& ro_Context);

    // --- clipboard result table (Biz_Proj_Mgr_D_Sect_Clipboard.cpp) -----------------------------
    // One column per section, columns of equal length; cell 0 of a section's column is its title.
    using T_Table_Text = std::vector<std::vector<std::wstring>>;
    // Copies the results of every section of the project to the clipboard: column 0 holds "Name"
    // and the result row titles, then one column per section (groups in slot order, sections in
    // slot order within their group), each recalculated first when stale. Without a section nothing
    // is copied and nothing shown. 1; C_Exception for an occupied slot without a group or section.
    std::uint32_t M_Fn_Calc_Result_For_Clipboard_Copy_All();
    // The text of a table: row by row, every cell followed by a TAB, every row by a line feed,
    // converted to UTF-8.
    static std::string S_Fn_Clipboard_Text(const T_Table_Text& ro_Table);
    // Puts the text of ro_Table on the clipboard through the application's port and says how it
    // went ("Copy complete, you can paste the result to excel or text.", or "Open clipboard
    // failed." / "Empty clipboard failed."). 0 without a column or when the clipboard could not be
    // opened, else 1.
    std::uint32_t M_Fn_Clipboard_Set_Text(const T_Table_Text& ro_Table);

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
    using T_sp_Elem_Group = std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>;

    // Calls i_Fn with every section of every group, groups and sections in slot order; an occupied
    // slot holding no group or section throws C_Exception naming i_Function.
    void M_Fn_Sects_Each(const char* i_Function, const std::function<void(N_Biz::N_Sect::C_Sect&)>& i_Fn) const;

    // The application's configuration (none: C_Exception naming i_Function).
    static N_Biz::N_Config::C_Config& S_Fn_Config(const char* i_Function);
    // One command as one entry of the project's history: the entry named i_Name with an element
    // group as its only child, which i_Fn_Body fills (an entry left without a change is dropped).
    // An exception cancels the entry, reverting what ran, and passes on to the handler that
    // reports it.
    void M_Fn_Entry_Run(const wchar_t* i_Name, const std::function<void(const T_sp_Elem_Group&)>& i_Fn_Body);
    // The option "Cut models".
    static bool S_Fn_Cut_Models(const char* i_Function);
    // A new section of this project, without document, plane or geometry.
    T_sp_Sect M_Fn_Sect_New();
    // A new section of this project with its document, placed at io_sp_Plane (taken over) and,
    // with i_Cut, cut out of every model; in no group yet.
    T_sp_Sect M_Fn_Individual_Make(T_sp_Plane& io_sp_Plane, bool i_Cut);
    // The one selected section (an empty entry throws), or null unless exactly one is selected.
    N_Biz::N_Sect::C_Sect* M_Fn_Sel_Single(const char* i_Function) const;
    // The phase switch of insert and move: with exactly one section selected its origin becomes the
    // view's centre of rotation (1), else 0.
    std::uint32_t M_Fn_Sel_Single_To_Center(const char* i_Function);
    // o_Positions := the centre for cut of each plane, in order.
    std::uint32_t M_Fn_Centres_For_Cut(const T_List_Plane& ro_Planes, T_List_Pos& o_Positions);
    // Local z of the group's planes that points on along its axis (1, or -1 when the group's flip
    // turned the planes round). Insert and move take the axis from it, since they build their plane
    // with the group's flip again.
    static float S_Fn_Ahead(const C_D_Group_Sect& ro_Group);
    // The stored group of a section (an empty slot throws).
    C_D_Group_Sect& M_Fn_Group_Of(const N_Biz::N_Sect::C_Sect& ro_Sect, const char* i_Function) const;
    // The shared frame of the insert and move aids after their own first steps: the pick (0
    // without exactly one), its position along the axis from ro_A to ro_B or free, the normal,
    // the plane and its re-centring.
    std::uint32_t M_Fn_Pre_Place(T_sp_Plane& o_Plane, C_Vector3f& o_Pos, const C_Vector3f* i_p_Pos_Before,
                                 const C_Vector3f* i_p_Pos_After, const C_Vector3f& ro_A, const C_Vector3f& ro_B,
                                 const C_Vector3f* i_p_Normal_Alone, const C_D_Group_Sect& ro_Group,
                                 std::uint32_t i_Preview, const char* i_Function);
    // The one node pick of the insert and move aids (current pick with i_Preview, else the
    // selection set); false unless there is exactly one.
    bool M_Fn_Pick_Single(C_Vector3f& o_Pos, std::uint32_t i_Preview) const;
    // Option command: stores i_Value into the option and announces it (code 7).
    void M_Fn_Option_Set(std::int32_t i_Value, std::int32_t N_Biz::N_Config::C_Config_Data::*i_Word,
                         const char* i_Function);
    // Opens or closes the windows of the sections in ro_Sects (an empty entry throws).
    template <class Range>
    void M_Fn_Frames(const Range& ro_Sects, bool i_Open, const char* i_Function);

    C_Proj* m_p_Proj;
    T_Groups m_Groups;
    T_sp_Sect m_sp_Sect_Announced;
    std::shared_ptr<N_Biz::N_Sect::C_Result> m_sp_Result_Compared;
};

} // namespace N_Biz::N_Proj
