#include "biz/proj/Biz_Proj_Handle_D_DB_E.h"

#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"

namespace N_Biz::N_Proj {

N_DB::C_Row_Element_2D& C_Handle_D_DB_E::M_Fn_Get_ro_Row_Element_2D(const C_Proj& ro_Proj) const
{
    N_Model::C_Model& model = ro_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Model_At(
        m_Model, "N_Biz::N_Proj::C_Handle_D_DB_E::M_Fn_Get_ro_Row_Element_2D");
    return model.M_Fn_Data().m_Elements.at(m_Index);
}

} // namespace N_Biz::N_Proj
