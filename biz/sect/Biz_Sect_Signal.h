// A section's change codes and the holder of its change signal.
//
// Every change that a pane or view of the section must follow is announced synchronously on the
// section's signal with one of these codes; the slots run before the firing call returns.
#pragma once

#include <boost/signals2/signal.hpp>

#include <cstdint>

namespace N_Biz::N_Sect {

class C_Sect;

enum E_Signal : std::int32_t {
    E_Signal_Destroy = 1,          // the section is being destroyed (every member still alive)
    E_Signal_Sel_Reset = 2,        // the select & edit mode or its prompt was reset
    E_Signal_Sel_Data = 3,         // selection or selected data changed
    E_Signal_State_Error = 4,      // the editing machine's error region entered a new state
    E_Signal_State_Input = 5,      // ... its input region
    E_Signal_State_Task = 6,       // ... its task region
    E_Signal_Frame_Activate = 7,   // the section's child frame was activated
    E_Signal_Frame_Deactivate = 8, // ... deactivated
};

// The change signal with its section.
class C_Sect_Signal {
public:
    using T_Signal = boost::signals2::signal<void(C_Sect&, E_Signal)>;

    explicit C_Sect_Signal(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect) {}
    C_Sect_Signal(const C_Sect_Signal&) = delete;
    C_Sect_Signal& operator=(const C_Sect_Signal&) = delete;

    // Fires the signal once with the section and the code.
    void M_Fn_Fire(E_Signal i_Code) { m_Signal(*m_p_Sect, i_Code); }

    C_Sect* m_p_Sect;
    T_Signal m_Signal;
};

} // namespace N_Biz::N_Sect
