// The section-group manager: groups and sections moved in and out through their undo elements,
// refusals, the announcement of a new section, the selection, and the invalidation of all sections.
#include "Test_Proj_Support.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Modify_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Remove_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Remove_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "common/Common_Exception.h"

#include <functional>

using namespace N_Test_Proj;
using namespace N_Biz::N_Proj;
using N_Biz::N_Sect::C_Sect;
using N_Common::N_Exception::C_Exception;
using T_sp_Group = C_Mgr_D_Sect::T_sp_Group;
using T_sp_Sect = C_Mgr_D_Sect::T_sp_Sect;

namespace {

class C_View_Count : public N_Biz::N_Sect::C_Mgr_Frame::C_View {
public:
    void M_Fn_Invalidate() override { ++m_Count; }
    void M_Fn_Refill() override { ++m_Refills; }
    int m_Count = 0;
    int m_Refills = 0;
};

class C_Mgr_D_Sect_Test : public C_Proj_Test {
protected:
    C_Mgr_D_Sect_Test() { m_Proj.M_Fn_Tree_Add(); }
    ~C_Mgr_D_Sect_Test() override { m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Clear(); }

    C_Mgr_D_Sect& mgr() { return m_Proj.M_Fn_Get_Mgr_D_Sect(); }
    T_sp_Sect M_Fn_Sect(const std::wstring& i_Name)
    {
        C_Sect::S_p_Proj = &m_Proj;
        auto sp = std::make_shared<C_Sect>();
        C_Sect::S_p_Proj = nullptr;
        sp->m_Name = i_Name;
        return sp;
    }
    // One history entry whose changes i_Fn_Body makes in its group.
    void M_Fn_Run(const wchar_t* i_Name, const std::function<void(N_Biz::N_Cmd::C_Elem_Group&)>& i_Fn_Body)
    {
        auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(i_Name, &m_Proj);
        m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
            auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
            sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
            i_Fn_Body(*sp_group);
        });
    }
    void M_Fn_Add_Sect(N_Biz::N_Cmd::C_Elem_Group& ro_Group, std::uint32_t i_Group, std::uint32_t i_Index,
                       T_sp_Sect i_sp)
    {
        ro_Group.M_Fn_Child_Add_and_Execute(
            std::make_shared<N_Cmd::C_Elem_D_Sect_Individual_Add_At>(&m_Proj, i_Group, i_Index, i_sp));
        EXPECT_FALSE(i_sp);
    }
    // Group 1 with sections "A", "B", "C" in slots 3, 1, 2 (added in that order), as one entry.
    void M_Fn_Group_Of_Three()
    {
        M_Fn_Run(L"Create section group", [&](N_Biz::N_Cmd::C_Elem_Group& g) {
            T_sp_Group sp_group = std::make_shared<C_D_Group_Sect>();
            g.M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Sect_Group_Add_At>(&m_Proj, 1, sp_group));
            M_Fn_Add_Sect(g, 1, 3, M_Fn_Sect(L"A"));
            M_Fn_Add_Sect(g, 1, 1, M_Fn_Sect(L"B"));
            M_Fn_Add_Sect(g, 1, 2, M_Fn_Sect(L"C"));
        });
    }
    // The names of group i_Group's sections in slot order.
    std::vector<std::wstring> M_Fn_Names(std::uint32_t i_Group)
    {
        std::vector<std::wstring> names;
        const auto& sects = mgr().M_Fn_Get_Group_At(i_Group)->m_Sects;
        for (std::uint32_t i = 1; i < sects.size(); ++i)
            if (sects.is_used_at(i))
                names.push_back(sects.at(i)->m_Name);
        return names;
    }
};

} // namespace

TEST_F(C_Mgr_D_Sect_Test, GroupAndSectionsComeAndGoWithTheirElementsInSlotOrder)
{
    M_Fn_Group_Of_Three();
    const C_D_Group_Sect* p_group = mgr().M_Fn_Get_Group_At(1).get();
    EXPECT_EQ(p_group->m_Index, 1u);
    EXPECT_TRUE(p_group->m_Tree.M_Fn_Is_Connected());
    EXPECT_EQ(M_Fn_Names(1), (std::vector<std::wstring>{L"B", L"C", L"A"}));
    const C_Sect* p_a = mgr().M_Fn_Get_Group_At(1)->m_Sects.at(3).get();
    EXPECT_EQ(p_a->m_Title_Number_1, 1u);
    EXPECT_EQ(p_a->m_Title_Number_2, 3u);
    EXPECT_EQ(p_a->M_Fn_Title_Get(), L"A");

    // Undone: sections first, then the group; the objects wait in the elements.
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_FALSE(mgr().M_Fn_Get_Groups().is_used_at(1));
    EXPECT_EQ(p_group->m_Index, 0u);
    EXPECT_FALSE(p_group->m_Tree.M_Fn_Is_Connected());
    EXPECT_EQ(p_a->m_Title_Number_2, 0u);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_EQ(mgr().M_Fn_Get_Group_At(1).get(), p_group);
    EXPECT_EQ(mgr().M_Fn_Get_Group_At(1)->m_Sects.at(3).get(), p_a);
    EXPECT_EQ(M_Fn_Names(1), (std::vector<std::wstring>{L"B", L"C", L"A"}));

    // The middle section removed and put back in its slot.
    M_Fn_Run(L"Delete section", [&](N_Biz::N_Cmd::C_Elem_Group& g) {
        g.M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Sect_Individual_Remove_At>(&m_Proj, 1, 2));
    });
    EXPECT_EQ(M_Fn_Names(1), (std::vector<std::wstring>{L"B", L"A"}));
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_EQ(M_Fn_Names(1), (std::vector<std::wstring>{L"B", L"C", L"A"}));
    EXPECT_EQ(mgr().M_Fn_Get_Group_At(1)->m_Sects.at(2)->m_Title_Number_2, 2u);
}

TEST_F(C_Mgr_D_Sect_Test, GroupWithSectionsCannotComeOrGo)
{
    M_Fn_Group_Of_Three();
    T_sp_Group sp_out;
    EXPECT_THROW(mgr().M_Fn_D_Group_Remove_At(1, sp_out), C_Exception);
    EXPECT_FALSE(sp_out);
    T_sp_Group sp_full = std::make_shared<C_D_Group_Sect>();
    sp_full->m_Sects.add(M_Fn_Sect(L"X"));
    EXPECT_THROW(mgr().M_Fn_D_Group_Add_At(2, sp_full), C_Exception);
    T_sp_Group sp_indexed = std::make_shared<C_D_Group_Sect>();
    sp_indexed->m_Index = 5;
    EXPECT_THROW(mgr().M_Fn_D_Group_Add_At(5, sp_indexed), C_Exception);
    EXPECT_TRUE(sp_full && sp_indexed);
    EXPECT_FALSE(mgr().M_Fn_Get_Groups().is_used_at(2));

    // A section into a free group slot, or into an occupied section slot.
    T_sp_Sect sp = M_Fn_Sect(L"Y");
    EXPECT_THROW(mgr().M_Fn_D_Individual_Add_At(2, 1, sp), C_Exception);
    EXPECT_THROW(mgr().M_Fn_D_Individual_Add_At(1, 2, sp), C_Exception);
    EXPECT_TRUE(sp);
    EXPECT_EQ(sp->m_Title_Number_1, 0u);
    EXPECT_FALSE(sp->M_Fn_Get_Tree().M_Fn_Is_Connected());
    // Elements refuse what they cannot hold, and leave the caller's pointer alone.
    EXPECT_THROW(N_Cmd::C_Elem_D_Sect_Individual_Add_At(&m_Proj, 1, 0, sp), C_Exception);
    EXPECT_TRUE(sp);
    T_sp_Sect sp_none;
    EXPECT_THROW(N_Cmd::C_Elem_D_Sect_Individual_Add_At(&m_Proj, 1, 4, sp_none), C_Exception);
    EXPECT_THROW(N_Cmd::C_Elem_D_Sect_Group_Remove_At(&m_Proj, 0), C_Exception);
}

TEST_F(C_Mgr_D_Sect_Test, ModifyExchangesPlaneDataAndUndoesItself)
{
    M_Fn_Group_Of_Three();
    T_sp_Group sp_new = std::make_shared<C_D_Group_Sect>();
    sp_new->m_Flip = 1;
    sp_new->m_Heading = {1, 0, 0};
    M_Fn_Run(L"Redirect section group", [&](N_Biz::N_Cmd::C_Elem_Group& g) {
        g.M_Fn_Child_Add_and_Execute(std::make_shared<N_Cmd::C_Elem_D_Sect_Group_Modify_At>(&m_Proj, 1, sp_new));
    });
    const C_D_Group_Sect& stored = *mgr().M_Fn_Get_Group_At(1);
    EXPECT_EQ(stored.m_Flip, 1u);
    EXPECT_EQ(stored.m_Heading, (N_Common::N_Math::C_Vector3<float>{1, 0, 0}));
    EXPECT_EQ(stored.m_Up, (N_Common::N_Math::C_Vector3<float>{0, 1, 0}));
    EXPECT_EQ(M_Fn_Names(1).size(), 3u);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_EQ(stored.m_Flip, 0u);
    EXPECT_EQ(stored.m_Heading, (N_Common::N_Math::C_Vector3<float>{0, 0, 1}));
}

TEST_F(C_Mgr_D_Sect_Test, NewSectionIsAnnouncedOnce)
{
    M_Fn_Group_Of_Three();
    std::vector<const C_Sect*> announced;
    m_Proj.M_Fn_Get_Signal().connect([&](C_Proj&, E_Signal i_Code) {
        if (i_Code == E_Signal_D_Sect_Add)
            announced.push_back(mgr().M_Fn_Sect_Announced_Get().get());
    });
    T_sp_Sect sp = M_Fn_Sect(L"D");
    const C_Sect* p = sp.get();
    mgr().M_Fn_D_Individual_Add_At(1, 7, sp);
    EXPECT_FALSE(sp);
    EXPECT_EQ(announced, std::vector<const C_Sect*>{p});
    EXPECT_FALSE(mgr().M_Fn_Sect_Announced_Get());
    EXPECT_TRUE(p->M_Fn_Get_Tree().M_Fn_Is_Connected());
    EXPECT_EQ(p->M_Fn_Title_Get(), L"D");
}

TEST_F(C_Mgr_D_Sect_Test, RemovingTheHeadOfTheSelectionIsAnnounced)
{
    M_Fn_Group_Of_Three();
    const auto& sects = mgr().M_Fn_Get_Group_At(1)->m_Sects;
    C_Sect* p_b = sects.at(1).get();
    C_Sect* p_c = sects.at(2).get();
    mgr().M_Fn_Sel_P0_Add(p_b);
    mgr().M_Fn_Sel_P0_Add(p_c);
    mgr().M_Fn_Sel_P1_Update_Yes();
    M_Fn_Codes_Take();

    T_sp_Sect sp_out;
    mgr().M_Fn_D_Individual_Remove_At(1, 2, sp_out);
    EXPECT_TRUE(M_Fn_Codes_Take().empty());
    EXPECT_EQ(mgr().M_Fn_Sel_P1_Get().size(), 1u);
    EXPECT_EQ(sp_out->m_Flag, 0u);
    T_sp_Sect sp_out_b;
    mgr().M_Fn_D_Individual_Remove_At(1, 1, sp_out_b);
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
    EXPECT_TRUE(mgr().M_Fn_Sel_P1_Get().empty());
    EXPECT_TRUE(mgr().M_Fn_Sel_P0_Get().empty());
    // A selected section may not come back selected.
    sp_out->m_Flag = 0x2;
    EXPECT_THROW(mgr().M_Fn_D_Individual_Add_At(1, 2, sp_out), C_Exception);
    EXPECT_FALSE(sects.is_used_at(2));
}

TEST_F(C_Mgr_D_Sect_Test, InvalidateAllReachesEverySection)
{
    mgr().M_Fn_Invalidate_All(1, 1, 1, 1, 1); // no group: nothing to do
    M_Fn_Group_Of_Three();
    C_View_Count main, sheet;
    C_Sect& sect = *mgr().M_Fn_Get_Group_At(1)->m_Sects.at(3);
    sect.M_Fn_Get_Mgr_Frame().m_p_View_Main = &main;
    sect.M_Fn_Get_Mgr_Frame().m_p_View_Sheet = &sheet;
    sect.M_Fn_Get_Mgr_Calc().M_Fn_Stale_Clear();
    mgr().M_Fn_Invalidate_All(0, 1, 0, 0, 0);
    EXPECT_FALSE(sect.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    EXPECT_EQ(main.m_Count, 1);
    EXPECT_EQ(sheet.m_Count, 0);
    mgr().M_Fn_Invalidate_All(1, 0, 0, 1, 1);
    EXPECT_TRUE(sect.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    EXPECT_EQ(sheet.m_Count, 1);
    EXPECT_EQ(sheet.m_Refills, 1);
    sect.M_Fn_Get_Mgr_Frame().m_p_View_Main = sect.M_Fn_Get_Mgr_Frame().m_p_View_Sheet = nullptr;
}
