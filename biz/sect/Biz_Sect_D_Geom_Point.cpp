#include "biz/sect/Biz_Sect_D_Geom_Point.h"

#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "common/Common_Exception.h"

#include <utility>

namespace N_Biz::N_Sect {

namespace N_Stream = N_Common::N_Stream;

C_D_Geom_Point::~C_D_Geom_Point() = default;

std::unique_ptr<C_D_Geom_Point> C_D_Geom_Point::Clone_apo_D_Geom_Point() const
{
    return std::make_unique<C_D_Geom_Point>(*this);
}

C_D_Geom_Point& C_D_Geom_Point::M_Fn_Modifiable_Swap(C_D_Geom_Point& ro_Other)
{
    std::swap(m_X, ro_Other.m_X);
    std::swap(m_Y, ro_Other.m_Y);
    return ro_Other;
}

void C_D_Geom_Point::M_Fn_Swap(C_D_Geom_Point& ro_Other) noexcept
{
    std::swap(m_Flag, ro_Other.m_Flag);
    std::swap(m_Id, ro_Other.m_Id);
    std::swap(m_Head, ro_Other.m_Head);
    std::swap(m_Count_Ref, ro_Other.m_Count_Ref);
    std::swap(m_Count_Endpoint, ro_Other.m_Count_Endpoint);
    std::swap(m_Id_Node, ro_Other.m_Id_Node);
    std::swap(m_X, ro_Other.m_X);
    std::swap(m_Y, ro_Other.m_Y);
}

E_Result C_D_Geom_Point::M_Fn_Stream_Serialize_I(std::istream& ro_Stream)
{
    E_Result result = C_D_Geom::M_Fn_Stream_Serialize_I(ro_Stream);
    if (result != E_Result_Success)
        return result;
    C_Link_Geom_E head;
    std::uint32_t count_ref = 0;
    std::uint32_t count_endpoint = 0;
    float x = 0;
    float y = 0;
    if (N_Stream::G_Fn_Serialize_I(ro_Stream, head.m_Id_Entity) != E_Result_Success ||
        N_Stream::G_Fn_Serialize_I(ro_Stream, head.m_Pos) != E_Result_Success ||
        N_Stream::G_Fn_Serialize_I(ro_Stream, count_ref) != E_Result_Success ||
        N_Stream::G_Fn_Serialize_I(ro_Stream, count_endpoint) != E_Result_Success ||
        N_Stream::G_Fn_Serialize_I(ro_Stream, x) != E_Result_Success ||
        N_Stream::G_Fn_Serialize_I(ro_Stream, y) != E_Result_Success)
        return E_Result_Stream_Failure;
    m_Head = head;
    m_Count_Ref = count_ref;
    m_Count_Endpoint = count_endpoint;
    m_X = x;
    m_Y = y;
    return E_Result_Success;
}

E_Result C_D_Geom_Point::M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const
{
    const E_Result result = C_D_Geom::M_Fn_Stream_Serialize_O(ro_Stream);
    if (result != E_Result_Success)
        return result;
    N_Stream::G_Fn_Serialize_O(ro_Stream, m_Head.m_Id_Entity);
    N_Stream::G_Fn_Serialize_O(ro_Stream, m_Head.m_Pos);
    N_Stream::G_Fn_Serialize_O(ro_Stream, m_Count_Ref);
    N_Stream::G_Fn_Serialize_O(ro_Stream, m_Count_Endpoint);
    N_Stream::G_Fn_Serialize_O(ro_Stream, m_X);
    return N_Stream::G_Fn_Serialize_O(ro_Stream, m_Y);
}

void C_D_Geom_Point::M_Fn_Relation_Tess_Build(C_Sect& ro_Sect)
{
    if (m_Id_Node == 0)
        M_Fn_Relation_Tess_Build_Node(m_X, m_Y, ro_Sect, static_cast<std::uint32_t>(m_Id));
}

void C_D_Geom_Point::M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                      C_Context_Desc_Output& ro_Output) const
{
    ro_Output.M_Fn_Add_Int(i_Prefix, L"Point Id: ", m_Id);
    ro_Output.M_Fn_Add_Int(i_Prefix, L"Referred: ", m_Count_Ref);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"X: ", m_X);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Y: ", m_Y);
}

C_Ref_Geom_P* C_D_Geom_Point::M_Fn_Ref_Entity_Get_Next(const C_Link_Geom_E& ro_Link, const T_Table_E& ro_Entities) const
{
    if (ro_Link.m_Id_Entity == 0)
        return nullptr;
    const std::shared_ptr<C_D_Geom_Entity>& sp_entity = ro_Entities.at(static_cast<std::uint32_t>(ro_Link.m_Id_Entity));
    if (!sp_entity)
        return nullptr;
    const auto pos = static_cast<std::uint32_t>(ro_Link.m_Pos);
    if (pos >= sp_entity->m_Ref_Points.size())
        VT_THROW("N_Biz::N_Sect::C_D_Geom_Point::M_Fn_Ref_Entity_Get_Next");
    C_Ref_Geom_P& ref = sp_entity->m_Ref_Points[pos];
    if (ref.m_Id_Point != m_Id)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_Point::M_Fn_Ref_Entity_Get_Next");
    return &ref;
}

void C_D_Geom_Point::M_Fn_Ref_Entity_Add(C_D_Geom_Entity& ro_Entity, std::uint32_t i_Pos, const T_Table_E& ro_Entities)
{
    if (i_Pos >= ro_Entity.m_Ref_Points.size() || ro_Entity.m_Ref_Points[i_Pos].m_Id_Point != m_Id)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_Point::M_Fn_Ref_Entity_Add");
    const C_Link_Geom_E added{ro_Entity.m_Id, static_cast<std::int32_t>(i_Pos)};
    const bool endpoint = ro_Entity.M_Fn_Ref_Point_Is_Endpoint(i_Pos);

    // The walk stops at the first link below the new one; the end link (0, 0) is below every link
    // of a stored entity.
    C_Link_Geom_E* p_link = &m_Head;
    for (;;) {
        if (*p_link == added)
            VT_THROW("N_Biz::N_Sect::C_D_Geom_Point::M_Fn_Ref_Entity_Add");
        if (p_link->M_Fn_Is_Less(added))
            break;
        C_Ref_Geom_P* p_ref = M_Fn_Ref_Entity_Get_Next(*p_link, ro_Entities);
        if (!p_ref)
            break;
        p_link = &p_ref->m_Next;
    }
    ro_Entity.m_Ref_Points[i_Pos].m_Next = *p_link;
    *p_link = added;
    ++m_Count_Ref;
    if (endpoint)
        ++m_Count_Endpoint;
}

void C_D_Geom_Point::M_Fn_Ref_Entity_Remove(C_D_Geom_Entity& ro_Entity, std::uint32_t i_Pos,
                                            const T_Table_E& ro_Entities)
{
    const bool endpoint = ro_Entity.M_Fn_Ref_Point_Is_Endpoint(i_Pos);
    if (endpoint && m_Count_Endpoint == 0)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_Point::M_Fn_Ref_Entity_Remove");
    if (m_Count_Ref == 0)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_Point::M_Fn_Ref_Entity_Remove");
    if (i_Pos >= ro_Entity.m_Ref_Points.size())
        VT_THROW("N_Biz::N_Sect::C_D_Geom_Point::M_Fn_Ref_Entity_Remove");
    const C_Link_Geom_E removed{ro_Entity.m_Id, static_cast<std::int32_t>(i_Pos)};

    // Found before anything changes, so a reference that is not in the list leaves the counts.
    C_Link_Geom_E* p_link = &m_Head;
    while (!(*p_link == removed)) {
        C_Ref_Geom_P* p_ref = p_link->m_Id_Entity == 0 ? nullptr : M_Fn_Ref_Entity_Get_Next(*p_link, ro_Entities);
        if (!p_ref)
            VT_THROW("N_Biz::N_Sect::C_D_Geom_Point::M_Fn_Ref_Entity_Remove");
        p_link = &p_ref->m_Next;
    }
    C_Ref_Geom_P& ref = ro_Entity.m_Ref_Points[i_Pos];
    *p_link = ref.m_Next;
    ref.m_Next = C_Link_Geom_E();
    --m_Count_Ref;
    if (endpoint)
        --m_Count_Endpoint;
}

} // namespace N_Biz::N_Sect
