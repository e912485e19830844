#include "common/Common_State_Machine.h"

#include <utility>

namespace N_Common::N_State {

C_Machine::C_Machine() = default;

C_Machine::~C_Machine() = default;

void C_Machine::M_Fn_Init_Add_Sub(std::uint32_t i_Id, std::unique_ptr<C_Machine> i_up_Sub)
{
    if (i_up_Sub) {
        i_up_Sub->m_p_Parent = this;
        i_up_Sub->m_p_Context = m_p_Parent;
    }
    // A refused sub-machine stays in i_up_Sub and goes with it.
    M_Fn_Init_Register_Machine(i_Id, i_up_Sub);
}

void C_Machine::M_Fn_Init_Register_Machine(std::uint32_t i_Id, std::unique_ptr<C_Machine>& io_up_Sub)
{
    if (i_Id >= S_Id_None)
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Init_Register_Machine");
    if (m_Subs.is_used_at(i_Id) && m_Subs.at(i_Id))
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Init_Register_Machine");
    std::shared_ptr<C_Machine> sp_sub(io_up_Sub.release());
    if (!sp_sub)
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Init_Register_Machine");
    sp_sub->m_Id = i_Id;
    m_Subs.add_at(i_Id, std::move(sp_sub));
}

void C_Machine::M_Fn_Init_Register_Region(std::uint32_t i_Region_Index, std::uint32_t i_Initial_Id)
{
    if (m_Regions.is_used_at(i_Region_Index) && m_Regions.at(i_Region_Index))
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Init_Register_Region");
    auto sp_region = std::make_shared<C_Region>();
    sp_region->m_p_Active = m_Subs.at(i_Initial_Id).get();
    if (!sp_region->m_p_Active)
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Init_Register_Region");
    m_Regions.add_at(i_Region_Index, std::move(sp_region));
}

std::uint32_t C_Machine::M_Fn_Get_Id_Sub(std::uint32_t i_Region_Index) const
{
    const std::shared_ptr<C_Region>& sp_region = m_Regions.at(i_Region_Index);
    if (!sp_region)
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Get_Id_Sub");
    return sp_region->m_p_Active ? sp_region->m_p_Active->m_Id : S_Id_None;
}

C_Machine* C_Machine::M_Fn_Get_Sub_Source(std::uint32_t i_Id)
{
    C_Machine* p_source = m_Subs.at(i_Id).get();
    if (!p_source)
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Init_Register_Transition");
    return p_source;
}

C_Info_Event& C_Machine::M_Fn_Get_Info_Event(C_Machine* i_p_Source, const std::type_index& i_Key)
{
    auto it = i_p_Source->m_Transitions.find(i_Key);
    if (it == i_p_Source->m_Transitions.end())
        it = i_p_Source->m_Transitions.emplace(i_Key, std::make_shared<C_Info_Event>()).first;
    if (!it->second)
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Init_Register_Transition");
    return *it->second;
}

C_Machine* C_Machine::M_Fn_Get_Sub_Target(std::uint32_t i_Id)
{
    C_Machine* p_target = m_Subs.at(i_Id).get();
    if (!p_target)
        VT_THROW("N_Common::N_State::C_Machine::M_Fn_Event_Process_Impl");
    return p_target;
}

void C_Machine::M_Fn_Queue_Run()
{
    while (!m_Queue.empty()) {
        // Taken off before it runs, so a failing call is never run a second time.
        std::function<void()> fn_call = std::move(m_Queue.front());
        m_Queue.pop_front();
        try {
            fn_call(); // an empty call object throws std::bad_function_call
        } catch (...) {
            // The waiting events were posted on the way to the failure; running them against a
            // half-processed state would do more harm than dropping them.
            m_Queue.clear();
            throw;
        }
    }
}

} // namespace N_Common::N_State
