// Reading a number the user typed as text: the whole text must be the number, blanks at its ends
// aside, in the "C" notation whatever the process locale.
//
// An extraction that stops at the first character that cannot belong to a number leaves the rest
// unread: "1,5" would be 1 and "2x" would be 2, a silently wrong value. The typed numbers of the
// tools pane and of the property grid's own rows go through G_Fn_Number_Whole, and the grid's
// schema rows, which read through their column type's stream reader, end with G_Fn_Rest_Is_Blank,
// so that such a text is refused exactly like one that is no number at all.
#pragma once

#include "common/Common_String.h"

#include <istream>
#include <string_view>

namespace N_Common::N_String {

// i_Text as one finite number: true and o_Value set when the text but its leading and trailing
// blanks (" ", "\t", "\n", "\v", "\f", "\r") is a decimal number: an optional sign, digits with an
// optional point, an optional exponent ("1.5", " -2 ", "+7", ".5", "1e3"). False, o_Value
// untouched, for an empty text, a text that is no number, a number followed by anything else
// ("1,5", "2x", "1 2", "1e"), other notations ("0x10", "inf", "nan") and a value beyond the type's
// range. Never throws.
bool G_Fn_Number_Whole(std::wstring_view i_Text, float& o_Value);
bool G_Fn_Number_Whole(std::wstring_view i_Text, double& o_Value);

// After a successful extraction from ro_Stream: true when nothing but blanks (G_Fn_Is_Blank)
// follows (they are consumed), false when anything else does. For the readers that must stay streams.
template <class Ch>
bool G_Fn_Rest_Is_Blank(std::basic_istream<Ch>& ro_Stream)
{
    Ch rest{};
    while (ro_Stream.get(rest))
        if (!G_Fn_Is_Blank(rest))
            return false;
    return true;
}

} // namespace N_Common::N_String
