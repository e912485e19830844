// The main frame's menus and keys with a real keyboard and mouse (X events sent with xdotool):
// every menu and popup shows exactly the keys of the accelerator table, as GTK shows and binds
// them; Ctrl+Q is no key of the program; the keys act after the window with the focus went; a
// line being edited keeps the keys it has no use for; the list of the document windows.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Output_Ctrl.h"
#include "ui/UI_Output_Wnd.h"
#include "ui/UI_Tool_Wnd.h"
#include "ui/UI_Tree_Data_Elem.h"
#include "ui/UI_Tree_Wnd.h"
#include "ui/UI_Windows_Dlg.h"

#include <gtest/gtest.h>

#include <wx/aui/tabmdi.h>
#include <wx/eventfilter.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include <dlfcn.h>

#include <cctype>
#include <cstdlib>
#include <map>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;
using T_Keys = std::map<std::string, std::string>;

namespace {

// The key that GTK shows beside a menu entry and binds to it ("Ctrl+Z", "Delete", "C"; empty for
// none), asked from the toolkit that the program has loaded: for a stock id GTK adds a key of its
// own, which wx's view of the entry does not tell.
std::string G_Fn_Gtk_Key(const wxMenuItem& ro_Item)
{
    struct C_List {
        void* m_p_Data;
        C_List* m_p_Next;
    };
    struct C_Key {
        unsigned m_Key, m_Mods;
    };
    using T_Find = int (*)(C_Key*, void*, void*);
    const auto fn = [](const char* i_Name) { return dlsym(RTLD_DEFAULT, i_Name); };
    const auto closures = reinterpret_cast<C_List* (*)(void*)>(fn("gtk_widget_list_accel_closures"));
    const auto group_of = reinterpret_cast<void* (*)(void*)>(fn("gtk_accel_group_from_accel_closure"));
    const auto find = reinterpret_cast<C_Key* (*)(void*, T_Find, void*)>(fn("gtk_accel_group_find"));
    const auto key_name = reinterpret_cast<const char* (*)(unsigned)>(fn("gdk_keyval_name"));
    const auto list_free = reinterpret_cast<void (*)(C_List*)>(fn("g_list_free"));
    if (!closures || !group_of || !find || !key_name || !list_free) {
        ADD_FAILURE() << "GTK's accelerator functions are not in the process";
        return "?";
    }
    std::string out;
    C_List* p_closures = closures(ro_Item.GetMenuItem());
    for (C_List* p = p_closures; p; p = p->m_p_Next) {
        const T_Find same = [](C_Key*, void* i_p_Closure, void* i_p_Data) { return int(i_p_Closure == i_p_Data); };
        if (const C_Key* p_key = group_of(p->m_p_Data) ? find(group_of(p->m_p_Data), same, p->m_p_Data) : nullptr) {
            std::string name = key_name(p_key->m_Key);
            if (name.size() == 1)
                name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
            out += std::string(p_key->m_Mods & 1u ? "Shift+" : "") + (p_key->m_Mods & 4u ? "Ctrl+" : "") + name;
        }
    }
    list_free(p_closures);
    return out;
}

// The keys of a menu's entries by path ("Edit/Material/Hide Selected"), of those that have one;
// every entry's wx id must lie outside wx's stock range. Returns the number of entries.
int G_Fn_Keys(const wxMenu& ro_Menu, const std::string& i_Path, T_Keys& ro_Keys)
{
    int entries = 0;
    for (const wxMenuItem* p_item : ro_Menu.GetMenuItems()) {
        const std::string path = i_Path + p_item->GetItemLabelText().utf8_string();
        if (const wxMenu* p_sub = p_item->GetSubMenu()) {
            entries += G_Fn_Keys(*p_sub, path + "/", ro_Keys);
        } else if (!p_item->IsSeparator()) {
            ++entries;
            EXPECT_FALSE(p_item->GetId() >= wxID_LOWEST && p_item->GetId() <= wxID_HIGHEST) << path;
            if (const std::string key = G_Fn_Gtk_Key(*p_item); !key.empty())
                ro_Keys[path] = key;
        }
    }
    return entries;
}

T_Keys G_Fn_Keys(const wxMenuBar& ro_Bar)
{
    T_Keys keys;
    for (std::size_t i = 0; i < ro_Bar.GetMenuCount(); ++i)
        G_Fn_Keys(*ro_Bar.GetMenu(i), ro_Bar.GetMenuLabelText(i).utf8_string() + "/", keys);
    return keys;
}

// The accelerator table's keys on the menus: the File menu's four, and in a document window the
// Edit menu's own entries (the Material, Property and Element menus' "Hide Selected" and the like
// are other commands, without keys).
const T_Keys G_Keys_File = {
    {"File/New Project", "Ctrl+N"}, {"File/Open Project", "Ctrl+O"},
    {"File/Save Project", "Ctrl+S"}, {"File/Print Project", "Ctrl+P"},
};
const T_Keys G_Keys_Doc = {
    {"File/New Project", "Ctrl+N"}, {"File/Open Project", "Ctrl+O"},  {"File/Save Project", "Ctrl+S"},
    {"File/Print Project", "Ctrl+P"}, {"Edit/Undo", "Ctrl+Z"},       {"Edit/Redo", "Ctrl+Y"},
    {"Edit/Cut", "Ctrl+X"},         {"Edit/Copy", "Ctrl+C"},         {"Edit/Paste", "Ctrl+V"},
    {"Edit/Create", "C"},           {"Edit/Delete", "Delete"},       {"Edit/Modify", "F"},
    {"Edit/Move", "V"},             {"Edit/Pick Property By Selected", "P"}, {"Edit/Hide Selected", "H"},
    {"Edit/Hide Unselected", "U"},
};

// xdotool with i_Args: its X events queue up for the program's event loop.
void G_Fn_X(const std::string& i_Args)
{
    ASSERT_EQ(std::system(("xdotool " + i_Args).c_str()), 0) << i_Args;
}

std::string G_Fn_At(const wxPoint& ro_Screen)
{
    return "mousemove " + std::to_string(ro_Screen.x) + " " + std::to_string(ro_Screen.y);
}

std::string G_Fn_Centre(const wxWindow& ro_Window)
{
    const wxRect rect = ro_Window.GetScreenRect();
    return G_Fn_At(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2));
}

// Moves the pointer from the screen's corner to the middle of i_p_Window (with i_Click, clicks
// there) until the focus is in that window; a window just made may not take it at once.
bool G_Fn_Focus_By_Pointer(wxWindow* i_p_Window, bool i_Click)
{
    const auto inside = [&] {
        wxWindow* p_focus = wxWindow::FindFocus();
        return p_focus && (p_focus == i_p_Window || i_p_Window->IsDescendant(p_focus));
    };
    for (int i = 0; i < 20 && !inside(); ++i) {
        G_Fn_X("mousemove 0 0 " + G_Fn_Centre(*i_p_Window) + (i_Click ? " click 1" : ""));
        G_Fn_Wait_For(inside, std::chrono::milliseconds(250));
    }
    return inside();
}

// Counts the commands i_Id sent: a key used as a marker (X events are handled in the order sent,
// so once it counted, every key sent before it was handled).
class C_Cmd_Count : public wxEventFilter {
public:
    explicit C_Cmd_Count(int i_Id) : m_Id(i_Id) { wxEvtHandler::AddFilter(this); }
    ~C_Cmd_Count() override { wxEvtHandler::RemoveFilter(this); }
    int FilterEvent(wxEvent& ro_Event) override
    {
        m_Count += ro_Event.GetEventType() == wxEVT_MENU && ro_Event.GetId() == m_Id;
        return Event_Skip;
    }
    int m_Id, m_Count = 0;
};

// The program started with a new project.
struct C_Session {
    C_Session()
    {
        EXPECT_TRUE(m_Shell.M_Fn_Start());
        m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
        EXPECT_NE(proj(), nullptr);
    }
    N_UI::N_MDI::C_Wnd_Frame_Main& frame() { return *m_Shell.frame(); }
    N_Biz::N_Proj::C_Proj* proj() { return m_Shell.core().m_sp_Proj.get(); }

    // A section of the tubes in a group of its own, its window active once its views are up.
    void M_Fn_Sect_Open()
    {
        N_Biz::N_Sect::C_Sect& sect = G_Fn_Sect_Import(*proj(), VT_TESTDATA_DIR "/iges/tubes_splined.iges");
        sect.M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
        const N_Biz::N_Sect::C_Mgr_Frame& mgr = sect.M_Fn_Get_Mgr_Frame();
        EXPECT_TRUE(G_Fn_Wait_For([&] { return mgr.m_p_View_Main && mgr.m_p_View_Graph && mgr.m_p_View_Sheet; }));
    }

    C_Shell m_Shell;
};

} // namespace

TEST(C_Wnd_Frame_Main, EveryMenuAndPopupShowsExactlyTheKeysOfTheAcceleratorTable)
{
    C_Session s;
    // The project window, a section window, and no document window.
    EXPECT_EQ(G_Fn_Keys(*s.frame().GetMenuBar()), G_Keys_Doc);
    s.M_Fn_Sect_Open();
    ASSERT_NE(s.frame().GetMenuBar()->FindMenu("Analysis"), wxNOT_FOUND);
    EXPECT_EQ(G_Fn_Keys(*s.frame().GetMenuBar()), G_Keys_Doc);
    s.m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close);
    ASSERT_EQ(s.frame().GetMenuBar()->FindMenu("Edit"), wxNOT_FOUND);
    EXPECT_EQ(G_Fn_Keys(*s.frame().GetMenuBar()), G_Keys_File);

    // The popups show none: the explorer's over each kind of item and over empty space, the output
    // pane's, the explorer's "Sorting" menu (whose four entries show disabled).
    using namespace N_UI::N_Tree;
    std::vector<wxMenu*> popups = {N_UI::N_Output::C_Ctrl::S_Fn_Menu_Create(), C_Wnd::S_Fn_Menu_Sorting_Create()};
    for (std::uint32_t id : {E_Menu_None, E_Menu_Model, E_Menu_Models, E_Menu_Material, E_Menu_Materials,
                             E_Menu_Property, E_Menu_Properties, E_Menu_Sect, E_Menu_Sect_G, E_Menu_Proj})
        popups.push_back(C_Wnd::S_Fn_Menu_Create(id));
    for (wxMenu* p_menu : popups) {
        std::unique_ptr<wxMenu> up_menu(p_menu);
        T_Keys keys;
        EXPECT_GE(G_Fn_Keys(*up_menu, "", keys), 1);
        EXPECT_EQ(keys, T_Keys());
    }
    wxToolBarToolBase* p_sorting = s.frame().M_Fn_Get_Tree()->M_Fn_Get_Toolbar()->FindById(E_Tool_Sorting);
    ASSERT_NE(p_sorting, nullptr);
    EXPECT_TRUE(p_sorting->IsEnabled());
    for (const wxMenuItem* p_item : p_sorting->GetDropdownMenu()->GetMenuItems())
        EXPECT_FALSE(p_item->IsEnabled()) << p_item->GetItemLabelText();
}

TEST(C_Wnd_Frame_Main, CtrlQWithAModifiedProjectDoesNothing)
{
    C_Session s;
    s.proj()->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    const std::size_t log_before = s.m_Shell.log_lines().size();
    // A click into the output pane; Ctrl+Q, then C as the marker.
    N_UI::N_Output::C_Ctrl& list = *s.frame().M_Fn_Get_Output()->M_Fn_Get_Ctrl();
    C_Cmd_Count creates(N_Cmd::E_Id_Edit_Create);
    ASSERT_TRUE(G_Fn_Focus_By_Pointer(&list, true));
    G_Fn_X("key ctrl+q c");
    ASSERT_TRUE(G_Fn_Wait_For([&] { return !s.m_Shell.frame() || creates.m_Count == 1; }));
    ASSERT_NE(s.m_Shell.frame(), nullptr) << "Ctrl+Q closed the program";
    ASSERT_NE(s.proj(), nullptr);
    EXPECT_TRUE(s.proj()->M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    // No save question: the one message is C's refusal in the model mode.
    const auto lines = s.m_Shell.log_lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(log_before), lines.end()),
              (std::vector<std::string>{"Msg: This command is not suitable for current select & edit mode.",
                                        "Applicable mode: Material, Property, Section."}));
}

TEST(C_Wnd_Frame_Main, KeysActAfterTheLastSectionWindowWentWithTheFocus)
{
    // The project's own window closed, a section window alone whose view has the focus (the pointer
    // moved into it); Ctrl+Z undoes the section's import, and its window goes.
    C_Session s;
    s.m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Close);
    s.M_Fn_Sect_Open();
    ASSERT_EQ(s.frame().GetClientWindow()->GetPageCount(), 1u);
    ASSERT_TRUE(G_Fn_Focus_By_Pointer(s.frame().GetActiveChild(), false));
    G_Fn_X("key ctrl+z");
    ASSERT_TRUE(G_Fn_Wait_For([&] { return s.frame().GetClientWindow()->GetPageCount() == 0; }));

    // The focus stays in the frame; Ctrl+N, with no click, makes the next project.
    EXPECT_TRUE(G_Fn_Wait_For([&] { return wxWindow::FindFocus() != nullptr; })) << "the focus is nowhere";
    const std::wstring next = L"Project " + std::to_wstring(std::stoi(s.proj()->M_Fn_Name_Get().substr(8)) + 1);
    G_Fn_X("key ctrl+n");
    EXPECT_TRUE(G_Fn_Wait_For([&] { return s.proj() && s.proj()->M_Fn_Name_Get() == next; })) << "Ctrl+N did nothing";
}

TEST(C_Wnd_Frame_Main, ALineBeingEditedKeepsTheKeysItHasNoUseFor)
{
    // A project with one entry in its history, a line in the tools pane being edited.
    C_Session s;
    G_Fn_Sect_Import(*s.proj(), VT_TESTDATA_DIR "/iges/tubes_splined.iges");
    const auto& history = s.proj()->M_Fn_Get_Mgr_Cmd().M_Fn_Get_History();
    ASSERT_EQ(history.size(), 1u);
    auto* line = new wxTextCtrl(s.frame().M_Fn_Get_Tool(), wxID_ANY, wxEmptyString, wxPoint(4, 4), wxSize(150, -1));
    ASSERT_TRUE(G_Fn_Focus_By_Pointer(line, true));
    // Ctrl+Z, Ctrl+N and Ctrl+S reach neither the history nor the File menu (no dialog comes up);
    // the letters are text.
    const N_Biz::N_Proj::C_Proj* p_proj = s.proj();
    G_Fn_No_Dialog([&] {
        G_Fn_X("key ctrl+z ctrl+n ctrl+s");
        G_Fn_X("type 12c");
        EXPECT_TRUE(G_Fn_Wait_For([&] { return line->GetValue() == "12c"; })) << line->GetValue();
    });
    EXPECT_EQ(s.proj(), p_proj);
    EXPECT_EQ(history.size(), 1u) << "Ctrl+Z in the line undid the project's last entry";
    line->Destroy();
}

TEST(C_Dlg_Windows, ListsTheDocumentWindowsToActivateAndClose)
{
    C_Session s;
    wxAuiMDIChildFrame* p_proj_window = s.frame().GetActiveChild();
    s.M_Fn_Sect_Open();
    wxAuiMDIChildFrame* p_sect_window = s.frame().GetActiveChild();
    const std::vector<wxString> titles = {p_proj_window->GetTitle(), p_sect_window->GetTitle()};
    using N_UI::N_Windows::C_Dlg;
    // View > Windows... from the keyboard, then i_Script with the dialog, which must end it.
    const auto open = [&](const std::function<void(C_Dlg&)>& i_Script) {
        bool ran = false;
        G_Fn_With_Modal(
            [&] {
                G_Fn_X(G_Fn_Centre(*s.frame().GetClientWindow()) + " key alt+v w");
                return int(G_Fn_Wait_For([&] { return ran; }, std::chrono::seconds(10)));
            },
            [&](wxDialog& ro_Dlg) {
                ASSERT_NE(dynamic_cast<C_Dlg*>(&ro_Dlg), nullptr) << ro_Dlg.GetTitle();
                i_Script(static_cast<C_Dlg&>(ro_Dlg));
                EXPECT_TRUE(G_Fn_Wait_For([&] { return !ro_Dlg.IsShown(); }));
                ran = true;
            });
    };
    const auto click = [](wxWindow* i_p_Window) { G_Fn_X(G_Fn_Centre(*i_p_Window) + " click 1"); };
    // A click on row i_Row of the list, where the list says the row is.
    const auto click_row = [](C_Dlg& ro_Dlg, int i_Row) {
        wxListBox& list = *ro_Dlg.M_Fn_Get_List();
        int y = 0;
        while (y < list.GetClientSize().y && list.HitTest(wxPoint(20, y)) != i_Row)
            ++y;
        G_Fn_X(G_Fn_At(list.ClientToScreen(wxPoint(20, y + 4))) + " click 1");
        EXPECT_TRUE(G_Fn_Wait_For([&] { return list.GetSelection() == i_Row; }));
    };
    const auto rows = [](C_Dlg& ro_Dlg) {
        std::vector<wxString> out;
        for (unsigned i = 0; i < ro_Dlg.M_Fn_Get_List()->GetCount(); ++i)
            out.push_back(ro_Dlg.M_Fn_Get_List()->GetString(i));
        return out;
    };
    // The two windows, the active one chosen; Activate on the project window.
    open([&](C_Dlg& ro_Dlg) {
        EXPECT_EQ(ro_Dlg.GetTitle(), "Windows");
        EXPECT_EQ(rows(ro_Dlg), titles);
        EXPECT_EQ(ro_Dlg.M_Fn_Get_List()->GetSelection(), 1);
        click_row(ro_Dlg, 0);
        click(ro_Dlg.FindWindow(C_Dlg::E_Id_Activate));
    });
    EXPECT_EQ(s.frame().GetActiveChild(), p_proj_window);
    // Close on the section window: the list keeps the project window; OK.
    open([&](C_Dlg& ro_Dlg) {
        click_row(ro_Dlg, 1);
        click(ro_Dlg.FindWindow(C_Dlg::E_Id_Close));
        EXPECT_TRUE(G_Fn_Wait_For([&] { return rows(ro_Dlg) == std::vector<wxString>{titles[0]}; }));
        click(ro_Dlg.FindWindow(wxID_OK));
    });
    EXPECT_EQ(s.frame().GetClientWindow()->GetPageCount(), 1u);
    EXPECT_NE(s.proj(), nullptr) << "the section's project stays open";
    // Without document windows: offered, empty, nothing to activate or close.
    s.m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close);
    open([&](C_Dlg& ro_Dlg) {
        EXPECT_EQ(ro_Dlg.M_Fn_Get_List()->GetCount(), 0u);
        ro_Dlg.UpdateWindowUI(wxUPDATE_UI_RECURSE);
        EXPECT_FALSE(ro_Dlg.FindWindow(C_Dlg::E_Id_Activate)->IsEnabled());
        EXPECT_FALSE(ro_Dlg.FindWindow(C_Dlg::E_Id_Close)->IsEnabled());
        click(ro_Dlg.FindWindow(wxID_OK));
    });
}
