// Free-format fields: the readers of the global section and parameter data, and the writers.
#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"
#include "common/Common_Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using N_Common::N_Exception::C_Exception;
using namespace N_Biz::N_IGES::N_Import;
using namespace N_Biz::N_IGES::N_Export;

// ---------- readers ----------

TEST(Fn_Read_Free_Field, IntegerRealThenRecordEnd)
{
    std::string_view text = "12,3.5D-1;";
    bool end = false;
    std::int32_t i = 0;
    float f = 0.0f;
    EXPECT_EQ(Fn_Read_Free_Field_Integer(end, text, ',', ';', i), 1);
    EXPECT_EQ(i, 12);
    EXPECT_FALSE(end);
    EXPECT_EQ(text, "3.5D-1;");
    Fn_Read_Free_Field_Real(end, text, ',', ';', f);
    EXPECT_FLOAT_EQ(f, 0.35f);
    EXPECT_TRUE(end);
    EXPECT_TRUE(text.empty());
    // After the record delimiter every field reads as empty.
    float g = 7.0f;
    Fn_Read_Free_Field_Real(end, text, ',', ';', g);
    EXPECT_EQ(g, 7.0f);
    std::string s = "keep";
    Fn_Read_Free_Field_String(end, text, ',', ';', s);
    EXPECT_EQ(s, "keep");
}

TEST(Fn_Read_Free_Field, HollerithKeepsDelimitersAsData)
{
    std::string_view text = "3HA,B,5;";
    bool end = false;
    std::string s;
    std::int32_t i = 0;
    Fn_Read_Free_Field_String(end, text, ',', ';', s);
    EXPECT_EQ(s, "A,B");
    Fn_Read_Free_Field_Integer(end, text, ',', ';', i);
    EXPECT_EQ(i, 5);
    EXPECT_TRUE(end);

    text = "5HAB;CD;";
    end = false;
    Fn_Read_Free_Field_String(end, text, ',', ';', s);
    EXPECT_EQ(s, "AB;CD");
    EXPECT_TRUE(end);

    // A zero count is an empty string; blanks after the string are skipped up to its delimiter.
    text = "0H,2Hxy  ,";
    end = false;
    s = "x";
    Fn_Read_Free_Field_String(end, text, ',', ';', s);
    EXPECT_EQ(s, "");
    Fn_Read_Free_Field_String(end, text, ',', ';', s);
    EXPECT_EQ(s, "xy");
    EXPECT_TRUE(text.empty());
    EXPECT_FALSE(end);
}

TEST(Fn_Read_Free_Field, EmptyFieldsKeepTheirValues)
{
    std::string_view text = ",,7;";
    bool end = false;
    std::int32_t a = 11, b = 22, c = 33;
    Fn_Read_Free_Field_Integer(end, text, ',', ';', a);
    Fn_Read_Free_Field_Integer(end, text, ',', ';', b);
    Fn_Read_Free_Field_Integer(end, text, ',', ';', c);
    EXPECT_EQ(a, 11);
    EXPECT_EQ(b, 22);
    EXPECT_EQ(c, 7);

    // A string field that is no Hollerith string (does not begin with a digit) is skipped.
    text = "  abc,5;";
    end = false;
    std::string s = "old";
    Fn_Read_Free_Field_String(end, text, ',', ';', s);
    EXPECT_EQ(s, "old");
    Fn_Read_Free_Field_Integer(end, text, ',', ';', a);
    EXPECT_EQ(a, 5);
}

TEST(Fn_Read_Free_Field, NumberForms)
{
    auto real = [](std::string_view text) {
        bool end = false;
        float f = 42.0f;
        Fn_Read_Free_Field_Real(end, text, ',', ';', f);
        return f;
    };
    auto integer = [](std::string_view text) {
        bool end = false;
        std::int32_t i = 42;
        Fn_Read_Free_Field_Integer(end, text, ',', ';', i);
        return i;
    };
    EXPECT_EQ(real("1.5D2,"), 150.0f);
    EXPECT_EQ(real("+2.5,"), 2.5f);
    EXPECT_EQ(real(".5,"), 0.5f);
    EXPECT_EQ(real("1.,"), 1.0f);
    EXPECT_TRUE(std::signbit(real("-0.,")));
    EXPECT_EQ(real("1.0e-08,"), 1.0e-8f);
    EXPECT_EQ(real(" \t 7 ,"), 7.0f);
    EXPECT_EQ(real("1E-60,"), 0.0f); // below the float range: the nearest float
    EXPECT_EQ(real("abc,"), 42.0f);  // not a number: unchanged
    EXPECT_EQ(real("inf,"), 42.0f);
    EXPECT_EQ(real("nan;"), 42.0f);
    EXPECT_EQ(real("-,"), 42.0f);
    EXPECT_THROW(real("1E60,"), C_Exception); // beyond the float range
    EXPECT_EQ(integer("3.5,"), 3);
    EXPECT_EQ(integer("-17;"), -17);
    EXPECT_EQ(integer("+8,"), 8);
    EXPECT_EQ(integer("2147483647,"), 2147483647);
    EXPECT_THROW(integer("2147483648,"), C_Exception);
    EXPECT_THROW(integer("99999999999999999999,"), C_Exception);
}

TEST(Fn_Read_Free_Field, Refusals)
{
    bool end = false;
    std::string_view text = "   ";
    EXPECT_THROW(Fn_Parse_Free_Field_Remove_leading_space(text), C_Exception);
    std::int32_t i = 0;
    float f = 0.0f;
    std::string s;
    text = "";
    EXPECT_THROW(Fn_Read_Free_Field_Integer(end, text, ',', ';', i), C_Exception);
    text = "12"; // no delimiter
    EXPECT_THROW(Fn_Read_Free_Field_Integer(end, text, ',', ';', i), C_Exception);
    text = "1.5  ";
    EXPECT_THROW(Fn_Read_Free_Field_Real(end, text, ',', ';', f), C_Exception);

    auto string = [&](std::string_view t) {
        bool e = false;
        std::string v;
        Fn_Read_Free_Field_String(e, t, ',', ';', v);
        return v;
    };
    // Digits that run into a delimiter are no count, even when an "H" follows later.
    EXPECT_THROW(string("3.5,7Habcdefg;"), C_Exception);
    EXPECT_THROW(string("12;"), C_Exception);
    EXPECT_THROW(string("3hAbc;"), C_Exception); // only an uppercase H
    EXPECT_THROW(string("1234567890Hx;"), C_Exception); // more than 9 digits
    EXPECT_THROW(string("5Habc;"), C_Exception);        // count beyond the text
    EXPECT_THROW(string("3Habc"), C_Exception);         // nothing after the string
    EXPECT_THROW(string("3Habc  "), C_Exception);       // no delimiter after it
    EXPECT_EQ(string("9H123456789,"), "123456789");
}

TEST(Fn_Read_Fixed, ColumnsOfADirectoryLine)
{
    const std::string line = "     126      -5               000000001  AB CD";
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 1, 8), 126);
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 9, 8), -5);
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 17, 8), 0); // blank
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 25, 8), 0);
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 33, 2), 0);
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 39, 2), 1);
    EXPECT_EQ(Fn_Read_Fixed_Integer(line, 200, 8), 0); // past the end
    EXPECT_EQ(Fn_Read_Fixed_Word(line, 41, 8), "AB");
    EXPECT_EQ(Fn_Read_Fixed_Word(line, 1, 3), "");
}

// ---------- writers ----------

TEST(Fn_Write_Field, RealMovesWholeToTheNextLine)
{
    std::vector<std::string> lines;
    Fn_Write_Token(lines, std::string(58, 'x'), 64);
    Fn_Write_Field_Real(lines, 1.5f, ',', 64); // "1.500000," needs 9 columns, 6 are left
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(58, 'x') + "      ");
    EXPECT_EQ(lines[1], "1.500000,");

    // A token that fits exactly stays on the line.
    lines.assign(1, std::string(55, 'x'));
    Fn_Write_Field_Real(lines, 1.5f, ',', 64);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 64u);
}

TEST(Fn_Write_Field, RealFormat)
{
    EXPECT_EQ(Fn_Format_Real(1.0f), "1.000000");
    EXPECT_EQ(Fn_Format_Real(-0.25f), "-0.250000");
    EXPECT_EQ(Fn_Format_Real(10000.0f), "10000.000000");
    EXPECT_EQ(Fn_Format_Real(0.001f), "0.001000");
    EXPECT_EQ(Fn_Format_Real(1.0e-8f), "0.000000");
    EXPECT_EQ(Fn_Format_Real(3.0e38f).find('e'), std::string::npos);
}

TEST(Fn_Write_Field, IntegerAndRecordDelimiter)
{
    std::vector<std::string> lines;
    Fn_Write_Field_Integer(lines, 110, ',', ';', false, 64);
    Fn_Write_Field_Integer(lines, -3, ',', ';', false, 64);
    Fn_Write_Field_Integer(lines, 0, ',', ';', true, 64);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "110,-3,0;" + std::string(55, ' '));
}

TEST(Fn_Write_Field, LongStringRunsAcrossLines)
{
    const std::string text(80, 'a');
    std::vector<std::string> lines;
    Fn_Write_Field_String(lines, text, ',', ';', false, 64);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "80H" + std::string(61, 'a'));
    EXPECT_EQ(lines[1], std::string(19, 'a') + ",");

    // A string that exactly fills a line puts its delimiter on the next.
    lines.clear();
    Fn_Write_Field_String(lines, std::string(61, 'b'), ',', ';', true, 64);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "61H" + std::string(61, 'b'));
    EXPECT_EQ(lines[1], ";" + std::string(63, ' '));

    // Global section width: 72.
    lines.clear();
    Fn_Write_Token(lines, std::string(70, 'x'), 72);
    Fn_Write_Field_String(lines, "Inches", ',', ';', false, 72); // the count token fits, the text runs on
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(70, 'x') + "6H");
    EXPECT_EQ(lines[1], "Inches,");
    lines.assign(1, std::string(71, 'x'));
    Fn_Write_Field_String(lines, "Inches", ',', ';', false, 72); // the count token moves whole
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], std::string(71, 'x') + " ");
    EXPECT_EQ(lines[1], "6HInches,");
}

TEST(Fn_Write_Field, EmptyStringIsAnEmptyField)
{
    std::vector<std::string> lines;
    Fn_Write_Field_String(lines, "", ',', ';', false, 72);
    Fn_Write_Field_String(lines, "", ',', ';', true, 72);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], ",;" + std::string(70, ' '));
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
    std::int32_t i = 0;
    float f = 0.0f;
    std::string s;
    Fn_Read_Free_Field_Integer(end, text, ',', ';', i);
    Fn_Read_Free_Field_Real(end, text, ',', ';', f);
    Fn_Read_Free_Field_String(end, text, ',', ';', s);
    EXPECT_EQ(i, 314);
    EXPECT_EQ(f, -12.5f);
    EXPECT_EQ(s, name);
    Fn_Read_Free_Field_Integer(end, text, ',', ';', i);
    EXPECT_EQ(i, 7);
    EXPECT_TRUE(end);
}

TEST(Fn_Format_Fixed_Integer, RightAlignedOrRefused)
{
    EXPECT_EQ(Fn_Format_Fixed_Integer(12, 8), "      12");
    EXPECT_EQ(Fn_Format_Fixed_Integer(-9999999, 8), "-9999999");
    EXPECT_EQ(Fn_Format_Fixed_Integer(1, 7), "      1");
    EXPECT_THROW(Fn_Format_Fixed_Integer(123456789, 8), C_Exception);
    EXPECT_THROW(Fn_Format_Fixed_Integer(-10000000, 8), C_Exception);
}
