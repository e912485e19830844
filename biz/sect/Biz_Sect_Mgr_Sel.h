// The section's select & edit state: which kind of object the user selects and edits now (1
// materials, 2 properties, 7 geometry, 12 elements, 13 section; 3-6 and 8-11 only while a pick task
// runs) and the prompt shown for it. Resetting it empties the current pick and the selection set
// of the section's geometry and announces E_Signal 2.
#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <string>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_Sel {
public:
    enum : std::uint32_t {
        E_Mode_Material = 1,
        E_Mode_Property = 2,
        E_Mode_Geometry = 7,
        E_Mode_Element = 12,
        E_Mode_Sect = 13,
    };

    // Mode 0, empty prompt, all flags 0.
    explicit C_Mgr_Sel(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect) {}
    C_Mgr_Sel(const C_Mgr_Sel&) = delete;
    C_Mgr_Sel& operator=(const C_Mgr_Sel&) = delete;

    // Stores the flag words, the mode and the prompt, clears the current pick and the selection set
    // of the points and entities, and fires E_Signal 2.
    void M_Fn_Reset(const std::wstring& i_Prompt, std::uint32_t i_Flag_0, std::uint32_t i_Flag_1,
                    std::uint32_t i_Flag_2, std::uint32_t i_Flag_3, std::uint32_t i_Flag_4, std::uint32_t i_Mode);

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    std::uint32_t M_Fn_Mode_Get() const { return m_Mode; }
    const std::wstring& M_Fn_Prompt_Get() const { return m_Prompt; }
    // The five flag words of the last reset (which pick kinds the mode offers).
    const std::array<std::uint32_t, 5>& M_Fn_Flags_Get() const { return m_Flags; }
    // The description of the current pick, shown under the prompt.
    const std::list<std::wstring>& M_Fn_Desc_Get() const { return m_Desc; }

private:
    C_Sect* m_p_Sect;
    std::array<std::uint32_t, 5> m_Flags{};
    std::uint32_t m_Mode = 0;
    std::wstring m_Prompt;
    std::list<std::wstring> m_Desc;
};

} // namespace N_Biz::N_Sect
