// Speed of the binary stream forms: a slot table of 10,000 counted-pointer rows and a vector of
// 100,000 floats, written to and read from a std::stringstream.
#include "common/Common_Stream_Serialize.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace N_Common::N_Stream;
using N_Common::N_Container::slotvec;
using N_Common::N_Pointer::lesser_shared_ptr;

namespace {

// A small row: an id and a 2-D position, as a section point carries.
struct C_Bench_Row {
    virtual ~C_Bench_Row() = default;
    std::int32_t m_Id = 0;
    float m_X = 0;
    float m_Y = 0;
};

E_Result read_row(std::istream& s, C_Bench_Row& r)
{
    E_Result result = G_Fn_Serialize_I(s, r.m_Id);
    if (result == 1)
        result = G_Fn_Serialize_I(s, r.m_X);
    if (result == 1)
        result = G_Fn_Serialize_I(s, r.m_Y);
    return result;
}

E_Result write_row(std::ostream& s, const C_Bench_Row& r)
{
    E_Result result = G_Fn_Serialize_O(s, r.m_Id);
    if (result == 1)
        result = G_Fn_Serialize_O(s, r.m_X);
    if (result == 1)
        result = G_Fn_Serialize_O(s, r.m_Y);
    return result;
}

E_Result read_slot(std::istream& s, lesser_shared_ptr<C_Bench_Row>& p) { return G_Fn_Serialize_lsp_I(s, p, read_row); }
E_Result write_slot(std::ostream& s, const lesser_shared_ptr<C_Bench_Row>& p) { return G_Fn_Serialize_lsp_O(s, p, write_row); }

constexpr int k_Slots = 10000;
constexpr int k_Floats = 100000;

slotvec<lesser_shared_ptr<C_Bench_Row>> make_table()
{
    slotvec<lesser_shared_ptr<C_Bench_Row>> t;
    t.add({});
    for (int i = 1; i <= k_Slots; ++i) {
        lesser_shared_ptr<C_Bench_Row> r(new C_Bench_Row);
        r->m_Id = i;
        r->m_X = float(i) * 0.5f;
        r->m_Y = float(i) * 0.25f;
        t.add(r);
    }
    return t;
}

std::vector<float> make_floats()
{
    std::vector<float> v(k_Floats);
    for (int i = 0; i < k_Floats; ++i)
        v[i] = float(i) * 0.125f;
    return v;
}

void BM_Slotvec_Write(benchmark::State& state)
{
    const auto table = make_table();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::stringstream s(std::ios::in | std::ios::out | std::ios::binary);
        if (G_Fn_Serialize_slotvec_O(s, table, write_slot) != 1)
            state.SkipWithError("write failed");
        bytes = static_cast<std::size_t>(s.tellp());
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.SetItemsProcessed(state.iterations() * k_Slots);
}
BENCHMARK(BM_Slotvec_Write)->Unit(benchmark::kMicrosecond);

void BM_Slotvec_Read(benchmark::State& state)
{
    std::stringstream out(std::ios::in | std::ios::out | std::ios::binary);
    G_Fn_Serialize_slotvec_O(out, make_table(), write_slot);
    const std::string data = out.str();
    for (auto _ : state) {
        std::stringstream s(data, std::ios::in | std::ios::binary);
        slotvec<lesser_shared_ptr<C_Bench_Row>> table;
        table.add({});
        if (G_Fn_Serialize_slotvec_I(s, table, read_slot) != 1 || table.size() != k_Slots + 1)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(table);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
    state.SetItemsProcessed(state.iterations() * k_Slots);
}
BENCHMARK(BM_Slotvec_Read)->Unit(benchmark::kMicrosecond);

void BM_Vector_Float_Write(benchmark::State& state)
{
    const auto floats = make_floats();
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::stringstream s(std::ios::in | std::ios::out | std::ios::binary);
        if (G_Fn_Serialize_vector_O(s, floats, &G_Fn_Serialize_O<float>) != 1)
            state.SkipWithError("write failed");
        bytes = static_cast<std::size_t>(s.tellp());
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.SetItemsProcessed(state.iterations() * k_Floats);
}
BENCHMARK(BM_Vector_Float_Write)->Unit(benchmark::kMicrosecond);

void BM_Vector_Float_Read(benchmark::State& state)
{
    std::stringstream out(std::ios::in | std::ios::out | std::ios::binary);
    G_Fn_Serialize_vector_O(out, make_floats(), &G_Fn_Serialize_O<float>);
    const std::string data = out.str();
    for (auto _ : state) {
        std::stringstream s(data, std::ios::in | std::ios::binary);
        std::vector<float> floats;
        if (G_Fn_Serialize_vector_I(s, floats, &G_Fn_Serialize_I<float>) != 1 || floats.size() != k_Floats)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(floats);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.size()));
    state.SetItemsProcessed(state.iterations() * k_Floats);
}
BENCHMARK(BM_Vector_Float_Read)->Unit(benchmark::kMicrosecond);

} // namespace
