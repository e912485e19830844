#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D_Geom_E_Add_At.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D_Geom_E_Modify_At.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D_Geom_E_Remove_At.h"
#include "biz/sect/Biz_Sect_Context_Edit_Geom.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Stream.h"
#include "common/Common_Exception.h"

#include <string>
#include <utility>

namespace N_Biz::N_Sect {

C_Mgr_D_Geom_E::C_Mgr_D_Geom_E(C_Sect* i_p_Sect) : T_Sel(this), m_p_Sect(i_p_Sect)
{
    if (m_Store.add(T_sp_Entity()) != 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::C_Mgr_D_Geom_E");
}

C_Mgr_D_Geom_E::~C_Mgr_D_Geom_E() = default;

void C_Mgr_D_Geom_E::M_Fn_Sel_Notify()
{
    m_p_Sect->M_Fn_Signal_Fire(E_Signal_Sel_Data);
}

// --- data operations ---------------------------------------------------------------------------

void C_Mgr_D_Geom_E::M_Fn_D_Add_At(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Add_At");
    if (!io_sp_Entity)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Add_At");
    if (io_sp_Entity->m_Id != 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Add_At");
    if (m_Store.is_used_at(i_Index))
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Add_At");
    M_Fn_Sel_Check_in(*io_sp_Entity);
    const C_Mgr_D_Geom_P& mgr_p = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P();
    for (const C_Ref_Geom_P& ref : io_sp_Entity->m_Ref_Points)
        if (ref.m_Id_Point <= 0 || !mgr_p.M_Fn_Get_Store().is_used_at(static_cast<std::uint32_t>(ref.m_Id_Point)))
            VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Add_At");

    T_sp_Entity sp_entity = std::move(io_sp_Entity);
    io_sp_Entity.reset();
    sp_entity->m_Id = static_cast<std::int32_t>(i_Index);
    m_Store.add_at(i_Index, sp_entity);
    try {
        sp_entity->M_Fn_Ref_Point_Connect(*m_p_Sect);
    } catch (...) {
        // Only a broken reference list gets here; the entity goes back to the caller unstored.
        m_Store.erase_at(i_Index);
        sp_entity->m_Id = 0;
        io_sp_Entity = std::move(sp_entity);
        throw;
    }
    m_p_Sect->M_Fn_Mark_Changed(true, true);
}

void C_Mgr_D_Geom_E::M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Entity& o_sp_Entity)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Remove_At");
    if (o_sp_Entity)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Remove_At");
    const T_sp_Entity sp_entity = m_Store.at(i_Index);
    if (!sp_entity)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Remove_At");
    if (sp_entity->m_Id != static_cast<std::int32_t>(i_Index))
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Remove_At");

    M_Fn_Sel_Check_out(*sp_entity);
    sp_entity->M_Fn_Relation_Tess_Clear(*m_p_Sect);
    sp_entity->M_Fn_Ref_Point_Disconnect(*m_p_Sect);
    sp_entity->m_Id = 0;
    o_sp_Entity = sp_entity;
    m_Store.erase_at(i_Index);
    m_p_Sect->M_Fn_Mark_Changed(true, true);
}

void C_Mgr_D_Geom_E::M_Fn_D_Modify_At(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Modify_At");
    if (!io_sp_Entity)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Modify_At");
    const T_sp_Entity& sp_entity = m_Store.at(i_Index);
    if (!sp_entity)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Modify_At");
    if (sp_entity->m_Id != static_cast<std::int32_t>(i_Index))
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_D_Modify_At");

    sp_entity->M_Fn_Modifiable_Swap(*io_sp_Entity);
    M_Fn_Sel_P1_Notify_If_Sole(*sp_entity);
    m_p_Sect->M_Fn_Mark_Changed(true, true);
}

// --- undoable forms ----------------------------------------------------------------------------

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Add_At(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity,
                                             const T_sp_Group& ro_sp_Group)
{
    if (!ro_sp_Group) {
        M_Fn_D_Add_At(i_Index, io_sp_Entity);
        return 1;
    }
    ro_sp_Group->M_Fn_Child_Add_and_Execute(
        std::make_shared<N_Cmd::C_Elem_D_Geom_E_Add_At>(m_p_Sect, i_Index, io_sp_Entity));
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Remove_At(std::uint32_t i_Index, const T_sp_Group& ro_sp_Group)
{
    if (!ro_sp_Group) {
        T_sp_Entity sp_dropped;
        M_Fn_D_Remove_At(i_Index, sp_dropped);
        return 1;
    }
    ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Geom_E_Remove_At>(m_p_Sect, i_Index));
    return 1;
}

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Modify_At(std::uint32_t i_Index, T_sp_Entity& io_sp_Entity,
                                                const T_sp_Group& ro_sp_Group)
{
    if (!ro_sp_Group) {
        M_Fn_D_Modify_At(i_Index, io_sp_Entity);
        return 1;
    }
    ro_sp_Group->M_Fn_Child_Add_and_Execute(
        std::make_shared<N_Cmd::C_Elem_D_Geom_E_Modify_At>(m_p_Sect, i_Index, io_sp_Entity));
    return 1;
}

// --- moving ------------------------------------------------------------------------------------

std::int32_t C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Move(const T_sp_Group& ro_sp_Group, C_Context_Edit_Geom& io_Move)
{
    using C_Edit = C_Context_Edit_Geom;
    C_Mgr_D_Geom_P& mgr_p = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P();
    for (;;) {
        // Every entity that uses a point to process is queued for its check.
        while (!io_Move.m_List_P_Process.empty()) {
            const std::uint32_t id_point = io_Move.m_List_P_Process.front();
            io_Move.m_List_P_Process.pop_front();
            const C_D_Geom_Point& point = mgr_p.M_Fn_Get_At(id_point);
            C_Link_Geom_E link = point.m_Head;
            while (link.m_Id_Entity != 0) {
                const auto id_entity = static_cast<std::uint32_t>(link.m_Id_Entity);
                C_Edit::C_Entity& record = io_Move.m_Entities.at(id_entity);
                if (record.m_State == C_Edit::E_State_E_Open || record.m_State == C_Edit::E_State_E_Reopen) {
                    record.m_State = C_Edit::E_State_E_Queued;
                    io_Move.m_List_E_Check.push_back(id_entity);
                    if (record.m_Flag == 0) {
                        record.m_Flag = 1;
                        io_Move.m_List_E_Touched.push_back(id_entity);
                    }
                }
                const C_Ref_Geom_P* p_ref = point.M_Fn_Ref_Entity_Get_Next(link, m_Store);
                if (!p_ref)
                    break;
                link = p_ref->m_Next;
            }
            io_Move.m_Points.at(id_point).m_State = C_Edit::E_State_P_Moved;
            io_Move.m_List_P_Write.push_back(id_point);
        }
        if (io_Move.m_List_E_Check.empty())
            break;
        // The checks, until the queue is used up or an entity added points to process.
        while (!io_Move.m_List_E_Check.empty()) {
            const std::uint32_t id_entity = io_Move.m_List_E_Check.front();
            io_Move.m_List_E_Check.pop_front();
            const T_sp_Entity& sp_entity = m_Store.at(id_entity);
            if (!sp_entity)
                VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Move");
            std::int32_t verdict = 0;
            const std::int32_t result = sp_entity->M_Fn_Move_Check(verdict, io_Move);
            if (result != 1)
                return result;
            C_Edit::C_Entity& record = io_Move.m_Entities.at(id_entity);
            bool extended = false;
            switch (verdict) {
            case C_D_Geom_Entity::E_Move_Allowed: record.m_State = C_Edit::E_State_E_Settled; break;
            case C_D_Geom_Entity::E_Move_Reshaped: record.m_State = C_Edit::E_State_E_Reopen; break;
            case C_D_Geom_Entity::E_Move_Denied: {
                io_Move.m_Refused = 1;
                const std::wstring text = L"Failed to move, operation denied by geometry entity:\n\n  Entity id : " +
                                          std::to_wstring(id_entity);
                if (C_App* p_app = C_App::S_Fn_Get())
                    p_app->M_Fn_Msg(text);
                else
                    C_App::G_Fn_Msg(text);
                return 0;
            }
            case C_D_Geom_Entity::E_Move_Extended:
                record.m_State = C_Edit::E_State_E_Settled;
                extended = true;
                break;
            default: VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Move");
            }
            if (extended)
                break;
        }
    }
    for (std::uint32_t id_point : io_Move.m_List_P_Write) {
        const C_Edit::C_Point& record = io_Move.m_Points.at(id_point);
        auto up_point = std::make_unique<C_D_Geom_Point>(record.m_X, record.m_Y);
        mgr_p.M_Fn_Proc_Cmd_Sub_Modify_At(id_point, up_point, ro_sp_Group);
    }
    return 1;
}

void C_Mgr_D_Geom_E::M_Fn_Proc_Aid_Pre_Move_Selected(const C_Vector2f& ro_Reference, const C_Vector2f& ro_Target,
                                                     std::vector<std::uint32_t>& o_Moved, float& o_Dx,
                                                     float& o_Dy) const
{
    C_Mgr_D_Geom_P& mgr_p = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P();
    o_Moved.assign(mgr_p.M_Fn_Get_Store().size(), 0);
    for (const C_Handle_D_Geom_P& handle : mgr_p.M_Fn_Sel_P1_Get())
        if (handle.m_Index > 0 && handle.m_Index < o_Moved.size())
            o_Moved[handle.m_Index] = 1;
    for (const C_D_Geom_Entity* p_entity : M_Fn_Sel_P1_Get())
        if (p_entity)
            for (const C_Ref_Geom_P& ref : p_entity->m_Ref_Points)
                if (ref.m_Id_Point > 0 && static_cast<std::uint32_t>(ref.m_Id_Point) < o_Moved.size())
                    o_Moved[static_cast<std::uint32_t>(ref.m_Id_Point)] = 1;
    o_Dx = ro_Target.x - ro_Reference.x;
    o_Dy = ro_Target.y - ro_Reference.y;
}

// --- project stream ----------------------------------------------------------------------------

E_Result C_Mgr_D_Geom_E::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    return N_Common::N_Stream::G_Fn_Serialize_slotvec_O(
        ro_Stream, m_Store, [](std::ostream& ro_Out, const T_sp_Entity& ro_sp) {
            if (!ro_sp)
                VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Stream_Serialize_o_O");
            const E_Result result = ro_sp->M_Fn_Stream_Serialize_Type_O(ro_Out);
            return result == E_Result_Success ? ro_sp->M_Fn_Stream_Serialize_O(ro_Out) : result;
        });
}

namespace {

// Whether the entities read and the points read agree link by link (see the class comment).
bool G_Fn_Links_Verify(const C_Mgr_D_Geom_P::T_Store& ro_Points, const C_Mgr_D_Geom_E::T_Store& ro_Entities)
{
    std::uint64_t count_refs = 0;
    for (std::uint32_t index = 1; index < ro_Entities.size(); ++index) {
        if (!ro_Entities.is_used_at(index))
            continue;
        for (const C_Ref_Geom_P& ref : ro_Entities.at(index)->m_Ref_Points) {
            if (ref.m_Id_Point <= 0 || !ro_Points.is_used_at(static_cast<std::uint32_t>(ref.m_Id_Point)))
                return false;
            ++count_refs;
        }
    }
    std::uint64_t count_listed = 0;
    for (std::uint32_t index = 1; index < ro_Points.size(); ++index) {
        if (!ro_Points.is_used_at(index))
            continue;
        const C_D_Geom_Point& point = ro_Points.at(index);
        std::uint64_t count = 0;
        std::uint64_t count_endpoint = 0;
        C_Link_Geom_E link = point.m_Head;
        const C_Link_Geom_E* p_previous = nullptr;
        C_Link_Geom_E previous;
        while (link.m_Id_Entity != 0) {
            const auto id_entity = static_cast<std::uint32_t>(link.m_Id_Entity);
            if (!ro_Entities.is_used_at(id_entity))
                return false;
            const C_D_Geom_Entity& entity = *ro_Entities.at(id_entity);
            const auto pos = static_cast<std::uint32_t>(link.m_Pos);
            if (pos >= entity.m_Ref_Points.size())
                return false;
            // Strictly descending: a list can neither repeat a link nor run in a circle.
            if (p_previous && !link.M_Fn_Is_Less(previous))
                return false;
            const C_Ref_Geom_P& ref = entity.m_Ref_Points[pos];
            if (ref.m_Id_Point != point.m_Id)
                return false;
            ++count;
            if (entity.M_Fn_Ref_Point_Is_Endpoint(pos))
                ++count_endpoint;
            previous = link;
            p_previous = &previous;
            link = ref.m_Next;
        }
        if (link.m_Pos != 0)
            return false;
        if (count != point.m_Count_Ref || count_endpoint != point.m_Count_Endpoint)
            return false;
        count_listed += count;
    }
    // Each listed link names a reference of this point, and no list repeats one, so equal totals
    // mean every reference is in its point's list.
    return count_listed == count_refs;
}

} // namespace

E_Result C_Mgr_D_Geom_E::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    namespace N_Stream = N_Common::N_Stream;
    T_Store store;
    store.add(T_sp_Entity());
    const E_Result result =
        N_Stream_Sect::G_Fn_Serialize_slotvec_I(ro_Stream, store, [](std::istream& ro_In, T_sp_Entity& ro_sp) {
            std::int32_t type = 0;
            if (N_Stream::G_Fn_Serialize_I(ro_In, type) != E_Result_Success)
                return E_Result_Stream_Failure;
            if (!C_D_Geom_Entity::S_Fn_Factory_Knows(type))
                return N_Stream::N_Impl::G_Fn_Refuse(ro_In);
            ro_sp = C_D_Geom_Entity::S_Fn_Factory_apo_D_Geom_Entity(type);
            return ro_sp->M_Fn_Stream_Serialize_I(ro_In);
        });
    if (result != E_Result_Success)
        return result;
    for (std::uint32_t index = 1; index < store.size(); ++index)
        if (store.is_used_at(index) && store.at(index)->m_Id != static_cast<std::int32_t>(index))
            return N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
    if (!G_Fn_Links_Verify(m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_Store(), store))
        return N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);

    const auto& cards = m_p_Sect->M_Fn_Get_Proj()->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store();
    for (std::uint32_t index = 1; index < store.size(); ++index)
        if (store.is_used_at(index))
            store.at(index)->M_Fn_Key_C_Property_Rebuild_Pointer(cards);

    M_Fn_Sel_P0_Clear();
    M_Fn_Sel_P1_Clear();
    m_Store = std::move(store);
    for (std::uint32_t index = 1; index < m_Store.size(); ++index)
        if (m_Store.is_used_at(index))
            M_Fn_Sel_Check_in(*m_Store.at(index));
    return E_Result_Success;
}

} // namespace N_Biz::N_Sect
