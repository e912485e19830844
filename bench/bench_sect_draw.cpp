// Frames per second of the section's main view in an off-screen Mesa context (software
// rasterizer), 1024 x 768: a closed section of 10,000 line entities (a serrated ring whose walls
// turn too sharply to be merged, so 10,000 wall segments), calculated once, then painted again and
// again. "Mesh_Thickness" shows the mesh with the walls' thickness and joint patches, the 360
// degree moment of inertia, the principal axes, the grid and the weakest-element mark;
// "Geometry" the geometry with its points.
#include "bench/Bench_Port_Quiet.h"
#include "app/App.h"
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
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "common/Common_String.h"

#include <benchmark/benchmark.h>

#ifdef VT_HAVE_OSMESA
#include <GL/gl.h>
#include <GL/osmesa.h>
#endif

#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

namespace {

using namespace N_Biz::N_Sect;
using N_Common::N_Pointer::lesser_shared_ptr;

constexpr int S_Width = 1024;
constexpr int S_Height = 768;
constexpr int S_Count = 10000;

C_App& G_Fn_App()
{
    static C_App s_App(std::make_shared<C_Port_Quiet>());
    static const bool s_Ready = [] {
        auto schema = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        schema->M_Fn_Init(N_Common::N_String::G_Fn_To_Wide_UTF8(G_Fn_Bench_Build_Dir().string() + "/"));
        s_App.m_sp_Schema = schema;
        s_App.m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        // A load that uses the large ring noticeably (the default would leave utilisations at the
        // floor of the failure factors).
        s_App.m_sp_Config->M_Fn_Data().m_Calc_Param_9 = 1.0e8f;
        s_App.m_sp_Sect_Info = std::make_shared<C_Info>();
        return true;
    }();
    (void)s_Ready;
    return s_App;
}

class C_View_Off : public C_Mgr_Frame::C_View {
public:
    void M_Fn_Invalidate() override {}
};

// The project with one steel property of wall thickness 8, the section with the ring, and the
// main view created and fitted in an off-screen context of its own.
struct C_Setup {
    std::unique_ptr<N_Biz::N_Proj::C_Proj> m_up_Proj;
    std::unique_ptr<C_Sect> m_up_Sect;
    std::vector<unsigned char> m_Pixels;
#ifdef VT_HAVE_OSMESA
    OSMesaContext m_Context = nullptr;
#endif
    C_View_Off m_View;

    C_Setup()
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
        sp_prop->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Thk).M_Fn_Ref<float>() = 8.0f;
        sp_prop->M_Fn_Key_C_Material() = C_Key_C_Material(sp_mat);
        sp_prop->m_Display.M_Fn_Color_Set({0.9f, 0.6f, 0.2f, 1.0f});
        m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_D_Add_At(1, sp_prop);
        const C_Key_C_Property key(sp_prop);

        C_Mgr_D_Geom_P& points = m_up_Sect->M_Fn_Get_Mgr_D_Geom_P();
        C_Mgr_D_Geom_E& entities = m_up_Sect->M_Fn_Get_Mgr_D_Geom_E();
        std::vector<std::int32_t> ids;
        for (int i = 0; i < S_Count; ++i) {
            const double angle = 2.0 * M_PI * i / S_Count;
            const double radius = i % 2 ? 1020.0 : 1000.0;
            const std::uint32_t id = points.M_Fn_Next_Index();
            auto up = std::make_unique<C_D_Geom_Point>(float(radius * std::cos(angle)), float(radius * std::sin(angle)));
            points.M_Fn_D_Add_At(id, up);
            ids.push_back(std::int32_t(id));
        }
        for (int i = 0; i < S_Count; ++i) {
            C_Mgr_D_Geom_E::T_sp_Entity sp = std::make_shared<C_D_Geom_E_Line>(ids[i], ids[(i + 1) % S_Count]);
            sp->m_Key_C_P = key;
            entities.M_Fn_D_Add_At(entities.M_Fn_Next_Index(), sp);
        }
#ifdef VT_HAVE_OSMESA
        m_Pixels.resize(std::size_t(S_Width) * S_Height * 4);
        m_Context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
        if (m_Context && OSMesaMakeCurrent(m_Context, m_Pixels.data(), GL_UNSIGNED_BYTE, S_Width, S_Height)) {
            C_Mgr_Frame& frame = m_up_Sect->M_Fn_Get_Mgr_Frame();
            frame.M_Fn_View_Main_On_Create(&m_View);
            frame.M_Fn_View_Main_On_Size(S_Width, S_Height);
            frame.M_Fn_View_Main_Reset();
        }
#endif
    }
    ~C_Setup()
    {
#ifdef VT_HAVE_OSMESA
        if (m_Context)
            OSMesaDestroyContext(m_Context);
#endif
        m_up_Sect.reset();
        m_up_Proj.reset();
    }
};

void G_Fn_Paint(benchmark::State& ro_State, bool i_Mesh)
{
#ifdef VT_HAVE_OSMESA
    N_Biz::N_Config::C_Config_Data& config = G_Fn_App().m_sp_Config->M_Fn_Data();
    config.m_Show_Thickness = i_Mesh ? 1 : 0;
    config.m_Show_Inertia_360 = i_Mesh ? 1 : 0;
    config.m_Show_Principal = i_Mesh ? 1 : 0;
    config.m_Show_Grid = 1;
    config.m_Show_Weakest = 1;
    C_Setup setup;
    if (!setup.m_Context) {
        ro_State.SkipWithError("no off-screen context");
        return;
    }
    if (i_Mesh)
        setup.m_up_Sect->M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Element();
    C_Mgr_Frame& frame = setup.m_up_Sect->M_Fn_Get_Mgr_Frame();
    frame.M_Fn_View_Main_Draw(); // the first paint calculates
    glFinish();
    if (!setup.m_up_Sect->M_Fn_Get_Mgr_Calc().M_Fn_Get_Result()->m_Valid) {
        ro_State.SkipWithError("the calculation failed");
        return;
    }
    const auto& segments = setup.m_up_Sect->M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_Store();
    if (int(segments.size() - segments.free_count() - 1) != S_Count) {
        ro_State.SkipWithError("segments were merged");
        return;
    }
    for (auto _ : ro_State) {
        frame.M_Fn_View_Main_Draw();
        glFinish();
    }
    ro_State.counters["fps"] = benchmark::Counter(double(ro_State.iterations()), benchmark::Counter::kIsRate);
#else
    ro_State.SkipWithError("built without OSMesa");
#endif
}

void BM_Sect_Draw_Mesh_Thickness(benchmark::State& ro_State)
{
    G_Fn_Paint(ro_State, true);
}
BENCHMARK(BM_Sect_Draw_Mesh_Thickness)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Sect_Draw_Geometry(benchmark::State& ro_State)
{
    G_Fn_Paint(ro_State, false);
}
BENCHMARK(BM_Sect_Draw_Geometry)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
