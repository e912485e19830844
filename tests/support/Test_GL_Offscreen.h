// One off-screen Mesa context for a whole test program.
#pragma once

#include <functional>

// Width and height of the off-screen buffer in pixels.
constexpr int S_GL_Size = 64;

// Makes the program's one off-screen context current (made on first use and kept to the end:
// OSMesa keeps per-buffer records that it never frees, so one per test would pile them up), with a
// viewport of the whole buffer, identity matrices and no pending GL error. False when no context
// can be made. Programs that use it link OSMesa ahead of libGL, so the gl* entry points of the code
// under test and of GLU reach this context.
bool G_Fn_GL_Offscreen();

// The same context made current on a buffer of i_Width x i_Height pixels (one buffer per size,
// kept to the end), with the same set-up. False when no context can be made.
bool G_Fn_GL_Offscreen_Size(int i_Width, int i_Height);

// The larger side of the box around the pixels of the current buffer's lower left i_Width x i_Height
// pixels that ro_Fn_Lit accepts (red, green and blue from 0 to 255), after the drawing finished;
// 0 when it accepts none.
int G_Fn_GL_Span(int i_Width, int i_Height, const std::function<bool(int, int, int)>& ro_Fn_Lit);
