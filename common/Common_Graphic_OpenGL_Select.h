// OpenGL selection-mode picking over one large static hit buffer.
//
// Design note. A pick draws every pickable object once in GL_SELECT mode and reads the hit records
// back. One pass is open at a time (the state is static, like the GL selection state it mirrors).
// OpenGL reports a full buffer only by a negative hit count, losing every hit of the pass, so the
// drawing code calls M_Fn_Check_Capacity before each pickable object: when the records produced so
// far might no longer fit, the pass is finished (its hits delivered) and a new one opened, so every
// hit still reaches the callback. The estimate counts the bytes of the records against the
// buffer's ENTRY count, so at most a quarter of the buffer is ever used: the slack covers the names
// a caller pushes without telling this class.
//
// Use from the user-interface thread with its OpenGL context current, between the caller's own
// projection set-up (gluPickMatrix) and drawing.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <functional>

namespace N_Common::N_Graphic::N_OpenGL {

class C_Select {
public:
    // Entries of the selection buffer (4 MiB of GLuint), allocated for the whole run.
    static constexpr std::uint32_t S_Capacity = 1048576;

    // Receives one hit record: minimum and maximum window depth as OpenGL scaled them, the number
    // of names and a pointer to them (valid during the call only).
    using C_Fn_Hit = std::function<void(GLuint i_Depth_Min, GLuint i_Depth_Max, GLuint i_Count_Name,
                                        const GLuint* ip_Names)>;

    // Opens a pass: hands the buffer to OpenGL (glSelectBuffer), enters GL_SELECT, empties the name
    // stack and pushes the name 0 (the slot the caller's glLoadName replaces). Usage restarts at 0,
    // record size is 16 (three header words and one name).
    // Throws C_Exception when a pass is already open; nothing changes then.
    static void M_Fn_Start();

    // Closes the pass: pops the name pushed by M_Fn_Start, returns to GL_RENDER and calls
    // ro_Fn_Hit once per hit record, in buffer order. An overflowed pass (negative hit count) gives
    // no call and no error. The pass counts as closed before the first call, so a callback that
    // throws (an empty std::function with hits present throws std::bad_function_call) leaves the
    // selection ready for the next M_Fn_Start.
    // Throws C_Exception when no pass is open; nothing changes then.
    static void M_Fn_Finish(const C_Fn_Hit& ro_Fn_Hit);

    // Call before drawing each pickable object of an open pass. When usage + record size would
    // exceed S_Capacity, finishes the pass with ro_Fn_Hit and starts a new one (usage 0);
    // otherwise adds the record size to usage. Throws C_Exception when no pass is open.
    static void M_Fn_Check_Capacity(const C_Fn_Hit& ro_Fn_Hit);

    // State of the current pass, for the drawing code and for tests.
    static bool S_Fn_If_Started();
    static std::uint32_t S_Fn_Get_Usage();
    static std::uint32_t S_Fn_Get_Record_Size();
    // The buffer itself (the section view's own pick code runs its passes directly over it).
    static GLuint* S_Fn_Get_Buffer();
};

} // namespace N_Common::N_Graphic::N_OpenGL
