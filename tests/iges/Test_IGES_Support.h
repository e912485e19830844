// Helpers of the IGES tests: fixed-format lines written out by hand, temporary files and reading
// a whole file from memory.
#pragma once

#include "biz/iges/Biz_IGES_Import_Context_File.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace N_Test_IGES {

// One 80-column line: i_Data blank-padded to 72 columns, the section letter, the sequence number
// right-aligned in 7 columns.
inline std::string G_Fn_Line(std::string_view i_Data, char i_Letter, int i_Sequence)
{
    std::string line(i_Data);
    line.resize(72, ' ');
    line += i_Letter;
    char number[16];
    std::snprintf(number, sizeof(number), "%7d", i_Sequence);
    line += number;
    return line;
}

// i_Value right-aligned in 8 columns.
inline std::string G_Fn_Field(long long i_Value)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%8lld", i_Value);
    return text;
}

// Splits a free-format text into numbered lines of one section (i_Width columns of data each).
inline std::vector<std::string> G_Fn_Lines(std::string_view i_Text, char i_Letter, std::size_t i_Width = 72)
{
    std::vector<std::string> lines;
    int sequence = 1;
    for (std::size_t pos = 0; pos < i_Text.size(); pos += i_Width)
        lines.push_back(G_Fn_Line(i_Text.substr(pos, i_Width), i_Letter, sequence++));
    return lines;
}

// Joins lines with "\n" after each.
inline std::string G_Fn_Join(const std::vector<std::string>& ro_Lines, const char* i_End = "\n")
{
    std::string text;
    for (const std::string& line : ro_Lines)
        text += line + i_End;
    return text;
}

// A temporary directory, removed with everything in it on destruction.
class C_Temp_Dir {
public:
    C_Temp_Dir()
    {
        static int s_Count = 0;
        m_Dir = std::filesystem::temp_directory_path() /
                ("vt_iges_" + std::to_string(::getpid()) + "_" + std::to_string(++s_Count));
        std::filesystem::create_directories(m_Dir);
    }
    ~C_Temp_Dir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_Dir, ec);
    }
    std::filesystem::path path(const std::string& i_Name) const { return m_Dir / i_Name; }
    std::string write(const std::string& i_Name, const std::string& i_Text) const
    {
        const std::filesystem::path p = path(i_Name);
        std::ofstream file(p, std::ios::binary);
        file << i_Text;
        return p.string();
    }

private:
    std::filesystem::path m_Dir;
};

inline std::string G_Fn_Read_File(const std::string& i_Path)
{
    std::ifstream file(i_Path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

inline std::wstring G_Fn_Wide(const std::string& i_Text) { return std::wstring(i_Text.begin(), i_Text.end()); }

inline std::string G_Fn_Testdata(const std::string& i_Name) { return std::string(VT_TESTDATA_DIR) + "/iges/" + i_Name; }

// Runs every reading step but the file's opening on an in-memory text (no messages).
inline void G_Fn_Read_Text(N_Biz::N_IGES::N_Import::C_Context_File& io_Context, const std::string& i_Text)
{
    std::istringstream stream(i_Text);
    io_Context.M_Fn_Import_Stream(stream);
    io_Context.M_Fn_Import_Section_Global_Join();
    io_Context.M_Fn_Import_Section_Global();
    io_Context.M_Fn_Import_Section_Entity();
}

} // namespace N_Test_IGES
