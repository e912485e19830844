// The window side's document of one section: never a file, it exists from the section's document
// link asking for it (the port's M_Fn_Doc_Sect_Create) until the link closes it, and outlives its
// child frames (closing a frame leaves it; opening the section again reuses it).
//
// It is the command target of the section menus, the accelerators and the section tool dialogs
// while one of its frames is the active child: the frame offers every command and update event to
// the document first. Each handler is a thin forwarder to the section, its managers, the project,
// the section's view manager or the configuration, and runs inside the catch-all: whatever it
// throws is reported and the program goes on. The document enables exactly the commands it takes;
// every other document command stays disabled while a section window is active.
//
// Option commands change the option first, raise the configuration's signal second and refresh
// the project's sections third (C_Mgr_D_Sect::M_Fn_Invalidate_All), so the tools pane sees the new
// value before any window repaints; a set-to-value command stores, signals and refreshes even when
// the value is already set.
#pragma once

#include "biz/sect/Biz_Sect_Doc.h"

#include <wx/event.h>

#include <string>
#include <vector>

namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_UI::N_MDI::N_Sect {

class C_Wnd_Frame_Child;

class C_Doc : public wxEvtHandler, public N_Biz::N_Sect::C_Doc {
public:
    // Takes the section whose document is being created (N_Biz::N_Sect::C_Mgr_Doc) and links itself
    // to it. No section being created, or a section that already has a document, throws C_Exception.
    C_Doc();
    // Unlinks itself from the section.
    ~C_Doc() override;
    C_Doc(const C_Doc&) = delete;
    C_Doc& operator=(const C_Doc&) = delete;

    // --- the section's side ---------------------------------------------------------------------------
    const std::wstring& M_Fn_Get_Title() const override { return m_Title; }
    // Stores the title, shows it on the frames' tabs, then the link takes it as the section's title.
    void M_Fn_Set_Title(const std::wstring& i_Title) override;
    int M_Fn_On_New_Document() override { return 1; }
    // Destroys the frames, then the document (which unlinks it). Nothing may use the document after.
    void M_Fn_On_Close_Document() override;
    // A new child frame with its three views, made the active window; 1, or 0 without a main frame.
    int M_Fn_Frame_Create() override;
    // Closes the frame that holds the section's main view; 1, or 0 when the main view has no frame.
    int M_Fn_Frame_Close() override;

    N_Biz::N_Sect::C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    // The frames showing the document, oldest first; by the frames as they come and go.
    const std::vector<C_Wnd_Frame_Child*>& M_Fn_Get_Frames() const { return m_Frames; }
    void M_Fn_Frame_Add(C_Wnd_Frame_Child* i_p_Frame);
    void M_Fn_Frame_Remove(C_Wnd_Frame_Child* i_p_Frame);

    // Whether the document takes command i_Id.
    static bool S_Fn_Takes(int i_Id);

    // --- command handlers -----------------------------------------------------------------------------
    // View of the main window.
    void M_Fn_On_Cmd_View_Reset();
    void M_Fn_On_Cmd_View_Adjust();
    void M_Fn_On_Cmd_View_Center();
    // Display options.
    void M_Fn_On_Cmd_Disp_S_G();
    void M_Fn_On_Cmd_Sect_Disp_S_G();
    void M_Fn_On_Cmd_Sect_Disp_S_G_V();
    void M_Fn_On_Cmd_Sect_Disp_C_M();
    void M_Fn_On_Cmd_Sect_Disp_C_P();
    void M_Fn_On_Cmd_Sect_Disp_S_N();
    void M_Fn_On_Cmd_Sect_Disp_S_Sys_Coord();
    void M_Fn_On_Cmd_Sect_Disp_Print_Mode();
    // Editing control.
    void M_Fn_On_Cmd_Edit_Cancel();
    void M_Fn_On_Cmd_Edit_Apply();
    void M_Fn_On_Cmd_Edit_Undo();
    void M_Fn_On_Cmd_Edit_Redo();
    // Generic object commands by the select & edit mode.
    void M_Fn_On_Cmd_Edit_Create();
    void M_Fn_On_Cmd_Edit_Delete();
    void M_Fn_On_Cmd_Edit_Modify();
    void M_Fn_On_Cmd_Edit_Move();
    void M_Fn_On_Cmd_Edit_Palette_Sel();
    void M_Fn_On_Cmd_Edit_Palette_List();
    // Select & edit modes (menu and tools pane).
    void M_Fn_On_Cmd_Edit_Sel_Material();
    void M_Fn_On_Cmd_Edit_Sel_Property();
    void M_Fn_On_Cmd_Edit_Sel_Geometry();
    void M_Fn_On_Cmd_Edit_Sel_Element();
    void M_Fn_On_Cmd_Edit_Sel_Sect();
    void M_Fn_On_Cmd_Sect_Edit_T_D_DB_C_M();
    void M_Fn_On_Cmd_Sect_Edit_T_D_DB_C_P();
    void M_Fn_On_Cmd_Sect_Edit_T_D_Geom();
    void M_Fn_On_Cmd_Sect_Edit_T_D_Tess();
    void M_Fn_On_Cmd_Sect_Edit_T_D_Sect();
    // Material and property cards.
    void M_Fn_On_Cmd_Sect_Edit_D_DB_C_M_List();
    void M_Fn_On_Cmd_Sect_Edit_D_DB_C_M_Create();
    void M_Fn_On_Cmd_Sect_Edit_D_DB_C_M_Modify();
    void M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_List();
    void M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Create();
    void M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Modify();
    void M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Reconnect_C_M();
    void M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Reconnect_C_S();
    void M_Fn_On_Cmd_Sect_Edit_D_DB_C_P_Palette_Sel();
    // Geometry tasks.
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Point();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Line();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Arc();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Conics();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Spline();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_C_Weld();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_Delete();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_Modify();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_Move();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_Break();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_Chamfer();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_Corner();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_Reconnect_C_P();
    void M_Fn_On_Cmd_Sect_Edit_D_Geom_P_Palette_Sel();
    // Mesh elements.
    void M_Fn_On_Cmd_Sect_Edit_D_Tess_P_Palette_Sel();
    void M_Fn_On_Cmd_Sect_Edit_D_Tess_Merge_Angle();
    void M_Fn_On_Cmd_Sect_Edit_D_Tess_Merge_L_Thk();
    void M_Fn_On_Cmd_Sect_Edit_D_Tess_Show_Thk();
    void M_Fn_On_Cmd_Sect_Edit_D_Tess_Show_Loop();
    // Whole section.
    void M_Fn_On_Cmd_Sect_Edit_D_Sect_Export();
    void M_Fn_On_Cmd_Sect_Edit_D_Sect_Scale();
    void M_Fn_On_Cmd_Sect_Edit_D_Sect_Scale_X();
    void M_Fn_On_Cmd_Sect_Edit_D_Sect_Scale_Y();
    // Analysis.
    void M_Fn_On_Cmd_Sect_Anls_Sensitivity();
    void M_Fn_On_Cmd_Sect_Anls_Result_Copy_As_Compared();
    void M_Fn_On_Cmd_Sect_Anls_Result_Copy_To_Clipboard();
    void M_Fn_On_Cmd_Sect_Anls_Str_Bound_Lower();
    void M_Fn_On_Cmd_Sect_Anls_Str_Bound_Upper();
    void M_Fn_On_Cmd_Sect_Anls_Str_Case_S_F_A_Z_P();
    void M_Fn_On_Cmd_Sect_Anls_Str_Case_S_F_A_Z_N();
    void M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_X_P();
    void M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_X_N();
    void M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_Y_P();
    void M_Fn_On_Cmd_Sect_Anls_Str_Case_S_M_B_Y_N();
    void M_Fn_On_Cmd_Sect_Anls_Sheet_Scientific();
    void M_Fn_On_Cmd_Sect_Anls_Sheet_Show_Max();
    void M_Fn_On_Cmd_Sect_Anls_Sheet_Show_Cri();
    void M_Fn_On_Cmd_Sect_Anls_Sheet_Show_P_P();
    void M_Fn_On_Cmd_Sect_Anls_Sheet_Show_P_A();
    void M_Fn_On_Cmd_Sect_Anls_Sheet_Show_P_V();
    void M_Fn_On_Cmd_Sect_Anls_S_Weakest();
    void M_Fn_On_Cmd_Sect_Anls_S_360_Moment_Inertia();
    void M_Fn_On_Cmd_Sect_Anls_S_Principal();
    void M_Fn_On_Cmd_Sect_Anls_S_Shear();
    // Cut, Copy, Paste, the hide commands, "Select &Node" and "Analysis Details": taken, no effect.
    void M_Fn_On_Cmd_None();

private:
    N_Biz::N_Sect::C_Sect* m_p_Sect;
    std::wstring m_Title;
    std::vector<C_Wnd_Frame_Child*> m_Frames;
};

} // namespace N_UI::N_MDI::N_Sect
