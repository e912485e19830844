// The editing tasks run to completion through the main view's input records and the machine's
// posted events, as a user runs them: each completes once and is cancelled once by Esc.
#include "tests/sect/Test_Sect_Input_Support.h"

#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "common/Common_Exception.h"

#include <tuple>

namespace N_Test_Sect_Geom {
namespace {

using namespace N_Biz::N_Sect::N_State;
using N_Common::N_Exception::C_Exception;
using T_Ids = std::array<std::uint32_t, 3>;

class C_Task_Run : public C_Input_Test {
protected:
    ~C_Task_Run() override
    {
        C_Mgr_D_Geom_E::S_Fn_Dlg_Property = nullptr;
        C_Mgr_D_Geom_E::S_Fn_Dlg_Property_Geom_P = nullptr;
        N_Biz::N_Proj::C_Dlg::S_Fn_List = nullptr;
        N_Biz::N_Proj::C_Dlg::S_Fn_Property = nullptr;
    }
    N_Biz::N_Proj::C_Mgr_D_DB_C_P& cards_p() { return m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P(); }
    N_Biz::N_Proj::C_Mgr_D_DB_C_M& cards_m() { return m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M(); }
    std::uint32_t id_of(const lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property>& ro_sp)
    {
        return static_cast<std::uint32_t>(ro_sp->M_Fn_Pos_Get());
    }
    // Back in the geometry select & edit mode with nothing selected.
    void M_Fn_Expect_Geometry_Default()
    {
        EXPECT_EQ(task(), 9u);
        EXPECT_EQ(sel().M_Fn_Mode_Get(), 7u);
        EXPECT_EQ(sel().M_Fn_Prompt_Get(), L"Select & edit geometry.");
        EXPECT_TRUE(sel_points().empty());
        EXPECT_TRUE(sel_entities().empty());
    }
};

TEST_F(C_Task_Run, LineFromTwoClicksWithRegionIdsAndSignals)
{
    EXPECT_EQ(ids(), (T_Ids{1, 3, 9}));
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line();
    EXPECT_EQ(ids(), (T_Ids{1, 3, 16}));
    // The entry's reset (2), then the task region's new state (6).
    EXPECT_EQ(m_Codes, (std::vector<int>{2, 6}));

    m_Codes.clear();
    click(-20, 0);
    // The first position is added to the selection set (3); the task waits for the second.
    EXPECT_EQ(m_Codes, (std::vector<int>{3}));
    EXPECT_EQ(ids(), (T_Ids{1, 3, 16}));
    EXPECT_EQ(sel_points(), (std::vector<std::uint32_t>{0}));

    m_Codes.clear();
    click(20, 10);
    // Second position added (3), the line made, the selection set emptied (3), the geometry
    // default reset (2), the task region back in idle (6).
    EXPECT_EQ(m_Codes, (std::vector<int>{3, 3, 2, 6}));
    M_Fn_Expect_Geometry_Default();
    ASSERT_EQ(entities().M_Fn_Count(), 1u);
    ASSERT_EQ(points().M_Fn_Count(), 2u);
    const C_D_Geom_E_Line& line = M_Fn_Line_At(1);
    const C_D_Geom_Point& a = points().M_Fn_Get_At(static_cast<std::uint32_t>(line.m_Ref_Points[0].m_Id_Point));
    const C_D_Geom_Point& b = points().M_Fn_Get_At(static_cast<std::uint32_t>(line.m_Ref_Points[1].m_Id_Point));
    EXPECT_EQ((std::array<float, 4>{a.m_X, a.m_Y, b.m_X, b.m_Y}), (std::array<float, 4>{-20, 0, 20, 10}));
    EXPECT_EQ(msgs(), std::vector<std::string>{"Done: Create section line"});
}

// Clicks that no move preceded (a slow program loses moves that GTK sends as motion hints) still
// pick where they are.
TEST_F(C_Task_Run, LineFromTwoClicksThatNoMovePreceded)
{
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line();
    for (const auto& pos : {std::array<float, 2>{-20, 0}, std::array<float, 2>{20, 10}}) {
        in(N_In::E_Kind_Left_Down, px(pos[0]), px(pos[1]), N_In::E_Flag_Left);
        in(N_In::E_Kind_Left_Up, px(pos[0]), px(pos[1]));
    }
    M_Fn_Expect_Geometry_Default();
    ASSERT_EQ(entities().M_Fn_Count(), 1u);
    const C_D_Geom_E_Line& line = M_Fn_Line_At(1);
    const C_D_Geom_Point& a = points().M_Fn_Get_At(static_cast<std::uint32_t>(line.m_Ref_Points[0].m_Id_Point));
    const C_D_Geom_Point& b = points().M_Fn_Get_At(static_cast<std::uint32_t>(line.m_Ref_Points[1].m_Id_Point));
    EXPECT_EQ((std::array<float, 4>{a.m_X, a.m_Y, b.m_X, b.m_Y}), (std::array<float, 4>{-20, 0, 20, 10}));
}

TEST_F(C_Task_Run, LineSnapsToAnExistingPointAndApplyChangesNothing)
{
    M_Fn_Two_Lines();
    const std::size_t n_history = M_Fn_History_Size();
    post<C_Event_D_Geom_Create_Line>();
    click(0, 0); // within 15 pixels of point 2: that point, not a free position
    enter();
    EXPECT_EQ(task(), 16u);
    EXPECT_EQ(sel_points(), (std::vector<std::uint32_t>{2}));
    click(-10, -20);
    M_Fn_Expect_Geometry_Default();
    ASSERT_EQ(M_Fn_History_Size(), n_history + 1);
    const C_D_Geom_E_Line& line = M_Fn_Line_At(3);
    EXPECT_EQ(line.m_Ref_Points[0].m_Id_Point, 2);
    EXPECT_EQ(points().M_Fn_Count(), 5u); // one new point only
}

// Every task: started from the idle task region, given what it collects, it completes once; a
// second run is cancelled by Esc and leaves no history entry.
TEST_F(C_Task_Run, CreationTasksCompleteOnceAndCancelOnce)
{
    struct C_Case {
        const char* m_Name;
        void (C_Mgr_D_Geom_E::*m_Fn_Start)();
        std::uint32_t m_Id;
        std::vector<std::array<float, 2>> m_Clicks;
        const wchar_t* m_Entry;      // null: the task ends without an entry
        std::uint32_t m_Points;      // points and entities afterwards (two lines: 4 and 2)
        std::uint32_t m_Entities;
    };
    const std::vector<C_Case> cases = {
        {"point", &C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Point, 15, {{-20, -20}}, L"Create section point", 5, 2},
        {"line", &C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line, 16, {{-20, -20}, {20, -20}}, L"Create section line", 6, 3},
        // Three clicks on a circle about (0, -10) of radius 20: the arc keeps the first and the
        // last as its end points and adds its centre.
        {"arc", &C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Arc, 17, {{-20, -10}, {0, -30}, {20, -10}}, L"Create section arc", 7, 3},
        {"conics", &C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Conics, 18, {{-20, -20}}, nullptr, 4, 2},
        {"spline", &C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Spline, 19, {{-20, -20}}, nullptr, 4, 2},
        // Crossing both lines between x = 1 and x = -1: each is broken, and a weld joins the breaks.
        {"weld", &C_Mgr_D_Geom_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld, 20, {{-10, -10}, {10, 20}}, L"Create section weld", 6, 5},
    };
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Name);
        m_up_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Clear();
        m_up_Sect = M_Fn_Sect_New();
        frame().M_Fn_View_Main_On_Create(&m_View);
        frame().M_Fn_View_Main_On_Size(S_GL_Size, S_GL_Size);
        M_Fn_Two_Lines();
        const std::size_t n_history = M_Fn_History_Size();

        // Cancelled by Esc after the first click: nothing made, no entry.
        (entities().*c.m_Fn_Start)();
        EXPECT_EQ(task(), c.m_Id);
        if (c.m_Clicks.size() > 1)
            click(c.m_Clicks[0][0], c.m_Clicks[0][1]);
        esc();
        M_Fn_Expect_Geometry_Default();
        EXPECT_EQ(M_Fn_History_Size(), n_history);
        EXPECT_EQ(points().M_Fn_Count(), 4u);

        (entities().*c.m_Fn_Start)();
        for (std::size_t i = 0; i < c.m_Clicks.size(); ++i) {
            EXPECT_EQ(task(), c.m_Id) << i;
            click(c.m_Clicks[i][0], c.m_Clicks[i][1]);
        }
        M_Fn_Expect_Geometry_Default();
        EXPECT_EQ(M_Fn_History_Size(), n_history + (c.m_Entry ? 1 : 0));
        if (c.m_Entry) {
            EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), c.m_Entry);
        }
        EXPECT_EQ(points().M_Fn_Count(), c.m_Points);
        EXPECT_EQ(entities().M_Fn_Count(), c.m_Entities);
        frame().M_Fn_View_Main_On_Destroy();
    }
}

// The geometry tasks that act on one pick: each is cancelled once by Esc (no entry, nothing
// changed), then completed by a click on line 2.
TEST_F(C_Task_Run, GeometryTasksCompleteOnAPickAndCancelOnce)
{
    M_Fn_Two_Lines();
    std::vector<std::string> dialogs;
    C_Mgr_D_Geom_E::S_Fn_Dlg_Property = [&](C_Mgr_D_Geom_E&, std::uint32_t i) { dialogs.push_back("E" + std::to_string(i)); };
    C_Mgr_D_Geom_E::S_Fn_Dlg_Property_Geom_P = [&](C_Mgr_D_Geom_P&, std::uint32_t i) { dialogs.push_back("P" + std::to_string(i)); };
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t) {
        dialogs.push_back("list " + std::to_string(i_Kind));
        return id_of(m_sp_A);
    };
    struct C_Case {
        const char* m_Name;
        std::function<void()> m_Start;
        std::uint32_t m_Id;
        std::array<float, 2> m_Click;
        const wchar_t* m_Entry; // null: no entry
        std::function<void()> m_Check;
    };
    const std::vector<C_Case> cases = {
        {"modify point", [&] { entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify(); }, 22, {0, 10}, nullptr,
         [&] { EXPECT_EQ(dialogs.back(), "P3"); }}, // point 3 lies ahead of line 2 under the cursor
        {"modify entity", [&] { entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify(); }, 22, {10, 10}, nullptr,
         [&] { EXPECT_EQ(dialogs.back(), "E2"); }},
        {"entity palette", [&] { entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_E_P_Palette_Sel(); }, 30, {10, 10}, nullptr,
         [&] { EXPECT_EQ(cards_p().M_Fn_Palette_Get(), id_of(m_sp_B)); }},
        {"reconnect", [&] { post<C_Event_D_Geom_E_Reconnect_C_P>(); }, 29, {10, 10},
         L"Reconnect property of section geometry", [&] {
             EXPECT_EQ(dialogs.back(), "list 3");
             EXPECT_EQ(M_Fn_Line_At(2).m_Key_C_P.M_Fn_Lock().get(), m_sp_A.get());
         }},
        {"break", [&] { post<C_Event_D_Geom_E_Break>(); }, 26, {-30, -30}, nullptr, [&] { EXPECT_EQ(entities().M_Fn_Count(), 2u); }},
        {"delete", [&] { entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete(); }, 21, {10, 10}, L"Delete section geometry",
         [&] { EXPECT_FALSE(entities().M_Fn_Get_Store().is_used_at(2)); }},
    };
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Name);
        const std::size_t n = M_Fn_History_Size();
        const std::string bytes = G_Fn_Bytes(sect());
        const std::size_t n_dialogs = dialogs.size();
        c.m_Start();
        EXPECT_EQ(task(), c.m_Id);
        esc(); // the state tables check the return to the default; here nothing changed
        EXPECT_EQ((std::array<std::size_t, 2>{M_Fn_History_Size(), dialogs.size()}), (std::array<std::size_t, 2>{n, n_dialogs}));
        EXPECT_EQ(G_Fn_Bytes(sect()), bytes);

        c.m_Start();
        click(c.m_Click[0], c.m_Click[1]);
        M_Fn_Expect_Geometry_Default();
        EXPECT_EQ(M_Fn_History_Size(), n + (c.m_Entry ? 1 : 0));
        if (c.m_Entry) {
            EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), c.m_Entry);
        }
        c.m_Check();
    }
}

TEST_F(C_Task_Run, WhatIsSelectedBeforeTheCommand)
{
    M_Fn_Two_Lines();
    std::vector<std::uint32_t> dialogs;
    C_Mgr_D_Geom_E::S_Fn_Dlg_Property = [&](C_Mgr_D_Geom_E&, std::uint32_t i) { dialogs.push_back(i); };
    // Modify with two selected: the task is entered, its entry empties the selection, the next
    // single pick opens the dialog.
    click(-10, 0);
    click(10, 10, N_In::E_Flag_Shift);
    EXPECT_EQ(sel_entities(), (std::vector<std::uint32_t>{1, 2}));
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify();
    EXPECT_EQ(task(), 22u);
    EXPECT_TRUE(sel_entities().empty());
    click(10, 10);
    EXPECT_EQ(dialogs, std::vector<std::uint32_t>{2});
    // Chamfer and corner: the selection is emptied (3), no task state is entered, no new prompt.
    for (int i = 0; i < 2; ++i) {
        click(-10, 0);
        m_Codes.clear();
        if (i == 0)
            post<C_Event_D_Geom_E_Chamfer>();
        else
            post<C_Event_D_Geom_E_Corner>();
        EXPECT_EQ(m_Codes, std::vector<int>{3});
        M_Fn_Expect_Geometry_Default();
    }
    // Delete with both selected: deleted by the start guard in one entry; no task state entered.
    const std::size_t n = M_Fn_History_Size();
    click(-10, 0);
    click(10, 10, N_In::E_Flag_Shift);
    m_Codes.clear();
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete();
    EXPECT_EQ(entities().M_Fn_Count(), 0u);
    EXPECT_EQ(M_Fn_History_Size(), n + 1);
    EXPECT_EQ(std::count(m_Codes.begin(), m_Codes.end(), 6), 0);
    M_Fn_Expect_Geometry_Default();
}

TEST_F(C_Task_Run, MoveSelectsThenMovesToTheClickWithAPreview)
{
    M_Fn_Two_Lines();
    const std::size_t n = M_Fn_History_Size();
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move();
    EXPECT_EQ(task(), 23u);
    click(-10, 0);
    EXPECT_EQ(task(), 24u);
    EXPECT_EQ(sel_entities(), std::vector<std::uint32_t>{1});

    // The cursor over (-10, -30); the paint runs the pending pick, then the preview: line 1's
    // points move from its start point (-20, 0) to the cursor.
    move(-10, -30);
    frame().M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    std::vector<std::uint32_t> moved;
    float dx = 0, dy = 0;
    ASSERT_EQ(entities().M_Fn_Proc_Aid_Pre_Move_Selected(moved, dx, dy), 1);
    EXPECT_EQ((std::array<float, 2>{dx, dy}), (std::array<float, 2>{10, -30}));
    EXPECT_EQ(moved, (std::vector<std::uint32_t>{0, 1, 1, 0, 0}));

    click(-10, -30);
    M_Fn_Expect_Geometry_Default();
    ASSERT_EQ(M_Fn_History_Size(), n + 1);
    EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Move section geometry");
    EXPECT_EQ((std::array<float, 4>{points().M_Fn_Get_At(1).m_X, points().M_Fn_Get_At(1).m_Y, points().M_Fn_Get_At(2).m_X,
                                    points().M_Fn_Get_At(2).m_Y}),
              (std::array<float, 4>{-10, -30, 10, -30}));
    // No preview without a selection.
    EXPECT_EQ(entities().M_Fn_Proc_Aid_Pre_Move_Selected(moved, dx, dy), 0);

    // Selected beforehand: straight into the position phase, which keeps the selection. Esc then
    // empties it, so that the next Delete finds nothing selected and waits for a pick; the same
    // after a break, whose position phase keeps the selection as well.
    for (int i = 0; i < 2; ++i) {
        click(10, 10);
        if (i == 0)
            entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move();
        else
            post<C_Event_D_Geom_E_Break>();
        EXPECT_EQ(task(), i == 0 ? 24u : 26u);
        EXPECT_EQ(sel_entities(), std::vector<std::uint32_t>{2});
        esc();
        M_Fn_Expect_Geometry_Default();
        entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete();
        EXPECT_EQ(task(), 21u);
        esc();
    }
    EXPECT_EQ(entities().M_Fn_Count(), 2u);
    EXPECT_EQ(M_Fn_History_Size(), n + 1);
}

TEST_F(C_Task_Run, ElementPalettePickInElementMode)
{
    M_Fn_Two_Lines();
    ASSERT_EQ(entities().M_Fn_Proc_Cmd_Sub_Relation_Rebuild(), 1);
    sect().M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Element();
    post<C_Event_D_Tess_E_P_Palette_Sel>();
    EXPECT_EQ(task(), 31u);
    click(10, 10);
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(sel().M_Fn_Mode_Get(), 12u);
    EXPECT_EQ(cards_p().M_Fn_Palette_Get(), id_of(m_sp_B));
    // One element selected beforehand: its property goes to the palette at once.
    click(-10, 0);
    ASSERT_EQ(sect().M_Fn_Get_Mgr_D_Tess_E().M_Fn_Sel_P1_Get().size(), 1u);
    post<C_Event_D_Tess_E_P_Palette_Sel>();
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(cards_p().M_Fn_Palette_Get(), id_of(m_sp_A));
    EXPECT_TRUE(sect().M_Fn_Get_Mgr_D_Tess_E().M_Fn_Sel_P1_Get().empty());
}

TEST_F(C_Task_Run, CardTasksPickCardsThroughTheEntities)
{
    M_Fn_Two_Lines();
    struct C_Call {
        std::uint32_t m_Mode, m_Kind;
        const N_Biz::N_DB::C_Row_Relation* m_p_Card;
        bool operator==(const C_Call&) const = default;
    };
    std::vector<C_Call> dialogs;
    N_Biz::N_Proj::C_Dlg::S_Fn_Property = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Mode, std::uint32_t i_Kind,
                                              N_Biz::N_DB::C_Row_Relation* i_p_Card) { dialogs.push_back({i_Mode, i_Kind, i_p_Card}); };
    std::uint32_t list_answer = 0;
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t, std::uint32_t) { return list_answer; };
    const auto* p_mat_a = m_sp_A->M_Fn_Key_C_Material().M_Fn_Lock().get();
    const auto* p_mat_b = m_sp_B->M_Fn_Key_C_Material().M_Fn_Lock().get();
    const std::size_t n = M_Fn_History_Size();

    // Each task, started in its family's default, completes on a click on line 2, which carries
    // card B (and B's material), and returns to that default.
    const std::vector<std::tuple<std::function<void()>, std::uint32_t, std::uint32_t>> cases = {
        {[&] { post<C_Event_D_DB_C_P_Modify>(); }, 11, 2},        {[&] { post<C_Event_D_DB_C_P_Reconnect_C_S>(); }, 12, 2},
        {[&] { post<C_Event_D_DB_C_P_Reconnect_C_M>(); }, 13, 2}, {[&] { post<C_Event_D_DB_C_P_Palette_Sel>(); }, 14, 2},
        {[&] { post<C_Event_D_DB_C_M_Modify>(); }, 10, 1}};
    for (const auto& [start, id, family] : cases) {
        SCOPED_TRACE(id);
        // The section reconnect's list picks nothing; the material reconnect's picks A's material.
        list_answer = id == 13 ? static_cast<std::uint32_t>(p_mat_a->M_Fn_Pos_Get()) : 0;
        if (family == 1)
            sect().M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Material();
        else
            sect().M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Property();
        start();
        EXPECT_EQ(task(), id);
        click(10, 10);
        EXPECT_EQ(task(), 9u);
        EXPECT_EQ(sel().M_Fn_Mode_Get(), family);
        EXPECT_TRUE(cards_p().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
        EXPECT_TRUE(cards_m().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
    }
    // By the material modify, B's material is A's (the material reconnect ran before it).
    EXPECT_EQ(dialogs, (std::vector<C_Call>{{2, 3, m_sp_B.get()}, {2, 2, p_mat_a}}));
    EXPECT_NE(p_mat_a, p_mat_b);
    EXPECT_EQ(cards_p().M_Fn_Palette_Get(), id_of(m_sp_B));
    EXPECT_EQ(m_sp_B->M_Fn_Key_C_Material().M_Fn_Lock().get(), p_mat_a);
    ASSERT_EQ(M_Fn_History_Size(), n + 1); // the section reconnect picked no card: no entry
    EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Reconnect material of property card");

    // Material modify with one material selected completes at once in the start guard.
    click(-10, 0);
    ASSERT_EQ(cards_m().M_Fn_Sel().M_Fn_Sel_P1_Get().size(), 1u);
    post<C_Event_D_DB_C_M_Modify>();
    EXPECT_EQ(task(), 9u);
    EXPECT_TRUE(cards_m().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
    EXPECT_EQ(dialogs.size(), 3u);
    EXPECT_EQ(dialogs.back(), (C_Call{2, 2, p_mat_a}));
}

TEST_F(C_Task_Run, AThrowingTaskStepLeavesTheSectionEditable)
{
    M_Fn_Two_Lines();
    C_Mgr_D_Geom_E::S_Fn_Dlg_Property = [](C_Mgr_D_Geom_E&, std::uint32_t) { VT_THROW("dialog"); };
    // In the step guard, reached from the click's button release.
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify();
    move(-10, 0);
    in(N_In::E_Kind_Left_Down, px(-10), px(0), N_In::E_Flag_Left);
    EXPECT_THROW(in(N_In::E_Kind_Left_Up, px(-10), px(0)), C_Exception);
    EXPECT_EQ(machine()->M_Fn_Get_Busy(), 0);
    EXPECT_EQ(machine()->M_Fn_Get_Count_Queue(), 0u);
    EXPECT_EQ(task(), 22u);
    esc();
    M_Fn_Expect_Geometry_Default();
    // In the start guard, with the entity selected beforehand.
    click(-10, 0);
    EXPECT_THROW(entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify(), C_Exception);
    EXPECT_EQ(machine()->M_Fn_Get_Busy(), 0);
    EXPECT_EQ(task(), 9u);
    // The section goes on working: a line from two clicks.
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line();
    click(-30, -30);
    click(30, -30);
    M_Fn_Expect_Geometry_Default();
    EXPECT_EQ(entities().M_Fn_Count(), 3u);
}

} // namespace
} // namespace N_Test_Sect_Geom
