#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"

#include "biz/sect/Biz_Sect.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

C_Mgr_D_Plane::C_Mgr_D_Plane(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect), m_sp_Plane(std::make_shared<C_D_Plane>()) {}

C_Mgr_D_Plane::~C_Mgr_D_Plane() = default;

E_Result C_Mgr_D_Plane::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    if (!m_sp_Plane)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Plane::M_Fn_Stream_Serialize_o_O");
    const E_Result result = m_sp_Plane->M_Fn_Stream_Serialize_O(ro_Stream);
    if (result != E_Result_Success)
        return result;
    return G_Fn_Stream_Serialize_Matrix4_O(ro_Stream, m_Inverse_Rotation);
}

E_Result C_Mgr_D_Plane::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    // Both matrices are read before either changes, so a short stream leaves the plane whole.
    C_Matrix4f plane;
    C_Matrix4f inverse;
    E_Result result = G_Fn_Stream_Serialize_Matrix4_I(ro_Stream, plane);
    if (result != E_Result_Success)
        return result;
    result = G_Fn_Stream_Serialize_Matrix4_I(ro_Stream, inverse);
    if (result != E_Result_Success)
        return result;
    if (!m_sp_Plane)
        m_sp_Plane = std::make_shared<C_D_Plane>();
    m_sp_Plane->m_Matrix = plane;
    m_Inverse_Rotation = inverse;
    return E_Result_Success;
}

void C_Mgr_D_Plane::M_Fn_D_Set(std::shared_ptr<C_D_Plane>& io_sp_Plane)
{
    if (!io_sp_Plane)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Plane::M_Fn_D_Set");
    m_sp_Plane.swap(io_sp_Plane);

    C_Matrix4f rotation;
    m_sp_Plane->m_Matrix.M_Fn_Copy(rotation);
    rotation.M_Fn_Translate_Pre(-rotation.m_Data[12], -rotation.m_Data[13], -rotation.m_Data[14]);
    C_Matrix4f inverse;
    rotation.M_Fn_Invert(inverse);
    m_Inverse_Rotation = inverse;

    m_p_Sect->M_Fn_Mark_Changed(false, false);
}

} // namespace N_Biz::N_Sect
