// IGES type 314: a colour definition that other entities refer to through their colour pointer.
// The file gives red, green and blue in percent and an optional name; the shades shown when an
// entity of this colour is selected or highlighted are derived from the colour.
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"

#include <string>

namespace N_Biz::N_IGES {

class C_Entity_314_Color : public C_Entity {
public:
    // Colour and shades black with alpha 1, no name; entity use definition.
    C_Entity_314_Color();

    std::unique_ptr<C_Entity> Clone_apo_Entity() const override;
    std::int32_t M_Fn_Get_Type() const override { return 314; }
    const wchar_t* M_Fn_Get_Name_Type() const override { return L"Color"; }
    // The selected shade when selected, else the highlighted shade when highlighted, else the
    // colour. Returns 1.
    int M_Fn_Get_o_Color_f(const C_Table_Entity& ro_Table, bool i_Selected, bool i_Highlighted,
                           float o_RGBA[4]) const override;
    // CC1, CC2, CC3 (reals, percent), then the name (string); the shades are derived afterwards.
    int M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                          char i_Delimiter_Record) override;
    // Each component times 100, then the name (an empty name as an empty field).
    int M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                          char i_Delimiter_Record) const override;

    // Derives the shades from the colour: selected = the inverse colour lightened toward white by
    // 0.75, highlighted = the colour lightened by 0.875; alpha kept.
    void M_Fn_Update_Shades();

    std::string m_Name;
    float m_Color[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float m_Color_Selected[4] = {0.0f, 0.0f, 0.0f, 1.0f};
    float m_Color_Highlighted[4] = {0.0f, 0.0f, 0.0f, 1.0f};
};

} // namespace N_Biz::N_IGES
