#include "biz/iges/Biz_IGES_Export_Fn.h"

#include "common/Common_Exception.h"

#include <charconv>
#include <system_error>

namespace N_Biz::N_IGES::N_Export {

void Fn_Write_Token(std::vector<std::string>& io_Lines, std::string_view i_Token, std::size_t i_Width)
{
    if (io_Lines.empty())
        io_Lines.emplace_back();
    std::string& line = io_Lines.back();
    const std::size_t room = line.size() < i_Width ? i_Width - line.size() : 0;
    if (i_Token.size() > room) {
        line.resize(i_Width > line.size() ? i_Width : line.size(), ' ');
        io_Lines.emplace_back(i_Token);
        return;
    }
    line.append(i_Token);
}

void Fn_Write_Line_Pad(std::vector<std::string>& io_Lines, std::size_t i_Width)
{
    if (!io_Lines.empty() && io_Lines.back().size() < i_Width)
        io_Lines.back().resize(i_Width, ' ');
}

void Fn_Write_Field_Integer(std::vector<std::string>& io_Lines, std::int32_t i_Value, char i_Delimiter_Param,
                            char i_Delimiter_Record, bool i_Last, std::size_t i_Width)
{
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof(buffer) - 1, i_Value);
    *result.ptr++ = i_Last ? i_Delimiter_Record : i_Delimiter_Param;
    Fn_Write_Token(io_Lines, std::string_view(buffer, std::size_t(result.ptr - buffer)), i_Width);
    if (i_Last)
        Fn_Write_Line_Pad(io_Lines, i_Width);
}

std::string Fn_Format_Real(float i_Value)
{
    // The largest float in fixed notation with six decimals takes 47 characters with its sign.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), i_Value, std::chars_format::fixed, 6);
    if (result.ec != std::errc())
        VT_THROW("N_Biz::N_IGES::N_Export::Fn_Format_Real");
    return std::string(buffer, result.ptr);
}

void Fn_Write_Field_Real(std::vector<std::string>& io_Lines, float i_Value, char i_Delimiter, std::size_t i_Width)
{
    std::string token = Fn_Format_Real(i_Value);
    token.push_back(i_Delimiter);
    Fn_Write_Token(io_Lines, token, i_Width);
}

void Fn_Write_Field_String(std::vector<std::string>& io_Lines, std::string_view i_Text, char i_Delimiter_Param,
                           char i_Delimiter_Record, bool i_Last, std::size_t i_Width)
{
    if (!i_Text.empty()) {
        char buffer[24];
        auto result = std::to_chars(buffer, buffer + sizeof(buffer) - 1, i_Text.size());
        *result.ptr++ = 'H';
        Fn_Write_Token(io_Lines, std::string_view(buffer, std::size_t(result.ptr - buffer)), i_Width);
    }
    if (io_Lines.empty())
        io_Lines.emplace_back();
    const char delimiter = i_Last ? i_Delimiter_Record : i_Delimiter_Param;
    std::string_view rest = i_Text;
    bool delimiter_written = false;
    while (!delimiter_written) {
        std::string& line = io_Lines.back();
        std::size_t room = line.size() < i_Width ? i_Width - line.size() : 0;
        const std::size_t take = rest.size() < room ? rest.size() : room;
        line.append(rest.substr(0, take));
        rest.remove_prefix(take);
        room -= take;
        if (rest.empty() && room > 0) {
            line.push_back(delimiter);
            delimiter_written = true;
        } else {
            io_Lines.emplace_back();
        }
    }
    if (i_Last)
        Fn_Write_Line_Pad(io_Lines, i_Width);
}

std::string Fn_Format_Fixed_Integer(std::int64_t i_Value, std::size_t i_Width)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof(buffer), i_Value);
    const std::size_t length = std::size_t(result.ptr - buffer);
    if (length > i_Width)
        VT_THROW("N_Biz::N_IGES::N_Export::Fn_Format_Fixed_Integer");
    std::string text(i_Width - length, ' ');
    text.append(buffer, length);
    return text;
}

} // namespace N_Biz::N_IGES::N_Export
