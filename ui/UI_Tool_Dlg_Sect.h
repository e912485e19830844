// The tool dialogs of the "Section" page: the section edit dialog with its nine sub-pages (the
// element page carries the tessellation parameters), the analysis dialog and the display dialog.
// Their buttons send the section document's commands; the dialogs show the configuration's options
// and check the three values typed here: grid scale, merge angle and length over thickness.
#pragma once

#include "ui/UI_Tool_Dlg_Edit.h"

namespace N_UI::N_Tool {

// "Edit" of the Section page (resource 450): the sub-page follows the section's task state and
// select & edit mode.
class C_Dlg_Sect_Edit : public C_Dlg_Edit {
public:
    explicit C_Dlg_Sect_Edit(C_Wnd* i_p_Pane);
    void MV_Fn_Update() override;
    void MV_Fn_On_Signal_Sect(N_Biz::N_Sect::C_Sect& ro_Sect, N_Biz::N_Sect::E_Signal i_Code) override;
    void MV_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code) override;

protected:
    C_Dlg* MV_Fn_Sub_Make(int i_Index) override;
};

// The element sub-page (436): merge angle (degrees) and length over thickness, show thickness and
// show loop.
class C_Dlg_Sect_Edit_T_D_Tess : public C_Dlg {
public:
    explicit C_Dlg_Sect_Edit_T_D_Tess(C_Wnd* i_p_Pane) : C_Dlg(436, i_p_Pane) {}
    void MV_Fn_Update() override;
    void MV_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code) override;
    void M_Fn_On_Kill_Focus_Merge_Angle();
    void M_Fn_On_Kill_Focus_Merge_L_Thk();

protected:
    void MV_Fn_On_Init() override;
};

// "Analysis" of the Section page (resource 422).
class C_Dlg_Sect_Anls : public C_Dlg {
public:
    explicit C_Dlg_Sect_Anls(C_Wnd* i_p_Pane) : C_Dlg(422, i_p_Pane) {}
    void MV_Fn_Update() override;
    void MV_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code) override;
};

// "Display" of the Section page (resource 421), with the grid scale (edit 3032).
class C_Dlg_Sect_Disp : public C_Dlg {
public:
    explicit C_Dlg_Sect_Disp(C_Wnd* i_p_Pane) : C_Dlg(421, i_p_Pane) {}
    void MV_Fn_Update() override;
    void MV_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code) override;
    void M_Fn_On_Kill_Focus_S_G_V();

protected:
    void MV_Fn_On_Init() override;
};

} // namespace N_UI::N_Tool
