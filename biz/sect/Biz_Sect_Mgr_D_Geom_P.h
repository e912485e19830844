// The points of a section, by value in a slot table whose slot 0 holds a default point that is
// never a real point; a stored point's id is its slot index.
//
// Three data operations change the table (add at an index, remove at an index, modify at an index,
// the last exchanging only the position); every check of a call is made before anything changes.
// Their undoable forms (M_Fn_Proc_Cmd_Sub_*) wrap them in undo elements of the caller's open
// command group, or run them directly when there is no group. Every editing command, the IGES
// import and scaling and the section cut change points only through these.
//
// Project stream: the slot table (u32 slot count; per stored slot u8 0, u32 index, the point's
// record; u8 1). Reading refuses, with 0 and nothing changed, an index that is 0, not below the
// count or repeated, and a point whose id is not its index; the links between points and entities
// are verified after the entities have been read (C_Mgr_D_Geom_E).
#pragma once

#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Handle_D_Geom_P.h"
#include "biz/sel/Biz_Sel_Mgr.h"
#include "common/Common_Container_slotvec.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_D_Geom_P : public N_Biz::N_Sel::C_Mgr<C_D_Geom_Point, C_Handle_D_Geom_P, C_Mgr_D_Geom_P> {
public:
    using T_Sel = N_Biz::N_Sel::C_Mgr<C_D_Geom_Point, C_Handle_D_Geom_P, C_Mgr_D_Geom_P>;
    using T_Store = N_Common::N_Container::slotvec<C_D_Geom_Point>;
    using T_up_Point = std::unique_ptr<C_D_Geom_Point>;
    using T_sp_Group = std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>;

    // i_p_Sect: the owning section (not owned). The table starts with the default point in slot 0.
    explicit C_Mgr_D_Geom_P(C_Sect* i_p_Sect);
    C_Mgr_D_Geom_P(const C_Mgr_D_Geom_P&) = delete;
    C_Mgr_D_Geom_P& operator=(const C_Mgr_D_Geom_P&) = delete;
    ~C_Mgr_D_Geom_P();

    // Stores a copy of the point at slot i_Index (its id becomes i_Index) and releases io_up_Point.
    // The point must be new: id 0, empty reference list, no node, neither picked nor selected.
    // Marks the project modified, the section's main view and the project view. Throws
    // C_Exception, nothing changed, for index 0, a null or used point, or an occupied slot.
    void M_Fn_D_Add_At(std::uint32_t i_Index, T_up_Point& io_up_Point);
    // Takes the point out of slot i_Index: it leaves the selection, its id becomes 0, o_up_Point
    // (which must be empty) receives a copy and the slot is freed; the same marks as the add.
    // Throws C_Exception, nothing changed, for index 0, a non-empty o_up_Point, a free slot, a
    // point whose id is not the index, a point that an entity still uses or on which a mesh node
    // stands.
    void M_Fn_D_Remove_At(std::uint32_t i_Index, T_up_Point& o_up_Point);
    // Exchanges the stored point's position with io_up_Point's (which then holds the old one); the
    // section fires E_Signal 3 when the point is the only selected one; marks the project
    // modified, the results stale, the section's views and the project view. Throws C_Exception,
    // nothing changed, for index 0, a null point, or a slot whose point does not have the index.
    void M_Fn_D_Modify_At(std::uint32_t i_Index, T_up_Point& io_up_Point);

    // The undoable forms: with a group, one undo element added to it and executed at once;
    // without, the data operation itself (a removed point is then dropped). Return 1.
    int M_Fn_Proc_Cmd_Sub_Add_At(std::uint32_t i_Index, T_up_Point& io_up_Point, const T_sp_Group& ro_sp_Group);
    int M_Fn_Proc_Cmd_Sub_Remove_At(std::uint32_t i_Index, const T_sp_Group& ro_sp_Group);
    int M_Fn_Proc_Cmd_Sub_Modify_At(std::uint32_t i_Index, T_up_Point& io_up_Point, const T_sp_Group& ro_sp_Group);
    // The point a pick names: its own id when it names a point; otherwise a new point at the
    // pick's position, added undoably at the table's next free index (0 there throws C_Exception).
    // The id goes to o_Id; returns 1.
    int M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle(const C_Handle_D_Geom_P& ro_Handle, std::uint32_t& o_Id,
                                              const T_sp_Group& ro_sp_Group);
    // "Modify section point" (the property pane): moves point i_Index to io_up_Point's position,
    // with the entities that use it as far as their move checks allow, in one history entry; a
    // refused move shows its message and leaves no entry. io_up_Point is released. Returns 1.
    int M_Fn_Proc_Cmd_Top_Modify(std::uint32_t i_Index, T_up_Point& io_up_Point);

    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // Reads the table into a fresh one and takes it over only when everything read is sound (the
    // caller then verifies the links with the entities). The points enter the selection unmarked.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);
    // For the section's reader: puts back io_Store (the table before the read) when the entities
    // that follow the points in the stream turn out unsound. The selection is emptied.
    void M_Fn_Stream_Serialize_Restore(T_Store& io_Store);

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    T_Sel& M_Fn_Sel() { return *this; }
    const T_Store& M_Fn_Get_Store() const { return m_Store; }
    // The point in slot i_Index (a free or missing slot throws C_Exception).
    C_D_Geom_Point& M_Fn_Get_At(std::uint32_t i_Index) { return m_Store.at(i_Index); }
    const C_D_Geom_Point& M_Fn_Get_At(std::uint32_t i_Index) const { return m_Store.at(i_Index); }
    // The index the next point added at the table's next free slot takes.
    std::uint32_t M_Fn_Next_Index() const { return m_Store.next_index(); }
    // Number of stored points (slot 0 not counted).
    std::uint32_t M_Fn_Count() const { return m_Store.size() - m_Store.free_count() - 1; }

    // Selection owner: fires the section's signal with code 3; resolves a handle to its point; a handle
    // with index 0 is a free position and names no point.
    void M_Fn_Sel_Notify();
    C_D_Geom_Point& M_Fn_Sel_Row(const C_Handle_D_Geom_P& ro_Handle) { return m_Store.at(ro_Handle.m_Index); }
    bool M_Fn_Sel_Has_Row(const C_Handle_D_Geom_P& ro_Handle) const { return ro_Handle.m_Index != 0; }

private:
    C_Sect* m_p_Sect;
    T_Store m_Store;
};

} // namespace N_Biz::N_Sect
