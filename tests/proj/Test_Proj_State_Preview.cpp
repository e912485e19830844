// The previews of the running section tasks in whole frames of the project view (off-screen
// context, pixel probes): the axis of a group creation once two positions are picked, and the
// segments to the neighbours of an inserted or moved section.
#include "tests/proj/Test_Proj_Support_State.h"
#include "tests/support/Test_GL_Offscreen.h"

#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"

#include <GL/gl.h>

#include <cmath>

namespace N_Test_Proj {
namespace {

using namespace N_Biz::N_Proj::N_State;

constexpr int K_W = 320;
constexpr int K_H = 240;

class C_State_Preview_Test : public C_Proj_State_Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen_Size(K_W, K_H));
        frame().M_Fn_View_Main_On_Create(&m_View);
        frame().M_Fn_View_Main_On_Size(K_W, K_H);
        frame().M_Fn_View_Main_Preset_XY();
        config().m_Cut_Models = 0;
        config().m_Extra_Sections = 0;
    }
    void TearDown() override { frame().M_Fn_View_Main_On_Destroy(); }

    // The pixel of a model point after a whole frame.
    std::array<int, 3> M_Fn_Pixel_At(const C_Vector3f& ro_P)
    {
        frame().M_Fn_View_Main_On_Draw();
        glFinish();
        C_Vector3f e;
        frame().M_Fn_Get_Modelview().M_Fn_Transform_Point(ro_P, e);
        unsigned char px[4] = {0, 0, 0, 0};
        glReadPixels(int(std::floor(e.x + K_W / 2.0f)), int(std::floor(e.y + K_H / 2.0f)), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE,
                     px);
        return {px[0], px[1], px[2]};
    }
    // Any pixel within one of the model point (the lines are two pixels wide) of colour ro_Rgb.
    bool M_Fn_Near_Colour(const C_Vector3f& ro_P, const std::array<int, 3>& ro_Rgb)
    {
        frame().M_Fn_View_Main_On_Draw();
        glFinish();
        C_Vector3f e;
        frame().M_Fn_Get_Modelview().M_Fn_Transform_Point(ro_P, e);
        const int x = int(std::floor(e.x + K_W / 2.0f)), y = int(std::floor(e.y + K_H / 2.0f));
        for (int dy = -1; dy <= 1; ++dy) {
            unsigned char px[4] = {0, 0, 0, 0};
            glReadPixels(x, y + dy, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, px);
            if (std::abs(px[0] - ro_Rgb[0]) <= 4 && std::abs(px[1] - ro_Rgb[1]) <= 4 && std::abs(px[2] - ro_Rgb[2]) <= 4)
                return true;
        }
        return false;
    }

    int m_View = 0;
};

const std::array<int, 3> K_White = {255, 255, 255};
const std::array<int, 3> K_Grey = {128, 128, 128};

// A running group creation draws its axis from the first to the last picked position once there
// are two; Enter creates the group and the preview goes.
TEST_F(C_State_Preview_Test, GroupCreationWithTwoPositionsDrawsItsAxis)
{
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S();
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Create();
    ASSERT_EQ(task(), 20u);
    const C_Vector3f on_axis(20, -30, 0);
    sel().M_Fn_Sel_P1_Set_Scrn({-60, -30, 0});
    EXPECT_FALSE(M_Fn_Near_Colour(on_axis, K_White));
    sel().M_Fn_Sel_P1_Set_Scrn({60, -30, 0});
    EXPECT_TRUE(M_Fn_Near_Colour(on_axis, K_White));
    // Off the axis: the background.
    EXPECT_EQ(M_Fn_Pixel_At({20, 30, 0}), (std::array<int, 3>{0, 0, 0}));
    // The same picks without the task: no preview.
    esc();
    M_Fn_Picks({{-60, -30, 0}, {60, -30, 0}});
    EXPECT_FALSE(M_Fn_Near_Colour(on_axis, K_White));
}

// Insert and move, second phase: grey segments from the neighbour before, through the position
// under the cursor (projected onto the axis), to the neighbour after.
TEST_F(C_State_Preview_Test, InsertAndMoveDrawTheSegmentsToTheNeighbours)
{
    const std::uint32_t g = M_Fn_Group_Along({{-80, 0, 0}, {0, 0, 0}, {80, 0, 0}});
    // The sections themselves (and their white axis) are not drawn.
    config().m_Sect_Disp = 2;
    auto& nodes = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();

    // Insert before the middle section, the cursor at x = -40 a little off the axis.
    M_Fn_Select({M_Fn_Sect(g, 2)});
    m_Proj.M_Fn_Get_Mgr_State().M_Fn_Task_Start<C_Event_D_Sect_Individual_Insert>();
    ASSERT_EQ(task(), 24u);
    EXPECT_FALSE(M_Fn_Near_Colour({-60, 0, 0}, K_Grey));
    nodes.M_Fn_Sel_P0_Add({0, 0, {-40, 6, 0}});
    EXPECT_TRUE(M_Fn_Near_Colour({-60, 0, 0}, K_Grey));
    EXPECT_TRUE(M_Fn_Near_Colour({-20, 0, 0}, K_Grey));
    EXPECT_FALSE(M_Fn_Near_Colour({40, 0, 0}, K_Grey));
    esc();

    // Move the middle section to x = 30: segments to both neighbours.
    M_Fn_Select({M_Fn_Sect(g, 2)});
    m_Proj.M_Fn_Event_Post_D_Sect_Individual_Move();
    ASSERT_EQ(task(), 26u);
    nodes.M_Fn_Sel_P0_Add({0, 0, {30, -6, 0}});
    EXPECT_TRUE(M_Fn_Near_Colour({-20, 0, 0}, K_Grey));
    EXPECT_TRUE(M_Fn_Near_Colour({55, 0, 0}, K_Grey));
    // Beyond a neighbour the position is refused: no preview.
    nodes.M_Fn_Sel_P0_Clear();
    nodes.M_Fn_Sel_P0_Add({0, 0, {100, 0, 0}});
    EXPECT_FALSE(M_Fn_Near_Colour({-20, 0, 0}, K_Grey));
    esc();
}

} // namespace
} // namespace N_Test_Proj
