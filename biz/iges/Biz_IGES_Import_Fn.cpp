#include "biz/iges/Biz_IGES_Import_Fn.h"

#include "common/Common_Exception.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace N_Biz::N_IGES::N_Import {

namespace {

bool S_Fn_Is_Digit(char i_C) { return i_C >= '0' && i_C <= '9'; }

// The field in front of the first delimiter of io_Text, which is consumed together with that
// delimiter; the record delimiter sets io_End and empties the text. Throws when no delimiter
// follows (a record whose record delimiter is missing fails at its last field).
std::string_view S_Fn_Take_Field(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                                 char i_Delimiter_Record, const char* i_Function)
{
    std::size_t pos = 0;
    while (pos < io_Text.size() && io_Text[pos] != i_Delimiter_Param && io_Text[pos] != i_Delimiter_Record)
        ++pos;
    if (pos == io_Text.size())
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    const std::string_view field = io_Text.substr(0, pos);
    if (io_Text[pos] == i_Delimiter_Record) {
        io_End = true;
        io_Text = std::string_view();
    } else {
        io_Text.remove_prefix(pos + 1);
    }
    return field;
}

// Start of the number in i_Field after an optional sign, as a stream conversion reads it: a
// leading "+" is dropped (from_chars does not take it), a "-" kept. Returns false when no digit or
// decimal point follows the sign, so that words such as "inf" or "nan" are not numbers here.
bool S_Fn_Number_Start(std::string_view& io_Field)
{
    if (!io_Field.empty() && io_Field[0] == '+')
        io_Field.remove_prefix(1);
    const std::size_t first = (!io_Field.empty() && io_Field[0] == '-') ? 1 : 0;
    if (first >= io_Field.size())
        return false;
    const char c = io_Field[first];
    if (S_Fn_Is_Digit(c))
        return true;
    return c == '.' && first + 1 < io_Field.size() && S_Fn_Is_Digit(io_Field[first + 1]);
}

// Takes the next field for a number into o_Field. False when nothing is to be converted: the
// record has ended, or the field is empty or does not begin with a number.
bool S_Fn_Take_Number_Field(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param, char i_Delimiter_Record,
                            const char* i_Function, std::string_view& o_Field)
{
    if (io_End)
        return false;
    Fn_Parse_Free_Field_Remove_leading_space(io_Text);
    o_Field = S_Fn_Take_Field(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, i_Function);
    return S_Fn_Number_Start(o_Field);
}

} // namespace

int Fn_Parse_Free_Field_Remove_leading_space(std::string_view& io_Text)
{
    std::size_t pos = 0;
    while (pos < io_Text.size() && (io_Text[pos] == ' ' || io_Text[pos] == '\t'))
        ++pos;
    io_Text.remove_prefix(pos);
    if (io_Text.empty())
        VT_THROW("N_Biz::N_IGES::N_Import::Fn_Parse_Free_Field_Remove_leading_space");
    return 1;
}

int Fn_Read_Free_Field_Real(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                            char i_Delimiter_Record, float& io_Value)
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Import::Fn_Read_Free_Field_Real";
    std::string_view field;
    if (!S_Fn_Take_Number_Field(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, s_Function, field))
        return 1;
    // A Fortran "D" exponent reads as "E". Reals are short; a longer field is cut to what a float
    // can carry in text, so the copy stays small whatever the file holds.
    char buffer[128];
    const std::size_t length = field.size() < sizeof(buffer) ? field.size() : sizeof(buffer) - 1;
    for (std::size_t i = 0; i < length; ++i)
        buffer[i] = field[i] == 'D' ? 'E' : field[i];
    float value = 0.0f;
    const auto result = std::from_chars(buffer, buffer + length, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a float reads as the nearest float (zero for an underflow); too large is
        // not a value this system can hold.
        double wide = 0.0;
        const auto result_wide = std::from_chars(buffer, buffer + length, wide, std::chars_format::general);
        if (result_wide.ec == std::errc() && std::abs(wide) <= double(std::numeric_limits<float>::max())) {
            io_Value = static_cast<float>(wide);
            return 1;
        }
        bool exponent_negative = false;
        for (std::size_t i = 0; i + 1 < length; ++i)
            if (buffer[i] == 'E' || buffer[i] == 'e') {
                exponent_negative = buffer[i + 1] == '-';
                break;
            }
        if (exponent_negative) {
            io_Value = (buffer[0] == '-') ? -0.0f : 0.0f;
            return 1;
        }
        throw N_Common::N_Exception::C_Exception(s_Function, __FILE__, __LINE__);
    }
    if (result.ec == std::errc())
        io_Value = value;
    return 1;
}

int Fn_Read_Free_Field_Integer(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                               char i_Delimiter_Record, std::int32_t& io_Value)
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Import::Fn_Read_Free_Field_Integer";
    std::string_view field;
    if (!S_Fn_Take_Number_Field(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, s_Function, field))
        return 1;
    std::int32_t value = 0;
    const auto result = std::from_chars(field.data(), field.data() + field.size(), value, 10);
    if (result.ec == std::errc::result_out_of_range)
        throw N_Common::N_Exception::C_Exception(s_Function, __FILE__, __LINE__);
    if (result.ec == std::errc())
        io_Value = value;
    return 1;
}

int Fn_Read_Free_Field_String(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                              char i_Delimiter_Record, std::string& io_Value)
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Import::Fn_Read_Free_Field_String";
    if (io_End)
        return 1;
    Fn_Parse_Free_Field_Remove_leading_space(io_Text);
    if (S_Fn_Is_Digit(io_Text[0])) {
        // A Hollerith string: only digits stand between the start and the "H", so digits that run
        // on into a delimiter ("3.5,7H...") are no count, and at most 9 of them cannot overflow.
        std::size_t digits = 0;
        std::uint32_t count = 0;
        while (digits < io_Text.size() && S_Fn_Is_Digit(io_Text[digits])) {
            if (digits == 9)
                throw N_Common::N_Exception::C_Exception(s_Function, __FILE__, __LINE__);
            count = count * 10 + std::uint32_t(io_Text[digits] - '0');
            ++digits;
        }
        if (digits == io_Text.size() || io_Text[digits] != 'H')
            throw N_Common::N_Exception::C_Exception(s_Function, __FILE__, __LINE__);
        const std::size_t rest = io_Text.size() - digits - 1;
        // The string must be followed by at least one character (its delimiter).
        if (std::size_t(count) >= rest)
            throw N_Common::N_Exception::C_Exception(s_Function, __FILE__, __LINE__);
        io_Value.assign(io_Text.substr(digits + 1, count));
        io_Text.remove_prefix(digits + 1 + count);
    }
    S_Fn_Take_Field(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, s_Function);
    return 1;
}

std::int32_t Fn_Read_Fixed_Integer(std::string_view i_Line, std::size_t i_Column, std::size_t i_Count)
{
    if (i_Column == 0 || i_Column > i_Line.size())
        return 0;
    std::string_view field = i_Line.substr(i_Column - 1, i_Count);
    std::size_t pos = 0;
    while (pos < field.size() && (field[pos] == ' ' || field[pos] == '\t'))
        ++pos;
    bool negative = false;
    if (pos < field.size() && (field[pos] == '-' || field[pos] == '+')) {
        negative = field[pos] == '-';
        ++pos;
    }
    std::int32_t value = 0;
    for (std::size_t digits = 0; pos < field.size() && S_Fn_Is_Digit(field[pos]) && digits < 9; ++pos, ++digits)
        value = value * 10 + (field[pos] - '0');
    return negative ? -value : value;
}

std::string Fn_Read_Fixed_Word(std::string_view i_Line, std::size_t i_Column, std::size_t i_Count)
{
    if (i_Column == 0 || i_Column > i_Line.size())
        return std::string();
    std::string_view field = i_Line.substr(i_Column - 1, i_Count);
    std::size_t first = 0;
    while (first < field.size() && field[first] == ' ')
        ++first;
    std::size_t last = first;
    while (last < field.size() && field[last] != ' ')
        ++last;
    return std::string(field.substr(first, last - first));
}

} // namespace N_Biz::N_IGES::N_Import
