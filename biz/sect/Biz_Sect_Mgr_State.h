// The holder of a section's editing machine: the owning section and its top machine.
//
// The section creates it (after its selection manager, before its view manager) and posts its
// events to M_Fn_Get_Machine(). The machine's parent is this holder and its context the section;
// every state of the machine has this holder as its context and reaches the section through
// M_Fn_Get_Sect().
//
// Change notices: the machine announces a new active state of region 0, 1 or 2 as change code 4,
// 5 or 6 through M_Fn_Signal_Raise, which hands the code to m_Fn_Signal. The section connects its
// change signal there (m_Fn_Signal = [this](int code) { fire E_Signal(code); }); until it does,
// the notices go nowhere.
#pragma once

#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_State {
public:
    // Stores the owner, creates the machine (parent: this holder, context: the section) and
    // initialises it at once. i_p_Sect is not owned; it may be null for a holder that serves no
    // section (the machine then announces its changes only through m_Fn_Signal).
    explicit C_Mgr_State(C_Sect* i_p_Sect);
    C_Mgr_State(const C_Mgr_State&) = delete;
    C_Mgr_State& operator=(const C_Mgr_State&) = delete;
    // Destroys the machine with its states; events still queued are dropped with it.
    ~C_Mgr_State();

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    // The section's machine, for posting events and reading the regions' active states. Never null.
    N_State::C_Machine_Top* M_Fn_Get_Machine() const { return m_up_Machine.get(); }

    // Posts the event E to the machine (processed at once unless the machine is processing).
    template <class E>
    void M_Fn_Post() const
    {
        N_Common::N_State::C_Machine::M_Fn_Event_Process<E>(m_up_Machine.get());
    }
    // Starts a task: ends the running one with a cancel, then posts the task's start event E.
    template <class E>
    void M_Fn_Task_Start() const
    {
        M_Fn_Post<N_State::C_Event_C_Cancel>();
        M_Fn_Post<E>();
    }

    // Passes a section change code to m_Fn_Signal when it is set.
    void M_Fn_Signal_Raise(std::int32_t i_Code) const;

    // The section's change signal as the machine sees it (argument: the section change code).
    std::function<void(std::int32_t)> m_Fn_Signal;

private:
    C_Sect* m_p_Sect;
    std::unique_ptr<N_State::C_Machine_Top> m_up_Machine;
};

} // namespace N_Biz::N_Sect
