// IGES type 124: a transformation matrix that places other entities. Rows 1 to 3 are read and
// written (rotation and translation); the fourth row stays 0, 0, 0, 1.
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"

namespace N_Biz::N_IGES {

class C_Entity_124_Matrix : public C_Entity {
public:
    // The identity; entity use definition, blanked, logically dependent.
    C_Entity_124_Matrix();

    std::unique_ptr<C_Entity> Clone_apo_Entity() const override;
    std::int32_t M_Fn_Get_Type() const override { return 124; }
    const wchar_t* M_Fn_Get_Name_Type() const override { return L"Transformation Matrix"; }
    // The matrix times (x, y, z, 1), divided by w. The matrix field of this entity itself is not
    // followed: only one matrix is ever applied.
    int M_Fn_Get_o_Vector3_f_Transformed(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table,
                                         const C_Vector3_f& ro_Point) const override;
    // M := T M.
    int M_Fn_Transform(const C_Matrix4_f& ro_T) override;
    // R11, R12, R13, T1, R21, ..., T3 (12 reals, row by row).
    int M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                          char i_Delimiter_Record) override;
    int M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                          char i_Delimiter_Record) const override;

    // The matrix times (x, y, z, 1), divided by w.
    void M_Fn_Transform_Point(C_Vector3_f& o_Point, const C_Vector3_f& ro_Point) const;
    // M := T M, computed in double precision and stored as floats.
    void M_Fn_Multiply(const C_Matrix4_f& ro_T);

    // Column-major: the element of row r and column c at index r + 4c.
    C_Matrix4_f m_Matrix;
};

} // namespace N_Biz::N_IGES
