// The wall segment: a straight piece of wall between two mesh nodes with its thickness, its
// material values and, after a calculation, its results.
//
// Segment setup (M_Fn_Set) never throws for bad data: a length, thickness or material value that
// is missing or below 1e-6 (strictly) sets the invalid bit, the segment stays in the mesh, and the
// calculation's element checks report it.
#pragma once

#include "biz/sect/Biz_Sect_D_Tess_Element.h"
#include "common/Common_Math_Vector.h"

#include <cstdint>
#include <memory>
#include <string>

namespace N_Biz::N_Sect {

class C_D_Tess_E_Segment : public C_D_Tess_Element {
public:
    using C_Vector2f = N_Common::N_Math::C_Vector2<float>;

    // Indices of the stress statistics in m_Stress: statistic s (0 maximum, 1 critical, 2 corner,
    // 3 average, 4 minimum) at end e (0, 1) is m_Stress[2 * s + e].
    static constexpr std::uint32_t S_Count_Stress = 10;

    // Two zeroed node references (0 start, 1 terminate), every float 0, no property.
    C_D_Tess_E_Segment();
    C_D_Tess_E_Segment(const C_D_Tess_E_Segment&) = default;
    C_D_Tess_E_Segment& operator=(const C_D_Tess_E_Segment&) = default;
    ~C_D_Tess_E_Segment() override;

    std::uint32_t M_Fn_Type_Get() const override { return E_Type_Segment; }
    std::wstring M_Fn_Type_Name_Get() const override { return L"Segment"; }
    std::unique_ptr<C_D_Tess_Element> Clone_apo_D_Tess_Element() const override;
    // Both ends are end points.
    bool M_Fn_Ref_Node_Is_Endpoint(std::uint32_t i_Pos) const override { return true; }
    // 0 gives 1 and 1 gives 0; any other position throws C_Exception.
    std::uint32_t M_Fn_Ref_Node_Get_i_Pos_Node_Ctrl_The_Other_Endpoint(std::uint32_t i_Pos) const override;
    // Show-thickness on: a filled quadrilateral of the wall (nothing for a half thickness below
    // 1e-6); off: one line over the frame's vertex array of node positions (index = node id).
    void M_Fn_Draw_Geom(C_Context_Draw_Tess& ro_Context) const override;

    // Sets a fresh segment up between two stored nodes: flags weld (bit 4) and individual thickness
    // (bit 5), the property key, the thickness, the node ids; then midpoint, direction, unit
    // direction (0, 1 for a zero direction), both direction bounds and length from the nodes. A
    // weld stops there. Otherwise the property's four thicknesses (weighted by w1..w4 unless
    // i_Thk_Individual), Poisson ratio, elastic modulus, yield and ultimate stress are read; every
    // missing or too small value sets the invalid bit. Throws only when a node id names no stored
    // node.
    void M_Fn_Set(C_Sect* i_p_Sect, bool i_Weld, bool i_Thk_Individual, const T_Key_C_P& ro_Key_C_P, float i_W1,
                  float i_W2, float i_W3, float i_W4, float i_Thk, std::uint32_t i_Id_Node_Start,
                  std::uint32_t i_Id_Node_Terminate);

    C_Vector2f m_Mid;
    // Terminate minus start, not normalised.
    C_Vector2f m_Dir;
    C_Vector2f m_Dir_Unit;
    // Clockwise (A) and counter-clockwise (B) bound of the directions this segment stands for;
    // both the unit direction at setup, widened by the merge pass.
    C_Vector2f m_Dir_Bound_A;
    C_Vector2f m_Dir_Bound_B;
    float m_Length = 0;
    float m_Thk = 0;
    float m_Thk_Over_Length = 0;
    float m_Area = 0;
    float m_Ratio_Poisson = 0;
    float m_Modulus_E = 0;
    float m_Limit_Stress_U = 0;
    float m_Limit_Stress_Y = 0;
    // Calculation results: Dep/L per end, and the stress statistics (S_Count_Stress).
    float m_Dep_L[2] = {0, 0};
    float m_Stress[S_Count_Stress] = {};

protected:
    void M_Fn_Desc_Output_Body(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                               C_Context_Desc_Output& ro_Output) const override;
};

} // namespace N_Biz::N_Sect
