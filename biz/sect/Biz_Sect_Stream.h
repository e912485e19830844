// Reading a section's slot tables from the project stream.
//
// The byte layout is the stream library's slot table (u32 slot count; per stored slot u8 0, u32
// index, the element; a closing u8 1), but a file may not make the reader throw: an index that is
// 0 (the reserved slot), not below the stored count or already read is refused like a short read,
// with the result 0 and the stream's failbit set, before any slot is created for it.
#pragma once

#include "common/Common_Container_slotvec.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <istream>

namespace N_Biz::N_Sect::N_Stream_Sect {

// Reads into io_Table, whose slot 0 the caller has reserved; each stored slot is created with a
// default T and then read by i_Reader. When everything was read, the table is padded with free
// slots up to the stored count, so that writing it again gives the same bytes. Free slots count
// against the thread's C_Slot_Gap_Budget. Results: 1, 0 for a short read, a refused index or
// count or an exhausted budget, or another element result passed up unchanged.
template <class T, class R>
E_Result G_Fn_Serialize_slotvec_I(std::istream& ro_Stream, N_Common::N_Container::slotvec<T>& io_Table,
                                  const R& i_Reader)
{
    namespace N_Stream = N_Common::N_Stream;
    std::uint32_t count = 0;
    if (N_Stream::N_Impl::G_Fn_Read_u32(ro_Stream, count) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (count > N_Stream::G_Slot_Count_Max || count == 0)
        return N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
    for (;;) {
        std::uint8_t end = 0;
        if (N_Stream::G_Fn_Serialize_u8_I(ro_Stream, end) != E_Result_Success)
            return E_Result_Stream_Failure;
        if (end == 1)
            break;
        if (end != 0)
            return N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
        std::uint32_t index = 0;
        if (N_Stream::N_Impl::G_Fn_Read_u32(ro_Stream, index) != E_Result_Success)
            return E_Result_Stream_Failure;
        if (index == 0 || index >= count || io_Table.is_used_at(index))
            return N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
        if (index > io_Table.size() && !N_Stream::C_Slot_Gap_Budget::S_Fn_Take(index - io_Table.size()))
            return N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
        io_Table.add_at(index, T());
        const E_Result result = N_Stream::N_Impl::G_Fn_Checked(ro_Stream, i_Reader(ro_Stream, io_Table.at(index)));
        if (result != E_Result_Success)
            return result;
    }
    if (io_Table.size() < count) {
        if (!N_Stream::C_Slot_Gap_Budget::S_Fn_Take(count - io_Table.size()))
            return N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
        io_Table.add_at(count - 1, T());
        io_Table.erase_at(count - 1);
    }
    return E_Result_Success;
}

} // namespace N_Biz::N_Sect::N_Stream_Sect
