// The property grid's rows without a window: rejected edits with their warnings, the commit of
// points and lines (only the rows the user changed reach the object), and the properties pane's
// choice of rows and its deferred rebuild after a commit.
#include "tests/sect/Test_Sect_Geom_Support.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_D_Tess_Element.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"
#include "ui/UI_Property_Row.h"
#include "ui/UI_Property_Row_Pane.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

using namespace N_Test_Sect_Geom;
using N_Common::N_Exception::C_Exception;
using N_UI::N_Property::C_Ctrl;
using N_UI::N_Property::C_Pane_Model;
using N_UI::N_Property::C_Row;

namespace {

bool G_Fn_Same_Bits(float i_A, float i_B) { return std::memcmp(&i_A, &i_B, sizeof(float)) == 0; }

class C_Property_Grid : public C_Geom_Test {
protected:
    bool M_Fn_Logged(const std::string& i_Line)
    {
        const auto lines = m_App.log_lines();
        return std::find(lines.begin(), lines.end(), i_Line) != lines.end();
    }
    std::vector<std::wstring> M_Fn_Boxes() { return m_App.port().M_Fn_Texts(L"box"); }

    // A standard material card in slot 1: E 210000, NU 0.3.
    N_Biz::N_DB::C_Row_C_Material& M_Fn_Material()
    {
        lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material> sp(
            new N_Biz::N_DB::C_Row_C_Material(G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
        sp->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Modulus_E).M_Fn_Ref<float>() = 210000.0f;
        sp->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Ratio_Poisson).M_Fn_Ref<float>() = 0.3f;
        m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_D_Add_At(1, sp);
        return *sp;
    }
    // That card shown in the grid, editable.
    N_Biz::N_DB::C_Row_C_Material& M_Fn_Material_Shown()
    {
        N_Biz::N_DB::C_Row_C_Material& card = M_Fn_Material();
        m_Ctrl.M_Fn_Target_Set_D_DB_C_M(m_up_Proj.get(), &card);
        m_Ctrl.M_Fn_Data_Set_D_DB_C_M(card, false);
        return card;
    }
    // Its row i_Name.
    C_Row* M_Fn_Material_Row(const wchar_t* i_Name)
    {
        return m_Ctrl.M_Fn_Row_Find(L"(Recommended) Simple Material", i_Name);
    }
    static float S_Fn_Get(N_Biz::N_DB::C_Row& ro_Row, N_Biz::N_DB::E_Id_Column i_Id)
    {
        return ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id).M_Fn_Get<float>();
    }

    C_Ctrl m_Ctrl;
};

} // namespace

TEST_F(C_Property_Grid, RejectedEditsWarnAndKeepTheAcceptedValue)
{
    N_Biz::N_DB::C_Row_C_Material& card = M_Fn_Material_Shown();
    C_Row* p_e = M_Fn_Material_Row(L"E");
    C_Row* p_nu = M_Fn_Material_Row(L"NU");
    ASSERT_TRUE(p_e && p_nu);
    EXPECT_EQ(p_e->m_Text, L"210000");
    int changes = 0;
    m_Ctrl.m_Fn_Changed = [&](C_Row&) { ++changes; };

    EXPECT_FALSE(m_Ctrl.M_Fn_Row_Edit(*p_e, L"abc"));
    EXPECT_FALSE(m_Ctrl.M_Fn_Row_Edit(*p_e, L"12abc"));
    EXPECT_FALSE(m_Ctrl.M_Fn_Row_Edit(*p_e, L"-5"));
    EXPECT_FALSE(m_Ctrl.M_Fn_Row_Edit(*p_nu, L"0.7"));
    const std::wstring invalid = L"Warning: The new value is invalid for this field, changing has been rejected.";
    EXPECT_EQ(M_Fn_Boxes(), (std::vector<std::wstring>{
                                invalid, invalid,
                                L"Warning: The new value is out of range, exceeds lower bound, changing has been rejected.",
                                L"Warning: The new value is out of range, exceeds upper bound, changing has been rejected."}));
    EXPECT_TRUE(M_Fn_Logged("Msg: " + N_Common::N_String::G_Fn_To_Narrow_UTF8(invalid)));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(p_e->m_Text, L"210000");
    EXPECT_EQ(p_nu->m_Text, L"0.3");
    // The working copy holds the previous values: a commit sends them.
    EXPECT_EQ(S_Fn_Get(m_Ctrl.M_Fn_Row_Working(), N_Biz::N_DB::E_Id_Column_Modulus_E), 210000.0f);
    EXPECT_EQ(S_Fn_Get(m_Ctrl.M_Fn_Row_Working(), N_Biz::N_DB::E_Id_Column_Ratio_Poisson), 0.3f);

    // An accepted edit is written back as the row's new base text and committed as one entry.
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_Edit(*p_e, L" 200000.0 "));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(p_e->m_Text, L"200000");
    EXPECT_EQ(p_e->m_Text_Base, L"200000");
    const std::size_t before = M_Fn_History_Size();
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Modify material card"));
    EXPECT_EQ(S_Fn_Get(card, N_Biz::N_DB::E_Id_Column_Modulus_E), 200000.0f);
    EXPECT_EQ(S_Fn_Get(card, N_Biz::N_DB::E_Id_Column_Ratio_Poisson), 0.3f);
}

TEST_F(C_Property_Grid, ANumberWithMoreAfterItIsRefusedLikeNoNumber)
{
    M_Fn_Material_Shown();
    C_Row* p_e = M_Fn_Material_Row(L"E");
    C_Row* p_mid = M_Fn_Material_Row(L"MID");
    ASSERT_TRUE(p_e && p_mid);
    int changes = 0;
    m_Ctrl.m_Fn_Changed = [&](C_Row&) { ++changes; };

    // A float and an integer column: a decimal comma, a unit, two numbers, a fraction in an integer.
    const std::wstring invalid = L"Warning: The new value is invalid for this field, changing has been rejected.";
    std::size_t boxes = 0;
    for (const auto& [p_row, text] : {std::pair{p_e, L"3,7"}, {p_e, L"1,5"}, {p_e, L"2x"}, {p_e, L"1 2"},
                                      {p_e, L"1.5.2"}, {p_mid, L"3,7"}, {p_mid, L"1.5"}, {p_mid, L"7x"}}) {
        EXPECT_FALSE(m_Ctrl.M_Fn_Row_Edit(*p_row, text)) << text;
        EXPECT_EQ(M_Fn_Boxes().size(), ++boxes) << text;
        EXPECT_EQ(M_Fn_Boxes().back(), invalid) << text;
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(p_e->m_Text, L"210000");
    EXPECT_EQ(p_mid->m_Text, L"0");
    EXPECT_EQ(S_Fn_Get(m_Ctrl.M_Fn_Row_Working(), N_Biz::N_DB::E_Id_Column_Modulus_E), 210000.0f);

    // One number with blanks around it is taken.
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_Edit(*p_e, L"1.5"));
    EXPECT_EQ(p_e->m_Text, L"1.5");
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_Edit(*p_e, L" 7e4 "));
    EXPECT_EQ(p_e->m_Text, L"70000");
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_Edit(*p_mid, L" 12 "));
    EXPECT_EQ(p_mid->m_Text, L"12");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(M_Fn_Boxes().size(), boxes);

    // A point's coordinate: "1,5" goes back to the base text as "abc" does, and nothing is
    // committed; "1.5" moves the point.
    std::uint32_t id = 0;
    M_Fn_Run(L"Point", [&](const T_sp_Group& ro_sp_Group) { id = M_Fn_Point(ro_sp_Group, 4.0f, 2.0f); });
    m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_P(&sect(), id);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_P(false);
    C_Row* p_x = m_Ctrl.M_Fn_Row_At(0, 2);
    ASSERT_TRUE(p_x);
    const std::size_t before = M_Fn_History_Size();
    for (const wchar_t* text : {L"abc", L"1,5", L"-1.5e"}) {
        m_Ctrl.M_Fn_Row_Edit(*p_x, text);
        m_Ctrl.M_Fn_Modify();
        EXPECT_EQ(p_x->m_Text, L"4") << text;
        EXPECT_EQ(M_Fn_History_Size(), before) << text;
        EXPECT_EQ(points().M_Fn_Get_At(id).m_X, 4.0f) << text;
    }
    m_Ctrl.M_Fn_Row_Edit(*p_x, L" 1.5 ");
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_EQ(points().M_Fn_Get_At(id).m_X, 1.5f);

    // A line's own thickness likewise.
    M_Fn_Run(L"Line", [&](const T_sp_Group& ro_sp_Group) { id = M_Fn_Line_XY(ro_sp_Group, 0, 0, 10, 0); });
    const_cast<C_D_Geom_E_Line&>(M_Fn_Line_At(id)).m_Thk_Individual = 2.0f;
    m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_E(&sect(), id);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(false);
    C_Row* p_thk = m_Ctrl.M_Fn_Row_At(0, 6);
    ASSERT_TRUE(p_thk);
    const std::size_t before_thk = M_Fn_History_Size();
    m_Ctrl.M_Fn_Row_Edit(*p_thk, L"3,7");
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(p_thk->m_Text, L"2");
    EXPECT_EQ(M_Fn_History_Size(), before_thk);
    EXPECT_EQ(M_Fn_Line_At(id).m_Thk_Individual, 2.0f);
    m_Ctrl.M_Fn_Row_Edit(*p_thk, L"3.7");
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(M_Fn_History_Size(), before_thk + 1);
    EXPECT_EQ(M_Fn_Line_At(id).m_Thk_Individual, 3.7f);
    // These rows go back without a word, as for "abc": no warning more.
    const auto warnings = M_Fn_Boxes();
    EXPECT_EQ(static_cast<std::size_t>(std::count(warnings.begin(), warnings.end(), invalid)), boxes);
}

TEST_F(C_Property_Grid, TheGridRefusesMisuse)
{
    EXPECT_THROW(m_Ctrl.M_Fn_Modify(), C_Exception);
    EXPECT_THROW(m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_P(&sect(), 0), C_Exception);
    EXPECT_THROW(m_Ctrl.M_Fn_Target_Set_D_DB_C_M(nullptr, nullptr), C_Exception);
    m_Ctrl.M_Fn_Data_Set_Point_2D(1, 2);
    EXPECT_THROW(m_Ctrl.M_Fn_Modify(), C_Exception);
    m_Ctrl.M_Fn_Data_Set_Num_Sel(3);
    EXPECT_THROW(m_Ctrl.M_Fn_Modify(), C_Exception);
    EXPECT_THROW(m_Ctrl.M_Fn_Modify_D_DB_E(), C_Exception);
    EXPECT_THROW(m_Ctrl.M_Fn_Modify_D_DB_N(), C_Exception);
    // A data setter of another kind than the target.
    m_Ctrl.M_Fn_Target_Set_D_S(&sect());
    EXPECT_THROW(m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_P(false), C_Exception);
    C_Row row;
    bool changed = true;
    float value = 0;
    EXPECT_THROW(C_Ctrl::M_Fn_Property_Modified_Check(value, nullptr, changed), C_Exception);
    // An unreadable text returns the row to its base text.
    row.m_Text_Base = L"4";
    row.m_Text = L"x4";
    C_Ctrl::M_Fn_Property_Modified_Check(value, &row, changed);
    EXPECT_FALSE(changed);
    EXPECT_EQ(row.m_Text, L"4");
    EXPECT_EQ(value, 0.0f);
}

TEST_F(C_Property_Grid, APointChangesWhenItsTextChangesAndOnlyInTheRowEdited)
{
    std::uint32_t id = 0;
    M_Fn_Run(L"Points", [&](const T_sp_Group& ro_sp_Group) { id = M_Fn_Point(ro_sp_Group, 1.0f, 123.4567f); });
    m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_P(&sect(), id);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_P(false);
    C_Row* p_x = m_Ctrl.M_Fn_Row_At(0, 2);
    C_Row* p_y = m_Ctrl.M_Fn_Row_At(0, 3);
    ASSERT_TRUE(p_x && p_y);
    EXPECT_EQ(m_Ctrl.M_Fn_Row_At(0, 0)->m_Text, L"Point");
    EXPECT_EQ(m_Ctrl.M_Fn_Row_At(0, 1)->m_Text, std::to_wstring(id));
    EXPECT_EQ(p_x->m_Text, L"1");
    EXPECT_EQ(p_y->m_Text, L"123.457"); // six significant digits

    // The same text is no change: no entry.
    const std::size_t before = M_Fn_History_Size();
    EXPECT_FALSE(m_Ctrl.M_Fn_Row_Edit(*p_x, L"1"));
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(M_Fn_History_Size(), before);

    // "1.0" over "1" is a change of text and runs the point's modify command.
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_Edit(*p_x, L"1.0"));
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Modify section point"));
    EXPECT_EQ(p_x->m_Text, L"1");
    EXPECT_EQ(points().M_Fn_Get_At(id).m_X, 1.0f);

    // Editing X leaves Y as it was, not rounded to the six digits its row shows.
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_Edit(*p_x, L"5"));
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(M_Fn_History_Size(), before + 2);
    EXPECT_EQ(points().M_Fn_Get_At(id).m_X, 5.0f);
    EXPECT_TRUE(G_Fn_Same_Bits(points().M_Fn_Get_At(id).m_Y, 123.4567f)) << points().M_Fn_Get_At(id).m_Y;
}

TEST_F(C_Property_Grid, UseOwnThkLeavesTheOwnThicknessAsItWas)
{
    std::uint32_t id = 0;
    M_Fn_Run(L"Line", [&](const T_sp_Group& ro_sp_Group) { id = M_Fn_Line_XY(ro_sp_Group, 0, 0, 10, 0); });
    const_cast<C_D_Geom_E_Line&>(M_Fn_Line_At(id)).m_Thk_Individual = 1.2345678f;
    m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_E(&sect(), id);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(false);
    ASSERT_EQ(m_Ctrl.M_Fn_Rows_Top().size(), 1u);
    const auto& rows = m_Ctrl.M_Fn_Rows_Top()[0]->m_Children;
    ASSERT_EQ(rows.size(), 7u);
    const wchar_t* names[] = {L"Type", L"Id", L"PID", L"Point of start", L"Point of terminal", L"Use Own Thk", L"Own Thk"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i != 2) {
            EXPECT_EQ(rows[i]->m_Name, names[i]);
        }
    }
    EXPECT_EQ(rows[0]->m_Text, L"Line");
    EXPECT_EQ(rows[2]->m_Kind, N_UI::N_Property::E_Row_Key);
    EXPECT_EQ(rows[5]->m_Text, L"False");
    EXPECT_EQ(rows[6]->m_Text, L"1.23457");

    const std::size_t before = M_Fn_History_Size();
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_Edit(*rows[5], L"True"));
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Modify section geometry"));
    EXPECT_EQ(M_Fn_Line_At(id).m_Thk_Individual_Switch, 1);
    EXPECT_TRUE(G_Fn_Same_Bits(M_Fn_Line_At(id).m_Thk_Individual, 1.2345678f)) << M_Fn_Line_At(id).m_Thk_Individual;
}

TEST_F(C_Property_Grid, AKeyRowPicksACardThroughTheList)
{
    auto sp_a = M_Fn_Property(1.0f);
    auto sp_b = M_Fn_Property(2.0f);
    sp_a->M_Fn_Id_Set(41);
    sp_b->M_Fn_Id_Set(42);
    std::uint32_t id = 0;
    M_Fn_Run(L"Line", [&](const T_sp_Group& ro_sp_Group) { id = M_Fn_Line_XY(ro_sp_Group, 0, 0, 10, 0); });
    const_cast<C_D_Geom_E_Line&>(M_Fn_Line_At(id)).m_Key_C_P = N_Biz::N_DB::C_Key_C_Property(sp_a);
    m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_E(&sect(), id);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(false);
    C_Row* p_key = m_Ctrl.M_Fn_Row_At(0, 2);
    ASSERT_TRUE(p_key && p_key->m_Button);
    std::vector<std::uint32_t> asked;
    std::uint32_t answer = 0;
    C_Ctrl::S_Fn_List_Pick = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t i_Preselect) {
        asked = {i_Kind, i_Preselect};
        return answer;
    };
    // The current card again, or none: nothing changes.
    answer = static_cast<std::uint32_t>(sp_a->M_Fn_Pos_Get());
    EXPECT_FALSE(m_Ctrl.M_Fn_Row_Button(*p_key));
    EXPECT_EQ(asked, (std::vector<std::uint32_t>{3u, answer}));
    answer = 0;
    EXPECT_FALSE(m_Ctrl.M_Fn_Row_Button(*p_key));
    EXPECT_EQ(p_key->m_Text, L"41");
    answer = static_cast<std::uint32_t>(sp_b->M_Fn_Pos_Get());
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_Button(*p_key));
    EXPECT_EQ(p_key->m_Text, L"42");
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(M_Fn_Line_At(id).m_Key_C_P.M_Fn_Lock().get(), sp_b.get());
    // Another card of the same id (cards of two models) is still a change: the pick is not lost.
    sp_a->M_Fn_Id_Set(42);
    answer = static_cast<std::uint32_t>(sp_a->M_Fn_Pos_Get());
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(false);
    p_key = m_Ctrl.M_Fn_Row_At(0, 2);
    int changes = 0;
    m_Ctrl.m_Fn_Changed = [&](C_Row&) { ++changes; };
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_Button(*p_key));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(p_key->m_Text, L"42");
    m_Ctrl.M_Fn_Modify();
    EXPECT_EQ(M_Fn_Line_At(id).m_Key_C_P.M_Fn_Lock().get(), sp_a.get());
    C_Ctrl::S_Fn_List_Pick = nullptr;
    // Read-only: the button opens nothing.
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(true);
    asked.clear();
    EXPECT_FALSE(m_Ctrl.M_Fn_Row_Button(*m_Ctrl.M_Fn_Row_At(0, 2)));
    EXPECT_TRUE(asked.empty());
}

// --- the pane --------------------------------------------------------------------------------------

namespace {

class C_Property_Pane : public C_Property_Grid {
protected:
    void SetUp() override
    {
        M_Fn_Run(L"Points", [&](const T_sp_Group& ro_sp_Group) {
            m_A = M_Fn_Point(ro_sp_Group, 10, 20);
            m_B = M_Fn_Point(ro_sp_Group, 30, 40);
        });
        m_Pane.M_Fn_Sect_Connect(sect());
        sect().M_Fn_Signal_Fire(N_Biz::N_Sect::E_Signal_Frame_Activate);
        // Pick points.
        sect().M_Fn_Get_Mgr_Sel().M_Fn_Reset(true, true, true, true, false, 3, L"Pick");
    }
    void M_Fn_Pick(std::uint32_t i_Id, float i_X = 0, float i_Y = 0)
    {
        points().M_Fn_Sel_P0_Clear();
        points().M_Fn_Sel_P0_Add(C_Handle_D_Geom_P(i_Id, {i_X, i_Y}));
        points().M_Fn_Sel_P1_Update_Or();
    }
    C_Ctrl& grid() { return m_Pane.M_Fn_Ctrl(); }

    C_Pane_Model m_Pane;
    std::uint32_t m_A = 0, m_B = 0;
};

} // namespace

TEST_F(C_Property_Pane, ShowsOnePointItsPositionOrTheNumberSelected)
{
    EXPECT_TRUE(grid().M_Fn_Rows_Top().empty());
    M_Fn_Pick(m_A);
    ASSERT_NE(grid().M_Fn_Row_Find(L"Section Geometric Point", L"X"), nullptr);
    EXPECT_EQ(grid().M_Fn_Row_Find(L"Section Geometric Point", L"X")->m_Text, L"10");
    EXPECT_FALSE(grid().M_Fn_Row_Find(L"Section Geometric Point", L"X")->m_Read_Only);
    M_Fn_Pick(m_B);
    ASSERT_EQ(grid().M_Fn_Rows_Top().size(), 1u);
    EXPECT_EQ(grid().M_Fn_Rows_Top()[0]->m_Name, L"Number selected");
    EXPECT_EQ(grid().M_Fn_Rows_Top()[0]->m_Text, L"2");
    EXPECT_TRUE(grid().M_Fn_Rows_Top()[0]->m_Read_Only);

    // A free position.
    points().M_Fn_Sel_P1_Clear();
    EXPECT_TRUE(grid().M_Fn_Rows_Top().empty());
    M_Fn_Pick(0, 2.5f, -4);
    ASSERT_NE(grid().M_Fn_Row_Find(L"2D Point", L"Y"), nullptr);
    EXPECT_EQ(grid().M_Fn_Row_Find(L"2D Point", L"X")->m_Text, L"2.5");
    EXPECT_EQ(grid().M_Fn_Row_Find(L"2D Point", L"Y")->m_Text, L"-4");
    EXPECT_TRUE(grid().M_Fn_Row_Find(L"2D Point", L"Y")->m_Read_Only);

    // Leaving the window empties the pane.
    sect().M_Fn_Signal_Fire(N_Biz::N_Sect::E_Signal_Frame_Deactivate);
    EXPECT_TRUE(grid().M_Fn_Rows_Top().empty());
    EXPECT_EQ(m_Pane.M_Fn_Sect_Shown(), nullptr);
}

TEST_F(C_Property_Pane, ACommitRebuildsTheGridOnlyAfterTheEditReturned)
{
    std::vector<std::function<void()>> deferred;
    m_Pane.m_Fn_Defer = [&](std::function<void()> i_Fn) { deferred.push_back(std::move(i_Fn)); };
    M_Fn_Pick(m_A);
    C_Row* p_x = grid().M_Fn_Row_Find(L"Section Geometric Point", L"X");
    ASSERT_NE(p_x, nullptr);
    const std::uint64_t generation = grid().M_Fn_Generation();
    const std::size_t before = M_Fn_History_Size();

    EXPECT_TRUE(grid().M_Fn_Row_Edit(*p_x, L"7"));
    // Committed at once; the row that was edited is still the grid's row.
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_EQ(points().M_Fn_Get_At(m_A).m_X, 7.0f);
    EXPECT_EQ(grid().M_Fn_Generation(), generation);
    EXPECT_EQ(grid().M_Fn_Row_Find(L"Section Geometric Point", L"X"), p_x);
    EXPECT_EQ(p_x->m_Text, L"7");
    EXPECT_TRUE(m_Pane.M_Fn_Update_Pending());
    ASSERT_EQ(deferred.size(), 1u);

    deferred[0]();
    EXPECT_FALSE(m_Pane.M_Fn_Update_Pending());
    EXPECT_NE(grid().M_Fn_Generation(), generation);
    ASSERT_NE(grid().M_Fn_Row_Find(L"Section Geometric Point", L"X"), nullptr);
    EXPECT_EQ(grid().M_Fn_Row_Find(L"Section Geometric Point", L"X")->m_Text, L"7");
}

TEST_F(C_Property_Pane, RowsAreReadOnlyWhileATaskRuns)
{
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line();
    ASSERT_NE(sect().M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(2), 9u);
    M_Fn_Pick(m_A);
    C_Row* p_x = grid().M_Fn_Row_Find(L"Section Geometric Point", L"X");
    ASSERT_NE(p_x, nullptr);
    EXPECT_TRUE(p_x->m_Read_Only);
    EXPECT_FALSE(grid().M_Fn_Row_Edit(*p_x, L"99"));
    EXPECT_EQ(points().M_Fn_Get_At(m_A).m_X, 10.0f);

    // Back to idle: the task-state signal refreshes the pane with editable rows.
    sect().M_Fn_Get_Mgr_State().M_Fn_Post<N_Biz::N_Sect::N_State::C_Event_C_Cancel>();
    ASSERT_EQ(sect().M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(2), 9u);
    sect().M_Fn_Get_Mgr_Sel().M_Fn_Reset(true, true, true, true, false, 3, L"Pick");
    M_Fn_Pick(m_A);
    p_x = grid().M_Fn_Row_Find(L"Section Geometric Point", L"X");
    ASSERT_NE(p_x, nullptr);
    EXPECT_FALSE(p_x->m_Read_Only);
}

TEST_F(C_Property_Pane, AProjectWindowShowsItsSelectedCardsAndSections)
{
    C_Pane_Model pane;
    N_Biz::N_Proj::C_Proj& proj = *m_up_Proj;
    pane.M_Fn_Proj_Connect(proj);
    N_Biz::N_DB::C_Row_C_Material& card = M_Fn_Material();
    proj.M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Activate);
    EXPECT_EQ(pane.M_Fn_Proj_Shown(), &proj);
    proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, true, true, true, 1, L"Pick material");
    EXPECT_TRUE(pane.M_Fn_Ctrl().M_Fn_Rows_Top().empty());
    auto& materials = proj.M_Fn_Get_Mgr_D_DB_C_M();
    materials.M_Fn_Sel().M_Fn_Sel_P0_Add(materials.M_Fn_Get_At(1));
    materials.M_Fn_Sel().M_Fn_Sel_P1_Update_Yes();
    ASSERT_NE(pane.M_Fn_Ctrl().M_Fn_Row_Find(L"(Recommended) Simple Material", L"E"), nullptr);
    EXPECT_EQ(pane.M_Fn_Ctrl().M_Fn_Target_Get(), N_UI::N_Property::E_Target_D_DB_C_M);

    // An edit is committed at once as the card's modify entry.
    const std::size_t before = M_Fn_History_Size();
    EXPECT_TRUE(pane.M_Fn_Ctrl().M_Fn_Row_Edit(*pane.M_Fn_Ctrl().M_Fn_Row_Find(L"(Recommended) Simple Material", L"E"),
                                               L"70000"));
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_EQ(S_Fn_Get(card, N_Biz::N_DB::E_Id_Column_Modulus_E), 70000.0f);
    ASSERT_NE(pane.M_Fn_Ctrl().M_Fn_Row_Find(L"(Recommended) Simple Material", L"E"), nullptr);
    EXPECT_EQ(pane.M_Fn_Ctrl().M_Fn_Row_Find(L"(Recommended) Simple Material", L"E")->m_Text, L"70000");

    // Sections: the one selected by its name.
    proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, true, true, true, 8, L"Pick section");
    sect().m_Name = L"Frame 7";
    auto& sections = proj.M_Fn_Get_Mgr_D_Sect();
    sections.M_Fn_Sel_P0_Add(&sect());
    sections.M_Fn_Sel_P1_Update_Yes();
    ASSERT_NE(pane.M_Fn_Ctrl().M_Fn_Row_Find(L"Section", L"Name"), nullptr);
    EXPECT_EQ(pane.M_Fn_Ctrl().M_Fn_Row_Find(L"Section", L"Name")->m_Text, L"Frame 7");

    proj.M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Deactivate);
    EXPECT_EQ(pane.M_Fn_Proj_Shown(), nullptr);
    EXPECT_TRUE(pane.M_Fn_Ctrl().M_Fn_Rows_Top().empty());
}

TEST_F(C_Property_Pane, MeshNodesAndSegmentsAreShownReadOnly)
{
    auto sp_prop = M_Fn_Property(2.0f);
    sp_prop->M_Fn_Id_Set(5);
    std::uint32_t line = 0;
    M_Fn_Run(L"Line", [&](const T_sp_Group& ro_sp_Group) { line = M_Fn_Line(ro_sp_Group, m_A, m_B); });
    const_cast<C_D_Geom_E_Line&>(M_Fn_Line_At(line)).m_Key_C_P = N_Biz::N_DB::C_Key_C_Property(sp_prop);
    ASSERT_EQ(entities().M_Fn_Proc_Cmd_Sub_Relation_Rebuild(), 1);
    auto& elements = sect().M_Fn_Get_Mgr_D_Tess_E();
    std::uint32_t segment = 0;
    for (std::uint32_t i = 1; i < elements.M_Fn_Get_Store().size() && !segment; ++i)
        if (elements.M_Fn_Get_Store().is_used_at(i))
            segment = i;
    ASSERT_NE(segment, 0u);
    const N_Biz::N_Sect::C_D_Tess_Element& element = *elements.M_Fn_Get_At(segment);

    sect().M_Fn_Get_Mgr_Sel().M_Fn_Reset(true, true, true, true, false, 11, L"Pick element");
    elements.M_Fn_Sel_P0_Add(elements.M_Fn_Get_At(segment).get());
    elements.M_Fn_Sel_P1_Update_Or();
    const C_Row* p_group = grid().M_Fn_Row_Find(L"Section Element");
    ASSERT_NE(p_group, nullptr);
    ASSERT_EQ(p_group->m_Children.size(), 5u);
    EXPECT_EQ(p_group->m_Children[0]->m_Text, L"Segment");
    EXPECT_EQ(p_group->m_Children[1]->m_Text, std::to_wstring(segment));
    EXPECT_EQ(p_group->m_Children[2]->m_Text, L"5");
    EXPECT_EQ(p_group->m_Children[3]->m_Name, L"Node of start");
    EXPECT_EQ(p_group->m_Children[3]->m_Text, std::to_wstring(element.m_Ref_Nodes[0].m_Id_Node));
    EXPECT_EQ(p_group->m_Children[4]->m_Text, std::to_wstring(element.m_Ref_Nodes[1].m_Id_Node));
    for (const C_Row* p_row : p_group->m_Children)
        EXPECT_TRUE(p_row->m_Read_Only) << p_row->m_Name;
    const std::size_t before = M_Fn_History_Size();
    grid().M_Fn_Modify(); // nothing to commit for mesh objects
    EXPECT_EQ(M_Fn_History_Size(), before);

    // The segment's start node: its position, read-only.
    const std::uint32_t node = element.m_Ref_Nodes[0].m_Id_Node;
    auto& nodes = sect().M_Fn_Get_Mgr_D_Tess_N();
    sect().M_Fn_Get_Mgr_Sel().M_Fn_Reset(true, true, true, true, false, 8, L"Pick node");
    nodes.M_Fn_Sel_P0_Add(C_Handle_D_Tess_N(node, {0, 0}));
    nodes.M_Fn_Sel_P1_Update_Or();
    ASSERT_NE(grid().M_Fn_Row_Find(L"Section Node", L"X"), nullptr);
    EXPECT_EQ(grid().M_Fn_Row_Find(L"Section Node", L"Type")->m_Text, L"Node");
    EXPECT_EQ(grid().M_Fn_Row_Find(L"Section Node", L"X")->m_Text, N_UI::N_Property::G_Fn_Text(nodes.M_Fn_Get_At(node).m_X));
    EXPECT_TRUE(grid().M_Fn_Row_Find(L"Section Node", L"X")->m_Read_Only);
}

// An undo that takes the shown point away: a pane that follows the project's history shows what is
// left; a pane that missed it refuses the edit of the gone point with a warning, commits nothing,
// throws nothing and shows what is there now. After the redo the point is picked and edited again.
TEST_F(C_Property_Pane, AnUndoneObjectIsNeitherShownNorEdited)
{
    C_Pane_Model follower;
    follower.M_Fn_Proj_Connect(*m_up_Proj);
    follower.M_Fn_Sect_Connect(sect());
    sect().M_Fn_Signal_Fire(N_Biz::N_Sect::E_Signal_Frame_Activate);
    std::uint32_t point = 0;
    M_Fn_Run(L"Create section point", [&](const T_sp_Group& g) { point = M_Fn_Point(g, 50, 60); });
    M_Fn_Pick(point);
    ASSERT_NE(follower.M_Fn_Ctrl().M_Fn_Row_Find(L"Section Geometric Point", L"X"), nullptr);

    history().M_Fn_Undo();
    EXPECT_TRUE(follower.M_Fn_Ctrl().M_Fn_Rows_Top().empty());
    // The other pane heard the point leave the selection while it was still stored, and shows it.
    C_Row* p_x = grid().M_Fn_Row_Find(L"Section Geometric Point", L"X");
    ASSERT_NE(p_x, nullptr);
    const std::size_t before = M_Fn_History_Size();
    EXPECT_NO_THROW(grid().M_Fn_Row_Edit(*p_x, L"5"));
    EXPECT_TRUE(M_Fn_Logged("Msg: Warning: The object being edited no longer exists, changing has been rejected."));
    EXPECT_EQ(M_Fn_History_Size(), before);
    EXPECT_TRUE(grid().M_Fn_Rows_Top().empty());

    history().M_Fn_Redo();
    M_Fn_Pick(point);
    p_x = follower.M_Fn_Ctrl().M_Fn_Row_Find(L"Section Geometric Point", L"X");
    ASSERT_NE(p_x, nullptr);
    EXPECT_TRUE(follower.M_Fn_Ctrl().M_Fn_Row_Edit(*p_x, L"5"));
    EXPECT_EQ(points().M_Fn_Get_At(point).m_X, 5.0f);
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
}
