// Helpers of the section data tests: an application with the real schema and a configuration, a
// project, one section of it, property cards, and section geometry made through the managers'
// undoable operations inside history entries, as the editing commands make it.
#pragma once

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Entry_C.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Curve_NURBS.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace N_Test_Sect_Geom {

using namespace N_Biz::N_Sect;
using N_Common::N_Pointer::lesser_shared_ptr;
using T_sp_Group = std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>;
using T_sp_Entity = std::shared_ptr<C_D_Geom_Entity>;

inline std::shared_ptr<N_Biz::N_DB::C_Info_Schema> G_Fn_Schema()
{
    static std::shared_ptr<N_Biz::N_DB::C_Info_Schema> schema = [] {
        auto s = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        s->M_Fn_Init(L"" VT_BINARY_DIR "/");
        return s;
    }();
    return schema;
}

// The bytes of a section's part of the project stream.
inline std::string G_Fn_Bytes(const C_Sect& ro_Sect)
{
    std::ostringstream out;
    EXPECT_EQ(ro_Sect.M_Fn_Stream_Serialize_o_O(out), E_Result_Success);
    return out.str();
}

class C_Geom_Test : public ::testing::Test {
protected:
    C_Geom_Test()
    {
        m_App.app().m_sp_Schema = G_Fn_Schema();
        m_App.app().m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        m_up_Sect = M_Fn_Sect_New();
        m_up_Sect->M_Fn_Get_Signal().connect([this](C_Sect&, E_Signal i_Code) { m_Codes.push_back(i_Code); });
    }
    ~C_Geom_Test() override
    {
        // The history's entries reach the section: they go first.
        m_up_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Clear();
        m_up_Sect.reset();
        m_up_Proj.reset();
    }

    std::unique_ptr<C_Sect> M_Fn_Sect_New()
    {
        C_Sect::S_p_Proj = m_up_Proj.get();
        auto up = std::make_unique<C_Sect>();
        C_Sect::S_p_Proj = nullptr;
        return up;
    }

    C_Sect& sect() { return *m_up_Sect; }
    C_Mgr_D_Geom_P& points() { return sect().M_Fn_Get_Mgr_D_Geom_P(); }
    C_Mgr_D_Geom_E& entities() { return sect().M_Fn_Get_Mgr_D_Geom_E(); }
    N_Biz::N_Proj::C_Mgr_Cmd& history() { return m_up_Proj->M_Fn_Get_Mgr_Cmd(); }
    std::size_t M_Fn_History_Size() { return history().M_Fn_Get_History().size(); }

    // One history entry named i_Name whose changes i_Fn_Body makes in the entry's group.
    void M_Fn_Run(const wchar_t* i_Name, const std::function<void(const T_sp_Group&)>& i_Fn_Body)
    {
        auto sp_entry = std::make_shared<N_Biz::N_Sect::N_Cmd::C_Entry_C>(i_Name, sect().M_Fn_Get_Mgr_State());
        history().M_Fn_Entry_Run(sp_entry, [&] {
            auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
            sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
            i_Fn_Body(sp_group);
        });
    }
    // A point at (x, y) through a free-position pick; its id.
    std::uint32_t M_Fn_Point(const T_sp_Group& ro_sp_Group, float i_X, float i_Y)
    {
        std::uint32_t id = 0;
        EXPECT_EQ(points().M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle(C_Handle_D_Geom_P(0, {i_X, i_Y}), id, ro_sp_Group), 1);
        return id;
    }
    // A line from point i_A to point i_B at the next free index; its id.
    std::uint32_t M_Fn_Line(const T_sp_Group& ro_sp_Group, std::uint32_t i_A, std::uint32_t i_B)
    {
        T_sp_Entity sp =
            std::make_shared<C_D_Geom_E_Line>(static_cast<std::int32_t>(i_A), static_cast<std::int32_t>(i_B));
        const std::uint32_t id = entities().M_Fn_Next_Index();
        EXPECT_EQ(entities().M_Fn_Proc_Cmd_Sub_Add_At(id, sp, ro_sp_Group), 1);
        EXPECT_FALSE(sp);
        return id;
    }
    // Two new points in this order, and the line between them; the line's id.
    std::uint32_t M_Fn_Line_XY(const T_sp_Group& ro_sp_Group, float i_X0, float i_Y0, float i_X1, float i_Y1)
    {
        const std::uint32_t a = M_Fn_Point(ro_sp_Group, i_X0, i_Y0);
        const std::uint32_t b = M_Fn_Point(ro_sp_Group, i_X1, i_Y1);
        return M_Fn_Line(ro_sp_Group, a, b);
    }
    // A quadratic clamped NURBS curve through four new points, with the given property.
    std::uint32_t M_Fn_NURBS(const T_sp_Group& ro_sp_Group, const std::vector<std::array<float, 2>>& ro_Ctrl,
                             const N_Biz::N_DB::C_Key_C_Property& ro_Key)
    {
        auto sp = std::make_shared<C_D_Geom_E_Curve_NURBS>();
        sp->m_Curve.m_Order = 3;
        sp->m_Curve.m_Count_Ctrl = static_cast<std::int32_t>(ro_Ctrl.size());
        sp->m_Curve.m_Count_Knot = sp->m_Curve.m_Count_Ctrl + 3;
        sp->m_Curve.m_Knots = {0, 0, 0, 0.5f, 1, 1, 1};
        sp->m_Ref_Points.resize(ro_Ctrl.size() + 2);
        for (std::size_t i = 0; i < ro_Ctrl.size(); ++i) {
            sp->m_Curve.m_Ctrls.push_back({ro_Ctrl[i][0], ro_Ctrl[i][1], 0, 1});
            sp->m_Ref_Points[i + 2].m_Id_Point = static_cast<std::int32_t>(M_Fn_Point(ro_sp_Group, ro_Ctrl[i][0], ro_Ctrl[i][1]));
        }
        sp->m_Ref_Points[0].m_Id_Point = sp->m_Ref_Points[2].m_Id_Point;
        sp->m_Ref_Points[1].m_Id_Point = sp->m_Ref_Points.back().m_Id_Point;
        sp->m_Key_C_P = ro_Key;
        const std::uint32_t id = entities().M_Fn_Next_Index();
        T_sp_Entity sp_entity = sp;
        entities().M_Fn_Proc_Cmd_Sub_Add_At(id, sp_entity, ro_sp_Group);
        return id;
    }
    // A half arc about (i_Cx, i_Cy) from angle 0 to pi (i_Dir 0 counter-clockwise) through three new
    // points; its id.
    std::uint32_t M_Fn_Arc(const T_sp_Group& ro_sp_Group, float i_Cx, float i_Cy, float i_R, std::int32_t i_Dir)
    {
        const auto s = static_cast<std::int32_t>(M_Fn_Point(ro_sp_Group, i_Cx + i_R, i_Cy));
        const auto t = static_cast<std::int32_t>(M_Fn_Point(ro_sp_Group, i_Cx - i_R, i_Cy));
        const auto c = static_cast<std::int32_t>(M_Fn_Point(ro_sp_Group, i_Cx, i_Cy));
        T_sp_Entity sp = std::make_shared<C_D_Geom_E_Arc>(s, t, c, i_Dir);
        const std::uint32_t id = entities().M_Fn_Next_Index();
        entities().M_Fn_Proc_Cmd_Sub_Add_At(id, sp, ro_sp_Group);
        return id;
    }
    // A standard property card of thickness i_Thk (all four thicknesses), stored in the project.
    lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property> M_Fn_Property(float i_Thk)
    {
        using namespace N_Biz::N_DB;
        lesser_shared_ptr<C_Row_C_Property> sp(
            new C_Row_C_Property(G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Property")));
        sp->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Thk).M_Fn_Ref<float>() = i_Thk;
        auto& mgr = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P();
        mgr.M_Fn_D_Add_At(mgr.M_Fn_Get_Store().next_index(), sp);
        return sp;
    }
    const C_D_Geom_E_Line& M_Fn_Line_At(std::uint32_t i_Id)
    {
        return dynamic_cast<const C_D_Geom_E_Line&>(*entities().M_Fn_Get_At(i_Id));
    }

    C_Test_App m_App;
    std::unique_ptr<N_Biz::N_Proj::C_Proj> m_up_Proj = std::make_unique<N_Biz::N_Proj::C_Proj>();
    std::unique_ptr<C_Sect> m_up_Sect;
    std::vector<int> m_Codes;
};

} // namespace N_Test_Sect_Geom
