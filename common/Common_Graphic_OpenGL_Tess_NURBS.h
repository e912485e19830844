// A GLU NURBS object, either drawing curves (renderer) or collecting what GLU samples from them
// (tessellator).
//
// Design note. Curves are evaluated through GLU so that what the section view draws and what the
// mesh is built from come from the same sampling: GLU_DOMAIN_DISTANCE with 2 samples per unit of
// the knot parameter. C_NURBS_Curve<float>::M_Fn_Eval (Common_Math_Geom_NURBS_Curve.h) drives one
// of the two shared objects; in tessellator mode the callbacks below append what GLU hands back to
// three arrays that the caller reads after the evaluation:
//   m_Codes       one code per callback in call order: 0 begin, 1 end, 2 colour, 3 texture
//                 coordinate, 4 normal, 5 vertex (GLU opens one line strip per polynomial span, so a
//                 curve of several spans gives several begin ... end groups, and the vertex where
//                 two spans meet is delivered twice);
//   m_Types       the primitive type of each begin (GL_LINE_STRIP for curves);
//   m_Vertices    one Cartesian point per vertex callback.
// Curves go to GLU as GL_MAP1_VERTEX_4 with homogeneous control points (w x, w y, w z, w); GLU
// evaluates in that space and hands back homogeneous vertices, which the vertex callback divides by
// w. The renderer needs no such care: OpenGL's own evaluator divides by w.
//
// Creating and configuring the GLU object makes no OpenGL call (Mesa's GLU was checked for this),
// so the shared objects are made on first use, with or without a current context. Tessellating
// needs no context either (GLU only enables GL_MAP1_VERTEX_4 on the current context, if any);
// drawing with the renderer needs the view's context current.
//
// GLU errors go to the application log through G_Fn_Log_NURBS_Error and are not otherwise reported;
// a curve that GLU refuses gives no vertices. User-interface thread only.
#pragma once

#include "common/Common_Math_Vector.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdint>
#include <vector>

namespace N_Common::N_Graphic::N_OpenGL {

class C_Tess_NURBS {
public:
    static constexpr std::int32_t S_Mode_Renderer = 0;
    static constexpr std::int32_t S_Mode_Tessellator = 1;

    // Codes of m_Codes.
    static constexpr std::int32_t S_Code_Begin = 0;
    static constexpr std::int32_t S_Code_End = 1;
    static constexpr std::int32_t S_Code_Color = 2;
    static constexpr std::int32_t S_Code_Texture_Coord = 3;
    static constexpr std::int32_t S_Code_Normal = 4;
    static constexpr std::int32_t S_Code_Vertex = 5;

    // The GLU sampling of both modes: 2 samples per unit of the knot parameter.
    static constexpr float S_U_Step = 2.0f;

    // Creates the GLU object in the given mode (S_Mode_Renderer or S_Mode_Tessellator; any other
    // value is taken as the renderer) with the sampling described above. Throws C_Exception when
    // GLU cannot create the object.
    explicit C_Tess_NURBS(std::int32_t i_Mode);
    ~C_Tess_NURBS();
    C_Tess_NURBS(const C_Tess_NURBS&) = delete;
    C_Tess_NURBS& operator=(const C_Tess_NURBS&) = delete;

    // The two shared objects, made on first use and kept to program exit: the renderer for the
    // views' drawing, the tessellator for meshing and the IGES import.
    static C_Tess_NURBS& S_Fn_Get_Renderer();
    static C_Tess_NURBS& S_Fn_Get_Tessellator();

    // Empties the three arrays; their capacity is kept.
    void M_Fn_Clear();

    GLUnurbs* M_Fn_Get_GLU() const { return m_p_GLU; }

    // The GLU data callbacks of tessellator mode, public so that their effect can be checked
    // directly. ip_Data is the C_Tess_NURBS. The vertex callback reads four floats (x, y, z, w) at
    // ip_Vertex, which holds for GL_MAP1_VERTEX_4, the only map used with this object, and stores
    // (x / w, y / w, z / w); w = 1 stores the point unchanged.
    static void GLAPIENTRY S_Fn_Callback_Begin(GLenum i_Type, void* ip_Data);
    static void GLAPIENTRY S_Fn_Callback_End(void* ip_Data);
    static void GLAPIENTRY S_Fn_Callback_Color(GLfloat* ip_Color, void* ip_Data);
    static void GLAPIENTRY S_Fn_Callback_Texture_Coord(GLfloat* ip_Coord, void* ip_Data);
    static void GLAPIENTRY S_Fn_Callback_Normal(GLfloat* ip_Normal, void* ip_Data);
    static void GLAPIENTRY S_Fn_Callback_Vertex(GLfloat* ip_Vertex, void* ip_Data);

    std::int32_t m_Mode;
    // Set by C_NURBS_Curve<float>::M_Fn_Eval while it drives this object.
    std::int32_t m_Busy = 0;
    std::vector<std::int32_t> m_Codes;
    std::vector<std::int32_t> m_Types;
    std::vector<N_Common::N_Math::C_Vector3<float>> m_Vertices;
    // Room for the homogeneous control points of the curve being evaluated, kept between
    // evaluations so that repeated drawing does not allocate.
    std::vector<GLfloat> m_Ctrl_Homogeneous;

private:
    GLUnurbs* m_p_GLU;
};

} // namespace N_Common::N_Graphic::N_OpenGL
