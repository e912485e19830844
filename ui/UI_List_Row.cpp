#include "ui/UI_List_Row.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "common/Common_Exception.h"
#include "common/Common_String_Number.h"
#include "ui/UI_Property_Row.h"

#include <locale>
#include <sstream>

namespace N_UI::N_List {

namespace N_DB = N_Biz::N_DB;

namespace {

const std::vector<std::wstring> G_Columns_C_S = {L"Section Name", L"SECID",       L"In Model",    L"Card Type",
                                                 L"Thickness 1",  L"Thickness 2", L"Thickness 3", L"Thickness 4"};
const std::vector<std::wstring> G_Columns_C_M = {L"Material Name", L"MID",           L"In Model",     L"Card Type",
                                                 L"Poisson Ratio", L"Young's Modulus", L"Yield Stress", L"Ultimate Stress"};
const std::vector<std::wstring> G_Columns_C_P = {
    L"Property Name",   L"PID",          L"In Model",        L"Card Type",   L"Material",
    L"Poisson Ratio",   L"Young's Modulus", L"Yield Stress", L"Ultimate Stress", L"Thickness 1",
    L"Thickness 2",     L"Thickness 3",  L"Thickness 4"};
const std::vector<std::wstring> G_Columns_Sen_Y = {L"Material Name", L"MID", L"In Model", L"X Inertia Moment",
                                                   L"Y Inertia Moment", L"Fz-", L"Mx+", L"Mx-", L"My+", L"My-"};
const std::vector<std::wstring> G_Columns_Sen_Thk = {L"Property Name", L"PID", L"In Model", L"X Inertia Moment",
                                                     L"Y Inertia Moment", L"Fz-", L"Mx+", L"Mx-", L"My+", L"My-"};

// The model nodes a row's relations are resolved against (none for a card of no model).
const N_DB::T_Nodes* G_Fn_Nodes(const N_DB::C_Row_Common& ro_Row)
{
    const N_Biz::N_Model::C_Model_Data* p_data = ro_Row.M_Fn_Model_Data_Get();
    return p_data ? &p_data->m_Nodes : nullptr;
}

N_DB::C_Visitor_Field G_Fn_Walk(N_DB::C_Row_Common& ro_Row, N_DB::E_Id_Column i_Id)
{
    N_DB::C_Route_Request request;
    request.m_Id = i_Id;
    ro_Row.M_Fn_Route_Walk(request, G_Fn_Nodes(ro_Row), false);
    return request.m_Visitor;
}

// The card's name; a card without one throws in the name of i_Function.
std::wstring G_Fn_Name(N_DB::C_Row_Common& ro_Row, const char* i_Function)
{
    const N_DB::C_Visitor_Field field = G_Fn_Walk(ro_Row, N_DB::E_Id_Column_Name);
    if (field.M_Fn_Is_Empty())
        VT_THROW(i_Function);
    std::wostringstream out;
    out.imbue(std::locale::classic());
    if (field.M_Fn_Is_Virtual()) {
        if (field.M_Fn_Type() != N_DB::E_Type_Obj_wstring)
            VT_THROW(i_Function);
        return field.M_Fn_Get<std::wstring>();
    }
    N_DB::G_Fn_Obj_Ops(field.M_Fn_Type()).m_pfn_WText_O(field.M_Fn_Value(), out);
    return out.str();
}

std::wstring G_Fn_Float(float i_Value) { return N_Property::G_Fn_Text(i_Value); }

// The value of column i_Id as a single-precision float, "-" when the row's table has none.
std::wstring G_Fn_Value(N_DB::C_Row_Common& ro_Row, N_DB::E_Id_Column i_Id)
{
    const N_DB::C_Visitor_Field field = G_Fn_Walk(ro_Row, i_Id);
    if (field.M_Fn_Is_Empty())
        return L"-";
    std::wostringstream out;
    out.imbue(std::locale::classic());
    out.precision(17);
    if (field.M_Fn_Is_Virtual()) {
        if (field.M_Fn_Type() != N_DB::E_Type_Obj_FLOAT32)
            return L"-";
        return G_Fn_Float(field.M_Fn_Get<float>());
    }
    N_DB::G_Fn_Obj_Ops(field.M_Fn_Type()).m_pfn_WText_O(field.M_Fn_Value(), out);
    double value = 0;
    if (!N_Common::N_String::G_Fn_Number_Whole(out.str(), value))
        return L"-";
    return G_Fn_Float(static_cast<float>(value));
}

std::wstring G_Fn_Model_Name(const N_DB::C_Row_Common& ro_Row)
{
    const N_Biz::N_Model::C_Model_Data* p_data = ro_Row.M_Fn_Model_Data_Get();
    return p_data && p_data->m_p_Owner ? p_data->m_p_Owner->M_Fn_Name_Get() : L"-";
}

// Select and Detail without a row to act on.
void G_Fn_Msg_Select_First()
{
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Msg(L"Please select a row first.");
}

} // namespace

void C_List_Model::M_Fn_Changed()
{
    if (m_Fn_Changed)
        m_Fn_Changed();
}

void C_List_Model::M_Fn_Init()
{
    M_Fn_Init_Buttons();
    M_Fn_Init_Fill();
}

void C_List_Model::M_Fn_Init_Buttons()
{
    m_Buttons.clear();
    switch (m_Kind) {
    case 1:
    case 2:
    case 3:
        m_Buttons.push_back({E_Id_Create, L"Create"});
        m_Buttons.push_back({E_Id_Detail, L"Detail"});
        if (m_Select == 1)
            m_Buttons.push_back({E_Id_Select, L"Select"});
        break;
    case 5:
        m_Index_Y = m_Buttons.size();
        m_Buttons.push_back({E_Id_Yield, L"Yield Stress", true});
        m_Index_Thk = m_Buttons.size();
        m_Buttons.push_back({E_Id_Thk, L"Thickness", true});
        m_Index_Area = m_Buttons.size();
        m_Buttons.push_back({E_Id_Area, L"Area", true});
        break;
    default: VT_THROW("N_UI::N_List::C_Dlg::OnInitDialog");
    }
    m_Radio_Current = m_Buttons.size();
}

void C_List_Model::M_Fn_Init_Fill()
{
    if (m_Kind != 5) {
        M_Fn_Fill_Cards(m_Preselect);
        return;
    }
    if (!m_p_Sect)
        return;
    N_Biz::N_Sect::C_Mgr_Calc& calc = m_p_Sect->M_Fn_Get_Mgr_Calc();
    calc.M_Fn_Calc_Sen_Limit_Stress_Y(m_Sen_Y);
    calc.M_Fn_Calc_Sen_Thk_Area(m_Sen_Area, m_Sen_Thk);
    M_Fn_On_Radio(m_Index_Y);
}

void C_List_Model::M_Fn_Fill_Cards(std::int32_t i_Preselect)
{
    switch (m_Kind) {
    case 1: M_Fn_Target_Items_D_DB_C_Section(i_Preselect); break;
    case 2: M_Fn_Target_Items_D_DB_C_Material(i_Preselect); break;
    case 3: M_Fn_Target_Items_D_DB_C_Property(i_Preselect); break;
    default: break;
    }
}

void C_List_Model::M_Fn_Clear_Rows()
{
    if (m_Has_Rows)
        m_Items.clear();
    m_Has_Rows = true;
}

void C_List_Model::M_Fn_Columns_Set(std::vector<std::wstring> i_Columns)
{
    if (m_Columns != i_Columns) {
        m_Items.clear();
        m_Columns = std::move(i_Columns);
    }
}

template <class F_Store, class F_Extra>
void C_List_Model::M_Fn_Fill_Cards_Of(const char* i_Function, const std::vector<std::wstring>& ro_Columns,
                                      std::int32_t i_Preselect, F_Store&& i_Fn_Store,
                                      std::initializer_list<N_DB::E_Id_Column> i_Values, F_Extra&& i_Fn_Extra)
{
    M_Fn_Columns_Set(ro_Columns);
    M_Fn_Clear_Rows();
    if (!m_p_Proj)
        VT_THROW(i_Function);
    const auto& store = i_Fn_Store(*m_p_Proj);
    struct C_Guard { // rows inserted before a failure stay listed
        C_List_Model* p;
        ~C_Guard() { p->M_Fn_Changed(); }
    } guard{this};
    // Backwards, each row inserted at the top: the list ends in ascending slot order.
    for (std::uint32_t i = store.size(); i-- > 1;) {
        if (!store.is_used_at(i) || !store.at(i))
            continue;
        auto& row = *store.at(i);
        C_Item item;
        item.m_Data = i;
        if (!i_Fn_Extra(row, item))
            continue;
        item.m_Selected = static_cast<std::int32_t>(item.m_Data) == i_Preselect;
        item.m_Cells.insert(item.m_Cells.begin(), {G_Fn_Name(row, i_Function), N_Property::G_Fn_Text(row.M_Fn_Id_Get()),
                                                   G_Fn_Model_Name(row), row.M_Fn_Info_Table()->M_Fn_Title()});
        for (N_DB::E_Id_Column id : i_Values)
            item.m_Cells.push_back(G_Fn_Value(row, id));
        m_Items.insert(m_Items.begin(), std::move(item));
    }
}

void C_List_Model::M_Fn_Target_Items_D_DB_C_Section(std::int32_t i_Preselect)
{
    M_Fn_Fill_Cards_Of(
        "N_UI::N_List::C_Ctrl::M_Fn_Target_Items_D_DB_C_Section", G_Columns_C_S, i_Preselect,
        [](N_Biz::N_Proj::C_Proj& ro_Proj) -> const auto& { return ro_Proj.M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_Store(); },
        {N_DB::E_Id_Column_Thk_1, N_DB::E_Id_Column_Thk_2, N_DB::E_Id_Column_Thk_3, N_DB::E_Id_Column_Thk_4},
        [](N_DB::C_Row_Common& ro_Row, C_Item& ro_Item) {
            // Section cards only, known by the index they keep of themselves.
            ro_Item.m_Data = static_cast<std::uintptr_t>(ro_Row.M_Fn_Pos_Get());
            return ro_Row.M_Fn_Info_Table() &&
                   ro_Row.M_Fn_Info_Table()->M_Fn_Type_Relation() == N_DB::E_Type_Relation_C_Section;
        });
}

void C_List_Model::M_Fn_Target_Items_D_DB_C_Material(std::int32_t i_Preselect)
{
    M_Fn_Fill_Cards_Of(
        "N_UI::N_List::C_Ctrl::M_Fn_Target_Items_D_DB_C_Material", G_Columns_C_M, i_Preselect,
        [](N_Biz::N_Proj::C_Proj& ro_Proj) -> const auto& { return ro_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store(); },
        {N_DB::E_Id_Column_Ratio_Poisson, N_DB::E_Id_Column_Modulus_E, N_DB::E_Id_Column_Limit_Stress_Y,
         N_DB::E_Id_Column_Limit_Stress_U},
        [](N_DB::C_Row_C_Material&, C_Item&) { return true; });
}

void C_List_Model::M_Fn_Target_Items_D_DB_C_Property(std::int32_t i_Preselect)
{
    static constexpr const char* S_Name = "N_UI::N_List::C_Ctrl::M_Fn_Target_Items_D_DB_C_Property";
    M_Fn_Fill_Cards_Of(
        S_Name, G_Columns_C_P, i_Preselect,
        [](N_Biz::N_Proj::C_Proj& ro_Proj) -> const auto& { return ro_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store(); },
        {N_DB::E_Id_Column_Ratio_Poisson, N_DB::E_Id_Column_Modulus_E, N_DB::E_Id_Column_Limit_Stress_Y,
         N_DB::E_Id_Column_Limit_Stress_U, N_DB::E_Id_Column_Thk_1, N_DB::E_Id_Column_Thk_2, N_DB::E_Id_Column_Thk_3,
         N_DB::E_Id_Column_Thk_4},
        [](N_DB::C_Row_C_Property& ro_Row, C_Item& ro_Item) {
            // The material's name follows the card type.
            const auto sp_material = ro_Row.M_Fn_Key_C_Material().M_Fn_Lock();
            ro_Item.m_Cells.push_back(sp_material ? G_Fn_Name(*sp_material, S_Name) : L"-");
            return true;
        });
}

void C_List_Model::M_Fn_Target_Items_Sen(const N_Biz::N_Sect::C_Result_Str_Sen_List& ro_List)
{
    static constexpr const char* S_Name = "N_UI::N_List::C_Ctrl::M_Fn_Target_Items_Sen";
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        VT_THROW(S_Name);
    const std::int32_t bound = p_app->m_sp_Config->M_Fn_Data().m_Stress_Bound == 1 ? 1 : 0;
    M_Fn_Clear_Rows();
    struct C_Guard {
        C_List_Model* p;
        ~C_Guard() { p->M_Fn_Changed(); }
    } guard{this};
    for (const auto& sp_result : ro_List.m_List) {
        if (!sp_result)
            VT_THROW(S_Name);
        N_DB::C_Row_Common* p_row = sp_result->m_sp_Material ? static_cast<N_DB::C_Row_Common*>(sp_result->m_sp_Material.get())
                                                             : sp_result->m_sp_Property.get();
        if (!p_row)
            VT_THROW(S_Name);
        C_Item item;
        item.m_Data = reinterpret_cast<std::uintptr_t>(sp_result.get());
        item.m_Cells = {G_Fn_Name(*p_row, S_Name), N_Property::G_Fn_Text(p_row->M_Fn_Id_Get()), G_Fn_Model_Name(*p_row),
                        G_Fn_Float(sp_result->m_Ixx[0]), G_Fn_Float(sp_result->m_Iyy[0])};
        for (std::size_t c = 1; c <= 5; ++c)
            item.m_Cells.push_back(G_Fn_Float(sp_result->m_Case[c][static_cast<std::size_t>(bound)][0]));
        m_Items.push_back(std::move(item));
    }
}

void C_List_Model::M_Fn_On_Radio(std::size_t i_Button)
{
    if (i_Button >= m_Buttons.size() || i_Button == m_Radio_Current || !m_Buttons[i_Button].m_Radio)
        return;
    if (m_Radio_Current < m_Buttons.size())
        m_Buttons[m_Radio_Current].m_Checked = false;
    m_Buttons[i_Button].m_Checked = true;
    m_Radio_Current = i_Button;
    if (m_Has_Rows)
        m_Items.clear();
    m_Columns.clear();
    m_Columns = i_Button == m_Index_Y ? G_Columns_Sen_Y : G_Columns_Sen_Thk;
    const N_Biz::N_Sect::C_Result_Str_Sen_List& list =
        i_Button == m_Index_Y ? m_Sen_Y : (i_Button == m_Index_Thk ? m_Sen_Thk : m_Sen_Area);
    M_Fn_Target_Items_Sen(list);
}

bool C_List_Model::M_Fn_On_Select(long i_Selected)
{
    if (i_Selected < 0 || static_cast<std::size_t>(i_Selected) >= m_Items.size()) {
        G_Fn_Msg_Select_First();
        return false;
    }
    m_Result = static_cast<std::int32_t>(m_Items[static_cast<std::size_t>(i_Selected)].m_Data);
    return true;
}

void C_List_Model::M_Fn_On_Create(long i_Selected)
{
    if (!m_p_Proj)
        return;
    if (m_Kind < 1 || m_Kind > 4)
        VT_THROW("N_UI::N_List::C_Dlg::M_Fn_On_Bn_Clicked_Create");
    const std::int32_t data = i_Selected >= 0 && static_cast<std::size_t>(i_Selected) < m_Items.size()
                                  ? static_cast<std::int32_t>(m_Items[static_cast<std::size_t>(i_Selected)].m_Data)
                                  : 0;
    N_Biz::N_Proj::C_Dlg::S_Fn_Property_Run(*m_p_Proj, N_Biz::N_Proj::C_Dlg::E_Mode_Property_Create,
                                            static_cast<std::uint32_t>(m_Kind), nullptr);
    M_Fn_Fill_Cards(data);
}

void C_List_Model::M_Fn_On_Detail(long i_Selected)
{
    static constexpr const char* S_Name = "N_UI::N_List::C_Dlg::M_Fn_On_Bn_Clicked_Detail";
    if (!m_p_Proj)
        return;
    if (i_Selected < 0 || static_cast<std::size_t>(i_Selected) >= m_Items.size()) {
        G_Fn_Msg_Select_First();
        return;
    }
    const std::uint32_t slot = static_cast<std::uint32_t>(m_Items[static_cast<std::size_t>(i_Selected)].m_Data);
    // The card in the slot, none when it has left the project since the list was filled.
    const auto card_at = [slot](const auto& ro_Mgr) -> N_DB::C_Row_Relation* {
        return ro_Mgr.M_Fn_Get_Store().is_used_at(slot) ? ro_Mgr.M_Fn_Get_At(slot).get() : nullptr;
    };
    N_DB::C_Row_Relation* p_card = nullptr;
    switch (m_Kind) {
    case 1: p_card = card_at(m_p_Proj->M_Fn_Get_Mgr_D_DB_C()); break;
    case 2: p_card = card_at(m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M()); break;
    case 3: p_card = card_at(m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P()); break;
    default: VT_THROW(S_Name);
    }
    // A row whose card is gone: the list shows what is there now, with nothing selected.
    if (!p_card) {
        M_Fn_Fill_Cards(0);
        G_Fn_Msg_Select_First();
        return;
    }
    N_Biz::N_Proj::C_Dlg::S_Fn_Property_Run(*m_p_Proj, N_Biz::N_Proj::C_Dlg::E_Mode_Property_Modify,
                                            static_cast<std::uint32_t>(m_Kind), p_card);
    M_Fn_Fill_Cards(static_cast<std::int32_t>(slot));
}

} // namespace N_UI::N_List
