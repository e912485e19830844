// The plane of a section: the 4x4 matrix that carries the section's local coordinates (x, y, with
// z = 0) into the model's three-dimensional space. Columns 0, 1, 2 are the local x, y and z axes in
// model coordinates, column 3 the local origin. The section's geometry is kept in local coordinates
// only; the plane places it.
//
// A plane is built from a normal (the local z axis, optionally flipped), a local reference
// direction that is turned onto the in-plane projection of a global reference direction, and an
// origin. It is also drawn in the project view (a 200 x 200 square scaled by the caller, its
// outline coloured by the section's selection state, and the two in-plane axes as arrows).
#pragma once

#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Vector.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <istream>
#include <ostream>

namespace N_Biz::N_Sect {

class C_D_Plane {
public:
    using C_Matrix4f = N_Common::N_Math::C_Matrix4<float>;
    using C_Vector3f = N_Common::N_Math::C_Vector3<float>;

    // The identity: local and model coordinates coincide.
    C_D_Plane() = default;

    // o_Matrix := the plane with local z along ro_Normal (negated when i_Flip is non-zero), turned
    // about local z so that ro_Ref_Local points along the in-plane projection of ro_Ref_Global,
    // and moved to ro_Origin. When ro_Ref_Global is parallel to the normal there is no projection
    // and no turn; the plane is still moved to the origin. ro_Normal, ro_Ref_Local and the
    // projection must be unit vectors (the rotation between two vectors throws C_Exception for
    // parallel vectors that are not). Returns 1.
    static int M_Fn_Asgn_Rotate(C_Matrix4f& o_Matrix, const C_Vector3f& ro_Normal, std::uint32_t i_Flip,
                                const C_Vector3f& ro_Ref_Local, const C_Vector3f& ro_Ref_Global,
                                const C_Vector3f& ro_Origin);

    // Drawing in the project view (OpenGL, current context): the translucent square with its
    // outline (picked: wide light blue, selected: wide light red, else thin grey), the axis overlay
    // (wide when picked or selected), the bare square for GL_SELECT picking, the two axes (x red,
    // y green), and one arrow along x from -50 to 50.
    static void M_Fn_Draw(const C_Matrix4f& ro_Matrix, float i_Size, bool i_Picked, bool i_Selected);
    static void M_Fn_Draw_Overlay(const C_Matrix4f& ro_Matrix, float i_Size, bool i_Picked, bool i_Selected);
    static void M_Fn_Draw_Select();
    static void M_Fn_Draw_Axes();
    static void M_Fn_Draw_Arrow();

    // The 16 floats in matrix order, 4 bytes each (little-endian IEEE single). The writer returns
    // 1, or 0 when the stream has failed. The reader returns 1, or 0 on a short read, the matrix
    // then unchanged.
    E_Result M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const;
    E_Result M_Fn_Stream_Serialize_I(std::istream& ro_Stream);

    C_Matrix4f m_Matrix;
};

// Reads or writes 16 floats of a matrix; the reader changes o_Matrix only when all 16 arrived.
E_Result G_Fn_Stream_Serialize_Matrix4_O(std::ostream& ro_Stream, const C_D_Plane::C_Matrix4f& i_Matrix);
E_Result G_Fn_Stream_Serialize_Matrix4_I(std::istream& ro_Stream, C_D_Plane::C_Matrix4f& o_Matrix);

} // namespace N_Biz::N_Sect
