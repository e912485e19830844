#include "biz/proj/Biz_Proj_Palette.h"
#include "common/Common_Exception.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

using N_Biz::N_Proj::C_Palette;
using T_Color = std::array<float, 4>;

namespace {

// Fully saturated colour of a hue in degrees, written out from the six sextants of the colour
// wheel (independent of the palette's own conversion).
T_Color G_Fn_Hue(double i_Degrees)
{
    const double h = i_Degrees / 60.0;
    const int i = static_cast<int>(std::floor(h));
    const float f = static_cast<float>(h - i);
    switch (i) {
    case 0: return {1, f, 0, 1};
    case 1: return {1 - f, 1, 0, 1};
    case 2: return {0, 1, f, 1};
    case 3: return {0, 1 - f, 1, 1};
    case 4: return {f, 0, 1, 1};
    default: return {1, 0, 1 - f, 1};
    }
}

void G_Fn_Expect_Color(const T_Color& ro_Actual, const T_Color& ro_Expected)
{
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(ro_Actual[i], ro_Expected[i], 1e-4) << "component " << i;
}

} // namespace

TEST(C_Palette, FreshPaletteHandsOutPositionZero)
{
    C_Palette palette;
    T_Color color{};
    palette.M_Fn_Pick(color);
    // Sector 9 a quarter step up: 138.75 degrees.
    G_Fn_Expect_Color(color, {0, 1, 0.3125f, 1});
    EXPECT_EQ(palette.M_Fn_Index_Hue(color), 0);
    T_Color again{};
    palette.M_Fn_Pick(again);
    EXPECT_EQ(again, color); // picking does not count
}

TEST(C_Palette, HandOutOrderFollowsTheTable)
{
    // Each pick checked in: the 24 positions come in order, each a quarter step into its sector.
    C_Palette palette;
    for (int position = 0; position < C_Palette::S_Count; ++position) {
        T_Color color{};
        palette.M_Fn_Pick(color);
        G_Fn_Expect_Color(color, G_Fn_Hue((C_Palette::S_Order[position] + 0.25) * 15.0));
        EXPECT_EQ(palette.M_Fn_Index_Hue(color), position);
        palette.M_Fn_Check_in(color, static_cast<std::uint32_t>(position + 1));
    }
    // Every position has one user: position 0 again.
    T_Color color{};
    palette.M_Fn_Pick(color);
    G_Fn_Expect_Color(color, {0, 1, 0.3125f, 1});
}

TEST(C_Palette, KnownPositions)
{
    C_Palette palette;
    T_Color color{};
    palette.M_Fn_Check_in(G_Fn_Hue(138.75), 1);
    palette.M_Fn_Pick(color);
    G_Fn_Expect_Color(color, {0.4375f, 1, 0, 1}); // position 1, 93.75 degrees
    palette.M_Fn_Check_in(color, 2);
    palette.M_Fn_Pick(color);
    G_Fn_Expect_Color(color, {1, 0.8125f, 0, 1}); // position 2, 48.75 degrees
    palette.M_Fn_Check_in(color, 3);
    palette.M_Fn_Pick(color);
    G_Fn_Expect_Color(color, {1, 0.0625f, 0, 1}); // position 3, 3.75 degrees
    palette.M_Fn_Check_in(color, 4);
    palette.M_Fn_Check_in(G_Fn_Hue(318.75), 5); // position 4
    palette.M_Fn_Pick(color);
    G_Fn_Expect_Color(color, {0.5625f, 0, 1, 1}); // position 5, 273.75 degrees
}

TEST(C_Palette, LeastUsedRule)
{
    C_Palette palette;
    // Position 0 twice, position 1 once: position 2 is among the least used and the lowest.
    palette.M_Fn_Check_in(G_Fn_Hue(138.75), 1);
    palette.M_Fn_Check_in(G_Fn_Hue(140.0), 2);
    palette.M_Fn_Check_in(G_Fn_Hue(93.75), 3);
    T_Color color{};
    palette.M_Fn_Pick(color);
    EXPECT_EQ(palette.M_Fn_Index_Hue(color), 2);
    // Fill every position but 1 twice; position 1 (one user) is now strictly the least used.
    for (int position = 2; position < C_Palette::S_Count; ++position) {
        const T_Color c = G_Fn_Hue((C_Palette::S_Order[position] + 0.5) * 15.0);
        palette.M_Fn_Check_in(c, 100);
        palette.M_Fn_Check_in(c, 101);
    }
    palette.M_Fn_Pick(color);
    EXPECT_EQ(palette.M_Fn_Index_Hue(color), 1);
}

TEST(C_Palette, CheckOutRemovesEveryOccurrence)
{
    C_Palette palette;
    const T_Color red{1, 0, 0, 1}; // hue 0: sector 0, position 3
    palette.M_Fn_Check_in(red, 7);
    palette.M_Fn_Check_in(red, 8);
    palette.M_Fn_Check_in(red, 7);
    palette.M_Fn_Check_out(red, 7);
    EXPECT_EQ(palette.M_Fn_Users_Get(3), (std::list<std::uint32_t>{8}));
    palette.M_Fn_Check_out(red, 99); // not there: nothing changes
    EXPECT_EQ(palette.M_Fn_Users_Get(3), (std::list<std::uint32_t>{8}));
    EXPECT_THROW(palette.M_Fn_Users_Get(24), N_Common::N_Exception::C_Exception);
}

TEST(C_Palette, IndexHueOfGreysAndEdges)
{
    C_Palette palette;
    EXPECT_EQ(palette.M_Fn_Index_Hue({0.5f, 0.5f, 0.5f, 1}), 3); // grey: hue 0, sector 0
    EXPECT_EQ(palette.M_Fn_Index_Hue({0, 0, 0, 1}), 3);
    EXPECT_EQ(palette.M_Fn_Index_Hue(G_Fn_Hue(359.0)), 16); // sector 23
    EXPECT_EQ(palette.M_Fn_Index_Hue(G_Fn_Hue(15.0)), 9);   // sector 1 starts at 15 degrees
    EXPECT_EQ(palette.M_Fn_Index_Hue(G_Fn_Hue(240.0)), 20); // blue: sector 16
}

TEST(C_Palette, IndexHueStaysInsideTheTable)
{
    C_Palette palette;
    // A hue a hair below a full turn rounds to 360 degrees: it wraps to sector 0 (position 3).
    EXPECT_EQ(palette.M_Fn_Index_Hue({1, 0, 1e-9f, 1}), 3);
    // Components outside 0..1 are clamped: (2, -1, 0.5) is read as (1, 0, 0.5), hue 330, sector 22.
    EXPECT_EQ(palette.M_Fn_Index_Hue({2, -1, 0.5f, 1}), 10);
    // A component that is not a number counts as 0: (NaN, 1, 0) is green, sector 8, position 13.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(palette.M_Fn_Index_Hue({nan, 1, 0, 1}), 13);
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(palette.M_Fn_Index_Hue({inf, inf, inf, 1}), 3);
    palette.M_Fn_Check_in({nan, nan, nan, nan}, 5);
    EXPECT_EQ(palette.M_Fn_Users_Get(3), (std::list<std::uint32_t>{5}));
}

TEST(C_Palette, ColorConversions)
{
    using N_Common::N_Math::G_Fn_Color_HSV_To_RGB;
    using N_Common::N_Math::G_Fn_Color_RGB_To_HSV;
    float hue = -1;
    G_Fn_Color_RGB_To_HSV({0, 0, 1, 1}, hue);
    EXPECT_NEAR(hue, 240.0 * M_PI / 180.0, 1e-5);
    G_Fn_Color_RGB_To_HSV({1, 0, 0.5f, 1}, hue); // red largest, negative: 330 degrees
    EXPECT_NEAR(hue, 330.0 * M_PI / 180.0, 1e-5);
    G_Fn_Color_RGB_To_HSV({0.2f, 0.2f, 0.2f, 1}, hue);
    EXPECT_EQ(hue, 0.0f);

    T_Color color{9, 9, 9, 0.5f};
    G_Fn_Color_HSV_To_RGB(static_cast<float>(200.0 * M_PI / 180.0), 0.5f, 0.8f, color);
    // 200 degrees: sextant 3, f = 1/3: (p, q, V) with p = 0.4, q = 0.8 (1 - 0.5/3).
    EXPECT_NEAR(color[0], 0.4f, 1e-5);
    EXPECT_NEAR(color[1], 0.8f * (1 - 0.5f / 3), 1e-5);
    EXPECT_NEAR(color[2], 0.8f, 1e-5);
    EXPECT_EQ(color[3], 0.5f); // alpha untouched
    T_Color untouched{9, 9, 9, 9};
    G_Fn_Color_HSV_To_RGB(-1.0f, 1, 1, untouched);
    G_Fn_Color_HSV_To_RGB(std::numeric_limits<float>::quiet_NaN(), 1, 1, untouched);
    G_Fn_Color_HSV_To_RGB(7.0f, 1, 1, untouched); // beyond a full turn
    EXPECT_EQ(untouched, (T_Color{9, 9, 9, 9}));
}
