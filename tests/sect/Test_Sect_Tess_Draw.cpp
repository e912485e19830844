// Drawing of the mesh in an off-screen Mesa context: colour and line width follow the selection,
// the override and the display switches; thick walls and joint patches cover their pixels.
#include "tests/sect/Test_Sect_Mesh_Support.h"

#include "biz/sect/Biz_Sect_Context_Draw_Tess.h"
#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>

#include <vector>


namespace {


class C_Tess_Draw_Test : public N_Test_Sect_Mesh::C_Mesh_Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen());
        // Section coordinates -8..8 fill the 64 x 64 buffer: 4 pixels per unit.
        glMatrixMode(GL_PROJECTION);
        glOrtho(-8, 8, -8, 8, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        m_Context.m_p_Sect = &sect();
        m_Context.m_p_Color_Normal = m_Normal;
        m_Context.m_p_Color_Picked = m_Picked;
        m_Context.m_p_Color_Selected = m_Selected;
    }
    // Red channel of the pixel at section coordinates (x, y).
    static int S_Fn_Red(float i_X, float i_Y)
    {
        unsigned char rgba[4] = {0, 0, 0, 0};
        glReadPixels(int((i_X + 8) * 4), int((i_Y + 8) * 4), 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
        return rgba[0];
    }
    static float S_Fn_Width()
    {
        float width = 0;
        glGetFloatv(GL_LINE_WIDTH, &width);
        return width;
    }

    const float m_Normal[4] = {1, 0, 0, 1};
    const float m_Picked[4] = {0, 1, 0, 1};
    const float m_Selected[4] = {0, 0, 1, 1};
    N_Biz::N_Sect::C_Context_Draw_Tess m_Context;
};

using C_D_Tess_Element = C_Tess_Draw_Test;

} // namespace

TEST_F(C_D_Tess_Element, ColourAndWidthFollowSelectionAndSwitches)
{
    const std::int32_t a = M_Fn_Point(-4, 0), b = M_Fn_Point(0, 0), c = M_Fn_Point(0, 4);
    M_Fn_Line(a, b);
    M_Fn_Line(b, c);
    M_Fn_Config().m_Tess_Angle = 0;
    M_Fn_Rebuild();
    auto segments = M_Fn_Segments();
    ASSERT_EQ(segments.size(), 2u);
    auto* p_seg = const_cast<N_Biz::N_Sect::C_D_Tess_E_Segment*>(segments[0]);
    // Without a card the settings' colours decide; picked lines are wide.
    p_seg->m_Flag |= 0x1;
    p_seg->M_Fn_Draw_Geom(m_Context); // bare geometry first: no colour or width set
    EXPECT_EQ(m_Context.m_p_Color, nullptr);
    p_seg->M_Fn_Draw(m_Context);
    EXPECT_EQ(m_Context.m_p_Color, m_Picked);
    EXPECT_EQ(S_Fn_Width(), 3.0f);
    // Show-loop on: only loop segments are wide.
    m_Context.m_Show_Loop = true;
    p_seg->M_Fn_Draw(m_Context);
    EXPECT_EQ(S_Fn_Width(), 1.0f);
    p_seg->m_Flag |= 0x8;
    p_seg->M_Fn_Draw(m_Context);
    EXPECT_EQ(S_Fn_Width(), 3.0f);
    // The override decides picked and selected (the fall-back colour keeps the own bits).
    m_Context.m_Show_Loop = false;
    m_Context.m_Override = true;
    p_seg->m_Flag &= ~0x9u;
    m_Context.m_Override_Selected = true;
    p_seg->M_Fn_Draw(m_Context);
    EXPECT_EQ(m_Context.m_p_Color, m_Normal);
    EXPECT_EQ(S_Fn_Width(), 3.0f);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(C_D_Tess_Element, ThickWallsAndJointPatchCoverTheirPixels)
{
    // An L of two walls of thickness 2 meeting at the origin, coloured red by their property.
    const auto key = M_Fn_Property(2.0f);
    m_Cards.back()->m_Display.M_Fn_Color_Set({1, 0, 0, 1});
    const std::int32_t a = M_Fn_Point(-6, 0), b = M_Fn_Point(0, 0), c = M_Fn_Point(0, 6);
    M_Fn_Line(a, b, key);
    M_Fn_Line(b, c, key);
    M_Fn_Rebuild();
    m_Context.m_Show_Thk = true;
    for (const auto* p_seg : M_Fn_Segments())
        p_seg->M_Fn_Draw(m_Context);
    // Inside the first wall (half thickness 1) and outside it.
    EXPECT_EQ(S_Fn_Red(-3, 0.75f), 255);
    EXPECT_EQ(S_Fn_Red(-3, 1.5f), 0);
    // The outer corner is left open by the walls and filled by the node's joint patch (an
    // octagon of radius 1, half the thinner wall).
    EXPECT_EQ(S_Fn_Red(0.6f, -0.6f), 0);
    const auto& node = nodes().M_Fn_Get_At(points().M_Fn_Get_At(std::uint32_t(b)).m_Id_Node);
    ASSERT_EQ(node.m_Count_Endpoint, 2u);
    node.M_Fn_Draw(m_Context);
    EXPECT_EQ(S_Fn_Red(0.6f, -0.6f), 255);
    EXPECT_EQ(S_Fn_Red(1.2f, -1.2f), 0);
    // An end node with one segment gets no patch.
    const auto& end = nodes().M_Fn_Get_At(points().M_Fn_Get_At(std::uint32_t(a)).m_Id_Node);
    glClear(GL_COLOR_BUFFER_BIT);
    end.M_Fn_Draw(m_Context);
    EXPECT_EQ(S_Fn_Red(-6, 0), 0);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
