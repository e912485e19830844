#include "tests/proj/Test_Proj_Support.h"

#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_M_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "common/Common_Exception.h"
#include "tests/support/Tree_Port_Record.h"

#include <algorithm>

namespace N_Cmd = N_Biz::N_Proj::N_Cmd;
using N_Biz::N_Proj::E_Signal;
using N_Biz::N_Proj::E_Signal_Cmd;
using N_Biz::N_Proj::E_Signal_D_DB_C_P_Palette;
using N_Biz::N_Proj::E_Signal_Destroy;
using N_Biz::N_Proj::E_Signal_Sel_Data;
using N_Biz::N_Proj::E_Signal_Sel_Mode;
using N_Common::N_Exception::C_Exception;
using T_Proj = N_Biz::N_Proj::C_Proj;
using T_Tree = N_UI::N_Tree::C_Signal;

namespace {
class C_Proj : public N_Test_Proj::C_Proj_Test {};
} // namespace

TEST_F(C_Proj, NewProjectHoldsItsMembersEmpty)
{
    T_Proj& p = m_Proj;
    // Empty name, tree hook disconnected, history idle and empty.
    EXPECT_TRUE(p.M_Fn_Name_Get().empty());
    EXPECT_FALSE(p.M_Fn_Get_Tree().M_Fn_Is_Connected());
    EXPECT_EQ(p.M_Fn_Get_Mgr_Cmd().M_Fn_Get_State(), N_Biz::N_Cmd::C_Mgr::E_State_Idle);
    EXPECT_EQ(M_Fn_History_Size(), 0u);
    // Card stores: only slot 0, holding the empty pointer; the next card goes to slot 1.
    EXPECT_EQ(p.M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_Store().size(), 1u);
    EXPECT_FALSE(p.M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_At(0));
    EXPECT_EQ(p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store().size(), 1u);
    EXPECT_EQ(p.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store().next_index(), 1u);
    EXPECT_EQ(p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store().size(), 1u);
    EXPECT_EQ(p.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Get(), 0u);
    // The mode for importing models, set as the construction's last step.
    EXPECT_EQ(p.M_Fn_Get_Mgr_Sel().M_Fn_Get_Mode(), 7u);
    EXPECT_EQ(p.M_Fn_Get_Mgr_Sel().M_Fn_Get_Prompt(), L"Import model.");
    EXPECT_EQ(p.M_Fn_Get_Mgr_Sel().M_Fn_Get_Flags(), 0u);
    // The machine idles in its three regions.
    auto* p_machine = p.M_Fn_Get_Mgr_State().M_Fn_Get_Machine();
    EXPECT_EQ(p_machine->M_Fn_Get_Id_Sub(0), 1u);
    EXPECT_EQ(p_machine->M_Fn_Get_Id_Sub(1), 3u);
    EXPECT_EQ(p_machine->M_Fn_Get_Id_Sub(2), 9u);
    // The document link starts modified and detached.
    EXPECT_EQ(p.M_Fn_Get_Mgr_Doc().M_Fn_Get_Flags(), 1u);
    EXPECT_EQ(p.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc(), nullptr);
    EXPECT_TRUE(m_Codes.empty());
}

TEST_F(C_Proj, NewProjectAnnouncesItselfInOrder)
{
    // What the application does with a new project: tree items, default material, document.
    C_Tree_Port_Record tree;
    T_Tree& t_proj = m_Proj.M_Fn_Get_Tree();
    T_Tree& t_model = m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Tree();

    m_Proj.M_Fn_Tree_Add();
    m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Proc_Cmd_Sub_Add_Default();
    ASSERT_EQ(m_Proj.M_Fn_Get_Mgr_Doc().M_Fn_Create(L""), 1);

    // Root, the three folders below it, the default material below its folder, the root's new
    // name from the document's title.
    EXPECT_EQ(tree.M_Fn_Summary(), (std::vector<std::wstring>{L"insert project", L"insert materials",
                                                              L"insert properties", L"insert models",
                                                              L"insert material", L"text project"}));
    ASSERT_EQ(tree.m_Ops.size(), 6u);
    EXPECT_EQ(tree.m_Ops[0].m_Parent, 0u);
    for (int i : {1, 2, 3})
        EXPECT_EQ(tree.m_Ops[i].m_Parent, tree.m_Ops[0].m_Item);
    EXPECT_EQ(tree.m_Ops[4].m_Parent, tree.m_Ops[1].m_Item);
    EXPECT_EQ(tree.m_Ops[5].m_Item, tree.m_Ops[0].m_Item);
    // A connected hook refuses a second add; the tree is unchanged.
    EXPECT_THROW(t_proj.M_Fn_On_Add_Proj(&m_Proj), C_Exception);
    EXPECT_EQ(tree.m_Ops.size(), 6u);
    // The document's title is the project's name; the port shows it.
    EXPECT_EQ(m_Proj.M_Fn_Name_Get().rfind(L"Project ", 0), 0u);
    EXPECT_EQ(m_App.port().M_Fn_Texts(L"doc_title"), std::vector<std::wstring>{m_Proj.M_Fn_Name_Get()});
    // Nothing of this is an undoable change or a project signal.
    EXPECT_EQ(M_Fn_History_Size(), 0u);
    EXPECT_TRUE(m_Codes.empty());

    // Setting a select & edit mode fires code 5.
    m_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, true, true, true, 1, L"Select & edit materials.");
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Mode});
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Get_Flags(), 7u);
    EXPECT_THROW(m_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Sel_Mode_Set(false, false, true, false, false, false, 9, L"x"),
                 C_Exception);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Sel().M_Fn_Get_Mode(), 1u);

    m_Proj.M_Fn_Tree_Remove();
    EXPECT_FALSE(t_proj.M_Fn_Is_Connected());
    EXPECT_FALSE(t_model.M_Fn_Is_Connected());
    // Models, properties, materials, project; the material's item went with its folder's.
    ASSERT_EQ(tree.m_Ops.size(), 10u);
    EXPECT_EQ(tree.m_Ops[6].m_Item, tree.m_Ops[3].m_Item);
    EXPECT_EQ(tree.m_Ops[7].m_Item, tree.m_Ops[2].m_Item);
    EXPECT_EQ(tree.m_Ops[8].m_Item, tree.m_Ops[1].m_Item);
    EXPECT_EQ(tree.m_Ops[9].m_Item, tree.m_Ops[0].m_Item);
}

TEST_F(C_Proj, ChangeSignalCodesFollowTheChanges)
{
    auto& mgr_p = m_Proj.M_Fn_Get_Mgr_D_DB_C_P();
    auto sp_a = M_Fn_Property(L"A");
    mgr_p.M_Fn_Proc_Cmd_Top_Add(1, sp_a);
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_D_DB_C_P_Palette, E_Signal_Cmd}));
    N_Biz::N_DB::C_Row_Any data(*sp_a);
    mgr_p.M_Fn_Proc_Cmd_Top_Modify(sp_a.get(), data, {0, 1, 0, 1});
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_D_DB_C_P_Palette, E_Signal_Cmd}));
    // Selected alone: the card data code comes first.
    mgr_p.M_Fn_Sel().M_Fn_Sel_P0_Add(sp_a);
    mgr_p.M_Fn_Sel().M_Fn_Sel_P1_Update_Yes();
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_Sel_Data, E_Signal_D_DB_C_P_Palette, E_Signal_Cmd}));
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo(); // the card leaves: selection, palette property, history
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_D_DB_C_P_Palette, E_Signal_Sel_Data, E_Signal_Cmd}));
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_D_DB_C_P_Palette, E_Signal_Cmd}));
    // The history's messages.
    const auto lines = m_App.log_lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Msg: Done: Create property card"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Msg: Undo: Modify property card"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Msg: Redo: Create property card"), lines.end());
}

TEST_F(C_Proj, EndAnnouncesOnceWithMembersAlive)
{
    std::vector<std::size_t> seen;
    m_Proj.M_Fn_Get_Signal().connect([&](T_Proj& ro_Proj, E_Signal i_Code) {
        if (i_Code == E_Signal_Destroy) // every member still reachable
            seen.push_back(ro_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store().size() +
                           ro_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().size());
    });
    // An unfinished command at the end is reverted while the managers live.
    auto sp_card = M_Fn_Material(L"Open");
    auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Create material card", &m_Proj);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Begin(sp_entry);
    sp_entry->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_DB_C_M_Add_At>(&m_Proj, 1, sp_card));
    ASSERT_EQ(sp_card->M_Fn_Pos_Get(), 1);
    m_Codes.clear();

    m_up_Proj.reset();
    EXPECT_EQ(m_Codes, std::vector<int>{E_Signal_Destroy});
    EXPECT_EQ(seen, std::vector<std::size_t>{2 + 1});
    EXPECT_EQ(sp_card->M_Fn_Pos_Get(), 0);
    EXPECT_FALSE(sp_card->m_Display.m_sp_Tree->M_Fn_Is_Connected());
}

TEST_F(C_Proj, DestructorReportsInsteadOfThrowing)
{
    m_Proj.M_Fn_Get_Signal().connect([this](T_Proj&, E_Signal i_Code) {
        if (i_Code == E_Signal_Destroy)
            throw C_Exception("Test::Subscriber", __FILE__, __LINE__);
    });
    EXPECT_NO_THROW(m_up_Proj.reset());
    const std::string log = m_App.log();
    EXPECT_NE(log.find("Exception caught at:"), std::string::npos);
    EXPECT_NE(log.find("Test::Subscriber"), std::string::npos);
}

TEST_F(C_Proj, PalettePropertyNotify)
{
    auto& mgr_p = m_Proj.M_Fn_Get_Mgr_D_DB_C_P();
    mgr_p.M_Fn_D_Add_At(1, M_Fn_Property(L"A"));
    mgr_p.M_Fn_D_Add_At(2, M_Fn_Property(L"B"));
    m_Codes.clear();
    m_Proj.M_Fn_D_DB_C_P_Notify(1); // already current
    EXPECT_TRUE(m_Codes.empty());
    EXPECT_THROW(m_Proj.M_Fn_D_DB_C_P_Notify(3), C_Exception);
    EXPECT_THROW(m_Proj.M_Fn_D_DB_C_P_Notify(1000), C_Exception);
    EXPECT_EQ(mgr_p.M_Fn_Palette_Get(), 1u);
    EXPECT_TRUE(m_Codes.empty());
    m_Proj.M_Fn_D_DB_C_P_Notify(2);
    EXPECT_EQ(mgr_p.M_Fn_Palette_Get(), 2u);
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_D_DB_C_P_Palette});
}

TEST_F(C_Proj, PicksAndCheckIns)
{
    std::array<float, 4> color{};
    m_Proj.M_Fn_Palette_Pick_C_M(color);
    EXPECT_NEAR(color[2], 0.3125f, 1e-5);
    auto sp_m = M_Fn_Material(L"M", color);
    m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_D_Add_At(1, sp_m);
    m_Proj.M_Fn_Palette_Pick_C_M(color);
    EXPECT_NEAR(color[0], 0.4375f, 1e-5); // materials counted apart from properties
    m_Proj.M_Fn_Palette_Pick_C_P(color);
    EXPECT_NEAR(color[2], 0.3125f, 1e-5);

    m_Proj.M_Fn_Sel_Check_in_C_M(sp_m);
    m_Proj.M_Fn_Sel_Check_in_C_M(sp_m);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Get().size(), 1u);
    EXPECT_EQ(sp_m->m_Display.m_u32_State, 1u);
    EXPECT_THROW(m_Proj.M_Fn_Sel_Check_in_C_P({}), C_Exception);
    EXPECT_TRUE(m_Codes.empty());
}

TEST_F(C_Proj, DisplayTogglesFireTheConfiguration)
{
    auto& config = *m_App.app().m_sp_Config;
    std::vector<int> codes;
    config.M_Fn_Signal().connect([&](N_Biz::N_Config::C_Config&, N_Biz::N_Config::E_Signal i_Code) { codes.push_back(i_Code); });
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Disp_S_Edge();
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Disp_S_Sys_Coord();
    m_Proj.M_Fn_Doc_On_Cmd_Proj_Disp_Print_Mode();
    EXPECT_EQ(codes, (std::vector<int>{6, 2, 2}));
    EXPECT_EQ(config.M_Fn_Data().m_Show_Edge_Shade, 0); // defaults 1, 1, 0
    EXPECT_EQ(config.M_Fn_Data().m_Show_Coord, 0);
    EXPECT_EQ(config.M_Fn_Data().m_Print_Mode, 1);
    m_App.app().m_sp_Config.reset();
    EXPECT_THROW(m_Proj.M_Fn_Doc_On_Cmd_Proj_Disp_Print_Mode(), C_Exception);
}
