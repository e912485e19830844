#include "biz/db/Biz_DB_Row_C_Property.h"

#include <new>

namespace N_Biz::N_DB {

C_Key_C_Material& C_Row_C_Property::M_Fn_Key_C_Material()
{
    if (!M_Fn_Info_Table())
        VT_THROW("N_Biz::N_DB::C_Row_C_Property::M_Fn_Key_C_Material");
    return *std::launder(reinterpret_cast<C_Key_C_Material*>(M_Fn_Storage() + C_Info_Table::S_Offset_Key));
}

const C_Key_C_Material& C_Row_C_Property::M_Fn_Key_C_Material() const
{
    return const_cast<C_Row_C_Property*>(this)->M_Fn_Key_C_Material();
}

} // namespace N_Biz::N_DB
