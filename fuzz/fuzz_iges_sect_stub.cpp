// The fuzz program reads IGES files only: it links the file layer without the section and project
// layers that the conversion into section geometry needs. These stand-ins take the conversion's
// place; the reader never calls them, and a call would be a fault worth a crash report.
#include "biz/iges/Biz_IGES_Entity.h"
#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"

#include <cstdlib>

namespace N_Biz::N_IGES {

int C_Entity::M_Fn_Sect_Geom_Build(C_Context_Sect_Geom_Build&) const { std::abort(); }
int C_Entity::M_Fn_Sect_Geom_Build_Attribute(C_Context_Sect_Geom_Build&) const { std::abort(); }
std::int32_t C_Entity::S_Fn_Sect_Geom_Build_Geometry_Point(C_Context_Sect_Geom_Build&, float, float) { std::abort(); }
int C_Entity_100_Arc_Circular::M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build&) const { std::abort(); }
int C_Entity_110_Line::M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build&) const { std::abort(); }
int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build&) const { std::abort(); }
int C_Entity_100_Arc_Circular::M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build&, C_Vector3_f&, C_Vector3_f&) const
{
    std::abort();
}
int C_Entity_110_Line::M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build&, C_Vector3_f&, C_Vector3_f&) const { std::abort(); }
int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build&, C_Vector3_f&,
                                                             C_Vector3_f&) const
{
    std::abort();
}

} // namespace N_Biz::N_IGES
