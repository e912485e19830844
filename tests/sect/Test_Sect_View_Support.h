// Helpers of the section view tests: the mesh tests' application, project and section, drawn in
// the program's off-screen Mesa context (64 x 64) through the section's view manager, whose main
// view and result graph are counting stand-ins. Every test leaves the context's state as it found
// it.
#pragma once

#include "tests/sect/Test_Sect_Mesh_Support.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_D_Group_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>

#include <array>
#include <cmath>
#include <memory>
#include <utility>

namespace N_Test_Sect_View {

using namespace N_Biz::N_Sect;

// A window of the section as the view manager sees it: counts its invalidations and refills.
class C_View_Count : public C_Mgr_Frame::C_View {
public:
    void M_Fn_Invalidate() override { ++m_Count; }
    void M_Fn_Refill() override { ++m_Refills; }
    int m_Count = 0;
    int m_Refills = 0;
};

// The colour of a pixel, 0 to 255 per channel.
using T_RGB = std::array<int, 3>;

inline T_RGB G_Fn_Pixel(int i_X, int i_Y)
{
    unsigned char rgba[4] = {0, 0, 0, 0};
    glReadPixels(i_X, i_Y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

// A colour of 0..1 components as the 8-bit buffer holds it.
inline T_RGB G_Fn_RGB(float i_R, float i_G, float i_B)
{
    return {int(std::lround(i_R * 255.0f)), int(std::lround(i_G * 255.0f)), int(std::lround(i_B * 255.0f))};
}

// Whether two colours agree within one step per channel (rounding of the rasterizer).
inline bool G_Fn_Near(const T_RGB& ro_A, const T_RGB& ro_B)
{
    for (int i = 0; i < 3; ++i)
        if (std::abs(ro_A[i] - ro_B[i]) > 1)
            return false;
    return true;
}

class C_View_Test : public N_Test_Sect_Mesh::C_Mesh_Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen());
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
        m_Pushed = true;
    }
    void TearDown() override
    {
        C_Mgr_Frame& f = frame();
        f.m_p_View_Main = f.m_p_View_Graph = f.m_p_View_Sheet = nullptr;
        if (m_Pushed) {
            glPopClientAttrib();
            glPopAttrib();
        }
        while (glGetError() != GL_NO_ERROR) {
        }
    }

    C_Mgr_Frame& frame() { return sect().M_Fn_Get_Mgr_Frame(); }
    C_Mgr_Calc& calc() { return sect().M_Fn_Get_Mgr_Calc(); }
    C_Result& result() { return *calc().M_Fn_Get_Result(); }
    C_App_Port_Record& port() { return m_App.port(); }

    // The main view created and sized to the whole buffer, the view fitted (no points: zoom 1),
    // then the view matrix moved by half a pixel so that section coordinates land on pixel centres:
    // section (x, y) is pixel (32 + x, 32 + y) at zoom 1.
    void M_Fn_Main_Open(float i_Zoom = 1.0f)
    {
        frame().M_Fn_View_Main_On_Create(&m_Main);
        frame().M_Fn_View_Main_On_Size(S_GL_Size, S_GL_Size);
        frame().m_Matrix_View = C_Mgr_Frame::C_Matrix4f();
        frame().m_Matrix_View.M_Fn_Scale_Pre(i_Zoom, i_Zoom, i_Zoom);
        frame().m_Matrix_View.M_Fn_Translate_Pre(0.5f, 0.5f, 0.0f);
        frame().m_Zoom = i_Zoom;
    }
    // The pixel of section position (x, y) after M_Fn_Main_Open.
    static T_RGB S_Fn_At(float i_X, float i_Y, float i_Zoom = 1.0f)
    {
        return G_Fn_Pixel(int(std::floor(32.0f + i_X * i_Zoom + 0.5f)), int(std::floor(32.0f + i_Y * i_Zoom + 0.5f)));
    }
    // A closed square wall of side 2 x i_Half about the origin with property thickness i_Thk; the
    // property card is red.
    void M_Fn_Square(float i_Half, float i_Thk)
    {
        const auto key = M_Fn_Property(i_Thk);
        m_Cards.back()->m_Display.M_Fn_Color_Set({1, 0, 0, 1});
        const std::int32_t a = M_Fn_Point(-i_Half, -i_Half), b = M_Fn_Point(i_Half, -i_Half);
        const std::int32_t c = M_Fn_Point(i_Half, i_Half), d = M_Fn_Point(-i_Half, i_Half);
        for (auto [p, q] : {std::pair{a, b}, {b, c}, {c, d}, {d, a}})
            M_Fn_Line(p, q, key);
    }
    // The result of a successful run with nothing in it: valid, no marks.
    void M_Fn_Result_Valid()
    {
        calc().M_Fn_Stale_Clear();
        result().M_Fn_Clear();
        result().m_Valid = 1;
    }
    // The pick mode of the section with its prompt, the selection cleared (both forms of the reset:
    // the five flag words, or the switches clear, rectangle, Shift adds, Ctrl toggles, forced).
    void M_Fn_Mode(std::uint32_t i_Mode, const std::wstring& i_Prompt = L"Prompt.")
    {
        S_Fn_Reset(sect().M_Fn_Get_Mgr_Sel(), i_Mode, i_Prompt);
    }
    template <class T_Sel>
    static void S_Fn_Reset(T_Sel& ro_Sel, std::uint32_t i_Mode, const std::wstring& i_Prompt)
    {
        if constexpr (requires { ro_Sel.M_Fn_Reset(true, true, true, true, false, i_Mode, i_Prompt); })
            ro_Sel.M_Fn_Reset(true, true, true, true, false, i_Mode, i_Prompt);
        else
            ro_Sel.M_Fn_Reset(i_Prompt, 0, 1, 1, 1, 1, i_Mode);
    }

    C_View_Count m_Main;
    C_View_Count m_Graph;
    bool m_Pushed = false;
};

} // namespace N_Test_Sect_View
