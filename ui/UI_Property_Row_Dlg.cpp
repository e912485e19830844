#include "ui/UI_Property_Row_Dlg.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Palette.h"
#include "biz/proj/Biz_Proj_Row_Data.h"
#include "biz/proj/Biz_Proj_Row_Field.h"
#include "biz/sect/Biz_Sect.h"
#include "common/Common_Exception.h"

#include <algorithm>
#include <locale>
#include <new>
#include <sstream>
#include <type_traits>

namespace N_UI::N_Property {

namespace N_DB = N_Biz::N_DB;
using N_Common::N_Pointer::lesser_shared_ptr;

namespace {

constexpr const char* K_Init = "N_UI::N_Property::C_Dlg::OnInitDialog";

const N_Biz::N_Config::C_Config_Data& G_Fn_Config(const char* i_Function)
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        VT_THROW(i_Function);
    return p_app->m_sp_Config->M_Fn_Data();
}

const N_DB::C_Info_Schema& G_Fn_Schema(const char* i_Function)
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Schema)
        VT_THROW(i_Function);
    return *p_app->m_sp_Schema;
}

const N_DB::C_Info_Table& G_Fn_Table(std::uint32_t i_Format, const char* i_Keyword, const char* i_Function)
{
    const N_DB::C_Info_Table* p_table = G_Fn_Schema(i_Function).M_Fn_Info_Table_Lookup_By_Format(i_Format, i_Keyword);
    if (!p_table)
        VT_THROW(i_Function);
    return *p_table;
}

// The field of column i_Id as the row's routes reach it (without following relations); empty
// when the row's table has no such column.
N_DB::C_Visitor_Field G_Fn_Field(N_DB::C_Row& ro_Row, N_DB::E_Id_Column i_Id)
{
    N_DB::C_Route_Request request;
    request.m_Id = i_Id;
    ro_Row.M_Fn_Route_Walk(request, nullptr, true);
    if (!request.m_Visitor.M_Fn_Is_Empty() && request.m_Visitor.M_Fn_Is_Virtual())
        return {};
    return request.m_Visitor;
}

void G_Fn_Set_Number(N_DB::C_Row& ro_Row, N_DB::E_Id_Column i_Id, double i_Value, const char* i_Function)
{
    const N_DB::C_Visitor_Field field = G_Fn_Field(ro_Row, i_Id);
    if (!field.M_Fn_Is_Empty())
        N_Biz::N_Proj::N_Impl::G_Fn_Field_Set_Number(field, i_Value, i_Function);
}

void G_Fn_Set_Text(N_DB::C_Row& ro_Row, N_DB::E_Id_Column i_Id, const std::wstring& i_Text, const char* i_Function)
{
    const N_DB::C_Visitor_Field field = G_Fn_Field(ro_Row, i_Id);
    if (!field.M_Fn_Is_Empty())
        N_Biz::N_Proj::N_Impl::G_Fn_Field_Set_Text(field, i_Text, i_Function);
}

// Column i_Id of ro_To takes the value of the same column of ro_From, when both tables have it:
// copied when the types agree, else through the wide text form.
void G_Fn_Copy_Column(N_DB::C_Row& ro_To, N_DB::C_Row& ro_From, N_DB::E_Id_Column i_Id)
{
    const N_DB::C_Visitor_Field to = G_Fn_Field(ro_To, i_Id);
    // The stored card's value may be computed (the name of a Dyna or Nastran card).
    N_DB::C_Route_Request request;
    request.m_Id = i_Id;
    ro_From.M_Fn_Route_Walk(request, nullptr, true);
    const N_DB::C_Visitor_Field from = request.m_Visitor;
    if (to.M_Fn_Is_Empty() || from.M_Fn_Is_Empty())
        return;
    if (to.M_Fn_Type() == from.M_Fn_Type() || from.M_Fn_Is_Virtual()) {
        if (to.M_Fn_Type() != from.M_Fn_Type())
            return;
        to.M_Fn_Assign(from);
        return;
    }
    std::wostringstream out;
    out.imbue(std::locale::classic());
    N_DB::G_Fn_Obj_Ops(from.M_Fn_Type()).m_pfn_WText_O(from.M_Fn_Value(), out);
    std::wistringstream in(out.str());
    in.imbue(std::locale::classic());
    N_DB::G_Fn_Obj_Ops(to.M_Fn_Type()).m_pfn_WText_I(to.M_Fn_Value(), in);
}

// The colour a converted card of a new dialog takes: cyan, from the hue a little above pi.
std::array<float, 4> G_Fn_Color_Cyan()
{
    std::array<float, 4> color{0, 0, 0, 1};
    N_Common::N_Math::G_Fn_Color_HSV_To_RGB(3.1415939f, 1.0f, 1.0f, color);
    color[3] = 1.0f;
    return color;
}

// A new card (a T_Row) of ro_Table; a failed allocation throws in the name of i_Function.
template <class T_Card, class T_Row = T_Card>
lesser_shared_ptr<T_Card> G_Fn_Card_New(const N_DB::C_Info_Table& ro_Table, const char* i_Function)
{
    lesser_shared_ptr<T_Card> sp_card;
    try {
        sp_card.reset(new T_Row(&ro_Table));
    } catch (const std::bad_alloc&) {
        VT_THROW(i_Function);
    }
    return sp_card;
}

// A created material or property card takes the next free colour of its manager's palette.
template <class T_Mgr, class T_Card>
void G_Fn_Card_Color_Pick(const T_Mgr& ro_Mgr, T_Card& ro_Card)
{
    std::array<float, 4> color{0, 0, 0, 1};
    ro_Mgr.M_Fn_Get_Palette().M_Fn_Pick(color);
    ro_Card.m_Display.M_Fn_Color_Set(color);
}

// The values of a material card made from nothing: "Untitled Material", id 0 and the
// configuration's material values.
void G_Fn_Card_Defaults_C_M(N_DB::C_Row& ro_Row, const N_Biz::N_Config::C_Config_Data& ro_Config,
                            const char* i_Function)
{
    G_Fn_Set_Text(ro_Row, N_DB::E_Id_Column_Name, L"Untitled Material", i_Function);
    G_Fn_Set_Number(ro_Row, N_DB::E_Id_Column_Key_primary_C_Material, 0.0, i_Function);
    G_Fn_Set_Number(ro_Row, N_DB::E_Id_Column_Density_Mass, ro_Config.m_Density, i_Function);
    G_Fn_Set_Number(ro_Row, N_DB::E_Id_Column_Ratio_Poisson, ro_Config.m_Poisson, i_Function);
    G_Fn_Set_Number(ro_Row, N_DB::E_Id_Column_Modulus_E, ro_Config.m_Modulus, i_Function);
    G_Fn_Set_Number(ro_Row, N_DB::E_Id_Column_Limit_Stress_Y, ro_Config.m_Yield, i_Function);
    G_Fn_Set_Number(ro_Row, N_DB::E_Id_Column_Limit_Stress_U, ro_Config.m_Ultimate, i_Function);
}

} // namespace

std::wstring C_Dlg_Model::M_Fn_Apply_Text() const
{
    switch (m_Mode) {
    case E_Mode_Create: return L"Create";
    case E_Mode_Modify: return L"Modify";
    default: VT_THROW(K_Init);
    }
}

void C_Dlg_Model::M_Fn_Init()
{
    M_Fn_Apply_Text(); // checks the mode
    if (m_Kind >= E_Kind_N && m_Mode != E_Mode_Modify)
        VT_THROW(K_Init);
    m_Types.clear();
    m_Type_Index = -1;
    switch (m_Kind) {
    case E_Kind_C_S: M_Fn_Init_D_DB_C_S(); return;
    case E_Kind_C_M: M_Fn_Init_D_DB_C_M(); return;
    case E_Kind_C_P: M_Fn_Init_D_DB_C_P(); return;
    default: break;
    }
    // Kinds 4-9: the object must be there (else C_Exception in the name of i_Function); the type box
    // holds one fixed entry.
    const auto fixed = [this](bool i_Present, const char* i_Function, const wchar_t* i_Type) {
        if (!i_Present)
            VT_THROW(i_Function);
        m_Types = {i_Type};
        m_Type_Index = 0;
    };
    const auto sect_given = [this] { return m_p_Sect && m_p_Sect->M_Fn_Get_Proj(); };
    switch (m_Kind) {
    case E_Kind_N:
        fixed(m_p_Row_N && m_p_Proj, "N_UI::N_Property::C_Dlg::M_Fn_Init_D_DB_N_Data", L"Node");
        m_Ctrl.M_Fn_Target_Set_D_DB_N(m_p_Proj, m_p_Row_N);
        m_Ctrl.M_Fn_Data_Set_D_DB_N(*m_p_Row_N, m_Read_Only);
        break;
    case E_Kind_E:
        fixed(m_p_Row_E && m_p_Proj, "N_UI::N_Property::C_Dlg::M_Fn_Init_D_DB_E", L"Element");
        m_Ctrl.M_Fn_Target_Set_D_DB_E(m_p_Proj, m_p_Row_E);
        m_Ctrl.M_Fn_Data_Set_D_DB_E(*m_p_Row_E, m_Read_Only);
        break;
    case E_Kind_M:
        fixed(m_p_Model && m_p_Proj, "N_UI::N_Property::C_Dlg::M_Fn_Init_D_M", L"Model");
        m_Ctrl.M_Fn_Target_Set_D_M(m_p_Proj, m_p_Model);
        m_Ctrl.M_Fn_Data_Set_D_M();
        break;
    case E_Kind_S:
        fixed(sect_given(), "N_UI::N_Property::C_Dlg::M_Fn_Init_D_S", L"Section");
        m_Ctrl.M_Fn_Target_Set_D_S(m_p_Sect);
        m_Ctrl.M_Fn_Data_Set_D_S();
        break;
    case E_Kind_Geom_P:
        fixed(sect_given(), "N_UI::N_Property::C_Dlg::M_Fn_Init_D_S_D_Geom_P", L"Section Geometric Point");
        m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_P(m_p_Sect, m_Id_Geom);
        m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_P(m_Read_Only);
        break;
    case E_Kind_Geom_E:
        fixed(sect_given(), "N_UI::N_Property::C_Dlg::M_Fn_Init_D_S_D_Geom_E", L"Section Geometric Entity");
        m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_E(m_p_Sect, m_Id_Geom);
        m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(m_Read_Only);
        break;
    case E_Kind_Tess_N: VT_THROW("N_UI::N_Property::C_Dlg::M_Fn_Init_D_S_D_Tess_N");
    case E_Kind_Tess_E: VT_THROW("N_UI::N_Property::C_Dlg::M_Fn_Init_D_S_D_Tess_E");
    default: VT_THROW(K_Init);
    }
}

void C_Dlg_Model::M_Fn_Types_Fill(N_DB::E_Type_Relation i_Type, const std::wstring& ro_Title)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Dlg::M_Fn_Types_Fill";
    m_Types = G_Fn_Schema(S_Name).M_Fn_Title_List(i_Type);
    const auto it = std::find(m_Types.begin(), m_Types.end(), ro_Title);
    if (it == m_Types.end())
        VT_THROW(S_Name);
    m_Type_Index = static_cast<std::int32_t>(it - m_Types.begin());
}

template <class T_Card, class T_Shown, class F>
void C_Dlg_Model::M_Fn_Init_Card(const lesser_shared_ptr<T_Card>& ro_sp_New, T_Card* i_p_Target,
                                 void (C_Ctrl::*i_pfn_Target)(N_Biz::N_Proj::C_Proj*, T_Card*),
                                 void (C_Ctrl::*i_pfn_Data)(const T_Shown&, bool), N_DB::E_Type_Relation i_Type,
                                 const char* i_Function, F&& i_Fn_New)
{
    if (!m_p_Proj)
        VT_THROW(i_Function);
    if (m_Mode == E_Mode_Create)
        i_Fn_New();
    T_Card* p_shown = m_Mode == E_Mode_Create ? ro_sp_New.get() : i_p_Target;
    if (!p_shown)
        VT_THROW(i_Function);
    (m_Ctrl.*i_pfn_Target)(m_p_Proj, i_p_Target);
    (m_Ctrl.*i_pfn_Data)(*p_shown, m_Read_Only);
    M_Fn_Types_Fill(i_Type, p_shown->M_Fn_Info_Table()->M_Fn_Title());
}

void C_Dlg_Model::M_Fn_Init_D_DB_C_S()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Dlg::M_Fn_Init_D_DB_C_S";
    M_Fn_Init_Card(m_sp_New_C_S, m_p_Row_C_S, &C_Ctrl::M_Fn_Target_Set_D_DB_C, &C_Ctrl::M_Fn_Data_Set_D_DB_C,
                   N_DB::E_Type_Relation_C_Section, S_Name, [this] {
                       const N_DB::C_Info_Table& table = G_Fn_Table(2, "SECTION_SHELL", S_Name);
                       m_sp_New_C_S = G_Fn_Card_New<N_DB::C_Row_Common, N_DB::C_Row_C_Section>(table, S_Name);
                       const float thk = G_Fn_Config(S_Name).m_Thickness;
                       G_Fn_Set_Number(*m_sp_New_C_S, N_DB::E_Id_Column_Key_primary_C_Section, 0.0, S_Name);
                       for (N_DB::E_Id_Column id : {N_DB::E_Id_Column_Thk_1, N_DB::E_Id_Column_Thk_2,
                                                    N_DB::E_Id_Column_Thk_3, N_DB::E_Id_Column_Thk_4})
                           G_Fn_Set_Number(*m_sp_New_C_S, id, thk, S_Name);
                   });
}

void C_Dlg_Model::M_Fn_Init_D_DB_C_M()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Dlg::M_Fn_Init_D_DB_C_M";
    M_Fn_Init_Card(m_sp_New_C_M, m_p_Row_C_M, &C_Ctrl::M_Fn_Target_Set_D_DB_C_M, &C_Ctrl::M_Fn_Data_Set_D_DB_C_M,
                   N_DB::E_Type_Relation_C_Material, S_Name, [this] {
                       m_sp_New_C_M = G_Fn_Card_New<N_DB::C_Row_C_Material>(G_Fn_Table(1, "Material", S_Name), S_Name);
                       G_Fn_Card_Defaults_C_M(*m_sp_New_C_M, G_Fn_Config(S_Name), S_Name);
                       G_Fn_Card_Color_Pick(m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M(), *m_sp_New_C_M);
                   });
}

void C_Dlg_Model::M_Fn_Init_D_DB_C_P()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Dlg::M_Fn_Init_D_DB_C_P";
    M_Fn_Init_Card(m_sp_New_C_P, m_p_Row_C_P, &C_Ctrl::M_Fn_Target_Set_D_DB_C_P, &C_Ctrl::M_Fn_Data_Set_D_DB_C_P,
                   N_DB::E_Type_Relation_C_Property, S_Name, [this] {
                       // The first material card in slot order; a property cannot be made without one.
                       const auto& materials = m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
                       lesser_shared_ptr<N_DB::C_Row_C_Material> sp_material;
                       for (std::uint32_t i = 1; i < materials.size() && !sp_material; ++i)
                           if (materials.is_used_at(i))
                               sp_material = materials.at(i);
                       if (!sp_material)
                           VT_THROW(S_Name);
                       m_sp_New_C_P = G_Fn_Card_New<N_DB::C_Row_C_Property>(G_Fn_Table(1, "Property", S_Name), S_Name);
                       G_Fn_Set_Text(*m_sp_New_C_P, N_DB::E_Id_Column_Name, L"Untitled Property", S_Name);
                       G_Fn_Set_Number(*m_sp_New_C_P, N_DB::E_Id_Column_Key_primary_C_Property, 0.0, S_Name);
                       const N_DB::C_Visitor_Field key =
                           G_Fn_Field(*m_sp_New_C_P, N_DB::E_Id_Column_Key_foreign_C_Material);
                       if (key.M_Fn_Is_Empty())
                           VT_THROW(S_Name);
                       key.M_Fn_Ref<N_DB::C_Key_C_Material>() = N_DB::C_Key_C_Material(sp_material);
                       G_Fn_Set_Number(*m_sp_New_C_P, N_DB::E_Id_Column_Thk, G_Fn_Config(S_Name).m_Thickness, S_Name);
                       G_Fn_Card_Color_Pick(m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P(), *m_sp_New_C_P);
                   });
}

void C_Dlg_Model::M_Fn_Type_Change(std::int32_t i_Index)
{
    if (i_Index < 0 || i_Index == m_Type_Index || static_cast<std::size_t>(i_Index) >= m_Types.size())
        return;
    m_Type_Index = i_Index;
    const std::wstring title = m_Types[static_cast<std::size_t>(i_Index)];
    if (m_Kind == E_Kind_C_M)
        M_Fn_Type_Change_D_DB_C_M(title);
    else if (m_Kind == E_Kind_C_P)
        M_Fn_Type_Change_D_DB_C_P(title);
    m_Modified = true;
}

namespace {

// A type change's new card of relation type i_Type and title i_Title with the kept columns
// i_Ids: from the stored card i_p_Stored (Modify), else from i_Fn_Defaults (Create).
template <class T_Card, class F>
lesser_shared_ptr<T_Card> G_Fn_Type_Change(N_DB::E_Type_Relation i_Type, const std::wstring& i_Title,
                                           T_Card* i_p_Stored, bool i_Modify, std::initializer_list<N_DB::E_Id_Column> i_Ids,
                                           F&& i_Fn_Defaults, const char* i_Function)
{
    const N_DB::C_Info_Table* p_table = G_Fn_Schema(i_Function).M_Fn_Info_Table_Lookup_By_Relation(i_Type, i_Title);
    if (!p_table)
        VT_THROW(i_Function);
    lesser_shared_ptr<T_Card> sp_new = G_Fn_Card_New<T_Card>(*p_table, i_Function);
    std::array<float, 4> color = G_Fn_Color_Cyan();
    if (i_Modify) {
        if (!i_p_Stored)
            VT_THROW(i_Function);
        color = i_p_Stored->m_Display.m_Color_Normal;
        for (N_DB::E_Id_Column id : i_Ids)
            G_Fn_Copy_Column(*sp_new, *i_p_Stored, id);
    } else {
        i_Fn_Defaults(*sp_new);
    }
    sp_new->m_Display.M_Fn_Color_Set(color);
    return sp_new;
}

} // namespace

void C_Dlg_Model::M_Fn_Type_Change_D_DB_C_M(const std::wstring& i_Title)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Dlg::M_Fn_Type_Change_D_DB_C_M";
    const N_Biz::N_Config::C_Config_Data& config = G_Fn_Config(S_Name);
    auto sp_new = G_Fn_Type_Change<N_DB::C_Row_C_Material>(
        N_DB::E_Type_Relation_C_Material, i_Title, m_p_Row_C_M, m_Mode == E_Mode_Modify,
        {N_DB::E_Id_Column_Name, N_DB::E_Id_Column_Key_primary_C_Material, N_DB::E_Id_Column_Density_Mass,
         N_DB::E_Id_Column_Ratio_Poisson, N_DB::E_Id_Column_Modulus_E, N_DB::E_Id_Column_Limit_Stress_Y,
         N_DB::E_Id_Column_Limit_Stress_U},
        [&](N_DB::C_Row& ro_Row) { G_Fn_Card_Defaults_C_M(ro_Row, config, S_Name); }, S_Name);
    if (m_Mode == E_Mode_Create)
        m_sp_New_C_M = sp_new;
    // The target stays the stored card: Apply gives it the new table.
    m_Ctrl.M_Fn_Data_Set_D_DB_C_M(*sp_new, m_Read_Only);
}

void C_Dlg_Model::M_Fn_Type_Change_D_DB_C_P(const std::wstring& i_Title)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Dlg::M_Fn_Type_Change_D_DB_C_P";
    const float thk = G_Fn_Config(S_Name).m_Thickness;
    auto sp_new = G_Fn_Type_Change<N_DB::C_Row_C_Property>(
        N_DB::E_Type_Relation_C_Property, i_Title, m_p_Row_C_P, m_Mode == E_Mode_Modify,
        {N_DB::E_Id_Column_Name, N_DB::E_Id_Column_Key_primary_C_Property, N_DB::E_Id_Column_Key_foreign_C_Material,
         N_DB::E_Id_Column_Key_foreign_C_Section, N_DB::E_Id_Column_Thk, N_DB::E_Id_Column_Thk_1,
         N_DB::E_Id_Column_Thk_2, N_DB::E_Id_Column_Thk_3, N_DB::E_Id_Column_Thk_4},
        [&](N_DB::C_Row& ro_Row) {
            G_Fn_Set_Text(ro_Row, N_DB::E_Id_Column_Name, L"Untitled Property", S_Name);
            G_Fn_Set_Number(ro_Row, N_DB::E_Id_Column_Key_primary_C_Property, 0.0, S_Name);
            for (N_DB::E_Id_Column id : {N_DB::E_Id_Column_Thk, N_DB::E_Id_Column_Thk_1, N_DB::E_Id_Column_Thk_2,
                                         N_DB::E_Id_Column_Thk_3, N_DB::E_Id_Column_Thk_4})
                G_Fn_Set_Number(ro_Row, id, thk, S_Name);
        },
        S_Name);
    if (m_Mode == E_Mode_Create)
        m_sp_New_C_P = sp_new;
    m_Ctrl.M_Fn_Data_Set_D_DB_C_P(*sp_new, m_Read_Only);
}

namespace {

// Create mode's Apply for one card kind: the new card (missing: C_Exception in the name of
// i_Function) takes the grid's working row, a material or property card also the grid's colour, and
// the manager's create command adds it under the next free slot, o_Id.
template <class T_Mgr, class T_Card>
void G_Fn_Card_Add(T_Mgr& ro_Mgr, const lesser_shared_ptr<T_Card>& ro_sp_New, C_Ctrl& ro_Ctrl, std::uint32_t& o_Id,
                   const char* i_Function)
{
    if (!ro_sp_New)
        VT_THROW(i_Function);
    N_Biz::N_Proj::N_Impl::G_Fn_Row_Data_Swap(*ro_sp_New, ro_Ctrl.M_Fn_Row_Working());
    if constexpr (!std::is_same_v<T_Card, N_DB::C_Row_Common>)
        ro_sp_New->m_Display.M_Fn_Color_Set(ro_Ctrl.M_Fn_Color_Get());
    o_Id = ro_Mgr.M_Fn_Get_Store().next_index();
    auto sp_card = ro_sp_New;
    ro_Mgr.M_Fn_Proc_Cmd_Top_Add(o_Id, sp_card);
}

} // namespace

bool C_Dlg_Model::M_Fn_Apply()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Dlg::M_Fn_On_Button_Apply_Clicked";
    if (m_Mode == E_Mode_Modify) {
        // A card that an undo took away while the dialog showed it takes no edit; the dialog ends
        // all the same, since what it shows is no longer there to edit.
        if (m_Modified && m_Ctrl.M_Fn_Target_Exists())
            m_Ctrl.M_Fn_Modify();
        else if (m_Modified)
            C_Ctrl::S_Fn_Refuse_Gone();
        return true;
    }
    if (m_Mode != E_Mode_Create || !m_p_Proj)
        VT_THROW(S_Name);
    switch (m_Kind) {
    case E_Kind_C_S: G_Fn_Card_Add(m_p_Proj->M_Fn_Get_Mgr_D_DB_C(), m_sp_New_C_S, m_Ctrl, m_Id_New, S_Name); break;
    case E_Kind_C_M: G_Fn_Card_Add(m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M(), m_sp_New_C_M, m_Ctrl, m_Id_New, S_Name); break;
    case E_Kind_C_P: G_Fn_Card_Add(m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P(), m_sp_New_C_P, m_Ctrl, m_Id_New, S_Name); break;
    default: VT_THROW(S_Name);
    }
    return true;
}

} // namespace N_UI::N_Property
