// The OpenGL pieces in an off-screen Mesa context: the GL error log, selection-mode picking, the GLU
// NURBS tessellator and the curve that drives it.
#include "common/Common_Exception.h"
#include "common/Common_Graphic_OpenGL_Error.h"
#include "common/Common_Graphic_OpenGL_Select.h"
#include "common/Common_Graphic_OpenGL_Tess_NURBS.h"
#include "common/Common_Math_Geom_NURBS_Curve.h"
#include "tests/support/App_Port_Record.h"
#include "tests/support/Test_GL_Offscreen.h"

#include <GL/glu.h>
#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

using namespace N_Common::N_Graphic::N_OpenGL;
using N_Common::N_Exception::C_Exception;
using N_Common::N_Math::N_Geom::C_NURBS_Curve;
using Curve = C_NURBS_Curve<float>;
using P2 = N_Common::N_Math::C_Vector2<float>;

namespace {

const float s_Half_Sqrt2 = 0.70710678f;

std::string glu_text(GLenum i_Code) { return reinterpret_cast<const char*>(gluErrorString(i_Code)); }

} // namespace

// --- GL error log ----------------------------------------------------------------------------------

TEST(G_Fn_Check_Error, AProvokedErrorWritesExactlyOneLineAndIsConsumedWithoutApplication)
{
    ASSERT_TRUE(G_Fn_GL_Offscreen());
    glEnable(0x7FFF); // not a capability: GL_INVALID_ENUM
    EXPECT_NO_THROW(G_Fn_Check_Error()); // without an application nothing is written
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); // but the error is consumed
    C_Test_App t;
    const auto before = t.log_lines().size();
    G_Fn_Check_Error();
    EXPECT_EQ(t.log_lines().size(), before);
    glEnable(0x7FFF);
    G_Fn_Check_Error();
    G_Fn_Check_Error(); // the error was read: the second check writes nothing
    const auto lines = t.log_lines();
    ASSERT_EQ(lines.size(), before + 1);
    EXPECT_EQ(lines.back(), "Log: GL Error: " + glu_text(GL_INVALID_ENUM));
}

TEST(G_Fn_Log_NURBS_Error, NonZeroCodeWritesOneLineWithItsTextOrNumber)
{
    C_Test_App t;
    const auto before = t.log_lines().size();
    G_Fn_Log_NURBS_Error(0);
    EXPECT_EQ(t.log_lines().size(), before);
    G_Fn_Log_NURBS_Error(GLU_NURBS_ERROR1);
    G_Fn_Log_NURBS_Error(0x12345); // unknown to GLU
    const auto lines = t.log_lines();
    ASSERT_EQ(lines.size(), before + 2);
    EXPECT_GT(glu_text(GLU_NURBS_ERROR1).size(), 0u);
    EXPECT_EQ(lines[before], "Log: GLu NURBS Error: " + glu_text(GLU_NURBS_ERROR1));
    EXPECT_EQ(lines[before + 1], "Log: GLu NURBS Error: " + std::to_string(0x12345));
}

// --- selection-mode picking ------------------------------------------------------------------------

namespace {

struct C_Hit {
    GLuint m_Min;
    GLuint m_Max;
    std::vector<GLuint> m_Names;
};

// Collects the hit records a pass delivers.
struct C_Hits {
    std::vector<C_Hit> m_Hits;
    C_Select::C_Fn_Hit callback()
    {
        return [this](GLuint i_Min, GLuint i_Max, GLuint i_Count, const GLuint* ip_Names) {
            m_Hits.push_back({i_Min, i_Max, std::vector<GLuint>(ip_Names, ip_Names + i_Count)});
        };
    }
};

// A 1x1 pick box at window position (x, y) over the view (0..64) x (0..64).
void pick_projection(double i_X, double i_Y)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(i_X, i_Y, 1.0, 1.0, viewport);
    glOrtho(0, S_GL_Size, 0, S_GL_Size, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// A pickable quad of the given name over x0..x1, y 4..60.
void quad(GLuint i_Name, float i_X0, float i_X1)
{
    glLoadName(i_Name);
    glBegin(GL_QUADS);
    glVertex2f(i_X0, 4);
    glVertex2f(i_X1, 4);
    glVertex2f(i_X1, 60);
    glVertex2f(i_X0, 60);
    glEnd();
}

// Picks at (x, y) over two quads: name 1 on the left half (x 4..28), name 2 on the right (x 36..60).
std::vector<C_Hit> pick(double i_X, double i_Y)
{
    pick_projection(i_X, i_Y);
    C_Hits hits;
    C_Select::M_Fn_Start();
    quad(1, 4, 28);
    quad(2, 36, 60);
    C_Select::M_Fn_Finish(hits.callback());
    return hits.m_Hits;
}

GLint render_mode()
{
    GLint mode = 0;
    glGetIntegerv(GL_RENDER_MODE, &mode);
    return mode;
}

// Leaves no pass open behind a failed test.
struct C_Close_Pass {
    ~C_Close_Pass()
    {
        if (C_Select::S_Fn_If_Started())
            C_Select::M_Fn_Finish([](GLuint, GLuint, GLuint, const GLuint*) {});
    }
};

} // namespace

TEST(C_Select, PicksOnlyTheRecordUnderTheOnePixelBox)
{
    ASSERT_TRUE(G_Fn_GL_Offscreen());
    C_Close_Pass close;
    auto left = pick(16.5, 32.5);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].m_Names, std::vector<GLuint>{1});
    // The quads lie at z = 0, half way between the near and far planes: depth 0.5 of 2^32 - 1.
    EXPECT_LE(left[0].m_Min, left[0].m_Max);
    EXPECT_NEAR(double(left[0].m_Min) / 4294967295.0, 0.5, 1e-3);
    auto right = pick(48.5, 32.5);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0].m_Names, std::vector<GLuint>{2});
    EXPECT_TRUE(pick(32.5, 32.5).empty()); // between the quads nothing is hit
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(C_Select, CapacityCheckFlushesOnlyPastTheLimit)
{
    ASSERT_TRUE(G_Fn_GL_Offscreen());
    C_Close_Pass close;
    pick_projection(16.5, 32.5);
    C_Hits hits;
    const auto callback = hits.callback();
    C_Select::M_Fn_Start();
    quad(5, 4, 28); // one hit pending in this pass
    // 65,536 records of 16 bytes fill the estimate exactly: 65,536 x 16 = 1,048,576.
    for (int i = 0; i < 65536; ++i)
        C_Select::M_Fn_Check_Capacity(callback);
    EXPECT_EQ(C_Select::S_Fn_Get_Usage(), 1048576u);
    EXPECT_TRUE(hits.m_Hits.empty());
    // The next one would overflow: the pass is finished, its hit delivered, and a new pass opened.
    C_Select::M_Fn_Check_Capacity(callback);
    ASSERT_EQ(hits.m_Hits.size(), 1u);
    EXPECT_EQ(hits.m_Hits[0].m_Names, std::vector<GLuint>{5});
    EXPECT_TRUE(C_Select::S_Fn_If_Started());
    EXPECT_EQ(C_Select::S_Fn_Get_Usage(), 0u);
    EXPECT_EQ(C_Select::S_Fn_Get_Record_Size(), 16u);
    quad(7, 4, 28); // the new pass picks on as before
    C_Select::M_Fn_Finish(callback);
    ASSERT_EQ(hits.m_Hits.size(), 2u);
    EXPECT_EQ(hits.m_Hits[1].m_Names, std::vector<GLuint>{7});
}

TEST(C_Select, ThrowingCallbackLeavesSelectionClosed)
{
    ASSERT_TRUE(G_Fn_GL_Offscreen());
    C_Close_Pass close;
    pick_projection(16.5, 32.5);
    C_Select::M_Fn_Start();
    quad(1, 4, 28);
    // An empty callback with a hit present fails as std::function reports it ...
    EXPECT_THROW(C_Select::M_Fn_Finish(C_Select::C_Fn_Hit()), std::bad_function_call);
    // ... and the selection is closed and usable again.
    EXPECT_FALSE(C_Select::S_Fn_If_Started());
    EXPECT_EQ(render_mode(), GL_RENDER);
    auto again = pick(16.5, 32.5);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].m_Names, std::vector<GLuint>{1});
}

// --- GLU NURBS tessellator -------------------------------------------------------------------------

namespace {

// Drives GLU directly (without the curve class) with homogeneous control points.
void glu_curve(C_Tess_NURBS& ro_T, std::vector<GLfloat> i_Knots, std::vector<GLfloat> i_Ctrl, GLint i_Order)
{
    ro_T.M_Fn_Clear();
    gluBeginCurve(ro_T.M_Fn_Get_GLU());
    gluNurbsCurve(ro_T.M_Fn_Get_GLU(), GLint(i_Knots.size()), i_Knots.data(), 4, i_Ctrl.data(), i_Order,
                  GL_MAP1_VERTEX_4);
    gluEndCurve(ro_T.M_Fn_Get_GLU());
}

float glu_property(const C_Tess_NURBS& ro_T, GLenum i_Property)
{
    GLfloat value = -1;
    gluGetNurbsProperty(ro_T.M_Fn_Get_GLU(), i_Property, &value);
    return value;
}

std::ptrdiff_t count(const std::vector<std::int32_t>& ro_Codes, std::int32_t i_Code)
{
    return std::count(ro_Codes.begin(), ro_Codes.end(), i_Code);
}

} // namespace

TEST(C_Tess_NURBS, EachSpanGivesBeginVerticesEndAndPolynomialVerticesStayExact)
{
    ASSERT_TRUE(G_Fn_GL_Offscreen());
    C_Tess_NURBS t(C_Tess_NURBS::S_Mode_Tessellator);
    // Quadratic Bezier (0,0), (1,2), (2,0): x = 2u, y = 4u(1 - u), so y = 2x - x^2.
    glu_curve(t, {0, 0, 0, 1, 1, 1}, {0, 0, 0, 1, 1, 2, 0, 1, 2, 0, 0, 1}, 3);
    ASSERT_GE(t.m_Codes.size(), 4u);
    EXPECT_EQ(t.m_Codes.front(), C_Tess_NURBS::S_Code_Begin);
    EXPECT_EQ(t.m_Codes.back(), C_Tess_NURBS::S_Code_End);
    EXPECT_EQ(count(t.m_Codes, C_Tess_NURBS::S_Code_Vertex), std::ptrdiff_t(t.m_Codes.size() - 2));
    EXPECT_EQ(t.m_Types, std::vector<std::int32_t>{GL_LINE_STRIP});
    EXPECT_EQ(t.m_Vertices.size(), t.m_Codes.size() - 2);
    // Every w = 1: the vertices come back exactly as GLU evaluated them, on the parabola, from the
    // first control point to the last.
    for (const auto& v : t.m_Vertices) {
        EXPECT_NEAR(v.y, 2 * v.x - v.x * v.x, 1e-5f);
        EXPECT_EQ(v.z, 0.0f);
    }
    EXPECT_EQ(t.m_Vertices.front().x, 0.0f);
    EXPECT_EQ(t.m_Vertices.back().x, 2.0f);
    EXPECT_EQ(t.m_Vertices.back().y, 0.0f);

    glu_curve(t, {0, 0, 0, 0.5f, 1, 1, 1}, {10, 0, 0, 1, 10, 5, 0, 1, 5, 10, 0, 1, 0, 10, 0, 1}, 3); // two spans
    EXPECT_EQ(t.m_Types, (std::vector<std::int32_t>{GL_LINE_STRIP, GL_LINE_STRIP}));
    EXPECT_EQ(count(t.m_Codes, C_Tess_NURBS::S_Code_Begin), 2);
    EXPECT_EQ(count(t.m_Codes, C_Tess_NURBS::S_Code_End), 2);
    EXPECT_EQ(count(t.m_Codes, C_Tess_NURBS::S_Code_Vertex), std::ptrdiff_t(t.m_Vertices.size()));
}

TEST(C_Tess_NURBS, VertexCallbackDividesByWeight)
{
    C_Tess_NURBS t(C_Tess_NURBS::S_Mode_Tessellator);
    GLfloat plain[4] = {1.5f, -2.25f, 3.0f, 1.0f}, weighted[4] = {3.0f, -4.5f, 6.0f, 2.0f};
    C_Tess_NURBS::S_Fn_Callback_Vertex(plain, &t); // w = 1: stored unchanged
    C_Tess_NURBS::S_Fn_Callback_Vertex(weighted, &t); // (w x, w y, w z, w) back to (x, y, z)
    ASSERT_EQ(t.m_Vertices.size(), 2u);
    for (const auto& v : t.m_Vertices) {
        EXPECT_EQ(v.x, 1.5f);
        EXPECT_EQ(v.y, -2.25f);
        EXPECT_EQ(v.z, 3.0f);
    }
    EXPECT_EQ(t.m_Codes, (std::vector<std::int32_t>{5, 5}));
}

// --- NURBS curve -----------------------------------------------------------------------------------

namespace {

Curve curve(std::int32_t i_Order, std::vector<float> i_Knots, std::vector<Curve::C_Ctrl_Point> i_Ctrls)
{
    Curve c;
    c.m_Order = i_Order;
    c.m_Count_Ctrl = std::int32_t(i_Ctrls.size());
    c.m_Count_Knot = std::int32_t(i_Knots.size());
    c.m_Knots = std::move(i_Knots);
    c.m_Ctrls = std::move(i_Ctrls);
    return c;
}

// A quarter circle of radius 10 about the origin from (10, 0) to (0, 10) as a rational quadratic:
// the middle control point at the corner (10, 10) with weight cos 45 degrees.
Curve quarter_circle(float i_Knot_End = 1)
{
    const float e = i_Knot_End;
    return curve(3, {0, 0, 0, e, e, e}, {{10, 0, 0, 1}, {10, 10, 0, s_Half_Sqrt2}, {0, 10, 0, 1}});
}

// An open cubic of two spans through (0, 0) ... (30, 0).
Curve open_cubic()
{
    return curve(4, {0, 0, 0, 0, 5, 10, 10, 10, 10},
                 {{0, 0, 0, 1}, {5, 10, 0, 1}, {15, -10, 0, 1}, {25, 10, 0, 1}, {30, 0, 0, 1}});
}

float distance(const P2& ro_A, const P2& ro_B) { return (ro_A - ro_B).M_Fn_Length(); }

// The chain start, points..., terminate has no segment shorter than i_Min.
void expect_chain(const P2& ro_Start, const std::vector<P2>& ro_Points, const P2& ro_Terminate, float i_Min)
{
    std::vector<P2> chain{ro_Start};
    chain.insert(chain.end(), ro_Points.begin(), ro_Points.end());
    chain.push_back(ro_Terminate);
    for (std::size_t i = 1; i < chain.size(); ++i)
        EXPECT_GE(distance(chain[i - 1], chain[i]), i_Min) << "segment " << i;
}

C_Tess_NURBS& tessellator() { return C_Tess_NURBS::S_Fn_Get_Tessellator(); }

} // namespace

TEST(C_NURBS_Curve, RationalQuarterCircleLiesOnTheCircle)
{
    ASSERT_TRUE(G_Fn_GL_Offscreen());
    ASSERT_TRUE(OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0)); // tessellating needs no current context
    C_Tess_NURBS& t = tessellator();
    for (float knot_end : {1.0f, 10.0f, 250.0f}) {
        ASSERT_EQ(quarter_circle(knot_end).M_Fn_Eval(t, 0.0f), 1);
        EXPECT_EQ(t.m_Types.size(), 1u); // one span, one strip: the previous output was emptied first
        ASSERT_GE(t.m_Vertices.size(), 4u) << knot_end;
        for (const auto& v : t.m_Vertices) {
            EXPECT_NEAR(std::hypot(v.x, v.y), 10.0, 1e-4) << knot_end;
            EXPECT_EQ(v.z, 0.0f);
        }
        EXPECT_NEAR(t.m_Vertices.front().x, 10.0f, 1e-5);
        EXPECT_NEAR(t.m_Vertices.front().y, 0.0f, 1e-5);
        EXPECT_NEAR(t.m_Vertices.back().x, 0.0f, 1e-5);
        EXPECT_NEAR(t.m_Vertices.back().y, 10.0f, 1e-5);
    }
    // The samples are spread over the arc: the middle of the parameter range is at 45 degrees.
    EXPECT_TRUE(std::any_of(t.m_Vertices.begin(), t.m_Vertices.end(), [](const auto& v) {
        return std::fabs(v.x - 10 * s_Half_Sqrt2) < 0.1f && std::fabs(v.y - 10 * s_Half_Sqrt2) < 0.1f;
    }));
    EXPECT_EQ(t.m_Busy, 0);
    // A wide knot range is sampled at a bounded count, and the usual sampling is back afterwards.
    for (float range : {1e6f, 1e30f}) {
        quarter_circle(range).M_Fn_Eval(t, 0.0f);
        EXPECT_LE(t.m_Vertices.size(), Curve::S_Samples_Max + 2) << range;
        EXPECT_GE(t.m_Vertices.size(), Curve::S_Samples_Max / 2) << range;
        const auto& v = t.m_Vertices[t.m_Vertices.size() / 3];
        EXPECT_NEAR(std::hypot(v.x, v.y), 10.0, 1e-4);
    }
    EXPECT_EQ(glu_property(t, GLU_U_STEP), 2.0f);
    ASSERT_TRUE(G_Fn_GL_Offscreen());
}

TEST(C_NURBS_Curve, RendererDrawsTheExactCircle)
{
    ASSERT_TRUE(G_Fn_GL_Offscreen());
    // The view spans (-16 .. 16) on a 64-pixel viewport: 2 pixels per unit, centre at pixel 32.
    glMatrixMode(GL_PROJECTION);
    glOrtho(-16, 16, -16, 16, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    std::vector<GLfloat> feedback(4096);
    glFeedbackBuffer(GLsizei(feedback.size()), GL_2D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    quarter_circle(10).M_Fn_Eval(C_Tess_NURBS::S_Fn_Get_Renderer(), 2.0f);
    const GLint size = glRenderMode(GL_RENDER);
    ASSERT_GT(size, 0);
    int vertices = 0;
    for (GLint i = 0; i < size; i += 5) {
        const GLint token = GLint(feedback[i]);
        ASSERT_TRUE(token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) << token;
        for (int k = 0; k < 2; ++k, ++vertices)
            EXPECT_NEAR(std::hypot((feedback[i + 1 + 2 * k] - 32) / 2, (feedback[i + 2 + 2 * k] - 32) / 2), 10.0, 1e-3);
    }
    EXPECT_GE(vertices, 20);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(C_Tess_NURBS::S_Fn_Get_Renderer().m_Busy, 0);
}

// The step per unit of the knot parameter follows the geometry: for the quarter circle of radius
// 10 (control polygon 2 x 10) at distance 2, samples 0.5 apart along the polygon, 40 in the span
// whatever its knot range; never fewer than 2 per unit.
TEST(C_NURBS_Curve, SamplingFollowsTheGeometryAndTheDistance)
{
    EXPECT_EQ(quarter_circle(1).M_Fn_U_Step(2.0f), 40.0f);
    EXPECT_EQ(quarter_circle(10).M_Fn_U_Step(2.0f), 4.0f);
    EXPECT_EQ(quarter_circle(20).M_Fn_U_Step(2.0f), 2.0f);  // 40 / 20 = 2
    EXPECT_EQ(quarter_circle(250).M_Fn_U_Step(2.0f), 2.0f); // already finer: unchanged
    // No distance: the floor is the polygon over 256 segments, sampled 4 times finer (1024 in all).
    EXPECT_EQ(quarter_circle(1).M_Fn_U_Step(0.0f), 1024.0f);
    EXPECT_EQ(quarter_circle(1).M_Fn_U_Step(std::numeric_limits<float>::quiet_NaN()), 1024.0f);
    EXPECT_EQ(quarter_circle(1).M_Fn_U_Step(-5.0f), 1024.0f);
    // A distance larger than the polygon: GLU's 2 per unit.
    EXPECT_EQ(quarter_circle(1).M_Fn_U_Step(1000.0f), 2.0f);
    // The spans are taken one by one: the open cubic's first span (knots 0 .. 5) is shaped by
    // control points 0 .. 3, its second (knots 5 .. 10) by 1 .. 4. At distance 4 (g = 1) the
    // larger polygon of the two over its range 5 sets the step.
    const Curve c = open_cubic();
    const float first = (std::hypot(5.0f, 10.0f) + std::hypot(10.0f, 20.0f) + std::hypot(10.0f, 20.0f)) / 5;
    const float second = (std::hypot(10.0f, 20.0f) + std::hypot(10.0f, 20.0f) + std::hypot(5.0f, 10.0f)) / 5;
    EXPECT_FLOAT_EQ(c.M_Fn_U_Step(4.0f), std::max(first, second));
    // A wide range stays within the sample bound.
    EXPECT_FLOAT_EQ(quarter_circle(1e6f).M_Fn_U_Step(0.0f), float(Curve::S_Samples_Max) / 1e6f);

    // The tessellator and the renderer sample a curve with knots 0 .. 1 as finely as the same curve
    // with knots 0 .. 10: 40 chords (GLU's float step may add one), every vertex on the circle.
    ASSERT_TRUE(G_Fn_GL_Offscreen());
    C_Tess_NURBS& t = tessellator();
    for (float e : {1.0f, 10.0f}) {
        quarter_circle(e).M_Fn_Eval(t, 2.0f);
        EXPECT_NEAR(double(t.m_Vertices.size()), 41.5, 0.5) << e;
        for (const auto& v : t.m_Vertices)
            EXPECT_NEAR(std::hypot(v.x, v.y), 10.0, 1e-4);
        EXPECT_EQ(glu_property(t, GLU_U_STEP), 2.0f); // the usual step is back
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-16, 16, -16, 16, -1, 1);
    std::vector<GLfloat> feedback(4096);
    glFeedbackBuffer(GLsizei(feedback.size()), GL_2D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    quarter_circle(1).M_Fn_Eval(C_Tess_NURBS::S_Fn_Get_Renderer(), 2.0f);
    const GLint size = glRenderMode(GL_RENDER); // line tokens of 2 vertices, 5 floats each
    EXPECT_TRUE(size == 40 * 5 || size == 41 * 5) << size;
    EXPECT_EQ(glu_property(C_Tess_NURBS::S_Fn_Get_Renderer(), GLU_U_STEP), 2.0f);
    ASSERT_TRUE(G_Fn_GL_Offscreen());
}

TEST(C_NURBS_Curve, InconsistentCurvesAreRefusedBeforeAnythingIsTouched)
{
    EXPECT_TRUE(quarter_circle().M_Fn_If_Consistent());
    EXPECT_TRUE(open_cubic().M_Fn_If_Consistent());
    EXPECT_FALSE(Curve().M_Fn_If_Consistent()); // the default curve is empty
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const std::function<void(Curve&)> changes[] = {
        [](Curve& c) { c.m_Count_Knot = 7; },          // knots != points + order
        [](Curve& c) { c.m_Knots.push_back(1); },       // vector longer than its count
        [](Curve& c) { c.m_Count_Ctrl = 4; },           // count without the points
        [](Curve& c) { c.m_Ctrls.pop_back(); },         // points missing
        [](Curve& c) { c.m_Order = 1, c.m_Count_Knot = 4, c.m_Knots.resize(4); },             // order 1
        [](Curve& c) { c.m_Order = 4, c.m_Count_Knot = 7, c.m_Knots.push_back(1); },          // fewer points than order
        [](Curve& c) { c.m_Order = -3, c.m_Count_Knot = 0, c.m_Knots.clear(); },
        [](Curve& c) { c.m_Knots = {0, 0, 1, 0, 1, 1}; }, // decreasing
        [&](Curve& c) { c.m_Knots[5] = inf; },
        [&](Curve& c) { c.m_Knots[2] = nan; },
        [](Curve& c) { c.m_Knots = {-3e38f, -3e38f, -3e38f, 3e38f, 3e38f, 3e38f}; }, // the range overflows
        [](Curve& c) { c.m_Ctrls[1].w = 0; },
        [](Curve& c) { c.m_Ctrls[1].w = -1; },
        [&](Curve& c) { c.m_Ctrls[1].w = nan; }};
    C_Tess_NURBS& t = tessellator();
    quarter_circle().M_Fn_Eval(t, 0.0f);
    const auto before = t.m_Vertices.size();
    for (std::size_t i = 0; i < std::size(changes); ++i) {
        Curve c = quarter_circle();
        changes[i](c);
        EXPECT_FALSE(c.M_Fn_If_Consistent()) << i;
        EXPECT_THROW(c.M_Fn_Eval(t, 0.0f), C_Exception) << i;
    }
    EXPECT_EQ(t.m_Busy, 0);
    EXPECT_EQ(t.m_Vertices.size(), before);
    // Coordinates are refreshed from the section points before use, so they are checked at
    // evaluation only.
    Curve nan_point = quarter_circle();
    nan_point.m_Ctrls[0].x = nan;
    EXPECT_TRUE(nan_point.M_Fn_If_Consistent());
    EXPECT_THROW(nan_point.M_Fn_Eval(t, 0.0f), C_Exception);
    // A busy evaluator, and a chain from the renderer, are refused too.
    C_Tess_NURBS busy(C_Tess_NURBS::S_Mode_Tessellator);
    busy.m_Busy = 1;
    EXPECT_THROW(quarter_circle().M_Fn_Eval(busy, 0.0f), C_Exception);
    EXPECT_EQ(busy.m_Busy, 1);
    EXPECT_TRUE(busy.m_Vertices.empty());
    std::vector<P2> points;
    C_Tess_NURBS& renderer = C_Tess_NURBS::S_Fn_Get_Renderer();
    EXPECT_THROW(quarter_circle().M_Fn_Eval_Excluding_Endpoint(renderer, {10, 0}, {0, 10}, 1.0f, points), C_Exception);
}

TEST(C_NURBS_Curve, CurveRefusedByGLUIsLoggedAndGivesNoVertex)
{
    C_Test_App app;
    // Order 30 is consistent here but beyond what GLU evaluates.
    std::vector<float> knots(60, 0.0f);
    std::fill(knots.begin() + 30, knots.end(), 1.0f);
    const Curve c = curve(30, knots, std::vector<Curve::C_Ctrl_Point>(30, {1, 2, 0, 1}));
    ASSERT_TRUE(c.M_Fn_If_Consistent());
    const auto before = app.log_lines().size();
    ASSERT_NO_THROW(c.M_Fn_Eval(tessellator(), 0.0f));
    EXPECT_TRUE(tessellator().m_Vertices.empty());
    const auto lines = app.log_lines();
    ASSERT_GT(lines.size(), before);
    EXPECT_EQ(lines[before].rfind("Log: GLu NURBS Error: ", 0), 0u) << lines[before];
    EXPECT_EQ(tessellator().m_Busy, 0);
}

TEST(C_NURBS_Curve, ChainOfAnOpenCurveEndsWithoutZeroLengthSegment)
{
    EXPECT_EQ(Curve::S_Fn_Sampling_Distance(2.03125f, 2.0f), 2.03125f);
    EXPECT_FLOAT_EQ(Curve::S_Fn_Sampling_Distance(std::nullopt, 2.0f), 2e-6f);
    EXPECT_EQ(Curve::S_Fn_Sampling_Distance(std::nullopt, 0.0f), 0.0f);
    C_Tess_NURBS& t = tessellator();
    const P2 start(0, 0), terminate(30, 0);
    std::vector<P2> points;
    ASSERT_EQ(open_cubic().M_Fn_Eval_Excluding_Endpoint(t, start, terminate, 2.03125f, points), 1);
    // The last sample lies on the terminate point, whose node ends the chain: it is not repeated.
    ASSERT_FALSE(t.m_Vertices.empty());
    EXPECT_LT(distance(P2(t.m_Vertices.back().x, t.m_Vertices.back().y), terminate), 1e-4f);
    ASSERT_FALSE(points.empty());
    EXPECT_GT(distance(points.back(), terminate), 1e-4f);
    // Every kept interior point is at least the sampling distance from the one before.
    for (std::size_t i = 0; i < points.size(); ++i)
        EXPECT_GE(distance(points[i], i ? points[i - 1] : start), 2.03125f) << i;
    expect_chain(start, points, terminate, 1e-4f);

    // Settings 0: distance 0. GLU delivers the joint of the two spans twice; the floor drops the
    // copy, and the first and last samples (on the end points) go too. A NaN distance is taken as 0.
    open_cubic().M_Fn_Eval_Excluding_Endpoint(t, start, terminate, 0.0f, points);
    EXPECT_EQ(points.size(), t.m_Vertices.size() - 3);
    for (const auto& p : points)
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    expect_chain(start, points, terminate, 1e-4f);
    std::vector<P2> again;
    open_cubic().M_Fn_Eval_Excluding_Endpoint(t, start, terminate, std::numeric_limits<float>::quiet_NaN(), again);
    EXPECT_EQ(again.size(), points.size());
}

TEST(C_NURBS_Curve, ChainEndCases)
{
    C_Tess_NURBS& t = tessellator();
    std::vector<P2> points{{1, 1}};
    // The whole quarter circle lies within 100 of its start point: start node, terminate node.
    quarter_circle(10).M_Fn_Eval_Excluding_Endpoint(t, {10, 0}, {0, 10}, 100.0f, points);
    EXPECT_TRUE(points.empty());
    // A terminate point moved away from the curve's end: the end sample gets its own node.
    quarter_circle(10).M_Fn_Eval_Excluding_Endpoint(t, {10, 0}, {0, 12}, 2.0f, points);
    ASSERT_FALSE(points.empty());
    EXPECT_NEAR(points.back().x, 0.0f, 1e-5);
    EXPECT_NEAR(points.back().y, 10.0f, 1e-5);
    // A closed quadratic loop starting and ending at (0, 0) keeps its interior and skips the closing sample.
    curve(3, {0, 0, 0, 4, 8, 8, 8}, {{0, 0, 0, 1}, {10, 0, 0, 1}, {10, 10, 0, 1}, {0, 0, 0, 1}})
        .M_Fn_Eval_Excluding_Endpoint(t, {0, 0}, {0, 0}, 1.0f, points);
    ASSERT_GE(points.size(), 3u);
    expect_chain({0, 0}, points, {0, 0}, 1e-4f);
}
