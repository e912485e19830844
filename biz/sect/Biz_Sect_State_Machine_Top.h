// A section's editing machine: three regions side by side, error (0), input (1) and task (2),
// each starting in its idle state. Events are posted to it through
// N_Common::N_State::C_Machine::M_Fn_Event_Process; see Biz_Sect_State_Event.h for the events.
//
// The state ids and region indices are read by the views and dialogs through M_Fn_Get_Id_Sub and
// keep their values. The editing tasks, the input gestures and the error state are registered
// here as they are built, in id order (ids 1 to 31); for now the machine knows the idle states and
// consumes C_Event_C_Cancel in the idle task state.
#pragma once

#include "common/Common_State_Machine.h"

#include <cstdint>

namespace N_Biz::N_Sect::N_State {

class C_Machine_Top : public N_Common::N_State::C_Machine {
public:
    enum E_Region : std::uint32_t {
        E_Region_Error = 0,
        E_Region_Input = 1,
        E_Region_Task = 2,
    };
    enum E_Id : std::uint32_t {
        E_Id_Error_No = 1,
        E_Id_Input_Idle = 3,
        E_Id_Task_Idle = 9,
    };

    C_Machine_Top();
    ~C_Machine_Top() override;

    // Registers the states, the three regions and the transitions. Called once by the holder.
    void M_Fn_Init() override;
    // An event that no active state knows is a programming error of its poster: throws C_Exception.
    void M_Fn_On_No_Transition() override;
    // A new active state in region 0, 1 or 2 is announced to the section as change code 4, 5 or
    // 6 (through the holder); any other index throws C_Exception.
    void M_Fn_On_Sub_Change(int i_Region_Index) override;
};

} // namespace N_Biz::N_Sect::N_State
