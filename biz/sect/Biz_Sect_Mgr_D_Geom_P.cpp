#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D_Geom_P_Add_At.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D_Geom_P_Modify_At.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D_Geom_P_Remove_At.h"
#include "biz/sect/Biz_Sect_Cmd_Entry_C.h"
#include "biz/sect/Biz_Sect_Context_Edit_Geom.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Stream.h"
#include "common/Common_Exception.h"

#include <utility>

namespace N_Biz::N_Sect {

C_Mgr_D_Geom_P::C_Mgr_D_Geom_P(C_Sect* i_p_Sect) : T_Sel(this), m_p_Sect(i_p_Sect)
{
    if (m_Store.add(C_D_Geom_Point()) != 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::C_Mgr_D_Geom_P");
}

C_Mgr_D_Geom_P::~C_Mgr_D_Geom_P() = default;

void C_Mgr_D_Geom_P::M_Fn_Sel_Notify()
{
    m_p_Sect->M_Fn_Signal_Fire(E_Signal_Sel_Data);
}

// --- data operations ---------------------------------------------------------------------------

void C_Mgr_D_Geom_P::M_Fn_D_Add_At(std::uint32_t i_Index, T_up_Point& io_up_Point)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Add_At");
    if (!io_up_Point)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Add_At");
    const C_D_Geom_Point& ro_point = *io_up_Point;
    if (ro_point.m_Id != 0 || !(ro_point.m_Head == C_Link_Geom_E()) || ro_point.m_Count_Ref != 0 ||
        ro_point.m_Id_Node != 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Add_At");
    if (m_Store.is_used_at(i_Index))
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Add_At");
    M_Fn_Sel_Check_in(*io_up_Point);

    m_Store.add_at(i_Index, std::move(*io_up_Point));
    io_up_Point.reset();
    m_Store.at(i_Index).m_Id = static_cast<std::int32_t>(i_Index);
    m_p_Sect->M_Fn_Mark_Changed(false, false);
}

void C_Mgr_D_Geom_P::M_Fn_D_Remove_At(std::uint32_t i_Index, T_up_Point& o_up_Point)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Remove_At");
    if (o_up_Point)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Remove_At");
    C_D_Geom_Point& point = m_Store.at(i_Index);
    // A point still used by an entity, or carrying a mesh node, cannot go.
    if (point.m_Id != static_cast<std::int32_t>(i_Index) || !(point.m_Head == C_Link_Geom_E()) ||
        point.m_Count_Ref != 0 || point.m_Id_Node != 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Remove_At");

    M_Fn_Sel_Check_out(point);
    point.m_Id = 0;
    o_up_Point = point.Clone_apo_D_Geom_Point();
    m_Store.erase_at(i_Index);
    m_p_Sect->M_Fn_Mark_Changed(false, false);
}

void C_Mgr_D_Geom_P::M_Fn_D_Modify_At(std::uint32_t i_Index, T_up_Point& io_up_Point)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Modify_At");
    if (!io_up_Point)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Modify_At");
    C_D_Geom_Point& point = m_Store.at(i_Index);
    if (point.m_Id != static_cast<std::int32_t>(i_Index))
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_D_Modify_At");

    point.M_Fn_Modifiable_Swap(*io_up_Point);
    M_Fn_Sel_P1_Notify_If_Sole(point);
    m_p_Sect->M_Fn_Mark_Changed(true, true);
}

// --- undoable forms ----------------------------------------------------------------------------

int C_Mgr_D_Geom_P::M_Fn_Proc_Cmd_Sub_Add_At(std::uint32_t i_Index, T_up_Point& io_up_Point,
                                             const T_sp_Group& ro_sp_Group)
{
    if (!ro_sp_Group) {
        M_Fn_D_Add_At(i_Index, io_up_Point);
        return 1;
    }
    ro_sp_Group->M_Fn_Child_Add_and_Execute(
        std::make_shared<N_Cmd::C_Elem_D_Geom_P_Add_At>(m_p_Sect, i_Index, io_up_Point));
    return 1;
}

int C_Mgr_D_Geom_P::M_Fn_Proc_Cmd_Sub_Remove_At(std::uint32_t i_Index, const T_sp_Group& ro_sp_Group)
{
    if (!ro_sp_Group) {
        T_up_Point up_dropped;
        M_Fn_D_Remove_At(i_Index, up_dropped);
        return 1;
    }
    ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Geom_P_Remove_At>(m_p_Sect, i_Index));
    return 1;
}

int C_Mgr_D_Geom_P::M_Fn_Proc_Cmd_Sub_Modify_At(std::uint32_t i_Index, T_up_Point& io_up_Point,
                                                const T_sp_Group& ro_sp_Group)
{
    if (!ro_sp_Group) {
        M_Fn_D_Modify_At(i_Index, io_up_Point);
        return 1;
    }
    ro_sp_Group->M_Fn_Child_Add_and_Execute(
        std::make_shared<N_Cmd::C_Elem_D_Geom_P_Modify_At>(m_p_Sect, i_Index, io_up_Point));
    return 1;
}

int C_Mgr_D_Geom_P::M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle(const C_Handle_D_Geom_P& ro_Handle, std::uint32_t& o_Id,
                                                          const T_sp_Group& ro_sp_Group)
{
    if (ro_Handle.m_Index > 0) {
        o_Id = ro_Handle.m_Index;
        return 1;
    }
    const std::uint32_t index = m_Store.next_index();
    if (index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle");
    auto up_point = std::make_unique<C_D_Geom_Point>(ro_Handle.m_Pos.x, ro_Handle.m_Pos.y);
    M_Fn_Proc_Cmd_Sub_Add_At(index, up_point, ro_sp_Group);
    o_Id = index;
    return 1;
}

int C_Mgr_D_Geom_P::M_Fn_Proc_Cmd_Top_Modify(std::uint32_t i_Index, T_up_Point& io_up_Point)
{
    if (!io_up_Point)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_P::M_Fn_Proc_Cmd_Top_Modify");
    const C_D_Geom_Point& stored = m_Store.at(i_Index);
    const float x = io_up_Point->m_X;
    const float y = io_up_Point->m_Y;
    const float dx = x - stored.m_X;
    const float dy = y - stored.m_Y;
    io_up_Point.reset();

    N_Biz::N_Proj::C_Mgr_Cmd& mgr_cmd = m_p_Sect->M_Fn_Get_Proj()->M_Fn_Get_Mgr_Cmd();
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Modify section point", m_p_Sect->M_Fn_Get_Mgr_State());
    mgr_cmd.M_Fn_Entry_Run(sp_entry, [&] {
        auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
        C_Context_Edit_Geom context(*m_p_Sect);
        context.M_Fn_Point_Move_Add(i_Index, dx, dy, x, y);
        m_p_Sect->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Sub_Move(sp_group, context);
    });
    return 1;
}

// --- project stream ----------------------------------------------------------------------------

E_Result C_Mgr_D_Geom_P::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    return N_Common::N_Stream::G_Fn_Serialize_slotvec_O(
        ro_Stream, m_Store,
        [](std::ostream& ro_Out, const C_D_Geom_Point& ro_Point) { return ro_Point.M_Fn_Stream_Serialize_O(ro_Out); });
}

E_Result C_Mgr_D_Geom_P::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    T_Store store;
    store.add(C_D_Geom_Point());
    const E_Result result =
        N_Stream_Sect::G_Fn_Serialize_slotvec_I(ro_Stream, store, [](std::istream& ro_In, C_D_Geom_Point& ro_Point) {
            return ro_Point.M_Fn_Stream_Serialize_I(ro_In);
        });
    if (result != E_Result_Success)
        return result;
    for (std::uint32_t index = 1; index < store.size(); ++index)
        if (store.is_used_at(index) && store.at(index).m_Id != static_cast<std::int32_t>(index))
            return N_Common::N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);

    // The points read replace the table; the old selection named the old points.
    M_Fn_Sel_P0_Clear();
    M_Fn_Sel_P1_Clear();
    m_Store = std::move(store);
    for (std::uint32_t index = 1; index < m_Store.size(); ++index)
        if (m_Store.is_used_at(index))
            M_Fn_Sel_Check_in(m_Store.at(index));
    return E_Result_Success;
}

void C_Mgr_D_Geom_P::M_Fn_Stream_Serialize_Restore(T_Store& io_Store)
{
    M_Fn_Sel_P0_Clear();
    M_Fn_Sel_P1_Clear();
    m_Store = std::move(io_Store);
}

} // namespace N_Biz::N_Sect
