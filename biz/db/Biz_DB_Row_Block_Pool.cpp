#include "biz/db/Biz_DB_Row_Block_Pool.h"

#include <cstring>
#include <mutex>
#include <new>
#include <vector>

namespace N_Biz::N_DB {

namespace {

constexpr std::size_t S_Words_Max = 16;
constexpr std::size_t S_Blocks_Per_Slab = 4096;

class C_Pool {
public:
    std::uint64_t* M_Fn_Alloc(std::size_t i_Words) noexcept
    {
        const std::lock_guard<std::mutex> lock(m_Mutex);
        C_Size& size = m_Sizes[i_Words];
        std::uint64_t* p = size.m_p_Free;
        if (p) {
            size.m_p_Free = reinterpret_cast<std::uint64_t*>(p[1]);
        } else {
            const std::size_t stride = i_Words + 1;
            if (size.m_Slabs.empty() || size.m_Used == S_Blocks_Per_Slab) {
                try {
                    size.m_Slabs.reserve(size.m_Slabs.size() + 1);
                } catch (...) {
                    return nullptr;
                }
                std::uint64_t* slab = new (std::nothrow) std::uint64_t[stride * S_Blocks_Per_Slab];
                if (!slab)
                    return nullptr;
                size.m_Slabs.emplace_back(slab);
                size.m_Used = 0;
            }
            p = size.m_Slabs.back().get() + stride * size.m_Used++;
            p[0] = i_Words;
        }
        ++size.m_Live;
        return p + 1;
    }
    void M_Fn_Free(std::uint64_t* i_p_Block, std::size_t i_Words) noexcept
    {
        const std::lock_guard<std::mutex> lock(m_Mutex);
        C_Size& size = m_Sizes[i_Words];
        if (--size.m_Live == 0) {
            size.m_p_Free = nullptr;
            size.m_Slabs.clear();
            size.m_Slabs.shrink_to_fit();
            size.m_Used = 0;
            return;
        }
        i_p_Block[0] = reinterpret_cast<std::uint64_t>(size.m_p_Free);
        size.m_p_Free = i_p_Block - 1;
    }
    std::size_t M_Fn_Live(std::size_t i_Words)
    {
        const std::lock_guard<std::mutex> lock(m_Mutex);
        return i_Words <= S_Words_Max ? m_Sizes[i_Words].m_Live : 0;
    }
    std::size_t M_Fn_Slabs(std::size_t i_Words)
    {
        const std::lock_guard<std::mutex> lock(m_Mutex);
        return i_Words <= S_Words_Max ? m_Sizes[i_Words].m_Slabs.size() : 0;
    }

private:
    // A free block keeps its size word; the word after it links the next free block of its size.
    struct C_Size {
        std::uint64_t* m_p_Free = nullptr;
        std::vector<std::unique_ptr<std::uint64_t[]>> m_Slabs;
        std::size_t m_Used = 0; // blocks taken from the last slab
        std::size_t m_Live = 0;
    };
    std::mutex m_Mutex;
    C_Size m_Sizes[S_Words_Max + 1];
};

// Never destroyed: rows held by other objects of static duration may give their blocks back late.
C_Pool& G_Fn_Pool()
{
    static C_Pool* const s_p_Pool = new C_Pool;
    return *s_p_Pool;
}

} // namespace

std::uint64_t* G_Fn_Row_Block_Alloc(std::size_t i_Words) noexcept
{
    std::uint64_t* p = nullptr;
    if (i_Words == 0)
        return nullptr;
    if (i_Words <= S_Words_Max) {
        p = G_Fn_Pool().M_Fn_Alloc(i_Words);
    } else {
        std::uint64_t* block = new (std::nothrow) std::uint64_t[i_Words + 1];
        if (!block)
            return nullptr;
        block[0] = i_Words;
        p = block + 1;
    }
    if (p)
        std::memset(p, 0, i_Words * 8);
    return p;
}

void G_Fn_Row_Block_Free(std::uint64_t* i_p_Block) noexcept
{
    if (!i_p_Block)
        return;
    const std::size_t words = static_cast<std::size_t>(i_p_Block[-1]);
    if (words <= S_Words_Max)
        G_Fn_Pool().M_Fn_Free(i_p_Block, words);
    else
        delete[] (i_p_Block - 1);
}

namespace N_Impl {

std::size_t G_Fn_Row_Block_Live(std::size_t i_Words)
{
    return G_Fn_Pool().M_Fn_Live(i_Words);
}

std::size_t G_Fn_Row_Block_Slabs(std::size_t i_Words)
{
    return G_Fn_Pool().M_Fn_Slabs(i_Words);
}

} // namespace N_Impl

} // namespace N_Biz::N_DB
