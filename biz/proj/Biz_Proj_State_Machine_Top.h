// The project's editing machine: three regions side by side, error (0), input (1) and task (2),
// each starting in its idle state. Events are posted through the holder (C_Mgr_State) or
// N_Common::N_State::C_Machine::M_Fn_Event_Process; see Biz_Proj_State_Event.h.
//
// The state ids and region indices are read by the views, the tree commands and the panes through
// M_Fn_Get_Id_Sub and keep their values (ids 1 to 30). The view gestures and the editing tasks are
// registered here as they are built; for now the machine knows the idle states, swallows a mode
// update in the idle input state and a cancel in the idle task state.
#pragma once

#include "common/Common_State_Machine.h"

#include <cstdint>

namespace N_Biz::N_Proj::N_State {

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
    // A new active state in region 0, 1 or 2 is announced on the project's signal with code 7, 8
    // or 9; any other index throws C_Exception.
    void M_Fn_On_Sub_Change(int i_Region_Index) override;
};

} // namespace N_Biz::N_Proj::N_State
