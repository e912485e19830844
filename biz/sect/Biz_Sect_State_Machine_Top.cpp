#include "biz/sect/Biz_Sect_State_Machine_Top.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "biz/sect/Biz_Sect_State_Machine_Sub.h"
#include "common/Common_Exception.h"

#include <memory>

namespace N_Biz::N_Sect::N_State {

namespace {

using N_Common::N_State::C_Info_Transiton;
using N_Biz::N_Input::C_Input;
namespace N_In = N_Biz::N_Input;

constexpr std::int32_t K_Change = C_Info_Transiton::S_Kind_Change;
constexpr std::int32_t K_Internal = C_Info_Transiton::S_Kind_Internal;

N_Biz::N_Proj::C_Proj& G_Fn_Proj(C_Sect& ro_Sect)
{
    N_Biz::N_Proj::C_Proj* p_proj = ro_Sect.M_Fn_Get_Proj();
    if (!p_proj)
        VT_THROW("N_Biz::N_Sect::N_State::G_Fn_Proj");
    return *p_proj;
}

// The task operations, each as the guards call it: 1 when it has completed.
int G_Fn_Op_C_M_Modify(C_Sect& s) { return G_Fn_Proj(s).M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Proc_Cmd_Top_Modify_Selected() ? 1 : 0; }
int G_Fn_Op_C_P_Modify(C_Sect& s) { return G_Fn_Proj(s).M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Top_Modify_Selected() ? 1 : 0; }
int G_Fn_Op_C_P_Reconnect_C_S(C_Sect& s)
{
    return G_Fn_Proj(s).M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_S() ? 1 : 0;
}
int G_Fn_Op_C_P_Reconnect_C_M(C_Sect& s)
{
    return G_Fn_Proj(s).M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_M() ? 1 : 0;
}
int G_Fn_Op_C_P_Palette(C_Sect& s) { return G_Fn_Proj(s).M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Top_Palette_Select() ? 1 : 0; }
int G_Fn_Op_Create_Point(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_Create_Point(); }
int G_Fn_Op_Create_Line(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_Create_Line(); }
int G_Fn_Op_Create_Arc(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_Create_Arc(); }
int G_Fn_Op_Create_Weld(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_Create_Weld(); }
int G_Fn_Op_Delete(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_Delete_Selected(); }
int G_Fn_Op_Modify(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_Modify_Selected(); }
int G_Fn_Op_Move(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_Move_Selected(); }
int G_Fn_Op_Reconnect_C_P(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_Reconnect_C_P_Selected(); }
int G_Fn_Op_E_Palette(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_P_Palette_Sel(); }
int G_Fn_Op_Tess_E_Palette(C_Sect& s) { return s.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Proc_Cmd_P_Palette_Sel(); }

bool G_Fn_Is(const C_Input& ro_Input, std::int32_t i_Kind) { return ro_Input.m_Kind == i_Kind; }
bool G_Fn_Held(const C_Input& ro_Input, std::uint32_t i_Flag) { return (ro_Input.m_Flags & i_Flag) != 0; }

} // namespace

C_Machine_Top::C_Machine_Top() = default;

C_Machine_Top::~C_Machine_Top() = default;

C_Sect& C_Machine_Top::M_Fn_Sect() const
{
    auto* p_sect = static_cast<C_Sect*>(M_Fn_Get_Context());
    if (!p_sect)
        VT_THROW("N_Biz::N_Sect::N_State::C_Machine_Top::M_Fn_Sect");
    return *p_sect;
}

void C_Machine_Top::M_Fn_Init()
{
    M_Fn_Init_Add_Sub_Common<C_Machine_Sub, C_Machine_Input_Idle, C_Machine_Input_Gesture, C_Machine_Sub>();
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_M_Modify, std::make_unique<C_Machine_Task_D_DB_C_M_Modify>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_P_Modify, std::make_unique<C_Machine_Task_D_DB_C_P_Modify>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_P_Reconnect_C_S, std::make_unique<C_Machine_Task_D_DB_C_P_Reconnect_C_S>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_P_Reconnect_C_M, std::make_unique<C_Machine_Task_D_DB_C_P_Reconnect_C_M>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_P_Palette_Sel, std::make_unique<C_Machine_Task_D_DB_C_P_Palette_Sel>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Create_Point, std::make_unique<C_Machine_Task_D_Geom_Create_Point>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Create_Line, std::make_unique<C_Machine_Task_D_Geom_Create_Line>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Create_Arc, std::make_unique<C_Machine_Task_D_Geom_Create_Arc>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Create_Conics, std::make_unique<C_Machine_Task_D_Geom_Create_Conics>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Create_Spline, std::make_unique<C_Machine_Task_D_Geom_Create_Spline>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Create_Weld, std::make_unique<C_Machine_Task_D_Geom_Create_Weld>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Delete, std::make_unique<C_Machine_Task_D_Geom_Delete>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Modify, std::make_unique<C_Machine_Task_D_Geom_Modify>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Move_P_0, std::make_unique<C_Machine_Task_D_Geom_Move_P_0>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_Move_P_1, std::make_unique<C_Machine_Task_D_Geom_Move_P_1>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_E_Break_P_0, std::make_unique<C_Machine_Task_D_Geom_E_Break_P_0>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_E_Break_P_1, std::make_unique<C_Machine_Task_D_Geom_E_Break_P_1>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_E_Chamfer, std::make_unique<C_Machine_Task_D_Geom_E_Chamfer>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_E_Corner, std::make_unique<C_Machine_Task_D_Geom_E_Corner>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_E_Reconnect_C_P, std::make_unique<C_Machine_Task_D_Geom_E_Reconnect_C_P>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Geom_E_P_Palette_Sel, std::make_unique<C_Machine_Task_D_Geom_E_P_Palette_Sel>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Tess_E_P_Palette_Sel, std::make_unique<C_Machine_Task_D_Tess_E_P_Palette_Sel>());

    // The input region's guards, in the order of C_Guards_Input.
    using T = C_Machine_Top;
    const auto guard = [this](bool (T::*i_Guard)(const C_Event_View_Main_On_Input&)) {
        return [this, i_Guard](const C_Event_View_Main_On_Input& e) { return (this->*i_Guard)(e); };
    };
    M_Fn_Init_Register_Common({guard(&T::M_Fn_Guard_Drag_Select), guard(&T::M_Fn_Guard_Translate),
                               guard(&T::M_Fn_Guard_Rotate), guard(&T::M_Fn_Guard_Scale), guard(&T::M_Fn_Guard_Idle),
                               guard(&T::M_Fn_Guard_To_Rotate), guard(&T::M_Fn_Guard_Scale_End),
                               guard(&T::M_Fn_Guard_Rotate_To_Scale), guard(&T::M_Fn_Guard_Rotate_End),
                               guard(&T::M_Fn_Guard_Translate_End), guard(&T::M_Fn_Guard_Drag_End)});

    auto start = [this](T_Fn_Op i_Op) { return [this, i_Op] { return M_Fn_Guard_Start(i_Op); }; };
    auto step = [this](T_Fn_Op i_Op, std::uint32_t i_Mode) { return [this, i_Op, i_Mode] { return M_Fn_Guard_Step(i_Op, i_Mode); }; };
    auto finish = [this](std::uint32_t i_Mode) { return [this, i_Mode] { return M_Fn_Guard_Finish(i_Mode); }; };
    // The three transitions of every task state: its selection step, the cancel with the default
    // reset of its family, and the apply that changes nothing.
    auto task = [&](std::uint32_t i_Id, std::function<bool()> i_Step, std::uint32_t i_To, std::uint32_t i_Mode) {
        M_Fn_Init_Guarded<C_Event_Sel_P1_Update>(i_Id, i_To, std::move(i_Step));
        M_Fn_Init_Register_Transition<C_Event_C_Cancel>(i_Id, E_Id_Task_Idle, K_Change, {},
                                                        [this, i_Mode](const C_Event_C_Cancel&) { M_Fn_Reset_Default(i_Mode); });
        M_Fn_Init_Plain<C_Event_C_Apply>(i_Id, i_Id, K_Internal);
    };

    // Task region: the idle state starts the tasks.
    M_Fn_Init_Guarded<C_Event_D_DB_C_M_Modify>(E_Id_Task_Idle, E_Id_Task_D_DB_C_M_Modify, start(&G_Fn_Op_C_M_Modify));
    M_Fn_Init_Guarded<C_Event_D_DB_C_P_Modify>(E_Id_Task_Idle, E_Id_Task_D_DB_C_P_Modify, start(&G_Fn_Op_C_P_Modify));
    M_Fn_Init_Guarded<C_Event_D_DB_C_P_Reconnect_C_S>(E_Id_Task_Idle, E_Id_Task_D_DB_C_P_Reconnect_C_S,
                                                      start(&G_Fn_Op_C_P_Reconnect_C_S));
    M_Fn_Init_Guarded<C_Event_D_DB_C_P_Reconnect_C_M>(E_Id_Task_Idle, E_Id_Task_D_DB_C_P_Reconnect_C_M,
                                                      start(&G_Fn_Op_C_P_Reconnect_C_M));
    M_Fn_Init_Guarded<C_Event_D_DB_C_P_Palette_Sel>(E_Id_Task_Idle, E_Id_Task_D_DB_C_P_Palette_Sel,
                                                    start(&G_Fn_Op_C_P_Palette));
    M_Fn_Init_Guarded<C_Event_D_Geom_Create_Point>(E_Id_Task_Idle, E_Id_Task_D_Geom_Create_Point, {});
    M_Fn_Init_Guarded<C_Event_D_Geom_Create_Line>(E_Id_Task_Idle, E_Id_Task_D_Geom_Create_Line, {});
    M_Fn_Init_Guarded<C_Event_D_Geom_Create_Arc>(E_Id_Task_Idle, E_Id_Task_D_Geom_Create_Arc, {});
    M_Fn_Init_Guarded<C_Event_D_Geom_Create_Conics>(E_Id_Task_Idle, E_Id_Task_D_Geom_Create_Conics, {});
    M_Fn_Init_Guarded<C_Event_D_Geom_Create_Spline>(E_Id_Task_Idle, E_Id_Task_D_Geom_Create_Spline, {});
    M_Fn_Init_Guarded<C_Event_D_Geom_Create_Weld>(E_Id_Task_Idle, E_Id_Task_D_Geom_Create_Weld, {});
    M_Fn_Init_Guarded<C_Event_D_Geom_Delete>(E_Id_Task_Idle, E_Id_Task_D_Geom_Delete, start(&G_Fn_Op_Delete));
    M_Fn_Init_Guarded<C_Event_D_Geom_Modify>(E_Id_Task_Idle, E_Id_Task_D_Geom_Modify, start(&G_Fn_Op_Modify));
    M_Fn_Init_Guarded<C_Event_D_Geom_Move>(E_Id_Task_Idle, E_Id_Task_D_Geom_Move_P_1,
                                           [this] { return M_Fn_Guard_Geom_Selected(); });
    M_Fn_Init_Guarded<C_Event_D_Geom_Move>(E_Id_Task_Idle, E_Id_Task_D_Geom_Move_P_0, {});
    M_Fn_Init_Guarded<C_Event_D_Geom_E_Break>(E_Id_Task_Idle, E_Id_Task_D_Geom_E_Break_P_1, {});
    M_Fn_Init_Guarded<C_Event_D_Geom_E_Break>(E_Id_Task_Idle, E_Id_Task_D_Geom_E_Break_P_0, {});
    M_Fn_Init_Guarded<C_Event_D_Geom_E_Chamfer>(E_Id_Task_Idle, E_Id_Task_D_Geom_E_Chamfer,
                                                [this] { return M_Fn_Guard_Clear_Refuse(); });
    M_Fn_Init_Guarded<C_Event_D_Geom_E_Corner>(E_Id_Task_Idle, E_Id_Task_D_Geom_E_Corner,
                                               [this] { return M_Fn_Guard_Clear_Refuse(); });
    M_Fn_Init_Guarded<C_Event_D_Geom_E_Reconnect_C_P>(E_Id_Task_Idle, E_Id_Task_D_Geom_E_Reconnect_C_P,
                                                      start(&G_Fn_Op_Reconnect_C_P));
    M_Fn_Init_Guarded<C_Event_D_Geom_E_P_Palette_Sel>(E_Id_Task_Idle, E_Id_Task_D_Geom_E_P_Palette_Sel,
                                                      start(&G_Fn_Op_E_Palette));
    M_Fn_Init_Guarded<C_Event_D_Tess_E_P_Palette_Sel>(E_Id_Task_Idle, E_Id_Task_D_Tess_E_P_Palette_Sel,
                                                      start(&G_Fn_Op_Tess_E_Palette));

    // Task region: the task states.
    task(E_Id_Task_D_DB_C_M_Modify, step(&G_Fn_Op_C_M_Modify, 1), E_Id_Task_Idle, 1);
    task(E_Id_Task_D_DB_C_P_Modify, step(&G_Fn_Op_C_P_Modify, 2), E_Id_Task_Idle, 2);
    task(E_Id_Task_D_DB_C_P_Reconnect_C_S, step(&G_Fn_Op_C_P_Reconnect_C_S, 2), E_Id_Task_Idle, 2);
    task(E_Id_Task_D_DB_C_P_Reconnect_C_M, step(&G_Fn_Op_C_P_Reconnect_C_M, 2), E_Id_Task_Idle, 2);
    task(E_Id_Task_D_DB_C_P_Palette_Sel, step(&G_Fn_Op_C_P_Palette, 2), E_Id_Task_Idle, 2);
    task(E_Id_Task_D_Geom_Create_Point, step(&G_Fn_Op_Create_Point, 7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_Create_Line, step(&G_Fn_Op_Create_Line, 7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_Create_Arc, step(&G_Fn_Op_Create_Arc, 7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_Create_Conics, finish(7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_Create_Spline, finish(7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_Create_Weld, step(&G_Fn_Op_Create_Weld, 7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_Delete, step(&G_Fn_Op_Delete, 7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_Modify, step(&G_Fn_Op_Modify, 7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_Move_P_0, [this] { return M_Fn_Guard_Geom_Selected(); }, E_Id_Task_D_Geom_Move_P_1, 7);
    task(E_Id_Task_D_Geom_Move_P_1, step(&G_Fn_Op_Move, 7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_E_Break_P_0, {}, E_Id_Task_D_Geom_E_Break_P_1, 7);
    task(E_Id_Task_D_Geom_E_Break_P_1, finish(7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_E_Chamfer, finish(7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_E_Corner, finish(7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_E_Reconnect_C_P, step(&G_Fn_Op_Reconnect_C_P, 7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Geom_E_P_Palette_Sel, step(&G_Fn_Op_E_Palette, 7), E_Id_Task_Idle, 7);
    task(E_Id_Task_D_Tess_E_P_Palette_Sel, step(&G_Fn_Op_Tess_E_Palette, 12), E_Id_Task_Idle, 12);
}

void C_Machine_Top::M_Fn_On_No_Transition()
{
    VT_THROW("N_Biz::N_Sect::N_State::C_Machine_Top::M_Fn_On_No_Transition");
}

void C_Machine_Top::M_Fn_On_Sub_Change(int i_Region_Index)
{
    if (i_Region_Index < 0 || i_Region_Index > 2)
        VT_THROW("N_Biz::N_Sect::N_State::C_Machine_Top::M_Fn_On_Sub_Change");
    auto* p_mgr_state = static_cast<C_Mgr_State*>(M_Fn_Get_Parent());
    if (p_mgr_state)
        p_mgr_state->M_Fn_Signal_Raise(4 + i_Region_Index);
}

// --- task guards ---------------------------------------------------------------------------------

void C_Machine_Top::M_Fn_Reset_Default(std::uint32_t i_Mode)
{
    const wchar_t* prompt = nullptr;
    switch (i_Mode) {
    case 1: prompt = L"Select & edit materials."; break;
    case 2: prompt = L"Select & edit properties."; break;
    case 7: prompt = L"Select & edit geometry."; break;
    case 12: prompt = L"Select & edit elements."; break;
    default: VT_THROW("N_Biz::N_Sect::N_State::C_Machine_Top::M_Fn_Reset_Default");
    }
    M_Fn_Sect().M_Fn_Get_Mgr_Sel().M_Fn_Reset(true, true, true, true, false, i_Mode, prompt);
}

bool C_Machine_Top::M_Fn_Guard_Start(T_Fn_Op i_Fn_Op)
{
    C_Sect& sect = M_Fn_Sect();
    if (i_Fn_Op(sect) != 1)
        return true;
    sect.M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Clear();
    return false;
}

bool C_Machine_Top::M_Fn_Guard_Step(T_Fn_Op i_Fn_Op, std::uint32_t i_Mode)
{
    if (i_Fn_Op(M_Fn_Sect()) != 1)
        return false;
    M_Fn_Reset_Default(i_Mode);
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Finish(std::uint32_t i_Mode)
{
    M_Fn_Reset_Default(i_Mode);
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Geom_Selected()
{
    C_Sect& sect = M_Fn_Sect();
    return !sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Sel_P1_Get().empty() || !sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Sel_P1_Get().empty();
}

bool C_Machine_Top::M_Fn_Guard_Clear_Refuse()
{
    M_Fn_Sect().M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Clear();
    return false;
}

// --- input guards --------------------------------------------------------------------------------

bool C_Machine_Top::M_Fn_Guard_Drag_Select(const C_Event_View_Main_On_Input& ro_Event)
{
    C_Sect& sect = M_Fn_Sect();
    const C_Input& in = *ro_Event.m_sp_Input;
    if (!(sect.M_Fn_Get_Mgr_Sel().M_Fn_Options_Get() & C_Mgr_Sel::E_Option_Rect) || !G_Fn_Is(in, N_In::E_Kind_Move) ||
        !G_Fn_Held(in, N_In::E_Flag_Left) || G_Fn_Held(in, N_In::E_Flag_Ctrl))
        return false;
    sect.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Mouse_Sel_Drag_Begin();
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Translate(const C_Event_View_Main_On_Input& ro_Event)
{
    C_Mgr_Frame& frame = M_Fn_Sect().M_Fn_Get_Mgr_Frame();
    const C_Input& in = *ro_Event.m_sp_Input;
    if (G_Fn_Is(in, N_In::E_Kind_Right_Down) && G_Fn_Held(in, N_In::E_Flag_Ctrl))
        frame.m_Nav_Mode = C_Mgr_Frame::E_Nav_Ctrl;
    else if (G_Fn_Is(in, N_In::E_Kind_Right_Down) && G_Fn_Held(in, N_In::E_Flag_Alt))
        frame.m_Nav_Mode = C_Mgr_Frame::E_Nav_Alt_Right;
    else if (G_Fn_Is(in, N_In::E_Kind_Middle_Down) && !G_Fn_Held(in, N_In::E_Flag_Ctrl))
        frame.m_Nav_Mode = C_Mgr_Frame::E_Nav_Middle;
    else
        return false;
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Rotate(const C_Event_View_Main_On_Input& ro_Event)
{
    C_Mgr_Frame& frame = M_Fn_Sect().M_Fn_Get_Mgr_Frame();
    const C_Input& in = *ro_Event.m_sp_Input;
    if (!G_Fn_Is(in, N_In::E_Kind_Move) || !G_Fn_Held(in, N_In::E_Flag_Left) || !G_Fn_Held(in, N_In::E_Flag_Ctrl))
        return false;
    frame.m_Nav_Mode = C_Mgr_Frame::E_Nav_Ctrl;
    frame.M_Fn_View_Main_Rotate_Drag();
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Scale(const C_Event_View_Main_On_Input& ro_Event)
{
    const C_Input& in = *ro_Event.m_sp_Input;
    if (!G_Fn_Is(in, N_In::E_Kind_Middle_Down) || !G_Fn_Held(in, N_In::E_Flag_Ctrl))
        return false;
    M_Fn_Sect().M_Fn_Get_Mgr_Frame().m_Nav_Mode = C_Mgr_Frame::E_Nav_Ctrl;
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Idle(const C_Event_View_Main_On_Input& ro_Event)
{
    return M_Fn_Sect().M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Mouse_Sel_Hover(*ro_Event.m_sp_Input);
}

bool C_Machine_Top::M_Fn_Guard_To_Rotate(const C_Event_View_Main_On_Input& ro_Event)
{
    const std::int32_t mode = M_Fn_Sect().M_Fn_Get_Mgr_Frame().m_Nav_Mode;
    const C_Input& in = *ro_Event.m_sp_Input;
    return (mode == C_Mgr_Frame::E_Nav_Alt_Right && G_Fn_Is(in, N_In::E_Kind_Left_Down)) ||
           (mode == C_Mgr_Frame::E_Nav_Middle && (G_Fn_Is(in, N_In::E_Kind_Left_Down) || G_Fn_Is(in, N_In::E_Kind_Right_Down)));
}

bool C_Machine_Top::M_Fn_Guard_Rotate_To_Scale(const C_Event_View_Main_On_Input& ro_Event)
{
    const std::int32_t mode = M_Fn_Sect().M_Fn_Get_Mgr_Frame().m_Nav_Mode;
    const C_Input& in = *ro_Event.m_sp_Input;
    if (mode == C_Mgr_Frame::E_Nav_Alt_Right)
        return G_Fn_Is(in, N_In::E_Kind_Left_Up);
    return mode == C_Mgr_Frame::E_Nav_Middle && !G_Fn_Held(in, N_In::E_Flag_Left) && !G_Fn_Held(in, N_In::E_Flag_Right) &&
           (G_Fn_Is(in, N_In::E_Kind_Left_Up) || G_Fn_Is(in, N_In::E_Kind_Right_Up));
}

bool C_Machine_Top::M_Fn_Guard_Nav_End(const C_Event_View_Main_On_Input& ro_Event, std::int32_t i_Kind_End,
                                       void (C_Mgr_Frame::*i_Fn_Step)())
{
    const C_Input& in = *ro_Event.m_sp_Input;
    if (G_Fn_Is(in, i_Kind_End) || G_Fn_Is(in, N_In::E_Kind_Leave))
        return true;
    (M_Fn_Sect().M_Fn_Get_Mgr_Frame().*i_Fn_Step)();
    return false;
}

bool C_Machine_Top::M_Fn_Guard_Scale_End(const C_Event_View_Main_On_Input& ro_Event)
{
    const std::int32_t mode = M_Fn_Sect().M_Fn_Get_Mgr_Frame().m_Nav_Mode;
    return M_Fn_Guard_Nav_End(ro_Event, mode == C_Mgr_Frame::E_Nav_Alt_Right ? N_In::E_Kind_Right_Up : N_In::E_Kind_Middle_Up,
                              &C_Mgr_Frame::M_Fn_View_Main_Scale_Drag);
}

bool C_Machine_Top::M_Fn_Guard_Rotate_End(const C_Event_View_Main_On_Input& ro_Event)
{
    const std::int32_t mode = M_Fn_Sect().M_Fn_Get_Mgr_Frame().m_Nav_Mode;
    std::int32_t end = N_In::E_Kind_Middle_Up;
    if (mode == C_Mgr_Frame::E_Nav_Ctrl)
        end = N_In::E_Kind_Left_Up;
    else if (mode == C_Mgr_Frame::E_Nav_Alt_Right)
        end = N_In::E_Kind_Right_Up;
    return M_Fn_Guard_Nav_End(ro_Event, end, &C_Mgr_Frame::M_Fn_View_Main_Rotate_Drag);
}

bool C_Machine_Top::M_Fn_Guard_Translate_End(const C_Event_View_Main_On_Input& ro_Event)
{
    const std::int32_t mode = M_Fn_Sect().M_Fn_Get_Mgr_Frame().m_Nav_Mode;
    return M_Fn_Guard_Nav_End(ro_Event, mode == C_Mgr_Frame::E_Nav_Middle ? N_In::E_Kind_Middle_Up : N_In::E_Kind_Right_Up,
                              &C_Mgr_Frame::M_Fn_View_Main_Translate_Drag);
}

bool C_Machine_Top::M_Fn_Guard_Drag_End(const C_Event_View_Main_On_Input& ro_Event)
{
    return M_Fn_Sect().M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Mouse_Sel_Drag(*ro_Event.m_sp_Input);
}

} // namespace N_Biz::N_Sect::N_State
