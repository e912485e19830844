#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/db/Biz_DB_Row_Any.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_E_Modify.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_E_Reconnect_C_P.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Proj {

template <class F>
void C_Mgr_D_DB_E::M_Fn_Walk(const char* i_Function, F&& i_Fn_Row)
{
    const C_Mgr_D_Model& models = m_p_Proj->M_Fn_Get_Mgr_D_Model();
    const C_Mgr_D_Model::T_Table& table = models.M_Fn_Get_Models();
    for (std::uint32_t slot = 1; slot < table.size(); ++slot) {
        if (!table.is_used_at(slot))
            continue;
        auto& rows = models.M_Fn_Get_Model_At(slot, i_Function).M_Fn_Data().m_Elements;
        for (std::uint32_t index = 0; index < rows.size(); ++index)
            i_Fn_Row(slot, index, rows[index]);
    }
}

void C_Mgr_D_DB_E::M_Fn_Changed(const N_DB::C_Row_Element_2D& ro_Row)
{
    if (m_P1_Count == 1 || (ro_Row.m_u32_Flag & S_Flag_P1))
        m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Data);
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_D_DB_E::M_Fn_D_Modify(N_DB::C_Row_Element_2D* i_p_Row, N_DB::C_Row_Any& io_Data)
{
    if (!i_p_Row)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_D_Modify");
    N_Impl::G_Fn_Row_Data_Swap(*i_p_Row, io_Data); // checks the tables before it changes anything
    // Coordinates or node references may have changed: the drawing arrays are made again.
    N_Model::C_Model::S_Fn_Geometry_Changed();
    M_Fn_Changed(*i_p_Row);
}

void C_Mgr_D_DB_E::M_Fn_D_Reconnect_C_P(N_DB::C_Row_Element_2D* i_p_Row, N_DB::C_Key_C_Property& io_Key)
{
    if (!i_p_Row)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_D_Reconnect_C_P");
    i_p_Row->M_Fn_Key_C_Property().swap(io_Key);
    M_Fn_Changed(*i_p_Row);
}

void C_Mgr_D_DB_E::M_Fn_Sel_P0_Add(const C_Handle_D_DB_E& ro_Handle)
{
    ro_Handle.M_Fn_Get_ro_Row_Element_2D(*m_p_Proj).m_u32_Flag |= S_Flag_P0;
    ++m_P0_Count;
    m_P0_Handle = ro_Handle;
}

void C_Mgr_D_DB_E::M_Fn_Sel_P0_Clear()
{
    M_Fn_Walk("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Sel_P0_Clear",
              [this](std::uint32_t, std::uint32_t, N_DB::C_Row_Element_2D& ro_Row) {
                  if (ro_Row.m_u32_Flag & S_Flag_P0) {
                      ro_Row.m_u32_Flag &= ~S_Flag_P0;
                      --m_P0_Count;
                  }
              });
    m_P0_Count = 0;
    m_P0_Handle = {};
}

void C_Mgr_D_DB_E::M_Fn_Sel_P1_Clear()
{
    m_P1_Handle = {};
    if (m_P1_Count == 0)
        return;
    M_Fn_Walk("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Sel_P1_Clear",
              [this](std::uint32_t, std::uint32_t, N_DB::C_Row_Element_2D& ro_Row) {
                  if (ro_Row.m_u32_Flag & S_Flag_P1) {
                      ro_Row.m_u32_Flag &= ~S_Flag_P1;
                      --m_P1_Count;
                  }
              });
    m_P1_Count = 0;
    m_P1_Handle = {};
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Data);
}

template <class F>
void C_Mgr_D_DB_E::M_Fn_Sel_P1_Update(const char* i_Function, F&& i_Fn_New)
{
    m_P1_Handle = {};
    M_Fn_Walk(i_Function, [&](std::uint32_t i_Slot, std::uint32_t i_Index, N_DB::C_Row_Element_2D& ro_Row) {
        std::uint32_t& flag = ro_Row.m_u32_Flag;
        const bool selected = i_Fn_New((flag & S_Flag_P0) != 0, (flag & S_Flag_P1) != 0);
        if (flag & S_Flag_P1)
            --m_P1_Count;
        if (!selected) {
            flag &= ~S_Flag_P1;
            return;
        }
        flag |= S_Flag_P1;
        ++m_P1_Count;
        m_P1_Handle = {i_Slot, i_Index};
    });
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Data);
}

void C_Mgr_D_DB_E::M_Fn_Sel_P1_Yes()
{
    M_Fn_Sel_P1_Update("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Sel_P1_Yes", [](bool i_P0, bool) { return i_P0; });
}

void C_Mgr_D_DB_E::M_Fn_Sel_P1_Xor()
{
    M_Fn_Sel_P1_Update("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Sel_P1_Xor", [](bool i_P0, bool i_P1) { return i_P0 != i_P1; });
}

void C_Mgr_D_DB_E::M_Fn_Sel_P1_Or()
{
    M_Fn_Sel_P1_Update("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Sel_P1_Or", [](bool i_P0, bool i_P1) { return i_P0 || i_P1; });
}

void C_Mgr_D_DB_E::M_Fn_Sel_Model_Remove(std::uint32_t i_Slot)
{
    static constexpr const char* S_Name = "N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Sel_Model_Remove";
    auto& rows = m_p_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Model_At(i_Slot, S_Name).M_Fn_Data().m_Elements;
    bool deselected = false;
    for (N_DB::C_Row_Element_2D& row : rows) {
        std::uint32_t& flag = row.m_u32_Flag;
        if ((flag & S_Flag_P0) && m_P0_Count > 0)
            --m_P0_Count;
        if ((flag & S_Flag_P1) && m_P1_Count > 0) {
            --m_P1_Count;
            deselected = true;
        }
        flag &= ~(S_Flag_P0 | S_Flag_P1);
    }
    const bool p0_moves = m_P0_Handle.m_Model == i_Slot;
    const bool p1_moves = m_P1_Handle.m_Model == i_Slot;
    if (p0_moves)
        m_P0_Handle = {};
    if (p1_moves)
        m_P1_Handle = {};
    if (p0_moves || p1_moves)
        M_Fn_Walk(S_Name, [&](std::uint32_t i_Model, std::uint32_t i_Index, N_DB::C_Row_Element_2D& ro_Row) {
            if (p0_moves && (ro_Row.m_u32_Flag & S_Flag_P0))
                m_P0_Handle = {i_Model, i_Index};
            if (p1_moves && (ro_Row.m_u32_Flag & S_Flag_P1))
                m_P1_Handle = {i_Model, i_Index};
        });
    if (deselected)
        m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Data);
}

template <class F>
void C_Mgr_D_DB_E::M_Fn_Hide(const char* i_Function, F&& i_Fn_Flag)
{
    M_Fn_Walk(i_Function, [&](std::uint32_t, std::uint32_t, N_DB::C_Row_Element_2D& ro_Row) {
        std::uint32_t& flag = ro_Row.m_u32_Flag;
        const bool selected = (flag & S_Flag_P1) != 0;
        flag &= ~S_Flag_P1;
        if (i_Fn_Flag(selected, (flag & S_Flag_Hidden) != 0))
            flag |= S_Flag_Hidden;
        else
            flag &= ~S_Flag_Hidden;
    });
    m_P1_Count = 0;
    m_P1_Handle = {};
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Data);
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_D_DB_E::M_Fn_Hide_Sel()
{
    M_Fn_Hide("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Hide_Sel",
              [](bool i_Selected, bool i_Hidden) { return i_Selected || i_Hidden; });
}

void C_Mgr_D_DB_E::M_Fn_Hide_Unsel()
{
    M_Fn_Hide("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Hide_Unsel",
              [](bool i_Selected, bool i_Hidden) { return !i_Selected || i_Hidden; });
}

void C_Mgr_D_DB_E::M_Fn_Hide_Reverse()
{
    M_Fn_Hide("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Hide_Reverse", [](bool, bool i_Hidden) { return !i_Hidden; });
}

void C_Mgr_D_DB_E::M_Fn_Hide_Cancel_All()
{
    M_Fn_Walk("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Hide_Cancel_All",
              [](std::uint32_t, std::uint32_t, N_DB::C_Row_Element_2D& ro_Row) { ro_Row.m_u32_Flag &= ~S_Flag_Hidden; });
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_D_DB_E::M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_Element_2D* i_p_Row, const N_DB::C_Row_Any& ro_Data)
{
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Modify element card", m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        sp_entry->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_E_Modify>(m_p_Proj, i_p_Row, ro_Data));
    });
}

bool C_Mgr_D_DB_E::M_Fn_Sel_P1_Sole_Get(N_DB::C_Row_Element_2D*& o_p_Row)
{
    if (m_P1_Count == 0)
        return false;
    if (m_P1_Count > 1) {
        M_Fn_Sel_P1_Clear();
        return false;
    }
    o_p_Row = &m_P1_Handle.M_Fn_Get_ro_Row_Element_2D(*m_p_Proj);
    return true;
}

bool C_Mgr_D_DB_E::M_Fn_Proc_Cmd_Top_Modify_Selected()
{
    N_DB::C_Row_Element_2D* p_row = nullptr;
    if (!M_Fn_Sel_P1_Sole_Get(p_row))
        return false;
    C_Dlg::S_Fn_Property_Run(*m_p_Proj, C_Dlg::E_Mode_Property_Modify, C_Dlg::E_Kind_E, p_row);
    return true;
}

bool C_Mgr_D_DB_E::M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_P()
{
    if (m_P1_Count == 0)
        return false;
    const std::uint32_t picked = C_Dlg::S_Fn_List_Run(*m_p_Proj, C_Dlg::E_Kind_C_P, C_Dlg::E_Mode_List_Pick);
    if (picked == 0)
        return true;
    // A free slot throws here, before any entry opens.
    const N_DB::C_Key_C_Property key(m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_At(picked));
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Reconnect property of element card", m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        auto sp_group = std::make_shared<::N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
        M_Fn_Walk("N_Biz::N_Proj::C_Mgr_D_DB_E::M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_P",
                  [&](std::uint32_t, std::uint32_t, N_DB::C_Row_Element_2D& ro_Row) {
                      if (ro_Row.m_u32_Flag & S_Flag_P1)
                          sp_group->M_Fn_Child_Add_and_Execute(
                              std::make_shared<N_Cmd::C_Elem_D_DB_E_Reconnect_C_P>(m_p_Proj, &ro_Row, key));
                  });
    });
    return true;
}

bool C_Mgr_D_DB_E::M_Fn_Proc_Cmd_Top_Palette_Select()
{
    N_DB::C_Row_Element_2D* p_row = nullptr;
    if (!M_Fn_Sel_P1_Sole_Get(p_row))
        return false;
    const auto sp_card = p_row->M_Fn_Key_C_Property().M_Fn_Lock();
    const std::uint32_t id = sp_card ? static_cast<std::uint32_t>(sp_card->M_Fn_Pos_Get()) : 0;
    m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Set(id);
    return true;
}

} // namespace N_Biz::N_Proj
