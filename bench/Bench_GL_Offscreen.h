// The benchmark programs' off-screen Mesa context: one context, made current on a buffer of the
// given size (one buffer per size, kept to the end). False without OSMesa or without a context.
#pragma once

#include <GL/gl.h>
#if VT_HAVE_OSMESA
#include <GL/osmesa.h>
#endif

#include <map>
#include <utility>
#include <vector>

inline bool G_Fn_Bench_GL(int i_Width, int i_Height)
{
#if VT_HAVE_OSMESA
    static std::map<std::pair<int, int>, std::vector<unsigned char>> s_Buffers;
    static const OSMesaContext s_Context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    std::vector<unsigned char>& buffer = s_Buffers[{i_Width, i_Height}];
    buffer.resize(std::size_t(i_Width) * std::size_t(i_Height) * 4);
    return s_Context && OSMesaMakeCurrent(s_Context, buffer.data(), GL_UNSIGNED_BYTE, i_Width, i_Height);
#else
    return false;
#endif
}
