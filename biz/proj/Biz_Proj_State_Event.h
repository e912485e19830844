// The events of the project's editing machine (N_Biz::N_Proj::N_State::C_Machine_Top). Events are
// plain values, copied into the machine's queue when posted.
#pragma once

#include "biz/input/Biz_Input.h"

#include <memory>

namespace N_Biz::N_Proj::N_State {

// One mouse or keyboard input of the project's main view; the event keeps the record alive until
// it has been processed.
class C_Event_View_Main_On_Input {
public:
    std::shared_ptr<N_Biz::N_Input::C_Input> m_sp_Input;
};

// Ends the running editing task and returns the task region to its idle state. Posted before every
// command that starts a task or changes the project outside a task, and by the undo history before
// it undoes or redoes a project edit.
class C_Event_C_Cancel {};

// The select & edit mode changed (posted by the selection manager after it set the mode).
class C_Event_Sel_Mode_Update {};

// The selection set was updated (also by an update that changed nothing).
class C_Event_Sel_P1_Update {};

} // namespace N_Biz::N_Proj::N_State
