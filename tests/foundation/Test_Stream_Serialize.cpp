// The binary stream layouts against bytes written out by hand, truncated and hostile streams, and a
// randomized test (fixed seeds) of every container reader on random and mutated input.
#include "common/Common_Stream_Serialize.h"
#include "tests/foundation/Test_Thrown.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>

using namespace N_Common::N_Stream;
using N_Common::N_Container::slotvec;
using N_Common::N_Exception::C_Exception;
using N_Common::N_Pointer::lesser_shared_ptr;

namespace {

std::string bytes(std::initializer_list<int> i_Values)
{
    std::string out;
    for (int v : i_Values)
        out.push_back(static_cast<char>(v));
    return out;
}

std::istringstream in(const std::string& i_Bytes)
{
    return std::istringstream(i_Bytes, std::ios::in | std::ios::binary);
}

// Hands out its bytes one at a time and cannot seek, as a pipe: a reader learns the length only by
// reading.
class C_Trickle_Stream : public std::istream {
    struct C_Buf : std::streambuf {
        std::string m_Data;
        std::size_t m_Pos = 0;
        char m_Current = 0;
        int_type underflow() override
        {
            if (m_Pos >= m_Data.size())
                return traits_type::eof();
            m_Current = m_Data[m_Pos++];
            setg(&m_Current, &m_Current, &m_Current + 1);
            return traits_type::to_int_type(m_Current);
        }
    } m_Buf;

public:
    explicit C_Trickle_Stream(std::string i_Data) : std::istream(nullptr)
    {
        m_Buf.m_Data = std::move(i_Data);
        rdbuf(&m_Buf);
    }
    std::size_t consumed() const { return m_Buf.m_Pos; }
};

E_Result read_int(std::istream& s, std::int32_t& v) { return G_Fn_Serialize_I(s, v); }
E_Result write_int(std::ostream& s, const std::int32_t& v) { return G_Fn_Serialize_O(s, v); }
E_Result read_ints(std::istream& s, std::vector<std::int32_t>& v) { return G_Fn_Serialize_vector_I(s, v, read_int); }

// The function text of the C_Exception that i_Fn throws; the file must be the serializer's.
template <class F>
std::string thrown_function(F i_Fn)
{
    const N_Test::C_Thrown thrown = N_Test::G_Fn_Thrown(i_Fn);
    EXPECT_EQ(thrown.m_File, "Common_Stream_Serialize.h");
    return thrown.m_Function;
}

// A record with a virtual destructor for the counted pointer, read and written as one int32.
struct C_Rec {
    virtual ~C_Rec() = default;
    std::int32_t m_Value = 0;
};
struct C_Rec_B : C_Rec {};
E_Result read_rec(std::istream& s, C_Rec& r) { return G_Fn_Serialize_I(s, r.m_Value); }
E_Result write_rec(std::ostream& s, const C_Rec& r) { return G_Fn_Serialize_O(s, r.m_Value); }

// A slot table as its owners build it: slot 0 reserved.
slotvec<std::int32_t> owned_table()
{
    slotvec<std::int32_t> t;
    t.add(0);
    return t;
}

} // namespace

// --- primitives and strings ----------------------------------------------------------------------

TEST(G_Fn_Serialize, PrimitivesAreLittleEndianAndAShortReadKeepsTheTarget)
{
    std::ostringstream out;
    G_Fn_Serialize_O(out, std::int32_t(-2));
    G_Fn_Serialize_O(out, std::uint32_t(0x11223344));
    G_Fn_Serialize_O(out, -2.5f);
    EXPECT_EQ(G_Fn_Serialize_float4_O(out, std::array<float, 4>{1.0f, 2.0f, 0.0f, -1.0f}), 1);
    EXPECT_EQ(out.str(), bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x44, 0x33, 0x22, 0x11, 0x00, 0x00, 0x20, 0xC0, //
                                0, 0, 0x80, 0x3F, 0, 0, 0, 0x40, 0, 0, 0, 0, 0, 0, 0x80, 0xBF}));
    auto s = in(out.str());
    std::int32_t i = 0;
    std::uint32_t u = 0;
    float f = 0;
    std::array<float, 4> p{};
    EXPECT_EQ(G_Fn_Serialize_I(s, i) + G_Fn_Serialize_I(s, u) + G_Fn_Serialize_I(s, f), 3);
    EXPECT_EQ(G_Fn_Serialize_float4_I(s, p), 1);
    EXPECT_EQ(i, -2);
    EXPECT_EQ(u, 0x11223344u);
    EXPECT_EQ(f, -2.5f);
    EXPECT_EQ(p, (std::array<float, 4>{1.0f, 2.0f, 0.0f, -1.0f}));

    auto t = in(bytes({1, 2, 3}));
    std::int32_t v = 99;
    EXPECT_EQ(G_Fn_Serialize_I(t, v), 0);
    EXPECT_EQ(v, 99);
    EXPECT_TRUE(t.fail());
    auto w = in(bytes({0, 0, 0x80, 0x3F, 0, 0, 0, 0x40, 0, 0, 0})); // a float short of four
    std::array<float, 4> q{9, 9, 9, 9};
    EXPECT_EQ(G_Fn_Serialize_float4_I(w, q), 0);
    EXPECT_EQ(q, (std::array<float, 4>{9, 9, 9, 9}));
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

TEST(G_Fn_Serialize_wstring, Utf16UnitsWithSurrogatePairsAndTheFirstNulEndsTheText)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_wstring_O(out, L""), 1);
    // 'A', EURO SIGN U+20AC, GRINNING FACE U+1F600 (surrogates D83D DE00).
    EXPECT_EQ(G_Fn_Serialize_wstring_O(out, L"A\u20AC\U0001F600"), 1);
    EXPECT_EQ(out.str(), bytes({0, 0, 0, 0, 4, 0, 0, 0, 0x41, 0x00, 0xAC, 0x20, 0x3D, 0xD8, 0x00, 0xDE}));
    auto s = in(out.str());
    std::wstring kept = L"keep", text;
    EXPECT_EQ(G_Fn_Serialize_wstring_I(s, kept), 1); // a count of 0 leaves the target as it was
    EXPECT_EQ(kept, L"keep");
    EXPECT_EQ(G_Fn_Serialize_wstring_I(s, text), 1);
    EXPECT_EQ(text, L"A\u20AC\U0001F600");
    // All three units are consumed although the text ends at the NUL.
    auto t = in(bytes({3, 0, 0, 0, 0x61, 0, 0, 0, 0x62, 0, 0x7F}));
    EXPECT_EQ(G_Fn_Serialize_wstring_I(t, text), 1);
    EXPECT_EQ(text, L"a");
    EXPECT_EQ(t.get(), 0x7F);
}

TEST(G_Fn_Serialize_wstring, ShortReadsAndHugeLengthsAreFailures)
{
    std::wstring text = L"old";
    auto s = in(bytes({3, 0, 0, 0, 0x61, 0, 0x62}));
    EXPECT_EQ(G_Fn_Serialize_wstring_I(s, text), 0);
    EXPECT_EQ(text, L"");
    std::wstring kept = L"old";
    auto t = in(bytes({3, 0}));
    EXPECT_EQ(G_Fn_Serialize_wstring_I(t, kept), 0);
    EXPECT_EQ(kept, L"old");
    auto u = in(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x61, 0})); // refused without reading
    EXPECT_EQ(G_Fn_Serialize_wstring_I(u, text), 0);
    EXPECT_TRUE(u.fail());
    EXPECT_TRUE(text.empty());
    C_Trickle_Stream v(bytes({0xFF, 0xFF, 0xFF, 0x7F, 0x61, 0, 0x62, 0})); // ends at the short read
    EXPECT_EQ(G_Fn_Serialize_wstring_I(v, text), 0);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(v.consumed(), 8u);
}

TEST(G_Fn_Serialize_string, BytesFollowTheCountAndHostileLengthsFail)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_string_O(out, std::string("a\0b", 3)), 1);
    EXPECT_EQ(G_Fn_Serialize_string_O(out, ""), 1);
    EXPECT_EQ(out.str(), bytes({3, 0, 0, 0, 0x61, 0, 0x62, 0, 0, 0, 0}));
    auto s = in(out.str());
    std::string a, b = "old";
    EXPECT_EQ(G_Fn_Serialize_string_I(s, a) + G_Fn_Serialize_string_I(s, b), 2);
    EXPECT_EQ(a, std::string("a\0b", 3));
    EXPECT_EQ(b, "");
    // A long string crosses the read pieces.
    std::string text(G_String_Piece * 2 + 17, 'x'), back;
    text[G_String_Piece] = 'y';
    std::ostringstream long_out;
    G_Fn_Serialize_string_O(long_out, text);
    auto l = in(long_out.str());
    EXPECT_EQ(G_Fn_Serialize_string_I(l, back), 1);
    EXPECT_EQ(back, text);

    auto h = in(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x61}));
    EXPECT_EQ(G_Fn_Serialize_string_I(h, back), 0);
    EXPECT_TRUE(back.empty());
    C_Trickle_Stream t(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x61, 0x62}));
    EXPECT_EQ(G_Fn_Serialize_string_I(t, back), 0);
    EXPECT_TRUE(back.empty());
    EXPECT_LE(back.capacity(), 2 * G_String_Piece);
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
    // Failures: no flag, a short object, and an element result passed up.
    auto empty = in("");
    EXPECT_EQ(G_Fn_Serialize_sp_I(empty, b, read_int), 0);
    auto t = in(bytes({0, 1}));
    EXPECT_EQ(G_Fn_Serialize_sp_I(t, b, read_int), 0);
    auto u = in(bytes({0}));
    EXPECT_EQ(G_Fn_Serialize_sp_I(u, b, [](std::istream&, std::int32_t&) { return E_Result(-1); }), -1);
}

TEST(G_Fn_Serialize_lsp, AbsentPointerIsOneByteAndPresentObjectFollowsAZero)
{
    std::ostringstream out;
    lesser_shared_ptr<C_Rec> none, one(new C_Rec);
    one->m_Value = 3;
    EXPECT_EQ(G_Fn_Serialize_lsp_O(out, none, write_rec) + G_Fn_Serialize_lsp_O(out, one, write_rec), 2);
    EXPECT_EQ(out.str(), bytes({1, 0, 3, 0, 0, 0}));
    auto s = in(out.str());
    lesser_shared_ptr<C_Rec> a(new C_Rec), b;
    C_Rec* before = a.get();
    EXPECT_EQ(G_Fn_Serialize_lsp_I(s, a, read_rec) + G_Fn_Serialize_lsp_I(s, b, read_rec), 2);
    EXPECT_EQ(a.get(), before); // an absent flag leaves the target as it was
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
        return type == 2 ? std::make_unique<C_Rec_B>() : type == 1 ? std::make_unique<C_Rec>() : nullptr;
    };
    auto s = in(out.str());
    lesser_shared_ptr<C_Rec> back;
    EXPECT_EQ(G_Fn_Serialize_lsp_I(s, back, read_rec, creator), 1);
    ASSERT_NE(dynamic_cast<C_Rec_B*>(back.get()), nullptr);
    EXPECT_EQ(back->m_Value, 9);
    // An unknown type: the creator gives none, the target is emptied and the result is 0.
    auto u = in(bytes({0, 7, 0, 0, 0}));
    EXPECT_EQ(G_Fn_Serialize_lsp_I(u, back, read_rec, creator), 0);
    EXPECT_FALSE(back);
    // A type writer's own result stops the write after the flag.
    std::ostringstream stopped;
    EXPECT_EQ(G_Fn_Serialize_lsp_O(stopped, p, write_rec, [](std::ostream&, const C_Rec&) { return E_Result(5); }), 5);
    EXPECT_EQ(stopped.str(), bytes({0}));
}

// --- slot tables -------------------------------------------------------------------------------

TEST(G_Fn_Serialize_slotvec, BytesOfTheEmptyTableAndOfATableWithFreeSlots)
{
    std::ostringstream empty;
    EXPECT_EQ(G_Fn_Serialize_slotvec_O(empty, owned_table(), write_int), 1); // slot 0 is never written
    EXPECT_EQ(empty.str(), bytes({1, 0, 0, 0, 1}));

    slotvec<std::int32_t> t;
    for (int i = 0; i < 6; ++i)
        t.add(10 * i);
    t.erase_at(2);
    t.erase_at(4);
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_slotvec_O(out, t, write_int), 1);
    EXPECT_EQ(out.str(), bytes({6, 0, 0, 0,                 // the count includes the free slots
                                0, 1, 0, 0, 0, 10, 0, 0, 0, //
                                0, 3, 0, 0, 0, 30, 0, 0, 0, //
                                0, 5, 0, 0, 0, 50, 0, 0, 0, //
                                1}));
}

TEST(G_Fn_Serialize_slotvec, ReadingKeepsIndicesAndGapsButNotTrailingFreeSlots)
{
    auto s = in(bytes({6, 0, 0, 0, 0, 1, 0, 0, 0, 11, 0, 0, 0, 0, 5, 0, 0, 0, 55, 0, 0, 0, 1}));
    auto t = owned_table();
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, read_int), 1);
    EXPECT_EQ(t.size(), 6u);
    EXPECT_EQ(t.at(1), 11);
    EXPECT_EQ(t.at(5), 55);
    // Slots 2 to 4 are free and handed out as add_at stacked them.
    EXPECT_EQ(t.add(1), 4u);
    EXPECT_EQ(t.add(1), 3u);
    EXPECT_EQ(t.add(1), 2u);
    EXPECT_EQ(t.add(1), 6u);
    // Count 5 with slots 3 and 4 free at the end: they are not recreated.
    auto u = in(bytes({5, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1}));
    auto back = owned_table();
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(u, back, read_int), 1);
    EXPECT_EQ(back.size(), 3u);
    EXPECT_EQ(back.at(2), 2);
}

TEST(G_Fn_Serialize_slotvec, TruncatedAndHostileStreamsFailAndKeepWhatWasRead)
{
    // The stream ends inside the second slot index; then the closing byte is missing.
    auto s = in(bytes({6, 0, 0, 0, 0, 1, 0, 0, 0, 11, 0, 0, 0, 0, 5, 0}));
    auto t = owned_table();
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(s, t, read_int), 0);
    EXPECT_EQ(t.size(), 2u);
    EXPECT_EQ(t.at(1), 11);
    auto u = in(bytes({2, 0, 0, 0, 0, 1, 0, 0, 0, 11, 0, 0, 0}));
    slotvec<std::int32_t> w;
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(u, w, read_int), 0);
    EXPECT_EQ(w.at(1), 11);

    // A slot index not below the stored count, also a huge one in a huge count.
    for (const std::string& data : {bytes({2, 0, 0, 0, 0, 2, 0, 0, 0, 11, 0, 0, 0, 1}),
                                    bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1})}) {
        auto h = in(data);
        slotvec<std::int32_t> x;
        EXPECT_EQ(G_Fn_Serialize_slotvec_I(h, x, read_int), 0);
        EXPECT_EQ(x.size(), 0u);
        EXPECT_TRUE(h.fail());
    }
    // A slot count above the maximum is refused; a large allowed one reserves nothing.
    const std::uint32_t over = G_Slot_Count_Max + 1;
    auto o = in(bytes({int(over & 0xFF), int((over >> 8) & 0xFF), int((over >> 16) & 0xFF), int(over >> 24), 1}));
    slotvec<std::int32_t> y;
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(o, y, read_int), 0);
    EXPECT_EQ(y.elements().capacity(), 0u);
    auto c = in(bytes({0x00, 0x00, 0x40, 0x00, 1}));
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(c, y, read_int), 1);
    EXPECT_EQ(y.size(), 0u);
    EXPECT_EQ(y.elements().capacity(), 0u);
}

TEST(G_Fn_Serialize_slotvec, DuplicateIndexThrowsAndElementResultsStopTheRead)
{
    auto s = in(bytes({4, 0, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1}));
    slotvec<std::int32_t> t;
    EXPECT_EQ(N_Test::G_Fn_Thrown([&] { G_Fn_Serialize_slotvec_I(s, t, read_int); }).m_Function,
              "N_Common::N_Container::slotvec<int >::add_at");
    EXPECT_EQ(t.at(2), 1);

    auto u = in(bytes({4, 0, 0, 0, 0, 1, 0, 0, 0, 0, 2, 0, 0, 0, 1}));
    slotvec<std::int32_t> w;
    int calls = 0;
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(u, w, [&](std::istream&, std::int32_t&) { return ++calls, E_Result(-1); }), -1);
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(w.is_used_at(1));
    // An element reader that ignores its failed stream: success on a failed stream is a failure.
    auto v = in(bytes({4, 0, 0, 0, 0, 1, 0, 0, 0}));
    auto careless = [](std::istream& i, std::int32_t&) {
        char c[8];
        i.read(c, 8);
        return E_Result(1);
    };
    slotvec<std::int32_t> x;
    EXPECT_EQ(G_Fn_Serialize_slotvec_I(v, x, careless), 0);
}

// --- vectors, lists, maps and pairs ----------------------------------------------------------------

TEST(G_Fn_Serialize_vector, SizeFirstIndexEndIndexThenElements)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_vector_O(out, std::vector<std::int32_t>{}, write_int), 1);
    EXPECT_EQ(out.str(), std::string(12, '\0')); // the empty vector: three zero words
    EXPECT_EQ(G_Fn_Serialize_vector_O(out, std::vector<float>{1.0f, -2.5f}, &G_Fn_Serialize_O<float>), 1);
    EXPECT_EQ(out.str().substr(12), bytes({2, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0x80, 0x3F, 0, 0, 0x20, 0xC0}));
    auto s = in(out.str());
    std::vector<std::int32_t> e;
    std::vector<float> v;
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, e, read_int), 1);
    EXPECT_TRUE(e.empty());
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, v, &G_Fn_Serialize_I<float>), 1);
    EXPECT_EQ(v, (std::vector<float>{1.0f, -2.5f}));
    // An end index below the size reads only up to it.
    auto t = in(bytes({3, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0, 0x55}));
    EXPECT_EQ(G_Fn_Serialize_vector_I(t, e, read_int), 1);
    EXPECT_EQ(e, std::vector<std::int32_t>{7});
    EXPECT_EQ(t.get(), 0x55);
}

TEST(G_Fn_Serialize_vector, InconsistentIndicesThrow)
{
    std::vector<std::int32_t> v{1}; // first index 0, but the target holds one element
    auto s = in(std::string(12, '\0'));
    const std::string name = "N_Common::N_Stream::G_Fn_Serialize_vector_I";
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_vector_I(s, v, read_int); }), name);
    auto t = in(bytes({2, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 5, 0, 0, 0}));
    std::vector<std::int32_t> w;
    EXPECT_THROW(G_Fn_Serialize_vector_I(t, w, read_int), C_Exception);
    auto u = in(bytes({1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 5, 0, 0, 0, 6, 0, 0, 0})); // end beyond the size
    EXPECT_EQ(thrown_function([&] { G_Fn_Serialize_vector_I(u, w, read_int); }), name);
    EXPECT_TRUE(w.empty());
}

TEST(G_Fn_Serialize_vector, HostileAndTruncatedStreamsReserveLittle)
{
    auto s = in(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4}));
    std::vector<std::int32_t> v;
    EXPECT_EQ(G_Fn_Serialize_vector_I(s, v, read_int), 0);
    EXPECT_EQ(v.capacity(), 0u);
    EXPECT_TRUE(s.fail());
    C_Trickle_Stream t(bytes({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0, 2, 0}));
    EXPECT_EQ(G_Fn_Serialize_vector_I(t, v, read_int), 0);
    ASSERT_EQ(v.size(), 2u); // the second element is the default pushed before the short read
    EXPECT_EQ(v[0], 1);
    EXPECT_LE(v.capacity() * sizeof(std::int32_t), G_Reserve_Bytes_Max);
    auto u = in(bytes({3, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 7, 0, 0, 0, 8, 0}));
    std::vector<std::int32_t> w;
    EXPECT_EQ(G_Fn_Serialize_vector_I(u, w, read_int), 0);
    ASSERT_GE(w.size(), 1u);
    EXPECT_EQ(w[0], 7);

    // 200 inner vectors, each claiming 100 elements (no more than the bytes that follow) but holding
    // none: capacity follows the elements read, not the sizes claimed.
    std::string data = bytes({200, 0, 0, 0, 0, 0, 0, 0, 200, 0, 0, 0});
    for (int i = 0; i < 200; ++i)
        data += bytes({100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    data += std::string(100, '\x7F');
    auto n = in(data);
    std::vector<std::vector<std::int32_t>> nested;
    EXPECT_EQ(G_Fn_Serialize_vector_I(n, nested, read_ints), 1);
    ASSERT_EQ(nested.size(), 200u);
    for (const auto& inner : nested)
        EXPECT_EQ(inner.capacity(), 0u);
}

// A count whose elements would take more than G_Reserve_Bytes_Max is reserved whole when the
// stream certainly holds a byte for every 8 bytes reserved (so a large vector in a large file is
// not grown step by step); a stream that cannot tell still gets only what arrives.
TEST(G_Fn_Serialize_vector, LargeCountReservedWholeWhenTheStreamHoldsItsBytes)
{
    const std::uint32_t count = 300000; // 1.2 MB of int32
    std::string data = bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    for (int i = 0; i < 4; ++i)
        data[i] = data[8 + i] = static_cast<char>((count >> (8 * i)) & 0xFF);
    data += std::string(std::size_t(count) * 4, '\x01');
    auto s = in(data);
    std::vector<std::int32_t> v;
    EXPECT_EQ(N_Impl::G_Fn_Stream_Bytes_Known(s), data.size());
    ASSERT_EQ(G_Fn_Serialize_vector_I(s, v, read_int), 1);
    EXPECT_EQ(v.size(), count);
    EXPECT_EQ(v.capacity(), count);
    EXPECT_EQ(v.back(), 0x01010101);
    // The position and state are as they were after asking.
    auto t = in(data);
    std::uint32_t first = 0;
    ASSERT_EQ(G_Fn_Serialize_I(t, first), 1);
    EXPECT_EQ(N_Impl::G_Fn_Stream_Bytes_Known(t), data.size() - 4);
    EXPECT_EQ(G_Fn_Serialize_I(t, first), 1);
    EXPECT_EQ(first, 0u);
    // Too few bytes to pay for the whole count in memory: at most G_Reserve_Bytes_Max ahead.
    EXPECT_EQ(N_Impl::G_Fn_Reserve_Count_In(t, count, 4096), G_Reserve_Bytes_Max / 4096);
    C_Trickle_Stream trickle(data);
    EXPECT_EQ(N_Impl::G_Fn_Stream_Bytes_Known(trickle), 0u);
    EXPECT_EQ(N_Impl::G_Fn_Reserve_Count_In(trickle, count, 4), G_Reserve_Bytes_Max / 4);
}

TEST(G_Fn_Serialize_list, CountThenElementsAppendedToWhatIsThere)
{
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_list_O(out, std::list<std::int32_t>{4, -1}, write_int), 1);
    EXPECT_EQ(out.str(), bytes({2, 0, 0, 0, 4, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    auto s = in(out.str());
    std::list<std::int32_t> l{9};
    EXPECT_EQ(G_Fn_Serialize_list_I(s, l, read_int), 1);
    EXPECT_EQ(l, (std::list<std::int32_t>{9, 4, -1}));
    auto h = in(bytes({0x00, 0x00, 0x00, 0x40, 1, 0, 0, 0})); // a huge count
    std::list<std::int32_t> m;
    EXPECT_EQ(G_Fn_Serialize_list_I(h, m, read_int), 0);
    EXPECT_TRUE(m.empty());
    auto t = in(bytes({2, 0, 0, 0, 1, 2}));
    EXPECT_EQ(G_Fn_Serialize_list_I(t, m, [](std::istream& i, std::int32_t&) { return i.get(), E_Result(3); }), 3);
    EXPECT_EQ(m.size(), 1u);
}

TEST(G_Fn_Serialize_map, EntriesInKeyOrderAsPairsAndTheFirstValueOfAKeyStays)
{
    std::map<std::int32_t, std::wstring> m{{2, L"b"}, {1, L"a"}};
    auto write_entry = [](std::ostream& s, const std::pair<const std::int32_t, std::wstring>& e) {
        return G_Fn_Serialize_pair_O(s, e, write_int, &G_Fn_Serialize_wstring_O);
    };
    std::ostringstream out;
    EXPECT_EQ(G_Fn_Serialize_map_O(out, m, write_entry), 1);
    EXPECT_EQ(out.str(), bytes({2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0x61, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0x62, 0}));
    auto read_entry = [](std::istream& s, std::pair<std::int32_t, std::wstring>& e) {
        return G_Fn_Serialize_pair_I(s, e, read_int, &G_Fn_Serialize_wstring_I);
    };
    auto s = in(out.str());
    std::map<std::int32_t, std::wstring> back;
    EXPECT_EQ(G_Fn_Serialize_map_I(s, back, read_entry), 1);
    EXPECT_EQ(back, m);

    auto t = in(bytes({2, 0, 0, 0, 1, 0, 0, 0, 10, 0, 0, 0, 1, 0, 0, 0, 20, 0, 0, 0}));
    std::map<std::int32_t, std::int32_t> n;
    auto read_pair = [](std::istream& i, std::pair<std::int32_t, std::int32_t>& e) {
        return G_Fn_Serialize_pair_I(i, e, read_int, read_int);
    };
    EXPECT_EQ(G_Fn_Serialize_map_I(t, n, read_pair), 1);
    EXPECT_EQ(n, (std::map<std::int32_t, std::int32_t>{{1, 10}}));
    auto huge = in(bytes({0xFF, 0xFF, 0xFF, 0xFF, 1}));
    EXPECT_EQ(G_Fn_Serialize_map_I(huge, n, read_pair), 0);
}

TEST(G_Fn_Serialize_pair, SecondIsHandledOnlyAfterASuccessfulFirst)
{
    int second_calls = 0;
    auto second = [&](std::istream&, std::int32_t&) { return ++second_calls, E_Result(1); };
    std::pair<std::int32_t, std::int32_t> p{0, 0};
    auto s = in(bytes({1, 0}));
    EXPECT_EQ(G_Fn_Serialize_pair_I(s, p, read_int, second), 0);
    auto t = in(bytes({1, 0, 0, 0}));
    EXPECT_EQ(G_Fn_Serialize_pair_I(t, p, [](std::istream&, std::int32_t&) { return E_Result(4); }, second), 4);
    EXPECT_EQ(second_calls, 0);
    std::ostringstream out;
    auto refuse = [](std::ostream&, const std::int32_t&) { return E_Result(-3); };
    EXPECT_EQ(G_Fn_Serialize_pair_O(out, p, refuse, write_int), -3);
    EXPECT_TRUE(out.str().empty());
}

// --- empty callables -----------------------------------------------------------------------------

TEST(G_Fn_Serialize, EmptyCallableThrowsWithTheFunctionNameBeforeAnyByte)
{
    const T_Fn_Reader<std::int32_t> no_reader;
    const T_Fn_Writer<std::int32_t> no_writer;
    const T_Fn_Reader<C_Rec> no_rec_reader;
    const T_Fn_Writer<C_Rec> no_rec_writer;
    auto s = in("");
    std::ostringstream out;
    std::shared_ptr<std::int32_t> sp;
    lesser_shared_ptr<C_Rec> lsp;
    slotvec<std::int32_t> table;
    std::vector<std::int32_t> v;
    std::list<std::int32_t> l;
    std::map<std::int32_t, std::int32_t> m;
    std::pair<std::int32_t, std::int32_t> p;
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { G_Fn_Serialize_sp_I(s, sp, no_reader); }, "sp_I"},
        {[&] { G_Fn_Serialize_sp_O(out, sp, no_writer); }, "sp_O"},
        {[&] { G_Fn_Serialize_lsp_I(s, lsp, no_rec_reader); }, "lsp_I"},
        {[&] { G_Fn_Serialize_lsp_I(s, lsp, read_rec, T_Fn_Creator<C_Rec>()); }, "lsp_I"},
        {[&] { G_Fn_Serialize_lsp_O(out, lsp, no_rec_writer); }, "lsp_O"},
        {[&] { G_Fn_Serialize_lsp_O(out, lsp, write_rec, no_rec_writer); }, "lsp_O"},
        {[&] { G_Fn_Serialize_slotvec_I(s, table, no_reader); }, "slotvec_I"},
        {[&] { G_Fn_Serialize_slotvec_O(out, table, no_writer); }, "slotvec_O"},
        {[&] { G_Fn_Serialize_vector_I(s, v, no_reader); }, "vector_I"},
        {[&] { G_Fn_Serialize_vector_O(out, v, no_writer); }, "vector_O"},
        {[&] { G_Fn_Serialize_list_I(s, l, no_reader); }, "list_I"},
        {[&] { G_Fn_Serialize_list_O(out, l, no_writer); }, "list_O"},
        {[&] { G_Fn_Serialize_map_I(s, m, {}); }, "map_I"},
        {[&] { G_Fn_Serialize_map_O(out, m, {}); }, "map_O"},
        {[&] { G_Fn_Serialize_pair_I(s, p, read_int, no_reader); }, "pair_I"},
        {[&] { G_Fn_Serialize_pair_O(out, p, no_writer, write_int); }, "pair_O"}};
    for (const auto& [fn, name] : cases)
        EXPECT_EQ(thrown_function(fn), std::string("N_Common::N_Stream::G_Fn_Serialize_") + name);
    EXPECT_TRUE(out.str().empty());
    EXPECT_FALSE(s.fail());
}

// --- randomized hostile input --------------------------------------------------------------------
// Random bytes and mutated valid streams (flipped bytes, cut ends, inserted bytes, count fields set
// to extreme values) on a seekable and a non-seekable stream. Every reader must end with 0, 1 or a
// C_Exception, never crash, hang or hold more memory than the input can justify; the sanitizer build
// checks memory safety.

namespace {

struct C_Fuzz_Item {
    virtual ~C_Fuzz_Item() = default;
    std::int32_t m_Id = 0;
    std::wstring m_Name;
    std::vector<float> m_Values;
    bool operator==(const C_Fuzz_Item&) const = default;
};

E_Result read_item(std::istream& s, C_Fuzz_Item& item)
{
    E_Result r = G_Fn_Serialize_I(s, item.m_Id);
    r = r == 1 ? G_Fn_Serialize_wstring_I(s, item.m_Name) : r;
    return r == 1 ? G_Fn_Serialize_vector_I(s, item.m_Values, &G_Fn_Serialize_I<float>) : r;
}
E_Result write_item(std::ostream& s, const C_Fuzz_Item& item)
{
    E_Result r = G_Fn_Serialize_O(s, item.m_Id);
    r = r == 1 ? G_Fn_Serialize_wstring_O(s, item.m_Name) : r;
    return r == 1 ? G_Fn_Serialize_vector_O(s, item.m_Values, &G_Fn_Serialize_O<float>) : r;
}
using T_Item_Ptr = lesser_shared_ptr<C_Fuzz_Item>;
using T_Entry = std::pair<std::int32_t, std::wstring>;
E_Result read_item_ptr(std::istream& s, T_Item_Ptr& p) { return G_Fn_Serialize_lsp_I(s, p, read_item); }
E_Result write_item_ptr(std::ostream& s, const T_Item_Ptr& p) { return G_Fn_Serialize_lsp_O(s, p, write_item); }
E_Result read_entry(std::istream& s, T_Entry& e)
{
    return G_Fn_Serialize_pair_I(s, e, read_int, &G_Fn_Serialize_wstring_I);
}
E_Result write_entry(std::ostream& s, const std::pair<const std::int32_t, std::wstring>& e)
{
    return G_Fn_Serialize_pair_O(s, e, write_int, &G_Fn_Serialize_wstring_O);
}
E_Result write_ints(std::ostream& s, const std::vector<std::int32_t>& v)
{
    return G_Fn_Serialize_vector_O(s, v, write_int);
}

using T_Float4 = std::array<float, 4>;
using T_Table = slotvec<lesser_shared_ptr<C_Fuzz_Item>>;

class C_Gen {
public:
    explicit C_Gen(std::uint32_t i_Seed) : m_Rng(i_Seed) {}
    std::uint32_t below(std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(m_Rng); }

    std::wstring text() // no NUL: a NUL would end the text on reading
    {
        static const wchar_t k_Chars[] = {L'a', L'Z', L' ', L'\u00E9', L'\u4E2D', L'\U0001F600'};
        std::wstring t;
        for (std::uint32_t n = below(6); n > 0; --n)
            t.push_back(k_Chars[below(std::size(k_Chars))]);
        return t;
    }
    std::string noise(std::uint32_t i_Max = 48)
    {
        std::string d;
        for (std::uint32_t n = below(i_Max); n > 0; --n)
            d.push_back(static_cast<char>(below(256)));
        return d;
    }
    lesser_shared_ptr<C_Fuzz_Item> item()
    {
        if (below(5) == 0)
            return {};
        lesser_shared_ptr<C_Fuzz_Item> p(new C_Fuzz_Item);
        p->m_Id = static_cast<std::int32_t>(m_Rng());
        p->m_Name = text();
        for (std::uint32_t n = below(4); n > 0; --n)
            p->m_Values.push_back(static_cast<float>(below(1000)) * 0.5f);
        return p;
    }
    T_Table table()
    {
        T_Table t;
        t.add({});
        for (std::uint32_t n = below(8); n > 0; --n)
            t.add(item());
        for (std::uint32_t i = 1; i < t.size(); ++i)
            if (below(3) == 0)
                t.erase_at(i);
        return t;
    }
    // One of every container in turn, in the order of s_Readers.
    std::string stream()
    {
        std::ostringstream o;
        G_Fn_Serialize_slotvec_O(o, table(), write_item_ptr);
        const std::vector<T_Float4> points(below(5), T_Float4{float(below(9)), 1.0f, 0.0f, 0.5f});
        G_Fn_Serialize_vector_O(o, points, &G_Fn_Serialize_float4_O<T_Float4>);
        std::vector<std::vector<std::int32_t>> nested(below(4));
        for (auto& v : nested)
            v.assign(below(4), std::int32_t(below(100)));
        G_Fn_Serialize_vector_O(o, nested, write_ints);
        std::list<std::string> l;
        std::map<std::int32_t, std::wstring> m;
        for (std::uint32_t n = below(5); n > 0; --n)
            l.push_back(noise(8)), m.emplace(std::int32_t(below(50)), text());
        G_Fn_Serialize_list_O(o, l, &G_Fn_Serialize_string_O);
        G_Fn_Serialize_map_O(o, m, write_entry);
        G_Fn_Serialize_wstring_O(o, text());
        const auto p = item();
        G_Fn_Serialize_sp_O(o, p ? std::make_shared<C_Fuzz_Item>(*p) : nullptr, write_item);
        return o.str();
    }
    // A mutated copy: 1 to 3 of flip, cut, insert, or a 4-byte field set to an extreme value.
    std::string mutate(std::string i_Data)
    {
        static const std::uint32_t k_Extremes[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x00010000u,
                                                   G_Slot_Count_Max, G_Slot_Count_Max - 1, 0u, 1u, 2u};
        for (std::uint32_t rounds = 1 + below(3); rounds > 0; --rounds) {
            const std::uint32_t kind = below(4), size = static_cast<std::uint32_t>(i_Data.size());
            if (i_Data.empty() || kind == 2) {
                i_Data.insert(i_Data.begin() + below(size + 1), static_cast<char>(below(256)));
            } else if (kind == 0) {
                i_Data[below(size)] ^= static_cast<char>(1u << below(8));
            } else if (kind == 1) {
                i_Data.resize(below(size));
            } else if (size >= 4) {
                const std::uint32_t at = below(size - 3), v = k_Extremes[below(std::size(k_Extremes))];
                for (int b = 0; b < 4; ++b)
                    i_Data[at + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
            }
        }
        return i_Data;
    }
    std::mt19937 m_Rng;
};

// Bytes a container may hold for an input of i_Len bytes: what the elements can justify (one byte
// each at least), doubled for growth, plus the reserve allowance.
std::size_t allowance(std::size_t i_Len, std::size_t i_Element)
{
    return 2 * (i_Len + 1) * i_Element + G_Reserve_Bytes_Max;
}

// The readers under test, each checking what it holds against the input's length.
const std::function<E_Result(std::istream&, std::size_t)> s_Readers[] = {
    [](std::istream& s, std::size_t) {
        T_Table t;
        t.add({});
        const E_Result r = G_Fn_Serialize_slotvec_I(s, t, read_item_ptr);
        EXPECT_LE(t.size(), G_Slot_Count_Max);
        return r;
    },
    [](std::istream& s, std::size_t len) {
        std::vector<T_Float4> v;
        const E_Result r = G_Fn_Serialize_vector_I(s, v, &G_Fn_Serialize_float4_I<T_Float4>);
        EXPECT_LE(v.size(), len + 1);
        EXPECT_LE(v.capacity() * sizeof(T_Float4), allowance(len, sizeof(T_Float4)));
        return r;
    },
    [](std::istream& s, std::size_t len) {
        std::vector<std::vector<std::int32_t>> v;
        const E_Result r = G_Fn_Serialize_vector_I(s, v, read_ints);
        EXPECT_LE(v.size(), len + 1);
        EXPECT_LE(v.capacity() * sizeof(v[0]), allowance(len, sizeof(v[0])));
        return r;
    },
    [](std::istream& s, std::size_t len) {
        std::list<std::string> l;
        const E_Result r = G_Fn_Serialize_list_I(s, l, &G_Fn_Serialize_string_I);
        EXPECT_LE(l.size(), len + 1);
        for (const std::string& t : l)
            EXPECT_LE(t.size(), len);
        return r;
    },
    [](std::istream& s, std::size_t len) {
        std::map<std::int32_t, std::wstring> m;
        const E_Result r = G_Fn_Serialize_map_I(s, m, read_entry);
        EXPECT_LE(m.size(), len);
        return r;
    },
    [](std::istream& s, std::size_t len) {
        std::wstring t;
        const E_Result r = G_Fn_Serialize_wstring_I(s, t);
        EXPECT_LE(t.size(), len);
        return r;
    },
    [](std::istream& s, std::size_t) {
        std::shared_ptr<C_Fuzz_Item> p;
        return G_Fn_Serialize_sp_I(s, p, read_item);
    },
};

// Reads i_Data with the readers from i_First on, in turn, on a seekable and on a non-seekable
// stream, up to the first result other than 1. That result must be 0 (with the stream failed) or a
// C_Exception: our element readers give nothing else.
void read_both(const std::string& i_Data, std::size_t i_First)
{
    for (int seekable = 0; seekable < 2; ++seekable) {
        std::istringstream plain(i_Data, std::ios::in | std::ios::binary);
        C_Trickle_Stream trickle(i_Data);
        std::istream& s = seekable ? static_cast<std::istream&>(plain) : trickle;
        try {
            E_Result r = 1;
            for (std::size_t k = i_First; k < std::size(s_Readers) && r == 1; ++k)
                r = s_Readers[k](s, i_Data.size());
            EXPECT_TRUE(r == 0 || r == 1) << "result " << r;
            EXPECT_TRUE(r != 0 || s.fail());
        } catch (const C_Exception&) {
            // a duplicate slot index or an inconsistent vector header: a programming-error report
        }
    }
}

} // namespace

TEST(G_Fn_Serialize_Fuzz, ValidSlotTablesRoundTrip)
{
    C_Gen gen(20240611u);
    for (int i = 0; i < 300; ++i) {
        const T_Table table = gen.table();
        std::ostringstream out;
        ASSERT_EQ(G_Fn_Serialize_slotvec_O(out, table, write_item_ptr), 1);
        std::istringstream s(out.str());
        T_Table back;
        back.add({});
        ASSERT_EQ(G_Fn_Serialize_slotvec_I(s, back, read_item_ptr), 1);
        // Trailing free slots are not recreated; everything below the highest used slot matches.
        for (std::uint32_t k = 1; k < table.size(); ++k) {
            ASSERT_EQ(back.is_used_at(k), table.is_used_at(k)) << "slot " << k;
            if (table.is_used_at(k)) {
                ASSERT_EQ(bool(table.at(k)), bool(back.at(k)));
                EXPECT_TRUE(!table.at(k) || *table.at(k) == *back.at(k));
            }
        }
        EXPECT_EQ(s.peek(), std::char_traits<char>::eof());
    }
}

TEST(G_Fn_Serialize_Fuzz, EveryReaderSurvivesMutatedAndRandomInput)
{
    C_Gen gen(1u);
    for (int i = 0; i < 12000; ++i) {
        read_both(gen.mutate(gen.stream()), 0);
        read_both(gen.noise(), gen.below(std::size(s_Readers)));
    }
}
