#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Signal.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

namespace {

// The point a node stands on (its slot table's at: a free slot throws).
C_D_Geom_Point& G_Fn_Point(C_Sect& ro_Sect, std::uint32_t i_Id_Point)
{
    return ro_Sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(i_Id_Point);
}

} // namespace

C_Mgr_D_Tess_N::C_Mgr_D_Tess_N(C_Sect* i_p_Sect) : T_Sel(this), m_p_Sect(i_p_Sect)
{
    m_Store.add_at(0, C_D_Tess_Node());
}

C_Mgr_D_Tess_N::~C_Mgr_D_Tess_N() = default;

void C_Mgr_D_Tess_N::M_Fn_Sel_Notify()
{
    if (m_p_Sect)
        m_p_Sect->M_Fn_Signal_Fire(E_Signal_Sel_Data);
}

void C_Mgr_D_Tess_N::M_Fn_D_Add_At(std::uint32_t i_Index, std::shared_ptr<C_D_Tess_Node>& io_sp_Node)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_N::M_Fn_D_Add_At");
    if (!io_sp_Node)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_N::M_Fn_D_Add_At");
    C_D_Tess_Node& node = *io_sp_Node;
    if (node.m_Id != 0 || node.m_Head.m_p_Element || node.m_Head.m_Pos != 0 || node.m_Count_Ref != 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_N::M_Fn_D_Add_At");
    // Every check before the store changes: selection bits, the point, the slot.
    M_Fn_Sel_Check_in(node);
    C_D_Geom_Point* p_point = nullptr;
    if (node.m_Id_Point != 0) {
        if (!m_p_Sect)
            VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_N::M_Fn_D_Add_At");
        p_point = &G_Fn_Point(*m_p_Sect, node.m_Id_Point);
    }
    m_Store.add_at(i_Index, node);
    io_sp_Node.reset();
    m_Store.at(i_Index).m_Id = i_Index;
    if (p_point)
        p_point->m_Id_Node = i_Index;
}

void C_Mgr_D_Tess_N::M_Fn_D_Remove_At(std::uint32_t i_Index, std::shared_ptr<C_D_Tess_Node>& o_sp_Node)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_N::M_Fn_D_Remove_At");
    if (o_sp_Node)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_N::M_Fn_D_Remove_At");
    C_D_Tess_Node& node = m_Store.at(i_Index);
    if (node.m_Id != i_Index || node.m_Head.m_p_Element || node.m_Head.m_Pos != 0 || node.m_Count_Ref != 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_N::M_Fn_D_Remove_At");
    C_D_Geom_Point* p_point = nullptr;
    if (node.m_Id_Point != 0 && m_p_Sect) {
        C_D_Geom_Point& point = G_Fn_Point(*m_p_Sect, node.m_Id_Point);
        // Only the point's own node is taken back; a point whose node id moved on keeps it.
        if (point.m_Id_Node == i_Index)
            p_point = &point;
    }
    auto sp_copy = std::make_shared<C_D_Tess_Node>(node);
    M_Fn_Sel_Check_out(node);
    if (p_point)
        p_point->m_Id_Node = 0;
    sp_copy->m_Flag = node.m_Flag;
    sp_copy->m_Id = 0;
    m_Store.erase_at(i_Index);
    o_sp_Node = std::move(sp_copy);
}

int C_Mgr_D_Tess_N::M_Fn_D_Erase_At(std::uint32_t i_Index)
{
    std::shared_ptr<C_D_Tess_Node> sp_node;
    M_Fn_D_Remove_At(i_Index, sp_node);
    return 1;
}

void C_Mgr_D_Tess_N::M_Fn_D_Clear()
{
    M_Fn_Sel_P0_Clear();
    M_Fn_Sel_P1_Clear();
    m_Store = T_Store();
    m_Store.add_at(0, C_D_Tess_Node());
}

} // namespace N_Biz::N_Sect
