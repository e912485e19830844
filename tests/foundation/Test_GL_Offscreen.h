// The one off-screen OSMesa rendering context of the foundation tests (GL errors, picking, curves),
// made on first use and kept to the end of the program: OSMesa keeps per-buffer records that it
// never frees when a context is destroyed, so one per test would only pile them up. The test program links OSMesa ahead of libGL, so the gl* entry points
// that this code and GLU call reach this context.
#pragma once

#include <GL/osmesa.h>

#include <vector>

namespace N_Test {

inline constexpr int S_GL_Size = 64;

// Makes the context current with a viewport of the whole S_GL_Size x S_GL_Size buffer, identity
// matrices and no pending GL error. False when OSMesa cannot give a context.
inline bool G_Fn_GL_Offscreen()
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

} // namespace N_Test
