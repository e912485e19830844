// The clipboard result table: the text handed to the clipboard for the sections of a project.
#include "biz/sect/Biz_Sect_Doc.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "common/Common_String.h"
#include "tests/proj/Test_Proj_Support_BEA.h"

using namespace N_Test_Proj;
using N_Biz::N_Sect::C_Sect;

namespace {

class C_Proj_Clipboard : public C_Proj_Stream_Test {
protected:
    // Reads a ".bea" file into the project (one more group of sections).
    void M_Fn_Add(const std::string& i_Text)
    {
        std::istringstream in(i_Text);
        ASSERT_EQ(m_Proj.M_Fn_Stream_Format_BEA_I(in), 1u);
    }
    // The text's lines, each with its line feed.
    static std::vector<std::string> S_Fn_Lines(const std::string& i_Text)
    {
        std::vector<std::string> lines;
        std::size_t from = 0;
        for (std::size_t end; (end = i_Text.find('\n', from)) != std::string::npos; from = end + 1)
            lines.push_back(i_Text.substr(from, end + 1 - from));
        EXPECT_EQ(from, i_Text.size()) << "text after the last line feed";
        return lines;
    }
    std::string M_Fn_Copy()
    {
        m_App.port().m_Clipboard.clear();
        m_App.port().m_Calls.clear();
        EXPECT_EQ(mgr().M_Fn_Calc_Result_For_Clipboard_Copy_All(), 1u);
        return m_App.port().m_Clipboard;
    }
    // The short label of result kind i_Kind (the first words of the property rows).
    static std::string S_Fn_Kind(std::size_t i_Kind)
    {
        return N_Common::N_String::G_Fn_To_Narrow_UTF8(
            C_App::S_Fn_Get()->m_sp_Sect_Info->m_Label_Kind[N_Biz::N_Sect::C_Info::E_Style_Short].at(i_Kind));
    }
};

// A 100 x 50 box of 2-thick walls has the area 600 and Ixx 291800 (derived in the ".bea" tests).
TEST_F(C_Proj_Clipboard, OneSectionGivesNameAndTitleThenOneRowPerResult)
{
    M_Fn_Add(G_Fn_Box_File(G_Fn_Box(1, "100.0", "50.0", 1), 1));
    const std::string text = M_Fn_Copy();
    EXPECT_EQ(text.find('\r'), std::string::npos);
    const std::vector<std::string> lines = S_Fn_Lines(text);
    ASSERT_GT(lines.size(), 13u);
    EXPECT_EQ(lines[0], "Name\tSection 1-1\t\n");
    // The property rows of the first result kind: A, Asx, Asy, Ixy, Ix, Iy.
    EXPECT_EQ(lines[1], S_Fn_Kind(0) + " A\t600.0\t\n");
    EXPECT_EQ(lines[5], S_Fn_Kind(0) + " Ix\t291800.0\t\n");
    for (const std::string& line : lines) {
        EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
        EXPECT_EQ(line.substr(line.size() - 2), "\t\n");
    }
    EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>{L"Copy complete, you can paste the result to excel or text."});
}

TEST_F(C_Proj_Clipboard, GroupsThenSlotsEachStaleSectionRecalculatedFirst)
{
    M_Fn_Add(G_Fn_Box_File(G_Fn_Box(1, "100.0", "50.0", 1) + G_Fn_Box(5, "60.0", "40.0", 1) + G_Fn_Box(9, "10.0", "10.0", 1), 3));
    M_Fn_Add(G_Fn_Box_File(G_Fn_Box(1, "60.0", "40.0", 1), 1));
    // Slot 2 of the first group freed: it leaves no column.
    C_Mgr_D_Sect::T_sp_Sect taken;
    mgr().M_Fn_D_Individual_Remove_At(1, 2, taken);
    // The title of a document can be anything: a non-ASCII one arrives as UTF-8.
    C_Sect& renamed = *M_Fn_Sect(2, 1);
    renamed.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc()->M_Fn_Set_Title(L"Tr\u00e4ger \u6881");
    for (std::uint32_t g : {1u, 2u})
        for (std::uint32_t s : M_Fn_Slots(g))
            ASSERT_TRUE(M_Fn_Sect(g, s)->M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());

    const std::vector<std::string> lines = S_Fn_Lines(M_Fn_Copy());
    ASSERT_GT(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Name\tSection 1-1\tSection 1-3\tTr\xC3\xA4ger \xE6\xA2\x81\t\n");
    // 100 x 50, 10 x 10 and 60 x 40 boxes: wall lengths times 2.
    EXPECT_EQ(lines[1], S_Fn_Kind(0) + " A\t600.0\t80.0\t400.0\t\n");
    for (std::uint32_t g : {1u, 2u})
        for (std::uint32_t s : M_Fn_Slots(g))
            EXPECT_FALSE(M_Fn_Sect(g, s)->M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale()) << g << "-" << s;
}

TEST_F(C_Proj_Clipboard, WithoutSectionsNothingIsCopiedOrShown)
{
    EXPECT_EQ(M_Fn_Copy(), "");
    EXPECT_TRUE(m_App.port().m_Calls.empty());
    // A group without sections is no section either.
    M_Fn_Add(G_Fn_Box_File("", 0));
    EXPECT_EQ(M_Fn_Copy(), "");
    EXPECT_TRUE(m_App.port().m_Calls.empty());
}

TEST_F(C_Proj_Clipboard, ClipboardThatRefusesIsReported)
{
    M_Fn_Add(G_Fn_Box_File(G_Fn_Box(1, "100.0", "50.0", 1), 1));
    const struct {
        int m_Answer;
        const wchar_t* m_Message;
        std::uint32_t m_Result;
    } cases[] = {{C_App_Port::E_Clipboard_Open_Failed, L"Open clipboard failed.", 0},
                 {C_App_Port::E_Clipboard_Set_Failed, L"Empty clipboard failed.", 1},
                 {C_App_Port::E_Clipboard_Set, L"Copy complete, you can paste the result to excel or text.", 1}};
    for (const auto& c : cases) {
        m_App.port().m_Calls.clear();
        m_App.port().m_Clipboard_Answers = {c.m_Answer};
        EXPECT_EQ(mgr().M_Fn_Clipboard_Set_Text({{L"Name"}, {L"x"}}), c.m_Result);
        EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>{c.m_Message});
    }
    EXPECT_EQ(m_App.port().m_Clipboard, "Name\tx\t\n");
}

} // namespace
