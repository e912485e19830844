// Row keys: empty, id and reference forms; copies; rows that go away; ordering.
#include "biz/db/Biz_DB_Key.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "tests/db/Test_DB_Support.h"

#include <gtest/gtest.h>

using namespace N_Biz::N_DB;
using N_Common::N_Pointer::lesser_shared_ptr;

namespace {

lesser_shared_ptr<C_Row_C_Material> G_Fn_Material(std::int32_t i_Id, std::uint32_t i_Pos)
{
    lesser_shared_ptr<C_Row_C_Material> row(
        new C_Row_C_Material(N_Test_DB::G_Fn_Schema_Real()->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
    row->M_Fn_Id_Set(i_Id);
    row->M_Fn_Pos_Set(i_Pos);
    return row;
}

} // namespace

TEST(C_Key, EmptyAndIdKeys)
{
    const C_Key_C_Material empty;
    EXPECT_EQ(empty.M_Fn_Get_pair_For_Compare(), std::make_pair(-256, static_cast<const C_Row_C_Material*>(nullptr)));
    EXPECT_FALSE(empty.M_Fn_Lock());
    // An id key's copy owns its block: it outlives the source.
    auto source = std::make_unique<C_Key_Common>(42);
    const C_Key_Common copy(*source);
    source.reset();
    EXPECT_EQ(copy.M_Fn_Type_Get_E_Type(), 2);
    EXPECT_EQ(copy.M_Fn_Get_o_T_Key_Any(), 42);
    EXPECT_EQ(copy.M_Fn_Get_o_T_Pos_Any(), -256);
    C_Key_Common assigned(1);
    assigned = copy;
    assigned = assigned;
    EXPECT_EQ(assigned.M_Fn_Get_o_T_Key_Any(), 42);
}

TEST(C_Key, ReferenceFollowsItsRowWithoutKeepingItAlive)
{
    auto row = G_Fn_Material(17, 2);
    const auto* block = row.block();
    C_Key_C_Material key(row);
    EXPECT_EQ(block->weak.load(), 2); // the owners' one and the key's
    EXPECT_EQ(row.use_count(), 1);
    EXPECT_EQ(key.M_Fn_Get_o_T_Key_Any(), 17);
    EXPECT_EQ(key.M_Fn_Get_pair_For_Compare(), std::make_pair(2, static_cast<const C_Row_C_Material*>(row.get())));
    {
        const C_Key_C_Material copy(key);
        EXPECT_EQ(block->weak.load(), 3);
    }
    EXPECT_EQ(block->weak.load(), 2);
    row.reset(); // the row goes; the block stays for the key
    EXPECT_EQ(block->weak.load(), 1);
    EXPECT_EQ(key.M_Fn_Get_pair_For_Compare(), std::make_pair(-256, static_cast<const C_Row_C_Material*>(nullptr)));
    EXPECT_FALSE(key.M_Fn_Lock());
    // The key's release frees the block (the sanitizer run sees a leak or a double free otherwise).
}

TEST(C_Key, OrderComparesPositionsThenRows)
{
    EXPECT_TRUE(C_Key_Common(3) < C_Key_Common(5));
    EXPECT_FALSE(C_Key_Common(5) < C_Key_Common(3));
    auto row = G_Fn_Material(100, 2);
    const C_Key_C_Material live(row);
    EXPECT_TRUE(live < C_Key_C_Material(3));
    EXPECT_FALSE(C_Key_C_Material(3) < live);
    EXPECT_TRUE(C_Key_C_Material(2) < live); // same first member: no row orders first
    EXPECT_TRUE(C_Key_C_Material() < C_Key_C_Material(-1));
    EXPECT_TRUE(C_Key_Common(4) == C_Key_Common(4));
}

TEST(C_Key, BrokenBlockThrows)
{
    N_Common::N_Pointer::lesser_count_block<C_Row_C_Material> block(nullptr);
    block.weak = -5; // neither a weak count nor the id tag once the key adds its count
    const C_Key_C_Material key(&block);
    EXPECT_THROW(key.M_Fn_Type_Get_E_Type(), N_Common::N_Exception::C_Exception);
    EXPECT_THROW(C_Key_C_Material{key}, N_Common::N_Exception::C_Exception);
}
