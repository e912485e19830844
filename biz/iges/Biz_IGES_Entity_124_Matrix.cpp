#include "biz/iges/Biz_IGES_Entity_124_Matrix.h"

#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"

namespace N_Biz::N_IGES {

C_Entity_124_Matrix::C_Entity_124_Matrix()
{
    M_Fn_Set_Entity_Use(E_Use_Definition);
    M_Fn_Set_Blanked(true);
    M_Fn_Set_Subordinate(E_Subordinate_Logical);
}

std::unique_ptr<C_Entity> C_Entity_124_Matrix::Clone_apo_Entity() const
{
    return std::make_unique<C_Entity_124_Matrix>(*this);
}

int C_Entity_124_Matrix::M_Fn_Get_o_Vector3_f_Transformed(C_Vector3_f& o_Point, const C_Table_Entity&,
                                                          const C_Vector3_f& ro_Point) const
{
    M_Fn_Transform_Point(o_Point, ro_Point);
    return 1;
}

void C_Entity_124_Matrix::M_Fn_Transform_Point(C_Vector3_f& o_Point, const C_Vector3_f& ro_Point) const
{
    m_Matrix.M_Fn_Transform_Point(ro_Point, o_Point);
}

int C_Entity_124_Matrix::M_Fn_Transform(const C_Matrix4_f& ro_T)
{
    M_Fn_Multiply(ro_T);
    return 1;
}

void C_Entity_124_Matrix::M_Fn_Multiply(const C_Matrix4_f& ro_T)
{
    float product[16];
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += double(ro_T(r, k)) * double(m_Matrix(k, c));
            product[r + 4 * c] = static_cast<float>(sum);
        }
    m_Matrix = C_Matrix4_f(product);
}

int C_Entity_124_Matrix::M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                                           char i_Delimiter_Record)
{
    float value = 0.0f;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c) {
            N_Import::Fn_Read_Free_Field_Real(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, value);
            m_Matrix(r, c) = value;
        }
    return 1;
}

int C_Entity_124_Matrix::M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param, char) const
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            N_Export::Fn_Write_Field_Real(io_Lines, m_Matrix(r, c), i_Delimiter_Param, N_Export::G_Width_Param);
    return 1;
}

} // namespace N_Biz::N_IGES
