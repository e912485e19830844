// The top-level geometry editing commands of the entity manager. Each command is one history entry
// with one group; every change goes through the managers' undoable operations in that group.
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Entry_C.h"
#include "biz/sect/Biz_Sect_Context_Edit_Geom.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "common/Common_Exception.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <set>
#include <vector>

namespace N_Biz::N_Sect {

namespace {

using T_sp_Group = C_Mgr_D_Geom_E::T_sp_Group;
using T_sp_Entity = C_Mgr_D_Geom_E::T_sp_Entity;
using C_Vector2f = C_Mgr_D_Geom_E::C_Vector2f;

// Runs i_Fn_Body as one history entry named i_Name with one group.
void G_Fn_Entry_Run(C_Sect& ro_Sect, const wchar_t* i_Name, const std::function<void(const T_sp_Group&)>& i_Fn_Body)
{
    N_Biz::N_Proj::C_Proj* p_proj = ro_Sect.M_Fn_Get_Proj();
    if (!p_proj)
        VT_THROW("N_Biz::N_Sect::G_Fn_Entry_Run");
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(i_Name, ro_Sect.M_Fn_Get_Mgr_State());
    p_proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
        i_Fn_Body(sp_group);
    });
}

// A user message in the application's box (logged; nothing without an application).
void G_Fn_Msg_Box(const wchar_t* i_Text)
{
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Msg(i_Text);
}

std::vector<C_Handle_D_Geom_P> G_Fn_Picks(C_Sect& ro_Sect)
{
    const auto& picks = ro_Sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P1_Get();
    return std::vector<C_Handle_D_Geom_P>(picks.begin(), picks.end());
}

// The project's current palette property as a key (empty when there is none).
C_D_Geom_Entity::T_Key_C_P G_Fn_Key_Palette(C_Sect& ro_Sect)
{
    N_Biz::N_Proj::C_Proj* p_proj = ro_Sect.M_Fn_Get_Proj();
    if (!p_proj)
        return {};
    const N_Biz::N_Proj::C_Mgr_D_DB_C_P& mgr = p_proj->M_Fn_Get_Mgr_D_DB_C_P();
    const std::uint32_t slot = mgr.M_Fn_Palette_Get();
    if (slot == 0 || !mgr.M_Fn_Get_Store().is_used_at(slot) || !mgr.M_Fn_Get_At(slot))
        return {};
    return C_D_Geom_Entity::T_Key_C_P(mgr.M_Fn_Get_At(slot));
}

// Adds the entity at the entity table's next free index.
void G_Fn_Entity_Add(C_Mgr_D_Geom_E& ro_Mgr, T_sp_Entity i_sp_Entity, const T_sp_Group& ro_sp_Group,
                     const char* i_Function)
{
    const std::uint32_t index = ro_Mgr.M_Fn_Next_Index();
    if (index == 0)
        VT_THROW(i_Function);
    ro_Mgr.M_Fn_Proc_Cmd_Sub_Add_At(index, i_sp_Entity, ro_sp_Group);
}

// Adds a new point at (x, y) at the point table's next free index; its id.
std::uint32_t G_Fn_Point_Add(C_Sect& ro_Sect, float i_X, float i_Y, const T_sp_Group& ro_sp_Group,
                             const char* i_Function)
{
    C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    const std::uint32_t index = mgr_p.M_Fn_Next_Index();
    if (index == 0)
        VT_THROW(i_Function);
    auto up_point = std::make_unique<C_D_Geom_Point>(i_X, i_Y);
    mgr_p.M_Fn_Proc_Cmd_Sub_Add_At(index, up_point, ro_sp_Group);
    return index;
}

float G_Fn_Cross(const C_Vector2f& a, const C_Vector2f& b) { return a.x * b.y - a.y * b.x; }

// A unit vector; a vector with both components below 1e-6 in magnitude becomes (0, 1).
C_Vector2f G_Fn_Unit(const C_Vector2f& v)
{
    if (std::fabs(v.x) < 1e-6f && std::fabs(v.y) < 1e-6f)
        return C_Vector2f(0.0f, 1.0f);
    const float len = std::sqrt(v.x * v.x + v.y * v.y);
    return C_Vector2f(v.x / len, v.y / len);
}

} // namespace

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Create_Point()
{
    C_Sect& sect = *m_p_Sect;
    const std::vector<C_Handle_D_Geom_P> picks = G_Fn_Picks(sect);
    if (picks.empty())
        return 0;
    G_Fn_Entry_Run(sect, L"Create section point", [&](const T_sp_Group& ro_sp_Group) {
        for (const C_Handle_D_Geom_P& handle : picks) {
            const C_Vector2f pos = handle.M_Fn_Type_Any_Get_ro_Vector2_f(sect);
            G_Fn_Point_Add(sect, pos.x, pos.y, ro_sp_Group, "N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Create_Point");
        }
    });
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Create_Line()
{
    C_Sect& sect = *m_p_Sect;
    const std::vector<C_Handle_D_Geom_P> picks = G_Fn_Picks(sect);
    if (picks.size() < 2)
        return 0;
    G_Fn_Entry_Run(sect, L"Create section line", [&](const T_sp_Group& ro_sp_Group) {
        C_Mgr_D_Geom_P& mgr_p = sect.M_Fn_Get_Mgr_D_Geom_P();
        std::uint32_t a = 0, b = 0;
        mgr_p.M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle(picks[0], a, ro_sp_Group);
        mgr_p.M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle(picks[1], b, ro_sp_Group);
        auto sp_line = std::make_shared<C_D_Geom_E_Line>(static_cast<std::int32_t>(a), static_cast<std::int32_t>(b));
        sp_line->M_Fn_Weld_Set(false);
        sp_line->m_Key_C_P = G_Fn_Key_Palette(sect);
        G_Fn_Entity_Add(*this, std::move(sp_line), ro_sp_Group, "N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Create_Line");
    });
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Create_Arc()
{
    C_Sect& sect = *m_p_Sect;
    const std::vector<C_Handle_D_Geom_P> picks = G_Fn_Picks(sect);
    if (picks.size() < 3)
        return 0;
    const C_Vector2f p1 = picks[0].M_Fn_Type_Any_Get_ro_Vector2_f(sect);
    const C_Vector2f p2 = picks[1].M_Fn_Type_Any_Get_ro_Vector2_f(sect);
    const C_Vector2f p3 = picks[2].M_Fn_Type_Any_Get_ro_Vector2_f(sect);
    const C_Vector2f a(p1.x - p2.x, p1.y - p2.y), b(p3.x - p2.x, p3.y - p2.y);
    const float det = b.y * a.x - b.x * a.y;
    if (std::fabs(det) < 0.05f) {
        G_Fn_Msg_Box(L"Can not create arc by selected points.");
        return 1;
    }
    // Circumcentre: a.c = 0.5 (|p1|^2 - |p2|^2), b.c = 0.5 (|p3|^2 - |p2|^2), by Cramer's rule.
    const float r1 = 0.5f * (p1.x * p1.x + p1.y * p1.y - p2.x * p2.x - p2.y * p2.y);
    const float r2 = 0.5f * (p3.x * p3.x + p3.y * p3.y - p2.x * p2.x - p2.y * p2.y);
    const float cx = (r1 * b.y - r2 * a.y) / det;
    const float cy = (a.x * r2 - b.x * r1) / det;
    const C_Vector2f u = G_Fn_Unit(C_Vector2f(p2.x - p1.x, p2.y - p1.y));
    const C_Vector2f v = G_Fn_Unit(C_Vector2f(p3.x - p2.x, p3.y - p2.y));
    const std::int32_t direction = G_Fn_Cross(u, v) <= 0.0f ? 1 : 0;

    G_Fn_Entry_Run(sect, L"Create section arc", [&](const T_sp_Group& ro_sp_Group) {
        C_Mgr_D_Geom_P& mgr_p = sect.M_Fn_Get_Mgr_D_Geom_P();
        std::uint32_t start = 0, terminate = 0;
        mgr_p.M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle(picks[0], start, ro_sp_Group);
        mgr_p.M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle(picks[2], terminate, ro_sp_Group);
        const std::uint32_t centre =
            G_Fn_Point_Add(sect, cx, cy, ro_sp_Group, "N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Create_Arc");
        auto sp_arc = std::make_shared<C_D_Geom_E_Arc>(static_cast<std::int32_t>(start), static_cast<std::int32_t>(terminate),
                                                       static_cast<std::int32_t>(centre), direction);
        sp_arc->M_Fn_Weld_Set(false);
        sp_arc->m_Key_C_P = G_Fn_Key_Palette(sect);
        G_Fn_Entity_Add(*this, std::move(sp_arc), ro_sp_Group, "N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Create_Arc");
    });
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Create_Weld()
{
    static constexpr const char* K_Fn = "N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Create_Weld";
    C_Sect& sect = *m_p_Sect;
    const std::vector<C_Handle_D_Geom_P> picks = G_Fn_Picks(sect);
    if (picks.size() < 2)
        return 0;
    const C_Vector2f seg_a = picks[0].M_Fn_Type_Any_Get_ro_Vector2_f(sect);
    const C_Vector2f seg_b = picks[1].M_Fn_Type_Any_Get_ro_Vector2_f(sect);

    struct C_Record {
        float m_T;
        std::uint32_t m_Id;
    };
    std::vector<C_Record> records;
    const auto& store = M_Fn_Get_Store();
    const float dx = seg_b.x - seg_a.x, dy = seg_b.y - seg_a.y;
    for (std::uint32_t id = 1; id < store.size(); ++id) {
        if (!store.is_used_at(id) || !store.at(id))
            continue;
        std::int32_t flag = 0;
        C_Vector2f hit;
        if (store.at(id)->M_Fn_Intersection_Get_By_Segment(sect, flag, hit, seg_a, seg_b) == 1 && flag == 1)
            // Ordered by the parameter along the crossing segment: sorting by x and then y would
            // join the crossings of a nearly horizontal weld out of order, so that the weld
            // lines double back over each other.
            records.push_back({(hit.x - seg_a.x) * dx + (hit.y - seg_a.y) * dy, id});
    }
    if (records.size() < 2) {
        G_Fn_Msg_Box(L"Requires to cross at least two entities to create weld.");
        return 1;
    }
    std::stable_sort(records.begin(), records.end(),
                     [](const C_Record& ro_A, const C_Record& ro_B) { return ro_A.m_T < ro_B.m_T; });

    G_Fn_Entry_Run(sect, L"Create section weld", [&](const T_sp_Group& ro_sp_Group) {
        std::uint32_t previous = 0;
        for (std::size_t i = 0; i < records.size(); ++i) {
            const T_sp_Entity sp_entity = M_Fn_Get_At(records[i].m_Id);
            if (!sp_entity)
                VT_THROW(K_Fn);
            std::int32_t flag = 0;
            std::uint32_t point = 0;
            sp_entity->M_Fn_Intersection_Break_By_Line(sect, ro_sp_Group, flag, point, seg_a, seg_b);
            if (flag != 1 || point == 0)
                VT_THROW(K_Fn);
            if (i > 0) {
                if (point == previous)
                    VT_THROW(K_Fn);
                auto sp_line = std::make_shared<C_D_Geom_E_Line>(static_cast<std::int32_t>(previous),
                                                                 static_cast<std::int32_t>(point));
                sp_line->M_Fn_Weld_Set(true);
                G_Fn_Entity_Add(*this, std::move(sp_line), ro_sp_Group, K_Fn);
            }
            previous = point;
        }
    });
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Delete_Selected()
{
    C_Sect& sect = *m_p_Sect;
    std::vector<std::uint32_t> entities;
    for (const C_D_Geom_Entity* p_entity : M_Fn_Sel_P1_Get()) {
        if (!p_entity)
            VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Delete_Selected");
        entities.push_back(static_cast<std::uint32_t>(p_entity->m_Id));
    }
    std::vector<std::uint32_t> points;
    std::set<std::uint32_t> seen;
    for (const C_Handle_D_Geom_P& handle : sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P1_Get())
        if (handle.m_Index > 0 && seen.insert(handle.m_Index).second)
            points.push_back(handle.m_Index);
    // Nothing selected: the delete task waits for a pick.
    if (entities.empty() && points.empty())
        return 0;

    G_Fn_Entry_Run(sect, L"Delete section geometry", [&](const T_sp_Group& ro_sp_Group) {
        for (std::uint32_t id : entities)
            M_Fn_Proc_Cmd_Sub_Remove_At(id, ro_sp_Group);
        C_Mgr_D_Geom_P& mgr_p = sect.M_Fn_Get_Mgr_D_Geom_P();
        for (std::uint32_t id : points)
            if (mgr_p.M_Fn_Get_At(id).M_Fn_Is_Free())
                mgr_p.M_Fn_Proc_Cmd_Sub_Remove_At(id, ro_sp_Group);
    });
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Modify(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity)
{
    G_Fn_Entry_Run(*m_p_Sect, L"Modify section geometry", [&](const T_sp_Group& ro_sp_Group) {
        M_Fn_Proc_Cmd_Sub_Modify_At(i_Index, io_sp_Entity, ro_sp_Group);
    });
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Move_Selected(const C_Vector2f& ro_Reference, const C_Vector2f& ro_Target)
{
    C_Sect& sect = *m_p_Sect;
    G_Fn_Entry_Run(sect, L"Move section geometry", [&](const T_sp_Group& ro_sp_Group) {
        std::vector<std::uint32_t> moved;
        float dx = 0, dy = 0;
        M_Fn_Proc_Aid_Pre_Move_Selected(ro_Reference, ro_Target, moved, dx, dy);
        C_Context_Edit_Geom context(sect);
        C_Mgr_D_Geom_P& mgr_p = sect.M_Fn_Get_Mgr_D_Geom_P();
        for (std::uint32_t id = 1; id < moved.size(); ++id)
            if (moved[id]) {
                const C_D_Geom_Point& point = mgr_p.M_Fn_Get_At(id);
                context.M_Fn_Point_Move_Add(id, dx, dy, point.m_X + dx, point.m_Y + dy);
            }
        M_Fn_Proc_Cmd_Sub_Move(ro_sp_Group, context);
    });
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Reconnect_C_P_Selected()
{
    static constexpr const char* K_Fn = "N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_Reconnect_C_P_Selected";
    C_Sect& sect = *m_p_Sect;
    std::vector<std::uint32_t> selected;
    for (const C_D_Geom_Entity* p_entity : M_Fn_Sel_P1_Get()) {
        if (!p_entity)
            VT_THROW(K_Fn);
        selected.push_back(static_cast<std::uint32_t>(p_entity->m_Id));
    }
    if (selected.empty())
        return 0;
    N_Biz::N_Proj::C_Proj* p_proj = sect.M_Fn_Get_Proj();
    if (!p_proj)
        VT_THROW(K_Fn);
    const std::uint32_t slot =
        N_Biz::N_Proj::C_Dlg::S_Fn_List_Run(*p_proj, N_Biz::N_Proj::C_Dlg::E_Kind_C_P, N_Biz::N_Proj::C_Dlg::E_Mode_List_Pick);
    const N_Biz::N_Proj::C_Mgr_D_DB_C_P& mgr_c_p = p_proj->M_Fn_Get_Mgr_D_DB_C_P();
    if (slot == 0 || !mgr_c_p.M_Fn_Get_Store().is_used_at(slot) || !mgr_c_p.M_Fn_Get_At(slot))
        return 1;
    const C_D_Geom_Entity::T_Key_C_P key(mgr_c_p.M_Fn_Get_At(slot));
    G_Fn_Entry_Run(sect, L"Reconnect property of section geometry", [&](const T_sp_Group& ro_sp_Group) {
        for (std::uint32_t id : selected) {
            const T_sp_Entity& sp_entity = M_Fn_Get_At(id);
            if (!sp_entity)
                VT_THROW(K_Fn);
            T_sp_Entity sp_clone(sp_entity->Clone_apo_D_Geom_Entity());
            sp_clone->m_Key_C_P = key;
            M_Fn_Proc_Cmd_Sub_Modify_At(id, sp_clone, ro_sp_Group);
        }
    });
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_P_Palette_Sel()
{
    const auto& selected = M_Fn_Sel_P1_Get();
    if (selected.size() != 1)
        return 0;
    const C_D_Geom_Entity* p_entity = selected.front();
    if (!p_entity)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_P_Palette_Sel");
    N_Biz::N_Proj::C_Proj* p_proj = m_p_Sect->M_Fn_Get_Proj();
    if (!p_proj)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Top_P_Palette_Sel");
    // An entity without a live property makes no property current (slot 0).
    const std::int32_t slot = p_entity->m_Key_C_P.M_Fn_Get_o_T_Pos_Any();
    p_proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Set(slot > 0 ? static_cast<std::uint32_t>(slot) : 0u);
    return 1;
}

} // namespace N_Biz::N_Sect
