// Text in the OpenGL views.
//
// Design note. There is no system bitmap font to build display lists from, so a whole run of text
// is rendered once by the window system's own font into a coverage image, packed into a 1-bit
// bitmap and drawn with glBitmap: like a font's glyph bitmaps it takes the current raster colour,
// starts at the current raster position with the baseline on it, and moves the raster position on
// by its width, so a following text continues where this one ended. Runs are cached per text, as
// the views draw the same few labels at every paint.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace N_Common::N_Graphic::N_OpenGL {

// One rendered run of text as glBitmap takes it: rows bottom-up, each row (m_Width + 7) / 8 bytes,
// the leftmost pixel in the most significant bit of the row's first byte.
struct C_Text_Bitmap {
    std::int32_t m_Width = 0;
    std::int32_t m_Height = 0;
    // Rows below the baseline (the baseline sits on the raster position).
    std::int32_t m_Descent = 0;
    std::vector<std::uint8_t> m_Bits;

    // Bytes of one row.
    std::int32_t M_Fn_Row_Bytes() const { return (m_Width + 7) / 8; }
};

// Packs a top-down image of one coverage byte per pixel (i_Width x i_Height, i_Stride bytes from
// one row to the next) into a text bitmap: a pixel is set when its coverage is at least
// i_Threshold. i_Descent is kept as the bitmap's descent. Negative sizes give an empty bitmap.
C_Text_Bitmap G_Fn_Text_Bitmap_From_Coverage(const std::uint8_t* ip_Pixels, std::int32_t i_Width,
                                             std::int32_t i_Height, std::int32_t i_Stride, std::int32_t i_Descent,
                                             std::uint8_t i_Threshold = 128);

// Draws the bitmap at the current raster position in the current raster colour and moves the
// raster position right by its width. The pixel unpacking state is saved and restored. When the
// raster position is not valid (outside the view) OpenGL draws nothing and does not move it.
void G_Fn_Draw_Text_Bitmap(const C_Text_Bitmap& ro_Bitmap);

// The part of a text that is drawn: up to its first zero character.
std::wstring_view G_Fn_Text_Visible(const std::wstring& ro_Text);

// Rendered runs by text, at most a fixed number of them: the run used least recently is dropped
// first. Not thread-safe (the interface thread's).
class C_Text_Cache {
public:
    using C_Fn_Render = std::function<C_Text_Bitmap(const std::wstring&)>;

    // i_Capacity: the most runs kept (at least 1).
    explicit C_Text_Cache(std::size_t i_Capacity = 512);
    C_Text_Cache(const C_Text_Cache&) = delete;
    C_Text_Cache& operator=(const C_Text_Cache&) = delete;

    // The run of i_Text: from the cache, else rendered by ro_Fn_Render and kept. The reference
    // stays valid until the next call or M_Fn_Clear.
    const C_Text_Bitmap& M_Fn_Get(const std::wstring& i_Text, const C_Fn_Render& ro_Fn_Render);
    // Drops every run (after the font changed).
    void M_Fn_Clear();
    std::size_t M_Fn_Size() const { return m_Map.size(); }

private:
    struct C_Entry {
        std::wstring m_Text;
        C_Text_Bitmap m_Bitmap;
    };

    std::size_t m_Capacity;
    // Most recently used first.
    std::list<C_Entry> m_Order;
    std::unordered_map<std::wstring, std::list<C_Entry>::iterator> m_Map;
};

} // namespace N_Common::N_Graphic::N_OpenGL
