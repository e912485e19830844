// The project's selection manager: the select & edit mode (which kind of object the view picks),
// the key rules that build the selection set, the prompt shown in the view and the description of
// the current pick. The picked and selected objects themselves are listed by their managers; this
// manager dispatches to the manager of the current mode's kind.
//
// Modes: 0 nothing, 1 material cards, 2 property cards, 3 free screen positions, 4 nodes or a free
// position, 5 nodes, 6 shell elements, 7 models (nothing is picked), 8 sections. Picking by
// rendering comes with the project view; sections hold no lists yet and have nothing to clear.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_Sel {
public:
    // Flag bits of the key rules.
    enum : std::uint32_t {
        E_Flag_Multiple = 0x01,     // several objects, rectangle selection allowed
        E_Flag_Shift_Add = 0x02,    // Shift adds
        E_Flag_Ctrl_Toggle = 0x04,  // Ctrl toggles
        E_Flag_Always_Add = 0x08,   // every pick adds
        E_Flag_Always_Toggle = 0x10 // every pick toggles
    };
    static constexpr std::uint32_t S_Mode_Max = 8;

    // Flags, rectangle word and mode 0; empty prompt and description.
    explicit C_Mgr_Sel(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Mgr_Sel(const C_Mgr_Sel&) = delete;
    C_Mgr_Sel& operator=(const C_Mgr_Sel&) = delete;

    // Sets the select & edit mode: with i_Clear the selection set and then the current pick of the
    // old mode's kind are cleared; the low five flag bits are replaced, the mode and the prompt
    // stored; the project signal fires with code 5; C_Event_Sel_Mode_Update is posted to the
    // project's machine; the project view is invalidated. A mode above 8 throws C_Exception before
    // anything changes.
    void M_Fn_Sel_Mode_Set(bool i_Always_Toggle, bool i_Always_Add, bool i_Clear, bool i_Multiple, bool i_Shift_Add,
                           bool i_Ctrl_Toggle, std::uint32_t i_Mode, const std::wstring& i_Prompt);
    // Clears the current pick of the mode's kind, then the description.
    void M_Fn_Sel_P0_Clear();
    // Clears the selection set of the mode's kind and invalidates the project view.
    void M_Fn_Sel_P1_Clear();

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    std::uint32_t M_Fn_Get_Flags() const { return m_Flags; }
    std::uint32_t M_Fn_Get_Mode() const { return m_Mode; }
    const std::wstring& M_Fn_Get_Prompt() const { return m_Prompt; }
    const std::vector<std::wstring>& M_Fn_Get_Desc() const { return m_Desc; }

private:
    // Throws C_Exception naming i_Function for a mode above 8.
    void M_Fn_Mode_Check(const char* i_Function) const;

    C_Proj* m_p_Proj;
    std::uint32_t m_Flags = 0;
    // 0: a drag picks every object in its rectangle; 1: a drag picks nothing.
    std::uint32_t m_Rect = 0;
    std::uint32_t m_Mode = 0;
    std::wstring m_Prompt;
    std::vector<std::wstring> m_Desc;
};

} // namespace N_Biz::N_Proj
