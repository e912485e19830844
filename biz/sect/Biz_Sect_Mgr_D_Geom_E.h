// The curve entities of a section (lines, arcs, rational B-spline curves), held by shared pointers
// in a slot table whose slot 0 holds an empty pointer; a stored entity's id is its slot index and
// an entity outside the table has id 0.
//
// Three data operations change the table (add at an index, remove at an index, modify at an index,
// the last exchanging what the property pane edits); every check of a call is made before anything
// changes. Adding connects the entity to its points' reference lists, removing clears its mesh and
// disconnects it. Their undoable forms (M_Fn_Proc_Cmd_Sub_*) wrap them in undo elements of the
// caller's open command group, or run them directly when there is no group.
//
// Project stream: the slot table, each entity as its int32 type code and its record. Reading takes
// the entities over only when the whole table is sound: every id equals its slot, every reference
// names a stored point, and every point's reference list, followed link by link, is exactly the
// set of references that name the point, in descending order, with the point's two counts
// matching. A damaged file is refused (0) instead of leaving links that a later delete or weld
// would follow out of bounds.
#pragma once

#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "biz/sel/Biz_Sel_Mgr.h"
#include "common/Common_Container_slotvec.h"
#include "common/Common_Math_Vector.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <vector>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}

namespace N_Biz::N_Sect {

class C_Sect;
class C_Context_Edit_Geom;
class C_Mgr_D_Geom_P;

class C_Mgr_D_Geom_E : public N_Biz::N_Sel::C_Mgr<C_D_Geom_Entity, C_D_Geom_Entity*, C_Mgr_D_Geom_E> {
public:
    using T_Sel = N_Biz::N_Sel::C_Mgr<C_D_Geom_Entity, C_D_Geom_Entity*, C_Mgr_D_Geom_E>;
    using T_sp_Entity = std::shared_ptr<C_D_Geom_Entity>;
    using T_Store = N_Common::N_Container::slotvec<T_sp_Entity>;
    using T_sp_Group = std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>;
    using C_Vector2f = N_Common::N_Math::C_Vector2<float>;

    // Creation tasks, as the generic Create command remembers the last one started.
    enum : std::uint32_t {
        E_Create_Point = 1,
        E_Create_Line = 2,
        E_Create_Arc = 3,
        E_Create_Conics = 4,
        E_Create_Spline = 5,
        E_Create_Weld = 6,
    };

    // i_p_Sect: the owning section (not owned). Slot 0 holds an empty pointer; creation kind line.
    explicit C_Mgr_D_Geom_E(C_Sect* i_p_Sect);
    C_Mgr_D_Geom_E(const C_Mgr_D_Geom_E&) = delete;
    C_Mgr_D_Geom_E& operator=(const C_Mgr_D_Geom_E&) = delete;
    ~C_Mgr_D_Geom_E();

    // Stores the entity at slot i_Index (its id becomes i_Index), empties io_sp_Entity, connects
    // the entity to its points and enters it into the selection; marks the project modified, the
    // results stale, the section's views and the project view. Throws C_Exception, nothing
    // changed, for index 0, a null entity, an entity with an id or a selection bit, an occupied
    // slot, or a reference to a point that is not stored.
    void M_Fn_D_Add_At(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity);
    // Takes the entity out of slot i_Index into o_sp_Entity (which must be empty): it leaves the
    // selection, its mesh is cleared, it is disconnected from its points, its id becomes 0 and the
    // slot is freed; the same marks. Throws C_Exception, nothing changed, for index 0, a non-empty
    // o_sp_Entity, a free or empty slot, or an entity whose id is not the index.
    void M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Entity& o_sp_Entity);
    // The stored entity exchanges what the property pane edits with io_sp_Entity (which then holds
    // the previous contents; the stored object keeps its identity, id and selection); the section
    // fires E_Signal 3 when it is the only selected entity; the same marks. Throws C_Exception,
    // nothing changed, for index 0, a null entity, a free or empty slot, an entity whose id is not
    // the index, or an entity of another class.
    void M_Fn_D_Modify_At(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity);

    // The undoable forms: with a group, one undo element added to it and executed at once;
    // without, the data operation itself (a removed entity is then dropped). Return 1.
    int M_Fn_Proc_Cmd_Sub_Add_At(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity, const T_sp_Group& ro_sp_Group);
    int M_Fn_Proc_Cmd_Sub_Remove_At(std::uint32_t i_Index, const T_sp_Group& ro_sp_Group);
    int M_Fn_Proc_Cmd_Sub_Modify_At(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity, const T_sp_Group& ro_sp_Group);

    // The move propagation over io_Move (seeded by the caller with the points to move): every
    // entity using a moving point is asked whether and how it moves along; an entity may add
    // further points. When every entity agreed, each moved point takes its target through the
    // undoable point modify in ro_sp_Group and the result is 1. A refusal shows "Failed to move,
    // operation denied by geometry entity:" with the entity's id and returns 0 with nothing
    // written; another result of an entity is passed up. A null entity or a verdict outside 1 to 4
    // throws C_Exception.
    std::int32_t M_Fn_Proc_Cmd_Sub_Move(const T_sp_Group& ro_sp_Group, C_Context_Edit_Geom& io_Move);
    // For the move command and its preview: o_Moved (one entry per point slot) marks every selected
    // point (every pick of the point selection set that names a point) and every point of every
    // selected entity; the displacement is ro_Target minus ro_Reference.
    void M_Fn_Proc_Aid_Pre_Move_Selected(const C_Vector2f& ro_Reference, const C_Vector2f& ro_Target,
                                         std::vector<std::uint32_t>& o_Moved, float& o_Dx, float& o_Dy) const;
    // Rebuilds the whole mesh from the entities (relations, elements and nodes removed, every
    // entity meshed in slot order, then the merge pass); returns 1. Defined with the mesh stores
    // (Biz_Sect_Mgr_D_Geom_E_Tess.cpp); the calculation calls it before every run.
    int M_Fn_Proc_Cmd_Sub_Relation_Rebuild();

    // The editing commands (Biz_Sect_Mgr_D_Geom_E_Edit.cpp). Each reads the picks that the editing
    // task left in the two selections (the point manager's picked handles in pick order, this
    // manager's selected entities) and makes its change as exactly one named entry of the
    // project's history holding one group; 1 when finished, 0 when the task must collect more
    // picks. Refusals the user can cause are message boxes that leave no entry.
    // "Create section point": a new point at every picked position (also on an existing point).
    int M_Fn_Proc_Cmd_Top_Create_Point();
    // "Create section line": from the first pick to the second (further picks ignored; a free
    // position becomes a new point), with the palette's current property.
    int M_Fn_Proc_Cmd_Top_Create_Line();
    // "Create section arc": through the first three picks, from pick 1 to pick 3 around the
    // circumcentre (a new point), clockwise when the picks turn clockwise. Nearly collinear picks
    // show "Can not create arc by selected points." and create nothing (1).
    int M_Fn_Proc_Cmd_Top_Create_Arc();
    // "Create section weld": every line that the segment from the first to the second pick crosses
    // is broken at the crossing, and the crossings are joined by weld lines in their order along
    // the segment. Fewer than two crossings show "Requires to cross at least two entities to create
    // weld." (1).
    int M_Fn_Proc_Cmd_Top_Create_Weld();
    // "Delete section geometry": the selected entities, then the selected points no entity uses.
    // 0 when no entity and no point is selected.
    int M_Fn_Proc_Cmd_Top_Delete_Selected();
    // "Modify section geometry": entity i_Index takes the contents of the edited copy (which then
    // holds the previous ones).
    int M_Fn_Proc_Cmd_Top_Modify(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity);
    // "Move section geometry": the points marked by M_Fn_Proc_Aid_Pre_Move_Selected move by
    // ro_Target - ro_Reference with the entities that use them as far as their move checks allow.
    int M_Fn_Proc_Cmd_Top_Move_Selected(const C_Vector2f& ro_Reference, const C_Vector2f& ro_Target);
    // The move task's step (Biz_Sect_Mgr_D_Geom_E_Task.cpp): the selected geometry moves from its
    // reference point (M_Fn_Proc_Aid_Move_Reference_Get) to the position the task collected, the
    // last free position in the point selection set, as above. 0 while no position is collected;
    // otherwise 1 (also when the move was refused or nothing is selected to move).
    int M_Fn_Proc_Cmd_Top_Move_Selected();
    // The reference point of a move: the first selected point, else the first point of the first
    // selected entity. False when neither is selected.
    bool M_Fn_Proc_Aid_Move_Reference_Get(C_Vector2f& o_Reference) const;
    // The move preview: the points that move (as M_Fn_Proc_Aid_Pre_Move_Selected marks them) and
    // the displacement from the reference point to the position under the cursor (the first free
    // position of the point manager's current pick). 1 when it can be computed, else 0 with the
    // outputs emptied.
    int M_Fn_Proc_Aid_Pre_Move_Selected(std::vector<std::uint32_t>& o_Moved, float& o_Dx, float& o_Dy) const;
    // "Reconnect property of section geometry": the project's property list picks a property that
    // every selected entity takes (no pick changes nothing). 0 with nothing selected.
    int M_Fn_Proc_Cmd_Top_Reconnect_C_P_Selected();
    // With exactly one entity selected, its property becomes the project's current palette
    // property (1); otherwise 0.
    int M_Fn_Proc_Cmd_Top_P_Palette_Sel();

    // The task starters (Biz_Sect_Mgr_D_Geom_E_Task.cpp): each ends the running task with a cancel
    // and then posts its task's start event to the section's machine; the creation starters also
    // remember their kind in m_Create_Kind.
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Point();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Arc();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Conics();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Spline();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_E_P_Palette_Sel();
    // The generic Create: starts the creation task of m_Create_Kind; another kind throws C_Exception.
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create();
    // The modify task: with exactly one point or one entity selected (counted over both), runs
    // the properties dialog on it and returns 1; otherwise 0.
    int M_Fn_Proc_Cmd_Top_Modify_Selected();
    // The modal properties dialog of one entity (the manager and the entity's id), installed by
    // the window system; on OK it hands the edited copy to M_Fn_Proc_Cmd_Top_Modify. Without a
    // window it is empty and the dialog does nothing.
    static std::function<void(C_Mgr_D_Geom_E&, std::uint32_t i_Index)> S_Fn_Dlg_Property;
    // The same dialog for one point (the point manager and the point's id); on OK it hands the
    // edited copy to C_Mgr_D_Geom_P::M_Fn_Proc_Cmd_Top_Modify.
    static std::function<void(C_Mgr_D_Geom_P&, std::uint32_t i_Index)> S_Fn_Dlg_Property_Geom_P;

    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // See the class comment. The entities' property keys are resolved against the project's
    // property cards, and the entities enter the selection unmarked.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    T_Sel& M_Fn_Sel() { return *this; }
    const T_Store& M_Fn_Get_Store() const { return m_Store; }
    // The entity in slot i_Index (a free or missing slot throws C_Exception; slot 0 is empty).
    const T_sp_Entity& M_Fn_Get_At(std::uint32_t i_Index) const { return m_Store.at(i_Index); }
    std::uint32_t M_Fn_Next_Index() const { return m_Store.next_index(); }
    // Number of stored entities (slot 0 not counted).
    std::uint32_t M_Fn_Count() const { return m_Store.size() - m_Store.free_count() - 1; }

    // Selection owner: fires the section's signal with code 3.
    void M_Fn_Sel_Notify();

    // The creation task last started (E_Create_*), read by the generic Create command.
    std::uint32_t m_Create_Kind = E_Create_Line;

private:
    C_Sect* m_p_Sect;
    T_Store m_Store;
};

} // namespace N_Biz::N_Sect
