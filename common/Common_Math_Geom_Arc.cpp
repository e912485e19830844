#include "common/Common_Math_Geom_Arc.h"

namespace N_Common::N_Math::N_Geom {

template <>
C_Arc<float>::C_Evaluator& C_Arc<float>::S_Fn_Get_Evaluator_Draw()
{
    static C_Evaluator s_Evaluator(0);
    return s_Evaluator;
}

template <>
C_Arc<float>::C_Evaluator& C_Arc<float>::S_Fn_Get_Evaluator_Tess()
{
    static C_Evaluator s_Evaluator(1);
    return s_Evaluator;
}

} // namespace N_Common::N_Math::N_Geom
