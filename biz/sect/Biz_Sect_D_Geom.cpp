#include "biz/sect/Biz_Sect_D_Geom.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Tess_Node.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

C_D_Geom::~C_D_Geom() = default;

std::unique_ptr<C_D_Geom> C_D_Geom::Clone_apo_D_Geom() const
{
    VT_THROW("N_Biz::N_Sect::C_D_Geom::Clone_apo_D_Geom");
}

E_Result C_D_Geom::M_Fn_Stream_Serialize_Type_O(std::ostream& ro_Stream) const
{
    return N_Common::N_Stream::G_Fn_Serialize_O(ro_Stream, M_Fn_Type_Get());
}

E_Result C_D_Geom::M_Fn_Stream_Serialize_I(std::istream& ro_Stream)
{
    std::uint8_t flag = 0;
    std::int32_t id = 0;
    if (N_Common::N_Stream::G_Fn_Serialize_u8_I(ro_Stream, flag) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (N_Common::N_Stream::G_Fn_Serialize_I(ro_Stream, id) != E_Result_Success)
        return E_Result_Stream_Failure;
    M_Fn_Weld_Set((flag & 0x1) != 0);
    m_Id = id;
    return E_Result_Success;
}

E_Result C_D_Geom::M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const
{
    N_Common::N_Stream::G_Fn_Serialize_u8_O(ro_Stream, M_Fn_Is_Weld() ? 0xFF : 0x00);
    return N_Common::N_Stream::G_Fn_Serialize_O(ro_Stream, m_Id);
}

std::uint32_t C_D_Geom::M_Fn_Relation_Tess_Build_Node(float i_X, float i_Y, C_Sect& ro_Sect, std::uint32_t i_Id_Point)
{
    C_Mgr_D_Tess_N& mgr = ro_Sect.M_Fn_Get_Mgr_D_Tess_N();
    auto sp_node = std::make_shared<C_D_Tess_Node>();
    sp_node->m_Id_Point = i_Id_Point;
    sp_node->m_X = i_X;
    sp_node->m_Y = i_Y;
    const std::uint32_t id = mgr.M_Fn_Next_Index();
    if (id == 0)
        VT_THROW("N_Biz::N_Sect::C_D_Geom::M_Fn_Relation_Tess_Build_Node");
    mgr.M_Fn_D_Add_At(id, sp_node);
    return id;
}

} // namespace N_Biz::N_Sect
