#include "biz/proj/Biz_Proj_Context_Stream_Format_BEA_I.h"

#include "app/App.h"
#include "common/Common_Exception.h"
#include "common/Common_Stream_Serialize.h"
#include "common/Common_String.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace N_Biz::N_Proj {

namespace {

bool G_Fn_Is_Space(char i_Char)
{
    return i_Char == ' ' || i_Char == '\t' || i_Char == '\n' || i_Char == '\r' || i_Char == '\v' || i_Char == '\f';
}

} // namespace

void C_Context_Stream_Format_BEA_I::Fn_I_Line()
{
    for (;;) {
        if (!std::getline(m_Stream, m_Line)) {
            m_Line.clear();
            ++m_Count_Line;
            M_Fn_Fail(L"Unexpected end of file.", "N_Biz::N_Proj::C_Context_Stream_Format_BEA_I::Fn_I_Line", __FILE__,
                      __LINE__);
        }
        ++m_Count_Line;
        // A line end written as CR LF: the CR is no column.
        if (!m_Line.empty() && m_Line.back() == '\r')
            m_Line.pop_back();
        if (m_Line.empty() || m_Line.front() != '$')
            return;
    }
}

void C_Context_Stream_Format_BEA_I::M_Fn_Field_Take(std::size_t i_Width, std::string& ro_Field)
{
    if (m_Line.size() <= i_Width) {
        ro_Field.swap(m_Line);
        m_Line.clear();
        return;
    }
    ro_Field.assign(m_Line, 0, i_Width);
    m_Line.erase(0, i_Width);
}

std::string_view C_Context_Stream_Format_BEA_I::M_Fn_Token(std::size_t i_Width)
{
    M_Fn_Field_Take(i_Width, m_Field);
    std::string_view text(m_Field);
    while (!text.empty() && G_Fn_Is_Space(text.front()))
        text.remove_prefix(1);
    return text;
}

void C_Context_Stream_Format_BEA_I::M_Fn_Token_Int(std::size_t i_Width, std::int32_t& io_Value)
{
    std::string_view text = M_Fn_Token(i_Width);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Digits as a stream would take them, saturating like it.
    std::int64_t value = 0;
    std::size_t digits = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        value = std::min<std::int64_t>(value * 10 + (text[digits] - '0'), std::int64_t(1) << 40);
        ++digits;
    }
    if (digits == 0)
        return;
    value = negative ? -value : value;
    value = std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    io_Value = static_cast<std::int32_t>(value);
}

void C_Context_Stream_Format_BEA_I::M_Fn_Token_Float(float& io_Value)
{
    std::string_view text = M_Fn_Token(10);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // A number starts with a digit or a point followed by one (no "inf" or "nan" here).
    if (text.empty() || !((text[0] >= '0' && text[0] <= '9') || (text[0] == '.' && text.size() > 1 && text[1] >= '0' && text[1] <= '9')))
        return;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (end == text.data())
        return;
    if (error == std::errc::result_out_of_range) {
        // Beyond a double only by its exponent: a negative one gives 0, a positive one the
        // largest float.
        const std::string_view number(text.data(), static_cast<std::size_t>(end - text.data()));
        const std::size_t e = number.find_first_of("eE");
        value = (e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-') ? 0.0 : std::numeric_limits<float>::max();
    }
    value = std::min<double>(std::fabs(value), std::numeric_limits<float>::max());
    io_Value = static_cast<float>(negative ? -value : value);
}

void C_Context_Stream_Format_BEA_I::M_Fn_Field(std::size_t i_Width, std::string& o_Text)
{
    M_Fn_Field_Take(i_Width, m_Field);
    o_Text = N_Common::N_String::G_Fn_Trim(m_Field);
}

void C_Context_Stream_Format_BEA_I::M_Fn_Block_Code_Get(std::int32_t& io_Code)
{
    for (;;) {
        Fn_I_Line();
        std::string head;
        M_Fn_Field(8, head);
        if (head.empty())
            break;
    }
    M_Fn_Token_Int(2, io_Code);
}

void C_Context_Stream_Format_BEA_I::M_Fn_Count_Check(std::int32_t i_Count)
{
    if (i_Count < 0 || !N_Common::N_Stream::N_Impl::G_Fn_Stream_May_Hold(m_Stream, static_cast<std::uint64_t>(i_Count)))
        M_Fn_Fail(L"Invalid count.", "N_Biz::N_Proj::C_Context_Stream_Format_BEA_I::M_Fn_Count_Check", __FILE__, __LINE__);
}

void C_Context_Stream_Format_BEA_I::M_Fn_Fail(const wchar_t* i_Text, const char* i_Function, const char* i_File,
                                               int i_Line) const
{
    M_Fn_Refuse(i_Text);
    throw N_Common::N_Exception::C_Exception(i_Function, i_File, i_Line);
}

std::uint32_t C_Context_Stream_Format_BEA_I::M_Fn_Refuse(const std::wstring& i_Text) const
{
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_Msg(L"Line: " + std::to_wstring(m_Count_Line) + L", Error: " + i_Text);
    return 0;
}

} // namespace N_Biz::N_Proj
