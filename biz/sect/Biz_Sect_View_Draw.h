// What the section's drawings share (main view, result graph, the section in the project view):
// matrix guards, the draw state of the geometry, marked points, colours, the configuration and the
// text of the views (through the application's port).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace N_Biz::N_Config {
class C_Config_Data;
}

namespace N_Biz::N_Sect {

class C_Sect;
class C_Context_Draw_Geom;
class C_Context_Draw_Tess;

namespace N_View_Draw {

// Pushes the model-view matrix (and with i_Projection the projection matrix) and pops it again
// however the scope ends, leaving the model-view matrix mode; so a throwing drawing step leaves no
// stack pushed.
class C_Matrix_Guard {
public:
    explicit C_Matrix_Guard(bool i_Projection = false);
    ~C_Matrix_Guard();
    C_Matrix_Guard(const C_Matrix_Guard&) = delete;
    C_Matrix_Guard& operator=(const C_Matrix_Guard&) = delete;

private:
    bool m_Projection;
};

// Saves the client vertex-array state and enables the vertex array; the state comes back however
// the scope ends (for drawing in a context whose state is another view's).
class C_Client_Array_Guard {
public:
    C_Client_Array_Guard();
    ~C_Client_Array_Guard();
    C_Client_Array_Guard(const C_Client_Array_Guard&) = delete;
    C_Client_Array_Guard& operator=(const C_Client_Array_Guard&) = delete;
};

// Colours of picks and selections (red, green, blue, alpha 1).
inline constexpr float S_Color_P1_Point[4] = {1.0f, 0.25f, 0.25f, 1.0f};
inline constexpr float S_Color_P1_Free[4] = {1.0f, 1.0f, 0.25f, 1.0f};
inline constexpr float S_Color_P0_Point[4] = {0.25f, 0.25f, 1.0f, 1.0f};
inline constexpr float S_Color_P0_Free[4] = {0.25f, 1.0f, 0.25f, 1.0f};
// Entities and elements without a card to take their colour from: normal, picked, selected.
inline constexpr float S_Color_Normal[4] = {0.7f, 0.7f, 0.7f, 1.0f};
inline constexpr float S_Color_Picked[4] = {0.9f, 0.9f, 0.9f, 1.0f};
inline constexpr float S_Color_Selected[4] = {1.0f, 1.0f, 1.0f, 1.0f};

// The application's configuration; none throws C_Exception.
const N_Biz::N_Config::C_Config_Data& G_Fn_Config();

// The draw states of the main view: the section, colour by material (configuration word 12 equal
// to 0), the three colours, line width 1 as set before the pass (the caller sets it), no colour
// set yet; the mesh's also with show-thickness and show-loop (words 28, 29).
void G_Fn_Context_Geom_Init(C_Context_Draw_Geom& o_Context, C_Sect& ro_Sect);
void G_Fn_Context_Tess_Init(C_Context_Draw_Tess& o_Context, C_Sect& ro_Sect);
// Every occupied entity in slot order, with its selection colouring first when i_Sel is set.
void G_Fn_Draw_Geom_E(const C_Sect& ro_Sect, C_Context_Draw_Geom& io_Context, bool i_Sel);

// A 7-pixel white point under a 5-pixel point of the colour at (x, y).
void G_Fn_Point_Marked(const float* ip_Pos, const float* ip_Color);

// Text at (x, y) of the current model-view and projection, in the current colour, through the
// port (nothing without an application).
void G_Fn_Text(float i_X, float i_Y, const std::wstring& i_Text);
// Width and height of the text in the current view's font; (0, 0) without an application.
std::array<int, 2> G_Fn_Text_Extent(const std::wstring& i_Text);

} // namespace N_View_Draw

} // namespace N_Biz::N_Sect
