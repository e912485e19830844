// The main view of a section window: an OpenGL view that hands everything to the section's view
// manager. Every mouse and key event becomes a C_Input record: y counted from the bottom, the
// button and modifier flags, whole wheel notches (GTK's smooth deltas are added up to 120 a notch),
// and a "mouse entered" record before the first move into the view. Text is drawn in the fixed
// font.
#pragma once

#include "biz/input/Biz_Input.h"
#include "ui/UI_MDI_Sect_Wnd_View_GL.h"

#include <cstdint>
#include <memory>

class wxKeyEvent;
class wxMouseEvent;

namespace N_UI::N_MDI::N_Sect {

class C_Wnd_View_Main : public C_Wnd_View_Sect_GL {
public:
    C_Wnd_View_Main(wxWindow* i_p_Parent, N_Biz::N_Sect::C_Sect* i_p_Sect, const wxSize& ro_Size);
    // Deregisters and lets the context go.
    ~C_Wnd_View_Main() override;

    // The record of a key event: its kind (key down or up) and the key's virtual-key code.
    static std::shared_ptr<N_Biz::N_Input::C_Input> S_Fn_Input_Key(std::int32_t i_Kind, int i_Wx_Key);
    // The virtual-key code of a wx key code: letters and digits as they are, Esc, Enter, Shift,
    // Ctrl, Alt, Delete, Backspace, Tab, Space, the arrows and F1 to F12 by their codes; 0 for any
    // other key.
    static std::int32_t S_Fn_Virtual_Key(int i_Wx_Key);
    // The record of a mouse event of kind i_Kind in a view i_Height pixels high, whose positions
    // are i_Scale pixels a window unit.
    static std::shared_ptr<N_Biz::N_Input::C_Input> S_Fn_Input_Mouse(std::int32_t i_Kind, const wxMouseEvent& ro_Event,
                                                                     std::int32_t i_Height, double i_Scale = 1.0);

    // The record of a wheel event once the vertical turns added up in io_Rest make whole notches
    // (the rest stays in io_Rest); null before that and for other axes.
    static std::shared_ptr<N_Biz::N_Input::C_Input> S_Fn_Input_Wheel(const wxMouseEvent& ro_Event, int& io_Rest,
                                                                     std::int32_t i_Height, double i_Scale = 1.0);

protected:
    void MV_Fn_Hook_Create(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr) override { ro_Mgr.M_Fn_View_Main_On_Create(this); }
    // The frame that opens the view fits the section into it before the window system has given
    // the view its size; so until its first paint, every size fits the view again.
    void MV_Fn_Hook_Size(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr, int i_Width, int i_Height) override
    {
        ro_Mgr.M_Fn_View_Main_On_Size(i_Width, i_Height);
        if (m_Fit_Pending)
            ro_Mgr.M_Fn_View_Main_Reset();
    }
    void MV_Fn_Hook_Draw(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr) override
    {
        m_Fit_Pending = false;
        ro_Mgr.M_Fn_View_Main_Draw();
    }
    void MV_Fn_Hook_Destroy(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr) override { ro_Mgr.M_Fn_View_Main_On_Destroy(); }

private:
    void M_Fn_On_Mouse(wxMouseEvent& ro_Event);
    void M_Fn_On_Key(wxKeyEvent& ro_Event);
    // Hands a record to the view manager with the context current.
    void M_Fn_Input(const std::shared_ptr<N_Biz::N_Input::C_Input>& ro_sp_Input);

    // 1 while the view follows the cursor (a "mouse entered" record was sent and no "left" yet).
    int m_Tracking = 0;
    // Wheel delta not yet a whole notch.
    int m_Wheel_Rest = 0;
    // No paint yet: a new size fits the view.
    bool m_Fit_Pending = true;
};

} // namespace N_UI::N_MDI::N_Sect
