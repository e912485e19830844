// The project's editing machine: the regions, states and transitions of every editing machine
// (N_Biz::N_Input::N_State::C_Machine_Edit) with the project's own guards and task states. Events
// are posted through the holder (C_Mgr_State) or N_Common::N_State::C_Machine::M_Fn_Event_Process;
// see Biz_Proj_State_Event.h.
//
// The input region turns the project view's mouse input into the hover pick, picks on the
// left-button release, drag selection and the view gestures; the view manager (C_Mgr_Frame)
// performs the steps and keeps in its gesture mode how a gesture began, and so which release ends
// it: 1 with Ctrl (left drag rotates, middle scales, right translates), 2 the right button with
// Alt, 3 the middle button alone. While an Alt-right or middle gesture translates, a left press
// (for the middle gesture also a right press) rotates and its release scales; the button that
// began the gesture ends it, and the mouse leaving the view ends any gesture.
//
// The task region runs at most one editing task. A task's start guard may do the work at once
// with what is already selected (then the selection set is cleared and the task is not entered);
// otherwise the task state is entered, collects picks, and on each update of the selection set
// offers the selection to its operation until that reports 1, which restores the select & edit
// mode of the task's kind and returns to idle. Cancel returns any task to idle the same way; Apply
// runs the group creation and the group redirection (whatever they answer) and is consumed
// everywhere else. Insert, move and redirect have a first phase that selects the section.
#pragma once

#include "biz/input/Biz_Input_State_Machine_Edit.h"
#include "biz/proj/Biz_Proj_State_Event.h"

#include <cstdint>

namespace N_Biz::N_Proj {
class C_Mgr_Frame;
class C_Proj;
} // namespace N_Biz::N_Proj

namespace N_Biz::N_Proj::N_State {

class C_Machine_Top : public N_Biz::N_Input::N_State::C_Machine_Edit {
public:
    // The machine's own task states (the ids below 15 are every editing machine's).
    enum : E_Id {
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

    // Registers the 30 states in id order, the three regions and the transitions. Called once by
    // the holder.
    void M_Fn_Init() override;
    // An event that no active state knows is a programming error of its poster: throws C_Exception.
    void M_Fn_On_No_Transition() override;
    // A new active state in region 0, 1 or 2 is announced on the project's signal with code 7, 8
    // or 9; any other index throws C_Exception.
    void M_Fn_On_Sub_Change(int i_Region_Index) override;

    // Sets the select & edit mode i_Mode (1 materials, 2 properties, 5 nodes, 6 elements, 7 model,
    // 8 sections) as the mode switches set it: the picks cleared, Shift adding and Ctrl toggling
    // on several objects (nodes and model: single picks that replace), the mode's prompt. Any
    // other mode throws C_Exception.
    static void S_Fn_Sel_Mode_Edit_Set(C_Proj& ro_Proj, std::uint32_t i_Mode);

    // --- task guards and actions (i_Id_Task: the task state they serve) ----------------------------
    // Start (from idle): the task's operation; 1 clears the selection set and refuses, else accepts.
    bool M_Fn_Guard_Task_Start(std::uint32_t i_Id_Task);
    // Done (on a selection update): the task's operation (none for cut, copy and paste); 1 restores
    // the task's select & edit mode and accepts, else refuses.
    bool M_Fn_Guard_Task_Done(std::uint32_t i_Id_Task);
    // Phase (into phase 1 state i_Id_Task, 22, 24 or 26): redirect accepts with exactly one section
    // selected; insert and move accept when their switch to phase 1 answers 1.
    bool M_Fn_Guard_Task_Phase(std::uint32_t i_Id_Task);
    // Cut, copy and paste from idle: clears the selection set and refuses.
    bool M_Fn_Guard_Task_Refuse();
    // Cancel: restores the task's select & edit mode.
    void M_Fn_Action_Task_Cancel(std::uint32_t i_Id_Task);
    // Apply (group creation and redirection): the task's operation, whatever it answers, then the
    // sections mode.
    void M_Fn_Action_Task_Apply(std::uint32_t i_Id_Task);

    // --- input guards --------------------------------------------------------------------------------
    bool M_Fn_Guard_Input_Idle_Drag_Select(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Idle_Translate(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Idle_Rotate(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Idle_Scale(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Idle(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Rotate_Begin(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Scale_Idle(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Rotate_Scale(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Rotate_Idle(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Translate_Idle(const C_Event_View_Main_On_Input& ro_Event);
    bool M_Fn_Guard_Input_Drag_Select_Idle(const C_Event_View_Main_On_Input& ro_Event);

private:
    // The project (through the holder); C_Exception when the machine serves none.
    C_Proj& M_Fn_Proj() const;
    // The end test of a gesture state: accepts on the ending input i_Kind_End or the mouse leaving
    // the view; otherwise one step of the gesture and refuses.
    bool M_Fn_Guard_Input_End(const C_Event_View_Main_On_Input& ro_Event, std::int32_t i_Kind_End,
                              void (C_Mgr_Frame::*i_Fn_Step)());
};

} // namespace N_Biz::N_Proj::N_State
