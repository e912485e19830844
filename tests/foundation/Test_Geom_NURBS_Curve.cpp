#include "common/Common_Exception.h"
#include "common/Common_Math_Geom_NURBS_Curve.h"
#include "tests/foundation/Test_GL_Offscreen.h"
#include "tests/support/App_Port_Record.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using N_Common::N_Exception::C_Exception;
using N_Common::N_Graphic::N_OpenGL::C_Tess_NURBS;
using N_Common::N_Math::C_Vector2;
using N_Common::N_Math::N_Geom::C_NURBS_Curve;
using Curve = C_NURBS_Curve<float>;
using P2 = C_Vector2<float>;

namespace {

const float s_Half_Sqrt2 = 0.70710678f;

Curve G_Fn_Curve(std::int32_t i_Order, std::vector<float> i_Knots, std::vector<Curve::C_Ctrl_Point> i_Ctrls)
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
Curve G_Fn_Quarter_Circle(float i_Knot_End = 1)
{
    return G_Fn_Curve(3, {0, 0, 0, i_Knot_End, i_Knot_End, i_Knot_End},
                      {{10, 0, 0, 1}, {10, 10, 0, s_Half_Sqrt2}, {0, 10, 0, 1}});
}

// An open cubic of two spans through (0, 0) ... (30, 0).
Curve G_Fn_Open_Cubic()
{
    return G_Fn_Curve(4, {0, 0, 0, 0, 5, 10, 10, 10, 10},
                      {{0, 0, 0, 1}, {5, 10, 0, 1}, {15, -10, 0, 1}, {25, 10, 0, 1}, {30, 0, 0, 1}});
}

float G_Fn_Distance(const P2& ro_A, const P2& ro_B) { return (ro_A - ro_B).M_Fn_Length(); }

// The chain start, points..., terminate has no segment shorter than i_Min.
void G_Fn_Expect_Chain(const P2& ro_Start, const std::vector<P2>& ro_Points, const P2& ro_Terminate, float i_Min)
{
    std::vector<P2> chain{ro_Start};
    chain.insert(chain.end(), ro_Points.begin(), ro_Points.end());
    chain.push_back(ro_Terminate);
    for (std::size_t i = 1; i < chain.size(); ++i)
        EXPECT_GE(G_Fn_Distance(chain[i - 1], chain[i]), i_Min) << "segment " << i;
}

} // namespace

TEST(C_NURBS_Curve, RationalQuarterCircleLiesOnTheCircle)
{
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    for (float knot_end : {1.0f, 10.0f, 250.0f}) {
        ASSERT_EQ(G_Fn_Quarter_Circle(knot_end).M_Fn_Eval(t), 1);
        // One span, one strip: the output of the previous curve was emptied first.
        EXPECT_EQ(t.m_Types.size(), 1u);
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
    bool near_45 = false;
    for (const auto& v : t.m_Vertices)
        near_45 = near_45 || (std::fabs(v.x - 10 * s_Half_Sqrt2) < 0.1f && std::fabs(v.y - 10 * s_Half_Sqrt2) < 0.1f);
    EXPECT_TRUE(near_45);
    EXPECT_EQ(t.m_Busy, 0);
}

TEST(C_NURBS_Curve, ConsistencyOfCountsAndValues)
{
    EXPECT_TRUE(G_Fn_Quarter_Circle().M_Fn_If_Consistent());
    EXPECT_TRUE(G_Fn_Open_Cubic().M_Fn_If_Consistent());
    EXPECT_FALSE(Curve().M_Fn_If_Consistent()); // the default curve is empty

    auto broken = [](auto i_Change) {
        Curve c = G_Fn_Quarter_Circle();
        i_Change(c);
        return c;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<Curve> bad = {
        broken([](Curve& c) { c.m_Count_Knot = 7; }),                 // knots != points + order
        broken([](Curve& c) { c.m_Knots.push_back(1); }),              // vector longer than its count
        broken([](Curve& c) { c.m_Count_Ctrl = 4; }),                  // count without the points
        broken([](Curve& c) { c.m_Ctrls.pop_back(); }),                // points missing
        broken([](Curve& c) { c.m_Order = 1; c.m_Count_Knot = 4; c.m_Knots.resize(4); }), // order 1
        broken([](Curve& c) { c.m_Order = 4; c.m_Count_Knot = 7; c.m_Knots.push_back(1); }), // fewer points than order
        broken([](Curve& c) { c.m_Order = -3; c.m_Count_Knot = 0; c.m_Knots.clear(); }),
        broken([](Curve& c) { c.m_Knots = {0, 0, 1, 0, 1, 1}; }),      // decreasing
        broken([&](Curve& c) { c.m_Knots[5] = inf; }),
        broken([&](Curve& c) { c.m_Knots[2] = nan; }),
        broken([](Curve& c) { c.m_Knots = {-3e38f, -3e38f, -3e38f, 3e38f, 3e38f, 3e38f}; }), // range overflows
        broken([](Curve& c) { c.m_Ctrls[1].w = 0; }),
        broken([](Curve& c) { c.m_Ctrls[1].w = -1; }),
        broken([&](Curve& c) { c.m_Ctrls[1].w = nan; }),
    };
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    G_Fn_Quarter_Circle().M_Fn_Eval(t);
    const auto before = t.m_Vertices.size();
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_FALSE(bad[i].M_Fn_If_Consistent()) << i;
        EXPECT_THROW(bad[i].M_Fn_Eval(t), C_Exception) << i;
    }
    // Refused before anything was touched.
    EXPECT_EQ(t.m_Busy, 0);
    EXPECT_EQ(t.m_Vertices.size(), before);

    // Coordinates are refreshed from the section points before use, so they are checked at
    // evaluation only.
    Curve nan_point = G_Fn_Quarter_Circle();
    nan_point.m_Ctrls[0].x = nan;
    EXPECT_TRUE(nan_point.M_Fn_If_Consistent());
    try {
        nan_point.M_Fn_Eval(t);
        ADD_FAILURE() << "a NaN control point must throw";
    } catch (const C_Exception& e) {
        EXPECT_STREQ(e.M_Fn_Function(), "N_Common::N_Math::N_Geom::C_NURBS_Curve<float>::M_Fn_Eval");
        EXPECT_STREQ(C_Exception::S_Fn_File_Name(e.M_Fn_File()), "Common_Math_Geom_NURBS_Curve.h");
    }
}

TEST(C_NURBS_Curve, BusyEvaluatorThrows)
{
    C_Tess_NURBS t(C_Tess_NURBS::S_Mode_Tessellator);
    t.m_Busy = 1;
    EXPECT_THROW(G_Fn_Quarter_Circle().M_Fn_Eval(t), C_Exception);
    EXPECT_EQ(t.m_Busy, 1);
    EXPECT_TRUE(t.m_Vertices.empty());
}

TEST(C_NURBS_Curve, WideKnotRangeIsSampledAtBoundedCount)
{
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    for (float range : {1e6f, 1e30f}) {
        G_Fn_Quarter_Circle(range).M_Fn_Eval(t);
        EXPECT_LE(t.m_Vertices.size(), Curve::S_Samples_Max + 2) << range;
        EXPECT_GE(t.m_Vertices.size(), Curve::S_Samples_Max / 2) << range;
        EXPECT_NEAR(std::hypot(t.m_Vertices[t.m_Vertices.size() / 3].x, t.m_Vertices[t.m_Vertices.size() / 3].y),
                    10.0, 1e-4);
    }
    // The usual sampling is back for the next curve.
    GLfloat step = 0;
    gluGetNurbsProperty(t.M_Fn_Get_GLU(), GLU_U_STEP, &step);
    EXPECT_EQ(step, 2.0f);
}

TEST(C_NURBS_Curve, CurveRefusedByGLUIsLoggedAndGivesNoVertex)
{
    C_Test_App app;
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    // Order 30 is consistent here but beyond what GLU evaluates.
    std::vector<float> knots(60);
    for (int i = 0; i < 60; ++i)
        knots[i] = i < 30 ? 0.0f : 1.0f;
    const Curve c = G_Fn_Curve(30, knots, std::vector<Curve::C_Ctrl_Point>(30, {1, 2, 0, 1}));
    ASSERT_TRUE(c.M_Fn_If_Consistent());
    const auto before = app.log_lines().size();
    ASSERT_NO_THROW(c.M_Fn_Eval(t));
    EXPECT_TRUE(t.m_Vertices.empty());
    const auto lines = app.log_lines();
    ASSERT_GT(lines.size(), before);
    EXPECT_EQ(lines[before].rfind("Log: GLu NURBS Error: ", 0), 0u) << lines[before];
    EXPECT_EQ(t.m_Busy, 0);
}

TEST(C_NURBS_Curve, TessellatingNeedsNoCurrentContext)
{
    ASSERT_TRUE(OSMesaMakeCurrent(nullptr, nullptr, 0, 0, 0));
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    G_Fn_Quarter_Circle().M_Fn_Eval(t);
    EXPECT_GE(t.m_Vertices.size(), 4u);
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
}

TEST(C_NURBS_Curve, RendererDrawsTheExactCircle)
{
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
    // The view spans (-16 .. 16) on a 64-pixel viewport: 2 pixels per unit, centre at pixel 32.
    glMatrixMode(GL_PROJECTION);
    glOrtho(-16, 16, -16, 16, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    std::vector<GLfloat> feedback(4096);
    glFeedbackBuffer(GLsizei(feedback.size()), GL_2D, feedback.data());
    glRenderMode(GL_FEEDBACK);
    G_Fn_Quarter_Circle(10).M_Fn_Eval(C_Tess_NURBS::S_Fn_Get_Renderer());
    const GLint count = glRenderMode(GL_RENDER);
    ASSERT_GT(count, 0);
    int vertices = 0;
    for (GLint i = 0; i < count;) {
        const GLint token = GLint(feedback[i]);
        ASSERT_TRUE(token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) << token;
        for (int k = 0; k < 2; ++k) {
            const float x = (feedback[i + 1 + 2 * k] - 32) / 2;
            const float y = (feedback[i + 2 + 2 * k] - 32) / 2;
            EXPECT_NEAR(std::hypot(x, y), 10.0, 1e-3);
            ++vertices;
        }
        i += 5;
    }
    EXPECT_GE(vertices, 20);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    EXPECT_EQ(C_Tess_NURBS::S_Fn_Get_Renderer().m_Busy, 0);
}

TEST(C_NURBS_Curve, SamplingDistanceFallsBackToTheSetting)
{
    EXPECT_EQ(Curve::S_Fn_Sampling_Distance(2.03125f, 2.0f), 2.03125f);
    EXPECT_FLOAT_EQ(Curve::S_Fn_Sampling_Distance(std::nullopt, 2.0f), 2e-6f);
    EXPECT_EQ(Curve::S_Fn_Sampling_Distance(std::nullopt, 0.0f), 0.0f);
}

TEST(C_NURBS_Curve, OpenCurveChainEndsWithoutZeroLengthSegment)
{
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    const Curve c = G_Fn_Open_Cubic();
    const P2 start(0, 0), terminate(30, 0);
    std::vector<P2> points;
    ASSERT_EQ(c.M_Fn_Eval_Excluding_Endpoint(t, start, terminate, 2.03125f, points), 1);
    // The last sample lies on the terminate point, whose node ends the chain: it is not repeated.
    ASSERT_FALSE(t.m_Vertices.empty());
    EXPECT_LT(G_Fn_Distance(P2(t.m_Vertices.back().x, t.m_Vertices.back().y), terminate), 1e-4f);
    ASSERT_FALSE(points.empty());
    EXPECT_GT(G_Fn_Distance(points.back(), terminate), 1e-4f);
    // Every kept interior point is at least the sampling distance from the one before.
    for (std::size_t i = 0; i < points.size(); ++i)
        EXPECT_GE(G_Fn_Distance(points[i], i ? points[i - 1] : start), 2.03125f) << i;
    G_Fn_Expect_Chain(start, points, terminate, 1e-4f);
}

TEST(C_NURBS_Curve, ZeroDistanceDropsDuplicateSamples)
{
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    const Curve c = G_Fn_Open_Cubic();
    std::vector<P2> points;
    // Settings 0: distance 0. GLU delivers the joint of the two spans twice; the floor drops the
    // copy, and the first and last samples (on the end points) go too.
    c.M_Fn_Eval_Excluding_Endpoint(t, {0, 0}, {30, 0}, 0.0f, points);
    EXPECT_EQ(points.size(), t.m_Vertices.size() - 3);
    for (const auto& p : points)
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    G_Fn_Expect_Chain({0, 0}, points, {30, 0}, 1e-4f);
    // A NaN distance is taken as 0 as well.
    std::vector<P2> again;
    c.M_Fn_Eval_Excluding_Endpoint(t, {0, 0}, {30, 0}, std::numeric_limits<float>::quiet_NaN(), again);
    EXPECT_EQ(again.size(), points.size());
}

TEST(C_NURBS_Curve, SamplesAllNearTheStartGiveNoInteriorPoint)
{
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    std::vector<P2> points{{1, 1}};
    // The whole quarter circle lies within 100 of its start point.
    G_Fn_Quarter_Circle(10).M_Fn_Eval_Excluding_Endpoint(t, {10, 0}, {0, 10}, 100.0f, points);
    EXPECT_TRUE(points.empty()); // start node, terminate node: one segment
}

TEST(C_NURBS_Curve, ClosedCurveKeepsItsInteriorAndSkipsTheClosingSample)
{
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    // A closed quadratic loop starting and ending at (0, 0).
    const Curve c = G_Fn_Curve(3, {0, 0, 0, 4, 8, 8, 8}, {{0, 0, 0, 1}, {10, 0, 0, 1}, {10, 10, 0, 1}, {0, 0, 0, 1}});
    std::vector<P2> points;
    c.M_Fn_Eval_Excluding_Endpoint(t, {0, 0}, {0, 0}, 1.0f, points);
    ASSERT_GE(points.size(), 3u);
    G_Fn_Expect_Chain({0, 0}, points, {0, 0}, 1e-4f);
}

TEST(C_NURBS_Curve, LastSampleOffTheTerminatePointIsKept)
{
    C_Tess_NURBS& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    std::vector<P2> points;
    // The terminate point was moved away from the curve's end: the end sample gets its own node.
    G_Fn_Quarter_Circle(10).M_Fn_Eval_Excluding_Endpoint(t, {10, 0}, {0, 12}, 2.0f, points);
    ASSERT_FALSE(points.empty());
    EXPECT_NEAR(points.back().x, 0.0f, 1e-5);
    EXPECT_NEAR(points.back().y, 10.0f, 1e-5);
}

TEST(C_NURBS_Curve, ChainNeedsTheTessellator)
{
    std::vector<P2> points;
    EXPECT_THROW(G_Fn_Quarter_Circle().M_Fn_Eval_Excluding_Endpoint(C_Tess_NURBS::S_Fn_Get_Renderer(), {10, 0},
                                                                       {0, 10}, 1.0f, points),
                 C_Exception);
}
