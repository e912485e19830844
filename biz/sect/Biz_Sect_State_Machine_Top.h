// A section's editing machine: the regions, states and transitions of every editing machine
// (N_Biz::N_Input::N_State::C_Machine_Edit) with the section's own guards and task states. Events
// are posted to it through N_Common::N_State::C_Machine::M_Fn_Event_Process; see
// Biz_Sect_State_Event.h for the events.
//
// The input region turns the main view's input into navigation (scale, rotate, translate), the
// pick under the cursor and rectangle selection; the view manager performs the steps. The task
// region runs at most one editing task: a task's start guard may complete the task at once with
// what is already selected; otherwise the task state is entered, collects picks through the
// selection manager, and on each update of the selection set offers the selection to its
// operation until that reports 1. Cancel returns to idle with the select & edit mode's default
// selection; Apply changes nothing.
//
#pragma once

#include "biz/input/Biz_Input_State_Machine_Edit.h"
#include "biz/sect/Biz_Sect_State_Event.h"

#include <cstdint>
#include <functional>

namespace N_Biz::N_Sect {
class C_Sect;
class C_Mgr_Frame;
}

namespace N_Biz::N_Sect::N_State {

class C_Machine_Top : public N_Biz::N_Input::N_State::C_Machine_Edit {
public:
    // The machine's own task states (the ids below 15 are every editing machine's).
    enum : E_Id {
        E_Id_Task_D_Geom_Create_Point = 15,
        E_Id_Task_D_Geom_Create_Line = 16,
        E_Id_Task_D_Geom_Create_Arc = 17,
        E_Id_Task_D_Geom_Create_Conics = 18,
        E_Id_Task_D_Geom_Create_Spline = 19,
        E_Id_Task_D_Geom_Create_Weld = 20,
        E_Id_Task_D_Geom_Delete = 21,
        E_Id_Task_D_Geom_Modify = 22,
        E_Id_Task_D_Geom_Move_P_0 = 23,
        E_Id_Task_D_Geom_Move_P_1 = 24,
        E_Id_Task_D_Geom_E_Break_P_0 = 25,
        E_Id_Task_D_Geom_E_Break_P_1 = 26,
        E_Id_Task_D_Geom_E_Chamfer = 27,
        E_Id_Task_D_Geom_E_Corner = 28,
        E_Id_Task_D_Geom_E_Reconnect_C_P = 29,
        E_Id_Task_D_Geom_E_P_Palette_Sel = 30,
        E_Id_Task_D_Tess_E_P_Palette_Sel = 31,
    };

    // An operation a task offers the selection to: 1 when it has completed.
    using T_Fn_Op = int (*)(C_Sect&);

    C_Machine_Top();
    ~C_Machine_Top() override;

    // Registers the 31 states in id order, the three regions and the transitions. Called once by
    // the holder.
    void M_Fn_Init() override;
    // An event that no active state knows is a programming error of its poster: throws C_Exception.
    void M_Fn_On_No_Transition() override;
    // A new active state in region 0, 1 or 2 is announced to the section as change code 4, 5 or
    // 6 (through the holder); any other index throws C_Exception.
    void M_Fn_On_Sub_Change(int i_Region_Index) override;

    // --- task guards and the task action -----------------------------------------------------------
    // start: op on the current selection; 1 empties the selection set and refuses, else allows.
    bool M_Fn_Guard_Start(T_Fn_Op i_Fn_Op);
    // step: op; 1 gives the default reset of mode i_Mode and allows (the task ends), else refuses.
    bool M_Fn_Guard_Step(T_Fn_Op i_Fn_Op, std::uint32_t i_Mode);
    // finish: the default reset of mode i_Mode; allows.
    bool M_Fn_Guard_Finish(std::uint32_t i_Mode);
    // Allows when points or entities are selected.
    bool M_Fn_Guard_Geom_Selected();
    // Empties the selection set; refuses.
    bool M_Fn_Guard_Clear_Refuse();
    // The default reset of a select & edit mode (1, 2, 7 or 12): that pick mode, everything
    // cleared, rectangles allowed, Shift adds, Ctrl toggles, no forced adding, the mode's prompt.
    void M_Fn_Reset_Default(std::uint32_t i_Mode);

    // --- input guards ------------------------------------------------------------------------------
    bool M_Fn_Guard_Drag_Select(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Translate(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Rotate(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Scale(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Idle(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_To_Rotate(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Rotate_To_Scale(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Scale_End(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Rotate_End(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Translate_End(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Drag_End(const C_Event_View_Main_On_Input& ro_Event);

private:
    // The section (the machine's context); C_Exception when the machine serves none.
    C_Sect& M_Fn_Sect() const;
    // The end tests of the navigation states: allows on the ending input i_Kind_End or the mouse
    // leaving the view; otherwise performs one navigation step and refuses.
    bool M_Fn_Guard_Nav_End(const C_Event_View_Main_On_Input& ro_Event, std::int32_t i_Kind_End,
                            void (C_Mgr_Frame::*i_Fn_Step)());
};

} // namespace N_Biz::N_Sect::N_State
