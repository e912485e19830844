// The events of the project's editing machine (N_Biz::N_Proj::N_State::C_Machine_Top): those of
// every editing machine and the start events of the project's own tasks.
//
// Every poster of a task start event (material modify to section delete) posts C_Event_C_Cancel
// first and the start event right after it, so a start event always finds the task region idle.
#pragma once

#include "biz/input/Biz_Input_State_Event.h"

namespace N_Biz::N_Proj::N_State {

// The events every editing machine takes (view input, selection updates, cancel, apply and the
// card tasks) are N_Biz::N_Input::N_State's. Apply runs the group creation and the group
// redirection; every other state consumes it.
using namespace N_Biz::N_Input::N_State;

// Start the editing task of their name.
class C_Event_D_DB_N_Set_Center {};
class C_Event_D_DB_N_Modify {};
class C_Event_D_DB_E_Modify {};
class C_Event_D_DB_E_Reconnect_C_P {};
class C_Event_D_DB_E_P_Palette_Sel {};
class C_Event_D_Sect_Group_Create {};
class C_Event_D_Sect_Group_Redirect {};
class C_Event_D_Sect_Individual_Insert {};
class C_Event_D_Sect_Individual_Move {};
class C_Event_D_Sect_Individual_Delete {};
// Cut, copy and paste of sections: nothing posts them; in the idle task region they only clear
// the selection set.
class C_Event_D_Sect_Individual_Cut {};
class C_Event_D_Sect_Individual_Copy {};
class C_Event_D_Sect_Individual_Paste {};

} // namespace N_Biz::N_Proj::N_State
