// The section cut of an imported model: the strip of two quadrilaterals (shared point, weights
// following the nodes, undo and redo), a generated box beam against the thin-walled formulas, and
// the stitched wing box of the test data cut across its span.
#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "common/Common_String.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Entry_C.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_D_Tess.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "tests/proj/Test_Proj_Support.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <map>
#include <set>

using namespace N_Biz::N_Sect;
using N_Biz::N_Model::C_Model;

namespace {

std::string G_Fn_Num(double i_Value, int i_Decimals = 4)
{
    char buffer[32];
    const auto r = std::to_chars(buffer, buffer + sizeof(buffer), i_Value, std::chars_format::fixed, i_Decimals);
    return std::string(buffer, r.ptr);
}

class C_Model_Cut : public N_Test_Proj::C_Proj_Test {
protected:
    C_Model_Cut()
    {
        m_App.app().m_sp_Sect_Info = std::make_shared<C_Info>();
        C_Sect::S_p_Proj = &m_Proj;
        m_up_Sect = std::make_unique<C_Sect>();
        C_Sect::S_p_Proj = nullptr;
    }
    ~C_Model_Cut() override
    {
        m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Clear();
        m_up_Sect.reset();
    }

    // Imports a Nastran deck (given as text, or a test data file) and returns the model.
    C_Model& M_Fn_Import_Text(const std::string& i_Deck)
    {
        const std::filesystem::path path = m_App.dir() / "cut.bdf";
        std::ofstream(path, std::ios::binary) << i_Deck;
        return M_Fn_Import(path.wstring());
    }
    C_Model& M_Fn_Import(const std::wstring& i_Path)
    {
        auto& mgr = m_Proj.M_Fn_Get_Mgr_D_Model();
        mgr.M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(i_Path, L"cut.bdf");
        EXPECT_TRUE(mgr.M_Fn_Get_Models().is_used_at(1));
        return *mgr.M_Fn_Get_Models().at(1);
    }
    // The plane: local z along global axis i_Axis (x, y and z turn cyclically), origin i_Origin.
    void M_Fn_Plane(int i_Axis, N_Common::N_Math::C_Vector3<float> i_Origin)
    {
        auto sp_plane = std::make_shared<C_D_Plane>();
        float* m = sp_plane->m_Matrix.m_Data;
        for (int i = 0; i < 16; ++i)
            m[i] = 0;
        m[0 + (i_Axis + 1) % 3] = 1;     // local x
        m[4 + (i_Axis + 2) % 3] = 1;     // local y
        m[8 + i_Axis] = 1;               // local z: the normal
        m[12] = i_Origin.x;
        m[13] = i_Origin.y;
        m[14] = i_Origin.z;
        m[15] = 1;
        sect().M_Fn_Plane_Set(nullptr, sp_plane);
    }
    // The cut as one history entry, as the project's cut command runs it.
    void M_Fn_Cut(C_Model& ro_Model)
    {
        auto sp_entry = std::make_shared<N_Biz::N_Sect::N_Cmd::C_Entry_C>(L"Cut", sect().M_Fn_Get_Mgr_State());
        m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
            auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
            sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
            ro_Model.M_Fn_Sect_Cut(sect(), sp_group);
        });
    }
    C_Sect& sect() { return *m_up_Sect; }
    C_Mgr_D_Geom_P& points() { return sect().M_Fn_Get_Mgr_D_Geom_P(); }
    C_Mgr_D_Geom_E& entities() { return sect().M_Fn_Get_Mgr_D_Geom_E(); }
    const C_D_Geom_E_Line& M_Fn_Line(std::uint32_t i_Id)
    {
        return dynamic_cast<const C_D_Geom_E_Line&>(*entities().M_Fn_Get_At(i_Id));
    }
    std::int32_t M_Fn_Point_Of(std::uint32_t i_Line, std::uint32_t i_Pos)
    {
        return entities().M_Fn_Get_At(i_Line)->m_Ref_Points.at(i_Pos).m_Id_Point;
    }
    // Every point used by exactly two lines (closed loops only); the number of loops.
    std::size_t M_Fn_Closed_Loops()
    {
        std::map<std::int32_t, std::vector<std::int32_t>> next;
        for (std::uint32_t e = 1; e < entities().M_Fn_Get_Store().size(); ++e) {
            if (!entities().M_Fn_Get_Store().is_used_at(e))
                continue;
            const std::int32_t a = M_Fn_Point_Of(e, 0), b = M_Fn_Point_Of(e, 1);
            next[a].push_back(b);
            next[b].push_back(a);
        }
        for (const auto& [point, others] : next)
            if (others.size() != 2)
                return 0;
        std::set<std::int32_t> seen;
        std::size_t loops = 0;
        for (const auto& [start, others] : next) {
            if (seen.count(start))
                continue;
            ++loops;
            std::vector<std::int32_t> stack{start};
            while (!stack.empty()) {
                const std::int32_t p = stack.back();
                stack.pop_back();
                if (!seen.insert(p).second)
                    continue;
                for (std::int32_t q : next[p])
                    stack.push_back(q);
            }
        }
        return loops;
    }

    // The project's materials get a tension stress limit (the ultimate stress follows from it),
    // which the decks leave blank and the calculation needs.
    void M_Fn_Materials_Limit_Set(float i_Stress)
    {
        const auto& store = m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < store.size(); ++i)
            if (store.is_used_at(i))
                store.at(i)
                    ->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Limit_Stress_Y)
                    .template M_Fn_Ref<float>() = i_Stress;
    }
    // Number of points by the number of lines that meet there.
    std::map<std::size_t, std::size_t> M_Fn_Degrees()
    {
        std::map<std::int32_t, std::size_t> degree;
        for (std::uint32_t e = 1; e < entities().M_Fn_Get_Store().size(); ++e)
            if (entities().M_Fn_Get_Store().is_used_at(e)) {
                ++degree[M_Fn_Point_Of(e, 0)];
                ++degree[M_Fn_Point_Of(e, 1)];
            }
        std::map<std::size_t, std::size_t> histogram;
        for (const auto& [point, count] : degree)
            ++histogram[count];
        return histogram;
    }

    // The box beam below cut at z = i_Z.
    void M_Fn_Box_Beam_Check(double i_Z, double i_Jitter);

    std::unique_ptr<C_Sect> m_up_Sect;
};

// Two quadrilaterals sharing the edge of GRID 2 and 3; the upper nodes at z = i_Up, the lower at
// z = -i_Down. The second element walks the shared edge from 3 to 2.
std::string G_Fn_Strip(const char* i_Up, const char* i_Down)
{
    return std::string("BEGIN BULK\n") + "GRID,1,,0.,0.," + i_Up + "\nGRID,2,,1.,0.," + i_Up + "\nGRID,3,,1.,0.,-" +
           i_Down + "\nGRID,4,,0.,0.,-" + i_Down + "\nGRID,5,,2.,0.," + i_Up + "\nGRID,6,,2.,0.,-" + i_Down +
           "\nCQUAD4,10,1,1,2,3,4\nCQUAD4,11,1,2,5,6,3\nPSHELL,1,1,0.5\nMAT1,1,2.+5,,.3\nENDDATA\n";
}

} // namespace

TEST_F(C_Model_Cut, TwoQuadStripGivesTwoLinesSharingOnePoint)
{
    C_Model& model = M_Fn_Import_Text(G_Fn_Strip("1.", "1."));
    M_Fn_Plane(2, {0, 0, 0});
    const std::size_t history = M_Fn_History_Size();
    const std::string empty = N_Test_Proj::G_Fn_Bytes(*model.M_Fn_Data().m_Elements.begin()); // model untouched
    M_Fn_Cut(model);
    EXPECT_EQ(M_Fn_History_Size(), history + 1);
    ASSERT_EQ(points().M_Fn_Count(), 3u);
    ASSERT_EQ(entities().M_Fn_Count(), 2u);
    // Element 10: from the point on edge 2-3 (x = 1) to the point on edge 4-1 (x = 0).
    EXPECT_EQ(M_Fn_Point_Of(1, 0), 1);
    EXPECT_EQ(M_Fn_Point_Of(1, 1), 2);
    EXPECT_EQ(points().M_Fn_Get_At(1).m_X, 1.0f);
    EXPECT_EQ(points().M_Fn_Get_At(2).m_X, 0.0f);
    // Element 11 ends its line at the same point on the shared edge.
    EXPECT_EQ(M_Fn_Point_Of(2, 0), 3);
    EXPECT_EQ(M_Fn_Point_Of(2, 1), 1);
    EXPECT_EQ(points().M_Fn_Get_At(3).m_X, 2.0f);
    for (std::uint32_t e : {1u, 2u}) {
        EXPECT_EQ(M_Fn_Line(e).m_Thk_Individual_Switch, 0);
        EXPECT_EQ(M_Fn_Line(e).m_Thk_Weights, (std::array<float, 4>{0.25f, 0.25f, 0.25f, 0.25f}));
        EXPECT_EQ(M_Fn_Line(e).m_Key_C_P.M_Fn_Lock(), model.M_Fn_Data().m_Elements[0].M_Fn_Key_C_Property().M_Fn_Lock());
    }
    EXPECT_EQ(N_Test_Proj::G_Fn_Bytes(*model.M_Fn_Data().m_Elements.begin()), empty);

    std::ostringstream cut;
    ASSERT_EQ(sect().M_Fn_Stream_Serialize_o_O(cut), E_Result_Success);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Undo();
    EXPECT_EQ(points().M_Fn_Count(), 0u);
    EXPECT_EQ(entities().M_Fn_Count(), 0u);
    m_Proj.M_Fn_Get_Mgr_Cmd().M_Fn_Redo();
    std::ostringstream again;
    ASSERT_EQ(sect().M_Fn_Stream_Serialize_o_O(again), E_Result_Success);
    EXPECT_EQ(again.str(), cut.str());
}

TEST_F(C_Model_Cut, SharedEdgeWeightsFollowTheNodesNotTheWalk)
{
    // The plane a quarter of the way down: each crossing keeps 0.75 of its upper node.
    C_Model& model = M_Fn_Import_Text(G_Fn_Strip("1.", "3."));
    M_Fn_Plane(2, {0, 0, 0});
    M_Fn_Cut(model);
    ASSERT_EQ(entities().M_Fn_Count(), 2u);
    // Element 10 (1, 2, 3, 4) and element 11 (2, 5, 6, 3): upper nodes 0.375, lower 0.125 each.
    EXPECT_EQ(M_Fn_Line(1).m_Thk_Weights, (std::array<float, 4>{0.375f, 0.375f, 0.125f, 0.125f}));
    EXPECT_EQ(M_Fn_Line(2).m_Thk_Weights, (std::array<float, 4>{0.375f, 0.375f, 0.125f, 0.125f}));
}

TEST_F(C_Model_Cut, ThreeNodeWeightsAndElementsThatGiveNoLine)
{
    // Triangle 20 crossed on two edges; 21 wholly above; 22 lying in the plane (all its nodes count
    // as below); 23 touching the plane at node 10 with the other two above; quadrilateral 24
    // twisted through the plane four times.
    C_Model& model = M_Fn_Import_Text(
        "BEGIN BULK\nGRID,1,,0.,0.,1.\nGRID,2,,1.,0.,-1.\nGRID,3,,0.,1.,-1.\n"
        "GRID,4,,5.,0.,1.\nGRID,5,,6.,0.,2.\nGRID,6,,5.,1.,3.\nGRID,7,,8.,0.,0.\nGRID,8,,9.,0.,0.\nGRID,9,,8.,1.,0.\n"
        "GRID,10,,20.,0.,0.\nGRID,11,,21.,0.,1.\nGRID,12,,20.,1.,1.\n"
        "GRID,13,,30.,0.,1.\nGRID,14,,31.,0.,-1.\nGRID,15,,31.,1.,1.\nGRID,16,,30.,1.,-1.\n"
        "CTRIA3,20,1,1,2,3\nCTRIA3,21,1,4,5,6\nCTRIA3,22,1,7,8,9\nCTRIA3,23,1,10,11,12\nCQUAD4,24,1,13,14,15,16\n"
        "PSHELL,1,1,0.5\nMAT1,1,2.+5,,.3\nENDDATA\n");
    M_Fn_Plane(2, {0, 0, 0});
    M_Fn_Cut(model);
    // The touching triangle meets the plane at node 10 only: one point there, no line of length zero.
    ASSERT_EQ(entities().M_Fn_Count(), 1u);
    EXPECT_EQ(points().M_Fn_Count(), 2u + 1u + 4u);
    // Node 1 gives 0.5 to each crossing, nodes 2 and 3 0.5 each: weights 0.5, 0.25, 0.25 and 0.
    EXPECT_EQ(M_Fn_Line(1).m_Thk_Weights, (std::array<float, 4>{0.5f, 0.25f, 0.25f, 0.0f}));
}

TEST_F(C_Model_Cut, HiddenElementsAreNotCutButTheirEdgesStillAre)
{
    C_Model& model = M_Fn_Import_Text(G_Fn_Strip("1.", "1."));
    model.M_Fn_Data().m_Elements[0].m_u32_Flag |= N_Biz::N_DB::C_Row_Relation::E_Flag_Hidden;
    M_Fn_Plane(2, {0, 0, 0});
    M_Fn_Cut(model);
    // The visible neighbour still makes the point on the edge it shares with the hidden element.
    ASSERT_EQ(entities().M_Fn_Count(), 1u);
    EXPECT_EQ(points().M_Fn_Count(), 2u);
    EXPECT_EQ(points().M_Fn_Get_At(static_cast<std::uint32_t>(M_Fn_Point_Of(1, 1))).m_X, 1.0f);
}

// Centre-line box b x h = 4 x 2, t = 0.1, along z from 0 to 10 in three bays, 12 elements round;
// the cut at z = i_Z must give the one closed loop of the thin-walled formulas. i_Jitter moves the
// nodes of the station z = 10/3 alternately up and down, as the station rows of real decks scatter.
TEST_F(C_Model_Cut, BoxBeamAtMidSpanMatchesTheThinWalledFormulas)
{
    M_Fn_Box_Beam_Check(5.0, 0.0);
}

TEST_F(C_Model_Cut, BoxBeamCutThroughTheNodesOfAStationGivesOneLoop)
{
    // Nodes exactly on the plane and nodes a hair above and below it: one closed loop through the
    // station's nodes, never lines along the ring edges nor zero-length lines at a node.
    M_Fn_Box_Beam_Check(3.33333, 0.0);
}

TEST_F(C_Model_Cut, BoxBeamCutAtAStationWhoseNodesScatterAboutThePlaneGivesOneLoop)
{
    M_Fn_Box_Beam_Check(3.33333, 3e-5);
}

void C_Model_Cut::M_Fn_Box_Beam_Check(double i_Z, double i_Jitter)
{
    const double b = 4, h = 2, t = 0.1;
    std::vector<std::pair<double, double>> ring;
    for (int i = 0; i < 4; ++i)
        ring.emplace_back(-2 + i, -1); // bottom, left to right
    for (int i = 0; i < 2; ++i)
        ring.emplace_back(2, -1 + i); // right, upward
    for (int i = 0; i < 4; ++i)
        ring.emplace_back(2 - i, 1); // top, right to left
    for (int i = 0; i < 2; ++i)
        ring.emplace_back(-2, 1 - i); // left, downward
    std::string deck = "BEGIN BULK\n";
    const int bays = 3, round = static_cast<int>(ring.size());
    for (int k = 0; k <= bays; ++k)
        for (int i = 0; i < round; ++i)
            deck += "GRID," + std::to_string(k * 100 + i + 1) + ",," + G_Fn_Num(ring[i].first) + "," +
                    G_Fn_Num(ring[i].second) + "," +
                    G_Fn_Num(10.0 * k / bays + (k == 1 ? (i % 2 ? i_Jitter : -i_Jitter) : 0.0), 5) + "\n";
    int id = 1;
    for (int k = 0; k < bays; ++k)
        for (int i = 0; i < round; ++i) {
            const int a = k * 100 + i + 1, c = k * 100 + (i + 1) % round + 1;
            deck += "CQUAD4," + std::to_string(id++) + ",1," + std::to_string(a) + "," + std::to_string(c) + "," +
                    std::to_string(c + 100) + "," + std::to_string(a + 100) + "\n";
        }
    deck += "PSHELL,1,1," + G_Fn_Num(t) + "\nMAT1,1,2.1+5,,.3\nENDDATA\n";
    C_Model& model = M_Fn_Import_Text(deck);
    ASSERT_EQ(model.M_Fn_Data().m_Elements.size(), 36u);
    M_Fn_Plane(2, {0, 0, static_cast<float>(i_Z)});
    M_Fn_Cut(model);
    EXPECT_EQ(entities().M_Fn_Count(), 12u);
    EXPECT_EQ(points().M_Fn_Count(), 12u);
    EXPECT_EQ(M_Fn_Closed_Loops(), 1u);
    M_Fn_Materials_Limit_Set(400.0f);

    const int status = sect().M_Fn_Calc_If_Dirty();
    const C_Result& result = *sect().M_Fn_Get_Mgr_Calc().M_Fn_Get_Result();
    for (const std::wstring& msg : result.m_Msg_Problem)
        ADD_FAILURE() << N_Common::N_String::G_Fn_To_Narrow_UTF8(msg);
    ASSERT_EQ(status, 1);
    // Every strip keeps its own t^2/12 term: Ixx = 2 b t (h^2/4 + t^2/12) + 2 t h^3/12, and so on.
    const double area = 2 * (b + h) * t;
    const double ixx = 2 * b * t * (h * h / 4 + t * t / 12) + 2 * t * h * h * h / 12;
    const double iyy = 2 * h * t * (b * b / 4 + t * t / 12) + 2 * t * b * b * b / 12;
    const C_Result_Prop& p = result.m_Prop[0];
    EXPECT_NEAR(p.m_Area, area, area * 1e-3);
    EXPECT_NEAR(p.m_Ixx, ixx, ixx * 1e-3);
    EXPECT_NEAR(p.m_Iyy, iyy, iyy * 1e-3);
    EXPECT_NEAR(p.m_Center_X, 0.0, 1e-4);
    EXPECT_NEAR(p.m_Center_Y, 0.0, 1e-4);
}

TEST_F(C_Model_Cut, WingBoxCutAcrossItsSpanGivesClosedLoopsThatCalculate)
{
    C_Model& model = M_Fn_Import(
        std::filesystem::path(std::string(VT_TESTDATA_DIR) + "/nastran/wingbox_stitched_together-000.bdf").wstring());
    const auto lo = model.M_Fn_Data().m_Bound_Min, hi = model.M_Fn_Data().m_Bound_Max;
    const float extent[3] = {hi.x - lo.x, hi.y - lo.y, hi.z - lo.z};
    const int span = static_cast<int>(std::max_element(extent, extent + 3) - extent);
    // Between the middle and the first third, a little off any rib station.
    N_Common::N_Math::C_Vector3<float> origin((lo.x + hi.x) / 2, (lo.y + hi.y) / 2, (lo.z + hi.z) / 2);
    float* coord = span == 0 ? &origin.x : span == 1 ? &origin.y : &origin.z;
    *coord = (span == 0 ? lo.x : span == 1 ? lo.y : lo.z) + extent[span] * 0.4137f;
    M_Fn_Plane(span, origin);
    M_Fn_Cut(model);
    EXPECT_GT(entities().M_Fn_Count(), 10u);
    // Spars and skins meet in three-line joints; stringer flanges end freely; the cells close.
    const auto degrees = M_Fn_Degrees();
    EXPECT_GT(degrees.count(3), 0u);
    M_Fn_Materials_Limit_Set(50000.0f);
    EXPECT_EQ(sect().M_Fn_Calc_If_Dirty(), 1);
    std::size_t in_loop = 0;
    const auto& segments = sect().M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_Store();
    for (std::uint32_t i = 1; i < segments.size(); ++i)
        if (segments.is_used_at(i) && (segments.at(i)->m_Flag & C_D_Tess::E_Flag_Loop))
            ++in_loop;
    EXPECT_GT(in_loop, 10u);
    const C_Result& result = *sect().M_Fn_Get_Mgr_Calc().M_Fn_Get_Result();
    EXPECT_GT(result.m_Prop[0].m_Area, 0.0f);
    EXPECT_GT(result.m_Prop[0].m_Ixx, 0.0f);
    EXPECT_TRUE(result.m_Msg_Problem.empty());
}
