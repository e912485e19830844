#include "common/Common_Exception.h"
#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Quaternion.h"
#include "common/Common_Math_Vector.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace N_Common::N_Math;
using N_Common::N_Exception::C_Exception;
using M4 = C_Matrix4<float>;
using Q = C_Quaternion<float>;
using V3 = C_Vector3<float>;
using V2 = C_Vector2<float>;

namespace {

const float s_Half_Sqrt2 = 0.70710678f;
const float s_Nan = std::numeric_limits<float>::quiet_NaN();
const float s_Id[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

void expect_matrix(const M4& ro_M, const float (&ro_Expected)[16], float i_Tol = 0.0f)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(ro_M.m_Data[i], ro_Expected[i], i_Tol) << "entry " << i;
}

void expect_vector(const V3& ro_V, float i_X, float i_Y, float i_Z, float i_Tol = 1e-6f)
{
    EXPECT_NEAR(ro_V.x, i_X, i_Tol);
    EXPECT_NEAR(ro_V.y, i_Y, i_Tol);
    EXPECT_NEAR(ro_V.z, i_Z, i_Tol);
}

void expect_quaternion(const Q& ro_Q, float i_W, float i_X, float i_Y, float i_Z, float i_Tol = 1e-6f)
{
    EXPECT_NEAR(ro_Q.w, i_W, i_Tol);
    EXPECT_NEAR(ro_Q.x, i_X, i_Tol);
    EXPECT_NEAR(ro_Q.y, i_Y, i_Tol);
    EXPECT_NEAR(ro_Q.z, i_Z, i_Tol);
}

// Translation by t (column-major: t at 12, 13, 14).
M4 translation(float i_X, float i_Y, float i_Z)
{
    M4 m;
    m.m_Data[12] = i_X, m.m_Data[13] = i_Y, m.m_Data[14] = i_Z;
    return m;
}

// Quarter turn about z: (x, y) -> (-y, x).
M4 rot_z90()
{
    const float d[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    return M4(d);
}

V3 transformed(const M4& ro_M, const V3& ro_P)
{
    V3 r;
    return ro_M.M_Fn_Transform_Point(ro_P, r);
}

} // namespace

// ---------------------------------------------------------------- vectors and comparisons

TEST(C_Vector3, ZeroTestNormalizeCrossAndDot)
{
    // Zero means strictly below one millionth in every component; NaN is not zero.
    EXPECT_FALSE(V3(0, 0, 1e-6f).M_Fn_If_Zero());
    EXPECT_TRUE(V3(0, 0, 9.9e-7f).M_Fn_If_Zero());
    EXPECT_TRUE(V3(-9.9e-7f, 9.9e-7f, 0).M_Fn_If_Zero());
    EXPECT_FALSE(V3(0, s_Nan, 0).M_Fn_If_Zero());
    // Normalize_Nonzero leaves a zero vector alone; Normalize turns it into the z axis.
    V3 v(3, 0, 4), z(0, 0, 0), tiny(5e-7f, 0, 0);
    v.M_Fn_Normalize_Nonzero();
    z.M_Fn_Normalize_Nonzero();
    tiny.M_Fn_Normalize_Nonzero();
    expect_vector(v, 0.6f, 0.0f, 0.8f);
    EXPECT_EQ(z, V3(0, 0, 0));
    EXPECT_EQ(tiny, V3(5e-7f, 0, 0));
    V3 w(0, -2, 0), t(9e-7f, -9e-7f, 0);
    w.M_Fn_Normalize();
    z.M_Fn_Normalize();
    t.M_Fn_Normalize();
    expect_vector(w, 0, -1, 0);
    EXPECT_EQ(z, V3(0, 0, 1));
    EXPECT_EQ(t, V3(0, 0, 1));
    EXPECT_EQ(V3(1, 2, 3).M_Fn_Cross(V3(4, 5, 6)), V3(-3, 6, -3));
    EXPECT_EQ(V3(1, 2, 3).M_Fn_Dot(V3(4, 5, 6)), 32.0f);
    EXPECT_FLOAT_EQ(V3(2, 3, 6).M_Fn_Length(), 7.0f);
}

TEST(C_Vector2, ZeroNormalizesToTheYAxisAndCrossHasASign)
{
    V2 v(3, 4), tiny(5e-7f, 5e-7f);
    v.M_Fn_Normalize();
    tiny.M_Fn_Normalize();
    EXPECT_EQ((std::array<float, 4>{v.x, v.y, tiny.x, tiny.y}), (std::array<float, 4>{0.6f, 0.8f, 0, 1}));
    EXPECT_EQ(V2(0, 1).M_Fn_Cross(V2(1, 0)), -1.0f);
    EXPECT_EQ(V2(1, 2).M_Fn_Dot(V2(3, 4)), 11.0f);
}

TEST(G_Fn_Is_Equal, StrictAbsoluteOrRelativeToTheLargerMagnitude)
{
    EXPECT_EQ(G_Fn_Abs(-2.5f), 2.5f);
    EXPECT_TRUE(G_Fn_Is_Equal(1.0f, 1.0000005f));
    EXPECT_FALSE(G_Fn_Is_Equal(1.0f, 1.000002f));
    EXPECT_FALSE(G_Fn_Is_Equal(0.0f, 1e-6f));
    EXPECT_TRUE(G_Fn_Is_Equal(0.0f, 9.9e-7f));
    EXPECT_FALSE(G_Fn_Is_Equal(s_Nan, 0.0f));
    const float tol = 0.01f;
    EXPECT_TRUE(G_Fn_Is_Equal_Relative(100.0f, 100.5f, tol));  // 0.5 < 1.005
    EXPECT_FALSE(G_Fn_Is_Equal_Relative(100.0f, 102.0f, tol)); // 2 > 1.02
    EXPECT_TRUE(G_Fn_Is_Equal_Relative(102.0f, 101.0f, tol));  // 1 < 1.02
    EXPECT_TRUE(G_Fn_Is_Equal_Relative(0.0f, 5e-7f, tol));     // absolute test
    EXPECT_FALSE(G_Fn_Is_Equal_Relative(0.0f, 1e-5f, tol));
    EXPECT_TRUE(G_Fn_Is_Equal_Relative(-100.0f, -100.5f, tol));
}

// ---------------------------------------------------------------- matrix

TEST(C_Matrix4, IdentityAndTransformPoint)
{
    static_assert(sizeof(M4) == 16 * sizeof(float));
    expect_matrix(M4(), s_Id);
    float d[16];
    for (int i = 0; i < 16; ++i)
        d[i] = float(i + 1);
    EXPECT_EQ(M4(d)(1, 2), 10.0f); // row 1, column 2 at index 9

    expect_vector(transformed(M4(), V3(1.5f, -2, 3)), 1.5f, -2, 3);
    expect_vector(transformed(translation(1, 2, 3), V3(1, 1, 1)), 2, 3, 4);
    M4 half, proj;
    half.m_Data[15] = 2.0f;
    expect_vector(transformed(half, V3(2, 4, 6)), 1, 2, 3);
    proj.m_Data[3] = 1.0f; // full projective row: w = x + 1
    expect_vector(transformed(proj, V3(1, 4, 8)), 0.5f, 2, 4);
    V3 p(1, 0, 0); // the point may be the result
    rot_z90().M_Fn_Transform_Point(p, p);
    expect_vector(p, 0, 1, 0);
}

TEST(C_Matrix4, MulByHandAppliesTheArgumentFirst)
{
    float d[16];
    for (int i = 0; i < 16; ++i)
        d[i] = float(i + 1);
    M4 m(d);
    m.M_Fn_Mul(m);
    // Worked out by hand: (A A)(r, c) = sum_k (4k + r + 1)(4c + k + 1).
    const float sq[16] = {90, 100, 110, 120, 202, 228, 254, 280, 314, 356, 398, 440, 426, 484, 542, 600};
    expect_matrix(m, sq);
    // M = translation by (1, 0, 0), B = quarter turn about z: M B p turns p first, then moves it.
    M4 t = translation(1, 0, 0);
    t.M_Fn_Mul(rot_z90());
    expect_vector(transformed(t, V3(1, 0, 0)), 1, 1, 0);
}

TEST(C_Matrix4, InverseByHand)
{
    M4 inv;
    // A rotation's inverse is its transpose: this quaternion permutes the axes x -> y -> z -> x.
    M4 rot;
    rot.M_Fn_Asgn_Rotate_Quaternion(Q(0.5f, 0.5f, 0.5f, 0.5f));
    const float perm[16] = {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    expect_matrix(rot, perm);
    rot.M_Fn_Invert(inv);
    const float perm_t[16] = {0, 0, 1, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1};
    expect_matrix(inv, perm_t, 1e-6f);

    translation(1, -2, 3).M_Fn_Invert(inv);
    const float neg[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -1, 2, -3, 1};
    expect_matrix(inv, neg);
    const float sd[16] = {2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 8, 0, 1, 2, 3, 1};
    M4(sd).M_Fn_Invert(inv);
    const float si[16] = {0.5f, 0, 0, 0, 0, 0.25f, 0, 0, 0, 0, 0.125f, 0, -0.5f, -0.5f, -0.375f, 1};
    expect_matrix(inv, si);

    // Rows (1 2 0 1), (0 1 3 0), (2 5 1 3), (1 2 1 2); det = 3. Inverse by Gauss-Jordan elimination
    // in exact fractions.
    const float a[16] = {1, 0, 2, 1, 2, 1, 5, 2, 0, 3, 1, 1, 1, 0, 3, 2};
    const float expected[16] = {13.f / 3, -1, 1.f / 3, -4.f / 3, 1.f / 3, 0,  1.f / 3, -1.f / 3,
                                -7.f / 3, 1,  -1.f / 3, 1.f / 3, 4.f / 3, -1, 1.f / 3, 2.f / 3};
    M4 m(a);
    m.M_Fn_Invert(inv);
    expect_matrix(inv, expected, 2e-6f);
    M4 prod = m; // M times its inverse is the identity to float precision
    prod.M_Fn_Mul(inv);
    expect_matrix(prod, s_Id, 1e-5f);
    m.M_Fn_Invert(m); // in place through the same object
    expect_matrix(m, expected, 2e-6f);

    // A singular matrix gives non-finite entries without error.
    const float zero[16] = {};
    M4(zero).M_Fn_Invert(inv);
    EXPECT_FALSE(std::all_of(std::begin(inv.m_Data), std::end(inv.m_Data), [](float v) { return std::isfinite(v); }));
}

TEST(C_Matrix4, QuaternionRotationAndItsPostAndPreForms)
{
    M4 m = translation(7, 8, 9);
    m.m_Data[3] = 5.0f;
    m.M_Fn_Asgn_Rotate_Quaternion(Q(1, 2, 3, 4)); // replaces every entry; unnormalised as the table
    const float table[16] = {-49, 20, 10, 0, 4, -39, 28, 0, 22, 20, -25, 0, 0, 0, 0, 1}; // w=1 x=2 y=3 z=4 by hand
    expect_matrix(m, table);

    const Q q(s_Half_Sqrt2, 0, 0, s_Half_Sqrt2);
    M4 r, post, pre;
    r.M_Fn_Asgn_Rotate_Quaternion(q);
    expect_vector(transformed(r, V3(1, 0, 0)), 0, 1, 0);
    expect_vector(transformed(r, V3(0, 1, 0)), -1, 0, 0);
    post.M_Fn_Rotate_Quaternion(q);
    pre.M_Fn_Rotate_Quaternion_Pre(q);
    expect_matrix(post, r.m_Data, 0.0f); // on the identity both forms agree
    expect_matrix(pre, r.m_Data, 0.0f);
    // With a translation by (1, 0, 0): M R keeps the translation, R M turns it onto y.
    post = translation(1, 0, 0), pre = translation(1, 0, 0);
    post.M_Fn_Rotate_Quaternion(q);
    pre.M_Fn_Rotate_Quaternion_Pre(q);
    const float expected_post[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1};
    const float expected_pre[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1};
    expect_matrix(post, expected_post, 1e-6f);
    expect_matrix(pre, expected_pre, 1e-6f);
}

TEST(C_Matrix4, ScaleAndTranslateInTheObjectOrTheEyeFrame)
{
    M4 m = translation(1, 1, 1);
    m.M_Fn_Scale_Pre(2, 2, 2); // scales the translation too
    const float expected[16] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 2, 2, 2, 1};
    expect_matrix(m, expected);
    M4 n;
    n.m_Data[7] = 3.0f; // row 3 is left alone
    n.M_Fn_Scale_Pre(2, 3, 4);
    const float expected_n[16] = {2, 0, 0, 0, 0, 3, 0, 3, 0, 0, 4, 0, 0, 0, 0, 1};
    expect_matrix(n, expected_n);

    M4 post = rot_z90(), pre = rot_z90();
    post.M_Fn_Translate(1, 0, 0);     // M T: the offset is turned by M
    pre.M_Fn_Translate_Pre(1, 0, 0); // T M: the offset is taken as it is
    expect_vector(transformed(post, V3(0, 0, 0)), 0, 1, 0);
    expect_vector(transformed(pre, V3(0, 0, 0)), 1, 0, 0);
    M4 w; // Translate_Pre on a projective column scales the offset by that column's w
    w.m_Data[3] = 2.0f;
    w.M_Fn_Translate_Pre(1, 2, 3);
    const float expected_w[16] = {3, 4, 6, 2, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
    expect_matrix(w, expected_w);
}

// ---------------------------------------------------------------- quaternion

TEST(C_Quaternion, ConjugateAndAxisCosineFormWithClamp)
{
    static_assert(sizeof(Q) == 4 * sizeof(float));
    EXPECT_EQ(Q(), Q(1, 0, 0, 0));
    EXPECT_EQ(Q(1, 2, 3, 4).M_Fn_Conjugate(), Q(1, -2, -3, -4));
    Q q;
    q.M_Fn_Asgn_Rotate_By_Axis_Cos(V3(0, 0, 1), 0.0f);
    expect_quaternion(q, s_Half_Sqrt2, 0, 0, s_Half_Sqrt2);
    q.M_Fn_Asgn_Rotate_By_Axis_Cos(V3(0, 1, 0), 1.5f);
    expect_quaternion(q, 1, 0, 0, 0, 0.0f);
    q.M_Fn_Asgn_Rotate_By_Axis_Cos(V3(0, 1, 0), -2.0f);
    expect_quaternion(q, 0, 0, 1, 0, 0.0f);
}

TEST(C_Quaternion, SrcDstEqualOppositeAndGeneralVectors)
{
    Q q(0, 1, 0, 0);
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(0.6f, 0, 0.8f), V3(0.6f, 0, 0.8f));
    EXPECT_EQ(q, Q(1, 0, 0, 0));
    // Opposite vectors turn half about a perpendicular axis: the first zero component of z, y, x.
    const struct {
        V3 m_Src;
        Q m_Expected;
    } opposite[] = {{V3(0, 0, 1), Q(0, 0, 1, 0)}, {V3(1, 0, 0), Q(0, 0, 0, 1)}, {V3(0, 1, 0), Q(0, 0, 0, 1)},
                    {V3(0, 0.6f, 0.8f), Q(0, 1, 0, 0)}};
    for (const auto& c : opposite) {
        q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(c.m_Src, -c.m_Src);
        EXPECT_EQ(q, c.m_Expected);
    }
    // All components non-zero: about the normalised a x (0, 0, 1) = (a.y, -a.x, 0) / |..|.
    const V3 a(1.f / 3, 2.f / 3, 2.f / 3);
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(a, -a);
    expect_quaternion(q, 0, 2 / std::sqrt(5.0f), -1 / std::sqrt(5.0f), 0);
    M4 m;
    m.M_Fn_Asgn_Rotate_Quaternion(q);
    expect_vector(transformed(m, a), -a.x, -a.y, -a.z);

    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(1, 0, 0), V3(0, 1, 0));
    expect_quaternion(q, s_Half_Sqrt2, 0, 0, s_Half_Sqrt2);
    std::mt19937 gen(12345);
    std::normal_distribution<float> nd;
    for (int i = 0; i < 200; ++i) {
        V3 s(nd(gen), nd(gen), nd(gen)), d(nd(gen), nd(gen), nd(gen));
        s.M_Fn_Normalize();
        d.M_Fn_Normalize();
        q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(s, d);
        m.M_Fn_Asgn_Rotate_Quaternion(q);
        expect_vector(transformed(m, s), d.x, d.y, d.z, 2e-5f);
    }
}

TEST(C_Quaternion, SrcDstParallelNonUnitInputsThrow)
{
    Q q;
    EXPECT_THROW(q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(0.5f, 0, 0), V3(1, 0, 0)), C_Exception);
    // Parallel non-unit vectors whose dot product reaches 1 are taken as equal directions.
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(2, 0, 0), V3(1, 0, 0));
    EXPECT_EQ(q, Q());
}
