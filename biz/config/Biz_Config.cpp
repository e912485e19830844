#include "biz/config/Biz_Config.h"

#include "common/Common_Exception.h"

namespace N_Biz::N_Config {

C_Config::C_Config()
    : m_up_Signal(std::make_unique<C_Config_Signal>(this)), m_up_Data(std::make_unique<C_Config_Data>(this))
{
}

C_Config::~C_Config() = default;

void C_Config::M_Fn_Notify(E_Signal i_Code)
{
    m_up_Signal->m_Signal(*this, i_Code);
}

void C_Config::M_Fn_Toggle(std::int32_t C_Config_Data::*i_Word, E_Signal i_Code)
{
    std::int32_t& word = (*m_up_Data).*i_Word;
    word = word == 0 ? 1 : 0;
    M_Fn_Notify(i_Code);
}

void C_Config::M_Fn_Toggle_Exclusive(std::int32_t C_Config_Data::*i_Word, std::int32_t C_Config_Data::*i_Other)
{
    M_Fn_Toggle(i_Word, E_Signal_Sect_Mesh);
    C_Config_Data& data = *m_up_Data;
    if (data.*i_Word == 1 && data.*i_Other == 1) {
        data.*i_Other = 0;
        M_Fn_Notify(E_Signal_Sect_Mesh);
    }
}

void C_Config::M_Fn_Toggle_Show_Thickness()
{
    M_Fn_Toggle_Exclusive(&C_Config_Data::m_Show_Thickness, &C_Config_Data::m_Show_Loop);
}

void C_Config::M_Fn_Toggle_Show_Loop()
{
    M_Fn_Toggle_Exclusive(&C_Config_Data::m_Show_Loop, &C_Config_Data::m_Show_Thickness);
}

void C_Config::M_Fn_Load_Case_Step(std::int32_t i_Step)
{
    // Six load cases; a word found out of range is brought back into 0..5 rather than stepped
    // further out of it.
    const std::int32_t n = 6;
    std::int32_t& word = m_up_Data->m_Load_Case;
    word = ((word % n + n) % n + i_Step + n) % n;
    M_Fn_Notify(E_Signal_Analysis);
}

void C_Config::M_Fn_Load_Case_Step_Prev()
{
    M_Fn_Load_Case_Step(-1);
}

void C_Config::M_Fn_Load_Case_Step_Next()
{
    M_Fn_Load_Case_Step(1);
}

void C_Config::M_Fn_Stress_Bound_Toggle()
{
    M_Fn_Toggle(&C_Config_Data::m_Stress_Bound, E_Signal_Analysis);
}

float G_Fn_Tess_Angle_Deg_From_Rad(float i_Rad)
{
    return i_Rad * 57.29578f;
}

float G_Fn_Tess_Angle_Rad_From_Deg(float i_Deg)
{
    return i_Deg * 0.0174533f;
}

std::optional<std::wstring> G_Fn_Check_Tess_Angle_Deg(float i_Deg)
{
    if (i_Deg >= 0.0f && i_Deg <= 6.0f)
        return std::nullopt;
    return L"Invalid value, valid range: 0.0 - 6.0.";
}

std::optional<std::wstring> G_Fn_Check_Tess_Length_Over_Thk(float i_Value)
{
    if (i_Value >= 0.0f && i_Value <= 4.0f)
        return std::nullopt;
    return L"Invalid value, valid range: 0.0 - 4.0.";
}

std::optional<std::wstring> G_Fn_Check_Grid_Scale(float i_Value)
{
    if (i_Value >= 1.0f)
        return std::nullopt;
    return L"Invalid value, the value must not be less than 1.0 .";
}

std::optional<std::wstring> G_Fn_Check_Extra_Sections(std::int64_t i_Value)
{
    if (i_Value >= 0 && i_Value <= 20)
        return std::nullopt;
    return L"Invalid value, valid range: 0 ~ 20.";
}

std::wstring G_Fn_Label_Model_Disp_Auto(std::int32_t i_Word_34)
{
    switch (i_Word_34) {
    case 0: return L"Auto";
    case 2: return L"Auto (Hide)";
    case 3: return L"Auto (Grid)";
    case 4: return L"Auto (Mesh)";
    case 5: return L"Auto (Shade)";
    }
    VT_THROW("N_Biz::N_Config::G_Fn_Label_Model_Disp_Auto");
}

std::wstring G_Fn_Label_Sect_Disp_Auto(std::int32_t i_Word_36)
{
    switch (i_Word_36) {
    case 0: return L"Auto";
    case 2: return L"Auto (Hide)";
    case 3: return L"Auto (Plane)";
    case 4: return L"Auto (Geometry)";
    case 5: return L"Auto (Element)";
    }
    VT_THROW("N_Biz::N_Config::G_Fn_Label_Sect_Disp_Auto");
}

} // namespace N_Biz::N_Config
