// The mesh records: node chains, segment setup, descriptions, and the three stores' contracts.
#include "tests/sect/Test_Sect_Mesh_Support.h"

#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "common/Common_Exception.h"

#include <list>
#include <string>

using N_Biz::N_Sect::C_Context_Desc_Output;
using N_Biz::N_Sect::C_D_Geom;
using N_Biz::N_Sect::C_Link_Tess_E;
using N_Biz::N_Sect::C_Mgr_D_Tess_E;
using N_Common::N_Exception::C_Exception;

namespace {

class C_Tess_Test : public N_Test_Sect_Mesh::C_Mesh_Test {
protected:
    // A node at (x, y) stored at the next free index; its id.
    std::uint32_t M_Fn_Node(float i_X, float i_Y)
    {
        return C_D_Geom::M_Fn_Relation_Tess_Build_Node(i_X, i_Y, sect(), 0);
    }
    // A segment between two stored nodes, stored at i_Index (0: the next free index); its pointer.
    ::N_Biz::N_Sect::C_D_Tess_E_Segment* M_Fn_Segment(std::uint32_t i_A, std::uint32_t i_B, std::uint32_t i_Index = 0)
    {
        auto sp = std::make_shared<::N_Biz::N_Sect::C_D_Tess_E_Segment>();
        sp->M_Fn_Set(&sect(), false, true, {}, 0.25f, 0.25f, 0.25f, 0.25f, 1.0f, i_A, i_B);
        ::N_Biz::N_Sect::C_D_Tess_E_Segment* p = sp.get();
        C_Mgr_D_Tess_E::T_sp_Element sp_e = sp;
        elements().M_Fn_D_Add_At(i_Index ? i_Index : elements().M_Fn_Next_Index(), sp_e);
        return p;
    }
    // The chain of a node as (element id, position) pairs in chain order.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> M_Fn_Chain(std::uint32_t i_Node)
    {
        std::vector<std::pair<std::uint32_t, std::uint32_t>> chain;
        const auto& node = nodes().M_Fn_Get_At(i_Node);
        for (C_Link_Tess_E link = node.m_Head; link.m_p_Element; link = node.M_Fn_Ref_Element_Get_Next(link)->m_Next)
            chain.emplace_back(link.m_p_Element->m_Id, link.m_Pos);
        return chain;
    }
};

using C_D_Tess_Node = C_Tess_Test;
using C_D_Tess_E_Segment = C_Tess_Test;
using C_Mgr_D_Tess_N = C_Tess_Test;
using C_Mgr_D_Relation_Geom_E_Tess_E = C_Tess_Test;

} // namespace

TEST_F(C_D_Tess_Node, ChainKeepsDescendingElementIdAndPosition)
{
    const std::uint32_t n = M_Fn_Node(0, 0), a = M_Fn_Node(1, 0), b = M_Fn_Node(-1, 0), c = M_Fn_Node(0, 1);
    M_Fn_Segment(n, a, 7); // n at position 0
    M_Fn_Segment(b, n, 3); // n at position 1
    EXPECT_EQ(M_Fn_Chain(n), (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{7, 0}, {3, 1}}));
    M_Fn_Segment(c, n, 5);
    EXPECT_EQ(M_Fn_Chain(n), (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{7, 0}, {5, 1}, {3, 1}}));
    const auto& node = nodes().M_Fn_Get_At(n);
    EXPECT_EQ(node.m_Count_Ref, 3u);
    EXPECT_EQ(node.m_Count_Endpoint, 3u);
    // Removing the middle one relinks the chain around it.
    elements().M_Fn_D_Erase_At(5);
    EXPECT_EQ(M_Fn_Chain(n), (std::vector<std::pair<std::uint32_t, std::uint32_t>>{{7, 0}, {3, 1}}));
    EXPECT_EQ(node.m_Count_Ref, 2u);
}

TEST_F(C_D_Tess_E_Segment, SetupFromNodesAndProperty)
{
    const auto key = M_Fn_Property(2.0f);
    const std::uint32_t a = C_D_Geom::M_Fn_Relation_Tess_Build_Node(1, 1, sect(), 0);
    const std::uint32_t b = C_D_Geom::M_Fn_Relation_Tess_Build_Node(4, 5, sect(), 0);
    ::N_Biz::N_Sect::C_D_Tess_E_Segment s;
    // Weights 0.1, 0.2, 0.3, 0.4 of four thicknesses 2: thickness 2; length 5.
    s.M_Fn_Set(&sect(), false, false, key, 0.1f, 0.2f, 0.3f, 0.4f, 99.0f, a, b);
    EXPECT_EQ(s.m_Flag, 0u);
    const float values[] = {s.m_Mid.x, s.m_Mid.y, s.m_Dir_Unit.x, s.m_Dir_Unit.y, s.m_Length, s.m_Thk, s.m_Thk_Over_Length,
                            s.m_Area, s.m_Ratio_Poisson, s.m_Modulus_E, s.m_Limit_Stress_Y, s.m_Limit_Stress_U};
    const float expected[] = {2.5f, 3, 0.6f, 0.8f, 5, 2, 0.4f, 10, 0.3f, 210000, 210, 262.5f};
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_FLOAT_EQ(values[i], expected[i]) << i;
    EXPECT_EQ(s.m_Dir_Bound_A, s.m_Dir_Unit);
    EXPECT_EQ(s.m_Dir_Bound_B, s.m_Dir_Unit);
}

TEST_F(C_D_Tess_E_Segment, InvalidValuesAreFlaggedNeverThrown)
{
    const std::uint32_t a = C_D_Geom::M_Fn_Relation_Tess_Build_Node(0, 0, sect(), 0);
    const std::uint32_t b = C_D_Geom::M_Fn_Relation_Tess_Build_Node(0, 0, sect(), 0);
    const std::uint32_t c = C_D_Geom::M_Fn_Relation_Tess_Build_Node(1, 0, sect(), 0);
    // Same position: length 0, direction (0, 1), invalid.
    ::N_Biz::N_Sect::C_D_Tess_E_Segment s0;
    s0.M_Fn_Set(&sect(), true, true, {}, 0, 0, 0, 0, 1.0f, a, b);
    EXPECT_EQ(s0.m_Dir_Unit, (N_Common::N_Math::C_Vector2<float>(0, 1)));
    EXPECT_EQ(s0.m_Flag & 0x04u, 0x04u);
    // A weld keeps its thickness, has no area and no material values and is not flagged for them.
    ::N_Biz::N_Sect::C_D_Tess_E_Segment weld;
    weld.M_Fn_Set(&sect(), true, false, {}, 0, 0, 0, 0, 3.0f, a, c);
    EXPECT_EQ(weld.m_Flag, 0x10u);
    EXPECT_FLOAT_EQ(weld.m_Thk, 3.0f);
    EXPECT_EQ(weld.m_Area, 0.0f);
    // No property: invalid. The thickness threshold is strict: exactly 1e-6 passes.
    ::N_Biz::N_Sect::C_D_Tess_E_Segment none;
    none.M_Fn_Set(&sect(), false, true, {}, 0, 0, 0, 0, 1.0f, a, c);
    EXPECT_EQ(none.m_Flag, 0x24u);
    const auto key = M_Fn_Property(1.0f);
    ::N_Biz::N_Sect::C_D_Tess_E_Segment exact;
    exact.M_Fn_Set(&sect(), false, true, key, 0, 0, 0, 0, 1e-6f, a, c);
    EXPECT_EQ(exact.m_Flag, 0x20u);
    ::N_Biz::N_Sect::C_D_Tess_E_Segment below;
    below.M_Fn_Set(&sect(), false, true, key, 0, 0, 0, 0, 0.99e-6f, a, c);
    EXPECT_EQ(below.m_Flag, 0x24u);
    // A material value of 0 is flagged.
    const auto key_bad = M_Fn_Property(1.0f, 0.0f);
    ::N_Biz::N_Sect::C_D_Tess_E_Segment bad;
    bad.M_Fn_Set(&sect(), false, false, key_bad, 0.25f, 0.25f, 0.25f, 0.25f, 0, a, c);
    EXPECT_EQ(bad.m_Flag, 0x04u);
    EXPECT_FLOAT_EQ(bad.m_Thk, 1.0f);
    // A node id that names no node throws and changes nothing.
    ::N_Biz::N_Sect::C_D_Tess_E_Segment lost;
    EXPECT_THROW(lost.M_Fn_Set(&sect(), false, true, key, 0, 0, 0, 0, 1.0f, a, 99), C_Exception);
    EXPECT_EQ(lost.m_Ref_Nodes[0].m_Id_Node, 0u);
}

TEST_F(C_D_Tess_E_Segment, DescriptionRows)
{
    const std::uint32_t a = M_Fn_Node(0, 0), b = M_Fn_Node(3, 4);
    auto* p = M_Fn_Segment(a, b);
    p->m_Flag |= 0x10;
    C_Context_Desc_Output out;
    p->M_Fn_Desc_Output(&sect(), L"> ", out);
    const std::vector<std::wstring> rows(out.m_Rows.begin(), out.m_Rows.end());
    // Header 2, two nodes of 3 + 5 rows each, loop part 3, eight values, Dep/L 2, statistics 10,
    // closing part 2.
    ASSERT_EQ(rows.size(), 43u);
    EXPECT_EQ(out.m_Count, 43u);
    const std::vector<std::wstring> head = {L"> Element Type: Segment", L"> Element Id: 1", L"", L"> Node Start:", L"",
                                            L">   Node Id: 1", L">   Referred: 1", L">   X: 0", L">   Y: 0",
                                            L">   Stress: 0", L"", L"> Node Terminate:", L"", L">   Node Id: 2"};
    EXPECT_EQ(std::vector<std::wstring>(rows.begin(), rows.begin() + 14), head);
    // Loop part, values (no property: setup stops before the ratio), statistics, closing part.
    const std::vector<std::pair<std::size_t, std::wstring>> picked = {
        {19, L"> In Branch"}, {21, L"> Length: 5"}, {22, L"> Thk: 1"}, {23, L"> Thk/L: 0"}, {28, L"> Mat. Strs.U: 0"},
        {29, L"> Dep/L-0: 0"}, {31, L"> Strs.Max-0: 0"}, {40, L"> Strs.Min-1: 0"}, {42, L"> Weld"}};
    for (const auto& [row, text] : picked)
        EXPECT_EQ(rows[row], text) << row;
}

TEST_F(C_Mgr_D_Tess_N, StoreRefusalsLeaveEverythingAsItWas)
{
    const std::int32_t p = M_Fn_Point(2, 3);
    auto sp = std::make_shared<::N_Biz::N_Sect::C_D_Tess_Node>();
    sp->m_Id_Point = 77; // names no point
    EXPECT_THROW(nodes().M_Fn_D_Add_At(1, sp), C_Exception);
    EXPECT_TRUE(sp);
    EXPECT_EQ(S_Fn_Count(nodes().M_Fn_Get_Store()), 0u);
    sp->m_Id_Point = static_cast<std::uint32_t>(p);
    nodes().M_Fn_D_Add_At(1, sp);
    EXPECT_FALSE(sp);
    EXPECT_EQ(points().M_Fn_Get_At(static_cast<std::uint32_t>(p)).m_Id_Node, 1u);
    // A node in use cannot go; a free one takes its point's node id back.
    const std::uint32_t b = M_Fn_Node(5, 5);
    M_Fn_Segment(1, b);
    std::shared_ptr<::N_Biz::N_Sect::C_D_Tess_Node> out;
    EXPECT_THROW(nodes().M_Fn_D_Remove_At(1, out), C_Exception);
    elements().M_Fn_D_Erase_At(1);
    nodes().M_Fn_D_Remove_At(1, out);
    ASSERT_TRUE(out);
    EXPECT_EQ(out->m_Id, 0u);
    EXPECT_EQ(points().M_Fn_Get_At(static_cast<std::uint32_t>(p)).m_Id_Node, 0u);
}

TEST_F(C_Mgr_D_Relation_Geom_E_Tess_E, BackReferencesFollowTheRecord)
{
    const std::uint32_t e = M_Fn_Line(M_Fn_Point(0, 0), M_Fn_Point(1, 0));
    M_Fn_Segment(M_Fn_Node(0, 0), M_Fn_Node(1, 0));
    auto sp = std::make_shared<::N_Biz::N_Sect::C_D_Relation_Geom_E_Tess_E>();
    sp->m_Ids_Geom_E = {e};
    sp->m_Ids_Tess_E = {1, 9}; // element 9 does not exist: refused before any back-reference is set
    ::N_Biz::N_Sect::C_Mgr_D_Relation_Geom_E_Tess_E::T_sp_Relation sp_r = sp;
    EXPECT_THROW(relations().M_Fn_D_Add_At(1, sp_r), C_Exception);
    EXPECT_EQ(entities().M_Fn_Get_At(e)->m_Id_Relation, 0u);
    sp->m_Ids_Tess_E = {1};
    relations().M_Fn_D_Add_At(1, sp_r);
    EXPECT_EQ(entities().M_Fn_Get_At(e)->m_Id_Relation * 10 + elements().M_Fn_Get_At(1)->m_Id_Relation, 11u);
    relations().M_Fn_D_Erase_At(1);
    EXPECT_EQ(entities().M_Fn_Get_At(e)->m_Id_Relation + elements().M_Fn_Get_At(1)->m_Id_Relation, 0u);
}
