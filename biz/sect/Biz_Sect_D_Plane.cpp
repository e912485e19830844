#include "biz/sect/Biz_Sect_D_Plane.h"

#include "common/Common_Math_Quaternion.h"

#include <GL/gl.h>

namespace N_Biz::N_Sect {

using N_Common::N_Math::C_Quaternion;

int C_D_Plane::M_Fn_Asgn_Rotate(C_Matrix4f& o_Matrix, const C_Vector3f& ro_Normal, std::uint32_t i_Flip,
                                const C_Vector3f& ro_Ref_Local, const C_Vector3f& ro_Ref_Global,
                                const C_Vector3f& ro_Origin)
{
    o_Matrix = C_Matrix4f();
    const C_Vector3f normal = i_Flip ? -ro_Normal : ro_Normal;

    // First turn: local z onto the normal.
    C_Quaternion<float> q1;
    q1.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(C_Vector3f(0, 0, 1), normal);
    o_Matrix.M_Fn_Asgn_Rotate_Quaternion(q1);

    // The global reference direction seen in the turned frame, projected onto the plane.
    C_Matrix4f back;
    back.M_Fn_Asgn_Rotate_Quaternion(q1.M_Fn_Conjugate());
    C_Vector3f projection;
    back.M_Fn_Transform_Point(ro_Ref_Global, projection);
    projection.z = 0;

    // Second turn about local z, only when the reference direction is not along the normal
    // (nothing in the plane to turn towards then). The origin applies either way: a plane left at
    // the model origin would put the section somewhere else than where its caller placed it.
    if (!projection.M_Fn_If_Zero()) {
        projection.M_Fn_Normalize_Nonzero();
        C_Quaternion<float> q2;
        q2.M_Fn_Asgn_Rotate_By_Src_Dst_Normalized(ro_Ref_Local, projection);
        o_Matrix.M_Fn_Mul_Asgn(q2);
    }
    o_Matrix.M_Fn_Translate_Pre(ro_Origin.x, ro_Origin.y, ro_Origin.z);
    return 1;
}

namespace {

void G_Fn_Square(GLenum i_Mode)
{
    glBegin(i_Mode);
    glVertex3f(100.0f, 100.0f, 0.0f);
    glVertex3f(-100.0f, 100.0f, 0.0f);
    glVertex3f(-100.0f, -100.0f, 0.0f);
    glVertex3f(100.0f, -100.0f, 0.0f);
    glEnd();
}

} // namespace

void C_D_Plane::M_Fn_Draw(const C_Matrix4f& ro_Matrix, float i_Size, bool i_Picked, bool i_Selected)
{
    glPushMatrix();
    glMultMatrixf(ro_Matrix.m_Data);
    glScalef(i_Size, i_Size, i_Size);
    glEnable(GL_DEPTH_TEST);
    // The translucent face must not hide what lies behind it in depth.
    glDepthMask(GL_FALSE);
    glColor4f(0.5f, 0.5f, 1.0f, 0.3f);
    G_Fn_Square(GL_QUADS);
    glDepthMask(GL_TRUE);
    if (i_Picked) {
        glLineWidth(3.0f);
        glColor3f(0.75f, 0.75f, 1.0f);
    } else if (i_Selected) {
        glLineWidth(3.0f);
        glColor3f(1.0f, 0.75f, 0.75f);
    } else {
        glLineWidth(1.0f);
        glColor3f(0.8f, 0.8f, 0.8f);
    }
    G_Fn_Square(GL_LINE_LOOP);
    glDisable(GL_DEPTH_TEST);
    glPopMatrix();
}

void C_D_Plane::M_Fn_Draw_Overlay(const C_Matrix4f& ro_Matrix, float i_Size, bool i_Picked, bool i_Selected)
{
    glPushMatrix();
    glMultMatrixf(ro_Matrix.m_Data);
    glScalef(i_Size, i_Size, i_Size);
    glLineWidth((i_Picked || i_Selected) ? 3.0f : 1.0f);
    M_Fn_Draw_Axes();
    glPopMatrix();
}

void C_D_Plane::M_Fn_Draw_Select()
{
    G_Fn_Square(GL_QUADS);
}

void C_D_Plane::M_Fn_Draw_Axes()
{
    glPushMatrix();
    glColor3f(1.0f, 0.6f, 0.6f);
    M_Fn_Draw_Arrow();
    glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
    glColor3f(0.6f, 1.0f, 0.6f);
    M_Fn_Draw_Arrow();
    glPopMatrix();
}

void C_D_Plane::M_Fn_Draw_Arrow()
{
    glBegin(GL_LINES);
    glVertex3f(-50.0f, 0.0f, 0.0f);
    glVertex3f(50.0f, 0.0f, 0.0f);
    glEnd();
    static const float s_Corner[4][2] = {{1.5f, 1.5f}, {-1.5f, 1.5f}, {-1.5f, -1.5f}, {1.5f, -1.5f}};
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < 4; ++i) {
        const float* a = s_Corner[i];
        const float* b = s_Corner[(i + 1) % 4];
        glVertex3f(50.0f, 0.0f, 0.0f);
        glVertex3f(42.0f, a[0], a[1]);
        glVertex3f(42.0f, b[0], b[1]);
    }
    glEnd();
}

E_Result G_Fn_Stream_Serialize_Matrix4_O(std::ostream& ro_Stream, const C_D_Plane::C_Matrix4f& i_Matrix)
{
    for (float value : i_Matrix.m_Data)
        if (N_Common::N_Stream::G_Fn_Serialize_O(ro_Stream, value) != E_Result_Success)
            return E_Result_Stream_Failure;
    return E_Result_Success;
}

E_Result G_Fn_Stream_Serialize_Matrix4_I(std::istream& ro_Stream, C_D_Plane::C_Matrix4f& o_Matrix)
{
    C_D_Plane::C_Matrix4f read;
    for (float& value : read.m_Data)
        if (N_Common::N_Stream::G_Fn_Serialize_I(ro_Stream, value) != E_Result_Success)
            return E_Result_Stream_Failure;
    o_Matrix = read;
    return E_Result_Success;
}

E_Result C_D_Plane::M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const
{
    return G_Fn_Stream_Serialize_Matrix4_O(ro_Stream, m_Matrix);
}

E_Result C_D_Plane::M_Fn_Stream_Serialize_I(std::istream& ro_Stream)
{
    return G_Fn_Stream_Serialize_Matrix4_I(ro_Stream, m_Matrix);
}

} // namespace N_Biz::N_Sect
