#include "ui/UI_Property_Wnd.h"

#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Property_Ctrl.h"

#include <wx/sizer.h>

namespace N_UI::N_Property {

bool C_Wnd::M_Fn_Create(wxWindow* i_p_Parent)
{
    if (!Create(i_p_Parent, N_Cmd::E_Id_Pane_Property))
        return false;
    m_p_Grid = new C_Ctrl_Wx(this, m_Model.M_Fn_Ctrl());
    auto* p_sizer = new wxBoxSizer(wxVERTICAL);
    p_sizer->Add(m_p_Grid, 1, wxEXPAND);
    SetSizer(p_sizer);
    // A rebuild asked for by a commit runs after the grid's change event (the row that raised it
    // is still finishing its edit there).
    m_Model.m_Fn_Defer = [this](std::function<void()> i_Fn) { CallAfter(std::move(i_Fn)); };
    return true;
}

void C_Wnd::M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj) { m_Model.M_Fn_Proj_Connect(ro_Proj); }

} // namespace N_UI::N_Property
