// Value operations of all sixteen types: sizes, empty values, copy, order, binary forms written out
// by hand, and the text forms.
#include "biz/db/Biz_DB_Obj_Ops.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Common.h"
#include "tests/db/Test_DB_Support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <sstream>

using namespace N_Biz::N_DB;

namespace {

std::string G_Fn_Bytes(std::initializer_list<int> i_Bytes)
{
    std::string bytes;
    for (int b : i_Bytes)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

template <class T>
std::string G_Fn_Binary(const T& i_Value)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Obj_Ops(C_Obj_Type_Of<T>::value).m_pfn_Binary_O(&i_Value, out), 1);
    return out.str();
}

template <class T>
E_Result G_Fn_Binary_In(const std::string& i_Bytes, T& o_Value)
{
    std::istringstream in(i_Bytes);
    return G_Fn_Obj_Ops(C_Obj_Type_Of<T>::value).m_pfn_Binary_I(&o_Value, in);
}

template <class T>
std::string G_Fn_Text(const T& i_Value)
{
    std::ostringstream out;
    G_Fn_Obj_Ops(C_Obj_Type_Of<T>::value).m_pfn_Text_O(&i_Value, out);
    return out.str();
}

template <class T>
std::wstring G_Fn_WText(const T& i_Value)
{
    std::wostringstream out;
    G_Fn_Obj_Ops(C_Obj_Type_Of<T>::value).m_pfn_WText_O(&i_Value, out);
    return out.str();
}

// Reads text into a value; returns whether the stream is sound, and what is left of it.
template <class T>
bool G_Fn_Text_In(const std::string& i_Text, T& o_Value, std::string* o_Rest = nullptr)
{
    std::istringstream in(i_Text);
    G_Fn_Obj_Ops(C_Obj_Type_Of<T>::value).m_pfn_Text_I(&o_Value, in);
    const bool ok = !in.fail();
    if (o_Rest) {
        in.clear();
        *o_Rest = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return ok;
}

template <class T>
std::uint32_t G_Fn_Less(const T& a, const T& b)
{
    std::uint32_t result = 7;
    G_Fn_Obj_Ops(C_Obj_Type_Of<T>::value).m_pfn_Less(&a, &b, result);
    return result;
}

} // namespace

TEST(C_Obj_Ops, CreateMakesTheEmptyValueDirectOrIndirect)
{
    for (std::uint32_t type = 0; type < G_Type_Obj_Num; ++type) {
        const C_Obj_Ops& ops = G_Fn_Obj_Ops(static_cast<E_Type_Obj>(type));
        // Direct: the value in the field, empty; indirect: a pointer to a new empty value.
        alignas(16) unsigned char direct[64];
        std::memset(direct, 0xA5, sizeof(direct));
        ops.m_pfn_Create(direct, false);
        void* field = nullptr;
        ops.m_pfn_Create(&field, true);
        ASSERT_NE(field, nullptr);
        std::uint32_t less = 9;
        ops.m_pfn_Less(direct, field, less);
        EXPECT_EQ(less, 0u) << type;
        ops.m_pfn_Less(field, direct, less);
        EXPECT_EQ(less, 0u) << type;
        ops.m_pfn_Destroy(direct, false);
        ops.m_pfn_Destroy(&field, true);
        EXPECT_EQ(field, nullptr);
    }
    alignas(8) unsigned char number[8];
    G_Fn_Obj_Ops(E_Type_Obj_FLOAT64).m_pfn_Create(number, false);
    EXPECT_EQ(*reinterpret_cast<double*>(number), 0.0);
}

TEST(C_Obj_Ops, BinaryFormsOfNumbersAreTheirLittleEndianBytes)
{
    EXPECT_EQ(G_Fn_Binary(std::uint8_t(0xAB)), G_Fn_Bytes({0xAB}));
    EXPECT_EQ(G_Fn_Binary(std::uint16_t(0x1234)), G_Fn_Bytes({0x34, 0x12}));
    EXPECT_EQ(G_Fn_Binary(std::uint64_t(0x0102030405060708)), G_Fn_Bytes({8, 7, 6, 5, 4, 3, 2, 1}));
    EXPECT_EQ(G_Fn_Binary(std::int32_t(-2)), G_Fn_Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(G_Fn_Binary(1.5f), G_Fn_Bytes({0x00, 0x00, 0xC0, 0x3F}));
    EXPECT_EQ(G_Fn_Binary(-2.0), G_Fn_Bytes({0, 0, 0, 0, 0, 0, 0, 0xC0}));
    // A pointer keeps the 4 bytes the row format was made with; read back it is zero-extended.
    void* pointer = reinterpret_cast<void*>(std::uintptr_t(0x1122334455667788ull));
    EXPECT_EQ(G_Fn_Binary(pointer), G_Fn_Bytes({0x88, 0x77, 0x66, 0x55}));
    void* read = nullptr;
    EXPECT_EQ(G_Fn_Binary_In(G_Fn_Bytes({0x88, 0x77, 0x66, 0x55}), read), 1);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(read), 0x55667788u);
    // Reading gives the value back; a short read gives 0 and leaves the value.
    std::int64_t big = 5;
    EXPECT_EQ(G_Fn_Binary_In(G_Fn_Bytes({0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), big), 1);
    EXPECT_EQ(big, -2);
    EXPECT_EQ(G_Fn_Binary_In(G_Fn_Bytes({1, 2, 3}), big), 0);
    EXPECT_EQ(big, -2);
    double real = 0;
    EXPECT_EQ(G_Fn_Binary_In(G_Fn_Bytes({0, 0, 0, 0, 0, 0, 0, 0xC0}), real), 1);
    EXPECT_EQ(real, -2.0);
}

TEST(C_Obj_Ops, BinaryFormsOfTexts)
{
    EXPECT_EQ(G_Fn_Binary(std::string()), G_Fn_Bytes({0, 0, 0, 0})); // nothing after the count
    EXPECT_EQ(G_Fn_Binary(std::string("ab")), G_Fn_Bytes({2, 0, 0, 0, 'a', 'b'}));
    EXPECT_EQ(G_Fn_Binary(std::wstring(L"\u4E2Dx")), G_Fn_Bytes({2, 0, 0, 0, 0x2D, 0x4E, 'x', 0}));
    std::string text = "old";
    EXPECT_EQ(G_Fn_Binary_In(G_Fn_Bytes({3, 0, 0, 0, 'a', 0, 'b'}), text), 1);
    EXPECT_EQ(text, "a"); // an embedded zero byte ends the text
    text = "old";
    EXPECT_EQ(G_Fn_Binary_In(G_Fn_Bytes({2, 0, 0}), text), 0);
    EXPECT_EQ(text, "old"); // the count could not be read
    EXPECT_EQ(G_Fn_Binary_In(G_Fn_Bytes({0xFF, 0xFF, 0xFF, 0x7F, 'a'}), text), 0); // a count beyond the stream
    std::wstring wide;
    EXPECT_EQ(G_Fn_Binary_In(G_Fn_Bytes({2, 0, 0, 0, 0x2D, 0x4E, 'x', 0}), wide), 1);
    EXPECT_EQ(wide, L"\u4E2Dx");
}

// The in-memory forms that rows use a run of columns at a time are the stream forms' bytes.
template <class T>
void G_Fn_Expect_Fixed_Form(const T& i_Value, const std::string& i_Bytes)
{
    const C_Obj_Ops& ops = G_Fn_Obj_Ops(C_Obj_Type_Of<T>::value);
    ASSERT_EQ(ops.m_Binary_Size, i_Bytes.size());
    char put[8] = {};
    ops.m_pfn_Binary_Put(&i_Value, put);
    EXPECT_EQ(std::string(put, i_Bytes.size()), i_Bytes);
    T got{};
    ops.m_pfn_Binary_Get(&got, i_Bytes.data());
    EXPECT_EQ(G_Fn_Binary(got), i_Bytes);
}

TEST(C_Obj_Ops, FixedFormsInMemoryAreTheStreamBytes)
{
    G_Fn_Expect_Fixed_Form(std::uint8_t(0xAB), G_Fn_Bytes({0xAB}));
    G_Fn_Expect_Fixed_Form(std::uint16_t(0x1234), G_Fn_Bytes({0x34, 0x12}));
    G_Fn_Expect_Fixed_Form(std::uint64_t(0x0102030405060708), G_Fn_Bytes({8, 7, 6, 5, 4, 3, 2, 1}));
    G_Fn_Expect_Fixed_Form(std::int8_t(-3), G_Fn_Bytes({0xFD}));
    G_Fn_Expect_Fixed_Form(std::int32_t(-2), G_Fn_Bytes({0xFE, 0xFF, 0xFF, 0xFF}));
    G_Fn_Expect_Fixed_Form(1.5f, G_Fn_Bytes({0x00, 0x00, 0xC0, 0x3F}));
    G_Fn_Expect_Fixed_Form(-2.0, G_Fn_Bytes({0, 0, 0, 0, 0, 0, 0, 0xC0}));
    G_Fn_Expect_Fixed_Form(reinterpret_cast<void*>(std::uintptr_t(0x55667788u)), G_Fn_Bytes({0x88, 0x77, 0x66, 0x55}));
    // A key goes as the int32 -256 without a row, and comes back as an id key.
    G_Fn_Expect_Fixed_Form(C_Key_C_Material(), G_Fn_Bytes({0x00, 0xFF, 0xFF, 0xFF}));
    C_Key_Common read;
    G_Fn_Obj_Ops(E_Type_Obj_C_Key_Common).m_pfn_Binary_Get(&read, G_Fn_Bytes({5, 0, 0, 0}).data());
    EXPECT_EQ(read.M_Fn_Type_Get_E_Type(), N_Impl::E_Type_Key_Id);
    EXPECT_EQ(read.M_Fn_Get_o_T_Key_Any(), 5);
    // Texts have no fixed form.
    for (E_Type_Obj type : {E_Type_Obj_string, E_Type_Obj_wstring}) {
        EXPECT_EQ(G_Fn_Obj_Ops(type).m_Binary_Size, 0u);
        EXPECT_EQ(G_Fn_Obj_Ops(type).m_pfn_Binary_Put, nullptr);
        EXPECT_EQ(G_Fn_Obj_Ops(type).m_pfn_Binary_Get, nullptr);
    }
}

TEST(C_Obj_Ops, KeysWriteThePositionOfALiveRowElseMinus256)
{
    const auto schema = N_Test_DB::G_Fn_Schema_Real();
    auto row = N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Material>(
        new C_Row_C_Material(schema->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
    row->M_Fn_Pos_Set(3);
    const C_Key_C_Material live(row);
    EXPECT_EQ(G_Fn_Binary(live), G_Fn_Bytes({3, 0, 0, 0}));
    EXPECT_EQ(G_Fn_Binary(C_Key_C_Material(7)), G_Fn_Bytes({0x00, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(G_Fn_Binary(C_Key_C_Material()), G_Fn_Bytes({0x00, 0xFF, 0xFF, 0xFF}));
    C_Key_Common read;
    EXPECT_EQ(G_Fn_Binary_In(G_Fn_Bytes({5, 0, 0, 0}), read), 1);
    EXPECT_EQ(read.M_Fn_Type_Get_E_Type(), N_Impl::E_Type_Key_Id);
    EXPECT_EQ(read.M_Fn_Get_o_T_Key_Any(), 5);
    row.reset();
    EXPECT_EQ(G_Fn_Binary(live), G_Fn_Bytes({0x00, 0xFF, 0xFF, 0xFF})); // its row is gone
}

TEST(C_Obj_Ops, TextFormsWriteNumbersWithoutLocale)
{
    EXPECT_EQ(G_Fn_Text(std::uint8_t(65)), "65"); // a number, not the letter A
    EXPECT_EQ(G_Fn_Text(std::int8_t(-5)), "-5");
    EXPECT_EQ(G_Fn_Text(std::uint64_t(18446744073709551615ull)), "18446744073709551615");
    EXPECT_EQ(G_Fn_Text(0.1f), "0.1");
    EXPECT_EQ(G_Fn_Text(123456789.0), "1.23457e+08"); // %g with the stream's precision 6
    EXPECT_EQ(G_Fn_Text(static_cast<void*>(nullptr)), "0");
    EXPECT_EQ(G_Fn_Text(reinterpret_cast<void*>(std::uintptr_t(0xBEEF))), "0xbeef");
    EXPECT_EQ(G_Fn_Text(std::string("a b")), "a b");
    EXPECT_EQ(G_Fn_Text(std::wstring(L"\u4E2D")), "\xD6\xD0"); // the national code page
    EXPECT_EQ(G_Fn_Text(C_Key_C_Property(42)), "42");
    EXPECT_EQ(G_Fn_Text(C_Key_C_Property()), "-256");
    EXPECT_EQ(G_Fn_WText(std::uint8_t(65)), L"65");
    EXPECT_EQ(G_Fn_WText(std::string("\xD6\xD0")), L"\u4E2D");
    std::ostringstream precise;
    precise.precision(9);
    G_Fn_Obj_Ops(E_Type_Obj_FLOAT64).m_pfn_Text_O(&(const double&)123456789.0, precise);
    EXPECT_EQ(precise.str(), "123456789");
}

TEST(C_Obj_Ops, TextReadersTakeTheNumberAtTheStartOfTheNextWord)
{
    std::uint8_t u8 = 0;
    EXPECT_TRUE(G_Fn_Text_In("300", u8));
    EXPECT_EQ(u8, 44); // the low 8 bits
    std::int16_t i16 = 0;
    EXPECT_TRUE(G_Fn_Text_In("-1", i16));
    EXPECT_EQ(i16, -1);
    std::int8_t i8 = 0;
    EXPECT_TRUE(G_Fn_Text_In("200", i8));
    EXPECT_EQ(i8, -56);
    std::uint32_t u32 = 7;
    EXPECT_FALSE(G_Fn_Text_In("-1", u32)); // no minus sign for an unsigned column
    EXPECT_FALSE(G_Fn_Text_In("4294967296", u32));
    EXPECT_TRUE(G_Fn_Text_In("4294967295", u32));
    EXPECT_EQ(u32, 4294967295u);
    std::int32_t i32 = 0;
    std::string rest;
    EXPECT_TRUE(G_Fn_Text_In("  +12abc x", i32, &rest));
    EXPECT_EQ(i32, 12);
    EXPECT_EQ(rest, "abc x");
    EXPECT_FALSE(G_Fn_Text_In("abc", i32));
    EXPECT_FALSE(G_Fn_Text_In("   ", i32));
    EXPECT_FALSE(G_Fn_Text_In("+-3", i32));
    std::int64_t i64 = 0;
    EXPECT_TRUE(G_Fn_Text_In("-9223372036854775808", i64));
    EXPECT_EQ(i64, std::numeric_limits<std::int64_t>::min());
    std::uint64_t u64 = 0;
    EXPECT_TRUE(G_Fn_Text_In("18446744073709551615", u64));
    EXPECT_EQ(u64, 18446744073709551615ull);
    void* pointer = nullptr;
    EXPECT_TRUE(G_Fn_Text_In("0xbeef", pointer));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pointer), 0xBEEFu);
}

TEST(C_Obj_Ops, RealReadersKnowTheDeckExponentForms)
{
    float f = 0;
    EXPECT_TRUE(G_Fn_Text_In("2.5", f));
    EXPECT_EQ(f, 2.5f);
    EXPECT_TRUE(G_Fn_Text_In("7.+7", f)); // Nastran: 7.0E+7
    EXPECT_EQ(f, 7.0e7f);
    EXPECT_TRUE(G_Fn_Text_In("-1.5-3", f));
    EXPECT_EQ(f, -1.5e-3f);
    EXPECT_TRUE(G_Fn_Text_In(".3", f));
    EXPECT_EQ(f, 0.3f);
    EXPECT_TRUE(G_Fn_Text_In("0.", f));
    EXPECT_EQ(f, 0.0f);
    EXPECT_TRUE(G_Fn_Text_In("2.8000E-6", f));
    EXPECT_EQ(f, 2.8e-6f);
    double d = 0;
    EXPECT_TRUE(G_Fn_Text_In("1.25D+03", d));
    EXPECT_EQ(d, 1250.0);
    std::string rest;
    EXPECT_TRUE(G_Fn_Text_In("1.5e3+7", d, &rest)); // an exponent is there already
    EXPECT_EQ(d, 1500.0);
    EXPECT_EQ(rest, "+7");
    EXPECT_TRUE(G_Fn_Text_In("4.D", d, &rest));
    EXPECT_EQ(d, 4.0);
    EXPECT_EQ(rest, "D");
    EXPECT_FALSE(G_Fn_Text_In("nan", f));
    EXPECT_FALSE(G_Fn_Text_In("inf", d));
    EXPECT_FALSE(G_Fn_Text_In("1e50", f)); // out of range for FLOAT32
    EXPECT_FALSE(G_Fn_Text_In("7.+99", f));
    EXPECT_FALSE(G_Fn_Text_In("-", f));
}

TEST(C_Obj_Ops, TextAndKeyReaders)
{
    std::string text;
    std::string rest;
    EXPECT_TRUE(G_Fn_Text_In("  a b  \nnext", text, &rest));
    EXPECT_EQ(text, "  a b  "); // the rest of the line as it stands
    EXPECT_EQ(rest, "next");
    std::wstring wide;
    EXPECT_TRUE(G_Fn_Text_In("\xD6\xD0 z", wide));
    EXPECT_EQ(wide, L"\u4E2D z");
    C_Key_C_Material key;
    EXPECT_TRUE(G_Fn_Text_In("42", key));
    EXPECT_EQ(key.M_Fn_Type_Get_E_Type(), N_Impl::E_Type_Key_Id);
    EXPECT_EQ(key.M_Fn_Get_o_T_Key_Any(), 42);
    EXPECT_EQ(key.M_Fn_Get_o_T_Pos_Any(), -256);
    EXPECT_FALSE(G_Fn_Text_In("x", key));
    std::wistringstream in(L"\u4E2D\u6587");
    std::string narrow;
    G_Fn_Obj_Ops(E_Type_Obj_string).m_pfn_WText_I(&narrow, in);
    EXPECT_EQ(narrow, "\xD6\xD0\xCE\xC4");
    std::wistringstream number(L" 65");
    std::uint8_t u8 = 0;
    G_Fn_Obj_Ops(E_Type_Obj_UINT8).m_pfn_WText_I(&u8, number);
    EXPECT_EQ(u8, 65);
    float whole = 0;
    EXPECT_EQ(G_Fn_Obj_Text_I_Whole(E_Type_Obj_FLOAT32, &whole, "1.5 "), 1);
    EXPECT_EQ(whole, 1.5f);
    EXPECT_EQ(G_Fn_Obj_Text_I_Whole(E_Type_Obj_FLOAT32, &whole, "1.5x"), 0);
}

TEST(C_Obj_Ops, LessOrdersEachType)
{
    EXPECT_EQ(G_Fn_Less(std::int8_t(-100), std::int8_t(1)), 1u);
    EXPECT_EQ(G_Fn_Less(std::uint32_t(4000000000u), std::uint32_t(1)), 0u);
    EXPECT_EQ(G_Fn_Less(std::int64_t(1) << 40, std::int64_t(1)), 0u);
    const float nan = std::numeric_limits<float>::quiet_NaN(); // unordered: never less
    EXPECT_EQ(G_Fn_Less(nan, 1.0f) + G_Fn_Less(1.0f, nan) + G_Fn_Less(nan, nan), 0u);
    EXPECT_EQ(G_Fn_Less(-0.5, 0.5), 1u);
    EXPECT_EQ(G_Fn_Less(std::string("a"), std::string("\x80")), 1u); // by unsigned character code
    EXPECT_EQ(G_Fn_Less(std::wstring(L"b"), std::wstring(L"ab")), 0u);
    EXPECT_EQ(G_Fn_Less(C_Key_Common(5), C_Key_Common(3)), 0u);
    EXPECT_EQ(G_Fn_Less(C_Key_Common(), C_Key_Common(-7)), 1u); // -256 first
}
