// The project explorer: the tree of a new project, section groups and sections with their texts,
// the hooks' refusals, and the popup menus with their commands, run in the program's main frame.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_D_Group_Sect.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"
#include "ui/UI_Tree_Wnd.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;
using N_Biz::N_Sect::C_Sect;
using N_UI::N_Tree::C_Ctrl;

namespace {

bool G_Fn_Has_Line(const std::vector<std::string>& i_Lines, const std::string& i_Line)
{
    return std::find(i_Lines.begin(), i_Lines.end(), i_Line) != i_Lines.end();
}

class C_Tree : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Shell.M_Fn_Start());
        m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
        ASSERT_NE(m_Shell.core().m_sp_Proj, nullptr);
    }

    N_Biz::N_Proj::C_Proj& proj() { return *m_Shell.core().m_sp_Proj; }
    N_UI::N_Tree::C_Wnd& pane() { return *m_Shell.frame()->M_Fn_Get_Tree(); }
    C_Ctrl& ctrl() { return *pane().M_Fn_Get_Ctrl(); }
    std::wstring dump() { return ctrl().M_Fn_Dump(); }

    // The top-level item's child with text i_Text (depth first), or an invalid id.
    wxTreeItemId M_Fn_Find(const wxString& i_Text)
    {
        std::vector<wxTreeItemId> open{ctrl().GetRootItem()};
        while (!open.empty()) {
            const wxTreeItemId parent = open.back();
            open.pop_back();
            wxTreeItemIdValue cookie;
            for (wxTreeItemId item = ctrl().GetFirstChild(parent, cookie); item.IsOk();
                 item = ctrl().GetNextChild(parent, cookie)) {
                if (ctrl().GetItemText(item) == i_Text)
                    return item;
                open.push_back(item);
            }
        }
        return wxTreeItemId();
    }

    // The popup request over the item (its label's centre in screen coordinates): the menu id.
    std::uint32_t M_Fn_Popup_At(const wxTreeItemId& ro_Item)
    {
        wxRect rect;
        EXPECT_TRUE(ctrl().GetBoundingRect(ro_Item, rect, true));
        return pane().M_Fn_Popup(ctrl().ClientToScreen(rect.GetPosition() + wxPoint(rect.width / 2, rect.height / 2)),
                                 false);
    }

    C_Sect& M_Fn_Sect_Import(std::uint32_t i_Group)
    {
        return G_Fn_Sect_Import(proj(), VT_TESTDATA_DIR "/iges/tubes_splined.iges", i_Group);
    }

    C_Shell m_Shell{E_Box_Answer_No};
};

} // namespace

TEST_F(C_Tree, NewProjectShowsRootFoldersAndDefaultMaterialExpanded)
{
    const std::wstring name = proj().M_Fn_Name_Get();
    EXPECT_EQ(name.rfind(L"Project ", 0), 0u);
    EXPECT_EQ(dump(), name + L"\n  Materials:\n    Default Material\n  Properties:\n  Models:\n");
    const wxTreeItemId root = M_Fn_Find(name);
    ASSERT_TRUE(root.IsOk());
    EXPECT_TRUE(ctrl().IsExpanded(root));
    EXPECT_TRUE(ctrl().IsExpanded(M_Fn_Find("Materials:")));
    EXPECT_EQ(ctrl().GetItemParent(root), ctrl().GetRootItem());

    // A connected hook refuses a second add; the tree is unchanged.
    const std::wstring before = dump();
    EXPECT_THROW(proj().M_Fn_Get_Tree().M_Fn_On_Add_Proj(&proj()), N_Common::N_Exception::C_Exception);
    EXPECT_THROW(proj().M_Fn_Get_Tree().M_Fn_On_Add_Proj_D_Sect_G(nullptr, nullptr, proj().M_Fn_Get_Tree()),
                 N_Common::N_Exception::C_Exception);
    // Below a parent that is not connected: refused as well.
    N_UI::N_Tree::C_Signal loose, child;
    EXPECT_THROW(child.M_Fn_On_Add_Proj_D_Sect_G(nullptr, nullptr, loose), N_Common::N_Exception::C_Exception);
    EXPECT_FALSE(child.M_Fn_Is_Connected());
    // Removing a hook that was never connected does nothing.
    loose.M_Fn_On_Remove();
    EXPECT_EQ(dump(), before);

    // Closing the project empties the tree; a new project starts from an empty tree.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close);
    EXPECT_EQ(dump(), L"");
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
    EXPECT_EQ(dump(), proj().M_Fn_Name_Get() + L"\n  Materials:\n    Default Material\n  Properties:\n  Models:\n");
}

TEST_F(C_Tree, GroupsShowTheirNumberAndSectionsFollowTheirDocumentsTitle)
{
    C_Sect& sect = M_Fn_Sect_Import(3);
    const wxTreeItemId group = M_Fn_Find("Section Group 3:");
    ASSERT_TRUE(group.IsOk());
    EXPECT_EQ(ctrl().GetItemParent(group), M_Fn_Find(proj().M_Fn_Name_Get()));
    EXPECT_TRUE(ctrl().IsExpanded(group));
    const wxTreeItemId item = M_Fn_Find(sect.M_Fn_Title_Get());
    ASSERT_TRUE(item.IsOk());
    EXPECT_EQ(ctrl().GetItemParent(item), group);

    // Renaming the section's document renames its item.
    sect.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc()->M_Fn_Set_Title(L"Frame B");
    EXPECT_EQ(ctrl().GetItemText(item), "Frame B");

    // Renaming the project's document renames the root and the project window's tab.
    const wxTreeItemId root = M_Fn_Find(proj().M_Fn_Name_Get());
    proj().M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc()->M_Fn_Set_Title(L"Wing A");
    EXPECT_EQ(ctrl().GetItemText(root), "Wing A");
    EXPECT_EQ(m_Shell.frame()->M_Fn_Get_Doc_Proj()->M_Fn_Get_Frame()->GetTitle(), "Wing A");

    // Undo takes the group with its section out of the tree; redo brings them back.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo);
    EXPECT_FALSE(M_Fn_Find("Section Group 3:").IsOk());
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Redo);
    EXPECT_TRUE(M_Fn_Find("Section Group 3:").IsOk());
}

TEST_F(C_Tree, PopupMenusByItemAndTheirCommands)
{
    C_Sect& sect = M_Fn_Sect_Import(1);
    G_Fn_Run_For(std::chrono::milliseconds(50));
    const wxTreeItemId root = M_Fn_Find(proj().M_Fn_Name_Get());
    EXPECT_EQ(M_Fn_Popup_At(root), 518u);
    EXPECT_EQ(ctrl().GetSelection(), root);
    EXPECT_EQ(M_Fn_Popup_At(M_Fn_Find("Materials:")), 513u);
    EXPECT_EQ(M_Fn_Popup_At(M_Fn_Find("Default Material")), 512u);
    EXPECT_EQ(M_Fn_Popup_At(M_Fn_Find("Properties:")), 515u);
    EXPECT_EQ(M_Fn_Popup_At(M_Fn_Find("Models:")), 511u);
    EXPECT_EQ(M_Fn_Popup_At(M_Fn_Find("Section Group 1:")), 517u);
    const wxTreeItemId item = M_Fn_Find(sect.M_Fn_Title_Get());
    EXPECT_EQ(M_Fn_Popup_At(item), 516u);
    // Below the last item: no item, the selection is cleared, the pane's own menu.
    const wxRect client(wxPoint(0, 0), ctrl().GetClientSize());
    EXPECT_EQ(pane().M_Fn_Popup(ctrl().ClientToScreen(wxPoint(client.width - 4, client.height - 4)), false), 501u);
    EXPECT_FALSE(ctrl().GetSelection().IsOk());
    // From the keyboard: the pane's menu.
    EXPECT_EQ(pane().M_Fn_Popup(wxDefaultPosition, false), 501u);

    // A command without a selected item is reported and the program goes on.
    pane().M_Fn_On_Cmd(N_UI::N_Tree::E_Cmd_Detail);
    EXPECT_TRUE(G_Fn_Has_Line(m_Shell.log_lines(), "    Function: N_UI::N_Tree::C_Ctrl::M_Elem_Get_ro_Selected"));

    // The section's "View Open" opens its window; "View Close" closes it.
    EXPECT_EQ(M_Fn_Popup_At(item), 516u);
    pane().M_Fn_On_Cmd(N_UI::N_Tree::E_Cmd_View_Open);
    EXPECT_TRUE(G_Fn_Wait_For([&] { return sect.M_Fn_Get_Mgr_Frame().m_p_View_Main != nullptr; }));
    pane().M_Fn_On_Cmd(N_UI::N_Tree::E_Cmd_View_Close);
    EXPECT_TRUE(G_Fn_Wait_For([&] { return sect.M_Fn_Get_Mgr_Frame().m_p_View_Main == nullptr; }));

    // The project's "View Close" closes its window and keeps the project; "Open Current
    // Project's View" opens it again.
    N_UI::N_MDI::N_Proj::C_Doc* p_doc = m_Shell.frame()->M_Fn_Get_Doc_Proj();
    ASSERT_NE(p_doc, nullptr);
    EXPECT_NE(p_doc->M_Fn_Get_Frame(), nullptr);
    EXPECT_EQ(M_Fn_Popup_At(root), 518u);
    pane().M_Fn_On_Cmd(N_UI::N_Tree::E_Cmd_View_Close);
    EXPECT_EQ(p_doc->M_Fn_Get_Frame(), nullptr);
    EXPECT_EQ(proj().M_Fn_Get_Mgr_Frame().M_Fn_Get_View(), nullptr);
    EXPECT_EQ(m_Shell.frame()->M_Fn_Get_Doc_Proj(), p_doc);
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Open);
    EXPECT_NE(p_doc->M_Fn_Get_Frame(), nullptr);
    EXPECT_TRUE(G_Fn_Wait_For([&] { return proj().M_Fn_Get_Mgr_Frame().M_Fn_Get_View() != nullptr; }));

    // The group's "Delete" removes the group and its section as one undoable step.
    EXPECT_EQ(M_Fn_Popup_At(M_Fn_Find("Section Group 1:")), 517u);
    pane().M_Fn_On_Cmd(N_UI::N_Tree::E_Cmd_Delete);
    EXPECT_FALSE(M_Fn_Find("Section Group 1:").IsOk());
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo);
    EXPECT_TRUE(M_Fn_Find("Section Group 1:").IsOk());
}
