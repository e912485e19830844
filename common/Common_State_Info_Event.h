// The transitions of one event type that leave one sub-machine, in registration order.
#pragma once

#include "common/Common_State_Info_Transiton.h"

#include <list>
#include <memory>

namespace N_Common::N_State {

class C_Info_Event {
public:
    C_Info_Event() = default;
    C_Info_Event(const C_Info_Event&) = delete;
    C_Info_Event& operator=(const C_Info_Event&) = delete;
    virtual ~C_Info_Event() = default;

    // Tried in this order; the first whose guard is empty or accepts is taken.
    std::list<std::shared_ptr<C_Info_Transiton>> m_Transitions;
};

} // namespace N_Common::N_State
