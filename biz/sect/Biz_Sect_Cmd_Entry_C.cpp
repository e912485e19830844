#include "biz/sect/Biz_Sect_Cmd_Entry_C.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
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

void C_Entry_C::M_Fn_Sel_Refresh()
{
    if (!m_p_Sect)
        return;
    // The change itself is done and must be recorded as done: a failure here is only reported.
    try {
        m_p_Sect->M_Fn_Get_Mgr_Sel().M_Fn_Sel_Refresh();
    } catch (...) {
        N_Biz::N_Proj::C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Sect::N_Cmd::C_Entry_C::M_Fn_Sel_Refresh",
                                                             __FILE__, __LINE__);
    }
}

int C_Entry_C::MV_Fn_On_Undo_Post()
{
    M_Fn_Sel_Refresh();
    return 1;
}

int C_Entry_C::MV_Fn_On_Redo_Post()
{
    M_Fn_Sel_Refresh();
    return 1;
}

} // namespace N_Biz::N_Sect::N_Cmd
