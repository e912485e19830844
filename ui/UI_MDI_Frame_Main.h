// The program's main window: a multi-document frame whose document windows are tabs in its centre,
// with the menu bar, the toolbar "Standard", the status bar and four docking panes (tools on the
// right, project explorer and properties below it on the left, output at the bottom).
//
// Document windows are wxAuiMDIChildFrame children of this frame (project and section windows);
// the active one sees every menu, toolbar and accelerator command first and brings its own menu
// bar (made with M_Fn_Menu_Bar_Create). The frame disables the document commands (2100 to 4999
// and Cut, Copy, Paste, Undo, Redo) in its update handler: a document window that takes a command
// enables it in its own update handler, which runs first. The application's commands (File
// menu, About) reach the application after the active document window.
//
// The keys of the accelerator table act wherever the focus is inside the frame; a document window
// that goes takes the focus with it, so the frame then gives it to the window that is active now
// (with none, to the explorer).
#pragma once

#include <wx/aui/framemanager.h>
#include <wx/aui/tabmdi.h>

#include <boost/signals2/connection.hpp>

#include <memory>
#include <string>
#include <vector>

class wxAuiToolBar;
class wxEventFilter;

namespace N_Biz::N_Config {
class C_Config;
}
namespace N_Biz::N_Proj {
class C_Proj;
}
namespace N_UI::N_MDI::N_Proj {
class C_Doc;
}
namespace N_UI::N_Output {
class C_Wnd;
}
namespace N_UI::N_Tool {
class C_Wnd;
}
namespace N_UI::N_Tree {
class C_Wnd;
}
namespace N_UI::N_Property {
class C_Wnd;
}

namespace N_UI::N_MDI {

class C_Wnd_Frame_Main : public wxAuiMDIParentFrame {
public:
    // The frame object without its window; the application's look is read from the settings.
    C_Wnd_Frame_Main();
    // Clears the application's main-frame pointer first, so that later messages find no frame.
    ~C_Wnd_Frame_Main() override;

    // Creates the window, the menus, the toolbar, the status bar and the four panes, applies the
    // look and the stored pane layout. False when a window could not be created (a pane that
    // failed says so in a box owned by the frame).
    bool M_Fn_Load_Frame();

    // The tools pane follows the configuration (once, at start-up).
    void M_Fn_Config_Connect(N_Biz::N_Config::C_Config& ro_Config);
    // The tools pane, then the properties pane, follow a new project; the project's window-side
    // document is made, and goes when the project announces its end.
    void M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj);
    // The window-side document of the open project, or null.
    N_Proj::C_Doc* M_Fn_Get_Doc_Proj() const { return m_up_Doc_Proj.get(); }
    // Runs the progress dialog over the application's progress record; its result.
    int M_Fn_Progress_Run();

    // Sets the window look 131 to 139: stores it in the application, gives the frame the look,
    // redraws everything at once and writes the setting. Another id changes nothing.
    void M_Fn_Look_Set(unsigned i_Look);
    // Hides the output pane, takes the focus and lays the frame out again.
    void M_Fn_Pane_Output_Hide();
    // "&Windows...": the modal list of the document windows.
    void M_Fn_Windows_Dlg();
    // The caption: the product name, and the document's title after it when there is one.
    void M_Fn_Title_Doc_Set(const std::wstring& i_Title);

    // The menu bar of File, View and Help; a document's menu bar adds its own menus between File
    // and View. Before such a menu bar goes, M_Fn_Menu_Bar_Release hands back its recent-file list.
    wxMenuBar* M_Fn_Menu_Bar_Create();
    void M_Fn_Menu_Bar_Release(wxMenuBar* i_p_Bar);

    N_Output::C_Wnd* M_Fn_Get_Output() const { return m_p_Output; }
    N_Tool::C_Wnd* M_Fn_Get_Tool() const { return m_p_Tool; }
    N_Tree::C_Wnd* M_Fn_Get_Tree() const { return m_p_Tree; }
    N_Property::C_Wnd* M_Fn_Get_Property() const { return m_p_Property; }
    wxAuiToolBar* M_Fn_Get_Toolbar() const { return m_p_Toolbar; }
    wxAuiManager& M_Fn_Get_Aui() { return m_Aui; }

    // The command of the accelerator key i_Key with the modifiers i_Modifiers (wxMOD_*), or 0.
    // The keys act while no text is being edited in the frame; an edited line takes every key.
    static int S_Fn_Key_Command(int i_Modifiers, int i_Key);

    // The docking names of the toolbar and the panes.
    static constexpr const char* S_Name_Toolbar = "Standard";
    static constexpr const char* S_Name_Tool = "tools";
    static constexpr const char* S_Name_Tree = "tree";
    static constexpr const char* S_Name_Property = "properties";
    static constexpr const char* S_Name_Output = "output";
    static constexpr const char* S_Name_Documents = "documents";

private:
    bool M_Fn_Toolbar_Create();
    bool M_Fn_Panes_Create();
    void M_Fn_Layout_Restore();
    void M_Fn_Events_Bind();
    wxMenu* M_Fn_Menu_Panes_Create();
    wxAuiPaneInfo* M_Fn_Pane_Find(int i_Id);
    void M_Fn_On_Close(wxCloseEvent& ro_Event);
    void M_Fn_On_Idle(wxIdleEvent& ro_Event);
    void M_Fn_On_Char_Hook(wxKeyEvent& ro_Event);
    void M_Fn_Focus_Keep();

    wxAuiManager m_Aui;
    wxAuiToolBar* m_p_Toolbar = nullptr;
    N_Tool::C_Wnd* m_p_Tool = nullptr;
    N_Tree::C_Wnd* m_p_Tree = nullptr;
    N_Property::C_Wnd* m_p_Property = nullptr;
    N_Output::C_Wnd* m_p_Output = nullptr;
    unsigned m_Key_States = ~0u;         // the status bar's CAP, NUM, SCRL as last shown
    std::vector<wxMenu*> m_Menus_Recent; // the recent-file sub-menus of the menu bars made here
    std::unique_ptr<N_Proj::C_Doc> m_up_Doc_Proj;
    std::unique_ptr<wxEventFilter> m_up_Filter_Id; // menu and toolbar ids back to commands
    std::size_t m_Docs = 0;                        // document windows at the last idle time
    bool m_Focus_Check = false;                    // one went since: is the focus still inside?
    boost::signals2::scoped_connection m_Connection_Proj;
};

} // namespace N_UI::N_MDI
