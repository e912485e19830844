#include "biz/sect/Biz_Sect_Cmd_Entry_C.h"

#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"

#include <utility>

namespace N_Biz::N_Sect::N_Cmd {

C_Entry_C::C_Entry_C(std::wstring i_Name, C_Mgr_State& ro_Mgr_State)
    : C_Entry(std::move(i_Name)), m_p_Sect(ro_Mgr_State.M_Fn_Get_Sect()), m_p_Mgr_State(&ro_Mgr_State)
{
}

C_Entry_C::~C_Entry_C() = default;

void C_Entry_C::M_Fn_Task_Cancel()
{
    N_Common::N_State::C_Machine::M_Fn_Event_Process<N_State::C_Event_C_Cancel>(m_p_Mgr_State->M_Fn_Get_Machine());
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

} // namespace N_Biz::N_Sect::N_Cmd
