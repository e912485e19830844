// Damaged project files: every truncation of a saved project and random changes to its bytes are
// refused, or read into a project that writes itself again and reads back to the same bytes.
#include "tests/proj/Test_Proj_Support_Stream.h"

#include <random>

using namespace N_Test_Proj;

namespace {

class C_Proj_Stream_Random : public C_Proj_Stream_Test {
protected:
    // A read that succeeds gives a sound project: it writes itself, and what it writes reads back
    // to the same bytes.
    void M_Fn_Read_Consistent(const std::string& i_Bytes, const std::string& i_What)
    {
        SCOPED_TRACE(i_What);
        const C_Read read = M_Fn_Read(i_Bytes);
        // The messages and questions of refused files pile up in the port otherwise.
        m_App.port().m_Calls.clear();
        if (read.m_Result != E_Result_Success)
            return;
        ++m_Accepted;
        const std::string again = M_Fn_Bytes(*read.m_up_Proj);
        const C_Read second = M_Fn_Read(again);
        ASSERT_EQ(second.m_Result, E_Result_Success);
        EXPECT_EQ(M_Fn_Bytes(*second.m_up_Proj), again);
    }
    int m_Accepted = 0;
};

TEST_F(C_Proj_Stream_Random, EveryTruncationIsRefused)
{
    M_Fn_Small_Project();
    const std::string bytes = M_Fn_Bytes(m_Proj);
    ASSERT_GT(bytes.size(), 1000u);
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        const C_Read read = M_Fn_Read(bytes.substr(0, size));
        m_App.port().m_Calls.clear();
        ASSERT_NE(read.m_Result, E_Result_Success) << size;
    }
    M_Fn_Read_Consistent(bytes, "whole");
    EXPECT_EQ(m_Accepted, 1);
}

TEST_F(C_Proj_Stream_Random, ChangedBytesAreRefusedOrReadConsistently)
{
    M_Fn_Small_Project();
    const std::string bytes = M_Fn_Bytes(m_Proj);
    std::mt19937 random(20240518);
    const int rounds = 1500;
    for (int round = 0; round < rounds; ++round) {
        std::string changed = bytes;
        const int kind = static_cast<int>(random() % 4);
        const int count = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < count; ++i) {
            const std::size_t at = random() % changed.size();
            switch (kind) {
            case 0: changed[at] = static_cast<char>(random()); break;         // any byte
            case 1: changed[at] = static_cast<char>(changed[at] ^ (1 << (random() % 8))); break; // one bit
            case 2: changed.erase(at, 1 + random() % 8); break;                // bytes taken out
            default: changed.insert(at, std::string(1 + random() % 8, static_cast<char>(random()))); break;
            }
            if (changed.empty())
                changed = bytes;
        }
        M_Fn_Read_Consistent(changed, "round " + std::to_string(round));
        if (HasFatalFailure())
            return;
    }
    // Changes inside names, colours and coordinates leave a readable project.
    EXPECT_GT(m_Accepted, 0);
}

} // namespace
