// A pick of a mesh node: a stored node (index above 0) or a free screen position (index 0, the
// position carried in the handle itself). The node manager's selection holds these.
#pragma once

#include "common/Common_Math_Vector.h"

#include <cstdint>
#include <string>

namespace N_Biz::N_Sect {

class C_Sect;
class C_Context_Desc_Output;
class C_D_Tess_Node;

class C_Handle_D_Tess_N {
public:
    C_Handle_D_Tess_N() = default;
    C_Handle_D_Tess_N(std::uint32_t i_Index, N_Common::N_Math::C_Vector2<float> i_Pos) : m_Index(i_Index), m_Pos(i_Pos) {}

    // Index above 0: the stored node's (x, y) (a free slot throws C_Exception); index 0: m_Pos.
    N_Common::N_Math::C_Vector2<float> M_Fn_Type_Any_Get_ro_Vector2_f(const C_Sect& ro_Sect) const;
    // The node named by the index (the node manager's slot table: a free slot throws).
    const C_D_Tess_Node& M_Fn_Get_ro_D_Tess_N(const C_Sect& ro_Sect) const;
    // Index above 0: the node's description; index 0: "Type: Screen Point", "X: ", "Y: ".
    void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix, C_Context_Desc_Output& ro_Output) const;

    std::uint32_t m_Index = 0;
    N_Common::N_Math::C_Vector2<float> m_Pos;
};

} // namespace N_Biz::N_Sect
