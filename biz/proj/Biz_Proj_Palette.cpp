#include "biz/proj/Biz_Proj_Palette.h"

#include "common/Common_Exception.h"
#include "common/Common_Math_Vector.h"

#include <cmath>

namespace N_Common::N_Math {

namespace {

// Degree and radian factors as single-precision values, applied in double precision.
constexpr double G_Deg_To_Rad = static_cast<double>(0.0174533f);
constexpr double G_Rad_To_Deg = static_cast<double>(57.29578f);

} // namespace

float G_Fn_Color_Clamp(float i_Component)
{
    if (!(i_Component >= 0.0f))
        return 0.0f; // negative or NaN
    return i_Component > 1.0f ? 1.0f : i_Component;
}

void G_Fn_Color_RGB_To_HSV(const std::array<float, 4>& ro_Color, float& o_Hue)
{
    const float r = ro_Color[0];
    const float g = ro_Color[1];
    const float b = ro_Color[2];
    float min = r < g ? r : g;
    if (b < min)
        min = b;
    float max = r;
    int largest = 0; // 0 red, 1 green, 2 blue; ties keep the earlier component
    if (g > max) {
        max = g;
        largest = 1;
    }
    if (b > max) {
        max = b;
        largest = 2;
    }
    const float delta = max - min;
    float hue = 0.0f;
    if (!(G_Fn_Abs(delta) < 1e-6f)) {
        if (largest == 2)
            hue = (r - g) / delta * 60.0f + 240.0f;
        else if (largest == 1)
            hue = (b - r) / delta * 60.0f + 120.0f;
        else {
            hue = (g - b) / delta * 60.0f;
            if (hue < 0.0f)
                hue += 360.0f;
        }
    }
    o_Hue = static_cast<float>(hue * G_Deg_To_Rad);
}

void G_Fn_Color_HSV_To_RGB(float i_Hue, float i_S, float i_V, std::array<float, 4>& o_Color)
{
    const float degrees = static_cast<float>(i_Hue * G_Rad_To_Deg);
    const float h = degrees / 60.0f;
    const float floor_h = std::floor(h);
    // A hue that is not a number, or far outside one turn, has no sextant: nothing is written.
    if (!(floor_h >= 0.0f && floor_h <= 5.0f))
        return;
    const int i = static_cast<int>(floor_h);
    const float f = h - floor_h;
    const float p = i_V * (1.0f - i_S);
    const float q = i_V * (1.0f - i_S * f);
    const float t = i_V * (1.0f - i_S * (1.0f - f));
    switch (i) {
    case 0: o_Color[0] = i_V; o_Color[1] = t; o_Color[2] = p; break;
    case 1: o_Color[0] = q; o_Color[1] = i_V; o_Color[2] = p; break;
    case 2: o_Color[0] = p; o_Color[1] = i_V; o_Color[2] = t; break;
    case 3: o_Color[0] = p; o_Color[1] = q; o_Color[2] = i_V; break;
    case 4: o_Color[0] = t; o_Color[1] = p; o_Color[2] = i_V; break;
    case 5: o_Color[0] = i_V; o_Color[1] = p; o_Color[2] = q; break;
    default: break;
    }
}

} // namespace N_Common::N_Math

namespace N_Biz::N_Proj {

const std::array<std::int32_t, C_Palette::S_Count> C_Palette::S_Order = {
    9, 6, 3, 0, 21, 18, 10, 7, 4, 1, 22, 19, 11, 8, 5, 2, 23, 20, 15, 12, 16, 13, 17, 14};

C_Palette::C_Palette() : m_Position_Of_Hue(S_Count, 0), m_Users(S_Count)
{
    for (std::int32_t position = 0; position < S_Count; ++position)
        m_Position_Of_Hue[static_cast<std::size_t>(S_Order[static_cast<std::size_t>(position)])] = position;
}

void C_Palette::M_Fn_Pick(std::array<float, 4>& o_Color) const
{
    std::size_t best = 0;
    for (std::size_t position = 1; position < m_Users.size(); ++position)
        if (m_Users[position].size() < m_Users[best].size())
            best = position;
    // A quarter step above the sector's lower edge, so that the hue maps back to the same sector.
    const float degrees = static_cast<float>((S_Order[best] + 0.25) * m_Step);
    const float radians = static_cast<float>(degrees * static_cast<double>(0.0174533f));
    o_Color = {0.0f, 0.0f, 0.0f, 1.0f};
    N_Common::N_Math::G_Fn_Color_HSV_To_RGB(radians, 1.0f, 1.0f, o_Color);
}

std::int32_t C_Palette::M_Fn_Index_Hue(const std::array<float, 4>& ro_Color) const
{
    using N_Common::N_Math::G_Fn_Color_Clamp;
    const std::array<float, 4> color{G_Fn_Color_Clamp(ro_Color[0]), G_Fn_Color_Clamp(ro_Color[1]),
                                     G_Fn_Color_Clamp(ro_Color[2]), ro_Color[3]};
    float hue = 0.0f;
    N_Common::N_Math::G_Fn_Color_RGB_To_HSV(color, hue);
    const float degrees = static_cast<float>(hue * static_cast<double>(57.29578f));
    const float quotient = degrees / m_Step;
    std::int64_t k = 0;
    if (std::isfinite(quotient))
        k = static_cast<std::int64_t>(std::floor(quotient));
    // A full turn (360 degrees after rounding) is sector 0 again; wrapping keeps every index inside.
    k %= S_Count;
    if (k < 0)
        k += S_Count;
    return m_Position_Of_Hue[static_cast<std::size_t>(k)];
}

void C_Palette::M_Fn_Check_in(const std::array<float, 4>& ro_Color, std::uint32_t i_Id)
{
    m_Users[static_cast<std::size_t>(M_Fn_Index_Hue(ro_Color))].push_back(i_Id);
}

void C_Palette::M_Fn_Check_out(const std::array<float, 4>& ro_Color, std::uint32_t i_Id)
{
    m_Users[static_cast<std::size_t>(M_Fn_Index_Hue(ro_Color))].remove(i_Id);
}

const std::list<std::uint32_t>& C_Palette::M_Fn_Users_Get(std::int32_t i_Position) const
{
    if (i_Position < 0 || i_Position >= S_Count)
        VT_THROW("N_Biz::N_Proj::C_Palette::M_Fn_Users_Get");
    return m_Users[static_cast<std::size_t>(i_Position)];
}

} // namespace N_Biz::N_Proj
