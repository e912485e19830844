// One frame of the project's three-dimensional view, in a fixed order: pending picks, clear,
// models, sections, selected nodes, the running task's preview, the rotation-centre marker, the
// cue of the active input state, the axis triad, and the prompt with the pick description.
#include "biz/proj/Biz_Proj_Mgr_Frame.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_GL_Stack_Guard.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "common/Common_Exception.h"
#include "common/Common_Graphic_OpenGL_Arrow.h"

#include <GL/gl.h>

#include <cmath>
#include <list>
#include <vector>

namespace N_Biz::N_Proj {

namespace {

using N_State::C_Machine_Top;

const N_Biz::N_Config::C_Config_Data* G_Fn_Config_Data()
{
    C_App* p_app = C_App::S_Fn_Get();
    return p_app && p_app->m_sp_Config ? &p_app->m_sp_Config->M_Fn_Data() : nullptr;
}

// Clears the frozen flag when the frame ends, however it ends.
class C_Frozen_Guard {
public:
    explicit C_Frozen_Guard(std::uint32_t& ro_Flags) : m_Flags(ro_Flags) { m_Flags |= C_Mgr_Frame::E_Flag_Frozen; }
    C_Frozen_Guard(const C_Frozen_Guard&) = delete;
    C_Frozen_Guard& operator=(const C_Frozen_Guard&) = delete;
    ~C_Frozen_Guard() { m_Flags &= ~C_Mgr_Frame::E_Flag_Frozen; }

private:
    std::uint32_t& m_Flags;
};

// Calls i_Fn(section) for every section of every group in slot order; an empty group or section
// pointer in an occupied slot throws C_Exception naming i_Function.
template <class F>
void G_Fn_Sects_Walk(const C_Mgr_D_Sect& ro_Mgr, const char* i_Function, F&& i_Fn)
{
    const C_Mgr_D_Sect::T_Groups& groups = ro_Mgr.M_Fn_Get_Groups();
    for (std::uint32_t g = 1; g < groups.size(); ++g) {
        if (!groups.is_used_at(g))
            continue;
        const C_Mgr_D_Sect::T_sp_Group& sp_group = groups.at(g);
        if (!sp_group)
            VT_THROW(i_Function);
        const C_D_Group_Sect::T_Sects& sects = sp_group->m_Sects;
        for (std::uint32_t s = 1; s < sects.size(); ++s) {
            if (!sects.is_used_at(s))
                continue;
            if (!sects.at(s))
                VT_THROW(i_Function);
            i_Fn(*sp_group, *sects.at(s));
        }
    }
}

} // namespace

void C_Mgr_Frame::M_Fn_View_Main_On_Draw()
{
    const C_Frozen_Guard frozen(m_Flags);
    const C_GL_Stack_Guard stacks;
    M_Fn_View_Main_Mouse_Sel_P0_Validate_Cover();
    M_Fn_View_Main_Mouse_Sel_P0_Validate_Drag();
    // The window's context is double-buffered and draws into its back buffer by default.
    const N_Biz::N_Config::C_Config_Data* p_config = G_Fn_Config_Data();
    if (p_config && p_config->m_Print_Mode)
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    else
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    // Only the models test depth, and a frame that failed among them may have left it on.
    glDisable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    M_Fn_View_Main_Draw_Obj();
    M_Fn_View_Main_Draw_Input();
    M_Fn_Draw_Axis_Triad();
    M_Fn_View_Main_Draw_Text();
}

void C_Mgr_Frame::M_Fn_View_Main_Draw_Obj()
{
    glPushMatrix();
    glMultMatrixf(m_W.m_Data);
    glMultMatrixf(m_R.m_Data);
    glPushMatrix();
    glTranslatef(-m_Center_Rotate.x, -m_Center_Rotate.y, -m_Center_Rotate.z);
    M_Fn_View_Main_Draw_Obj_Model();
    M_Fn_View_Main_Draw_Obj_Sect();
    M_Fn_View_Main_Draw_Obj_D_DB_N_Sel();
    M_Fn_View_Main_Draw_Obj_State();
    glPopMatrix();
    // The rotation centre, in the rotated frame that is not translated.
    glColor3f(0.5f, 0.5f, 1.0f);
    glPointSize(5.0f);
    glBegin(GL_POINTS);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glEnd();
    glPopMatrix();
}

void C_Mgr_Frame::M_Fn_View_Main_Draw_Obj_Model()
{
    const N_Biz::N_Config::C_Config_Data* p_config = G_Fn_Config_Data();
    const bool by_material = p_config && p_config->m_Color_By == 0;
    const bool edge = p_config && p_config->m_Show_Edge_Shade != 0;
    const C_Mgr_D_Model::T_Table& models = m_p_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
    glEnable(GL_DEPTH_TEST);
    for (std::uint32_t slot = 1; slot < models.size(); ++slot) {
        if (!models.is_used_at(slot))
            continue;
        if (!models.at(slot))
            VT_THROW("N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_Draw_Obj_Model");
        models.at(slot)->M_Fn_Draw(m_Disp_Model, by_material, edge);
    }
    glDisable(GL_DEPTH_TEST);
}

void C_Mgr_Frame::M_Fn_View_Main_Draw_Obj_Sect()
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_Draw_Obj_Sect";
    if (m_Disp_Sect == E_Disp_Hide)
        return;
    const C_Mgr_D_Sect& mgr = m_p_Proj->M_Fn_Get_Mgr_D_Sect();
    // The beam axes: one strip per group through the origins of its sections' planes, in slot
    // order (gathered first, so that a broken table stops the frame before anything is drawn).
    std::vector<std::vector<C_Vector3f>> strips;
    const C_D_Group_Sect* p_group_last = nullptr;
    G_Fn_Sects_Walk(mgr, s_Function, [&](const C_D_Group_Sect& ro_Group, N_Biz::N_Sect::C_Sect& ro_Sect) {
        if (p_group_last != &ro_Group) {
            strips.emplace_back();
            p_group_last = &ro_Group;
        }
        strips.back().push_back(ro_Sect.M_Fn_Plane_Local_To_Global_3(C_Vector3f(0.0f, 0.0f, 0.0f)));
    });
    G_Fn_Sects_Walk(mgr, s_Function,
                    [this](const C_D_Group_Sect&, N_Biz::N_Sect::C_Sect& ro_Sect) { M_Fn_Sect_Draw(ro_Sect); });
    glColor3f(1.0f, 1.0f, 1.0f);
    glLineWidth(2.0f);
    for (const std::vector<C_Vector3f>& strip : strips) {
        glBegin(GL_LINE_STRIP);
        for (const C_Vector3f& p : strip)
            glVertex3f(p.x, p.y, p.z);
        glEnd();
    }
    glLineWidth(1.0f);
    G_Fn_Sects_Walk(mgr, s_Function,
                    [this](const C_D_Group_Sect&, N_Biz::N_Sect::C_Sect& ro_Sect) { M_Fn_Sect_Draw_Overlay(ro_Sect); });
}

// --- one section in this view --------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_Sect_Draw(N_Biz::N_Sect::C_Sect& ro_Sect)
{
    if (m_Disp_Sect == E_Disp_Sect_Plane)
        N_Sect::C_D_Plane::M_Fn_Draw(ro_Sect.M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix(), M_Fn_Marker_Size(),
                                     (ro_Sect.m_Flag & 0x1u) != 0, (ro_Sect.m_Flag & 0x2u) != 0);
    else if (m_Disp_Sect == E_Disp_Sect_Geometry || m_Disp_Sect == E_Disp_Sect_Element)
        ro_Sect.M_Fn_Get_Mgr_Frame().M_Fn_View_Proj_Draw_Obj();
}

void C_Mgr_Frame::M_Fn_Sect_Draw_Overlay(N_Biz::N_Sect::C_Sect& ro_Sect)
{
    if (m_Disp_Sect == E_Disp_Sect_Plane) {
        N_Sect::C_D_Plane::M_Fn_Draw_Overlay(ro_Sect.M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix(), M_Fn_Marker_Size(),
                                             (ro_Sect.m_Flag & 0x1u) != 0, (ro_Sect.m_Flag & 0x2u) != 0);
    } else if (m_Disp_Sect == E_Disp_Sect_Geometry || m_Disp_Sect == E_Disp_Sect_Element) {
        glPushMatrix();
        glMultMatrixf(ro_Sect.M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix().m_Data);
        ro_Sect.M_Fn_Get_Mgr_Frame().M_Fn_View_Proj_Draw_Obj_Origin();
        glPopMatrix();
    }
}

void C_Mgr_Frame::M_Fn_Sect_Draw_Select(N_Biz::N_Sect::C_Sect& ro_Sect)
{
    if (m_Disp_Sect == E_Disp_Sect_Plane) {
        const float size = M_Fn_Marker_Size();
        glPushMatrix();
        glMultMatrixf(ro_Sect.M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix().m_Data);
        glScalef(size, size, size);
        N_Sect::C_D_Plane::M_Fn_Draw_Select();
        glPopMatrix();
    } else if (m_Disp_Sect == E_Disp_Sect_Geometry || m_Disp_Sect == E_Disp_Sect_Element) {
        ro_Sect.M_Fn_Get_Mgr_Frame().M_Fn_View_Proj_Draw_Select();
    }
}

void C_Mgr_Frame::M_Fn_View_Main_Draw_Obj_D_DB_N_Sel()
{
    const auto& sel = m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
    // P1 first, then P0 on top: (node colour, free position colour).
    const struct {
        const std::list<C_Handle_D_DB_N>* m_p_List;
        float m_Node[3];
        float m_Free[3];
    } s_Lists[2] = {{&sel.M_Fn_Sel_P1_Get(), {1.0f, 0.25f, 0.25f}, {1.0f, 1.0f, 0.25f}},
                    {&sel.M_Fn_Sel_P0_Get(), {0.25f, 0.25f, 1.0f}, {0.25f, 1.0f, 0.25f}}};
    for (const auto& list : s_Lists) {
        for (const C_Handle_D_DB_N& handle : *list.m_p_List) {
            const C_Vector3f p = handle.M_Fn_Type_Any_Get_o_Vector3_f(*m_p_Proj);
            glColor3f(1.0f, 1.0f, 1.0f);
            glPointSize(7.0f);
            glBegin(GL_POINTS);
            glVertex3f(p.x, p.y, p.z);
            glEnd();
            glPushAttrib(GL_CURRENT_BIT | GL_POINT_BIT);
            glColor3fv(handle.m_Model ? list.m_Node : list.m_Free);
            glPointSize(5.0f);
            glBegin(GL_POINTS);
            glVertex3f(p.x, p.y, p.z);
            glEnd();
            glPopAttrib();
        }
    }
}

// --- task preview ------------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Draw_Obj_State()
{
    const std::uint32_t id =
        m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(C_Machine_Top::E_Region_Task);
    C_Preview preview;
    if (M_Fn_View_Main_Preview_Get(id, preview) == 1)
        M_Fn_View_Main_Draw_Preview(id, preview);
}

int C_Mgr_Frame::M_Fn_View_Main_Preview_Get(std::uint32_t i_Id_Task, C_Preview& o_Preview)
{
    o_Preview = C_Preview();
    C_Mgr_D_Sect& mgr = m_p_Proj->M_Fn_Get_Mgr_D_Sect();
    std::uint32_t flip = 0;
    C_Vector3f up, heading;
    C_Mgr_D_Sect::T_List_Pos positions;
    C_Mgr_D_Sect::T_List_Plane planes;
    C_D_Group_Sect* p_group = nullptr;
    N_Biz::N_Sect::C_Sect* p_before = nullptr;
    N_Biz::N_Sect::C_Sect* p_after = nullptr;
    N_Biz::N_Sect::C_Sect* p_moved = nullptr;
    C_Vector3f pos_old;
    std::uint32_t result = 0;
    switch (i_Id_Task) {
    case C_Machine_Top::E_Id_Task_D_Sect_Group_Create:
        result = mgr.M_Fn_Proc_Aid_Pre_Group_Create(flip, up, heading, positions, planes, 1);
        break;
    case C_Machine_Top::E_Id_Task_D_Sect_Group_Redirect_P_1:
        result = mgr.M_Fn_Proc_Aid_Pre_Group_Redirect_Selected(flip, up, heading, positions, planes, p_group, 1);
        break;
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Insert_P_1:
        result = mgr.M_Fn_Proc_Aid_Pre_Individual_Insert_Selected(o_Preview.m_sp_Plane, o_Preview.m_Pos,
                                                                  o_Preview.m_Pos_Before, o_Preview.m_Pos_After,
                                                                  p_before, p_after, p_group, 1);
        break;
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Move_P_1:
        result = mgr.M_Fn_Proc_Aid_Pre_Individual_Move_Selected(o_Preview.m_sp_Plane, o_Preview.m_Pos,
                                                                o_Preview.m_Pos_Before, pos_old, o_Preview.m_Pos_After,
                                                                p_before, p_moved, p_after, p_group, 1);
        break;
    default: return 0;
    }
    if (result != 1)
        return 0;
    o_Preview.m_Planes.assign(planes.begin(), planes.end());
    o_Preview.m_Positions.assign(positions.begin(), positions.end());
    o_Preview.m_Before = p_before != nullptr;
    o_Preview.m_After = p_after != nullptr;
    return 1;
}

void C_Mgr_Frame::M_Fn_Draw_Preview_Plane_Axes(const N_Sect::C_D_Plane& ro_Plane, float i_Size)
{
    glPushMatrix();
    glMultMatrixf(ro_Plane.m_Matrix.m_Data);
    glScalef(i_Size, i_Size, i_Size);
    glLineWidth(1.0f);
    N_Sect::C_D_Plane::M_Fn_Draw_Axes();
    glPopMatrix();
}

void C_Mgr_Frame::M_Fn_View_Main_Draw_Preview(std::uint32_t i_Id_Task, const C_Preview& ro_Preview)
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_Frame::M_Fn_View_Main_Draw_Obj_State";
    const float size = M_Fn_Marker_Size();
    switch (i_Id_Task) {
    case C_Machine_Top::E_Id_Task_D_Sect_Group_Create:
    case C_Machine_Top::E_Id_Task_D_Sect_Group_Redirect_P_1:
        for (const T_sp_Plane& sp_plane : ro_Preview.m_Planes)
            if (!sp_plane)
                VT_THROW(s_Function);
        for (const T_sp_Plane& sp_plane : ro_Preview.m_Planes)
            N_Sect::C_D_Plane::M_Fn_Draw(sp_plane->m_Matrix, size, false, false);
        for (const T_sp_Plane& sp_plane : ro_Preview.m_Planes)
            M_Fn_Draw_Preview_Plane_Axes(*sp_plane, size);
        glColor3f(1.0f, 1.0f, 1.0f);
        glLineWidth(2.0f);
        glBegin(GL_LINE_STRIP);
        for (const C_Vector3f& p : ro_Preview.m_Positions)
            glVertex3f(p.x, p.y, p.z);
        glEnd();
        glLineWidth(1.0f);
        break;
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Insert_P_1:
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Move_P_1:
        if (!ro_Preview.m_sp_Plane)
            VT_THROW(s_Function);
        N_Sect::C_D_Plane::M_Fn_Draw(ro_Preview.m_sp_Plane->m_Matrix, size, false, false);
        M_Fn_Draw_Preview_Plane_Axes(*ro_Preview.m_sp_Plane, size);
        glColor3f(0.5f, 0.5f, 0.5f);
        glLineWidth(2.0f);
        glBegin(GL_LINE_STRIP);
        if (ro_Preview.m_Before)
            glVertex3f(ro_Preview.m_Pos_Before.x, ro_Preview.m_Pos_Before.y, ro_Preview.m_Pos_Before.z);
        glVertex3f(ro_Preview.m_Pos.x, ro_Preview.m_Pos.y, ro_Preview.m_Pos.z);
        if (ro_Preview.m_After)
            glVertex3f(ro_Preview.m_Pos_After.x, ro_Preview.m_Pos_After.y, ro_Preview.m_Pos_After.z);
        glEnd();
        glLineWidth(1.0f);
        break;
    default: break;
    }
}

// --- input cue ---------------------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_View_Main_Draw_Input()
{
    glLineWidth(1.0f);
    const float r = 0.6f * m_Fit_Radius;
    switch (m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(C_Machine_Top::E_Region_Input)) {
    case C_Machine_Top::E_Id_Input_Scale:
        glColor3f(1.0f, 0.5f, 1.0f);
        glPushMatrix();
        for (int i = 0; i < 4; ++i) {
            glBegin(GL_LINES);
            glVertex2f(0.8f * r, 0.075f * r);
            glVertex2f(r, 0.0f);
            glVertex2f(0.8f * r, -0.075f * r);
            glVertex2f(r, 0.0f);
            glVertex2f(0.65f * r, 0.075f * r);
            glVertex2f(0.85f * r, 0.0f);
            glVertex2f(0.65f * r, -0.075f * r);
            glVertex2f(0.85f * r, 0.0f);
            glEnd();
            glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
        }
        glPopMatrix();
        break;
    case C_Machine_Top::E_Id_Input_Rotate: {
        glPushMatrix();
        glMultMatrixf(m_W.m_Data);
        const float s = r / m_Zoom;
        glScalef(s, s, s);
        glColor3f(0.75f, 0.75f, 1.0f);
        glBegin(GL_LINE_LOOP);
        for (float a = 0.0f; a < 6.283185958862305f; a += 0.1f)
            glVertex2f(std::cos(a), std::sin(a));
        glEnd();
        glPopMatrix();
        break;
    }
    case C_Machine_Top::E_Id_Input_Translate:
        glColor3f(0.5f, 1.0f, 1.0f);
        glPushMatrix();
        for (int i = 0; i < 4; ++i) {
            glBegin(GL_LINES);
            glVertex2f(0.66f * r, 0.0f);
            glVertex2f(r, 0.0f);
            glVertex2f(0.8f * r, 0.05f * r);
            glVertex2f(r, 0.0f);
            glVertex2f(0.8f * r, -0.05f * r);
            glVertex2f(r, 0.0f);
            glEnd();
            glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
        }
        glPopMatrix();
        break;
    case C_Machine_Top::E_Id_Input_Drag_Select: {
        const float x0 = float(m_Pos_Left_Down.x) - m_Half_Width, y0 = float(m_Pos_Left_Down.y) - m_Half_Height;
        const float x1 = float(m_Pos_Prev.x) - m_Half_Width, y1 = float(m_Pos_Prev.y) - m_Half_Height;
        glColor3f(1.0f, 1.0f, 1.0f);
        glBegin(GL_LINE_LOOP);
        glVertex2f(x0, y0);
        glVertex2f(x0, y1);
        glVertex2f(x1, y1);
        glVertex2f(x1, y0);
        glEnd();
        break;
    }
    default: break;
    }
}

// --- axis triad and text -----------------------------------------------------------------------------------

void C_Mgr_Frame::M_Fn_Draw_Axis_Arrow()
{
    N_Common::N_Graphic::N_OpenGL::G_Fn_Draw_Axis_Arrow();
}

void C_Mgr_Frame::M_Fn_Draw_Axis_Triad()
{
    const N_Biz::N_Config::C_Config_Data* p_config = G_Fn_Config_Data();
    if (!p_config || !p_config->m_Show_Coord)
        return;
    glPushMatrix();
    glTranslatef(m_Triad_Origin[0], m_Triad_Origin[1], m_Triad_Origin[2]);
    glMultMatrixf(m_R.m_Data);
    glLineWidth(1.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glPointSize(3.0f);
    glBegin(GL_POINTS);
    glVertex3f(0.0f, 0.0f, 0.0f);
    glEnd();
    glColor3f(1.0f, 0.0f, 0.0f);
    M_Fn_Draw_Axis_Arrow();
    glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
    glColor3f(0.0f, 1.0f, 0.0f);
    M_Fn_Draw_Axis_Arrow();
    glRotatef(90.0f, 0.0f, -1.0f, 0.0f);
    glColor3f(0.4f, 0.4f, 1.0f);
    M_Fn_Draw_Axis_Arrow();
    glPopMatrix();

    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app)
        return;
    static const struct {
        float m_Tip[3];
        float m_Color[3];
        const wchar_t* m_Text;
    } s_Labels[3] = {{{60.0f, 0.0f, 0.0f}, {1.0f, 0.9f, 0.9f}, L"X"},
                     {{0.0f, 60.0f, 0.0f}, {0.9f, 1.0f, 0.9f}, L"Y"},
                     {{0.0f, 0.0f, 60.0f}, {0.9f, 0.9f, 1.0f}, L"Z"}};
    for (const auto& label : s_Labels) {
        C_Vector3f p;
        m_R.M_Fn_Transform_Point(C_Vector3f(label.m_Tip[0], label.m_Tip[1], label.m_Tip[2]), p);
        glColor3fv(label.m_Color);
        glRasterPos3f(p.x + m_Triad_Origin[0] - 5.0f, p.y + m_Triad_Origin[1] - 6.0f, p.z + m_Triad_Origin[2]);
        p_app->M_Fn_Port().M_Fn_GL_Draw_Text(label.m_Text);
    }
}

void C_Mgr_Frame::M_Fn_View_Main_Draw_Text()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!m_p_View || !p_app)
        return;
    const C_Mgr_Sel& sel = m_p_Proj->M_Fn_Get_Mgr_Sel();
    glColor3f(0.0f, 1.0f, 0.0f);
    glRasterPos2f(m_Text_Origin[0], m_Text_Origin[1]);
    p_app->M_Fn_Port().M_Fn_GL_Draw_Text(sel.M_Fn_Get_Prompt());
    glColor3f(1.0f, 1.0f, 1.0f);
    float y = m_Text_Origin[1] - 10.0f;
    for (const std::wstring& line : sel.M_Fn_Get_Desc()) {
        y -= 15.0f;
        glRasterPos2f(m_Text_Origin[0] + 10.0f, y);
        p_app->M_Fn_Port().M_Fn_GL_Draw_Text(line);
    }
}

} // namespace N_Biz::N_Proj
