// The section's selection manager: the click and rectangle rules, which stores each pick mode
// uses, the description of the current pick, typed positions, and the clearing reset.
#include "tests/sect/Test_Sect_Input_Support.h"

#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "common/Common_Exception.h"

#include <algorithm>
#include <map>

namespace N_Test_Sect_Geom {
namespace {

using namespace N_Biz::N_Sect::N_State;
using N_Common::N_Exception::C_Exception;
using T_Ids = std::vector<std::uint32_t>;

class C_Sel_Test : public C_Input_Test {
protected:
    // Every store the section picks from gets one selected object.
    void M_Fn_Select_All_Stores()
    {
        auto one = [](auto& ro_Sel, auto i_Handle) {
            ro_Sel.M_Fn_Sel_P0_Clear();
            ro_Sel.M_Fn_Sel_P0_Add(i_Handle);
            ro_Sel.M_Fn_Sel_P1_Update_Or();
            ro_Sel.M_Fn_Sel_P0_Clear();
        };
        one(points(), C_Handle_D_Geom_P(1, {}));
        one(entities(), entities().M_Fn_Get_At(1).get());
        C_Mgr_D_Tess_N& nodes = sect().M_Fn_Get_Mgr_D_Tess_N();
        C_Mgr_D_Tess_E& elements = sect().M_Fn_Get_Mgr_D_Tess_E();
        one(nodes, C_Handle_D_Tess_N(1, {}));
        one(elements, elements.M_Fn_Get_At(1).get());
        one(m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel(), m_sp_A->M_Fn_Key_C_Material().M_Fn_Lock());
        one(m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel(), m_sp_A);
    }
    // Which stores have a selection set, as the letters of points, entities, nodes, elements,
    // material and property cards ("PENLMC" in that order).
    std::string M_Fn_Stores_Selected()
    {
        std::string s;
        if (!points().M_Fn_Sel_P1_Get().empty()) s += 'P';
        if (!entities().M_Fn_Sel_P1_Get().empty()) s += 'E';
        if (!sect().M_Fn_Get_Mgr_D_Tess_N().M_Fn_Sel_P1_Get().empty()) s += 'N';
        if (!sect().M_Fn_Get_Mgr_D_Tess_E().M_Fn_Sel_P1_Get().empty()) s += 'L';
        if (!m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P1_Get().empty()) s += 'M';
        if (!m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P1_Get().empty()) s += 'C';
        return s;
    }
    void M_Fn_Mode(std::uint32_t i_Mode) { sel().M_Fn_Reset(false, true, true, true, false, i_Mode, L"test"); }
    std::vector<std::wstring> desc() { return {sel().M_Fn_Desc_Get().begin(), sel().M_Fn_Desc_Get().end()}; }
};

TEST_F(C_Sel_Test, ClicksReplaceAddWithShiftAndToggleWithCtrl)
{
    M_Fn_Two_Lines();
    const std::uint32_t S = N_In::E_Flag_Shift, C = N_In::E_Flag_Ctrl;
    struct C_Step {
        float m_X, m_Y;
        std::uint32_t m_Flags;
        T_Ids m_Points, m_Entities;
    };
    const std::vector<C_Step> steps = {
        {-10, 0, 0, {}, {1}},       // line 1
        {10, 10, 0, {}, {2}},       // line 2 replaces it
        {-10, 0, S, {}, {2, 1}},    // Shift adds
        {10, 10, C, {}, {1}},       // Ctrl toggles line 2 off
        {-30, -30, C, {}, {1}},     // nothing under the cursor: Ctrl and Shift keep the set
        {-30, -30, S, {}, {1}},
        {-30, -30, 0, {}, {}},      // a plain click on nothing empties it
        {0, 0, 0, {2}, {}},         // point 2 and both lines' ends: the point alone
        {10, 10, C | S, {2}, {2}},  // Shift wins over Ctrl
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const C_Step& s = steps[i];
        click(s.m_X, s.m_Y, s.m_Flags);
        EXPECT_EQ(sel_points(), s.m_Points) << i;
        EXPECT_EQ(sel_entities(), s.m_Entities) << i;
    }
}

TEST_F(C_Sel_Test, RectangleTakesPointsAndEntitiesInsideAndDescribesTheCount)
{
    M_Fn_Two_Lines();
    drag(-30, -5, 5, 5); // around line 1 and its two points, below line 2
    EXPECT_EQ(sel_points(), (T_Ids{1, 2}));
    EXPECT_EQ(sel_entities(), T_Ids{1});
    EXPECT_EQ(desc(), std::vector<std::wstring>{L"Number: 3"});
    // Shift adds (a Ctrl drag rotates the view instead).
    drag(25, 15, 15, 5, N_In::E_Flag_Shift); // the end point of line 2 and the line's end
    EXPECT_EQ(sel_points(), (T_Ids{1, 2, 4}));
    EXPECT_EQ(sel_entities(), (T_Ids{1, 2}));
    drag(15, 5, 25, 15);
    EXPECT_EQ(sel_points(), T_Ids{4});
    EXPECT_EQ(sel_entities(), T_Ids{2});
    // Where rectangles are off (modify), the release picks under the cursor instead.
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify();
    drag(-30, -5, -10, 0);
    EXPECT_EQ(task(), 9u); // line 1 was under the cursor at the release: one entity, done
}

TEST_F(C_Sel_Test, LowestSlotWinsAndEntitiesWithoutCardAreSkippedInPropertyMode)
{
    // Two points at one place: the lower slot is picked.
    M_Fn_Run(L"Points", [&](const T_sp_Group& g) {
        M_Fn_Point(g, 10, -10);
        M_Fn_Point(g, 10, -10);
    });
    click(10, -10);
    EXPECT_EQ(sel_points(), T_Ids{1});
    // A line without a card crossing one with card B: in property mode the card is picked.
    m_sp_B = M_Fn_Card(3.0f);
    M_Fn_Run(L"Lines", [&](const T_sp_Group& g) {
        M_Fn_Line_XY(g, -20, -20, 20, 20);
        M_Fn_Line_Card(g, -20, 20, 20, -20, m_sp_B);
    });
    sect().M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Property();
    click(0, 0);
    const auto& cards = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P1_Get();
    ASSERT_EQ(cards.size(), 1u);
    EXPECT_EQ(cards.front().get(), m_sp_B.get());
    EXPECT_EQ(desc().at(0), L"Property:");
    EXPECT_EQ(desc().at(1), L"");
}

TEST_F(C_Sel_Test, DescriptionOfOnePick)
{
    M_Fn_Two_Lines();
    move(-10, 0);
    frame().M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    std::vector<std::wstring> d = desc();
    ASSERT_GE(d.size(), 3u);
    EXPECT_EQ(d[0], L"Entity:");
    EXPECT_EQ(d[1], L"");
    EXPECT_EQ(d[2], L"  Entity Type: Line");
    EXPECT_EQ(d[3], L"  Entity Id: 1");
    // A free position of the point task.
    post<C_Event_D_Geom_Create_Point>();
    move(10, -10);
    frame().M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    EXPECT_EQ(desc(), (std::vector<std::wstring>{L"Point:", L"", L"  Type: Screen Point", L"  X: 10", L"  Y: -10"}));
    // Nothing under the cursor: no description.
    esc();
    move(-30, -30);
    frame().M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    EXPECT_TRUE(desc().empty());
}

// Which stores each pick mode clears, and that a clearing reset clears them all.
TEST_F(C_Sel_Test, StoresByModeAndTheClearingResetEmptiesEveryStore)
{
    M_Fn_Two_Lines();
    ASSERT_EQ(entities().M_Fn_Proc_Cmd_Sub_Relation_Rebuild(), 1);
    const std::map<std::uint32_t, std::string> left_by_clear = {
        {1, "PENLC"}, {2, "PENLM"}, {3, "ENLMC"}, {4, "ENLMC"}, {5, "ENLMC"}, {6, "PNLMC"}, {7, "NLMC"},
        {8, "PELMC"}, {9, "PELMC"}, {10, "PELMC"}, {11, "PENMC"}, {12, "PEMC"}, {13, "PENLMC"},
    };
    for (const auto& [mode, left] : left_by_clear) {
        SCOPED_TRACE(mode);
        M_Fn_Mode(mode);
        M_Fn_Select_All_Stores();
        ASSERT_EQ(M_Fn_Stores_Selected(), "PENLMC");
        sel().M_Fn_Sel_P1_Clear();
        EXPECT_EQ(M_Fn_Stores_Selected(), left);
        // A clearing reset leaves nothing selected, whatever the mode it leaves.
        M_Fn_Select_All_Stores();
        sel().M_Fn_Reset(true, true, true, true, false, 7, L"Select & edit geometry.");
        EXPECT_EQ(M_Fn_Stores_Selected(), "");
        // A reset that does not clear keeps everything.
        M_Fn_Select_All_Stores();
        M_Fn_Mode(mode);
        EXPECT_EQ(M_Fn_Stores_Selected(), "PENLMC");
        sel().M_Fn_Reset(true, true, true, true, false, 7, L"Select & edit geometry.");
    }
    // A mode outside 0 to 13 is refused before anything changes.
    m_Codes.clear();
    EXPECT_THROW(sel().M_Fn_Reset(true, true, true, true, false, 14, L"x"), C_Exception);
    EXPECT_EQ(sel().M_Fn_Mode_Get(), 7u);
    EXPECT_EQ(sel().M_Fn_Prompt_Get(), L"Select & edit geometry.");
    EXPECT_TRUE(m_Codes.empty());
}

TEST_F(C_Sel_Test, TypedPositions)
{
    // The point task takes a typed position as a pick and completes with it.
    post<C_Event_D_Geom_Create_Point>();
    sel().M_Fn_Sel_P1_Set_Scrn({12.5f, -3.0f});
    EXPECT_EQ(task(), 9u);
    ASSERT_EQ(points().M_Fn_Count(), 1u);
    EXPECT_EQ(points().M_Fn_Get_At(1).m_X, 12.5f);
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Y, -3.0f);
    // The line task collects typed positions one by one (forced adding).
    post<C_Event_D_Geom_Create_Line>();
    sel().M_Fn_Sel_P1_Set_Scrn({0, 0});
    EXPECT_EQ(sel_points(), T_Ids{0});
    sel().M_Fn_Sel_P1_Set_Scrn({0, 40});
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(entities().M_Fn_Count(), 1u);
    // Typed positions mean nothing in the select & edit modes.
    EXPECT_THROW(sel().M_Fn_Sel_P1_Set_Scrn({0, 0}), C_Exception);
}

TEST_F(C_Sel_Test, FreePositionsHaveNoRowAndAreNeverToggled)
{
    M_Fn_Run(L"Point", [&](const T_sp_Group& g) { M_Fn_Point(g, 5, 5); });
    const C_Handle_D_Geom_P a(0, {1, 2}), b(0, {3, 4}), p1(1, {});
    points().M_Fn_Sel_P0_Add(a);
    points().M_Fn_Sel_P0_Add(b);
    points().M_Fn_Sel_P0_Add(a); // a free position is taken every time
    points().M_Fn_Sel_P0_Add(p1);
    points().M_Fn_Sel_P0_Add(p1); // a point only once
    EXPECT_EQ(points().M_Fn_Sel_P0_Get().size(), 4u);
    points().M_Fn_Sel_P1_Update_Or();
    EXPECT_EQ(sel_points(), (T_Ids{0, 0, 0, 1}));
    points().M_Fn_Sel_P1_Update_Xor(); // toggles the point off, leaves the positions
    EXPECT_EQ(sel_points(), (T_Ids{0, 0, 0}));
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Flag & 0x3u, 0x1u);
    points().M_Fn_Sel_P0_Clear();
    points().M_Fn_Sel_P1_Update_Yes(); // replace by an empty pick
    EXPECT_TRUE(sel_points().empty());
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Flag & 0x3u, 0u);
}

// An undo or a redo leaves no pick of an object that is gone, and the description under the prompt
// names only what is picked now; an object brought back by a redo is picked as before.
TEST_F(C_Sel_Test, UndoAndRedoLeaveNoPickOrDescriptionOfWhatIsGone)
{
    M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) { M_Fn_Line_XY(g, -20, 0, 0, 0); });
    std::uint32_t point = 0;
    M_Fn_Run(L"Create section point", [&](const T_sp_Group& g) { point = M_Fn_Point(g, 10, -10); });
    ASSERT_EQ(point, 3u); // after the line's two ends
    click(10, -10);
    ASSERT_EQ(sel_points(), T_Ids{point});
    ASSERT_FALSE(desc().empty());
    ASSERT_EQ(desc()[0], L"Point:");
    const int redraws = m_View.m_Count;

    history().M_Fn_Undo();
    EXPECT_FALSE(points().M_Fn_Get_Store().is_used_at(point));
    EXPECT_TRUE(sel_points().empty());
    EXPECT_TRUE(points().M_Fn_Sel_P0_Get().empty());
    EXPECT_TRUE(desc().empty());
    EXPECT_GT(m_View.m_Count, redraws);

    // Back by the redo, unpicked; a click picks it again.
    history().M_Fn_Redo();
    ASSERT_TRUE(points().M_Fn_Get_Store().is_used_at(point));
    EXPECT_TRUE(sel_points().empty());
    EXPECT_TRUE(desc().empty());
    click(10, -10);
    EXPECT_EQ(sel_points(), T_Ids{point});
    const std::vector<std::wstring> d = desc();
    EXPECT_NE(std::find(d.begin(), d.end(), L"  Point Id: 3"), d.end());

    // The line picked; undoing the point leaves it picked and described, undoing the line does not.
    click(-10, 0);
    EXPECT_EQ(sel_entities(), T_Ids{1});
    history().M_Fn_Undo();
    EXPECT_EQ(sel_entities(), T_Ids{1});
    ASSERT_FALSE(desc().empty());
    EXPECT_EQ(desc()[0], L"Entity:");
    history().M_Fn_Undo();
    EXPECT_EQ(entities().M_Fn_Count(), 0u);
    EXPECT_TRUE(sel_entities().empty());
    EXPECT_TRUE(entities().M_Fn_Sel_P0_Get().empty());
    EXPECT_TRUE(desc().empty());
}

} // namespace
} // namespace N_Test_Sect_Geom
