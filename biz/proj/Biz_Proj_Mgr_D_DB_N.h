// The node card manager of the project: the selection of model nodes and free positions (current
// pick P0 and selection set P1 as lists of node handles, through the selection template), and the
// node commands: modify a node card (undoable), open the property dialog on the selected node, and
// make the selected node or position the centre of rotation of the project view.
//
// The project selection fills the lists; the section-group commands read the selection set for
// their node picks. A node row carries bit 0 of its flag word while it is in P0 and bit 1 while it
// is in P1. A free position (model slot 0) has no row and carries no flag: it is entered into a
// list as it comes and is never found there again, so toggling one adds it.
//
// When a model leaves the project (an import undone), its nodes first leave both lists
// (M_Fn_Sel_Model_Remove), so no handle is left naming a slot without that model.
#pragma once

#include "biz/proj/Biz_Proj_Handle_D_DB_N.h"
#include "biz/sel/Biz_Sel_Mgr.h"

#include <cstdint>
#include <map>

namespace N_Biz::N_DB {
class C_Row_Any;
class C_Row_Node;
} // namespace N_Biz::N_DB

namespace N_Biz::N_Proj {

class C_Proj;

namespace N_Impl {
// The selection's view of one node: the flag word it marks. One per node row, so that the
// selection tells nodes apart by the address of their view.
class C_Sel_Node {
public:
    explicit C_Sel_Node(std::uint32_t* i_p_Flag) : m_p_Flag(i_p_Flag) {}
    std::uint32_t& M_Fn_Sel_Flag() { return *m_p_Flag; }

private:
    std::uint32_t* m_p_Flag;
};
} // namespace N_Impl

class C_Mgr_D_DB_N {
public:
    using T_Sel = N_Biz::N_Sel::C_Mgr<N_Impl::C_Sel_Node, C_Handle_D_DB_N, C_Mgr_D_DB_N>;

    // Empty lists. i_p_Proj (not owned) outlives the manager.
    explicit C_Mgr_D_DB_N(C_Proj* i_p_Proj);
    C_Mgr_D_DB_N(const C_Mgr_D_DB_N&) = delete;
    C_Mgr_D_DB_N& operator=(const C_Mgr_D_DB_N&) = delete;

    // Data operation of the undo element: the row's columns exchanged with io_Data (the same call
    // undoes it; another relation type or a null row throws before any change). Code 6 when the
    // row is the only selected node; the project is marked modified and its view invalidated;
    // sections are not marked stale.
    void M_Fn_D_Modify(N_DB::C_Row_Node* i_p_Row, N_DB::C_Row_Any& io_Data);

    // Entry "Modify node card": the row takes the columns of ro_Data; always true.
    bool M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_Node* i_p_Row, const N_DB::C_Row_Any& ro_Data);
    // The node modify task: false with nothing selected; with several handles or a free position
    // the set is cleared and false; with one node, the property dialog edits its row (its changes
    // come back through M_Fn_Proc_Cmd_Top_Modify) and the answer is true.
    bool M_Fn_Proc_Cmd_Top_Modify_Selected();
    // The set-centre task: false with nothing selected; with several the set is cleared and false;
    // with one node or free position, its position becomes the view's centre of rotation and the
    // answer is true. The selection stays.
    bool M_Fn_Proc_Cmd_Top_Set_Center();

    // Before the model in slot i_Slot leaves the project: every handle of its nodes leaves P0 and
    // P1 and the nodes lose bits 0 and 1 (code 6 when an entry heading P1 left).
    void M_Fn_Sel_Model_Remove(std::uint32_t i_Slot);

    // Selection owner: fires code 6; resolves a handle to its view (a node row's handle through
    // the full lookup, which throws for a handle that names no row).
    void M_Fn_Sel_Notify();
    N_Impl::C_Sel_Node& M_Fn_Sel_Row(const C_Handle_D_DB_N& ro_Handle);

    T_Sel& M_Fn_Sel() { return m_Sel; }
    const T_Sel& M_Fn_Sel() const { return m_Sel; }
    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }

private:
    T_Sel m_Sel;
    C_Proj* m_p_Proj;
    // The views of the node rows met so far, by row; those of a model are dropped when it leaves.
    std::map<const N_DB::C_Row_Node*, N_Impl::C_Sel_Node> m_Sel_Rows;
    // What a free position resolves to: a flag word that reads 0 at every resolution.
    std::uint32_t m_Free_Flag = 0;
    N_Impl::C_Sel_Node m_Sel_Free{&m_Free_Flag};
};

} // namespace N_Biz::N_Proj
