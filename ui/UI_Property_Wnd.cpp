#include "ui/UI_Property_Wnd.h"

#include "biz/proj/Biz_Proj.h"
#include "ui/UI_Cmd_Id.h"

namespace N_UI::N_Property {

bool C_Wnd::M_Fn_Create(wxWindow* i_p_Parent)
{
    return Create(i_p_Parent, N_Cmd::E_Id_Pane_Property);
}

void C_Wnd::M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj)
{
    // One project at a time: the connection to an earlier one goes.
    m_Connection_Proj = ro_Proj.M_Fn_Get_Signal().connect(
        [this](N_Biz::N_Proj::C_Proj& ro_P, N_Biz::N_Proj::E_Signal i_Code) { M_Fn_On_Signal_Proj(ro_P, i_Code); });
}

void C_Wnd::M_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj&, N_Biz::N_Proj::E_Signal)
{
    // The property grid follows the project; until it exists nothing does.
}

} // namespace N_UI::N_Property
