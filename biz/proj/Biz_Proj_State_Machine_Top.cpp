#include "biz/proj/Biz_Proj_State_Machine_Top.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Event.h"
#include "biz/proj/Biz_Proj_State_Machine_Sub.h"
#include "common/Common_Exception.h"

#include <memory>

namespace N_Biz::N_Proj::N_State {

C_Machine_Top::C_Machine_Top() = default;

C_Machine_Top::~C_Machine_Top() = default;

void C_Machine_Top::M_Fn_Init()
{
    using N_Common::N_State::C_Info_Transiton;

    M_Fn_Init_Add_Sub(E_Id_Error_No, std::make_unique<C_Machine_Error_No>());
    M_Fn_Init_Add_Sub(E_Id_Input_Idle, std::make_unique<C_Machine_Input_Idle>());
    M_Fn_Init_Add_Sub(E_Id_Task_Idle, std::make_unique<C_Machine_Task_Idle>());

    M_Fn_Init_Register_Region(E_Region_Error, E_Id_Error_No);
    M_Fn_Init_Register_Region(E_Region_Input, E_Id_Input_Idle);
    M_Fn_Init_Register_Region(E_Region_Task, E_Id_Task_Idle);

    // Input while no gesture runs: the view marks the hover pick, or runs the picks and updates the
    // selection on a left-button release; the guard always refuses.
    M_Fn_Init_Register_Transition<C_Event_View_Main_On_Input>(
        E_Id_Input_Idle, E_Id_Input_Idle, C_Info_Transiton::S_Kind_Internal,
        [this](const C_Event_View_Main_On_Input& ro_Event) {
            auto* p_mgr_state = static_cast<C_Mgr_State*>(M_Fn_Get_Parent());
            return p_mgr_state->M_Fn_Get_Proj()->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Input_Idle(ro_Event.m_sp_Input);
        },
        {});
    // A mode change while no gesture runs changes nothing in the input region.
    M_Fn_Init_Register_Transition<C_Event_Sel_Mode_Update>(E_Id_Input_Idle, E_Id_Input_Idle,
                                                           C_Info_Transiton::S_Kind_Internal, {}, {});
    // With no task running a cancel has nothing to end; it is consumed so that posters never need
    // to know whether a task runs.
    M_Fn_Init_Register_Transition<C_Event_C_Cancel>(E_Id_Task_Idle, E_Id_Task_Idle, C_Info_Transiton::S_Kind_Internal,
                                                    {}, {});
    // A selection update with no task running has no task to offer it to.
    M_Fn_Init_Register_Transition<C_Event_Sel_P1_Update>(E_Id_Task_Idle, E_Id_Task_Idle,
                                                         C_Info_Transiton::S_Kind_Internal, {}, {});
}

void C_Machine_Top::M_Fn_On_No_Transition()
{
    VT_THROW("N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_On_No_Transition");
}

void C_Machine_Top::M_Fn_On_Sub_Change(int i_Region_Index)
{
    if (i_Region_Index < 0 || i_Region_Index > 2)
        VT_THROW("N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_On_Sub_Change");
    auto* p_mgr_state = static_cast<C_Mgr_State*>(M_Fn_Get_Parent());
    if (p_mgr_state && p_mgr_state->M_Fn_Get_Proj())
        p_mgr_state->M_Fn_Get_Proj()->M_Fn_Signal_Fire(static_cast<E_Signal>(E_Signal_State_Error + i_Region_Index));
}

} // namespace N_Biz::N_Proj::N_State
