#include "biz/sect/Biz_Sect_D_Geom_E_Curve_NURBS.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Tess_Settings.h"
#include "common/Common_Exception.h"

#include <optional>
#include <vector>

namespace N_Biz::N_Sect {

namespace {

using N_Common::N_Stream::G_Fn_Serialize_I;
using N_Common::N_Stream::G_Fn_Serialize_O;
using N_Common::N_Stream::G_Fn_Serialize_u8_I;
using N_Common::N_Stream::G_Fn_Serialize_u8_O;
using N_Common::N_Stream::N_Impl::G_Fn_Refuse;

const C_D_Geom_Point& G_Fn_Point(const C_Sect& ro_Sect, std::int32_t i_Id)
{
    return ro_Sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(static_cast<std::uint32_t>(i_Id));
}

// The header of a stream vector (size, first index, end index) that must hold exactly i_Count
// elements of at least i_Element_Bytes bytes each. 1, or 0 (refused) for anything else.
E_Result G_Fn_Vector_Header_I(std::istream& ro_Stream, std::uint32_t i_Count, std::size_t i_Element_Bytes)
{
    std::uint32_t size = 0, first = 0, end = 0;
    if (N_Common::N_Stream::N_Impl::G_Fn_Read_u32(ro_Stream, size) != E_Result_Success ||
        N_Common::N_Stream::N_Impl::G_Fn_Read_u32(ro_Stream, first) != E_Result_Success ||
        N_Common::N_Stream::N_Impl::G_Fn_Read_u32(ro_Stream, end) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (size != i_Count || first != 0 || end != size)
        return G_Fn_Refuse(ro_Stream);
    if (!N_Common::N_Stream::N_Impl::G_Fn_Stream_May_Hold(ro_Stream, std::uint64_t(size) * i_Element_Bytes))
        return G_Fn_Refuse(ro_Stream);
    return E_Result_Success;
}

} // namespace

C_D_Geom_E_Curve_NURBS::C_D_Geom_E_Curve_NURBS() = default;
C_D_Geom_E_Curve_NURBS::~C_D_Geom_E_Curve_NURBS() = default;

bool C_D_Geom_E_Curve_NURBS::M_Fn_If_Consistent() const
{
    return m_Curve.M_Fn_If_Consistent() &&
           m_Ref_Points.size() == static_cast<std::size_t>(m_Curve.m_Count_Ctrl) + 2;
}

E_Result C_D_Geom_E_Curve_NURBS::M_Fn_Stream_Serialize_I(std::istream& ro_Stream)
{
    E_Result result = C_D_Geom_Entity::M_Fn_Stream_Serialize_I(ro_Stream);
    if (result != E_Result_Success)
        return result;
    // Read into a fresh curve: a refused record leaves the entity's curve as it was.
    C_Curve curve;
    for (std::uint8_t& flag : curve.m_Flag)
        if ((result = G_Fn_Serialize_u8_I(ro_Stream, flag)) != E_Result_Success)
            return result;
    if ((result = G_Fn_Serialize_I(ro_Stream, curve.m_Order)) != E_Result_Success ||
        (result = G_Fn_Serialize_I(ro_Stream, curve.m_Count_Ctrl)) != E_Result_Success ||
        (result = G_Fn_Serialize_I(ro_Stream, curve.m_Count_Knot)) != E_Result_Success)
        return result;
    // Counts that disagree with each other or with the references are refused before any vector
    // is read, so a lying count can neither size an allocation nor send GLU past a vector's end.
    if (curve.m_Order < 2 || curve.m_Count_Ctrl < curve.m_Order ||
        static_cast<std::int64_t>(curve.m_Count_Knot) != static_cast<std::int64_t>(curve.m_Count_Ctrl) + curve.m_Order ||
        m_Ref_Points.size() != static_cast<std::size_t>(curve.m_Count_Ctrl) + 2)
        return G_Fn_Refuse(ro_Stream);

    const auto count_knot = static_cast<std::uint32_t>(curve.m_Count_Knot);
    if ((result = G_Fn_Vector_Header_I(ro_Stream, count_knot, 4)) != E_Result_Success)
        return result;
    curve.m_Knots.resize(count_knot);
    for (float& knot : curve.m_Knots)
        if ((result = G_Fn_Serialize_I(ro_Stream, knot)) != E_Result_Success)
            return result;

    const auto count_ctrl = static_cast<std::uint32_t>(curve.m_Count_Ctrl);
    if ((result = G_Fn_Vector_Header_I(ro_Stream, count_ctrl, 16)) != E_Result_Success)
        return result;
    curve.m_Ctrls.resize(count_ctrl);
    for (C_Curve::C_Ctrl_Point& ctrl : curve.m_Ctrls)
        if ((result = N_Common::N_Stream::G_Fn_Serialize_float4_I(ro_Stream, ctrl)) != E_Result_Success)
            return result;

    // Knots that go backwards or are not finite, and weights that are not positive, make no curve.
    if (!curve.M_Fn_If_Consistent())
        return G_Fn_Refuse(ro_Stream);
    m_Curve = std::move(curve);
    return E_Result_Success;
}

E_Result C_D_Geom_E_Curve_NURBS::M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const
{
    E_Result result = C_D_Geom_Entity::M_Fn_Stream_Serialize_O(ro_Stream);
    if (result != E_Result_Success)
        return result;
    for (std::uint8_t flag : m_Curve.m_Flag)
        if ((result = G_Fn_Serialize_u8_O(ro_Stream, flag)) != E_Result_Success)
            return result;
    if ((result = G_Fn_Serialize_O(ro_Stream, m_Curve.m_Order)) != E_Result_Success ||
        (result = G_Fn_Serialize_O(ro_Stream, m_Curve.m_Count_Ctrl)) != E_Result_Success ||
        (result = G_Fn_Serialize_O(ro_Stream, m_Curve.m_Count_Knot)) != E_Result_Success)
        return result;
    result = N_Common::N_Stream::G_Fn_Serialize_vector_O<float>(
        ro_Stream, m_Curve.m_Knots, [](std::ostream& ro_Out, const float& i_Knot) { return G_Fn_Serialize_O(ro_Out, i_Knot); });
    if (result != E_Result_Success)
        return result;
    return N_Common::N_Stream::G_Fn_Serialize_vector_O<C_Curve::C_Ctrl_Point>(
        ro_Stream, m_Curve.m_Ctrls, [](std::ostream& ro_Out, const C_Curve::C_Ctrl_Point& ro_Ctrl) {
            return N_Common::N_Stream::G_Fn_Serialize_float4_O(ro_Out, ro_Ctrl);
        });
}

std::unique_ptr<C_D_Geom_Entity> C_D_Geom_E_Curve_NURBS::Clone_apo_D_Geom_Entity() const
{
    return std::make_unique<C_D_Geom_E_Curve_NURBS>(*this);
}

void C_D_Geom_E_Curve_NURBS::M_Fn_Modifiable_Swap(C_D_Geom_Entity& ro_Other)
{
    auto* p_other = dynamic_cast<C_D_Geom_E_Curve_NURBS*>(&ro_Other);
    if (!p_other)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS::M_Fn_Modifiable_Swap");
    C_D_Geom_Entity::M_Fn_Modifiable_Swap(ro_Other);
    std::swap(m_Curve, p_other->m_Curve);
}

std::uint32_t C_D_Geom_E_Curve_NURBS::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(std::uint32_t i_Pos) const
{
    if (i_Pos == 0)
        return 1;
    if (i_Pos == 1)
        return 0;
    VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other");
}

std::int32_t C_D_Geom_E_Curve_NURBS::M_Fn_Move_Check(std::int32_t& o_Result, C_Context_Edit_Geom& io_Move)
{
    o_Result = E_Move_Allowed;
    return E_Result_Success;
}

void C_D_Geom_E_Curve_NURBS::M_Fn_Ctrl_Point_Update(const C_Sect& ro_Sect)
{
    M_Fn_Ctrl_Point_Update_Into(ro_Sect, m_Curve);
}

C_D_Geom_E_Curve_NURBS::C_Curve C_D_Geom_E_Curve_NURBS::M_Fn_Curve_Get(const C_Sect& ro_Sect) const
{
    C_Curve curve = m_Curve;
    M_Fn_Ctrl_Point_Update_Into(ro_Sect, curve);
    return curve;
}

void C_D_Geom_E_Curve_NURBS::M_Fn_Ctrl_Point_Update_Into(const C_Sect& ro_Sect, C_Curve& ro_Curve) const
{
    if (ro_Curve.m_Count_Ctrl < 0 || m_Ref_Points.size() < static_cast<std::size_t>(ro_Curve.m_Count_Ctrl) + 2 ||
        ro_Curve.m_Ctrls.size() < static_cast<std::size_t>(ro_Curve.m_Count_Ctrl))
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS::M_Fn_Ctrl_Point_Update");
    for (std::size_t i = 0; i < static_cast<std::size_t>(ro_Curve.m_Count_Ctrl); ++i) {
        const C_D_Geom_Point& point = G_Fn_Point(ro_Sect, m_Ref_Points[i + 2].m_Id_Point);
        C_Curve::C_Ctrl_Point& ctrl = ro_Curve.m_Ctrls[i];
        ctrl.x = point.m_X;
        ctrl.y = point.m_Y;
        ctrl.z = 0;
    }
}

void C_D_Geom_E_Curve_NURBS::M_Fn_Relation_Tess_Build(C_Sect& ro_Sect)
{
    using N_Common::N_Graphic::N_OpenGL::C_Tess_NURBS;
    using C_Point = C_Curve::C_Point;
    if (m_Ref_Points.size() < 2)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS::M_Fn_Relation_Tess_Build");

    // 1. The sampling distance (the evaluator raises it to the coincidence tolerance, so a setting
    // of 0 still gives no zero-length segment).
    const float distance = M_Fn_Sampling_Distance();

    // 2. Sample between the end points.
    M_Fn_Ctrl_Point_Update(ro_Sect);
    C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    const auto id_start = static_cast<std::uint32_t>(m_Ref_Points[0].m_Id_Point);
    const auto id_terminate = static_cast<std::uint32_t>(m_Ref_Points[1].m_Id_Point);
    const C_Point pos_start(mgr_p.M_Fn_Get_At(id_start).m_X, mgr_p.M_Fn_Get_At(id_start).m_Y);
    const C_Point pos_terminate(mgr_p.M_Fn_Get_At(id_terminate).m_X, mgr_p.M_Fn_Get_At(id_terminate).m_Y);
    std::vector<C_Point> points;
    m_Curve.M_Fn_Eval_Excluding_Endpoint(C_Tess_NURBS::S_Fn_Get_Tessellator(), pos_start, pos_terminate, distance,
                                         points);

    // 3.-7. The chain of nodes from the start point's node to the terminate point's.
    mgr_p.M_Fn_Get_At(id_start).M_Fn_Relation_Tess_Build(ro_Sect);
    mgr_p.M_Fn_Get_At(id_terminate).M_Fn_Relation_Tess_Build(ro_Sect);
    std::vector<std::uint32_t> ids;
    ids.reserve(points.size() + 2);
    ids.push_back(mgr_p.M_Fn_Get_At(id_start).m_Id_Node);
    for (const C_Point& p : points) {
        const std::uint32_t id = C_D_Geom::M_Fn_Relation_Tess_Build_Node(p.x, p.y, ro_Sect, 0);
        if (id == 0)
            VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS::M_Fn_Relation_Tess_Build");
        ids.push_back(id);
    }
    ids.push_back(mgr_p.M_Fn_Get_At(id_terminate).m_Id_Node);

    // 8.-10. One segment per consecutive pair (thickness from the property) and one relation record.
    ro_Sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Proc_Sub_Chain_Add(
        static_cast<std::uint32_t>(m_Id), ids, M_Fn_Is_Weld(), false, m_Key_C_P, {0.25f, 0.25f, 0.25f, 0.25f}, 0.0f,
        "N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS::M_Fn_Relation_Tess_Build");
}

void C_D_Geom_E_Curve_NURBS::M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                              C_Context_Desc_Output& ro_Output) const
{
    M_Fn_Desc_Output_Header(i_Prefix, ro_Output);
    ro_Output.M_Fn_Add_Empty();
    ro_Output.M_Fn_Add_Int(i_Prefix, L"Order: ", m_Curve.m_Order);
    ro_Output.M_Fn_Add_Int(i_Prefix, L"Number of control points: ", m_Curve.m_Count_Ctrl);
    ro_Output.M_Fn_Add_Int(i_Prefix, L"Number of knot sequence: ", m_Curve.m_Count_Knot);
    ro_Output.M_Fn_Add_Empty();
    const wchar_t* const labels[2] = {L"Point of Start:", L"Point of Terminate:"};
    for (std::size_t i = 0; i < 2 && i < m_Ref_Points.size(); ++i) {
        ro_Output.M_Fn_Add(i_Prefix, labels[i]);
        ro_Output.M_Fn_Add_Empty();
        if (i_p_Sect)
            G_Fn_Point(*i_p_Sect, m_Ref_Points[i].m_Id_Point).M_Fn_Desc_Output(i_p_Sect, i_Prefix + L"  ", ro_Output);
        ro_Output.M_Fn_Add_Empty();
    }
    M_Fn_Desc_Output_Property(i_Prefix, ro_Output);
}

void C_D_Geom_E_Curve_NURBS::M_Fn_Draw(C_Context_Draw_Geom& io_Context) const
{
    using N_Common::N_Graphic::N_OpenGL::C_Tess_NURBS;
    if (!io_Context.m_p_Sect || !M_Fn_If_Consistent())
        return;
    C_Curve curve = M_Fn_Curve_Get(*io_Context.m_p_Sect);
    if (io_Context.m_Move_Preview) {
        if (!io_Context.m_p_Offset)
            return;
        bool any = false;
        for (std::size_t i = 0; i < curve.m_Ctrls.size(); ++i) {
            const auto id = static_cast<std::uint32_t>(m_Ref_Points[i + 2].m_Id_Point);
            if (id < io_Context.m_Point_Moved.size() && io_Context.m_Point_Moved[id]) {
                curve.m_Ctrls[i].x += io_Context.m_p_Offset[0];
                curve.m_Ctrls[i].y += io_Context.m_p_Offset[1];
                any = true;
            }
        }
        if (!any)
            return;
    }
    // Sampled as the mesh is, so that the view shows the polygon the figures are calculated on.
    curve.M_Fn_Eval(C_Tess_NURBS::S_Fn_Get_Renderer(), M_Fn_Sampling_Distance());
}

float C_D_Geom_E_Curve_NURBS::M_Fn_Sampling_Distance() const
{
    // The meshing thickness, else word 31 times 1e-6.
    float thk = 0;
    const bool has_thk = M_Fn_Get_Thk_Tess(thk);
    return C_Curve::S_Fn_Sampling_Distance(has_thk ? std::optional<float>(thk) : std::nullopt,
                                           G_Fn_Tess_Config_Data().m_Tess_Length_Over_Thk);
}

} // namespace N_Biz::N_Sect
