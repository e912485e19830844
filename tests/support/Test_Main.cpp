// Test entry point: prints the build's compiler and options first so that CI logs explain themselves,
// and pins the "C" locale for numbers whatever the environment sets.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C");
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
