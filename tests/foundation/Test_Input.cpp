#include "biz/input/Biz_Input.h"

#include <gtest/gtest.h>

using namespace N_Biz::N_Input;

TEST(C_Input, NamedKeysSetTheirKindWithoutCodeAndOtherKeysKeepTheirCode)
{
    // Window key code, key kind, key code kept.
    const int cases[][3] = {{27, 1, 0}, {13, 2, 0}, {16, 3, 0}, {17, 4, 0},
                            {18, 5, 0}, {65, 0, 65}, {46, E_Key_Other, 46}};
    for (const auto& c : cases) {
        C_Input in;
        in.m_Kind = E_Kind_Key_Down;
        in.M_Fn_Set_Key(c[0], 3);
        EXPECT_EQ(in.m_Key_Kind, c[1]) << c[0];
        EXPECT_EQ(in.m_Key_Code, c[2]) << c[0];
        EXPECT_EQ(in.m_Key_Count, 3) << c[0];
    }
}

TEST(C_Input, FlagsMapWindowCodesToOurBitsAndKeepHigherBits)
{
    const unsigned cases[][2] = {{0x10, 0x01}, {0x01, 0x02}, {0x02, 0x04}, {0x04, 0x08},
                                 {0x08, 0x10}, {0x1F, 0x1F}, {0x00, 0x00}};
    for (const auto& c : cases) {
        C_Input in;
        in.M_Fn_Set_Flags(c[0], false);
        EXPECT_EQ(in.m_Flags, c[1]) << c[0];
        in.M_Fn_Set_Flags(c[0], true); // Alt
        EXPECT_EQ(in.m_Flags, c[1] | 0x20u) << c[0];
    }
    C_Input in;
    in.m_Flags = 0xFFFFFFFFu;
    in.M_Fn_Set_Flags(0x01, false); // only the left button
    EXPECT_EQ(in.m_Flags, 0xFFFFFFC0u | 0x02u);
    in.m_Flags = 0x40u;
    in.M_Fn_Set_Flags(0x0C | 0x20 | 0x100, true); // Shift, Ctrl and window bits we do not read
    EXPECT_EQ(in.m_Flags, 0x40u | 0x08u | 0x10u | 0x20u);
}

TEST(C_Input, WheelNotchIsFifteenDegreesAndYCountsUpFromTheBottomEdge)
{
    EXPECT_NEAR(C_Input::S_Fn_Wheel_Angle(-120), -0.2618f, 1e-4f);
    EXPECT_NEAR(C_Input::S_Fn_Wheel_Angle(120), 0.2618f, 1e-4f);
    EXPECT_FLOAT_EQ(C_Input::S_Fn_Wheel_Angle(240), 30.0f * 0.0174533f);
    EXPECT_EQ(C_Input::S_Fn_Wheel_Angle(0), 0.0f);
    EXPECT_EQ(C_Input::S_Fn_Y_From_Window(600, 0), 600); // top-left pixel
    EXPECT_EQ(C_Input::S_Fn_Y_From_Window(600, 599), 1); // bottom row
    EXPECT_EQ(C_Input::S_Fn_Y_From_Window(600, 250), 350);
}

// A press or release away from where the cursor was last seen implies the move that brought it
// there, with the buttons as they stood before: up before its press, held before its release.
TEST(C_Input, AButtonRecordAwayFromTheCursorImpliesAMoveWithTheButtonsBeforeIt)
{
    struct C_Case {
        std::int32_t m_Kind;
        std::uint32_t m_Flags;
        std::uint32_t m_Flags_Move;
    };
    const C_Case cases[] = {
        {E_Kind_Left_Down, E_Flag_Left | E_Flag_Shift, E_Flag_Shift},
        {E_Kind_Left_Up, E_Flag_Ctrl, E_Flag_Ctrl | E_Flag_Left},
        {E_Kind_Right_Down, E_Flag_Right | E_Flag_Middle, E_Flag_Middle},
        {E_Kind_Right_Up, E_Flag_Alt, E_Flag_Alt | E_Flag_Right},
        {E_Kind_Middle_Down, E_Flag_Middle | 0x40u, 0x40u},
        {E_Kind_Middle_Up, 0, E_Flag_Middle},
    };
    for (const C_Case& c : cases) {
        C_Input in;
        in.m_Kind = c.m_Kind;
        in.m_X = 120;
        in.m_Y = 45;
        in.m_Flags = c.m_Flags;
        const std::shared_ptr<C_Input> sp = C_Input::S_Fn_Move_Implied(in, 100, 45);
        ASSERT_TRUE(sp) << c.m_Kind;
        EXPECT_EQ(sp->m_Kind, E_Kind_Move) << c.m_Kind;
        EXPECT_EQ(sp->m_X, 120) << c.m_Kind;
        EXPECT_EQ(sp->m_Y, 45) << c.m_Kind;
        EXPECT_EQ(sp->m_Flags, c.m_Flags_Move) << c.m_Kind;
        // Where the cursor already is, nothing is implied.
        EXPECT_FALSE(C_Input::S_Fn_Move_Implied(in, 120, 45)) << c.m_Kind;
    }
    // Moves, the wheel, keys and the cursor entering or leaving carry no button position.
    for (std::int32_t kind : {E_Kind_None, E_Kind_Key_Down, E_Kind_Key_Up, E_Kind_Wheel, E_Kind_Move, E_Kind_Enter,
                              E_Kind_Leave}) {
        C_Input in;
        in.m_Kind = kind;
        in.m_X = 7;
        EXPECT_FALSE(C_Input::S_Fn_Move_Implied(in, 0, 0)) << kind;
    }
}
