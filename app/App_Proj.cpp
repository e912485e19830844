// The application's one project: creation and close. Kept apart from App.cpp because it needs the
// project layer, which the foundation library does not link.
#include "app/App.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "common/Common_Exception.h"

int C_App::M_Fn_Biz_Proj_D_Create(const std::wstring* i_p_Path)
{
    if (!m_Port->M_Fn_Frame_Exists())
        VT_THROW("C_App::M_Fn_Biz_Proj_D_Create");
    if (m_sp_Proj)
        VT_THROW("C_App::M_Fn_Biz_Proj_D_Create");
    // A path that names nothing cannot be opened; it must not turn into a new project.
    if (i_p_Path && i_p_Path->empty())
        return 0;

    auto sp_proj = std::make_shared<N_Biz::N_Proj::C_Proj>();
    m_Port->M_Fn_Proj_Connect(*sp_proj);
    sp_proj->M_Fn_Tree_Add();
    int result = 0;
    try {
        if (!i_p_Path)
            sp_proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Proc_Cmd_Sub_Add_Default();
        result = sp_proj->M_Fn_Get_Mgr_Doc().M_Fn_Create(i_p_Path ? *i_p_Path : std::wstring());
    } catch (...) {
        // The tree must not keep items of a project that never came to be.
        sp_proj->M_Fn_Tree_Remove();
        throw;
    }
    if (result == 1) {
        m_sp_Proj = std::move(sp_proj);
        // The project window comes with the document (none without a window system).
        if (m_Port->M_Fn_Frame_Proj_Open() == 1)
            m_sp_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Reset();
        return 1;
    }
    sp_proj->M_Fn_Tree_Remove();
    return result;
}

int C_App::M_Fn_Biz_Proj_D_Close()
{
    if (!m_sp_Proj)
        return 1;
    const int saved = m_sp_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Save_Modified();
    if (saved != 1)
        return saved;
    m_sp_Proj->M_Fn_Tree_Remove();
    m_sp_Proj.reset();
    return 1;
}
