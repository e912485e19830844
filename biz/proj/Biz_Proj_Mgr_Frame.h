// The manager of the project's one three-dimensional view: the camera (rotation R, zoom and pan W,
// rotation centre), the orthographic projection, the mouse positions of the gestures, the light,
// the effective display modes of models and sections, the pending picks, and the drawing of one
// frame (Biz_Proj_Mgr_Frame_Draw.cpp).
//
// Coordinates. The modelview matrix is W R T(t): a model point p is moved by t (the model point
// -t is the rotation centre), rotated by R, then scaled and panned by W. The projection is
// orthographic with one unit per pixel and the origin at the view's centre, so eye coordinates
// are pixels from the centre; a cursor position (x, y), y counted from the bottom, lies at eye
// position (x - width/2, y - height/2).
//
// The window side. The project's GL canvas (ui/) hands itself to M_Fn_View_Main_On_Create once
// its rendering context exists and is current, calls M_Fn_View_Main_On_Size with its client size,
// M_Fn_View_Main_On_Draw on every paint (context current; it flushes and swaps afterwards and
// reports an escaping C_Exception), M_Fn_View_Main_On_Input with one record per mouse or key
// message (whole wheel notches only), and M_Fn_View_Main_On_Destroy when it goes. The manager
// reaches the window only through the application's port: invalidation (queued to the interface
// thread when raised by the import worker), opening and closing the child frame, and the text.
//
// Input is never handled at once: a message is posted to the project's state machine as a
// view-input event, whose input states call the gesture steps below; picks that need the
// rendering context are only marked pending and run at the start of the next frame, or on the
// left-button release.
#pragma once

#include "biz/proj/Biz_Proj_Light.h"
#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Vector.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace N_Biz::N_Input {
class C_Input;
}
namespace N_Biz::N_Sect {
class C_D_Plane;
class C_Sect;
} // namespace N_Biz::N_Sect

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_Frame {
public:
    using C_Vector3f = N_Common::N_Math::C_Vector3<float>;
    using C_Matrix4f = N_Common::N_Math::C_Matrix4<float>;
    using T_sp_Plane = std::shared_ptr<N_Sect::C_D_Plane>;

    // Flag bits.
    enum : std::uint32_t {
        E_Flag_Frozen = 0x1,      // a frame is being drawn: nothing invalidates the view
        E_Flag_Pick_Cover = 0x2,  // a hover pick is pending
        E_Flag_Pick_Drag = 0x4,   // a rectangle pick is pending
    };
    // Display modes (effective modes: 0 none, 2 to 5; the configuration's chosen modes add 1 Auto).
    enum : std::uint32_t {
        E_Disp_None = 0,
        E_Disp_Auto = 1,
        E_Disp_Hide = 2,
        E_Disp_Model_Grid = 3,
        E_Disp_Model_Mesh = 4,
        E_Disp_Model_Shade = 5,
        E_Disp_Sect_Plane = 3,
        E_Disp_Sect_Geometry = 4,
        E_Disp_Sect_Element = 5,
    };
    // The zoom bounds of a content that fits at zoom 1; a content that fits at zoom f keeps this
    // room around f (M_Fn_Zoom_Bounds_Get).
    static constexpr float S_Zoom_Min = 0.0625f;
    static constexpr float S_Zoom_Max = 16.0f;

    // A client position in pixels, y counted from the bottom.
    struct C_Pos {
        std::int32_t x = 0;
        std::int32_t y = 0;
    };

    // What the preview aid of a running section task yields for drawing. Group creation and the
    // second phase of a group redirection: the planes and the axis positions. The second phase of
    // a section insertion or move: the new plane and position and the neighbours' positions (each
    // only when that neighbour exists).
    struct C_Preview {
        std::vector<T_sp_Plane> m_Planes;
        std::vector<C_Vector3f> m_Positions;
        T_sp_Plane m_sp_Plane;
        C_Vector3f m_Pos;
        C_Vector3f m_Pos_Before;
        C_Vector3f m_Pos_After;
        bool m_Before = false;
        bool m_After = false;
    };

    // Identity camera, zoom 1, fit radius 1, no view; light 0 with its defaults. i_p_Proj (not
    // owned) outlives the manager.
    explicit C_Mgr_Frame(C_Proj* i_p_Proj);
    C_Mgr_Frame(const C_Mgr_Frame&) = delete;
    C_Mgr_Frame& operator=(const C_Mgr_Frame&) = delete;

    // --- frame and view window -------------------------------------------------------------------
    // With a view: nothing. Otherwise the port makes the project's child frame with its view
    // (hidden), then the camera is reset. No frame made: C_Exception.
    void M_Fn_Frame_Open();
    // With a view: the port closes its child frame (a view without one: C_Exception). Without a
    // view: nothing. The view itself is forgotten when the window goes (M_Fn_View_Main_On_Destroy).
    void M_Fn_Frame_Close();
    // The view window was created, its rendering context current: sets up the light and the GL
    // state and records the view (an opaque handle of the window side). A null view, or a view
    // already recorded: C_Exception.
    void M_Fn_View_Main_On_Create(void* i_p_View);
    // The view window is being destroyed: forgets it. No view recorded: C_Exception.
    void M_Fn_View_Main_On_Destroy();
    // The view's client size changed (context current): viewport and projection, fit radius, the
    // places of the prompt and the triad. A zero width or height changes nothing.
    void M_Fn_View_Main_On_Size(std::int32_t i_Width, std::int32_t i_Height);
    // One input message: positions stored by kind, the record posted to the project's state
    // machine, then the wheel zoom (Shift or Ctrl held) or, for a move, the current position
    // copied into the previous one. While the machine is processing an event (a dialog opened by
    // a task runs its own message loop) the message is dropped: nothing changes and nothing is
    // picked. A button message at another position than the current one is handled after the
    // move it implies (C_Input::S_Fn_Move_Implied). A null record: C_Exception.
    void M_Fn_View_Main_On_Input(const std::shared_ptr<N_Biz::N_Input::C_Input>& ro_sp_Input);
    // One frame (context current): pending picks, clear, objects, input cue, triad, text. The
    // frozen flag is set for the frame; however the frame ends, the flag is cleared and the matrix
    // and attribute stacks are back at their depths. Throws what the drawing throws.
    void M_Fn_View_Main_On_Draw();
    // The view window, or null.
    void* M_Fn_Get_View() const { return m_p_View; }

    // --- invalidation ----------------------------------------------------------------------------
    // Invalidates the view's whole client area without erasing, unless frozen; nothing without a
    // view. From another thread the port call is queued for the interface thread.
    void M_Fn_View_Main_Invalidate();
    // What the data changes call: the same.
    void M_Fn_View_Main_Redraw() { M_Fn_View_Main_Invalidate(); }

    // --- display modes ---------------------------------------------------------------------------
    // Resolves the effective display modes from the configuration's chosen modes and the automatic
    // pair of the task region's active state (M_Fn_Disp_Auto_Get), writing the configuration's
    // automatic words (signal code 6 for each that changed), then invalidates. Without an
    // application configuration the modes stay as they are.
    void M_Fn_Config_Disp_Update();
    // The automatic model and section modes for the task state i_Id_Task (the selection mode, the
    // number of models and the sections per group decide the idle state's pair). A null section
    // group: C_Exception.
    void M_Fn_Disp_Auto_Get(std::uint32_t i_Id_Task, std::uint32_t& o_Model, std::uint32_t& o_Sect) const;
    std::uint32_t M_Fn_Get_Disp_Model() const { return m_Disp_Model; }
    std::uint32_t M_Fn_Get_Disp_Sect() const { return m_Disp_Sect; }

    // --- camera ----------------------------------------------------------------------------------
    // The models' bounding box (written by the project when its models change).
    void M_Fn_Box_Set(const C_Vector3f& ro_Min, const C_Vector3f& ro_Max);
    // The rotation centre offset t (the model point -t is the rotation centre), without moving R or W.
    void M_Fn_Center_Set(const C_Vector3f& ro_T) { m_Center_Rotate = C_Vector3f(-ro_T.x, -ro_T.y, -ro_T.z); }
    // Standard orientation (model z up the screen, turned 45 degrees about y and 30 about x), then
    // Adjust.
    void M_Fn_View_Main_Reset();
    // Fits the bounding box into the view: zoom = the fitted zoom (M_Fn_Zoom_Fit_Get); the pan is
    // removed.
    void M_Fn_View_Main_Adjust();
    // The zoom at which the bounding box fits the view: fit radius over the box's reach from the
    // rotation centre (its centre's distance plus half its diagonal); 1 for a point box at the
    // centre or a reach that gives no usable scale.
    float M_Fn_Zoom_Fit_Get() const;
    // The zoom bounds now: [0.0625, 16] widened by the fitted zoom f to [0.0625 f, 16 f] on the
    // side where f lies beyond 1, so that a model of any unit fits and has room either way.
    // Recomputed from the box, the rotation centre and the view size at every zoom step.
    void M_Fn_Zoom_Bounds_Get(float& o_Min, float& o_Max) const;
    // Removes the pan: zoom, rotation and centre stay.
    void M_Fn_View_Main_Center();
    // The six axis views: R set as a whole; t and W stay.
    void M_Fn_View_Main_Preset_XY();
    void M_Fn_View_Main_Preset_YX();
    void M_Fn_View_Main_Preset_ZX();
    void M_Fn_View_Main_Preset_XZ();
    void M_Fn_View_Main_Preset_YZ();
    void M_Fn_View_Main_Preset_ZY();
    // Makes the model point ro_Point the rotation centre; every model point keeps its pixel.
    void M_Fn_View_Main_Set_Center_Rotate(const C_Vector3f& ro_Point);
    // The rotation centre (a model point).
    const C_Vector3f& M_Fn_Get_Center_Rotate() const { return m_Center_Rotate; }
    // The viewing direction in model coordinates (into the screen), of length 1 / zoom.
    C_Vector3f M_Fn_View_Main_Get_Dir_View() const;
    // The modelview matrix W R T(t).
    C_Matrix4f M_Fn_Get_Modelview() const;
    const C_Matrix4f& M_Fn_Get_R() const { return m_R; }
    const C_Matrix4f& M_Fn_Get_W() const { return m_W; }
    float M_Fn_Get_Zoom() const { return m_Zoom; }
    float M_Fn_Get_Fit_Radius() const { return m_Fit_Radius; }
    std::int32_t M_Fn_Get_Width() const { return m_Width; }
    std::int32_t M_Fn_Get_Height() const { return m_Height; }
    // The size of the markers that keep their size on screen: fit radius * 0.005 / zoom.
    float M_Fn_Marker_Size() const;

    // --- input states (called by the state machine's input region) -------------------------------
    // Left-button release: the pending picks, then the selection-set update with the record's
    // Shift and Ctrl; a move: a hover pick pending, invalidated. Always false.
    bool M_Fn_View_Main_Input_Idle(const std::shared_ptr<N_Biz::N_Input::C_Input>& ro_sp_Input);
    // A rectangle pick pending (the hover pick no longer), invalidated.
    void M_Fn_View_Main_Drag_Select_Begin();
    // Left-button release: the pending picks and the selection-set update, true; a move: a
    // rectangle pick pending, invalidated, false; the mouse left the view: true; else false.
    bool M_Fn_View_Main_Input_Drag_Select(const std::shared_ptr<N_Biz::N_Input::C_Input>& ro_sp_Input);
    // One gesture step from the previous to the current position; each first clears the current
    // pick. Rotate: about the rotation centre, 0.25 degrees per pixel. Scale: by (dx + dy) / 512 + 1
    // within the zoom bounds. Translate: the image follows the cursor.
    void M_Fn_View_Main_Mouse_Rotate();
    void M_Fn_View_Main_Mouse_Scale();
    void M_Fn_View_Main_Mouse_Translate();

    // --- picks (context current) -----------------------------------------------------------------
    // Runs a pending hover pick by the selection mode (1 x 1 box for cards and elements, 15 x 15
    // for nodes and sections, the screen position for positions), then invalidates. A selection
    // mode above 8: C_Exception.
    void M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    // Runs a pending rectangle pick over the left-down and current positions (each side at least
    // 2) when the selection allows rectangles. A rectangle word other than 0 or 1: C_Exception.
    void M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag();
    // Renders the pickable objects of the selection mode in a box of i_Width x i_Height pixels
    // centred on ro_Centre (the projection is restored afterwards) and invalidates.
    void M_Fn_View_Main_Mouse_Sel_P0_Pick(std::int32_t i_Width, std::int32_t i_Height, const C_Pos& ro_Centre,
                                          bool i_Rect);
    // The free position under ro_Pos at the rotation centre's depth becomes the node selection's
    // only current pick; the description is rebuilt.
    void M_Fn_View_Main_Mouse_Sel_P0_Position(const C_Pos& ro_Pos);

    // --- drawing (Biz_Proj_Mgr_Frame_Draw.cpp; context current, modelview as described) ---------
    // The objects in the camera's frame, then the rotation-centre marker.
    void M_Fn_View_Main_Draw_Obj();
    void M_Fn_View_Main_Draw_Obj_Model();
    void M_Fn_View_Main_Draw_Obj_Sect();
    void M_Fn_View_Main_Draw_Obj_D_DB_N_Sel();
    // The preview of the running section task (the task region's active state).
    void M_Fn_View_Main_Draw_Obj_State();
    // The preview of task state i_Id_Task from its preview results: the planes and the axis for
    // group creation (20) and redirection (22), the plane and the neighbours' segments for
    // insertion (24) and move (26); other states: nothing. A null plane: C_Exception.
    void M_Fn_View_Main_Draw_Preview(std::uint32_t i_Id_Task, const C_Preview& ro_Preview);
    // The cue of the input region's active state (scale, rotate, translate, drag select).
    void M_Fn_View_Main_Draw_Input();
    // The axis triad in the upper right corner (when the coordinate system is shown).
    void M_Fn_Draw_Axis_Triad();
    // One arrow along +x, 50 long, with a four-sided open pyramid from x = 35 to the tip.
    static void M_Fn_Draw_Axis_Arrow();
    // The prompt and the pick description (only while the view exists).
    void M_Fn_View_Main_Draw_Text();
    // One section in this view by the effective section display mode, at the marker size: as a
    // plane (picked and selected outlines from its flags) or by its own drawing for geometry and
    // elements; its overlay (the plane's axes, or its origin marker inside the plane); and its
    // drawing for the selection pick. On Hide or with no mode: nothing.
    void M_Fn_Sect_Draw(N_Biz::N_Sect::C_Sect& ro_Sect);
    void M_Fn_Sect_Draw_Overlay(N_Biz::N_Sect::C_Sect& ro_Sect);
    void M_Fn_Sect_Draw_Select(N_Biz::N_Sect::C_Sect& ro_Sect);

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }

    std::uint32_t m_Flags = 0;
    // Last press of each button, the cursor before and after the move being processed.
    C_Pos m_Pos_Left_Down;
    C_Pos m_Pos_Right_Down;
    C_Pos m_Pos_Middle_Down;
    C_Pos m_Pos_Prev;
    C_Pos m_Pos_Cur;
    // How the running gesture began (set and read by the input region): 0 none, 1 with Ctrl,
    // 2 right button with Alt, 3 middle button without Ctrl.
    std::uint32_t m_Input_Mode = 0;
    C_Light m_Light;

private:
    // Multiplies the zoom by i_Factor when the step is allowed within the zoom bounds (W scaled on
    // the left, so the pan scales with it) and invalidates; otherwise nothing changes.
    void M_Fn_Zoom_By(float i_Factor);
    // The wheel zoom of one wheel record (Shift or Ctrl held).
    void M_Fn_View_Main_Wheel(const N_Biz::N_Input::C_Input& ro_Input);
    // Both pending picks, then the selection-set update with the record's keys.
    void M_Fn_View_Main_Picks_Run(const N_Biz::N_Input::C_Input& ro_Input);
    // R := the rotation of a screen vector (eye-space axis perpendicular to it, 0.25 degrees per
    // pixel) times R; nothing for a zero vector.
    void M_Fn_Rotate_By_Screen(float i_Dx, float i_Dy);
    // The preview results of task state i_Id_Task from the section-group manager's aids; 1 when
    // there is something to draw.
    int M_Fn_View_Main_Preview_Get(std::uint32_t i_Id_Task, C_Preview& o_Preview);
    // Draws one plane by the plane's drawing and its axes, at the marker size.
    void M_Fn_Draw_Preview_Plane_Axes(const N_Sect::C_D_Plane& ro_Plane, float i_Size);

    C_Proj* m_p_Proj;
    std::uint32_t m_Disp_Model = E_Disp_None;
    std::uint32_t m_Disp_Sect = E_Disp_None;
    C_Vector3f m_Box_Min;
    C_Vector3f m_Box_Max;
    std::int32_t m_Width = 0;
    std::int32_t m_Height = 0;
    float m_Half_Width = 0.0f;
    float m_Half_Height = 0.0f;
    float m_Text_Origin[2] = {0.0f, 0.0f};
    float m_Triad_Origin[3] = {0.0f, 0.0f, 0.0f};
    // The rotation centre: the model point -t.
    C_Vector3f m_Center_Rotate;
    C_Matrix4f m_R;
    C_Matrix4f m_W;
    C_Matrix4f m_P;
    std::int32_t m_Viewport[4] = {0, 0, 0, 0};
    float m_Fit_Radius = 1.0f;
    float m_Zoom = 1.0f;
    void* m_p_View = nullptr;
};

} // namespace N_Biz::N_Proj
