// The section's view manager: its three views (the main geometry view, the result graph and the
// result sheet) as the window side attaches them, and their invalidation. A view is invalidated,
// never drawn at once; nothing is invalidated while drawing is frozen (bit 0 of the flag word).
#pragma once

#include <cstdint>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_Frame {
public:
    enum : std::uint32_t { E_Flag_Frozen = 0x1 };

    // One of the section's views as the manager reaches it.
    class C_View {
    public:
        virtual ~C_View() = default;
        // Invalidates the whole client area without erasing.
        virtual void M_Fn_Invalidate() = 0;
        // Has the view rebuild its rows before the next paint (the result sheet).
        virtual void M_Fn_Refill() {}
    };

    explicit C_Mgr_Frame(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect) {}
    C_Mgr_Frame(const C_Mgr_Frame&) = delete;
    C_Mgr_Frame& operator=(const C_Mgr_Frame&) = delete;

    // Invalidates the chosen views that exist (with i_Sheet_Refill the sheet also rebuilds its
    // rows); nothing while drawing is frozen.
    void M_Fn_View_Invalidate(bool i_Main, bool i_Graph, bool i_Sheet, bool i_Sheet_Refill);
    // Closes the section's child frame when it is open.
    void M_Fn_Frame_Close() {}
    // Opens the section's child frame (through its document) unless the main view exists, and fits
    // the view.
    void M_Fn_Frame_Open() {}

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }

    // Bit 0: drawing frozen.
    std::uint32_t m_Flags = 0;
    // The views while they exist (set and cleared by the window side), else null.
    C_View* m_p_View_Main = nullptr;
    C_View* m_p_View_Graph = nullptr;
    C_View* m_p_View_Sheet = nullptr;

private:
    C_Sect* m_p_Sect;
};

} // namespace N_Biz::N_Sect
