// The holder of the project's editing machine: the owning project and its top machine.
//
// The project creates it (after its selection manager, before its document link). The machine's
// parent is this holder and its context the project; every state of the machine has this holder
// as its context and reaches the project through M_Fn_Get_Proj().
#pragma once

#include "biz/proj/Biz_Proj_State_Event.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"

#include <memory>

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_State {
public:
    // Stores the owner, creates the machine (parent: this holder, context: the project) and
    // initialises it at once. i_p_Proj is not owned.
    explicit C_Mgr_State(C_Proj* i_p_Proj);
    C_Mgr_State(const C_Mgr_State&) = delete;
    C_Mgr_State& operator=(const C_Mgr_State&) = delete;
    // Destroys the machine with its states; events still queued are dropped with it.
    ~C_Mgr_State();

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    // The project's machine, for posting events and reading the regions' active states. Never null.
    N_State::C_Machine_Top* M_Fn_Get_Machine() const { return m_up_Machine.get(); }

    // Posts C_Event_C_Cancel: ends any running task.
    void M_Fn_Post_Cancel();
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
    // Posts one input of the project's main view (C_Event_View_Main_On_Input holding ro_sp_Input).
    void M_Fn_Post_View_Main_On_Input(const std::shared_ptr<N_Biz::N_Input::C_Input>& ro_sp_Input);

private:
    C_Proj* m_p_Proj;
    std::unique_ptr<N_State::C_Machine_Top> m_up_Machine;
};

} // namespace N_Biz::N_Proj
