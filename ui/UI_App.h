// The window side of the application object: it makes the application core (C_App) with the wx
// window port, runs the start-up, owns the main frame's pointer, the settings store and the
// recent-file list, and handles the application's commands (new, open, close, save, save as and
// print of the project, its view, the recent files, About).
//
// Start-up, in order: program directory; log ("Failed to open log file."); settings with the four
// recent files; schema ("Failed to initialize database information."); configuration ("Failed to
// create config"); section information ("Failed to create section info"); main frame ("Failed to
// create main MDI frame window.", "Failed to load main MDI frame window."); the command line (a
// project file is opened as a recent file is; "Failed to process shell command."); the frame's
// subscription to the configuration; the frame shown maximised. A failing step shows its message
// and ends the start-up.
//
// Settings live in one file under the user's XDG configuration directory ("Veltrane.conf"), in
// the group named by the product and its version ("Veltrane 1.2.0037"): "ApplicationLook", the
// recent files and the pane layout.
#pragma once

#include <memory>
#include <string>
#include <vector>

class C_App;
class wxFileConfig;
class wxFileHistory;
class wxMenu;

namespace N_UI {

class C_App_Port_Wx;
namespace N_MDI {
class C_Wnd_Frame_Main;
}

class C_App_UI {
public:
    // What the start-up takes from outside.
    struct C_Init {
        std::wstring m_Dir;               // program directory (log, schema files); empty: the program file's
        std::vector<std::wstring> m_Args; // command-line arguments after the program's name
        std::wstring m_Config_Path;       // settings file; empty: under the user's XDG configuration directory
    };

    static constexpr unsigned S_Look_Default = 135;
    static constexpr std::size_t S_Recent_Max = 4;

    // One at a time (C_Exception otherwise).
    C_App_UI();
    // Deletes a main frame that still exists, then the core (which releases the project).
    ~C_App_UI();
    C_App_UI(const C_App_UI&) = delete;
    C_App_UI& operator=(const C_App_UI&) = delete;

    // The one object, or null.
    static C_App_UI* S_Fn_Get();

    // The start-up above: true when the program runs, false when a step failed.
    bool M_Fn_Init_Instance(const C_Init& i_Init);
    // Releases the project at exit.
    int M_Fn_Exit_Instance();

    // The core, once the start-up has made it.
    C_App* M_Fn_Core() const { return m_up_Core.get(); }
    // The main frame, null before it exists and once its window is going.
    N_MDI::C_Wnd_Frame_Main* M_Fn_Frame_Get() const { return m_p_Frame_Main; }
    // By the frame as its window goes: later messages find no frame.
    void M_Fn_Frame_Clear() { m_p_Frame_Main = nullptr; }

    // The window look 131 to 139. Read: the setting "ApplicationLook" (default 135; a stored value
    // outside 131 to 139 counts as 135) becomes the application's look. Store: the application's
    // look becomes i_Look and the setting is written.
    unsigned M_Fn_Look_Get() const { return m_Look; }
    void M_Fn_Look_Read();
    void M_Fn_Look_Store(unsigned i_Look);
    // The stored pane layout (empty when none), and its store.
    std::wstring M_Fn_Layout_Read() const;
    void M_Fn_Layout_Store(const std::wstring& i_Layout);

    // The recent-file list: a menu that shows it, the menu's removal (before it is destroyed), and
    // a path that was opened or saved (put first, written to the settings).
    wxFileHistory& M_Fn_Recent() { return *m_up_Recent; }
    void M_Fn_Recent_Menu_Use(wxMenu* i_p_Menu);
    void M_Fn_Recent_Menu_Remove(wxMenu* i_p_Menu);
    void M_Fn_Recent_Add(const std::wstring& i_Path);

    // The application's commands; each reports whatever it throws and returns normally.
    void M_Fn_On_Cmd_File_MRU_File(int i_Id);
    void M_Fn_On_Cmd_File_Proj_New();
    void M_Fn_On_Cmd_File_Proj_Open();
    void M_Fn_On_Cmd_File_Proj_Close();
    void M_Fn_On_Cmd_File_Proj_Save();
    void M_Fn_On_Cmd_File_Proj_Save_As();
    void M_Fn_On_Cmd_File_Proj_Print();
    void M_Fn_On_Cmd_File_Proj_View_Open();
    void M_Fn_On_Cmd_File_Proj_View_Close();
    void M_Fn_On_Cmd_App_About();

    // Closes the project (asking to save a modified one); 1 when none is left, 0 when cancelled.
    int M_Fn_Proj_Close();

private:
    void M_Fn_Settings_Open(const std::wstring& i_Path);
    void M_Fn_Recent_Save();
    bool M_Fn_Process_Shell_Command(const std::vector<std::wstring>& i_Args);
    void M_Fn_Cmd_Bind();
    void M_Fn_Frame_Delete();

    static C_App_UI* S_p_App;

    std::shared_ptr<C_App_Port_Wx> m_sp_Port;
    std::unique_ptr<C_App> m_up_Core;
    std::unique_ptr<wxFileConfig> m_up_Config;
    std::unique_ptr<wxFileHistory> m_up_Recent;
    N_MDI::C_Wnd_Frame_Main* m_p_Frame_Main = nullptr;
    unsigned m_Look = S_Look_Default;
};

} // namespace N_UI
