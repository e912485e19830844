#include "tests/proj/Test_Proj_Support.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "common/Common_Exception.h"

using N_Biz::N_DB::C_Row_Any;
using N_Biz::N_Proj::E_Signal_Sel_Data;
using N_Common::N_Exception::C_Exception;
using N_Test_Proj::G_Fn_Bytes;

namespace {

class C_Mgr_D_DB_C_M : public N_Test_Proj::C_Proj_Test {
protected:
    N_Biz::N_Proj::C_Mgr_D_DB_C_M& mgr() { return m_Proj.M_Fn_Get_Mgr_D_DB_C_M(); }
    float M_Fn_Value(N_Biz::N_DB::C_Row& ro_Row, N_Biz::N_DB::E_Id_Column i_Id)
    {
        return ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id).M_Fn_Get<float>();
    }
    void M_Fn_Select(const N_Test_Proj::lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material>& ro_sp)
    {
        mgr().M_Fn_Sel().M_Fn_Sel_P0_Add(ro_sp);
        mgr().M_Fn_Sel().M_Fn_Sel_P1_Update_Or();
        mgr().M_Fn_Sel().M_Fn_Sel_P0_Clear();
    }
};

} // namespace

TEST_F(C_Mgr_D_DB_C_M, DefaultMaterialInSlotOne)
{
    mgr().M_Fn_Proc_Cmd_Sub_Add_Default();
    const auto& sp = mgr().M_Fn_Get_At(1);
    ASSERT_TRUE(sp);
    EXPECT_EQ(sp->M_Fn_Pos_Get(), 1);
    EXPECT_EQ(M_Fn_Name_Get(*sp), L"Default Material");
    using namespace N_Biz::N_DB;
    EXPECT_EQ(sp->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Key_primary_C_Material).M_Fn_Get<std::int32_t>(), 0);
    EXPECT_EQ(M_Fn_Value(*sp, E_Id_Column_Density_Mass), 7.9e-9f);
    EXPECT_EQ(M_Fn_Value(*sp, E_Id_Column_Ratio_Poisson), 0.3f);
    EXPECT_EQ(M_Fn_Value(*sp, E_Id_Column_Modulus_E), 210000.0f);
    EXPECT_EQ(M_Fn_Value(*sp, E_Id_Column_Limit_Stress_Y), 210.0f);
    EXPECT_EQ(M_Fn_Value(*sp, E_Id_Column_Limit_Stress_U), 262.5f);
    EXPECT_NEAR(sp->m_Display.m_Color_Normal[0], 0.0f, 1e-5);
    EXPECT_NEAR(sp->m_Display.m_Color_Normal[1], 1.0f, 1e-5);
    EXPECT_NEAR(sp->m_Display.m_Color_Normal[2], 0.3125f, 1e-5);
    EXPECT_EQ(sp->m_Display.m_Color_Normal[3], 1.0f);
    // Shades follow the colour: selected = c + (1 - c) * 0.875.
    EXPECT_NEAR(sp->m_Display.m_Color_Selected[0], 0.875f, 1e-5);
    // In the tree under this manager, counted by the palette, not undoable.
    EXPECT_TRUE(sp->m_Display.m_sp_Tree->M_Fn_Is_Connected());
    EXPECT_EQ(mgr().M_Fn_Get_Palette().M_Fn_Users_Get(0), std::list<std::uint32_t>{1});
    EXPECT_EQ(M_Fn_History_Size(), 0u);
    // A second default is refused and adds nothing.
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Sub_Add_Default(), C_Exception);
    EXPECT_EQ(mgr().M_Fn_Get_Store().size(), 2u);
    EXPECT_EQ(mgr().M_Fn_Get_Palette().M_Fn_Users_Get(1).size(), 0u);
}

TEST_F(C_Mgr_D_DB_C_M, DefaultMaterialNeedsTheSchema)
{
    m_App.app().m_sp_Schema.reset();
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Sub_Add_Default(), C_Exception);
    EXPECT_EQ(mgr().M_Fn_Get_Store().size(), 1u);
}

TEST_F(C_Mgr_D_DB_C_M, CreateIsOneEntryThatUndoesAndRedoes)
{
    auto sp = M_Fn_Material(L"Steel");
    const std::string before = G_Fn_Bytes(*sp);
    mgr().M_Fn_Proc_Cmd_Top_Add(2, sp);
    ASSERT_EQ(M_Fn_History_Size(), 1u);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Create material card");
    EXPECT_EQ(mgr().M_Fn_Get_At(2), sp);
    EXPECT_EQ(sp->M_Fn_Pos_Get(), 2);
    EXPECT_TRUE(sp->m_Display.m_sp_Tree->M_Fn_Is_Connected());
    EXPECT_EQ(mgr().M_Fn_Get_Palette().M_Fn_Users_Get(3), std::list<std::uint32_t>{2}); // red: position 3

    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_FALSE(mgr().M_Fn_Get_Store().is_used_at(2));
    EXPECT_EQ(sp->M_Fn_Pos_Get(), 0);
    EXPECT_FALSE(sp->m_Display.m_sp_Tree->M_Fn_Is_Connected());
    EXPECT_TRUE(mgr().M_Fn_Get_Palette().M_Fn_Users_Get(3).empty());
    EXPECT_EQ(G_Fn_Bytes(*sp), before);

    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_EQ(mgr().M_Fn_Get_At(2), sp);
    EXPECT_EQ(sp->M_Fn_Pos_Get(), 2);
    EXPECT_EQ(G_Fn_Bytes(*sp), before);
    EXPECT_EQ(M_Fn_History_Size(), 1u);
}

TEST_F(C_Mgr_D_DB_C_M, ModifyIsOneEntryThatUndoesAndRedoes)
{
    auto sp = M_Fn_Material(L"Steel");
    mgr().M_Fn_D_Add_At(1, sp);
    const std::string before = G_Fn_Bytes(*sp);
    C_Row_Any data(*sp);
    M_Fn_Name_Set(data, L"Aluminium");
    data.M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Modulus_E).M_Fn_Ref<float>() = 70000.0f;
    mgr().M_Fn_Proc_Cmd_Top_Modify(sp.get(), data, {0, 0, 1, 1});
    const std::string after = G_Fn_Bytes(*sp);
    EXPECT_NE(after, before);
    EXPECT_EQ(M_Fn_Name_Get(*sp), L"Aluminium");
    EXPECT_EQ(M_Fn_Value(*sp, N_Biz::N_DB::E_Id_Column_Modulus_E), 70000.0f);
    EXPECT_EQ(sp->m_Display.m_Color_Normal, (std::array<float, 4>{0, 0, 1, 1}));
    EXPECT_NEAR(sp->m_Display.m_Color_Picked[0], 1.0f, 1e-6); // picked = (1 - c) + 0.75 c
    // The palette keeps counting the card where it was checked in.
    EXPECT_EQ(mgr().M_Fn_Get_Palette().M_Fn_Users_Get(3), std::list<std::uint32_t>{1});
    ASSERT_EQ(M_Fn_History_Size(), 1u);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Modify material card");

    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_EQ(G_Fn_Bytes(*sp), before);
    EXPECT_EQ(M_Fn_Name_Get(*sp), L"Steel");
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    EXPECT_EQ(G_Fn_Bytes(*sp), after);
}

TEST_F(C_Mgr_D_DB_C_M, RefusedAddChangesNothing)
{
    auto sp_in = M_Fn_Material(L"In");
    mgr().M_Fn_D_Add_At(1, sp_in);
    auto sp = M_Fn_Material(L"New");
    EXPECT_THROW(mgr().M_Fn_D_Add_At(0, sp), C_Exception);
    EXPECT_THROW(mgr().M_Fn_D_Add_At(1, sp), C_Exception); // occupied
    EXPECT_THROW(mgr().M_Fn_D_Add_At(2, sp_in), C_Exception); // already in a store
    EXPECT_THROW(mgr().M_Fn_D_Add_At(2, {}), C_Exception);
    // A card that still carries a selection bit is refused before it reaches the tree or the
    // palette, so it never ends up half in this manager.
    sp->m_Display.m_u32_State = 0x2;
    EXPECT_THROW(mgr().M_Fn_D_Add_At(2, sp), C_Exception);
    EXPECT_FALSE(sp->m_Display.m_sp_Tree->M_Fn_Is_Connected());
    EXPECT_EQ(sp->M_Fn_Pos_Get(), 0);
    EXPECT_FALSE(mgr().M_Fn_Get_Store().is_used_at(2));
    EXPECT_EQ(mgr().M_Fn_Get_Palette().M_Fn_Users_Get(3), std::list<std::uint32_t>{1});
    // A card whose tree item already hangs somewhere is refused the same way.
    sp->m_Display.m_u32_State = 0;
    sp->m_Display.m_sp_Tree->M_Fn_On_Add_Proj_D_DB_C_M_Mgr_I(nullptr, nullptr, nullptr);
    EXPECT_THROW(mgr().M_Fn_D_Add_At(2, sp), C_Exception);
    EXPECT_EQ(mgr().M_Fn_Get_Palette().M_Fn_Users_Get(3), std::list<std::uint32_t>{1});
    EXPECT_TRUE(m_Codes.empty());
}

TEST_F(C_Mgr_D_DB_C_M, RemovingASelectedCardLeavesTheSelection)
{
    auto sp = M_Fn_Material(L"A");
    mgr().M_Fn_Proc_Cmd_Top_Add(1, sp);
    M_Fn_Select(sp);
    m_Codes.clear();
    N_Test_Proj::lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material> out;
    EXPECT_THROW(mgr().M_Fn_D_Remove_At(2, out), C_Exception); // free slot
    EXPECT_THROW(mgr().M_Fn_D_Remove_At(0, out), C_Exception);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_EQ(M_Fn_Codes_Take(), (std::vector<int>{E_Signal_Sel_Data, N_Biz::N_Proj::E_Signal_Cmd}));
    EXPECT_TRUE(mgr().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
    EXPECT_EQ(sp->m_Display.m_u32_State, 0u);
}

TEST_F(C_Mgr_D_DB_C_M, HiddenStateIsNoUndoableChange)
{
    auto sp_a = M_Fn_Material(L"A");
    auto sp_b = M_Fn_Material(L"B");
    mgr().M_Fn_D_Add_At(1, sp_a);
    mgr().M_Fn_D_Add_At(2, sp_b);
    ASSERT_EQ(m_Proj.M_Fn_Get_Mgr_Doc().M_Fn_Create(L""), 1);
    m_App.port().m_Calls.clear();
    m_Codes.clear();
    // Nothing selected: Hide_Sel hides nothing and fires nothing.
    mgr().M_Fn_Hide_Sel();
    EXPECT_EQ(sp_a->m_Display.m_u32_State | sp_b->m_Display.m_u32_State, 0u);
    EXPECT_TRUE(m_Codes.empty());
    M_Fn_Select(sp_a);
    m_Codes.clear();
    mgr().M_Fn_Hide_Unsel();
    EXPECT_EQ(sp_b->m_Display.m_u32_State, 4u);
    EXPECT_EQ(sp_a->m_Display.m_u32_State, 0u); // the selection set was cleared
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
    mgr().M_Fn_Hide_Reverse();
    mgr().M_Fn_Hide_Reverse();
    EXPECT_EQ(sp_a->m_Display.m_u32_State, 0u);
    EXPECT_EQ(sp_b->m_Display.m_u32_State, 4u);
    mgr().M_Fn_Hide_Cancel_All();
    EXPECT_EQ(sp_b->m_Display.m_u32_State, 0u);
    EXPECT_TRUE(m_Codes.empty());
    EXPECT_EQ(M_Fn_History_Size(), 0u);
    EXPECT_TRUE(m_App.port().M_Fn_Texts(L"doc_modified").empty()); // not marked modified
}

TEST_F(C_Mgr_D_DB_C_M, ModifySelectedRunsTheDialogForOneCard)
{
    std::vector<std::tuple<std::uint32_t, std::uint32_t, N_Biz::N_DB::C_Row_Relation*>> calls;
    N_Biz::N_Proj::C_Dlg::S_Fn_Property = [&](N_Biz::N_Proj::C_Proj&, std::uint32_t i_Mode, std::uint32_t i_Kind,
                                              N_Biz::N_DB::C_Row_Relation* i_p_Card) {
        calls.emplace_back(i_Mode, i_Kind, i_p_Card);
    };
    auto sp_a = M_Fn_Material(L"A");
    auto sp_b = M_Fn_Material(L"B");
    mgr().M_Fn_D_Add_At(1, sp_a);
    mgr().M_Fn_D_Add_At(2, sp_b);
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Modify_Selected());
    M_Fn_Select(sp_a);
    M_Fn_Select(sp_b);
    m_Codes.clear();
    EXPECT_FALSE(mgr().M_Fn_Proc_Cmd_Top_Modify_Selected());
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
    EXPECT_TRUE(mgr().M_Fn_Sel().M_Fn_Sel_P1_Get().empty());
    EXPECT_TRUE(calls.empty());
    M_Fn_Select(sp_b);
    EXPECT_TRUE(mgr().M_Fn_Proc_Cmd_Top_Modify_Selected());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], std::make_tuple(2u, 2u, static_cast<N_Biz::N_DB::C_Row_Common*>(sp_b.get())));
}

TEST_F(C_Mgr_D_DB_C_M, ModifyAnnouncesTheSoleSelectedCard)
{
    auto sp_a = M_Fn_Material(L"A");
    auto sp_b = M_Fn_Material(L"B");
    mgr().M_Fn_D_Add_At(1, sp_a);
    mgr().M_Fn_D_Add_At(2, sp_b);
    M_Fn_Select(sp_a);
    m_Codes.clear();
    C_Row_Any data(*sp_a);
    std::array<float, 4> color{0, 1, 0, 1};
    mgr().M_Fn_D_Modify(sp_a.get(), data, color);
    EXPECT_EQ(M_Fn_Codes_Take(), std::vector<int>{E_Signal_Sel_Data});
    M_Fn_Select(sp_b);
    m_Codes.clear();
    mgr().M_Fn_D_Modify(sp_a.get(), data, color);
    EXPECT_TRUE(m_Codes.empty());
    // A card that is not stored, or data of another kind of card, is refused unchanged.
    auto sp_out = M_Fn_Material(L"Out");
    EXPECT_THROW(mgr().M_Fn_D_Modify(sp_out.get(), data, color), C_Exception);
    const std::string bytes = G_Fn_Bytes(*sp_a);
    C_Row_Any other(*M_Fn_Property(L"P"));
    EXPECT_THROW(mgr().M_Fn_D_Modify(sp_a.get(), other, color), C_Exception);
    EXPECT_EQ(G_Fn_Bytes(*sp_a), bytes);
}

TEST_F(C_Mgr_D_DB_C_M, SubAddWithAndWithoutGroup)
{
    mgr().M_Fn_Proc_Cmd_Sub_Add_At(M_Fn_Material(L"Direct"), 1, nullptr);
    EXPECT_EQ(M_Fn_History_Size(), 0u);
    auto sp_entry = std::make_shared<N_Biz::N_Proj::N_Cmd::C_Entry_C>(L"Import", &m_Proj);
    auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Begin(sp_entry);
    sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
    mgr().M_Fn_Proc_Cmd_Sub_Add_At(M_Fn_Material(L"B"), 2, sp_group);
    mgr().M_Fn_Proc_Cmd_Sub_Add_At(M_Fn_Material(L"C"), 3, sp_group);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Entry_End();
    EXPECT_EQ(mgr().M_Fn_Get_Store().size(), 4u);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo(); // one step takes both out, the direct one stays
    EXPECT_EQ(mgr().M_Fn_Get_Store().free_count(), 2u);
    EXPECT_TRUE(mgr().M_Fn_Get_Store().is_used_at(1));
}
