// The stitched wing box of the test data (skins, spars and spar caps along y, node stations every
// 3 units from y = 0 to 96): a group made from two nodes picked along its span has sections that
// are closed cells and calculate, and every section command on it undoes and redoes to the same
// groups byte for byte.
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/sect/Biz_Sect_D_Tess.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "tests/proj/Test_Proj_Support_Sect.h"

#include <cmath>
#include <filesystem>
#include <limits>

using namespace N_Test_Proj;
using namespace N_Biz::N_Proj;
using N_Biz::N_Sect::C_Sect;

namespace {

class C_Wingbox_Test : public C_Proj_Sect_Test {
protected:
    C_Wingbox_Test()
    {
        const std::filesystem::path path =
            std::filesystem::path(VT_TESTDATA_DIR) / "nastran" / "wingbox_stitched_together-000.bdf";
        m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(path.wstring(), L"wingbox.bdf");
        m_Slot = 1;
        // The decks leave the stress limit blank; the calculation needs one.
        const auto& store = m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < store.size(); ++i)
            if (store.is_used_at(i))
                store.at(i)
                    ->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Limit_Stress_Y)
                    .template M_Fn_Ref<float>() = 50000.0f;
    }
    C_Vector3f M_Fn_Pos(std::uint32_t i_Index) const
    {
        return C_Handle_D_DB_N{m_Slot, i_Index, {}}.M_Fn_Type_Any_Get_o_Vector3_f(m_Proj);
    }
    // The node at station i_Y nearest (i_X, i_Z) in the cross-section.
    std::uint32_t M_Fn_Node_Near(float i_Y, float i_X, float i_Z)
    {
        const auto& nodes = M_Fn_Model(m_Slot).M_Fn_Data().m_Nodes;
        std::uint32_t best = 0;
        float best_d = std::numeric_limits<float>::max();
        for (std::uint32_t i = 0; i < nodes.size(); ++i) {
            const C_Vector3f p = M_Fn_Pos(i);
            if (std::fabs(p.y - i_Y) > 1e-3f)
                continue;
            const float d = (p.x - i_X) * (p.x - i_X) + (p.z - i_Z) * (p.z - i_Z);
            if (d < best_d) {
                best_d = d;
                best = i;
            }
        }
        EXPECT_LT(best_d, std::numeric_limits<float>::max()) << "no node at y = " << i_Y;
        return best;
    }
    void M_Fn_Pick_Nodes(const std::vector<std::uint32_t>& i_Indices)
    {
        std::vector<C_Handle_D_DB_N> handles;
        for (std::uint32_t i : i_Indices)
            handles.push_back({m_Slot, i, {}});
        M_Fn_Select_N(handles);
    }
    // The section calculates, and its walls close cells.
    void M_Fn_Expect_Cells(C_Sect& ro_Sect, const char* i_What)
    {
        SCOPED_TRACE(i_What);
        EXPECT_GT(ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), 10u);
        ro_Sect.M_Fn_Get_Mgr_Calc().M_Fn_Stale_Set();
        ASSERT_EQ(ro_Sect.M_Fn_Calc_If_Dirty(), 1);
        std::size_t in_loop = 0, all = 0;
        const auto& segments = ro_Sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < segments.size(); ++i) {
            if (!segments.is_used_at(i))
                continue;
            ++all;
            in_loop += (segments.at(i)->m_Flag & N_Biz::N_Sect::C_D_Tess::E_Flag_Loop) != 0;
        }
        EXPECT_GE(in_loop, 10u);
        const N_Biz::N_Sect::C_Result& result = *ro_Sect.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result();
        EXPECT_GT(result.m_Prop[0].m_Area, 0.0f);
        EXPECT_GT(result.m_Prop[0].m_Ixx, 0.0f);
        EXPECT_TRUE(result.m_Msg_Problem.empty());
    }

    std::uint32_t m_Slot = 0;
};

// Every node of the deck lies on a station row, and the rows scatter by about 2e-4 about their
// station: the sections at the picked nodes lie on rows, the ones between the picks off them; all
// of them must close their cells and calculate.
TEST_F(C_Wingbox_Test, NodesAlongTheSpanGiveClosedSectionsAndEveryCommandRoundTrips)
{
    ASSERT_TRUE(m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().is_used_at(m_Slot));
    // Two nodes on the front spar's lower edge, 51 apart along the span; two sections between.
    const std::uint32_t a = M_Fn_Node_Near(21.0f, 100.0f, 17.0f);
    const C_Vector3f pa = M_Fn_Pos(a);
    const std::uint32_t b = M_Fn_Node_Near(72.0f, pa.x, pa.z);
    config().m_Extra_Sections = 2;
    M_Fn_Pick_Nodes({a, b});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 1u);
    ASSERT_EQ(M_Fn_Slots(1), (std::vector<std::uint32_t>{1, 2, 3, 4}));
    // Re-centred onto the cells, still at their places along the span, across it.
    const float stations[4] = {21.0f, 38.0f, 55.0f, 72.0f};
    for (std::uint32_t i = 1; i <= 4; ++i) {
        C_Sect& sect = *M_Fn_Sect(1, i);
        EXPECT_NEAR(S_Fn_Origin(sect).y, stations[i - 1], 0.05f) << i;
        EXPECT_GT(std::fabs(S_Fn_Normal(sect).y), 0.99f) << i;
        EXPECT_GT(sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), 10u) << i;
        // The centre of the cells lies between the spars, not on the picked spar edge.
        EXPECT_GT(std::fabs(S_Fn_Origin(sect).x - pa.x), 5.0f) << i;
    }
    for (std::uint32_t i = 1; i <= 4; ++i)
        M_Fn_Expect_Cells(*M_Fn_Sect(1, i), "created");
    M_Fn_Round_Trip();

    // Insert after section 1 at a node between the stations of sections 1 and 2.
    config().m_Insert_After = 1;
    M_Fn_Select({M_Fn_Sect(1, 1)});
    M_Fn_Pick_Nodes({M_Fn_Node_Near(30.0f, pa.x, pa.z)});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Insert_Selected(), 1u);
    ASSERT_EQ(M_Fn_Slots(1), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    EXPECT_NEAR(S_Fn_Origin(*M_Fn_Sect(1, 2)).y, 30.0f, 0.05f);
    EXPECT_GT(M_Fn_Sect(1, 2)->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), 10u);
    M_Fn_Round_Trip();

    // Move the inserted section on along the axis, with a recut.
    M_Fn_Select({M_Fn_Sect(1, 2)});
    M_Fn_Pick_Nodes({M_Fn_Node_Near(33.0f, pa.x, pa.z)});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Move_Selected(), 1u);
    EXPECT_NEAR(S_Fn_Origin(*M_Fn_Sect(1, 2)).y, 33.0f, 0.05f);
    M_Fn_Round_Trip();

    // Redirect the group along its centroids ("Local XY - Global XZ").
    config().m_Local_CS = 2;
    M_Fn_Select({M_Fn_Sect(1, 3)});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Redirect_Selected(), 1u);
    ASSERT_EQ(M_Fn_Slots(1), (std::vector<std::uint32_t>{1, 2, 3, 4, 5}));
    M_Fn_Expect_Cells(*M_Fn_Sect(1, 3), "redirected");
    M_Fn_Expect_Cells(*M_Fn_Sect(1, 4), "redirected");
    M_Fn_Round_Trip();

    // Delete two sections.
    M_Fn_Select({M_Fn_Sect(1, 5), M_Fn_Sect(1, 1)});
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Delete_Selected(), 1u);
    EXPECT_EQ(M_Fn_Slots(1), (std::vector<std::uint32_t>{2, 3, 4}));
    M_Fn_Round_Trip();
}

} // namespace
