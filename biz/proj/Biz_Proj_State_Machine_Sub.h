// The states of the project's editing machine. Each is a machine without regions of its own; its
// context is the machine holder (C_Mgr_State), through which it reaches the project.
#pragma once

#include "common/Common_State_Machine.h"

namespace N_Biz::N_Proj {
class C_Mgr_State;
}

namespace N_Biz::N_Proj::N_State {

// Base of every state of the project machine.
class C_Machine_Sub : public N_Common::N_State::C_Machine {
public:
    // The holder of the project's machine (null before the state is added to the machine).
    C_Mgr_State* M_Fn_Get_Mgr_State() const { return static_cast<C_Mgr_State*>(M_Fn_Get_Context()); }
};

// Error region: no error (initial state of region 0).
class C_Machine_Error_No : public C_Machine_Sub {};

// Input region: no view gesture under way (initial state of region 1).
class C_Machine_Input_Idle : public C_Machine_Sub {};

// Task region: no editing task running (initial state of region 2).
class C_Machine_Task_Idle : public C_Machine_Sub {};

} // namespace N_Biz::N_Proj::N_State
