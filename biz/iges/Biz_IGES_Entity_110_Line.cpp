#include "biz/iges/Biz_IGES_Entity_110_Line.h"

#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"

#include <GL/gl.h>

namespace N_Biz::N_IGES {

std::unique_ptr<C_Entity> C_Entity_110_Line::Clone_apo_Entity() const { return std::make_unique<C_Entity_110_Line>(*this); }

int C_Entity_110_Line::M_Fn_Get_o_Vector3_f_Start(C_Vector3_f& o_Point, const C_Table_Entity&) const
{
    o_Point = C_Vector3_f(m_X1, m_Y1, m_Z1);
    return 1;
}

int C_Entity_110_Line::M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f& o_Point, const C_Table_Entity&) const
{
    o_Point = C_Vector3_f(m_X2, m_Y2, m_Z2);
    return 1;
}

int C_Entity_110_Line::M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>& io_List,
                                                               const C_Table_Entity&) const
{
    io_List.emplace_back(m_X2, m_Y2, m_Z2);
    return 1;
}

int C_Entity_110_Line::M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>& io_List,
                                                             const C_Table_Entity& ro_Table) const
{
    C_Vector3_f start, end;
    M_Fn_Get_o_Vector3_f_Transformed(start, ro_Table, C_Vector3_f(m_X1, m_Y1, m_Z1));
    M_Fn_Get_o_Vector3_f_Transformed(end, ro_Table, C_Vector3_f(m_X2, m_Y2, m_Z2));
    io_List.push_back(start);
    io_List.push_back(end);
    return 1;
}

int C_Entity_110_Line::M_Fn_Transform(const C_Matrix4_f& ro_T)
{
    if (M_Fn_If_Matrix())
        return 1;
    C_Vector3_f p;
    ro_T.M_Fn_Transform_Point(C_Vector3_f(m_X1, m_Y1, m_Z1), p);
    m_X1 = p.x, m_Y1 = p.y, m_Z1 = p.z;
    ro_T.M_Fn_Transform_Point(C_Vector3_f(m_X2, m_Y2, m_Z2), p);
    m_X2 = p.x, m_Y2 = p.y, m_Z2 = p.z;
    return 1;
}

void C_Entity_110_Line::M_Fn_Draw_Segment() const
{
    glBegin(GL_LINES);
    glVertex3f(m_X1, m_Y1, m_Z1);
    glVertex3f(m_X2, m_Y2, m_Z2);
    glEnd();
}

void C_Entity_110_Line::M_Fn_Draw_Render_Geometry(C_Context_Draw_Render&) const { M_Fn_Draw_Segment(); }

void C_Entity_110_Line::M_Fn_Draw_Select_Geometry(C_Context_Draw_Select&) const { M_Fn_Draw_Segment(); }

int C_Entity_110_Line::M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                                         char i_Delimiter_Record)
{
    // An empty real repeats the real read before it in this entity.
    float value = 0.0f;
    float* const fields[] = {&m_X1, &m_Y1, &m_Z1, &m_X2, &m_Y2, &m_Z2};
    for (float* field : fields) {
        N_Import::Fn_Read_Free_Field_Real(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, value);
        *field = value;
    }
    return 1;
}

int C_Entity_110_Line::M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param, char) const
{
    for (float value : {m_X1, m_Y1, m_Z1, m_X2, m_Y2, m_Z2})
        N_Export::Fn_Write_Field_Real(io_Lines, value, i_Delimiter_Param, N_Export::G_Width_Param);
    return 1;
}

} // namespace N_Biz::N_IGES
