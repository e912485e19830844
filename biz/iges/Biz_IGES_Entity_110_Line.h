// IGES type 110: a straight line from (X1, Y1, Z1) to (X2, Y2, Z2).
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"

namespace N_Biz::N_IGES {

class C_Entity_110_Line : public C_Entity {
public:
    // Zeroed start and end; entity use geometry.
    C_Entity_110_Line() = default;

    std::unique_ptr<C_Entity> Clone_apo_Entity() const override;
    std::int32_t M_Fn_Get_Type() const override { return 110; }
    const wchar_t* M_Fn_Get_Name_Type() const override { return L"Line"; }
    int M_Fn_Get_o_Vector3_f_Start(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const override;
    int M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const override;
    int M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>& io_List,
                                                const C_Table_Entity& ro_Table) const override;
    // Start and terminate through the matrix.
    int M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>& io_List,
                                              const C_Table_Entity& ro_Table) const override;
    // Both points, unless the line is placed by a matrix entity (which is transformed instead).
    int M_Fn_Transform(const C_Matrix4_f& ro_T) override;
    // One line segment, untransformed.
    void M_Fn_Draw_Render_Geometry(C_Context_Draw_Render& io_Context) const override;
    void M_Fn_Draw_Select_Geometry(C_Context_Draw_Select& io_Context) const override;
    // X1, Y1, Z1, X2, Y2, Z2 (6 reals).
    // The entity's section curve (see Biz_IGES_Entity_Sect_Geom_Build.cpp).
    int M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build& io_Context) const override;
    int M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build& ro_Context, C_Vector3_f& o_Start,
                            C_Vector3_f& o_Finish) const override;
    int M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                          char i_Delimiter_Record) override;
    int M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                          char i_Delimiter_Record) const override;

    float m_X1 = 0.0f, m_Y1 = 0.0f, m_Z1 = 0.0f;
    float m_X2 = 0.0f, m_Y2 = 0.0f, m_Z2 = 0.0f;

private:
    void M_Fn_Draw_Segment() const;
};

} // namespace N_Biz::N_IGES
