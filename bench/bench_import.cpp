// Deck import: a generated plate of 1000 x 1000 four-node shells (1,002,001 nodes, 1,000,000
// elements) as a Nastran deck in small field, in small field with a continuation mnemonic in
// columns 73-80 of every line that no line continues, and in large field, and as a Dyna deck, read
// into a model on one core. Reports the deck's bytes per second and, per node or element (counted
// together), the peak memory the import took (resident set high-water mark above what the process
// held before) and the memory the finished model keeps (heap in use afterwards).
#include "bench/Bench_Port_Quiet.h"
#include "app/App.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/model/Biz_Model.h"
#include "common/Common_String.h"
#include "tests/db/Test_Import_Exercise.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int G_N = 1000; // elements along each side


C_App& S_Fn_App()
{
    static C_App s_App(std::make_shared<C_Port_Quiet>());
    if (!s_App.m_sp_Schema) {
        const std::filesystem::path dir = G_Fn_Bench_Build_Dir();
        auto schema = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        schema->M_Fn_Init(N_Common::N_String::G_Fn_To_Wide_UTF8(dir.string() + "/"));
        s_App.m_sp_Schema = schema;
    }
    return s_App;
}

// The generated decks, removed when the program ends.
struct C_Decks {
    std::vector<std::string> m_Paths;
    ~C_Decks()
    {
        for (const std::string& path : m_Paths)
            std::remove(path.c_str());
    }
} S_Decks;

enum E_Deck { E_Deck_Small, E_Deck_Large, E_Deck_Dyna, E_Deck_Marker };

// Writes the deck once per kind; returns its path.
std::string S_Fn_Deck(E_Deck i_Kind)
{
    static const char* const names[] = {"small.bdf", "large.bdf", "plate.k", "marker.bdf"};
    const std::string path =
        (std::filesystem::temp_directory_path() / ("vt_bench_import_" + std::to_string(::getpid()) + "_" + names[i_Kind])).string();
    if (std::filesystem::exists(path))
        return path;
    S_Decks.m_Paths.push_back(path);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return path;
    const double step = 1000.0 / G_N;
    auto node = [&](int i, int j) { return i * (G_N + 1) + j + 1; };
    if (i_Kind == E_Deck_Dyna) {
        std::fprintf(file, "*KEYWORD\n*PART\nplate\n         1         1         1\n*SECTION_SHELL\n         1\n       1.5\n");
        std::fprintf(file, "*MAT_ELASTIC\n         1    7.8E-9  210000.0       0.3\n*NODE\n");
        for (int i = 0; i <= G_N; ++i)
            for (int j = 0; j <= G_N; ++j)
                std::fprintf(file, "%8d%16.6f%16.6f%16.6f%8d%8d\n", node(i, j), j * step, i * step, 0.0, 0, 0);
        std::fprintf(file, "*ELEMENT_SHELL\n");
        for (int i = 0; i < G_N; ++i)
            for (int j = 0; j < G_N; ++j)
                std::fprintf(file, "%8d%8d%8d%8d%8d%8d\n", i * G_N + j + 1, 1, node(i, j), node(i, j + 1), node(i + 1, j + 1),
                             node(i + 1, j));
        std::fprintf(file, "*END\n");
    } else {
        std::fprintf(file, "SOL 101\nCEND\nBEGIN BULK\nPSHELL         1       1     1.5\nMAT1           1  2.1+5             .3\n");
        for (int i = 0; i <= G_N; ++i)
            for (int j = 0; j <= G_N; ++j) {
                if (i_Kind == E_Deck_Small)
                    std::fprintf(file, "GRID    %8d        %8.3f%8.3f%8.3f\n", node(i, j), j * step, i * step, 0.0);
                else if (i_Kind == E_Deck_Marker)
                    std::fprintf(file, "GRID    %8d        %8.3f%8.3f%8.3f%24s+G%-6d\n", node(i, j), j * step, i * step, 0.0, "",
                                 node(i, j) % 1000000);
                else
                    std::fprintf(file, "GRID*   %16d%16s%16.6f%16.6f\n*       %16.6f\n", node(i, j), "", j * step, i * step, 0.0);
            }
        for (int i = 0; i < G_N; ++i)
            for (int j = 0; j < G_N; ++j) {
                const int e = i * G_N + j + 1;
                if (i_Kind == E_Deck_Small)
                    std::fprintf(file, "CQUAD4  %8d%8d%8d%8d%8d%8d\n", e, 1, node(i, j), node(i, j + 1), node(i + 1, j + 1), node(i + 1, j));
                else if (i_Kind == E_Deck_Marker)
                    std::fprintf(file, "CQUAD4  %8d%8d%8d%8d%8d%8d%16s+E%-6d\n", e, 1, node(i, j), node(i, j + 1), node(i + 1, j + 1),
                                 node(i + 1, j), "", e % 1000000);
                else
                    std::fprintf(file, "CQUAD4* %16d%16d%16d%16d\n*       %16d%16d\n", e, 1, node(i, j), node(i, j + 1),
                                 node(i + 1, j + 1), node(i + 1, j));
            }
        std::fprintf(file, "ENDDATA\n");
    }
    std::fclose(file);
    return path;
}

// A kB figure of /proc/self/status ("VmRSS:", "VmHWM:").
long S_Fn_Status_kB(const char* i_Key)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(i_Key, 0) == 0)
            return std::stol(line.substr(std::string(i_Key).size()));
    return 0;
}

void S_Fn_Import(benchmark::State& state, E_Deck i_Kind)
{
    C_App& app = S_Fn_App();
    (void)app;
    const std::string path = S_Fn_Deck(i_Kind);
    const std::wstring wide = N_Common::N_String::G_Fn_To_Wide_UTF8(path);
    const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(path));
    double peak_per = 0.0, kept_per = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        malloc_trim(0);
        // Resets the high-water mark to the current resident set.
        std::ofstream("/proc/self/clear_refs") << "5";
        const long rss_before = S_Fn_Status_kB("VmRSS:");
        const struct mallinfo2 heap_before = mallinfo2();
        state.ResumeTiming();
        N_Test_DB::C_Test_Proj_Port port;
        auto model = N_Test_DB::G_Fn_Model_New(port);
        const std::uint32_t result =
            i_Kind == E_Deck_Dyna ? model->M_Fn_Import_Dyna(wide, L"plate", nullptr) : model->M_Fn_Import_Nastran(wide, L"plate", nullptr);
        state.PauseTiming();
        const double count = double(model->M_Fn_Data().m_Nodes.size() + model->M_Fn_Data().m_Elements.size());
        if (result != 1 || model->M_Fn_Data().m_Elements.size() != std::size_t(G_N) * G_N)
            state.SkipWithError("import failed");
        peak_per = double(S_Fn_Status_kB("VmHWM:") - rss_before) * 1024.0 / count;
        const struct mallinfo2 heap_after = mallinfo2();
        kept_per = (double(heap_after.uordblks + heap_after.hblkhd) - double(heap_before.uordblks + heap_before.hblkhd)) / count;
        model.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
    state.counters["peak_B_per_node_or_elem"] = peak_per;
    state.counters["kept_B_per_node_or_elem"] = kept_per;
    state.counters["deck_MB"] = double(bytes) / 1e6;
}

void BM_Import_Nastran_Small(benchmark::State& state) { S_Fn_Import(state, E_Deck_Small); }
void BM_Import_Nastran_Large(benchmark::State& state) { S_Fn_Import(state, E_Deck_Large); }
void BM_Import_Nastran_Marker(benchmark::State& state) { S_Fn_Import(state, E_Deck_Marker); }
void BM_Import_Dyna(benchmark::State& state) { S_Fn_Import(state, E_Deck_Dyna); }

} // namespace

BENCHMARK(BM_Import_Nastran_Small)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Import_Nastran_Marker)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Import_Nastran_Large)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Import_Dyna)->Unit(benchmark::kMillisecond)->Iterations(3);
