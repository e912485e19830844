// How the calculation reads the section's mesh stores: live segments in slot order, live nodes in
// slot order, and the chain of element ends at a node. Used only by the calculation's sources.
#pragma once

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Tess_E_Segment.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "common/Common_Exception.h"

#include <cstdint>
#include <memory>

namespace N_Biz::N_Sect::N_Calc {

// The segment an element is, or null for another kind of element.
inline C_D_Tess_E_Segment* G_Fn_Segment(C_D_Tess_Element* i_p_Element)
{
    if (!i_p_Element || i_p_Element->M_Fn_Type_Get() != C_D_Tess::E_Type_Segment)
        return nullptr;
    return static_cast<C_D_Tess_E_Segment*>(i_p_Element);
}

// Calls i_Fn(segment, holder) for every stored segment, in slot order from 1.
template <class F>
void G_Fn_For_Segment(C_Sect& ro_Sect, F&& i_Fn)
{
    const C_Mgr_D_Tess_E::T_Store& store = ro_Sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_Store();
    const auto& elements = store.elements();
    for (std::uint32_t i = 1; i < store.size(); ++i) {
        if (!store.is_used_at(i))
            continue;
        if (C_D_Tess_E_Segment* p_segment = G_Fn_Segment(elements[i].get()))
            i_Fn(*p_segment, elements[i]);
    }
}

// Calls i_Fn(node) for every stored node, in slot order from 1.
template <class F>
void G_Fn_For_Node(C_Sect& ro_Sect, F&& i_Fn)
{
    C_Mgr_D_Tess_N& mgr = ro_Sect.M_Fn_Get_Mgr_D_Tess_N();
    const std::uint32_t count = mgr.M_Fn_Get_Store().size();
    for (std::uint32_t i = 1; i < count; ++i) {
        if (mgr.M_Fn_Get_Store().is_used_at(i))
            i_Fn(mgr.M_Fn_Get_At(i));
    }
}

// Calls i_Fn(element, position) for every element end in the node's chain, in chain order; a
// chain longer than the node's count of references is an inconsistent mesh and throws.
template <class F>
void G_Fn_For_Node_Ref(const C_D_Tess_Node& ro_Node, F&& i_Fn)
{
    C_Link_Tess_E link = ro_Node.m_Head;
    std::uint32_t seen = 0;
    while (link.m_p_Element) {
        if (++seen > ro_Node.m_Count_Ref || link.m_Pos >= link.m_p_Element->m_Ref_Nodes.size())
            VT_THROW("N_Biz::N_Sect::N_Calc::G_Fn_For_Node_Ref");
        const C_Link_Tess_E next = link.m_p_Element->m_Ref_Nodes[link.m_Pos].m_Next;
        if (!i_Fn(*link.m_p_Element, link.m_Pos))
            return;
        link = next;
    }
}

} // namespace N_Biz::N_Sect::N_Calc
