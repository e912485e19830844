// The section view manager's window side: the result graph's size, the section's frame, the pick
// projection, the vertex arrays of the drawing, and the section's drawing in the project view.
#include "biz/sect/Biz_Sect_Mgr_Frame.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "biz/sect/Biz_Sect_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_View_Draw.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace N_Biz::N_Sect {

// --- result graph size ---------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_R_Graph_On_Size(std::int32_t i_Width, std::int32_t i_Height)
{
    if (i_Width == 0 || i_Height == 0)
        return;
    m_Size_Graph = {i_Width, i_Height};
    glViewport(0, 0, i_Width, i_Height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, double(i_Width), 0.0, double(i_Height), -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
}

// --- frame -----------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_Frame_Open()
{
    if (m_p_View_Main)
        return;
    C_Doc* p_doc = m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc();
    if (!p_doc || p_doc->M_Fn_Frame_Create() != 1)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_Frame_Open");
    M_Fn_View_Main_Reset();
}

void C_Mgr_Frame::M_Fn_Frame_Close()
{
    if (!m_p_View_Main)
        return;
    C_Doc* p_doc = m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc();
    if (!p_doc || p_doc->M_Fn_Frame_Close() != 1)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_Frame_Close");
}

// --- pick projection and vertex arrays -----------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Pick_Box(std::int32_t i_X, std::int32_t i_Y, std::int32_t i_W, std::int32_t i_H,
                                          const std::function<void()>& ro_Fn_Pick)
{
    {
        N_View_Draw::C_Matrix_Guard guard(true);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        GLint viewport[4] = {m_Viewport[0], m_Viewport[1], m_Viewport[2], m_Viewport[3]};
        gluPickMatrix(double(i_X), double(i_Y), double(i_W), double(i_H), viewport);
        glMultMatrixf(m_Matrix_Proj.m_Data);
        glMatrixMode(GL_MODELVIEW);
        glLoadMatrixf(m_Matrix_View.m_Data);
        if (ro_Fn_Pick)
            ro_Fn_Pick();
    }
    M_Fn_View_Main_Redraw();
}

void C_Mgr_Frame::M_Fn_View_Main_Bind_Geom_P() const
{
    const auto& points = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_Store().elements();
    glVertexPointer(2, GL_FLOAT, GLsizei(sizeof(C_D_Geom_Point)), points.empty() ? nullptr : &points.front().m_X);
}

void C_Mgr_Frame::M_Fn_View_Main_Bind_Tess_N() const
{
    const auto& nodes = m_p_Sect->M_Fn_Get_Mgr_D_Tess_N().M_Fn_Get_Store().elements();
    glVertexPointer(2, GL_FLOAT, GLsizei(sizeof(C_D_Tess_Node)), nodes.empty() ? nullptr : &nodes.front().m_X);
}

// --- the section in the project view -------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Proj_Draw_Obj()
{
    N_View_Draw::C_Matrix_Guard guard;
    N_View_Draw::C_Client_Array_Guard arrays;
    glMultMatrixf(m_p_Sect->M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix().m_Data);
    glEnable(GL_DEPTH_TEST);
    M_Fn_View_Main_Bind_Geom_P();
    glLineWidth(1.0f);
    C_Context_Draw_Geom context;
    N_View_Draw::G_Fn_Context_Geom_Init(context, *m_p_Sect);
    context.m_Override = 1;
    context.m_Override_Picked = (m_p_Sect->m_Flag & 0x1u) ? 1 : 0;
    context.m_Override_Selected = (m_p_Sect->m_Flag & 0x2u) ? 1 : 0;
    struct C_Depth_Off {
        ~C_Depth_Off()
        {
            glLineWidth(1.0f);
            glDisable(GL_DEPTH_TEST);
        }
    } depth_off;
    N_View_Draw::G_Fn_Draw_Geom_E(*m_p_Sect, context, true);
}

void C_Mgr_Frame::M_Fn_View_Proj_Draw_Obj_Origin()
{
    const float origin[2] = {0.0f, 0.0f};
    if (m_p_Sect->m_Flag & 0x1u)
        N_View_Draw::G_Fn_Point_Marked(origin, N_View_Draw::S_Color_P0_Point);
    else if (m_p_Sect->m_Flag & 0x2u)
        N_View_Draw::G_Fn_Point_Marked(origin, N_View_Draw::S_Color_P1_Point);
    else {
        glPointSize(3.0f);
        glColor3f(0.5f, 0.5f, 1.0f);
        glBegin(GL_POINTS);
        glVertex2fv(origin);
        glEnd();
    }
}

void C_Mgr_Frame::M_Fn_View_Proj_Draw_Select()
{
    N_View_Draw::C_Matrix_Guard guard;
    glMultMatrixf(m_p_Sect->M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix().m_Data);
    glBegin(GL_POINTS);
    glVertex2f(0.0f, 0.0f);
    glEnd();
    N_View_Draw::C_Client_Array_Guard arrays;
    M_Fn_View_Main_Bind_Geom_P();
    glLineWidth(1.0f);
    C_Context_Draw_Geom context;
    context.m_p_Sect = m_p_Sect;
    N_View_Draw::G_Fn_Draw_Geom_E(*m_p_Sect, context, false);
}

} // namespace N_Biz::N_Sect
