#include "common/Common_Graphic_OpenGL_Text.h"

#include <GL/gl.h>

#include <algorithm>

namespace N_Common::N_Graphic::N_OpenGL {

C_Text_Bitmap G_Fn_Text_Bitmap_From_Coverage(const std::uint8_t* ip_Pixels, std::int32_t i_Width,
                                             std::int32_t i_Height, std::int32_t i_Stride, std::int32_t i_Descent,
                                             std::uint8_t i_Threshold)
{
    C_Text_Bitmap bitmap;
    if (i_Width <= 0 || i_Height <= 0 || !ip_Pixels)
        return bitmap;
    bitmap.m_Width = i_Width;
    bitmap.m_Height = i_Height;
    bitmap.m_Descent = i_Descent;
    const std::int32_t row_bytes = bitmap.M_Fn_Row_Bytes();
    bitmap.m_Bits.assign(std::size_t(row_bytes) * std::size_t(i_Height), 0);
    for (std::int32_t row = 0; row < i_Height; ++row) {
        // The image runs top-down, the bitmap bottom-up.
        const std::uint8_t* p_src = ip_Pixels + std::size_t(i_Height - 1 - row) * std::size_t(i_Stride);
        std::uint8_t* p_dst = bitmap.m_Bits.data() + std::size_t(row) * std::size_t(row_bytes);
        for (std::int32_t x = 0; x < i_Width; ++x)
            if (p_src[x] >= i_Threshold)
                p_dst[x / 8] |= std::uint8_t(0x80u >> (x % 8));
    }
    return bitmap;
}

void G_Fn_Draw_Text_Bitmap(const C_Text_Bitmap& ro_Bitmap)
{
    if (ro_Bitmap.m_Width <= 0 || ro_Bitmap.m_Height <= 0)
        return;
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glBitmap(ro_Bitmap.m_Width, ro_Bitmap.m_Height, 0.0f, float(ro_Bitmap.m_Descent), float(ro_Bitmap.m_Width), 0.0f,
             ro_Bitmap.m_Bits.data());
    glPopClientAttrib();
}

std::wstring_view G_Fn_Text_Visible(const std::wstring& ro_Text)
{
    const std::size_t end = ro_Text.find(L'\0');
    return std::wstring_view(ro_Text.data(), end == std::wstring::npos ? ro_Text.size() : end);
}

C_Text_Cache::C_Text_Cache(std::size_t i_Capacity) : m_Capacity(std::max<std::size_t>(i_Capacity, 1)) {}

const C_Text_Bitmap& C_Text_Cache::M_Fn_Get(const std::wstring& i_Text, const C_Fn_Render& ro_Fn_Render)
{
    auto found = m_Map.find(i_Text);
    if (found != m_Map.end()) {
        m_Order.splice(m_Order.begin(), m_Order, found->second);
        return found->second->m_Bitmap;
    }
    // Rendered before anything changes, so a throwing renderer leaves the cache as it was.
    C_Entry entry{i_Text, ro_Fn_Render(i_Text)};
    while (m_Map.size() >= m_Capacity) {
        m_Map.erase(m_Order.back().m_Text);
        m_Order.pop_back();
    }
    m_Order.push_front(std::move(entry));
    m_Map.emplace(i_Text, m_Order.begin());
    return m_Order.front().m_Bitmap;
}

void C_Text_Cache::M_Fn_Clear()
{
    m_Map.clear();
    m_Order.clear();
}

} // namespace N_Common::N_Graphic::N_OpenGL
