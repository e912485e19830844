#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

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
