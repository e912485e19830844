// The IGES export of the section's curve entities: a line as one 110 line, an arc as a 124
// matrix and a 100 arc, a rational B-spline curve as one 126 curve. The section's exchange manager
// (Biz_Sect_Mgr_D_Sect.cpp) groups and chains the entities and writes the file.
#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_124_Matrix.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Curve_NURBS.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "common/Common_Exception.h"
#include "common/Common_Math_Quaternion.h"

#include <cmath>
#include <utility>

namespace N_Biz::N_Sect {

namespace {

using T_Table_IGES = N_Common::N_Container::slotvec<std::shared_ptr<N_Biz::N_IGES::C_Entity>>;

// Colour and dependence as every exported curve carries them.
void S_Fn_Attribute_Set(N_Biz::N_IGES::C_Entity& ro_Entity, std::int32_t i_Color, std::uint32_t i_Color_Pointer,
                        std::uint32_t i_Independent)
{
    if (i_Color_Pointer & 1u)
        ro_Entity.M_Fn_Set_Color_Slot(i_Color);
    else
        ro_Entity.M_Fn_Set_Color_Number(i_Color);
    // A member of a composite depends physically on it and is not drawn or built on its own.
    ro_Entity.M_Fn_Set_Subordinate(i_Independent == 0 ? N_Biz::N_IGES::C_Entity::E_Subordinate_Physical
                                                      : N_Biz::N_IGES::C_Entity::E_Subordinate_Independent);
}

// Puts the entity at the table's next free slot, which becomes its id; returns the slot.
std::int32_t S_Fn_Table_Add(T_Table_IGES& io_Table, std::shared_ptr<N_Biz::N_IGES::C_Entity> i_sp_Entity)
{
    const std::uint32_t id = io_Table.next_index();
    if (id == 0)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_IGES_Export");
    i_sp_Entity->m_Id = static_cast<std::int32_t>(id);
    io_Table.add_at(id, std::move(i_sp_Entity));
    return static_cast<std::int32_t>(id);
}

const C_D_Geom_Point& S_Fn_Point(const C_Sect& ro_Sect, const C_D_Geom_Entity& ro_Entity, std::size_t i_Pos)
{
    if (i_Pos >= ro_Entity.m_Ref_Points.size())
        VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_IGES_Export");
    return ro_Sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(static_cast<std::uint32_t>(ro_Entity.m_Ref_Points[i_Pos].m_Id_Point));
}

} // namespace

void C_D_Geom_Entity::M_Fn_IGES_Export(const C_Sect&, T_Table_IGES&, std::int32_t& o_Id, std::int32_t, std::uint32_t,
                                       std::uint32_t, std::uint32_t) const
{
    o_Id = 0;
}

void C_D_Geom_E_Line::M_Fn_IGES_Export(const C_Sect& ro_Sect, T_Table_IGES& io_Table, std::int32_t& o_Id,
                                       std::int32_t i_Color, std::uint32_t i_Color_Pointer, std::uint32_t i_Independent,
                                       std::uint32_t i_Reverse) const
{
    const C_D_Geom_Point* p_start = &S_Fn_Point(ro_Sect, *this, 0);
    const C_D_Geom_Point* p_end = &S_Fn_Point(ro_Sect, *this, 1);
    if (i_Reverse)
        std::swap(p_start, p_end);
    auto sp_line = std::make_shared<N_Biz::N_IGES::C_Entity_110_Line>();
    sp_line->m_X1 = p_start->m_X;
    sp_line->m_Y1 = p_start->m_Y;
    sp_line->m_X2 = p_end->m_X;
    sp_line->m_Y2 = p_end->m_Y;
    S_Fn_Attribute_Set(*sp_line, i_Color, i_Color_Pointer, i_Independent);
    o_Id = S_Fn_Table_Add(io_Table, sp_line);
}

void C_D_Geom_E_Arc::M_Fn_IGES_Export(const C_Sect& ro_Sect, T_Table_IGES& io_Table, std::int32_t& o_Id,
                                      std::int32_t i_Color, std::uint32_t i_Color_Pointer, std::uint32_t i_Independent,
                                      std::uint32_t i_Reverse) const
{
    const C_D_Geom_Point& ro_start = S_Fn_Point(ro_Sect, *this, 0);
    const C_D_Geom_Point& ro_end = S_Fn_Point(ro_Sect, *this, 1);
    const C_D_Geom_Point& ro_center = S_Fn_Point(ro_Sect, *this, 2);
    float s[2] = {ro_start.m_X, ro_start.m_Y};
    float t[2] = {ro_end.m_X, ro_end.m_Y};
    float c[2] = {ro_center.m_X, ro_center.m_Y};
    std::int32_t direction = m_Direction;
    if (i_Reverse) {
        std::swap(s, t);
        direction = direction == 0 ? 1 : 0;
    }
    // IGES arcs run counter-clockwise in their own plane: a clockwise arc is written mirrored in y
    // and placed by a half turn about x, which mirrors it back.
    auto sp_matrix = std::make_shared<N_Biz::N_IGES::C_Entity_124_Matrix>();
    if (direction != 0) {
        const float half = 1.5707964f;
        N_Common::N_Math::C_Quaternion<float> q;
        q.w = std::cos(half);
        q.x = std::sin(half);
        q.y = 0.0f;
        q.z = 0.0f;
        sp_matrix->m_Matrix.M_Fn_Asgn_Rotate_Quaternion(q);
        s[1] = -s[1];
        t[1] = -t[1];
        c[1] = -c[1];
    }
    const std::int32_t id_matrix = S_Fn_Table_Add(io_Table, sp_matrix);

    auto sp_arc = std::make_shared<N_Biz::N_IGES::C_Entity_100_Arc_Circular>();
    sp_arc->m_X1 = c[0];
    sp_arc->m_Y1 = c[1];
    sp_arc->m_X2 = s[0];
    sp_arc->m_Y2 = s[1];
    sp_arc->m_X3 = t[0];
    sp_arc->m_Y3 = t[1];
    S_Fn_Attribute_Set(*sp_arc, i_Color, i_Color_Pointer, i_Independent);
    sp_arc->M_Fn_Set_Matrix_Slot(id_matrix);
    o_Id = S_Fn_Table_Add(io_Table, sp_arc);
}

void C_D_Geom_E_Curve_NURBS::M_Fn_IGES_Export(const C_Sect& ro_Sect, T_Table_IGES& io_Table, std::int32_t& o_Id,
                                              std::int32_t i_Color, std::uint32_t i_Color_Pointer,
                                              std::uint32_t i_Independent, std::uint32_t i_Reverse) const
{
    // The stored control points follow the section points only when refreshed; the file gets the
    // points where they are now (after a move or a scaling).
    const C_Curve curve = M_Fn_Curve_Get(ro_Sect);
    if (!curve.M_Fn_If_Consistent())
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS::M_Fn_IGES_Export");
    auto sp_curve = std::make_shared<N_Biz::N_IGES::C_Entity_126_Curve_B_Spline_Rational>();
    sp_curve->m_Planar = curve.m_Flag[0];
    sp_curve->m_Closed = curve.m_Flag[1];
    sp_curve->m_Polynomial = curve.m_Flag[2];
    sp_curve->m_Periodic = curve.m_Flag[3];
    sp_curve->m_Degree = curve.m_Order - 1;
    sp_curve->m_Count_Ctrl = curve.m_Count_Ctrl;
    sp_curve->m_Count_Knot = curve.m_Count_Knot;
    const float first = curve.m_Knots.front();
    const float last = curve.m_Knots.back();
    sp_curve->m_V0 = first;
    sp_curve->m_V1 = last;
    sp_curve->m_Knots.reserve(curve.m_Knots.size());
    if (i_Reverse) {
        // Reversed, parameter u becomes first + last - u: knot i is that of knot n-1-i, and the
        // range V0..V1 is mapped the same way, so it stays the knots' own range.
        for (auto it = curve.m_Knots.rbegin(); it != curve.m_Knots.rend(); ++it)
            sp_curve->m_Knots.push_back(first + last - *it);
        sp_curve->m_V0 = first + last - last;
        sp_curve->m_V1 = first + last - first;
    } else {
        sp_curve->m_Knots = curve.m_Knots;
    }
    // The curve lies in the section plane, whose normal is z.
    sp_curve->m_Normal = N_Biz::N_IGES::C_Vector3_f(0.0f, 0.0f, 1.0f);
    const std::size_t n = curve.m_Ctrls.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto& ctrl = curve.m_Ctrls[i_Reverse ? n - 1 - i : i];
        sp_curve->m_Ctrl_Points.emplace_back(ctrl.x, ctrl.y, ctrl.z);
        sp_curve->m_Weights.push_back(ctrl.w);
    }
    S_Fn_Attribute_Set(*sp_curve, i_Color, i_Color_Pointer, i_Independent);
    o_Id = S_Fn_Table_Add(io_Table, sp_curve);
}

} // namespace N_Biz::N_Sect
