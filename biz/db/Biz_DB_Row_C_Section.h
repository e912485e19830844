// A section card row. Tail of its binary form: u32 the flag word.
#pragma once

#include "biz/db/Biz_DB_Row_Common.h"

namespace N_Biz::N_DB {

class C_Row_C_Section : public C_Row_Common {
public:
    // i_ro_Table must be null or of relation type C_Section; else C_Exception.
    explicit C_Row_C_Section(const C_Info_Table* i_ro_Table = nullptr);
    C_Row_C_Section(const C_Row_C_Section& ro_Other) : C_Row_Common(ro_Other) {}
    C_Row_C_Section(C_Row_C_Section&& ro_Other) noexcept : C_Row_Common(std::move(ro_Other)) {}
    C_Row_C_Section& operator=(C_Row_C_Section ro_Other) noexcept
    {
        M_Fn_Swap_Common(ro_Other);
        return *this;
    }

    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table) override;
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream, int i_Nested) const override;
};

} // namespace N_Biz::N_DB
