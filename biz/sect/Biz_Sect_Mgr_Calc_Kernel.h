// The numeric kernels of the load cases: empirical thin-wall buckling formulas that turn a wall
// segment's slenderness, stress gradient and end restraint into capacity stresses.
//
// Every argument and result is single precision; inside, the arithmetic is double, and every
// decimal constant is the double nearest to the single-precision value of that decimal (written
// K(1.3f) below), except where a comment says the constant is an exact double. That is how the
// formulas were calibrated, so the last bits of the results follow it.
//
// The kernels are numbered as the calculation refers to them (1 to 16; the rotated strip moments,
// number 15, belong to the section properties). Argument names follow the calling convention:
// tl = thickness over length, e = elastic modulus, nu = Poisson ratio, sy = yield stress,
// su = ultimate stress, g1/g2 = the two stress-gradient factors, lam = the slenderness limit,
// kc = the corner factor, d = an end restraint value.
#pragma once

namespace N_Biz::N_Sect::N_Kernel {

// The double nearest to a single-precision constant.
constexpr double K(float i_Value) { return static_cast<double>(i_Value); }

// 1: corner factor. 1 when tl <= 0.016; else min(13.954 tl + 0.77674, su / sy, 1.3).
float G_Fn_Corner(float tl, float su, float sy);
// 2: gradient factor g1(psi) = 2.3 - 1.3 psi + 1.2 psi^2 - 1.2 psi^3.
float G_Fn_Gradient_1(float psi);
// 3: gradient factor g2(psi) = 2.3275 - 1.5893 psi + 0.50327 psi^2 - 0.89566 psi^3 + 0.6543 psi^4.
float G_Fn_Gradient_2(float psi);
// 4, 5, 6, 7: restraint polynomials of an end restraint value d.
float G_Fn_Restraint_4(float d);
float G_Fn_Restraint_5(float d);
float G_Fn_Restraint_6(float d);
float G_Fn_Restraint_7(float d);
// 8: slenderness limit (g, a, e, nu, sy).
float G_Fn_Slenderness(float a1, float a2, float a3, float nu, float a5);
// 9 and 10: critical slenderness of a supported strip (g1, g2, a, b, e, nu, sy).
float G_Fn_Critical_9(float a1, float a2, float a3, float a4, float a5, float a6, float a7);
float G_Fn_Critical_10(float a1, float a2, float a3, float a4, float a5, float a6, float a7);
// 11: capacity of a strip supported at both ends (g2, a, e, nu, sy, su, tl, lam, kc).
float G_Fn_Capacity_11(float a1, float a2, float a3, float a4, float a5, float a6, float a7, float a8, float a9);
// 12: capacity of a strip supported at one end (g2, a, e, sy, su, tl, lam). Above the slenderness
// limit the capacity ramps from the yield stress at tl = lam towards 0.3; with lam at or beyond
// 0.3 the ramp has no length and the capacity is the yield stress, its limit from below. (Kept on
// purpose: the raw ramp, divided by 0.3 - lam of zero or below, would blow up or invert the
// capacity.)
float G_Fn_Capacity_12(float a1, float a2, float a3, float a4, float a5, float a6, float a7);
// 13: Euler-type column capacity (g1, b, e, nu, sy, tl, lam, critical).
float G_Fn_Column_13(float a1, float a2, float a3, float a4, float a5, float a6, float a7, float a8);
// 14: average capacity of a strip supported at both ends (g2, c, e, nu, sy, su, tl, lam, kc).
// Above the slenderness limit it ramps towards the ultimate stress at tl = 0.2; with lam at or
// beyond 0.2 the ramp has no length and the capacity is the ultimate stress, the ramp's end. (Kept
// on purpose: the raw ramp, divided by 0.2 - lam of zero or below, would invert the capacity.)
float G_Fn_Average_14(float a1, float a2, float a3, float a4, float a5, float a6, float a7, float a8, float a9);
// 16: corner-length factor (mean end restraint d, tl) of the critical element's buckling length.
float G_Fn_Corner_Length(float d, float tl);

// 15: second moments of a thin straight strip of area a, length l and thickness t with unit
// direction (c, s), its centre at (dx, dy) from the axes: with a' = t^2/12, b = l^2/12,
// S = a' + b, D = a' - b, C2 = c^2 - s^2, S2 = 2cs:
//   Ixy = a (dx dy - D S2 / 2), Ixx = a (dy^2 + (S + D C2) / 2), Iyy = a (dx^2 + (S - D C2) / 2).
struct C_Strip_Moments {
    double m_Ixy;
    double m_Ixx;
    double m_Iyy;
};
C_Strip_Moments G_Fn_Strip(float a, float l, float t, float c, float s, float dx, float dy);

// Elastic critical stress of a strip free at both ends: (3.14 tl)^2 e g2 / 6.
float G_Fn_Free_Critical(float tl, float e, float g2);

} // namespace N_Biz::N_Sect::N_Kernel
