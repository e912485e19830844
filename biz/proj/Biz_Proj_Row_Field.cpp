#include "biz/proj/Biz_Proj_Row_Field.h"

#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <cstdint>

namespace N_Biz::N_Proj::N_Impl {

void G_Fn_Field_Set_Number(const N_DB::C_Visitor_Field& ro_Field, double i_Value, const char* i_Function)
{
    if (ro_Field.M_Fn_Is_Empty() || ro_Field.M_Fn_Is_Virtual())
        VT_THROW(i_Function);
    switch (ro_Field.M_Fn_Type()) {
    case N_DB::E_Type_Obj_INT8: ro_Field.M_Fn_Ref<std::int8_t>() = static_cast<std::int8_t>(i_Value); break;
    case N_DB::E_Type_Obj_INT16: ro_Field.M_Fn_Ref<std::int16_t>() = static_cast<std::int16_t>(i_Value); break;
    case N_DB::E_Type_Obj_INT32: ro_Field.M_Fn_Ref<std::int32_t>() = static_cast<std::int32_t>(i_Value); break;
    case N_DB::E_Type_Obj_INT64: ro_Field.M_Fn_Ref<std::int64_t>() = static_cast<std::int64_t>(i_Value); break;
    case N_DB::E_Type_Obj_UINT8: ro_Field.M_Fn_Ref<std::uint8_t>() = static_cast<std::uint8_t>(i_Value); break;
    case N_DB::E_Type_Obj_UINT16: ro_Field.M_Fn_Ref<std::uint16_t>() = static_cast<std::uint16_t>(i_Value); break;
    case N_DB::E_Type_Obj_UINT32: ro_Field.M_Fn_Ref<std::uint32_t>() = static_cast<std::uint32_t>(i_Value); break;
    case N_DB::E_Type_Obj_UINT64: ro_Field.M_Fn_Ref<std::uint64_t>() = static_cast<std::uint64_t>(i_Value); break;
    case N_DB::E_Type_Obj_FLOAT32: ro_Field.M_Fn_Ref<float>() = static_cast<float>(i_Value); break;
    case N_DB::E_Type_Obj_FLOAT64: ro_Field.M_Fn_Ref<double>() = i_Value; break;
    default: VT_THROW(i_Function);
    }
}

void G_Fn_Field_Set_Text(const N_DB::C_Visitor_Field& ro_Field, const std::wstring& i_Text, const char* i_Function)
{
    if (ro_Field.M_Fn_Is_Empty() || ro_Field.M_Fn_Is_Virtual())
        VT_THROW(i_Function);
    switch (ro_Field.M_Fn_Type()) {
    case N_DB::E_Type_Obj_wstring: ro_Field.M_Fn_Ref<std::wstring>() = i_Text; break;
    case N_DB::E_Type_Obj_string: ro_Field.M_Fn_Ref<std::string>() = N_Common::N_String::G_Fn_To_Narrow(i_Text); break;
    default: VT_THROW(i_Function);
    }
}

} // namespace N_Biz::N_Proj::N_Impl
