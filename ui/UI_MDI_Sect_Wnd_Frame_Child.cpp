#include "ui/UI_MDI_Sect_Wnd_Frame_Child.h"

#include "biz/sect/Biz_Sect.h"
#include "ui/UI_App.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Frame_Main.h"
#include "ui/UI_MDI_Menu.h"
#include "ui/UI_MDI_Sect_Doc.h"
#include "ui/UI_MDI_Sect_Wnd_View_Main.h"
#include "ui/UI_MDI_Sect_Wnd_View_R_Graph.h"
#include "ui/UI_MDI_Sect_Wnd_View_R_Sheet.h"

#include <wx/menu.h>
#include <wx/splitter.h>

#include <initializer_list>

namespace N_UI::N_MDI::N_Sect {

namespace {

using C_Item = N_MDI::C_Menu_Item;

using namespace N_Cmd;
const C_Item G_Sep{0, nullptr, {}};

// The section menus between File and View: Edit (with the select & edit modes and the card,
// geometry, element and section commands), Display and Analysis.
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
            {E_Id_Edit_Sel_Geometry, L"Select &Geometry", {}},
            {E_Id_Edit_Sel_Node, L"Select &Node", {}},
            {E_Id_Edit_Sel_Element, L"Select &Element", {}},
        }},
        {0, L"Material", {
            {E_Id_Sect_Edit_D_DB_C_M_List, L"Show Material List", {}},
            {E_Id_Sect_Edit_D_DB_C_M_Create, L"Create New", {}},
            {E_Id_Sect_Edit_D_DB_C_M_Modify, L"Modify Selected", {}},
        }},
        {0, L"Property", {
            {E_Id_Sect_Edit_D_DB_C_P_List, L"Show Property List", {}},
            {E_Id_Sect_Edit_D_DB_C_P_Create, L"Create New", {}},
            {E_Id_Sect_Edit_D_DB_C_P_Modify, L"Modify Selected", {}},
            G_Sep,
            {E_Id_Sect_Edit_D_DB_C_P_Reconnect_C_M, L"Reconnected Selected's Material", {}},
            {E_Id_Sect_Edit_D_DB_C_P_Reconnect_C_S, L"Reconnected Selected's Section", {}},
            G_Sep,
            {E_Id_Sect_Edit_D_DB_C_P_Palette_Sel, L"Pick Property By Selected", {}},
        }},
        {0, L"Geometry", {
            {E_Id_Sect_Edit_D_Geom_C_Point, L"Create Point", {}},
            {E_Id_Sect_Edit_D_Geom_C_Line, L"Create Line", {}},
            {E_Id_Sect_Edit_D_Geom_C_Arc, L"Create Arc", {}},
            {E_Id_Sect_Edit_D_Geom_C_Conics, L"Create Conics", {}},
            {E_Id_Sect_Edit_D_Geom_C_Spline, L"Create Spline", {}},
            G_Sep,
            {E_Id_Sect_Edit_D_Geom_Delete, L"Delete Selected", {}},
            {E_Id_Sect_Edit_D_Geom_Modify, L"Modify Selected", {}},
            G_Sep,
            {E_Id_Sect_Edit_D_Geom_P_Palette_Sel, L"Pick Property By Selected", {}},
        }},
        {0, L"Element", {
            {E_Id_Sect_Edit_D_Tess_P_Palette_Sel, L"Pick Property By Selected", {}},
            G_Sep,
            {E_Id_Sect_Edit_D_Tess_Show_Thk, L"Toggle show thickness", {}},
            {E_Id_Sect_Edit_D_Tess_Show_Loop, L"Toggle show loop", {}},
        }},
        {0, L"Section", {
            {E_Id_Sect_Edit_D_Sect_Export, L"Export IGES Section", {}},
            G_Sep,
            {E_Id_Sect_Edit_D_Sect_Scale, L"Scale Section", {}},
            {E_Id_Sect_Edit_D_Sect_Scale_X, L"Scale Section in X", {}},
            {E_Id_Sect_Edit_D_Sect_Scale_Y, L"Scale Section in Y", {}},
        }},
    }},
    {0, L"&Display", {
        {E_Id_Sect_View_Reset, L"Reset", {}},
        {E_Id_Sect_View_Adjust, L"Adjust", {}},
        {E_Id_Sect_View_Center, L"Center", {}},
        G_Sep,
        {E_Id_Sect_Disp_S_G, L"Toggle show grid guides", {}},
        {E_Id_Sect_Disp_S_N, L"Toggle show nodes", {}},
        {E_Id_Sect_Disp_S_Sys_Coord, L"Toggle show coordinate system", {}},
        {E_Id_Sect_Disp_Print_Mode, L"Toggle print mode", {}},
        G_Sep,
        {0, L"Color Mode", {
            {E_Id_Sect_Disp_C_M, L"Material", {}},
            {E_Id_Sect_Disp_C_P, L"Property", {}},
        }},
    }},
    {0, L"&Analysis", {
        {E_Id_Sect_Anls_Details, L"Analysis Details", {}},
        {E_Id_Sect_Anls_Sensitivity, L"Sensitivity", {}},
        G_Sep,
        {E_Id_Sect_Anls_Result_Copy_As_Compared, L"Copy Result as Compared", {}},
        {E_Id_Sect_Anls_Result_Copy_To_Clipboard, L"Copy Result to Clipboard", {}},
        G_Sep,
        {0, L"Assumption Mode", {
            {E_Id_Sect_Anls_Str_Bound_Upper, L"Upper (All stable post buckling)", {}},
            {E_Id_Sect_Anls_Str_Bound_Lower, L"Lower (Instable if any buckling)", {}},
        }},
        {0, L"Load Case", {
            {E_Id_Sect_Anls_Str_Case_S_F_A_Z_P, L"Axial F+", {}},
            {E_Id_Sect_Anls_Str_Case_S_F_A_Z_N, L"Axial F-", {}},
            {E_Id_Sect_Anls_Str_Case_S_M_B_X_P, L"Bending Mx+", {}},
            {E_Id_Sect_Anls_Str_Case_S_M_B_X_N, L"Bending Mx-", {}},
            {E_Id_Sect_Anls_Str_Case_S_M_B_Y_P, L"Bending My+", {}},
            {E_Id_Sect_Anls_Str_Case_S_M_B_Y_N, L"Bending My-", {}},
        }},
        {0, L"Sheet Option", {
            {E_Id_Sect_Anls_Sheet_Scientific, L"Scientific", {}},
            G_Sep,
            {E_Id_Sect_Anls_Sheet_Show_Max, L"Value: Max", {}},
            {E_Id_Sect_Anls_Sheet_Show_Cri, L"Value: Critical", {}},
            {E_Id_Sect_Anls_Sheet_Show_P_P, L"Value: Corner", {}},
            {E_Id_Sect_Anls_Sheet_Show_P_A, L"Value: Average", {}},
            {E_Id_Sect_Anls_Sheet_Show_P_V, L"Value: Min", {}},
        }},
        G_Sep,
        {E_Id_Sect_Anls_S_Weakest, L"Show weakest element mark", {}},
        {E_Id_Sect_Anls_S_360_Moment_Inertia, L"Show 360\u00B0 moment of inertia", {}},
        {E_Id_Sect_Anls_S_Principal, L"Show principal axes", {}},
        {E_Id_Sect_Anls_S_Shear, L"Show shear center", {}},
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
        m_p_Doc->M_Fn_Frame_Remove(this);
    // The main frame's own part is gone once its window goes; its menu bars went with it then.
    if (C_App_UI* p_app = C_App_UI::S_Fn_Get())
        if (C_Wnd_Frame_Main* p_main = p_app->M_Fn_Frame_Get())
            p_main->M_Fn_Menu_Bar_Release(GetMenuBar());
}

bool C_Wnd_Frame_Child::M_Fn_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main)
{
    // Made as a tab that is not selected yet, so that it is whole when it becomes the active
    // window.
    if (!wxAuiMDIChildFrame::Create(i_p_Main, wxID_ANY, m_p_Doc->M_Fn_Get_Title(), wxDefaultPosition, wxDefaultSize,
                                    wxMINIMIZE))
        return false;
    m_p_Doc->M_Fn_Frame_Add(this);
    SetMenuBar(S_Fn_Menu_Bar_Create(i_p_Main));
    if (!M_Fn_Create_Client())
        return false;
    Activate();
    // On screen now as a rule: the views register with the section at once.
    m_p_View_Main->M_Fn_GL_Ready();
    m_p_View_Graph->M_Fn_GL_Ready();
    return true;
}

bool C_Wnd_Frame_Child::M_Fn_Create_Client()
{
    N_Biz::N_Sect::C_Sect* p_sect = m_p_Doc->M_Fn_Get_Sect();
    m_p_Splitter_Outer = new wxSplitterWindow(this, wxID_ANY, wxDefaultPosition, GetClientSize(),
                                              wxSP_LIVE_UPDATE | wxSP_3DSASH);
    m_p_Splitter_Inner = new wxSplitterWindow(m_p_Splitter_Outer, wxID_ANY, wxDefaultPosition, wxSize(256, 256),
                                              wxSP_LIVE_UPDATE | wxSP_3DSASH);
    m_p_View_Main = new C_Wnd_View_Main(m_p_Splitter_Outer, p_sect, wxSize(100, 100));
    m_p_View_Graph = new C_Wnd_View_R_Graph(m_p_Splitter_Inner, p_sect, wxSize(256, 256));
    m_p_View_Sheet = new C_Wnd_View_R_Sheet(m_p_Splitter_Inner, p_sect, wxSize(256, 100));
    if (!m_p_View_Main->M_Fn_Is_OK() || !m_p_View_Graph->M_Fn_Is_OK())
        return false;

    for (wxSplitterWindow* p_splitter : {m_p_Splitter_Outer, m_p_Splitter_Inner}) {
        p_splitter->SetMinimumPaneSize(32);
        p_splitter->SetSashGravity(0.0);
    }
    m_p_Splitter_Inner->SplitHorizontally(m_p_View_Graph, m_p_View_Sheet, 256);
    m_p_Splitter_Outer->SplitVertically(m_p_Splitter_Inner, m_p_View_Main, 256);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& ro_Event) {
        ro_Event.Skip();
        if (m_p_Splitter_Outer)
            m_p_Splitter_Outer->SetSize(GetClientSize());
    });
    m_p_Splitter_Outer->SetSize(GetClientSize());
    return true;
}

void C_Wnd_Frame_Child::M_Fn_Views_Detach(bool i_Notify)
{
    if (m_p_View_Main)
        m_p_View_Main->M_Fn_Detach(i_Notify);
    if (m_p_View_Graph)
        m_p_View_Graph->M_Fn_Detach(i_Notify);
    if (m_p_View_Sheet)
        m_p_View_Sheet->M_Fn_Detach(i_Notify);
}

void C_Wnd_Frame_Child::M_Fn_Doc_Detach()
{
    // The document goes with its section: the section's view manager may be gone already.
    M_Fn_Views_Detach(false);
    if (m_p_Doc)
        m_p_Doc->M_Fn_Frame_Remove(this);
    m_p_Doc = nullptr;
}

bool C_Wnd_Frame_Child::Destroy()
{
    M_Fn_Views_Detach(true);
    return wxAuiMDIChildFrame::Destroy();
}

bool C_Wnd_Frame_Child::M_Fn_Holds_View(const N_Biz::N_Sect::C_Mgr_Frame::C_View* i_p_View) const
{
    return i_p_View && (i_p_View == m_p_View_Main || i_p_View == m_p_View_Graph || i_p_View == m_p_View_Sheet);
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
    G_Fn_Catch_All("N_UI::N_MDI::N_Sect::C_Wnd_Frame_Child::OnMDIActivate", __FILE__, __LINE__, [&] {
        if (!m_p_Doc)
            return;
        N_Biz::N_Sect::C_Sect* p_sect = m_p_Doc->M_Fn_Get_Sect();
        if (active)
            p_sect->M_Fn_Signal_Fire(N_Biz::N_Sect::E_Signal_Frame_Activate);
        else
            p_sect->M_Fn_Signal_Raise(); // ends the running task, then the deactivation code
    });
}

void C_Wnd_Frame_Child::M_Fn_On_Close(wxCloseEvent&)
{
    // No question: the section and its document stay as they are.
    Destroy();
}

} // namespace N_UI::N_MDI::N_Sect
