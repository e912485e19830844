// The one exception type of the system.
//
// Every check that fails throws a C_Exception built in place with the qualified name of the
// throwing function, the source file and the line. what() formats
//   "Function: %s\n    File: %s Line: %d"
// with the file cut to its name after the last '\' or '/'. The text is formatted into a buffer
// owned by the exception object itself, so exceptions thrown on the import worker and on the
// interface thread never share a buffer.
#pragma once

#include <exception>

namespace N_Common::N_Exception {

class C_Exception : public std::exception {
public:
    // i_function and i_file must have static lifetime (literals); nothing is copied or formatted here.
    C_Exception(const char* i_function, const char* i_file, int i_line) noexcept;
    C_Exception(const C_Exception& ro_other) noexcept;
    C_Exception& operator=(const C_Exception& ro_other) noexcept;
    ~C_Exception() override;

    // Formatted report text; valid as long as this exception object lives.
    const char* what() const noexcept override;

    const char* M_Fn_Function() const noexcept { return m_Function; }
    const char* M_Fn_File() const noexcept { return m_File; }
    int M_Fn_Line() const noexcept { return m_Line; }

    // The part of a path after its last '\' or '/' (the whole text when it holds no separator).
    static const char* S_Fn_File_Name(const char* i_path) noexcept;

private:
    const char* m_Function;
    const char* m_File;
    int m_Line;
    mutable char m_Text[1024];
};

} // namespace N_Common::N_Exception

// Throws a C_Exception naming the given function, this source file and this line.
#define VT_THROW(function_name) \
    throw ::N_Common::N_Exception::C_Exception((function_name), __FILE__, __LINE__)
