// The node card manager: node handles and free positions, the set-centre and modify tasks, the
// node modify command, and the selections of nodes and elements when a model leaves the project.
#include "tests/proj/Test_Proj_Support_Model.h"

#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_N_Modify.h"
#include "biz/proj/Biz_Proj_Handle_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "common/Common_Exception.h"

#include <stdexcept>
#include <tuple>

using N_Biz::N_DB::C_Row_Any;
using N_Biz::N_Proj::C_Handle_D_DB_N;
using N_Biz::N_Proj::E_Signal_Cmd;
using N_Biz::N_Proj::E_Signal_Sel_Data;
using N_Common::N_Exception::C_Exception;
using N_Common::N_Math::C_Vector3;
using N_Test_Proj::G_Fn_Bytes;
using N_Test_Proj::T_Handles;

namespace {

class C_Mgr_D_DB_N : public N_Test_Proj::C_Proj_Model_Test {
protected:
    N_Biz::N_Proj::C_Mgr_D_DB_N& mgr() { return m_Proj.M_Fn_Get_Mgr_D_DB_N(); }
    const std::list<C_Handle_D_DB_N>& M_Fn_P1() { return mgr().M_Fn_Sel().M_Fn_Sel_P1_Get(); }
    static C_Handle_D_DB_N M_Fn_Free(float x, float y, float z) { return {0, 0, {x, y, z}}; }
    static constexpr std::uint32_t P0 = 1, P1 = 2;
};

void G_Fn_Expect_Vector(const C_Vector3<float>& ro_Actual, const C_Vector3<float>& ro_Expected)
{
    EXPECT_EQ(ro_Actual.x, ro_Expected.x);
    EXPECT_EQ(ro_Actual.y, ro_Expected.y);
    EXPECT_EQ(ro_Actual.z, ro_Expected.z);
}

} // namespace

TEST_F(C_Mgr_D_DB_N, HandlePositionsAndLookups)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    // The model is placed 10 along x: its first node, stored at (1, 2, 3), is reported at (11, 2, 3).
    M_Fn_Model(1).M_Fn_Transform().m_Data[12] = 10.0f;
    const std::vector<std::tuple<C_Handle_D_DB_N, C_Vector3<float>>> positions = {
        {{0, 0, {1, 2, 3}}, {1, 2, 3}},
        {{0, 99, {1, 2, 3}}, {1, 2, 3}}, // a free position's row index is not read
        {{1, 0, {7, 7, 7}}, {11, 2, 3}}, // a node's free position is not read
        {{1, 4, {}}, {12, 0, 0}}, // GRID 5 at (2, 0, 0)
    };
    for (const auto& [handle, expected] : positions)
        G_Fn_Expect_Vector(handle.M_Fn_Type_Any_Get_o_Vector3_f(m_Proj), expected);

    EXPECT_EQ((&C_Handle_D_DB_N{1, 5, {}}.M_Fn_Get_ro_Row_Node(m_Proj)), &M_Fn_Node(1, 5));
    EXPECT_THROW((C_Handle_D_DB_N{1, 6, {}}.M_Fn_Get_ro_Row_Node(m_Proj)), std::out_of_range);
    EXPECT_THROW((C_Handle_D_DB_N{2, 0, {}}.M_Fn_Get_ro_Row_Node(m_Proj)), C_Exception);
    // Slot 0 holds no model: the lookup refuses it rather than reading through it.
    EXPECT_THROW((C_Handle_D_DB_N{0, 0, {}}.M_Fn_Get_ro_Row_Node(m_Proj)), C_Exception);
    EXPECT_THROW((C_Handle_D_DB_N{2, 0, {}}.M_Fn_Type_Any_Get_o_Vector3_f(m_Proj)), C_Exception);
}

TEST_F(C_Mgr_D_DB_N, SetCenterAndModifySelected)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    M_Fn_Model(1).M_Fn_Transform().m_Data[12] = 10.0f;
    std::vector<std::tuple<std::uint32_t, std::uint32_t, N_Biz::N_DB::C_Row_Relation*>> dialogs;
    N_Biz::N_Proj::C_Dlg::S_Fn_Property = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Mode, std::uint32_t i_Kind,
                                              N_Biz::N_DB::C_Row_Relation* i_p_Row) {
        dialogs.emplace_back(i_Mode, i_Kind, i_p_Row);
    };
    const C_Vector3<float>& center = m_Proj.M_Fn_Get_Mgr_Frame().M_Fn_Get_Center_Rotate();
    // Nothing selected.
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Set_Center());
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Modify_Selected());

    // One free position: the centre, true; the modify task clears it and opens nothing.
    M_Fn_Select_N({M_Fn_Free(1, 2, 3)});
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Set_Center());
    G_Fn_Expect_Vector(center, {1, 2, 3});
    EXPECT_EQ(M_Fn_P1().size(), 1u);
    m_Codes.clear();
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Modify_Selected());
    EXPECT_TRUE(M_Fn_P1().empty());
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});

    // Two nodes: both tasks clear the set and answer false.
    for (bool (N_Biz::N_Proj::C_Mgr_D_DB_N::*task)() :
         {&N_Biz::N_Proj::C_Mgr_D_DB_N::M_Fn_Proc_Cmd_Top_Set_Center,
          &N_Biz::N_Proj::C_Mgr_D_DB_N::M_Fn_Proc_Cmd_Top_Modify_Selected}) {
        M_Fn_Select_N({{1, 0, {}}, {1, 3, {}}});
        m_Codes.clear();
        EXPECT_FALSE((mgr().*task)());
        EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
        EXPECT_TRUE(M_Fn_P1().empty());
        EXPECT_FALSE(M_Fn_Node(1, 0).m_u32_Flag & P1);
        EXPECT_FALSE(M_Fn_Node(1, 3).m_u32_Flag & P1);
    }
    G_Fn_Expect_Vector(center, {1, 2, 3});
    EXPECT_TRUE(dialogs.empty());

    // One node: centred at its placed position; the dialog edits its row.
    M_Fn_Select_N({{1, 0, {}}});
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Set_Center());
    G_Fn_Expect_Vector(center, {11, 2, 3});
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Modify_Selected());
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0], std::make_tuple(2u, 4u, static_cast<N_Biz::N_DB::C_Row_Relation*>(&M_Fn_Node(1, 0))));
}

TEST_F(C_Mgr_D_DB_N, SelectionOfNodesAndFreePositions)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    auto& sel = mgr().M_Fn_Sel();
    // Free positions are entered as they come, nodes once.
    for (const C_Handle_D_DB_N& handle : {M_Fn_Free(0, 0, 0), M_Fn_Free(0, 0, 0), C_Handle_D_DB_N{1, 2, {}},
                                          C_Handle_D_DB_N{1, 2, {}}})
        sel.M_Fn_Sel_P0_Add(handle);
    EXPECT_EQ(sel.M_Fn_Sel_P0_Get().size(), 3u);
    EXPECT_EQ(M_Fn_Node(1, 2).m_u32_Flag & (P0 | P1), P0);
    // Toggling: the node and both positions enter; toggled again the node leaves and the
    // positions come once more.
    sel.M_Fn_Sel_P1_Update_Xor();
    EXPECT_EQ(M_Fn_P1().size(), 3u);
    sel.M_Fn_Sel_P1_Update_Xor();
    EXPECT_EQ(M_Fn_P1().size(), 4u);
    EXPECT_FALSE(M_Fn_Node(1, 2).m_u32_Flag & P1);
    sel.M_Fn_Sel_P0_Clear();
    EXPECT_FALSE(M_Fn_Node(1, 2).m_u32_Flag & P0);

    // Clearing three nodes clears their three bits with one signal; an empty set fires nothing.
    M_Fn_Select_N({{1, 0, {}}, {1, 1, {}}, {1, 5, {}}});
    m_Codes.clear();
    sel.M_Fn_Sel_P1_Clear();
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
    for (std::uint32_t i = 0; i < 6; ++i)
        EXPECT_FALSE(M_Fn_Node(1, i).m_u32_Flag & P1) << i;
    sel.M_Fn_Sel_P1_Clear();
    EXPECT_TRUE(m_Codes.empty());
}

TEST_F(C_Mgr_D_DB_N, ModifyIsOneEntryAndSignalsOnlyForTheSoleSelectedNode)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    N_Biz::N_DB::C_Row_Node& row = M_Fn_Node(1, 1);
    const std::string before = G_Fn_Bytes(row);
    C_Row_Any edited(row);
    edited.M_Fn_Id_Set(500);
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Modify(&row, edited));
    EXPECT_EQ(row.M_Fn_Id_Get(), 500);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Modify node card");
    EXPECT_TRUE(m_App.log().find("Msg: Done: Modify node card\n") != std::string::npos);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_EQ(G_Fn_Bytes(row), before);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_EQ(row.M_Fn_Id_Get(), 500);
    // An element's copy is refused; the open entry is taken back.
    const std::size_t history = M_Fn_History_Size();
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Top_Modify(&row, C_Row_Any(M_Fn_Element(1, 0))), C_Exception);
    EXPECT_EQ(M_Fn_History_Size(), history);
    EXPECT_EQ(row.M_Fn_Id_Get(), 500);
    EXPECT_THROW(N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_N_Modify(&m_Proj, nullptr, edited), C_Exception);

    struct C_Case {
        std::vector<C_Handle_D_DB_N> m_Selected;
        bool m_Signal;
    };
    const std::vector<C_Case> cases = {
        {{{1, 1, {}}}, true},
        {{{1, 0, {}}, {1, 1, {}}, {1, 2, {}}}, false},
        {{{1, 0, {}}}, false},
        {{}, false},
    };
    for (const auto& [selected, signal] : cases) {
        M_Fn_Select_N(selected);
        C_Row_Any data(row);
        m_Codes.clear();
        mgr().M_Fn_D_Modify(&row, data);
        EXPECT_EQ(M_Fn_Codes_Take(), signal ? std::vector<int>{E_Signal_Sel_Data} : std::vector<int>{});
    }
}

TEST_F(C_Mgr_D_DB_N, UndoneImportLeavesNoStaleSelection)
{
    N_Biz::N_Proj::C_Mgr_D_DB_E& elements = m_Proj.M_Fn_Get_Mgr_D_DB_E();
    N_Biz::N_Proj::C_Mgr_Sel& sel = m_Proj.M_Fn_Get_Mgr_Sel();
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_2), 1u);
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 2u);
    const auto model_2 = m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().at(2);
    // Elements of both models selected, the last one in model 2; one picked in each.
    M_Fn_Select_E({{1, 0}, {2, 0}, {2, 2}});
    elements.M_Fn_Sel_P0_Add({1, 1});
    elements.M_Fn_Sel_P0_Add({2, 1});
    // Nodes of model 2 (heading the set) and of model 1, a free position; one node of model 2 picked.
    M_Fn_Select_N({{2, 3, {}}, {1, 0, {}}, M_Fn_Free(4, 5, 6), {2, 5, {}}});
    mgr().M_Fn_Sel().M_Fn_Sel_P0_Add({2, 1, {}});
    m_Codes.clear();

    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo(); // the import of model 2
    ASSERT_FALSE(m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().is_used_at(2));
    EXPECT_EQ(elements.M_Fn_Get_P1_Count(), 1u);
    EXPECT_EQ(elements.M_Fn_Get_P1_Handle(), (N_Biz::N_Proj::C_Handle_D_DB_E{1, 0}));
    EXPECT_EQ(elements.M_Fn_Get_P0_Count(), 1u);
    EXPECT_EQ(elements.M_Fn_Get_P0_Handle(), (N_Biz::N_Proj::C_Handle_D_DB_E{1, 1}));
    ASSERT_EQ(M_Fn_P1().size(), 2u);
    EXPECT_EQ(M_Fn_P1().front().m_Model, 1u);
    EXPECT_EQ(M_Fn_P1().back().m_Model, 0u);
    EXPECT_TRUE(mgr().M_Fn_Sel().M_Fn_Sel_P0_Get().empty());
    // The selection changed: one signal from the elements, one for the node that headed the set.
    EXPECT_EQ(std::count(m_Codes.begin(), m_Codes.end(), E_Signal_Sel_Data), 2);
    // The model that left carries no pick or selection.
    for (const auto& row : model_2->M_Fn_Data().m_Elements)
        EXPECT_EQ(row.m_u32_Flag & (P0 | P1), 0u);
    for (const auto& row : model_2->M_Fn_Data().m_Nodes)
        EXPECT_EQ(row.m_u32_Flag & (P0 | P1), 0u);

    // The single-selection tasks and the selection-mode switches that clear both lists work.
    EXPECT_TRUE(elements.M_Fn_Proc_Cmd_Top_Modify_Selected());
    EXPECT_NO_THROW(sel.M_Fn_Sel_Mode_Set(false, false, true, false, false, false, 5, L"Select & edit nodes."));
    EXPECT_NO_THROW(sel.M_Fn_Sel_Mode_Set(false, false, true, true, true, true, 6, L"Select & edit elements."));
    EXPECT_NO_THROW(sel.M_Fn_Sel_Mode_Set(false, false, true, false, false, false, 7, L"Import model."));
    EXPECT_TRUE(M_Fn_P1().empty());
    EXPECT_EQ(elements.M_Fn_Get_P1_Count(), 0u);
    EXPECT_EQ(elements.M_Fn_Get_P0_Count(), 0u);

    // Redo brings the model back unselected; undo again and a re-import reuses slot 2 with nothing
    // of the old selection on it.
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_TRUE(M_Fn_Flagged(P1).empty());
    M_Fn_Select_E({{2, 1}});
    M_Fn_Select_N({{2, 0, {}}});
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_2), 2u);
    EXPECT_NE(m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().at(2), model_2);
    EXPECT_TRUE(M_Fn_Flagged(P1).empty());
    EXPECT_TRUE(M_Fn_Flagged(P0).empty());
    EXPECT_TRUE(M_Fn_P1().empty());
    EXPECT_FALSE(M_Fn_Node(2, 0).m_u32_Flag & P1);
    EXPECT_NO_THROW(sel.M_Fn_Sel_Mode_Set(false, false, true, false, false, false, 5, L"Select & edit nodes."));
    EXPECT_NO_THROW(sel.M_Fn_Sel_Mode_Set(false, false, true, true, true, true, 6, L"Select & edit elements."));
}
