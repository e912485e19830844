// Helpers of the mesh tests: an application with the real schema and a configuration, a project,
// one section of it, standard property and material cards, and points and entities put straight
// into the section's stores.
#pragma once

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
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Curve_NURBS.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_D_Tess_E_Segment.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Relation_Geom_E_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "tests/db/Test_DB_Support.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace N_Test_Sect_Mesh {

using N_Common::N_Pointer::lesser_shared_ptr;
using namespace N_Biz::N_Sect;

// The schema of the fourteen files the build installed beside the program (read once).
inline std::shared_ptr<N_Biz::N_DB::C_Info_Schema> G_Fn_Schema() { return N_Test_DB::G_Fn_Schema_Real(); }

// The application, a project and one section of it.
class C_Mesh_Test : public ::testing::Test {
protected:
    C_Mesh_Test()
    {
        m_App.app().m_sp_Schema = G_Fn_Schema();
        m_App.app().m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        C_Sect::S_p_Proj = m_up_Proj.get();
        m_up_Sect = std::make_unique<C_Sect>();
        C_Sect::S_p_Proj = nullptr;
    }
    ~C_Mesh_Test() override
    {
        m_up_Sect.reset();
        m_up_Proj.reset();
    }

    N_Biz::N_Config::C_Config_Data& M_Fn_Config() { return m_App.app().m_sp_Config->M_Fn_Data(); }
    C_Sect& sect() { return *m_up_Sect; }
    C_Mgr_D_Geom_P& points() { return sect().M_Fn_Get_Mgr_D_Geom_P(); }
    C_Mgr_D_Geom_E& entities() { return sect().M_Fn_Get_Mgr_D_Geom_E(); }
    C_Mgr_D_Tess_N& nodes() { return sect().M_Fn_Get_Mgr_D_Tess_N(); }
    C_Mgr_D_Tess_E& elements() { return sect().M_Fn_Get_Mgr_D_Tess_E(); }
    C_Mgr_D_Relation_Geom_E_Tess_E& relations() { return sect().M_Fn_Get_Mgr_D_Relation(); }

    // A standard property card of wall thickness i_Thk with a steel material card (Poisson 0.3,
    // E 210000, yield 210, ultimate 262.5), both stored in the project; the key names the property.
    C_D_Tess_Element::T_Key_C_P M_Fn_Property(float i_Thk, float i_Poisson = 0.3f)
    {
        using namespace N_Biz::N_DB;
        const C_Info_Table* p_mat = G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Material");
        const C_Info_Table* p_prop = G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Property");
        lesser_shared_ptr<C_Row_C_Material> sp_mat(new C_Row_C_Material(p_mat));
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Ratio_Poisson).M_Fn_Ref<float>() = i_Poisson;
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Modulus_E).M_Fn_Ref<float>() = 210000.0f;
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_Y).M_Fn_Ref<float>() = 210.0f;
        sp_mat->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_U).M_Fn_Ref<float>() = 262.5f;
        auto& mgr_m = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M();
        mgr_m.M_Fn_D_Add_At(mgr_m.M_Fn_Get_Store().next_index(), sp_mat);
        lesser_shared_ptr<C_Row_C_Property> sp_prop(new C_Row_C_Property(p_prop));
        sp_prop->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Thk).M_Fn_Ref<float>() = i_Thk;
        sp_prop->M_Fn_Key_C_Material() = C_Key_C_Material(sp_mat);
        auto& mgr_p = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P();
        mgr_p.M_Fn_D_Add_At(mgr_p.M_Fn_Get_Store().next_index(), sp_prop);
        m_Cards.push_back(sp_prop);
        return C_D_Tess_Element::T_Key_C_P(sp_prop);
    }

    // A point at (x, y) at the next free index; its id.
    std::int32_t M_Fn_Point(float i_X, float i_Y)
    {
        const std::uint32_t id = points().M_Fn_Next_Index();
        auto up = std::make_unique<C_D_Geom_Point>(i_X, i_Y);
        points().M_Fn_D_Add_At(id, up);
        return static_cast<std::int32_t>(id);
    }
    // An entity at the next free index; its id.
    std::uint32_t M_Fn_Entity(std::shared_ptr<C_D_Geom_Entity> i_sp_Entity)
    {
        const std::uint32_t id = entities().M_Fn_Next_Index();
        entities().M_Fn_D_Add_At(id, i_sp_Entity);
        return id;
    }
    std::uint32_t M_Fn_Line(std::int32_t i_A, std::int32_t i_B, const C_D_Tess_Element::T_Key_C_P& ro_Key = {})
    {
        auto sp = std::make_shared<C_D_Geom_E_Line>(i_A, i_B);
        sp->m_Key_C_P = ro_Key;
        return M_Fn_Entity(sp);
    }
    // The whole mesh again: relations, elements and nodes cleared, every entity meshed, merged.
    void M_Fn_Rebuild() { EXPECT_EQ(entities().M_Fn_Proc_Cmd_Sub_Relation_Rebuild(), 1); }

    // Stored objects of a table (slot 0 not counted).
    template <class Store>
    static std::uint32_t S_Fn_Count(const Store& ro_Store)
    {
        return ro_Store.size() - ro_Store.free_count() - 1;
    }
    // The stored segments in slot order.
    std::vector<const C_D_Tess_E_Segment*> M_Fn_Segments()
    {
        std::vector<const C_D_Tess_E_Segment*> result;
        const auto& store = elements().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < store.size(); ++i)
            if (store.is_used_at(i))
                result.push_back(dynamic_cast<const C_D_Tess_E_Segment*>(store.at(i).get()));
        return result;
    }

    C_Test_App m_App;
    std::unique_ptr<N_Biz::N_Proj::C_Proj> m_up_Proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
    std::unique_ptr<C_Sect> m_up_Sect;
    std::vector<lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property>> m_Cards;
};

} // namespace N_Test_Sect_Mesh
