#include "ui/UI_Enter_Dlg_Enter_Text.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace N_UI::N_Enter {

C_Dlg_Enter_Text::C_Dlg_Enter_Text(wxWindow* i_p_Owner) : wxDialog(i_p_Owner, wxID_ANY, "Enter")
{
    m_p_Prompt = new wxStaticText(this, E_Id_Prompt, "Text");
    m_p_Text = new wxTextCtrl(this, E_Id_Text, wxEmptyString, wxDefaultPosition, wxSize(260, -1));
    auto* p_ok = new wxButton(this, E_Id_OK, "OK");
    // Enter in the line presses OK, so that a typed value is never dropped.
    p_ok->SetDefault();
    auto* p_sizer = new wxBoxSizer(wxVERTICAL);
    p_sizer->Add(m_p_Prompt, 0, wxLEFT | wxRIGHT | wxTOP, 12);
    p_sizer->Add(m_p_Text, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 12);
    p_sizer->Add(p_ok, 0, wxALIGN_RIGHT | wxALL, 12);
    SetSizerAndFit(p_sizer);
    Bind(wxEVT_INIT_DIALOG, &C_Dlg_Enter_Text::M_Fn_On_Init_Dialog, this);
    p_ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { M_Fn_On_Bn_Clicked_OK(); });
    // Escape cancels; with no Cancel button the dialog would otherwise ignore it.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& ro_Event) {
        if (ro_Event.GetKeyCode() == WXK_ESCAPE && IsModal())
            EndModal(wxID_CANCEL);
        else
            ro_Event.Skip();
    });
}

void C_Dlg_Enter_Text::M_Fn_On_Init_Dialog(wxInitDialogEvent& ro_Event)
{
    ro_Event.Skip();
    m_p_Prompt->SetLabelText(m_Prompt);
    m_p_Text->ChangeValue(m_Text);
    GetSizer()->SetSizeHints(this);
    m_p_Text->SetFocus();
    m_p_Text->SelectAll();
    CentreOnParent();
}

void C_Dlg_Enter_Text::M_Fn_On_Bn_Clicked_OK()
{
    m_Text = m_p_Text->GetValue().ToStdWstring();
    EndModal(1);
}

} // namespace N_UI::N_Enter
