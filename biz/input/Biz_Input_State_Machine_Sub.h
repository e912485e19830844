// The states that every editing machine has in its input region, over the machine's own state
// base. A machine's state is a machine without regions of its own whose context is the machine's
// holder (the project's or a section's C_Mgr_State), set when the state is added to the machine;
// through the holder it reaches its owner, the project or the section, whose view manager
// (M_Fn_Get_Mgr_Frame) and selection manager (M_Fn_Get_Mgr_Sel) the entries use. With no owner (a
// holder made without one) the entries do nothing.
#pragma once

#include "common/Common_State_Machine.h"

#include <type_traits>

namespace N_Biz::N_Input::N_State {

// The base of a machine's states, whose holder is a T_Holder.
template <class T_Holder>
class C_Machine_Sub_Of : public N_Common::N_State::C_Machine {
public:
    // The holder of the machine (null before the state is added to the machine).
    T_Holder* M_Fn_Get_Mgr_State() const { return static_cast<T_Holder*>(M_Fn_Get_Context()); }
};

// The input region's idle state of a machine whose states derive from T_Sub; V_Fn_Owner, a member
// of T_Sub, gives the owner or null. Entering it makes the hover pick pending again (the rectangle
// pick no longer) and has the owner's main view drawn anew.
template <class T_Sub, auto V_Fn_Owner>
class C_Machine_Input_Idle_Of : public T_Sub {
public:
    void M_Fn_On_Entry() override
    {
        auto* p_owner = (this->*V_Fn_Owner)();
        if (!p_owner)
            return;
        auto& frame = p_owner->M_Fn_Get_Mgr_Frame();
        using T_Frame = std::remove_reference_t<decltype(frame)>;
        frame.m_Flags = (frame.m_Flags | T_Frame::E_Flag_Pick_Cover) & ~T_Frame::E_Flag_Pick_Drag;
        frame.M_Fn_View_Main_Redraw();
    }
};

// Each gesture and drag state of the input region (scale, rotate, translate, drag-select,
// drag-move): entering it clears the owner's current pick.
template <class T_Sub, auto V_Fn_Owner>
class C_Machine_Input_Gesture_Of : public T_Sub {
public:
    void M_Fn_On_Entry() override
    {
        if (auto* p_owner = (this->*V_Fn_Owner)())
            p_owner->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P0_Clear();
    }
};

} // namespace N_Biz::N_Input::N_State
