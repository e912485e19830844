#include "biz/db/Biz_DB_Obj_Ops.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Common.h"
#include "common/Common_String.h"
#include "common/Common_String_Number.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>
#include <sstream>
#include <string_view>
#include <type_traits>

namespace N_Biz::N_DB {

namespace {

static_assert(std::endian::native == std::endian::little, "the binary forms are written from little-endian memory");

template <class T>
T& G_Fn_Ref(void* i_p_Value)
{
    return *std::launder(static_cast<T*>(i_p_Value));
}
template <class T>
const T& G_Fn_Ref(const void* i_p_Value)
{
    return *std::launder(static_cast<const T*>(i_p_Value));
}

// --- memory -------------------------------------------------------------------------------------

template <class T>
void Fn_Obj_Destroy(void* io_p_Field, bool i_Indirect)
{
    if (i_Indirect) {
        void*& slot = *static_cast<void**>(io_p_Field);
        delete static_cast<T*>(slot);
        slot = nullptr;
    } else {
        G_Fn_Ref<T>(io_p_Field).~T();
    }
}

template <class T>
void Fn_Obj_Create(void* io_p_Field, bool i_Indirect)
{
    if (i_Indirect) {
        T* value = new (std::nothrow) T();
        if (!value)
            VT_THROW("N_Biz::N_DB::Fn_Obj_Create");
        *static_cast<void**>(io_p_Field) = value;
    } else {
        ::new (io_p_Field) T();
    }
}

template <class T>
void Fn_Obj_Copy(void* o_p_Value, const void* i_p_Value)
{
    if constexpr (std::is_same_v<T, C_Key_Common> || std::is_same_v<T, C_Key_C_Material> ||
                  std::is_same_v<T, C_Key_C_Property>)
        Fn_Obj_Key_Assign(G_Fn_Ref<T>(o_p_Value), G_Fn_Ref<T>(i_p_Value));
    else
        G_Fn_Ref<T>(o_p_Value) = G_Fn_Ref<T>(i_p_Value);
}

template <class T>
void Fn_Obj_Less(const void* i_p_A, const void* i_p_B, std::uint32_t& o_Result)
{
    if constexpr (std::is_same_v<T, void*>)
        o_Result = reinterpret_cast<std::uintptr_t>(G_Fn_Ref<T>(i_p_A)) < reinterpret_cast<std::uintptr_t>(G_Fn_Ref<T>(i_p_B));
    else
        o_Result = G_Fn_Ref<T>(i_p_A) < G_Fn_Ref<T>(i_p_B) ? 1u : 0u;
}

template <class T>
std::size_t Fn_Obj_Size()
{
    return sizeof(T);
}

// --- binary forms -------------------------------------------------------------------------------

// Writes the low i_Bytes bytes of i_Bits, least significant first.
E_Result G_Fn_Bytes_O(std::ostream& ro_Stream, std::uint64_t i_Bits, unsigned i_Bytes)
{
    char bytes[8];
    for (unsigned i = 0; i < i_Bytes; ++i)
        bytes[i] = static_cast<char>((i_Bits >> (8 * i)) & 0xFF);
    N_Common::N_Stream::N_Impl::G_Fn_Write_Raw(ro_Stream, bytes, i_Bytes);
    return ro_Stream.fail() ? E_Result_Stream_Failure : E_Result_Success;
}

// Reads i_Bytes bytes, least significant first; 0 on a short read.
E_Result G_Fn_Bytes_I(std::istream& ro_Stream, std::uint64_t& o_Bits, unsigned i_Bytes)
{
    unsigned char bytes[8];
    if (!N_Common::N_Stream::N_Impl::G_Fn_Read_Raw(ro_Stream, reinterpret_cast<char*>(bytes), i_Bytes))
        return E_Result_Stream_Failure;
    o_Bits = 0;
    for (unsigned i = 0; i < i_Bytes; ++i)
        o_Bits |= std::uint64_t(bytes[i]) << (8 * i);
    return E_Result_Success;
}

template <class T>
std::uint64_t G_Fn_Bits(T i_Value)
{
    if constexpr (std::is_same_v<T, float>)
        return std::bit_cast<std::uint32_t>(i_Value);
    else if constexpr (std::is_same_v<T, double>)
        return std::bit_cast<std::uint64_t>(i_Value);
    else
        return static_cast<std::uint64_t>(static_cast<std::make_unsigned_t<T>>(i_Value));
}

template <class T>
T G_Fn_From_Bits(std::uint64_t i_Bits)
{
    if constexpr (std::is_same_v<T, float>)
        return std::bit_cast<float>(static_cast<std::uint32_t>(i_Bits));
    else if constexpr (std::is_same_v<T, double>)
        return std::bit_cast<double>(i_Bits);
    else
        return static_cast<T>(static_cast<std::make_unsigned_t<T>>(i_Bits));
}

template <class T>
E_Result Fn_Obj_Binary_O(const void* i_p_Value, std::ostream& ro_Stream)
{
    if constexpr (std::is_same_v<T, void*>)
        // Only the low 4 bytes: the row format was fixed with 4-byte pointers.
        return G_Fn_Bytes_O(ro_Stream, reinterpret_cast<std::uintptr_t>(G_Fn_Ref<T>(i_p_Value)) & 0xFFFFFFFFu, 4);
    else if constexpr (std::is_same_v<T, std::string>)
        return N_Common::N_Stream::G_Fn_Serialize_string_O(ro_Stream, G_Fn_Ref<T>(i_p_Value));
    else if constexpr (std::is_same_v<T, std::wstring>)
        return N_Common::N_Stream::G_Fn_Serialize_wstring_O(ro_Stream, G_Fn_Ref<T>(i_p_Value));
    else if constexpr (std::is_arithmetic_v<T>)
        return G_Fn_Bytes_O(ro_Stream, G_Fn_Bits(G_Fn_Ref<T>(i_p_Value)), sizeof(T));
    else // keys
        return G_Fn_Bytes_O(ro_Stream, G_Fn_Bits<std::int32_t>(G_Fn_Ref<T>(i_p_Value).M_Fn_Get_o_T_Pos_Any()), 4);
}

template <class T>
E_Result Fn_Obj_Binary_I(void* io_p_Value, std::istream& ro_Stream)
{
    if constexpr (std::is_same_v<T, std::string>) {
        std::string text;
        const E_Result result = N_Common::N_Stream::G_Fn_Serialize_string_I(ro_Stream, text);
        if (result != E_Result_Success)
            return result;
        // The text ends at its first NUL byte, as a terminated text would.
        const std::size_t nul = text.find('\0');
        if (nul != std::string::npos)
            text.resize(nul);
        G_Fn_Ref<T>(io_p_Value) = std::move(text);
        return E_Result_Success;
    } else if constexpr (std::is_same_v<T, std::wstring>) {
        return N_Common::N_Stream::G_Fn_Serialize_wstring_I(ro_Stream, G_Fn_Ref<T>(io_p_Value));
    } else {
        constexpr unsigned bytes = (std::is_same_v<T, void*> || !std::is_arithmetic_v<T>) ? 4 : sizeof(T);
        std::uint64_t bits = 0;
        if (G_Fn_Bytes_I(ro_Stream, bits, bytes) != E_Result_Success)
            return E_Result_Stream_Failure;
        if constexpr (std::is_same_v<T, void*>)
            G_Fn_Ref<T>(io_p_Value) = reinterpret_cast<void*>(static_cast<std::uintptr_t>(bits));
        else if constexpr (std::is_arithmetic_v<T>)
            G_Fn_Ref<T>(io_p_Value) = G_Fn_From_Bits<T>(bits);
        else // keys: an id key, turned into a reference by the row layer after loading
            G_Fn_Ref<T>(io_p_Value) = T(G_Fn_From_Bits<std::int32_t>(bits));
        return E_Result_Success;
    }
}

// The fixed binary forms in memory (see C_Obj_Ops::m_Binary_Size): the same bytes as the stream
// forms above.
template <class T>
constexpr unsigned G_Binary_Size =
    (std::is_same_v<T, std::string> || std::is_same_v<T, std::wstring>) ? 0
    : (std::is_same_v<T, void*> || !std::is_arithmetic_v<T>)             ? 4
                                                                          : unsigned(sizeof(T));

template <class T>
void Fn_Obj_Binary_Put(const void* i_p_Value, char* o_Bytes)
{
    if constexpr (G_Binary_Size<T> != 0) {
        std::uint64_t bits = 0;
        if constexpr (std::is_same_v<T, void*>)
            bits = reinterpret_cast<std::uintptr_t>(G_Fn_Ref<T>(i_p_Value)) & 0xFFFFFFFFu;
        else if constexpr (std::is_arithmetic_v<T>)
            bits = G_Fn_Bits(G_Fn_Ref<T>(i_p_Value));
        else
            bits = G_Fn_Bits<std::int32_t>(G_Fn_Ref<T>(i_p_Value).M_Fn_Get_o_T_Pos_Any());
        for (unsigned i = 0; i < G_Binary_Size<T>; ++i)
            o_Bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
}

template <class T>
void Fn_Obj_Binary_Get(void* io_p_Value, const char* i_Bytes)
{
    if constexpr (G_Binary_Size<T> != 0) {
        std::uint64_t bits = 0;
        for (unsigned i = 0; i < G_Binary_Size<T>; ++i)
            bits |= std::uint64_t(static_cast<unsigned char>(i_Bytes[i])) << (8 * i);
        if constexpr (std::is_same_v<T, void*>)
            G_Fn_Ref<T>(io_p_Value) = reinterpret_cast<void*>(static_cast<std::uintptr_t>(bits));
        else if constexpr (std::is_arithmetic_v<T>)
            G_Fn_Ref<T>(io_p_Value) = G_Fn_From_Bits<T>(bits);
        else
            G_Fn_Ref<T>(io_p_Value) = T(G_Fn_From_Bits<std::int32_t>(bits));
    }
}

// --- text forms ---------------------------------------------------------------------------------

using N_Common::N_String::G_Fn_Is_Blank;

// Longest word a number reader looks at; what follows stays in the stream.
constexpr std::size_t G_Token_Max = 512;

// The number at the start of the next word, as stream extraction takes it: i_Parse gets the word
// (non-ASCII characters replaced by DEL, which no number contains) and returns how many leading
// characters form the number (0: none). Those are consumed; the rest of the word is put back.
// Nothing readable sets the failbit; reaching the end of the stream sets the eofbit.
template <class Ch, class F>
void G_Fn_Number_I(std::basic_istream<Ch>& ro_Stream, F i_Parse)
{
    using traits = typename std::basic_istream<Ch>::traits_type;
    typename std::basic_istream<Ch>::sentry guard(ro_Stream);
    if (!guard)
        return;
    std::basic_streambuf<Ch>* buffer = ro_Stream.rdbuf();
    std::string word;
    bool at_end = false;
    while (word.size() < G_Token_Max) {
        const typename traits::int_type c = buffer->sgetc();
        if (traits::eq_int_type(c, traits::eof())) {
            at_end = true;
            break;
        }
        const Ch ch = traits::to_char_type(c);
        if (G_Fn_Is_Blank(ch))
            break;
        const auto code = static_cast<std::make_unsigned_t<Ch>>(ch);
        word.push_back(code < 0x80 ? static_cast<char>(code) : '\x7F');
        buffer->sbumpc();
    }
    const std::size_t used = word.empty() ? 0 : i_Parse(word);
    for (std::size_t i = word.size(); i > used; --i)
        buffer->sungetc();
    if (used == 0)
        ro_Stream.setstate(std::ios_base::failbit);
    if (at_end && used == word.size())
        ro_Stream.setstate(std::ios_base::eofbit);
}

// Parses an integer of type P at the start of i_Word (a leading '+' allowed; a '-' only for signed
// P); returns the characters used, 0 when none or out of range.
template <class P>
std::size_t G_Fn_Parse_Integer(std::string_view i_Word, P& o_Value)
{
    const char* first = i_Word.data();
    const char* last = first + i_Word.size();
    const char* p = first;
    if (p < last && *p == '+')
        ++p;
    if (p < last && *p == '-' && (p != first || std::is_unsigned_v<P>))
        return 0;
    const auto [end, error] = std::from_chars(p, last, o_Value, 10);
    if (error != std::errc())
        return 0;
    return static_cast<std::size_t>(end - first);
}

// Parses a real number at the start of i_Word. Besides the usual forms it reads the exponent forms
// of Fortran-style decks: a sign right after the mantissa ("7.+7", "1.5-3", Nastran's implicit
// exponent) and a D exponent ("2.1D+5"); stopping at the sign would silently give 7 for 7.+7.
template <class P>
std::size_t G_Fn_Parse_Float(std::string_view i_Word, P& o_Value)
{
    const char* first = i_Word.data();
    const char* last = first + i_Word.size();
    const char* p = first;
    if (p < last && *p == '+')
        ++p;
    if (p < last && *p == '-' && p != first)
        return 0;
    P value{};
    auto [end, error] = std::from_chars(p, last, value, std::chars_format::general);
    if (error != std::errc() || !std::isfinite(value))
        return 0;
    const std::string_view mantissa(p, static_cast<std::size_t>(end - p));
    const bool has_exponent = mantissa.find_first_of("eE") != std::string_view::npos;
    const bool is_digits = mantissa.find_first_of("0123456789") != std::string_view::npos;
    if (!has_exponent && is_digits && end < last) {
        const char* exponent = end;
        if (*exponent == 'D' || *exponent == 'd')
            ++exponent;
        const char* digits = exponent < last && (*exponent == '+' || *exponent == '-') ? exponent + 1 : exponent;
        const bool sign_only = exponent == end; // "7.+7": the sign itself starts the exponent
        if ((!sign_only || digits > exponent) && digits < last && *digits >= '0' && *digits <= '9') {
            const char* stop = digits;
            while (stop < last && *stop >= '0' && *stop <= '9')
                ++stop;
            const std::string text = std::string(p, end) + "e" + std::string(exponent, stop);
            P scaled{};
            const auto result = std::from_chars(text.data(), text.data() + text.size(), scaled, std::chars_format::general);
            if (result.ec != std::errc() || result.ptr != text.data() + text.size() || !std::isfinite(scaled))
                return 0;
            value = scaled;
            end = stop;
        }
    }
    o_Value = value;
    return static_cast<std::size_t>(end - first);
}

std::size_t G_Fn_Parse_Pointer(std::string_view i_Word, void*& o_Value)
{
    std::uintptr_t bits = 0;
    const char* first = i_Word.data();
    const char* last = first + i_Word.size();
    const char* p = first;
    if (last - p >= 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
        p += 2;
    const auto [end, error] = std::from_chars(p, last, bits, 16);
    if (error != std::errc())
        return 0;
    o_Value = reinterpret_cast<void*>(bits);
    return static_cast<std::size_t>(end - first);
}

// Reads a number of the column's type T from a narrow or wide stream into the value.
template <class T, class Ch>
void G_Fn_Text_Number_I(void* io_p_Value, std::basic_istream<Ch>& ro_Stream)
{
    G_Fn_Number_I(ro_Stream, [&](const std::string& word) -> std::size_t {
        if constexpr (std::is_same_v<T, void*>) {
            return G_Fn_Parse_Pointer(word, G_Fn_Ref<T>(io_p_Value));
        } else if constexpr (std::is_floating_point_v<T>) {
            return G_Fn_Parse_Float(word, G_Fn_Ref<T>(io_p_Value));
        } else if constexpr (std::is_same_v<T, std::uint8_t> || std::is_same_v<T, std::uint16_t>) {
            std::uint32_t wide = 0;
            const std::size_t used = G_Fn_Parse_Integer(word, wide);
            if (used)
                G_Fn_Ref<T>(io_p_Value) = static_cast<T>(wide); // the low bits
            return used;
        } else if constexpr (std::is_same_v<T, std::int8_t> || std::is_same_v<T, std::int16_t>) {
            std::int32_t wide = 0;
            const std::size_t used = G_Fn_Parse_Integer(word, wide);
            if (used)
                G_Fn_Ref<T>(io_p_Value) = static_cast<T>(static_cast<std::make_unsigned_t<T>>(wide)); // the low bits
            return used;
        } else if constexpr (std::is_integral_v<T>) {
            T value{};
            const std::size_t used = G_Fn_Parse_Integer(word, value);
            if (used)
                G_Fn_Ref<T>(io_p_Value) = value;
            return used;
        } else { // keys: an id key
            std::int32_t id = 0;
            const std::size_t used = G_Fn_Parse_Integer(word, id);
            if (used)
                G_Fn_Ref<T>(io_p_Value) = T(id);
            return used;
        }
    });
}

// The number as text, without the locale.
template <class T>
std::string G_Fn_Text_Number(const T& i_Value, std::streamsize i_Precision)
{
    char buffer[128];
    std::to_chars_result result{buffer, std::errc()};
    if constexpr (std::is_same_v<T, void*>) {
        const auto bits = reinterpret_cast<std::uintptr_t>(i_Value);
        if (bits == 0)
            return "0";
        buffer[0] = '0';
        buffer[1] = 'x';
        result = std::to_chars(buffer + 2, std::end(buffer), bits, 16);
    } else if constexpr (std::is_floating_point_v<T>) {
        const int precision = i_Precision <= 0 ? 1 : static_cast<int>(std::min<std::streamsize>(i_Precision, 60));
        result = std::to_chars(buffer, std::end(buffer), i_Value, std::chars_format::general, precision);
    } else if constexpr (std::is_integral_v<T>) {
        // UINT8 and INT8 as numbers, never as characters.
        if constexpr (std::is_signed_v<T>)
            result = std::to_chars(buffer, std::end(buffer), static_cast<std::int64_t>(i_Value));
        else
            result = std::to_chars(buffer, std::end(buffer), static_cast<std::uint64_t>(i_Value));
    } else { // keys
        result = std::to_chars(buffer, std::end(buffer), static_cast<std::int64_t>(i_Value.M_Fn_Get_o_T_Key_Any()));
    }
    return std::string(buffer, result.ptr);
}

template <class T>
void Fn_Obj_Text_O(const void* i_p_Value, std::ostream& ro_Stream)
{
    if constexpr (std::is_same_v<T, std::string>)
        ro_Stream << G_Fn_Ref<T>(i_p_Value);
    else if constexpr (std::is_same_v<T, std::wstring>)
        ro_Stream << N_Common::N_String::G_Fn_To_Narrow(G_Fn_Ref<T>(i_p_Value));
    else
        ro_Stream << G_Fn_Text_Number(G_Fn_Ref<T>(i_p_Value), ro_Stream.precision());
}

template <class T>
void Fn_Obj_WText_O(const void* i_p_Value, std::wostream& ro_Stream)
{
    if constexpr (std::is_same_v<T, std::string>) {
        ro_Stream << N_Common::N_String::G_Fn_To_Wide(G_Fn_Ref<T>(i_p_Value));
    } else if constexpr (std::is_same_v<T, std::wstring>) {
        ro_Stream << G_Fn_Ref<T>(i_p_Value);
    } else {
        const std::string text = G_Fn_Text_Number(G_Fn_Ref<T>(i_p_Value), ro_Stream.precision());
        ro_Stream << std::wstring(text.begin(), text.end());
    }
}

template <class T>
void Fn_Obj_Text_I(void* io_p_Value, std::istream& ro_Stream)
{
    if constexpr (std::is_same_v<T, std::string>) {
        std::getline(ro_Stream, G_Fn_Ref<T>(io_p_Value));
    } else if constexpr (std::is_same_v<T, std::wstring>) {
        std::string line;
        if (std::getline(ro_Stream, line))
            G_Fn_Ref<T>(io_p_Value) = N_Common::N_String::G_Fn_To_Wide(line);
    } else {
        G_Fn_Text_Number_I<T>(io_p_Value, ro_Stream);
    }
}

template <class T>
void Fn_Obj_WText_I(void* io_p_Value, std::wistream& ro_Stream)
{
    if constexpr (std::is_same_v<T, std::wstring>) {
        std::getline(ro_Stream, G_Fn_Ref<T>(io_p_Value));
    } else if constexpr (std::is_same_v<T, std::string>) {
        std::wstring line;
        if (std::getline(ro_Stream, line))
            G_Fn_Ref<T>(io_p_Value) = N_Common::N_String::G_Fn_To_Narrow(line);
    } else {
        G_Fn_Text_Number_I<T>(io_p_Value, ro_Stream);
    }
}

// Whole-field text reader of one type (see G_Fn_Obj_Text_I_Field).
template <class T>
int Fn_Obj_Text_I_Field(void* io_p_Value, std::string_view i_Text)
{
    if constexpr (std::is_same_v<T, std::string>) {
        G_Fn_Ref<T>(io_p_Value).assign(i_Text.data(), i_Text.size());
        return 1;
    } else if constexpr (std::is_same_v<T, std::wstring>) {
        G_Fn_Ref<T>(io_p_Value) = N_Common::N_String::G_Fn_To_Wide(std::string(i_Text));
        return 1;
    } else {
        i_Text = N_Common::N_String::G_Fn_Trim_Blank(i_Text);
        if (i_Text.empty() || i_Text.size() > G_Token_Max)
            return 0;
        std::size_t used = 0;
        if constexpr (std::is_same_v<T, void*>) {
            void* value = nullptr;
            used = G_Fn_Parse_Pointer(i_Text, value);
            if (used == i_Text.size())
                G_Fn_Ref<T>(io_p_Value) = value;
        } else if constexpr (std::is_floating_point_v<T>) {
            T value{};
            used = G_Fn_Parse_Float(i_Text, value);
            if (used == i_Text.size())
                G_Fn_Ref<T>(io_p_Value) = value;
        } else if constexpr (std::is_same_v<T, std::uint8_t> || std::is_same_v<T, std::uint16_t>) {
            std::uint32_t wide = 0;
            used = G_Fn_Parse_Integer(i_Text, wide);
            if (used == i_Text.size())
                G_Fn_Ref<T>(io_p_Value) = static_cast<T>(wide); // the low bits, as the stream reader
        } else if constexpr (std::is_same_v<T, std::int8_t> || std::is_same_v<T, std::int16_t>) {
            std::int32_t wide = 0;
            used = G_Fn_Parse_Integer(i_Text, wide);
            if (used == i_Text.size())
                G_Fn_Ref<T>(io_p_Value) = static_cast<T>(static_cast<std::make_unsigned_t<T>>(wide));
        } else if constexpr (std::is_integral_v<T>) {
            T value{};
            used = G_Fn_Parse_Integer(i_Text, value);
            if (used == i_Text.size())
                G_Fn_Ref<T>(io_p_Value) = value;
        } else { // keys: an id key
            std::int32_t id = 0;
            used = G_Fn_Parse_Integer(i_Text, id);
            if (used == i_Text.size())
                G_Fn_Ref<T>(io_p_Value) = T(id);
        }
        return used == i_Text.size() ? 1 : 0;
    }
}

using T_pfn_Text_I_Field = int (*)(void*, std::string_view);

template <E_Type_Obj E>
constexpr T_pfn_Text_I_Field G_Fn_Text_I_Field_Of()
{
    return &Fn_Obj_Text_I_Field<typename C_Obj_Type<E>::type>;
}

// Indexed by E_Type_Obj.
const std::array<T_pfn_Text_I_Field, G_Type_Obj_Num> G_Text_I_Field = {
    G_Fn_Text_I_Field_Of<E_Type_Obj_PVOID>(),        G_Fn_Text_I_Field_Of<E_Type_Obj_UINT8>(),
    G_Fn_Text_I_Field_Of<E_Type_Obj_UINT16>(),       G_Fn_Text_I_Field_Of<E_Type_Obj_UINT32>(),
    G_Fn_Text_I_Field_Of<E_Type_Obj_UINT64>(),       G_Fn_Text_I_Field_Of<E_Type_Obj_INT8>(),
    G_Fn_Text_I_Field_Of<E_Type_Obj_INT16>(),        G_Fn_Text_I_Field_Of<E_Type_Obj_INT32>(),
    G_Fn_Text_I_Field_Of<E_Type_Obj_INT64>(),        G_Fn_Text_I_Field_Of<E_Type_Obj_FLOAT32>(),
    G_Fn_Text_I_Field_Of<E_Type_Obj_FLOAT64>(),      G_Fn_Text_I_Field_Of<E_Type_Obj_string>(),
    G_Fn_Text_I_Field_Of<E_Type_Obj_wstring>(),      G_Fn_Text_I_Field_Of<E_Type_Obj_C_Key_Common>(),
    G_Fn_Text_I_Field_Of<E_Type_Obj_C_Key_C_Material>(), G_Fn_Text_I_Field_Of<E_Type_Obj_C_Key_C_Property>(),
};

template <E_Type_Obj E>
constexpr C_Obj_Ops G_Fn_Ops_Of()
{
    using T = typename C_Obj_Type<E>::type;
    constexpr bool fixed = G_Binary_Size<T> != 0;
    return C_Obj_Ops{&Fn_Obj_Destroy<T>,   &Fn_Obj_Create<T>, &Fn_Obj_Copy<T>,   &Fn_Obj_Less<T>,
                     &Fn_Obj_Binary_O<T>,  &Fn_Obj_Binary_I<T>, &Fn_Obj_Text_O<T>, &Fn_Obj_Text_I<T>,
                     &Fn_Obj_WText_O<T>,   &Fn_Obj_WText_I<T>, &Fn_Obj_Size<T>,
                     G_Binary_Size<T>,     fixed ? &Fn_Obj_Binary_Put<T> : nullptr,
                     fixed ? &Fn_Obj_Binary_Get<T> : nullptr};
}

} // namespace

// Indexed by E_Type_Obj.
const std::array<C_Obj_Ops, G_Type_Obj_Num> N_Impl::G_Obj_Ops_Table = {
    G_Fn_Ops_Of<E_Type_Obj_PVOID>(),        G_Fn_Ops_Of<E_Type_Obj_UINT8>(),
    G_Fn_Ops_Of<E_Type_Obj_UINT16>(),       G_Fn_Ops_Of<E_Type_Obj_UINT32>(),
    G_Fn_Ops_Of<E_Type_Obj_UINT64>(),       G_Fn_Ops_Of<E_Type_Obj_INT8>(),
    G_Fn_Ops_Of<E_Type_Obj_INT16>(),        G_Fn_Ops_Of<E_Type_Obj_INT32>(),
    G_Fn_Ops_Of<E_Type_Obj_INT64>(),        G_Fn_Ops_Of<E_Type_Obj_FLOAT32>(),
    G_Fn_Ops_Of<E_Type_Obj_FLOAT64>(),      G_Fn_Ops_Of<E_Type_Obj_string>(),
    G_Fn_Ops_Of<E_Type_Obj_wstring>(),      G_Fn_Ops_Of<E_Type_Obj_C_Key_Common>(),
    G_Fn_Ops_Of<E_Type_Obj_C_Key_C_Material>(), G_Fn_Ops_Of<E_Type_Obj_C_Key_C_Property>(),
};

int G_Fn_Obj_Text_I_Whole(E_Type_Obj i_Type, void* io_p_Value, const std::string& i_Text)
{
    std::istringstream stream(i_Text);
    G_Fn_Obj_Ops(i_Type).m_pfn_Text_I(io_p_Value, stream);
    if (stream.fail())
        return 0;
    return N_Common::N_String::G_Fn_Rest_Is_Blank(stream) ? 1 : 0;
}

int G_Fn_Obj_Text_I_Field(E_Type_Obj i_Type, void* io_p_Value, std::string_view i_Text)
{
    if (i_Type >= G_Type_Obj_Num)
        VT_THROW("N_Biz::N_DB::G_Fn_Obj_Text_I_Field");
    return G_Text_I_Field[i_Type](io_p_Value, i_Text);
}

} // namespace N_Biz::N_DB
