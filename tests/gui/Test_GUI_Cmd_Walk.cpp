// Every command a user can reach does its work: the walk takes the ids from the menu bar of the
// active window (the project window, a section window), from the keyboard accelerators, from the
// buttons of the tools pane's shown page and from the explorer's popup menus, and runs each enabled
// one as the menu does. Each must run without an exception report and
// change something that can be seen: a log line, an option, the undo history, the editing state,
// the selection mode or prompt, a view's transform or a repaint of a view, the windows or panes,
// the clipboard, the window look, or a modal dialog that it opens (answered Cancel unseen). Only
// the commands known to do nothing may leave everything as it was.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/cmd/Biz_Cmd_Mgr.h"
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_String.h"
#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Sect_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"
#include "ui/UI_MDI_Proj_Wnd_View_Main.h"
#include "ui/UI_MDI_Sect_Wnd_Frame_Child.h"
#include "ui/UI_MDI_Sect_Wnd_View_R_Sheet.h"
#include "ui/UI_Tool_Dlg.h"
#include "ui/UI_Tool_Wnd.h"
#include "ui/UI_Tree_Wnd.h"
#include "ui/UI_Wnd_View_GL.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/clipbrd.h>
#include <wx/collpane.h>
#include <wx/dataobj.h>
#include <wx/dialog.h>
#include <wx/eventfilter.h>
#include <wx/listctrl.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/scrolwin.h>
#include <wx/statusbr.h>
#include <wx/weakref.h>

#include <cstring>
#include <map>
#include <set>
#include <sstream>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;
using N_Biz::N_Sect::C_Sect;

namespace {

// Commands that their window takes and that do nothing: in the section window Cut, Copy and Paste,
// the hide commands, "Select Node" and "Analysis Details", and Apply (Enter), which no editing task
// of a section uses; in the project window Cut, Copy, Paste and the two model commands without
// work.
const std::set<int> G_Ids_Doing_Nothing_Sect = {
    N_Cmd::E_Id_Edit_Cut,           N_Cmd::E_Id_Edit_Copy,           N_Cmd::E_Id_Edit_Paste,
    N_Cmd::E_Id_Edit_Hide_Sel,      N_Cmd::E_Id_Edit_Hide_Unsel,     N_Cmd::E_Id_Edit_Hide_Reverse,
    N_Cmd::E_Id_Edit_Hide_Cancel_All, N_Cmd::E_Id_Edit_Hide_Cancel_Type, N_Cmd::E_Id_Edit_Sel_Node,
    N_Cmd::E_Id_Sect_Anls_Details,  N_Cmd::E_Id_Edit_Apply,
};
const std::set<int> G_Ids_Doing_Nothing_Proj = {
    N_Cmd::E_Id_Edit_Cut, N_Cmd::E_Id_Edit_Copy, N_Cmd::E_Id_Edit_Paste, N_Cmd::E_Id_Proj_Edit_D_M_4163,
    N_Cmd::E_Id_Proj_Edit_D_M_4164,
};

// Commands that end the state the walk runs in (the project, the windows, the program): each is
// run on its own on a fresh state, after the others.
const std::set<int> G_Ids_Ending = {
    N_Cmd::E_Id_File_Proj_New,        N_Cmd::E_Id_File_Proj_Open, N_Cmd::E_Id_File_Proj_Close,
    N_Cmd::E_Id_File_Proj_View_Close, N_Cmd::E_Id_App_Exit,
};

// Every command of a menu and its sub-menus, with its text.
void G_Fn_Menu_Ids(const wxMenu& ro_Menu, std::map<int, std::string>& ro_Ids)
{
    for (const wxMenuItem* p_item : ro_Menu.GetMenuItems()) {
        if (const wxMenu* p_sub = p_item->GetSubMenu())
            G_Fn_Menu_Ids(*p_sub, ro_Ids);
        else if (!p_item->IsSeparator())
            ro_Ids.emplace(N_Cmd::G_Fn_Id_Cmd(p_item->GetId()), p_item->GetItemLabelText().utf8_string());
    }
}

std::map<int, std::string> G_Fn_Menu_Bar_Ids(const wxMenuBar& ro_Bar)
{
    std::map<int, std::string> ids;
    for (std::size_t i = 0; i < ro_Bar.GetMenuCount(); ++i)
        G_Fn_Menu_Ids(*ro_Bar.GetMenu(i), ids);
    return ids;
}

// The commands of the keyboard accelerators: every key with and without Ctrl, as the frame
// translates it.
std::map<int, std::string> G_Fn_Key_Ids()
{
    std::map<int, std::string> ids;
    std::vector<int> keys = {WXK_RETURN, WXK_NUMPAD_ENTER, WXK_ESCAPE, WXK_DELETE, WXK_BACK, WXK_TAB, WXK_SPACE};
    for (int c = 'A'; c <= 'Z'; ++c)
        keys.push_back(c);
    for (int c = '0'; c <= '9'; ++c)
        keys.push_back(c);
    for (int modifiers : {wxMOD_NONE, wxMOD_CONTROL, wxMOD_SHIFT, wxMOD_ALT})
        for (int key : keys)
            if (const int id = N_UI::N_MDI::C_Wnd_Frame_Main::S_Fn_Key_Command(modifiers, key))
                ids.emplace(id, "key " + std::to_string(modifiers) + "+" + std::to_string(key));
    return ids;
}

// Answers every modal dialog Cancel without showing it, and counts them.
class C_Modal_Count : public wxModalDialogHook {
public:
    C_Modal_Count() { Register(); }
    ~C_Modal_Count() override { Unregister(); }
    int m_Count = 0;
    std::string m_Last;
    // Off: dialogs run as usual (the set-up's progress dialog).
    bool m_On = false;

protected:
    int Enter(wxDialog* i_p_Dialog) override
    {
        if (!m_On)
            return wxID_NONE;
        ++m_Count;
        m_Last = i_p_Dialog->GetTitle().utf8_string();
        return wxID_CANCEL;
    }
    void Exit(wxDialog*) override {}
};

// Counts the paints of the OpenGL views and of every list (the result sheet).
class C_Paint_Count : public wxEventFilter {
public:
    C_Paint_Count() { wxEvtHandler::AddFilter(this); }
    ~C_Paint_Count() override { wxEvtHandler::RemoveFilter(this); }
    int m_Count = 0;

    int FilterEvent(wxEvent& ro_Event) override
    {
        if (ro_Event.GetEventType() == wxEVT_PAINT && dynamic_cast<N_UI::C_Wnd_View_GL*>(ro_Event.GetEventObject()))
            ++m_Count;
        return Event_Skip;
    }
};

std::string G_Fn_Clipboard()
{
    std::string text;
    if (wxTheClipboard->Open()) {
        wxTextDataObject data;
        if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) && wxTheClipboard->GetData(data))
            text = data.GetText().utf8_string();
        wxTheClipboard->Close();
    }
    return text;
}

// A new project with one section imported from IGES in a group of its own, in one history entry,
// as the project's section import makes it, and the section's window.
class C_Cmd_Walk : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Shell.M_Fn_Start());
        M_Fn_State_Make();
    }

    void M_Fn_State_Make()
    {
        m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
        ASSERT_NE(m_Shell.core().m_sp_Proj, nullptr);
        m_p_Sect = &G_Fn_Sect_Import(*m_Shell.core().m_sp_Proj, VT_TESTDATA_DIR "/iges/tubes_splined.iges");
        m_p_Sect->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
        const N_Biz::N_Sect::C_Mgr_Frame& mgr = m_p_Sect->M_Fn_Get_Mgr_Frame();
        ASSERT_TRUE(G_Fn_Wait_For([&] { return mgr.m_p_View_Main && mgr.m_p_View_Graph && mgr.m_p_View_Sheet; }));
        // Two lines of the user's own, so that Undo and Redo work inside the section.
        for (int i = 0; i < 2; ++i) {
            m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Edit_D_Geom_C_Line);
            m_p_Sect->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Set_Scrn({0.0f, 100.0f * static_cast<float>(i)});
            m_p_Sect->M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Set_Scrn({50.0f, 100.0f * static_cast<float>(i) + 20.0f});
        }
        m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Cancel);
        G_Fn_Run_For(std::chrono::milliseconds(200));
    }

    // A new project with the wing box deck imported through its command (the file dialog answered
    // through the port) and the tubes section, its window active.
    void M_Fn_State_Proj_Make()
    {
        m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
        ASSERT_NE(m_Shell.core().m_sp_Proj, nullptr);
        using N_UI::C_App_Port_Wx;
        C_App_Port_Wx::S_Test_File_Answers = {L"" VT_TESTDATA_DIR L"/nastran/wingbox_stitched_together-000.bdf"};
        m_Shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_M_I_Nastran);
        C_App_Port_Wx::S_Test_File_Answers.clear();
        m_p_Proj_Sect = &G_Fn_Sect_Import(*m_Shell.core().m_sp_Proj, VT_TESTDATA_DIR "/iges/tubes_splined.iges");
        m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Open);
        G_Fn_Run_For(std::chrono::milliseconds(200));
        const auto lines = m_Shell.log_lines();
        ASSERT_NE(std::find(lines.begin(), lines.end(), "Msg: Done: Input Nastran"), lines.end());
        ASSERT_NE(dynamic_cast<N_UI::N_MDI::N_Proj::C_Wnd_Frame_Child*>(m_Shell.frame()->GetActiveChild()), nullptr);
        m_p_Sect = nullptr;
    }

    // Everything a command may change that the walk can see, as text.
    std::string M_Fn_Snapshot()
    {
        std::ostringstream out;
        out << "log " << m_Shell.log_lines().size() << "\ndialogs " << m_Modal.m_Count << "\npaints "
            << m_Paint.m_Count << "\nclipboard " << G_Fn_Clipboard() << "\n";
        N_UI::N_MDI::C_Wnd_Frame_Main* p_frame = m_Shell.frame();
        if (!p_frame)
            return out.str() + "no frame\n";
        out << "look " << m_Shell.ui().M_Fn_Look_Get() << "\nlayout "
            << p_frame->M_Fn_Get_Aui().SavePerspective().utf8_string() << "\nstatus "
            << (p_frame->GetStatusBar() && p_frame->GetStatusBar()->IsShown()) << "\nchild "
            << p_frame->GetActiveChild() << " of " << p_frame->GetClientWindow()->GetPageCount() << "\ntools page "
            << p_frame->M_Fn_Get_Tool()->M_Fn_Page_Get_Active() << "\n";
        C_App& core = m_Shell.core();
        const auto& data = core.m_sp_Config->M_Fn_Data();
        out << "config " << std::string(reinterpret_cast<const char*>(&data), sizeof data) << "\n";
        N_Biz::N_Proj::C_Proj* p_proj = core.m_sp_Proj.get();
        out << "project " << p_proj << "\n";
        if (!p_proj)
            return out.str();
        std::int32_t can_undo = 0, can_redo = 0;
        std::wstring undo, redo;
        const N_Biz::N_Cmd::C_Mgr& history = p_proj->M_Fn_Get_Mgr_Cmd();
        history.M_Fn_Get_Info(can_undo, can_redo, undo, redo);
        out << "history " << history.M_Fn_Get_History().size() << " " << can_undo << can_redo
            << N_Common::N_String::G_Fn_To_Narrow_UTF8(undo + L"|" + redo) << "\n";
        if (C_Sect* p_sect = m_p_Sect) {
            const auto* p_machine = p_sect->M_Fn_Get_Mgr_State().M_Fn_Get_Machine();
            const auto& sel = p_sect->M_Fn_Get_Mgr_Sel();
            const auto& frame = p_sect->M_Fn_Get_Mgr_Frame();
            out << "section states " << p_machine->M_Fn_Get_Id_Sub(1) << " " << p_machine->M_Fn_Get_Id_Sub(2)
                << "\nselection " << sel.M_Fn_Mode_Get() << " " << sel.M_Fn_Options_Get() << " "
                << N_Common::N_String::G_Fn_To_Narrow_UTF8(sel.M_Fn_Prompt_Get()) << "\nview " << frame.m_Zoom << " "
                << std::string(reinterpret_cast<const char*>(&frame.m_Matrix_View), sizeof frame.m_Matrix_View)
                << "\n";
            auto* p_doc = dynamic_cast<N_UI::N_MDI::N_Sect::C_Doc*>(p_sect->M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc());
            if (p_doc && !p_doc->M_Fn_Get_Frames().empty()) {
                const wxListCtrl& list = *p_doc->M_Fn_Get_Frames().back()->M_Fn_Get_View_Sheet()->M_Fn_Get_List();
                out << "sheet";
                for (long row = 0; row < list.GetItemCount(); ++row)
                    for (int column = 0; column < list.GetColumnCount(); ++column)
                        out << " " << list.GetItemText(row, column).utf8_string();
                out << "\n";
            }
        }
        return out.str();
    }

    // Whether command i_Id is enabled where the menu asks.
    bool M_Fn_Enabled(int i_Id)
    {
        wxUpdateUIEvent event(i_Id);
        event.SetEventObject(m_Shell.frame());
        m_Shell.frame()->GetEventHandler()->ProcessEvent(event);
        return !event.GetSetEnabled() || event.GetEnabled();
    }

    // Lets the windows catch up (paints, queued work) and closes what a command left open besides
    // the main frame.
    void M_Fn_Settle()
    {
        G_Fn_Run_For(std::chrono::milliseconds(60));
        for (wxWindow* p_window : wxTopLevelWindows)
            if (p_window != m_Shell.frame() && p_window->IsShown())
                p_window->Close(true);
        G_Fn_Run_For(std::chrono::milliseconds(20));
    }

    // Runs i_Run (the command i_Id named i_Name) and checks what it did.
    void M_Fn_Check(int i_Id, const std::string& i_Name, const std::function<void()>& i_Run)
    {
        M_Fn_Settle();
        const std::size_t log_before = m_Shell.log_lines().size();
        const std::string before = M_Fn_Snapshot();
        m_Modal.m_On = true;
        i_Run();
        M_Fn_Settle();
        m_Modal.m_On = false;
        const std::string after = M_Fn_Snapshot();
        const auto lines = m_Shell.log_lines();
        for (std::size_t i = log_before; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].find("Exception caught at:"), std::string::npos)
                << i_Id << " \"" << i_Name << "\" raised an exception: " << lines[i]
                << (i + 4 < lines.size() ? "\n" + lines[i + 1] + "\n" + lines[i + 2] + "\n" + lines[i + 4]
                                         : std::string());
        if (m_p_Nothing->count(i_Id) == 0)
            EXPECT_NE(before, after) << i_Id << " \"" << i_Name << "\" is enabled and does nothing";
        ++m_Run;
    }

    // Runs every enabled command of i_Ids but the ending ones; the ids run go to ro_Done.
    void M_Fn_Walk(const std::map<int, std::string>& i_Ids, std::set<int>& ro_Done)
    {
        for (const auto& [id, name] : i_Ids) {
            if (G_Ids_Ending.count(id) || ro_Done.count(id) || !M_Fn_Enabled(id))
                continue;
            ro_Done.insert(id);
            wxWeakRef<wxAuiMDIChildFrame> p_child = m_Shell.frame()->GetActiveChild();
            if (auto pre = m_Pre.find(id); pre != m_Pre.end())
                pre->second();
            M_Fn_Check(id, name, [&, id = id] { m_Shell.M_Fn_Command(id); });
            // A command that brought another window to the front: the walk goes on in its own.
            if (p_child && m_Shell.frame() && p_child != m_Shell.frame()->GetActiveChild())
                p_child->Activate();
        }
    }

    // The shown page's enabled buttons, radio buttons and check boxes with a command id, each
    // clicked as the user clicks it; until no new one shows (edit pages change with the mode).
    void M_Fn_Walk_Tools(std::set<int>& ro_Done)
    {
        N_UI::N_Tool::C_Wnd& pane = *m_Shell.frame()->M_Fn_Get_Tool();
        const int page = pane.M_Fn_Page_Get_Active();
        for (int round = 0; round < 200; ++round) {
            // Every group open, so that its controls can be seen and clicked.
            wxWindowList all;
            std::function<void(wxWindow*)> collect = [&](wxWindow* p_window) {
                for (wxWindow* p_child : p_window->GetChildren()) {
                    all.push_back(p_child);
                    collect(p_child);
                }
            };
            collect(pane.M_Fn_Page_Window(page));
            for (wxWindow* p_window : all)
                if (auto* p_group = dynamic_cast<wxCollapsiblePane*>(p_window); p_group && p_group->IsCollapsed())
                    p_group->Expand();
            pane.UpdateWindowUI(wxUPDATE_UI_RECURSE);
            wxWindow* p_next = nullptr;
            for (wxWindow* p_window : all) {
                const int id = p_window->GetId();
                const bool clickable = dynamic_cast<wxButton*>(p_window) || dynamic_cast<wxRadioButton*>(p_window) ||
                                       dynamic_cast<wxCheckBox*>(p_window);
                if (clickable && id > 0 && !ro_Done.count(id) && !G_Ids_Ending.count(id) &&
                    p_window->IsShownOnScreen() && p_window->IsEnabled()) {
                    p_next = p_window;
                    break;
                }
            }
            if (!p_next)
                return;
            const int id = p_next->GetId();
            ro_Done.insert(id);
            M_Fn_Check(id, "tools: " + p_next->GetLabel().utf8_string(), [&] {
                wxEventType type = wxEVT_BUTTON;
                if (auto* p_radio = dynamic_cast<wxRadioButton*>(p_next)) {
                    type = wxEVT_RADIOBUTTON;
                    p_radio->SetValue(true);
                } else if (auto* p_check = dynamic_cast<wxCheckBox*>(p_next)) {
                    type = wxEVT_CHECKBOX;
                    p_check->SetValue(!p_check->GetValue());
                }
                wxCommandEvent event(type, id);
                event.SetEventObject(p_next);
                p_next->GetEventHandler()->ProcessEvent(event);
            });
        }
        ADD_FAILURE() << "the tools pane kept showing new controls";
    }

    C_Shell m_Shell;
    C_Modal_Count m_Modal;
    C_Paint_Count m_Paint;
    C_Sect* m_p_Sect = nullptr;
    C_Sect* m_p_Proj_Sect = nullptr;
    const std::set<int>* m_p_Nothing = &G_Ids_Doing_Nothing_Sect;
    // What a command needs before it can work: a running task to cancel, a selection.
    std::map<int, std::function<void()>> m_Pre;
    int m_Run = 0;
};

TEST_F(C_Cmd_Walk, EveryEnabledCommandOfTheProjectWindowDoesItsWork)
{
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close);
    M_Fn_State_Proj_Make();
    m_p_Nothing = &G_Ids_Doing_Nothing_Proj;
    // Cancel and Apply with the section group's task running; the section commands with the
    // section selected by a rectangle over the whole view; the project view opened again after
    // it was closed.
    const auto group_create = [&] { m_Shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_S_Create); };
    m_Pre[N_Cmd::E_Id_Edit_Cancel] = group_create;
    m_Pre[N_Cmd::E_Id_Edit_Apply] = group_create;
    const auto select_sections = [&] {
        auto& sects = m_Shell.core().m_sp_Proj->M_Fn_Get_Mgr_D_Sect();
        sects.M_Fn_Sel_P1_Clear();
        sects.M_Fn_Sel_P0_Clear();
        sects.M_Fn_Sel_P0_Add(m_p_Proj_Sect);
        sects.M_Fn_Sel_P1_Update_Yes();
    };
    for (int id : {N_Cmd::E_Id_Proj_Edit_D_S_View_Open, N_Cmd::E_Id_Proj_Edit_D_S_Redirect,
                   N_Cmd::E_Id_Proj_Edit_D_S_Move, N_Cmd::E_Id_Proj_Edit_D_S_Insert})
        m_Pre[id] = select_sections;
    // Delete takes a section of its own, so that the others keep theirs.
    m_Pre[N_Cmd::E_Id_Proj_Edit_D_S_Delete] = [&] {
        C_Sect& doomed = G_Fn_Sect_Import(*m_Shell.core().m_sp_Proj, VT_TESTDATA_DIR "/iges/tubes_splined.iges");
        auto& sects = m_Shell.core().m_sp_Proj->M_Fn_Get_Mgr_D_Sect();
        sects.M_Fn_Sel_P1_Clear();
        sects.M_Fn_Sel_P0_Clear();
        sects.M_Fn_Sel_P0_Add(&doomed);
        sects.M_Fn_Sel_P1_Update_Yes();
    };
    m_Pre[N_Cmd::E_Id_Proj_Edit_D_S_View_Close] = [&] {
        select_sections();
        m_Shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_S_View_Open);
        G_Fn_Run_For(std::chrono::milliseconds(200));
        m_Shell.frame()->M_Fn_Get_Doc_Proj()->M_Fn_Get_Frame()->Activate();
    };
    m_Pre[N_Cmd::E_Id_File_Proj_View_Open] = [&] { m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Close); };
    ASSERT_EQ(m_Shell.frame()->M_Fn_Get_Tool()->M_Fn_Page_Get_Active(), N_UI::N_Tool::C_Wnd::E_Page_Proj);
    const std::map<int, std::string> menu = G_Fn_Menu_Bar_Ids(*m_Shell.frame()->GetMenuBar());
    std::set<int> done;
    M_Fn_Walk(menu, done);
    M_Fn_Walk(G_Fn_Key_Ids(), done);
    M_Fn_Walk_Tools(done);
    EXPECT_GT(m_Run, 80);
}

TEST_F(C_Cmd_Walk, EveryEnabledCommandOfTheSectionWindowDoesItsWork)
{
    ASSERT_NE(m_Shell.frame()->GetActiveChild(), nullptr);
    ASSERT_NE(dynamic_cast<N_UI::N_MDI::N_Sect::C_Wnd_Frame_Child*>(m_Shell.frame()->GetActiveChild()), nullptr);
    ASSERT_EQ(m_Shell.frame()->M_Fn_Get_Tool()->M_Fn_Page_Get_Active(), N_UI::N_Tool::C_Wnd::E_Page_Sect);
    const std::map<int, std::string> menu = G_Fn_Menu_Bar_Ids(*m_Shell.frame()->GetMenuBar());
    m_Pre[N_Cmd::E_Id_Edit_Cancel] = [&] { m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Edit_D_Geom_C_Line); };
    // The section menus are there: Edit, Display and Analysis besides File, View and Help.
    ASSERT_GE(m_Shell.frame()->GetMenuBar()->GetMenuCount(), 6u);
    std::set<int> done;
    M_Fn_Walk(menu, done);
    M_Fn_Walk(G_Fn_Key_Ids(), done);
    M_Fn_Walk_Tools(done);
    EXPECT_GT(m_Run, 80);

    // The ending commands, each on a fresh state.
    std::map<int, std::string> ending;
    for (const auto& [id, name] : menu)
        if (G_Ids_Ending.count(id))
            ending.emplace(id, name);
    EXPECT_EQ(ending.size(), G_Ids_Ending.size());
    for (const auto& [id, name] : ending) {
        if (m_Shell.frame() == nullptr) {
            m_Shell.M_Fn_End();
            ASSERT_TRUE(m_Shell.M_Fn_Start());
        }
        if (!m_Shell.core().m_sp_Proj || !m_Shell.frame()->GetActiveChild()) {
            m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close);
            M_Fn_State_Make();
        }
        ASSERT_TRUE(M_Fn_Enabled(id)) << id;
        // The section goes with the project: the snapshot no longer reads it.
        if (id != N_Cmd::E_Id_File_Proj_View_Close)
            m_p_Sect = nullptr;
        M_Fn_Check(id, name, [&, id = id] { m_Shell.M_Fn_Command(id); });
    }
}

TEST_F(C_Cmd_Walk, EveryTreePopupEntryDoesItsWork)
{
    using namespace N_UI::N_Tree;
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close);
    M_Fn_State_Proj_Make();
    m_p_Nothing = &G_Ids_Doing_Nothing_Proj;
    C_Wnd& pane = *m_Shell.frame()->M_Fn_Get_Tree();
    C_Ctrl& tree = *pane.M_Fn_Get_Ctrl();
    // The items as they stand, depth first.
    std::vector<wxTreeItemId> items;
    std::function<void(const wxTreeItemId&)> collect = [&](const wxTreeItemId& ro_Parent) {
        wxTreeItemIdValue cookie;
        for (wxTreeItemId item = tree.GetFirstChild(ro_Parent, cookie); item.IsOk();
             item = tree.GetNextChild(ro_Parent, cookie)) {
            items.push_back(item);
            collect(item);
        }
    };
    collect(tree.GetRootItem());
    ASSERT_GE(items.size(), 9u);
    // The popup over an item (near its label's start: a long label reaches beyond the pane),
    // which selects it: the menu's id.
    const auto popup = [&](const wxTreeItemId& ro_Item) {
        tree.EnsureVisible(ro_Item);
        wxRect rect;
        EXPECT_TRUE(tree.GetBoundingRect(ro_Item, rect, true));
        return pane.M_Fn_Popup(tree.ClientToScreen(rect.GetPosition() + wxPoint(std::min(rect.width / 2, 8), rect.height / 2)),
                               false);
    };
    // What an entry needs first: a view to close, a closed project view to open, a task to cancel.
    std::map<int, std::function<void()>> pre = {
        {E_Cmd_View_Close, [&] { pane.M_Fn_On_Cmd(E_Cmd_View_Open); }},
    };
    std::vector<std::pair<wxTreeItemId, int>> deletes;
    m_p_Sect = nullptr;
    int entries = 0;
    for (const wxTreeItemId& item : items) {
        const std::uint32_t menu = popup(item);
        ASSERT_NE(menu, static_cast<std::uint32_t>(E_Menu_None)) << tree.GetItemText(item).utf8_string();
        std::unique_ptr<wxMenu> up_menu(C_Wnd::S_Fn_Menu_Create(menu));
        ASSERT_NE(up_menu, nullptr) << menu;
        std::map<int, std::string> ids;
        G_Fn_Menu_Ids(*up_menu, ids);
        const std::string text = tree.GetItemText(item).utf8_string();
        for (const auto& [id, name] : ids) {
            if (id == E_Cmd_Delete) {
                deletes.emplace_back(item, id);
                continue;
            }
            ++entries;
            popup(item);
            if (menu == E_Menu_Proj && id == E_Cmd_View_Open)
                m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Close);
            else if (menu == E_Menu_Sect_G && id == E_Cmd_List)
                m_Shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_S_Create); // List only cancels
            else if (auto it = pre.find(id); it != pre.end())
                it->second();
            popup(item);
            // The models' List and Detail do nothing.
            const bool nothing = menu == E_Menu_Model || menu == E_Menu_Models;
            const std::set<int> none_set = {id};
            m_p_Nothing = nothing ? &none_set : &G_Ids_Doing_Nothing_Proj;
            M_Fn_Check(id, text + ": " + name, [&, id = id] { pane.M_Fn_On_Cmd(id); });
            m_p_Nothing = &G_Ids_Doing_Nothing_Proj;
            // The walk goes on in the project window.
            m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Open);
        }
    }
    // Delete last, each undone before the next (a group goes with its last section); the items
    // are found again by their text, since the undo makes them anew.
    std::vector<std::string> texts;
    for (const auto& [item, id] : deletes)
        texts.push_back(tree.GetItemText(item).utf8_string());
    for (const std::string& text : texts) {
        items.clear();
        collect(tree.GetRootItem());
        // (A section put back takes its default name, without the IGES file's product name.)
        const auto it = std::find_if(items.begin(), items.end(), [&](const wxTreeItemId& i) {
            return text.rfind(tree.GetItemText(i).utf8_string(), 0) == 0;
        });
        ASSERT_NE(it, items.end()) << text << "\n" << N_Common::N_String::G_Fn_To_Narrow_UTF8(tree.M_Fn_Dump());
        ++entries;
        popup(*it);
        M_Fn_Check(E_Cmd_Delete, text + ": Delete", [&] { pane.M_Fn_On_Cmd(E_Cmd_Delete); });
        m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo);
        G_Fn_Run_For(std::chrono::milliseconds(100));
    }
    EXPECT_GE(texts.size(), 2u);
    EXPECT_GT(entries, 15);
}

} // namespace
