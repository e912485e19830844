// The Dyna reader: the real decks of the test data (counts from the deck text), field forms,
// comments, options, and what decks get wrong.
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "tests/db/Test_Import_Support.h"

#include <gtest/gtest.h>

using namespace N_Biz::N_DB;
using N_Test_DB::C_Test_Import;
using N_Test_DB::G_Fn_Get;

namespace {

N_Common::N_Math::C_Vector3<float> G_Fn_Xyz(const C_Row_Node* i_p_Node)
{
    return i_p_Node ? i_p_Node->M_ro_Vector3_f32() : N_Common::N_Math::C_Vector3<float>(-1e30f, -1e30f, -1e30f);
}

// Cards of the tests below: a part with its section and material, and four nodes.
const std::string G_Cards = "*PART\n"
                            "part one\n"
                            "         1         1         1\n"
                            "*SECTION_SHELL\n"
                            "         1\n"
                            "       1.5       1.5       1.5       1.5\n"
                            "*MAT_ELASTIC\n"
                            "         1    7.8E-9  210000.0       0.3\n"
                            "*NODE\n"
                            "       1             0.0             0.0             0.0\n"
                            "       2             1.0             0.0             0.0\n"
                            "       3             1.0             1.0             0.0\n"
                            "       4             0.0             1.0             0.0\n";

} // namespace

TEST(N_Dyna_C_Context_Model, EveryTestDeckImportsEveryNodeAndShell)
{
    // Counted with awk: data lines (not "$" comments) under *NODE and under *ELEMENT_SHELL; the
    // thick shells of ex_13 are another keyword.
    struct C_Deck {
        const char* m_Name;
        std::size_t m_Nodes, m_Shells;
    };
    for (const C_Deck& deck : {C_Deck{"dyna/bracket.k", 1972, 1865}, C_Deck{"dyna/wheel.k", 11825, 11553},
                               C_Deck{"dyna/ex_13_thick_shell_elform_2.k", 324, 0}}) {
        C_Test_Import t;
        EXPECT_EQ(t.M_Fn_Dyna(N_Test_DB::G_Fn_Testdata(deck.m_Name)), 1u) << deck.m_Name;
        EXPECT_EQ(t.data().m_Nodes.size(), deck.m_Nodes) << deck.m_Name;
        EXPECT_EQ(t.data().m_Elements.size(), deck.m_Shells) << deck.m_Name;
        EXPECT_TRUE(t.data().M_Fn_Check_Node_Refs()) << deck.m_Name;
    }
}

TEST(N_Dyna_C_Context_Model, BracketDeckValuesAsTheDeckWritesThem)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Dyna(N_Test_DB::G_Fn_Testdata("dyna/bracket.k")), 1u);
    // "  434224    3266.4460449    -167.3549194     555.2623901       0       0"
    const auto xyz = G_Fn_Xyz(t.M_Fn_Node(434224));
    EXPECT_FLOAT_EQ(xyz.x, 3266.4460449f);
    EXPECT_FLOAT_EQ(xyz.y, -167.3549194f);
    EXPECT_FLOAT_EQ(xyz.z, 555.2623901f);
    // "  479590    4075  434225  434226  434228  434692": part 4075, section 102760 with t1 2.5,
    // material 4204 with E 72.4.
    const C_Row_Element_2D* element = t.M_Fn_Element(479590);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(t.data().m_Nodes.at(std::size_t(element->M_Fn_Node_Get(1))).M_Fn_Id_Get(), 434226);
    const auto part = element->M_Fn_Key_C_Property().M_Fn_Lock();
    ASSERT_TRUE(part);
    EXPECT_EQ(part->M_Fn_Id_Get(), 4075);
    EXPECT_EQ(G_Fn_Get<std::wstring>(*part, E_Id_Column_Name), L"Recliner Bkt i/b");
    const auto section = G_Fn_Get<C_Key_Common>(*part, E_Id_Column_Key_foreign_C_Section).M_Fn_Lock();
    ASSERT_TRUE(section);
    EXPECT_FLOAT_EQ(G_Fn_Get<float>(*section, E_Id_Column_Thk_1), 2.5f);
    const auto material = part->M_Fn_Key_C_Material().M_Fn_Lock();
    ASSERT_TRUE(material);
    EXPECT_FLOAT_EQ(G_Fn_Get<float>(*material, E_Id_Column_Modulus_E), 72.4f);
    EXPECT_EQ(t.data().m_Map_C_S.at(102760), 1u);
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"  Total number of section: 1"));
}

TEST(N_Dyna_C_Context_Model, TitleOptionsCommaLinesCaseAndComments)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Dyna_Text("*keyword  \r\n"
                               "*section_shell_title\r\n"
                               "thin\r\n"
                               "$# secid elform\r\n"
                               "7,,,,,,,\r\n"
                               "0.5,0.5,0.5,0.5\r\n"
                               "*MAT_ELASTIC_TITLE\n"
                               "steel\n"
                               "3,7.8E-9,2.1+5,0.3\n"
                               "*PART\n"
                               "p\n"
                               "       1         7         3\n"
                               "*NODE\n"
                               "1,0.,0.,0.\n2,1.,0.,0.\n3,1.,1.,0.\n"
                               "    $ 4 in column 5 is data, not a comment\n"
                               "*ELEMENT_SHELL\n"
                               "1,1,1,2,3,3\n"
                               "*END"),
              1u);
    const auto& section = t.port().m_C.at(1);
    ASSERT_TRUE(section);
    EXPECT_EQ(section->M_Fn_Id_Get(), 7);
    EXPECT_FLOAT_EQ(G_Fn_Get<float>(*section, E_Id_Column_Thk_3), 0.5f);
    EXPECT_FLOAT_EQ(G_Fn_Get<float>(*t.port().m_C_M.at(1), E_Id_Column_Modulus_E), 2.1e5f);
    // "    $ 4 ..., not a comment" was read as a comma line: its id field is longer than its 8
    // characters, so it is refused and the node dropped.
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 17, Char: 1, Warning: Field is longer than 8 characters, trying to assign with default value."));
    EXPECT_EQ(t.data().m_Nodes.size(), 3u);
    ASSERT_EQ(t.data().m_Elements.size(), 1u);
    // A three-node shell (node 4 = node 3).
    EXPECT_EQ(t.data().m_Elements[0].M_Fn_Node_Corner_Get(3), t.data().m_Elements[0].M_Fn_Node_Get(2));
}

TEST(N_Dyna_C_Context_Model, BadFieldDropsItsRowAndTheCardGoesOn)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Dyna_Text("*KEYWORD\n" + G_Cards +
                               "       5             abc             0.0             0.0\n"
                               "       6             2.0             0.0             0.0\n"
                               "      -7             2.0             0.0             0.0\n"
                               "       8             2.0             1.0             0.0\n"
                               "*ELEMENT_SHELL\n"
                               "       1       1       1       2       3       4\n"
                               "       2       1       1       2       3      99\n"
                               "*END\n"),
              1u);
    // Line 15: a coordinate that cannot be read takes its default, the node stays.
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 15, Char: 9, Warning: Field value can not be read, trying to assign with default value."));
    // Line 17: an id below 1 has no default: that node is dropped, node 8 after it is read.
    EXPECT_TRUE(t.M_Fn_Has_Msg(
        L"Line: 17, Char: 1, Warning: Field value out of range, exceeds lower bound, trying to assign with default value."));
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 17, Char: 1, Warning: Field has no available default value."));
    EXPECT_EQ(t.M_Fn_Node(-7), nullptr);
    EXPECT_NE(t.M_Fn_Node(8), nullptr);
    EXPECT_EQ(t.data().m_Nodes.size(), 7u);
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 21, Warning: Can not find node with NID:99, element EID:2 ignored."));
    EXPECT_EQ(t.data().m_Elements.size(), 1u);
}

TEST(N_Dyna_C_Context_Model, FieldWidthsShortLinesAndIncompleteCards)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Dyna_Text("*KEYWORD\n" + G_Cards +
                               "       9123456789012345678\n"      // x: its 16 characters
                               "10,1.5,2.5,3.5,0,0\n"
                               "2147483647,1.0,0,0\n"              // an id longer than its column
                               "21474836,   7.5   ,0,0\n"          // blanks around a value do not count
                               "*SECTION_SHELL\n"
                               "         2\n"                      // the second line is missing
                               "*SECTION_SHELL\n"                  // 1e30 integration-point angles
                               "         3" + std::string(20, ' ') + "      1e30" + std::string(20, ' ') + "         1\n"
                               "       1.5       1.5       1.5       1.5\n"
                               "*END\n"),
              1u);
    EXPECT_FLOAT_EQ(G_Fn_Xyz(t.M_Fn_Node(9)).x, 1234567890123456.0f);
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(10)), N_Common::N_Math::C_Vector3<float>(1.5f, 2.5f, 3.5f));
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 17, Char: 1, Warning: Field is longer than 8 characters, trying to assign with default value."));
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(21474836)).x, 7.5f);
    EXPECT_EQ(t.data().m_Nodes.size(), 4u + 3u);
    // Neither section was filed: the one whose thickness line never came, and the one that asks
    // for more angle lines than any deck holds.
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 20, Warning: Entry is incomplete, it is ignored."));
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 23, Warning: Repeat count exceeds 65536, entry ignored."));
    EXPECT_EQ(t.data().m_Map_C_S.size(), 1u);
}

TEST(N_Dyna_C_Context_Model, DecksThatFail)
{
    struct C_Case {
        const char* m_Deck;
        const wchar_t* m_Msg;
    };
    for (const C_Case& c : {C_Case{"*NODE\n1,0.,0.,0.\n", L"Error: Failed to find *KEYWORD."},
                            C_Case{"*KEYWORD\n*NODE\n1,0.,0.,0.\n2,1.,0.,0.\n", L"Error: Failed to find *END."},
                            C_Case{"*KEYWORD\n*CONTROL_X\n1\n*CONTROL_X\n2\n*END\n", L"Error: Failed to find any card to import."},
                            C_Case{"", L"Error: Failed to find *KEYWORD."}}) {
        C_Test_Import t;
        EXPECT_EQ(t.M_Fn_Dyna_Text(c.m_Deck), 0u) << c.m_Deck;
        EXPECT_TRUE(t.M_Fn_Has_Msg(c.m_Msg)) << c.m_Deck;
        EXPECT_TRUE(t.M_Fn_Has_Msg(L"DYNA importing failed.")) << c.m_Deck;
        EXPECT_TRUE(t.data().m_Nodes.empty()) << c.m_Deck;
    }
    // An unknown keyword is logged once, with the line where it first appeared.
    C_Test_Import t;
    t.M_Fn_Dyna_Text("*KEYWORD\n*CONTROL_X\n1\n*CONTROL_X\n2\n*NODE\n1,0.,0.,0.\n*END\n");
    const std::string log = t.app().log();
    EXPECT_NE(log.find("Log: Line: 2, Unconcerned keyword: CONTROL_X\n"), std::string::npos);
    EXPECT_EQ(log.find("Line: 4, Unconcerned keyword"), std::string::npos);
}
