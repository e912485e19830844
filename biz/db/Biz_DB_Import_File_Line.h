// The physical-line reader of the deck readers.
//
// Decks come from many tools and systems, so a line ends at a line feed, one carriage return
// before it is dropped (CRLF files), and a last line without a line feed is still a line. Lines are
// handed out as views into the reader's buffer, valid until the next read, so a deck of millions of
// lines is read without a copy per line. A line longer than S_Line_Max characters is cut there and
// the rest of it skipped, with o_Cut set: no deck line is that long, and a file without line feeds
// must not take all memory.
#pragma once

#include "common/Common_String.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace N_Biz::N_DB::N_Import {

// i_Text without the blanks (space, tab, CR, LF, VT, FF) at both ends, as a view into it.
inline std::string_view G_Fn_Trim_View(std::string_view i_Text)
{
    return N_Common::N_String::G_Fn_Trim_Blank(i_Text);
}

class C_File_Line {
public:
    static constexpr std::size_t S_Line_Max = std::size_t(16) << 20;

    C_File_Line() = default;
    C_File_Line(const C_File_Line&) = delete;
    C_File_Line& operator=(const C_File_Line&) = delete;
    ~C_File_Line();

    // Opens the file for reading (a wide path, as the system keeps paths; the bytes of its UTF-8
    // form name the file here). False when it cannot be opened or is no regular readable file.
    bool M_Fn_Open(const std::wstring& i_Path);
    // The next line without its line end: true and o_Line set, or false at the end of the file.
    // o_Cut tells that the line was longer than S_Line_Max. A read error throws C_Exception.
    bool M_Fn_Read(std::string_view& o_Line, bool& o_Cut);

private:
    // Reads more of the file behind the unread bytes; false at the end of the file.
    bool M_Fn_Fill();

    std::FILE* m_p_File = nullptr;
    std::unique_ptr<char[]> m_Buffer;
    std::size_t m_Capacity = 0;
    std::size_t m_Begin = 0; // first unread byte
    std::size_t m_End = 0;   // one past the last byte read
    bool m_Eof = false;
};

} // namespace N_Biz::N_DB::N_Import
