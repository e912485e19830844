#include "biz/proj/Biz_Proj_Handle_D_DB_N.h"

#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"

namespace N_Biz::N_Proj {

N_DB::C_Row_Node& C_Handle_D_DB_N::M_Fn_Get_ro_Row_Node(const C_Proj& ro_Proj) const
{
    N_Model::C_Model& model =
        ro_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Model_At(m_Model, "N_Biz::N_Proj::C_Handle_D_DB_N::M_Fn_Get_ro_Row_Node");
    return model.M_Fn_Data().m_Nodes.at(m_Index);
}

N_Common::N_Math::C_Vector3<float> C_Handle_D_DB_N::M_Fn_Type_Any_Get_o_Vector3_f(const C_Proj& ro_Proj) const
{
    if (m_Model == 0)
        return m_Position;
    const N_Model::C_Model& model = ro_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Model_At(
        m_Model, "N_Biz::N_Proj::C_Handle_D_DB_N::M_Fn_Type_Any_Get_o_Vector3_f");
    return model.M_Fn_Node_Vector3_Global_Get(m_Index);
}

} // namespace N_Biz::N_Proj
