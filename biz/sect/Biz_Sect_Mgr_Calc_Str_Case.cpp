// Load cases: the section is loaded by the axial force z+ and z-, the bending moments x+, x-, y+,
// y- and, with the 360-degree option, by bending moments in 72 directions. For each case the
// elastic stress at every node follows from the equivalent section properties (the standard
// material's stress; a wall carries it times its modulus over the standard one); every segment then
// gets five capacity stresses at each end from the thin-wall buckling kernels; the most utilised
// segment is the critical element, and its utilisations give the lower and upper bounds of the
// section's capacity.
#include "biz/sect/Biz_Sect_Mgr_Calc.h"

#include "biz/sect/Biz_Sect_Mgr_Calc_Kernel.h"
#include "biz/sect/Biz_Sect_Mgr_Calc_Mesh.h"
#include "biz/sect/Biz_Sect_Tess_Settings.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace N_Biz::N_Sect {

namespace {

using N_Common::N_Math::G_Tolerance;
constexpr std::uint32_t G_Num_Stat = 5;

// Capacity statistic s at end e of a segment's ten values.
float& G_Fn_Stat(C_D_Tess_E_Segment& ro_Segment, std::uint32_t i_Stat, std::uint32_t i_End)
{
    return ro_Segment.m_Stress[2 * i_Stat + i_End];
}

// The five capacities of a supported end: the corner one at most 1.5 x the average one, and the
// minimum as far below the average as the corner one is above it.
void G_Fn_Stat_Set(C_D_Tess_E_Segment& ro_Segment, std::uint32_t i_End, float i_Maximum, float i_Critical, float i_Corner,
                   float i_Average)
{
    const float corner = std::min(i_Corner, 1.5f * i_Average);
    G_Fn_Stat(ro_Segment, 0, i_End) = i_Maximum;
    G_Fn_Stat(ro_Segment, 1, i_End) = i_Critical;
    G_Fn_Stat(ro_Segment, 2, i_End) = corner;
    G_Fn_Stat(ro_Segment, 3, i_End) = i_Average;
    G_Fn_Stat(ro_Segment, 4, i_End) = 2.0f * i_Average - corner;
}

// What one segment adds to the sums of its load case and how much of it is ineffective.
class C_Element_Sums {
public:
    C_Element_Sums(C_Context_Calc_Str_Case& ro_Case, const C_Context_Calc_Str_Element& ro_Work, float i_X_Eq, float i_Y_Eq)
        : m_Case(ro_Case), m_Work(ro_Work), m_X_Eq(i_X_Eq), m_Y_Eq(i_Y_Eq)
    {
    }

    // Position at fraction i_W of the way from end i_From towards the other end, relative to the
    // equivalent centroid.
    std::pair<float, float> M_Fn_Pos(std::uint32_t i_From, float i_W) const
    {
        const float xa = i_From == 0 ? m_Work.m_X0 : m_Work.m_X1;
        const float ya = i_From == 0 ? m_Work.m_Y0 : m_Work.m_Y1;
        const float xb = i_From == 0 ? m_Work.m_X1 : m_Work.m_X0;
        const float yb = i_From == 0 ? m_Work.m_Y1 : m_Work.m_Y0;
        return {xa + i_W * (xb - xa) - m_X_Eq, ya + i_W * (yb - ya) - m_Y_Eq};
    }

    // A force (tension positive) at fraction i_W from end i_From, with its moments: moment x with
    // the y lever, moment y with the negative x lever.
    void M_Fn_Ult(float i_Force, std::uint32_t i_From, float i_W)
    {
        const auto [dx, dy] = M_Fn_Pos(i_From, i_W);
        m_Case.m_Ult_Force += i_Force;
        m_Case.m_Ult_Moment_X += dy * i_Force;
        m_Case.m_Ult_Moment_Y += -dx * i_Force;
    }
    void M_Fn_Yield(float i_Force, std::uint32_t i_From, float i_W)
    {
        const auto [dx, dy] = M_Fn_Pos(i_From, i_W);
        m_Case.m_Yield_Force += i_Force;
        m_Case.m_Yield_Moment_X += dy * i_Force;
        m_Case.m_Yield_Moment_Y += -dx * i_Force;
    }

private:
    C_Context_Calc_Str_Case& m_Case;
    const C_Context_Calc_Str_Element& m_Work;
    float m_X_Eq;
    float m_Y_Eq;
};

} // namespace

int C_Mgr_Calc::M_Fn_Update_Str(C_Context_Calc& ro_Context)
{
    const N_Biz::N_Config::C_Config_Data& data = G_Fn_Tess_Config_Data();
    const std::int32_t all_round = data.m_Show_Inertia_360;
    const std::int32_t displayed = data.m_Load_Case;
    const float load = m_Load;
    C_Result& result = *m_sp_Result;

    const bool directions = ro_Context.m_Quick == 0 && all_round != 0;
    std::vector<std::shared_ptr<C_Context_Calc_Str_Case>> cases;
    cases.reserve(directions ? 79 : 7);
    // A bending case about direction i_Direction at i_Angle: the direction record takes cos and
    // sin, the case the moments.
    const auto bend = [&](C_Context_Calc_Str_Case& ro_Case, std::int32_t i_Direction, float i_Angle) {
        ro_Case.m_Direction = i_Direction;
        C_Result_Dir& dir = result.m_Dir[static_cast<std::size_t>(i_Direction)];
        dir.m_Cos = std::cos(i_Angle);
        dir.m_Sin = std::sin(i_Angle);
        ro_Case.m_Moment_X = load * dir.m_Cos;
        ro_Case.m_Moment_Y = load * dir.m_Sin;
    };
    if (directions) {
        // The angle is accumulated in single precision, as the direction records always were.
        float angle = 0.0f;
        for (std::int32_t i = 0; i < 72; ++i, angle += 0.0872665f) {
            // Every 90 degrees a standard bending case takes the direction.
            if (i % 18 == 0)
                continue;
            auto sp_case = std::make_shared<C_Context_Calc_Str_Case>();
            sp_case->m_Directional = 1;
            sp_case->m_Case_Standard = -1;
            bend(*sp_case, i, angle);
            cases.push_back(std::move(sp_case));
        }
    }
    const std::size_t first_standard = cases.size();
    static constexpr std::int32_t s_Direction_Of_Case[6] = {0, 0, 0, 36, 18, 54};
    for (std::int32_t c = 0; c < 6; ++c) {
        auto sp_case = std::make_shared<C_Context_Calc_Str_Case>();
        sp_case->m_Case_Standard = c;
        if (c < 2) {
            sp_case->m_Force_Axial = c == 0 ? load : -load;
        } else {
            const std::int32_t d = s_Direction_Of_Case[c];
            sp_case->m_Directional = all_round;
            bend(*sp_case, d, static_cast<float>(d * 5) * 0.0174533f);
        }
        cases.push_back(std::move(sp_case));
    }
    // The displayed case runs last, so the node and segment values left in the mesh are its own.
    if (displayed >= 0 && displayed < 6) {
        const std::size_t index = first_standard + static_cast<std::size_t>(displayed);
        if (index != cases.size() - 1)
            std::swap(cases[index], cases.back());
    }

    for (const auto& sp_case : cases) {
        const int status = M_Fn_Update_Str_Case(ro_Context, *sp_case);
        if (status != 1)
            return status;
    }

    const C_Result_Prop& eqv = result.m_Prop[1];
    for (const auto& sp_case : cases) {
        const C_Context_Calc_Str_Case& cs = *sp_case;
        const std::int32_t c = cs.m_Case_Standard;
        if (c >= 0 && c < 6) {
            C_Result_Case& record = result.m_Case[static_cast<std::size_t>(c)];
            record.m_Element_Critical =
                cs.m_sp_Element_Critical ? static_cast<std::int32_t>(cs.m_sp_Element_Critical->m_Id) : 0;
            for (std::uint32_t s = 0; s < G_Num_Stat; ++s) {
                if (!(std::fabs(cs.m_Stat[s]) >= G_Tolerance))
                    return -1;
                record.m_Bound[0][s] = load / cs.m_Stat[s];
            }
            const float reference = c < 2 ? std::fabs(cs.m_Ult_Force)
                                    : c < 4 ? std::fabs(cs.m_Ult_Moment_X)
                                            : std::fabs(cs.m_Ult_Moment_Y);
            const float lower_0 = record.m_Bound[0][0];
            if (!(std::fabs(lower_0) >= G_Tolerance))
                return -1;
            for (std::uint32_t s = 0; s < G_Num_Stat; ++s)
                record.m_Bound[1][s] = record.m_Bound[0][s] * reference / lower_0;
            if (c < 2)
                record.m_Ref = cs.m_Eff_Length;
            else
                record.m_Ref = cs.m_Distance < G_Tolerance ? 1.0f : std::atan(cs.m_Eff_Length / cs.m_Distance);

            // Effective properties from the yield sums, kept in the standard modulus's units.
            const bool modulus_ok = m_Modulus_Std > G_Tolerance;
            if (c == 1)
                result.m_Area_Eff = modulus_ok ? std::min(std::fabs(cs.m_Yield_Force) / m_Modulus_Std, eqv.m_Area)
                                               : eqv.m_Area;
            else if (c == 2)
                result.m_Ixx_Eff = modulus_ok ? std::min(std::fabs(cs.m_Yield_Moment_X) * result.m_Dist_Max[1] / m_Modulus_Std,
                                                         eqv.m_Ixx)
                                              : eqv.m_Ixx;
            else if (c == 4)
                result.m_Iyy_Eff = modulus_ok ? std::min(std::fabs(cs.m_Yield_Moment_Y) * result.m_Dist_Max[0] / m_Modulus_Std,
                                                         eqv.m_Iyy)
                                              : eqv.m_Iyy;
        }
        if (cs.m_Directional != 0) {
            // Second moment about the axis through the centroid along (c, s): the rotation of the
            // product moment carries the factor 2, so that the extremes over all directions are
            // the principal moments.
            C_Result_Dir& dir = result.m_Dir[static_cast<std::size_t>(cs.m_Direction)];
            const float c2 = dir.m_Cos * dir.m_Cos;
            const float s2 = dir.m_Sin * dir.m_Sin;
            const float cs2 = 2.0f * dir.m_Cos * dir.m_Sin;
            dir.m_Stiff_Eqv = c2 * eqv.m_Ixx + s2 * eqv.m_Iyy - cs2 * eqv.m_Ixy;
            const float eff = c2 * cs.m_Eff_Ixx + s2 * cs.m_Eff_Iyy - cs2 * cs.m_Eff_Ixy;
            dir.m_Stiff_Eff = std::min(eff, dir.m_Stiff_Eqv);
        }
    }
    return 1;
}

int C_Mgr_Calc::M_Fn_Update_Str_Case(C_Context_Calc& ro_Context, C_Context_Calc_Str_Case& ro_Case)
{
    C_Sect& sect = *m_p_Sect;
    C_Result& result = *m_sp_Result;
    const C_Result_Prop& geo = result.m_Prop[0];
    const C_Result_Prop& eqv = result.m_Prop[1];
    ro_Case.m_Eff_Area = geo.m_Area;
    ro_Case.m_Eff_Ixy = geo.m_Ixy;
    ro_Case.m_Eff_Ixx = geo.m_Ixx;
    ro_Case.m_Eff_Iyy = geo.m_Iyy;

    const float x_eq = eqv.m_Center_X;
    const float y_eq = eqv.m_Center_Y;
    const float mx = ro_Case.m_Moment_X;
    const float my = ro_Case.m_Moment_Y;
    const float axial = ro_Case.m_Force_Axial / eqv.m_Area;
    N_Calc::G_Fn_For_Node(sect, [&](C_D_Tess_Node& ro_Node) {
        const float dx = ro_Node.m_X - x_eq;
        const float dy = ro_Node.m_Y - y_eq;
        const float term_x = std::fabs(mx) >= G_Tolerance ? (eqv.m_Iyy * dy - eqv.m_Ixy * dx) * mx : 0.0f;
        const float term_y = std::fabs(my) >= G_Tolerance ? (eqv.m_Ixx * dx - eqv.m_Ixy * dy) * my : 0.0f;
        ro_Node.m_Stress = (term_x - term_y) * ro_Context.m_Det_Inverse + axial;
    });

    int status = 1;
    C_Mgr_D_Tess_N& nodes = sect.M_Fn_Get_Mgr_D_Tess_N();
    N_Calc::G_Fn_For_Segment(sect, [&](C_D_Tess_E_Segment& ro_Segment, const std::shared_ptr<C_D_Tess_Element>& ro_sp) {
        if (status != 1 || (ro_Segment.m_Flag & C_D_Tess::E_Flag_Weld))
            return;
        C_Context_Calc_Str_Element work;
        work.m_sp_Element = ro_sp;
        work.m_p_Segment = &ro_Segment;
        const C_D_Tess_Node& node_0 = nodes.M_Fn_Get_At(ro_Segment.m_Ref_Nodes.at(0).m_Id_Node);
        const C_D_Tess_Node& node_1 = nodes.M_Fn_Get_At(ro_Segment.m_Ref_Nodes.at(1).m_Id_Node);
        work.m_X0 = node_0.m_X;
        work.m_Y0 = node_0.m_Y;
        work.m_X1 = node_1.m_X;
        work.m_Y1 = node_1.m_Y;
        work.m_Stress = {node_0.m_Stress, node_1.m_Stress};
        status = M_Fn_Update_Str_Case_Element(ro_Context, ro_Case, work);
    });
    if (status != 1)
        return status;

    if (ro_Case.m_Count_Element == 0)
        return 0;
    const auto* p_critical = N_Calc::G_Fn_Segment(ro_Case.m_sp_Element_Critical.get());
    if (!p_critical) {
        result.m_Msg_Problem.emplace_back(L"Maximum can not be detected in section.");
        return 0;
    }
    ro_Case.m_Eff_Length = 1.0f;
    ro_Case.m_Distance = 1.0f;
    if (ro_Case.m_Count_Element > 1) {
        const float d_mean = (p_critical->m_Dep_L[0] + p_critical->m_Dep_L[1]) / 2.0f;
        ro_Case.m_Eff_Length = p_critical->m_Length * N_Kernel::G_Fn_Corner_Length(d_mean, p_critical->m_Thk_Over_Length);
        const C_D_Tess_Node& node_0 = nodes.M_Fn_Get_At(p_critical->m_Ref_Nodes.at(0).m_Id_Node);
        const C_D_Tess_Node& node_1 = nodes.M_Fn_Get_At(p_critical->m_Ref_Nodes.at(1).m_Id_Node);
        ro_Case.m_Distance = std::min(std::hypot(node_0.m_X, node_0.m_Y), std::hypot(node_1.m_X, node_1.m_Y));
    }
    for (float stat : ro_Case.m_Stat)
        if (!(stat >= G_Tolerance)) {
            result.m_Msg_Problem.emplace_back(L"Cannot get failure factor in section.");
            return 0;
        }
    return 1;
}

int C_Mgr_Calc::M_Fn_Update_Str_Case_Element(C_Context_Calc& ro_Context, C_Context_Calc_Str_Case& ro_Case,
                                             C_Context_Calc_Str_Element& ro_Work)
{
    if (!ro_Work.m_p_Segment)
        return -1;
    C_D_Tess_E_Segment& seg = *ro_Work.m_p_Segment;
    if (seg.m_Flag & C_D_Tess::E_Flag_Invalid)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Calc::M_Fn_Update_Str_Case_Element");
    std::fill(std::begin(seg.m_Stress), std::end(seg.m_Stress), 0.0f);

    const C_Result_Prop& eqv = m_sp_Result->m_Prop[1];
    C_Element_Sums sums(ro_Case, ro_Work, eqv.m_Center_X, eqv.m_Center_Y);
    const float area = seg.m_Area;
    const float su = seg.m_Limit_Stress_U;
    const float sy = seg.m_Limit_Stress_Y;
    const float e = seg.m_Modulus_E;
    const float nu = seg.m_Ratio_Poisson;
    const float tl = seg.m_Thk_Over_Length;
    const float w5 = m_Reserve;
    // The nodes carry the standard material's stress in the equivalent section; a wall of modulus
    // E carries E / E_std times it, and it is that stress which meets the wall's own capacities.
    // The stress ratio and the compressed share are ratios and do not change.
    const float r = M_Fn_Ratio_Modulus(e);
    ro_Work.m_Stress = {r * ro_Work.m_Stress[0], r * ro_Work.m_Stress[1]};
    const float s0 = ro_Work.m_Stress[0];
    const float s1 = ro_Work.m_Stress[1];
    ro_Work.m_Stress_Abs = {std::fabs(s0), std::fabs(s1)};
    const float a0 = ro_Work.m_Stress_Abs[0];
    const float a1 = ro_Work.m_Stress_Abs[1];
    ro_Work.m_Corner = N_Kernel::G_Fn_Corner(tl, su, sy);
    const float kc = ro_Work.m_Corner;

    if (s0 >= 0.0f && s1 >= 0.0f) {
        // Tension at both ends: the material's own limits.
        for (std::uint32_t end = 0; end < 2; ++end) {
            for (std::uint32_t s = 0; s < G_Num_Stat; ++s)
                G_Fn_Stat(seg, s, end) = su;
            G_Fn_Stat(seg, 1, end) = sy;
        }
        ro_Work.m_Stress_Gov = std::max(a0, a1);
        ro_Work.m_Cap_Gov = {su, sy, 0.9f * su, 0.75f * su, 0.6f * su};
        sums.M_Fn_Ult(area * su, 0, 0.5f);
        sums.M_Fn_Yield(area * sy, 0, 0.5f);
    } else {
        // The ratio of the smaller end stress to the larger one, signed.
        const float psi = a0 <= a1 ? s0 / s1 : s1 / s0;
        ro_Work.m_G1 = N_Kernel::G_Fn_Gradient_1(psi);
        ro_Work.m_G2 = N_Kernel::G_Fn_Gradient_2(psi);
        const float g1 = ro_Work.m_G1;
        const float g2 = ro_Work.m_G2;
        const bool supported[2] = {seg.m_Dep_L[0] >= G_Tolerance, seg.m_Dep_L[1] >= G_Tolerance};
        const bool compressed[2] = {s0 < 0.0f, s1 < 0.0f};
        const bool both_compressed = compressed[0] && compressed[1];
        // The compressed end when only one is, and the compressed share of the strip from it.
        const std::uint32_t end_c = compressed[0] ? 0 : 1;
        const float lam_c = ro_Work.m_Stress_Abs[end_c] / (a0 + a1);
        const auto max_of = [&seg](std::uint32_t i_End) { return G_Fn_Stat(seg, 0, i_End); };
        const auto set_gov_sum = [&](float i_Stress) {
            ro_Work.m_Stress_Gov = i_Stress;
            for (std::uint32_t s = 0; s < G_Num_Stat; ++s)
                ro_Work.m_Cap_Gov[s] = G_Fn_Stat(seg, s, 0) + G_Fn_Stat(seg, s, 1);
        };
        const auto set_gov_end = [&](float i_Stress, std::uint32_t i_End) {
            ro_Work.m_Stress_Gov = i_Stress;
            for (std::uint32_t s = 0; s < G_Num_Stat; ++s)
                ro_Work.m_Cap_Gov[s] = G_Fn_Stat(seg, s, i_End);
        };
        // A compressed part of share lam_c at the compressed end and a yielding tensile rest,
        // as a free or singly supported strip carries it.
        // The reading adopted for the yield sums: every kind of strip adds to them, not only the
        // ones whose rows name them. Free and singly supported strips add the parts they add to
        // the ultimate sums with the capacity capped at the yield stress, as the split of a strip
        // supported at both ends does; without them a section of such strips (an angle in
        // compression) would have an effective area of 0.
        const auto sums_one_tension_simple = [&]() {
            const float m_c = max_of(end_c);
            sums.M_Fn_Ult(-0.5f * area * m_c * lam_c, end_c, lam_c / 3.0f);
            sums.M_Fn_Ult(0.5f * area * sy * (1.0f - lam_c), end_c, (lam_c + 2.0f) / 3.0f);
            sums.M_Fn_Yield(-0.5f * area * lam_c * std::min(sy, m_c), end_c, lam_c / 3.0f);
            sums.M_Fn_Yield(0.5f * area * (1.0f - lam_c) * sy, end_c, (lam_c + 2.0f) / 3.0f);
        };

        if (!supported[0] && !supported[1]) {
            // A strip free at both ends buckles elastically, with a small post-critical reserve.
            const float critical_elastic = N_Kernel::G_Fn_Free_Critical(tl, e, g2);
            float critical = critical_elastic;
            float maximum;
            if (critical_elastic > sy) {
                critical = sy;
                maximum = sy + w5 * critical_elastic;
            } else {
                maximum = critical_elastic;
            }
            maximum = std::min({maximum, (1.0f + w5) * sy, su});
            for (std::uint32_t end = 0; end < 2; ++end) {
                G_Fn_Stat(seg, 0, end) = maximum;
                G_Fn_Stat(seg, 1, end) = critical;
                G_Fn_Stat(seg, 2, end) = 0.5f * critical;
                G_Fn_Stat(seg, 3, end) = 0.375f * critical;
                G_Fn_Stat(seg, 4, end) = 0.25f * critical;
            }
            if (both_compressed) {
                set_gov_sum(a0 + a1);
                const float m_sum = max_of(0) + max_of(1);
                sums.M_Fn_Ult(-0.5f * area * m_sum, 0, 0.5f);
                sums.M_Fn_Yield(-area * std::min(sy, 0.5f * m_sum), 0, 0.5f);
            } else {
                set_gov_end(ro_Work.m_Stress_Abs[end_c], end_c);
                sums_one_tension_simple();
            }
        } else if (supported[0] && supported[1]) {
            for (std::uint32_t end = 0; end < 2; ++end) {
                const float d = seg.m_Dep_L[end];
                const float a = N_Kernel::G_Fn_Restraint_4(d);
                const float b = N_Kernel::G_Fn_Restraint_5(d);
                const float c = N_Kernel::G_Fn_Restraint_7(d);
                const float lam = N_Kernel::G_Fn_Slenderness(g2, a, e, nu, sy);
                const float maximum = N_Kernel::G_Fn_Capacity_11(g2, a, e, nu, sy, su, tl, lam, kc);
                const float critical = N_Kernel::G_Fn_Column_13(g1, b, e, nu, sy, tl, lam,
                                                                N_Kernel::G_Fn_Critical_9(g1, g2, a, b, e, nu, sy));
                G_Fn_Stat_Set(seg, end, maximum, critical,
                              N_Kernel::G_Fn_Capacity_11(g2, c + 0.25f, e, nu, sy, su, tl, lam, kc),
                              N_Kernel::G_Fn_Average_14(g2, c, e, nu, sy, su, tl, lam, kc));
            }
            if (both_compressed) {
                set_gov_sum(a0 + a1);
                const float m0 = max_of(0);
                const float m1 = max_of(1);
                const float w_capacity = (m0 + 2.0f * m1) / (3.0f * (m0 + m1));
                sums.M_Fn_Ult(-0.5f * area * (m0 + m1), 0, w_capacity);
                sums.M_Fn_Yield(-std::min(sy, 0.5f * (m0 + m1)) * area, 0, w_capacity);
                ro_Work.m_Reduced = true;
                ro_Work.m_Reduced_Fraction = 1.0f - (m0 + m1) / (2.0f * su);
                const auto [dx, dy] = sums.M_Fn_Pos(0, (a0 + 2.0f * a1) / (3.0f * (a0 + a1)));
                ro_Work.m_Reduced_Dx = dx;
                ro_Work.m_Reduced_Dy = dy;
            } else {
                const std::uint32_t end_t = 1 - end_c;
                set_gov_end(ro_Work.m_Stress_Abs[end_c], end_c);
                const float m_c = max_of(end_c);
                const float m_t = max_of(end_t);
                // The yield sums: the compressed part limited by the yield stress, the rest
                // yielding in tension.
                sums.M_Fn_Yield(-0.5f * area * lam_c * std::min(sy, m_c), end_c, lam_c / 3.0f);
                sums.M_Fn_Yield(0.5f * area * (1.0f - lam_c) * sy, end_c, (lam_c + 2.0f) / 3.0f);
                // Compressed part: a plastic plateau of share mu next to the compressed end when
                // the capacity reaches the yield stress.
                if (sy <= m_c) {
                    const float mu = std::min(lam_c, (m_c - sy) * lam_c / (m_c - (1.0f - w5) * sy));
                    sums.M_Fn_Ult(-0.5f * area * m_c * (lam_c - mu), end_c, mu + (lam_c - mu) / 3.0f);
                    sums.M_Fn_Ult(-0.5f * area * mu * (m_c + sy), end_c, mu * (2.0f * sy + m_c) / (3.0f * (m_c + sy)));
                } else {
                    sums.M_Fn_Ult(-0.5f * area * m_c * lam_c, end_c, lam_c / 3.0f);
                }
                // Tensile part: hardening towards the ultimate stress over share nu_t at the
                // tension end.
                if (sy <= m_t) {
                    const float nu_t = std::min(1.0f - lam_c, (su - sy) * (1.0f - lam_c) / (su - (1.0f - w5) * sy));
                    sums.M_Fn_Ult(0.5f * area * sy * (1.0f - lam_c - nu_t), end_c,
                                  lam_c + 2.0f * (1.0f - lam_c - nu_t) / 3.0f);
                    sums.M_Fn_Ult(0.5f * area * nu_t * (su + sy), end_c,
                                  1.0f - nu_t * (su + 2.0f * sy) / (3.0f * (su + sy)));
                } else {
                    sums.M_Fn_Ult(0.5f * area * sy * (1.0f - lam_c), end_c, (lam_c + 2.0f) / 3.0f);
                }
                ro_Work.m_Reduced = true;
                ro_Work.m_Reduced_Fraction = 1.0f - m_c / su;
                const auto [dx, dy] = sums.M_Fn_Pos(end_c, lam_c / 3.0f);
                ro_Work.m_Reduced_Dx = dx;
                ro_Work.m_Reduced_Dy = dy;
            }
        } else {
            // One end supported: the free end carries nothing of its own.
            const std::uint32_t end_s = supported[0] ? 0 : 1;
            const float d = seg.m_Dep_L[end_s];
            const float a = static_cast<float>(N_Kernel::K(0.3f) * N_Kernel::G_Fn_Restraint_4(d));
            const float c6 = N_Kernel::G_Fn_Restraint_6(d);
            const float c = static_cast<float>(N_Kernel::K(0.3f) * N_Kernel::G_Fn_Restraint_7(d));
            const float m = a * g2;
            const float lam = m >= G_Tolerance ? static_cast<float>(std::sqrt(static_cast<double>(sy) / (static_cast<double>(e) * m)))
                                               : 0.016f;
            const float maximum = N_Kernel::G_Fn_Capacity_12(g2, a, e, sy, su, tl, lam);
            const float critical = N_Kernel::G_Fn_Column_13(g1, c6, e, nu, sy, tl, lam,
                                                            N_Kernel::G_Fn_Critical_10(g1, g2, a, c6, e, nu, sy));
            G_Fn_Stat_Set(seg, end_s, maximum, critical, N_Kernel::G_Fn_Capacity_12(g2, c + 0.25f, e, sy, su, tl, lam),
                          N_Kernel::G_Fn_Capacity_12(g2, c, e, sy, su, tl, lam));
            const float m_s = max_of(end_s);
            if (both_compressed) {
                set_gov_end(0.5f * (a0 + a1), end_s);
                sums.M_Fn_Ult(-area * m_s, 0, 0.5f);
                sums.M_Fn_Yield(-area * std::min(sy, m_s), 0, 0.5f);
            } else {
                set_gov_end(ro_Work.m_Stress_Abs[end_c], end_s);
                sums_one_tension_simple();
            }
            // The part next to the free end is ineffective.
            ro_Work.m_Reduced = true;
            ro_Work.m_Reduced_Fraction = 1.0f - m_s / su;
            const auto [dx, dy] = sums.M_Fn_Pos(end_s, 1.0f - ro_Work.m_Reduced_Fraction / 2.0f);
            ro_Work.m_Reduced_Dx = dx;
            ro_Work.m_Reduced_Dy = dy;
        }

        if (ro_Work.m_Reduced) {
            const float f = ro_Work.m_Reduced_Fraction;
            const float length = f * seg.m_Length;
            const float strip_area = length * seg.m_Thk;
            const N_Kernel::C_Strip_Moments m = N_Kernel::G_Fn_Strip(
                strip_area, length, seg.m_Thk, seg.m_Dir_Unit.x, seg.m_Dir_Unit.y, ro_Work.m_Reduced_Dx, ro_Work.m_Reduced_Dy);
            ro_Case.m_Eff_Area -= strip_area;
            ro_Case.m_Eff_Ixy -= static_cast<float>(m.m_Ixy);
            ro_Case.m_Eff_Ixx -= static_cast<float>(m.m_Ixx);
            ro_Case.m_Eff_Iyy -= static_cast<float>(m.m_Iyy);
        }
    }

    ++ro_Case.m_Count_Element;

    if (ro_Context.m_Closed == 0 || (seg.m_Flag & C_D_Tess::E_Flag_Loop)) {
        const auto utilisation = [&ro_Work](std::uint32_t i_Stat) {
            const float capacity = ro_Work.m_Cap_Gov[i_Stat];
            return capacity < G_Tolerance ? -1.0f : ro_Work.m_Stress_Gov / capacity;
        };
        const float u0 = utilisation(0);
        if (u0 > ro_Case.m_Stat[0]) {
            ro_Case.m_sp_Element_Critical = ro_Work.m_sp_Element;
            static constexpr float s_Floor[G_Num_Stat] = {1.0f, 1.0f, 1.01f, 1.03f, 1.05f};
            ro_Case.m_Stat[0] = u0;
            for (std::uint32_t s = 1; s < G_Num_Stat; ++s)
                ro_Case.m_Stat[s] = std::max(utilisation(s), u0 * s_Floor[s]);
        }
    }
    return 1;
}

} // namespace N_Biz::N_Sect
