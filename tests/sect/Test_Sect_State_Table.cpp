// The section machine's tables: the task states' collection settings, the start and step
// transitions of the task region, and the input region's gestures, each written out as a table
// and driven through posted events and input records.
#include "tests/sect/Test_Sect_Input_Support.h"

#include "common/Common_Exception.h"

#include <functional>
#include <map>

namespace N_Test_Sect_Geom {
namespace {

using namespace N_Biz::N_Sect::N_State;
using N_Common::N_Exception::C_Exception;

// Leads from an idle region straight into state N (for the states that no command enters).
template <std::uint32_t N>
struct C_Event_Probe {};

class C_State_Table : public C_Input_Test {
protected:
    // A point and a line, both selected.
    void M_Fn_Select_Some()
    {
        M_Fn_Run(L"Line", [&](const T_sp_Group& g) { M_Fn_Line_XY(g, -20, -20, 20, -20); });
        points().M_Fn_Sel_P0_Add(C_Handle_D_Geom_P(1, {}));
        points().M_Fn_Sel_P1_Update_Or();
        points().M_Fn_Sel_P0_Clear();
        entities().M_Fn_Sel_P0_Add(entities().M_Fn_Get_At(1).get());
        entities().M_Fn_Sel_P1_Update_Or();
        entities().M_Fn_Sel_P0_Clear();
    }
    // Registers a probe transition from the idle state of region i_Idle's state to state N and
    // posts it.
    template <std::uint32_t N>
    void M_Fn_Enter(std::uint32_t i_From)
    {
        machine()->M_Fn_Init_Register_Transition<C_Event_Probe<N>>(i_From, N, 0, {}, {});
        post<C_Event_Probe<N>>();
    }
    template <std::uint32_t... N>
    void M_Fn_Enter_Task(std::uint32_t i_Id, std::integer_sequence<std::uint32_t, N...>)
    {
        ((N == i_Id ? M_Fn_Enter<N>(C_Machine_Top::E_Id_Task_Idle) : void()), ...);
    }
    // Enters task state i_Id (10 to 31) from the idle task region.
    void M_Fn_Enter_Task(std::uint32_t i_Id)
    {
        M_Fn_Enter_Task(i_Id, std::integer_sequence<std::uint32_t, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,
                                                    24, 25, 26, 27, 28, 29, 30, 31>());
    }
};

// The entry of every task state: pick mode, clearing, rectangles, forced adding, prompt; Shift
// adds and Ctrl toggles are off. Then Apply changes nothing and Cancel returns to idle with the
// default of the task's family.
TEST_F(C_State_Table, TaskEntriesApplyAndCancel)
{
    struct C_Row {
        std::uint32_t m_Id, m_Mode;
        bool m_Clears, m_Rect, m_Forced;
        const wchar_t* m_Prompt;
        std::uint32_t m_Family;
    };
    const std::vector<C_Row> rows = {
        {10, 1, true, false, false, L"Select a material you want to modify.", 1},
        {11, 2, true, false, false, L"Select a property you want to modify.", 2},
        {12, 2, true, true, false, L"Select properties you want to change connected section.", 2},
        {13, 2, true, true, false, L"Select properties you want to change connected material.", 2},
        {14, 2, true, false, false, L"Select a property into the palette.", 2},
        {15, 3, true, false, true, L"Specify points to create.", 7},
        {16, 4, true, false, true, L"Specify points to create line.", 7},
        {17, 4, true, false, true, L"Specify points to create arc.", 7},
        {18, 4, true, false, true, L"Specify points to create conics.", 7},
        {19, 4, true, false, true, L"Specify points to create spline.", 7},
        {20, 3, true, false, true, L"Specify points to create weld.", 7},
        {21, 7, true, true, false, L"Select geometries you want to delete.", 7},
        {22, 7, true, false, false, L"Select the geometry you want to modify.", 7},
        {23, 7, true, true, false, L"Select geometries you want to move.", 7},
        {24, 3, false, false, true, L"Specify position to move.", 7},
        {25, 6, true, false, false, L"Select the entity you want to break.", 7},
        {26, 3, false, false, false, L"Specify position to break.", 7},
        {27, 6, true, true, false, L"Select entities you want to chamfer.", 7},
        {28, 6, true, true, false, L"Select entities you want to corner.", 7},
        {29, 6, true, true, false, L"Select entities you want to change connected property.", 7},
        {30, 6, true, false, false, L"Select an entity to pick its property into the palette.", 7},
        {31, 11, true, false, false, L"Select an element to pick its property into the palette.", 12},
    };
    const std::map<std::uint32_t, const wchar_t*> defaults = {{1, L"Select & edit materials."},
                                                               {2, L"Select & edit properties."},
                                                               {7, L"Select & edit geometry."},
                                                               {12, L"Select & edit elements."}};
    M_Fn_Select_Some();
    for (const C_Row& r : rows) {
        SCOPED_TRACE(r.m_Id);
        if (sel_points().empty()) {
            sect().M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Geometry();
            click(0, -20); // the line, on its own
            click(-20, -20, N_In::E_Flag_Shift); // and its first point
        }
        ASSERT_EQ(sel_entities().size(), 1u);
        m_Codes.clear();
        M_Fn_Enter_Task(r.m_Id);
        EXPECT_EQ(task(), r.m_Id);
        EXPECT_EQ(sel().M_Fn_Mode_Get(), r.m_Mode);
        EXPECT_EQ(sel().M_Fn_Prompt_Get(), r.m_Prompt);
        EXPECT_EQ(sel().M_Fn_Options_Get(), (r.m_Rect ? 1u : 0u) | (r.m_Forced ? 8u : 0u));
        EXPECT_EQ(sel_entities().empty(), r.m_Clears);
        EXPECT_EQ(sel_points().empty(), r.m_Clears);
        EXPECT_EQ(m_Codes.back(), 6);
        EXPECT_EQ(std::count(m_Codes.begin(), m_Codes.end(), 2), 1);

        m_Codes.clear();
        enter();
        EXPECT_EQ(task(), r.m_Id);
        EXPECT_TRUE(m_Codes.empty());
        esc();
        EXPECT_EQ(task(), 9u);
        EXPECT_EQ(sel().M_Fn_Mode_Get(), r.m_Family);
        EXPECT_EQ(sel().M_Fn_Prompt_Get(), defaults.at(r.m_Family));
        EXPECT_EQ(sel().M_Fn_Options_Get(), 7u);
        EXPECT_TRUE(sel_entities().empty());
        EXPECT_TRUE(sel_points().empty());
    }
    // In the idle task region, Apply and Cancel change nothing and fire nothing.
    m_Codes.clear();
    enter();
    esc();
    EXPECT_TRUE(m_Codes.empty());
}

// The start events in the idle task region with nothing selected: the start guards' operations
// find nothing, so their tasks are entered; chamfer and corner are refused; the break goes
// straight to its position phase. (With a selection: the task tests.)
TEST_F(C_State_Table, StartEventsFromTheIdleTaskRegion)
{
    const std::vector<std::pair<std::function<void()>, std::uint32_t>> rows = {
        {[&] { post<C_Event_D_DB_C_M_Modify>(); }, 10},       {[&] { post<C_Event_D_DB_C_P_Modify>(); }, 11},
        {[&] { post<C_Event_D_DB_C_P_Reconnect_C_S>(); }, 12}, {[&] { post<C_Event_D_DB_C_P_Reconnect_C_M>(); }, 13},
        {[&] { post<C_Event_D_DB_C_P_Palette_Sel>(); }, 14},   {[&] { post<C_Event_D_Geom_Create_Point>(); }, 15},
        {[&] { post<C_Event_D_Geom_Create_Line>(); }, 16},     {[&] { post<C_Event_D_Geom_Create_Arc>(); }, 17},
        {[&] { post<C_Event_D_Geom_Create_Conics>(); }, 18},   {[&] { post<C_Event_D_Geom_Create_Spline>(); }, 19},
        {[&] { post<C_Event_D_Geom_Create_Weld>(); }, 20},     {[&] { post<C_Event_D_Geom_Delete>(); }, 21},
        {[&] { post<C_Event_D_Geom_Modify>(); }, 22},          {[&] { post<C_Event_D_Geom_Move>(); }, 23},
        {[&] { post<C_Event_D_Geom_E_Break>(); }, 26},         {[&] { post<C_Event_D_Geom_E_Chamfer>(); }, 9},
        {[&] { post<C_Event_D_Geom_E_Corner>(); }, 9},         {[&] { post<C_Event_D_Geom_E_Reconnect_C_P>(); }, 29},
        {[&] { post<C_Event_D_Geom_E_P_Palette_Sel>(); }, 30}, {[&] { post<C_Event_D_Tess_E_P_Palette_Sel>(); }, 31},
    };
    for (const auto& [fn_post, id] : rows) {
        fn_post();
        EXPECT_EQ(task(), id);
        esc();
    }
}

// The selection step of every task state with an empty selection: the operations find nothing
// and the task waits; the tasks without an operation end (or, in the first phases, go on).
TEST_F(C_State_Table, SelectionStepWithNothingSelected)
{
    const std::vector<std::pair<std::uint32_t, std::uint32_t>> rows = {
        {10, 10}, {11, 11}, {12, 12}, {13, 13}, {14, 14}, {15, 15}, {16, 16}, {17, 17}, {18, 9}, {19, 9}, {20, 20},
        {21, 21}, {22, 22}, {23, 23}, {24, 24}, {25, 26}, {26, 9},  {27, 9},  {28, 9},  {29, 29}, {30, 30}, {31, 31},
    };
    for (const auto& [from, to] : rows) {
        SCOPED_TRACE(from);
        M_Fn_Enter_Task(from);
        post<C_Event_Sel_P1_Update>();
        EXPECT_EQ(task(), to);
        esc();
        EXPECT_EQ(task(), 9u);
    }
    EXPECT_EQ(M_Fn_History_Size(), 0u);
}

// A start event in a running task finds no transition; the task stays and the machine goes on.
TEST_F(C_State_Table, StartEventInARunningTaskIsRefused)
{
    post<C_Event_D_Geom_Create_Arc>();
    EXPECT_THROW(post<C_Event_D_Geom_Create_Line>(), C_Exception);
    EXPECT_EQ(ids(), (std::array<std::uint32_t, 3>{1, 3, 17}));
    EXPECT_EQ(machine()->M_Fn_Get_Busy(), 0);
    post<C_Event_Error_Occurred>();
    EXPECT_EQ(ids(), (std::array<std::uint32_t, 3>{2, 3, 17}));
    // The error state has no way out: its event is unknown there.
    EXPECT_THROW(post<C_Event_Error_Occurred>(), C_Exception);
    // Only regions 0 to 2 exist to announce.
    EXPECT_THROW(machine()->M_Fn_On_Sub_Change(3), C_Exception);
    EXPECT_THROW(machine()->M_Fn_On_Sub_Change(-1), C_Exception);
}

// The input region: one gesture per row, each step an input record and the state (and, when
// given, the navigation mode) after it.
TEST_F(C_State_Table, InputGestures)
{
    using namespace N_In;
    const std::uint32_t L = E_Flag_Left, R = E_Flag_Right, M = E_Flag_Middle, S = E_Flag_Shift, C = E_Flag_Ctrl,
                        A = E_Flag_Alt;
    struct C_Step {
        std::int32_t m_Kind;
        std::uint32_t m_Flags;
        std::uint32_t m_State;
        std::int32_t m_Nav; // -1: not checked
    };
    struct C_Gesture {
        const char* m_Name;
        bool m_Line_Task; // rectangles off
        std::vector<C_Step> m_Steps;
    };
    const std::vector<C_Gesture> gestures = {
        {"Ctrl+Alt+right translates as Ctrl", false,
         {{E_Kind_Right_Down, R | C | A, 6, 1}, {E_Kind_Move, R | C | A, 6, -1}, {E_Kind_Right_Up, C | A, 3, 1}}},
        {"Ctrl+middle scales; left press changes nothing", false,
         {{E_Kind_Middle_Down, M | C, 4, 1}, {E_Kind_Left_Down, M | C | L, 4, -1}, {E_Kind_Left_Up, M | C, 4, -1},
          {E_Kind_Middle_Up, C, 3, -1}}},
        {"Ctrl+left drag rotates, never a rectangle", false,
         {{E_Kind_Left_Down, L | C, 3, -1}, {E_Kind_Move, L | C, 5, 1}, {E_Kind_Move, L | C, 5, -1}, {E_Kind_Left_Up, C, 3, -1}}},
        {"Alt+right: translate, rotate, scale, rotate", false,
         {{E_Kind_Right_Down, R | A, 6, 2},
          {E_Kind_Left_Down, R | L | A, 5, -1},
          {E_Kind_Left_Up, R | A, 4, -1},
          {E_Kind_Left_Down, R | L | A, 5, -1},
          {E_Kind_Right_Up, L | A, 3, 2}}},
        {"middle: translate, rotate while a button is held, then scale", false,
         {{E_Kind_Middle_Down, M, 6, 3},
          {E_Kind_Left_Down, M | L, 5, -1},
          {E_Kind_Right_Down, M | L | R, 5, -1},
          {E_Kind_Left_Up, M | R, 5, -1},
          {E_Kind_Right_Up, M, 4, -1},
          {E_Kind_Right_Down, M | R, 5, -1},
          {E_Kind_Middle_Up, R, 3, 3}}},
        {"leaving the view ends a navigation", false, {{E_Kind_Middle_Down, M, 6, 3}, {E_Kind_Leave, M, 3, -1}}},
        {"leaving ends a scale", false, {{E_Kind_Middle_Down, M | C, 4, 1}, {E_Kind_Leave, M | C, 3, -1}}},
        {"leaving ends a rotation", false, {{E_Kind_Move, L | C, 5, 1}, {E_Kind_Leave, L | C, 3, -1}}},
        {"left drag: a rectangle", false,
         {{E_Kind_Left_Down, L, 3, -1}, {E_Kind_Move, L, 7, -1}, {E_Kind_Move, L | S, 7, -1}, {E_Kind_Left_Up, 0, 3, -1}}},
        {"leaving abandons a rectangle", false, {{E_Kind_Move, L, 7, -1}, {E_Kind_Leave, L, 3, -1}}},
        {"keys and entering pass", false,
         {{E_Kind_Key_Down, 0, 3, -1}, {E_Kind_Key_Up, 0, 3, -1}, {E_Kind_Enter, 0, 3, -1}, {E_Kind_Wheel, 0, 3, -1}}},
        {"no rectangle where rectangles are off", true, {{E_Kind_Left_Down, L, 3, -1}, {E_Kind_Move, L, 3, -1}, {E_Kind_Left_Up, 0, 3, -1}}},
    };
    for (const C_Gesture& g : gestures) {
        SCOPED_TRACE(g.m_Name);
        if (g.m_Line_Task)
            post<C_Event_D_Geom_Create_Line>();
        ASSERT_EQ(input_state(), 3u);
        int x = 10;
        for (std::size_t i = 0; i < g.m_Steps.size(); ++i) {
            const C_Step& s = g.m_Steps[i];
            m_Codes.clear();
            const std::uint32_t before = input_state();
            in(s.m_Kind, x, 20, s.m_Flags);
            x += 3;
            EXPECT_EQ(input_state(), s.m_State) << "step " << i;
            if (s.m_Nav >= 0) {
                EXPECT_EQ(frame().m_Nav_Mode, s.m_Nav) << "step " << i;
            }
            // Every change of the input region's state fires 5 once; staying fires none.
            EXPECT_EQ(std::count(m_Codes.begin(), m_Codes.end(), 5), before == s.m_State ? 0 : 1) << "step " << i;
        }
        esc();
    }
}

// A task starting during a rectangle drag abandons the rectangle without selecting; the unused
// drag-move state consumes every input and the mode update.
TEST_F(C_State_Table, ModeUpdateEndsARectangleAndDragMoveHoldsEverything)
{
    M_Fn_Run(L"Line", [&](const T_sp_Group& g) { M_Fn_Line_XY(g, -20, -20, 20, -20); });
    move(-30, -30);
    in(N_In::E_Kind_Left_Down, px(-30), px(-30), N_In::E_Flag_Left);
    move(30, -10, N_In::E_Flag_Left);
    EXPECT_EQ(input_state(), 7u);
    entities().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete();
    EXPECT_EQ(input_state(), 3u);
    in(N_In::E_Kind_Left_Up, px(30), px(-10));
    EXPECT_EQ(task(), 21u); // the release picked under the cursor: nothing there
    EXPECT_EQ(entities().M_Fn_Count(), 1u);
    esc();

    M_Fn_Enter<8>(C_Machine_Top::E_Id_Input_Idle);
    EXPECT_EQ(input_state(), 8u);
    for (std::int32_t kind : {N_In::E_Kind_Left_Down, N_In::E_Kind_Move, N_In::E_Kind_Left_Up, N_In::E_Kind_Leave})
        in(kind, 10, 10, N_In::E_Flag_Left);
    sect().M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Geometry();
    EXPECT_EQ(input_state(), 8u);
}

} // namespace
} // namespace N_Test_Sect_Geom
