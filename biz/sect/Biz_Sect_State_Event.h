// The events of a section's editing machine (N_Biz::N_Sect::N_State::C_Machine_Top): those of every
// editing machine and the start events of the section's own tasks.
#pragma once

#include "biz/input/Biz_Input_State_Event.h"

namespace N_Biz::N_Sect::N_State {

// The events every editing machine takes (view input, selection updates, cancel, apply and the
// card tasks) are N_Biz::N_Input::N_State's. Apply is consumed by every task state and changes
// nothing.
using namespace N_Biz::N_Input::N_State;

// Start the editing task of their name (posted after a cancel).
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
