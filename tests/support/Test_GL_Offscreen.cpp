#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>
#include <GL/osmesa.h>

#include <vector>

#if defined(__SANITIZE_ADDRESS__)
// Mesa's off-screen driver keeps a few small records of its own to the end of the process without
// a pointer that the leak checker can see; they are the driver's, not ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
#endif

bool G_Fn_GL_Offscreen()
{
    static std::vector<unsigned char> s_Buffer(S_GL_Size * S_GL_Size * 4);
    static const OSMesaContext s_Context = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (!s_Context || !OSMesaMakeCurrent(s_Context, s_Buffer.data(), GL_UNSIGNED_BYTE, S_GL_Size, S_GL_Size))
        return false;
    glViewport(0, 0, S_GL_Size, S_GL_Size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    while (glGetError() != GL_NO_ERROR) {
    }
    return true;
}
