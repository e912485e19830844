#include "biz/cmd/Biz_Cmd_Elem_Group.h"

#include "common/Common_Exception.h"

namespace N_Biz::N_Cmd {

C_Elem_Group::~C_Elem_Group() = default;

void C_Elem_Group::M_Fn_Child_Last_Finish()
{
    if (m_Children.empty())
        return;
    const std::shared_ptr<C_Elem>& sp_last = m_Children.back();
    if (!sp_last)
        return;
    sp_last->MV_Fn_Child_add_finished();
    if (sp_last->MV_Fn_Is_empty())
        m_Children.pop_back();
}

void C_Elem_Group::M_Fn_Child_Add_and_Execute(const std::shared_ptr<C_Elem>& i_sp_Child)
{
    if (m_State != E_State_Open)
        VT_THROW("N_Biz::N_Cmd::C_Elem_Group::M_Fn_Child_Add_and_Execute");
    M_Fn_Child_Last_Finish();
    if (!i_sp_Child || i_sp_Child->m_State != E_State_New)
        VT_THROW("N_Biz::N_Cmd::C_Elem_Group::M_Fn_Child_Add_and_Execute");
    i_sp_Child->MV_Fn_Execute();
    i_sp_Child->m_State = E_State_Done;
    m_Children.push_back(i_sp_Child);
}

void C_Elem_Group::MV_Fn_Child_add_finished()
{
    if (m_State != E_State_Open)
        VT_THROW("N_Biz::N_Cmd::C_Elem_Group::MV_Fn_Child_add_finished");
    M_Fn_Child_Last_Finish();
    m_State = E_State_Done;
}

bool C_Elem_Group::MV_Fn_Is_empty() const
{
    if (m_State == E_State_New)
        VT_THROW("N_Biz::N_Cmd::C_Elem_Group::MV_Fn_Is_empty");
    return m_Children.empty();
}

void C_Elem_Group::MV_Fn_Undo()
{
    for (auto it = m_Children.rbegin(); it != m_Children.rend(); ++it) {
        C_Elem* p_child = it->get();
        if (!p_child || p_child->m_State != E_State_Done)
            VT_THROW("N_Biz::N_Cmd::C_Elem_Group::MV_Fn_Undo");
        p_child->MV_Fn_Undo();
        p_child->m_State = E_State_Undone;
    }
}

void C_Elem_Group::MV_Fn_Redo()
{
    for (const std::shared_ptr<C_Elem>& sp_child : m_Children) {
        if (!sp_child || sp_child->m_State != E_State_Undone)
            VT_THROW("N_Biz::N_Cmd::C_Elem_Group::MV_Fn_Redo");
        sp_child->MV_Fn_Redo();
        sp_child->m_State = E_State_Done;
    }
}

} // namespace N_Biz::N_Cmd
