// Rational B-spline curve value and its evaluation through GLU.
//
// Design note. The curve is stored the way IGES type 126 carries it: order, control-point count,
// knot count, the knots, and per control point (x, y, z, w) with x, y, z Cartesian and w the
// weight. GLU's GL_MAP1_VERTEX_4 wants homogeneous control points instead, (w x, w y, w z, w), and
// samples the curve in that space; M_Fn_Eval converts on the way in and the tessellator's vertex
// callback divides by w on the way out (Common_Graphic_OpenGL_Tess_NURBS.h), so that a weighted
// curve lies on the exact rational curve (a quarter circle as a rational quadratic stays on its
// circle).
//
// Stored values are checked before every evaluation (M_Fn_If_Consistent): a curve whose counts do
// not agree with its vectors would make GLU read past them.
//
// Sampling. GLU samples a fixed number of points per unit of the knot parameter (GLU_U_STEP, at
// least one step per polynomial span). 2 per unit suits a curve whose parameter runs in
// millimetres, but most exchanged files write knots from 0 to 1, and 2 per unit would turn such a
// curve into two or three chords. So the step is worked out per curve from its geometry
// (M_Fn_U_Step): every span gets enough samples that consecutive ones lie at most a quarter of the
// sampling distance d apart along its control polygon (which is never shorter than the curve), so
// that d, not the parameter, sets the mesh segment length; the present 2 per unit stays wherever it
// is already finer, so a curve in millimetres meshes as before. Without a useful d (no thickness)
// the spacing floor is the curve's control polygon length / S_Segments_Floor. Drawing and meshing
// use the same step. A step that would exceed S_Samples_Max points over the knot range (a hostile
// or garbled file can say 1e30, and GLU would try to deliver 2e30 vertices) is lowered to about
// S_Samples_Max points in all (plus two per polynomial span).
//
// For meshing, M_Fn_Eval_Excluding_Endpoint turns the samples into the interior points of a chain
// from the start point to the terminate point, dropping samples closer than the sampling distance
// and any sample that would end a segment of (near) zero length.
#pragma once

#include "common/Common_Exception.h"
#include "common/Common_Graphic_OpenGL_Tess_NURBS.h"
#include "common/Common_Math_Vector.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <type_traits>
#include <vector>

namespace N_Common::N_Math::N_Geom {

template <class T>
class C_NURBS_Curve {
public:
    using C_Tess_NURBS = N_Common::N_Graphic::N_OpenGL::C_Tess_NURBS;
    using C_Point = C_Vector2<T>;

    // A control point: Cartesian x, y, z and the weight w (not multiplied into x, y, z).
    struct C_Ctrl_Point {
        T x = 0;
        T y = 0;
        T z = 0;
        T w = 0;
        constexpr bool operator==(const C_Ctrl_Point&) const = default;
    };

    // Most points one evaluation samples (see the design note).
    static constexpr std::uint32_t S_Samples_Max = 65536;
    // Two sampled points closer than this, relative to the coordinates' magnitude (at least 1),
    // differ only by float rounding: they coincide.
    static constexpr T S_Coincide_Relative = T(1e-5);
    // Factor of the meshing settings' fallback sampling distance.
    static constexpr T S_Distance_Factor_No_Thk = T(1e-6);
    // Samples per sampling distance along the control polygon, and the floor of the distance as a
    // part of the polygon's length (see the design note).
    static constexpr T S_Samples_Per_Distance = T(4);
    static constexpr T S_Segments_Floor = T(256);

    // The IGES 126 property flags PROP1 to PROP4 (planar, closed, polynomial, periodic), kept and
    // exchanged unchanged.
    std::uint8_t m_Flag[4] = {0, 0, 0, 0};
    // Degree + 1.
    std::int32_t m_Order = 0;
    std::int32_t m_Count_Ctrl = 0;
    std::int32_t m_Count_Knot = 0;
    std::vector<T> m_Knots;
    std::vector<C_Ctrl_Point> m_Ctrls;

    // True when the stored values form a curve GLU can be given: order at least 2, at least order
    // control points, knot count = control-point count + order, both vectors as long as their
    // counts, knots finite and non-decreasing with a finite range, every weight finite and above
    // 0. A stream reader fails the read when this is false. Never throws.
    bool M_Fn_If_Consistent() const
    {
        if (m_Order < 2 || m_Count_Ctrl < m_Order)
            return false;
        if (static_cast<std::int64_t>(m_Count_Knot) != static_cast<std::int64_t>(m_Count_Ctrl) + m_Order)
            return false;
        if (m_Knots.size() != static_cast<std::size_t>(m_Count_Knot) ||
            m_Ctrls.size() != static_cast<std::size_t>(m_Count_Ctrl))
            return false;
        for (std::size_t i = 0; i < m_Knots.size(); ++i) {
            if (!std::isfinite(m_Knots[i]) || (i > 0 && m_Knots[i] < m_Knots[i - 1]))
                return false;
        }
        if (!std::isfinite(m_Knots.back() - m_Knots.front()))
            return false;
        for (const C_Ctrl_Point& c : m_Ctrls) {
            if (!std::isfinite(c.w) || !(c.w > T(0)))
                return false;
        }
        return true;
    }

    // GLU's samples per unit of the knot parameter for the sampling distance i_Distance (see the
    // design note): the largest over the spans of knot range > 0 of
    //   P / (g r), P the length of the span's control polygon (its order control points), r its
    //   knot range, g = max(i_Distance, L / S_Segments_Floor) / S_Samples_Per_Distance with L the
    //   whole control polygon's length,
    // and never below C_Tess_NURBS::S_U_Step; then lowered so that step times the whole knot range
    // stays within S_Samples_Max. A negative, NaN or 0 i_Distance counts as 0. Needs
    // M_Fn_If_Consistent; never throws.
    float M_Fn_U_Step(T i_Distance) const
    {
        const float range = float(m_Knots.back() - m_Knots.front());
        const auto leg = [this](std::size_t i) {
            const C_Ctrl_Point& a = m_Ctrls[i];
            const C_Ctrl_Point& b = m_Ctrls[i + 1];
            const T x = b.x - a.x, y = b.y - a.y, z = b.z - a.z;
            return std::sqrt(x * x + y * y + z * z);
        };
        T total = 0;
        for (std::size_t i = 0; i + 1 < m_Ctrls.size(); ++i)
            total += leg(i);
        T distance = i_Distance > T(0) ? i_Distance : T(0);
        distance = std::fmax(distance, total / S_Segments_Floor);
        const T g = distance / S_Samples_Per_Distance;
        float step = C_Tess_NURBS::S_U_Step;
        if (g > T(0) && std::isfinite(g)) {
            // Span k runs over knots k .. k + 1 and is shaped by control points k - order + 1 .. k.
            const std::size_t order = static_cast<std::size_t>(m_Order);
            for (std::size_t k = order - 1; k < m_Ctrls.size(); ++k) {
                const T r = m_Knots[k + 1] - m_Knots[k];
                if (!(r > T(0)))
                    continue;
                T p = 0;
                for (std::size_t i = k + 1 - order; i < k; ++i)
                    p += leg(i);
                const T need = p / (g * r);
                if (std::isfinite(need) && float(need) > step)
                    step = float(need);
            }
        }
        if (!(range * step <= float(S_Samples_Max)))
            step = std::fmin(step, float(S_Samples_Max) / range);
        return step;
    }

    // Hands the curve to ro_Evaluator (one of C_Tess_NURBS::S_Fn_Get_Renderer or
    // S_Fn_Get_Tessellator) at the sampling of M_Fn_U_Step(i_Distance): gluBeginCurve,
    // gluNurbsCurve with the knots and the homogeneous control points as GL_MAP1_VERTEX_4,
    // gluEndCurve. The renderer draws with the current GL state
    // (a context must be current); the tessellator first empties its arrays, then collects the
    // sampled points (x, y, z) in curve order in m_Vertices (no context needed). A curve GLU
    // refuses (e.g. an order above GLU's limit, an empty knot range) is logged by GLU's error
    // callback and gives no vertices. Returns 1.
    // Throws C_Exception, the evaluator unchanged, when the evaluator is busy (nested use), when
    // M_Fn_If_Consistent is false, or when a control point's x, y or z is not finite.
    int M_Fn_Eval(C_Tess_NURBS& ro_Evaluator, T i_Distance) const
        requires std::is_same_v<T, float>
    {
        if (ro_Evaluator.m_Busy || !M_Fn_If_Consistent())
            VT_THROW("N_Common::N_Math::N_Geom::C_NURBS_Curve<float>::M_Fn_Eval");
        for (const C_Ctrl_Point& c : m_Ctrls) {
            if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z))
                VT_THROW("N_Common::N_Math::N_Geom::C_NURBS_Curve<float>::M_Fn_Eval");
        }
        ro_Evaluator.m_Busy = 1;
        C_Busy_Guard guard{ro_Evaluator};
        if (ro_Evaluator.m_Mode == C_Tess_NURBS::S_Mode_Tessellator)
            ro_Evaluator.M_Fn_Clear();

        std::vector<GLfloat>& h = ro_Evaluator.m_Ctrl_Homogeneous;
        h.resize(m_Ctrls.size() * 4);
        for (std::size_t i = 0; i < m_Ctrls.size(); ++i) {
            const C_Ctrl_Point& c = m_Ctrls[i];
            h[4 * i] = c.x * c.w;
            h[4 * i + 1] = c.y * c.w;
            h[4 * i + 2] = c.z * c.w;
            h[4 * i + 3] = c.w;
        }

        GLUnurbs* const n = ro_Evaluator.M_Fn_Get_GLU();
        const float step = M_Fn_U_Step(i_Distance);
        const bool other = step != C_Tess_NURBS::S_U_Step;
        if (other)
            gluNurbsProperty(n, GLU_U_STEP, step);
        gluBeginCurve(n);
        // GLU copies both arrays; it never writes to them.
        gluNurbsCurve(n, m_Count_Knot, const_cast<GLfloat*>(m_Knots.data()), 4, h.data(), m_Order,
                      GL_MAP1_VERTEX_4);
        gluEndCurve(n);
        if (other)
            gluNurbsProperty(n, GLU_U_STEP, C_Tess_NURBS::S_U_Step);
        return 1;
    }

    // The sampling distance of a curve's mesh: the entity's meshing thickness when it has one
    // (C_D_Geom_Entity::M_Fn_Get_Thk_Tess: mean property thickness times configuration word 31
    // times 1.015625), otherwise word 31 (m_Tess_Length_Over_Thk of C_Config_Data) times 1e-6.
    // Either may be 0; M_Fn_Eval_Excluding_Endpoint applies the floor.
    static T S_Fn_Sampling_Distance(std::optional<T> i_Thk_Tess, T i_Length_Over_Thk)
    {
        return i_Thk_Tess ? *i_Thk_Tess : i_Length_Over_Thk * S_Distance_Factor_No_Thk;
    }

    // The mesh chain of the curve between the entity's start point ro_Start and terminate point
    // ro_Terminate: evaluates with ro_Tessellator (M_Fn_Eval at i_Distance) and fills o_Points with the points
    // that get mesh nodes between the start node and the terminate node, in curve order. With V0 ..
    // Vn-1 the samples, P the last kept point (first ro_Start), d = i_Distance raised to the
    // coincidence tolerance e (S_Coincide_Relative times the largest coordinate magnitude of the
    // start, terminate and samples, at least S_Coincide_Relative):
    //   - V0 .. Vn-2 are kept when at least d from P and at least e from ro_Terminate;
    //   - Vn-1 is kept when at least e from P and from ro_Terminate. An open curve ends on its
    //     terminate point, so its last sample is skipped there instead of ending the chain in a
    //     zero-length segment.
    // Consecutive points of start, o_Points, terminate are thus never closer than e (start and
    // terminate themselves excepted). A curve GLU refuses gives no point. Returns 1.
    // Throws C_Exception when ro_Tessellator is not in tessellator mode, and as M_Fn_Eval.
    int M_Fn_Eval_Excluding_Endpoint(C_Tess_NURBS& ro_Tessellator, const C_Point& ro_Start, const C_Point& ro_Terminate,
                                     T i_Distance, std::vector<C_Point>& o_Points) const
        requires std::is_same_v<T, float>
    {
        if (ro_Tessellator.m_Mode != C_Tess_NURBS::S_Mode_Tessellator)
            VT_THROW("N_Common::N_Math::N_Geom::C_NURBS_Curve<float>::M_Fn_Eval_Excluding_Endpoint");
        o_Points.clear();
        M_Fn_Eval(ro_Tessellator, i_Distance);
        const auto& v = ro_Tessellator.m_Vertices;

        T scale = T(1);
        auto widen = [&scale](T i_X, T i_Y) {
            scale = std::fmax(scale, std::fmax(std::fabs(i_X), std::fabs(i_Y)));
        };
        widen(ro_Start.x, ro_Start.y);
        widen(ro_Terminate.x, ro_Terminate.y);
        for (const auto& p : v)
            widen(p.x, p.y);
        const T e = S_Coincide_Relative * scale;
        const T d = i_Distance >= e ? i_Distance : e;

        C_Point last_kept = ro_Start;
        const std::size_t n = v.size();
        for (std::size_t i = 0; i + 1 < n; ++i) {
            const C_Point q(v[i].x, v[i].y);
            if ((q - last_kept).M_Fn_Length() >= d && (q - ro_Terminate).M_Fn_Length() >= e) {
                o_Points.push_back(q);
                last_kept = q;
            }
        }
        if (n > 0) {
            const C_Point q(v[n - 1].x, v[n - 1].y);
            if ((q - last_kept).M_Fn_Length() >= e && (q - ro_Terminate).M_Fn_Length() >= e)
                o_Points.push_back(q);
        }
        return 1;
    }

private:
    struct C_Busy_Guard {
        C_Tess_NURBS& m_Evaluator;
        ~C_Busy_Guard() { m_Evaluator.m_Busy = 0; }
    };
};

} // namespace N_Common::N_Math::N_Geom
