#include "ui/UI_Tool_Wnd.h"

#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "ui/UI_Cmd_Id.h"

namespace N_UI::N_Tool {

bool C_Wnd::M_Fn_Create(wxWindow* i_p_Parent)
{
    return Create(i_p_Parent, N_Cmd::E_Id_Pane_Tool);
}

void C_Wnd::M_Fn_Config_Connect(N_Biz::N_Config::C_Config& ro_Config)
{
    m_Connection_Config =
        ro_Config.M_Fn_Signal().connect([this](N_Biz::N_Config::C_Config& ro_C, N_Biz::N_Config::E_Signal i_Code) {
            M_Fn_On_Signal_Config(ro_C, i_Code);
        });
}

void C_Wnd::M_Fn_On_Signal_Config(N_Biz::N_Config::C_Config&, N_Biz::N_Config::E_Signal)
{
    // The tool dialogs show the configuration's options; until they exist nothing follows it.
}

void C_Wnd::M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj)
{
    // One project at a time: the connection to an earlier one goes.
    m_Connection_Proj = ro_Proj.M_Fn_Get_Signal().connect(
        [this](N_Biz::N_Proj::C_Proj& ro_P, N_Biz::N_Proj::E_Signal i_Code) { M_Fn_On_Signal_Proj(ro_P, i_Code); });
}

void C_Wnd::M_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj&, N_Biz::N_Proj::E_Signal)
{
    // The project and section pages follow the project; until they exist nothing does.
}

} // namespace N_UI::N_Tool
