// The conversion of IGES entities into section geometry: the choice of a property card by colour,
// the section points, and the curves of the arc, line and rational B-spline types (the composite
// builds its members in its own source, beside its recursion guard).
#include "biz/iges/Biz_IGES_Context_Sect_Geom_Build.h"
#include "biz/iges/Biz_IGES_Entity.h"
#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"
#include "biz/iges/Biz_IGES_Entity_314_Color.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Row_Field.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Curve_NURBS.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "common/Common_Exception.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace N_Biz::N_IGES {

namespace {

// The name that marks the cards this import creates, and by which a later import finds them.
const wchar_t* const S_Name_Auto = L"Auto-created Property";

bool S_Fn_Color_Equal(const std::array<float, 4>& ro_A, const float ro_B[4])
{
    for (int i = 0; i < 4; ++i)
        if (!(std::fabs(ro_A[static_cast<std::size_t>(i)] - ro_B[i]) < 1e-6f))
            return false;
    return true;
}

// Adds the curve to the section at the entity table's next free index with the context's card.
void S_Fn_Entity_Add(C_Context_Sect_Geom_Build& io_Context, std::shared_ptr<N_Biz::N_Sect::C_D_Geom_Entity> i_sp_Entity)
{
    N_Biz::N_Sect::C_Mgr_D_Geom_E& mgr = io_Context.m_p_Sect->M_Fn_Get_Mgr_D_Geom_E();
    i_sp_Entity->m_Key_C_P = io_Context.m_Key_C_P;
    const std::uint32_t id = mgr.M_Fn_Next_Index();
    if (id == 0)
        VT_THROW("N_Biz::N_IGES::C_Entity::M_Fn_Sect_Geom_Build_Geometry");
    mgr.M_Fn_Proc_Cmd_Sub_Add_At(id, i_sp_Entity, io_Context.m_sp_Group);
}

} // namespace

std::wstring G_Fn_Card_Name_Get(N_Biz::N_DB::C_Row_C_Property& ro_Card, const char* i_Function)
{
    N_Biz::N_DB::C_Route_Request request;
    request.m_Id = N_Biz::N_DB::E_Id_Column_Name;
    ro_Card.M_Fn_Route_Walk_Default(request);
    if (request.m_Visitor.M_Fn_Is_Empty())
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return request.m_Visitor.M_Fn_Get<std::wstring>();
}

int C_Entity::M_Fn_Sect_Geom_Build(C_Context_Sect_Geom_Build& io_Context) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity::M_Fn_Sect_Geom_Build";
    if (M_Fn_Get_Entity_Use() != E_Use_Geometry)
        return 1;
    const std::int32_t mode_saved = io_Context.m_Mode_Hierarchy;
    if (io_Context.m_Top_Level == 1) {
        if (M_Fn_If_Blanked() || M_Fn_If_Physically_Dependent())
            return 1;
        const int result = M_Fn_Sect_Geom_Build_Attribute(io_Context);
        if (result != 1)
            return result;
        io_Context.m_Top_Level = 0;
        io_Context.m_Mode_Hierarchy = static_cast<std::int32_t>(M_Fn_Get_Hierarchy());
        try {
            M_Fn_Sect_Geom_Build_Geometry(io_Context);
        } catch (...) {
            io_Context.m_Mode_Hierarchy = mode_saved;
            io_Context.m_Top_Level = 1;
            throw;
        }
        io_Context.m_Mode_Hierarchy = mode_saved;
        io_Context.m_Top_Level = 1;
        return 1;
    }
    if (mode_saved == 0)
        return M_Fn_Sect_Geom_Build_Geometry(io_Context);
    if (mode_saved != 1 && mode_saved != 2)
        VT_THROW(s_Function);
    if (M_Fn_If_Blanked())
        return 1;
    io_Context.m_Mode_Hierarchy = static_cast<std::int32_t>(M_Fn_Get_Hierarchy());
    try {
        const int result = M_Fn_Sect_Geom_Build_Attribute(io_Context);
        if (result == 1)
            M_Fn_Sect_Geom_Build_Geometry(io_Context);
        io_Context.m_Mode_Hierarchy = mode_saved;
        return result;
    } catch (...) {
        io_Context.m_Mode_Hierarchy = mode_saved;
        throw;
    }
}

int C_Entity::M_Fn_Sect_Geom_Build_Attribute(C_Context_Sect_Geom_Build& io_Context) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity::M_Fn_Sect_Geom_Build_Attribute";
    io_Context.m_Key_C_P = N_Biz::N_DB::C_Key_C_Property();
    const C_Table_Entity& table = *io_Context.m_p_Table;

    std::int32_t* p_cache = nullptr;
    if (M_Fn_If_Color_Pointer()) {
        M_Fn_Get_ro_Color(table); // checks the slot against the table and the entity's type
        if (static_cast<std::size_t>(m_Color) >= io_Context.m_Cache_Color_Entity.size())
            VT_THROW(s_Function);
        p_cache = &io_Context.m_Cache_Color_Entity[static_cast<std::size_t>(m_Color)];
    } else {
        if (m_Color < 0 || m_Color > 8)
            VT_THROW(s_Function);
        p_cache = &io_Context.m_Cache_Color_Number[static_cast<std::size_t>(m_Color)];
    }

    N_Biz::N_Proj::C_Proj* p_proj = io_Context.m_p_Sect->M_Fn_Get_Proj();
    if (!p_proj)
        VT_THROW(s_Function);
    N_Biz::N_Proj::C_Mgr_D_DB_C_P& mgr_p = p_proj->M_Fn_Get_Mgr_D_DB_C_P();

    if (*p_cache == 0) {
        float rgba[4] = {0, 0, 0, 1};
        const int result = M_Fn_Get_o_Color_f(table, false, false, rgba);
        if (result != 1)
            return result;
        const std::array<float, 4> color{rgba[0], rgba[1], rgba[2], rgba[3]};

        // A card that an earlier import made for this colour is taken again.
        const N_Biz::N_Proj::C_Palette& palette = mgr_p.M_Fn_Get_Palette();
        for (std::uint32_t id : palette.M_Fn_Users_Get(palette.M_Fn_Index_Hue(color))) {
            if (id == 0 || id >= mgr_p.M_Fn_Get_Store().size() || !mgr_p.M_Fn_Get_Store().is_used_at(id))
                VT_THROW(s_Function);
            const auto& sp_card = mgr_p.M_Fn_Get_At(id);
            if (!sp_card)
                VT_THROW(s_Function);
            if (S_Fn_Color_Equal(sp_card->m_Display.m_Color_Normal, rgba) &&
                G_Fn_Card_Name_Get(*sp_card, s_Function) == S_Name_Auto) {
                *p_cache = static_cast<std::int32_t>(id);
                break;
            }
        }

        if (*p_cache == 0) {
            C_App* p_app = C_App::S_Fn_Get();
            if (!p_app || !p_app->m_sp_Schema || !p_app->m_sp_Config)
                VT_THROW(s_Function);
            N_Biz::N_Proj::C_Mgr_D_DB_C_M& mgr_m = p_proj->M_Fn_Get_Mgr_D_DB_C_M();
            const auto& store_m = mgr_m.M_Fn_Get_Store();
            // The default material goes into the import's own entry, so that undoing the import
            // takes it away again.
            if (!(store_m.size() > 1 && store_m.is_used_at(1) && store_m.at(1)))
                mgr_m.M_Fn_Proc_Cmd_Sub_Add_Default(io_Context.m_sp_Group);
            if (!(store_m.size() > 1 && store_m.is_used_at(1) && store_m.at(1)))
                VT_THROW(s_Function);
            const N_Biz::N_DB::C_Info_Table* p_table =
                p_app->m_sp_Schema->M_Fn_Info_Table_Lookup_By_Format(1, "Property");
            if (!p_table)
                VT_THROW(s_Function);
            N_Common::N_Pointer::lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property> sp_card(
                new N_Biz::N_DB::C_Row_C_Property(p_table));
            sp_card->m_Display.M_Fn_Color_Set(color);
            N_Biz::N_Proj::N_Impl::G_Fn_Field_Set_Text(
                sp_card->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Name), S_Name_Auto,
                s_Function);
            N_Biz::N_Proj::N_Impl::G_Fn_Field_Set_Number(
                sp_card->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Key_primary_C_Property),
                0.0, s_Function);
            sp_card->M_Fn_Key_C_Material() = N_Biz::N_DB::C_Key_C_Material(store_m.at(1));
            N_Biz::N_Proj::N_Impl::G_Fn_Field_Set_Number(
                sp_card->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Thk),
                p_app->m_sp_Config->M_Fn_Data().m_Thickness, s_Function);
            const std::uint32_t id = mgr_p.M_Fn_Get_Store().next_index();
            if (id == 0)
                VT_THROW(s_Function);
            mgr_p.M_Fn_Proc_Cmd_Sub_Add_At(io_Context.m_sp_Group, id, sp_card);
            *p_cache = static_cast<std::int32_t>(id);
        }
    }

    const auto id = static_cast<std::uint32_t>(*p_cache);
    if (id >= mgr_p.M_Fn_Get_Store().size() || !mgr_p.M_Fn_Get_Store().is_used_at(id) || !mgr_p.M_Fn_Get_At(id))
        VT_THROW(s_Function);
    io_Context.m_Key_C_P = N_Biz::N_DB::C_Key_C_Property(mgr_p.M_Fn_Get_At(id));
    return 1;
}

std::int32_t C_Entity::S_Fn_Sect_Geom_Build_Geometry_Point(C_Context_Sect_Geom_Build& io_Context, float i_X, float i_Y)
{
    N_Biz::N_Sect::C_Mgr_D_Geom_P& mgr = io_Context.m_p_Sect->M_Fn_Get_Mgr_D_Geom_P();
    const std::uint32_t id = mgr.M_Fn_Next_Index();
    if (id == 0)
        VT_THROW("N_Biz::N_IGES::C_Entity::S_Fn_Sect_Geom_Build_Geometry_Point");
    auto up_point = std::make_unique<N_Biz::N_Sect::C_D_Geom_Point>(i_X, i_Y);
    mgr.M_Fn_Proc_Cmd_Sub_Add_At(id, up_point, io_Context.m_sp_Group);
    return static_cast<std::int32_t>(id);
}

namespace {

// The section points of a curve's two ends: the end where the chain comes in takes the context's
// start point (when there is one), the other end a new point from i_Fn_Make; the context's end
// point becomes the point where the chain goes on. Built forwards the chain comes in at the
// curve's start, reversed at its finish. i_Fn_Make(false) makes the start point, (true) the finish.
template <class F_Make>
void S_Fn_Ends_Link(C_Context_Sect_Geom_Build& io_Context, std::int32_t& o_Id_Start, std::int32_t& o_Id_Finish,
                    F_Make&& i_Fn_Make)
{
    const bool reversed = io_Context.m_Reversed != 0;
    std::int32_t& id_in = reversed ? o_Id_Finish : o_Id_Start;
    std::int32_t& id_out = reversed ? o_Id_Start : o_Id_Finish;
    id_in = io_Context.m_Id_Point_Start > 0 ? io_Context.m_Id_Point_Start : i_Fn_Make(reversed);
    id_out = i_Fn_Make(!reversed);
    io_Context.m_Id_Point_End = id_out;
}

// Whether a point of a curve lies off the section plane.
bool S_Fn_Off_Plane(const C_Context_Sect_Geom_Build& ro_Context, const C_Vector3_f& ro_P)
{
    return std::fabs(ro_P.z) > ro_Context.m_Tolerance;
}

} // namespace

int C_Entity_100_Arc_Circular::M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build& ro_Context, C_Vector3_f& o_Start,
                                                   C_Vector3_f& o_Finish) const
{
    M_Fn_Get_o_Vector3_f_Transformed(o_Start, *ro_Context.m_p_Table, C_Vector3_f(m_X2, m_Y2, m_ZT));
    M_Fn_Get_o_Vector3_f_Transformed(o_Finish, *ro_Context.m_p_Table, C_Vector3_f(m_X3, m_Y3, m_ZT));
    return 1;
}

int C_Entity_100_Arc_Circular::M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build& io_Context) const
{
    const C_Table_Entity& table = *io_Context.m_p_Table;
    C_Vector3_f start, finish, center, o0, o1;
    M_Fn_Sect_Geom_Ends(io_Context, start, finish);
    M_Fn_Get_o_Vector3_f_Transformed(center, table, C_Vector3_f(m_X1, m_Y1, m_ZT));
    M_Fn_Get_o_Vector3_f_Transformed(o0, table, C_Vector3_f(0, 0, 0));
    M_Fn_Get_o_Vector3_f_Transformed(o1, table, C_Vector3_f(0, 0, 1));
    // An arc off the section plane cannot be projected into an arc (its ends would lie at other
    // radii): its points and its tilt (the radius times the sine of the angle between its axis
    // and the plane's) must stay within the tolerance.
    const float nx = o1.x - o0.x, ny = o1.y - o0.y, nz = o1.z - o0.z;
    const float n = std::sqrt(nx * nx + ny * ny + nz * nz);
    const float radius = std::sqrt((start.x - center.x) * (start.x - center.x) + (start.y - center.y) * (start.y - center.y) +
                                   (start.z - center.z) * (start.z - center.z));
    const float tilt = n > 0.0f ? radius * std::sqrt(nx * nx + ny * ny) / n : radius;
    if (S_Fn_Off_Plane(io_Context, start) || S_Fn_Off_Plane(io_Context, finish) || S_Fn_Off_Plane(io_Context, center) ||
        tilt > io_Context.m_Tolerance) {
        C_App::G_Fn_Msg(L"Warning: Circular arc entity " + std::to_wstring(io_Context.M_Fn_DE_Curr()) +
                        L" does not lie in the section plane, it is not imported.");
        io_Context.m_Id_Point_End = 0;
        return 1;
    }
    std::int32_t id_start = 0, id_finish = 0;
    S_Fn_Ends_Link(io_Context, id_start, id_finish, [&](bool i_Finish) {
        const C_Vector3_f& p = i_Finish ? finish : start;
        return S_Fn_Sect_Geom_Build_Geometry_Point(io_Context, p.x, p.y);
    });
    const std::int32_t id_center = S_Fn_Sect_Geom_Build_Geometry_Point(io_Context, center.x, center.y);
    // A placement that turns the arc's z axis round mirrors it: counter-clockwise in the file,
    // clockwise in the section.
    const std::int32_t direction = nz < 0 ? 1 : 0;
    S_Fn_Entity_Add(io_Context, std::make_shared<N_Biz::N_Sect::C_D_Geom_E_Arc>(id_start, id_finish, id_center, direction));
    return 1;
}

int C_Entity_110_Line::M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build& ro_Context, C_Vector3_f& o_Start,
                                           C_Vector3_f& o_Finish) const
{
    M_Fn_Get_o_Vector3_f_Transformed(o_Start, *ro_Context.m_p_Table, C_Vector3_f(m_X1, m_Y1, m_Z1));
    M_Fn_Get_o_Vector3_f_Transformed(o_Finish, *ro_Context.m_p_Table, C_Vector3_f(m_X2, m_Y2, m_Z2));
    return 1;
}

int C_Entity_110_Line::M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build& io_Context) const
{
    C_Vector3_f start, finish;
    M_Fn_Sect_Geom_Ends(io_Context, start, finish);
    if (S_Fn_Off_Plane(io_Context, start) || S_Fn_Off_Plane(io_Context, finish))
        ++io_Context.m_Count_Off_Plane;
    std::int32_t id_start = 0, id_finish = 0;
    S_Fn_Ends_Link(io_Context, id_start, id_finish, [&](bool i_Finish) {
        const C_Vector3_f& p = i_Finish ? finish : start;
        return S_Fn_Sect_Geom_Build_Geometry_Point(io_Context, p.x, p.y);
    });
    S_Fn_Entity_Add(io_Context, std::make_shared<N_Biz::N_Sect::C_D_Geom_E_Line>(id_start, id_finish));
    return 1;
}

namespace {

// The point of a rational B-spline of order i_Order at parameter i_U (de Boor's algorithm on the
// weighted control points); i_Last picks the span that ends at i_U rather than the one that
// begins there. The knots must be non-decreasing and one more than control points plus degree.
C_Vector3_f S_Fn_B_Spline_Point(std::int32_t i_Order, const std::vector<float>& ro_Knots, const std::vector<C_Vector3_f>& ro_Ctrl,
                                const std::vector<float>& ro_Weights, float i_U, bool i_Last)
{
    const std::size_t p = static_cast<std::size_t>(i_Order - 1);
    const std::size_t n = ro_Ctrl.size();
    std::size_t k = p;
    if (i_Last) {
        k = n - 1;
        while (k > p && !(ro_Knots[k] < ro_Knots[k + 1]))
            --k;
    } else {
        while (k + 1 < n && !(ro_Knots[k] < ro_Knots[k + 1]))
            ++k;
    }
    std::vector<std::array<double, 4>> d(p + 1);
    for (std::size_t j = 0; j <= p; ++j) {
        const C_Vector3_f& c = ro_Ctrl[j + k - p];
        const double w = ro_Weights[j + k - p];
        d[j] = {c.x * w, c.y * w, c.z * w, w};
    }
    for (std::size_t r = 1; r <= p; ++r)
        for (std::size_t j = p; j >= r; --j) {
            const double lo = ro_Knots[j + k - p], hi = ro_Knots[j + 1 + k - r];
            const double alpha = hi > lo ? (i_U - lo) / (hi - lo) : 0.0;
            for (int c = 0; c < 4; ++c)
                d[j][static_cast<std::size_t>(c)] =
                    (1.0 - alpha) * d[j - 1][static_cast<std::size_t>(c)] + alpha * d[j][static_cast<std::size_t>(c)];
        }
    const double w = d[p][3] != 0.0 ? d[p][3] : 1.0;
    return C_Vector3_f(static_cast<float>(d[p][0] / w), static_cast<float>(d[p][1] / w), static_cast<float>(d[p][2] / w));
}

} // namespace

int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build& ro_Context,
                                                             C_Vector3_f& o_Start, C_Vector3_f& o_Finish) const
{
    const std::size_t count = m_Ctrl_Points.size();
    if (count == 0)
        return 0;
    std::vector<C_Vector3_f> ctrl(count);
    for (std::size_t i = 0; i < count; ++i)
        M_Fn_Get_o_Vector3_f_Transformed(ctrl[i], *ro_Context.m_p_Table, m_Ctrl_Points[i]);
    o_Start = ctrl.front();
    o_Finish = ctrl.back();
    // A clamped end is its control point; another end is evaluated where the curve begins or ends.
    const std::int32_t order = m_Degree + 1;
    const bool usable = order >= 1 && static_cast<std::size_t>(m_Count_Ctrl) == count && m_Weights.size() == count &&
                        m_Knots.size() == count + static_cast<std::size_t>(order) &&
                        std::is_sorted(m_Knots.begin(), m_Knots.end());
    if (!usable)
        return 1;
    if (!S_Fn_If_Ctrl_Is_Start(order, m_Knots))
        o_Start = S_Fn_B_Spline_Point(order, m_Knots, ctrl, m_Weights, m_Knots[static_cast<std::size_t>(m_Degree)], false);
    if (!S_Fn_If_Ctrl_Is_Terminate(order, m_Knots))
        o_Finish = S_Fn_B_Spline_Point(order, m_Knots, ctrl, m_Weights, m_Knots[count], true);
    return 1;
}

int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build& io_Context) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_126_Curve_B_Spline_Rational::M_Fn_Sect_Geom_Build_Geometry";
    const C_Table_Entity& table = *io_Context.m_p_Table;
    const std::int32_t count = m_Count_Ctrl;
    if (count < 1 || m_Ctrl_Points.size() != static_cast<std::size_t>(count) ||
        m_Weights.size() != static_cast<std::size_t>(count) || m_Knots.size() != static_cast<std::size_t>(m_Count_Knot))
        VT_THROW(s_Function);

    auto sp_curve = std::make_shared<N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS>();
    auto& curve = sp_curve->m_Curve;
    curve.m_Flag[0] = m_Planar;
    curve.m_Flag[1] = m_Closed;
    curve.m_Flag[2] = m_Polynomial;
    curve.m_Flag[3] = m_Periodic;
    curve.m_Order = m_Degree + 1;
    curve.m_Count_Ctrl = count;
    curve.m_Count_Knot = m_Count_Knot;
    curve.m_Knots = m_Knots;
    curve.m_Ctrls.resize(static_cast<std::size_t>(count));
    bool off_plane = false;
    for (std::size_t i = 0; i < curve.m_Ctrls.size(); ++i) {
        C_Vector3_f p;
        M_Fn_Get_o_Vector3_f_Transformed(p, table, m_Ctrl_Points[i]);
        off_plane = off_plane || std::fabs(p.z) > io_Context.m_Tolerance;
        curve.m_Ctrls[i] = {p.x, p.y, 0.0f, m_Weights[i]};
    }
    // A curve the section could not evaluate is refused before any point is made.
    sp_curve->m_Ref_Points.resize(static_cast<std::size_t>(count) + 2);
    if (!sp_curve->M_Fn_If_Consistent())
        VT_THROW(s_Function);
    if (off_plane)
        ++io_Context.m_Count_Off_Plane;
    C_Vector3_f start, finish;
    M_Fn_Sect_Geom_Ends(io_Context, start, finish);

    // The point where the chain comes in is given (at the start, or at the finish when reversed);
    // the others are made in the order start, control points, finish. A clamped end is its
    // control point.
    const bool clamped_start = S_Fn_If_Ctrl_Is_Start(curve.m_Order, curve.m_Knots);
    const bool clamped_finish = S_Fn_If_Ctrl_Is_Terminate(curve.m_Order, curve.m_Knots);
    const bool reversed = io_Context.m_Reversed != 0;
    std::int32_t id_start = 0, id_finish = 0;
    if (io_Context.m_Id_Point_Start > 0)
        (reversed ? id_finish : id_start) = io_Context.m_Id_Point_Start;
    if (id_start <= 0)
        id_start = S_Fn_Sect_Geom_Build_Geometry_Point(io_Context, start.x, start.y);
    const std::size_t last = curve.m_Ctrls.size() - 1;
    for (std::size_t i = 0; i <= last; ++i) {
        std::int32_t& id = sp_curve->m_Ref_Points[i + 2].m_Id_Point;
        if (i == 0 && clamped_start)
            id = id_start;
        else if (i == last && clamped_finish && id_finish > 0)
            id = id_finish;
        else
            id = S_Fn_Sect_Geom_Build_Geometry_Point(io_Context, curve.m_Ctrls[i].x, curve.m_Ctrls[i].y);
    }
    if (id_finish <= 0)
        id_finish = clamped_finish ? sp_curve->m_Ref_Points.back().m_Id_Point
                                   : S_Fn_Sect_Geom_Build_Geometry_Point(io_Context, finish.x, finish.y);
    sp_curve->m_Ref_Points[0].m_Id_Point = id_start;
    sp_curve->m_Ref_Points[1].m_Id_Point = id_finish;
    io_Context.m_Id_Point_End = reversed ? id_start : id_finish;

    N_Biz::N_Sect::C_D_Geom_Entity* p_entity = sp_curve.get();
    S_Fn_Entity_Add(io_Context, sp_curve);
    static_cast<N_Biz::N_Sect::C_D_Geom_E_Curve_NURBS*>(p_entity)->M_Fn_Ctrl_Point_Update(*io_Context.m_p_Sect);
    return 1;
}

} // namespace N_Biz::N_IGES
