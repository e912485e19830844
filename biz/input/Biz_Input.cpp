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

float C_Input::S_Fn_Wheel_Angle(std::int32_t i_Delta)
{
    return static_cast<float>(static_cast<float>(i_Delta * 0.125) * 0.0174533);
}

} // namespace N_Biz::N_Input
