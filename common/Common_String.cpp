#include "common/Common_String.h"

#include <cerrno>
#include <iconv.h>
#include <vector>

namespace N_Common::N_String {

namespace {

// One iconv converter per thread and direction, opened on first use and kept for the thread's life.
class C_Iconv {
public:
    C_Iconv(const char* i_to, const char* i_from) : m_Cd(iconv_open(i_to, i_from)) {}
    ~C_Iconv()
    {
        if (m_Cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_Cd);
    }
    C_Iconv(const C_Iconv&) = delete;
    C_Iconv& operator=(const C_Iconv&) = delete;

    // Converts as much of the input as the encoding allows; stops silently at the first error.
    // Returns the number of output bytes written into o_out.
    size_t M_Fn_Convert(const char* i_in, size_t i_in_len, std::vector<char>& o_out)
    {
        if (m_Cd == reinterpret_cast<iconv_t>(-1))
            return 0;
        iconv(m_Cd, nullptr, nullptr, nullptr, nullptr); // reset shift state
        char* in = const_cast<char*>(i_in);
        size_t in_left = i_in_len;
        char* out = o_out.data();
        size_t out_left = o_out.size();
        while (in_left > 0) {
            size_t r = iconv(m_Cd, &in, &in_left, &out, &out_left);
            if (r == static_cast<size_t>(-1))
                break; // EILSEQ, EINVAL or E2BIG: what was converted stands
        }
        return o_out.size() - out_left;
    }

private:
    iconv_t m_Cd;
};

C_Iconv& G_Fn_Gbk_To_Wchar()
{
    thread_local C_Iconv cd("WCHAR_T", "GBK");
    return cd;
}

C_Iconv& G_Fn_Wchar_To_Gbk()
{
    thread_local C_Iconv cd("GBK", "WCHAR_T");
    return cd;
}

void G_Fn_Append_UTF8(std::string& o_out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD;
    if (c < 0x80) {
        o_out += static_cast<char>(c);
    } else if (c < 0x800) {
        o_out += static_cast<char>(0xC0 | (c >> 6));
        o_out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        o_out += static_cast<char>(0xE0 | (c >> 12));
        o_out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        o_out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        o_out += static_cast<char>(0xF0 | (c >> 18));
        o_out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        o_out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        o_out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

std::string G_Fn_Trim(std::string_view i_text)
{
    constexpr std::string_view blanks = " \t\r\n";
    size_t first = i_text.find_first_not_of(blanks);
    if (first == std::string_view::npos)
        return std::string();
    size_t last = i_text.find_last_not_of(blanks);
    return std::string(i_text.substr(first, last - first + 1));
}

std::wstring G_Fn_To_Wide(std::string_view i_text)
{
    if (i_text.empty())
        return std::wstring();
    std::vector<char> out((i_text.size() + 1) * sizeof(wchar_t), 0);
    size_t n = G_Fn_Gbk_To_Wchar().M_Fn_Convert(i_text.data(), i_text.size(), out);
    std::wstring result(reinterpret_cast<const wchar_t*>(out.data()), n / sizeof(wchar_t));
    size_t nul = result.find(L'\0');
    if (nul != std::wstring::npos)
        result.resize(nul);
    return result;
}

std::string G_Fn_To_Narrow(std::wstring_view i_text)
{
    if (i_text.empty())
        return std::string();
    std::vector<char> out(i_text.size() * 2 + 1, 0);
    size_t n = G_Fn_Wchar_To_Gbk().M_Fn_Convert(reinterpret_cast<const char*>(i_text.data()),
                                                 i_text.size() * sizeof(wchar_t), out);
    std::string result(out.data(), n);
    size_t nul = result.find('\0');
    if (nul != std::string::npos)
        result.resize(nul);
    return result;
}

std::string G_Fn_To_Narrow_UTF8(std::wstring_view i_text)
{
    std::string out;
    out.reserve(i_text.size());
    for (wchar_t c : i_text)
        G_Fn_Append_UTF8(out, static_cast<char32_t>(c));
    return out;
}

std::wstring G_Fn_To_Wide_UTF8(std::string_view i_text)
{
    std::wstring out;
    out.reserve(i_text.size());
    size_t i = 0;
    const size_t n = i_text.size();
    while (i < n) {
        unsigned char b = static_cast<unsigned char>(i_text[i]);
        char32_t c;
        size_t len;
        if (b < 0x80) {
            c = b;
            len = 1;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            len = 4;
        } else {
            out += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        if (i + len > n) {
            out += static_cast<wchar_t>(0xFFFD);
            break;
        }
        bool ok = true;
        for (size_t k = 1; k < len; ++k) {
            unsigned char cb = static_cast<unsigned char>(i_text[i + k]);
            if ((cb & 0xC0) != 0x80) {
                ok = false;
                len = k;
                break;
            }
            c = (c << 6) | (cb & 0x3F);
        }
        static constexpr char32_t min_for_len[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (!ok || c < min_for_len[len] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = 0xFFFD;
        out += static_cast<wchar_t>(c);
        i += len;
    }
    return out;
}

std::u16string G_Fn_To_UTF16(std::wstring_view i_text)
{
    std::u16string out;
    out.reserve(i_text.size());
    for (wchar_t wc : i_text) {
        char32_t c = static_cast<char32_t>(wc);
        if (c > 0x10FFFF) {
            out += static_cast<char16_t>(0xFFFD);
        } else if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

std::wstring G_Fn_From_UTF16(std::u16string_view i_text)
{
    std::wstring out;
    out.reserve(i_text.size());
    for (size_t i = 0; i < i_text.size(); ++i) {
        char16_t u = i_text[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < i_text.size() && i_text[i + 1] >= 0xDC00 &&
            i_text[i + 1] <= 0xDFFF) {
            char32_t c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) +
                         (static_cast<char32_t>(i_text[i + 1]) - 0xDC00);
            out += static_cast<wchar_t>(c);
            ++i;
        } else {
            out += static_cast<wchar_t>(u);
        }
    }
    return out;
}

} // namespace N_Common::N_String
