#include "biz/sect/Biz_Sect.h"

#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D_Plane_Set.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Relation_Geom_E_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_Exception.h"

#include <utility>

namespace N_Biz::N_Sect {

N_Biz::N_Proj::C_Proj* C_Sect::S_p_Proj = nullptr;

C_Sect::C_Sect() : m_p_Proj(S_p_Proj)
{
    m_up_Signal = std::make_unique<C_Sect_Signal>(this);
    m_up_Mgr_D_Plane = std::make_unique<C_Mgr_D_Plane>(this);
    m_up_Mgr_D_Geom_P = std::make_unique<C_Mgr_D_Geom_P>(this);
    m_up_Mgr_D_Geom_E = std::make_unique<C_Mgr_D_Geom_E>(this);
    m_up_Mgr_D_Tess_N = std::make_unique<C_Mgr_D_Tess_N>(this);
    m_up_Mgr_D_Tess_E = std::make_unique<C_Mgr_D_Tess_E>(this);
    m_up_Mgr_D_Relation = std::make_unique<C_Mgr_D_Relation_Geom_E_Tess_E>(this);
    m_up_Mgr_D_Sect = std::make_unique<C_Mgr_D_Sect>(this);
    m_up_Mgr_Calc = std::make_unique<C_Mgr_Calc>(this);
    m_up_Mgr_Sel = std::make_unique<C_Mgr_Sel>(this);
    m_up_Mgr_State = std::make_unique<C_Mgr_State>(this);
    m_up_Mgr_State->m_Fn_Signal = [this](std::int32_t i_Code) { M_Fn_Signal_Fire(static_cast<E_Signal>(i_Code)); };
    m_up_Mgr_Doc = std::make_unique<C_Mgr_Doc>(this);
    m_up_Mgr_Frame = std::make_unique<C_Mgr_Frame>(this);
    // After every member exists, so that a refused section is taken apart the ordinary way.
    if (!m_p_Proj)
        VT_THROW("N_Biz::N_Sect::C_Sect::C_Sect");
    M_Fn_Sel_Mode_Set(C_Mgr_Sel::E_Mode_Geometry, L"Select & edit geometry.");
}

C_Sect::~C_Sect()
{
    try {
        M_Fn_Signal_Fire(E_Signal_Destroy);
    } catch (...) {
        N_Biz::N_Proj::C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Sect::C_Sect::~C_Sect", __FILE__, __LINE__);
    }
    try {
        m_up_Mgr_Frame->M_Fn_Frame_Close();
    } catch (...) {
        N_Biz::N_Proj::C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Sect::C_Sect::~C_Sect", __FILE__, __LINE__);
    }
    m_up_Mgr_Frame.reset();
    try {
        m_up_Mgr_Doc->M_Fn_Destroy();
    } catch (...) {
        N_Biz::N_Proj::C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Sect::C_Sect::~C_Sect", __FILE__, __LINE__);
    }
    m_up_Mgr_Doc.reset();
    // The machine may still announce its regions while it goes; the section no longer listens.
    m_up_Mgr_State->m_Fn_Signal = nullptr;
    m_up_Mgr_State.reset();
    m_up_Mgr_Sel.reset();
    m_up_Mgr_Calc.reset();
    m_up_Mgr_D_Sect.reset();
    m_up_Mgr_D_Relation.reset();
    m_up_Mgr_D_Tess_E.reset();
    m_up_Mgr_D_Tess_N.reset();
    m_up_Mgr_D_Geom_E.reset();
    m_up_Mgr_D_Geom_P.reset();
    m_up_Mgr_D_Plane.reset();
    m_up_Signal.reset();
}

// --- project stream ------------------------------------------------------------------------------

E_Result C_Sect::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const
{
    E_Result result = m_up_Mgr_D_Plane->M_Fn_Stream_Serialize_o_O(ro_Stream);
    if (result != E_Result_Success)
        return result;
    result = m_up_Mgr_D_Geom_P->M_Fn_Stream_Serialize_o_O(ro_Stream);
    if (result != E_Result_Success)
        return result;
    return m_up_Mgr_D_Geom_E->M_Fn_Stream_Serialize_o_O(ro_Stream);
}

E_Result C_Sect::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream)
{
    E_Result result = m_up_Mgr_D_Plane->M_Fn_Stream_Serialize_o_I(ro_Stream);
    if (result != E_Result_Success)
        return result;
    // The points are checked against the entities only once those are read; entities that do not
    // fit them must not leave points whose lists name entities that are not there.
    C_Mgr_D_Geom_P::T_Store points_before = m_up_Mgr_D_Geom_P->M_Fn_Get_Store();
    result = m_up_Mgr_D_Geom_P->M_Fn_Stream_Serialize_o_I(ro_Stream);
    if (result != E_Result_Success)
        return result;
    result = m_up_Mgr_D_Geom_E->M_Fn_Stream_Serialize_o_I(ro_Stream);
    if (result != E_Result_Success) {
        m_up_Mgr_D_Geom_P->M_Fn_Stream_Serialize_Restore(points_before);
        return result;
    }
    // The mesh named the entities and points that were just replaced: it goes with them, and the
    // next calculation builds the mesh of the geometry read.
    m_up_Mgr_D_Relation->M_Fn_D_Clear();
    m_up_Mgr_D_Tess_E->M_Fn_D_Clear();
    m_up_Mgr_D_Tess_N->M_Fn_D_Clear();
    m_up_Mgr_Calc->M_Fn_Stale_Set();
    m_up_Mgr_Frame->M_Fn_View_Invalidate(true, true, true, false);
    return E_Result_Success;
}

// --- name and title ------------------------------------------------------------------------------

void C_Sect::M_Fn_Name_Default_Set(N_Biz::N_Proj::C_D_Group_Sect* i_p_Group, const N_UI::N_Tree::C_Signal& ro_Parent)
{
    m_Tree.M_Fn_On_Add_Proj_D_Sect_G_I(i_p_Group, this, ro_Parent);
    const std::wstring title =
        !m_Name.empty() ? m_Name
                        : L"Section " + std::to_wstring(m_Title_Number_1) + L"-" + std::to_wstring(m_Title_Number_2);
    m_up_Mgr_Doc->M_Fn_Title_Set(title);
}

void C_Sect::M_Fn_Title_Set(const std::wstring& i_Title)
{
    m_Title = i_Title;
    if (m_Tree.M_Fn_Is_Connected())
        m_Tree.M_Fn_On_Rename();
}

// --- plane ---------------------------------------------------------------------------------------

int C_Sect::M_Fn_Plane_Set(const std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group,
                           std::shared_ptr<C_D_Plane>& io_sp_Plane)
{
    if (ro_sp_Group) {
        ro_sp_Group->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Plane_Set>(this, io_sp_Plane));
        return 1;
    }
    m_up_Mgr_D_Plane->M_Fn_D_Set(io_sp_Plane);
    io_sp_Plane.reset();
    return 1;
}

C_Sect::C_Vector3f C_Sect::M_Fn_Plane_Local_To_Global_3(const C_Vector3f& ro_Local) const
{
    C_Vector3f global;
    m_up_Mgr_D_Plane->M_Fn_Get_Matrix().M_Fn_Transform_Point(ro_Local, global);
    return global;
}

C_Sect::C_Vector3f C_Sect::M_Fn_Plane_Local_To_Global_2(const C_Vector2f& ro_Local) const
{
    return M_Fn_Plane_Local_To_Global_3(C_Vector3f(ro_Local.x, ro_Local.y, 0.0f));
}

// --- calculation ---------------------------------------------------------------------------------

int C_Sect::M_Fn_Calc_If_Dirty()
{
    return m_up_Mgr_Calc->M_Fn_Update_If_Stale();
}

C_Sect::C_Vector2f C_Sect::M_Fn_Calc_Center_For_Cut_Local_Get()
{
    C_Vector2f center(0.0f, 0.0f);
    if (m_up_Mgr_Calc->M_Fn_Center_For_Cut_Get(center.x, center.y) != 1)
        VT_THROW("N_Biz::N_Sect::C_Sect::M_Fn_Calc_Center_For_Cut_Local_Get");
    return center;
}

std::int32_t C_Sect::M_Fn_Property_Rows_Build(std::vector<std::wstring>& io_Names, C_Result_Rows_Switch& o_Switch) const
{
    io_Names.push_back(L"Name");
    return m_up_Mgr_Calc->M_Fn_Result_Rows_Build(o_Switch, io_Names);
}

// --- select & edit mode --------------------------------------------------------------------------

void C_Sect::M_Fn_Task_Cancel()
{
    m_up_Mgr_State->M_Fn_Post<N_State::C_Event_C_Cancel>();
}

void C_Sect::M_Fn_Sel_Mode_Set(std::uint32_t i_Mode, const wchar_t* i_Prompt)
{
    m_up_Mgr_Sel->M_Fn_Reset(true, true, true, true, false, i_Mode, i_Prompt);
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Material()
{
    M_Fn_Task_Cancel();
    M_Fn_Sel_Mode_Set(C_Mgr_Sel::E_Mode_Material, L"Select & edit materials.");
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Property()
{
    M_Fn_Task_Cancel();
    M_Fn_Sel_Mode_Set(C_Mgr_Sel::E_Mode_Property, L"Select & edit properties.");
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Geometry()
{
    M_Fn_Task_Cancel();
    M_Fn_Sel_Mode_Set(C_Mgr_Sel::E_Mode_Geometry, L"Select & edit geometry.");
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Element()
{
    M_Fn_Task_Cancel();
    M_Fn_Sel_Mode_Set(C_Mgr_Sel::E_Mode_Element, L"Select & edit elements.");
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Sect()
{
    M_Fn_Task_Cancel();
    M_Fn_Sel_Mode_Set(C_Mgr_Sel::E_Mode_Sect, L"Select & edit section.");
}

void C_Sect::M_Fn_Signal_Raise()
{
    M_Fn_Task_Cancel();
    M_Fn_Signal_Fire(E_Signal_Frame_Deactivate);
}

// --- generic edit commands -----------------------------------------------------------------------

namespace {

const wchar_t* const K_Msg_Mode_A =
    L"This command is not suitable for current select & edit mode.\nApplicable mode: Geometry, Material, Property.";
const wchar_t* const K_Msg_Mode_B =
    L"This command is not suitable for current select & edit mode.\nApplicable mode: Geometry.";
const wchar_t* const K_Msg_Mode_C =
    L"This command is not suitable for current select & edit mode.\nApplicable mode: Geometry, Property, Element.";

void G_Fn_Msg(const wchar_t* i_Text)
{
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Msg(i_Text);
}

} // namespace

std::uint32_t C_Sect::M_Fn_Cmd_Mode_Get(const char* i_Function) const
{
    const std::uint32_t mode = m_up_Mgr_Sel->M_Fn_Mode_Get();
    switch (mode) {
    case C_Mgr_Sel::E_Mode_Material:
    case C_Mgr_Sel::E_Mode_Property:
    case C_Mgr_Sel::E_Mode_Geometry:
    case C_Mgr_Sel::E_Mode_Element:
    case C_Mgr_Sel::E_Mode_Sect: return mode;
    default: VT_THROW(i_Function);
    }
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Create()
{
    M_Fn_Task_Cancel();
    switch (M_Fn_Cmd_Mode_Get("N_Biz::N_Sect::C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Create")) {
    case C_Mgr_Sel::E_Mode_Material: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Dlg_Create(); break;
    case C_Mgr_Sel::E_Mode_Property: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Dlg_Create(); break;
    case C_Mgr_Sel::E_Mode_Geometry: m_up_Mgr_D_Geom_E->M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create(); break;
    default: G_Fn_Msg(K_Msg_Mode_A); break;
    }
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Delete()
{
    M_Fn_Task_Cancel();
    if (M_Fn_Cmd_Mode_Get("N_Biz::N_Sect::C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Delete") == C_Mgr_Sel::E_Mode_Geometry)
        m_up_Mgr_D_Geom_E->M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete();
    else
        G_Fn_Msg(K_Msg_Mode_B);
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Modify()
{
    M_Fn_Task_Cancel();
    switch (M_Fn_Cmd_Mode_Get("N_Biz::N_Sect::C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Modify")) {
    case C_Mgr_Sel::E_Mode_Material: m_up_Mgr_State->M_Fn_Post<N_State::C_Event_D_DB_C_M_Modify>(); break;
    case C_Mgr_Sel::E_Mode_Property: m_up_Mgr_State->M_Fn_Post<N_State::C_Event_D_DB_C_P_Modify>(); break;
    case C_Mgr_Sel::E_Mode_Geometry: m_up_Mgr_D_Geom_E->M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify(); break;
    default: G_Fn_Msg(K_Msg_Mode_A); break;
    }
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Move()
{
    M_Fn_Task_Cancel();
    if (M_Fn_Cmd_Mode_Get("N_Biz::N_Sect::C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Move") == C_Mgr_Sel::E_Mode_Geometry)
        m_up_Mgr_D_Geom_E->M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move();
    else
        G_Fn_Msg(K_Msg_Mode_B);
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_Sel()
{
    M_Fn_Task_Cancel();
    switch (M_Fn_Cmd_Mode_Get("N_Biz::N_Sect::C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_Sel")) {
    case C_Mgr_Sel::E_Mode_Property: m_up_Mgr_State->M_Fn_Post<N_State::C_Event_D_DB_C_P_Palette_Sel>(); break;
    case C_Mgr_Sel::E_Mode_Geometry: m_up_Mgr_D_Geom_E->M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_E_P_Palette_Sel(); break;
    case C_Mgr_Sel::E_Mode_Element: m_up_Mgr_State->M_Fn_Post<N_State::C_Event_D_Tess_E_P_Palette_Sel>(); break;
    default: G_Fn_Msg(K_Msg_Mode_C); break;
    }
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_List()
{
    M_Fn_Task_Cancel();
    M_Fn_Cmd_Mode_Get("N_Biz::N_Sect::C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_List");
    m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Dlg_Palette_List();
}

void C_Sect::M_Fn_Doc_On_Cmd_Sect_Dlg()
{
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Port().M_Fn_Dlg_List_Sect(5, *this);
}

// --- marks ---------------------------------------------------------------------------------------

void C_Sect::M_Fn_Mark_Changed(bool i_Calc, bool i_Views_All)
{
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    if (i_Calc)
        m_up_Mgr_Calc->M_Fn_Stale_Set();
    m_up_Mgr_Frame->M_Fn_View_Invalidate(true, i_Views_All, i_Views_All, false);
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Invalidate();
}

} // namespace N_Biz::N_Sect
