// The arc entity: its sampling counts, its mesh, its binary form, its move check and its
// conversion to lines.
#include "tests/sect/Test_Sect_Mesh_Support.h"

#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Edit_Geom.h"
#include "common/Common_Exception.h"

#include <cmath>
#include <sstream>
#include <string>

using N_Biz::N_Sect::C_Context_Edit_Geom;
using N_Common::N_Exception::C_Exception;

namespace {

class C_Arc_Test : public N_Test_Sect_Mesh::C_Mesh_Test {
protected:
    // The quarter arc of radius 10 about the origin from (10, 0) to (0, 10), points 1 to 3.
    std::shared_ptr<N_Biz::N_Sect::C_D_Geom_E_Arc> M_Fn_Quarter(std::int32_t i_Direction = 0,
                                                                 const N_Biz::N_Sect::C_D_Geom_Entity::T_Key_C_P& ro_Key = {})
    {
        const std::int32_t s = M_Fn_Point(10, 0), t = M_Fn_Point(0, 10), c = M_Fn_Point(0, 0);
        auto sp = std::make_shared<N_Biz::N_Sect::C_D_Geom_E_Arc>(s, t, c, i_Direction);
        sp->m_Key_C_P = ro_Key;
        M_Fn_Entity(sp);
        return sp;
    }
    static std::string S_Fn_Bytes(const N_Biz::N_Sect::C_D_Geom_Entity& ro_Entity)
    {
        std::ostringstream out;
        EXPECT_EQ(ro_Entity.M_Fn_Stream_Serialize_O(out), E_Result_Success);
        return out.str();
    }
    static E_Result S_Fn_Read(N_Biz::N_Sect::C_D_Geom_Entity& ro_Entity, const std::string& i_Bytes)
    {
        std::istringstream in(i_Bytes);
        return ro_Entity.M_Fn_Stream_Serialize_I(in);
    }
};

using C_D_Geom_E_Arc = C_Arc_Test;

// Little-endian bytes of 32-bit words.
std::string G_Fn_Words(std::initializer_list<std::uint32_t> i_Words)
{
    std::string bytes;
    for (std::uint32_t w : i_Words)
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>((w >> (8 * i)) & 0xFF);
    return bytes;
}

} // namespace

TEST_F(C_D_Geom_E_Arc, DrawingSamplingOfTheQuarterArc)
{
    auto sp = M_Fn_Quarter();
    auto& evaluator = N_Biz::N_Sect::C_D_Geom_E_Arc::C_Arc::S_Fn_Get_Evaluator_Draw();
    EXPECT_EQ(sp->M_Fn_Eval(sect(), evaluator), 1);
    // Near 3, 6, ..., 87 degrees: 29 points on the start radius.
    ASSERT_EQ(evaluator.m_Points.size(), 29u);
    for (std::size_t k = 0; k < 29; ++k) {
        const double a = double(k + 1) * 0.0523599;
        EXPECT_NEAR(evaluator.m_Points[k].x, 10 * std::cos(a), 1e-4);
        EXPECT_NEAR(evaluator.m_Points[k].y, 10 * std::sin(a), 1e-4);
    }
    // Clockwise, the same points sweep three quarters: 3 pi / 2 over 3 degrees.
    sp->m_Direction = 1;
    sp->M_Fn_Eval(sect(), evaluator);
    EXPECT_EQ(evaluator.m_Points.size(), 89u);
    EXPECT_LT(evaluator.m_Points[0].y, 0.0f);
}

TEST_F(C_D_Geom_E_Arc, MeshOfThickness1GivesSevenInteriorNodesAndEightSegments)
{
    auto sp = M_Fn_Quarter(0, M_Fn_Property(1.0f));
    M_Fn_Rebuild();
    // Meshing thickness w = 1 x 2 x 1.015625; step 2 asin(w / 20) = 0.2034758 > 0.0531780.
    const auto segments = M_Fn_Segments();
    ASSERT_EQ(segments.size(), 8u);
    EXPECT_EQ(S_Fn_Count(nodes().M_Fn_Get_Store()), 9u);
    // The centre gets no node; the chain runs from the start point's node to the terminate's.
    EXPECT_EQ(points().M_Fn_Get_At(3).m_Id_Node, 0u);
    EXPECT_EQ(segments.front()->m_Ref_Nodes[0].m_Id_Node, points().M_Fn_Get_At(1).m_Id_Node);
    EXPECT_EQ(segments.back()->m_Ref_Nodes[1].m_Id_Node, points().M_Fn_Get_At(2).m_Id_Node);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        const auto& n = nodes().M_Fn_Get_At(segments[i]->m_Ref_Nodes[1].m_Id_Node);
        EXPECT_NEAR(std::hypot(n.m_X, n.m_Y), 10.0, 1e-4);
        if (i + 1 < segments.size()) {
            EXPECT_NEAR(std::atan2(n.m_Y, n.m_X), 0.2034758 * double(i + 1), 1e-5);
        }
        EXPECT_EQ(segments[i]->m_Flag, 0u);
    }
    ASSERT_EQ(S_Fn_Count(relations().M_Fn_Get_Store()), 1u);
    EXPECT_EQ(relations().M_Fn_Get_At(1)->m_Ids_Tess_E.size(), 8u);
    EXPECT_EQ(sp->m_Id_Relation, 1u);
}

TEST_F(C_D_Geom_E_Arc, MeshStepWithoutPropertyAndWithZeroSettings)
{
    M_Fn_Quarter();
    M_Fn_Rebuild();
    // Without a property the step is 3 degrees x 1.015625 = 0.0531780: 29 interior points (at
    // 29 steps, 1.54216 rad), 30 segments. Neighbours turn by the step, more than the 3-degree
    // merge angle, and stay apart, except the short last one (1.54216 to pi / 2), whose chord turns
    // by only (pi / 2 - 29 x step + step) / 2 = 0.0409 rad (2.3 degrees) against the one before.
    EXPECT_EQ(M_Fn_Segments().size(), 29u);
    // An angle setting of 0 does not make the arc throw: the step has a floor of half a degree.
    M_Fn_Config().m_Tess_Angle = 0;
    M_Fn_Config().m_Tess_Length_Over_Thk = 0;
    M_Fn_Rebuild();
    const std::size_t count = M_Fn_Segments().size();
    EXPECT_GE(count, 180u);
    EXPECT_LE(count, 181u);
}

TEST_F(C_D_Geom_E_Arc, StreamRoundTripIsByteExact)
{
    auto sp = M_Fn_Quarter(1);
    const std::string bytes = S_Fn_Bytes(*sp);
    // Flag byte, id, property (none), reference vector (3, 0, 3 and three records), direction.
    const std::string expected = std::string(1, '\0') +
                                 G_Fn_Words({1, 0xFFFFFF00u, 3, 0, 3, 0, 0, 1, 0, 0, 2, 0, 0, 3, 1});
    EXPECT_EQ(bytes, expected);
    N_Biz::N_Sect::C_D_Geom_E_Arc copy;
    ASSERT_EQ(S_Fn_Read(copy, bytes), E_Result_Success);
    EXPECT_EQ(copy.m_Direction, 1);
    EXPECT_EQ(S_Fn_Bytes(copy), bytes);
    // Two references instead of three are refused (truncated and damaged copies: the section's
    // stream tests).
    N_Biz::N_Sect::C_D_Geom_E_Arc two;
    EXPECT_NE(S_Fn_Read(two, std::string(1, '\0') + G_Fn_Words({1, 0xFFFFFF00u, 2, 0, 2, 0, 0, 1, 0, 0, 2, 0})),
              E_Result_Success);
}

TEST_F(C_D_Geom_E_Arc, MoveCheckVerdicts)
{
    auto sp = M_Fn_Quarter();
    std::int32_t verdict = 0;
    {
        // Only the centre moved: start and terminate move along.
        C_Context_Edit_Geom move(sect());
        move.m_Points[3] = {C_Context_Edit_Geom::E_State_P_Moved, 1, 2, 1, 2};
        EXPECT_EQ(sp->M_Fn_Move_Check(verdict, move), 1);
        EXPECT_EQ(verdict, 4);
        EXPECT_EQ(move.m_List_P_Process, (std::list<std::uint32_t>{1, 2}));
        EXPECT_EQ(move.m_Points[1].m_State, C_Context_Edit_Geom::E_State_P_Move);
        EXPECT_FLOAT_EQ(move.m_Points[1].m_X, 11.0f);
        EXPECT_FLOAT_EQ(move.m_Points[2].m_Y, 12.0f);
    }
    {
        // Start and terminate by different offsets, still on one circle: reshaped.
        C_Context_Edit_Geom move(sect());
        move.m_Points[1] = {C_Context_Edit_Geom::E_State_P_Moved, -2, 6, 8, 6};
        move.m_Points[2] = {C_Context_Edit_Geom::E_State_P_Moved, -6, -2, -6, 8};
        EXPECT_EQ(sp->M_Fn_Move_Check(verdict, move), 1);
        EXPECT_EQ(verdict, 2);
        // The terminate off the circle by more than 1 percent of the squared radius: denied.
        move.m_Points[2] = {C_Context_Edit_Geom::E_State_P_Moved, -6, 1, -6, 11};
        EXPECT_EQ(sp->M_Fn_Move_Check(verdict, move), 1);
        EXPECT_EQ(verdict, 3);
    }
    {
        // Nothing of the arc moved: an error of the caller.
        C_Context_Edit_Geom move(sect());
        EXPECT_THROW(sp->M_Fn_Move_Check(verdict, move), C_Exception);
    }
}

TEST_F(C_D_Geom_E_Arc, CurveToLineReplacesTheArc)
{
    const auto key = M_Fn_Property(1.0f);
    M_Fn_Quarter(0, key);
    entities().M_Fn_Get_At(1)->M_Fn_Curve_To_Line(sect(), nullptr);
    // Seven new points, eight lines with the arc's property; the arc and its centre are gone.
    EXPECT_EQ(entities().M_Fn_Count(), 8u);
    EXPECT_EQ(points().M_Fn_Count(), 9u);
    EXPECT_FALSE(points().M_Fn_Get_Store().is_used_at(3));
    for (std::uint32_t i = 2; i <= 9; ++i) {
        const auto& sp_e = entities().M_Fn_Get_At(i);
        EXPECT_EQ(sp_e->M_Fn_Type_Get(), 6);
        EXPECT_TRUE(sp_e->m_Key_C_P == key);
    }
    M_Fn_Rebuild();
    EXPECT_EQ(M_Fn_Segments().size(), 8u);
}

TEST_F(C_D_Geom_E_Arc, SwapWithAnotherKindChangesNothing)
{
    auto sp = M_Fn_Quarter(1, M_Fn_Property(1.0f));
    N_Biz::N_Sect::C_D_Geom_E_Line line;
    EXPECT_THROW(sp->M_Fn_Modifiable_Swap(line), C_Exception);
    EXPECT_FALSE(sp->m_Key_C_P.M_Fn_Is_Empty());
    EXPECT_TRUE(line.m_Key_C_P.M_Fn_Is_Empty());
    N_Biz::N_Sect::C_D_Geom_E_Arc other;
    sp->M_Fn_Modifiable_Swap(other);
    EXPECT_EQ(sp->m_Direction, 0);
    EXPECT_EQ(other.m_Direction, 1);
    EXPECT_TRUE(sp->m_Key_C_P.M_Fn_Is_Empty());
    EXPECT_EQ(sp->M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(0), 1u);
    EXPECT_THROW(sp->M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(2), C_Exception);
    EXPECT_FALSE(sp->M_Fn_Ref_Point_Is_Endpoint(2));
    EXPECT_THROW(sp->M_Fn_Ref_Point_Is_Endpoint(3), C_Exception);
}

TEST_F(C_D_Geom_E_Arc, DescriptionRows)
{
    auto sp = M_Fn_Quarter();
    N_Biz::N_Sect::C_Context_Desc_Output out;
    sp->M_Fn_Desc_Output(&sect(), L"", out);
    const std::vector<std::wstring> rows(out.m_Rows.begin(), out.m_Rows.end());
    const std::vector<std::wstring> expected = {
        L"Entity Type: Arc", L"Entity Id: 1", L"",
        L"Point of Start:", L"", L"  Point Id: 1", L"  Referred: 1", L"  X: 10", L"  Y: 0", L"",
        L"Point of Terminate:", L"", L"  Point Id: 2", L"  Referred: 1", L"  X: 0", L"  Y: 10", L"",
        L"Point of Center:", L"", L"  Point Id: 3", L"  Referred: 1", L"  X: 0", L"  Y: 0", L"",
        L"Property:", L""};
    EXPECT_EQ(rows, expected);
}
