#include "ui/UI_MDI_Proj_Wnd_View_Main.h"

#include "app/App.h"
#include "app/UI_Progress_Status.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "common/Common_Graphic_OpenGL_Error.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_MDI_Sect_Wnd_View_Main.h"

#include <wx/dcclient.h>
#include <wx/settings.h>

#include <GL/gl.h>

#include <utility>

namespace N_UI::N_MDI::N_Proj {

using N_Biz::N_Input::C_Input;
using N_Common::N_Graphic::N_OpenGL::G_Fn_Check_Error;
using N_Input_View = N_UI::N_MDI::N_Sect::C_Wnd_View_Main;

namespace {

constexpr const char* G_Name = "N_UI::N_MDI::N_Proj::C_Wnd_View_Main::";

// The handler i_Handler's body inside the catch-all, in the handler's name.
template <class F>
void G_Fn_Catch(const char* i_Handler, int i_Line, F&& i_Fn)
{
    const std::string name = std::string(G_Name) + i_Handler;
    G_Fn_Catch_All(name.c_str(), __FILE__, i_Line, std::forward<F>(i_Fn));
}

// The record kinds of the mouse events the view takes.
struct C_Mouse_Kind {
    wxEventTypeTag<wxMouseEvent> m_Type;
    std::int32_t m_Kind;
};
const C_Mouse_Kind G_Mouse_Kinds[] = {
    {wxEVT_LEFT_DOWN, N_Biz::N_Input::E_Kind_Left_Down},     {wxEVT_LEFT_DCLICK, N_Biz::N_Input::E_Kind_Left_Down},
    {wxEVT_LEFT_UP, N_Biz::N_Input::E_Kind_Left_Up},         {wxEVT_RIGHT_DOWN, N_Biz::N_Input::E_Kind_Right_Down},
    {wxEVT_RIGHT_DCLICK, N_Biz::N_Input::E_Kind_Right_Down}, {wxEVT_RIGHT_UP, N_Biz::N_Input::E_Kind_Right_Up},
    {wxEVT_MIDDLE_DOWN, N_Biz::N_Input::E_Kind_Middle_Down}, {wxEVT_MIDDLE_DCLICK, N_Biz::N_Input::E_Kind_Middle_Down},
    {wxEVT_MIDDLE_UP, N_Biz::N_Input::E_Kind_Middle_Up},     {wxEVT_MOUSEWHEEL, N_Biz::N_Input::E_Kind_Wheel},
    {wxEVT_MOTION, N_Biz::N_Input::E_Kind_Move},             {wxEVT_LEAVE_WINDOW, N_Biz::N_Input::E_Kind_Leave},
};

} // namespace

C_Wnd_View_Main::C_Wnd_View_Main(wxWindow* i_p_Parent, N_Biz::N_Proj::C_Proj* i_p_Proj)
    : C_Wnd_View_GL(i_p_Parent, wxID_ANY, wxDefaultPosition, i_p_Parent->GetClientSize(),
                    wxWANTS_CHARS | wxFULL_REPAINT_ON_RESIZE),
      m_p_Proj(i_p_Proj)
{
    M_Fn_Text_Font_Set(wxSystemSettings::GetFont(wxSYS_ANSI_FIXED_FONT));
    // The paint covers every pixel: erasing would only flicker.
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_SIZE, &C_Wnd_View_Main::M_Fn_On_Size, this);
    Bind(wxEVT_PAINT, &C_Wnd_View_Main::M_Fn_On_Paint, this);
    for (const C_Mouse_Kind& kind : G_Mouse_Kinds)
        Bind(kind.m_Type, &C_Wnd_View_Main::M_Fn_On_Mouse, this);
    Bind(wxEVT_KEY_DOWN, &C_Wnd_View_Main::M_Fn_On_Key, this);
    Bind(wxEVT_KEY_UP, &C_Wnd_View_Main::M_Fn_On_Key, this);
}

C_Wnd_View_Main::~C_Wnd_View_Main()
{
    M_Fn_Detach(true);
    M_Fn_GL_Destroy();
}

bool C_Wnd_View_Main::S_Fn_Work_Running()
{
    C_App* p_app = C_App::S_Fn_Get();
    return p_app && p_app->M_Fn_UI_Progress_Get_ro_Status().M_Fn_Is_Running();
}

void C_Wnd_View_Main::S_Fn_Clear_Background()
{
    C_App* p_app = C_App::S_Fn_Get();
    const bool print = p_app && p_app->m_sp_Config && p_app->m_sp_Config->M_Fn_Data().m_Print_Mode != 0;
    const float level = print ? 1.0f : 0.0f;
    glClearColor(level, level, level, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

N_Biz::N_Proj::C_Proj* C_Wnd_View_Main::M_Fn_Proj_Ready()
{
    // The context first: a view made while its window was not on screen yet (a project opened
    // from the command line, before the main frame is shown) registers here, at its first size,
    // paint or input once the window is.
    return m_p_Proj && M_Fn_GL_Ready() && m_Attached ? m_p_Proj : nullptr;
}

void C_Wnd_View_Main::MV_Fn_On_GL_Create()
{
    G_Fn_Catch("OnCreate", __LINE__, [&] {
        if (!m_p_Proj)
            return;
        G_Fn_Check_Error();
        m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_On_Create(this);
        m_Attached = true;
        G_Fn_Check_Error();
        // The size came before the context could be made current.
        if (m_Width > 0 && m_Height > 0) {
            m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_On_Size(m_Width, m_Height);
            m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Adjust();
            G_Fn_Check_Error();
        }
    });
}

void C_Wnd_View_Main::M_Fn_Detach(bool i_Notify)
{
    if (!m_p_Proj)
        return;
    if (i_Notify && m_Attached)
        G_Fn_Catch("OnDestroy", __LINE__, [&] {
            M_Fn_Make_Current();
            m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_On_Destroy();
        });
    m_Attached = false;
    m_p_Proj = nullptr;
}

void C_Wnd_View_Main::M_Fn_On_Size(wxSizeEvent& ro_Event)
{
    ro_Event.Skip();
    G_Fn_Catch("OnSize", __LINE__, [&] {
        const wxSize size = GetClientSize() * GetContentScaleFactor();
        const bool first = m_Width <= 0 || m_Height <= 0;
        m_Width = size.x;
        m_Height = size.y;
        // While a worker changes the project, its view manager is the worker's: the size waits
        // for the first paint after the work.
        if (S_Fn_Work_Running()) {
            m_Size_Pending = true;
            return;
        }
        if (N_Biz::N_Proj::C_Proj* p_proj = M_Fn_Proj_Ready()) {
            G_Fn_Check_Error();
            p_proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_On_Size(m_Width, m_Height);
            // The view was opened before the window system gave it a size: the models fit it now.
            if (first)
                p_proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Adjust();
            G_Fn_Check_Error();
        }
    });
}

void C_Wnd_View_Main::M_Fn_On_Paint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    G_Fn_Catch("OnDraw", __LINE__, [&] {
        N_Biz::N_Proj::C_Proj* p_proj = M_Fn_Proj_Ready();
        if (!p_proj)
            return;
        G_Fn_Check_Error();
        if (S_Fn_Work_Running()) {
            S_Fn_Clear_Background();
        } else {
            if (m_Size_Pending) {
                m_Size_Pending = false;
                p_proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_On_Size(m_Width, m_Height);
            }
            p_proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_On_Draw();
        }
        glFlush();
        SwapBuffers();
        G_Fn_Check_Error();
    });
}

void C_Wnd_View_Main::M_Fn_Input(const std::shared_ptr<C_Input>& ro_sp_Input)
{
    if (N_Biz::N_Proj::C_Proj* p_proj = M_Fn_Proj_Ready())
        p_proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_On_Input(ro_sp_Input);
}

void C_Wnd_View_Main::M_Fn_On_Mouse(wxMouseEvent& ro_Event)
{
    const wxEventType type = ro_Event.GetEventType();
    // Clicks also go to the toolkit (focus); the view needs nothing else of them.
    ro_Event.Skip();
    G_Fn_Catch("OnMouse", __LINE__, [&] {
        std::int32_t kind = N_Biz::N_Input::E_Kind_None;
        for (const C_Mouse_Kind& k : G_Mouse_Kinds)
            if (k.m_Type == type)
                kind = k.m_Kind;
        const double scale = GetContentScaleFactor();
        switch (kind) {
        case N_Biz::N_Input::E_Kind_None: return;
        case N_Biz::N_Input::E_Kind_Leave:
            m_Tracking = 0;
            M_Fn_Input(N_Input_View::S_Fn_Input_Mouse(kind, ro_Event, m_Height, scale));
            return;
        case N_Biz::N_Input::E_Kind_Wheel:
            if (auto sp_input = N_Input_View::S_Fn_Input_Wheel(ro_Event, m_Wheel_Rest, m_Height, scale))
                M_Fn_Input(sp_input);
            return;
        case N_Biz::N_Input::E_Kind_Move:
            if (m_Tracking == 0) {
                // The first move into the view: it takes the keys and announces the cursor.
                SetFocus();
                m_Tracking = 1;
                M_Fn_Input(N_Input_View::S_Fn_Input_Mouse(N_Biz::N_Input::E_Kind_Enter, ro_Event, m_Height, scale));
            }
            break;
        default: break;
        }
        M_Fn_Input(N_Input_View::S_Fn_Input_Mouse(kind, ro_Event, m_Height, scale));
    });
}

void C_Wnd_View_Main::M_Fn_On_Key(wxKeyEvent& ro_Event)
{
    ro_Event.Skip();
    G_Fn_Catch("OnKey", __LINE__, [&] {
        const std::int32_t kind = ro_Event.GetEventType() == wxEVT_KEY_DOWN ? N_Biz::N_Input::E_Kind_Key_Down
                                                                            : N_Biz::N_Input::E_Kind_Key_Up;
        M_Fn_Input(N_Input_View::S_Fn_Input_Key(kind, ro_Event.GetKeyCode()));
    });
}

} // namespace N_UI::N_MDI::N_Proj
