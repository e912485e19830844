// Writing a value into one field of a card found by column identity, whatever numeric or text type
// the schema gave that column.
#pragma once

#include "biz/db/Biz_DB_Visitor_Field.h"

#include <string>

namespace N_Biz::N_Proj::N_Impl {

// A number into a stored integer or floating-point field (converted to the field's type). An empty
// visitor, a virtual column or a field of another type throws C_Exception in the name of i_Function.
void G_Fn_Field_Set_Number(const N_DB::C_Visitor_Field& ro_Field, double i_Value, const char* i_Function);
// A text into a stored wide or narrow text field (narrow text in the system's narrow encoding).
void G_Fn_Field_Set_Text(const N_DB::C_Visitor_Field& ro_Field, const std::wstring& i_Text, const char* i_Function);

} // namespace N_Biz::N_Proj::N_Impl
