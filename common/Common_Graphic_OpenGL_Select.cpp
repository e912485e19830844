#include "common/Common_Graphic_OpenGL_Select.h"

#include "common/Common_Exception.h"

namespace N_Common::N_Graphic::N_OpenGL {

namespace {

// Zero-initialised static storage: present from program start to exit, never reallocated, so
// OpenGL may keep the pointer between passes.
GLuint s_Buffer[C_Select::S_Capacity];

std::int32_t s_Started = 0;
std::uint32_t s_Usage = 0;
std::uint32_t s_Record_Size = 0;

// Three header words of a hit record: name count, minimum depth, maximum depth.
constexpr std::uint32_t k_Record_Header = 12;
constexpr std::uint32_t k_Name = 4;

} // namespace

void C_Select::M_Fn_Start()
{
    if (s_Started)
        VT_THROW("N_Common::N_Graphic::N_OpenGL::C_Select::M_Fn_Start");
    s_Started = 1;
    s_Usage = 0;
    glSelectBuffer(static_cast<GLsizei>(S_Capacity), s_Buffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    s_Record_Size = k_Record_Header;
    glPushName(0);
    s_Record_Size += k_Name;
}

void C_Select::M_Fn_Finish(const C_Fn_Hit& ro_Fn_Hit)
{
    if (!s_Started)
        VT_THROW("N_Common::N_Graphic::N_OpenGL::C_Select::M_Fn_Finish");
    glPopName();
    s_Record_Size -= k_Name;
    const GLint hits = glRenderMode(GL_RENDER);
    // OpenGL is back in render mode whatever the callback does.
    s_Started = 0;
    const GLuint* p = s_Buffer;
    const GLuint* const end = s_Buffer + S_Capacity;
    for (GLint i = 0; i < hits; ++i) {
        // OpenGL writes whole records only; the bound keeps a wrong count from walking off the
        // buffer all the same.
        if (end - p < 3)
            break;
        const GLuint count = p[0];
        if (static_cast<std::uint64_t>(end - p - 3) < count)
            break;
        ro_Fn_Hit(p[1], p[2], count, p + 3);
        p += 3 + count;
    }
}

void C_Select::M_Fn_Check_Capacity(const C_Fn_Hit& ro_Fn_Hit)
{
    if (!s_Started)
        VT_THROW("N_Common::N_Graphic::N_OpenGL::C_Select::M_Fn_Check_Capacity");
    if (static_cast<std::uint64_t>(s_Usage) + s_Record_Size > S_Capacity) {
        M_Fn_Finish(ro_Fn_Hit);
        M_Fn_Start();
    } else {
        s_Usage += s_Record_Size;
    }
}

bool C_Select::S_Fn_If_Started() { return s_Started != 0; }
std::uint32_t C_Select::S_Fn_Get_Usage() { return s_Usage; }
std::uint32_t C_Select::S_Fn_Get_Record_Size() { return s_Record_Size; }
GLuint* C_Select::S_Fn_Get_Buffer() { return s_Buffer; }

} // namespace N_Common::N_Graphic::N_OpenGL
