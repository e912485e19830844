// The main view of the project window: the three-dimensional OpenGL view of the project's models and
// section groups. It hands everything to the project's view manager: its registration once its
// context can be made current, its size, its paint, and every mouse and key event as a C_Input
// record (y counted from the bottom, button and modifier flags, whole wheel notches, a "mouse
// entered" record before the first move into the view). The background is never erased apart from
// the paint, so the view does not flicker.
//
// While a worker changes the project (the model import), a paint clears to the background only:
// the drawing would walk the tables the worker is filling.
#pragma once

#include "biz/input/Biz_Input.h"
#include "ui/UI_Wnd_View_GL.h"

#include <cstdint>
#include <memory>

class wxKeyEvent;
class wxMouseEvent;

namespace N_Biz::N_Proj {
class C_Proj;
}

namespace N_UI::N_MDI::N_Proj {

class C_Wnd_View_Main : public N_UI::C_Wnd_View_GL {
public:
    C_Wnd_View_Main(wxWindow* i_p_Parent, N_Biz::N_Proj::C_Proj* i_p_Proj);
    // Deregisters and lets the context go.
    ~C_Wnd_View_Main() override;

    // Leaves the project: with i_Notify the view manager is told first (context current). Later
    // calls do nothing; the view then paints nothing and forwards nothing.
    void M_Fn_Detach(bool i_Notify);
    bool M_Fn_Is_Attached() const { return m_Attached; }
    N_Biz::N_Proj::C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    int M_Fn_Width() const { return m_Width; }
    int M_Fn_Height() const { return m_Height; }

    // Whether a worker changes the project now (the progress record runs).
    static bool S_Fn_Work_Running();
    // Clears the current context's colour and depth buffers to the views' background (white in
    // print mode, else black).
    static void S_Fn_Clear_Background();

protected:
    void MV_Fn_On_GL_Create() override;

private:
    void M_Fn_On_Size(wxSizeEvent& ro_Event);
    void M_Fn_On_Paint(wxPaintEvent& ro_Event);
    void M_Fn_On_Mouse(wxMouseEvent& ro_Event);
    void M_Fn_On_Key(wxKeyEvent& ro_Event);
    // Hands a record to the view manager with the context current.
    void M_Fn_Input(const std::shared_ptr<N_Biz::N_Input::C_Input>& ro_sp_Input);
    // The project when the view is registered and its context current; else null. A view not yet
    // registered registers here once its context can be made current.
    N_Biz::N_Proj::C_Proj* M_Fn_Proj_Ready();

    N_Biz::N_Proj::C_Proj* m_p_Proj;
    bool m_Attached = false;
    int m_Width = 0;
    int m_Height = 0;
    int m_Tracking = 0;
    int m_Wheel_Rest = 0;
    bool m_Size_Pending = false;
};

} // namespace N_UI::N_MDI::N_Proj
