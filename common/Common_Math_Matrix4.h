// 4x4 matrix in column-major order, as glMultMatrixf and glGetFloatv take and give it: the
// element of row r and column c is m_Data[4c + r], the translation stands at 12, 13 and 14, and
// points are column vectors multiplied on the right (p' = M p). "Pre" operations multiply on the
// left (applied after M, in the eye's frame); the others multiply on the right (applied before M,
// in the object's frame).
//
// All operations are small value operations: none allocates, none throws, none checks its input
// (a singular matrix inverts to infinities or NaNs). Every product is formed from the old entries
// before any entry is overwritten, so an argument may be the matrix itself.
#pragma once

#include "common/Common_Math_Quaternion.h"
#include "common/Common_Math_Vector.h"

namespace N_Common::N_Math {

template <class T>
class C_Matrix4 {
public:
    T m_Data[16];

    // The identity.
    constexpr C_Matrix4() : m_Data{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1} {}
    // From 16 values in column-major order (e.g. what glGetFloatv returns).
    explicit C_Matrix4(const T* i_Data)
    {
        for (int i = 0; i < 16; ++i)
            m_Data[i] = i_Data[i];
    }

    // Element of row r and column c.
    constexpr T& operator()(int i_Row, int i_Col) { return m_Data[4 * i_Col + i_Row]; }
    constexpr const T& operator()(int i_Row, int i_Col) const { return m_Data[4 * i_Col + i_Row]; }

    // Copies the 16 entries into o_Dst.
    void M_Fn_Copy(C_Matrix4& o_Dst) const
    {
        for (int i = 0; i < 16; ++i)
            o_Dst.m_Data[i] = m_Data[i];
    }

    // o_Result := M (x, y, z, 1) with each component divided by the resulting w, the reciprocal of
    // w being rounded to T before the three products (a full projective transform; for an affine
    // matrix w is 1). ro_P may be o_Result. Returns o_Result.
    C_Vector3<T>& M_Fn_Transform_Point(const C_Vector3<T>& ro_P, C_Vector3<T>& o_Result) const
    {
        const T* m = m_Data;
        const T px = ro_P.x, py = ro_P.y, pz = ro_P.z;
        const T s = T(1) / (m[3] * px + m[7] * py + m[11] * pz + m[15]);
        const T rx = (m[0] * px + m[4] * py + m[8] * pz + m[12]) * s;
        const T ry = (m[1] * px + m[5] * py + m[9] * pz + m[13]) * s;
        const T rz = (m[2] * px + m[6] * py + m[10] * pz + m[14]) * s;
        o_Result = C_Vector3<T>(rx, ry, rz);
        return o_Result;
    }

    // In place: M := M B (B applied first). ro_B may be this matrix.
    C_Matrix4& M_Fn_Mul(const C_Matrix4& ro_B)
    {
        T r[16];
        for (int c = 0; c < 4; ++c)
            for (int i = 0; i < 4; ++i)
                r[4 * c + i] = m_Data[i] * ro_B.m_Data[4 * c] + m_Data[4 + i] * ro_B.m_Data[4 * c + 1] +
                               m_Data[8 + i] * ro_B.m_Data[4 * c + 2] + m_Data[12 + i] * ro_B.m_Data[4 * c + 3];
        for (int i = 0; i < 16; ++i)
            m_Data[i] = r[i];
        return *this;
    }

    // o_Result := the inverse of M by cofactors: the adjugate times 1/det (rounded to T), det
    // expanded along row 0. No test of det: a singular matrix gives infinite or NaN entries.
    // o_Result may be this matrix.
    void M_Fn_Invert(C_Matrix4& o_Result) const
    {
        const C_Matrix4& a = *this;
        // 2x2 minors of rows 2 and 3 (for the cofactors of rows 0 and 1) ...
        const T s01 = a(2, 0) * a(3, 1) - a(2, 1) * a(3, 0);
        const T s02 = a(2, 0) * a(3, 2) - a(2, 2) * a(3, 0);
        const T s03 = a(2, 0) * a(3, 3) - a(2, 3) * a(3, 0);
        const T s12 = a(2, 1) * a(3, 2) - a(2, 2) * a(3, 1);
        const T s13 = a(2, 1) * a(3, 3) - a(2, 3) * a(3, 1);
        const T s23 = a(2, 2) * a(3, 3) - a(2, 3) * a(3, 2);
        // ... and of rows 0 and 1 (for the cofactors of rows 2 and 3).
        const T t01 = a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0);
        const T t02 = a(0, 0) * a(1, 2) - a(0, 2) * a(1, 0);
        const T t03 = a(0, 0) * a(1, 3) - a(0, 3) * a(1, 0);
        const T t12 = a(0, 1) * a(1, 2) - a(0, 2) * a(1, 1);
        const T t13 = a(0, 1) * a(1, 3) - a(0, 3) * a(1, 1);
        const T t23 = a(0, 2) * a(1, 3) - a(0, 3) * a(1, 2);

        T c[4][4]; // c[r][k]: cofactor of the element of row r and column k
        c[0][0] = a(1, 1) * s23 - a(1, 2) * s13 + a(1, 3) * s12;
        c[0][1] = -(a(1, 0) * s23 - a(1, 2) * s03 + a(1, 3) * s02);
        c[0][2] = a(1, 0) * s13 - a(1, 1) * s03 + a(1, 3) * s01;
        c[0][3] = -(a(1, 0) * s12 - a(1, 1) * s02 + a(1, 2) * s01);
        c[1][0] = -(a(0, 1) * s23 - a(0, 2) * s13 + a(0, 3) * s12);
        c[1][1] = a(0, 0) * s23 - a(0, 2) * s03 + a(0, 3) * s02;
        c[1][2] = -(a(0, 0) * s13 - a(0, 1) * s03 + a(0, 3) * s01);
        c[1][3] = a(0, 0) * s12 - a(0, 1) * s02 + a(0, 2) * s01;
        c[2][0] = a(3, 1) * t23 - a(3, 2) * t13 + a(3, 3) * t12;
        c[2][1] = -(a(3, 0) * t23 - a(3, 2) * t03 + a(3, 3) * t02);
        c[2][2] = a(3, 0) * t13 - a(3, 1) * t03 + a(3, 3) * t01;
        c[2][3] = -(a(3, 0) * t12 - a(3, 1) * t02 + a(3, 2) * t01);
        c[3][0] = -(a(2, 1) * t23 - a(2, 2) * t13 + a(2, 3) * t12);
        c[3][1] = a(2, 0) * t23 - a(2, 2) * t03 + a(2, 3) * t02;
        c[3][2] = -(a(2, 0) * t13 - a(2, 1) * t03 + a(2, 3) * t01);
        c[3][3] = a(2, 0) * t12 - a(2, 1) * t02 + a(2, 2) * t01;

        const T det = a(0, 0) * c[0][0] + a(0, 1) * c[0][1] + a(0, 2) * c[0][2] + a(0, 3) * c[0][3];
        const T inv_det = T(1) / det;
        // The inverse is the transposed cofactor matrix over det: inverse(r, k) = c[k][r] / det.
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                o_Result(r, k) = c[k][r] * inv_det;
    }

    // M := the rotation matrix of q (q used as it stands) in the upper-left 3x3 block, zero
    // translation, bottom row (0, 0, 0, 1).
    C_Matrix4& M_Fn_Asgn_Rotate_Quaternion(const C_Quaternion<T>& ro_Q)
    {
        T r[9];
        S_Fn_Rotation3(ro_Q, r);
        for (int c = 0; c < 3; ++c) {
            for (int i = 0; i < 3; ++i)
                m_Data[4 * c + i] = r[3 * c + i];
            m_Data[4 * c + 3] = T(0);
        }
        m_Data[12] = m_Data[13] = m_Data[14] = T(0);
        m_Data[15] = T(1);
        return *this;
    }

    // In place: M := M R(q) (the rotation applied first, in the object's frame).
    C_Matrix4& M_Fn_Rotate_Quaternion(const C_Quaternion<T>& ro_Q)
    {
        T r[9];
        S_Fn_Rotation3(ro_Q, r);
        return M_Fn_Mul_Rotation3(r);
    }

    // In place: M := M R(q). The same product as M_Fn_Rotate_Quaternion, under the name the plane
    // construction uses.
    C_Matrix4& M_Fn_Mul_Asgn(const C_Quaternion<T>& ro_Q) { return M_Fn_Rotate_Quaternion(ro_Q); }

    // In place: M := R(q) M (the rotation applied last, in the eye's frame; the translation turns too).
    C_Matrix4& M_Fn_Rotate_Quaternion_Pre(const C_Quaternion<T>& ro_Q)
    {
        T r[9];
        S_Fn_Rotation3(ro_Q, r);
        return M_Fn_Mul_Rotation3_Pre(r);
    }

    // In place: M := S M with S = diag(sx, sy, sz, 1): rows 0, 1, 2 scaled (the translation too).
    C_Matrix4& M_Fn_Scale_Pre(T i_Sx, T i_Sy, T i_Sz)
    {
        for (int c = 0; c < 4; ++c) {
            m_Data[4 * c] *= i_Sx;
            m_Data[4 * c + 1] *= i_Sy;
            m_Data[4 * c + 2] *= i_Sz;
        }
        return *this;
    }

    // In place: M := M T(t) (the translation applied first, in the object's frame).
    C_Matrix4& M_Fn_Translate(T i_Tx, T i_Ty, T i_Tz)
    {
        for (int i = 0; i < 4; ++i)
            m_Data[12 + i] += m_Data[i] * i_Tx + m_Data[4 + i] * i_Ty + m_Data[8 + i] * i_Tz;
        return *this;
    }

    // In place: M := T(t) M (the translation applied last).
    C_Matrix4& M_Fn_Translate_Pre(T i_Tx, T i_Ty, T i_Tz)
    {
        for (int c = 0; c < 4; ++c) {
            const T w = m_Data[4 * c + 3];
            m_Data[4 * c] += i_Tx * w;
            m_Data[4 * c + 1] += i_Ty * w;
            m_Data[4 * c + 2] += i_Tz * w;
        }
        return *this;
    }

private:
    // The 3x3 rotation matrix of q, column-major (entry (r, c) at 3c + r), q not normalised.
    static void S_Fn_Rotation3(const C_Quaternion<T>& ro_Q, T o_R[9])
    {
        const T x2 = ro_Q.x + ro_Q.x, y2 = ro_Q.y + ro_Q.y, z2 = ro_Q.z + ro_Q.z;
        const T wx = ro_Q.w * x2, wy = ro_Q.w * y2, wz = ro_Q.w * z2;
        const T xx = ro_Q.x * x2, xy = ro_Q.x * y2, xz = ro_Q.x * z2;
        const T yy = ro_Q.y * y2, yz = ro_Q.y * z2, zz = ro_Q.z * z2;
        o_R[0] = T(1) - (yy + zz);
        o_R[1] = xy + wz;
        o_R[2] = xz - wy;
        o_R[3] = xy - wz;
        o_R[4] = T(1) - (xx + zz);
        o_R[5] = yz + wx;
        o_R[6] = xz + wy;
        o_R[7] = yz - wx;
        o_R[8] = T(1) - (xx + yy);
    }

    // M := M R for a 3x3 R (column-major): columns 0-2 of all four rows change, column 3 stays.
    C_Matrix4& M_Fn_Mul_Rotation3(const T i_R[9])
    {
        for (int i = 0; i < 4; ++i) {
            const T a0 = m_Data[i], a1 = m_Data[4 + i], a2 = m_Data[8 + i];
            for (int c = 0; c < 3; ++c)
                m_Data[4 * c + i] = a0 * i_R[3 * c] + a1 * i_R[3 * c + 1] + a2 * i_R[3 * c + 2];
        }
        return *this;
    }

    // M := R M for a 3x3 R (column-major): rows 0-2 of all four columns change, row 3 stays.
    C_Matrix4& M_Fn_Mul_Rotation3_Pre(const T i_R[9])
    {
        for (int c = 0; c < 4; ++c) {
            const T b0 = m_Data[4 * c], b1 = m_Data[4 * c + 1], b2 = m_Data[4 * c + 2];
            for (int r = 0; r < 3; ++r)
                m_Data[4 * c + r] = i_R[r] * b0 + i_R[3 + r] * b1 + i_R[6 + r] * b2;
        }
        return *this;
    }
};

} // namespace N_Common::N_Math
