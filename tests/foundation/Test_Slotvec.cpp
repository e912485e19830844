#include "common/Common_Container_slotvec.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using N_Common::N_Container::slotvec;
using N_Common::N_Exception::C_Exception;

namespace {

// Fills every free slot through add() and returns the indices in the order they were handed out.
std::vector<std::uint32_t> fill_free(slotvec<int>& ro_Table, int i_Value)
{
    std::vector<std::uint32_t> order;
    while (ro_Table.free_count() > 0)
        order.push_back(ro_Table.add(i_Value));
    return order;
}

// Checks the stated invariant through the public surface: exactly free_count() slots are free and
// the free ones hold a default value.
template <class T>
void expect_free_slots_default(const slotvec<T>& ro_Table)
{
    std::uint32_t free = 0;
    for (std::uint32_t i = 0; i < ro_Table.size(); ++i)
        if (!ro_Table.is_used_at(i)) {
            ++free;
            EXPECT_EQ(ro_Table.elements()[i], T()) << "slot " << i;
        }
    EXPECT_EQ(free, ro_Table.free_count());
}

// Runs i_Fn, expects a C_Exception and returns its function text.
template <class F>
std::string thrown_function(F i_Fn)
{
    try {
        i_Fn();
    } catch (const C_Exception& e) {
        EXPECT_STREQ(C_Exception::S_Fn_File_Name(e.M_Fn_File()), "Common_Container_slotvec.h");
        return e.M_Fn_Function();
    }
    ADD_FAILURE() << "no exception";
    return {};
}

} // namespace

// --- slot order -------------------------------------------------------------------------------

TEST(slotvec, NewTableIsEmpty)
{
    slotvec<int> t;
    EXPECT_EQ(t.size(), 0u);
    EXPECT_EQ(t.free_count(), 0u);
    EXPECT_EQ(t.next_index(), 0u);
    EXPECT_FALSE(t.is_used_at(0));
}

TEST(slotvec, AddAppendsInOrderWhenNothingIsFree)
{
    slotvec<int> t;
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(t.add(i * 10), static_cast<std::uint32_t>(i));
    EXPECT_EQ(t.size(), 4u);
    EXPECT_EQ(t.at(3), 30);
}

TEST(slotvec, AddAtPastTheEndStacksGapsHighestOnTop)
{
    slotvec<int> t;
    EXPECT_EQ(t.add_at(5, 55), 5u);
    EXPECT_EQ(t.size(), 6u);
    EXPECT_TRUE(t.is_used_at(5));
    for (std::uint32_t i = 0; i < 5; ++i)
        EXPECT_FALSE(t.is_used_at(i));
    EXPECT_EQ(t.next_index(), 4u);
    EXPECT_EQ(fill_free(t, 1), (std::vector<std::uint32_t>{4, 3, 2, 1, 0}));
    EXPECT_EQ(t.add(2), 6u);
    EXPECT_EQ(t.at(5), 55);
}

TEST(slotvec, AddAtOnAFreeSlotMovesTheTopIntoItsStackPosition)
{
    slotvec<int> t;
    t.add_at(5, 5);
    // Stack bottom to top: 0 1 2 3 4. Taking 1 puts 4 into 1's position.
    EXPECT_EQ(t.add_at(1, 11), 1u);
    EXPECT_EQ(t.at(1), 11);
    EXPECT_EQ(fill_free(t, 0), (std::vector<std::uint32_t>{3, 2, 4, 0}));
}

TEST(slotvec, AddAtOnTheTopSlotJustPops)
{
    slotvec<int> t;
    t.add_at(3, 3);
    EXPECT_EQ(t.add_at(2, 2), 2u);
    EXPECT_EQ(fill_free(t, 0), (std::vector<std::uint32_t>{1, 0}));
}

TEST(slotvec, ErasedSlotsAreRefilledMostRecentFirst)
{
    slotvec<int> t;
    for (int i = 0; i < 10; ++i)
        t.add(i);
    t.erase_at(3);
    EXPECT_EQ(t.next_index(), 3u);
    EXPECT_EQ(t.add(33), 3u);
    t.erase_at(3);
    t.erase_at(7);
    EXPECT_EQ(t.add(77), 7u);
    EXPECT_EQ(t.add(33), 3u);
    EXPECT_EQ(t.add(10), 10u);
    EXPECT_EQ(t.size(), 11u);
}

TEST(slotvec, EraseNeverMovesOtherElements)
{
    slotvec<std::string> t;
    for (int i = 0; i < 6; ++i)
        t.add(std::to_string(i));
    t.erase_at(2);
    t.erase_at(0);
    EXPECT_EQ(t.at(1), "1");
    EXPECT_EQ(t.at(5), "5");
    EXPECT_EQ(t.size(), 6u);
    expect_free_slots_default(t);
}

TEST(slotvec, EraseReleasesTheHeldObjectAtOnce)
{
    slotvec<std::shared_ptr<int>> t;
    auto p = std::make_shared<int>(4);
    t.add(p);
    EXPECT_EQ(p.use_count(), 2);
    t.erase_at(0);
    EXPECT_EQ(p.use_count(), 1);
    EXPECT_EQ(t.elements()[0], nullptr);
}

TEST(slotvec, SlotCountNeverShrinksAndGapsHoldDefaults)
{
    slotvec<int> t;
    t.add_at(4, 9);
    t.add_at(8, 9);
    expect_free_slots_default(t);
    EXPECT_EQ(t.size(), 9u);
    // The gaps of the second add_at (5, 6, 7) were stacked above the first ones (0..3).
    EXPECT_EQ(fill_free(t, 1), (std::vector<std::uint32_t>{7, 6, 5, 3, 2, 1, 0}));
    for (std::uint32_t i = 0; i < 9; ++i)
        t.erase_at(i);
    EXPECT_EQ(t.size(), 9u);
    EXPECT_EQ(t.free_count(), 9u);
}

TEST(slotvec, MixedOperationsKeepTheFreeStackConsistent)
{
    // A long deterministic mix checked against a plain model of which slots are used.
    slotvec<int> t;
    std::vector<bool> used;
    std::uint32_t state = 12345;
    auto next = [&] { return state = state * 1103515245u + 12345u, (state >> 8); };
    for (int step = 0; step < 3000; ++step) {
        const std::uint32_t r = next() % 4;
        if (r == 0) {
            const std::uint32_t predicted = t.next_index();
            EXPECT_EQ(t.add(step), predicted);
            if (predicted >= used.size())
                used.resize(predicted + 1, false);
            used[predicted] = true;
        } else if (r == 1 && !used.empty()) {
            const std::uint32_t i = next() % used.size();
            if (used[i]) {
                t.erase_at(i);
                used[i] = false;
            }
        } else {
            const std::uint32_t i = next() % (used.size() + 3);
            if (i < used.size() && used[i])
                continue;
            t.add_at(i, step);
            if (i >= used.size())
                used.resize(i + 1, false);
            used[i] = true;
        }
        ASSERT_EQ(t.size(), used.size());
    }
    std::uint32_t free = 0;
    for (std::uint32_t i = 0; i < used.size(); ++i) {
        EXPECT_EQ(t.is_used_at(i), used[i]);
        free += used[i] ? 0 : 1;
    }
    EXPECT_EQ(t.free_count(), free);
    // Every free slot is handed out exactly once before the table grows.
    std::vector<std::uint32_t> order = fill_free(t, 0);
    EXPECT_EQ(order.size(), free);
    for (std::uint32_t i : order)
        EXPECT_FALSE(used[i]);
    EXPECT_EQ(t.add(0), used.size());
}

// --- misuse ------------------------------------------------------------------------------------

TEST(slotvec, AtRefusesFreeAndMissingSlotsFromEitherOverload)
{
    slotvec<int> t;
    t.add(1);
    t.add(2);
    t.erase_at(0);
    const slotvec<int>& ro = t;
    EXPECT_EQ(thrown_function([&] { t.at(0); }), "N_Common::N_Container::slotvec<int >::at");
    EXPECT_EQ(thrown_function([&] { ro.at(0); }), "N_Common::N_Container::slotvec<int >::at");
    EXPECT_EQ(thrown_function([&] { t.at(2); }), "N_Common::N_Container::slotvec<int >::at");
    EXPECT_EQ(ro.at(1), 2);
    // The two overloads report different lines.
    int line_modifiable = 0, line_read_only = 0;
    try { t.at(0); } catch (const C_Exception& e) { line_modifiable = e.M_Fn_Line(); }
    try { ro.at(0); } catch (const C_Exception& e) { line_read_only = e.M_Fn_Line(); }
    EXPECT_GT(line_modifiable, 0);
    EXPECT_GT(line_read_only, 0);
    EXPECT_NE(line_modifiable, line_read_only);
}

TEST(slotvec, EraseTwiceThrowsAndLeavesTheStackAlone)
{
    slotvec<int> t;
    for (int i = 0; i < 4; ++i)
        t.add(i);
    t.erase_at(1);
    t.erase_at(2);
    EXPECT_EQ(thrown_function([&] { t.erase_at(2); }), "N_Common::N_Container::slotvec<int >::erase_at");
    EXPECT_EQ(thrown_function([&] { t.erase_at(9); }), "N_Common::N_Container::slotvec<int >::erase_at");
    EXPECT_EQ(t.free_count(), 2u);
    EXPECT_EQ(fill_free(t, 0), (std::vector<std::uint32_t>{2, 1}));
}

TEST(slotvec, AddAtOnASlotInUseThrowsAndKeepsTheOldElement)
{
    slotvec<std::string> t;
    t.add("old");
    EXPECT_EQ(thrown_function([&] { t.add_at(0, "new"); }),
              "N_Common::N_Container::slotvec<std::__cxx11::basic_string<char, std::char_traits<char>, "
              "std::allocator<char> > >::add_at");
    EXPECT_EQ(t.at(0), "old");
    EXPECT_EQ(t.size(), 1u);
}

TEST(slotvec, TheOneIndexNoSlotCanHaveIsRefused)
{
    slotvec<int> t;
    EXPECT_THROW(t.add_at(slotvec<int>::S_In_Use, 1), C_Exception);
    EXPECT_EQ(t.size(), 0u);
}

TEST(slotvec, ExceptionTextNamesTheElementType)
{
    slotvec<std::shared_ptr<double>> t;
    try {
        t.at(0);
        FAIL();
    } catch (const C_Exception& e) {
        const std::string what = e.what();
        EXPECT_NE(what.find("N_Common::N_Container::slotvec<std::shared_ptr<double> >::at"), std::string::npos);
        EXPECT_NE(what.find("File: Common_Container_slotvec.h Line: "), std::string::npos);
    }
}
