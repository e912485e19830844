// IGES type 126: a rational B-spline curve of degree M with K+1 control points and K+M+2 knots.
//
// The counts K and M come from the file and size the knot, weight and control-point lists, so
// they are refused when negative or larger than the parameter text could hold.
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"

#include <cstdint>
#include <vector>

namespace N_Biz::N_IGES {

class C_Entity_126_Curve_B_Spline_Rational : public C_Entity {
public:
    // Empty: no knots, weights or control points, degree and counts 0; entity use geometry.
    C_Entity_126_Curve_B_Spline_Rational() = default;

    std::unique_ptr<C_Entity> Clone_apo_Entity() const override;
    std::int32_t M_Fn_Get_Type() const override { return 126; }
    const wchar_t* M_Fn_Get_Name_Type() const override { return L"Rational B-Spline Curve"; }
    // (0, 0, 0) for start and finish and one (0, 0, 0) as the point after the start: the curve's
    // ends are found by the section import from its knots, not here.
    int M_Fn_Get_o_Vector3_f_Start(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const override;
    int M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const override;
    int M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>& io_List,
                                                const C_Table_Entity& ro_Table) const override;
    // Every control point, transformed.
    int M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>& io_List,
                                              const C_Table_Entity& ro_Table) const override;
    // Every control point, unless the curve is placed by a matrix entity.
    int M_Fn_Transform(const C_Matrix4_f& ro_T) override;
    // K, M, PROP1..PROP4 (integers), K+M+2 knots, K+1 weights, K+1 control points (x, y, z), V0, V1,
    // XNORM, YNORM, ZNORM (reals).
    // The entity's section curve (see Biz_IGES_Entity_Sect_Geom_Build.cpp).
    int M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build& io_Context) const override;
    int M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build& ro_Context, C_Vector3_f& o_Start,
                            C_Vector3_f& o_Finish) const override;
    int M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                          char i_Delimiter_Record) override;
    // Throws when the lists do not hold the counts (knots = control points + degree + 1).
    int M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                          char i_Delimiter_Record) const override;

    // True when a curve of this order and knot vector starts at its first control point: order at
    // most 2, or knots 1 to degree all equal to knot 0. Throws when the vector holds fewer than
    // order knots.
    static bool S_Fn_If_Ctrl_Is_Start(std::int32_t i_Order, const std::vector<float>& ro_Knots);
    // The same at the end: the last degree+1 knots equal.
    static bool S_Fn_If_Ctrl_Is_Terminate(std::int32_t i_Order, const std::vector<float>& ro_Knots);

    // PROP1..PROP4: planar, closed, polynomial, periodic.
    std::uint8_t m_Planar = 0;
    std::uint8_t m_Closed = 0;
    std::uint8_t m_Polynomial = 0;
    std::uint8_t m_Periodic = 0;
    std::int32_t m_Degree = 0;        // M
    std::int32_t m_Count_Ctrl = 0;    // K+1
    std::int32_t m_Count_Knot = 0;    // K+M+2
    float m_V0 = 0.0f, m_V1 = 0.0f;   // parameter range
    std::vector<float> m_Knots;
    std::vector<float> m_Weights;
    std::vector<C_Vector3_f> m_Ctrl_Points;
    C_Vector3_f m_Normal;             // XNORM, YNORM, ZNORM
};

} // namespace N_Biz::N_IGES
