// A project named on the command line is built before the main frame is shown, so its view's
// window is not on screen when the view is made: the view still registers with the project once it
// is, draws the model on the screen, and the project window closes and opens again as one opened
// through the menu does. A section view made off screen registers likewise at its first paint.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"
#include "ui/UI_MDI_Proj_Wnd_View_Main.h"
#include "ui/UI_MDI_Sect_Wnd_View_GL.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <wx/frame.h>
#include <wx/image.h>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;

namespace {

N_UI::N_MDI::N_Proj::C_Wnd_View_Main* G_Fn_View(C_Shell& ro_Shell)
{
    N_UI::N_MDI::N_Proj::C_Doc* p_doc = ro_Shell.frame()->M_Fn_Get_Doc_Proj();
    return p_doc && p_doc->M_Fn_Get_Frame() ? p_doc->M_Fn_Get_Frame()->M_Fn_Get_View_Main() : nullptr;
}

// The view as the X server shows it: pixels of the black background the view clears to, and
// pixels of neither black nor white (the plate's shaded elements; the toolkit's own background of
// a view that never painted is white).
struct C_Screen {
    int m_Black = 0;
    int m_Coloured = 0;
};
C_Screen G_Fn_Screen(N_UI::N_MDI::N_Proj::C_Wnd_View_Main& ro_View, const char* i_Name)
{
    const wxImage shot = G_Fn_Shot(&ro_View, i_Name);
    C_Screen screen;
    const unsigned char* p = shot.IsOk() ? shot.GetData() : nullptr;
    for (int i = 0; p && i < shot.GetWidth() * shot.GetHeight(); ++i, p += 3) {
        const int high = std::max({p[0], p[1], p[2]}), low = std::min({p[0], p[1], p[2]});
        if (high < 16)
            ++screen.m_Black;
        else if (low < 200)
            ++screen.m_Coloured;
    }
    return screen;
}

// Waits until the view is registered and the screen shows its frame with the model.
bool G_Fn_Wait_Drawn(C_Shell& ro_Shell, const char* i_Name)
{
    if (!G_Fn_Wait_For([&] { return G_Fn_View(ro_Shell) && G_Fn_View(ro_Shell)->M_Fn_Is_Attached(); }))
        return false;
    N_UI::N_MDI::N_Proj::C_Wnd_View_Main& view = *G_Fn_View(ro_Shell);
    const int area = view.GetClientSize().x * view.GetClientSize().y;
    return G_Fn_Wait_For([&] {
        view.Refresh(false);
        G_Fn_Run_For(std::chrono::milliseconds(50));
        const C_Screen screen = G_Fn_Screen(view, i_Name);
        return screen.m_Black > area / 4 && screen.m_Coloured > 2000;
    });
}

} // namespace

TEST(C_Wnd_View_Main, ProjectNamedOnTheCommandLineDrawsItsModelAndItsWindowClosesAndOpensAgain)
{
    C_Shell shell;
    const std::wstring path = (shell.dir() / "plate.qmxb").wstring();
    // The project file: the plate deck imported into a new project and saved.
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    {
        N_UI::C_App_Port_Wx::S_Test_File_Answers = {std::wstring(L"" VT_TESTDATA_DIR L"/nastran/plate.bdf")};
        shell.M_Fn_Command(N_Cmd::E_Id_Proj_Edit_D_M_I_Nastran);
        N_UI::C_App_Port_Wx::S_Test_File_Answers = {path};
        shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Save_As);
        N_UI::C_App_Port_Wx::S_Test_File_Answers.clear();
    }
    ASSERT_TRUE(std::filesystem::exists(path));
    shell.M_Fn_End();

    ASSERT_TRUE(shell.M_Fn_Start({path}));
    ASSERT_TRUE(shell.core().m_sp_Proj);
    ASSERT_EQ(shell.core().m_sp_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().next_index(), 2u);
    EXPECT_TRUE(G_Fn_Wait_Drawn(shell, "proj_start_command_line.png"));

    // Close Current Project's View, then Open Current Project's View: a new window, drawn.
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Close);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return G_Fn_View(shell) == nullptr; }));
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Open);
    EXPECT_TRUE(G_Fn_Wait_Drawn(shell, "proj_start_view_reopened.png"));
}

namespace {

// A section view that counts the view manager's hooks it calls.
class C_View_Sect_Probe : public N_UI::N_MDI::N_Sect::C_Wnd_View_Sect_GL {
public:
    C_View_Sect_Probe(wxWindow* i_p_Parent, N_Biz::N_Sect::C_Sect* i_p_Sect)
        : C_Wnd_View_Sect_GL(i_p_Parent, i_p_Sect, wxSize(200, 100), 0, "C_View_Sect_Probe", __FILE__)
    {
    }
    ~C_View_Sect_Probe() override
    {
        M_Fn_Detach(true);
        M_Fn_GL_Destroy();
    }
    int m_Created = 0;
    int m_Sized = 0;
    int m_Drawn = 0;

protected:
    void MV_Fn_Hook_Create(N_Biz::N_Sect::C_Mgr_Frame&) override { ++m_Created; }
    void MV_Fn_Hook_Size(N_Biz::N_Sect::C_Mgr_Frame&, int, int) override { ++m_Sized; }
    void MV_Fn_Hook_Draw(N_Biz::N_Sect::C_Mgr_Frame&) override { ++m_Drawn; }
    void MV_Fn_Hook_Destroy(N_Biz::N_Sect::C_Mgr_Frame&) override {}
};

} // namespace

TEST(C_Wnd_View_Sect_GL, ViewMadeOffScreenRegistersAtItsFirstPaintOnScreen)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    ASSERT_TRUE(shell.core().m_sp_Proj);
    N_Biz::N_Sect::C_Sect& sect = G_Fn_Sect_Import(*shell.core().m_sp_Proj, VT_TESTDATA_DIR "/iges/tubes_splined.iges");
    // A window that has never been shown has no X window: nothing can register yet.
    auto* p_frame = new wxFrame(nullptr, wxID_ANY, "GL", wxDefaultPosition, wxSize(240, 160));
    auto* p_view = new C_View_Sect_Probe(p_frame, &sect);
    ASSERT_TRUE(p_view->M_Fn_Is_OK());
    G_Fn_Run_For(std::chrono::milliseconds(50));
    EXPECT_FALSE(p_view->M_Fn_Is_Attached());
    p_frame->Show();
    EXPECT_TRUE(G_Fn_Wait_For([&] { return p_view->m_Drawn > 0; }));
    EXPECT_TRUE(p_view->M_Fn_Is_Attached());
    EXPECT_EQ(p_view->m_Created, 1);
    EXPECT_GE(p_view->m_Sized, 1);
    p_frame->Destroy();
    G_Fn_Run_For(std::chrono::milliseconds(20));
}
