// Text of the OpenGL views: packing a coverage image into a bitmap (bytes written out by hand),
// drawing it with the raster position moving on, the per-text cache, and the current-view rules of
// the window-system-free view half. The bitmaps here are synthetic blocks, not glyphs.
#include "common/Common_Graphic_OpenGL_Text.h"
#include "common/Common_Graphic_OpenGL_View.h"
#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace N_Common::N_Graphic::N_OpenGL;

namespace {

// A bitmap of i_W x i_H set pixels.
C_Text_Bitmap G_Fn_Block(int i_W, int i_H, int i_Descent)
{
    std::vector<std::uint8_t> coverage(std::size_t(i_W * i_H), 255);
    return G_Fn_Text_Bitmap_From_Coverage(coverage.data(), i_W, i_H, i_W, i_Descent);
}

std::array<int, 3> G_Fn_Pixel(int i_X, int i_Y)
{
    unsigned char rgba[4] = {0, 0, 0, 0};
    glReadPixels(i_X, i_Y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}

class C_GL_Text : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen());
        glPushAttrib(GL_ALL_ATTRIB_BITS);
        glMatrixMode(GL_PROJECTION);
        glOrtho(0, S_GL_Size, 0, S_GL_Size, -1, 1);
        glMatrixMode(GL_MODELVIEW);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void TearDown() override { glPopAttrib(); }
    static float S_Fn_Raster_X()
    {
        GLfloat pos[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, pos);
        return pos[0];
    }
};

// A view whose system calls are counted and scripted.
class C_View_Fake : public C_View {
public:
    bool MV_Fn_Make_Current_System() override
    {
        ++m_Switches;
        return m_Switch_Ok;
    }
    void MV_Fn_Release_System() override { ++m_Releases; }
    C_Text_Bitmap MV_Fn_Text_Render(const std::wstring& i_Text) override
    {
        m_Rendered.push_back(i_Text);
        return G_Fn_Block(int(i_Text.size()) * 2, 3, 0);
    }
    C_Extent MV_Fn_Text_Extent(const std::wstring& i_Text) override
    {
        m_Measured.push_back(i_Text);
        return {int(i_Text.size()) * 7, 11};
    }

    int m_Switches = 0;
    int m_Releases = 0;
    bool m_Switch_Ok = true;
    std::vector<std::wstring> m_Rendered;
    std::vector<std::wstring> m_Measured;
};

} // namespace

TEST(C_Text_Bitmap, CoverageIsPackedBottomUpMostSignificantBitFirst)
{
    // Two rows of ten pixels, top row first, two bytes of padding per row (stride 12).
    const std::uint8_t image[24] = {255, 0, 0, 0, 0, 0, 0, 0, 0, 200, 9, 9,  // top
                                    0, 128, 127, 0, 0, 0, 0, 0, 255, 0, 9, 9}; // bottom
    const C_Text_Bitmap bitmap = G_Fn_Text_Bitmap_From_Coverage(image, 10, 2, 12, 1);
    EXPECT_EQ(bitmap.m_Width, 10);
    EXPECT_EQ(bitmap.m_Height, 2);
    EXPECT_EQ(bitmap.m_Descent, 1);
    // Bottom row: x = 1 (128 reaches the threshold, 127 does not) and x = 8; top row: x = 0, x = 9.
    EXPECT_EQ(bitmap.m_Bits, (std::vector<std::uint8_t>{0x40, 0x80, 0x80, 0x40}));
    EXPECT_TRUE(G_Fn_Text_Bitmap_From_Coverage(image, 0, 2, 12, 0).m_Bits.empty());
    EXPECT_TRUE(G_Fn_Text_Bitmap_From_Coverage(image, 10, -1, 12, 0).m_Bits.empty());
}

TEST_F(C_GL_Text, BitmapDrawsInTheRasterColourAndMovesTheRasterPosition)
{
    glColor3f(1, 0, 0);
    glRasterPos2f(10.5f, 20.5f);
    G_Fn_Draw_Text_Bitmap(G_Fn_Block(3, 2, 1)); // baseline on row 20, one row below it
    EXPECT_EQ(G_Fn_Pixel(10, 19), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(G_Fn_Pixel(12, 20), (std::array<int, 3>{255, 0, 0}));
    EXPECT_EQ(G_Fn_Pixel(13, 20), (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(G_Fn_Pixel(10, 21), (std::array<int, 3>{0, 0, 0}));
    EXPECT_FLOAT_EQ(S_Fn_Raster_X(), 13.5f);
    // The next run follows at once.
    G_Fn_Draw_Text_Bitmap(G_Fn_Block(2, 1, 0));
    EXPECT_EQ(G_Fn_Pixel(14, 20), (std::array<int, 3>{255, 0, 0}));
    EXPECT_FLOAT_EQ(S_Fn_Raster_X(), 15.5f);
    // The unpacking state came back.
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}

TEST_F(C_GL_Text, OutsideTheViewNothingIsDrawn)
{
    glColor3f(1, 1, 1);
    glRasterPos2f(-5.0f, 10.0f);
    G_Fn_Draw_Text_Bitmap(G_Fn_Block(8, 8, 0));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(G_Fn_Pixel(x, 12), (std::array<int, 3>{0, 0, 0}));
}

TEST(C_Text_Visible, StopsAtTheFirstZeroCharacter)
{
    EXPECT_EQ(G_Fn_Text_Visible(std::wstring(L"ab\0cd", 5)), L"ab");
    EXPECT_EQ(G_Fn_Text_Visible(L"abc"), L"abc");
    EXPECT_EQ(G_Fn_Text_Visible(std::wstring(L"\0x", 2)), L"");
}

TEST(C_Text_Cache, KeepsRecentRunsAndDropsTheLeastRecent)
{
    C_Text_Cache cache(2);
    std::vector<std::wstring> rendered;
    auto render = [&](const std::wstring& i_Text) {
        rendered.push_back(i_Text);
        return G_Fn_Block(int(i_Text.size()), 1, 0);
    };
    cache.M_Fn_Get(L"a", render);
    cache.M_Fn_Get(L"bb", render);
    EXPECT_EQ(cache.M_Fn_Get(L"a", render).m_Width, 1); // from the cache, now the most recent
    cache.M_Fn_Get(L"ccc", render);                     // drops "bb"
    cache.M_Fn_Get(L"a", render);
    cache.M_Fn_Get(L"bb", render);
    EXPECT_EQ(rendered, (std::vector<std::wstring>{L"a", L"bb", L"ccc", L"bb"}));
    EXPECT_EQ(cache.M_Fn_Size(), 2u);
    // A renderer that throws leaves the cache as it was.
    EXPECT_THROW(cache.M_Fn_Get(L"dddd", [](const std::wstring&) -> C_Text_Bitmap { throw std::runtime_error("x"); }),
                 std::runtime_error);
    EXPECT_EQ(cache.M_Fn_Size(), 2u);
    cache.M_Fn_Get(L"a", render);
    cache.M_Fn_Get(L"bb", render);
    EXPECT_EQ(rendered.size(), 4u);
    cache.M_Fn_Clear();
    EXPECT_EQ(cache.M_Fn_Size(), 0u);
}

TEST_F(C_GL_Text, ViewsFollowTheCurrentContextRules)
{
    C_View_Fake a, b;
    EXPECT_EQ(C_View::S_Fn_Current(), nullptr);
    EXPECT_TRUE(a.M_Fn_Make_Current());
    EXPECT_TRUE(a.M_Fn_Make_Current()); // already current: no system call
    EXPECT_EQ(a.m_Switches, 1);
    EXPECT_EQ(C_View::S_Fn_Current(), &a);
    {
        // A scope in another view gives the context back at its end.
        C_View::C_Scope scope(&b);
        EXPECT_EQ(C_View::S_Fn_Current(), &b);
    }
    EXPECT_EQ(C_View::S_Fn_Current(), &a);
    EXPECT_EQ(a.m_Switches, 2);
    // A failed switch leaves no view current.
    b.m_Switch_Ok = false;
    EXPECT_FALSE(b.M_Fn_Make_Current());
    EXPECT_EQ(C_View::S_Fn_Current(), nullptr);
    // Release only acts for the current view, once.
    a.M_Fn_Make_Current();
    b.M_Fn_Release();
    EXPECT_EQ(b.m_Releases, 0);
    a.M_Fn_Release();
    a.M_Fn_Release();
    EXPECT_EQ(a.m_Releases, 1);
    EXPECT_EQ(C_View::S_Fn_Current(), nullptr);
    // A scope entered with no view current ends with none.
    {
        C_View::C_Scope scope(&a);
        EXPECT_EQ(C_View::S_Fn_Current(), &a);
    }
    EXPECT_EQ(C_View::S_Fn_Current(), nullptr);
    // A view that goes while current is forgotten.
    {
        C_View_Fake c;
        c.M_Fn_Make_Current();
    }
    EXPECT_EQ(C_View::S_Fn_Current(), nullptr);
}

TEST_F(C_GL_Text, ViewTextStopsAtZeroAndIsRenderedOnce)
{
    C_View_Fake view;
    glColor3f(0, 1, 0);
    glRasterPos2f(4.5f, 30.5f);
    view.M_Fn_Draw_Text(std::wstring(L"ab\0c", 4)); // "ab": a block 4 x 3
    EXPECT_EQ(G_Fn_Pixel(7, 32), (std::array<int, 3>{0, 255, 0}));
    EXPECT_EQ(G_Fn_Pixel(8, 32), (std::array<int, 3>{0, 0, 0}));
    view.M_Fn_Draw_Text(L"ab");
    view.M_Fn_Draw_Text(L"");
    EXPECT_EQ(view.m_Rendered, std::vector<std::wstring>{L"ab"});
    EXPECT_FLOAT_EQ(S_Fn_Raster_X(), 12.5f);
    const C_View::C_Extent extent = view.M_Fn_Get_Text_Extent(std::wstring(L"xyz\0w", 5));
    EXPECT_EQ(extent.m_Width, 21);
    EXPECT_EQ(extent.m_Height, 11);
    EXPECT_EQ(view.M_Fn_Get_Text_Extent(L"").m_Width, 0);
    EXPECT_EQ(view.m_Measured, std::vector<std::wstring>{L"xyz"});
    // A new font: the runs are rendered again.
    view.M_Fn_Text_Font_Changed();
    view.M_Fn_Draw_Text(L"ab");
    EXPECT_EQ(view.m_Rendered.size(), 2u);
}
