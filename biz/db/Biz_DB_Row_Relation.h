// Base of the rows that take part in the model's display state: nodes, 2-D elements and cards.
// Its flag word carries the display state of a 2-D element:
//   0x01, 0x02, 0x04  own state: in the current pick, in the selection set, hidden (set by the model);
//   0x08, 0x10, 0x20  effective picked, selected, hidden: the own bit OR the same state bit of the
//                     element's property card and of that property's material card;
//   0x40              four-node element.
// Node rows carry the same word for the model's own drawing marks.
#pragma once

#include "biz/db/Biz_DB_Row.h"

#include <array>
#include <cstdint>

namespace N_Biz::N_DB {

class C_Row_Relation : public C_Row {
public:
    enum : std::uint32_t {
        E_Flag_Picked = 0x01,
        E_Flag_Selected = 0x02,
        E_Flag_Hidden = 0x04,
        E_Flag_Picked_Effective = 0x08,
        E_Flag_Selected_Effective = 0x10,
        E_Flag_Hidden_Effective = 0x20,
        E_Flag_Four_Node = 0x40,
    };

    // Effective state and display colour of a 2-D element: effective hidden from the own bit (no
    // colour when set); effective picked and selected from the own bits; then the property card's
    // state bits (hidden first, stopping once hidden), then its material's. The colour comes from
    // the material card when i_Use_Material is set, else from the property card: its picked colour
    // when effective picked, else its selected colour when effective selected, else its normal
    // colour. Returns true when o_Color was set. C_Exception for a row that is no 2-D element.
    bool M_Fn_Flag_Derived_Refresh_Color(bool i_Use_Material, std::array<float, 4>& o_Color);
    // Effective hidden only (own bit, then the property's and the material's hidden bit).
    void M_Fn_Flag_Derived_Refresh();

    std::uint32_t m_u32_Flag = 0;

protected:
    explicit C_Row_Relation(const C_Info_Table* i_ro_Table) : C_Row(i_ro_Table) {}
    C_Row_Relation(const C_Row_Relation& ro_Other) : C_Row(ro_Other), m_u32_Flag(ro_Other.m_u32_Flag) {}
    C_Row_Relation(C_Row_Relation&& ro_Other) noexcept : C_Row(std::move(ro_Other))
    {
        std::swap(m_u32_Flag, ro_Other.m_u32_Flag);
    }
    void M_Fn_Swap_Relation(C_Row_Relation& ro_Other) noexcept
    {
        M_Fn_Swap(ro_Other);
        std::swap(m_u32_Flag, ro_Other.m_u32_Flag);
    }
};

} // namespace N_Biz::N_DB
