#include "biz/sect/Biz_Sect_Mgr_State.h"

#include "biz/sect/Biz_Sect_State_Machine_Top.h"

namespace N_Biz::N_Sect {

C_Mgr_State::C_Mgr_State(C_Sect* i_p_Sect)
    : m_p_Sect(i_p_Sect), m_up_Machine(std::make_unique<N_State::C_Machine_Top>())
{
    m_up_Machine->M_Fn_Set_Parent(this);
    m_up_Machine->M_Fn_Set_Context(m_p_Sect);
    m_up_Machine->M_Fn_Init();
}

C_Mgr_State::~C_Mgr_State() = default;

void C_Mgr_State::M_Fn_Signal_Raise(std::int32_t i_Code) const
{
    if (m_Fn_Signal)
        m_Fn_Signal(i_Code);
}

} // namespace N_Biz::N_Sect
