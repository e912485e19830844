// Section properties of hand-made meshes against the thin-walled strip formulas worked out by
// hand (centre-line dimensions; every strip keeps its own t^2/12 and L^2/12 terms), the loop
// classification, the end restraint values, the box, and the failure messages of the checks.
#include "tests/sect/Test_Sect_Calc_Support.h"

#include <functional>

#include <cmath>

namespace N_Test_Sect_Calc {
namespace {

class C_Mgr_Calc_Prop : public C_Calc_Test {};

TEST_F(C_Mgr_Calc_Prop, RectangularTube)
{
    // 100 x 50 x 2 around (10, 5): horizontals A = 200 at dy = +-25, verticals A = 100 at dx = +-50.
    M_Fn_Tube(M_Fn_Card(), 10.0f, 5.0f);
    ASSERT_EQ(M_Fn_Run(), 1);
    for (const C_Result_Prop& p : result().m_Prop) {
        EXPECT_TRUE(G_Fn_Rel(p.m_Area, 600.0));
        EXPECT_TRUE(G_Fn_Rel(p.m_Center_X, 10.0));
        EXPECT_TRUE(G_Fn_Rel(p.m_Center_Y, 5.0));
        // Ixx = 2 x 200 (625 + 4/12) + 2 x 100 x 2500/12; Iyy = 2 x 200 x 10000/12 + 2 x 100 (2500 + 4/12).
        EXPECT_TRUE(G_Fn_Rel(p.m_Ixx, 291800.0));
        EXPECT_TRUE(G_Fn_Rel(p.m_Iyy, 833400.0));
        EXPECT_TRUE(G_Fn_Rel(p.m_Ixy, 0.0, 0.0, 0.05));
        EXPECT_TRUE(G_Fn_Rel(p.m_Area_Shear_X, 400.0));
        EXPECT_TRUE(G_Fn_Rel(p.m_Area_Shear_Y, 200.0));
        EXPECT_TRUE(G_Fn_Rel(p.m_I1, 833400.0));
        EXPECT_TRUE(G_Fn_Rel(p.m_I2, 291800.0));
        EXPECT_TRUE(G_Fn_Rel(p.m_Angle_Principal, 0.0, 0.0, 1e-6));
    }
    EXPECT_TRUE(G_Fn_Rel(result().m_Dist_Max[0], 50.0));
    EXPECT_TRUE(G_Fn_Rel(result().m_Dist_Max[1], 25.0));
    EXPECT_EQ(result().m_Box, (std::array<float, 4>{-40.0f, -20.0f, 60.0f, 30.0f}));
    EXPECT_EQ(result().m_Valid, 1);
    EXPECT_TRUE(result().m_Msg_Problem.empty());
}

TEST_F(C_Mgr_Calc_Prop, SquareTubeHasPrincipalAngleQuarterPi)
{
    // Side 24, t 6: every term is an integer, so Ixx equals Iyy exactly: 2 x 144 (144 + 3) + 2 x 144 x 48.
    M_Fn_Polyline({{-12, -12}, {12, -12}, {12, 12}, {-12, 12}}, M_Fn_Card({6.0f}), true);
    ASSERT_EQ(M_Fn_Run(), 1);
    EXPECT_EQ(result().m_Prop[1].m_Ixx, 2.0f * 144.0f * 147.0f + 2.0f * 144.0f * 48.0f);
    EXPECT_EQ(result().m_Prop[1].m_Iyy, result().m_Prop[1].m_Ixx);
    EXPECT_EQ(result().m_Prop[0].m_Angle_Principal, 0.7853985f);
    EXPECT_EQ(result().m_Prop[1].m_Angle_Principal, 0.7853985f);
}

TEST_F(C_Mgr_Calc_Prop, DoublySymmetricISection)
{
    // Flanges 100 x 10 at y = +-100 (each in two halves at the web), web 200 x 10.
    const T_Key key = M_Fn_Card({10.0f});
    const std::uint32_t top_l = M_Fn_Node(-50, 100), top_m = M_Fn_Node(0, 100), top_r = M_Fn_Node(50, 100);
    const std::uint32_t bot_l = M_Fn_Node(-50, -100), bot_m = M_Fn_Node(0, -100), bot_r = M_Fn_Node(50, -100);
    const std::uint32_t f1 = M_Fn_Segment(top_l, top_m, key);
    M_Fn_Segment(top_m, top_r, key);
    M_Fn_Segment(bot_l, bot_m, key);
    M_Fn_Segment(bot_m, bot_r, key);
    const std::uint32_t web = M_Fn_Segment(bot_m, top_m, key);
    ASSERT_EQ(M_Fn_Run(), 1);
    const C_Result_Prop& p = result().m_Prop[1];
    EXPECT_TRUE(G_Fn_Rel(p.m_Area, 4000.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Center_X, 0.0, 0.0, 1e-5));
    EXPECT_TRUE(G_Fn_Rel(p.m_Center_Y, 0.0, 0.0, 1e-5));
    // Ixx = 4 x 500 (10000 + 100/12) + 2000 x 40000/12; Iyy = 4 x 500 (625 + 2500/12) + 2000 x 100/12.
    EXPECT_TRUE(G_Fn_Rel(p.m_Ixx, 4.0 * 500.0 * (10000.0 + 100.0 / 12.0) + 2000.0 * 40000.0 / 12.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Iyy, 4.0 * 500.0 * (625.0 + 2500.0 / 12.0) + 2000.0 * 100.0 / 12.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Ixy, 0.0, 0.0, 1.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Area_Shear_X, 2000.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Area_Shear_Y, 2000.0));
    // Open section: everything is a branch.
    EXPECT_EQ(m_Last_Context.m_Closed, 0);
    for (const C_D_Tess_E_Segment* p_seg : M_Fn_Segments())
        EXPECT_FALSE(p_seg->m_Flag & C_D_Tess::E_Flag_Loop);
    // End restraint of a flange half at the web: the other half (collinear, free tip: k = max(2 x
    // 3 x 50, 2 x 50) = 300) and the web (crossing, k = min(200, 2.3 x 50) = 115); the tip gets 0.
    EXPECT_EQ(M_Fn_Seg(f1).m_Dep_L[0], 0.0f);
    EXPECT_TRUE(G_Fn_Rel(M_Fn_Seg(f1).m_Dep_L[1], 1.0 / ((1e-5 + 1.0 / 300.0 + 1.0 / 115.0) * 50.0)));
    // The web's ends: two flange halves, each k = max(2 x 50, 2 x 200) = 400.
    EXPECT_TRUE(G_Fn_Rel(M_Fn_Seg(web).m_Dep_L[0], 1.0 / ((1e-5 + 2.0 / 400.0) * 200.0)));
    EXPECT_TRUE(G_Fn_Rel(M_Fn_Seg(web).m_Dep_L[1], 1.0 / ((1e-5 + 2.0 / 400.0) * 200.0)));
}

TEST_F(C_Mgr_Calc_Prop, Channel)
{
    // Web 200 x 5 on x = 0, flanges 50 x 5: A = 1500, x_c = 2 x 250 x 25 / 1500 = 25/3.
    M_Fn_Polyline({{50, 100}, {0, 100}, {0, -100}, {50, -100}}, M_Fn_Card({5.0f}), false);
    ASSERT_EQ(M_Fn_Run(), 1);
    const C_Result_Prop& p = result().m_Prop[0];
    const double xc = 25.0 / 3.0;
    EXPECT_TRUE(G_Fn_Rel(p.m_Area, 1500.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Center_X, xc));
    // Ixx = 1000 x 40000/12 + 2 x 250 (10000 + 25/12)
    EXPECT_TRUE(G_Fn_Rel(p.m_Ixx, 1000.0 * 40000.0 / 12.0 + 2.0 * 250.0 * (10000.0 + 25.0 / 12.0)));
    // Iyy = 1000 (xc^2 + 25/12) + 2 x 250 ((25 - xc)^2 + 2500/12)
    EXPECT_TRUE(G_Fn_Rel(p.m_Iyy, 1000.0 * (xc * xc + 25.0 / 12.0) + 500.0 * ((25.0 - xc) * (25.0 - xc) + 2500.0 / 12.0)));
    EXPECT_TRUE(G_Fn_Rel(p.m_Ixy, 0.0, 0.0, 0.05));
    EXPECT_TRUE(G_Fn_Rel(p.m_Area_Shear_X, 500.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Area_Shear_Y, 1000.0));
}

TEST_F(C_Mgr_Calc_Prop, EqualAngleHasPrincipalValuesOfTheClosedForm)
{
    // Legs 100 x 4 along +x and +y from the corner: centroid (25, 25); Ixx = Iyy =
    // 400 (625 + 16/12) + 400 (625 + 10000/12); Ixy = 2 x 400 x (25 x -25) = -500000.
    const T_Key key = M_Fn_Card({4.0f});
    const std::uint32_t corner = M_Fn_Node(0, 0);
    M_Fn_Segment(corner, M_Fn_Node(100, 0), key);
    M_Fn_Segment(corner, M_Fn_Node(0, 100), key);
    ASSERT_EQ(M_Fn_Run(), 1);
    const C_Result_Prop& p = result().m_Prop[1];
    const double i_axis = 400.0 * (625.0 + 16.0 / 12.0) + 400.0 * (625.0 + 10000.0 / 12.0);
    EXPECT_TRUE(G_Fn_Rel(p.m_Center_X, 25.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Center_Y, 25.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Ixx, i_axis));
    EXPECT_EQ(p.m_Ixx, p.m_Iyy);
    EXPECT_TRUE(G_Fn_Rel(p.m_Ixy, -500000.0));
    // Principal moments (Ixx + Iyy)/2 +- sqrt(((Iyy - Ixx)/2)^2 + Ixy^2) at 45 degrees.
    EXPECT_TRUE(G_Fn_Rel(p.m_I1, i_axis + 500000.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_I2, i_axis - 500000.0));
    EXPECT_EQ(p.m_Angle_Principal, 0.7853985f);
}

TEST_F(C_Mgr_Calc_Prop, SingleStrip)
{
    const T_Key key = M_Fn_Card({2.0f});
    const std::uint32_t seg = M_Fn_Segment(M_Fn_Node(-50, 0), M_Fn_Node(50, 0), key);
    // The properties are complete; bending about x finds no stress at all in a strip on the axis.
    EXPECT_EQ(M_Fn_Run(), 0);
    EXPECT_EQ(result().m_Msg_Problem, std::vector<std::wstring>{L"Maximum can not be detected in section."});
    const C_Result_Prop& p = result().m_Prop[0];
    EXPECT_TRUE(G_Fn_Rel(p.m_Ixx, 200.0 * 4.0 / 12.0));
    EXPECT_TRUE(G_Fn_Rel(p.m_Iyy, 200.0 * 10000.0 / 12.0));
    EXPECT_EQ(p.m_Ixy, 0.0f);
    EXPECT_EQ(p.m_Angle_Principal, 0.0f);
    // No neighbour at either end.
    EXPECT_EQ(M_Fn_Seg(seg).m_Dep_L[0], 0.0f);
    EXPECT_EQ(M_Fn_Seg(seg).m_Dep_L[1], 0.0f);
}

TEST_F(C_Mgr_Calc_Prop, TwoMaterialsWeightEquivalentRecordOnly)
{
    // The tube with its bottom wall of a material E = 70000 (r = 1/3), nu = 0.33.
    const T_Key steel = M_Fn_Card();
    const T_Key alu = M_Fn_Card({2.0f, 70000.0f, 0.33f, 150.0f, 200.0f});
    const std::uint32_t a = M_Fn_Node(-50, -25), b = M_Fn_Node(50, -25), c = M_Fn_Node(50, 25), d = M_Fn_Node(-50, 25);
    M_Fn_Segment(a, b, alu);
    M_Fn_Segment(b, c, steel);
    M_Fn_Segment(c, d, steel);
    M_Fn_Segment(d, a, steel);
    ASSERT_EQ(M_Fn_Run(), 1);
    const C_Result_Prop& geo = result().m_Prop[0];
    const C_Result_Prop& eqv = result().m_Prop[1];
    // A_eq = 200/3 + 400; y_eq = (200/3 x -25 + 200 x 25) / A_eq = 50/7.
    const double y_eq = 50.0 / 7.0;
    EXPECT_TRUE(G_Fn_Rel(geo.m_Area, 600.0));
    EXPECT_TRUE(G_Fn_Rel(eqv.m_Area, 200.0 / 3.0 + 400.0));
    EXPECT_TRUE(G_Fn_Rel(geo.m_Center_Y, 0.0, 0.0, 1e-5));
    EXPECT_TRUE(G_Fn_Rel(eqv.m_Center_Y, y_eq));
    // Both records about the equivalent centroid: the geometric one by the parallel axes,
    // 291800 + 600 y_eq^2; the equivalent one strip by strip.
    EXPECT_TRUE(G_Fn_Rel(geo.m_Ixx, 291800.0 + 600.0 * y_eq * y_eq));
    const double ixx_eq = 200.0 / 3.0 * ((25.0 + y_eq) * (25.0 + y_eq) + 4.0 / 12.0) +
                          200.0 * ((25.0 - y_eq) * (25.0 - y_eq) + 4.0 / 12.0) +
                          2.0 * 100.0 * (y_eq * y_eq + 2500.0 / 12.0);
    EXPECT_TRUE(G_Fn_Rel(eqv.m_Ixx, ixx_eq));
    EXPECT_TRUE(G_Fn_Rel(geo.m_Iyy, 833400.0));
    EXPECT_TRUE(G_Fn_Rel(eqv.m_Iyy, 166666.6667 / 3.0 + 166666.6667 + 2.0 * 100.0 * (2500.0 + 4.0 / 12.0)));
    // Shear areas by (1 + nu) / (1 + nu_std), the same in both records.
    EXPECT_TRUE(G_Fn_Rel(geo.m_Area_Shear_X, 200.0 * 1.33 / 1.3 + 200.0));
    EXPECT_EQ(geo.m_Area_Shear_X, eqv.m_Area_Shear_X);
    EXPECT_TRUE(G_Fn_Rel(eqv.m_Area_Shear_Y, 200.0));
}

TEST_F(C_Mgr_Calc_Prop, BoxAlwaysHoldsOrigin)
{
    M_Fn_Tube(M_Fn_Card(), 60.0f, 30.0f);
    ASSERT_EQ(M_Fn_Run(), 1);
    EXPECT_EQ(result().m_Box, (std::array<float, 4>{0.0f, 0.0f, 110.0f, 55.0f}));
}

TEST_F(C_Mgr_Calc_Prop, EndRestraintValues)
{
    // Tube corners: a wall of length L meeting one of length L' at right angles: k = min(L', 2.3 L).
    // The bottom wall is split in the middle: there the halves are collinear, k = 3 x 50.
    const T_Key key = M_Fn_Card();
    const std::vector<std::uint32_t> seg =
        M_Fn_Polyline({{-50, -25}, {0, -25}, {50, -25}, {50, 25}, {-50, 25}}, key, true);
    ASSERT_EQ(M_Fn_Run(), 1);
    EXPECT_TRUE(G_Fn_Rel(M_Fn_Seg(seg[0]).m_Dep_L[0], 1.0 / ((1e-5 + 1.0 / 50.0) * 50.0)));
    EXPECT_TRUE(G_Fn_Rel(M_Fn_Seg(seg[0]).m_Dep_L[1], 1.0 / ((1e-5 + 1.0 / 150.0) * 50.0)));
    EXPECT_TRUE(G_Fn_Rel(M_Fn_Seg(seg[2]).m_Dep_L[0], 1.0 / ((1e-5 + 1.0 / 50.0) * 50.0)));
    EXPECT_TRUE(G_Fn_Rel(M_Fn_Seg(seg[3]).m_Dep_L[0], 1.0 / ((1e-5 + 1.0 / 50.0) * 100.0)));
    EXPECT_TRUE(G_Fn_Rel(M_Fn_Seg(seg[4]).m_Dep_L[0], 1.0 / ((1e-5 + 1.0 / 100.0) * 50.0)));
    EXPECT_TRUE(G_Fn_Rel(M_Fn_Seg(seg[4]).m_Dep_L[1], 1.0 / ((1e-5 + 1.0 / 50.0) * 50.0)));
}

// --- loops -----------------------------------------------------------------------------------

TEST_F(C_Mgr_Calc_Prop, OpenChainIsBranch)
{
    M_Fn_Polyline({{0, 0}, {10, 0}, {10, 10}, {20, 10}}, M_Fn_Card(), false);
    ASSERT_EQ(M_Fn_Run(), 1);
    EXPECT_EQ(m_Last_Context.m_Closed, 0);
    for (const C_D_Tess_E_Segment* p_seg : M_Fn_Segments())
        EXPECT_FALSE(p_seg->m_Flag & C_D_Tess::E_Flag_Loop);
}

TEST_F(C_Mgr_Calc_Prop, RingWithTailAndBridge)
{
    // Two rings joined by a bridge, and a tail of two segments on the right ring.
    const T_Key key = M_Fn_Card();
    const std::vector<std::uint32_t> left = M_Fn_Polyline({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, key, true);
    const std::vector<std::uint32_t> right = M_Fn_Polyline({{30, 0}, {40, 0}, {40, 10}, {30, 10}}, key, true);
    // Bridge from (10, 0) (node 2) to (30, 0) (node 5); tail from (40, 10) (node 7) outwards.
    const std::uint32_t bridge = M_Fn_Segment(2, 5, key);
    const std::uint32_t n_mid = M_Fn_Node(50, 10), n_end = M_Fn_Node(60, 10);
    const std::uint32_t tail_1 = M_Fn_Segment(7, n_mid, key);
    const std::uint32_t tail_2 = M_Fn_Segment(n_mid, n_end, key);
    ASSERT_EQ(M_Fn_Run(), 1);
    EXPECT_EQ(m_Last_Context.m_Closed, 1);
    for (std::uint32_t id : left)
        EXPECT_TRUE(M_Fn_Seg(id).m_Flag & C_D_Tess::E_Flag_Loop);
    for (std::uint32_t id : right)
        EXPECT_TRUE(M_Fn_Seg(id).m_Flag & C_D_Tess::E_Flag_Loop);
    EXPECT_TRUE(M_Fn_Seg(bridge).m_Flag & C_D_Tess::E_Flag_Loop);
    EXPECT_FALSE(M_Fn_Seg(tail_1).m_Flag & C_D_Tess::E_Flag_Loop);
    EXPECT_FALSE(M_Fn_Seg(tail_2).m_Flag & C_D_Tess::E_Flag_Loop);
}

// --- failure messages ------------------------------------------------------------------------

TEST_F(C_Mgr_Calc_Prop, FailureMessages)
{
    using T_Msgs = std::vector<std::wstring>;
    const std::pair<std::function<void()>, T_Msgs> cases[] = {
        {[] {}, {L"There is no element."}},
        {[&] { M_Fn_Segment(M_Fn_Node(0, 0), M_Fn_Node(10, 0), T_Key()); },
         {L"Problems detected with marked element :", L"- Invalid thickness.", L"- Invalid thickness over length.",
          L"- Invalid area.", L"- No property connected."}},
        {[&] { M_Fn_Segment(M_Fn_Node(0, 0), M_Fn_Node(10, 0), T_Key(M_Fn_Property_On(2.0f, {}))); },
         {L"Problems detected with marked element :", L"Problems detected with its connected property :",
          L"- No material connected."}},
        // A yield stress of 0 and a Poisson ratio of exactly 1e-6 (which passes).
        {[&] { M_Fn_Segment(M_Fn_Node(0, 0), M_Fn_Node(10, 0), M_Fn_Card({2.0f, 210000.0f, 1e-6f, 0.0f, 262.5f})); },
         {L"Problems detected with marked element :", L"Problems detected with its connected property :",
          L"Problems detected with its connected material :", L"- Invalid yield stress."}},
        // Welds only: valid segments without area.
        {[&] { M_Fn_Segment(M_Fn_Node(0, 0), M_Fn_Node(10, 0), T_Key(), true, 3.0f); }, {L"Area is zero."}},
        // E = 0.001: A x E / E_std = 200 x 0.001 / 210000 < 1e-6.
        {[&] { M_Fn_Segment(M_Fn_Node(0, 0), M_Fn_Node(100, 0), M_Fn_Card({2.0f, 0.001f})); }, {L"Equivalent Area is zero."}},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        elements().M_Fn_D_Clear();
        nodes().M_Fn_D_Clear();
        cases[i].first();
        EXPECT_EQ(M_Fn_Run(), 0) << i;
        EXPECT_EQ(result().m_Msg_Problem, cases[i].second) << i;
        EXPECT_EQ(result().m_Valid, 0) << i;
    }
    EXPECT_TRUE(G_Fn_Rel(result().m_Prop[0].m_Area, 200.0)); // the last case's geometric area
}

TEST_F(C_Mgr_Calc_Prop, MarkedSegmentOfZeroLength)
{
    const T_Key key = M_Fn_Card();
    M_Fn_Tube(key);
    const std::uint32_t n = M_Fn_Node(50, 25);
    const std::uint32_t bad = M_Fn_Segment(3, n, key); // (50, 25) to (50, 25)
    M_Fn_Segment(M_Fn_Node(5, 5), M_Fn_Node(5, 5), key); // a second marked one is not reported
    EXPECT_EQ(M_Fn_Run(), 0);
    EXPECT_EQ(result().m_Element_Marked, static_cast<std::int32_t>(bad));
    EXPECT_EQ(result().m_Msg_Problem,
              (std::vector<std::wstring>{L"Problems detected with marked element :", L"- Invalid length.", L"- Invalid area.",
                                         L"Problems detected with its connected property :",
                                         L"Problems detected with its connected material :"}));
}

} // namespace
} // namespace N_Test_Sect_Calc
