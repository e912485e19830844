#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "ui/UI_App.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Frame_Main.h"
#include "ui/UI_MDI_Menu.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_View_Main.h"

namespace N_UI::N_MDI::N_Proj {

namespace {

using namespace N_Cmd;
using C_Item = N_MDI::C_Menu_Item;
const C_Item G_Sep{0, nullptr, {}};

// The project menus between File and View: Edit (with the select & edit modes and the material,
// property, node, element, model and section commands) and Display.
const C_Item G_Menus[] = {
    {0, L"&Edit", {
        {E_Id_Edit_Undo, L"&Undo", {}},
        {E_Id_Edit_Redo, L"&Redo", {}},
        G_Sep,
        {E_Id_Edit_Cut, L"Cu&t", {}},
        {E_Id_Edit_Copy, L"&Copy", {}},
        {E_Id_Edit_Paste, L"&Paste", {}},
        G_Sep,
        {E_Id_Edit_Create, L"Cre&ate", {}},
        {E_Id_Edit_Delete, L"&Delete", {}},
        {E_Id_Edit_Modify, L"Modi&fy", {}},
        {E_Id_Edit_Move, L"Mo&ve", {}},
        G_Sep,
        {E_Id_Edit_Palette_Sel, L"Pick Property By Selected", {}},
        {E_Id_Edit_Palette_List, L"Pick Property From List", {}},
        G_Sep,
        {E_Id_Edit_Hide_Sel, L"Hide Selected", {}},
        {E_Id_Edit_Hide_Unsel, L"Hide Unselected", {}},
        {E_Id_Edit_Hide_Reverse, L"Reverse Hide/Unhide", {}},
        {E_Id_Edit_Hide_Cancel_All, L"Unhide All Objects", {}},
        {E_Id_Edit_Hide_Cancel_Type, L"Unhide All Type Of Objects", {}},
        G_Sep,
        {0, L"&Select && Edit Mode", {
            {E_Id_Edit_Sel_Material, L"Select &Material", {}},
            {E_Id_Edit_Sel_Property, L"Select &Property", {}},
            {E_Id_Edit_Sel_Node, L"Select &Node", {}},
            {E_Id_Edit_Sel_Element, L"Select &Element", {}},
            {E_Id_Edit_Sel_Model, L"Select &Model", {}},
            {E_Id_Edit_Sel_Sect, L"Select &Section", {}},
        }},
        {0, L"Material", {
            {E_Id_Proj_Edit_D_DB_C_M_List, L"Show Material List", {}},
            {E_Id_Proj_Edit_D_DB_C_M_Create, L"Create New", {}},
            {E_Id_Proj_Edit_D_DB_C_M_Modify, L"Modify Selected", {}},
            G_Sep,
            {E_Id_Proj_Edit_D_DB_C_M_Hide_Sel, L"Hide Selected", {}},
            {E_Id_Proj_Edit_D_DB_C_M_Hide_Unsel, L"Hide Unselected", {}},
            {E_Id_Proj_Edit_D_DB_C_M_Hide_Reverse, L"Reverse Hide / Show", {}},
            {E_Id_Proj_Edit_D_DB_C_M_Hide_Cancel_All, L"Unhide All Materials", {}},
        }},
        {0, L"Property", {
            {E_Id_Proj_Edit_D_DB_C_P_Hide_Sel, L"Hide Selected", {}},
            {E_Id_Proj_Edit_D_DB_C_P_Hide_Unsel, L"Hide Unselected", {}},
            {E_Id_Proj_Edit_D_DB_C_P_Hide_Reverse, L"Reverse Hide / Show", {}},
            {E_Id_Proj_Edit_D_DB_C_P_Hide_Cancel_All, L"Unhide All Properties", {}},
            G_Sep,
            {E_Id_Proj_Edit_D_DB_C_P_Palette_Sel, L"Pick Property By Selected", {}},
            G_Sep,
            {E_Id_Proj_Edit_D_DB_C_P_List, L"Show Property List", {}},
            {E_Id_Proj_Edit_D_DB_C_P_Create, L"Create New", {}},
            {E_Id_Proj_Edit_D_DB_C_P_Modify, L"Modify Selected", {}},
            {E_Id_Proj_Edit_D_DB_C_P_Reconnect_C_M, L"Reconnected Selected's Material", {}},
            {E_Id_Proj_Edit_D_DB_C_P_Reconnect_C_S, L"Reconnected Selected's Section", {}},
        }},
        {0, L"Node", {
            {E_Id_Proj_Edit_D_DB_N_Set_Center, L"Set Rotate Center", {}},
            {E_Id_Proj_Edit_D_DB_N_Modify, L"Modify Selected", {}},
        }},
        {0, L"Element", {
            {E_Id_Proj_Edit_D_DB_E_Modify, L"Modify Selected", {}},
            {E_Id_Proj_Edit_D_DB_E_Reconnect_C_P, L"Reconnected Selected's Property", {}},
            G_Sep,
            {E_Id_Proj_Edit_D_DB_E_Hide_Sel, L"Hide Selected", {}},
            {E_Id_Proj_Edit_D_DB_E_Hide_Unsel, L"Hide Unselected", {}},
            {E_Id_Proj_Edit_D_DB_E_Hide_Reverse, L"Reverse Hide / Show", {}},
            {E_Id_Proj_Edit_D_DB_E_Hide_Cancel_All, L"Unhide All Elements", {}},
        }},
        {0, L"Model", {
            {E_Id_Proj_Edit_D_M_I_Dyna, L"Import Dyna", {}},
            {E_Id_Proj_Edit_D_M_I_Nastran, L"IMport Nastran", {}},
        }},
        {0, L"Section", {
            {E_Id_Proj_Edit_D_S_Import, L"Import", {}},
            G_Sep,
            {E_Id_Proj_Edit_D_S_Create, L"Create New Group", {}},
            {E_Id_Proj_Edit_D_S_Insert, L"Insert Beside Selected", {}},
            {E_Id_Proj_Edit_D_S_Redirect, L"Redirect Selected's Group", {}},
            {E_Id_Proj_Edit_D_S_Move, L"Move Selected", {}},
            {E_Id_Proj_Edit_D_S_Delete, L"Delete Selected", {}},
            G_Sep,
            {E_Id_Proj_Edit_D_S_View_Open, L"Open Selected Section's View", {}},
            {E_Id_Proj_Edit_D_S_View_Close, L"Close Selected Section's View", {}},
        }},
    }},
    {0, L"&Display", {
        {E_Id_Proj_View_Reset, L"Reset", {}},
        {E_Id_Proj_View_Adjust, L"Adjust", {}},
        {E_Id_Proj_View_Center, L"Center", {}},
        G_Sep,
        {E_Id_Proj_View_XY, L"Top", {}},
        {E_Id_Proj_View_YX, L"Bottom", {}},
        {E_Id_Proj_View_ZX, L"Right", {}},
        {E_Id_Proj_View_XZ, L"Left", {}},
        {E_Id_Proj_View_YZ, L"Back", {}},
        {E_Id_Proj_View_ZY, L"Front", {}},
        G_Sep,
        {0, L"Model Mode", {
            {E_Id_Proj_Disp_M_Hide, L"Hide", {}},
            {E_Id_Proj_Disp_M_Grid, L"Grid", {}},
            {E_Id_Proj_Disp_M_Mesh, L"Mesh", {}},
            {E_Id_Proj_Disp_M_Shade, L"Shade", {}},
        }},
        {0, L"Color Mode", {
            {E_Id_Proj_Disp_C_Material, L"Material", {}},
            {E_Id_Proj_Disp_C_Property, L"Property", {}},
        }},
        G_Sep,
        {E_Id_Proj_Disp_S_Edge, L"Toggle show edge on shade mode", {}},
        {E_Id_Proj_Disp_S_Sys_Coord, L"Toggle show coordinate system", {}},
        {E_Id_Proj_Disp_Print_Mode, L"Toggle print mode", {}},
    }},
};

} // namespace

wxMenuBar* C_Wnd_Frame_Child::S_Fn_Menu_Bar_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main)
{
    wxMenuBar* p_bar = i_p_Main->M_Fn_Menu_Bar_Create();
    std::size_t position = 1; // after File
    for (const C_Item& menu : G_Menus)
        p_bar->Insert(position++, G_Fn_Menu(menu.m_Sub), menu.m_Text);
    return p_bar;
}

C_Wnd_Frame_Child::C_Wnd_Frame_Child(C_Doc* i_p_Doc) : m_p_Doc(i_p_Doc)
{
    Bind(wxEVT_ACTIVATE, &C_Wnd_Frame_Child::M_Fn_On_Activate, this);
    Bind(wxEVT_CLOSE_WINDOW, &C_Wnd_Frame_Child::M_Fn_On_Close, this);
}

C_Wnd_Frame_Child::~C_Wnd_Frame_Child()
{
    if (m_p_Doc)
        m_p_Doc->M_Fn_Frame_Forget(this);
    if (C_App_UI* p_app = C_App_UI::S_Fn_Get())
        if (C_Wnd_Frame_Main* p_main = p_app->M_Fn_Frame_Get())
            p_main->M_Fn_Menu_Bar_Release(GetMenuBar());
}

bool C_Wnd_Frame_Child::M_Fn_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main)
{
    N_Biz::N_Proj::C_Proj& proj = m_p_Doc->M_Fn_Get_Proj();
    if (!wxAuiMDIChildFrame::Create(i_p_Main, wxID_ANY, proj.M_Fn_Name_Get(), wxDefaultPosition, wxDefaultSize,
                                    wxMINIMIZE))
        return false;
    SetMenuBar(S_Fn_Menu_Bar_Create(i_p_Main));
    m_p_View_Main = new C_Wnd_View_Main(this, &proj);
    if (!m_p_View_Main->M_Fn_Is_OK())
        return false;
    Bind(wxEVT_SIZE, [this](wxSizeEvent& ro_Event) {
        ro_Event.Skip();
        if (m_p_View_Main)
            m_p_View_Main->SetSize(GetClientSize());
    });
    m_p_View_Main->SetSize(GetClientSize());
    Activate();
    // On screen now as a rule: the view registers with the project at once.
    m_p_View_Main->M_Fn_GL_Ready();
    return true;
}

void C_Wnd_Frame_Child::M_Fn_Doc_Detach()
{
    if (m_p_View_Main)
        m_p_View_Main->M_Fn_Detach(true);
    if (m_p_Doc)
        m_p_Doc->M_Fn_Frame_Forget(this);
    m_p_Doc = nullptr;
}

bool C_Wnd_Frame_Child::Destroy()
{
    if (m_p_View_Main)
        m_p_View_Main->M_Fn_Detach(true);
    if (m_p_Doc)
        m_p_Doc->M_Fn_Frame_Forget(this);
    m_p_Doc = nullptr;
    return wxAuiMDIChildFrame::Destroy();
}

bool C_Wnd_Frame_Child::TryBefore(wxEvent& ro_Event)
{
    const wxEventType type = ro_Event.GetEventType();
    if (m_p_Doc && (type == wxEVT_MENU || type == wxEVT_UPDATE_UI) && m_p_Doc->ProcessEventLocally(ro_Event))
        return true;
    return wxAuiMDIChildFrame::TryBefore(ro_Event);
}

void C_Wnd_Frame_Child::M_Fn_On_Activate(wxActivateEvent& ro_Event)
{
    const bool active = ro_Event.GetActive();
    G_Fn_Catch_All("N_UI::N_MDI::N_Proj::C_Wnd_Frame_Child::OnMDIActivate", __FILE__, __LINE__, [&] {
        if (!m_p_Doc)
            return;
        N_Biz::N_Proj::C_Proj& proj = m_p_Doc->M_Fn_Get_Proj();
        if (active) {
            proj.M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Activate);
        } else {
            proj.M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
            proj.M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Deactivate);
        }
    });
}

void C_Wnd_Frame_Child::M_Fn_On_Close(wxCloseEvent&)
{
    // No question: the project and its document stay open.
    Destroy();
}

} // namespace N_UI::N_MDI::N_Proj
