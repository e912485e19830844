// The tool dialogs of the "General" and "Project" pages: the "File" dialog (one on every page),
// the project edit dialog with its sixteen sub-pages, and the project display dialog. Their
// buttons send the project document's and the application's commands; the dialogs show the
// configuration's options and check the one value typed here, the extra sections per axis.
#pragma once

#include "ui/UI_Tool_Dlg_Edit.h"

namespace N_UI::N_Tool {

// "File": the project file and project view commands of the application (resource 411).
class C_Dlg_G_File : public C_Dlg {
public:
    explicit C_Dlg_G_File(C_Wnd* i_p_Pane) : C_Dlg(411, i_p_Pane) {}
};

// "Edit" of the Project page (resource 460): the sub-page follows the project's task state and
// select & edit mode.
class C_Dlg_Proj_Edit : public C_Dlg_Edit {
public:
    explicit C_Dlg_Proj_Edit(C_Wnd* i_p_Pane);
    void MV_Fn_Update() override;
    void MV_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code) override;

protected:
    C_Dlg* MV_Fn_Sub_Make(int i_Index) override;
};

// "Display" of the Project page (resource 451).
class C_Dlg_Proj_Disp : public C_Dlg {
public:
    explicit C_Dlg_Proj_Disp(C_Wnd* i_p_Pane) : C_Dlg(451, i_p_Pane) {}
    void MV_Fn_Update() override;
    void MV_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code) override;
};

// The section task pages of the project edit dialog: their radio groups (words 40 to 43) and
// options (words 38 and 39) marked from the configuration, whichever of them the page has.
class C_Dlg_Proj_Edit_D_S : public C_Dlg {
public:
    C_Dlg_Proj_Edit_D_S(unsigned i_Template, C_Wnd* i_p_Pane, E_Dlg i_Kind);
    void MV_Fn_Update() override;
    void MV_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code) override;

private:
    E_Dlg m_Kind;
};

// Group create (471): also the number of extra sections per axis (edit 4198).
class C_Dlg_Proj_Edit_D_S_G_Create : public C_Dlg_Proj_Edit_D_S {
public:
    explicit C_Dlg_Proj_Edit_D_S_G_Create(C_Wnd* i_p_Pane);
    void MV_Fn_Update() override;
    void M_Fn_On_Kill_Focus_Extra_V();

protected:
    void MV_Fn_On_Init() override;
};

#define VT_TOOL_DLG_PROJ_S(i_Name, i_Template)                                                                        \
    class i_Name : public C_Dlg_Proj_Edit_D_S {                                                                       \
    public:                                                                                                            \
        explicit i_Name(C_Wnd* i_p_Pane) : C_Dlg_Proj_Edit_D_S(i_Template, i_p_Pane, E_Dlg::E_Proj_S_Option) {}        \
    };
VT_TOOL_DLG_PROJ_S(C_Dlg_Proj_Edit_D_S_G_Redirect_1, 472)
VT_TOOL_DLG_PROJ_S(C_Dlg_Proj_Edit_D_S_I_Insert_0, 473)
VT_TOOL_DLG_PROJ_S(C_Dlg_Proj_Edit_D_S_I_Insert_1, 474)
VT_TOOL_DLG_PROJ_S(C_Dlg_Proj_Edit_D_S_I_Move_1, 475)
VT_TOOL_DLG_PROJ_S(C_Dlg_Proj_Edit_D_S_I_Paste, 476)
#undef VT_TOOL_DLG_PROJ_S

} // namespace N_UI::N_Tool
