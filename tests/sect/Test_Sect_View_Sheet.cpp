// The result sheet's rows (titles, descriptions, which rows exist for the switches) and its cells
// (which result value each row shows, Compared and Difference, the number formats).
#include "biz/config/Biz_Config.h"
#include "biz/sect/Biz_Sect_Info.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "biz/sect/Biz_Sect_View_Sheet.h"
#include "common/Common_Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace N_Biz::N_Sect;

std::vector<std::wstring> G_Fn_Titles(const std::vector<C_Sheet_Row>& ro_Rows)
{
    std::vector<std::wstring> titles;
    for (const C_Sheet_Row& row : ro_Rows)
        titles.push_back(row.m_Title);
    return titles;
}

const C_Sheet_Row& G_Fn_Row(const std::vector<C_Sheet_Row>& ro_Rows, const std::wstring& i_Title)
{
    for (const C_Sheet_Row& row : ro_Rows)
        if (row.m_Title == i_Title)
            return row;
    throw std::runtime_error("no row");
}

// The switches of a configuration with its defaults, then i_Fn applied.
template <class F>
C_Result_Rows_Switch G_Fn_Switch(F&& i_Fn)
{
    N_Biz::N_Config::C_Config config;
    i_Fn(config.M_Fn_Data());
    return C_Mgr_Calc::S_Fn_Rows_Switch_Get(config.M_Fn_Data());
}

const std::vector<std::wstring> G_Prop_Titles = {
    L"Geometric: ",     L"Geom A",    L"Geom Asx", L"Geom Asy", L"Geom Ixy", L"Geom Ix",
    L"Geom Iy",         L"Geom Imax", L"Geom Imin",
    L"Standard Eqv: ",  L"Eqv. A",    L"Eqv. Asx", L"Eqv. Asy", L"Eqv. Ixy", L"Eqv. Ix",
    L"Eqv. Iy",         L"Eqv. Imax", L"Eqv. Imin"};
const std::vector<std::wstring> G_Case_Headings = {L"Axial Force z+:", L"Axial Force z-:", L"Bending Mx+:",
                                                   L"Bending Mx-:",    L"Bending My+:",    L"Bending My-:"};

TEST(C_Sheet_Rows, DefaultConfiguration)
{
    const C_Info info;
    const auto rows = G_Fn_Sheet_Rows_Build(info, G_Fn_Switch([](auto&) {}));
    std::vector<std::wstring> expected = G_Prop_Titles;
    const std::vector<std::wstring> stresses = {
        L"Axial Force z+:", L"Fz+ Max", L"Fz+ Cri", L"Fz+ Min",
        L"Axial Force z-:", L"Fz- Max", L"Fz- Cri", L"Fz- Cor", L"Fz- Avg", L"Fz- Min",
        L"Bending Mx+:",    L"Mx+ Max", L"Mx+ Cri", L"Mx+ Min",
        L"Bending Mx-:",    L"Mx- Max", L"Mx- Cri", L"Mx- Min",
        L"Bending My+:",    L"My+ Max", L"My+ Cri", L"My+ Min",
        L"Bending My-:",    L"My- Max", L"My- Cri", L"My- Min"};
    expected.insert(expected.end(), stresses.begin(), stresses.end());
    EXPECT_EQ(G_Fn_Titles(rows), expected);

    EXPECT_EQ(rows[0].m_Kind, C_Sheet_Row::E_Kind_Heading);
    EXPECT_EQ(rows[0].m_Desc, L"");
    EXPECT_EQ(G_Fn_Row(rows, L"Geom A").m_Desc, L"Geometric: area");
    EXPECT_EQ(G_Fn_Row(rows, L"Geom Asy").m_Desc, L"Geometric: equivalent shear y area");
    EXPECT_EQ(G_Fn_Row(rows, L"Eqv. Imin").m_Desc, L"Equivalent if using standard material: moment of inertia min");
    EXPECT_EQ(G_Fn_Row(rows, L"Fz+ Max").m_Desc, L"Axial force z+: (lower bound) maximum");
    EXPECT_EQ(G_Fn_Row(rows, L"Fz- Cor").m_Desc, L"Axial force z-: (lower bound) corner (periodic peak)");
    EXPECT_EQ(G_Fn_Row(rows, L"My- Min").m_Desc, L"Bending moment y-: (lower bound) minimum (periodic valley)");
}

// Which stress rows the switches leave, after the eighteen property rows.
struct C_Switch_Case {
    const char* m_Name;
    void (*m_Fn_Set)(N_Biz::N_Config::C_Config_Data&);
    std::vector<std::wstring> m_Stress_Titles;
    const wchar_t* m_Bound_Desc; // every stress row's bound text
};

class C_Sheet_Rows_Switch : public ::testing::TestWithParam<C_Switch_Case> {};

TEST_P(C_Sheet_Rows_Switch, StressRows)
{
    const C_Switch_Case& c = GetParam();
    const C_Info info;
    const auto rows = G_Fn_Sheet_Rows_Build(info, G_Fn_Switch(c.m_Fn_Set));
    std::vector<std::wstring> expected = G_Prop_Titles;
    expected.insert(expected.end(), c.m_Stress_Titles.begin(), c.m_Stress_Titles.end());
    EXPECT_EQ(G_Fn_Titles(rows), expected);
    for (std::size_t i = G_Prop_Titles.size(); i < rows.size(); ++i) {
        if (rows[i].m_Kind == C_Sheet_Row::E_Kind_Stress) {
            EXPECT_NE(rows[i].m_Desc.find(c.m_Bound_Desc), std::wstring::npos) << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, C_Sheet_Rows_Switch,
    ::testing::Values(
        C_Switch_Case{"AllStatisticsHidden",
                      [](auto& d) { d.m_Sheet_Max = d.m_Sheet_Critical = d.m_Sheet_Corner = d.m_Sheet_Average = d.m_Sheet_Min = 0; },
                      G_Case_Headings, L""},
        C_Switch_Case{"UpperBound",
                      [](auto& d) {
                          d.m_Stress_Bound = 1;
                          d.m_Sheet_Max = d.m_Sheet_Critical = d.m_Sheet_Min = 0;
                      },
                      {L"Axial Force z+:", L"Axial Force z-:", L"Fz- Cor", L"Fz- Avg", L"Bending Mx+:", L"Bending Mx-:",
                       L"Bending My+:", L"Bending My-:"},
                      L"(upper bound) "},
        C_Switch_Case{"CriticalOnly",
                      [](auto& d) { d.m_Sheet_Max = d.m_Sheet_Corner = d.m_Sheet_Average = d.m_Sheet_Min = 0; },
                      {L"Axial Force z+:", L"Fz+ Cri", L"Axial Force z-:", L"Fz- Cri", L"Bending Mx+:", L"Mx+ Cri",
                       L"Bending Mx-:", L"Mx- Cri", L"Bending My+:", L"My+ Cri", L"Bending My-:", L"My- Cri"},
                      L"(lower bound) "},
        // A bound word outside 0 and 1 shows neither bound.
        C_Switch_Case{"NoBound", [](auto& d) { d.m_Stress_Bound = 2; }, G_Case_Headings, L""}),
    [](const auto& ro_Info) { return std::string(ro_Info.param.m_Name); });

TEST(C_Sheet_Rows, UpperBoundBuildsNoLowerRows)
{
    const C_Info info;
    const auto rows = G_Fn_Sheet_Rows_Build(info, G_Fn_Switch([](auto& d) { d.m_Stress_Bound = 1; }));
    int upper = 0;
    for (const C_Sheet_Row& row : rows) {
        EXPECT_EQ(row.m_Desc.find(L"(lower bound) "), std::wstring::npos) << row.m_Title;
        if (row.m_Desc.find(L"(upper bound) ") != std::wstring::npos)
            ++upper;
    }
    EXPECT_EQ(upper, 20); // as many as the lower bound's by default: 3 + 5 + 4 x 3
    EXPECT_EQ(G_Fn_Row(rows, L"Mx- Cri").m_Desc, L"Bending moment x-: (upper bound) critical");
}

// Every row reads its own quantity: each field of the result holds its own number.
TEST(C_Sheet_Cells, RowsReadTheirQuantity)
{
    C_Result result;
    for (std::size_t k = 0; k < 2; ++k) {
        C_Result_Prop& p = result.m_Prop[k];
        const float base = 10.0f * float(k);
        p.m_Area = base + 1.0f;
        p.m_Area_Shear_X = base + 2.0f;
        p.m_Area_Shear_Y = base + 3.0f;
        p.m_Ixy = base + 4.0f;
        p.m_Ixx = base + 5.0f;
        p.m_Iyy = base + 6.0f;
        p.m_I1 = base + 7.0f;
        p.m_I2 = base + 8.0f;
        p.m_Center_X = p.m_Center_Y = p.m_Angle_Principal = -1.0f; // never shown
    }
    for (std::size_t c = 0; c < 7; ++c)
        for (std::size_t b = 0; b < 2; ++b)
            for (std::size_t s = 0; s < 5; ++s)
                result.m_Case[c].m_Bound[b][s] = float(100 * (c + 1) + 10 * b + s);

    const C_Info info;
    const std::vector<std::pair<std::wstring, float>> expected = {
        {L"Geom A", 1}, {L"Geom Asx", 2}, {L"Geom Asy", 3}, {L"Geom Ixy", 4}, {L"Geom Ix", 5},
        {L"Geom Iy", 6}, {L"Geom Imax", 7}, {L"Geom Imin", 8}, {L"Eqv. A", 11}, {L"Eqv. Imin", 18},
        {L"Fz+ Max", 100}, {L"Fz- Cor", 202}, {L"Fz- Avg", 203}, {L"Mx+ Cri", 301}, {L"My- Min", 604}};
    for (std::int32_t bound : {0, 1}) {
        const auto rows = G_Fn_Sheet_Rows_Build(info, G_Fn_Switch([&](auto& d) { d.m_Stress_Bound = bound; }));
        for (const auto& [title, value] : expected) {
            const float shown = G_Fn_Sheet_Row_Value(G_Fn_Row(rows, title), result);
            const bool stress = title.find(L"Geom") == std::wstring::npos && title.find(L"Eqv.") == std::wstring::npos;
            EXPECT_EQ(shown, value + (stress ? 10.0f * float(bound) : 0.0f)) << title << L" bound " << bound;
        }
    }
}

TEST(C_Sheet_Cells, FormatsAndDifference)
{
    const C_Info info;
    const auto rows = G_Fn_Sheet_Rows_Build(info, G_Fn_Switch([](auto&) {}));
    const C_Sheet_Row& area = G_Fn_Row(rows, L"Geom A");
    C_Result result, compared;
    result.m_Prop[0].m_Area = 1234.56f;

    // Nothing compared yet: the zeroed result.
    EXPECT_EQ(G_Fn_Sheet_Row_Cells(area, result, compared, 0),
              (std::array<std::wstring, 3>{L"1234.6", L"0.0", L"1234.6"}));
    EXPECT_EQ(G_Fn_Sheet_Row_Cells(area, result, compared, 1),
              (std::array<std::wstring, 3>{L"1.234560e+03", L"0.000000e+00", L"1.234560e+03"}));

    compared.m_Prop[0].m_Area = 1000.0f;
    EXPECT_EQ(G_Fn_Sheet_Row_Cells(area, result, compared, 0),
              (std::array<std::wstring, 3>{L"1234.6", L"1000.0", L"234.6"}));
    EXPECT_EQ(G_Fn_Sheet_Row_Cells(area, compared, result, 0)[2], L"-234.6");

    // The difference is taken in single precision: 123456792 - 1 has no float of its own (floats
    // are 8 apart there) and rounds back to 123456792.
    result.m_Prop[0].m_Area = 123456792.0f;
    compared.m_Prop[0].m_Area = 1.0f;
    EXPECT_EQ(G_Fn_Sheet_Row_Cells(area, result, compared, 0)[2], L"123456792.0");

    // Headings show nothing.
    EXPECT_EQ(G_Fn_Sheet_Row_Cells(rows[0], result, compared, 0), (std::array<std::wstring, 3>{}));
}

TEST(C_Sheet_Cells, RowOutOfRangeThrows)
{
    const C_Result result;
    C_Sheet_Row row;
    row.m_Kind = C_Sheet_Row::E_Kind_Prop;
    row.m_Item = 8;
    EXPECT_THROW(G_Fn_Sheet_Row_Value(row, result), N_Common::N_Exception::C_Exception);
    row.m_Kind = C_Sheet_Row::E_Kind_Stress;
    row.m_Item = 0;
    row.m_Group = 6; // the seventh record is no load case of the sheet
    EXPECT_THROW(G_Fn_Sheet_Row_Value(row, result), N_Common::N_Exception::C_Exception);
}

} // namespace
