#include "biz/db/Biz_DB_Import_File_Line.h"

#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <cstring>
#include <sys/stat.h>

namespace N_Biz::N_DB::N_Import {

namespace {
constexpr std::size_t G_Chunk = std::size_t(1) << 20;
}

C_File_Line::~C_File_Line()
{
    if (m_p_File)
        std::fclose(m_p_File);
}

bool C_File_Line::M_Fn_Open(const std::wstring& i_Path)
{
    if (m_p_File) {
        std::fclose(m_p_File);
        m_p_File = nullptr;
    }
    m_Begin = m_End = 0;
    m_Eof = false;
    const std::string path = N_Common::N_String::G_Fn_To_Narrow_UTF8(i_Path);
    if (path.empty() || path.find('\0') != std::string::npos)
        return false;
    // A directory opens for reading on some systems and then fails at the first read.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    m_p_File = std::fopen(path.c_str(), "rb");
    if (!m_p_File)
        return false;
    if (!m_Buffer) {
        m_Buffer.reset(new char[G_Chunk]);
        m_Capacity = G_Chunk;
    }
    return true;
}

bool C_File_Line::M_Fn_Fill()
{
    if (m_Eof || !m_p_File)
        return false;
    // Keep the unread bytes, at the front of the buffer.
    if (m_Begin > 0) {
        std::memmove(m_Buffer.get(), m_Buffer.get() + m_Begin, m_End - m_Begin);
        m_End -= m_Begin;
        m_Begin = 0;
    }
    if (m_Capacity - m_End < G_Chunk / 2) {
        const std::size_t capacity = m_Capacity * 2;
        std::unique_ptr<char[]> bigger(new char[capacity]);
        std::memcpy(bigger.get(), m_Buffer.get(), m_End);
        m_Buffer = std::move(bigger);
        m_Capacity = capacity;
    }
    const std::size_t got = std::fread(m_Buffer.get() + m_End, 1, m_Capacity - m_End, m_p_File);
    m_End += got;
    if (got == 0) {
        if (std::ferror(m_p_File))
            VT_THROW("N_Biz::N_DB::N_Import::C_File_Line::M_Fn_Read");
        m_Eof = true;
        return false;
    }
    return true;
}

bool C_File_Line::M_Fn_Read(std::string_view& o_Line, bool& o_Cut)
{
    o_Cut = false;
    if (!m_p_File)
        return false;
    std::size_t scanned = m_Begin;
    for (;;) {
        const char* data = m_Buffer.get();
        const void* found = scanned < m_End ? std::memchr(data + scanned, '\n', m_End - scanned) : nullptr;
        if (found) {
            const std::size_t stop = static_cast<std::size_t>(static_cast<const char*>(found) - data);
            std::size_t length = stop - m_Begin;
            if (length > S_Line_Max) {
                length = S_Line_Max;
                o_Cut = true;
            }
            if (length > 0 && data[m_Begin + length - 1] == '\r' && !o_Cut)
                --length;
            o_Line = std::string_view(data + m_Begin, length);
            m_Begin = stop + 1;
            return true;
        }
        scanned = m_End;
        if (m_End - m_Begin > S_Line_Max) {
            // Too long: keep the first S_Line_Max characters at the front, drop the rest of the line.
            if (m_Begin > 0) {
                std::memmove(m_Buffer.get(), m_Buffer.get() + m_Begin, S_Line_Max);
                m_Begin = 0;
            }
            m_End = S_Line_Max;
            for (;;) {
                const std::size_t got = m_Eof ? 0 : std::fread(m_Buffer.get() + m_End, 1, m_Capacity - m_End, m_p_File);
                if (got == 0) {
                    if (!m_Eof && std::ferror(m_p_File))
                        VT_THROW("N_Biz::N_DB::N_Import::C_File_Line::M_Fn_Read");
                    m_Eof = true;
                    o_Line = std::string_view(m_Buffer.get(), S_Line_Max);
                    o_Cut = true;
                    m_Begin = m_End = 0;
                    return true;
                }
                const char* tail = m_Buffer.get() + m_End;
                const void* end_of_line = std::memchr(tail, '\n', got);
                if (end_of_line) {
                    // The bytes after the line feed belong to the next lines: move them behind the kept part.
                    const std::size_t after = static_cast<std::size_t>(static_cast<const char*>(end_of_line) - tail) + 1;
                    const std::size_t rest = got - after;
                    std::memmove(m_Buffer.get() + S_Line_Max, tail + after, rest);
                    o_Line = std::string_view(m_Buffer.get(), S_Line_Max);
                    o_Cut = true;
                    m_Begin = S_Line_Max;
                    m_End = S_Line_Max + rest;
                    return true;
                }
            }
        }
        const std::size_t done = m_End - m_Begin; // already searched for a line feed
        if (!M_Fn_Fill()) {
            if (m_Begin >= m_End)
                return false;
            // The last line has no line feed.
            std::size_t length = m_End - m_Begin;
            if (m_Buffer[m_Begin + length - 1] == '\r')
                --length;
            o_Line = std::string_view(m_Buffer.get() + m_Begin, length);
            m_Begin = m_End;
            return true;
        }
        scanned = m_Begin + done; // M_Fn_Fill moved the unread bytes to the front
    }
}

} // namespace N_Biz::N_DB::N_Import
