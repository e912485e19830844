// Load cases of hand-made meshes: the tube in tension (bounds straight from the material limits),
// in compression (bounds from the kernels at its end restraint values), the node stresses of
// bending, the 360-degree directions against the principal moments, the displayed case, and the
// failures of the load-case step.
#include "tests/sect/Test_Sect_Calc_Support.h"

#include "biz/sect/Biz_Sect_Mgr_Calc_Kernel.h"

#include <algorithm>
#include <cmath>

namespace N_Test_Sect_Calc {
namespace {

using namespace N_Biz::N_Sect::N_Kernel;

constexpr float F = 10000.0f; // the default load magnitude

class C_Mgr_Calc_Str_Case : public C_Calc_Test {};

TEST_F(C_Mgr_Calc_Str_Case, TubeInTensionBoundsFromMaterialLimits)
{
    M_Fn_Tube(M_Fn_Card());
    ASSERT_EQ(M_Fn_Run(), 1);
    const C_Result_Case& fz = result().m_Case[0];
    // Every wall carries F / A in tension: capacities sigma_u, sigma_y, 0.9, 0.75, 0.6 sigma_u.
    const double a = 600.0;
    const double expected[5] = {a * 262.5, a * 210.0, a * 0.9 * 262.5, a * 0.75 * 262.5, a * 0.6 * 262.5};
    for (std::size_t s = 0; s < 5; ++s) {
        EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[0][s], expected[s])) << s;
        // The reference load is the ultimate force sum A sigma_u itself: upper equals lower.
        EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[1][s], expected[s])) << s;
    }
    // All walls are equally used: the first in slot order is critical; its buckling length is
    // L x corner-length factor at its end restraint 1 / ((1e-5 + 1/50) x 100), t/L = 0.02.
    EXPECT_EQ(fz.m_Element_Critical, 1);
    EXPECT_TRUE(G_Fn_Rel(fz.m_Ref, 75.40928309235, 1e-5));
}

TEST_F(C_Mgr_Calc_Str_Case, TubeInCompressionBoundsFromKernels)
{
    M_Fn_Tube(M_Fn_Card());
    ASSERT_EQ(M_Fn_Run(), 1);
    const C_Result_Case& fz = result().m_Case[1];
    // Uniform compression (psi = 1), both ends supported. The horizontals (L 100, t/L 0.02,
    // restraint 0.49975) have the smaller maximum capacity 210.8316 and are critical; worked out
    // from the kernel formulas by hand:
    const double lower[5] = {126498.94546772116, 125999.99999999999, 72607.2111603259, 48404.807440217264,
                             24202.403720108625};
    const double upper[5] = {126839.6842756026, 126339.39484344567, 72802.78666084008, 48535.19110722672,
                             24267.59555361335};
    for (std::size_t s = 0; s < 5; ++s) {
        EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[0][s], lower[s], 2e-5)) << s;
        EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[1][s], upper[s], 2e-5)) << s;
    }
    EXPECT_EQ(fz.m_Element_Critical, 1);
    // Effective area: yield force sum (capacities limited to the yield stress) over the standard modulus.
    EXPECT_TRUE(G_Fn_Rel(result().m_Area_Eff, 600.0 * 210.0 / 210000.0));
    // The compression case is displayed by default: it ran last, so the nodes carry -F / A.
    for (std::uint32_t n = 1; n <= 4; ++n)
        EXPECT_TRUE(G_Fn_Rel(nodes().M_Fn_Get_At(n).m_Stress, -F / 600.0));
}

TEST_F(C_Mgr_Calc_Str_Case, EqualAngleInCompressionKeepsItsEffectiveArea)
{
    // An equal angle 100 x 100 x 10: two legs supported at the corner only. Stocky legs (t/L 0.1)
    // reach the yield stress at the corner whatever its restraint value (kernel 12 gives at least
    // (0.15 x 210000)^0.25 x 210^0.75 x 0.1^0.5 = 231 before the cap at 210), so each leg adds
    // -A sigma_y = -1000 x 210 to the yield force: effective area 2000 x 210 / 210000 = 2.
    M_Fn_Polyline({{100, 0}, {0, 0}, {0, 100}}, M_Fn_Card({10.0f}), false);
    ASSERT_EQ(M_Fn_Run(), 1);
    EXPECT_TRUE(G_Fn_Rel(result().m_Area_Eff, 2000.0 * 210.0 / 210000.0));
}

TEST_F(C_Mgr_Calc_Str_Case, DisplayedTensionCaseLeavesMaterialLimitsInSegments)
{
    M_Fn_Config().m_Load_Case = 0;
    M_Fn_Tube(M_Fn_Card());
    ASSERT_EQ(M_Fn_Run(), 1);
    for (const C_D_Tess_E_Segment* p_seg : M_Fn_Segments())
        for (std::uint32_t end = 0; end < 2; ++end) {
            EXPECT_EQ(p_seg->m_Stress[0 + end], 262.5f);
            EXPECT_EQ(p_seg->m_Stress[2 + end], 210.0f);
            EXPECT_EQ(p_seg->m_Stress[4 + end], 262.5f);
            EXPECT_EQ(p_seg->m_Stress[6 + end], 262.5f);
            EXPECT_EQ(p_seg->m_Stress[8 + end], 262.5f);
        }
    EXPECT_TRUE(G_Fn_Rel(nodes().M_Fn_Get_At(1).m_Stress, F / 600.0));
}

TEST_F(C_Mgr_Calc_Str_Case, BendingNodeStresses)
{
    // Mx+ displayed: sigma = Mx dy / Ixx = 10000 x 25 / 291800 at the top, negative at the bottom.
    M_Fn_Config().m_Load_Case = 2;
    M_Fn_Tube(M_Fn_Card());
    ASSERT_EQ(M_Fn_Run(), 1);
    const double top = 10000.0 * 25.0 / 291800.0;
    EXPECT_TRUE(G_Fn_Rel(nodes().M_Fn_Get_At(1).m_Stress, -top));
    EXPECT_TRUE(G_Fn_Rel(nodes().M_Fn_Get_At(3).m_Stress, top));
    // My+ displayed: sigma = -My dx / Iyy (the 90-degree direction's cosine, about -7e-8, adds a
    // negligible Mx).
    M_Fn_Config().m_Load_Case = 4;
    ASSERT_EQ(M_Fn_Run(), 1);
    const double side = 10000.0 * 50.0 / 833400.0;
    EXPECT_TRUE(G_Fn_Rel(nodes().M_Fn_Get_At(2).m_Stress, -side, 1e-4));
    EXPECT_TRUE(G_Fn_Rel(nodes().M_Fn_Get_At(4).m_Stress, side, 1e-4));
}

TEST_F(C_Mgr_Calc_Str_Case, StatisticsNeverBelowTheirFloors)
{
    // The I-section exercises free tips, one-end and two-end supported walls under all cases.
    const T_Key key = M_Fn_Card({10.0f});
    M_Fn_Polyline({{-50, 100}, {0, 100}, {50, 100}}, key, false);
    M_Fn_Polyline({{-50, -100}, {0, -100}, {50, -100}}, key, false);
    M_Fn_Segment(5, 2, key);
    ASSERT_EQ(M_Fn_Run(), 1);
    static const double s_Floor[5] = {1.0, 1.0, 1.01, 1.03, 1.05};
    for (std::size_t c = 0; c < 6; ++c) {
        const C_Result_Case& rec = result().m_Case[c];
        EXPECT_NE(rec.m_Element_Critical, 0);
        for (std::size_t s = 0; s < 5; ++s) {
            EXPECT_GT(rec.m_Bound[0][s], 0.0f);
            // lower bound = F / statistic, statistic >= statistic_0 x floor.
            EXPECT_LE(rec.m_Bound[0][s], rec.m_Bound[0][0] / s_Floor[s] * (1 + 1e-6)) << c << " " << s;
            EXPECT_TRUE(G_Fn_Rel(rec.m_Bound[1][s] / rec.m_Bound[1][0], rec.m_Bound[0][s] / rec.m_Bound[0][0], 1e-5));
        }
    }
}

TEST_F(C_Mgr_Calc_Str_Case, DirectionsOffWriteNoStiffness)
{
    M_Fn_Tube(M_Fn_Card());
    ASSERT_EQ(M_Fn_Run(), 1);
    for (const C_Result_Dir& d : result().m_Dir) {
        EXPECT_EQ(d.m_Stiff_Eqv, 0.0f);
        EXPECT_EQ(d.m_Stiff_Eff, 0.0f);
    }
    // The four standard bending directions still carry their cosine and sine.
    EXPECT_EQ(result().m_Dir[0].m_Cos, 1.0f);
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[18].m_Sin, 1.0));
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[36].m_Cos, -1.0));
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[54].m_Sin, -1.0));
}

TEST_F(C_Mgr_Calc_Str_Case, DirectionsOfTubeStartAtIxxAndIyy)
{
    M_Fn_Config().m_Show_Inertia_360 = 1;
    M_Fn_Tube(M_Fn_Card());
    ASSERT_EQ(M_Fn_Run(), 1);
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[0].m_Stiff_Eqv, 291800.0));
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[18].m_Stiff_Eqv, 833400.0));
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[36].m_Stiff_Eqv, 291800.0));
    for (const C_Result_Dir& d : result().m_Dir) {
        EXPECT_GT(d.m_Stiff_Eqv, 0.0f);
        EXPECT_LE(d.m_Stiff_Eff, d.m_Stiff_Eqv);
    }
}

TEST_F(C_Mgr_Calc_Str_Case, DirectionsOfEqualAngleSpanThePrincipalMoments)
{
    M_Fn_Config().m_Show_Inertia_360 = 1;
    const T_Key key = M_Fn_Card({4.0f});
    const std::uint32_t corner = M_Fn_Node(0, 0);
    M_Fn_Segment(corner, M_Fn_Node(100, 0), key);
    M_Fn_Segment(corner, M_Fn_Node(0, 100), key);
    ASSERT_EQ(M_Fn_Run(), 1);
    const C_Result_Prop& eqv = result().m_Prop[1];
    const double i1 = 400.0 * (625.0 + 16.0 / 12.0) + 400.0 * (625.0 + 10000.0 / 12.0) + 500000.0;
    const double i2 = i1 - 1000000.0;
    ASSERT_TRUE(G_Fn_Rel(eqv.m_I1, i1));
    // The principal angle is 45 degrees, direction 9: there the principal moment 1, 90 degrees on
    // the principal moment 2, and every direction between the two.
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[9].m_Stiff_Eqv, i1));
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[27].m_Stiff_Eqv, i2, 1e-5, 0.5));
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[45].m_Stiff_Eqv, i1));
    EXPECT_TRUE(G_Fn_Rel(result().m_Dir[63].m_Stiff_Eqv, i2, 1e-5, 0.5));
    for (std::size_t d = 0; d < 72; ++d) {
        const C_Result_Dir& dir = result().m_Dir[d];
        EXPECT_LE(dir.m_Stiff_Eqv, eqv.m_I1 * (1 + 1e-6)) << d;
        EXPECT_GE(dir.m_Stiff_Eqv, eqv.m_I2 * (1 - 1e-6) - 0.5) << d;
        EXPECT_LE(dir.m_Stiff_Eff, dir.m_Stiff_Eqv) << d;
        EXPECT_TRUE(G_Fn_Rel(dir.m_Cos, std::cos(d * 5.0 * M_PI / 180.0), 0.0, 2e-6)) << d;
        EXPECT_TRUE(G_Fn_Rel(dir.m_Sin, std::sin(d * 5.0 * M_PI / 180.0), 0.0, 2e-6)) << d;
    }
}

TEST_F(C_Mgr_Calc_Str_Case, QuickRunSkipsDirections)
{
    M_Fn_Config().m_Show_Inertia_360 = 1;
    M_Fn_Tube(M_Fn_Card());
    ASSERT_EQ(M_Fn_Run(1), 1);
    // Only the four standard bending cases fill their records.
    for (std::size_t d = 0; d < 72; ++d)
        EXPECT_EQ(result().m_Dir[d].m_Stiff_Eqv != 0.0f, d % 18 == 0) << d;
}

TEST_F(C_Mgr_Calc_Str_Case, NoCriticalElement)
{
    // Without load no wall is used at all.
    M_Fn_Config().m_Calc_Param_9 = 0.0f;
    M_Fn_Tube(M_Fn_Card());
    EXPECT_EQ(M_Fn_Run(), 0);
    EXPECT_EQ(result().m_Msg_Problem, std::vector<std::wstring>{L"Maximum can not be detected in section."});
    EXPECT_EQ(result().m_Valid, 0);
}

TEST_F(C_Mgr_Calc_Str_Case, FailureFactorTooSmall)
{
    // A load so small that the utilisations stay below 1e-6.
    M_Fn_Config().m_Calc_Param_9 = 1e-4f;
    M_Fn_Tube(M_Fn_Card());
    EXPECT_EQ(M_Fn_Run(), 0);
    EXPECT_EQ(result().m_Msg_Problem, std::vector<std::wstring>{L"Cannot get failure factor in section."});
}

TEST_F(C_Mgr_Calc_Str_Case, InvalidSegmentInElementStepThrows)
{
    M_Fn_Tube(M_Fn_Card());
    ASSERT_EQ(M_Fn_Run(), 1);
    C_Context_Calc_Str_Case load;
    C_Context_Calc_Str_Element work;
    work.m_p_Segment = &M_Fn_Seg(1);
    M_Fn_Seg(1).m_Flag |= C_D_Tess::E_Flag_Invalid;
    EXPECT_THROW(calc().M_Fn_Update_Str_Case_Element(m_Last_Context, load, work), N_Common::N_Exception::C_Exception);
    C_Context_Calc_Str_Element none;
    EXPECT_EQ(calc().M_Fn_Update_Str_Case_Element(m_Last_Context, load, none), -1);
}

TEST_F(C_Mgr_Calc_Str_Case, ExtremeMaterialGivesFiniteResults)
{
    // Walls twice as thick as long, and yield stresses up to well above the modulus: the
    // slenderness limits pass the ends of the kernels' ramps (0.3 for walls supported at one end,
    // 0.2 for walls supported at both). Every capacity stays finite and not negative.
    M_Fn_Config().m_Show_Inertia_360 = 1;
    for (float sy : {50.0f, 100.0f, 200.0f, 400.0f, 800.0f, 1600.0f}) {
        SCOPED_TRACE(sy);
        sect().M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Sub_Relation_Rebuild(); // empties the stores
        const T_Key key = M_Fn_Card({20.0f, 1000.0f, 0.3f, sy, 1.25f * sy});
        M_Fn_Polyline({{-10, 5}, {0, 5}, {10, 5}}, key, false);
        M_Fn_Polyline({{-10, -5}, {0, -5}, {10, -5}}, key, false);
        M_Fn_Segment(5, 2, key);
        ASSERT_EQ(M_Fn_Run(), 1);
        for (const C_Result_Case& rec : result().m_Case)
            for (const auto& bound : rec.m_Bound)
                for (float v : bound)
                    EXPECT_TRUE(std::isfinite(v));
        for (const C_D_Tess_E_Segment* p_seg : M_Fn_Segments())
            for (float v : p_seg->m_Stress) {
                EXPECT_TRUE(std::isfinite(v));
                EXPECT_GE(v, 0.0f);
            }
        for (const C_Result_Dir& d : result().m_Dir)
            EXPECT_TRUE(std::isfinite(d.m_Stiff_Eff));
    }
}

} // namespace
} // namespace N_Test_Sect_Calc
