#include "common/Common_Graphic_OpenGL_Error.h"
#include "tests/foundation/Test_GL_Offscreen.h"
#include "tests/support/App_Port_Record.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <string>

using namespace N_Common::N_Graphic::N_OpenGL;

#if defined(__SANITIZE_ADDRESS__)
// Mesa's off-screen driver keeps a few small records of its own to the end of the process without
// a pointer that the leak checker can see; they are the driver's, not ours.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libOSMesa.so\n";
}
#endif

namespace {

// The program's one off-screen rendering context (Test_GL_Offscreen.h), made current.
bool G_Fn_Offscreen_GL() { return N_Test::G_Fn_GL_Offscreen(); }

std::string G_Fn_Glu_Text(GLenum i_Code)
{
    return reinterpret_cast<const char*>(gluErrorString(i_Code));
}

} // namespace

TEST(G_Fn_Check_Error, NoPendingErrorWritesNothing)
{
    ASSERT_TRUE(G_Fn_Offscreen_GL());
    C_Test_App t;
    const auto before = t.log_lines().size();
    G_Fn_Check_Error();
    EXPECT_EQ(t.log_lines().size(), before);
}

TEST(G_Fn_Check_Error, ProvokedErrorWritesExactlyOneLine)
{
    ASSERT_TRUE(G_Fn_Offscreen_GL());
    C_Test_App t;
    const auto before = t.log_lines().size();
    glEnable(0x7FFF); // not a capability: GL_INVALID_ENUM
    G_Fn_Check_Error();
    auto lines = t.log_lines();
    ASSERT_EQ(lines.size(), before + 1);
    EXPECT_EQ(lines.back(), "Log: GL Error: " + G_Fn_Glu_Text(GL_INVALID_ENUM));
    // The error was read: the next check writes nothing.
    G_Fn_Check_Error();
    EXPECT_EQ(t.log_lines().size(), before + 1);
}

TEST(G_Fn_Check_Error, WithoutApplicationNothingHappens)
{
    ASSERT_TRUE(G_Fn_Offscreen_GL());
    glEnable(0x7FFF);
    EXPECT_NO_THROW(G_Fn_Check_Error());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); // consumed all the same
}

TEST(G_Fn_Log_NURBS_Error, NonZeroCodeWritesOneLineZeroWritesNothing)
{
    C_Test_App t;
    const auto before = t.log_lines().size();
    G_Fn_Log_NURBS_Error(0);
    EXPECT_EQ(t.log_lines().size(), before);
    G_Fn_Log_NURBS_Error(GLU_NURBS_ERROR1);
    auto lines = t.log_lines();
    ASSERT_EQ(lines.size(), before + 1);
    EXPECT_EQ(lines.back(), "Log: GLu NURBS Error: " + G_Fn_Glu_Text(GLU_NURBS_ERROR1));
    EXPECT_GT(lines.back().size(), std::string("Log: GLu NURBS Error: ").size());
}

TEST(G_Fn_Log_NURBS_Error, UnknownCodeLogsItsNumber)
{
    C_Test_App t;
    G_Fn_Log_NURBS_Error(0x12345);
    EXPECT_EQ(t.log_lines().back(), "Log: GLu NURBS Error: " + std::to_string(0x12345));
}
