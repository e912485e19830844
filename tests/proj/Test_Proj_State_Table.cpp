// The project machine's transitions, walked one by one in registration order: for each, the
// region is brought into the source state, the guard made to accept (and, where it can, to refuse),
// the event posted, and the state reached and the region's change code compared with the table.
#include "tests/proj/Test_Proj_Support_State.h"

#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"

#include <utility>

namespace N_Test_Proj {
namespace {

using namespace N_Biz::N_Proj::N_State;

// Leads from the idle state of a region straight into state N, and from any state back to its
// region's idle state (for the states that no command reaches directly).
template <std::uint32_t N>
struct C_Event_Probe {};
struct C_Event_Back {};

// The events of the machine.
enum E_Ev {
    Err, In, Mode, P1, Cancel, Apply,
    C_M_Modify, C_P_Modify, C_P_Reconnect_C_S, C_P_Reconnect_C_M, C_P_Palette, N_Center, N_Modify, E_Modify,
    E_Reconnect_C_P, E_Palette, S_Create, S_Redirect, S_Insert, S_Move, S_Delete, S_Cut, S_Copy, S_Paste,
};
// The guards: none, always refuses, always accepts, the task families and the input guards.
enum E_Guard {
    None, Never, Always, Start, Done, Phase, Refuse,
    I_Drag, I_Translate, I_Rotate, I_Scale, I_Idle, I_Rotate_Begin, I_Scale_Idle, I_Rotate_Scale, I_Rotate_Idle,
    I_Translate_Idle, I_Drag_Idle,
};
enum E_Act { No, Act_Cancel, Act_Apply };
constexpr bool Ext = false, Int = true;

struct C_Row {
    int m_N;
    std::uint32_t m_Region, m_From;
    E_Ev m_Event;
    E_Guard m_Guard;
    E_Act m_Action;
    std::uint32_t m_To;
    bool m_Internal;
    // The state after the guard refused (0: it cannot refuse here).
    std::uint32_t m_Else;
};

// clang-format off
const C_Row G_Rows[] = {
    {1, 0, 1, Err, None, No, 2, Ext, 0},
    {2, 1, 3, In, Never, No, 8, Ext, 3},
    {3, 1, 3, In, I_Drag, No, 7, Ext, 3},
    {4, 1, 3, In, I_Translate, No, 6, Ext, 3},
    {5, 1, 3, In, I_Rotate, No, 5, Ext, 3},
    {6, 1, 3, In, I_Scale, No, 4, Ext, 3},
    {7, 1, 3, In, I_Idle, No, 3, Int, 0},
    {8, 1, 3, Mode, None, No, 3, Int, 0},
    {9, 1, 4, In, I_Rotate_Begin, No, 5, Ext, 4},
    {10, 1, 4, In, I_Scale_Idle, No, 3, Ext, 4},
    {11, 1, 4, Mode, None, No, 4, Int, 0},
    {12, 1, 5, In, I_Rotate_Scale, No, 4, Ext, 5},
    {13, 1, 5, In, I_Rotate_Idle, No, 3, Ext, 5},
    {14, 1, 5, Mode, None, No, 5, Int, 0},
    {15, 1, 6, In, I_Rotate_Begin, No, 5, Ext, 6},
    {16, 1, 6, In, I_Translate_Idle, No, 3, Ext, 6},
    {17, 1, 6, Mode, None, No, 6, Int, 0},
    {18, 1, 7, In, I_Drag_Idle, No, 3, Ext, 7},
    {19, 1, 7, Mode, None, No, 3, Ext, 0},
    {20, 1, 8, In, Never, No, 3, Ext, 8},
    {21, 1, 8, Mode, None, No, 8, Int, 0},
    {22, 2, 9, P1, None, No, 9, Int, 0},
    {23, 2, 9, Cancel, None, No, 9, Int, 0},
    {24, 2, 9, Apply, None, No, 9, Int, 0},
    {25, 2, 9, C_M_Modify, Start, No, 10, Ext, 9},
    {26, 2, 9, C_P_Modify, Start, No, 11, Ext, 9},
    {27, 2, 9, C_P_Reconnect_C_S, Start, No, 12, Ext, 9},
    {28, 2, 9, C_P_Reconnect_C_M, Start, No, 13, Ext, 9},
    {29, 2, 9, C_P_Palette, Start, No, 14, Ext, 9},
    {30, 2, 9, N_Center, Start, No, 15, Ext, 9},
    {31, 2, 9, N_Modify, Start, No, 16, Ext, 9},
    {32, 2, 9, E_Modify, Start, No, 17, Ext, 9},
    {33, 2, 9, E_Reconnect_C_P, Start, No, 18, Ext, 9},
    {34, 2, 9, E_Palette, Start, No, 19, Ext, 9},
    {35, 2, 9, S_Create, Always, No, 20, Ext, 0},
    {36, 2, 9, S_Redirect, Phase, No, 22, Ext, 21},
    {37, 2, 9, S_Redirect, Always, No, 21, Ext, 0},
    {38, 2, 9, S_Insert, Phase, No, 24, Ext, 23},
    {39, 2, 9, S_Insert, Always, No, 23, Ext, 0},
    {40, 2, 9, S_Move, Phase, No, 26, Ext, 25},
    {41, 2, 9, S_Move, Always, No, 25, Ext, 0},
    {42, 2, 9, S_Delete, Start, No, 27, Ext, 9},
    {43, 2, 9, S_Cut, Refuse, No, 28, Ext, 9},
    {44, 2, 9, S_Copy, Refuse, No, 29, Ext, 9},
    {45, 2, 9, S_Paste, Refuse, No, 30, Ext, 9},
    {46, 2, 10, P1, Done, No, 9, Ext, 10},
    {47, 2, 10, Cancel, None, Act_Cancel, 9, Ext, 0},
    {48, 2, 10, Apply, None, No, 10, Int, 0},
    {49, 2, 11, P1, Done, No, 9, Ext, 11},
    {50, 2, 11, Cancel, None, Act_Cancel, 9, Ext, 0},
    {51, 2, 11, Apply, None, No, 11, Int, 0},
    {52, 2, 12, P1, Done, No, 9, Ext, 12},
    {53, 2, 12, Cancel, None, Act_Cancel, 9, Ext, 0},
    {54, 2, 12, Apply, None, No, 12, Int, 0},
    {55, 2, 13, P1, Done, No, 9, Ext, 13},
    {56, 2, 13, Cancel, None, Act_Cancel, 9, Ext, 0},
    {57, 2, 13, Apply, None, No, 13, Int, 0},
    {58, 2, 14, P1, Done, No, 9, Ext, 14},
    {59, 2, 14, Cancel, None, Act_Cancel, 9, Ext, 0},
    {60, 2, 14, Apply, None, No, 14, Int, 0},
    {61, 2, 15, P1, Done, No, 9, Ext, 15},
    {62, 2, 15, Cancel, None, Act_Cancel, 9, Ext, 0},
    {63, 2, 15, Apply, None, No, 15, Int, 0},
    {64, 2, 16, P1, Done, No, 9, Ext, 16},
    {65, 2, 16, Cancel, None, Act_Cancel, 9, Ext, 0},
    {66, 2, 16, Apply, None, No, 16, Int, 0},
    {67, 2, 17, P1, Done, No, 9, Ext, 17},
    {68, 2, 17, Cancel, None, Act_Cancel, 9, Ext, 0},
    {69, 2, 17, Apply, None, No, 17, Int, 0},
    {70, 2, 18, P1, Done, No, 9, Ext, 18},
    {71, 2, 18, Cancel, None, Act_Cancel, 9, Ext, 0},
    {72, 2, 18, Apply, None, No, 18, Int, 0},
    {73, 2, 19, P1, Done, No, 9, Ext, 19},
    {74, 2, 19, Cancel, None, Act_Cancel, 9, Ext, 0},
    {75, 2, 19, Apply, None, No, 19, Int, 0},
    {76, 2, 20, P1, None, No, 20, Int, 0},
    {77, 2, 20, Cancel, None, Act_Cancel, 9, Ext, 0},
    {78, 2, 20, Apply, None, Act_Apply, 9, Ext, 0},
    {79, 2, 21, P1, Phase, No, 22, Ext, 21},
    {80, 2, 21, Cancel, None, Act_Cancel, 9, Ext, 0},
    {81, 2, 21, Apply, None, No, 21, Int, 0},
    {82, 2, 22, P1, None, No, 22, Ext, 0},
    {83, 2, 22, Cancel, None, Act_Cancel, 9, Ext, 0},
    {84, 2, 22, Apply, None, Act_Apply, 9, Ext, 0},
    {85, 2, 23, P1, Phase, No, 24, Ext, 23},
    {86, 2, 23, Cancel, None, Act_Cancel, 9, Ext, 0},
    {87, 2, 23, Apply, None, No, 23, Int, 0},
    {88, 2, 24, P1, Done, No, 9, Ext, 0},
    {89, 2, 24, Cancel, None, Act_Cancel, 9, Ext, 0},
    {90, 2, 24, Apply, None, No, 24, Int, 0},
    {91, 2, 25, P1, Phase, No, 26, Ext, 25},
    {92, 2, 25, Cancel, None, Act_Cancel, 9, Ext, 0},
    {93, 2, 25, Apply, None, No, 25, Int, 0},
    {94, 2, 26, P1, Done, No, 9, Ext, 0},
    {95, 2, 26, Cancel, None, Act_Cancel, 9, Ext, 0},
    {96, 2, 26, Apply, None, No, 26, Int, 0},
    {97, 2, 27, P1, Done, No, 9, Ext, 27},
    {98, 2, 27, Cancel, None, Act_Cancel, 9, Ext, 0},
    {99, 2, 27, Apply, None, No, 27, Int, 0},
    {100, 2, 28, P1, Done, No, 9, Ext, 0},
    {101, 2, 28, Cancel, None, Act_Cancel, 9, Ext, 0},
    {102, 2, 28, Apply, None, No, 28, Int, 0},
    {103, 2, 29, P1, Done, No, 9, Ext, 0},
    {104, 2, 29, Cancel, None, Act_Cancel, 9, Ext, 0},
    {105, 2, 29, Apply, None, No, 29, Int, 0},
    {106, 2, 30, P1, Done, No, 9, Ext, 0},
    {107, 2, 30, Cancel, None, Act_Cancel, 9, Ext, 0},
    {108, 2, 30, Apply, None, No, 30, Int, 0},
};
// clang-format on

// The select & edit mode that each task returns to: materials, properties, nodes, elements,
// sections.
std::uint32_t G_Fn_Restores(std::uint32_t i_Task)
{
    if (i_Task == 10)
        return 1;
    if (i_Task <= 14)
        return 2;
    if (i_Task <= 16)
        return 5;
    if (i_Task <= 19)
        return 6;
    return 8;
}

// One input of a gesture row: the gesture mode it meets (0: left as it is), kind and flags.
struct C_Input_Case {
    std::uint32_t m_Gesture;
    std::int32_t m_Kind;
    std::uint32_t m_Flags;
};

constexpr std::uint32_t L = N_In::E_Flag_Left, R = N_In::E_Flag_Right, M = N_In::E_Flag_Middle, C = N_In::E_Flag_Ctrl,
                        A = N_In::E_Flag_Alt;

// The input that makes the guard of row ro_Row accept (i_Accept) or refuse.
C_Input_Case G_Fn_Input_Case(const C_Row& ro_Row, bool i_Accept)
{
    using namespace N_In;
    switch (ro_Row.m_Guard) {
    case Never: return ro_Row.m_From == 3 ? C_Input_Case{0, E_Kind_Key_Down, 0} : C_Input_Case{0, E_Kind_Left_Up, 0};
    case I_Drag: return i_Accept ? C_Input_Case{0, E_Kind_Move, L} : C_Input_Case{0, E_Kind_Move, 0};
    case I_Translate: return i_Accept ? C_Input_Case{0, E_Kind_Right_Down, R | C} : C_Input_Case{0, E_Kind_Left_Down, L};
    case I_Rotate: return i_Accept ? C_Input_Case{0, E_Kind_Move, L | C} : C_Input_Case{0, E_Kind_Move, C};
    case I_Scale: return i_Accept ? C_Input_Case{0, E_Kind_Middle_Down, M | C} : C_Input_Case{0, E_Kind_Key_Down, 0};
    case I_Idle: return {0, E_Kind_Move, 0};
    case I_Rotate_Begin:
        if (ro_Row.m_From == 4)
            return i_Accept ? C_Input_Case{2, E_Kind_Left_Down, L | R | A} : C_Input_Case{1, E_Kind_Left_Down, L | M | C};
        return i_Accept ? C_Input_Case{3, E_Kind_Right_Down, M | R} : C_Input_Case{2, E_Kind_Right_Down, R | A};
    case I_Scale_Idle: return i_Accept ? C_Input_Case{2, E_Kind_Right_Up, 0} : C_Input_Case{2, E_Kind_Middle_Up, R};
    case I_Rotate_Scale: return i_Accept ? C_Input_Case{3, E_Kind_Right_Up, M} : C_Input_Case{3, E_Kind_Right_Up, M | L};
    case I_Rotate_Idle: return i_Accept ? C_Input_Case{3, E_Kind_Middle_Up, 0} : C_Input_Case{3, E_Kind_Left_Down, M | L};
    case I_Translate_Idle: return i_Accept ? C_Input_Case{1, E_Kind_Right_Up, C} : C_Input_Case{1, E_Kind_Middle_Up, R | C};
    case I_Drag_Idle: return i_Accept ? C_Input_Case{0, E_Kind_Leave, 0} : C_Input_Case{0, E_Kind_Move, L};
    default: ADD_FAILURE() << "no input for row " << ro_Row.m_N; return {};
    }
}

class C_State_Table_Test : public C_Proj_State_Test {
protected:
    void SetUp() override
    {
        M_Fn_Probes(std::integer_sequence<std::uint32_t, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,
                                          19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30>());
        m_sp_Material = M_Fn_Material_Add(L"M");
        m_sp_Property = M_Fn_Property_Add(L"P");
        m_Model = M_Fn_Import(G_Deck_2);
    }

    template <std::uint32_t... N>
    void M_Fn_Probes(std::integer_sequence<std::uint32_t, N...>)
    {
        (M_Fn_Probe<N>(), ...);
    }
    template <std::uint32_t N>
    void M_Fn_Probe()
    {
        constexpr std::uint32_t idle = N <= 2 ? 1 : N <= 8 ? 3 : 9;
        if (N != idle)
            machine()->M_Fn_Init_Register_Transition<C_Event_Probe<N>>(idle, N, 0, {}, {});
        machine()->M_Fn_Init_Register_Transition<C_Event_Back>(N, idle, N == idle ? 1 : 0, {}, {});
    }
    template <std::uint32_t... N>
    void M_Fn_Enter(std::uint32_t i_Id, std::integer_sequence<std::uint32_t, N...>)
    {
        ((N == i_Id ? post<C_Event_Probe<N>>() : void()), ...);
    }
    // Every region back to its idle state, then region of state i_Id into it.
    void M_Fn_Enter(std::uint32_t i_Id)
    {
        post<C_Event_Back>();
        if (i_Id == 1 || i_Id == 3 || i_Id == 9)
            return;
        M_Fn_Enter(i_Id, std::integer_sequence<std::uint32_t, 2, 4, 5, 6, 7, 8, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19,
                                                20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30>());
    }

    // One item of the kind that task i_Task offers to its operation becomes the selection set.
    void M_Fn_Select_One(std::uint32_t i_Task)
    {
        switch (i_Task) {
        case 10: S_Fn_Select_Card(materials(), m_sp_Material); break;
        case 11:
        case 12:
        case 13:
        case 14: S_Fn_Select_Card(properties(), m_sp_Property); break;
        case 15: M_Fn_Picks({{1, 2, 3}}); break;
        case 16: M_Fn_Select_N({{m_Model, 0, {}}}); break;
        case 17:
        case 18:
        case 19: M_Fn_Select_E({{m_Model, 0}}); break;
        default: {
            C_Sect* p = M_Fn_Sect_Any();
            m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Clear();
            M_Fn_Select({p});
            break;
        }
        }
    }
    // The size of the selection set of the kind that task i_Task works on.
    std::size_t M_Fn_Selected(std::uint32_t i_Task)
    {
        if (i_Task == 10)
            return materials().M_Fn_Sel().M_Fn_Sel_P1_Get().size();
        if (i_Task <= 14)
            return properties().M_Fn_Sel().M_Fn_Sel_P1_Get().size();
        if (i_Task <= 16)
            return m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Get().size();
        if (i_Task <= 19)
            return m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Get_P1_Count();
        return mgr().M_Fn_Sel_P1_Get().size();
    }

    void M_Fn_Post(E_Ev i_Event, const C_Input_Case& ro_Input)
    {
        switch (i_Event) {
        case Err: post<C_Event_Error_Occurred>(); break;
        case In:
            if (ro_Input.m_Gesture)
                frame().m_Input_Mode = ro_Input.m_Gesture;
            in(ro_Input.m_Kind, 20, 30, ro_Input.m_Flags);
            break;
        case Mode: post<C_Event_Sel_Mode_Update>(); break;
        case P1: post<C_Event_Sel_P1_Update>(); break;
        case Cancel: post<C_Event_C_Cancel>(); break;
        case Apply: post<C_Event_C_Apply>(); break;
        case C_M_Modify: post<C_Event_D_DB_C_M_Modify>(); break;
        case C_P_Modify: post<C_Event_D_DB_C_P_Modify>(); break;
        case C_P_Reconnect_C_S: post<C_Event_D_DB_C_P_Reconnect_C_S>(); break;
        case C_P_Reconnect_C_M: post<C_Event_D_DB_C_P_Reconnect_C_M>(); break;
        case C_P_Palette: post<C_Event_D_DB_C_P_Palette_Sel>(); break;
        case N_Center: post<C_Event_D_DB_N_Set_Center>(); break;
        case N_Modify: post<C_Event_D_DB_N_Modify>(); break;
        case E_Modify: post<C_Event_D_DB_E_Modify>(); break;
        case E_Reconnect_C_P: post<C_Event_D_DB_E_Reconnect_C_P>(); break;
        case E_Palette: post<C_Event_D_DB_E_P_Palette_Sel>(); break;
        case S_Create: post<C_Event_D_Sect_Group_Create>(); break;
        case S_Redirect: post<C_Event_D_Sect_Group_Redirect>(); break;
        case S_Insert: post<C_Event_D_Sect_Individual_Insert>(); break;
        case S_Move: post<C_Event_D_Sect_Individual_Move>(); break;
        case S_Delete: post<C_Event_D_Sect_Individual_Delete>(); break;
        case S_Cut: post<C_Event_D_Sect_Individual_Cut>(); break;
        case S_Copy: post<C_Event_D_Sect_Individual_Copy>(); break;
        case S_Paste: post<C_Event_D_Sect_Individual_Paste>(); break;
        }
    }

    // Row ro_Row from its source state with its guard accepting (i_Accept) or refusing: the state
    // reached and the region's change codes.
    void M_Fn_Run(const C_Row& ro_Row, bool i_Accept)
    {
        SCOPED_TRACE(i_Accept ? "accepting" : "refusing");
        M_Fn_Select_None();
        // Several objects may be picked (a drag selection may start); nothing is picked by rendering.
        // Set before the source state is entered: the mode change ends a drag selection.
        sel().M_Fn_Sel_Mode_Set(false, false, false, true, true, true, 7, L"");
        M_Fn_Enter(ro_Row.m_From);
        C_Input_Case input{};
        if (ro_Row.m_Event == In)
            input = G_Fn_Input_Case(ro_Row, i_Accept);
        // The task whose selection the guard looks at.
        const std::uint32_t kind = ro_Row.m_Guard == Start ? ro_Row.m_To : ro_Row.m_From;
        switch (ro_Row.m_Guard) {
        case Start:
            if (!i_Accept) {
                M_Fn_Select_One(kind);
                // The selection set that the guard clears is the one of the current mode's kind.
                sel().M_Fn_Sel_Mode_Set(false, false, false, false, false, false, G_Fn_Restores(kind), L"");
            }
            break;
        case Done:
            if (i_Accept)
                M_Fn_Select_One(kind);
            break;
        case Phase:
        case Refuse:
            if (i_Accept || ro_Row.m_Guard == Refuse) {
                M_Fn_Select_One(27);
                sel().M_Fn_Sel_Mode_Set(false, false, false, false, false, false, 8, L"");
            }
            break;
        default: break;
        }
        ASSERT_EQ(machine()->M_Fn_Get_Id_Sub(ro_Row.m_Region), ro_Row.m_From);
        m_Codes.clear();
        M_Fn_Post(ro_Row.m_Event, input);
        const int code = 7 + int(ro_Row.m_Region);
        if (i_Accept) {
            EXPECT_EQ(machine()->M_Fn_Get_Id_Sub(ro_Row.m_Region), ro_Row.m_To);
            EXPECT_EQ(count(code), ro_Row.m_Internal ? 0 : 1);
        } else {
            EXPECT_EQ(machine()->M_Fn_Get_Id_Sub(ro_Row.m_Region), ro_Row.m_Else);
            EXPECT_EQ(count(code), ro_Row.m_Else != ro_Row.m_From ? 1 : 0);
        }
        // What the guards and actions did besides.
        if (i_Accept && (ro_Row.m_Action == Act_Cancel || ro_Row.m_Guard == Done)) {
            EXPECT_EQ(sel().M_Fn_Get_Mode(), G_Fn_Restores(ro_Row.m_From));
        }
        if (ro_Row.m_Action == Act_Apply) {
            EXPECT_EQ(sel().M_Fn_Get_Mode(), 8u);
        }
        if (!i_Accept && (ro_Row.m_Guard == Start || ro_Row.m_Guard == Refuse)) {
            EXPECT_EQ(M_Fn_Selected(kind), 0u);
        }
        if (ro_Row.m_Guard == I_Idle) {
            EXPECT_TRUE(frame().m_Flags & N_Biz::N_Proj::C_Mgr_Frame::E_Flag_Pick_Cover);
        }
        EXPECT_EQ(machine()->M_Fn_Get_Busy(), 0);
        EXPECT_EQ(machine()->M_Fn_Get_Count_Queue(), 0u);
    }

    T_sp_Material m_sp_Material;
    T_sp_Property m_sp_Property;
    std::uint32_t m_Model = 0;
};

TEST_F(C_State_Table_Test, EveryTransitionInRegistrationOrder)
{
    int n = 0;
    for (const C_Row& row : G_Rows) {
        ASSERT_EQ(row.m_N, ++n) << "the table is out of order";
        SCOPED_TRACE("transition " + std::to_string(row.m_N));
        // A guard that always refuses is only seen refusing; the others accept, and are made to
        // refuse where they can.
        if (row.m_Guard != Never && row.m_Guard != Refuse)
            M_Fn_Run(row, true);
        if (row.m_Else)
            M_Fn_Run(row, false);
    }
    EXPECT_EQ(n, 108);
}

// An event that no active state knows ends in the machine's no-transition report; the machine
// stays where it was and takes the next event.
TEST_F(C_State_Table_Test, AnEventNoStateKnowsIsReportedAndTheMachineGoesOn)
{
    post<C_Event_D_Sect_Group_Create>();
    ASSERT_EQ(task(), 20u);
    // A start event in a running task (its poster did not cancel first).
    EXPECT_THROW(post<C_Event_D_DB_C_M_Modify>(), N_Common::N_Exception::C_Exception);
    EXPECT_EQ(ids(), (std::array<std::uint32_t, 3>{1, 3, 20}));
    EXPECT_EQ(machine()->M_Fn_Get_Busy(), 0);
    esc();
    EXPECT_EQ(task(), 9u);
    // The error state has no way out.
    post<C_Event_Error_Occurred>();
    EXPECT_THROW(post<C_Event_Error_Occurred>(), N_Common::N_Exception::C_Exception);
    EXPECT_EQ(ids(), (std::array<std::uint32_t, 3>{2, 3, 9}));
}

} // namespace
} // namespace N_Test_Proj
