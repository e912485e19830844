// The properties pane over a project window's model rows: one picked node or element shown by its
// card's columns and edited as one entry of its manager, a free position as "3D Point", and more
// than one as their number.
#include "tests/proj/Test_Proj_Support_Model.h"

#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "common/Common_Exception.h"
#include "ui/UI_Property_Row_Pane.h"

#include <gtest/gtest.h>

using namespace N_Test_Proj;
using N_Common::N_Exception::C_Exception;
using N_UI::N_Property::C_Ctrl;
using N_UI::N_Property::C_Pane_Model;
using N_UI::N_Property::C_Row;

namespace {

class C_Property_Pane_Model : public C_Proj_Model_Test {
protected:
    C_Property_Pane_Model()
    {
        m_Pane.M_Fn_Proj_Connect(m_Proj);
        m_Proj.M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Activate);
    }
    ~C_Property_Pane_Model() override { C_Ctrl::S_Fn_List_Pick = nullptr; }
    void M_Fn_Mode(std::uint32_t i_Mode)
    {
        m_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, true, true, true, i_Mode, L"Pick");
    }
    C_Ctrl& grid() { return m_Pane.M_Fn_Ctrl(); }

    C_Pane_Model m_Pane;
};

} // namespace

TEST_F(C_Property_Pane_Model, OneElementIsShownAndItsPropertyPickedAsOneEntry)
{
    const std::uint32_t slot = M_Fn_Import(G_Deck_3);
    M_Fn_Mode(6);
    M_Fn_Select_E({{slot, 0}});
    EXPECT_EQ(grid().M_Fn_Target_Get(), N_UI::N_Property::E_Target_D_DB_E);
    C_Row* p_eid = grid().M_Fn_Row_Find(L"Nastran: CQUAD4", L"EID");
    C_Row* p_pid = grid().M_Fn_Row_Find(L"Nastran: CQUAD4", L"PID");
    ASSERT_TRUE(p_eid && p_pid);
    EXPECT_EQ(p_eid->m_Text, L"10");
    EXPECT_EQ(p_pid->m_Text, L"1");

    // The key button picks the deck's property 2 (the triangle's).
    const auto* p_second = M_Fn_Property_Of(slot, 2);
    ASSERT_NE(p_second, nullptr);
    C_Ctrl::S_Fn_List_Pick = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t) {
        EXPECT_EQ(i_Kind, 3u);
        return static_cast<std::uint32_t>(p_second->M_Fn_Pos_Get());
    };
    const std::size_t before = M_Fn_History_Size();
    EXPECT_TRUE(grid().M_Fn_Row_Button(*p_pid));
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_TRUE(m_App.log().find("Msg: Done: Modify element card") != std::string::npos);
    EXPECT_EQ(M_Fn_Property_Of(slot, 0), p_second);
    EXPECT_EQ(grid().M_Fn_Row_Find(L"Nastran: CQUAD4", L"PID")->m_Text, L"2");

    // Two elements: their number.
    M_Fn_Select_E({{slot, 0}, {slot, 1}});
    ASSERT_EQ(grid().M_Fn_Rows_Top().size(), 1u);
    EXPECT_EQ(grid().M_Fn_Rows_Top()[0]->m_Text, L"2");
    EXPECT_THROW(grid().M_Fn_Modify_D_DB_E(), C_Exception);
}

TEST_F(C_Property_Pane_Model, ANodeOrAFreePositionIsShown)
{
    const std::uint32_t slot = M_Fn_Import(G_Deck_3);
    M_Fn_Mode(3);
    M_Fn_Select_N({{slot, 0, {}}});
    EXPECT_EQ(grid().M_Fn_Target_Get(), N_UI::N_Property::E_Target_D_DB_N);
    C_Row* p_x = grid().M_Fn_Row_Find(L"Nastran: GRID", L"X1");
    ASSERT_NE(p_x, nullptr);
    EXPECT_EQ(p_x->m_Text, L"1");
    EXPECT_EQ(grid().M_Fn_Row_Find(L"Nastran: GRID", L"X3")->m_Text, L"3");
    const std::size_t before = M_Fn_History_Size();
    EXPECT_TRUE(grid().M_Fn_Row_Edit(*p_x, L"4.5"));
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_EQ(M_Fn_Node(slot, 0).M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Coordinate_X)
                  .M_Fn_Get<float>(),
              4.5f);

    N_Biz::N_Proj::C_Handle_D_DB_N free;
    free.m_Position = {7, 8, 9};
    M_Fn_Select_N({free});
    ASSERT_NE(grid().M_Fn_Row_Find(L"3D Point", L"Z"), nullptr);
    EXPECT_EQ(grid().M_Fn_Row_Find(L"3D Point", L"Z")->m_Text, L"9");
    EXPECT_TRUE(grid().M_Fn_Row_Find(L"3D Point", L"Z")->m_Read_Only);
    EXPECT_THROW(grid().M_Fn_Modify(), C_Exception);
}
