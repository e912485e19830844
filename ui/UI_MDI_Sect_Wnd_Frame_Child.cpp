#include "ui/UI_MDI_Sect_Wnd_Frame_Child.h"

#include "biz/sect/Biz_Sect.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Sect_Doc.h"
#include "ui/UI_MDI_Sect_Wnd_View_Main.h"
#include "ui/UI_MDI_Sect_Wnd_View_R_Graph.h"
#include "ui/UI_MDI_Sect_Wnd_View_R_Sheet.h"

#include <wx/splitter.h>

#include <initializer_list>

namespace N_UI::N_MDI::N_Sect {

namespace {

using namespace N_Cmd;

// The section menus between File and View: Edit (with the select & edit modes and the card,
// geometry, element and section commands), Display and Analysis.
const C_Menu_Item G_Menus_Sect[] = {
    {0, L"&Edit", {
        {0, nullptr, C_Wnd_Frame_Child::S_Menu_Edit_Head},
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
            G_Menu_Sep,
            {E_Id_Sect_Edit_D_DB_C_P_Reconnect_C_M, L"Reconnected Selected's Material", {}},
            {E_Id_Sect_Edit_D_DB_C_P_Reconnect_C_S, L"Reconnected Selected's Section", {}},
            G_Menu_Sep,
            {E_Id_Sect_Edit_D_DB_C_P_Palette_Sel, L"Pick Property By Selected", {}},
        }},
        {0, L"Geometry", {
            {E_Id_Sect_Edit_D_Geom_C_Point, L"Create Point", {}},
            {E_Id_Sect_Edit_D_Geom_C_Line, L"Create Line", {}},
            {E_Id_Sect_Edit_D_Geom_C_Arc, L"Create Arc", {}},
            {E_Id_Sect_Edit_D_Geom_C_Conics, L"Create Conics", {}},
            {E_Id_Sect_Edit_D_Geom_C_Spline, L"Create Spline", {}},
            G_Menu_Sep,
            {E_Id_Sect_Edit_D_Geom_Delete, L"Delete Selected", {}},
            {E_Id_Sect_Edit_D_Geom_Modify, L"Modify Selected", {}},
            G_Menu_Sep,
            {E_Id_Sect_Edit_D_Geom_P_Palette_Sel, L"Pick Property By Selected", {}},
        }},
        {0, L"Element", {
            {E_Id_Sect_Edit_D_Tess_P_Palette_Sel, L"Pick Property By Selected", {}},
            G_Menu_Sep,
            {E_Id_Sect_Edit_D_Tess_Show_Thk, L"Toggle show thickness", {}},
            {E_Id_Sect_Edit_D_Tess_Show_Loop, L"Toggle show loop", {}},
        }},
        {0, L"Section", {
            {E_Id_Sect_Edit_D_Sect_Export, L"Export IGES Section", {}},
            G_Menu_Sep,
            {E_Id_Sect_Edit_D_Sect_Scale, L"Scale Section", {}},
            {E_Id_Sect_Edit_D_Sect_Scale_X, L"Scale Section in X", {}},
            {E_Id_Sect_Edit_D_Sect_Scale_Y, L"Scale Section in Y", {}},
        }},
    }},
    {0, L"&Display", {
        {E_Id_Sect_View_Reset, L"Reset", {}},
        {E_Id_Sect_View_Adjust, L"Adjust", {}},
        {E_Id_Sect_View_Center, L"Center", {}},
        G_Menu_Sep,
        {E_Id_Sect_Disp_S_G, L"Toggle show grid guides", {}},
        {E_Id_Sect_Disp_S_N, L"Toggle show nodes", {}},
        {E_Id_Sect_Disp_S_Sys_Coord, L"Toggle show coordinate system", {}},
        {E_Id_Sect_Disp_Print_Mode, L"Toggle print mode", {}},
        G_Menu_Sep,
        {0, L"Color Mode", {
            {E_Id_Sect_Disp_C_M, L"Material", {}},
            {E_Id_Sect_Disp_C_P, L"Property", {}},
        }},
    }},
    {0, L"&Analysis", {
        {E_Id_Sect_Anls_Details, L"Analysis Details", {}},
        {E_Id_Sect_Anls_Sensitivity, L"Sensitivity", {}},
        G_Menu_Sep,
        {E_Id_Sect_Anls_Result_Copy_As_Compared, L"Copy Result as Compared", {}},
        {E_Id_Sect_Anls_Result_Copy_To_Clipboard, L"Copy Result to Clipboard", {}},
        G_Menu_Sep,
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
            G_Menu_Sep,
            {E_Id_Sect_Anls_Sheet_Show_Max, L"Value: Max", {}},
            {E_Id_Sect_Anls_Sheet_Show_Cri, L"Value: Critical", {}},
            {E_Id_Sect_Anls_Sheet_Show_P_P, L"Value: Corner", {}},
            {E_Id_Sect_Anls_Sheet_Show_P_A, L"Value: Average", {}},
            {E_Id_Sect_Anls_Sheet_Show_P_V, L"Value: Min", {}},
        }},
        G_Menu_Sep,
        {E_Id_Sect_Anls_S_Weakest, L"Show weakest element mark", {}},
        {E_Id_Sect_Anls_S_360_Moment_Inertia, L"Show 360\u00B0 moment of inertia", {}},
        {E_Id_Sect_Anls_S_Principal, L"Show principal axes", {}},
        {E_Id_Sect_Anls_S_Shear, L"Show shear center", {}},
    }},
};

} // namespace

C_Wnd_Frame_Child::C_Wnd_Frame_Child(C_Doc* i_p_Doc) : N_MDI::C_Wnd_Frame_Child(i_p_Doc) {}

C_Doc* C_Wnd_Frame_Child::M_Fn_Get_Doc() const
{
    return static_cast<C_Doc*>(M_Fn_Get_Doc_Handler());
}

bool C_Wnd_Frame_Child::M_Fn_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main)
{
    if (!M_Fn_Create_Tab(i_p_Main, M_Fn_Get_Doc()->M_Fn_Get_Title(), G_Menus_Sect))
        return false;
    // On screen now as a rule: the views register with the section at once.
    m_p_View_Main->M_Fn_GL_Ready();
    m_p_View_Graph->M_Fn_GL_Ready();
    return true;
}

bool C_Wnd_Frame_Child::MV_Fn_Create_Client()
{
    N_Biz::N_Sect::C_Sect* p_sect = M_Fn_Get_Doc()->M_Fn_Get_Sect();
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
    M_Fn_Client_Fill(m_p_Splitter_Outer);
    return true;
}

void C_Wnd_Frame_Child::MV_Fn_Views_Detach(bool i_Notify)
{
    if (m_p_View_Main)
        m_p_View_Main->M_Fn_Detach(i_Notify);
    if (m_p_View_Graph)
        m_p_View_Graph->M_Fn_Detach(i_Notify);
    if (m_p_View_Sheet)
        m_p_View_Sheet->M_Fn_Detach(i_Notify);
}

bool C_Wnd_Frame_Child::M_Fn_Holds_View(const N_Biz::N_Sect::C_Mgr_Frame::C_View* i_p_View) const
{
    return i_p_View && (i_p_View == m_p_View_Main || i_p_View == m_p_View_Graph || i_p_View == m_p_View_Sheet);
}

void C_Wnd_Frame_Child::MV_Fn_Doc_Join()
{
    M_Fn_Get_Doc()->M_Fn_Frame_Add(this);
}

void C_Wnd_Frame_Child::MV_Fn_Doc_Leave()
{
    M_Fn_Get_Doc()->M_Fn_Frame_Remove(this);
}

void C_Wnd_Frame_Child::M_Fn_Doc_Detach()
{
    // The document goes with its section: the section's view manager may be gone already.
    MV_Fn_Views_Detach(false);
    M_Fn_Doc_Forget();
}

void C_Wnd_Frame_Child::MV_Fn_Activate(bool i_Active)
{
    G_Fn_Catch_All("N_UI::N_MDI::N_Sect::C_Wnd_Frame_Child::OnMDIActivate", __FILE__, __LINE__, [&] {
        N_Biz::N_Sect::C_Sect* p_sect = M_Fn_Get_Doc()->M_Fn_Get_Sect();
        if (i_Active)
            p_sect->M_Fn_Signal_Fire(N_Biz::N_Sect::E_Signal_Frame_Activate);
        else
            p_sect->M_Fn_Signal_Raise(); // ends the running task, then the deactivation code
    });
}

} // namespace N_UI::N_MDI::N_Sect
