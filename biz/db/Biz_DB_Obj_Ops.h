// Value operations by object type: every column value of the model database is created, copied,
// compared, destroyed, written and read without knowing its type at compile time. The column's
// E_Type_Obj selects one record of eleven operations.
//
// Memory. A field is the place a column owns in a row (or in a column's store of default and
// bound values). A direct field holds the value itself; an indirect field holds a pointer to a
// value object created on its own (text values, which are too large to sit in a row). "Value"
// below is the address of the value itself: the field for a direct column, the object the field
// points at for an indirect one (G_Fn_Obj_Value). In memory every value has its natural size here
// (a PVOID or a key is a pointer, 8 bytes); the binary forms keep the file formats' sizes.
//
// Binary forms (little-endian): numbers as their 1, 2, 4 or 8 bytes; PVOID as the low 4 bytes of
// the pointer (the value has no meaning in another run; reading zero-extends it); a narrow text as
// u32 byte count and the bytes (reading stops the text at an embedded NUL); a wide text as u32
// UTF-16 unit count and the units; a key as the int32 position of its row, -256 when it has none.
// Binary readers return 1, or 0 on a short read (the value then keeps what it held, except that a
// text whose bytes fell short is emptied).
//
// Text forms. Writers format numbers without the stream's locale (integers in decimal, floats as
// printf's %g with the stream's precision, UINT8 and INT8 as numbers, PVOID as 0x followed by hex
// digits, 0 for null); keys write the id of their row. Readers skip leading blanks and take the
// longest number at the start of the next word, leaving the rest of the word in the stream, as
// stream extraction does; nothing readable, a number out of range, NaN or infinity set the failbit.
// Real numbers also take the exponent forms of Fortran-style decks: a sign right after the mantissa
// (Nastran's "7.+7" is 7.0E+7) and a D exponent ("2.1D+5").
// UINT8 and UINT16 read an unsigned 32-bit number and keep its low bits (300 -> 44), INT8 and
// INT16 a signed one; unsigned types refuse a minus sign. Texts read the rest of the current line,
// inner and outer blanks kept; the narrow forms of a wide text and the wide forms of a narrow one
// convert with the national code page. Key readers read a signed 32-bit id and make an id key.
// Readers and writers report failure only through the stream state.
#pragma once

#include "biz/db/Biz_DB_Enum.h"
#include "biz/db/Biz_DB_Key.h"
#include "common/Common_Exception.h"
#include "common/Common_Stream_Serialize.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace N_Biz::N_DB {

struct C_Obj_Ops {
    // (field, indirect): indirect -> destroy and free the object the field points at, null the
    // field; direct -> destroy the value in place.
    void (*m_pfn_Destroy)(void* io_p_Field, bool i_Indirect);
    // (field, indirect): indirect -> allocate a value object and store its address in the field
    // (C_Exception from Fn_Obj_Create when memory is exhausted); direct -> construct the value in
    // the field. The value is then empty: 0, null, empty text, empty key.
    void (*m_pfn_Create)(void* io_p_Field, bool i_Indirect);
    // (destination value, source value): assignment (keys: copy-and-swap).
    void (*m_pfn_Copy)(void* o_p_Value, const void* i_p_Value);
    // (a, b, result): result = 1 when a orders before b, else 0.
    void (*m_pfn_Less)(const void* i_p_A, const void* i_p_B, std::uint32_t& o_Result);
    E_Result (*m_pfn_Binary_O)(const void* i_p_Value, std::ostream& ro_Stream);
    E_Result (*m_pfn_Binary_I)(void* io_p_Value, std::istream& ro_Stream);
    void (*m_pfn_Text_O)(const void* i_p_Value, std::ostream& ro_Stream);
    void (*m_pfn_Text_I)(void* io_p_Value, std::istream& ro_Stream);
    void (*m_pfn_WText_O)(const void* i_p_Value, std::wostream& ro_Stream);
    void (*m_pfn_WText_I)(void* io_p_Value, std::wistream& ro_Stream);
    // Size in bytes of the value object in memory.
    std::size_t (*m_pfn_Size)();
    // The binary form of a fixed-size type (every type but the two texts) straight to and from
    // memory, for rows written and read a whole run of columns at a time: the form's size in bytes
    // (0 for a text, which has no fixed form and goes through m_pfn_Binary_O / _I), the encoder
    // (writes m_Binary_Size bytes at o_Bytes) and the decoder (reads them at i_Bytes, as
    // m_pfn_Binary_I would from a stream). Both are null for a text.
    unsigned m_Binary_Size;
    void (*m_pfn_Binary_Put)(const void* i_p_Value, char* o_Bytes);
    void (*m_pfn_Binary_Get)(void* io_p_Value, const char* i_Bytes);
};

namespace N_Impl {
// The records, indexed by E_Type_Obj.
extern const std::array<C_Obj_Ops, G_Type_Obj_Num> G_Obj_Ops_Table;
} // namespace N_Impl

// The record of a type; throws C_Exception for a value outside 0-15. Inline: every value of every
// row passes here when the row is made, copied and destroyed.
inline const C_Obj_Ops& G_Fn_Obj_Ops(E_Type_Obj i_Type)
{
    if (i_Type >= G_Type_Obj_Num)
        VT_THROW("N_Biz::N_DB::G_Fn_Obj_Ops");
    return N_Impl::G_Obj_Ops_Table[i_Type];
}

// The address of the value of a field (the pointed-to object for an indirect field).
inline void* G_Fn_Obj_Value(void* i_p_Field, bool i_Indirect)
{
    return i_Indirect ? *static_cast<void**>(i_p_Field) : i_p_Field;
}
inline const void* G_Fn_Obj_Value(const void* i_p_Field, bool i_Indirect)
{
    return i_Indirect ? *static_cast<void* const*>(i_p_Field) : i_p_Field;
}

// The C++ type of each E_Type_Obj, and back.
template <E_Type_Obj>
struct C_Obj_Type;
template <> struct C_Obj_Type<E_Type_Obj_PVOID> { using type = void*; };
template <> struct C_Obj_Type<E_Type_Obj_UINT8> { using type = std::uint8_t; };
template <> struct C_Obj_Type<E_Type_Obj_UINT16> { using type = std::uint16_t; };
template <> struct C_Obj_Type<E_Type_Obj_UINT32> { using type = std::uint32_t; };
template <> struct C_Obj_Type<E_Type_Obj_UINT64> { using type = std::uint64_t; };
template <> struct C_Obj_Type<E_Type_Obj_INT8> { using type = std::int8_t; };
template <> struct C_Obj_Type<E_Type_Obj_INT16> { using type = std::int16_t; };
template <> struct C_Obj_Type<E_Type_Obj_INT32> { using type = std::int32_t; };
template <> struct C_Obj_Type<E_Type_Obj_INT64> { using type = std::int64_t; };
template <> struct C_Obj_Type<E_Type_Obj_FLOAT32> { using type = float; };
template <> struct C_Obj_Type<E_Type_Obj_FLOAT64> { using type = double; };
template <> struct C_Obj_Type<E_Type_Obj_string> { using type = std::string; };
template <> struct C_Obj_Type<E_Type_Obj_wstring> { using type = std::wstring; };
template <> struct C_Obj_Type<E_Type_Obj_C_Key_Common> { using type = C_Key_Common; };
template <> struct C_Obj_Type<E_Type_Obj_C_Key_C_Material> { using type = C_Key_C_Material; };
template <> struct C_Obj_Type<E_Type_Obj_C_Key_C_Property> { using type = C_Key_C_Property; };

template <class T>
struct C_Obj_Type_Of;
template <> struct C_Obj_Type_Of<void*> { static constexpr E_Type_Obj value = E_Type_Obj_PVOID; };
template <> struct C_Obj_Type_Of<std::uint8_t> { static constexpr E_Type_Obj value = E_Type_Obj_UINT8; };
template <> struct C_Obj_Type_Of<std::uint16_t> { static constexpr E_Type_Obj value = E_Type_Obj_UINT16; };
template <> struct C_Obj_Type_Of<std::uint32_t> { static constexpr E_Type_Obj value = E_Type_Obj_UINT32; };
template <> struct C_Obj_Type_Of<std::uint64_t> { static constexpr E_Type_Obj value = E_Type_Obj_UINT64; };
template <> struct C_Obj_Type_Of<std::int8_t> { static constexpr E_Type_Obj value = E_Type_Obj_INT8; };
template <> struct C_Obj_Type_Of<std::int16_t> { static constexpr E_Type_Obj value = E_Type_Obj_INT16; };
template <> struct C_Obj_Type_Of<std::int32_t> { static constexpr E_Type_Obj value = E_Type_Obj_INT32; };
template <> struct C_Obj_Type_Of<std::int64_t> { static constexpr E_Type_Obj value = E_Type_Obj_INT64; };
template <> struct C_Obj_Type_Of<float> { static constexpr E_Type_Obj value = E_Type_Obj_FLOAT32; };
template <> struct C_Obj_Type_Of<double> { static constexpr E_Type_Obj value = E_Type_Obj_FLOAT64; };
template <> struct C_Obj_Type_Of<std::string> { static constexpr E_Type_Obj value = E_Type_Obj_string; };
template <> struct C_Obj_Type_Of<std::wstring> { static constexpr E_Type_Obj value = E_Type_Obj_wstring; };
template <> struct C_Obj_Type_Of<C_Key_Common> { static constexpr E_Type_Obj value = E_Type_Obj_C_Key_Common; };
template <> struct C_Obj_Type_Of<C_Key_C_Material> { static constexpr E_Type_Obj value = E_Type_Obj_C_Key_C_Material; };
template <> struct C_Obj_Type_Of<C_Key_C_Property> { static constexpr E_Type_Obj value = E_Type_Obj_C_Key_C_Property; };

// Narrow and wide text read through the value table: 1 when the whole text (blanks at its end
// aside) was read into the value, else 0 (the value then holds whatever the reader left). Used for
// the default and bound texts of the schema files.
int G_Fn_Obj_Text_I_Whole(E_Type_Obj i_Type, void* io_p_Value, const std::string& i_Text);

// The field reader of the deck readers, without a stream: the text of one deck field into the
// value. Numbers and keys: blanks at both ends are dropped and the rest must be one number of the
// type as the text readers above take it, to its last character, so "-7.-1" is -0.7 and "12abc"
// or "1.5.2" are refused rather than cut short; an empty or blank text is refused. Texts take the
// field as it stands, blanks included. Returns 1 on success, 0 on refusal (the value unchanged).
// Throws C_Exception only for a type outside 0-15.
int G_Fn_Obj_Text_I_Field(E_Type_Obj i_Type, void* io_p_Value, std::string_view i_Text);

} // namespace N_Biz::N_DB
