// Slot table: a store whose elements are named by small integer indices that never change while the
// element lives.
//
// Design note. Ids of section objects and database cards are slot indices, and undo commands
// remember them across erasures, so an index must keep naming the same slot until that slot is
// erased. Erasing therefore never moves another element; the slot becomes free and goes on top of
// a stack of free slots, and a freed index is handed out again (most recently freed first) before
// the table grows. No operation ever removes a slot.
//
// Layout, four fields:
//   m_Top        position of the top of the free-slot stack, -1 when no slot is free;
//   m_Free       positions 0..m_Top hold the indices of the free slots (entries above m_Top are
//                stale and never read);
//   m_Marker     one per slot: S_In_Use (all bits set) for a slot in use, otherwise the slot's
//                position in the free stack;
//   m_Element    one per slot, by value; a free slot holds a default-constructed T.
// Invariants: the three vectors have the same length (the slot count); for every free slot s,
// m_Free[m_Marker[s]] == s.
//
// The container gives slot 0 no meaning of its own; the owning managers reserve it.
//
// Misuse throws N_Common::N_Exception::C_Exception naming the member with its element type, e.g.
// "N_Common::N_Container::slotvec<std::shared_ptr<N_Biz::N_Model::C_Model> >::erase_at", and leaves
// the table unchanged. Not thread-safe: one thread at a time.
#pragma once

#include "common/Common_Exception.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

namespace N_Common::N_Container {

namespace N_Impl {

// Readable name of a type for exception texts ("int", "std::shared_ptr<C_X>"); the mangled name
// when the run-time library cannot demangle it.
inline std::string G_Fn_Type_Name(const std::type_info& ro_Type)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(ro_Type.name(), nullptr, nullptr, &status),
                                                     std::free);
    return (status == 0 && demangled) ? std::string(demangled.get()) : std::string(ro_Type.name());
}

enum class E_Slotvec_Member { at, at_const, erase_at, add_at, add };

// Qualified member name with the element type. Built once per element type and member and kept for
// the life of the program, because C_Exception stores the pointer, not a copy.
template <class T, E_Slotvec_Member member>
const char* G_Fn_Slotvec_Member_Name()
{
    static const std::string s_Name = [] {
        const char* member_name = "";
        switch (member) {
        case E_Slotvec_Member::at:
        case E_Slotvec_Member::at_const: member_name = "at"; break;
        case E_Slotvec_Member::erase_at: member_name = "erase_at"; break;
        case E_Slotvec_Member::add_at: member_name = "add_at"; break;
        case E_Slotvec_Member::add: member_name = "add"; break;
        }
        return "N_Common::N_Container::slotvec<" + G_Fn_Type_Name(typeid(T)) + " >::" + member_name;
    }();
    return s_Name.c_str();
}

} // namespace N_Impl

template <class T>
class slotvec {
public:
    using value_type = T;

    // Marker of a slot in use. Also the one index that can never name a slot, since the slot count
    // is a uint32.
    static constexpr std::uint32_t S_In_Use = 0xFFFFFFFFu;

    // Empty table: no slot, no free slot.
    slotvec() = default;

    // The element in slot i_Index. Throws when the index is not below size() or the slot is free.
    T& at(std::uint32_t i_Index)
    {
        if (!is_used_at(i_Index))
            VT_THROW((N_Impl::G_Fn_Slotvec_Member_Name<T, N_Impl::E_Slotvec_Member::at>()));
        return m_Element[i_Index];
    }

    // Read-only overload; same checks, reported from its own line.
    const T& at(std::uint32_t i_Index) const
    {
        if (!is_used_at(i_Index))
            VT_THROW((N_Impl::G_Fn_Slotvec_Member_Name<T, N_Impl::E_Slotvec_Member::at_const>()));
        return m_Element[i_Index];
    }

    // Frees slot i_Index: it goes on top of the free stack and its element becomes a default T at
    // once (a held object is released now, not when the slot is reused). Throws when the slot is
    // missing or already free.
    void erase_at(std::uint32_t i_Index)
    {
        if (!is_used_at(i_Index))
            VT_THROW((N_Impl::G_Fn_Slotvec_Member_Name<T, N_Impl::E_Slotvec_Member::erase_at>()));
        // The old element is destroyed only when the table is consistent again, so a destructor
        // that looks at the table sees the slot free.
        [[maybe_unused]] T old = std::exchange(m_Element[i_Index], T());
        // The free stack always has one entry per slot, so position m_Top + 1 exists.
        const std::uint32_t position = static_cast<std::uint32_t>(m_Top + 1);
        m_Top = static_cast<std::int32_t>(position);
        m_Free[position] = i_Index;
        m_Marker[i_Index] = position;
    }

    // Stores i_Value in slot i_Index and returns i_Index.
    // - slot in use: throws, the old element stays;
    // - free slot: it is taken out of the free stack (the slot on top moves into its position);
    // - index past the end: every missing slot below it is appended as a free slot, in ascending
    //   order so that the highest gap ends on top of the stack, then the slot itself in use.
    // Throws as well for i_Index == S_In_Use, which no slot can have.
    std::uint32_t add_at(std::uint32_t i_Index, T i_Value)
    {
        const std::uint32_t count = size();
        if (i_Index < count) {
            if (m_Marker[i_Index] == S_In_Use)
                VT_THROW((N_Impl::G_Fn_Slotvec_Member_Name<T, N_Impl::E_Slotvec_Member::add_at>()));
            m_Element[i_Index] = std::move(i_Value);
            const std::uint32_t position = m_Marker[i_Index];
            const std::uint32_t top_position = static_cast<std::uint32_t>(m_Top);
            if (position != top_position) {
                const std::uint32_t top_slot = m_Free[top_position];
                m_Free[position] = top_slot;
                m_Marker[top_slot] = position;
            }
            --m_Top;
            m_Marker[i_Index] = S_In_Use;
            return i_Index;
        }
        if (i_Index == S_In_Use)
            VT_THROW((N_Impl::G_Fn_Slotvec_Member_Name<T, N_Impl::E_Slotvec_Member::add_at>()));
        // Reserve first so that the appends below cannot fail half-way and break the invariants.
        M_Fn_Reserve_Exact(std::size_t(i_Index) + 1);
        for (std::uint32_t gap = count; gap < i_Index; ++gap) {
            // The stack grows by one entry; the gap goes on top, which need not be the new entry.
            m_Element.emplace_back();
            m_Free.push_back(S_In_Use);
            ++m_Top;
            m_Free[static_cast<std::uint32_t>(m_Top)] = gap;
            m_Marker.push_back(static_cast<std::uint32_t>(m_Top));
        }
        M_Fn_Append_In_Use(std::move(i_Value));
        return i_Index;
    }

    // Stores i_Value in the slot that next_index() names and returns that index: the free slot on
    // top of the stack when there is one, else a new slot at the end.
    std::uint32_t add(T i_Value)
    {
        if (m_Top >= 0) {
            const std::uint32_t index = m_Free[static_cast<std::uint32_t>(m_Top)];
            m_Element[index] = std::move(i_Value);
            --m_Top;
            m_Marker[index] = S_In_Use;
            return index;
        }
        const std::uint32_t index = size();
        if (index == S_In_Use)
            VT_THROW((N_Impl::G_Fn_Slotvec_Member_Name<T, N_Impl::E_Slotvec_Member::add>()));
        M_Fn_Append_In_Use(std::move(i_Value));
        return index;
    }

    // The index add() would use now. Undoable commands learn a new object's id from it before
    // they create the object.
    std::uint32_t next_index() const noexcept
    {
        return m_Top >= 0 ? m_Free[static_cast<std::uint32_t>(m_Top)] : size();
    }

    // True when i_Index is below size() and the slot is in use. Never throws.
    bool is_used_at(std::uint32_t i_Index) const noexcept
    {
        return i_Index < m_Marker.size() && m_Marker[i_Index] == S_In_Use;
    }

    // Slot count: slots in use and free slots, slot 0 included. Never decreases.
    std::uint32_t size() const noexcept { return static_cast<std::uint32_t>(m_Marker.size()); }

    // Every slot's element, free slots included (they hold a default T); walk it together with
    // is_used_at().
    const std::vector<T>& elements() const noexcept { return m_Element; }

    // Number of free slots.
    std::uint32_t free_count() const noexcept { return static_cast<std::uint32_t>(m_Top + 1); }

    // Capacity for i_Count slots in each of the three vectors; no slot is added. For readers that
    // know how many slots are coming.
    void reserve(std::size_t i_Count)
    {
        m_Element.reserve(i_Count);
        m_Free.reserve(i_Count);
        m_Marker.reserve(i_Count);
    }

private:
    void M_Fn_Reserve_Exact(std::size_t i_Count)
    {
        // Grow geometrically so that repeated appends stay amortized constant time.
        if (i_Count > m_Marker.capacity())
            reserve(std::max(i_Count, m_Marker.capacity() * 2));
    }

    void M_Fn_Append_In_Use(T&& i_Value)
    {
        M_Fn_Reserve_Exact(m_Marker.size() + 1);
        m_Element.push_back(std::move(i_Value));
        // The free stack keeps one entry per slot; this one is stale until a slot is freed.
        m_Free.push_back(S_In_Use);
        m_Marker.push_back(S_In_Use);
    }

    std::int32_t m_Top = -1;
    std::vector<std::uint32_t> m_Free;
    std::vector<std::uint32_t> m_Marker;
    std::vector<T> m_Element;
};

} // namespace N_Common::N_Container
