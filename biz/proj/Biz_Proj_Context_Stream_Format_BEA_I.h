// The reading context of one ".bea" file: the deprecated fixed-column text model of a thin-walled
// beam (nodes, four-node shell elements, material and shell-property cards, and one group of
// sections given as numbered points, wall and weld polylines and a frame).
//
// Design note. The format is read line by line, each line cut into fields of fixed width from its
// front. A line whose first character is "$" is a comment wherever it stands; a carriage return
// at the end of a line is dropped before any column is counted. A numeric field is read like a
// stream extraction: leading blanks skipped, the number up to the first character that does not
// belong to it; a field without a number leaves the value as the caller set it. Everything read
// is untrusted: a count that is negative or larger than what is left of the file could hold, a
// line cut short and the end of the file where a line is due are reported with the line's number
// and end the read with C_Exception; a reference to a node or point that the file does not define
// refuses the file (M_Fn_Refuse) instead of being wired to whatever stands in its place.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace N_Biz::N_Model {
class C_Model;
}

namespace N_Biz::N_Proj {

class C_Context_Stream_Format_BEA_I {
public:
    explicit C_Context_Stream_Format_BEA_I(std::istream& ro_Stream) : m_Stream(ro_Stream) {}
    C_Context_Stream_Format_BEA_I(const C_Context_Stream_Format_BEA_I&) = delete;
    C_Context_Stream_Format_BEA_I& operator=(const C_Context_Stream_Format_BEA_I&) = delete;

    // Reads the next line that is not a comment into the current line (comments are counted too).
    // The end of the file or a stream error where a line is due: the message "Line: N, Error:
    // Unexpected end of file." (N the number the missing line would have) and C_Exception. A last
    // line without a line break is read normally.
    void Fn_I_Line();
    // Cuts the first i_Width characters off the current line into ro_Field (the whole line when it
    // is not longer).
    void M_Fn_Field_Take(std::size_t i_Width, std::string& ro_Field);
    // The number in the next field of i_Width characters (a real field is always 10 wide); the
    // value stays as it was when the field holds none. An integer beyond the int32 range is
    // clamped, a real beyond the float range becomes the largest float of its sign.
    void M_Fn_Token_Int(std::size_t i_Width, std::int32_t& io_Value);
    void M_Fn_Token_Float(float& io_Value);
    // The next field of i_Width characters without leading and trailing blanks, tabs and line ends.
    void M_Fn_Field(std::size_t i_Width, std::string& o_Text);
    // Reads lines until one whose first 8 characters are blank, and takes the block code from its
    // columns 9-10 (a blank code keeps io_Code); the rest of that line stays current.
    void M_Fn_Block_Code_Get(std::int32_t& io_Code);

    // A count read from the current line (i_Count lines, or records of a line or more, are to
    // follow): a negative count, or one that what is left of the file cannot hold, shows "Line: N,
    // Error: Invalid count." and throws C_Exception.
    void M_Fn_Count_Check(std::int32_t i_Count);
    // Shows "Line: N, Error: " + i_Text with N the current line's number; then M_Fn_Fail throws
    // C_Exception naming i_Function (file and line of the caller), M_Fn_Refuse returns 0.
    [[noreturn]] void M_Fn_Fail(const wchar_t* i_Text, const char* i_Function, const char* i_File, int i_Line) const;
    std::uint32_t M_Fn_Refuse(const std::wstring& i_Text) const;

    std::istream& m_Stream;
    std::string m_Line;
    std::int32_t m_Count_Line = 0;
    // Header values.
    std::int32_t m_Header_5 = 0;           // control field 5, read and not used
    std::int32_t m_Count_C_M = 0;          // material lines
    std::int32_t m_Count_C_P = 0;          // property lines
    std::int32_t m_Count_Skip_Block_7 = 0; // lines of block 7
    std::int32_t m_Count_N = 0;            // node lines
    std::int32_t m_Count_Skip_C_P = 0;     // lines skipped after the property lines
    std::int32_t m_Count_Skip_Sect = 0;    // lines skipped after the section part (never set)
    std::int32_t m_Count_E = 0;            // element lines (block 2 writes it, block 8 again)
    std::int32_t m_Count_Record = 0;       // counted records
    std::int32_t m_Count_Sect = 0;         // sections
    std::shared_ptr<N_Biz::N_Model::C_Model> m_sp_Model;
    // Node number of the file -> position of its node line (the first line of a number counts).
    std::map<std::int32_t, std::int32_t> m_Map_N;

private:
    // The next field's text as stream extraction sees it: leading white space skipped.
    std::string_view M_Fn_Token(std::size_t i_Width);
    std::string m_Field;
};

} // namespace N_Biz::N_Proj
