// The plane manager of a section: the section's current plane and the inverse of its rotation
// (model directions into local directions), which is kept beside the plane and stored with it.
//
// A plane is replaced, never edited: M_Fn_D_Set swaps a new plane in and hands the old one back,
// so the same call undoes itself (the plane's undo element calls it for undo and redo alike).
#pragma once

#include "biz/sect/Biz_Sect_D_Plane.h"
#include "common/Common_Stream_Serialize.h"

#include <istream>
#include <memory>
#include <ostream>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_D_Plane {
public:
    using C_Matrix4f = C_D_Plane::C_Matrix4f;

    // An identity plane; the inverse rotation is the identity too. i_p_Sect is not owned.
    explicit C_Mgr_D_Plane(C_Sect* i_p_Sect);
    C_Mgr_D_Plane(const C_Mgr_D_Plane&) = delete;
    C_Mgr_D_Plane& operator=(const C_Mgr_D_Plane&) = delete;
    ~C_Mgr_D_Plane();

    // The plane's 16 floats, then the inverse rotation's 16 floats. 1, or 0 when the stream has
    // failed. Throws C_Exception when the manager holds no plane.
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // Reads both matrices as they were written (the inverse is taken as stored). 1, or 0 on a short
    // read, both matrices then unchanged.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);

    // Swaps io_sp_Plane in (it then holds the previous plane), recomputes the inverse rotation,
    // marks the project modified and invalidates the section's main view and the project view.
    // The section's results stay valid: the calculation works in local coordinates. An empty
    // io_sp_Plane throws C_Exception, nothing changed.
    void M_Fn_D_Set(std::shared_ptr<C_D_Plane>& io_sp_Plane);

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    // The current plane (never empty) and its matrix.
    const std::shared_ptr<C_D_Plane>& M_Fn_Get_Plane() const { return m_sp_Plane; }
    const C_Matrix4f& M_Fn_Get_Matrix() const { return m_sp_Plane->m_Matrix; }
    // The inverse of the plane's rotation (translation removed).
    const C_Matrix4f& M_Fn_Get_Inverse_Rotation() const { return m_Inverse_Rotation; }

private:
    C_Sect* m_p_Sect;
    std::shared_ptr<C_D_Plane> m_sp_Plane;
    C_Matrix4f m_Inverse_Rotation;
};

} // namespace N_Biz::N_Sect
