// The section's main view: its paint, the contents in section coordinates and the overlays in
// pixels about the view centre.
#include "biz/sect/Biz_Sect_Mgr_Frame.h"

#include "biz/config/Biz_Config.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_Context_Draw_Tess.h"
#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "biz/sect/Biz_Sect_D_Tess_E_Segment.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "biz/sect/Biz_Sect_View_Draw.h"
#include "common/Common_Exception.h"
#include "common/Common_Graphic_OpenGL_Arrow.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <list>
#include <vector>

namespace N_Biz::N_Sect {

namespace {

using N_Common::N_Math::C_Vector2;
using N_Common::N_Math::C_Vector3;
using N_View_Draw::G_Fn_Config;
using N_State::C_Machine_Top;

// The most grid steps from the origin in each direction.
constexpr std::int64_t S_Grid_Steps_Max = 999998;
constexpr double S_Pi = 3.14159265358979323846;

// The active state of a region of the section's machine.
std::uint32_t G_Fn_State(const C_Sect& ro_Sect, C_Machine_Top::E_Region i_Region)
{
    return ro_Sect.M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(i_Region);
}

void G_Fn_Point(float i_Size, float i_R, float i_G, float i_B, float i_X, float i_Y)
{
    glPointSize(i_Size);
    glColor3f(i_R, i_G, i_B);
    glBegin(GL_POINTS);
    glVertex2f(i_X, i_Y);
    glEnd();
}

// The ring of a marked element at the segment's midpoint: 11 px white, 9 px of the colour, 5 px
// white, 3 px black.
void G_Fn_Element_Mark(const C_Sect& ro_Sect, std::int32_t i_Id, float i_R, float i_G, float i_B)
{
    if (i_Id <= 0)
        return;
    const auto& store = ro_Sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_Store();
    const auto id = static_cast<std::uint32_t>(i_Id);
    if (!store.is_used_at(id))
        return;
    const auto* p_segment = dynamic_cast<const C_D_Tess_E_Segment*>(store.at(id).get());
    if (!p_segment)
        return;
    const float x = p_segment->m_Mid.x, y = p_segment->m_Mid.y;
    G_Fn_Point(11.0f, 1.0f, 1.0f, 1.0f, x, y);
    G_Fn_Point(9.0f, i_R, i_G, i_B, x, y);
    G_Fn_Point(5.0f, 1.0f, 1.0f, 1.0f, x, y);
    G_Fn_Point(3.0f, 0.0f, 0.0f, 0.0f, x, y);
}

// The picks of a point or node selection: P1 first, then P0 on top.
template <class T_Handle>
void G_Fn_Draw_Picks(const C_Sect& ro_Sect, const std::list<T_Handle>& ro_P1, const std::list<T_Handle>& ro_P0)
{
    for (const T_Handle& handle : ro_P1) {
        const C_Vector2<float> pos = handle.M_Fn_Type_Any_Get_ro_Vector2_f(ro_Sect);
        const float xy[2] = {pos.x, pos.y};
        N_View_Draw::G_Fn_Point_Marked(xy, handle.m_Index ? N_View_Draw::S_Color_P1_Point : N_View_Draw::S_Color_P1_Free);
    }
    for (const T_Handle& handle : ro_P0) {
        const C_Vector2<float> pos = handle.M_Fn_Type_Any_Get_ro_Vector2_f(ro_Sect);
        const float xy[2] = {pos.x, pos.y};
        N_View_Draw::G_Fn_Point_Marked(xy, handle.m_Index ? N_View_Draw::S_Color_P0_Point : N_View_Draw::S_Color_P0_Free);
    }
}

// Every occupied slot of a point or node table as a 3-pixel white point (the table is bound as the
// vertex array).
template <class T_Store>
void G_Fn_Draw_Slots_As_Points(const T_Store& ro_Store)
{
    glPointSize(3.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_POINTS);
    for (std::uint32_t i = 1; i < ro_Store.size(); ++i)
        if (ro_Store.is_used_at(i))
            glArrayElement(GLint(i));
    glEnd();
}

// One stroke of a navigation glyph's quarter, from (x0, y0) to (x1, y1) in units of its radius.
struct C_Stroke {
    double m_X0, m_Y0, m_X1, m_Y1;
};
// Scaling: a double chevron pointing outwards; translating: an arrow outwards.
constexpr C_Stroke S_Glyph_Scale[] = {
    {0.8, 0.075, 1.0, 0.0}, {0.8, -0.075, 1.0, 0.0}, {0.65, 0.075, 0.85, 0.0}, {0.65, -0.075, 0.85, 0.0}};
constexpr C_Stroke S_Glyph_Translate[] = {{0.66, 0.0, 1.0, 0.0}, {0.8, 0.05, 1.0, 0.0}, {0.8, -0.05, 1.0, 0.0}};

// The strokes four times, turned by 0, 90, 180 and 270 degrees about the view centre.
template <std::size_t N>
void G_Fn_Glyph_Quarters(const C_Stroke (&i_Strokes)[N], double i_R)
{
    static const int s_Turn[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}}; // cos, sin
    glBegin(GL_LINES);
    for (const auto& turn : s_Turn)
        for (const C_Stroke& stroke : i_Strokes) {
            const double c = turn[0], s = turn[1];
            glVertex2d(i_R * (c * stroke.m_X0 - s * stroke.m_Y0), i_R * (s * stroke.m_X0 + c * stroke.m_Y0));
            glVertex2d(i_R * (c * stroke.m_X1 - s * stroke.m_Y1), i_R * (s * stroke.m_X1 + c * stroke.m_Y1));
        }
    glEnd();
}

// A closed loop of the 72 directions: centre + (cos, sin) x radius of each.
void G_Fn_Ring(double i_Cx, double i_Cy, double i_Radius)
{
    glBegin(GL_LINE_LOOP);
    for (int i = 0; i < 72; ++i) {
        const double a = double(i) * 5.0 * S_Pi / 180.0;
        glVertex2d(i_Cx + std::cos(a) * i_Radius, i_Cy + std::sin(a) * i_Radius);
    }
    glEnd();
}

} // namespace

// --- paint ---------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Draw()
{
    // Frozen for the whole paint, however it ends: picks and drawing must not invalidate the window
    // being painted, and a failing step must not leave the view frozen for good.
    struct C_Frozen {
        explicit C_Frozen(std::uint32_t& io_Flags) : m_Flags(io_Flags) { m_Flags |= E_Flag_Frozen; }
        ~C_Frozen() { m_Flags &= ~std::uint32_t(E_Flag_Frozen); }
        std::uint32_t& m_Flags;
    } frozen(m_Flags);
    M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag();
    m_p_Sect->M_Fn_Get_Mgr_Calc().M_Fn_Update_If_Stale();
    // The context's draw buffer is the back buffer of the double-buffered window.
    if (G_Fn_Config().m_Print_Mode)
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    else
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    M_Fn_View_Main_Draw_Obj();
    M_Fn_View_Main_Draw_Overlay();
}

// --- contents ------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Draw_Obj()
{
    const N_Biz::N_Config::C_Config_Data& config = G_Fn_Config();
    const C_Sect& sect = *m_p_Sect;
    const C_Result& result = *sect.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result();
    const bool valid = result.m_Valid != 0;
    const double cx = result.m_Prop[1].m_Center_X, cy = result.m_Prop[1].m_Center_Y;
    const std::uint32_t mode = sect.M_Fn_Get_Mgr_Sel().M_Fn_Mode_Get();
    if (mode < 1 || mode > 13)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Frame::M_Fn_View_Main_Draw_Obj");

    N_View_Draw::C_Matrix_Guard guard;
    glMultMatrixf(m_Matrix_View.m_Data);
    glLineWidth(1.0f);

    // 1. The radius about the section origin that holds everything visible, and the visible centre
    // and radius themselves.
    double radius = 1.0, view_x = 0.0, view_y = 0.0, view_r = 0.0;
    if (config.m_Show_Grid || config.m_Show_Principal || config.m_Show_Shear_Center) {
        C_Matrix4f inverse;
        m_Matrix_View.M_Fn_Invert(inverse);
        C_Vector3<float> c, e;
        inverse.M_Fn_Transform_Point(C_Vector3<float>(0.0f, 0.0f, 0.0f), c);
        inverse.M_Fn_Transform_Point(C_Vector3<float>(m_Size_Half.x, m_Size_Half.y, 0.0f), e);
        view_x = c.x, view_y = c.y;
        view_r = std::hypot(double(e.x) - c.x, double(e.y) - c.y);
        radius = std::hypot(double(c.x), double(c.y)) + view_r;
    }

    // 2. Grid: only the lines that can be visible (the view may be panned far from the origin).
    const double step = config.m_Grid_Scale;
    if (config.m_Show_Grid && radius > 0.0 && std::isfinite(radius) && std::isfinite(step) && step > 0.0) {
        std::int64_t first_y = 0, last_y = -1, first_x = 0, last_x = -1;
        const bool rows = S_Fn_Grid_Range(view_y, view_r, radius, step, first_y, last_y);
        const bool cols = S_Fn_Grid_Range(view_x, view_r, radius, step, first_x, last_x);
        const double x0 = std::max(-radius, view_x - view_r), x1 = std::min(radius, view_x + view_r);
        const double y0 = std::max(-radius, view_y - view_r), y1 = std::min(radius, view_y + view_r);
        auto shade = [](std::int64_t i_K, bool i_Row) {
            if (i_K == 0)
                i_Row ? glColor3f(0.4f, 0.3f, 0.3f) : glColor3f(0.3f, 0.4f, 0.3f);
            else if (i_K % 5 == 0)
                glColor3f(0.3f, 0.3f, 0.3f);
            else
                glColor3f(0.2f, 0.2f, 0.2f);
        };
        glBegin(GL_LINES);
        if (rows)
            for (std::int64_t k = first_y; k <= last_y; ++k) {
                shade(k, true);
                glVertex2d(x0, double(k) * step);
                glVertex2d(x1, double(k) * step);
            }
        if (cols)
            for (std::int64_t k = first_x; k <= last_x; ++k) {
                shade(k, false);
                glVertex2d(double(k) * step, y0);
                glVertex2d(double(k) * step, y1);
            }
        glEnd();
    }

    // 3. Principal axes.
    if (config.m_Show_Principal && valid) {
        const double a = result.m_Prop[1].m_Angle_Principal;
        glBegin(GL_LINES);
        glColor3f(0.9f, 0.6f, 0.5f);
        glVertex2d(cx + radius * std::cos(a), cy + radius * std::sin(a));
        glVertex2d(cx - radius * std::cos(a), cy - radius * std::sin(a));
        glColor3f(0.8f, 0.7f, 0.5f);
        glVertex2d(cx - radius * std::sin(a), cy + radius * std::cos(a));
        glVertex2d(cx + radius * std::sin(a), cy - radius * std::cos(a));
        glEnd();
    }

    // 4. 360 degree moment of inertia. The values pass 2^31 in mm^4: integers in 64 bits.
    if (config.m_Show_Inertia_360) {
        double bound = 0.0;
        for (const C_Result_Dir& dir : result.m_Dir)
            bound = std::max({bound, double(dir.m_Stiff_Eqv), double(dir.m_Stiff_Eff)});
        const std::int64_t n = bound < 9.0e18 ? std::int64_t(bound) : 0;
        const std::int64_t ring = S_Fn_Ring_Step(n);
        if (ring >= 1 && m_Zoom > 0.0f) {
            const std::int64_t count = (n + ring - 1) / ring;
            const double scale = 0.9 * double(m_Radius_Fit) / double(m_Zoom) / (double(count) * double(ring));
            for (std::int64_t k = 1; k <= count; ++k) {
                const double r = double(k * ring) * scale;
                glColor3f(0.4f, 0.4f, 0.4f);
                G_Fn_Ring(cx, cy, r);
                glColor3f(0.6f, 0.6f, 0.6f);
                N_View_Draw::G_Fn_Text(float(cx), float(cy + r), std::to_wstring(k * ring));
            }
            glLineWidth(1.5f);
            auto curve = [&](float C_Result_Dir::*i_Value) {
                glBegin(GL_LINE_LOOP);
                for (const C_Result_Dir& dir : result.m_Dir)
                    glVertex2d(cx + dir.m_Cos * double(dir.*i_Value) * scale, cy + dir.m_Sin * double(dir.*i_Value) * scale);
                glEnd();
            };
            glColor3f(0.7f, 0.6f, 0.9f);
            curve(&C_Result_Dir::m_Stiff_Eff);
            glColor3f(0.6f, 0.8f, 0.8f);
            curve(&C_Result_Dir::m_Stiff_Eqv);
            glLineWidth(1.0f);
        }
    }

    // 5. Geometry or mesh, with the picks and the selection set.
    if (mode >= 8 && mode <= 12) {
        M_Fn_View_Main_Bind_Tess_N();
        C_Context_Draw_Tess context;
        N_View_Draw::G_Fn_Context_Tess_Init(context, *m_p_Sect);
        const auto& elements = sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < elements.size(); ++i)
            if (elements.is_used_at(i) && elements.elements()[i])
                elements.elements()[i]->M_Fn_Draw(context);
        const C_Mgr_D_Tess_N& nodes = sect.M_Fn_Get_Mgr_D_Tess_N();
        const auto& node_store = nodes.M_Fn_Get_Store();
        if (context.m_Show_Thk)
            for (std::uint32_t i = 1; i < node_store.size(); ++i)
                if (node_store.is_used_at(i))
                    node_store.elements()[i].M_Fn_Draw(context);
        if (config.m_Show_Nodes)
            G_Fn_Draw_Slots_As_Points(node_store);
        G_Fn_Draw_Picks(sect, nodes.M_Fn_Sel_P1_Get(), nodes.M_Fn_Sel_P0_Get());
    } else {
        M_Fn_View_Main_Bind_Geom_P();
        C_Context_Draw_Geom context;
        N_View_Draw::G_Fn_Context_Geom_Init(context, *m_p_Sect);
        N_View_Draw::G_Fn_Draw_Geom_E(sect, context, true);
        const C_Mgr_D_Geom_P& points = sect.M_Fn_Get_Mgr_D_Geom_P();
        if (config.m_Show_Nodes)
            G_Fn_Draw_Slots_As_Points(points.M_Fn_Get_Store());
        G_Fn_Draw_Picks(sect, points.M_Fn_Sel_P1_Get(), points.M_Fn_Sel_P0_Get());
    }
    glLineWidth(1.0f);

    // 6. Previews of the running task.
    const std::uint32_t task = G_Fn_State(sect, C_Machine_Top::E_Region_Task);
    const C_Mgr_D_Geom_P& points = sect.M_Fn_Get_Mgr_D_Geom_P();
    if (task == C_Machine_Top::E_Id_Task_D_Geom_Create_Line || task == C_Machine_Top::E_Id_Task_D_Geom_Create_Weld) {
        if (!points.M_Fn_Sel_P0_Get().empty() && !points.M_Fn_Sel_P1_Get().empty()) {
            const C_Vector2<float> a = points.M_Fn_Sel_P0_Get().front().M_Fn_Type_Any_Get_ro_Vector2_f(sect);
            const C_Vector2<float> b = points.M_Fn_Sel_P1_Get().front().M_Fn_Type_Any_Get_ro_Vector2_f(sect);
            glColor3f(0.5f, 0.5f, 0.5f);
            glBegin(GL_LINES);
            glVertex2f(a.x, a.y);
            glVertex2f(b.x, b.y);
            glEnd();
        }
    } else if (task == C_Machine_Top::E_Id_Task_D_Geom_Move_P_1) {
        C_Context_Draw_Geom context;
        context.m_p_Sect = m_p_Sect;
        float offset[2] = {0.0f, 0.0f};
        if (sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Aid_Pre_Move_Selected(context.m_Point_Moved, offset[0], offset[1])) {
            context.m_Move_Preview = 1;
            context.m_p_Offset = offset;
            M_Fn_View_Main_Bind_Geom_P();
            glColor3f(0.5f, 0.5f, 0.5f);
            N_View_Draw::G_Fn_Draw_Geom_E(sect, context, false);
        }
    }

    // 7. Centroid, 8. the element the checks marked, 9. the weakest element of the shown case.
    G_Fn_Point(5.0f, 0.5f, 0.8f, 0.8f, float(cx), float(cy));
    G_Fn_Element_Mark(sect, result.m_Element_Marked, 1.0f, 0.2f, 0.2f);
    if (config.m_Show_Weakest && valid && config.m_Load_Case >= 0 && config.m_Load_Case < 6)
        G_Fn_Element_Mark(sect, result.m_Case[std::size_t(config.m_Load_Case)].m_Element_Critical, 0.8f, 0.2f, 1.0f);
}

// --- overlays ------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Draw_Overlay()
{
    const N_Biz::N_Config::C_Config_Data& config = G_Fn_Config();
    const C_Sect& sect = *m_p_Sect;
    N_View_Draw::C_Matrix_Guard guard;
    glLoadIdentity();
    glLineWidth(1.0f);

    // 10. Navigation glyph of the input state.
    const float r = 0.6f * m_Radius_Fit;
    const std::uint32_t input = G_Fn_State(sect, C_Machine_Top::E_Region_Input);
    if (input == C_Machine_Top::E_Id_Input_Scale) {
        glColor3f(1.0f, 0.5f, 1.0f);
        G_Fn_Glyph_Quarters(S_Glyph_Scale, r);
    } else if (input == C_Machine_Top::E_Id_Input_Rotate) {
        glColor3f(0.75f, 0.75f, 1.0f);
        glBegin(GL_LINE_LOOP);
        for (int i = 0; 0.1 * i < 2.0 * S_Pi; ++i)
            glVertex2d(r * std::cos(0.1 * i), r * std::sin(0.1 * i));
        glEnd();
    } else if (input == C_Machine_Top::E_Id_Input_Translate) {
        glColor3f(0.5f, 1.0f, 1.0f);
        G_Fn_Glyph_Quarters(S_Glyph_Translate, r);
    } else if (input == C_Machine_Top::E_Id_Input_Drag_Select) {
        const float x0 = float(m_Pos_Down_Left[0]) - m_Size_Half.x, y0 = float(m_Pos_Down_Left[1]) - m_Size_Half.y;
        const float x1 = float(m_Pos_Prev[0]) - m_Size_Half.x, y1 = float(m_Pos_Prev[1]) - m_Size_Half.y;
        glColor3f(1.0f, 1.0f, 1.0f);
        glBegin(GL_LINE_LOOP);
        glVertex2f(x0, y0);
        glVertex2f(x1, y0);
        glVertex2f(x1, y1);
        glVertex2f(x0, y1);
        glEnd();
    }

    // 11, 12. The global triad shows the model's axes as seen in the section, the local one the
    // section's own.
    if (config.m_Show_Coord) {
        C_Matrix4f global = m_Matrix_Rotate;
        global.M_Fn_Mul(sect.M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Inverse_Rotation());
        static const wchar_t* const s_Global[3] = {L"GX", L"GY", L"GZ"};
        static const wchar_t* const s_Local[3] = {L"LX", L"LY", nullptr};
        struct C_Triad {
            const C_Vector3f* m_p_Anchor;
            const C_Matrix4f* m_p_Turn;
            const wchar_t* const* m_Labels;
        };
        const C_Triad triads[2] = {{&m_Pos_Triad_Global, &global, s_Global}, {&m_Pos_Triad_Local, &m_Matrix_Rotate, s_Local}};
        static const float s_Axis_Color[3][3] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.4f, 0.4f, 1.0f}};
        static const float s_Label_Color[3][3] = {{1.0f, 0.9f, 0.9f}, {0.9f, 1.0f, 0.9f}, {0.9f, 0.9f, 1.0f}};
        for (const auto& triad : triads) {
            const C_Vector3f& anchor = *triad.m_p_Anchor;
            const C_Matrix4f& turn = *triad.m_p_Turn;
            {
                N_View_Draw::C_Matrix_Guard arrows;
                glTranslatef(anchor.x, anchor.y, anchor.z);
                glMultMatrixf(turn.m_Data);
                G_Fn_Point(3.0f, 1.0f, 1.0f, 1.0f, 0.0f, 0.0f);
                glColor3fv(s_Axis_Color[0]);
                N_Common::N_Graphic::N_OpenGL::G_Fn_Draw_Axis_Arrow();
                glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
                glColor3fv(s_Axis_Color[1]);
                N_Common::N_Graphic::N_OpenGL::G_Fn_Draw_Axis_Arrow();
                glRotatef(90.0f, 0.0f, -1.0f, 0.0f);
                glColor3fv(s_Axis_Color[2]);
                N_Common::N_Graphic::N_OpenGL::G_Fn_Draw_Axis_Arrow();
            }
            for (int axis = 0; axis < 3; ++axis) {
                const wchar_t* label = triad.m_Labels[axis];
                if (!label)
                    continue;
                C_Vector3<float> tip(axis == 0 ? 60.0f : 0.0f, axis == 1 ? 60.0f : 0.0f, axis == 2 ? 60.0f : 0.0f);
                turn.M_Fn_Transform_Point(tip, tip);
                glColor3fv(s_Label_Color[axis]);
                N_View_Draw::G_Fn_Text(anchor.x + tip.x - 5.0f, anchor.y + tip.y - 6.0f, label);
            }
        }
    }

    // 13. The prompt and the description of the current pick.
    glColor3f(0.0f, 1.0f, 0.0f);
    const float px = m_Pos_Prompt.x, py = m_Pos_Prompt.y;
    N_View_Draw::G_Fn_Text(px, py, sect.M_Fn_Get_Mgr_Sel().M_Fn_Prompt_Get());
    glColor3f(1.0f, 1.0f, 1.0f);
    float y = py - 25.0f;
    for (const std::wstring& line : sect.M_Fn_Get_Mgr_Sel().M_Fn_Desc_Get()) {
        N_View_Draw::G_Fn_Text(px + 10.0f, y, line);
        y -= 15.0f;
    }
}

// --- helpers -------------------------------------------------------------------------------------

std::int64_t C_Mgr_Frame::S_Fn_Ring_Step(std::int64_t i_Bound)
{
    if (i_Bound < 1)
        return 0;
    std::int64_t power = 1;
    while (power <= i_Bound / 10)
        power *= 10;
    const std::int64_t digit = i_Bound / power;
    if (digit >= 5)
        return 2 * power;
    if (digit < 2)
        return power / 2;
    return power;
}

bool C_Mgr_Frame::S_Fn_Grid_Range(double i_Centre, double i_Radius, double i_Bound, double i_Step,
                                  std::int64_t& o_First, std::int64_t& o_Last)
{
    if (!(i_Step > 0.0) || !(i_Bound > 0.0) || !std::isfinite(i_Centre) || !std::isfinite(i_Radius) ||
        !std::isfinite(i_Bound))
        return false;
    const double steps_max = double(S_Grid_Steps_Max);
    // Strictly inside the bound: the largest k with k x step < bound.
    double inside = std::ceil(i_Bound / i_Step) - 1.0;
    inside = std::min(inside, steps_max);
    const double lo = std::max(std::ceil((i_Centre - i_Radius) / i_Step), -inside);
    const double hi = std::min(std::floor((i_Centre + i_Radius) / i_Step), inside);
    if (!(lo <= hi))
        return false;
    o_First = std::int64_t(lo);
    o_Last = std::int64_t(hi);
    return true;
}

} // namespace N_Biz::N_Sect
