// The text-entry dialog: asks for one line of text under a prompt. The caller sets m_Prompt and
// the initial m_Text, runs it modally and, on the result 1 (OK), reads m_Text. Escape or closing
// the window cancels and leaves m_Text as it was.
#pragma once

#include <wx/dialog.h>

#include <string>

class wxStaticText;
class wxTextCtrl;

namespace N_UI::N_Enter {

class C_Dlg_Enter_Text : public wxDialog {
public:
    enum : int {
        E_Id_Prompt = 1101,
        E_Id_Text = 1102,
        E_Id_OK = 1051,
    };

    explicit C_Dlg_Enter_Text(wxWindow* i_p_Owner);

    // The OK button: the edited line becomes m_Text and the dialog ends with 1.
    void M_Fn_On_Bn_Clicked_OK();

    std::wstring m_Prompt;
    std::wstring m_Text; // in: the initial text; out: the text as confirmed

private:
    void M_Fn_On_Init_Dialog(wxInitDialogEvent& ro_Event);

    wxStaticText* m_p_Prompt = nullptr;
    wxTextCtrl* m_p_Text = nullptr;
};

} // namespace N_UI::N_Enter
