// The label table and the section's row of the result table (column names, switches, value
// formats).
#include "app/App.h"
#include "biz/config/Biz_Config.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using N_Biz::N_Sect::C_Info;
using N_Biz::N_Sect::C_Mgr_Calc;
using N_Biz::N_Sect::C_Result;

TEST(C_Info, Labels)
{
    const C_Info info;
    EXPECT_EQ(info.m_Label_Kind[C_Info::E_Style_Short], (std::vector<std::wstring>{L"Geom", L"Eqv."}));
    EXPECT_EQ(info.m_Label_Kind[C_Info::E_Style_Long][1], L"Equivalent if using standard material: ");
    EXPECT_EQ(info.m_Label_Case[C_Info::E_Style_Short],
              (std::vector<std::wstring>{L"Fz+", L"Fz-", L"Mx+", L"Mx-", L"My+", L"My-", L""}));
    EXPECT_EQ(info.m_Label_Case[C_Info::E_Style_Medium][2], L"Bending Mx+:");
    EXPECT_EQ(info.m_Label_Case[C_Info::E_Style_Long][5], L"Bending moment y-: ");
    EXPECT_EQ(info.m_Label_Case[C_Info::E_Style_Long][6], L"");
    EXPECT_EQ(info.m_Label_Bound[C_Info::E_Style_Medium][1], L"upper bound ");
    EXPECT_EQ(info.m_Label_Bound[C_Info::E_Style_Long][0], L"(lower bound) ");
    EXPECT_EQ(info.m_Label_Stat[C_Info::E_Style_Short],
              (std::vector<std::wstring>{L"Max", L"Cri", L"Cor", L"Avg", L"Min"}));
    EXPECT_EQ(info.m_Label_Stat[C_Info::E_Style_Long][4], L"minimum (periodic valley)");
}

TEST(C_Info, FlagsCornerAndAverageOnlyForAxialCompression)
{
    const C_Info info;
    for (std::uint32_t c = 0; c < 7; ++c)
        for (std::uint32_t b = 0; b < 2; ++b)
            for (std::uint32_t s = 0; s < 5; ++s)
                EXPECT_EQ(info.M_Fn_Flag_Get(c, b, s), s < 2 || s == 4 || c == 1) << c << b << s;
}

class C_Result_Rows_Test : public ::testing::Test {
protected:
    C_Result_Rows_Test()
    {
        m_App.app().m_sp_Config = std::make_shared<N_Biz::N_Config::C_Config>();
        m_App.app().m_sp_Sect_Info = std::make_shared<C_Info>();
    }
    N_Biz::N_Config::C_Config_Data& M_Fn_Data() { return m_App.app().m_sp_Config->M_Fn_Data(); }

    C_Test_App m_App;
    C_Mgr_Calc m_Calc{nullptr};
};

TEST_F(C_Result_Rows_Test, DefaultColumns)
{
    N_Biz::N_Sect::C_Result_Rows_Switch sw;
    std::vector<std::wstring> names;
    EXPECT_EQ(m_Calc.M_Fn_Result_Rows_Build(sw, names), 0);
    const std::vector<std::wstring> expected = {
        L"Geom A", L"Geom Asx", L"Geom Asy", L"Geom Ixy", L"Geom Ix", L"Geom Iy",
        L"Eqv. A", L"Eqv. Asx", L"Eqv. Asy", L"Eqv. Ixy", L"Eqv. Ix", L"Eqv. Iy",
        L"Fz+ Max", L"Fz+ Cri", L"Fz+ Min",
        L"Fz- Max", L"Fz- Cri", L"Fz- Cor", L"Fz- Avg", L"Fz- Min",
        L"Mx+ Max", L"Mx+ Cri", L"Mx+ Min", L"Mx- Max", L"Mx- Cri", L"Mx- Min",
        L"My+ Max", L"My+ Cri", L"My+ Min", L"My- Max", L"My- Cri", L"My- Min"};
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(sw.m_Bound[0]);
    EXPECT_FALSE(sw.m_Bound[1]);
}

TEST_F(C_Result_Rows_Test, ValuesFollowSwitches)
{
    M_Fn_Data().m_Stress_Bound = 1;
    M_Fn_Data().m_Sheet_Critical = 0;
    M_Fn_Data().m_Sheet_Min = 0;
    M_Fn_Data().m_Sheet_Scientific = 1;
    N_Biz::N_Sect::C_Result_Rows_Switch sw;
    std::vector<std::wstring> names;
    EXPECT_EQ(m_Calc.M_Fn_Result_Rows_Build(sw, names), 1);
    ASSERT_EQ(names.size(), 12u + 6u + 2u); // maximum of every case, corner and average of Fz-
    EXPECT_EQ(names[12], L"Fz+ Max");
    EXPECT_EQ(names[13], L"Fz- Max");
    EXPECT_EQ(names[14], L"Fz- Cor");
    EXPECT_EQ(names[15], L"Fz- Avg");

    C_Result& r = *m_Calc.M_Fn_Get_Result();
    r.m_Valid = 1;
    m_Calc.M_Fn_Stale_Clear();
    r.m_Prop[0].m_Area = 600.0f;
    r.m_Prop[1].m_Iyy = 833400.0f;
    r.m_Case[0].m_Bound[1][0] = 157500.0f;
    r.m_Case[0].m_Bound[0][0] = -1.0f; // lower bounds are not shown
    r.m_Case[1].m_Bound[1][3] = 0.125f;
    std::vector<std::wstring> values;
    EXPECT_EQ(m_Calc.M_Fn_Report_Output(sw, values), 1);
    ASSERT_EQ(values.size(), names.size());
    EXPECT_EQ(values[0], L"6.000000e+02");
    EXPECT_EQ(values[11], L"8.334000e+05");
    EXPECT_EQ(values[12], L"1.575000e+05");
    EXPECT_EQ(values[15], L"1.250000e-01");
    EXPECT_EQ(values[1], L"0.000000e+00");
}

TEST_F(C_Result_Rows_Test, ValueFormats)
{
    EXPECT_EQ(C_Mgr_Calc::S_Fn_Value_Format(291800.0f, 0), L"291800.0");
    EXPECT_EQ(C_Mgr_Calc::S_Fn_Value_Format(0.05f, 0), L"0.1");
    EXPECT_EQ(C_Mgr_Calc::S_Fn_Value_Format(-12.34f, 0), L"-12.3");
    EXPECT_EQ(C_Mgr_Calc::S_Fn_Value_Format(291800.0f, 1), L"2.918000e+05");
    EXPECT_EQ(C_Mgr_Calc::S_Fn_Value_Format(-0.0015f, 1), L"-1.500000e-03");
}

TEST_F(C_Result_Rows_Test, FailedRunIsReported)
{
    C_Result& r = *m_Calc.M_Fn_Get_Result();
    r.m_Valid = 0;
    m_Calc.M_Fn_Stale_Clear();
    N_Biz::N_Sect::C_Result_Rows_Switch sw;
    std::vector<std::wstring> names, values;
    m_Calc.M_Fn_Result_Rows_Build(sw, names);
    EXPECT_EQ(m_Calc.M_Fn_Report_Output(sw, values), 0);
    EXPECT_EQ(values.size(), names.size());
}

} // namespace
