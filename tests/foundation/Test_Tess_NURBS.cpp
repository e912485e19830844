#include "common/Common_Graphic_OpenGL_Tess_NURBS.h"
#include "tests/foundation/Test_GL_Offscreen.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using N_Common::N_Graphic::N_OpenGL::C_Tess_NURBS;

namespace {

// Drives GLU directly (without the curve class) with homogeneous control points.
void G_Fn_Curve(C_Tess_NURBS& ro_T, std::vector<GLfloat> i_Knots, std::vector<GLfloat> i_Ctrl, GLint i_Order)
{
    ro_T.M_Fn_Clear();
    gluBeginCurve(ro_T.M_Fn_Get_GLU());
    gluNurbsCurve(ro_T.M_Fn_Get_GLU(), GLint(i_Knots.size()), i_Knots.data(), 4, i_Ctrl.data(), i_Order,
                  GL_MAP1_VERTEX_4);
    gluEndCurve(ro_T.M_Fn_Get_GLU());
}

float G_Fn_Property(const C_Tess_NURBS& ro_T, GLenum i_Property)
{
    GLfloat value = -1;
    gluGetNurbsProperty(ro_T.M_Fn_Get_GLU(), i_Property, &value);
    return value;
}

} // namespace

TEST(C_Tess_NURBS, ConstructionConfiguresGLU)
{
    C_Tess_NURBS t(C_Tess_NURBS::S_Mode_Tessellator);
    EXPECT_EQ(t.m_Mode, 1);
    EXPECT_EQ(t.m_Busy, 0);
    EXPECT_GE(t.m_Codes.capacity(), 256u);
    EXPECT_GE(t.m_Types.capacity(), 256u);
    EXPECT_GE(t.m_Vertices.capacity(), 256u);
    EXPECT_EQ(G_Fn_Property(t, GLU_NURBS_MODE), float(GLU_NURBS_TESSELLATOR));
    EXPECT_EQ(G_Fn_Property(t, GLU_DISPLAY_MODE), float(GLU_OUTLINE_PATCH));
    EXPECT_EQ(G_Fn_Property(t, GLU_AUTO_LOAD_MATRIX), 0.0f);
    EXPECT_EQ(G_Fn_Property(t, GLU_SAMPLING_METHOD), float(GLU_DOMAIN_DISTANCE));
    EXPECT_EQ(G_Fn_Property(t, GLU_SAMPLING_TOLERANCE), 50.0f);
    EXPECT_EQ(G_Fn_Property(t, GLU_PARAMETRIC_TOLERANCE), 0.25f);
    EXPECT_EQ(G_Fn_Property(t, GLU_U_STEP), 2.0f);
    EXPECT_EQ(G_Fn_Property(t, GLU_V_STEP), 2.0f);

    C_Tess_NURBS r(C_Tess_NURBS::S_Mode_Renderer);
    EXPECT_EQ(r.m_Mode, 0);
    EXPECT_EQ(G_Fn_Property(r, GLU_NURBS_MODE), float(GLU_NURBS_RENDERER));
    EXPECT_EQ(G_Fn_Property(r, GLU_U_STEP), 2.0f);
}

TEST(C_Tess_NURBS, SharedObjectsKeepTheirModes)
{
    C_Tess_NURBS& r = C_Tess_NURBS::S_Fn_Get_Renderer();
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    EXPECT_EQ(r.m_Mode, C_Tess_NURBS::S_Mode_Renderer);
    EXPECT_EQ(t.m_Mode, C_Tess_NURBS::S_Mode_Tessellator);
    EXPECT_EQ(&r, &C_Tess_NURBS::S_Fn_Get_Renderer());
    EXPECT_EQ(&t, &C_Tess_NURBS::S_Fn_Get_Tessellator());
    EXPECT_NE(&r, &t);
}

TEST(C_Tess_NURBS, OneSpanGivesBeginVerticesEnd)
{
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
    C_Tess_NURBS t(C_Tess_NURBS::S_Mode_Tessellator);
    // Quadratic Bezier (0,0), (1,2), (2,0): x = 2u, y = 4u(1 - u), so y = 2x - x^2.
    G_Fn_Curve(t, {0, 0, 0, 1, 1, 1}, {0, 0, 0, 1, 1, 2, 0, 1, 2, 0, 0, 1}, 3);
    ASSERT_GE(t.m_Codes.size(), 4u);
    EXPECT_EQ(t.m_Codes.front(), C_Tess_NURBS::S_Code_Begin);
    EXPECT_EQ(t.m_Codes.back(), C_Tess_NURBS::S_Code_End);
    for (std::size_t i = 1; i + 1 < t.m_Codes.size(); ++i)
        EXPECT_EQ(t.m_Codes[i], C_Tess_NURBS::S_Code_Vertex) << i;
    ASSERT_EQ(t.m_Types.size(), 1u);
    EXPECT_EQ(t.m_Types[0], GL_LINE_STRIP);
    EXPECT_EQ(t.m_Vertices.size(), t.m_Codes.size() - 2);
    // A polynomial curve (every w = 1) comes back exactly as GLU evaluated it: on the parabola,
    // from the first control point to the last.
    for (const auto& v : t.m_Vertices) {
        EXPECT_NEAR(v.y, 2 * v.x - v.x * v.x, 1e-5f);
        EXPECT_EQ(v.z, 0.0f);
    }
    EXPECT_EQ(t.m_Vertices.front().x, 0.0f);
    EXPECT_EQ(t.m_Vertices.back().x, 2.0f);
    EXPECT_EQ(t.m_Vertices.back().y, 0.0f);
}

TEST(C_Tess_NURBS, SeveralSpansGiveOneStripEach)
{
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
    C_Tess_NURBS t(C_Tess_NURBS::S_Mode_Tessellator);
    G_Fn_Curve(t, {0, 0, 0, 0.5f, 1, 1, 1}, {10, 0, 0, 1, 10, 5, 0, 1, 5, 10, 0, 1, 0, 10, 0, 1}, 3);
    EXPECT_EQ(t.m_Types, (std::vector<std::int32_t>{GL_LINE_STRIP, GL_LINE_STRIP}));
    EXPECT_EQ(std::count(t.m_Codes.begin(), t.m_Codes.end(), C_Tess_NURBS::S_Code_Begin), 2);
    EXPECT_EQ(std::count(t.m_Codes.begin(), t.m_Codes.end(), C_Tess_NURBS::S_Code_End), 2);
    EXPECT_EQ(std::count(t.m_Codes.begin(), t.m_Codes.end(), C_Tess_NURBS::S_Code_Vertex),
              std::ptrdiff_t(t.m_Vertices.size()));
}

TEST(C_Tess_NURBS, VertexCallbackDividesByWeight)
{
    C_Tess_NURBS t(C_Tess_NURBS::S_Mode_Tessellator);
    GLfloat plain[4] = {1.5f, -2.25f, 3.0f, 1.0f};
    C_Tess_NURBS::S_Fn_Callback_Vertex(plain, &t);
    GLfloat weighted[4] = {3.0f, -4.5f, 6.0f, 2.0f};
    C_Tess_NURBS::S_Fn_Callback_Vertex(weighted, &t);
    ASSERT_EQ(t.m_Vertices.size(), 2u);
    // w = 1: stored unchanged.
    EXPECT_EQ(t.m_Vertices[0].x, 1.5f);
    EXPECT_EQ(t.m_Vertices[0].y, -2.25f);
    EXPECT_EQ(t.m_Vertices[0].z, 3.0f);
    // (w x, w y, w z, w) back to (x, y, z).
    EXPECT_EQ(t.m_Vertices[1].x, 1.5f);
    EXPECT_EQ(t.m_Vertices[1].y, -2.25f);
    EXPECT_EQ(t.m_Vertices[1].z, 3.0f);
    EXPECT_EQ(t.m_Codes, (std::vector<std::int32_t>{5, 5}));
}

TEST(C_Tess_NURBS, ColourMapReachesTheColourCallback)
{
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
    C_Tess_NURBS t(C_Tess_NURBS::S_Mode_Tessellator);
    GLfloat knots[4] = {0, 0, 1, 1};
    GLfloat vertex[8] = {0, 0, 0, 1, 1, 0, 0, 1};
    GLfloat colour[8] = {1, 0, 0, 1, 0, 1, 0, 1};
    gluBeginCurve(t.M_Fn_Get_GLU());
    gluNurbsCurve(t.M_Fn_Get_GLU(), 4, knots, 4, colour, 2, GL_MAP1_COLOR_4);
    gluNurbsCurve(t.M_Fn_Get_GLU(), 4, knots, 4, vertex, 2, GL_MAP1_VERTEX_4);
    gluEndCurve(t.M_Fn_Get_GLU());
    const auto colours = std::count(t.m_Codes.begin(), t.m_Codes.end(), C_Tess_NURBS::S_Code_Color);
    const auto vertices = std::count(t.m_Codes.begin(), t.m_Codes.end(), C_Tess_NURBS::S_Code_Vertex);
    EXPECT_GT(vertices, 0);
    EXPECT_EQ(colours, vertices);
    EXPECT_EQ(std::ptrdiff_t(t.m_Vertices.size()), vertices);

    const auto capacity = t.m_Codes.capacity();
    t.M_Fn_Clear();
    EXPECT_TRUE(t.m_Codes.empty());
    EXPECT_TRUE(t.m_Types.empty());
    EXPECT_TRUE(t.m_Vertices.empty());
    EXPECT_EQ(t.m_Codes.capacity(), capacity);
}
