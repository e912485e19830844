// Load cases of hand-made meshes: the tube in tension (bounds straight from the material limits),
// in compression (bounds from the kernels at its end restraint values), the node stresses of
// bending, the 360-degree directions against the principal moments, the displayed case, the
// failures of the load-case step, and walls whose modulus is not the standard one (homogeneous
// and two-material sections worked as transformed sections).
#include "tests/sect/Test_Sect_Calc_Support.h"

#include "biz/sect/Biz_Sect_Mgr_Calc_Kernel.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace N_Test_Sect_Calc {
namespace {

using namespace N_Biz::N_Sect::N_Kernel;

constexpr float F = 10000.0f; // the default load magnitude

// The 100 x 50 x 2 tube (area 600) in tension: every wall carries F / A against the material's
// own limits, capacities sigma_u, sigma_y, 0.9, 0.75 and 0.6 sigma_u (yield 210, ultimate 262.5).
constexpr double G_Tube_Fz_Plus_Lower[5] = {600.0 * 262.5, 600.0 * 210.0, 600.0 * 0.9 * 262.5, 600.0 * 0.75 * 262.5,
                                            600.0 * 0.6 * 262.5};

// The steel tube (E 210000, yield 210, ultimate 262.5) in uniform compression (psi = 1), both
// ends supported. The horizontals (L 100, t/L 0.02, restraint 0.49975) have the smaller maximum
// capacity 210.8316 and are critical; worked out from the kernel formulas by hand:
constexpr double G_Tube_Fz_Minus_Lower[5] = {126498.94546772116, 125999.99999999999, 72607.2111603259, 48404.807440217264,
                                             24202.403720108625};
constexpr double G_Tube_Fz_Minus_Upper[5] = {126839.6842756026, 126339.39484344567, 72802.78666084008, 48535.19110722672,
                                             24267.59555361335};

class C_Mgr_Calc_Str_Case : public C_Calc_Test {};

TEST_F(C_Mgr_Calc_Str_Case, TubeInTensionBoundsFromMaterialLimits)
{
    M_Fn_Tube(M_Fn_Card());
    ASSERT_EQ(M_Fn_Run(), 1);
    const C_Result_Case& fz = result().m_Case[0];
    for (std::size_t s = 0; s < 5; ++s) {
        EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[0][s], G_Tube_Fz_Plus_Lower[s])) << s;
        // The reference load is the ultimate force sum A sigma_u itself: upper equals lower.
        EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[1][s], G_Tube_Fz_Plus_Lower[s])) << s;
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
    for (std::size_t s = 0; s < 5; ++s) {
        EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[0][s], G_Tube_Fz_Minus_Lower[s], 2e-5)) << s;
        EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[1][s], G_Tube_Fz_Minus_Upper[s], 2e-5)) << s;
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
        for (std::size_t k = 0; k < 10; ++k)
            EXPECT_EQ(p_seg->m_Stress[k], k / 2 == 1 ? 210.0f : 262.5f) << k;
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

TEST_F(C_Mgr_Calc_Str_Case, LoadsThatUseNoWallFail)
{
    // Without load no wall is used at all; with a tiny one the utilisations stay below 1e-6.
    const std::pair<float, const wchar_t*> cases[] = {{0.0f, L"Maximum can not be detected in section."},
                                                      {1e-4f, L"Cannot get failure factor in section."}};
    const T_Key key = M_Fn_Card();
    M_Fn_Tube(key);
    for (const auto& [load, msg] : cases) {
        M_Fn_Config().m_Calc_Param_9 = load;
        EXPECT_EQ(M_Fn_Run(), 0);
        EXPECT_EQ(result().m_Msg_Problem, std::vector<std::wstring>{msg});
        EXPECT_EQ(result().m_Valid, 0);
    }
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

// Walls of a modulus other than the standard one. The nodes carry the standard material's stress
// in the equivalent section; a wall of modulus E carries r = E / E_std times it, and that stress
// meets the wall's own capacities. A homogeneous wall thus carries F / A or M y / I whatever E_std.

TEST_F(C_Mgr_Calc_Str_Case, HomogeneousTubeBoundsIndependentOfStandardModulus)
{
    // Aluminium in MPa, steel in MPa and aluminium in psi, each with yield 210 and ultimate 262.5.
    for (const float e : {70000.0f, 210000.0f, 1.03e7f}) {
        SCOPED_TRACE(e);
        sect().M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Sub_Relation_Rebuild(); // empties the stores
        M_Fn_Tube(M_Fn_Card({2.0f, e}));
        M_Fn_Config().m_Modulus = 210000.0f;
        ASSERT_EQ(M_Fn_Run(), 1);
        const auto reference = result().m_Case;
        // In tension nothing buckles: the same limits for every modulus.
        for (std::size_t s = 0; s < 5; ++s)
            EXPECT_TRUE(G_Fn_Rel(reference[0].m_Bound[0][s], G_Tube_Fz_Plus_Lower[s])) << s;
        for (const float e_std : {70000.0f, 210000.0f, 1.03e7f, 1.0f}) {
            SCOPED_TRACE(e_std);
            M_Fn_Config().m_Modulus = e_std;
            ASSERT_EQ(M_Fn_Run(), 1);
            for (std::size_t c = 0; c < 6; ++c)
                for (std::size_t b = 0; b < 2; ++b)
                    for (std::size_t s = 0; s < 5; ++s)
                        EXPECT_TRUE(G_Fn_Rel(result().m_Case[c].m_Bound[b][s], reference[c].m_Bound[b][s]))
                            << c << " " << b << " " << s;
            if (e == 210000.0f) {
                for (std::size_t s = 0; s < 5; ++s)
                    EXPECT_TRUE(G_Fn_Rel(result().m_Case[1].m_Bound[0][s], G_Tube_Fz_Minus_Lower[s], 2e-5)) << s;
            }
        }
    }
}

TEST_F(C_Mgr_Calc_Str_Case, PsiModulusTubeBucklesWithItsOwnModulus)
{
    // A model in psi (E 1.03e7) against the default standard modulus 210000, in compression. The
    // horizontals (restraint 0.49975, t/L 0.02) are critical: kernel 4 gives a = 3.439664, the
    // slenderness sqrt((1 - 0.09) 210 / (g2 a E)) = 0.0023224 (g2(1) = 1.00011) stays below 0.016
    // and below t/L, so the maximum capacity is the ramp 210 + 52.5 (0.02 - 0.0023224) /
    // (0.25 - 0.0023224) = 213.7471. The verticals (restraint 1.998, t/L 0.04) reach 217.7108.
    // Lower bound A x 213.7471; upper bound the ultimate force 400 x 213.7471 + 200 x 217.7108.
    M_Fn_Tube(M_Fn_Card({2.0f, 1.03e7f}));
    ASSERT_EQ(M_Fn_Run(), 1);
    const C_Result_Case& fz = result().m_Case[1];
    EXPECT_EQ(fz.m_Element_Critical, 1);
    EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[0][0], 600.0 * 213.74711268266748, 2e-5));
    EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[1][0], 400.0 * 213.74711268266748 + 200.0 * 217.7107639704955, 2e-5));
}

TEST_F(C_Mgr_Calc_Str_Case, ElementStepScalesNodeStressToTheWall)
{
    // An aluminium tube (E 70000) against the standard 210000: r = 1/3, node stresses 30 and 15
    // are 10 and 5 in the wall.
    M_Fn_Tube(M_Fn_Card({2.0f, 70000.0f}));
    ASSERT_EQ(M_Fn_Run(), 1);
    const auto step = [&](float i_S0, float i_S1) {
        C_Context_Calc_Str_Case load;
        C_Context_Calc_Str_Element work;
        work.m_p_Segment = &M_Fn_Seg(1);
        work.m_Stress = {i_S0, i_S1};
        EXPECT_EQ(calc().M_Fn_Update_Str_Case_Element(m_Last_Context, load, work), 1);
        return std::pair{work, load};
    };
    // Tension: the larger wall stress against the ultimate stress.
    const auto [tension, load_t] = step(30.0f, 15.0f);
    EXPECT_TRUE(G_Fn_Rel(tension.m_Stress[0], 10.0));
    EXPECT_TRUE(G_Fn_Rel(tension.m_Stress[1], 5.0));
    EXPECT_TRUE(G_Fn_Rel(tension.m_Stress_Gov, 10.0));
    EXPECT_TRUE(G_Fn_Rel(load_t.m_Stat[0], 10.0 / 262.5));
    // Compression: the sum of the two wall stresses; the stress ratio 0.5 stays the nodes' own
    // (g1 = 2.3 - 1.3 x 0.5 + 1.2 x 0.25 - 1.2 x 0.125 = 1.8).
    const auto [compression, load_c] = step(-30.0f, -15.0f);
    EXPECT_TRUE(G_Fn_Rel(compression.m_Stress_Gov, 15.0));
    EXPECT_TRUE(G_Fn_Rel(compression.m_G1, 1.8));
    // With E = E_std the wall carries the node stress bit for bit.
    calc().m_Modulus_Std = 70000.0f;
    const auto [same, load_s] = step(30.0f, 15.0f);
    EXPECT_EQ(same.m_Stress_Gov, 30.0f);
    EXPECT_EQ(same.m_Stress[1], 15.0f);
}

TEST_F(C_Mgr_Calc_Str_Case, TwoMaterialTubeWallsMeetCapacitiesAtTheirOwnStress)
{
    // Transformed section: aluminium flanges (bottom and top, 100 x 2: E 70000, yield 200,
    // ultimate 250) and steel webs (50 x 2: E 210000, yield 210, ultimate 262.5). Under Fz+ the
    // wall of modulus E_i carries F E_i / sum A_j E_j, sum = 400 x 70000 + 200 x 210000 = 7e7:
    // 30 in the steel, 10 in the aluminium. Utilisations 30 / 262.5 = 0.114 against 10 / 250 =
    // 0.04: a web is critical, and lower bound s = F x capacity s / 30 with the web's capacities
    // 262.5, 210, 0.9, 0.75 and 0.6 x 262.5. The upper bounds scale them to the ultimate force
    // 400 x 250 + 200 x 262.5 = 152500.
    const T_Key al = M_Fn_Card({2.0f, 70000.0f, 0.33f, 200.0f, 250.0f});
    const T_Key steel = M_Fn_Card();
    const std::int32_t p[4] = {M_Fn_Point(-50, -25), M_Fn_Point(50, -25), M_Fn_Point(50, 25), M_Fn_Point(-50, 25)};
    for (int i = 0; i < 4; ++i)
        M_Fn_Line(p[i], p[(i + 1) % 4], i % 2 == 0 ? al : steel);
    const double capacity[5] = {262.5, 210.0, 0.9 * 262.5, 0.75 * 262.5, 0.6 * 262.5};
    for (const float e_std : {210000.0f, 70000.0f, 1.0e6f}) {
        SCOPED_TRACE(e_std);
        M_Fn_Config().m_Modulus = e_std;
        calc().M_Fn_Stale_Set();
        ASSERT_EQ(calc().M_Fn_Update_If_Stale(), 1);
        const C_Result_Case& fz = result().m_Case[0];
        ASSERT_NE(fz.m_Element_Critical, 0);
        EXPECT_EQ(M_Fn_Seg(static_cast<std::uint32_t>(fz.m_Element_Critical)).m_Modulus_E, 210000.0f);
        for (std::size_t s = 0; s < 5; ++s) {
            EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[0][s], F * capacity[s] / 30.0)) << s;
            EXPECT_TRUE(G_Fn_Rel(fz.m_Bound[1][s], F * capacity[s] / 30.0 * 152500.0 / 87500.0)) << s;
        }
        // The nodes keep the standard material's stress in the equivalent section: Fz- is shown
        // last, -F / (7e7 / E_std).
        EXPECT_TRUE(G_Fn_Rel(nodes().M_Fn_Get_At(1).m_Stress, -F * e_std / 7.0e7));
    }
    // The result row (sheet and clipboard table) shows the same bounds.
    C_Result_Rows_Switch rows;
    std::vector<std::wstring> names, values;
    calc().M_Fn_Result_Rows_Build(rows, names);
    ASSERT_EQ(calc().M_Fn_Report_Output(rows, values), 1);
    ASSERT_EQ(values.size(), names.size());
    const auto value_of = [&](const wchar_t* i_Name) {
        const auto it = std::find(names.begin(), names.end(), i_Name);
        return it == names.end() ? std::wstring() : values[std::size_t(it - names.begin())];
    };
    EXPECT_EQ(value_of(L"Fz+ Max"), L"87500.0");
    EXPECT_EQ(value_of(L"Fz+ Cri"), L"70000.0");
    EXPECT_EQ(value_of(L"Fz+ Min"), L"52500.0");
}

TEST_F(C_Mgr_Calc_Str_Case, NoStandardModulusTakesTheGeometricSection)
{
    // A standard modulus not above 1e-6 weights every wall by 1: the equivalent section is the
    // geometric one, every wall carries the node stress, and the effective area is the
    // equivalent one. The aluminium tube keeps the bounds it has against the standard 210000.
    M_Fn_Tube(M_Fn_Card({2.0f, 70000.0f}));
    ASSERT_EQ(M_Fn_Run(), 1);
    const auto reference = result().m_Case;
    for (const float e_std : {1e-6f, 0.0f, -210000.0f}) {
        SCOPED_TRACE(e_std);
        M_Fn_Config().m_Modulus = e_std;
        ASSERT_EQ(M_Fn_Run(), 1);
        const C_Result_Prop& geo = result().m_Prop[0];
        const C_Result_Prop& eqv = result().m_Prop[1];
        EXPECT_EQ(eqv.m_Area, geo.m_Area);
        EXPECT_EQ(eqv.m_Ixx, geo.m_Ixx);
        EXPECT_EQ(eqv.m_Iyy, geo.m_Iyy);
        EXPECT_EQ(result().m_Area_Eff, eqv.m_Area);
        for (std::size_t c = 0; c < 6; ++c)
            for (std::size_t s = 0; s < 5; ++s)
                EXPECT_TRUE(G_Fn_Rel(result().m_Case[c].m_Bound[0][s], reference[c].m_Bound[0][s])) << c << " " << s;
        EXPECT_TRUE(G_Fn_Rel(result().m_Case[0].m_Bound[0][0], G_Tube_Fz_Plus_Lower[0]));
    }
}

} // namespace
} // namespace N_Test_Sect_Calc
