// Circular arc value and its sampling into points.
//
// Design note. A section arc is drawn, meshed and converted to lines from the same sampling: the
// points strictly between start and terminate at a fixed angular step, obtained by rotating the
// radius vector step by step (C_Arc::M_Fn_Eval_Excluding_Endpoint). The step and the output live
// in an evaluator object (C_Arc::C_Evaluator); two of them are shared for the whole run:
//   - the drawing evaluator (mode 0) keeps its 3-degree step unchanged, so that an arc looks the
//     same at every repaint;
//   - the meshing evaluator (mode 1) gets a step worked out per arc from the wall thickness
//     (M_Fn_Eval), so that a mesh segment is about as long as the meshing thickness, but never
//     spans less than the angle setting.
// Each keeps room for 360 points, so drawing an arc on every repaint does not allocate. An
// evaluator is marked busy while it runs: a nested use of the same evaluator throws instead of
// overwriting the output its caller is still reading. All arithmetic is in T (float for the
// section), in the order given below, so that point counts at the sweep's end are reproducible.
//
// Safety floor. The angle setting (configuration word 30) and the length-over-thickness setting
// (word 31) may both be 0 in the mesh settings. A step of 0 would make every arc throw, and a tiny
// one would flood the mesh with points, so the meshing step never falls below S_Step_Min, half a
// degree: about 720 points for a full turn at most.
#pragma once

#include "common/Common_Exception.h"
#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Quaternion.h"
#include "common/Common_Math_Vector.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <type_traits>
#include <vector>

namespace N_Common::N_Math::N_Geom {

template <class T>
class C_Arc {
public:
    using C_Point = C_Vector2<T>;

    // The float nearest 2 pi, the full sweep.
    static constexpr T S_Two_Pi = T(6.2831860);
    // The drawing step, 3 degrees (the float with bits 0x3D567756).
    static constexpr T S_Step_Draw = T(0.0523599);
    // The least meshing step (the safety floor above): 0.5 degree.
    static constexpr T S_Step_Min = T(0.00872665);
    // Factor applied to the angle setting to get the basic meshing step.
    static constexpr T S_Step_Factor = T(1.015625);

    // The parameters and output of one sampling. Mode 0 uses m_Step as it stands (drawing); mode 1
    // gets its step from every M_Fn_Eval (meshing, conversion to lines).
    class C_Evaluator {
    public:
        explicit C_Evaluator(std::int32_t i_Mode) : m_Mode(i_Mode) { m_Points.reserve(360); }
        C_Evaluator(const C_Evaluator&) = delete;
        C_Evaluator& operator=(const C_Evaluator&) = delete;

        std::int32_t m_Mode;
        // Non-zero while an evaluation runs.
        std::int32_t m_Busy = 0;
        // Radians.
        T m_Step = S_Step_Draw;
        // The interior points of the last evaluation, in the arc's direction.
        std::vector<C_Point> m_Points;
    };

    // 0: counter-clockwise (positive angle) from start to terminate around the centre; any other
    // value: clockwise.
    std::int32_t m_Direction = 0;
    C_Point m_Start;
    C_Point m_Terminate;
    C_Point m_Center;

    C_Arc() = default;
    C_Arc(std::int32_t i_Direction, const C_Point& ro_Start, const C_Point& ro_Terminate, const C_Point& ro_Center)
        : m_Direction(i_Direction), m_Start(ro_Start), m_Terminate(ro_Terminate), m_Center(ro_Center)
    {
    }

    // The two shared evaluators (defined for float only): drawing (mode 0) and meshing (mode 1).
    // Made on first use, kept to program exit. User-interface thread only: an evaluation must
    // finish, and its output be consumed, before the next one with the same evaluator.
    static C_Evaluator& S_Fn_Get_Evaluator_Draw();
    static C_Evaluator& S_Fn_Get_Evaluator_Tess();

    // +1 for a counter-clockwise arc, -1 for a clockwise one.
    T M_Fn_Sign() const { return m_Direction == 0 ? T(1) : T(-1); }

    // |start - centre|: the arc's radius (the terminate point only fixes where the arc ends).
    T M_Fn_Radius() const { return (m_Start - m_Center).M_Fn_Length(); }

    // The sweep from start to terminate in the arc's direction, in [0, 2 pi): the angle between the
    // normalised radius vectors (a zero vector normalises to (0, 1)), replaced by 2 pi - angle when
    // the turn from start to terminate runs against the direction. Start equal to terminate: 0.
    T M_Fn_Angle() const
    {
        C_Point u = m_Start - m_Center;
        C_Point v = m_Terminate - m_Center;
        u.M_Fn_Normalize();
        v.M_Fn_Normalize();
        T dot = u.M_Fn_Dot(v);
        dot = dot < T(-1) ? T(-1) : (dot > T(1) ? T(1) : dot);
        T angle = std::acos(dot);
        if (u.M_Fn_Cross(v) * M_Fn_Sign() < T(0))
            angle = S_Two_Pi - angle;
        return angle;
    }

    // False when start and terminate coincide (both differences below 1e-6); otherwise true when
    // the squared radii of start and terminate agree within 1e-6 or within 1 percent of the larger
    // one. Decides whether a moved arc is still an arc.
    bool M_Fn_Is_Valid() const
    {
        if ((m_Start - m_Terminate).M_Fn_If_Zero())
            return false;
        const C_Point s = m_Start - m_Center;
        const C_Point t = m_Terminate - m_Center;
        return G_Fn_Is_Equal_Relative(s.M_Fn_Dot(s), t.M_Fn_Dot(t), T(0.01));
    }

    // The meshing step of an arc of radius i_Radius:
    //   step0 = i_Angle (configuration word 30, radians) times 1.015625, raised to S_Step_Min
    //           when smaller (0 and NaN included);
    //   with a meshing thickness w (the entity's C_D_Geom_Entity::M_Fn_Get_Thk_Tess when it
    //   succeeds: mean property thickness times word 31 times 1.015625): a = 2 asin(w / 2r), the
    //   angle whose chord is w (w / 2r clamped to [-1, 1]); the step is a when a > step0;
    //   otherwise (no thickness, or a not larger) the step is step0.
    // Never below S_Step_Min; never throws.
    static T S_Fn_Step_Tess(T i_Angle, std::optional<T> i_Thk_Tess, T i_Radius)
    {
        T step0 = i_Angle * S_Step_Factor;
        if (!(step0 >= S_Step_Min))
            step0 = S_Step_Min;
        if (!i_Thk_Tess)
            return step0;
        T s = (*i_Thk_Tess * T(0.5)) / i_Radius;
        s = s < T(-1) ? T(-1) : (s > T(1) ? T(1) : s);
        const T a = T(2) * std::asin(s);
        return a > step0 ? a : step0;
    }

    // The arc entity's evaluation: when ro_Evaluator's mode is not 0, first sets its step to
    // S_Fn_Step_Tess(i_Angle, i_Thk_Tess, M_Fn_Radius()); then M_Fn_Eval_Excluding_Endpoint.
    // i_Angle is configuration word 30 (m_Tess_Angle of C_Config_Data, radians); i_Thk_Tess is the
    // entity's meshing thickness, empty when it has none (no property, or a mean thickness not
    // above 1e-6). Mode 0 ignores both. Returns 1; throws as M_Fn_Eval_Excluding_Endpoint.
    int M_Fn_Eval(C_Evaluator& ro_Evaluator, T i_Angle, std::optional<T> i_Thk_Tess) const
    {
        if (ro_Evaluator.m_Mode != 0) {
            if (ro_Evaluator.m_Busy)
                VT_THROW(S_Fn_Name_Eval_Excluding_Endpoint());
            ro_Evaluator.m_Step = S_Fn_Step_Tess(i_Angle, i_Thk_Tess, M_Fn_Radius());
        }
        return M_Fn_Eval_Excluding_Endpoint(ro_Evaluator);
    }

    // Fills ro_Evaluator.m_Points with centre + R^k (start - centre) for k = 1, 2, ... while
    // k * step (accumulated in T) stays below M_Fn_Angle(), R being the rotation by sign * step
    // about z. Neither end point is included; a sweep not above the step gives no point. The
    // radius is the start's: a terminate point off that radius only fixes the end angle.
    // Returns 1. Throws C_Exception when the evaluator is busy (nested use) or its step is below
    // 1e-6; the evaluator is unchanged then. The evaluator is never left busy.
    int M_Fn_Eval_Excluding_Endpoint(C_Evaluator& ro_Evaluator) const
    {
        if (ro_Evaluator.m_Busy)
            VT_THROW(S_Fn_Name_Eval_Excluding_Endpoint());
        const T step = ro_Evaluator.m_Step;
        if (step < T(G_Tolerance))
            VT_THROW(S_Fn_Name_Eval_Excluding_Endpoint());
        ro_Evaluator.m_Busy = 1;
        C_Busy_Guard guard{ro_Evaluator};
        ro_Evaluator.m_Points.clear();

        const T sign = M_Fn_Sign();
        const T angle = M_Fn_Angle();
        C_Matrix4<T> rotation;
        rotation.M_Fn_Asgn_Rotate_Quaternion(
            C_Quaternion<T>(std::cos(step / T(2)), T(0), T(0), sign * std::sin(step / T(2))));
        // The rotation about z only touches x and y: its upper-left 2x2 block.
        const T r00 = rotation(0, 0), r01 = rotation(0, 1), r10 = rotation(1, 0), r11 = rotation(1, 1);

        C_Point p = m_Start - m_Center;
        for (T t = step; t < angle; t = t + step) {
            p = C_Point(r00 * p.x + r01 * p.y, r10 * p.x + r11 * p.y);
            ro_Evaluator.m_Points.push_back(m_Center + p);
        }
        return 1;
    }

private:
    struct C_Busy_Guard {
        C_Evaluator& m_Evaluator;
        ~C_Busy_Guard() { m_Evaluator.m_Busy = 0; }
    };

    static constexpr const char* S_Fn_Name_Eval_Excluding_Endpoint()
    {
        if constexpr (std::is_same_v<T, float>)
            return "N_Common::N_Math::N_Geom::C_Arc<float>::M_Fn_Eval_Excluding_Endpoint";
        else
            return "N_Common::N_Math::N_Geom::C_Arc<double>::M_Fn_Eval_Excluding_Endpoint";
    }
};

template <>
C_Arc<float>::C_Evaluator& C_Arc<float>::S_Fn_Get_Evaluator_Draw();
template <>
C_Arc<float>::C_Evaluator& C_Arc<float>::S_Fn_Get_Evaluator_Tess();

} // namespace N_Common::N_Math::N_Geom
