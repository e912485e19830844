// Binary stream serialization: the byte layout of the project file's containers, strings and
// primitives, around element readers and writers that each object type supplies.
//
// Design note. Every reader (_I) and writer (_O) returns an E_Result:
//   1   success;
//   0   the stream failed (a short read, or input refused as impossible, see below);
//   any other value comes from an element callable and is passed up unchanged, ending the
//   operation at once.
// Stream failure is never thrown: the target keeps what was read before the failure (partly filled
// containers stay partly filled) and the caller decides what a failed file means. Programming
// errors throw N_Common::N_Exception::C_Exception: an empty callable, a vector whose first index
// does not match the target, an end index beyond the stated size, a slot index that occurs twice.
//
// Byte layouts (little-endian, no padding; u8/u32 = unsigned of 1/4 bytes):
//   4-byte value     its 4 bytes (int32, uint32, float)
//   narrow string    u32 byte count, the bytes
//   wide string      u32 count of UTF-16 code units, the units (2 bytes each), no terminator
//   owning pointer   u8 absent flag (1 = no object, nothing follows; 0 = the object follows)
//   typed pointer    u8 absent flag; when 0, what the type writer writes, then the data
//   slotvec<T>       u32 slot count (slot 0 and free slots included); per slot in use from index 1
//                    up: u8 0, u32 index, the element; a closing u8 1 (slot 0 is never written)
//   std::vector<T>   u32 size, u32 first index (0), u32 end index (= size), the elements
//   std::list<T>     u32 count, the elements in order
//   std::map<K,V>    u32 count, the entries in key order, each as a pair
//   std::pair<A,B>   first, then second
//
// Everything read from a stream is untrusted, so a hostile or damaged file can neither exhaust
// memory nor hang the reader:
//   - a count or length that cannot fit in what is left of a seekable stream (one byte per
//     element at least) is refused before anything is allocated;
//   - capacity is reserved only for elements about to be read, never for a count merely
//     claimed, and at most G_Reserve_Bytes_Max ahead unless the stream certainly holds a byte for
//     every G_Reserve_Memory_Per_Byte bytes reserved, so on a stream that cannot tell its length
//     a container only grows as its elements really arrive;
//   - strings are read in pieces of G_String_Piece bytes, so a lying length ends at the short read;
//   - a slot table may hold at most G_Slot_Count_Max slots, and a slot index must be below the
//     stored slot count; the free slots that tables create below the indices they read cost no
//     bytes, so a whole file's reader can bound them together with a C_Slot_Gap_Budget;
//   - an element reader that reports success while leaving the stream failed counts as a failure,
//     so a careless element reader cannot spin through a huge count on a dead stream.
// A refused input sets the stream's failbit as a short read would, so the stream state always
// agrees with a result of 0.
//
// Writers return 0 when the stream is in a failed state after writing (for instance a full disk),
// so a failed save is never reported as a success.
#pragma once

#include "common/Common_Container_slotvec.h"
#include "common/Common_Exception.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <istream>
#include <list>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// Result of every stream reader, writer and element callable. An int32 rather than a closed
// enumeration, because element callables may pass up any other value unchanged.
using E_Result = std::int32_t;
inline constexpr E_Result E_Result_Stream_Failure = 0; // the stream failed or the input was refused
inline constexpr E_Result E_Result_Success = 1;

namespace N_Common::N_Stream {

// Element callables. Functions, lambdas and bound member functions are passed alike.
template <class T>
using T_Fn_Reader = std::function<E_Result(std::istream&, T&)>;
template <class T>
using T_Fn_Writer = std::function<E_Result(std::ostream&, const T&)>;
// Reads what a type writer wrote and returns a new object of the right class, or none.
template <class T>
using T_Fn_Creator = std::function<std::unique_ptr<T>(std::istream&)>;

// Most slots a slot table read from a stream may have (gap slots cost memory but no bytes).
inline constexpr std::uint32_t G_Slot_Count_Max = 1u << 22;
// Most bytes of capacity a reader reserves ahead of the elements it has actually read.
inline constexpr std::size_t G_Reserve_Bytes_Max = std::size_t(1) << 20;
// Strings are read in pieces of this many bytes.
inline constexpr std::size_t G_String_Piece = std::size_t(1) << 17;

// While one lives, the slot table readers of this thread may create at most i_Slots free slots in
// all (the gap below an index read beyond a table's end). A reader that would exceed it refuses
// its input. Budgets nest: the innermost one counts. Without any, only G_Slot_Count_Max bounds a
// table. Not to be moved or copied; create and destroy in the same scope.
class C_Slot_Gap_Budget {
public:
    explicit C_Slot_Gap_Budget(std::uint64_t i_Slots) noexcept;
    C_Slot_Gap_Budget(const C_Slot_Gap_Budget&) = delete;
    C_Slot_Gap_Budget& operator=(const C_Slot_Gap_Budget&) = delete;
    ~C_Slot_Gap_Budget();

    // Takes i_Slots free slots from this thread's budget: true, or false with nothing taken when it
    // holds fewer. True when no budget lives.
    static bool S_Fn_Take(std::uint64_t i_Slots) noexcept;

private:
    std::uint64_t m_Left;
    C_Slot_Gap_Budget* m_p_Outer;
};

namespace N_Impl {

template <class T>
concept C_Four_Byte = sizeof(T) == 4 && std::is_trivially_copyable_v<T> && (std::is_arithmetic_v<T> || std::is_enum_v<T>);

template <class T>
concept C_Four_Float = sizeof(T) == 16 && std::is_trivially_copyable_v<T>;

// False only when the stream certainly holds fewer than i_Bytes more bytes (what is buffered,
// or for a seekable stream its end minus the read position). A stream that cannot tell may hold
// anything. Leaves the read position and the stream state as they were.
bool G_Fn_Stream_May_Hold(std::istream& ro_Stream, std::uint64_t i_Bytes);

// Sets the failbit and returns 0: the input was refused as impossible.
E_Result G_Fn_Refuse(std::istream& ro_Stream);

// How many elements of i_Element_Size bytes a reader may reserve for i_Count announced ones.
inline std::size_t G_Fn_Reserve_Count(std::uint64_t i_Count, std::size_t i_Element_Size)
{
    const std::size_t cap = std::max<std::size_t>(1, G_Reserve_Bytes_Max / std::max<std::size_t>(1, i_Element_Size));
    return static_cast<std::size_t>(std::min<std::uint64_t>(i_Count, cap));
}

// The bytes that ro_Stream certainly holds beyond its read position (what is buffered, what the
// system reports for a file, or a seekable stream's end minus the position); 0 when it cannot
// tell. Leaves the read position and the stream state as they were.
std::uint64_t G_Fn_Stream_Bytes_Known(std::istream& ro_Stream);

// As G_Fn_Reserve_Count, but the whole i_Count when the stream certainly holds at least one byte
// for every G_Reserve_Memory_Per_Byte bytes the elements take in memory: memory reserved ahead is
// then bounded by the bytes the input really has, and a large count in a large file is reserved
// at once instead of growing the container step by step.
inline constexpr std::uint64_t G_Reserve_Memory_Per_Byte = 8;
inline std::size_t G_Fn_Reserve_Count_In(std::istream& ro_Stream, std::uint64_t i_Count, std::size_t i_Element_Size)
{
    const std::size_t capped = G_Fn_Reserve_Count(i_Count, i_Element_Size);
    if (capped == i_Count)
        return capped;
    const std::uint64_t memory = i_Count * std::max<std::size_t>(1, i_Element_Size);
    if (memory / G_Reserve_Memory_Per_Byte <= G_Fn_Stream_Bytes_Known(ro_Stream))
        return static_cast<std::size_t>(i_Count);
    return capped;
}

// An element reader's result, with a success on a failed stream turned into 0.
inline E_Result G_Fn_Checked(std::istream& ro_Stream, E_Result i_Result)
{
    return (i_Result == E_Result_Success && ro_Stream.fail()) ? E_Result_Stream_Failure : i_Result;
}

// 1 when the stream is sound after writing, else 0.
inline E_Result G_Fn_Written(std::ostream& ro_Stream)
{
    return ro_Stream.fail() ? E_Result_Stream_Failure : E_Result_Success;
}

// Exactly i_Count bytes, or false with eofbit and failbit set (failbit alone when the stream had
// already failed). Like istream::read / ostream::write, without a sentry per call.
bool G_Fn_Read_Raw(std::istream& ro_Stream, char* ro_Bytes, std::size_t i_Count);
// All i_Count bytes, or badbit set. Nothing is written to a stream that is not good().
void G_Fn_Write_Raw(std::ostream& ro_Stream, const char* i_Bytes, std::size_t i_Count);

E_Result G_Fn_Read_u32(std::istream& ro_Stream, std::uint32_t& ro_Value);
void G_Fn_Write_u32(std::ostream& ro_Stream, std::uint32_t i_Value);

// Reads the u32 count of a container whose elements take a byte or more each: 0 on a short read,
// or (refused) when the stream certainly holds fewer bytes than that.
E_Result G_Fn_Read_Count(std::istream& ro_Stream, std::uint32_t& ro_Count);

// Appends i_Count default elements to ro_Container one at a time, each read by i_Reader at once;
// the first result other than 1 (or a success on a failed stream, as 0) ends the read.
template <class C, class R>
E_Result G_Fn_Read_Append(std::istream& ro_Stream, C& ro_Container, std::uint32_t i_Count, const R& i_Reader)
{
    for (std::uint32_t i = 0; i < i_Count; ++i) {
        ro_Container.emplace_back();
        const E_Result result = G_Fn_Checked(ro_Stream, i_Reader(ro_Stream, ro_Container.back()));
        if (result != E_Result_Success)
            return result;
    }
    return E_Result_Success;
}

// Writes every element of i_Range in order; the first writer result other than 1 ends the write.
template <class R, class W>
E_Result G_Fn_Write_Each(std::ostream& ro_Stream, const R& i_Range, const W& i_Writer)
{
    for (const auto& element : i_Range) {
        const E_Result result = i_Writer(ro_Stream, element);
        if (result != E_Result_Success)
            return result;
    }
    return G_Fn_Written(ro_Stream);
}

} // namespace N_Impl

// --- primitives ----------------------------------------------------------------------------------

// Reads one 4-byte value (int32, uint32, float, or a 4-byte enumeration). 1 on success; 0 on a
// short read, the target then unchanged.
template <N_Impl::C_Four_Byte T>
E_Result G_Fn_Serialize_I(std::istream& ro_Stream, T& ro_Value)
{
    std::uint32_t bits = 0;
    if (N_Impl::G_Fn_Read_u32(ro_Stream, bits) != E_Result_Success)
        return E_Result_Stream_Failure;
    ro_Value = std::bit_cast<T>(bits);
    return E_Result_Success;
}

// Writes one 4-byte value. 1, or 0 when the stream has failed.
template <N_Impl::C_Four_Byte T>
E_Result G_Fn_Serialize_O(std::ostream& ro_Stream, const T& i_Value)
{
    N_Impl::G_Fn_Write_u32(ro_Stream, std::bit_cast<std::uint32_t>(i_Value));
    return N_Impl::G_Fn_Written(ro_Stream);
}

// One byte (absent flags, flag bytes of records). 1 on success; 0 on a short read, target unchanged.
E_Result G_Fn_Serialize_u8_I(std::istream& ro_Stream, std::uint8_t& ro_Value);
E_Result G_Fn_Serialize_u8_O(std::ostream& ro_Stream, std::uint8_t i_Value);

// Wide string: u32 count of UTF-16 units, then the units (characters above U+FFFF as surrogate
// pairs). Reading: 0 when the count cannot be read (target unchanged); a count of 0 returns 1 and
// leaves the target as it was; otherwise the text up to its first NUL unit replaces the target.
// A count the stream cannot hold, or a short read of the units, gives 0 and an empty target.
E_Result G_Fn_Serialize_wstring_I(std::istream& ro_Stream, std::wstring& ro_Text);
E_Result G_Fn_Serialize_wstring_O(std::ostream& ro_Stream, const std::wstring& i_Text);

// Narrow string: u32 byte count, then the bytes, all of them (embedded NULs included). Reading
// replaces the target (a count of 0 empties it); 0 when the count cannot be read (target
// unchanged), or for a count the stream cannot hold or a short read (target emptied).
E_Result G_Fn_Serialize_string_I(std::istream& ro_Stream, std::string& ro_Text);
E_Result G_Fn_Serialize_string_O(std::ostream& ro_Stream, const std::string& i_Text);

// Four-float record (a homogeneous control point x, y, z, w, or any trivially copyable record of
// four 4-byte words): the four words in order. Reading: 1, or 0 on a short read with the target
// unchanged.
template <N_Impl::C_Four_Float T>
E_Result G_Fn_Serialize_float4_I(std::istream& ro_Stream, T& ro_Value)
{
    std::uint32_t words[4];
    for (std::uint32_t& word : words)
        if (N_Impl::G_Fn_Read_u32(ro_Stream, word) != E_Result_Success)
            return E_Result_Stream_Failure;
    struct C_Words {
        std::uint32_t w[4];
    };
    ro_Value = std::bit_cast<T>(C_Words{{words[0], words[1], words[2], words[3]}});
    return E_Result_Success;
}

template <N_Impl::C_Four_Float T>
E_Result G_Fn_Serialize_float4_O(std::ostream& ro_Stream, const T& i_Value)
{
    struct C_Words {
        std::uint32_t w[4];
    };
    const C_Words words = std::bit_cast<C_Words>(i_Value);
    for (std::uint32_t word : words.w)
        N_Impl::G_Fn_Write_u32(ro_Stream, word);
    return N_Impl::G_Fn_Written(ro_Stream);
}

// --- owning pointers -------------------------------------------------------------------------------

namespace N_Impl {

// Reads the absent flag byte: 1 with ro_Present set (flag 0) or cleared (any other value), or 0
// on a short read.
E_Result G_Fn_Read_Present(std::istream& ro_Stream, bool& ro_Present);

// Writes the absent flag for i_Object (null = absent), then the object through i_Writer.
template <class T, class W>
E_Result G_Fn_Write_Present(std::ostream& ro_Stream, const T* i_Object, const W& i_Writer)
{
    G_Fn_Serialize_u8_O(ro_Stream, i_Object ? 0 : 1);
    if (!i_Object)
        return G_Fn_Written(ro_Stream);
    const E_Result result = i_Writer(ro_Stream, *i_Object);
    return result == E_Result_Success ? G_Fn_Written(ro_Stream) : result;
}

} // namespace N_Impl

// Reads the absent flag; a failed stream gives 0. Flag not 0: 1, the target as it was. Flag 0: the
// target owns a new default-constructed T (replacing what it held) and the reader's result is
// returned. Throws when i_Reader is empty.
template <class T>
E_Result G_Fn_Serialize_sp_I(std::istream& ro_Stream, std::shared_ptr<T>& ro_Target,
                             const std::type_identity_t<T_Fn_Reader<T>>& i_Reader)
{
    if (!i_Reader)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_sp_I");
    bool present = false;
    if (N_Impl::G_Fn_Read_Present(ro_Stream, present) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (!present)
        return E_Result_Success;
    ro_Target = std::make_shared<T>();
    return N_Impl::G_Fn_Checked(ro_Stream, i_Reader(ro_Stream, *ro_Target));
}

// Writes the absent flag (1 for an empty pointer), then the object through i_Writer and returns
// its result. Throws when i_Writer is empty.
template <class T>
E_Result G_Fn_Serialize_sp_O(std::ostream& ro_Stream, const std::shared_ptr<T>& i_Value,
                             const std::type_identity_t<T_Fn_Writer<T>>& i_Writer)
{
    if (!i_Writer)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_sp_O");
    return N_Impl::G_Fn_Write_Present(ro_Stream, i_Value ? i_Value.get() : nullptr, i_Writer);
}

// As G_Fn_Serialize_sp_I, for the counted row pointer.
template <class T>
E_Result G_Fn_Serialize_lsp_I(std::istream& ro_Stream, N_Common::N_Pointer::lesser_shared_ptr<T>& ro_Target,
                              const std::type_identity_t<T_Fn_Reader<T>>& i_Reader)
{
    if (!i_Reader)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_lsp_I");
    bool present = false;
    if (N_Impl::G_Fn_Read_Present(ro_Stream, present) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (!present)
        return E_Result_Success;
    ro_Target.reset(new T());
    return N_Impl::G_Fn_Checked(ro_Stream, i_Reader(ro_Stream, *ro_Target));
}

// Typed form: after the absent flag (0), i_Creator reads what the type writer wrote and returns a
// new object of the right class; the target takes it (replacing what it held). When the target
// then holds no object the result is 0, else i_Reader's. Throws when either callable is empty.
template <class T>
E_Result G_Fn_Serialize_lsp_I(std::istream& ro_Stream, N_Common::N_Pointer::lesser_shared_ptr<T>& ro_Target,
                              const std::type_identity_t<T_Fn_Reader<T>>& i_Reader,
                              const std::type_identity_t<T_Fn_Creator<T>>& i_Creator)
{
    if (!i_Reader)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_lsp_I");
    if (!i_Creator)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_lsp_I");
    bool present = false;
    if (N_Impl::G_Fn_Read_Present(ro_Stream, present) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (!present)
        return E_Result_Success;
    std::unique_ptr<T> created = i_Creator(ro_Stream);
    ro_Target.reset(created.release());
    if (!ro_Target)
        return E_Result_Stream_Failure;
    return N_Impl::G_Fn_Checked(ro_Stream, i_Reader(ro_Stream, *ro_Target));
}

// Writes the absent flag (1 for an empty pointer or a block without object), then the object
// through i_Writer and returns its result. Throws when i_Writer is empty.
template <class T>
E_Result G_Fn_Serialize_lsp_O(std::ostream& ro_Stream, const N_Common::N_Pointer::lesser_shared_ptr<T>& i_Value,
                              const std::type_identity_t<T_Fn_Writer<T>>& i_Writer)
{
    if (!i_Writer)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_lsp_O");
    return N_Impl::G_Fn_Write_Present(ro_Stream, i_Value ? i_Value.get() : nullptr, i_Writer);
}

// Typed form: after the absent flag (0), i_Type_Writer first (its result ends the write when it is
// not 1), then i_Writer. Throws when either callable is empty.
template <class T>
E_Result G_Fn_Serialize_lsp_O(std::ostream& ro_Stream, const N_Common::N_Pointer::lesser_shared_ptr<T>& i_Value,
                              const std::type_identity_t<T_Fn_Writer<T>>& i_Writer,
                              const std::type_identity_t<T_Fn_Writer<T>>& i_Type_Writer)
{
    if (!i_Writer)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_lsp_O");
    if (!i_Type_Writer)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_lsp_O");
    return N_Impl::G_Fn_Write_Present(ro_Stream, i_Value ? i_Value.get() : nullptr,
                                      [&](std::ostream& ro_Out, const T& i_Object) {
                                          const E_Result result = i_Type_Writer(ro_Out, i_Object);
                                          return result == E_Result_Success ? i_Writer(ro_Out, i_Object) : result;
                                      });
}

// --- containers ------------------------------------------------------------------------------------

// Reads a slot table into ro_Table without clearing it: each stored slot gets a default T through
// add_at (gaps before it become free slots, stacked as add_at stacks them) and is then read by
// i_Reader. No slot is added beyond the highest index read. Results: 1 at the closing byte; 0 on
// a short read, a slot count above G_Slot_Count_Max, a slot index not below the stored slot
// count or a gap beyond the thread's C_Slot_Gap_Budget (slots read so far stay); another element
// result is passed up at once.
// Throws when i_Reader is empty, and (from add_at) when an index names a slot already in use.
template <class T>
E_Result G_Fn_Serialize_slotvec_I(std::istream& ro_Stream, N_Common::N_Container::slotvec<T>& ro_Table,
                                  const std::type_identity_t<T_Fn_Reader<T>>& i_Reader)
{
    if (!i_Reader)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_slotvec_I");
    std::uint32_t count = 0;
    if (N_Impl::G_Fn_Read_u32(ro_Stream, count) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (count > G_Slot_Count_Max)
        return N_Impl::G_Fn_Refuse(ro_Stream);
    // Nothing is reserved ahead: the count costs four bytes whatever it claims, so in a file of
    // many small nested tables a reservation per table would multiply. The table grows
    // geometrically as slots really arrive.
    for (;;) {
        std::uint8_t end = 0;
        if (G_Fn_Serialize_u8_I(ro_Stream, end) != E_Result_Success)
            return E_Result_Stream_Failure;
        if (end != 0)
            return E_Result_Success;
        std::uint32_t index = 0;
        if (N_Impl::G_Fn_Read_u32(ro_Stream, index) != E_Result_Success)
            return E_Result_Stream_Failure;
        if (index >= count)
            return N_Impl::G_Fn_Refuse(ro_Stream);
        if (index > ro_Table.size() && !C_Slot_Gap_Budget::S_Fn_Take(index - ro_Table.size()))
            return N_Impl::G_Fn_Refuse(ro_Stream);
        ro_Table.add_at(index, T());
        const E_Result result = N_Impl::G_Fn_Checked(ro_Stream, i_Reader(ro_Stream, ro_Table.at(index)));
        if (result != E_Result_Success)
            return result;
    }
}

// Writes the slot count, then every slot in use from index 1 up as u8 0, u32 index, element, then
// u8 1. An element writer's result other than 1 ends the write. Throws when i_Writer is empty.
template <class T>
E_Result G_Fn_Serialize_slotvec_O(std::ostream& ro_Stream, const N_Common::N_Container::slotvec<T>& i_Table,
                                  const std::type_identity_t<T_Fn_Writer<T>>& i_Writer)
{
    if (!i_Writer)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_slotvec_O");
    const std::uint32_t count = i_Table.size();
    N_Impl::G_Fn_Write_u32(ro_Stream, count);
    const std::vector<T>& elements = i_Table.elements();
    for (std::uint32_t index = 1; index < count; ++index) {
        if (!i_Table.is_used_at(index))
            continue;
        G_Fn_Serialize_u8_O(ro_Stream, 0);
        N_Impl::G_Fn_Write_u32(ro_Stream, index);
        const E_Result result = i_Writer(ro_Stream, elements[index]);
        if (result != E_Result_Success)
            return result;
    }
    G_Fn_Serialize_u8_O(ro_Stream, 1);
    return N_Impl::G_Fn_Written(ro_Stream);
}

// Reads size n, first index and end index, then appends elements first .. end-1 read by i_Reader.
// 0 on a short read or when n elements cannot fit in what is left of the stream; another element
// result is passed up at once. Throws when i_Reader is empty, when the first index differs from
// the target's current size (so the target must be empty when the stream holds 0), and when the
// end index exceeds n.
template <class T>
E_Result G_Fn_Serialize_vector_I(std::istream& ro_Stream, std::vector<T>& ro_Vector,
                                 const std::type_identity_t<T_Fn_Reader<T>>& i_Reader)
{
    if (!i_Reader)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_vector_I");
    std::uint32_t size = 0;
    if (N_Impl::G_Fn_Read_Count(ro_Stream, size) != E_Result_Success)
        return E_Result_Stream_Failure;
    std::uint32_t first = 0;
    if (N_Impl::G_Fn_Read_u32(ro_Stream, first) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (first != ro_Vector.size())
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_vector_I");
    std::uint32_t end = 0;
    if (N_Impl::G_Fn_Read_u32(ro_Stream, end) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (end > size)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_vector_I");
    // Reserved for the elements about to be read, not for the size claimed: every reserved
    // element is then either read (consuming bytes) or the read fails and ends everything.
    if (end <= first)
        return E_Result_Success;
    ro_Vector.reserve(ro_Vector.size() + N_Impl::G_Fn_Reserve_Count_In(ro_Stream, end - first, sizeof(T)));
    return N_Impl::G_Fn_Read_Append(ro_Stream, ro_Vector, end - first, i_Reader);
}

// Writes the size, 0 and the size again, then every element. Throws when i_Writer is empty.
template <class T>
E_Result G_Fn_Serialize_vector_O(std::ostream& ro_Stream, const std::vector<T>& i_Vector,
                                 const std::type_identity_t<T_Fn_Writer<T>>& i_Writer)
{
    if (!i_Writer)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_vector_O");
    const std::uint32_t size = static_cast<std::uint32_t>(i_Vector.size());
    N_Impl::G_Fn_Write_u32(ro_Stream, size);
    N_Impl::G_Fn_Write_u32(ro_Stream, 0);
    N_Impl::G_Fn_Write_u32(ro_Stream, size);
    return N_Impl::G_Fn_Write_Each(ro_Stream, i_Vector, i_Writer);
}

// Reads the count, then appends that many elements read by i_Reader; the list is not cleared
// first. 0 on a short read or a count that cannot fit in what is left of the stream; another
// element result is passed up at once. Throws when i_Reader is empty.
template <class T>
E_Result G_Fn_Serialize_list_I(std::istream& ro_Stream, std::list<T>& ro_List,
                               const std::type_identity_t<T_Fn_Reader<T>>& i_Reader)
{
    if (!i_Reader)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_list_I");
    std::uint32_t count = 0;
    if (N_Impl::G_Fn_Read_Count(ro_Stream, count) != E_Result_Success)
        return E_Result_Stream_Failure;
    return N_Impl::G_Fn_Read_Append(ro_Stream, ro_List, count, i_Reader);
}

// Writes the count, then every element in list order. Throws when i_Writer is empty.
template <class T>
E_Result G_Fn_Serialize_list_O(std::ostream& ro_Stream, const std::list<T>& i_List,
                               const std::type_identity_t<T_Fn_Writer<T>>& i_Writer)
{
    if (!i_Writer)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_list_O");
    N_Impl::G_Fn_Write_u32(ro_Stream, static_cast<std::uint32_t>(i_List.size()));
    return N_Impl::G_Fn_Write_Each(ro_Stream, i_List, i_Writer);
}

// Reads the count, then that many entries, each read by i_Pair_Reader into a fresh pair and
// inserted (a key already present keeps its first value). 0 on a short read or a count that
// cannot fit in what is left of the stream; another result is passed up at once. Throws when
// i_Pair_Reader is empty.
template <class K, class V, class C, class A>
E_Result G_Fn_Serialize_map_I(std::istream& ro_Stream, std::map<K, V, C, A>& ro_Map,
                              const std::type_identity_t<T_Fn_Reader<std::pair<K, V>>>& i_Pair_Reader)
{
    if (!i_Pair_Reader)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_map_I");
    std::uint32_t count = 0;
    if (N_Impl::G_Fn_Read_Count(ro_Stream, count) != E_Result_Success)
        return E_Result_Stream_Failure;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::pair<K, V> entry;
        const E_Result result = N_Impl::G_Fn_Checked(ro_Stream, i_Pair_Reader(ro_Stream, entry));
        if (result != E_Result_Success)
            return result;
        ro_Map.insert(std::move(entry));
    }
    return E_Result_Success;
}

// Writes the count, then every entry in key order through i_Pair_Writer, which takes the map's
// own entry type std::pair<const K, V>. Throws when i_Pair_Writer is empty.
template <class K, class V, class C, class A>
E_Result G_Fn_Serialize_map_O(std::ostream& ro_Stream, const std::map<K, V, C, A>& i_Map,
                              const std::type_identity_t<T_Fn_Writer<std::pair<const K, V>>>& i_Pair_Writer)
{
    if (!i_Pair_Writer)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_map_O");
    N_Impl::G_Fn_Write_u32(ro_Stream, static_cast<std::uint32_t>(i_Map.size()));
    return N_Impl::G_Fn_Write_Each(ro_Stream, i_Map, i_Pair_Writer);
}

// Reads the first member, then, only when that gave 1, the second; the result is the last one
// called. Throws when either callable is empty.
template <class A, class B>
E_Result G_Fn_Serialize_pair_I(std::istream& ro_Stream, std::pair<A, B>& ro_Pair,
                               const std::type_identity_t<T_Fn_Reader<A>>& i_First_Reader,
                               const std::type_identity_t<T_Fn_Reader<B>>& i_Second_Reader)
{
    if (!i_First_Reader || !i_Second_Reader)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_pair_I");
    const E_Result result = N_Impl::G_Fn_Checked(ro_Stream, i_First_Reader(ro_Stream, ro_Pair.first));
    if (result != E_Result_Success)
        return result;
    return N_Impl::G_Fn_Checked(ro_Stream, i_Second_Reader(ro_Stream, ro_Pair.second));
}

// Writes the first member, then, only when that gave 1, the second. A is deduced as the pair's
// first type, so a map entry (std::pair<const K, V>) is written as it stands. Throws when either
// callable is empty.
template <class A, class B>
E_Result G_Fn_Serialize_pair_O(std::ostream& ro_Stream, const std::pair<A, B>& i_Pair,
                               const std::type_identity_t<T_Fn_Writer<std::remove_const_t<A>>>& i_First_Writer,
                               const std::type_identity_t<T_Fn_Writer<B>>& i_Second_Writer)
{
    if (!i_First_Writer || !i_Second_Writer)
        VT_THROW("N_Common::N_Stream::G_Fn_Serialize_pair_O");
    const E_Result result = i_First_Writer(ro_Stream, i_Pair.first);
    if (result != E_Result_Success)
        return result;
    return i_Second_Writer(ro_Stream, i_Pair.second);
}

} // namespace N_Common::N_Stream
