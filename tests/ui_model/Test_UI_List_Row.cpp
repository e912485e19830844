// The list dialog's work without its window: the kinds it refuses, the card lists in slot order with
// their column sets, Select, and the sensitivity lists under the configuration's bound.
#include "tests/sect/Test_Sect_Geom_Support.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "common/Common_Exception.h"
#include "ui/UI_List_Row.h"

#include <gtest/gtest.h>

using namespace N_Test_Sect_Geom;
using N_Common::N_Exception::C_Exception;
using N_UI::N_List::C_List_Model;
namespace N_DB = N_Biz::N_DB;

namespace {

class C_List : public C_Geom_Test {
protected:
    ~C_List() override
    {
        N_Biz::N_Proj::C_Dlg::S_Fn_Property = nullptr;
    }
    N_Biz::N_Proj::C_Proj& proj() { return *m_up_Proj; }
    // A standard material named i_Name with MID i_Id in slot i_Slot (E 210000, NU 0.3, stresses
    // 210 and 262.5).
    lesser_shared_ptr<N_DB::C_Row_C_Material> M_Fn_Material(const std::wstring& i_Name, std::int32_t i_Id,
                                                            std::uint32_t i_Slot)
    {
        lesser_shared_ptr<N_DB::C_Row_C_Material> sp(
            new N_DB::C_Row_C_Material(G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
        auto field = [&](N_DB::E_Id_Column i_C) { return sp->M_Fn_Column_Practical_Get_o_Visitor_Field(i_C); };
        field(N_DB::E_Id_Column_Name).M_Fn_Ref<std::wstring>() = i_Name;
        field(N_DB::E_Id_Column_Key_primary_C_Material).M_Fn_Ref<std::int32_t>() = i_Id;
        field(N_DB::E_Id_Column_Ratio_Poisson).M_Fn_Ref<float>() = 0.3f;
        field(N_DB::E_Id_Column_Modulus_E).M_Fn_Ref<float>() = 210000.0f;
        field(N_DB::E_Id_Column_Limit_Stress_Y).M_Fn_Ref<float>() = 210.0f;
        field(N_DB::E_Id_Column_Limit_Stress_U).M_Fn_Ref<float>() = 262.5f;
        proj().M_Fn_Get_Mgr_D_DB_C_M().M_Fn_D_Add_At(i_Slot, sp);
        return sp;
    }
    std::vector<std::wstring> M_Fn_Column(std::size_t i_Column)
    {
        std::vector<std::wstring> cells;
        for (const auto& item : m_List.M_Fn_Items())
            cells.push_back(i_Column < item.m_Cells.size() ? item.m_Cells[i_Column] : L"<none>");
        return cells;
    }

    C_List_Model m_List;
};

} // namespace

TEST_F(C_List, KindsOtherThanTheCardsAndTheSensitivitiesThrowBeforeAnyRow)
{
    M_Fn_Material(L"A", 1, 1);
    for (std::int32_t kind : {0, 4, 6}) {
        C_List_Model list;
        list.m_Kind = kind;
        list.m_p_Proj = &proj();
        EXPECT_THROW(list.M_Fn_Init(), C_Exception) << kind;
        EXPECT_TRUE(list.M_Fn_Items().empty());
        EXPECT_TRUE(list.M_Fn_Columns().empty());
    }
    // Filling without a project.
    C_List_Model list;
    list.m_Kind = 2;
    EXPECT_THROW(list.M_Fn_Init(), C_Exception);
    EXPECT_TRUE(list.M_Fn_Items().empty());
}

TEST_F(C_List, MaterialCardsInSlotOrderWithTheirColumns)
{
    M_Fn_Material(L"A", 11, 1);
    lesser_shared_ptr<N_DB::C_Row_C_Material> sp_gone = M_Fn_Material(L"B", 12, 2);
    M_Fn_Material(L"C", 13, 3);
    lesser_shared_ptr<N_DB::C_Row_C_Material> sp_out;
    proj().M_Fn_Get_Mgr_D_DB_C_M().M_Fn_D_Remove_At(2, sp_out);

    m_List.m_Kind = 2;
    m_List.m_p_Proj = &proj();
    m_List.m_Preselect = 3;
    m_List.M_Fn_Init();
    EXPECT_EQ(m_List.M_Fn_Columns(),
              (std::vector<std::wstring>{L"Material Name", L"MID", L"In Model", L"Card Type", L"Poisson Ratio",
                                         L"Young's Modulus", L"Yield Stress", L"Ultimate Stress"}));
    ASSERT_EQ(m_List.M_Fn_Items().size(), 2u);
    EXPECT_EQ(m_List.M_Fn_Items()[0].m_Cells,
              (std::vector<std::wstring>{L"A", L"11", L"-", L"(Recommended) Simple Material", L"0.3", L"210000", L"210",
                                         L"262.5"}));
    EXPECT_EQ(M_Fn_Column(0), (std::vector<std::wstring>{L"A", L"C"}));
    EXPECT_EQ(m_List.M_Fn_Items()[0].m_Data, 1u);
    EXPECT_EQ(m_List.M_Fn_Items()[1].m_Data, 3u);
    EXPECT_FALSE(m_List.M_Fn_Items()[0].m_Selected);
    EXPECT_TRUE(m_List.M_Fn_Items()[1].m_Selected);
    ASSERT_EQ(m_List.M_Fn_Buttons().size(), 2u);
    EXPECT_EQ(m_List.M_Fn_Buttons()[0].m_Text, L"Create");
    EXPECT_EQ(m_List.M_Fn_Buttons()[1].m_Text, L"Detail");

    // Select: nothing selected shows the message; a row gives its slot.
    EXPECT_FALSE(m_List.M_Fn_On_Select(-1));
    EXPECT_EQ(m_App.port().M_Fn_Texts(L"box"), (std::vector<std::wstring>{L"Please select a row first."}));
    EXPECT_TRUE(m_List.M_Fn_On_Select(1));
    EXPECT_EQ(m_List.m_Result, 3);
}

// Detail on a row whose card an undo took away: no dialog, the list shows what is there now and asks
// for a row.
TEST_F(C_List, DetailOfACardThatIsGoneRefillsTheList)
{
    M_Fn_Material(L"A", 11, 1);
    lesser_shared_ptr<N_DB::C_Row_C_Material> sp(
        new N_DB::C_Row_C_Material(G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
    sp->M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Name).M_Fn_Ref<std::wstring>() = L"B";
    proj().M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Proc_Cmd_Top_Add(2, sp);
    int opened = 0;
    N_Biz::N_Proj::C_Dlg::S_Fn_Property = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t, std::uint32_t,
                                              N_DB::C_Row_Relation*) { ++opened; };
    m_List.m_Kind = 2;
    m_List.m_p_Proj = &proj();
    m_List.M_Fn_Init();
    ASSERT_EQ(M_Fn_Column(0), (std::vector<std::wstring>{L"A", L"B"}));
    history().M_Fn_Undo();
    EXPECT_NO_THROW(m_List.M_Fn_On_Detail(1));
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(M_Fn_Column(0), std::vector<std::wstring>{L"A"});
    ASSERT_FALSE(m_App.port().M_Fn_Texts(L"box").empty());
    EXPECT_EQ(m_App.port().M_Fn_Texts(L"box").back(), L"Please select a row first.");
}

TEST_F(C_List, PropertyCardsNameTheirMaterialAndCreateRefillsWithTheSelection)
{
    auto sp_a = M_Fn_Material(L"A", 11, 1);
    auto sp_p = M_Fn_Property(1.5f);
    sp_p->M_Fn_Key_C_Material() = N_DB::C_Key_C_Material(sp_a);
    sp_p->M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Name).M_Fn_Ref<std::wstring>() = L"Skin";
    m_List.m_Kind = 3;
    m_List.m_Select = 1;
    m_List.m_p_Proj = &proj();
    m_List.M_Fn_Init();
    EXPECT_EQ(m_List.M_Fn_Columns().size(), 13u);
    EXPECT_EQ(m_List.M_Fn_Columns()[4], L"Material");
    EXPECT_EQ(m_List.M_Fn_Columns()[12], L"Thickness 4");
    ASSERT_EQ(m_List.M_Fn_Buttons().size(), 3u);
    EXPECT_EQ(m_List.M_Fn_Buttons()[2].m_Text, L"Select");
    ASSERT_EQ(m_List.M_Fn_Items().size(), 1u);
    EXPECT_EQ(m_List.M_Fn_Items()[0].m_Cells[0], L"Skin");
    EXPECT_EQ(m_List.M_Fn_Items()[0].m_Cells[4], L"A");
    // The property's material values are reached through its material.
    EXPECT_EQ(m_List.M_Fn_Items()[0].m_Cells[6], L"210000");

    // Create opens the property dialog in create mode, then lists again with the row that was
    // selected before.
    std::vector<std::uint32_t> opened;
    N_Biz::N_Proj::C_Dlg::S_Fn_Property = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Mode, std::uint32_t i_Kind,
                                              N_DB::C_Row_Relation* i_p_Row) {
        opened = {i_Mode, i_Kind, i_p_Row ? 1u : 0u};
        M_Fn_Property(2.0f)->M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Name).M_Fn_Ref<std::wstring>() =
            L"New";
    };
    m_List.M_Fn_On_Create(0);
    EXPECT_EQ(opened, (std::vector<std::uint32_t>{1u, 3u, 0u}));
    EXPECT_EQ(M_Fn_Column(0), (std::vector<std::wstring>{L"Skin", L"New"}));
    EXPECT_TRUE(m_List.M_Fn_Items()[0].m_Selected);
    EXPECT_FALSE(m_List.M_Fn_Items()[1].m_Selected);
    // Detail opens the selected card.
    m_List.M_Fn_On_Detail(1);
    EXPECT_EQ(opened, (std::vector<std::uint32_t>{2u, 3u, 1u}));
    EXPECT_TRUE(m_List.M_Fn_Items()[1].m_Selected);
}

TEST_F(C_List, SensitivitiesFillByTheBoundOption)
{
    auto sp_a = M_Fn_Material(L"A", 11, 1);
    N_Biz::N_Sect::C_Result_Str_Sen_List results;
    auto sp_result = std::make_shared<N_Biz::N_Sect::C_Result_Str_Sen>();
    sp_result->m_sp_Material = sp_a;
    sp_result->m_Ixx = {1.5f, 99.0f};
    sp_result->m_Iyy = {2.5f, 99.0f};
    for (std::size_t c = 0; c < sp_result->m_Case.size(); ++c)
        for (std::size_t s = 0; s < 5; ++s) {
            sp_result->m_Case[c][0][s] = static_cast<float>(10 * c + s);
            sp_result->m_Case[c][1][s] = static_cast<float>(100 + 10 * c + s);
        }
    results.m_List.push_back(sp_result);

    m_List.m_Kind = 5; // without a section: the buttons only
    m_List.M_Fn_Init();
    ASSERT_EQ(m_List.M_Fn_Buttons().size(), 3u);
    EXPECT_EQ(m_List.M_Fn_Buttons()[0].m_Text, L"Yield Stress");
    EXPECT_EQ(m_List.M_Fn_Radio_Current(), 3u);
    EXPECT_TRUE(m_List.M_Fn_Items().empty());

    m_App.app().m_sp_Config->M_Fn_Data().m_Stress_Bound = 0;
    m_List.M_Fn_Target_Items_Sen(results);
    ASSERT_EQ(m_List.M_Fn_Items().size(), 1u);
    // Load cases 1 to 5 (Fz-, Mx+, Mx-, My+, My-), first statistic (the maximum).
    EXPECT_EQ(m_List.M_Fn_Items()[0].m_Cells,
              (std::vector<std::wstring>{L"A", L"11", L"-", L"1.5", L"2.5", L"10", L"20", L"30", L"40", L"50"}));
    m_App.app().m_sp_Config->M_Fn_Data().m_Stress_Bound = 1;
    m_List.M_Fn_Target_Items_Sen(results);
    ASSERT_EQ(m_List.M_Fn_Items().size(), 1u);
    EXPECT_EQ(m_List.M_Fn_Items()[0].m_Cells,
              (std::vector<std::wstring>{L"A", L"11", L"-", L"1.5", L"2.5", L"110", L"120", L"130", L"140", L"150"}));

    // A null result, or one without rows.
    results.m_List.push_back(std::make_shared<N_Biz::N_Sect::C_Result_Str_Sen>());
    EXPECT_THROW(m_List.M_Fn_Target_Items_Sen(results), C_Exception);
    EXPECT_EQ(m_List.M_Fn_Items().size(), 1u); // the rows before it stay

    // The buttons: pressing the checked one again does not refill.
    int refills = 0;
    m_List.m_Fn_Changed = [&] { ++refills; };
    m_List.M_Fn_On_Radio(1);
    EXPECT_EQ(refills, 1);
    EXPECT_TRUE(m_List.M_Fn_Buttons()[1].m_Checked);
    EXPECT_EQ(m_List.M_Fn_Columns()[0], L"Property Name");
    m_List.M_Fn_On_Radio(1);
    EXPECT_EQ(refills, 1);
    m_List.M_Fn_On_Radio(0);
    EXPECT_EQ(refills, 2);
    EXPECT_FALSE(m_List.M_Fn_Buttons()[1].m_Checked);
    EXPECT_TRUE(m_List.M_Fn_Buttons()[0].m_Checked);
    EXPECT_EQ(m_List.M_Fn_Columns()[0], L"Material Name");
}
