// The view manager's parts that the painting calls and the input half of the manager completes:
// the fit of a new frame, the pending picks of a paint, and the description shown under the
// prompt. The fit is whole; the pending picks only retire their flags (the pick of each selection
// mode belongs to the selection manager's input handling), and there is no description yet.
#include "biz/sect/Biz_Sect_Mgr_Frame.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"

#include <algorithm>
#include <cmath>

namespace N_Biz::N_Sect {

void C_Mgr_Frame::M_Fn_View_Main_Reset()
{
    m_Matrix_Rotate = C_Matrix4f();
    M_Fn_View_Main_Adjust();
    M_Fn_View_Main_Redraw();
}

void C_Mgr_Frame::M_Fn_View_Main_Adjust()
{
    m_Matrix_View = m_Matrix_Rotate;
    N_Common::N_Math::C_Vector2<float> min, max;
    m_p_Sect->M_Fn_Get_Mgr_Calc().M_Fn_Geom_P_Bound_Get(min, max);
    const double cx = 0.5 * (double(min.x) + max.x), cy = 0.5 * (double(min.y) + max.y);
    const double d = std::hypot(cx, cy) + 0.5 * std::hypot(double(max.x) - min.x, double(max.y) - min.y);
    const float zoom = d > 1e-6 ? float(double(m_Fit_Radius) / d) : 1.0f;
    m_Zoom = std::clamp(zoom, m_Zoom_Min, m_Zoom_Max);
    m_Matrix_View.M_Fn_Scale_Pre(m_Zoom, m_Zoom, m_Zoom);
    M_Fn_View_Main_Redraw();
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover()
{
    m_Flags &= ~std::uint32_t(E_Flag_Pick_Cover);
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag()
{
    m_Flags &= ~std::uint32_t(E_Flag_Pick_Drag);
}

const std::list<std::wstring>& C_Mgr_Frame::M_Fn_View_Main_Desc_Get() const
{
    static const std::list<std::wstring> s_None;
    return s_None;
}

} // namespace N_Biz::N_Sect
