// The section's view manager: the section's side of its three windows (the main view, the result
// graph and the result sheet). It holds the main view's transform (zoom, rotation, pan), turns the
// main view's input into the editing machine's view-input events, performs the navigation steps
// that the machine's input states ask for, runs the selection manager's picks lazily, and
// invalidates the windows. A window is invalidated, never drawn at once.
//
// Design note. Positions that come from a window are pixels with y counted upward from the bottom
// edge, as C_Input carries them. The projection of the main view is an orthographic box measured
// in pixels with the origin at the view's centre, so one unit of the view matrix's output is one
// pixel. The view matrix maps section coordinates to that box: the rotation matrix, then the
// zoom, then the pan, all applied on the screen side so that zooming and turning act about the
// view's centre.
//
// Lazy picking: a cursor move only marks the pick under the cursor as pending and invalidates the
// main view; the pick runs at the start of the next paint (M_Fn_View_Main_Mouse_Sel_P0_Validate_*)
// or at once on the left-button release that updates the selection set. The frozen flag (bit 0)
// is set for the whole of a paint, so the picks run by the paint do not ask for another one.
//
// Matrices are column-major as OpenGL takes them. Every pick and every hook that touches OpenGL
// runs with the main view's rendering context current (the window makes it current).
#pragma once

#include "biz/input/Biz_Input.h"
#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Vector.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_Frame {
public:
    using C_Matrix4f = N_Common::N_Math::C_Matrix4<float>;
    using C_Vector2f = N_Common::N_Math::C_Vector2<float>;
    using C_Vector3f = N_Common::N_Math::C_Vector3<float>;
    using T_sp_Input = std::shared_ptr<N_Biz::N_Input::C_Input>;
    using T_Pos = std::array<std::int32_t, 2>;

    // Bits of the flag word.
    enum : std::uint32_t {
        E_Flag_Frozen = 0x1,       // a paint is under way: M_Fn_View_Main_Redraw does nothing
        E_Flag_Pick_Cover = 0x2,   // the pick under the cursor is pending
        E_Flag_Pick_Drag = 0x4,    // the rectangle pick is pending
    };
    // How the running navigation gesture began (m_Nav_Mode).
    enum : std::int32_t {
        E_Nav_Ctrl = 1,       // Ctrl with a right-button press or with a left-button drag
        E_Nav_Alt_Right = 2,  // Alt with a right-button press
        E_Nav_Middle = 3,     // a middle-button press without Ctrl
    };

    // One of the section's windows as the manager reaches it.
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

    // --- window hooks ------------------------------------------------------------------------------
    // With the view's context current: normal rescaling, the vertex array, smooth points (nicest),
    // blending (source alpha, one minus source alpha) on, depth test off; then the view is kept.
    // A null view, or a main view already kept, throws C_Exception.
    void M_Fn_View_Main_On_Create(C_View* i_p_View);
    // Ignored when either size is 0. Stores the size, the half size, the fit radius (half the
    // smaller side), the viewport (0, 0, width, height) and the orthographic projection (x from
    // -hw to hw, y from -hh to hh, z from -100 to 100), both read back from OpenGL, and the prompt
    // and triad anchors.
    void M_Fn_View_Main_On_Size(std::int32_t i_Width, std::int32_t i_Height);
    // One input of the main view: records the positions, posts C_Event_View_Main_On_Input to the
    // section's machine, then zooms on a wheel input with Shift or Ctrl and makes the previous
    // position the current one after a move. A button input at another position than the current
    // one comes after the move it implies (C_Input::S_Fn_Move_Implied). A null input throws
    // C_Exception.
    void M_Fn_View_Main_On_Input(const T_sp_Input& ro_sp_Input);
    // Forget the window; throw C_Exception when none is kept.
    void M_Fn_View_Main_On_Destroy();
    // Keep the result graph / result sheet window: a null window or one already kept throws.
    void M_Fn_View_R_Graph_On_Create(C_View* i_p_View);
    void M_Fn_View_R_Sheet_On_Create(C_View* i_p_View);
    void M_Fn_View_R_Graph_On_Destroy();
    void M_Fn_View_R_Sheet_On_Destroy();

    // --- invalidation ------------------------------------------------------------------------------
    // Invalidates the chosen views that exist (with i_Sheet_Refill the sheet first marks its rows
    // for rebuilding), frozen or not: these come from changes to the section or its cards, which a
    // paint never makes.
    void M_Fn_View_Invalidate(bool i_Main, bool i_Graph, bool i_Sheet, bool i_Sheet_Refill);
    // Invalidates the main view unless frozen.
    void M_Fn_View_Main_Redraw();
    // Closes the section's child frame when it is open.
    void M_Fn_Frame_Close();

    // --- navigation --------------------------------------------------------------------------------
    // Rotation := identity, then the fit; redraw unless frozen.
    void M_Fn_View_Main_Reset();
    // The fit: the view matrix becomes the rotation alone and is scaled by the fitted zoom
    // (M_Fn_View_Main_Zoom_Fit_Get); redraw unless frozen.
    void M_Fn_View_Main_Adjust();
    // The zoom at which the circle about the section origin holding the points' bounding box fills
    // the fit radius; 1 for a section without extent or one that gives no usable scale.
    float M_Fn_View_Main_Zoom_Fit_Get() const;
    // The zoom limits now: [m_Zoom_Min, m_Zoom_Max] widened by the fitted zoom f to
    // [m_Zoom_Min f, m_Zoom_Max f] on the side where f lies beyond 1, so that a section of any unit
    // fits and has room either way. Recomputed from the points and the view size at every step.
    void M_Fn_View_Main_Zoom_Bounds_Get(float& o_Min, float& o_Max) const;
    // Removes the pan, keeping zoom and rotation; redraw unless frozen.
    void M_Fn_View_Main_Center();
    // One navigation step from the previous to the current cursor position (none when they are
    // equal): scale by 1 + (dx + dy) / 512 within the zoom limits; turn about the view centre by
    // the angle between the two cursor directions; pan pixel for pixel. Each redraws unless frozen.
    void M_Fn_View_Main_Scale_Drag();
    void M_Fn_View_Main_Rotate_Drag();
    void M_Fn_View_Main_Translate_Drag();
    // Zooms by i_Factor when the step is allowed within the zoom limits (the view matrix scaled
    // uniformly on the screen side); otherwise nothing changes. Redraw unless frozen.
    void M_Fn_View_Main_Zoom(float i_Factor);

    // --- selection input ---------------------------------------------------------------------------
    // The idle input handling: a move marks the pick under the cursor pending (the rectangle pick
    // not) and redraws; a left-button release runs the pending picks and updates the selection set
    // with the input's Shift and Ctrl. False.
    bool M_Fn_View_Main_Mouse_Sel_Hover(const N_Biz::N_Input::C_Input& ro_Input);
    // Starts a rectangle selection: the rectangle pick pending, the other not; redraw.
    void M_Fn_View_Main_Mouse_Sel_Drag_Begin();
    // The rectangle's input handling: a move keeps the rectangle pick pending and redraws (false);
    // a left-button release runs the pending picks and updates the selection set (true); the
    // mouse leaving the view ends it without a pick (true); anything else false.
    bool M_Fn_View_Main_Mouse_Sel_Drag(const N_Biz::N_Input::C_Input& ro_Input);
    // The pending pick under the cursor, by the selection manager's pick mode: a 10 x 10 box
    // (modes 1, 2, 6, 7, 11, 12), 15 x 15 (5, 10), 15 x 15 and else the free position under the
    // cursor (4 points, 9 nodes), only the free position (3 points, 8 nodes), nothing (13); any
    // other mode throws C_Exception. Nothing unless pending; the mark is cleared first.
    void M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    // The pending rectangle pick: the box between the left-button press and the cursor, at least
    // 2 pixels each way. Nothing unless pending; the mark is cleared first.
    void M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag();
    // The section position under window pixel (x, y): the view transform undone, then snapped to
    // the nearest grid node when the grid is on and the node is nearer than 10 pixels.
    C_Vector2f M_Fn_View_Main_Pos_Scrn_To_Sect(std::int32_t i_X, std::int32_t i_Y) const;

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }

    // --- data ----------------------------------------------------------------------------------------
    // Bit 0 frozen, bit 1 pick under the cursor pending, bit 2 rectangle pick pending.
    std::uint32_t m_Flags = 0;
    // Width and height of the result graph window.
    T_Pos m_Size_Graph{0, 0};
    // Cursor at the last left, right and middle button press.
    T_Pos m_Pos_Down_Left{0, 0};
    T_Pos m_Pos_Down_Right{0, 0};
    T_Pos m_Pos_Down_Middle{0, 0};
    // Cursor before the current move, and at the last move.
    T_Pos m_Pos_Prev{0, 0};
    T_Pos m_Pos_Curr{0, 0};
    // Main view width and height, and half of them (hw, hh).
    T_Pos m_Size_Main{0, 0};
    C_Vector2f m_Size_Half{0, 0};
    // Where the prompt is written: (20 - hw, hh - 30).
    C_Vector2f m_Pos_Prompt{0, 0};
    // Where the global and the local axis triads stand: (hw - 80, hh - 80, 0), (hw - 240, hh - 80, 0).
    C_Vector3f m_Pos_Triad_Global{0, 0, 0};
    C_Vector3f m_Pos_Triad_Local{0, 0, 0};
    // The view's rotation alone; the whole model-view transform (rotation, zoom, pan); the
    // projection as read back from OpenGL.
    C_Matrix4f m_Matrix_Rotate;
    C_Matrix4f m_Matrix_View;
    C_Matrix4f m_Matrix_Proj;
    // The viewport as read back from OpenGL.
    std::array<std::int32_t, 4> m_Viewport{0, 0, 0, 0};
    // Half the smaller side of the main view in pixels.
    float m_Radius_Fit = 1.0f;
    float m_Zoom = 1.0f;
    // The zoom limits of a section that fits at zoom 1 (see M_Fn_View_Main_Zoom_Bounds_Get).
    float m_Zoom_Min = 0.0625f;
    float m_Zoom_Max = 64.0f;
    // How the running navigation began (E_Nav_*); keeps its last value after a gesture.
    std::int32_t m_Nav_Mode = 0;
    // The windows while they exist, else null (not owned).
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

private:
    // The selection manager's current-pick update (single or rectangle) through
    // M_Fn_View_Main_Pick_Box.
    void M_Fn_View_Main_Pick(std::int32_t i_X, std::int32_t i_Y, std::int32_t i_W, std::int32_t i_H, bool i_Rect);
    // Both pending picks, then the selection set updated with the input's Shift and Ctrl.
    void M_Fn_View_Main_Sel_Apply(const N_Biz::N_Input::C_Input& ro_Input);

    C_Sect* m_p_Sect;
};

} // namespace N_Biz::N_Sect
