// Text helpers: trimming, the national (code page 936, GBK) narrow encoding, UTF-8 and UTF-16.
//
// Wide text inside the program is std::wstring holding Unicode code points (wchar_t is 4 bytes
// here). Files carry wide text as UTF-16LE, so every wide string crosses the file boundary through
// G_Fn_To_UTF16 / G_Fn_From_UTF16. The national conversions never touch the process locale: they
// go through iconv with one converter per thread, so the import worker may convert while the
// interface thread runs.
#pragma once

#include <string>
#include <string_view>

namespace N_Common::N_String {

// The blanks that surround a typed number or a card field: ' ', '\t', '\n', '\v', '\f', '\r'
// (the "C" locale's white space), for narrow and wide text alike.
template <class Ch>
constexpr bool G_Fn_Is_Blank(Ch i_Char)
{
    return i_Char == Ch(' ') || i_Char == Ch('\t') || i_Char == Ch('\n') || i_Char == Ch('\r') || i_Char == Ch('\v') ||
           i_Char == Ch('\f');
}

// The view of i_Text without its leading and trailing blanks (G_Fn_Is_Blank); empty when all is
// blank.
template <class Ch>
constexpr std::basic_string_view<Ch> G_Fn_Trim_Blank(std::basic_string_view<Ch> i_Text)
{
    while (!i_Text.empty() && G_Fn_Is_Blank(i_Text.front()))
        i_Text.remove_prefix(1);
    while (!i_Text.empty() && G_Fn_Is_Blank(i_Text.back()))
        i_Text.remove_suffix(1);
    return i_Text;
}

// Copy of i_text without leading and trailing ' ', '\t', '\r', '\n'. Inner white space stays.
std::string G_Fn_Trim(std::string_view i_text);

// Narrow text in code page 936 (GBK) to wide text. Conversion stops at the first byte sequence
// that is not GBK; what was converted before it stands. The result ends at the first NUL.
std::wstring G_Fn_To_Wide(std::string_view i_text);

// Wide text to code page 936 (GBK): one or two bytes per character. Conversion stops at the first
// character that GBK cannot represent. The result ends at the first NUL.
std::string G_Fn_To_Narrow(std::wstring_view i_text);

// Wide text to UTF-8 (clipboard, log). Code points that are not Unicode scalar values become U+FFFD.
std::string G_Fn_To_Narrow_UTF8(std::wstring_view i_text);

// UTF-8 to wide text (file names, command line). Malformed sequences become U+FFFD.
std::wstring G_Fn_To_Wide_UTF8(std::string_view i_text);

// Wide text to UTF-16 code units (surrogate pairs above U+FFFF). A lone surrogate code point is
// kept as the code unit it is, so text read from a file is written back byte for byte.
std::u16string G_Fn_To_UTF16(std::wstring_view i_text);

// UTF-16 code units to wide text; a valid surrogate pair becomes one code point, a lone surrogate
// is kept as it is.
std::wstring G_Fn_From_UTF16(std::u16string_view i_text);

} // namespace N_Common::N_String
