// The project's editing machine: three regions side by side, error (0), input (1) and task (2),
// each starting in its idle state. Events are posted through the holder (C_Mgr_State) or
// N_Common::N_State::C_Machine::M_Fn_Event_Process; see Biz_Proj_State_Event.h.
//
// The state ids and region indices are read by the views, the tree commands and the panes through
// M_Fn_Get_Id_Sub and keep their values (ids 1 to 30). The view gestures and the editing tasks are
// registered here as they are built; for now the machine knows the idle states: the idle input
// state hands the view's input to the view (hover pick, picks on release, selection update) and
// swallows a mode update; the idle task state swallows a cancel and a selection update.
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
        E_Id_Error_Yes = 2,
        E_Id_Input_Idle = 3,
        E_Id_Input_Scale = 4,
        E_Id_Input_Rotate = 5,
        E_Id_Input_Translate = 6,
        E_Id_Input_Drag_Select = 7,
        E_Id_Input_Drag_Move = 8,
        E_Id_Task_Idle = 9,
        E_Id_Task_D_DB_C_M_Modify = 10,
        E_Id_Task_D_DB_C_P_Modify = 11,
        E_Id_Task_D_DB_C_P_Reconnect_C_S = 12,
        E_Id_Task_D_DB_C_P_Reconnect_C_M = 13,
        E_Id_Task_D_DB_C_P_Palette_Sel = 14,
        E_Id_Task_D_DB_N_Set_Center = 15,
        E_Id_Task_D_DB_N_Modify = 16,
        E_Id_Task_D_DB_E_Modify = 17,
        E_Id_Task_D_DB_E_Reconnect_C_P = 18,
        E_Id_Task_D_DB_E_P_Palette_Sel = 19,
        E_Id_Task_D_Sect_Group_Create = 20,
        E_Id_Task_D_Sect_Group_Redirect_P_0 = 21,
        E_Id_Task_D_Sect_Group_Redirect_P_1 = 22,
        E_Id_Task_D_Sect_Individual_Insert_P_0 = 23,
        E_Id_Task_D_Sect_Individual_Insert_P_1 = 24,
        E_Id_Task_D_Sect_Individual_Move_P_0 = 25,
        E_Id_Task_D_Sect_Individual_Move_P_1 = 26,
        E_Id_Task_D_Sect_Individual_Delete = 27,
        E_Id_Task_D_Sect_Individual_Cut = 28,
        E_Id_Task_D_Sect_Individual_Copy = 29,
        E_Id_Task_D_Sect_Individual_Paste = 30,
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
