// The project view's frame of a tube along z seen from the top ("XY - Top"), where every element is
// seen edge-on: its ring of corners is drawn in the Mesh mode chosen by the user and in the mesh
// that the section-group task picks by itself; the oblique view of the reset shows the tube as
// before, its two ends and its sides.
#include "tests/proj/Test_Proj_Support_State.h"
#include "tests/support/Test_Deck_Tube.h"
#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>

#include <cmath>
#include <vector>

namespace N_Test_Proj {
namespace {

using C_Vector3f = N_Biz::N_Proj::C_Mgr_Frame::C_Vector3f;

constexpr int K_W = 400;
constexpr int K_H = 300;
constexpr int K_Around = 16;
constexpr float K_Radius = 10;

class C_Mgr_Frame_Edge_On : public C_Proj_State_Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen_Size(K_W, K_H));
        frame().M_Fn_View_Main_On_Create(&m_View);
        frame().M_Fn_View_Main_On_Size(K_W, K_H);
        ASSERT_EQ(M_Fn_Import(G_Fn_Deck_Tube(K_Around, 4, K_Radius, 30).c_str()), 1u);
    }
    void TearDown() override { m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Clear(); }

    // Whether the frame lights a pixel (any channel above 40: the model's colours, not the black
    // background) within one of the model point's window position.
    bool M_Fn_Lit_At(const C_Vector3f& ro_P)
    {
        C_Vector3f e;
        frame().M_Fn_Get_Modelview().M_Fn_Transform_Point(ro_P, e);
        const int x = int(std::floor(e.x + K_W / 2.0f)), y = int(std::floor(e.y + K_H / 2.0f));
        glFinish();
        unsigned char rgba[9 * 4];
        glReadPixels(x - 1, y - 1, 3, 3, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        for (int i = 0; i < 9; ++i)
            if (std::max({rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2]}) > 40)
                return true;
        return false;
    }
    // How many of the ring's corners at height i_Z the frame shows.
    int M_Fn_Ring_Lit(float i_Z)
    {
        int lit = 0;
        for (int i = 0; i < K_Around; ++i) {
            const float a = float(2 * M_PI * i / K_Around);
            lit += M_Fn_Lit_At({K_Radius * std::cos(a), K_Radius * std::sin(a), i_Z});
        }
        return lit;
    }

    int m_View = 0;
};

} // namespace

TEST_F(C_Mgr_Frame_Edge_On, TubeAlongTheViewIsOutlinedInMeshModeAndDuringTheSectionGroupTask)
{
    // Mesh chosen by the user.
    config().m_Model_Disp = 4;
    frame().M_Fn_Config_Disp_Update();
    frame().M_Fn_View_Main_Preset_XY();
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_EQ(M_Fn_Ring_Lit(0), K_Around);

    // Auto: the section group's task (the beam axis is being picked) shows the models as a mesh.
    config().m_Model_Disp = 1;
    start<N_Biz::N_Proj::N_State::C_Event_D_Sect_Group_Create>();
    ASSERT_EQ(frame().M_Fn_Get_Disp_Model(), 4u);
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_EQ(M_Fn_Ring_Lit(0), K_Around);

    // The reset's oblique view: both end rings, seen slanted, as before.
    frame().M_Fn_View_Main_Reset();
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_EQ(M_Fn_Ring_Lit(0), K_Around);
    EXPECT_EQ(M_Fn_Ring_Lit(30), K_Around);
    EXPECT_TRUE(m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().at(1)->M_Fn_Draw_Arrays().m_Edges_Edge_On.empty());
}

} // namespace N_Test_Proj
