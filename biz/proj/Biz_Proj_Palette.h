// The colour palette of the material cards and of the property cards: 24 fully saturated hues 15
// degrees apart, handed out in a fixed order so that neighbouring new cards get well separated
// colours, always choosing the hue that the fewest cards of the manager already use.
//
// Each card manager owns one palette and checks every card in (with its colour and identifier) when
// the card enters the store and out when it leaves. The palette only counts: it never changes a
// card. A card keeps its user-list entry when its colour is later modified.
//
// Colours are RGBA, four floats from 0 to 1; hues inside the conversions are radians.
#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <vector>

namespace N_Common::N_Math {

// The hue of an RGB colour in radians (0 for a grey). Alpha is not read.
void G_Fn_Color_RGB_To_HSV(const std::array<float, 4>& ro_Color, float& o_Hue);
// Writes R, G and B of the colour with hue i_Hue (radians), saturation i_S and value i_V; alpha is
// left as it is. A hue outside 0 to 2 pi writes nothing.
void G_Fn_Color_HSV_To_RGB(float i_Hue, float i_S, float i_V, std::array<float, 4>& o_Color);
// A colour component brought into 0..1 (a colour read from a file may hold anything); NaN gives 0.
float G_Fn_Color_Clamp(float i_Component);

} // namespace N_Common::N_Math

namespace N_Biz::N_Proj {

class C_Palette {
public:
    // Number of hue sectors and of hand-out positions.
    static constexpr int S_Count = 24;
    // Hand-out order: position i hands out hue sector S_Order[i].
    static const std::array<std::int32_t, S_Count> S_Order;

    C_Palette();

    // The colour of the least-used position (the lowest position among equals), alpha 1. The
    // palette does not change.
    void M_Fn_Pick(std::array<float, 4>& o_Color) const;
    // Appends the identifier to the user list of the colour's position.
    void M_Fn_Check_in(const std::array<float, 4>& ro_Color, std::uint32_t i_Id);
    // Removes every occurrence of the identifier from the user list of the colour's position.
    void M_Fn_Check_out(const std::array<float, 4>& ro_Color, std::uint32_t i_Id);
    // The hand-out position (0 to 23) whose hue sector holds the colour's hue. Components are
    // clamped to 0..1 first; a hue that rounds to a full turn wraps to sector 0, and a colour whose
    // hue is not a number counts as sector 0.
    std::int32_t M_Fn_Index_Hue(const std::array<float, 4>& ro_Color) const;

    float M_Fn_Step_Get() const { return m_Step; }
    // The identifiers checked in at a position, in check-in order.
    const std::list<std::uint32_t>& M_Fn_Users_Get(std::int32_t i_Position) const;

private:
    float m_Step = 15.0f;
    std::vector<std::int32_t> m_Position_Of_Hue;
    std::vector<std::list<std::uint32_t>> m_Users;
};

} // namespace N_Biz::N_Proj
