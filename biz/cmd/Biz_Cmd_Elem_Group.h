// An element that collects the elements of one history entry.
//
// Each child is executed the moment it is added, so the data are always up to date while a command
// runs; the group itself only remembers the children in order. Undo walks them last to first and
// redo first to last, so every child sees the data exactly as it left them. A child that turns out
// to change nothing (it reports itself empty once finished) is dropped.
#pragma once

#include "biz/cmd/Biz_Cmd_Elem.h"

#include <list>
#include <memory>

namespace N_Biz::N_Cmd {

class C_Elem_Group : public C_Elem {
public:
    C_Elem_Group() = default;
    ~C_Elem_Group() override;

    // Finishes the previous child (dropping it when it is then empty), executes i_sp_Child and
    // appends it as done. The group must be open, i_sp_Child present and new; otherwise throws
    // C_Exception. An exception from the child's execution passes through and the child is not added.
    void M_Fn_Child_Add_and_Execute(const std::shared_ptr<C_Elem>& i_sp_Child);

    // Finishes the last child; the group becomes done. Throws when the group is not open.
    void MV_Fn_Child_add_finished() override;
    bool MV_Fn_Is_group() const override { return true; }
    // True when no child is left. Throws on a group that was never executed.
    bool MV_Fn_Is_empty() const override;
    // Reverts the children last to first; each must be done. Throws otherwise (the children after
    // the failing one stay reverted).
    void MV_Fn_Undo() override;
    // Applies the children again first to last; each must be undone. Throws otherwise (the
    // children before the failing one stay applied).
    void MV_Fn_Redo() override;
    // The children ran as they were added: nothing to do.
    void MV_Fn_Execute() override {}

    // The children in the order they were added.
    const std::list<std::shared_ptr<C_Elem>>& M_Fn_Get_Children() const { return m_Children; }

private:
    void M_Fn_Child_Last_Finish();

    std::list<std::shared_ptr<C_Elem>> m_Children;
};

} // namespace N_Biz::N_Cmd
