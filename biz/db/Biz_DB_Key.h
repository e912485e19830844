// Row keys: the value of a column that points at another row of the model database (a property's
// material, an element's property, a part's section).
//
// Design note. A key is one pointer wide and names its row without owning it, so rows never keep
// each other alive and a key notices when its row is gone. The pointer goes to a block whose first
// 32-bit word tells the form:
//   - null: the empty key;
//   - the count block of the row's lesser_shared_ptr (first word = the weak count, above 0): a
//     reference; the key holds one weak count on the block;
//   - an id block {-256, id} owned by the key: a bare id, used while the target is not known yet
//     (after reading a project file or an import deck) until the owner turns it into a reference.
// Any other first word is a broken key and throws. Resolving a reference always goes through the
// counted pointer's weak-to-strong lock, and the strong reference is dropped at once.
//
// The target class (Row) must offer M_Fn_Id_Get() (the row's own id, the first fixed member) and
// M_Fn_Pos_Get() (its slot in the card manager's table); the members that use them are instantiated
// only where the row classes are complete.
#pragma once

#include "biz/db/Biz_DB_Row_Block_Pool.h"
#include "common/Common_Exception.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <new>
#include <utility>

namespace N_Biz::N_DB {

class C_Row_Common;
class C_Row_C_Material;
class C_Row_C_Property;

namespace N_Impl {

// Forms reported by M_Fn_Type_Get_E_Type.
enum E_Type_Key : int {
    E_Type_Key_Ref = 1, // empty or reference
    E_Type_Key_Id = 2,  // bare id
};

// First word of an id block, and what every id-less read reports.
inline constexpr std::int32_t G_Key_Tag_Id = -256;

template <class I, class Row>
class C_Key {
public:
    using T_Block_Ref = N_Common::N_Pointer::lesser_count_block<Row>;

    // The empty key.
    C_Key() noexcept = default;

    // An id-form key holding i_Id. Throws C_Exception when the block cannot be allocated.
    explicit C_Key(I i_Id) : m_p_Block(S_Fn_Block_Id_New(i_Id)) {}

    // A reference to the row of i_p_Block (null gives the empty key); takes one weak count. The
    // caller must hold a reference on the block during the call.
    explicit C_Key(T_Block_Ref* i_p_Block) noexcept : m_p_Block(i_p_Block)
    {
        if (i_p_Block)
            i_p_Block->add_weak_ref();
    }

    // A reference to the row that ro_Owner owns (empty owner: the empty key).
    explicit C_Key(const N_Common::N_Pointer::lesser_shared_ptr<Row>& ro_Owner) noexcept : C_Key(ro_Owner.block()) {}

    // Empty and reference keys share the block (one more weak count); an id key gets its own id
    // block with the same id.
    C_Key(const C_Key& ro_Other) : m_p_Block(nullptr)
    {
        switch (ro_Other.M_Fn_Form()) {
        case E_Form_Empty: break;
        case E_Form_Ref:
            m_p_Block = ro_Other.m_p_Block;
            static_cast<T_Block_Ref*>(m_p_Block)->add_weak_ref();
            break;
        case E_Form_Id: m_p_Block = S_Fn_Block_Id_New(static_cast<const C_Block_Id*>(ro_Other.m_p_Block)->m_Id); break;
        }
    }

    C_Key(C_Key&& ro_Other) noexcept : m_p_Block(std::exchange(ro_Other.m_p_Block, nullptr)) {}

    // Copy into a temporary, swap, destroy the temporary; self-assignment changes nothing.
    C_Key& operator=(const C_Key& ro_Other)
    {
        if (this != &ro_Other) {
            C_Key temp(ro_Other);
            swap(temp);
        }
        return *this;
    }

    C_Key& operator=(C_Key&& ro_Other) noexcept
    {
        if (this != &ro_Other) {
            C_Key temp(std::move(ro_Other));
            swap(temp);
        }
        return *this;
    }

    ~C_Key() { M_Fn_Release(); }

    void swap(C_Key& ro_Other) noexcept { std::swap(m_p_Block, ro_Other.m_p_Block); }

    // 1 for the empty key and a reference, 2 for an id key. Throws for a broken block.
    int M_Fn_Type_Get_E_Type() const { return M_Fn_Form() == E_Form_Id ? E_Type_Key_Id : E_Type_Key_Ref; }

    bool M_Fn_Is_Empty() const noexcept { return m_p_Block == nullptr; }

    // The referenced live row's own id, the stored id of an id key; -256 for the empty key and a
    // row that is gone.
    I M_Fn_Get_o_T_Key_Any() const
    {
        switch (M_Fn_Form()) {
        case E_Form_Id: return static_cast<const C_Block_Id*>(m_p_Block)->m_Id;
        case E_Form_Ref: {
            const auto row = M_Fn_Lock();
            return row ? static_cast<I>(row->M_Fn_Id_Get()) : static_cast<I>(G_Key_Tag_Id);
        }
        case E_Form_Empty: break;
        }
        return static_cast<I>(G_Key_Tag_Id);
    }

    // The referenced live row's position word (its slot in the card manager's table); -256 for an
    // id key, the empty key and a row that is gone. This is the key's binary form.
    I M_Fn_Get_o_T_Pos_Any() const
    {
        if (M_Fn_Form() == E_Form_Ref) {
            const auto row = M_Fn_Lock();
            if (row)
                return static_cast<I>(row->M_Fn_Pos_Get());
        }
        return static_cast<I>(G_Key_Tag_Id);
    }

    // {position, row} for a live reference, {id, null} for an id key, {-256, null} otherwise.
    std::pair<I, const Row*> M_Fn_Get_pair_For_Compare() const
    {
        switch (M_Fn_Form()) {
        case E_Form_Id: return {static_cast<const C_Block_Id*>(m_p_Block)->m_Id, nullptr};
        case E_Form_Ref: {
            const auto row = M_Fn_Lock();
            if (row)
                return {static_cast<I>(row->M_Fn_Pos_Get()), row.get()};
            break;
        }
        case E_Form_Empty: break;
        }
        return {static_cast<I>(G_Key_Tag_Id), nullptr};
    }

    // An owning pointer to the referenced row while it lives; empty for the other forms.
    N_Common::N_Pointer::lesser_shared_ptr<Row> M_Fn_Lock() const
    {
        if (M_Fn_Form() != E_Form_Ref)
            return {};
        return N_Common::N_Pointer::lesser_shared_ptr<Row>::from_weak(static_cast<T_Block_Ref*>(m_p_Block));
    }

    // The count block of a reference, else null.
    T_Block_Ref* M_Fn_Block_Ref_Get() const
    {
        return M_Fn_Form() == E_Form_Ref ? static_cast<T_Block_Ref*>(m_p_Block) : nullptr;
    }

    // Ordering of the value table: compare pairs, first members as signed integers, then row
    // addresses.
    friend bool operator<(const C_Key& ro_A, const C_Key& ro_B)
    {
        const auto a = ro_A.M_Fn_Get_pair_For_Compare();
        const auto b = ro_B.M_Fn_Get_pair_For_Compare();
        if (a.first != b.first)
            return a.first < b.first;
        return std::less<const Row*>()(a.second, b.second);
    }
    friend bool operator==(const C_Key& ro_A, const C_Key& ro_B)
    {
        return ro_A.M_Fn_Get_pair_For_Compare() == ro_B.M_Fn_Get_pair_For_Compare();
    }

private:
    // Both block kinds begin with a 32-bit word read atomically, because a reference block's first
    // word is the weak count that other threads change.
    struct C_Block_Id {
        std::atomic<std::int32_t> m_Tag{G_Key_Tag_Id};
        I m_Id;
        explicit C_Block_Id(I i_Id) : m_Id(i_Id) {}
    };
    static constexpr std::size_t S_Block_Id_Words = (sizeof(C_Block_Id) + 7) / 8;
    static_assert(alignof(C_Block_Id) <= alignof(std::uint64_t));
    enum E_Form { E_Form_Empty, E_Form_Ref, E_Form_Id };

    static C_Block_Id* S_Fn_Block_Id_New(I i_Id)
    {
        // A file read or an import makes an id key per element: its block comes from the rows'
        // block pool, not from a heap allocation of its own.
        std::uint64_t* words = G_Fn_Row_Block_Alloc(S_Block_Id_Words);
        if (!words)
            VT_THROW("N_Biz::N_DB::N_Impl::C_Key::C_Key");
        return ::new (static_cast<void*>(words)) C_Block_Id(i_Id);
    }

    E_Form M_Fn_Form() const
    {
        if (!m_p_Block)
            return E_Form_Empty;
        const std::int32_t first = static_cast<const std::atomic<std::int32_t>*>(m_p_Block)->load();
        if (first > 0)
            return E_Form_Ref;
        if (first == G_Key_Tag_Id)
            return E_Form_Id;
        VT_THROW("N_Biz::N_DB::N_Impl::C_Key::M_Fn_Type_Get_E_Type");
    }

    void M_Fn_Release() noexcept
    {
        if (!m_p_Block)
            return;
        const std::int32_t first = static_cast<const std::atomic<std::int32_t>*>(m_p_Block)->load();
        if (first == G_Key_Tag_Id) {
            static_cast<C_Block_Id*>(m_p_Block)->~C_Block_Id();
            G_Fn_Row_Block_Free(static_cast<std::uint64_t*>(m_p_Block));
        }
        else if (first > 0)
            T_Block_Ref::release_weak_ref(static_cast<T_Block_Ref*>(m_p_Block));
        // A broken block is left alone: freeing memory of unknown kind would be worse.
        m_p_Block = nullptr;
    }

    void* m_p_Block = nullptr;
};

} // namespace N_Impl

using C_Key_Common = N_Impl::C_Key<int, C_Row_Common>;
using C_Key_C_Material = N_Impl::C_Key<int, C_Row_C_Material>;
using C_Key_C_Property = N_Impl::C_Key<int, C_Row_C_Property>;

// Copy-and-swap assignment of a key, as the value table's copy operation uses it.
template <class I, class Row>
void Fn_Obj_Key_Assign(N_Impl::C_Key<I, Row>& ro_Target, const N_Impl::C_Key<I, Row>& ro_Source)
{
    ro_Target = ro_Source;
}

} // namespace N_Biz::N_DB
