// The project view: frames per second of drawing a model of 1,000,000 four-node shells (a generated
// 1000 x 1000 plate, 1,002,001 nodes) in a 1024 x 768 off-screen Mesa context with the software
// rasterizer, in each model display mode (shade with and without element edges, mesh, grid), the
// whole frame as the view's paint draws it (clear, models, rotation centre, triad, text); and a
// frame that starts with a one-pixel hover pick over the same model.
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

} // namespace

BENCHMARK(BM_Frame_Shade)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Frame_Shade_No_Edge)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Frame_Mesh)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Frame_Grid)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Frame_Hover_Pick_Element)->Unit(benchmark::kMillisecond)->MinTime(2.0);
