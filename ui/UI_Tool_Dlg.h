// The base of every tool dialog of the tools pane and of every sub-page of its two edit dialogs: a
// panel of push buttons, radio buttons, check boxes and a few edit boxes, built from its template
// (UI_Tool_Table). The dialogs never act themselves: a command of theirs below 10000 (but the
// point entries) and Undo and Redo go to the main window, which routes it to the active document
// or the application exactly as the menu command of that id; the keyboard focus then returns to
// the pane. The dialogs mirror the configuration, the undo history and the palette property
// through the update operations below, which the pane calls on the changes it follows.
//
// Whether a command button is usable is asked the usual way: its update event goes up to the main
// frame, which offers it to the active document; a command that nobody takes stays disabled. The
// dialog itself answers for the controls whose state it owns: Undo and Redo are usable only while
// the history has an entry for them, the point entries while their section or project is current.
#pragma once

#include "ui/UI_Tool_Table.h"

#include <wx/panel.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

class wxCheckBox;
class wxRadioButton;
class wxSizer;
class wxTextCtrl;

namespace N_Biz::N_Config {
class C_Config;
class C_Config_Data;
enum E_Signal : std::int32_t;
} // namespace N_Biz::N_Config
namespace N_Biz::N_Proj {
class C_Proj;
enum E_Signal : std::int32_t;
} // namespace N_Biz::N_Proj
namespace N_Biz::N_Sect {
class C_Sect;
enum E_Signal : std::int32_t;
} // namespace N_Biz::N_Sect

namespace N_UI::N_Tool {

class C_Wnd;

class C_Dlg : public wxPanel {
public:
    // The dialog object of template i_Template for pane i_p_Pane, without its window.
    C_Dlg(unsigned i_Template, C_Wnd* i_p_Pane);
    ~C_Dlg() override;

    // The window as a child of i_p_Parent with the controls of the template; false when a window
    // could not be made. The template must exist (else C_Exception).
    bool M_Fn_Create(wxWindow* i_p_Parent);

    // Refreshes every control from the current state.
    virtual void MV_Fn_Update() {}
    // A configuration change, a change of the current section, a change of the current project.
    virtual void MV_Fn_On_Signal_Config(N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code) {}
    virtual void MV_Fn_On_Signal_Sect(N_Biz::N_Sect::C_Sect& ro_Sect, N_Biz::N_Sect::E_Signal i_Code) {}
    virtual void MV_Fn_On_Signal_Proj(N_Biz::N_Proj::C_Proj& ro_Proj, N_Biz::N_Proj::E_Signal i_Code) {}

    // The command routing rule: a forwarded id goes to the main window (then the focus to the
    // pane), the point entries to their handlers; true when the command was taken.
    bool M_Fn_On_Cmd_Msg(int i_Id);

    unsigned M_Fn_Template_Get() const { return m_Template; }
    C_Wnd* M_Fn_Pane_Get() const { return m_p_Pane; }
    // The dialog's own control of id i_Id (not one of a sub-page), or null.
    wxWindow* M_Fn_Ctrl(int i_Id) const;

    // For a sub-page: the height its edit dialog's group needs while it is shown; 0 otherwise.
    int m_Group_Height = 0;
    // The group's index in its page, given by the pane.
    int m_Group_Index = 0;
    // Whether the group starts collapsed, and its caption.
    int m_Collapsed = 0;
    std::wstring m_Caption;

protected:
    // Runs once the controls exist (the edit dialogs make their sub-pages here).
    virtual void MV_Fn_On_Init() {}

    // "Current: " and the palette property's name on label 2213; the swatch 2214 takes its colour.
    void M_Fn_Update_Proj_D_DB_C_P_Palette();
    // The Undo and Redo buttons' texts and availability from the project's history.
    void M_Fn_Update_Cmd_Undo_Redo();
    // The radio groups of settings words 40 to 43: button k of the group marked when the word is k.
    void M_Fn_Update_Radio_Group_40();
    void M_Fn_Update_Radio_Group_41();
    void M_Fn_Update_Radio_Group_42();
    void M_Fn_Update_Radio_Group_43();

    // The point entries: the typed position goes to the current section's (project's) selection.
    void M_Fn_On_Cmd_Specify_Point_Sect();
    void M_Fn_On_Cmd_Specify_Point_Proj();

    // Marks and texts of the dialog's own controls; a missing control is left alone.
    void M_Fn_Check_Set(int i_Id, std::int32_t i_Word);
    void M_Fn_Radio_Set(int i_Id, bool i_Marked);
    void M_Fn_Radio_Group_Set(int i_First, int i_Count, std::int32_t i_Word);
    void M_Fn_Text_Set(int i_Id, const std::wstring& i_Text);
    std::wstring M_Fn_Text_Get(int i_Id) const;

    // The edit-box pattern: i_Fn_Check runs when edit i_Id loses the focus; Enter in the edit moves
    // the focus to the dialog (and so runs the check).
    void M_Fn_Edit_Bind(int i_Id, std::function<void()> i_Fn_Check);
    // Applies a checked option value: refused shows the message and writes the current value back;
    // accepted stores it (i_Fn_Store), announces i_Code and sends command i_Id to the main window.
    void M_Fn_Edit_Apply(int i_Id, const C_Edit_Check& ro_Check, N_Biz::N_Config::E_Signal i_Code,
                         const std::function<void(N_Biz::N_Config::C_Config_Data&, const C_Edit_Check&)>& i_Fn_Store);
    // The same for a float word stored as checked.
    void M_Fn_Edit_Apply(int i_Id, const C_Edit_Check& ro_Check, float N_Biz::N_Config::C_Config_Data::*i_Word,
                         N_Biz::N_Config::E_Signal i_Code);
    // Sends command i_Id to the main window, as its menu entry does.
    static void S_Fn_Send_Main(int i_Id);

    // The pane's current project and section (null when none), and the configuration (throws
    // without one).
    N_Biz::N_Proj::C_Proj* M_Fn_Proj() const;
    N_Biz::N_Sect::C_Sect* M_Fn_Sect() const;
    static N_Biz::N_Config::C_Config& S_Fn_Config();

    // Whether control i_Id is usable, as far as the dialog knows: E_UI_Pass leaves the question to
    // the main window's route (the active document enables what it takes), the other two answer it.
    enum E_UI { E_UI_Pass, E_UI_Enable, E_UI_Disable };
    virtual E_UI MV_Fn_Update_UI(int i_Id);

private:
    void M_Fn_Build();
    void M_Fn_On_Command(wxCommandEvent& ro_Event);
    void M_Fn_On_Point(const char* i_Function, int i_Count);

    unsigned m_Template;
    C_Wnd* m_p_Pane;
    std::map<int, wxWindow*> m_Ctrls;
    int m_Can_Undo = 0;
    int m_Can_Redo = 0;
};

} // namespace N_UI::N_Tool
