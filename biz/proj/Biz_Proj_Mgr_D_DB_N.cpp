#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"

#include "biz/db/Biz_DB_Row_Any.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_N_Modify.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Row_Data.h"
#include "common/Common_Exception.h"

#include <vector>

namespace N_Biz::N_Proj {

C_Mgr_D_DB_N::C_Mgr_D_DB_N(C_Proj* i_p_Proj) : m_Sel(this), m_p_Proj(i_p_Proj) {}

void C_Mgr_D_DB_N::M_Fn_Sel_Notify()
{
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Data);
}

N_Impl::C_Sel_Node& C_Mgr_D_DB_N::M_Fn_Sel_Row(const C_Handle_D_DB_N& ro_Handle)
{
    if (ro_Handle.m_Model == 0) {
        m_Free_Flag = 0;
        return m_Sel_Free;
    }
    N_DB::C_Row_Node& row = ro_Handle.M_Fn_Get_ro_Row_Node(*m_p_Proj);
    return m_Sel_Rows.try_emplace(&row, &row.m_u32_Flag).first->second;
}

void C_Mgr_D_DB_N::M_Fn_D_Modify(N_DB::C_Row_Node* i_p_Row, N_DB::C_Row_Any& io_Data)
{
    if (!i_p_Row)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_N::M_Fn_D_Modify");
    N_Impl::G_Fn_Row_Data_Swap(*i_p_Row, io_Data); // checks the tables before it changes anything
    // Coordinates or node references may have changed: the drawing arrays are made again.
    N_Model::C_Model::S_Fn_Geometry_Changed();
    if (m_Sel.M_Fn_Sel_P1_Get().size() == 1 && (i_p_Row->m_u32_Flag & T_Sel::S_Flag_P1))
        M_Fn_Sel_Notify();
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

bool C_Mgr_D_DB_N::M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_Node* i_p_Row, const N_DB::C_Row_Any& ro_Data)
{
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Modify node card", m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        sp_entry->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_N_Modify>(m_p_Proj, i_p_Row, ro_Data));
    });
    return true;
}

bool C_Mgr_D_DB_N::M_Fn_Proc_Cmd_Top_Modify_Selected()
{
    const auto& p1 = m_Sel.M_Fn_Sel_P1_Get();
    if (p1.empty())
        return false;
    if (p1.size() > 1 || p1.front().m_Model == 0) {
        m_Sel.M_Fn_Sel_P1_Clear();
        return false;
    }
    N_DB::C_Row_Node& row = p1.front().M_Fn_Get_ro_Row_Node(*m_p_Proj);
    C_Dlg::S_Fn_Property_Run(*m_p_Proj, C_Dlg::E_Mode_Property_Modify, C_Dlg::E_Kind_N, &row);
    return true;
}

bool C_Mgr_D_DB_N::M_Fn_Proc_Cmd_Top_Set_Center()
{
    const auto& p1 = m_Sel.M_Fn_Sel_P1_Get();
    if (p1.empty())
        return false;
    if (p1.size() > 1) {
        m_Sel.M_Fn_Sel_P1_Clear();
        return false;
    }
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Set_Center_Rotate(p1.front().M_Fn_Type_Any_Get_o_Vector3_f(*m_p_Proj));
    return true;
}

void C_Mgr_D_DB_N::M_Fn_Sel_Model_Remove(std::uint32_t i_Slot)
{
    const auto& nodes = m_p_Proj->M_Fn_Get_Mgr_D_Model()
                            .M_Fn_Get_Model_At(i_Slot, "N_Biz::N_Proj::C_Mgr_D_DB_N::M_Fn_Sel_Model_Remove")
                            .M_Fn_Data()
                            .m_Nodes;
    // The handles first (the lists change under the check-out), then one check-out per handle:
    // a node in both lists leaves both at its first.
    std::vector<C_Handle_D_DB_N> leaving;
    for (const auto* p_list : {&m_Sel.M_Fn_Sel_P1_Get(), &m_Sel.M_Fn_Sel_P0_Get()})
        for (const C_Handle_D_DB_N& handle : *p_list)
            if (handle.m_Model == i_Slot)
                leaving.push_back(handle);
    for (const C_Handle_D_DB_N& handle : leaving)
        m_Sel.M_Fn_Sel_Check_out(M_Fn_Sel_Row(handle));
    if (!nodes.empty())
        m_Sel_Rows.erase(m_Sel_Rows.lower_bound(&nodes.front()), m_Sel_Rows.upper_bound(&nodes.back()));
}

} // namespace N_Biz::N_Proj
