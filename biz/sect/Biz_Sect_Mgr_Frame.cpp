#include "biz/sect/Biz_Sect_Mgr_Frame.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_Exception.h"
#include "common/Common_Math_Quaternion.h"
#include "common/Common_Math_Zoom.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace N_Biz::N_Sect {

namespace {

using N_Biz::N_Input::C_Input;

// The grid options of the configuration (the defaults without an application).
void G_Fn_Grid_Get(bool& o_On, float& o_Step)
{
    const N_Biz::N_Config::C_Config_Data defaults(nullptr);
    const N_Biz::N_Config::C_Config_Data* p_data = &defaults;
    if (C_App* p_app = C_App::S_Fn_Get(); p_app && p_app->m_sp_Config)
        p_data = &p_app->m_sp_Config->M_Fn_Data();
    o_On = p_data->m_Show_Grid != 0;
    o_Step = p_data->m_Grid_Scale;
}

} // namespace

// --- window hooks --------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_On_Create(C_View* i_p_View)
{
    if (!i_p_View || m_p_View_Main)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_Main_On_Create");
    glEnable(GL_RESCALE_NORMAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_POINT_SMOOTH);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    m_p_View_Main = i_p_View;
}

void C_Mgr_Frame::M_Fn_View_Main_On_Size(std::int32_t i_Width, std::int32_t i_Height)
{
    if (i_Width == 0 || i_Height == 0)
        return;
    m_Size_Main = {i_Width, i_Height};
    const float hw = static_cast<float>(i_Width) * 0.5f;
    const float hh = static_cast<float>(i_Height) * 0.5f;
    m_Size_Half = C_Vector2f(hw, hh);
    m_Radius_Fit = 0.5f * static_cast<float>(std::min(i_Width, i_Height));
    glViewport(0, 0, i_Width, i_Height);
    glGetIntegerv(GL_VIEWPORT, m_Viewport.data());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-hw, hw, -hh, hh, -100.0, 100.0);
    glGetFloatv(GL_PROJECTION_MATRIX, m_Matrix_Proj.m_Data);
    glMatrixMode(GL_MODELVIEW);
    m_Pos_Prompt = C_Vector2f(20.0f - hw, hh - 30.0f);
    m_Pos_Triad_Global = C_Vector3f(hw - 80.0f, hh - 80.0f, 0.0f);
    m_Pos_Triad_Local = C_Vector3f(hw - 240.0f, hh - 80.0f, 0.0f);
}

void C_Mgr_Frame::M_Fn_View_Main_On_Input(const T_sp_Input& ro_sp_Input)
{
    if (!ro_sp_Input)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_Main_On_Input");
    // A press or release where no move brought the cursor: its move first, so that the picks and
    // gesture steps run at the button's position and not where the last move left the cursor.
    if (const T_sp_Input sp_move = C_Input::S_Fn_Move_Implied(*ro_sp_Input, m_Pos_Curr[0], m_Pos_Curr[1]))
        M_Fn_View_Main_On_Input(sp_move);
    const C_Input& input = *ro_sp_Input;
    const T_Pos pos{input.m_X, input.m_Y};
    switch (input.m_Kind) {
    case N_Biz::N_Input::E_Kind_Left_Down: m_Pos_Down_Left = pos; break;
    case N_Biz::N_Input::E_Kind_Right_Down: m_Pos_Down_Right = pos; break;
    case N_Biz::N_Input::E_Kind_Middle_Down: m_Pos_Down_Middle = pos; break;
    case N_Biz::N_Input::E_Kind_Move: m_Pos_Curr = pos; break;
    case N_Biz::N_Input::E_Kind_Enter: m_Pos_Prev = pos; break;
    default: break;
    }
    N_Common::N_State::C_Machine::M_Fn_Event_Process(m_p_Sect->M_Fn_Get_Mgr_State().M_Fn_Get_Machine(),
                                                     N_State::C_Event_View_Main_On_Input{ro_sp_Input});
    if (input.m_Kind == N_Biz::N_Input::E_Kind_Wheel &&
        (input.m_Flags & (N_Biz::N_Input::E_Flag_Shift | N_Biz::N_Input::E_Flag_Ctrl))) {
        // One notch turns the wheel by 15 degrees, which the record carries in radians as a float;
        // rounded (not truncated) to whole degrees it stays exactly 15.
        const double degrees = static_cast<double>(input.m_Wheel_Angle) * 180.0 / 3.14159265358979323846;
        const long n = std::lround(degrees);
        M_Fn_View_Main_Zoom(static_cast<float>(std::pow(1.01, static_cast<double>(n))));
    } else if (input.m_Kind == N_Biz::N_Input::E_Kind_Move) {
        m_Pos_Prev = m_Pos_Curr;
    }
}

void C_Mgr_Frame::M_Fn_View_Main_On_Destroy()
{
    if (!m_p_View_Main)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_Main_On_Destroy");
    m_p_View_Main = nullptr;
}

void C_Mgr_Frame::M_Fn_View_R_Graph_On_Create(C_View* i_p_View)
{
    if (!i_p_View || m_p_View_Graph)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Graph_On_Create");
    m_p_View_Graph = i_p_View;
}

void C_Mgr_Frame::M_Fn_View_R_Sheet_On_Create(C_View* i_p_View)
{
    if (!i_p_View || m_p_View_Sheet)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Sheet_On_Create");
    m_p_View_Sheet = i_p_View;
}

void C_Mgr_Frame::M_Fn_View_R_Graph_On_Destroy()
{
    if (!m_p_View_Graph)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Graph_On_Destroy");
    m_p_View_Graph = nullptr;
}

void C_Mgr_Frame::M_Fn_View_R_Sheet_On_Destroy()
{
    if (!m_p_View_Sheet)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Sheet_On_Destroy");
    m_p_View_Sheet = nullptr;
}

// --- invalidation --------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Invalidate(bool i_Main, bool i_Graph, bool i_Sheet, bool i_Sheet_Refill)
{
    if (i_Main && m_p_View_Main)
        m_p_View_Main->M_Fn_Invalidate();
    if (i_Graph && m_p_View_Graph)
        m_p_View_Graph->M_Fn_Invalidate();
    if (m_p_View_Sheet) {
        if (i_Sheet_Refill)
            m_p_View_Sheet->M_Fn_Refill();
        if (i_Sheet)
            m_p_View_Sheet->M_Fn_Invalidate();
    }
}

void C_Mgr_Frame::M_Fn_View_Main_Redraw()
{
    if (!(m_Flags & E_Flag_Frozen) && m_p_View_Main)
        m_p_View_Main->M_Fn_Invalidate();
}

// --- navigation ----------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Reset()
{
    m_Matrix_Rotate = C_Matrix4f();
    M_Fn_View_Main_Adjust();
    M_Fn_View_Main_Redraw();
}

float C_Mgr_Frame::M_Fn_View_Main_Zoom_Fit_Get() const
{
    C_Vector2f lo(0, 0), hi(0, 0);
    m_p_Sect->M_Fn_Get_Mgr_Calc().M_Fn_Geom_P_Bound_Get(lo, hi);
    const float cx = (lo.x + hi.x) * 0.5f;
    const float cy = (lo.y + hi.y) * 0.5f;
    const float d = std::sqrt(cx * cx + cy * cy) + 0.5f * std::sqrt((hi.x - lo.x) * (hi.x - lo.x) + (hi.y - lo.y) * (hi.y - lo.y));
    return N_Common::N_Math::G_Fn_Zoom_Fit(m_Radius_Fit, d);
}

void C_Mgr_Frame::M_Fn_View_Main_Zoom_Bounds_Get(float& o_Min, float& o_Max) const
{
    N_Common::N_Math::G_Fn_Zoom_Bounds(M_Fn_View_Main_Zoom_Fit_Get(), m_Zoom_Min, m_Zoom_Max, o_Min, o_Max);
}

void C_Mgr_Frame::M_Fn_View_Main_Adjust()
{
    m_Matrix_View = m_Matrix_Rotate;
    // The limits are made around this zoom, so it always lies within them.
    const float zoom = M_Fn_View_Main_Zoom_Fit_Get();
    m_Zoom = zoom;
    m_Matrix_View.M_Fn_Scale_Pre(zoom, zoom, zoom);
    M_Fn_View_Main_Redraw();
}

void C_Mgr_Frame::M_Fn_View_Main_Center()
{
    m_Matrix_View.M_Fn_Translate_Pre(-m_Matrix_View.m_Data[12], -m_Matrix_View.m_Data[13], -m_Matrix_View.m_Data[14]);
    M_Fn_View_Main_Redraw();
}

void C_Mgr_Frame::M_Fn_View_Main_Zoom(float i_Factor)
{
    float lo = m_Zoom_Min, hi = m_Zoom_Max;
    M_Fn_View_Main_Zoom_Bounds_Get(lo, hi);
    if (!N_Common::N_Math::G_Fn_Zoom_Step_Allowed(m_Zoom, i_Factor, lo, hi))
        return;
    m_Zoom *= i_Factor;
    m_Matrix_View.M_Fn_Scale_Pre(i_Factor, i_Factor, i_Factor);
    M_Fn_View_Main_Redraw();
}

void C_Mgr_Frame::M_Fn_View_Main_Scale_Drag()
{
    if (m_Pos_Curr == m_Pos_Prev)
        return;
    const float d = static_cast<float>((m_Pos_Curr[0] - m_Pos_Prev[0]) + (m_Pos_Curr[1] - m_Pos_Prev[1]));
    M_Fn_View_Main_Zoom(1.0f + d / 512.0f);
    M_Fn_View_Main_Redraw();
}

void C_Mgr_Frame::M_Fn_View_Main_Rotate_Drag()
{
    if (m_Pos_Curr == m_Pos_Prev)
        return;
    C_Vector3f a(static_cast<float>(m_Pos_Prev[0]) - m_Size_Half.x, static_cast<float>(m_Pos_Prev[1]) - m_Size_Half.y, 0.0f);
    C_Vector3f b(static_cast<float>(m_Pos_Curr[0]) - m_Size_Half.x, static_cast<float>(m_Pos_Curr[1]) - m_Size_Half.y, 0.0f);
    if (a.M_Fn_If_Zero() || b.M_Fn_If_Zero())
        return;
    a.M_Fn_Normalize_Nonzero();
    b.M_Fn_Normalize_Nonzero();
    N_Common::N_Math::C_Quaternion<float> q;
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(a, b);
    m_Matrix_View.M_Fn_Rotate_Quaternion_Pre(q);
    m_Matrix_Rotate.M_Fn_Rotate_Quaternion_Pre(q);
    M_Fn_View_Main_Redraw();
}

void C_Mgr_Frame::M_Fn_View_Main_Translate_Drag()
{
    if (m_Pos_Curr == m_Pos_Prev)
        return;
    m_Matrix_View.M_Fn_Translate_Pre(static_cast<float>(m_Pos_Curr[0] - m_Pos_Prev[0]),
                                     static_cast<float>(m_Pos_Curr[1] - m_Pos_Prev[1]), 0.0f);
    M_Fn_View_Main_Redraw();
}

// --- selection input -----------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Sel_Apply(const C_Input& ro_Input)
{
    M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag();
    m_p_Sect->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Update((ro_Input.m_Flags & N_Biz::N_Input::E_Flag_Shift) != 0,
                                                    (ro_Input.m_Flags & N_Biz::N_Input::E_Flag_Ctrl) != 0);
}

bool C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_Hover(const C_Input& ro_Input)
{
    switch (ro_Input.m_Kind) {
    case N_Biz::N_Input::E_Kind_Move:
        m_Flags = (m_Flags | E_Flag_Pick_Cover) & ~E_Flag_Pick_Drag;
        M_Fn_View_Main_Redraw();
        break;
    case N_Biz::N_Input::E_Kind_Left_Up: M_Fn_View_Main_Sel_Apply(ro_Input); break;
    default: break;
    }
    return false;
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_Drag_Begin()
{
    m_Flags = (m_Flags | E_Flag_Pick_Drag) & ~E_Flag_Pick_Cover;
    M_Fn_View_Main_Redraw();
}

bool C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_Drag(const C_Input& ro_Input)
{
    switch (ro_Input.m_Kind) {
    case N_Biz::N_Input::E_Kind_Move:
        m_Flags = (m_Flags | E_Flag_Pick_Drag) & ~E_Flag_Pick_Cover;
        M_Fn_View_Main_Redraw();
        return false;
    case N_Biz::N_Input::E_Kind_Left_Up: M_Fn_View_Main_Sel_Apply(ro_Input); return true;
    case N_Biz::N_Input::E_Kind_Leave: return true;
    default: return false;
    }
}

void C_Mgr_Frame::M_Fn_View_Main_Pick(std::int32_t i_X, std::int32_t i_Y, std::int32_t i_W, std::int32_t i_H, bool i_Rect)
{
    C_Mgr_Sel& sel = m_p_Sect->M_Fn_Get_Mgr_Sel();
    M_Fn_View_Main_Pick_Box(i_X, i_Y, i_W, i_H, [&sel, i_Rect] { sel.M_Fn_Sel_P0_Update(i_Rect); });
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover()
{
    if (!(m_Flags & E_Flag_Pick_Cover))
        return;
    m_Flags &= ~E_Flag_Pick_Cover;
    C_Mgr_Sel& sel = m_p_Sect->M_Fn_Get_Mgr_Sel();
    const std::int32_t x = m_Pos_Curr[0];
    const std::int32_t y = m_Pos_Curr[1];
    switch (sel.M_Fn_Mode_Get()) {
    case 1:
    case 2:
    case 6:
    case 7:
    case 11:
    case 12: M_Fn_View_Main_Pick(x, y, 10, 10, false); break;
    case 5:
    case 10: M_Fn_View_Main_Pick(x, y, 15, 15, false); break;
    case 4:
        M_Fn_View_Main_Pick(x, y, 15, 15, false);
        if (m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P0_Get().empty())
            sel.M_Fn_Sel_P0_Set_Pos_Geom_P(M_Fn_View_Main_Pos_Scrn_To_Sect(x, y));
        break;
    case 9:
        M_Fn_View_Main_Pick(x, y, 15, 15, false);
        if (m_p_Sect->M_Fn_Get_Mgr_D_Tess_N().M_Fn_Sel_P0_Get().empty())
            sel.M_Fn_Sel_P0_Set_Pos_Tess_N(M_Fn_View_Main_Pos_Scrn_To_Sect(x, y));
        break;
    case 3: sel.M_Fn_Sel_P0_Set_Pos_Geom_P(M_Fn_View_Main_Pos_Scrn_To_Sect(x, y)); break;
    case 8: sel.M_Fn_Sel_P0_Set_Pos_Tess_N(M_Fn_View_Main_Pos_Scrn_To_Sect(x, y)); break;
    case 13: break;
    default: VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover");
    }
    M_Fn_View_Main_Redraw();
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag()
{
    if (!(m_Flags & E_Flag_Pick_Drag))
        return;
    m_Flags &= ~E_Flag_Pick_Drag;
    const std::int32_t cx = (m_Pos_Down_Left[0] + m_Pos_Curr[0]) / 2;
    const std::int32_t cy = (m_Pos_Down_Left[1] + m_Pos_Curr[1]) / 2;
    const std::int32_t w = std::max(std::abs(m_Pos_Curr[0] - m_Pos_Down_Left[0]), 2);
    const std::int32_t h = std::max(std::abs(m_Pos_Curr[1] - m_Pos_Down_Left[1]), 2);
    M_Fn_View_Main_Pick(cx, cy, w, h, true);
    M_Fn_View_Main_Redraw();
}

C_Mgr_Frame::C_Vector2f C_Mgr_Frame::M_Fn_View_Main_Pos_Scrn_To_Sect(std::int32_t i_X, std::int32_t i_Y) const
{
    C_Matrix4f inverse;
    m_Matrix_View.M_Fn_Invert(inverse);
    const float sx = static_cast<float>(i_X) - m_Size_Half.x;
    const float sy = static_cast<float>(i_Y) - m_Size_Half.y;
    C_Vector3f p;
    inverse.M_Fn_Transform_Point(C_Vector3f(sx, sy, 0.0f), p);
    bool grid = false;
    float step = 0;
    G_Fn_Grid_Get(grid, step);
    if (!grid || !(step > 0.0f))
        return C_Vector2f(p.x, p.y);
    const float nx = std::floor(p.x / step + 0.5f) * step;
    const float ny = std::floor(p.y / step + 0.5f) * step;
    C_Vector3f e;
    inverse.M_Fn_Transform_Point(C_Vector3f(sx + 10.0f, sy, 0.0f), e);
    const float d_pixels = std::hypot(p.x - e.x, p.y - e.y);
    const float d_node = std::hypot(p.x - nx, p.y - ny);
    if (d_node < d_pixels)
        return C_Vector2f(nx, ny);
    return C_Vector2f(p.x, p.y);
}

} // namespace N_Biz::N_Sect
