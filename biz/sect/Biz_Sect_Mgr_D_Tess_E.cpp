#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Tess_E_Segment.h"
#include "biz/sect/Biz_Sect_Mgr_D_Relation_Geom_E_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "biz/sect/Biz_Sect_Signal.h"
#include "biz/sect/Biz_Sect_Tess_Settings.h"
#include "common/Common_Exception.h"

#include <algorithm>
#include <cmath>

namespace N_Biz::N_Sect {

namespace {

using C_Vector2f = N_Common::N_Math::C_Vector2<float>;
using N_Common::N_Math::G_Tolerance;

// The merge pass's material test: strictly within 1e-6 (a NaN difference fails).
bool G_Fn_Near(float i_A, float i_B)
{
    return std::fabs(i_B - i_A) < G_Tolerance;
}

} // namespace

C_Mgr_D_Tess_E::C_Mgr_D_Tess_E(C_Sect* i_p_Sect) : T_Sel(this), m_p_Sect(i_p_Sect)
{
    m_Store.add_at(0, T_sp_Element());
}

C_Mgr_D_Tess_E::~C_Mgr_D_Tess_E() = default;

void C_Mgr_D_Tess_E::M_Fn_Sel_Notify()
{
    if (m_p_Sect)
        m_p_Sect->M_Fn_Signal_Fire(E_Signal_Sel_Data);
}

void C_Mgr_D_Tess_E::M_Fn_D_Add_At(std::uint32_t i_Index, T_sp_Element& io_sp_Element)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_D_Add_At");
    if (!io_sp_Element)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_D_Add_At");
    C_D_Tess_Element& element = *io_sp_Element;
    if (element.m_Id != 0 || !m_p_Sect)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_D_Add_At");
    // Every check before the store changes: selection bits, the slot, the nodes.
    M_Fn_Sel_Check_in(element);
    if (m_Store.is_used_at(i_Index))
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_D_Add_At");
    const auto& nodes = m_p_Sect->M_Fn_Get_Mgr_D_Tess_N().M_Fn_Get_Store();
    for (const C_Ref_Tess_N& ref : element.m_Ref_Nodes)
        if (ref.m_Id_Node == 0 || !nodes.is_used_at(ref.m_Id_Node) || ref.m_Next.m_p_Element)
            VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_D_Add_At");

    m_Store.add_at(i_Index, io_sp_Element);
    element.m_Id = i_Index;
    try {
        element.M_Fn_Ref_Node_Connect(*m_p_Sect);
    } catch (...) {
        element.m_Id = 0;
        m_Store.erase_at(i_Index);
        throw;
    }
    io_sp_Element.reset();
}

void C_Mgr_D_Tess_E::M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Element& o_sp_Element)
{
    if (i_Index == 0)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_D_Remove_At");
    if (o_sp_Element)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_D_Remove_At");
    if (!m_Store.is_used_at(i_Index) || !m_Store.at(i_Index))
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_D_Remove_At");
    T_sp_Element sp_element = m_Store.at(i_Index);
    if (sp_element->m_Id != i_Index || !m_p_Sect)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_D_Remove_At");
    M_Fn_Sel_Check_out(*sp_element);
    sp_element->M_Fn_Ref_Node_Disconnect(*m_p_Sect);
    sp_element->m_Id = 0;
    m_Store.erase_at(i_Index);
    o_sp_Element = std::move(sp_element);
}

int C_Mgr_D_Tess_E::M_Fn_D_Erase_At(std::uint32_t i_Index)
{
    T_sp_Element sp_element;
    M_Fn_D_Remove_At(i_Index, sp_element);
    return 1;
}

void C_Mgr_D_Tess_E::M_Fn_D_Clear()
{
    M_Fn_Sel_P0_Clear();
    M_Fn_Sel_P1_Clear();
    m_Store = T_Store();
    m_Store.add_at(0, T_sp_Element());
}

void C_Mgr_D_Tess_E::M_Fn_Proc_Sub_Chain_Add(std::uint32_t i_Id_Geom_E, const std::vector<std::uint32_t>& ro_Ids_Node,
                                            bool i_Weld, bool i_Thk_Individual,
                                            const C_D_Tess_Element::T_Key_C_P& ro_Key_C_P,
                                            const std::array<float, 4>& ro_Weights, float i_Thk, const char* i_Function)
{
    if (!m_p_Sect)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_Proc_Sub_Chain_Add");
    auto sp_relation = std::make_shared<C_D_Relation_Geom_E_Tess_E>();
    sp_relation->m_Ids_Geom_E.push_back(i_Id_Geom_E);
    for (std::size_t i = 1; i < ro_Ids_Node.size(); ++i) {
        if (ro_Ids_Node[i] == 0 || ro_Ids_Node[i - 1] == 0)
            throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
        auto sp_segment = std::make_shared<C_D_Tess_E_Segment>();
        sp_segment->M_Fn_Set(m_p_Sect, i_Weld, i_Thk_Individual, ro_Key_C_P, ro_Weights[0], ro_Weights[1],
                             ro_Weights[2], ro_Weights[3], i_Thk, ro_Ids_Node[i - 1], ro_Ids_Node[i]);
        const std::uint32_t id_element = m_Store.next_index();
        T_sp_Element sp_element = std::move(sp_segment);
        M_Fn_D_Add_At(id_element, sp_element);
        sp_relation->m_Ids_Tess_E.push_back(id_element);
    }
    if (sp_relation->m_Ids_Tess_E.empty())
        return;
    C_Mgr_D_Relation_Geom_E_Tess_E& mgr_r = m_p_Sect->M_Fn_Get_Mgr_D_Relation();
    C_Mgr_D_Relation_Geom_E_Tess_E::T_sp_Relation sp_record = std::move(sp_relation);
    mgr_r.M_Fn_D_Add_At(mgr_r.M_Fn_Next_Index(), sp_record);
}

int C_Mgr_D_Tess_E::M_Fn_Proc_Sub_Segment_Merge()
{
    if (!m_p_Sect)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_Proc_Sub_Segment_Merge");
    C_Mgr_D_Tess_N& mgr_n = m_p_Sect->M_Fn_Get_Mgr_D_Tess_N();
    C_Mgr_D_Relation_Geom_E_Tess_E& mgr_r = m_p_Sect->M_Fn_Get_Mgr_D_Relation();
    const float cos_t = std::cos(G_Fn_Tess_Config_Data().m_Tess_Angle);

    for (std::uint32_t n = 1; n < mgr_n.M_Fn_Get_Store().size(); ++n) {
        if (!mgr_n.M_Fn_Get_Store().is_used_at(n))
            continue;
        C_D_Tess_Node& node = mgr_n.M_Fn_Get_At(n);
        if (node.m_Count_Endpoint != 2)
            continue;

        // 1. Exactly two non-weld segments in chain order (S0 has the larger id).
        C_D_Tess_E_Segment* s[2] = {nullptr, nullptr};
        std::uint32_t p[2] = {0, 0};
        int count = 0;
        for (C_Link_Tess_E link = node.m_Head; link.m_p_Element;
             link = node.M_Fn_Ref_Element_Get_Next(link)->m_Next) {
            auto* p_seg = dynamic_cast<C_D_Tess_E_Segment*>(link.m_p_Element);
            if (!p_seg || (p_seg->m_Flag & C_D_Tess::E_Flag_Weld))
                continue;
            if (count < 2) {
                s[count] = p_seg;
                p[count] = link.m_Pos;
            }
            ++count;
        }
        if (count != 2)
            continue;
        C_D_Tess_E_Segment& s0 = *s[0];
        C_D_Tess_E_Segment& s1 = *s[1];

        // 2. The far nodes must differ (else the two would close on themselves).
        const std::uint32_t id_f0 = s0.m_Ref_Nodes[s0.M_Fn_Ref_Node_Get_i_Pos_Node_Ctrl_The_Other_Endpoint(p[0])].m_Id_Node;
        const std::uint32_t id_f1 = s1.m_Ref_Nodes[s1.M_Fn_Ref_Node_Get_i_Pos_Node_Ctrl_The_Other_Endpoint(p[1])].m_Id_Node;
        if (id_f0 == id_f1)
            continue;

        // 3. Same material values.
        if (!G_Fn_Near(s0.m_Ratio_Poisson, s1.m_Ratio_Poisson) || !G_Fn_Near(s0.m_Modulus_E, s1.m_Modulus_E) ||
            !G_Fn_Near(s0.m_Limit_Stress_U, s1.m_Limit_Stress_U) || !G_Fn_Near(s0.m_Limit_Stress_Y, s1.m_Limit_Stress_Y))
            continue;

        // 4. The directions, with the spreads both already cover, within the merge angle. S1 is
        // turned round when both segments start (or both end) at the node.
        const C_Vector2f a0 = s0.m_Dir_Bound_A, b0 = s0.m_Dir_Bound_B;
        C_Vector2f a1 = s1.m_Dir_Bound_A, b1 = s1.m_Dir_Bound_B;
        if (p[0] == p[1]) {
            a1 = a1 * -1.0f;
            b1 = b1 * -1.0f;
        }
        const bool test_1 = a0.M_Fn_Cross(b1) <= 0.0f || a0.M_Fn_Dot(b1) >= cos_t;
        const bool test_2 = a1.M_Fn_Cross(b0) <= 0.0f || b0.M_Fn_Dot(a1) >= cos_t;
        if (!test_1 || !test_2)
            continue;

        // 5. The joined segment runs from F0 to F1 in S0's orientation.
        const C_D_Tess_Node& f0 = mgr_n.M_Fn_Get_At(id_f0);
        const C_D_Tess_Node& f1 = mgr_n.M_Fn_Get_At(id_f1);
        const float length = (C_Vector2f(f1.m_X, f1.m_Y) - C_Vector2f(f0.m_X, f0.m_Y)).M_Fn_Length();
        if (!(length >= G_Tolerance))
            continue;
        const std::uint32_t id_ref_0 = p[0] == 0 ? id_f1 : id_f0;
        const std::uint32_t id_ref_1 = p[0] == 0 ? id_f0 : id_f1;

        // 6. Set up with the summed cross-section area of both.
        auto sp_seg = std::make_shared<C_D_Tess_E_Segment>();
        sp_seg->M_Fn_Set(m_p_Sect, false, true, s0.m_Key_C_P, 0.25f, 0.25f, 0.25f, 0.25f,
                         (s1.m_Area + s0.m_Area) / length, id_ref_0, id_ref_1);
        // 7. The bounds cover both spreads.
        sp_seg->m_Dir_Bound_A = a0.M_Fn_Cross(a1) > 0.0f ? a0 : a1;
        sp_seg->m_Dir_Bound_B = b0.M_Fn_Cross(b1) >= 0.0f ? b1 : b0;

        // 8. One relation record for everything both records listed.
        const std::uint32_t id_s0 = s0.m_Id, id_s1 = s1.m_Id;
        const std::uint32_t id_r0 = s0.m_Id_Relation, id_r1 = s1.m_Id_Relation;
        auto sp_rel = std::make_shared<C_D_Relation_Geom_E_Tess_E>();
        auto append = [&](std::uint32_t i_Id_Relation) {
            if (i_Id_Relation == 0)
                return;
            const auto& sp_old = mgr_r.M_Fn_Get_At(i_Id_Relation);
            if (!sp_old)
                return;
            sp_rel->m_Ids_Geom_E.insert(sp_rel->m_Ids_Geom_E.end(), sp_old->m_Ids_Geom_E.begin(), sp_old->m_Ids_Geom_E.end());
            sp_rel->m_Ids_Tess_E.insert(sp_rel->m_Ids_Tess_E.end(), sp_old->m_Ids_Tess_E.begin(), sp_old->m_Ids_Tess_E.end());
        };
        append(id_r0);
        if (id_r1 != id_r0)
            append(id_r1);
        for (auto* p_ids : {&sp_rel->m_Ids_Geom_E, &sp_rel->m_Ids_Tess_E}) {
            std::sort(p_ids->begin(), p_ids->end());
            p_ids->erase(std::unique(p_ids->begin(), p_ids->end()), p_ids->end());
        }
        std::erase_if(sp_rel->m_Ids_Tess_E, [&](std::uint32_t i_Id) { return i_Id == id_s0 || i_Id == id_s1; });

        // 9. Out with the old records and segments, and the node when nothing uses it any more.
        if (id_r0 != 0 && mgr_r.M_Fn_Get_At(id_r0))
            mgr_r.M_Fn_D_Erase_At(id_r0);
        if (id_r1 != 0 && id_r1 != id_r0 && mgr_r.M_Fn_Get_At(id_r1))
            mgr_r.M_Fn_D_Erase_At(id_r1);
        M_Fn_D_Erase_At(id_s0);
        M_Fn_D_Erase_At(id_s1);
        if (node.m_Count_Ref == 0)
            mgr_n.M_Fn_D_Erase_At(n);

        // 10. In with the new segment (at S1's freed slot) and its record.
        const std::uint32_t id_new = m_Store.next_index();
        T_sp_Element sp_element = std::move(sp_seg);
        M_Fn_D_Add_At(id_new, sp_element);
        sp_rel->m_Ids_Tess_E.push_back(id_new);
        C_Mgr_D_Relation_Geom_E_Tess_E::T_sp_Relation sp_rel_new = std::move(sp_rel);
        mgr_r.M_Fn_D_Add_At(mgr_r.M_Fn_Next_Index(), sp_rel_new);
    }
    return 1;
}

int C_Mgr_D_Tess_E::M_Fn_Proc_Cmd_P_Palette_Sel()
{
    if (M_Fn_Sel_P1_Get().size() != 1)
        return 0;
    C_D_Tess_Element* p_element = M_Fn_Sel_P1_Get().front();
    if (!p_element || !m_p_Sect || !m_p_Sect->M_Fn_Get_Proj())
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_Proc_Cmd_P_Palette_Sel");
    const auto sp_property = p_element->m_Key_C_P.M_Fn_Lock();
    const std::uint32_t id = sp_property ? static_cast<std::uint32_t>(sp_property->M_Fn_Pos_Get()) : 0u;
    m_p_Sect->M_Fn_Get_Proj()->M_Fn_D_DB_C_P_Notify(id);
    return 1;
}

void C_Mgr_D_Tess_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Tess_Show_Thk()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Tess_Show_Thk");
    p_app->m_sp_Config->M_Fn_Toggle_Show_Thickness();
    M_Fn_Redraw_All();
}

void C_Mgr_D_Tess_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Tess_Show_Loop()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Tess_E::M_Fn_Doc_On_Cmd_Sect_Edit_D_Tess_Show_Loop");
    p_app->m_sp_Config->M_Fn_Toggle_Show_Loop();
    M_Fn_Redraw_All();
}

void C_Mgr_D_Tess_E::M_Fn_Redraw_All()
{
    // Only the drawing changes: main views redrawn, nothing recalculated.
    if (m_p_Sect && m_p_Sect->M_Fn_Get_Proj())
        m_p_Sect->M_Fn_Get_Proj()->M_Fn_Get_Mgr_D_Sect().M_Fn_Invalidate_All(false, true, false, false, false);
}

} // namespace N_Biz::N_Sect
