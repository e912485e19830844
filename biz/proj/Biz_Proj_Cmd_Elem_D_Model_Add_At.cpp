#include "biz/proj/Biz_Proj_Cmd_Elem_D_Model_Add_At.h"

#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Proj::N_Cmd {

C_Elem_D_Model_Add_At::C_Elem_D_Model_Add_At(C_Proj* i_p_Proj, std::uint32_t i_Index,
                                             const std::shared_ptr<N_Model::C_Model>& ro_sp_Model)
    : m_p_Proj(i_p_Proj), m_Index(i_Index), m_sp_Model(ro_sp_Model)
{
    m_State = E_State_New;
    if (!m_p_Proj || m_Index == 0 || !m_sp_Model)
        VT_THROW("N_Biz::N_Proj::N_Cmd::C_Elem_D_Model_Add_At::C_Elem_D_Model_Add_At");
}

C_Elem_D_Model_Add_At::~C_Elem_D_Model_Add_At() = default;

void C_Elem_D_Model_Add_At::MV_Fn_Redo()
{
    if (!m_sp_Model)
        VT_THROW("N_Biz::N_Proj::N_Cmd::C_Elem_D_Model_Add_At::MV_Fn_Redo");
    m_p_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_D_Add_At(m_sp_Model, m_Index);
    m_sp_Model.reset();
}

void C_Elem_D_Model_Add_At::MV_Fn_Undo()
{
    if (m_sp_Model)
        VT_THROW("N_Biz::N_Proj::N_Cmd::C_Elem_D_Model_Add_At::MV_Fn_Undo");
    m_p_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_D_Remove_At(m_Index, m_sp_Model);
}

} // namespace N_Biz::N_Proj::N_Cmd
