#include "biz/db/Biz_DB_Row_Common.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_C_Section.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_DB {

std::unique_ptr<C_Row_Common> C_Row_Common::S_Fn_Factory_apo_Row_Common(const C_Info_Table* i_ro_Table, E_Type_Relation i_Type)
{
    switch (i_Type) {
    case E_Type_Relation_C_Section: return std::make_unique<C_Row_C_Section>(i_ro_Table);
    case E_Type_Relation_C_Material: return std::make_unique<C_Row_C_Material>(i_ro_Table);
    case E_Type_Relation_C_Property: return std::make_unique<C_Row_C_Property>(i_ro_Table);
    default: break;
    }
    VT_THROW("N_Biz::N_DB::C_Row_Common::S_Fn_Factory_apo_Row_Common");
}

} // namespace N_Biz::N_DB
