#include "biz/sel/Biz_Sel_Mgr.h"
#include "common/Common_Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using N_Common::N_Exception::C_Exception;

namespace {

// A row with a flag word whose bit 2 belongs to the row's own class.
struct C_Test_Row {
    std::uint32_t m_Flag = 0;
    std::uint32_t& M_Fn_Sel_Flag() { return m_Flag; }
};

// Owner of rows named by shared pointers: no resolver, *handle gives the row.
struct C_Test_Owner_Ptr {
    int m_Notified = 0;
    std::function<void()> m_On_Notify;
    void M_Fn_Sel_Notify()
    {
        ++m_Notified;
        if (m_On_Notify)
            m_On_Notify();
    }
};

// Owner of rows stored by value and named by index, as points and mesh nodes are.
struct C_Test_Owner_Index {
    std::vector<C_Test_Row> m_Rows = std::vector<C_Test_Row>(5);
    int m_Notified = 0;
    void M_Fn_Sel_Notify() { ++m_Notified; }
    C_Test_Row& M_Fn_Sel_Row(const std::uint32_t& i_Index) { return m_Rows.at(i_Index); }
};

using T_Ptr = std::shared_ptr<C_Test_Row>;
using T_Sel_Ptr = N_Biz::N_Sel::C_Mgr<C_Test_Row, T_Ptr, C_Test_Owner_Ptr>;
using T_Sel_Index = N_Biz::N_Sel::C_Mgr<C_Test_Row, std::uint32_t, C_Test_Owner_Index>;

// Three rows a, b, c; P1 = {b, c} made by an Or, then P0 = {a, b}; counter reset.
struct C_Abc {
    C_Test_Owner_Ptr owner;
    T_Sel_Ptr sel{&owner};
    T_Ptr a = std::make_shared<C_Test_Row>(), b = std::make_shared<C_Test_Row>(), c = std::make_shared<C_Test_Row>();

    C_Abc()
    {
        sel.M_Fn_Sel_P0_Add(b);
        sel.M_Fn_Sel_P0_Add(c);
        sel.M_Fn_Sel_P1_Update_Or();
        sel.M_Fn_Sel_P0_Clear();
        sel.M_Fn_Sel_P0_Add(a);
        sel.M_Fn_Sel_P0_Add(b);
        owner.m_Notified = 0;
    }
    // P1 as the row names a, b, c.
    std::string P1() const
    {
        std::string out;
        for (const auto& h : sel.M_Fn_Sel_P1_Get())
            out += h == a ? 'a' : h == b ? 'b' : h == c ? 'c' : '?';
        return out;
    }
    std::vector<std::uint32_t> flags() const { return {a->m_Flag, b->m_Flag, c->m_Flag}; }
};

} // namespace

TEST(C_Mgr, SelUpdateRulesYesOrXorAndTheirNotifications)
{
    const struct {
        void (T_Sel_Ptr::*m_Rule)();
        const char* m_P1;
        int m_Notified;
        std::vector<std::uint32_t> m_Flags; // of a, b, c: bit 0 picked, bit 1 selected
    } cases[] = {
        {&T_Sel_Ptr::M_Fn_Sel_P1_Update_Or, "bca", 1, {3, 3, 2}},  // unselected picks appended
        {&T_Sel_Ptr::M_Fn_Sel_P1_Update_Xor, "ca", 1, {3, 1, 2}},  // each pick toggled
        {&T_Sel_Ptr::M_Fn_Sel_P1_Update_Yes, "ab", 2, {3, 3, 0}},  // the clear of a non-empty P1, then the update
    };
    for (const auto& c : cases) {
        C_Abc t;
        (t.sel.*c.m_Rule)();
        EXPECT_EQ(t.P1(), c.m_P1);
        EXPECT_EQ(t.owner.m_Notified, c.m_Notified) << c.m_P1;
        EXPECT_EQ(t.flags(), c.m_Flags) << c.m_P1;
        EXPECT_EQ(t.sel.M_Fn_Sel_P0_Get().size(), 2u); // the update rules never clear P0
    }
    // The updates always notify, even with nothing picked; a clear of an empty P1 does not.
    C_Test_Owner_Ptr owner;
    T_Sel_Ptr sel(&owner);
    sel.M_Fn_Sel_P1_Clear();
    EXPECT_EQ(owner.m_Notified, 0);
    sel.M_Fn_Sel_P1_Update_Or();
    sel.M_Fn_Sel_P1_Update_Xor();
    sel.M_Fn_Sel_P1_Update_Yes(); // P1 empty: only the final notification
    EXPECT_EQ(owner.m_Notified, 3);
    EXPECT_TRUE(sel.M_Fn_Sel_P1_Get().empty());
}

TEST(C_Mgr, SelPickingTwiceKeepsOneEntryAndClearsResetTheirBitOnly)
{
    C_Test_Owner_Ptr owner;
    T_Sel_Ptr sel(&owner);
    auto r = std::make_shared<C_Test_Row>();
    r->m_Flag = 0x4; // a bit of the row's own class
    sel.M_Fn_Sel_P0_Add(r);
    sel.M_Fn_Sel_P0_Add(r);
    EXPECT_EQ(sel.M_Fn_Sel_P0_Get().size(), 1u);
    EXPECT_EQ(r->m_Flag, 0x5u);
    sel.M_Fn_Sel_P0_Clear();
    EXPECT_TRUE(sel.M_Fn_Sel_P0_Get().empty());
    EXPECT_EQ(r->m_Flag, 0x4u);
    EXPECT_EQ(owner.m_Notified, 0);

    C_Abc t;
    t.sel.M_Fn_Sel_P1_Clear();
    EXPECT_TRUE(t.sel.M_Fn_Sel_P1_Get().empty());
    EXPECT_EQ(t.owner.m_Notified, 1);
    EXPECT_EQ(t.flags(), (std::vector<std::uint32_t>{1, 1, 0}));
}

TEST(C_Mgr, SelCheckInThrowsForAPickedOrSelectedRow)
{
    C_Test_Owner_Ptr owner;
    T_Sel_Ptr sel(&owner);
    C_Test_Row clean, picked, selected;
    clean.m_Flag = 0x4;
    EXPECT_NO_THROW(sel.M_Fn_Sel_Check_in(clean));
    picked.m_Flag = 0x1;
    selected.m_Flag = 0x2;
    EXPECT_THROW(sel.M_Fn_Sel_Check_in(picked), C_Exception);
    EXPECT_THROW(sel.M_Fn_Sel_Check_in(selected), C_Exception);
}

TEST(C_Mgr, SelCheckOutNotifiesOnlyForTheHeadOfP1WhileItIsStillListed)
{
    C_Abc t; // P1 = {b, c}, P0 = {a, b}
    std::size_t size_seen = 0;
    std::uint32_t flag_seen = 0xFF;
    t.owner.m_On_Notify = [&] {
        size_seen = t.sel.M_Fn_Sel_P1_Get().size();
        flag_seen = t.b->m_Flag;
    };
    t.sel.M_Fn_Sel_Check_out(*t.b);
    EXPECT_EQ(t.owner.m_Notified, 1);
    EXPECT_EQ(size_seen, 2u);      // still listed
    EXPECT_EQ(flag_seen & 2u, 0u); // bit 1 already cleared
    EXPECT_EQ(t.P1(), "c");
    EXPECT_EQ(t.sel.M_Fn_Sel_P0_Get().size(), 1u); // its P0 entry went too, without notification
    EXPECT_EQ(t.b->m_Flag, 0u);

    C_Abc u;
    u.sel.M_Fn_Sel_Check_out(*u.c); // further back in P1
    u.sel.M_Fn_Sel_Check_out(*u.a); // only picked
    EXPECT_EQ(u.owner.m_Notified, 0);
    EXPECT_EQ(u.P1(), "b");
    ASSERT_EQ(u.sel.M_Fn_Sel_P0_Get().size(), 1u);
    EXPECT_EQ(u.sel.M_Fn_Sel_P0_Get().front(), u.b);
    EXPECT_EQ(u.flags(), (std::vector<std::uint32_t>{0, 3, 0}));
    // Notify_If_Sole notifies only for the only selected row: now b.
    u.sel.M_Fn_Sel_P1_Notify_If_Sole(*u.a); // not selected
    EXPECT_EQ(u.owner.m_Notified, 0);
    u.sel.M_Fn_Sel_P1_Notify_If_Sole(*u.b);
    EXPECT_EQ(u.owner.m_Notified, 1);
    C_Abc v; // P1 = {b, c}: b is not alone
    v.sel.M_Fn_Sel_P1_Notify_If_Sole(*v.b);
    EXPECT_EQ(v.owner.m_Notified, 0);
}

TEST(C_Mgr, SelValueHandlesAreResolvedThroughTheOwner)
{
    C_Test_Owner_Index owner;
    T_Sel_Index sel(&owner);
    sel.M_Fn_Sel_P0_Add(2);
    sel.M_Fn_Sel_P0_Add(3);
    sel.M_Fn_Sel_P0_Add(2);
    sel.M_Fn_Sel_P1_Update_Or();
    EXPECT_EQ(sel.M_Fn_Sel_P1_Get(), (std::list<std::uint32_t>{2, 3}));
    EXPECT_EQ(owner.m_Rows[2].m_Flag, 3u);
    sel.M_Fn_Sel_P0_Clear();
    sel.M_Fn_Sel_P0_Add(3);
    sel.M_Fn_Sel_P0_Add(4);
    sel.M_Fn_Sel_P1_Update_Xor();
    EXPECT_EQ(sel.M_Fn_Sel_P1_Get(), (std::list<std::uint32_t>{2, 4}));
    EXPECT_EQ(owner.m_Rows[3].m_Flag, 1u);
    sel.M_Fn_Sel_Check_out(owner.m_Rows[2]); // heads P1
    EXPECT_EQ(sel.M_Fn_Sel_P1_Get(), (std::list<std::uint32_t>{4}));
    EXPECT_EQ(owner.m_Notified, 3);
}
