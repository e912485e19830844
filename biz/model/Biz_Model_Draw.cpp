// Drawing and picking of a model in the project's 3-D view.
//
// In the node style the node vector is the vertex array (stride one node row), so an element's
// nodes are drawn by their positions with glArrayElement. The shaded and mesh styles draw from
// per-corner arrays kept between frames (C_Model::M_Fn_Draw_Arrays): one glDrawElements for all
// elements that are neither hidden nor highlighted, the highlighted ones one by one after them as
// before, and the shaded style's edges as one list of line pairs (each element's four edges in
// loop order, which rasterise as its line loop did). A three-node element is drawn through its corners (the
// third node repeated as the fourth, a degenerate quadrilateral) and marks only its three nodes: its
// fourth node slot is never read. Node references come from files; an element naming a node
// outside the node vector is skipped rather than handed to OpenGL.
//
// Picking does not use the GL selection buffer: the caller's pick projection maps the pick window
// onto [-1, 1] x [-1, 1], and the nodes are carried through projection x modelview here and tested
// against that square (elements by their projected polygon, separating-axis test).
#include "biz/model/Biz_Model.h"

#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace N_Biz::N_Model {

namespace {

using N_Common::N_Math::C_Matrix4;
using N_Common::N_Math::C_Vector3;

constexpr std::uint32_t K_Node_Used = 0x04;
constexpr std::uint32_t K_Node_Visible = 0x08;
constexpr std::uint32_t K_Highlighted = N_DB::C_Row_Relation::E_Flag_Picked_Effective |
                                         N_DB::C_Row_Relation::E_Flag_Selected_Effective;

// Whether every node of the element lies in the node vector.
bool G_Fn_Nodes_Valid(const N_DB::C_Row_Element_2D& ro_Element, std::size_t i_Count)
{
    for (std::uint32_t i = 0; i < ro_Element.M_Fn_Node_Num(); ++i) {
        const std::int32_t node = ro_Element.M_Fn_Node_Get(i);
        if (node < 0 || static_cast<std::size_t>(node) >= i_Count)
            return false;
    }
    return true;
}

void G_Fn_Nodes_Mark(const N_DB::C_Row_Element_2D& ro_Element, N_DB::T_Nodes& io_Nodes, std::uint32_t i_Mark)
{
    for (std::uint32_t i = 0; i < ro_Element.M_Fn_Node_Num(); ++i)
        io_Nodes[static_cast<std::size_t>(ro_Element.M_Fn_Node_Get(i))].m_u32_Flag |= i_Mark;
}

void G_Fn_Corners_Emit(const N_DB::C_Row_Element_2D& ro_Element)
{
    for (std::uint32_t i = 0; i < 4; ++i)
        glArrayElement(ro_Element.M_Fn_Node_Corner_Get(i));
}

// The element's colour (card colour, or black when highlighted and grey otherwise without one).
std::array<float, 4> G_Fn_Color(N_DB::C_Row_Element_2D& ro_Element, bool i_Color_By_Material)
{
    std::array<float, 4> color{};
    if (!ro_Element.M_Fn_Flag_Derived_Refresh_Color(i_Color_By_Material, color)) {
        if (ro_Element.m_u32_Flag & K_Highlighted)
            color = {0.0f, 0.0f, 0.0f, 1.0f};
        else
            color = {0.4f, 0.4f, 0.4f, 1.0f};
    }
    return color;
}

// The node and mesh styles' first steps for one element: its nodes marked as used (also when it
// is hidden), its colour and derived flags refreshed; true when it is to be drawn.
bool G_Fn_Element_Prepare(N_DB::C_Row_Element_2D& io_Element, N_DB::T_Nodes& io_Nodes, bool i_Color_By_Material,
                          std::array<float, 4>& o_Color)
{
    if (!G_Fn_Nodes_Valid(io_Element, io_Nodes.size()))
        return false;
    G_Fn_Nodes_Mark(io_Element, io_Nodes, K_Node_Used);
    o_Color = G_Fn_Color(io_Element, i_Color_By_Material);
    return !(io_Element.m_u32_Flag & N_DB::C_Row_Relation::E_Flag_Hidden_Effective);
}

// projection x modelview as OpenGL holds them now.
C_Matrix4<float> G_Fn_Pick_Matrix()
{
    float projection[16], modelview[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    C_Matrix4<float> c(projection);
    c.M_Fn_Mul(C_Matrix4<float>(modelview));
    return c;
}

// Minimum and maximum of the dot products of the points with the axis.
void M_Fn_Get_Range_Projected(const C_Vector3<float>* i_p_Points, std::size_t i_Count, float i_Ax, float i_Ay,
                              float& o_Min, float& o_Max)
{
    o_Min = o_Max = i_p_Points[0].x * i_Ax + i_p_Points[0].y * i_Ay;
    for (std::size_t i = 1; i < i_Count; ++i) {
        const float d = i_p_Points[i].x * i_Ax + i_p_Points[i].y * i_Ay;
        o_Min = std::min(o_Min, d);
        o_Max = std::max(o_Max, d);
    }
}

// Depth at (0, 0) of the plane through three projected points: with n = (p2 - p0) x (p1 - p0)
// and d = -(n . p0), z = -d / n.z. A plane seen edge-on gives the first point's depth.
float M_Fn_Get_Plane_Depth(const C_Vector3<float>& p0, const C_Vector3<float>& p1, const C_Vector3<float>& p2)
{
    const float ux = p2.x - p0.x, uy = p2.y - p0.y, uz = p2.z - p0.z;
    const float vx = p1.x - p0.x, vy = p1.y - p0.y, vz = p1.z - p0.z;
    const float a = uy * vz - uz * vy, b = uz * vx - ux * vz, c = ux * vy - uy * vx;
    const float d = -(a * p0.x + b * p0.y + c * p0.z);
    if (std::fabs(c) < 1e-12f)
        return p0.z;
    return -d / c;
}

// The element's four corners into the arrays at corner 4 * e.
void G_Fn_Corners_Store(const N_DB::C_Row_Element_2D& ro_Element, const N_DB::T_Nodes& ro_Nodes, std::size_t i_Index,
                        C_Model::C_Draw_Arrays& ro_Arrays)
{
    float* p = ro_Arrays.m_Positions.data() + 12 * i_Index;
    float* n = ro_Arrays.m_Normals.data() + 12 * i_Index;
    for (std::uint32_t k = 0; k < 4; ++k) {
        const float* xyz = ro_Nodes[static_cast<std::size_t>(ro_Element.M_Fn_Node_Corner_Get(k))].M_Fn_Coordinates();
        p[3 * k] = xyz[0];
        p[3 * k + 1] = xyz[1];
        p[3 * k + 2] = xyz[2];
        n[3 * k] = ro_Element.m_Normal.x;
        n[3 * k + 1] = ro_Element.m_Normal.y;
        n[3 * k + 2] = ro_Element.m_Normal.z;
    }
}

// The corner pairs (as in m_Edges) of the state-1 elements whose lines the mesh style's
// glPolygonOffset (1, 1) would push to the far end of the depth range, into o_Edges.
//
// The offset adds the polygon's depth slope in window space, m = |grad z|, to each of its
// fragments. An element seen edge-on has an unbounded slope, and one nearly so a slope beyond the
// whole depth range: its fragments are clamped to the far value and fail the depth test against
// the cleared buffer, so the element vanishes. With the window-space normal n of the element,
// m = |(n.x, n.y)| / |n.z|; it reaches the far end when m >= far - z for its farthest corner z.
// The model's corner box gives one bound of z for every element: an element is taken when
// |(n.x, n.y)| >= (far - z_box - margin) |n.z| (a superset of those that lose fragments; an
// element outlined twice looks the same). The margin covers the units term and rounding.
//
// The window-space normal of a model normal is cof(J) n, J the linear part of model -> window
// (viewport and depth range x projection x modelview, which includes the model's transform); the
// cofactor rows are the cross products of J's rows. Only affine projections are judged (the
// project view is orthographic); any other leaves the list empty.
void G_Fn_Edges_Edge_On(const C_Model::C_Draw_Arrays& ro_Arrays, std::vector<std::uint32_t>& o_Edges)
{
    o_Edges.clear();
    float modelview[16], projection[16], range[2];
    GLint viewport[4];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glGetFloatv(GL_DEPTH_RANGE, range);
    glGetIntegerv(GL_VIEWPORT, viewport);
    C_Matrix4<float> c(projection);
    c.M_Fn_Mul(C_Matrix4<float>(modelview));
    const float* m = c.m_Data; // column-major: row r, column k at m[4 * k + r]
    if (m[3] != 0.0f || m[7] != 0.0f || m[11] != 0.0f || m[15] == 0.0f)
        return;
    const float scale[3] = {0.5f * float(viewport[2]) / m[15], 0.5f * float(viewport[3]) / m[15],
                            0.5f * (range[1] - range[0]) / m[15]};
    C_Vector3<float> rows[3];
    for (int r = 0; r < 3; ++r)
        rows[r] = C_Vector3<float>(m[r] * scale[r], m[4 + r] * scale[r], m[8 + r] * scale[r]);
    const C_Vector3<float> cof[3] = {rows[1].M_Fn_Cross(rows[2]), rows[2].M_Fn_Cross(rows[0]),
                                     rows[0].M_Fn_Cross(rows[1])};
    // The farthest window depth of the corner box.
    const float* lo = ro_Arrays.m_Box_Min;
    const float* hi = ro_Arrays.m_Box_Max;
    float z_far = range[0];
    for (int corner = 0; corner < 8; ++corner) {
        const float x = corner & 1 ? hi[0] : lo[0], y = corner & 2 ? hi[1] : lo[1], z = corner & 4 ? hi[2] : lo[2];
        const float z_ndc = (m[2] * x + m[6] * y + m[10] * z + m[14]) / m[15];
        z_far = std::max(z_far, range[0] + (z_ndc + 1.0f) * 0.5f * (range[1] - range[0]));
    }
    constexpr float K_Margin = 1.0f / 1024;
    const float gap = std::max(range[1] - z_far - K_Margin, 0.0f);
    const float gap_2 = gap * gap;
    const std::size_t count = ro_Arrays.m_State.size();
    for (std::size_t e = 0; e < count; ++e) {
        if (ro_Arrays.m_State[e] != 1)
            continue;
        const C_Vector3<float> n(ro_Arrays.m_Normals[12 * e], ro_Arrays.m_Normals[12 * e + 1],
                                 ro_Arrays.m_Normals[12 * e + 2]);
        const float nx = cof[0].M_Fn_Dot(n), ny = cof[1].M_Fn_Dot(n), nz = cof[2].M_Fn_Dot(n);
        if (nx * nx + ny * ny < gap_2 * nz * nz)
            continue;
        const auto first = static_cast<std::uint32_t>(4 * e);
        for (std::uint32_t k = 0; k < 4; ++k) {
            o_Edges.push_back(first + k);
            o_Edges.push_back(first + (k + 1) % 4);
        }
    }
}

} // namespace

std::atomic<std::uint64_t> C_Model::S_Geometry_Serial{0};

void C_Model::M_Fn_Draw_Arrays_Update(bool i_Color_By_Material, std::uint32_t i_Node_Mark)
{
    C_Draw_Arrays& a = m_Draw_Arrays;
    N_DB::T_Nodes& nodes = m_Data.m_Nodes;
    auto& elements = m_Data.m_Elements;
    const std::uint64_t serial = S_Geometry_Serial.load();
    const std::size_t count = elements.size();
    if (a.m_Serial != serial || a.m_p_Nodes != nodes.data() || a.m_p_Elements != elements.data() ||
        a.m_Count_Nodes != nodes.size() || a.m_Count_Elements != count) {
        a.m_Serial = serial;
        a.m_p_Nodes = nodes.data();
        a.m_p_Elements = elements.data();
        a.m_Count_Nodes = nodes.size();
        a.m_Count_Elements = count;
        a.m_Positions.assign(12 * count, 0.0f);
        a.m_Normals.assign(12 * count, 0.0f);
        a.m_Colors.assign(16 * count, -1.0f);
        a.m_State.assign(count, 0xFF);
        a.m_Valid.assign(count, 0);
        std::array<float, 3> lo{}, hi{};
        bool any = false;
        for (std::size_t e = 0; e < count; ++e) {
            if (!G_Fn_Nodes_Valid(elements[e], nodes.size()))
                continue;
            a.m_Valid[e] = 1;
            G_Fn_Corners_Store(elements[e], nodes, e, a);
            for (std::size_t k = 0; k < 4; ++k, any = true)
                for (std::size_t axis = 0; axis < 3; ++axis) {
                    const float v = a.m_Positions[12 * e + 3 * k + axis];
                    lo[axis] = any ? std::min(lo[axis], v) : v;
                    hi[axis] = any ? std::max(hi[axis], v) : v;
                }
        }
        std::copy(lo.begin(), lo.end(), a.m_Box_Min);
        std::copy(hi.begin(), hi.end(), a.m_Box_Max);
    }
    bool lists = false;
    for (std::size_t e = 0; e < count; ++e) {
        N_DB::C_Row_Element_2D& element = elements[e];
        std::uint8_t state = 0;
        if (a.m_Valid[e]) {
            if (i_Node_Mark)
                G_Fn_Nodes_Mark(element, nodes, i_Node_Mark);
            const std::array<float, 4> color = G_Fn_Color(element, i_Color_By_Material);
            float* c = a.m_Colors.data() + 16 * e;
            if (c[0] != color[0] || c[1] != color[1] || c[2] != color[2] || c[3] != color[3])
                for (std::uint32_t k = 0; k < 4; ++k)
                    std::copy(color.begin(), color.end(), c + 4 * k);
            if (!(element.m_u32_Flag & N_DB::C_Row_Relation::E_Flag_Hidden_Effective))
                state = (element.m_u32_Flag & K_Highlighted) ? 2 : 1;
        }
        if (state != a.m_State[e]) {
            a.m_State[e] = state;
            lists = true;
        }
    }
    if (!lists)
        return;
    a.m_Quads.clear();
    a.m_Edges.clear();
    a.m_Highlighted.clear();
    for (std::size_t e = 0; e < count; ++e) {
        if (a.m_State[e] == 0)
            continue;
        const auto first = static_cast<std::uint32_t>(4 * e);
        if (a.m_State[e] == 1)
            for (std::uint32_t k = 0; k < 4; ++k)
                a.m_Quads.push_back(first + k);
        else
            a.m_Highlighted.push_back(static_cast<std::uint32_t>(e));
        for (std::uint32_t k = 0; k < 4; ++k) {
            a.m_Edges.push_back(first + k);
            a.m_Edges.push_back(first + (k + 1) % 4);
        }
    }
}

void C_Model::M_Fn_Draw(std::uint32_t i_Style, bool i_Color_By_Material, bool i_Edge)
{
    N_DB::T_Nodes& nodes = m_Data.m_Nodes;
    if (nodes.empty())
        return;
    // Bound rows only: an unbound row has no coordinates (throws as the node lookup does).
    (void)nodes.front().M_ro_Vector3_f32();
    glVertexPointer(3, GL_FLOAT, sizeof(N_DB::C_Row_Node), nodes.front().M_Fn_Coordinates());
    glEnableClientState(GL_VERTEX_ARRAY);
    glPushMatrix();
    glMultMatrixf(m_Transform.m_Data);

    std::array<float, 4> color_last{-1, -1, -1, -1};
    auto color_set = [&color_last](const std::array<float, 4>& ro_Color) {
        if (ro_Color != color_last) {
            glColor4fv(ro_Color.data());
            color_last = ro_Color;
        }
    };

    if (i_Style == E_Style_Node) {
        glEnable(GL_POLYGON_OFFSET_LINE);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glPolygonOffset(-1, -1);
        glLineWidth(1);
        glPointSize(1);
        for (N_DB::C_Row_Element_2D& element : m_Data.m_Elements) {
            std::array<float, 4> color;
            if (!G_Fn_Element_Prepare(element, nodes, i_Color_By_Material, color))
                continue;
            color_set(color);
            glNormal3f(element.m_Normal.x, element.m_Normal.y, element.m_Normal.z);
            glBegin((element.m_u32_Flag & K_Highlighted) ? GL_QUADS : GL_POINTS);
            G_Fn_Corners_Emit(element);
            glEnd();
        }
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
        glDisable(GL_POLYGON_OFFSET_LINE);
    } else if (i_Style == E_Style_Mesh || i_Style == E_Style_Shaded) {
        M_Fn_Draw_Arrays_Update(i_Color_By_Material, i_Style == E_Style_Mesh ? K_Node_Used : 0);
        const C_Draw_Arrays& a = m_Draw_Arrays;
        glVertexPointer(3, GL_FLOAT, 0, a.m_Positions.data());
        glColorPointer(4, GL_FLOAT, 0, a.m_Colors.data());
        glNormalPointer(GL_FLOAT, 0, a.m_Normals.data());
        // The highlighted elements, one by one with their own state, after the others.
        auto highlighted = [&a](const auto& i_Each) {
            for (const std::uint32_t e : a.m_Highlighted)
                i_Each(e, a.m_Colors.data() + 16 * std::size_t(e));
        };
        auto corners = [](std::uint32_t i_Element) {
            for (std::uint32_t k = 0; k < 4; ++k)
                glArrayElement(static_cast<GLint>(4 * i_Element + k));
        };
        if (i_Style == E_Style_Mesh) {
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            glEnable(GL_POLYGON_OFFSET_LINE);
            glPolygonOffset(1, 1);
            glLineWidth(1);
            glEnableClientState(GL_COLOR_ARRAY);
            glDrawElements(GL_QUADS, static_cast<GLsizei>(a.m_Quads.size()), GL_UNSIGNED_INT, a.m_Quads.data());
            // What the offset pushed out of the depth range, again as lines, which it leaves alone.
            G_Fn_Edges_Edge_On(a, m_Draw_Arrays.m_Edges_Edge_On);
            if (!a.m_Edges_Edge_On.empty())
                glDrawElements(GL_LINES, static_cast<GLsizei>(a.m_Edges_Edge_On.size()), GL_UNSIGNED_INT,
                               a.m_Edges_Edge_On.data());
            glDisableClientState(GL_COLOR_ARRAY);
            if (!a.m_Highlighted.empty()) {
                glLineWidth(1.5f);
                highlighted([&](std::uint32_t i_Element, const float* i_Color) {
                    glColor4fv(i_Color);
                    glBegin(GL_LINE_LOOP);
                    corners(i_Element);
                    glEnd();
                });
            }
            glLineWidth(1);
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            glDisable(GL_POLYGON_OFFSET_LINE);
        } else {
            static const float black[4] = {0, 0, 0, 1};
            glEnable(GL_LIGHTING);
            glEnable(GL_POLYGON_OFFSET_FILL);
            glPolygonOffset(1, 1);
            glLineWidth(1);
            glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
            glEnableClientState(GL_COLOR_ARRAY);
            glEnableClientState(GL_NORMAL_ARRAY);
            glDrawElements(GL_QUADS, static_cast<GLsizei>(a.m_Quads.size()), GL_UNSIGNED_INT, a.m_Quads.data());
            glDisableClientState(GL_COLOR_ARRAY);
            glDisableClientState(GL_NORMAL_ARRAY);
            if (!a.m_Highlighted.empty()) {
                glBegin(GL_QUADS);
                highlighted([&](std::uint32_t i_Element, const float* i_Color) {
                    glColor4fv(black);
                    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, i_Color);
                    glNormal3fv(a.m_Normals.data() + 12 * std::size_t(i_Element));
                    corners(i_Element);
                });
                glEnd();
            }
            glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
            glDisable(GL_POLYGON_OFFSET_FILL);
            glDisable(GL_LIGHTING);
            if (i_Edge) {
                glColor3f(0.125f, 0.125f, 0.125f);
                glDrawElements(GL_LINES, static_cast<GLsizei>(a.m_Edges.size()), GL_UNSIGNED_INT, a.m_Edges.data());
            }
        }
        // The free nodes below are drawn from the node vector.
        glVertexPointer(3, GL_FLOAT, sizeof(N_DB::C_Row_Node), nodes.front().M_Fn_Coordinates());
    }

    if (i_Style == E_Style_Node || i_Style == E_Style_Mesh) {
        // Free nodes: those that no element marked; the marks are cleared on the way.
        glPointSize(1);
        glColor3f(1, 1, 1);
        glBegin(GL_POINTS);
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            if (nodes[i].m_u32_Flag & K_Node_Used) {
                nodes[i].m_u32_Flag &= ~K_Node_Used;
                continue;
            }
            glArrayElement(static_cast<GLint>(i));
        }
        glEnd();
    }
    glPopMatrix();
    glDisableClientState(GL_VERTEX_ARRAY);
}

void C_Model::M_Fn_Draw_Select_D_DB_N(const T_Fn_Visitor& ro_Visitor)
{
    if (!ro_Visitor)
        VT_THROW("N_Biz::N_Model::C_Model::M_Fn_Draw_Select_D_DB_N");
    N_DB::T_Nodes& nodes = m_Data.m_Nodes;
    glPushMatrix();
    glMultMatrixf(m_Transform.m_Data);
    const C_Matrix4<float> c = G_Fn_Pick_Matrix();
    for (N_DB::C_Row_Element_2D& element : m_Data.m_Elements) {
        element.M_Fn_Flag_Derived_Refresh();
        if (!G_Fn_Nodes_Valid(element, nodes.size()))
            continue;
        const bool visible = !(element.m_u32_Flag & N_DB::C_Row_Relation::E_Flag_Hidden_Effective);
        G_Fn_Nodes_Mark(element, nodes, visible ? K_Node_Used | K_Node_Visible : K_Node_Used);
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        C_Vector3<float> p;
        c.M_Fn_Transform_Point(nodes[i].M_ro_Vector3_f32(), p);
        if (p.x >= -1 && p.x <= 1 && p.y >= -1 && p.y <= 1)
            ro_Visitor(p.z, static_cast<std::uint32_t>(i));
    }
    glPopMatrix();
}

void C_Model::M_Fn_Draw_Select_D_DB_E_2D(const T_Fn_Visitor& ro_Visitor, bool i_Point_Mode, bool i_Clear_Pick)
{
    if (!ro_Visitor)
        VT_THROW("N_Biz::N_Model::C_Model::M_Fn_Draw_Select_D_DB_E_2D");
    const N_DB::T_Nodes& nodes = m_Data.m_Nodes;
    glPushMatrix();
    glMultMatrixf(m_Transform.m_Data);
    const C_Matrix4<float> c = G_Fn_Pick_Matrix();

    std::array<C_Vector3<float>, 4> window;
    std::size_t window_count = 1;
    if (i_Point_Mode) {
        window[0] = C_Vector3<float>(0, 0, 0);
    } else {
        window = {C_Vector3<float>(1, 1, 0), C_Vector3<float>(1, -1, 0), C_Vector3<float>(-1, -1, 0),
                  C_Vector3<float>(-1, 1, 0)};
        window_count = 4;
    }
    // Bounding boxes are the ranges projected on the two axes.
    float win_min_x, win_max_x, win_min_y, win_max_y;
    M_Fn_Get_Range_Projected(window.data(), window_count, 1, 0, win_min_x, win_max_x);
    M_Fn_Get_Range_Projected(window.data(), window_count, 0, 1, win_min_y, win_max_y);

    for (std::size_t index = 0; index < m_Data.m_Elements.size(); ++index) {
        N_DB::C_Row_Element_2D& element = m_Data.m_Elements[index];
        if (i_Clear_Pick)
            element.m_u32_Flag &= ~N_DB::C_Row_Relation::E_Flag_Picked;
        element.M_Fn_Flag_Derived_Refresh();
        if ((element.m_u32_Flag & N_DB::C_Row_Relation::E_Flag_Hidden_Effective) ||
            !G_Fn_Nodes_Valid(element, nodes.size()))
            continue;
        const std::uint32_t n = element.M_Fn_Node_Num();
        std::array<C_Vector3<float>, 4> poly;
        for (std::uint32_t i = 0; i < n; ++i)
            c.M_Fn_Transform_Point(nodes[static_cast<std::size_t>(element.M_Fn_Node_Get(i))].M_ro_Vector3_f32(),
                                   poly[i]);
        float min_x, max_x, min_y, max_y;
        M_Fn_Get_Range_Projected(poly.data(), n, 1, 0, min_x, max_x);
        M_Fn_Get_Range_Projected(poly.data(), n, 0, 1, min_y, max_y);
        if (max_x < win_min_x || min_x > win_max_x || max_y < win_min_y || min_y > win_max_y)
            continue;
        bool separated = false;
        for (std::uint32_t i = 0; i < n && !separated; ++i) {
            const C_Vector3<float>& a = poly[i];
            const C_Vector3<float>& b = poly[(i + 1) % n];
            float ax = -(b.y - a.y), ay = b.x - a.x;
            if (std::fabs(ax) < 1e-6f && std::fabs(ay) < 1e-6f)
                continue;
            const float len = std::sqrt(ax * ax + ay * ay);
            ax /= len;
            ay /= len;
            float p_min, p_max, w_min, w_max;
            M_Fn_Get_Range_Projected(poly.data(), n, ax, ay, p_min, p_max);
            M_Fn_Get_Range_Projected(window.data(), window_count, ax, ay, w_min, w_max);
            separated = p_max < w_min || w_max < p_min;
        }
        if (separated)
            continue;
        const float depth = i_Point_Mode ? M_Fn_Get_Plane_Depth(poly[0], poly[1], poly[2]) : 0.0f;
        ro_Visitor(depth, static_cast<std::uint32_t>(index));
    }
    glPopMatrix();
}

} // namespace N_Biz::N_Model
