// The section's view manager: its three views (the main geometry view, the result graph and the
// result sheet) as the window side attaches them, and their invalidation. A view is invalidated,
// never drawn at once; nothing is invalidated while drawing is frozen (bit 0 of the flag word).
#pragma once

#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Vector.h"

#include <array>
#include <cstdint>
#include <functional>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_Frame {
public:
    enum : std::uint32_t { E_Flag_Frozen = 0x1 };

    // One of the section's views as the manager reaches it.
    class C_View {
    public:
        virtual ~C_View() = default;
        // Invalidates the whole client area without erasing.
        virtual void M_Fn_Invalidate() = 0;
        // Has the view rebuild its rows before the next paint (the result sheet).
        virtual void M_Fn_Refill() {}
    };

    explicit C_Mgr_Frame(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect) {}
    C_Mgr_Frame(const C_Mgr_Frame&) = delete;
    C_Mgr_Frame& operator=(const C_Mgr_Frame&) = delete;

    // Invalidates the chosen views that exist (with i_Sheet_Refill the sheet also rebuilds its
    // rows); nothing while drawing is frozen.
    void M_Fn_View_Invalidate(bool i_Main, bool i_Graph, bool i_Sheet, bool i_Sheet_Refill);
    // Closes the section's child frame when it is open.
    void M_Fn_Frame_Close();

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }

    // Bit 0: drawing frozen.
    std::uint32_t m_Flags = 0;
    // The views while they exist (set and cleared by the window side), else null.
    C_View* m_p_View_Main = nullptr;
    C_View* m_p_View_Graph = nullptr;
    C_View* m_p_View_Sheet = nullptr;

    // painting ------------------------------------------------------------------------------------
    // The result graph's size hook, the section's frame, the pick projection, the main view's
    // drawing, the result graph and its buttons, and the section's drawing in the project view
    // (Biz_Sect_Mgr_Frame_Paint.cpp, Biz_Sect_View_Main_Draw.cpp, Biz_Sect_View_Graph.cpp).

    // Graph size, viewport and the projection x 0..width, y 0..height, z -1..1. Ignored for a zero
    // side.
    void M_Fn_View_R_Graph_On_Size(std::int32_t i_Width, std::int32_t i_Height);
    // Opens the section's child frame (through its document) unless the main view exists, and fits
    // the view. No document, or no frame made, throws C_Exception.
    void M_Fn_Frame_Open();

    // The main view's paint on its current context: frozen for its whole length (also when a step
    // throws), the pending picks, the calculation when stale, the cleared picture, the contents and
    // the overlays. The window flushes and swaps.
    void M_Fn_View_Main_Draw();
    // The contents in section coordinates: grid, principal axes, 360 degree moment of inertia,
    // geometry or mesh with the current pick and the selection set, task previews, result marks.
    // A pick mode outside 1 to 13 throws C_Exception.
    void M_Fn_View_Main_Draw_Obj();
    // The overlays in pixels about the view centre: navigation glyph, triads, prompt.
    void M_Fn_View_Main_Draw_Overlay();
    // Binds the point table (the node table) as the vertex array, so that an id is a vertex index.
    void M_Fn_View_Main_Bind_Geom_P() const;
    void M_Fn_View_Main_Bind_Tess_N() const;
    // A pick with an i_W x i_H pixel box at (i_X, i_Y): the projection becomes the pick matrix times
    // the stored projection and the model-view the view matrix while ro_Fn_Pick runs (the
    // selection manager's pick of the current mode); both are restored however it ends. Then the
    // main view is redrawn unless frozen.
    void M_Fn_View_Main_Pick_Box(std::int32_t i_X, std::int32_t i_Y, std::int32_t i_W, std::int32_t i_H,
                                 const std::function<void()>& ro_Fn_Pick);

    // The result graph's paint on its current context (no graph window, or a load case or bound
    // out of range, throws C_Exception), and its buttons: the previous or next load case (this
    // section's calculation stale, every section of the project recalculated and repainted) and
    // the other bound (every section's graph and sheet, the sheets' rows rebuilt).
    void M_Fn_View_R_Graph_Draw();
    void M_Fn_View_R_Graph_On_LButton_Up();
    void M_Fn_View_R_Graph_On_RButton_Up();
    void M_Fn_View_R_Graph_On_MButton_Up();

    // The section in the project view: the contents inside the section plane (depth test on), the
    // origin marker (inside the plane the caller has set), and the drawing for the project's pick.
    void M_Fn_View_Proj_Draw_Obj();
    void M_Fn_View_Proj_Draw_Obj_Origin();
    void M_Fn_View_Proj_Draw_Select();

    // The ring step of the 360 degree plot for a bounding value truncated to i_Bound: 2 x 10^d when
    // the leading digit is 5 or more, 10^d / 2 when it is 1, else 10^d (10^d the largest power of
    // ten not above i_Bound); 0 for a bound below 1.
    static std::int64_t S_Fn_Ring_Step(std::int64_t i_Bound);
    // Grid lines k x i_Step (k from o_First to o_Last) that can be visible within i_Radius of
    // i_Centre and lie strictly within i_Bound of the origin, at most 999,998 steps from it. False
    // when there is none.
    static bool S_Fn_Grid_Range(double i_Centre, double i_Radius, double i_Bound, double i_Step, std::int64_t& o_First,
                                std::int64_t& o_Last);

    // painting: what the input half of the manager declares too (Biz_Sect_Mgr_Frame_Input_Half.cpp
    // until the halves are joined) ------------------------------------------------------------------
    using C_Matrix4f = N_Common::N_Math::C_Matrix4<float>;
    using C_Vector2f = N_Common::N_Math::C_Vector2<float>;
    using C_Vector3f = N_Common::N_Math::C_Vector3<float>;
    using T_Pos = std::array<std::int32_t, 2>;
    enum : std::uint32_t {
        E_Flag_Pick_Cover = 0x2, // the pick under the cursor is pending
        E_Flag_Pick_Drag = 0x4,  // the rectangle pick is pending
    };
    // The main view's OpenGL state (normal rescaling, vertex array, smooth points, blending, no
    // depth test), then the view is kept; the hooks of the other windows keep theirs. A null
    // window, one already kept, or a destroy hook without its window throws C_Exception.
    void M_Fn_View_Main_On_Create(C_View* i_p_View);
    void M_Fn_View_Main_On_Destroy();
    void M_Fn_View_R_Graph_On_Create(C_View* i_p_View);
    void M_Fn_View_R_Sheet_On_Create(C_View* i_p_View);
    void M_Fn_View_R_Graph_On_Destroy();
    void M_Fn_View_R_Sheet_On_Destroy();
    // Sizes, half sizes, fit radius, viewport and the orthographic projection in pixels about the
    // view centre (both read back), the prompt and triad anchors. Ignored for a zero side.
    void M_Fn_View_Main_On_Size(std::int32_t i_Width, std::int32_t i_Height);
    // Invalidates the main view unless drawing is frozen.
    void M_Fn_View_Main_Redraw();
    // The view fitted anew: no rotation, no pan, the zoom that shows the points.
    void M_Fn_View_Main_Reset();
    void M_Fn_View_Main_Adjust();
    // The pending picks of a paint.
    void M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    void M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag();

    T_Pos m_Size_Graph{0, 0};                 // result graph width, height
    T_Pos m_Pos_Down_Left{0, 0};              // cursor at the last left-button press
    T_Pos m_Pos_Prev{0, 0};                   // cursor before the current move
    T_Pos m_Pos_Curr{0, 0};                   // cursor at the last move
    T_Pos m_Size_Main{0, 0};                  // main view width, height
    C_Vector2f m_Size_Half{0, 0};             // hw, hh
    C_Vector2f m_Pos_Prompt{0, 0};            // (20 - hw, hh - 30)
    C_Vector3f m_Pos_Triad_Global{0, 0, 0};   // (hw - 80, hh - 80, 0)
    C_Vector3f m_Pos_Triad_Local{0, 0, 0};    // (hw - 240, hh - 80, 0)
    C_Matrix4f m_Matrix_Rotate;               // the view's rotation alone
    C_Matrix4f m_Matrix_View;                 // section to pixels about the view centre
    C_Matrix4f m_Matrix_Proj;                 // read back after the projection is set
    std::array<std::int32_t, 4> m_Viewport{0, 0, 0, 0}; // read back
    float m_Radius_Fit = 1.0f;                // half the smaller side in pixels
    float m_Zoom = 1.0f;
    float m_Zoom_Min = 0.0625f;
    float m_Zoom_Max = 64.0f;

private:
    C_Sect* m_p_Sect;
};

} // namespace N_Biz::N_Sect
