// The properties pane's work without its window: which object of the active project or section
// window the grid shows for each select & edit mode, read-only while a task runs, following the
// change signals of the project and of its sections, and committing every accepted edit at once.
//
// An accepted edit commits inside the grid's own change notification, and the commit raises the
// signals that rebuild the grid. The rebuild must not free the row whose edit is still finishing,
// so an update requested during a commit waits until the commit has returned; the window hands
// it to its event loop (m_Fn_Defer, CallAfter), so that it runs after the grid's event handler.
#pragma once

#include "ui/UI_Property_Row.h"

#include <boost/signals2/connection.hpp>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace N_UI::N_Property {

class C_Pane_Model {
public:
    C_Pane_Model();
    C_Pane_Model(const C_Pane_Model&) = delete;
    C_Pane_Model& operator=(const C_Pane_Model&) = delete;
    ~C_Pane_Model();

    // Follows a new project (the connection to an earlier one goes); the sections it announces
    // are followed too.
    void M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj);
    // Follows a section (done for each section the project announces).
    void M_Fn_Sect_Connect(N_Biz::N_Sect::C_Sect& ro_Sect);
    // The project's and a section's change codes.
    void M_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, std::int32_t i_Code);
    void M_Fn_On_Signal_Sect(N_Biz::N_Sect::C_Sect& ro_Sect, std::int32_t i_Code);

    // Fill the grid from the selection of the shown project or section (none shown: C_Exception).
    void M_Fn_Update_Proj();
    void M_Fn_Update_Sect();

    // The grid's change notification: the edit is committed at once, unless the shown object is
    // gone (C_Ctrl::M_Fn_Target_Exists): then it is refused and the rows rebuilt.
    void M_Fn_On_Row_Changed();

    C_Ctrl& M_Fn_Ctrl() { return m_Ctrl; }
    N_Biz::N_Proj::C_Proj* M_Fn_Proj_Shown() const { return m_p_Proj; }
    N_Biz::N_Sect::C_Sect* M_Fn_Sect_Shown() const { return m_p_Sect; }
    // True while an update waits for a commit to end.
    bool M_Fn_Update_Pending() const { return m_Pending; }

    // Runs a deferred update later (the window: after the current event). Empty: the update runs
    // as soon as the commit has returned.
    std::function<void(std::function<void()>)> m_Fn_Defer;

private:
    // What a change code of a project or section window asks, i_Shown telling whether that window is
    // the one shown: its rows again, the window shown instead (i_p_Proj, i_p_Sect; nothing when it is
    // shown already), or nothing shown; a code about another window changes nothing.
    enum E_Follow : std::uint32_t { E_Follow_Update, E_Follow_Show, E_Follow_Clear };
    void M_Fn_Follow(bool i_Shown, E_Follow i_Follow, N_Biz::N_Proj::C_Proj* i_p_Proj = nullptr,
                     N_Biz::N_Sect::C_Sect* i_p_Sect = nullptr);
    // The update of the shown object, or its deferral while a commit runs.
    void M_Fn_Update();
    void M_Fn_Update_Now();
    void M_Fn_Clear();

    C_Ctrl m_Ctrl;
    N_Biz::N_Proj::C_Proj* m_p_Proj = nullptr;
    N_Biz::N_Sect::C_Sect* m_p_Sect = nullptr;
    bool m_Committing = false;
    bool m_Pending = false;
    boost::signals2::scoped_connection m_Connection_Proj;
    std::vector<boost::signals2::scoped_connection> m_Connections_Sect;
    // Lives as long as the pane: a deferred update finds it expired once the pane is gone.
    std::shared_ptr<C_Pane_Model*> m_sp_Alive;
};

} // namespace N_UI::N_Property
