// The mesh draw settings that the section frame hands to the mesh objects' drawing. The frame
// binds the node positions as the GL vertex array (index = node id) before segments are drawn.
// The current colour and line width are cached here by the drawing code so that consecutive
// objects of the same look make no redundant GL call; colours are compared by the identity of
// their four-float record.
#pragma once

#include <cstdint>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Context_Draw_Tess {
public:
    const C_Sect* m_p_Sect = nullptr;
    // Segments as filled walls of their thickness (with joint patches at the nodes) instead of lines.
    bool m_Show_Thk = false;
    // Segments on closed loops drawn wide (when thickness is off).
    bool m_Show_Loop = false;
    // Colour by the material card (else by the property card).
    bool m_Color_By_Material = false;
    // When on, every object is drawn as picked/selected according to the two forced values.
    bool m_Override = false;
    bool m_Override_Picked = false;
    bool m_Override_Selected = false;
    // Cache of the GL state: the last line width and colour set (0 / null: none set yet).
    float m_Line_Width = 0;
    const float* m_p_Color = nullptr;
    // Colours of objects without a card to colour them, RGBA.
    const float* m_p_Color_Normal = nullptr;
    const float* m_p_Color_Picked = nullptr;
    const float* m_p_Color_Selected = nullptr;
};

} // namespace N_Biz::N_Sect
