// The main view's pictures of the editing machine's states, driven as a user drives them (input
// records and the document's commands) and painted in the off-screen context: the navigation
// glyphs, the rectangle of a rectangle selection, and the previews of the line, weld and move
// tasks. The view matrix is the identity, so section (x, y) and overlay (x, y) both lie at window
// (32 + x, 32 + y); a probe sits where a line crosses a pixel's centre column (or row), worked out
// by hand.
#include "tests/sect/Test_Sect_Input_Support.h"
#include "tests/sect/Test_Sect_View_Support.h"

#include <GL/gl.h>

#include <array>
#include <optional>
#include <vector>

namespace N_Test_Sect_Geom {
namespace {

using N_Biz::N_Sect::N_State::C_Machine_Top;
using N_Test_Sect_View::G_Fn_Near;
using N_Test_Sect_View::G_Fn_Pixel;
using N_Test_Sect_View::G_Fn_RGB;
using N_Test_Sect_View::T_RGB;

const T_RGB S_Black{0, 0, 0};
const T_RGB S_White{255, 255, 255};

// The context's state as a test found it comes back when the test ends.
class C_GL_State_Keep {
public:
    C_GL_State_Keep()
    {
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    }
    ~C_GL_State_Keep()
    {
        glPopClientAttrib();
        glPopAttrib();
    }
    C_GL_State_Keep(const C_GL_State_Keep&) = delete;
    C_GL_State_Keep& operator=(const C_GL_State_Keep&) = delete;
};

class C_View_State : public C_Input_Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen());
        m_Keep.emplace();
        C_Input_Test::SetUp();
        // Nothing on the picture but what the tests look at: no grid (so free positions are not
        // snapped either) and no triads.
        N_Biz::N_Config::C_Config_Data& config = m_App.app().m_sp_Config->M_Fn_Data();
        config.m_Show_Grid = 0;
        config.m_Show_Coord = 0;
    }
    void TearDown() override
    {
        C_Input_Test::TearDown();
        m_Keep.reset();
    }
    // The window's paint.
    void paint()
    {
        frame().M_Fn_View_Main_Draw();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }

    std::optional<C_GL_State_Keep> m_Keep;
};

TEST_F(C_View_State, NavigationGlyphAndSelectionRectangleFollowTheInputState)
{
    struct C_Input_Step {
        std::int32_t m_Kind, m_X, m_Y;
        std::uint32_t m_Flags;
    };
    struct C_Case {
        const char* m_Name;
        std::vector<C_Input_Step> m_Steps;
        std::uint32_t m_State;
        // The probed pixel, and the other pixel that a line running along a pixel edge may take
        // (the same pixel when the line crosses the probe's centre column).
        std::array<int, 2> m_Probe, m_Beside;
        T_RGB m_Color;
    };
    const std::uint32_t ctrl = N_In::E_Flag_Ctrl, middle = N_In::E_Flag_Middle, left = N_In::E_Flag_Left;
    // The glyphs have r = 0.6 x 32 = 19.2 pixels about the view centre.
    const C_Case cases[] = {
        // A chevron stroke from (0.8 r, 0.075 r) = (15.36, 1.44) to (r, 0) crosses column 49's
        // centre (x = 17.5) at y = 0.64.
        {"scale", {{N_In::E_Kind_Middle_Down, 32, 32, ctrl | middle}}, C_Machine_Top::E_Id_Input_Scale, {49, 32}, {49, 32},
         G_Fn_RGB(1, 0.5f, 1)},
        // An arrow stroke from (0.8 r, 0.05 r) = (15.36, 0.96) to (r, 0) crosses column 48's centre
        // (x = 16.5) at y = 0.68.
        {"translate", {{N_In::E_Kind_Middle_Down, 32, 32, middle}}, C_Machine_Top::E_Id_Input_Translate, {48, 32}, {48, 32},
         G_Fn_RGB(0.5f, 1, 1)},
        // The circle's chord from angle 1.5 to 1.6, (1.358, 19.152) to (-0.560, 19.184), crosses
        // column 32's centre (x = 0.5) at y = 19.17.
        {"rotate", {{N_In::E_Kind_Middle_Down, 32, 32, middle}, {N_In::E_Kind_Left_Down, 32, 32, middle | left}},
         C_Machine_Top::E_Id_Input_Rotate, {32, 51}, {32, 51}, G_Fn_RGB(0.75f, 0.75f, 1)},
        // A left drag from window (20, 20) to (44, 40): the rectangle's lower edge runs along
        // y = 20, between rows 19 and 20.
        {"rectangle",
         {{N_In::E_Kind_Move, 20, 20, 0}, {N_In::E_Kind_Left_Down, 20, 20, left}, {N_In::E_Kind_Move, 44, 40, left}},
         C_Machine_Top::E_Id_Input_Drag_Select, {30, 20}, {30, 19}, S_White},
    };
    auto probe = [](const C_Case& ro_Case) {
        const T_RGB a = G_Fn_Pixel(ro_Case.m_Probe[0], ro_Case.m_Probe[1]);
        return a != S_Black ? a : G_Fn_Pixel(ro_Case.m_Beside[0], ro_Case.m_Beside[1]);
    };
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Name);
        for (const C_Input_Step& step : c.m_Steps)
            in(step.m_Kind, step.m_X, step.m_Y, step.m_Flags);
        ASSERT_EQ(input_state(), c.m_State);
        paint();
        EXPECT_TRUE(G_Fn_Near(probe(c), c.m_Color));
        // The mouse leaving the view ends the gesture: the picture goes with it.
        in(N_In::E_Kind_Leave, 0, 0);
        ASSERT_EQ(input_state(), C_Machine_Top::E_Id_Input_Idle);
        paint();
        EXPECT_EQ(probe(c), S_Black);
    }
}

TEST_F(C_View_State, LineAndWeldStretchABandFromTheFirstPositionToTheCursor)
{
    struct C_Case {
        const char* m_Name;
        void (C_Mgr_D_Geom_E::*m_Fn_Start)();
        std::uint32_t m_State;
    };
    const C_Case cases[] = {
        {"line", &C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line, C_Machine_Top::E_Id_Task_D_Geom_Create_Line},
        {"weld", &C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld, C_Machine_Top::E_Id_Task_D_Geom_Create_Weld},
    };
    const T_RGB green = G_Fn_RGB(0.25f, 1, 0.25f), yellow = G_Fn_RGB(1, 1, 0.25f), grey = G_Fn_RGB(0.5f, 0.5f, 0.5f);
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Name);
        (entities().*c.m_Fn_Start)();
        ASSERT_EQ(task(), c.m_State);
        // The free position under the cursor at (-20, -10) is the current pick: green.
        move(-20, -10);
        paint();
        EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(12, 22), green));
        // Clicked, it is in the selection set: yellow (probed left of the band, which is drawn
        // over the marks); the current pick follows the cursor to (20, 10).
        click(-20, -10);
        ASSERT_EQ(task(), c.m_State);
        move(20, 10);
        paint();
        EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(11, 23), yellow));
        EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(52, 42), green));
        // The band from (20, 10) to (-20, -10), slope 1/2, crosses column 42's centre (x = 10.5)
        // at y = 5.25.
        EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(42, 37), grey));
        EXPECT_EQ(G_Fn_Pixel(42, 39), S_Black);
        // Esc ends the task: no band and no positions.
        esc();
        paint();
        EXPECT_EQ(G_Fn_Pixel(42, 37), S_Black);
        EXPECT_EQ(G_Fn_Pixel(12, 22), S_Black);
    }
    EXPECT_EQ(entities().M_Fn_Count(), 0u);
}

TEST_F(C_View_State, MovePreviewFollowsTheCursorAndThePaintAsksForNoOtherPaint)
{
    // A line from (-20, -20) to (0, -10) without a property card, picked at its middle for the
    // move.
    M_Fn_Run(L"Line", [&](const T_sp_Group& g) { M_Fn_Line_XY(g, -20, -20, 0, -10); });
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move();
    ASSERT_EQ(task(), C_Machine_Top::E_Id_Task_D_Geom_Move_P_0);
    click(-10, -15);
    ASSERT_EQ(task(), C_Machine_Top::E_Id_Task_D_Geom_Move_P_1);
    ASSERT_EQ(sel_entities(), std::vector<std::uint32_t>{1});

    // The cursor over (0, 10): the line would move from its first point (-20, -20) by (20, 30).
    move(0, 10);
    ASSERT_TRUE(frame().m_Flags & C_Mgr_Frame::E_Flag_Pick_Cover);
    ASSERT_TRUE(sect().M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    const int count = m_View.m_Count;
    paint();
    // The paint ran the pending pick and the calculation (which builds the mesh) without asking
    // for another paint, and left nothing frozen or pending.
    EXPECT_EQ(m_View.m_Count, count);
    EXPECT_EQ(frame().m_Flags, 0u);
    EXPECT_FALSE(sect().M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    // The preview (0, 10)-(20, 20), grey, crosses column 42's centre (x = 10.5) at y = 15.25.
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(42, 47), G_Fn_RGB(0.5f, 0.5f, 0.5f)));
    EXPECT_EQ(G_Fn_Pixel(42, 49), S_Black);
    // The line itself, still in the current pick as well as selected: the picked colour 0.9, 3
    // pixels wide, across column 16's centre (x = -15.5) at y = -17.75.
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(16, 14), G_Fn_RGB(0.9f, 0.9f, 0.9f)));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(16, 15), G_Fn_RGB(0.9f, 0.9f, 0.9f)));
    // Esc: the line stays where it is, without a preview.
    esc();
    paint();
    EXPECT_EQ(G_Fn_Pixel(42, 47), S_Black);
    EXPECT_NE(G_Fn_Pixel(16, 14), S_Black);
}

} // namespace
} // namespace N_Test_Sect_Geom
