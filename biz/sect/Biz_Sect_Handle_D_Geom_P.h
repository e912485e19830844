// A pick of a geometry point: a stored point (index above 0) or a free screen position (index 0,
// the position carried in the handle itself). The point manager's selection holds these.
#pragma once

#include "common/Common_Math_Vector.h"

#include <cstdint>
#include <string>

namespace N_Biz::N_Sect {

class C_Sect;
class C_Context_Desc_Output;

class C_Handle_D_Geom_P {
public:
    C_Handle_D_Geom_P() = default;
    C_Handle_D_Geom_P(std::uint32_t i_Index, N_Common::N_Math::C_Vector2<float> i_Pos) : m_Index(i_Index), m_Pos(i_Pos) {}

    // Index above 0: the stored point's position (a free slot throws C_Exception); index 0: m_Pos.
    N_Common::N_Math::C_Vector2<float> M_Fn_Type_Any_Get_ro_Vector2_f(const C_Sect& ro_Sect) const;
    // Index above 0: the point's own description; index 0: "Type: Screen Point", "X: ", "Y: ".
    void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix, C_Context_Desc_Output& ro_Output) const;

    std::uint32_t m_Index = 0;
    N_Common::N_Math::C_Vector2<float> m_Pos;
};

} // namespace N_Biz::N_Sect
