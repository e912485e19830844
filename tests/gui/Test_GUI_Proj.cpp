// The project window as an engineer uses it: a new project, a Nastran deck imported through the
// menu command on the worker thread behind the progress dialog, the model drawn in the project
// view, undo and redo, save, close and open again; the document's open and save refusals; the
// import's worker start failing. Commands are sent to the main frame as its menus send them; file
// dialogs are answered through the window port.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/cmd/Biz_Cmd_Mgr.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Progress_Dlg.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"
#include "ui/UI_MDI_Proj_Wnd_View_Main.h"
#include "ui/UI_Tree_Wnd.h"

#include <gtest/gtest.h>

#include <wx/gauge.h>
#include <wx/image.h>
#include <wx/timer.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fnmatch.h>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;
using N_UI::C_App_Port_Wx;
using N_UI::N_MDI::N_Proj::C_Doc;

namespace {



bool G_Fn_Has_Line(const std::vector<std::string>& i_Lines, const std::string& i_Line)
{
    return std::find(i_Lines.begin(), i_Lines.end(), i_Line) != i_Lines.end();
}

// The explorer's items, one per line, indented by depth.
std::wstring G_Fn_Tree(C_Shell& ro_Shell)
{
    return ro_Shell.frame()->M_Fn_Get_Tree()->M_Fn_Get_Ctrl()->M_Fn_Dump();
}

// The lines of a dump below the line i_Folder, one level deeper.
std::vector<std::wstring> G_Fn_Children(const std::wstring& i_Dump, const std::wstring& i_Folder)
{
    std::vector<std::wstring> out;
    std::wistringstream in(i_Dump);
    std::wstring line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (line == L"  " + i_Folder) {
            inside = true;
            continue;
        }
        if (inside) {
            if (line.rfind(L"    ", 0) != 0)
                break;
            out.push_back(line.substr(4));
        }
    }
    return out;
}

// The file dialogs of a call answered through the port, in order (an empty text cancels).
struct C_Files {
    explicit C_Files(std::initializer_list<std::wstring> i_Answers) { C_App_Port_Wx::S_Test_File_Answers = i_Answers; }
    ~C_Files() { C_App_Port_Wx::S_Test_File_Answers.clear(); }
};

N_UI::N_MDI::N_Proj::C_Wnd_View_Main* G_Fn_View(C_Shell& ro_Shell)
{
    C_Doc* p_doc = ro_Shell.frame()->M_Fn_Get_Doc_Proj();
    if (!p_doc || !p_doc->M_Fn_Get_Frame())
        return nullptr;
    return p_doc->M_Fn_Get_Frame()->M_Fn_Get_View_Main();
}

// Pixels of the view's back buffer, after one frame drawn into it, that differ from the black
// background.
int G_Fn_Lit_Pixels(N_UI::N_MDI::N_Proj::C_Wnd_View_Main& ro_View)
{
    if (!ro_View.M_Fn_GL_Ready())
        return -1;
    ro_View.M_Fn_Get_Proj()->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_On_Draw();
    const int w = ro_View.M_Fn_Width(), h = ro_View.M_Fn_Height();
    std::vector<unsigned char> rgba(static_cast<std::size_t>(w) * h * 4);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    int lit = 0;
    for (std::size_t i = 0; i < rgba.size(); i += 4)
        lit += rgba[i] > 24 || rgba[i + 1] > 24 || rgba[i + 2] > 24;
    return lit;
}

std::size_t G_Fn_Models(C_Shell& ro_Shell)
{
    const auto& models = ro_Shell.core().m_sp_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
    return models.size() - models.free_count() - 1;
}

} // namespace

TEST(C_Doc_Proj, ImportDeckThroughTheMenuDrawUndoRedoSaveCloseAndOpenAgain)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    ASSERT_TRUE(shell.core().m_sp_Proj);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return G_Fn_View(shell) && G_Fn_View(shell)->M_Fn_Is_Attached(); }));

    // The import: the deck through the port's file dialog; the command returns once the progress
    // dialog has closed.
    {
        C_Files files{std::wstring(L"" VT_TESTDATA_DIR L"/nastran/wingbox_stitched_together-000.bdf")};
        shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_M_I_Nastran);
    }
    EXPECT_EQ(C_App_Port_Wx::S_Test_File_Wildcard, L"Nastran (*.nas*)|*.[nN][aA][sS]*|All (*)|*");
    EXPECT_FALSE(shell.core().M_Fn_UI_Progress_Get_ro_Status().M_Fn_Is_Running());
    EXPECT_EQ(shell.frame()->M_Fn_Get_Doc_Proj()->M_Fn_Import_Path_Get(), std::wstring(L"" VT_TESTDATA_DIR) + L"/nastran/wingbox_stitched_together-000.bdf");
    EXPECT_EQ(G_Fn_Models(shell), 1u);
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(), "Msg: Done: Input Nastran"));
    const std::wstring imported = G_Fn_Tree(shell);
    EXPECT_EQ(G_Fn_Children(imported, L"Models:"), std::vector<std::wstring>{L"wingbox_stitched_together-000.bdf"});
    EXPECT_FALSE(G_Fn_Children(imported, L"Properties:").empty());

    // The model is drawn: the view's frame lights pixels, and the window is on the screen.
    G_Fn_Run_For(std::chrono::milliseconds(200));
    N_UI::N_MDI::N_Proj::C_Wnd_View_Main* p_view = G_Fn_View(shell);
    ASSERT_NE(p_view, nullptr);
    EXPECT_GT(G_Fn_Lit_Pixels(*p_view), 500);
    p_view->Refresh(false);
    p_view->Update();
    G_Fn_Run_For(std::chrono::milliseconds(300));
    const wxImage shot = G_Fn_Shot(shell.frame(), "proj_window_wingbox.png");
    EXPECT_TRUE(shot.IsOk());

    // Undo takes the model and its item back, redo brings both again.
    shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo);
    EXPECT_EQ(G_Fn_Models(shell), 0u);
    EXPECT_TRUE(G_Fn_Children(G_Fn_Tree(shell), L"Models:").empty());
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(), "Msg: Undo: Input Nastran"));
    shell.M_Fn_Command(N_Cmd::E_Id_Edit_Redo);
    EXPECT_EQ(G_Fn_Models(shell), 1u);
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(), "Msg: Redo: Input Nastran"));
    EXPECT_EQ(G_Fn_Children(G_Fn_Tree(shell), L"Models:"), std::vector<std::wstring>{L"wingbox_stitched_together-000.bdf"});

    // Save as, close, open: the same tree below the root (whose text is the file's name).
    const std::wstring path = (shell.dir() / "wingbox.qmxb").wstring();
    {
        C_Files files{path};
        shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Save_As);
    }
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(), "Msg: Project saved: " + std::filesystem::path(path).string()));
    const std::wstring saved = G_Fn_Tree(shell);
    EXPECT_EQ(saved.substr(0, saved.find(L'\n')), L"wingbox.qmxb");
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close);
    EXPECT_FALSE(shell.core().m_sp_Proj);
    EXPECT_EQ(G_Fn_Tree(shell), L"");
    {
        C_Files files{path};
        shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Open);
    }
    ASSERT_TRUE(shell.core().m_sp_Proj);
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(), "Msg: Opened project: " + std::filesystem::path(path).string()));
    EXPECT_EQ(G_Fn_Tree(shell), saved);
    EXPECT_EQ(G_Fn_Models(shell), 1u);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return G_Fn_View(shell) && G_Fn_View(shell)->M_Fn_Is_Attached(); }));
    G_Fn_Run_For(std::chrono::milliseconds(200));
    EXPECT_GT(G_Fn_Lit_Pixels(*G_Fn_View(shell)), 500);
}

TEST(C_Doc_Proj, OpenAndSaveRefusalsLeaveProjectAndFilesAsTheyWere)
{
    C_Shell shell(E_Box_Answer_Cancel);
    ASSERT_TRUE(shell.M_Fn_Start());

    // A damaged project file: the core's refusal is shown, no project is left open, no tree.
    const std::filesystem::path bad = shell.dir() / "bad.qmxb";
    std::ofstream(bad, std::ios::binary) << "not a project file at all";
    {
        C_Files files{bad.wstring()};
        shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Open);
    }
    EXPECT_FALSE(shell.core().m_sp_Proj);
    EXPECT_EQ(G_Fn_Tree(shell), L"");
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(),
                              "Msg: Failed to read file. The file is not a project file of this application."));
    EXPECT_EQ(shell.frame()->M_Fn_Get_Doc_Proj(), nullptr);

    // A modified project answered Cancel at the save question stays open and unchanged.
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    ASSERT_TRUE(shell.core().m_sp_Proj);
    N_Biz::N_Proj::C_Proj* p_proj = shell.core().m_sp_Proj.get();
    p_proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    const std::wstring tree = G_Fn_Tree(shell);
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close);
    EXPECT_EQ(shell.core().m_sp_Proj.get(), p_proj);
    EXPECT_TRUE(p_proj->M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    EXPECT_EQ(G_Fn_Tree(shell), tree);
    EXPECT_NE(shell.frame()->M_Fn_Get_Doc_Proj(), nullptr);

    // ".qmxt": nothing is created, an existing file keeps its contents.
    const std::filesystem::path text_new = shell.dir() / "new.qmxt";
    const std::filesystem::path text_old = shell.dir() / "old.qmxt";
    std::ofstream(text_old) << "keep";
    N_UI::C_App_Port_Wx::S_Test_Box_Answer = E_Box_Answer_Yes; // overwrite: yes
    for (const auto& path : {text_new, text_old}) {
        C_Files files{path.wstring()};
        shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Save_As);
    }
    EXPECT_FALSE(std::filesystem::exists(text_new));
    std::ifstream in(text_old);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep");
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(), "Msg: This feature is under development."));

    // Saved once; then the directory cannot be written: the old file and the modified flag stay.
    const std::filesystem::path sub = shell.dir() / "sub";
    std::filesystem::create_directories(sub);
    const std::filesystem::path file = sub / "p.qmxb";
    {
        C_Files files{file.wstring()};
        shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Save_As);
    }
    ASSERT_TRUE(std::filesystem::exists(file));
    std::ifstream first(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(first)), {});
    p_proj->M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    ::chmod(shell.dir().c_str(), 0755);
    ::chmod(sub.c_str(), 0555);
    // The super-user writes anywhere: the save runs as nobody.
    const bool root = ::geteuid() == 0;
    if (root)
        ASSERT_EQ(::seteuid(65534), 0);
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Save);
    if (root)
        ASSERT_EQ(::seteuid(0), 0);
    ::chmod(sub.c_str(), 0755);
    std::ifstream again(file, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(again)), {}), bytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sub), std::filesystem::directory_iterator()), 1);
    EXPECT_TRUE(p_proj->M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(), "Msg: Error: Failed to open file."));
}

TEST(C_Doc_Proj, ImportWithoutFileOrWithoutWorkerLeavesTheProjectAndClosesNothingOpen)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    ASSERT_TRUE(shell.core().m_sp_Proj);
    const std::size_t history = shell.core().m_sp_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().size();

    // The file dialog cancelled: no thread, no dialog, nothing changes.
    {
        C_Files files{L""};
        G_Fn_No_Dialog([&] { shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_M_I_Dyna); });
    }
    EXPECT_EQ(C_App_Port_Wx::S_Test_File_Wildcard, L"Dyna (*.dyn*;*.k)|*.[dD][yY][nN]*;*.[kK]|All (*)|*");
    EXPECT_FALSE(shell.core().M_Fn_UI_Progress_Get_ro_Status().M_Fn_Is_Running());

    // No worker can start: the running flag is cleared (no dialog waits), the failure reported.
    const C_Doc::T_Fn_Thread_Start saved = C_Doc::S_Fn_Thread_Start;
    C_Doc::S_Fn_Thread_Start = [](std::function<void()>) -> std::thread {
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
    };
    {
        C_Files files{std::wstring(L"" VT_TESTDATA_DIR L"/nastran/wingbox_stitched_together-000.bdf")};
        G_Fn_No_Dialog([&] { shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_M_I_Nastran); });
    }
    C_Doc::S_Fn_Thread_Start = saved;
    EXPECT_FALSE(shell.core().M_Fn_UI_Progress_Get_ro_Status().M_Fn_Is_Running());
    EXPECT_TRUE(G_Fn_Has_Line(shell.log_lines(),
                              "    Function: N_UI::N_MDI::N_Proj::C_Doc::M_Fn_On_Cmd_Proj_Edit_D_M_I_Nastran"));
    EXPECT_EQ(G_Fn_Models(shell), 0u);
    EXPECT_EQ(shell.core().m_sp_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().size(), history);

    // A deck that is not there: the reader's failure, the dialog closed, nothing added.
    {
        C_Files files{(shell.dir() / "missing 100%d.nas").wstring()};
        shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_M_I_Nastran);
    }
    EXPECT_EQ(shell.frame()->M_Fn_Get_Doc_Proj()->M_Fn_Import_Name_Get(), L"missing 100%d.nas");
    EXPECT_FALSE(shell.core().M_Fn_UI_Progress_Get_ro_Status().M_Fn_Is_Running());
    EXPECT_EQ(G_Fn_Models(shell), 0u);
}

TEST(C_Doc_Proj, OpenDialogPatternsMatchEitherCase)
{
    const std::wstring pattern = C_App_Port_Wx::S_Fn_Pattern_No_Case(L"*.nas*");
    EXPECT_EQ(pattern, L"*.[nN][aA][sS]*");
    const std::string narrow(pattern.begin(), pattern.end());
    for (const char* name : {"PLATE.NAS", "plate.nas", "wing.Nastran", "x.nas.bak"})
        EXPECT_EQ(::fnmatch(narrow.c_str(), name, 0), 0) << name;
    EXPECT_NE(::fnmatch(narrow.c_str(), "plate.bdf", 0), 0);
    // Bracket expressions of a pattern stay as they are.
    EXPECT_EQ(C_App_Port_Wx::S_Fn_Pattern_No_Case(L"*.[ab]1"), L"*.[ab]1");
}

// The manual check of a large import (not part of the suite's runs: it takes long): with
// VT_MANUAL_DECK naming a Nastran deck (bench/Bench_Deck_Plate.h writes a 1,000 x 1,000 plate),
// the deck is imported through the menu while a timer watches the progress dialog's bar and the
// project view's paints, and prints what it saw.
TEST(C_Doc_Proj, ManualImportOfALargeDeckKeepsTheWindowAlive)
{
    const char* deck = std::getenv("VT_MANUAL_DECK");
    if (!deck)
        GTEST_SKIP() << "set VT_MANUAL_DECK to a deck";
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return G_Fn_View(shell) && G_Fn_View(shell)->M_Fn_Is_Attached(); }));
    N_UI::N_MDI::N_Proj::C_Wnd_View_Main* p_view = G_Fn_View(shell);
    int paints = 0, ticks = 0;
    std::vector<int> bar;
    p_view->Bind(wxEVT_PAINT, [&](wxPaintEvent& ro_Event) {
        ++paints;
        ro_Event.Skip();
    });
    wxTimer timer;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        ++ticks;
        if (auto* p_gauge = dynamic_cast<wxGauge*>(wxWindow::FindWindowById(N_UI::N_Progress::C_Dlg::E_Id_Bar)))
            if (bar.empty() || bar.back() != p_gauge->GetValue())
                bar.push_back(p_gauge->GetValue());
        if (ticks == 8)
            G_Fn_Shot(shell.frame(), "proj_window_large_import.png");
    });
    timer.Start(50);
    const auto start = std::chrono::steady_clock::now();
    {
        C_Files files{wxString(deck).ToStdWstring()};
        shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_M_I_Nastran);
    }
    timer.Stop();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const int paints_during = paints;
    std::cerr << "import " << seconds << " s, timer ticks " << ticks << ", view paints " << paints << ", bar values";
    for (int v : bar)
        std::cerr << " " << v;
    std::cerr << std::endl;
    EXPECT_EQ(G_Fn_Models(shell), 1u);
    // The first whole frame of the model after the import.
    const auto draw = std::chrono::steady_clock::now();
    p_view->Refresh(false);
    p_view->Update();
    std::cerr << "first frame after the import " << std::chrono::duration<double>(std::chrono::steady_clock::now() - draw).count()
              << " s" << std::endl;
    G_Fn_Shot(shell.frame(), "proj_window_large_done.png");
}

TEST(C_Doc_Proj, SwitchingToASectionWindowAndBackRaisesTheProjectsCodes)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    N_Biz::N_Proj::C_Proj& proj = *shell.core().m_sp_Proj;
    ASSERT_TRUE(G_Fn_Wait_For([&] { return G_Fn_View(shell) && G_Fn_View(shell)->M_Fn_Is_Attached(); }));
    N_Biz::N_Sect::C_Sect& sect = G_Fn_Sect_Import(proj, VT_TESTDATA_DIR "/iges/tubes_splined.iges");
    std::vector<int> codes;
    const boost::signals2::scoped_connection connection = proj.M_Fn_Get_Signal().connect(
        [&](N_Biz::N_Proj::C_Proj&, N_Biz::N_Proj::E_Signal i_Code) { codes.push_back(i_Code); });
    // A running task of the project (group creation) ends when its window loses the focus.
    shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_S_Create);
    // "Open Selected Section's View" in the project window opens the selected section's window.
    auto& sects = proj.M_Fn_Get_Mgr_D_Sect();
    sects.M_Fn_Sel_P0_Add(&sect);
    sects.M_Fn_Sel_P1_Update_Yes();
    shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_S_View_Open);
    EXPECT_TRUE(G_Fn_Wait_For([&] { return sect.M_Fn_Get_Mgr_Frame().m_p_View_Main != nullptr; }));
    G_Fn_Run_For(std::chrono::milliseconds(100));
    EXPECT_NE(std::find(codes.begin(), codes.end(), int(N_Biz::N_Proj::E_Signal_Frame_Deactivate)), codes.end());
    EXPECT_EQ(proj.M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(2), 9u); // idle
    codes.clear();
    shell.frame()->M_Fn_Get_Doc_Proj()->M_Fn_Get_Frame()->Activate();
    G_Fn_Run_For(std::chrono::milliseconds(100));
    EXPECT_NE(std::find(codes.begin(), codes.end(), int(N_Biz::N_Proj::E_Signal_Frame_Activate)), codes.end());
    // Closing the project window asks nothing and keeps the project open.
    G_Fn_No_Dialog([&] { shell.frame()->M_Fn_Get_Doc_Proj()->M_Fn_Get_Frame()->Close(); });
    G_Fn_Run_For(std::chrono::milliseconds(50));
    EXPECT_EQ(shell.core().m_sp_Proj.get(), &proj);
    EXPECT_EQ(proj.M_Fn_Get_Mgr_Frame().M_Fn_Get_View(), nullptr);
}
