// One file of a Nastran deck while it is read: the main deck or an included file.
#pragma once

#include <cstdint>
#include <string>

namespace N_Biz::N_DB::N_Import::N_Nastran {

struct C_Context_File {
    enum E_State : std::uint32_t {
        E_State_Before_Bulk = 0, // before "BEGIN BULK": executive and case control
        E_State_Bulk = 1,        // inside the bulk data
        E_State_Ended = 2,       // after "ENDDATA"
    };

    std::wstring m_Path;
    std::uint32_t m_State = E_State_Before_Bulk;
    // Physical lines read from this file so far (the first line is line 1).
    std::uint64_t m_Line = 0;
};

} // namespace N_Biz::N_DB::N_Import::N_Nastran
