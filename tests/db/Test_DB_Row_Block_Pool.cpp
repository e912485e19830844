// The overflow blocks of rows: zeroed, reused after they are given back, the slabs of a size
// released with its last block, large blocks from the heap, and rows that take, swap and give back
// their blocks, and the id blocks of keys.
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Block_Pool.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "tests/db/Test_DB_Support.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace N_Biz::N_DB;
using N_Test_DB::G_Fn_Card;
using N_Test_DB::G_Fn_Col;
using N_Test_DB::G_Fn_Schema;
using N_Test_DB::G_Fn_Table;

TEST(Row_Block_Pool, BlocksAreZeroedReusedAndTheirSlabsReleasedWithTheLast)
{
    // Fifteen words: a size no table of the tests uses, so the counts are this test's own.
    constexpr std::size_t words = 15;
    ASSERT_EQ(N_Impl::G_Fn_Row_Block_Live(words), 0u);
    // More blocks than one slab holds (4096), each written all over.
    std::vector<T_up_Row_Block> blocks;
    std::set<std::uint64_t*> addresses;
    for (int i = 0; i < 5000; ++i) {
        blocks.emplace_back(G_Fn_Row_Block_Alloc(words));
        ASSERT_TRUE(blocks.back());
        for (std::size_t w = 0; w < words; ++w)
            ASSERT_EQ(blocks.back()[w], 0u);
        for (std::size_t w = 0; w < words; ++w)
            blocks.back()[w] = ~std::uint64_t(0);
        addresses.insert(blocks.back().get());
    }
    EXPECT_EQ(addresses.size(), 5000u);
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(words), 5000u);
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Slabs(words), 2u);
    // A block given back is handed out again, zeroed.
    std::uint64_t* const given_back = blocks[17].get();
    blocks[17].reset();
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(words), 4999u);
    blocks[17].reset(G_Fn_Row_Block_Alloc(words));
    EXPECT_EQ(blocks[17].get(), given_back);
    for (std::size_t w = 0; w < words; ++w)
        EXPECT_EQ(blocks[17][w], 0u);
    // The last one given back releases the slabs; the size starts afresh.
    blocks.clear();
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(words), 0u);
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Slabs(words), 0u);
    T_up_Row_Block again(G_Fn_Row_Block_Alloc(words));
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Slabs(words), 1u);
    again.reset();
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Slabs(words), 0u);
    // Larger blocks come from the heap, zeroed; none for no words.
    T_up_Row_Block large(G_Fn_Row_Block_Alloc(40));
    ASSERT_TRUE(large);
    for (std::size_t w = 0; w < 40; ++w)
        EXPECT_EQ(large[w], 0u);
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(40), 0u);
    EXPECT_EQ(G_Fn_Row_Block_Alloc(0), nullptr);
}

TEST(Row_Block_Pool, RowsTakeCopySwapAndGiveBackTheirBlocks)
{
    // Five doubles fill the fixed and inline areas: the INT32 and the two-word block behind them.
    std::string columns;
    for (int i = 0; i < 5; ++i)
        columns += G_Fn_Col("D" + std::to_string(i), "FLOAT64");
    columns += G_Fn_Col("B", "INT32");
    const auto schema = G_Fn_Schema({{2, G_Fn_Card("A", "", columns)}});
    const C_Info_Table* table = G_Fn_Table(*schema, 2, "A");
    ASSERT_TRUE(table && (table->M_Fn_Flags() & C_Info_Table::E_Flag_Overflow_Block));
    ASSERT_EQ(table->M_Fn_Size_Overflow(), 16u);
    const std::size_t before = N_Impl::G_Fn_Row_Block_Live(2);
    {
        std::vector<C_Row_Etc> rows;
        rows.reserve(3);
        rows.emplace_back(table);
        rows.emplace_back(table);
        EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(2), before + 2);
        rows[0].M_Fn_Column_Practical_Get_o_Visitor_Field_At(5).M_Fn_Ref<std::int32_t>() = 77;
        EXPECT_EQ(rows[1].M_Fn_Column_Practical_Get_o_Visitor_Field_At(5).M_Fn_Get<std::int32_t>(), 0);
        rows.emplace_back(rows[0]);
        EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(2), before + 3);
        EXPECT_EQ(rows[2].M_Fn_Column_Practical_Get_o_Visitor_Field_At(5).M_Fn_Get<std::int32_t>(), 77);
        // A moved row takes the block along.
        C_Row_Etc moved(std::move(rows[2]));
        EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(2), before + 3);
        EXPECT_EQ(moved.M_Fn_Column_Practical_Get_o_Visitor_Field_At(5).M_Fn_Get<std::int32_t>(), 77);
        rows.erase(rows.begin());
        EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(2), before + 2);
    }
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(2), before);
}

TEST(Row_Block_Pool, IdKeysKeepTheirIdInAPoolBlockAndGiveItBack)
{
    const std::size_t before = N_Impl::G_Fn_Row_Block_Live(1);
    {
        C_Key_C_Property key(42);
        EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(1), before + 1);
        EXPECT_EQ(key.M_Fn_Type_Get_E_Type(), N_Impl::E_Type_Key_Id);
        EXPECT_EQ(key.M_Fn_Get_o_T_Key_Any(), 42);
        const C_Key_C_Property copy(key);
        EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(1), before + 2);
        EXPECT_EQ(copy.M_Fn_Get_o_T_Key_Any(), 42);
        key = C_Key_C_Property(-7);
        EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(1), before + 2);
        EXPECT_EQ(key.M_Fn_Get_o_T_Key_Any(), -7);
        EXPECT_EQ(copy.M_Fn_Get_o_T_Key_Any(), 42);
    }
    EXPECT_EQ(N_Impl::G_Fn_Row_Block_Live(1), before);
}
