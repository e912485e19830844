// IGES type 100: a circular arc in the plane z = ZT of its own coordinates, counter-clockwise from
// the start (X2, Y2) to the terminate point (X3, Y3) about the centre (X1, Y1).
//
// An arc is placed in model space by its matrix entity when it has one. An arc without one (common
// in files from other systems) still has to follow the transformation the section import applies
// to every entity; it keeps that transformation as its own placement, so its points, and whether
// the transformation mirrors it, are found exactly as through a matrix entity.
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"

namespace N_Biz::N_IGES {

class C_Entity_100_Arc_Circular : public C_Entity {
public:
    // Zeroed parameters, identity placement; entity use geometry.
    C_Entity_100_Arc_Circular() = default;

    std::unique_ptr<C_Entity> Clone_apo_Entity() const override;
    std::int32_t M_Fn_Get_Type() const override { return 100; }
    const wchar_t* M_Fn_Get_Name_Type() const override { return L"Circular Arc"; }
    // (X2, Y2, ZT), (X3, Y3, ZT), and (X3, Y3, ZT) as the point after the start.
    int M_Fn_Get_o_Vector3_f_Start(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const override;
    int M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const override;
    int M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>& io_List,
                                                const C_Table_Entity& ro_Table) const override;
    // Centre, start and terminate at z = ZT, transformed.
    int M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>& io_List,
                                              const C_Table_Entity& ro_Table) const override;
    // Through the matrix entity when there is one, else through the arc's own placement.
    int M_Fn_Get_o_Vector3_f_Transformed(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table,
                                         const C_Vector3_f& ro_Point) const override;
    // Without a matrix entity: placement := T placement. With one, the matrix entity is
    // transformed instead and the arc stays as it is.
    int M_Fn_Transform(const C_Matrix4_f& ro_T) override;
    // ZT, X1, Y1, X2, Y2, X3, Y3 (7 reals).
    // The entity's section curve (see Biz_IGES_Entity_Sect_Geom_Build.cpp).
    int M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build& io_Context) const override;
    int M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build& ro_Context, C_Vector3_f& o_Start,
                            C_Vector3_f& o_Finish) const override;
    int M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                          char i_Delimiter_Record) override;
    // Throws when the arc carries a placement other than the identity: the file has no place for
    // it, and writing the untransformed parameters would put the arc somewhere else.
    int M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                          char i_Delimiter_Record) const override;

    // True when the placement is the identity (always for an arc read from a file or created).
    bool M_Fn_If_Placement_Identity() const;

    float m_ZT = 0.0f;              // displacement along z
    float m_X1 = 0.0f, m_Y1 = 0.0f; // centre
    float m_X2 = 0.0f, m_Y2 = 0.0f; // start
    float m_X3 = 0.0f, m_Y3 = 0.0f; // terminate
    C_Matrix4_f m_Placement;        // transformation gathered without a matrix entity
};

} // namespace N_Biz::N_IGES
