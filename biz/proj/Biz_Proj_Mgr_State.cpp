#include "biz/proj/Biz_Proj_Mgr_State.h"

#include "biz/proj/Biz_Proj_State_Event.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"

namespace N_Biz::N_Proj {

C_Mgr_State::C_Mgr_State(C_Proj* i_p_Proj)
    : m_p_Proj(i_p_Proj), m_up_Machine(std::make_unique<N_State::C_Machine_Top>())
{
    m_up_Machine->M_Fn_Set_Parent(this);
    m_up_Machine->M_Fn_Set_Context(m_p_Proj);
    m_up_Machine->M_Fn_Init();
}

C_Mgr_State::~C_Mgr_State() = default;

void C_Mgr_State::M_Fn_Post_Cancel()
{
    N_Common::N_State::C_Machine::M_Fn_Event_Process<N_State::C_Event_C_Cancel>(m_up_Machine.get());
}

void C_Mgr_State::M_Fn_Post_View_Main_On_Input(const std::shared_ptr<N_Biz::N_Input::C_Input>& ro_sp_Input)
{
    N_Common::N_State::C_Machine::M_Fn_Event_Process(m_up_Machine.get(), N_State::C_Event_View_Main_On_Input{ro_sp_Input});
}

} // namespace N_Biz::N_Proj
