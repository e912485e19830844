// Hierarchical state machine with run-to-completion event processing.
//
// A machine has regions; each region has exactly one active sub-machine (a state) at a time, and a
// sub-machine is itself a machine that may have regions of its own. Transitions are registered per
// source sub-machine and per event type, each with an optional guard, an optional action, a target
// id and a kind (state-changing or internal). An event is any copyable class; it is posted to the
// top machine and processed to completion, one event at a time, in posting order:
//
//   C_Machine::M_Fn_Event_Process<C_Event_C_Cancel>(p_top);   // default-constructed event
//   C_Machine::M_Fn_Event_Process(p_top, C_Event_X{...});     // event with data
//
// An event posted while the machine processes one (from a guard, an action, an entry or exit
// operation) waits in the machine's queue and runs after the current event, before the outermost
// post returns.
//
// Processing one event on a machine M: for each region of M in index order, the event is first
// offered to the region's active sub-machine S (so nested machines see it before their parent
// chooses), then S's transitions for the event's type are tried in registration order. As soon as
// S has any transition for the type the event counts as handled, even when every guard refuses;
// the first transition whose guard is empty or accepts is taken. A state-changing transition runs
// S's exit, the action (the region then has no active state), makes the target active, runs its
// entry and then M's sub-change notice; an internal one runs only its action. When no region
// handled the event, M's M_Fn_On_No_Transition runs.
//
// Errors: every misuse throws N_Common::N_Exception::C_Exception. An exception from a guard, an
// action, an entry or exit operation or M_Fn_On_No_Transition passes out of the post that drained
// the queue. The machine stays usable: its busy marks are cleared on the way out, the events still
// waiting in the queue are dropped (they were posted as consequences of the failed one), and a
// region whose state-changing transition failed between exit and entry keeps its source state.
//
// Building (by the top machine's creator): construct; set parent and context; call M_Fn_Init, which
// adds every sub-machine with M_Fn_Init_Add_Sub, then the regions with M_Fn_Init_Register_Region,
// then the transitions with M_Fn_Init_Register_Transition. The structure never changes afterwards.
//
// Single-threaded: the busy mark and the queue only order re-entrant posts; nothing is locked.
#pragma once

#include "common/Common_Container_slotvec.h"
#include "common/Common_Exception.h"
#include "common/Common_State_Info_Event.h"
#include "common/Common_State_Info_Transiton.h"
#include "common/Common_State_Region.h"

#include <any>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <typeinfo>

namespace N_Common::N_State {

class C_Machine {
public:
    // Sub-machine ids are below this; it is also the id of a machine that is not registered, and
    // what M_Fn_Get_Id_Sub answers for a region without an active state.
    static constexpr std::uint32_t S_Id_None = 1024;

    C_Machine();
    C_Machine(const C_Machine&) = delete;
    C_Machine& operator=(const C_Machine&) = delete;
    // Destroys the queue, the regions, the sub-machines and the transitions, in this order.
    virtual ~C_Machine();

    // A top machine builds its sub-machines, regions and transitions here. Base: nothing.
    virtual void M_Fn_Init() {}
    // When a transition makes this sub-machine active (not for a region's initial state). Base: nothing.
    virtual void M_Fn_On_Entry() {}
    // When a state-changing transition leaves this sub-machine. Base: nothing.
    virtual void M_Fn_On_Exit() {}
    // When an event found no transition in any region of this machine. Base: nothing.
    virtual void M_Fn_On_No_Transition() {}
    // After a state-changing transition in region i_Region_Index of this machine. Base: nothing.
    virtual void M_Fn_On_Sub_Change(int i_Region_Index) {}

    // Gives i_up_Sub this machine as parent and this machine's parent as context, then registers
    // it under i_Id. Throws as M_Fn_Init_Register_Machine; a refused sub-machine is deleted.
    void M_Fn_Init_Add_Sub(std::uint32_t i_Id, std::unique_ptr<C_Machine> i_up_Sub);
    // Registers io_up_Sub under i_Id (0 to 1023) and takes it over (io_up_Sub becomes null). Throws
    // when the id is 1024 or higher or already holds a machine (io_up_Sub then keeps it), or when
    // io_up_Sub is null.
    void M_Fn_Init_Register_Machine(std::uint32_t i_Id, std::unique_ptr<C_Machine>& io_up_Sub);
    // Creates region i_Region_Index with the registered sub-machine i_Initial_Id active; the
    // initial state's entry does not run. Throws when the region exists or the sub-machine does not.
    void M_Fn_Init_Register_Region(std::uint32_t i_Region_Index, std::uint32_t i_Initial_Id);
    // Registers a transition for event type E leaving sub-machine i_From_Id (which must be
    // registered; the target is only looked up when the transition is taken). i_Kind: 0 =
    // state-changing, otherwise internal. Empty functions mean no guard and no action.
    template <class E>
    void M_Fn_Init_Register_Transition(std::uint32_t i_From_Id, std::uint32_t i_To_Id, std::int32_t i_Kind,
                                       std::function<bool(const E&)> i_Fn_Guard,
                                       std::function<void(const E&)> i_Fn_Action);

    // Id of the active sub-machine of region i_Region_Index, or 1024 while it has none. Throws
    // when the region does not exist.
    std::uint32_t M_Fn_Get_Id_Sub(std::uint32_t i_Region_Index) const;

    // Posts ro_Event to i_p_Machine (a top machine) and, unless it is already processing, processes
    // its queue until it is empty. Throws on a null machine; passes on whatever the processing throws.
    template <class E>
    static void M_Fn_Event_Process(C_Machine* i_p_Machine, const E& ro_Event);
    // The same with a default-constructed event (the events without data).
    template <class E>
    static void M_Fn_Event_Process(C_Machine* i_p_Machine)
    {
        M_Fn_Event_Process<E>(i_p_Machine, E());
    }

    // This machine's id in its parent (1024 while unregistered).
    std::uint32_t M_Fn_Get_Id() const { return m_Id; }
    // 1 while the machine processes an event.
    std::int32_t M_Fn_Get_Busy() const { return m_Busy; }
    // Posted events that have not run yet.
    std::size_t M_Fn_Get_Count_Queue() const { return m_Queue.size(); }

    // For a sub-machine: the parent machine. For a top machine: the holder object that created it.
    void* M_Fn_Get_Parent() const { return m_p_Parent; }
    void M_Fn_Set_Parent(void* i_p_Parent) { m_p_Parent = i_p_Parent; }
    // For a sub-machine: its parent's parent (for the states of a top machine, the top machine's
    // holder). For a top machine: the owner itself, set by the creator.
    void* M_Fn_Get_Context() const { return m_p_Context; }
    void M_Fn_Set_Context(void* i_p_Context) { m_p_Context = i_p_Context; }

protected:
    // Processes one event on this machine; true when some region handled it. Reached only through
    // the queue and recursively for the active sub-machines. Throws when the machine is already busy.
    template <class E>
    bool M_Fn_Event_Process_Impl(const E& ro_Event);

private:
    // Sets the busy mark for one event and clears it however the processing ends.
    class C_Busy_Mark {
    public:
        explicit C_Busy_Mark(C_Machine& ro_Machine) : m_Machine(ro_Machine) { m_Machine.m_Busy = 1; }
        ~C_Busy_Mark() { m_Machine.m_Busy = 0; }
        C_Busy_Mark(const C_Busy_Mark&) = delete;
        C_Busy_Mark& operator=(const C_Busy_Mark&) = delete;

    private:
        C_Machine& m_Machine;
    };

    // Puts the region's source state back when a state-changing transition fails between leaving
    // it and entering the target, so that the region is never left without an active state.
    class C_Active_Restore {
    public:
        C_Active_Restore(C_Region& ro_Region, C_Machine* i_p_Source) : m_Region(ro_Region), m_p_Source(i_p_Source) {}
        ~C_Active_Restore()
        {
            if (!m_Region.m_p_Active)
                m_Region.m_p_Active = m_p_Source;
        }
        C_Active_Restore(const C_Active_Restore&) = delete;
        C_Active_Restore& operator=(const C_Active_Restore&) = delete;

    private:
        C_Region& m_Region;
        C_Machine* m_p_Source;
    };

    // Runs the posted calls in order until the queue is empty; on an exception drops the rest of
    // the queue and passes the exception on.
    void M_Fn_Queue_Run();
    // The registered sub-machine i_Id as the target of a transition (throws when missing or null).
    C_Machine* M_Fn_Get_Sub_Target(std::uint32_t i_Id);
    // The registered, non-null source sub-machine of a transition registration.
    C_Machine* M_Fn_Get_Sub_Source(std::uint32_t i_Id);
    // The event entry of i_Key in i_p_Source's transitions, created when missing (throws when null).
    C_Info_Event& M_Fn_Get_Info_Event(C_Machine* i_p_Source, const std::type_index& i_Key);

    std::int32_t m_Busy = 0;
    std::uint32_t m_Id = S_Id_None;
    std::map<std::type_index, std::shared_ptr<C_Info_Event>> m_Transitions;
    N_Common::N_Container::slotvec<std::shared_ptr<C_Machine>> m_Subs;
    N_Common::N_Container::slotvec<std::shared_ptr<C_Region>> m_Regions;
    std::deque<std::function<void()>> m_Queue;
    void* m_p_Parent = nullptr;
    void* m_p_Context = nullptr;
};

template <class E>
void C_Machine::M_Fn_Init_Register_Transition(std::uint32_t i_From_Id, std::uint32_t i_To_Id, std::int32_t i_Kind,
                                              std::function<bool(const E&)> i_Fn_Guard,
                                              std::function<void(const E&)> i_Fn_Action)
{
    C_Machine* p_source = M_Fn_Get_Sub_Source(i_From_Id);
    C_Info_Event& ro_info = M_Fn_Get_Info_Event(p_source, std::type_index(typeid(E)));
    auto sp_transition = std::make_shared<C_Info_Transiton>();
    sp_transition->m_Target = i_To_Id;
    sp_transition->m_Kind = i_Kind;
    sp_transition->m_Guard = std::move(i_Fn_Guard);
    sp_transition->m_Action = std::move(i_Fn_Action);
    ro_info.m_Transitions.push_back(std::move(sp_transition));
}

template <class E>
void C_Machine::M_Fn_Event_Process(C_Machine* i_p_Machine, const E& ro_Event)
{
    if (!i_p_Machine)
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Event_Process");
    i_p_Machine->m_Queue.push_back(
        [i_p_Machine, ro_Event] { i_p_Machine->M_Fn_Event_Process_Impl<E>(ro_Event); });
    if (i_p_Machine->m_Busy)
        return; // the processing under way reaches it after the current event
    i_p_Machine->M_Fn_Queue_Run();
}

template <class E>
bool C_Machine::M_Fn_Event_Process_Impl(const E& ro_Event)
{
    if (m_Busy)
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Event_Process_Impl");
    C_Busy_Mark mark(*this);
    bool handled = false;
    const std::type_index key(typeid(E));
    for (std::uint32_t r = 0; r < m_Regions.size(); ++r) {
        if (!m_Regions.is_used_at(r))
            continue;
        C_Region* p_region = m_Regions.at(r).get();
        if (!p_region)
            VT_THROW("N_Common::N_State::C_Machine::M_Fn_Event_Process_Impl");
        C_Machine* p_sub = p_region->m_p_Active;
        if (!p_sub)
            VT_THROW("N_Common::N_State::C_Machine::M_Fn_Event_Process_Impl");
        if (p_sub->M_Fn_Event_Process_Impl<E>(ro_Event))
            handled = true;
        auto it = p_sub->m_Transitions.find(key);
        if (it == p_sub->m_Transitions.end())
            continue;
        C_Info_Event* p_info = it->second.get();
        if (!p_info)
            VT_THROW("N_Common::N_State::C_Machine::M_Fn_Event_Process_Impl");
        for (const std::shared_ptr<C_Info_Transiton>& sp_transition : p_info->m_Transitions) {
            if (!sp_transition)
                VT_THROW("N_Common::N_State::C_Machine::M_Fn_Event_Process_Impl");
            handled = true;
            const auto& fn_guard = std::any_cast<const std::function<bool(const E&)>&>(sp_transition->m_Guard);
            if (fn_guard && !fn_guard(ro_Event))
                continue;
            const bool change = sp_transition->m_Kind == C_Info_Transiton::S_Kind_Change;
            C_Active_Restore restore(*p_region, p_sub);
            if (change) {
                p_sub->M_Fn_On_Exit();
                p_region->m_p_Active = nullptr;
            }
            const auto& fn_action = std::any_cast<const std::function<void(const E&)>&>(sp_transition->m_Action);
            if (fn_action)
                fn_action(ro_Event);
            if (change) {
                C_Machine* p_target = M_Fn_Get_Sub_Target(sp_transition->m_Target);
                p_region->m_p_Active = p_target;
                p_target->M_Fn_On_Entry();
                M_Fn_On_Sub_Change(static_cast<int>(r));
            }
            break;
        }
    }
    if (!handled)
        M_Fn_On_No_Transition();
    return handled;
}

} // namespace N_Common::N_State
