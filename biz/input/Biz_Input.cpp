#include "biz/input/Biz_Input.h"

namespace N_Biz::N_Input {

void C_Input::M_Fn_Set_Flags(std::uint32_t i_Window_Flags, bool i_Alt)
{
    static constexpr std::uint32_t s_Ours = E_Flag_Middle | E_Flag_Left | E_Flag_Right | E_Flag_Shift | E_Flag_Ctrl | E_Flag_Alt;
    std::uint32_t flags = m_Flags & ~s_Ours;
    if (i_Window_Flags & E_Window_Flag_Middle)
        flags |= E_Flag_Middle;
    if (i_Window_Flags & E_Window_Flag_Left)
        flags |= E_Flag_Left;
    if (i_Window_Flags & E_Window_Flag_Right)
        flags |= E_Flag_Right;
    if (i_Window_Flags & E_Window_Flag_Shift)
        flags |= E_Flag_Shift;
    if (i_Window_Flags & E_Window_Flag_Ctrl)
        flags |= E_Flag_Ctrl;
    if (i_Alt)
        flags |= E_Flag_Alt;
    m_Flags = flags;
}

void C_Input::M_Fn_Set_Key(std::int32_t i_Virtual_Key, std::int32_t i_Repeat)
{
    switch (i_Virtual_Key) {
    case E_Virtual_Key_Esc: m_Key_Kind = E_Key_Esc; break;
    case E_Virtual_Key_Enter: m_Key_Kind = E_Key_Enter; break;
    case E_Virtual_Key_Shift: m_Key_Kind = E_Key_Shift; break;
    case E_Virtual_Key_Ctrl: m_Key_Kind = E_Key_Ctrl; break;
    case E_Virtual_Key_Alt: m_Key_Kind = E_Key_Alt; break;
    default:
        m_Key_Kind = E_Key_Other;
        m_Key_Code = i_Virtual_Key;
        break;
    }
    m_Key_Count = i_Repeat;
}

std::shared_ptr<C_Input> C_Input::S_Fn_Move_Implied(const C_Input& ro_Input, std::int32_t i_X_Cur, std::int32_t i_Y_Cur)
{
    std::uint32_t button = 0;
    bool press = false;
    switch (ro_Input.m_Kind) {
    case E_Kind_Left_Down: press = true; [[fallthrough]];
    case E_Kind_Left_Up: button = E_Flag_Left; break;
    case E_Kind_Right_Down: press = true; [[fallthrough]];
    case E_Kind_Right_Up: button = E_Flag_Right; break;
    case E_Kind_Middle_Down: press = true; [[fallthrough]];
    case E_Kind_Middle_Up: button = E_Flag_Middle; break;
    default: return nullptr;
    }
    if (ro_Input.m_X == i_X_Cur && ro_Input.m_Y == i_Y_Cur)
        return nullptr;
    auto sp_move = std::make_shared<C_Input>();
    sp_move->m_Kind = E_Kind_Move;
    sp_move->m_X = ro_Input.m_X;
    sp_move->m_Y = ro_Input.m_Y;
    sp_move->m_Flags = press ? ro_Input.m_Flags & ~button : ro_Input.m_Flags | button;
    return sp_move;
}

float C_Input::S_Fn_Wheel_Angle(std::int32_t i_Delta)
{
    return static_cast<float>(static_cast<float>(i_Delta * 0.125) * 0.0174533);
}

} // namespace N_Biz::N_Input
