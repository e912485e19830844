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
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
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

// The last frame's pixels.
std::vector<unsigned char> S_Fn_Pixels()
{
    std::vector<unsigned char> pixels(std::size_t(G_W) * G_H * 4);
    glReadPixels(0, 0, G_W, G_H, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

// How many pixels of the last frame differ from its corner pixel (the background): the area drawn,
// so that the program and the bare baseline can be seen to draw about the same.
double S_Fn_Pixels_Drawn()
{
    const std::vector<unsigned char> pixels = S_Fn_Pixels();
    std::size_t drawn = 0;
    for (std::size_t i = 0; i < pixels.size(); i += 4)
        drawn += !std::equal(pixels.begin() + i, pixels.begin() + i + 3, pixels.begin());
    return double(drawn);
}

// Frames per second of the program and of the bare baseline by bare mode (see below); whichever
// of the two runs second reports their ratio as the counter "program/bare".
void S_Fn_Ratio(benchmark::State& state, int i_Bare_Mode, bool i_Bare, std::chrono::steady_clock::duration i_Time)
{
    static std::map<int, std::pair<double, double>> s_Fps;
    std::pair<double, double>& fps = s_Fps[i_Bare_Mode];
    const double seconds = std::chrono::duration<double>(i_Time).count();
    if (seconds <= 0)
        return;
    (i_Bare ? fps.second : fps.first) = double(state.iterations()) / seconds;
    if (fps.first > 0 && fps.second > 0)
        state.counters["program/bare"] = fps.first / fps.second;
}

// Frames in model display mode i_Mode (3 grid, 4 mesh, 5 shade), chosen as the user would.
void S_Fn_Frames(benchmark::State& state, std::int32_t i_Mode, int i_Bare_Mode = 0)
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
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        frame.M_Fn_View_Main_On_Draw();
        glFinish();
    }
    if (i_Bare_Mode)
        S_Fn_Ratio(state, i_Bare_Mode, false, std::chrono::steady_clock::now() - start);
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["elements"] = double(G_N) * G_N;
    state.counters["pixels"] = S_Fn_Pixels_Drawn();
}

void BM_Frame_Shade(benchmark::State& state) { S_Fn_Frames(state, 5, 5); }
void BM_Frame_Shade_No_Edge(benchmark::State& state)
{
    S_Fn_Scene().m_App.m_sp_Config->M_Fn_Data().m_Show_Edge_Shade = 0;
    S_Fn_Frames(state, 5, 6);
    S_Fn_Scene().m_App.m_sp_Config->M_Fn_Data().m_Show_Edge_Shade = 1;
}
void BM_Frame_Mesh(benchmark::State& state) { S_Fn_Frames(state, 4, 4); }
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

// One frame of the program in bare mode i_Mode (as below), without the axis triad; the
// configuration is left as it was.
void S_Fn_Program_Frame(int i_Mode)
{
    C_Scene& scene = S_Fn_Scene();
    auto& config = scene.m_App.m_sp_Config->M_Fn_Data();
    const auto coord = config.m_Show_Coord, edge = config.m_Show_Edge_Shade, disp = config.m_Model_Disp;
    config.m_Show_Coord = 0;
    config.m_Show_Edge_Shade = i_Mode == 6 ? 0 : 1;
    config.m_Model_Disp = i_Mode == 4 ? 4 : 5;
    N_Biz::N_Proj::C_Mgr_Frame& frame = scene.m_up_Proj->M_Fn_Get_Mgr_Frame();
    frame.M_Fn_Config_Disp_Update();
    frame.M_Fn_View_Main_On_Draw();
    glFinish();
    config.m_Show_Coord = coord;
    config.m_Show_Edge_Shade = edge;
    config.m_Model_Disp = disp;
    frame.M_Fn_Config_Disp_Update();
}

// The bare baseline of the same run: the same shells drawn by a program of a few lines from
// per-corner vertex arrays (positions, normals, and the card colours the program resolved) and
// index lists of the faces and edges, all built once, with one glDrawElements for the faces and one
// for the edges, nothing done per element (this Mesa draws quads from an index list faster than
// the same quads by glDrawArrays). It draws in the view's own context, so the light, light
// model, colour material, normal rescaling and blending are those the view set up when it was
// made; per frame it clears as the view does, loads the view's projection and the modelview the
// view builds for the model (W R T(t) and the model's transform, made once by the same GL calls),
// and sets the depth test, lighting, polygon mode and polygon offset each display mode of the view
// uses. Modes as above (5 shade with edges, 6 shade without, 4 mesh). The counter "differ" is the
// number of pixels in which its last frame differs from the program's frame in the same mode drawn
// right after it (without the axis triad, so only the rotation-centre marker may differ).
struct C_Bare {
    std::vector<float> m_Positions, m_Normals, m_Colors;
    std::vector<GLuint> m_Quads, m_Edges;
    float m_Projection[16] = {};
    float m_Modelview[16] = {};
    C_Bare()
    {
        C_Scene& scene = S_Fn_Scene();
        const auto& models = scene.m_up_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
        const N_Biz::N_Model::C_Model& model = *models.at(1);
        const auto& data = model.M_Fn_Data();
        for (const auto& element : data.m_Elements)
            for (std::uint32_t k = 0; k < 4; ++k) {
                const float* xyz = data.m_Nodes[static_cast<std::size_t>(element.M_Fn_Node_Corner_Get(k))].M_Fn_Coordinates();
                m_Positions.insert(m_Positions.end(), xyz, xyz + 3);
                m_Normals.insert(m_Normals.end(), {element.m_Normal.x, element.m_Normal.y, element.m_Normal.z});
                const GLuint first = static_cast<GLuint>(m_Positions.size() / 3 - 1 - k);
                m_Edges.insert(m_Edges.end(), {first + k, first + (k + 1) % 4});
            }
        for (GLuint i = 0; i < static_cast<GLuint>(m_Positions.size() / 3); ++i)
            m_Quads.push_back(i);
        // The element colours as the program resolves them from the cards (its arrays after a frame).
        S_Fn_Program_Frame(5);
        m_Colors = model.M_Fn_Draw_Arrays().m_Colors;
        // The view's matrices, as the view's frame makes them.
        const N_Biz::N_Proj::C_Mgr_Frame& frame = scene.m_up_Proj->M_Fn_Get_Mgr_Frame();
        const auto& center = frame.M_Fn_Get_Center_Rotate();
        glGetFloatv(GL_PROJECTION_MATRIX, m_Projection);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glMultMatrixf(frame.M_Fn_Get_W().m_Data);
        glMultMatrixf(frame.M_Fn_Get_R().m_Data);
        glTranslatef(-center.x, -center.y, -center.z);
        glMultMatrixf(model.M_Fn_Transform().m_Data);
        glGetFloatv(GL_MODELVIEW_MATRIX, m_Modelview);
        glPopMatrix();
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
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        glClearColor(0, 0, 0, 1);
        glClearDepth(1.0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadMatrixf(bare.m_Projection);
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixf(bare.m_Modelview);
        glEnable(GL_DEPTH_TEST);
        glEnableClientState(GL_VERTEX_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, bare.m_Positions.data());
        glEnableClientState(GL_COLOR_ARRAY);
        glColorPointer(4, GL_FLOAT, 0, bare.m_Colors.data());
        glPolygonOffset(1, 1);
        if (i_Mode == 4) {
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            glEnable(GL_POLYGON_OFFSET_LINE);
            glDrawElements(GL_QUADS, corners, GL_UNSIGNED_INT, bare.m_Quads.data());
            glDisable(GL_POLYGON_OFFSET_LINE);
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            glDisableClientState(GL_COLOR_ARRAY);
        } else {
            glEnable(GL_LIGHTING);
            glEnable(GL_POLYGON_OFFSET_FILL);
            glEnableClientState(GL_NORMAL_ARRAY);
            glNormalPointer(GL_FLOAT, 0, bare.m_Normals.data());
            glDrawElements(GL_QUADS, corners, GL_UNSIGNED_INT, bare.m_Quads.data());
            glDisableClientState(GL_NORMAL_ARRAY);
            glDisableClientState(GL_COLOR_ARRAY);
            glDisable(GL_POLYGON_OFFSET_FILL);
            glDisable(GL_LIGHTING);
            if (i_Mode == 5) {
                glColor3f(0.125f, 0.125f, 0.125f);
                glDrawElements(GL_LINES, static_cast<GLsizei>(bare.m_Edges.size()), GL_UNSIGNED_INT, bare.m_Edges.data());
            }
        }
        glDisable(GL_DEPTH_TEST);
        glFinish();
    }
    S_Fn_Ratio(state, i_Mode, true, std::chrono::steady_clock::now() - start);
    state.counters["fps"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["pixels"] = S_Fn_Pixels_Drawn();
    // The program's frame in the same mode, without the triad, against the bare one.
    const std::vector<unsigned char> pixels_bare = S_Fn_Pixels();
    S_Fn_Program_Frame(i_Mode);
    const std::vector<unsigned char> pixels_program = S_Fn_Pixels();
    std::size_t differ = 0;
    for (std::size_t i = 0; i < pixels_bare.size(); i += 4)
        differ += !std::equal(pixels_bare.begin() + i, pixels_bare.begin() + i + 3, pixels_program.begin() + i);
    state.counters["differ"] = double(differ);
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
