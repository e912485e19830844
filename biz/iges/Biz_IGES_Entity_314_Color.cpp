#include "biz/iges/Biz_IGES_Entity_314_Color.h"

#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"

namespace N_Biz::N_IGES {

C_Entity_314_Color::C_Entity_314_Color() { M_Fn_Set_Entity_Use(E_Use_Definition); }

std::unique_ptr<C_Entity> C_Entity_314_Color::Clone_apo_Entity() const { return std::make_unique<C_Entity_314_Color>(*this); }

int C_Entity_314_Color::M_Fn_Get_o_Color_f(const C_Table_Entity&, bool i_Selected, bool i_Highlighted,
                                           float o_RGBA[4]) const
{
    const float* source = i_Selected ? m_Color_Selected : (i_Highlighted ? m_Color_Highlighted : m_Color);
    for (int i = 0; i < 4; ++i)
        o_RGBA[i] = source[i];
    return 1;
}

void C_Entity_314_Color::M_Fn_Update_Shades()
{
    for (int i = 0; i < 3; ++i) {
        const float inverse = 1.0f - m_Color[i];
        m_Color_Selected[i] = inverse + (1.0f - inverse) * 0.75f;
        m_Color_Highlighted[i] = m_Color[i] + (1.0f - m_Color[i]) * 0.875f;
    }
    m_Color_Selected[3] = m_Color[3];
    m_Color_Highlighted[3] = m_Color[3];
}

int C_Entity_314_Color::M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                                          char i_Delimiter_Record)
{
    float value = 0.0f;
    for (int i = 0; i < 3; ++i) {
        N_Import::Fn_Read_Free_Field_Real(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, value);
        m_Color[i] = value * 0.01f;
    }
    N_Import::Fn_Read_Free_Field_String(io_End, io_Text, i_Delimiter_Param, i_Delimiter_Record, m_Name);
    M_Fn_Update_Shades();
    return 1;
}

int C_Entity_314_Color::M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                                          char i_Delimiter_Record) const
{
    for (int i = 0; i < 3; ++i)
        N_Export::Fn_Write_Field_Real(io_Lines, m_Color[i] * 100.0f, i_Delimiter_Param, N_Export::G_Width_Param);
    N_Export::Fn_Write_Field_String(io_Lines, m_Name, i_Delimiter_Param, i_Delimiter_Record, false,
                                    N_Export::G_Width_Param);
    return 1;
}

} // namespace N_Biz::N_IGES
