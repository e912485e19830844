// Helpers of the IGES tests: fixed-format lines written out by hand, the global record's parameters
// as one text, and the shared test files.
#pragma once

#include "biz/iges/Biz_IGES_Global.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace N_Test_IGES {

// i_Value right-aligned in 8 columns.
inline std::string G_Fn_Field(long long i_Value)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%8lld", i_Value);
    return text;
}

// One 80-column line: i_Data blank-padded to 72 columns, the section letter, the sequence number
// right-aligned in 7 columns.
inline std::string G_Fn_Line(std::string_view i_Data, char i_Letter, int i_Sequence)
{
    std::string line(i_Data);
    line.resize(72, ' ');
    char number[16];
    std::snprintf(number, sizeof(number), "%c%7d", i_Letter, i_Sequence);
    return line + number;
}

// A free-format text as the numbered lines of one section, 72 columns of data each.
inline std::vector<std::string> G_Fn_Lines(std::string_view i_Text, char i_Letter)
{
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < i_Text.size(); pos += 72)
        lines.push_back(G_Fn_Line(i_Text.substr(pos, 72), i_Letter, int(lines.size()) + 1));
    return lines;
}

// Columns 1-72 of a parameter line: data padded to 64, a blank, the back pointer in 7 columns.
inline std::string G_Fn_P(const std::string& i_Data, int i_Back = 1)
{
    char back[16];
    std::snprintf(back, sizeof(back), " %7d", i_Back);
    return i_Data + std::string(64 - i_Data.size(), ' ') + back;
}

// The delimiters and the 25 other parameters of a global record in their order, separated by '|'.
inline std::string G_Fn_Params(const N_Biz::N_IGES::C_Global& g)
{
    std::ostringstream s;
    s << g.m_Delimiter_Param << g.m_Delimiter_Record << '|' << g.m_Product_Id_Sender << '|' << g.m_Name_File << '|'
      << g.m_System_Id_Native << '|' << g.m_Version_Preprocessor << '|' << g.m_Bits_Integer << '|'
      << g.m_Single_Power_Max << '|' << g.m_Single_Digits << '|' << g.m_Double_Power_Max << '|' << g.m_Double_Digits
      << '|' << g.m_Product_Id_Receiver << '|' << g.m_Scale_Model_Space << '|' << g.m_Units_Flag << '|'
      << g.m_Units_Name << '|' << g.m_Line_Weight_Gradations_Max << '|' << g.m_Width_Line_Weight_Max << '|'
      << g.m_Date_Generation << '|' << g.m_Resolution_Min << '|' << g.m_Coord_Max << '|' << g.m_Author << '|'
      << g.m_Organization << '|' << g.m_Version_Flag << '|' << g.m_Drafting_Standard_Flag << '|'
      << g.m_Date_Modification << '|' << g.m_Application_Protocol;
    return s.str();
}

inline std::string G_Fn_Testdata(const std::string& i_Name) { return std::string(VT_TESTDATA_DIR) + "/iges/" + i_Name; }

inline std::string G_Fn_Read_File(const std::string& i_Path)
{
    std::ifstream file(i_Path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace N_Test_IGES
