// The section-group manager's commands of the section tasks: create and redirect a group, insert,
// move and delete sections. Each changing command is one entry of the project's history holding
// one element group; the elements run as they are added, so the store already holds each change
// when the next element is built.
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Modify_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Remove_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Remove_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "common/Common_Exception.h"

#include <vector>

namespace N_Biz::N_Proj {

using N_Biz::N_Sect::C_Sect;
using N_Cmd::C_Elem_D_Sect_Group_Add_At;
using N_Cmd::C_Elem_D_Sect_Group_Modify_At;
using N_Cmd::C_Elem_D_Sect_Group_Remove_At;
using N_Cmd::C_Elem_D_Sect_Individual_Add_At;
using N_Cmd::C_Elem_D_Sect_Individual_Remove_At;

void C_Mgr_D_Sect::M_Fn_Entry_Run(const wchar_t* i_Name, const std::function<void(const T_sp_Elem_Group&)>& i_Fn_Body)
{
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(i_Name, m_p_Proj);
    m_p_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
        i_Fn_Body(sp_group);
    });
}

C_Mgr_D_Sect::T_sp_Sect C_Mgr_D_Sect::M_Fn_Sect_New()
{
    // The constructor takes its project from here; the mark lasts only as long as the construction.
    struct C_Owner {
        explicit C_Owner(C_Proj* i_p_Proj) { C_Sect::S_p_Proj = i_p_Proj; }
        ~C_Owner() { C_Sect::S_p_Proj = nullptr; }
    } owner(m_p_Proj);
    return std::make_shared<C_Sect>();
}

C_Mgr_D_Sect::T_sp_Sect C_Mgr_D_Sect::M_Fn_Individual_Make(T_sp_Plane& io_sp_Plane, bool i_Cut)
{
    T_sp_Sect sp_sect = M_Fn_Sect_New();
    sp_sect->M_Fn_Get_Mgr_Doc().M_Fn_Create();
    if (io_sp_Plane)
        sp_sect->M_Fn_Plane_Set(nullptr, io_sp_Plane);
    if (i_Cut)
        M_Fn_Proc_Aid_Individual_Cut(*sp_sect);
    return sp_sect;
}

bool C_Mgr_D_Sect::S_Fn_Cut_Models(const char* i_Function)
{
    return S_Fn_Config(i_Function).M_Fn_Data().m_Cut_Models != 0;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Group_Create()
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Group_Create";
    // Too few picks change nothing: no entry is begun, so the history (its redo tail too) stays.
    if (m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Get().size() < 2)
        return 0;
    std::uint32_t result = 1;
    M_Fn_Entry_Run(L"Create section group", [&](const T_sp_Elem_Group& ro_sp_Group) {
        std::uint32_t flip = 0;
        C_Vector3f up, heading;
        T_List_Pos positions;
        T_List_Plane planes;
        result = M_Fn_Proc_Aid_Pre_Group_Create(flip, up, heading, positions, planes, 0);
        if (result != 1)
            return;
        const bool cut = S_Fn_Cut_Models(s_Function);
        T_sp_Group sp_new = std::make_shared<C_D_Group_Sect>();
        sp_new->m_Flip = flip;
        sp_new->m_Up = up;
        sp_new->m_Heading = heading;
        const std::uint32_t g = m_Groups.next_index();
        ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_D_Sect_Group_Add_At>(m_p_Proj, g, sp_new));
        const T_sp_Group& sp_group = m_Groups.at(g);
        if (!sp_group)
            VT_THROW(s_Function);
        for (T_sp_Plane& sp_plane : planes) {
            T_sp_Sect sp_sect = M_Fn_Individual_Make(sp_plane, cut);
            const std::uint32_t i = sp_group->m_Sects.next_index();
            ro_sp_Group->M_Fn_Child_Add_and_Execute(
                std::make_shared<C_Elem_D_Sect_Individual_Add_At>(m_p_Proj, g, i, sp_sect));
        }
    });
    return result;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Group_Redirect_Selected()
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Group_Redirect_Selected";
    M_Fn_Entry_Run(L"Redirect section group", [&](const T_sp_Elem_Group& ro_sp_Group) {
        std::uint32_t flip = 0;
        C_Vector3f up, heading;
        T_List_Pos positions;
        T_List_Plane planes;
        C_D_Group_Sect* p_group = nullptr;
        // A refused preview leaves the group empty: the entry is dropped.
        if (M_Fn_Proc_Aid_Pre_Group_Redirect_Selected(flip, up, heading, positions, planes, p_group, 0) != 1)
            return;
        if (!p_group)
            VT_THROW(s_Function);
        const bool cut = S_Fn_Cut_Models(s_Function);
        const std::uint32_t g = p_group->m_Index;
        T_sp_Group sp_data = std::make_shared<C_D_Group_Sect>();
        sp_data->m_Flip = flip;
        sp_data->m_Up = up;
        sp_data->m_Heading = heading;
        ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_D_Sect_Group_Modify_At>(m_p_Proj, g, sp_data));
        for (std::uint32_t i = 1; i < p_group->m_Sects.size(); ++i) {
            if (!p_group->m_Sects.is_used_at(i))
                continue;
            C_Sect* p_sect = p_group->m_Sects.at(i).get();
            if (!p_sect || planes.empty())
                VT_THROW(s_Function);
            T_sp_Plane sp_plane = std::move(planes.front());
            planes.pop_front();
            if (cut) {
                ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_D_Sect_Individual_Remove_At>(m_p_Proj, g, i));
                T_sp_Sect sp_sect = M_Fn_Individual_Make(sp_plane, true);
                ro_sp_Group->M_Fn_Child_Add_and_Execute(
                    std::make_shared<C_Elem_D_Sect_Individual_Add_At>(m_p_Proj, g, i, sp_sect));
            } else {
                p_sect->M_Fn_Plane_Set(ro_sp_Group, sp_plane);
            }
        }
    });
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Sel_Single_To_Center(const char* i_Function)
{
    C_Sect* p_sect = M_Fn_Sel_Single(i_Function);
    if (!p_sect)
        return 0;
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Set_Center_Rotate(
        p_sect->M_Fn_Plane_Local_To_Global_2(C_Sect::C_Vector2f(0.0f, 0.0f)));
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Insert_Selected_To_P_1()
{
    return M_Fn_Sel_Single_To_Center("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Insert_Selected_To_P_1");
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Move_Selected_To_P_1()
{
    return M_Fn_Sel_Single_To_Center("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Move_Selected_To_P_1");
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Insert_Selected()
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Insert_Selected";
    M_Fn_Entry_Run(L"Insert section", [&](const T_sp_Elem_Group& ro_sp_Group) {
        T_sp_Plane sp_plane;
        C_Vector3f pos, pos_before, pos_after;
        C_Sect* p_before = nullptr;
        C_Sect* p_after = nullptr;
        C_D_Group_Sect* p_group = nullptr;
        if (M_Fn_Proc_Aid_Pre_Individual_Insert_Selected(sp_plane, pos, pos_before, pos_after, p_before, p_after,
                                                         p_group, 0) != 1)
            return;
        if (!p_group)
            VT_THROW(s_Function);
        const std::uint32_t g = p_group->m_Index;
        T_sp_Sect sp_carried = M_Fn_Individual_Make(sp_plane, S_Fn_Cut_Models(s_Function));
        // The new section takes the slot after its neighbour; each section behind it moves up one
        // slot, as far as the first free slot or the end of the table.
        std::uint32_t p = p_before ? p_before->m_Title_Number_2 : 0;
        for (;;) {
            ++p;
            if (p >= p_group->m_Sects.size() || !p_group->m_Sects.is_used_at(p)) {
                ro_sp_Group->M_Fn_Child_Add_and_Execute(
                    std::make_shared<C_Elem_D_Sect_Individual_Add_At>(m_p_Proj, g, p, sp_carried));
                break;
            }
            T_sp_Sect sp_next = p_group->m_Sects.at(p);
            ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_D_Sect_Individual_Remove_At>(m_p_Proj, g, p));
            ro_sp_Group->M_Fn_Child_Add_and_Execute(
                std::make_shared<C_Elem_D_Sect_Individual_Add_At>(m_p_Proj, g, p, sp_carried));
            sp_carried = std::move(sp_next);
        }
    });
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Move_Selected()
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Move_Selected";
    M_Fn_Entry_Run(L"Move section", [&](const T_sp_Elem_Group& ro_sp_Group) {
        T_sp_Plane sp_plane;
        C_Vector3f pos, pos_before, pos_old, pos_after;
        C_Sect* p_before = nullptr;
        C_Sect* p_sect = nullptr;
        C_Sect* p_after = nullptr;
        C_D_Group_Sect* p_group = nullptr;
        if (M_Fn_Proc_Aid_Pre_Individual_Move_Selected(sp_plane, pos, pos_before, pos_old, pos_after, p_before, p_sect,
                                                       p_after, p_group, 0) != 1)
            return;
        if (!p_group || !p_sect)
            VT_THROW(s_Function);
        const std::uint32_t g = p_group->m_Index;
        const std::uint32_t s = p_sect->m_Title_Number_2;
        if (S_Fn_Cut_Models(s_Function)) {
            ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_D_Sect_Individual_Remove_At>(m_p_Proj, g, s));
            T_sp_Sect sp_sect = M_Fn_Individual_Make(sp_plane, true);
            ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_D_Sect_Individual_Add_At>(m_p_Proj, g, s, sp_sect));
        } else {
            p_sect->M_Fn_Plane_Set(ro_sp_Group, sp_plane);
        }
    });
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Delete_Selected()
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Cmd_Top_Individual_Delete_Selected";
    if (M_Fn_Sel_P1_Get().empty())
        return 0;
    // Removing a section takes it out of the selection set, so the set is walked from a copy.
    const std::vector<C_Sect*> selected(M_Fn_Sel_P1_Get().begin(), M_Fn_Sel_P1_Get().end());
    M_Fn_Entry_Run(L"Delete section", [&](const T_sp_Elem_Group& ro_sp_Group) {
        for (C_Sect* p_sect : selected) {
            if (!p_sect || p_sect->M_Fn_Get_Proj() != m_p_Proj)
                VT_THROW(s_Function);
            ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_D_Sect_Individual_Remove_At>(
                m_p_Proj, p_sect->m_Title_Number_1, p_sect->m_Title_Number_2));
        }
        // Every group left without sections goes too.
        for (std::uint32_t g = 1; g < m_Groups.size(); ++g) {
            if (!m_Groups.is_used_at(g))
                continue;
            const T_sp_Group& sp_group = m_Groups.at(g);
            if (!sp_group)
                VT_THROW(s_Function);
            if (sp_group->M_Fn_Is_Empty())
                ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_D_Sect_Group_Remove_At>(m_p_Proj, g));
        }
    });
    return 1;
}

} // namespace N_Biz::N_Proj
