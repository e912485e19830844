// The events of a section's editing machine (N_Biz::N_Sect::N_State::C_Machine_Top). Events are
// plain values, copied into the machine's queue when posted; only the view input carries data, a
// shared reference to its input record, so that a queued event keeps the record alive.
#pragma once

#include "biz/input/Biz_Input.h"

#include <memory>

namespace N_Biz::N_Sect::N_State {

// The error region's event (nothing in the program posts it).
class C_Event_Error_Occurred {};

// One input of the section's main view, posted by the view manager (input region).
class C_Event_View_Main_On_Input {
public:
    std::shared_ptr<N_Biz::N_Input::C_Input> m_sp_Input;
};

// The selection manager's pick mode and prompt were reset (input region): ends a rectangle drag.
class C_Event_Sel_Mode_Update {};
// The selection set was updated by a click, a rectangle or a typed position (task region): the
// running task offers the selection to its operation.
class C_Event_Sel_P1_Update {};

// Ends the running editing task and returns the task region to its idle state. Posted before
// every command that starts a task or changes the section outside a task, and by the undo history
// before it undoes or redoes an edit of the section.
class C_Event_C_Cancel {};
// The document's Apply (Enter): consumed by every task state; changes nothing.
class C_Event_C_Apply {};

// Start the editing task of their name (posted after a cancel).
class C_Event_D_DB_C_M_Modify {};
class C_Event_D_DB_C_P_Modify {};
class C_Event_D_DB_C_P_Reconnect_C_S {};
class C_Event_D_DB_C_P_Reconnect_C_M {};
class C_Event_D_DB_C_P_Palette_Sel {};
class C_Event_D_Geom_Create_Point {};
class C_Event_D_Geom_Create_Line {};
class C_Event_D_Geom_Create_Arc {};
class C_Event_D_Geom_Create_Conics {};
class C_Event_D_Geom_Create_Spline {};
class C_Event_D_Geom_Create_Weld {};
class C_Event_D_Geom_Delete {};
class C_Event_D_Geom_Modify {};
class C_Event_D_Geom_Move {};
class C_Event_D_Geom_E_Break {};
class C_Event_D_Geom_E_Chamfer {};
class C_Event_D_Geom_E_Corner {};
class C_Event_D_Geom_E_Reconnect_C_P {};
class C_Event_D_Geom_E_P_Palette_Sel {};
class C_Event_D_Tess_E_P_Palette_Sel {};

} // namespace N_Biz::N_Sect::N_State
