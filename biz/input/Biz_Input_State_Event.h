// The events that every editing machine takes: the project's machine and each section's machine
// (N_Biz::N_Proj::N_State and N_Biz::N_Sect::N_State name them as their own through a using
// directive, beside the task events that only one of them has). Events are plain values, copied
// into the machine's queue when posted; only the view input carries data, a shared reference to
// its input record, so that a queued event keeps the record alive.
#pragma once

#include "biz/input/Biz_Input.h"

#include <memory>

namespace N_Biz::N_Input::N_State {

// The error region's event (nothing in the program posts it).
class C_Event_Error_Occurred {};

// One mouse or keyboard input of the machine's main view, posted by its view manager (input
// region).
class C_Event_View_Main_On_Input {
public:
    std::shared_ptr<N_Biz::N_Input::C_Input> m_sp_Input;
};

// The select & edit mode (pick mode and prompt) was set again by the selection manager (input
// region): ends a drag selection.
class C_Event_Sel_Mode_Update {};

// The selection set was updated by a click, a rectangle or a typed position, also by an update
// that changed nothing (task region): the running task offers the selection to its operation.
class C_Event_Sel_P1_Update {};

// Ends the running editing task and returns the task region to its idle state. Posted before every
// command that starts a task or changes the data outside a task, and by the undo history before it
// undoes or redoes an edit.
class C_Event_C_Cancel {};

// The document's Apply (Enter); what it does is each task state's own.
class C_Event_C_Apply {};

// Start the editing tasks on cards that both machines run.
class C_Event_D_DB_C_M_Modify {};
class C_Event_D_DB_C_P_Modify {};
class C_Event_D_DB_C_P_Reconnect_C_S {};
class C_Event_D_DB_C_P_Reconnect_C_M {};
class C_Event_D_DB_C_P_Palette_Sel {};

} // namespace N_Biz::N_Input::N_State
