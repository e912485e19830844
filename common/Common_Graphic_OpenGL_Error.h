// OpenGL and GLU errors into the application log. The views call G_Fn_Check_Error after creating
// their rendering context, after resizing and after drawing; the GLU NURBS evaluator registers
// G_Fn_Log_NURBS_Error as its error callback. Both write nothing when there is no application
// object (tests, start-up before the log exists).
#pragma once

#include <GL/gl.h>

namespace N_Common::N_Graphic::N_OpenGL {

// Reads one pending OpenGL error (glGetError) of the current context; when there is one, logs
// "GL Error: " followed by its GLU error string. Further pending errors wait for the next call.
void G_Fn_Check_Error();

// The GLU NURBS error callback: for a non-zero code logs "GLu NURBS Error: " followed by the GLU
// error string of the code; a zero code logs nothing.
void G_Fn_Log_NURBS_Error(GLenum i_Code);

} // namespace N_Common::N_Graphic::N_OpenGL
