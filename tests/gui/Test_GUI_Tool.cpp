// The tools pane in the running program: its pages follow the document windows (a project window
// raised through the project's own activation codes, section windows opened as the project opens
// them), its edit dialogs follow the task states and modes, its buttons act as the menu commands
// of the same ids, and its edits check what is typed. Screenshots of the three pages go into the
// build tree's gui/ folder.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/config/Biz_Config.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_D_Group_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "common/Common_String.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Sect_Doc.h"
#include "ui/UI_MDI_Sect_Wnd_Frame_Child.h"
#include "ui/UI_Tool_Dlg_Proj.h"
#include "ui/UI_Tool_Dlg_Sect.h"
#include "ui/UI_Tool_Wnd.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/collpane.h>
#include <wx/radiobut.h>
#include <wx/scrolwin.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;
using N_Biz::N_Sect::C_Sect;
using N_UI::N_Tool::C_Dlg;
using N_UI::N_Tool::C_Wnd;

namespace {

const char* const G_Tubes = VT_TESTDATA_DIR "/iges/tubes_splined.iges";

// A click on a control as the toolkit reports it: the mark changes first, then the command event.
void G_Fn_Click(wxWindow* i_p_Ctrl)
{
    ASSERT_NE(i_p_Ctrl, nullptr);
    ASSERT_TRUE(i_p_Ctrl->IsEnabled()) << i_p_Ctrl->GetId();
    wxEventType type = wxEVT_BUTTON;
    int mark = 0;
    if (auto* p_check = dynamic_cast<wxCheckBox*>(i_p_Ctrl)) {
        p_check->SetValue(!p_check->GetValue());
        type = wxEVT_CHECKBOX;
        mark = p_check->GetValue() ? 1 : 0;
    } else if (auto* p_radio = dynamic_cast<wxRadioButton*>(i_p_Ctrl)) {
        p_radio->SetValue(true);
        type = wxEVT_RADIOBUTTON;
        mark = 1;
    }
    wxCommandEvent event(type, i_p_Ctrl->GetId());
    event.SetEventObject(i_p_Ctrl);
    event.SetInt(mark);
    i_p_Ctrl->GetEventHandler()->ProcessEvent(event);
}

bool G_Fn_Marked(wxWindow* i_p_Ctrl)
{
    if (auto* p_check = dynamic_cast<wxCheckBox*>(i_p_Ctrl))
        return p_check->GetValue();
    if (auto* p_radio = dynamic_cast<wxRadioButton*>(i_p_Ctrl))
        return p_radio->GetValue();
    ADD_FAILURE() << "no check box or radio button";
    return false;
}

std::string G_Fn_Text(wxWindow* i_p_Ctrl)
{
    if (auto* p_edit = dynamic_cast<wxTextCtrl*>(i_p_Ctrl))
        return p_edit->GetValue().utf8_string();
    return i_p_Ctrl ? i_p_Ctrl->GetLabel().utf8_string() : "<none>";
}

class C_Tool_Pane : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Shell.M_Fn_Start()); }

    C_Wnd& pane() { return *m_Shell.frame()->M_Fn_Get_Tool(); }
    N_Biz::N_Config::C_Config_Data& config() { return m_Shell.core().m_sp_Config->M_Fn_Data(); }
    N_Biz::N_Proj::C_Proj& proj() { return *m_Shell.core().m_sp_Proj; }

    template <class T> T& M_Fn_Dlg(int i_Page, std::size_t i_Index)
    {
        T* p_dlg = dynamic_cast<T*>(pane().M_Fn_Dlgs(i_Page).at(i_Index));
        EXPECT_NE(p_dlg, nullptr);
        return *p_dlg;
    }
    N_UI::N_Tool::C_Dlg_Sect_Edit& sect_edit() { return M_Fn_Dlg<N_UI::N_Tool::C_Dlg_Sect_Edit>(C_Wnd::E_Page_Sect, 1); }
    N_UI::N_Tool::C_Dlg_Proj_Edit& proj_edit() { return M_Fn_Dlg<N_UI::N_Tool::C_Dlg_Proj_Edit>(C_Wnd::E_Page_Proj, 1); }
    // A control of the sub-page i_Sub of an edit dialog.
    static wxWindow* S_Fn_Sub_Ctrl(N_UI::N_Tool::C_Dlg_Edit& ro_Edit, int i_Sub, int i_Id)
    {
        return ro_Edit.M_Fn_Subs().at(static_cast<std::size_t>(i_Sub))->M_Fn_Ctrl(i_Id);
    }

    // A section with its document in a new group, its geometry read from IGES, all in one history
    // entry "Import section", as the project's section import makes it.
    C_Sect& M_Fn_Import()
    {
        namespace N_Cmd_Proj = N_Biz::N_Proj::N_Cmd;
        N_Biz::N_IGES::N_Import::C_Context_File file(N_Common::N_String::G_Fn_To_Wide_UTF8(G_Tubes), L"tubes.iges");
        EXPECT_EQ(file.M_Fn_Import(), 1);
        C_Sect* p_sect = nullptr;
        auto sp_entry = std::make_shared<N_Cmd_Proj::C_Entry_C>(L"Import section", &proj());
        proj().M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
            auto sp_elems = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
            sp_entry->M_Fn_Child_Add_and_Execute(sp_elems);
            const std::uint32_t g = proj().M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().next_index();
            auto sp_group = std::make_shared<N_Biz::N_Proj::C_D_Group_Sect>();
            sp_elems->M_Fn_Child_Add_and_Execute(
                std::make_shared<N_Cmd_Proj::C_Elem_D_Sect_Group_Add_At>(&proj(), g, sp_group));
            C_Sect::S_p_Proj = &proj();
            auto sp_sect = std::make_shared<C_Sect>();
            C_Sect::S_p_Proj = nullptr;
            sp_sect->M_Fn_Get_Mgr_Doc().M_Fn_Create();
            p_sect = sp_sect.get();
            sp_elems->M_Fn_Child_Add_and_Execute(
                std::make_shared<N_Cmd_Proj::C_Elem_D_Sect_Individual_Add_At>(&proj(), g, 1, sp_sect));
            EXPECT_EQ(p_sect->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Import(sp_elems, file), 1);
        });
        return *p_sect;
    }

    // A new project with one imported section whose window is open and active.
    C_Sect& M_Fn_Sect_Open()
    {
        m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
        EXPECT_NE(m_Shell.core().m_sp_Proj, nullptr);
        C_Sect& sect = M_Fn_Import();
        sect.M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
        EXPECT_TRUE(G_Fn_Wait_For([&] { return pane().M_Fn_Sect_Get() == &sect && sect.M_Fn_Get_Mgr_Frame().m_p_View_Main; }));
        M_Fn_Settle();
        return sect;
    }

    // Lets the windows catch up: paints, layouts and the update of every control.
    void M_Fn_Settle() { G_Fn_Run_For(std::chrono::milliseconds(150)); }

    // The log lines written while i_Fn runs.
    std::vector<std::string> M_Fn_Log_Of(const std::function<void()>& i_Fn)
    {
        const std::size_t before = m_Shell.log_lines().size();
        i_Fn();
        const std::vector<std::string> lines = m_Shell.log_lines();
        return std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end());
    }

    C_Shell m_Shell;
};

} // namespace

TEST_F(C_Tool_Pane, WithoutDocumentOnlyTheGeneralPageShows)
{
    EXPECT_EQ(pane().M_Fn_Page_Get_Active(), C_Wnd::E_Page_General);
    EXPECT_EQ(pane().M_Fn_Proj_Get(), nullptr);
    EXPECT_EQ(pane().M_Fn_Sect_Get(), nullptr);
    EXPECT_TRUE(pane().M_Fn_Page_Window(C_Wnd::E_Page_General)->IsShownOnScreen());
    EXPECT_FALSE(pane().M_Fn_Page_Window(C_Wnd::E_Page_Proj)->IsShownOnScreen());
    EXPECT_FALSE(pane().M_Fn_Page_Window(C_Wnd::E_Page_Sect)->IsShownOnScreen());
    EXPECT_GT(pane().M_Fn_Width_Preferred(), 15);
    // The groups: General's "File" open; Project's and Section's "File" closed at start.
    ASSERT_EQ(pane().M_Fn_Dlgs(0).size(), 1u);
    ASSERT_EQ(pane().M_Fn_Dlgs(1).size(), 3u);
    ASSERT_EQ(pane().M_Fn_Dlgs(2).size(), 4u);
    EXPECT_FALSE(pane().M_Fn_Group_Get(*pane().M_Fn_Dlgs(0)[0])->IsCollapsed());
    EXPECT_TRUE(pane().M_Fn_Group_Get(*pane().M_Fn_Dlgs(1)[0])->IsCollapsed());
    EXPECT_TRUE(pane().M_Fn_Group_Get(*pane().M_Fn_Dlgs(2)[0])->IsCollapsed());
    const wchar_t* const captions[] = {L"File", L"File", L"Edit", L"Display", L"File", L"Edit", L"Analysis", L"Display"};
    std::size_t k = 0;
    for (int page = 0; page < 3; ++page)
        for (C_Dlg* p_dlg : pane().M_Fn_Dlgs(page))
            EXPECT_EQ(p_dlg->m_Caption, captions[k++]);

    // Only the file commands are there; "New Project" acts as its menu entry.
    M_Fn_Settle();
    C_Dlg& file = *pane().M_Fn_Dlgs(0)[0];
    for (int id = N_Cmd::E_Id_File_Proj_New; id <= N_Cmd::E_Id_File_Proj_View_Close; ++id)
        EXPECT_TRUE(file.M_Fn_Ctrl(id) && file.M_Fn_Ctrl(id)->IsEnabled()) << id;
    G_Fn_Shot(&pane(), "tool_page_general.png");
    // The mouse coming into the pane gives it the keyboard focus.
    wxUIActionSimulator sim;
    const wxRect page = pane().M_Fn_Page_Window(C_Wnd::E_Page_General)->GetScreenRect();
    ASSERT_TRUE(G_Fn_Mouse_Move(sim, page.GetTopLeft() - wxPoint(100, 0)));
    ASSERT_TRUE(G_Fn_Focus(file.M_Fn_Ctrl(N_Cmd::E_Id_File_Proj_Open)));
    ASSERT_FALSE(pane().M_Fn_Has_Focus());
    ASSERT_TRUE(G_Fn_Mouse_Move(sim, page.GetBottomLeft() + wxPoint(20, -20)));
    sim.MouseMove(page.GetBottomLeft() + wxPoint(30, -30));
    EXPECT_TRUE(G_Fn_Wait_For([&] { return pane().M_Fn_Has_Focus(); }, std::chrono::milliseconds(2000)));
    G_Fn_Click(file.M_Fn_Ctrl(N_Cmd::E_Id_File_Proj_New));
    EXPECT_NE(m_Shell.core().m_sp_Proj, nullptr);
    // The new project's window is active: the Project page shows; with the window closed the
    // project stays open and the General page comes back.
    EXPECT_TRUE(G_Fn_Wait_For([&] { return pane().M_Fn_Page_Get_Active() == C_Wnd::E_Page_Proj; }));
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Close);
    EXPECT_NE(m_Shell.core().m_sp_Proj, nullptr);
    EXPECT_TRUE(G_Fn_Wait_For([&] { return pane().M_Fn_Page_Get_Active() == C_Wnd::E_Page_General; }));
}

TEST_F(C_Tool_Pane, ProjectPageFollowsTheProjectWindowAndItsTasks)
{
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    ASSERT_NE(m_Shell.core().m_sp_Proj, nullptr);
    // The project window's activation, as that window raises it.
    proj().M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Activate);
    EXPECT_EQ(pane().M_Fn_Page_Get_Active(), C_Wnd::E_Page_Proj);
    EXPECT_EQ(pane().M_Fn_Proj_Get(), &proj());
    EXPECT_EQ(pane().M_Fn_Sect_Get(), nullptr);
    N_UI::N_Tool::C_Dlg_Proj_Edit& edit = proj_edit();
    // A new project selects models: the model page with its two imports.
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 4);
    EXPECT_TRUE(G_Fn_Marked(edit.M_Fn_Ctrl(4105)));
    EXPECT_TRUE(edit.M_Fn_Ctrl(4101)->IsEnabled());
    EXPECT_NE(S_Fn_Sub_Ctrl(edit, 4, 4161), nullptr);
    EXPECT_EQ(G_Fn_Text(edit.M_Fn_Ctrl(N_Cmd::E_Id_Edit_Undo)), "Undo: (Ctrl+Z)");
    EXPECT_EQ(G_Fn_Text(edit.M_Fn_Ctrl(N_Cmd::E_Id_Edit_Redo)), "Redo: (Ctrl+Y)");
    EXPECT_EQ(G_Fn_Text(edit.M_Fn_Ctrl(2213)), "Current: None");
    M_Fn_Settle();
    EXPECT_FALSE(edit.M_Fn_Ctrl(N_Cmd::E_Id_Edit_Undo)->IsEnabled());

    // The node mode: the node page with "Set Rotate Center" and "Modify Selected (F)".
    proj().M_Fn_Doc_On_Cmd_Proj_Edit_T_D_DB_N();
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 2);
    EXPECT_TRUE(G_Fn_Marked(edit.M_Fn_Ctrl(4103)));
    EXPECT_EQ(G_Fn_Text(S_Fn_Sub_Ctrl(edit, 2, 4040)), "Set Rotate Center");
    EXPECT_EQ(G_Fn_Text(S_Fn_Sub_Ctrl(edit, 2, 4141)), "Modify Selected (F)");
    EXPECT_TRUE(S_Fn_Sub_Ctrl(edit, 2, 4040)->IsShownOnScreen());
    EXPECT_FALSE(S_Fn_Sub_Ctrl(edit, 4, 4161)->IsShownOnScreen());

    // The group-create task: its page with the options of a fresh start; the radios wait.
    proj().M_Fn_Doc_On_Cmd_Proj_Edit_T_D_S();
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 5);
    proj().M_Fn_Event_Post_D_Sect_Group_Create();
    ASSERT_EQ(proj().M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(2), 20u);
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 10);
    for (int id = 4101; id <= 4106; ++id)
        EXPECT_FALSE(edit.M_Fn_Ctrl(id)->IsEnabled()) << id;
    for (int id : {4181, 4183})
        EXPECT_TRUE(G_Fn_Marked(S_Fn_Sub_Ctrl(edit, 10, id))) << id;
    for (int id : {4182, 4184, 4187})
        EXPECT_FALSE(G_Fn_Marked(S_Fn_Sub_Ctrl(edit, 10, id))) << id;
    EXPECT_TRUE(G_Fn_Marked(S_Fn_Sub_Ctrl(edit, 10, 4196)));
    EXPECT_TRUE(G_Fn_Marked(S_Fn_Sub_Ctrl(edit, 10, 4197)));
    EXPECT_EQ(G_Fn_Text(S_Fn_Sub_Ctrl(edit, 10, 4198)), "0");
    M_Fn_Settle();
    for (int id = 4101; id <= 4106; ++id)
        EXPECT_FALSE(edit.M_Fn_Ctrl(id)->IsEnabled()) << id;
    G_Fn_Shot(&pane(), "tool_page_project.png");

    // Extra sections per axis: 20.5 refused with the message, 7.9 stored as 7 with code 8, the
    // same value again sends nothing.
    auto& create = dynamic_cast<N_UI::N_Tool::C_Dlg_Proj_Edit_D_S_G_Create&>(*edit.M_Fn_Subs().at(10));
    auto* p_extra = dynamic_cast<wxTextCtrl*>(create.M_Fn_Ctrl(4198));
    ASSERT_NE(p_extra, nullptr);
    std::vector<int> codes;
    boost::signals2::scoped_connection watch = m_Shell.core().m_sp_Config->M_Fn_Signal().connect(
        [&](N_Biz::N_Config::C_Config&, N_Biz::N_Config::E_Signal i_Code) { codes.push_back(i_Code); });
    p_extra->ChangeValue("20.5");
    auto lines = M_Fn_Log_Of([&] { create.M_Fn_On_Kill_Focus_Extra_V(); });
    EXPECT_EQ(lines, (std::vector<std::string>{"Msg: Invalid value, valid range: 0 ~ 20."}));
    EXPECT_EQ(p_extra->GetValue(), "0");
    EXPECT_EQ(config().m_Extra_Sections, 0);
    p_extra->ChangeValue("7.9");
    create.M_Fn_On_Kill_Focus_Extra_V();
    EXPECT_EQ(config().m_Extra_Sections, 7);
    EXPECT_EQ(codes, (std::vector<int>{8}));
    EXPECT_EQ(p_extra->GetValue(), "7"); // code 8 refreshed the page
    p_extra->ChangeValue("7");
    lines = M_Fn_Log_Of([&] { create.M_Fn_On_Kill_Focus_Extra_V(); });
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(codes.size(), 1u);

    // Option commands of the page change the words and the marks follow (configuration code 7).
    m_Shell.core().m_sp_Config->M_Fn_Data().m_Local_CS = 3;
    m_Shell.core().m_sp_Config->M_Fn_Notify(N_Biz::N_Config::E_Signal_Sect_Edit);
    EXPECT_TRUE(G_Fn_Marked(S_Fn_Sub_Ctrl(edit, 10, 4186)));

    // Back in task idle with the section mode; the radios are usable again.
    proj().M_Fn_Get_Mgr_State().M_Fn_Post_Cancel();
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 5);
    EXPECT_TRUE(G_Fn_Marked(edit.M_Fn_Ctrl(4106)));
    for (int id = 4101; id <= 4106; ++id)
        EXPECT_TRUE(edit.M_Fn_Ctrl(id)->IsEnabled()) << id;

    // The project display dialog shows the options.
    auto& disp = M_Fn_Dlg<N_UI::N_Tool::C_Dlg_Proj_Disp>(C_Wnd::E_Page_Proj, 2);
    config().m_Model_Disp_Auto = 0;
    m_Shell.core().m_sp_Config->M_Fn_Notify(N_Biz::N_Config::E_Signal_Proj_Disp);
    EXPECT_EQ(G_Fn_Text(disp.M_Fn_Ctrl(4010)), "Auto");
    EXPECT_TRUE(G_Fn_Marked(disp.M_Fn_Ctrl(4010)));
    EXPECT_TRUE(G_Fn_Marked(disp.M_Fn_Ctrl(4022)));
    config().m_Model_Disp_Auto = 4;
    m_Shell.core().m_sp_Config->M_Fn_Notify(N_Biz::N_Config::E_Signal_Proj_Disp);
    EXPECT_EQ(G_Fn_Text(disp.M_Fn_Ctrl(4010)), "Auto (Mesh)");

    // The window's deactivation raised on a worker thread (as an import raises its changes): the
    // pane waits for the interface thread's queue, then goes back to the General page.
    std::thread worker([&] { proj().M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Deactivate); });
    worker.join();
    EXPECT_EQ(pane().M_Fn_Page_Get_Active(), C_Wnd::E_Page_Proj);
    EXPECT_GE(m_Shell.core().M_Fn_UI_Queue_Run(), 1);
    EXPECT_EQ(pane().M_Fn_Page_Get_Active(), C_Wnd::E_Page_General);
    EXPECT_EQ(pane().M_Fn_Proj_Get(), nullptr);
}

TEST_F(C_Tool_Pane, SectionPageFollowsTheSectionWindowAndItsTasks)
{
    C_Sect& sect = M_Fn_Sect_Open();
    EXPECT_EQ(pane().M_Fn_Page_Get_Active(), C_Wnd::E_Page_Sect);
    EXPECT_EQ(pane().M_Fn_Proj_Get(), &proj());
    N_UI::N_Tool::C_Dlg_Sect_Edit& edit = sect_edit();
    // Geometry mode in task idle: its page, its radio marked, all radios usable.
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 2);
    EXPECT_TRUE(G_Fn_Marked(edit.M_Fn_Ctrl(3104)));
    for (int id : {3102, 3103, 3104, 3106, 3107})
        EXPECT_TRUE(edit.M_Fn_Ctrl(id)->IsEnabled()) << id;
    EXPECT_EQ(G_Fn_Text(edit.M_Fn_Ctrl(N_Cmd::E_Id_Edit_Undo)), "Undo: Import section");
    EXPECT_TRUE(edit.M_Fn_Ctrl(N_Cmd::E_Id_Edit_Undo)->IsEnabled());
    EXPECT_FALSE(edit.M_Fn_Ctrl(N_Cmd::E_Id_Edit_Redo)->IsEnabled());
    // The palette property: its name and its colour (each component times 255, truncated).
    auto& cards = proj().M_Fn_Get_Mgr_D_DB_C_P();
    ASSERT_NE(cards.M_Fn_Palette_Get(), 0u);
    EXPECT_EQ(G_Fn_Text(edit.M_Fn_Ctrl(2213)), "Current: Auto-created Property");
    const auto& color = cards.M_Fn_Get_At(cards.M_Fn_Palette_Get())->m_Display.m_Color_Normal;
    const wxColour swatch = edit.M_Fn_Ctrl(2214)->GetBackgroundColour();
    EXPECT_EQ(swatch.Red(), static_cast<int>(color[0] * 255.0f));
    EXPECT_EQ(swatch.Green(), static_cast<int>(color[1] * 255.0f));
    EXPECT_EQ(swatch.Blue(), static_cast<int>(color[2] * 255.0f));
    // The analysis and display dialogs show the defaults.
    auto& anls = M_Fn_Dlg<N_UI::N_Tool::C_Dlg_Sect_Anls>(C_Wnd::E_Page_Sect, 2);
    auto& disp = M_Fn_Dlg<N_UI::N_Tool::C_Dlg_Sect_Disp>(C_Wnd::E_Page_Sect, 3);
    EXPECT_TRUE(G_Fn_Marked(anls.M_Fn_Ctrl(3072)));
    EXPECT_TRUE(G_Fn_Marked(anls.M_Fn_Ctrl(3061)));
    EXPECT_EQ(G_Fn_Text(disp.M_Fn_Ctrl(3032)), "10");
    EXPECT_TRUE(G_Fn_Marked(disp.M_Fn_Ctrl(3031)));
    G_Fn_Shot(&pane(), "tool_page_section.png");

    // A task through the tool button: the point page, the radios disabled.
    G_Fn_Click(S_Fn_Sub_Ctrl(edit, 2, N_Cmd::E_Id_Sect_Edit_D_Geom_C_Line));
    EXPECT_EQ(sect.M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(2), 16u);
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 6);
    M_Fn_Settle();
    for (int id : {3102, 3103, 3104, 3106, 3107})
        EXPECT_FALSE(edit.M_Fn_Ctrl(id)->IsEnabled()) << id;
    EXPECT_FALSE(G_Fn_Marked(edit.M_Fn_Ctrl(3104)));
    EXPECT_TRUE(S_Fn_Sub_Ctrl(edit, 6, 3111)->IsEnabled());
    // The spline task has Apply as well.
    G_Fn_Click(S_Fn_Sub_Ctrl(edit, 2, N_Cmd::E_Id_Sect_Edit_D_Geom_C_Spline));
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 8);
    EXPECT_NE(S_Fn_Sub_Ctrl(edit, 8, N_Cmd::E_Id_Edit_Apply), nullptr);
    // Cancel: task idle, the mode page and its radio back, the radios usable.
    M_Fn_Settle();
    G_Fn_Click(S_Fn_Sub_Ctrl(edit, 8, N_Cmd::E_Id_Edit_Cancel));
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 2);
    EXPECT_TRUE(G_Fn_Marked(edit.M_Fn_Ctrl(3104)));
    M_Fn_Settle();
    for (int id : {3102, 3103, 3104, 3106, 3107})
        EXPECT_TRUE(edit.M_Fn_Ctrl(id)->IsEnabled()) << id;

    // A mode radio changes the mode; the element page shows the tessellation defaults 3 and 2.
    G_Fn_Click(edit.M_Fn_Ctrl(3106));
    EXPECT_EQ(sect.M_Fn_Get_Mgr_Sel().M_Fn_Mode_Get(), 12u);
    EXPECT_EQ(edit.M_Fn_Sub_Get(), 3);
    EXPECT_EQ(G_Fn_Text(S_Fn_Sub_Ctrl(edit, 3, 3162)), "3");
    EXPECT_EQ(G_Fn_Text(S_Fn_Sub_Ctrl(edit, 3, 3163)), "2");

    // No palette property.
    cards.M_Fn_Palette_Set(0);
    EXPECT_EQ(G_Fn_Text(edit.M_Fn_Ctrl(2213)), "Current: None");

    // The section window's deactivation: back to the General page.
    sect.M_Fn_Signal_Raise();
    EXPECT_EQ(pane().M_Fn_Page_Get_Active(), C_Wnd::E_Page_General);
    EXPECT_EQ(pane().M_Fn_Sect_Get(), nullptr);
}

TEST_F(C_Tool_Pane, TypedValuesAreCheckedWhenTheEditIsLeft)
{
    M_Fn_Sect_Open();
    auto& disp = M_Fn_Dlg<N_UI::N_Tool::C_Dlg_Sect_Disp>(C_Wnd::E_Page_Sect, 3);
    auto* p_edit = dynamic_cast<wxTextCtrl*>(disp.M_Fn_Ctrl(3032));
    ASSERT_NE(p_edit, nullptr);
    wxUIActionSimulator sim;
    const auto type = [&](const char* i_Text, int i_Key) {
        sim.MouseMove(p_edit->GetScreenRect().GetPosition() + wxPoint(5, 5));
        p_edit->SetFocus();
        G_Fn_Wait_For([&] { return wxWindow::FindFocus() == p_edit; }, std::chrono::milliseconds(1000));
        p_edit->SelectAll();
        sim.Text(i_Text);
        G_Fn_Wait_For([&] { return p_edit->GetValue() == i_Text; }, std::chrono::milliseconds(1000));
        sim.Char(i_Key);
        G_Fn_Wait_For([&] { return wxWindow::FindFocus() != p_edit; }, std::chrono::milliseconds(1000));
        M_Fn_Settle();
    };
    std::size_t before = m_Shell.log_lines().size();
    type("0.5", WXK_TAB);
    auto lines = m_Shell.log_lines();
    EXPECT_NE(std::find(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end(),
                        "Msg: Invalid value, the value must not be less than 1.0 ."),
              lines.end());
    EXPECT_EQ(p_edit->GetValue(), "10");
    EXPECT_EQ(config().m_Grid_Scale, 10.0f);
    // Enter takes a good value.
    type("25", WXK_RETURN);
    EXPECT_TRUE(pane().M_Fn_Has_Focus());
    EXPECT_EQ(config().m_Grid_Scale, 25.0f);
    EXPECT_EQ(p_edit->GetValue(), "25");

    // The merge angle on the element page: 6 degrees stored in radians with code 5; typing the
    // shown value again announces nothing.
    N_UI::N_Tool::C_Dlg_Sect_Edit& edit = sect_edit();
    G_Fn_Click(edit.M_Fn_Ctrl(3106));
    ASSERT_EQ(edit.M_Fn_Sub_Get(), 3);
    p_edit = dynamic_cast<wxTextCtrl*>(S_Fn_Sub_Ctrl(edit, 3, 3162));
    ASSERT_NE(p_edit, nullptr);
    std::vector<int> codes;
    boost::signals2::scoped_connection watch = m_Shell.core().m_sp_Config->M_Fn_Signal().connect(
        [&](N_Biz::N_Config::C_Config&, N_Biz::N_Config::E_Signal i_Code) { codes.push_back(i_Code); });
    type("6", WXK_RETURN);
    EXPECT_EQ(config().m_Tess_Angle, 6.0f * 0.0174533f);
    EXPECT_EQ(codes, (std::vector<int>{5}));
    EXPECT_EQ(p_edit->GetValue(), "6");
    type("6", WXK_TAB);
    EXPECT_EQ(codes.size(), 1u);
    before = m_Shell.log_lines().size();
    type("6.01", WXK_TAB);
    lines = m_Shell.log_lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(before), lines.end()),
              (std::vector<std::string>{"Msg: Invalid value, valid range: 0.0 - 6.0."}));
    EXPECT_EQ(p_edit->GetValue(), "6");
}

TEST_F(C_Tool_Pane, ToolButtonsActAsTheirMenuCommands)
{
    C_Sect& sect = M_Fn_Sect_Open();
    N_UI::N_Tool::C_Dlg_Sect_Edit& edit = sect_edit();

    // Create point: the menu command with a picked position.
    const auto menu = M_Fn_Log_Of([&] {
        m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Edit_D_Geom_C_Point);
        sect.M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Set_Scrn(N_Common::N_Math::C_Vector2<float>(12.5f, -3.0f));
    });
    EXPECT_NE(std::find(menu.begin(), menu.end(), "Msg: Done: Create section point"), menu.end());
    M_Fn_Settle();
    EXPECT_EQ(G_Fn_Text(edit.M_Fn_Ctrl(N_Cmd::E_Id_Edit_Undo)), "Undo: Create section point");

    // Undo and Redo by a real click on the tool buttons, then by Ctrl+Z and Ctrl+Y.
    wxUIActionSimulator sim;
    const auto press = [&](int i_Id) {
        wxWindow* p_button = edit.M_Fn_Ctrl(i_Id);
        ASSERT_TRUE(p_button->IsShownOnScreen());
        ASSERT_TRUE(G_Fn_Mouse_Move(sim, p_button->GetScreenRect().GetPosition() + p_button->GetSize() / 2));
        sim.MouseClick();
        G_Fn_Settle();
    };
    const auto undo_tool = M_Fn_Log_Of([&] { press(N_Cmd::E_Id_Edit_Undo); });
    EXPECT_EQ(undo_tool, (std::vector<std::string>{"Msg: Undo: Create section point"}));
    // The keyboard focus went back to the pane.
    EXPECT_TRUE(pane().M_Fn_Has_Focus());
    EXPECT_EQ(G_Fn_Text(edit.M_Fn_Ctrl(N_Cmd::E_Id_Edit_Redo)), "Redo: Create section point");
    M_Fn_Settle();
    const auto redo_tool = M_Fn_Log_Of([&] { press(N_Cmd::E_Id_Edit_Redo); });
    EXPECT_EQ(redo_tool, (std::vector<std::string>{"Msg: Redo: Create section point"}));
    const auto undo_key = M_Fn_Log_Of([&] { m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo); });
    const auto redo_key = M_Fn_Log_Of([&] { m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Redo); });
    EXPECT_EQ(undo_key, undo_tool);
    EXPECT_EQ(redo_key, redo_tool);

    // Create point again by the tool button with the typed position: the same lines in the log.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo);
    M_Fn_Settle();
    const auto tool = M_Fn_Log_Of([&] {
        G_Fn_Click(S_Fn_Sub_Ctrl(edit, 2, N_Cmd::E_Id_Sect_Edit_D_Geom_C_Point));
        ASSERT_EQ(edit.M_Fn_Sub_Get(), 6);
        C_Dlg& page = *edit.M_Fn_Subs().at(6);
        dynamic_cast<wxTextCtrl*>(page.M_Fn_Ctrl(2240))->ChangeValue("12.5");
        dynamic_cast<wxTextCtrl*>(page.M_Fn_Ctrl(2241))->ChangeValue("-3");
        M_Fn_Settle();
        G_Fn_Click(page.M_Fn_Ctrl(3111));
        EXPECT_EQ(G_Fn_Text(page.M_Fn_Ctrl(2240)), "");
        EXPECT_EQ(G_Fn_Text(page.M_Fn_Ctrl(2241)), "");
    });
    EXPECT_EQ(tool, menu);

    // A bad typed X: the message, Y left as typed.
    G_Fn_Click(S_Fn_Sub_Ctrl(edit, 2, N_Cmd::E_Id_Sect_Edit_D_Geom_C_Point));
    C_Dlg& page = *edit.M_Fn_Subs().at(6);
    dynamic_cast<wxTextCtrl*>(page.M_Fn_Ctrl(2240))->ChangeValue("abc");
    dynamic_cast<wxTextCtrl*>(page.M_Fn_Ctrl(2241))->ChangeValue("5");
    M_Fn_Settle();
    const auto bad = M_Fn_Log_Of([&] { G_Fn_Click(page.M_Fn_Ctrl(3111)); });
    EXPECT_EQ(bad, (std::vector<std::string>{"Msg: Invalid X value."}));
    EXPECT_EQ(G_Fn_Text(page.M_Fn_Ctrl(2241)), "5");
    G_Fn_Click(page.M_Fn_Ctrl(N_Cmd::E_Id_Edit_Cancel));

    // The load case "Bending My-" marks only its radio; the result graph's step moves it too.
    auto& anls = M_Fn_Dlg<N_UI::N_Tool::C_Dlg_Sect_Anls>(C_Wnd::E_Page_Sect, 2);
    G_Fn_Click(anls.M_Fn_Ctrl(3076));
    EXPECT_EQ(config().m_Load_Case, 5);
    for (int id = 3071; id <= 3076; ++id)
        EXPECT_EQ(G_Fn_Marked(anls.M_Fn_Ctrl(id)), id == 3076) << id;
    m_Shell.core().m_sp_Config->M_Fn_Load_Case_Step_Next();
    EXPECT_TRUE(G_Fn_Marked(anls.M_Fn_Ctrl(3071)));
    // A check box toggles its word as the menu does.
    G_Fn_Click(anls.M_Fn_Ctrl(3080));
    EXPECT_EQ(config().m_Sheet_Scientific, 1);
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Anls_Sheet_Scientific);
    EXPECT_FALSE(G_Fn_Marked(anls.M_Fn_Ctrl(3080)));

    // Show Thickness switches Show Loop off, and both checks follow.
    G_Fn_Click(edit.M_Fn_Ctrl(3106));
    ASSERT_EQ(edit.M_Fn_Sub_Get(), 3);
    M_Fn_Settle();
    G_Fn_Click(S_Fn_Sub_Ctrl(edit, 3, N_Cmd::E_Id_Sect_Edit_D_Tess_Show_Loop));
    EXPECT_EQ(config().m_Show_Loop, 1);
    G_Fn_Click(S_Fn_Sub_Ctrl(edit, 3, N_Cmd::E_Id_Sect_Edit_D_Tess_Show_Thk));
    EXPECT_EQ(config().m_Show_Thickness, 1);
    EXPECT_EQ(config().m_Show_Loop, 0);
    EXPECT_TRUE(G_Fn_Marked(S_Fn_Sub_Ctrl(edit, 3, N_Cmd::E_Id_Sect_Edit_D_Tess_Show_Thk)));
    EXPECT_FALSE(G_Fn_Marked(S_Fn_Sub_Ctrl(edit, 3, N_Cmd::E_Id_Sect_Edit_D_Tess_Show_Loop)));
}

TEST_F(C_Tool_Pane, EveryUsableControlReachesAHandler)
{
    // The controls of a page's dialogs and sub-pages that the user can use, but the application's
    // file commands: each is taken by the dialog (point entry) or by i_Takes. Their number.
    const auto check = [&](int i_Page, N_UI::N_Tool::C_Dlg_Edit& ro_Edit, const std::function<bool(int)>& i_Takes) {
        M_Fn_Settle();
        std::vector<C_Dlg*> dlgs(pane().M_Fn_Dlgs(i_Page).begin(), pane().M_Fn_Dlgs(i_Page).end());
        for (C_Dlg* p_sub : ro_Edit.M_Fn_Subs())
            dlgs.push_back(p_sub);
        int usable = 0;
        for (C_Dlg* p_dlg : dlgs)
            for (const N_UI::N_Tool::C_Item& item : N_UI::N_Tool::G_Fn_Template(p_dlg->M_Fn_Template_Get())) {
                wxWindow* p_ctrl = p_dlg->M_Fn_Ctrl(item.m_Id);
                if (!p_ctrl || !p_ctrl->IsShownOnScreen() || !p_ctrl->IsEnabled() || item.m_Kind == N_UI::N_Tool::C_Item::E_Label ||
                    item.m_Kind == N_UI::N_Tool::C_Item::E_Swatch || item.m_Kind == N_UI::N_Tool::C_Item::E_Placeholder ||
                    (item.m_Id >= 2240 && item.m_Id <= 2242))
                    continue;
                const int id = item.m_Id;
                if (id >= N_Cmd::E_Id_File_Proj_New && id <= N_Cmd::E_Id_File_Proj_View_Close)
                    continue; // the application's, always usable
                ++usable;
                EXPECT_TRUE(id == 3111 || id == 4107 || i_Takes(id)) << id;
            }
        return usable;
    };
    // The project page with the project window active: what the project document takes is usable.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return pane().M_Fn_Page_Get_Active() == C_Wnd::E_Page_Proj; }));
    EXPECT_GT(check(C_Wnd::E_Page_Proj, proj_edit(), &N_UI::N_MDI::N_Proj::C_Doc::S_Fn_Takes), 10);

    // The section page: what the section document takes is usable, and nothing else.
    C_Sect& sect = M_Fn_Import();
    sect.M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
    ASSERT_TRUE(G_Fn_Wait_For([&] { return pane().M_Fn_Sect_Get() == &sect; }));
    EXPECT_GT(check(C_Wnd::E_Page_Sect, sect_edit(), &N_UI::N_MDI::N_Sect::C_Doc::S_Fn_Takes), 40);
    // The element page with its edits.
    G_Fn_Click(sect_edit().M_Fn_Ctrl(3106));
    EXPECT_GT(check(C_Wnd::E_Page_Sect, sect_edit(), &N_UI::N_MDI::N_Sect::C_Doc::S_Fn_Takes), 40);
}

TEST_F(C_Tool_Pane, ACurrentProjectOrSectionThatGoesIsForgotten)
{
    // A project announcing its end while its page shows: the pane keeps no pointer to it.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    proj().M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Frame_Activate);
    ASSERT_EQ(pane().M_Fn_Proj_Get(), &proj());
    proj().M_Fn_Signal_Fire(N_Biz::N_Proj::E_Signal_Destroy);
    EXPECT_EQ(pane().M_Fn_Page_Get_Active(), C_Wnd::E_Page_General);
    EXPECT_EQ(pane().M_Fn_Proj_Get(), nullptr);

    // The same for a section whose window is active.
    C_Sect& sect = M_Fn_Import();
    sect.M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
    ASSERT_TRUE(G_Fn_Wait_For([&] { return pane().M_Fn_Sect_Get() == &sect; }));
    sect.M_Fn_Signal_Fire(N_Biz::N_Sect::E_Signal_Destroy);
    EXPECT_EQ(pane().M_Fn_Page_Get_Active(), C_Wnd::E_Page_General);
    EXPECT_EQ(pane().M_Fn_Sect_Get(), nullptr);
    EXPECT_EQ(pane().M_Fn_Proj_Get(), nullptr);
}
