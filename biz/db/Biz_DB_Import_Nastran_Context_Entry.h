// One physical line of Nastran bulk data as the reader sees it: what its head says it is, how its
// fields are laid out, and which row it feeds.
#pragma once

#include <cstdint>
#include <limits>
#include <string>

namespace N_Biz::N_DB::N_Import::N_Nastran {

struct C_Context_Entry {
    enum E_Kind : std::uint32_t {
        E_Kind_None = 0,
        E_Kind_Blank = 1,             // blank head: continues the previous entry
        E_Kind_Sign = 2,              // a lone "+" or "*": continues the previous entry
        E_Kind_Mnemonic = 3,          // "+name" or "*name": continues the entry that registered it
        E_Kind_Replication = 4,       // "=": replication, not supported
        E_Kind_Replication_Star = 5,  // "*(": replication, not supported
        E_Kind_Keyword = 7,           // an entry keyword
    };
    // The position of an entry whose fields are ignored.
    static constexpr std::uint64_t S_Pos_None = std::numeric_limits<std::uint64_t>::max();

    std::uint32_t m_Kind = E_Kind_None;
    bool m_Free = false;                  // free field (commas)
    bool m_Large = false;                 // large field (16-character fields)
    std::size_t m_Comma = std::string::npos; // position of the first comma
    std::string m_Head;
    std::string m_Mnemonic;               // trailing continuation mnemonic
    std::uint64_t m_Pos = S_Pos_None;     // the row this line feeds (open-context position)
};

} // namespace N_Biz::N_DB::N_Import::N_Nastran
