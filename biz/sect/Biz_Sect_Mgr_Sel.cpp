#include "biz/sect/Biz_Sect_Mgr_Sel.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"

namespace N_Biz::N_Sect {

void C_Mgr_Sel::M_Fn_Reset(const std::wstring& i_Prompt, std::uint32_t i_Flag_0, std::uint32_t i_Flag_1,
                           std::uint32_t i_Flag_2, std::uint32_t i_Flag_3, std::uint32_t i_Flag_4, std::uint32_t i_Mode)
{
    m_Flags = {i_Flag_0, i_Flag_1, i_Flag_2, i_Flag_3, i_Flag_4};
    m_Mode = i_Mode;
    m_Prompt = i_Prompt;
    C_Mgr_D_Geom_P& mgr_p = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P();
    C_Mgr_D_Geom_E& mgr_e = m_p_Sect->M_Fn_Get_Mgr_D_Geom_E();
    mgr_p.M_Fn_Sel_P0_Clear();
    mgr_e.M_Fn_Sel_P0_Clear();
    mgr_p.M_Fn_Sel_P1_Clear();
    mgr_e.M_Fn_Sel_P1_Clear();
    m_p_Sect->M_Fn_Signal_Fire(E_Signal_Sel_Reset);
}

} // namespace N_Biz::N_Sect
