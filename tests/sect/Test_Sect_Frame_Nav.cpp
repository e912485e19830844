// The section view manager's navigation: wheel zoom, the scale, rotate and translate gestures,
// the fit, the main view's size, the grid snap of free positions, the lazy pick and the window
// hooks. Expected numbers are worked out by hand from the gestures' pixel movements.
#include "tests/sect/Test_Sect_Input_Support.h"

#include "common/Common_Exception.h"

#include <cmath>

namespace N_Test_Sect_Geom {
namespace {

using namespace N_Biz::N_Sect::N_State;
using N_In::C_Input;

class C_Frame_Nav : public C_Input_Test {
protected:
    const float* view() { return frame().m_Matrix_View.m_Data; }
    N_Biz::N_Config::C_Config_Data& config() { return m_App.app().m_sp_Config->M_Fn_Data(); }
    void wheel(std::int32_t i_Delta, std::uint32_t i_Flags)
    {
        in(N_In::E_Kind_Wheel, 40, 40, i_Flags, C_Input::S_Fn_Wheel_Angle(i_Delta));
    }
};

TEST_F(C_Frame_Nav, OneWheelNotchZoomsByExactlyFifteenSteps)
{
    // 1.01^15 = 1.1609690 (1.01^14 would be 1.1494742).
    wheel(0, 0);
    wheel(120, 0); // neither Shift nor Ctrl: no zoom, the input still reaches the machine
    EXPECT_EQ(frame().m_Zoom, 1.0f);
    wheel(120, N_In::E_Flag_Ctrl);
    EXPECT_NEAR(frame().m_Zoom, 1.1609690f, 2e-6f);
    EXPECT_NEAR(view()[0], 1.1609690f, 2e-6f);
    EXPECT_NEAR(view()[5], 1.1609690f, 2e-6f);
    wheel(-120, N_In::E_Flag_Shift);
    EXPECT_NEAR(frame().m_Zoom, 1.0f, 2e-6f);
    wheel(-240, N_In::E_Flag_Ctrl); // two notches: 1.01^-30 = 0.7419229
    EXPECT_NEAR(frame().m_Zoom, 0.7419229f, 2e-6f);
    // A notch that would leave [0.0625, 64] is dropped whole: no partial step to the limit.
    frame().m_Zoom = 60.0f;
    wheel(120, N_In::E_Flag_Ctrl);
    EXPECT_EQ(frame().m_Zoom, 60.0f);
    frame().m_Zoom = 0.07f;
    wheel(-120, N_In::E_Flag_Ctrl);
    EXPECT_EQ(frame().m_Zoom, 0.07f);
    EXPECT_EQ(input_state(), 3u);
}

TEST_F(C_Frame_Nav, ScaleTranslateAndRotateGestures)
{
    const std::uint32_t C = N_In::E_Flag_Ctrl, M = N_In::E_Flag_Middle, R = N_In::E_Flag_Right, L = N_In::E_Flag_Left;
    // Ctrl + middle: moving by (10, 6) scales by 1 + 16 / 512.
    in(N_In::E_Kind_Move, 40, 40);
    in(N_In::E_Kind_Middle_Down, 40, 40, M | C);
    in(N_In::E_Kind_Move, 40, 40, M | C); // no movement: no step
    EXPECT_EQ(frame().m_Zoom, 1.0f);
    in(N_In::E_Kind_Move, 50, 46, M | C);
    in(N_In::E_Kind_Middle_Up, 50, 46, C);
    EXPECT_EQ(frame().m_Zoom, 1.03125f);
    EXPECT_EQ(view()[0], 1.03125f);

    // Ctrl + right: the picture follows the cursor, (5, -3) pixels.
    in(N_In::E_Kind_Right_Down, 50, 46, R | C);
    in(N_In::E_Kind_Move, 55, 43, R | C);
    in(N_In::E_Kind_Leave, 60, 50, R | C); // leaving ends the gesture without a further step
    EXPECT_EQ(input_state(), 3u);
    EXPECT_EQ(view()[12], 5.0f);
    EXPECT_EQ(view()[13], -3.0f);
    frame().M_Fn_View_Main_Center();
    EXPECT_EQ(view()[12], 0.0f);
    EXPECT_EQ(view()[13], 0.0f);
    EXPECT_EQ(view()[0], 1.03125f);

    // Ctrl + left drag from (10, 0) to (0, 10) about the view centre: a quarter turn, the x axis
    // onto the y axis; the rotation matrix turns with the view.
    frame().M_Fn_View_Main_Reset(); // no points: zoom 1, no rotation
    in(N_In::E_Kind_Enter, 42, 32);
    in(N_In::E_Kind_Move, 42, 32);
    in(N_In::E_Kind_Left_Down, 42, 32, L | C);
    in(N_In::E_Kind_Move, 32, 42, L | C);
    in(N_In::E_Kind_Left_Up, 32, 42, C);
    EXPECT_NEAR(view()[0], 0.0f, 1e-6f);
    EXPECT_NEAR(view()[1], 1.0f, 1e-6f);
    EXPECT_NEAR(view()[4], -1.0f, 1e-6f);
    EXPECT_NEAR(frame().m_Matrix_Rotate.m_Data[1], 1.0f, 1e-6f);
    // From the exact view centre there is no direction: nothing turns.
    frame().M_Fn_View_Main_Reset();
    in(N_In::E_Kind_Move, 32, 32);
    in(N_In::E_Kind_Move, 32, 40, L | C);
    EXPECT_EQ(input_state(), 5u);
    EXPECT_EQ(view()[0], 1.0f);
    EXPECT_EQ(view()[1], 0.0f);
}

TEST_F(C_Frame_Nav, FitHoldsTheCircleAboutTheOriginAroundTheBox)
{
    frame().M_Fn_View_Main_Adjust();
    EXPECT_EQ(frame().m_Zoom, 1.0f); // no points
    // A tiny section fits as well: the circle about the origin reaches 0.025 + 0.025, so 32 / 0.05,
    // far above the 64 that would hold a section of unit size.
    M_Fn_Run(L"Points", [&](const T_sp_Group& g) { M_Fn_Point(g, 0.05f, 0); });
    frame().M_Fn_View_Main_Adjust();
    EXPECT_NEAR(frame().m_Zoom, 640.0f, 1e-3f);
    history().M_Fn_Undo();
    M_Fn_Run(L"Points", [&](const T_sp_Group& g) {
        M_Fn_Point(g, 10, 0);
        M_Fn_Point(g, 30, 0);
    });
    // Box centre (20, 0): 20 from the origin, plus half the diagonal 10; fit radius 32.
    frame().m_Matrix_View.M_Fn_Translate_Pre(7, 7, 0);
    frame().M_Fn_View_Main_Adjust();
    EXPECT_NEAR(frame().m_Zoom, 32.0f / 30.0f, 1e-6f);
    EXPECT_NEAR(view()[0], 32.0f / 30.0f, 1e-6f);
    EXPECT_EQ(view()[12], 0.0f); // the pan goes
}

TEST_F(C_Frame_Nav, FreePositionsSnapToTheGridWithinTenPixels)
{
    config().m_Grid_Scale = 100.0f;
    auto pos = [&](std::int32_t i_X, std::int32_t i_Y) {
        const auto p = frame().M_Fn_View_Main_Pos_Scrn_To_Sect(i_X, i_Y);
        return std::array<float, 2>{p.x, p.y};
    };
    EXPECT_EQ(pos(32 + 9, 32), (std::array<float, 2>{0, 0}));
    EXPECT_EQ(pos(32 + 11, 32), (std::array<float, 2>{11, 0}));
    EXPECT_EQ(pos(32 + 6, 32 - 6), (std::array<float, 2>{0, 0})); // 8.5 pixels off diagonally
    // At zoom 2 ten pixels are 5 section units: 9 pixels (4.5 units) still snap, 11 do not.
    frame().M_Fn_View_Main_Zoom(2.0f);
    EXPECT_EQ(pos(32 + 9, 32), (std::array<float, 2>{0, 0}));
    EXPECT_EQ(pos(32 + 11, 32), (std::array<float, 2>{5.5f, 0}));
    config().m_Show_Grid = 0;
    EXPECT_EQ(pos(32 + 9, 32), (std::array<float, 2>{4.5f, 0}));
    // Through a point task: the click's free position becomes the point.
    config().m_Show_Grid = 1;
    post<C_Event_D_Geom_Create_Point>();
    in(N_In::E_Kind_Move, 32 + 9, 32 - 4);
    in(N_In::E_Kind_Left_Down, 32 + 9, 32 - 4, N_In::E_Flag_Left);
    in(N_In::E_Kind_Left_Up, 32 + 9, 32 - 4);
    ASSERT_EQ(points().M_Fn_Count(), 1u);
    EXPECT_EQ(points().M_Fn_Get_At(1).m_X, 0.0f);
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Y, 0.0f);
}

TEST_F(C_Frame_Nav, MovesOnlyMarkThePickWhichRunsOnceAtTheLastPosition)
{
    post<C_Event_D_Geom_Create_Point>();
    const int before = m_View.m_Count;
    move(10, -10);
    move(20, -20);
    EXPECT_TRUE(frame().m_Flags & C_Mgr_Frame::E_Flag_Pick_Cover);
    EXPECT_TRUE(points().M_Fn_Sel_P0_Get().empty());
    EXPECT_GT(m_View.m_Count, before);
    // The paint: frozen while it runs the pending pick, which then no longer is pending.
    frame().m_Flags |= C_Mgr_Frame::E_Flag_Frozen;
    const int painted = m_View.m_Count;
    frame().M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    frame().M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag();
    EXPECT_EQ(m_View.m_Count, painted);
    frame().m_Flags &= ~C_Mgr_Frame::E_Flag_Frozen;
    ASSERT_EQ(points().M_Fn_Sel_P0_Get().size(), 1u);
    EXPECT_EQ(points().M_Fn_Sel_P0_Get().front().m_Pos.x, 20.0f);
    EXPECT_EQ(points().M_Fn_Sel_P0_Get().front().m_Pos.y, -20.0f);
    EXPECT_FALSE(frame().m_Flags & C_Mgr_Frame::E_Flag_Pick_Cover);
    // Not pending any more: a second run changes nothing.
    points().M_Fn_Sel_P0_Clear();
    frame().M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    EXPECT_TRUE(points().M_Fn_Sel_P0_Get().empty());
}

TEST_F(C_Frame_Nav, WithoutAMainViewTheInputStillDrivesTheMachine)
{
    frame().M_Fn_View_Main_On_Destroy();
    move(0, 0);
    EXPECT_EQ(input_state(), 3u);
}

} // namespace
} // namespace N_Test_Sect_Geom
