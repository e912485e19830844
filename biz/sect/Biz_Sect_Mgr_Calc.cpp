// The calculation driver: the run order, the loop classification, the element checks and the
// result table. The section properties, the load cases and the sensitivities are in the
// Biz_Sect_Mgr_Calc_*.cpp files beside this one.
#include "biz/sect/Biz_Sect_Mgr_Calc.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_Calc_Mesh.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Tess_Settings.h"

#include <charconv>
#include <initializer_list>
#include <utility>
#include <vector>

namespace N_Biz::N_Sect {

namespace {

using N_Common::N_Math::G_Tolerance;

// Calls i_Fn(case, bound, statistic) for every load-case column of the result table, in its order:
// the six standard cases, the shown bound, the shown statistics that exist for the case.
template <class F>
void G_Fn_For_Shown(const C_Result_Rows_Switch& ro_Switch, const C_Info& ro_Info, F&& i_Fn)
{
    for (std::uint32_t c = 0; c < 6; ++c)
        for (std::uint32_t b = 0; b < 2; ++b) {
            if (!ro_Switch.m_Bound[b])
                continue;
            for (std::uint32_t s = 0; s < 5; ++s)
                if (ro_Switch.m_Stat[s] && ro_Info.M_Fn_Flag_Get(c, b, s))
                    i_Fn(c, b, s);
        }
}

} // namespace

C_Mgr_Calc::C_Mgr_Calc(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect), m_sp_Result(std::make_shared<C_Result>())
{
    M_Fn_Stale_Set();
}

C_Mgr_Calc::~C_Mgr_Calc() = default;

void C_Mgr_Calc::M_Fn_Config_Copy()
{
    const N_Biz::N_Config::C_Config_Data& data = G_Fn_Tess_Config_Data();
    m_Modulus_Std = data.m_Modulus;
    m_Reserve = data.m_Calc_Param_5;
    m_Poisson_Std = data.m_Poisson;
    m_Load = data.m_Calc_Param_9;
}

void C_Mgr_Calc::M_Fn_Mesh_Rebuild()
{
    if (!m_p_Sect)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Calc::M_Fn_Mesh_Rebuild");
    m_p_Sect->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Sub_Relation_Rebuild();
}

int C_Mgr_Calc::M_Fn_Update_If_Stale()
{
    if (M_Fn_Is_Stale()) {
        // Cleared first: a run that fails stays failed until the next edit.
        M_Fn_Stale_Clear();
        C_Context_Calc context;
        return M_Fn_Update(context);
    }
    return m_sp_Result->m_Valid == 1 ? 1 : 0;
}

int C_Mgr_Calc::M_Fn_Update(C_Context_Calc& ro_Context)
{
    M_Fn_Mesh_Rebuild();
    return M_Fn_Update_Mesh(ro_Context);
}

int C_Mgr_Calc::M_Fn_Update_Mesh(C_Context_Calc& ro_Context)
{
    M_Fn_Config_Copy();
    m_sp_Result->M_Fn_Clear();
    using T_Step = int (C_Mgr_Calc::*)(C_Context_Calc&);
    static constexpr T_Step s_Steps[] = {
        &C_Mgr_Calc::M_Fn_Update_Topological_Loop, &C_Mgr_Calc::M_Fn_Update_Element_Check,
        &C_Mgr_Calc::M_Fn_Update_Area,             &C_Mgr_Calc::M_Fn_Update_Bound,
        &C_Mgr_Calc::M_Fn_Update_Dep_L,            &C_Mgr_Calc::M_Fn_Update_Geom_Etc,
        &C_Mgr_Calc::M_Fn_Update_Str,
    };
    for (T_Step step : s_Steps) {
        const int result = (this->*step)(ro_Context);
        if (result != 1)
            return result;
    }
    m_sp_Result->m_Valid = 1;
    return 1;
}

int C_Mgr_Calc::M_Fn_Update_Topological_Loop(C_Context_Calc& ro_Context)
{
    C_Sect& sect = *m_p_Sect;
    std::uint32_t count_segment = 0;
    N_Calc::G_Fn_For_Segment(sect, [&](C_D_Tess_E_Segment& ro_Segment, const auto&) {
        ++count_segment;
        ro_Segment.m_Flag |= C_D_Tess::E_Flag_Loop;
    });

    // Free ends: a node with one element end. Walking in from every free end along nodes that are
    // left with one unwalked end strips the open branches; what keeps the loop bit lies on closed
    // loops or between them.
    C_Mgr_D_Tess_N& nodes = sect.M_Fn_Get_Mgr_D_Tess_N();
    const std::uint32_t count_node = nodes.M_Fn_Get_Store().size();
    std::vector<std::int64_t> degree(count_node, 0);
    N_Calc::G_Fn_For_Node(sect, [&](C_D_Tess_Node& ro_Node) { degree[ro_Node.m_Id] = ro_Node.m_Count_Ref; });

    std::uint32_t count_branch = 0;
    for (std::uint32_t start = 1; start < count_node; ++start) {
        if (!nodes.M_Fn_Get_Store().is_used_at(start))
            continue;
        std::uint32_t current = start;
        while (degree[current] == 1) {
            C_D_Tess_Element* p_found = nullptr;
            std::uint32_t pos_found = 0;
            N_Calc::G_Fn_For_Node_Ref(nodes.M_Fn_Get_At(current), [&](C_D_Tess_Element& ro_Element, std::uint32_t i_Pos) {
                if (!(ro_Element.m_Flag & C_D_Tess::E_Flag_Loop))
                    return true;
                p_found = &ro_Element;
                pos_found = i_Pos;
                return false;
            });
            if (!p_found)
                VT_THROW("N_Biz::N_Sect::C_Mgr_Calc::M_Fn_Update_Topological_Loop");
            p_found->m_Flag &= ~static_cast<std::uint32_t>(C_D_Tess::E_Flag_Loop);
            ++count_branch;
            degree[current] = 0;
            const std::uint32_t pos_other = p_found->M_Fn_Ref_Node_Get_i_Pos_Node_Ctrl_The_Other_Endpoint(pos_found);
            const std::uint32_t next = p_found->m_Ref_Nodes.at(pos_other).m_Id_Node;
            if (next >= count_node || !nodes.M_Fn_Get_Store().is_used_at(next))
                VT_THROW("N_Biz::N_Sect::C_Mgr_Calc::M_Fn_Update_Topological_Loop");
            --degree[next];
            current = next;
        }
    }
    ro_Context.m_Closed = count_branch < count_segment ? 1 : 0;
    return 1;
}

int C_Mgr_Calc::M_Fn_Update_Element_Check(C_Context_Calc& ro_Context)
{
    C_Result& result = *m_sp_Result;
    std::uint32_t count = 0;
    C_D_Tess_E_Segment* p_marked = nullptr;
    N_Calc::G_Fn_For_Segment(*m_p_Sect, [&](C_D_Tess_E_Segment& ro_Segment, const auto&) {
        if (p_marked)
            return;
        if (ro_Segment.m_Flag & C_D_Tess::E_Flag_Invalid)
            p_marked = &ro_Segment;
        else
            ++count;
    });

    if (p_marked) {
        const C_D_Tess_E_Segment& seg = *p_marked;
        std::vector<std::wstring>& msg = result.m_Msg_Problem;
        result.m_Element_Marked = static_cast<std::int32_t>(seg.m_Id);
        // Each listed value below 1e-6 adds its line (exactly 1e-6 passes).
        const auto check = [&msg](std::initializer_list<std::pair<float, const wchar_t*>> i_Checks) {
            for (const auto& [value, text] : i_Checks)
                if (value < G_Tolerance)
                    msg.emplace_back(text);
        };
        msg.emplace_back(L"Problems detected with marked element :");
        check({{seg.m_Length, L"- Invalid length."},
               {seg.m_Thk, L"- Invalid thickness."},
               {seg.m_Thk_Over_Length, L"- Invalid thickness over length."},
               {seg.m_Area, L"- Invalid area."}});

        const auto sp_property = seg.m_Key_C_P.M_Fn_Lock();
        if (!sp_property || sp_property->M_Fn_Is_Empty()) {
            msg.emplace_back(L"- No property connected.");
            return 0;
        }
        msg.emplace_back(L"Problems detected with its connected property :");
        if (!(seg.m_Flag & C_D_Tess::E_Flag_Thk_Individual) && seg.m_Thk < G_Tolerance)
            msg.emplace_back(L"- Invalid thickness.");

        const auto sp_material = sp_property->M_Fn_Key_C_Material().M_Fn_Lock();
        if (!sp_material || sp_material->M_Fn_Is_Empty()) {
            msg.emplace_back(L"- No material connected.");
            return 0;
        }
        msg.emplace_back(L"Problems detected with its connected material :");
        check({{seg.m_Ratio_Poisson, L"- Invalid Poisson ration."},
               {seg.m_Modulus_E, L"- Invalid elastic modulus."},
               {seg.m_Limit_Stress_Y, L"- Invalid yield stress."},
               {seg.m_Limit_Stress_U, L"- Invalid ultimate stress."}});
        return 0;
    }
    if (count == 0) {
        result.m_Msg_Problem.emplace_back(L"There is no element.");
        return 0;
    }
    return 1;
}

C_Result_Rows_Switch C_Mgr_Calc::S_Fn_Rows_Switch_Get(const N_Biz::N_Config::C_Config_Data& ro_Data)
{
    C_Result_Rows_Switch result;
    result.m_Bound = {ro_Data.m_Stress_Bound == 0, ro_Data.m_Stress_Bound == 1};
    result.m_Stat = {ro_Data.m_Sheet_Max != 0, ro_Data.m_Sheet_Critical != 0, ro_Data.m_Sheet_Corner != 0,
                     ro_Data.m_Sheet_Average != 0, ro_Data.m_Sheet_Min != 0};
    result.m_Scientific = ro_Data.m_Sheet_Scientific;
    return result;
}

std::int32_t C_Mgr_Calc::M_Fn_Result_Rows_Build(C_Result_Rows_Switch& o_Switch, std::vector<std::wstring>& o_Names) const
{
    o_Switch = S_Fn_Rows_Switch_Get(G_Fn_Tess_Config_Data());

    const C_Info& info = S_Fn_Info_Get();
    const auto& kind = info.m_Label_Kind[C_Info::E_Style_Short];
    const auto& cases = info.m_Label_Case[C_Info::E_Style_Short];
    const auto& stats = info.m_Label_Stat[C_Info::E_Style_Short];
    static const wchar_t* const s_Prop_Names[] = {L"A", L"Asx", L"Asy", L"Ixy", L"Ix", L"Iy"};
    for (std::size_t k = 0; k < 2; ++k)
        for (const wchar_t* name : s_Prop_Names)
            o_Names.push_back(kind.at(k) + L" " + name);
    G_Fn_For_Shown(o_Switch, info, [&](std::uint32_t c, std::uint32_t, std::uint32_t s) {
        o_Names.push_back(cases.at(c) + L" " + stats.at(s));
    });
    return o_Switch.m_Scientific;
}

int C_Mgr_Calc::M_Fn_Report_Output(const C_Result_Rows_Switch& ro_Switch, std::vector<std::wstring>& o_Values)
{
    const int status = M_Fn_Update_If_Stale();
    const C_Result& result = *m_sp_Result;
    const C_Info& info = S_Fn_Info_Get();
    for (const C_Result_Prop& prop : result.m_Prop)
        for (float value : {prop.m_Area, prop.m_Area_Shear_X, prop.m_Area_Shear_Y, prop.m_Ixy, prop.m_Ixx, prop.m_Iyy})
            o_Values.push_back(S_Fn_Value_Format(value, ro_Switch.m_Scientific));
    G_Fn_For_Shown(ro_Switch, info, [&](std::uint32_t c, std::uint32_t b, std::uint32_t s) {
        o_Values.push_back(S_Fn_Value_Format(result.m_Case[c].m_Bound[b][s], ro_Switch.m_Scientific));
    });
    return status;
}

std::wstring C_Mgr_Calc::S_Fn_Value_Format(float i_Value, std::int32_t i_Scientific)
{
    // to_chars never looks at the locale; its fixed and scientific forms are printf's %.1f and %e.
    char buffer[64];
    const auto [end, error] = i_Scientific
                                  ? std::to_chars(buffer, buffer + sizeof buffer, i_Value, std::chars_format::scientific, 6)
                                  : std::to_chars(buffer, buffer + sizeof buffer, i_Value, std::chars_format::fixed, 1);
    if (error != std::errc())
        return L"";
    return std::wstring(buffer, end);
}

const C_Info& C_Mgr_Calc::S_Fn_Info_Get()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Sect_Info)
        VT_THROW("N_Biz::N_Sect::C_Mgr_Calc::S_Fn_Info_Get");
    return *p_app->m_sp_Sect_Info;
}

} // namespace N_Biz::N_Sect
