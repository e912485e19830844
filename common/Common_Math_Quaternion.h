// Rotation quaternion, stored scalar first: w, x, y, z. The identity is (1, 0, 0, 0); the rotation
// by angle a about the unit axis n is (cos(a/2), n sin(a/2)). The rotation matrix of a quaternion
// is built by C_Matrix4 (Common_Math_Matrix4.h), which uses the components as they stand, without
// normalising.
#pragma once

#include "common/Common_Exception.h"
#include "common/Common_Math_Vector.h"

#include <cmath>
#include <type_traits>

namespace N_Common::N_Math {

template <class T>
class C_Quaternion {
public:
    T w;
    T x;
    T y;
    T z;

    // The identity rotation.
    constexpr C_Quaternion() : w(1), x(0), y(0), z(0) {}
    // Stores the four values in the order given, unchanged.
    constexpr C_Quaternion(T i_W, T i_X, T i_Y, T i_Z) : w(i_W), x(i_X), y(i_Y), z(i_Z) {}

    // (w, -x, -y, -z): the inverse rotation of a unit quaternion.
    constexpr C_Quaternion M_Fn_Conjugate() const { return {w, -x, -y, -z}; }

    // this := the rotation by the angle whose cosine is i_Cos (clamped to [-1, 1]) about the unit
    // axis ro_Axis: w = sqrt((1 + c) / 2), (x, y, z) = axis * sqrt((1 - c) / 2).
    C_Quaternion& M_Fn_Asgn_Rotate_By_Axis_Cos(const C_Vector3<T>& ro_Axis, T i_Cos)
    {
        const T c = i_Cos < T(-1) ? T(-1) : (i_Cos > T(1) ? T(1) : i_Cos);
        const T s = std::sqrt((T(1) - c) * T(0.5));
        w = std::sqrt((T(1) + c) * T(0.5));
        x = ro_Axis.x * s;
        y = ro_Axis.y * s;
        z = ro_Axis.z * s;
        return *this;
    }

    // this := the rotation that takes the unit vector ro_Src onto the unit vector ro_Dst.
    // Parallel vectors give the identity; opposite vectors give a half turn about an axis
    // perpendicular to ro_Src (about z when ro_Src.z is 0, else about y when ro_Src.y is 0, else
    // about x when ro_Src.x is 0, else about the normalised ro_Src x (0, 0, 1)).
    // Throws C_Exception when the vectors are parallel but their dot product is neither near 1 nor
    // near or below 0 (the inputs were not unit vectors); other non-unit inputs are not detected.
    C_Quaternion& M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(const C_Vector3<T>& ro_Src, const C_Vector3<T>& ro_Dst)
    {
        const T d = ro_Src.M_Fn_Dot(ro_Dst);
        C_Vector3<T> axis = ro_Src.M_Fn_Cross(ro_Dst);
        if (!axis.M_Fn_If_Zero()) {
            axis.M_Fn_Normalize_Nonzero();
            return M_Fn_Asgn_Rotate_By_Axis_Cos(axis, d);
        }
        if (d >= 0.999999) {
            *this = C_Quaternion();
            return *this;
        }
        if (d > T(G_Tolerance))
            VT_THROW(S_Fn_Name_Src_Dst());
        // Opposite: a half turn about an axis perpendicular to the source.
        *this = C_Quaternion(0, 0, 0, 0);
        if (G_Fn_Is_Equal(ro_Src.z, 0)) {
            z = T(1);
        } else if (G_Fn_Is_Equal(ro_Src.y, 0)) {
            y = T(1);
        } else if (G_Fn_Is_Equal(ro_Src.x, 0)) {
            x = T(1);
        } else {
            axis = ro_Src.M_Fn_Cross(C_Vector3<T>(0, 0, 1));
            if (axis.M_Fn_If_Zero())
                VT_THROW(S_Fn_Name_Src_Dst());
            axis.M_Fn_Normalize_Nonzero();
            x = axis.x;
            y = axis.y;
            z = axis.z;
        }
        return *this;
    }

    constexpr bool operator==(const C_Quaternion&) const = default;

private:
    static constexpr const char* S_Fn_Name_Src_Dst()
    {
        if constexpr (std::is_same_v<T, float>)
            return "N_Common::N_Math::C_Quaternion<float>::M_Fn_Asgn_Rotate_By_Src_Dst_Normalized";
        else
            return "N_Common::N_Math::C_Quaternion<double>::M_Fn_Asgn_Rotate_By_Src_Dst_Normalized";
    }
};

} // namespace N_Common::N_Math
