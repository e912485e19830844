#include "biz/db/Biz_DB_Row_Display.h"

#include "app/UI_Tree_Signal.h"
#include "common/Common_Exception.h"

#include <new>

namespace N_Biz::N_DB::N_Impl {

namespace {

std::shared_ptr<N_UI::N_Tree::C_Signal> G_Fn_Tree_New()
{
    try {
        return std::make_shared<N_UI::N_Tree::C_Signal>();
    } catch (const std::bad_alloc&) {
        VT_THROW("N_Biz::N_DB::N_Impl::C_Row_Display::C_Row_Display");
    }
}

} // namespace

C_Row_Display::C_Row_Display() : m_sp_Tree(G_Fn_Tree_New()) {}

C_Row_Display::C_Row_Display(const C_Row_Display& ro_Other)
    : m_u32_State(ro_Other.m_u32_State), m_Color_Normal(ro_Other.m_Color_Normal), m_Color_Picked(ro_Other.m_Color_Picked),
      m_Color_Selected(ro_Other.m_Color_Selected), m_sp_Tree(G_Fn_Tree_New())
{
}

C_Row_Display::~C_Row_Display() = default;

void C_Row_Display::swap(C_Row_Display& ro_Other) noexcept
{
    std::swap(m_u32_State, ro_Other.m_u32_State);
    std::swap(m_Color_Normal, ro_Other.m_Color_Normal);
    std::swap(m_Color_Picked, ro_Other.m_Color_Picked);
    std::swap(m_Color_Selected, ro_Other.m_Color_Selected);
    m_sp_Tree.swap(ro_Other.m_sp_Tree);
}

void C_Row_Display::M_Fn_Color_Set(const std::array<float, 4>& ro_Color)
{
    m_Color_Normal = ro_Color;
    M_Fn_Color_Update_Shades();
}

void C_Row_Display::M_Fn_Color_Update_Shades()
{
    for (int i = 0; i < 3; ++i) {
        const float c = m_Color_Normal[i];
        m_Color_Picked[i] = (1.0f - c) + c * 0.75f;
        m_Color_Selected[i] = c + (1.0f - c) * 0.875f;
    }
    m_Color_Picked[3] = m_Color_Normal[3];
    m_Color_Selected[3] = m_Color_Normal[3];
}

E_Result C_Row_Display::M_Fn_Stream_Serialize_O(std::ostream& ro_Stream, std::uint32_t i_Flag) const
{
    E_Result result = N_Common::N_Stream::G_Fn_Serialize_O(ro_Stream, i_Flag);
    for (float channel : m_Color_Normal)
        if (result == E_Result_Success)
            result = N_Common::N_Stream::G_Fn_Serialize_O(ro_Stream, channel);
    return result;
}

E_Result C_Row_Display::M_Fn_Stream_Serialize_I(std::istream& ro_Stream, std::uint32_t& o_Flag)
{
    std::uint32_t flag = 0;
    std::array<float, 4> color{};
    if (N_Common::N_Stream::G_Fn_Serialize_I(ro_Stream, flag) != E_Result_Success)
        return E_Result_Stream_Failure;
    for (float& channel : color)
        if (N_Common::N_Stream::G_Fn_Serialize_I(ro_Stream, channel) != E_Result_Success)
            return E_Result_Stream_Failure;
    o_Flag = flag;
    M_Fn_Color_Set(color);
    return E_Result_Success;
}

} // namespace N_Biz::N_DB::N_Impl
