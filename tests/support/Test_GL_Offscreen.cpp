#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

#include <algorithm>
#include <map>
#include <utility>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// Mesa's off-screen driver keeps a few small records of its own to the end of the process without
// a pointer that the leak checker can see; they are the driver's, not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
#endif

namespace {

OSMesaContext G_Fn_Context()
{
    static const OSMesaContext s_Context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    return s_Context;
}

bool G_Fn_Current(unsigned char* i_p_Buffer, int i_Width, int i_Height)
{
    const OSMesaContext context = G_Fn_Context();
    if (!context || !OSMesaMakeCurrent(context, i_p_Buffer, GL_UNSIGNED_BYTE, i_Width, i_Height))
        return false;
    glViewport(0, 0, i_Width, i_Height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    while (glGetError() != GL_NO_ERROR) {
    }
    return true;
}

} // namespace

bool G_Fn_GL_Offscreen()
{
    static std::vector<unsigned char> s_Buffer(S_GL_Size * S_GL_Size * 4);
    return G_Fn_Current(s_Buffer.data(), S_GL_Size, S_GL_Size);
}

bool G_Fn_GL_Offscreen_Size(int i_Width, int i_Height)
{
    static std::map<std::pair<int, int>, std::vector<unsigned char>> s_Buffers;
    std::vector<unsigned char>& buffer = s_Buffers[{i_Width, i_Height}];
    buffer.resize(std::size_t(i_Width) * std::size_t(i_Height) * 4);
    return G_Fn_Current(buffer.data(), i_Width, i_Height);
}

int G_Fn_GL_Span(int i_Width, int i_Height, const std::function<bool(int, int, int)>& ro_Fn_Lit)
{
    glFinish();
    std::vector<unsigned char> rgba(std::size_t(i_Width) * std::size_t(i_Height) * 4);
    glReadPixels(0, 0, i_Width, i_Height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    int x0 = i_Width, y0 = i_Height, x1 = -1, y1 = -1;
    for (int y = 0; y < i_Height; ++y)
        for (int x = 0; x < i_Width; ++x) {
            const unsigned char* p = &rgba[(std::size_t(y) * std::size_t(i_Width) + std::size_t(x)) * 4];
            if (ro_Fn_Lit(p[0], p[1], p[2])) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    return x1 < 0 ? 0 : std::max(x1 - x0, y1 - y0) + 1;
}
