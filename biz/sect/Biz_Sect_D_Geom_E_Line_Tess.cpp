// The line's part of the section mesh: one wall segment between the nodes of its two end points.
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Sect {

void C_D_Geom_E_Line::M_Fn_Relation_Tess_Build(C_Sect& ro_Sect)
{
    if (m_Ref_Points.size() != 2)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Line::M_Fn_Relation_Tess_Build");
    // 1. Each end point gets its node (shared with whatever else ends there).
    C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    const auto id_start = static_cast<std::uint32_t>(m_Ref_Points[0].m_Id_Point);
    const auto id_terminate = static_cast<std::uint32_t>(m_Ref_Points[1].m_Id_Point);
    mgr_p.M_Fn_Get_At(id_start).M_Fn_Relation_Tess_Build(ro_Sect);
    mgr_p.M_Fn_Get_At(id_terminate).M_Fn_Relation_Tess_Build(ro_Sect);

    // 2.-4. Its one segment and the relation record, which gives the line and the segment its id.
    ro_Sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Proc_Sub_Chain_Add(
        static_cast<std::uint32_t>(m_Id), {mgr_p.M_Fn_Get_At(id_start).m_Id_Node, mgr_p.M_Fn_Get_At(id_terminate).m_Id_Node},
        M_Fn_Is_Weld(), (m_Thk_Individual_Switch & 1) != 0, m_Key_C_P, m_Thk_Weights, m_Thk_Individual,
        "N_Biz::N_Sect::C_D_Geom_E_Line::M_Fn_Relation_Tess_Build");
}

} // namespace N_Biz::N_Sect
