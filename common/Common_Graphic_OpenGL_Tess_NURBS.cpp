#include "common/Common_Graphic_OpenGL_Tess_NURBS.h"

#include "common/Common_Exception.h"
#include "common/Common_Graphic_OpenGL_Error.h"

namespace N_Common::N_Graphic::N_OpenGL {

namespace {

constexpr std::size_t k_Reserve = 256;

C_Tess_NURBS& G_Fn_Of(void* ip_Data) { return *static_cast<C_Tess_NURBS*>(ip_Data); }

template <class F>
_GLUfuncptr G_Fn_GLU(F* ip_Fn)
{
    return reinterpret_cast<_GLUfuncptr>(ip_Fn);
}

void GLAPIENTRY G_Fn_Callback_Error(GLenum i_Code) { G_Fn_Log_NURBS_Error(i_Code); }

} // namespace

C_Tess_NURBS::C_Tess_NURBS(std::int32_t i_Mode) : m_Mode(i_Mode), m_p_GLU(gluNewNurbsRenderer())
{
    if (!m_p_GLU)
        VT_THROW("N_Common::N_Graphic::N_OpenGL::C_Tess_NURBS::C_Tess_NURBS");
    GLUnurbs* const n = m_p_GLU;
    gluNurbsCallbackData(n, this);
    gluNurbsCallback(n, GLU_NURBS_ERROR, G_Fn_GLU(&G_Fn_Callback_Error));
    gluNurbsProperty(n, GLU_DISPLAY_MODE, GLU_OUTLINE_PATCH);
    // The views keep their own matrices; GLU must not read them at every curve.
    gluNurbsProperty(n, GLU_AUTO_LOAD_MATRIX, 0.0f);
    if (m_Mode == S_Mode_Tessellator) {
        m_Codes.reserve(k_Reserve);
        m_Types.reserve(k_Reserve);
        m_Vertices.reserve(k_Reserve);
        gluNurbsCallback(n, GLU_NURBS_BEGIN_DATA, G_Fn_GLU(&S_Fn_Callback_Begin));
        gluNurbsCallback(n, GLU_NURBS_END_DATA, G_Fn_GLU(&S_Fn_Callback_End));
        gluNurbsCallback(n, GLU_NURBS_COLOR_DATA, G_Fn_GLU(&S_Fn_Callback_Color));
        gluNurbsCallback(n, GLU_NURBS_TEXTURE_COORD_DATA, G_Fn_GLU(&S_Fn_Callback_Texture_Coord));
        gluNurbsCallback(n, GLU_NURBS_NORMAL_DATA, G_Fn_GLU(&S_Fn_Callback_Normal));
        gluNurbsCallback(n, GLU_NURBS_VERTEX_DATA, G_Fn_GLU(&S_Fn_Callback_Vertex));
        gluNurbsProperty(n, GLU_NURBS_MODE, GLU_NURBS_TESSELLATOR);
    } else {
        gluNurbsProperty(n, GLU_NURBS_MODE, GLU_NURBS_RENDERER);
    }
    gluNurbsProperty(n, GLU_SAMPLING_METHOD, GLU_DOMAIN_DISTANCE);
    gluNurbsProperty(n, GLU_SAMPLING_TOLERANCE, 50.0f);
    gluNurbsProperty(n, GLU_PARAMETRIC_TOLERANCE, 0.25f);
    gluNurbsProperty(n, GLU_U_STEP, S_U_Step);
    gluNurbsProperty(n, GLU_V_STEP, S_U_Step);
}

C_Tess_NURBS::~C_Tess_NURBS() { gluDeleteNurbsRenderer(m_p_GLU); }

C_Tess_NURBS& C_Tess_NURBS::S_Fn_Get_Renderer()
{
    static C_Tess_NURBS s_Renderer(S_Mode_Renderer);
    return s_Renderer;
}

C_Tess_NURBS& C_Tess_NURBS::S_Fn_Get_Tessellator()
{
    static C_Tess_NURBS s_Tessellator(S_Mode_Tessellator);
    return s_Tessellator;
}

void C_Tess_NURBS::M_Fn_Clear()
{
    m_Codes.clear();
    m_Types.clear();
    m_Vertices.clear();
}

void GLAPIENTRY C_Tess_NURBS::S_Fn_Callback_Begin(GLenum i_Type, void* ip_Data)
{
    C_Tess_NURBS& t = G_Fn_Of(ip_Data);
    t.m_Types.push_back(static_cast<std::int32_t>(i_Type));
    t.m_Codes.push_back(S_Code_Begin);
}

void GLAPIENTRY C_Tess_NURBS::S_Fn_Callback_End(void* ip_Data) { G_Fn_Of(ip_Data).m_Codes.push_back(S_Code_End); }

void GLAPIENTRY C_Tess_NURBS::S_Fn_Callback_Color(GLfloat*, void* ip_Data)
{
    G_Fn_Of(ip_Data).m_Codes.push_back(S_Code_Color);
}

void GLAPIENTRY C_Tess_NURBS::S_Fn_Callback_Texture_Coord(GLfloat*, void* ip_Data)
{
    G_Fn_Of(ip_Data).m_Codes.push_back(S_Code_Texture_Coord);
}

void GLAPIENTRY C_Tess_NURBS::S_Fn_Callback_Normal(GLfloat*, void* ip_Data)
{
    G_Fn_Of(ip_Data).m_Codes.push_back(S_Code_Normal);
}

void GLAPIENTRY C_Tess_NURBS::S_Fn_Callback_Vertex(GLfloat* ip_Vertex, void* ip_Data)
{
    C_Tess_NURBS& t = G_Fn_Of(ip_Data);
    // GLU evaluates the map in homogeneous space: back to Cartesian coordinates.
    const float w = ip_Vertex[3];
    t.m_Vertices.emplace_back(ip_Vertex[0] / w, ip_Vertex[1] / w, ip_Vertex[2] / w);
    t.m_Codes.push_back(S_Code_Vertex);
}

} // namespace N_Common::N_Graphic::N_OpenGL
