// The application's start-up, its project commands and the recent-file list, run as the program
// runs them: commands are sent to the main frame as its menus send them.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "common/Common_Exception.h"
#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Output_Ctrl.h"
#include "ui/UI_Output_Wnd.h"

#include <gtest/gtest.h>

#include <wx/display.h>
#include <wx/filedlg.h>
#include <wx/filehistory.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <algorithm>
#include <fstream>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;

namespace {

bool G_Fn_Has_Line(const std::vector<std::string>& i_Lines, const std::string& i_Line)
{
    return std::find(i_Lines.begin(), i_Lines.end(), i_Line) != i_Lines.end();
}

std::wstring G_Fn_Output_Last(C_Shell& ro_Shell)
{
    N_UI::N_Output::C_Ctrl* p_ctrl = ro_Shell.frame()->M_Fn_Get_Output()->M_Fn_Get_Ctrl();
    return p_ctrl->IsEmpty() ? std::wstring() : p_ctrl->GetString(p_ctrl->GetCount() - 1).ToStdWstring();
}

// A project file reader for the tests: files whose name begins with "good" open, others do not.
// The real reader is restored afterwards.
class C_Reader_Fake {
public:
    C_Reader_Fake() : m_Saved(N_Biz::N_Proj::C_Doc::S_Fn_Read)
    {
        N_Biz::N_Proj::C_Doc::S_Fn_Read = [](N_Biz::N_Proj::C_Proj&, const std::wstring& i_Path) {
            return i_Path.find(L"/good") != std::wstring::npos ? 1 : 0;
        };
    }
    ~C_Reader_Fake() { N_Biz::N_Proj::C_Doc::S_Fn_Read = m_Saved; }

private:
    N_Biz::N_Proj::C_Doc::T_Fn_File m_Saved;
};

bool G_Fn_Has_Default_Material(C_Shell& ro_Shell)
{
    const auto& store = ro_Shell.core().m_sp_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
    return store.size() > 1 && store.is_used_at(1);
}

std::vector<std::wstring> G_Fn_Recent(C_Shell& ro_Shell)
{
    std::vector<std::wstring> out;
    for (std::size_t i = 0; i < ro_Shell.ui().M_Fn_Recent().GetCount(); ++i)
        out.push_back(ro_Shell.ui().M_Fn_Recent().GetHistoryFile(i).ToStdWstring());
    return out;
}

} // namespace

TEST(C_App_UI, StartWithoutArgumentsShowsTheMaximisedFrameWithoutAProject)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    auto* frame = shell.frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->IsShown());
    // No window manager runs under Xvfb to maximise it; the frame covers the work area itself.
    EXPECT_EQ(frame->GetSize(), wxGetClientDisplayRect().GetSize());
    EXPECT_EQ(frame->GetTitle(), "Veltrane");
    EXPECT_EQ(shell.log_lines().at(0), "Log: App init.");
    EXPECT_EQ(shell.core().m_sp_Proj, nullptr);
    EXPECT_EQ(frame->GetClientWindow()->GetPageCount(), 0u);
    EXPECT_NE(frame->M_Fn_Get_Output(), nullptr);
    EXPECT_NE(shell.core().m_sp_Schema, nullptr);
    EXPECT_NE(shell.core().m_sp_Config, nullptr);
    EXPECT_NE(shell.core().m_sp_Sect_Info, nullptr);
}

TEST(C_App_UI, StartWithAProjectThatFailsToOpenEndsWithItsMessage)
{
    C_Shell shell;
    EXPECT_FALSE(shell.M_Fn_Start({L"/nonexistent/folder/model.qmxb"}));
    EXPECT_EQ(shell.frame(), nullptr);
    EXPECT_EQ(shell.core().m_sp_Proj, nullptr);
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(), "Msg: Failed to process shell command.")) << shell.log_lines().size();
}

TEST(C_App_UI, StartUpStepThatFailsShowsItsMessageAndStops)
{
    {
        // The schema files are missing.
        C_Shell shell;
        for (const auto& entry : std::filesystem::directory_iterator(shell.dir()))
            if (entry.path().extension() == ".dat")
                std::filesystem::remove(entry.path());
        EXPECT_FALSE(shell.M_Fn_Start());
        EXPECT_EQ(shell.frame(), nullptr);
        EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(), "Msg: Failed to initialize database information."));
    }
    {
        // The log cannot be opened: nothing is logged, and nothing further starts.
        C_Shell shell;
        std::filesystem::create_directory(shell.dir() / "log.txt");
        EXPECT_FALSE(shell.M_Fn_Start());
        EXPECT_EQ(shell.frame(), nullptr);
        EXPECT_EQ(shell.core().m_sp_Schema, nullptr);
    }
}

TEST(C_App_UI, ProjectNamedOnTheCommandLineOpensAsARecentFileDoes)
{
    C_Reader_Fake reader;
    C_Shell shell;
    const std::wstring path = shell.dir().wstring() + L"/good.qmxb";
    ASSERT_TRUE(shell.M_Fn_Start({path}));
    ASSERT_NE(shell.core().m_sp_Proj, nullptr);
    EXPECT_EQ(shell.core().m_sp_Proj->M_Fn_Name_Get(), L"good.qmxb");
    EXPECT_EQ(shell.frame()->GetTitle(), "Veltrane - good.qmxb");
    // An opened project does not get the default material that a new one gets.
    EXPECT_FALSE(G_Fn_Has_Default_Material(shell));
    EXPECT_EQ(G_Fn_Recent(shell), std::vector<std::wstring>{path});
    EXPECT_EQ(G_Fn_Output_Last(shell), L"Opened project: " + path);
}

TEST(C_App_UI, NewProjectTwiceKeepsOneProjectWithTheDefaultMaterial)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    ASSERT_NE(shell.core().m_sp_Proj, nullptr);
    EXPECT_TRUE(G_Fn_Has_Default_Material(shell));
    EXPECT_TRUE(shell.frame()->GetTitle().StartsWith("Veltrane - Project "));
    std::weak_ptr<N_Biz::N_Proj::C_Proj> first = shell.core().m_sp_Proj;
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    EXPECT_TRUE(first.expired());
    ASSERT_NE(shell.core().m_sp_Proj, nullptr);
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close);
    EXPECT_EQ(shell.core().m_sp_Proj, nullptr);
    EXPECT_EQ(shell.frame()->GetTitle(), "Veltrane");
}

TEST(C_App_UI, CancelAtTheSavePromptKeepsTheModifiedProject)
{
    C_Shell shell(E_Box_Answer_Cancel);
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.ui().M_Fn_Recent_Add(shell.dir().wstring() + L"/other.qmxb");
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    ASSERT_NE(shell.core().m_sp_Proj, nullptr);
    const auto* project = shell.core().m_sp_Proj.get();
    project->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    for (int id :
         std::initializer_list<int>{N_Cmd::E_Id_File_Proj_New, N_Cmd::E_Id_File_Proj_Open, N_Cmd::E_Id_File_Proj_Close,
                                    static_cast<int>(N_Cmd::E_Id_File_MRU_First)}) {
        // No file prompt may come after the cancelled question.
        G_Fn_No_Dialog([&] { shell.M_Fn_Command(id); });
        EXPECT_EQ(shell.core().m_sp_Proj.get(), project) << id;
    }
    // Closing the program is refused the same way.
    EXPECT_FALSE(shell.frame()->Close(false));
    G_Fn_Run_For(std::chrono::milliseconds(50));
    EXPECT_NE(shell.frame(), nullptr);
}

TEST(C_App_UI, OpenAsksForAProjectFileAndOpensIt)
{
    C_Reader_Fake reader;
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    const std::wstring path = shell.dir().wstring() + L"/good_model.qmxb";

    class C_Expect_Open : public wxExpectModal<wxFileDialog> {
    public:
        explicit C_Expect_Open(const wxString& i_Path) : wxExpectModal<wxFileDialog>(i_Path) {}

    protected:
        int OnInvoked(wxFileDialog* i_p_Dlg) const override
        {
            // Open dialogs match either case of each letter.
            EXPECT_EQ(i_p_Dlg->GetWildcard(),
                      "Project (*.qmxb;*.qmxt;*.bea)|*.[qQ][mM][xX][bB];*.[qQ][mM][xX][tT];*.[bB][eE][aA]");
            EXPECT_EQ(i_p_Dlg->GetWindowStyle() & wxFD_OPEN, wxFD_OPEN);
            return wxExpectModal<wxFileDialog>::OnInvoked(i_p_Dlg);
        }
    };
    wxTEST_DIALOG(shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Open), C_Expect_Open(path));
    ASSERT_NE(shell.core().m_sp_Proj, nullptr);
    EXPECT_EQ(shell.core().m_sp_Proj->M_Fn_Name_Get(), L"good_model.qmxb");
    EXPECT_EQ(G_Fn_Recent(shell), std::vector<std::wstring>{path});

    // A file that fails to open leaves no project.
    wxTEST_DIALOG(shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Open),
                  wxExpectModal<wxFileDialog>(shell.dir().wstring() + L"/bad.qmxb"));
    EXPECT_EQ(shell.core().m_sp_Proj, nullptr);
}

TEST(C_App_UI, RecentFileIdOutsideTheListIsReportedBeforeTheProjectIsClosed)
{
    C_Shell shell(0);
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.ui().M_Fn_Recent_Add(shell.dir().wstring() + L"/one.qmxb");
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    auto* project = shell.core().m_sp_Proj.get();
    ASSERT_NE(project, nullptr);
    project->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    // Neither a save question nor anything else may show.
    G_Fn_No_Dialog([&] { shell.M_Fn_Command(N_Cmd::E_Id_File_MRU_First + 2); });
    EXPECT_EQ(shell.core().m_sp_Proj.get(), project);
    const auto lines = shell.log_lines();
    EXPECT_TRUE(G_Fn_Has_Line(lines, "    Function: N_UI::C_App_UI::M_Fn_On_Cmd_File_MRU_File"));
    EXPECT_EQ(G_Fn_Output_Last(shell),
              L"Error: An exception has occurred, please contact us for further solution about this problem.");
    EXPECT_EQ(G_Fn_Recent(shell).size(), 1u);
}

TEST(C_App_UI, RecentFileThatFailsToOpenLeavesTheListAndTheSettings)
{
    C_Reader_Fake reader;
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    const std::wstring good = shell.dir().wstring() + L"/good.qmxb";
    const std::wstring gone = shell.dir().wstring() + L"/gone.qmxb";
    shell.ui().M_Fn_Recent_Add(good);
    shell.ui().M_Fn_Recent_Add(gone); // first in the list
    shell.M_Fn_Command(N_Cmd::E_Id_File_MRU_First);
    EXPECT_EQ(shell.core().m_sp_Proj, nullptr);
    EXPECT_EQ(G_Fn_Recent(shell), std::vector<std::wstring>{good});

    // The list comes back from the settings at the next start.
    shell.M_Fn_End();
    ASSERT_TRUE(shell.M_Fn_Start());
    EXPECT_EQ(G_Fn_Recent(shell), std::vector<std::wstring>{good});
    shell.M_Fn_Command(N_Cmd::E_Id_File_MRU_First);
    ASSERT_NE(shell.core().m_sp_Proj, nullptr);
    EXPECT_EQ(shell.core().m_sp_Proj->M_Fn_Name_Get(), L"good.qmxb");
}

TEST(C_App_UI, RecentListKeepsFourFilesNewestFirst)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    for (int i = 1; i <= 5; ++i)
        shell.ui().M_Fn_Recent_Add(L"/projects/p" + std::to_wstring(i) + L".qmxb");
    shell.ui().M_Fn_Recent_Add(L"/projects/p3.qmxb");
    EXPECT_EQ(G_Fn_Recent(shell), (std::vector<std::wstring>{L"/projects/p3.qmxb", L"/projects/p5.qmxb",
                                                             L"/projects/p4.qmxb", L"/projects/p2.qmxb"}));
}

TEST(C_App_UI, ProjectCommandsWithoutAProjectDoNothing)
{
    C_Shell shell(0);
    ASSERT_TRUE(shell.M_Fn_Start());
    const std::size_t lines = shell.log_lines().size();
    for (int id : std::initializer_list<int>{N_Cmd::E_Id_File_Proj_Save, N_Cmd::E_Id_File_Proj_Save_As,
                                             N_Cmd::E_Id_File_Proj_Print, N_Cmd::E_Id_File_Proj_View_Open,
                                             N_Cmd::E_Id_File_Proj_View_Close, N_Cmd::E_Id_File_Proj_Close}) {
        G_Fn_No_Dialog([&] { shell.M_Fn_Command(id); });
        EXPECT_EQ(shell.core().m_sp_Proj, nullptr) << id;
    }
    EXPECT_EQ(shell.log_lines().size(), lines);
}

TEST(C_App_UI, ProjectCreationNeedsTheFrameAndRefusesASecondProject)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    ASSERT_EQ(shell.core().M_Fn_Biz_Proj_D_Create(nullptr), 1);
    const auto* project = shell.core().m_sp_Proj.get();
    EXPECT_THROW(shell.core().M_Fn_Biz_Proj_D_Create(nullptr), N_Common::N_Exception::C_Exception);
    EXPECT_EQ(shell.core().m_sp_Proj.get(), project);
    // Closing the frame closes the project as well; without a frame no project can be made.
    shell.M_Fn_Close_Frame();
    EXPECT_EQ(shell.core().m_sp_Proj, nullptr);
    EXPECT_THROW(shell.core().M_Fn_Biz_Proj_D_Create(nullptr), N_Common::N_Exception::C_Exception);
    EXPECT_EQ(shell.core().m_sp_Proj, nullptr);
}

TEST(C_App_UI, SaveAsPutsTheSavedFileIntoTheRecentList)
{
    const auto saved_write = N_Biz::N_Proj::C_Doc::S_Fn_Write;
    N_Biz::N_Proj::C_Doc::S_Fn_Write = [](N_Biz::N_Proj::C_Proj&, const std::wstring&) { return 1; };
    {
        C_Shell shell;
        ASSERT_TRUE(shell.M_Fn_Start());
        shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
        const std::wstring path = shell.dir().wstring() + L"/saved.qmxb";
        wxTEST_DIALOG(shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Save_As), wxExpectModal<wxFileDialog>(path));
        EXPECT_EQ(G_Fn_Recent(shell), std::vector<std::wstring>{path});
        EXPECT_EQ(shell.frame()->GetTitle(), "Veltrane - saved.qmxb");
        EXPECT_EQ(G_Fn_Output_Last(shell), L"Project saved: " + path);
    }
    N_Biz::N_Proj::C_Doc::S_Fn_Write = saved_write;
}

TEST(C_App_UI, FileDialogTakesAndGivesPathsOfAnyLength)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    const std::wstring dir = L"/" + std::wstring(300, L'd');
    const std::wstring chosen = dir + L"/" + std::wstring(200, L'n') + L".qmxb";
    std::wstring path = dir + L"/old.qmxb", title = L"old.qmxb";
    wxTEST_DIALOG(EXPECT_EQ(shell.core().M_Fn_UI_File_Dialog({L"Project", L"*.qmxb"}, path, 1, L"Save", title), 1),
                  wxExpectModal<wxFileDialog>(chosen));
    EXPECT_EQ(path, chosen);
    EXPECT_EQ(title, std::wstring(200, L'n') + L".qmxb");
    // Cancelled: the long path stays whole.
    wxTEST_DIALOG(EXPECT_EQ(shell.core().M_Fn_UI_File_Dialog({L"Project", L"*.qmxb"}, path, 0, L"", title), 0),
                  wxExpectModal<wxFileDialog>(wxString(), wxID_CANCEL));
    EXPECT_EQ(path, chosen);
}
