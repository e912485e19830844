#include "biz/sect/Biz_Sect_Mgr_D_Relation_Geom_E_Tess_E.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

namespace {

// The stored entity and element that a record lists (a free slot throws in the slot table; an
// empty entry throws in the name of i_Function).
C_D_Geom_Entity& G_Fn_Entity(C_Sect& ro_Sect, std::uint32_t i_Id, const char* i_Function)
{
    const auto& sp_entity = ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_At(i_Id);
    if (!sp_entity)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *sp_entity;
}

C_D_Tess_Element& G_Fn_Element(C_Sect& ro_Sect, std::uint32_t i_Id, const char* i_Function)
{
    const auto& sp_element = ro_Sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_At(i_Id);
    if (!sp_element)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *sp_element;
}

} // namespace

C_Mgr_D_Relation_Geom_E_Tess_E::C_Mgr_D_Relation_Geom_E_Tess_E(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect)
{
    m_Store.add_at(0, T_sp_Relation());
}

C_Mgr_D_Relation_Geom_E_Tess_E::~C_Mgr_D_Relation_Geom_E_Tess_E() = default;

void C_Mgr_D_Relation_Geom_E_Tess_E::M_Fn_D_Add_At(std::uint32_t i_Index, T_sp_Relation& io_sp_Relation)
{
    static const char* const s_Function = "N_Biz::N_Sect::C_Mgr_D_Relation_Geom_E_Tess_E::M_Fn_D_Add_At";
    if (i_Index == 0)
        VT_THROW(s_Function);
    if (!io_sp_Relation)
        VT_THROW(s_Function);
    C_D_Relation_Geom_E_Tess_E& relation = *io_sp_Relation;
    if (relation.m_Id != 0 || !m_p_Sect)
        VT_THROW(s_Function);
    if (m_Store.is_used_at(i_Index))
        VT_THROW(s_Function);
    // Every back-reference is checked before anything changes.
    for (std::uint32_t id : relation.m_Ids_Geom_E)
        if (G_Fn_Entity(*m_p_Sect, id, s_Function).m_Id_Relation != 0)
            VT_THROW(s_Function);
    for (std::uint32_t id : relation.m_Ids_Tess_E)
        if (G_Fn_Element(*m_p_Sect, id, s_Function).m_Id_Relation != 0)
            VT_THROW(s_Function);

    m_Store.add_at(i_Index, io_sp_Relation);
    io_sp_Relation.reset();
    relation.m_Id = i_Index;
    for (std::uint32_t id : relation.m_Ids_Geom_E)
        G_Fn_Entity(*m_p_Sect, id, s_Function).m_Id_Relation = i_Index;
    for (std::uint32_t id : relation.m_Ids_Tess_E)
        G_Fn_Element(*m_p_Sect, id, s_Function).m_Id_Relation = i_Index;
}

void C_Mgr_D_Relation_Geom_E_Tess_E::M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Relation& o_sp_Relation)
{
    static const char* const s_Function = "N_Biz::N_Sect::C_Mgr_D_Relation_Geom_E_Tess_E::M_Fn_D_Remove_At";
    if (i_Index == 0)
        VT_THROW(s_Function);
    if (o_sp_Relation)
        VT_THROW(s_Function);
    if (!m_Store.is_used_at(i_Index) || !m_Store.at(i_Index))
        VT_THROW(s_Function);
    T_sp_Relation sp_relation = m_Store.at(i_Index);
    if (sp_relation->m_Id != i_Index || !m_p_Sect)
        VT_THROW(s_Function);
    for (std::uint32_t id : sp_relation->m_Ids_Tess_E)
        if (G_Fn_Element(*m_p_Sect, id, s_Function).m_Id_Relation != i_Index)
            VT_THROW(s_Function);
    for (std::uint32_t id : sp_relation->m_Ids_Geom_E)
        if (G_Fn_Entity(*m_p_Sect, id, s_Function).m_Id_Relation != i_Index)
            VT_THROW(s_Function);

    for (std::uint32_t id : sp_relation->m_Ids_Tess_E)
        G_Fn_Element(*m_p_Sect, id, s_Function).m_Id_Relation = 0;
    for (std::uint32_t id : sp_relation->m_Ids_Geom_E)
        G_Fn_Entity(*m_p_Sect, id, s_Function).m_Id_Relation = 0;
    sp_relation->m_Id = 0;
    m_Store.erase_at(i_Index);
    o_sp_Relation = std::move(sp_relation);
}

int C_Mgr_D_Relation_Geom_E_Tess_E::M_Fn_D_Erase_At(std::uint32_t i_Index)
{
    T_sp_Relation sp_relation;
    M_Fn_D_Remove_At(i_Index, sp_relation);
    return 1;
}

void C_Mgr_D_Relation_Geom_E_Tess_E::M_Fn_D_Clear()
{
    m_Store = T_Store();
    m_Store.add_at(0, T_sp_Relation());
}

} // namespace N_Biz::N_Sect
