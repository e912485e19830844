#include "biz/sect/Biz_Sect_Context_Edit_Geom.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

C_Context_Edit_Geom::C_Context_Edit_Geom(C_Sect& ro_Sect)
    : m_p_Sect(&ro_Sect), m_Points(ro_Sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_Store().size()),
      m_Entities(ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store().size())
{
}

C_Context_Edit_Geom::~C_Context_Edit_Geom() = default;

void C_Context_Edit_Geom::M_Fn_Point_Move_Add(std::uint32_t i_Id, float i_Dx, float i_Dy, float i_X, float i_Y)
{
    if (i_Id >= m_Points.size())
        VT_THROW("N_Biz::N_Sect::C_Context_Edit_Geom::M_Fn_Point_Move_Add");
    m_Points[i_Id] = C_Point{E_State_P_Move, i_Dx, i_Dy, i_X, i_Y};
    m_List_P_Process.push_back(i_Id);
}

} // namespace N_Biz::N_Sect
