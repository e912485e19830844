#include "ui/UI_Tree_Data_Elem.h"

#include "biz/db/Biz_DB_Obj_Ops.h"
#include "biz/db/Biz_DB_Row.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_D_Group_Sect.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <sstream>
#include <vector>

namespace N_UI::N_Tree {

using N_Biz::N_Proj::C_Dlg;

namespace {

// The value of the card's name column as text. No name column: C_Exception.
std::wstring G_Fn_Row_Name(N_Biz::N_DB::C_Row* i_p_Row, const char* i_Function)
{
    if (!i_p_Row)
        VT_THROW(i_Function);
    std::vector<N_Biz::N_DB::C_Route_Request> requests(1);
    requests[0].m_Id = N_Biz::N_DB::E_Id_Column_Name;
    i_p_Row->M_Fn_Select_multiple_List(requests, nullptr, true);
    const N_Biz::N_DB::C_Visitor_Field& field = requests[0].m_Visitor;
    if (field.M_Fn_Is_Empty())
        VT_THROW(i_Function);
    switch (field.M_Fn_Type()) {
    case N_Biz::N_DB::E_Type_Obj_wstring: return field.M_Fn_Get<std::wstring>();
    case N_Biz::N_DB::E_Type_Obj_string: return N_Common::N_String::G_Fn_To_Wide(field.M_Fn_Get<std::string>());
    default: break;
    }
    if (field.M_Fn_Is_Virtual())
        VT_THROW(i_Function);
    std::wostringstream text;
    N_Biz::N_DB::G_Fn_Obj_Ops(field.M_Fn_Type()).m_pfn_WText_O(field.M_Fn_Value(), text);
    return text.str();
}

// The project of a manager; none: C_Exception.
template <class T_Mgr>
N_Biz::N_Proj::C_Proj& G_Fn_Proj(T_Mgr* i_p_Mgr, const char* i_Function)
{
    if (!i_p_Mgr || !i_p_Mgr->M_Fn_Get_Proj())
        VT_THROW(i_Function);
    return *i_p_Mgr->M_Fn_Get_Proj();
}

// Cancel, then the property dialog for a card of kind i_Kind in mode i_Mode.
template <class T_Mgr>
void G_Fn_Dlg_Property(T_Mgr* i_p_Mgr, std::uint32_t i_Mode, std::uint32_t i_Kind, N_Biz::N_DB::C_Row_Relation* i_p_Row,
                       const char* i_Function)
{
    N_Biz::N_Proj::C_Proj& proj = G_Fn_Proj(i_p_Mgr, i_Function);
    proj.M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    C_Dlg::S_Fn_Property_Run(proj, i_Mode, i_Kind, i_p_Row);
}

// Cancel, then the list dialog of kind i_Kind.
template <class T_Mgr>
void G_Fn_Dlg_List(T_Mgr* i_p_Mgr, std::uint32_t i_Kind, const char* i_Function)
{
    N_Biz::N_Proj::C_Proj& proj = G_Fn_Proj(i_p_Mgr, i_Function);
    proj.M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    C_Dlg::S_Fn_List_Run(proj, i_Kind, C_Dlg::E_Mode_List_Show);
}

} // namespace

// --- project ---------------------------------------------------------------------------------------

std::wstring C_Data_Elem_Proj::MV_Fn_Get_string_Text() const
{
    if (!m_p_Proj)
        VT_THROW("N_UI::N_Tree::C_Data_Elem_Proj::MV_Fn_Get_string_Text");
    return m_p_Proj->M_Fn_Name_Get();
}

void C_Data_Elem_Proj::MV_Fn_On_Cmd_View_Open()
{
    if (!m_p_Proj)
        VT_THROW("N_UI::N_Tree::C_Data_Elem_Proj::MV_Fn_On_Cmd_View_Open");
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
}

void C_Data_Elem_Proj::MV_Fn_On_Cmd_View_Close()
{
    if (!m_p_Proj)
        VT_THROW("N_UI::N_Tree::C_Data_Elem_Proj::MV_Fn_On_Cmd_View_Close");
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Close();
}

// --- materials and properties ----------------------------------------------------------------------

void C_Data_Elem_Proj_D_DB_C_M_Mgr::MV_Fn_On_Cmd_List()
{
    G_Fn_Dlg_List(m_p_Mgr, C_Dlg::E_Kind_C_M, "N_UI::N_Tree::C_Data_Elem_Proj_D_DB_C_M_Mgr::MV_Fn_On_Cmd_List");
}

void C_Data_Elem_Proj_D_DB_C_M_Mgr::MV_Fn_On_Cmd_Create()
{
    G_Fn_Dlg_Property(m_p_Mgr, C_Dlg::E_Mode_Property_Create, C_Dlg::E_Kind_C_M, nullptr,
                      "N_UI::N_Tree::C_Data_Elem_Proj_D_DB_C_M_Mgr::MV_Fn_On_Cmd_Create");
}

std::wstring C_Data_Elem_Proj_D_DB_C_M_Mgr_I::MV_Fn_Get_string_Text() const
{
    return G_Fn_Row_Name(m_p_Row, "N_UI::N_Tree::C_Data_Elem_Proj_D_DB_C_M_Mgr_I::MV_Fn_Get_string_Text");
}

void C_Data_Elem_Proj_D_DB_C_M_Mgr_I::MV_Fn_On_Cmd_Detail()
{
    G_Fn_Dlg_Property(m_p_Mgr, C_Dlg::E_Mode_Property_Modify, C_Dlg::E_Kind_C_M, m_p_Row,
                      "N_UI::N_Tree::C_Data_Elem_Proj_D_DB_C_M_Mgr_I::MV_Fn_On_Cmd_Detail");
}

void C_Data_Elem_Proj_D_DB_C_P_Mgr::MV_Fn_On_Cmd_List()
{
    G_Fn_Dlg_List(m_p_Mgr, C_Dlg::E_Kind_C_P, "N_UI::N_Tree::C_Data_Elem_Proj_D_DB_C_P_Mgr::MV_Fn_On_Cmd_List");
}

void C_Data_Elem_Proj_D_DB_C_P_Mgr::MV_Fn_On_Cmd_Create()
{
    G_Fn_Dlg_Property(m_p_Mgr, C_Dlg::E_Mode_Property_Create, C_Dlg::E_Kind_C_P, nullptr,
                      "N_UI::N_Tree::C_Data_Elem_Proj_D_DB_C_P_Mgr::MV_Fn_On_Cmd_Create");
}

std::wstring C_Data_Elem_Proj_D_DB_C_P_Mgr_I::MV_Fn_Get_string_Text() const
{
    return G_Fn_Row_Name(m_p_Row, "N_UI::N_Tree::C_Data_Elem_Proj_D_DB_C_P_Mgr_I::MV_Fn_Get_string_Text");
}

void C_Data_Elem_Proj_D_DB_C_P_Mgr_I::MV_Fn_On_Cmd_Detail()
{
    G_Fn_Dlg_Property(m_p_Mgr, C_Dlg::E_Mode_Property_Modify, C_Dlg::E_Kind_C_P, m_p_Row,
                      "N_UI::N_Tree::C_Data_Elem_Proj_D_DB_C_P_Mgr_I::MV_Fn_On_Cmd_Detail");
}

// --- models ----------------------------------------------------------------------------------------

std::wstring C_Data_Elem_Proj_D_Model_Mgr_I::MV_Fn_Get_string_Text() const
{
    if (!m_p_Model)
        VT_THROW("N_UI::N_Tree::C_Data_Elem_Proj_D_Model_Mgr_I::MV_Fn_Get_string_Text");
    return m_p_Model->M_Fn_Name_Get();
}

// --- section groups and sections -------------------------------------------------------------------

std::wstring C_Data_Elem_Proj_D_Sect_G::MV_Fn_Get_string_Text() const
{
    if (!m_p_Group)
        VT_THROW("N_UI::N_Tree::C_Data_Elem_Proj_D_Sect_G::MV_Fn_Get_string_Text");
    return L"Section Group " + std::to_wstring(m_p_Group->m_Index) + L":";
}

void C_Data_Elem_Proj_D_Sect_G::MV_Fn_On_Cmd_View_Open()
{
    if (!m_p_Mgr)
        VT_THROW("N_UI::N_Tree::C_Data_Elem_Proj_D_Sect_G::MV_Fn_On_Cmd_View_Open");
    m_p_Mgr->M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_View_Open(m_p_Group);
}

void C_Data_Elem_Proj_D_Sect_G::MV_Fn_On_Cmd_View_Close()
{
    if (!m_p_Mgr)
        VT_THROW("N_UI::N_Tree::C_Data_Elem_Proj_D_Sect_G::MV_Fn_On_Cmd_View_Close");
    m_p_Mgr->M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_View_Close(m_p_Group);
}

void C_Data_Elem_Proj_D_Sect_G::MV_Fn_On_Cmd_List()
{
    G_Fn_Proj(m_p_Mgr, "N_UI::N_Tree::C_Data_Elem_Proj_D_Sect_G::MV_Fn_On_Cmd_List").M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
}

void C_Data_Elem_Proj_D_Sect_G::MV_Fn_On_Cmd_Delete()
{
    if (!m_p_Mgr)
        VT_THROW("N_UI::N_Tree::C_Data_Elem_Proj_D_Sect_G::MV_Fn_On_Cmd_Delete");
    m_p_Mgr->M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_Delete(m_p_Group);
}

std::wstring C_Data_Elem_Proj_D_Sect_G_I::MV_Fn_Get_string_Text() const
{
    if (!m_p_Sect)
        VT_THROW("N_UI::N_Tree::C_Data_Elem_Proj_D_Sect_G_I::MV_Fn_Get_string_Text");
    return m_p_Sect->M_Fn_Title_Get();
}

namespace {

N_Biz::N_Proj::C_Proj& G_Fn_Sect_Proj(N_Biz::N_Sect::C_Sect* i_p_Sect, const char* i_Function)
{
    if (!i_p_Sect || !i_p_Sect->M_Fn_Get_Proj())
        VT_THROW(i_Function);
    return *i_p_Sect->M_Fn_Get_Proj();
}

} // namespace

void C_Data_Elem_Proj_D_Sect_G_I::MV_Fn_On_Cmd_View_Open()
{
    G_Fn_Sect_Proj(m_p_Sect, "N_UI::N_Tree::C_Data_Elem_Proj_D_Sect_G_I::MV_Fn_On_Cmd_View_Open")
        .M_Fn_Get_Mgr_State()
        .M_Fn_Post_Cancel();
    m_p_Sect->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
}

void C_Data_Elem_Proj_D_Sect_G_I::MV_Fn_On_Cmd_View_Close()
{
    G_Fn_Sect_Proj(m_p_Sect, "N_UI::N_Tree::C_Data_Elem_Proj_D_Sect_G_I::MV_Fn_On_Cmd_View_Close")
        .M_Fn_Get_Mgr_State()
        .M_Fn_Post_Cancel();
    m_p_Sect->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Close();
}

void C_Data_Elem_Proj_D_Sect_G_I::MV_Fn_On_Cmd_Delete()
{
    G_Fn_Sect_Proj(m_p_Sect, "N_UI::N_Tree::C_Data_Elem_Proj_D_Sect_G_I::MV_Fn_On_Cmd_Delete")
        .M_Fn_Get_Mgr_D_Sect()
        .M_Fn_UI_Tree_Proj_D_Sect_G_I_On_Cmd_Popup_Delete(m_p_Sect);
}

// --- the maker -------------------------------------------------------------------------------------

C_Tree_Port::T_sp_Elem C_Elem_Maker::M_Fn_Elem_New_Proj(N_Biz::N_Proj::C_Proj* i_p_Proj)
{
    return std::make_shared<C_Data_Elem_Proj>(i_p_Proj);
}

C_Tree_Port::T_sp_Elem C_Elem_Maker::M_Fn_Elem_New_C_M_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr)
{
    return std::make_shared<C_Data_Elem_Proj_D_DB_C_M_Mgr>(i_p_Mgr);
}

C_Tree_Port::T_sp_Elem C_Elem_Maker::M_Fn_Elem_New_C_M_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_M* i_p_Mgr,
                                                             N_Biz::N_DB::C_Row_C_Material* i_p_Row)
{
    return std::make_shared<C_Data_Elem_Proj_D_DB_C_M_Mgr_I>(i_p_Mgr, i_p_Row);
}

C_Tree_Port::T_sp_Elem C_Elem_Maker::M_Fn_Elem_New_C_P_Mgr(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr)
{
    return std::make_shared<C_Data_Elem_Proj_D_DB_C_P_Mgr>(i_p_Mgr);
}

C_Tree_Port::T_sp_Elem C_Elem_Maker::M_Fn_Elem_New_C_P_Mgr_I(N_Biz::N_Proj::C_Mgr_D_DB_C_P* i_p_Mgr,
                                                             N_Biz::N_DB::C_Row_C_Property* i_p_Row)
{
    return std::make_shared<C_Data_Elem_Proj_D_DB_C_P_Mgr_I>(i_p_Mgr, i_p_Row);
}

C_Tree_Port::T_sp_Elem C_Elem_Maker::M_Fn_Elem_New_Model_Mgr(N_Biz::N_Proj::C_Mgr_D_Model* i_p_Mgr)
{
    return std::make_shared<C_Data_Elem_Proj_D_Model_Mgr>(i_p_Mgr);
}

C_Tree_Port::T_sp_Elem C_Elem_Maker::M_Fn_Elem_New_Model_Mgr_I(N_Biz::N_Model::C_Model* i_p_Model)
{
    return std::make_shared<C_Data_Elem_Proj_D_Model_Mgr_I>(i_p_Model);
}

C_Tree_Port::T_sp_Elem C_Elem_Maker::M_Fn_Elem_New_Sect_G(N_Biz::N_Proj::C_Mgr_D_Sect* i_p_Mgr,
                                                          N_Biz::N_Proj::C_D_Group_Sect* i_p_Group)
{
    return std::make_shared<C_Data_Elem_Proj_D_Sect_G>(i_p_Mgr, i_p_Group);
}

C_Tree_Port::T_sp_Elem C_Elem_Maker::M_Fn_Elem_New_Sect_G_I(N_Biz::N_Proj::C_D_Group_Sect* i_p_Group,
                                                            N_Biz::N_Sect::C_Sect* i_p_Sect)
{
    return std::make_shared<C_Data_Elem_Proj_D_Sect_G_I>(i_p_Group, i_p_Sect);
}

} // namespace N_UI::N_Tree
