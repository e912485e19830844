// The section's main view drawn in the off-screen context: background, grid, geometry with picks and
// selection, mesh with thickness and loops, the 360 degree plot, result marks, triads, prompt, and
// a 1 x 1 pick through the view's pick projection.
#include "tests/sect/Test_Sect_View_Support.h"

#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "common/Common_Exception.h"
#include "common/Common_Graphic_OpenGL_Select.h"

#include <GL/glu.h>

#include <cmath>
#include <string>
#include <vector>

using namespace N_Test_Sect_View;
using N_Common::N_Exception::C_Exception;
using N_Common::N_Graphic::N_OpenGL::C_Select;

namespace {

class C_Main_Draw : public C_View_Test {
protected:
    void SetUp() override
    {
        C_View_Test::SetUp();
        // Only what a test switches on.
        auto& config = M_Fn_Config();
        config.m_Show_Grid = config.m_Show_Nodes = config.m_Show_Coord = config.m_Show_Weakest = 0;
    }
    void M_Fn_Draw()
    {
        frame().M_Fn_View_Main_Draw();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    // The plane whose matrix is i_Matrix (column-major) as the section's.
    void M_Fn_Plane(const std::array<float, 16>& i_Matrix)
    {
        auto sp_plane = std::make_shared<C_D_Plane>();
        sp_plane->m_Matrix = C_Mgr_Frame::C_Matrix4f(i_Matrix.data());
        sect().M_Fn_Get_Mgr_D_Plane().M_Fn_D_Set(sp_plane);
    }
    // The paint left nothing frozen and no matrix pushed.
    void M_Fn_Expect_Clean()
    {
        EXPECT_EQ(frame().m_Flags & C_Mgr_Frame::E_Flag_Frozen, 0u);
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 1);
    }
};

const T_RGB S_Black{0, 0, 0}, S_White{255, 255, 255};

} // namespace

TEST_F(C_Main_Draw, BackgroundIsBlackAndWhiteInPrintMode)
{
    M_Fn_Main_Open();
    M_Fn_Draw();
    EXPECT_EQ(G_Fn_Pixel(1, 1), S_Black);
    M_Fn_Config().m_Print_Mode = 1;
    M_Fn_Draw();
    EXPECT_EQ(G_Fn_Pixel(1, 1), S_White);
    M_Fn_Expect_Clean();
}

TEST_F(C_Main_Draw, GridLinesTakeTheirColoursByIndex)
{
    // Zoom 0.5 with step 10: a line every 5 pixels; section y = 10 k lies on pixel row 32 + 5 k.
    M_Fn_Main_Open(0.5f);
    M_Fn_Config().m_Show_Grid = 1;
    M_Fn_Draw();
    // The x axis at row 32 (between the vertical lines at columns 37 and 42), the y axis at column
    // 32 (clear of the centroid's point at the origin); every fifth line (y = 50: row 57), the
    // others (y = 10: row 37); between the lines the background.
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(39, 32), G_Fn_RGB(0.4f, 0.3f, 0.3f)));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(32, 39), G_Fn_RGB(0.3f, 0.4f, 0.3f)));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(34, 57), G_Fn_RGB(0.3f, 0.3f, 0.3f)));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(34, 37), G_Fn_RGB(0.2f, 0.2f, 0.2f)));
    EXPECT_EQ(G_Fn_Pixel(34, 35), S_Black);
}

TEST(C_Mgr_Frame_Grid, RangeHoldsOnlyVisibleLinesStrictlyInsideTheBound)
{
    struct C_Case {
        double m_Centre, m_Radius, m_Bound, m_Step;
        bool m_Any;
        std::int64_t m_First, m_Last;
    };
    const C_Case cases[] = {
        {0, 45.25, 45.25, 10, true, -4, 4},            // a view at the origin
        {0, 20, 20, 10, true, -1, 1},                  // 20 = 2 x 10 is not strictly inside
        {500, 10, 510, 1, true, 490, 509},             // panned: only the 20 or so lines in sight
        {1e9, 50, 1e9 + 50, 1, false, 0, 0},           // beyond 999,998 steps: none, at once
        {999990, 20, 1000010, 1, true, 999970, 999998}, // the last step is 999,998
        {0, 5, 5, 0, false, 0, 0},                     // no step
        {0, 5, 0, 1, false, 0, 0},                     // no bound
    };
    for (const C_Case& c : cases) {
        std::int64_t first = 0, last = 0;
        const bool any = C_Mgr_Frame::S_Fn_Grid_Range(c.m_Centre, c.m_Radius, c.m_Bound, c.m_Step, first, last);
        EXPECT_EQ(any, c.m_Any) << c.m_Centre;
        if (any && c.m_Any) {
            EXPECT_EQ((std::array<std::int64_t, 2>{first, last}), (std::array<std::int64_t, 2>{c.m_First, c.m_Last}))
                << c.m_Centre;
        }
    }
}

TEST_F(C_Main_Draw, GeometryPicksAndSelectionTakeTheirColours)
{
    // Two lines without a card (colour by the view's fall-back colours) and their points.
    const std::int32_t a = M_Fn_Point(-20, -10), b = M_Fn_Point(20, -10), c = M_Fn_Point(-20, 10), d = M_Fn_Point(20, 10);
    const std::uint32_t low = M_Fn_Line(a, b);
    M_Fn_Line(c, d);
    M_Fn_Main_Open();
    // The lower line selected, point b in the selection set, point d and a free position picked.
    entities().M_Fn_Sel_P0_Add(entities().M_Fn_Get_At(low).get());
    entities().M_Fn_Sel_P1_Update_Yes();
    entities().M_Fn_Sel_P0_Clear();
    points().M_Fn_Sel_P0_Add(C_Handle_D_Geom_P(std::uint32_t(b), {20, -10}));
    points().M_Fn_Sel_P1_Update_Yes();
    points().M_Fn_Sel_P0_Clear();
    points().M_Fn_Sel_P0_Add(C_Handle_D_Geom_P(std::uint32_t(d), {20, 10}));
    points().M_Fn_Sel_P0_Add(C_Handle_D_Geom_P(0, {0, 20}));
    M_Fn_Draw();
    EXPECT_TRUE(G_Fn_Near(S_Fn_At(0, 10), G_Fn_RGB(0.7f, 0.7f, 0.7f))); // normal, 1 pixel wide
    EXPECT_EQ(S_Fn_At(0, 11), S_Black);
    EXPECT_EQ(S_Fn_At(10, -11), S_White); // selected: white, 3 wide
    // Lines without a property fail the calculation, whose check marks the first segment.
    EXPECT_EQ(result().m_Element_Marked, 1);
    EXPECT_EQ(S_Fn_At(0, -10), S_Black);
    EXPECT_TRUE(G_Fn_Near(S_Fn_At(20, -10), G_Fn_RGB(1, 0.25f, 0.25f))); // point in the selection set
    EXPECT_TRUE(G_Fn_Near(S_Fn_At(20, 10), G_Fn_RGB(0.25f, 0.25f, 1)));  // picked point
    EXPECT_TRUE(G_Fn_Near(S_Fn_At(0, 20), G_Fn_RGB(0.25f, 1, 0.25f)));   // picked free position
    // Points themselves only with the nodes option, white.
    EXPECT_NE(S_Fn_At(-20, 10), S_White);
    M_Fn_Config().m_Show_Nodes = 1;
    M_Fn_Draw();
    EXPECT_EQ(S_Fn_At(-20, 10), S_White);
}

TEST_F(C_Main_Draw, ThicknessAndLoopChangeTheMesh)
{
    M_Fn_Square(16, 6);
    M_Fn_Mode(C_Mgr_Sel::E_Mode_Element);
    M_Fn_Main_Open();
    const T_RGB red{255, 0, 0};
    // Plain mesh: one-pixel lines on the walls (the paint calculates: the mesh is built); walls of
    // their thickness, 6 units across (y from -19 to -13); loops, the square one, 3 pixels wide.
    M_Fn_Draw();
    EXPECT_FALSE(calc().M_Fn_Is_Stale());
    EXPECT_EQ((std::vector<T_RGB>{S_Fn_At(0, -16), S_Fn_At(0, -17)}), (std::vector<T_RGB>{red, S_Black}));
    M_Fn_Config().m_Show_Thickness = 1;
    M_Fn_Draw();
    EXPECT_EQ((std::vector<T_RGB>{S_Fn_At(0, -18), S_Fn_At(0, -20)}), (std::vector<T_RGB>{red, S_Black}));
    M_Fn_Config().m_Show_Thickness = 0;
    M_Fn_Config().m_Show_Loop = 1;
    M_Fn_Draw();
    EXPECT_EQ((std::vector<T_RGB>{S_Fn_At(0, -17), S_Fn_At(0, -18)}), (std::vector<T_RGB>{red, S_Black}));
}

TEST_F(C_Main_Draw, InertiaRingsOfAValuePast2To31DrawAndLabel)
{
    // Equivalent stiffness 3e9 in every direction, the effective one 1.5e9: rings of 1e9, 2e9 and
    // 3e9; the last has the radius 0.9 x 32 = 28.8 pixels, so 1e9 is 9.6 pixels.
    M_Fn_Result_Valid();
    for (std::size_t i = 0; i < C_Result::S_Num_Dir; ++i) {
        const double a = double(i) * 5.0 * 3.14159265358979323846 / 180.0;
        result().m_Dir[i] = {float(std::cos(a)), float(std::sin(a)), 3.0e9f, 1.5e9f};
    }
    M_Fn_Config().m_Show_Inertia_360 = 1;
    M_Fn_Main_Open();
    M_Fn_Draw();
    EXPECT_EQ(port().M_Fn_GL_Texts(), (std::vector<std::wstring>{L"1000000000", L"2000000000", L"3000000000",
                                                                 L"Select & edit geometry."}));
    // Each label sits above the centre at its ring's radius, in (0.6, 0.6, 0.6).
    for (int k = 0; k < 3; ++k) {
        const auto& text = port().m_GL_Texts[std::size_t(k)];
        EXPECT_NEAR(text.m_X, 32.5f, 1e-3f);
        EXPECT_NEAR(text.m_Y, 32.5f + 9.6f * float(k + 1), 1e-3f);
        EXPECT_NEAR(text.m_Color[0], 0.6f, 1e-6f);
    }
    // The first ring at 9.6 pixels (grey 0.4) to the left; the effective curve at 14.4 pixels and
    // the equivalent one on the last ring, both to the right.
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(32 - 10, 32), G_Fn_RGB(0.4f, 0.4f, 0.4f)));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(32 + 14, 32), G_Fn_RGB(0.7f, 0.6f, 0.9f)));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(32 + 29, 32), G_Fn_RGB(0.6f, 0.8f, 0.8f)));
}

TEST(C_Mgr_Frame_Ring, StepFollowsTheLeadingDigit)
{
    const std::pair<std::int64_t, std::int64_t> cases[] = {
        {0, 0},           {1, 0},          {3, 1},        {7, 2},           {10, 5},
        {19, 5},          {25, 10},        {60, 20},      {3000000000, 1000000000},
        {1999999999, 500000000},            {5000000000000, 2000000000000}, {9000000000000000000, 2000000000000000000},
    };
    for (const auto& [bound, step] : cases)
        EXPECT_EQ(C_Mgr_Frame::S_Fn_Ring_Step(bound), step) << bound;
}

TEST_F(C_Main_Draw, ResultMarksSitWhereTheResultSays)
{
    M_Fn_Square(16, 2);
    M_Fn_Mode(C_Mgr_Sel::E_Mode_Element);
    M_Fn_Main_Open();
    M_Fn_Draw(); // calculates and builds the mesh
    ASSERT_TRUE(result().m_Valid);
    // The segment on the lower wall (midpoint (0, -16)) marked by the checks, the right wall's
    // segment the weakest of the shown case, the centroid moved to (8, 8).
    const auto& store = elements().M_Fn_Get_Store();
    for (std::uint32_t i = 1; i < store.size(); ++i)
        if (store.is_used_at(i)) {
            const auto* p = dynamic_cast<const C_D_Tess_E_Segment*>(store.at(i).get());
            if (p->m_Mid.y < -15)
                result().m_Element_Marked = std::int32_t(i);
            if (p->m_Mid.x > 15)
                result().m_Case[1].m_Element_Critical = std::int32_t(i);
        }
    ASSERT_GT(result().m_Element_Marked * result().m_Case[1].m_Element_Critical, 0);
    result().m_Prop[1].m_Center_X = result().m_Prop[1].m_Center_Y = 8;
    M_Fn_Config().m_Show_Weakest = 1;
    M_Fn_Draw();
    // Smooth points: a pixel 3.6 pixels from the centre is clear of the 5-pixel white point and
    // fully inside the 9-pixel ring.
    EXPECT_EQ(S_Fn_At(0, -16), S_Black);                              // 3-pixel black core
    EXPECT_TRUE(G_Fn_Near(S_Fn_At(3, -14), G_Fn_RGB(1, 0.2f, 0.2f))); // ring of the check
    EXPECT_TRUE(G_Fn_Near(S_Fn_At(18, 3), G_Fn_RGB(0.8f, 0.2f, 1)));  // the weakest element's
    EXPECT_TRUE(G_Fn_Near(S_Fn_At(8, 8), G_Fn_RGB(0.5f, 0.8f, 0.8f))); // centroid
    M_Fn_Config().m_Show_Weakest = 0; // the weakest mark follows its option
    M_Fn_Draw();
    EXPECT_EQ(S_Fn_At(18, 3), S_Black);
}

TEST_F(C_Main_Draw, TriadsShowTheModelAxesAsSeenInTheSection)
{
    // A 128 x 128 view on the 64 x 64 buffer: the global triad stands at (hw - 80, hh - 80) =
    // (-16, -16) from the centre, pixel (48, 48); its x arrow runs 50 pixels to the right.
    frame().M_Fn_View_Main_On_Create(&m_Main);
    frame().M_Fn_View_Main_On_Size(128, 128);
    M_Fn_Config().m_Show_Coord = 1;
    // The arrows run along pixel edges: the line takes one of the two rows (columns) beside it.
    auto row = [](int i_X, int i_Y) { return G_Fn_Pixel(i_X, i_Y) != S_Black ? G_Fn_Pixel(i_X, i_Y) : G_Fn_Pixel(i_X, i_Y - 1); };
    auto col = [](int i_X, int i_Y) { return G_Fn_Pixel(i_X, i_Y) != S_Black ? G_Fn_Pixel(i_X, i_Y) : G_Fn_Pixel(i_X - 1, i_Y); };
    M_Fn_Draw();
    EXPECT_EQ(row(58, 48), (T_RGB{255, 0, 0}));
    EXPECT_EQ(col(48, 58), (T_RGB{0, 255, 0}));
    // Labels: GX at 60 pixels along x moved by (-5, -6), in window pixels from the bottom left.
    ASSERT_GE(port().m_GL_Texts.size(), 5u);
    const auto& gx = port().m_GL_Texts[0];
    EXPECT_EQ(gx.m_Text + port().m_GL_Texts[3].m_Text + port().m_GL_Texts[4].m_Text, L"GXLXLY");
    EXPECT_NEAR(gx.m_X, 48 + 55, 1e-3);
    EXPECT_NEAR(gx.m_Y, 48 - 6, 1e-3);
    // A plane whose local x is the model's y and local y the model's z: the model's y axis (green)
    // now points right, GY where GX was; without the option there is no triad.
    M_Fn_Plane({0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1});
    port().m_GL_Texts.clear();
    M_Fn_Draw();
    EXPECT_EQ(row(58, 48), (T_RGB{0, 255, 0}));
    EXPECT_NEAR(port().m_GL_Texts[1].m_X, 48 + 55, 1e-3);
    M_Fn_Config().m_Show_Coord = 0;
    M_Fn_Draw();
    EXPECT_EQ(row(58, 48), S_Black);
}

TEST_F(C_Main_Draw, PromptIsGreenAtItsAnchor)
{
    M_Fn_Main_Open();
    M_Fn_Mode(C_Mgr_Sel::E_Mode_Geometry, L"Select & edit geometry.");
    M_Fn_Draw();
    ASSERT_EQ(port().m_GL_Texts.size(), 1u);
    const auto& text = port().m_GL_Texts[0];
    EXPECT_EQ(text.m_Text, L"Select & edit geometry.");
    // (20 - hw, hh - 30) about the centre: 20 from the left, 30 below the top.
    EXPECT_EQ((std::vector<float>{text.m_X, text.m_Y, text.m_Color[0], text.m_Color[1], text.m_Color[2]}),
              (std::vector<float>{20, 34, 0, 1, 0}));
}

TEST_F(C_Main_Draw, AModeOutsideTheTableThrowsAndLeavesTheViewUsable)
{
    M_Fn_Main_Open();
    M_Fn_Mode(0);
    EXPECT_THROW(frame().M_Fn_View_Main_Draw(), C_Exception);
    M_Fn_Expect_Clean();
    const int count = m_Main.m_Count;
    frame().M_Fn_View_Main_Redraw();
    EXPECT_EQ(m_Main.m_Count, count + 1);
}

TEST_F(C_Main_Draw, OnePixelPickAtALinesMidpointPicksThatLine)
{
    const std::uint32_t low = M_Fn_Line(M_Fn_Point(-20, -10), M_Fn_Point(20, -10));
    const std::uint32_t high = M_Fn_Line(M_Fn_Point(-20, 10), M_Fn_Point(20, 10));
    M_Fn_Main_Open();
    // Zoom 1 without the half-pixel shift: the upper line runs through window y = 42.
    frame().m_Matrix_View = C_Mgr_Frame::C_Matrix4f();
    // A selection pass over the entities in slot order, each under its id; the first hit enters
    // the current pick.
    auto pick = [&] {
        std::vector<GLuint> hits;
        auto on_hit = [&](GLuint, GLuint, GLuint i_Count, const GLuint* ip_Names) {
            if (i_Count)
                hits.push_back(ip_Names[0]);
        };
        frame().M_Fn_View_Main_Bind_Geom_P();
        C_Select::M_Fn_Start();
        C_Context_Draw_Geom context;
        context.m_p_Sect = &sect();
        const auto& store = entities().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < store.size(); ++i)
            if (store.is_used_at(i)) {
                C_Select::M_Fn_Check_Capacity(on_hit);
                glLoadName(i);
                store.at(i)->M_Fn_Draw(context);
            }
        C_Select::M_Fn_Finish(on_hit);
        if (!hits.empty())
            entities().M_Fn_Sel_P0_Add(store.at(hits.front()).get());
    };
    // Pixel (32, 42) is where the upper line's midpoint (0, 10) lies.
    frame().M_Fn_View_Main_Pick_Box(32, 42, 1, 1, pick);
    ASSERT_EQ(entities().M_Fn_Sel_P0_Get().size(), 1u);
    EXPECT_EQ(entities().M_Fn_Sel_P0_Get().front(), entities().M_Fn_Get_At(high).get());
    EXPECT_FALSE(entities().M_Fn_Get_At(low)->m_Flag & 0x1u);
    // Between the lines nothing is hit; the projection and model-view came back.
    entities().M_Fn_Sel_P0_Clear();
    frame().M_Fn_View_Main_Pick_Box(32, 32, 1, 1, pick);
    EXPECT_TRUE(entities().M_Fn_Sel_P0_Get().empty());
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_EQ(std::vector<float>(projection, projection + 16),
              std::vector<float>(frame().m_Matrix_Proj.m_Data, frame().m_Matrix_Proj.m_Data + 16));
    EXPECT_EQ(m_Main.m_Count, 2); // each pick redraws
}

TEST_F(C_Main_Draw, SectionInTheProjectViewTakesItsSelectionState)
{
    // A line with a red property card: normal red, picked (0.75, 1, 1) (the inverse blended toward
    // white), 3 wide; a plain orthographic view of the section plane moved up by 10: the line lies
    // on row 42.
    const auto key = M_Fn_Property(1);
    m_Cards.back()->m_Display.M_Fn_Color_Set({1, 0, 0, 1});
    M_Fn_Line(M_Fn_Point(-20, 0), M_Fn_Point(20, 0), key);
    M_Fn_Plane({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 10, 0, 1});
    glMatrixMode(GL_PROJECTION);
    glOrtho(-32, 32, -32, 32, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0.5f, 0.5f, 0.0f);
    auto draw = [&] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        frame().M_Fn_View_Proj_Draw_Obj();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    };
    draw();
    EXPECT_EQ((std::vector<T_RGB>{G_Fn_Pixel(40, 42), G_Fn_Pixel(40, 43)}), (std::vector<T_RGB>{{255, 0, 0}, S_Black}));
    sect().m_Flag = 0x1; // in the project's current pick
    draw();
    EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(40, 43), G_Fn_RGB(0.75f, 1, 1)));
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    // The origin marker (3 pixels), inside the plane that the caller sets: picked, selected, neither.
    const std::pair<std::uint32_t, T_RGB> marks[] = {
        {0x1, G_Fn_RGB(0.25f, 0.25f, 1)}, {0x2, G_Fn_RGB(1, 0.25f, 0.25f)}, {0, G_Fn_RGB(0.5f, 0.5f, 1)}};
    for (const auto& [flag, colour] : marks) {
        sect().m_Flag = flag;
        glClear(GL_COLOR_BUFFER_BIT);
        frame().M_Fn_View_Proj_Draw_Obj_Origin();
        EXPECT_TRUE(G_Fn_Near(G_Fn_Pixel(32, 32), colour)) << flag;
    }
    EXPECT_EQ(G_Fn_Pixel(34, 32), S_Black);
    // The pick drawing hits along the line.
    int hits = 0;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    GLint viewport[4] = {0, 0, 64, 64};
    gluPickMatrix(52.0, 42.0, 3.0, 3.0, viewport);
    glOrtho(-32, 32, -32, 32, -100, 100);
    glMatrixMode(GL_MODELVIEW);
    C_Select::M_Fn_Start();
    glLoadName(7);
    frame().M_Fn_View_Proj_Draw_Select();
    C_Select::M_Fn_Finish([&](GLuint, GLuint, GLuint, const GLuint*) { ++hits; });
    EXPECT_EQ(hits, 1);
}
