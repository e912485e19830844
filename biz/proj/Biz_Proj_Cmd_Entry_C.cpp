#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"

#include "app/App.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
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

void C_Entry_C::M_Fn_Sel_Refresh()
{
    C_Proj* p_proj = m_p_Proj;
    // The change itself is done and must be recorded as done: a failure here is only reported. A
    // cancelled import reverts its entry on the worker thread; the views are the interface
    // thread's, so the refresh waits for it there.
    const auto refresh = [p_proj] {
        try {
            p_proj->M_Fn_Get_Mgr_Sel().M_Fn_Sel_Refresh();
            p_proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Sel_Refresh_All();
        } catch (...) {
            C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Proj::N_Cmd::C_Entry_C::M_Fn_Sel_Refresh", __FILE__,
                                                  __LINE__);
        }
    };
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || p_app->M_Fn_Is_UI_Thread()) {
        refresh();
        return;
    }
    // Queued from a worker: by the time it runs the project may have been closed.
    p_app->M_Fn_UI_Post([p_app, p_proj, refresh] {
        if (p_app->m_sp_Proj.get() == p_proj)
            refresh();
    });
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

} // namespace N_Biz::N_Proj::N_Cmd
