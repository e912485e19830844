#include "ui/UI_Property_Row.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Curve_NURBS.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_D_Tess_Element.h"
#include "biz/sect/Biz_Sect_D_Tess_Node.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "common/Common_Exception.h"

#include <locale>

namespace N_UI::N_Property {

namespace N_DB = N_Biz::N_DB;
namespace N_Sect = N_Biz::N_Sect;

std::function<std::uint32_t(N_Biz::N_Proj::C_Proj&, std::uint32_t, std::uint32_t)> C_Ctrl::S_Fn_List_Pick;

std::wstring G_Fn_Text(float i_Value)
{
    std::wostringstream out;
    out.imbue(std::locale::classic());
    out << i_Value;
    return out.str();
}

std::wstring G_Fn_Text(std::int64_t i_Value) { return std::to_wstring(i_Value); }

std::wstring G_Fn_Text_Field(const N_DB::C_Visitor_Field_Const& ro_Field)
{
    // Rows show stored columns only; a computed one has no text here.
    if (ro_Field.M_Fn_Is_Virtual() || ro_Field.M_Fn_Is_blank())
        return L"";
    std::wostringstream out;
    out.imbue(std::locale::classic());
    N_DB::G_Fn_Obj_Ops(ro_Field.M_Fn_Type()).m_pfn_WText_O(ro_Field.M_Fn_Value(), out);
    return out.str();
}

void C_Ctrl::S_Fn_Msg(const std::wstring& i_Text)
{
    C_App::G_Fn_Msg(i_Text);
}

C_Ctrl::C_Ctrl() = default;
C_Ctrl::~C_Ctrl() = default;

// --- rows ------------------------------------------------------------------------------------------

void C_Ctrl::M_Fn_Rows_Clear()
{
    // The visitors point into the copies: the records go with the rows.
    m_Top.clear();
    m_Rows.clear();
    m_Elems.clear();
    ++m_Generation;
}

C_Row* C_Ctrl::M_Fn_Group_Add(const std::wstring& i_Name)
{
    auto up = std::make_unique<C_Row>();
    up->m_Name = i_Name;
    up->m_Kind = E_Row_Group;
    up->m_Read_Only = true;
    C_Row* p = up.get();
    m_Rows.push_back(std::move(up));
    m_Top.push_back(p);
    return p;
}

C_Row* C_Ctrl::M_Fn_Row_Add(C_Row* i_p_Group, const std::wstring& i_Name, const std::wstring& i_Desc,
                            const std::wstring& i_Text, bool i_Read_Only, E_Row_Kind i_Kind)
{
    auto up = std::make_unique<C_Row>();
    up->m_Name = i_Name;
    up->m_Desc = i_Desc;
    up->m_Text = up->m_Text_Base = i_Text;
    up->m_Read_Only = i_Read_Only;
    up->m_Kind = i_Kind;
    up->m_p_Parent = i_p_Group;
    C_Row* p = up.get();
    m_Rows.push_back(std::move(up));
    if (i_p_Group)
        i_p_Group->m_Children.push_back(p);
    else
        m_Top.push_back(p);
    return p;
}

C_Row* C_Ctrl::M_Fn_Row_At(std::size_t i_Group, std::size_t i_Row) const
{
    if (i_Group >= m_Top.size() || i_Row >= m_Top[i_Group]->m_Children.size())
        return nullptr;
    return m_Top[i_Group]->m_Children[i_Row];
}

C_Row* C_Ctrl::M_Fn_Row_Find(const std::wstring& i_Group, const std::wstring& i_Child) const
{
    for (C_Row* p_top : m_Top) {
        if (p_top->m_Name != i_Group)
            continue;
        if (i_Child.empty())
            return p_top;
        for (C_Row* p_row : p_top->m_Children)
            if (p_row->m_Name == i_Child)
                return p_row;
    }
    return nullptr;
}

// --- targets ---------------------------------------------------------------------------------------

void C_Ctrl::M_Fn_Reset()
{
    M_Fn_Rows_Clear();
    switch (m_Target) {
    case E_Target_D_DB_C:
    case E_Target_D_DB_C_M:
    case E_Target_D_DB_C_P:
    case E_Target_D_DB_N:
    case E_Target_D_DB_E:
        m_Color = {0, 0, 0, 1};
        m_Row_Working = N_DB::C_Row_Any();
        m_Row_Accepted = N_DB::C_Row_Any();
        break;
    case E_Target_D_S_D_Geom_P: m_up_Point.reset(); break;
    case E_Target_D_S_D_Geom_E:
        m_sp_Entity.reset();
        m_Row_Working = N_DB::C_Row_Any();
        m_Row_Accepted = N_DB::C_Row_Any();
        break;
    case E_Target_D_S_D_Tess_N: m_p_Node = nullptr; break;
    case E_Target_D_S_D_Tess_E:
        m_p_Element = nullptr;
        m_Row_Working = N_DB::C_Row_Any();
        m_Row_Accepted = N_DB::C_Row_Any();
        break;
    default: break;
    }
    m_Filled = false;
    m_Target = E_Target_None;
    m_Id = 0;
    m_p_Row_C = nullptr;
    m_p_Row_C_M = nullptr;
    m_p_Row_C_P = nullptr;
    m_p_Row_N = nullptr;
    m_p_Row_E = nullptr;
    m_p_Model = nullptr;
    m_p_Sect = nullptr;
    m_p_Proj = nullptr;
    if (m_Fn_Rebuilt)
        m_Fn_Rebuilt();
}

void C_Ctrl::M_Fn_Target_Begin(E_Target i_Kind, N_Biz::N_Proj::C_Proj* i_p_Proj, const char* i_Function)
{
    if (!i_p_Proj)
        VT_THROW(i_Function);
    M_Fn_Reset();
    m_Target = i_Kind;
    m_p_Proj = i_p_Proj;
}

void C_Ctrl::M_Fn_Target_Begin_Sect(E_Target i_Kind, N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id, const char* i_Function)
{
    if (!i_p_Sect || (i_Kind != E_Target_D_S && i_Id == 0))
        VT_THROW(i_Function);
    M_Fn_Target_Begin(i_Kind, i_p_Sect->M_Fn_Get_Proj(), i_Function);
    m_p_Sect = i_p_Sect;
    m_Id = i_Id;
}

void C_Ctrl::M_Fn_Target_Set_D_DB_C(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_Common* i_p_Row)
{
    M_Fn_Target_Begin(E_Target_D_DB_C, i_p_Proj, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_C");
    m_p_Row_C = i_p_Row;
}

void C_Ctrl::M_Fn_Target_Set_D_DB_C_M(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_C_Material* i_p_Row)
{
    M_Fn_Target_Begin(E_Target_D_DB_C_M, i_p_Proj, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_C_M");
    m_p_Row_C_M = i_p_Row;
}

void C_Ctrl::M_Fn_Target_Set_D_DB_C_P(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_C_Property* i_p_Row)
{
    M_Fn_Target_Begin(E_Target_D_DB_C_P, i_p_Proj, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_C_P");
    m_p_Row_C_P = i_p_Row;
}

void C_Ctrl::M_Fn_Target_Set_D_DB_N(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_Node* i_p_Row)
{
    M_Fn_Target_Begin(E_Target_D_DB_N, i_p_Proj, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_N");
    m_p_Row_N = i_p_Row;
}

void C_Ctrl::M_Fn_Target_Set_D_DB_E(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_Element_2D* i_p_Row)
{
    M_Fn_Target_Begin(E_Target_D_DB_E, i_p_Proj, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_E");
    m_p_Row_E = i_p_Row;
}

void C_Ctrl::M_Fn_Target_Set_D_M(N_Biz::N_Proj::C_Proj* i_p_Proj, N_Biz::N_Model::C_Model* i_p_Model)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_M";
    if (!i_p_Model)
        VT_THROW(S_Name);
    M_Fn_Target_Begin(E_Target_D_M, i_p_Proj, S_Name);
    m_p_Model = i_p_Model;
}

void C_Ctrl::M_Fn_Target_Set_D_S(N_Sect::C_Sect* i_p_Sect)
{
    M_Fn_Target_Begin_Sect(E_Target_D_S, i_p_Sect, 0, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_S");
}

void C_Ctrl::M_Fn_Target_Set_D_S_D_Geom_P(N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id)
{
    M_Fn_Target_Begin_Sect(E_Target_D_S_D_Geom_P, i_p_Sect, i_Id, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_S_D_Geom_P");
}

void C_Ctrl::M_Fn_Target_Set_D_S_D_Geom_E(N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id)
{
    M_Fn_Target_Begin_Sect(E_Target_D_S_D_Geom_E, i_p_Sect, i_Id, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_S_D_Geom_E");
}

void C_Ctrl::M_Fn_Target_Set_D_S_D_Tess_N(N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id)
{
    M_Fn_Target_Begin_Sect(E_Target_D_S_D_Tess_N, i_p_Sect, i_Id, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_S_D_Tess_N");
}

void C_Ctrl::M_Fn_Target_Set_D_S_D_Tess_E(N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id)
{
    M_Fn_Target_Begin_Sect(E_Target_D_S_D_Tess_E, i_p_Sect, i_Id, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_S_D_Tess_E");
}

// --- rows by kind ----------------------------------------------------------------------------------

void C_Ctrl::M_Fn_Data_Begin(E_Target i_Kind, const char* i_Function)
{
    M_Fn_Rows_Clear();
    if (m_Target != i_Kind)
        VT_THROW(i_Function);
    m_Filled = true;
}

void C_Ctrl::M_Fn_Data_End()
{
    if (m_Fn_Rebuilt)
        m_Fn_Rebuilt();
}

void C_Ctrl::M_Fn_Data_Set_Num_Sel(std::uint32_t i_Count)
{
    M_Fn_Reset();
    m_Target = E_Target_Num_Sel;
    M_Fn_Data_Begin(E_Target_Num_Sel, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_Num_Sel");
    M_Fn_Row_Add(nullptr, L"Number selected", L"Number of selected item", G_Fn_Text(i_Count), true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_Point_2D(float i_X, float i_Y)
{
    M_Fn_Reset();
    m_Target = E_Target_Point_2D;
    M_Fn_Data_Begin(E_Target_Point_2D, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_Point_2D");
    C_Row* p_group = M_Fn_Group_Add(L"2D Point");
    M_Fn_Row_Add(p_group, L"X", L"Coordinate X", G_Fn_Text(i_X), true);
    M_Fn_Row_Add(p_group, L"Y", L"Coordinate Y", G_Fn_Text(i_Y), true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_Point_3D(float i_X, float i_Y, float i_Z)
{
    M_Fn_Reset();
    m_Target = E_Target_Point_3D;
    M_Fn_Data_Begin(E_Target_Point_3D, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_Point_3D");
    C_Row* p_group = M_Fn_Group_Add(L"3D Point");
    M_Fn_Row_Add(p_group, L"X", L"Coordinate X", G_Fn_Text(i_X), true);
    M_Fn_Row_Add(p_group, L"Y", L"Coordinate Y", G_Fn_Text(i_Y), true);
    M_Fn_Row_Add(p_group, L"Z", L"Coordinate Z", G_Fn_Text(i_Z), true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_DB_Row_Layer_Field(C_Row* i_p_Group, N_DB::C_Row& ro_Working, N_DB::C_Row& ro_Accepted,
                                              const N_DB::C_Info_Column& ro_Column, bool i_Read_Only)
{
    auto up_elem = std::make_unique<C_Data_Elem>();
    up_elem->m_Field_Working = N_DB::C_Visitor_Field(ro_Working.M_Fn_Field_Addr(ro_Column), &ro_Column);
    up_elem->m_Field_Accepted = N_DB::C_Visitor_Field(ro_Accepted.M_Fn_Field_Addr(ro_Column), &ro_Column);
    const N_DB::E_Type_Obj type = ro_Column.M_Fn_Type();
    const bool key = type == N_DB::E_Type_Obj_C_Key_Common || type == N_DB::E_Type_Obj_C_Key_C_Material ||
                     type == N_DB::E_Type_Obj_C_Key_C_Property;
    up_elem->m_Kind = key ? E_Row_Key : E_Row_Value;
    C_Row* p_row = M_Fn_Row_Add(i_p_Group, ro_Column.M_Fn_Name(), ro_Column.M_Fn_Desc(),
                                G_Fn_Text_Field(up_elem->m_Field_Working), i_Read_Only || ro_Column.M_Fn_Is_Read_Only(),
                                key ? E_Row_Key : E_Row_Value);
    p_row->m_Button = key;
    p_row->m_Data = static_cast<std::int32_t>(m_Elems.size());
    m_Elems.push_back(std::move(up_elem));
}

void C_Ctrl::M_Fn_Data_Set_DB_Row_Layer(C_Row* i_p_Group, N_DB::C_Row& ro_Working, N_DB::C_Row& ro_Accepted,
                                        bool i_Read_Only)
{
    // The repeat chain is walked iteratively: a long chain costs no stack.
    N_DB::C_Row* p_working = &ro_Working;
    N_DB::C_Row* p_accepted = &ro_Accepted;
    const N_DB::C_Info_Table* p_table = ro_Working.M_Fn_Info_Table();
    while (p_working && p_accepted && p_working->M_Fn_Info_Table()) {
        const N_DB::C_Info_Table& table = *p_working->M_Fn_Info_Table();
        for (const auto& sp_column : table.M_Fn_Columns_Practical())
            M_Fn_Data_Set_DB_Row_Layer_Field(i_p_Group, *p_working, *p_accepted, *sp_column, i_Read_Only);
        if (!table.M_Fn_Is_Repeatable())
            break;
        p_working = p_working->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat().get();
        p_accepted = p_accepted->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat().get();
    }
    const std::uint32_t num = p_table->M_Fn_Info_Table_Option_Get_i_Num(1);
    for (std::uint32_t i = 0; i < num; ++i) {
        N_DB::C_Row* p_w = ro_Working.M_Fn_Sub_Get_rscpo_Row_Etc_Option(1, i).get();
        N_DB::C_Row* p_a = ro_Accepted.M_Fn_Sub_Get_rscpo_Row_Etc_Option(1, i).get();
        if (!p_w || !p_a)
            continue;
        for (const auto& sp_column : p_w->M_Fn_Info_Table()->M_Fn_Columns_Practical())
            M_Fn_Data_Set_DB_Row_Layer_Field(i_p_Group, *p_w, *p_a, *sp_column, i_Read_Only);
    }
}

void C_Ctrl::M_Fn_Data_Set_DB_Row(const N_DB::C_Row& ro_Row, bool i_Read_Only)
{
    m_Row_Working = N_DB::C_Row_Any(ro_Row);
    m_Row_Accepted = N_DB::C_Row_Any(ro_Row);
    const N_DB::C_Info_Table* p_table = m_Row_Working.M_Fn_Info_Table();
    if (!p_table)
        VT_THROW("N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_DB_Row");
    C_Row* p_main = M_Fn_Group_Add(p_table->M_Fn_Title());
    M_Fn_Data_Set_DB_Row_Layer(p_main, m_Row_Working, m_Row_Accepted, i_Read_Only);
    const std::uint32_t num = p_table->M_Fn_Info_Table_Option_Get_i_Num(0);
    for (std::uint32_t i = 0; i < num; ++i) {
        N_DB::C_Row* p_w = m_Row_Working.M_Fn_Sub_Get_rscpo_Row_Etc_Option(0, i).get();
        N_DB::C_Row* p_a = m_Row_Accepted.M_Fn_Sub_Get_rscpo_Row_Etc_Option(0, i).get();
        if (!p_w || !p_a)
            continue;
        C_Row* p_group = M_Fn_Group_Add(p_w->M_Fn_Info_Table()->M_Fn_Title());
        M_Fn_Data_Set_DB_Row_Layer(p_group, *p_w, *p_a, i_Read_Only);
    }
}

void C_Ctrl::M_Fn_Data_Set_D_DB_C(const N_DB::C_Row& ro_Row, bool i_Read_Only)
{
    M_Fn_Data_Begin(E_Target_D_DB_C, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_C");
    M_Fn_Data_Set_DB_Row(ro_Row, i_Read_Only);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_DB_C_M(const N_DB::C_Row_C_Material& ro_Row, bool i_Read_Only)
{
    M_Fn_Data_Begin(E_Target_D_DB_C_M, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_C_M");
    m_Color = ro_Row.m_Display.m_Color_Normal;
    M_Fn_Data_Set_DB_Row(ro_Row, i_Read_Only);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_DB_C_P(const N_DB::C_Row_C_Property& ro_Row, bool i_Read_Only)
{
    M_Fn_Data_Begin(E_Target_D_DB_C_P, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_C_P");
    m_Color = ro_Row.m_Display.m_Color_Normal;
    M_Fn_Data_Set_DB_Row(ro_Row, i_Read_Only);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_DB_N(const N_DB::C_Row& ro_Row, bool i_Read_Only)
{
    M_Fn_Data_Begin(E_Target_D_DB_N, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_N");
    M_Fn_Data_Set_DB_Row(ro_Row, i_Read_Only);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_DB_E(const N_DB::C_Row& ro_Row, bool i_Read_Only)
{
    M_Fn_Data_Begin(E_Target_D_DB_E, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_E");
    M_Fn_Data_Set_DB_Row(ro_Row, i_Read_Only);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_M()
{
    M_Fn_Data_Begin(E_Target_D_M, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_M");
    C_Row* p_group = M_Fn_Group_Add(L"Model");
    M_Fn_Row_Add(p_group, L"Name", L"Model name", m_p_Model->M_Fn_Name_Get(), true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_S()
{
    M_Fn_Data_Begin(E_Target_D_S, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_S");
    C_Row* p_group = M_Fn_Group_Add(L"Section");
    // An unnamed section is known by its title.
    const std::wstring& name = m_p_Sect->m_Name.empty() ? m_p_Sect->M_Fn_Title_Get() : m_p_Sect->m_Name;
    M_Fn_Row_Add(p_group, L"Name", L"Section name", name, true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_S_D_Geom_P(bool i_Read_Only)
{
    M_Fn_Data_Begin(E_Target_D_S_D_Geom_P, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_S_D_Geom_P");
    const N_Sect::C_D_Geom_Point& ro_point = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(m_Id);
    m_up_Point = ro_point.Clone_apo_D_Geom_Point();
    C_Row* p_group = M_Fn_Group_Add(L"Section Geometric Point");
    M_Fn_Row_Add(p_group, L"Type", L"Geometry type\n(Read only)", m_up_Point->M_Fn_Type_Name_Get(), true);
    M_Fn_Row_Add(p_group, L"Id", L"Point id\n(Read only)", G_Fn_Text(m_Id), true);
    M_Fn_Row_Add(p_group, L"X", L"Coordinate X", G_Fn_Text(m_up_Point->m_X), i_Read_Only);
    M_Fn_Row_Add(p_group, L"Y", L"Coordinate Y", G_Fn_Text(m_up_Point->m_Y), i_Read_Only);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_Link_C_P(C_Row* i_p_Group, const N_DB::C_Key_C_Property& ro_Key, bool i_Read_Only)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_Link_C_P";
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Schema)
        VT_THROW(S_Name);
    const N_DB::C_Info_Table* p_table = p_app->m_sp_Schema->M_Fn_Info_Table_Lookup_By_Format(1, "Element");
    if (!p_table)
        VT_THROW(S_Name);
    const N_DB::C_Info_Column* p_column = p_table->M_Fn_Info_Column_Practical_Find(N_DB::E_Id_Column_Key_foreign_C_Property);
    if (!p_column)
        VT_THROW(S_Name);
    std::unique_ptr<N_DB::C_Row> up_row = p_table->M_Fn_Factory_apo_Row();
    up_row->M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Key_foreign_C_Property)
        .M_Fn_Ref<N_DB::C_Key_C_Property>() = ro_Key;
    m_Row_Working = N_DB::C_Row_Any(*up_row);
    m_Row_Accepted = N_DB::C_Row_Any(*up_row);
    M_Fn_Data_Set_DB_Row_Layer_Field(i_p_Group, m_Row_Working, m_Row_Accepted, *p_column, i_Read_Only);
}

void C_Ctrl::M_Fn_Data_Set_D_S_D_Geom_E(bool i_Read_Only)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_S_D_Geom_E";
    M_Fn_Data_Begin(E_Target_D_S_D_Geom_E, S_Name);
    const auto& sp_stored = m_p_Sect->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_At(m_Id);
    if (!sp_stored)
        VT_THROW(S_Name);
    const std::int32_t type = sp_stored->M_Fn_Type_Get();
    if (type != N_Sect::C_D_Geom::E_Type_Arc && type != N_Sect::C_D_Geom::E_Type_NURBS &&
        type != N_Sect::C_D_Geom::E_Type_Line)
        VT_THROW(S_Name);
    m_sp_Entity = sp_stored->Clone_apo_D_Geom_Entity();
    C_Row* p_group = M_Fn_Group_Add(L"Section Geometric Entity");
    M_Fn_Row_Add(p_group, L"Type", L"Entity type\n(Read only)", m_sp_Entity->M_Fn_Type_Name_Get(), true);
    M_Fn_Row_Add(p_group, L"Id", L"Entity id\n(Read only)", G_Fn_Text(m_Id), true);
    M_Fn_Data_Set_Link_C_P(p_group, m_sp_Entity->m_Key_C_P, i_Read_Only);
    const auto point_id = [&](std::size_t i_Pos) {
        return i_Pos < m_sp_Entity->m_Ref_Points.size() ? G_Fn_Text(m_sp_Entity->m_Ref_Points[i_Pos].m_Id_Point) : L"";
    };
    const auto bool_row = [&](const wchar_t* i_Name, const wchar_t* i_Desc, bool i_Value) {
        C_Row* p_row = M_Fn_Row_Add(p_group, i_Name, i_Desc, G_Fn_Text_Bool(i_Value), i_Read_Only, E_Row_Bool);
        auto up_elem = std::make_unique<C_Data_Elem>();
        up_elem->m_Kind = 1;
        p_row->m_Data = static_cast<std::int32_t>(m_Elems.size());
        m_Elems.push_back(std::move(up_elem));
    };
    switch (type) {
    case N_Sect::C_D_Geom::E_Type_Arc: {
        const auto& arc = static_cast<const N_Sect::C_D_Geom_E_Arc&>(*m_sp_Entity);
        M_Fn_Row_Add(p_group, L"Point of start", L"ID of start point\n(Read only)", point_id(0), true);
        M_Fn_Row_Add(p_group, L"Point of terminal", L"ID of terminal point\n(Read only)", point_id(1), true);
        M_Fn_Row_Add(p_group, L"Point of center", L"ID of circle center point\n(Read only)", point_id(2), true);
        bool_row(L"Clockwise", L"True for clockwise, False for counterclockwise.", arc.m_Direction != 0);
        break;
    }
    case N_Sect::C_D_Geom::E_Type_NURBS: {
        const auto& curve = static_cast<const N_Sect::C_D_Geom_E_Curve_NURBS&>(*m_sp_Entity);
        M_Fn_Row_Add(p_group, L"Order", L"Order of the NURBS Curve\n(Read only)", G_Fn_Text(curve.m_Curve.m_Order), true);
        break;
    }
    default: {
        const auto& line = static_cast<const N_Sect::C_D_Geom_E_Line&>(*m_sp_Entity);
        M_Fn_Row_Add(p_group, L"Point of start", L"ID of start point\n(Read only)", point_id(0), true);
        M_Fn_Row_Add(p_group, L"Point of terminal", L"ID of terminal point\n(Read only)", point_id(1), true);
        bool_row(L"Use Own Thk", L"Use line's own thickness instead of using property thickness.",
                 line.m_Thk_Individual_Switch != 0);
        M_Fn_Row_Add(p_group, L"Own Thk",
                     L"Line's own thickness, Takes effect only when \"Use Individual Thk\" is \"True\".\n",
                     G_Fn_Text(line.m_Thk_Individual), i_Read_Only);
        break;
    }
    }
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_S_D_Tess_N()
{
    M_Fn_Data_Begin(E_Target_D_S_D_Tess_N, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_S_D_Tess_N");
    m_p_Node = &m_p_Sect->M_Fn_Get_Mgr_D_Tess_N().M_Fn_Get_At(m_Id);
    C_Row* p_group = M_Fn_Group_Add(L"Section Node");
    M_Fn_Row_Add(p_group, L"Type", L"Type\n(Read only)", m_p_Node->M_Fn_Type_Name_Get(), true);
    M_Fn_Row_Add(p_group, L"Id", L"Node id\n(Read only)", G_Fn_Text(m_Id), true);
    M_Fn_Row_Add(p_group, L"X", L"Coordinate X\n(Read only)", G_Fn_Text(m_p_Node->m_X), true);
    M_Fn_Row_Add(p_group, L"Y", L"Coordinate Y\n(Read only)", G_Fn_Text(m_p_Node->m_Y), true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_S_D_Tess_E()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_S_D_Tess_E";
    M_Fn_Data_Begin(E_Target_D_S_D_Tess_E, S_Name);
    const auto& sp_element = m_p_Sect->M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_At(m_Id);
    if (!sp_element || sp_element->M_Fn_Type_Get() != N_Sect::C_D_Tess::E_Type_Segment ||
        sp_element->m_Ref_Nodes.size() < 2)
        VT_THROW(S_Name);
    m_p_Element = sp_element.get();
    C_Row* p_group = M_Fn_Group_Add(L"Section Element");
    M_Fn_Row_Add(p_group, L"Type", L"Element type\n(Read only)", m_p_Element->M_Fn_Type_Name_Get(), true);
    M_Fn_Row_Add(p_group, L"Id", L"Element id\n(Read only)", G_Fn_Text(m_Id), true);
    M_Fn_Data_Set_Link_C_P(p_group, m_p_Element->m_Key_C_P, true);
    M_Fn_Row_Add(p_group, L"Node of start", L"ID of start node\n(Read only)",
                 G_Fn_Text(m_p_Element->m_Ref_Nodes[0].m_Id_Node), true);
    M_Fn_Row_Add(p_group, L"Node of terminal", L"ID of terminal node\n(Read only)",
                 G_Fn_Text(m_p_Element->m_Ref_Nodes[1].m_Id_Node), true);
    M_Fn_Data_End();
}

} // namespace N_UI::N_Property
