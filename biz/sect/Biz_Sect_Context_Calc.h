// The small record that one calculation run hands from step to step. The caller zeroes it.
#pragma once

#include <cstdint>

namespace N_Biz::N_Sect {

struct C_Context_Calc {
    // Non-zero: a quick run, in which the load cases skip the 72 bending directions (the
    // sensitivities rerun the calculation many times and need only the standard cases).
    std::int32_t m_Quick = 0;
    // Written by the loop classification: 1 when at least one segment lies on a closed loop.
    std::int32_t m_Closed = 0;
    // Written with the second moments: 1 / determinant of the equivalent second moments (the
    // determinant floored at 1e-6); read by the node stresses of the load cases.
    float m_Det_Inverse = 0.0f;
};

} // namespace N_Biz::N_Sect
