// A wheel record as the views' windows make them, for the tests that zoom a view.
#pragma once

#include "biz/input/Biz_Input.h"

#include <cstdint>
#include <memory>

// A wheel record at (i_X, i_Y) of i_Notches whole notches (negative: towards the user) with Ctrl
// held.
inline std::shared_ptr<N_Biz::N_Input::C_Input> G_Fn_Input_Wheel_Ctrl(std::int32_t i_X, std::int32_t i_Y, int i_Notches)
{
    auto sp = std::make_shared<N_Biz::N_Input::C_Input>();
    sp->m_Kind = N_Biz::N_Input::E_Kind_Wheel;
    sp->m_X = i_X;
    sp->m_Y = i_Y;
    sp->m_Flags = N_Biz::N_Input::E_Flag_Ctrl;
    sp->m_Wheel_Angle = N_Biz::N_Input::C_Input::S_Fn_Wheel_Angle(120 * i_Notches);
    return sp;
}
