// Which mesh elements the meshing of which geometry entities produced.
//
// A rebuild gives every entity one record listing its own id and its segments; the merge pass
// replaces the records of two joined segments by one that lists the entities and elements of both.
// Each listed entity and element keeps the record's id (set and cleared by the relation manager),
// so an entity can remove its own mesh (C_D_Geom_Entity::M_Fn_Relation_Tess_Clear).
#pragma once

#include <cstdint>
#include <vector>

namespace N_Biz::N_Sect {

class C_D_Relation_Geom_E_Tess_E {
public:
    C_D_Relation_Geom_E_Tess_E() = default;
    C_D_Relation_Geom_E_Tess_E(const C_D_Relation_Geom_E_Tess_E&) = default;
    C_D_Relation_Geom_E_Tess_E& operator=(const C_D_Relation_Geom_E_Tess_E&) = default;
    virtual ~C_D_Relation_Geom_E_Tess_E() = default;

    // Slot index in the relation manager's table, 0 while not stored.
    std::uint32_t m_Id = 0;
    // Geometry entities whose meshing produced this record.
    std::vector<std::uint32_t> m_Ids_Geom_E;
    // The elements produced.
    std::vector<std::uint32_t> m_Ids_Tess_E;
};

} // namespace N_Biz::N_Sect
