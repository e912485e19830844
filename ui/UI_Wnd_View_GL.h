// The window half of every OpenGL view: a wx GL canvas with its own rendering context, which it
// makes current and releases for the toolkit-neutral half (C_View), and the text of the view drawn
// and measured in the view's font.
//
// GTK cannot make a context current on a window that is not realized yet, so the context is made
// with the window but first made current once the window is on screen: a derived view calls
// M_Fn_GL_Ready() before it sizes, draws or forwards input, and sets up its GL state in
// MV_Fn_On_GL_Create(), which runs once, with the context current, the first time that succeeds.
// MV_Fn_On_GL_Destroy() runs in the derived view's destructor (M_Fn_GL_Destroy), before the context
// goes, when MV_Fn_On_GL_Create() ran.
#pragma once

#include "common/Common_Graphic_OpenGL_View.h"

#include <wx/font.h>
#include <wx/glcanvas.h>

#include <memory>

namespace N_UI {

class C_Wnd_View_GL : public wxGLCanvas, public N_Common::N_Graphic::N_OpenGL::C_View {
public:
    // The pixel format requested: double-buffered RGBA with 8 bits a colour and the deepest depth
    // buffer the display offers of 32, 24 and 16 bits (the display's default when none).
    static wxGLAttributes S_Fn_Attributes();

    // Creates the window as a child of i_p_Parent with its rendering context; M_Fn_Is_OK() says
    // whether both exist (a view that is not OK must be destroyed by its creator).
    C_Wnd_View_GL(wxWindow* i_p_Parent, wxWindowID i_Id = wxID_ANY, const wxPoint& ro_Pos = wxDefaultPosition,
                  const wxSize& ro_Size = wxDefaultSize, long i_Style = 0);
    // Releases the context (none is current afterwards when it was) and deletes it.
    ~C_Wnd_View_GL() override;

    bool M_Fn_Is_OK() const { return m_up_Context != nullptr; }
    // Whether the view's GL state has been set up (MV_Fn_On_GL_Create ran).
    bool M_Fn_Is_GL_Created() const { return m_GL_Created; }

    // Makes the context current; the first time that succeeds, MV_Fn_On_GL_Create runs. False
    // while the window is not on screen or the switch fails.
    bool M_Fn_GL_Ready();

    // The font of the view's text; a change drops the rendered texts.
    void M_Fn_Text_Font_Set(const wxFont& ro_Font);
    const wxFont& M_Fn_Text_Font_Get() const { return m_Font; }

protected:
    // Set-up of the derived view, context current; runs once.
    virtual void MV_Fn_On_GL_Create() {}
    // Take-down of the derived view, context current when it can be made so; runs once, only
    // after MV_Fn_On_GL_Create.
    virtual void MV_Fn_On_GL_Destroy() {}
    // For the derived view's destructor: MV_Fn_On_GL_Destroy when due, then the context released.
    void M_Fn_GL_Destroy();

    // The four system operations of the view.
    bool MV_Fn_Make_Current_System() override;
    void MV_Fn_Release_System() override;
    N_Common::N_Graphic::N_OpenGL::C_Text_Bitmap MV_Fn_Text_Render(const std::wstring& i_Text) override;
    C_Extent MV_Fn_Text_Extent(const std::wstring& i_Text) override;

private:
    std::unique_ptr<wxGLContext> m_up_Context;
    wxFont m_Font;
    bool m_GL_Created = false;
    bool m_GL_Destroyed = false;
};

} // namespace N_UI
