#include "common/Common_Graphic_OpenGL_Arrow.h"

#include <GL/gl.h>

namespace N_Common::N_Graphic::N_OpenGL {

void G_Fn_Draw_Axis_Arrow()
{
    glBegin(GL_LINES);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glVertex3f(50.0f, 0.0f, 0.0f);
    glEnd();
    static const float s_Corner[4][2] = {{3.0f, 3.0f}, {-3.0f, 3.0f}, {-3.0f, -3.0f}, {3.0f, -3.0f}};
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < 4; ++i) {
        const float* a = s_Corner[i];
        const float* b = s_Corner[(i + 1) % 4];
        glVertex3f(50.0f, 0.0f, 0.0f);
        glVertex3f(35.0f, a[0], a[1]);
        glVertex3f(35.0f, b[0], b[1]);
    }
    glEnd();
}

} // namespace N_Common::N_Graphic::N_OpenGL
