#include "app/App.h"
#include "biz/cmd/Biz_Cmd_Elem.h"
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/cmd/Biz_Cmd_Entry.h"
#include "biz/cmd/Biz_Cmd_Mgr.h"
#include "common/Common_Exception.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

using N_Biz::N_Cmd::C_Elem;
using N_Biz::N_Cmd::C_Elem_Group;
using N_Biz::N_Cmd::C_Entry;
using N_Biz::N_Cmd::C_Mgr;
using N_Common::N_Exception::C_Exception;

namespace {

using C_Log = std::vector<std::string>;

// Sets one integer of the test's data: execute and redo write the new value, undo the old one.
class C_Elem_Set : public C_Elem {
public:
    C_Elem_Set(C_Log& ro_Log, int& ro_Target, int i_New, std::string i_Name = "set")
        : m_Log(ro_Log), m_Target(ro_Target), m_Old(ro_Target), m_New(i_New), m_Name(std::move(i_Name))
    {
    }
    ~C_Elem_Set() override
    {
        if (m_p_Destroyed)
            *m_p_Destroyed = true;
    }
    void MV_Fn_Execute() override { M_Fn_Step("execute", m_Throw_Execute, m_New); }
    void MV_Fn_Undo() override { M_Fn_Step("undo", m_Throw_Undo, m_Old); }
    void MV_Fn_Redo() override { M_Fn_Step("redo", false, m_New); }
    void MV_Fn_Child_add_finished() override { m_Log.push_back("finished " + m_Name); }
    // A change to the value that was there already changes nothing.
    bool MV_Fn_Is_empty() const override { return m_Old == m_New; }

    void M_Fn_Step(const std::string& i_What, bool i_Throw, int i_Value)
    {
        m_Log.push_back(i_What + " " + m_Name);
        if (i_Throw)
            throw std::runtime_error(i_What);
        m_Target = i_Value;
    }
    C_Log& m_Log;
    int& m_Target;
    int m_Old;
    int m_New;
    std::string m_Name;
    bool m_Throw_Execute = false;
    bool m_Throw_Undo = false;
    bool* m_p_Destroyed = nullptr;
};

// An entry whose hooks write into the log.
class C_Entry_Test : public C_Entry {
public:
    C_Entry_Test(C_Log& ro_Log, std::wstring i_Name) : C_Entry(std::move(i_Name)), m_Log(ro_Log) {}
    void MV_Fn_On_Undo_Pre() override { m_Log.push_back("undo pre"); }
    void MV_Fn_On_Redo_Pre() override { m_Log.push_back("redo pre"); }
    int MV_Fn_On_Undo_Post() override { return m_Log.push_back("undo post"), 7; }
    int MV_Fn_On_Redo_Post() override { return m_Log.push_back("redo post"), 8; }
    C_Log& m_Log;
};

// A history that counts its change notices.
class C_Mgr_Test : public C_Mgr {
public:
    void MV_Fn_On_Change() override { ++m_Changes; }
    int m_Changes = 0;
};

struct C_Info {
    std::int32_t m_Can_Undo = -1;
    std::int32_t m_Can_Redo = -1;
    std::wstring m_Undo_Text;
    std::wstring m_Redo_Text;
    bool operator==(const C_Info&) const = default;
};

C_Info info(const C_Mgr& ro_Mgr)
{
    C_Info i;
    ro_Mgr.M_Fn_Get_Info(i.m_Can_Undo, i.m_Can_Redo, i.m_Undo_Text, i.m_Redo_Text);
    return i;
}

// One command as every top-level operation runs it: begin, group, the changes, end.
struct C_Command {
    C_Log& m_Log;
    C_Mgr& m_Mgr;
    std::shared_ptr<C_Entry_Test> m_sp_Entry;
    std::shared_ptr<C_Elem_Group> m_sp_Group = std::make_shared<C_Elem_Group>();

    C_Command(C_Log& ro_Log, C_Mgr& ro_Mgr, const std::wstring& i_Name)
        : m_Log(ro_Log), m_Mgr(ro_Mgr), m_sp_Entry(std::make_shared<C_Entry_Test>(ro_Log, i_Name))
    {
        m_Mgr.M_Fn_Entry_Begin(m_sp_Entry);
        m_sp_Entry->M_Fn_Child_Add_and_Execute(m_sp_Group);
    }
    std::shared_ptr<C_Elem_Set> M_Fn_Set(int& ro_Target, int i_New, std::string i_Name = "set")
    {
        auto sp = std::make_shared<C_Elem_Set>(m_Log, ro_Target, i_New, std::move(i_Name));
        m_sp_Group->M_Fn_Child_Add_and_Execute(sp);
        return sp;
    }
};

// Runs one complete command that sets ro_Target to i_New.
void run(C_Log& ro_Log, C_Mgr& ro_Mgr, const std::wstring& i_Name, int& ro_Target, int i_New)
{
    C_Command(ro_Log, ro_Mgr, i_Name).M_Fn_Set(ro_Target, i_New);
    ro_Mgr.M_Fn_Entry_End();
}

// The user-message lines of the log ("Msg: ..."), in order.
std::vector<std::string> msg_lines(const C_Test_App& ro_App)
{
    std::vector<std::string> lines;
    for (const std::string& line : ro_App.log_lines())
        if (line.rfind("Msg: ", 0) == 0)
            lines.push_back(line);
    return lines;
}

} // namespace

// --- Group and entry ------------------------------------------------------------------------------

TEST(C_Elem_Group, ChildrenAreUndoneLastToFirstAndEmptyOnesAreDropped)
{
    C_Log log;
    int a = 0, b = 0, same = 5;
    C_Elem_Group group;
    group.m_State = C_Elem::E_State_Open; // as an entry leaves it
    auto sp_a = std::make_shared<C_Elem_Set>(log, a, 1, "a");
    group.M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_Set>(log, same, 5, "same")); // changes nothing
    group.M_Fn_Child_Add_and_Execute(sp_a);
    EXPECT_EQ(sp_a->m_State, C_Elem::E_State_Done);
    ASSERT_EQ(group.M_Fn_Get_Children().size(), 1u); // the empty one is gone once the next came
    group.M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_Set>(log, b, 2, "b"));
    group.M_Fn_Child_Add_and_Execute(std::make_shared<C_Elem_Set>(log, same, 5, "last"));
    group.MV_Fn_Child_add_finished();
    ASSERT_EQ(group.M_Fn_Get_Children().size(), 2u); // the last empty one is gone once finished
    EXPECT_EQ(group.m_State, C_Elem::E_State_Done);
    EXPECT_EQ(log, (C_Log{"execute same", "finished same", "execute a", "finished a", "execute b", "finished b",
                          "execute last", "finished last"}));
    EXPECT_TRUE(group.MV_Fn_Is_group());
    EXPECT_FALSE(group.MV_Fn_Is_empty());
    log.clear();
    group.MV_Fn_Undo();
    EXPECT_EQ(log, (C_Log{"undo b", "undo a"}));
    EXPECT_EQ(sp_a->m_State, C_Elem::E_State_Undone);
    EXPECT_EQ(a + b, 0);
    log.clear();
    group.MV_Fn_Redo();
    EXPECT_EQ(log, (C_Log{"redo a", "redo b"}));
    EXPECT_EQ(a * 10 + b, 12);
}

TEST(C_Elem_Group, AFailedChildIsNotAdded)
{
    C_Log log;
    int a = 0;
    C_Elem_Group group;
    group.m_State = C_Elem::E_State_Open;
    auto sp_bad = std::make_shared<C_Elem_Set>(log, a, 1);
    sp_bad->m_Throw_Execute = true;
    EXPECT_THROW(group.M_Fn_Child_Add_and_Execute(sp_bad), std::runtime_error);
    EXPECT_EQ(sp_bad->m_State, C_Elem::E_State_New);
    EXPECT_TRUE(group.M_Fn_Get_Children().empty());
}

TEST(C_Entry, UndoAndRedoRunTheHooksAroundTheElementAndAnEmptyGroupIsReleased)
{
    C_Log log;
    int a = 0;
    C_Entry_Test entry(log, L"Set a");
    entry.M_Fn_On_Parent_Entry_Begin();
    auto sp = std::make_shared<C_Elem_Set>(log, a, 4);
    entry.M_Fn_Child_Add_and_Execute(sp);
    EXPECT_EQ(sp->m_State, C_Elem::E_State_Done); // a plain element is done at once
    entry.M_Fn_On_Parent_Entry_End();
    EXPECT_EQ(entry.M_Fn_Get_State(), C_Entry::E_State_Done);
    log.clear();
    EXPECT_EQ(entry.M_Fn_Undo(), 7); // the post hook's result
    EXPECT_EQ(entry.M_Fn_Get_State(), C_Entry::E_State_Undone);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(entry.M_Fn_Redo(), 8);
    EXPECT_EQ(a, 4);
    EXPECT_EQ(log, (C_Log{"undo pre", "undo set", "undo post", "redo pre", "redo set", "redo post"}));

    // A group stays open until the entry ends, and is released when it stayed empty.
    C_Entry_Test empty(log, L"Nothing");
    empty.M_Fn_On_Parent_Entry_Begin();
    auto sp_group = std::make_shared<C_Elem_Group>();
    empty.M_Fn_Child_Add_and_Execute(sp_group);
    EXPECT_EQ(sp_group->m_State, C_Elem::E_State_Open);
    empty.M_Fn_On_Parent_Entry_End();
    EXPECT_EQ(sp_group->m_State, C_Elem::E_State_Done);
    EXPECT_EQ(empty.M_Fn_Get_Child(), nullptr);
    EXPECT_THROW(empty.M_Fn_Undo(), C_Exception); // no element to undo
}

// --- History ----------------------------------------------------------------------------------

TEST(C_Mgr, InfoAndTheDoneUndoAndRedoLinesAreWordedExactly)
{
    C_Test_App t;
    t.port().m_Frame = t.port().m_Output = true;
    C_Log log;
    int a = 0;
    C_Mgr_Test mgr;
    EXPECT_EQ(info(mgr), (C_Info{0, 0, L"(Ctrl+Z)", L"(Ctrl+Y)"}));
    EXPECT_EQ(mgr.M_Fn_Get_State(), C_Mgr::E_State_Idle);
    mgr.M_Fn_Undo(); // at the ends undo and redo do nothing
    mgr.M_Fn_Redo();
    run(log, mgr, L"Create section point", a, 1);
    EXPECT_EQ(info(mgr), (C_Info{1, 0, L"Create section point", L"(Ctrl+Y)"}));
    mgr.M_Fn_Redo();
    mgr.M_Fn_Undo();
    EXPECT_EQ(a, 0);
    EXPECT_EQ(info(mgr), (C_Info{0, 1, L"(Ctrl+Z)", L"Create section point"}));
    mgr.M_Fn_Undo();
    mgr.M_Fn_Redo();
    EXPECT_EQ(a, 1);
    EXPECT_EQ(mgr.m_Changes, 3);
    EXPECT_EQ(msg_lines(t), (std::vector<std::string>{"Msg: Done: Create section point",
                                                      "Msg: Undo: Create section point",
                                                      "Msg: Redo: Create section point"}));
    EXPECT_EQ(t.port().M_Fn_Texts(L"line"), (std::vector<std::wstring>{L"Done: Create section point",
                                                                       L"Undo: Create section point",
                                                                       L"Redo: Create section point"}));
}

TEST(C_Mgr, EntryWhoseGroupStaysEmptyDisappearsWithoutDone)
{
    C_Test_App t;
    C_Log log;
    int a = 0;
    C_Mgr_Test mgr;
    run(log, mgr, L"First", a, 1);
    const int changes = mgr.m_Changes;
    C_Command(log, mgr, L"Nothing to do");
    mgr.M_Fn_Entry_End();
    run(log, mgr, L"Same value", a, 1); // reports itself empty once finished
    mgr.M_Fn_Entry_Begin(std::make_shared<C_Entry_Test>(log, L"No group")); // never receives its group
    mgr.M_Fn_Entry_End();
    EXPECT_EQ(mgr.M_Fn_Get_History().size(), 1u);
    EXPECT_EQ(mgr.m_Changes, changes);
    EXPECT_EQ(info(mgr), (C_Info{1, 0, L"First", L"(Ctrl+Y)"}));
    EXPECT_EQ(msg_lines(t), (std::vector<std::string>{"Msg: Done: First"}));
}

TEST(C_Mgr, The201stEntryDropsTheOldest)
{
    C_Test_App t;
    C_Log log;
    std::vector<int> data(201, 0);
    C_Mgr mgr;
    for (int i = 0; i < 201; ++i)
        run(log, mgr, L"Step " + std::to_wstring(i + 1), data[i], i + 1);
    ASSERT_EQ(mgr.M_Fn_Get_History().size(), 200u);
    EXPECT_EQ(mgr.M_Fn_Get_History().front()->M_Fn_Get_Name(), L"Step 2");
    for (int i = 0; i < 201; ++i)
        mgr.M_Fn_Undo();
    EXPECT_EQ(data[0], 1); // the oldest change can no longer be undone
    for (int i = 1; i < 201; ++i)
        ASSERT_EQ(data[i], 0) << i;
    const auto lines = msg_lines(t);
    ASSERT_EQ(lines.size(), 401u); // 201 "Done: ", 200 "Undo: ", nothing for the last undo
    EXPECT_EQ(lines[201], "Msg: Undo: Step 201");
    EXPECT_EQ(lines[400], "Msg: Undo: Step 2");
    EXPECT_EQ(info(mgr), (C_Info{0, 1, L"(Ctrl+Z)", L"Step 2"}));
}

TEST(C_Mgr, OpenEntryIsCancelledByUndoAndByTheNextBegin)
{
    C_Test_App t;
    C_Log log;
    int a = 0, b = 0, c = 0;
    C_Mgr_Test mgr;
    run(log, mgr, L"Set a", a, 1);
    C_Command(log, mgr, L"Set b").M_Fn_Set(b, 2);
    log.clear();
    mgr.M_Fn_Undo(); // cancels "Set b", then undoes "Set a"
    EXPECT_EQ(a + b, 0);
    EXPECT_EQ(log, (C_Log{"finished set", "undo pre", "undo set", "undo post", "undo pre", "undo set", "undo post"}));
    EXPECT_EQ(mgr.M_Fn_Get_State(), C_Mgr::E_State_Idle);
    ASSERT_EQ(mgr.M_Fn_Get_History().size(), 1u);
    EXPECT_EQ(info(mgr), (C_Info{0, 1, L"(Ctrl+Z)", L"Set a"}));
    EXPECT_EQ(mgr.m_Changes, 3); // done, cancel, undo
    EXPECT_EQ(msg_lines(t), (std::vector<std::string>{"Msg: Done: Set a", "Msg: Undo: Set a"}));

    C_Command(log, mgr, L"Left open").M_Fn_Set(b, 3);
    run(log, mgr, L"Next", c, 4);
    EXPECT_EQ(b * 10 + c, 4);
    ASSERT_EQ(mgr.M_Fn_Get_History().size(), 1u); // the redo tail went too
    EXPECT_EQ(mgr.M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Next");
}

TEST(C_Mgr, HandlerCancelsTheOpenEntryAfterAnException)
{
    C_Test_App t;
    C_Log log;
    int a = 0, b = 0, c = 0;
    C_Mgr_Test mgr;
    run(log, mgr, L"Before", c, 9);
    // The top-level handler of a command: on any failure between begin and end, revert what the
    // command executed before reporting.
    try {
        C_Command cmd(log, mgr, L"Failing command");
        cmd.M_Fn_Set(a, 1);
        cmd.M_Fn_Set(b, 2);
        auto sp_bad = std::make_shared<C_Elem_Set>(log, c, 5, "bad");
        sp_bad->m_Throw_Execute = true;
        cmd.m_sp_Group->M_Fn_Child_Add_and_Execute(sp_bad);
        mgr.M_Fn_Entry_End();
        FAIL() << "no exception";
    } catch (const std::exception& e) {
        if (mgr.M_Fn_Get_State() == C_Mgr::E_State_Open)
            mgr.M_Fn_Entry_Cancel();
        t.app().M_Fn_Report_Exception("handler", __FILE__, __LINE__, e.what());
    }
    EXPECT_EQ(a * 100 + b * 10 + c, 9); // no half-done change stays applied
    EXPECT_EQ(mgr.M_Fn_Get_State(), C_Mgr::E_State_Idle);
    ASSERT_EQ(mgr.M_Fn_Get_History().size(), 1u);
    EXPECT_EQ(info(mgr), (C_Info{1, 0, L"Before", L"(Ctrl+Y)"}));
    EXPECT_EQ(msg_lines(t), (std::vector<std::string>{"Msg: Done: Before"}));
    mgr.M_Fn_Undo(); // the history goes on normally
    EXPECT_EQ(c, 0);
}

TEST(C_Mgr, FailingUndoOfACancelOrOfAnEntryLeavesTheHistoryUsable)
{
    C_Log log;
    int a = 0, b = 0;
    C_Mgr_Test mgr;
    run(log, mgr, L"A", b, 1);
    C_Command(log, mgr, L"Broken").M_Fn_Set(a, 1)->m_Throw_Undo = true;
    const int changes = mgr.m_Changes;
    EXPECT_THROW(mgr.M_Fn_Entry_Cancel(), std::runtime_error); // the entry is removed all the same
    EXPECT_EQ(mgr.M_Fn_Get_State(), C_Mgr::E_State_Idle);
    ASSERT_EQ(mgr.M_Fn_Get_History().size(), 1u);
    EXPECT_EQ(mgr.m_Changes, changes + 1);

    auto sp = C_Command(log, mgr, L"C").M_Fn_Set(a, 2);
    mgr.M_Fn_Entry_End();
    sp->m_Throw_Undo = true;
    EXPECT_THROW(mgr.M_Fn_Undo(), std::runtime_error); // the cursor stays where it was
    EXPECT_EQ(info(mgr), (C_Info{1, 0, L"C", L"(Ctrl+Y)"}));
    sp->m_Throw_Undo = false;
    mgr.M_Fn_Undo();
    mgr.M_Fn_Undo();
    EXPECT_EQ(a * 10 + b, 10);
}

TEST(C_Mgr, DestructorReleasesEntriesWithoutCancellingThemAndClearCancelsOnlyTheOpenOne)
{
    C_Log log;
    int a = 0;
    bool destroyed = false;
    {
        C_Mgr mgr;
        C_Command(log, mgr, L"Open at close").M_Fn_Set(a, 1)->m_p_Destroyed = &destroyed;
        log.clear();
    }
    EXPECT_TRUE(log.empty()); // no hook, no undo: the objects they reach may be gone already
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(a, 1);

    int b = 0, c = 0, d = 0;
    C_Mgr_Test mgr;
    run(log, mgr, L"A", b, 1);
    run(log, mgr, L"B", c, 1);
    mgr.M_Fn_Undo();
    C_Command(log, mgr, L"C").M_Fn_Set(d, 1);
    mgr.M_Fn_Clear();
    EXPECT_EQ(b * 100 + c * 10 + d, 100);
    EXPECT_TRUE(mgr.M_Fn_Get_History().empty());
    EXPECT_EQ(info(mgr), (C_Info{0, 0, L"(Ctrl+Z)", L"(Ctrl+Y)"}));
}
