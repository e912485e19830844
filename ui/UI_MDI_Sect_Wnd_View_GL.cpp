#include "ui/UI_MDI_Sect_Wnd_View_GL.h"

#include "biz/sect/Biz_Sect.h"
#include "common/Common_Graphic_OpenGL_Error.h"
#include "ui/UI_MDI_Proj_Wnd_View_Main.h"

#include <wx/dcclient.h>

#include <GL/gl.h>

namespace N_UI::N_MDI::N_Sect {

using N_Common::N_Graphic::N_OpenGL::G_Fn_Check_Error;

C_Wnd_View_Sect_GL::C_Wnd_View_Sect_GL(wxWindow* i_p_Parent, N_Biz::N_Sect::C_Sect* i_p_Sect, const wxSize& ro_Size,
                                       long i_Style, const char* i_Name, const char* i_File)
    : C_Wnd_View_GL(i_p_Parent, wxID_ANY, wxDefaultPosition, ro_Size, i_Style), m_p_Sect(i_p_Sect), m_Name(i_Name),
      m_File(i_File)
{
    Bind(wxEVT_SIZE, &C_Wnd_View_Sect_GL::M_Fn_On_Size, this);
    Bind(wxEVT_PAINT, &C_Wnd_View_Sect_GL::M_Fn_On_Paint, this);
}

N_Biz::N_Sect::C_Sect* C_Wnd_View_Sect_GL::M_Fn_Sect_Ready()
{
    // The context first: a view made while its window was not on screen yet registers here, at
    // its first size or paint once the window is.
    return m_p_Sect && M_Fn_GL_Ready() && m_Attached ? m_p_Sect : nullptr;
}

void C_Wnd_View_Sect_GL::MV_Fn_On_GL_Create()
{
    M_Fn_Catch("OnCreate", __LINE__, [&] {
        if (!m_p_Sect)
            return;
        G_Fn_Check_Error();
        MV_Fn_Hook_Create(m_p_Sect->M_Fn_Get_Mgr_Frame());
        m_Attached = true;
        G_Fn_Check_Error();
        // The size came before the context could be made current.
        if (m_Width > 0 && m_Height > 0) {
            MV_Fn_Hook_Size(m_p_Sect->M_Fn_Get_Mgr_Frame(), m_Width, m_Height);
            G_Fn_Check_Error();
        }
    });
}

void C_Wnd_View_Sect_GL::M_Fn_Detach(bool i_Notify)
{
    if (!m_p_Sect)
        return;
    if (i_Notify && m_Attached)
        M_Fn_Catch("OnDestroy", __LINE__, [&] {
            M_Fn_Make_Current();
            MV_Fn_Hook_Destroy(m_p_Sect->M_Fn_Get_Mgr_Frame());
        });
    m_Attached = false;
    m_p_Sect = nullptr;
}

void C_Wnd_View_Sect_GL::M_Fn_On_Size(wxSizeEvent& ro_Event)
{
    ro_Event.Skip();
    M_Fn_Catch("OnSize", __LINE__, [&] {
        const wxSize size = GetClientSize() * GetContentScaleFactor();
        m_Width = size.x;
        m_Height = size.y;
        if (N_Biz::N_Sect::C_Sect* p_sect = M_Fn_Sect_Ready()) {
            G_Fn_Check_Error();
            MV_Fn_Hook_Size(p_sect->M_Fn_Get_Mgr_Frame(), m_Width, m_Height);
            G_Fn_Check_Error();
        }
    });
}

void C_Wnd_View_Sect_GL::M_Fn_On_Paint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    M_Fn_Catch("OnPaint", __LINE__, [&] {
        if (N_Biz::N_Sect::C_Sect* p_sect = M_Fn_Sect_Ready()) {
            G_Fn_Check_Error();
            // While the import worker fills the project, the drawing would walk its tables.
            if (N_Proj::C_Wnd_View_Main::S_Fn_Work_Running())
                N_Proj::C_Wnd_View_Main::S_Fn_Clear_Background();
            else
                MV_Fn_Hook_Draw(p_sect->M_Fn_Get_Mgr_Frame());
            glFlush();
            SwapBuffers();
            G_Fn_Check_Error();
        }
    });
}

} // namespace N_UI::N_MDI::N_Sect
