// The mesh nodes of a section, by value in a slot table whose slot 0 holds a default node that is
// never a real node. Nodes are made by the geometry's meshing (C_D_Geom::M_Fn_Relation_Tess_Build_Node
// and the entities) and removed only when no element refers to them.
//
// Every check of a call is made before the store changes, so a failing call leaves the store, the
// points and the selection as they were.
#pragma once

#include "biz/sect/Biz_Sect_D_Tess_Node.h"
#include "biz/sect/Biz_Sect_Handle_D_Tess_N.h"
#include "biz/sel/Biz_Sel_Mgr.h"
#include "common/Common_Container_slotvec.h"

#include <cstdint>
#include <memory>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_D_Tess_N : public N_Biz::N_Sel::C_Mgr<C_D_Tess_Node, C_Handle_D_Tess_N, C_Mgr_D_Tess_N> {
public:
    using T_Sel = N_Biz::N_Sel::C_Mgr<C_D_Tess_Node, C_Handle_D_Tess_N, C_Mgr_D_Tess_N>;
    using T_Store = N_Common::N_Container::slotvec<C_D_Tess_Node>;

    // i_p_Sect: the owning section (not owned). The table starts with the default node in slot 0.
    explicit C_Mgr_D_Tess_N(C_Sect* i_p_Sect);
    C_Mgr_D_Tess_N(const C_Mgr_D_Tess_N&) = delete;
    C_Mgr_D_Tess_N& operator=(const C_Mgr_D_Tess_N&) = delete;
    ~C_Mgr_D_Tess_N();

    // Stores the node held by io_sp_Node at slot i_Index and releases the holder; the stored node's
    // id becomes i_Index, and when it stands on a geometry point that point's node id becomes
    // i_Index. Throws C_Exception, nothing changed, for index 0, an empty holder, a node that
    // already has an id, a chain link or references, a node that is picked or selected, a point id
    // that names no stored point, or an occupied slot.
    void M_Fn_D_Add_At(std::uint32_t i_Index, std::shared_ptr<C_D_Tess_Node>& io_sp_Node);
    // Takes the node out of slot i_Index into o_sp_Node (which must be empty): it leaves the
    // selection, its point's node id and its own id become 0, and the slot is freed. Throws
    // C_Exception, nothing changed, for index 0, a non-empty holder, a free slot, or a node whose id
    // is not the index or that elements still refer to.
    void M_Fn_D_Remove_At(std::uint32_t i_Index, std::shared_ptr<C_D_Tess_Node>& o_sp_Node);
    // M_Fn_D_Remove_At into a holder that is dropped; returns 1.
    int M_Fn_D_Erase_At(std::uint32_t i_Index);
    // Empties the table and puts the default node back into slot 0. The caller makes sure nothing
    // refers to the nodes any more (the mesh rebuild removes relations and elements first).
    void M_Fn_D_Clear();

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    T_Sel& M_Fn_Sel() { return *this; }
    const T_Store& M_Fn_Get_Store() const { return m_Store; }
    // The node in slot i_Index (a free or missing slot throws C_Exception).
    C_D_Tess_Node& M_Fn_Get_At(std::uint32_t i_Index) { return m_Store.at(i_Index); }
    const C_D_Tess_Node& M_Fn_Get_At(std::uint32_t i_Index) const { return m_Store.at(i_Index); }
    // The index the next add at the table's next free slot uses.
    std::uint32_t M_Fn_Next_Index() const { return m_Store.next_index(); }

    // Selection owner: fires the section's signal with code 3; resolves a handle to its node; a handle
    // with index 0 is a free position and names no node.
    void M_Fn_Sel_Notify();
    C_D_Tess_Node& M_Fn_Sel_Row(const C_Handle_D_Tess_N& ro_Handle) { return m_Store.at(ro_Handle.m_Index); }
    bool M_Fn_Sel_Has_Row(const C_Handle_D_Tess_N& ro_Handle) const { return ro_Handle.m_Index != 0; }

private:
    C_Sect* m_p_Sect;
    T_Store m_Store;
};

} // namespace N_Biz::N_Sect
