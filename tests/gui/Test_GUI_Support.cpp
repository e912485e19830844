#include "tests/gui/Test_GUI_Support.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_D_Group_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "common/Common_String.h"
#include "ui/UI_App_Port_Wx.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/modalhook.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include <X11/Xlib.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace N_Test_GUI {

bool G_Fn_Wait_For(const std::function<bool()>& i_Done, std::chrono::milliseconds i_Timeout)
{
    const auto end = std::chrono::steady_clock::now() + i_Timeout;
    while (!i_Done()) {
        if (std::chrono::steady_clock::now() > end)
            return i_Done();
        wxTheApp->Yield(true);
        wxTheApp->ProcessIdle();
        wxMilliSleep(2);
    }
    return true;
}

void G_Fn_Run_For(std::chrono::milliseconds i_Time)
{
    G_Fn_Wait_For([] { return false; }, i_Time);
}

void G_Fn_Settle(std::chrono::milliseconds i_Timeout)
{
    const auto end = std::chrono::steady_clock::now() + i_Timeout;
    wxEventLoopBase* p_loop = wxEventLoopBase::GetActive();
    for (;;) {
        // The round trip: what the windows asked of the server is done, and its answers and events
        // are queued.
        if (const wxDisplayInfo info = wxGetDisplayInfo(); info.type == wxDisplayX11 && info.dpy)
            XSync(static_cast<Display*>(info.dpy), False);
        bool busy = false;
        while (p_loop && p_loop->Pending()) {
            p_loop->Dispatch();
            busy = true;
        }
        if (wxTheApp->HasPendingEvents()) {
            wxTheApp->ProcessPendingEvents();
            busy = true;
        }
        // Idle work once a round; its "more, please" alone does not count as busy.
        wxTheApp->ProcessIdle();
        if (!busy || std::chrono::steady_clock::now() > end)
            return;
    }
}

bool G_Fn_Mouse_Move(wxUIActionSimulator& ro_Sim, const wxPoint& i_At)
{
    ro_Sim.MouseMove(i_At);
    const bool there = G_Fn_Wait_For([&] { return wxGetMouseState().GetPosition() == i_At; });
    G_Fn_Settle();
    return there;
}

bool G_Fn_Focus(wxWindow* i_p_Window)
{
    i_p_Window->SetFocus();
    const bool focused = G_Fn_Wait_For([&] {
        for (const wxWindow* p_window = wxWindow::FindFocus(); p_window; p_window = p_window->GetParent())
            if (p_window == i_p_Window)
                return true;
        return false;
    });
    G_Fn_Settle();
    return focused;
}

namespace {

wxDialog* G_Fn_Modal_Find()
{
    for (wxWindow* p_window : wxTopLevelWindows)
        if (auto* p_dialog = dynamic_cast<wxDialog*>(p_window); p_dialog && p_dialog->IsModal() && p_dialog->IsShown())
            return p_dialog;
    return nullptr;
}

} // namespace

void G_Fn_No_Dialog(const std::function<void()>& i_Code)
{
    class C_Hook : public wxModalDialogHook {
    public:
        C_Hook() { Register(); }
        ~C_Hook() override { Unregister(); }

    protected:
        int Enter(wxDialog* i_p_Dialog) override
        {
            ADD_FAILURE() << "a dialog was shown: " << i_p_Dialog->GetTitle().utf8_string();
            return wxID_CANCEL;
        }
        void Exit(wxDialog*) override {}
    } hook;
    i_Code();
}

int G_Fn_With_Modal(const std::function<int()>& i_Open, const std::function<void(wxDialog&)>& i_Script)
{
    wxTimer timer;
    const auto start = std::chrono::steady_clock::now();
    bool done = false;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        if (done)
            return;
        if (wxDialog* p_dialog = G_Fn_Modal_Find()) {
            done = true;
            timer.Stop();
            i_Script(*p_dialog);
        } else if (std::chrono::steady_clock::now() - start > std::chrono::seconds(5)) {
            done = true;
            timer.Stop();
            ADD_FAILURE() << "no modal dialog came up";
        }
    });
    timer.Start(10);
    const int result = i_Open();
    timer.Stop();
    EXPECT_TRUE(done) << "the dialog's script never ran";
    return result;
}

C_Shell::C_Shell(int i_Box_Answer) : m_Box_Answer(i_Box_Answer)
{
    static std::atomic<int> counter{0};
    m_Dir = std::filesystem::temp_directory_path() /
            ("veltrane_gui_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(m_Dir);
    std::filesystem::create_directories(m_Dir);
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(VT_SOURCE_DIR) / "data"))
        std::filesystem::copy_file(entry.path(), m_Dir / entry.path().filename());
}

C_Shell::~C_Shell()
{
    N_UI::C_App_Port_Wx::S_Test_Box_Answer = E_Box_Answer_No; // a modified project is discarded
    M_Fn_End();
    std::error_code ec;
    std::filesystem::remove_all(m_Dir, ec);
}

bool C_Shell::M_Fn_Start(const std::vector<std::wstring>& i_Args)
{
    m_up_UI = std::make_unique<N_UI::C_App_UI>();
    N_UI::C_App_UI::C_Init init;
    init.m_Dir = m_Dir.wstring() + L"/";
    init.m_Args = i_Args;
    init.m_Config_Path = config_path().wstring();
    // The switch is read when the port is made; the test decides here.
    const bool ok = [&] {
        if (m_Box_Answer)
            setenv("VT_TEST_BOX_ANSWER", std::to_string(m_Box_Answer).c_str(), 1);
        else
            unsetenv("VT_TEST_BOX_ANSWER");
        return m_up_UI->M_Fn_Init_Instance(init);
    }();
    if (ok)
        G_Fn_Wait_For([&] { return frame() && frame()->IsShown(); });
    return ok;
}

void C_Shell::M_Fn_Close_Frame()
{
    if (!frame())
        return;
    frame()->Close(true);
    G_Fn_Wait_For([&] { return frame() == nullptr; });
    // What the frame still had pending (its deletion among it) runs before the next test.
    G_Fn_Run_For(std::chrono::milliseconds(20));
}

void C_Shell::M_Fn_End()
{
    if (!m_up_UI)
        return;
    M_Fn_Close_Frame();
    m_up_UI->M_Fn_Exit_Instance();
    m_up_UI.reset();
}

std::vector<std::string> C_Shell::log_lines() const
{
    std::ifstream in(m_Dir / "log.txt", std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}

void C_Shell::M_Fn_Command(int i_Id)
{
    wxCommandEvent event(wxEVT_MENU, i_Id);
    event.SetEventObject(frame());
    frame()->GetEventHandler()->ProcessEvent(event);
}

N_Biz::N_Sect::C_Sect& G_Fn_Sect_Import(N_Biz::N_Proj::C_Proj& ro_Proj, const char* i_Path, std::uint32_t i_Group)
{
    namespace N_Cmd_Proj = N_Biz::N_Proj::N_Cmd;
    using N_Biz::N_Sect::C_Sect;
    N_Biz::N_IGES::N_Import::C_Context_File file(N_Common::N_String::G_Fn_To_Wide_UTF8(i_Path), L"tubes.iges");
    EXPECT_EQ(file.M_Fn_Import(), 1);
    C_Sect* p_sect = nullptr;
    auto sp_entry = std::make_shared<N_Cmd_Proj::C_Entry_C>(L"Import section", &ro_Proj);
    ro_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
        auto sp_elems = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_elems);
        const std::uint32_t g = i_Group ? i_Group : ro_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().next_index();
        auto sp_group = std::make_shared<N_Biz::N_Proj::C_D_Group_Sect>();
        sp_elems->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd_Proj::C_Elem_D_Sect_Group_Add_At>(&ro_Proj, g, sp_group));
        C_Sect::S_p_Proj = &ro_Proj;
        auto sp_sect = std::make_shared<C_Sect>();
        C_Sect::S_p_Proj = nullptr;
        sp_sect->M_Fn_Get_Mgr_Doc().M_Fn_Create();
        p_sect = sp_sect.get();
        sp_elems->M_Fn_Child_Add_and_Execute(
            std::make_shared<N_Cmd_Proj::C_Elem_D_Sect_Individual_Add_At>(&ro_Proj, g, 1, sp_sect));
        EXPECT_EQ(p_sect->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Import(sp_elems, file), 1);
    });
    return *p_sect;
}

wxImage G_Fn_Shot(wxWindow* i_p_Window, const char* i_Name)
{
    const std::filesystem::path dir = std::filesystem::path(VT_BINARY_DIR) / "gui";
    std::filesystem::create_directories(dir);
    const std::filesystem::path path = dir / i_Name;
    std::filesystem::remove(path);
    const wxRect r = i_p_Window->GetScreenRect();
    const std::string command = "import -window root -crop " + std::to_string(r.width) + "x" +
                                std::to_string(r.height) + "+" + std::to_string(r.x) + "+" + std::to_string(r.y) +
                                " +repage '" + path.string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG))
        wxImage::AddHandler(new wxPNGHandler);
    wxImage image;
    EXPECT_TRUE(std::filesystem::exists(path) && image.LoadFile(path.string(), wxBITMAP_TYPE_PNG)) << path;
    return image;
}

} // namespace N_Test_GUI
