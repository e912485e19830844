#include "common/Common_Exception.h"

#include <cstdio>
#include <cstring>

namespace N_Common::N_Exception {

C_Exception::C_Exception(const char* i_function, const char* i_file, int i_line) noexcept
    : m_Function(i_function ? i_function : ""), m_File(i_file ? i_file : ""), m_Line(i_line)
{
    m_Text[0] = '\0';
}

C_Exception::C_Exception(const C_Exception& ro_other) noexcept
    : std::exception(ro_other), m_Function(ro_other.m_Function), m_File(ro_other.m_File), m_Line(ro_other.m_Line)
{
    m_Text[0] = '\0';
}

C_Exception& C_Exception::operator=(const C_Exception& ro_other) noexcept
{
    m_Function = ro_other.m_Function;
    m_File = ro_other.m_File;
    m_Line = ro_other.m_Line;
    m_Text[0] = '\0';
    return *this;
}

C_Exception::~C_Exception() = default;

const char* C_Exception::S_Fn_File_Name(const char* i_path) noexcept
{
    if (!i_path)
        return "";
    const char* name = i_path;
    for (const char* p = i_path; *p; ++p)
        if (*p == '\\' || *p == '/')
            name = p + 1;
    return name;
}

const char* C_Exception::what() const noexcept
{
    std::snprintf(m_Text, sizeof m_Text, "Function: %s\n    File: %s Line: %d%s%s", m_Function,
                  S_Fn_File_Name(m_File), m_Line, "", "");
    return m_Text;
}

} // namespace N_Common::N_Exception
