// The plane aids and the previews of the section-group manager, against axes worked out by hand:
// the heading rules and the local axes they give, positions and normals along picked axes, and
// where insert and move place a section or refuse the pick.
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "common/Common_Exception.h"
#include "tests/proj/Test_Proj_Support_Sect.h"

#include <cmath>
#include <vector>

using namespace N_Test_Proj;
using N_Biz::N_Sect::C_Sect;
using N_Common::N_Exception::C_Exception;
using C_Mgr_D_Sect = N_Biz::N_Proj::C_Mgr_D_Sect;

namespace {

class C_Sect_Aid_Test : public C_Proj_Sect_Test {};

const float S = std::sqrt(0.5f);

// --- heading ---------------------------------------------------------------------------------------

struct C_Heading_Case {
    std::int32_t m_Option;
    C_Vector3f m_Dir;
    C_Vector3f m_Heading;
    std::uint32_t m_Flip;
    // The local axes of a plane built across m_Dir at the origin (local z is the flipped normal).
    C_Vector3f m_X, m_Y, m_Z;
};

class C_Heading_Test : public C_Sect_Aid_Test, public ::testing::WithParamInterface<C_Heading_Case> {};

TEST_P(C_Heading_Test, ChoosesHeadingFlipAndLocalAxes)
{
    const C_Heading_Case& c = GetParam();
    config().m_Local_CS = c.m_Option;
    C_Vector3f up(9, 9, 9), heading(9, 9, 9);
    std::uint32_t flip = 7;
    ASSERT_EQ(mgr().M_Fn_Proc_Aid_Calc_D_Plane_Heading(up, heading, c.m_Dir, flip), 1u);
    EXPECT_TRUE(G_Fn_Near(up, {0, 1, 0}));
    EXPECT_TRUE(G_Fn_Near(heading, c.m_Heading));
    EXPECT_EQ(flip, c.m_Flip);

    // Two positions along the axis: both planes carry the same frame.
    C_Mgr_D_Sect::T_List_Plane planes;
    C_Vector3f unit = c.m_Dir;
    unit.M_Fn_Normalize();
    ASSERT_EQ(mgr().M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List(planes, flip, up, heading, {{0, 0, 0}, unit * 10.0f}), 1u);
    ASSERT_EQ(planes.size(), 2u);
    const auto& m = planes.front()->m_Matrix;
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(m, 0), c.m_X));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(m, 1), c.m_Y));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(m, 2), c.m_Z));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(planes.back()->m_Matrix, 3), unit * 10.0f));
}

// Auto picks the global plane across the largest component (x before y before z on a tie); the
// named plane's axes become the section's local x and y whatever the sign of the axis.
INSTANTIATE_TEST_SUITE_P(
    Rules, C_Heading_Test,
    ::testing::Values(
        // Auto: (1, 1, 0) ties x and y, x wins: Local XY - Global YZ.
        C_Heading_Case{0, {1, 1, 0}, {0, 0, 1}, 0, {-S, S, 0}, {0, 0, 1}, {S, S, 0}},
        // Auto: (0, 1, 1) ties y and z, y wins: Local XY - Global XZ, flipped for y > 0.
        C_Heading_Case{0, {0, 1, 1}, {0, 0, 1}, 1, {1, 0, 0}, {0, -S, S}, {0, -S, -S}},
        // Auto: (1, 1, 1): x wins.
        C_Heading_Case{0, {1, 1, 1}, {0, 0, 1}, 0, {-S, S, 0}, {-0.408248f, -0.408248f, 0.816497f},
                       {0.57735f, 0.57735f, 0.57735f}},
        // Auto along -z: Local XY - Global XY, flipped: local axes X, Y, Z.
        C_Heading_Case{0, {0, 0, -5}, {0, 1, 0}, 1, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        // Local XY - Global XY along -z: flipped, so the normal is +z.
        C_Heading_Case{1, {0, 0, -1}, {0, 1, 0}, 1, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        C_Heading_Case{1, {0, 0, 1}, {0, 1, 0}, 0, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        // Local XY - Global XZ: local x = X, y = Z for either sign of y.
        C_Heading_Case{2, {0, 1, 0}, {0, 0, 1}, 1, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
        C_Heading_Case{2, {0, -1, 0}, {0, 0, 1}, 0, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
        // Local XY - Global YZ: local x = Y, y = Z for either sign of x.
        C_Heading_Case{3, {1, 0, 0}, {0, 0, 1}, 0, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
        C_Heading_Case{3, {-2, 0, 0}, {0, 0, 1}, 1, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}},
        // A zero component never flips (Global XZ with y = 0).
        C_Heading_Case{2, {1, 0, 0}, {0, 0, 1}, 0, {0, 1, 0}, {0, 0, 1}, {1, 0, 0}}));

TEST_F(C_Sect_Aid_Test, HeadingFollowsTheViewAndRefusesUnknownOptions)
{
    C_Vector3f up, heading;
    std::uint32_t flip = 1;
    config().m_Local_CS = 4;
    ASSERT_EQ(mgr().M_Fn_Proc_Aid_Calc_D_Plane_Heading(up, heading, {0, 0, -1}, flip), 1u);
    EXPECT_TRUE(G_Fn_Near(heading, m_Proj.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Get_Dir_View()));
    EXPECT_EQ(flip, 0u);
    for (std::int32_t bad : {-1, 5}) {
        config().m_Local_CS = bad;
        EXPECT_THROW(mgr().M_Fn_Proc_Aid_Calc_D_Plane_Heading(up, heading, {1, 0, 0}, flip), C_Exception);
    }
}

// A heading along the normal has no projection: the plane keeps the plain turn onto the normal and
// still sits at its position.
TEST_F(C_Sect_Aid_Test, HeadingAlongTheNormalLeavesThePlainTurn)
{
    config().m_Local_CS = 1;
    C_Mgr_D_Sect::T_List_Plane planes;
    ASSERT_EQ(mgr().M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List(planes, 0, {0, 1, 0}, {0, 1, 0}, {{1, 2, 3}, {1, 7, 3}}), 1u);
    const auto& m = planes.front()->m_Matrix;
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(m, 2), {0, 1, 0}));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(m, 3), {1, 2, 3}));
    // The turn from z to y about x: local x stays X, local y becomes -Z.
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(m, 0), {1, 0, 0}));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(m, 1), {0, 0, -1}));
}

// --- positions and planes along picks ----------------------------------------------------------------

TEST_F(C_Sect_Aid_Test, ThreePicksWithOneExtraGiveFivePositionsWithSegmentAndBisectorNormals)
{
    config().m_Extra_Sections = 1;
    M_Fn_Picks({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}});
    std::uint32_t flip = 9;
    C_Vector3f up, heading;
    C_Mgr_D_Sect::T_List_Pos positions;
    C_Mgr_D_Sect::T_List_Plane planes;
    ASSERT_EQ(mgr().M_Fn_Proc_Aid_Pre_Group_Create(flip, up, heading, positions, planes, 1), 1u);
    const std::vector<C_Vector3f> want_pos{{0, 0, 0}, {5, 0, 0}, {10, 0, 0}, {10, 5, 0}, {10, 10, 0}};
    const std::vector<C_Vector3f> want_normal{{1, 0, 0}, {1, 0, 0}, {S, S, 0}, {0, 1, 0}, {0, 1, 0}};
    ASSERT_EQ(positions.size(), 5u);
    ASSERT_EQ(planes.size(), 5u);
    auto it_pos = positions.begin();
    auto it_plane = planes.begin();
    for (std::size_t k = 0; k < 5; ++k, ++it_pos, ++it_plane) {
        EXPECT_TRUE(G_Fn_Near(*it_pos, want_pos[k])) << k;
        EXPECT_TRUE(G_Fn_Near(G_Fn_Column((*it_plane)->m_Matrix, 2), want_normal[k])) << k;
        EXPECT_TRUE(G_Fn_Near(G_Fn_Column((*it_plane)->m_Matrix, 3), want_pos[k])) << k;
    }
    // (10, 10, 0) overall ties x and y: Global YZ, no flip.
    EXPECT_EQ(flip, 0u);
    EXPECT_TRUE(G_Fn_Near(heading, {0, 0, 1}));
}

TEST_F(C_Sect_Aid_Test, FewerThanTwoPicksGiveNothing)
{
    std::uint32_t flip = 0;
    C_Vector3f up, heading;
    C_Mgr_D_Sect::T_List_Pos positions{{1, 1, 1}};
    C_Mgr_D_Sect::T_List_Plane planes{std::make_shared<N_Biz::N_Sect::C_D_Plane>()};
    M_Fn_Picks({{4, 5, 6}});
    EXPECT_EQ(mgr().M_Fn_Proc_Aid_Pre_Group_Create(flip, up, heading, positions, planes, 1), 0u);
    EXPECT_TRUE(positions.empty());
    EXPECT_TRUE(planes.empty());
    EXPECT_THROW(mgr().M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List(planes, 0, up, heading, {{1, 2, 3}}), C_Exception);
    EXPECT_TRUE(planes.empty());
}

TEST_F(C_Sect_Aid_Test, ARepeatedPickGivesAZeroSegmentAlongZ)
{
    C_Mgr_D_Sect::T_List_Plane planes;
    ASSERT_EQ(mgr().M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List(planes, 0, {0, 1, 0}, {0, 0, 1},
                                                              {{0, 0, 0}, {0, 0, 0}, {0, 3, 0}}),
              1u);
    std::vector<C_Vector3f> normals;
    for (const auto& sp : planes)
        normals.push_back(G_Fn_Column(sp->m_Matrix, 2));
    ASSERT_EQ(normals.size(), 3u);
    EXPECT_TRUE(G_Fn_Near(normals[0], {0, 0, 1}));
    EXPECT_TRUE(G_Fn_Near(normals[1], {0, S, S}));
    EXPECT_TRUE(G_Fn_Near(normals[2], {0, 1, 0}));
}

// Without models a cut is empty and centres on its plane's origin: re-centring keeps the picks.
TEST_F(C_Sect_Aid_Test, RecentringWithoutModelsKeepsThePicks)
{
    M_Fn_Picks({{0, 0, 0}, {0, 0, 8}});
    std::uint32_t flip = 0;
    C_Vector3f up, heading;
    C_Mgr_D_Sect::T_List_Pos positions;
    C_Mgr_D_Sect::T_List_Plane planes;
    ASSERT_EQ(mgr().M_Fn_Proc_Aid_Pre_Group_Create(flip, up, heading, positions, planes, 0), 1u);
    ASSERT_EQ(positions.size(), 2u);
    EXPECT_TRUE(G_Fn_Near(positions.back(), {0, 0, 8}));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(planes.back()->m_Matrix, 3), {0, 0, 8}));
}

// --- insert and move previews ----------------------------------------------------------------------

struct C_Place_Case {
    std::int32_t m_Insert_After; // which neighbour the selected section is
    std::uint32_t m_Selected;    // its slot
    std::int32_t m_Free;         // "Insert Mode"
    C_Vector3f m_Pick;
    std::uint32_t m_Result;
    C_Vector3f m_Pos;
    C_Vector3f m_Normal;
};

// Sections at x = 0 and x = 10 across the x axis.
class C_Insert_Test : public C_Sect_Aid_Test, public ::testing::WithParamInterface<C_Place_Case> {};

TEST_P(C_Insert_Test, PlacesOrRefusesThePick)
{
    const C_Place_Case& c = GetParam();
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}});
    config().m_Insert_After = c.m_Insert_After;
    config().m_Move_Free = c.m_Free;
    config().m_Cut_Models = 0;
    M_Fn_Select({M_Fn_Sect(g, c.m_Selected)});
    M_Fn_Pick_P0(c.m_Pick);
    C_Mgr_D_Sect::T_sp_Plane sp_plane;
    C_Vector3f pos, before, after;
    C_Sect *p_before = nullptr, *p_after = nullptr;
    N_Biz::N_Proj::C_D_Group_Sect* p_group = nullptr;
    ASSERT_EQ(mgr().M_Fn_Proc_Aid_Pre_Individual_Insert_Selected(sp_plane, pos, before, after, p_before, p_after,
                                                                 p_group, 1),
              c.m_Result);
    EXPECT_EQ(p_group, &M_Fn_Group(g));
    if (c.m_Result != 1) {
        EXPECT_FALSE(sp_plane);
        return;
    }
    EXPECT_TRUE(G_Fn_Near(pos, c.m_Pos));
    ASSERT_TRUE(sp_plane);
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(sp_plane->m_Matrix, 2), c.m_Normal));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(sp_plane->m_Matrix, 3), c.m_Pos));
}

INSTANTIATE_TEST_SUITE_P(
    AlongAndFree, C_Insert_Test,
    ::testing::Values(
        // After section 1, along the axis: projected onto it, strictly between the neighbours.
        C_Place_Case{1, 1, 0, {5, 3, -2}, 1, {5, 0, 0}, {1, 0, 0}},
        C_Place_Case{1, 1, 0, {0.01f, 4, 0}, 1, {0.01f, 0, 0}, {1, 0, 0}},
        C_Place_Case{1, 1, 0, {0, 4, 0}, 0, {}, {}},  // level with the section before
        C_Place_Case{1, 1, 0, {10, 0, 0}, 0, {}, {}}, // level with the section after
        C_Place_Case{1, 1, 0, {-3, 0, 0}, 0, {}, {}},
        // After the last section: only picks beyond it, onto its normal line.
        C_Place_Case{1, 2, 0, {15, 2, 1}, 1, {15, 0, 0}, {1, 0, 0}},
        C_Place_Case{1, 2, 0, {9, 0, 0}, 0, {}, {}},
        // Before the first section: only picks before it.
        C_Place_Case{0, 1, 0, {-4, 1, 1}, 1, {-4, 0, 0}, {1, 0, 0}},
        C_Place_Case{0, 1, 0, {0, 1, 1}, 0, {}, {}},
        // Before section 2 is between 1 and 2 again.
        C_Place_Case{0, 2, 0, {2, 5, 5}, 1, {2, 0, 0}, {1, 0, 0}},
        // No constraint: the pick stays; the normal bisects the directions to the neighbours.
        C_Place_Case{1, 1, 1, {5, 5, 0}, 1, {5, 5, 0}, {1, 0, 0}},
        C_Place_Case{1, 2, 1, {10, 4, 0}, 1, {10, 4, 0}, {0, 1, 0}},
        // A pick on a neighbour contributes (0, 0, 1).
        C_Place_Case{1, 2, 1, {10, 0, 0}, 1, {10, 0, 0}, {0, 0, 1}}));

// Along +y the planes are flipped (normal -y): the end beyond the last section still lies on along
// the axis, and the new section faces the way its neighbours face.
TEST_F(C_Sect_Aid_Test, InsertAfterTheLastSectionOfAFlippedGroupGoesOnAlongTheAxis)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {0, 10, 0}});
    ASSERT_EQ(M_Fn_Group(g).m_Flip, 1u);
    ASSERT_TRUE(G_Fn_Near(S_Fn_Normal(*M_Fn_Sect(g, 2)), {0, -1, 0}));
    config().m_Insert_After = 1;
    config().m_Cut_Models = 0;
    M_Fn_Select({M_Fn_Sect(g, 2)});
    C_Mgr_D_Sect::T_sp_Plane sp_plane;
    C_Vector3f pos, before, after;
    C_Sect *p_before = nullptr, *p_after = nullptr;
    N_Biz::N_Proj::C_D_Group_Sect* p_group = nullptr;
    M_Fn_Pick_P0({2, 14, 0});
    ASSERT_EQ(mgr().M_Fn_Proc_Aid_Pre_Individual_Insert_Selected(sp_plane, pos, before, after, p_before, p_after,
                                                                 p_group, 1),
              1u);
    EXPECT_TRUE(G_Fn_Near(pos, {0, 14, 0}));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(sp_plane->m_Matrix, 2), {0, -1, 0}));
    M_Fn_Pick_P0({0, 5, 0});
    EXPECT_EQ(mgr().M_Fn_Proc_Aid_Pre_Individual_Insert_Selected(sp_plane, pos, before, after, p_before, p_after,
                                                                 p_group, 1),
              0u);
}

TEST_F(C_Sect_Aid_Test, InsertNeedsOneSectionAndOnePickAndKnownOptions)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}});
    C_Mgr_D_Sect::T_sp_Plane sp_plane;
    C_Vector3f pos, before, after;
    C_Sect *p_before = nullptr, *p_after = nullptr;
    N_Biz::N_Proj::C_D_Group_Sect* p_group = nullptr;
    auto insert = [&](std::uint32_t i_Preview) {
        return mgr().M_Fn_Proc_Aid_Pre_Individual_Insert_Selected(sp_plane, pos, before, after, p_before, p_after,
                                                                  p_group, i_Preview);
    };
    config().m_Insert_After = 1;
    M_Fn_Pick_P0({5, 0, 0});
    EXPECT_EQ(insert(1), 0u); // nothing selected
    EXPECT_EQ(p_group, nullptr);
    M_Fn_Select({M_Fn_Sect(g, 1), M_Fn_Sect(g, 2)});
    EXPECT_EQ(insert(1), 0u); // two selected
    M_Fn_Select({M_Fn_Sect(g, 1)});
    M_Fn_Pick_P0({5, 0, 0});
    EXPECT_EQ(insert(1), 1u);
    // The command reads the selection set, the preview the current pick.
    EXPECT_EQ(insert(0), 0u);
    M_Fn_Picks({{5, 0, 0}, {6, 0, 0}});
    EXPECT_EQ(insert(0), 0u);
    M_Fn_Picks({{6, 0, 0}});
    config().m_Cut_Models = 0;
    EXPECT_EQ(insert(0), 1u);
    EXPECT_TRUE(G_Fn_Near(pos, {6, 0, 0}));

    config().m_Insert_After = 2;
    EXPECT_THROW(insert(0), C_Exception);
    config().m_Insert_After = 1;
    config().m_Move_Free = 2;
    EXPECT_THROW(insert(0), C_Exception);
}

TEST_F(C_Sect_Aid_Test, MoveSlidesBetweenNeighboursOrAlongItsOwnNormal)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}});
    config().m_Cut_Models = 0;
    C_Mgr_D_Sect::T_sp_Plane sp_plane;
    C_Vector3f pos, before, old, after;
    C_Sect *p_before = nullptr, *p_sect = nullptr, *p_after = nullptr;
    N_Biz::N_Proj::C_D_Group_Sect* p_group = nullptr;
    auto move = [&] {
        return mgr().M_Fn_Proc_Aid_Pre_Individual_Move_Selected(sp_plane, pos, before, old, after, p_before, p_sect,
                                                                p_after, p_group, 1);
    };
    M_Fn_Select({M_Fn_Sect(g, 2)});
    M_Fn_Pick_P0({15, 1, 1});
    ASSERT_EQ(move(), 1u);
    EXPECT_EQ(p_sect, M_Fn_Sect(g, 2));
    EXPECT_EQ(p_before, M_Fn_Sect(g, 1));
    EXPECT_EQ(p_after, M_Fn_Sect(g, 3));
    EXPECT_TRUE(G_Fn_Near(old, {10, 0, 0}));
    EXPECT_TRUE(G_Fn_Near(pos, {15, 0, 0}));
    for (C_Vector3f level : {C_Vector3f(20, 0, 0), C_Vector3f(0, 3, 0), C_Vector3f(25, 0, 0)}) {
        M_Fn_Pick_P0(level);
        EXPECT_EQ(move(), 0u);
    }
    // The last section moves anywhere beyond the section before it.
    M_Fn_Select({M_Fn_Sect(g, 3)});
    M_Fn_Pick_P0({25, 0, 0});
    ASSERT_EQ(move(), 1u);
    EXPECT_TRUE(G_Fn_Near(pos, {25, 0, 0}));
    M_Fn_Pick_P0({10, 0, 0});
    EXPECT_EQ(move(), 0u);

    // A section alone in its group slides along its own normal; without constraint it keeps it.
    const std::uint32_t g1 = M_Fn_Group_Along({{0, 0, 0}, {0, 5, 0}});
    N_Biz::N_Proj::C_Mgr_D_Sect::T_sp_Sect sp_removed;
    mgr().M_Fn_D_Individual_Remove_At(g1, 2, sp_removed); // outside the history: the store alone
    M_Fn_Select({M_Fn_Sect(g1, 1)});
    M_Fn_Pick_P0({3, -4, 2});
    ASSERT_EQ(move(), 1u);
    EXPECT_EQ(p_before, nullptr);
    EXPECT_EQ(p_after, nullptr);
    EXPECT_TRUE(G_Fn_Near(pos, {0, -4, 0}));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(sp_plane->m_Matrix, 2), S_Fn_Normal(*M_Fn_Sect(g1, 1))));
    config().m_Move_Free = 1;
    ASSERT_EQ(move(), 1u);
    EXPECT_TRUE(G_Fn_Near(pos, {3, -4, 2}));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(sp_plane->m_Matrix, 2), S_Fn_Normal(*M_Fn_Sect(g1, 1))));
    mgr().M_Fn_D_Individual_Add_At(g1, 2, sp_removed);
}

// A group of one section is redirected at its centroid along its present normal; only heading and
// flip are chosen again, and a flip turns the new plane's z against that normal.
TEST_F(C_Sect_Aid_Test, RedirectOfOneSectionKeepsItsNormalAndChoosesTheHeadingAgain)
{
    config().m_Local_CS = 2; // along -x in Global XZ: no flip, the normal is -x
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {-6, 0, 0}});
    N_Biz::N_Proj::C_Mgr_D_Sect::T_sp_Sect sp_removed;
    mgr().M_Fn_D_Individual_Remove_At(g, 2, sp_removed); // the store alone, outside the history
    C_Sect* p_sect = M_Fn_Sect(g, 1);
    ASSERT_TRUE(G_Fn_Near(S_Fn_Normal(*p_sect), {-1, 0, 0}));
    M_Fn_Select({p_sect});
    struct C_Case {
        std::int32_t m_Option;
        std::uint32_t m_Flip;
        C_Vector3f m_Z, m_Y;
    };
    // Global YZ (and Auto) flip for a negative x; Global XZ keeps the normal, local y along Z.
    for (const C_Case& c : {C_Case{3, 1, {1, 0, 0}, {0, 0, 1}}, C_Case{0, 1, {1, 0, 0}, {0, 0, 1}},
                            C_Case{2, 0, {-1, 0, 0}, {0, 0, 1}}}) {
        config().m_Local_CS = c.m_Option;
        std::uint32_t flip = 5;
        C_Vector3f up, heading;
        C_Mgr_D_Sect::T_List_Pos positions;
        C_Mgr_D_Sect::T_List_Plane planes;
        N_Biz::N_Proj::C_D_Group_Sect* p_group = nullptr;
        ASSERT_EQ(mgr().M_Fn_Proc_Aid_Pre_Group_Redirect_Selected(flip, up, heading, positions, planes, p_group, 1), 1u);
        EXPECT_EQ(p_group, &M_Fn_Group(g));
        ASSERT_EQ(planes.size(), 1u);
        EXPECT_EQ(flip, c.m_Flip) << c.m_Option;
        // The empty section's centroid is its origin.
        EXPECT_TRUE(G_Fn_Near(positions.front(), {0, 0, 0}));
        EXPECT_TRUE(G_Fn_Near(G_Fn_Column(planes.front()->m_Matrix, 2), c.m_Z)) << c.m_Option;
        EXPECT_TRUE(G_Fn_Near(G_Fn_Column(planes.front()->m_Matrix, 1), c.m_Y)) << c.m_Option;
    }
    mgr().M_Fn_D_Individual_Add_At(g, 2, sp_removed);
}

} // namespace
