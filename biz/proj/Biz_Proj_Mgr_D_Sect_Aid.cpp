// The section-group manager's aids: planes along a picked axis, the cut of the models into a
// section, the centre of a cut, and the previews of redirect, insert and move.
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "common/Common_Exception.h"

#include <cmath>
#include <vector>

namespace N_Biz::N_Proj {

using N_Biz::N_Sect::C_D_Plane;
using N_Biz::N_Sect::C_Sect;
using C_Vector3f = C_Mgr_D_Sect::C_Vector3f;

namespace {

// The "Section Local Coordinate System" values.
enum : std::int32_t {
    E_Local_CS_Auto = 0,
    E_Local_CS_G_XY = 1,
    E_Local_CS_G_XZ = 2,
    E_Local_CS_G_YZ = 3,
    E_Local_CS_View_Z = 4,
};

C_Vector3f G_Fn_Unit(C_Vector3f i_V)
{
    i_V.M_Fn_Normalize();
    return i_V;
}

// A new plane with local z along i_Normal (made unit; turned round with i_Flip), local y towards
// the heading's projection, and its origin at ro_Origin.
int G_Fn_Plane_Build(C_Mgr_D_Sect::T_sp_Plane& o_sp_Plane, const C_Vector3f& ro_Normal, std::uint32_t i_Flip,
                     const C_Vector3f& ro_Up, const C_Vector3f& ro_Heading, const C_Vector3f& ro_Origin)
{
    auto sp_plane = std::make_shared<C_D_Plane>();
    const int result =
        C_D_Plane::M_Fn_Asgn_Rotate(sp_plane->m_Matrix, G_Fn_Unit(ro_Normal), i_Flip, ro_Up, ro_Heading, ro_Origin);
    if (result == 1)
        o_sp_Plane = std::move(sp_plane);
    return result;
}

// A model point of a plane given in its local coordinates.
C_Vector3f G_Fn_Plane_Apply(const C_Sect& ro_Sect, const C_Vector3f& ro_Local)
{
    return ro_Sect.M_Fn_Plane_Local_To_Global_3(ro_Local);
}

// The place of a section on its axis: the origin of its plane.
C_Vector3f G_Fn_Sect_Pos(const C_Sect& ro_Sect)
{
    return ro_Sect.M_Fn_Plane_Local_To_Global_2(C_Sect::C_Vector2f(0.0f, 0.0f));
}

// The normal between two neighbours: the directions from the one before to ro_Pos and from ro_Pos
// to the one after (each where it exists), summed and made unit.
C_Vector3f G_Fn_Normal_Between(const C_Vector3f* i_p_Before, const C_Vector3f& ro_Pos, const C_Vector3f* i_p_After)
{
    C_Vector3f sum(0.0f, 0.0f, 0.0f);
    if (i_p_Before)
        sum = sum + G_Fn_Unit(ro_Pos - *i_p_Before);
    if (i_p_After)
        sum = sum + G_Fn_Unit(*i_p_After - ro_Pos);
    return G_Fn_Unit(sum);
}

} // namespace

N_Biz::N_Config::C_Config& C_Mgr_D_Sect::S_Fn_Config(const char* i_Function)
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *p_app->m_sp_Config;
}

// --- plane and cut aids --------------------------------------------------------------------------

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Aid_Calc_D_Plane_Heading(C_Vector3f& o_Up, C_Vector3f& o_Heading,
                                                               const C_Vector3f& ro_Dir, std::uint32_t& o_Flip)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Aid_Calc_D_Plane_Heading";
    const std::int32_t option = S_Fn_Config(s_Function).M_Fn_Data().m_Local_CS;
    if (option < E_Local_CS_Auto || option > E_Local_CS_View_Z)
        VT_THROW(s_Function);
    o_Flip = 0;
    o_Up = C_Vector3f(0.0f, 1.0f, 0.0f);
    if (option == E_Local_CS_View_Z) {
        o_Heading = m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Get_Dir_View();
        return 1;
    }
    std::int32_t mode = option;
    if (option == E_Local_CS_Auto) {
        // The global plane across the largest component; the earlier axis wins a tie.
        const float ax = std::fabs(ro_Dir.x), ay = std::fabs(ro_Dir.y), az = std::fabs(ro_Dir.z);
        if (ay > ax)
            mode = az > ay ? E_Local_CS_G_XY : E_Local_CS_G_XZ;
        else
            mode = az > ax ? E_Local_CS_G_XY : E_Local_CS_G_YZ;
    }
    // Strict comparisons: a zero component never flips.
    if (mode == E_Local_CS_G_XY) {
        o_Heading = C_Vector3f(0.0f, 1.0f, 0.0f);
        o_Flip = ro_Dir.z < 0.0f ? 1 : 0;
    } else if (mode == E_Local_CS_G_XZ) {
        o_Heading = C_Vector3f(0.0f, 0.0f, 1.0f);
        o_Flip = ro_Dir.y > 0.0f ? 1 : 0;
    } else {
        o_Heading = C_Vector3f(0.0f, 0.0f, 1.0f);
        o_Flip = ro_Dir.x < 0.0f ? 1 : 0;
    }
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List(T_List_Plane& o_Planes, std::uint32_t i_Flip,
                                                                    const C_Vector3f& ro_Up,
                                                                    const C_Vector3f& ro_Heading,
                                                                    const T_List_Pos& ro_Positions)
{
    o_Planes.clear();
    if (ro_Positions.size() < 2)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List");
    const std::vector<C_Vector3f> p(ro_Positions.begin(), ro_Positions.end());
    const std::size_t n = p.size();
    C_Vector3f d_prev;
    for (std::size_t k = 1; k < n; ++k) {
        const C_Vector3f d = G_Fn_Unit(p[k] - p[k - 1]);
        const C_Vector3f normal = k == 1 ? d : G_Fn_Unit(d_prev + d);
        T_sp_Plane sp_plane;
        const int result = G_Fn_Plane_Build(sp_plane, normal, i_Flip, ro_Up, ro_Heading, p[k - 1]);
        if (result != 1)
            return static_cast<std::uint32_t>(result);
        o_Planes.push_back(std::move(sp_plane));
        d_prev = d;
    }
    T_sp_Plane sp_last;
    const int result = G_Fn_Plane_Build(sp_last, d_prev, i_Flip, ro_Up, ro_Heading, p[n - 1]);
    if (result != 1)
        return static_cast<std::uint32_t>(result);
    o_Planes.push_back(std::move(sp_last));
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Aid_Individual_Cut(C_Sect& ro_Sect)
{
    const auto& models = m_p_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
    for (std::uint32_t slot = 1; slot < models.size(); ++slot) {
        if (!models.is_used_at(slot))
            continue;
        const auto& sp_model = models.at(slot);
        if (!sp_model)
            VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Aid_Individual_Cut");
        sp_model->M_Fn_Sect_Cut(ro_Sect, nullptr);
    }
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Aid_Calc_Center_For_Cut(const T_sp_Plane& ro_sp_Plane, C_Vector3f& o_Pos)
{
    if (!ro_sp_Plane)
        VT_THROW("N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Aid_Calc_Center_For_Cut");
    // A temporary section: never in a group, the tree or the history.
    const T_sp_Sect sp_sect = M_Fn_Sect_New();
    T_sp_Plane sp_plane = std::make_shared<C_D_Plane>(*ro_sp_Plane);
    sp_sect->M_Fn_Plane_Set(nullptr, sp_plane);
    M_Fn_Proc_Aid_Individual_Cut(*sp_sect);
    const C_Sect::C_Vector2f center = sp_sect->M_Fn_Calc_Center_For_Cut_Local_Get();
    o_Pos = sp_sect->M_Fn_Plane_Local_To_Global_2(center);
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Centres_For_Cut(const T_List_Plane& ro_Planes, T_List_Pos& o_Positions)
{
    o_Positions.clear();
    for (const T_sp_Plane& sp_plane : ro_Planes) {
        C_Vector3f pos;
        const std::uint32_t result = M_Fn_Proc_Aid_Calc_Center_For_Cut(sp_plane, pos);
        if (result != 1)
            return result;
        o_Positions.push_back(pos);
    }
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Aid_Pre_Group_Create(std::uint32_t& o_Flip, C_Vector3f& o_Up,
                                                           C_Vector3f& o_Heading, T_List_Pos& o_Positions,
                                                           T_List_Plane& o_Planes, std::uint32_t i_Preview)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Aid_Pre_Group_Create";
    o_Positions.clear();
    o_Planes.clear();
    const auto& picks = m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Get();
    if (picks.size() < 2)
        return 0;
    const N_Biz::N_Config::C_Config_Data& config = S_Fn_Config(s_Function).M_Fn_Data();

    // The picks with m evenly spaced positions between successive ones.
    const std::int32_t extra = config.m_Extra_Sections < 0 ? 0 : config.m_Extra_Sections;
    bool first = true;
    C_Vector3f previous;
    for (const C_Handle_D_DB_N& handle : picks) {
        const C_Vector3f c = handle.M_Fn_Type_Any_Get_o_Vector3_f(*m_p_Proj);
        if (!first) {
            const C_Vector3f step = (c - previous) * (1.0f / static_cast<float>(extra + 1));
            C_Vector3f a = previous;
            for (std::int32_t i = 0; i < extra; ++i) {
                a = a + step;
                o_Positions.push_back(a);
            }
        }
        o_Positions.push_back(c);
        previous = c;
        first = false;
    }

    std::uint32_t result = M_Fn_Proc_Aid_Calc_D_Plane_Heading(o_Up, o_Heading, o_Positions.back() - o_Positions.front(), o_Flip);
    if (result != 1)
        return result;
    result = M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List(o_Planes, o_Flip, o_Up, o_Heading, o_Positions);
    if (result != 1 || i_Preview)
        return result;

    if (config.m_Auto_Adjust_Pos && config.m_Cut_Models) {
        result = M_Fn_Centres_For_Cut(o_Planes, o_Positions);
        if (result != 1)
            return result;
        return M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List(o_Planes, o_Flip, o_Up, o_Heading, o_Positions);
    }
    return 1;
}

// --- previews ------------------------------------------------------------------------------------

C_Sect* C_Mgr_D_Sect::M_Fn_Sel_Single(const char* i_Function) const
{
    const auto& selected = M_Fn_Sel_P1_Get();
    if (selected.size() != 1)
        return nullptr;
    C_Sect* p_sect = selected.front();
    if (!p_sect)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return p_sect;
}

C_D_Group_Sect& C_Mgr_D_Sect::M_Fn_Group_Of(const C_Sect& ro_Sect, const char* i_Function) const
{
    const T_sp_Group& sp_group = m_Groups.at(ro_Sect.m_Title_Number_1);
    if (!sp_group)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *sp_group;
}

bool C_Mgr_D_Sect::M_Fn_Pick_Single(C_Vector3f& o_Pos, std::uint32_t i_Preview) const
{
    const auto& sel = m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
    const auto& picks = i_Preview ? sel.M_Fn_Sel_P0_Get() : sel.M_Fn_Sel_P1_Get();
    if (picks.size() != 1)
        return false;
    o_Pos = picks.front().M_Fn_Type_Any_Get_o_Vector3_f(*m_p_Proj);
    return true;
}

float C_Mgr_D_Sect::S_Fn_Ahead(const C_D_Group_Sect& ro_Group)
{
    return ro_Group.m_Flip ? -1.0f : 1.0f;
}

namespace {

// The nearest occupied slot below (i_Step -1, stopping at slot 1) or above (i_Step +1, up to the
// last slot) i_Slot, or null; an empty pointer there throws.
C_Sect* G_Fn_Neighbour(const C_D_Group_Sect& ro_Group, std::uint32_t i_Slot, int i_Step, const char* i_Function)
{
    const auto& sects = ro_Group.m_Sects;
    for (std::int64_t s = std::int64_t(i_Slot) + i_Step; s >= 1 && s < std::int64_t(sects.size()); s += i_Step) {
        if (!sects.is_used_at(static_cast<std::uint32_t>(s)))
            continue;
        const auto& sp_sect = sects.at(static_cast<std::uint32_t>(s));
        if (!sp_sect)
            throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
        return sp_sect.get();
    }
    return nullptr;
}

} // namespace

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Aid_Pre_Group_Redirect_Selected(std::uint32_t& o_Flip, C_Vector3f& o_Up,
                                                                     C_Vector3f& o_Heading, T_List_Pos& o_Positions,
                                                                     T_List_Plane& o_Planes, C_D_Group_Sect*& o_Group,
                                                                     std::uint32_t i_Preview)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Aid_Pre_Group_Redirect_Selected";
    o_Positions.clear();
    o_Planes.clear();
    o_Group = nullptr;
    C_Sect* p_sel = M_Fn_Sel_Single(s_Function);
    if (!p_sel)
        return 0;
    o_Group = &M_Fn_Group_Of(*p_sel, s_Function);

    // The centroids along the group, in slot order.
    C_Vector3f centroid_sel;
    const auto& sects = o_Group->m_Sects;
    for (std::uint32_t s = 1; s < sects.size(); ++s) {
        if (!sects.is_used_at(s))
            continue;
        const T_sp_Sect& sp_sect = sects.at(s);
        if (!sp_sect)
            VT_THROW(s_Function);
        sp_sect->M_Fn_Calc_If_Dirty();
        const N_Biz::N_Sect::C_Result_Prop& prop = sp_sect->M_Fn_Get_Mgr_Calc().M_Fn_Get_Result()->m_Prop[0];
        const C_Vector3f local(prop.m_Center_X, prop.m_Center_Y, 0.0f);
        o_Positions.push_back(G_Fn_Plane_Apply(*sp_sect, local));
        if (sp_sect.get() == p_sel)
            centroid_sel = local;
    }
    if (o_Positions.empty())
        VT_THROW(s_Function);

    // One section: its present normal; more: from the first centroid to the last.
    const bool single = o_Positions.size() == 1;
    const C_Vector3f dir =
        single ? G_Fn_Unit(G_Fn_Plane_Apply(*p_sel, C_Vector3f(centroid_sel.x, centroid_sel.y, 1.0f)) -
                           o_Positions.front())
               : o_Positions.back() - o_Positions.front();
    std::uint32_t result = M_Fn_Proc_Aid_Calc_D_Plane_Heading(o_Up, o_Heading, dir, o_Flip);
    if (result != 1)
        return result;

    const auto fn_planes = [&]() -> std::uint32_t {
        if (!single)
            return M_Fn_Proc_Aid_Calc_D_Plane_From_Pos_List(o_Planes, o_Flip, o_Up, o_Heading, o_Positions);
        o_Planes.clear();
        T_sp_Plane sp_plane;
        const int built = G_Fn_Plane_Build(sp_plane, dir, o_Flip, o_Up, o_Heading, o_Positions.front());
        if (built != 1)
            return static_cast<std::uint32_t>(built);
        o_Planes.push_back(std::move(sp_plane));
        return 1;
    };
    result = fn_planes();
    if (result != 1 || i_Preview)
        return result;

    const N_Biz::N_Config::C_Config_Data& config = S_Fn_Config(s_Function).M_Fn_Data();
    if (config.m_Auto_Adjust_Pos && config.m_Cut_Models) {
        result = M_Fn_Centres_For_Cut(o_Planes, o_Positions);
        return result != 1 ? result : fn_planes();
    }
    return 1;
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Pre_Place(T_sp_Plane& o_Plane, C_Vector3f& o_Pos, const C_Vector3f* i_p_Pos_Before,
                                           const C_Vector3f* i_p_Pos_After, const C_Vector3f& ro_A,
                                           const C_Vector3f& ro_B, const C_Vector3f* i_p_Normal_Alone,
                                           const C_D_Group_Sect& ro_Group, std::uint32_t i_Preview,
                                           const char* i_Function)
{
    if (!M_Fn_Pick_Single(o_Pos, i_Preview))
        return 0;
    const N_Biz::N_Config::C_Config_Data& config = S_Fn_Config(i_Function).M_Fn_Data();
    const bool neighbour = i_p_Pos_Before || i_p_Pos_After;
    C_Vector3f normal;
    if (config.m_Move_Free == 1) {
        // No constraint: the pick stays where it is.
        normal = neighbour ? G_Fn_Normal_Between(i_p_Pos_Before, o_Pos, i_p_Pos_After) : *i_p_Normal_Alone;
    } else if (config.m_Move_Free == 0) {
        // Along the axis from a to b, strictly between the neighbours that exist.
        const C_Vector3f d = G_Fn_Unit(ro_B - ro_A);
        const float t_pick = d.M_Fn_Dot(o_Pos);
        const float t_a = d.M_Fn_Dot(ro_A);
        if (i_p_Pos_Before && t_pick <= t_a)
            return 0;
        if (i_p_Pos_After && t_pick >= d.M_Fn_Dot(ro_B))
            return 0;
        o_Pos = ro_A + d * (t_pick - t_a);
        normal = d;
    } else {
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    }

    int result = G_Fn_Plane_Build(o_Plane, normal, ro_Group.m_Flip, ro_Group.m_Up, ro_Group.m_Heading, o_Pos);
    if (result != 1)
        return static_cast<std::uint32_t>(result);
    if (i_Preview || !config.m_Auto_Adjust_Pos || !config.m_Cut_Models)
        return 1;

    const std::uint32_t centred = M_Fn_Proc_Aid_Calc_Center_For_Cut(o_Plane, o_Pos);
    if (centred != 1)
        return centred;
    if (neighbour)
        normal = G_Fn_Normal_Between(i_p_Pos_Before, o_Pos, i_p_Pos_After);
    result = G_Fn_Plane_Build(o_Plane, normal, ro_Group.m_Flip, ro_Group.m_Up, ro_Group.m_Heading, o_Pos);
    return static_cast<std::uint32_t>(result);
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Aid_Pre_Individual_Insert_Selected(
    T_sp_Plane& o_Plane, C_Vector3f& o_Pos, C_Vector3f& o_Pos_Before, C_Vector3f& o_Pos_After, C_Sect*& o_Sect_Before,
    C_Sect*& o_Sect_After, C_D_Group_Sect*& o_Group, std::uint32_t i_Preview)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Aid_Pre_Individual_Insert_Selected";
    o_Plane.reset();
    o_Pos = o_Pos_Before = o_Pos_After = C_Vector3f(0.0f, 0.0f, 0.0f);
    o_Sect_Before = o_Sect_After = nullptr;
    o_Group = nullptr;
    C_Sect* p_sel = M_Fn_Sel_Single(s_Function);
    if (!p_sel)
        return 0;
    o_Group = &M_Fn_Group_Of(*p_sel, s_Function);

    const std::int32_t insert_to = S_Fn_Config(s_Function).M_Fn_Data().m_Insert_After;
    if (insert_to == 1) {
        o_Sect_Before = p_sel;
        o_Sect_After = G_Fn_Neighbour(*o_Group, p_sel->m_Title_Number_2, +1, s_Function);
    } else if (insert_to == 0) {
        o_Sect_After = p_sel;
        o_Sect_Before = G_Fn_Neighbour(*o_Group, p_sel->m_Title_Number_2, -1, s_Function);
    } else {
        VT_THROW(s_Function);
    }
    if (o_Sect_Before)
        o_Pos_Before = G_Fn_Sect_Pos(*o_Sect_Before);
    if (o_Sect_After)
        o_Pos_After = G_Fn_Sect_Pos(*o_Sect_After);

    // The axis: from the neighbour before to the one after; a missing end lies one unit beyond
    // the present one along the axis.
    const float ahead = S_Fn_Ahead(*o_Group);
    const C_Vector3f a = o_Sect_Before ? o_Pos_Before : G_Fn_Plane_Apply(*o_Sect_After, C_Vector3f(0.0f, 0.0f, -ahead));
    const C_Vector3f b = o_Sect_After ? o_Pos_After : G_Fn_Plane_Apply(*o_Sect_Before, C_Vector3f(0.0f, 0.0f, ahead));
    return M_Fn_Pre_Place(o_Plane, o_Pos, o_Sect_Before ? &o_Pos_Before : nullptr,
                          o_Sect_After ? &o_Pos_After : nullptr, a, b, nullptr, *o_Group, i_Preview, s_Function);
}

std::uint32_t C_Mgr_D_Sect::M_Fn_Proc_Aid_Pre_Individual_Move_Selected(
    T_sp_Plane& o_Plane, C_Vector3f& o_Pos, C_Vector3f& o_Pos_Before, C_Vector3f& o_Pos_Old, C_Vector3f& o_Pos_After,
    C_Sect*& o_Sect_Before, C_Sect*& o_Sect, C_Sect*& o_Sect_After, C_D_Group_Sect*& o_Group, std::uint32_t i_Preview)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_D_Sect::M_Fn_Proc_Aid_Pre_Individual_Move_Selected";
    o_Plane.reset();
    o_Pos = o_Pos_Before = o_Pos_Old = o_Pos_After = C_Vector3f(0.0f, 0.0f, 0.0f);
    o_Sect_Before = o_Sect = o_Sect_After = nullptr;
    o_Group = nullptr;
    o_Sect = M_Fn_Sel_Single(s_Function);
    if (!o_Sect)
        return 0;
    o_Pos_Old = G_Fn_Sect_Pos(*o_Sect);
    o_Group = &M_Fn_Group_Of(*o_Sect, s_Function);
    o_Sect_Before = G_Fn_Neighbour(*o_Group, o_Sect->m_Title_Number_2, -1, s_Function);
    o_Sect_After = G_Fn_Neighbour(*o_Group, o_Sect->m_Title_Number_2, +1, s_Function);
    if (o_Sect_Before)
        o_Pos_Before = G_Fn_Sect_Pos(*o_Sect_Before);
    if (o_Sect_After)
        o_Pos_After = G_Fn_Sect_Pos(*o_Sect_After);

    // For a section alone in its group: one unit on along the axis, and the axis direction, which
    // the group's flip turns into its present normal again.
    const C_Vector3f ahead = G_Fn_Plane_Apply(*o_Sect, C_Vector3f(0.0f, 0.0f, S_Fn_Ahead(*o_Group)));
    const C_Vector3f normal_alone = G_Fn_Unit(ahead - o_Pos_Old);
    const bool alone = !o_Sect_Before && !o_Sect_After;
    const C_Vector3f a = alone || !o_Sect_Before ? o_Pos_Old : o_Pos_Before;
    const C_Vector3f b = alone ? ahead : o_Sect_After ? o_Pos_After : o_Pos_Old;
    return M_Fn_Pre_Place(o_Plane, o_Pos, o_Sect_Before ? &o_Pos_Before : nullptr,
                          o_Sect_After ? &o_Pos_After : nullptr, a, b, &normal_alone, *o_Group, i_Preview,
                          s_Function);
}

} // namespace N_Biz::N_Proj
