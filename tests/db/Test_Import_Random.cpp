// Hostile decks for both readers: mutations and truncations of the real test decks (fixed seeds),
// binary garbage, absurd ids and counts, a 10 MB line, a line without end. Every one must end in a
// result or a C_Exception with messages, never a crash, and leave a sound model.
#include "tests/db/Test_Import_Exercise.h"
#include "tests/db/Test_Import_Support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>

using N_Test_DB::C_Test_Import;

namespace {

std::string G_Fn_Read(const std::string& i_Name)
{
    std::ifstream file(std::string(VT_TESTDATA_DIR) + "/" + i_Name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// One random change: a cut, flipped bytes, inserted noise, a dropped or repeated line, or a number
// replaced by an absurd one.
void G_Fn_Mutate(std::string& io_Text, std::mt19937& ro_Random)
{
    if (io_Text.empty())
        return;
    auto at = [&] { return std::uniform_int_distribution<std::size_t>(0, io_Text.size() - 1)(ro_Random); };
    static const char* const absurd[] = {"2147483647", "-2147483648", "99999999999999999999", "1e39", "-0", "+", "nan",
                                         "7.+", "1D999", "*", "=", ",", "$", "\t", "\r", "\n*", "\n+A"};
    switch (ro_Random() % 6) {
    case 0: io_Text.resize(at()); break;
    case 1:
        for (int i = 0; i < 8; ++i)
            io_Text[at()] = static_cast<char>(ro_Random());
        break;
    case 2: io_Text.insert(at(), std::string(1 + ro_Random() % 40, static_cast<char>(ro_Random()))); break;
    case 3: {
        const std::size_t start = io_Text.rfind('\n', at());
        const std::size_t begin = start == std::string::npos ? 0 : start + 1;
        const std::size_t end = io_Text.find('\n', begin);
        io_Text.erase(begin, end == std::string::npos ? std::string::npos : end - begin + 1);
        break;
    }
    case 4: {
        const std::size_t begin = io_Text.rfind('\n', at());
        const std::size_t from = begin == std::string::npos ? 0 : begin + 1;
        const std::size_t end = io_Text.find('\n', from);
        const std::string line = io_Text.substr(from, end == std::string::npos ? std::string::npos : end - from + 1);
        io_Text.insert(from, line + line);
        break;
    }
    default: io_Text.insert(at(), absurd[ro_Random() % std::size(absurd)]); break;
    }
}

} // namespace

TEST(N_Import_Random, MutatedTestDecksNeverCrash)
{
    C_Test_Import t; // the application with the real schema
    const char* const decks[] = {"nastran/plate.bdf", "nastran/plate_mixed.bdf", "nastran/TestStressTemp.bdf",
                                 "nastran/plate_py.dat", "dyna/ex_13_thick_shell_elform_2.k"};
    int imported = 0;
    for (const char* deck : decks) {
        const std::string text = G_Fn_Read(deck);
        ASSERT_FALSE(text.empty()) << deck;
        for (unsigned seed = 1; seed <= 24; ++seed) {
            std::mt19937 random(seed);
            std::string mutated = text;
            const unsigned changes = 1 + random() % 6;
            for (unsigned i = 0; i < changes; ++i)
                G_Fn_Mutate(mutated, random);
            EXPECT_NO_THROW(imported += N_Test_DB::G_Fn_Exercise(mutated, t.app().dir())) << deck << " seed " << seed;
        }
    }
    // Most mutated decks still import (with warnings), so the readers went through them.
    EXPECT_GT(imported, 60);
}

TEST(N_Import_Random, TruncatedDecksGiveAResultAtEveryCut)
{
    C_Test_Import t;
    const std::string text = G_Fn_Read("nastran/plate.bdf");
    const std::string dyna = G_Fn_Read("dyna/bracket.k").substr(0, 12000);
    for (std::size_t cut = 0; cut < text.size(); cut += 97)
        EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise(text.substr(0, cut), t.app().dir())) << cut;
    for (std::size_t cut = 0; cut < dyna.size(); cut += 331)
        EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise(dyna.substr(0, cut), t.app().dir())) << cut;
}

TEST(N_Import_Random, GarbageAndHostileDecks)
{
    C_Test_Import t;
    std::mt19937 random(7);
    std::string garbage(1 << 16, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random());
    EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise(garbage, t.app().dir()));
    EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise("BEGIN BULK\n" + garbage, t.app().dir()));
    EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise("*KEYWORD\n*NODE\n" + garbage, t.app().dir()));
    // Absurd ids: the extremes of the id type, elements naming them.
    EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise("BEGIN BULK\nGRID,2147483647,,1.,2.,3.\nGRID,-2147483648,,1.,2.,3.\n"
                                             "GRID,99999999999,,1.,2.,3.\nCTRIA3,1,1,2147483647,-2147483648,2147483647\n"
                                             "CQUAD4,2,1,1,2,3,4\nENDDATA\n",
                                             t.app().dir()));
    // A free-field line of a million commas and one 10 MB line without end.
    EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise("BEGIN BULK\nGRID," + std::string(1000000, ',') + "\nENDDATA\n", t.app().dir()));
    EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise("BEGIN BULK\nGRID    " + std::string(10 << 20, '1'), t.app().dir()));
    EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise("*KEYWORD\n*NODE\n" + std::string(10 << 20, '7') + "\n*END\n", t.app().dir()));
    // A section whose integration-point count asks for endless angle lines.
    EXPECT_NO_THROW(N_Test_DB::G_Fn_Exercise("*KEYWORD\n*SECTION_SHELL\n1,0,1,1e30,1,0,1,1\n1,1,1,1\n" +
                                                 std::string(300, '\n') + "*END\n",
                                             t.app().dir()));
}

TEST(N_Import_Random, ALineLongerThanTheReaderTakesIsCutWithAWarning)
{
    C_Test_Import t;
    const std::string deck = "BEGIN BULK\nGRID,1,,1.,2.,3." + std::string((16 << 20) + 10, ' ') + "x\nENDDATA\n";
    EXPECT_EQ(t.M_Fn_Nastran_Text(deck), 1u);
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Line: 2, Warning: Line is longer than 16777216 characters, the rest of it is ignored."));
    EXPECT_EQ(t.data().m_Nodes.size(), 1u);
}

TEST(N_Import_Random, WarningsOfOneImportAreRationed)
{
    C_Test_Import t;
    std::string deck = "BEGIN BULK\n";
    for (int i = 0; i < 1500; ++i)
        deck += "GRID,1,,1.,2.,3.\n";
    ASSERT_EQ(t.M_Fn_Nastran_Text(deck + "ENDDATA\n"), 1u);
    std::size_t shown = 0;
    for (const std::wstring& text : t.M_Fn_Msgs())
        shown += text.find(L"duplicates, node ignored.") != std::wstring::npos;
    EXPECT_EQ(shown, 1000u);
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Warning: 499 more warnings were not shown."));
    // The rest went to the log only.
    const std::string log = t.app().log();
    EXPECT_NE(log.find("Log: Line: 1501, Warning: NID:1 duplicates, node ignored."), std::string::npos);
}
