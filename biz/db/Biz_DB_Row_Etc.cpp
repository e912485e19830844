#include "biz/db/Biz_DB_Row_Etc.h"

#include "common/Common_Exception.h"

namespace N_Biz::N_DB {

C_Row_Etc::C_Row_Etc(const C_Info_Table* i_ro_Table) : C_Row(i_ro_Table)
{
    if (i_ro_Table && i_ro_Table->M_Fn_Type_Relation() != E_Type_Relation_None)
        VT_THROW("N_Biz::N_DB::C_Row_Etc::C_Row_Etc");
}

E_Result C_Row_Etc::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table)
{
    return M_Fn_Stream_Serialize_Row_I(
        ro_Stream, i_ro_Table, [](E_Type_Relation i_Type) { return i_Type == E_Type_Relation_None; },
        [this](const C_Info_Table* i_ro_Bound) {
            C_Row_Etc fresh(i_ro_Bound);
            M_Fn_Swap(fresh);
        });
}

} // namespace N_Biz::N_DB
