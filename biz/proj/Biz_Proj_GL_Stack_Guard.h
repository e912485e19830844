// Brings the OpenGL matrix and attribute stacks back to the depths they had when the guard was
// made, however the scope ends: the drawing and the picks of the project view push freely, and an
// exception half-way leaves no pushed matrix, no pushed attribute and no projection of a pick
// behind. The matrix mode ends as the modelview. Context current for the guard's whole life.
#pragma once

#include <GL/gl.h>

namespace N_Biz::N_Proj {

class C_GL_Stack_Guard {
public:
    C_GL_Stack_Guard()
    {
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &m_Depth_Modelview);
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &m_Depth_Projection);
        glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &m_Depth_Attrib);
    }
    C_GL_Stack_Guard(const C_GL_Stack_Guard&) = delete;
    C_GL_Stack_Guard& operator=(const C_GL_Stack_Guard&) = delete;
    ~C_GL_Stack_Guard()
    {
        S_Fn_Pop_To(GL_PROJECTION, GL_PROJECTION_STACK_DEPTH, m_Depth_Projection);
        S_Fn_Pop_To(GL_MODELVIEW, GL_MODELVIEW_STACK_DEPTH, m_Depth_Modelview);
        GLint depth = 0;
        glGetIntegerv(GL_ATTRIB_STACK_DEPTH, &depth);
        for (; depth > m_Depth_Attrib; --depth)
            glPopAttrib();
        glMatrixMode(GL_MODELVIEW);
    }

private:
    static void S_Fn_Pop_To(GLenum i_Mode, GLenum i_Query, GLint i_Depth)
    {
        GLint depth = 0;
        glGetIntegerv(i_Query, &depth);
        if (depth <= i_Depth)
            return;
        glMatrixMode(i_Mode);
        for (; depth > i_Depth; --depth)
            glPopMatrix();
    }

    GLint m_Depth_Modelview = 1;
    GLint m_Depth_Projection = 1;
    GLint m_Depth_Attrib = 0;
};

} // namespace N_Biz::N_Proj
