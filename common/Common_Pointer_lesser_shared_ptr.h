// Counted row pointer: a reference-counted owning pointer one machine word wide, for the rows of the
// model database and the row lists of a model.
//
// Design note. Rows are many and small, so the pointer is a single pointer to a separately
// allocated count block {weak, use, object}. Row keys name a row without owning it: they hold the
// same count block as a weak reference and turn it into an owning pointer only while the row still
// lives (from_weak). The pointed-to class must have a virtual destructor: the object is always
// deleted through a T*.
//
// Counts. use = number of owning pointers; the object lives while use >= 1, and once use has
// fallen to 0 it never rises again. weak = number of weak holders, plus one for all owners
// together while any owner exists; the block is freed when weak falls to 0. Both counts change
// only by atomic read-modify-write operations (sequentially consistent), so owners and weak holders
// may live on different threads; the object itself is not protected.
#pragma once

#include <atomic>
#include <cstdint>
#include <new>
#include <utility>

namespace N_Common::N_Pointer {

// The count block shared by the owning pointers and the weak holders of one object. Fields are in
// this order: weak count, use count, object. Row keys read the weak count as the first word of the
// block to tell a reference from an id block, so it stays first.
template <class T>
struct lesser_count_block {
    std::atomic<std::int32_t> weak{1};
    std::atomic<std::int32_t> use{1};
    T* object = nullptr;

    explicit lesser_count_block(T* i_Object) noexcept : object(i_Object) {}

    // Raises the use count when it is at least 1; returns false (and changes nothing) once the
    // count has reached 0. The compare-and-exchange loop makes this safe against a concurrent
    // last release: an object whose use count already reached 0 is never brought back.
    bool add_ref_lock() noexcept
    {
        std::int32_t seen = use.load();
        while (seen >= 1) {
            if (use.compare_exchange_weak(seen, seen + 1))
                return true;
            // compare_exchange_weak stored the current count in seen; test it again.
        }
        return false;
    }

    // Takes one weak reference. The caller must already hold a reference (owning or weak) on
    // the block, so the block cannot be freed meanwhile.
    void add_weak_ref() noexcept { weak.fetch_add(1); }

    // Drops one weak reference and frees the block when it was the last. i_Block may be null.
    static void release_weak_ref(lesser_count_block* i_Block) noexcept
    {
        if (i_Block && i_Block->weak.fetch_sub(1) - 1 < 1)
            delete i_Block;
    }
};

template <class T>
class lesser_shared_ptr {
public:
    using element_type = T;
    using block_type = lesser_count_block<T>;

    // Empty pointer: no block.
    lesser_shared_ptr() noexcept = default;

    // Takes ownership of i_Object. A null pointer gives an empty pointer (no block). When the
    // block cannot be allocated the object is deleted and std::bad_alloc passes on, so the object
    // never leaks.
    explicit lesser_shared_ptr(T* i_Object) : m_Block(S_Fn_Make_Block(i_Object)) {}

    // Shares the source's block (one more use).
    lesser_shared_ptr(const lesser_shared_ptr& ro_Other) noexcept : m_Block(ro_Other.m_Block)
    {
        if (m_Block)
            m_Block->use.fetch_add(1);
    }

    // Takes the source's block; the source becomes empty. The counts do not change.
    lesser_shared_ptr(lesser_shared_ptr&& ro_Other) noexcept : m_Block(std::exchange(ro_Other.m_Block, nullptr)) {}

    // Assigning a pointer to itself changes nothing. Otherwise the source's block gains one use,
    // this pointer takes it and its old block is released.
    lesser_shared_ptr& operator=(const lesser_shared_ptr& ro_Other) noexcept
    {
        if (this == &ro_Other)
            return *this;
        block_type* old = m_Block;
        m_Block = ro_Other.m_Block;
        if (m_Block)
            m_Block->use.fetch_add(1);
        S_Fn_Release(old);
        return *this;
    }

    lesser_shared_ptr& operator=(lesser_shared_ptr&& ro_Other) noexcept
    {
        if (this == &ro_Other)
            return *this;
        block_type* old = std::exchange(m_Block, std::exchange(ro_Other.m_Block, nullptr));
        S_Fn_Release(old);
        return *this;
    }

    ~lesser_shared_ptr() { S_Fn_Release(m_Block); }

    // Owns i_Object instead of what this pointer held (null makes it empty). Same allocation
    // failure rule as the constructor; on failure this pointer keeps its old value.
    void reset(T* i_Object = nullptr) { *this = lesser_shared_ptr(i_Object); }

    // An owning pointer from a count block that a weak holder keeps: empty when i_Block is null
    // or its object has already been released, else one more use of the block. The caller must
    // hold a weak reference on i_Block for the duration of the call.
    static lesser_shared_ptr from_weak(block_type* i_Block) noexcept
    {
        lesser_shared_ptr result;
        if (i_Block && i_Block->add_ref_lock())
            result.m_Block = i_Block;
        return result;
    }

    // True when there is a block and its object is not null.
    explicit operator bool() const noexcept { return m_Block && m_Block->object; }

    // The owned object, or null.
    T* get() const noexcept { return m_Block ? m_Block->object : nullptr; }
    T* operator->() const noexcept { return get(); }
    T& operator*() const noexcept { return *get(); }

    // The count block (null for an empty pointer); weak holders and row keys take it.
    block_type* block() const noexcept { return m_Block; }

    // Current number of owning pointers (0 when empty). A snapshot, for checks and tests.
    std::int32_t use_count() const noexcept { return m_Block ? m_Block->use.load() : 0; }

    void swap(lesser_shared_ptr& ro_Other) noexcept { std::swap(m_Block, ro_Other.m_Block); }

    friend bool operator==(const lesser_shared_ptr& a, const lesser_shared_ptr& b) noexcept
    {
        return a.m_Block == b.m_Block;
    }

private:
    static block_type* S_Fn_Make_Block(T* i_Object)
    {
        if (!i_Object)
            return nullptr;
        try {
            return new block_type(i_Object);
        } catch (...) {
            delete i_Object;
            throw;
        }
    }

    // Drops one use of i_Block (may be null). The last use deletes the object, then gives up the
    // owners' weak reference, which frees the block when no weak holder is left.
    static void S_Fn_Release(block_type* i_Block) noexcept
    {
        if (!i_Block)
            return;
        if (i_Block->use.fetch_sub(1) - 1 > 0)
            return;
        delete i_Block->object;
        block_type::release_weak_ref(i_Block);
    }

    block_type* m_Block = nullptr;
};

// A weak reference to the count block of a lesser_shared_ptr: it never keeps the object alive,
// but keeps the block, so it can tell whether the object still lives and lock it.
// - construction from a lesser_shared_ptr (or a block that the caller holds a reference on) takes
//   one weak reference; copies take one more each; destruction drops it, and the last reference of
//   any kind frees the block;
// - lock() gives an owning pointer while the object lives, else an empty one (lesser_shared_ptr::
//   from_weak); it is safe against a concurrent last release on another thread;
// - expired() is true when there is no block or its object is gone (a snapshot);
// - block() gives the block for identity comparison.
template <class T>
class lesser_weak_ptr {
public:
    using block_type = lesser_count_block<T>;

    lesser_weak_ptr() noexcept = default;

    explicit lesser_weak_ptr(const lesser_shared_ptr<T>& ro_Owner) noexcept : lesser_weak_ptr(ro_Owner.block()) {}

    // i_Block may be null; otherwise the caller must hold a reference on it during the call.
    explicit lesser_weak_ptr(block_type* i_Block) noexcept : m_Block(i_Block)
    {
        if (m_Block)
            m_Block->add_weak_ref();
    }

    lesser_weak_ptr(const lesser_weak_ptr& ro_Other) noexcept : lesser_weak_ptr(ro_Other.m_Block) {}

    lesser_weak_ptr(lesser_weak_ptr&& ro_Other) noexcept : m_Block(std::exchange(ro_Other.m_Block, nullptr)) {}

    lesser_weak_ptr& operator=(lesser_weak_ptr ro_Other) noexcept
    {
        std::swap(m_Block, ro_Other.m_Block);
        return *this;
    }

    ~lesser_weak_ptr() { block_type::release_weak_ref(m_Block); }

    lesser_shared_ptr<T> lock() const noexcept { return lesser_shared_ptr<T>::from_weak(m_Block); }

    bool expired() const noexcept { return !m_Block || m_Block->use.load() < 1; }

    block_type* block() const noexcept { return m_Block; }

    // Drops the weak reference; the holder becomes empty.
    void reset() noexcept { block_type::release_weak_ref(std::exchange(m_Block, nullptr)); }

    friend bool operator==(const lesser_weak_ptr& a, const lesser_weak_ptr& b) noexcept
    {
        return a.m_Block == b.m_Block;
    }

private:
    block_type* m_Block = nullptr;
};

} // namespace N_Common::N_Pointer
