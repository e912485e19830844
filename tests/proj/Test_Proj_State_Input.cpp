// The input region of the project machine: the view gestures driven by input records, each step
// with the state it leads to and what it does to the camera, drag selection, and the picks on the
// left-button release.
#include "tests/proj/Test_Proj_Support_State.h"

#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"

#include <string>
#include <vector>

namespace N_Test_Proj {
namespace {

using namespace N_Biz::N_Proj::N_State;
using namespace N_Biz::N_Input;

constexpr std::uint32_t L = E_Flag_Left, R = E_Flag_Right, M = E_Flag_Middle, S = E_Flag_Shift, C = E_Flag_Ctrl,
                        A = E_Flag_Alt;

class C_State_Input_Test : public C_Proj_State_Test {
protected:
    // What a step did to the camera.
    enum E_Effect { K_None, K_Rotate, K_Scale, K_Translate };
    struct C_Step {
        std::int32_t m_Kind;
        std::uint32_t m_Flags;
        std::uint32_t m_State;
        E_Effect m_Effect;
    };
    // The camera before a step, to tell which gesture step it made.
    struct C_Camera {
        N_Biz::N_Proj::C_Mgr_Frame::C_Matrix4f m_R, m_W;
        float m_Zoom;
    };
    C_Camera M_Fn_Camera() { return {frame().M_Fn_Get_R(), frame().M_Fn_Get_W(), frame().M_Fn_Get_Zoom()}; }
    static bool S_Fn_Same(const N_Biz::N_Proj::C_Mgr_Frame::C_Matrix4f& a, const N_Biz::N_Proj::C_Mgr_Frame::C_Matrix4f& b)
    {
        for (int i = 0; i < 16; ++i)
            if (a.m_Data[i] != b.m_Data[i])
                return false;
        return true;
    }
    E_Effect M_Fn_Effect(const C_Camera& ro_Before)
    {
        const C_Camera now = M_Fn_Camera();
        if (!S_Fn_Same(now.m_R, ro_Before.m_R))
            return K_Rotate;
        if (now.m_Zoom != ro_Before.m_Zoom)
            return K_Scale;
        if (!S_Fn_Same(now.m_W, ro_Before.m_W))
            return K_Translate;
        return K_None;
    }
    // Runs the steps from the idle input state; each moves the cursor on by (7, 5) first.
    void M_Fn_Gesture(const std::vector<C_Step>& ro_Steps)
    {
        ASSERT_EQ(input_state(), 3u);
        int& x = m_X;
        int& y = m_Y;
        for (std::size_t i = 0; i < ro_Steps.size(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i + 1));
            const C_Step& s = ro_Steps[i];
            x += 7;
            y += 5;
            const C_Camera before = M_Fn_Camera();
            in(s.m_Kind, x, y, s.m_Flags);
            EXPECT_EQ(input_state(), s.m_State);
            // Only a move's step is checked here; a press or release makes the step of the move it
            // implies first.
            if (s.m_Kind == E_Kind_Move) {
                EXPECT_EQ(M_Fn_Effect(before), s.m_Effect);
            }
        }
    }
    // The cursor, moving on from gesture to gesture.
    int m_X = 100, m_Y = 80;
    void SetUp() override
    {
        frame().M_Fn_View_Main_On_Size(400, 300);
        frame().M_Fn_View_Main_Preset_XY();
    }
};

TEST_F(C_State_Input_Test, GestureChains)
{
    struct C_Chain {
        const char* m_Name;
        std::vector<C_Step> m_Steps;
    };
    const std::vector<C_Chain> chains = {
        {"Ctrl + left drag rotates; the left release ends it",
         {{E_Kind_Left_Down, L | C, 3, K_None},
          {E_Kind_Move, L | C, 5, K_Rotate},
          {E_Kind_Move, L | C, 5, K_Rotate},
          {E_Kind_Left_Up, C, 3, K_None}}},
        {"Alt + right translates, left down rotates, left up scales, right up ends",
         {{E_Kind_Right_Down, R | A, 6, K_None},
          {E_Kind_Move, R | A, 6, K_Translate},
          {E_Kind_Left_Down, R | L | A, 5, K_None},
          {E_Kind_Move, R | L | A, 5, K_Rotate},
          {E_Kind_Left_Up, R | A, 4, K_None},
          {E_Kind_Move, R | A, 4, K_Scale},
          {E_Kind_Right_Up, A, 3, K_None}}},
        {"Ctrl + right translates until the right release",
         {{E_Kind_Right_Down, R | C, 6, K_None},
          {E_Kind_Move, R | C, 6, K_Translate},
          {E_Kind_Left_Down, R | L | C, 6, K_None},
          {E_Kind_Middle_Up, R | L | C, 6, K_None},
          {E_Kind_Right_Up, L | C, 3, K_None}}},
        {"Ctrl + middle scales; a left press does not rotate",
         {{E_Kind_Middle_Down, M | C, 4, K_None},
          {E_Kind_Move, M | C, 4, K_Scale},
          {E_Kind_Left_Down, M | L | C, 4, K_None},
          {E_Kind_Move, M | L | C, 4, K_Scale},
          {E_Kind_Middle_Up, L | C, 3, K_None}}},
        {"middle alone translates; left or right rotates until both are up, then scale",
         {{E_Kind_Middle_Down, M, 6, K_None},
          {E_Kind_Move, M, 6, K_Translate},
          {E_Kind_Right_Down, M | R, 5, K_None},
          {E_Kind_Move, M | R, 5, K_Rotate},
          {E_Kind_Left_Down, M | R | L, 5, K_None},
          {E_Kind_Right_Up, M | L, 5, K_None},
          {E_Kind_Left_Up, M, 4, K_None},
          {E_Kind_Move, M, 4, K_Scale},
          {E_Kind_Middle_Up, 0, 3, K_None}}},
        {"the mouse leaving the view ends a rotation", {{E_Kind_Move, L | C, 5, K_Rotate}, {E_Kind_Leave, L | C, 3, K_None}}},
        {"... a scale", {{E_Kind_Middle_Down, M | C, 4, K_None}, {E_Kind_Leave, M | C, 3, K_None}}},
        {"... a translation", {{E_Kind_Right_Down, R | A, 6, K_None}, {E_Kind_Leave, R | A, 3, K_None}}},
        {"keys, wheel without keys and entering pass in idle",
         {{E_Kind_Key_Down, 0, 3, K_None}, {E_Kind_Key_Up, 0, 3, K_None}, {E_Kind_Wheel, 0, 3, K_None},
          {E_Kind_Enter, 0, 3, K_None}}},
    };
    for (const C_Chain& chain : chains) {
        SCOPED_TRACE(chain.m_Name);
        M_Fn_Gesture(chain.m_Steps);
    }
}

// A left drag selects with a rectangle only where several objects may be selected; the mouse
// leaving the view ends it without touching the selection, and a mode change ends it as well.
TEST_F(C_State_Input_Test, DragSelection)
{
    C_Sect* p = M_Fn_Sect_Any();
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S();
    M_Fn_Select({p});
    m_Codes.clear();
    M_Fn_Gesture({{E_Kind_Left_Down, L, 3, K_None}, {E_Kind_Move, L, 7, K_None}, {E_Kind_Move, L | S, 7, K_None}});
    EXPECT_TRUE(frame().m_Flags & N_Biz::N_Proj::C_Mgr_Frame::E_Flag_Pick_Drag);
    in(E_Kind_Leave, 0, 0, L);
    EXPECT_EQ(input_state(), 3u);
    EXPECT_EQ(mgr().M_Fn_Sel_P1_Get(), (std::list<C_Sect*>{p}));
    EXPECT_EQ(count(6), 0);
    EXPECT_FALSE(frame().m_Flags & N_Biz::N_Proj::C_Mgr_Frame::E_Flag_Pick_Drag);

    in(E_Kind_Move, 50, 50, L);
    ASSERT_EQ(input_state(), 7u);
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M();
    EXPECT_EQ(input_state(), 3u);

    // Nodes take single picks: the drag only moves the hover pick.
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_N();
    M_Fn_Gesture({{E_Kind_Left_Down, L, 3, K_None}, {E_Kind_Move, L, 3, K_None}});
    EXPECT_TRUE(frame().m_Flags & N_Biz::N_Proj::C_Mgr_Frame::E_Flag_Pick_Cover);
    EXPECT_FALSE(frame().m_Flags & N_Biz::N_Proj::C_Mgr_Frame::E_Flag_Pick_Drag);
}

// A left release in idle runs the pending hover pick and updates the selection set by the
// release's Shift and Ctrl, followed by one selection update: here screen positions while a
// group creation collects them (each pick adds).
TEST_F(C_State_Input_Test, LeftReleasePicksAndUpdatesTheSelectionOnce)
{
    m_Proj.M_Fn_Event_Post_D_Sect_Group_Create();
    auto& nodes = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
    int updates = 0;
    machine()->M_Fn_Init_Register_Transition<C_Event_Sel_P1_Update>(
        C_Machine_Top::E_Id_Input_Idle, C_Machine_Top::E_Id_Input_Idle, 1, {},
        [&](const C_Event_Sel_P1_Update&) { ++updates; });
    for (int i = 1; i <= 2; ++i) {
        in(E_Kind_Move, 200 + 10 * i, 150);
        in(E_Kind_Left_Down, 200 + 10 * i, 150, L);
        in(E_Kind_Left_Up, 200 + 10 * i, 150, 0);
        EXPECT_EQ(updates, i);
        EXPECT_EQ(nodes.M_Fn_Sel_P1_Get().size(), std::size_t(i));
    }
    // Ten pixels apart on the screen at zoom 1: ten units apart in the view's xy plane.
    const auto& p1 = nodes.M_Fn_Sel_P1_Get();
    const C_Vector3f a = p1.front().m_Position, b = p1.back().m_Position;
    EXPECT_NEAR(b.x - a.x, 10.0f, 1e-4f);
    EXPECT_NEAR(b.y - a.y, 0.0f, 1e-4f);
    EXPECT_EQ(task(), 20u);
}

// The toolkit may report a press or release where no move brought the cursor (a slow program
// loses moves that GTK sends as motion hints): the button still acts at its own position. At
// zoom 1 in the XY view a pixel is one unit, the view's centre (200, 150) the origin.
TEST_F(C_State_Input_Test, APressOrReleaseWithoutAMoveActsAtItsOwnPosition)
{
    m_Proj.M_Fn_Event_Post_D_Sect_Group_Create();
    auto& nodes = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
    in(E_Kind_Move, 210, 150);
    in(E_Kind_Left_Down, 260, 170, L);
    in(E_Kind_Left_Up, 260, 170, 0);
    ASSERT_EQ(nodes.M_Fn_Sel_P1_Get().size(), 1u);
    const C_Vector3f a = nodes.M_Fn_Sel_P1_Get().front().m_Position;
    EXPECT_NEAR(a.x, 60.0f, 1e-4f);
    EXPECT_NEAR(a.y, 20.0f, 1e-4f);
    EXPECT_NEAR(a.z, 0.0f, 1e-4f);
    esc();

    // A middle drag whose release comes 20 and 15 pixels on from the last move: the image
    // follows the cursor all the way, 30 and 15 pixels from the press.
    in(E_Kind_Middle_Down, 100, 80, M);
    in(E_Kind_Move, 110, 80, M);
    in(E_Kind_Middle_Up, 130, 95, 0);
    EXPECT_EQ(input_state(), 3u);
    EXPECT_NEAR(frame().M_Fn_Get_W().m_Data[12], 30.0f, 1e-4f);
    EXPECT_NEAR(frame().M_Fn_Get_W().m_Data[13], 15.0f, 1e-4f);
}

} // namespace
} // namespace N_Test_Proj
