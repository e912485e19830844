// A plain row without a relation: a sub-row of a card (an option block or a repeated block), or a
// card of a table without relation type (kept in a model's list of further rows).
#pragma once

#include "biz/db/Biz_DB_Row.h"

namespace N_Biz::N_DB {

class C_Row_Etc : public C_Row {
public:
    // i_ro_Table must be null or of relation type None; else C_Exception.
    explicit C_Row_Etc(const C_Info_Table* i_ro_Table = nullptr);
    C_Row_Etc(const C_Row_Etc& ro_Other) : C_Row(ro_Other) {}
    // A copy without the repeat chain (used while copying a chain link by link).
    C_Row_Etc(const C_Row_Etc& ro_Other, C_No_Repeat i_Tag) : C_Row(ro_Other, i_Tag) {}
    C_Row_Etc(C_Row_Etc&& ro_Other) noexcept : C_Row(std::move(ro_Other)) {}
    C_Row_Etc& operator=(C_Row_Etc ro_Other) noexcept
    {
        M_Fn_Swap(ro_Other);
        return *this;
    }

    // Accepts only tables of relation type None.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table) override;
};

} // namespace N_Biz::N_DB
