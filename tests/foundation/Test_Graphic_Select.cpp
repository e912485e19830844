#include "common/Common_Exception.h"
#include "common/Common_Graphic_OpenGL_Select.h"
#include "tests/foundation/Test_GL_Offscreen.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <vector>

using N_Common::N_Exception::C_Exception;
using N_Common::N_Graphic::N_OpenGL::C_Select;

namespace {

struct C_Hit {
    GLuint m_Min;
    GLuint m_Max;
    std::vector<GLuint> m_Names;
};

// Collects the hit records a pass delivers.
struct C_Hits {
    std::vector<C_Hit> m_Hits;
    C_Select::C_Fn_Hit M_Fn_Callback()
    {
        return [this](GLuint i_Min, GLuint i_Max, GLuint i_Count, const GLuint* ip_Names) {
            m_Hits.push_back({i_Min, i_Max, std::vector<GLuint>(ip_Names, ip_Names + i_Count)});
        };
    }
};

// A 1x1 pick box at window position (x, y) over the view (0..64) x (0..64).
void G_Fn_Pick_Projection(double i_X, double i_Y)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(i_X, i_Y, 1.0, 1.0, viewport);
    glOrtho(0, N_Test::S_GL_Size, 0, N_Test::S_GL_Size, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void G_Fn_Quad(float i_X0, float i_X1)
{
    glBegin(GL_QUADS);
    glVertex2f(i_X0, 4);
    glVertex2f(i_X1, 4);
    glVertex2f(i_X1, 60);
    glVertex2f(i_X0, 60);
    glEnd();
}

// Two pickable quads: name 1 on the left half (x 4..28), name 2 on the right (x 36..60).
void G_Fn_Draw_Two_Quads()
{
    glLoadName(1);
    G_Fn_Quad(4, 28);
    glLoadName(2);
    G_Fn_Quad(36, 60);
}

std::vector<C_Hit> G_Fn_Pick(double i_X, double i_Y)
{
    G_Fn_Pick_Projection(i_X, i_Y);
    C_Hits hits;
    C_Select::M_Fn_Start();
    G_Fn_Draw_Two_Quads();
    C_Select::M_Fn_Finish(hits.M_Fn_Callback());
    return hits.m_Hits;
}

// Leaves no pass open behind a failed test.
struct C_Close_Pass {
    ~C_Close_Pass()
    {
        if (C_Select::S_Fn_If_Started())
            C_Select::M_Fn_Finish([](GLuint, GLuint, GLuint, const GLuint*) {});
    }
};

} // namespace

TEST(C_Select, PicksOnlyTheRecordUnderTheOnePixelBox)
{
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
    C_Close_Pass close;

    auto left = G_Fn_Pick(16.5, 32.5);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].m_Names, std::vector<GLuint>{1});
    // The quads lie at z = 0, half way between the near and far planes: depth 0.5 of 2^32 - 1.
    EXPECT_LE(left[0].m_Min, left[0].m_Max);
    EXPECT_NEAR(double(left[0].m_Min) / 4294967295.0, 0.5, 1e-3);

    auto right = G_Fn_Pick(48.5, 32.5);
    ASSERT_EQ(right.size(), 1u);
    EXPECT_EQ(right[0].m_Names, std::vector<GLuint>{2});

    // Between the quads nothing is hit.
    EXPECT_TRUE(G_Fn_Pick(32.5, 32.5).empty());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(C_Select, PassStateAndMisuse)
{
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
    C_Close_Pass close;
    auto none = [](GLuint, GLuint, GLuint, const GLuint*) {};
    EXPECT_THROW(C_Select::M_Fn_Finish(none), C_Exception);
    EXPECT_THROW(C_Select::M_Fn_Check_Capacity(none), C_Exception);
    EXPECT_FALSE(C_Select::S_Fn_If_Started());

    C_Select::M_Fn_Start();
    EXPECT_EQ(C_Select::S_Fn_Get_Usage(), 0u);
    EXPECT_EQ(C_Select::S_Fn_Get_Record_Size(), 16u); // 12 bytes of header + the name 0
    GLint mode = 0;
    glGetIntegerv(GL_RENDER_MODE, &mode);
    EXPECT_EQ(mode, GL_SELECT);
    C_Select::M_Fn_Check_Capacity(none);
    try {
        C_Select::M_Fn_Start();
        ADD_FAILURE() << "a second start must throw";
    } catch (const C_Exception& e) {
        EXPECT_STREQ(e.M_Fn_Function(), "N_Common::N_Graphic::N_OpenGL::C_Select::M_Fn_Start");
        EXPECT_STREQ(C_Exception::S_Fn_File_Name(e.M_Fn_File()), "Common_Graphic_OpenGL_Select.cpp");
    }
    EXPECT_TRUE(C_Select::S_Fn_If_Started());
    EXPECT_EQ(C_Select::S_Fn_Get_Usage(), 16u);
    EXPECT_EQ(C_Select::S_Fn_Get_Record_Size(), 16u);
    C_Select::M_Fn_Finish(none);
    EXPECT_FALSE(C_Select::S_Fn_If_Started());
    EXPECT_EQ(C_Select::S_Fn_Get_Record_Size(), 12u);
    glGetIntegerv(GL_RENDER_MODE, &mode);
    EXPECT_EQ(mode, GL_RENDER);
}

TEST(C_Select, CapacityCheckFlushesOnlyPastTheLimit)
{
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
    C_Close_Pass close;
    G_Fn_Pick_Projection(16.5, 32.5);
    C_Hits hits;
    const auto callback = hits.M_Fn_Callback();

    C_Select::M_Fn_Start();
    // One hit pending in this pass.
    glLoadName(5);
    G_Fn_Quad(4, 28);
    // 65,536 records of 16 bytes fill the estimate exactly: 65,536 x 16 = 1,048,576.
    for (int i = 0; i < 65536; ++i)
        C_Select::M_Fn_Check_Capacity(callback);
    EXPECT_EQ(C_Select::S_Fn_Get_Usage(), 1048576u);
    EXPECT_TRUE(hits.m_Hits.empty());

    // The next one would overflow: the pass is finished, its hit delivered, and a new pass opened.
    C_Select::M_Fn_Check_Capacity(callback);
    ASSERT_EQ(hits.m_Hits.size(), 1u);
    EXPECT_EQ(hits.m_Hits[0].m_Names, std::vector<GLuint>{5});
    EXPECT_TRUE(C_Select::S_Fn_If_Started());
    EXPECT_EQ(C_Select::S_Fn_Get_Usage(), 0u);
    EXPECT_EQ(C_Select::S_Fn_Get_Record_Size(), 16u);

    // The new pass picks on as before.
    glLoadName(7);
    G_Fn_Quad(4, 28);
    C_Select::M_Fn_Finish(callback);
    ASSERT_EQ(hits.m_Hits.size(), 2u);
    EXPECT_EQ(hits.m_Hits[1].m_Names, std::vector<GLuint>{7});
}

TEST(C_Select, ThrowingCallbackLeavesSelectionClosed)
{
    ASSERT_TRUE(N_Test::G_Fn_GL_Offscreen());
    C_Close_Pass close;
    G_Fn_Pick_Projection(16.5, 32.5);
    C_Select::M_Fn_Start();
    G_Fn_Draw_Two_Quads();
    // An empty callback with a hit present fails as std::function reports it ...
    EXPECT_THROW(C_Select::M_Fn_Finish(C_Select::C_Fn_Hit()), std::bad_function_call);
    // ... and the selection is closed and usable again.
    EXPECT_FALSE(C_Select::S_Fn_If_Started());
    GLint mode = 0;
    glGetIntegerv(GL_RENDER_MODE, &mode);
    EXPECT_EQ(mode, GL_RENDER);
    auto again = G_Fn_Pick(16.5, 32.5);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].m_Names, std::vector<GLuint>{1});
}
