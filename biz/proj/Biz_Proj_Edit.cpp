// The project's select & edit mode switches and its Edit commands, which act by that mode.
#include "biz/proj/Biz_Proj.h"

#include "app/App.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Proj {

namespace {

using N_State::C_Machine_Top;

// The refusals of a command that does not suit the select & edit mode.
const wchar_t* const K_Msg_A =
    L"This command is not suitable for current select & edit mode.\nApplicable mode: Material, Property, Section.";
const wchar_t* const K_Msg_B = L"This command is not suitable for current select & edit mode.\nApplicable mode: Section.";
const wchar_t* const K_Msg_C = L"This command is not suitable for current select & edit mode.\nApplicable mode: "
                               L"Material, Property, Node, Element, Section.";
const wchar_t* const K_Msg_D = L"This command is not suitable for current select & edit mode.";
const wchar_t* const K_Msg_E =
    L"This command is not suitable for current select & edit mode.\nApplicable mode: Property, Element.";
const wchar_t* const K_Msg_F =
    L"This command is not suitable for current select & edit mode.\nApplicable mode: Material, Property, Element.";

void G_Fn_Refuse(const wchar_t* i_Text)
{
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Msg(i_Text);
}

// The select & edit modes that the mode switches set.
enum : std::uint32_t {
    K_Mode_C_M = 1,
    K_Mode_C_P = 2,
    K_Mode_N = 5,
    K_Mode_E = 6,
    K_Mode_M = 7,
    K_Mode_S = 8,
};

// The first steps of every Edit command: the running task ends, then the mode is read; a mode
// that no switch sets throws C_Exception naming i_Function.
std::uint32_t G_Fn_Cmd_Begin(C_Proj& ro_Proj, const char* i_Function)
{
    ro_Proj.M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    const std::uint32_t mode = ro_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Get_Mode();
    switch (mode) {
    case K_Mode_C_M:
    case K_Mode_C_P:
    case K_Mode_N:
    case K_Mode_E:
    case K_Mode_M:
    case K_Mode_S: return mode;
    default: VT_THROW(i_Function);
    }
}

void G_Fn_Mode_Switch(C_Proj& ro_Proj, std::uint32_t i_Mode)
{
    ro_Proj.M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    C_Machine_Top::S_Fn_Sel_Mode_Edit_Set(ro_Proj, i_Mode);
}

// The four hide commands: materials, properties and elements hide through their managers.
template <class F_C_M, class F_C_P, class F_E>
void G_Fn_Hide(C_Proj& ro_Proj, const char* i_Function, F_C_M&& i_Fn_C_M, F_C_P&& i_Fn_C_P, F_E&& i_Fn_E)
{
    switch (G_Fn_Cmd_Begin(ro_Proj, i_Function)) {
    case K_Mode_C_M: i_Fn_C_M(ro_Proj.M_Fn_Get_Mgr_D_DB_C_M()); break;
    case K_Mode_C_P: i_Fn_C_P(ro_Proj.M_Fn_Get_Mgr_D_DB_C_P()); break;
    case K_Mode_E: i_Fn_E(ro_Proj.M_Fn_Get_Mgr_D_DB_E()); break;
    default: G_Fn_Refuse(K_Msg_F); break;
    }
}

} // namespace

// --- mode switches -------------------------------------------------------------------------------------

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M() { G_Fn_Mode_Switch(*this, K_Mode_C_M); }
void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_P() { G_Fn_Mode_Switch(*this, K_Mode_C_P); }
void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_N() { G_Fn_Mode_Switch(*this, K_Mode_N); }
void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_E() { G_Fn_Mode_Switch(*this, K_Mode_E); }
void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_M() { G_Fn_Mode_Switch(*this, K_Mode_M); }
void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S() { G_Fn_Mode_Switch(*this, K_Mode_S); }

// --- Edit commands ------------------------------------------------------------------------------------

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Create()
{
    switch (G_Fn_Cmd_Begin(*this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Create")) {
    case K_Mode_C_M: m_up_Mgr_D_DB_C_M->M_Fn_Dlg_Create(); break;
    case K_Mode_C_P: m_up_Mgr_D_DB_C_P->M_Fn_Dlg_Create(); break;
    case K_Mode_S: M_Fn_Event_Post_D_Sect_Group_Create(); break;
    default: G_Fn_Refuse(K_Msg_A); break;
    }
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Delete()
{
    if (G_Fn_Cmd_Begin(*this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Delete") == K_Mode_S)
        m_up_Mgr_State->M_Fn_Post<N_State::C_Event_D_Sect_Individual_Delete>();
    else
        G_Fn_Refuse(K_Msg_B);
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Modify()
{
    switch (G_Fn_Cmd_Begin(*this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Modify")) {
    case K_Mode_C_M: m_up_Mgr_State->M_Fn_Post<N_State::C_Event_D_DB_C_M_Modify>(); break;
    case K_Mode_C_P: m_up_Mgr_State->M_Fn_Post<N_State::C_Event_D_DB_C_P_Modify>(); break;
    case K_Mode_N: m_up_Mgr_State->M_Fn_Post<N_State::C_Event_D_DB_N_Modify>(); break;
    case K_Mode_E: m_up_Mgr_State->M_Fn_Post<N_State::C_Event_D_DB_E_Modify>(); break;
    case K_Mode_S: m_up_Mgr_D_Sect->M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Open(); break;
    default: G_Fn_Refuse(K_Msg_C); break;
    }
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Move()
{
    if (G_Fn_Cmd_Begin(*this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Move") == K_Mode_S)
        M_Fn_Event_Post_D_Sect_Individual_Move();
    else
        G_Fn_Refuse(K_Msg_D);
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_Sel()
{
    switch (G_Fn_Cmd_Begin(*this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_Sel")) {
    case K_Mode_C_P: m_up_Mgr_D_DB_C_P->M_Fn_Proc_Cmd_Palette_Sel_Start(); break;
    case K_Mode_E: M_Fn_Event_Post_D_DB_E_P_Palette_Sel(); break;
    default: G_Fn_Refuse(K_Msg_E); break;
    }
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_List()
{
    G_Fn_Cmd_Begin(*this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_List");
    m_up_Mgr_D_DB_C_P->M_Fn_Dlg_Palette_List();
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Sel()
{
    G_Fn_Hide(
        *this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Sel", [](C_Mgr_D_DB_C_M& m) { m.M_Fn_Hide_Sel(); },
        [](C_Mgr_D_DB_C_P& m) { m.M_Fn_Hide_Sel(); }, [](C_Mgr_D_DB_E& m) { m.M_Fn_Hide_Sel(); });
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Unsel()
{
    G_Fn_Hide(
        *this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Unsel",
        [](C_Mgr_D_DB_C_M& m) { m.M_Fn_Hide_Unsel(); }, [](C_Mgr_D_DB_C_P& m) { m.M_Fn_Hide_Unsel(); },
        [](C_Mgr_D_DB_E& m) { m.M_Fn_Hide_Unsel(); });
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Reverse()
{
    G_Fn_Hide(
        *this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Reverse",
        [](C_Mgr_D_DB_C_M& m) { m.M_Fn_Hide_Reverse(); }, [](C_Mgr_D_DB_C_P& m) { m.M_Fn_Hide_Reverse(); },
        [](C_Mgr_D_DB_E& m) { m.M_Fn_Hide_Reverse(); });
}

void C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Cancel_All()
{
    G_Fn_Hide(
        *this, "N_Biz::N_Proj::C_Proj::M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Cancel_All",
        [](C_Mgr_D_DB_C_M& m) { m.M_Fn_Hide_Cancel_All(); }, [](C_Mgr_D_DB_C_P& m) { m.M_Fn_Hide_Cancel_All(); },
        [](C_Mgr_D_DB_E& m) { m.M_Fn_Hide_Cancel_All(); });
}

// --- task posters ------------------------------------------------------------------------------------------

void C_Proj::M_Fn_Event_Post_D_Sect_Group_Create()
{
    m_up_Mgr_State->M_Fn_Task_Start<N_State::C_Event_D_Sect_Group_Create>();
}

void C_Proj::M_Fn_Event_Post_D_Sect_Individual_Move()
{
    m_up_Mgr_State->M_Fn_Task_Start<N_State::C_Event_D_Sect_Individual_Move>();
}

void C_Proj::M_Fn_Event_Post_D_DB_E_P_Palette_Sel()
{
    m_up_Mgr_State->M_Fn_Task_Start<N_State::C_Event_D_DB_E_P_Palette_Sel>();
}

} // namespace N_Biz::N_Proj
