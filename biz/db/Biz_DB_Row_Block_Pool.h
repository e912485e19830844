// The overflow blocks of rows come from here. A model holds a row per node and per element, and
// most of them have an overflow block of a few words: one heap allocation each made reading or
// importing a large model cost more than everything else done per row, and freeing them left the
// allocator millions of small chunks to sort out on its next large request. The pool hands out
// blocks of up to S_Words_Max words from slabs, one free list per size; a block knows its size (one
// word in front of it). When the last block of a size is given back (the model closed, every row
// of that size gone) the slabs of that size are released. Larger blocks come from the heap.
// Any thread (the import builds rows on its worker).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace N_Biz::N_DB {

// i_Words zeroed words; null when no memory is left.
std::uint64_t* G_Fn_Row_Block_Alloc(std::size_t i_Words) noexcept;
// Gives back a block of G_Fn_Row_Block_Alloc (null: nothing).
void G_Fn_Row_Block_Free(std::uint64_t* i_p_Block) noexcept;

struct C_Row_Block_Free {
    void operator()(std::uint64_t* i_p_Block) const noexcept { G_Fn_Row_Block_Free(i_p_Block); }
};
using T_up_Row_Block = std::unique_ptr<std::uint64_t[], C_Row_Block_Free>;

namespace N_Impl {
// Blocks of i_Words words handed out and not given back, and slabs held (for the tests).
std::size_t G_Fn_Row_Block_Live(std::size_t i_Words);
std::size_t G_Fn_Row_Block_Slabs(std::size_t i_Words);
} // namespace N_Impl

} // namespace N_Biz::N_DB
