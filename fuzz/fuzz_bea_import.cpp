// libFuzzer target of the ".bea" model reader: every input is read as a ".bea" file into a new
// project. A refusal or a C_Exception is an answer; a project read that does not save and read
// back to the same bytes, any other exception and every sanitizer report are findings.
#include "fuzz/fuzz_proj_support.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    N_Fuzz::G_Fn_Seeds_Write();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* i_Data, std::size_t i_Size)
{
    auto up_proj = N_Fuzz::G_Fn_Proj_New();
    std::istringstream in(std::string(reinterpret_cast<const char*>(i_Data), i_Size));
    bool read = false;
    try {
        read = up_proj->M_Fn_Stream_Format_BEA_I(in) == 1;
    } catch (const N_Common::N_Exception::C_Exception&) {
    }
    // Outside the catch: the project read must write and read again without any exception.
    if (read)
        N_Fuzz::G_Fn_Check_Round_Trip(*up_proj);
    return 0;
}
