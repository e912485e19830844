#include "tests/proj/Test_Proj_Support.h"

#include "biz/db/Biz_DB_Key.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_M_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_M_Modify.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_P_Reconnect_C_M.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_C_P_Reconnect_C_S.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "common/Common_Exception.h"

using N_Biz::N_DB::C_Row_Any;
using N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_M_Add_At;
using N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_M_Modify;
using N_Common::N_Exception::C_Exception;
using N_Test_Proj::G_Fn_Bytes;

namespace {
class C_Elem_D_DB_C_M : public N_Test_Proj::C_Proj_Test {
protected:
    N_Biz::N_Proj::C_Mgr_D_DB_C_M& mgr() { return m_Proj.M_Fn_Get_Mgr_D_DB_C_M(); }
};
} // namespace

TEST_F(C_Elem_D_DB_C_M, AddElementMovesTheCard)
{
    auto sp = M_Fn_Material(L"A");
    EXPECT_THROW(C_Elem_D_DB_C_M_Add_At(&m_Proj, 0, sp), C_Exception);
    EXPECT_THROW(C_Elem_D_DB_C_M_Add_At(&m_Proj, 1, {}), C_Exception);
    C_Elem_D_DB_C_M_Add_At elem(&m_Proj, 1, sp);
    // Constructing changes nothing; the element shares the card.
    EXPECT_EQ(mgr().M_Fn_Get_Store().size(), 1u);
    EXPECT_EQ(sp.use_count(), 2);
    elem.MV_Fn_Execute();
    EXPECT_EQ(mgr().M_Fn_Get_At(1), sp);
    EXPECT_FALSE(elem.M_Fn_Get_Card());
    EXPECT_THROW(elem.MV_Fn_Redo(), C_Exception); // holds nothing to put back
    elem.MV_Fn_Undo();
    EXPECT_EQ(elem.M_Fn_Get_Card(), sp);
    EXPECT_FALSE(mgr().M_Fn_Get_Store().is_used_at(1));
    // Undone twice: refused, store and element unchanged.
    EXPECT_THROW(elem.MV_Fn_Undo(), C_Exception);
    EXPECT_EQ(elem.M_Fn_Get_Card(), sp);
    EXPECT_FALSE(mgr().M_Fn_Get_Store().is_used_at(1));
    elem.MV_Fn_Redo();
    EXPECT_EQ(mgr().M_Fn_Get_At(1), sp);
    EXPECT_EQ(sp->M_Fn_Pos_Get(), 1);
}

TEST_F(C_Elem_D_DB_C_M, ModifyElementExchanges)
{
    auto sp = M_Fn_Material(L"A");
    mgr().M_Fn_D_Add_At(1, sp);
    const std::string before = G_Fn_Bytes(*sp);
    C_Row_Any data(*sp);
    M_Fn_Name_Set(data, L"B");
    EXPECT_THROW(C_Elem_D_DB_C_M_Modify(&m_Proj, nullptr, data, {0, 0, 0, 1}), C_Exception);
    C_Elem_D_DB_C_M_Modify elem(&m_Proj, sp.get(), data, {0, 1, 1, 1});
    EXPECT_EQ(G_Fn_Bytes(*sp), before);
    elem.MV_Fn_Execute();
    const std::string after = G_Fn_Bytes(*sp);
    EXPECT_EQ(M_Fn_Name_Get(*sp), L"B");
    EXPECT_EQ(elem.M_Fn_Get_Color(), (std::array<float, 4>{1, 0, 0, 1})); // the old colour
    elem.MV_Fn_Undo();
    EXPECT_EQ(G_Fn_Bytes(*sp), before);
    elem.MV_Fn_Redo(); // three calls: the new data
    EXPECT_EQ(G_Fn_Bytes(*sp), after);
}

TEST_F(C_Elem_D_DB_C_M, DroppedRedoTailReleasesTheCard)
{
    auto sp = M_Fn_Material(L"Gone");
    N_Biz::N_DB::C_Key_C_Material key(sp);
    mgr().M_Fn_Proc_Cmd_Top_Add(1, sp);
    sp = {};
    ASSERT_TRUE(key.M_Fn_Lock());
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_TRUE(key.M_Fn_Lock()); // held by the element
    mgr().M_Fn_Proc_Cmd_Top_Add(1, M_Fn_Material(L"Next"));
    EXPECT_FALSE(key.M_Fn_Lock());
}

TEST_F(C_Elem_D_DB_C_M, ReconnectElementsNeedACard)
{
    using namespace N_Biz::N_Proj::N_Cmd;
    EXPECT_THROW(C_Elem_D_DB_C_P_Reconnect_C_M(&m_Proj, nullptr, N_Biz::N_DB::C_Key_C_Material()), C_Exception);
    EXPECT_THROW(C_Elem_D_DB_C_P_Reconnect_C_S(&m_Proj, nullptr, N_Biz::N_DB::C_Key_Common()), C_Exception);
    // A card outside the store is refused by the manager; the card keeps its key.
    auto sp_m = M_Fn_Material(L"M");
    mgr().M_Fn_D_Add_At(1, sp_m);
    auto sp_p = M_Fn_Property(L"P");
    C_Elem_D_DB_C_P_Reconnect_C_M elem(&m_Proj, sp_p.get(), N_Biz::N_DB::C_Key_C_Material(sp_m));
    EXPECT_THROW(elem.MV_Fn_Execute(), C_Exception);
    EXPECT_TRUE(sp_p->M_Fn_Key_C_Material().M_Fn_Is_Empty());
    EXPECT_EQ(elem.M_Fn_Get_Key().M_Fn_Lock(), sp_m);
}
