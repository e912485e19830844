#include "tests/gui/Test_GUI_Support.h"

#include "ui/UI_App_Port_Wx.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/imagpng.h>
#include <wx/modalhook.h>
#include <wx/timer.h>
#include <wx/toplevel.h>

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
