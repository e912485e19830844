// The task starters of the section's geometry editing and the commands that open a dialog.
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

namespace {

// A task never starts on top of another: the running one is cancelled first, then the new one
// is started by its event.
template <class E>
void G_Fn_Task_Start(C_Sect& ro_Sect)
{
    using N_Common::N_State::C_Machine;
    C_Machine* p_top = ro_Sect.M_Fn_Get_Mgr_State().M_Fn_Get_Machine();
    C_Machine::M_Fn_Event_Process<N_State::C_Event_C_Cancel>(p_top);
    C_Machine::M_Fn_Event_Process<E>(p_top);
}

} // namespace

std::function<void(C_Mgr_D_Geom_E&, std::uint32_t)> C_Mgr_D_Geom_E::S_Fn_Dlg_Property;

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Point()
{
    m_Create_Kind = E_Create_Point;
    G_Fn_Task_Start<N_State::C_Event_D_Geom_Create_Point>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line()
{
    m_Create_Kind = E_Create_Line;
    G_Fn_Task_Start<N_State::C_Event_D_Geom_Create_Line>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Arc()
{
    m_Create_Kind = E_Create_Arc;
    G_Fn_Task_Start<N_State::C_Event_D_Geom_Create_Arc>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Conics()
{
    m_Create_Kind = E_Create_Conics;
    G_Fn_Task_Start<N_State::C_Event_D_Geom_Create_Conics>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Spline()
{
    m_Create_Kind = E_Create_Spline;
    G_Fn_Task_Start<N_State::C_Event_D_Geom_Create_Spline>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld()
{
    m_Create_Kind = E_Create_Weld;
    G_Fn_Task_Start<N_State::C_Event_D_Geom_Create_Weld>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete()
{
    G_Fn_Task_Start<N_State::C_Event_D_Geom_Delete>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify()
{
    G_Fn_Task_Start<N_State::C_Event_D_Geom_Modify>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move()
{
    G_Fn_Task_Start<N_State::C_Event_D_Geom_Move>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_E_P_Palette_Sel()
{
    G_Fn_Task_Start<N_State::C_Event_D_Geom_E_P_Palette_Sel>(*m_p_Sect);
}

void C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create()
{
    switch (m_Create_Kind) {
    case E_Create_Point: M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Point(); break;
    case E_Create_Line: M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line(); break;
    case E_Create_Arc: M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Arc(); break;
    case E_Create_Conics: M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Conics(); break;
    case E_Create_Spline: M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Spline(); break;
    case E_Create_Weld: M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld(); break;
    default: VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create");
    }
}

void C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Modify_Selected()
{
    const auto& selected = M_Fn_Sel_P1_Get();
    if (selected.size() != 1)
        return;
    const C_D_Geom_Entity* p_entity = selected.front();
    if (!p_entity)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Modify_Selected");
    if (S_Fn_Dlg_Property)
        S_Fn_Dlg_Property(*this, static_cast<std::uint32_t>(p_entity->m_Id));
}

} // namespace N_Biz::N_Sect
