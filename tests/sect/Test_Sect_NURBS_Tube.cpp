// A circular tube drawn as four rational quadratic B-splines: whatever the knot parameter runs over,
// the mesh follows the circle as closely as the same tube drawn as arcs, so the figures agree with
// the thin-walled tube's A = 2 pi r t and I = pi r^3 t.
#include "tests/sect/Test_Sect_Calc_Support.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <numbers>

namespace N_Test_Sect_Calc {
namespace {

using C_Entity_NURBS = N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS;

constexpr float k_R = 50.0f;
constexpr float k_T = 2.0f;

class C_NURBS_Tube : public C_Calc_Test {
protected:
    // The four points on the axes (counter-clockwise from (r, 0)) and the four corners of the
    // square around the circle.
    void M_Fn_Points()
    {
        for (int i = 0; i < 4; ++i) {
            const float c = (i == 0) ? k_R : (i == 2 ? -k_R : 0.0f);
            const float s = (i == 1) ? k_R : (i == 3 ? -k_R : 0.0f);
            m_Axis[i] = M_Fn_Point(c, s);
        }
        for (int i = 0; i < 4; ++i)
            m_Corner[i] = M_Fn_Point(i == 0 || i == 3 ? k_R : -k_R, i < 2 ? k_R : -k_R);
    }
    // Quarter i from axis point i to axis point i + 1: weights 1, sqrt(2) / 2, 1; knots 0, 0, 0,
    // e, e, e.
    void M_Fn_Tube_NURBS(const T_Key& ro_Key, float i_Knot_End)
    {
        M_Fn_Points();
        for (int i = 0; i < 4; ++i) {
            auto sp = std::make_shared<C_Entity_NURBS>();
            const std::int32_t a = m_Axis[i], b = m_Axis[(i + 1) % 4], c = m_Corner[i];
            sp->m_Ref_Points.resize(5);
            sp->m_Ref_Points[0].m_Id_Point = a;
            sp->m_Ref_Points[1].m_Id_Point = b;
            sp->m_Ref_Points[2].m_Id_Point = a;
            sp->m_Ref_Points[3].m_Id_Point = c;
            sp->m_Ref_Points[4].m_Id_Point = b;
            auto& curve = sp->m_Curve;
            curve.m_Order = 3;
            curve.m_Count_Ctrl = 3;
            curve.m_Count_Knot = 6;
            const float e = i_Knot_End;
            curve.m_Knots = {0, 0, 0, e, e, e};
            curve.m_Ctrls = {{0, 0, 0, 1}, {0, 0, 0, std::sqrt(2.0f) / 2}, {0, 0, 0, 1}};
            sp->m_Key_C_P = ro_Key;
            M_Fn_Entity(sp);
        }
    }
    void M_Fn_Tube_Arcs(const T_Key& ro_Key)
    {
        M_Fn_Points();
        const std::int32_t center = M_Fn_Point(0, 0);
        for (int i = 0; i < 4; ++i) {
            auto sp = std::make_shared<C_D_Geom_E_Arc>(m_Axis[i], m_Axis[(i + 1) % 4], center, 0);
            sp->m_Key_C_P = ro_Key;
            M_Fn_Entity(sp);
        }
    }
    // The segments' end positions, in slot order.
    std::vector<std::array<float, 4>> M_Fn_Segment_Ends()
    {
        std::vector<std::array<float, 4>> ends;
        for (const auto* p_seg : M_Fn_Segments()) {
            const auto& a = nodes().M_Fn_Get_At(p_seg->m_Ref_Nodes[0].m_Id_Node);
            const auto& b = nodes().M_Fn_Get_At(p_seg->m_Ref_Nodes[1].m_Id_Node);
            ends.push_back({a.m_X, a.m_Y, b.m_X, b.m_Y});
        }
        return ends;
    }
    void M_Fn_Expect_Thin_Tube(const char* i_What)
    {
        const double pi = std::numbers::pi;
        const double area = 2 * pi * k_R * k_T;
        const double second = pi * k_R * k_R * k_R * k_T;
        const auto& prop = result().m_Prop[0];
        EXPECT_NEAR(prop.m_Area / area, 1.0, 0.0025) << i_What;
        EXPECT_NEAR(prop.m_Ixx / second, 1.0, 0.0025) << i_What;
        EXPECT_NEAR(prop.m_Iyy / second, 1.0, 0.0025) << i_What;
    }

    std::int32_t m_Axis[4] = {};
    std::int32_t m_Corner[4] = {};
};

TEST_F(C_NURBS_Tube, KnotsFromZeroToOneCalculateAsTheCircle)
{
    const T_Key key = M_Fn_Card({k_T});
    M_Fn_Tube_Arcs(key);
    ASSERT_EQ(sect().M_Fn_Calc_If_Dirty(), 1);
    M_Fn_Expect_Thin_Tube("arcs");

    // The same tube in a section of its own.
    C_Sect::S_p_Proj = m_up_Proj.get();
    m_up_Sect = std::make_unique<C_Sect>();
    C_Sect::S_p_Proj = nullptr;
    M_Fn_Tube_NURBS(key, 1.0f);
    ASSERT_EQ(sect().M_Fn_Calc_If_Dirty(), 1);
    M_Fn_Expect_Thin_Tube("B-splines, knots 0 .. 1");
    // The meshing distance sets the segment length: 2 x 2 x 1.015625 = 4.0625 mm, and at most a
    // quarter of it more (the samples are that far apart along the control polygon); only the
    // last segment of a quarter, ending on its terminate point, may be shorter. Every node lies on
    // the circle.
    const auto ends = M_Fn_Segment_Ends();
    ASSERT_FALSE(ends.empty());
    const double d = 2.0 * k_T * 1.015625;
    int shorter = 0;
    for (const auto& e : ends) {
        const double length = std::hypot(e[2] - e[0], e[3] - e[1]);
        shorter += length < d * 0.999;
        EXPECT_LE(length, d * 1.25 * 1.001 + 1e-3);
        EXPECT_NEAR(std::hypot(e[0], e[1]), k_R, 1e-3);
    }
    EXPECT_LE(shorter, 4);
    // 4 x 78.54 / 4.0625 = 77.3 at most, 61.9 at least.
    EXPECT_GE(ends.size(), 62u);
    EXPECT_LE(ends.size(), 81u);
}

// Knots in millimetres (each quarter's parameter runs over its length): GLU's own 2 samples per
// unit are finer than the meshing distance needs, so they stay, and the mesh is the one those
// samples give with the points closer than the meshing distance dropped.
TEST_F(C_NURBS_Tube, KnotsInMillimetresMeshAsBefore)
{
    const float length = static_cast<float>(std::numbers::pi / 2 * k_R);
    const T_Key key = M_Fn_Card({k_T});
    M_Fn_Tube_NURBS(key, length);
    M_Fn_Rebuild();
    const auto ends = M_Fn_Segment_Ends();

    // The expected chain of each quarter from GLU at 2 samples per unit, driven here directly.
    const float d = k_T * 2.0f * 1.015625f;
    N_Common::N_Graphic::N_OpenGL::C_Tess_NURBS t(N_Common::N_Graphic::N_OpenGL::C_Tess_NURBS::S_Mode_Tessellator);
    std::size_t expected = 0;
    for (int i = 0; i < 4; ++i) {
        const auto& a = points().M_Fn_Get_At(std::uint32_t(m_Axis[i]));
        const auto& c = points().M_Fn_Get_At(std::uint32_t(m_Corner[i]));
        const auto& b = points().M_Fn_Get_At(std::uint32_t(m_Axis[(i + 1) % 4]));
        const float w = std::sqrt(2.0f) / 2;
        std::vector<GLfloat> knots = {0, 0, 0, length, length, length};
        std::vector<GLfloat> h = {a.m_X, a.m_Y, 0, 1, c.m_X * w, c.m_Y * w, 0, w, b.m_X, b.m_Y, 0, 1};
        t.M_Fn_Clear();
        gluBeginCurve(t.M_Fn_Get_GLU());
        gluNurbsCurve(t.M_Fn_Get_GLU(), 6, knots.data(), 4, h.data(), 3, GL_MAP1_VERTEX_4);
        gluEndCurve(t.M_Fn_Get_GLU());
        ASSERT_GT(t.m_Vertices.size(), 100u); // about 2 per mm of the 78.5 mm quarter
        float px = a.m_X, py = a.m_Y;
        std::size_t kept = 0;
        for (std::size_t k = 0; k + 1 < t.m_Vertices.size(); ++k)
            if (std::hypot(t.m_Vertices[k].x - px, t.m_Vertices[k].y - py) >= d &&
                std::hypot(t.m_Vertices[k].x - b.m_X, t.m_Vertices[k].y - b.m_Y) >= 1e-3f) {
                px = t.m_Vertices[k].x, py = t.m_Vertices[k].y;
                ++kept;
            }
        expected += kept + 1;
    }
    EXPECT_EQ(ends.size(), expected);
    int shorter = 0;
    for (const auto& e : ends)
        shorter += std::hypot(e[2] - e[0], e[3] - e[1]) < d * 0.999;
    EXPECT_LE(shorter, 4); // the last of each quarter
}

} // namespace
} // namespace N_Test_Sect_Calc
