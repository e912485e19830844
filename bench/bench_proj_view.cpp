// The project view: frames per second of drawing a model of 1,000,000 four-node shells (a generated
// 1000 x 1000 plate, 1,002,001 nodes) in a 1024 x 768 off-screen Mesa context with the software
// rasterizer, in each model display mode (shade with and without element edges, mesh, grid), the
// whole frame as the view's paint draws it (clear, models, rotation centre, triad, text); and a
// frame that starts with a one-pixel hover pick over the same model. Beside them, in the same run,
// the bare baseline: the same shells drawn from vertex arrays by a program of a few lines.
#include "bench/Bench_Deck_Plate.h"
#include "bench/Bench_GL_Offscreen.h"
#include "bench/Bench_Port_Quiet.h"
#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "common/Common_String.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int G_N = 1000;
constexpr int G_W = 1024;
constexpr int G_H = 768;

bool S_Fn_GL()
{
    return G_Fn_Bench_GL(G_W, G_H);
}

// The application, a project holding the imported plate, and its view in the off-screen context.
struct C_Scene {
    C_App m_App{std::make_shared<C_Port_Quiet>()};
    std::unique_ptr<N_Biz::N_Proj::C_Proj> m_up_Proj;
    int m_View = 0;
    bool m_Ok = false;

    C_Scene()
    {
        const std::filesystem::path dir = G_Fn_Bench_Build_Dir();
        auto schema = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        schema->M_Fn_Init(N_Common::N_String::G_Fn_To_Wide_UTF8(dir.string() + "/"));
        m_App.m_sp_Schema = schema;
        m_App.m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        if (!S_Fn_GL())
            return;
        const std::string path =
            (std::filesystem::temp_directory_path() / ("vt_bench_proj_view_" + std::to_string(::getpid()) + ".bdf")).string();
        if (!G_Fn_Bench_Deck_Plate_Write(path, E_Bench_Deck_Small, G_N))
            return;
        m_up_Proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
        N_Biz::N_Proj::C_Mgr_Frame& frame = m_up_Proj->M_Fn_Get_Mgr_Frame();
        frame.M_Fn_View_Main_On_Create(&m_View);
        frame.M_Fn_View_Main_On_Size(G_W, G_H);
        const std::wstring wide = N_Common::N_String::G_Fn_To_Wide_UTF8(path);
        m_up_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(wide, L"plate.bdf");
        std::remove(path.c_str());
        const auto& models = m_up_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
        m_Ok = models.is_used_at(1) && models.at(1)->M_Fn_Data().m_Elements.size() == std::size_t(G_N) * G_N;
    }
    ~C_Scene() { m_up_Proj.reset(); }
};

C_Scene& S_Fn_Scene()
{
    static C_Scene s_Scene;
    return s_Scene;
}

// How many pixels of the last frame differ from its corner pixel (the background): the area drawn,
// so that the program and the bare baseline can be seen to draw about the same.
double S_Fn_Pixels_Drawn()
{
    std::vector<unsigned char> pixels(std::size_t(G_W) * G_H * 4);
    glReadPixels(0, 0, G_W, G_H, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    std::size_t drawn = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 4)
        drawn += !std::equal(pixels.begin() + i, pixels.begin() + i + 3, pixels.begin());
    return double(drawn);
}

// Frames in model display mode i_Mode (3 grid, 4 mesh, 5 shade), chosen as the user would.
void S_Fn_Frames(benchmark::State& state, std::int32_t i_Mode)
{
    C_Scene& scene = S_Fn_Scene();
    if (!scene.m_Ok) {
        state.SkipWithError("no off-screen context or no model");
        return;
    }
    S_Fn_GL();
    scene.m_App.m_sp_Config->M_Fn_Data().m_Model_Disp = i_Mode;
    N_Biz::N_Proj::C_Mgr_Frame& frame = scene.m_up_Proj->M_Fn_Get_Mgr_Frame();
    frame.M_Fn_Config_Disp_Update();
    for (auto _ : state) {
        frame.M_Fn_View_Main_On_Draw();
        glFinish();
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["elements"] = double(G_N) * G_N;
    state.counters["pixels"] = S_Fn_Pixels_Drawn();
}

void BM_Frame_Shade(benchmark::State& state) { S_Fn_Frames(state, 5); }
void BM_Frame_Shade_No_Edge(benchmark::State& state)
{
    S_Fn_Scene().m_App.m_sp_Config->M_Fn_Data().m_Show_Edge_Shade = 0;
    S_Fn_Frames(state, 5);
    S_Fn_Scene().m_App.m_sp_Config->M_Fn_Data().m_Show_Edge_Shade = 1;
}
void BM_Frame_Mesh(benchmark::State& state) { S_Fn_Frames(state, 4); }
void BM_Frame_Grid(benchmark::State& state) { S_Fn_Frames(state, 3); }

// A hover pick of one element (the frame draws after it) in the elements mode.
void BM_Frame_Hover_Pick_Element(benchmark::State& state)
{
    C_Scene& scene = S_Fn_Scene();
    if (!scene.m_Ok) {
        state.SkipWithError("no off-screen context or no model");
        return;
    }
    S_Fn_GL();
    scene.m_App.m_sp_Config->M_Fn_Data().m_Model_Disp = 1;
    N_Biz::N_Proj::C_Proj& proj = *scene.m_up_Proj;
    proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, true, true, true, 6, L"Select & edit elements.");
    N_Biz::N_Proj::C_Mgr_Frame& frame = proj.M_Fn_Get_Mgr_Frame();
    for (auto _ : state) {
        frame.m_Pos_Cur = {G_W / 2, G_H / 2};
        frame.m_Flags |= N_Biz::N_Proj::C_Mgr_Frame::E_Flag_Pick_Cover;
        frame.M_Fn_View_Main_On_Draw();
        glFinish();
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

// The bare baseline of the same run: the same shells, drawn by a program of a few lines from
// per-corner vertex arrays (positions, normals, colours) built once, in the same context, size and
// light, the plate filling the view as the view's fit does. Modes as above (5 shade with edges,
// 6 shade without, 4 mesh).
struct C_Bare {
    std::vector<float> m_Positions, m_Normals, m_Colors;
    std::vector<GLuint> m_Edges;
    C_Bare()
    {
        const auto& models = S_Fn_Scene().m_up_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
        const auto& data = models.at(1)->M_Fn_Data();
        for (const auto& element : data.m_Elements)
            for (std::uint32_t k = 0; k < 4; ++k) {
                const float* xyz = data.m_Nodes[static_cast<std::size_t>(element.M_Fn_Node_Corner_Get(k))].M_Fn_Coordinates();
                m_Positions.insert(m_Positions.end(), xyz, xyz + 3);
                m_Normals.insert(m_Normals.end(), {element.m_Normal.x, element.m_Normal.y, element.m_Normal.z});
                m_Colors.insert(m_Colors.end(), {0.4f, 0.4f, 0.4f, 1.0f});
                const GLuint first = static_cast<GLuint>(m_Positions.size() / 3 - 1 - k);
                m_Edges.insert(m_Edges.end(), {first + k, first + (k + 1) % 4});
            }
    }
};

void S_Fn_Bare(benchmark::State& state, int i_Mode)
{
    C_Scene& scene = S_Fn_Scene();
    if (!scene.m_Ok) {
        state.SkipWithError("no off-screen context or no model");
        return;
    }
    S_Fn_GL();
    static const C_Bare s_Bare;
    const C_Bare& bare = s_Bare;
    const GLsizei corners = static_cast<GLsizei>(bare.m_Positions.size() / 3);
    for (auto _ : state) {
        glViewport(0, 0, G_W, G_H);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        const double half_w = 500.0 * G_W / G_H * 1.1;
        glOrtho(500 - half_w, 500 + half_w, -50, 1050, -1000, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHT0);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_COLOR_MATERIAL);
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, bare.m_Positions.data());
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_FLOAT, 0, bare.m_Colors.data());
        if (i_Mode == 4) {
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            glDrawArrays(GL_QUADS, 0, corners);
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        } else {
            glEnable(GL_LIGHTING);
            glEnableClientState(GL_NORMAL_ARRAY);
            glNormalPointer(GL_FLOAT, 0, bare.m_Normals.data());
            glDrawArrays(GL_QUADS, 0, corners);
            glDisableClientState(GL_NORMAL_ARRAY);
            glDisable(GL_LIGHTING);
            if (i_Mode == 5) {
                glDisableClientState(GL_COLOR_ARRAY);
                glColor3f(0.125f, 0.125f, 0.125f);
                glDrawElements(GL_LINES, static_cast<GLsizei>(bare.m_Edges.size()), GL_UNSIGNED_INT, bare.m_Edges.data());
            }
        }
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        glFinish();
    }
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["pixels"] = S_Fn_Pixels_Drawn();
}
void BM_Bare_Shade(benchmark::State& state) { S_Fn_Bare(state, 5); }
void BM_Bare_Shade_No_Edge(benchmark::State& state) { S_Fn_Bare(state, 6); }
void BM_Bare_Mesh(benchmark::State& state) { S_Fn_Bare(state, 4); }

} // namespace

BENCHMARK(BM_Bare_Shade)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Bare_Shade_No_Edge)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Bare_Mesh)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Frame_Shade)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Frame_Shade_No_Edge)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Frame_Mesh)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_Frame_Grid)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Frame_Hover_Pick_Element)->Unit(benchmark::kMillisecond)->MinTime(2.0);
