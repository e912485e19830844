#include "ui/UI_Tool_Dlg_Proj.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"

namespace N_UI::N_Tool {

using N_Biz::N_Config::C_Config;
using N_Biz::N_Config::C_Config_Data;

// --- project edit dialog -------------------------------------------------------------------------

C_Dlg_Proj_Edit::C_Dlg_Proj_Edit(C_Wnd* i_p_Pane)
    : C_Dlg_Edit(460, i_p_Pane, {4101, 4102, 4103, 4104, 4105, 4106}, G_Num_Sub_Proj)
{
}

C_Dlg* C_Dlg_Proj_Edit::MV_Fn_Sub_Make(int i_Index)
{
    C_Wnd* p_pane = M_Fn_Pane_Get();
    switch (i_Index) {
    case 10: return new C_Dlg_Proj_Edit_D_S_G_Create(p_pane);
    case 11: return new C_Dlg_Proj_Edit_D_S_G_Redirect_1(p_pane);
    case 12: return new C_Dlg_Proj_Edit_D_S_I_Insert_0(p_pane);
    case 13: return new C_Dlg_Proj_Edit_D_S_I_Insert_1(p_pane);
    case 14: return new C_Dlg_Proj_Edit_D_S_I_Move_1(p_pane);
    case 15: return new C_Dlg_Proj_Edit_D_S_I_Paste(p_pane);
    default: return new C_Dlg(G_Fn_Sub_Template_Proj(i_Index), p_pane);
    }
}

void C_Dlg_Proj_Edit::MV_Fn_Update()
{
    int sub = -1;
    if (N_Biz::N_Proj::C_Proj* p_proj = M_Fn_Proj()) {
        const auto* p_machine = p_proj->M_Fn_Get_Mgr_State().M_Fn_Get_Machine();
        sub = G_Fn_Sub_Proj(p_machine->M_Fn_Get_Id_Sub(2), p_proj->M_Fn_Get_Mgr_Sel().M_Fn_Get_Mode());
    }
    M_Fn_Update_Edit(sub);
}

void C_Dlg_Proj_Edit::MV_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code)
{
    switch (i_Code) {
    case N_Biz::N_Proj::E_Signal_Cmd: M_Fn_Update_Cmd_Undo_Redo(); break;
    case N_Biz::N_Proj::E_Signal_D_DB_C_P_Palette: M_Fn_Update_Proj_D_DB_C_P_Palette(); break;
    case N_Biz::N_Proj::E_Signal_Sel_Mode:
    case N_Biz::N_Proj::E_Signal_State_Task: MV_Fn_Update(); break;
    default: break;
    }
    if (C_Dlg* p_sub = M_Fn_Sub_Shown())
        p_sub->MV_Fn_On_Signal_Proj(ro_Proj, i_Code);
}

// --- project display dialog ----------------------------------------------------------------------

void C_Dlg_Proj_Disp::MV_Fn_Update()
{
    const C_Config_Data& data = S_Fn_Config().M_Fn_Data();
    if (wxWindow* p_auto = M_Fn_Ctrl(4010))
        p_auto->SetLabel(N_Biz::N_Config::G_Fn_Label_Model_Disp_Auto(data.m_Model_Disp_Auto));
    M_Fn_Radio_Group_Set(4010, 5, data.m_Model_Disp - 1);
    if (wxWindow* p_auto = M_Fn_Ctrl(4015))
        p_auto->SetLabel(N_Biz::N_Config::G_Fn_Label_Sect_Disp_Auto(data.m_Sect_Disp_Auto));
    M_Fn_Radio_Group_Set(4015, 5, data.m_Sect_Disp - 1);
    M_Fn_Radio_Group_Set(4021, 2, data.m_Color_By);
    M_Fn_Check_Set(4031, data.m_Show_Edge_Shade);
    M_Fn_Check_Set(4032, data.m_Show_Coord);
    M_Fn_Check_Set(4033, data.m_Print_Mode);
}

void C_Dlg_Proj_Disp::MV_Fn_On_Signal_Config(C_Config&, N_Biz::N_Config::E_Signal i_Code)
{
    if (G_Fn_Config_Updates(E_Dlg::E_Proj_Disp, i_Code))
        MV_Fn_Update();
}

// --- section task pages --------------------------------------------------------------------------

C_Dlg_Proj_Edit_D_S::C_Dlg_Proj_Edit_D_S(unsigned i_Template, C_Wnd* i_p_Pane, E_Dlg i_Kind)
    : C_Dlg(i_Template, i_p_Pane), m_Kind(i_Kind)
{
}

void C_Dlg_Proj_Edit_D_S::MV_Fn_Update()
{
    const C_Config_Data& data = S_Fn_Config().M_Fn_Data();
    M_Fn_Update_Radio_Group_40();
    M_Fn_Update_Radio_Group_41();
    M_Fn_Update_Radio_Group_42();
    M_Fn_Update_Radio_Group_43();
    M_Fn_Check_Set(4196, data.m_Auto_Adjust_Pos);
    M_Fn_Check_Set(4197, data.m_Cut_Models);
}

void C_Dlg_Proj_Edit_D_S::MV_Fn_On_Signal_Config(C_Config&, N_Biz::N_Config::E_Signal i_Code)
{
    if (G_Fn_Config_Updates(m_Kind, i_Code))
        MV_Fn_Update();
}

C_Dlg_Proj_Edit_D_S_G_Create::C_Dlg_Proj_Edit_D_S_G_Create(C_Wnd* i_p_Pane)
    : C_Dlg_Proj_Edit_D_S(471, i_p_Pane, E_Dlg::E_Proj_S_G_Create)
{
}

void C_Dlg_Proj_Edit_D_S_G_Create::MV_Fn_On_Init()
{
    M_Fn_Edit_Bind(4198, [this] { M_Fn_On_Kill_Focus_Extra_V(); });
}

void C_Dlg_Proj_Edit_D_S_G_Create::MV_Fn_Update()
{
    C_Dlg_Proj_Edit_D_S::MV_Fn_Update();
    M_Fn_Text_Set(4198, std::to_wstring(static_cast<std::uint32_t>(S_Fn_Config().M_Fn_Data().m_Extra_Sections)));
}

void C_Dlg_Proj_Edit_D_S_G_Create::M_Fn_On_Kill_Focus_Extra_V()
{
    const C_Config_Data& data = S_Fn_Config().M_Fn_Data();
    M_Fn_Edit_Apply(4198, G_Fn_Check_Edit_Extra(M_Fn_Text_Get(4198), static_cast<std::uint32_t>(data.m_Extra_Sections)),
                    N_Biz::N_Config::E_Signal_Extra_Sections, [](C_Config_Data& ro_Data, const C_Edit_Check& ro_Check) {
                        ro_Data.m_Extra_Sections = static_cast<std::int32_t>(ro_Check.m_Value_U);
                    });
}

} // namespace N_UI::N_Tool
