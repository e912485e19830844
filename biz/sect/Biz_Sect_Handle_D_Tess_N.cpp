#include "biz/sect/Biz_Sect_Handle_D_Tess_N.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_D_Tess_Node.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"

namespace N_Biz::N_Sect {

N_Common::N_Math::C_Vector2<float> C_Handle_D_Tess_N::M_Fn_Type_Any_Get_ro_Vector2_f(const C_Sect& ro_Sect) const
{
    if (m_Index == 0)
        return m_Pos;
    const C_D_Tess_Node& node = M_Fn_Get_ro_D_Tess_N(ro_Sect);
    return {node.m_X, node.m_Y};
}

const C_D_Tess_Node& C_Handle_D_Tess_N::M_Fn_Get_ro_D_Tess_N(const C_Sect& ro_Sect) const
{
    return ro_Sect.M_Fn_Get_Mgr_D_Tess_N().M_Fn_Get_At(m_Index);
}

void C_Handle_D_Tess_N::M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                         C_Context_Desc_Output& ro_Output) const
{
    if (m_Index > 0 && i_p_Sect) {
        M_Fn_Get_ro_D_Tess_N(*i_p_Sect).M_Fn_Desc_Output(i_p_Sect, i_Prefix, ro_Output);
        return;
    }
    ro_Output.M_Fn_Add(i_Prefix, L"Type: Screen Point");
    ro_Output.M_Fn_Add_Float(i_Prefix, L"X: ", m_Pos.x);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Y: ", m_Pos.y);
}

} // namespace N_Biz::N_Sect
