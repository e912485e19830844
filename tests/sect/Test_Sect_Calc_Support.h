// Helpers of the calculation tests: the mesh test's application, project and section, plus the
// result labels, material and property cards with chosen values, and meshes made by hand straight
// in the node and segment stores (or from lines when the whole run with its rebuild is wanted).
#pragma once

#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "tests/sect/Test_Sect_Mesh_Support.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace N_Test_Sect_Calc {

using namespace N_Biz::N_Sect;
using N_Common::N_Pointer::lesser_shared_ptr;
using T_Key = C_D_Tess_Element::T_Key_C_P;

struct C_Card_Values {
    float m_Thk = 2.0f;
    float m_E = 210000.0f;
    float m_Nu = 0.3f;
    float m_Sy = 210.0f;
    float m_Su = 262.5f;
};

class C_Calc_Test : public N_Test_Sect_Mesh::C_Mesh_Test {
protected:
    C_Calc_Test() { m_App.app().m_sp_Sect_Info = std::make_shared<C_Info>(); }

    C_Mgr_Calc& calc() { return sect().M_Fn_Get_Mgr_Calc(); }
    C_Result& result() { return *calc().M_Fn_Get_Result(); }

    // A standard material card with the given values, stored in the project.
    lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material> M_Fn_Material(const C_Card_Values& ro_V)
    {
        using namespace N_Biz::N_DB;
        lesser_shared_ptr<C_Row_C_Material> sp(
            new C_Row_C_Material(N_Test_Sect_Mesh::G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
        S_Fn_Float(*sp, E_Id_Column_Ratio_Poisson) = ro_V.m_Nu;
        S_Fn_Float(*sp, E_Id_Column_Modulus_E) = ro_V.m_E;
        S_Fn_Float(*sp, E_Id_Column_Limit_Stress_Y) = ro_V.m_Sy;
        S_Fn_Float(*sp, E_Id_Column_Limit_Stress_U) = ro_V.m_Su;
        auto& mgr = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M();
        mgr.M_Fn_D_Add_At(mgr.M_Fn_Get_Store().next_index(), sp);
        return sp;
    }
    // A standard property card of thickness i_Thk on the material (none when empty), stored.
    lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property> M_Fn_Property_On(
        float i_Thk, const lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material>& ro_sp_Material)
    {
        using namespace N_Biz::N_DB;
        lesser_shared_ptr<C_Row_C_Property> sp(
            new C_Row_C_Property(N_Test_Sect_Mesh::G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Property")));
        S_Fn_Float(*sp, E_Id_Column_Thk) = i_Thk;
        if (ro_sp_Material)
            sp->M_Fn_Key_C_Material() = C_Key_C_Material(ro_sp_Material);
        auto& mgr = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P();
        mgr.M_Fn_D_Add_At(mgr.M_Fn_Get_Store().next_index(), sp);
        m_Cards.push_back(sp);
        return sp;
    }
    // Material and property in one; the key that names the property.
    T_Key M_Fn_Card(const C_Card_Values& ro_V = {}) { return T_Key(M_Fn_Property_On(ro_V.m_Thk, M_Fn_Material(ro_V))); }

    static float& S_Fn_Float(N_Biz::N_DB::C_Row& ro_Row, N_Biz::N_DB::E_Id_Column i_Id)
    {
        return ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id).M_Fn_Ref<float>();
    }

    // A mesh node at (x, y); its id.
    std::uint32_t M_Fn_Node(float i_X, float i_Y)
    {
        auto sp = std::make_shared<C_D_Tess_Node>();
        sp->m_X = i_X;
        sp->m_Y = i_Y;
        const std::uint32_t id = nodes().M_Fn_Next_Index();
        nodes().M_Fn_D_Add_At(id, sp);
        return id;
    }
    // A segment from node i_A to node i_B with the property's thickness (weights 0.25 each), or a
    // weld of thickness i_Weld_Thk; its id.
    std::uint32_t M_Fn_Segment(std::uint32_t i_A, std::uint32_t i_B, const T_Key& ro_Key, bool i_Weld = false,
                               float i_Weld_Thk = 0.0f)
    {
        auto sp = std::make_shared<C_D_Tess_E_Segment>();
        sp->M_Fn_Set(&sect(), i_Weld, false, ro_Key, 0.25f, 0.25f, 0.25f, 0.25f, i_Weld_Thk, i_A, i_B);
        const std::uint32_t id = elements().M_Fn_Next_Index();
        C_Mgr_D_Tess_E::T_sp_Element sp_element = sp;
        elements().M_Fn_D_Add_At(id, sp_element);
        return id;
    }
    // Nodes at the points and segments between consecutive ones (closed: the last back to the
    // first), all of one property.
    std::vector<std::uint32_t> M_Fn_Polyline(const std::vector<std::pair<float, float>>& ro_Points, const T_Key& ro_Key,
                                             bool i_Closed)
    {
        std::vector<std::uint32_t> ids;
        for (const auto& [x, y] : ro_Points)
            ids.push_back(M_Fn_Node(x, y));
        std::vector<std::uint32_t> segments;
        for (std::size_t i = 0; i + 1 < ids.size(); ++i)
            segments.push_back(M_Fn_Segment(ids[i], ids[i + 1], ro_Key));
        if (i_Closed)
            segments.push_back(M_Fn_Segment(ids.back(), ids.front(), ro_Key));
        return segments;
    }
    // The rectangular tube of centre-line size 100 x 50 around (i_X, i_Y), counter-clockwise
    // from the lower left corner: bottom, right, top, left.
    std::vector<std::uint32_t> M_Fn_Tube(const T_Key& ro_Key, float i_X = 0.0f, float i_Y = 0.0f)
    {
        return M_Fn_Polyline({{i_X - 50, i_Y - 25}, {i_X + 50, i_Y - 25}, {i_X + 50, i_Y + 25}, {i_X - 50, i_Y + 25}},
                             ro_Key, true);
    }

    // The same tube drawn as four lines of one property (meshed by the run); the points' ids.
    std::array<std::int32_t, 4> M_Fn_Tube_Lines(const T_Key& ro_Key)
    {
        const std::array<std::int32_t, 4> p = {M_Fn_Point(-50, -25), M_Fn_Point(50, -25), M_Fn_Point(50, 25), M_Fn_Point(-50, 25)};
        for (std::size_t i = 0; i < 4; ++i)
            M_Fn_Line(p[i], p[(i + 1) % 4], ro_Key);
        return p;
    }

    // The run on the mesh as it stands (no rebuild).
    int M_Fn_Run(std::int32_t i_Quick = 0)
    {
        C_Context_Calc context;
        context.m_Quick = i_Quick;
        m_Last_Context = context;
        const int status = calc().M_Fn_Update_Mesh(context);
        m_Last_Context = context;
        return status;
    }

    C_D_Tess_E_Segment& M_Fn_Seg(std::uint32_t i_Id)
    {
        return static_cast<C_D_Tess_E_Segment&>(*elements().M_Fn_Get_At(i_Id));
    }

    C_Context_Calc m_Last_Context;
};

// |a - e| within a relative tolerance (and a small absolute one for values near 0).
inline ::testing::AssertionResult G_Fn_Rel(double i_Actual, double i_Expected, double i_Rel = 1e-5, double i_Abs = 1e-6)
{
    const double tol = std::fabs(i_Expected) * i_Rel + i_Abs;
    if (std::fabs(i_Actual - i_Expected) <= tol)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual " << i_Actual << " expected " << i_Expected << " (tolerance " << tol
                                         << ")";
}

} // namespace N_Test_Sect_Calc
