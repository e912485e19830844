// The OpenGL canvas base on screen: its context is made current only once the window is realized,
// text reaches the view that is current through the application's port, and a canvas that goes
// leaves no context current.
#include "tests/gui/Test_GUI_Support.h"

#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Wnd_View_GL.h"

#include <gtest/gtest.h>

#include <wx/frame.h>

#include <GL/gl.h>

#include <vector>

#include <GL/glx.h>

using namespace N_Test_GUI;
using N_Common::N_Graphic::N_OpenGL::C_View;
using N_UI::C_Wnd_View_GL;

namespace {

// A canvas that counts its set-up and take-down.
class C_Canvas : public C_Wnd_View_GL {
public:
    explicit C_Canvas(wxWindow* i_p_Parent) : C_Wnd_View_GL(i_p_Parent, wxID_ANY, wxDefaultPosition, wxSize(200, 100))
    {
    }
    ~C_Canvas() override { M_Fn_GL_Destroy(); }

    int m_Created = 0;
    int* m_p_Destroyed = nullptr;

protected:
    void MV_Fn_On_GL_Create() override { ++m_Created; }
    void MV_Fn_On_GL_Destroy() override
    {
        if (m_p_Destroyed)
            ++*m_p_Destroyed;
    }
};

// A frame holding one canvas, shown, the canvas ready.
struct C_Canvas_Frame {
    C_Canvas_Frame()
    {
        m_p_Frame = new wxFrame(nullptr, wxID_ANY, "GL", wxDefaultPosition, wxSize(240, 160));
        m_p_Canvas = new C_Canvas(m_p_Frame);
        m_p_Frame->Show();
        G_Fn_Wait_For([&] { return m_p_Canvas->M_Fn_GL_Ready(); });
    }
    ~C_Canvas_Frame()
    {
        if (m_p_Frame)
            m_p_Frame->Destroy();
        G_Fn_Run_For(std::chrono::milliseconds(20));
    }
    wxFrame* m_p_Frame;
    C_Canvas* m_p_Canvas;
};

// Lit pixels (any channel above 0) of the back buffer inside and outside the box [x0, x1) x [y0, y1).
struct C_Lit {
    int m_Inside = 0;
    int m_Outside = 0;
};
C_Lit G_Fn_Lit(int i_Width, int i_Height, int i_X0, int i_Y0, int i_X1, int i_Y1)
{
    std::vector<unsigned char> rgba(static_cast<std::size_t>(i_Width) * i_Height * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, i_Width, i_Height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    C_Lit lit;
    for (int y = 0; y < i_Height; ++y)
        for (int x = 0; x < i_Width; ++x) {
            const unsigned char* p = &rgba[(static_cast<std::size_t>(y) * i_Width + x) * 4];
            if (p[0] == 0 && p[1] == 0 && p[2] == 0)
                continue;
            (x >= i_X0 && x < i_X1 && y >= i_Y0 && y < i_Y1 ? lit.m_Inside : lit.m_Outside)++;
        }
    return lit;
}

} // namespace

TEST(C_Wnd_View_GL, ContextIsMadeCurrentOnlyOnceTheWindowIsOnScreenAndSetUpOnce)
{
    auto* p_frame = new wxFrame(nullptr, wxID_ANY, "GL", wxDefaultPosition, wxSize(240, 160));
    auto* p_canvas = new C_Canvas(p_frame);
    ASSERT_TRUE(p_canvas->M_Fn_Is_OK());
    // Not shown: no X window, no switch (and no assertion of the toolkit).
    EXPECT_FALSE(p_canvas->M_Fn_GL_Ready());
    EXPECT_EQ(C_View::S_Fn_Current(), nullptr);
    EXPECT_EQ(p_canvas->m_Created, 0);
    p_frame->Show();
    ASSERT_TRUE(G_Fn_Wait_For([&] { return p_canvas->M_Fn_GL_Ready(); }));
    EXPECT_TRUE(p_canvas->M_Fn_GL_Ready());
    EXPECT_EQ(p_canvas->m_Created, 1);
    EXPECT_EQ(C_View::S_Fn_Current(), p_canvas);
    EXPECT_NE(glXGetCurrentContext(), nullptr);
    p_frame->Destroy();
    G_Fn_Run_For(std::chrono::milliseconds(20));
}

TEST(C_Wnd_View_GL, TextThroughThePortLightsPixelsAtTheRasterPositionAndMovesItOn)
{
    C_Canvas_Frame f;
    ASSERT_EQ(C_View::S_Fn_Current(), f.m_p_Canvas);
    N_UI::C_App_Port_Wx port(nullptr);

    int width = 0, height = 0;
    port.M_Fn_GL_Get_Text_Extent(L"WWWW", width, height);
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);

    const wxSize size = f.m_p_Canvas->GetClientSize();
    glViewport(0, 0, size.x, size.y);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, size.x, 0.0, size.y, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0f, 1.0f, 1.0f);
    const int x0 = 20, y0 = 30;
    glRasterPos2i(x0, y0);
    port.M_Fn_GL_Draw_Text(L"WWWW");
    GLint raster[4] = {};
    glGetIntegerv(GL_CURRENT_RASTER_POSITION, raster);
    glFinish();
    EXPECT_EQ(raster[0], x0 + width) << "the raster position moves on by the text's width";
    EXPECT_EQ(raster[1], y0);

    // The text lies in its extent around the raster position (the baseline on it), nowhere else.
    const C_Lit lit = G_Fn_Lit(size.x, size.y, x0, y0 - height, x0 + width, y0 + height);
    EXPECT_GT(lit.m_Inside, 0);
    EXPECT_EQ(lit.m_Outside, 0);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(C_Wnd_View_GL, ExtentsFollowTheVisibleTextAndTheFont)
{
    C_Canvas_Frame f;
    N_UI::C_App_Port_Wx port(nullptr);
    struct C_Case {
        std::wstring m_Text;
        std::wstring m_Same_As;
    } const cases[] = {
        {std::wstring(L"AB\0CD", 5), L"AB"}, // drawing and measuring stop at a zero character
        {L"", L""},
    };
    for (const C_Case& c : cases) {
        int w1 = -1, h1 = -1, w2 = -1, h2 = -1;
        port.M_Fn_GL_Get_Text_Extent(c.m_Text, w1, h1);
        port.M_Fn_GL_Get_Text_Extent(c.m_Same_As, w2, h2);
        EXPECT_EQ(w1, w2);
        EXPECT_EQ(h1, h2);
    }
    int w = -1, h = -1;
    port.M_Fn_GL_Get_Text_Extent(L"", w, h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);

    // A bigger font measures wider.
    int small = 0, big = 0;
    port.M_Fn_GL_Get_Text_Extent(L"Section", small, h);
    wxFont font = f.m_p_Canvas->M_Fn_Text_Font_Get();
    font.SetPointSize(font.GetPointSize() * 3);
    f.m_p_Canvas->M_Fn_Text_Font_Set(font);
    port.M_Fn_GL_Get_Text_Extent(L"Section", big, h);
    EXPECT_GT(big, 2 * small);
}

TEST(C_Wnd_View_GL, WithoutACurrentViewThePortDrawsAndMeasuresNothing)
{
    C_Canvas_Frame f;
    f.m_p_Canvas->M_Fn_Release();
    ASSERT_EQ(C_View::S_Fn_Current(), nullptr);
    EXPECT_EQ(glXGetCurrentContext(), nullptr);
    N_UI::C_App_Port_Wx port(nullptr);
    int w = -1, h = -1;
    port.M_Fn_GL_Get_Text_Extent(L"Text", w, h);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(h, 0);
    port.M_Fn_GL_Draw_Text(L"Text"); // nothing to draw into, and no crash
    EXPECT_TRUE(f.m_p_Canvas->M_Fn_Make_Current());
}

TEST(C_Wnd_View_GL, CanvasThatGoesWhileCurrentLeavesNoContextCurrentAndTakesDownOnce)
{
    C_Canvas_Frame f;
    C_Canvas_Frame other;
    int destroyed = 0;
    f.m_p_Canvas->m_p_Destroyed = &destroyed;
    ASSERT_TRUE(f.m_p_Canvas->M_Fn_Make_Current());
    delete f.m_p_Canvas;
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(C_View::S_Fn_Current(), nullptr);
    EXPECT_EQ(glXGetCurrentContext(), nullptr);

    // The other canvas is untouched and can still be made current.
    EXPECT_TRUE(other.m_p_Canvas->M_Fn_Make_Current());
    EXPECT_NE(glXGetCurrentContext(), nullptr);
}
