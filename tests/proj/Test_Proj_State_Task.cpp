// The project's editing tasks run through the machine: a task done at its start, a task that
// collects picks until its operation completes, Esc and Enter, the phases of redirect, insert and
// move, the palette pick, the re-prompt of "Point Select Mode", and a project that stays editable
// after a guard, an action or an entry threw, or while a dialog runs inside a guard.
#include "tests/proj/Test_Proj_Support_State.h"

#include "biz/proj/Biz_Proj_Dlg.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "common/Common_Exception.h"

#include <functional>
#include <string>
#include <vector>

namespace N_Test_Proj {
namespace {

using namespace N_Biz::N_Proj::N_State;
using N_Biz::N_Proj::C_Dlg;
using N_Common::N_Exception::C_Exception;

class C_State_Task_Test : public C_Proj_State_Test {
protected:
    C_State_Task_Test()
    {
        C_Dlg::S_Fn_Property = [this](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Mode, std::uint32_t i_Kind,
                                      N_Biz::N_DB::C_Row_Relation* i_p_Row) {
            m_Dialogs.push_back({i_Mode, i_Kind, i_p_Row});
            if (m_Fn_In_Dialog)
                m_Fn_In_Dialog();
        };
    }
    struct C_Dialog {
        std::uint32_t m_Mode, m_Kind;
        const void* m_p_Row;
    };
    std::vector<C_Dialog> m_Dialogs;
    // Runs inside the property dialog, as its message loop would.
    std::function<void()> m_Fn_In_Dialog;
};

// Material Modify whose start finds one selected material does the work at once: the property
// dialog edits it, the selection set is cleared and no task is entered.
TEST_F(C_State_Task_Test, MaterialModifyDoneAtItsStartEntersNoTask)
{
    const T_sp_Material sp = M_Fn_Material_Add(L"Steel");
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M();
    S_Fn_Select_Card(materials(), sp);
    m_Codes.clear();
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Modify();
    ASSERT_EQ(m_Dialogs.size(), 1u);
    EXPECT_EQ(m_Dialogs[0].m_Mode, 2u);
    EXPECT_EQ(m_Dialogs[0].m_Kind, 2u);
    EXPECT_EQ(m_Dialogs[0].m_p_Row, sp.get());
    EXPECT_TRUE(materials().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(count(9), 0);
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), L"Select & edit materials.");
}

// Otherwise the task collects picks: two materials make the operation clear them and wait; one
// material is edited and the materials mode comes back.
TEST_F(C_State_Task_Test, MaterialModifyCollectsUntilOneMaterialIsPicked)
{
    const T_sp_Material a = M_Fn_Material_Add(L"A");
    const T_sp_Material b = M_Fn_Material_Add(L"B");
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M();
    m_Codes.clear();
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Modify();
    EXPECT_EQ(task(), 10u);
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), L"Select a material you want to modify.");
    EXPECT_EQ(sel().M_Fn_Get_Mode(), 1u);
    EXPECT_EQ(count(9), 1);
    EXPECT_TRUE(m_Dialogs.empty());

    // Two picked at once (the mode takes single picks; the set is filled directly).
    materials().M_Fn_Sel().M_Fn_Sel_P0_Add(a);
    materials().M_Fn_Sel().M_Fn_Sel_P0_Add(b);
    sel().M_Fn_Sel_P1_Update(false, false);
    EXPECT_EQ(task(), 10u);
    EXPECT_TRUE(materials().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
    EXPECT_EQ(count(9), 1);
    EXPECT_TRUE(m_Dialogs.empty());

    materials().M_Fn_Sel().M_Fn_Sel_P0_Clear();
    materials().M_Fn_Sel().M_Fn_Sel_P0_Add(b);
    sel().M_Fn_Sel_P1_Update(false, false);
    ASSERT_EQ(m_Dialogs.size(), 1u);
    EXPECT_EQ(m_Dialogs[0].m_p_Row, b.get());
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(count(9), 2);
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), L"Select & edit materials.");
    EXPECT_EQ(sel().M_Fn_Get_Flags(), 7u);
}

// Esc in every task that a command can start returns to idle with that task's select & edit mode;
// Esc in idle changes nothing.
TEST_F(C_State_Task_Test, EscEndsEveryTaskWithItsOwnMode)
{
    struct C_Case {
        std::function<void()> m_Fn_Start;
        bool m_One_Section;
        std::uint32_t m_Task, m_Mode, m_Flags;
        const wchar_t* m_Prompt;
    };
    const wchar_t* const materials_prompt = L"Select & edit materials.";
    const wchar_t* const properties_prompt = L"Select & edit properties.";
    const wchar_t* const nodes_prompt = L"Select & edit nodes.";
    const wchar_t* const elements_prompt = L"Select & edit elements.";
    const wchar_t* const sections_prompt = L"Select & edit sections.";
    const std::vector<C_Case> cases = {
        {[&] { start<C_Event_D_DB_C_M_Modify>(); }, false, 10, 1, 7, materials_prompt},
        {[&] { start<C_Event_D_DB_C_P_Modify>(); }, false, 11, 2, 7, properties_prompt},
        {[&] { start<C_Event_D_DB_C_P_Reconnect_C_S>(); }, false, 12, 2, 7, properties_prompt},
        {[&] { start<C_Event_D_DB_C_P_Reconnect_C_M>(); }, false, 13, 2, 7, properties_prompt},
        {[&] { start<C_Event_D_DB_C_P_Palette_Sel>(); }, false, 14, 2, 7, properties_prompt},
        {[&] { start<C_Event_D_DB_N_Set_Center>(); }, false, 15, 5, 0, nodes_prompt},
        {[&] { start<C_Event_D_DB_N_Modify>(); }, false, 16, 5, 0, nodes_prompt},
        {[&] { start<C_Event_D_DB_E_Modify>(); }, false, 17, 6, 7, elements_prompt},
        {[&] { start<C_Event_D_DB_E_Reconnect_C_P>(); }, false, 18, 6, 7, elements_prompt},
        {[&] { start<C_Event_D_DB_E_P_Palette_Sel>(); }, false, 19, 6, 7, elements_prompt},
        {[&] { start<C_Event_D_Sect_Group_Create>(); }, false, 20, 8, 7, sections_prompt},
        {[&] { start<C_Event_D_Sect_Group_Redirect>(); }, false, 21, 8, 7, sections_prompt},
        {[&] { start<C_Event_D_Sect_Group_Redirect>(); }, true, 22, 8, 7, sections_prompt},
        {[&] { start<C_Event_D_Sect_Individual_Insert>(); }, false, 23, 8, 7, sections_prompt},
        {[&] { start<C_Event_D_Sect_Individual_Insert>(); }, true, 24, 8, 7, sections_prompt},
        {[&] { start<C_Event_D_Sect_Individual_Move>(); }, false, 25, 8, 7, sections_prompt},
        {[&] { start<C_Event_D_Sect_Individual_Move>(); }, true, 26, 8, 7, sections_prompt},
        {[&] { start<C_Event_D_Sect_Individual_Delete>(); }, false, 27, 8, 7, sections_prompt},
    };
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Task);
        m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_M();
        if (c.m_One_Section)
            M_Fn_Select({M_Fn_Sect_Any()});
        c.m_Fn_Start();
        ASSERT_EQ(task(), c.m_Task);
        m_Codes.clear();
        esc();
        EXPECT_EQ(task(), 9u);
        EXPECT_EQ(count(9), 1);
        EXPECT_EQ(sel().M_Fn_Get_Mode(), c.m_Mode);
        EXPECT_EQ(sel().M_Fn_Get_Flags(), c.m_Flags);
        EXPECT_EQ(sel().M_Fn_Get_Prompt(), c.m_Prompt);
    }
    // In idle: nothing at all.
    m_Codes.clear();
    EXPECT_NO_THROW(esc());
    EXPECT_TRUE(m_Codes.empty());
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), sections_prompt);
}

// Enter in group creation creates the group from the positions picked so far and returns to idle,
// also when the creation refuses for want of positions.
TEST_F(C_State_Task_Test, EnterInGroupCreationCreatesAndAlwaysEndsTheTask)
{
    config().m_Cut_Models = 0;
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S();
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Create();
    ASSERT_EQ(task(), 20u);
    EXPECT_EQ(sel().M_Fn_Get_Mode(), 3u);
    EXPECT_EQ(sel().M_Fn_Get_Flags(), 8u);
    EXPECT_EQ(sel().M_Fn_Get_Prompt(),
              L"Specify the position to define section axis, rotate view to adjust the section direction.");
    // Typed positions: each adds; the selection updates change no state and fire no code 9.
    m_Codes.clear();
    sel().M_Fn_Sel_P1_Set_Scrn({0, 0, 0});
    sel().M_Fn_Sel_P1_Set_Scrn({0, 0, 30});
    EXPECT_EQ(task(), 20u);
    EXPECT_EQ(count(9), 0);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Get().size(), 2u);
    enter();
    EXPECT_EQ(task(), 9u);
    ASSERT_EQ(M_Fn_Group_Slots(), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(M_Fn_Slots(1).size(), 2u);
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), L"Select & edit sections.");

    // One position only: nothing is created, the task ends all the same.
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Create();
    sel().M_Fn_Sel_P1_Set_Scrn({5, 0, 0});
    const std::size_t entries = M_Fn_History_Size();
    enter();
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(M_Fn_Group_Slots().size(), 1u);
    EXPECT_EQ(M_Fn_History_Size(), entries);
}

// Redirect with exactly one section selected goes straight to its second phase and keeps the
// selection; otherwise it asks for a section first. Every selection update in the second phase
// enters it again.
TEST_F(C_State_Task_Test, RedirectPhases)
{
    C_Sect* p = M_Fn_Sect_Any();
    M_Fn_Select({p});
    start<C_Event_D_Sect_Group_Redirect>();
    EXPECT_EQ(task(), 22u);
    EXPECT_EQ(mgr().M_Fn_Sel_P1_Get(), (std::list<C_Sect*>{p}));
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), L"Rotate view to adjust the section direction.");
    m_Codes.clear();
    post<C_Event_Sel_P1_Update>();
    EXPECT_EQ(task(), 22u);
    EXPECT_EQ(count(5), 1);
    EXPECT_EQ(count(9), 1);

    // Two sections selected: the first phase, which moves on once one section is selected.
    M_Fn_Select({p, M_Fn_Sect(1, 2)});
    start<C_Event_D_Sect_Group_Redirect>();
    EXPECT_EQ(task(), 21u);
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), L"Select a section to adjust its group.");
    M_Fn_Select({p, M_Fn_Sect(1, 2)});
    post<C_Event_Sel_P1_Update>();
    EXPECT_EQ(task(), 21u);
    M_Fn_Select({M_Fn_Sect(1, 2)});
    post<C_Event_Sel_P1_Update>();
    EXPECT_EQ(task(), 22u);
    enter();
    EXPECT_EQ(task(), 9u);
}

// A group creation, insert or move asks for model nodes or screen positions by "Point Select
// Mode"; switching the option re-prompts the running task and keeps what was picked.
TEST_F(C_State_Task_Test, PointSelectModeRepromptsTheRunningPositionTask)
{
    struct C_Case {
        std::function<void()> m_Fn_Start;
        std::uint32_t m_Task;
        std::uint32_t m_Flags_Screen, m_Flags_Nodes;
        const wchar_t* m_Screen;
        const wchar_t* m_Nodes;
    };
    const std::vector<C_Case> cases = {
        {[&] { m_Proj.M_Fn_Event_Post_D_Sect_Group_Create(); }, 20, 8, 16,
         L"Specify the position to define section axis, rotate view to adjust the section direction.",
         L"Select nodes to define section axis, rotate view to adjust the section direction."},
        {[&] { start<C_Event_D_Sect_Individual_Insert>(); }, 24, 0, 0, L"Specify the position to insert the section.",
         L"Select node to insert the section."},
        {[&] { start<C_Event_D_Sect_Individual_Move>(); }, 26, 0, 0, L"Specify the position to move the section.",
         L"Select node to move the section."},
    };
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Task);
        // The task's entry follows the option: model nodes.
        config().m_Pos_By_Nodes = 1;
        M_Fn_Select({M_Fn_Sect_Any()});
        c.m_Fn_Start();
        ASSERT_EQ(task(), c.m_Task);
        EXPECT_EQ(sel().M_Fn_Get_Mode(), 5u);
        EXPECT_EQ(sel().M_Fn_Get_Flags(), c.m_Flags_Nodes);
        EXPECT_EQ(sel().M_Fn_Get_Prompt(), c.m_Nodes);
        mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Scrn();
        EXPECT_EQ(config().m_Pos_By_Nodes, 0);
        EXPECT_EQ(task(), c.m_Task);
        EXPECT_EQ(sel().M_Fn_Get_Mode(), 3u);
        EXPECT_EQ(sel().M_Fn_Get_Flags(), c.m_Flags_Screen);
        EXPECT_EQ(sel().M_Fn_Get_Prompt(), c.m_Screen);
        // Group creation picks two positions; insert and move have one under the cursor (a typed
        // one would end them). Switching back keeps them.
        auto& nodes = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
        if (c.m_Task == 20) {
            sel().M_Fn_Sel_P1_Set_Scrn({1, 2, 3});
            sel().M_Fn_Sel_P1_Set_Scrn({4, 5, 6});
        } else {
            nodes.M_Fn_Sel_P0_Add({0, 0, {1, 2, 3}});
        }
        ASSERT_EQ(task(), c.m_Task);
        const std::size_t picked = nodes.M_Fn_Sel_P0_Get().size(), selected = nodes.M_Fn_Sel_P1_Get().size();
        mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Data();
        EXPECT_EQ(config().m_Pos_By_Nodes, 1);
        EXPECT_EQ(sel().M_Fn_Get_Mode(), 5u);
        EXPECT_EQ(sel().M_Fn_Get_Flags(), c.m_Flags_Nodes);
        EXPECT_EQ(sel().M_Fn_Get_Prompt(), c.m_Nodes);
        EXPECT_EQ(nodes.M_Fn_Sel_P0_Get().size(), picked);
        EXPECT_EQ(nodes.M_Fn_Sel_P1_Get().size(), selected);
        esc();
        nodes.M_Fn_Sel_P0_Clear();
    }
}

// The property palette pick: started with one property selected it is done at once; otherwise the
// picked property becomes the current palette property and the properties mode comes back.
TEST_F(C_State_Task_Test, PropertyPaletteSelect)
{
    const T_sp_Property a = M_Fn_Property_Add(L"A");
    const T_sp_Property b = M_Fn_Property_Add(L"B");
    ASSERT_EQ(properties().M_Fn_Palette_Get(), a->M_Fn_Pos_Get());
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_P();
    S_Fn_Select_Card(properties(), b);
    m_Codes.clear();
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_Sel();
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(properties().M_Fn_Palette_Get(), b->M_Fn_Pos_Get());
    EXPECT_EQ(count(3), 1);
    EXPECT_TRUE(properties().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());

    // From a running task: that task ends first.
    start<C_Event_D_Sect_Group_Create>();
    properties().M_Fn_Proc_Cmd_Palette_Sel_Start();
    EXPECT_EQ(task(), 14u);
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), L"Select a property into the palette.");
    properties().M_Fn_Sel().M_Fn_Sel_P0_Add(a);
    sel().M_Fn_Sel_P1_Update(false, false);
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(properties().M_Fn_Palette_Get(), a->M_Fn_Pos_Get());
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), L"Select & edit properties.");
}

// A guard, an action or an entry that throws: the exception reaches the poster, the state reached
// so far stays, and the next event is processed.
TEST_F(C_State_Task_Test, AThrowingGuardActionOrEntryLeavesTheProjectEditable)
{
    // A guard: the dialog of the modify task fails.
    const T_sp_Material sp = M_Fn_Material_Add(L"M");
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M();
    start<C_Event_D_DB_C_M_Modify>();
    ASSERT_EQ(task(), 10u);
    m_Fn_In_Dialog = [] { VT_THROW("N_Test_Proj::dialog"); };
    materials().M_Fn_Sel().M_Fn_Sel_P0_Add(sp);
    EXPECT_THROW(sel().M_Fn_Sel_P1_Update(false, false), C_Exception);
    EXPECT_EQ(task(), 10u);
    EXPECT_EQ(machine()->M_Fn_Get_Busy(), 0);
    m_Fn_In_Dialog = nullptr;
    esc();
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(sel().M_Fn_Get_Prompt(), L"Select & edit materials.");

    // An action: group creation without a configuration to read its options from. The task stays.
    config().m_Cut_Models = 0;
    start<C_Event_D_Sect_Group_Create>();
    sel().M_Fn_Sel_P1_Set_Scrn({0, 0, 0});
    sel().M_Fn_Sel_P1_Set_Scrn({0, 0, 30});
    auto sp_config = m_App.app().m_sp_Config;
    m_App.app().m_sp_Config.reset();
    EXPECT_THROW(enter(), C_Exception);
    m_App.app().m_sp_Config = sp_config;
    EXPECT_EQ(task(), 20u);
    EXPECT_EQ(machine()->M_Fn_Get_Busy(), 0);
    EXPECT_TRUE(M_Fn_Group_Slots().empty());
    enter();
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(M_Fn_Group_Slots().size(), 1u);

    // An entry: a "Point Select Mode" outside 0 and 1. The state is entered all the same.
    config().m_Pos_By_Nodes = 2;
    try {
        start<C_Event_D_Sect_Group_Create>();
        ADD_FAILURE() << "no exception";
    } catch (const C_Exception& e) {
        EXPECT_STREQ(e.M_Fn_Function(), "N_Biz::N_Proj::N_State::C_Machine_Task_D_Sect_Group_Create::M_Fn_On_Entry");
    }
    EXPECT_EQ(task(), 20u);
    esc();
    EXPECT_EQ(task(), 9u);
}

// While a dialog that a guard opened runs its own message loop, input on the project view changes
// nothing: no position, no queued event, no pick; afterwards the view behaves as before.
TEST_F(C_State_Task_Test, ViewInputDuringADialogOfAGuardIsDropped)
{
    const T_sp_Material sp = M_Fn_Material_Add(L"M");
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M();
    start<C_Event_D_DB_C_M_Modify>();
    in(N_In::E_Kind_Move, 30, 40); // a hover pick pending at (30, 40)
    ASSERT_TRUE(frame().m_Flags & N_Biz::N_Proj::C_Mgr_Frame::E_Flag_Pick_Cover);
    std::vector<std::size_t> queued;
    m_Fn_In_Dialog = [&] {
        EXPECT_EQ(machine()->M_Fn_Get_Busy(), 1);
        const std::size_t before = machine()->M_Fn_Get_Count_Queue();
        in(N_In::E_Kind_Move, 90, 90);
        in(N_In::E_Kind_Left_Down, 90, 90, N_In::E_Flag_Left);
        in(N_In::E_Kind_Left_Up, 90, 90);
        in(N_In::E_Kind_Wheel, 90, 90, N_In::E_Flag_Ctrl);
        queued.push_back(machine()->M_Fn_Get_Count_Queue() - before);
    };
    const float zoom = frame().M_Fn_Get_Zoom();
    materials().M_Fn_Sel().M_Fn_Sel_P0_Add(sp);
    sel().M_Fn_Sel_P1_Update(false, false);
    ASSERT_EQ(m_Dialogs.size(), 1u);
    EXPECT_EQ(queued, (std::vector<std::size_t>{0}));
    EXPECT_EQ(task(), 9u);
    EXPECT_EQ(input_state(), 3u);
    EXPECT_EQ(frame().m_Pos_Cur.x, 30);
    EXPECT_EQ(frame().m_Pos_Cur.y, 40);
    EXPECT_EQ(frame().m_Pos_Left_Down.x, 0);
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), zoom);
    // The hover pick is still pending: nothing picked it.
    EXPECT_TRUE(frame().m_Flags & N_Biz::N_Proj::C_Mgr_Frame::E_Flag_Pick_Cover);
    // Once the machine is idle the view's input is taken again.
    in(N_In::E_Kind_Move, 50, 60);
    EXPECT_EQ(frame().m_Pos_Cur.x, 50);
}

} // namespace
} // namespace N_Test_Proj
