// The base of the editing machines (the project's and each section's C_Machine_Top): three regions
// side by side, error (0), input (1) and task (2), each starting in its idle state, and what the
// machines have in common:
//   - the error region: No, and Yes on C_Event_Error_Occurred (which nothing posts);
//   - the input region: idle, scale, rotate, translate, drag-select and drag-move with the same
//     transitions in both machines; the guards, which test an input and perform the gesture's
//     steps through the machine's own view manager, are each machine's (C_Guards_Input);
//   - the task region's idle state, which consumes a selection update, a cancel and an apply, and
//     the ids of the card tasks that both machines run (10 to 14).
// A machine adds its own task states from id 15 on, and every transition out of its task states.
#pragma once

#include "biz/input/Biz_Input_State_Event.h"
#include "common/Common_State_Machine.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace N_Biz::N_Input::N_State {

class C_Machine_Edit : public N_Common::N_State::C_Machine {
public:
    enum E_Region : std::uint32_t {
        E_Region_Error = 0,
        E_Region_Input = 1,
        E_Region_Task = 2,
    };
    // State ids. The views, commands, panes and dialogs read them through M_Fn_Get_Id_Sub, so they
    // keep their values; each machine goes on with its own task states from 15.
    using E_Id = std::uint32_t;
    enum : E_Id {
        E_Id_Error_No = 1,
        E_Id_Error_Yes = 2,
        E_Id_Input_Idle = 3,
        E_Id_Input_Scale = 4,
        E_Id_Input_Rotate = 5,
        E_Id_Input_Translate = 6,
        E_Id_Input_Drag_Select = 7,
        E_Id_Input_Drag_Move = 8,
        E_Id_Task_Idle = 9,
        E_Id_Task_D_DB_C_M_Modify = 10,
        E_Id_Task_D_DB_C_P_Modify = 11,
        E_Id_Task_D_DB_C_P_Reconnect_C_S = 12,
        E_Id_Task_D_DB_C_P_Reconnect_C_M = 13,
        E_Id_Task_D_DB_C_P_Palette_Sel = 14,
    };

    // A guard of the input region: tests one input of the main view and may perform a step of the
    // running gesture; true takes the transition.
    using T_Guard_Input = std::function<bool(const C_Event_View_Main_On_Input&)>;
    // The machine's guards of the input region's transitions (drag-move is never entered nor left
    // by an input, so it has none).
    struct C_Guards_Input {
        T_Guard_Input m_Idle_Drag_Select; // idle to drag-select
        T_Guard_Input m_Idle_Translate;   // idle to translate
        T_Guard_Input m_Idle_Rotate;      // idle to rotate
        T_Guard_Input m_Idle_Scale;       // idle to scale
        T_Guard_Input m_Idle;             // idle, internal: the hover pick
        T_Guard_Input m_Rotate_Begin;     // scale or translate to rotate
        T_Guard_Input m_Scale_Idle;       // scale back to idle
        T_Guard_Input m_Rotate_Scale;     // rotate to scale
        T_Guard_Input m_Rotate_Idle;      // rotate back to idle
        T_Guard_Input m_Translate_Idle;   // translate back to idle
        T_Guard_Input m_Drag_Select_Idle; // drag-select back to idle
    };

protected:
    // Adds the states of the error and input regions and the task region's idle state, as the
    // machine's own classes: T_Sub (no entry of its own) for the error states, T_Input_Idle, one
    // T_Gesture for each gesture and drag state, T_Task_Idle.
    template <class T_Sub, class T_Input_Idle, class T_Gesture, class T_Task_Idle>
    void M_Fn_Init_Add_Sub_Common()
    {
        M_Fn_Init_Add_Sub(E_Id_Error_No, std::make_unique<T_Sub>());
        M_Fn_Init_Add_Sub(E_Id_Error_Yes, std::make_unique<T_Sub>());
        M_Fn_Init_Add_Sub(E_Id_Input_Idle, std::make_unique<T_Input_Idle>());
        for (E_Id id = E_Id_Input_Scale; id <= E_Id_Input_Drag_Move; ++id)
            M_Fn_Init_Add_Sub(id, std::make_unique<T_Gesture>());
        M_Fn_Init_Add_Sub(E_Id_Task_Idle, std::make_unique<T_Task_Idle>());
    }
    // Registers the three regions, the error region's transition, the input region's transitions
    // with the guards ro_Guards and the task idle state's own transitions. Call after every state
    // has been added.
    void M_Fn_Init_Register_Common(const C_Guards_Input& ro_Guards);

    // A transition on event E without guard and action; i_Kind as the engine's.
    template <class E>
    void M_Fn_Init_Plain(E_Id i_From, E_Id i_To, std::int32_t i_Kind)
    {
        M_Fn_Init_Register_Transition<E>(i_From, i_To, i_Kind, {}, {});
    }
    // A state-changing transition on event E whose guard takes no event argument (none: always).
    template <class E>
    void M_Fn_Init_Guarded(E_Id i_From, E_Id i_To, std::function<bool()> i_Fn_Guard)
    {
        M_Fn_Init_Register_Transition<E>(i_From, i_To, N_Common::N_State::C_Info_Transiton::S_Kind_Change,
                                         i_Fn_Guard ? std::function<bool(const E&)>([i_Fn_Guard](const E&) { return i_Fn_Guard(); })
                                                    : std::function<bool(const E&)>(),
                                         {});
    }
};

} // namespace N_Biz::N_Input::N_State
