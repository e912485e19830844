#include "biz/sect/Biz_Sect_Mgr_Sel.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_Context_Draw_Tess.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_Exception.h"
#include "common/Common_Graphic_OpenGL_Select.h"

#include <GL/gl.h>

#include <vector>

namespace N_Biz::N_Sect {

namespace {

using N_Common::N_Graphic::N_OpenGL::C_Select;

// One selection pass over the occupied slots 1 .. i_Count - 1 of a store, each drawn by i_Fn_Draw
// under its slot index as name. Returns the names of the hits in buffer order (drawing order).
template <class F_Used, class F_Draw>
std::vector<std::uint32_t> G_Fn_Pick_Pass(std::uint32_t i_Count, F_Used&& i_Fn_Used, F_Draw&& i_Fn_Draw)
{
    std::vector<std::uint32_t> names;
    const C_Select::C_Fn_Hit fn_hit = [&names](GLuint, GLuint, GLuint i_Count_Name, const GLuint* ip_Names) {
        if (i_Count_Name > 0)
            names.push_back(ip_Names[i_Count_Name - 1]);
    };
    C_Select::M_Fn_Start();
    try {
        for (std::uint32_t i = 1; i < i_Count; ++i) {
            if (!i_Fn_Used(i))
                continue;
            C_Select::M_Fn_Check_Capacity(fn_hit);
            glLoadName(i);
            i_Fn_Draw(i);
        }
    } catch (...) {
        // The pass is closed before the failure goes on, so the next pick can open its own.
        C_Select::M_Fn_Finish([](GLuint, GLuint, GLuint, const GLuint*) {});
        throw;
    }
    C_Select::M_Fn_Finish(fn_hit);
    return names;
}

// The points (or the nodes) as the client vertex array, bound as the main view draws them, so that
// a slot index is a vertex index.
void G_Fn_Vertex_Array_Bind(const C_Mgr_Frame& ro_Frame, void (C_Mgr_Frame::*i_Fn_Bind)() const)
{
    glEnableClientState(GL_VERTEX_ARRAY);
    (ro_Frame.*i_Fn_Bind)();
}

// The hits that the pick of one kind keeps: in single mode the first that added something ends
// the pass. i_Fn_Add returns whether the hit added something to a current pick.
template <class F_Add>
bool G_Fn_Hits_Take(const std::vector<std::uint32_t>& ro_Names, bool i_Rect, F_Add&& i_Fn_Add)
{
    bool added = false;
    for (std::uint32_t name : ro_Names) {
        if (i_Fn_Add(name))
            added = true;
        if (added && !i_Rect)
            break;
    }
    return added;
}

} // namespace

std::uint32_t C_Mgr_Sel::S_Fn_Stores(std::uint32_t i_Mode, const char* i_Function)
{
    switch (i_Mode) {
    case 0:
    case 13: return 0;
    case 1: return E_Store_C_M;
    case 2: return E_Store_C_P;
    case 3:
    case 4:
    case 5: return E_Store_Geom_P;
    case 6: return E_Store_Geom_E;
    case 7: return E_Store_Geom_P | E_Store_Geom_E;
    case 8:
    case 9:
    case 10: return E_Store_Tess_N;
    case 11: return E_Store_Tess_E;
    case 12: return E_Store_Tess_N | E_Store_Tess_E;
    default: VT_THROW(i_Function);
    }
}

template <class F>
void C_Mgr_Sel::M_Fn_Stores_Each(std::uint32_t i_Stores, F&& i_Fn)
{
    C_Sect& sect = *m_p_Sect;
    N_Biz::N_Proj::C_Proj* p_proj = sect.M_Fn_Get_Proj();
    if ((i_Stores & E_Store_C_M) && p_proj)
        i_Fn(p_proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel());
    if ((i_Stores & E_Store_C_P) && p_proj)
        i_Fn(p_proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel());
    if (i_Stores & E_Store_Geom_P)
        i_Fn(sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel());
    if (i_Stores & E_Store_Geom_E)
        i_Fn(sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Sel());
    if (i_Stores & E_Store_Tess_N)
        i_Fn(sect.M_Fn_Get_Mgr_D_Tess_N().M_Fn_Sel());
    if (i_Stores & E_Store_Tess_E)
        i_Fn(sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Sel());
}

void C_Mgr_Sel::M_Fn_Stores_P0_Clear(std::uint32_t i_Stores)
{
    M_Fn_Stores_Each(i_Stores, [](auto& ro_Sel) { ro_Sel.M_Fn_Sel_P0_Clear(); });
}

void C_Mgr_Sel::M_Fn_Stores_P1_Clear(std::uint32_t i_Stores)
{
    M_Fn_Stores_Each(i_Stores, [](auto& ro_Sel) { ro_Sel.M_Fn_Sel_P1_Clear(); });
}

void C_Mgr_Sel::M_Fn_Redraw()
{
    m_p_Sect->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_Sel::M_Fn_Reset(bool i_Clear, bool i_Rect, bool i_Shift_Add, bool i_Ctrl_Xor, bool i_Force_Add,
                           std::uint32_t i_Mode, const std::wstring& i_Prompt)
{
    S_Fn_Stores(i_Mode, "N_Biz::N_Sect::C_Mgr_Sel::M_Fn_Reset");
    if (i_Clear && m_Mode != 0) {
        M_Fn_Stores_P1_Clear(E_Store_All);
        M_Fn_Stores_P0_Clear(E_Store_All);
        m_Desc.clear();
    }
    m_Options = (i_Rect ? E_Option_Rect : 0u) | (i_Shift_Add ? E_Option_Shift_Add : 0u) |
                (i_Ctrl_Xor ? E_Option_Ctrl_Xor : 0u) | (i_Force_Add ? E_Option_Force_Add : 0u);
    m_Mode = i_Mode;
    m_Prompt = i_Prompt;
    m_p_Sect->M_Fn_Signal_Fire(E_Signal_Sel_Reset);
    N_Common::N_State::C_Machine::M_Fn_Event_Process<N_State::C_Event_Sel_Mode_Update>(
        m_p_Sect->M_Fn_Get_Mgr_State().M_Fn_Get_Machine());
    M_Fn_Redraw();
}

void C_Mgr_Sel::M_Fn_Sel_P0_Clear()
{
    M_Fn_Stores_P0_Clear(S_Fn_Stores(m_Mode, "N_Biz::N_Sect::C_Mgr_Sel::M_Fn_Sel_P0_Clear"));
    m_Desc.clear();
    M_Fn_Redraw();
}

void C_Mgr_Sel::M_Fn_Sel_P1_Clear()
{
    M_Fn_Stores_P1_Clear(S_Fn_Stores(m_Mode, "N_Biz::N_Sect::C_Mgr_Sel::M_Fn_Sel_P1_Clear"));
    M_Fn_Redraw();
}

void C_Mgr_Sel::M_Fn_Sel_P1_Update_Yes()
{
    M_Fn_Stores_Each(S_Fn_Stores(m_Mode, "N_Biz::N_Sect::C_Mgr_Sel::M_Fn_Sel_P1_Update_Yes"),
                     [](auto& ro_Sel) { ro_Sel.M_Fn_Sel_P1_Update_Yes(); });
}

void C_Mgr_Sel::M_Fn_Sel_P1_Update_Xor()
{
    M_Fn_Stores_Each(S_Fn_Stores(m_Mode, "N_Biz::N_Sect::C_Mgr_Sel::M_Fn_Sel_P1_Update_Xor"),
                     [](auto& ro_Sel) { ro_Sel.M_Fn_Sel_P1_Update_Xor(); });
}

void C_Mgr_Sel::M_Fn_Sel_P1_Update_Or()
{
    M_Fn_Stores_Each(S_Fn_Stores(m_Mode, "N_Biz::N_Sect::C_Mgr_Sel::M_Fn_Sel_P1_Update_Or"),
                     [](auto& ro_Sel) { ro_Sel.M_Fn_Sel_P1_Update_Or(); });
}

void C_Mgr_Sel::M_Fn_Sel_P1_Update(bool i_Shift, bool i_Ctrl)
{
    if ((m_Options & E_Option_Force_Add) || ((m_Options & E_Option_Shift_Add) && i_Shift))
        M_Fn_Sel_P1_Update_Or();
    else if ((m_Options & E_Option_Ctrl_Xor) && i_Ctrl)
        M_Fn_Sel_P1_Update_Xor();
    else
        M_Fn_Sel_P1_Update_Yes();
    N_Common::N_State::C_Machine::M_Fn_Event_Process<N_State::C_Event_Sel_P1_Update>(
        m_p_Sect->M_Fn_Get_Mgr_State().M_Fn_Get_Machine());
    M_Fn_Redraw();
}

void C_Mgr_Sel::M_Fn_Sel_P1_Set_Scrn(const C_Vector2f& ro_Pos)
{
    switch (m_Mode) {
    case 3:
    case 4: M_Fn_Sel_P0_Set_Pos_Geom_P(ro_Pos); break;
    case 8:
    case 9: M_Fn_Sel_P0_Set_Pos_Tess_N(ro_Pos); break;
    default: VT_THROW("N_Biz::N_Sect::C_Mgr_Sel::M_Fn_Sel_P1_Set_Scrn");
    }
    if (m_Options & E_Option_Force_Add)
        M_Fn_Sel_P1_Update_Or();
    else
        M_Fn_Sel_P1_Update_Yes();
    N_Common::N_State::C_Machine::M_Fn_Event_Process<N_State::C_Event_Sel_P1_Update>(
        m_p_Sect->M_Fn_Get_Mgr_State().M_Fn_Get_Machine());
    M_Fn_Redraw();
}

void C_Mgr_Sel::M_Fn_Sel_Refresh()
{
    M_Fn_Sel_P0_Desc_Update();
    M_Fn_Redraw();
}

void C_Mgr_Sel::M_Fn_Sel_P0_Set_Pos_Geom_P(const C_Vector2f& ro_Pos)
{
    C_Mgr_D_Geom_P& points = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P();
    points.M_Fn_Sel_P0_Clear();
    points.M_Fn_Sel_P0_Add(C_Handle_D_Geom_P(0, ro_Pos));
    M_Fn_Sel_P0_Desc_Update();
}

void C_Mgr_Sel::M_Fn_Sel_P0_Set_Pos_Tess_N(const C_Vector2f& ro_Pos)
{
    C_Mgr_D_Tess_N& nodes = m_p_Sect->M_Fn_Get_Mgr_D_Tess_N();
    nodes.M_Fn_Sel_P0_Clear();
    nodes.M_Fn_Sel_P0_Add(C_Handle_D_Tess_N(0, ro_Pos));
    M_Fn_Sel_P0_Desc_Update();
}

void C_Mgr_Sel::M_Fn_Sel_P0_Update(bool i_Rect)
{
    static constexpr const char* K_Fn = "N_Biz::N_Sect::C_Mgr_Sel::M_Fn_Sel_P0_Update";
    if (m_Mode < 1 || m_Mode > 13 || m_Mode == 3 || m_Mode == 8)
        VT_THROW(K_Fn);
    M_Fn_Sel_P0_Clear();
    C_Sect& sect = *m_p_Sect;
    C_Mgr_D_Geom_P& points = sect.M_Fn_Get_Mgr_D_Geom_P();
    C_Mgr_D_Geom_E& entities = sect.M_Fn_Get_Mgr_D_Geom_E();
    C_Mgr_D_Tess_N& nodes = sect.M_Fn_Get_Mgr_D_Tess_N();
    C_Mgr_D_Tess_E& elements = sect.M_Fn_Get_Mgr_D_Tess_E();

    // Points or nodes: each drawn as a single vertex of its store's vertex array.
    const C_Mgr_Frame& frame = sect.M_Fn_Get_Mgr_Frame();
    auto pick_vertices = [&](auto& ro_Mgr, auto i_Handle, void (C_Mgr_Frame::*i_Fn_Bind)() const) {
        const auto& store = ro_Mgr.M_Fn_Get_Store();
        G_Fn_Vertex_Array_Bind(frame, i_Fn_Bind);
        const auto names = G_Fn_Pick_Pass(
            store.size(), [&](std::uint32_t i) { return store.is_used_at(i); },
            [](std::uint32_t i) {
                glBegin(GL_POINTS);
                glArrayElement(static_cast<GLint>(i));
                glEnd();
            });
        return G_Fn_Hits_Take(names, i_Rect, [&](std::uint32_t i) {
            const std::size_t before = ro_Mgr.M_Fn_Sel_P0_Get().size();
            const auto& vertex = ro_Mgr.M_Fn_Get_At(i);
            ro_Mgr.M_Fn_Sel_P0_Add(decltype(i_Handle)(i, C_Vector2f(vertex.m_X, vertex.m_Y)));
            return ro_Mgr.M_Fn_Sel_P0_Get().size() != before;
        });
    };
    auto pick_points = [&] { return pick_vertices(points, C_Handle_D_Geom_P(), &C_Mgr_Frame::M_Fn_View_Main_Bind_Geom_P); };
    auto pick_nodes = [&] { return pick_vertices(nodes, C_Handle_D_Tess_N(), &C_Mgr_Frame::M_Fn_View_Main_Bind_Tess_N); };
    // Entities draw their curves through the points' vertex array; i_Fn_Add takes each hit entity.
    auto pick_entities = [&](auto&& i_Fn_Add) {
        const C_Mgr_D_Geom_E::T_Store& store = entities.M_Fn_Get_Store();
        G_Fn_Vertex_Array_Bind(frame, &C_Mgr_Frame::M_Fn_View_Main_Bind_Geom_P);
        C_Context_Draw_Geom context;
        context.m_p_Sect = &sect;
        const auto names = G_Fn_Pick_Pass(
            store.size(), [&](std::uint32_t i) { return store.is_used_at(i) && store.at(i); },
            [&](std::uint32_t i) { store.at(i)->M_Fn_Draw(context); });
        return G_Fn_Hits_Take(names, i_Rect, [&](std::uint32_t i) { return i_Fn_Add(*store.at(i)); });
    };
    auto pick_elements = [&] {
        const C_Mgr_D_Tess_E::T_Store& store = elements.M_Fn_Get_Store();
        G_Fn_Vertex_Array_Bind(frame, &C_Mgr_Frame::M_Fn_View_Main_Bind_Tess_N);
        C_Context_Draw_Tess context;
        context.m_p_Sect = &sect;
        const auto names = G_Fn_Pick_Pass(
            store.size(), [&](std::uint32_t i) { return store.is_used_at(i) && store.at(i); },
            [&](std::uint32_t i) { store.at(i)->M_Fn_Draw_Select(context); });
        return G_Fn_Hits_Take(names, i_Rect, [&](std::uint32_t i) {
            const std::size_t before = elements.M_Fn_Sel_P0_Get().size();
            elements.M_Fn_Sel_P0_Add(store.at(i).get());
            return elements.M_Fn_Sel_P0_Get().size() != before;
        });
    };
    auto add_entity = [&](C_D_Geom_Entity& ro_Entity) {
        const std::size_t before = entities.M_Fn_Sel_P0_Get().size();
        entities.M_Fn_Sel_P0_Add(&ro_Entity);
        return entities.M_Fn_Sel_P0_Get().size() != before;
    };
    // Modes 1 and 2: the entity's property card, or that card's material card, when it is one of
    // the project's cards and not picked yet.
    auto add_card = [&](auto& ro_Mgr, const auto& ro_sp_Card) {
        if (!ro_sp_Card)
            return false;
        const std::int64_t pos = ro_sp_Card->M_Fn_Pos_Get();
        const auto& store = ro_Mgr.M_Fn_Get_Store();
        if (pos < 1 || !store.is_used_at(static_cast<std::uint32_t>(pos)) ||
            store.at(static_cast<std::uint32_t>(pos)).get() != ro_sp_Card.get())
            return false;
        const std::size_t before = ro_Mgr.M_Fn_Sel().M_Fn_Sel_P0_Get().size();
        ro_Mgr.M_Fn_Sel().M_Fn_Sel_P0_Add(ro_sp_Card);
        return ro_Mgr.M_Fn_Sel().M_Fn_Sel_P0_Get().size() != before;
    };

    N_Biz::N_Proj::C_Proj* p_proj = sect.M_Fn_Get_Proj();
    switch (m_Mode) {
    case 1:
    case 2:
        if (!p_proj)
            VT_THROW(K_Fn);
        pick_entities([&](C_D_Geom_Entity& ro_Entity) {
            const auto sp_property = ro_Entity.m_Key_C_P.M_Fn_Lock();
            if (m_Mode == 2)
                return add_card(p_proj->M_Fn_Get_Mgr_D_DB_C_P(), sp_property);
            if (!sp_property)
                return false;
            return add_card(p_proj->M_Fn_Get_Mgr_D_DB_C_M(), sp_property->M_Fn_Key_C_Material().M_Fn_Lock());
        });
        break;
    case 4:
    case 5: pick_points(); break;
    case 6: pick_entities(add_entity); break;
    case 7:
        if (!pick_points() || i_Rect)
            pick_entities(add_entity);
        break;
    case 9:
    case 10: pick_nodes(); break;
    case 11: pick_elements(); break;
    case 12:
        if (!pick_nodes() || i_Rect)
            pick_elements();
        break;
    default: break; // 13: the section as a whole, nothing to pick
    }
    M_Fn_Sel_P0_Desc_Update();
}

void C_Mgr_Sel::M_Fn_Sel_P0_Desc_Update()
{
    const std::uint32_t stores = S_Fn_Stores(m_Mode, "N_Biz::N_Sect::C_Mgr_Sel::M_Fn_Sel_P0_Desc_Update");
    m_Desc.clear();
    std::size_t count = 0;
    M_Fn_Stores_Each(stores, [&](auto& ro_Sel) { count += ro_Sel.M_Fn_Sel_P0_Get().size(); });
    if (count == 0)
        return;
    if (count > 1) {
        m_Desc.push_back(L"Number: " + std::to_wstring(count));
        return;
    }
    C_Sect& sect = *m_p_Sect;
    const std::wstring indent = L"  ";
    C_Context_Desc_Output output;
    std::vector<std::wstring> lines;
    const wchar_t* heading = nullptr;
    N_Biz::N_Proj::C_Proj* p_proj = sect.M_Fn_Get_Proj();
    if ((stores & E_Store_C_M) && p_proj && !p_proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Get().empty()) {
        heading = L"Material:";
        p_proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Get().front()->M_Fn_Get_wstring_Desc(indent, lines);
    } else if ((stores & E_Store_C_P) && p_proj &&
               !p_proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P0_Get().empty()) {
        heading = L"Property:";
        p_proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P0_Get().front()->M_Fn_Get_wstring_Desc(indent, lines);
    } else if ((stores & E_Store_Geom_P) && !sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P0_Get().empty()) {
        heading = L"Point:";
        sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P0_Get().front().M_Fn_Desc_Output(&sect, indent, output);
    } else if ((stores & E_Store_Geom_E) && !sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Sel_P0_Get().empty()) {
        heading = L"Entity:";
        sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Sel_P0_Get().front()->M_Fn_Desc_Output(&sect, indent, output);
    } else if ((stores & E_Store_Tess_N) && !sect.M_Fn_Get_Mgr_D_Tess_N().M_Fn_Sel_P0_Get().empty()) {
        heading = L"Node:";
        sect.M_Fn_Get_Mgr_D_Tess_N().M_Fn_Sel_P0_Get().front().M_Fn_Desc_Output(&sect, indent, output);
    } else if ((stores & E_Store_Tess_E) && !sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Sel_P0_Get().empty()) {
        heading = L"Element:";
        sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Sel_P0_Get().front()->M_Fn_Desc_Output(&sect, indent, output);
    }
    if (!heading)
        return;
    m_Desc.push_back(heading);
    m_Desc.push_back(std::wstring());
    m_Desc.insert(m_Desc.end(), lines.begin(), lines.end());
    m_Desc.insert(m_Desc.end(), output.m_Rows.begin(), output.m_Rows.end());
}

} // namespace N_Biz::N_Sect
