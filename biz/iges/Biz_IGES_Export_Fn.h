// Writers of the free-format fields of an IGES file into a list of fixed-width lines (72 columns
// for the global section, 64 for parameter data).
//
// Design note. Numbers are never split: a token that does not fit on the current line moves whole
// to a new one and the line it leaves is padded with blanks. Hollerith strings are laid out
// character by character and so may run across lines, which the reader undoes by joining the
// lines. Every line of a finished record is exactly the width: a record ends with the record
// delimiter and the padding of its last line. Numbers are formatted without the locale.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace N_Biz::N_IGES::N_Export {

// Line width of the global section and of parameter data.
inline constexpr std::size_t G_Width_Global = 72;
inline constexpr std::size_t G_Width_Param = 64;

// Appends i_Token to the last line of io_Lines (starting a line when there is none); a token
// longer than the room left pads that line to i_Width and starts a new line.
void Fn_Write_Token(std::vector<std::string>& io_Lines, std::string_view i_Token, std::size_t i_Width);

// Pads the last line with blanks to i_Width (nothing when there is no line).
void Fn_Write_Line_Pad(std::vector<std::string>& io_Lines, std::size_t i_Width);

// The decimal value followed by the record delimiter when i_Last (then the line is padded), else
// the parameter delimiter, as one token.
void Fn_Write_Field_Integer(std::vector<std::string>& io_Lines, std::int32_t i_Value, char i_Delimiter_Param,
                            char i_Delimiter_Record, bool i_Last, std::size_t i_Width);

// The value in fixed notation with six decimals and no exponent (1.000000, -0.250000) followed by
// i_Delimiter, as one token.
void Fn_Write_Field_Real(std::vector<std::string>& io_Lines, float i_Value, char i_Delimiter, std::size_t i_Width);

// A Hollerith string: the byte count and "H" as one token (nothing for an empty text, which makes
// an empty field), then the text and its delimiter character by character, filling the last line
// and continuing on new lines of exactly the width. When i_Last the record delimiter closes it and
// the final line is padded.
void Fn_Write_Field_String(std::vector<std::string>& io_Lines, std::string_view i_Text, char i_Delimiter_Param,
                           char i_Delimiter_Record, bool i_Last, std::size_t i_Width);

// The text of a real as Fn_Write_Field_Real writes it, without delimiter.
std::string Fn_Format_Real(float i_Value);

// i_Value right-aligned in i_Width columns, blank-filled. Throws when it does not fit, since a
// wider field would shift every later column of a fixed-format line.
std::string Fn_Format_Fixed_Integer(std::int64_t i_Value, std::size_t i_Width);

} // namespace N_Biz::N_IGES::N_Export
