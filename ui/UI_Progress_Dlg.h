// The progress dialog of a long task: modal, caption "Progress", no close box and no button. It
// polls the progress record every 20 ms and shows its main line, its detail line and its bar
// (0 to 1000); it closes itself, with the result 1, at the first tick that finds the running flag
// cleared. Escape and the window manager's close do nothing while it runs: the task cannot be
// stopped, and nothing may act on the project before the worker is done.
#pragma once

#include <wx/dialog.h>
#include <wx/timer.h>

class wxGauge;
class wxStaticText;

namespace N_UI::N_Progress {

struct C_Status;

class C_Dlg : public wxDialog {
public:
    enum : int {
        E_Id_Text = 1111,
        E_Id_Detail = 1112,
        E_Id_Bar = 1113,
        E_Id_Timer = 404,
    };
    static constexpr int S_Bar_Range = 1000;
    static constexpr int S_Tick_Ms = 20;

    // Shows the record ro_Status, which must outlive the dialog.
    C_Dlg(wxWindow* i_p_Owner, C_Status& ro_Status);

private:
    void M_Fn_On_Init_Dialog(wxInitDialogEvent& ro_Event);
    void M_Fn_On_Timer(wxTimerEvent& ro_Event);
    void M_Fn_On_Close(wxCloseEvent& ro_Event);

    C_Status& m_Status;
    wxStaticText* m_p_Text = nullptr;
    wxStaticText* m_p_Detail = nullptr;
    wxGauge* m_p_Bar = nullptr;
    wxTimer m_Timer;
    bool m_Ending = false;
};

} // namespace N_UI::N_Progress
