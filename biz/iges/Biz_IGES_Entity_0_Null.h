// The placeholder for an entity of a type the system does not support. It reads and writes no
// parameters and produces nothing; since its type 0 differs from the file's type number, a file
// holding such an entity fails to read.
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"

namespace N_Biz::N_IGES {

class C_Entity_0_Null : public C_Entity {
public:
    C_Entity_0_Null() = default;

    std::unique_ptr<C_Entity> Clone_apo_Entity() const override;
    std::int32_t M_Fn_Get_Type() const override { return 0; }
    const wchar_t* M_Fn_Get_Name_Type() const override { return L"Null"; }
    // Nothing is read: the parameter text is left as it is. Returns 1.
    int M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                          char i_Delimiter_Record) override;
    // Nothing is written. Returns 1.
    int M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                          char i_Delimiter_Record) const override;
};

} // namespace N_Biz::N_IGES
