// One registered transition: target, kind, and the type-erased guard and action.
#pragma once

#include <any>
#include <cstdint>

namespace N_Common::N_State {

class C_Info_Transiton {
public:
    // m_Kind values: a state-changing transition exits the source and enters the target; an
    // internal one (any other value) runs only its action.
    static constexpr std::int32_t S_Kind_Change = 0;
    static constexpr std::int32_t S_Kind_Internal = 1;

    C_Info_Transiton() = default;
    C_Info_Transiton(const C_Info_Transiton&) = delete;
    C_Info_Transiton& operator=(const C_Info_Transiton&) = delete;
    virtual ~C_Info_Transiton() = default;

    // Id of the target sub-machine in the same parent; looked up only when the transition is taken.
    std::uint32_t m_Target = 0;
    std::int32_t m_Kind = S_Kind_Change;
    // std::function<bool(const E&)> for the transition's event type E; empty function: no guard.
    std::any m_Guard;
    // std::function<void(const E&)>; empty function: no action.
    std::any m_Action;
};

} // namespace N_Common::N_State
