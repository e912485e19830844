// The main frame: its menus, toolbar, status bar, panes, the window looks and what persists of
// them from one run to the next.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/proj/Biz_Proj.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Output_Wnd.h"
#include "ui/UI_Tool_Wnd.h"

#include <gtest/gtest.h>

#include <wx/aui/auibar.h>
#include <wx/aui/dockart.h>
#include <wx/menu.h>
#include <wx/statusbr.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <fstream>
#include <sstream>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;

namespace {

// The entries of a menu as "id text" lines ("-" for a separator, "> text" for a sub-menu).
std::vector<std::string> G_Fn_Entries(const wxMenu& ro_Menu)
{
    std::vector<std::string> out;
    for (const wxMenuItem* p_item : ro_Menu.GetMenuItems()) {
        if (p_item->IsSeparator())
            out.push_back("-");
        else if (p_item->IsSubMenu())
            out.push_back("> " + p_item->GetItemLabel().utf8_string());
        else
            out.push_back(std::to_string(p_item->GetId()) + " " + p_item->GetItemLabel().utf8_string());
    }
    return out;
}

std::string G_Fn_Read(const std::filesystem::path& i_Path)
{
    std::ifstream in(i_Path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

wxColour G_Fn_Caption_Colour(C_Shell& ro_Shell)
{
    return ro_Shell.frame()->M_Fn_Get_Aui().GetArtProvider()->GetColour(wxAUI_DOCKART_INACTIVE_CAPTION_COLOUR);
}

} // namespace

TEST(C_Wnd_Frame_Main, MainMenuHoldsFileViewAndHelp)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    wxMenuBar* bar = shell.frame()->GetMenuBar();
    ASSERT_EQ(bar->GetMenuCount(), 3u);
    EXPECT_EQ(bar->GetMenuLabel(0), "&File");
    EXPECT_EQ(bar->GetMenuLabel(1), "&View");
    EXPECT_EQ(bar->GetMenuLabel(2), "&Help");
    // Exit and About enter the menus under their wx ids, out of wx's stock range; an entry shows its
    // command's key.
    const std::string exit = std::to_string(N_Cmd::G_Fn_Id_Wx(wxID_EXIT));
    EXPECT_EQ(G_Fn_Entries(*bar->GetMenu(0)),
              (std::vector<std::string>{"2001 &New Project\tCtrl+N", "2002 &Open Project\tCtrl+O", "-",
                                        "2003 &Close Project", "-", "2004 &Save Project\tCtrl+S",
                                        "2005 Save Project &As ...", "-", "2006 &Print Project\tCtrl+P", "-",
                                        "2007 Open Current Project's View", "2008 Close Current Project's View", "-",
                                        "> Recent &Files", "-", exit + " E&xit"}));
    EXPECT_EQ(G_Fn_Entries(*bar->GetMenu(1)),
              (std::vector<std::string>{std::to_string(N_Cmd::E_Id_View_Status_Bar) + " &Status Bar",
                                        "> &Toolbars and Docking Windows", "> &Application Look", "-",
                                        "107 &Windows..."}));
    const wxMenu* look = bar->GetMenu(1)->FindItemByPosition(2)->GetSubMenu();
    EXPECT_EQ(G_Fn_Entries(*look),
              (std::vector<std::string>{"131 Windows &2000", "132 Office &XP", "133 &Windows XP", "134 Office 200&3",
                                        "135 Visual Studio.NET 200&5", "> Office 200&7"}));
    EXPECT_EQ(
        G_Fn_Entries(*look->FindItemByPosition(5)->GetSubMenu()),
        (std::vector<std::string>{"136 &Blue Style", "137 B&lack Style", "138 &Silver Style", "139 &Aqua Style"}));
    EXPECT_EQ(G_Fn_Entries(*bar->GetMenu(2)),
              (std::vector<std::string>{std::to_string(N_Cmd::G_Fn_Id_Wx(wxID_ABOUT)) + " &About"}));
    // The prompt of an entry is its status-bar help.
    EXPECT_EQ(bar->GetHelpString(N_Cmd::E_Id_File_Proj_Save_As), "Save the active project document with a new name");
}

TEST(C_Wnd_Frame_Main, ToolbarStandardAndStatusBar)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    wxAuiToolBar* bar = shell.frame()->M_Fn_Get_Toolbar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetName(), "Standard");
    EXPECT_TRUE(shell.frame()->M_Fn_Get_Aui().GetPane("Standard").IsToolbar());
    std::vector<std::string> tips;
    for (int i = 0; i < static_cast<int>(bar->GetToolCount()); ++i) {
        const wxAuiToolBarItem* item = bar->FindToolByIndex(i);
        if (item->GetKind() != wxITEM_SEPARATOR)
            tips.push_back(std::to_string(item->GetId()) + " " + item->GetShortHelp().utf8_string());
    }
    const std::string about = std::to_string(N_Cmd::G_Fn_Id_Wx(wxID_ABOUT));
    EXPECT_EQ(tips, (std::vector<std::string>{"2001 New Project", "2002 Open Project", "2004 Save Project",
                                              "2006 Print Project", "2101 Reset", "2102 Adjust", "2103 Center",
                                              "2111 Top View", "2112 Bottom View", "2113 Right View", "2114 Left View",
                                              "2115 Back View", "2116 Front View", "2121 Grid", "2233 Select Geometry",
                                              about + " About"}));
    // With no document window, the document commands are off and the application's are on.
    G_Fn_Run_For(std::chrono::milliseconds(100));
    EXPECT_FALSE(bar->GetToolEnabled(N_Cmd::E_Id_View_Reset));
    EXPECT_FALSE(bar->GetToolEnabled(N_Cmd::E_Id_Edit_Sel_Geometry));
    EXPECT_TRUE(bar->GetToolEnabled(N_Cmd::E_Id_File_Proj_New));

    wxStatusBar* status = shell.frame()->GetStatusBar();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->GetFieldsCount(), 4);
    shell.M_Fn_Command(N_Cmd::E_Id_View_Status_Bar);
    EXPECT_FALSE(status->IsShown());
    shell.M_Fn_Command(N_Cmd::E_Id_View_Status_Bar);
    EXPECT_TRUE(status->IsShown());
}

TEST(C_Wnd_Frame_Main, PanesDockWhereTheyBelongAndTheViewMenuTogglesThem)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    wxAuiManager& aui = shell.frame()->M_Fn_Get_Aui();
    struct C_Case {
        const char* m_Name;
        const char* m_Caption;
        int m_Direction, m_Position, m_Menu_Id;
    } const cases[] = {
        {"tools", "Tools", wxAUI_DOCK_RIGHT, 0, N_Cmd::E_Id_View_Pane_Tool},
        {"tree", "Project Explorer", wxAUI_DOCK_LEFT, 0, N_Cmd::E_Id_View_Pane_Tree},
        {"properties", "Properties", wxAUI_DOCK_LEFT, 1, N_Cmd::E_Id_View_Pane_Property},
        {"output", "Output", wxAUI_DOCK_BOTTOM, 0, N_Cmd::E_Id_View_Pane_Output},
    };
    for (const C_Case& c : cases) {
        wxAuiPaneInfo& pane = aui.GetPane(c.m_Name);
        ASSERT_TRUE(pane.IsOk()) << c.m_Name;
        EXPECT_EQ(pane.caption, c.m_Caption);
        EXPECT_EQ(pane.dock_direction, c.m_Direction) << c.m_Name;
        EXPECT_EQ(pane.dock_pos, c.m_Position) << c.m_Name;
        EXPECT_TRUE(pane.IsShown()) << c.m_Name;
        shell.M_Fn_Command(c.m_Menu_Id);
        EXPECT_FALSE(aui.GetPane(c.m_Name).IsShown()) << c.m_Name;
        shell.M_Fn_Command(c.m_Menu_Id);
        EXPECT_TRUE(aui.GetPane(c.m_Name).IsShown()) << c.m_Name;
    }
    EXPECT_EQ(aui.GetPane("tree").dock_row, aui.GetPane("properties").dock_row);
    // The output pane's Hide.
    shell.M_Fn_Command(N_Cmd::E_Id_Output_Hide);
    EXPECT_FALSE(aui.GetPane("output").IsShown());
}

TEST(C_Wnd_Frame_Main, PaneLayoutComesBackAtTheNextStart)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.M_Fn_Command(N_Cmd::E_Id_Output_Hide);
    shell.M_Fn_End();
    ASSERT_TRUE(shell.M_Fn_Start());
    wxAuiManager& aui = shell.frame()->M_Fn_Get_Aui();
    EXPECT_FALSE(aui.GetPane("output").IsShown());
    EXPECT_TRUE(aui.GetPane("tools").IsShown());
    EXPECT_EQ(aui.GetPane("output").caption, "Output");
    EXPECT_TRUE(aui.GetPane("tools").icon.IsOk());
    // The messages still have their pane: it is hidden, not gone.
    EXPECT_NE(shell.frame()->M_Fn_Get_Output(), nullptr);
}

TEST(C_Wnd_Frame_Main, LookChosenInOneRunIsTheLookOfTheNext)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    EXPECT_EQ(shell.ui().M_Fn_Look_Get(), 135u);
    shell.M_Fn_Command(134);
    EXPECT_EQ(shell.ui().M_Fn_Look_Get(), 134u);
    EXPECT_EQ(G_Fn_Caption_Colour(shell), wxColour(89, 135, 214));
    EXPECT_NE(G_Fn_Read(shell.config_path()).find("ApplicationLook=134"), std::string::npos);
    // The menu marks the current look only.
    shell.frame()->GetMenuBar()->UpdateMenus();
    EXPECT_TRUE(shell.frame()->GetMenuBar()->IsChecked(134));
    EXPECT_FALSE(shell.frame()->GetMenuBar()->IsChecked(135));
    EXPECT_FALSE(shell.frame()->GetMenuBar()->IsChecked(137));

    shell.M_Fn_End();
    ASSERT_TRUE(shell.M_Fn_Start());
    EXPECT_EQ(shell.ui().M_Fn_Look_Get(), 134u);
    EXPECT_EQ(G_Fn_Caption_Colour(shell), wxColour(89, 135, 214));
    shell.M_Fn_Command(137);
    shell.frame()->GetMenuBar()->UpdateMenus();
    EXPECT_TRUE(shell.frame()->GetMenuBar()->IsChecked(137));
    EXPECT_FALSE(shell.frame()->GetMenuBar()->IsChecked(134));
}

TEST(C_Wnd_Frame_Main, StoredLookOutsideTheNineLooksCountsAsTheDefault)
{
    for (const char* stored : {"999", "0", "-135", "abc", "130"}) {
        C_Shell shell;
        std::filesystem::create_directories(shell.config_path().parent_path());
        std::ofstream(shell.config_path()) << "[Veltrane 1.2.0037]\nApplicationLook=" << stored << "\n";
        ASSERT_TRUE(shell.M_Fn_Start());
        EXPECT_EQ(shell.ui().M_Fn_Look_Get(), 135u) << stored;
    }
}

TEST(C_Wnd_Frame_Main, AcceleratorTable)
{
    using F = N_UI::N_MDI::C_Wnd_Frame_Main;
    struct C_Case {
        int m_Modifiers, m_Key, m_Id;
    } const cases[] = {
        {wxMOD_NONE, WXK_RETURN, 2201},
        {wxMOD_NONE, WXK_ESCAPE, 2202},
        {wxMOD_NONE, WXK_DELETE, 2204},
        {wxMOD_NONE, 'D', 2204},
        {wxMOD_NONE, 'C', 2203},
        {wxMOD_NONE, 'F', 2205},
        {wxMOD_NONE, 'V', 2206},
        {wxMOD_NONE, 'P', 2211},
        {wxMOD_NONE, 'H', 2221},
        {wxMOD_NONE, 'U', 2222},
        {wxMOD_CONTROL, 'Z', wxID_UNDO},
        {wxMOD_CONTROL, 'Y', wxID_REDO},
        {wxMOD_CONTROL, 'X', wxID_CUT},
        {wxMOD_CONTROL, 'C', wxID_COPY},
        {wxMOD_CONTROL, 'V', wxID_PASTE},
        {wxMOD_CONTROL, 'N', 2001},
        {wxMOD_CONTROL, 'O', 2002},
        {wxMOD_CONTROL, 'S', 2004},
        {wxMOD_CONTROL, 'P', 2006},
        {wxMOD_SHIFT, 'C', 0},
        {wxMOD_CONTROL, 'D', 0},
        {wxMOD_NONE, 'A', 0},
        {wxMOD_ALT, 'V', 0},
        {wxMOD_CONTROL, WXK_RETURN, 0},
    };
    for (const C_Case& c : cases)
        EXPECT_EQ(F::S_Fn_Key_Command(c.m_Modifiers, c.m_Key), c.m_Id) << c.m_Modifiers << " " << c.m_Key;
}

TEST(C_Wnd_Frame_Main, AcceleratorsActUnlessALineIsBeingEdited)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    auto* frame = shell.frame();
    int creates = 0;
    frame->Bind(
        wxEVT_MENU,
        [&](wxCommandEvent& ro_Event) {
            ++creates;
            ro_Event.Skip();
        },
        N_Cmd::E_Id_Edit_Create);
    wxUIActionSimulator sim;
    const auto focus = [&](wxWindow* i_p_Window) {
        EXPECT_TRUE(G_Fn_Mouse_Move(sim, i_p_Window->GetScreenRect().GetPosition() + wxPoint(5, 5)));
        EXPECT_TRUE(G_Fn_Focus(i_p_Window));
    };

    // A line in a pane, as the tool dialogs have: the letters are text there.
    auto* line = new wxTextCtrl(frame->M_Fn_Get_Tool(), wxID_ANY, wxEmptyString, wxPoint(4, 4), wxSize(150, -1));
    focus(line);
    sim.Text("cv");
    EXPECT_TRUE(G_Fn_Wait_For([&] { return line->GetValue() == "cv"; }));
    EXPECT_EQ(line->GetValue(), "cv");
    EXPECT_EQ(creates, 0);

    // Anywhere else the keys are commands.
    focus(frame->M_Fn_Get_Output());
    sim.Char('c');
    EXPECT_TRUE(G_Fn_Wait_For([&] { return creates == 1; })) << creates;
    sim.Char('n', wxMOD_CONTROL);
    EXPECT_TRUE(G_Fn_Wait_For([&] { return shell.core().m_sp_Proj != nullptr; }));
    line->Destroy();
}

TEST(C_Wnd_Frame_Main, ClosingTheFrameSendsLaterMessagesToBoxesWithoutOwner)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    EXPECT_TRUE(shell.core().M_Fn_Port().M_Fn_Output_Exists());
    shell.M_Fn_Close_Frame();
    EXPECT_FALSE(shell.core().M_Fn_Port().M_Fn_Frame_Exists());
    EXPECT_FALSE(shell.core().M_Fn_Port().M_Fn_Output_Exists());
    C_App::G_Fn_Msg(L"after the frame");
    EXPECT_EQ(shell.log_lines().back(), "Msg: after the frame");
}

TEST(C_Wnd_Frame_Main, DocumentMenuBarShowsTheRecentFilesUntilItIsReleased)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.ui().M_Fn_Recent_Add(L"/projects/a.qmxb");
    wxMenuBar* bar = shell.frame()->M_Fn_Menu_Bar_Create();
    const auto recent_count = [](wxMenuBar* i_p_Bar) {
        const wxMenu* file = i_p_Bar->GetMenu(0);
        for (const wxMenuItem* item : file->GetMenuItems())
            if (item->GetSubMenu())
                return item->GetSubMenu()->GetMenuItemCount();
        return std::size_t(99);
    };
    EXPECT_EQ(recent_count(bar), 1u);
    shell.ui().M_Fn_Recent_Add(L"/projects/b.qmxb");
    EXPECT_EQ(recent_count(bar), 2u);
    EXPECT_EQ(recent_count(shell.frame()->GetMenuBar()), 2u);
    // Released and gone: the list goes on without it.
    shell.frame()->M_Fn_Menu_Bar_Release(bar);
    delete bar;
    shell.ui().M_Fn_Recent_Add(L"/projects/c.qmxb");
    EXPECT_EQ(recent_count(shell.frame()->GetMenuBar()), 3u);
}
