// The view-input record: one keyboard or mouse event of an OpenGL view, handed by the view to the
// business layer. It carries only numbers, so the layers below the window never see a window-system
// type; the vertical coordinate already counts upward from the bottom edge, as OpenGL does.
//
// The view makes a new zeroed record per event (always held by std::shared_ptr), sets the kind,
// fills the flags with M_Fn_Set_Flags, and fills the rest by kind: M_Fn_Set_Key for key events,
// x and y (S_Fn_Y_From_Window) for button, wheel and move events, the wheel angle
// (S_Fn_Wheel_Angle) for wheel events. A move into a view that is not tracking the mouse yet is
// sent as a "mouse entered" record followed by the "move" record.
//
// A button record need not follow a move to its position: GTK sends moves as motion hints and
// drops a move that comes in before the previous one was handled, so a program that falls behind
// may see a press or release where no move brought the cursor. The view managers handle such a
// record after the move it implies (S_Fn_Move_Implied), so that what the button does happens at
// the button's position.
#pragma once

#include <cstdint>
#include <memory>

namespace N_Biz::N_Input {

// Kind of event (field m_Kind).
enum E_Kind : std::int32_t {
    E_Kind_None = 0,
    E_Kind_Key_Down = 1,
    E_Kind_Key_Up = 2,
    E_Kind_Left_Down = 3,
    E_Kind_Left_Up = 4,
    E_Kind_Right_Down = 5,
    E_Kind_Right_Up = 6,
    E_Kind_Middle_Down = 7,
    E_Kind_Middle_Up = 8,
    E_Kind_Wheel = 9,
    E_Kind_Move = 10,
    E_Kind_Enter = 11, // the mouse entered the view
    E_Kind_Leave = 12, // the mouse left the view
};

// Kind of key of a key event (field m_Key_Kind); any other key is E_Key_Other with its code.
enum E_Key : std::int32_t {
    E_Key_Other = 0,
    E_Key_Esc = 1,
    E_Key_Enter = 2,
    E_Key_Shift = 3,
    E_Key_Ctrl = 4,
    E_Key_Alt = 5,
};

// Bits of the flag word (field m_Flags); bits 6-31 are not ours and keep their value.
enum E_Flag : std::uint32_t {
    E_Flag_Middle = 0x01,
    E_Flag_Left = 0x02,
    E_Flag_Right = 0x04,
    E_Flag_Shift = 0x08,
    E_Flag_Ctrl = 0x10,
    E_Flag_Alt = 0x20,
};

// Button and modifier codes of the window flag word that M_Fn_Set_Flags reads (the mouse-message
// convention: left 0x1, right 0x2, Shift 0x4, Ctrl 0x8, middle 0x10).
enum E_Window_Flag : std::uint32_t {
    E_Window_Flag_Left = 0x01,
    E_Window_Flag_Right = 0x02,
    E_Window_Flag_Shift = 0x04,
    E_Window_Flag_Ctrl = 0x08,
    E_Window_Flag_Middle = 0x10,
};

// Virtual-key codes that M_Fn_Set_Key names.
enum E_Virtual_Key : std::int32_t {
    E_Virtual_Key_Enter = 13,
    E_Virtual_Key_Shift = 16,
    E_Virtual_Key_Ctrl = 17,
    E_Virtual_Key_Alt = 18,
    E_Virtual_Key_Esc = 27,
};

class C_Input {
public:
    std::int32_t m_Kind = 0;      // E_Kind
    std::int32_t m_Key_Kind = 0;  // E_Key (key events only)
    std::int32_t m_Key_Code = 0;  // virtual-key code, stored only when m_Key_Kind is E_Key_Other
    std::int32_t m_Key_Count = 0; // repeat count of the key message (key events only)
    std::int32_t m_X = 0;         // cursor x in pixels of the view's client area
    std::int32_t m_Y = 0;         // cursor y in pixels counted upward from the bottom edge
    float m_Wheel_Angle = 0.0f;   // wheel turn in radians (wheel events only)
    std::uint32_t m_Flags = 0;    // E_Flag bits

    // Sets flag bits 0-4 from the window flag word (E_Window_Flag codes) and bit 5 from i_Alt
    // (the Alt key's current state, which the window flag word does not carry); bits 6-31 keep
    // their value. For key events the view may pass the current button and modifier state.
    void M_Fn_Set_Flags(std::uint32_t i_Window_Flags, bool i_Alt);

    // Esc (27), Enter (13), Shift (16), Ctrl (17) and Alt (18) set their key kind and leave the code
    // field alone; any other code sets key kind 0 and is stored in the code field. The repeat count
    // is stored in every case.
    void M_Fn_Set_Key(std::int32_t i_Virtual_Key, std::int32_t i_Repeat);

    // Wheel turn in radians of a signed wheel delta (120 per notch): (float)(delta * 0.125) *
    // 0.0174533, so one notch is 15 degrees.
    static float S_Fn_Wheel_Angle(std::int32_t i_Delta);

    // The move that the button record ro_Input implies when the cursor was last seen at
    // (i_X_Cur, i_Y_Cur): null for any other kind or when the record is at that position; otherwise
    // a move record at the record's position with its flags as they stood before the press or
    // release (the button up before its press, held before its release).
    static std::shared_ptr<C_Input> S_Fn_Move_Implied(const C_Input& ro_Input, std::int32_t i_X_Cur, std::int32_t i_Y_Cur);

    // The upward y of a window y (counted downward from the top) in a view i_Height pixels high.
    static std::int32_t S_Fn_Y_From_Window(std::int32_t i_Height, std::int32_t i_Window_Y) { return i_Height - i_Window_Y; }
};

} // namespace N_Biz::N_Input
