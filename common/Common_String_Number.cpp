#include "common/Common_String_Number.h"

#include "common/Common_String.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <system_error>

namespace N_Common::N_String {

namespace {

// from_chars reads the number without the locale; it takes no leading '+' (a stream does, so a
// typed "+7" stays a number) and stops at the first character it cannot use, which the caller
// must find at the text's end.
template <class T>
bool G_Fn_Number_Whole_Of(std::wstring_view i_Text, T& o_Value)
{
    i_Text = G_Fn_Trim_Blank(i_Text);
    if (!i_Text.empty() && i_Text.front() == L'+') {
        i_Text.remove_prefix(1);
        if (!i_Text.empty() && (i_Text.front() == L'+' || i_Text.front() == L'-'))
            return false;
    }
    std::string narrow;
    narrow.reserve(i_Text.size());
    for (const wchar_t ch : i_Text) {
        if (static_cast<std::uint32_t>(ch) >= 0x80)
            return false; // no character beyond ASCII belongs to a number
        narrow.push_back(static_cast<char>(ch));
    }
    const char* const first = narrow.data();
    const char* const last = first + narrow.size();
    T value{};
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error != std::errc() || end != last || !std::isfinite(value))
        return false;
    o_Value = value;
    return true;
}

} // namespace

bool G_Fn_Number_Whole(std::wstring_view i_Text, float& o_Value) { return G_Fn_Number_Whole_Of(i_Text, o_Value); }

bool G_Fn_Number_Whole(std::wstring_view i_Text, double& o_Value) { return G_Fn_Number_Whole_Of(i_Text, o_Value); }

} // namespace N_Common::N_String
