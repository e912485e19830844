#include "biz/sect/Biz_Sect_D_Tess_Node.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Draw_Tess.h"
#include "biz/sect/Biz_Sect_D_Tess_E_Segment.h"
#include "biz/sect/Biz_Sect_D_Tess_Element.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

#include <utility>

namespace N_Biz::N_Sect {

namespace {

// The chain order: descending (element id, position); a null link counts as element id 0.
bool G_Fn_Link_Less(const C_Link_Tess_E& ro_A, std::uint32_t i_Id_B, std::uint32_t i_Pos_B)
{
    const std::uint32_t id_a = ro_A.m_p_Element ? ro_A.m_p_Element->m_Id : 0;
    if (id_a != i_Id_B)
        return id_a < i_Id_B;
    return ro_A.m_Pos < i_Pos_B;
}

} // namespace

C_D_Tess_Node::~C_D_Tess_Node() = default;

std::unique_ptr<C_D_Tess_Node> C_D_Tess_Node::Clone_apo_D_Tess_Node() const
{
    return std::make_unique<C_D_Tess_Node>(*this);
}

void C_D_Tess_Node::M_Fn_Swap(C_D_Tess_Node& ro_Other) noexcept
{
    std::swap(m_Flag, ro_Other.m_Flag);
    std::swap(m_Id, ro_Other.m_Id);
    std::swap(m_Head, ro_Other.m_Head);
    std::swap(m_Count_Ref, ro_Other.m_Count_Ref);
    std::swap(m_Count_Endpoint, ro_Other.m_Count_Endpoint);
    std::swap(m_Id_Point, ro_Other.m_Id_Point);
    std::swap(m_X, ro_Other.m_X);
    std::swap(m_Y, ro_Other.m_Y);
    std::swap(m_Stress, ro_Other.m_Stress);
}

C_Ref_Tess_N* C_D_Tess_Node::M_Fn_Ref_Element_Get_Next(const C_Link_Tess_E& ro_Link) const
{
    if (!ro_Link.m_p_Element)
        return nullptr;
    auto& refs = ro_Link.m_p_Element->m_Ref_Nodes;
    if (ro_Link.m_Pos >= refs.size() || refs[ro_Link.m_Pos].m_Id_Node != m_Id)
        VT_THROW("N_Biz::N_Sect::C_D_Tess_Node::M_Fn_Ref_Element_Get_Next");
    return &refs[ro_Link.m_Pos];
}

void C_D_Tess_Node::M_Fn_Ref_Element_Add(C_D_Tess_Element* ip_Element, std::uint32_t i_Pos)
{
    if (!ip_Element || i_Pos >= ip_Element->m_Ref_Nodes.size() || ip_Element->m_Ref_Nodes[i_Pos].m_Id_Node != m_Id)
        VT_THROW("N_Biz::N_Sect::C_D_Tess_Node::M_Fn_Ref_Element_Add");
    const bool endpoint = ip_Element->M_Fn_Ref_Node_Is_Endpoint(i_Pos);
    const C_Link_Tess_E link_new{ip_Element, i_Pos};
    C_Link_Tess_E* p_link = &m_Head;
    while (p_link->m_p_Element) {
        if (*p_link == link_new)
            VT_THROW("N_Biz::N_Sect::C_D_Tess_Node::M_Fn_Ref_Element_Add");
        if (G_Fn_Link_Less(*p_link, ip_Element->m_Id, i_Pos))
            break;
        p_link = &M_Fn_Ref_Element_Get_Next(*p_link)->m_Next;
    }
    ip_Element->m_Ref_Nodes[i_Pos].m_Next = *p_link;
    *p_link = link_new;
    ++m_Count_Ref;
    if (endpoint)
        ++m_Count_Endpoint;
}

void C_D_Tess_Node::M_Fn_Ref_Element_Remove(C_D_Tess_Element* ip_Element, std::uint32_t i_Pos)
{
    if (!ip_Element || i_Pos >= ip_Element->m_Ref_Nodes.size())
        VT_THROW("N_Biz::N_Sect::C_D_Tess_Node::M_Fn_Ref_Element_Remove");
    const bool endpoint = ip_Element->M_Fn_Ref_Node_Is_Endpoint(i_Pos);
    if (endpoint && m_Count_Endpoint == 0)
        VT_THROW("N_Biz::N_Sect::C_D_Tess_Node::M_Fn_Ref_Element_Remove");
    if (m_Count_Ref == 0)
        VT_THROW("N_Biz::N_Sect::C_D_Tess_Node::M_Fn_Ref_Element_Remove");
    const C_Link_Tess_E link_old{ip_Element, i_Pos};
    C_Link_Tess_E* p_link = &m_Head;
    while (p_link->m_p_Element && !(*p_link == link_old))
        p_link = &M_Fn_Ref_Element_Get_Next(*p_link)->m_Next;
    if (!p_link->m_p_Element)
        VT_THROW("N_Biz::N_Sect::C_D_Tess_Node::M_Fn_Ref_Element_Remove");
    // Every check is done: unlink and uncount.
    *p_link = ip_Element->m_Ref_Nodes[i_Pos].m_Next;
    ip_Element->m_Ref_Nodes[i_Pos].m_Next = C_Link_Tess_E();
    --m_Count_Ref;
    if (endpoint)
        --m_Count_Endpoint;
}

void C_D_Tess_Node::M_Fn_Draw(C_Context_Draw_Tess& ro_Context) const
{
    if (!ro_Context.m_Show_Thk || m_Count_Endpoint < 2)
        return;
    // The thinnest meeting segment sets the patch; the property colours it only when every
    // meeting segment has the same one.
    const C_D_Tess_E_Segment* p_first = nullptr;
    bool same_property = true;
    float thk = 0;
    for (C_Link_Tess_E link = m_Head; link.m_p_Element; link = M_Fn_Ref_Element_Get_Next(link)->m_Next) {
        const auto* p_seg = dynamic_cast<const C_D_Tess_E_Segment*>(link.m_p_Element);
        if (!p_seg)
            continue;
        if (!p_first) {
            p_first = p_seg;
            thk = p_seg->m_Thk;
            continue;
        }
        if (!(p_seg->m_Key_C_P == p_first->m_Key_C_P))
            same_property = false;
        if (p_seg->m_Thk < thk)
            thk = p_seg->m_Thk;
    }
    if (!p_first)
        return;
    const float r = thk * 0.5f;

    bool picked = ro_Context.m_Override ? ro_Context.m_Override_Picked : (m_Flag & E_Flag_Picked) != 0;
    bool selected = ro_Context.m_Override ? ro_Context.m_Override_Selected : (m_Flag & E_Flag_Selected) != 0;
    const C_D_Tess_Element::T_Key_C_P key_none;
    const C_D_Tess_Element::T_Key_C_P& key = same_property ? p_first->m_Key_C_P : key_none;
    C_D_Tess_Element::S_Fn_Draw_Flags_Or_Cards(key, picked, selected);
    const float* p_color = C_D_Tess_Element::S_Fn_Draw_Color_Choose(ro_Context, key, picked, selected, m_Flag);
    C_D_Tess_Element::S_Fn_Draw_Color_Set(ro_Context, p_color);

    const float d = 0.707f * r;
    glBegin(GL_POLYGON);
    glVertex2f(m_X + r, m_Y);
    glVertex2f(m_X + d, m_Y + d);
    glVertex2f(m_X, m_Y + r);
    glVertex2f(m_X - d, m_Y + d);
    glVertex2f(m_X - r, m_Y);
    glVertex2f(m_X - d, m_Y - d);
    glVertex2f(m_X, m_Y - r);
    glVertex2f(m_X + d, m_Y - d);
    glEnd();
}

void C_D_Tess_Node::M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                     C_Context_Desc_Output& ro_Output) const
{
    ro_Output.M_Fn_Add_Int(i_Prefix, L"Node Id: ", m_Id);
    ro_Output.M_Fn_Add_Int(i_Prefix, L"Referred: ", m_Count_Ref);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"X: ", m_X);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Y: ", m_Y);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Stress: ", m_Stress);
}

} // namespace N_Biz::N_Sect
