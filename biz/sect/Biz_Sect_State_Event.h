// The events of a section's editing machine (N_Biz::N_Sect::N_State::C_Machine_Top). Events are
// plain values, copied into the machine's queue when posted.
#pragma once

namespace N_Biz::N_Sect::N_State {

// Ends the running editing task and returns the task region to its idle state. Posted before
// every command that starts a task or changes the section outside a task, and by the undo history
// before it undoes or redoes an edit of the section.
class C_Event_C_Cancel {};

// Start the editing task of their name (posted by the section's task starters after a cancel).
class C_Event_D_Geom_Create_Point {};
class C_Event_D_Geom_Create_Line {};
class C_Event_D_Geom_Create_Arc {};
class C_Event_D_Geom_Create_Conics {};
class C_Event_D_Geom_Create_Spline {};
class C_Event_D_Geom_Create_Weld {};
class C_Event_D_Geom_Delete {};
class C_Event_D_Geom_Modify {};
class C_Event_D_Geom_Move {};
class C_Event_D_Geom_E_P_Palette_Sel {};

} // namespace N_Biz::N_Sect::N_State
