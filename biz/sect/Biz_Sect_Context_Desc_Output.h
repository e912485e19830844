// The description list of the property pane: the rows that a geometry or mesh object writes about
// itself (M_Fn_Desc_Output), shown by the user interface as they stand.
//
// Every row is a prefix (indentation grown by two spaces per nesting level), a label and a value.
// Integers are written in decimal and floats by a default wide string stream (six significant
// digits, general notation), always in the "C" locale so that the pane reads the same everywhere.
// Rows are only ever appended, in order.
#pragma once

#include <cstdint>
#include <list>
#include <locale>
#include <sstream>
#include <string>

namespace N_Biz::N_Sect {

class C_Context_Desc_Output {
public:
    // prefix + label, as a row of its own (a label without value, e.g. "Property:").
    void M_Fn_Add(const std::wstring& i_Prefix, const std::wstring& i_Label) { M_Fn_Add_Row(i_Prefix + i_Label); }
    // prefix + label + text.
    void M_Fn_Add_Text(const std::wstring& i_Prefix, const std::wstring& i_Label, const std::wstring& i_Text)
    {
        M_Fn_Add_Row(i_Prefix + i_Label + i_Text);
    }
    // prefix + label + the integer in decimal.
    void M_Fn_Add_Int(const std::wstring& i_Prefix, const std::wstring& i_Label, std::int64_t i_Value)
    {
        M_Fn_Add_Row(i_Prefix + i_Label + std::to_wstring(i_Value));
    }
    // prefix + label + the float as a default wide stream writes it.
    void M_Fn_Add_Float(const std::wstring& i_Prefix, const std::wstring& i_Label, float i_Value)
    {
        M_Fn_Add_Row(i_Prefix + i_Label + S_Fn_Float_Text(i_Value));
    }
    // An empty row.
    void M_Fn_Add_Empty() { M_Fn_Add_Row(std::wstring()); }
    // A finished row.
    void M_Fn_Add_Row(std::wstring i_Row)
    {
        m_Rows.push_back(std::move(i_Row));
        ++m_Count;
    }

    // A float as the rows show it ("2", "0.25", "1e-07").
    static std::wstring S_Fn_Float_Text(float i_Value)
    {
        std::wostringstream out;
        out.imbue(std::locale::classic());
        out << i_Value;
        return out.str();
    }

    // The rows in order, and how many there are.
    std::list<std::wstring> m_Rows;
    std::uint32_t m_Count = 0;
};

} // namespace N_Biz::N_Sect
