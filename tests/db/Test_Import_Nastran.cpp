// The Nastran reader: the real decks of the test data (counts from the deck text), the field
// forms (small, large, free, run-together, implicit exponents, tabs), continuations, INCLUDE,
// and what decks get wrong.
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "tests/db/Test_Import_Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace N_Biz::N_DB;
using N_Test_DB::C_Test_Import;
using N_Test_DB::G_Fn_Get;

namespace {

struct C_Deck_Count {
    const char* m_Name;
    std::size_t m_Nodes;
    std::size_t m_Elements;
};

// Counted from the decks with awk over the lines of the bulk data: GRID (and GRID*) lines, and
// CQUAD4 plus CTRIA3 lines; commented-out entries ("$CQUAD4") do not count.
const C_Deck_Count G_Decks[] = {
    {"nastran/plate.bdf", 36, 25},
    {"nastran/plate_mixed.bdf", 36, 26},
    {"nastran/TestStressTemp.bdf", 18, 10},
    {"nastran/plate_py.dat", 231, 200},
    {"nastran/wingbox_stitched_together-000.bdf", 2675, 2464},
    {"nastran/bwb_geom.blk", 10135, 9236 + 136},
    {"nastran/W1000BOstat.dat", 6375, 5641 + 99},
};

N_Common::N_Math::C_Vector3<float> G_Fn_Xyz(const C_Row_Node* i_p_Node)
{
    return i_p_Node ? i_p_Node->M_ro_Vector3_f32() : N_Common::N_Math::C_Vector3<float>(-1e30f, -1e30f, -1e30f);
}

// The deck id of the node at position i_Pos of the model.
std::int32_t G_Fn_Nid(C_Test_Import& ro_T, std::int32_t i_Pos)
{
    return ro_T.data().m_Nodes.at(static_cast<std::size_t>(i_Pos)).M_Fn_Id_Get();
}

const std::string G_Bulk = "BEGIN BULK\n";

// A fixed-field line: each field right-aligned in i_Width characters after the 8-character head,
// and i_Mnemonic in columns 73-80.
std::string G_Fn_Fix(const std::vector<std::string>& ro_Fields, std::size_t i_Width = 8, const std::string& i_Mnemonic = "")
{
    std::string line = ro_Fields.front();
    line.resize(8, ' ');
    for (std::size_t i = 1; i < ro_Fields.size(); ++i)
        line += std::string(i_Width - ro_Fields[i].size(), ' ') + ro_Fields[i];
    if (!i_Mnemonic.empty()) {
        line.resize(72, ' ');
        line += i_Mnemonic;
    }
    return line + "\n";
}

} // namespace

TEST(N_Nastran_C_Context_Model, EveryTestDeckImportsEveryNodeAndElement)
{
    for (const C_Deck_Count& deck : G_Decks) {
        C_Test_Import t;
        EXPECT_EQ(t.M_Fn_Nastran(N_Test_DB::G_Fn_Testdata(deck.m_Name)), 1u) << deck.m_Name;
        EXPECT_EQ(t.data().m_Nodes.size(), deck.m_Nodes) << deck.m_Name;
        EXPECT_EQ(t.data().m_Elements.size(), deck.m_Elements) << deck.m_Name;
        EXPECT_TRUE(t.data().M_Fn_Check_Node_Refs()) << deck.m_Name;
    }
}

TEST(N_Nastran_C_Context_Model, PlateDeckValuesAsTheDeckWritesThem)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran(N_Test_DB::G_Fn_Testdata("nastran/plate.bdf")), 1u);
    // GRID 8: "GRID     8              2.      2.       0."
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(8)), N_Common::N_Math::C_Vector3<float>(2.0f, 2.0f, 0.0f));
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(36)), N_Common::N_Math::C_Vector3<float>(10.0f, 10.0f, 0.0f));
    EXPECT_EQ(t.data().m_Bound_Min, N_Common::N_Math::C_Vector3<float>(0.0f, 0.0f, 0.0f));
    EXPECT_EQ(t.data().m_Bound_Max, N_Common::N_Math::C_Vector3<float>(10.0f, 10.0f, 0.0f));
    // "CQUAD4   1       1       1       2       8       7": nodes by position, PSHELL 1 referenced.
    const C_Row_Element_2D* element = t.M_Fn_Element(1);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(G_Fn_Nid(t, element->M_Fn_Node_Get(0)), 1);
    EXPECT_EQ(G_Fn_Nid(t, element->M_Fn_Node_Get(2)), 8);
    EXPECT_EQ(G_Fn_Nid(t, element->M_Fn_Node_Get(3)), 7);
    ASSERT_TRUE(element->M_Fn_Key_C_Property().M_Fn_Lock());
    // "PSHELL   1       1      .3": thickness .3, material 1; "MAT1 ... 7.+7": E = 7.0E+7.
    const auto property = element->M_Fn_Key_C_Property().M_Fn_Lock();
    EXPECT_FLOAT_EQ(G_Fn_Get<float>(*property, E_Id_Column_Thk), 0.3f);
    const auto material = property->M_Fn_Key_C_Material().M_Fn_Lock();
    ASSERT_TRUE(material);
    EXPECT_FLOAT_EQ(G_Fn_Get<float>(*material, E_Id_Column_Modulus_E), 7.0e7f);
    // The cards went to the project with palette colours; the model maps deck ids to their slots.
    EXPECT_EQ(t.data().m_Map_C_P.at(1), 1u);
    EXPECT_EQ(t.data().m_Map_C_M.at(1), 1u);
    EXPECT_EQ(t.port().m_C_P.at(1).get(), property.get());
    EXPECT_FLOAT_EQ(property->m_Display.m_Color_Normal[0], 0.01f);
    // The normal of a plate in z = 0 wound counter-clockwise.
    EXPECT_EQ(element->m_Normal, N_Common::N_Math::C_Vector3<float>(0.0f, 0.0f, 1.0f));
}

TEST(N_Nastran_C_Context_Model, RunTogetherFieldsTabsAndLargeFieldAsInRealDecks)
{
    {
        // wingbox: "GRID           1       0109.9495-6.22-1528.01168       0"
        C_Test_Import t;
        ASSERT_EQ(t.M_Fn_Nastran(N_Test_DB::G_Fn_Testdata("nastran/wingbox_stitched_together-000.bdf")), 1u);
        const auto xyz = G_Fn_Xyz(t.M_Fn_Node(1));
        EXPECT_FLOAT_EQ(xyz.x, 109.9495f);
        EXPECT_FLOAT_EQ(xyz.y, -6.22e-15f);
        EXPECT_FLOAT_EQ(xyz.z, 28.01168f);
    }
    {
        // TestStressTemp: "GRID*    2   ...   .020000003278255 0." with "*        0." for X3.
        C_Test_Import t;
        ASSERT_EQ(t.M_Fn_Nastran(N_Test_DB::G_Fn_Testdata("nastran/TestStressTemp.bdf")), 1u);
        EXPECT_FLOAT_EQ(G_Fn_Xyz(t.M_Fn_Node(2)).x, 0.020000003278255f);
    }
    {
        // plate_mixed: "MAT1     1      7.+7            .3<TAB>0.01": the tab moves RHO to column 41.
        C_Test_Import t;
        ASSERT_EQ(t.M_Fn_Nastran(N_Test_DB::G_Fn_Testdata("nastran/plate_mixed.bdf")), 1u);
        const auto& material = t.port().m_C_M.at(1);
        ASSERT_TRUE(material);
        EXPECT_FLOAT_EQ(G_Fn_Get<float>(*material, E_Id_Column_Ratio_Poisson), 0.3f);
        EXPECT_FLOAT_EQ(G_Fn_Get<float>(*material, E_Id_Column_Density_Mass), 0.01f);
    }
}

TEST(N_Nastran_C_Context_Model, FreeFieldContinuationsAndImplicitExponents)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text("SOL 101\nCEND\n" + G_Bulk +
                                  "GRID,1,,-7.-1,1+2,-.5+2\n"
                                  "GRID,2,,1.5D+1,0.,0.\n" +
                                  G_Fn_Fix({"GRID*", "3", "", "1.0", "2.0"}, 16) + G_Fn_Fix({"*", "3.0"}, 16) +
                                  G_Fn_Fix({"GRID", "4", "", "1.", "2.", "3."}, 8, "+G4") + G_Fn_Fix({"+G4", "9."}) +
                                  G_Fn_Fix({"CTRIA3", "7", "1", "1", "2", "3"}) +
                                  "PSHELL,1,1,0.25\n"
                                  "MAT1,1,2.1+5,,0.3\n"
                                  "ENDDATA\n"),
              1u);
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(1)), N_Common::N_Math::C_Vector3<float>(-0.7f, 100.0f, -50.0f));
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(2)).x, 15.0f);
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(3)), N_Common::N_Math::C_Vector3<float>(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(4)), N_Common::N_Math::C_Vector3<float>(1.0f, 2.0f, 3.0f));
    // A three-node element: corner 3 repeats node 3.
    const C_Row_Element_2D* element = t.M_Fn_Element(7);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->M_Fn_Node_Num(), 3u);
    EXPECT_EQ(element->M_Fn_Node_Corner_Get(3), element->M_Fn_Node_Get(2));
    EXPECT_FLOAT_EQ(G_Fn_Get<float>(*t.port().m_C_M.at(1), E_Id_Column_Modulus_E), 2.1e5f);
}

TEST(N_Nastran_C_Context_Model, MnemonicContinuationsMatchOnceAndUnknownOnesWarn)
{
    C_Test_Import t;
    const std::string pad(80 - 8, ' ');
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Bulk + G_Fn_Fix({"CQUAD4", "1", "1", "1", "2", "3", "4"}, 8, "+Q1") +
                                  G_Fn_Fix({"+Q1", "", "1", ".1", ".2", ".3", ".4"}) + G_Fn_Fix({"+Q1", "", "1", ".5", ".5", ".5", ".5"}) +
                                  "GRID,1,,0.,0.,0.\nGRID,2,,1.,0.,0.\nGRID,3,,1.,1.,0.\nGRID,4,,0.,1.,0.\n"
                                  "ENDDATA\n"),
              1u);
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 4, Warning: Failed to find any previously defined entry match current continuation mnemonic:+Q1."));
    const C_Row_Element_2D* element = t.M_Fn_Element(1);
    ASSERT_NE(element, nullptr);
    // The first continuation filled the corner thicknesses (Blank, TFLAG, T1..T4).
    const auto& option = element->M_Fn_Sub_Get_rscpo_Row_Etc_Option(1, 0);
    ASSERT_TRUE(option);
    EXPECT_FLOAT_EQ(N_Test_DB::G_Fn_Get_At<float>(*option, 2), 0.1f);
    EXPECT_FLOAT_EQ(N_Test_DB::G_Fn_Get_At<float>(*option, 5), 0.4f);
}

TEST(N_Nastran_C_Context_Model, MnemonicsThatNothingContinuesKeepNoRowOpen)
{
    // Rows whose mnemonics no line continues are filed as soon as the next entry is read: the
    // duplicate of line 3 is reported while reading, before the unmatched mnemonic of line 5.
    {
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Bulk + G_Fn_Fix({"GRID", "1", "", "1.", "2.", "3."}, 8, "+M1") +
                                  G_Fn_Fix({"GRID", "1", "", "4.", "5.", "6."}, 8, "+M2") + G_Fn_Fix({"GRID", "7"}) +
                                  G_Fn_Fix({"+XX", "1"}) + "ENDDATA\n"),
              1u);
    const std::vector<std::wstring> msgs = t.M_Fn_Msgs();
    const auto at = [&](const std::wstring& i_Text) { return std::find(msgs.begin(), msgs.end(), i_Text) - msgs.begin(); };
    const auto duplicate = at(L"Line: 3, Warning: NID:1 duplicates, node ignored.");
    const auto unmatched = at(L"Line: 5, Warning: Failed to find any previously defined entry match current continuation mnemonic:+XX.");
    ASSERT_LT(unmatched, static_cast<std::ptrdiff_t>(msgs.size()));
    EXPECT_LT(duplicate, unmatched);
    }

    // A mnemonic that a line far behind, or a line of an included file, continues still matches.
    C_Test_Import far;
    far.M_Fn_Deck("cont.dat", G_Fn_Fix({"+Q2", "", "1", ".5", ".6", ".7", ".8"}));
    std::string deck = G_Bulk + G_Fn_Fix({"CQUAD4", "1", "1", "1", "2", "3", "4"}, 8, "+Q1") +
                       G_Fn_Fix({"CQUAD4", "2", "1", "1", "2", "3", "4"}, 8, "+Q2");
    for (int i = 1; i <= 4; ++i)
        deck += G_Fn_Fix({"GRID", std::to_string(i), "", std::to_string(i % 2) + ".", std::to_string(i / 3) + ".", "0."}, 8,
                         "+G" + std::to_string(i));
    deck += "INCLUDE 'cont.dat'\n" + G_Fn_Fix({"+Q1", "", "1", ".1", ".2", ".3", ".4"}) + "ENDDATA\n";
    ASSERT_EQ(far.M_Fn_Nastran_Text(deck), 1u);
    for (const auto& [id, t1] : {std::pair{1, 0.1f}, std::pair{2, 0.5f}}) {
        const C_Row_Element_2D* element = far.M_Fn_Element(id);
        ASSERT_NE(element, nullptr);
        const auto& option = element->M_Fn_Sub_Get_rscpo_Row_Etc_Option(1, 0);
        ASSERT_TRUE(option) << id;
        EXPECT_FLOAT_EQ(N_Test_DB::G_Fn_Get_At<float>(*option, 2), t1) << id;
    }
}

TEST(N_Nastran_C_Context_Model, CommentsBlankLinesCrlfAndMissingLastNewline)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text("$ \xE4\xB8\xAD comment\r\nCEND\r\nBEGIN BULK\r\n"
                                  "GRID           1              1.      2.      3.$ comment \xC3\xA9\r\n"
                                  "      \r\n"
                                  "$\r\n"
                                  "GRID           2              4.      5.      6.\r\n"
                                  "ENDDATA"),
              1u);
    EXPECT_EQ(t.data().m_Nodes.size(), 2u);
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(2)), N_Common::N_Math::C_Vector3<float>(4.0f, 5.0f, 6.0f));
    // Lines that are empty after the comment do not count: CEND, BEGIN BULK, two GRIDs, ENDDATA.
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"  Total number of line: 5"));
}

TEST(N_Nastran_C_Context_Model, FieldsThatCannotBeReadOrAreOutOfRangeWarnWithLineAndChar)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Bulk + G_Fn_Fix({"GRID", "1", "0", "1.5.2", "2.0", "3.0"}) + G_Fn_Fix({"GRID", "2", "-1", "1.0", "2.0", "3.0"}) +
                                  "GRID,100000000,,1.,2.,3.\n"
                                  "ENDDATA\n"),
              1u);
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 2, Char: 25, Warning: Field value can not be read, trying to assign with default value."));
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(1)).x, 0.0f);
    EXPECT_TRUE(t.M_Fn_Has_Msg(
        L"Line: 3, Char: 17, Warning: Field value out of range, exceeds lower bound, trying to assign with default value."));
    EXPECT_TRUE(t.M_Fn_Has_Msg(
        L"Line: 4, Char: 6, Warning: Field value out of range, exceeds upper bound, trying to assign with default value."));
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 4, Char: 6, Warning: Field has no available default value."));
    // The GRID whose id had no value is not filed; the other two are.
    EXPECT_EQ(t.data().m_Nodes.size(), 2u);
}

TEST(N_Nastran_C_Context_Model, DuplicatesUnknownNodesAndCardsWarnAndTheImportGoesOn)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Bulk +
                                  "GRID,5,,0.,0.,0.\nGRID,5,,9.,9.,9.\nGRID,6,,1.,0.,0.\nGRID,7,,1.,1.,0.\n"
                                  "CTRIA3,1,1,5,6,7\nCTRIA3,2,1,5,6,99\nCTRIA3,3,4,5,6,7\n"
                                  "PSHELL,1,8,0.1\nFOO,1,2\nFOO,3,4\n"
                                  "ENDDATA\n"),
              1u);
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 3, Warning: NID:5 duplicates, node ignored."));
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(5)).x, 0.0f); // the first one wins
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 7, Warning: Can not find node with NID:99, element EID:2 ignored."));
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Warning: Can not find property with PID:4"));
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Warning: Can not find material with MID:8"));
    EXPECT_EQ(t.data().m_Elements.size(), 2u);
    EXPECT_EQ(G_Fn_Nid(t, t.M_Fn_Element(1)->M_Fn_Node_Get(0)), 5);
    EXPECT_FALSE(t.M_Fn_Element(3)->M_Fn_Key_C_Property().M_Fn_Lock());
    // An unknown keyword is logged once, with the line where it first appeared.
    const std::string log = t.app().log();
    EXPECT_NE(log.find("Log: Line: 10, Unconcerned keyword: FOO\n"), std::string::npos);
    EXPECT_EQ(log.find("Line: 11, Unconcerned keyword: FOO"), std::string::npos);
}

TEST(N_Nastran_C_Context_Model, IncludeIsRelativeToTheIncludingFileAndMayNotIncludeItself)
{
    {
        C_Test_Import t;
        std::filesystem::create_directory(t.app().dir() / "sub");
        t.M_Fn_Deck("sub/part2.dat", "GRID,2,,4.,5.,6.\nENDDATA\nGRID,3,,7.,8.,9.\n");
        ASSERT_EQ(t.M_Fn_Nastran_Text(G_Bulk + "GRID,1,,1.,2.,3.\nINCLUDE 'sub/part\n2.dat'\nGRID,4,,0.,0.,0.\nENDDATA\n"), 1u);
        EXPECT_EQ(t.data().m_Nodes.size(), 3u);
        EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(2)), N_Common::N_Math::C_Vector3<float>(4.0f, 5.0f, 6.0f));
        EXPECT_EQ(t.M_Fn_Node(3), nullptr); // after the included file's ENDDATA
        EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 3, Include statement."));
    }
    {
        C_Test_Import t;
        const std::wstring self = t.M_Fn_Deck("self.bdf", G_Bulk + "INCLUDE 'self.bdf'\nENDDATA\n");
        EXPECT_EQ(t.M_Fn_Nastran(self), 0u);
        EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 2, Error: Include file depth exceed 10."));
        EXPECT_TRUE(t.M_Fn_Has_Msg(L"Nastran importing failed."));
    }
    {
        C_Test_Import t;
        EXPECT_EQ(t.M_Fn_Nastran_Text(G_Bulk + "INCLUDE part.dat\nENDDATA\n"), 0u);
        EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 2, Error: Expect ' sign after INCLUDE."));
    }
}

TEST(N_Nastran_C_Context_Model, DeckStructureErrorsAndWarnings)
{
    struct C_Case {
        std::string m_Deck;
        std::uint32_t m_Result;
        const wchar_t* m_Msg;
    };
    const std::string grids = "GRID,1,,1.,2.,3.\nGRID,2,,1.,2.,3.\n";
    const C_Case cases[] = {
        {"SOL 101\nCEND\n" + grids, 0, L"Error: Failed to find BEGIN BULK."},
        // A deck cut off after its bulk data began is no model.
        {"SOL 101\nCEND\n" + G_Bulk + grids, 0, L"Error: Failed to find ENDDATA."},
        {G_Bulk + grids, 0, L"Error: Failed to find ENDDATA."},
        // A bulk fragment (neither executive control nor BEGIN BULK) is read as bulk data.
        {grids, 1, L"Warning: Failed to find BEGIN BULK, the whole file is read as bulk data."},
        // Files from which no card was read: empty, text, a Dyna deck.
        {"", 0, L"Error: Failed to find any card to import."},
        {"Just a note\nwith two lines\n", 0, L"Error: Failed to find any card to import."},
        {"*KEYWORD\n*NODE\n       1             0.0             0.0             0.0\n*END\n", 0,
         L"Error: Failed to find any card to import."},
        {G_Bulk + "GRID,1,,1.,2.,3.\n=,*1,,=\nENDDATA\n", 0,
         L"This file contains replication format, which is not supported. Please convert the file by Nastran with "
         L"ECHO=PUNCH first and try again."},
        {G_Bulk + "        1.0\nENDDATA\n", 0,
         L"Line: 2, Error: Failed to parse current logical continuation entry because its previous entry is invalid."},
    };
    for (const C_Case& c : cases) {
        C_Test_Import t;
        EXPECT_EQ(t.M_Fn_Nastran_Text(c.m_Deck), c.m_Result) << c.m_Deck;
        EXPECT_TRUE(t.M_Fn_Has_Msg(c.m_Msg)) << c.m_Deck;
        EXPECT_EQ(t.data().m_Nodes.size(), c.m_Result == 1 ? 2u : 0u) << c.m_Deck;
        EXPECT_TRUE(t.M_Fn_Has_Msg(c.m_Result == 1 ? L"Nastran importing finished." : L"Nastran importing failed.")) << c.m_Deck;
    }
    C_Test_Import t;
    EXPECT_EQ(t.M_Fn_Nastran(t.app().dir().wstring() + L"/missing.bdf"), 0u);
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Error: Failed to open file."));
}

TEST(N_Nastran_C_Context_Model, CoordinateSystemsAreCountedOnce)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Bulk + "GRID,1,2,1.,0.,0.\nGRID,2,,1.,0.,0.,3\nGRID,3,5,1.,0.,0.,3\nGRID,4,0,1.,0.,0.,0\n"
                                           "ENDDATA\n"),
              1u);
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Warning: 2 nodes are located in a coordinate system other than the basic one (CP), their "
                               L"coordinates are taken as they stand."));
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Warning: 2 nodes have a displacement coordinate system (CD), it is not applied."));
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(1)).x, 1.0f);
}

TEST(N_Nastran_C_Context_Model, FreeFieldExtraFieldsAndUnpairedMarkersWarn)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Bulk + "GRID,1,,1.,2.,3.,,,,9,9\nGRID,2,,1.,2.,3.,+A,x\nGRID,4,,+1.,-2.,+3.\nENDDATA\n"), 1u);
    // A field that begins with "+" and reads as a number is a number.
    EXPECT_EQ(G_Fn_Xyz(t.M_Fn_Node(4)), N_Common::N_Math::C_Vector3<float>(1.0f, -2.0f, 3.0f));
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 2, Char: 21, Warning: Unexpected field, entry is not supposed have more field here."));
    EXPECT_TRUE(t.M_Fn_Has_Msg(
        L"Line: 3, Char: 21, Warning: Current field must be a continuation indicating field to make pair with its previous field."));
    EXPECT_EQ(t.data().m_Nodes.size(), 3u);
}
