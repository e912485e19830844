// The project file: saving and opening a project that holds a model of 1,000,000 four-node shells
// (a generated 1000 x 1000 plate, 1,002,001 nodes), in bytes of the file per second. Saving runs
// the document's save (a new file beside the target, flushed to disk, renamed over it); opening
// reads that file into a new project as the document's open does. Beside them, in the same run,
// the plain write (with the flush to disk) and the plain read of the same bytes, against which the
// save and the open are measured. The writer and reader are also timed on a memory stream, without
// the file system.
#include "bench/Bench_Deck_Plate.h"
#include "bench/Bench_Port_Quiet.h"
#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "common/Common_String.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

constexpr int G_N = 1000;

// The application and a project holding the imported plate, saved once to a file.
struct C_Scene {
    C_App m_App{std::make_shared<C_Port_Quiet>()};
    std::unique_ptr<N_Biz::N_Proj::C_Proj> m_up_Proj;
    std::filesystem::path m_Path;
    std::string m_Bytes;
    bool m_Ok = false;

    C_Scene()
    {
        auto schema = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        schema->M_Fn_Init(N_Common::N_String::G_Fn_To_Wide_UTF8(G_Fn_Bench_Build_Dir().string() + "/"));
        m_App.m_sp_Schema = schema;
        m_App.m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        const std::filesystem::path dir = std::filesystem::temp_directory_path();
        const std::string stem = "vt_bench_proj_file_" + std::to_string(::getpid());
        const std::string deck = (dir / (stem + ".bdf")).string();
        m_Path = dir / (stem + ".qmxb");
        if (!G_Fn_Bench_Deck_Plate_Write(deck, E_Bench_Deck_Small, G_N))
            return;
        m_up_Proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
        m_up_Proj->M_Fn_Tree_Add();
        m_up_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(N_Common::N_String::G_Fn_To_Wide_UTF8(deck),
                                                                                L"plate.bdf");
        std::remove(deck.c_str());
        const auto& models = m_up_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
        if (!models.is_used_at(1) || models.at(1)->M_Fn_Data().m_Elements.size() != std::size_t(G_N) * G_N)
            return;
        std::ostringstream out;
        m_Ok = m_up_Proj->M_Fn_Stream_Serialize_o_O(out) == E_Result_Success &&
               N_Biz::N_Proj::C_Mgr_Doc::S_Fn_File_Write(*m_up_Proj, m_Path.wstring()) == 1;
        m_Bytes = out.str();
    }
    ~C_Scene()
    {
        m_up_Proj.reset();
        std::error_code error;
        std::filesystem::remove(m_Path, error);
    }
};

C_Scene& S_Fn_Scene()
{
    static C_Scene s_Scene;
    return s_Scene;
}

void BM_Proj_File_Save(benchmark::State& ro_State)
{
    C_Scene& scene = S_Fn_Scene();
    if (!scene.m_Ok) {
        ro_State.SkipWithError("no model");
        return;
    }
    for (auto _ : ro_State)
        if (N_Biz::N_Proj::C_Mgr_Doc::S_Fn_File_Write(*scene.m_up_Proj, scene.m_Path.wstring()) != 1)
            ro_State.SkipWithError("save failed");
    ro_State.SetBytesProcessed(static_cast<std::int64_t>(ro_State.iterations() * scene.m_Bytes.size()));
}
BENCHMARK(BM_Proj_File_Save)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Proj_File_Open(benchmark::State& ro_State)
{
    C_Scene& scene = S_Fn_Scene();
    if (!scene.m_Ok) {
        ro_State.SkipWithError("no model");
        return;
    }
    for (auto _ : ro_State) {
        ro_State.PauseTiming();
        auto up_proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
        up_proj->M_Fn_Tree_Add();
        ro_State.ResumeTiming();
        if (N_Biz::N_Proj::C_Mgr_Doc::S_Fn_File_Read(*up_proj, scene.m_Path.wstring()) != 1)
            ro_State.SkipWithError("open failed");
        ro_State.PauseTiming();
        up_proj.reset();
        ro_State.ResumeTiming();
    }
    ro_State.SetBytesProcessed(static_cast<std::int64_t>(ro_State.iterations() * scene.m_Bytes.size()));
}
BENCHMARK(BM_Proj_File_Open)->Unit(benchmark::kMillisecond)->UseRealTime();

// The baselines of the same run: the file's bytes written to a new file and flushed to disk (as
// the save does), and read back whole, with nothing done to them.
void BM_Plain_File_Write_Fsync(benchmark::State& ro_State)
{
    C_Scene& scene = S_Fn_Scene();
    if (!scene.m_Ok) {
        ro_State.SkipWithError("no model");
        return;
    }
    const std::string path = scene.m_Path.string() + ".plain";
    for (auto _ : ro_State) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file || std::fwrite(scene.m_Bytes.data(), 1, scene.m_Bytes.size(), file) != scene.m_Bytes.size() ||
            std::fflush(file) != 0 || ::fsync(::fileno(file)) != 0)
            ro_State.SkipWithError("write failed");
        if (file)
            std::fclose(file);
    }
    std::remove(path.c_str());
    ro_State.SetBytesProcessed(static_cast<std::int64_t>(ro_State.iterations() * scene.m_Bytes.size()));
}
BENCHMARK(BM_Plain_File_Write_Fsync)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Plain_File_Read(benchmark::State& ro_State)
{
    C_Scene& scene = S_Fn_Scene();
    if (!scene.m_Ok) {
        ro_State.SkipWithError("no model");
        return;
    }
    std::string bytes(scene.m_Bytes.size(), '\0');
    for (auto _ : ro_State) {
        std::FILE* file = std::fopen(scene.m_Path.string().c_str(), "rb");
        if (!file || std::fread(bytes.data(), 1, bytes.size(), file) != bytes.size())
            ro_State.SkipWithError("read failed");
        if (file)
            std::fclose(file);
        benchmark::DoNotOptimize(bytes.data());
    }
    ro_State.SetBytesProcessed(static_cast<std::int64_t>(ro_State.iterations() * scene.m_Bytes.size()));
}
BENCHMARK(BM_Plain_File_Read)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Proj_Stream_Write_Memory(benchmark::State& ro_State)
{
    C_Scene& scene = S_Fn_Scene();
    if (!scene.m_Ok) {
        ro_State.SkipWithError("no model");
        return;
    }
    for (auto _ : ro_State) {
        std::ostringstream out;
        benchmark::DoNotOptimize(scene.m_up_Proj->M_Fn_Stream_Serialize_o_O(out));
    }
    ro_State.SetBytesProcessed(static_cast<std::int64_t>(ro_State.iterations() * scene.m_Bytes.size()));
}
BENCHMARK(BM_Proj_Stream_Write_Memory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Proj_Stream_Read_Memory(benchmark::State& ro_State)
{
    C_Scene& scene = S_Fn_Scene();
    if (!scene.m_Ok) {
        ro_State.SkipWithError("no model");
        return;
    }
    for (auto _ : ro_State) {
        ro_State.PauseTiming();
        auto up_proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
        up_proj->M_Fn_Tree_Add();
        std::istringstream in(scene.m_Bytes);
        ro_State.ResumeTiming();
        benchmark::DoNotOptimize(up_proj->M_Fn_Stream_Serialize_o_I(in));
        ro_State.PauseTiming();
        up_proj.reset();
        ro_State.ResumeTiming();
    }
    ro_State.SetBytesProcessed(static_cast<std::int64_t>(ro_State.iterations() * scene.m_Bytes.size()));
}
BENCHMARK(BM_Proj_Stream_Read_Memory)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
