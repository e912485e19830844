// The states of the project's editing machine. Each is a machine without regions of its own; its
// context is the machine holder (C_Mgr_State), through which it reaches the project. Only the
// entry operation is overridden, where a state has one:
//   - the input states: those of every editing machine (Biz_Input_State_Machine_Sub.h);
//   - Task_Idle: the display options applied to the project view again;
//   - the task states: the select & edit mode of the task (pick kind, selection flags, prompt),
//     with or without clearing the picks; the position tasks pick nodes or screen positions by
//     the option "Point Select Mode" (any other value of the option throws C_Exception).
// With no project (a holder made without one) the entry operations do nothing.
#pragma once

#include "biz/input/Biz_Input_State_Machine_Sub.h"

#include <cstdint>

namespace N_Biz::N_Proj {
class C_Mgr_State;
class C_Proj;
} // namespace N_Biz::N_Proj

namespace N_Biz::N_Proj::N_State {

// Base of every state of the project machine (the error states are plain ones).
class C_Machine_Sub : public N_Biz::N_Input::N_State::C_Machine_Sub_Of<C_Mgr_State> {
public:
    // The project through the holder; null when there is none.
    C_Proj* M_Fn_Get_Proj() const;
};

using C_Machine_Input_Idle = N_Biz::N_Input::N_State::C_Machine_Input_Idle_Of<C_Machine_Sub, &C_Machine_Sub::M_Fn_Get_Proj>;
using C_Machine_Input_Gesture =
    N_Biz::N_Input::N_State::C_Machine_Input_Gesture_Of<C_Machine_Sub, &C_Machine_Sub::M_Fn_Get_Proj>;

class C_Machine_Task_Idle : public C_Machine_Sub {
public:
    void M_Fn_On_Entry() override;
};

// What a task collects: the selection mode its entry sets.
struct C_Task_Collect {
    bool m_Clear;           // current pick and selection set emptied first
    std::uint32_t m_Flags;  // selection flags (C_Mgr_Sel::E_Flag_*)
    std::uint32_t m_Mode;   // pick kind
    const wchar_t* m_Prompt;
};

// A task state: its entry sets the task's selection mode.
class C_Machine_Task : public C_Machine_Sub {
public:
    explicit C_Machine_Task(const C_Task_Collect& ro_Collect) : m_Collect(ro_Collect) {}
    void M_Fn_On_Entry() override;

protected:
    // Sets the selection mode of ro_Collect.
    void M_Fn_Collect(const C_Task_Collect& ro_Collect);

private:
    C_Task_Collect m_Collect;
};

// A task state that collects positions: nodes or screen positions by "Point Select Mode".
class C_Machine_Task_Pos : public C_Machine_Task {
public:
    C_Machine_Task_Pos(const C_Task_Collect& ro_Screen, const C_Task_Collect& ro_Nodes, const char* i_Function)
        : C_Machine_Task(ro_Screen), m_Screen(ro_Screen), m_Nodes(ro_Nodes), m_Function(i_Function)
    {
    }
    void M_Fn_On_Entry() override;

private:
    C_Task_Collect m_Screen;
    C_Task_Collect m_Nodes;
    const char* m_Function;
};

#define VT_PROJ_TASK(i_Name, i_Clear, i_Flags, i_Mode, i_Prompt)                                                      \
    class i_Name : public C_Machine_Task {                                                                             \
    public:                                                                                                            \
        i_Name() : C_Machine_Task({i_Clear, i_Flags, i_Mode, i_Prompt}) {}                                             \
    };

VT_PROJ_TASK(C_Machine_Task_D_DB_C_M_Modify, true, 0, 1, L"Select a material you want to modify.")
VT_PROJ_TASK(C_Machine_Task_D_DB_C_P_Modify, true, 0, 2, L"Select a property you want to modify.")
VT_PROJ_TASK(C_Machine_Task_D_DB_C_P_Reconnect_C_S, true, 1, 2, L"Select properties you want to change connected section.")
VT_PROJ_TASK(C_Machine_Task_D_DB_C_P_Reconnect_C_M, true, 1, 2,
             L"Select properties you want to change connected material.")
VT_PROJ_TASK(C_Machine_Task_D_DB_C_P_Palette_Sel, true, 0, 2, L"Select a property into the palette.")
VT_PROJ_TASK(C_Machine_Task_D_DB_N_Set_Center, true, 0, 4, L"Specify rotate center.")
VT_PROJ_TASK(C_Machine_Task_D_DB_N_Modify, true, 0, 5, L"Select the node you want to modify.")
VT_PROJ_TASK(C_Machine_Task_D_DB_E_Modify, true, 0, 6, L"Select an element you want to modify.")
VT_PROJ_TASK(C_Machine_Task_D_DB_E_Reconnect_C_P, true, 1, 6, L"Select elements you want to change connected property.")
VT_PROJ_TASK(C_Machine_Task_D_DB_E_P_Palette_Sel, true, 0, 6, L"Select an element to pick its property into the palette.")
VT_PROJ_TASK(C_Machine_Task_D_Sect_Group_Redirect_P_0, true, 0, 8, L"Select a section to adjust its group.")
VT_PROJ_TASK(C_Machine_Task_D_Sect_Group_Redirect_P_1, false, 0, 0, L"Rotate view to adjust the section direction.")
VT_PROJ_TASK(C_Machine_Task_D_Sect_Individual_Insert_P_0, true, 0, 8, L"Select a section to insert beside.")
VT_PROJ_TASK(C_Machine_Task_D_Sect_Individual_Move_P_0, true, 0, 8, L"Select section you want to move.")
VT_PROJ_TASK(C_Machine_Task_D_Sect_Individual_Delete, true, 1, 8, L"Select sections to delete.")
VT_PROJ_TASK(C_Machine_Task_D_Sect_Individual_Cut, true, 1, 8, L"Select sections to cut.")
VT_PROJ_TASK(C_Machine_Task_D_Sect_Individual_Copy, true, 1, 8, L"Select sections to copy.")
VT_PROJ_TASK(C_Machine_Task_D_Sect_Individual_Paste, true, 0, 8, L"Select a section to paste beside.")

#undef VT_PROJ_TASK

// The axis of a new group: screen positions each add, nodes each toggle.
class C_Machine_Task_D_Sect_Group_Create : public C_Machine_Task_Pos {
public:
    C_Machine_Task_D_Sect_Group_Create();
};
// The position of an inserted section (the section beside it stays selected).
class C_Machine_Task_D_Sect_Individual_Insert_P_1 : public C_Machine_Task_Pos {
public:
    C_Machine_Task_D_Sect_Individual_Insert_P_1();
};
// The new position of a moved section (the section stays selected).
class C_Machine_Task_D_Sect_Individual_Move_P_1 : public C_Machine_Task_Pos {
public:
    C_Machine_Task_D_Sect_Individual_Move_P_1();
};

} // namespace N_Biz::N_Proj::N_State
