#include "ui/UI_MDI_Frame_Main.h"

#include "app/App.h"
#include "common/Common_Exception.h"
#include "ui/UI_App.h"
#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Art.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Look.h"
#include "ui/UI_MDI_Menu.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "biz/proj/Biz_Proj.h"
#include "ui/UI_Output_Wnd.h"
#include "ui/UI_Progress_Dlg.h"
#include "ui/UI_Property_Wnd.h"
#include "ui/UI_Tool_Wnd.h"
#include "ui/UI_Tree_Wnd.h"
#include "ui/UI_Windows_Dlg.h"

#include <wx/accel.h>
#include <wx/aui/auibar.h>
#include <wx/eventfilter.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/textentry.h>
#include <wx/utils.h>

#include <algorithm>
#include <memory>

namespace N_UI::N_MDI {

namespace {

// A menu entry or toolbar button: id, menu text, status-bar prompt and tooltip.
struct C_Cmd_Text {
    int m_Id;
    const char* m_Text;
    const char* m_Prompt;
    const char* m_Tip;
};

const C_Cmd_Text G_File_Texts[] = {
    {N_Cmd::E_Id_File_Proj_New, "&New Project", "Create a new project document", "New Project"},
    {N_Cmd::E_Id_File_Proj_Open, "&Open Project", "Open an existing project document", "Open Project"},
    {0, nullptr, nullptr, nullptr},
    {N_Cmd::E_Id_File_Proj_Close, "&Close Project", "Close the active project document", "Close Project"},
    {0, nullptr, nullptr, nullptr},
    {N_Cmd::E_Id_File_Proj_Save, "&Save Project", "Save the active project document", "Save Project"},
    {N_Cmd::E_Id_File_Proj_Save_As, "Save Project &As ...", "Save the active project document with a new name",
     "Save Project As"},
    {0, nullptr, nullptr, nullptr},
    {N_Cmd::E_Id_File_Proj_Print, "&Print Project", "Print the active project document", "Print Project"},
    {0, nullptr, nullptr, nullptr},
    {N_Cmd::E_Id_File_Proj_View_Open, "Open Current Project's View", "Open view of the active document",
     "Open Project View"},
    {N_Cmd::E_Id_File_Proj_View_Close, "Close Current Project's View", "Close view of the active document",
     "Close Project View"},
};

// The main toolbar's buttons (0: a separator).
const C_Cmd_Text G_Toolbar_Texts[] = {
    {N_Cmd::E_Id_File_Proj_New, nullptr, "Create a new project document", "New Project"},
    {N_Cmd::E_Id_File_Proj_Open, nullptr, "Open an existing project document", "Open Project"},
    {N_Cmd::E_Id_File_Proj_Save, nullptr, "Save the active project document", "Save Project"},
    {0, nullptr, nullptr, nullptr},
    {N_Cmd::E_Id_File_Proj_Print, nullptr, "Print the active project document", "Print Project"},
    {0, nullptr, nullptr, nullptr},
    {N_Cmd::E_Id_View_Reset, nullptr, "Reset the view", "Reset"},
    {N_Cmd::E_Id_View_Adjust, nullptr, "Fit the view to the contents", "Adjust"},
    {N_Cmd::E_Id_View_Center, nullptr, "Center the view", "Center"},
    {0, nullptr, nullptr, nullptr},
    {N_Cmd::E_Id_View_XY, nullptr, "View from the top", "Top View"},
    {N_Cmd::E_Id_View_YX, nullptr, "View from the bottom", "Bottom View"},
    {N_Cmd::E_Id_View_ZX, nullptr, "View from the right", "Right View"},
    {N_Cmd::E_Id_View_XZ, nullptr, "View from the left", "Left View"},
    {N_Cmd::E_Id_View_YZ, nullptr, "View from the back", "Back View"},
    {N_Cmd::E_Id_View_ZY, nullptr, "View from the front", "Front View"},
    {0, nullptr, nullptr, nullptr},
    {N_Cmd::E_Id_Disp_Grid, nullptr, "Toggle show/hide grid", "Grid"},
    {N_Cmd::E_Id_Edit_Sel_Geometry, nullptr, "Select & edit geometry", "Select Geometry"},
    {0, nullptr, nullptr, nullptr},
    {N_Cmd::E_Id_App_About, nullptr, "Display program information, version number and copyright", "About"},
};

// The bars and panes: View menu id, docking name, caption, icon (0: none).
struct C_Pane_Text {
    int m_Id;
    const char* m_Name;
    const char* m_Text;
    int m_Icon;
};
const C_Pane_Text G_Pane_Texts[] = {
    {N_Cmd::E_Id_View_Bar_Standard, C_Wnd_Frame_Main::S_Name_Toolbar, "Standard", 0},
    {N_Cmd::E_Id_View_Pane_Tool, C_Wnd_Frame_Main::S_Name_Tool, "Tools", N_Cmd::E_Id_Pane_Tool},
    {N_Cmd::E_Id_View_Pane_Tree, C_Wnd_Frame_Main::S_Name_Tree, "Project Explorer", N_Cmd::E_Id_Pane_Tree},
    {N_Cmd::E_Id_View_Pane_Property, C_Wnd_Frame_Main::S_Name_Property, "Properties", N_Cmd::E_Id_Pane_Property},
    {N_Cmd::E_Id_View_Pane_Output, C_Wnd_Frame_Main::S_Name_Output, "Output", N_Cmd::E_Id_Pane_Output},
};

const char* const G_Recent_Text = "Recent &Files";

// The keyboard accelerators: modifiers (wxMOD_*), key code, command.
struct C_Key {
    int m_Modifiers;
    int m_Key;
    int m_Id;
};
const C_Key G_Keys[] = {
    {wxMOD_NONE, WXK_RETURN, N_Cmd::E_Id_Edit_Apply},  {wxMOD_NONE, WXK_NUMPAD_ENTER, N_Cmd::E_Id_Edit_Apply},
    {wxMOD_NONE, WXK_ESCAPE, N_Cmd::E_Id_Edit_Cancel}, {wxMOD_NONE, WXK_DELETE, N_Cmd::E_Id_Edit_Delete},
    {wxMOD_NONE, 'D', N_Cmd::E_Id_Edit_Delete},        {wxMOD_NONE, 'C', N_Cmd::E_Id_Edit_Create},
    {wxMOD_NONE, 'F', N_Cmd::E_Id_Edit_Modify},        {wxMOD_NONE, 'V', N_Cmd::E_Id_Edit_Move},
    {wxMOD_NONE, 'P', N_Cmd::E_Id_Edit_Palette_Sel},   {wxMOD_NONE, 'H', N_Cmd::E_Id_Edit_Hide_Sel},
    {wxMOD_NONE, 'U', N_Cmd::E_Id_Edit_Hide_Unsel},    {wxMOD_CONTROL, 'Z', N_Cmd::E_Id_Edit_Undo},
    {wxMOD_CONTROL, 'Y', N_Cmd::E_Id_Edit_Redo},       {wxMOD_CONTROL, 'X', N_Cmd::E_Id_Edit_Cut},
    {wxMOD_CONTROL, 'C', N_Cmd::E_Id_Edit_Copy},       {wxMOD_CONTROL, 'V', N_Cmd::E_Id_Edit_Paste},
    {wxMOD_CONTROL, 'N', N_Cmd::E_Id_File_Proj_New},   {wxMOD_CONTROL, 'O', N_Cmd::E_Id_File_Proj_Open},
    {wxMOD_CONTROL, 'S', N_Cmd::E_Id_File_Proj_Save},  {wxMOD_CONTROL, 'P', N_Cmd::E_Id_File_Proj_Print},
};

// The keys of the table that a line being edited has no use for: GTK would pass them on from the
// line to the menus' accelerators. Letters and Delete the line types, Ctrl+X, Ctrl+C and Ctrl+V
// are its clipboard; Enter and Esc finish its editing and have no menu entry.
bool G_Fn_Key_Unused_By_Line(int i_Modifiers, int i_Key)
{
    return (i_Modifiers & wxMOD_CONTROL) && i_Key != 'X' && i_Key != 'C' && i_Key != 'V';
}

// Turns the command and update events of a menu or toolbar entry back into its command, before
// any handler sees them: the handlers, the key table and the tool dialogs know only the program's
// ids (UI_Cmd_Id.h). The highlight of an entry keeps the entry's id, by which the status bar finds
// its prompt.
class C_Filter_Id_Cmd : public wxEventFilter {
public:
    int FilterEvent(wxEvent& ro_Event) override
    {
        const wxEventType type = ro_Event.GetEventType();
        if (type == wxEVT_MENU || type == wxEVT_UPDATE_UI)
            ro_Event.SetId(N_Cmd::G_Fn_Id_Cmd(ro_Event.GetId()));
        return Event_Skip;
    }
};

} // namespace

wxString G_Fn_Key_Label(int i_Id)
{
    for (const C_Key& key : G_Keys)
        if (key.m_Id == i_Id)
            return wxAcceleratorEntry(key.m_Modifiers, key.m_Key).ToString();
    return wxString();
}

C_Wnd_Frame_Main::C_Wnd_Frame_Main()
{
    if (C_App_UI* p_app = C_App_UI::S_Fn_Get())
        p_app->M_Fn_Look_Read();
}

C_Wnd_Frame_Main::~C_Wnd_Frame_Main()
{
    // The project window goes with this frame's children; its view leaves the project first.
    m_Connection_Proj.disconnect();
    if (m_up_Doc_Proj)
        m_up_Doc_Proj->M_Fn_Frame_Close(false);
    m_up_Doc_Proj.reset();
    // Messages from here on go to boxes without owner.
    m_p_Output = nullptr;
    if (C_App_UI* p_app = C_App_UI::S_Fn_Get()) {
        if (p_app->M_Fn_Frame_Get() == this)
            p_app->M_Fn_Frame_Clear();
    }
    // Whichever menu bar is showing, none of the recent-file menus made here may outlive it in
    // the list.
    if (C_App_UI* p_app = C_App_UI::S_Fn_Get())
        for (wxMenu* p_menu : m_Menus_Recent)
            p_app->M_Fn_Recent_Menu_Remove(p_menu);
    m_Aui.UnInit();
    if (m_up_Filter_Id)
        wxEvtHandler::RemoveFilter(m_up_Filter_Id.get());
}

bool C_Wnd_Frame_Main::M_Fn_Load_Frame()
{
    if (!Create(nullptr, wxID_ANY, C_App::S_Product_Name, wxDefaultPosition, wxSize(1024, 768),
                wxDEFAULT_FRAME_STYLE | wxFRAME_NO_WINDOW_MENU))
        return false;
    m_up_Filter_Id = std::make_unique<C_Filter_Id_Cmd>();
    wxEvtHandler::AddFilter(m_up_Filter_Id.get());
    m_Aui.SetManagedWindow(this);
    m_Aui.SetFlags(wxAUI_MGR_ALLOW_FLOATING | wxAUI_MGR_ALLOW_ACTIVE_PANE | wxAUI_MGR_TRANSPARENT_DRAG |
                   wxAUI_MGR_TRANSPARENT_HINT | wxAUI_MGR_HINT_FADE | wxAUI_MGR_LIVE_RESIZE);

    // Document windows as tabs: close button on the active tab, the list of windows at the right.
    wxAuiNotebook* p_tabs = GetClientWindow();
    p_tabs->SetWindowStyleFlag(wxAUI_NB_TOP | wxAUI_NB_TAB_MOVE | wxAUI_NB_SCROLL_BUTTONS |
                               wxAUI_NB_CLOSE_ON_ACTIVE_TAB | wxAUI_NB_WINDOWLIST_BUTTON);
    m_Aui.AddPane(p_tabs, wxAuiPaneInfo().Name(S_Name_Documents).CenterPane().PaneBorder(false));

    SetMenuBar(M_Fn_Menu_Bar_Create());
    if (!M_Fn_Toolbar_Create())
        return false;
    if (!CreateStatusBar(4))
        return false;
    const int widths[4] = {-1, 48, 48, 48};
    SetStatusWidths(4, widths);
    SetStatusText("Ready", 0);
    if (!M_Fn_Panes_Create())
        return false;

    C_App_UI* p_app = C_App_UI::S_Fn_Get();
    C_Look::S_Fn_Apply(p_app ? p_app->M_Fn_Look_Get() : C_App_UI::S_Look_Default, m_Aui, p_tabs);
    M_Fn_Layout_Restore();
    m_Aui.Update();
    M_Fn_Events_Bind();
    return true;
}

bool C_Wnd_Frame_Main::M_Fn_Toolbar_Create()
{
    auto* p_bar = new wxAuiToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize,
                                   wxAUI_TB_DEFAULT_STYLE | wxAUI_TB_OVERFLOW | wxAUI_TB_GRIPPER);
    p_bar->SetName(S_Name_Toolbar);
    for (const C_Cmd_Text& t : G_Toolbar_Texts) {
        if (t.m_Id == 0) {
            p_bar->AddSeparator();
            continue;
        }
        const int id = N_Cmd::G_Fn_Id_Wx(t.m_Id);
        p_bar->AddTool(id, t.m_Tip, N_Art::G_Fn_Bitmap(t.m_Id), t.m_Tip);
        p_bar->SetToolLongHelp(id, t.m_Prompt);
    }
    // The customize entry at the end of the overflow menu.
    wxAuiToolBarItem customize;
    customize.SetKind(wxITEM_NORMAL);
    customize.SetId(N_Cmd::E_Id_Customize);
    customize.SetLabel("Customize...");
    wxAuiToolBarItemArray prepend, append;
    append.Add(customize);
    p_bar->SetCustomOverflowItems(prepend, append);
    p_bar->Realize();
    m_p_Toolbar = p_bar;
    m_Aui.AddPane(p_bar, wxAuiPaneInfo().Name(S_Name_Toolbar).Caption("Standard").ToolbarPane().Top());
    return true;
}

bool C_Wnd_Frame_Main::M_Fn_Panes_Create()
{
    const auto fail = [&](const wchar_t* i_Text) {
        // No output pane exists yet: a box owned by the frame.
        C_App_Port_Wx::S_Fn_Box(this, i_Text, C_App::S_Product_Name, E_Box_OK);
        return false;
    };
    const auto pane = [](const char* i_Name, const char* i_Caption, int i_Icon) {
        return wxAuiPaneInfo()
            .Name(i_Name)
            .Caption(i_Caption)
            .Icon(N_Art::G_Fn_Bitmap(i_Icon))
            .CloseButton()
            .MaximizeButton(false)
            .Floatable()
            .Dockable()
            .MinSize(80, 80);
    };

    auto* p_tool = new N_Tool::C_Wnd;
    if (!p_tool->M_Fn_Create(this)) {
        delete p_tool;
        return fail(L"Failed to create tool window.");
    }
    m_p_Tool = p_tool;
    // The tools pane asks for the width of its dialogs.
    m_Aui.AddPane(m_p_Tool, pane(S_Name_Tool, "Tools", N_Cmd::E_Id_Pane_Tool)
                                .Right()
                                .BestSize(std::max(200, m_p_Tool->M_Fn_Width_Preferred()), 500));

    auto* p_tree = new N_Tree::C_Wnd;
    if (!p_tree->M_Fn_Create(this)) {
        delete p_tree;
        return fail(L"Failed to create tree window.");
    }
    m_p_Tree = p_tree;
    m_Aui.AddPane(
        m_p_Tree,
        pane(S_Name_Tree, "Project Explorer", N_Cmd::E_Id_Pane_Tree).Left().Row(0).Position(0).BestSize(200, 200));

    // The properties pane docks below the explorer, which must exist.
    if (!m_p_Tree)
        VT_THROW("N_UI::N_MDI::C_Wnd_Frame_Main::M_Fn_Panes_Create");
    auto* p_property = new N_Property::C_Wnd;
    if (!p_property->M_Fn_Create(this)) {
        delete p_property;
        return fail(L"Failed to create property window.");
    }
    m_p_Property = p_property;
    m_Aui.AddPane(
        m_p_Property,
        pane(S_Name_Property, "Properties", N_Cmd::E_Id_Pane_Property).Left().Row(0).Position(1).BestSize(200, 200));

    auto* p_output = new N_Output::C_Wnd;
    if (!p_output->M_Fn_Create(this)) {
        delete p_output;
        return fail(L"Failed to create output window.");
    }
    m_Aui.AddPane(p_output, pane(S_Name_Output, "Output", N_Cmd::E_Id_Pane_Output).Bottom().BestSize(400, 150));
    // Messages go to the pane from now on.
    m_p_Output = p_output;
    return true;
}

void C_Wnd_Frame_Main::M_Fn_Layout_Restore()
{
    C_App_UI* p_app = C_App_UI::S_Fn_Get();
    const std::wstring layout = p_app ? p_app->M_Fn_Layout_Read() : std::wstring();
    if (layout.empty() || !m_Aui.LoadPerspective(layout, false))
        return;
    // The stored layout says where the panes are; their names and captions are the program's, and
    // the document area is always there.
    m_Aui.GetPane(S_Name_Documents).Show();
    for (const C_Pane_Text& t : G_Pane_Texts) {
        wxAuiPaneInfo& pane = m_Aui.GetPane(t.m_Name);
        pane.Caption(t.m_Text);
        if (t.m_Icon)
            pane.Icon(N_Art::G_Fn_Bitmap(t.m_Icon));
    }
}

wxAuiPaneInfo* C_Wnd_Frame_Main::M_Fn_Pane_Find(int i_Id)
{
    for (const C_Pane_Text& t : G_Pane_Texts)
        if (t.m_Id == i_Id) {
            wxAuiPaneInfo& info = m_Aui.GetPane(t.m_Name);
            return info.IsOk() ? &info : nullptr;
        }
    return nullptr;
}

wxMenuBar* C_Wnd_Frame_Main::M_Fn_Menu_Bar_Create()
{
    auto* p_file = new wxMenu;
    for (const C_Cmd_Text& t : G_File_Texts) {
        if (t.m_Id == 0)
            p_file->AppendSeparator();
        else
            G_Fn_Menu_Append(*p_file, t.m_Id, t.m_Text, t.m_Prompt);
    }
    p_file->AppendSeparator();
    auto* p_recent = new wxMenu;
    p_file->AppendSubMenu(p_recent, G_Recent_Text, "Open this document");
    if (C_App_UI* p_app = C_App_UI::S_Fn_Get()) {
        p_app->M_Fn_Recent_Menu_Use(p_recent);
        m_Menus_Recent.push_back(p_recent);
    }
    p_file->AppendSeparator();
    G_Fn_Menu_Append(*p_file, N_Cmd::E_Id_App_Exit, "E&xit", "Quit the application; prompts to save documents");

    auto* p_view = new wxMenu;
    G_Fn_Menu_Append(*p_view, N_Cmd::E_Id_View_Status_Bar, "&Status Bar", "Show or hide the status bar", wxITEM_CHECK);
    p_view->AppendSubMenu(M_Fn_Menu_Panes_Create(), "&Toolbars and Docking Windows");
    auto* p_look = new wxMenu;
    auto* p_look_2007 = new wxMenu;
    for (unsigned id = N_Cmd::E_Id_Look_First; id <= N_Cmd::E_Id_Look_Last; ++id)
        (id < 136 ? p_look : p_look_2007)->AppendCheckItem(static_cast<int>(id), C_Look::S_Fn_Find(id)->m_Menu_Text);
    p_look->AppendSubMenu(p_look_2007, "Office 200&7");
    p_view->AppendSubMenu(p_look, "&Application Look");
    // Always offered, with or without document windows.
    p_view->AppendSeparator();
    G_Fn_Menu_Append(*p_view, N_Cmd::E_Id_Window_Manager, "&Windows...", "Manage the open document windows");

    auto* p_help = new wxMenu;
    G_Fn_Menu_Append(*p_help, N_Cmd::E_Id_App_About, "&About", "Display program information, version number and copyright");

    auto* p_bar = new wxMenuBar;
    p_bar->Append(p_file, "&File");
    p_bar->Append(p_view, "&View");
    p_bar->Append(p_help, "&Help");
    return p_bar;
}

void C_Wnd_Frame_Main::M_Fn_Menu_Bar_Release(wxMenuBar* i_p_Bar)
{
    C_App_UI* p_app = C_App_UI::S_Fn_Get();
    if (!i_p_Bar || !p_app)
        return;
    const int file = i_p_Bar->FindMenu("File");
    if (file == wxNOT_FOUND)
        return;
    for (wxMenuItem* p_item : i_p_Bar->GetMenu(static_cast<std::size_t>(file))->GetMenuItems())
        if (wxMenu* p_sub = p_item->GetSubMenu()) {
            p_app->M_Fn_Recent_Menu_Remove(p_sub);
            m_Menus_Recent.erase(std::remove(m_Menus_Recent.begin(), m_Menus_Recent.end(), p_sub),
                                 m_Menus_Recent.end());
        }
}

wxMenu* C_Wnd_Frame_Main::M_Fn_Menu_Panes_Create()
{
    auto* p_menu = new wxMenu;
    for (const C_Pane_Text& t : G_Pane_Texts)
        p_menu->AppendCheckItem(t.m_Id, t.m_Text);
    return p_menu;
}

void C_Wnd_Frame_Main::M_Fn_Events_Bind()
{
    Bind(wxEVT_CLOSE_WINDOW, &C_Wnd_Frame_Main::M_Fn_On_Close, this);
    Bind(wxEVT_IDLE, &C_Wnd_Frame_Main::M_Fn_On_Idle, this);
    Bind(wxEVT_CHAR_HOOK, &C_Wnd_Frame_Main::M_Fn_On_Char_Hook, this);

    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& ro_Event) {
            G_Fn_Catch_All("N_UI::N_MDI::C_Wnd_Frame_Main::M_Fn_Look_Set", __FILE__, __LINE__,
                           [&] { M_Fn_Look_Set(static_cast<unsigned>(ro_Event.GetId())); });
        },
        N_Cmd::E_Id_Look_First, N_Cmd::E_Id_Look_Last);
    Bind(
        wxEVT_UPDATE_UI,
        [this](wxUpdateUIEvent& ro_Event) {
            const C_App_UI* p_app = C_App_UI::S_Fn_Get();
            ro_Event.Check(p_app && static_cast<int>(p_app->M_Fn_Look_Get()) == ro_Event.GetId());
        },
        N_Cmd::E_Id_Look_First, N_Cmd::E_Id_Look_Last);

    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            G_Fn_Catch_All("N_UI::N_MDI::C_Wnd_Frame_Main::M_Fn_On_Cmd_View_Status_Bar", __FILE__, __LINE__, [&] {
                if (wxStatusBar* p_status = GetStatusBar()) {
                    p_status->Show(!p_status->IsShown());
                    SendSizeEvent();
                }
            });
        },
        N_Cmd::E_Id_View_Status_Bar);
    Bind(
        wxEVT_UPDATE_UI,
        [this](wxUpdateUIEvent& ro_Event) { ro_Event.Check(GetStatusBar() && GetStatusBar()->IsShown()); },
        N_Cmd::E_Id_View_Status_Bar);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& ro_Event) {
            G_Fn_Catch_All("N_UI::N_MDI::C_Wnd_Frame_Main::M_Fn_On_Cmd_View_Pane", __FILE__, __LINE__, [&] {
                if (wxAuiPaneInfo* p_pane = M_Fn_Pane_Find(ro_Event.GetId())) {
                    p_pane->Show(!p_pane->IsShown());
                    m_Aui.Update();
                }
            });
        },
        N_Cmd::E_Id_View_Bar_Standard, N_Cmd::E_Id_View_Pane_Output);
    Bind(
        wxEVT_UPDATE_UI,
        [this](wxUpdateUIEvent& ro_Event) {
            const wxAuiPaneInfo* p_pane = M_Fn_Pane_Find(ro_Event.GetId());
            ro_Event.Check(p_pane && p_pane->IsShown());
        },
        N_Cmd::E_Id_View_Bar_Standard, N_Cmd::E_Id_View_Pane_Output);

    // The toolbar's "Customize...": the bars and panes to show or hide.
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            G_Fn_Catch_All("N_UI::N_MDI::C_Wnd_Frame_Main::M_Fn_On_Cmd_Customize", __FILE__, __LINE__, [&] {
                std::unique_ptr<wxMenu> up_menu(M_Fn_Menu_Panes_Create());
                PopupMenu(up_menu.get());
            });
        },
        N_Cmd::E_Id_Customize);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            G_Fn_Catch_All("N_UI::N_MDI::C_Wnd_Frame_Main::M_Fn_Pane_Output_Hide", __FILE__, __LINE__,
                           [&] { M_Fn_Pane_Output_Hide(); });
        },
        N_Cmd::E_Id_Output_Hide);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            G_Fn_Catch_All("N_UI::N_MDI::C_Wnd_Frame_Main::M_Fn_Windows_Dlg", __FILE__, __LINE__,
                           [&] { M_Fn_Windows_Dlg(); });
        },
        N_Cmd::E_Id_Window_Manager);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            G_Fn_Catch_All("N_UI::N_MDI::C_Wnd_Frame_Main::M_Fn_On_Cmd_App_Exit", __FILE__, __LINE__, [&] { Close(); });
        },
        N_Cmd::E_Id_App_Exit);

    // Document commands: enabled only by a document window that takes them.
    const auto disable = [](wxUpdateUIEvent& ro_Event) { ro_Event.Enable(false); };
    Bind(wxEVT_UPDATE_UI, disable, N_Cmd::E_Id_Doc_First, N_Cmd::E_Id_Doc_Last);
    for (int id : {N_Cmd::E_Id_Edit_Cut, N_Cmd::E_Id_Edit_Copy, N_Cmd::E_Id_Edit_Paste, N_Cmd::E_Id_Edit_Undo,
                   N_Cmd::E_Id_Edit_Redo})
        Bind(wxEVT_UPDATE_UI, disable, id);
}

void C_Wnd_Frame_Main::M_Fn_Config_Connect(N_Biz::N_Config::C_Config& ro_Config)
{
    m_p_Tool->M_Fn_Config_Connect(ro_Config);
}

void C_Wnd_Frame_Main::M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj)
{
    m_p_Tool->M_Fn_Proj_Connect(ro_Proj);
    m_p_Property->M_Fn_Proj_Connect(ro_Proj);
    m_up_Doc_Proj = std::make_unique<N_Proj::C_Doc>(ro_Proj);
    m_Connection_Proj = ro_Proj.M_Fn_Get_Signal().connect([this](N_Biz::N_Proj::C_Proj&, N_Biz::N_Proj::E_Signal i_Code) {
        // The project goes: its window and document with it, while it still lives.
        if (i_Code == N_Biz::N_Proj::E_Signal_Destroy)
            m_up_Doc_Proj.reset();
    });
}

int C_Wnd_Frame_Main::M_Fn_Progress_Run()
{
    C_App* p_app = C_App::S_Fn_Get();
    if (!p_app)
        return 0;
    N_Progress::C_Dlg dlg(this, p_app->M_Fn_UI_Progress_Get_ro_Status());
    return dlg.ShowModal();
}

void C_Wnd_Frame_Main::M_Fn_Look_Set(unsigned i_Look)
{
    if (!C_Look::S_Fn_Find(i_Look))
        return;
    wxBusyCursor wait;
    C_App_UI* p_app = C_App_UI::S_Fn_Get();
    C_Look::S_Fn_Apply(i_Look, m_Aui, GetClientWindow());
    m_Aui.Update();
    Refresh(true);
    Update();
    if (p_app)
        p_app->M_Fn_Look_Store(i_Look);
}

void C_Wnd_Frame_Main::M_Fn_Pane_Output_Hide()
{
    m_Aui.GetPane(S_Name_Output).Hide();
    SetFocus();
    m_Aui.Update();
}

void C_Wnd_Frame_Main::M_Fn_Windows_Dlg()
{
    N_Windows::C_Dlg dlg(this);
    dlg.ShowModal();
}

void C_Wnd_Frame_Main::M_Fn_Title_Doc_Set(const std::wstring& i_Title)
{
    SetTitle(i_Title.empty() ? wxString(C_App::S_Product_Name)
                             : wxString(C_App::S_Product_Name) + " - " + wxString(i_Title));
}

void C_Wnd_Frame_Main::M_Fn_On_Close(wxCloseEvent& ro_Event)
{
    bool keep = false;
    G_Fn_Catch_All("N_UI::N_MDI::C_Wnd_Frame_Main::M_Fn_On_Close", __FILE__, __LINE__, [&] {
        C_App_UI* p_app = C_App_UI::S_Fn_Get();
        if (!p_app)
            return;
        // A modified project asks to be saved; Cancel keeps the program running.
        if (p_app->M_Fn_Core() && p_app->M_Fn_Proj_Close() != 1 && ro_Event.CanVeto()) {
            keep = true;
            return;
        }
        p_app->M_Fn_Layout_Store(m_Aui.SavePerspective().ToStdWstring());
    });
    if (keep) {
        ro_Event.Veto();
        return;
    }
    Destroy();
}

int C_Wnd_Frame_Main::S_Fn_Key_Command(int i_Modifiers, int i_Key)
{
    for (const C_Key& key : G_Keys)
        if (key.m_Modifiers == i_Modifiers && key.m_Key == i_Key)
            return key.m_Id;
    return 0;
}

void C_Wnd_Frame_Main::M_Fn_On_Char_Hook(wxKeyEvent& ro_Event)
{
    // Every key the frame sees first. A line being edited (in a pane, a property, a tree label)
    // takes all keys, as a dialog's edit field does: "C" is a letter there, Ctrl+C copies text.
    ro_Event.Skip();
    const int id = S_Fn_Key_Command(ro_Event.GetModifiers(), ro_Event.GetKeyCode());
    if (dynamic_cast<wxTextEntry*>(wxWindow::FindFocus())) {
        if (id != 0 && G_Fn_Key_Unused_By_Line(ro_Event.GetModifiers(), ro_Event.GetKeyCode()))
            ro_Event.Skip(false);
        return;
    }
    if (id == 0)
        return;
    ro_Event.Skip(false);
    wxCommandEvent command(wxEVT_MENU, id);
    command.SetEventObject(this);
    GetEventHandler()->ProcessEvent(command);
}

void C_Wnd_Frame_Main::M_Fn_Focus_Keep()
{
    // GTK leaves the focus nowhere when the window that had it goes, and then no key of the frame
    // acts until a click. Once this frame is in front again (not behind a modal dialog), the
    // document window that is active now takes the focus, or with none the explorer.
    const std::size_t docs = GetClientWindow() ? GetClientWindow()->GetPageCount() : 0;
    if (docs < m_Docs)
        m_Focus_Check = true;
    m_Docs = docs;
    if (!m_Focus_Check || !IsEnabled() || !IsActive())
        return;
    m_Focus_Check = false;
    if (wxWindow::FindFocus())
        return;
    if (wxAuiMDIChildFrame* p_child = GetActiveChild())
        p_child->SetFocus();
    else if (m_p_Tree && m_p_Tree->IsShownOnScreen())
        m_p_Tree->SetFocus();
    else
        SetFocus();
}

void C_Wnd_Frame_Main::M_Fn_On_Idle(wxIdleEvent& ro_Event)
{
    ro_Event.Skip();
    M_Fn_Focus_Keep();
    wxStatusBar* p_status = GetStatusBar();
    if (!p_status)
        return;
    const unsigned states = (wxGetKeyState(WXK_CAPITAL) ? 1u : 0u) | (wxGetKeyState(WXK_NUMLOCK) ? 2u : 0u) |
                            (wxGetKeyState(WXK_SCROLL) ? 4u : 0u);
    if (states == m_Key_States)
        return;
    m_Key_States = states;
    p_status->SetStatusText(states & 1u ? "CAP" : "", 1);
    p_status->SetStatusText(states & 2u ? "NUM" : "", 2);
    p_status->SetStatusText(states & 4u ? "SCRL" : "", 3);
}

} // namespace N_UI::N_MDI
