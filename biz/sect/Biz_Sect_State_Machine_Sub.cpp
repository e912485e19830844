#include "biz/sect/Biz_Sect_State_Machine_Sub.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"

namespace N_Biz::N_Sect::N_State {

C_Sect* C_Machine_Sub::M_Fn_Get_Sect() const
{
    C_Mgr_State* p_holder = M_Fn_Get_Mgr_State();
    return p_holder ? p_holder->M_Fn_Get_Sect() : nullptr;
}

void C_Machine_Task::M_Fn_On_Entry()
{
    if (C_Sect* p_sect = M_Fn_Get_Sect())
        p_sect->M_Fn_Get_Mgr_Sel().M_Fn_Reset(m_Collect.m_Clear, m_Collect.m_Rect, false, false, m_Collect.m_Force_Add,
                                              m_Collect.m_Mode, m_Collect.m_Prompt);
}

} // namespace N_Biz::N_Sect::N_State
