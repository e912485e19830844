// Two-level selection of one kind of object, embedded in every object manager.
//
// Design note. P0 is the current pick (what the cursor or the last pick designates), P1 the
// selection set (what the next command works on). Pick commands fill P0; one of three rules
// (Yes: replace, Or: add, Xor: toggle) carries P0 into P1. Membership is mirrored in the row's own
// flag word (bit 0 in P0, bit 1 in P1) so that drawing and hit tests can ask a row directly.
// Invariant: bit 0 is set exactly while the row has an entry in P0, bit 1 exactly while it has an
// entry in P1, and a row has at most one entry in each list. Entries are compared by the row they
// name (its address at the time of the operation), so value handles that are resolved afresh each
// time work as well as row pointers.
//
// Requirements on the template arguments:
//   Row     std::uint32_t& M_Fn_Sel_Flag()
//               the row's flag word; the selection touches only bits 0 and 1, the other bits
//               belong to the row's class.
//   Handle  copyable; names one row. Row pointers (std::shared_ptr, lesser_shared_ptr) and small
//               value handles (a point or node index) both qualify.
//   Owner   void M_Fn_Sel_Notify()
//               fires the owner's document signal once (project signal code 6 for cards and
//               section groups, section signal code 3 for the managers of a section).
//           Row& M_Fn_Sel_Row(const Handle&)
//               resolves a handle to its live row; optional when *handle already gives the Row
//               (row pointers), required for value handles.
//           bool M_Fn_Sel_Has_Row(const Handle&)
//               optional: false for a handle that names no row (a free position carried in the
//               handle itself). Such a handle has no flag bits: P0 always takes it, replace and add
//               append it to P1, toggle ignores it, and it is never looked up.
//
// Notifications go only through the owner; the selection keeps no other state.
#pragma once

#include "common/Common_Container_slotvec.h"
#include "common/Common_Exception.h"

#include <cstdint>
#include <list>
#include <string>
#include <typeinfo>

namespace N_Biz::N_Sel {

template <class Row, class Handle, class Owner>
class C_Mgr {
public:
    // Bits of the row's flag word that the selection owns.
    static constexpr std::uint32_t S_Flag_P0 = 0x1;
    static constexpr std::uint32_t S_Flag_P1 = 0x2;

    // i_p_Owner must not be null and must outlive the selection.
    explicit C_Mgr(Owner* i_p_Owner) : m_p_Owner(i_p_Owner) {}

    Owner* M_Fn_Owner_Get() const { return m_p_Owner; }
    // The current pick, in pick order.
    const std::list<Handle>& M_Fn_Sel_P0_Get() const { return m_P0; }
    // The selection set, in the order entries were added.
    const std::list<Handle>& M_Fn_Sel_P1_Get() const { return m_P1; }

    // Called when a row is put into its manager (created, pasted, brought back by undo): a row
    // entering must be neither picked nor selected. Throws C_Exception when bit 0 is set, else when
    // bit 1 is set; otherwise does nothing.
    void M_Fn_Sel_Check_in(Row& io_Row)
    {
        const std::uint32_t flag = io_Row.M_Fn_Sel_Flag();
        if (flag & S_Flag_P0)
            VT_THROW(S_Fn_Name_Check_in());
        if (flag & S_Flag_P1)
            VT_THROW(S_Fn_Name_Check_in());
    }

    // Called when a row leaves its manager. A selected row loses bit 1 and its first P1 entry; the
    // owner is notified (with the entry still listed) only when that entry heads P1, since only
    // then the views that show the first selected object change. A picked row loses bit 0 and its
    // first P0 entry, without notification.
    void M_Fn_Sel_Check_out(Row& io_Row)
    {
        std::uint32_t& flag = io_Row.M_Fn_Sel_Flag();
        if (flag & S_Flag_P1) {
            flag &= ~S_Flag_P1;
            auto it = M_Fn_Find(m_P1, io_Row);
            if (it != m_P1.end()) {
                if (it == m_P1.begin())
                    m_p_Owner->M_Fn_Sel_Notify();
                m_P1.erase(it);
            }
        }
        if (flag & S_Flag_P0) {
            flag &= ~S_Flag_P0;
            auto it = M_Fn_Find(m_P0, io_Row);
            if (it != m_P0.end())
                m_P0.erase(it);
        }
    }

    // Appends the handle to P0 unless its row is already picked. No notification.
    void M_Fn_Sel_P0_Add(const Handle& ro_Handle)
    {
        if (!M_Fn_Has_Row(ro_Handle)) {
            m_P0.push_back(ro_Handle);
            return;
        }
        std::uint32_t& flag = M_Fn_Row(ro_Handle).M_Fn_Sel_Flag();
        if (flag & S_Flag_P0)
            return;
        flag |= S_Flag_P0;
        m_P0.push_back(ro_Handle);
    }

    // Clears bit 0 of every P0 row and empties P0, first entry first. No notification.
    void M_Fn_Sel_P0_Clear()
    {
        while (!m_P0.empty()) {
            if (M_Fn_Has_Row(m_P0.front()))
                M_Fn_Row(m_P0.front()).M_Fn_Sel_Flag() &= ~S_Flag_P0;
            m_P0.pop_front();
        }
    }

    // Nothing when P1 is empty; otherwise clears bit 1 of every P1 row, empties P1 and notifies.
    void M_Fn_Sel_P1_Clear()
    {
        if (m_P1.empty())
            return;
        while (!m_P1.empty()) {
            if (M_Fn_Has_Row(m_P1.front()))
                M_Fn_Row(m_P1.front()).M_Fn_Sel_Flag() &= ~S_Flag_P1;
            m_P1.pop_front();
        }
        m_p_Owner->M_Fn_Sel_Notify();
    }

    // Replace: P1 becomes the pick. Clears P1 (which notifies when it was not empty), adds the P0
    // rows in P0 order, then notifies.
    void M_Fn_Sel_P1_Update_Yes()
    {
        M_Fn_Sel_P1_Clear();
        M_Fn_P1_Add_Picked();
        m_p_Owner->M_Fn_Sel_Notify();
    }

    // Add: every P0 row not yet selected is appended to P1 in P0 order; selected rows keep their
    // place. Always notifies.
    void M_Fn_Sel_P1_Update_Or()
    {
        M_Fn_P1_Add_Picked();
        m_p_Owner->M_Fn_Sel_Notify();
    }

    // Toggle: every P0 row, in P0 order, is appended to P1 when not selected, else deselected with
    // every P1 entry of it removed. Always notifies.
    void M_Fn_Sel_P1_Update_Xor()
    {
        for (const Handle& handle : m_P0) {
            if (!M_Fn_Has_Row(handle))
                continue;
            Row& row = M_Fn_Row(handle);
            std::uint32_t& flag = row.M_Fn_Sel_Flag();
            if (flag & S_Flag_P1) {
                flag &= ~S_Flag_P1;
                m_P1.remove_if(
                    [&](const Handle& ro_Entry) { return M_Fn_Has_Row(ro_Entry) && &M_Fn_Row(ro_Entry) == &row; });
            } else {
                flag |= S_Flag_P1;
                m_P1.push_back(handle);
            }
        }
        m_p_Owner->M_Fn_Sel_Notify();
    }

    // Notifies when P1 holds exactly one entry and the row is selected: after a command edited the
    // only selected object, so that the views showing it refresh.
    void M_Fn_Sel_P1_Notify_If_Sole(Row& ro_Row)
    {
        if (m_P1.size() == 1 && (ro_Row.M_Fn_Sel_Flag() & S_Flag_P1))
            m_p_Owner->M_Fn_Sel_Notify();
    }

private:
    bool M_Fn_Has_Row(const Handle& ro_Handle) const
    {
        if constexpr (requires(Owner& o) { o.M_Fn_Sel_Has_Row(ro_Handle); })
            return m_p_Owner->M_Fn_Sel_Has_Row(ro_Handle);
        else
            return true;
    }

    Row& M_Fn_Row(const Handle& ro_Handle) const
    {
        if constexpr (requires(Owner& o) { o.M_Fn_Sel_Row(ro_Handle); })
            return m_p_Owner->M_Fn_Sel_Row(ro_Handle);
        else
            return *ro_Handle;
    }

    typename std::list<Handle>::iterator M_Fn_Find(std::list<Handle>& io_List, const Row& ro_Row) const
    {
        for (auto it = io_List.begin(); it != io_List.end(); ++it)
            if (M_Fn_Has_Row(*it) && &M_Fn_Row(*it) == &ro_Row)
                return it;
        return io_List.end();
    }

    void M_Fn_P1_Add_Picked()
    {
        for (const Handle& handle : m_P0) {
            if (!M_Fn_Has_Row(handle)) {
                m_P1.push_back(handle);
                continue;
            }
            std::uint32_t& flag = M_Fn_Row(handle).M_Fn_Sel_Flag();
            if (flag & S_Flag_P1)
                continue;
            flag |= S_Flag_P1;
            m_P1.push_back(handle);
        }
    }

    // Qualified name of the check-in (the one member that throws) with the three template
    // arguments; kept for the life of the program because C_Exception stores the pointer.
    static const char* S_Fn_Name_Check_in()
    {
        using N_Common::N_Container::N_Impl::G_Fn_Type_Name;
        static const std::string s_Name = "N_Biz::N_Sel::C_Mgr<" + G_Fn_Type_Name(typeid(Row)) + "," +
                                          G_Fn_Type_Name(typeid(Handle)) + "," + G_Fn_Type_Name(typeid(Owner)) +
                                          ">::M_Fn_Sel_Check_in";
        return s_Name.c_str();
    }

    Owner* m_p_Owner;
    std::list<Handle> m_P0;
    std::list<Handle> m_P1;
};

} // namespace N_Biz::N_Sel
