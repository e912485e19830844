#include "biz/config/Biz_Config.h"
#include "common/Common_Exception.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
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
    const std::wstring angle = L"Invalid value, valid range: 0.0 - 6.0.", ratio = L"Invalid value, valid range: 0.0 - 4.0.",
                       scale = L"Invalid value, the value must not be less than 1.0 .",
                       extra = L"Invalid value, valid range: 0 ~ 20.";
    // Value, the message of each check ("" accepted, "?" refused with any message).
    const struct {
        std::optional<std::wstring> (*m_Fn)(float);
        float m_Value;
        std::wstring m_Msg;
    } cases[] = {{G_Fn_Check_Tess_Angle_Deg, 0, L""},          {G_Fn_Check_Tess_Angle_Deg, 6, L""},
                 {G_Fn_Check_Tess_Angle_Deg, 6.01f, angle},    {G_Fn_Check_Tess_Angle_Deg, -0.1f, angle},
                 {G_Fn_Check_Tess_Angle_Deg, nan, L"?"},       {G_Fn_Check_Tess_Length_Over_Thk, 4, L""},
                 {G_Fn_Check_Tess_Length_Over_Thk, 0, L""},    {G_Fn_Check_Tess_Length_Over_Thk, 4.5f, ratio},
                 {G_Fn_Check_Tess_Length_Over_Thk, -1, ratio}, {G_Fn_Check_Grid_Scale, 1, L""},
                 {G_Fn_Check_Grid_Scale, 1000, L""},           {G_Fn_Check_Grid_Scale, 0.99f, scale},
                 {G_Fn_Check_Grid_Scale, nan, L"?"}};
    for (const auto& c : cases) {
        const auto msg = c.m_Fn(c.m_Value);
        EXPECT_EQ(msg.has_value(), !c.m_Msg.empty()) << c.m_Value;
        if (msg && c.m_Msg != L"?") {
            EXPECT_EQ(*msg, c.m_Msg) << c.m_Value;
        }
    }
    for (long long ok : {0LL, 20LL})
        EXPECT_FALSE(G_Fn_Check_Extra_Sections(ok));
    for (long long bad : {21LL, -1LL, 4294967296LL})
        EXPECT_EQ(G_Fn_Check_Extra_Sections(bad).value_or(L""), extra) << bad;
    // The tessellation angle is stored in radians and shown in degrees.
    EXPECT_NEAR(G_Fn_Tess_Angle_Deg_From_Rad(C_Config().M_Fn_Data().m_Tess_Angle), 3.0f, 1e-5f);
    EXPECT_NEAR(G_Fn_Tess_Angle_Rad_From_Deg(6.0f), 0.1047198f, 1e-6f);
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
}
