#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "common/Common_Exception.h"

#include <utility>

namespace N_Biz::N_Proj::N_Cmd {

C_Entry_C::C_Entry_C(std::wstring i_Name, C_Proj* i_p_Proj) : C_Entry(std::move(i_Name)), m_p_Proj(i_p_Proj)
{
    if (!m_p_Proj)
        VT_THROW("N_Biz::N_Proj::N_Cmd::C_Entry_C::C_Entry_C");
}

C_Entry_C::~C_Entry_C() = default;

void C_Entry_C::M_Fn_Task_Cancel()
{
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
}

void C_Entry_C::MV_Fn_On_Undo_Pre()
{
    M_Fn_Task_Cancel();
}

void C_Entry_C::MV_Fn_On_Redo_Pre()
{
    M_Fn_Task_Cancel();
}

int C_Entry_C::MV_Fn_On_Undo_Post()
{
    return 1;
}

int C_Entry_C::MV_Fn_On_Redo_Post()
{
    return 1;
}

} // namespace N_Biz::N_Proj::N_Cmd
