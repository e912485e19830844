#include "biz/cmd/Biz_Cmd_Entry.h"

#include "common/Common_Exception.h"

#include <utility>

namespace N_Biz::N_Cmd {

C_Entry::C_Entry(std::wstring i_Name) : m_Name(std::move(i_Name)) {}

C_Entry::~C_Entry() = default;

void C_Entry::M_Fn_On_Parent_Entry_Begin()
{
    if (m_State != E_State_Fresh)
        VT_THROW("N_Biz::N_Cmd::C_Entry::M_Fn_On_Parent_Entry_Begin");
    m_State = E_State_Begun;
}

void C_Entry::M_Fn_On_Parent_Entry_End()
{
    if (m_State == E_State_Begun) {
        m_State = E_State_Done;
        return;
    }
    if (m_State != E_State_Element)
        VT_THROW("N_Biz::N_Cmd::C_Entry::M_Fn_On_Parent_Entry_End");
    if (!m_sp_Child)
        VT_THROW("N_Biz::N_Cmd::C_Entry::M_Fn_On_Parent_Entry_End");
    m_sp_Child->MV_Fn_Child_add_finished();
    if (m_sp_Child->MV_Fn_Is_empty())
        m_sp_Child.reset();
    m_State = E_State_Done;
}

void C_Entry::M_Fn_Child_Add_and_Execute(const std::shared_ptr<C_Elem>& i_sp_Child)
{
    if (m_State != E_State_Begun)
        VT_THROW("N_Biz::N_Cmd::C_Entry::M_Fn_Child_Add_and_Execute");
    if (m_sp_Child || !i_sp_Child || i_sp_Child->m_State != C_Elem::E_State_New)
        VT_THROW("N_Biz::N_Cmd::C_Entry::M_Fn_Child_Add_and_Execute");
    i_sp_Child->MV_Fn_Execute();
    i_sp_Child->m_State = i_sp_Child->MV_Fn_Is_group() ? C_Elem::E_State_Open : C_Elem::E_State_Done;
    m_sp_Child = i_sp_Child;
    m_State = E_State_Element;
}

int C_Entry::M_Fn_Undo()
{
    if (m_State != E_State_Done)
        VT_THROW("N_Biz::N_Cmd::C_Entry::M_Fn_Undo");
    if (!m_sp_Child || m_sp_Child->m_State != C_Elem::E_State_Done)
        VT_THROW("N_Biz::N_Cmd::C_Entry::M_Fn_Undo");
    MV_Fn_On_Undo_Pre();
    m_sp_Child->MV_Fn_Undo();
    int result = MV_Fn_On_Undo_Post();
    m_sp_Child->m_State = C_Elem::E_State_Undone;
    m_State = E_State_Undone;
    return result;
}

int C_Entry::M_Fn_Redo()
{
    if (m_State != E_State_Undone)
        VT_THROW("N_Biz::N_Cmd::C_Entry::M_Fn_Redo");
    if (!m_sp_Child || m_sp_Child->m_State != C_Elem::E_State_Undone)
        VT_THROW("N_Biz::N_Cmd::C_Entry::M_Fn_Redo");
    MV_Fn_On_Redo_Pre();
    m_sp_Child->MV_Fn_Redo();
    int result = MV_Fn_On_Redo_Post();
    m_sp_Child->m_State = C_Elem::E_State_Done;
    m_State = E_State_Done;
    return result;
}

} // namespace N_Biz::N_Cmd
