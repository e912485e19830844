// The states of a section's editing machine. Each is a machine without regions of its own; its
// context is the machine holder (C_Mgr_State), through which it reaches the section. Only the
// entry operation is overridden, where a state has one:
//   - the input states: those of every editing machine (Biz_Input_State_Machine_Sub.h);
//   - the task states: the selection manager reset to the task's pick mode, option switches and
//     prompt (Shift-adds and Ctrl-toggles are off in every task).
// With no section (a holder made without one) the entry operations do nothing.
#pragma once

#include "biz/input/Biz_Input_State_Machine_Sub.h"

#include <cstdint>

namespace N_Biz::N_Sect {
class C_Mgr_State;
class C_Sect;
} // namespace N_Biz::N_Sect

namespace N_Biz::N_Sect::N_State {

// Base of every state of the section machine (the error states and the task region's idle state
// are plain ones).
class C_Machine_Sub : public N_Biz::N_Input::N_State::C_Machine_Sub_Of<C_Mgr_State> {
public:
    // The section through the holder; null when there is none.
    C_Sect* M_Fn_Get_Sect() const;
};

using C_Machine_Input_Idle = N_Biz::N_Input::N_State::C_Machine_Input_Idle_Of<C_Machine_Sub, &C_Machine_Sub::M_Fn_Get_Sect>;
using C_Machine_Input_Gesture =
    N_Biz::N_Input::N_State::C_Machine_Input_Gesture_Of<C_Machine_Sub, &C_Machine_Sub::M_Fn_Get_Sect>;

// What a task collects: the selection manager's settings that its entry applies.
struct C_Task_Collect {
    std::uint32_t m_Mode;   // pick mode
    bool m_Clear;           // current pick and selection set emptied
    bool m_Rect;            // rectangle selection allowed
    bool m_Force_Add;       // every pick is added
    const wchar_t* m_Prompt;
};

// A task state: its entry resets the selection manager with the task's collection settings.
class C_Machine_Task : public C_Machine_Sub {
public:
    explicit C_Machine_Task(const C_Task_Collect& ro_Collect) : m_Collect(ro_Collect) {}
    void M_Fn_On_Entry() override;
    const C_Task_Collect& M_Fn_Collect_Get() const { return m_Collect; }

private:
    C_Task_Collect m_Collect;
};

#define VT_SECT_TASK(i_Name, i_Mode, i_Clear, i_Rect, i_Force, i_Prompt)                                          \
    class i_Name : public C_Machine_Task {                                                                         \
    public:                                                                                                        \
        i_Name() : C_Machine_Task({i_Mode, i_Clear, i_Rect, i_Force, i_Prompt}) {}                                 \
    };

VT_SECT_TASK(C_Machine_Task_D_DB_C_M_Modify, 1, true, false, false, L"Select a material you want to modify.")
VT_SECT_TASK(C_Machine_Task_D_DB_C_P_Modify, 2, true, false, false, L"Select a property you want to modify.")
VT_SECT_TASK(C_Machine_Task_D_DB_C_P_Reconnect_C_S, 2, true, true, false,
             L"Select properties you want to change connected section.")
VT_SECT_TASK(C_Machine_Task_D_DB_C_P_Reconnect_C_M, 2, true, true, false,
             L"Select properties you want to change connected material.")
VT_SECT_TASK(C_Machine_Task_D_DB_C_P_Palette_Sel, 2, true, false, false, L"Select a property into the palette.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Create_Point, 3, true, false, true, L"Specify points to create.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Create_Line, 4, true, false, true, L"Specify points to create line.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Create_Arc, 4, true, false, true, L"Specify points to create arc.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Create_Conics, 4, true, false, true, L"Specify points to create conics.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Create_Spline, 4, true, false, true, L"Specify points to create spline.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Create_Weld, 3, true, false, true, L"Specify points to create weld.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Delete, 7, true, true, false, L"Select geometries you want to delete.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Modify, 7, true, false, false, L"Select the geometry you want to modify.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Move_P_0, 7, true, true, false, L"Select geometries you want to move.")
VT_SECT_TASK(C_Machine_Task_D_Geom_Move_P_1, 3, false, false, true, L"Specify position to move.")
VT_SECT_TASK(C_Machine_Task_D_Geom_E_Break_P_0, 6, true, false, false, L"Select the entity you want to break.")
VT_SECT_TASK(C_Machine_Task_D_Geom_E_Break_P_1, 3, false, false, false, L"Specify position to break.")
VT_SECT_TASK(C_Machine_Task_D_Geom_E_Chamfer, 6, true, true, false, L"Select entities you want to chamfer.")
VT_SECT_TASK(C_Machine_Task_D_Geom_E_Corner, 6, true, true, false, L"Select entities you want to corner.")
VT_SECT_TASK(C_Machine_Task_D_Geom_E_Reconnect_C_P, 6, true, true, false,
             L"Select entities you want to change connected property.")
VT_SECT_TASK(C_Machine_Task_D_Geom_E_P_Palette_Sel, 6, true, false, false,
             L"Select an entity to pick its property into the palette.")
VT_SECT_TASK(C_Machine_Task_D_Tess_E_P_Palette_Sel, 11, true, false, false,
             L"Select an element to pick its property into the palette.")

#undef VT_SECT_TASK

} // namespace N_Biz::N_Sect::N_State
