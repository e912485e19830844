// Sizes and refused input on screen: the tools pane's groups fit the pane on every page, whichever
// sub-page an edit dialog shows; a key row of the property grid offers its button and no text
// editor, and a change the grid refuses shows no box of the toolkit.
#include "tests/gui/Test_GUI_Support.h"

#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Property_Ctrl.h"
#include "ui/UI_Property_Dlg.h"
#include "ui/UI_Tool_Dlg_Edit.h"
#include "ui/UI_Tool_Wnd.h"

#include <gtest/gtest.h>

#include <wx/propgrid/propgrid.h>
#include <wx/scrolwin.h>

using namespace N_Test_GUI;

namespace {

class C_Input_Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Shell.M_Fn_Start());
        m_Shell.M_Fn_Command(N_UI::N_Cmd::E_Id_File_Proj_New);
        ASSERT_NE(m_Shell.core().m_sp_Proj, nullptr);
    }
    C_Shell m_Shell;
};

} // namespace

TEST_F(C_Input_Window, ToolGroupsFitThePaneOnEveryPageWithEverySubPage)
{
    N_UI::N_Tool::C_Wnd& pane = *m_Shell.frame()->M_Fn_Get_Tool();
    // The docking layout gives the pane the width it asks for.
    ASSERT_TRUE(G_Fn_Wait_For([&] { return pane.GetSize().GetWidth() >= pane.M_Fn_Width_Preferred(); }));
    const auto fits = [&](int i_Page, const N_UI::N_Tool::C_Dlg& ro_Dlg, int i_Sub) {
        wxScrolledWindow* p_page = pane.M_Fn_Page_Window(i_Page);
        EXPECT_LE(ro_Dlg.GetScreenRect().GetRight(), p_page->GetScreenRect().GetRight())
            << "page " << i_Page << ", template " << ro_Dlg.M_Fn_Template_Get() << ", sub-page " << i_Sub;
        EXPECT_LE(p_page->GetVirtualSize().GetWidth(), p_page->GetClientSize().GetWidth()) << "page " << i_Page;
    };
    const std::function<void()> shows[3] = {[&] { pane.M_Fn_Page_Show_General(); },
                                            [&] { pane.M_Fn_Page_Show_Proj(); },
                                            [&] { pane.M_Fn_Page_Show_Sect(); }};
    for (int page = 0; page < 3; ++page) {
        shows[page]();
        for (N_UI::N_Tool::C_Dlg* p_dlg : pane.M_Fn_Dlgs(page)) {
            fits(page, *p_dlg, -1);
            auto* p_edit = dynamic_cast<N_UI::N_Tool::C_Dlg_Edit*>(p_dlg);
            for (int sub = 0; p_edit && sub < static_cast<int>(p_edit->M_Fn_Subs().size()); ++sub) {
                p_edit->M_Fn_Sub_Show(sub);
                fits(page, *p_edit->M_Fn_Subs()[static_cast<std::size_t>(sub)], sub);
            }
        }
    }
}

TEST_F(C_Input_Window, AKeyRowOffersItsButtonOnlyAndARefusedChangeShowsNoBox)
{
    using N_UI::N_Property::C_Dlg_Model;
    G_Fn_With_Modal(
        [&] {
            // A new property card: its material is a key row.
            N_UI::C_App_Port_Wx::S_Fn_Dlg_Property([&](C_Dlg_Model& ro_Model) {
                ro_Model.m_Mode = C_Dlg_Model::E_Mode_Create;
                ro_Model.m_Kind = C_Dlg_Model::E_Kind_C_P;
                ro_Model.m_p_Proj = m_Shell.core().m_sp_Proj.get();
            });
            return 0;
        },
        [&](wxDialog& ro_Dialog) {
            N_UI::N_Property::C_Ctrl_Wx& grid = *dynamic_cast<N_UI::N_Property::C_Dlg&>(ro_Dialog).M_Fn_Grid();
            const N_UI::N_Property::C_Row* p_key = nullptr;
            for (const auto* p_group : grid.M_Fn_Model().M_Fn_Rows_Top())
                for (const auto* p_row : p_group->m_Children)
                    if (p_row->m_Kind == N_UI::N_Property::E_Row_Key && !p_key)
                        p_key = p_row;
            wxPGProperty* p_prop = grid.M_Fn_Property_Of(p_key);
            ASSERT_NE(p_prop, nullptr);
            const wxString before = p_prop->GetValueAsString();
            ASSERT_TRUE(grid.GetGrid()->SelectProperty(p_prop, true));
            EXPECT_EQ(grid.GetGrid()->GetEditorControl(), nullptr) << "a text editor on the key row";
            EXPECT_NE(grid.GetGrid()->GetEditorControlSecondary(), nullptr) << "no button on the key row";
            // A value that reaches the key row anyway is refused, silently.
            G_Fn_No_Dialog([&] { EXPECT_FALSE(grid.GetGrid()->ChangePropertyValue(p_prop, wxString("77"))); });
            EXPECT_EQ(p_prop->GetValueAsString(), before);
            ro_Dialog.EndModal(wxID_CANCEL);
        });
}
