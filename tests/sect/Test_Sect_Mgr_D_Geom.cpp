// The point and entity managers: a section built through their undoable operations, undone and
// redone; refusals; modify; the move propagation of "Modify section point"; the mesh's removal
// with its entity.
#include "Test_Sect_Geom_Support.h"

#include "biz/sect/Biz_Sect_Cmd_Elem_D_Geom_E_Add_At.h"
#include "biz/sect/Biz_Sect_Context_Edit_Geom.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "common/Common_Exception.h"

using namespace N_Test_Sect_Geom;
using N_Common::N_Exception::C_Exception;

namespace {

// A line that refuses every move.
class C_Line_Fixed : public C_D_Geom_E_Line {
public:
    using C_D_Geom_E_Line::C_D_Geom_E_Line;
    std::int32_t M_Fn_Move_Check(std::int32_t& o_Result, C_Context_Edit_Geom& io_Move) override
    {
        o_Result = E_Move_Denied;
        return 1;
    }
};

class C_Mgr_D_Geom_Test : public C_Geom_Test {
protected:
    // A 2 x 1 rectangle: points 1..4 counter-clockwise from (0, 0), lines 1..4 along its sides,
    // one entry per side as the line command makes them.
    void M_Fn_Rectangle()
    {
        M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) { M_Fn_Line_XY(g, 0, 0, 2, 0); });
        M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) { M_Fn_Line(g, 2, M_Fn_Point(g, 2, 1)); });
        M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) { M_Fn_Line(g, 3, M_Fn_Point(g, 0, 1)); });
        M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) { M_Fn_Line(g, 4, 1); });
    }
};

} // namespace

TEST_F(C_Mgr_D_Geom_Test, SectionUndoesToEmptyAndRedoesToTheSameBytes)
{
    M_Fn_Rectangle();
    // A change of a line's own thickness, a removal and a free point among the entries.
    M_Fn_Run(L"Modify section entity", [&](const T_sp_Group& g) {
        T_sp_Entity sp = entities().M_Fn_Get_At(2)->Clone_apo_D_Geom_Entity();
        dynamic_cast<C_D_Geom_E_Line&>(*sp).m_Thk_Individual_Switch = 1;
        dynamic_cast<C_D_Geom_E_Line&>(*sp).m_Thk_Individual = 0.75f;
        entities().M_Fn_Proc_Cmd_Sub_Modify_At(2, sp, g);
    });
    M_Fn_Run(L"Delete section geometry", [&](const T_sp_Group& g) { entities().M_Fn_Proc_Cmd_Sub_Remove_At(4, g); });
    M_Fn_Run(L"Create section point", [&](const T_sp_Group& g) { M_Fn_Point(g, 5, 5); });
    ASSERT_EQ(M_Fn_History_Size(), 7u);
    EXPECT_EQ(points().M_Fn_Count(), 5u);
    EXPECT_EQ(entities().M_Fn_Count(), 3u);
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Count_Ref, 1u);
    EXPECT_EQ(points().M_Fn_Get_At(2).m_Count_Ref, 2u);
    const std::string built = G_Fn_Bytes(sect());

    for (int i = 0; i < 7; ++i)
        history().M_Fn_Undo();
    EXPECT_EQ(points().M_Fn_Count(), 0u);
    EXPECT_EQ(entities().M_Fn_Count(), 0u);
    for (int i = 0; i < 7; ++i)
        history().M_Fn_Redo();
    EXPECT_EQ(G_Fn_Bytes(sect()), built);
    EXPECT_EQ(M_Fn_Line_At(2).m_Thk_Individual, 0.75f);

    const auto lines = m_App.log_lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Msg: Done: Create section line"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Msg: Redo: Create section point"), lines.end());
}

TEST_F(C_Mgr_D_Geom_Test, PointStillUsedCannotBeRemoved)
{
    M_Fn_Rectangle();
    const std::string built = G_Fn_Bytes(sect());
    const std::size_t entries = M_Fn_History_Size();
    EXPECT_THROW(
        M_Fn_Run(L"Delete section geometry", [&](const T_sp_Group& g) { points().M_Fn_Proc_Cmd_Sub_Remove_At(2, g); }),
        C_Exception);
    EXPECT_EQ(G_Fn_Bytes(sect()), built);
    EXPECT_EQ(M_Fn_History_Size(), entries);

    // The entities first, then their points.
    M_Fn_Run(L"Delete section geometry", [&](const T_sp_Group& g) {
        entities().M_Fn_Proc_Cmd_Sub_Remove_At(1, g);
        entities().M_Fn_Proc_Cmd_Sub_Remove_At(2, g);
        points().M_Fn_Proc_Cmd_Sub_Remove_At(2, g);
    });
    EXPECT_FALSE(points().M_Fn_Get_Store().is_used_at(2));
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Count_Ref, 1u);
    history().M_Fn_Undo();
    EXPECT_EQ(G_Fn_Bytes(sect()), built);
}

TEST_F(C_Mgr_D_Geom_Test, UndoneAddKeepsTheObjectAndRedoPutsItBack)
{
    M_Fn_Rectangle();
    const C_D_Geom_Entity* p_line = entities().M_Fn_Get_At(4).get();
    history().M_Fn_Undo();
    EXPECT_FALSE(entities().M_Fn_Get_Store().is_used_at(4));
    EXPECT_EQ(p_line->m_Id, 0);
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Count_Ref, 1u);
    history().M_Fn_Redo();
    EXPECT_EQ(entities().M_Fn_Get_At(4).get(), p_line);
    EXPECT_EQ(p_line->m_Id, 4);
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Count_Ref, 2u);
}

TEST_F(C_Mgr_D_Geom_Test, ModifyAndItsUndoKeepTheStoredObject)
{
    M_Fn_Rectangle();
    const auto sp_card = M_Fn_Property(3.0f);
    const C_D_Geom_Entity* p_line = entities().M_Fn_Get_At(1).get();
    entities().M_Fn_Sel_P0_Add(entities().M_Fn_Get_At(1).get());
    entities().M_Fn_Sel_P1_Update_Yes();
    m_Codes.clear();
    M_Fn_Run(L"Modify section entity", [&](const T_sp_Group& g) {
        T_sp_Entity sp = entities().M_Fn_Get_At(1)->Clone_apo_D_Geom_Entity();
        sp->m_Key_C_P = C_D_Geom_Entity::T_Key_C_P(sp_card);
        entities().M_Fn_Proc_Cmd_Sub_Modify_At(1, sp, g);
    });
    EXPECT_EQ(entities().M_Fn_Get_At(1).get(), p_line);
    EXPECT_EQ(p_line->m_Key_C_P.M_Fn_Lock().get(), sp_card.get());
    // The only selected entity changed: the property pane hears it.
    EXPECT_EQ(m_Codes, std::vector<int>{E_Signal_Sel_Data});
    history().M_Fn_Undo();
    EXPECT_EQ(entities().M_Fn_Get_At(1).get(), p_line);
    EXPECT_TRUE(p_line->m_Key_C_P.M_Fn_Is_Empty());
    EXPECT_TRUE(p_line->m_Flag & C_D_Geom::E_Flag_Selected);
}

TEST_F(C_Mgr_D_Geom_Test, RefusedAddsChangeNothing)
{
    M_Fn_Rectangle();
    const std::string built = G_Fn_Bytes(sect());
    T_sp_Entity sp = std::make_shared<C_D_Geom_E_Line>(1, 3);
    EXPECT_THROW(entities().M_Fn_D_Add_At(0, sp), C_Exception);
    EXPECT_THROW(entities().M_Fn_D_Add_At(2, sp), C_Exception); // occupied
    T_sp_Entity sp_missing = std::make_shared<C_D_Geom_E_Line>(1, 9);
    EXPECT_THROW(entities().M_Fn_D_Add_At(5, sp_missing), C_Exception);
    sp->m_Flag |= C_D_Geom::E_Flag_Picked;
    EXPECT_THROW(entities().M_Fn_D_Add_At(5, sp), C_Exception);
    T_sp_Entity sp_null;
    EXPECT_THROW(entities().M_Fn_D_Add_At(5, sp_null), C_Exception);
    EXPECT_TRUE(sp && sp_missing);
    EXPECT_EQ(G_Fn_Bytes(sect()), built);

    auto up_used = std::make_unique<C_D_Geom_Point>(1.0f, 1.0f);
    up_used->m_Count_Ref = 1;
    EXPECT_THROW(points().M_Fn_D_Add_At(7, up_used), C_Exception);
    EXPECT_THROW(N_Biz::N_Sect::N_Cmd::C_Elem_D_Geom_E_Add_At(&sect(), 0, sp), C_Exception);
    EXPECT_TRUE(sp);
    EXPECT_EQ(G_Fn_Bytes(sect()), built);
}

TEST_F(C_Mgr_D_Geom_Test, FreePositionPickTakesTheFreedIndex)
{
    M_Fn_Run(L"Create section point", [&](const T_sp_Group& g) {
        M_Fn_Point(g, 0, 0);
        M_Fn_Point(g, 1, 0);
        M_Fn_Point(g, 2, 0);
    });
    M_Fn_Run(L"Delete section geometry", [&](const T_sp_Group& g) { points().M_Fn_Proc_Cmd_Sub_Remove_At(2, g); });
    std::uint32_t id = 0;
    M_Fn_Run(L"Create section point", [&](const T_sp_Group& g) {
        EXPECT_EQ(points().M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle(C_Handle_D_Geom_P(0, {7, 8}), id, g), 1);
        std::uint32_t same = 0;
        points().M_Fn_Proc_Cmd_Sub_Get_Pos_From_Handle(C_Handle_D_Geom_P(3, {}), same, g);
        EXPECT_EQ(same, 3u);
    });
    EXPECT_EQ(id, 2u);
    EXPECT_EQ(points().M_Fn_Get_At(2).m_X, 7.0f);
    EXPECT_EQ(points().M_Fn_Count(), 3u);
}

TEST_F(C_Mgr_D_Geom_Test, ModifySectionPointMovesTheLinesWithIt)
{
    M_Fn_Rectangle();
    const std::size_t entries = M_Fn_History_Size();
    auto up = std::make_unique<C_D_Geom_Point>(3.0f, 2.0f);
    EXPECT_EQ(points().M_Fn_Proc_Cmd_Top_Modify(3, up), 1);
    EXPECT_FALSE(up);
    EXPECT_EQ(M_Fn_History_Size(), entries + 1);
    EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Modify section point");
    EXPECT_EQ(points().M_Fn_Get_At(3).m_X, 3.0f);
    EXPECT_EQ(points().M_Fn_Get_At(3).m_Y, 2.0f);
    EXPECT_EQ(points().M_Fn_Get_At(2).m_X, 2.0f); // only the modified point moves
    EXPECT_TRUE(sect().M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    history().M_Fn_Undo();
    EXPECT_EQ(points().M_Fn_Get_At(3).m_X, 2.0f);
    EXPECT_EQ(points().M_Fn_Get_At(3).m_Y, 1.0f);
}

TEST_F(C_Mgr_D_Geom_Test, RefusedMoveShowsTheEntityAndLeavesNoEntry)
{
    M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) {
        const auto a = static_cast<std::int32_t>(M_Fn_Point(g, 0, 0));
        const auto b = static_cast<std::int32_t>(M_Fn_Point(g, 1, 0));
        T_sp_Entity sp = std::make_shared<C_Line_Fixed>(a, b);
        entities().M_Fn_Proc_Cmd_Sub_Add_At(1, sp, g);
    });
    const std::string built = G_Fn_Bytes(sect());
    const std::size_t entries = M_Fn_History_Size();
    auto up = std::make_unique<C_D_Geom_Point>(0.0f, 5.0f);
    EXPECT_EQ(points().M_Fn_Proc_Cmd_Top_Modify(1, up), 1);
    EXPECT_EQ(M_Fn_History_Size(), entries);
    EXPECT_EQ(G_Fn_Bytes(sect()), built);
    EXPECT_EQ(m_App.port().M_Fn_Texts(L"box").back(),
              L"Failed to move, operation denied by geometry entity:\n\n  Entity id : 1");
}

TEST_F(C_Mgr_D_Geom_Test, MoveContextMarksSelectedPointsOnce)
{
    M_Fn_Rectangle();
    points().M_Fn_Sel_P0_Add(C_Handle_D_Geom_P(4, {}));
    points().M_Fn_Sel_P1_Update_Yes();
    entities().M_Fn_Sel_P0_Add(entities().M_Fn_Get_At(1).get());
    entities().M_Fn_Sel_P1_Update_Yes();
    std::vector<std::uint32_t> moved;
    float dx = 0, dy = 0;
    entities().M_Fn_Proc_Aid_Pre_Move_Selected({1, 1}, {4, -1}, moved, dx, dy);
    EXPECT_EQ(moved, (std::vector<std::uint32_t>{0, 1, 1, 0, 1}));
    EXPECT_EQ(dx, 3.0f);
    EXPECT_EQ(dy, -2.0f);
}

TEST_F(C_Mgr_D_Geom_Test, RemovingAnEntityTakesItsMeshAlong)
{
    M_Fn_Rectangle();
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Sub_Relation_Rebuild(), 1);
    ASSERT_NE(points().M_Fn_Get_At(2).m_Id_Node, 0u);
    M_Fn_Run(L"Delete section geometry", [&](const T_sp_Group& g) {
        entities().M_Fn_Proc_Cmd_Sub_Remove_At(1, g);
        entities().M_Fn_Proc_Cmd_Sub_Remove_At(2, g);
        points().M_Fn_Proc_Cmd_Sub_Remove_At(2, g);
    });
    // Point 1 keeps the node that line 4 still uses.
    EXPECT_NE(points().M_Fn_Get_At(1).m_Id_Node, 0u);
    const auto& nodes = sect().M_Fn_Get_Mgr_D_Tess_N().M_Fn_Get_Store();
    EXPECT_EQ(nodes.size() - nodes.free_count() - 1, 3u);
    EXPECT_NE(entities().M_Fn_Get_At(3)->m_Id_Relation, 0u);
    EXPECT_NE(entities().M_Fn_Get_At(4)->m_Id_Relation, 0u);
}

