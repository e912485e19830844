// Speed of the curve evaluators that meshing and drawing run for every arc and rational B-spline:
// 10,000 arcs sampled at the meshing step (thickness 1, default settings) and at the drawing step,
// and 10,000 curves tessellated through GLU into mesh chains (and drawn through the GLU renderer)
// in an off-screen Mesa context. The "per_curve" counter is the time of one curve.
#include "bench/Bench_GL_Offscreen.h"
#include "common/Common_Graphic_OpenGL_Tess_NURBS.h"
#include "common/Common_Math_Geom_Arc.h"
#include "common/Common_Math_Geom_NURBS_Curve.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

using N_Common::N_Graphic::N_OpenGL::C_Tess_NURBS;
using N_Common::N_Math::C_Vector2;
using N_Common::N_Math::N_Geom::C_Arc;
using N_Common::N_Math::N_Geom::C_NURBS_Curve;

namespace {

constexpr int k_Curves = 10000;
// Thickness 1 with word 31 = 2: the meshing thickness of a default property.
constexpr float k_Thk_Tess = 2.03125f;
constexpr float k_Angle = 0.05235988f;

bool G_Fn_Context()
{
    return G_Fn_Bench_GL(256, 256);
}

// Radii 5 .. 105 and sweeps 10 .. 350 degrees, both directions.
std::vector<C_Arc<float>> G_Fn_Arcs()
{
    std::vector<C_Arc<float>> arcs;
    arcs.reserve(k_Curves);
    for (int i = 0; i < k_Curves; ++i) {
        const float r = 5.0f + float(i % 101);
        const float sweep = (10.0f + float(i % 35) * 10.0f) * 3.14159265f / 180.0f;
        const C_Vector2<float> c(float(i % 37), float(i % 53));
        arcs.emplace_back(i % 2, c + C_Vector2<float>(r, 0), c + C_Vector2<float>(r * std::cos(sweep), r * std::sin(sweep)), c);
    }
    return arcs;
}

// Rational quarter circles (radius 10 .. 60) and open cubics of two spans, knot ranges 1 .. 40.
std::vector<C_NURBS_Curve<float>> G_Fn_NURBS()
{
    std::vector<C_NURBS_Curve<float>> curves(k_Curves);
    for (int i = 0; i < k_Curves; ++i) {
        auto& c = curves[i];
        const float s = 10.0f + float(i % 51);
        const float k = 1.0f + float(i % 40);
        if (i % 2 == 0) {
            c.m_Order = 3;
            c.m_Knots = {0, 0, 0, k, k, k};
            c.m_Ctrls = {{s, 0, 0, 1}, {s, s, 0, 0.70710678f}, {0, s, 0, 1}};
        } else {
            c.m_Order = 4;
            c.m_Knots = {0, 0, 0, 0, k / 2, k, k, k, k};
            c.m_Ctrls = {{0, 0, 0, 1}, {s / 6, s / 3, 0, 1}, {s / 2, -s / 3, 0, 1}, {5 * s / 6, s / 3, 0, 1}, {s, 0, 0, 1}};
        }
        c.m_Count_Ctrl = std::int32_t(c.m_Ctrls.size());
        c.m_Count_Knot = std::int32_t(c.m_Knots.size());
    }
    return curves;
}

void G_Fn_Per_Curve(benchmark::State& ro_State)
{
    ro_State.counters["per_curve"] =
        benchmark::Counter(k_Curves, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Arc_Mesh(benchmark::State& ro_State)
{
    const auto arcs = G_Fn_Arcs();
    auto& e = C_Arc<float>::S_Fn_Get_Evaluator_Tess();
    std::size_t points = 0;
    for (auto _ : ro_State) {
        points = 0;
        for (const auto& a : arcs) {
            a.M_Fn_Eval(e, k_Angle, k_Thk_Tess);
            points += e.m_Points.size();
        }
        benchmark::DoNotOptimize(points);
    }
    G_Fn_Per_Curve(ro_State);
    ro_State.counters["points_per_curve"] = double(points) / k_Curves;
}
BENCHMARK(BM_Arc_Mesh)->Unit(benchmark::kMillisecond);

void BM_Arc_Draw(benchmark::State& ro_State)
{
    const auto arcs = G_Fn_Arcs();
    auto& e = C_Arc<float>::S_Fn_Get_Evaluator_Draw();
    std::size_t points = 0;
    for (auto _ : ro_State) {
        points = 0;
        for (const auto& a : arcs) {
            a.M_Fn_Eval_Excluding_Endpoint(e);
            points += e.m_Points.size();
        }
        benchmark::DoNotOptimize(points);
    }
    G_Fn_Per_Curve(ro_State);
    ro_State.counters["points_per_curve"] = double(points) / k_Curves;
}
BENCHMARK(BM_Arc_Draw)->Unit(benchmark::kMillisecond);

void BM_NURBS_Mesh(benchmark::State& ro_State)
{
    // Tessellating needs no context; one is current all the same, as in the views.
    G_Fn_Context();
    const auto curves = G_Fn_NURBS();
    auto& t = C_Tess_NURBS::S_Fn_Get_Tessellator();
    std::vector<C_Vector2<float>> chain;
    std::size_t points = 0;
    for (auto _ : ro_State) {
        points = 0;
        for (const auto& c : curves) {
            const auto& first = c.m_Ctrls.front();
            const auto& last = c.m_Ctrls.back();
            c.M_Fn_Eval_Excluding_Endpoint(t, {first.x, first.y}, {last.x, last.y}, k_Thk_Tess, chain);
            points += chain.size();
        }
        benchmark::DoNotOptimize(points);
    }
    G_Fn_Per_Curve(ro_State);
    ro_State.counters["points_per_curve"] = double(points) / k_Curves;
}
BENCHMARK(BM_NURBS_Mesh)->Unit(benchmark::kMillisecond);

void BM_NURBS_Draw(benchmark::State& ro_State)
{
    if (!G_Fn_Context()) {
        ro_State.SkipWithError("no off-screen context");
        return;
    }
    const auto curves = G_Fn_NURBS();
    auto& r = C_Tess_NURBS::S_Fn_Get_Renderer();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10, 70, -30, 70, -1, 1);
    for (auto _ : ro_State) {
        for (const auto& c : curves)
            c.M_Fn_Eval(r, k_Thk_Tess);
        glFinish();
    }
    G_Fn_Per_Curve(ro_State);
}
BENCHMARK(BM_NURBS_Draw)->Unit(benchmark::kMillisecond);

} // namespace
