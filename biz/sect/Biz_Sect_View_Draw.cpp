#include "biz/sect/Biz_Sect_View_Draw.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_Context_Draw_Tess.h"
#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

namespace N_Biz::N_Sect::N_View_Draw {

C_Matrix_Guard::C_Matrix_Guard(bool i_Projection) : m_Projection(i_Projection)
{
    if (m_Projection) {
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
    }
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
}

C_Matrix_Guard::~C_Matrix_Guard()
{
    if (m_Projection) {
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
    }
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}

C_Client_Array_Guard::C_Client_Array_Guard()
{
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
}

C_Client_Array_Guard::~C_Client_Array_Guard()
{
    glPopClientAttrib();
}

const N_Biz::N_Config::C_Config_Data& G_Fn_Config()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        VT_THROW("N_Biz::N_Sect::N_View_Draw::G_Fn_Config");
    return p_app->m_sp_Config->M_Fn_Data();
}

void G_Fn_Context_Geom_Init(C_Context_Draw_Geom& o_Context, C_Sect& ro_Sect)
{
    o_Context.m_p_Sect = &ro_Sect;
    o_Context.m_Color_By_Material = G_Fn_Config().m_Color_By == 0 ? 1 : 0;
    o_Context.m_p_Color_Normal = S_Color_Normal;
    o_Context.m_p_Color_Picked = S_Color_Picked;
    o_Context.m_p_Color_Selected = S_Color_Selected;
    o_Context.m_Line_Width = 1.0f;
    o_Context.m_p_Color = nullptr;
}

void G_Fn_Context_Tess_Init(C_Context_Draw_Tess& o_Context, C_Sect& ro_Sect)
{
    const N_Biz::N_Config::C_Config_Data& config = G_Fn_Config();
    o_Context.m_p_Sect = &ro_Sect;
    o_Context.m_Show_Thk = config.m_Show_Thickness != 0;
    o_Context.m_Show_Loop = config.m_Show_Loop != 0;
    o_Context.m_Color_By_Material = config.m_Color_By == 0;
    o_Context.m_p_Color_Normal = S_Color_Normal;
    o_Context.m_p_Color_Picked = S_Color_Picked;
    o_Context.m_p_Color_Selected = S_Color_Selected;
    o_Context.m_Line_Width = 1.0f;
    o_Context.m_p_Color = nullptr;
}

void G_Fn_Draw_Geom_E(const C_Sect& ro_Sect, C_Context_Draw_Geom& io_Context, bool i_Sel)
{
    const auto& store = ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store();
    const auto& entities = store.elements();
    for (std::uint32_t i = 1; i < store.size(); ++i) {
        if (!store.is_used_at(i) || !entities[i])
            continue;
        if (i_Sel)
            entities[i]->M_Fn_Draw_Sel(io_Context);
        entities[i]->M_Fn_Draw(io_Context);
    }
}

void G_Fn_Point_Marked(const float* ip_Pos, const float* ip_Color)
{
    glPointSize(7.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_POINTS);
    glVertex2fv(ip_Pos);
    glEnd();
    glPointSize(5.0f);
    glColor4fv(ip_Color);
    glBegin(GL_POINTS);
    glVertex2fv(ip_Pos);
    glEnd();
}

void G_Fn_Text(float i_X, float i_Y, const std::wstring& i_Text)
{
    glRasterPos2f(i_X, i_Y);
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Port().M_Fn_GL_Draw_Text(i_Text);
}

std::array<int, 2> G_Fn_Text_Extent(const std::wstring& i_Text)
{
    std::array<int, 2> extent{0, 0};
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Port().M_Fn_GL_Get_Text_Extent(i_Text, extent[0], extent[1]);
    return extent;
}

} // namespace N_Biz::N_Sect::N_View_Draw
