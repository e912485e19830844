#include "ui/UI_Output_Wnd.h"

#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Output_Ctrl.h"

#include <wx/settings.h>
#include <wx/sizer.h>

namespace N_UI::N_Output {

bool C_Wnd::M_Fn_Create(wxWindow* i_p_Parent)
{
    if (!Create(i_p_Parent, N_Cmd::E_Id_Pane_Output))
        return false;
    auto* p_ctrl = new C_Ctrl;
    if (!p_ctrl->M_Fn_Create(this)) {
        delete p_ctrl;
        return false;
    }
    m_p_Ctrl = p_ctrl;
    m_p_Ctrl->SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    auto* p_sizer = new wxBoxSizer(wxVERTICAL);
    p_sizer->Add(m_p_Ctrl, 1, wxEXPAND);
    SetSizer(p_sizer);
    return true;
}

void C_Wnd::M_Fn_Add_Line(const wxString& i_Text)
{
    m_p_Ctrl->M_Fn_Add_Line(i_Text);
}

} // namespace N_UI::N_Output
