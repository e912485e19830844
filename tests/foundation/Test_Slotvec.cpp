#include "common/Common_Container_slotvec.h"
#include "tests/foundation/Test_Thrown.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

using N_Common::N_Container::slotvec;
using N_Common::N_Exception::C_Exception;

namespace {

// Fills every free slot through add() and returns the indices in the order they were handed out.
std::vector<std::uint32_t> fill_free(slotvec<int>& ro_Table)
{
    std::vector<std::uint32_t> order;
    while (ro_Table.free_count() > 0)
        order.push_back(ro_Table.add(0));
    return order;
}

// Exactly free_count() slots are free, and the free ones hold a default value.
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

} // namespace

// --- slot order -------------------------------------------------------------------------------

TEST(slotvec, SlotOrderAfterAddAtGapsAndErasures)
{
    // A script of "+" (add, its index recorded), "A<i>" (add_at i) and "E<i>" (erase_at i); then
    // the order in which add() hands out the free slots, and the index of the add after that.
    const struct {
        const char* m_Script;
        std::vector<std::uint32_t> m_Adds;
        std::vector<std::uint32_t> m_Free_Order;
        std::uint32_t m_Next;
    } cases[] = {
        {"+ + + +", {0, 1, 2, 3}, {}, 4},
        {"A5", {}, {4, 3, 2, 1, 0}, 6},           // gaps stacked with the highest on top
        {"A5 A1", {}, {3, 2, 4, 0}, 6},           // taking 1 moves the top (4) into 1's position
        {"A3 A2", {}, {1, 0}, 4},                 // taking the top just pops it
        {"A4 A8", {}, {7, 6, 5, 3, 2, 1, 0}, 9},  // later gaps stacked above earlier ones
        {"+ + + + + + + + + + E3 + E3 E7 + + +", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 3, 7, 3, 10}, {}, 11},
        {"+ + + + E1 E2", {0, 1, 2, 3}, {2, 1}, 4}, // most recently erased first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.m_Script);
        slotvec<int> t;
        EXPECT_EQ(t.next_index(), 0u);
        std::vector<std::uint32_t> adds;
        std::istringstream script(c.m_Script);
        for (std::string op; script >> op;) {
            if (op == "+") {
                const std::uint32_t predicted = t.next_index();
                adds.push_back(t.add(7));
                EXPECT_EQ(adds.back(), predicted);
            } else if (op[0] == 'A') {
                EXPECT_EQ(t.add_at(std::stoul(op.substr(1)), 9), std::stoul(op.substr(1)));
            } else {
                t.erase_at(std::stoul(op.substr(1)));
            }
        }
        EXPECT_EQ(adds, c.m_Adds);
        expect_free_slots_default(t);
        EXPECT_EQ(fill_free(t), c.m_Free_Order);
        EXPECT_EQ(t.add(1), c.m_Next);
    }
}

TEST(slotvec, EraseNeverMovesOtherElementsReleasesAtOnceAndNeverShrinks)
{
    slotvec<std::string> t;
    for (int i = 0; i < 6; ++i)
        t.add(std::to_string(i));
    t.erase_at(2);
    t.erase_at(0);
    EXPECT_EQ(t.at(1), "1");
    EXPECT_EQ(t.at(5), "5");
    expect_free_slots_default(t);
    for (std::uint32_t i : {1, 3, 4, 5})
        t.erase_at(i);
    EXPECT_EQ(t.size(), 6u);
    EXPECT_EQ(t.free_count(), 6u);

    slotvec<std::shared_ptr<int>> p;
    auto sp = std::make_shared<int>(4);
    p.add(sp);
    EXPECT_EQ(sp.use_count(), 2);
    p.erase_at(0);
    EXPECT_EQ(sp.use_count(), 1);
    EXPECT_EQ(p.elements()[0], nullptr);
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
    std::vector<std::uint32_t> order = fill_free(t);
    EXPECT_EQ(order.size(), free);
    for (std::uint32_t i : order)
        EXPECT_FALSE(used[i]);
    EXPECT_EQ(t.add(0), used.size());
}

// --- misuse ------------------------------------------------------------------------------------

TEST(slotvec, MisuseThrowsNamingTheElementTypeAndLeavesTheTableAlone)
{
    slotvec<int> t;
    for (int i = 0; i < 4; ++i)
        t.add(i);
    t.erase_at(1);
    t.erase_at(2);
    const slotvec<int>& ro = t;
    const std::string ns = "N_Common::N_Container::slotvec<int >::";
    const std::pair<std::function<void()>, std::string> cases[] = {
        {[&] { t.at(1); }, "at"}, // free
        {[&] { ro.at(1); }, "at"},
        {[&] { t.at(4); }, "at"}, // missing
        {[&] { t.erase_at(2); }, "erase_at"},
        {[&] { t.erase_at(9); }, "erase_at"},
        {[&] { t.add_at(0, 5); }, "add_at"},                        // in use
        {[&] { t.add_at(slotvec<int>::S_In_Use, 1); }, "add_at"}}; // no slot can have it
    for (const auto& [fn, name] : cases) {
        const auto thrown = N_Test::G_Fn_Thrown(fn);
        EXPECT_EQ(thrown.m_Function, ns + name);
        EXPECT_EQ(thrown.m_File, "Common_Container_slotvec.h");
    }
    EXPECT_EQ(ro.at(0), 0);
    EXPECT_EQ(t.size(), 4u);
    EXPECT_EQ(fill_free(t), (std::vector<std::uint32_t>{2, 1}));
    slotvec<std::string> s;
    s.add("old");
    EXPECT_THROW(s.add_at(0, "new"), C_Exception);
    EXPECT_EQ(s.at(0), "old");
}
