// The section-group commands: what each entry holds, the slots it fills and shifts, and that its
// undo and redo give back the groups byte for byte in the project stream.
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Modify_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Remove_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Remove_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D_Plane_Set.h"
#include "common/Common_Exception.h"
#include "tests/support/Tree_Port_Record.h"
#include "tests/proj/Test_Proj_Support_Sect.h"

#include <boost/signals2.hpp>

#include <string>
#include <vector>

using namespace N_Test_Proj;
using namespace N_Biz::N_Proj;
using N_Biz::N_Sect::C_Sect;
using N_Common::N_Exception::C_Exception;

namespace {

class C_Sect_Cmd_Test : public C_Proj_Sect_Test {
protected:
    // The last entry's changes in order: "G+g", "G-g", "G~g" for group add, remove and modify,
    // "S+g.i", "S-g.i" for section add and remove, "P" for a plane set.
    std::vector<std::string> M_Fn_Last_Entry()
    {
        std::vector<std::string> out;
        const auto& entries = history().M_Fn_Get_History();
        if (entries.empty())
            return out;
        auto sp_group = std::dynamic_pointer_cast<N_Biz::N_Cmd::C_Elem_Group>(entries.back()->M_Fn_Get_Child());
        if (!sp_group)
            return out;
        for (const auto& sp : sp_group->M_Fn_Get_Children()) {
            if (auto* p = dynamic_cast<N_Cmd::C_Elem_D_Sect_Group_Add_At*>(sp.get()))
                out.push_back("G+" + std::to_string(p->M_Fn_Get_Index()));
            else if (auto* p = dynamic_cast<N_Cmd::C_Elem_D_Sect_Group_Remove_At*>(sp.get()))
                out.push_back("G-" + std::to_string(p->M_Fn_Get_Index()));
            else if (auto* p = dynamic_cast<N_Cmd::C_Elem_D_Sect_Group_Modify_At*>(sp.get()))
                out.push_back("G~" + std::to_string(p->M_Fn_Get_Index()));
            else if (auto* p = dynamic_cast<N_Cmd::C_Elem_D_Sect_Individual_Add_At*>(sp.get()))
                out.push_back("S+" + std::to_string(p->M_Fn_Get_Group()) + "." + std::to_string(p->M_Fn_Get_Index()));
            else if (auto* p = dynamic_cast<N_Cmd::C_Elem_D_Sect_Individual_Remove_At*>(sp.get()))
                out.push_back("S-" + std::to_string(p->M_Fn_Get_Group()) + "." + std::to_string(p->M_Fn_Get_Index()));
            else if (dynamic_cast<N_Biz::N_Sect::N_Cmd::C_Elem_D_Plane_Set*>(sp.get()))
                out.push_back("P");
            else
                out.push_back("?");
        }
        return out;
    }
    std::wstring M_Fn_Last_Name()
    {
        const auto& entries = history().M_Fn_Get_History();
        return entries.empty() ? L"" : entries.back()->M_Fn_Get_Name();
    }
    // The sections of a group by slot.
    std::vector<C_Sect*> M_Fn_Sects(std::uint32_t i_Group)
    {
        std::vector<C_Sect*> out;
        for (std::uint32_t i : M_Fn_Slots(i_Group))
            out.push_back(M_Fn_Sect(i_Group, i));
        return out;
    }
    // A group without sections, added as one entry.
    void M_Fn_Run_Empty_Group()
    {
        auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Empty group", &m_Proj);
        history().M_Fn_Entry_Begin(sp_entry);
        auto sp_elems = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
        sp_entry->M_Fn_Child_Add_and_Execute(sp_elems);
        auto sp_group = std::make_shared<C_D_Group_Sect>();
        sp_elems->M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Sect_Group_Add_At>(
            &m_Proj, mgr().M_Fn_Get_Groups().next_index(), sp_group));
        history().M_Fn_Entry_End();
    }
    // Slot i_Slot of group i_Group goes through the tree's delete command.
    void M_Fn_Tree_Delete(std::uint32_t i_Group, std::uint32_t i_Slot)
    {
        mgr().M_Fn_UI_Tree_Proj_D_Sect_G_I_On_Cmd_Popup_Delete(M_Fn_Sect(i_Group, i_Slot));
    }
};

// --- create --------------------------------------------------------------------------------------

TEST_F(C_Sect_Cmd_Test, TwoPicksGiveAGroupOfTwoThatOneUndoRemoves)
{
    config().m_Cut_Models = 0;
    M_Fn_Picks({{0, 0, 0}, {0, 0, 10}});
    const std::size_t entries = M_Fn_History_Size();
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 1u);
    EXPECT_EQ(M_Fn_History_Size(), entries + 1);
    EXPECT_EQ(M_Fn_Last_Name(), L"Create section group");
    EXPECT_EQ(M_Fn_Last_Entry(), (std::vector<std::string>{"G+1", "S+1.1", "S+1.2"}));
    EXPECT_EQ(M_Fn_Slots(1), (std::vector<std::uint32_t>{1, 2}));
    // Along +z: Local XY - Global XY, no flip.
    EXPECT_EQ(M_Fn_Group(1).m_Flip, 0u);
    EXPECT_TRUE(G_Fn_Near(M_Fn_Group(1).m_Heading, {0, 1, 0}));
    EXPECT_TRUE(G_Fn_Near(S_Fn_Origin(*M_Fn_Sect(1, 2)), {0, 0, 10}));
    EXPECT_EQ(M_Fn_Sect(1, 2)->M_Fn_Title_Get(), L"Section 1-2");
    EXPECT_TRUE(M_Fn_Sect(1, 1)->M_Fn_Get_Tree().M_Fn_Is_Connected());
    EXPECT_NE(m_App.log().find("Done: Create section group"), std::string::npos);

    const std::vector<C_Sect*> sects = M_Fn_Sects(1);
    history().M_Fn_Undo();
    EXPECT_TRUE(M_Fn_Group_Slots().empty());
    history().M_Fn_Redo();
    EXPECT_EQ(M_Fn_Sects(1), sects);
    M_Fn_Round_Trip();
}

TEST_F(C_Sect_Cmd_Test, OnePickChangesNothingAndKeepsTheRedoTail)
{
    M_Fn_Group_Along({{0, 0, 0}, {5, 0, 0}});
    history().M_Fn_Undo();
    const std::size_t entries = M_Fn_History_Size();
    M_Fn_Picks({{1, 1, 1}});
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 0u);
    M_Fn_Picks({});
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 0u);
    EXPECT_EQ(M_Fn_History_Size(), entries);
    EXPECT_EQ(history().M_Fn_Get_State(), N_Biz::N_Cmd::C_Mgr::E_State_Idle);
    EXPECT_TRUE(M_Fn_Group_Slots().empty());
    history().M_Fn_Redo();
    EXPECT_EQ(M_Fn_Group_Slots(), (std::vector<std::uint32_t>{1}));
}

// A listener that refuses the second section: the whole entry is reverted before the exception
// goes on, so neither the group nor its first section stays, and no entry is left open.
TEST_F(C_Sect_Cmd_Test, AnExceptionInsideTheEntryRevertsItBeforeItPassesOn)
{
    config().m_Cut_Models = 0;
    int added = 0;
    m_Proj.M_Fn_Get_Signal().connect([&](C_Proj&, E_Signal i_Code) {
        if (i_Code == E_Signal_D_Sect_Add && ++added == 2)
            throw C_Exception("listener", __FILE__, __LINE__);
    });
    M_Fn_Picks({{0, 0, 0}, {0, 0, 10}});
    const std::size_t entries = M_Fn_History_Size();
    const std::string before = M_Fn_Groups_Bytes();
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), C_Exception);
    EXPECT_EQ(history().M_Fn_Get_State(), N_Biz::N_Cmd::C_Mgr::E_State_Idle);
    EXPECT_EQ(M_Fn_History_Size(), entries);
    EXPECT_TRUE(M_Fn_Group_Slots().empty());
    EXPECT_EQ(M_Fn_Groups_Bytes().substr(4), before.substr(4)); // the slot count may have grown
}

// A store operation refused before or during its change leaves the table, the tree and the
// caller each with what they had.
TEST_F(C_Sect_Cmd_Test, ARefusedStoreLeavesEachOwnerWithWhatItHad)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {1, 0, 0}});
    C_Sect::S_p_Proj = &m_Proj;
    C_Mgr_D_Sect::T_sp_Sect sp = std::make_shared<C_Sect>();
    C_Sect::S_p_Proj = nullptr;

    // A selected section may not enter.
    sp->m_Flag = 2;
    EXPECT_THROW(mgr().M_Fn_D_Individual_Add_At(g, 3, sp), C_Exception);
    sp->m_Flag = 0;
    ASSERT_TRUE(sp);
    EXPECT_FALSE(sp->M_Fn_Get_Tree().M_Fn_Is_Connected());

    // A listener refusing the new section: it goes back to the caller as it came.
    boost::signals2::scoped_connection refuse = m_Proj.M_Fn_Get_Signal().connect([](C_Proj&, E_Signal i_Code) {
        if (i_Code == E_Signal_D_Sect_Add)
            throw C_Exception("listener", __FILE__, __LINE__);
    });
    EXPECT_THROW(mgr().M_Fn_D_Individual_Add_At(g, 3, sp), C_Exception);
    ASSERT_TRUE(sp);
    EXPECT_EQ(sp->m_Title_Number_1, 0u);
    EXPECT_EQ(sp->m_Title_Number_2, 0u);
    EXPECT_FALSE(sp->M_Fn_Get_Tree().M_Fn_Is_Connected());
    EXPECT_FALSE(mgr().M_Fn_Sect_Announced_Get());
    EXPECT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{1, 2}));
    refuse.disconnect();

    // A tree refusing a new group: the caller keeps it, the slot stays free.
    C_Mgr_D_Sect::T_sp_Group sp_group = std::make_shared<C_D_Group_Sect>();
    // (The project's item is made again with a tree present, so that the group has one to hang below.)
    m_Proj.M_Fn_Tree_Remove();
    auto up_tree = std::make_unique<C_Tree_Port_Record>();
    m_Proj.M_Fn_Tree_Add();
    up_tree->m_Refuse = true;
    EXPECT_THROW(mgr().M_Fn_D_Group_Add_At(5, sp_group), C_Exception);
    up_tree.reset();
    EXPECT_FALSE(sp_group->m_Tree.M_Fn_Is_Connected());
    ASSERT_TRUE(sp_group);
    EXPECT_EQ(sp_group->m_Index, 0u);
    EXPECT_FALSE(mgr().M_Fn_Get_Groups().is_used_at(5));
    EXPECT_EQ(M_Fn_Group_Slots(), (std::vector<std::uint32_t>{g}));

    // Accepted once nobody refuses.
    mgr().M_Fn_D_Individual_Add_At(g, 3, sp);
    EXPECT_FALSE(sp);
    EXPECT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{1, 2, 3}));
}

// --- insert --------------------------------------------------------------------------------------

TEST_F(C_Sect_Cmd_Test, InsertAfterSectionOneShiftsUpToTheFreeSlot)
{
    config().m_Insert_After = 1;
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}, {30, 0, 0}});
    M_Fn_Tree_Delete(g, 3);
    ASSERT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{1, 2, 4}));
    C_Sect* s1 = M_Fn_Sect(g, 1);
    C_Sect* s2 = M_Fn_Sect(g, 2);
    C_Sect* s4 = M_Fn_Sect(g, 4);
    const std::string before = M_Fn_Groups_Bytes();

    config().m_Cut_Models = 0;
    M_Fn_Select({s1});
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Insert_Selected_To_P_1(), 1u);
    M_Fn_Picks({{5, 2, 0}});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Insert_Selected(), 1u);
    EXPECT_EQ(M_Fn_Last_Name(), L"Insert section");
    EXPECT_EQ(M_Fn_Last_Entry(), (std::vector<std::string>{"S-1.2", "S+1.2", "S+1.3"}));
    ASSERT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_EQ(M_Fn_Sect(g, 1), s1);
    EXPECT_TRUE(G_Fn_Near(S_Fn_Origin(*M_Fn_Sect(g, 2)), {5, 0, 0}));
    EXPECT_EQ(M_Fn_Sect(g, 3), s2);
    EXPECT_EQ(M_Fn_Sect(g, 4), s4);
    EXPECT_EQ(s2->M_Fn_Title_Get(), L"Section 1-3");
    M_Fn_Round_Trip();
    history().M_Fn_Undo();
    EXPECT_EQ(M_Fn_Groups_Bytes(), before);
    EXPECT_EQ(M_Fn_Sects(g), (std::vector<C_Sect*>{s1, s2, s4}));
}

TEST_F(C_Sect_Cmd_Test, InsertAfterTheLastAppendsAndBeforeTheFirstShiftsEverything)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}});
    config().m_Cut_Models = 0;
    const std::vector<C_Sect*> old = M_Fn_Sects(g);

    config().m_Insert_After = 1;
    M_Fn_Select({old[1]});
    M_Fn_Picks({{12, 0, 0}});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Insert_Selected(), 1u);
    EXPECT_EQ(M_Fn_Last_Entry(), (std::vector<std::string>{"S+1.3"}));
    M_Fn_Round_Trip();

    config().m_Insert_After = 0;
    M_Fn_Select({old[0]});
    M_Fn_Picks({{-3, 0, 0}});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Insert_Selected(), 1u);
    EXPECT_EQ(M_Fn_Last_Entry(),
              (std::vector<std::string>{"S-1.1", "S+1.1", "S-1.2", "S+1.2", "S-1.3", "S+1.3", "S+1.4"}));
    ASSERT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    EXPECT_TRUE(G_Fn_Near(S_Fn_Origin(*M_Fn_Sect(g, 1)), {-3, 0, 0}));
    EXPECT_EQ(M_Fn_Sect(g, 2), old[0]);
    EXPECT_EQ(M_Fn_Sect(g, 3), old[1]);
    M_Fn_Round_Trip();
}

// A refused pick or selection ends the command with nothing changed and no entry.
TEST_F(C_Sect_Cmd_Test, ARefusedInsertMoveOrRedirectLeavesNoEntry)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}});
    config().m_Insert_After = 1;
    M_Fn_Select({M_Fn_Sect(g, 1)});
    M_Fn_Picks({{10, 0, 0}}); // level with section 2
    const std::size_t entries = M_Fn_History_Size();
    const std::string before = M_Fn_Groups_Bytes();
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Insert_Selected(), 1u);
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Move_Selected(), 1u);
    M_Fn_Select(M_Fn_Sects(g));
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Redirect_Selected(), 1u);
    EXPECT_EQ(M_Fn_History_Size(), entries);
    EXPECT_EQ(M_Fn_Groups_Bytes(), before);
    EXPECT_EQ(history().M_Fn_Get_State(), N_Biz::N_Cmd::C_Mgr::E_State_Idle);
}

// --- move ----------------------------------------------------------------------------------------

TEST_F(C_Sect_Cmd_Test, MoveRecutsInItsSlotOrOnlyTurnsThePlane)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}});
    C_Sect* s2 = M_Fn_Sect(g, 2);
    M_Fn_Select({s2});
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Move_Selected_To_P_1(), 1u);
    EXPECT_TRUE(G_Fn_Near(m_Proj.M_Fn_Get_Mgr_Frame().M_Fn_Get_Center_Rotate(), {10, 0, 0}));

    // "Cut models" off: the same section, a new plane.
    config().m_Cut_Models = 0;
    M_Fn_Picks({{13, 1, 0}});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Move_Selected(), 1u);
    EXPECT_EQ(M_Fn_Last_Name(), L"Move section");
    EXPECT_EQ(M_Fn_Last_Entry(), (std::vector<std::string>{"P"}));
    EXPECT_EQ(M_Fn_Sect(g, 2), s2);
    EXPECT_TRUE(G_Fn_Near(S_Fn_Origin(*s2), {13, 0, 0}));
    M_Fn_Round_Trip();
    history().M_Fn_Undo();
    EXPECT_TRUE(G_Fn_Near(S_Fn_Origin(*s2), {10, 0, 0}));

    // "Cut models" on: a fresh section in the same slot; undo brings the old one back.
    config().m_Cut_Models = 1;
    M_Fn_Select({s2});
    M_Fn_Picks({{7, 0, 0}});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Move_Selected(), 1u);
    EXPECT_EQ(M_Fn_Last_Entry(), (std::vector<std::string>{"S-1.2", "S+1.2"}));
    EXPECT_NE(M_Fn_Sect(g, 2), s2);
    EXPECT_TRUE(G_Fn_Near(S_Fn_Origin(*M_Fn_Sect(g, 2)), {7, 0, 0}));
    M_Fn_Round_Trip();
    history().M_Fn_Undo();
    EXPECT_EQ(M_Fn_Sect(g, 2), s2);
}

TEST_F(C_Sect_Cmd_Test, PhaseSwitchesNeedExactlyOneSection)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {0, 4, 0}});
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Insert_Selected_To_P_1(), 0u);
    M_Fn_Select(M_Fn_Sects(g));
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Move_Selected_To_P_1(), 0u);
    M_Fn_Select({M_Fn_Sect(g, 2)});
    const std::size_t entries = M_Fn_History_Size();
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Insert_Selected_To_P_1(), 1u);
    EXPECT_TRUE(G_Fn_Near(m_Proj.M_Fn_Get_Mgr_Frame().M_Fn_Get_Center_Rotate(), {0, 4, 0}));
    EXPECT_EQ(M_Fn_History_Size(), entries);
}

// --- redirect ------------------------------------------------------------------------------------

TEST_F(C_Sect_Cmd_Test, RedirectGivesSlotsOneThreeFourTheFirstThreePlanesInOrder)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}, {30, 0, 0}});
    M_Fn_Tree_Delete(g, 2);
    ASSERT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{1, 3, 4}));
    const std::vector<C_Sect*> sects = M_Fn_Sects(g);
    // Auto along x gave local y = Z; Global XY gives local y = Y.
    ASSERT_TRUE(G_Fn_Near(G_Fn_Column(S_Fn_Matrix(*sects[1]), 1), {0, 0, 1}));
    config().m_Local_CS = 1;
    config().m_Cut_Models = 0;
    M_Fn_Select({sects[0]});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Redirect_Selected(), 1u);
    EXPECT_EQ(M_Fn_Last_Name(), L"Redirect section group");
    EXPECT_EQ(M_Fn_Last_Entry(), (std::vector<std::string>{"G~1", "P", "P", "P"}));
    EXPECT_TRUE(G_Fn_Near(M_Fn_Group(g).m_Heading, {0, 1, 0}));
    const std::vector<C_Vector3f> origins{{0, 0, 0}, {20, 0, 0}, {30, 0, 0}};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(M_Fn_Sects(g)[k], sects[k]);
        EXPECT_TRUE(G_Fn_Near(S_Fn_Origin(*sects[k]), origins[k])) << k;
        EXPECT_TRUE(G_Fn_Near(G_Fn_Column(S_Fn_Matrix(*sects[k]), 1), {0, 1, 0})) << k;
        EXPECT_TRUE(G_Fn_Near(G_Fn_Column(S_Fn_Matrix(*sects[k]), 2), {1, 0, 0})) << k;
    }
    M_Fn_Round_Trip();
    history().M_Fn_Undo();
    EXPECT_TRUE(G_Fn_Near(M_Fn_Group(g).m_Heading, {0, 0, 1}));
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(S_Fn_Matrix(*sects[2]), 1), {0, 0, 1}));

    // With "Cut models" every section is replaced by a fresh cut in its own slot.
    config().m_Cut_Models = 1;
    M_Fn_Select({sects[1]});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Redirect_Selected(), 1u);
    EXPECT_EQ(M_Fn_Last_Entry(), (std::vector<std::string>{"G~1", "S-1.1", "S+1.1", "S-1.3", "S+1.3", "S-1.4", "S+1.4"}));
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_NE(M_Fn_Sects(g)[k], sects[k]);
    EXPECT_TRUE(G_Fn_Near(S_Fn_Origin(*M_Fn_Sect(g, 3)), {20, 0, 0}));
    M_Fn_Round_Trip();
    history().M_Fn_Undo();
    EXPECT_EQ(M_Fn_Sects(g), sects);
}

// --- delete --------------------------------------------------------------------------------------

TEST_F(C_Sect_Cmd_Test, DeletingTheOnlySectionAlsoDeletesItsGroupAndEveryEmptyOne)
{
    const std::uint32_t g1 = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}});
    const std::uint32_t g2 = M_Fn_Group_Along({{0, 5, 0}, {10, 5, 0}});
    M_Fn_Tree_Delete(g1, 2);
    const std::size_t entries = M_Fn_History_Size();
    EXPECT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Delete_Selected(), 0u); // nothing selected
    EXPECT_EQ(M_Fn_History_Size(), entries);

    M_Fn_Select({M_Fn_Sect(g1, 1)});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Delete_Selected(), 1u);
    EXPECT_EQ(M_Fn_Last_Name(), L"Delete section");
    EXPECT_EQ(M_Fn_Last_Entry(), (std::vector<std::string>{"S-1.1", "G-1"}));
    EXPECT_EQ(M_Fn_Group_Slots(), (std::vector<std::uint32_t>{g2}));
    EXPECT_TRUE(mgr().M_Fn_Sel_P1_Get().empty());
    M_Fn_Round_Trip();

    // Sections of one group, given in the order they were selected; and an empty group goes too.
    history().M_Fn_Undo();
    M_Fn_Run_Empty_Group();
    M_Fn_Select({M_Fn_Sect(g2, 2), M_Fn_Sect(g2, 1)});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Delete_Selected(), 1u);
    EXPECT_EQ(M_Fn_Last_Entry(), (std::vector<std::string>{"S-2.2", "S-2.1", "G-2", "G-3"}));
    EXPECT_EQ(M_Fn_Group_Slots(), (std::vector<std::uint32_t>{g1}));
    M_Fn_Round_Trip();
}

} // namespace
