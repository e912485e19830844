// Section properties of the thin-walled section: every segment is a thin straight strip. Each
// property is computed twice, purely geometric and weighted by the segment's elastic modulus over
// the standard modulus (equivalent to the standard material); second moments of both are taken
// about the equivalent centroid.
#include "biz/sect/Biz_Sect_Mgr_Calc.h"

#include "biz/sect/Biz_Sect_Mgr_Calc_Kernel.h"
#include "biz/sect/Biz_Sect_Mgr_Calc_Mesh.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Tess_Settings.h"

#include <algorithm>
#include <cmath>

namespace N_Biz::N_Sect {

namespace {

using N_Common::N_Math::G_Tolerance;

} // namespace

int C_Mgr_Calc::M_Fn_Update_Area(C_Context_Calc& ro_Context)
{
    float area = 0.0f, sx = 0.0f, sy = 0.0f;
    float area_eq = 0.0f, sx_eq = 0.0f, sy_eq = 0.0f;
    N_Calc::G_Fn_For_Segment(*m_p_Sect, [&](C_D_Tess_E_Segment& ro_Segment, const auto&) {
        const float a = ro_Segment.m_Area;
        const float r = M_Fn_Ratio_Modulus(ro_Segment.m_Modulus_E);
        area += a;
        sx += a * ro_Segment.m_Mid.x;
        sy += a * ro_Segment.m_Mid.y;
        area_eq += a * r;
        sx_eq += a * r * ro_Segment.m_Mid.x;
        sy_eq += a * r * ro_Segment.m_Mid.y;
    });
    C_Result& result = *m_sp_Result;
    result.m_Prop[0].m_Area = area;
    result.m_Prop[1].m_Area = area_eq;
    if (area < G_Tolerance) {
        result.m_Msg_Problem.emplace_back(L"Area is zero.");
        return 0;
    }
    result.m_Prop[0].m_Center_X = sx / area;
    result.m_Prop[0].m_Center_Y = sy / area;
    if (area_eq < G_Tolerance) {
        result.m_Msg_Problem.emplace_back(L"Equivalent Area is zero.");
        return 0;
    }
    result.m_Prop[1].m_Center_X = sx_eq / area_eq;
    result.m_Prop[1].m_Center_Y = sy_eq / area_eq;
    return 1;
}

int C_Mgr_Calc::M_Fn_Update_Bound(C_Context_Calc& ro_Context)
{
    C_Result& result = *m_sp_Result;
    const float x_eq = result.m_Prop[1].m_Center_X;
    const float y_eq = result.m_Prop[1].m_Center_Y;
    // The box starts at the origin of the section plane, so it always holds it.
    float x_min = 0.0f, y_min = 0.0f, x_max = 0.0f, y_max = 0.0f, dx_max = 0.0f, dy_max = 0.0f;
    N_Calc::G_Fn_For_Node(*m_p_Sect, [&](C_D_Tess_Node& ro_Node) {
        if (ro_Node.m_Count_Ref == 0)
            return;
        x_min = std::min(x_min, ro_Node.m_X);
        y_min = std::min(y_min, ro_Node.m_Y);
        x_max = std::max(x_max, ro_Node.m_X);
        y_max = std::max(y_max, ro_Node.m_Y);
        dx_max = std::max(dx_max, std::fabs(ro_Node.m_X - x_eq));
        dy_max = std::max(dy_max, std::fabs(ro_Node.m_Y - y_eq));
    });
    result.m_Box = {x_min, y_min, x_max, y_max};
    result.m_Dist_Max = {dx_max, dy_max};
    return 1;
}

int C_Mgr_Calc::M_Fn_Update_Dep_L(C_Context_Calc& ro_Context)
{
    C_Sect& sect = *m_p_Sect;
    C_Mgr_D_Tess_N& nodes = sect.M_Fn_Get_Mgr_D_Tess_N();
    // A neighbour with a free end restrains less: its end node has at most one element end.
    const auto has_free_end = [&nodes](const C_D_Tess_Element& ro_Element) {
        for (const C_Ref_Tess_N& ref : ro_Element.m_Ref_Nodes)
            if (nodes.M_Fn_Get_At(ref.m_Id_Node).m_Count_Ref <= 1)
                return true;
        return false;
    };
    const float start = 1.0e-5f;
    N_Calc::G_Fn_For_Segment(sect, [&](C_D_Tess_E_Segment& ro_Segment, const auto&) {
        const double length = ro_Segment.m_Length;
        for (std::uint32_t end = 0; end < 2; ++end) {
            float sum = start;
            const C_D_Tess_Node& node = nodes.M_Fn_Get_At(ro_Segment.m_Ref_Nodes.at(end).m_Id_Node);
            N_Calc::G_Fn_For_Node_Ref(node, [&](C_D_Tess_Element& ro_Element, std::uint32_t) {
                const C_D_Tess_E_Segment* p_other = N_Calc::G_Fn_Segment(&ro_Element);
                if (!p_other || p_other == &ro_Segment)
                    return true;
                const float cross = ro_Segment.m_Dir_Unit.x * p_other->m_Dir_Unit.y -
                                    ro_Segment.m_Dir_Unit.y * p_other->m_Dir_Unit.x;
                double k;
                if (std::fabs(cross) >= 0.01f) {
                    k = p_other->m_Length / (static_cast<double>(cross) * cross);
                    k = std::min(k, N_Kernel::K(2.3f) * length);
                } else {
                    k = 3.0 * length;
                }
                if (has_free_end(*p_other))
                    k = std::max(2.0 * k, 2.0 * length);
                sum += static_cast<float>(1.0 / k);
                return true;
            });
            ro_Segment.m_Dep_L[end] = sum > start ? static_cast<float>(1.0 / (static_cast<double>(sum) * length)) : 0.0f;
        }
    });
    return 1;
}

int C_Mgr_Calc::M_Fn_Update_Geom_Etc(C_Context_Calc& ro_Context)
{
    C_Result& result = *m_sp_Result;
    C_Result_Prop& geo = result.m_Prop[0];
    C_Result_Prop& eqv = result.m_Prop[1];
    const float x_eq = eqv.m_Center_X;
    const float y_eq = eqv.m_Center_Y;
    float asx = 0.0f, asy = 0.0f;
    float ixy = 0.0f, ixx = 0.0f, iyy = 0.0f;
    float ixy_eq = 0.0f, ixx_eq = 0.0f, iyy_eq = 0.0f;
    N_Calc::G_Fn_For_Segment(*m_p_Sect, [&](C_D_Tess_E_Segment& ro_Segment, const auto&) {
        if (ro_Segment.m_Flag & C_D_Tess::E_Flag_Weld)
            return;
        if (ro_Segment.m_Flag & C_D_Tess::E_Flag_Invalid)
            VT_THROW("N_Biz::N_Sect::C_Mgr_Calc::M_Fn_Update_Geom_Etc");
        const float dx = ro_Segment.m_Mid.x - x_eq;
        const float dy = ro_Segment.m_Mid.y - y_eq;
        const float c = ro_Segment.m_Dir_Unit.x;
        const float s = ro_Segment.m_Dir_Unit.y;
        const float a = ro_Segment.m_Area;
        const float w = a * (1.0f + ro_Segment.m_Ratio_Poisson) / (1.0f + m_Poisson_Std);
        asx += std::fabs(c) * w;
        asy += std::fabs(s) * w;
        const N_Kernel::C_Strip_Moments m = N_Kernel::G_Fn_Strip(a, ro_Segment.m_Length, ro_Segment.m_Thk, c, s, dx, dy);
        const float r = M_Fn_Ratio_Modulus(ro_Segment.m_Modulus_E);
        ixy += static_cast<float>(m.m_Ixy);
        ixx += static_cast<float>(m.m_Ixx);
        iyy += static_cast<float>(m.m_Iyy);
        ixy_eq += static_cast<float>(r * m.m_Ixy);
        ixx_eq += static_cast<float>(r * m.m_Ixx);
        iyy_eq += static_cast<float>(r * m.m_Iyy);
    });
    geo.m_Ixy = ixy;
    geo.m_Ixx = ixx;
    geo.m_Iyy = iyy;
    eqv.m_Ixy = ixy_eq;
    eqv.m_Ixx = ixx_eq;
    eqv.m_Iyy = iyy_eq;
    eqv.m_Area_Shear_X = geo.m_Area_Shear_X = asx;
    eqv.m_Area_Shear_Y = geo.m_Area_Shear_Y = asy;

    float det = ixx_eq * iyy_eq - ixy_eq * ixy_eq;
    if (det < G_Tolerance)
        det = G_Tolerance;
    ro_Context.m_Det_Inverse = 1.0f / det;

    for (C_Result_Prop* p_prop : {&geo, &eqv}) {
        C_Result_Prop& prop = *p_prop;
        const float m = (prop.m_Iyy + prop.m_Ixx) / 2.0f;
        const float h = (prop.m_Iyy - prop.m_Ixx) / 2.0f;
        const float radius = std::sqrt(h * h + prop.m_Ixy * prop.m_Ixy);
        prop.m_I1 = m + radius;
        prop.m_I2 = m - radius;
        prop.m_Angle_Principal =
            std::fabs(prop.m_Iyy - prop.m_Ixx) >= G_Tolerance ? 0.5f * std::atan(prop.m_Ixy / h) : 0.7853985f;
    }
    return 1;
}

int C_Mgr_Calc::M_Fn_Center_For_Cut_Get(float& o_X, float& o_Y)
{
    M_Fn_Mesh_Rebuild();
    M_Fn_Config_Copy();
    float len = 0.0f, lx = 0.0f, ly = 0.0f;
    float area = 0.0f, ax = 0.0f, ay = 0.0f;
    float area_eq = 0.0f, ax_eq = 0.0f, ay_eq = 0.0f;
    N_Calc::G_Fn_For_Segment(*m_p_Sect, [&](C_D_Tess_E_Segment& ro_Segment, const auto&) {
        if (ro_Segment.m_Flag & C_D_Tess::E_Flag_Weld)
            return;
        const float x = ro_Segment.m_Mid.x;
        const float y = ro_Segment.m_Mid.y;
        const float l = ro_Segment.m_Length;
        const float a = ro_Segment.m_Area;
        const float ar = a * M_Fn_Ratio_Modulus(ro_Segment.m_Modulus_E);
        len += l;
        lx += l * x;
        ly += l * y;
        area += a;
        ax += a * x;
        ay += a * y;
        area_eq += ar;
        ax_eq += ar * x;
        ay_eq += ar * y;
    });
    o_X = 0.0f;
    o_Y = 0.0f;
    if (area_eq >= G_Tolerance) {
        o_X = ax_eq / area_eq;
        o_Y = ay_eq / area_eq;
    } else if (area >= G_Tolerance) {
        o_X = ax / area;
        o_Y = ay / area;
    } else if (len >= G_Tolerance) {
        o_X = lx / len;
        o_Y = ly / len;
    }
    return 1;
}

int C_Mgr_Calc::M_Fn_Geom_P_Bound_Get(N_Common::N_Math::C_Vector2<float>& o_Min, N_Common::N_Math::C_Vector2<float>& o_Max)
{
    o_Min = {0.0f, 0.0f};
    o_Max = {0.0f, 0.0f};
    const C_Mgr_D_Geom_P::T_Store& store = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_Store();
    for (std::uint32_t i = 1; i < store.size(); ++i) {
        if (!store.is_used_at(i))
            continue;
        const C_D_Geom_Point& point = store.elements()[i];
        o_Min.x = std::min(o_Min.x, point.m_X);
        o_Min.y = std::min(o_Min.y, point.m_Y);
        o_Max.x = std::max(o_Max.x, point.m_X);
        o_Max.y = std::max(o_Max.y, point.m_Y);
    }
    return 1;
}

} // namespace N_Biz::N_Sect
