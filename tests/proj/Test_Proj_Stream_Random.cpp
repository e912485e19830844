// Damaged project files: every truncation of a saved project and random changes to its bytes are
// refused, or read into a project that writes itself again and reads back to the same bytes.
#include "tests/proj/Test_Proj_Support_BEA.h"

#include "common/Common_String.h"

#include <map>
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
        m_App.port().m_Calls.clear();
        const C_Read read = M_Fn_Read(i_Bytes);
        const auto boxes = M_Fn_Boxes();
        m_App.port().m_Calls.clear();
        if (read.m_Result != E_Result_Success) {
            M_Fn_Expect_Said_Why(read, boxes);
            return;
        }
        ++m_Accepted;
        const std::string again = M_Fn_Bytes(*read.m_up_Proj);
        const C_Read second = M_Fn_Read(again);
        ASSERT_EQ(second.m_Result, E_Result_Success);
        EXPECT_EQ(M_Fn_Bytes(*second.m_up_Proj), again);
    }
    // A refusal is never silent and never thrown: exactly one message, the reader's "Failed to
    // read file." or the question about the file's version (answered No by the port).
    static void M_Fn_Expect_Said_Why(const C_Read& ro_Read, const std::vector<std::wstring>& ro_Boxes)
    {
        EXPECT_EQ(ro_Read.m_Result, E_Result_Stream_Failure);
        ASSERT_EQ(ro_Boxes.size(), 1u);
        const std::wstring& text = ro_Boxes[0];
        EXPECT_TRUE(text.starts_with(L"Error: Failed to read file. The file ") || text.starts_with(L"Failed to read file. ") ||
                    text.starts_with(L"The file version and app version may not be compatible."))
            << N_Common::N_String::G_Fn_To_Narrow_UTF8(text);
    }
    int m_Accepted = 0;
};

TEST_F(C_Proj_Stream_Random, EveryTruncationIsRefused)
{
    M_Fn_Small_Project();
    const std::string bytes = M_Fn_Bytes(m_Proj);
    ASSERT_GT(bytes.size(), 1000u);
    std::map<std::wstring, int> reasons;
    for (std::size_t size = 0; size < bytes.size(); ++size) {
        m_App.port().m_Calls.clear();
        const C_Read read = M_Fn_Read(bytes.substr(0, size));
        const auto boxes = M_Fn_Boxes();
        m_App.port().m_Calls.clear();
        ASSERT_NE(read.m_Result, E_Result_Success) << size;
        M_Fn_Expect_Said_Why(read, boxes);
        if (HasFatalFailure())
            return;
        ++reasons[boxes[0]];
    }
    // A file cut anywhere after its header says so, and in which piece it ends.
    for (const wchar_t* piece : {L"section cards", L"material cards", L"property cards", L"model", L"sections"})
        EXPECT_GT(reasons[std::wstring(L"Error: Failed to read file. The file ends early, in its ") + piece + L"."], 0)
            << N_Common::N_String::G_Fn_To_Narrow_UTF8(piece);
    M_Fn_Read_Consistent(bytes, "whole");
    EXPECT_EQ(m_Accepted, 1);
}

// Opening a damaged file as the application does (the document's open over the file reader): no
// document, one message, and the application's log has it as its last message.
TEST_F(C_Proj_Stream_Random, OpeningADamagedFileSaysWhyOnce)
{
    M_Fn_Small_Project();
    const std::string bytes = M_Fn_Bytes(m_Proj);
    const auto path = M_Fn_Path("cut.qmxb");
    S_Fn_File_Put(path, bytes.substr(0, bytes.size() - 3));
    C_Proj proj;
    proj.M_Fn_Tree_Add();
    m_App.port().m_Calls.clear();
    EXPECT_EQ(proj.M_Fn_Get_Mgr_Doc().M_Fn_Create(path.wstring()), 0);
    EXPECT_EQ(proj.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc(), nullptr);
    const std::wstring said = L"Error: Failed to read file. The file ends early, in its sections.";
    EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>{said});
    EXPECT_EQ(m_App.log_lines().back(), "Msg: " + N_Common::N_String::G_Fn_To_Narrow_UTF8(said));
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

// The same for ".bea" files: a read that succeeds gives a project that saves and reads back.
class C_Proj_BEA_Random : public C_Proj_Stream_Random {
protected:
    void M_Fn_Read_BEA(const std::string& i_Text, const std::string& i_What)
    {
        SCOPED_TRACE(i_What);
        C_Proj proj;
        proj.M_Fn_Tree_Add();
        std::istringstream in(i_Text);
        std::uint32_t result = 0;
        try {
            result = proj.M_Fn_Stream_Format_BEA_I(in);
        } catch (const N_Common::N_Exception::C_Exception&) {
            result = 0;
        }
        m_App.port().m_Calls.clear();
        if (result == 1)
            M_Fn_Read_Consistent(M_Fn_Bytes(proj), i_What);
    }
    // Two sections (a box and a section with wall, weld and frame lines) over two elements.
    static std::string S_Fn_Text()
    {
        return G_Fn_Header(4, 1, 1, 1, 0) + "$ comment\n" + G_Fn_Node(1, "0.0", "0.0", "0.0") + G_Fn_Node(2, "1.0", "0.0", "0.0") +
               G_Fn_Node(3, "1.0", "1.0", "0.0") + G_Fn_Node(4, "0.0", "1.0", "0.0") + R("1", 10) + R("30", 10) +
               "\nmore\nmore\n" + G_Fn_Material(1, "210000.0", "0.3", "235.0", "360.0", "7.85e-9", "Steel") +
               G_Fn_Property(31, 1, "2.0", "Wall") + G_Fn_Block(2, 0, 2) + G_Fn_Box(1, "100.0", "50.0", 1) +
               G_Fn_Section(1, 3, 1, 3) + G_Fn_Point(1, "0.0", "0.0") + G_Fn_Point(2, "5.0", "0.0") + G_Fn_Point(3, "5.0", "5.0") +
               "  1  1  2  3  1\n  1  3  3  1  0\n" + G_Identity + G_Fn_Block(7, 0, 1) + "skipped\n" + G_Fn_Block(8, 2, 0) +
               G_Fn_Element(1, 1, 2, 3, 4, 31) + G_Fn_Element(2, 4, 3, 2, 1, 31);
    }
};

TEST_F(C_Proj_BEA_Random, TruncatedAndChangedFilesAreRefusedOrReadSoundly)
{
    const std::string text = S_Fn_Text();
    M_Fn_Read_BEA(text, "whole");
    ASSERT_EQ(m_Accepted, 1);
    for (std::size_t size = 0; size < text.size(); ++size)
        M_Fn_Read_BEA(text.substr(0, size), "size " + std::to_string(size));
    const std::string alphabet = "0123456789 .-+eE$\n\r\tx";
    std::mt19937 random(7151);
    for (int round = 0; round < 1500; ++round) {
        std::string changed = text;
        const int count = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < count && !changed.empty(); ++i) {
            const std::size_t at = random() % changed.size();
            switch (random() % 3) {
            case 0: changed[at] = alphabet[random() % alphabet.size()]; break;
            case 1: changed.erase(at, 1 + random() % 4); break;
            default: changed.insert(at, 1, alphabet[random() % alphabet.size()]); break;
            }
        }
        M_Fn_Read_BEA(changed, "round " + std::to_string(round));
        if (HasFatalFailure())
            return;
    }
    EXPECT_GT(m_Accepted, 1);
}

} // namespace
