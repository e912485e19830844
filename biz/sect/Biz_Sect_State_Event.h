// The events of a section's editing machine (N_Biz::N_Sect::N_State::C_Machine_Top). Events are
// plain values, copied into the machine's queue when posted.
#pragma once

namespace N_Biz::N_Sect::N_State {

// Ends the running editing task and returns the task region to its idle state. Posted before
// every command that starts a task or changes the section outside a task, and by the undo history
// before it undoes or redoes an edit of the section.
class C_Event_C_Cancel {};

} // namespace N_Biz::N_Sect::N_State
