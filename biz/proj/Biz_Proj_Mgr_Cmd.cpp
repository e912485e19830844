#include "biz/proj/Biz_Proj_Mgr_Cmd.h"

#include "biz/proj/Biz_Proj.h"

namespace N_Biz::N_Proj {

C_Mgr_Cmd::C_Mgr_Cmd(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}

C_Mgr_Cmd::~C_Mgr_Cmd() = default;

void C_Mgr_Cmd::MV_Fn_On_Change()
{
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_Cmd);
}

void C_Mgr_Cmd::M_Fn_Entry_Cancel_Quiet() noexcept
{
    try {
        if (M_Fn_Get_State() == E_State_Open)
            M_Fn_Entry_Cancel();
    } catch (...) {
        C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Mgr_Cmd::M_Fn_Entry_Cancel_Quiet", __FILE__, __LINE__);
    }
}

} // namespace N_Biz::N_Proj
