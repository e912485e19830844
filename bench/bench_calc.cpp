// Speed of the whole section calculation with the 360-degree option on (72 bending directions and
// the six standard load cases, 79 load cases in all): mesh rebuild, loops, element checks,
// properties, end restraints and every load case, on a closed section of N line segments (a
// serrated ring whose neighbouring walls turn too sharply to be merged). The "per_segment" counter
// is the time of one segment's share of a run; the complexity fit shows it stays linear in N.
#include "bench/Bench_Port_Quiet.h"
#include "app/App.h"
#include "app/App_Port.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Key.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "common/Common_String.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {

using namespace N_Biz::N_Sect;
using N_Common::N_Pointer::lesser_shared_ptr;


// The application with schema, configuration (360-degree option on) and result labels; made once.
C_App& G_Fn_App()
{
    static C_App s_App(std::make_shared<C_Port_Quiet>());
    static const bool s_Ready = [] {
        const std::filesystem::path dir = G_Fn_Bench_Build_Dir();
        auto schema = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        schema->M_Fn_Init(N_Common::N_String::G_Fn_To_Wide_UTF8(dir.string() + "/"));
        s_App.m_sp_Schema = schema;
        s_App.m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        s_App.m_sp_Config->M_Fn_Data().m_Show_Inertia_360 = 1;
        // A load that uses the large ring noticeably (the default would leave utilisations near
        // the 1e-6 floor of the failure factors).
        s_App.m_sp_Config->M_Fn_Data().m_Calc_Param_9 = 1.0e8f;
        s_App.m_sp_Sect_Info = std::make_shared<C_Info>();
        return true;
    }();
    (void)s_Ready;
    return s_App;
}

// A project with one steel property of wall thickness 1 and a section holding the ring.
struct C_Setup {
    std::unique_ptr<N_Biz::N_Proj::C_Proj> m_up_Proj;
    std::unique_ptr<C_Sect> m_up_Sect;

    explicit C_Setup(int i_Count)
    {
        using namespace N_Biz::N_DB;
        const C_Info_Schema& schema = *G_Fn_App().m_sp_Schema;
        m_up_Proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
        C_Sect::S_p_Proj = m_up_Proj.get();
        m_up_Sect = std::make_unique<C_Sect>();
        C_Sect::S_p_Proj = nullptr;

        lesser_shared_ptr<C_Row_C_Material> sp_mat(new C_Row_C_Material(schema.M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Ratio_Poisson).M_Fn_Ref<float>() = 0.3f;
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Modulus_E).M_Fn_Ref<float>() = 210000.0f;
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_Y).M_Fn_Ref<float>() = 210.0f;
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_U).M_Fn_Ref<float>() = 262.5f;
        m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_D_Add_At(1, sp_mat);
        lesser_shared_ptr<C_Row_C_Property> sp_prop(new C_Row_C_Property(schema.M_Fn_Info_Table_Lookup_By_Format(1, "Property")));
        sp_prop->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Thk).M_Fn_Ref<float>() = 1.0f;
        sp_prop->M_Fn_Key_C_Material() = C_Key_C_Material(sp_mat);
        m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_D_Add_At(1, sp_prop);
        const C_Key_C_Property key(sp_prop);

        // Points round a circle of radius 1000, every second one 20 further out.
        C_Mgr_D_Geom_P& points = m_up_Sect->M_Fn_Get_Mgr_D_Geom_P();
        C_Mgr_D_Geom_E& entities = m_up_Sect->M_Fn_Get_Mgr_D_Geom_E();
        std::vector<std::int32_t> ids;
        for (int i = 0; i < i_Count; ++i) {
            const double angle = 2.0 * M_PI * i / i_Count;
            const double radius = i % 2 ? 1020.0 : 1000.0;
            const std::uint32_t id = points.M_Fn_Next_Index();
            auto up = std::make_unique<C_D_Geom_Point>(static_cast<float>(radius * std::cos(angle)),
                                                       static_cast<float>(radius * std::sin(angle)));
            points.M_Fn_D_Add_At(id, up);
            ids.push_back(static_cast<std::int32_t>(id));
        }
        for (int i = 0; i < i_Count; ++i) {
            C_Mgr_D_Geom_E::T_sp_Entity sp = std::make_shared<C_D_Geom_E_Line>(ids[i], ids[(i + 1) % i_Count]);
            sp->m_Key_C_P = key;
            entities.M_Fn_D_Add_At(entities.M_Fn_Next_Index(), sp);
        }
    }
    ~C_Setup()
    {
        m_up_Sect.reset();
        m_up_Proj.reset();
    }
};

void BM_Calc_Full_360(benchmark::State& ro_State)
{
    const int count = static_cast<int>(ro_State.range(0));
    C_Setup setup(count);
    C_Mgr_Calc& calc = setup.m_up_Sect->M_Fn_Get_Mgr_Calc();
    for (auto _ : ro_State) {
        C_Context_Calc context;
        const int status = calc.M_Fn_Update(context);
        if (status != 1) {
            ro_State.SkipWithError("the calculation failed");
            break;
        }
        benchmark::DoNotOptimize(calc.M_Fn_Get_Result()->m_Case[1].m_Bound[0][0]);
    }
    const auto& segments = setup.m_up_Sect->M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_Store();
    if (static_cast<int>(segments.size() - segments.free_count() - 1) != count)
        ro_State.SkipWithError("segments were merged");
    ro_State.SetComplexityN(count);
    ro_State.counters["per_segment"] =
        benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Calc_Full_360)->Arg(1250)->Arg(2500)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The same without the mesh rebuild: the calculation's own share.
void BM_Calc_Mesh_360(benchmark::State& ro_State)
{
    const int count = static_cast<int>(ro_State.range(0));
    C_Setup setup(count);
    setup.m_up_Sect->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Sub_Relation_Rebuild();
    C_Mgr_Calc& calc = setup.m_up_Sect->M_Fn_Get_Mgr_Calc();
    for (auto _ : ro_State) {
        C_Context_Calc context;
        if (calc.M_Fn_Update_Mesh(context) != 1) {
            ro_State.SkipWithError("the calculation failed");
            break;
        }
        benchmark::DoNotOptimize(calc.M_Fn_Get_Result()->m_Case[1].m_Bound[0][0]);
    }
    ro_State.SetComplexityN(count);
    ro_State.counters["per_segment"] =
        benchmark::Counter(static_cast<double>(count), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Calc_Mesh_360)->Arg(1250)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace
