#include "biz/sect/Biz_Sect_Mgr_Calc_Kernel.h"

#include <algorithm>
#include <cmath>

namespace N_Biz::N_Sect::N_Kernel {

namespace {

// The smallest length of a ramp that a kernel divides by; below it the ramp has no length.
constexpr double G_Ramp_Min = 1e-6;

} // namespace

float G_Fn_Corner(float tl, float su, float sy)
{
    if (tl <= 0.016) // an exact double here
        return 1.0f;
    const double linear = K(13.954f) * tl + K(0.77674f);
    const double ratio = static_cast<double>(su) / static_cast<double>(sy);
    return static_cast<float>(std::min({linear, ratio, K(1.3f)}));
}

float G_Fn_Gradient_1(float psi)
{
    const double p = psi;
    return static_cast<float>(K(2.3f) - K(1.3f) * p + K(1.2f) * p * p - K(1.2f) * p * p * p);
}

float G_Fn_Gradient_2(float psi)
{
    const double p = psi;
    const double p2 = p * p;
    return static_cast<float>(K(2.3275f) - K(1.5893f) * p + K(0.50327f) * p2 - K(0.89566f) * p2 * p +
                              K(0.6543f) * p2 * p2);
}

float G_Fn_Restraint_4(float d)
{
    if (d > 3.5)
        return 0.5f;
    const double x = d;
    return static_cast<float>(K(6.4f) - K(8.2679f) * x + K(5.5f) * x * x - K(1.7165f) * x * x * x +
                              K(0.195f) * x * x * x * x);
}

float G_Fn_Restraint_5(float d)
{
    if (d > 2.5)
        return 1.0f;
    const double x = d;
    if (d > 1.0)
        return static_cast<float>(x * (x - K(5.5f)) + K(8.5f));
    const double x2 = x * x;
    return static_cast<float>(K(7.0f) - K(11.992f) * x + K(28.1713f) * x2 - K(29.6635f) * x2 * x +
                              K(12.04f) * x2 * x2 - K(1.556f) * x2 * x2 * x);
}

float G_Fn_Restraint_6(float d)
{
    if (d > 4.0)
        return K(0.444f);
    const double x = d;
    const double x2 = x * x;
    const double x3 = x2 * x;
    return static_cast<float>(K(1.3474f) - K(1.4751f) * x + K(1.3756f) * x2 - K(0.64f) * x3 + K(0.15225f) * x2 * x2 -
                              K(0.0189f) * x3 * x2 + K(0.001159f) * x3 * x3 - K(0.0000274f) * x3 * x3 * x);
}

float G_Fn_Restraint_7(float d)
{
    if (d > 3.5)
        return K(0.35f);
    const double x = d;
    if (d > 1.0)
        return static_cast<float>(x * (K(0.58297f) - K(0.56498f) * x + K(0.19493f) * x * x - K(0.02293f) * x * x * x));
    return static_cast<float>(K(0.62f) - K(1.2368f) * x + K(2.1409f) * x * x - K(1.655f) * x * x * x +
                              K(0.3209f) * x * x * x * x);
}

float G_Fn_Slenderness(float a1, float a2, float a3, float nu, float a5)
{
    const double p = (1.0 - static_cast<double>(nu) * nu) * a5;
    const double q = static_cast<double>(a1) * a2 * a3;
    double lam = std::sqrt(p / q);
    if (lam > K(0.016f)) {
        lam = K(1.1401753f) * lam;
        if (lam < K(0.0375f)) {
            const double r = K(13.954f) * p;
            lam = (std::sqrt(K(3.10696f) * p * q + r * r) + r) / (2.0 * q);
        }
    }
    return static_cast<float>(lam);
}

float G_Fn_Critical_9(float a1, float a2, float a3, float a4, float a5, float a6, float a7)
{
    const double f = K(1.216f) / (static_cast<double>(a1) * a4);
    const double inner = std::pow(static_cast<double>(a2) * a3 * f, K(0.754f));
    return static_cast<float>(std::sqrt(f * inner * (1.0 - static_cast<double>(a6) * a6) * a7 / a5));
}

float G_Fn_Critical_10(float a1, float a2, float a3, float a4, float a5, float a6, float a7)
{
    const double f = K(1.216f) / (static_cast<double>(a1) * a4);
    const double v = f * (1.0 - static_cast<double>(a6) * a6) * std::pow(static_cast<double>(a2) * a3, K(0.25f)) *
                     std::pow(static_cast<double>(a7) / a5, K(0.75f));
    return static_cast<float>(std::pow(v, K(0.667f)));
}

float G_Fn_Capacity_11(float a1, float a2, float a3, float a4, float a5, float a6, float a7, float a8, float a9)
{
    if (a7 <= a8) {
        const double base = static_cast<double>(a1) * a2 * a3 * a7 * a7 / ((1.0 - static_cast<double>(a4) * a4) * a9);
        return static_cast<float>(std::pow(static_cast<double>(a5), K(0.57f)) * std::pow(base, K(0.43f)));
    }
    if (a8 >= K(0.24f))
        return a6;
    const double ramp = a5 + (static_cast<double>(a6) - a5) * (static_cast<double>(a7) - a8) / (K(0.25f) - a8);
    return static_cast<float>(std::min(static_cast<double>(a6), ramp));
}

float G_Fn_Capacity_12(float a1, float a2, float a3, float a4, float a5, float a6, float a7)
{
    if (3.0 * a7 >= a6) {
        const double v = std::pow(static_cast<double>(a1) * a2 * a3, K(0.25f)) *
                         std::pow(static_cast<double>(a4), K(0.75f)) * std::pow(static_cast<double>(a6), K(0.5f));
        return static_cast<float>(std::min(static_cast<double>(a4), v));
    }
    const double span = K(0.3f) - a7;
    if (!(span >= G_Ramp_Min))
        return a4;
    const double ramp = a4 + (static_cast<double>(a5) - a4) * (static_cast<double>(a6) - a7) / span;
    return static_cast<float>(std::min(static_cast<double>(a4), ramp));
}

float G_Fn_Column_13(float a1, float a2, float a3, float a4, float a5, float a6, float a7, float a8)
{
    const double inertia = static_cast<double>(a1) * a2 * a3 / ((1.0 - static_cast<double>(a4) * a4) * 12.0);
    const auto euler = [inertia](double l) {
        const double pl = K(3.14f) * l;
        return pl * pl * inertia;
    };
    if (a7 > a8) {
        const double knee = K(0.9f) * a8;
        if (a6 <= knee)
            return static_cast<float>(euler(a6));
        if (a6 < a7) {
            const double start = euler(knee);
            return static_cast<float>(start + (a5 - start) * (a6 - knee) / (a7 - knee));
        }
        return a5;
    }
    return static_cast<float>(std::min(euler(a6), static_cast<double>(a5)));
}

float G_Fn_Average_14(float a1, float a2, float a3, float a4, float a5, float a6, float a7, float a8, float a9)
{
    const double x = std::min(a7, a8);
    const double base = static_cast<double>(a1) * a2 * a3 * x * x / (a9 * (1.0 - static_cast<double>(a4) * a4));
    const double v = std::pow(static_cast<double>(a5), K(0.57f)) * std::pow(base, K(0.43f));
    if (a7 <= a8)
        return static_cast<float>(v);
    const double span = K(0.2f) - a8;
    if (!(span >= G_Ramp_Min))
        return a6;
    return static_cast<float>(v + (a6 - v) * (static_cast<double>(a7) - a8) / span);
}

float G_Fn_Corner_Length(float d, float tl)
{
    const double dd = std::min(static_cast<double>(d), 1.0);
    const double x = std::clamp(static_cast<double>(tl), K(0.004f), K(0.06f));
    // The first four polynomial coefficients are exact doubles.
    const double poly =
        0.6713208 + dd * (0.7301872 + dd * (-1.682341 + dd * (2.51322 + dd * (-K(2.19039f) + K(0.9581012f) * dd))));
    return static_cast<float>((1.0 - K(5.23214f) * (x - K(0.004f))) * poly);
}

C_Strip_Moments G_Fn_Strip(float a, float l, float t, float c, float s, float dx, float dy)
{
    const double at = static_cast<double>(t) * t / 12.0;
    const double bl = static_cast<double>(l) * l / 12.0;
    const double sum = at + bl;
    const double diff = at - bl;
    const double c2 = static_cast<double>(c) * c - static_cast<double>(s) * s;
    const double s2 = 2.0 * c * s;
    const double x = dx;
    const double y = dy;
    return {a * (x * y - 0.5 * diff * s2), a * (y * y + 0.5 * (sum + diff * c2)), a * (x * x + 0.5 * (sum - diff * c2))};
}

float G_Fn_Free_Critical(float tl, float e, float g2)
{
    const double pl = K(3.14f) * tl;
    return static_cast<float>(pl * pl * e * g2 / 6.0);
}

} // namespace N_Biz::N_Sect::N_Kernel
