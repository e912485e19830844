// The parts of the view manager that the painting needs and the manager's input half
// (Biz_Sect_Mgr_Frame.cpp) defines as well: the windows' hooks, the redraw, the fit of a new
// frame and the pending picks of a paint. The hooks, the redraw and the fit are whole; the pending
// picks only retire their marks, as the pick of each selection mode belongs to the input half.
// This file goes when the two halves are joined.
#include "biz/sect/Biz_Sect_Mgr_Frame.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace N_Biz::N_Sect {

// --- window hooks --------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_On_Create(C_View* i_p_View)
{
    if (!i_p_View || m_p_View_Main)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_Main_On_Create");
    // No lighting in this view: normals only have to stay unit length under the view's scaling.
    glEnable(GL_NORMALIZE);
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
    const float hw = float(i_Width) * 0.5f;
    const float hh = float(i_Height) * 0.5f;
    m_Size_Half = C_Vector2f(hw, hh);
    m_Radius_Fit = 0.5f * float(std::min(i_Width, i_Height));
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

void C_Mgr_Frame::M_Fn_View_R_Graph_On_Destroy()
{
    if (!m_p_View_Graph)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Graph_On_Destroy");
    m_p_View_Graph = nullptr;
}

void C_Mgr_Frame::M_Fn_View_R_Sheet_On_Create(C_View* i_p_View)
{
    if (!i_p_View || m_p_View_Sheet)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Sheet_On_Create");
    m_p_View_Sheet = i_p_View;
}

void C_Mgr_Frame::M_Fn_View_R_Sheet_On_Destroy()
{
    if (!m_p_View_Sheet)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_R_Sheet_On_Destroy");
    m_p_View_Sheet = nullptr;
}

void C_Mgr_Frame::M_Fn_View_Main_Redraw()
{
    if (!(m_Flags & E_Flag_Frozen) && m_p_View_Main)
        m_p_View_Main->M_Fn_Invalidate();
}


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
    const float zoom = d > 1e-6 ? float(double(m_Radius_Fit) / d) : 1.0f;
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

} // namespace N_Biz::N_Sect
