// Speed of the section mesh rebuild that every calculation runs first: a section of 10,000
// entities (lines, semicircular arcs and rational quadratic curves in turn, chained in 100 rows of
// 100 so that neighbours share end nodes) is cleared and meshed again, merge pass included. The
// property is a wall of thickness 0.1 with a steel material. The "per_entity" counter is the time
// of one entity's share of a rebuild.
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
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Curve_NURBS.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "common/Common_String.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

using namespace N_Biz::N_Sect;
using N_Common::N_Pointer::lesser_shared_ptr;

constexpr int k_Rows = 100;
constexpr int k_Per_Row = 100;


// The application, project and section with its 10,000 entities, made once.
struct C_Setup {
    C_App m_App{std::make_shared<C_Port_Quiet>()};
    std::unique_ptr<N_Biz::N_Proj::C_Proj> m_up_Proj;
    std::unique_ptr<C_Sect> m_up_Sect;

    C_Setup()
    {
        using namespace N_Biz::N_DB;
        const std::filesystem::path dir = G_Fn_Bench_Build_Dir();
        auto schema = std::make_shared<C_Info_Schema>();
        schema->M_Fn_Init(N_Common::N_String::G_Fn_To_Wide_UTF8(dir.string() + "/"));
        m_App.m_sp_Schema = schema;
        m_App.m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        m_up_Proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
        C_Sect::S_p_Proj = m_up_Proj.get();
        m_up_Sect = std::make_unique<C_Sect>();
        C_Sect::S_p_Proj = nullptr;

        lesser_shared_ptr<C_Row_C_Material> sp_mat(new C_Row_C_Material(schema->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Ratio_Poisson).M_Fn_Ref<float>() = 0.3f;
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Modulus_E).M_Fn_Ref<float>() = 210000.0f;
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_Y).M_Fn_Ref<float>() = 210.0f;
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_U).M_Fn_Ref<float>() = 262.5f;
        m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_D_Add_At(1, sp_mat);
        lesser_shared_ptr<C_Row_C_Property> sp_prop(new C_Row_C_Property(schema->M_Fn_Info_Table_Lookup_By_Format(1, "Property")));
        sp_prop->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Thk).M_Fn_Ref<float>() = 0.1f;
        sp_prop->M_Fn_Key_C_Material() = C_Key_C_Material(sp_mat);
        m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_D_Add_At(1, sp_prop);
        const C_Key_C_Property key(sp_prop);

        C_Mgr_D_Geom_P& points = m_up_Sect->M_Fn_Get_Mgr_D_Geom_P();
        C_Mgr_D_Geom_E& entities = m_up_Sect->M_Fn_Get_Mgr_D_Geom_E();
        auto point = [&](float i_X, float i_Y) {
            const std::uint32_t id = points.M_Fn_Next_Index();
            auto up = std::make_unique<C_D_Geom_Point>(i_X, i_Y);
            points.M_Fn_D_Add_At(id, up);
            return static_cast<std::int32_t>(id);
        };
        for (int row = 0; row < k_Rows; ++row) {
            const float y = 10.0f * row;
            std::int32_t id_prev = point(0, y);
            for (int i = 0; i < k_Per_Row; ++i) {
                const float x = 2.0f * i;
                const std::int32_t id_next = point(x + 2, y);
                C_Mgr_D_Geom_E::T_sp_Entity sp;
                switch (i % 3) {
                case 0: sp = std::make_shared<C_D_Geom_E_Line>(id_prev, id_next); break;
                case 1: sp = std::make_shared<C_D_Geom_E_Arc>(id_prev, id_next, point(x + 1, y), i % 2); break;
                default: {
                    auto sp_c = std::make_shared<C_D_Geom_E_Curve_NURBS>();
                    const std::int32_t id_mid = point(x + 1, y + 1);
                    sp_c->m_Ref_Points.resize(5);
                    const std::int32_t refs[5] = {id_prev, id_next, id_prev, id_mid, id_next};
                    for (int r = 0; r < 5; ++r)
                        sp_c->m_Ref_Points[r].m_Id_Point = refs[r];
                    sp_c->m_Curve.m_Order = 3;
                    sp_c->m_Curve.m_Count_Ctrl = 3;
                    sp_c->m_Curve.m_Count_Knot = 6;
                    sp_c->m_Curve.m_Knots = {0, 0, 0, 1, 1, 1};
                    sp_c->m_Curve.m_Ctrls = {{0, 0, 0, 1}, {0, 0, 0, 0.7071068f}, {0, 0, 0, 1}};
                    sp = sp_c;
                }
                }
                sp->m_Key_C_P = key;
                entities.M_Fn_D_Add_At(entities.M_Fn_Next_Index(), sp);
                id_prev = id_next;
            }
        }
    }
};

C_Setup& G_Fn_Setup()
{
    static C_Setup s_Setup;
    return s_Setup;
}

void BM_Mesh_Rebuild(benchmark::State& ro_State)
{
    C_Sect& sect = *G_Fn_Setup().m_up_Sect;
    for (auto _ : ro_State)
        benchmark::DoNotOptimize(sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Sub_Relation_Rebuild());
    const auto& store = sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_Store();
    ro_State.counters["segments"] = double(store.size() - store.free_count() - 1);
    ro_State.counters["per_entity"] =
        benchmark::Counter(double(k_Rows * k_Per_Row), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Mesh_Rebuild)->Unit(benchmark::kMillisecond);

} // namespace
