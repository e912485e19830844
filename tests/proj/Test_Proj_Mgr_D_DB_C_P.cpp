#include "tests/proj/Test_Proj_Support.h"

#include "biz/db/Biz_DB_Key.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "common/Common_Exception.h"

using N_Biz::N_DB::C_Row_Any;
using N_Biz::N_Proj::E_Signal_Cmd;
using N_Biz::N_Proj::E_Signal_D_DB_C_P_Palette;
using N_Biz::N_Proj::E_Signal_Sel_Data;
using N_Common::N_Exception::C_Exception;
using N_Test_Proj::G_Fn_Bytes;
using N_Test_Proj::lesser_shared_ptr;

namespace {

class C_Mgr_D_DB_C_P : public N_Test_Proj::C_Proj_Test {
protected:
    N_Biz::N_Proj::C_Mgr_D_DB_C_P& mgr() { return m_Proj.M_Fn_Get_Mgr_D_DB_C_P(); }
    void M_Fn_Select(const lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property>& ro_sp)
    {
        mgr().M_Fn_Sel().M_Fn_Sel_P0_Add(ro_sp);
        mgr().M_Fn_Sel().M_Fn_Sel_P1_Update_Or();
        mgr().M_Fn_Sel().M_Fn_Sel_P0_Clear();
    }
    // The section card that a property's Key_foreign_C_Section column names, or null.
    static const N_Biz::N_DB::C_Row_Common* M_Fn_Section_Of(N_Biz::N_DB::C_Row_C_Property& ro_Card)
    {
        N_Biz::N_DB::C_Route_Request request;
        request.m_Id = N_Biz::N_DB::E_Id_Column_Key_foreign_C_Section;
        ro_Card.M_Fn_Route_Walk_Default(request);
        return request.m_Visitor.M_Fn_Ref<N_Biz::N_DB::C_Key_Common>().M_Fn_Lock().get();
    }
    // A Dyna section card stored in the generic manager at i_Index.
    lesser_shared_ptr<N_Biz::N_DB::C_Row_Common> M_Fn_Section(std::uint32_t i_Index)
    {
        lesser_shared_ptr<N_Biz::N_DB::C_Row_Common> sp(new N_Biz::N_DB::C_Row_C_Section(M_Fn_Table(2, "SECTION_SHELL")));
        m_Proj.M_Fn_Get_Mgr_D_DB_C().M_Fn_D_Add_At(i_Index, sp);
        return sp;
    }
};

} // namespace

TEST_F(C_Mgr_D_DB_C_P, FirstCardBecomesTheCurrentPaletteProperty)
{
    mgr().M_Fn_D_Add_At(1, M_Fn_Property(L"A"));
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_D_DB_C_P_Palette});
    EXPECT_EQ(mgr().M_Fn_Palette_Get(), 1u);
    mgr().M_Fn_D_Add_At(2, M_Fn_Property(L"B"));
    EXPECT_TRUE(m_Codes.empty());
    EXPECT_EQ(mgr().M_Fn_Palette_Get(), 1u);
}

TEST_F(C_Mgr_D_DB_C_P, CurrentPalettePropertySignalSequence)
{
    auto sp_a = M_Fn_Property(L"A");
    auto sp_b = M_Fn_Property(L"B");
    mgr().M_Fn_Proc_Cmd_Top_Add(1, sp_a);
    mgr().M_Fn_Proc_Cmd_Top_Add(2, sp_b);
    m_Codes.clear();
    // Modifying the current card announces it; modifying another does not.
    mgr().M_Fn_Proc_Cmd_Top_Modify(sp_a.get(), C_Row_Any(*sp_a), {1, 1, 0, 1});
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_D_DB_C_P_Palette, E_Signal_Cmd}));
    mgr().M_Fn_Proc_Cmd_Top_Modify(sp_b.get(), C_Row_Any(*sp_b), {1, 1, 0, 1});
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Cmd});
    // Card B becomes current through palette select; undoing its modify and its creation takes it
    // out: the current property is released.
    M_Fn_Select(sp_b);
    m_Codes.clear();
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Palette_Select());
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_D_DB_C_P_Palette});
    EXPECT_EQ(mgr().M_Fn_Palette_Get(), 2u);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo(); // modify of B (B is the only selected card)
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_Sel_Data, E_Signal_D_DB_C_P_Palette, E_Signal_Cmd}));
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo(); // modify of A: not current any more
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Cmd});
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo(); // creation of B
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_D_DB_C_P_Palette, E_Signal_Sel_Data, E_Signal_Cmd}));
    EXPECT_EQ(mgr().M_Fn_Palette_Get(), 0u);
    // Redoing it makes B current again, since no other card became current meanwhile.
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_D_DB_C_P_Palette, E_Signal_Cmd}));
    EXPECT_EQ(mgr().M_Fn_Palette_Get(), 2u);
    // Removing a card that is not current announces no palette change.
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    mgr().M_Fn_Palette_Set(1);
    m_Codes.clear();
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo(); // creation of A, which is current
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_D_DB_C_P_Palette, E_Signal_Cmd}));
}

TEST_F(C_Mgr_D_DB_C_P, PaletteSetAndSelect)
{
    auto sp_a = M_Fn_Property(L"A");
    auto sp_b = M_Fn_Property(L"B");
    mgr().M_Fn_D_Add_At(1, sp_a);
    mgr().M_Fn_D_Add_At(2, sp_b);
    m_Codes.clear();
    EXPECT_THROW(mgr().M_Fn_Palette_Set(3), C_Exception);
    EXPECT_EQ(mgr().M_Fn_Palette_Get(), 1u);
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Palette_Select()); // nothing selected
    M_Fn_Select(sp_a);
    M_Fn_Select(sp_b);
    m_Codes.clear();
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Palette_Select());
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
    EXPECT_TRUE(mgr().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
    // The palette list: no pick makes no card current.
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t i_Mode) {
        EXPECT_EQ(i_Kind, 3u);
        EXPECT_EQ(i_Mode, 1u);
        return 0u;
    };
    mgr().M_Fn_Dlg_Palette_List();
    EXPECT_EQ(mgr().M_Fn_Palette_Get(), 0u);
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_D_DB_C_P_Palette});
}

TEST_F(C_Mgr_D_DB_C_P, ReconnectSectionOfThreeIsOneEntry)
{
    auto sp_s1 = M_Fn_Section(1);
    auto sp_s2 = M_Fn_Section(2);
    std::vector<lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property>> cards;
    std::vector<std::string> before;
    for (std::uint32_t i = 1; i <= 3; ++i) {
        cards.push_back(M_Fn_Property(L"", true));
        mgr().M_Fn_D_Add_At(i, cards.back());
    }
    N_Biz::N_DB::C_Key_Common key_s1(sp_s1);
    mgr().M_Fn_D_Reconnect_C_S(cards[0].get(), key_s1);
    EXPECT_TRUE(key_s1.M_Fn_Is_Empty()); // the card's empty key came back
    for (auto& sp : cards) {
        M_Fn_Select(sp);
        before.push_back(G_Fn_Bytes(*sp));
    }
    ASSERT_EQ(M_Fn_Section_Of(*cards[0]), sp_s1.get());
    ASSERT_EQ(M_Fn_Section_Of(*cards[1]), nullptr);

    N_Biz::N_Proj::C_Dlg::S_Fn_List = [](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t) {
        return i_Kind == 1 ? 2u : 0u;
    };
    const std::size_t entries = M_Fn_History_Size();
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_S());
    ASSERT_EQ(M_Fn_History_Size(), entries + 1);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Reconnect section of property card");
    std::vector<std::string> after;
    for (auto& sp : cards) {
        EXPECT_EQ(M_Fn_Section_Of(*sp), sp_s2.get());
        after.push_back(G_Fn_Bytes(*sp));
    }
    EXPECT_EQ(mgr().M_Fn_Sel().M_Fn_Sel_P1_Get().size(), 3u); // the selection stays
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    for (std::size_t i = 0; i < cards.size(); ++i)
        EXPECT_EQ(G_Fn_Bytes(*cards[i]), before[i]);
    EXPECT_EQ(M_Fn_Section_Of(*cards[0]), sp_s1.get());
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    for (std::size_t i = 0; i < cards.size(); ++i)
        EXPECT_EQ(G_Fn_Bytes(*cards[i]), after[i]);
}

TEST_F(C_Mgr_D_DB_C_P, ReconnectMaterialUndoesAndRedoes)
{
    auto& mgr_m = m_Proj.M_Fn_Get_Mgr_D_DB_C_M();
    mgr_m.M_Fn_Proc_Cmd_Sub_Add_Default();
    auto sp_steel = M_Fn_Material(L"Steel");
    mgr_m.M_Fn_D_Add_At(2, sp_steel);
    auto sp_p = M_Fn_Property(L"P");
    mgr().M_Fn_D_Add_At(1, sp_p);
    M_Fn_Select(sp_p);
    const std::string before = G_Fn_Bytes(*sp_p);
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t) {
        return i_Kind == 2 ? 2u : 0u;
    };
    m_Codes.clear();
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_M());
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_Sel_Data, E_Signal_Cmd}));
    EXPECT_EQ(sp_p->M_Fn_Key_C_Material().M_Fn_Lock(), sp_steel);
    const std::string after = G_Fn_Bytes(*sp_p);
    EXPECT_NE(after, before);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_TRUE(sp_p->M_Fn_Key_C_Material().M_Fn_Is_Empty());
    EXPECT_EQ(G_Fn_Bytes(*sp_p), before);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_EQ(G_Fn_Bytes(*sp_p), after);
}

TEST_F(C_Mgr_D_DB_C_P, ReconnectWithoutSelectionOrPick)
{
    int dialogs = 0;
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t, std::uint32_t) {
        ++dialogs;
        return 0u;
    };
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_S());
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_M());
    EXPECT_EQ(dialogs, 0);
    auto sp = M_Fn_Property(L"A");
    mgr().M_Fn_D_Add_At(1, sp);
    M_Fn_Select(sp);
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_S());
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_M());
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(M_Fn_History_Size(), 0u);
}

TEST_F(C_Mgr_D_DB_C_P, FailedReconnectCancelsItsEntry)
{
    // The first selected card has a section key, the second (standard table) has none: the
    // command fails half-way, and its entry is cancelled before the failure passes on.
    M_Fn_Section(1);
    auto sp_dyna = M_Fn_Property(L"", true);
    auto sp_std = M_Fn_Property(L"Std");
    mgr().M_Fn_D_Add_At(1, sp_dyna);
    mgr().M_Fn_D_Add_At(2, sp_std);
    M_Fn_Select(sp_dyna);
    M_Fn_Select(sp_std);
    const std::string before = G_Fn_Bytes(*sp_dyna);
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [](N_Biz::N_Proj::C_Proj&, std::uint32_t, std::uint32_t) { return 1u; };
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_S(), C_Exception);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_State(), N_Biz::N_Cmd::C_Mgr::E_State_Idle);
    EXPECT_EQ(M_Fn_History_Size(), 0u);
    EXPECT_EQ(G_Fn_Bytes(*sp_dyna), before);
    EXPECT_EQ(M_Fn_Section_Of(*sp_dyna), nullptr);
    // A picked identifier that names no section card is refused before any entry opens.
    N_Biz::N_Proj::C_Dlg::S_Fn_List = [](N_Biz::N_Proj::C_Proj&, std::uint32_t, std::uint32_t) { return 7u; };
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Top_Reconnect_Selected_C_S(), C_Exception);
    EXPECT_EQ(M_Fn_History_Size(), 0u);
}

TEST_F(C_Mgr_D_DB_C_P, SubAddNeedsAGroup)
{
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Sub_Add_At(nullptr, 1, M_Fn_Property(L"A")), C_Exception);
    EXPECT_EQ(mgr().M_Fn_Get_Store().size(), 1u);
    EXPECT_EQ(mgr().M_Fn_Palette_Get(), 0u);
}
