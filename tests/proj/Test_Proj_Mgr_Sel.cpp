// The project selection: the key rules that carry the current pick into the selection set, the
// description of the current pick, typed positions, and what setting a mode clears.
#include "tests/proj/Test_Proj_Support_Model.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Sel.h"
#include "biz/sect/Biz_Sect.h"
#include "common/Common_Exception.h"

using N_Biz::N_Proj::C_Handle_D_DB_N;
using N_Biz::N_Proj::C_Mgr_Sel;
using N_Biz::N_Sect::C_Sect;
using N_Common::N_Exception::C_Exception;
using N_Test_Proj::T_Handles;

namespace {

class C_Mgr_Sel_Test : public N_Test_Proj::C_Proj_Model_Test {
protected:
    C_Mgr_Sel& sel() { return m_Proj.M_Fn_Get_Mgr_Sel(); }
    // Sets mode i_Mode with the flag word i_Flags (bits: 1 multiple, 2 Shift adds, 4 Ctrl toggles,
    // 8 always add, 16 always toggle), clearing first.
    void M_Fn_Mode(std::uint32_t i_Mode, std::uint32_t i_Flags)
    {
        sel().M_Fn_Sel_Mode_Set(i_Flags & 16, i_Flags & 8, true, i_Flags & 1, i_Flags & 2, i_Flags & 4, i_Mode, L"p");
    }
    // The current pick of elements becomes exactly i_Handles.
    void M_Fn_Pick_E(const T_Handles& i_Handles)
    {
        auto& mgr = m_Proj.M_Fn_Get_Mgr_D_DB_E();
        mgr.M_Fn_Sel_P0_Clear();
        for (const auto& [slot, index] : i_Handles)
            mgr.M_Fn_Sel_P0_Add({slot, index});
    }
    // A section named i_Name in slot i_Index of group 1 (the group is made with the first).
    C_Sect* M_Fn_Sect_Add(std::uint32_t i_Index, const std::wstring& i_Name)
    {
        auto sp_entry = std::make_shared<N_Biz::N_Proj::N_Cmd::C_Entry_C>(L"Create section", &m_Proj);
        C_Sect::S_p_Proj = &m_Proj;
        auto sp_sect = std::make_shared<C_Sect>();
        C_Sect::S_p_Proj = nullptr;
        sp_sect->m_Name = i_Name;
        C_Sect* p_sect = sp_sect.get();
        m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
            auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
            sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
            if (!m_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().is_used_at(1)) {
                auto sp_new = std::make_shared<N_Biz::N_Proj::C_D_Group_Sect>();
                sp_group->M_Fn_Child_Add_and_Execute(
                    std::make_shared<N_Biz::N_Proj::N_Cmd::C_Elem_D_Sect_Group_Add_At>(&m_Proj, 1, sp_new));
            }
            sp_group->M_Fn_Child_Add_and_Execute(
                std::make_shared<N_Biz::N_Proj::N_Cmd::C_Elem_D_Sect_Individual_Add_At>(&m_Proj, 1, i_Index, sp_sect));
        });
        return p_sect;
    }
};

} // namespace

// Which of replace, add and toggle a finished pick makes, by the mode's flags and the keys held:
// the set holds element 0, the pick is element i_Pick.
TEST_F(C_Mgr_Sel_Test, KeyRulesCarryThePickIntoTheSet)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    struct C_Case {
        std::uint32_t m_Flags;
        bool m_Shift, m_Ctrl;
        std::uint32_t m_Pick;
        T_Handles m_Set;
    };
    const std::vector<C_Case> cases = {
        // Select & edit (flags 7): a plain click replaces, Shift adds, Ctrl toggles, both add.
        {7, false, false, 1, {{1, 1}}},
        {7, true, false, 1, {{1, 0}, {1, 1}}},
        {7, false, true, 1, {{1, 0}, {1, 1}}},
        {7, false, true, 0, {}},
        {7, true, true, 0, {{1, 0}}},
        {7, true, true, 1, {{1, 0}, {1, 1}}},
        // Axis nodes (16): every click toggles whatever the keys.
        {16, false, false, 0, {}},
        {16, true, false, 0, {}},
        {16, false, false, 1, {{1, 0}, {1, 1}}},
        // Axis positions (8): every click adds.
        {8, false, true, 0, {{1, 0}}},
        {8, false, false, 2, {{1, 0}, {1, 2}}},
        // Single-object tasks (0 and 1): every click replaces.
        {0, true, false, 1, {{1, 1}}},
        {1, false, true, 0, {{1, 0}}},
        {1, true, true, 2, {{1, 2}}},
    };
    for (const C_Case& c : cases) {
        M_Fn_Mode(6, c.m_Flags);
        M_Fn_Select_E({{1, 0}});
        M_Fn_Pick_E({{1, c.m_Pick}});
        sel().M_Fn_Sel_P1_Update(c.m_Shift, c.m_Ctrl);
        EXPECT_EQ(M_Fn_Flagged(2), c.m_Set) << "flags " << c.m_Flags << " shift " << c.m_Shift << " ctrl " << c.m_Ctrl
                                            << " pick " << c.m_Pick;
        EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Get_P1_Count(), c.m_Set.size());
    }
}

TEST_F(C_Mgr_Sel_Test, DescriptionsOfTheCurrentPick)
{
    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    auto expect_head = [&](const std::vector<std::wstring>& ro_Head) {
        const std::vector<std::wstring>& desc = sel().M_Fn_Get_Desc();
        ASSERT_GT(desc.size(), ro_Head.size());
        for (std::size_t i = 0; i < ro_Head.size(); ++i)
            EXPECT_EQ(desc[i], ro_Head[i]);
        // The row's own lines follow, each indented by two blanks, its type first.
        EXPECT_EQ(desc[ro_Head.size()].rfind(L"  TYPE: ", 0), 0u) << desc[ro_Head.size()];
        for (std::size_t i = ro_Head.size(); i < desc.size(); ++i)
            EXPECT_EQ(desc[i].rfind(L"  ", 0), 0u) << desc[i];
    };

    M_Fn_Mode(6, 7);
    M_Fn_Pick_E({{1, 2}});
    sel().M_Fn_Sel_P0_Desc_Update();
    expect_head({L"Element:", L""});
    M_Fn_Pick_E({{1, 0}, {1, 2}});
    sel().M_Fn_Sel_P0_Desc_Update();
    EXPECT_EQ(sel().M_Fn_Get_Desc(), (std::vector<std::wstring>{L"Number: 2"}));
    M_Fn_Pick_E({});
    sel().M_Fn_Sel_P0_Desc_Update();
    EXPECT_TRUE(sel().M_Fn_Get_Desc().empty());

    M_Fn_Mode(5, 0);
    auto& nodes = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
    nodes.M_Fn_Sel_P0_Add({1, 4, {}});
    sel().M_Fn_Sel_P0_Desc_Update();
    expect_head({L"Node:", L""});
    // The node of the GRID line 5 (x = 2): its coordinate is among its lines.
    bool x_found = false;
    for (const std::wstring& line : sel().M_Fn_Get_Desc())
        x_found = x_found || line.find(L": 2") != std::wstring::npos;
    EXPECT_TRUE(x_found);
    nodes.M_Fn_Sel_P0_Add({1, 5, {}});
    sel().M_Fn_Sel_P0_Desc_Update();
    EXPECT_EQ(sel().M_Fn_Get_Desc(), (std::vector<std::wstring>{L"Number: 2"}));

    // A free position: three lines in the stream's default float format.
    M_Fn_Mode(3, 8);
    sel().M_Fn_Sel_P1_Set_Scrn({1.5f, -2.0f, 0.125f});
    EXPECT_EQ(sel().M_Fn_Get_Desc(), (std::vector<std::wstring>{L"  X: 1.5", L"  Y: -2", L"  Z: 0.125"}));

    // A material reached through the first element's property.
    M_Fn_Mode(1, 7);
    const auto sp_material = M_Fn_Property_Of(1, 0)->M_Fn_Key_C_Material().M_Fn_Lock();
    ASSERT_TRUE(sp_material);
    m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Add(sp_material);
    sel().M_Fn_Sel_P0_Desc_Update();
    expect_head({L"Material:", L""});

    // A picked element whose row has gone: the single pick names nothing.
    M_Fn_Mode(6, 7);
    M_Fn_Pick_E({{1, 2}});
    const_cast<N_Biz::N_Proj::C_Handle_D_DB_E&>(m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Get_P0_Handle()).m_Index = 99;
    EXPECT_THROW(sel().M_Fn_Sel_P0_Desc_Update(), C_Exception);
}

TEST_F(C_Mgr_Sel_Test, SectionsDescribedByNameAndClearedBySettingAMode)
{
    m_Proj.M_Fn_Tree_Add();
    C_Sect* p_a = M_Fn_Sect_Add(1, L"Front rail");
    C_Sect* p_b = M_Fn_Sect_Add(2, L"");
    M_Fn_Mode(8, 7);
    auto& sects = m_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Sel();
    sects.M_Fn_Sel_P0_Add(p_a);
    sel().M_Fn_Sel_P1_Update(false, false);
    sel().M_Fn_Sel_P0_Desc_Update();
    EXPECT_EQ(sel().M_Fn_Get_Desc(), (std::vector<std::wstring>{L"Front rail"}));
    sects.M_Fn_Sel_P0_Add(p_b);
    sel().M_Fn_Sel_P0_Desc_Update();
    EXPECT_EQ(sel().M_Fn_Get_Desc(), (std::vector<std::wstring>{L"Number: 2"}));
    EXPECT_EQ(p_a->m_Flag, 3u);

    // Leaving the sections mode with clear empties the section lists before the new mode applies.
    M_Fn_Mode(6, 7);
    EXPECT_TRUE(sects.M_Fn_Sel_P0_Get().empty());
    EXPECT_TRUE(sects.M_Fn_Sel_P1_Get().empty());
    EXPECT_EQ(p_a->m_Flag, 0u);
    EXPECT_EQ(p_b->m_Flag, 0u);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Clear();
}

// An undo or a redo leaves no pick of an object that is gone, and the description that the view
// shows names only what is picked now: a section, a material card, the elements of a model.
TEST_F(C_Mgr_Sel_Test, UndoAndRedoLeaveNoPickOrDescriptionOfWhatIsGone)
{
    auto& history = m_Proj.M_Fn_Get_Mgr_Cmd();
    const auto pick_and_select = [&](auto& ro_Sel, const auto& ro_Handle) {
        ro_Sel.M_Fn_Sel_P0_Add(ro_Handle);
        sel().M_Fn_Sel_P1_Update(false, false);
        sel().M_Fn_Sel_P0_Desc_Update();
    };
    using T_Desc = std::vector<std::wstring>;

    m_Proj.M_Fn_Tree_Add();
    C_Sect* p_sect = M_Fn_Sect_Add(1, L"Front rail");
    auto& sects = m_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Sel();
    M_Fn_Mode(8, 7);
    pick_and_select(sects, p_sect);
    ASSERT_EQ(sel().M_Fn_Get_Desc(), T_Desc{L"Front rail"});
    history.M_Fn_Undo();
    EXPECT_TRUE(sects.M_Fn_Sel_P0_Get().empty());
    EXPECT_TRUE(sects.M_Fn_Sel_P1_Get().empty());
    EXPECT_EQ(p_sect->m_Flag, 0u);
    EXPECT_TRUE(sel().M_Fn_Get_Desc().empty());
    // Back by the redo, unpicked; picked again as before.
    history.M_Fn_Redo();
    EXPECT_TRUE(sects.M_Fn_Sel_P1_Get().empty());
    EXPECT_TRUE(sel().M_Fn_Get_Desc().empty());
    pick_and_select(sects, p_sect);
    EXPECT_EQ(sel().M_Fn_Get_Desc(), T_Desc{L"Front rail"});

    auto& materials = m_Proj.M_Fn_Get_Mgr_D_DB_C_M();
    auto sp_card = M_Fn_Material(L"Steel");
    const std::uint32_t slot = materials.M_Fn_Get_Store().next_index();
    materials.M_Fn_Proc_Cmd_Top_Add(slot, sp_card);
    M_Fn_Mode(1, 7);
    pick_and_select(materials.M_Fn_Sel(), sp_card);
    ASSERT_FALSE(sel().M_Fn_Get_Desc().empty());
    EXPECT_EQ(sel().M_Fn_Get_Desc()[0], L"Material:");
    history.M_Fn_Undo();
    EXPECT_FALSE(materials.M_Fn_Get_Store().is_used_at(slot));
    EXPECT_TRUE(materials.M_Fn_Sel().M_Fn_Sel_P0_Get().empty());
    EXPECT_TRUE(materials.M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
    EXPECT_TRUE(sel().M_Fn_Get_Desc().empty());
    history.M_Fn_Redo();
    ASSERT_EQ(materials.M_Fn_Get_At(slot), sp_card);
    pick_and_select(materials.M_Fn_Sel(), sp_card);
    EXPECT_EQ(materials.M_Fn_Sel().M_Fn_Sel_P1_Get().size(), 1u);

    ASSERT_EQ(M_Fn_Import(N_Test_Proj::G_Deck_3), 1u);
    M_Fn_Mode(6, 7);
    M_Fn_Pick_E({{1, 2}});
    sel().M_Fn_Sel_P1_Update(false, false);
    sel().M_Fn_Sel_P0_Desc_Update();
    ASSERT_FALSE(sel().M_Fn_Get_Desc().empty());
    EXPECT_EQ(sel().M_Fn_Get_Desc()[0], L"Element:");
    history.M_Fn_Undo();
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Get_P0_Count(), 0u);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Get_P1_Count(), 0u);
    EXPECT_TRUE(sel().M_Fn_Get_Desc().empty());
    history.M_Fn_Clear();
}

TEST_F(C_Mgr_Sel_Test, TypedPositionsAndRefusedModes)
{
    auto& nodes = m_Proj.M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
    // Axis positions accumulate; a position typed twice is entered twice (no flag marks it).
    M_Fn_Mode(3, 8);
    sel().M_Fn_Sel_P1_Set_Scrn({1, 0, 0});
    sel().M_Fn_Sel_P1_Set_Scrn({1, 0, 0});
    EXPECT_EQ(nodes.M_Fn_Sel_P1_Get().size(), 2u);
    EXPECT_EQ(nodes.M_Fn_Sel_P0_Get().size(), 1u);
    // Without a rule flag the typed position replaces the set.
    M_Fn_Mode(4, 0);
    sel().M_Fn_Sel_P1_Set_Scrn({2, 0, 0});
    sel().M_Fn_Sel_P1_Set_Scrn({3, 0, 0});
    ASSERT_EQ(nodes.M_Fn_Sel_P1_Get().size(), 1u);
    EXPECT_EQ(nodes.M_Fn_Sel_P1_Get().front().m_Position.x, 3.0f);

    M_Fn_Mode(5, 0);
    EXPECT_THROW(sel().M_Fn_Sel_P1_Set_Scrn({0, 0, 0}), C_Exception);
    // Screen positions are never picked by rendering.
    M_Fn_Mode(3, 0);
    EXPECT_THROW(sel().M_Fn_Sel_P0_Update(false), C_Exception);
    EXPECT_THROW(M_Fn_Mode(9, 0), C_Exception);
    EXPECT_EQ(sel().M_Fn_Get_Mode(), 3u);
    // Modes 0 and 7 pick nothing and refuse nothing.
    M_Fn_Mode(7, 0);
    EXPECT_NO_THROW(sel().M_Fn_Sel_P0_Update(true));
    EXPECT_NO_THROW(sel().M_Fn_Sel_P1_Update(true, true));
}
