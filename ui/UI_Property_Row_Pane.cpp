#include "ui/UI_Property_Row_Pane.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "biz/sect/Biz_Sect_D_Tess_Element.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_Exception.h"
#include "ui/UI_Catch_All.h"

namespace N_UI::N_Property {

namespace N_Proj = N_Biz::N_Proj;
namespace N_Sect = N_Biz::N_Sect;

C_Pane_Model::C_Pane_Model() : m_sp_Alive(std::make_shared<C_Pane_Model*>(this))
{
    m_Ctrl.m_Fn_Changed = [this](C_Row&) { M_Fn_On_Row_Changed(); };
}

C_Pane_Model::~C_Pane_Model()
{
    m_Connection_Proj.disconnect();
    m_Connections_Sect.clear();
}

void C_Pane_Model::M_Fn_Proj_Connect(N_Proj::C_Proj& ro_Proj)
{
    m_Connection_Proj = ro_Proj.M_Fn_Get_Signal().connect(
        [this](N_Proj::C_Proj& ro_P, N_Proj::E_Signal i_Code) { M_Fn_On_Signal_Proj(ro_P, i_Code); });
}

void C_Pane_Model::M_Fn_Sect_Connect(N_Sect::C_Sect& ro_Sect)
{
    m_Connections_Sect.emplace_back(ro_Sect.M_Fn_Get_Signal().connect(
        [this](N_Sect::C_Sect& ro_S, N_Sect::E_Signal i_C) { M_Fn_On_Signal_Sect(ro_S, i_C); }));
}

void C_Pane_Model::M_Fn_Clear()
{
    m_p_Sect = nullptr;
    m_p_Proj = nullptr;
    m_Pending = false;
    m_Ctrl.M_Fn_Reset();
}

void C_Pane_Model::M_Fn_On_Signal_Proj(N_Proj::C_Proj& ro_Proj, std::int32_t i_Code)
{
    G_Fn_Catch_All("N_UI::N_Property::C_Wnd::M_Fn_On_Signal_Proj", __FILE__, __LINE__, [&] {
        const bool shown = &ro_Proj == m_p_Proj;
        switch (i_Code) {
        case N_Proj::E_Signal_Destroy:
            if (shown || (m_p_Sect && m_p_Sect->M_Fn_Get_Proj() == &ro_Proj))
                M_Fn_Clear();
            m_Connections_Sect.clear();
            break;
        case N_Proj::E_Signal_D_Sect_Add: {
            const auto& sp_sect = ro_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Sect_Announced_Get();
            if (sp_sect)
                M_Fn_Sect_Connect(*sp_sect);
            break;
        }
        // After every change of the history (an undo or redo above all, which takes objects away
        // or brings them back) the rows show what is there now, for the project and for its
        // sections alike: the selections have let go of what left, but only the history's code
        // comes after the whole change.
        case N_Proj::E_Signal_Cmd:
        case N_Proj::E_Signal_Sel_Mode:
        case N_Proj::E_Signal_Sel_Data:
        case N_Proj::E_Signal_State_Task: M_Fn_Follow(shown, E_Follow_Update); break;
        case N_Proj::E_Signal_Frame_Activate: M_Fn_Follow(shown, E_Follow_Show, &ro_Proj); break;
        case N_Proj::E_Signal_Frame_Deactivate: M_Fn_Follow(shown, E_Follow_Clear); break;
        default: break;
        }
    });
}

void C_Pane_Model::M_Fn_On_Signal_Sect(N_Sect::C_Sect& ro_Sect, std::int32_t i_Code)
{
    G_Fn_Catch_All("N_UI::N_Property::C_Wnd::M_Fn_On_Signal_Sect", __FILE__, __LINE__, [&] {
        const bool shown = &ro_Sect == m_p_Sect;
        switch (i_Code) {
        case N_Sect::E_Signal_Destroy:
        case N_Sect::E_Signal_Frame_Deactivate: M_Fn_Follow(shown, E_Follow_Clear); break;
        case N_Sect::E_Signal_Sel_Reset:
        case N_Sect::E_Signal_Sel_Data:
        case N_Sect::E_Signal_State_Task: M_Fn_Follow(shown, E_Follow_Update); break;
        case N_Sect::E_Signal_Frame_Activate:
            M_Fn_Follow(shown, E_Follow_Show, ro_Sect.M_Fn_Get_Proj(), &ro_Sect);
            break;
        default: break;
        }
    });
}

void C_Pane_Model::M_Fn_Follow(bool i_Shown, E_Follow i_Follow, N_Proj::C_Proj* i_p_Proj, N_Sect::C_Sect* i_p_Sect)
{
    if (i_Follow == E_Follow_Show) {
        // Activating the window already shown keeps its rows.
        if (!i_Shown) {
            m_p_Sect = i_p_Sect;
            m_p_Proj = i_p_Proj;
            M_Fn_Update();
        }
    } else if (i_Shown) {
        if (i_Follow == E_Follow_Update)
            M_Fn_Update();
        else
            M_Fn_Clear();
    }
}

void C_Pane_Model::M_Fn_Update()
{
    if (m_Committing) {
        m_Pending = true;
        return;
    }
    M_Fn_Update_Now();
}

void C_Pane_Model::M_Fn_Update_Now()
{
    m_Pending = false;
    if (m_p_Sect)
        M_Fn_Update_Sect();
    else if (m_p_Proj)
        M_Fn_Update_Proj();
}

void C_Pane_Model::M_Fn_On_Row_Changed()
{
    // The row that raised this is still finishing its edit: whatever the commit's signals ask
    // for waits until it has returned.
    m_Committing = true;
    try {
        // An object taken away since the rows were built takes no edit: the rows are built again
        // from what is there now.
        if (m_Ctrl.M_Fn_Target_Exists()) {
            m_Ctrl.M_Fn_Modify();
        } else {
            C_Ctrl::S_Fn_Refuse_Gone();
            m_Pending = true;
        }
    } catch (...) {
        m_Committing = false;
        throw;
    }
    m_Committing = false;
    if (!m_Pending)
        return;
    if (!m_Fn_Defer) {
        M_Fn_Update_Now();
        return;
    }
    std::weak_ptr<C_Pane_Model*> wp_alive = m_sp_Alive;
    m_Fn_Defer([wp_alive] {
        if (auto sp = wp_alive.lock()) {
            C_Pane_Model* p_pane = *sp;
            G_Fn_Catch_All("N_UI::N_Property::C_Wnd::M_Fn_Update", __FILE__, __LINE__, [p_pane] {
                if (p_pane->m_Pending && !p_pane->m_Committing)
                    p_pane->M_Fn_Update_Now();
            });
        }
    });
}

// --- what is shown ---------------------------------------------------------------------------------

namespace {
// The material or property cards selected in ro_Mgr: exactly one is shown (an empty entry throws
// in the name of i_Function); the count.
template <class T_Mgr, class T_Card>
std::size_t G_Fn_Show_Card(C_Ctrl& ro_Ctrl, N_Proj::C_Proj& ro_Proj, T_Mgr& ro_Mgr,
                           void (C_Ctrl::*i_pfn_Target)(N_Proj::C_Proj*, T_Card*),
                           void (C_Ctrl::*i_pfn_Data)(const T_Card&, bool), bool i_Read_Only, const char* i_Function)
{
    const auto& sel = ro_Mgr.M_Fn_Sel().M_Fn_Sel_P1_Get();
    if (sel.size() == 1) {
        if (!sel.front())
            VT_THROW(i_Function);
        (ro_Ctrl.*i_pfn_Target)(&ro_Proj, sel.front().get());
        (ro_Ctrl.*i_pfn_Data)(*sel.front(), i_Read_Only);
    }
    return sel.size();
}

// Modes 1 and 2 of both windows: the selected material or property cards.
std::size_t G_Fn_Show_Cards(C_Ctrl& ro_Ctrl, N_Proj::C_Proj& ro_Proj, std::uint32_t i_Mode, bool i_Read_Only,
                            const char* i_Function)
{
    if (i_Mode == 1)
        return G_Fn_Show_Card(ro_Ctrl, ro_Proj, ro_Proj.M_Fn_Get_Mgr_D_DB_C_M(), &C_Ctrl::M_Fn_Target_Set_D_DB_C_M,
                              &C_Ctrl::M_Fn_Data_Set_D_DB_C_M, i_Read_Only, i_Function);
    return G_Fn_Show_Card(ro_Ctrl, ro_Proj, ro_Proj.M_Fn_Get_Mgr_D_DB_C_P(), &C_Ctrl::M_Fn_Target_Set_D_DB_C_P,
                          &C_Ctrl::M_Fn_Data_Set_D_DB_C_P, i_Read_Only, i_Function);
}
} // namespace

void C_Pane_Model::M_Fn_Update_Proj()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Wnd::M_Fn_Update_Proj";
    if (!m_p_Proj)
        VT_THROW(S_Name);
    N_Proj::C_Proj& proj = *m_p_Proj;
    m_Ctrl.M_Fn_Reset();
    const bool read_only = proj.M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(
                               N_Proj::N_State::C_Machine_Top::E_Region_Task) != N_Proj::N_State::C_Machine_Top::E_Id_Task_Idle;
    std::size_t count = 0;
    const std::uint32_t mode = proj.M_Fn_Get_Mgr_Sel().M_Fn_Get_Mode();
    switch (mode) {
    case 0:
    case 7: return;
    case 1:
    case 2: count = G_Fn_Show_Cards(m_Ctrl, proj, mode, read_only, S_Name); break;
    case 3:
    case 4:
    case 5: {
        const auto& sel = proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Get();
        count = sel.size();
        if (count == 1) {
            const N_Proj::C_Handle_D_DB_N& handle = sel.front();
            if (handle.m_Model == 0) {
                m_Ctrl.M_Fn_Data_Set_Point_3D(handle.m_Position.x, handle.m_Position.y, handle.m_Position.z);
            } else {
                N_Biz::N_DB::C_Row_Node& row = handle.M_Fn_Get_ro_Row_Node(proj);
                m_Ctrl.M_Fn_Target_Set_D_DB_N(&proj, &row);
                m_Ctrl.M_Fn_Data_Set_D_DB_N(row, read_only);
            }
        }
        break;
    }
    case 6: {
        const N_Proj::C_Mgr_D_DB_E& mgr = proj.M_Fn_Get_Mgr_D_DB_E();
        count = mgr.M_Fn_Get_P1_Count();
        if (count == 1) {
            N_Biz::N_DB::C_Row_Element_2D& row = mgr.M_Fn_Get_P1_Handle().M_Fn_Get_ro_Row_Element_2D(proj);
            m_Ctrl.M_Fn_Target_Set_D_DB_E(&proj, &row);
            m_Ctrl.M_Fn_Data_Set_D_DB_E(row, read_only);
        }
        break;
    }
    case 8: {
        const auto& sel = proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Sel().M_Fn_Sel_P1_Get();
        count = sel.size();
        if (count == 1) {
            m_Ctrl.M_Fn_Target_Set_D_S(sel.front());
            m_Ctrl.M_Fn_Data_Set_D_S();
        }
        break;
    }
    default: VT_THROW(S_Name);
    }
    if (count > 1)
        m_Ctrl.M_Fn_Data_Set_Num_Sel(static_cast<std::uint32_t>(count));
}

void C_Pane_Model::M_Fn_Update_Sect()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Wnd::M_Fn_Update_Sect";
    if (!m_p_Sect || !m_p_Proj)
        VT_THROW(S_Name);
    N_Sect::C_Sect& sect = *m_p_Sect;
    N_Proj::C_Proj& proj = *m_p_Proj;
    m_Ctrl.M_Fn_Reset();
    const bool read_only = sect.M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(
                               N_Sect::N_State::C_Machine_Top::E_Region_Task) != N_Sect::N_State::C_Machine_Top::E_Id_Task_Idle;
    const auto& points = sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P1_Get();
    const auto& entities = sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Sel_P1_Get();
    const auto& nodes = sect.M_Fn_Get_Mgr_D_Tess_N().M_Fn_Sel_P1_Get();
    const auto& elements = sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Sel_P1_Get();
    // A picked point or node: one that is not a point or node of the section (index 0) is only a
    // position, shown only where a free position may be picked.
    const auto show_position = [&](const auto& ro_Handle, bool i_Free_Allowed, const auto& i_Fn_Show) {
        if (ro_Handle.m_Index != 0)
            return i_Fn_Show(ro_Handle.m_Index);
        if (!i_Free_Allowed)
            VT_THROW(S_Name);
        m_Ctrl.M_Fn_Data_Set_Point_2D(ro_Handle.m_Pos.x, ro_Handle.m_Pos.y);
    };
    const auto show_point = [&](bool i_Free_Allowed) {
        show_position(points.front(), i_Free_Allowed, [&](std::uint32_t i_Id) {
            m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_P(&sect, i_Id);
            m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_P(read_only);
        });
    };
    const auto show_node = [&](bool i_Free_Allowed) {
        show_position(nodes.front(), i_Free_Allowed, [&](std::uint32_t i_Id) {
            m_Ctrl.M_Fn_Target_Set_D_S_D_Tess_N(&sect, i_Id);
            m_Ctrl.M_Fn_Data_Set_D_S_D_Tess_N();
        });
    };
    const auto show_entity = [&] {
        if (!entities.front())
            VT_THROW(S_Name);
        m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_E(&sect, static_cast<std::uint32_t>(entities.front()->m_Id));
        m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(read_only);
    };
    const auto show_element = [&] {
        if (!elements.front())
            VT_THROW(S_Name);
        m_Ctrl.M_Fn_Target_Set_D_S_D_Tess_E(&sect, elements.front()->m_Id);
        m_Ctrl.M_Fn_Data_Set_D_S_D_Tess_E();
    };
    // Modes base to base + 2 pick the first kind (a free position allowed), base + 3 the second,
    // base + 4 both together (a free position not allowed).
    const auto show_pair = [](std::uint32_t i_Offset, std::size_t i_First, std::size_t i_Second, const auto& i_Fn_First,
                              const auto& i_Fn_Second) {
        const std::size_t count = i_Offset < 3 ? i_First : (i_Offset == 3 ? i_Second : i_First + i_Second);
        if (count != 1)
            return count;
        if (i_Offset < 3 || (i_Offset == 4 && i_First == 1))
            i_Fn_First(i_Offset < 3);
        else
            i_Fn_Second();
        return count;
    };
    std::size_t count = 0;
    const std::uint32_t mode = sect.M_Fn_Get_Mgr_Sel().M_Fn_Mode_Get();
    switch (mode) {
    case 1:
    case 2: count = G_Fn_Show_Cards(m_Ctrl, proj, mode, read_only, S_Name); break;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7: count = show_pair(mode - 3, points.size(), entities.size(), show_point, show_entity); break;
    case 8:
    case 9:
    case 10:
    case 11:
    case 12: count = show_pair(mode - 8, nodes.size(), elements.size(), show_node, show_element); break;
    case 13: return;
    default: VT_THROW(S_Name);
    }
    if (count > 1)
        m_Ctrl.M_Fn_Data_Set_Num_Sel(static_cast<std::uint32_t>(count));
}

} // namespace N_UI::N_Property
