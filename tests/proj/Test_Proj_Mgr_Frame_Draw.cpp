// The project view in an off-screen context: picks by rendering (nearest hit, ties, rectangles,
// hidden models, free positions) and pixel probes of whole frames (background, axis triad, picked
// and selected positions, beam axes and task previews), the prompt and description, and a frame
// that fails half-way.
#include "tests/proj/Test_Proj_Support_Model.h"
#include "tests/support/Test_GL_Offscreen.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/input/Biz_Input.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

#include <array>
#include <cmath>

using N_Biz::N_Input::C_Input;
using N_Biz::N_Proj::C_Handle_D_DB_N;
using N_Biz::N_Proj::C_Mgr_Frame;
using N_Biz::N_Sect::C_Sect;
using N_Common::N_Exception::C_Exception;
using C_Vector3f = C_Mgr_Frame::C_Vector3f;

namespace {

constexpr int K_W = 320;
constexpr int K_H = 240;

using T_Rgb = std::array<int, 3>;

// Two quadrilaterals over the unit square at z = 0 and z = 1, and a third one on the second.
const char* const G_Deck_Stack_Up = "BEGIN BULK\n"
                                    "GRID,1,,0.,0.,0.\nGRID,2,,1.,0.,0.\nGRID,3,,1.,1.,0.\nGRID,4,,0.,1.,0.\n"
                                    "GRID,5,,0.,0.,1.\nGRID,6,,1.,0.,1.\nGRID,7,,1.,1.,1.\nGRID,8,,0.,1.,1.\n"
                                    "CQUAD4,1,1,1,2,3,4\nCQUAD4,2,1,5,6,7,8\nCQUAD4,3,1,5,6,7,8\n"
                                    "PSHELL,1,1,1.\nMAT1,1,2.+5,,.3\nENDDATA\n";
// The same rendered in the other order: the upper ones first.
const char* const G_Deck_Stack_Down = "BEGIN BULK\n"
                                      "GRID,1,,0.,0.,0.\nGRID,2,,1.,0.,0.\nGRID,3,,1.,1.,0.\nGRID,4,,0.,1.,0.\n"
                                      "GRID,5,,0.,0.,1.\nGRID,6,,1.,0.,1.\nGRID,7,,1.,1.,1.\nGRID,8,,0.,1.,1.\n"
                                      "CQUAD4,1,1,5,6,7,8\nCQUAD4,2,1,5,6,7,8\nCQUAD4,3,1,1,2,3,4\n"
                                      "PSHELL,1,1,1.\nMAT1,1,2.+5,,.3\nENDDATA\n";

class C_Proj_View_Test : public N_Test_Proj::C_Proj_Model_Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen_Size(K_W, K_H));
        frame().M_Fn_View_Main_On_Create(&m_View);
        frame().M_Fn_View_Main_On_Size(K_W, K_H);
    }
    void TearDown() override { m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Clear(); }

    C_Mgr_Frame& frame() { return m_Proj.M_Fn_Get_Mgr_Frame(); }
    N_Biz::N_Proj::C_Mgr_Sel& sel() { return m_Proj.M_Fn_Get_Mgr_Sel(); }
    N_Biz::N_Config::C_Config_Data& config() { return m_App.app().m_sp_Config->M_Fn_Data(); }
    void M_Fn_Mode(std::uint32_t i_Mode, std::uint32_t i_Flags)
    {
        sel().M_Fn_Sel_Mode_Set(i_Flags & 16, i_Flags & 8, true, i_Flags & 1, i_Flags & 2, i_Flags & 4, i_Mode, L"Pick.");
    }
    // The window position (pixels from the lower left corner) of a model point.
    C_Vector3f M_Fn_Window(const C_Vector3f& ro_P)
    {
        C_Vector3f e;
        frame().M_Fn_Get_Modelview().M_Fn_Transform_Point(ro_P, e);
        return C_Vector3f(e.x + K_W / 2.0f, e.y + K_H / 2.0f, e.z);
    }
    // The cursor moves onto the pixel of a model point: a hover pick is pending.
    void M_Fn_Hover(const C_Vector3f& ro_P) { M_Fn_Input_At(N_Biz::N_Input::E_Kind_Move, ro_P); }
    // An input record at the pixel of a model point.
    void M_Fn_Input_At(std::int32_t i_Kind, const C_Vector3f& ro_P)
    {
        const C_Vector3f w = M_Fn_Window(ro_P);
        M_Fn_Input(i_Kind, std::int32_t(std::lround(w.x)), std::int32_t(std::lround(w.y)));
    }
    void M_Fn_Input(std::int32_t i_Kind, std::int32_t i_X, std::int32_t i_Y, std::uint32_t i_Flags = 0)
    {
        auto sp = std::make_shared<C_Input>();
        sp->m_Kind = i_Kind;
        sp->m_X = i_X;
        sp->m_Y = i_Y;
        sp->m_Flags = i_Flags;
        frame().M_Fn_View_Main_On_Input(sp);
    }
    static T_Rgb M_Fn_Pixel(int i_X, int i_Y)
    {
        glFinish();
        unsigned char p[4] = {0, 0, 0, 0};
        glReadPixels(i_X, i_Y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
        return {p[0], p[1], p[2]};
    }
    // The pixel under a window position.
    static T_Rgb M_Fn_Pixel(const C_Vector3f& ro_Window)
    {
        return M_Fn_Pixel(int(std::floor(ro_Window.x)), int(std::floor(ro_Window.y)));
    }
    static bool M_Fn_Near(const T_Rgb& ro_A, const T_Rgb& ro_B, int i_Tol = 3)
    {
        for (int i = 0; i < 3; ++i)
            if (std::abs(ro_A[i] - ro_B[i]) > i_Tol)
                return false;
        return true;
    }
    // A section in slot i_Index of group i_Group whose plane is moved to i_Origin.
    void M_Fn_Sect_Add(std::uint32_t i_Group, std::uint32_t i_Index, const C_Vector3f& i_Origin)
    {
        C_Sect::S_p_Proj = &m_Proj;
        auto sp_sect = std::make_shared<C_Sect>();
        C_Sect::S_p_Proj = nullptr;
        auto sp_plane = std::make_shared<N_Biz::N_Sect::C_D_Plane>();
        sp_plane->m_Matrix.m_Data[12] = i_Origin.x;
        sp_plane->m_Matrix.m_Data[13] = i_Origin.y;
        sp_plane->m_Matrix.m_Data[14] = i_Origin.z;
        sp_sect->M_Fn_Plane_Set({}, sp_plane);
        auto sp_entry = std::make_shared<N_Biz::N_Proj::N_Cmd::C_Entry_C>(L"Create section", &m_Proj);
        m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
            auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
            sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
            if (!m_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().is_used_at(i_Group)) {
                auto sp_new = std::make_shared<N_Biz::N_Proj::C_D_Group_Sect>();
                sp_group->M_Fn_Child_Add_and_Execute(
                    std::make_shared<N_Biz::N_Proj::N_Cmd::C_Elem_D_Sect_Group_Add_At>(&m_Proj, i_Group, sp_new));
            }
            sp_group->M_Fn_Child_Add_and_Execute(
                std::make_shared<N_Biz::N_Proj::N_Cmd::C_Elem_D_Sect_Individual_Add_At>(&m_Proj, i_Group, i_Index, sp_sect));
        });
    }

    int m_View = 0;
};

const T_Rgb K_Black{0, 0, 0};
const T_Rgb K_White{255, 255, 255};

} // namespace

TEST_F(C_Proj_View_Test, OnePixelPickAtAnElementsCentreMakesItTheCurrentPick)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_2), 1u);
    M_Fn_Mode(6, 7);
    // Element 20 over (0, 0, 5), (1, 0, 5), (1, 1, 5); element 21 over (0, 0, 5), (1, 1, 5), (0, 1, 5).
    M_Fn_Hover({2.0f / 3, 1.0f / 3, 5});
    frame().M_Fn_View_Main_On_Draw();
    const auto& mgr = m_Proj.M_Fn_Get_Mgr_D_DB_E();
    EXPECT_EQ(mgr.M_Fn_Get_P0_Count(), 1u);
    EXPECT_EQ(mgr.M_Fn_Get_P0_Handle(), (N_Biz::N_Proj::C_Handle_D_DB_E{1, 0}));
    ASSERT_FALSE(sel().M_Fn_Get_Desc().empty());
    EXPECT_EQ(sel().M_Fn_Get_Desc().front(), L"Element:");
    M_Fn_Hover({1.0f / 3, 2.0f / 3, 5});
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_EQ(mgr.M_Fn_Get_P0_Count(), 1u);
    EXPECT_EQ(mgr.M_Fn_Get_P0_Handle(), (N_Biz::N_Proj::C_Handle_D_DB_E{1, 1}));
    // The left-button release (where the cursor hovers) takes the pick into the set; beside the
    // model the pick is empty.
    M_Fn_Input_At(N_Biz::N_Input::E_Kind_Left_Up, {1.0f / 3, 2.0f / 3, 5});
    EXPECT_EQ(M_Fn_Flagged(2), (N_Test_Proj::T_Handles{{1, 1}}));
    M_Fn_Hover({3, 3, 5});
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_EQ(mgr.M_Fn_Get_P0_Count(), 0u);
    EXPECT_TRUE(sel().M_Fn_Get_Desc().empty());

    // With the models hidden, nothing is picked.
    config().m_Model_Disp = 2;
    frame().M_Fn_Config_Disp_Update();
    M_Fn_Hover({2.0f / 3, 1.0f / 3, 5});
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_EQ(mgr.M_Fn_Get_P0_Count(), 0u);
}

TEST_F(C_Proj_View_Test, NearestHitWinsAndTheFirstRenderedOfEqualDepths)
{
    // Looking down -z: the quadrilaterals at z = 1 are nearer than the one at z = 0.
    for (const auto& [deck, nearest] : {std::pair{G_Deck_Stack_Up, 1u}, std::pair{G_Deck_Stack_Down, 0u}}) {
        const std::uint32_t slot = M_Fn_Import(deck);
        frame().M_Fn_View_Main_Preset_XY();
        M_Fn_Mode(6, 7);
        M_Fn_Hover({0.5f, 0.5f, 0.5f});
        frame().M_Fn_View_Main_On_Draw();
        EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Get_P0_Count(), 1u);
        EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Get_P0_Handle(), (N_Biz::N_Proj::C_Handle_D_DB_E{slot, nearest}));
        // Seen from below the lowest one is nearest.
        frame().M_Fn_View_Main_Preset_YX();
        M_Fn_Hover({0.5f, 0.5f, 0.5f});
        frame().M_Fn_View_Main_On_Draw();
        EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Get_P0_Handle(),
                  (N_Biz::N_Proj::C_Handle_D_DB_E{slot, nearest == 1u ? 0u : 2u}));
        m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    }
}

TEST_F(C_Proj_View_Test, RectanglePicksEveryObjectOnce)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    // A drag over the whole view.
    auto drag = [&] {
        frame().m_Pos_Left_Down = {2, 2};
        frame().m_Pos_Cur = {K_W - 2, K_H - 2};
        frame().M_Fn_View_Main_Drag_Select_Begin();
        frame().M_Fn_View_Main_On_Draw();
    };
    // Three elements of one material: the material once.
    M_Fn_Mode(1, 7);
    drag();
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Get().size(), 1u);
    EXPECT_EQ(sel().M_Fn_Get_Desc().front(), L"Material:");
    M_Fn_Mode(2, 7);
    drag();
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P0_Get().size(), 2u);
    EXPECT_EQ(sel().M_Fn_Get_Desc(), (std::vector<std::wstring>{L"Number: 2"}));
    M_Fn_Mode(6, 7);
    drag();
    EXPECT_EQ(M_Fn_Flagged(1), (N_Test_Proj::T_Handles{{1, 0}, {1, 1}, {1, 2}}));
    // The six nodes.
    M_Fn_Mode(5, 1);
    drag();
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P0_Get().size(), 6u);
    // A selection that allows no rectangle picks nothing; a word other than 0 or 1 is refused.
    M_Fn_Mode(6, 7);
    sel().M_Fn_Set_Rect(1);
    drag();
    EXPECT_TRUE(M_Fn_Flagged(1).empty());
    sel().M_Fn_Set_Rect(2);
    EXPECT_THROW(drag(), C_Exception);
    sel().M_Fn_Set_Rect(0);
}

TEST_F(C_Proj_View_Test, NodesOrAFreePositionAtTheRotationCentresDepth)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    M_Fn_Mode(4, 0);
    // On the node at (2, 1, 0): that node (row 5).
    M_Fn_Hover({2, 1, 0});
    frame().M_Fn_View_Main_On_Draw();
    const auto& p0 = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P0_Get();
    ASSERT_EQ(p0.size(), 1u);
    EXPECT_EQ(p0.front().m_Model, 1u);
    EXPECT_EQ(p0.front().m_Index, 5u);
    // Far from every node: the free position under the cursor, as deep as the rotation centre.
    frame().m_Pos_Cur = {30, 200};
    frame().m_Flags |= C_Mgr_Frame::E_Flag_Pick_Cover;
    frame().M_Fn_View_Main_On_Draw();
    ASSERT_EQ(p0.size(), 1u);
    EXPECT_EQ(p0.front().m_Model, 0u);
    const C_Vector3f w = M_Fn_Window(p0.front().m_Position);
    const C_Vector3f c = M_Fn_Window(frame().M_Fn_Get_Center_Rotate());
    EXPECT_NEAR(w.x, 30.0f, 1e-3f);
    EXPECT_NEAR(w.y, 200.0f, 1e-3f);
    EXPECT_NEAR(w.z, c.z, 1e-3f);
    EXPECT_EQ(sel().M_Fn_Get_Desc().size(), 3u);
}

TEST_F(C_Proj_View_Test, PrintModeBackgroundAndTheTextKeepsItsColours)
{
    M_Fn_Mode(7, 0);
    C_App_Port_Record& port = m_App.port();
    for (int print : {0, 1}) {
        config().m_Print_Mode = print;
        port.m_GL_Texts.clear();
        frame().M_Fn_View_Main_On_Draw();
        EXPECT_TRUE(M_Fn_Near(M_Fn_Pixel(3, 3), print ? K_White : K_Black));
        EXPECT_TRUE(M_Fn_Near(M_Fn_Pixel(K_W / 2 + 40, 20), print ? K_White : K_Black));
        EXPECT_EQ(port.M_Fn_GL_Texts(), (std::vector<std::wstring>{L"X", L"Y", L"Z", L"Pick."}));
        const C_App_Port_Record::C_GL_Text& prompt = port.m_GL_Texts.at(3);
        EXPECT_EQ(prompt.m_X, 20.0f);
        EXPECT_EQ(prompt.m_Y, K_H - 30.0f);
        EXPECT_EQ(prompt.m_Color[0], 0.0f);
        EXPECT_EQ(prompt.m_Color[1], 1.0f);
        EXPECT_EQ(prompt.m_Color[2], 0.0f);
        const float* x = port.m_GL_Texts.at(0).m_Color;
        EXPECT_NEAR(x[0], 1.0f, 1e-6f);
        EXPECT_NEAR(x[1], 0.9f, 1e-6f);
        EXPECT_NEAR(x[2], 0.9f, 1e-6f);
    }
    // The description under the prompt, in white, 15 pixels apart from 10 in and 10 down.
    M_Fn_Mode(3, 8);
    sel().M_Fn_Sel_P1_Set_Scrn({1, 2, 3});
    port.m_GL_Texts.clear();
    frame().M_Fn_View_Main_On_Draw();
    ASSERT_EQ(port.m_GL_Texts.size(), 7u);
    for (std::size_t i = 0; i < 3; ++i) {
        const C_App_Port_Record::C_GL_Text& line = port.m_GL_Texts.at(4 + i);
        EXPECT_EQ(line.m_X, 30.0f);
        EXPECT_EQ(line.m_Y, K_H - 30.0f - 10.0f - 15.0f * float(i + 1));
        EXPECT_EQ(line.m_Color[0], 1.0f);
        EXPECT_EQ(line.m_Color[2], 1.0f);
    }
    EXPECT_EQ(port.m_GL_Texts.at(4).m_Text, L"  X: 1");
    // Without the coordinate system no triad and no labels; without the view no text.
    config().m_Show_Coord = 0;
    port.m_GL_Texts.clear();
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_EQ(port.m_GL_Texts.size(), 4u);
    frame().M_Fn_View_Main_On_Destroy();
    port.m_GL_Texts.clear();
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_TRUE(port.m_GL_Texts.empty());
    frame().M_Fn_View_Main_On_Create(&m_View);
}

TEST_F(C_Proj_View_Test, TriadIsFiftyPixelsLongInTheUpperRightAtAnyZoomAndPan)
{
    M_Fn_Mode(7, 0);
    frame().M_Fn_View_Main_Preset_XY();
    const int ox = K_W - 80, oy = K_H - 80;
    auto red = [](const T_Rgb& ro_P) { return ro_P[0] > 200 && ro_P[1] < 60 && ro_P[2] < 60; };
    auto green = [](const T_Rgb& ro_P) { return ro_P[1] > 200 && ro_P[0] < 60 && ro_P[2] < 60; };
    // A horizontal line on a pixel boundary lights one of the two rows beside it.
    auto red_at = [&](int i_X) { return red(M_Fn_Pixel(i_X, oy)) || red(M_Fn_Pixel(i_X, oy - 1)); };
    auto green_at = [&](int i_Y) { return green(M_Fn_Pixel(ox, i_Y)) || green(M_Fn_Pixel(ox - 1, i_Y)); };
    for (int step = 0; step < 3; ++step) {
        frame().M_Fn_View_Main_On_Draw();
        EXPECT_TRUE(red_at(ox + 10)) << step;
        EXPECT_TRUE(red_at(ox + 30)) << step;
        EXPECT_TRUE(red_at(ox + 48)) << step;
        EXPECT_FALSE(red_at(ox + 53)) << step;
        EXPECT_FALSE(red_at(ox - 4)) << step;
        EXPECT_TRUE(green_at(oy + 30)) << step;
        EXPECT_FALSE(green_at(oy + 53)) << step;
        // The arrow's head: the triangle from (35, +-3) to the tip.
        EXPECT_TRUE(red(M_Fn_Pixel(ox + 38, oy + 1)) && red(M_Fn_Pixel(ox + 38, oy - 2))) << step;
        // Zoom in four times and pan: the triad stays as it is.
        frame().m_Pos_Prev = {0, 0};
        frame().m_Pos_Cur = {256, 256};
        frame().M_Fn_View_Main_Mouse_Scale();
        frame().m_Pos_Cur = {-35, 61};
        frame().M_Fn_View_Main_Mouse_Translate();
    }
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 8.0f);
}

TEST_F(C_Proj_View_Test, PickedAndSelectedPositionsInTheirColours)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    config().m_Print_Mode = 1;
    M_Fn_Mode(3, 8);
    const C_Vector3f free_position(1.5f, 0.5f, 0.0f);
    const C_Vector3f w = M_Fn_Window(free_position);
    auto probe = [&](const C_Vector3f& ro_Window, const T_Rgb& ro_Expected) {
        frame().M_Fn_View_Main_On_Draw();
        EXPECT_TRUE(M_Fn_Near(M_Fn_Pixel(ro_Window), ro_Expected, 4))
            << M_Fn_Pixel(ro_Window)[0] << " " << M_Fn_Pixel(ro_Window)[1] << " " << M_Fn_Pixel(ro_Window)[2];
        // The white ring of the larger point around it.
        const T_Rgb ring = M_Fn_Pixel(int(std::floor(ro_Window.x)) + 3, int(std::floor(ro_Window.y)));
        EXPECT_TRUE(ring[0] > 200 && ring[1] > 200 && ring[2] > 200);
    };
    auto& nodes = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
    // Typed: picked and selected; the pick is drawn over the selection: green on white.
    sel().M_Fn_Sel_P1_Set_Scrn(free_position);
    probe(w, {64, 255, 64});
    // Selected only: yellow.
    nodes.M_Fn_Sel_P0_Clear();
    probe(w, {255, 255, 64});
    // A node picked: blue; selected: red.
    M_Fn_Mode(5, 0);
    const C_Vector3f n = M_Fn_Window({2, 0, 0});
    nodes.M_Fn_Sel_P0_Add({1, 4, {}});
    probe(n, {64, 64, 255});
    nodes.M_Fn_Sel_P1_Update_Yes();
    nodes.M_Fn_Sel_P0_Clear();
    probe(n, {255, 64, 64});
}

TEST_F(C_Proj_View_Test, SectionsOnHideDrawNoAxisButTheTaskPreview)
{
    m_Proj.M_Fn_Tree_Add();
    frame().M_Fn_View_Main_Preset_XY();
    M_Fn_Sect_Add(1, 1, {-50, 0, 0});
    M_Fn_Sect_Add(1, 2, {50, 0, 0});
    M_Fn_Sect_Add(2, 1, {0, 40, 0});
    M_Fn_Mode(8, 7);
    const C_Vector3f mid = M_Fn_Window({0, 0, 0});
    auto white_around = [&](const C_Vector3f& ro_W, int i_Dx) {
        const int x = int(std::floor(ro_W.x)) + i_Dx, y = int(std::floor(ro_W.y));
        for (int dy = -2; dy <= 1; ++dy)
            if (M_Fn_Near(M_Fn_Pixel(x, y + dy), K_White, 10))
                return true;
        return false;
    };
    // On Auto in the sections mode they show as geometry: the beam axis from -50 to 50.
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_EQ(frame().M_Fn_Get_Disp_Sect(), 4u);
    EXPECT_TRUE(white_around(mid, 20));
    // A group of one section: a strip of one vertex draws nothing.
    EXPECT_FALSE(white_around(M_Fn_Window({0, 40, 0}), 3));
    // On Hide: no axis.
    config().m_Sect_Disp = 2;
    frame().M_Fn_Config_Disp_Update();
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_FALSE(white_around(mid, 20));

    // The preview of a group creation still draws: its planes and the white axis through them.
    C_Mgr_Frame::C_Preview preview;
    for (float x : {-40.0f, 40.0f}) {
        auto sp_plane = std::make_shared<N_Biz::N_Sect::C_D_Plane>();
        sp_plane->m_Matrix.m_Data[12] = x;
        preview.m_Planes.push_back(sp_plane);
        preview.m_Positions.push_back({x, -30, 0});
    }
    auto draw_preview = [&](std::uint32_t i_Id) {
        frame().M_Fn_View_Main_On_Draw();
        glPushMatrix();
        glMultMatrixf(frame().M_Fn_Get_Modelview().m_Data);
        frame().M_Fn_View_Main_Draw_Preview(i_Id, preview);
        glPopMatrix();
    };
    draw_preview(N_Biz::N_Proj::N_State::C_Machine_Top::E_Id_Task_D_Sect_Group_Create);
    EXPECT_TRUE(white_around(M_Fn_Window({0, -30, 0}), 0));
    // Each plane's square, at the marker size, in translucent blue over black.
    const T_Rgb plane = M_Fn_Pixel(M_Fn_Window({-40, 10, 0}));
    EXPECT_TRUE(plane[2] > 60 && plane[0] < plane[2]) << plane[0] << " " << plane[1] << " " << plane[2];
    // Another state draws nothing.
    draw_preview(N_Biz::N_Proj::N_State::C_Machine_Top::E_Id_Task_D_Sect_Individual_Delete);
    EXPECT_FALSE(white_around(M_Fn_Window({0, -30, 0}), 0));

    // The insertion preview: grey segments from the neighbour before, through the new position, to
    // the one after.
    preview.m_sp_Plane = preview.m_Planes.front();
    preview.m_Pos = {-40, -30, 0};
    preview.m_Pos_Before = {-40, -60, 0};
    preview.m_Before = true;
    preview.m_Pos_After = {60, -30, 0};
    preview.m_After = true;
    draw_preview(N_Biz::N_Proj::N_State::C_Machine_Top::E_Id_Task_D_Sect_Individual_Insert_P_1);
    auto grey_around = [&](const C_Vector3f& ro_W) {
        const int x = int(std::floor(ro_W.x)), y = int(std::floor(ro_W.y));
        for (int d = -1; d <= 1; ++d)
            if (M_Fn_Near(M_Fn_Pixel(x + d, y), {128, 128, 128}, 3) || M_Fn_Near(M_Fn_Pixel(x, y + d), {128, 128, 128}, 3))
                return true;
        return false;
    };
    EXPECT_TRUE(grey_around(M_Fn_Window({-40, -45, 0})));
    EXPECT_TRUE(grey_around(M_Fn_Window({20, -30, 0})));
    preview.m_After = false;
    draw_preview(N_Biz::N_Proj::N_State::C_Machine_Top::E_Id_Task_D_Sect_Individual_Move_P_1);
    EXPECT_TRUE(grey_around(M_Fn_Window({-40, -45, 0})));
    EXPECT_FALSE(grey_around(M_Fn_Window({20, -30, 0})));
    // A preview without its plane stops the drawing.
    preview.m_sp_Plane.reset();
    EXPECT_THROW(frame().M_Fn_View_Main_Draw_Preview(24, preview), C_Exception);
    preview.m_Planes.push_back(nullptr);
    EXPECT_THROW(frame().M_Fn_View_Main_Draw_Preview(20, preview), C_Exception);
}

TEST_F(C_Proj_View_Test, SectionsArePickedNearestFirstAndDrawnByTheirMode)
{
    m_Proj.M_Fn_Tree_Add();
    frame().M_Fn_View_Main_Preset_XY();
    // Group 1: a section at z = 0 and one at z = 1 over it; group 2: one at z = 1 and one at z = 0
    // (in slot order), and a third one at z = 1 beside both, where the two groups overlap.
    M_Fn_Sect_Add(1, 1, {-70, 0, 0});
    M_Fn_Sect_Add(1, 2, {-70, 0, 1});
    M_Fn_Sect_Add(2, 1, {70, 0, 1});
    M_Fn_Sect_Add(2, 2, {70, 0, 0});
    M_Fn_Sect_Add(2, 3, {70, 0, 1});
    config().m_Sect_Disp = 3;
    M_Fn_Mode(8, 7);
    ASSERT_EQ(frame().M_Fn_Get_Disp_Sect(), 3u);
    const auto& groups = m_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups();
    auto sect = [&](std::uint32_t i_Group, std::uint32_t i_Slot) { return groups.at(i_Group)->m_Sects.at(i_Slot).get(); };
    const auto& p0 = m_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Sel_P0_Get();
    // The nearer plane wins, whichever comes first; of the two equally near ones the first.
    M_Fn_Hover({-70, 0, 0});
    frame().M_Fn_View_Main_On_Draw();
    ASSERT_EQ(p0.size(), 1u);
    EXPECT_EQ(p0.front(), sect(1, 2));
    M_Fn_Hover({70, 0, 0});
    frame().M_Fn_View_Main_On_Draw();
    ASSERT_EQ(p0.size(), 1u);
    EXPECT_EQ(p0.front(), sect(2, 1));
    // A picked plane shows its wide light blue outline; its square is translucent blue over black.
    const float half = 100 * frame().M_Fn_Get_Fit_Radius() * 0.005f / frame().M_Fn_Get_Zoom();
    auto outline = [&](float i_Dx) {
        const C_Vector3f w = M_Fn_Window({70 + half + i_Dx, 0, 1});
        return M_Fn_Pixel(int(std::lround(w.x)), int(w.y));
    };
    EXPECT_TRUE(M_Fn_Near(outline(-1), {191, 191, 255}, 3) || M_Fn_Near(outline(0), {191, 191, 255}, 3));
    const T_Rgb face = M_Fn_Pixel(M_Fn_Window({70 + half / 2, half / 3, 1}));
    EXPECT_TRUE(face[2] > 60 && face[0] < face[2]) << face[0] << " " << face[1] << " " << face[2];
    // A rectangle over everything enters all five once.
    frame().m_Pos_Left_Down = {2, 2};
    frame().m_Pos_Cur = {K_W - 2, K_H - 2};
    frame().M_Fn_View_Main_Drag_Select_Begin();
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_EQ(p0.size(), 5u);
    // As geometry: no plane, the origin marker instead, still pickable.
    config().m_Sect_Disp = 4;
    frame().M_Fn_Config_Disp_Update();
    M_Fn_Hover({-70, 0, 0});
    frame().M_Fn_View_Main_On_Draw();
    ASSERT_EQ(p0.size(), 1u);
    EXPECT_EQ(p0.front(), sect(1, 2));
    EXPECT_TRUE(M_Fn_Near(M_Fn_Pixel(M_Fn_Window({70 + half / 2, half / 3, 1})), K_Black));
    // On Hide nothing is drawn and nothing is picked.
    config().m_Sect_Disp = 2;
    frame().M_Fn_Config_Disp_Update();
    M_Fn_Hover({-70, 0, 0});
    frame().M_Fn_View_Main_On_Draw();
    EXPECT_TRUE(p0.empty());
}

TEST_F(C_Proj_View_Test, AFrameThatFailsLeavesNeitherFreezeNorPushedMatrices)
{
    // A rectangle pick in the positions mode fails inside the pick, with both stacks pushed.
    M_Fn_Mode(3, 1);
    frame().m_Flags |= C_Mgr_Frame::E_Flag_Pick_Drag;
    GLint depth_modelview = 0, depth_projection = 0;
    EXPECT_THROW(frame().M_Fn_View_Main_On_Draw(), C_Exception);
    EXPECT_EQ(frame().m_Flags & C_Mgr_Frame::E_Flag_Frozen, 0u);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth_modelview);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth_projection);
    EXPECT_EQ(depth_modelview, 1);
    EXPECT_EQ(depth_projection, 1);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
    // The projection is the view's own again: one unit per pixel.
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_FLOAT_EQ(projection[0], 2.0f / K_W);
    EXPECT_FLOAT_EQ(projection[5], 2.0f / K_H);
    // The view is not frozen: the next change invalidates it, the next frame draws.
    const int count = m_App.port().m_View_Proj_Invalidates;
    frame().M_Fn_View_Main_Center();
    EXPECT_EQ(m_App.port().m_View_Proj_Invalidates, count + 1);
    EXPECT_NO_THROW(frame().M_Fn_View_Main_On_Draw());
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));

    // A model whose node has no coordinates fails while the camera's matrices are pushed.
    auto& models = m_Proj.M_Fn_Get_Mgr_D_Model();
    auto sp_model = models.M_Fn_Model_New();
    sp_model->M_Fn_Data().m_Nodes.emplace_back();
    models.M_Fn_D_Add_At(sp_model, 1);
    M_Fn_Mode(7, 0);
    ASSERT_EQ(frame().M_Fn_Get_Disp_Model(), 5u);
    EXPECT_THROW(frame().M_Fn_View_Main_On_Draw(), C_Exception);
    EXPECT_EQ(frame().m_Flags & C_Mgr_Frame::E_Flag_Frozen, 0u);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth_modelview);
    EXPECT_EQ(depth_modelview, 1);
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
}
