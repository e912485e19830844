#include "biz/proj/Biz_Proj_State_Machine_Top.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Event.h"
#include "biz/proj/Biz_Proj_State_Machine_Sub.h"
#include "common/Common_Exception.h"

#include <memory>

namespace N_Biz::N_Proj::N_State {

namespace {

using N_Biz::N_Input::C_Input;
using N_Common::N_State::C_Info_Transiton;
namespace N_In = N_Biz::N_Input;

constexpr std::int32_t K_Change = C_Info_Transiton::S_Kind_Change;
constexpr std::int32_t K_Internal = C_Info_Transiton::S_Kind_Internal;

// A task's operation as its guards and actions call it: 1 when it did its work.
using T_Fn_Op = std::uint32_t (*)(C_Proj&);

std::uint32_t G_Fn_Op_C_M_Modify(C_Proj& p) { return p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Proc_Cmd_Top_Modify_Selected() ? 1 : 0; }
std::uint32_t G_Fn_Op_C_P_Modify(C_Proj& p) { return p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Top_Modify_Selected() ? 1 : 0; }
std::uint32_t G_Fn_Op_C_P_Reconnect_C_S(C_Proj& p)
{
    return p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_S() ? 1 : 0;
}
std::uint32_t G_Fn_Op_C_P_Reconnect_C_M(C_Proj& p)
{
    return p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_M() ? 1 : 0;
}
std::uint32_t G_Fn_Op_C_P_Palette(C_Proj& p) { return p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Top_Palette_Select() ? 1 : 0; }
std::uint32_t G_Fn_Op_N_Set_Center(C_Proj& p) { return p.M_Fn_Get_Mgr_D_DB_N().M_Fn_Proc_Cmd_Top_Set_Center() ? 1 : 0; }
std::uint32_t G_Fn_Op_N_Modify(C_Proj& p) { return p.M_Fn_Get_Mgr_D_DB_N().M_Fn_Proc_Cmd_Top_Modify_Selected() ? 1 : 0; }
std::uint32_t G_Fn_Op_E_Modify(C_Proj& p) { return p.M_Fn_Get_Mgr_D_DB_E().M_Fn_Proc_Cmd_Top_Modify_Selected() ? 1 : 0; }
std::uint32_t G_Fn_Op_E_Reconnect_C_P(C_Proj& p)
{
    return p.M_Fn_Get_Mgr_D_DB_E().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_P() ? 1 : 0;
}
std::uint32_t G_Fn_Op_E_Palette(C_Proj& p) { return p.M_Fn_Get_Mgr_D_DB_E().M_Fn_Proc_Cmd_Top_Palette_Select() ? 1 : 0; }
std::uint32_t G_Fn_Op_S_Create(C_Proj& p) { return p.M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Cmd_Top_Group_Create(); }
std::uint32_t G_Fn_Op_S_Redirect(C_Proj& p) { return p.M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Cmd_Top_Group_Redirect_Selected(); }
std::uint32_t G_Fn_Op_S_Insert(C_Proj& p) { return p.M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Cmd_Top_Individual_Insert_Selected(); }
std::uint32_t G_Fn_Op_S_Move(C_Proj& p) { return p.M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Cmd_Top_Individual_Move_Selected(); }
std::uint32_t G_Fn_Op_S_Delete(C_Proj& p) { return p.M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Cmd_Top_Individual_Delete_Selected(); }

// What each task state does with the selection: its operation (none for the phase 0 states and
// for cut, copy and paste) and the select & edit mode it returns to.
struct C_Task {
    T_Fn_Op m_Fn_Op;
    std::uint32_t m_Mode;
};

C_Task G_Fn_Task(std::uint32_t i_Id_Task, const char* i_Function)
{
    switch (i_Id_Task) {
    case C_Machine_Top::E_Id_Task_D_DB_C_M_Modify: return {&G_Fn_Op_C_M_Modify, 1};
    case C_Machine_Top::E_Id_Task_D_DB_C_P_Modify: return {&G_Fn_Op_C_P_Modify, 2};
    case C_Machine_Top::E_Id_Task_D_DB_C_P_Reconnect_C_S: return {&G_Fn_Op_C_P_Reconnect_C_S, 2};
    case C_Machine_Top::E_Id_Task_D_DB_C_P_Reconnect_C_M: return {&G_Fn_Op_C_P_Reconnect_C_M, 2};
    case C_Machine_Top::E_Id_Task_D_DB_C_P_Palette_Sel: return {&G_Fn_Op_C_P_Palette, 2};
    case C_Machine_Top::E_Id_Task_D_DB_N_Set_Center: return {&G_Fn_Op_N_Set_Center, 5};
    case C_Machine_Top::E_Id_Task_D_DB_N_Modify: return {&G_Fn_Op_N_Modify, 5};
    case C_Machine_Top::E_Id_Task_D_DB_E_Modify: return {&G_Fn_Op_E_Modify, 6};
    case C_Machine_Top::E_Id_Task_D_DB_E_Reconnect_C_P: return {&G_Fn_Op_E_Reconnect_C_P, 6};
    case C_Machine_Top::E_Id_Task_D_DB_E_P_Palette_Sel: return {&G_Fn_Op_E_Palette, 6};
    case C_Machine_Top::E_Id_Task_D_Sect_Group_Create: return {&G_Fn_Op_S_Create, 8};
    case C_Machine_Top::E_Id_Task_D_Sect_Group_Redirect_P_1: return {&G_Fn_Op_S_Redirect, 8};
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Insert_P_1: return {&G_Fn_Op_S_Insert, 8};
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Move_P_1: return {&G_Fn_Op_S_Move, 8};
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Delete: return {&G_Fn_Op_S_Delete, 8};
    case C_Machine_Top::E_Id_Task_D_Sect_Group_Redirect_P_0:
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Insert_P_0:
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Move_P_0:
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Cut:
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Copy:
    case C_Machine_Top::E_Id_Task_D_Sect_Individual_Paste: return {nullptr, 8};
    default: VT_THROW(i_Function);
    }
}

bool G_Fn_Is(const C_Input& ro_Input, std::int32_t i_Kind) { return ro_Input.m_Kind == i_Kind; }
bool G_Fn_Held(const C_Input& ro_Input, std::uint32_t i_Flag) { return (ro_Input.m_Flags & i_Flag) != 0; }

const C_Input& G_Fn_Input(const C_Event_View_Main_On_Input& ro_Event, const char* i_Function)
{
    if (!ro_Event.m_sp_Input)
        VT_THROW(i_Function);
    return *ro_Event.m_sp_Input;
}

} // namespace

C_Machine_Top::C_Machine_Top() = default;

C_Machine_Top::~C_Machine_Top() = default;

C_Proj& C_Machine_Top::M_Fn_Proj() const
{
    auto* p_mgr_state = static_cast<C_Mgr_State*>(M_Fn_Get_Parent());
    if (!p_mgr_state || !p_mgr_state->M_Fn_Get_Proj())
        VT_THROW("N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Proj");
    return *p_mgr_state->M_Fn_Get_Proj();
}

void C_Machine_Top::M_Fn_Init()
{
    M_Fn_Init_Add_Sub_Common<C_Machine_Sub, C_Machine_Input_Idle, C_Machine_Input_Gesture, C_Machine_Task_Idle>();
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_M_Modify, std::make_unique<C_Machine_Task_D_DB_C_M_Modify>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_P_Modify, std::make_unique<C_Machine_Task_D_DB_C_P_Modify>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_P_Reconnect_C_S, std::make_unique<C_Machine_Task_D_DB_C_P_Reconnect_C_S>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_P_Reconnect_C_M, std::make_unique<C_Machine_Task_D_DB_C_P_Reconnect_C_M>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_C_P_Palette_Sel, std::make_unique<C_Machine_Task_D_DB_C_P_Palette_Sel>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_N_Set_Center, std::make_unique<C_Machine_Task_D_DB_N_Set_Center>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_N_Modify, std::make_unique<C_Machine_Task_D_DB_N_Modify>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_E_Modify, std::make_unique<C_Machine_Task_D_DB_E_Modify>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_E_Reconnect_C_P, std::make_unique<C_Machine_Task_D_DB_E_Reconnect_C_P>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_DB_E_P_Palette_Sel, std::make_unique<C_Machine_Task_D_DB_E_P_Palette_Sel>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Group_Create, std::make_unique<C_Machine_Task_D_Sect_Group_Create>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Group_Redirect_P_0, std::make_unique<C_Machine_Task_D_Sect_Group_Redirect_P_0>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Group_Redirect_P_1, std::make_unique<C_Machine_Task_D_Sect_Group_Redirect_P_1>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Individual_Insert_P_0,
                      std::make_unique<C_Machine_Task_D_Sect_Individual_Insert_P_0>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Individual_Insert_P_1,
                      std::make_unique<C_Machine_Task_D_Sect_Individual_Insert_P_1>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Individual_Move_P_0, std::make_unique<C_Machine_Task_D_Sect_Individual_Move_P_0>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Individual_Move_P_1, std::make_unique<C_Machine_Task_D_Sect_Individual_Move_P_1>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Individual_Delete, std::make_unique<C_Machine_Task_D_Sect_Individual_Delete>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Individual_Cut, std::make_unique<C_Machine_Task_D_Sect_Individual_Cut>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Individual_Copy, std::make_unique<C_Machine_Task_D_Sect_Individual_Copy>());
    M_Fn_Init_Add_Sub(E_Id_Task_D_Sect_Individual_Paste, std::make_unique<C_Machine_Task_D_Sect_Individual_Paste>());

    // The input region's guards, in the order of C_Guards_Input.
    using T = C_Machine_Top;
    const auto guard = [this](bool (T::*i_Guard)(const C_Event_View_Main_On_Input&)) {
        return [this, i_Guard](const C_Event_View_Main_On_Input& e) { return (this->*i_Guard)(e); };
    };
    M_Fn_Init_Register_Common({guard(&T::M_Fn_Guard_Input_Idle_Drag_Select), guard(&T::M_Fn_Guard_Input_Idle_Translate),
                               guard(&T::M_Fn_Guard_Input_Idle_Rotate), guard(&T::M_Fn_Guard_Input_Idle_Scale),
                               guard(&T::M_Fn_Guard_Input_Idle), guard(&T::M_Fn_Guard_Input_Rotate_Begin),
                               guard(&T::M_Fn_Guard_Input_Scale_Idle), guard(&T::M_Fn_Guard_Input_Rotate_Scale),
                               guard(&T::M_Fn_Guard_Input_Rotate_Idle), guard(&T::M_Fn_Guard_Input_Translate_Idle),
                               guard(&T::M_Fn_Guard_Input_Drag_Select_Idle)});

    auto always = [] { return true; };
    auto start = [this](std::uint32_t i_Id) { return [this, i_Id] { return M_Fn_Guard_Task_Start(i_Id); }; };
    auto done = [this](std::uint32_t i_Id) { return [this, i_Id] { return M_Fn_Guard_Task_Done(i_Id); }; };
    auto phase = [this](std::uint32_t i_Id) { return [this, i_Id] { return M_Fn_Guard_Task_Phase(i_Id); }; };
    auto refuse = [this] { return M_Fn_Guard_Task_Refuse(); };
    auto cancel = [this](std::uint32_t i_Id) {
        M_Fn_Init_Register_Transition<C_Event_C_Cancel>(
            i_Id, E_Id_Task_Idle, K_Change, {}, [this, i_Id](const C_Event_C_Cancel&) { M_Fn_Action_Task_Cancel(i_Id); });
    };
    auto apply = [this](std::uint32_t i_Id) {
        M_Fn_Init_Register_Transition<C_Event_C_Apply>(
            i_Id, E_Id_Task_Idle, K_Change, {}, [this, i_Id](const C_Event_C_Apply&) { M_Fn_Action_Task_Apply(i_Id); });
    };
    // The three transitions of a task state: its step on a selection update (i_Fn_Step into i_To;
    // none: consumed), the cancel back to idle and the apply that is only consumed.
    auto task = [&](std::uint32_t i_Id, std::function<bool()> i_Fn_Step, std::uint32_t i_To) {
        if (i_Fn_Step)
            M_Fn_Init_Guarded<C_Event_Sel_P1_Update>(i_Id, i_To, std::move(i_Fn_Step));
        else
            M_Fn_Init_Plain<C_Event_Sel_P1_Update>(i_Id, i_Id, K_Internal);
        cancel(i_Id);
        M_Fn_Init_Plain<C_Event_C_Apply>(i_Id, i_Id, K_Internal);
    };

    // Task region: the idle state starts the tasks.
    M_Fn_Init_Guarded<C_Event_D_DB_C_M_Modify>(E_Id_Task_Idle, E_Id_Task_D_DB_C_M_Modify,
                                               start(E_Id_Task_D_DB_C_M_Modify));
    M_Fn_Init_Guarded<C_Event_D_DB_C_P_Modify>(E_Id_Task_Idle, E_Id_Task_D_DB_C_P_Modify,
                                               start(E_Id_Task_D_DB_C_P_Modify));
    M_Fn_Init_Guarded<C_Event_D_DB_C_P_Reconnect_C_S>(E_Id_Task_Idle, E_Id_Task_D_DB_C_P_Reconnect_C_S,
                                                      start(E_Id_Task_D_DB_C_P_Reconnect_C_S));
    M_Fn_Init_Guarded<C_Event_D_DB_C_P_Reconnect_C_M>(E_Id_Task_Idle, E_Id_Task_D_DB_C_P_Reconnect_C_M,
                                                      start(E_Id_Task_D_DB_C_P_Reconnect_C_M));
    M_Fn_Init_Guarded<C_Event_D_DB_C_P_Palette_Sel>(E_Id_Task_Idle, E_Id_Task_D_DB_C_P_Palette_Sel,
                                                    start(E_Id_Task_D_DB_C_P_Palette_Sel));
    M_Fn_Init_Guarded<C_Event_D_DB_N_Set_Center>(E_Id_Task_Idle, E_Id_Task_D_DB_N_Set_Center,
                                                 start(E_Id_Task_D_DB_N_Set_Center));
    M_Fn_Init_Guarded<C_Event_D_DB_N_Modify>(E_Id_Task_Idle, E_Id_Task_D_DB_N_Modify, start(E_Id_Task_D_DB_N_Modify));
    M_Fn_Init_Guarded<C_Event_D_DB_E_Modify>(E_Id_Task_Idle, E_Id_Task_D_DB_E_Modify, start(E_Id_Task_D_DB_E_Modify));
    M_Fn_Init_Guarded<C_Event_D_DB_E_Reconnect_C_P>(E_Id_Task_Idle, E_Id_Task_D_DB_E_Reconnect_C_P,
                                                    start(E_Id_Task_D_DB_E_Reconnect_C_P));
    M_Fn_Init_Guarded<C_Event_D_DB_E_P_Palette_Sel>(E_Id_Task_Idle, E_Id_Task_D_DB_E_P_Palette_Sel,
                                                    start(E_Id_Task_D_DB_E_P_Palette_Sel));
    M_Fn_Init_Guarded<C_Event_D_Sect_Group_Create>(E_Id_Task_Idle, E_Id_Task_D_Sect_Group_Create, always);
    M_Fn_Init_Guarded<C_Event_D_Sect_Group_Redirect>(E_Id_Task_Idle, E_Id_Task_D_Sect_Group_Redirect_P_1,
                                                     phase(E_Id_Task_D_Sect_Group_Redirect_P_1));
    M_Fn_Init_Guarded<C_Event_D_Sect_Group_Redirect>(E_Id_Task_Idle, E_Id_Task_D_Sect_Group_Redirect_P_0, always);
    M_Fn_Init_Guarded<C_Event_D_Sect_Individual_Insert>(E_Id_Task_Idle, E_Id_Task_D_Sect_Individual_Insert_P_1,
                                                        phase(E_Id_Task_D_Sect_Individual_Insert_P_1));
    M_Fn_Init_Guarded<C_Event_D_Sect_Individual_Insert>(E_Id_Task_Idle, E_Id_Task_D_Sect_Individual_Insert_P_0, always);
    M_Fn_Init_Guarded<C_Event_D_Sect_Individual_Move>(E_Id_Task_Idle, E_Id_Task_D_Sect_Individual_Move_P_1,
                                                      phase(E_Id_Task_D_Sect_Individual_Move_P_1));
    M_Fn_Init_Guarded<C_Event_D_Sect_Individual_Move>(E_Id_Task_Idle, E_Id_Task_D_Sect_Individual_Move_P_0, always);
    M_Fn_Init_Guarded<C_Event_D_Sect_Individual_Delete>(E_Id_Task_Idle, E_Id_Task_D_Sect_Individual_Delete,
                                                        start(E_Id_Task_D_Sect_Individual_Delete));
    M_Fn_Init_Guarded<C_Event_D_Sect_Individual_Cut>(E_Id_Task_Idle, E_Id_Task_D_Sect_Individual_Cut, refuse);
    M_Fn_Init_Guarded<C_Event_D_Sect_Individual_Copy>(E_Id_Task_Idle, E_Id_Task_D_Sect_Individual_Copy, refuse);
    M_Fn_Init_Guarded<C_Event_D_Sect_Individual_Paste>(E_Id_Task_Idle, E_Id_Task_D_Sect_Individual_Paste, refuse);

    // Task region: the task states.
    for (std::uint32_t id = E_Id_Task_D_DB_C_M_Modify; id <= E_Id_Task_D_DB_E_P_Palette_Sel; ++id)
        task(id, done(id), E_Id_Task_Idle);
    // Group creation only collects picks; Apply creates the group.
    M_Fn_Init_Plain<C_Event_Sel_P1_Update>(E_Id_Task_D_Sect_Group_Create, E_Id_Task_D_Sect_Group_Create, K_Internal);
    cancel(E_Id_Task_D_Sect_Group_Create);
    apply(E_Id_Task_D_Sect_Group_Create);
    task(E_Id_Task_D_Sect_Group_Redirect_P_0, phase(E_Id_Task_D_Sect_Group_Redirect_P_1),
         E_Id_Task_D_Sect_Group_Redirect_P_1);
    // The redirection's second phase enters itself again on every selection update (its prompt is
    // set again); Apply redirects the group.
    M_Fn_Init_Plain<C_Event_Sel_P1_Update>(E_Id_Task_D_Sect_Group_Redirect_P_1, E_Id_Task_D_Sect_Group_Redirect_P_1,
                                           K_Change);
    cancel(E_Id_Task_D_Sect_Group_Redirect_P_1);
    apply(E_Id_Task_D_Sect_Group_Redirect_P_1);
    task(E_Id_Task_D_Sect_Individual_Insert_P_0, phase(E_Id_Task_D_Sect_Individual_Insert_P_1),
         E_Id_Task_D_Sect_Individual_Insert_P_1);
    task(E_Id_Task_D_Sect_Individual_Insert_P_1, done(E_Id_Task_D_Sect_Individual_Insert_P_1), E_Id_Task_Idle);
    task(E_Id_Task_D_Sect_Individual_Move_P_0, phase(E_Id_Task_D_Sect_Individual_Move_P_1),
         E_Id_Task_D_Sect_Individual_Move_P_1);
    task(E_Id_Task_D_Sect_Individual_Move_P_1, done(E_Id_Task_D_Sect_Individual_Move_P_1), E_Id_Task_Idle);
    for (std::uint32_t id = E_Id_Task_D_Sect_Individual_Delete; id <= E_Id_Task_D_Sect_Individual_Paste; ++id)
        task(id, done(id), E_Id_Task_Idle);
}

void C_Machine_Top::M_Fn_On_No_Transition()
{
    VT_THROW("N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_On_No_Transition");
}

void C_Machine_Top::M_Fn_On_Sub_Change(int i_Region_Index)
{
    if (i_Region_Index < 0 || i_Region_Index > 2)
        VT_THROW("N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_On_Sub_Change");
    auto* p_mgr_state = static_cast<C_Mgr_State*>(M_Fn_Get_Parent());
    if (p_mgr_state && p_mgr_state->M_Fn_Get_Proj())
        p_mgr_state->M_Fn_Get_Proj()->M_Fn_Signal_Fire(static_cast<E_Signal>(E_Signal_State_Error + i_Region_Index));
}

// --- select & edit modes ---------------------------------------------------------------------------

void C_Machine_Top::S_Fn_Sel_Mode_Edit_Set(C_Proj& ro_Proj, std::uint32_t i_Mode)
{
    const wchar_t* prompt = nullptr;
    bool several = true;
    switch (i_Mode) {
    case 1: prompt = L"Select & edit materials."; break;
    case 2: prompt = L"Select & edit properties."; break;
    case 5:
        prompt = L"Select & edit nodes.";
        several = false;
        break;
    case 6: prompt = L"Select & edit elements."; break;
    case 7:
        prompt = L"Import model.";
        several = false;
        break;
    case 8: prompt = L"Select & edit sections."; break;
    default: VT_THROW("N_Biz::N_Proj::N_State::C_Machine_Top::S_Fn_Sel_Mode_Edit_Set");
    }
    ro_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, several, several, several, i_Mode, prompt);
}

// --- task guards and actions -----------------------------------------------------------------------

bool C_Machine_Top::M_Fn_Guard_Task_Start(std::uint32_t i_Id_Task)
{
    const C_Task t = G_Fn_Task(i_Id_Task, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Task_Start");
    if (!t.m_Fn_Op)
        VT_THROW("N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Task_Start");
    C_Proj& proj = M_Fn_Proj();
    if (t.m_Fn_Op(proj) != 1)
        return true;
    proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Clear();
    return false;
}

bool C_Machine_Top::M_Fn_Guard_Task_Done(std::uint32_t i_Id_Task)
{
    const C_Task t = G_Fn_Task(i_Id_Task, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Task_Done");
    C_Proj& proj = M_Fn_Proj();
    if (t.m_Fn_Op && t.m_Fn_Op(proj) != 1)
        return false;
    S_Fn_Sel_Mode_Edit_Set(proj, t.m_Mode);
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Task_Phase(std::uint32_t i_Id_Task)
{
    C_Mgr_D_Sect& sects = M_Fn_Proj().M_Fn_Get_Mgr_D_Sect();
    switch (i_Id_Task) {
    case E_Id_Task_D_Sect_Group_Redirect_P_1: return sects.M_Fn_Sel_P1_Get().size() == 1;
    case E_Id_Task_D_Sect_Individual_Insert_P_1: return sects.M_Fn_Proc_Cmd_Top_Individual_Insert_Selected_To_P_1() == 1;
    case E_Id_Task_D_Sect_Individual_Move_P_1: return sects.M_Fn_Proc_Cmd_Top_Individual_Move_Selected_To_P_1() == 1;
    default: VT_THROW("N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Task_Phase");
    }
}

bool C_Machine_Top::M_Fn_Guard_Task_Refuse()
{
    M_Fn_Proj().M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Clear();
    return false;
}

void C_Machine_Top::M_Fn_Action_Task_Cancel(std::uint32_t i_Id_Task)
{
    const C_Task t = G_Fn_Task(i_Id_Task, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Action_Task_Cancel");
    S_Fn_Sel_Mode_Edit_Set(M_Fn_Proj(), t.m_Mode);
}

void C_Machine_Top::M_Fn_Action_Task_Apply(std::uint32_t i_Id_Task)
{
    if (i_Id_Task != E_Id_Task_D_Sect_Group_Create && i_Id_Task != E_Id_Task_D_Sect_Group_Redirect_P_1)
        VT_THROW("N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Action_Task_Apply");
    const C_Task t = G_Fn_Task(i_Id_Task, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Action_Task_Apply");
    C_Proj& proj = M_Fn_Proj();
    t.m_Fn_Op(proj);
    S_Fn_Sel_Mode_Edit_Set(proj, t.m_Mode);
}

// --- input guards ------------------------------------------------------------------------------------

bool C_Machine_Top::M_Fn_Guard_Input_Idle_Drag_Select(const C_Event_View_Main_On_Input& ro_Event)
{
    const C_Input& in = G_Fn_Input(ro_Event, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Input_Idle_Drag_Select");
    C_Proj& proj = M_Fn_Proj();
    if (!G_Fn_Is(in, N_In::E_Kind_Move) || !G_Fn_Held(in, N_In::E_Flag_Left) || G_Fn_Held(in, N_In::E_Flag_Ctrl) ||
        !(proj.M_Fn_Get_Mgr_Sel().M_Fn_Get_Flags() & C_Mgr_Sel::E_Flag_Multiple))
        return false;
    proj.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Drag_Select_Begin();
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Input_Idle_Translate(const C_Event_View_Main_On_Input& ro_Event)
{
    const C_Input& in = G_Fn_Input(ro_Event, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Input_Idle_Translate");
    C_Mgr_Frame& frame = M_Fn_Proj().M_Fn_Get_Mgr_Frame();
    if (G_Fn_Is(in, N_In::E_Kind_Right_Down) && G_Fn_Held(in, N_In::E_Flag_Ctrl))
        frame.m_Input_Mode = 1;
    else if (G_Fn_Is(in, N_In::E_Kind_Right_Down) && G_Fn_Held(in, N_In::E_Flag_Alt))
        frame.m_Input_Mode = 2;
    else if (G_Fn_Is(in, N_In::E_Kind_Middle_Down) && !G_Fn_Held(in, N_In::E_Flag_Ctrl))
        frame.m_Input_Mode = 3;
    else
        return false;
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Input_Idle_Rotate(const C_Event_View_Main_On_Input& ro_Event)
{
    const C_Input& in = G_Fn_Input(ro_Event, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Input_Idle_Rotate");
    if (!G_Fn_Is(in, N_In::E_Kind_Move) || !G_Fn_Held(in, N_In::E_Flag_Left) || !G_Fn_Held(in, N_In::E_Flag_Ctrl))
        return false;
    C_Mgr_Frame& frame = M_Fn_Proj().M_Fn_Get_Mgr_Frame();
    frame.m_Input_Mode = 1;
    frame.M_Fn_View_Main_Mouse_Rotate();
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Input_Idle_Scale(const C_Event_View_Main_On_Input& ro_Event)
{
    const C_Input& in = G_Fn_Input(ro_Event, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Input_Idle_Scale");
    if (!G_Fn_Is(in, N_In::E_Kind_Middle_Down) || !G_Fn_Held(in, N_In::E_Flag_Ctrl))
        return false;
    M_Fn_Proj().M_Fn_Get_Mgr_Frame().m_Input_Mode = 1;
    return true;
}

bool C_Machine_Top::M_Fn_Guard_Input_Idle(const C_Event_View_Main_On_Input& ro_Event)
{
    return M_Fn_Proj().M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Input_Idle(ro_Event.m_sp_Input);
}

bool C_Machine_Top::M_Fn_Guard_Input_Rotate_Begin(const C_Event_View_Main_On_Input& ro_Event)
{
    const C_Input& in = G_Fn_Input(ro_Event, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Input_Rotate_Begin");
    switch (M_Fn_Proj().M_Fn_Get_Mgr_Frame().m_Input_Mode) {
    case 2: return G_Fn_Is(in, N_In::E_Kind_Left_Down);
    case 3: return G_Fn_Is(in, N_In::E_Kind_Left_Down) || G_Fn_Is(in, N_In::E_Kind_Right_Down);
    default: return false;
    }
}

bool C_Machine_Top::M_Fn_Guard_Input_Rotate_Scale(const C_Event_View_Main_On_Input& ro_Event)
{
    const C_Input& in = G_Fn_Input(ro_Event, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Input_Rotate_Scale");
    switch (M_Fn_Proj().M_Fn_Get_Mgr_Frame().m_Input_Mode) {
    case 2: return G_Fn_Is(in, N_In::E_Kind_Left_Up);
    case 3:
        return (G_Fn_Is(in, N_In::E_Kind_Left_Up) || G_Fn_Is(in, N_In::E_Kind_Right_Up)) &&
               !G_Fn_Held(in, N_In::E_Flag_Left) && !G_Fn_Held(in, N_In::E_Flag_Right);
    default: return false;
    }
}

bool C_Machine_Top::M_Fn_Guard_Input_End(const C_Event_View_Main_On_Input& ro_Event, std::int32_t i_Kind_End,
                                         void (C_Mgr_Frame::*i_Fn_Step)())
{
    const C_Input& in = G_Fn_Input(ro_Event, "N_Biz::N_Proj::N_State::C_Machine_Top::M_Fn_Guard_Input_End");
    if (G_Fn_Is(in, i_Kind_End) || G_Fn_Is(in, N_In::E_Kind_Leave))
        return true;
    (M_Fn_Proj().M_Fn_Get_Mgr_Frame().*i_Fn_Step)();
    return false;
}

bool C_Machine_Top::M_Fn_Guard_Input_Scale_Idle(const C_Event_View_Main_On_Input& ro_Event)
{
    const std::uint32_t mode = M_Fn_Proj().M_Fn_Get_Mgr_Frame().m_Input_Mode;
    return M_Fn_Guard_Input_End(ro_Event, mode == 2 ? N_In::E_Kind_Right_Up : N_In::E_Kind_Middle_Up,
                                &C_Mgr_Frame::M_Fn_View_Main_Mouse_Scale);
}

bool C_Machine_Top::M_Fn_Guard_Input_Rotate_Idle(const C_Event_View_Main_On_Input& ro_Event)
{
    const std::uint32_t mode = M_Fn_Proj().M_Fn_Get_Mgr_Frame().m_Input_Mode;
    std::int32_t end = N_In::E_Kind_Middle_Up;
    if (mode == 1)
        end = N_In::E_Kind_Left_Up;
    else if (mode == 2)
        end = N_In::E_Kind_Right_Up;
    return M_Fn_Guard_Input_End(ro_Event, end, &C_Mgr_Frame::M_Fn_View_Main_Mouse_Rotate);
}

bool C_Machine_Top::M_Fn_Guard_Input_Translate_Idle(const C_Event_View_Main_On_Input& ro_Event)
{
    const std::uint32_t mode = M_Fn_Proj().M_Fn_Get_Mgr_Frame().m_Input_Mode;
    return M_Fn_Guard_Input_End(ro_Event, mode == 3 ? N_In::E_Kind_Middle_Up : N_In::E_Kind_Right_Up,
                                &C_Mgr_Frame::M_Fn_View_Main_Mouse_Translate);
}

bool C_Machine_Top::M_Fn_Guard_Input_Drag_Select_Idle(const C_Event_View_Main_On_Input& ro_Event)
{
    return M_Fn_Proj().M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Input_Drag_Select(ro_Event.m_sp_Input);
}

} // namespace N_Biz::N_Proj::N_State
