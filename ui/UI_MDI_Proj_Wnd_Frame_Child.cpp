#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_View_Main.h"

namespace N_UI::N_MDI::N_Proj {

namespace {

using namespace N_Cmd;

// The project menus between File and View: Edit (with the select & edit modes and the material,
// property, node, element, model and section commands) and Display.
const C_Menu_Item G_Menus_Proj[] = {
    {0, L"&Edit", {
        {0, nullptr, C_Wnd_Frame_Child::S_Menu_Edit_Head},
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
            G_Menu_Sep,
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
            G_Menu_Sep,
            {E_Id_Proj_Edit_D_DB_C_P_Palette_Sel, L"Pick Property By Selected", {}},
            G_Menu_Sep,
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
            G_Menu_Sep,
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
            G_Menu_Sep,
            {E_Id_Proj_Edit_D_S_Create, L"Create New Group", {}},
            {E_Id_Proj_Edit_D_S_Insert, L"Insert Beside Selected", {}},
            {E_Id_Proj_Edit_D_S_Redirect, L"Redirect Selected's Group", {}},
            {E_Id_Proj_Edit_D_S_Move, L"Move Selected", {}},
            {E_Id_Proj_Edit_D_S_Delete, L"Delete Selected", {}},
            G_Menu_Sep,
            {E_Id_Proj_Edit_D_S_View_Open, L"Open Selected Section's View", {}},
            {E_Id_Proj_Edit_D_S_View_Close, L"Close Selected Section's View", {}},
        }},
    }},
    {0, L"&Display", {
        {E_Id_Proj_View_Reset, L"Reset", {}},
        {E_Id_Proj_View_Adjust, L"Adjust", {}},
        {E_Id_Proj_View_Center, L"Center", {}},
        G_Menu_Sep,
        {E_Id_Proj_View_XY, L"Top", {}},
        {E_Id_Proj_View_YX, L"Bottom", {}},
        {E_Id_Proj_View_ZX, L"Right", {}},
        {E_Id_Proj_View_XZ, L"Left", {}},
        {E_Id_Proj_View_YZ, L"Back", {}},
        {E_Id_Proj_View_ZY, L"Front", {}},
        G_Menu_Sep,
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
        G_Menu_Sep,
        {E_Id_Proj_Disp_S_Edge, L"Toggle show edge on shade mode", {}},
        {E_Id_Proj_Disp_S_Sys_Coord, L"Toggle show coordinate system", {}},
        {E_Id_Proj_Disp_Print_Mode, L"Toggle print mode", {}},
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
    if (!M_Fn_Create_Tab(i_p_Main, M_Fn_Get_Doc()->M_Fn_Get_Proj().M_Fn_Name_Get(), G_Menus_Proj))
        return false;
    // On screen now as a rule: the view registers with the project at once.
    m_p_View_Main->M_Fn_GL_Ready();
    return true;
}

bool C_Wnd_Frame_Child::MV_Fn_Create_Client()
{
    m_p_View_Main = new C_Wnd_View_Main(this, &M_Fn_Get_Doc()->M_Fn_Get_Proj());
    if (!m_p_View_Main->M_Fn_Is_OK())
        return false;
    M_Fn_Client_Fill(m_p_View_Main);
    return true;
}

void C_Wnd_Frame_Child::MV_Fn_Views_Detach(bool i_Notify)
{
    if (m_p_View_Main)
        m_p_View_Main->M_Fn_Detach(i_Notify);
}

void C_Wnd_Frame_Child::MV_Fn_Doc_Leave()
{
    M_Fn_Get_Doc()->M_Fn_Frame_Forget(this);
}

void C_Wnd_Frame_Child::M_Fn_Doc_Detach()
{
    M_Fn_Deactivate_If_Active();
    MV_Fn_Views_Detach(true);
    M_Fn_Doc_Forget();
}

bool C_Wnd_Frame_Child::Destroy()
{
    M_Fn_Doc_Detach();
    return N_MDI::C_Wnd_Frame_Child::Destroy();
}

void C_Wnd_Frame_Child::MV_Fn_Activate(bool i_Active)
{
    G_Fn_Catch_All("N_UI::N_MDI::N_Proj::C_Wnd_Frame_Child::OnMDIActivate", __FILE__, __LINE__, [&] {
        N_Biz::N_Proj::C_Proj& proj = M_Fn_Get_Doc()->M_Fn_Get_Proj();
        if (i_Active) {
            proj.M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Activate);
        } else {
            proj.M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
            proj.M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Deactivate);
        }
    });
}

} // namespace N_UI::N_MDI::N_Proj
