// The buckling kernels at points worked out by hand from their formulas (single-precision
// constants widened to double), including both sides of every branch and the ramps that have no
// length.
#include "biz/sect/Biz_Sect_Mgr_Calc_Kernel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace N_Biz::N_Sect::N_Kernel;

constexpr float E = 210000.0f;
constexpr float NU = 0.3f;
constexpr float SY = 210.0f;
constexpr float SU = 262.5f;

void G_Fn_Near(double i_Expected, float i_Actual, double i_Rel = 2e-6)
{
    EXPECT_NEAR(i_Actual, i_Expected, std::fabs(i_Expected) * i_Rel + 1e-9) << "expected " << i_Expected;
}

TEST(N_Kernel, CornerFactor)
{
    // The threshold is the exact double 0.016: the float nearest to it lies just above.
    EXPECT_EQ(G_Fn_Corner(0.0159f, SU, SY), 1.0f);
    EXPECT_EQ(G_Fn_Corner(0.001f, SU, SY), 1.0f);
    G_Fn_Near(13.954 * 0.016000000759959221 + 0.77674, G_Fn_Corner(0.016f, SU, SY));
    G_Fn_Near(13.954 * 0.02 + 0.77674, G_Fn_Corner(0.02f, SU, SY));    // the linear part is smallest
    G_Fn_Near(1.25, G_Fn_Corner(0.05f, SU, SY));                       // ultimate over yield
    G_Fn_Near(1.3, G_Fn_Corner(0.05f, 2.0f * SY, SY));                 // the cap
}

TEST(N_Kernel, GradientFactors)
{
    // Uniform compression (psi = 1), pure bending (psi = -1), one end unloaded (psi = 0).
    G_Fn_Near(1.0, G_Fn_Gradient_1(1.0f));
    G_Fn_Near(6.0, G_Fn_Gradient_1(-1.0f));
    G_Fn_Near(2.3, G_Fn_Gradient_1(0.0f));
    G_Fn_Near(2.3 - 0.65 + 0.3 - 0.15, G_Fn_Gradient_1(0.5f));
    G_Fn_Near(2.3275 - 1.5893 + 0.50327 - 0.89566 + 0.6543, G_Fn_Gradient_2(1.0f));
    G_Fn_Near(2.3275 + 1.5893 + 0.50327 + 0.89566 + 0.6543, G_Fn_Gradient_2(-1.0f));
    G_Fn_Near(2.3275, G_Fn_Gradient_2(0.0f));
}

TEST(N_Kernel, RestraintPolynomials)
{
    EXPECT_EQ(G_Fn_Restraint_4(3.6f), 0.5f);
    G_Fn_Near(6.4, G_Fn_Restraint_4(0.0f));
    G_Fn_Near(6.4 - 8.2679 + 5.5 - 1.7165 + 0.195, G_Fn_Restraint_4(1.0f));
    G_Fn_Near(6.4 - 16.5358 + 22.0 - 13.732 + 3.12, G_Fn_Restraint_4(2.0f));

    EXPECT_EQ(G_Fn_Restraint_5(2.6f), 1.0f);
    G_Fn_Near(1.5, G_Fn_Restraint_5(2.0f)); // d (d - 5.5) + 8.5
    G_Fn_Near(7.0, G_Fn_Restraint_5(0.0f));
    G_Fn_Near(7.0 - 5.996 + 7.042825 - 3.7079375 + 0.7525 - 0.048625, G_Fn_Restraint_5(0.5f));

    G_Fn_Near(0.444, G_Fn_Restraint_6(4.5f));
    G_Fn_Near(1.3474, G_Fn_Restraint_6(0.0f));
    G_Fn_Near(1.3474 - 1.4751 + 1.3756 - 0.64 + 0.15225 - 0.0189 + 0.001159 - 0.0000274, G_Fn_Restraint_6(1.0f));

    G_Fn_Near(0.35, G_Fn_Restraint_7(3.6f));
    G_Fn_Near(2.0 * (0.58297 - 1.12996 + 0.77972 - 0.18344), G_Fn_Restraint_7(2.0f), 1e-5);
    G_Fn_Near(0.62, G_Fn_Restraint_7(0.0f));
    // Both pieces meet at d = 1.
    G_Fn_Near(0.19, G_Fn_Restraint_7(1.0f), 1e-5);
    G_Fn_Near(0.19, G_Fn_Restraint_7(1.0001f), 1e-3);
}

TEST(N_Kernel, Slenderness)
{
    // sqrt((1 - 0.09) 210 / (1 x 4 x 210000)) = 0.015083 stays below 0.016.
    G_Fn_Near(0.015083103069722112, G_Fn_Slenderness(1.0f, 4.0f, E, NU, SY), 1e-6);
    // 0.019611 x 1.1401753 = 0.02236 is below 0.0375: the quadratic branch.
    G_Fn_Near(0.020173836251735744, G_Fn_Slenderness(1.0f, 4.0f, E, NU, 355.0f), 1e-6);
    G_Fn_Near(0.011322298505022824, G_Fn_Slenderness(2.0f, 6.0f, E, NU, 355.0f), 1e-6);
}

TEST(N_Kernel, CriticalSlenderness)
{
    G_Fn_Near(0.017296889716060915, G_Fn_Critical_9(1.8f, 1.2f, 4.0f, 2.5f, E, NU, SY), 1e-5);
    G_Fn_Near(0.02814235738919535, G_Fn_Critical_10(1.8f, 1.2f, 1.2f, 0.8f, E, NU, SY), 1e-5);
}

TEST(N_Kernel, CapacityBothEnds)
{
    const float lam = G_Fn_Slenderness(1.0f, 4.0f, E, NU, SY);
    G_Fn_Near(147.47461900960988, G_Fn_Capacity_11(1.0f, 4.0f, E, NU, SY, SU, 0.01f, lam, 1.0f), 1e-5);
    G_Fn_Near(216.84782634575504, G_Fn_Capacity_11(1.0f, 4.0f, E, NU, SY, SU, 0.05f, 0.02f, 1.2f), 1e-5);
    EXPECT_EQ(G_Fn_Capacity_11(1.0f, 4.0f, E, NU, SY, SU, 0.3f, 0.25f, 1.2f), SU); // lam >= 0.24
    EXPECT_EQ(G_Fn_Capacity_11(1.0f, 4.0f, E, NU, SY, SU, 0.3f, 0.1f, 1.2f), SU);  // ramp capped
}

TEST(N_Kernel, CapacityOneEnd)
{
    G_Fn_Near(123.59890001459327, G_Fn_Capacity_12(1.0f, 1.2f, E, SY, SU, 0.01f, 0.02f), 1e-5);
    EXPECT_EQ(G_Fn_Capacity_12(1.0f, 1.2f, E, SY, SU, 0.1f, 0.02f), SY); // ramp above yield, capped
    G_Fn_Near(178.57142919864577, G_Fn_Capacity_12(1.0f, 1.2f, E, SY, 100.0f, 0.1f, 0.02f), 1e-5);
}

TEST(N_Kernel, CapacityOneEndRampWithoutLengthIsFinite)
{
    // A slenderness limit of 0.3 or more leaves the ramp no length; its limit from below is the
    // yield stress, never a division by zero or a negative capacity.
    for (float lam : {0.3f, 0.2999999f, 0.31f, 0.5f}) {
        const float v = G_Fn_Capacity_12(1.0f, 1.2f, E, SY, SU, 2.0f, lam);
        EXPECT_TRUE(std::isfinite(v)) << lam;
        EXPECT_EQ(v, SY) << lam;
    }
    // Just below the end the ramp still works and is capped at the yield stress.
    EXPECT_EQ(G_Fn_Capacity_12(1.0f, 1.2f, E, SY, SU, 0.95f, 0.29f), SY);
}

TEST(N_Kernel, EulerColumn)
{
    G_Fn_Near(75.84307919642872, G_Fn_Column_13(1.0f, 4.0f, E, NU, SY, 0.01f, 0.02f, 0.03f), 1e-5); // lam <= crit: min
    G_Fn_Near(18.96076979910718, G_Fn_Column_13(1.0f, 4.0f, E, NU, SY, 0.005f, 0.03f, 0.02f), 1e-5); // below the knee
    G_Fn_Near(224.88814812572286, G_Fn_Column_13(1.0f, 4.0f, E, NU, SY, 0.025f, 0.03f, 0.02f), 1e-5); // blend
    EXPECT_EQ(G_Fn_Column_13(1.0f, 4.0f, E, NU, SY, 0.03f, 0.03f, 0.02f), SY); // from lam on
    EXPECT_EQ(G_Fn_Column_13(1.0f, 4.0f, E, NU, SY, 0.2f, 0.02f, 0.03f), SY);  // capped by the yield stress
}

TEST(N_Kernel, AverageBothEnds)
{
    G_Fn_Near(65.22836996641718, G_Fn_Average_14(1.0f, 0.6f, E, NU, SY, SU, 0.01f, 0.02f, 1.0f), 1e-5);
    G_Fn_Near(134.97064507116315, G_Fn_Average_14(1.0f, 0.6f, E, NU, SY, SU, 0.05f, 0.02f, 1.2f), 1e-5);
}

TEST(N_Kernel, AverageRampWithoutLengthIsFinite)
{
    // With the slenderness limit at or beyond 0.2 the ramp ends where it starts: the ultimate
    // stress, finite, whatever the material.
    for (float lam : {0.2f, 0.2000001f, 0.25f}) {
        const float v = G_Fn_Average_14(1.0f, 0.6f, E, NU, SY, SU, 0.4f, lam, 1.2f);
        EXPECT_TRUE(std::isfinite(v)) << lam;
        EXPECT_EQ(v, SU) << lam;
    }
}

TEST(N_Kernel, CornerLength)
{
    G_Fn_Near(0.754124193753076, G_Fn_Corner_Length(0.5f, 0.02f), 1e-6);
    G_Fn_Near(0.7070695232241005, G_Fn_Corner_Length(2.0f, 0.1f), 1e-6); // both clamped
    G_Fn_Near(0.6713208, G_Fn_Corner_Length(0.0f, 0.001f), 1e-6);
}

TEST(N_Kernel, FreeStripAndStrip)
{
    // (3.14 x 0.01)^2 x 210000 x 1.5 / 6
    G_Fn_Near(51.76290114470862, G_Fn_Free_Critical(0.01f, E, 1.5f), 1e-5);

    // A horizontal strip 100 x 2 centred on the axes: Ixx = A t^2/12, Iyy = A L^2/12, Ixy = 0.
    const C_Strip_Moments h = G_Fn_Strip(200.0f, 100.0f, 2.0f, 1.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_NEAR(h.m_Ixx, 200.0 * 4.0 / 12.0, 1e-9);
    EXPECT_NEAR(h.m_Iyy, 200.0 * 10000.0 / 12.0, 1e-6);
    EXPECT_NEAR(h.m_Ixy, 0.0, 1e-12);
    // At 45 degrees the strip's own product moment is -(a - b)/2 per unit area; offset adds A dx dy.
    const float r = std::sqrt(0.5f);
    const C_Strip_Moments d = G_Fn_Strip(20.0f, 10.0f, 2.0f, r, r, 3.0f, -1.0f);
    const double a = 4.0 / 12.0, b = 100.0 / 12.0;
    EXPECT_NEAR(d.m_Ixy, 20.0 * (-3.0 - 0.5 * (a - b) * 2.0 * r * r), 1e-4);
    EXPECT_NEAR(d.m_Ixx, 20.0 * (1.0 + 0.5 * (a + b)), 1e-4);
    EXPECT_NEAR(d.m_Iyy, 20.0 * (9.0 + 0.5 * (a + b)), 1e-4);
}

} // namespace
