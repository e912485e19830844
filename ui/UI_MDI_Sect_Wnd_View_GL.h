// What the section window's two OpenGL views share: the section they show, their registration with
// the section's view manager once their context can be made current (the window is on screen),
// and their size and paint forwarded to it with the context current and OpenGL errors logged.
// The derived view names the view manager's hooks and its own name for the exception reports;
// every handler reports what it throws and the program goes on.
#pragma once

#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Wnd_View_GL.h"

#include <string>
#include <utility>

namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_UI::N_MDI::N_Sect {

class C_Wnd_View_Sect_GL : public N_UI::C_Wnd_View_GL, public N_Biz::N_Sect::C_Mgr_Frame::C_View {
public:
    // i_Name: the class's qualified name, i_File: its source file, both for the reports.
    C_Wnd_View_Sect_GL(wxWindow* i_p_Parent, N_Biz::N_Sect::C_Sect* i_p_Sect, const wxSize& ro_Size, long i_Style,
                       const char* i_Name, const char* i_File);

    // Invalidates the whole view without erasing it.
    void M_Fn_Invalidate() override { Refresh(false); }

    // Leaves the section: with i_Notify the view manager is told first (context current). Later
    // calls do nothing; the view then paints nothing and forwards nothing.
    void M_Fn_Detach(bool i_Notify);
    // Whether the view is registered with its section's view manager.
    bool M_Fn_Is_Attached() const { return m_Attached; }

protected:
    // The view manager's hooks of the derived view.
    virtual void MV_Fn_Hook_Create(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr) = 0;
    virtual void MV_Fn_Hook_Size(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr, int i_Width, int i_Height) = 0;
    virtual void MV_Fn_Hook_Draw(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr) = 0;
    virtual void MV_Fn_Hook_Destroy(N_Biz::N_Sect::C_Mgr_Frame& ro_Mgr) = 0;

    // The creation hook with the context current, then the size that came before it.
    void MV_Fn_On_GL_Create() override;
    // i_Fn inside the catch-all in the name of the handler i_Handler of the derived class.
    template <class F>
    void M_Fn_Catch(const char* i_Handler, int i_Line, F&& i_Fn)
    {
        const std::string name = std::string(m_Name) + "::" + i_Handler;
        G_Fn_Catch_All(name.c_str(), m_File, i_Line, std::forward<F>(i_Fn));
    }
    // The section when the view is registered and its context current; else null. A view not yet
    // registered registers here once its context can be made current.
    N_Biz::N_Sect::C_Sect* M_Fn_Sect_Ready();

    // Client size in pixels from the last size event.
    int m_Width = 0;
    int m_Height = 0;

private:
    void M_Fn_On_Size(wxSizeEvent& ro_Event);
    void M_Fn_On_Paint(wxPaintEvent& ro_Event);

    N_Biz::N_Sect::C_Sect* m_p_Sect;
    bool m_Attached = false;
    const char* m_Name;
    const char* m_File;
};

} // namespace N_UI::N_MDI::N_Sect
