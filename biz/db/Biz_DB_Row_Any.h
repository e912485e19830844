// A free-standing row of any table: holds a copy of a card while it is modified and for undo.
#pragma once

#include "biz/db/Biz_DB_Row.h"

namespace N_Biz::N_DB {

class C_Row_Any : public C_Row {
public:
    explicit C_Row_Any(const C_Info_Table* i_ro_Table = nullptr) : C_Row(i_ro_Table) {}
    // A copy of any row (its values and sub-rows; a subclass's own fields are not copied).
    explicit C_Row_Any(const C_Row& ro_Other) : C_Row(ro_Other) {}
    C_Row_Any(const C_Row_Any& ro_Other) : C_Row(ro_Other) {}
    C_Row_Any(C_Row_Any&& ro_Other) noexcept : C_Row(std::move(ro_Other)) {}
    // Copy-and-swap.
    C_Row_Any& operator=(C_Row_Any ro_Other) noexcept
    {
        M_Fn_Swap(ro_Other);
        return *this;
    }

    // Exchanges the data of two rows whose tables have the same relation type; otherwise
    // C_Exception and both rows stay as they were.
    void M_Fn_Data_Swap(C_Row_Any& ro_Other);
};

} // namespace N_Biz::N_DB
