// Helpers shared by the stream tests: byte strings written out by hand and a stream that cannot
// seek or tell its length (as a pipe or a socket would be).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <istream>
#include <streambuf>
#include <string>
#include <utility>

namespace N_Test_Stream {

// A byte string from the listed byte values.
inline std::string bytes(std::initializer_list<int> i_Values)
{
    std::string out;
    for (int v : i_Values)
        out.push_back(static_cast<char>(v));
    return out;
}

// Hands out its bytes one at a time and refuses to seek, so a reader can learn the length only by
// reading.
class C_Trickle_Buf : public std::streambuf {
public:
    explicit C_Trickle_Buf(std::string i_Data) : m_Data(std::move(i_Data)) {}

    std::size_t consumed() const { return m_Pos; }

protected:
    int_type underflow() override
    {
        if (m_Pos >= m_Data.size())
            return traits_type::eof();
        m_Current = m_Data[m_Pos++];
        setg(&m_Current, &m_Current, &m_Current + 1);
        return traits_type::to_int_type(m_Current);
    }

private:
    std::string m_Data;
    std::size_t m_Pos = 0;
    char m_Current = 0;
};

// An input stream over a C_Trickle_Buf.
class C_Trickle_Stream : public std::istream {
public:
    explicit C_Trickle_Stream(std::string i_Data) : std::istream(nullptr), m_Buf(std::move(i_Data)) { rdbuf(&m_Buf); }

    const C_Trickle_Buf& buf() const { return m_Buf; }

private:
    C_Trickle_Buf m_Buf;
};

} // namespace N_Test_Stream
