// The mesh rebuild of the entity manager: the section's whole mesh is thrown away and built again
// from the entities, then simplified by the merge pass.
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Relation_Geom_E_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

int C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Relation_Rebuild()
{
    if (!m_p_Sect)
        VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Relation_Rebuild");
    C_Mgr_D_Relation_Geom_E_Tess_E& mgr_r = m_p_Sect->M_Fn_Get_Mgr_D_Relation();
    C_Mgr_D_Tess_E& mgr_e = m_p_Sect->M_Fn_Get_Mgr_D_Tess_E();
    C_Mgr_D_Tess_N& mgr_n = m_p_Sect->M_Fn_Get_Mgr_D_Tess_N();

    // Relations first (resets the entities' and elements' relation ids), then the elements (empties
    // the node chains), then the nodes (resets the points' node ids); each store is then emptied
    // with its slot 0 reserved again.
    for (std::uint32_t i = 1; i < mgr_r.M_Fn_Get_Store().size(); ++i)
        if (mgr_r.M_Fn_Get_Store().is_used_at(i) && mgr_r.M_Fn_Get_At(i))
            mgr_r.M_Fn_D_Erase_At(i);
    mgr_r.M_Fn_D_Clear();
    for (std::uint32_t i = 1; i < mgr_e.M_Fn_Get_Store().size(); ++i)
        if (mgr_e.M_Fn_Get_Store().is_used_at(i) && mgr_e.M_Fn_Get_At(i))
            mgr_e.M_Fn_D_Erase_At(i);
    mgr_e.M_Fn_D_Clear();
    for (std::uint32_t i = 1; i < mgr_n.M_Fn_Get_Store().size(); ++i)
        if (mgr_n.M_Fn_Get_Store().is_used_at(i))
            mgr_n.M_Fn_D_Erase_At(i);
    mgr_n.M_Fn_D_Clear();

    for (std::uint32_t i = 1; i < m_Store.size(); ++i) {
        if (!m_Store.is_used_at(i))
            continue;
        const T_sp_Entity& sp_entity = m_Store.at(i);
        if (!sp_entity)
            VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Relation_Rebuild");
        if (sp_entity->m_Id_Relation != 0)
            VT_THROW("N_Biz::N_Sect::C_Mgr_D_Geom_E::M_Fn_Proc_Cmd_Sub_Relation_Rebuild");
        sp_entity->M_Fn_Relation_Tess_Build(*m_p_Sect);
    }
    return mgr_e.M_Fn_Proc_Sub_Segment_Merge();
}

} // namespace N_Biz::N_Sect
