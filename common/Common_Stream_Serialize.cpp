#include "common/Common_Stream_Serialize.h"

#include "common/Common_String.h"

namespace N_Common::N_Stream {

namespace {
thread_local C_Slot_Gap_Budget* t_p_Budget = nullptr;
}

C_Slot_Gap_Budget::C_Slot_Gap_Budget(std::uint64_t i_Slots) noexcept : m_Left(i_Slots), m_p_Outer(t_p_Budget)
{
    t_p_Budget = this;
}

C_Slot_Gap_Budget::~C_Slot_Gap_Budget()
{
    t_p_Budget = m_p_Outer;
}

bool C_Slot_Gap_Budget::S_Fn_Take(std::uint64_t i_Slots) noexcept
{
    C_Slot_Gap_Budget* p_budget = t_p_Budget;
    if (!p_budget)
        return true;
    if (p_budget->m_Left < i_Slots)
        return false;
    p_budget->m_Left -= i_Slots;
    return true;
}

namespace N_Impl {

bool G_Fn_Stream_May_Hold(std::istream& ro_Stream, std::uint64_t i_Bytes)
{
    if (i_Bytes == 0)
        return true;
    std::streambuf* buffer = ro_Stream.rdbuf();
    if (!buffer)
        return false;
    // What is buffered (or, for a file, what the system reports) answers most calls without a
    // seek, which would make a file buffer drop its contents.
    const std::streamsize available = buffer->in_avail();
    if (available == -1)
        return false;
    if (available > 0 && static_cast<std::uint64_t>(available) >= i_Bytes)
        return true;
    using pos_type = std::streambuf::pos_type;
    const pos_type failed = pos_type(std::streambuf::off_type(-1));
    const pos_type here = buffer->pubseekoff(0, std::ios_base::cur, std::ios_base::in);
    if (here == failed)
        return true; // not seekable: it cannot tell, the reads will
    const pos_type end = buffer->pubseekoff(0, std::ios_base::end, std::ios_base::in);
    buffer->pubseekpos(here, std::ios_base::in);
    if (end == failed || end < here)
        return true;
    return static_cast<std::uint64_t>(std::streamoff(end) - std::streamoff(here)) >= i_Bytes;
}

std::uint64_t G_Fn_Stream_Bytes_Known(std::istream& ro_Stream)
{
    std::streambuf* buffer = ro_Stream.rdbuf();
    if (!buffer || !ro_Stream.good())
        return 0;
    const std::streamsize available = buffer->in_avail();
    if (available == -1)
        return 0;
    using pos_type = std::streambuf::pos_type;
    const pos_type failed = pos_type(std::streambuf::off_type(-1));
    const pos_type here = buffer->pubseekoff(0, std::ios_base::cur, std::ios_base::in);
    if (here == failed)
        return available > 0 ? static_cast<std::uint64_t>(available) : 0;
    const pos_type end = buffer->pubseekoff(0, std::ios_base::end, std::ios_base::in);
    buffer->pubseekpos(here, std::ios_base::in);
    if (end == failed || end < here)
        return available > 0 ? static_cast<std::uint64_t>(available) : 0;
    return static_cast<std::uint64_t>(std::streamoff(end) - std::streamoff(here));
}

E_Result G_Fn_Refuse(std::istream& ro_Stream)
{
    ro_Stream.setstate(std::ios_base::failbit);
    return E_Result_Stream_Failure;
}

bool G_Fn_Read_Raw(std::istream& ro_Stream, char* ro_Bytes, std::size_t i_Count)
{
    // Straight to the buffer: a sentry per 4-byte value costs more than the copy. The stream
    // state ends as istream::read would leave it.
    std::streambuf* buffer = ro_Stream.rdbuf();
    if (!ro_Stream.good() || !buffer) {
        ro_Stream.setstate(std::ios_base::failbit);
        return false;
    }
    const std::streamsize wanted = static_cast<std::streamsize>(i_Count);
    if (buffer->sgetn(ro_Bytes, wanted) != wanted) {
        ro_Stream.setstate(std::ios_base::eofbit | std::ios_base::failbit);
        return false;
    }
    return true;
}

void G_Fn_Write_Raw(std::ostream& ro_Stream, const char* i_Bytes, std::size_t i_Count)
{
    std::streambuf* buffer = ro_Stream.rdbuf();
    if (!ro_Stream.good() || !buffer) {
        ro_Stream.setstate(std::ios_base::badbit);
        return;
    }
    const std::streamsize wanted = static_cast<std::streamsize>(i_Count);
    if (buffer->sputn(i_Bytes, wanted) != wanted)
        ro_Stream.setstate(std::ios_base::badbit);
}

E_Result G_Fn_Read_u32(std::istream& ro_Stream, std::uint32_t& ro_Value)
{
    unsigned char bytes[4];
    if (!G_Fn_Read_Raw(ro_Stream, reinterpret_cast<char*>(bytes), 4))
        return E_Result_Stream_Failure;
    ro_Value = std::uint32_t(bytes[0]) | (std::uint32_t(bytes[1]) << 8) | (std::uint32_t(bytes[2]) << 16) |
               (std::uint32_t(bytes[3]) << 24);
    return E_Result_Success;
}

void G_Fn_Write_u32(std::ostream& ro_Stream, std::uint32_t i_Value)
{
    const char bytes[4] = {static_cast<char>(i_Value & 0xFF), static_cast<char>((i_Value >> 8) & 0xFF),
                           static_cast<char>((i_Value >> 16) & 0xFF), static_cast<char>((i_Value >> 24) & 0xFF)};
    G_Fn_Write_Raw(ro_Stream, bytes, 4);
}

E_Result G_Fn_Read_Count(std::istream& ro_Stream, std::uint32_t& ro_Count)
{
    if (G_Fn_Read_u32(ro_Stream, ro_Count) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (!G_Fn_Stream_May_Hold(ro_Stream, ro_Count))
        return G_Fn_Refuse(ro_Stream);
    return E_Result_Success;
}

E_Result G_Fn_Read_Present(std::istream& ro_Stream, bool& ro_Present)
{
    std::uint8_t absent = 0;
    if (G_Fn_Serialize_u8_I(ro_Stream, absent) != E_Result_Success)
        return E_Result_Stream_Failure;
    ro_Present = absent == 0;
    return E_Result_Success;
}

namespace {

// Reads exactly i_Count bytes into ro_Bytes (replacing its content), a piece at a time, so that a
// length that lies costs no more memory than the bytes that really arrive. 0 on a short read or a
// count the stream cannot hold.
E_Result G_Fn_Read_Bytes(std::istream& ro_Stream, std::uint64_t i_Count, std::string& ro_Bytes)
{
    ro_Bytes.clear();
    if (!G_Fn_Stream_May_Hold(ro_Stream, i_Count))
        return G_Fn_Refuse(ro_Stream);
    while (ro_Bytes.size() < i_Count) {
        const std::size_t done = ro_Bytes.size();
        const std::size_t piece = static_cast<std::size_t>(std::min<std::uint64_t>(i_Count - done, G_String_Piece));
        ro_Bytes.resize(done + piece);
        if (!G_Fn_Read_Raw(ro_Stream, ro_Bytes.data() + done, piece)) {
            ro_Bytes.clear();
            return E_Result_Stream_Failure;
        }
    }
    return E_Result_Success;
}

} // namespace

} // namespace N_Impl

E_Result G_Fn_Serialize_u8_I(std::istream& ro_Stream, std::uint8_t& ro_Value)
{
    char byte = 0;
    if (!N_Impl::G_Fn_Read_Raw(ro_Stream, &byte, 1))
        return E_Result_Stream_Failure;
    ro_Value = static_cast<std::uint8_t>(byte);
    return E_Result_Success;
}

E_Result G_Fn_Serialize_u8_O(std::ostream& ro_Stream, std::uint8_t i_Value)
{
    const char byte = static_cast<char>(i_Value);
    N_Impl::G_Fn_Write_Raw(ro_Stream, &byte, 1);
    return N_Impl::G_Fn_Written(ro_Stream);
}

E_Result G_Fn_Serialize_wstring_I(std::istream& ro_Stream, std::wstring& ro_Text)
{
    std::uint32_t count = 0;
    if (N_Impl::G_Fn_Read_u32(ro_Stream, count) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (count == 0)
        return E_Result_Success;
    std::string bytes;
    if (N_Impl::G_Fn_Read_Bytes(ro_Stream, std::uint64_t(count) * 2, bytes) != E_Result_Success) {
        ro_Text.clear();
        return E_Result_Stream_Failure;
    }
    std::u16string units;
    units.reserve(count);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                                    (static_cast<unsigned char>(bytes[i + 1]) << 8));
        // The text ends at its first NUL unit.
        if (unit == 0)
            break;
        units.push_back(unit);
    }
    ro_Text = N_Common::N_String::G_Fn_From_UTF16(units);
    return E_Result_Success;
}

E_Result G_Fn_Serialize_wstring_O(std::ostream& ro_Stream, const std::wstring& i_Text)
{
    const std::u16string units = N_Common::N_String::G_Fn_To_UTF16(i_Text);
    std::string bytes;
    bytes.reserve(units.size() * 2);
    for (char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    N_Impl::G_Fn_Write_u32(ro_Stream, static_cast<std::uint32_t>(units.size()));
    N_Impl::G_Fn_Write_Raw(ro_Stream, bytes.data(), bytes.size());
    return N_Impl::G_Fn_Written(ro_Stream);
}

E_Result G_Fn_Serialize_string_I(std::istream& ro_Stream, std::string& ro_Text)
{
    std::uint32_t count = 0;
    if (N_Impl::G_Fn_Read_u32(ro_Stream, count) != E_Result_Success)
        return E_Result_Stream_Failure;
    std::string bytes;
    const E_Result result = N_Impl::G_Fn_Read_Bytes(ro_Stream, count, bytes);
    ro_Text = std::move(bytes);
    return result;
}

E_Result G_Fn_Serialize_string_O(std::ostream& ro_Stream, const std::string& i_Text)
{
    N_Impl::G_Fn_Write_u32(ro_Stream, static_cast<std::uint32_t>(i_Text.size()));
    N_Impl::G_Fn_Write_Raw(ro_Stream, i_Text.data(), i_Text.size());
    return N_Impl::G_Fn_Written(ro_Stream);
}

} // namespace N_Common::N_Stream
