#include "biz/input/Biz_Input.h"

#include <gtest/gtest.h>

#include <memory>

using namespace N_Biz::N_Input;

TEST(C_Input, NewRecordIsAllZero)
{
    auto sp = std::make_shared<C_Input>();
    EXPECT_EQ(sp->m_Kind, 0);
    EXPECT_EQ(sp->m_Key_Kind, 0);
    EXPECT_EQ(sp->m_Key_Code, 0);
    EXPECT_EQ(sp->m_Key_Count, 0);
    EXPECT_EQ(sp->m_X, 0);
    EXPECT_EQ(sp->m_Y, 0);
    EXPECT_EQ(sp->m_Wheel_Angle, 0.0f);
    EXPECT_EQ(sp->m_Flags, 0u);
}

TEST(C_Input, NamedKeysSetTheirKindWithoutCode)
{
    const struct {
        int vk;
        int kind;
    } cases[] = {{27, 1}, {13, 2}, {16, 3}, {17, 4}, {18, 5}};
    for (const auto& c : cases) {
        C_Input in;
        in.m_Kind = E_Kind_Key_Down;
        in.M_Fn_Set_Key(c.vk, 3);
        EXPECT_EQ(in.m_Key_Kind, c.kind) << c.vk;
        EXPECT_EQ(in.m_Key_Code, 0) << c.vk;
        EXPECT_EQ(in.m_Key_Count, 3) << c.vk;
    }
}

TEST(C_Input, OtherKeysKeepTheirCode)
{
    C_Input in;
    in.M_Fn_Set_Key(65, 1); // the letter A
    EXPECT_EQ(in.m_Key_Kind, 0);
    EXPECT_EQ(in.m_Key_Code, 65);
    EXPECT_EQ(in.m_Key_Count, 1);
    C_Input del;
    del.M_Fn_Set_Key(46, 2);
    EXPECT_EQ(del.m_Key_Kind, E_Key_Other);
    EXPECT_EQ(del.m_Key_Code, 46);
    EXPECT_EQ(del.m_Key_Count, 2);
}

TEST(C_Input, FlagsMapWindowCodesToOurBits)
{
    const struct {
        unsigned window;
        unsigned ours;
    } cases[] = {{0x10, 0x01}, {0x01, 0x02}, {0x02, 0x04}, {0x04, 0x08}, {0x08, 0x10}, {0x1F, 0x1F}, {0x00, 0x00}};
    for (const auto& c : cases) {
        C_Input in;
        in.M_Fn_Set_Flags(c.window, false);
        EXPECT_EQ(in.m_Flags, c.ours) << c.window;
        in.M_Fn_Set_Flags(c.window, true);
        EXPECT_EQ(in.m_Flags, c.ours | 0x20u) << c.window;
    }
}

TEST(C_Input, FlagsKeepHigherBitsAndReplaceOurs)
{
    C_Input in;
    in.m_Flags = 0xFFFFFFFFu;
    in.M_Fn_Set_Flags(0x01, false); // only the left button
    EXPECT_EQ(in.m_Flags, 0xFFFFFFC0u | 0x02u);
    in.m_Flags = 0x40u;
    in.M_Fn_Set_Flags(0x0C | 0x20 | 0x100, true); // Shift, Ctrl and window bits we do not read
    EXPECT_EQ(in.m_Flags, 0x40u | 0x08u | 0x10u | 0x20u);
}

TEST(C_Input, WheelNotchIsFifteenDegrees)
{
    EXPECT_NEAR(C_Input::S_Fn_Wheel_Angle(-120), -0.2618f, 1e-4f);
    EXPECT_NEAR(C_Input::S_Fn_Wheel_Angle(120), 0.2618f, 1e-4f);
    EXPECT_FLOAT_EQ(C_Input::S_Fn_Wheel_Angle(240), 30.0f * 0.0174533f);
    EXPECT_EQ(C_Input::S_Fn_Wheel_Angle(0), 0.0f);
}

TEST(C_Input, YCountsUpFromTheBottomEdge)
{
    EXPECT_EQ(C_Input::S_Fn_Y_From_Window(600, 0), 600);   // top-left pixel
    EXPECT_EQ(C_Input::S_Fn_Y_From_Window(600, 599), 1);   // bottom row
    EXPECT_EQ(C_Input::S_Fn_Y_From_Window(600, 250), 350);
}
