#include "biz/db/Biz_DB_Row_Any.h"

#include "common/Common_Exception.h"

namespace N_Biz::N_DB {

void C_Row_Any::M_Fn_Data_Swap(C_Row_Any& ro_Other)
{
    const C_Info_Table* mine = M_Fn_Info_Table();
    const C_Info_Table* theirs = ro_Other.M_Fn_Info_Table();
    const E_Type_Relation type_mine = mine ? mine->M_Fn_Type_Relation() : E_Type_Relation_None;
    const E_Type_Relation type_theirs = theirs ? theirs->M_Fn_Type_Relation() : E_Type_Relation_None;
    if (!mine || !theirs || type_mine != type_theirs)
        VT_THROW("N_Biz::N_DB::C_Row_Any::M_Fn_Data_Swap");
    M_Fn_Swap(ro_Other);
}

} // namespace N_Biz::N_DB
