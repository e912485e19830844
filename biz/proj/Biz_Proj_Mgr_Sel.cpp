#include "biz/proj/Biz_Proj_Mgr_Sel.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Event.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Proj {

void C_Mgr_Sel::M_Fn_Mode_Check(const char* i_Function) const
{
    if (m_Mode > S_Mode_Max)
        VT_THROW(i_Function);
}

void C_Mgr_Sel::M_Fn_Sel_Mode_Set(bool i_Always_Toggle, bool i_Always_Add, bool i_Clear, bool i_Multiple,
                                  bool i_Shift_Add, bool i_Ctrl_Toggle, std::uint32_t i_Mode,
                                  const std::wstring& i_Prompt)
{
    if (i_Mode > S_Mode_Max)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_Mode_Set");
    if (i_Clear) {
        M_Fn_Sel_P1_Clear();
        M_Fn_Sel_P0_Clear();
    }
    std::uint32_t flags = m_Flags & ~std::uint32_t(0x1F);
    if (i_Multiple)
        flags |= E_Flag_Multiple;
    if (i_Shift_Add)
        flags |= E_Flag_Shift_Add;
    if (i_Ctrl_Toggle)
        flags |= E_Flag_Ctrl_Toggle;
    if (i_Always_Add)
        flags |= E_Flag_Always_Add;
    if (i_Always_Toggle)
        flags |= E_Flag_Always_Toggle;
    m_Flags = flags;
    m_Mode = i_Mode;
    m_Prompt = i_Prompt;
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Mode);
    N_Common::N_State::C_Machine::M_Fn_Event_Process<N_State::C_Event_Sel_Mode_Update>(
        m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Get_Machine());
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_Sel::M_Fn_Sel_P0_Clear()
{
    M_Fn_Mode_Check("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P0_Clear");
    switch (m_Mode) {
    case 1: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Clear(); break;
    case 2: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P0_Clear(); break;
    case 3:
    case 4:
    case 5: m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P0_Clear(); break;
    case 6: m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P0_Clear(); break;
    default: break; // sections keep no picks yet; modes 0 and 7 pick nothing
    }
    m_Desc.clear();
}

void C_Mgr_Sel::M_Fn_Sel_P1_Clear()
{
    M_Fn_Mode_Check("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P1_Clear");
    switch (m_Mode) {
    case 1: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P1_Clear(); break;
    case 2: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P1_Clear(); break;
    case 3:
    case 4:
    case 5: m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Clear(); break;
    case 6: m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P1_Clear(); break;
    default: break;
    }
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

} // namespace N_Biz::N_Proj
