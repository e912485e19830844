// One region of a state machine: it always has exactly one active sub-machine of its parent.
#pragma once

namespace N_Common::N_State {

class C_Machine;

class C_Region {
public:
    C_Region() = default;
    C_Region(const C_Region&) = delete;
    C_Region& operator=(const C_Region&) = delete;
    virtual ~C_Region() = default;

    // Not owned (the parent's sub-machine table owns it). Null only while a state-changing
    // transition runs its action, between leaving one sub-machine and entering the next.
    C_Machine* m_p_Active = nullptr;
};

} // namespace N_Common::N_State
