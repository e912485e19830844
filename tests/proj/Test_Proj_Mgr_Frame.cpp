// The project view manager without pixels: zoom by wheel and drag with its bounds, the standard and
// axis orientations, the rotation centre, adjust and centre, the view direction, the display-mode
// resolution, the models' box and centre, and how the view window is reached through the port.
#include "tests/proj/Test_Proj_Support_Model.h"
#include "tests/support/Test_GL_Offscreen.h"

#include "biz/input/Biz_Input.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "common/Common_Exception.h"

#include <cmath>
#include <thread>

using N_Biz::N_Input::C_Input;
using N_Biz::N_Proj::C_Mgr_Frame;
using N_Common::N_Exception::C_Exception;
using C_Vector3f = C_Mgr_Frame::C_Vector3f;
using E = N_Biz::N_Proj::N_State::C_Machine_Top;

namespace {

class C_Mgr_Frame_Test : public N_Test_Proj::C_Proj_Model_Test {
protected:
    C_Mgr_Frame& frame() { return m_Proj.M_Fn_Get_Mgr_Frame(); }
    // The eye position (pixels from the view's centre) of a model point.
    C_Vector3f M_Fn_Eye(const C_Vector3f& ro_P)
    {
        C_Vector3f e;
        frame().M_Fn_Get_Modelview().M_Fn_Transform_Point(ro_P, e);
        return e;
    }
    // One input record through the view.
    void M_Fn_Input(std::int32_t i_Kind, std::int32_t i_X, std::int32_t i_Y, std::uint32_t i_Flags = 0,
                    float i_Wheel = 0.0f)
    {
        auto sp = std::make_shared<C_Input>();
        sp->m_Kind = i_Kind;
        sp->m_X = i_X;
        sp->m_Y = i_Y;
        sp->m_Flags = i_Flags;
        sp->m_Wheel_Angle = i_Wheel;
        frame().M_Fn_View_Main_On_Input(sp);
    }
    // One drag step of (i_Dx, i_Dy) pixels from (100, 100).
    void M_Fn_Step(std::int32_t i_Dx, std::int32_t i_Dy)
    {
        frame().m_Pos_Prev = {100, 100};
        frame().m_Pos_Cur = {100 + i_Dx, 100 + i_Dy};
    }
    // Gives the view a window and a 200 x 100 client area in an off-screen context.
    void M_Fn_View()
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen_Size(200, 100));
        frame().M_Fn_View_Main_On_Create(&m_View);
        frame().M_Fn_View_Main_On_Size(200, 100);
    }
    int m_View = 0;
};

void G_Fn_Expect_Near(const C_Vector3f& ro_A, const C_Vector3f& ro_B, float i_Tol, const char* i_What)
{
    EXPECT_NEAR(ro_A.x, ro_B.x, i_Tol) << i_What;
    EXPECT_NEAR(ro_A.y, ro_B.y, i_Tol) << i_What;
    EXPECT_NEAR(ro_A.z, ro_B.z, i_Tol) << i_What;
}

// 1.01 to the fifteenth, multiplied out in double.
double G_Fn_Notch()
{
    double f = 1.0;
    for (int i = 0; i < 15; ++i)
        f *= 1.01;
    return f;
}

} // namespace

TEST_F(C_Mgr_Frame_Test, WheelNotchZoomsByExactlyOneNotchWithShiftOrCtrl)
{
    const float notch = C_Input::S_Fn_Wheel_Angle(120);
    // Without Shift or Ctrl the wheel does not zoom.
    M_Fn_Input(N_Biz::N_Input::E_Kind_Wheel, 0, 0, 0, notch);
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 1.0f);
    M_Fn_Input(N_Biz::N_Input::E_Kind_Wheel, 0, 0, N_Biz::N_Input::E_Flag_Ctrl, notch);
    EXPECT_NEAR(frame().M_Fn_Get_Zoom(), G_Fn_Notch(), 1e-6);
    EXPECT_EQ(frame().M_Fn_Get_W().m_Data[0], frame().M_Fn_Get_Zoom());
    // Back one notch with Shift.
    M_Fn_Input(N_Biz::N_Input::E_Kind_Wheel, 0, 0, N_Biz::N_Input::E_Flag_Shift, C_Input::S_Fn_Wheel_Angle(-120));
    EXPECT_NEAR(frame().M_Fn_Get_Zoom(), 1.0, 1e-6);
    // A notch whose angle came out a hair short of 15 degrees is still one notch, not 1.01^14.
    M_Fn_Input(N_Biz::N_Input::E_Kind_Wheel, 0, 0, N_Biz::N_Input::E_Flag_Ctrl, 0.26179f);
    EXPECT_NEAR(frame().M_Fn_Get_Zoom(), G_Fn_Notch(), 1e-5);
    // Two notches at once are two notches.
    const float before = frame().M_Fn_Get_Zoom();
    M_Fn_Input(N_Biz::N_Input::E_Kind_Wheel, 0, 0, N_Biz::N_Input::E_Flag_Ctrl, C_Input::S_Fn_Wheel_Angle(240));
    EXPECT_NEAR(frame().M_Fn_Get_Zoom() / before, G_Fn_Notch() * G_Fn_Notch(), 1e-5);
    // An angle that is no number changes nothing.
    const float kept = frame().M_Fn_Get_Zoom();
    M_Fn_Input(N_Biz::N_Input::E_Kind_Wheel, 0, 0, N_Biz::N_Input::E_Flag_Ctrl, std::nanf(""));
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), kept);
}

TEST_F(C_Mgr_Frame_Test, DragScaleFactorAndZoomBounds)
{
    // 60 right and 40 up: (100 / 512) + 1, not the 1 that integer division would give.
    M_Fn_Step(60, 40);
    frame().M_Fn_View_Main_Mouse_Scale();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 1.1953125f);
    frame().M_Fn_View_Main_Adjust();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 1.0f);

    // 256 + 256 doubles: 1, 2, 4, 8 and exactly 16 are accepted, the next doubling is refused.
    M_Fn_Step(256, 256);
    for (float expected : {2.0f, 4.0f, 8.0f, 16.0f, 16.0f}) {
        frame().M_Fn_View_Main_Mouse_Scale();
        EXPECT_EQ(frame().M_Fn_Get_Zoom(), expected);
        EXPECT_EQ(frame().M_Fn_Get_W().m_Data[0], expected);
    }
    // Halving down to exactly 0.0625, then refused.
    M_Fn_Step(-128, -128);
    for (int i = 0; i < 8; ++i)
        frame().M_Fn_View_Main_Mouse_Scale();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 0.0625f);
    const C_Mgr_Frame::C_Matrix4f w = frame().M_Fn_Get_W();
    frame().M_Fn_View_Main_Mouse_Scale();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 0.0625f);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(frame().M_Fn_Get_W().m_Data[i], w.m_Data[i]);
    // The wheel is refused at the bound as well.
    M_Fn_Input(N_Biz::N_Input::E_Kind_Wheel, 0, 0, N_Biz::N_Input::E_Flag_Ctrl, C_Input::S_Fn_Wheel_Angle(-120));
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 0.0625f);
    // A drag of -512 would give factor 0: refused.
    frame().M_Fn_View_Main_Adjust();
    M_Fn_Step(-256, -256);
    frame().M_Fn_View_Main_Mouse_Scale();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 1.0f);
}

TEST_F(C_Mgr_Frame_Test, StandardAndAxisOrientations)
{
    // Standard: a quarter turn making z point up, 45 degrees about y, 30 degrees about x.
    frame().M_Fn_View_Main_Reset();
    const float s = std::sqrt(0.5f);
    C_Vector3f x, z;
    frame().M_Fn_Get_R().M_Fn_Transform_Point({1, 0, 0}, x);
    frame().M_Fn_Get_R().M_Fn_Transform_Point({0, 0, 1}, z);
    G_Fn_Expect_Near(z, {0.0f, 0.8660254f, 0.5f}, 1e-5f, "reset z");
    G_Fn_Expect_Near(x, {s, s * 0.5f, -s * 0.8660254f}, 1e-5f, "reset x");

    // Axis views: which model axis points to the screen's right and which up.
    struct C_Case {
        void (C_Mgr_Frame::*m_Fn)();
        C_Vector3f m_Right, m_Up;
        const char* m_Name;
    };
    const std::vector<C_Case> cases = {
        {&C_Mgr_Frame::M_Fn_View_Main_Preset_XY, {1, 0, 0}, {0, 1, 0}, "XY"},
        {&C_Mgr_Frame::M_Fn_View_Main_Preset_YX, {-1, 0, 0}, {0, 1, 0}, "YX"},
        {&C_Mgr_Frame::M_Fn_View_Main_Preset_ZX, {-1, 0, 0}, {0, 0, 1}, "ZX"},
        {&C_Mgr_Frame::M_Fn_View_Main_Preset_XZ, {1, 0, 0}, {0, 0, 1}, "XZ"},
        {&C_Mgr_Frame::M_Fn_View_Main_Preset_YZ, {0, 1, 0}, {0, 0, 1}, "YZ"},
        {&C_Mgr_Frame::M_Fn_View_Main_Preset_ZY, {0, -1, 0}, {0, 0, 1}, "ZY"},
    };
    for (const C_Case& c : cases) {
        (frame().*c.m_Fn)();
        C_Vector3f right, up;
        frame().M_Fn_Get_R().M_Fn_Transform_Point(c.m_Right, right);
        frame().M_Fn_Get_R().M_Fn_Transform_Point(c.m_Up, up);
        G_Fn_Expect_Near(right, {1, 0, 0}, 1e-5f, c.m_Name);
        G_Fn_Expect_Near(up, {0, 1, 0}, 1e-5f, c.m_Name);
    }
    // Looking down -z at zoom 2: the view direction is -z of length 1/2.
    frame().M_Fn_View_Main_Preset_XY();
    M_Fn_Step(256, 256);
    frame().M_Fn_View_Main_Mouse_Scale();
    G_Fn_Expect_Near(frame().M_Fn_View_Main_Get_Dir_View(), {0, 0, -0.5f}, 1e-6f, "direction");
}

TEST_F(C_Mgr_Frame_Test, SetCenterRotateKeepsEveryPointOnItsPixel)
{
    frame().M_Fn_Box_Set({-3, -1, 0}, {5, 2, 4});
    frame().M_Fn_View_Main_Reset();
    // A camera with rotation, zoom and pan of its own.
    M_Fn_Step(37, -12);
    frame().M_Fn_View_Main_Mouse_Rotate();
    M_Fn_Step(30, 10);
    frame().M_Fn_View_Main_Mouse_Scale();
    M_Fn_Step(-17, 23);
    frame().M_Fn_View_Main_Mouse_Translate();
    const std::vector<C_Vector3f> points = {{0, 0, 0}, {5, 2, 4}, {-3, -1, 0}, {1.5f, -7, 2}, {10, 10, -10}};
    for (const C_Vector3f& centre : std::vector<C_Vector3f>{{1, 2, 3}, {-4, 0.5f, 8}, {0, 0, 0}}) {
        std::vector<C_Vector3f> before;
        for (const C_Vector3f& p : points)
            before.push_back(M_Fn_Eye(p));
        frame().M_Fn_View_Main_Set_Center_Rotate(centre);
        for (std::size_t i = 0; i < points.size(); ++i)
            G_Fn_Expect_Near(M_Fn_Eye(points[i]), before[i], 1e-3f, "pixel kept");
        // The new centre is where W puts the origin of rotation, so rotations turn about it.
        const C_Vector3f eye = M_Fn_Eye(centre);
        const C_Mgr_Frame::C_Matrix4f& w = frame().M_Fn_Get_W();
        G_Fn_Expect_Near(eye, {w.m_Data[12], w.m_Data[13], w.m_Data[14]}, 1e-3f, "centre");
        M_Fn_Step(-40, 25);
        frame().M_Fn_View_Main_Mouse_Rotate();
        G_Fn_Expect_Near(M_Fn_Eye(centre), eye, 1e-3f, "centre stays while rotating");
    }
    // Centre View brings the rotation centre back to the middle of the view at the same zoom.
    const float zoom = frame().M_Fn_Get_Zoom();
    frame().M_Fn_View_Main_Center();
    const C_Vector3f eye = M_Fn_Eye(frame().M_Fn_Get_Center_Rotate());
    EXPECT_NEAR(eye.x, 0.0f, 1e-4f);
    EXPECT_NEAR(eye.y, 0.0f, 1e-4f);
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), zoom);
}

TEST_F(C_Mgr_Frame_Test, AdjustFitsTheBoxAndDragsFollowTheCursor)
{
    M_Fn_View();
    // Fit radius 50; a box from 0 to 40 along x seen from the origin reaches 20 + 20.
    frame().M_Fn_Box_Set({0, 0, 0}, {40, 0, 0});
    frame().M_Fn_View_Main_Adjust();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 1.25f);
    // The same box seen from its own centre reaches 20: zoom 2.5.
    frame().M_Fn_Center_Set({-20, 0, 0});
    frame().M_Fn_View_Main_Adjust();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 2.5f);
    // A point box at the centre: zoom 1. A tiny box fits as well: it reaches 0.05 + 0.05 from the
    // centre, so 50 / 0.1, far above the 16 that would hold a box of unit size.
    frame().M_Fn_Box_Set({20, 0, 0}, {20, 0, 0});
    frame().M_Fn_View_Main_Adjust();
    EXPECT_EQ(frame().M_Fn_Get_Zoom(), 1.0f);
    frame().M_Fn_Box_Set({20, 0, 0}, {20.1f, 0, 0});
    frame().M_Fn_View_Main_Adjust();
    EXPECT_NEAR(frame().M_Fn_Get_Zoom(), 500.0f, 0.01f);
    // Markers keep their size on screen: fit radius * 0.005 / zoom.
    EXPECT_NEAR(frame().M_Fn_Marker_Size(), 50 * 0.005f / 500, 1e-7f);

    // Translate: the image follows the cursor, one unit per pixel.
    frame().M_Fn_View_Main_Preset_XY();
    const C_Vector3f p0 = M_Fn_Eye({1, 1, 1});
    M_Fn_Step(7, -3);
    frame().M_Fn_View_Main_Mouse_Translate();
    G_Fn_Expect_Near(M_Fn_Eye({1, 1, 1}), {p0.x + 7, p0.y - 3, p0.z}, 1e-4f, "translate");
    // A rotate drag that ends where it began leaves R as it was.
    const C_Mgr_Frame::C_Matrix4f r = frame().M_Fn_Get_R();
    M_Fn_Step(0, 0);
    frame().M_Fn_View_Main_Mouse_Rotate();
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(frame().M_Fn_Get_R().m_Data[i], r.m_Data[i], 1e-6f);
    // Dragging right from the rotation centre turns about the screen's y axis by 0.25 degrees per
    // pixel: 360 pixels make a quarter turn, model +x then points into the screen.
    frame().M_Fn_View_Main_Center();
    frame().m_Pos_Prev = {100, 50};
    frame().m_Pos_Cur = {460, 50};
    frame().M_Fn_View_Main_Mouse_Rotate();
    C_Vector3f x;
    frame().M_Fn_Get_R().M_Fn_Transform_Point({1, 0, 0}, x);
    G_Fn_Expect_Near(x, {0, 0, -1}, 1e-4f, "quarter turn");
}

TEST_F(C_Mgr_Frame_Test, ModelsSetTheBoxAndTheCentre)
{
    const char* const deck_a = "BEGIN BULK\nGRID,1,,0.,0.,0.\nGRID,2,,1.,1.,1.\nGRID,3,,1.,0.,0.\n"
                               "CTRIA3,1,1,1,2,3\nPSHELL,1,1,1.\nMAT1,1,2.+5,,.3\nENDDATA\n";
    const char* const deck_b = "BEGIN BULK\nGRID,1,,-1.,2.,.5\nGRID,2,,.5,3.,.5\nGRID,3,,0.,2.5,.5\n"
                               "CTRIA3,1,1,1,2,3\nPSHELL,1,1,1.\nMAT1,1,2.+5,,.3\nENDDATA\n";
    // No model: centre at zero.
    m_Proj.M_Fn_D_Model_On_Updated_Post();
    G_Fn_Expect_Near(frame().M_Fn_Get_Center_Rotate(), {0, 0, 0}, 0.0f, "no model");
    ASSERT_EQ(M_Fn_Import(deck_a), 1u);
    G_Fn_Expect_Near(frame().M_Fn_Get_Center_Rotate(), {0.5f, 0.5f, 0.5f}, 0.0f, "one model");
    ASSERT_EQ(M_Fn_Import(deck_b), 2u);
    // Box (-1, 0, 0)-(1, 3, 1): the view centre t = (0, -1.5, -0.5), the rotation centre -t.
    G_Fn_Expect_Near(frame().M_Fn_Get_Center_Rotate(), {0, 1.5f, 0.5f}, 0.0f, "two models");
    // Reset with it: R as the standard orientation; the zoom fits radius 1 to the box.
    C_Vector3f z;
    frame().M_Fn_Get_R().M_Fn_Transform_Point({0, 0, 1}, z);
    G_Fn_Expect_Near(z, {0.0f, 0.8660254f, 0.5f}, 1e-5f, "reset");
    EXPECT_NEAR(frame().M_Fn_Get_Zoom(), 1.0f / (0.5f * std::sqrt(14.0f)), 1e-5f);
    // Undoing the second import brings the first box back.
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    G_Fn_Expect_Near(frame().M_Fn_Get_Center_Rotate(), {0.5f, 0.5f, 0.5f}, 0.0f, "undone");
}

TEST_F(C_Mgr_Frame_Test, DisplayModeResolution)
{
    // The automatic pair of every task state.
    struct C_Case {
        std::uint32_t m_Id, m_Model, m_Sect;
    };
    const std::vector<C_Case> tasks = {
        {10, 5, 2}, {11, 5, 2}, {12, 5, 2}, {13, 5, 2}, {14, 5, 2}, {17, 5, 2}, {18, 5, 2}, {19, 5, 2},
        {15, 4, 3}, {16, 4, 2}, {20, 4, 2}, {22, 4, 2}, {21, 2, 4}, {23, 2, 4}, {25, 2, 4}, {27, 2, 4},
        {24, 3, 4}, {26, 3, 4}, {28, 0, 0}, {29, 0, 0}, {30, 0, 0}, {3, 0, 0}, {1024, 0, 0},
    };
    for (const C_Case& c : tasks) {
        std::uint32_t model = 99, sect = 99;
        frame().M_Fn_Disp_Auto_Get(c.m_Id, model, sect);
        EXPECT_EQ(model, c.m_Model) << "state " << c.m_Id;
        EXPECT_EQ(sect, c.m_Sect) << "state " << c.m_Id;
    }
    // The idle state by the selection mode.
    const std::vector<C_Case> idle = {{0, 0, 0}, {1, 5, 2}, {2, 5, 2}, {3, 0, 0}, {4, 0, 0},
                                      {5, 4, 2}, {6, 5, 2}, {7, 5, 4}, {8, 5, 4}};
    for (const C_Case& c : idle) {
        m_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, false, false, false, c.m_Id, L"");
        std::uint32_t model = 99, sect = 99;
        frame().M_Fn_Disp_Auto_Get(E::E_Id_Task_Idle, model, sect);
        EXPECT_EQ(model, c.m_Model) << "mode " << c.m_Id;
        EXPECT_EQ(sect, c.m_Sect) << "mode " << c.m_Id;
        // With the chosen modes on Auto the effective modes are the pair itself.
        EXPECT_EQ(frame().M_Fn_Get_Disp_Model(), c.m_Model);
        EXPECT_EQ(frame().M_Fn_Get_Disp_Sect(), c.m_Sect);
    }
    // Two models: the models mode hides the sections.
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_2), 1u);
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_2), 2u);
    m_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, false, false, false, 7, L"");
    EXPECT_EQ(frame().M_Fn_Get_Disp_Sect(), 2u);

    // The chosen modes: sections as geometry or elements hide the models; models as grid, mesh or
    // shade show the sections as planes; the automatic words change with a signal each.
    N_Biz::N_Config::C_Config& config = *m_App.app().m_sp_Config;
    std::vector<int> codes;
    config.M_Fn_Signal().connect([&](N_Biz::N_Config::C_Config&, N_Biz::N_Config::E_Signal i_Code) { codes.push_back(i_Code); });
    m_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, true, true, true, 6, L"");
    EXPECT_EQ(config.M_Fn_Data().m_Model_Disp_Auto, 5);
    EXPECT_EQ(config.M_Fn_Data().m_Sect_Disp_Auto, 2);
    codes.clear();
    config.M_Fn_Data().m_Sect_Disp = 4;
    frame().M_Fn_Config_Disp_Update();
    EXPECT_EQ(frame().M_Fn_Get_Disp_Model(), 2u);
    EXPECT_EQ(frame().M_Fn_Get_Disp_Sect(), 4u);
    EXPECT_EQ(config.M_Fn_Data().m_Model_Disp_Auto, 2);
    EXPECT_EQ(codes, (std::vector<int>{6}));
    config.M_Fn_Data().m_Sect_Disp = 1;
    config.M_Fn_Data().m_Model_Disp = 3;
    codes.clear();
    frame().M_Fn_Config_Disp_Update();
    EXPECT_EQ(frame().M_Fn_Get_Disp_Model(), 3u);
    EXPECT_EQ(frame().M_Fn_Get_Disp_Sect(), 3u);
    EXPECT_EQ(config.M_Fn_Data().m_Model_Disp_Auto, 5);
    EXPECT_EQ(config.M_Fn_Data().m_Sect_Disp_Auto, 3);
    EXPECT_EQ(codes, (std::vector<int>{6, 6}));
    codes.clear();
    frame().M_Fn_Config_Disp_Update();
    EXPECT_TRUE(codes.empty());
}

TEST_F(C_Mgr_Frame_Test, TheWindowIsReachedThroughThePort)
{
    C_App_Port_Record& port = m_App.port();
    // No view: nothing to invalidate, nothing to close, no second view, no view to forget.
    frame().M_Fn_View_Main_Redraw();
    EXPECT_EQ(port.m_View_Proj_Invalidates, 0);
    frame().M_Fn_Frame_Close();
    EXPECT_TRUE(port.M_Fn_Texts(L"frame_proj_close").empty());
    EXPECT_THROW(frame().M_Fn_View_Main_On_Destroy(), C_Exception);
    EXPECT_THROW(frame().M_Fn_View_Main_On_Create(nullptr), C_Exception);
    // Opening asks the port for a frame: none made is an error, one made resets the camera.
    EXPECT_THROW(frame().M_Fn_Frame_Open(), C_Exception);
    port.m_Frame_Proj_Open = 1;
    frame().M_Fn_Frame_Open();
    EXPECT_EQ(port.M_Fn_Texts(L"frame_proj_open").size(), 2u);
    C_Vector3f z;
    frame().M_Fn_Get_R().M_Fn_Transform_Point({0, 0, 1}, z);
    EXPECT_NEAR(z.y, 0.8660254f, 1e-5f);

    M_Fn_View();
    EXPECT_THROW(frame().M_Fn_View_Main_On_Create(&m_View), C_Exception);
    // With a view every camera change and data change invalidates it...
    int count = port.m_View_Proj_Invalidates;
    frame().M_Fn_View_Main_Center();
    EXPECT_EQ(port.m_View_Proj_Invalidates, ++count);
    m_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Clear();
    EXPECT_EQ(port.m_View_Proj_Invalidates, ++count);
    // ... unless drawing is frozen; a display toggle on a frozen view still toggles.
    frame().m_Flags |= C_Mgr_Frame::E_Flag_Frozen;
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Disp_Print_Mode();
    frame().M_Fn_View_Main_Reset();
    EXPECT_EQ(port.m_View_Proj_Invalidates, count);
    EXPECT_EQ(m_App.app().m_sp_Config->M_Fn_Data().m_Print_Mode, 1);
    frame().m_Flags = 0;
    // From another thread the invalidation waits for the interface thread.
    std::thread([&] { frame().M_Fn_View_Main_Invalidate(); }).join();
    EXPECT_EQ(port.m_View_Proj_Invalidates, count);
    EXPECT_EQ(m_App.app().M_Fn_UI_Queue_Run(), 1);
    EXPECT_EQ(port.m_View_Proj_Invalidates, ++count);

    // Closing goes to the port's frame; a view without a frame is an error.
    frame().M_Fn_Frame_Close();
    EXPECT_EQ(port.M_Fn_Texts(L"frame_proj_close").size(), 1u);
    port.m_Frame_Proj_Close = false;
    EXPECT_THROW(frame().M_Fn_Frame_Close(), C_Exception);
    port.m_Frame_Proj_Close = true;
    // Opening with a view does nothing.
    frame().M_Fn_Frame_Open();
    EXPECT_EQ(port.M_Fn_Texts(L"frame_proj_open").size(), 2u);
    frame().M_Fn_View_Main_On_Destroy();
    EXPECT_EQ(frame().M_Fn_Get_View(), nullptr);
    frame().M_Fn_View_Main_Redraw();
    EXPECT_EQ(port.m_View_Proj_Invalidates, count);
}
