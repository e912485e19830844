// The section main view's fit and zoom for sections of any unit: a square wall 0.01 (metres), 2 or
// 20,000 (millimetres of a large frame) wide fills the view after the reset that opens a section
// window, and Ctrl+wheel then enlarges and shrinks it. The zoom limits keep their room around the
// fitted zoom when the geometry or the view size changes without a fit.
#include "tests/sect/Test_Sect_View_Support.h"

#include "tests/support/Test_Input_Wheel.h"

#include <cmath>

using namespace N_Test_Sect_View;

namespace {

constexpr int K_W = 160;
constexpr int K_H = 120;

class C_Sect_Zoom : public C_View_Test {
protected:
    void SetUp() override
    {
        C_View_Test::SetUp();
        ASSERT_TRUE(G_Fn_GL_Offscreen_Size(K_W, K_H));
        // The walls alone: no grid, nodes, triads or marks.
        auto& config = M_Fn_Config();
        config.m_Show_Grid = config.m_Show_Nodes = config.m_Show_Coord = config.m_Show_Weakest = 0;
        M_Fn_Mode(1);
        frame().M_Fn_View_Main_On_Create(&m_Main);
        frame().M_Fn_View_Main_On_Size(K_W, K_H);
    }
    // Ctrl+wheel over the view's centre, i_Notches notches (negative: out).
    void M_Fn_Wheel(int i_Notches) { frame().M_Fn_View_Main_On_Input(G_Fn_Input_Wheel_Ctrl(K_W / 2, K_H / 2, i_Notches)); }
    // A paint; the larger side of the box around the pixels of the red walls.
    int M_Fn_Span()
    {
        frame().M_Fn_View_Main_Draw();
        return G_Fn_GL_Span(K_W, K_H, [](int i_R, int i_G, int i_B) { return i_R > 128 && i_G < 20 && i_B < 20; });
    }
    // A drag step of the scale gesture whose dx + dy is i_Sum.
    void M_Fn_Scale(int i_Sum)
    {
        frame().m_Pos_Prev = {0, 0};
        frame().m_Pos_Curr = {i_Sum / 2, i_Sum / 2};
        frame().M_Fn_View_Main_Scale_Drag();
    }
};

class C_Sect_Zoom_Width : public C_Sect_Zoom, public ::testing::WithParamInterface<float> {};

} // namespace

TEST_P(C_Sect_Zoom_Width, ResetFitsTheSectionAndTheWheelZoomsBothWays)
{
    const float width = GetParam();
    M_Fn_Square(width / 2, width / 50);
    frame().M_Fn_View_Main_Reset();
    // The circle about the origin holding the square has the radius of half its diagonal, which
    // fills the fit radius of 60 pixels: the square is sqrt(2) x 60 = 85 pixels wide.
    EXPECT_NEAR(frame().m_Zoom, 60.0f / (width / std::sqrt(2.0f)), 1e-4f * 60.0f / width);
    const int fitted = M_Fn_Span();
    EXPECT_GE(fitted, 84);
    EXPECT_LE(fitted, 87);
    // One notch in enlarges the picture; two out make it smaller than fitted.
    M_Fn_Wheel(1);
    EXPECT_GT(M_Fn_Span(), fitted);
    M_Fn_Wheel(-2);
    EXPECT_LT(M_Fn_Span(), fitted);
}

INSTANTIATE_TEST_SUITE_P(Widths, C_Sect_Zoom_Width, ::testing::Values(0.01f, 2.0f, 20000.0f));

TEST_F(C_Sect_Zoom, LimitsFollowTheGeometryAndTheViewSize)
{
    // A square 0.02 wide (half diagonal 0.01 sqrt 2) in a fit radius of 60: fitted at 3000 sqrt 2,
    // and doubling goes up to exactly 64 times that, no further.
    M_Fn_Square(0.01f, 0.001f);
    frame().M_Fn_View_Main_Adjust();
    const float fit = frame().m_Zoom;
    EXPECT_NEAR(fit, 3000.0f * std::sqrt(2.0f), 0.1f);
    for (int i = 0; i < 7; ++i)
        M_Fn_Scale(512);
    EXPECT_EQ(frame().m_Zoom, 64 * fit);
    // A view half as large without a fit: the fit halves, so the zoom now lies above its limits;
    // a step further up is refused, a step back down is taken.
    frame().M_Fn_View_Main_On_Size(K_W / 2, K_H / 2);
    M_Fn_Scale(512);
    EXPECT_EQ(frame().m_Zoom, 64 * fit);
    M_Fn_Scale(-256);
    EXPECT_EQ(frame().m_Zoom, 32 * fit);

    // Geometry added without a fit: a point 20,000 away fits at 30 / 20,000 = 0.0015 (the box
    // reaches 10,000 + 10,000), far below the zoom, which may now only fall, down to exactly a
    // sixteenth of the new fit.
    M_Fn_Point(20000, 0);
    M_Fn_Scale(512);
    EXPECT_EQ(frame().m_Zoom, 32 * fit);
    frame().M_Fn_View_Main_Adjust();
    EXPECT_NEAR(frame().m_Zoom, 0.0015f, 1e-9f);
    const float far = frame().m_Zoom;
    for (int i = 0; i < 5; ++i)
        M_Fn_Scale(-256);
    EXPECT_EQ(frame().m_Zoom, far / 16);
}
