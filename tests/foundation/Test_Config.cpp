#include "biz/config/Biz_Config.h"
#include "common/Common_Exception.h"

#include "tests/foundation/Test_Thrown.h"
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

using namespace N_Biz::N_Config;
using N_Common::N_Exception::C_Exception;

namespace {

// Records every notification of one configuration.
struct C_Recorder {
    std::vector<int> m_Codes;
    boost::signals2::scoped_connection m_Conn;
    explicit C_Recorder(C_Config& io_Config)
        : m_Conn(io_Config.M_Fn_Signal().connect([this, &io_Config](C_Config& c, E_Signal code) {
              EXPECT_EQ(&c, &io_Config);
              m_Codes.push_back(code);
          }))
    {
    }
    std::vector<int> take() { return std::exchange(m_Codes, {}); }
};

} // namespace

TEST(C_Config, FreshConfigurationHoldsEveryDefault)
{
    using D = C_Config_Data;
    C_Config cfg;
    const D& d = cfg.M_Fn_Data();
    EXPECT_EQ(d.m_p_Config, &cfg); // word 0
    // 44 words of 32 bits behind the back pointer, none more, none padded.
    EXPECT_EQ(sizeof(D), sizeof(void*) + 44 * 4);
    const std::pair<float D::*, float> floats[] = {
        {&D::m_Thickness, 1.0f},    {&D::m_Density, 7.9e-9f}, {&D::m_Poisson, 0.3f},       {&D::m_Calc_Param_5, 0.05f},
        {&D::m_Modulus, 210000.0f}, {&D::m_Yield, 210.0f},    {&D::m_Ultimate, 262.5f},    {&D::m_Calc_Param_9, 1e4f},
        {&D::m_Grid_Scale, 10.0f},  {&D::m_Tess_Length_Over_Thk, 2.0f},
        // 3 degrees in radians, rounded once to single precision.
        {&D::m_Tess_Angle, static_cast<float>(3.0 * 3.14159265358979323846 / 180.0)}};
    for (const auto& [field, value] : floats)
        EXPECT_EQ(d.*field, value) << value;
    const std::pair<std::int32_t D::*, std::int32_t> ints[] = {
        {&D::m_Reserved, 0}, {&D::m_Show_Coord, 1}, {&D::m_Print_Mode, 0}, {&D::m_Color_By, 1}, {&D::m_Show_Nodes, 1},
        {&D::m_Show_Grid, 1}, {&D::m_Sheet_Scientific, 0}, {&D::m_Sheet_Max, 1}, {&D::m_Sheet_Critical, 1},
        {&D::m_Sheet_Corner, 1}, {&D::m_Sheet_Average, 1}, {&D::m_Sheet_Min, 1}, {&D::m_Show_Weakest, 1},
        {&D::m_Show_Inertia_360, 0}, {&D::m_Show_Principal, 0}, {&D::m_Show_Shear_Center, 0}, {&D::m_Load_Case, 1},
        {&D::m_Stress_Bound, 0}, {&D::m_Show_Thickness, 0}, {&D::m_Show_Loop, 0}, {&D::m_Show_Edge_Shade, 1},
        {&D::m_Model_Disp, 1}, {&D::m_Model_Disp_Auto, 0}, {&D::m_Sect_Disp, 1}, {&D::m_Sect_Disp_Auto, 0},
        {&D::m_Auto_Weld, 0}, {&D::m_Auto_Adjust_Pos, 1}, {&D::m_Cut_Models, 1}, {&D::m_Pos_By_Nodes, 0},
        {&D::m_Local_CS, 0}, {&D::m_Move_Free, 0}, {&D::m_Insert_After, 0}, {&D::m_Extra_Sections, 0}};
    int index = 0;
    for (const auto& [field, value] : ints)
        EXPECT_EQ(d.*field, value) << "integer field " << index++;
}

TEST(C_Config, NotifyAndToggleFireOnceWithTheirCode)
{
    C_Config cfg;
    C_Recorder rec(cfg);
    cfg.M_Fn_Notify(E_Signal_Extra_Sections);
    cfg.M_Fn_Toggle(&C_Config_Data::m_Show_Nodes, E_Signal_Sect_Grid);
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Nodes, 0);
    cfg.M_Fn_Toggle(&C_Config_Data::m_Show_Nodes, E_Signal_Sect_Grid);
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Nodes, 1);
    cfg.M_Fn_Data().m_Print_Mode = 7; // anything other than 0 toggles to 0
    cfg.M_Fn_Toggle(&C_Config_Data::m_Print_Mode, E_Signal_View);
    EXPECT_EQ(cfg.M_Fn_Data().m_Print_Mode, 0);
    EXPECT_EQ(rec.m_Codes, (std::vector<int>{8, 3, 3, 2}));
}

TEST(C_Config, ThicknessAndLoopDisplayExcludeEachOther)
{
    C_Config cfg;
    C_Recorder rec(cfg);
    const C_Config_Data& d = cfg.M_Fn_Data();
    cfg.M_Fn_Toggle_Show_Loop();
    EXPECT_EQ(rec.take(), (std::vector<int>{5}));
    cfg.M_Fn_Toggle_Show_Thickness(); // loop was on: only thickness stays, two notifications
    EXPECT_EQ(d.m_Show_Thickness * 10 + d.m_Show_Loop, 10);
    EXPECT_EQ(rec.take(), (std::vector<int>{5, 5}));
    cfg.M_Fn_Toggle_Show_Loop();
    EXPECT_EQ(d.m_Show_Thickness * 10 + d.m_Show_Loop, 1);
    EXPECT_EQ(rec.take(), (std::vector<int>{5, 5}));
    cfg.M_Fn_Toggle_Show_Loop(); // off again: nothing to exclude
    EXPECT_EQ(d.m_Show_Thickness * 10 + d.m_Show_Loop, 0);
    EXPECT_EQ(rec.take(), (std::vector<int>{5}));
}

TEST(C_Config, ResultGraphClicksStepTheLoadCaseCyclically)
{
    C_Config cfg;
    C_Recorder rec(cfg);
    C_Config_Data& d = cfg.M_Fn_Data();
    // From, step (+1 next, -1 previous), to; 9 is out of range and brought back into 0..5 first.
    const int steps[][3] = {{0, -1, 5}, {5, +1, 0}, {3, -1, 2}, {2, +1, 3}, {5, +1, 0}, {9, +1, 4}};
    for (const auto& s : steps) {
        d.m_Load_Case = s[0];
        s[1] > 0 ? cfg.M_Fn_Load_Case_Step_Next() : cfg.M_Fn_Load_Case_Step_Prev();
        EXPECT_EQ(d.m_Load_Case, s[2]) << s[0] << " " << s[1];
    }
    cfg.M_Fn_Stress_Bound_Toggle();
    EXPECT_EQ(d.m_Stress_Bound, 1);
    cfg.M_Fn_Stress_Bound_Toggle();
    EXPECT_EQ(d.m_Stress_Bound, 0);
    EXPECT_EQ(rec.m_Codes, (std::vector<int>(8, 4)));
}

TEST(C_Config, RangeChecksOfTheToolDialogs)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::wstring angle = L"Invalid value, valid range: 0.0 - 6.0.";
    const std::wstring ratio = L"Invalid value, valid range: 0.0 - 4.0.";
    for (float ok : {0.0f, 3.0f, 6.0f})
        EXPECT_FALSE(G_Fn_Check_Tess_Angle_Deg(ok));
    EXPECT_EQ(G_Fn_Check_Tess_Angle_Deg(6.01f).value_or(L""), angle);
    EXPECT_EQ(G_Fn_Check_Tess_Angle_Deg(-0.1f).value_or(L""), angle);
    EXPECT_TRUE(G_Fn_Check_Tess_Angle_Deg(nan));
    EXPECT_FALSE(G_Fn_Check_Tess_Length_Over_Thk(4.0f));
    EXPECT_FALSE(G_Fn_Check_Tess_Length_Over_Thk(0.0f));
    EXPECT_EQ(G_Fn_Check_Tess_Length_Over_Thk(4.5f).value_or(L""), ratio);
    EXPECT_EQ(G_Fn_Check_Tess_Length_Over_Thk(-1.0f).value_or(L""), ratio);
    EXPECT_FALSE(G_Fn_Check_Grid_Scale(1.0f));
    EXPECT_FALSE(G_Fn_Check_Grid_Scale(1000.0f));
    EXPECT_EQ(G_Fn_Check_Grid_Scale(0.99f).value_or(L""), L"Invalid value, the value must not be less than 1.0 .");
    EXPECT_TRUE(G_Fn_Check_Grid_Scale(nan));
    EXPECT_FALSE(G_Fn_Check_Extra_Sections(0));
    EXPECT_FALSE(G_Fn_Check_Extra_Sections(20));
    EXPECT_EQ(G_Fn_Check_Extra_Sections(21).value_or(L""), L"Invalid value, valid range: 0 ~ 20.");
    EXPECT_EQ(G_Fn_Check_Extra_Sections(-1).value_or(L""), L"Invalid value, valid range: 0 ~ 20.");
    EXPECT_TRUE(G_Fn_Check_Extra_Sections(4294967296LL));
    // The tessellation angle is stored in radians and shown in degrees.
    EXPECT_NEAR(G_Fn_Tess_Angle_Deg_From_Rad(C_Config().M_Fn_Data().m_Tess_Angle), 3.0f, 1e-5f);
    EXPECT_NEAR(G_Fn_Tess_Angle_Rad_From_Deg(6.0f), 0.1047198f, 1e-6f);
    EXPECT_EQ(G_Fn_Tess_Angle_Rad_From_Deg(2.0f), 2.0f * 0.0174533f);
    EXPECT_EQ(G_Fn_Tess_Angle_Deg_From_Rad(1.0f), 57.29578f);
}

TEST(C_Config, AutoLabelsOfTheProjectDisplayTool)
{
    const wchar_t* model[] = {L"Auto", nullptr, L"Auto (Hide)", L"Auto (Grid)", L"Auto (Mesh)", L"Auto (Shade)"};
    const wchar_t* sect[] = {L"Auto", nullptr, L"Auto (Hide)", L"Auto (Plane)", L"Auto (Geometry)", L"Auto (Element)"};
    for (int k : {0, 2, 3, 4, 5}) {
        EXPECT_EQ(G_Fn_Label_Model_Disp_Auto(k), model[k]);
        EXPECT_EQ(G_Fn_Label_Sect_Disp_Auto(k), sect[k]);
    }
    for (int bad : {1, 6, -1}) {
        EXPECT_THROW(G_Fn_Label_Model_Disp_Auto(bad), C_Exception) << bad;
        EXPECT_THROW(G_Fn_Label_Sect_Disp_Auto(bad), C_Exception) << bad;
    }
    const std::string what = N_Test::G_Fn_Thrown([] { G_Fn_Label_Sect_Disp_Auto(1); }).m_What;
    EXPECT_EQ(what.rfind("Function: N_Biz::N_Config::G_Fn_Label_Sect_Disp_Auto\n"
                         "    File: Biz_Config.cpp Line: ",
                         0),
              0u);
}
