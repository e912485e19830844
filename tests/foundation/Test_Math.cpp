#include "common/Common_Exception.h"
#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Quaternion.h"
#include "common/Common_Math_Vector.h"

#include <gtest/gtest.h>

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

void G_Fn_Expect_Matrix(const M4& ro_M, const float (&ro_Expected)[16], float i_Tol = 1e-5f)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(ro_M.m_Data[i], ro_Expected[i], i_Tol) << "entry " << i;
}

void G_Fn_Expect_Vector(const V3& ro_V, float i_X, float i_Y, float i_Z, float i_Tol = 1e-6f)
{
    EXPECT_NEAR(ro_V.x, i_X, i_Tol);
    EXPECT_NEAR(ro_V.y, i_Y, i_Tol);
    EXPECT_NEAR(ro_V.z, i_Z, i_Tol);
}

void G_Fn_Expect_Quaternion(const Q& ro_Q, float i_W, float i_X, float i_Y, float i_Z, float i_Tol = 1e-6f)
{
    EXPECT_NEAR(ro_Q.w, i_W, i_Tol);
    EXPECT_NEAR(ro_Q.x, i_X, i_Tol);
    EXPECT_NEAR(ro_Q.y, i_Y, i_Tol);
    EXPECT_NEAR(ro_Q.z, i_Z, i_Tol);
}

// Translation by t (column-major: t at 12, 13, 14).
M4 G_Fn_Translation(float i_X, float i_Y, float i_Z)
{
    M4 m;
    m.m_Data[12] = i_X;
    m.m_Data[13] = i_Y;
    m.m_Data[14] = i_Z;
    return m;
}

// Quarter turn about z: (x, y) -> (-y, x).
M4 G_Fn_Rot_Z90()
{
    const float d[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    return M4(d);
}

} // namespace

// ---------------------------------------------------------------- vectors and comparisons

TEST(C_Vector3, ZeroTestIsStrictAtTheFloatNearestToOneMillionth)
{
    EXPECT_FALSE(V3(0, 0, 1e-6f).M_Fn_If_Zero());
    EXPECT_TRUE(V3(0, 0, 9.9e-7f).M_Fn_If_Zero());
    EXPECT_TRUE(V3(-9.9e-7f, 9.9e-7f, 0).M_Fn_If_Zero());
    EXPECT_FALSE(V3(1e-6f, 0, 0).M_Fn_If_Zero());
    EXPECT_FALSE(V3(0, std::numeric_limits<float>::quiet_NaN(), 0).M_Fn_If_Zero());
}

TEST(C_Vector3, NormalizeNonzeroLeavesZeroAlone)
{
    V3 v(3, 0, 4);
    v.M_Fn_Normalize_Nonzero();
    G_Fn_Expect_Vector(v, 0.6f, 0.0f, 0.8f);
    V3 z(0, 0, 0);
    z.M_Fn_Normalize_Nonzero();
    EXPECT_EQ(z, V3(0, 0, 0));
    V3 tiny(5e-7f, 0, 0);
    tiny.M_Fn_Normalize_Nonzero();
    EXPECT_EQ(tiny, V3(5e-7f, 0, 0));
}

TEST(C_Vector3, NormalizeTurnsZeroIntoZAxis)
{
    V3 v(0, -2, 0);
    v.M_Fn_Normalize();
    G_Fn_Expect_Vector(v, 0, -1, 0);
    V3 z(0, 0, 0);
    z.M_Fn_Normalize();
    EXPECT_EQ(z, V3(0, 0, 1));
    V3 tiny(9e-7f, -9e-7f, 0);
    tiny.M_Fn_Normalize();
    EXPECT_EQ(tiny, V3(0, 0, 1));
}

TEST(C_Vector3, CrossAndDot)
{
    EXPECT_EQ(V3(1, 0, 0).M_Fn_Cross(V3(0, 1, 0)), V3(0, 0, 1));
    EXPECT_EQ(V3(1, 2, 3).M_Fn_Cross(V3(4, 5, 6)), V3(-3, 6, -3));
    EXPECT_EQ(V3(1, 2, 3).M_Fn_Dot(V3(4, 5, 6)), 32.0f);
    EXPECT_FLOAT_EQ(V3(2, 3, 6).M_Fn_Length(), 7.0f);
}

TEST(C_Vector2, LengthZeroTestAndNormalize)
{
    EXPECT_FLOAT_EQ(V2(3, 4).M_Fn_Length(), 5.0f);
    EXPECT_TRUE(V2(9.9e-7f, -9.9e-7f).M_Fn_If_Zero());
    EXPECT_FALSE(V2(0, 1e-6f).M_Fn_If_Zero());
    V2 v(3, 4);
    v.M_Fn_Normalize();
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, 0.8f);
    V2 z(0, 0);
    z.M_Fn_Normalize();
    EXPECT_EQ(z, V2(0, 1));
    V2 tiny(5e-7f, 5e-7f);
    tiny.M_Fn_Normalize();
    EXPECT_EQ(tiny, V2(0, 1));
    EXPECT_EQ(V2(1, 0).M_Fn_Cross(V2(0, 1)), 1.0f);
    EXPECT_EQ(V2(0, 1).M_Fn_Cross(V2(1, 0)), -1.0f);
    EXPECT_EQ(V2(1, 2).M_Fn_Dot(V2(3, 4)), 11.0f);
}

TEST(G_Fn_Is_Equal, StrictAbsoluteTolerance)
{
    EXPECT_EQ(G_Fn_Abs(-2.5f), 2.5f);
    EXPECT_EQ(G_Fn_Abs(2.5f), 2.5f);
    EXPECT_TRUE(G_Fn_Is_Equal(1.0f, 1.0000005f));
    EXPECT_FALSE(G_Fn_Is_Equal(1.0f, 1.000002f));
    EXPECT_FALSE(G_Fn_Is_Equal(0.0f, 1e-6f));
    EXPECT_TRUE(G_Fn_Is_Equal(0.0f, 9.9e-7f));
    EXPECT_FALSE(G_Fn_Is_Equal(std::numeric_limits<float>::quiet_NaN(), 0.0f));
}

TEST(G_Fn_Is_Equal_Relative, AbsoluteOrRelativeToTheLargerMagnitude)
{
    const float tol = 0.01f;
    EXPECT_TRUE(G_Fn_Is_Equal_Relative(100.0f, 100.5f, tol));  // 0.5 < 1.005
    EXPECT_FALSE(G_Fn_Is_Equal_Relative(100.0f, 102.0f, tol)); // 2 > 1.02
    EXPECT_TRUE(G_Fn_Is_Equal_Relative(102.0f, 101.0f, tol));  // 1 < 1.02
    EXPECT_TRUE(G_Fn_Is_Equal_Relative(0.0f, 5e-7f, tol));     // absolute test
    EXPECT_FALSE(G_Fn_Is_Equal_Relative(0.0f, 1e-5f, tol));
    EXPECT_TRUE(G_Fn_Is_Equal_Relative(-100.0f, -100.5f, tol));
    EXPECT_TRUE(G_Fn_Is_Equal_Relative(4.0f, 4.0f, tol));
}

// ---------------------------------------------------------------- matrix

TEST(C_Matrix4, DefaultIsIdentityAndCopyTakesAllEntries)
{
    const float id[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    G_Fn_Expect_Matrix(M4(), id, 0.0f);
    float d[16];
    for (int i = 0; i < 16; ++i)
        d[i] = float(i + 1);
    M4 src(d), dst;
    src.M_Fn_Copy(dst);
    G_Fn_Expect_Matrix(dst, d, 0.0f);
    EXPECT_EQ(dst(1, 2), 10.0f); // row 1, column 2 at index 9
    static_assert(sizeof(M4) == 16 * sizeof(float));
}

TEST(C_Matrix4, TransformPointIdentityTranslationAndDivideByW)
{
    V3 r;
    G_Fn_Expect_Vector(M4().M_Fn_Transform_Point(V3(1.5f, -2, 3), r), 1.5f, -2, 3);
    G_Fn_Expect_Vector(G_Fn_Translation(1, 2, 3).M_Fn_Transform_Point(V3(1, 1, 1), r), 2, 3, 4);
    M4 half;
    half.m_Data[15] = 2.0f;
    G_Fn_Expect_Vector(half.M_Fn_Transform_Point(V3(2, 4, 6), r), 1, 2, 3);
    // Full projective row: w = x + 1.
    M4 proj;
    proj.m_Data[3] = 1.0f;
    G_Fn_Expect_Vector(proj.M_Fn_Transform_Point(V3(1, 4, 8), r), 0.5f, 2, 4);
    // The point may be the result.
    V3 p(1, 0, 0);
    G_Fn_Rot_Z90().M_Fn_Transform_Point(p, p);
    G_Fn_Expect_Vector(p, 0, 1, 0);
}

TEST(C_Matrix4, MulWithItselfGivesTheSquare)
{
    float d[16];
    for (int i = 0; i < 16; ++i)
        d[i] = float(i + 1);
    M4 m(d);
    m.M_Fn_Mul(m);
    // Worked out by hand: (A A)(r, c) = sum_k (4k + r + 1)(4c + k + 1).
    const float sq[16] = {90, 100, 110, 120, 202, 228, 254, 280, 314, 356, 398, 440, 426, 484, 542, 600};
    G_Fn_Expect_Matrix(m, sq, 0.0f);
}

TEST(C_Matrix4, MulAppliesTheArgumentFirst)
{
    // M = translation by (1, 0, 0), B = quarter turn about z: M B p turns p first, then moves it.
    M4 m = G_Fn_Translation(1, 0, 0);
    m.M_Fn_Mul(G_Fn_Rot_Z90());
    V3 r;
    G_Fn_Expect_Vector(m.M_Fn_Transform_Point(V3(1, 0, 0), r), 1, 1, 0);
}

TEST(C_Matrix4, InvertRotationGivesTranspose)
{
    M4 rot;
    rot.M_Fn_Asgn_Rotate_Quaternion(Q(0.5f, 0.5f, 0.5f, 0.5f)); // 120 degrees about (1, 1, 1)
    M4 inv;
    rot.M_Fn_Invert(inv);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(inv(r, c), rot(c, r), 1e-6f);
    // This quaternion permutes the axes: x -> y -> z -> x, so the matrix is exactly a permutation.
    const float perm[16] = {0, 1, 0, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    G_Fn_Expect_Matrix(rot, perm, 0.0f);
}

TEST(C_Matrix4, InvertTranslationAndScaleByHand)
{
    M4 inv;
    G_Fn_Translation(1, -2, 3).M_Fn_Invert(inv);
    const float neg[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, -1, 2, -3, 1};
    G_Fn_Expect_Matrix(inv, neg, 0.0f);

    const float sd[16] = {2, 0, 0, 0, 0, 4, 0, 0, 0, 0, 8, 0, 1, 2, 3, 1};
    M4(sd).M_Fn_Invert(inv);
    const float si[16] = {0.5f, 0, 0, 0, 0, 0.25f, 0, 0, 0, 0, 0.125f, 0, -0.5f, -0.5f, -0.375f, 1};
    G_Fn_Expect_Matrix(inv, si, 0.0f);
}

TEST(C_Matrix4, InvertGeneralProjectiveMatrixByHand)
{
    // Rows (1 2 0 1), (0 1 3 0), (2 5 1 3), (1 2 1 2); det = 3. Inverse worked out by Gauss-Jordan
    // elimination in exact fractions.
    const float a[16] = {1, 0, 2, 1, 2, 1, 5, 2, 0, 3, 1, 1, 1, 0, 3, 2};
    const float expected[16] = {13.f / 3, -1, 1.f / 3, -4.f / 3, 1.f / 3, 0,  1.f / 3, -1.f / 3,
                                -7.f / 3, 1,  -1.f / 3, 1.f / 3, 4.f / 3, -1, 1.f / 3, 2.f / 3};
    M4 m(a), inv;
    m.M_Fn_Invert(inv);
    G_Fn_Expect_Matrix(inv, expected, 2e-6f);
    // M times its inverse is the identity to float precision.
    M4 prod = m;
    prod.M_Fn_Mul(inv);
    const float id[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    G_Fn_Expect_Matrix(prod, id, 1e-5f);
    // In place through the same object.
    m.M_Fn_Invert(m);
    G_Fn_Expect_Matrix(m, expected, 2e-6f);
}

TEST(C_Matrix4, InvertSingularGivesNonFiniteEntriesWithoutError)
{
    const float zero[16] = {};
    M4 inv;
    M4(zero).M_Fn_Invert(inv);
    bool all_finite = true;
    for (float v : inv.m_Data)
        all_finite = all_finite && std::isfinite(v);
    EXPECT_FALSE(all_finite);
}

TEST(C_Matrix4, RotationOfAQuaternionFollowsTheTableUnnormalised)
{
    M4 m = G_Fn_Translation(7, 8, 9);
    m.m_Data[3] = 5.0f;
    m.M_Fn_Asgn_Rotate_Quaternion(Q(1, 2, 3, 4));
    // w=1, x=2, y=3, z=4 put into the table by hand.
    const float expected[16] = {-49, 20, 10, 0, 4, -39, 28, 0, 22, 20, -25, 0, 0, 0, 0, 1};
    G_Fn_Expect_Matrix(m, expected, 0.0f);
}

TEST(C_Matrix4, QuaternionQuarterTurnTakesXToY)
{
    M4 m;
    m.M_Fn_Asgn_Rotate_Quaternion(Q(s_Half_Sqrt2, 0, 0, s_Half_Sqrt2));
    V3 r;
    G_Fn_Expect_Vector(m.M_Fn_Transform_Point(V3(1, 0, 0), r), 0, 1, 0);
    G_Fn_Expect_Vector(m.M_Fn_Transform_Point(V3(0, 1, 0), r), -1, 0, 0);
    M4 post, pre;
    post.M_Fn_Rotate_Quaternion(Q(s_Half_Sqrt2, 0, 0, s_Half_Sqrt2));
    pre.M_Fn_Rotate_Quaternion_Pre(Q(s_Half_Sqrt2, 0, 0, s_Half_Sqrt2));
    G_Fn_Expect_Vector(post.M_Fn_Transform_Point(V3(1, 0, 0), r), 0, 1, 0);
    G_Fn_Expect_Vector(pre.M_Fn_Transform_Point(V3(1, 0, 0), r), 0, 1, 0);
}

TEST(C_Matrix4, RotateAndRotatePreAgreeOnIdentityOnlyAndIdentityQuaternionChangesNothing)
{
    const Q q(s_Half_Sqrt2, 0, 0, s_Half_Sqrt2);
    M4 a, b;
    a.M_Fn_Rotate_Quaternion(q);
    b.M_Fn_Rotate_Quaternion_Pre(q);
    G_Fn_Expect_Matrix(a, b.m_Data, 0.0f);

    // With a translation by (1, 0, 0): M R keeps the translation, R M turns it onto y.
    M4 post = G_Fn_Translation(1, 0, 0), pre = G_Fn_Translation(1, 0, 0);
    post.M_Fn_Rotate_Quaternion(q);
    pre.M_Fn_Rotate_Quaternion_Pre(q);
    const float expected_post[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 1, 0, 0, 1};
    const float expected_pre[16] = {0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 1};
    G_Fn_Expect_Matrix(post, expected_post, 1e-6f);
    G_Fn_Expect_Matrix(pre, expected_pre, 1e-6f);

    // The bottom row of a projective matrix stays under M R (column 3 untouched) and under R M.
    float d[16];
    for (int i = 0; i < 16; ++i)
        d[i] = float(i + 1);
    M4 m(d), n(d);
    m.M_Fn_Rotate_Quaternion(Q());
    n.M_Fn_Rotate_Quaternion_Pre(Q());
    G_Fn_Expect_Matrix(m, d, 0.0f);
    G_Fn_Expect_Matrix(n, d, 0.0f);
}

TEST(C_Matrix4, MulAsgnWithQuaternionEqualsMulByItsFullRotation)
{
    float d[16];
    for (int i = 0; i < 16; ++i)
        d[i] = float(i % 5) - 1.5f;
    const Q q(0.5f, 0.5f, -0.5f, 0.5f);
    M4 a(d), b(d), r;
    a.M_Fn_Mul_Asgn(q);
    r.M_Fn_Asgn_Rotate_Quaternion(q);
    b.M_Fn_Mul(r);
    G_Fn_Expect_Matrix(a, b.m_Data, 1e-5f);
    // And the pre form equals R M.
    M4 c(d);
    c.M_Fn_Rotate_Quaternion_Pre(q);
    M4 rm = r;
    rm.M_Fn_Mul(M4(d));
    G_Fn_Expect_Matrix(c, rm.m_Data, 1e-5f);
}

TEST(C_Matrix4, ScalePreScalesTheTranslationToo)
{
    M4 m = G_Fn_Translation(1, 1, 1);
    m.M_Fn_Scale_Pre(2, 2, 2);
    const float expected[16] = {2, 0, 0, 0, 0, 2, 0, 0, 0, 0, 2, 0, 2, 2, 2, 1};
    G_Fn_Expect_Matrix(m, expected, 0.0f);
    M4 n;
    n.m_Data[7] = 3.0f; // row 3 is left alone
    n.M_Fn_Scale_Pre(2, 3, 4);
    const float expected_n[16] = {2, 0, 0, 0, 0, 3, 0, 3, 0, 0, 4, 0, 0, 0, 0, 1};
    G_Fn_Expect_Matrix(n, expected_n, 0.0f);
}

TEST(C_Matrix4, TranslateInObjectFrameAndTranslatePreInEyeFrame)
{
    M4 post = G_Fn_Rot_Z90(), pre = G_Fn_Rot_Z90();
    post.M_Fn_Translate(1, 0, 0); // M T: the offset is turned by M
    pre.M_Fn_Translate_Pre(1, 0, 0); // T M: the offset is taken as it is
    V3 r;
    G_Fn_Expect_Vector(post.M_Fn_Transform_Point(V3(0, 0, 0), r), 0, 1, 0);
    G_Fn_Expect_Vector(pre.M_Fn_Transform_Point(V3(0, 0, 0), r), 1, 0, 0);
    // Translate_Pre on a projective column scales the offset by that column's w.
    M4 w;
    w.m_Data[3] = 2.0f; // row 3 of column 0
    w.M_Fn_Translate_Pre(1, 2, 3);
    const float expected[16] = {3, 4, 6, 2, 0, 1, 0, 0, 0, 0, 1, 0, 1, 2, 3, 1};
    G_Fn_Expect_Matrix(w, expected, 0.0f);
}

// ---------------------------------------------------------------- quaternion

TEST(C_Quaternion, StorageOrderIdentityAndConjugate)
{
    const Q q(1, 2, 3, 4);
    EXPECT_EQ(q.w, 1.0f);
    EXPECT_EQ(q.z, 4.0f);
    EXPECT_EQ(Q(), Q(1, 0, 0, 0));
    EXPECT_EQ(q.M_Fn_Conjugate(), Q(1, -2, -3, -4));
    static_assert(sizeof(Q) == 4 * sizeof(float));
}

TEST(C_Quaternion, AxisCosineFormAndClamp)
{
    Q q;
    q.M_Fn_Asgn_Rotate_By_Axis_Cos(V3(0, 0, 1), 0.0f);
    G_Fn_Expect_Quaternion(q, s_Half_Sqrt2, 0, 0, s_Half_Sqrt2);
    q.M_Fn_Asgn_Rotate_By_Axis_Cos(V3(0, 1, 0), 1.5f);
    G_Fn_Expect_Quaternion(q, 1, 0, 0, 0, 0.0f);
    q.M_Fn_Asgn_Rotate_By_Axis_Cos(V3(0, 1, 0), -2.0f);
    G_Fn_Expect_Quaternion(q, 0, 0, 1, 0, 0.0f);
}

TEST(C_Quaternion, SrcDstOppositeVectorsTurnHalfAboutAPerpendicularAxis)
{
    Q q;
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(0, 0, 1), V3(0, 0, -1));
    EXPECT_EQ(q, Q(0, 0, 1, 0)); // about y: z is not 0, y is
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(1, 0, 0), V3(-1, 0, 0));
    EXPECT_EQ(q, Q(0, 0, 0, 1));
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(0, 1, 0), V3(0, -1, 0));
    EXPECT_EQ(q, Q(0, 0, 0, 1)); // z is tested first
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(0, 0.6f, 0.8f), V3(0, -0.6f, -0.8f));
    EXPECT_EQ(q, Q(0, 1, 0, 0)); // z and y non-zero, x is 0

    // All components non-zero: about the normalised a x (0, 0, 1) = (a.y, -a.x, 0) / |..|.
    const V3 a(1.f / 3, 2.f / 3, 2.f / 3);
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(a, -a);
    const float r5 = std::sqrt(5.0f);
    G_Fn_Expect_Quaternion(q, 0, 2 / r5, -1 / r5, 0);
    M4 m;
    m.M_Fn_Asgn_Rotate_Quaternion(q);
    V3 r;
    G_Fn_Expect_Vector(m.M_Fn_Transform_Point(a, r), -a.x, -a.y, -a.z, 1e-6f);
}

TEST(C_Quaternion, SrcDstEqualVectorsGiveIdentity)
{
    Q q(0, 1, 0, 0);
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(0.6f, 0, 0.8f), V3(0.6f, 0, 0.8f));
    EXPECT_EQ(q, Q(1, 0, 0, 0));
}

TEST(C_Quaternion, SrcDstGeneralRotationTakesSrcOntoDst)
{
    Q q;
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(1, 0, 0), V3(0, 1, 0));
    G_Fn_Expect_Quaternion(q, s_Half_Sqrt2, 0, 0, s_Half_Sqrt2);

    std::mt19937 gen(12345);
    std::normal_distribution<float> nd;
    for (int i = 0; i < 200; ++i) {
        V3 s(nd(gen), nd(gen), nd(gen)), d(nd(gen), nd(gen), nd(gen));
        s.M_Fn_Normalize();
        d.M_Fn_Normalize();
        q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(s, d);
        M4 m;
        m.M_Fn_Asgn_Rotate_Quaternion(q);
        V3 r;
        m.M_Fn_Transform_Point(s, r);
        G_Fn_Expect_Vector(r, d.x, d.y, d.z, 2e-5f);
    }
}

TEST(C_Quaternion, SrcDstParallelNonUnitInputsThrow)
{
    Q q;
    try {
        q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(0.5f, 0, 0), V3(1, 0, 0));
        FAIL() << "no exception";
    } catch (const C_Exception& e) {
        EXPECT_STREQ(e.M_Fn_Function(), "N_Common::N_Math::C_Quaternion<float>::M_Fn_Asgn_Rotate_By_Src_Dst_Normalized");
        const std::string what = e.what();
        EXPECT_EQ(what.rfind("Function: N_Common::N_Math::C_Quaternion<float>::M_Fn_Asgn_Rotate_By_Src_Dst_Normalized\n"
                             "    File: Common_Math_Quaternion.h Line: ",
                             0),
                  0u)
            << what;
    }
    // Parallel non-unit vectors whose dot product reaches 1 are taken as equal directions.
    q.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(V3(2, 0, 0), V3(1, 0, 0));
    EXPECT_EQ(q, Q());
}
