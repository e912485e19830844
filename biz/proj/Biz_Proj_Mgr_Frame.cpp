#include "biz/proj/Biz_Proj_Mgr_Frame.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/input/Biz_Input.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_GL_Stack_Guard.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "common/Common_Exception.h"
#include "common/Common_Math_Quaternion.h"
#include "common/Common_Math_Zoom.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

namespace N_Biz::N_Proj {

namespace {

using N_Common::N_Math::C_Quaternion;
using N_Input::C_Input;
using C_Vector3f = C_Mgr_Frame::C_Vector3f;
using C_Matrix4f = C_Mgr_Frame::C_Matrix4f;

// The quaternion of a rotation by twice the half angle i_Half about the unit axis (x, y, z).
C_Quaternion<float> G_Fn_Quaternion(float i_Half, float i_X, float i_Y, float i_Z)
{
    const float s = std::sin(i_Half);
    return C_Quaternion<float>(std::cos(i_Half), i_X * s, i_Y * s, i_Z * s);
}

// The quarter turn about x that makes model z point up the screen.
constexpr float K_Half_Quarter = 0.785398f;

// i_Base to the integer power i_Exp by squaring; a negative exponent gives the reciprocal.
float G_Fn_Power(float i_Base, long i_Exp)
{
    unsigned long e = i_Exp < 0 ? 0ul - static_cast<unsigned long>(i_Exp) : static_cast<unsigned long>(i_Exp);
    float result = 1.0f;
    float base = i_Base;
    while (e) {
        if (e & 1ul)
            result *= base;
        base *= base;
        e >>= 1;
    }
    return i_Exp < 0 ? 1.0f / result : result;
}

N_Biz::N_Config::C_Config* G_Fn_Config()
{
    C_App* p_app = C_App::S_Fn_Get();
    return p_app ? p_app->m_sp_Config.get() : nullptr;
}

} // namespace

C_Mgr_Frame::C_Mgr_Frame(C_Proj* i_p_Proj) : m_Light(0), m_p_Proj(i_p_Proj) {}

// --- frame and view window ---------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_Frame_Open()
{
    if (m_p_View)
        return;
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || p_app->M_Fn_Port().M_Fn_Frame_Proj_Open() != 1)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_Frame_Open");
    M_Fn_View_Main_Reset();
}

void C_Mgr_Frame::M_Fn_Frame_Close()
{
    if (!m_p_View)
        return;
    C_App* p_app = C_App::S_Fn_Get();
    if (p_app && !p_app->M_Fn_Port().M_Fn_Frame_Proj_Close())
        VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_Frame_Close");
}

void C_Mgr_Frame::M_Fn_View_Main_On_Create(void* i_p_View)
{
    if (!i_p_View || m_p_View)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_On_Create");
    static const float s_Ambient_Model[4] = {0.2f, 0.2f, 0.2f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, s_Ambient_Model);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_FALSE);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SINGLE_COLOR);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const float ambient[4] = {0.125f, 0.125f, 0.125f, 1.0f};
    const float diffuse[4] = {0.625f, 0.625f, 0.625f, 1.0f};
    const float position[4] = {0.0f, 0.0f, 1.0f, 0.0f};
    std::copy(ambient, ambient + 4, m_Light.m_Ambient);
    std::copy(diffuse, diffuse + 4, m_Light.m_Diffuse);
    std::copy(position, position + 4, m_Light.m_Position);
    m_Light.M_Fn_Apply();
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_RESCALE_NORMAL);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnable(GL_POINT_SMOOTH);
    glHint(GL_POINT_SMOOTH_HINT, GL_FASTEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_DEPTH_TEST);
    m_p_View = i_p_View;
}

void C_Mgr_Frame::M_Fn_View_Main_On_Destroy()
{
    if (!m_p_View)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_On_Destroy");
    m_p_View = nullptr;
}

void C_Mgr_Frame::M_Fn_View_Main_On_Size(std::int32_t i_Width, std::int32_t i_Height)
{
    if (i_Width <= 0 || i_Height <= 0)
        return;
    m_Width = i_Width;
    m_Height = i_Height;
    m_Half_Width = float(i_Width) / 2.0f;
    m_Half_Height = float(i_Height) / 2.0f;
    m_Fit_Radius = 0.5f * float(std::min(i_Width, i_Height));
    glViewport(0, 0, i_Width, i_Height);
    glGetIntegerv(GL_VIEWPORT, m_Viewport);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const double d = (double(m_Half_Width) + double(m_Half_Height)) * 16.0;
    glOrtho(-m_Half_Width, m_Half_Width, -m_Half_Height, m_Half_Height, -d, d);
    glGetFloatv(GL_PROJECTION_MATRIX, m_P.m_Data);
    glMatrixMode(GL_MODELVIEW);
    m_Text_Origin[0] = 20.0f - m_Half_Width;
    m_Text_Origin[1] = m_Half_Height - 30.0f;
    m_Triad_Origin[0] = m_Half_Width - 80.0f;
    m_Triad_Origin[1] = m_Half_Height - 80.0f;
    m_Triad_Origin[2] = 0.0f;
}

void C_Mgr_Frame::M_Fn_View_Main_On_Input(const std::shared_ptr<C_Input>& ro_sp_Input)
{
    if (!ro_sp_Input)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_On_Input");
    // A dialog that a task runs from inside the machine (the card dialogs) lets the window deliver
    // input while the machine is still processing. Such input is dropped: queued, it would run its
    // picks after the dialog against positions and a rendering context that are no longer its own.
    if (m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Busy())
        return;
    // A press or release where no move brought the cursor: its move first, so that the picks and
    // gesture steps run at the button's position and not where the last move left the cursor.
    if (const std::shared_ptr<C_Input> sp_move = C_Input::S_Fn_Move_Implied(*ro_sp_Input, m_Pos_Cur.x, m_Pos_Cur.y))
        M_Fn_View_Main_On_Input(sp_move);
    const C_Input& input = *ro_sp_Input;
    const C_Pos pos{input.m_X, input.m_Y};
    switch (input.m_Kind) {
    case N_Input::E_Kind_Left_Down: m_Pos_Left_Down = pos; break;
    case N_Input::E_Kind_Right_Down: m_Pos_Right_Down = pos; break;
    case N_Input::E_Kind_Middle_Down: m_Pos_Middle_Down = pos; break;
    case N_Input::E_Kind_Move: m_Pos_Cur = pos; break;
    case N_Input::E_Kind_Enter: m_Pos_Prev = pos; break;
    default: break;
    }
    m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Post_View_Main_On_Input(ro_sp_Input);
    if (input.m_Kind == N_Input::E_Kind_Wheel)
        M_Fn_View_Main_Wheel(input);
    else if (input.m_Kind == N_Input::E_Kind_Move)
        m_Pos_Prev = m_Pos_Cur;
}

// --- invalidation ----------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Invalidate()
{
    if ((m_Flags & E_Flag_Frozen) || !m_p_View)
        return;
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app)
        return;
    // The import worker changes the models too: its invalidation waits for the interface thread.
    p_app->M_Fn_UI_Post([p_app] { p_app->M_Fn_Port().M_Fn_View_Proj_Main_Invalidate(); });
}

// --- display modes ---------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_Disp_Auto_Get(std::uint32_t i_Id_Task, std::uint32_t& o_Model, std::uint32_t& o_Sect) const
{
    using E = N_State::C_Machine_Top;
    o_Model = E_Disp_None;
    o_Sect = E_Disp_None;
    auto set = [&](std::uint32_t i_Model, std::uint32_t i_Sect) {
        o_Model = i_Model;
        o_Sect = i_Sect;
    };
    switch (i_Id_Task) {
    case E::E_Id_Task_D_DB_C_M_Modify:
    case E::E_Id_Task_D_DB_C_P_Modify:
    case E::E_Id_Task_D_DB_C_P_Reconnect_C_S:
    case E::E_Id_Task_D_DB_C_P_Reconnect_C_M:
    case E::E_Id_Task_D_DB_C_P_Palette_Sel:
    case E::E_Id_Task_D_DB_E_Modify:
    case E::E_Id_Task_D_DB_E_Reconnect_C_P:
    case E::E_Id_Task_D_DB_E_P_Palette_Sel: set(E_Disp_Model_Shade, E_Disp_Hide); break;
    case E::E_Id_Task_D_DB_N_Set_Center: set(E_Disp_Model_Mesh, E_Disp_Sect_Plane); break;
    case E::E_Id_Task_D_DB_N_Modify:
    case E::E_Id_Task_D_Sect_Group_Create:
    case E::E_Id_Task_D_Sect_Group_Redirect_P_1: set(E_Disp_Model_Mesh, E_Disp_Hide); break;
    case E::E_Id_Task_D_Sect_Group_Redirect_P_0:
    case E::E_Id_Task_D_Sect_Individual_Insert_P_0:
    case E::E_Id_Task_D_Sect_Individual_Move_P_0:
    case E::E_Id_Task_D_Sect_Individual_Delete: set(E_Disp_Hide, E_Disp_Sect_Geometry); break;
    case E::E_Id_Task_D_Sect_Individual_Insert_P_1:
    case E::E_Id_Task_D_Sect_Individual_Move_P_1: set(E_Disp_Model_Grid, E_Disp_Sect_Geometry); break;
    case E::E_Id_Task_Idle:
        switch (m_p_Proj->M_Fn_Get_Mgr_Sel().M_Fn_Get_Mode()) {
        case 1:
        case 2:
        case 6: set(E_Disp_Model_Shade, E_Disp_Hide); break;
        case 5: set(E_Disp_Model_Mesh, E_Disp_Hide); break;
        case 7: {
            const C_Mgr_D_Model::T_Table& models = m_p_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
            const std::size_t count = models.size() - models.free_count() - 1;
            set(E_Disp_Model_Shade, count >= 2 ? E_Disp_Hide : E_Disp_Sect_Geometry);
            break;
        }
        case 8: {
            bool several = false;
            const C_Mgr_D_Sect::T_Groups& groups = m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups();
            for (std::uint32_t g = 1; g < groups.size(); ++g) {
                if (!groups.is_used_at(g))
                    continue;
                const C_Mgr_D_Sect::T_sp_Group& sp_group = groups.at(g);
                if (!sp_group)
                    VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_Config_Disp_Update");
                if (sp_group->m_Sects.size() - sp_group->m_Sects.free_count() - 1 > 1)
                    several = true;
            }
            set(several ? E_Disp_Hide : E_Disp_Model_Shade, E_Disp_Sect_Geometry);
            break;
        }
        default: break; // no selection mode, screen positions, nodes and positions
        }
        break;
    default: break;
    }
}

void C_Mgr_Frame::M_Fn_Config_Disp_Update()
{
    N_Biz::N_Config::C_Config* p_config = G_Fn_Config();
    if (!p_config)
        return;
    N_Biz::N_Config::C_Config_Data& data = p_config->M_Fn_Data();
    std::uint32_t auto_model = 0, auto_sect = 0;
    M_Fn_Disp_Auto_Get(m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(
                           N_State::C_Machine_Top::E_Region_Task),
                       auto_model, auto_sect);
    // Sections shown as geometry or elements hide the models, ...
    if (data.m_Sect_Disp == 4 || data.m_Sect_Disp == 5)
        auto_model = E_Disp_Hide;
    if (std::int32_t(auto_model) != data.m_Model_Disp_Auto) {
        data.m_Model_Disp_Auto = std::int32_t(auto_model);
        p_config->M_Fn_Notify(N_Biz::N_Config::E_Signal_Proj_Disp);
    }
    m_Disp_Model = data.m_Model_Disp == E_Disp_Auto ? auto_model : std::uint32_t(data.m_Model_Disp);
    // ... and a model shown as grid, mesh or shade shows the sections as planes.
    if (data.m_Model_Disp == 3 || data.m_Model_Disp == 4 || data.m_Model_Disp == 5)
        auto_sect = E_Disp_Sect_Plane;
    if (std::int32_t(auto_sect) != data.m_Sect_Disp_Auto) {
        data.m_Sect_Disp_Auto = std::int32_t(auto_sect);
        p_config->M_Fn_Notify(N_Biz::N_Config::E_Signal_Proj_Disp);
    }
    m_Disp_Sect = data.m_Sect_Disp == E_Disp_Auto ? auto_sect : std::uint32_t(data.m_Sect_Disp);
    M_Fn_View_Main_Invalidate();
}

// --- camera ------------------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_Box_Set(const C_Vector3f& ro_Min, const C_Vector3f& ro_Max)
{
    m_Box_Min = ro_Min;
    m_Box_Max = ro_Max;
}

C_Matrix4f C_Mgr_Frame::M_Fn_Get_Modelview() const
{
    C_Matrix4f m = m_W;
    m.M_Fn_Mul(m_R);
    m.M_Fn_Translate(-m_Center_Rotate.x, -m_Center_Rotate.y, -m_Center_Rotate.z);
    return m;
}

float C_Mgr_Frame::M_Fn_Marker_Size() const
{
    return m_Fit_Radius * 0.004999999888f / m_Zoom;
}

void C_Mgr_Frame::M_Fn_View_Main_Reset()
{
    m_R.M_Fn_Asgn_Rotate_Quaternion(G_Fn_Quaternion(K_Half_Quarter, -1.0f, 0.0f, 0.0f));
    m_R.M_Fn_Rotate_Quaternion_Pre(G_Fn_Quaternion(0.392699f, 0.0f, 1.0f, 0.0f));
    m_R.M_Fn_Rotate_Quaternion_Pre(G_Fn_Quaternion(0.261799f, 1.0f, 0.0f, 0.0f));
    M_Fn_View_Main_Adjust();
    M_Fn_View_Main_Invalidate();
}

float C_Mgr_Frame::M_Fn_Zoom_Fit_Get() const
{
    const C_Vector3f s(m_Box_Max.x - m_Box_Min.x, m_Box_Max.y - m_Box_Min.y, m_Box_Max.z - m_Box_Min.z);
    // The box centre seen from the rotation centre: m + t = m - c.
    const C_Vector3f m((m_Box_Max.x + m_Box_Min.x) / 2.0f - m_Center_Rotate.x,
                       (m_Box_Max.y + m_Box_Min.y) / 2.0f - m_Center_Rotate.y,
                       (m_Box_Max.z + m_Box_Min.z) / 2.0f - m_Center_Rotate.z);
    return N_Common::N_Math::G_Fn_Zoom_Fit(m_Fit_Radius, m.M_Fn_Length() + s.M_Fn_Length() / 2.0f);
}

void C_Mgr_Frame::M_Fn_Zoom_Bounds_Get(float& o_Min, float& o_Max) const
{
    N_Common::N_Math::G_Fn_Zoom_Bounds(M_Fn_Zoom_Fit_Get(), S_Zoom_Min, S_Zoom_Max, o_Min, o_Max);
}

void C_Mgr_Frame::M_Fn_View_Main_Adjust()
{
    // The bounds are made around this zoom, so it always lies within them.
    const float f = M_Fn_Zoom_Fit_Get();
    m_Zoom = f;
    m_W = C_Matrix4f();
    m_W.m_Data[0] = m_W.m_Data[5] = m_W.m_Data[10] = f;
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Center()
{
    m_W.M_Fn_Translate_Pre(-m_W.m_Data[12], -m_W.m_Data[13], -m_W.m_Data[14]);
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Preset_XY()
{
    m_R = C_Matrix4f();
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Preset_YX()
{
    m_R.M_Fn_Asgn_Rotate_Quaternion(G_Fn_Quaternion(1.570797f, 0.0f, 1.0f, 0.0f));
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Preset_ZX()
{
    m_R.M_Fn_Asgn_Rotate_Quaternion(G_Fn_Quaternion(K_Half_Quarter, -1.0f, 0.0f, 0.0f));
    m_R.M_Fn_Rotate_Quaternion_Pre(G_Fn_Quaternion(1.570797f, 0.0f, 1.0f, 0.0f));
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Preset_XZ()
{
    m_R.M_Fn_Asgn_Rotate_Quaternion(G_Fn_Quaternion(K_Half_Quarter, -1.0f, 0.0f, 0.0f));
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Preset_YZ()
{
    m_R.M_Fn_Asgn_Rotate_Quaternion(G_Fn_Quaternion(K_Half_Quarter, -1.0f, 0.0f, 0.0f));
    m_R.M_Fn_Rotate_Quaternion_Pre(G_Fn_Quaternion(2.356195f, 0.0f, 1.0f, 0.0f));
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Preset_ZY()
{
    m_R.M_Fn_Asgn_Rotate_Quaternion(G_Fn_Quaternion(K_Half_Quarter, -1.0f, 0.0f, 0.0f));
    m_R.M_Fn_Rotate_Quaternion_Pre(G_Fn_Quaternion(K_Half_Quarter, 0.0f, 1.0f, 0.0f));
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Set_Center_Rotate(const C_Vector3f& ro_Point)
{
    // W R T(t) = W (R T(d) R^-1) R T(-p) with d = t + p: the image stays, the centre moves to p.
    const C_Vector3f d(ro_Point.x - m_Center_Rotate.x, ro_Point.y - m_Center_Rotate.y, ro_Point.z - m_Center_Rotate.z);
    C_Matrix4f l = m_R;
    l.M_Fn_Translate(d.x, d.y, d.z);
    C_Matrix4f r_inverse;
    m_R.M_Fn_Invert(r_inverse);
    l.M_Fn_Mul(r_inverse);
    m_W.M_Fn_Mul(l);
    m_Center_Rotate = ro_Point;
    M_Fn_View_Main_Invalidate();
}

C_Vector3f C_Mgr_Frame::M_Fn_View_Main_Get_Dir_View() const
{
    C_Matrix4f inverse;
    M_Fn_Get_Modelview().M_Fn_Invert(inverse);
    C_Vector3f a, b;
    inverse.M_Fn_Transform_Point(C_Vector3f(0.0f, 0.0f, -1.0f), a);
    inverse.M_Fn_Transform_Point(C_Vector3f(0.0f, 0.0f, 0.0f), b);
    return C_Vector3f(a.x - b.x, a.y - b.y, a.z - b.z);
}

void C_Mgr_Frame::M_Fn_Zoom_By(float i_Factor)
{
    float lo = S_Zoom_Min, hi = S_Zoom_Max;
    M_Fn_Zoom_Bounds_Get(lo, hi);
    if (!N_Common::N_Math::G_Fn_Zoom_Step_Allowed(m_Zoom, i_Factor, lo, hi))
        return;
    m_Zoom *= i_Factor;
    m_W.M_Fn_Scale_Pre(i_Factor, i_Factor, i_Factor);
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Wheel(const C_Input& ro_Input)
{
    if (!(ro_Input.m_Flags & (N_Input::E_Flag_Shift | N_Input::E_Flag_Ctrl)))
        return;
    // The wheel turn in whole degrees: 15 per notch. Rounded, not truncated, so that a notch whose
    // angle came out a hair short of 15 degrees in float is still exactly one notch.
    const float degrees = ro_Input.m_Wheel_Angle * 57.29578f;
    if (!std::isfinite(degrees))
        return;
    const long n = std::lround(std::clamp(degrees, -1.0e6f, 1.0e6f));
    M_Fn_Zoom_By(G_Fn_Power(1.01f, n));
}

// --- gestures ------------------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Scale()
{
    m_p_Proj->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P0_Clear();
    const std::int64_t sum = (std::int64_t(m_Pos_Cur.x) - m_Pos_Prev.x) + (std::int64_t(m_Pos_Cur.y) - m_Pos_Prev.y);
    M_Fn_Zoom_By(float(double(sum) / 512.0 + 1.0));
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Translate()
{
    m_p_Proj->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P0_Clear();
    m_W.M_Fn_Translate_Pre(float(std::int64_t(m_Pos_Cur.x) - m_Pos_Prev.x),
                           float(std::int64_t(m_Pos_Cur.y) - m_Pos_Prev.y), 0.0f);
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_Rotate_By_Screen(float i_Dx, float i_Dy)
{
    if (std::fabs(i_Dx) < 1e-6f && std::fabs(i_Dy) < 1e-6f)
        return;
    C_Vector3f axis(-i_Dy, i_Dx, 0.0f);
    const float length = axis.M_Fn_Length();
    axis.M_Fn_Normalize_Nonzero();
    const float half = length * 0.25f * 0.0174533f * 0.5f;
    m_R.M_Fn_Rotate_Quaternion_Pre(G_Fn_Quaternion(half, axis.x, axis.y, axis.z));
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Rotate()
{
    m_p_Proj->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P0_Clear();
    // The rotation centre's pixel: the view's centre moved by W's translation of the origin.
    const float cx = m_Half_Width + m_W.m_Data[12];
    const float cy = m_Half_Height + m_W.m_Data[13];
    M_Fn_Rotate_By_Screen(cx - float(m_Pos_Prev.x), cy - float(m_Pos_Prev.y));
    M_Fn_Rotate_By_Screen(float(m_Pos_Cur.x) - cx, float(m_Pos_Cur.y) - cy);
    M_Fn_View_Main_Invalidate();
}

// --- input states ------------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Picks_Run(const C_Input& ro_Input)
{
    M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag();
    m_p_Proj->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Update((ro_Input.m_Flags & N_Input::E_Flag_Shift) != 0,
                                                    (ro_Input.m_Flags & N_Input::E_Flag_Ctrl) != 0);
}

bool C_Mgr_Frame::M_Fn_View_Main_Input_Idle(const std::shared_ptr<C_Input>& ro_sp_Input)
{
    if (!ro_sp_Input)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_Input_Idle");
    if (ro_sp_Input->m_Kind == N_Input::E_Kind_Left_Up) {
        M_Fn_View_Main_Picks_Run(*ro_sp_Input);
    } else if (ro_sp_Input->m_Kind == N_Input::E_Kind_Move) {
        m_Flags = (m_Flags | E_Flag_Pick_Cover) & ~E_Flag_Pick_Drag;
        M_Fn_View_Main_Invalidate();
    }
    return false;
}

void C_Mgr_Frame::M_Fn_View_Main_Drag_Select_Begin()
{
    m_Flags = (m_Flags | E_Flag_Pick_Drag) & ~E_Flag_Pick_Cover;
    M_Fn_View_Main_Invalidate();
}

bool C_Mgr_Frame::M_Fn_View_Main_Input_Drag_Select(const std::shared_ptr<C_Input>& ro_sp_Input)
{
    if (!ro_sp_Input)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_Input_Drag_Select");
    switch (ro_sp_Input->m_Kind) {
    case N_Input::E_Kind_Left_Up: M_Fn_View_Main_Picks_Run(*ro_sp_Input); return true;
    case N_Input::E_Kind_Move: M_Fn_View_Main_Drag_Select_Begin(); return false;
    case N_Input::E_Kind_Leave: return true;
    default: return false;
    }
}

// --- picks ---------------------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover()
{
    if (!(m_Flags & E_Flag_Pick_Cover))
        return;
    m_Flags &= ~E_Flag_Pick_Cover;
    switch (m_p_Proj->M_Fn_Get_Mgr_Sel().M_Fn_Get_Mode()) {
    case 0:
    case 7: break;
    case 1:
    case 2:
    case 6: M_Fn_View_Main_Mouse_Sel_P0_Pick(1, 1, m_Pos_Cur, false); break;
    case 4:
        M_Fn_View_Main_Mouse_Sel_P0_Pick(15, 15, m_Pos_Cur, false);
        if (m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P0_Get().empty())
            M_Fn_View_Main_Mouse_Sel_P0_Position(m_Pos_Cur);
        break;
    case 5:
    case 8: M_Fn_View_Main_Mouse_Sel_P0_Pick(15, 15, m_Pos_Cur, false); break;
    case 3: M_Fn_View_Main_Mouse_Sel_P0_Position(m_Pos_Cur); break;
    default: VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover");
    }
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag()
{
    if (!(m_Flags & E_Flag_Pick_Drag))
        return;
    m_Flags &= ~E_Flag_Pick_Drag;
    switch (m_p_Proj->M_Fn_Get_Mgr_Sel().M_Fn_Get_Rect()) {
    case 0: {
        const std::int64_t x0 = m_Pos_Left_Down.x, y0 = m_Pos_Left_Down.y;
        const std::int64_t x1 = m_Pos_Cur.x, y1 = m_Pos_Cur.y;
        const C_Pos centre{std::int32_t((x0 + x1) / 2), std::int32_t((y0 + y1) / 2)};
        const std::int64_t w = std::max<std::int64_t>(x1 > x0 ? x1 - x0 : x0 - x1, 2);
        const std::int64_t h = std::max<std::int64_t>(y1 > y0 ? y1 - y0 : y0 - y1, 2);
        constexpr std::int64_t k_Max = 0x7FFFFFFF;
        M_Fn_View_Main_Mouse_Sel_P0_Pick(std::int32_t(std::min(w, k_Max)), std::int32_t(std::min(h, k_Max)), centre, true);
        break;
    }
    case 1: break;
    default: VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag");
    }
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Pick(std::int32_t i_Width, std::int32_t i_Height, const C_Pos& ro_Centre,
                                                   bool i_Rect)
{
    {
        const C_GL_Stack_Guard guard;
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        gluPickMatrix(GLdouble(ro_Centre.x), GLdouble(ro_Centre.y), GLdouble(i_Width), GLdouble(i_Height), m_Viewport);
        glMultMatrixf(m_P.m_Data);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glMultMatrixf(m_W.m_Data);
        glMultMatrixf(m_R.m_Data);
        glTranslatef(-m_Center_Rotate.x, -m_Center_Rotate.y, -m_Center_Rotate.z);
        m_p_Proj->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P0_Update(i_Rect);
        glPopMatrix();
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
    }
    M_Fn_View_Main_Invalidate();
}

void C_Mgr_Frame::M_Fn_View_Main_Mouse_Sel_P0_Position(const C_Pos& ro_Pos)
{
    // The depth of the rotation centre in eye space: W R applied to the origin.
    C_Matrix4f wr = m_W;
    wr.M_Fn_Mul(m_R);
    C_Vector3f centre;
    wr.M_Fn_Transform_Point(C_Vector3f(0.0f, 0.0f, 0.0f), centre);
    C_Matrix4f inverse;
    M_Fn_Get_Modelview().M_Fn_Invert(inverse);
    C_Vector3f position;
    inverse.M_Fn_Transform_Point(
        C_Vector3f(float(ro_Pos.x) - m_Half_Width, float(ro_Pos.y) - m_Half_Height, centre.z), position);
    auto& sel = m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
    sel.M_Fn_Sel_P0_Clear();
    sel.M_Fn_Sel_P0_Add(C_Handle_D_DB_N{0, 0, position});
    m_p_Proj->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P0_Desc_Update();
}

} // namespace N_Biz::N_Proj
