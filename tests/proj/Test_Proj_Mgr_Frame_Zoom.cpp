// The project view's fit and zoom for models of any unit: a tube of radius 0.05 (metres), 5, 500 or
// 50,000 (a large model in millimetres) fills the view after the reset that its import runs, and
// Ctrl+wheel then enlarges and shrinks it. The zoom bounds keep their room around the fitted zoom
// when the content or the view size changes without an Adjust.
#include "tests/proj/Test_Proj_Support_Model.h"
#include "tests/support/Test_Deck_Tube.h"
#include "tests/support/Test_GL_Offscreen.h"
#include "tests/support/Test_Input_Wheel.h"

#include "biz/proj/Biz_Proj_Mgr_Frame.h"

#include <algorithm>
#include <cmath>

using N_Biz::N_Proj::C_Mgr_Frame;

namespace {

constexpr int K_W = 240;
constexpr int K_H = 180;

class C_Proj_Zoom_Test : public N_Test_Proj::C_Proj_Model_Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen_Size(K_W, K_H));
        frame().M_Fn_View_Main_On_Create(&m_View);
        frame().M_Fn_View_Main_On_Size(K_W, K_H);
        // The model shaded, nothing else drawn (no axis triad in the corner).
        N_Biz::N_Config::C_Config_Data& config = m_App.app().m_sp_Config->M_Fn_Data();
        config.m_Model_Disp = 5;
        config.m_Show_Coord = 0;
        frame().M_Fn_Config_Disp_Update();
    }
    void TearDown() override { m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Clear(); }

    C_Mgr_Frame& frame() { return m_Proj.M_Fn_Get_Mgr_Frame(); }
    // Ctrl+wheel over the view's centre, i_Notches notches (negative: out).
    void M_Fn_Wheel(int i_Notches) { frame().M_Fn_View_Main_On_Input(G_Fn_Input_Wheel_Ctrl(K_W / 2, K_H / 2, i_Notches)); }
    // A frame drawn; the larger side of the box around the lit pixels (any channel above 40 on the
    // black background).
    int M_Fn_Span()
    {
        frame().M_Fn_View_Main_On_Draw();
        return G_Fn_GL_Span(K_W, K_H, [](int i_R, int i_G, int i_B) { return std::max({i_R, i_G, i_B}) > 40; });
    }

    int m_View = 0;
};

// The same for a tube of the radius the parameter gives.
class C_Proj_Zoom_Radius : public C_Proj_Zoom_Test, public ::testing::WithParamInterface<double> {};

} // namespace

TEST_P(C_Proj_Zoom_Radius, ImportFitsTheModelAndTheWheelZoomsBothWays)
{
    const double radius = GetParam();
    // 16 around, two rings of elements, as long as it is wide.
    ASSERT_EQ(M_Fn_Import(G_Fn_Deck_Tube(16, 2, radius, 2 * radius).c_str()), 1u);
    // The reset of the import fits: the tube's box reaches half its diagonal, sqrt(12) radius / 2,
    // from its centre, which fills the fit radius of 90 pixels.
    EXPECT_NEAR(frame().M_Fn_Get_Zoom(), 90.0 / (std::sqrt(12.0) * radius / 2), 1e-4 * 90.0 / radius);
    const int fitted = M_Fn_Span();
    EXPECT_GE(fitted, std::min(K_W, K_H) / 2);
    EXPECT_LE(fitted, std::min(K_W, K_H));
    // One notch in enlarges the picture; two out make it smaller than fitted.
    M_Fn_Wheel(1);
    const int larger = M_Fn_Span();
    EXPECT_GT(larger, fitted);
    M_Fn_Wheel(-2);
    EXPECT_LT(M_Fn_Span(), fitted);
}

INSTANTIATE_TEST_SUITE_P(Radii, C_Proj_Zoom_Radius, ::testing::Values(0.05, 5.0, 500.0, 50000.0));

TEST_F(C_Proj_Zoom_Test, BoundsFollowTheContentAndTheViewSize)
{
    // Drag steps that halve and double the zoom.
    auto scale = [&](int i_Sum) {
        frame().m_Pos_Prev = {0, 0};
        frame().m_Pos_Cur = {i_Sum / 2, i_Sum / 2};
        frame().M_Fn_View_Main_Mouse_Scale();
    };
    // A box reaching 10,000 from the rotation centre in a fit radius of 90: fitted at 0.009, and
    // halving goes down to exactly a sixteenth of that, no further.
    frame().M_Fn_Box_Set({-10000, 0, 0}, {10000, 0, 0});
    frame().M_Fn_View_Main_Adjust();
    EXPECT_FLOAT_EQ(frame().M_Fn_Get_Zoom(), 0.009f);
    for (int i = 0; i < 5; ++i)
        scale(-256);
    EXPECT_FLOAT_EQ(frame().M_Fn_Get_Zoom(), 0.009f / 16);
    // A view twice as large without an Adjust: the fit doubles, so the zoom now lies below its
    // bounds; a step further down is refused, a step back up is taken.
    frame().M_Fn_View_Main_On_Size(2 * K_W, 2 * K_H);
    scale(-256);
    EXPECT_FLOAT_EQ(frame().M_Fn_Get_Zoom(), 0.009f / 16);
    scale(512);
    EXPECT_FLOAT_EQ(frame().M_Fn_Get_Zoom(), 0.009f / 8);

    // The content changed without an Adjust: a box reaching 1, fitted at 180 in this view. The
    // zoom, far below [0.0625, 16 x 180], may only rise.
    frame().M_Fn_Box_Set({-1, 0, 0}, {1, 0, 0});
    scale(-256);
    EXPECT_FLOAT_EQ(frame().M_Fn_Get_Zoom(), 0.009f / 8);
    scale(512);
    EXPECT_FLOAT_EQ(frame().M_Fn_Get_Zoom(), 0.009f / 4);
    // Fitted, it doubles up to exactly 16 times the fit and no further.
    frame().M_Fn_View_Main_Adjust();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 180.0f);
    for (int i = 0; i < 5; ++i)
        scale(512);
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 16 * 180.0f);
    // A box whose diagonal overflows a float gives no scale to fit: zoom 1, not 0.
    frame().M_Fn_Box_Set({-3e38f, 0, 0}, {3e38f, 0, 0});
    frame().M_Fn_View_Main_Adjust();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 1.0f);
}
