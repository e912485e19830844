// Helpers of the section interaction tests: a section whose main view is a 64 x 64 off-screen
// Mesa buffer, driven only through the main view's input records and the editing machine's
// posted events. The view matrix starts as the identity, so section position (x, y) is under
// window pixel (x + 32, y + 32); with the default grid of 10 a free position snaps to the nearest
// multiple of 10.
#pragma once

#include "tests/sect/Test_Sect_Geom_Support.h"
#include "tests/support/Test_GL_Offscreen.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/input/Biz_Input.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"

#include <array>
#include <memory>

namespace N_Test_Sect_Geom {

namespace N_In = N_Biz::N_Input;
using N_Biz::N_Sect::N_State::C_Machine_Top;

// A window that counts its invalidations.
class C_View_Probe : public C_Mgr_Frame::C_View {
public:
    void M_Fn_Invalidate() override { ++m_Count; }
    void M_Fn_Refill() override { ++m_Refills; }
    int m_Count = 0;
    int m_Refills = 0;
};

class C_Input_Test : public C_Geom_Test {
protected:
    static constexpr std::int32_t K_Half = S_GL_Size / 2;

    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen());
        frame().M_Fn_View_Main_On_Create(&m_View);
        frame().M_Fn_View_Main_On_Size(S_GL_Size, S_GL_Size);
    }
    void TearDown() override
    {
        if (frame().m_p_View_Main)
            frame().M_Fn_View_Main_On_Destroy();
    }

    C_Mgr_Frame& frame() { return sect().M_Fn_Get_Mgr_Frame(); }
    C_Mgr_Sel& sel() { return sect().M_Fn_Get_Mgr_Sel(); }
    C_Machine_Top* machine() { return sect().M_Fn_Get_Mgr_State().M_Fn_Get_Machine(); }
    // The active state ids of the error, input and task regions.
    std::array<std::uint32_t, 3> ids() { return {machine()->M_Fn_Get_Id_Sub(0), machine()->M_Fn_Get_Id_Sub(1), machine()->M_Fn_Get_Id_Sub(2)}; }
    std::uint32_t task() { return machine()->M_Fn_Get_Id_Sub(2); }
    std::uint32_t input_state() { return machine()->M_Fn_Get_Id_Sub(1); }

    template <class E>
    void post()
    {
        sect().M_Fn_Get_Mgr_State().M_Fn_Post<E>();
    }
    // The document's Esc and Enter.
    void esc() { post<N_Biz::N_Sect::N_State::C_Event_C_Cancel>(); }
    void enter() { post<N_Biz::N_Sect::N_State::C_Event_C_Apply>(); }

    // One input record of the main view at window pixel (x, y).
    void in(std::int32_t i_Kind, std::int32_t i_X, std::int32_t i_Y, std::uint32_t i_Flags = 0, float i_Wheel = 0)
    {
        auto sp = std::make_shared<N_In::C_Input>();
        sp->m_Kind = i_Kind;
        sp->m_X = i_X;
        sp->m_Y = i_Y;
        sp->m_Flags = i_Flags;
        sp->m_Wheel_Angle = i_Wheel;
        frame().M_Fn_View_Main_On_Input(sp);
    }
    // The same at section position (x, y) (zoom 1, no pan).
    void move(float i_X, float i_Y, std::uint32_t i_Flags = 0) { in(N_In::E_Kind_Move, px(i_X), px(i_Y), i_Flags); }
    // A left click at section position (x, y), modifiers in i_Flags.
    void click(float i_X, float i_Y, std::uint32_t i_Flags = 0)
    {
        move(i_X, i_Y, i_Flags);
        in(N_In::E_Kind_Left_Down, px(i_X), px(i_Y), i_Flags | N_In::E_Flag_Left);
        in(N_In::E_Kind_Left_Up, px(i_X), px(i_Y), i_Flags);
    }
    // A left drag from one section position to another, modifiers in i_Flags.
    void drag(float i_X0, float i_Y0, float i_X1, float i_Y1, std::uint32_t i_Flags = 0)
    {
        move(i_X0, i_Y0, i_Flags);
        in(N_In::E_Kind_Left_Down, px(i_X0), px(i_Y0), i_Flags | N_In::E_Flag_Left);
        move(i_X1, i_Y1, i_Flags | N_In::E_Flag_Left);
        in(N_In::E_Kind_Left_Up, px(i_X1), px(i_Y1), i_Flags);
    }
    static std::int32_t px(float i_Sect) { return static_cast<std::int32_t>(i_Sect) + K_Half; }

    // The selection sets as ids (points: 0 for a free position).
    std::vector<std::uint32_t> sel_points()
    {
        std::vector<std::uint32_t> ids;
        for (const C_Handle_D_Geom_P& h : points().M_Fn_Sel_P1_Get())
            ids.push_back(h.m_Index);
        return ids;
    }
    std::vector<std::uint32_t> sel_entities()
    {
        std::vector<std::uint32_t> ids;
        for (const C_D_Geom_Entity* p : entities().M_Fn_Sel_P1_Get())
            ids.push_back(static_cast<std::uint32_t>(p->m_Id));
        return ids;
    }
    // "Msg: " lines of the log, without the mark.
    std::vector<std::string> msgs()
    {
        std::vector<std::string> out;
        for (const std::string& line : m_App.log_lines())
            if (line.rfind("Msg: ", 0) == 0)
                out.push_back(line.substr(5));
        return out;
    }

    // A property card of wall thickness i_Thk with its own material card, both stored in the
    // project.
    lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property> M_Fn_Card(float i_Thk)
    {
        using namespace N_Biz::N_DB;
        lesser_shared_ptr<C_Row_C_Material> sp_mat(
            new C_Row_C_Material(G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
        auto& mgr_m = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M();
        mgr_m.M_Fn_D_Add_At(mgr_m.M_Fn_Get_Store().next_index(), sp_mat);
        lesser_shared_ptr<C_Row_C_Property> sp = M_Fn_Property(i_Thk);
        sp->M_Fn_Key_C_Material() = C_Key_C_Material(sp_mat);
        return sp;
    }
    // A line between two new points at the given positions, with property ro_sp_Card; its id.
    std::uint32_t M_Fn_Line_Card(const T_sp_Group& ro_sp_Group, float i_X0, float i_Y0, float i_X1, float i_Y1,
                                 const lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property>& ro_sp_Card)
    {
        const auto a = static_cast<std::int32_t>(M_Fn_Point(ro_sp_Group, i_X0, i_Y0));
        const auto b = static_cast<std::int32_t>(M_Fn_Point(ro_sp_Group, i_X1, i_Y1));
        auto sp_line = std::make_shared<C_D_Geom_E_Line>(a, b);
        sp_line->m_Key_C_P = C_D_Geom_Entity::T_Key_C_P(ro_sp_Card);
        T_sp_Entity sp = sp_line;
        const std::uint32_t id = entities().M_Fn_Next_Index();
        entities().M_Fn_Proc_Cmd_Sub_Add_At(id, sp, ro_sp_Group);
        return id;
    }

    C_View_Probe m_View;
};

} // namespace N_Test_Sect_Geom
