// The section-group manager's commands that the project document and the project explorer tree
// call directly: the section import from IGES, the windows of sections, the section tool options
// and the tree's delete commands.
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/config/Biz_Config.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Remove_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Remove_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "common/Common_Exception.h"

#include <vector>

namespace N_Biz::N_Proj {

using N_Biz::N_Config::C_Config_Data;
using N_Biz::N_Sect::C_Sect;

namespace {

// The section tasks that collect positions, as the task region names them.
enum : std::uint32_t {
    E_Id_Task_D_Sect_Group_Create = 20,
    E_Id_Task_D_Sect_Individual_Insert_P_1 = 24,
    E_Id_Task_D_Sect_Individual_Move_P_1 = 26,
};

// Thrown inside the import's entry when the section import fails, so that the entry is cancelled.
struct C_Import_Failed {};

} // namespace

// --- import --------------------------------------------------------------------------------------

void C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_Import()
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_Import";
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app)
        VT_THROW(s_Function);
    std::wstring path;
    std::wstring name;
    if (p_app->M_Fn_UI_File_Dialog({L"IGES (*.igs)", L"*.igs", L"All (*)", L"*"}, path, 0, L"Open", name) != 1)
        return;
    N_Biz::N_IGES::N_Import::C_Context_File context(path, name);
    if (context.M_Fn_Import() != 1)
        return;

    try {
        M_Fn_Entry_Run(L"Import section", [&](const T_sp_Elem_Group& ro_sp_Group) {
            T_sp_Group sp_new = std::make_shared<C_D_Group_Sect>();
            const std::uint32_t g = m_Groups.next_index();
            ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Sect_Group_Add_At>(m_p_Proj, g, sp_new));
            const T_sp_Group& sp_group = m_Groups.at(g);
            if (!sp_group)
                VT_THROW(s_Function);
            T_sp_Plane sp_no_plane;
            T_sp_Sect sp_sect = M_Fn_Individual_Make(sp_no_plane, false);
            C_Sect* p_sect = sp_sect.get();
            const std::uint32_t i = sp_group->m_Sects.next_index();
            ro_sp_Group->M_Fn_Child_Add_and_Execute(
                std::make_shared<N_Cmd::C_Elem_D_Sect_Individual_Add_At>(m_p_Proj, g, i, sp_sect));
            // A section import that failed has said why; what it built so far goes back with the
            // whole entry rather than stay as a half-imported section.
            if (p_sect->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Import(ro_sp_Group, context) != 1)
                throw C_Import_Failed();
        });
    } catch (const C_Import_Failed&) {
    }
}

// --- windows of sections -------------------------------------------------------------------------

template <class Range>
void C_Mgr_D_Sect::M_Fn_Frames(const Range& ro_Sects, bool i_Open, const char* i_Function)
{
    for (C_Sect* p_sect : ro_Sects) {
        if (!p_sect)
            throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
        if (i_Open)
            p_sect->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
        else
            p_sect->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Close();
    }
}

void C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Open()
{
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    const std::vector<C_Sect*> selected(M_Fn_Sel_P1_Get().begin(), M_Fn_Sel_P1_Get().end());
    M_Fn_Frames(selected, true, "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Open");
}

void C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Close()
{
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    const std::vector<C_Sect*> selected(M_Fn_Sel_P1_Get().begin(), M_Fn_Sel_P1_Get().end());
    M_Fn_Frames(selected, false, "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Close");
}

// --- options -------------------------------------------------------------------------------------

void C_Mgr_D_Sect::M_Fn_Option_Set(std::int32_t i_Value, std::int32_t C_Config_Data::*i_Word, const char* i_Function)
{
    N_Biz::N_Config::C_Config& config = S_Fn_Config(i_Function);
    config.M_Fn_Data().*i_Word = i_Value;
    config.M_Fn_Notify(N_Biz::N_Config::E_Signal_Sect_Edit);
}

namespace {

// After a change of "Point Select Mode": the running task that collects positions takes the new
// rule at once, keeping what was picked. With no such task the new value waits for the next one.
void G_Fn_Sel_Reprompt(C_Proj& ro_Proj, bool i_Nodes)
{
    C_Mgr_Sel& sel = ro_Proj.M_Fn_Get_Mgr_Sel();
    const std::uint32_t mode = i_Nodes ? 5 : 3;
    switch (ro_Proj.M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(N_State::C_Machine_Top::E_Region_Task)) {
    case E_Id_Task_D_Sect_Group_Create:
        // Screen points add to the axis; nodes toggle.
        sel.M_Fn_Sel_Mode_Set(i_Nodes, !i_Nodes, false, false, false, false, mode,
                              i_Nodes ? L"Select nodes to define section axis, rotate view to adjust the section "
                                        L"direction."
                                      : L"Specify the position to define section axis, rotate view to adjust the "
                                        L"section direction.");
        break;
    case E_Id_Task_D_Sect_Individual_Insert_P_1:
        sel.M_Fn_Sel_Mode_Set(false, false, false, false, false, false, mode,
                              i_Nodes ? L"Select node to insert the section." : L"Specify the position to insert the section.");
        break;
    case E_Id_Task_D_Sect_Individual_Move_P_1:
        sel.M_Fn_Sel_Mode_Set(false, false, false, false, false, false, mode,
                              i_Nodes ? L"Select node to move the section." : L"Specify the position to move the section.");
        break;
    default:
        break;
    }
}

} // namespace

void C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Scrn()
{
    M_Fn_Option_Set(0, &C_Config_Data::m_Pos_By_Nodes, "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Scrn");
    G_Fn_Sel_Reprompt(*m_p_Proj, false);
}

void C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Data()
{
    M_Fn_Option_Set(1, &C_Config_Data::m_Pos_By_Nodes, "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Data");
    G_Fn_Sel_Reprompt(*m_p_Proj, true);
}

#define VT_SECT_OPTION(i_Name, i_Word, i_Value)                                                                         \
    void C_Mgr_D_Sect::i_Name()                                                                                        \
    {                                                                                                                  \
        M_Fn_Option_Set(i_Value, &C_Config_Data::i_Word, "N_Biz::N_Proj::C_Mgr_D_Sect::" #i_Name);                     \
        m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Invalidate();                                                    \
    }

VT_SECT_OPTION(M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_Auto, m_Local_CS, 0)
VT_SECT_OPTION(M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_XY, m_Local_CS, 1)
VT_SECT_OPTION(M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_XZ, m_Local_CS, 2)
VT_SECT_OPTION(M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_YZ, m_Local_CS, 3)
VT_SECT_OPTION(M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_V_Z, m_Local_CS, 4)
VT_SECT_OPTION(M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Pos_Axis, m_Move_Free, 0)
VT_SECT_OPTION(M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Pos_Free, m_Move_Free, 1)
VT_SECT_OPTION(M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Beside_Before, m_Insert_After, 0)
VT_SECT_OPTION(M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Beside_After, m_Insert_After, 1)

#undef VT_SECT_OPTION

// --- tree commands -------------------------------------------------------------------------------

namespace {

// The group as this manager stores it: not null, stored, and the one in its slot.
void G_Fn_Group_Check(const C_Mgr_D_Sect& ro_Mgr, const C_D_Group_Sect* i_p_Group, const char* i_Function)
{
    const auto& groups = ro_Mgr.M_Fn_Get_Groups();
    if (!i_p_Group || i_p_Group->m_Index == 0 || !groups.is_used_at(i_p_Group->m_Index) ||
        groups.at(i_p_Group->m_Index).get() != i_p_Group)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
}

// The sections of a group in slot order (an empty slot throws).
std::vector<C_Sect*> G_Fn_Sects(const C_D_Group_Sect& ro_Group, const char* i_Function)
{
    std::vector<C_Sect*> sects;
    for (std::uint32_t i = 1; i < ro_Group.m_Sects.size(); ++i) {
        if (!ro_Group.m_Sects.is_used_at(i))
            continue;
        C_Sect* p_sect = ro_Group.m_Sects.at(i).get();
        if (!p_sect)
            throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
        sects.push_back(p_sect);
    }
    return sects;
}

} // namespace

void C_Mgr_D_Sect::M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_View_Open(C_D_Group_Sect* i_p_Group)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_View_Open";
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    G_Fn_Group_Check(*this, i_p_Group, s_Function);
    M_Fn_Frames(G_Fn_Sects(*i_p_Group, s_Function), true, s_Function);
}

void C_Mgr_D_Sect::M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_View_Close(C_D_Group_Sect* i_p_Group)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_View_Close";
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    G_Fn_Group_Check(*this, i_p_Group, s_Function);
    M_Fn_Frames(G_Fn_Sects(*i_p_Group, s_Function), false, s_Function);
}

void C_Mgr_D_Sect::M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_Delete(C_D_Group_Sect* i_p_Group)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_Delete";
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    G_Fn_Group_Check(*this, i_p_Group, s_Function);
    const std::uint32_t g = i_p_Group->m_Index;
    const std::vector<C_Sect*> sects = G_Fn_Sects(*i_p_Group, s_Function);
    M_Fn_Entry_Run(L"Delete section group", [&](const T_sp_Elem_Group& ro_sp_Group) {
        for (C_Sect* p_sect : sects)
            ro_sp_Group->M_Fn_Child_Add_and_Execute(
                std::make_shared<N_Cmd::C_Elem_D_Sect_Individual_Remove_At>(m_p_Proj, g, p_sect->m_Title_Number_2));
        ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Sect_Group_Remove_At>(m_p_Proj, g));
    });
}

void C_Mgr_D_Sect::M_Fn_UI_Tree_Proj_D_Sect_G_I_On_Cmd_Popup_Delete(C_Sect* i_p_Sect)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_UI_Tree_Proj_D_Sect_G_I_On_Cmd_Popup_Delete";
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    if (!i_p_Sect || i_p_Sect->M_Fn_Get_Proj() != m_p_Proj || i_p_Sect->m_Title_Number_1 == 0)
        VT_THROW(s_Function);
    const std::uint32_t g = i_p_Sect->m_Title_Number_1;
    const std::uint32_t i = i_p_Sect->m_Title_Number_2;
    M_Fn_Entry_Run(L"Delete section", [&](const T_sp_Elem_Group& ro_sp_Group) {
        ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Sect_Individual_Remove_At>(m_p_Proj, g, i));
        const T_sp_Group& sp_group = m_Groups.at(g);
        if (!sp_group)
            VT_THROW(s_Function);
        if (sp_group->M_Fn_Is_Empty())
            ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Sect_Group_Remove_At>(m_p_Proj, g));
    });
}

} // namespace N_Biz::N_Proj
