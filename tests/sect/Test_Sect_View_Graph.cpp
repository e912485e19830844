// The result graph: the curve from hand-derived values, its guard, the paint in the off-screen
// context (axes, curve, guides, labels and their places, failure text), and the buttons' rules.
#include "tests/sect/Test_Sect_View_Support.h"

#include "biz/sect/Biz_Sect_View_Graph.h"
#include "common/Common_Exception.h"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using namespace N_Test_Sect_View;
using N_Common::N_Exception::C_Exception;

namespace {

// A result whose displacement scale is 1 for every case at modulus 200: box 15 x 5 (L = 20 x 15 =
// 300), axial reference 1.5, bending references 0.5 (three times: 1.5). Case 1 (Fz-) and case 4
// (My+) hold, for both bounds, maximum 100, critical 40, corner 60, average 50, minimum 20, and the
// wave length 10.
C_Result G_Fn_Result()
{
    C_Result result;
    result.m_Valid = 1;
    result.m_Box = {0, 0, 15, 5};
    result.m_Area_Eff = 1.5f;
    result.m_Ixx_Eff = 0.5f;
    result.m_Iyy_Eff = 0.5f;
    for (std::size_t k = 0; k < 6; ++k) {
        result.m_Case[k].m_Ref = 10;
        result.m_Case[k].m_Bound[0] = result.m_Case[k].m_Bound[1] = {100, 40, 60, 50, 20};
    }
    return result;
}

void G_Fn_Expect_Point(const C_Graph_Curve& ro_Curve, std::size_t i_Index, double i_X, double i_Y)
{
    ASSERT_LT(i_Index, ro_Curve.m_Points.size());
    EXPECT_NEAR(ro_Curve.m_Points[i_Index][0], i_X, 1e-9) << i_Index;
    EXPECT_NEAR(ro_Curve.m_Points[i_Index][1], i_Y, 1e-4) << i_Index;
}

} // namespace

TEST(C_Graph_Curve, AxialCompressionRisesThenOscillates)
{
    const C_Graph_Curve curve = G_Fn_Graph_Curve_Build(G_Fn_Result(), 1, 0, 200.0f);
    ASSERT_EQ(curve.m_Points.size(), 90u);
    EXPECT_DOUBLE_EQ(curve.m_S, 1.0);
    G_Fn_Expect_Point(curve, 0, 0, 0);
    G_Fn_Expect_Point(curve, 1, 40, 40);                           // Xc = s c
    // The cubic through (40, 40) with slope 1 and (220, 100) with slope 0, Xe = s (c + 3 (M - c)):
    // at its middle 0.5 x 40 + 0.125 x 180 + 0.5 x 100.
    G_Fn_Expect_Point(curve, 5, 130, 92.5);
    G_Fn_Expect_Point(curve, 9, 220, 100);
    G_Fn_Expect_Point(curve, 10, 220.5, 60 + 40 * std::cos(9.0 * 3.14159265358979323846 / 180.0));
    G_Fn_Expect_Point(curve, 29, 230, 20);                         // valley one wave length on
    G_Fn_Expect_Point(curve, 49, 240, 60);                         // periodic peak
    G_Fn_Expect_Point(curve, 69, 250, 20);
    G_Fn_Expect_Point(curve, 89, 260, 60);
    EXPECT_DOUBLE_EQ(curve.m_X, 260.0);                            // Xe + 4 w
}

TEST(C_Graph_Curve, OtherCasesDecayTowardsTheMinimum)
{
    const C_Graph_Curve curve = G_Fn_Graph_Curve_Build(G_Fn_Result(), 4, 1, 200.0f);
    ASSERT_EQ(curve.m_Points.size(), 40u);
    EXPECT_DOUBLE_EQ(curve.m_S, 1.0);
    // One wave length after the maximum the curve is 5 percent above the minimum.
    G_Fn_Expect_Point(curve, 29, 230, 21);
    // Half a wave length further: V + (M - V) (0.05 V / (M - V))^1.5 = 20 + 1 / sqrt(80).
    G_Fn_Expect_Point(curve, 39, 235, 20 + 1 / std::sqrt(80.0));
    EXPECT_DOUBLE_EQ(curve.m_X, 235.0);
}

TEST(C_Graph_Curve, DegenerateValuesGiveNoCurve)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    struct C_Case {
        const char* m_Name;
        std::int32_t m_K;
        float m_Modulus;
        std::array<float, 5> m_Stat;
        float m_W;
        float m_Area;
        bool m_Drawable;
    };
    const C_Case cases[] = {
        {"sound", 1, 200, {100, 40, 60, 50, 20}, 10, 1.5f, true},
        {"oscillation below zero", 1, 200, {100, 40, 60, 50, -10}, 10, 1.5f, true},
        {"maximum at the minimum", 1, 200, {20, 10, 20, 20, 20}, 10, 1.5f, false},
        {"maximum below the minimum", 4, 200, {20, 10, 20, 20, 30}, 10, 1.5f, false},
        {"decay to zero", 4, 200, {100, 40, 0, 0, 0}, 10, 1.5f, false},
        {"no wave length", 1, 200, {100, 40, 60, 50, 20}, 0, 1.5f, false},
        {"negative wave length", 1, 200, {100, 40, 60, 50, 20}, -1, 1.5f, false},
        {"not a number", 1, 200, {nan, 40, 60, 50, 20}, 10, 1.5f, false},
        {"no modulus", 1, 0, {100, 40, 60, 50, 20}, 10, 1.5f, false},
        {"no reference", 1, 200, {100, 40, 60, 50, 20}, 10, 0, false},
        {"critical above maximum", 1, 200, {100, 140, 60, 50, 20}, 10, 1.5f, false},
        {"negative critical", 1, 200, {100, -1, 60, 50, 20}, 10, 1.5f, false},
        {"zero maximum", 1, 200, {0, 0, 0, 0, -5}, 10, 1.5f, false},
    };
    for (const C_Case& c : cases) {
        C_Result result = G_Fn_Result();
        result.m_Case[std::size_t(c.m_K)].m_Bound[0] = c.m_Stat;
        result.m_Case[std::size_t(c.m_K)].m_Ref = c.m_W;
        result.m_Area_Eff = c.m_Area;
        EXPECT_EQ(G_Fn_Graph_Curve_Build(result, c.m_K, 0, c.m_Modulus).M_Fn_Drawable(), c.m_Drawable) << c.m_Name;
    }
    EXPECT_THROW(G_Fn_Graph_Curve_Build(G_Fn_Result(), 6, 0, 200), C_Exception);
    EXPECT_THROW(G_Fn_Graph_Curve_Build(G_Fn_Result(), -1, 0, 200), C_Exception);
    EXPECT_THROW(G_Fn_Graph_Curve_Build(G_Fn_Result(), 1, 2, 200), C_Exception);
}

namespace {

class C_Graph_Draw : public C_View_Test {
protected:
    void SetUp() override
    {
        C_View_Test::SetUp();
        // Labels "100.0" are 5 x 4 pixels: plot origin (14, 9), plot 45 x 50 in the 64 x 64 graph.
        port().m_Text_Char_Width = 1;
        port().m_Text_Height = 4;
        frame().M_Fn_View_R_Graph_On_Create(&m_Graph);
        frame().M_Fn_View_R_Graph_On_Size(S_GL_Size, S_GL_Size);
        calc().M_Fn_Stale_Clear();
        result() = G_Fn_Result();
        calc().m_Modulus_Std = 200;
    }
    void M_Fn_Draw()
    {
        port().m_GL_Texts.clear();
        frame().M_Fn_View_R_Graph_Draw();
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    // Whether a pixel of the colour lies within i_R pixels of (x, y).
    static bool S_Fn_Near_Colour(int i_X, int i_Y, int i_R, const T_RGB& ro_Colour)
    {
        for (int y = i_Y - i_R; y <= i_Y + i_R; ++y)
            for (int x = i_X - i_R; x <= i_X + i_R; ++x)
                if (G_Fn_Near(G_Fn_Pixel(x, y), ro_Colour))
                    return true;
        return false;
    }
    static int S_Fn_Count(const T_RGB& ro_Colour)
    {
        int count = 0;
        for (int y = 0; y < S_GL_Size; ++y)
            for (int x = 0; x < S_GL_Size; ++x)
                count += G_Fn_Pixel(x, y) == ro_Colour;
        return count;
    }
    const T_RGB m_Axis = G_Fn_RGB(0.9f, 0.9f, 0.9f);
    const T_RGB m_Green{0, 255, 0};
    const T_RGB m_Guide = G_Fn_RGB(0.5f, 0.5f, 0.5f);
};

} // namespace

TEST_F(C_Graph_Draw, AxesCurveGuidesAndLabelsOfAxialCompression)
{
    M_Fn_Draw();
    // Axes from (14, 9), 45 wide and 50 high.
    EXPECT_TRUE(S_Fn_Near_Colour(40, 9, 1, m_Axis));
    EXPECT_TRUE(S_Fn_Near_Colour(14, 40, 1, m_Axis));
    // Scales: x 0.9 x 45 / 260, y 0.9 x 50 / 100 = 0.45. The rise to (40, 40) ends at
    // (20.2, 27); the guide of the maximum runs at y = 9 + 45 = 54 from the y axis to Xe (48.3).
    EXPECT_TRUE(S_Fn_Near_Colour(17, 18, 1, m_Green));
    EXPECT_TRUE(S_Fn_Near_Colour(30, 54, 1, m_Guide));
    EXPECT_FALSE(S_Fn_Near_Colour(55, 54, 1, m_Guide));
    // The periodic peak's guide runs the whole width (to X) at y = 9 + 60 x 0.45 = 36.
    EXPECT_TRUE(S_Fn_Near_Colour(50, 36, 1, m_Guide));
    // Title, the four heights (critical, maximum, corner, minimum) and the three displacements.
    const double sx = 0.9 * 45 / 260;
    const std::vector<std::wstring> texts{L"(L) Fz-", L"40.0", L"100.0", L"60.0", L"20.0",
                                          L"220.0", L"240.0", L"230.0"};
    ASSERT_EQ(port().M_Fn_GL_Texts(), texts);
    const auto& t = port().m_GL_Texts;
    const float places[8][2] = {{5, 5},  {5, 9 + 40 * 0.45f}, {5, 9 + 100 * 0.45f}, {5, 9 + 60 * 0.45f},
                                {5, 9 + 20 * 0.45f}, {float(14 + 220 * sx), 5}, {float(14 + 240 * sx), 5},
                                {float(14 + 230 * sx), 5}};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_NEAR(t[i].m_X, places[i][0], 1e-3) << i;
        EXPECT_NEAR(t[i].m_Y, places[i][1], 1e-3) << i;
    }
    EXPECT_NEAR(t[1].m_Color[0], 0.5f, 1e-6f); // critical (0.5, 1, 0.2)
    EXPECT_NEAR(t[2].m_Color[2], 0.5f, 1e-6f); // maximum (1, 0.9, 0.5)
}

TEST_F(C_Graph_Draw, SmallValuesHaveNoLabelButTheirGuides)
{
    // Minimum 0.05: no label at its height, its guide still drawn along the x axis's side.
    result().m_Case[1].m_Bound[0] = {100, 40, 60, 50, 0.05f};
    M_Fn_Draw();
    const auto texts = port().M_Fn_GL_Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), L"0.1"), 0);
    EXPECT_EQ(texts.size(), 7u);
    EXPECT_GT(S_Fn_Count(m_Guide), 0);
}

TEST_F(C_Graph_Draw, PrintModeWhitensOnlyTheBackground)
{
    M_Fn_Config().m_Print_Mode = 1;
    M_Fn_Draw();
    EXPECT_EQ(G_Fn_Pixel(63, 63), (T_RGB{255, 255, 255}));
    EXPECT_TRUE(S_Fn_Near_Colour(17, 18, 1, m_Green));
}

TEST_F(C_Graph_Draw, GuardedValuesDrawOnlyTitleAxesAndLabels)
{
    result().m_Case[1].m_Bound[0] = {20, 10, 20, 20, 20}; // maximum at the minimum
    M_Fn_Draw();
    EXPECT_EQ(S_Fn_Count(m_Green), 0);
    EXPECT_EQ(S_Fn_Count(m_Guide), 0);
    EXPECT_TRUE(S_Fn_Near_Colour(40, 9, 1, m_Axis));
    // Heights have their places (the maximum is positive), displacements have none.
    EXPECT_EQ(port().M_Fn_GL_Texts(), (std::vector<std::wstring>{L"(L) Fz-", L"10.0", L"20.0", L"20.0", L"20.0"}));
}

TEST_F(C_Graph_Draw, AxialTensionShowsOnlyItsTitle)
{
    M_Fn_Config().m_Load_Case = 0;
    M_Fn_Config().m_Stress_Bound = 1;
    M_Fn_Draw();
    EXPECT_EQ(port().M_Fn_GL_Texts(), (std::vector<std::wstring>{L"(U) Fz+ (Depends on material's tension curve)"}));
    EXPECT_EQ(S_Fn_Count(m_Axis), 0);
}

TEST_F(C_Graph_Draw, AWindowSmallerThanItsMarginsShowsOnlyTheBackground)
{
    frame().M_Fn_View_R_Graph_On_Size(18, 30); // plot width 18 - 5 - 14 < 0
    M_Fn_Draw();
    EXPECT_TRUE(port().m_GL_Texts.empty());
    EXPECT_EQ(S_Fn_Count(T_RGB{0, 0, 0}), S_GL_Size * S_GL_Size);
}

TEST_F(C_Graph_Draw, FailedCalculationShowsItsReasons)
{
    result().m_Valid = 0;
    result().m_Msg_Problem = {L"Problems detected with marked element :", L"Area is zero."};
    M_Fn_Draw();
    ASSERT_EQ(port().M_Fn_GL_Texts(), (std::vector<std::wstring>{L"Analysis failed because :",
                                                                  L"Problems detected with marked element :",
                                                                  L"Area is zero."}));
    const float places[3][2] = {{10, 44}, {16, 28}, {16, 12}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(port().m_GL_Texts[i].m_X, places[i][0], 1e-3);
        EXPECT_NEAR(port().m_GL_Texts[i].m_Y, places[i][1], 1e-3);
        EXPECT_EQ(port().m_GL_Texts[i].m_Color[0], 1.0f);
    }
    M_Fn_Config().m_Print_Mode = 1;
    M_Fn_Draw();
    EXPECT_EQ(port().m_GL_Texts[0].m_Color[0], 0.0f);
}

TEST_F(C_Graph_Draw, MisuseThrows)
{
    M_Fn_Config().m_Load_Case = 6;
    EXPECT_THROW(frame().M_Fn_View_R_Graph_Draw(), C_Exception);
    M_Fn_Config().m_Load_Case = 1;
    frame().M_Fn_View_R_Graph_On_Destroy();
    EXPECT_THROW(frame().M_Fn_View_R_Graph_Draw(), C_Exception);
}

TEST_F(C_Graph_Draw, CalculatedSectionShowsItsCurveAndBound)
{
    // A closed square tube, calculated by the paint.
    const auto key = M_Fn_Property(2.0f);
    const std::int32_t a = M_Fn_Point(-50, -50), b = M_Fn_Point(50, -50), c = M_Fn_Point(50, 50), d = M_Fn_Point(-50, 50);
    M_Fn_Line(a, b, key);
    M_Fn_Line(b, c, key);
    M_Fn_Line(c, d, key);
    M_Fn_Line(d, a, key);
    calc().M_Fn_Stale_Set();
    M_Fn_Draw();
    ASSERT_TRUE(result().m_Valid);
    ASSERT_FALSE(port().m_GL_Texts.empty());
    EXPECT_EQ(port().m_GL_Texts[0].m_Text, L"(L) Fz-");
    EXPECT_GT(S_Fn_Count(m_Green), 20);
    EXPECT_TRUE(S_Fn_Near_Colour(40, 9, 1, m_Axis));
    // The middle button shows the other bound.
    frame().M_Fn_View_R_Graph_On_MButton_Up();
    M_Fn_Draw();
    EXPECT_EQ(port().m_GL_Texts[0].m_Text, L"(U) Fz-");
    EXPECT_GT(S_Fn_Count(m_Green), 20);
}

namespace {

// Two sections of one group of the project, each with its three views.
class C_Graph_Click : public C_View_Test {
protected:
    void SetUp() override
    {
        C_View_Test::SetUp();
        m_up_Proj->M_Fn_Tree_Add();
        namespace N_Cmd = N_Biz::N_Proj::N_Cmd;
        auto sp_entry = std::make_shared<N_Cmd::C_Entry_C>(L"Create section group", m_up_Proj.get());
        m_up_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Entry_Run(sp_entry, [&] {
            auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
            sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
            auto sp_sect_group = std::make_shared<N_Biz::N_Proj::C_D_Group_Sect>();
            sp_group->M_Fn_Child_Add_and_Execute(
                std::make_shared<N_Cmd::C_Elem_D_Sect_Group_Add_At>(m_up_Proj.get(), 1, sp_sect_group));
            for (std::uint32_t i = 1; i <= 2; ++i) {
                C_Sect::S_p_Proj = m_up_Proj.get();
                std::shared_ptr<C_Sect> sp = std::make_shared<C_Sect>();
                C_Sect::S_p_Proj = nullptr;
                m_Sects[i - 1] = sp.get();
                sp_group->M_Fn_Child_Add_and_Execute(
                    std::make_shared<N_Cmd::C_Elem_D_Sect_Individual_Add_At>(m_up_Proj.get(), 1, i, sp));
            }
        });
        for (int i = 0; i < 2; ++i) {
            N_Biz::N_Sect::C_Mgr_Frame& f = m_Sects[i]->M_Fn_Get_Mgr_Frame();
            f.m_p_View_Main = &m_Views[i][0];
            f.m_p_View_Graph = &m_Views[i][1];
            f.m_p_View_Sheet = &m_Views[i][2];
            m_Sects[i]->M_Fn_Get_Mgr_Calc().M_Fn_Stale_Clear();
        }
        m_App.app().m_sp_Config->M_Fn_Signal().connect(
            [this](N_Biz::N_Config::C_Config&, N_Biz::N_Config::E_Signal i_Code) { m_Codes.push_back(i_Code); });
    }
    void TearDown() override
    {
        for (C_Sect* p : m_Sects) {
            N_Biz::N_Sect::C_Mgr_Frame& f = p->M_Fn_Get_Mgr_Frame();
            f.m_p_View_Main = f.m_p_View_Graph = f.m_p_View_Sheet = nullptr;
        }
        m_up_Proj->M_Fn_Get_Mgr_Cmd().M_Fn_Clear();
        C_View_Test::TearDown();
    }
    // Invalidations of main, graph, sheet and sheet refills of section i.
    std::array<int, 4> M_Fn_Counts(int i_Sect) const
    {
        return {m_Views[i_Sect][0].m_Count, m_Views[i_Sect][1].m_Count, m_Views[i_Sect][2].m_Count,
                m_Views[i_Sect][2].m_Refills};
    }
    void M_Fn_Reset_Counts()
    {
        for (auto& views : m_Views)
            for (auto& view : views)
                view = C_View_Count();
    }

    C_Sect* m_Sects[2] = {nullptr, nullptr};
    C_View_Count m_Views[2][3];
    std::vector<int> m_Codes;
};

} // namespace

TEST_F(C_Graph_Click, LoadCaseStepsWrapAndReachEverySection)
{
    M_Fn_Config().m_Load_Case = 0;
    N_Biz::N_Sect::C_Mgr_Frame& f = m_Sects[0]->M_Fn_Get_Mgr_Frame();
    f.M_Fn_View_R_Graph_On_LButton_Up();
    EXPECT_EQ(M_Fn_Config().m_Load_Case, 5);
    EXPECT_EQ(m_Codes, std::vector<int>{4});
    // Both sections recalculate at their next paint and repaint all three views.
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(m_Sects[i]->M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale()) << i;
        const auto counts = M_Fn_Counts(i);
        EXPECT_GE(counts[0], 1) << i;
        EXPECT_GE(counts[1], 1) << i;
        EXPECT_GE(counts[2], 1) << i;
    }
    f.M_Fn_View_R_Graph_On_RButton_Up();
    EXPECT_EQ(M_Fn_Config().m_Load_Case, 0);
    f.M_Fn_View_R_Graph_On_RButton_Up();
    EXPECT_EQ(M_Fn_Config().m_Load_Case, 1);
    EXPECT_EQ(m_Codes, (std::vector<int>{4, 4, 4}));
}

TEST_F(C_Graph_Click, BoundToggleRebuildsEverySheet)
{
    N_Biz::N_Sect::C_Mgr_Frame& f = m_Sects[1]->M_Fn_Get_Mgr_Frame();
    f.M_Fn_View_R_Graph_On_MButton_Up();
    EXPECT_EQ(M_Fn_Config().m_Stress_Bound, 1);
    EXPECT_EQ(m_Codes, std::vector<int>{4});
    for (int i = 0; i < 2; ++i) {
        EXPECT_FALSE(m_Sects[i]->M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale()) << i;
        const auto counts = M_Fn_Counts(i);
        EXPECT_EQ(counts[0], 0) << i;
        EXPECT_GE(counts[1], 1) << i;
        EXPECT_GE(counts[3], 1) << i;
    }
    f.M_Fn_View_R_Graph_On_MButton_Up();
    EXPECT_EQ(M_Fn_Config().m_Stress_Bound, 0);
}
