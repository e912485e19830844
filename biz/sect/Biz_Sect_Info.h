// The table of result labels, and of which statistics exist for which load case: one instance
// for the whole run, created by the application's start-up and held in C_App::m_sp_Sect_Info.
// Every result display, report and clipboard table reads its labels and flags from it.
//
// Labels come in three styles (short for column heads, medium for the result sheet, long for
// reports) for four categories: result kind (2: geometric, equivalent), load case (7: Fz+, Fz-,
// Mx+, Mx-, My+, My-, and an unused seventh with empty labels), bound (2: lower, upper) and
// statistic (5: maximum, critical, corner, average, minimum).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace N_Biz::N_Sect {

class C_Info {
public:
    enum E_Style : std::uint32_t { E_Style_Short = 0, E_Style_Medium = 1, E_Style_Long = 2 };

    C_Info();
    ~C_Info();
    C_Info(const C_Info&) = delete;
    C_Info& operator=(const C_Info&) = delete;

    // The corner and average statistics (2, 3) are defined for the axial compression case (1) only.
    // Consumers show or list a statistic only where its flag is 1.
    bool M_Fn_Flag_Get(std::uint32_t i_Case, std::uint32_t i_Bound, std::uint32_t i_Stat) const
    {
        return m_Flags.at(i_Case).at(i_Bound).at(i_Stat) != 0;
    }

    // [style][index]
    std::array<std::vector<std::wstring>, 3> m_Label_Kind;
    std::array<std::vector<std::wstring>, 3> m_Label_Case;
    std::array<std::vector<std::wstring>, 3> m_Label_Bound;
    std::array<std::vector<std::wstring>, 3> m_Label_Stat;
    std::array<std::array<std::array<std::int32_t, 5>, 2>, 7> m_Flags{}; // [case][bound][statistic]
};

} // namespace N_Biz::N_Sect
