// The result graph's schematic load-displacement curve of one load case and bound: a linear rise to
// the critical value, a smooth transition to the maximum, then (axial compression) an oscillation
// between the periodic valley and peak or (the other cases) a decay towards the minimum.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace N_Biz::N_Sect {

class C_Result;

struct C_Graph_Curve {
    // The statistics of the case and bound: critical, maximum, corner, minimum; the wave length.
    float m_C = 0.0f, m_M = 0.0f, m_P = 0.0f, m_V = 0.0f, m_W = 0.0f;
    // Displacement per load (s), at the critical value, at the maximum, and the curve's width.
    double m_S = 0.0, m_Xc = 0.0, m_Xe = 0.0, m_X = 0.0;
    // The polyline (at most 90 points); empty when the curve has no finite form.
    std::vector<std::array<double, 2>> m_Points;

    // Whether the curve (and its guide lines) can be drawn.
    bool M_Fn_Drawable() const { return !m_Points.empty(); }
};

// The curve of load case i_Case (0 to 5) and bound i_Bound (0 lower, 1 upper) of ro_Result with the
// standard modulus i_Modulus. The statistics are always filled; the points only when every value
// the curve needs is finite and sound: a positive displacement scale, 0 <= critical <= maximum,
// a maximum above the minimum, a positive wave length and, for the decay, a positive minimum.
// C_Exception for a case or bound out of range.
C_Graph_Curve G_Fn_Graph_Curve_Build(const C_Result& ro_Result, std::int32_t i_Case, std::int32_t i_Bound,
                                     float i_Modulus);

} // namespace N_Biz::N_Sect
