#include "ui/UI_Wnd_View_GL.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>
#include <wx/settings.h>

#include <algorithm>
#include <cstdint>
#include <vector>

// Last: the X11 headers define names (None, Status, Bool) that wx's own headers use.
#include <GL/glx.h>

namespace N_UI {

using N_Common::N_Graphic::N_OpenGL::C_Text_Bitmap;

wxGLAttributes C_Wnd_View_GL::S_Fn_Attributes()
{
    for (int depth : {32, 24, 16}) {
        wxGLAttributes attributes;
        attributes.PlatformDefaults().RGBA().DoubleBuffer().MinRGBA(8, 8, 8, 0).Depth(depth).EndList();
        if (wxGLCanvas::IsDisplaySupported(attributes))
            return attributes;
    }
    wxGLAttributes attributes;
    attributes.Defaults().EndList();
    return attributes;
}

C_Wnd_View_GL::C_Wnd_View_GL(wxWindow* i_p_Parent, wxWindowID i_Id, const wxPoint& ro_Pos, const wxSize& ro_Size,
                             long i_Style)
    : wxGLCanvas(i_p_Parent, S_Fn_Attributes(), i_Id, ro_Pos, ro_Size, i_Style | wxFULL_REPAINT_ON_RESIZE),
      m_Font(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT))
{
    if (!GetHandle())
        return;
    auto up_context = std::make_unique<wxGLContext>(this);
    if (up_context->IsOK())
        m_up_Context = std::move(up_context);
    // The views paint every pixel themselves: an erased background would only flicker.
    Bind(wxEVT_ERASE_BACKGROUND, [](wxEraseEvent&) {});
}

C_Wnd_View_GL::~C_Wnd_View_GL()
{
    M_Fn_GL_Destroy();
}

void C_Wnd_View_GL::M_Fn_GL_Destroy()
{
    if (m_GL_Created && !m_GL_Destroyed) {
        m_GL_Destroyed = true;
        M_Fn_Make_Current();
        MV_Fn_On_GL_Destroy();
    }
    // Nothing may draw into the context once it is deleted.
    M_Fn_Release();
    m_up_Context.reset();
}

bool C_Wnd_View_GL::M_Fn_GL_Ready()
{
    if (m_GL_Destroyed || !M_Fn_Make_Current())
        return false;
    if (!m_GL_Created) {
        m_GL_Created = true;
        MV_Fn_On_GL_Create();
    }
    return true;
}

void C_Wnd_View_GL::M_Fn_Text_Font_Set(const wxFont& ro_Font)
{
    m_Font = ro_Font;
    M_Fn_Text_Font_Changed();
}

bool C_Wnd_View_GL::MV_Fn_Make_Current_System()
{
    // A window that is not realized has no X window yet; the switch would only assert.
    if (!m_up_Context || GetXWindow() == 0)
        return false;
    return m_up_Context->SetCurrent(*this);
}

void C_Wnd_View_GL::MV_Fn_Release_System()
{
    if (Display* p_display = wxGetX11Display())
        glXMakeCurrent(p_display, 0, nullptr);
}

C_Text_Bitmap C_Wnd_View_GL::MV_Fn_Text_Render(const std::wstring& i_Text)
{
    wxBitmap probe(1, 1, 24);
    wxMemoryDC dc(probe);
    dc.SetFont(m_Font);
    wxCoord width = 0, height = 0, descent = 0;
    dc.GetTextExtent(i_Text, &width, &height, &descent);
    if (width <= 0 || height <= 0)
        return {};
    // White text on black: the brightness of a pixel is its coverage.
    wxBitmap bitmap(width, height, 24);
    dc.SelectObject(bitmap);
    dc.SetBackground(*wxBLACK_BRUSH);
    dc.Clear();
    dc.SetTextForeground(*wxWHITE);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawText(i_Text, 0, 0);
    dc.SelectObject(wxNullBitmap);
    const wxImage image = bitmap.ConvertToImage();
    if (!image.IsOk() || image.GetWidth() != width || image.GetHeight() != height)
        return {};
    const unsigned char* p_rgb = image.GetData();
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::size_t i = 0; i < coverage.size(); ++i)
        coverage[i] = std::max({p_rgb[3 * i], p_rgb[3 * i + 1], p_rgb[3 * i + 2]});
    return N_Common::N_Graphic::N_OpenGL::G_Fn_Text_Bitmap_From_Coverage(coverage.data(), width, height, width,
                                                                        descent);
}

C_Wnd_View_GL::C_Extent C_Wnd_View_GL::MV_Fn_Text_Extent(const std::wstring& i_Text)
{
    wxCoord width = 0, height = 0;
    GetTextExtent(i_Text, &width, &height, nullptr, nullptr, &m_Font);
    return {static_cast<std::int32_t>(width), static_cast<std::int32_t>(height)};
}

} // namespace N_UI
