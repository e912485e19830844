#include "biz/config/Biz_Config.h"
#include "common/Common_Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
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
};

} // namespace

TEST(C_Config, FreshConfigurationHoldsEveryDefault)
{
    C_Config cfg;
    const C_Config_Data& d = cfg.M_Fn_Data();
    EXPECT_EQ(d.m_p_Config, &cfg);           // 0
    EXPECT_EQ(d.m_Reserved, 0);              // 1
    EXPECT_EQ(d.m_Thickness, 1.0f);          // 2
    EXPECT_EQ(d.m_Density, 7.9e-9f);         // 3
    EXPECT_EQ(d.m_Poisson, 0.3f);            // 4
    EXPECT_EQ(d.m_Calc_Param_5, 0.05f);      // 5
    EXPECT_EQ(d.m_Modulus, 210000.0f);       // 6
    EXPECT_EQ(d.m_Yield, 210.0f);            // 7
    EXPECT_EQ(d.m_Ultimate, 262.5f);         // 8
    EXPECT_EQ(d.m_Calc_Param_9, 10000.0f);   // 9
    EXPECT_EQ(d.m_Show_Coord, 1);            // 10
    EXPECT_EQ(d.m_Print_Mode, 0);            // 11
    EXPECT_EQ(d.m_Color_By, 1);              // 12
    EXPECT_EQ(d.m_Show_Nodes, 1);            // 13
    EXPECT_EQ(d.m_Show_Grid, 1);             // 14
    EXPECT_EQ(d.m_Grid_Scale, 10.0f);        // 15
    EXPECT_EQ(d.m_Sheet_Scientific, 0);      // 16
    EXPECT_EQ(d.m_Sheet_Max, 1);             // 17
    EXPECT_EQ(d.m_Sheet_Critical, 1);        // 18
    EXPECT_EQ(d.m_Sheet_Corner, 1);          // 19
    EXPECT_EQ(d.m_Sheet_Average, 1);         // 20
    EXPECT_EQ(d.m_Sheet_Min, 1);             // 21
    EXPECT_EQ(d.m_Show_Weakest, 1);          // 22
    EXPECT_EQ(d.m_Show_Inertia_360, 0);      // 23
    EXPECT_EQ(d.m_Show_Principal, 0);        // 24
    EXPECT_EQ(d.m_Show_Shear_Center, 0);     // 25
    EXPECT_EQ(d.m_Load_Case, 1);             // 26
    EXPECT_EQ(d.m_Stress_Bound, 0);          // 27
    EXPECT_EQ(d.m_Show_Thickness, 0);        // 28
    EXPECT_EQ(d.m_Show_Loop, 0);             // 29
    // 30: 3 degrees in radians, rounded once to single precision.
    EXPECT_EQ(d.m_Tess_Angle, static_cast<float>(3.0 * 3.14159265358979323846 / 180.0));
    EXPECT_EQ(d.m_Tess_Length_Over_Thk, 2.0f); // 31
    EXPECT_EQ(d.m_Show_Edge_Shade, 1);       // 32
    EXPECT_EQ(d.m_Model_Disp, 1);            // 33
    EXPECT_EQ(d.m_Model_Disp_Auto, 0);       // 34
    EXPECT_EQ(d.m_Sect_Disp, 1);             // 35
    EXPECT_EQ(d.m_Sect_Disp_Auto, 0);        // 36
    EXPECT_EQ(d.m_Auto_Weld, 0);             // 37
    EXPECT_EQ(d.m_Auto_Adjust_Pos, 1);       // 38
    EXPECT_EQ(d.m_Cut_Models, 1);            // 39
    EXPECT_EQ(d.m_Pos_By_Nodes, 0);          // 40
    EXPECT_EQ(d.m_Local_CS, 0);              // 41
    EXPECT_EQ(d.m_Move_Free, 0);             // 42
    EXPECT_EQ(d.m_Insert_After, 0);          // 43
    EXPECT_EQ(d.m_Extra_Sections, 0);        // 44
    // 44 words of 32 bits behind the back pointer, none more, none padded.
    EXPECT_EQ(sizeof(C_Config_Data), sizeof(void*) + 44 * 4);
}

TEST(C_Config, SignalCodesAndNotify)
{
    EXPECT_EQ(E_Signal_View, 2);
    EXPECT_EQ(E_Signal_Sect_Grid, 3);
    EXPECT_EQ(E_Signal_Analysis, 4);
    EXPECT_EQ(E_Signal_Sect_Mesh, 5);
    EXPECT_EQ(E_Signal_Proj_Disp, 6);
    EXPECT_EQ(E_Signal_Sect_Edit, 7);
    EXPECT_EQ(E_Signal_Extra_Sections, 8);
    C_Config cfg;
    C_Recorder rec(cfg);
    cfg.M_Fn_Data().m_Extra_Sections = 4;
    cfg.M_Fn_Notify(E_Signal_Extra_Sections);
    EXPECT_EQ(rec.m_Codes, (std::vector<int>{8}));
}

TEST(C_Config, ToggleFlipsAndFiresOnce)
{
    C_Config cfg;
    C_Recorder rec(cfg);
    cfg.M_Fn_Toggle(&C_Config_Data::m_Show_Nodes, E_Signal_Sect_Grid);
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Nodes, 0);
    cfg.M_Fn_Toggle(&C_Config_Data::m_Show_Nodes, E_Signal_Sect_Grid);
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Nodes, 1);
    cfg.M_Fn_Data().m_Print_Mode = 7; // anything other than 0 toggles to 0
    cfg.M_Fn_Toggle(&C_Config_Data::m_Print_Mode, E_Signal_View);
    EXPECT_EQ(cfg.M_Fn_Data().m_Print_Mode, 0);
    EXPECT_EQ(rec.m_Codes, (std::vector<int>{3, 3, 2}));
}

TEST(C_Config, ThicknessAndLoopDisplayExcludeEachOther)
{
    C_Config cfg;
    C_Recorder rec(cfg);
    cfg.M_Fn_Toggle_Show_Loop();
    EXPECT_EQ(rec.m_Codes, (std::vector<int>{5}));
    cfg.M_Fn_Toggle_Show_Thickness(); // loop was on: only thickness stays, two notifications
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Thickness, 1);
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Loop, 0);
    EXPECT_EQ(rec.m_Codes, (std::vector<int>{5, 5, 5}));
    rec.m_Codes.clear();
    cfg.M_Fn_Toggle_Show_Loop();
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Thickness, 0);
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Loop, 1);
    EXPECT_EQ(rec.m_Codes, (std::vector<int>{5, 5}));
    rec.m_Codes.clear();
    cfg.M_Fn_Toggle_Show_Loop(); // off again: nothing to exclude
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Thickness, 0);
    EXPECT_EQ(cfg.M_Fn_Data().m_Show_Loop, 0);
    EXPECT_EQ(rec.m_Codes, (std::vector<int>{5}));
}

TEST(C_Config, ResultGraphClicksStepTheLoadCaseCyclically)
{
    C_Config cfg;
    C_Recorder rec(cfg);
    C_Config_Data& d = cfg.M_Fn_Data();
    d.m_Load_Case = 0;
    cfg.M_Fn_Load_Case_Step_Prev();
    EXPECT_EQ(d.m_Load_Case, 5);
    cfg.M_Fn_Load_Case_Step_Next();
    EXPECT_EQ(d.m_Load_Case, 0);
    d.m_Load_Case = 3;
    cfg.M_Fn_Load_Case_Step_Prev();
    EXPECT_EQ(d.m_Load_Case, 2);
    cfg.M_Fn_Load_Case_Step_Next();
    cfg.M_Fn_Load_Case_Step_Next();
    EXPECT_EQ(d.m_Load_Case, 4);
    d.m_Load_Case = 5;
    cfg.M_Fn_Load_Case_Step_Next();
    EXPECT_EQ(d.m_Load_Case, 0);
    d.m_Load_Case = 9; // out of range: brought back into 0..5
    cfg.M_Fn_Load_Case_Step_Next();
    EXPECT_EQ(d.m_Load_Case, 4);
    cfg.M_Fn_Stress_Bound_Toggle();
    EXPECT_EQ(d.m_Stress_Bound, 1);
    cfg.M_Fn_Stress_Bound_Toggle();
    EXPECT_EQ(d.m_Stress_Bound, 0);
    EXPECT_EQ(rec.m_Codes, (std::vector<int>(9, 4)));
}

TEST(C_Config, RangeChecksOfTheToolDialogs)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_FALSE(G_Fn_Check_Tess_Angle_Deg(0.0f));
    EXPECT_FALSE(G_Fn_Check_Tess_Angle_Deg(6.0f));
    EXPECT_FALSE(G_Fn_Check_Tess_Angle_Deg(3.0f));
    EXPECT_EQ(G_Fn_Check_Tess_Angle_Deg(6.01f).value_or(L""), L"Invalid value, valid range: 0.0 - 6.0.");
    EXPECT_EQ(G_Fn_Check_Tess_Angle_Deg(-0.1f).value_or(L""), L"Invalid value, valid range: 0.0 - 6.0.");
    EXPECT_TRUE(G_Fn_Check_Tess_Angle_Deg(nan));

    EXPECT_FALSE(G_Fn_Check_Tess_Length_Over_Thk(4.0f));
    EXPECT_FALSE(G_Fn_Check_Tess_Length_Over_Thk(0.0f));
    EXPECT_EQ(G_Fn_Check_Tess_Length_Over_Thk(4.5f).value_or(L""), L"Invalid value, valid range: 0.0 - 4.0.");
    EXPECT_EQ(G_Fn_Check_Tess_Length_Over_Thk(-1.0f).value_or(L""), L"Invalid value, valid range: 0.0 - 4.0.");

    EXPECT_FALSE(G_Fn_Check_Grid_Scale(1.0f));
    EXPECT_FALSE(G_Fn_Check_Grid_Scale(1000.0f));
    EXPECT_EQ(G_Fn_Check_Grid_Scale(0.99f).value_or(L""), L"Invalid value, the value must not be less than 1.0 .");
    EXPECT_TRUE(G_Fn_Check_Grid_Scale(nan));

    EXPECT_FALSE(G_Fn_Check_Extra_Sections(0));
    EXPECT_FALSE(G_Fn_Check_Extra_Sections(20));
    EXPECT_EQ(G_Fn_Check_Extra_Sections(21).value_or(L""), L"Invalid value, valid range: 0 ~ 20.");
    EXPECT_EQ(G_Fn_Check_Extra_Sections(-1).value_or(L""), L"Invalid value, valid range: 0 ~ 20.");
    EXPECT_TRUE(G_Fn_Check_Extra_Sections(4294967296LL));
}

TEST(C_Config, TessellationAngleShownInDegrees)
{
    C_Config cfg;
    EXPECT_NEAR(G_Fn_Tess_Angle_Deg_From_Rad(cfg.M_Fn_Data().m_Tess_Angle), 3.0f, 1e-5f);
    EXPECT_NEAR(G_Fn_Tess_Angle_Rad_From_Deg(6.0f), 0.1047198f, 1e-6f);
    EXPECT_EQ(G_Fn_Tess_Angle_Rad_From_Deg(2.0f), 2.0f * 0.0174533f);
    EXPECT_EQ(G_Fn_Tess_Angle_Deg_From_Rad(1.0f), 57.29578f);
}

TEST(C_Config, AutoLabelsOfTheProjectDisplayTool)
{
    EXPECT_EQ(G_Fn_Label_Model_Disp_Auto(0), L"Auto");
    EXPECT_EQ(G_Fn_Label_Model_Disp_Auto(2), L"Auto (Hide)");
    EXPECT_EQ(G_Fn_Label_Model_Disp_Auto(3), L"Auto (Grid)");
    EXPECT_EQ(G_Fn_Label_Model_Disp_Auto(4), L"Auto (Mesh)");
    EXPECT_EQ(G_Fn_Label_Model_Disp_Auto(5), L"Auto (Shade)");
    EXPECT_EQ(G_Fn_Label_Sect_Disp_Auto(0), L"Auto");
    EXPECT_EQ(G_Fn_Label_Sect_Disp_Auto(2), L"Auto (Hide)");
    EXPECT_EQ(G_Fn_Label_Sect_Disp_Auto(3), L"Auto (Plane)");
    EXPECT_EQ(G_Fn_Label_Sect_Disp_Auto(4), L"Auto (Geometry)");
    EXPECT_EQ(G_Fn_Label_Sect_Disp_Auto(5), L"Auto (Element)");
    for (int bad : {1, 6, -1}) {
        EXPECT_THROW(G_Fn_Label_Model_Disp_Auto(bad), C_Exception) << bad;
        EXPECT_THROW(G_Fn_Label_Sect_Disp_Auto(bad), C_Exception) << bad;
    }
    try {
        G_Fn_Label_Sect_Disp_Auto(1);
    } catch (const C_Exception& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Function: N_Biz::N_Config::G_Fn_Label_Sect_Disp_Auto\n    File: Biz_Config.cpp Line: ", 0), 0u);
    }
}
