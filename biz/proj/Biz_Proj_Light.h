// One OpenGL light as a plain record of its parameters, applied in one call. The project view's
// light is light 0; the view sets it up once, with the modelview at identity, so that it shines
// along the viewing direction whatever the camera does.
#pragma once

#include <GL/gl.h>

#include <cstdint>

namespace N_Biz::N_Proj {

class C_Light {
public:
    // Light i_Index (0 to 6; any other index names light 7) with OpenGL's defaults: no ambient
    // part, white diffuse and specular parts for light 0 (black for the others), directional along
    // +z, no spot, no attenuation.
    explicit C_Light(std::int32_t i_Index = 0);

    // Sets ambient, diffuse, specular, position and spot direction (vector forms), then spot
    // exponent, spot cutoff and the three attenuations (scalar forms), and enables the light.
    void M_Fn_Apply() const;

    std::int32_t m_Index;
    GLenum m_Light;
    float m_Ambient[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float m_Diffuse[4];
    float m_Specular[4];
    float m_Position[4] = {0.0f, 0.0f, 1.0f, 0.0f};
    float m_Spot_Direction[3] = {0.0f, 0.0f, -1.0f};
    float m_Spot_Exponent = 0.0f;
    float m_Spot_Cutoff = 180.0f;
    float m_Attenuation_Constant = 1.0f;
    float m_Attenuation_Linear = 0.0f;
    float m_Attenuation_Quadratic = 0.0f;
};

} // namespace N_Biz::N_Proj
