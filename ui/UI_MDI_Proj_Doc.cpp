#include "ui/UI_MDI_Proj_Doc.h"

#include "app/App.h"
#include "app/UI_Progress_Status.h"
#include "biz/cmd/Biz_Cmd_Mgr.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Event.h"
#include "common/Common_Exception.h"
#include "ui/UI_App.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Frame_Main.h"
#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"
#include "ui/UI_MDI_Proj_Wnd_View_Main.h"

#include <algorithm>
#include <iterator>
#include <mutex>
#include <string>
#include <system_error>

namespace N_UI::N_MDI::N_Proj {

using N_Biz::N_Config::C_Config;
using N_Biz::N_Config::C_Config_Data;
using N_Biz::N_Proj::C_Proj;
namespace N_State = N_Biz::N_Proj::N_State;

C_Doc::T_Fn_Thread_Start C_Doc::S_Fn_Thread_Start = [](std::function<void()> i_Fn) { return std::thread(std::move(i_Fn)); };

namespace {

// The application's configuration; none throws.
C_Config& G_Fn_Config()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        VT_THROW("N_UI::N_MDI::N_Proj::C_Doc::G_Fn_Config");
    return *p_app->m_sp_Config;
}

// Redraw: the whole project view, unless frozen or without a view (the view manager decides).
void G_Fn_Redraw(C_Proj& ro_Proj)
{
    ro_Proj.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Invalidate();
}

// Config word := value, signal code, then the project view's display update.
void G_Fn_Disp_Set(C_Proj& ro_Proj, std::int32_t C_Config_Data::*i_Word, std::int32_t i_Value)
{
    C_Config& config = G_Fn_Config();
    config.M_Fn_Data().*i_Word = i_Value;
    config.M_Fn_Notify(N_Biz::N_Config::E_Signal_Proj_Disp);
    ro_Proj.M_Fn_Get_Mgr_Frame().M_Fn_Config_Disp_Update();
}

void G_Fn_Color_By(C_Proj& ro_Proj, std::int32_t i_Value)
{
    C_Config& config = G_Fn_Config();
    config.M_Fn_Data().m_Color_By = i_Value;
    config.M_Fn_Notify(N_Biz::N_Config::E_Signal_View);
    G_Fn_Redraw(ro_Proj);
}

// A switch of the running section task: 0 gives 1, anything else 0; signal 7.
void G_Fn_Sect_Toggle(std::int32_t C_Config_Data::*i_Word)
{
    G_Fn_Config().M_Fn_Toggle(i_Word, N_Biz::N_Config::E_Signal_Sect_Edit);
}

template <class E>
void G_Fn_Post(C_Proj& ro_Proj)
{
    ro_Proj.M_Fn_Get_Mgr_State().M_Fn_Post<E>();
}

// Cancel first, then i_Fn.
template <class F>
void G_Fn_Cancel_Then(C_Proj& ro_Proj, F&& i_Fn)
{
    ro_Proj.M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    i_Fn();
}

template <class E>
void G_Fn_Cancel_Post(C_Proj& ro_Proj)
{
    G_Fn_Cancel_Then(ro_Proj, [&] { G_Fn_Post<E>(ro_Proj); });
}

// The command map: id, the handler's name for the reports, and its body.
struct C_Cmd {
    int m_Id;
    const char* m_Name;
    void (*m_Fn)(C_Proj&);
};

#define VT_CMD(i_Id, i_Name, ...) {N_Cmd::i_Id, "N_UI::N_MDI::N_Proj::C_Doc::" #i_Name, [](C_Proj& p) { __VA_ARGS__; }}

using N_Biz::N_Proj::C_Mgr_D_DB_C_M;

const C_Cmd G_Cmds[] = {
    // Editing by select & edit mode.
    VT_CMD(E_Id_Edit_Create, M_Fn_On_Cmd_Edit_Create, p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Create()),
    VT_CMD(E_Id_Edit_Delete, M_Fn_On_Cmd_Edit_Delete, p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Delete()),
    VT_CMD(E_Id_Edit_Modify, M_Fn_On_Cmd_Edit_Modify, p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Modify()),
    VT_CMD(E_Id_Edit_Move, M_Fn_On_Cmd_Edit_Move, p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Move()),
    VT_CMD(E_Id_Edit_Palette_Sel, M_Fn_On_Cmd_Edit_Palette_Sel, p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_Sel()),
    VT_CMD(E_Id_Edit_Palette_List, M_Fn_On_Cmd_Edit_Palette_List, p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Palette_List()),
    VT_CMD(E_Id_Edit_Hide_Sel, M_Fn_On_Cmd_Edit_Hide_Sel, p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Sel()),
    VT_CMD(E_Id_Edit_Hide_Unsel, M_Fn_On_Cmd_Edit_Hide_Unsel, p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Unsel()),
    VT_CMD(E_Id_Edit_Hide_Reverse, M_Fn_On_Cmd_Edit_Hide_Reverse, p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Reverse()),
    VT_CMD(E_Id_Edit_Hide_Cancel_All, M_Fn_On_Cmd_Edit_Hide_Cancel_All,
           p.M_Fn_Doc_On_Cmd_Proj_Edit_C_Hide_Cancel_All()),
    // Task control and history.
    VT_CMD(E_Id_Edit_Cancel, M_Fn_On_Cmd_Edit_Cancel, G_Fn_Post<N_State::C_Event_C_Cancel>(p)),
    VT_CMD(E_Id_Edit_Apply, M_Fn_On_Cmd_Edit_Apply, G_Fn_Post<N_State::C_Event_C_Apply>(p)),
    VT_CMD(E_Id_Edit_Undo, M_Fn_On_Cmd_Edit_Undo, G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_Cmd().M_Fn_Undo(); })),
    VT_CMD(E_Id_Edit_Redo, M_Fn_On_Cmd_Edit_Redo, G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_Cmd().M_Fn_Redo(); })),
    VT_CMD(E_Id_Edit_Cut, M_Fn_On_Cmd_None, (void)p),
    VT_CMD(E_Id_Edit_Copy, M_Fn_On_Cmd_None, (void)p),
    VT_CMD(E_Id_Edit_Paste, M_Fn_On_Cmd_None, (void)p),
    VT_CMD(E_Id_Edit_Hide_Cancel_Type, M_Fn_On_Cmd_Edit_Hide_Cancel_All_Type, G_Fn_Cancel_Then(p, [&] {
               p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Hide_Cancel_All();
               p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Hide_Cancel_All();
               p.M_Fn_Get_Mgr_D_DB_E().M_Fn_Hide_Cancel_All();
           })),
    // Select & edit modes.
    VT_CMD(E_Id_Edit_Sel_Material, M_Fn_On_Cmd_Edit_Sel_Material, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M()),
    VT_CMD(E_Id_Edit_Sel_Property, M_Fn_On_Cmd_Edit_Sel_Property, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_P()),
    VT_CMD(E_Id_Edit_Sel_Node, M_Fn_On_Cmd_Edit_Sel_Node, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_N()),
    VT_CMD(E_Id_Edit_Sel_Element, M_Fn_On_Cmd_Edit_Sel_Element, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_E()),
    VT_CMD(E_Id_Edit_Sel_Model, M_Fn_On_Cmd_Edit_Sel_Model, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_M()),
    VT_CMD(E_Id_Edit_Sel_Sect, M_Fn_On_Cmd_Edit_Sel_Sect, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S()),
    VT_CMD(E_Id_Proj_Edit_T_D_DB_C_M, M_Fn_On_Cmd_Proj_Edit_T_D_DB_C_M, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_M()),
    VT_CMD(E_Id_Proj_Edit_T_D_DB_C_P, M_Fn_On_Cmd_Proj_Edit_T_D_DB_C_P, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_C_P()),
    VT_CMD(E_Id_Proj_Edit_T_D_DB_N, M_Fn_On_Cmd_Proj_Edit_T_D_DB_N, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_N()),
    VT_CMD(E_Id_Proj_Edit_T_D_DB_E, M_Fn_On_Cmd_Proj_Edit_T_D_DB_E, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_E()),
    VT_CMD(E_Id_Proj_Edit_T_D_M, M_Fn_On_Cmd_Proj_Edit_T_D_M, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_M()),
    VT_CMD(E_Id_Proj_Edit_T_D_S, M_Fn_On_Cmd_Proj_Edit_T_D_S, p.M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S()),
    // View of the project.
    VT_CMD(E_Id_View_Reset, M_Fn_On_Cmd_View_Reset, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Reset()),
    VT_CMD(E_Id_Proj_View_Reset, M_Fn_On_Cmd_View_Reset, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Reset()),
    VT_CMD(E_Id_View_Adjust, M_Fn_On_Cmd_View_Adjust, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Adjust()),
    VT_CMD(E_Id_Proj_View_Adjust, M_Fn_On_Cmd_View_Adjust, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Adjust()),
    VT_CMD(E_Id_View_Center, M_Fn_On_Cmd_View_Center, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Center()),
    VT_CMD(E_Id_Proj_View_Center, M_Fn_On_Cmd_View_Center, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Center()),
    VT_CMD(E_Id_View_XY, M_Fn_On_Cmd_View_XY, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_XY()),
    VT_CMD(E_Id_Proj_View_XY, M_Fn_On_Cmd_View_XY, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_XY()),
    VT_CMD(E_Id_View_YX, M_Fn_On_Cmd_View_YX, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_YX()),
    VT_CMD(E_Id_Proj_View_YX, M_Fn_On_Cmd_View_YX, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_YX()),
    VT_CMD(E_Id_View_ZX, M_Fn_On_Cmd_View_ZX, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_ZX()),
    VT_CMD(E_Id_Proj_View_ZX, M_Fn_On_Cmd_View_ZX, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_ZX()),
    VT_CMD(E_Id_View_XZ, M_Fn_On_Cmd_View_XZ, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_XZ()),
    VT_CMD(E_Id_Proj_View_XZ, M_Fn_On_Cmd_View_XZ, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_XZ()),
    VT_CMD(E_Id_View_YZ, M_Fn_On_Cmd_View_YZ, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_YZ()),
    VT_CMD(E_Id_Proj_View_YZ, M_Fn_On_Cmd_View_YZ, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_YZ()),
    VT_CMD(E_Id_View_ZY, M_Fn_On_Cmd_View_ZY, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_ZY()),
    VT_CMD(E_Id_Proj_View_ZY, M_Fn_On_Cmd_View_ZY, p.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Preset_ZY()),
    // Display options.
    VT_CMD(E_Id_Proj_Disp_C_Material, M_Fn_On_Cmd_Proj_Disp_C_Material, G_Fn_Color_By(p, 0)),
    VT_CMD(E_Id_Proj_Disp_C_Property, M_Fn_On_Cmd_Proj_Disp_C_Property, G_Fn_Color_By(p, 1)),
    VT_CMD(E_Id_Proj_Disp_M_Auto, M_Fn_On_Cmd_Proj_Disp_M_Auto, G_Fn_Disp_Set(p, &C_Config_Data::m_Model_Disp, 1)),
    VT_CMD(E_Id_Proj_Disp_M_Hide, M_Fn_On_Cmd_Proj_Disp_M_Hide, G_Fn_Disp_Set(p, &C_Config_Data::m_Model_Disp, 2)),
    VT_CMD(E_Id_Proj_Disp_M_Grid, M_Fn_On_Cmd_Proj_Disp_M_Grid, G_Fn_Disp_Set(p, &C_Config_Data::m_Model_Disp, 3)),
    VT_CMD(E_Id_Proj_Disp_M_Mesh, M_Fn_On_Cmd_Proj_Disp_M_Mesh, G_Fn_Disp_Set(p, &C_Config_Data::m_Model_Disp, 4)),
    VT_CMD(E_Id_Proj_Disp_M_Shade, M_Fn_On_Cmd_Proj_Disp_M_Shade, G_Fn_Disp_Set(p, &C_Config_Data::m_Model_Disp, 5)),
    VT_CMD(E_Id_Proj_Disp_S_Auto, M_Fn_On_Cmd_Proj_Disp_S_Auto, G_Fn_Disp_Set(p, &C_Config_Data::m_Sect_Disp, 1)),
    VT_CMD(E_Id_Proj_Disp_S_Hide, M_Fn_On_Cmd_Proj_Disp_S_Hide, G_Fn_Disp_Set(p, &C_Config_Data::m_Sect_Disp, 2)),
    VT_CMD(E_Id_Proj_Disp_S_Plane, M_Fn_On_Cmd_Proj_Disp_S_Plane, G_Fn_Disp_Set(p, &C_Config_Data::m_Sect_Disp, 3)),
    VT_CMD(E_Id_Proj_Disp_S_Geom, M_Fn_On_Cmd_Proj_Disp_S_Geom, G_Fn_Disp_Set(p, &C_Config_Data::m_Sect_Disp, 4)),
    VT_CMD(E_Id_Proj_Disp_S_Tess, M_Fn_On_Cmd_Proj_Disp_S_Tess, G_Fn_Disp_Set(p, &C_Config_Data::m_Sect_Disp, 5)),
    VT_CMD(E_Id_Proj_Disp_S_Edge, M_Fn_On_Cmd_Proj_Disp_S_Edge, p.M_Fn_Doc_On_Cmd_Proj_Disp_S_Edge()),
    VT_CMD(E_Id_Proj_Disp_S_Sys_Coord, M_Fn_On_Cmd_Proj_Disp_S_Sys_Coord, p.M_Fn_Doc_On_Cmd_Proj_Disp_S_Sys_Coord()),
    VT_CMD(E_Id_Proj_Disp_Print_Mode, M_Fn_On_Cmd_Proj_Disp_Print_Mode, p.M_Fn_Doc_On_Cmd_Proj_Disp_Print_Mode()),
    // Material cards.
    VT_CMD(E_Id_Proj_Edit_D_DB_C_M_List, M_Fn_On_Cmd_Proj_Edit_D_DB_C_M_List, p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Dlg_List()),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_M_Create, M_Fn_On_Cmd_Proj_Edit_D_DB_C_M_Create,
           p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Dlg_Create()),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_M_Modify, M_Fn_On_Cmd_Proj_Edit_D_DB_C_M_Modify,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_C_M_Modify>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_M_Hide_Sel, M_Fn_On_Cmd_Proj_Edit_D_DB_C_M_Hide_Sel,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Hide_Sel(); })),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_M_Hide_Unsel, M_Fn_On_Cmd_Proj_Edit_D_DB_C_M_Hide_Unsel,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Hide_Unsel(); })),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_M_Hide_Reverse, M_Fn_On_Cmd_Proj_Edit_D_DB_C_M_Hide_Reverse,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Hide_Reverse(); })),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_M_Hide_Cancel_All, M_Fn_On_Cmd_Proj_Edit_D_DB_C_M_Hide_Cancel_All,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Hide_Cancel_All(); })),
    // Property cards.
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_List, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_List, p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Dlg_List()),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_Create, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_Create,
           p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Dlg_Create()),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_Modify, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_Modify,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_C_P_Modify>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_Reconnect_C_S, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_Reconnect_C_S,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_C_P_Reconnect_C_S>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_Reconnect_C_M, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_Reconnect_C_M,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_C_P_Reconnect_C_M>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_Palette_Sel, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_Palette_Sel,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_C_P_Palette_Sel>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_Hide_Sel, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_Hide_Sel,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Hide_Sel(); })),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_Hide_Unsel, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_Hide_Unsel,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Hide_Unsel(); })),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_Hide_Reverse, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_Hide_Reverse,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Hide_Reverse(); })),
    VT_CMD(E_Id_Proj_Edit_D_DB_C_P_Hide_Cancel_All, M_Fn_On_Cmd_Proj_Edit_D_DB_C_P_Hide_Cancel_All,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Hide_Cancel_All(); })),
    // Nodes and elements.
    VT_CMD(E_Id_Proj_Edit_D_DB_N_Set_Center, M_Fn_On_Cmd_Proj_Edit_D_DB_N_Set_Center,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_N_Set_Center>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_N_Modify, M_Fn_On_Cmd_Proj_Edit_D_DB_N_Modify,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_N_Modify>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_E_Modify, M_Fn_On_Cmd_Proj_Edit_D_DB_E_Modify,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_E_Modify>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_E_Reconnect_C_P, M_Fn_On_Cmd_Proj_Edit_D_DB_E_Reconnect_C_P,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_E_Reconnect_C_P>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_E_P_Palette_Sel, M_Fn_On_Cmd_Proj_Edit_D_DB_E_P_Palette_Sel,
           G_Fn_Cancel_Post<N_State::C_Event_D_DB_E_P_Palette_Sel>(p)),
    VT_CMD(E_Id_Proj_Edit_D_DB_E_Hide_Sel, M_Fn_On_Cmd_Proj_Edit_D_DB_E_Hide_Sel,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_E().M_Fn_Hide_Sel(); })),
    VT_CMD(E_Id_Proj_Edit_D_DB_E_Hide_Unsel, M_Fn_On_Cmd_Proj_Edit_D_DB_E_Hide_Unsel,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_E().M_Fn_Hide_Unsel(); })),
    VT_CMD(E_Id_Proj_Edit_D_DB_E_Hide_Reverse, M_Fn_On_Cmd_Proj_Edit_D_DB_E_Hide_Reverse,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_E().M_Fn_Hide_Reverse(); })),
    VT_CMD(E_Id_Proj_Edit_D_DB_E_Hide_Cancel_All, M_Fn_On_Cmd_Proj_Edit_D_DB_E_Hide_Cancel_All,
           G_Fn_Cancel_Then(p, [&] { p.M_Fn_Get_Mgr_D_DB_E().M_Fn_Hide_Cancel_All(); })),
    // Models (the two imports are members) and sections.
    VT_CMD(E_Id_Proj_Edit_D_M_4163, M_Fn_On_Cmd_None, (void)p),
    VT_CMD(E_Id_Proj_Edit_D_M_4164, M_Fn_On_Cmd_None, (void)p),
    VT_CMD(E_Id_Proj_Edit_D_S_Import, M_Fn_On_Cmd_Proj_Edit_D_S_Import,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_Import()),
    VT_CMD(E_Id_Proj_Edit_D_S_Create, M_Fn_On_Cmd_Proj_Edit_D_S_Create,
           G_Fn_Cancel_Post<N_State::C_Event_D_Sect_Group_Create>(p)),
    VT_CMD(E_Id_Proj_Edit_D_S_Insert, M_Fn_On_Cmd_Proj_Edit_D_S_Insert,
           G_Fn_Cancel_Post<N_State::C_Event_D_Sect_Individual_Insert>(p)),
    VT_CMD(E_Id_Proj_Edit_D_S_Redirect, M_Fn_On_Cmd_Proj_Edit_D_S_Redirect,
           G_Fn_Cancel_Post<N_State::C_Event_D_Sect_Group_Redirect>(p)),
    VT_CMD(E_Id_Proj_Edit_D_S_Move, M_Fn_On_Cmd_Proj_Edit_D_S_Move,
           G_Fn_Cancel_Post<N_State::C_Event_D_Sect_Individual_Move>(p)),
    VT_CMD(E_Id_Proj_Edit_D_S_Delete, M_Fn_On_Cmd_Proj_Edit_D_S_Delete,
           G_Fn_Cancel_Post<N_State::C_Event_D_Sect_Individual_Delete>(p)),
    VT_CMD(E_Id_Proj_Edit_D_S_View_Open, M_Fn_On_Cmd_Proj_Edit_D_S_View_Open,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Open()),
    VT_CMD(E_Id_Proj_Edit_D_S_View_Close, M_Fn_On_Cmd_Proj_Edit_D_S_View_Close,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Close()),
    // Options of the running section task (no cancel).
    VT_CMD(E_Id_Proj_Edit_D_S_C_Sel_N_Scrn, M_Fn_On_Cmd_Proj_Edit_D_S_C_Sel_N_Scrn,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Scrn()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Sel_N_Data, M_Fn_On_Cmd_Proj_Edit_D_S_C_Sel_N_Data,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Data()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Coord_Auto, M_Fn_On_Cmd_Proj_Edit_D_S_C_Coord_Auto,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_Auto()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Coord_G_XY, M_Fn_On_Cmd_Proj_Edit_D_S_C_Coord_G_XY,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_XY()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Coord_G_XZ, M_Fn_On_Cmd_Proj_Edit_D_S_C_Coord_G_XZ,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_XZ()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Coord_G_YZ, M_Fn_On_Cmd_Proj_Edit_D_S_C_Coord_G_YZ,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_YZ()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Coord_V_Z, M_Fn_On_Cmd_Proj_Edit_D_S_C_Coord_V_Z,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_V_Z()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Pos_Axis, M_Fn_On_Cmd_Proj_Edit_D_S_C_Pos_Axis,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Pos_Axis()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Pos_Free, M_Fn_On_Cmd_Proj_Edit_D_S_C_Pos_Free,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Pos_Free()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Beside_Before, M_Fn_On_Cmd_Proj_Edit_D_S_C_Beside_Before,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Beside_Before()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Beside_After, M_Fn_On_Cmd_Proj_Edit_D_S_C_Beside_After,
           p.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Beside_After()),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Auto_Weld, M_Fn_On_Cmd_Proj_Edit_D_S_C_Auto_Weld,
           (void)p; G_Fn_Sect_Toggle(&C_Config_Data::m_Auto_Weld)),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Auto_Adjust, M_Fn_On_Cmd_Proj_Edit_D_S_C_Auto_Adjust,
           (void)p; G_Fn_Sect_Toggle(&C_Config_Data::m_Auto_Adjust_Pos)),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Model_Cut, M_Fn_On_Cmd_Proj_Edit_D_S_C_Model_Cut,
           (void)p; G_Fn_Sect_Toggle(&C_Config_Data::m_Cut_Models)),
    VT_CMD(E_Id_Proj_Edit_D_S_C_Extra_V, M_Fn_On_Cmd_Proj_Edit_D_S_C_Extra_V,
           G_Fn_Post<N_State::C_Event_Sel_P1_Update>(p);
           G_Fn_Redraw(p)),
};

#undef VT_CMD

} // namespace

C_Doc::C_Doc(C_Proj& ro_Proj) : m_Proj(ro_Proj)
{
    for (const C_Cmd& cmd : G_Cmds) {
        Bind(
            wxEVT_MENU,
            [this, &cmd](wxCommandEvent&) { G_Fn_Catch_All(cmd.m_Name, __FILE__, __LINE__, [&] { cmd.m_Fn(m_Proj); }); },
            cmd.m_Id);
        Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& ro_Event) { ro_Event.Enable(true); }, cmd.m_Id);
    }
    Bind(wxEVT_MENU, [this](wxCommandEvent&) { M_Fn_On_Cmd_Proj_Edit_D_M_I_Dyna(); }, N_Cmd::E_Id_Proj_Edit_D_M_I_Dyna);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { M_Fn_On_Cmd_Proj_Edit_D_M_I_Nastran(); },
        N_Cmd::E_Id_Proj_Edit_D_M_I_Nastran);
    for (int id : {N_Cmd::E_Id_Proj_Edit_D_M_I_Dyna, N_Cmd::E_Id_Proj_Edit_D_M_I_Nastran})
        Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& ro_Event) { ro_Event.Enable(true); }, id);
}

C_Doc::~C_Doc()
{
    M_Fn_Frame_Close();
}

bool C_Doc::S_Fn_Takes(int i_Id)
{
    return i_Id == N_Cmd::E_Id_Proj_Edit_D_M_I_Dyna || i_Id == N_Cmd::E_Id_Proj_Edit_D_M_I_Nastran ||
           std::any_of(std::begin(G_Cmds), std::end(G_Cmds), [&](const C_Cmd& ro_Cmd) { return ro_Cmd.m_Id == i_Id; });
}

int C_Doc::M_Fn_Frame_Create()
{
    if (m_p_Frame)
        return 1;
    C_App_UI* p_app = C_App_UI::S_Fn_Get();
    C_Wnd_Frame_Main* p_main = p_app ? p_app->M_Fn_Frame_Get() : nullptr;
    if (!p_main)
        return 0;
    auto* p_frame = new C_Wnd_Frame_Child(this);
    m_p_Frame = p_frame;
    if (!p_frame->M_Fn_Create(p_main)) {
        m_p_Frame = nullptr;
        p_frame->M_Fn_Doc_Detach();
        if (p_frame->GetHandle())
            p_frame->Destroy();
        else
            delete p_frame;
        return 0;
    }
    return 1;
}

bool C_Doc::M_Fn_Frame_Close(bool i_Destroy)
{
    C_Wnd_Frame_Child* p_frame = m_p_Frame;
    if (!p_frame)
        return false;
    // The view leaves the project now; the window goes at the next idle time.
    p_frame->M_Fn_Doc_Detach();
    m_p_Frame = nullptr;
    if (i_Destroy)
        p_frame->Destroy();
    return true;
}

void C_Doc::M_Fn_Frame_Forget(C_Wnd_Frame_Child* i_p_Frame)
{
    if (m_p_Frame == i_p_Frame)
        m_p_Frame = nullptr;
}

void C_Doc::M_Fn_Title_Show(const std::wstring& i_Title)
{
    if (m_p_Frame)
        m_p_Frame->SetTitle(i_Title);
}

// --- model import ------------------------------------------------------------------------------------

void C_Doc::M_Fn_On_Cmd_Proj_Edit_D_M_I_Dyna()
{
    M_Fn_Import("N_UI::N_MDI::N_Proj::C_Doc::M_Fn_On_Cmd_Proj_Edit_D_M_I_Dyna", L"Dyna (*.dyn*;*.k)", L"*.dyn*;*.k",
                &C_Doc::M_S_Fn_Thread_Cmd_Tool_Proj_Model_In_Dyna);
}

void C_Doc::M_Fn_On_Cmd_Proj_Edit_D_M_I_Nastran()
{
    M_Fn_Import("N_UI::N_MDI::N_Proj::C_Doc::M_Fn_On_Cmd_Proj_Edit_D_M_I_Nastran", L"Nastran (*.nas*)", L"*.nas*",
                &C_Doc::M_S_Fn_Thread_Cmd_Tool_Proj_Model_In_Nastran);
}

void C_Doc::M_Fn_Import(const char* i_Function, const wchar_t* i_Filter, const wchar_t* i_Pattern, T_Fn_Worker i_Fn_Worker)
{
    G_Fn_Catch_All(i_Function, __FILE__, __LINE__, [&] {
        C_App* p_app = C_App::S_Fn_Get();
        if (!p_app)
            VT_THROW(i_Function);
        std::wstring path, name;
        if (p_app->M_Fn_UI_File_Dialog({i_Filter, i_Pattern, L"All (*)", L"*"}, path, 0, L"Open", name) != 1)
            return;
        // Kept whole: a deck path of any length, percent signs and all, reaches the reader as chosen.
        m_Import_Path = path;
        m_Import_Name = name;

        N_UI::N_Progress::C_Status& status = p_app->M_Fn_UI_Progress_Get_ro_Status();
        status.M_Fn_Start();
        // The panes hear the worker's change codes once it is done.
        m_Proj.M_Fn_Signal_Defer_Begin();
        struct C_Defer_End {
            C_Proj& m_Proj;
            ~C_Defer_End() { m_Proj.M_Fn_Signal_Defer_End(); }
        } defer_end{m_Proj};

        std::thread worker;
        try {
            worker = S_Fn_Thread_Start([i_Fn_Worker, this] { i_Fn_Worker(this); });
        } catch (...) {
            // No worker: the dialog must not wait for one.
            status.M_Fn_Stop();
            throw;
        }
        struct C_Join {
            std::thread& m_Thread;
            ~C_Join()
            {
                if (m_Thread.joinable())
                    m_Thread.join();
            }
        } join{worker};
        p_app->M_Fn_UI_Progress_Begin();
        if (worker.joinable())
            worker.join();
        // What the worker queued for the windows, before the kept codes are fired.
        p_app->M_Fn_UI_Queue_Run();
    });
}

void C_Doc::M_S_Fn_Import_Run(void* i_p_Doc, bool i_Dyna, const char* i_Function)
{
    C_App* p_app = C_App::S_Fn_Get();
    try {
        if (auto* p_doc = static_cast<C_Doc*>(i_p_Doc)) {
            auto& models = p_doc->m_Proj.M_Fn_Get_Mgr_D_Model();
            if (i_Dyna)
                models.M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Dyna(p_doc->m_Import_Path, p_doc->m_Import_Name);
            else
                models.M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(p_doc->m_Import_Path, p_doc->m_Import_Name);
        }
    } catch (const std::exception& e) {
        if (p_app)
            p_app->M_Fn_Report_Exception(i_Function, __FILE__, __LINE__, e.what());
    } catch (...) {
        if (p_app)
            p_app->M_Fn_Report_Exception(i_Function, __FILE__, __LINE__, "...");
    }
    // The worker's last act on the record: it closes the dialog.
    if (p_app)
        p_app->M_Fn_UI_Progress_Get_ro_Status().M_Fn_Stop();
}

unsigned C_Doc::M_S_Fn_Thread_Cmd_Tool_Proj_Model_In_Dyna(void* i_p_Doc)
{
    M_S_Fn_Import_Run(i_p_Doc, true, "N_UI::N_MDI::N_Proj::C_Doc::M_S_Fn_Thread_Cmd_Tool_Proj_Model_In_Dyna");
    return 0;
}

unsigned C_Doc::M_S_Fn_Thread_Cmd_Tool_Proj_Model_In_Nastran(void* i_p_Doc)
{
    M_S_Fn_Import_Run(i_p_Doc, false, "N_UI::N_MDI::N_Proj::C_Doc::M_S_Fn_Thread_Cmd_Tool_Proj_Model_In_Nastran");
    return 0;
}

} // namespace N_UI::N_MDI::N_Proj
