// The window-system-free half of an OpenGL view: which view's rendering context is current, and
// the view's text drawing and measuring. The window class of every OpenGL view derives from it and
// supplies the four system operations; the application's port draws and measures text in the
// view that is current (the core never sees a window).
//
// Rules of the current context, on the interface thread:
// - a view makes its own context current before it draws, sizes or picks, and its creation leaves
//   its context current (M_Fn_Make_Current);
// - making the context current that already is costs no system call;
// - a failed switch leaves no view current (the system has then dropped the old context too);
// - a view releases its context (M_Fn_Release) before the window system deletes it, and at the
//   latest in its destructor: when it is current, no context is current afterwards, so nothing
//   draws into a deleted context and nothing is released twice;
// - a scope that makes another view current (C_Scope) makes the previous one current again when it
//   ends;
// - text goes to the view that is current, in that view's own font.
#pragma once

#include "common/Common_Graphic_OpenGL_Text.h"

#include <cstdint>
#include <string>

namespace N_Common::N_Graphic::N_OpenGL {

class C_View {
public:
    // A text's extent in pixels.
    struct C_Extent {
        std::int32_t m_Width = 0;
        std::int32_t m_Height = 0;
    };

    // Makes i_p_View current for its lifetime (null: nothing changes) and the view that was current
    // before current again at its end (none: no context current).
    class C_Scope {
    public:
        explicit C_Scope(C_View* i_p_View);
        ~C_Scope();
        C_Scope(const C_Scope&) = delete;
        C_Scope& operator=(const C_Scope&) = delete;

    private:
        C_View* m_p_Previous;
        bool m_Switched = false;
    };

    C_View() = default;
    C_View(const C_View&) = delete;
    C_View& operator=(const C_View&) = delete;
    // Releases the context when it is still current (the derived window has already let its system
    // context go by then, so no system call is made).
    virtual ~C_View();

    // The view whose context is current, or null.
    static C_View* S_Fn_Current() { return S_p_Current; }

    // Makes this view's context current: true at once when it already is; otherwise the system
    // switch, after which this view is current (true) or none is (false).
    bool M_Fn_Make_Current();
    // Before the system context goes: when this view is current, the system is told to make no
    // context current and none is current afterwards. Idempotent.
    void M_Fn_Release();

    // Draws the text up to its first zero character at the current raster position, in the current
    // raster colour and this view's font; the raster position moves on by the text's width. An empty
    // text draws nothing. Rendered runs are cached per text.
    void M_Fn_Draw_Text(const std::wstring& i_Text);
    // The extent of the whole text (up to its first zero character) in this view's font; an empty
    // text gives (0, 0).
    C_Extent M_Fn_Get_Text_Extent(const std::wstring& i_Text);
    // After the view's font changed: drops the rendered runs.
    void M_Fn_Text_Font_Changed() { m_Text_Cache.M_Fn_Clear(); }

protected:
    // The system switch: makes this view's context current (true) or reports failure (false).
    virtual bool MV_Fn_Make_Current_System() = 0;
    // Makes no context current on the system.
    virtual void MV_Fn_Release_System() = 0;
    // Renders a non-empty text in the view's font (see C_Text_Bitmap).
    virtual C_Text_Bitmap MV_Fn_Text_Render(const std::wstring& i_Text) = 0;
    // Measures a non-empty text in the view's font.
    virtual C_Extent MV_Fn_Text_Extent(const std::wstring& i_Text) = 0;

private:
    static C_View* S_p_Current;

    C_Text_Cache m_Text_Cache;
};

} // namespace N_Common::N_Graphic::N_OpenGL
