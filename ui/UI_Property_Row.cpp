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
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
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
#include <sstream>

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

std::wstring C_Ctrl::S_Fn_Text_Elem(const C_Data_Elem& ro_Elem)
{
    if (!ro_Elem.m_p_Nodes)
        return G_Fn_Text_Field(ro_Elem.m_Field_Working);
    return G_Fn_Text(N_DB::C_Row_Element_2D::S_Fn_Node_Id_At(*ro_Elem.m_p_Nodes, ro_Elem.m_Field_Working.M_Fn_Get<std::int32_t>()));
}

void C_Ctrl::S_Fn_Msg(const std::wstring& i_Text)
{
    C_App::G_Fn_Msg(i_Text);
}

namespace {
// Whether ro_Store holds i_p_Card in one of its slots; compared by address only, since a card that
// left the store may be gone.
template <class T_Store, class T_Card>
bool G_Fn_Card_Stored(const T_Store& ro_Store, const T_Card* i_p_Card)
{
    for (std::uint32_t i = 1; i_p_Card && i < ro_Store.size(); ++i)
        if (ro_Store.is_used_at(i) && ro_Store.at(i).get() == i_p_Card)
            return true;
    return false;
}
} // namespace

bool C_Ctrl::M_Fn_Target_Exists() const
{
    switch (m_Target) {
    case E_Target_D_DB_C:
        return m_p_Proj && G_Fn_Card_Stored(m_p_Proj->M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_Store(), m_p_Row_C_S);
    case E_Target_D_DB_C_M:
        return m_p_Proj && G_Fn_Card_Stored(m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store(), m_p_Row_C_M);
    case E_Target_D_DB_C_P:
        return m_p_Proj && G_Fn_Card_Stored(m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store(), m_p_Row_C_P);
    case E_Target_D_S_D_Geom_P: return m_p_Sect && m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_Store().is_used_at(m_Id);
    case E_Target_D_S_D_Geom_E: {
        if (!m_p_Sect)
            return false;
        const auto& store = m_p_Sect->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store();
        return store.is_used_at(m_Id) && store.at(m_Id);
    }
    default: return true;
    }
}

void C_Ctrl::S_Fn_Refuse_Gone()
{
    S_Fn_Msg(L"Warning: The object being edited no longer exists, changing has been rejected.");
}

namespace {
// Calls i_Fn with each sub-row pair of the options of kind i_Option (0 keyword, 1 conditional) of
// ro_Table that both copies hold, in option order.
template <class F>
void G_Fn_Options_Each(N_DB::C_Row& ro_Working, N_DB::C_Row& ro_Accepted, const N_DB::C_Info_Table& ro_Table,
                       std::uint32_t i_Option, F&& i_Fn)
{
    const std::uint32_t num = ro_Table.M_Fn_Info_Table_Option_Get_i_Num(i_Option);
    for (std::uint32_t i = 0; i < num; ++i) {
        N_DB::C_Row* p_w = ro_Working.M_Fn_Sub_Get_rscpo_Row_Etc_Option(i_Option, i).get();
        N_DB::C_Row* p_a = ro_Accepted.M_Fn_Sub_Get_rscpo_Row_Etc_Option(i_Option, i).get();
        if (p_w && p_a)
            i_Fn(*p_w, *p_a);
    }
}
} // namespace

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

C_Row* C_Ctrl::M_Fn_Row_Add(C_Row* i_p_Group, E_Row_Kind i_Kind, const std::wstring& i_Name, const std::wstring& i_Desc,
                            const std::wstring& i_Text, bool i_Read_Only)
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
    (i_p_Group ? i_p_Group->m_Children : m_Top).push_back(p);
    return p;
}

void C_Ctrl::M_Fn_Row_Elem_Add(C_Row& ro_Row, std::unique_ptr<C_Data_Elem> i_up_Elem)
{
    ro_Row.m_Data = static_cast<std::int32_t>(m_Elems.size());
    m_Elems.push_back(std::move(i_up_Elem));
}

const C_Data_Elem& C_Ctrl::M_Fn_Row_Elem(const C_Row& ro_Row, const char* i_Function) const
{
    if (ro_Row.m_Data < 0 || static_cast<std::size_t>(ro_Row.m_Data) >= m_Elems.size())
        VT_THROW(i_Function);
    return *m_Elems[static_cast<std::size_t>(ro_Row.m_Data)];
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

// --- row builders, one per kind of row ---------------------------------------------------------

C_Row* C_Ctrl::M_Fn_Group_Add(const std::wstring& i_Name)
{
    return M_Fn_Row_Add(nullptr, E_Row_Group, i_Name, L"", L"", true);
}

C_Row* C_Ctrl::M_Fn_Row_Add_Text(C_Row* i_p_Group, const std::wstring& i_Name, const std::wstring& i_Desc,
                                 const std::wstring& i_Text, bool i_Read_Only)
{
    return M_Fn_Row_Add(i_p_Group, E_Row_Text, i_Name, i_Desc, i_Text, i_Read_Only);
}

C_Row* C_Ctrl::M_Fn_Row_Add_Bool(C_Row* i_p_Group, const std::wstring& i_Name, const std::wstring& i_Desc, bool i_Value,
                                 bool i_Read_Only)
{
    C_Row* p_row = M_Fn_Row_Add(i_p_Group, E_Row_Bool, i_Name, i_Desc, G_Fn_Text_Bool(i_Value), i_Read_Only);
    auto up_elem = std::make_unique<C_Data_Elem>();
    up_elem->m_Kind = 1;
    M_Fn_Row_Elem_Add(*p_row, std::move(up_elem));
    return p_row;
}

void C_Ctrl::M_Fn_Data_Set_DB_Row_Layer_Field(C_Row* i_p_Group, N_DB::C_Row& ro_Working, N_DB::C_Row& ro_Accepted,
                                              const N_DB::C_Info_Column& ro_Column, bool i_Read_Only)
{
    const N_DB::E_Type_Obj type = ro_Column.M_Fn_Type();
    const bool key = type == N_DB::E_Type_Obj_C_Key_Common || type == N_DB::E_Type_Obj_C_Key_C_Material ||
                     type == N_DB::E_Type_Obj_C_Key_C_Property;
    const E_Row_Kind kind = key ? E_Row_Key : E_Row_Value;
    auto up_elem = std::make_unique<C_Data_Elem>();
    up_elem->m_Kind = kind;
    up_elem->m_Field_Working = N_DB::C_Visitor_Field(ro_Working.M_Fn_Field_Addr(ro_Column), &ro_Column);
    up_elem->m_Field_Accepted = N_DB::C_Visitor_Field(ro_Accepted.M_Fn_Field_Addr(ro_Column), &ro_Column);
    if (m_Target == E_Target_D_DB_E && m_p_Model &&
        ro_Working.M_Fn_Info_Table()->M_Fn_Type_Relation() == N_DB::E_Type_Relation_Element_2D &&
        N_DB::C_Row_Element_2D::S_Fn_Is_Column_Node(ro_Column.M_Fn_Id()))
        up_elem->m_p_Nodes = &m_p_Model->M_Fn_Data().m_Nodes;
    C_Row* p_row = M_Fn_Row_Add(i_p_Group, kind, ro_Column.M_Fn_Name(), ro_Column.M_Fn_Desc(), S_Fn_Text_Elem(*up_elem),
                                i_Read_Only || ro_Column.M_Fn_Is_Read_Only());
    p_row->m_Button = key;
    M_Fn_Row_Elem_Add(*p_row, std::move(up_elem));
}

// --- row runs that several kinds share -----------------------------------------------------------

void C_Ctrl::M_Fn_Rows_Add_Coordinates(C_Row* i_p_Group, std::initializer_list<float> i_Values, bool i_Read_Only,
                                       const std::wstring& i_Desc_Tail)
{
    static const wchar_t* const S_Axes[3][2] = {
        {L"X", L"Coordinate X"}, {L"Y", L"Coordinate Y"}, {L"Z", L"Coordinate Z"}};
    for (std::size_t i = 0; i < i_Values.size() && i < 3; ++i)
        M_Fn_Row_Add_Text(i_p_Group, S_Axes[i][0], S_Axes[i][1] + i_Desc_Tail, G_Fn_Text(i_Values.begin()[i]),
                          i_Read_Only);
}

C_Row* C_Ctrl::M_Fn_Group_Add_Sect_Object(const std::wstring& i_Title, const std::wstring& i_Type_Desc,
                                          const std::wstring& i_Type_Name, const std::wstring& i_Id_Desc)
{
    C_Row* p_group = M_Fn_Group_Add(i_Title);
    M_Fn_Row_Add_Text(p_group, L"Type", i_Type_Desc, i_Type_Name, true);
    M_Fn_Row_Add_Text(p_group, L"Id", i_Id_Desc, G_Fn_Text(m_Id), true);
    return p_group;
}

void C_Ctrl::M_Fn_Rows_Add_Point_Ids(C_Row* i_p_Group, std::size_t i_Count)
{
    static const wchar_t* const S_Points[3][2] = {{L"Point of start", L"ID of start point\n(Read only)"},
                                                  {L"Point of terminal", L"ID of terminal point\n(Read only)"},
                                                  {L"Point of center", L"ID of circle center point\n(Read only)"}};
    const auto& refs = m_sp_Entity->m_Ref_Points;
    for (std::size_t i = 0; i < i_Count && i < 3; ++i) {
        const std::wstring id = i < refs.size() ? G_Fn_Text(refs[i].m_Id_Point) : L"";
        M_Fn_Row_Add_Text(i_p_Group, S_Points[i][0], S_Points[i][1], id, true);
    }
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
    static_cast<C_Target_Objects&>(*this) = C_Target_Objects();
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

template <class T_Row>
void C_Ctrl::M_Fn_Target_Begin_Card(E_Target i_Kind, N_Biz::N_Proj::C_Proj* i_p_Proj,
                                    T_Row* C_Target_Objects::*i_pm_Row, T_Row* i_p_Row, const char* i_Function)
{
    M_Fn_Target_Begin(i_Kind, i_p_Proj, i_Function);
    this->*i_pm_Row = i_p_Row;
}

void C_Ctrl::M_Fn_Target_Set_D_DB_C(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_Common* i_p_Row)
{
    M_Fn_Target_Begin_Card(E_Target_D_DB_C, i_p_Proj, &C_Ctrl::m_p_Row_C_S, i_p_Row, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_C");
}

void C_Ctrl::M_Fn_Target_Set_D_DB_C_M(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_C_Material* i_p_Row)
{
    M_Fn_Target_Begin_Card(E_Target_D_DB_C_M, i_p_Proj, &C_Ctrl::m_p_Row_C_M, i_p_Row, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_C_M");
}

void C_Ctrl::M_Fn_Target_Set_D_DB_C_P(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_C_Property* i_p_Row)
{
    M_Fn_Target_Begin_Card(E_Target_D_DB_C_P, i_p_Proj, &C_Ctrl::m_p_Row_C_P, i_p_Row, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_C_P");
}

void C_Ctrl::M_Fn_Target_Set_D_DB_N(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_Node* i_p_Row)
{
    M_Fn_Target_Begin_Card(E_Target_D_DB_N, i_p_Proj, &C_Ctrl::m_p_Row_N, i_p_Row, "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_N");
}

void C_Ctrl::M_Fn_Target_Set_D_DB_E(N_Biz::N_Proj::C_Proj* i_p_Proj, N_DB::C_Row_Element_2D* i_p_Row)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Target_Set_D_DB_E";
    M_Fn_Target_Begin_Card(E_Target_D_DB_E, i_p_Proj, &C_Ctrl::m_p_Row_E, i_p_Row, S_Name);
    if (!i_p_Row)
        return;
    m_p_Model = i_p_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Model_Of(*i_p_Row);
    if (!m_p_Model) {
        M_Fn_Reset();
        VT_THROW(S_Name);
    }
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

void C_Ctrl::M_Fn_Data_Begin_Bare(E_Target i_Kind, const char* i_Function)
{
    M_Fn_Reset();
    m_Target = i_Kind;
    M_Fn_Data_Begin(i_Kind, i_Function);
}

void C_Ctrl::M_Fn_Data_Set_Num_Sel(std::uint32_t i_Count)
{
    M_Fn_Data_Begin_Bare(E_Target_Num_Sel, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_Num_Sel");
    M_Fn_Row_Add_Text(nullptr, L"Number selected", L"Number of selected item", G_Fn_Text(i_Count), true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_Point(E_Target i_Kind, const std::wstring& i_Title, std::initializer_list<float> i_Values,
                                 const char* i_Function)
{
    M_Fn_Data_Begin_Bare(i_Kind, i_Function);
    M_Fn_Rows_Add_Coordinates(M_Fn_Group_Add(i_Title), i_Values, true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_Point_2D(float i_X, float i_Y)
{
    M_Fn_Data_Set_Point(E_Target_Point_2D, L"2D Point", {i_X, i_Y}, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_Point_2D");
}

void C_Ctrl::M_Fn_Data_Set_Point_3D(float i_X, float i_Y, float i_Z)
{
    M_Fn_Data_Set_Point(E_Target_Point_3D, L"3D Point", {i_X, i_Y, i_Z},
                        "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_Point_3D");
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
    G_Fn_Options_Each(ro_Working, ro_Accepted, *p_table, 1, [&](N_DB::C_Row& ro_W, N_DB::C_Row& ro_A) {
        for (const auto& sp_column : ro_W.M_Fn_Info_Table()->M_Fn_Columns_Practical())
            M_Fn_Data_Set_DB_Row_Layer_Field(i_p_Group, ro_W, ro_A, *sp_column, i_Read_Only);
    });
}

void C_Ctrl::M_Fn_Data_Set_DB_Row(E_Target i_Kind, const N_DB::C_Row& ro_Row, const T_Color* i_p_Color,
                                  bool i_Read_Only, const char* i_Function)
{
    M_Fn_Data_Begin(i_Kind, i_Function);
    if (i_p_Color)
        m_Color = *i_p_Color;
    m_Row_Working = N_DB::C_Row_Any(ro_Row);
    m_Row_Accepted = N_DB::C_Row_Any(ro_Row);
    const N_DB::C_Info_Table* p_table = m_Row_Working.M_Fn_Info_Table();
    if (!p_table)
        VT_THROW("N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_DB_Row");
    C_Row* p_main = M_Fn_Group_Add(p_table->M_Fn_Title());
    M_Fn_Data_Set_DB_Row_Layer(p_main, m_Row_Working, m_Row_Accepted, i_Read_Only);
    G_Fn_Options_Each(m_Row_Working, m_Row_Accepted, *p_table, 0, [&](N_DB::C_Row& ro_W, N_DB::C_Row& ro_A) {
        M_Fn_Data_Set_DB_Row_Layer(M_Fn_Group_Add(ro_W.M_Fn_Info_Table()->M_Fn_Title()), ro_W, ro_A, i_Read_Only);
    });
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_DB_C(const N_DB::C_Row& ro_Row, bool i_Read_Only)
{
    M_Fn_Data_Set_DB_Row(E_Target_D_DB_C, ro_Row, nullptr, i_Read_Only,
                         "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_C");
}

void C_Ctrl::M_Fn_Data_Set_D_DB_C_M(const N_DB::C_Row_C_Material& ro_Row, bool i_Read_Only)
{
    M_Fn_Data_Set_DB_Row(E_Target_D_DB_C_M, ro_Row, &ro_Row.m_Display.m_Color_Normal, i_Read_Only,
                         "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_C_M");
}

void C_Ctrl::M_Fn_Data_Set_D_DB_C_P(const N_DB::C_Row_C_Property& ro_Row, bool i_Read_Only)
{
    M_Fn_Data_Set_DB_Row(E_Target_D_DB_C_P, ro_Row, &ro_Row.m_Display.m_Color_Normal, i_Read_Only,
                         "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_C_P");
}

void C_Ctrl::M_Fn_Data_Set_D_DB_N(const N_DB::C_Row& ro_Row, bool i_Read_Only)
{
    M_Fn_Data_Set_DB_Row(E_Target_D_DB_N, ro_Row, nullptr, i_Read_Only,
                         "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_N");
}

void C_Ctrl::M_Fn_Data_Set_D_DB_E(const N_DB::C_Row& ro_Row, bool i_Read_Only)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_DB_E";
    // Without its model's nodes the node rows could only show positions.
    if (!m_p_Model)
        VT_THROW(S_Name);
    M_Fn_Data_Set_DB_Row(E_Target_D_DB_E, ro_Row, nullptr, i_Read_Only, S_Name);
}

void C_Ctrl::M_Fn_Data_Set_D_M()
{
    M_Fn_Data_Begin(E_Target_D_M, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_M");
    M_Fn_Row_Add_Text(M_Fn_Group_Add(L"Model"), L"Name", L"Model name", m_p_Model->M_Fn_Name_Get(), true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_S()
{
    M_Fn_Data_Begin(E_Target_D_S, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_S");
    // An unnamed section is known by its title.
    const std::wstring& name = m_p_Sect->m_Name.empty() ? m_p_Sect->M_Fn_Title_Get() : m_p_Sect->m_Name;
    M_Fn_Row_Add_Text(M_Fn_Group_Add(L"Section"), L"Name", L"Section name", name, true);
    M_Fn_Data_End();
}

void C_Ctrl::M_Fn_Data_Set_D_S_D_Geom_P(bool i_Read_Only)
{
    M_Fn_Data_Begin(E_Target_D_S_D_Geom_P, "N_UI::N_Property::C_Ctrl::M_Fn_Data_Set_D_S_D_Geom_P");
    const N_Sect::C_D_Geom_Point& ro_point = m_p_Sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(m_Id);
    m_up_Point = ro_point.Clone_apo_D_Geom_Point();
    C_Row* p_group = M_Fn_Group_Add_Sect_Object(L"Section Geometric Point", L"Geometry type\n(Read only)",
                                                m_up_Point->M_Fn_Type_Name_Get(), L"Point id\n(Read only)");
    M_Fn_Rows_Add_Coordinates(p_group, {m_up_Point->m_X, m_up_Point->m_Y}, i_Read_Only);
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
    C_Row* p_group = M_Fn_Group_Add_Sect_Object(L"Section Geometric Entity", L"Entity type\n(Read only)",
                                                m_sp_Entity->M_Fn_Type_Name_Get(), L"Entity id\n(Read only)");
    M_Fn_Data_Set_Link_C_P(p_group, m_sp_Entity->m_Key_C_P, i_Read_Only);
    switch (type) {
    case N_Sect::C_D_Geom::E_Type_Arc: {
        const auto& arc = static_cast<const N_Sect::C_D_Geom_E_Arc&>(*m_sp_Entity);
        M_Fn_Rows_Add_Point_Ids(p_group, 3);
        M_Fn_Row_Add_Bool(p_group, L"Clockwise", L"True for clockwise, False for counterclockwise.",
                          arc.m_Direction != 0, i_Read_Only);
        break;
    }
    case N_Sect::C_D_Geom::E_Type_NURBS: {
        const auto& curve = static_cast<const N_Sect::C_D_Geom_E_Curve_NURBS&>(*m_sp_Entity);
        M_Fn_Row_Add_Text(p_group, L"Order", L"Order of the NURBS Curve\n(Read only)", G_Fn_Text(curve.m_Curve.m_Order),
                          true);
        break;
    }
    default: {
        const auto& line = static_cast<const N_Sect::C_D_Geom_E_Line&>(*m_sp_Entity);
        M_Fn_Rows_Add_Point_Ids(p_group, 2);
        M_Fn_Row_Add_Bool(p_group, L"Use Own Thk", L"Use line's own thickness instead of using property thickness.",
                          line.m_Thk_Individual_Switch != 0, i_Read_Only);
        M_Fn_Row_Add_Text(p_group, L"Own Thk",
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
    C_Row* p_group = M_Fn_Group_Add_Sect_Object(L"Section Node", L"Type\n(Read only)", m_p_Node->M_Fn_Type_Name_Get(),
                                                L"Node id\n(Read only)");
    M_Fn_Rows_Add_Coordinates(p_group, {m_p_Node->m_X, m_p_Node->m_Y}, true, L"\n(Read only)");
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
    C_Row* p_group = M_Fn_Group_Add_Sect_Object(L"Section Element", L"Element type\n(Read only)",
                                                m_p_Element->M_Fn_Type_Name_Get(), L"Element id\n(Read only)");
    M_Fn_Data_Set_Link_C_P(p_group, m_p_Element->m_Key_C_P, true);
    M_Fn_Row_Add_Text(p_group, L"Node of start", L"ID of start node\n(Read only)",
                      G_Fn_Text(m_p_Element->m_Ref_Nodes[0].m_Id_Node), true);
    M_Fn_Row_Add_Text(p_group, L"Node of terminal", L"ID of terminal node\n(Read only)",
                      G_Fn_Text(m_p_Element->m_Ref_Nodes[1].m_Id_Node), true);
    M_Fn_Data_End();
}

} // namespace N_UI::N_Property
