// Free-format fields (the readers of the global section and parameter data, and the writers) and
// the global-section record with its 26 parameters.
#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Global.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"
#include "common/Common_Exception.h"
#include "tests/iges/Test_IGES_Support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <type_traits>

using N_Biz::N_IGES::C_Global;
using N_Common::N_Exception::C_Exception;
using namespace N_Biz::N_IGES::N_Import;
using namespace N_Biz::N_IGES::N_Export;
using N_Test_IGES::G_Fn_Params;

namespace {

// Reads one field of type T from the front of io_Text (delimiters ',' and ';'); returns i_Start
// where the field leaves the value alone.
template <class T>
T read(std::string_view& io_Text, bool& io_End, T i_Start = T())
{
    if constexpr (std::is_same_v<T, float>)
        Fn_Read_Free_Field_Real(io_End, io_Text, ',', ';', i_Start);
    else if constexpr (std::is_same_v<T, std::int32_t>)
        Fn_Read_Free_Field_Integer(io_End, io_Text, ',', ';', i_Start);
    else
        Fn_Read_Free_Field_String(io_End, io_Text, ',', ';', i_Start);
    return i_Start;
}

// One field read from a whole text.
template <class T>
T read_one(std::string_view i_Text, T i_Start = T())
{
    bool end = false;
    return read<T>(i_Text, end, i_Start);
}

// The parameters of a global record read from i_Text.
std::string imported(const std::string& i_Text)
{
    std::string_view rest(i_Text);
    bool end = false;
    C_Global g;
    EXPECT_EQ(g.M_Fn_Import(rest, ',', ';', end), 1);
    EXPECT_TRUE(end);
    return G_Fn_Params(g);
}

} // namespace

// ---------- readers ----------

TEST(Fn_Read_Free_Field, IntegerRealThenRecordEndAfterWhichEveryFieldIsEmpty)
{
    std::string_view text = "12,3.5D-1;";
    bool end = false;
    std::int32_t i = 0;
    EXPECT_EQ(Fn_Read_Free_Field_Integer(end, text, ',', ';', i), 1);
    EXPECT_EQ(i, 12);
    EXPECT_FALSE(end);
    EXPECT_EQ(text, "3.5D-1;");
    EXPECT_FLOAT_EQ(read<float>(text, end), 0.35f);
    EXPECT_TRUE(end);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(read<float>(text, end, 7.0f), 7.0f);
    EXPECT_EQ(read<std::string>(text, end, "keep"), "keep");
}

TEST(Fn_Read_Free_Field, HollerithKeepsDelimitersAsDataAndEmptyFieldsKeepTheirValues)
{
    std::string_view text = "3HA,B,5;";
    bool end = false;
    EXPECT_EQ(read<std::string>(text, end), "A,B");
    EXPECT_EQ(read<std::int32_t>(text, end), 5);
    EXPECT_TRUE(end);
    text = "5HAB;CD;";
    end = false;
    EXPECT_EQ(read<std::string>(text, end), "AB;CD");
    EXPECT_TRUE(end);
    // A zero count is an empty string; blanks after the string are skipped up to its delimiter.
    text = "0H,2Hxy  ,";
    end = false;
    EXPECT_EQ(read<std::string>(text, end, "x"), "");
    EXPECT_EQ(read<std::string>(text, end), "xy");
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(end);
    text = ",,7;";
    EXPECT_EQ(read<std::int32_t>(text, end, 11), 11);
    EXPECT_EQ(read<std::int32_t>(text, end, 22), 22);
    EXPECT_EQ(read<std::int32_t>(text, end, 33), 7);
    // A string field that is no Hollerith string (does not begin with a digit) is skipped.
    text = "  abc,5;";
    end = false;
    EXPECT_EQ(read<std::string>(text, end, "old"), "old");
    EXPECT_EQ(read<std::int32_t>(text, end), 5);
}

TEST(Fn_Read_Free_Field, NumberForms)
{
    const std::pair<const char*, float> reals[] = {
        {"1.5D2,", 150.0f}, {"+2.5,", 2.5f},      {".5,", 0.5f}, {"1.,", 1.0f}, {"1.0e-08,", 1.0e-8f},
        {" \t 7 ,", 7.0f},  {"1E-60,", 0.0f},     // below the float range: the nearest float
        {"abc,", 42.0f},    {"inf,", 42.0f},      {"nan;", 42.0f}, {"-,", 42.0f}}; // not a number: unchanged
    for (const auto& [text, value] : reals)
        EXPECT_EQ(read_one<float>(text, 42.0f), value) << text;
    EXPECT_TRUE(std::signbit(read_one<float>("-0.,")));
    EXPECT_THROW(read_one<float>("1E60,"), C_Exception); // beyond the float range
    EXPECT_EQ(read_one<std::int32_t>("3.5,"), 3);
    EXPECT_EQ(read_one<std::int32_t>("-17;"), -17);
    EXPECT_EQ(read_one<std::int32_t>("+8,"), 8);
    EXPECT_EQ(read_one<std::int32_t>("2147483647,"), 2147483647);
    EXPECT_THROW(read_one<std::int32_t>("2147483648,"), C_Exception);
    EXPECT_THROW(read_one<std::int32_t>("99999999999999999999,"), C_Exception);
}

TEST(Fn_Read_Free_Field, Refusals)
{
    std::string_view blank = "   ";
    EXPECT_THROW(Fn_Parse_Free_Field_Remove_leading_space(blank), C_Exception);
    EXPECT_THROW(read_one<std::int32_t>(""), C_Exception);
    EXPECT_THROW(read_one<std::int32_t>("12"), C_Exception); // no delimiter
    EXPECT_THROW(read_one<float>("1.5  "), C_Exception);
    // A Hollerith count: every character before "H" a digit (at most 9), and it fits the text.
    for (const char* bad : {"3.5,7Habcdefg;", "12;", "3hAbc;", "1234567890Hx;", "5Habc;", "3Habc", "3Habc  "})
        EXPECT_THROW(read_one<std::string>(bad), C_Exception) << bad;
    EXPECT_EQ(read_one<std::string>("9H123456789,"), "123456789");
}

TEST(Fn_Read_Fixed, ColumnsOfADirectoryLine)
{
    const std::string line = "     126      -5               000000001  AB CD";
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 1, 8), 126);
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 9, 8), -5);
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 17, 8), 0); // blank
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 33, 2), 0);
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 39, 2), 1);
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 200, 8), 0); // past the end
    EXPECT_EQ(Fn_Read_Fixed_Word(line, 41, 8), "AB");
    EXPECT_EQ(Fn_Read_Fixed_Word(line, 1, 3), "");
}

// ---------- writers ----------

TEST(Fn_Write_Field, NumbersMoveWholeToTheNextLineAndTheRecordEnds)
{
    std::vector<std::string> lines;
    Fn_Write_Token(lines, std::string(58, 'x'), 64);
    Fn_Write_Field_Real(lines, 1.5f, ',', 64); // "1.500000," needs 9 columns, 6 are left
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(58, 'x') + "      ", "1.500000,"}));
    lines.assign(1, std::string(55, 'x')); // a token that fits exactly stays on the line
    Fn_Write_Field_Real(lines, 1.5f, ',', 64);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 64u);
    lines.clear();
    Fn_Write_Field_Integer(lines, 110, ',', ';', false, 64);
    Fn_Write_Field_Integer(lines, -3, ',', ';', false, 64);
    Fn_Write_Field_Integer(lines, 0, ',', ';', true, 64);
    EXPECT_EQ(lines, std::vector<std::string>{"110,-3,0;" + std::string(55, ' ')});
    EXPECT_EQ(Fn_Format_Real(1.0f), "1.000000");
    EXPECT_EQ(Fn_Format_Real(-0.25f), "-0.250000");
    EXPECT_EQ(Fn_Format_Real(10000.0f), "10000.000000");
    EXPECT_EQ(Fn_Format_Real(1.0e-8f), "0.000000");
    EXPECT_EQ(Fn_Format_Real(3.0e38f).find('e'), std::string::npos);
    EXPECT_EQ(Fn_Format_Fixed_Integer(12, 8), "      12");
    EXPECT_EQ(Fn_Format_Fixed_Integer(-9999999, 8), "-9999999");
    EXPECT_EQ(Fn_Format_Fixed_Integer(1, 7), "      1");
    EXPECT_THROW(Fn_Format_Fixed_Integer(123456789, 8), C_Exception);
    EXPECT_THROW(Fn_Format_Fixed_Integer(-10000000, 8), C_Exception);
}

TEST(Fn_Write_Field, LongStringsRunAcrossLinesAndEmptyOnesAreEmptyFields)
{
    std::vector<std::string> lines;
    Fn_Write_Field_String(lines, std::string(80, 'a'), ',', ';', false, 64);
    EXPECT_EQ(lines, (std::vector<std::string>{"80H" + std::string(61, 'a'), std::string(19, 'a') + ","}));
    lines.clear(); // a string that exactly fills a line puts its delimiter on the next
    Fn_Write_Field_String(lines, std::string(61, 'b'), ',', ';', true, 64);
    EXPECT_EQ(lines, (std::vector<std::string>{"61H" + std::string(61, 'b'), ";" + std::string(63, ' ')}));
    // Global section width: 72. The count token fits and the text runs on, or the count moves whole.
    lines.assign(1, std::string(70, 'x'));
    Fn_Write_Field_String(lines, "Inches", ',', ';', false, 72);
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(70, 'x') + "6H", "Inches,"}));
    lines.assign(1, std::string(71, 'x'));
    Fn_Write_Field_String(lines, "Inches", ',', ';', false, 72);
    EXPECT_EQ(lines, (std::vector<std::string>{std::string(71, 'x') + " ", "6HInches,"}));
    lines.clear();
    Fn_Write_Field_String(lines, "", ',', ';', false, 72);
    Fn_Write_Field_String(lines, "", ',', ';', true, 72);
    EXPECT_EQ(lines, std::vector<std::string>{",;" + std::string(70, ' ')});
}

TEST(Fn_Write_Field, WrittenFieldsReadBack)
{
    std::vector<std::string> lines;
    const std::string name = "a,b;c" + std::string(100, 'z');
    Fn_Write_Field_Integer(lines, 314, ',', ';', false, 64);
    Fn_Write_Field_Real(lines, -12.5f, ',', 64);
    Fn_Write_Field_String(lines, name, ',', ';', false, 64);
    Fn_Write_Field_Integer(lines, 7, ',', ';', true, 64);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_EQ(line.size(), 64u);
        joined += line;
    }
    std::string_view text(joined);
    bool end = false;
    EXPECT_EQ(read<std::int32_t>(text, end), 314);
    EXPECT_EQ(read<float>(text, end), -12.5f);
    EXPECT_EQ(read<std::string>(text, end), name);
    EXPECT_EQ(read<std::int32_t>(text, end), 7);
    EXPECT_TRUE(end);
}

// ---------- the global record ----------

TEST(C_Global, DefaultsAndAllParametersRead)
{
    const std::string defaults_from_16 = "|1|0||0|0|||3|0||";
    EXPECT_EQ(G_Fn_Params(C_Global()), ",;|||||0|0|0|0|0||1|1|Inches" + defaults_from_16);
    EXPECT_EQ(imported("4HSend,8Hfile.igs,6HNative,3HPre,32,38,6,308,15,4HRecv,2.5,2,2HMM,1000,0.5,"
                       "15H20201207.130542,1.0D-3,1.5E4,6HAuthor,3HOrg,11,4,15H20201208.000000,3HAP1;"),
              ",;|Send|file.igs|Native|Pre|32|38|6|308|15|Recv|2.5|2|MM|1000|0.5|20201207.130542|0.001|15000|Author|"
              "Org|11|4|20201208.000000|AP1");
    // A record that ends after parameter 15, or with empty fields, keeps the defaults.
    EXPECT_EQ(imported(",,,,32,38,6,308,15,,1.,2,2HMM;" + std::string(30, ' ')),
              ",;|||||32|38|6|308|15||1|2|MM" + defaults_from_16);
    EXPECT_EQ(imported(",,,,,,,,,,,,,,,,,,,,,,,;"), G_Fn_Params(C_Global()));
    std::string_view rest = "4HSend,8Hfile.igs,";
    bool end = false;
    EXPECT_THROW(C_Global().M_Fn_Import(rest, ',', ';', end), C_Exception); // no record delimiter
}

TEST(C_Global, WrittenWrappedAt72AndReadBackAsTheSameText)
{
    std::vector<std::string> lines;
    Fn_Write_Field_String(lines, ",", ',', ';', false, 72);
    Fn_Write_Field_String(lines, ";", ',', ';', false, 72);
    EXPECT_EQ(C_Global().M_Fn_Export(lines), 1);
    // 64 columns fit on the first line; "0.000000," (maximum coordinate) would reach column 73.
    const std::string first = "1H,,1H;,,,,,0,0,0,0,0,,1.000000,1,6HInches,1,0.000000,,0.000000,";
    ASSERT_EQ(first.size(), 64u);
    EXPECT_EQ(lines,
              (std::vector<std::string>{first + std::string(8, ' '), "0.000000,,,3,0,,;" + std::string(55, ' ')}));

    // The values an export writes: numbers move whole to the next line, strings run on; every line
    // is 72 columns. Read back and written again, the text is the same.
    const std::vector<std::string> text = {
        "4HSect,10H/tmp/a.igs,16HVeltrane Ver.1.0,16HVeltrane Ver.1.0,32,75,6,75,",
        "15,4HSect,1.000000,2,2Hmm,1000,1.000000,15H20150101.000000,0.001000,    ",
        "10000.000000,8HVeltrane,8HVeltrane,11,0,15H20150101.000000,;" + std::string(12, ' ')};
    const std::string joined = text[0] + text[1] + text[2];
    std::string_view rest(joined);
    bool end = false;
    C_Global g;
    g.M_Fn_Import(rest, ',', ';', end);
    EXPECT_EQ(G_Fn_Params(g), ",;|Sect|/tmp/a.igs|Veltrane Ver.1.0|Veltrane Ver.1.0|32|75|6|75|15|Sect|1|2|mm|1000|1|"
                         "20150101.000000|0.001|10000|Veltrane|Veltrane|11|0|20150101.000000|");
    lines.clear();
    g.M_Fn_Export(lines);
    EXPECT_EQ(lines, text);
}
