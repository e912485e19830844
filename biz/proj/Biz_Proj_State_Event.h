// The events of the project's editing machine (N_Biz::N_Proj::N_State::C_Machine_Top). Events are
// plain values, copied into the machine's queue when posted; only the view input carries data.
//
// Every poster of a task start event (material modify to section delete) posts C_Event_C_Cancel
// first and the start event right after it, so a start event always finds the task region idle.
#pragma once

#include "biz/input/Biz_Input.h"

#include <memory>

namespace N_Biz::N_Proj::N_State {

// The error region's event (nothing in the program posts it).
class C_Event_Error_Occurred {};

// One mouse or keyboard input of the project's main view; the event keeps the record alive until
// it has been processed.
class C_Event_View_Main_On_Input {
public:
    std::shared_ptr<N_Biz::N_Input::C_Input> m_sp_Input;
};

// The select & edit mode changed (posted by the selection manager after it set the mode): ends a
// drag selection.
class C_Event_Sel_Mode_Update {};

// The selection set was updated (also by an update that changed nothing): the running task offers
// the selection to its operation.
class C_Event_Sel_P1_Update {};

// Ends the running editing task and returns the task region to its idle state. Posted before every
// command that starts a task or changes the project outside a task, and by the undo history before
// it undoes or redoes a project edit.
class C_Event_C_Cancel {};

// The document's Apply (Enter): runs the group creation and the group redirection; every other
// state consumes it.
class C_Event_C_Apply {};

// Start the editing task of their name.
class C_Event_D_DB_C_M_Modify {};
class C_Event_D_DB_C_P_Modify {};
class C_Event_D_DB_C_P_Reconnect_C_S {};
class C_Event_D_DB_C_P_Reconnect_C_M {};
class C_Event_D_DB_C_P_Palette_Sel {};
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
