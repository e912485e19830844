#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "common/Common_Exception.h"

#include <utility>

namespace N_Biz::N_Proj {

C_Mgr_D_Sect::C_Mgr_D_Sect(C_Proj* i_p_Proj)
    : T_Sel(this), m_p_Proj(i_p_Proj), m_sp_Result_Compared(std::make_shared<N_Biz::N_Sect::C_Result>())
{
    if (m_Groups.add(T_sp_Group()) != 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::C_Mgr_D_Sect");
}

C_Mgr_D_Sect::~C_Mgr_D_Sect() = default;

void C_Mgr_D_Sect::M_Fn_Sel_Notify()
{
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Data);
}

// --- groups --------------------------------------------------------------------------------------

void C_Mgr_D_Sect::M_Fn_D_Group_Add_At(std::uint32_t i_Index, T_sp_Group& io_sp_Group)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Add_At");
    if (!io_sp_Group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Add_At");
    if (io_sp_Group->m_Index != 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Add_At");
    if (!io_sp_Group->M_Fn_Is_Empty())
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Add_At");
    if (m_Groups.is_used_at(i_Index) || io_sp_Group->m_Tree.M_Fn_Is_Connected() ||
        !m_p_Proj->M_Fn_Get_Tree().M_Fn_Is_Connected())
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Add_At");

    // The caller keeps the group until the table holds it, and gets it back when the tree's
    // listeners refuse it: it is always owned by exactly one of them.
    const T_sp_Group sp_group = io_sp_Group;
    m_Groups.add_at(i_Index, sp_group);
    sp_group->m_Index = i_Index;
    try {
        sp_group->m_Tree.M_Fn_On_Add_Proj_D_Sect_G(this, sp_group.get(), m_p_Proj->M_Fn_Get_Tree());
    } catch (...) {
        sp_group->m_Index = 0;
        m_Groups.erase_at(i_Index);
        throw;
    }
    io_sp_Group.reset();
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
}

void C_Mgr_D_Sect::M_Fn_D_Group_Remove_At(std::uint32_t i_Index, T_sp_Group& o_sp_Group)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Remove_At");
    if (o_sp_Group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Remove_At");
    const T_sp_Group sp_group = m_Groups.at(i_Index);
    if (!sp_group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Remove_At");
    if (sp_group->m_Index != i_Index)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Remove_At");
    if (!sp_group->M_Fn_Is_Empty())
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Remove_At");

    if (sp_group->m_Tree.M_Fn_Is_Connected())
        sp_group->m_Tree.M_Fn_On_Remove();
    sp_group->m_Index = 0;
    o_sp_Group = sp_group;
    m_Groups.erase_at(i_Index);
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
}

void C_Mgr_D_Sect::M_Fn_D_Group_Modify_At(std::uint32_t i_Index, T_sp_Group& io_sp_Group)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Modify_At");
    if (!io_sp_Group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Modify_At");
    const T_sp_Group& sp_group = m_Groups.at(i_Index);
    if (!sp_group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Modify_At");
    if (sp_group->m_Index != i_Index)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Group_Modify_At");

    sp_group->M_Fn_Swap(*io_sp_Group);
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
}

// --- sections ------------------------------------------------------------------------------------

void C_Mgr_D_Sect::M_Fn_D_Individual_Add_At(std::uint32_t i_Group, std::uint32_t i_Index, T_sp_Sect& io_sp_Sect)
{
    if (i_Group == 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Add_At");
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Add_At");
    if (!io_sp_Sect)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Add_At");
    const T_sp_Group& sp_group = m_Groups.at(i_Group);
    if (!sp_group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Add_At");
    N_Biz::N_Sect::C_Sect& sect = *io_sp_Sect;
    if (sect.m_Title_Number_1 != 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Add_At");
    if (sect.m_Title_Number_2 != 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Add_At");
    // What the steps below would refuse half-way, refused before anything changes.
    if (sp_group->m_Sects.is_used_at(i_Index) || sect.M_Fn_Get_Tree().M_Fn_Is_Connected() ||
        !sp_group->m_Tree.M_Fn_Is_Connected())
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Add_At");
    M_Fn_Sel_Check_in(sect);

    sp_group->m_Sects.add_at(i_Index, io_sp_Sect);
    sect.m_Title_Number_1 = i_Group;
    sect.m_Title_Number_2 = i_Index;
    try {
        sect.M_Fn_Name_Default_Set(sp_group.get(), sp_group->m_Tree);
        m_sp_Sect_Announced = io_sp_Sect;
        m_p_Proj->M_Fn_Signal_Fire(E_Signal_D_Sect_Add);
    } catch (...) {
        // A listener refused the new section: it goes back to the caller as it came.
        m_sp_Sect_Announced.reset();
        M_Fn_Sel_Check_out(sect);
        if (sect.M_Fn_Get_Tree().M_Fn_Is_Connected())
            sect.M_Fn_Get_Tree().M_Fn_On_Remove();
        sect.m_Title_Number_1 = 0;
        sect.m_Title_Number_2 = 0;
        sp_group->m_Sects.erase_at(i_Index);
        throw;
    }
    m_sp_Sect_Announced.reset();
    io_sp_Sect.reset();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_Config_Disp_Update();
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_D_Sect::M_Fn_D_Individual_Remove_At(std::uint32_t i_Group, std::uint32_t i_Index, T_sp_Sect& o_sp_Sect)
{
    if (i_Group == 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Remove_At");
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Remove_At");
    if (o_sp_Sect)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Remove_At");
    const T_sp_Group& sp_group = m_Groups.at(i_Group);
    if (!sp_group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Remove_At");
    const T_sp_Sect sp_sect = sp_group->m_Sects.at(i_Index);
    if (!sp_sect)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Remove_At");
    if (sp_sect->m_Title_Number_1 != i_Group)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Remove_At");
    if (sp_sect->m_Title_Number_2 != i_Index)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_D_Individual_Remove_At");

    M_Fn_Sel_Check_out(*sp_sect);
    sp_sect->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Close();
    if (sp_sect->M_Fn_Get_Tree().M_Fn_Is_Connected())
        sp_sect->M_Fn_Get_Tree().M_Fn_On_Remove();
    sp_sect->m_Title_Number_1 = 0;
    sp_sect->m_Title_Number_2 = 0;
    o_sp_Sect = sp_sect;
    sp_group->m_Sects.erase_at(i_Index);
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_Config_Disp_Update();
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

// --- all sections --------------------------------------------------------------------------------

void C_Mgr_D_Sect::M_Fn_Sects_Each(const char* i_Function,
                                   const std::function<void(N_Biz::N_Sect::C_Sect&)>& i_Fn) const
{
    for (std::uint32_t g = 1; g < m_Groups.size(); ++g) {
        if (!m_Groups.is_used_at(g))
            continue;
        const T_sp_Group& sp_group = m_Groups.at(g);
        if (!sp_group)
            VT_THROW(i_Function);
        for (std::uint32_t s = 1; s < sp_group->m_Sects.size(); ++s) {
            if (!sp_group->m_Sects.is_used_at(s))
                continue;
            const T_sp_Sect& sp_sect = sp_group->m_Sects.at(s);
            if (!sp_sect)
                VT_THROW(i_Function);
            i_Fn(*sp_sect);
        }
    }
}

void C_Mgr_D_Sect::M_Fn_Invalidate_All(std::uint32_t i_Calc, std::uint32_t i_View_Main, std::uint32_t i_View_Graph,
                                       std::uint32_t i_View_Sheet, std::uint32_t i_Sheet_Refill)
{
    M_Fn_Sects_Each("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Invalidate_All", [&](N_Biz::N_Sect::C_Sect& ro_Sect) {
        if (i_Calc)
            ro_Sect.M_Fn_Get_Mgr_Calc().M_Fn_Stale_Set();
        ro_Sect.M_Fn_Get_Mgr_Frame().M_Fn_View_Invalidate(i_View_Main != 0, i_View_Graph != 0, i_View_Sheet != 0,
                                                          i_Sheet_Refill != 0);
    });
}

void C_Mgr_D_Sect::M_Fn_Sel_Refresh_All()
{
    M_Fn_Sects_Each("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Sel_Refresh_All",
                    [](N_Biz::N_Sect::C_Sect& ro_Sect) { ro_Sect.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Refresh(); });
}

} // namespace N_Biz::N_Proj
