// The property dialog, the properties pane and the list dialog on screen: a material created
// through the dialog, modified in the pane and undone; a property picked from the list; the
// section's sensitivity list. Screenshots of each go into the build tree's gui/ folder.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_D_Group_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "common/Common_String.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_List_Dlg.h"
#include "ui/UI_MDI_Sect_Doc.h"
#include "ui/UI_MDI_Sect_Wnd_Frame_Child.h"
#include "ui/UI_Property_Ctrl.h"
#include "ui/UI_Property_Dlg.h"
#include "ui/UI_Property_Wnd.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/tglbtn.h>
#include <wx/timer.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;
namespace N_DB = N_Biz::N_DB;
using N_Biz::N_Sect::C_Sect;

namespace {

// The window as the screen shows it once it has painted, as a PNG in the build tree's gui/ folder;
// true when written.
bool G_Fn_Shot_Painted(wxWindow* i_p_Window, const char* i_Name)
{
    i_p_Window->Update();
    G_Fn_Run_For(std::chrono::milliseconds(200));
    return G_Fn_Shot(i_p_Window, i_Name).IsOk();
}

// Presses a button as a click does.
void G_Fn_Press(wxWindow* i_p_Button)
{
    const bool toggle = dynamic_cast<wxToggleButton*>(i_p_Button) != nullptr;
    wxCommandEvent event(toggle ? wxEVT_TOGGLEBUTTON : wxEVT_BUTTON, i_p_Button->GetId());
    event.SetEventObject(i_p_Button);
    i_p_Button->ProcessWindowEvent(event);
}

// Calls i_Open, which shows a modal dialog of class T (maybe over another one); once it is up,
// i_Script runs with it and must end it.
template <class T>
void G_Fn_With_Modal_Of(const std::function<void()>& i_Open, const std::function<void(T&)>& i_Script)
{
    wxTimer timer;
    bool done = false;
    timer.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        for (wxWindow* p_window : wxTopLevelWindows) {
            auto* p_dialog = dynamic_cast<T*>(p_window);
            if (!done && p_dialog && p_dialog->IsModal() && p_dialog->IsShown()) {
                done = true;
                timer.Stop();
                i_Script(*p_dialog);
                return;
            }
        }
    });
    timer.Start(10);
    i_Open();
    timer.Stop();
    EXPECT_TRUE(done) << "the dialog never came up";
}

float G_Fn_Float(N_DB::C_Row& ro_Row, N_DB::E_Id_Column i_Id)
{
    return ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id).M_Fn_Get<float>();
}

// A new project with one section imported from IGES in a group of its own.
class C_Property_Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Shell.M_Fn_Start());
        m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
        ASSERT_NE(m_Shell.core().m_sp_Proj, nullptr);
    }
    N_Biz::N_Proj::C_Proj& proj() { return *m_Shell.core().m_sp_Proj; }
    bool M_Fn_Logged(const std::string& i_Line)
    {
        const auto lines = m_Shell.log_lines();
        return std::find(lines.begin(), lines.end(), i_Line) != lines.end();
    }

    // The section, made and imported in one history entry as the project's section import does,
    // with its window open and active.
    C_Sect& M_Fn_Sect_Open()
    {
        namespace N_Cmd_Proj = N_Biz::N_Proj::N_Cmd;
        N_Biz::N_IGES::N_Import::C_Context_File file(
            N_Common::N_String::G_Fn_To_Wide_UTF8(VT_TESTDATA_DIR "/iges/tubes_splined.iges"), L"tubes.iges");
        EXPECT_EQ(file.M_Fn_Import(), 1);
        auto sp_entry = std::make_shared<N_Cmd_Proj::C_Entry_C>(L"Import section", &proj());
        C_Sect* p_sect = nullptr;
        proj().M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
            auto sp_elems = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
            sp_entry->M_Fn_Child_Add_and_Execute(sp_elems);
            const std::uint32_t g = proj().M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().next_index();
            auto sp_group = std::make_shared<N_Biz::N_Proj::C_D_Group_Sect>();
            sp_elems->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd_Proj::C_Elem_D_Sect_Group_Add_At>(&proj(), g, sp_group));
            C_Sect::S_p_Proj = &proj();
            auto sp_sect = std::make_shared<C_Sect>();
            C_Sect::S_p_Proj = nullptr;
            sp_sect->M_Fn_Get_Mgr_Doc().M_Fn_Create();
            p_sect = sp_sect.get();
            sp_elems->M_Fn_Child_Add_and_Execute(
                std::make_shared<N_Cmd_Proj::C_Elem_D_Sect_Individual_Add_At>(&proj(), g, 1, sp_sect));
            EXPECT_EQ(p_sect->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Import(sp_elems, file), 1);
        });
        p_sect->M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
        EXPECT_TRUE(G_Fn_Wait_For([&] { return p_sect->M_Fn_Get_Mgr_Frame().m_p_View_Main != nullptr; }));
        G_Fn_Run_For(std::chrono::milliseconds(100));
        return *p_sect;
    }

    N_UI::N_Property::C_Wnd& pane() { return *m_Shell.frame()->M_Fn_Get_Property(); }

    C_Shell m_Shell;
};

} // namespace

TEST_F(C_Property_Window, AMaterialIsCreatedInTheDialogModifiedInThePaneAndUndone)
{
    C_Sect& sect = M_Fn_Sect_Open();
    auto& materials = proj().M_Fn_Get_Mgr_D_DB_C_M();
    const std::uint32_t slot = materials.M_Fn_Get_Store().next_index();

    // The create command opens the dialog with the defaults.
    std::wstring name_shown;
    bool shot = false;
    G_Fn_With_Modal(
        [&] {
            materials.M_Fn_Dlg_Create();
            return 0;
        },
        [&](wxDialog& ro_Dialog) {
            auto* p_dlg = dynamic_cast<N_UI::N_Property::C_Dlg*>(&ro_Dialog);
            ASSERT_NE(p_dlg, nullptr);
            EXPECT_EQ(p_dlg->GetTitle(), "Properties");
            EXPECT_EQ(p_dlg->M_Fn_Apply_Button()->GetLabel(), "Create");
            EXPECT_EQ(p_dlg->M_Fn_Type_Box()->GetStringSelection(), "(Recommended) Simple Material");
            wxPGProperty* p_name = p_dlg->M_Fn_Grid()->GetProperty("Name");
            ASSERT_NE(p_name, nullptr);
            name_shown = p_name->GetValueAsString().ToStdWstring();
            // A typed name goes into the card.
            EXPECT_TRUE(p_dlg->M_Fn_Grid()->GetGrid()->ChangePropertyValue(p_name, wxString("Alu")));
            shot = G_Fn_Shot_Painted(p_dlg, "property_dialog_create.png");
            G_Fn_Press(p_dlg->M_Fn_Apply_Button());
        });
    EXPECT_EQ(name_shown, L"Untitled Material");
    EXPECT_TRUE(shot);
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Create material card"));
    ASSERT_TRUE(materials.M_Fn_Get_Store().is_used_at(slot));
    N_DB::C_Row_C_Material& card = *materials.M_Fn_Get_At(slot);
    EXPECT_EQ(card.M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Name).M_Fn_Get<std::wstring>(), L"Alu");

    // The section window in material mode, the new card selected: the pane shows it.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Sel_Material);
    ASSERT_EQ(sect.M_Fn_Get_Mgr_Sel().M_Fn_Mode_Get(), 1u);
    materials.M_Fn_Sel().M_Fn_Sel_P0_Add(materials.M_Fn_Get_At(slot));
    materials.M_Fn_Sel().M_Fn_Sel_P1_Update_Yes();
    N_UI::N_Property::C_Ctrl_Wx* p_grid = pane().M_Fn_Grid();
    ASSERT_TRUE(G_Fn_Wait_For([&] { return !p_grid->M_Fn_Render_Pending() && p_grid->GetProperty("E"); }));
    EXPECT_EQ(p_grid->GetProperty("E")->GetValueAsString(), "210000");

    // An edit in the pane is one entry at once; the pane shows the card again afterwards.
    EXPECT_TRUE(p_grid->GetGrid()->ChangePropertyValue(p_grid->GetProperty("E"), wxString("70000")));
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Modify material card"));
    EXPECT_EQ(G_Fn_Float(card, N_DB::E_Id_Column_Modulus_E), 70000.0f);
    ASSERT_TRUE(G_Fn_Wait_For([&] {
        return !pane().M_Fn_Model().M_Fn_Update_Pending() && !p_grid->M_Fn_Render_Pending() && p_grid->GetProperty("E") &&
               p_grid->GetProperty("E")->GetValueAsString() == "70000";
    }));
    EXPECT_TRUE(G_Fn_Shot_Painted(&pane(), "property_pane_modified.png"));

    // A value out of range is refused with the warning in the output pane.
    EXPECT_TRUE(p_grid->GetGrid()->ChangePropertyValue(p_grid->GetProperty("NU"), wxString("0.9")));
    G_Fn_Run_For(std::chrono::milliseconds(50));
    EXPECT_TRUE(M_Fn_Logged(
        "Msg: Warning: The new value is out of range, exceeds upper bound, changing has been rejected."));
    EXPECT_EQ(p_grid->GetProperty("NU")->GetValueAsString(), "0.3");

    // Undo restores the card, and the pane follows.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo);
    EXPECT_TRUE(M_Fn_Logged("Msg: Undo: Modify material card"));
    EXPECT_EQ(G_Fn_Float(card, N_DB::E_Id_Column_Modulus_E), 210000.0f);
    EXPECT_TRUE(G_Fn_Wait_For([&] {
        return !p_grid->M_Fn_Render_Pending() && p_grid->GetProperty("E") &&
               p_grid->GetProperty("E")->GetValueAsString() == "210000";
    }));
}

TEST_F(C_Property_Window, APropertyIsPickedFromTheList)
{
    M_Fn_Sect_Open();
    auto& properties = proj().M_Fn_Get_Mgr_D_DB_C_P();
    // The IGES import made the property card of the section's colour; one more is added.
    N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Property> sp_more(new N_DB::C_Row_C_Property(
        m_Shell.core().m_sp_Schema->M_Fn_Info_Table_Lookup_By_Format(1, "Property")));
    sp_more->M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Name).M_Fn_Ref<std::wstring>() = L"Web";
    properties.M_Fn_Proc_Cmd_Top_Add(properties.M_Fn_Get_Store().next_index(), sp_more);
    std::vector<std::uint32_t> slots;
    for (std::uint32_t i = 1; i < properties.M_Fn_Get_Store().size(); ++i)
        if (properties.M_Fn_Get_Store().is_used_at(i))
            slots.push_back(i);
    ASSERT_GE(slots.size(), 2u);
    const std::uint32_t wanted = slots.back();
    ASSERT_NE(properties.M_Fn_Palette_Get(), wanted);

    bool shot = false;
    G_Fn_With_Modal(
        [&] {
            properties.M_Fn_Dlg_Palette_List();
            return 0;
        },
        [&](wxDialog& ro_Dialog) {
            auto* p_dlg = dynamic_cast<N_UI::N_List::C_Dlg*>(&ro_Dialog);
            ASSERT_NE(p_dlg, nullptr);
            EXPECT_EQ(p_dlg->GetTitle(), "List");
            N_UI::N_List::C_Ctrl* p_list = p_dlg->M_Fn_List();
            EXPECT_EQ(p_list->GetColumnCount(), 13);
            ASSERT_EQ(p_list->GetItemCount(), static_cast<int>(slots.size()));
            ASSERT_EQ(p_dlg->M_Fn_Buttons().size(), 3u);
            EXPECT_EQ(p_dlg->M_Fn_Buttons()[2]->GetLabel(), "Select");
            // Buttons 100 pixels from the right edge, 30 apart.
            const int w = p_dlg->GetClientSize().GetWidth();
            EXPECT_EQ(p_dlg->M_Fn_Buttons()[1]->GetPosition(), wxPoint(w - 100, 40));
            const long last = p_list->GetItemCount() - 1;
            EXPECT_EQ(p_list->GetItemData(last), wanted);
            EXPECT_EQ(p_list->GetItemText(last, 0), "Web");
            p_list->SetItemState(last, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
            shot = G_Fn_Shot_Painted(p_dlg, "list_dialog_pick.png");
            // Resized: the buttons keep their distance from the right edge, the list fills the rest.
            p_dlg->SetClientSize(900, 500);
            EXPECT_TRUE(G_Fn_Wait_For([&] {
                return p_dlg->M_Fn_Buttons()[2]->GetPosition() == wxPoint(p_dlg->GetClientSize().GetWidth() - 100, 70);
            }));
            EXPECT_EQ(p_list->GetSize().GetWidth(), p_dlg->GetClientSize().GetWidth() - 118);
            G_Fn_Press(p_dlg->M_Fn_Buttons()[2]);
        });
    EXPECT_TRUE(shot);
    EXPECT_EQ(properties.M_Fn_Palette_Get(), wanted);
}

TEST_F(C_Property_Window, TheSensitivityListSwitchesBetweenItsThreeResults)
{
    C_Sect& sect = M_Fn_Sect_Open();
    (void)sect;
    bool shot = false;
    G_Fn_With_Modal(
        [&] {
            m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Anls_Sensitivity);
            return 0;
        },
        [&](wxDialog& ro_Dialog) {
            auto* p_dlg = dynamic_cast<N_UI::N_List::C_Dlg*>(&ro_Dialog);
            ASSERT_NE(p_dlg, nullptr);
            ASSERT_EQ(p_dlg->M_Fn_Buttons().size(), 3u);
            auto* p_yield = dynamic_cast<wxToggleButton*>(p_dlg->M_Fn_Buttons()[0]);
            auto* p_thk = dynamic_cast<wxToggleButton*>(p_dlg->M_Fn_Buttons()[1]);
            ASSERT_TRUE(p_yield && p_thk);
            EXPECT_TRUE(p_yield->GetValue());
            N_UI::N_List::C_Ctrl* p_list = p_dlg->M_Fn_List();
            wxListItem column;
            column.SetMask(wxLIST_MASK_TEXT);
            p_list->GetColumn(0, column);
            EXPECT_EQ(column.GetText(), "Material Name");
            EXPECT_EQ(p_list->GetItemCount(), static_cast<int>(p_dlg->m_Model.M_Fn_Sen_Y().m_List.size()));
            G_Fn_Press(p_thk);
            EXPECT_TRUE(p_thk->GetValue());
            EXPECT_FALSE(p_yield->GetValue());
            p_list->GetColumn(0, column);
            EXPECT_EQ(column.GetText(), "Property Name");
            shot = G_Fn_Shot_Painted(p_dlg, "list_dialog_sensitivity.png");
            p_dlg->EndModal(wxID_CANCEL);
        });
    EXPECT_TRUE(shot);
}

TEST_F(C_Property_Window, TheGeometryModifyCommandOpensThePointInTheDialog)
{
    C_Sect& sect = M_Fn_Sect_Open();
    auto& points = sect.M_Fn_Get_Mgr_D_Geom_P();
    std::uint32_t id = 0;
    for (std::uint32_t i = 1; i < points.M_Fn_Get_Store().size() && !id; ++i)
        if (points.M_Fn_Get_Store().is_used_at(i))
            id = i;
    ASSERT_NE(id, 0u);
    const float y = points.M_Fn_Get_At(id).m_Y;
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Sel_Geometry);
    points.M_Fn_Sel_P0_Add(N_Biz::N_Sect::C_Handle_D_Geom_P(id, {0, 0}));
    points.M_Fn_Sel_P1_Update_Or();
    G_Fn_With_Modal(
        [&] {
            m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Edit_D_Geom_Modify);
            return 0;
        },
        [&](wxDialog& ro_Dialog) {
            auto* p_dlg = dynamic_cast<N_UI::N_Property::C_Dlg*>(&ro_Dialog);
            ASSERT_NE(p_dlg, nullptr);
            EXPECT_EQ(p_dlg->M_Fn_Apply_Button()->GetLabel(), "Modify");
            EXPECT_EQ(p_dlg->M_Fn_Type_Box()->GetStringSelection(), "Section Geometric Point");
            wxPGProperty* p_x = p_dlg->M_Fn_Grid()->GetProperty("X");
            ASSERT_NE(p_x, nullptr);
            EXPECT_TRUE(p_dlg->M_Fn_Grid()->GetGrid()->ChangePropertyValue(p_x, wxString("-12.5")));
            EXPECT_TRUE(G_Fn_Shot_Painted(p_dlg, "property_dialog_point.png"));
            G_Fn_Press(p_dlg->M_Fn_Apply_Button());
        });
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Modify section point"));
    EXPECT_EQ(points.M_Fn_Get_At(id).m_X, -12.5f);
    EXPECT_EQ(points.M_Fn_Get_At(id).m_Y, y);
}

TEST_F(C_Property_Window, AKeyRowsButtonPicksAnotherPropertyFromTheList)
{
    C_Sect& sect = M_Fn_Sect_Open();
    auto& properties = proj().M_Fn_Get_Mgr_D_DB_C_P();
    N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Property> sp_web(new N_DB::C_Row_C_Property(
        m_Shell.core().m_sp_Schema->M_Fn_Info_Table_Lookup_By_Format(1, "Property")));
    sp_web->M_Fn_Id_Set(77);
    const std::uint32_t slot = properties.M_Fn_Get_Store().next_index();
    properties.M_Fn_Proc_Cmd_Top_Add(slot, sp_web);
    auto& entities = sect.M_Fn_Get_Mgr_D_Geom_E();
    std::uint32_t id = 0;
    for (std::uint32_t i = 1; i < entities.M_Fn_Get_Store().size() && !id; ++i)
        if (entities.M_Fn_Get_Store().is_used_at(i))
            id = i;
    ASSERT_NE(id, 0u);
    const auto sp_before = entities.M_Fn_Get_At(id)->m_Key_C_P.M_Fn_Lock();
    ASSERT_NE(sp_before.get(), sp_web.get());

    std::uint32_t preselected = 0;
    G_Fn_With_Modal_Of<N_UI::N_Property::C_Dlg>(
        [&] { N_Biz::N_Sect::C_Mgr_D_Geom_E::S_Fn_Dlg_Property(entities, id); },
        [&](N_UI::N_Property::C_Dlg& ro_Dlg) {
            N_UI::N_Property::C_Ctrl_Wx* p_grid = ro_Dlg.M_Fn_Grid();
            wxPGProperty* p_key = p_grid->GetProperty("PID");
            ASSERT_NE(p_key, nullptr);
            // The row's editor with its button, clicked.
            ASSERT_TRUE(p_grid->GetGrid()->SelectProperty(p_key, true));
            wxWindow* p_button = p_grid->GetGrid()->GetEditorControlSecondary();
            ASSERT_NE(p_button, nullptr);
            bool picked = false;
            G_Fn_With_Modal_Of<N_UI::N_List::C_Dlg>(
                [&] {
                    G_Fn_Press(p_button);
                    G_Fn_Wait_For([&] { return picked; });
                },
                [&](N_UI::N_List::C_Dlg& ro_List) {
                    picked = true;
                    N_UI::N_List::C_Ctrl* p_list = ro_List.M_Fn_List();
                    const long selected = p_list->M_Fn_Selected();
                    if (selected >= 0)
                        preselected = static_cast<std::uint32_t>(p_list->GetItemData(selected));
                    const long last = p_list->GetItemCount() - 1;
                    p_list->SetItemState(last, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
                    ro_List.M_Fn_On_Button(N_UI::N_List::E_Id_Select);
                });
            EXPECT_EQ(p_key->GetValueAsString(), "77");
            EXPECT_TRUE(ro_Dlg.m_Model.m_Modified);
            G_Fn_Press(ro_Dlg.M_Fn_Apply_Button());
        });
    EXPECT_EQ(preselected, sp_before ? static_cast<std::uint32_t>(sp_before->M_Fn_Pos_Get()) : 0u);
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Modify section geometry"));
    EXPECT_EQ(entities.M_Fn_Get_At(id)->m_Key_C_P.M_Fn_Lock().get(), sp_web.get());
}

TEST_F(C_Property_Window, TheMaterialListShowsTheCardsAndDetailOpensOne)
{
    M_Fn_Sect_Open();
    bool detail = false;
    G_Fn_With_Modal_Of<N_UI::N_List::C_Dlg>(
        [&] { m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Edit_D_DB_C_M_List); },
        [&](N_UI::N_List::C_Dlg& ro_List) {
            // A list to show: no Select button.
            ASSERT_EQ(ro_List.M_Fn_Buttons().size(), 2u);
            N_UI::N_List::C_Ctrl* p_list = ro_List.M_Fn_List();
            ASSERT_GE(p_list->GetItemCount(), 1);
            EXPECT_EQ(p_list->GetItemText(0, 0), "Default Material");
            EXPECT_EQ(p_list->GetItemText(0, 3), "(Recommended) Simple Material");
            p_list->SetItemState(0, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
            G_Fn_With_Modal_Of<N_UI::N_Property::C_Dlg>(
                [&] { G_Fn_Press(ro_List.M_Fn_Buttons()[1]); },
                [&](N_UI::N_Property::C_Dlg& ro_Dlg) {
                    detail = true;
                    EXPECT_EQ(ro_Dlg.GetParent(), &ro_List);
                    EXPECT_EQ(ro_Dlg.M_Fn_Apply_Button()->GetLabel(), "Modify");
                    ASSERT_NE(ro_Dlg.M_Fn_Grid()->GetProperty("Name"), nullptr);
                    EXPECT_EQ(ro_Dlg.M_Fn_Grid()->GetProperty("Name")->GetValueAsString(), "Default Material");
                    ro_Dlg.EndModal(wxID_CANCEL);
                });
            // Listed again with the card selected.
            EXPECT_EQ(p_list->M_Fn_Selected(), 0);
            ro_List.EndModal(wxID_CANCEL);
        });
    EXPECT_TRUE(detail);
}

// Undo and redo in a section window: the pane lets go of a point and of a material card that an
// undo takes away, and takes the edit of a point that a redo brought back.
TEST_F(C_Property_Window, ThePaneShowsWhatAnUndoLeavesAndEditsWhatARedoBringsBack)
{
    C_Sect& sect = M_Fn_Sect_Open();
    N_UI::N_Property::C_Ctrl_Wx* p_grid = pane().M_Fn_Grid();
    // Once the pane has drawn what it was asked to show.
    const auto settled = [&] { return !pane().M_Fn_Model().M_Fn_Update_Pending() && !p_grid->M_Fn_Render_Pending(); };
    const auto empty = [&] { return settled() && p_grid->GetGrid()->GetRoot()->GetChildCount() == 0; };
    const auto shows = [&](const char* i_Name) { return settled() && p_grid->GetProperty(i_Name) != nullptr; };

    // A point through the create command and a typed position, then picked as a click picks it.
    auto& points = sect.M_Fn_Get_Mgr_D_Geom_P();
    const std::uint32_t id = points.M_Fn_Next_Index();
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Edit_D_Geom_C_Point);
    sect.M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Set_Scrn({1000, 2000});
    ASSERT_TRUE(M_Fn_Logged("Msg: Done: Create section point"));
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Cancel);
    const auto pick = [&] {
        points.M_Fn_Sel_P0_Add(N_Biz::N_Sect::C_Handle_D_Geom_P(id, {}));
        sect.M_Fn_Get_Mgr_Sel().M_Fn_Sel_P1_Update(false, false);
    };
    pick();
    ASSERT_TRUE(G_Fn_Wait_For([&] { return shows("X"); }));
    EXPECT_EQ(p_grid->GetProperty("X")->GetValueAsString(), "1000");

    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo);
    EXPECT_TRUE(M_Fn_Logged("Msg: Undo: Create section point"));
    EXPECT_FALSE(points.M_Fn_Get_Store().is_used_at(id));
    EXPECT_TRUE(G_Fn_Wait_For(empty));
    EXPECT_TRUE(sect.M_Fn_Get_Mgr_Sel().M_Fn_Desc_Get().empty());

    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Redo);
    EXPECT_TRUE(M_Fn_Logged("Msg: Redo: Create section point"));
    EXPECT_TRUE(G_Fn_Wait_For(empty));
    pick();
    ASSERT_TRUE(G_Fn_Wait_For([&] { return shows("X"); }));
    EXPECT_TRUE(p_grid->GetGrid()->ChangePropertyValue(p_grid->GetProperty("X"), wxString("1500")));
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Modify section point"));
    EXPECT_EQ(points.M_Fn_Get_At(id).m_X, 1500.0f);

    // A material card created and selected in the window's material mode, then undone.
    auto& materials = proj().M_Fn_Get_Mgr_D_DB_C_M();
    const std::uint32_t slot = materials.M_Fn_Get_Store().next_index();
    N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Material> sp_card(
        new N_DB::C_Row_C_Material(m_Shell.core().m_sp_Schema->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
    materials.M_Fn_Proc_Cmd_Top_Add(slot, sp_card);
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Sel_Material);
    materials.M_Fn_Sel().M_Fn_Sel_P0_Add(sp_card);
    materials.M_Fn_Sel().M_Fn_Sel_P1_Update_Yes();
    ASSERT_TRUE(G_Fn_Wait_For([&] { return shows("E"); }));
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo);
    EXPECT_TRUE(M_Fn_Logged("Msg: Undo: Create material card"));
    EXPECT_FALSE(materials.M_Fn_Get_Store().is_used_at(slot));
    EXPECT_TRUE(G_Fn_Wait_For(empty));
    EXPECT_FALSE(M_Fn_Logged("Exception caught at:"));
}
