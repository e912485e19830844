// The properties pane over a project window's model rows: one picked node or element shown by its
// card's columns and edited as one entry of its manager, a free position as "3D Point", and more
// than one as their number.
#include "tests/proj/Test_Proj_Support_Model.h"

#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "common/Common_Exception.h"
#include "ui/UI_Property_Row_Dlg.h"
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
    // The texts of the rows i_Names of the grid's first group ("-" for a row it lacks).
    static std::vector<std::wstring> S_Fn_Texts(const C_Ctrl& ro_Grid, const std::vector<std::wstring>& i_Names)
    {
        std::vector<std::wstring> texts;
        const C_Row* p_group = ro_Grid.M_Fn_Rows_Top().empty() ? nullptr : ro_Grid.M_Fn_Rows_Top()[0];
        for (const std::wstring& name : i_Names) {
            const C_Row* p_row = p_group ? ro_Grid.M_Fn_Row_Find(p_group->m_Name, name) : nullptr;
            texts.push_back(p_row ? p_row->m_Text : L"-");
        }
        return texts;
    }
    // The quadrilateral's row i_Name (missing: a read-only stand-in, so that the test goes on).
    C_Row& M_Fn_Row_G(const wchar_t* i_Name)
    {
        C_Row* p_row = grid().M_Fn_Row_Find(L"Nastran: CQUAD4", i_Name);
        EXPECT_NE(p_row, nullptr) << "no row " << i_Name;
        m_None.m_Read_Only = true;
        return p_row ? *p_row : m_None;
    }

    C_Pane_Model m_Pane;
    C_Row m_None;
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

TEST_F(C_Property_Pane_Model, AnElementsNodesAreShownAndTypedByTheDecksIds)
{
    using T_Texts = std::vector<std::wstring>;
    const T_Texts g = {L"G1", L"G2", L"G3", L"G4"};
    const std::uint32_t slot = M_Fn_Import(G_Deck_Gaps);
    M_Fn_Mode(6);
    // Element 502 on the deck's nodes 2001, 2003, 1005, 1002 (places 5, 0, 3, 2).
    M_Fn_Select_E({{slot, 1}});
    EXPECT_EQ(S_Fn_Texts(grid(), g), (T_Texts{L"2001", L"2003", L"1005", L"1002"}));

    // A node is typed by its id; the row keeps the place of that node (1010 stands at 4).
    const std::size_t before = M_Fn_History_Size();
    EXPECT_TRUE(grid().M_Fn_Row_Edit(M_Fn_Row_G(L"G4"), L"1010"));
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_EQ(M_Fn_Element(slot, 1).M_Fn_Node_Get(3), 4);
    EXPECT_EQ(S_Fn_Texts(grid(), g), (T_Texts{L"2001", L"2003", L"1005", L"1010"}));

    // An id that no node has is refused, and so is a place (3 is where node 1005 stands); zero is
    // below the least id the deck allows.
    m_App.port().m_Calls.clear();
    EXPECT_FALSE(grid().M_Fn_Row_Edit(M_Fn_Row_G(L"G1"), L"1003"));
    EXPECT_FALSE(grid().M_Fn_Row_Edit(M_Fn_Row_G(L"G1"), L"3"));
    EXPECT_FALSE(grid().M_Fn_Row_Edit(M_Fn_Row_G(L"G1"), L"0"));
    const std::wstring invalid = L"Warning: The new value is invalid for this field, changing has been rejected.";
    EXPECT_EQ(m_App.port().M_Fn_Texts(L"box"),
              (T_Texts{invalid, invalid, L"Warning: The new value is out of range, exceeds lower bound, changing has been rejected."}));
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_EQ(M_Fn_Element(slot, 1).M_Fn_Node_Get(0), 5);
    EXPECT_EQ(M_Fn_Row_G(L"G1").m_Text, L"2001");

    // The property dialog over element 501 shows the same ids; an element row that lies in no
    // model of the project cannot be shown by its nodes.
    N_UI::N_Property::C_Dlg_Model dlg;
    dlg.m_Mode = N_UI::N_Property::C_Dlg_Model::E_Mode_Modify;
    dlg.m_Kind = N_UI::N_Property::C_Dlg_Model::E_Kind_E;
    dlg.m_p_Proj = &m_Proj;
    dlg.m_p_Row_E = &M_Fn_Element(slot, 0);
    dlg.M_Fn_Init();
    EXPECT_EQ(S_Fn_Texts(dlg.m_Ctrl, g), (T_Texts{L"1001", L"1002", L"1005", L"1010"}));
    N_Biz::N_DB::C_Row_Element_2D stray(M_Fn_Element(slot, 0));
    dlg.m_p_Row_E = &stray;
    EXPECT_THROW(dlg.M_Fn_Init(), C_Exception);

    // A Dyna shell alike: N1 to N4.
    const std::uint32_t dyna = M_Fn_Import(G_Deck_Gaps_Dyna, true);
    M_Fn_Select_E({{dyna, 2}});
    EXPECT_EQ(S_Fn_Texts(grid(), {L"N1", L"N2", L"N3", L"N4"}), (T_Texts{L"2001", L"2003", L"1005", L"1005"}));
}
