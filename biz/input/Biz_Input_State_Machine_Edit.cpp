#include "biz/input/Biz_Input_State_Machine_Edit.h"

namespace N_Biz::N_Input::N_State {

void C_Machine_Edit::M_Fn_Init_Register_Common(const C_Guards_Input& ro_Guards)
{
    using N_Common::N_State::C_Info_Transiton;
    constexpr std::int32_t K_Change = C_Info_Transiton::S_Kind_Change;
    constexpr std::int32_t K_Internal = C_Info_Transiton::S_Kind_Internal;
    using T_Input = C_Event_View_Main_On_Input;

    M_Fn_Init_Register_Region(E_Region_Error, E_Id_Error_No);
    M_Fn_Init_Register_Region(E_Region_Input, E_Id_Input_Idle);
    M_Fn_Init_Register_Region(E_Region_Task, E_Id_Task_Idle);

    // Error region.
    M_Fn_Init_Plain<C_Event_Error_Occurred>(E_Id_Error_No, E_Id_Error_Yes, K_Change);

    // Input region. A mode update ends a drag selection and is consumed everywhere else.
    const auto input = [this](E_Id i_From, E_Id i_To, std::int32_t i_Kind, const T_Guard_Input& ro_Guard) {
        M_Fn_Init_Register_Transition<T_Input>(i_From, i_To, i_Kind, ro_Guard, {});
    };
    const T_Guard_Input never = [](const T_Input&) { return false; };
    input(E_Id_Input_Idle, E_Id_Input_Drag_Move, K_Change, never);
    input(E_Id_Input_Idle, E_Id_Input_Drag_Select, K_Change, ro_Guards.m_Idle_Drag_Select);
    input(E_Id_Input_Idle, E_Id_Input_Translate, K_Change, ro_Guards.m_Idle_Translate);
    input(E_Id_Input_Idle, E_Id_Input_Rotate, K_Change, ro_Guards.m_Idle_Rotate);
    input(E_Id_Input_Idle, E_Id_Input_Scale, K_Change, ro_Guards.m_Idle_Scale);
    input(E_Id_Input_Idle, E_Id_Input_Idle, K_Internal, ro_Guards.m_Idle);
    input(E_Id_Input_Scale, E_Id_Input_Rotate, K_Change, ro_Guards.m_Rotate_Begin);
    input(E_Id_Input_Scale, E_Id_Input_Idle, K_Change, ro_Guards.m_Scale_Idle);
    input(E_Id_Input_Rotate, E_Id_Input_Scale, K_Change, ro_Guards.m_Rotate_Scale);
    input(E_Id_Input_Rotate, E_Id_Input_Idle, K_Change, ro_Guards.m_Rotate_Idle);
    input(E_Id_Input_Translate, E_Id_Input_Rotate, K_Change, ro_Guards.m_Rotate_Begin);
    input(E_Id_Input_Translate, E_Id_Input_Idle, K_Change, ro_Guards.m_Translate_Idle);
    input(E_Id_Input_Drag_Select, E_Id_Input_Idle, K_Change, ro_Guards.m_Drag_Select_Idle);
    input(E_Id_Input_Drag_Move, E_Id_Input_Idle, K_Change, never);
    for (E_Id id = E_Id_Input_Idle; id <= E_Id_Input_Drag_Move; ++id) {
        if (id == E_Id_Input_Drag_Select)
            M_Fn_Init_Plain<C_Event_Sel_Mode_Update>(id, E_Id_Input_Idle, K_Change);
        else
            M_Fn_Init_Plain<C_Event_Sel_Mode_Update>(id, id, K_Internal);
    }

    // Task region: the idle state consumes what only a running task answers.
    M_Fn_Init_Plain<C_Event_Sel_P1_Update>(E_Id_Task_Idle, E_Id_Task_Idle, K_Internal);
    M_Fn_Init_Plain<C_Event_C_Cancel>(E_Id_Task_Idle, E_Id_Task_Idle, K_Internal);
    M_Fn_Init_Plain<C_Event_C_Apply>(E_Id_Task_Idle, E_Id_Task_Idle, K_Internal);
}

} // namespace N_Biz::N_Input::N_State
