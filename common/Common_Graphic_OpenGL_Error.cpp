#include "common/Common_Graphic_OpenGL_Error.h"

#include "app/App.h"
#include "common/Common_String.h"

#include <GL/glu.h>

#include <string>

namespace N_Common::N_Graphic::N_OpenGL {

namespace {

void G_Fn_Log_Code(const wchar_t* i_Prefix, GLenum i_Code)
{
    C_App* app = C_App::S_Fn_Get();
    if (!app)
        return;
    // gluErrorString gives null for a code it does not know; log the number then.
    const GLubyte* text = gluErrorString(i_Code);
    std::wstring line = i_Prefix;
    if (text)
        line += N_Common::N_String::G_Fn_To_Wide(reinterpret_cast<const char*>(text));
    else
        line += std::to_wstring(i_Code);
    app->M_Fn_Log(line);
}

} // namespace

void G_Fn_Check_Error()
{
    const GLenum code = glGetError();
    if (code != GL_NO_ERROR)
        G_Fn_Log_Code(L"GL Error: ", code);
}

void G_Fn_Log_NURBS_Error(GLenum i_Code)
{
    if (i_Code != 0)
        G_Fn_Log_Code(L"GLu NURBS Error: ", i_Code);
}

} // namespace N_Common::N_Graphic::N_OpenGL
