// A property card row: the database columns of its card, plus the card's display state, colours and
// project-tree hook (Biz_DB_Row_Card.h).
#pragma once

#include "biz/db/Biz_DB_Row_Card.h"

namespace N_Biz::N_Proj {
class C_Mgr_D_DB_C_P;
}

namespace N_Biz::N_DB {

class C_Row_C_Property
    : public N_Impl::C_Row_Card<C_Row_C_Property, E_Type_Relation_C_Property, N_Biz::N_Proj::C_Mgr_D_DB_C_P> {
    using T_Base = N_Impl::C_Row_Card<C_Row_C_Property, E_Type_Relation_C_Property, N_Biz::N_Proj::C_Mgr_D_DB_C_P>;

public:
    // i_ro_Table must be null or of relation type C_Property; else C_Exception. Creates the card's
    // tree hook.
    explicit C_Row_C_Property(const C_Info_Table* i_ro_Table = nullptr) : T_Base(i_ro_Table) {}
    C_Row_C_Property(const C_Row_C_Property& ro_Other) : T_Base(ro_Other) {}
    C_Row_C_Property(C_Row_C_Property&& ro_Other) noexcept : T_Base(std::move(ro_Other)) {}
    C_Row_C_Property& operator=(C_Row_C_Property ro_Other) noexcept
    {
        M_Fn_Swap_Card(ro_Other);
        return *this;
    }

    // The material key (fixed member). C_Exception for an empty row.
    C_Key_C_Material& M_Fn_Key_C_Material();
    const C_Key_C_Material& M_Fn_Key_C_Material() const;
};

} // namespace N_Biz::N_DB
