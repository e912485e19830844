// What material and property cards carry for their display beyond the database columns: the
// selection and hidden state of the card as a whole, its colours, and its project-tree hook.
// Both card classes hold one of these; their binary tail is the flag word and the normal colour.
#pragma once

#include "common/Common_Stream_Serialize.h"

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>

namespace N_UI::N_Tree {
class C_Signal;
}

namespace N_Biz::N_DB::N_Impl {

class C_Row_Display {
public:
    // State bits: 0 in the current pick, 1 in the selection set, 2 hidden.
    enum : std::uint32_t { E_State_Picked = 0x1, E_State_Selected = 0x2, E_State_Hidden = 0x4 };

    // Creates the card's own tree hook; C_Exception when it cannot be created.
    C_Row_Display();
    // Without a tree hook (the moved-from side of a move).
    struct C_No_Hook {};
    explicit C_Row_Display(C_No_Hook) noexcept {}
    // A copy gets the colours and state, and a tree hook of its own.
    C_Row_Display(const C_Row_Display& ro_Other);
    C_Row_Display& operator=(const C_Row_Display&) = delete;
    ~C_Row_Display();

    void swap(C_Row_Display& ro_Other) noexcept;

    // Sets the normal colour and recomputes the shades.
    void M_Fn_Color_Set(const std::array<float, 4>& ro_Color);
    // Per channel c of R, G, B (alpha copied): picked = (1 - c) + c x 0.75, the inverse colour
    // blended toward white; selected = c + (1 - c) x 0.875, the colour blended toward white.
    void M_Fn_Color_Update_Shades();

    // Tail of the binary form: u32 i_Flag, then the normal colour as four floats. Reading
    // recomputes the shades.
    E_Result M_Fn_Stream_Serialize_O(std::ostream& ro_Stream, std::uint32_t i_Flag) const;
    E_Result M_Fn_Stream_Serialize_I(std::istream& ro_Stream, std::uint32_t& o_Flag);

    std::uint32_t m_u32_State = 0;
    std::array<float, 4> m_Color_Normal{0.0f, 0.0f, 0.0f, 1.0f};
    std::array<float, 4> m_Color_Picked{0.0f, 0.0f, 0.0f, 1.0f};
    std::array<float, 4> m_Color_Selected{0.0f, 0.0f, 0.0f, 1.0f};
    std::shared_ptr<N_UI::N_Tree::C_Signal> m_sp_Tree;
};

} // namespace N_Biz::N_DB::N_Impl
