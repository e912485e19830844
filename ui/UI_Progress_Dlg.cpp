#include "ui/UI_Progress_Dlg.h"

#include "app/UI_Progress_Status.h"

#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace N_UI::N_Progress {

C_Dlg::C_Dlg(wxWindow* i_p_Owner, C_Status& ro_Status)
    : wxDialog(i_p_Owner, wxID_ANY, "Progress", wxDefaultPosition, wxDefaultSize, wxCAPTION), m_Status(ro_Status),
      m_Timer(this, E_Id_Timer)
{
    m_p_Text = new wxStaticText(this, E_Id_Text, wxEmptyString, wxDefaultPosition, wxSize(360, -1),
                                wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
    m_p_Detail = new wxStaticText(this, E_Id_Detail, wxEmptyString, wxDefaultPosition, wxSize(360, -1),
                                  wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
    m_p_Bar = new wxGauge(this, E_Id_Bar, S_Bar_Range, wxDefaultPosition, wxSize(360, -1));
    auto* p_sizer = new wxBoxSizer(wxVERTICAL);
    p_sizer->Add(m_p_Text, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    p_sizer->Add(m_p_Detail, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    p_sizer->Add(m_p_Bar, 0, wxEXPAND | wxALL, 12);
    SetSizerAndFit(p_sizer);
    // Escape would end a modal dialog; here it must not.
    SetEscapeId(wxID_NONE);
    Bind(wxEVT_INIT_DIALOG, &C_Dlg::M_Fn_On_Init_Dialog, this);
    Bind(wxEVT_TIMER, &C_Dlg::M_Fn_On_Timer, this, E_Id_Timer);
    Bind(wxEVT_CLOSE_WINDOW, &C_Dlg::M_Fn_On_Close, this);
}

void C_Dlg::M_Fn_On_Init_Dialog(wxInitDialogEvent& ro_Event)
{
    ro_Event.Skip();
    m_p_Text->SetLabelText(wxEmptyString);
    m_p_Detail->Hide();
    m_p_Bar->Hide();
    m_p_Bar->SetRange(S_Bar_Range);
    m_Ending = false;
    CentreOnParent();
    m_Timer.Start(S_Tick_Ms);
}

void C_Dlg::M_Fn_On_Timer(wxTimerEvent&)
{
    if (m_Ending)
        return;
    // The record is read once under its lock; the copy is used afterwards.
    const C_Status::C_Snapshot s = m_Status.M_Fn_Snapshot();
    if (s.m_Running == 0) {
        m_Timer.Stop();
        m_Ending = true;
        // Ending a modal dialog from inside a timer event misbehaves on GTK: it ends just after.
        CallAfter([this] { EndModal(1); });
        return;
    }
    bool relayout = false;
    m_p_Text->SetLabelText(s.m_Text);
    if (s.m_Detail_Shown)
        m_p_Detail->SetLabelText(s.m_Detail);
    relayout |= m_p_Detail->Show(s.m_Detail_Shown != 0);
    if (s.m_Bar_Shown) {
        const int position = C_Status::S_Fn_Bar_Position(s.m_Current, s.m_Total);
        if (m_p_Bar->GetValue() != position)
            m_p_Bar->SetValue(position);
    }
    relayout |= m_p_Bar->Show(s.m_Bar_Shown != 0);
    if (relayout)
        Layout();
}

void C_Dlg::M_Fn_On_Close(wxCloseEvent& ro_Event)
{
    // Only the worker ends the dialog, through the running flag.
    if (ro_Event.CanVeto())
        ro_Event.Veto();
}

} // namespace N_UI::N_Progress
