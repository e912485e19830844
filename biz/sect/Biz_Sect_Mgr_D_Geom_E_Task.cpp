// The task starters of the section's geometry editing, and the task steps that read what a task
// collected (modify through a dialog, move to the collected position, the move preview).
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_Exception.h"

#include <algorithm>

namespace N_Biz::N_Sect {

namespace {

template <class E>
void G_Fn_Task_Start(C_Sect& ro_Sect)
{
    ro_Sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<E>();
}

} // namespace

std::function<void(C_Mgr_D_Geom_E&, std::uint32_t)> C_Mgr_D_Geom_E::S_Fn_Dlg_Property;
std::function<void(C_Mgr_D_Geom_P&, std::uint32_t)> C_Mgr_D_Geom_E::S_Fn_Dlg_Property_Geom_P;

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

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Modify_Selected()
{
    static constexpr const char* K_Fn = "N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Modify_Selected";
    C_Mgr_D_Geom_P& points = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P();
    const auto& selected_points = points.M_Fn_Sel_P1_Get();
    const auto& selected = M_Fn_Sel_P1_Get();
    if (selected_points.size() + selected.size() != 1)
        return 0;
    if (!selected_points.empty()) {
        const std::uint32_t index = selected_points.front().m_Index;
        if (index == 0)
            return 0; // a free position is nothing to modify
        if (S_Fn_Dlg_Property_Geom_P)
            S_Fn_Dlg_Property_Geom_P(points, index);
        return 1;
    }
    const C_D_Geom_Entity* p_entity = selected.front();
    if (!p_entity)
        VT_THROW(K_Fn);
    if (S_Fn_Dlg_Property)
        S_Fn_Dlg_Property(*this, static_cast<std::uint32_t>(p_entity->m_Id));
    return 1;
}

bool C_Mgr_D_Geom_E::M_Fn_Proc_Aid_Move_Reference_Get(C_Vector2f& o_Reference) const
{
    const C_Sect& sect = *m_p_Sect;
    for (const C_Handle_D_Geom_P& handle : sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P1_Get())
        if (handle.m_Index != 0) {
            o_Reference = handle.M_Fn_Type_Any_Get_ro_Vector2_f(sect);
            return true;
        }
    const auto& selected = M_Fn_Sel_P1_Get();
    if (selected.empty())
        return false;
    const C_D_Geom_Entity* p_entity = selected.front();
    if (!p_entity || p_entity->m_Ref_Points.empty())
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Aid_Move_Reference_Get");
    const C_D_Geom_Point& point =
        sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(static_cast<std::uint32_t>(p_entity->m_Ref_Points.front().m_Id_Point));
    o_Reference = C_Vector2f(point.m_X, point.m_Y);
    return true;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Move_Selected()
{
    const auto& picks = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P1_Get();
    const auto it_target = std::find_if(picks.rbegin(), picks.rend(), [](const C_Handle_D_Geom_P& h) { return h.m_Index == 0; });
    if (it_target == picks.rend())
        return 0;
    const C_Vector2f target = it_target->m_Pos;
    C_Vector2f reference;
    if (!M_Fn_Proc_Aid_Move_Reference_Get(reference))
        return 1;
    return M_Fn_Proc_Cmd_Top_Move_Selected(reference, target);
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Aid_Pre_Move_Selected(std::vector<std::uint32_t>& o_Moved, float& o_Dx, float& o_Dy) const
{
    o_Moved.clear();
    o_Dx = o_Dy = 0;
    const auto& cursor = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P0_Get();
    const auto it = std::find_if(cursor.begin(), cursor.end(), [](const C_Handle_D_Geom_P& h) { return h.m_Index == 0; });
    C_Vector2f reference;
    if (it == cursor.end() || !M_Fn_Proc_Aid_Move_Reference_Get(reference))
        return 0;
    M_Fn_Proc_Aid_Pre_Move_Selected(reference, it->m_Pos, o_Moved, o_Dx, o_Dy);
    return 1;
}

} // namespace N_Biz::N_Sect
