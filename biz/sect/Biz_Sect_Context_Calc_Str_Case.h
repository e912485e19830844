// One load case of the calculation: its loads, the sums it gathers over the segments, the
// effective properties its buckled segments leave, and its utilisation statistics. Created for
// the load-case step only.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace N_Biz::N_Sect {

class C_D_Tess_Element;

struct C_Context_Calc_Str_Case {
    // 1 for a bending direction; for the four standard bending cases the 360-degree switch
    // (configuration word 23); 0 for the axial cases. Non-zero: the case fills its direction record.
    std::int32_t m_Directional = 0;
    std::int32_t m_Direction = 0;      // 0..71, 5 degrees apart
    std::int32_t m_Case_Standard = -1; // 0 Fz+, 1 Fz-, 2 Mx+, 3 Mx-, 4 My+, 5 My-; -1 for a direction
    float m_Force_Axial = 0.0f;
    float m_Moment_X = 0.0f;
    float m_Moment_Y = 0.0f;
    // Capacity forces of the compressed segments and their moments about the equivalent centroid.
    float m_Ult_Force = 0.0f;
    float m_Ult_Moment_X = 0.0f;
    float m_Ult_Moment_Y = 0.0f;
    // Yield-limited stress times area, tension positive, and its moments.
    float m_Yield_Force = 0.0f;
    float m_Yield_Moment_X = 0.0f;
    float m_Yield_Moment_Y = 0.0f;
    // Geometric area and second moments less the ineffective parts of buckled segments.
    float m_Eff_Area = 0.0f;
    float m_Eff_Ixy = 0.0f;
    float m_Eff_Ixx = 0.0f;
    float m_Eff_Iyy = 0.0f;
    // Of the critical element.
    float m_Eff_Length = 0.0f;
    float m_Distance = 0.0f;
    // Utilisation: maximum, critical, corner, average, minimum.
    std::array<float, 5> m_Stat{};
    std::uint32_t m_Count_Element = 0;
    std::shared_ptr<C_D_Tess_Element> m_sp_Element_Critical;
};

} // namespace N_Biz::N_Sect
