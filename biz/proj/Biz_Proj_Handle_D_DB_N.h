// Names one node row of the project, or a free position: the slot of the node's model in the model
// manager's table (from 1; 0 makes the handle a free position), the row's index among that model's
// node rows (from 0; read only when the model slot is not 0) and the free position (read only when
// the model slot is 0).
//
// Like the element handle it holds no reference and stays meaningful while its model stays in its
// slot.
#pragma once

#include "common/Common_Math_Vector.h"

#include <cstdint>

namespace N_Biz::N_DB {
class C_Row_Node;
}

namespace N_Biz::N_Proj {

class C_Proj;

class C_Handle_D_DB_N {
public:
    // The node row the handle names; only for a model slot other than 0 (callers test the slot
    // first). Failures as the element handle's lookup: C_Exception for a free, out-of-range or
    // empty slot (slot 0 among them), std::out_of_range for a row index past the model's nodes.
    N_DB::C_Row_Node& M_Fn_Get_ro_Row_Node(const C_Proj& ro_Proj) const;
    // The handle's position: a node's coordinates carried through its model's transform, or the
    // free position. A node index past the model's nodes throws C_Exception.
    N_Common::N_Math::C_Vector3<float> M_Fn_Type_Any_Get_o_Vector3_f(const C_Proj& ro_Proj) const;

    std::uint32_t m_Model = 0;
    std::uint32_t m_Index = 0;
    N_Common::N_Math::C_Vector3<float> m_Position;
};

} // namespace N_Biz::N_Proj
