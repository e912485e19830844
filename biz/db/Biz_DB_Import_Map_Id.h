// The map from a deck's node ids to node positions, used while a deck is read.
//
// Design note. A deck of a million nodes fills it a million times and every element looks up three
// or four ids in it. Decks mostly number their nodes densely from 1, so ids up to a bound that
// grows with the number of entries (four slots per entry, and 65536 to start with) are kept in a
// plain array indexed by id (four bytes a slot); the rest, and every absurd id of a hostile deck,
// go to an open-addressing hash table of (id, position) pairs, eight bytes a slot, kept at most
// half full. The hash keeps runs of ids together (the low four bits pick the slot in a block of
// sixteen, the rest, mixed with a seed drawn per table so that no deck can be made to collide on
// purpose, picks the block), so lookups of neighbouring ids hit the same cache lines. Memory stays
// below sixteen bytes per entry in either part.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace N_Biz::N_DB::N_Import {

class C_Map_Id {
public:
    // Position of i_Id, or nullptr when absent.
    const std::uint32_t* M_Fn_Find(std::int32_t i_Id) const
    {
        const std::uint32_t id = static_cast<std::uint32_t>(i_Id);
        if (id < m_Direct.size() && m_Direct[id] != S_Empty)
            return &m_Direct[id];
        // An id below the array's end may have come before the array reached it.
        return m_Count_Hash ? M_Fn_Find_Hash(i_Id) : nullptr;
    }
    // Enters (i_Id, i_Value) unless i_Id is present; true when entered. i_Value must not be
    // 0xFFFFFFFF, which marks an empty slot.
    bool M_Fn_Insert(std::int32_t i_Id, std::uint32_t i_Value)
    {
        if (M_Fn_Find(i_Id))
            return false;
        const std::uint32_t id = static_cast<std::uint32_t>(i_Id);
        const std::uint64_t bound = S_Direct_Start + 4 * std::uint64_t(m_Count + 1);
        if (id >= m_Direct.size() && id < bound)
            // Grown geometrically, within the bound, so that a dense run costs amortised O(1).
            m_Direct.resize(static_cast<std::size_t>(std::min<std::uint64_t>(bound, std::max<std::uint64_t>(id + 1, 2 * m_Direct.size()))),
                            S_Empty);
        ++m_Count;
        if (id < m_Direct.size()) {
            m_Direct[id] = i_Value;
            return true;
        }
        if ((m_Count_Hash + 1) * 2 > m_Slots.size())
            M_Fn_Grow();
        ++m_Count_Hash;
        for (std::size_t i = M_Fn_Hash(i_Id) & m_Mask;; i = (i + 1) & m_Mask)
            if (m_Slots[i].m_Value == S_Empty) {
                m_Slots[i] = {i_Id, i_Value};
                return true;
            }
    }
    std::size_t M_Fn_Size() const { return m_Count; }

private:
    static constexpr std::uint32_t S_Empty = 0xFFFFFFFFu;
    static constexpr std::uint64_t S_Direct_Start = 65536;
    struct C_Slot {
        std::int32_t m_Id;
        std::uint32_t m_Value;
    };

    const std::uint32_t* M_Fn_Find_Hash(std::int32_t i_Id) const
    {
        for (std::size_t i = M_Fn_Hash(i_Id) & m_Mask;; i = (i + 1) & m_Mask) {
            const C_Slot& slot = m_Slots[i];
            if (slot.m_Value == S_Empty)
                return nullptr;
            if (slot.m_Id == i_Id)
                return &slot.m_Value;
        }
    }

    std::size_t M_Fn_Hash(std::int32_t i_Id) const
    {
        const std::uint32_t id = static_cast<std::uint32_t>(i_Id);
        const std::uint64_t block = ((std::uint64_t(id >> 4) ^ m_Seed) * 0x9E3779B97F4A7C15ull) >> 32;
        return static_cast<std::size_t>((block << 4) | (id & 15u));
    }

    void M_Fn_Grow()
    {
        std::vector<C_Slot> old = std::move(m_Slots);
        const std::size_t size = old.empty() ? 1024 : old.size() * 2;
        m_Slots.assign(size, C_Slot{0, S_Empty});
        m_Mask = size - 1;
        for (const C_Slot& slot : old)
            if (slot.m_Value != S_Empty)
                for (std::size_t i = M_Fn_Hash(slot.m_Id) & m_Mask;; i = (i + 1) & m_Mask)
                    if (m_Slots[i].m_Value == S_Empty) {
                        m_Slots[i] = slot;
                        break;
                    }
    }

    std::vector<std::uint32_t> m_Direct; // position by id, for small ids
    std::vector<C_Slot> m_Slots;
    std::uint64_t m_Seed = std::random_device()();
    std::size_t m_Mask = 0;
    std::size_t m_Count = 0;
    std::size_t m_Count_Hash = 0;
};

} // namespace N_Biz::N_DB::N_Import
