// The section's free-form curve: a rational B-spline whose control points are section points.
//
// References: position 0 the start point, 1 the terminate point, 2 .. count + 1 the control
// points in order. The curve (C_NURBS_Curve<float>) keeps order, counts, knots and per control
// point x, y, z and the weight w; x and y are refreshed from the control points' section points
// before every use (M_Fn_Ctrl_Point_Update), z is 0. The curve is drawn and meshed through GLU
// with homogeneous control points, so weights other than 1 give the exact rational curve.
//
// Binary form: the entity part, then the four IGES flag bytes, int32 order, control-point count
// and knot count, the knots as a vector of float32 and the control points as a vector of four
// float32 (x, y, z, w). Everything read is checked before it is kept: the counts must agree with
// each other (knots = control points + order, order at least 2), with both vectors and with the
// reference vector (control points + 2), the knots must be finite and non-decreasing and the
// weights finite and positive; otherwise the read fails with 0 and the curve is left as it was.
#pragma once

#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "common/Common_Math_Geom_NURBS_Curve.h"

#include <vector>

namespace N_Biz::N_Sect {

class C_D_Geom_E_Curve_NURBS : public C_D_Geom_Entity {
public:
    using C_Curve = N_Common::N_Math::N_Geom::C_NURBS_Curve<float>;

    // No reference, a default curve (every count 0); the factory's entity for type code 5.
    C_D_Geom_E_Curve_NURBS();
    C_D_Geom_E_Curve_NURBS(const C_D_Geom_E_Curve_NURBS&) = default;
    ~C_D_Geom_E_Curve_NURBS() override;

    std::int32_t M_Fn_Type_Get() const override { return E_Type_NURBS; }
    std::wstring M_Fn_Type_Name_Get() const override { return L"Rational B-Spline Curve"; }
    E_Result M_Fn_Stream_Serialize_I(std::istream& ro_Stream) override;
    E_Result M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const override;
    // The start point's node, nodes at the tessellated samples that are at least the sampling
    // distance apart (C_NURBS_Curve::M_Fn_Eval_Excluding_Endpoint; a sample on the terminate point
    // gets no node, so an open curve never ends in a zero-length segment), the terminate point's
    // node, one segment per consecutive pair (weights 0.25, thickness from the property) and one
    // relation record for them.
    void M_Fn_Relation_Tess_Build(C_Sect& ro_Sect) override;
    // Header, "Order: ", "Number of control points: ", "Number of knot sequence: ", the start and
    // terminate points' descriptions, and the property part.
    void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                          C_Context_Desc_Output& ro_Output) const override;

    std::unique_ptr<C_D_Geom_Entity> Clone_apo_D_Geom_Entity() const override;
    // ro_Other must be a rational B-spline curve (else C_Exception, nothing exchanged); then the
    // property keys and the curves are exchanged.
    void M_Fn_Modifiable_Swap(C_D_Geom_Entity& ro_Other) override;
    bool M_Fn_Ref_Point_Has_Endpoint() const override { return true; }
    // Positions 0 and 1 only.
    bool M_Fn_Ref_Point_Is_Endpoint(std::uint32_t i_Pos) const override { return i_Pos == 0 || i_Pos == 1; }
    // 0 gives 1 and 1 gives 0; any other position throws C_Exception.
    std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(std::uint32_t i_Pos) const override;
    std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Start() const override { return 0; }
    std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Terminate() const override { return 1; }
    // Always allowed: verdict 1, result 1.
    std::int32_t M_Fn_Move_Check(std::int32_t& o_Result, C_Context_Edit_Geom& io_Move) override;
    // One IGES 126 rational B-spline curve with the control points taken from their points (Biz_Sect_D_Geom_E_IGES_Export.cpp).
    void M_Fn_IGES_Export(const C_Sect& ro_Sect, N_Common::N_Container::slotvec<std::shared_ptr<N_Biz::N_IGES::C_Entity>>& io_Table,
                          std::int32_t& o_Id, std::int32_t i_Color, std::uint32_t i_Color_Pointer,
                          std::uint32_t i_Independent, std::uint32_t i_Reverse) const override;
    // The curve through the GLU renderer in the current colour and width; during a move preview
    // a copy with the moving control points offset, and nothing when none of them moves.
    void M_Fn_Draw(C_Context_Draw_Geom& io_Context) const override;

    // Sets control point i to the position of the point at reference i + 2 (z 0, its own weight).
    // A reference naming no stored point throws C_Exception; so does a reference vector shorter
    // than the control points need.
    void M_Fn_Ctrl_Point_Update(const C_Sect& ro_Sect);
    // A copy of the curve with the control points taken from their points, as M_Fn_Ctrl_Point_Update
    // would set them (for drawing, which must not change the entity).
    C_Curve M_Fn_Curve_Get(const C_Sect& ro_Sect) const;
    // Whether the curve, the reference vector and the counts agree (see the binary form).
    bool M_Fn_If_Consistent() const;

    C_Curve m_Curve;

private:
    // Sets ro_Curve's control points from this entity's control-point references (see
    // M_Fn_Ctrl_Point_Update).
    void M_Fn_Ctrl_Point_Update_Into(const C_Sect& ro_Sect, C_Curve& ro_Curve) const;
    // The sampling distance of meshing and drawing (C_Curve::S_Fn_Sampling_Distance of the meshing
    // thickness and configuration word 31).
    float M_Fn_Sampling_Distance() const;
};

} // namespace N_Biz::N_Sect
