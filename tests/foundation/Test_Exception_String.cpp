#include "common/Common_Exception.h"
#include "common/Common_String.h"
#include "common/Common_String_Number.h"

#include "tests/foundation/Test_Thrown.h"
#include <gtest/gtest.h>

#include <clocale>
#include <sstream>
#include <string>
#include <thread>

using N_Common::N_Exception::C_Exception;
namespace S = N_Common::N_String;

TEST(C_Exception, WhatNamesFunctionAndTheFileCutAfterTheLastSeparatorOfEitherKind)
{
    EXPECT_STREQ(C_Exception("F", "/src/tree/Biz_Cmd_Mgr", 200).what(), "Function: F\n    File: Biz_Cmd_Mgr Line: 200");
    EXPECT_STREQ(C_Exception("G", "a/b\\c", 1).what(), "Function: G\n    File: c Line: 1");
    EXPECT_STREQ(C_Exception("G", ".\\x/", 7).what(), "Function: G\n    File:  Line: 7");
    EXPECT_STREQ(C_Exception("G", "plain", 3).what(), "Function: G\n    File: plain Line: 3");
    const int line = __LINE__ + 1;
    const N_Test::C_Thrown thrown = N_Test::G_Fn_Thrown([] { VT_THROW("N_Test::F"); });
    EXPECT_EQ(thrown.m_Line, line);
    EXPECT_EQ(thrown.m_What, "Function: N_Test::F\n    File: Test_Exception_String.cpp Line: " + std::to_string(line));
}

TEST(C_Exception, TextIsOwnedByEachExceptionAcrossThreads)
{
    C_Exception a("A", "x/one", 1);
    const char* ta = a.what();
    std::string other;
    std::thread t([&] { other = C_Exception("B", "y/two", 2).what(); });
    t.join();
    EXPECT_STREQ(ta, "Function: A\n    File: one Line: 1");
    EXPECT_EQ(other, "Function: B\n    File: two Line: 2");
    C_Exception copy = a;
    EXPECT_STREQ(copy.what(), ta);
}

TEST(G_Fn_Trim, RemovesOnlyOuterBlanksTabsAndLineEnds)
{
    EXPECT_EQ(S::G_Fn_Trim(" \tx y\r\n"), "x y");
    EXPECT_EQ(S::G_Fn_Trim("\r\n"), "");
    EXPECT_EQ(S::G_Fn_Trim(""), "");
    EXPECT_EQ(S::G_Fn_Trim("a\t\tb"), "a\t\tb");
    EXPECT_EQ(S::G_Fn_Trim("\vx\v"), "\vx\v"); // only the four characters count
}

TEST(N_String, ATypedNumberIsTheWholeTextWhateverTheLocale)
{
    // The process locale's decimal comma (where the machine has the locale) does not make "1,5" a
    // number, nor "1.5" none.
    const char* const set = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    const std::string locale = set ? set : "C";
    double value = -1;
    EXPECT_TRUE(S::G_Fn_Number_Whole(L" 2.5e-1\t", value));
    EXPECT_EQ(value, 0.25);
    EXPECT_TRUE(S::G_Fn_Number_Whole(L"+1e300", value));
    EXPECT_EQ(value, 1e300);
    for (const wchar_t* text : {L"1,5", L"+-1", L"+", L"1e400", L"1d3", L"7.+7", L"0x1p3", L"1_000"}) {
        value = -1;
        EXPECT_FALSE(S::G_Fn_Number_Whole(text, value)) << locale;
        EXPECT_EQ(value, -1.0); // untouched
    }
    std::setlocale(LC_NUMERIC, "C");
    // A stream reader's rest: blanks only, or anything else.
    std::wistringstream blanks(L"3 \t ");
    int number = 0;
    blanks >> number;
    EXPECT_TRUE(S::G_Fn_Rest_Is_Blank(blanks));
    std::wistringstream comma(L"3,7");
    comma >> number;
    EXPECT_EQ(number, 3);
    EXPECT_FALSE(S::G_Fn_Rest_Is_Blank(comma));
}

TEST(N_String, GbkRoundTripKeepsTheProcessLocaleAndStopsAtABadCharacter)
{
    std::setlocale(LC_ALL, "C");
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const std::wstring chinese = L"\u6750\u6599\u5C5E\u6027"; // four characters
    const std::string narrow = S::G_Fn_To_Narrow(chinese);
    ASSERT_EQ(narrow.size(), 8u); // two bytes each, not cut to four
    EXPECT_EQ(narrow.substr(0, 2), "\xB2\xC4"); // the GBK bytes of U+6750 (material)
    EXPECT_EQ(S::G_Fn_To_Wide(narrow), chinese);
    EXPECT_EQ(std::string(std::setlocale(LC_ALL, nullptr)), before);
    EXPECT_EQ(S::G_Fn_To_Wide("MAT1 7.+7"), L"MAT1 7.+7");
    // 0x81 0x20 is no GBK sequence and U+263A has no GBK form: what was converted before stands.
    EXPECT_EQ(S::G_Fn_To_Wide(std::string("ab\x81\x20z", 5)), L"ab");
    EXPECT_EQ(S::G_Fn_To_Wide(std::string("ab\0cd", 5)), L"ab");
    EXPECT_EQ(S::G_Fn_To_Narrow(L"ok\u263Ano"), "ok");
}

TEST(N_String, GbkConvertsOnTwoThreadsAtOnce)
{
    const std::wstring text = L"\u622A\u9762 section";
    std::string a, b;
    std::thread t1([&] { for (int i = 0; i < 2000; ++i) a = S::G_Fn_To_Narrow(text); });
    std::thread t2([&] { for (int i = 0; i < 2000; ++i) b = S::G_Fn_To_Narrow(text); });
    t1.join();
    t2.join();
    EXPECT_EQ(a, b);
    EXPECT_EQ(S::G_Fn_To_Wide(a), text);
}

TEST(N_String, Utf8ByHandAndUtf16Surrogates)
{
    EXPECT_EQ(S::G_Fn_To_Narrow_UTF8(L"A\u00E9\u4E2D\U0001F600"), "A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80");
    EXPECT_EQ(S::G_Fn_To_Wide_UTF8("A\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80"), L"A\u00E9\u4E2D\U0001F600");
    // Malformed input: a lone continuation byte, a truncated sequence, an overlong form.
    EXPECT_EQ(S::G_Fn_To_Wide_UTF8("\x80" "a"), L"\uFFFD" L"a");
    EXPECT_EQ(S::G_Fn_To_Wide_UTF8("a\xE4\xB8"), L"a\uFFFD");
    EXPECT_EQ(S::G_Fn_To_Wide_UTF8("\xC0\xAF"), L"\uFFFD");
    EXPECT_EQ(S::G_Fn_To_UTF16(L"x\U0001F600"), (std::u16string{u'x', 0xD83D, 0xDE00}));
    EXPECT_EQ(S::G_Fn_From_UTF16(u"x\U0001F600"), L"x\U0001F600");
    const std::u16string lone = {u'a', 0xD800, u'b'};
    EXPECT_EQ(S::G_Fn_To_UTF16(S::G_Fn_From_UTF16(lone)), lone);
}
