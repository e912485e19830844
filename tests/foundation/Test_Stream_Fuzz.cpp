// Randomized hostile-input tests of the stream readers: random bytes and mutated valid streams
// (flipped bytes, cut ends, inserted bytes, count fields overwritten with extreme values). Seeds
// are fixed so a failure repeats. Every reader must end with 0, 1 or a C_Exception, never crash,
// hang or allocate beyond what the input can justify; the sanitizer build checks memory safety.
#include "common/Common_Stream_Serialize.h"

#include "Test_Stream_Support.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <sstream>

using namespace N_Common::N_Stream;
using N_Common::N_Container::slotvec;
using N_Common::N_Exception::C_Exception;
using N_Common::N_Pointer::lesser_shared_ptr;

namespace {

struct C_Fuzz_Item {
    virtual ~C_Fuzz_Item() = default;
    std::int32_t m_Id = 0;
    std::wstring m_Name;
    std::vector<float> m_Values;
    bool operator==(const C_Fuzz_Item& o) const { return m_Id == o.m_Id && m_Name == o.m_Name && m_Values == o.m_Values; }
};

E_Result read_item(std::istream& s, C_Fuzz_Item& item)
{
    E_Result r = G_Fn_Serialize_I(s, item.m_Id);
    if (r == 1)
        r = G_Fn_Serialize_wstring_I(s, item.m_Name);
    if (r == 1)
        r = G_Fn_Serialize_vector_I(s, item.m_Values, &G_Fn_Serialize_I<float>);
    return r;
}

E_Result write_item(std::ostream& s, const C_Fuzz_Item& item)
{
    E_Result r = G_Fn_Serialize_O(s, item.m_Id);
    if (r == 1)
        r = G_Fn_Serialize_wstring_O(s, item.m_Name);
    if (r == 1)
        r = G_Fn_Serialize_vector_O(s, item.m_Values, &G_Fn_Serialize_O<float>);
    return r;
}

E_Result read_item_ptr(std::istream& s, lesser_shared_ptr<C_Fuzz_Item>& p) { return G_Fn_Serialize_lsp_I(s, p, read_item); }
E_Result write_item_ptr(std::ostream& s, const lesser_shared_ptr<C_Fuzz_Item>& p) { return G_Fn_Serialize_lsp_O(s, p, write_item); }

using T_Float4 = std::array<float, 4>;
using T_Map = std::map<std::int32_t, std::wstring>;

E_Result read_entry(std::istream& s, std::pair<std::int32_t, std::wstring>& e)
{
    return G_Fn_Serialize_pair_I(s, e, &G_Fn_Serialize_I<std::int32_t>, &G_Fn_Serialize_wstring_I);
}
E_Result write_entry(std::ostream& s, const std::pair<const std::int32_t, std::wstring>& e)
{
    return G_Fn_Serialize_pair_O(s, e, &G_Fn_Serialize_O<std::int32_t>, &G_Fn_Serialize_wstring_O);
}

E_Result read_int_vector(std::istream& s, std::vector<std::int32_t>& v)
{
    return G_Fn_Serialize_vector_I(s, v, &G_Fn_Serialize_I<std::int32_t>);
}
E_Result write_int_vector(std::ostream& s, const std::vector<std::int32_t>& v)
{
    return G_Fn_Serialize_vector_O(s, v, &G_Fn_Serialize_O<std::int32_t>);
}

class C_Gen {
public:
    explicit C_Gen(std::uint32_t i_Seed) : m_Rng(i_Seed) {}

    std::uint32_t below(std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(m_Rng); }

    std::wstring text()
    {
        // No NUL: a NUL would end the text on reading.
        static const wchar_t k_Chars[] = {L'a', L'Z', L' ', L'\u00E9', L'\u4E2D', L'\U0001F600'};
        std::wstring t;
        const std::uint32_t n = below(6);
        for (std::uint32_t i = 0; i < n; ++i) {
            t.push_back(k_Chars[below(std::size(k_Chars))]);
        }
        return t;
    }

    std::string narrow()
    {
        std::string t;
        const std::uint32_t n = below(8);
        for (std::uint32_t i = 0; i < n; ++i)
            t.push_back(static_cast<char>(below(256)));
        return t;
    }

    lesser_shared_ptr<C_Fuzz_Item> item()
    {
        if (below(5) == 0)
            return {};
        lesser_shared_ptr<C_Fuzz_Item> p(new C_Fuzz_Item);
        p->m_Id = static_cast<std::int32_t>(m_Rng());
        p->m_Name = text();
        const std::uint32_t n = below(4);
        for (std::uint32_t i = 0; i < n; ++i)
            p->m_Values.push_back(static_cast<float>(below(1000)) * 0.5f);
        return p;
    }

    slotvec<lesser_shared_ptr<C_Fuzz_Item>> table()
    {
        slotvec<lesser_shared_ptr<C_Fuzz_Item>> t;
        t.add({});
        const std::uint32_t n = below(8);
        for (std::uint32_t i = 0; i < n; ++i)
            t.add(item());
        for (std::uint32_t i = 1; i < t.size(); ++i)
            if (below(3) == 0)
                t.erase_at(i);
        return t;
    }

    // A mutated copy of i_Data: 1 to 3 of flip, cut, insert, or a 4-byte field set to an extreme.
    std::string mutate(std::string i_Data)
    {
        static const std::uint32_t k_Extremes[] = {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0x00010000u,
                                                   G_Slot_Count_Max, G_Slot_Count_Max - 1, 0u, 1u, 2u};
        const std::uint32_t rounds = 1 + below(3);
        for (std::uint32_t r = 0; r < rounds; ++r) {
            const std::uint32_t kind = below(4);
            if (i_Data.empty() || kind == 2) {
                const std::uint32_t at = below(static_cast<std::uint32_t>(i_Data.size()) + 1);
                i_Data.insert(i_Data.begin() + at, static_cast<char>(below(256)));
            } else if (kind == 0) {
                i_Data[below(static_cast<std::uint32_t>(i_Data.size()))] ^= static_cast<char>(1u << below(8));
            } else if (kind == 1) {
                i_Data.resize(below(static_cast<std::uint32_t>(i_Data.size())));
            } else if (i_Data.size() >= 4) {
                const std::uint32_t at = below(static_cast<std::uint32_t>(i_Data.size()) - 3);
                const std::uint32_t v = k_Extremes[below(std::size(k_Extremes))];
                for (int b = 0; b < 4; ++b)
                    i_Data[at + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
            }
        }
        return i_Data;
    }

    std::string noise()
    {
        std::string d;
        const std::uint32_t n = below(48);
        for (std::uint32_t i = 0; i < n; ++i)
            d.push_back(static_cast<char>(below(256)));
        return d;
    }

    std::mt19937 m_Rng;
};

// Runs i_Read on a seekable and on a non-seekable stream over i_Data. The result must be 0 or 1
// (our element readers give nothing else) or a C_Exception; a 0 must leave the stream failed.
template <class F>
void run_both(const std::string& i_Data, F i_Read)
{
    for (int kind = 0; kind < 2; ++kind) {
        std::istringstream seekable(i_Data, std::ios::in | std::ios::binary);
        N_Test_Stream::C_Trickle_Stream trickle(i_Data);
        std::istream& s = kind == 0 ? static_cast<std::istream&>(seekable) : trickle;
        try {
            const E_Result r = i_Read(s, i_Data.size());
            EXPECT_TRUE(r == 0 || r == 1) << "result " << r;
            if (r == 0) {
                EXPECT_TRUE(s.fail());
            }
        } catch (const C_Exception&) {
            // a duplicate slot index or an inconsistent vector header: a programming-error report
        }
    }
}

// Bytes of memory a container may hold for an input of i_Len bytes: what the elements can justify
// (one byte each at least), doubled for growth, plus the reserve allowance.
std::size_t allowance(std::size_t i_Len, std::size_t i_Element) { return 2 * (i_Len + 1) * i_Element + G_Reserve_Bytes_Max; }

E_Result read_table(std::istream& s, std::size_t)
{
    slotvec<lesser_shared_ptr<C_Fuzz_Item>> t;
    t.add({});
    const E_Result r = G_Fn_Serialize_slotvec_I(s, t, read_item_ptr);
    EXPECT_LE(t.size(), G_Slot_Count_Max);
    return r;
}

E_Result read_float4_vector(std::istream& s, std::size_t len)
{
    std::vector<T_Float4> v;
    const E_Result r = G_Fn_Serialize_vector_I(s, v, &G_Fn_Serialize_float4_I<T_Float4>);
    EXPECT_LE(v.size(), len + 1);
    EXPECT_LE(v.capacity() * sizeof(T_Float4), allowance(len, sizeof(T_Float4)));
    return r;
}

E_Result read_nested_vector(std::istream& s, std::size_t len)
{
    std::vector<std::vector<std::int32_t>> v;
    const E_Result r = G_Fn_Serialize_vector_I(s, v, read_int_vector);
    EXPECT_LE(v.size(), len + 1);
    EXPECT_LE(v.capacity() * sizeof(v[0]), allowance(len, sizeof(v[0])));
    return r;
}

E_Result read_string_list(std::istream& s, std::size_t len)
{
    std::list<std::string> l;
    const E_Result r = G_Fn_Serialize_list_I(s, l, &G_Fn_Serialize_string_I);
    EXPECT_LE(l.size(), len + 1);
    for (const std::string& t : l)
        EXPECT_LE(t.size(), len);
    return r;
}

E_Result read_map(std::istream& s, std::size_t len)
{
    T_Map m;
    const E_Result r = G_Fn_Serialize_map_I(s, m, read_entry);
    EXPECT_LE(m.size(), len);
    return r;
}

E_Result read_wstring(std::istream& s, std::size_t len)
{
    std::wstring t;
    const E_Result r = G_Fn_Serialize_wstring_I(s, t);
    EXPECT_LE(t.size(), len);
    return r;
}

E_Result read_pointer(std::istream& s, std::size_t)
{
    std::shared_ptr<C_Fuzz_Item> p;
    return G_Fn_Serialize_sp_I(s, p, read_item);
}

constexpr int k_Iterations = 3000;

} // namespace

TEST(G_Fn_Serialize_Fuzz, ValidStreamsRoundTrip)
{
    C_Gen gen(20240611u);
    for (int i = 0; i < 300; ++i) {
        const auto table = gen.table();
        std::ostringstream out;
        ASSERT_EQ(G_Fn_Serialize_slotvec_O(out, table, write_item_ptr), 1);
        slotvec<lesser_shared_ptr<C_Fuzz_Item>> back;
        back.add({});
        std::istringstream in(out.str());
        ASSERT_EQ(G_Fn_Serialize_slotvec_I(in, back, read_item_ptr), 1);
        // Trailing free slots are not recreated; everything below the highest used slot matches.
        for (std::uint32_t s = 1; s < table.size(); ++s) {
            ASSERT_EQ(back.is_used_at(s), table.is_used_at(s)) << "slot " << s;
            if (!table.is_used_at(s))
                continue;
            const auto& a = table.at(s);
            const auto& b = back.at(s);
            ASSERT_EQ(bool(a), bool(b));
            if (a) {
                EXPECT_EQ(*a, *b);
            }
        }
        EXPECT_EQ(in.peek(), std::char_traits<char>::eof());
    }
}

TEST(G_Fn_Serialize_Fuzz, SlotTableReaderSurvivesMutatedAndRandomInput)
{
    C_Gen gen(1u);
    for (int i = 0; i < k_Iterations; ++i) {
        std::ostringstream out;
        G_Fn_Serialize_slotvec_O(out, gen.table(), write_item_ptr);
        run_both(gen.mutate(out.str()), read_table);
        run_both(gen.noise(), read_table);
    }
}

TEST(G_Fn_Serialize_Fuzz, VectorReadersSurviveMutatedAndRandomInput)
{
    C_Gen gen(2u);
    for (int i = 0; i < k_Iterations; ++i) {
        std::vector<T_Float4> points(gen.below(5));
        for (auto& p : points)
            p = {float(gen.below(9)), 1.0f, 0.0f, 0.5f};
        std::ostringstream out;
        G_Fn_Serialize_vector_O(out, points, &G_Fn_Serialize_float4_O<T_Float4>);
        run_both(gen.mutate(out.str()), read_float4_vector);
        run_both(gen.noise(), read_float4_vector);

        std::vector<std::vector<std::int32_t>> nested(gen.below(4));
        for (auto& v : nested)
            v.assign(gen.below(4), std::int32_t(gen.below(100)));
        std::ostringstream out2;
        G_Fn_Serialize_vector_O(out2, nested, write_int_vector);
        run_both(gen.mutate(out2.str()), read_nested_vector);
        run_both(gen.noise(), read_nested_vector);
    }
}

TEST(G_Fn_Serialize_Fuzz, ListAndMapReadersSurviveMutatedAndRandomInput)
{
    C_Gen gen(3u);
    for (int i = 0; i < k_Iterations; ++i) {
        std::list<std::string> l;
        for (std::uint32_t n = gen.below(5); n > 0; --n)
            l.push_back(gen.narrow());
        std::ostringstream out;
        G_Fn_Serialize_list_O(out, l, &G_Fn_Serialize_string_O);
        run_both(gen.mutate(out.str()), read_string_list);
        run_both(gen.noise(), read_string_list);

        T_Map m;
        for (std::uint32_t n = gen.below(5); n > 0; --n)
            m.emplace(std::int32_t(gen.below(50)), gen.text());
        std::ostringstream out2;
        G_Fn_Serialize_map_O(out2, m, write_entry);
        run_both(gen.mutate(out2.str()), read_map);
        run_both(gen.noise(), read_map);
    }
}

TEST(G_Fn_Serialize_Fuzz, StringAndPointerReadersSurviveMutatedAndRandomInput)
{
    C_Gen gen(4u);
    for (int i = 0; i < k_Iterations; ++i) {
        std::ostringstream out;
        G_Fn_Serialize_wstring_O(out, gen.text());
        run_both(gen.mutate(out.str()), read_wstring);
        run_both(gen.noise(), read_wstring);

        std::ostringstream out2;
        const auto item = gen.item();
        std::shared_ptr<C_Fuzz_Item> sp = item ? std::make_shared<C_Fuzz_Item>(*item) : nullptr;
        G_Fn_Serialize_sp_O(out2, sp, write_item);
        run_both(gen.mutate(out2.str()), read_pointer);
        run_both(gen.noise(), read_pointer);
    }
}
