// The project's undo history: one history for the whole project and all its sections. Every
// change of the history that users see is announced on the project's signal (code 2), so the Edit
// menu and the panes follow it.
#pragma once

#include "biz/cmd/Biz_Cmd_Mgr.h"

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_Cmd : public ::N_Biz::N_Cmd::C_Mgr {
public:
    // Idle, with an empty history. i_p_Proj (not owned) must outlive the history.
    explicit C_Mgr_Cmd(C_Proj* i_p_Proj);
    ~C_Mgr_Cmd() override;

    // Fires the project's signal with code 2.
    void MV_Fn_On_Change() override;

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }

    // Runs one top-level command: opens i_sp_Entry, lets i_Fn_Body add the command's changes,
    // and ends the entry. When the body throws, the half-done entry is cancelled (its changes
    // reverted) before the exception passes on to the handler that reports it.
    template <class F>
    void M_Fn_Entry_Run(const std::shared_ptr<::N_Biz::N_Cmd::C_Entry>& i_sp_Entry, F&& i_Fn_Body);

private:
    // Cancels the open entry after a failure. A failure of the cancel itself is reported here and
    // goes no further, so that the command's own failure is the one its handler reports.
    void M_Fn_Entry_Cancel_Quiet() noexcept;

    C_Proj* m_p_Proj;
};

template <class F>
void C_Mgr_Cmd::M_Fn_Entry_Run(const std::shared_ptr<::N_Biz::N_Cmd::C_Entry>& i_sp_Entry, F&& i_Fn_Body)
{
    M_Fn_Entry_Begin(i_sp_Entry);
    try {
        i_Fn_Body();
        M_Fn_Entry_End();
    } catch (...) {
        M_Fn_Entry_Cancel_Quiet();
        throw;
    }
}

} // namespace N_Biz::N_Proj
