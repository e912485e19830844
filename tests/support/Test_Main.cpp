// Test entry point: prints the build's compiler and options first so that CI logs explain themselves,
// pins the "C" locale for numbers whatever the environment sets, and runs in the program's own
// folder, against which the test data's folders are given (ctest starts it there anyway).
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C");
    // Mesa's software renderer without threads of its own: LeakSanitizer's tracer, which stops
    // every thread at exit, now and then crashed among its idle ones (read when the first
    // context is made, after this).
    setenv("LP_NUM_THREADS", "0", 0);
    std::filesystem::current_path(std::filesystem::canonical("/proc/self/exe").parent_path());
    std::printf("Veltrane tests: g++ %d.%d, C++ %ld%s\n", __GNUC__, __GNUC_MINOR__, static_cast<long>(__cplusplus),
#if defined(__SANITIZE_ADDRESS__)
                ", AddressSanitizer"
#else
                ""
#endif
    );
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
