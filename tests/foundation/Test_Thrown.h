// What a call throws, for the checks of misuse reports.
#pragma once

#include "common/Common_Exception.h"

#include <gtest/gtest.h>

#include <string>

namespace N_Test {

// The function text, our source file's base name, the line and the whole text of a C_Exception.
struct C_Thrown {
    std::string m_Function;
    std::string m_File;
    int m_Line = 0;
    std::string m_What;
};

// What i_Fn throws as C_Exception; a test failure, and all empty, when it throws none.
template <class F>
C_Thrown G_Fn_Thrown(F&& i_Fn)
{
    using N_Common::N_Exception::C_Exception;
    try {
        i_Fn();
    } catch (const C_Exception& e) {
        return {e.M_Fn_Function(), C_Exception::S_Fn_File_Name(e.M_Fn_File()), e.M_Fn_Line(), e.what()};
    }
    ADD_FAILURE() << "no C_Exception";
    return {};
}

} // namespace N_Test
