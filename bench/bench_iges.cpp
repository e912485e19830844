// IGES file layer: writing and reading a file of a few thousand entities (lines, matrix-placed arcs,
// splines, composite curves of lines, colour definitions).
#include "bench/Bench_Port_Quiet.h"
#include "app/App.h"
#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"
#include "biz/iges/Biz_IGES_Entity_102_Curve_Composite.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_124_Matrix.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"
#include "biz/iges/Biz_IGES_Entity_314_Color.h"
#include "biz/iges/Biz_IGES_Export_Context_File.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "common/Common_String.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

using namespace N_Biz::N_IGES;

namespace {

// Messages of the reader and writer go nowhere.

C_App& S_Fn_App()
{
    static C_App s_App(std::make_shared<C_Port_Quiet>());
    return s_App;
}

const std::wstring& S_Fn_Path()
{
    static const std::wstring s_Path = N_Common::N_String::G_Fn_To_Wide_UTF8(
        (std::filesystem::temp_directory_path() / ("vt_bench_iges_" + std::to_string(::getpid()) + ".igs")).string());
    return s_Path;
}

// i_Groups groups of: a colour, 4 lines, a composite of them, a matrix with an arc, a spline of 8
// control points: 9 entities each.
void S_Fn_Fill(N_Export::C_Context_File& io_Writer, int i_Groups)
{
    io_Writer.m_sp_Global = std::make_shared<C_Global>();
    io_Writer.m_sp_Global->m_Product_Id_Sender = "bench";
    std::uint32_t slot = 0;
    auto add = [&](std::shared_ptr<C_Entity> i_Entity) {
        i_Entity->m_Id = std::int32_t(++slot);
        io_Writer.m_Table.add_at(slot, std::move(i_Entity));
        return std::int32_t(slot);
    };
    for (int g = 0; g < i_Groups; ++g) {
        auto color = std::make_shared<C_Entity_314_Color>();
        color->m_Color[0] = 0.01f * float(g % 100);
        color->m_Name = "Auto-created Property";
        const std::int32_t color_slot = add(color);
        auto composite = std::make_shared<C_Entity_102_Curve_Composite>();
        for (int i = 0; i < 4; ++i) {
            auto line = std::make_shared<C_Entity_110_Line>();
            line->m_X1 = float(g) + 0.125f * float(i);
            line->m_Y1 = -1.5f * float(i);
            line->m_X2 = line->m_X1 + 0.125f;
            line->m_Y2 = line->m_Y1 - 1.5f;
            line->M_Fn_Set_Subordinate(1);
            composite->m_Members.push_back(add(line));
        }
        composite->M_Fn_Set_Color_Slot(color_slot);
        add(composite);
        auto matrix = std::make_shared<C_Entity_124_Matrix>();
        matrix->m_Matrix(0, 3) = float(g);
        const std::int32_t matrix_slot = add(matrix);
        auto arc = std::make_shared<C_Entity_100_Arc_Circular>();
        arc->m_X2 = 10.0f, arc->m_Y3 = 10.0f;
        arc->M_Fn_Set_Matrix_Slot(matrix_slot);
        add(arc);
        auto spline = std::make_shared<C_Entity_126_Curve_B_Spline_Rational>();
        spline->m_Degree = 3;
        spline->m_Count_Ctrl = 8;
        spline->m_Count_Knot = 12;
        spline->m_Knots = {0, 0, 0, 0, 0.2f, 0.4f, 0.6f, 0.8f, 1, 1, 1, 1};
        spline->m_Weights.assign(8, 1.0f);
        for (int i = 0; i < 8; ++i)
            spline->m_Ctrl_Points.emplace_back(float(i), float(g), 0.0f);
        spline->m_V1 = 1.0f;
        spline->M_Fn_Set_Color_Slot(color_slot);
        add(spline);
    }
}

void BM_IGES_Write(benchmark::State& state)
{
    S_Fn_App();
    N_Export::C_Context_File writer(S_Fn_Path(), L"bench.igs");
    S_Fn_Fill(writer, int(state.range(0)));
    for (auto _ : state) {
        if (writer.M_Fn_Export() != 1)
            state.SkipWithError("write failed");
    }
    state.counters["entities"] = double(writer.m_Table.size() - 1);
    state.counters["lines"] = double(writer.m_Lines_D.size() + writer.m_Lines_P.size());
    state.SetItemsProcessed(std::int64_t(state.iterations()) * (writer.m_Table.size() - 1));
}

void BM_IGES_Read(benchmark::State& state)
{
    S_Fn_App();
    {
        N_Export::C_Context_File writer(S_Fn_Path(), L"bench.igs");
        S_Fn_Fill(writer, int(state.range(0)));
        writer.M_Fn_Export();
    }
    std::size_t entities = 0;
    for (auto _ : state) {
        N_Import::C_Context_File reader(S_Fn_Path(), L"bench.igs");
        if (reader.M_Fn_Import() != 1)
            state.SkipWithError("read failed");
        entities = reader.m_Table.size() - 1;
        benchmark::DoNotOptimize(reader.m_Table);
    }
    state.counters["entities"] = double(entities);
    state.SetItemsProcessed(std::int64_t(state.iterations()) * std::int64_t(entities));
    std::error_code ec;
    std::filesystem::remove(std::filesystem::path(N_Common::N_String::G_Fn_To_Narrow_UTF8(S_Fn_Path())), ec);
}

} // namespace

// 400 groups: 3,600 entities.
BENCHMARK(BM_IGES_Write)->Arg(400)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IGES_Read)->Arg(400)->Unit(benchmark::kMillisecond);
