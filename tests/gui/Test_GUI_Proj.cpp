// The project window as an engineer uses it: a new project, a Nastran deck imported through the
// menu command on the worker thread behind the progress dialog, the model drawn in the project
// view, undo and redo, save, close and open again; the document's open and save refusals; the
// import's worker start failing. Commands are sent to the main frame as its menus send them; file
// dialogs are answered through the window port.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"
#include "ui/UI_MDI_Proj_Wnd_View_Main.h"
#include "ui/UI_Tree_Wnd.h"

#include <gtest/gtest.h>

#include <wx/image.h>

#include <GL/gl.h>

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>
#include <fstream>
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
