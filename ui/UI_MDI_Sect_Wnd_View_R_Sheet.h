// The result sheet of a section window: a report list (child id 1201) of the section's results
// beside the project's compared result, with the columns "Title", "Result", "Compared",
// "Difference" and "Description".
//
// The rows come from the label table and the configuration's sheet switches (Biz_Sect_View_Sheet)
// and are rebuilt only when the section's view manager asks for it; the values are written again
// at every refresh. An invalidation asks for a refresh, which runs when the interface thread is
// idle and the sheet is on screen, as a paint would: it rebuilds the rows when asked, runs the
// section's calculation when it is stale and writes the values. Every handler reports what it
// throws and the program goes on.
#pragma once

#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_View_Sheet.h"

#include <wx/panel.h>

#include <vector>

class wxListCtrl;

namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_UI::N_MDI::N_Sect {

class C_Wnd_View_R_Sheet : public wxPanel, public N_Biz::N_Sect::C_Mgr_Frame::C_View {
public:
    static constexpr int S_Id_List = 1201;

    // The window, its list with the five columns and the rows, registered with the section's view
    // manager. A failed registration is reported; the window then exists without it.
    C_Wnd_View_R_Sheet(wxWindow* i_p_Parent, N_Biz::N_Sect::C_Sect* i_p_Sect, const wxSize& ro_Size);
    // Deregisters (M_Fn_Detach).
    ~C_Wnd_View_R_Sheet() override;

    // --- the view manager's side -------------------------------------------------------------------
    // A refresh at the next idle time.
    void M_Fn_Invalidate() override;
    // The rows rebuilt at the next refresh.
    void M_Fn_Refill() override { m_Rebuild = true; }

    // Leaves the section: with i_Notify the view manager is told first. Later calls do nothing.
    void M_Fn_Detach(bool i_Notify);
    // The refresh now: rows rebuilt when asked, calculation when stale, values written.
    void M_Fn_Refresh();

    wxListCtrl* M_Fn_Get_List() const { return m_p_List; }
    bool M_Fn_Refresh_Pending() const { return m_Pending; }

private:
    void M_Fn_Rows_Build();
    void M_Fn_On_Idle(wxIdleEvent& ro_Event);
    void M_Fn_On_Size(wxSizeEvent& ro_Event);

    N_Biz::N_Sect::C_Sect* m_p_Sect;
    wxListCtrl* m_p_List = nullptr;
    bool m_Attached = false;
    bool m_Rebuild = true;
    bool m_Pending = true;
    // What the rows were built for (bound and statistics shown) and the number format in use.
    N_Biz::N_Sect::C_Result_Rows_Switch m_Switch;
    std::vector<N_Biz::N_Sect::C_Sheet_Row> m_Rows;
};

} // namespace N_UI::N_MDI::N_Sect
