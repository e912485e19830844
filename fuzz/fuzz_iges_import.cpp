// libFuzzer target of the IGES reader: any input must be read or refused with C_Exception; every
// other exception, and every sanitizer report, is a finding.
#include "tests/iges/Test_IGES_Exercise.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* i_Data, std::size_t i_Size)
{
    N_Test_IGES::G_Fn_Exercise(std::string_view(reinterpret_cast<const char*>(i_Data), i_Size));
    return 0;
}
