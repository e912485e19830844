// The calculation as the section drives it: an edit marks the results stale, the next request
// rebuilds the mesh from the geometry and recalculates; a failed run waits for the next edit.
#include "tests/sect/Test_Sect_Calc_Support.h"

namespace N_Test_Sect_Calc {
namespace {

class C_Mgr_Calc_Sect : public C_Calc_Test {};

TEST_F(C_Mgr_Calc_Sect, EditsMarkStaleAndNextRequestRecalculates)
{
    // Nothing drawn: the run fails once and is not repeated on the next request.
    EXPECT_EQ(sect().M_Fn_Calc_If_Dirty(), 0);
    EXPECT_EQ(result().m_Msg_Problem, std::vector<std::wstring>{L"There is no element."});
    EXPECT_FALSE(calc().M_Fn_Is_Stale());
    EXPECT_EQ(sect().M_Fn_Calc_If_Dirty(), 0);

    // Drawing the tube marks the results stale.
    const T_Key key = M_Fn_Card();
    const std::int32_t a = M_Fn_Point(-50, -25), b = M_Fn_Point(50, -25), c = M_Fn_Point(50, 25), d = M_Fn_Point(-50, 25);
    M_Fn_Line(a, b, key);
    M_Fn_Line(b, c, key);
    M_Fn_Line(c, d, key);
    M_Fn_Line(d, a, key);
    EXPECT_TRUE(calc().M_Fn_Is_Stale());
    ASSERT_EQ(sect().M_Fn_Calc_If_Dirty(), 1);
    EXPECT_TRUE(G_Fn_Rel(result().m_Prop[0].m_Area, 600.0));
    EXPECT_TRUE(G_Fn_Rel(result().m_Prop[0].m_Ixx, 291800.0));
    EXPECT_EQ(S_Fn_Count(elements().M_Fn_Get_Store()), 4u);

    // Moving the top edge up by 25 (a 100 x 75 tube) marks them stale again.
    for (std::int32_t id : {c, d}) {
        auto up = std::make_unique<C_D_Geom_Point>(id == c ? 50.0f : -50.0f, 50.0f);
        points().M_Fn_D_Modify_At(static_cast<std::uint32_t>(id), up);
    }
    EXPECT_TRUE(calc().M_Fn_Is_Stale());
    ASSERT_EQ(sect().M_Fn_Calc_If_Dirty(), 1);
    // A = 2 x 200 + 2 x 150 = 700; y_c = (200 x -25 + 200 x 50 + 300 x 12.5) / 700.
    EXPECT_TRUE(G_Fn_Rel(result().m_Prop[0].m_Area, 700.0));
    EXPECT_TRUE(G_Fn_Rel(result().m_Prop[0].m_Center_Y, (200.0 * 50.0 + 300.0 * 12.5 - 200.0 * 25.0) / 700.0));
}

TEST_F(C_Mgr_Calc_Sect, SectionReadOverItsMeshCalculatesAgain)
{
    // Calculate the tube, write it, read it back into the same section (whose mesh is built) and
    // calculate again: the mesh of the geometry read is built afresh, with the same results.
    const T_Key key = M_Fn_Card();
    const std::int32_t a = M_Fn_Point(-50, -25), b = M_Fn_Point(50, -25), c = M_Fn_Point(50, 25), d = M_Fn_Point(-50, 25);
    M_Fn_Line(a, b, key);
    M_Fn_Line(b, c, key);
    M_Fn_Line(c, d, key);
    M_Fn_Line(d, a, key);
    ASSERT_EQ(sect().M_Fn_Calc_If_Dirty(), 1);
    const C_Result first = result();

    std::ostringstream out;
    ASSERT_EQ(sect().M_Fn_Stream_Serialize_o_O(out), E_Result_Success);
    std::istringstream in(out.str());
    ASSERT_EQ(sect().M_Fn_Stream_Serialize_o_I(in), E_Result_Success);
    EXPECT_EQ(S_Fn_Count(elements().M_Fn_Get_Store()), 0u);
    ASSERT_EQ(sect().M_Fn_Calc_If_Dirty(), 1);
    EXPECT_TRUE(G_Fn_Rel(result().m_Prop[0].m_Area, 600.0));
    EXPECT_TRUE(G_Fn_Rel(result().m_Prop[0].m_Ixx, 291800.0));
    EXPECT_EQ(S_Fn_Count(elements().M_Fn_Get_Store()), 4u);
    for (int c_case = 0; c_case < 6; ++c_case)
        for (int s = 0; s < 5; ++s)
            EXPECT_EQ(result().m_Case[c_case].m_Bound[0][s], first.m_Case[c_case].m_Bound[0][s]) << c_case << " " << s;
}

TEST_F(C_Mgr_Calc_Sect, CenterForCutAndPointBounds)
{
    // An L of two lines: area centroid of equal legs at a quarter of their length.
    const T_Key key = M_Fn_Card({4.0f});
    const std::int32_t corner = M_Fn_Point(10, 20);
    M_Fn_Line(corner, M_Fn_Point(110, 20), key);
    M_Fn_Line(corner, M_Fn_Point(10, 120), key);
    float x = -1.0f, y = -1.0f;
    EXPECT_EQ(calc().M_Fn_Center_For_Cut_Get(x, y), 1);
    EXPECT_TRUE(G_Fn_Rel(x, 35.0));
    EXPECT_TRUE(G_Fn_Rel(y, 45.0));
    N_Common::N_Math::C_Vector2<float> lo, hi;
    EXPECT_EQ(calc().M_Fn_Geom_P_Bound_Get(lo, hi), 1);
    EXPECT_EQ(lo.x, 0.0f); // the bounds start at the origin
    EXPECT_EQ(lo.y, 0.0f);
    EXPECT_EQ(hi.x, 110.0f);
    EXPECT_EQ(hi.y, 120.0f);
}

TEST_F(C_Mgr_Calc_Sect, CenterForCutFallsBackToLength)
{
    // A line without property has no area: the length centroid.
    M_Fn_Line(M_Fn_Point(0, 0), M_Fn_Point(0, 10));
    float x = -1.0f, y = -1.0f;
    EXPECT_EQ(calc().M_Fn_Center_For_Cut_Get(x, y), 1);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 5.0f);
}

} // namespace
} // namespace N_Test_Sect_Calc
