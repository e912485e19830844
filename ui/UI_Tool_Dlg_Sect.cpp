#include "ui/UI_Tool_Dlg_Sect.h"

#include "biz/config/Biz_Config.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"

namespace N_UI::N_Tool {

using N_Biz::N_Config::C_Config;
using N_Biz::N_Config::C_Config_Data;

// --- section edit dialog -------------------------------------------------------------------------

C_Dlg_Sect_Edit::C_Dlg_Sect_Edit(C_Wnd* i_p_Pane)
    : C_Dlg_Edit(450, i_p_Pane, {3102, 3103, 3104, 3106, 3107}, G_Num_Sub_Sect)
{
}

C_Dlg* C_Dlg_Sect_Edit::MV_Fn_Sub_Make(int i_Index)
{
    if (i_Index == 3)
        return new C_Dlg_Sect_Edit_T_D_Tess(M_Fn_Pane_Get());
    return new C_Dlg(G_Fn_Sub_Template_Sect(i_Index), M_Fn_Pane_Get());
}

void C_Dlg_Sect_Edit::MV_Fn_Update()
{
    int sub = -1;
    if (N_Biz::N_Sect::C_Sect* p_sect = M_Fn_Sect()) {
        const auto* p_machine = p_sect->M_Fn_Get_Mgr_State().M_Fn_Get_Machine();
        sub = G_Fn_Sub_Sect(p_machine->M_Fn_Get_Id_Sub(2), p_sect->M_Fn_Get_Mgr_Sel().M_Fn_Mode_Get());
    }
    M_Fn_Update_Edit(sub);
}

void C_Dlg_Sect_Edit::MV_Fn_On_Signal_Sect(N_Biz::N_Sect::C_Sect& ro_Sect, N_Biz::N_Sect::E_Signal i_Code)
{
    if (i_Code == N_Biz::N_Sect::E_Signal_Sel_Reset || i_Code == N_Biz::N_Sect::E_Signal_State_Task)
        MV_Fn_Update();
    if (C_Dlg* p_sub = M_Fn_Sub_Shown())
        p_sub->MV_Fn_On_Signal_Sect(ro_Sect, i_Code);
}

void C_Dlg_Sect_Edit::MV_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code)
{
    // The project's one history and palette, shown while the section is edited.
    if (i_Code == 2)
        M_Fn_Update_Cmd_Undo_Redo();
    else if (i_Code == 3)
        M_Fn_Update_Proj_D_DB_C_P_Palette();
    if (C_Dlg* p_sub = M_Fn_Sub_Shown())
        p_sub->MV_Fn_On_Signal_Proj(ro_Proj, i_Code);
}

// --- element page --------------------------------------------------------------------------------

void C_Dlg_Sect_Edit_T_D_Tess::MV_Fn_On_Init()
{
    M_Fn_Edit_Bind(3162, [this] { M_Fn_On_Kill_Focus_Merge_Angle(); });
    M_Fn_Edit_Bind(3163, [this] { M_Fn_On_Kill_Focus_Merge_L_Thk(); });
}

void C_Dlg_Sect_Edit_T_D_Tess::MV_Fn_Update()
{
    const C_Config_Data& data = S_Fn_Config().M_Fn_Data();
    M_Fn_Text_Set(3162, G_Fn_Format_Float(N_Biz::N_Config::G_Fn_Tess_Angle_Deg_From_Rad(data.m_Tess_Angle)));
    M_Fn_Text_Set(3163, G_Fn_Format_Float(data.m_Tess_Length_Over_Thk));
    M_Fn_Check_Set(3164, data.m_Show_Thickness);
    M_Fn_Check_Set(3165, data.m_Show_Loop);
}

void C_Dlg_Sect_Edit_T_D_Tess::MV_Fn_On_Signal_Config(C_Config&, N_Biz::N_Config::E_Signal i_Code)
{
    if (G_Fn_Config_Updates(E_Dlg::E_Sect_Tess, i_Code))
        MV_Fn_Update();
}

void C_Dlg_Sect_Edit_T_D_Tess::M_Fn_On_Kill_Focus_Merge_Angle()
{
    M_Fn_Edit_Apply(3162, G_Fn_Check_Edit_Merge_Angle(M_Fn_Text_Get(3162), S_Fn_Config().M_Fn_Data().m_Tess_Angle),
                    &C_Config_Data::m_Tess_Angle, N_Biz::N_Config::E_Signal_Sect_Mesh);
}

void C_Dlg_Sect_Edit_T_D_Tess::M_Fn_On_Kill_Focus_Merge_L_Thk()
{
    M_Fn_Edit_Apply(3163,
                    G_Fn_Check_Edit_Merge_L_Thk(M_Fn_Text_Get(3163), S_Fn_Config().M_Fn_Data().m_Tess_Length_Over_Thk),
                    &C_Config_Data::m_Tess_Length_Over_Thk, N_Biz::N_Config::E_Signal_Sect_Mesh);
}

// --- analysis dialog -----------------------------------------------------------------------------

void C_Dlg_Sect_Anls::MV_Fn_Update()
{
    const C_Config_Data& data = S_Fn_Config().M_Fn_Data();
    const std::int32_t sheet[6] = {data.m_Sheet_Scientific, data.m_Sheet_Max,     data.m_Sheet_Critical,
                                   data.m_Sheet_Corner,     data.m_Sheet_Average, data.m_Sheet_Min};
    for (int i = 0; i < 6; ++i)
        M_Fn_Check_Set(3080 + i, sheet[i]);
    const std::int32_t marks[4] = {data.m_Show_Weakest, data.m_Show_Inertia_360, data.m_Show_Principal,
                                   data.m_Show_Shear_Center};
    for (int i = 0; i < 4; ++i)
        M_Fn_Check_Set(3091 + i, marks[i]);
    M_Fn_Radio_Group_Set(3061, 2, data.m_Stress_Bound);
    M_Fn_Radio_Group_Set(3071, 6, data.m_Load_Case);
}

void C_Dlg_Sect_Anls::MV_Fn_On_Signal_Config(C_Config&, N_Biz::N_Config::E_Signal i_Code)
{
    if (G_Fn_Config_Updates(E_Dlg::E_Sect_Anls, i_Code))
        MV_Fn_Update();
}

// --- display dialog ------------------------------------------------------------------------------

void C_Dlg_Sect_Disp::MV_Fn_On_Init()
{
    M_Fn_Edit_Bind(3032, [this] { M_Fn_On_Kill_Focus_S_G_V(); });
}

void C_Dlg_Sect_Disp::MV_Fn_Update()
{
    const C_Config_Data& data = S_Fn_Config().M_Fn_Data();
    M_Fn_Text_Set(3032, G_Fn_Format_Float(data.m_Grid_Scale));
    M_Fn_Check_Set(3031, data.m_Show_Grid);
    M_Fn_Check_Set(3033, data.m_Show_Nodes);
    M_Fn_Check_Set(3034, data.m_Show_Coord);
    M_Fn_Check_Set(3035, data.m_Print_Mode);
    M_Fn_Radio_Group_Set(3021, 2, data.m_Color_By);
}

void C_Dlg_Sect_Disp::MV_Fn_On_Signal_Config(C_Config&, N_Biz::N_Config::E_Signal i_Code)
{
    if (G_Fn_Config_Updates(E_Dlg::E_Sect_Disp, i_Code))
        MV_Fn_Update();
}

void C_Dlg_Sect_Disp::M_Fn_On_Kill_Focus_S_G_V()
{
    M_Fn_Edit_Apply(3032, G_Fn_Check_Edit_Grid_Scale(M_Fn_Text_Get(3032), S_Fn_Config().M_Fn_Data().m_Grid_Scale),
                    &C_Config_Data::m_Grid_Scale, N_Biz::N_Config::E_Signal_Sect_Grid);
}

} // namespace N_UI::N_Tool
