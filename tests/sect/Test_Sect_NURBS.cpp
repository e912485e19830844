// The rational B-spline curve entity: mesh on the exact rational curve, no zero-length end segment,
// weld segments, and its binary form against damaged input.
#include "tests/sect/Test_Sect_Mesh_Support.h"

#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "common/Common_Exception.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>
#include <string>

using N_Common::N_Exception::C_Exception;

namespace {

using C_Entity_NURBS = N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS;

class C_NURBS_Test : public N_Test_Sect_Mesh::C_Mesh_Test {
protected:
    // A curve entity through new points at the control positions (first and last control points
    // also serve as start and terminate points), with the weights, knots and order given.
    std::shared_ptr<C_Entity_NURBS> M_Fn_Curve(const std::vector<std::array<float, 3>>& ro_Ctrls,
                                               const std::vector<float>& ro_Knots, std::int32_t i_Order)
    {
        auto sp = std::make_shared<C_Entity_NURBS>();
        std::vector<std::int32_t> ids;
        for (const auto& c : ro_Ctrls)
            ids.push_back(M_Fn_Point(c[0], c[1]));
        sp->m_Ref_Points.resize(ids.size() + 2);
        sp->m_Ref_Points[0].m_Id_Point = ids.front();
        sp->m_Ref_Points[1].m_Id_Point = ids.back();
        for (std::size_t i = 0; i < ids.size(); ++i)
            sp->m_Ref_Points[i + 2].m_Id_Point = ids[i];
        auto& curve = sp->m_Curve;
        curve.m_Order = i_Order;
        curve.m_Count_Ctrl = std::int32_t(ro_Ctrls.size());
        curve.m_Count_Knot = std::int32_t(ro_Knots.size());
        curve.m_Knots = ro_Knots;
        for (const auto& c : ro_Ctrls)
            curve.m_Ctrls.push_back({c[0], c[1], 0, c[2]});
        return sp;
    }
    // The quarter circle of radius 10 as a rational quadratic (weights 1, sqrt(2)/2, 1).
    std::shared_ptr<C_Entity_NURBS> M_Fn_Quarter(float i_Knot_End)
    {
        return M_Fn_Curve({{10, 0, 1}, {10, 10, std::sqrt(2.0f) / 2}, {0, 10, 1}},
                          {0, 0, 0, i_Knot_End, i_Knot_End, i_Knot_End}, 3);
    }
    // An open cubic from (0, 0) to (9, 0).
    std::shared_ptr<C_Entity_NURBS> M_Fn_Open()
    {
        return M_Fn_Curve({{0, 0, 1}, {3, 5, 1}, {6, -5, 1}, {9, 0, 1}}, {0, 0, 0, 0, 3, 3, 3, 3}, 4);
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
    // The chain of segments in chain order must run from the start point's node to the terminate
    // point's, each at least i_Min long (the last one, ending on the terminate point, at least
    // i_Min_Last when given).
    void M_Fn_Check_Chain(const C_Entity_NURBS& ro_Curve, float i_Min, float i_Min_Last = -1)
    {
        const auto segments = M_Fn_Segments();
        ASSERT_FALSE(segments.empty());
        std::uint32_t node = points().M_Fn_Get_At(std::uint32_t(ro_Curve.m_Ref_Points[0].m_Id_Point)).m_Id_Node;
        for (const auto* p_seg : segments) {
            EXPECT_EQ(p_seg->m_Ref_Nodes[0].m_Id_Node, node);
            EXPECT_GE(p_seg->m_Length, (p_seg == segments.back() && i_Min_Last >= 0) ? i_Min_Last : i_Min);
            EXPECT_EQ(p_seg->m_Flag & 0x04u, 0u);
            node = p_seg->m_Ref_Nodes[1].m_Id_Node;
        }
        EXPECT_EQ(node, points().M_Fn_Get_At(std::uint32_t(ro_Curve.m_Ref_Points[1].m_Id_Point)).m_Id_Node);
    }
};

using C_D_Geom_E_Curve_NURBS = C_NURBS_Test;

// Little-endian bytes of 32-bit words and floats.
std::string G_Fn_Word(std::uint32_t i_Word)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((i_Word >> (8 * i)) & 0xFF);
    return bytes;
}
std::string G_Fn_Float(float i_Value)
{
    std::uint32_t w = 0;
    std::memcpy(&w, &i_Value, 4);
    return G_Fn_Word(w);
}

} // namespace

TEST_F(C_D_Geom_E_Curve_NURBS, RationalQuarterCircleMeshesOntoTheCircle)
{
    auto sp = M_Fn_Quarter(20);
    M_Fn_Entity(sp);
    // A thin wall gives a short sampling distance: 0.01 x 2 x 1.015625.
    const auto key = M_Fn_Property(0.01f);
    sp->m_Key_C_P = key;
    // Without merging (angle 0) the sampling follows the wall, not the knot range of 20: segments
    // at least the sampling distance 0.0203125 long. The curve would take more than 256 of them,
    // so the samples stand at the floor's spacing, the control polygon 20 over 1024 along it
    // (0.0153 on the arc): 15.708 / (0.0203 + 0.0153) = 441 segments at least, 773 at most.
    // Every node lies on the circle.
    M_Fn_Config().m_Tess_Angle = 0;
    M_Fn_Rebuild();
    EXPECT_GE(M_Fn_Segments().size(), 441u);
    EXPECT_LE(M_Fn_Segments().size(), 774u);
    const auto& store = nodes().M_Fn_Get_Store();
    for (std::uint32_t i = 1; i < store.size(); ++i)
        if (store.is_used_at(i)) {
            EXPECT_NEAR(std::hypot(store.at(i).m_X, store.at(i).m_Y), 10.0, 1e-4) << i;
        }
    M_Fn_Check_Chain(*sp, 0.0203f, 1e-4f);
}

TEST_F(C_D_Geom_E_Curve_NURBS, OpenCurveEndsWithoutZeroLengthSegment)
{
    auto sp = M_Fn_Open();
    sp->m_Key_C_P = M_Fn_Property(0.1f);
    M_Fn_Entity(sp);
    M_Fn_Rebuild();
    M_Fn_Check_Chain(*sp, 1e-3f);
    EXPECT_GE(M_Fn_Segments().size(), 3u);
    // Without a property and with the length setting 0 the sampling distance is 0: still every
    // segment has a length.
    sp->m_Key_C_P = {};
    M_Fn_Config().m_Tess_Length_Over_Thk = 0;
    M_Fn_Rebuild();
    const auto segments = M_Fn_Segments();
    for (const auto* p_seg : segments)
        EXPECT_GE(p_seg->m_Length, 1e-4f);
    // A curve whose samples all lie within the sampling distance of the start point: the start,
    // the last sample's node (off the terminate point) and the terminate.
    sp->m_Key_C_P = M_Fn_Property(100.0f);
    M_Fn_Config().m_Tess_Length_Over_Thk = 2;
    M_Fn_Rebuild();
    EXPECT_EQ(M_Fn_Segments().size(), 1u);
}

TEST_F(C_D_Geom_E_Curve_NURBS, WeldCurveGivesWeldSegmentsThatNeverMerge)
{
    // A straight polyline of degree 1: collinear samples that the merge pass would join.
    auto sp = M_Fn_Curve({{0, 0, 1}, {1, 0, 1}, {2, 0, 1}, {3, 0, 1}}, {0, 0, 1, 2, 3, 3}, 2);
    sp->m_Key_C_P = M_Fn_Property(0.1f);
    M_Fn_Entity(sp);
    M_Fn_Rebuild();
    EXPECT_EQ(M_Fn_Segments().size(), 1u);
    sp->M_Fn_Weld_Set(true);
    M_Fn_Rebuild();
    const auto segments = M_Fn_Segments();
    EXPECT_GT(segments.size(), 1u);
    for (const auto* p_seg : segments) {
        EXPECT_EQ(p_seg->m_Flag & 0x10u, 0x10u);
        EXPECT_EQ(p_seg->m_Thk, 0.0f);
    }
}

TEST_F(C_D_Geom_E_Curve_NURBS, StreamRoundTripIsByteExact)
{
    auto sp = M_Fn_Quarter(1);
    sp->m_Curve.m_Flag[0] = 1;
    sp->m_Curve.m_Flag[3] = 0xFF;
    const std::string bytes = S_Fn_Bytes(*sp);
    // After the entity part (1 + 4 + 4 + 12 + 5 x 12 bytes): flags, order, counts, knots, points.
    std::string tail = std::string("\x01\x00\x00\xFF", 4) + G_Fn_Word(3) + G_Fn_Word(3) + G_Fn_Word(6) +
                       G_Fn_Word(6) + G_Fn_Word(0) + G_Fn_Word(6);
    for (float k : {0.f, 0.f, 0.f, 1.f, 1.f, 1.f})
        tail += G_Fn_Float(k);
    tail += G_Fn_Word(3) + G_Fn_Word(0) + G_Fn_Word(3);
    for (const auto& c : sp->m_Curve.m_Ctrls)
        tail += G_Fn_Float(c.x) + G_Fn_Float(c.y) + G_Fn_Float(c.z) + G_Fn_Float(c.w);
    ASSERT_EQ(bytes.size(), 81u + tail.size());
    EXPECT_EQ(bytes.substr(81), tail);
    C_Entity_NURBS copy;
    ASSERT_EQ(S_Fn_Read(copy, bytes), E_Result_Success);
    EXPECT_EQ(S_Fn_Bytes(copy), bytes);
    EXPECT_FLOAT_EQ(copy.m_Curve.m_Ctrls[1].w, std::sqrt(2.0f) / 2);
}

TEST_F(C_D_Geom_E_Curve_NURBS, InconsistentCountsAreRefused)
{
    auto sp = M_Fn_Quarter(1);
    const std::string bytes = S_Fn_Bytes(*sp);
    const std::size_t at_order = 81 + 4;
    auto patched = [&](std::size_t i_At, const std::string& i_Bytes) {
        std::string b = bytes;
        b.replace(i_At, i_Bytes.size(), i_Bytes);
        return b;
    };
    auto refused = [&](const std::string& i_Bytes) {
        C_Entity_NURBS target;
        target.m_Curve.m_Order = 77; // a refused read leaves the curve as it was
        const E_Result result = S_Fn_Read(target, i_Bytes);
        EXPECT_EQ(target.m_Curve.m_Order, 77);
        return result != E_Result_Success;
    };
    EXPECT_TRUE(refused(patched(at_order, G_Fn_Word(1))));                  // order below 2
    EXPECT_TRUE(refused(patched(at_order, G_Fn_Word(4))));                  // knots != points + order
    EXPECT_TRUE(refused(patched(at_order + 4, G_Fn_Word(4))));              // points != references - 2
    EXPECT_TRUE(refused(patched(at_order + 8, G_Fn_Word(0x7FFFFFFF))));     // a huge knot count
    EXPECT_TRUE(refused(patched(at_order + 12, G_Fn_Word(7))));             // knot vector size
    EXPECT_TRUE(refused(patched(at_order + 16, G_Fn_Word(1))));             // knot vector first index
    EXPECT_TRUE(refused(patched(at_order + 24 + 16, G_Fn_Float(0.5f))));    // knots going backwards
    EXPECT_TRUE(refused(patched(at_order + 24 + 4, G_Fn_Float(std::numeric_limits<float>::quiet_NaN()))));
    EXPECT_TRUE(refused(patched(at_order + 24 + 24 + 12 + 12, G_Fn_Float(0.0f)))); // weight 0
    // Truncated and randomly damaged copies: the section's stream tests.
}

TEST_F(C_D_Geom_E_Curve_NURBS, DescriptionAndSwap)
{
    auto sp = M_Fn_Quarter(1);
    M_Fn_Entity(sp);
    N_Biz::N_Sect::C_Context_Desc_Output out;
    sp->M_Fn_Desc_Output(&sect(), L"", out);
    const std::vector<std::wstring> rows(out.m_Rows.begin(), out.m_Rows.end());
    // The curve's own rows; the point blocks are the line's (its description test).
    ASSERT_EQ(rows.size(), 23u);
    const std::vector<std::wstring> head = {L"Entity Type: Rational B-Spline Curve", L"Entity Id: 1", L"", L"Order: 3",
                                            L"Number of control points: 3", L"Number of knot sequence: 6"};
    EXPECT_EQ(std::vector<std::wstring>(rows.begin(), rows.begin() + 6), head);
    EXPECT_EQ(rows[10], L"  Referred: 2"); // the first point is start and first control point
    C_Entity_NURBS other;
    sp->M_Fn_Modifiable_Swap(other);
    EXPECT_EQ(other.m_Curve.m_Order, 3);
    EXPECT_EQ(sp->m_Curve.m_Order, 0);
}
