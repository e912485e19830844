// Names one shell-element row of the project: the slot of its model in the model manager's table
// (from 1; 0 names no row) and the row's index among that model's element rows (from 0).
//
// A handle holds no reference. It stays meaningful while its model stays in its slot: no row is
// added to, removed from or moved within a model after its import, so a row index never shifts.
#pragma once

#include <cstdint>

namespace N_Biz::N_DB {
class C_Row_Element_2D;
}

namespace N_Biz::N_Proj {

class C_Proj;

class C_Handle_D_DB_E {
public:
    // The row the handle names (callers change its flag word through it). A free or out-of-range
    // model slot throws C_Exception from the model table, a slot without a model (slot 0 among
    // them) C_Exception naming this lookup, a row index past the model's element rows
    // std::out_of_range.
    N_DB::C_Row_Element_2D& M_Fn_Get_ro_Row_Element_2D(const C_Proj& ro_Proj) const;

    friend bool operator==(const C_Handle_D_DB_E&, const C_Handle_D_DB_E&) = default;

    std::uint32_t m_Model = 0;
    std::uint32_t m_Index = 0;
};

} // namespace N_Biz::N_Proj
