// Readers of the free-format fields of an IGES file (global section and parameter data) and of
// the fixed columns of its directory entries.
//
// Design note. A free-format record is a run of fields, each closed by the parameter delimiter,
// the last closed by the record delimiter; strings are Hollerith strings (count, "H", text), so a
// delimiter inside a string is data. Every reader takes one field from the front of the remaining
// text, which is a view into the caller's joined text: nothing is copied, and the view shrinks as
// fields are consumed. Once the record delimiter has been consumed the end-of-record flag is set,
// and every further read leaves its receiving value as it was, so a record that stops early gives
// its remaining parameters their defaults.
//
// All input is untrusted: a Hollerith count must consist of digits only (at most 9) directly in
// front of the "H" and must fit in the text that follows; numbers that do not fit their type are
// refused. Every failure throws N_Common::N_Exception::C_Exception.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace N_Biz::N_IGES::N_Import {

// Removes leading blanks and tabs from io_Text. Throws when nothing else is left (an empty or
// blank-only text: the field the caller wants to read is missing). Returns 1.
int Fn_Parse_Free_Field_Remove_leading_space(std::string_view& io_Text);

// Reads one real field into io_Value. With io_End set nothing is read. An empty field, or one
// that does not begin with a number, leaves io_Value as it was; an uppercase "D" exponent is read
// as "E" (1.5D2 is 150). Consumes the field and its delimiter; the record delimiter sets io_End and
// empties io_Text. Throws for a missing text, a missing delimiter, and a number beyond the float
// range. Returns 1.
int Fn_Read_Free_Field_Real(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                            char i_Delimiter_Record, float& io_Value);

// Reads one integer field into io_Value; as the real reader, the leading integer of the field is
// taken (3.5 reads 3). Throws for a number beyond the int32 range. Returns 1.
int Fn_Read_Free_Field_Integer(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                               char i_Delimiter_Record, std::int32_t& io_Value);

// Reads one string field into io_Value. A field that begins with a digit must be a Hollerith
// string: at most 9 digits, an uppercase "H", then more characters than the count (the delimiter
// must follow); anything else throws. A field that does not begin with a digit (an empty field)
// leaves io_Value as it was. Characters between the end of the string and the delimiter are
// skipped. Returns 1.
int Fn_Read_Free_Field_String(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                              char i_Delimiter_Record, std::string& io_Value);

// The leading decimal integer of i_Count columns of a fixed-format line starting at column
// i_Column (1-based): leading blanks skipped, an optional sign, then digits; a field without digits
// (blank) reads 0. Columns past the end of the line read as blank. At most 9 digits are taken, so
// the result always fits an int32.
std::int32_t Fn_Read_Fixed_Integer(std::string_view i_Line, std::size_t i_Column, std::size_t i_Count);

// The first blank-delimited word of i_Count columns starting at column i_Column (1-based).
std::string Fn_Read_Fixed_Word(std::string_view i_Line, std::size_t i_Column, std::size_t i_Count);

} // namespace N_Biz::N_IGES::N_Import
