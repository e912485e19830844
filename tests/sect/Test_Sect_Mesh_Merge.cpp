// The mesh rebuild and the merge pass that joins nearly collinear segments.
#include "tests/sect/Test_Sect_Mesh_Support.h"

#include "common/Common_Exception.h"

#include <cmath>
#include <numbers>

using N_Common::N_Exception::C_Exception;

namespace {

constexpr double S_Deg = std::numbers::pi / 180.0;

class C_Mesh_Merge_Test : public N_Test_Sect_Mesh::C_Mesh_Test {
protected:
    // Lines through the given points in order, each with property ro_Key; the point ids.
    std::vector<std::int32_t> M_Fn_Chain(const std::vector<std::pair<double, double>>& ro_Points,
                                         const N_Biz::N_Sect::C_D_Tess_Element::T_Key_C_P& ro_Key)
    {
        std::vector<std::int32_t> ids;
        for (const auto& [x, y] : ro_Points)
            ids.push_back(M_Fn_Point(float(x), float(y)));
        for (std::size_t i = 1; i < ids.size(); ++i)
            M_Fn_Line(ids[i - 1], ids[i], ro_Key);
        return ids;
    }
    // Two lines of length 10 turning by i_Deg degrees at (10, 0).
    void M_Fn_Bend(double i_Deg)
    {
        M_Fn_Chain({{0, 0}, {10, 0}, {10 + 10 * std::cos(i_Deg * S_Deg), 10 * std::sin(i_Deg * S_Deg)}},
                   M_Fn_Property(1.0f));
    }
};

using C_Mgr_D_Tess_E = C_Mesh_Merge_Test;
using C_Mgr_D_Geom_E = C_Mesh_Merge_Test;

} // namespace

TEST_F(C_Mgr_D_Tess_E, MergeJoinsTwoDegreeBend)
{
    M_Fn_Bend(2.0);
    M_Fn_Rebuild();
    auto segments = M_Fn_Segments();
    ASSERT_EQ(segments.size(), 1u);
    // The joined segment runs between the outer nodes; the middle node is gone.
    EXPECT_EQ(S_Fn_Count(nodes().M_Fn_Get_Store()), 2u);
    EXPECT_EQ(points().M_Fn_Get_At(2).m_Id_Node, 0u);
    const double chord = std::hypot(10 + 10 * std::cos(2 * S_Deg), 10 * std::sin(2 * S_Deg));
    EXPECT_NEAR(segments[0]->m_Length, chord, 1e-4);
    // The cross-section area is kept: 2 x 10 x 1 over the new length.
    EXPECT_NEAR(segments[0]->m_Thk, 20.0 / chord, 1e-5);
    EXPECT_EQ(segments[0]->m_Flag & 0x24u, 0x20u);
    // One relation record lists both lines and the new segment, and each carries its id.
    ASSERT_EQ(S_Fn_Count(relations().M_Fn_Get_Store()), 1u);
    const auto& sp_rel = relations().M_Fn_Get_At(segments[0]->m_Id_Relation);
    EXPECT_EQ(sp_rel->m_Ids_Geom_E, (std::vector<std::uint32_t>{1, 2}));
    EXPECT_EQ(sp_rel->m_Ids_Tess_E, (std::vector<std::uint32_t>{segments[0]->m_Id}));
    EXPECT_EQ(entities().M_Fn_Get_At(1)->m_Id_Relation, sp_rel->m_Id);
    EXPECT_EQ(entities().M_Fn_Get_At(2)->m_Id_Relation, sp_rel->m_Id);
    // Removing one of the lines takes the shared mesh with it.
    std::shared_ptr<N_Biz::N_Sect::C_D_Geom_Entity> sp_out;
    entities().M_Fn_D_Remove_At(2, sp_out);
    EXPECT_EQ(S_Fn_Count(elements().M_Fn_Get_Store()), 0u);
    EXPECT_EQ(entities().M_Fn_Get_At(1)->m_Id_Relation, 0u);
}

TEST_F(C_Mgr_D_Tess_E, MergeKeepsFourDegreeBend)
{
    M_Fn_Bend(4.0);
    M_Fn_Rebuild();
    EXPECT_EQ(M_Fn_Segments().size(), 2u);
    EXPECT_EQ(S_Fn_Count(nodes().M_Fn_Get_Store()), 3u);
    EXPECT_EQ(S_Fn_Count(relations().M_Fn_Get_Store()), 2u);
    // Turned the other way, too.
    M_Fn_Config().m_Tess_Angle = float(5 * S_Deg);
    M_Fn_Rebuild();
    EXPECT_EQ(M_Fn_Segments().size(), 1u);
}

TEST_F(C_Mgr_D_Tess_E, CollinearRunBecomesOneSegmentWhateverTheNumbering)
{
    // Five collinear lines whose points (and so the middle nodes) are numbered in a shuffled
    // order, the lines drawn in alternating directions.
    const auto key = M_Fn_Property(1.0f);
    const double xs[6] = {0, 1, 2, 3, 4, 5};
    const int order[6] = {3, 0, 5, 1, 4, 2};
    std::int32_t ids[6];
    for (int i : order)
        ids[i] = M_Fn_Point(float(xs[i]), 0);
    for (int i = 0; i < 5; ++i)
        M_Fn_Line(i % 2 ? ids[i + 1] : ids[i], i % 2 ? ids[i] : ids[i + 1], key);
    M_Fn_Rebuild();
    auto segments = M_Fn_Segments();
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_FLOAT_EQ(segments[0]->m_Length, 5.0f);
    EXPECT_FLOAT_EQ(segments[0]->m_Area, 5.0f);
    EXPECT_EQ(relations().M_Fn_Get_At(segments[0]->m_Id_Relation)->m_Ids_Geom_E,
              (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    // A rebuild starts over from the entities and ends the same way.
    M_Fn_Rebuild();
    ASSERT_EQ(M_Fn_Segments().size(), 1u);
    EXPECT_EQ(S_Fn_Count(nodes().M_Fn_Get_Store()), 2u);
}

TEST_F(C_Mgr_D_Tess_E, DifferentThicknessMergesToLengthWeightedMean)
{
    const std::int32_t a = M_Fn_Point(0, 0), b = M_Fn_Point(2, 0), c = M_Fn_Point(8, 0);
    M_Fn_Line(a, b, M_Fn_Property(1.0f));
    M_Fn_Line(b, c, M_Fn_Property(3.0f));
    M_Fn_Rebuild();
    auto segments = M_Fn_Segments();
    ASSERT_EQ(segments.size(), 1u);
    // (2 x 1 + 6 x 3) / 8.
    EXPECT_FLOAT_EQ(segments[0]->m_Thk, 2.5f);
    // Another material keeps them apart.
    const std::int32_t d = M_Fn_Point(0, 5), e = M_Fn_Point(1, 5), f = M_Fn_Point(2, 5);
    M_Fn_Line(d, e, M_Fn_Property(1.0f, 0.3f));
    M_Fn_Line(e, f, M_Fn_Property(1.0f, 0.25f));
    M_Fn_Rebuild();
    EXPECT_EQ(M_Fn_Segments().size(), 3u);
}

TEST_F(C_Mgr_D_Tess_E, WeldsAndClosedPairsStayApart)
{
    const auto key = M_Fn_Property(1.0f);
    // A weld meeting two collinear normal lines: three segment ends at the node.
    const auto ids = M_Fn_Chain({{0, 0}, {1, 0}, {2, 0}}, key);
    const std::int32_t w = M_Fn_Point(1, 1);
    auto sp_weld = std::make_shared<N_Biz::N_Sect::C_D_Geom_E_Line>(ids[1], w);
    sp_weld->M_Fn_Weld_Set(true);
    M_Fn_Entity(sp_weld);
    // A normal line and a weld in line: only one non-weld segment at the node.
    const auto ids_2 = M_Fn_Chain({{0, 3}, {1, 3}}, key);
    const std::int32_t w_2 = M_Fn_Point(2, 3);
    auto sp_weld_2 = std::make_shared<N_Biz::N_Sect::C_D_Geom_E_Line>(ids_2[1], w_2);
    sp_weld_2->M_Fn_Weld_Set(true);
    M_Fn_Entity(sp_weld_2);
    // Two lines between the same two points: their far nodes agree.
    const std::int32_t p = M_Fn_Point(0, 6), q = M_Fn_Point(1, 6);
    M_Fn_Line(p, q, key);
    M_Fn_Line(q, p, key);
    M_Fn_Rebuild();
    EXPECT_EQ(M_Fn_Segments().size(), 7u);
    EXPECT_EQ(nodes().M_Fn_Get_At(points().M_Fn_Get_At(ids[1]).m_Id_Node).m_Count_Endpoint, 3u);
}

TEST_F(C_Mgr_D_Tess_E, OneDegreeChainPiecesStayWithinTheMergeAngle)
{
    // Twelve lines of length 1 turning by 1 degree at every joint; the default angle is 3 degrees.
    std::vector<std::pair<double, double>> pts{{0, 0}};
    for (int i = 0; i < 12; ++i)
        pts.emplace_back(pts.back().first + std::cos(i * S_Deg), pts.back().second + std::sin(i * S_Deg));
    M_Fn_Chain(pts, M_Fn_Property(1.0f));
    M_Fn_Rebuild();
    const auto segments = M_Fn_Segments();
    EXPECT_GT(segments.size(), 1u);
    EXPECT_LT(segments.size(), 12u);
    const float cos_t = std::cos(M_Fn_Config().m_Tess_Angle);
    for (const auto* p_seg : segments)
        EXPECT_GE(p_seg->m_Dir_Bound_A.M_Fn_Dot(p_seg->m_Dir_Bound_B), cos_t - 1e-6f);
    // With an angle setting of 0 only exactly collinear segments join: none here.
    M_Fn_Config().m_Tess_Angle = 0;
    M_Fn_Rebuild();
    EXPECT_EQ(M_Fn_Segments().size(), 12u);
}

TEST_F(C_Mgr_D_Geom_E, RebuildOfAnEmptySectionLeavesEmptyStores)
{
    M_Fn_Rebuild();
    EXPECT_EQ(nodes().M_Fn_Get_Store().size() + elements().M_Fn_Get_Store().size() + relations().M_Fn_Get_Store().size(), 3u);
    // An entity still carrying a relation is an error of the rebuild.
    const std::int32_t a = M_Fn_Point(0, 0), b = M_Fn_Point(1, 0);
    const std::uint32_t e = M_Fn_Line(a, b);
    entities().M_Fn_Get_At(e)->m_Id_Relation = 5;
    EXPECT_THROW(entities().M_Fn_Proc_Cmd_Sub_Relation_Rebuild(), C_Exception);
}

TEST_F(C_Mgr_D_Tess_E, PalettePickNeedsExactlyOneSelectedElement)
{
    const auto key_a = M_Fn_Property(1.0f);
    const auto key_b = M_Fn_Property(2.0f);
    M_Fn_Chain({{0, 0}, {1, 0}}, key_a);
    M_Fn_Chain({{0, 1}, {0, 2}}, key_b);
    M_Fn_Rebuild();
    EXPECT_EQ(elements().M_Fn_Proc_Cmd_P_Palette_Sel(), 0);
    auto segments = M_Fn_Segments();
    auto* p_b = const_cast<N_Biz::N_Sect::C_D_Tess_E_Segment*>(segments[1]);
    elements().M_Fn_Sel_P0_Add(p_b);
    elements().M_Fn_Sel_P1_Update_Yes();
    EXPECT_EQ(elements().M_Fn_Proc_Cmd_P_Palette_Sel(), 1);
    EXPECT_EQ(m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Get(),
              static_cast<std::uint32_t>(key_b.M_Fn_Get_o_T_Pos_Any()));
    elements().M_Fn_Sel_P0_Add(const_cast<N_Biz::N_Sect::C_D_Tess_E_Segment*>(segments[0]));
    elements().M_Fn_Sel_P1_Update_Or();
    EXPECT_EQ(elements().M_Fn_Proc_Cmd_P_Palette_Sel(), 0);
}
