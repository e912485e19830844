// The geometry editing commands: each change is one named history entry whose undo and redo
// restore identical bytes; refusals are messages with the data unchanged.
#include "tests/sect/Test_Sect_Geom_Support.h"

#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"

#include <cmath>
#include <set>
#include <utility>

namespace N_Test_Sect_Geom {
namespace {

using N_Common::N_Math::C_Vector2;

class C_Sect_Edit : public C_Geom_Test {
protected:
    // The point picks of a task, in this order (each names a stored point, or 0 a free position).
    void M_Fn_Pick(const std::vector<std::uint32_t>& i_Ids, C_Vector2<float> i_Free = {})
    {
        points().M_Fn_Sel_P1_Clear();
        for (std::uint32_t id : i_Ids) {
            points().M_Fn_Sel_P0_Clear();
            points().M_Fn_Sel_P0_Add(C_Handle_D_Geom_P(id, id ? C_Vector2<float>() : i_Free));
            points().M_Fn_Sel_P1_Update_Or();
        }
        points().M_Fn_Sel_P0_Clear();
    }
    void M_Fn_Select(const std::vector<std::uint32_t>& i_Entities)
    {
        entities().M_Fn_Sel_P1_Clear();
        for (std::uint32_t id : i_Entities) {
            entities().M_Fn_Sel_P0_Clear();
            entities().M_Fn_Sel_P0_Add(entities().M_Fn_Get_At(id).get());
            entities().M_Fn_Sel_P1_Update_Or();
        }
        entities().M_Fn_Sel_P0_Clear();
    }
    std::wstring M_Fn_Last_Entry() { return history().M_Fn_Get_History().back()->M_Fn_Get_Name(); }
    // The command ran as one entry named i_Name: undo gives back the points and entities of
    // before (the tables keep the freed slots at their end), and redo and undo again give
    // identical bytes each time.
    void M_Fn_Expect_Entry(const wchar_t* i_Name, std::uint32_t i_Points, std::uint32_t i_Entities,
                           std::size_t i_History)
    {
        ASSERT_EQ(M_Fn_History_Size(), i_History + 1);
        EXPECT_EQ(M_Fn_Last_Entry(), i_Name);
        const std::string after = G_Fn_Bytes(sect());
        points().M_Fn_Sel_P1_Clear();
        entities().M_Fn_Sel_P1_Clear();
        history().M_Fn_Undo();
        EXPECT_EQ(points().M_Fn_Count(), i_Points);
        EXPECT_EQ(entities().M_Fn_Count(), i_Entities);
        const std::string undone = G_Fn_Bytes(sect());
        history().M_Fn_Redo();
        EXPECT_EQ(G_Fn_Bytes(sect()), after);
        history().M_Fn_Undo();
        EXPECT_EQ(G_Fn_Bytes(sect()), undone);
        history().M_Fn_Redo();
        EXPECT_EQ(G_Fn_Bytes(sect()), after);
    }
    // The counts before a command, for M_Fn_Expect_Entry.
    std::pair<std::uint32_t, std::uint32_t> M_Fn_Counts() { return {points().M_Fn_Count(), entities().M_Fn_Count()}; }
    std::wstring M_Fn_Box_Last()
    {
        const auto boxes = m_App.port().M_Fn_Texts(L"box");
        return boxes.empty() ? std::wstring() : boxes.back();
    }
    std::int32_t M_Fn_Ref(std::uint32_t i_Entity, std::uint32_t i_Pos)
    {
        return entities().M_Fn_Get_At(i_Entity)->m_Ref_Points.at(i_Pos).m_Id_Point;
    }
};

TEST_F(C_Sect_Edit, CreatePointAndLineAreOneEntryEach)
{
    std::uint32_t a = 0, b = 0;
    M_Fn_Run(L"Setup", [&](const T_sp_Group& g) {
        a = M_Fn_Point(g, 0, 0);
        b = M_Fn_Point(g, 3, 4);
    });
    const auto property = M_Fn_Property(2.0f);
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Point(), 0); // nothing picked
    EXPECT_EQ(M_Fn_History_Size(), 1u);

    // A pick on an existing point still creates a new point there.
    M_Fn_Pick({a, b});
    auto counts = M_Fn_Counts();
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Point(), 1);
    EXPECT_EQ(points().M_Fn_Count(), 4u);
    EXPECT_EQ(points().M_Fn_Get_At(4).m_X, 3.0f);
    M_Fn_Expect_Entry(L"Create section point", counts.first, counts.second, 1);

    M_Fn_Pick({a});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Line(), 0); // a line needs two picks
    M_Fn_Pick({b, a, 3});
    counts = M_Fn_Counts();
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Line(), 1);
    ASSERT_EQ(entities().M_Fn_Count(), 1u); // the third pick is ignored
    EXPECT_EQ(M_Fn_Ref(1, 0), static_cast<std::int32_t>(b));
    EXPECT_EQ(M_Fn_Ref(1, 1), static_cast<std::int32_t>(a));
    EXPECT_EQ(M_Fn_Line_At(1).m_Thk_Weights, (std::array<float, 4>{0.25f, 0.25f, 0.25f, 0.25f}));
    EXPECT_FALSE(M_Fn_Line_At(1).M_Fn_Is_Weld());
    EXPECT_EQ(M_Fn_Line_At(1).m_Key_C_P.M_Fn_Lock(), property); // the palette's current property
    M_Fn_Expect_Entry(L"Create section line", counts.first, counts.second, 2);

    // A free position becomes a new point.
    M_Fn_Pick({0, a}, {7, 8});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Line(), 1);
    EXPECT_EQ(points().M_Fn_Get_At(static_cast<std::uint32_t>(M_Fn_Ref(2, 0))).m_Y, 8.0f);
}

TEST_F(C_Sect_Edit, ArcThroughThreePicksOrRefusedWhenCollinear)
{
    std::uint32_t p[4] = {};
    M_Fn_Run(L"Setup", [&](const T_sp_Group& g) {
        p[0] = M_Fn_Point(g, 10, 0);
        p[1] = M_Fn_Point(g, 6, 8);
        p[2] = M_Fn_Point(g, 0, 10);
        p[3] = M_Fn_Point(g, 20, 0);
    });
    // (10, 0), (20, 0), (0, 10) ... collinear first: (0,0)-free is not needed; three on a line.
    std::uint32_t q = 0;
    M_Fn_Run(L"Setup", [&](const T_sp_Group& g) { q = M_Fn_Point(g, 30, 0); });
    const std::string before = G_Fn_Bytes(sect());
    M_Fn_Pick({p[0], p[3], q});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Arc(), 1);
    EXPECT_EQ(M_Fn_Box_Last(), L"Can not create arc by selected points.");
    EXPECT_EQ(M_Fn_History_Size(), 2u);
    EXPECT_EQ(G_Fn_Bytes(sect()), before);

    M_Fn_Pick({p[0], p[1]});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Arc(), 0);
    // Counter-clockwise through (10, 0), (6, 8), (0, 10): centre (0, 0), direction 0.
    M_Fn_Pick({p[0], p[1], p[2]});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Arc(), 1);
    ASSERT_EQ(entities().M_Fn_Count(), 1u);
    const auto& arc = dynamic_cast<const C_D_Geom_E_Arc&>(*entities().M_Fn_Get_At(1));
    EXPECT_EQ(arc.m_Direction, 0);
    EXPECT_EQ(M_Fn_Ref(1, 0), static_cast<std::int32_t>(p[0]));
    EXPECT_EQ(M_Fn_Ref(1, 1), static_cast<std::int32_t>(p[2]));
    const C_D_Geom_Point& centre = points().M_Fn_Get_At(static_cast<std::uint32_t>(M_Fn_Ref(1, 2)));
    EXPECT_NEAR(centre.m_X, 0.0f, 1e-4f);
    EXPECT_NEAR(centre.m_Y, 0.0f, 1e-4f);
    M_Fn_Expect_Entry(L"Create section arc", 5, 0, 2);
    // The same picks in the other order turn clockwise.
    M_Fn_Pick({p[2], p[1], p[0]});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Arc(), 1);
    EXPECT_EQ(dynamic_cast<const C_D_Geom_E_Arc&>(*entities().M_Fn_Get_At(2)).m_Direction, 1);
}

TEST_F(C_Sect_Edit, WeldAcrossThreeParallelLines)
{
    std::uint32_t from = 0, to = 0, lone = 0;
    M_Fn_Run(L"Setup", [&](const T_sp_Group& g) {
        for (int i = 0; i < 3; ++i)
            M_Fn_Line_XY(g, float(i), 0.0f, float(i), 1.0f);
        from = M_Fn_Point(g, 2.5f, 0.5f);
        to = M_Fn_Point(g, -0.5f, 0.5f);
        lone = M_Fn_Point(g, 0.5f, 0.5f);
    });
    // Crossing one line only: the message, nothing changed.
    const std::string before = G_Fn_Bytes(sect());
    M_Fn_Pick({lone, to});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Weld(), 1);
    EXPECT_EQ(M_Fn_Box_Last(), L"Requires to cross at least two entities to create weld.");
    EXPECT_EQ(G_Fn_Bytes(sect()), before);
    EXPECT_EQ(M_Fn_History_Size(), 1u);

    // From right to left: the crossings are joined in their order along the segment.
    M_Fn_Pick({from, to});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Create_Weld(), 1);
    EXPECT_EQ(points().M_Fn_Count(), 9u + 3u);
    std::vector<std::uint32_t> welds, split;
    for (std::uint32_t e = 1; e < entities().M_Fn_Get_Store().size(); ++e)
        if (entities().M_Fn_Get_Store().is_used_at(e))
            (entities().M_Fn_Get_At(e)->M_Fn_Is_Weld() ? welds : split).push_back(e);
    EXPECT_EQ(split.size(), 6u);
    ASSERT_EQ(welds.size(), 2u);
    auto x_of = [&](std::uint32_t i_Line, std::uint32_t i_Pos) {
        return points().M_Fn_Get_At(static_cast<std::uint32_t>(M_Fn_Ref(i_Line, i_Pos))).m_X;
    };
    std::set<std::pair<float, float>> joined;
    for (std::uint32_t e : welds)
        joined.emplace(x_of(e, 0), x_of(e, 1));
    EXPECT_EQ(joined, (std::set<std::pair<float, float>>{{2.0f, 1.0f}, {1.0f, 0.0f}}));
    for (std::uint32_t e : split)
        EXPECT_EQ(points().M_Fn_Get_At(static_cast<std::uint32_t>(M_Fn_Ref(e, 0))).m_Y == 0.5f ||
                      points().M_Fn_Get_At(static_cast<std::uint32_t>(M_Fn_Ref(e, 1))).m_Y == 0.5f,
                  true);
    M_Fn_Expect_Entry(L"Create section weld", 9, 3, 1);
}

TEST_F(C_Sect_Edit, DeleteModifyAndMove)
{
    std::uint32_t l1 = 0, l2 = 0;
    M_Fn_Run(L"Setup", [&](const T_sp_Group& g) {
        l1 = M_Fn_Line_XY(g, 0, 0, 1, 0);
        l2 = M_Fn_Line(g, 2, M_Fn_Point(g, 1, 1)); // shares point 2 with the first line
    });
    // Delete the first line with both its points: point 2 stays, used by the second line.
    M_Fn_Select({l1});
    M_Fn_Pick({1, 2});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Delete_Selected(), 1);
    EXPECT_FALSE(entities().M_Fn_Get_Store().is_used_at(l1));
    EXPECT_FALSE(points().M_Fn_Get_Store().is_used_at(1));
    EXPECT_TRUE(points().M_Fn_Get_Store().is_used_at(2));
    M_Fn_Expect_Entry(L"Delete section geometry", 3, 2, 1);

    // Modify: the stored line takes the edited copy's individual thickness.
    const std::string before = G_Fn_Bytes(sect());
    auto up_copy = entities().M_Fn_Get_At(l2)->Clone_apo_D_Geom_Entity();
    auto& copy = dynamic_cast<C_D_Geom_E_Line&>(*up_copy);
    copy.m_Thk_Individual_Switch = 1;
    copy.m_Thk_Individual = 3.5f;
    T_sp_Entity sp_copy(std::move(up_copy));
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Modify(l2, sp_copy), 1);
    EXPECT_EQ(M_Fn_Line_At(l2).m_Thk_Individual, 3.5f);
    M_Fn_Expect_Entry(L"Modify section geometry", 2, 1, 2);
    history().M_Fn_Undo();
    EXPECT_EQ(G_Fn_Bytes(sect()), before); // nothing is freed by a modify: the very bytes
    history().M_Fn_Redo();

    // Move the second line by (1, 2).
    M_Fn_Select({l2});
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Move_Selected({0, 0}, {1, 2}), 1);
    EXPECT_EQ(points().M_Fn_Get_At(2).m_X, 2.0f);
    EXPECT_EQ(points().M_Fn_Get_At(2).m_Y, 2.0f);
    EXPECT_EQ(points().M_Fn_Get_At(3).m_Y, 3.0f);
    M_Fn_Expect_Entry(L"Move section geometry", 2, 1, 3);
}

TEST_F(C_Sect_Edit, ReconnectPropertyAndPalettePick)
{
    const auto first = M_Fn_Property(1.0f); // the palette's current property from now on
    const auto second = M_Fn_Property(2.0f);
    std::uint32_t line = 0;
    M_Fn_Run(L"Setup", [&](const T_sp_Group& g) { line = M_Fn_Line_XY(g, 0, 0, 1, 0); });
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Reconnect_C_P_Selected(), 0); // nothing selected
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_P_Palette_Sel(), 0);

    M_Fn_Select({line});
    std::uint32_t pick = 0;
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t i_Mode) {
        EXPECT_EQ(i_Kind, N_Biz::N_Proj::C_Dlg::E_Kind_C_P);
        EXPECT_EQ(i_Mode, N_Biz::N_Proj::C_Dlg::E_Mode_List_Pick);
        return pick;
    };
    // The list picks nothing: no change, no entry; the task is over.
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Reconnect_C_P_Selected(), 1);
    EXPECT_EQ(M_Fn_History_Size(), 1u);
    pick = static_cast<std::uint32_t>(second->M_Fn_Pos_Get());
    const std::string before = G_Fn_Bytes(sect());
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_Reconnect_C_P_Selected(), 1);
    N_Biz::N_Proj::C_Dlg::S_Fn_List = nullptr;
    EXPECT_EQ(M_Fn_Line_At(line).m_Key_C_P.M_Fn_Lock(), second);
    EXPECT_EQ(M_Fn_Last_Entry(), L"Reconnect property of section geometry");

    // The palette pick makes the selected entity's property current.
    auto& cards = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P();
    EXPECT_EQ(cards.M_Fn_Palette_Get(), static_cast<std::uint32_t>(first->M_Fn_Pos_Get()));
    EXPECT_EQ(entities().M_Fn_Proc_Cmd_Top_P_Palette_Sel(), 1);
    EXPECT_EQ(cards.M_Fn_Palette_Get(), pick);

    entities().M_Fn_Sel_P1_Clear();
    history().M_Fn_Undo();
    EXPECT_EQ(G_Fn_Bytes(sect()), before);
}

} // namespace
} // namespace N_Test_Sect_Geom
