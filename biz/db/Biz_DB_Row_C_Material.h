// A material card row: the database columns of its card, plus the card's display state, colours and
// project-tree hook (Biz_DB_Row_Card.h).
#pragma once

#include "biz/db/Biz_DB_Row_Card.h"

namespace N_Biz::N_Proj {
class C_Mgr_D_DB_C_M;
}

namespace N_Biz::N_DB {

class C_Row_C_Material
    : public N_Impl::C_Row_Card<C_Row_C_Material, E_Type_Relation_C_Material, N_Biz::N_Proj::C_Mgr_D_DB_C_M> {
    using T_Base = N_Impl::C_Row_Card<C_Row_C_Material, E_Type_Relation_C_Material, N_Biz::N_Proj::C_Mgr_D_DB_C_M>;

public:
    // i_ro_Table must be null or of relation type C_Material; else C_Exception. Creates the card's
    // tree hook.
    explicit C_Row_C_Material(const C_Info_Table* i_ro_Table = nullptr) : T_Base(i_ro_Table) {}
    C_Row_C_Material(const C_Row_C_Material& ro_Other) : T_Base(ro_Other) {}
    C_Row_C_Material(C_Row_C_Material&& ro_Other) noexcept : T_Base(std::move(ro_Other)) {}
    C_Row_C_Material& operator=(C_Row_C_Material ro_Other) noexcept
    {
        M_Fn_Swap_Card(ro_Other);
        return *this;
    }
};

} // namespace N_Biz::N_DB
