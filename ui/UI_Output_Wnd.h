// The output pane: a panel docked at the bottom of the main frame that hosts the list of message
// lines in the system's default interface font.
#pragma once

#include <wx/panel.h>

namespace N_UI::N_Output {

class C_Ctrl;

class C_Wnd : public wxPanel {
public:
    C_Wnd() = default;
    // Creates the pane (control id 1014) and its list; false when a window failed.
    bool M_Fn_Create(wxWindow* i_p_Parent);

    // Appends one line to the list (see C_Ctrl::M_Fn_Add_Line).
    void M_Fn_Add_Line(const wxString& i_Text);
    C_Ctrl* M_Fn_Get_Ctrl() const { return m_p_Ctrl; }

private:
    C_Ctrl* m_p_Ctrl = nullptr;
};

} // namespace N_UI::N_Output
