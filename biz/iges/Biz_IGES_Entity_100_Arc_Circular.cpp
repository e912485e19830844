#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"

#include "biz/iges/Biz_IGES_Entity_124_Matrix.h"
#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_IGES {

std::unique_ptr<C_Entity> C_Entity_100_Arc_Circular::Clone_apo_Entity() const
{
    return std::make_unique<C_Entity_100_Arc_Circular>(*this);
}

int C_Entity_100_Arc_Circular::M_Fn_Get_o_Vector3_f_Start(C_Vector3_f& o_Point, const C_Table_Entity&) const
{
    o_Point = C_Vector3_f(m_X2, m_Y2, m_ZT);
    return 1;
}

int C_Entity_100_Arc_Circular::M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f& o_Point, const C_Table_Entity&) const
{
    o_Point = C_Vector3_f(m_X3, m_Y3, m_ZT);
    return 1;
}

int C_Entity_100_Arc_Circular::M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>& io_List,
                                                                       const C_Table_Entity&) const
{
    io_List.emplace_back(m_X3, m_Y3, m_ZT);
    return 1;
}

int C_Entity_100_Arc_Circular::M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>& io_List,
                                                                     const C_Table_Entity& ro_Table) const
{
    C_Vector3_f centre, start, end;
    M_Fn_Get_o_Vector3_f_Transformed(centre, ro_Table, C_Vector3_f(m_X1, m_Y1, m_ZT));
    M_Fn_Get_o_Vector3_f_Transformed(start, ro_Table, C_Vector3_f(m_X2, m_Y2, m_ZT));
    M_Fn_Get_o_Vector3_f_Transformed(end, ro_Table, C_Vector3_f(m_X3, m_Y3, m_ZT));
    io_List.push_back(centre);
    io_List.push_back(start);
    io_List.push_back(end);
    return 1;
}

int C_Entity_100_Arc_Circular::M_Fn_Get_o_Vector3_f_Transformed(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table,
                                                                const C_Vector3_f& ro_Point) const
{
    if (M_Fn_If_Matrix())
        return C_Entity::M_Fn_Get_o_Vector3_f_Transformed(o_Point, ro_Table, ro_Point);
    m_Placement.M_Fn_Transform_Point(ro_Point, o_Point);
    return 1;
}

int C_Entity_100_Arc_Circular::M_Fn_Transform(const C_Matrix4_f& ro_T)
{
    if (M_Fn_If_Matrix())
        return 1;
    // The same product a matrix entity forms, so both kinds of arc land in the same place.
    C_Entity_124_Matrix placement;
    placement.m_Matrix = m_Placement;
    placement.M_Fn_Multiply(ro_T);
    m_Placement = placement.m_Matrix;
    return 1;
}

bool C_Entity_100_Arc_Circular::M_Fn_If_Placement_Identity() const
{
    const C_Matrix4_f identity;
    for (int i = 0; i < 16; ++i)
        if (m_Placement.m_Data[i] != identity.m_Data[i])
            return false;
    return true;
}

int C_Entity_100_Arc_Circular::M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                                                 char i_Delimiter_Record)
{
    float value = 0.0f;
    float* const fields[] = {&m_ZT, &m_X1, &m_Y1, &m_X2, &m_Y2, &m_X3, &m_Y3};
    for (float* field : fields) {
        N_Import::Fn_Read_Free_Field_Real(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, value);
        *field = value;
    }
    return 1;
}

int C_Entity_100_Arc_Circular::M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                                                 char) const
{
    if (!M_Fn_If_Placement_Identity())
        VT_THROW("N_Biz::N_IGES::C_Entity_100_Arc_Circular::M_Fn_Export_Param");
    for (float value : {m_ZT, m_X1, m_Y1, m_X2, m_Y2, m_X3, m_Y3})
        N_Export::Fn_Write_Field_Real(io_Lines, value, i_Delimiter_Param, N_Export::G_Width_Param);
    return 1;
}

} // namespace N_Biz::N_IGES
