#include "ui/UI_MDI_Sect_Wnd_View_Main.h"

#include "biz/sect/Biz_Sect.h"

#include <wx/settings.h>

namespace N_UI::N_MDI::N_Sect {

using N_Biz::N_Input::C_Input;

C_Wnd_View_Main::C_Wnd_View_Main(wxWindow* i_p_Parent, N_Biz::N_Sect::C_Sect* i_p_Sect, const wxSize& ro_Size)
    : C_Wnd_View_Sect_GL(i_p_Parent, i_p_Sect, ro_Size, wxWANTS_CHARS, "N_UI::N_MDI::N_Sect::C_Wnd_View_Main", __FILE__)
{
    M_Fn_Text_Font_Set(wxSystemSettings::GetFont(wxSYS_ANSI_FIXED_FONT));
    for (const auto type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP, wxEVT_RIGHT_DOWN, wxEVT_RIGHT_UP, wxEVT_MIDDLE_DOWN,
                            wxEVT_MIDDLE_UP, wxEVT_LEFT_DCLICK, wxEVT_RIGHT_DCLICK, wxEVT_MIDDLE_DCLICK,
                            wxEVT_MOUSEWHEEL, wxEVT_MOTION, wxEVT_LEAVE_WINDOW})
        Bind(type, &C_Wnd_View_Main::M_Fn_On_Mouse, this);
    Bind(wxEVT_KEY_DOWN, &C_Wnd_View_Main::M_Fn_On_Key, this);
    Bind(wxEVT_KEY_UP, &C_Wnd_View_Main::M_Fn_On_Key, this);
}

C_Wnd_View_Main::~C_Wnd_View_Main()
{
    M_Fn_Detach(true);
    M_Fn_GL_Destroy();
}

std::int32_t C_Wnd_View_Main::S_Fn_Virtual_Key(int i_Wx_Key)
{
    if ((i_Wx_Key >= 'A' && i_Wx_Key <= 'Z') || (i_Wx_Key >= '0' && i_Wx_Key <= '9'))
        return i_Wx_Key;
    if (i_Wx_Key >= WXK_F1 && i_Wx_Key <= WXK_F12)
        return 112 + (i_Wx_Key - WXK_F1);
    switch (i_Wx_Key) {
    case WXK_BACK: return 8;
    case WXK_TAB: return 9;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER: return N_Biz::N_Input::E_Virtual_Key_Enter;
    case WXK_SHIFT: return N_Biz::N_Input::E_Virtual_Key_Shift;
    case WXK_CONTROL: return N_Biz::N_Input::E_Virtual_Key_Ctrl;
    case WXK_ALT: return N_Biz::N_Input::E_Virtual_Key_Alt;
    case WXK_ESCAPE: return N_Biz::N_Input::E_Virtual_Key_Esc;
    case WXK_SPACE: return 32;
    case WXK_LEFT: return 37;
    case WXK_UP: return 38;
    case WXK_RIGHT: return 39;
    case WXK_DOWN: return 40;
    case WXK_DELETE: return 46;
    default: return 0;
    }
}

std::shared_ptr<C_Input> C_Wnd_View_Main::S_Fn_Input_Key(std::int32_t i_Kind, int i_Wx_Key)
{
    auto sp_input = std::make_shared<C_Input>();
    sp_input->m_Kind = i_Kind;
    sp_input->M_Fn_Set_Key(S_Fn_Virtual_Key(i_Wx_Key), 1);
    return sp_input;
}

std::shared_ptr<C_Input> C_Wnd_View_Main::S_Fn_Input_Mouse(std::int32_t i_Kind, const wxMouseEvent& ro_Event,
                                                           std::int32_t i_Height, double i_Scale)
{
    auto sp_input = std::make_shared<C_Input>();
    sp_input->m_Kind = i_Kind;
    if (i_Kind == N_Biz::N_Input::E_Kind_Leave)
        return sp_input;
    using namespace N_Biz::N_Input;
    std::uint32_t flags = 0;
    if (ro_Event.LeftIsDown())
        flags |= E_Window_Flag_Left;
    if (ro_Event.RightIsDown())
        flags |= E_Window_Flag_Right;
    if (ro_Event.MiddleIsDown())
        flags |= E_Window_Flag_Middle;
    if (ro_Event.ShiftDown())
        flags |= E_Window_Flag_Shift;
    if (ro_Event.ControlDown())
        flags |= E_Window_Flag_Ctrl;
    sp_input->M_Fn_Set_Flags(flags, ro_Event.AltDown());
    if (i_Kind != E_Kind_Wheel) {
        sp_input->m_X = static_cast<std::int32_t>(ro_Event.GetX() * i_Scale);
        sp_input->m_Y = C_Input::S_Fn_Y_From_Window(i_Height, static_cast<std::int32_t>(ro_Event.GetY() * i_Scale));
    }
    return sp_input;
}

std::shared_ptr<C_Input> C_Wnd_View_Main::S_Fn_Input_Wheel(const wxMouseEvent& ro_Event, int& io_Rest,
                                                           std::int32_t i_Height, double i_Scale)
{
    if (ro_Event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL)
        return nullptr;
    io_Rest += ro_Event.GetWheelRotation();
    const int notches = io_Rest / 120;
    if (notches == 0)
        return nullptr;
    io_Rest -= notches * 120;
    auto sp_input = S_Fn_Input_Mouse(N_Biz::N_Input::E_Kind_Wheel, ro_Event, i_Height, i_Scale);
    sp_input->m_Wheel_Angle = C_Input::S_Fn_Wheel_Angle(notches * 120);
    return sp_input;
}

void C_Wnd_View_Main::M_Fn_Input(const std::shared_ptr<C_Input>& ro_sp_Input)
{
    if (N_Biz::N_Sect::C_Sect* p_sect = M_Fn_Sect_Ready())
        p_sect->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_On_Input(ro_sp_Input);
}

void C_Wnd_View_Main::M_Fn_On_Mouse(wxMouseEvent& ro_Event)
{
    using namespace N_Biz::N_Input;
    const wxEventType type = ro_Event.GetEventType();
    // Clicks also go to the toolkit (focus, capture); the view needs nothing else of them.
    ro_Event.Skip();
    M_Fn_Catch("OnMouse", __LINE__, [&] {
        std::int32_t kind = E_Kind_None;
        if (type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK)
            kind = E_Kind_Left_Down;
        else if (type == wxEVT_LEFT_UP)
            kind = E_Kind_Left_Up;
        else if (type == wxEVT_RIGHT_DOWN || type == wxEVT_RIGHT_DCLICK)
            kind = E_Kind_Right_Down;
        else if (type == wxEVT_RIGHT_UP)
            kind = E_Kind_Right_Up;
        else if (type == wxEVT_MIDDLE_DOWN || type == wxEVT_MIDDLE_DCLICK)
            kind = E_Kind_Middle_Down;
        else if (type == wxEVT_MIDDLE_UP)
            kind = E_Kind_Middle_Up;
        else if (type == wxEVT_MOTION)
            kind = E_Kind_Move;
        else if (type == wxEVT_LEAVE_WINDOW)
            kind = E_Kind_Leave;
        else if (type == wxEVT_MOUSEWHEEL)
            kind = E_Kind_Wheel;
        if (kind == E_Kind_None)
            return;

        if (kind == E_Kind_Leave) {
            m_Tracking = 0;
            M_Fn_Input(S_Fn_Input_Mouse(kind, ro_Event, m_Height, GetContentScaleFactor()));
            return;
        }
        if (kind == E_Kind_Wheel) {
            if (auto sp_input = S_Fn_Input_Wheel(ro_Event, m_Wheel_Rest, m_Height, GetContentScaleFactor()))
                M_Fn_Input(sp_input);
            return;
        }
        if (kind == E_Kind_Move && m_Tracking == 0) {
            // The first move into the view: it takes the keys and announces the cursor's arrival;
            // the toolkit reports the cursor leaving without being asked.
            SetFocus();
            m_Tracking = 1;
            M_Fn_Input(S_Fn_Input_Mouse(E_Kind_Enter, ro_Event, m_Height, GetContentScaleFactor()));
        }
        M_Fn_Input(S_Fn_Input_Mouse(kind, ro_Event, m_Height, GetContentScaleFactor()));
    });
}

void C_Wnd_View_Main::M_Fn_On_Key(wxKeyEvent& ro_Event)
{
    ro_Event.Skip();
    M_Fn_Catch("OnKey", __LINE__, [&] {
        const std::int32_t kind = ro_Event.GetEventType() == wxEVT_KEY_DOWN ? N_Biz::N_Input::E_Kind_Key_Down
                                                                            : N_Biz::N_Input::E_Kind_Key_Up;
        M_Fn_Input(S_Fn_Input_Key(kind, ro_Event.GetKeyCode()));
    });
}

} // namespace N_UI::N_MDI::N_Sect
