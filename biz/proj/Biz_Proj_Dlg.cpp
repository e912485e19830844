#include "biz/proj/Biz_Proj_Dlg.h"

namespace N_Biz::N_Proj {

C_Dlg::T_Fn_List C_Dlg::S_Fn_List;
C_Dlg::T_Fn_Property C_Dlg::S_Fn_Property;

} // namespace N_Biz::N_Proj
