#include "ui/UI_MDI_Sect_Doc.h"

#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "biz/sect/Biz_Sect_State_Event.h"
#include "common/Common_Exception.h"
#include "ui/UI_App.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Frame_Main.h"
#include "ui/UI_MDI_Sect_Wnd_Frame_Child.h"

#include <algorithm>
#include <iterator>

namespace N_UI::N_MDI::N_Sect {

using N_Biz::N_Config::C_Config;
using N_Biz::N_Config::C_Config_Data;
using N_Biz::N_Sect::C_Sect;
namespace N_State = N_Biz::N_Sect::N_State;

namespace {

// The application's configuration; none throws in the name of i_Function.
C_Config& G_Fn_Config(const char* i_Function)
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app || !p_app->m_sp_Config)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *p_app->m_sp_Config;
}

// The section's project; none throws in the name of i_Function.
N_Biz::N_Proj::C_Proj& G_Fn_Proj(const C_Sect& ro_Sect, const char* i_Function)
{
    N_Biz::N_Proj::C_Proj* p_proj = ro_Sect.M_Fn_Get_Proj();
    if (!p_proj)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return *p_proj;
}

// Which parts of every section of the project a command refreshes: stale results, main view,
// result graph, result sheet, sheet rows rebuilt.
struct C_Refresh {
    std::uint32_t m_Calc, m_Main, m_Graph, m_Sheet, m_Rows;
};
constexpr C_Refresh G_Refresh_M{0, 1, 0, 0, 0};
constexpr C_Refresh G_Refresh_M_G{0, 1, 1, 0, 0};
constexpr C_Refresh G_Refresh_S{0, 0, 0, 1, 0};
constexpr C_Refresh G_Refresh_S_R{0, 0, 0, 1, 1};
constexpr C_Refresh G_Refresh_G_S_R{0, 0, 1, 1, 1};
constexpr C_Refresh G_Refresh_Stale_M_G_S{1, 1, 1, 1, 0};

void G_Fn_Refresh(const C_Sect& ro_Sect, const C_Refresh& ro_Refresh, const char* i_Function)
{
    G_Fn_Proj(ro_Sect, i_Function)
        .M_Fn_Get_Mgr_D_Sect()
        .M_Fn_Invalidate_All(ro_Refresh.m_Calc, ro_Refresh.m_Main, ro_Refresh.m_Graph, ro_Refresh.m_Sheet,
                             ro_Refresh.m_Rows);
}

// A toggle option: the word toggled (0 gives 1, anything else 0) with its signal, then the refresh.
void G_Fn_Option_Toggle(const C_Sect& ro_Sect, std::int32_t C_Config_Data::*i_Word, N_Biz::N_Config::E_Signal i_Code,
                        const C_Refresh& ro_Refresh, const char* i_Function)
{
    G_Fn_Config(i_Function).M_Fn_Toggle(i_Word, i_Code);
    G_Fn_Refresh(ro_Sect, ro_Refresh, i_Function);
}

// A set-to-value option: stored, signalled and refreshed even when it already had the value.
void G_Fn_Option_Set(const C_Sect& ro_Sect, std::int32_t C_Config_Data::*i_Word, std::int32_t i_Value,
                     N_Biz::N_Config::E_Signal i_Code, const C_Refresh& ro_Refresh, const char* i_Function)
{
    C_Config& config = G_Fn_Config(i_Function);
    config.M_Fn_Data().*i_Word = i_Value;
    config.M_Fn_Notify(i_Code);
    G_Fn_Refresh(ro_Sect, ro_Refresh, i_Function);
}

// The command map: id and handler.
struct C_Cmd {
    int m_Id;
    void (C_Doc::*m_Fn)();
};

const C_Cmd G_Cmds[] = {
    {N_Cmd::E_Id_View_Reset, &C_Doc::M_Fn_On_Cmd_View_Reset},
    {N_Cmd::E_Id_View_XY, &C_Doc::M_Fn_On_Cmd_View_Reset},
    {N_Cmd::E_Id_Sect_View_Reset, &C_Doc::M_Fn_On_Cmd_View_Reset},
    {N_Cmd::E_Id_View_Adjust, &C_Doc::M_Fn_On_Cmd_View_Adjust},
    {N_Cmd::E_Id_Sect_View_Adjust, &C_Doc::M_Fn_On_Cmd_View_Adjust},
    {N_Cmd::E_Id_View_Center, &C_Doc::M_Fn_On_Cmd_View_Center},
    {N_Cmd::E_Id_Sect_View_Center, &C_Doc::M_Fn_On_Cmd_View_Center},
    {N_Cmd::E_Id_Disp_Grid, &C_Doc::M_Fn_On_Cmd_Disp_S_G},
    {N_Cmd::E_Id_Edit_Cancel, &C_Doc::M_Fn_On_Cmd_Edit_Cancel},
    {N_Cmd::E_Id_Edit_Apply, &C_Doc::M_Fn_On_Cmd_Edit_Apply},
    {N_Cmd::E_Id_Edit_Undo, &C_Doc::M_Fn_On_Cmd_Edit_Undo},
    {N_Cmd::E_Id_Edit_Redo, &C_Doc::M_Fn_On_Cmd_Edit_Redo},
    {N_Cmd::E_Id_Edit_Cut, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Edit_Copy, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Edit_Paste, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Edit_Create, &C_Doc::M_Fn_On_Cmd_Edit_Create},
    {N_Cmd::E_Id_Edit_Delete, &C_Doc::M_Fn_On_Cmd_Edit_Delete},
    {N_Cmd::E_Id_Edit_Modify, &C_Doc::M_Fn_On_Cmd_Edit_Modify},
    {N_Cmd::E_Id_Edit_Move, &C_Doc::M_Fn_On_Cmd_Edit_Move},
    {N_Cmd::E_Id_Edit_Palette_Sel, &C_Doc::M_Fn_On_Cmd_Edit_Palette_Sel},
    {N_Cmd::E_Id_Edit_Palette_List, &C_Doc::M_Fn_On_Cmd_Edit_Palette_List},
    {N_Cmd::E_Id_Edit_Hide_Sel, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Edit_Hide_Unsel, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Edit_Hide_Reverse, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Edit_Hide_Cancel_All, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Edit_Hide_Cancel_Type, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Edit_Sel_Material, &C_Doc::M_Fn_On_Cmd_Edit_Sel_Material},
    {N_Cmd::E_Id_Edit_Sel_Property, &C_Doc::M_Fn_On_Cmd_Edit_Sel_Property},
    {N_Cmd::E_Id_Edit_Sel_Geometry, &C_Doc::M_Fn_On_Cmd_Edit_Sel_Geometry},
    {N_Cmd::E_Id_Edit_Sel_Node, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Edit_Sel_Element, &C_Doc::M_Fn_On_Cmd_Edit_Sel_Element},
    {N_Cmd::E_Id_Edit_Sel_Sect, &C_Doc::M_Fn_On_Cmd_Edit_Sel_Sect},
    {N_Cmd::E_Id_Sect_Disp_C_M, &C_Doc::M_Fn_On_Cmd_Sect_Disp_C_M},
    {N_Cmd::E_Id_Sect_Disp_C_P, &C_Doc::M_Fn_On_Cmd_Sect_Disp_C_P},
    {N_Cmd::E_Id_Sect_Disp_S_G, &C_Doc::M_Fn_On_Cmd_Sect_Disp_S_G},
    {N_Cmd::E_Id_Sect_Disp_S_G_V, &C_Doc::M_Fn_On_Cmd_Sect_Disp_S_G_V},
    {N_Cmd::E_Id_Sect_Disp_S_N, &C_Doc::M_Fn_On_Cmd_Sect_Disp_S_N},
    {N_Cmd::E_Id_Sect_Disp_S_Sys_Coord, &C_Doc::M_Fn_On_Cmd_Sect_Disp_S_Sys_Coord},
    {N_Cmd::E_Id_Sect_Disp_Print_Mode, &C_Doc::M_Fn_On_Cmd_Sect_Disp_Print_Mode},
    {N_Cmd::E_Id_Sect_Anls_Details, &C_Doc::M_Fn_On_Cmd_None},
    {N_Cmd::E_Id_Sect_Anls_Sensitivity, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Sensitivity},
    {N_Cmd::E_Id_Sect_Anls_Result_Copy_As_Compared, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Result_Copy_As_Compared},
    {N_Cmd::E_Id_Sect_Anls_Result_Copy_To_Clipboard, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Result_Copy_To_Clipboard},
    {N_Cmd::E_Id_Sect_Anls_Str_Bound_Lower, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Str_Bound_Lower},
    {N_Cmd::E_Id_Sect_Anls_Str_Bound_Upper, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Str_Bound_Upper},
    {N_Cmd::E_Id_Sect_Anls_Str_Case_S_F_A_Z_P, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Str_Case_S_F_A_Z_P},
    {N_Cmd::E_Id_Sect_Anls_Str_Case_S_F_A_Z_N, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Str_Case_S_F_A_Z_N},
    {N_Cmd::E_Id_Sect_Anls_Str_Case_S_M_B_X_P, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_X_P},
    {N_Cmd::E_Id_Sect_Anls_Str_Case_S_M_B_X_N, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_X_N},
    {N_Cmd::E_Id_Sect_Anls_Str_Case_S_M_B_Y_P, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_Y_P},
    {N_Cmd::E_Id_Sect_Anls_Str_Case_S_M_B_Y_N, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_Y_N},
    {N_Cmd::E_Id_Sect_Anls_Sheet_Scientific, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Sheet_Scientific},
    {N_Cmd::E_Id_Sect_Anls_Sheet_Show_Max, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Sheet_Show_Max},
    {N_Cmd::E_Id_Sect_Anls_Sheet_Show_Cri, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Sheet_Show_Cri},
    {N_Cmd::E_Id_Sect_Anls_Sheet_Show_P_P, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Sheet_Show_P_P},
    {N_Cmd::E_Id_Sect_Anls_Sheet_Show_P_A, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Sheet_Show_P_A},
    {N_Cmd::E_Id_Sect_Anls_Sheet_Show_P_V, &C_Doc::M_Fn_On_Cmd_Sect_Anls_Sheet_Show_P_V},
    {N_Cmd::E_Id_Sect_Anls_S_Weakest, &C_Doc::M_Fn_On_Cmd_Sect_Anls_S_Weakest},
    {N_Cmd::E_Id_Sect_Anls_S_360_Moment_Inertia, &C_Doc::M_Fn_On_Cmd_Sect_Anls_S_360_Moment_Inertia},
    {N_Cmd::E_Id_Sect_Anls_S_Principal, &C_Doc::M_Fn_On_Cmd_Sect_Anls_S_Principal},
    {N_Cmd::E_Id_Sect_Anls_S_Shear, &C_Doc::M_Fn_On_Cmd_Sect_Anls_S_Shear},
    {N_Cmd::E_Id_Sect_Edit_T_D_DB_C_M, &C_Doc::M_Fn_On_Cmd_Sect_Edit_T_D_DB_C_M},
    {N_Cmd::E_Id_Sect_Edit_T_D_DB_C_P, &C_Doc::M_Fn_On_Cmd_Sect_Edit_T_D_DB_C_P},
    {N_Cmd::E_Id_Sect_Edit_T_D_Geom, &C_Doc::M_Fn_On_Cmd_Sect_Edit_T_D_Geom},
    {N_Cmd::E_Id_Sect_Edit_T_D_Tess, &C_Doc::M_Fn_On_Cmd_Sect_Edit_T_D_Tess},
    {N_Cmd::E_Id_Sect_Edit_T_D_Sect, &C_Doc::M_Fn_On_Cmd_Sect_Edit_T_D_Sect},
    {N_Cmd::E_Id_Sect_Edit_D_DB_C_M_List, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_DB_C_M_List},
    {N_Cmd::E_Id_Sect_Edit_D_DB_C_M_Create, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_DB_C_M_Create},
    {N_Cmd::E_Id_Sect_Edit_D_DB_C_M_Modify, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_DB_C_M_Modify},
    {N_Cmd::E_Id_Sect_Edit_D_DB_C_P_List, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_List},
    {N_Cmd::E_Id_Sect_Edit_D_DB_C_P_Create, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Create},
    {N_Cmd::E_Id_Sect_Edit_D_DB_C_P_Modify, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Modify},
    {N_Cmd::E_Id_Sect_Edit_D_DB_C_P_Reconnect_C_M, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Reconnect_C_M},
    {N_Cmd::E_Id_Sect_Edit_D_DB_C_P_Reconnect_C_S, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Reconnect_C_S},
    {N_Cmd::E_Id_Sect_Edit_D_DB_C_P_Palette_Sel, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Palette_Sel},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_C_Point, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Point},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_C_Line, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Line},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_C_Arc, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Arc},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_C_Conics, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Conics},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_C_Spline, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Spline},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_C_Weld, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Weld},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_Delete, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_Delete},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_Modify, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_Modify},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_Move, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_Move},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_Break, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_Break},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_Chamfer, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_Chamfer},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_Corner, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_Corner},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_Reconnect_C_P, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_Reconnect_C_P},
    {N_Cmd::E_Id_Sect_Edit_D_Geom_P_Palette_Sel, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Geom_P_Palette_Sel},
    {N_Cmd::E_Id_Sect_Edit_D_Tess_P_Palette_Sel, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Tess_P_Palette_Sel},
    {N_Cmd::E_Id_Sect_Edit_D_Tess_Merge_Angle, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Tess_Merge_Angle},
    {N_Cmd::E_Id_Sect_Edit_D_Tess_Merge_L_Thk, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Tess_Merge_L_Thk},
    {N_Cmd::E_Id_Sect_Edit_D_Tess_Show_Thk, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Tess_Show_Thk},
    {N_Cmd::E_Id_Sect_Edit_D_Tess_Show_Loop, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Tess_Show_Loop},
    {N_Cmd::E_Id_Sect_Edit_D_Sect_Export, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Sect_Export},
    {N_Cmd::E_Id_Sect_Edit_D_Sect_Scale, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Sect_Scale},
    {N_Cmd::E_Id_Sect_Edit_D_Sect_Scale_X, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Sect_Scale_X},
    {N_Cmd::E_Id_Sect_Edit_D_Sect_Scale_Y, &C_Doc::M_Fn_On_Cmd_Sect_Edit_D_Sect_Scale_Y},
};

} // namespace

C_Doc::C_Doc() : m_p_Sect(N_Biz::N_Sect::C_Mgr_Doc::S_Fn_Sect_Creating_Get())
{
    if (!m_p_Sect)
        VT_THROW("N_UI::N_MDI::N_Sect::C_Doc::C_Doc");
    m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Construct(this);

    for (const C_Cmd& cmd : G_Cmds) {
        Bind(wxEVT_MENU, [this, fn = cmd.m_Fn](wxCommandEvent&) { (this->*fn)(); }, cmd.m_Id);
        Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& ro_Event) { ro_Event.Enable(true); }, cmd.m_Id);
    }
}

C_Doc::~C_Doc()
{
    try {
        m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Destruct();
    } catch (const std::exception& e) {
        G_Fn_Report_Exception("N_UI::N_MDI::N_Sect::C_Doc::~C_Doc", __FILE__, __LINE__, e.what());
    }
}

bool C_Doc::S_Fn_Takes(int i_Id)
{
    return std::any_of(std::begin(G_Cmds), std::end(G_Cmds), [&](const C_Cmd& ro_Cmd) { return ro_Cmd.m_Id == i_Id; });
}

void C_Doc::M_Fn_Set_Title(const std::wstring& i_Title)
{
    m_Title = i_Title;
    for (C_Wnd_Frame_Child* p_frame : m_Frames)
        p_frame->SetTitle(i_Title);
    m_p_Sect->M_Fn_Get_Mgr_Doc().M_Fn_On_Set_Title();
}

void C_Doc::M_Fn_On_Close_Document()
{
    // Each frame leaves the list as it goes.
    while (!m_Frames.empty()) {
        C_Wnd_Frame_Child* p_frame = m_Frames.back();
        p_frame->M_Fn_Doc_Detach();
        p_frame->Destroy();
    }
    delete this;
}

int C_Doc::M_Fn_Frame_Create()
{
    C_App_UI* p_app = C_App_UI::S_Fn_Get();
    C_Wnd_Frame_Main* p_main = p_app ? p_app->M_Fn_Frame_Get() : nullptr;
    if (!p_main)
        return 0;
    auto* p_frame = new C_Wnd_Frame_Child(this);
    if (!p_frame->M_Fn_Create(p_main)) {
        if (p_frame->GetHandle())
            p_frame->Destroy();
        else
            delete p_frame;
        return 0;
    }
    return 1;
}

int C_Doc::M_Fn_Frame_Close()
{
    for (C_Wnd_Frame_Child* p_frame : m_Frames)
        if (p_frame->M_Fn_Holds_View(m_p_Sect->M_Fn_Get_Mgr_Frame().m_p_View_Main)) {
            p_frame->Close();
            return 1;
        }
    return 0;
}

void C_Doc::M_Fn_Frame_Add(C_Wnd_Frame_Child* i_p_Frame)
{
    if (std::find(m_Frames.begin(), m_Frames.end(), i_p_Frame) == m_Frames.end())
        m_Frames.push_back(i_p_Frame);
}

void C_Doc::M_Fn_Frame_Remove(C_Wnd_Frame_Child* i_p_Frame)
{
    m_Frames.erase(std::remove(m_Frames.begin(), m_Frames.end(), i_p_Frame), m_Frames.end());
}

// Every handler: the body inside the catch-all in the handler's own name, with the section at hand.
#define VT_SECT_DOC_CMD(i_Name, ...)                                                                                  \
    void C_Doc::i_Name()                                                                                               \
    {                                                                                                                  \
        static constexpr const char* K_Fn = "N_UI::N_MDI::N_Sect::C_Doc::" #i_Name;                                   \
        G_Fn_Catch_All(K_Fn, __FILE__, __LINE__, [&] {                                                                 \
            C_Sect& sect = *m_p_Sect;                                                                                  \
            __VA_ARGS__;                                                                                               \
        });                                                                                                            \
    }

// --- view of the main window ---------------------------------------------------------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_View_Reset, sect.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Reset())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_View_Adjust, sect.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Adjust())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_View_Center, sect.M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Center())

// --- display options -----------------------------------------------------------------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Disp_S_G,
                G_Fn_Option_Toggle(sect, &C_Config_Data::m_Show_Grid, N_Biz::N_Config::E_Signal_Sect_Grid,
                                   G_Refresh_M, K_Fn))
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Disp_S_G,
                G_Fn_Option_Toggle(sect, &C_Config_Data::m_Show_Grid, N_Biz::N_Config::E_Signal_Sect_Grid,
                                   G_Refresh_M, K_Fn))
// Sent by the tools pane after it stored a new grid scale: a hidden grid needs no repaint.
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Disp_S_G_V, if (G_Fn_Config(K_Fn).M_Fn_Data().m_Show_Grid != 0)
                                                 G_Fn_Refresh(sect, G_Refresh_M, K_Fn))
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Disp_C_M,
                G_Fn_Option_Set(sect, &C_Config_Data::m_Color_By, 0, N_Biz::N_Config::E_Signal_View, G_Refresh_M,
                                K_Fn))
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Disp_C_P,
                G_Fn_Option_Set(sect, &C_Config_Data::m_Color_By, 1, N_Biz::N_Config::E_Signal_View, G_Refresh_M,
                                K_Fn))
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Disp_S_N,
                G_Fn_Option_Toggle(sect, &C_Config_Data::m_Show_Nodes, N_Biz::N_Config::E_Signal_Sect_Grid,
                                   G_Refresh_M, K_Fn))
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Disp_S_Sys_Coord,
                G_Fn_Option_Toggle(sect, &C_Config_Data::m_Show_Coord, N_Biz::N_Config::E_Signal_View, G_Refresh_M,
                                   K_Fn))
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Disp_Print_Mode,
                G_Fn_Option_Toggle(sect, &C_Config_Data::m_Print_Mode, N_Biz::N_Config::E_Signal_View, G_Refresh_M_G,
                                   K_Fn))

// --- editing control -----------------------------------------------------------------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Cancel, sect.M_Fn_Task_Cancel())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Apply, sect.M_Fn_Get_Mgr_State().M_Fn_Post<N_State::C_Event_C_Apply>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Undo, sect.M_Fn_Task_Cancel(); G_Fn_Proj(sect, K_Fn).M_Fn_Get_Mgr_Cmd().M_Fn_Undo())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Redo, sect.M_Fn_Task_Cancel(); G_Fn_Proj(sect, K_Fn).M_Fn_Get_Mgr_Cmd().M_Fn_Redo())

// --- generic object commands (the section cancels its task first) --------------------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Create, sect.M_Fn_Doc_On_Cmd_Sect_Edit_C_Create())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Delete, sect.M_Fn_Doc_On_Cmd_Sect_Edit_C_Delete())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Modify, sect.M_Fn_Doc_On_Cmd_Sect_Edit_C_Modify())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Move, sect.M_Fn_Doc_On_Cmd_Sect_Edit_C_Move())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Palette_Sel, sect.M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_Sel())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Palette_List, sect.M_Fn_Doc_On_Cmd_Sect_Edit_C_Palette_List())

// --- select & edit modes -------------------------------------------------------------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Sel_Material, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Material())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Sel_Property, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Property())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Sel_Geometry, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Geometry())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Sel_Element, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Element())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Edit_Sel_Sect, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Sect())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_T_D_DB_C_M, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Material())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_T_D_DB_C_P, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Property())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_T_D_Geom, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Geometry())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_T_D_Tess, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Element())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_T_D_Sect, sect.M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Sect())

// --- material and property cards -----------------------------------------------------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_DB_C_M_List, sect.M_Fn_Task_Cancel();
                G_Fn_Proj(sect, K_Fn).M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Dlg_List())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_DB_C_M_Create, sect.M_Fn_Task_Cancel();
                G_Fn_Proj(sect, K_Fn).M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Dlg_Create())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_DB_C_M_Modify,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_DB_C_M_Modify>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_List, sect.M_Fn_Task_Cancel();
                G_Fn_Proj(sect, K_Fn).M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Dlg_List())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Create, sect.M_Fn_Task_Cancel();
                G_Fn_Proj(sect, K_Fn).M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Dlg_Create())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Modify,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_DB_C_P_Modify>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Reconnect_C_M,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_DB_C_P_Reconnect_C_M>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Reconnect_C_S,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_DB_C_P_Reconnect_C_S>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Palette_Sel,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_DB_C_P_Palette_Sel>())

// --- geometry tasks (the creation starters record their kind, cancel, then post) ------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Point,
                sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Point())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Line,
                sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Line())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Arc,
                sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Arc())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Conics,
                sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Conics())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Spline,
                sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Spline())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Weld,
                sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Create_Weld())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_Delete,
                sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Delete())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_Modify,
                sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Modify())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_Move, sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_Move())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_Break,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_Geom_E_Break>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_Chamfer,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_Geom_E_Chamfer>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_Corner,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_Geom_E_Corner>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_Reconnect_C_P,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_Geom_E_Reconnect_C_P>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Geom_P_Palette_Sel,
                sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Geom_E_P_Palette_Sel())

// --- mesh elements -------------------------------------------------------------------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Tess_P_Palette_Sel,
                sect.M_Fn_Get_Mgr_State().M_Fn_Task_Start<N_State::C_Event_D_Tess_E_P_Palette_Sel>())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Tess_Merge_Angle, G_Fn_Refresh(sect, G_Refresh_Stale_M_G_S, K_Fn))
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Tess_Merge_L_Thk, G_Fn_Refresh(sect, G_Refresh_Stale_M_G_S, K_Fn))
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Tess_Show_Thk,
                sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Tess_Show_Thk())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Tess_Show_Loop,
                sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Doc_On_Cmd_Sect_Edit_D_Tess_Show_Loop())

// --- whole section -------------------------------------------------------------------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Sect_Export, sect.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Export())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Sect_Scale, sect.M_Fn_Task_Cancel();
                sect.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Sect_Scale_X, sect.M_Fn_Task_Cancel();
                sect.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale_X())
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Edit_D_Sect_Scale_Y, sect.M_Fn_Task_Cancel();
                sect.M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale_Y())

// --- analysis ------------------------------------------------------------------------------------

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Anls_Sensitivity, sect.M_Fn_Doc_On_Cmd_Sect_Dlg())

// The project's compared result becomes a copy of this section's current result (the result's
// assignment copies, swaps and drops the old one); every sheet then compares against it.
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Anls_Result_Copy_As_Compared,
                const auto& sp_compared = G_Fn_Proj(sect, K_Fn).M_Fn_Get_Mgr_D_Sect().M_Fn_Result_Compared_Get();
                const auto& sp_result = sect.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result();
                if (!sp_compared || !sp_result) throw N_Common::N_Exception::C_Exception(K_Fn, __FILE__, __LINE__);
                *sp_compared = *sp_result; G_Fn_Refresh(sect, G_Refresh_S, K_Fn))

// Every section of the project, not only this one, goes to the clipboard as one table.
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Anls_Result_Copy_To_Clipboard,
                G_Fn_Proj(sect, K_Fn).M_Fn_Get_Mgr_D_Sect().M_Fn_Calc_Result_For_Clipboard_Copy_All())

VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Anls_Str_Bound_Lower,
                G_Fn_Option_Set(sect, &C_Config_Data::m_Stress_Bound, 0, N_Biz::N_Config::E_Signal_Analysis,
                                G_Refresh_G_S_R, K_Fn))
VT_SECT_DOC_CMD(M_Fn_On_Cmd_Sect_Anls_Str_Bound_Upper,
                G_Fn_Option_Set(sect, &C_Config_Data::m_Stress_Bound, 1, N_Biz::N_Config::E_Signal_Analysis,
                                G_Refresh_G_S_R, K_Fn))

#define VT_SECT_DOC_CMD_CASE(i_Name, i_Case)                                                                          \
    VT_SECT_DOC_CMD(i_Name, G_Fn_Option_Set(sect, &C_Config_Data::m_Load_Case, i_Case,                                \
                                            N_Biz::N_Config::E_Signal_Analysis, G_Refresh_Stale_M_G_S, K_Fn))
VT_SECT_DOC_CMD_CASE(M_Fn_On_Cmd_Sect_Anls_Str_Case_S_F_A_Z_P, 0)
VT_SECT_DOC_CMD_CASE(M_Fn_On_Cmd_Sect_Anls_Str_Case_S_F_A_Z_N, 1)
VT_SECT_DOC_CMD_CASE(M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_X_P, 2)
VT_SECT_DOC_CMD_CASE(M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_X_N, 3)
VT_SECT_DOC_CMD_CASE(M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_Y_P, 4)
VT_SECT_DOC_CMD_CASE(M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_Y_N, 5)
#undef VT_SECT_DOC_CMD_CASE

#define VT_SECT_DOC_CMD_TOGGLE(i_Name, i_Word, i_Refresh)                                                             \
    VT_SECT_DOC_CMD(i_Name, G_Fn_Option_Toggle(sect, &C_Config_Data::i_Word, N_Biz::N_Config::E_Signal_Analysis,     \
                                               i_Refresh, K_Fn))
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_Sheet_Scientific, m_Sheet_Scientific, G_Refresh_S)
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_Sheet_Show_Max, m_Sheet_Max, G_Refresh_S_R)
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_Sheet_Show_Cri, m_Sheet_Critical, G_Refresh_S_R)
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_Sheet_Show_P_P, m_Sheet_Corner, G_Refresh_S_R)
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_Sheet_Show_P_A, m_Sheet_Average, G_Refresh_S_R)
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_Sheet_Show_P_V, m_Sheet_Min, G_Refresh_S_R)
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_S_Weakest, m_Show_Weakest, G_Refresh_M)
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_S_360_Moment_Inertia, m_Show_Inertia_360, G_Refresh_Stale_M_G_S)
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_S_Principal, m_Show_Principal, G_Refresh_M)
VT_SECT_DOC_CMD_TOGGLE(M_Fn_On_Cmd_Sect_Anls_S_Shear, m_Show_Shear_Center, G_Refresh_M)
#undef VT_SECT_DOC_CMD_TOGGLE

#undef VT_SECT_DOC_CMD

void C_Doc::M_Fn_On_Cmd_None()
{
}

} // namespace N_UI::N_MDI::N_Sect
