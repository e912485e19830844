// The draw state that the section's main view hands to each geometry entity (first to
// C_D_Geom_Entity::M_Fn_Draw_Sel, then to the entity's M_Fn_Draw). The entities read the switches
// and colours and keep the current line width and colour up to date, so that OpenGL is only told
// about changes.
#pragma once

#include <cstdint>
#include <vector>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Context_Draw_Geom {
public:
    C_Sect* m_p_Sect = nullptr;
    // Non-zero while a move is previewed: entities draw only what moves, offset by m_p_Offset.
    std::int32_t m_Move_Preview = 0;
    // Per point id, non-zero when the point is being moved.
    std::vector<std::uint32_t> m_Point_Moved;
    // The move offset (dx, dy).
    const float* m_p_Offset = nullptr;
    // Colour by the material card (else by the property card).
    std::int32_t m_Color_By_Material = 0;
    // When on, the picked and selected states are replaced by the two override values.
    std::int32_t m_Override = 0;
    std::int32_t m_Override_Picked = 0;
    std::int32_t m_Override_Selected = 0;
    // What OpenGL was last given (written by the entities).
    float m_Line_Width = 0;
    const float* m_p_Color = nullptr;
    // Colours of entities without a card to colour them (four floats each).
    const float* m_p_Color_Normal = nullptr;
    const float* m_p_Color_Picked = nullptr;
    const float* m_p_Color_Selected = nullptr;
};

} // namespace N_Biz::N_Sect
