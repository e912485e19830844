// The arrow of the axis triads of the project view and the section view.
#pragma once

namespace N_Common::N_Graphic::N_OpenGL {

// One arrow along +x in the current colour: a line from (0, 0, 0) to (50, 0, 0) and an open
// four-sided pyramid from the tip (50, 0, 0) to the square x = 35, y and z = +-3, its four
// triangles in the order of the corners (35, 3, 3), (35, -3, 3), (35, -3, -3), (35, 3, -3). Seen
// along z it is the filled triangle (50, 0), (35, 3), (35, -3).
void G_Fn_Draw_Axis_Arrow();

} // namespace N_Common::N_Graphic::N_OpenGL
