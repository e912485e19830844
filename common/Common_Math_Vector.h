// Small vector values and the float comparisons every geometric computation shares.
//
// The components are named x, y, z as in every formula that uses them, and the types are plain
// standard-layout values: a table of C_Vector2<float> is handed to OpenGL as a vertex array with
// the record's size as stride, so no member may be added ahead of or between the components.
//
// The zero threshold is the single-precision float nearest to 1e-6, compared strictly: a
// component of exactly that magnitude is not zero. None of these operations allocates or throws.
#pragma once

#include <cmath>
#include <type_traits>

namespace N_Common::N_Math {

// The zero and equality threshold of all geometry (the float nearest to 1e-6).
inline constexpr float G_Tolerance = 1e-6f;

// |x| with the sign dropped.
template <class T>
constexpr T G_Fn_Abs(T i_X)
{
    return i_X < T(0) ? -i_X : i_X;
}

// True when |a - b| < 1e-6 (strict). A NaN on either side gives false.
template <class T>
constexpr bool G_Fn_Is_Equal(T i_A, std::type_identity_t<T> i_B)
{
    return G_Fn_Abs(i_A - i_B) < T(G_Tolerance);
}

// True when a and b differ by less than 1e-6, or by less than i_Tolerance times the larger of
// their magnitudes (a relative test for values of any size, e.g. squared radii). A NaN gives false.
template <class T>
constexpr bool G_Fn_Is_Equal_Relative(T i_A, std::type_identity_t<T> i_B, std::type_identity_t<T> i_Tolerance)
{
    const T diff = G_Fn_Abs(i_A - i_B);
    if (diff < T(G_Tolerance))
        return true;
    const T a = G_Fn_Abs(i_A);
    const T b = G_Fn_Abs(i_B);
    return diff < i_Tolerance * (a > b ? a : b);
}

template <class T>
class C_Vector2 {
public:
    T x;
    T y;

    constexpr C_Vector2() : x(0), y(0) {}
    constexpr C_Vector2(T i_X, T i_Y) : x(i_X), y(i_Y) {}

    // True when |x| < 1e-6 and |y| < 1e-6 (strict; NaN gives false).
    constexpr bool M_Fn_If_Zero() const { return G_Fn_Abs(x) < T(G_Tolerance) && G_Fn_Abs(y) < T(G_Tolerance); }

    // sqrt(x*x + y*y), the sum rounded to T first.
    T M_Fn_Length() const
    {
        const T sum = x * x + y * y;
        return std::sqrt(sum);
    }

    // In place: divides both components by the length; a zero vector (M_Fn_If_Zero) becomes
    // (0, 1) so that a direction is always defined afterwards.
    C_Vector2& M_Fn_Normalize()
    {
        if (M_Fn_If_Zero()) {
            x = T(0);
            y = T(1);
            return *this;
        }
        const T len = M_Fn_Length();
        x /= len;
        y /= len;
        return *this;
    }

    constexpr T M_Fn_Dot(const C_Vector2& ro_B) const { return x * ro_B.x + y * ro_B.y; }
    // The z component of the 3-D cross product: x * b.y - y * b.x.
    constexpr T M_Fn_Cross(const C_Vector2& ro_B) const { return x * ro_B.y - y * ro_B.x; }

    constexpr C_Vector2 operator+(const C_Vector2& ro_B) const { return {x + ro_B.x, y + ro_B.y}; }
    constexpr C_Vector2 operator-(const C_Vector2& ro_B) const { return {x - ro_B.x, y - ro_B.y}; }
    constexpr C_Vector2 operator*(T i_S) const { return {x * i_S, y * i_S}; }
    constexpr bool operator==(const C_Vector2&) const = default;
};

template <class T>
class C_Vector3 {
public:
    T x;
    T y;
    T z;

    constexpr C_Vector3() : x(0), y(0), z(0) {}
    constexpr C_Vector3(T i_X, T i_Y, T i_Z) : x(i_X), y(i_Y), z(i_Z) {}

    // True when |x|, |y| and |z| are all < 1e-6 (strict, tested x first; NaN gives false).
    constexpr bool M_Fn_If_Zero() const
    {
        return G_Fn_Abs(x) < T(G_Tolerance) && G_Fn_Abs(y) < T(G_Tolerance) && G_Fn_Abs(z) < T(G_Tolerance);
    }

    // sqrt(x*x + y*y + z*z), the sum rounded to T first.
    T M_Fn_Length() const
    {
        const T sum = x * x + y * y + z * z;
        return std::sqrt(sum);
    }

    // In place: multiplies the components by s = 1 / length (s rounded to T); a zero vector
    // (M_Fn_If_Zero) is left unchanged.
    C_Vector3& M_Fn_Normalize_Nonzero()
    {
        if (M_Fn_If_Zero())
            return *this;
        const T s = T(1) / M_Fn_Length();
        x *= s;
        y *= s;
        z *= s;
        return *this;
    }

    // In place: as M_Fn_Normalize_Nonzero, but a zero vector becomes (0, 0, 1), so that a normal
    // is always defined afterwards.
    C_Vector3& M_Fn_Normalize()
    {
        if (M_Fn_If_Zero()) {
            x = T(0);
            y = T(0);
            z = T(1);
            return *this;
        }
        return M_Fn_Normalize_Nonzero();
    }

    constexpr T M_Fn_Dot(const C_Vector3& ro_B) const { return x * ro_B.x + y * ro_B.y + z * ro_B.z; }
    // this x b = (y b.z - z b.y, z b.x - x b.z, x b.y - y b.x).
    constexpr C_Vector3 M_Fn_Cross(const C_Vector3& ro_B) const
    {
        return {y * ro_B.z - z * ro_B.y, z * ro_B.x - x * ro_B.z, x * ro_B.y - y * ro_B.x};
    }

    constexpr C_Vector3 operator+(const C_Vector3& ro_B) const { return {x + ro_B.x, y + ro_B.y, z + ro_B.z}; }
    constexpr C_Vector3 operator-(const C_Vector3& ro_B) const { return {x - ro_B.x, y - ro_B.y, z - ro_B.z}; }
    constexpr C_Vector3 operator-() const { return {-x, -y, -z}; }
    constexpr C_Vector3 operator*(T i_S) const { return {x * i_S, y * i_S, z * i_S}; }
    constexpr bool operator==(const C_Vector3&) const = default;
};

} // namespace N_Common::N_Math
