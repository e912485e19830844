#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"

#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_IGES {

std::unique_ptr<C_Entity> C_Entity_126_Curve_B_Spline_Rational::Clone_apo_Entity() const
{
    return std::make_unique<C_Entity_126_Curve_B_Spline_Rational>(*this);
}

int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Get_o_Vector3_f_Start(C_Vector3_f& o_Point, const C_Table_Entity&) const
{
    o_Point = C_Vector3_f(0.0f, 0.0f, 0.0f);
    return 1;
}

int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f& o_Point, const C_Table_Entity&) const
{
    o_Point = C_Vector3_f(0.0f, 0.0f, 0.0f);
    return 1;
}

int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>& io_List,
                                                                                  const C_Table_Entity&) const
{
    io_List.emplace_back(0.0f, 0.0f, 0.0f);
    return 1;
}

int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>& io_List,
                                                                                const C_Table_Entity& ro_Table) const
{
    for (const C_Vector3_f& point : m_Ctrl_Points) {
        C_Vector3_f transformed;
        M_Fn_Get_o_Vector3_f_Transformed(transformed, ro_Table, point);
        io_List.push_back(transformed);
    }
    return 1;
}

int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Transform(const C_Matrix4_f& ro_T)
{
    if (M_Fn_If_Matrix())
        return 1;
    for (C_Vector3_f& point : m_Ctrl_Points)
        ro_T.M_Fn_Transform_Point(point, point);
    return 1;
}

int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Import_Param(bool& io_End, std::string_view& io_Text,
                                                            char i_Delimiter_Param, char i_Delimiter_Record)
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_126_Curve_B_Spline_Rational::M_Fn_Import_Param";
    using N_Import::Fn_Read_Free_Field_Integer;
    using N_Import::Fn_Read_Free_Field_Real;
    const char p = i_Delimiter_Param;
    const char r = i_Delimiter_Record;
    // Every real present takes at least one character of the text; counts that ask for more reals
    // than that are refused before anything is sized by them.
    const std::size_t room = io_Text.size();

    std::int32_t k = 0;
    std::int32_t m = 0;
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, k);
    Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, m);
    if (k < 0 || m < 0)
        VT_THROW(s_Function);
    const std::int64_t count_ctrl = std::int64_t(k) + 1;
    const std::int64_t count_knot = std::int64_t(k) + m + 2;
    const std::int64_t count_real = count_knot + 4 * count_ctrl + 5;
    if (count_knot > INT32_MAX || count_real > std::int64_t(room))
        VT_THROW(s_Function);

    std::int32_t prop = 0;
    std::uint8_t* const props[] = {&m_Planar, &m_Closed, &m_Polynomial, &m_Periodic};
    for (std::uint8_t* flag : props) {
        Fn_Read_Free_Field_Integer(io_End, io_Text, p, r, prop);
        *flag = prop != 0 ? 1 : 0;
    }
    m_Degree = m;
    m_Count_Ctrl = std::int32_t(count_ctrl);
    m_Count_Knot = std::int32_t(count_knot);

    float value = 0.0f;
    m_Knots.assign(std::size_t(count_knot), 0.0f);
    for (float& knot : m_Knots) {
        Fn_Read_Free_Field_Real(io_End, io_Text, p, r, value);
        knot = value;
    }
    m_Weights.assign(std::size_t(count_ctrl), 0.0f);
    for (float& weight : m_Weights) {
        Fn_Read_Free_Field_Real(io_End, io_Text, p, r, value);
        weight = value;
    }
    m_Ctrl_Points.assign(std::size_t(count_ctrl), C_Vector3_f());
    for (C_Vector3_f& point : m_Ctrl_Points) {
        Fn_Read_Free_Field_Real(io_End, io_Text, p, r, value);
        point.x = value;
        Fn_Read_Free_Field_Real(io_End, io_Text, p, r, value);
        point.y = value;
        Fn_Read_Free_Field_Real(io_End, io_Text, p, r, value);
        point.z = value;
    }
    float* const tail[] = {&m_V0, &m_V1, &m_Normal.x, &m_Normal.y, &m_Normal.z};
    for (float* field : tail) {
        Fn_Read_Free_Field_Real(io_End, io_Text, p, r, value);
        *field = value;
    }
    return 1;
}

int C_Entity_126_Curve_B_Spline_Rational::M_Fn_Export_Param(std::vector<std::string>& io_Lines,
                                                            char i_Delimiter_Param, char i_Delimiter_Record) const
{
    static const char* const s_Function = "N_Biz::N_IGES::C_Entity_126_Curve_B_Spline_Rational::M_Fn_Export_Param";
    using N_Export::Fn_Write_Field_Integer;
    using N_Export::Fn_Write_Field_Real;
    using N_Export::G_Width_Param;
    const char p = i_Delimiter_Param;
    const char r = i_Delimiter_Record;
    if (m_Count_Ctrl < 1 || m_Degree < 0 || std::int64_t(m_Count_Knot) != std::int64_t(m_Count_Ctrl) + m_Degree + 1 ||
        m_Knots.size() != std::size_t(m_Count_Knot) || m_Weights.size() != std::size_t(m_Count_Ctrl) ||
        m_Ctrl_Points.size() != std::size_t(m_Count_Ctrl))
        VT_THROW(s_Function);
    Fn_Write_Field_Integer(io_Lines, m_Count_Ctrl - 1, p, r, false, G_Width_Param);
    Fn_Write_Field_Integer(io_Lines, m_Degree, p, r, false, G_Width_Param);
    for (std::uint8_t flag : {m_Planar, m_Closed, m_Polynomial, m_Periodic})
        Fn_Write_Field_Integer(io_Lines, flag != 0 ? 1 : 0, p, r, false, G_Width_Param);
    for (float knot : m_Knots)
        Fn_Write_Field_Real(io_Lines, knot, p, G_Width_Param);
    for (float weight : m_Weights)
        Fn_Write_Field_Real(io_Lines, weight, p, G_Width_Param);
    for (const C_Vector3_f& point : m_Ctrl_Points) {
        Fn_Write_Field_Real(io_Lines, point.x, p, G_Width_Param);
        Fn_Write_Field_Real(io_Lines, point.y, p, G_Width_Param);
        Fn_Write_Field_Real(io_Lines, point.z, p, G_Width_Param);
    }
    for (float value : {m_V0, m_V1, m_Normal.x, m_Normal.y, m_Normal.z})
        Fn_Write_Field_Real(io_Lines, value, p, G_Width_Param);
    return 1;
}

bool C_Entity_126_Curve_B_Spline_Rational::S_Fn_If_Ctrl_Is_Start(std::int32_t i_Order, const std::vector<float>& ro_Knots)
{
    if (i_Order <= 2)
        return true;
    // A curve passes through its first control point when its first degree+1 knots coincide, so
    // knots 1 to degree (not only to degree-1) are compared with knot 0.
    const std::size_t degree = std::size_t(i_Order) - 1;
    if (ro_Knots.size() <= degree)
        VT_THROW("N_Biz::N_IGES::C_Entity_126_Curve_B_Spline_Rational::S_Fn_If_Ctrl_Is_Start");
    for (std::size_t i = 1; i <= degree; ++i)
        if (ro_Knots[i] != ro_Knots[0])
            return false;
    return true;
}

bool C_Entity_126_Curve_B_Spline_Rational::S_Fn_If_Ctrl_Is_Terminate(std::int32_t i_Order,
                                                                     const std::vector<float>& ro_Knots)
{
    if (i_Order <= 2)
        return true;
    const std::size_t degree = std::size_t(i_Order) - 1;
    if (ro_Knots.size() <= degree)
        VT_THROW("N_Biz::N_IGES::C_Entity_126_Curve_B_Spline_Rational::S_Fn_If_Ctrl_Is_Terminate");
    const std::size_t last = ro_Knots.size() - 1;
    for (std::size_t i = 1; i <= degree; ++i)
        if (ro_Knots[last - i] != ro_Knots[last])
            return false;
    return true;
}

} // namespace N_Biz::N_IGES
