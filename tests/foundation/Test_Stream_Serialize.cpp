#include "common/Common_Stream_Serialize.h"

#include "Test_Stream_Support.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <sstream>

using namespace N_Common::N_Stream;
using N_Common::N_Container::slotvec;
using N_Common::N_Exception::C_Exception;
using N_Common::N_Pointer::lesser_shared_ptr;
using N_Test_Stream::bytes;

namespace {

std::istringstream in(const std::string& i_Bytes)
{
    return std::istringstream(i_Bytes, std::ios::in | std::ios::binary);
}

E_Result read_int(std::istream& s, std::int32_t& v) { return G_Fn_Serialize_I(s, v); }
E_Result write_int(std::ostream& s, const std::int32_t& v) { return G_Fn_Serialize_O(s, v); }

// The function text of the C_Exception that i_Fn throws (and checks that the file is ours).
template <class F>
std::string thrown_function(F i_Fn)
{
    try {
        i_Fn();
    } catch (const C_Exception& e) {
        return e.M_Fn_Function();
    }
    ADD_FAILURE() << "no exception";
    return {};
}

template <class F>
std::string thrown_file(F i_Fn)
{
    try {
        i_Fn();
    } catch (const C_Exception& e) {
        return C_Exception::S_Fn_File_Name(e.M_Fn_File());
    }
    return {};
}

// A record with a virtual destructor for the counted pointer, read and written as one int32.
struct C_Rec {
    virtual ~C_Rec() = default;
    std::int32_t m_Value = 0;
};
struct C_Rec_B : C_Rec {};

E_Result read_rec(std::istream& s, C_Rec& r) { return G_Fn_Serialize_I(s, r.m_Value); }
E_Result write_rec(std::ostream& s, const C_Rec& r) { return G_Fn_Serialize_O(s, r.m_Value); }

} // namespace

// --- primitives --------------------------------------------------------------------------------

TEST(G_Fn_Serialize, FourByteValuesAreLittleEndian)
{
    std::ostringstream out;
    G_Fn_Serialize_O(out, std::int32_t(-2));
    G_Fn_Serialize_O(out, std::uint32_t(0x11223344));
    G_Fn_Serialize_O(out, 1.0f);
    G_Fn_Serialize_O(out, -2.5f);
    EXPECT_EQ(out.str(), bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x44, 0x33, 0x22, 0x11, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x20, 0xC0}));
    auto s = in(out.str());
    std::int32_t i = 0;
    std::uint32_t u = 0;
    float f = 0, g = 0;
    EXPECT_EQ(G_Fn_Serialize_I(s, i), 1);
    EXPECT_EQ(G_Fn_Serialize_I(s, u), 1);
    EXPECT_EQ(G_Fn_Serialize_I(s, f), 1);
    EXPECT_EQ(G_Fn_Serialize_I(s, g), 1);
    EXPECT_EQ(i, -2);
    EXPECT_EQ(u, 0x11223344u);
    EXPECT_EQ(f, 1.0f);
    EXPECT_EQ(g, -2.5f);
}

TEST(G_Fn_Serialize, ShortReadGivesZeroAndKeepsTheTarget)
{
    auto s = in(bytes({1, 2, 3}));
    std::int32_t v = 99;
    EXPECT_EQ(G_Fn_Serialize_I(s, v), 0);
    EXPECT_EQ(v, 99);
    EXPECT_TRUE(s.fail());
}

TEST(G_Fn_Serialize, WritersReportAFailedStream)
{
    std::ostream broken(nullptr); // every write sets badbit
    EXPECT_EQ(G_Fn_Serialize_O(broken, 1), 0);
    EXPECT_EQ(G_Fn_Serialize_u8_O(broken, 1), 0);
    EXPECT_EQ(G_Fn_Serialize_wstring_O(broken, L"x"), 0);
    EXPECT_EQ(G_Fn_Serialize_string_O(broken, "x"), 0);
    EXPECT_EQ(G_Fn_Serialize_vector_O(broken, std::vector<std::int32_t>{}, write_int), 0);
    EXPECT_EQ(G_Fn_Serialize_slotvec_O(broken, slotvec<std::int32_t>{}, write_int), 0);
    EXPECT_EQ(G_Fn_Serialize_list_O(broken, std::list<std::int32_t>{}, write_int), 0);
    EXPECT_EQ(G_Fn_Serialize_sp_O(broken, std::shared_ptr<std::int32_t>(), write_int), 0);
}

TEST(G_Fn_Serialize_float4, MovesFourWordsInOrder)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_float4_O(out, std::array<float, 4>{1.0f, 2.0f, 0.0f, -1.0f}), 1);
    EXPECT_EQ(out.str(), bytes({0, 0, 0x80, 0x3F, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0x80, 0xBF}));
    auto s = in(out.str());
    std::array<float, 4> p{};
    EXPECT_EQ(G_Fn_Serialize_float4_I(s, p), 1);
    EXPECT_EQ(p, (std::array<float, 4>{1.0f, 2.0f, 0.0f, -1.0f}));
}

TEST(G_Fn_Serialize_float4, ShortReadIsAFailure)
{
    auto s = in(bytes({0, 0, 0x80, 0x3F, 0, 0, 0, 0x40, 0, 0, 0}));
    std::array<float, 4> p{9, 9, 9, 9};
    EXPECT_EQ(G_Fn_Serialize_float4_I(s, p), 0);
    EXPECT_EQ(p, (std::array<float, 4>{9, 9, 9, 9}));
}

// --- wide and narrow strings ---------------------------------------------------------------------

TEST(G_Fn_Serialize_wstring, EmptyStringIsFourZeroBytes)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_wstring_O(out, L""), 1);
    EXPECT_EQ(out.str(), bytes({0, 0, 0, 0}));
}

TEST(G_Fn_Serialize_wstring, UnitsAreUtf16LittleEndianWithSurrogatePairs)
{
    std::ostringstream out;
    // 'A', EURO SIGN U+20AC, GRINNING FACE U+1F600 (surrogates D83D DE00).
    EXPECT_EQ(G_Fn_Serialize_wstring_O(out, L"A\u20AC\U0001F600"), 1);
    EXPECT_EQ(out.str(), bytes({4, 0, 0, 0, 0x41, 0x00, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE}));
    auto s = in(out.str());
    std::wstring text;
    EXPECT_EQ(G_Fn_Serialize_wstring_I(s, text), 1);
    EXPECT_EQ(text, L"A\u20AC\U0001F600");
}

TEST(G_Fn_Serialize_wstring, CountZeroLeavesTheTargetAsItWas)
{
    auto s = in(bytes({0, 0, 0, 0}));
    std::wstring text = L"keep";
    EXPECT_EQ(G_Fn_Serialize_wstring_I(s, text), 1);
    EXPECT_EQ(text, L"keep");
}

TEST(G_Fn_Serialize_wstring, TextEndsAtTheFirstNulUnitButAllUnitsAreConsumed)
{
    auto s = in(bytes({3, 0, 0, 0, 0x61, 0, 0, 0, 0x62, 0, 0x7F}));
    std::wstring text;
    EXPECT_EQ(G_Fn_Serialize_wstring_I(s, text), 1);
    EXPECT_EQ(text, L"a");
    EXPECT_EQ(s.get(), 0x7F);
}

TEST(G_Fn_Serialize_wstring, ShortReadOfTheUnitsIsAFailure)
{
    std::wstring text = L"old";
    auto s = in(bytes({3, 0, 0, 0, 0x61, 0, 0x62}));
    EXPECT_EQ(G_Fn_Serialize_wstring_I(s, text), 0);
    EXPECT_EQ(text, L"");
    std::wstring kept = L"old";
    auto t = in(bytes({3, 0}));
    EXPECT_EQ(G_Fn_Serialize_wstring_I(t, kept), 0);
    EXPECT_EQ(kept, L"old");
}

TEST(G_Fn_Serialize_wstring, HugeLengthIsRefusedWithoutReading)
{
    auto s = in(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x61, 0}));
    std::wstring text;
    EXPECT_EQ(G_Fn_Serialize_wstring_I(s, text), 0);
    EXPECT_TRUE(s.fail());
    EXPECT_TRUE(text.empty());
}

TEST(G_Fn_Serialize_wstring, HugeLengthOnAStreamThatCannotSeekEndsAtTheShortRead)
{
    N_Test_Stream::C_Trickle_Stream s(bytes({0xFF, 0xFF, 0xFF, 0x7F, 0x61, 0, 0x62, 0}));
    std::wstring text;
    EXPECT_EQ(G_Fn_Serialize_wstring_I(s, text), 0);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(s.buf().consumed(), 8u);
}

TEST(G_Fn_Serialize_string, BytesFollowTheCountUnchanged)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_string_O(out, std::string("a\0b", 3)), 1);
    EXPECT_EQ(G_Fn_Serialize_string_O(out, ""), 1);
    EXPECT_EQ(out.str(), bytes({3, 0, 0, 0, 0x61, 0, 0x62, 0, 0, 0, 0}));
    auto s = in(out.str());
    std::string a, b = "old";
    EXPECT_EQ(G_Fn_Serialize_string_I(s, a), 1);
    EXPECT_EQ(G_Fn_Serialize_string_I(s, b), 1);
    EXPECT_EQ(a, std::string("a\0b", 3));
    EXPECT_EQ(b, "");
}

TEST(G_Fn_Serialize_string, LongStringCrossesReadPieces)
{
    std::string text(G_String_Piece * 2 + 17, 'x');
    text[G_String_Piece] = 'y';
    std::ostringstream out;
    G_Fn_Serialize_string_O(out, text);
    auto s = in(out.str());
    std::string back;
    EXPECT_EQ(G_Fn_Serialize_string_I(s, back), 1);
    EXPECT_EQ(back, text);
}

TEST(G_Fn_Serialize_string, HostileLengthsAreFailures)
{
    std::string text = "old";
    auto s = in(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x61}));
    EXPECT_EQ(G_Fn_Serialize_string_I(s, text), 0);
    EXPECT_TRUE(text.empty());
    N_Test_Stream::C_Trickle_Stream t(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x61, 0x62}));
    EXPECT_EQ(G_Fn_Serialize_string_I(t, text), 0);
    EXPECT_TRUE(text.empty());
    EXPECT_LE(text.capacity(), 2 * G_String_Piece);
}

// --- owning pointers ---------------------------------------------------------------------------

TEST(G_Fn_Serialize_sp, AbsentPointerIsOneByteAndPresentObjectFollowsAZero)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_sp_O(out, std::shared_ptr<std::int32_t>(), write_int), 1);
    EXPECT_EQ(G_Fn_Serialize_sp_O(out, std::make_shared<std::int32_t>(258), write_int), 1);
    EXPECT_EQ(out.str(), bytes({1, 0, 2, 1, 0, 0}));
    auto s = in(out.str());
    auto a = std::make_shared<std::int32_t>(5);
    std::shared_ptr<std::int32_t> b;
    EXPECT_EQ(G_Fn_Serialize_sp_I(s, a, read_int), 1);
    EXPECT_EQ(*a, 5); // an absent flag leaves the target as it was
    EXPECT_EQ(G_Fn_Serialize_sp_I(s, b, read_int), 1);
    ASSERT_TRUE(b);
    EXPECT_EQ(*b, 258);
}

TEST(G_Fn_Serialize_sp, FailuresAndElementResults)
{
    std::shared_ptr<std::int32_t> p;
    auto empty = in("");
    EXPECT_EQ(G_Fn_Serialize_sp_I(empty, p, read_int), 0);
    auto s = in(bytes({0, 1}));
    EXPECT_EQ(G_Fn_Serialize_sp_I(s, p, read_int), 0);
    auto t = in(bytes({0}));
    EXPECT_EQ(G_Fn_Serialize_sp_I(t, p, [](std::istream&, std::int32_t&) { return E_Result(-1); }), -1);
}

TEST(G_Fn_Serialize_lsp, AbsentPointerIsOneByteAndPresentObjectFollowsAZero)
{
    std::ostringstream out;
    lesser_shared_ptr<C_Rec> none;
    lesser_shared_ptr<C_Rec> one(new C_Rec);
    one->m_Value = 3;
    EXPECT_EQ(G_Fn_Serialize_lsp_O(out, none, write_rec), 1);
    EXPECT_EQ(G_Fn_Serialize_lsp_O(out, one, write_rec), 1);
    EXPECT_EQ(out.str(), bytes({1, 0, 3, 0, 0, 0}));
    auto s = in(out.str());
    lesser_shared_ptr<C_Rec> a(new C_Rec), b;
    C_Rec* before = a.get();
    EXPECT_EQ(G_Fn_Serialize_lsp_I(s, a, read_rec), 1);
    EXPECT_EQ(a.get(), before);
    EXPECT_EQ(G_Fn_Serialize_lsp_I(s, b, read_rec), 1);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->m_Value, 3);
}

TEST(G_Fn_Serialize_lsp, TypedFormWritesTheTypeFirstAndTheCreatorChoosesTheClass)
{
    lesser_shared_ptr<C_Rec> p(new C_Rec_B);
    p->m_Value = 9;
    auto type_writer = [](std::ostream& s, const C_Rec& r) {
        return G_Fn_Serialize_O(s, std::int32_t(dynamic_cast<const C_Rec_B*>(&r) ? 2 : 1));
    };
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_lsp_O(out, p, write_rec, type_writer), 1);
    EXPECT_EQ(out.str(), bytes({0, 2, 0, 0, 0, 9, 0, 0, 0}));

    auto creator = [](std::istream& s) -> std::unique_ptr<C_Rec> {
        std::int32_t type = 0;
        if (G_Fn_Serialize_I(s, type) != 1)
            return nullptr;
        if (type == 2)
            return std::make_unique<C_Rec_B>();
        if (type == 1)
            return std::make_unique<C_Rec>();
        return nullptr;
    };
    auto s = in(out.str());
    lesser_shared_ptr<C_Rec> back;
    EXPECT_EQ(G_Fn_Serialize_lsp_I(s, back, read_rec, creator), 1);
    ASSERT_TRUE(back);
    EXPECT_NE(dynamic_cast<C_Rec_B*>(back.get()), nullptr);
    EXPECT_EQ(back->m_Value, 9);

    // An unknown type: the creator gives none, the target is emptied and the result is 0.
    auto u = in(bytes({0, 7, 0, 0, 0}));
    EXPECT_EQ(G_Fn_Serialize_lsp_I(u, back, read_rec, creator), 0);
    EXPECT_FALSE(back);
}

TEST(G_Fn_Serialize_lsp, TypeWriterResultStopsTheWrite)
{
    lesser_shared_ptr<C_Rec> p(new C_Rec);
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_lsp_O(out, p, write_rec, [](std::ostream&, const C_Rec&) { return E_Result(5); }), 5);
    EXPECT_EQ(out.str(), bytes({0}));
}

// --- slot tables -------------------------------------------------------------------------------

TEST(G_Fn_Serialize_slotvec, EmptyTableIsCountOneAndTheClosingByte)
{
    slotvec<std::int32_t> t;
    t.add(0); // slot 0, reserved by the owner, is never written
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_slotvec_O(out, t, write_int), 1);
    EXPECT_EQ(out.str(), bytes({1, 0, 0, 0, 1}));
}

TEST(G_Fn_Serialize_slotvec, FreeSlotsAreSkippedAndTheCountIncludesThem)
{
    slotvec<std::int32_t> t;
    for (int i = 0; i < 6; ++i)
        t.add(10 * i);
    t.erase_at(2);
    t.erase_at(4);
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_slotvec_O(out, t, write_int), 1);
    EXPECT_EQ(out.str(), bytes({6, 0, 0, 0,                   //
                                0, 1, 0, 0, 0, 10, 0, 0, 0,   //
                                0, 3, 0, 0, 0, 30, 0, 0, 0,   //
                                0, 5, 0, 0, 0, 50, 0, 0, 0,   //
                                1}));
}

TEST(G_Fn_Serialize_slotvec, ReadingIndicesOneAndFiveLeavesGapsFree)
{
    const std::string data = bytes({6, 0, 0, 0, 0, 1, 0, 0, 0, 11, 0, 0, 0, 0, 5, 0, 0, 0, 55, 0, 0, 0, 1});
    slotvec<std::int32_t> t;
    t.add(0); // as an owner builds it
    auto s = in(data);
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, read_int), 1);
    EXPECT_EQ(t.size(), 6u);
    EXPECT_EQ(t.at(1), 11);
    EXPECT_EQ(t.at(5), 55);
    for (std::uint32_t i = 2; i <= 4; ++i)
        EXPECT_FALSE(t.is_used_at(i));
    EXPECT_EQ(t.next_index(), 4u);
    EXPECT_EQ(t.add(1), 4u);
    EXPECT_EQ(t.add(1), 3u);
    EXPECT_EQ(t.add(1), 2u);
    EXPECT_EQ(t.add(1), 6u);
}

TEST(G_Fn_Serialize_slotvec, TrailingFreeSlotsAreNotRecreated)
{
    slotvec<std::int32_t> t;
    for (int i = 0; i < 5; ++i)
        t.add(i);
    t.erase_at(4);
    t.erase_at(3);
    std::ostringstream out;
    G_Fn_Serialize_slotvec_O(out, t, write_int);
    slotvec<std::int32_t> back;
    back.add(0);
    auto s = in(out.str());
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, back, read_int), 1);
    EXPECT_EQ(back.size(), 3u);
    EXPECT_EQ(back.at(2), 2);
}

TEST(G_Fn_Serialize_slotvec, StreamEndingInsideASlotIndexKeepsTheSlotsRead)
{
    auto s = in(bytes({6, 0, 0, 0, 0, 1, 0, 0, 0, 11, 0, 0, 0, 0, 5, 0}));
    slotvec<std::int32_t> t;
    t.add(0);
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, read_int), 0);
    EXPECT_EQ(t.size(), 2u);
    EXPECT_EQ(t.at(1), 11);
}

TEST(G_Fn_Serialize_slotvec, MissingClosingByteIsAFailure)
{
    auto s = in(bytes({2, 0, 0, 0, 0, 1, 0, 0, 0, 11, 0, 0, 0}));
    slotvec<std::int32_t> t;
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, read_int), 0);
    EXPECT_EQ(t.at(1), 11);
}

TEST(G_Fn_Serialize_slotvec, SlotIndexNotBelowTheStoredCountIsRefused)
{
    auto s = in(bytes({2, 0, 0, 0, 0, 2, 0, 0, 0, 11, 0, 0, 0, 1}));
    slotvec<std::int32_t> t;
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, read_int), 0);
    EXPECT_EQ(t.size(), 0u);
    EXPECT_TRUE(s.fail());
    // A huge index in a huge (but allowed) count allocates only up to that count.
    auto u = in(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1}));
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(u, t, read_int), 0);
    EXPECT_EQ(t.size(), 0u);
}

TEST(G_Fn_Serialize_slotvec, SlotCountAboveTheMaximumIsRefused)
{
    const std::uint32_t over = G_Slot_Count_Max + 1;
    std::string data = bytes({int(over & 0xFF), int((over >> 8) & 0xFF), int((over >> 16) & 0xFF), int(over >> 24), 1});
    auto s = in(data);
    slotvec<std::int32_t> t;
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, read_int), 0);
    EXPECT_EQ(t.size(), 0u);
    EXPECT_EQ(t.elements().capacity(), 0u);
}

TEST(G_Fn_Serialize_slotvec, DuplicateSlotIndexThrowsFromAddAt)
{
    auto s = in(bytes({4, 0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1}));
    slotvec<std::int32_t> t;
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_slotvec_I(s, t, read_int); }),
              "N_Common::N_Container::slotvec<int >::add_at");
    EXPECT_EQ(t.at(2), 1);
}

TEST(G_Fn_Serialize_slotvec, ElementResultIsPassedUpAtOnce)
{
    auto s = in(bytes({4, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2, 0, 0, 0, 1}));
    slotvec<std::int32_t> t;
    int calls = 0;
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, [&](std::istream&, std::int32_t&) { return ++calls, E_Result(-1); }), -1);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(t.is_used_at(1));
}

TEST(G_Fn_Serialize_slotvec, SuccessReportedOnAFailedStreamCountsAsFailure)
{
    // The element reader ignores the stream; without the check the loop would go on.
    auto s = in(bytes({4, 0, 0, 0, 0, 1, 0, 0, 0}));
    slotvec<std::int32_t> t;
    auto careless = [](std::istream& i, std::int32_t&) {
        char c[8];
        i.read(c, 8);
        return E_Result(1);
    };
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, careless), 0);
}

TEST(G_Fn_Serialize_slotvec, RoundTripOfPointersKeepsIndicesAndGaps)
{
    slotvec<lesser_shared_ptr<C_Rec>> t;
    t.add(lesser_shared_ptr<C_Rec>());
    for (int i = 1; i < 8; ++i) {
        lesser_shared_ptr<C_Rec> r(new C_Rec);
        r->m_Value = i * i;
        t.add(r);
    }
    t.erase_at(3);
    t.erase_at(6);
    auto write = [](std::ostream& s, const lesser_shared_ptr<C_Rec>& p) { return G_Fn_Serialize_lsp_O(s, p, write_rec); };
    auto read = [](std::istream& s, lesser_shared_ptr<C_Rec>& p) { return G_Fn_Serialize_lsp_I(s, p, read_rec); };
    std::ostringstream out;
    ASSERT_EQ(G_Fn_Serialize_slotvec_O(out, t, write), 1);
    slotvec<lesser_shared_ptr<C_Rec>> back;
    back.add(lesser_shared_ptr<C_Rec>());
    auto s = in(out.str());
    ASSERT_EQ(G_Fn_Serialize_slotvec_I(s, back, read), 1);
    ASSERT_EQ(back.size(), 8u);
    for (std::uint32_t i = 1; i < 8; ++i) {
        ASSERT_EQ(back.is_used_at(i), t.is_used_at(i)) << i;
        if (t.is_used_at(i)) {
            EXPECT_EQ(back.at(i)->m_Value, std::int32_t(i * i));
        }
    }
}

// --- vectors -----------------------------------------------------------------------------------

TEST(G_Fn_Serialize_vector, EmptyVectorIsThreeZeroWords)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_vector_O(out, std::vector<std::int32_t>{}, write_int), 1);
    EXPECT_EQ(out.str(), std::string(12, '\0'));
    auto s = in(out.str());
    std::vector<std::int32_t> v;
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, v, read_int), 1);
    EXPECT_TRUE(v.empty());
}

TEST(G_Fn_Serialize_vector, SizeFirstIndexEndIndexThenElements)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_vector_O(out, std::vector<float>{1.0f, -2.5f}, &G_Fn_Serialize_O<float>), 1);
    EXPECT_EQ(out.str(), bytes({2, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0x80, 0x3F, 0, 0, 0x20, 0xC0}));
    auto s = in(out.str());
    std::vector<float> v;
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, v, &G_Fn_Serialize_I<float>), 1);
    EXPECT_EQ(v, (std::vector<float>{1.0f, -2.5f}));
}

TEST(G_Fn_Serialize_vector, EndIndexBelowTheSizeReadsOnlyUpToIt)
{
    auto s = in(bytes({3, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0, 0x55}));
    std::vector<std::int32_t> v;
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, v, read_int), 1);
    EXPECT_EQ(v, std::vector<std::int32_t>{7});
    EXPECT_EQ(s.get(), 0x55);
}

TEST(G_Fn_Serialize_vector, FirstIndexOtherThanTheTargetSizeThrows)
{
    std::vector<std::int32_t> v{1};
    auto s = in(std::string(12, '\0'));
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_vector_I(s, v, read_int); }),
              "N_Common::N_Stream::G_Fn_Serialize_vector_I");
    auto t = in(bytes({2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 5, 0, 0, 0}));
    std::vector<std::int32_t> w;
    EXPECT_THROW(G_Fn_Serialize_vector_I(t, w, read_int), C_Exception);
}

TEST(G_Fn_Serialize_vector, EndIndexBeyondTheSizeThrows)
{
    auto s = in(bytes({1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0}));
    std::vector<std::int32_t> v;
    EXPECT_EQ(thrown_file([&] { G_Fn_Serialize_vector_I(s, v, read_int); }), "Common_Stream_Serialize.h");
    EXPECT_TRUE(v.empty());
}

TEST(G_Fn_Serialize_vector, HugeSizeIsRefusedBeforeAnyAllocation)
{
    auto s = in(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}));
    std::vector<std::int32_t> v;
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, v, read_int), 0);
    EXPECT_EQ(v.capacity(), 0u);
    EXPECT_TRUE(s.fail());
}

TEST(G_Fn_Serialize_vector, HugeSizeOnAStreamThatCannotSeekReservesLittleAndEndsAtTheShortRead)
{
    N_Test_Stream::C_Trickle_Stream s(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 2, 0}));
    std::vector<std::int32_t> v;
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, v, read_int), 0);
    EXPECT_EQ(v.size(), 2u); // the second element is the default pushed before the short read
    EXPECT_EQ(v[0], 1);
    EXPECT_LE(v.capacity() * sizeof(std::int32_t), G_Reserve_Bytes_Max);
}

TEST(G_Fn_Serialize_vector, ShortReadKeepsWhatWasRead)
{
    auto s = in(bytes({3, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 7, 0, 0, 0, 8, 0}));
    std::vector<std::int32_t> v;
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, v, read_int), 0);
    ASSERT_GE(v.size(), 1u);
    EXPECT_EQ(v[0], 7);
}

// --- lists, maps and pairs ---------------------------------------------------------------------

TEST(G_Fn_Serialize_list, CountThenElementsAppendedToWhatIsThere)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_list_O(out, std::list<std::int32_t>{4, -1}, write_int), 1);
    EXPECT_EQ(out.str(), bytes({2, 0, 0, 0, 4, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    auto s = in(out.str());
    std::list<std::int32_t> l{9};
    EXPECT_EQ(G_Fn_Serialize_list_I(s, l, read_int), 1);
    EXPECT_EQ(l, (std::list<std::int32_t>{9, 4, -1}));
}

TEST(G_Fn_Serialize_list, HugeCountIsRefusedAndElementResultsPassUp)
{
    auto s = in(bytes({0x00, 0x00, 0x00, 0x40, 1, 0, 0, 0}));
    std::list<std::int32_t> l;
    EXPECT_EQ(G_Fn_Serialize_list_I(s, l, read_int), 0);
    EXPECT_TRUE(l.empty());
    auto t = in(bytes({2, 0, 0, 0, 1, 2}));
    EXPECT_EQ(G_Fn_Serialize_list_I(t, l, [](std::istream& i, std::int32_t&) { return i.get(), E_Result(3); }), 3);
    EXPECT_EQ(l.size(), 1u);
}

TEST(G_Fn_Serialize_map, EntriesInKeyOrderAsPairs)
{
    std::map<std::int32_t, std::wstring> m{{2, L"b"}, {1, L"a"}};
    auto write_entry = [](std::ostream& s, const std::pair<const std::int32_t, std::wstring>& e) {
        return G_Fn_Serialize_pair_O(s, e, write_int, &G_Fn_Serialize_wstring_O);
    };
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_map_O(out, m, write_entry), 1);
    EXPECT_EQ(out.str(), bytes({2, 0, 0, 0,                          //
                                1, 0, 0, 0, 1, 0, 0, 0, 0x61, 0,     //
                                2, 0, 0, 0, 1, 0, 0, 0, 0x62, 0}));
    auto read_entry = [](std::istream& s, std::pair<std::int32_t, std::wstring>& e) {
        return G_Fn_Serialize_pair_I(s, e, read_int, &G_Fn_Serialize_wstring_I);
    };
    auto s = in(out.str());
    std::map<std::int32_t, std::wstring> back;
    EXPECT_EQ(G_Fn_Serialize_map_I(s, back, read_entry), 1);
    EXPECT_EQ(back, m);
}

TEST(G_Fn_Serialize_map, KeyAlreadyPresentKeepsItsFirstValue)
{
    auto s = in(bytes({2, 0, 0, 0, 1, 0, 0, 0, 10, 0, 0, 0, 1, 0, 0, 0, 20, 0, 0, 0}));
    std::map<std::int32_t, std::int32_t> m;
    auto read_entry = [](std::istream& i, std::pair<std::int32_t, std::int32_t>& e) {
        return G_Fn_Serialize_pair_I(i, e, read_int, read_int);
    };
    EXPECT_EQ(G_Fn_Serialize_map_I(s, m, read_entry), 1);
    EXPECT_EQ(m, (std::map<std::int32_t, std::int32_t>{{1, 10}}));
    auto huge = in(bytes({0xFF, 0xFF, 0xFF, 0xFF, 1}));
    EXPECT_EQ(G_Fn_Serialize_map_I(huge, m, read_entry), 0);
}

TEST(G_Fn_Serialize_pair, SecondIsReadOnlyAfterASuccessfulFirst)
{
    int second_calls = 0;
    auto second = [&](std::istream&, std::int32_t&) { return ++second_calls, E_Result(1); };
    std::pair<std::int32_t, std::int32_t> p{0, 0};
    auto s = in(bytes({1, 0}));
    EXPECT_EQ(G_Fn_Serialize_pair_I(s, p, read_int, second), 0);
    EXPECT_EQ(second_calls, 0);
    auto t = in(bytes({1, 0, 0, 0}));
    EXPECT_EQ(G_Fn_Serialize_pair_I(t, p, [](std::istream&, std::int32_t&) { return E_Result(4); }, second), 4);
    EXPECT_EQ(second_calls, 0);
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_pair_O(out, std::pair<std::int32_t, std::int32_t>{1, 2},
                                    [](std::ostream&, const std::int32_t&) { return E_Result(-3); }, write_int),
              -3);
    EXPECT_TRUE(out.str().empty());
}

// --- empty callables -----------------------------------------------------------------------------

TEST(G_Fn_Serialize, EmptyCallableThrowsWithTheFunctionName)
{
    const T_Fn_Reader<std::int32_t> no_reader;
    const T_Fn_Writer<std::int32_t> no_writer;
    const T_Fn_Reader<C_Rec> no_rec_reader;
    const T_Fn_Writer<C_Rec> no_rec_writer;
    const T_Fn_Creator<C_Rec> no_creator;
    auto s = in("");
    std::ostringstream out;
    std::shared_ptr<std::int32_t> sp;
    lesser_shared_ptr<C_Rec> lsp;
    slotvec<std::int32_t> table;
    std::vector<std::int32_t> v;
    std::list<std::int32_t> l;
    std::map<std::int32_t, std::int32_t> m;
    std::pair<std::int32_t, std::int32_t> p;
    const std::string ns = "N_Common::N_Stream::";
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_sp_I(s, sp, no_reader); }), ns + "G_Fn_Serialize_sp_I");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_sp_O(out, sp, no_writer); }), ns + "G_Fn_Serialize_sp_O");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_lsp_I(s, lsp, no_rec_reader); }), ns + "G_Fn_Serialize_lsp_I");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_lsp_I(s, lsp, read_rec, no_creator); }), ns + "G_Fn_Serialize_lsp_I");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_lsp_O(out, lsp, no_rec_writer); }), ns + "G_Fn_Serialize_lsp_O");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_lsp_O(out, lsp, write_rec, no_rec_writer); }),
              ns + "G_Fn_Serialize_lsp_O");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_slotvec_I(s, table, no_reader); }), ns + "G_Fn_Serialize_slotvec_I");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_slotvec_O(out, table, no_writer); }), ns + "G_Fn_Serialize_slotvec_O");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_vector_I(s, v, no_reader); }), ns + "G_Fn_Serialize_vector_I");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_vector_O(out, v, no_writer); }), ns + "G_Fn_Serialize_vector_O");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_list_I(s, l, no_reader); }), ns + "G_Fn_Serialize_list_I");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_list_O(out, l, no_writer); }), ns + "G_Fn_Serialize_list_O");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_map_I(s, m, {}); }), ns + "G_Fn_Serialize_map_I");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_map_O(out, m, {}); }), ns + "G_Fn_Serialize_map_O");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_pair_I(s, p, read_int, no_reader); }), ns + "G_Fn_Serialize_pair_I");
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_pair_O(out, p, no_writer, write_int); }), ns + "G_Fn_Serialize_pair_O");
    // Nothing was read or written before the checks.
    EXPECT_TRUE(out.str().empty());
    EXPECT_FALSE(s.fail());
}

TEST(G_Fn_Serialize, CallableChecksReportDistinctLinesInOurOwnFile)
{
    lesser_shared_ptr<C_Rec> lsp;
    auto s = in("");
    int reader_line = 0, creator_line = 0;
    try {
        G_Fn_Serialize_lsp_I(s, lsp, T_Fn_Reader<C_Rec>(), T_Fn_Creator<C_Rec>());
    } catch (const C_Exception& e) {
        reader_line = e.M_Fn_Line();
        EXPECT_STREQ(C_Exception::S_Fn_File_Name(e.M_Fn_File()), "Common_Stream_Serialize.h");
    }
    try {
        G_Fn_Serialize_lsp_I(s, lsp, read_rec, T_Fn_Creator<C_Rec>());
    } catch (const C_Exception& e) {
        creator_line = e.M_Fn_Line();
    }
    EXPECT_GT(reader_line, 0);
    EXPECT_GT(creator_line, reader_line);
}

// --- nesting -------------------------------------------------------------------------------------

TEST(G_Fn_Serialize_vector, ClaimedSizesOfNestedVectorsReserveNothing)
{
    // 200 inner vectors, each claiming 100 elements (no more than the bytes that follow) but
    // holding none (end index 0): twelve bytes each. Capacity follows the elements read, not the
    // sizes claimed.
    std::string data = bytes({200, 0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0});
    for (int i = 0; i < 200; ++i)
        data += bytes({100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    data += std::string(100, '\x7F');
    auto s = in(data);
    std::vector<std::vector<std::int32_t>> v;
    auto read_inner = [](std::istream& i, std::vector<std::int32_t>& inner) { return G_Fn_Serialize_vector_I(i, inner, read_int); };
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, v, read_inner), 1);
    ASSERT_EQ(v.size(), 200u);
    for (const auto& inner : v)
        EXPECT_EQ(inner.capacity(), 0u);
}

TEST(G_Fn_Serialize_slotvec, ClaimedSlotCountReservesNothing)
{
    auto s = in(bytes({0x00, 0x00, 0x40, 0x00, 1}));
    slotvec<std::int32_t> t;
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, read_int), 1);
    EXPECT_EQ(t.size(), 0u);
    EXPECT_EQ(t.elements().capacity(), 0u);
}
