#include "common/Common_Exception.h"
#include "common/Common_Math_Geom_Arc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

using N_Common::N_Exception::C_Exception;
using N_Common::N_Math::N_Geom::C_Arc;
using A = C_Arc<float>;

namespace {

const double s_Pi = 3.14159265358979323846;
const float s_Angle_Default = 0.05235988f; // configuration word 30 at its default, 3 degrees in radians
const float s_Nan = std::numeric_limits<float>::quiet_NaN();

// Centre (0, 0), start (10, 0), terminate (0, 10).
A quarter(std::int32_t i_Direction) { return A(i_Direction, {10, 0}, {0, 10}, {0, 0}); }

std::uint32_t bits(float i_F)
{
    std::uint32_t b;
    std::memcpy(&b, &i_F, sizeof b);
    return b;
}

// The points are (cx + r cos(k a), cy + r sin(k a)) for k = 1, 2, ... with a negative a clockwise.
void expect_points(const A::C_Evaluator& ro_E, std::size_t i_Count, double i_Step, double i_Tol, double i_Cx = 0,
                   double i_Cy = 0)
{
    ASSERT_EQ(ro_E.m_Points.size(), i_Count);
    for (std::size_t k = 0; k < i_Count; ++k) {
        EXPECT_NEAR(ro_E.m_Points[k].x, i_Cx + 10 * std::cos((k + 1) * i_Step), i_Tol) << k;
        EXPECT_NEAR(ro_E.m_Points[k].y, i_Cy + 10 * std::sin((k + 1) * i_Step), i_Tol) << k;
    }
}

} // namespace

TEST(C_Arc, DrawingStepGivesTheArcCounts)
{
    A::C_Evaluator& draw = A::S_Fn_Get_Evaluator_Draw();
    EXPECT_EQ(draw.m_Mode, 0);
    EXPECT_EQ(A::S_Fn_Get_Evaluator_Tess().m_Mode, 1);
    EXPECT_EQ(bits(draw.m_Step), 0x3D567756u); // the shared evaluators start at the drawing step
    EXPECT_GE(draw.m_Points.capacity(), 360u);
    EXPECT_GE(A::S_Fn_Get_Evaluator_Tess().m_Points.capacity(), 360u);

    A::C_Evaluator e(0);
    EXPECT_EQ(quarter(0).M_Fn_Angle(), 1.5707964f);
    ASSERT_EQ(quarter(0).M_Fn_Eval(e, 1.0f, 5.0f), 1); // mode 0 ignores the settings
    EXPECT_EQ(bits(e.m_Step), 0x3D567756u);
    // The points at 3, 6, ..., 87 degrees: the 30th step, 90.00004 degrees, is not below the sweep.
    expect_points(e, 29, 3.0 * s_Pi / 180.0, 2e-4);
    EXPECT_EQ(e.m_Busy, 0);
    // Clockwise, the quarter sweeps three quarters: every multiple of 3 degrees strictly inside 270.
    EXPECT_NEAR(quarter(1).M_Fn_Angle(), 3 * s_Pi / 2, 1e-6);
    quarter(1).M_Fn_Eval_Excluding_Endpoint(e);
    expect_points(e, 89, -3.0 * s_Pi / 180.0, 1e-3);
    // A centre away from the origin: the points are around it.
    A(0, {15, 5}, {5, 15}, {5, 5}).M_Fn_Eval_Excluding_Endpoint(e);
    expect_points(e, 29, 3.0 * s_Pi / 180.0, 2e-4, 5, 5);
}

TEST(C_Arc, MeshStepFollowsTheThickness)
{
    A::C_Evaluator e(1);
    // Thickness 1, word 31 = 2: w = 1 x 2 x 1.015625 = 2.03125; a = 2 asin(w / 20) = 0.2034758,
    // larger than step0 = 0.0531780: 7 interior points (8 segments).
    quarter(0).M_Fn_Eval(e, s_Angle_Default, 2.03125f);
    EXPECT_NEAR(e.m_Step, 2 * std::asin(2.03125 / 20), 1e-6);
    expect_points(e, 7, 2 * std::asin(2.03125 / 20), 1e-4);
    // A thin wall gives a chord angle below step0: step0 wins.
    quarter(0).M_Fn_Eval(e, s_Angle_Default, 0.1f);
    EXPECT_FLOAT_EQ(e.m_Step, s_Angle_Default * 1.015625f);
    // Without a property the step is step0 = 3 degrees x 1.015625: 29 points on a quarter.
    quarter(0).M_Fn_Eval(e, s_Angle_Default, std::nullopt);
    EXPECT_FLOAT_EQ(e.m_Step, 0.0531780f);
    EXPECT_EQ(e.m_Points.size(), 29u);
    // Radius 0, or a thickness above the diameter: the chord ratio is clamped, the step is pi.
    EXPECT_FLOAT_EQ(A::S_Fn_Step_Tess(s_Angle_Default, 2.0f, 0.0f), float(s_Pi));
    EXPECT_FLOAT_EQ(A::S_Fn_Step_Tess(s_Angle_Default, 50.0f, 10.0f), float(s_Pi));
}

TEST(C_Arc, MeshStepHasAFloorForSettingsOfZero)
{
    A::C_Evaluator e(1);
    // Angle 0 and length over thickness 0 (so the meshing thickness is 0): the floor of half a
    // degree applies instead of a step of 0.
    ASSERT_NO_THROW(quarter(0).M_Fn_Eval(e, 0.0f, 0.0f));
    EXPECT_EQ(e.m_Step, A::S_Step_Min);
    EXPECT_NEAR(A::S_Step_Min, 0.5 * s_Pi / 180, 1e-7);
    EXPECT_GE(e.m_Points.size(), 179u);
    EXPECT_LE(e.m_Points.size(), 180u);
    for (const auto& p : e.m_Points) {
        ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
        EXPECT_NEAR(std::hypot(p.x, p.y), 10.0, 1e-3);
    }
    A(0, {10, 0}, {10, -0.001f}, {0, 0}).M_Fn_Eval(e, 0.0f, std::nullopt); // nearly a full turn
    EXPECT_LE(e.m_Points.size(), 721u);
    EXPECT_GE(e.m_Points.size(), 719u);
    quarter(0).M_Fn_Eval(e, s_Nan, std::nullopt); // a NaN setting is no step either
    EXPECT_EQ(e.m_Step, A::S_Step_Min);
    ASSERT_NO_THROW(A(0, {s_Nan, 0}, {0, 10}, {0, 0}).M_Fn_Eval(e, s_Angle_Default, 1.0f));
    EXPECT_TRUE(e.m_Points.empty());
}

TEST(C_Arc, SweepEdgeCases)
{
    A::C_Evaluator e(0);
    const A closed(0, {10, 0}, {10, 0}, {0, 0}); // start equal to terminate: sweep 0, no point
    EXPECT_EQ(closed.M_Fn_Angle(), 0.0f);
    closed.M_Fn_Eval_Excluding_Endpoint(e);
    EXPECT_TRUE(e.m_Points.empty());
    // A sweep not above the step gives no point.
    A(0, {10, 0}, {10 * std::cos(0.05f), 10 * std::sin(0.05f)}, {0, 0}).M_Fn_Eval_Excluding_Endpoint(e);
    EXPECT_TRUE(e.m_Points.empty());
    // A terminate point off the radius fixes the end angle only: the points keep the start radius.
    const A off(0, {10, 0}, {0, 25}, {0, 0});
    off.M_Fn_Eval_Excluding_Endpoint(e);
    expect_points(e, 29, 3.0 * s_Pi / 180.0, 2e-4);
    EXPECT_FLOAT_EQ(off.M_Fn_Radius(), 10.0f);
}

TEST(C_Arc, EvaluationRefusesTinyStepAndNestedUse)
{
    A::C_Evaluator e(0);
    quarter(0).M_Fn_Eval_Excluding_Endpoint(e);
    ASSERT_EQ(e.m_Points.size(), 29u);
    e.m_Step = 0.9e-6f;
    EXPECT_THROW(quarter(0).M_Fn_Eval_Excluding_Endpoint(e), C_Exception);
    EXPECT_EQ(e.m_Busy, 0);
    e.m_Step = A::S_Step_Draw;
    e.m_Busy = 1; // as during an evaluation
    EXPECT_THROW(quarter(0).M_Fn_Eval_Excluding_Endpoint(e), C_Exception);
    A::C_Evaluator tess(1);
    tess.m_Busy = 1;
    const float step = tess.m_Step;
    EXPECT_THROW(quarter(0).M_Fn_Eval(tess, 1.0f, 1.0f), C_Exception);
    EXPECT_EQ(tess.m_Step, step); // a busy evaluator's step is not overwritten
    EXPECT_EQ(e.m_Points.size(), 29u); // the earlier output is untouched
}

TEST(C_Arc, ValidityComparesSquaredRadii)
{
    // Start and terminate coinciding (both differences below 1e-6): never valid.
    EXPECT_FALSE(A(0, {10, 0}, {10.0000005f, 0}, {0, 0}).M_Fn_Is_Valid());
    EXPECT_TRUE(quarter(0).M_Fn_Is_Valid());
    EXPECT_TRUE(quarter(1).M_Fn_Is_Valid());
    // Squared radii 100 and 100.9: 0.9 % apart, valid; 100 and 101.1: 1.1 %, invalid.
    EXPECT_TRUE(A(0, {10, 0}, {0, std::sqrt(100.9f)}, {0, 0}).M_Fn_Is_Valid());
    EXPECT_FALSE(A(0, {10, 0}, {0, std::sqrt(101.1f)}, {0, 0}).M_Fn_Is_Valid());
    // Tiny arcs: squared radii within 1e-6 are equal whatever their ratio.
    EXPECT_TRUE(A(0, {0.0002f, 0}, {0, 0.0009f}, {0, 0}).M_Fn_Is_Valid());
}
