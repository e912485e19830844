// The record that the section import hands to C_Entity::M_Fn_Sect_Geom_Build: where the section
// geometry goes (section, open command group), the file's entity table, the property cards chosen
// so far by colour, and the state of the curve chain being built.
//
// Both caches hold property-card ids (0: none yet) so that within one import every entity of the
// same colour number, or referring to the same colour definition, takes one card. The colour-entity
// cache has one entry per slot of the table, indexed by the slot of a 314 entity; the slot is
// checked against the table before it is used (C_Entity::M_Fn_Get_ro_Color).
#pragma once

#include "biz/db/Biz_DB_Key.h"
#include "biz/iges/Biz_IGES_Entity.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}
namespace N_Biz::N_Sect {
class C_Sect;
}
namespace N_Biz::N_DB {
class C_Row_C_Property;
}

namespace N_Biz::N_IGES {

class C_Context_Sect_Geom_Build {
public:
    // Empty caches sized for ro_Table; top level 1, hierarchy mode 0, no start or end point.
    C_Context_Sect_Geom_Build(N_Biz::N_Sect::C_Sect& ro_Sect, std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group> i_sp_Group,
                              const C_Table_Entity& ro_Table)
        : m_p_Table(&ro_Table), m_Cache_Color_Entity(ro_Table.size(), 0), m_sp_Group(std::move(i_sp_Group)),
          m_p_Sect(&ro_Sect)
    {
    }

    // What the caller sets before each entity of the table (i_Slot: the entity's slot).
    void M_Fn_Reset_For_Entity(std::uint32_t i_Slot = 0)
    {
        m_Top_Level = 1;
        m_Mode_Hierarchy = 0;
        m_Id_Point_Start = 0;
        m_Id_Point_End = 0;
        m_Reversed = 0;
        m_Slot_Curr = i_Slot;
    }
    // The directory-entry number by which IGES names the entity being built (2 slot - 1).
    std::uint32_t M_Fn_DE_Curr() const { return m_Slot_Curr > 0 ? 2 * m_Slot_Curr - 1 : 0; }

    const C_Table_Entity* m_p_Table;
    // Property-card ids by colour number 0..8.
    std::array<std::int32_t, 9> m_Cache_Color_Number{};
    // Property-card ids by slot of a colour definition.
    std::vector<std::int32_t> m_Cache_Color_Entity;
    std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group> m_sp_Group;
    N_Biz::N_Sect::C_Sect* m_p_Sect;
    // 1 while an entity of the table itself is built, 0 while a member of a composite is.
    std::int32_t m_Top_Level = 1;
    // The hierarchy value of the entity whose members are being built.
    std::int32_t m_Mode_Hierarchy = 0;
    // The section point at which the next curve starts (0 or less: none yet), and the one at
    // which the last built curve ends.
    std::int32_t m_Id_Point_Start = 0;
    std::int32_t m_Id_Point_End = 0;
    // The property card that new curve entities take.
    N_Biz::N_DB::C_Key_C_Property m_Key_C_P;
    // 1 while a composite builds a member from its finish to its start: the curve keeps its own
    // direction, but joins the chain at its finish (m_Id_Point_Start names the point there) and
    // leaves it at its start (m_Id_Point_End).
    std::int32_t m_Reversed = 0;
    // The slot of the entity being built, for messages.
    std::uint32_t m_Slot_Curr = 0;
    // Distance (section units, mm) within which two ends meet, and a point lies in the section
    // plane (|z| at most this).
    float m_Tolerance = 1e-3f;
    // Lines and B-splines with a point off the section plane, projected onto it.
    std::uint32_t m_Count_Off_Plane = 0;
};

// A property card's Name, found through the row's route, as the import matches cards by it and the
// export names colour definitions by it; a card without one throws C_Exception (naming i_Function).
std::wstring G_Fn_Card_Name_Get(N_Biz::N_DB::C_Row_C_Property& ro_Card, const char* i_Function);

} // namespace N_Biz::N_IGES
