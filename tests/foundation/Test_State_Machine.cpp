#include "common/Common_Exception.h"
#include "common/Common_State_Machine.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using N_Common::N_Exception::C_Exception;
using N_Common::N_State::C_Machine;

namespace {

struct C_Event_Go {
    int m_Value = 0;
};
struct C_Event_Other {};
struct C_Event_Unknown {};

using C_Log = std::vector<std::string>;

// A state that writes its entry and exit into the test's log.
class C_Test_State : public C_Machine {
public:
    C_Test_State(C_Log& ro_Log, std::string i_Name, bool* p_Destroyed = nullptr)
        : m_Log(ro_Log), m_Name(std::move(i_Name)), m_p_Destroyed(p_Destroyed)
    {
    }
    ~C_Test_State() override
    {
        if (m_p_Destroyed)
            *m_p_Destroyed = true;
    }
    void M_Fn_On_Entry() override
    {
        m_Log.push_back("entry " + m_Name);
        if (m_Fn_On_Entry)
            m_Fn_On_Entry();
    }
    void M_Fn_On_Exit() override
    {
        m_Log.push_back("exit " + m_Name);
        if (m_Throw_Exit)
            throw std::runtime_error("exit");
    }
    C_Log& m_Log;
    std::string m_Name;
    bool* m_p_Destroyed;
    bool m_Throw_Exit = false;
    std::function<void()> m_Fn_On_Entry;
};

// A top machine that logs its notices; optionally throws when an event is unknown.
class C_Test_Top : public C_Machine {
public:
    explicit C_Test_Top(C_Log& ro_Log) : m_Log(ro_Log) {}
    void M_Fn_On_No_Transition() override
    {
        m_Log.push_back("no transition");
        if (m_Throw_Unknown)
            VT_THROW("C_Test_Top::M_Fn_On_No_Transition");
    }
    void M_Fn_On_Sub_Change(int i_Region) override { m_Log.push_back("sub change " + std::to_string(i_Region)); }
    C_Log& m_Log;
    bool m_Throw_Unknown = false;
};

// Region 0 holds states 1 (initial) and 2, region 1 states 3 (initial) and 4.
struct C_Fixture {
    C_Log m_Log;
    C_Test_Top m_Top{m_Log};
    C_Test_State* m_p_State[5] = {};

    C_Fixture()
    {
        for (std::uint32_t id = 1; id <= 4; ++id) {
            auto up = std::make_unique<C_Test_State>(m_Log, "S" + std::to_string(id));
            m_p_State[id] = up.get();
            m_Top.M_Fn_Init_Add_Sub(id, std::move(up));
        }
        m_Top.M_Fn_Init_Register_Region(0, 1);
        m_Top.M_Fn_Init_Register_Region(1, 3);
    }
    template <class E>
    void add(std::uint32_t from, std::uint32_t to, std::int32_t kind, std::function<bool(const E&)> guard = {},
             std::function<void(const E&)> action = {})
    {
        m_Top.M_Fn_Init_Register_Transition<E>(from, to, kind, std::move(guard), std::move(action));
    }
    template <class E = C_Event_Go>
    std::function<void(const E&)> say(std::string text)
    {
        return [this, text](const E&) { m_Log.push_back(text); };
    }
    template <class E>
    void post(const E& i_Event = {})
    {
        C_Machine::M_Fn_Event_Process(&m_Top, i_Event);
    }
    // The log since the last call.
    C_Log take() { return std::exchange(m_Log, {}); }
};

} // namespace

// --- Posting and processing order -----------------------------------------------------------

TEST(C_Machine, EventPostedFromActionRunsAfterCurrentEventBeforeOuterPostReturns)
{
    C_Fixture f;
    f.add<C_Event_Go>(1, 2, 0, {}, [&](const C_Event_Go& e) {
        f.m_Log.push_back("action 1->2 value " + std::to_string(e.m_Value));
        f.post(C_Event_Go{7});
        f.post<C_Event_Other>();
        f.m_Log.push_back("queued " + std::to_string(f.m_Top.M_Fn_Get_Count_Queue()));
    });
    f.add<C_Event_Go>(2, 1, 0, {}, [&](const C_Event_Go& e) {
        f.m_Log.push_back("action 2->1 value " + std::to_string(e.m_Value));
    });
    f.add<C_Event_Other>(3, 3, 1, {}, f.say<C_Event_Other>("other"));
    f.post(C_Event_Go{5});
    EXPECT_EQ(f.take(), (C_Log{"exit S1", "action 1->2 value 5", "queued 2", "entry S2", "sub change 0", "exit S2",
                               "action 2->1 value 7", "entry S1", "sub change 0", "other"}));
    EXPECT_EQ(f.m_Top.M_Fn_Get_Count_Queue(), 0u);

    // Events posted from a guard or an entry wait in the queue as well.
    C_Fixture g;
    g.add<C_Event_Go>(1, 2, 0, [&](const C_Event_Go&) {
        EXPECT_EQ(g.m_Top.M_Fn_Get_Busy(), 1);
        g.post<C_Event_Other>();
        g.m_Log.push_back("guard");
        return true;
    });
    g.m_p_State[2]->m_Fn_On_Entry = [&] { g.post(C_Event_Go{1}); };
    g.add<C_Event_Other>(3, 3, 1, {}, g.say<C_Event_Other>("other"));
    g.add<C_Event_Go>(2, 2, 1, {}, g.say("go in S2"));
    g.post<C_Event_Go>();
    EXPECT_EQ(g.take(), (C_Log{"guard", "exit S1", "entry S2", "sub change 0", "other", "go in S2"}));
    EXPECT_EQ(g.m_Top.M_Fn_Get_Busy(), 0);
}

TEST(C_Machine, RegionsTakeTheSameEventInIndexOrder)
{
    C_Fixture f;
    f.add<C_Event_Go>(3, 4, 0, {}, f.say("region 1"));
    f.add<C_Event_Go>(1, 2, 0, {}, f.say("region 0"));
    f.post<C_Event_Go>();
    EXPECT_EQ(f.take(), (C_Log{"exit S1", "region 0", "entry S2", "sub change 0", "exit S3", "region 1", "entry S4",
                               "sub change 1"}));
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(0), 2u);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(1), 4u);
}

TEST(C_Machine, GuardsChooseTheFirstAcceptingTransitionAndARefusalCountsAsHandled)
{
    C_Fixture f;
    int asked_third = 0;
    f.add<C_Event_Go>(1, 1, 1, [](const C_Event_Go& e) { return e.m_Value == 1; }, f.say("first"));
    f.add<C_Event_Go>(1, 2, 0, [](const C_Event_Go& e) { return e.m_Value == 2; }, f.say("second"));
    f.add<C_Event_Go>(1, 1, 1, [&](const C_Event_Go& e) { return ++asked_third, e.m_Value == 2; }, f.say("third"));
    f.post(C_Event_Go{3}); // every guard refuses: neither exit, action, entry, sub change nor "no transition"
    EXPECT_TRUE(f.take().empty());
    EXPECT_EQ(asked_third, 1);
    f.post(C_Event_Go{2});
    EXPECT_EQ(asked_third, 1); // not asked once the second accepted
    EXPECT_EQ(f.take(), (C_Log{"exit S1", "second", "entry S2", "sub change 0"}));
}

TEST(C_Machine, InternalAndSelfTransitionsAndUnknownEvents)
{
    C_Fixture f;
    std::uint32_t id_during_action = 0;
    f.add<C_Event_Go>(1, 2, 5, {}, f.say("internal")); // kind 5: only its action runs
    f.add<C_Event_Go>(3, 3, 0, {}, [&](const C_Event_Go&) {
        id_during_action = f.m_Top.M_Fn_Get_Id_Sub(1);
        f.m_Log.push_back("action");
    });
    f.post<C_Event_Go>();
    EXPECT_EQ(f.take(), (C_Log{"internal", "exit S3", "action", "entry S3", "sub change 1"}));
    EXPECT_EQ(id_during_action, 1024u); // the source is left before the action runs
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(0), 1u);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(1), 3u);
    // An unknown event runs the no-transition notice, whose exception reaches the poster.
    f.post<C_Event_Unknown>();
    EXPECT_EQ(f.take(), (C_Log{"no transition"}));
    f.m_Top.m_Throw_Unknown = true;
    EXPECT_THROW(f.post<C_Event_Unknown>(), C_Exception);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Busy(), 0);
}

TEST(C_Machine, NestedMachineSeesTheEventBeforeItsParentChooses)
{
    C_Log log;
    C_Test_Top top(log);
    auto up_outer = std::make_unique<C_Test_Top>(log); // a state with a region of its own
    C_Test_Top* p_outer = up_outer.get();
    p_outer->M_Fn_Init_Add_Sub(0, std::make_unique<C_Test_State>(log, "inner A"));
    p_outer->M_Fn_Init_Add_Sub(1, std::make_unique<C_Test_State>(log, "inner B"));
    p_outer->M_Fn_Init_Register_Region(0, 0);
    p_outer->M_Fn_Init_Register_Transition<C_Event_Go>(0, 1, 0, {}, {});
    top.M_Fn_Init_Add_Sub(0, std::move(up_outer));
    top.M_Fn_Init_Register_Region(0, 0);
    top.M_Fn_Init_Register_Transition<C_Event_Other>(0, 0, 1, {},
                                                     [&](const C_Event_Other&) { log.push_back("top other"); });
    // The nested machine handles Go: the top machine counts it handled although its state has no
    // transition for it.
    C_Machine::M_Fn_Event_Process(&top, C_Event_Go{});
    EXPECT_EQ(log, (C_Log{"exit inner A", "entry inner B", "sub change 0"}));
    EXPECT_EQ(p_outer->M_Fn_Get_Id_Sub(0), 1u);
    // Other is unknown inside: the nested machine reports it and the top's transition still runs.
    log.clear();
    C_Machine::M_Fn_Event_Process<C_Event_Other>(&top);
    EXPECT_EQ(log, (C_Log{"no transition", "top other"}));
}

// --- Registration -----------------------------------------------------------------------------

TEST(C_Machine, SubMachineIdsFrom0To1023AreAcceptedAnd1024Refused)
{
    C_Log log;
    C_Test_Top top(log);
    EXPECT_NO_THROW(top.M_Fn_Init_Add_Sub(0, std::make_unique<C_Test_State>(log, "zero")));
    EXPECT_NO_THROW(top.M_Fn_Init_Add_Sub(1023, std::make_unique<C_Test_State>(log, "last")));
    bool destroyed = false;
    EXPECT_THROW(top.M_Fn_Init_Add_Sub(1024, std::make_unique<C_Test_State>(log, "x", &destroyed)), C_Exception);
    EXPECT_TRUE(destroyed); // a refused sub-machine is not leaked
    std::unique_ptr<C_Machine> up = std::make_unique<C_Test_State>(log, "y");
    EXPECT_THROW(top.M_Fn_Init_Register_Machine(0, up), C_Exception); // id in use
    EXPECT_NE(up, nullptr); // the caller keeps it
    EXPECT_NO_THROW(top.M_Fn_Init_Register_Machine(5, up));
    EXPECT_EQ(up, nullptr); // taken over
}

TEST(C_Machine, RegionAndTransitionRegistrationErrors)
{
    C_Fixture f;
    // Region 0 exists already.
    EXPECT_THROW(f.m_Top.M_Fn_Init_Register_Region(0, 2), C_Exception);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(0), 1u);
    EXPECT_THROW(f.m_Top.M_Fn_Init_Register_Region(2, 9), C_Exception); // no sub-machine 9
    EXPECT_THROW(f.m_Top.M_Fn_Get_Id_Sub(2), C_Exception);              // so no region 2
    EXPECT_THROW(f.add<C_Event_Go>(9, 1, 0), C_Exception); // unregistered source
    // A region past a gap: the gap is skipped when events are processed.
    f.m_Top.M_Fn_Init_Register_Region(3, 2);
    f.add<C_Event_Go>(2, 2, 1, {}, f.say("region 3"));
    f.post<C_Event_Go>();
    EXPECT_EQ(f.take(), (C_Log{"region 3"}));
    // An unregistered target fails only when taken, and keeps the source state.
    f.add<C_Event_Go>(1, 77, 0, [](const C_Event_Go& e) { return e.m_Value == 1; });
    f.add<C_Event_Go>(1, 2, 0);
    EXPECT_THROW(f.post(C_Event_Go{1}), C_Exception);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(0), 1u);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Busy(), 0);
    f.take();
    f.post(C_Event_Go{0});
    EXPECT_EQ(f.take(), (C_Log{"exit S1", "entry S2", "sub change 0", "region 3"}));
}

// --- Recovery after an exception ----------------------------------------------------------------

TEST(C_Machine, ExceptionInGuardLeavesTheMachineUsable)
{
    C_Fixture f;
    bool fail = true;
    f.add<C_Event_Go>(1, 2, 0, [&](const C_Event_Go&) {
        f.post<C_Event_Other>(); // a follow-up
        if (fail)
            VT_THROW("guard");
        return true;
    });
    f.add<C_Event_Other>(3, 3, 1, {}, f.say<C_Event_Other>("other"));
    EXPECT_THROW(f.post<C_Event_Go>(), C_Exception);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Busy(), 0);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Count_Queue(), 0u); // the follow-up of the failed event is dropped
    EXPECT_TRUE(f.m_Log.empty());
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(0), 1u);
    fail = false;
    f.post<C_Event_Go>();
    EXPECT_EQ(f.take(), (C_Log{"exit S1", "entry S2", "sub change 0", "other"}));
}

TEST(C_Machine, ExceptionInActionExitOrEntryLeavesAnActiveStateAndTheMachineUsable)
{
    C_Fixture f;
    bool fail = true;
    f.add<C_Event_Go>(1, 2, 0, {}, [&](const C_Event_Go&) {
        if (fail)
            throw std::runtime_error("action");
    });
    f.add<C_Event_Go>(2, 1, 0);
    EXPECT_THROW(f.post<C_Event_Go>(), std::runtime_error);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(0), 1u); // never left without an active state
    EXPECT_EQ(f.m_Top.M_Fn_Get_Busy(), 0);
    f.m_p_State[1]->m_Throw_Exit = true;
    fail = false;
    EXPECT_THROW(f.post<C_Event_Go>(), std::runtime_error);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(0), 1u);
    EXPECT_EQ(f.m_p_State[1]->M_Fn_Get_Busy(), 0);
    f.m_p_State[1]->m_Throw_Exit = false;
    f.m_p_State[2]->m_Fn_On_Entry = [] { throw std::runtime_error("entry"); };
    EXPECT_THROW(f.post<C_Event_Go>(), std::runtime_error);
    EXPECT_EQ(f.m_Top.M_Fn_Get_Id_Sub(0), 2u); // the target is active
    f.take();
    f.post<C_Event_Go>();
    EXPECT_EQ(f.take(), (C_Log{"exit S2", "entry S1", "sub change 0"}));
}
