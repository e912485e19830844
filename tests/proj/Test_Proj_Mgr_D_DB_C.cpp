#include "tests/proj/Test_Proj_Support.h"

#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "common/Common_Exception.h"

using N_Biz::N_DB::C_Row_Any;
using N_Common::N_Exception::C_Exception;
using N_Test_Proj::G_Fn_Bytes;
using N_Test_Proj::lesser_shared_ptr;

namespace {

class C_Mgr_D_DB_C : public N_Test_Proj::C_Proj_Test {
protected:
    N_Biz::N_Proj::C_Mgr_D_DB_C& mgr() { return m_Proj.M_Fn_Get_Mgr_D_DB_C(); }
    lesser_shared_ptr<N_Biz::N_DB::C_Row_Common> M_Fn_Section()
    {
        return lesser_shared_ptr<N_Biz::N_DB::C_Row_Common>(new N_Biz::N_DB::C_Row_C_Section(M_Fn_Table(2, "SECTION_SHELL")));
    }
};

} // namespace

TEST_F(C_Mgr_D_DB_C, RefusedAddsLeaveTheStore)
{
    auto sp = M_Fn_Section();
    EXPECT_THROW(mgr().M_Fn_D_Add_At(0, sp), C_Exception);
    mgr().M_Fn_D_Add_At(3, sp);
    EXPECT_EQ(mgr().M_Fn_Get_Store().size(), 4u); // slots 1 and 2 free
    EXPECT_THROW(mgr().M_Fn_D_Add_At(3, M_Fn_Section()), C_Exception);
    EXPECT_THROW(mgr().M_Fn_D_Add_At(4, sp), C_Exception); // identifier not 0
    EXPECT_EQ(mgr().M_Fn_Get_Store().size(), 4u);
    EXPECT_EQ(mgr().M_Fn_Get_At(3), sp);
    EXPECT_EQ(mgr().M_Fn_Get_Store().free_count(), 2u);
}

TEST_F(C_Mgr_D_DB_C, RemoveThenAddRestoresTheStore)
{
    auto sp = M_Fn_Section();
    mgr().M_Fn_D_Add_At(1, sp);
    lesser_shared_ptr<N_Biz::N_DB::C_Row_Common> out;
    mgr().M_Fn_D_Remove_At(1, out);
    EXPECT_EQ(out, sp);
    EXPECT_EQ(sp->M_Fn_Pos_Get(), 0);
    EXPECT_FALSE(mgr().M_Fn_Get_Store().is_used_at(1));
    lesser_shared_ptr<N_Biz::N_DB::C_Row_Common> occupied = sp;
    EXPECT_THROW(mgr().M_Fn_D_Remove_At(1, occupied), C_Exception); // free slot
    mgr().M_Fn_D_Add_At(1, out);
    EXPECT_EQ(sp->M_Fn_Pos_Get(), 1);
    EXPECT_EQ(mgr().M_Fn_Get_Store().size(), 2u);
    EXPECT_EQ(mgr().M_Fn_Get_Store().free_count(), 0u);
    // The out pointer must be empty: a card is never dropped by a take-out.
    EXPECT_THROW(mgr().M_Fn_D_Remove_At(1, out), C_Exception);
    EXPECT_EQ(mgr().M_Fn_Get_At(1), sp);
}

TEST_F(C_Mgr_D_DB_C, ModifyTwiceRestores)
{
    auto sp = M_Fn_Section();
    mgr().M_Fn_D_Add_At(1, sp);
    const std::string before = G_Fn_Bytes(*sp);
    C_Row_Any data(*sp);
    data.M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Key_primary_C_Section).M_Fn_Ref<std::int32_t>() = 77;
    mgr().M_Fn_D_Modify(sp.get(), data);
    EXPECT_NE(G_Fn_Bytes(*sp), before);
    mgr().M_Fn_D_Modify(sp.get(), data);
    EXPECT_EQ(G_Fn_Bytes(*sp), before);
}

TEST_F(C_Mgr_D_DB_C, TopCommandsAreNamedEntries)
{
    auto sp = M_Fn_Section();
    mgr().M_Fn_Proc_Cmd_Top_Add(1, sp);
    C_Row_Any data(*sp);
    data.M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Key_primary_C_Section).M_Fn_Ref<std::int32_t>() = 5;
    mgr().M_Fn_Proc_Cmd_Top_Modify(sp.get(), data);
    const auto& history = m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History();
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history.front()->M_Fn_Get_Name(), L"Create card");
    EXPECT_EQ(history.back()->M_Fn_Get_Name(), L"Modify card");
    // A failed add (into the occupied slot) leaves no entry and the history idle.
    EXPECT_THROW(mgr().M_Fn_Proc_Cmd_Top_Add(1, M_Fn_Section()), C_Exception);
    EXPECT_EQ(m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_State(), N_Biz::N_Cmd::C_Mgr::E_State_Idle);
    EXPECT_EQ(history.size(), 2u);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_FALSE(mgr().M_Fn_Get_Store().is_used_at(1));
}

TEST_F(C_Mgr_D_DB_C, ElementWritersWriteTheCard)
{
    auto sp = M_Fn_Section();
    std::ostringstream type;
    EXPECT_EQ(N_Biz::N_Proj::C_Mgr_D_DB_C::Fn_Row_Serialize_Type_O(type, *sp), E_Result_Success);
    EXPECT_EQ(type.str(), std::string("\x02\x00\x00\x00", 4)); // class code 2: section card
    std::ostringstream data;
    EXPECT_EQ(N_Biz::N_Proj::C_Mgr_D_DB_C::Fn_Row_Serialize_o_O(data, *sp), E_Result_Success);
    EXPECT_EQ(data.str(), G_Fn_Bytes(*sp));
}
