// Hostile input: the test files and a written file, mutated, truncated and shuffled with fixed seeds,
// must be read or refused with C_Exception, never crash or fail otherwise (run under the sanitizers
// as part of the normal suite).
#include "biz/iges/Biz_IGES_Entity_102_Curve_Composite.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"
#include "biz/iges/Biz_IGES_Export_Context_File.h"
#include "tests/iges/Test_IGES_Exercise.h"
#include "tests/iges/Test_IGES_Support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

using namespace N_Test_IGES;

namespace {

// A written file of every kind of entity the reader knows, to mutate from.
std::string S_Fn_Written_File()
{
    using namespace N_Biz::N_IGES;
    N_Export::C_Context_File w(L"", L"");
    w.m_sp_Global = std::make_shared<C_Global>();
    w.m_sp_Global->m_Product_Id_Sender = "random";
    for (std::uint32_t k = 1; k <= 4; ++k) {
        auto line = std::make_shared<C_Entity_110_Line>();
        line->m_X1 = float(k), line->m_Y2 = -float(k);
        line->M_Fn_Set_Subordinate(1);
        line->m_Id = std::int32_t(k);
        w.m_Table.add_at(k, line);
    }
    auto composite = std::make_shared<C_Entity_102_Curve_Composite>();
    composite->m_Members = {1, 2, 3, 4};
    composite->m_Id = 5;
    w.m_Table.add_at(5, composite);
    auto spline = std::make_shared<C_Entity_126_Curve_B_Spline_Rational>();
    spline->m_Degree = 1;
    spline->m_Count_Ctrl = 2;
    spline->m_Count_Knot = 4;
    spline->m_Knots = {0, 0, 1, 1};
    spline->m_Weights = {1, 1};
    spline->m_Ctrl_Points = {C_Vector3_f(0, 0, 0), C_Vector3_f(1, 1, 0)};
    spline->m_Id = 6;
    w.m_Table.add_at(6, spline);
    w.M_Fn_Export_Section_Start();
    w.M_Fn_Export_Section_Global();
    w.M_Fn_Export_Section_Entity();
    w.M_Fn_Export_Section_Terminate();
    std::ostringstream out;
    w.M_Fn_Export_Stream(out);
    return out.str();
}

std::vector<std::string> S_Fn_Seeds()
{
    return {G_Fn_Read_File(G_Fn_Testdata("tubes_splined.iges")), G_Fn_Read_File(G_Fn_Testdata("chassis_007_simp.IGS")),
            G_Fn_Read_File(G_Fn_Testdata("example-arcs.iges")), S_Fn_Written_File()};
}

// One random change of the text: a character, an inserted or removed run, a number swapped for a
// hostile one, a line removed or repeated, or the text cut short.
void S_Fn_Mutate(std::string& io_Text, std::mt19937& io_Random)
{
    static const char S_Chars[] = "0123456789,;H-+.DE \n\r\t";
    static const char* const S_Numbers[] = {"0", "-1", "-9999999", "99999999", "2147483647", "1E38", "1E39",
                                            "-0.", "4096", "3", "1H,", "402", "102", "999999999H"};
    if (io_Text.empty())
        return;
    std::uniform_int_distribution<std::size_t> any_pos(0, io_Text.size() - 1);
    switch (io_Random() % 8) {
    case 0:
        io_Text[any_pos(io_Random)] = S_Chars[io_Random() % (sizeof(S_Chars) - 1)];
        break;
    case 1:
        io_Text[any_pos(io_Random)] = char(io_Random() & 0xFF);
        break;
    case 2:
        io_Text.insert(any_pos(io_Random), std::string(1 + io_Random() % 8, S_Chars[io_Random() % (sizeof(S_Chars) - 1)]));
        break;
    case 3: {
        const std::size_t pos = any_pos(io_Random);
        io_Text.erase(pos, 1 + io_Random() % 16);
        break;
    }
    case 4: {
        // Overwrite in place, so the columns of the line stay where they were.
        const char* number = S_Numbers[io_Random() % (sizeof(S_Numbers) / sizeof(S_Numbers[0]))];
        const std::size_t pos = any_pos(io_Random);
        io_Text.replace(pos, std::min(std::strlen(number), io_Text.size() - pos), number);
        break;
    }
    case 5: {
        // A directory field overwritten column-aligned with a hostile value.
        const std::size_t line = (any_pos(io_Random) / 81) * 81;
        const std::size_t field = line + 8 * (io_Random() % 9);
        char text[16];
        std::snprintf(text, sizeof(text), "%8s", S_Numbers[io_Random() % (sizeof(S_Numbers) / sizeof(S_Numbers[0]))]);
        if (field + 8 <= io_Text.size())
            io_Text.replace(field, 8, text, 8);
        break;
    }
    case 6: {
        // A line removed or repeated.
        const std::size_t start = io_Text.rfind('\n', any_pos(io_Random));
        const std::size_t begin = start == std::string::npos ? 0 : start + 1;
        const std::size_t end = io_Text.find('\n', begin);
        const std::string line = io_Text.substr(begin, end == std::string::npos ? std::string::npos : end - begin + 1);
        if (io_Random() % 2)
            io_Text.erase(begin, line.size());
        else
            io_Text.insert(begin, line);
        break;
    }
    default:
        io_Text.resize(any_pos(io_Random));
        break;
    }
}

} // namespace

TEST(C_Context_File_Import, RandomMutationsReadOrFailCleanly)
{
    const auto seeds = S_Fn_Seeds();
    // The unmutated seeds: the tubes and the written file read, the other two are refused.
    EXPECT_EQ(G_Fn_Exercise(seeds[0]), 1);
    EXPECT_EQ(G_Fn_Exercise(seeds[1]), 0);
    EXPECT_EQ(G_Fn_Exercise(seeds[2]), 0);
    EXPECT_EQ(G_Fn_Exercise(seeds[3]), 1);
    int read = 0;
    int refused = 0;
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        for (int i = 0; i < 5000; ++i) {
            std::string text = seeds[random() % seeds.size()];
            const int changes = 1 + int(random() % 4);
            for (int c = 0; c < changes; ++c)
                S_Fn_Mutate(text, random);
            try {
                (G_Fn_Exercise(text) == 1 ? read : refused)++;
            } catch (const std::exception& e) {
                ADD_FAILURE() << "seed " << seed << " case " << i << ": " << e.what();
            }
        }
    }
    // Both outcomes occur, so the mutations reach past the first checks.
    EXPECT_GT(read, 100);
    EXPECT_GT(refused, 100);
}

TEST(C_Context_File_Import, EveryTruncationReadsOrFailsCleanly)
{
    const std::string text = S_Fn_Seeds()[0];
    int read = 0;
    for (std::size_t length = 0; length <= text.size(); ++length) {
        try {
            read += G_Fn_Exercise(std::string_view(text).substr(0, length));
        } catch (const std::exception& e) {
            ADD_FAILURE() << "length " << length << ": " << e.what();
        }
    }
    // A cut inside the T line, or within its line end, still leaves every section whole.
    EXPECT_GE(read, 1);
}

TEST(C_Context_File_Import, HostileCountsAreRefusedWithoutHugeAllocations)
{
    // A spline asking for two billion control points and a composite asking for as many members.
    const std::string global = G_Fn_Join(G_Fn_Lines("1H,,1H;;", 'G'));
    auto file = [&](int i_Type, const std::string& i_Param) {
        std::string p = i_Param;
        p.resize(64, ' ');
        return G_Fn_Line("", 'S', 1) + "\n" + global +
               G_Fn_Line(G_Fn_Field(i_Type) + G_Fn_Field(1) + std::string(48, ' ') + "00000000", 'D', 1) + "\n" +
               G_Fn_Line(G_Fn_Field(i_Type) + G_Fn_Field(0) + G_Fn_Field(0) + G_Fn_Field(1), 'D', 2) + "\n" +
               G_Fn_Line(p + "       1", 'P', 1) + "\n";
    };
    EXPECT_EQ(G_Fn_Exercise(file(126, "126,2147483646,1,0,0,0,0;")), 0);
    EXPECT_EQ(G_Fn_Exercise(file(126, "126,1000000,1000000,0,0,0,0;")), 0);
    EXPECT_EQ(G_Fn_Exercise(file(102, "102,2000000000;")), 0);
    EXPECT_EQ(G_Fn_Exercise(file(102, "102,1,1;")), 1); // a composite holding itself reads, then refuses to answer
    EXPECT_EQ(G_Fn_Exercise(file(314, "314,1.,2.,3.,999999999Hx;")), 0);
}
