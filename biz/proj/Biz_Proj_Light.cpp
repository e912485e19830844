#include "biz/proj/Biz_Proj_Light.h"

namespace N_Biz::N_Proj {

C_Light::C_Light(std::int32_t i_Index)
    : m_Index(i_Index), m_Light(i_Index >= 0 && i_Index <= 6 ? GLenum(GL_LIGHT0 + i_Index) : GLenum(GL_LIGHT7))
{
    const float part = m_Light == GL_LIGHT0 ? 1.0f : 0.0f;
    for (int i = 0; i < 3; ++i)
        m_Diffuse[i] = m_Specular[i] = part;
    m_Diffuse[3] = m_Specular[3] = 1.0f;
}

void C_Light::M_Fn_Apply() const
{
    glLightfv(m_Light, GL_AMBIENT, m_Ambient);
    glLightfv(m_Light, GL_DIFFUSE, m_Diffuse);
    glLightfv(m_Light, GL_SPECULAR, m_Specular);
    glLightfv(m_Light, GL_POSITION, m_Position);
    glLightfv(m_Light, GL_SPOT_DIRECTION, m_Spot_Direction);
    glLightf(m_Light, GL_SPOT_EXPONENT, m_Spot_Exponent);
    glLightf(m_Light, GL_SPOT_CUTOFF, m_Spot_Cutoff);
    glLightf(m_Light, GL_CONSTANT_ATTENUATION, m_Attenuation_Constant);
    glLightf(m_Light, GL_LINEAR_ATTENUATION, m_Attenuation_Linear);
    glLightf(m_Light, GL_QUADRATIC_ATTENUATION, m_Attenuation_Quadratic);
    glEnable(m_Light);
}

} // namespace N_Biz::N_Proj
