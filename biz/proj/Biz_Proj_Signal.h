// The project's change codes and the holder of its change signal.
//
// Every change that a pane or view of the project must follow is announced synchronously on the
// project's signal with one of these codes; the slots run before the firing call returns. The
// signal guards its own connection list, so the import worker may fire it.
//
// The slots are windows: while a worker changes the project (the model import), the codes it
// fires are kept instead (M_Fn_Defer_Begin on the interface thread before the worker starts) and
// fired on the interface thread once the worker is done (M_Fn_Defer_End), so no pane is called
// off the interface thread or reads the project while the worker changes it.
#pragma once

#include <boost/signals2/signal.hpp>

#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace N_Biz::N_Proj {

class C_Proj;

enum E_Signal : std::int32_t {
    E_Signal_Destroy = 1,              // the project is being destroyed (every member still alive)
    E_Signal_Cmd = 2,                  // the undo history changed
    E_Signal_D_DB_C_P_Palette = 3,     // the current palette property changed
    E_Signal_D_Sect_Add = 4,           // a section was added
    E_Signal_Sel_Mode = 5,             // the select & edit mode or its prompt changed
    E_Signal_Sel_Data = 6,             // selection, visibility or card data changed
    E_Signal_State_Error = 7,          // the state machine's error region entered a new state
    E_Signal_State_Input = 8,          // ... its input region
    E_Signal_State_Task = 9,           // ... its task region
    E_Signal_Frame_Activate = 10,      // the project's child frame was activated
    E_Signal_Frame_Deactivate = 11,    // ... deactivated
};

// The change signal with its project.
class C_Proj_Signal {
public:
    using T_Signal = boost::signals2::signal<void(C_Proj&, E_Signal)>;

    explicit C_Proj_Signal(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Proj_Signal(const C_Proj_Signal&) = delete;
    C_Proj_Signal& operator=(const C_Proj_Signal&) = delete;

    // Fires the signal once with the project and the code; from another thread than the deferring
    // one, while deferring, the code is kept instead.
    void M_Fn_Fire(E_Signal i_Code)
    {
        {
            std::lock_guard<std::mutex> lock(m_Defer_Lock);
            if (m_Deferring && std::this_thread::get_id() != m_Defer_Thread) {
                if (m_Deferred.empty() || m_Deferred.back() != i_Code)
                    m_Deferred.push_back(i_Code);
                return;
            }
        }
        m_Signal(*m_p_Proj, i_Code);
    }
    // Keeps the codes fired by other threads than the calling one from now on.
    void M_Fn_Defer_Begin()
    {
        std::lock_guard<std::mutex> lock(m_Defer_Lock);
        m_Deferring = true;
        m_Defer_Thread = std::this_thread::get_id();
    }
    // Ends the keeping and fires the kept codes in their order (a code repeated at once only once).
    void M_Fn_Defer_End()
    {
        std::vector<E_Signal> codes;
        {
            std::lock_guard<std::mutex> lock(m_Defer_Lock);
            m_Deferring = false;
            codes.swap(m_Deferred);
        }
        for (E_Signal code : codes)
            m_Signal(*m_p_Proj, code);
    }

    C_Proj* m_p_Proj;
    T_Signal m_Signal;

private:
    std::mutex m_Defer_Lock;
    bool m_Deferring = false;
    std::thread::id m_Defer_Thread;
    std::vector<E_Signal> m_Deferred;
};

} // namespace N_Biz::N_Proj
