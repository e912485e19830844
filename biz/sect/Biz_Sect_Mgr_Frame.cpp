#include "biz/sect/Biz_Sect_Mgr_Frame.h"

namespace N_Biz::N_Sect {

void C_Mgr_Frame::M_Fn_View_Invalidate(bool i_Main, bool i_Graph, bool i_Sheet, bool i_Sheet_Refill)
{
    if (m_Flags & E_Flag_Frozen)
        return;
    if (i_Main && m_p_View_Main)
        m_p_View_Main->M_Fn_Invalidate();
    if (i_Graph && m_p_View_Graph)
        m_p_View_Graph->M_Fn_Invalidate();
    if (m_p_View_Sheet) {
        if (i_Sheet_Refill)
            m_p_View_Sheet->M_Fn_Refill();
        if (i_Sheet)
            m_p_View_Sheet->M_Fn_Invalidate();
    }
}

} // namespace N_Biz::N_Sect
