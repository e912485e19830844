#include "biz/proj/Biz_Proj_State_Machine_Sub.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Proj::N_State {

C_Proj* C_Machine_Sub::M_Fn_Get_Proj() const
{
    C_Mgr_State* p_holder = M_Fn_Get_Mgr_State();
    return p_holder ? p_holder->M_Fn_Get_Proj() : nullptr;
}

void C_Machine_Task_Idle::M_Fn_On_Entry()
{
    if (C_Proj* p_proj = M_Fn_Get_Proj())
        p_proj->M_Fn_Get_Mgr_Frame().M_Fn_Config_Disp_Update();
}

void C_Machine_Task::M_Fn_Collect(const C_Task_Collect& ro_Collect)
{
    C_Proj* p_proj = M_Fn_Get_Proj();
    if (!p_proj)
        return;
    const std::uint32_t f = ro_Collect.m_Flags;
    p_proj->M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(
        (f & C_Mgr_Sel::E_Flag_Always_Toggle) != 0, (f & C_Mgr_Sel::E_Flag_Always_Add) != 0, ro_Collect.m_Clear,
        (f & C_Mgr_Sel::E_Flag_Multiple) != 0, (f & C_Mgr_Sel::E_Flag_Shift_Add) != 0,
        (f & C_Mgr_Sel::E_Flag_Ctrl_Toggle) != 0, ro_Collect.m_Mode, ro_Collect.m_Prompt);
}

void C_Machine_Task::M_Fn_On_Entry()
{
    M_Fn_Collect(m_Collect);
}

void C_Machine_Task_Pos::M_Fn_On_Entry()
{
    if (!M_Fn_Get_Proj())
        return;
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        VT_THROW(m_Function);
    switch (p_app->m_sp_Config->M_Fn_Data().m_Pos_By_Nodes) {
    case 0: M_Fn_Collect(m_Screen); break;
    case 1: M_Fn_Collect(m_Nodes); break;
    default: VT_THROW(m_Function);
    }
}

C_Machine_Task_D_Sect_Group_Create::C_Machine_Task_D_Sect_Group_Create()
    : C_Machine_Task_Pos(
          {true, C_Mgr_Sel::E_Flag_Always_Add, 3,
           L"Specify the position to define section axis, rotate view to adjust the section direction."},
          {true, C_Mgr_Sel::E_Flag_Always_Toggle, 5,
           L"Select nodes to define section axis, rotate view to adjust the section direction."},
          "N_Biz::N_Proj::N_State::C_Machine_Task_D_Sect_Group_Create::M_Fn_On_Entry")
{
}

C_Machine_Task_D_Sect_Individual_Insert_P_1::C_Machine_Task_D_Sect_Individual_Insert_P_1()
    : C_Machine_Task_Pos({false, 0, 3, L"Specify the position to insert the section."},
                         {false, 0, 5, L"Select node to insert the section."},
                         "N_Biz::N_Proj::N_State::C_Machine_Task_D_Sect_Individual_Insert_P_1::M_Fn_On_Entry")
{
}

C_Machine_Task_D_Sect_Individual_Move_P_1::C_Machine_Task_D_Sect_Individual_Move_P_1()
    : C_Machine_Task_Pos({false, 0, 3, L"Specify the position to move the section."},
                         {false, 0, 5, L"Select node to move the section."},
                         "N_Biz::N_Proj::N_State::C_Machine_Task_D_Sect_Individual_Move_P_1::M_Fn_On_Entry")
{
}

} // namespace N_Biz::N_Proj::N_State
