// The tools pane's decisions without a window: the sub-page tables of both edit dialogs for every
// task state and mode, the routing of commands to the main window, the checks of the typed values
// with their messages, the shared label texts, the refresh table and the dialog templates. The
// expected values are written out by hand from the tables of the two edit dialogs.
#include "biz/config/Biz_Config.h"
#include "ui/UI_Tool_Table.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace N_UI::N_Tool;

namespace {

// The project edit dialog by hand: task states with a fixed page, the idle page by mode.
const std::map<std::uint32_t, int> G_Proj_Task = {{15, 7},  {20, 10}, {22, 11}, {23, 12}, {24, 13}, {26, 14},
                                                  {30, 15}, {10, 6},  {11, 6},  {12, 6},  {13, 6},  {14, 6},
                                                  {16, 6},  {17, 6},  {18, 6},  {19, 6},  {21, 6},  {25, 6},
                                                  {27, 6},  {28, 6},  {29, 6}};
const std::map<std::uint32_t, int> G_Proj_Idle = {{1, 0}, {2, 1}, {5, 2}, {6, 3}, {7, 4}, {8, 5}};
const std::map<std::uint32_t, int> G_Sect_Task = {{15, 6}, {16, 6}, {17, 6}, {18, 6}, {19, 8}, {20, 6}, {24, 6},
                                                  {10, 5}, {11, 5}, {12, 5}, {13, 5}, {14, 5}, {21, 5}, {22, 5},
                                                  {23, 5}, {25, 5}, {26, 5}, {27, 5}, {28, 5}, {29, 5}, {30, 5},
                                                  {31, 5}};
const std::map<std::uint32_t, int> G_Sect_Idle = {{1, 0}, {2, 1}, {7, 2}, {12, 3}, {13, 4}};

int G_Fn_Expect(const std::map<std::uint32_t, int>& ro_Task, const std::map<std::uint32_t, int>& ro_Idle,
                std::uint32_t i_Task, std::uint32_t i_Mode)
{
    if (i_Task == 9) {
        const auto it = ro_Idle.find(i_Mode);
        return it == ro_Idle.end() ? -1 : it->second;
    }
    const auto it = ro_Task.find(i_Task);
    return it == ro_Task.end() ? -1 : it->second;
}

std::vector<std::uint32_t> G_Fn_States()
{
    std::vector<std::uint32_t> states;
    for (std::uint32_t s = 0; s <= 40; ++s)
        states.push_back(s);
    for (std::uint32_t s : {1023u, 1024u, 1025u, 0xffffffffu})
        states.push_back(s);
    return states;
}

} // namespace

TEST(C_Tool_Table, ProjectSubPageForEveryTaskStateAndMode)
{
    for (std::uint32_t task : G_Fn_States())
        for (std::uint32_t mode = 0; mode <= 16; ++mode)
            EXPECT_EQ(G_Fn_Sub_Proj(task, mode), G_Fn_Expect(G_Proj_Task, G_Proj_Idle, task, mode))
                << "task " << task << " mode " << mode;
    // Modes 3 and 4 (picking positions) have no page of their own.
    EXPECT_EQ(G_Fn_Sub_Proj(9, 3), -1);
    EXPECT_EQ(G_Fn_Sub_Proj(9, 4), -1);
    // Templates 461 to 476 in index order; pages 8 and 9 (469, 470) exist but are never chosen.
    for (int i = 0; i < G_Num_Sub_Proj; ++i)
        EXPECT_EQ(G_Fn_Sub_Template_Proj(i), 461u + static_cast<unsigned>(i));
    EXPECT_EQ(G_Fn_Sub_Template_Proj(-1), 0u);
    EXPECT_EQ(G_Fn_Sub_Template_Proj(16), 0u);
    for (std::uint32_t task : G_Fn_States())
        for (std::uint32_t mode = 0; mode <= 16; ++mode) {
            const int sub = G_Fn_Sub_Proj(task, mode);
            EXPECT_TRUE(sub != 8 && sub != 9);
        }
}

TEST(C_Tool_Table, SectionSubPageForEveryTaskStateAndMode)
{
    for (std::uint32_t task : G_Fn_States())
        for (std::uint32_t mode = 0; mode <= 16; ++mode)
            EXPECT_EQ(G_Fn_Sub_Sect(task, mode), G_Fn_Expect(G_Sect_Task, G_Sect_Idle, task, mode))
                << "task " << task << " mode " << mode;
    const unsigned templates[] = {432, 433, 434, 436, 437, 438, 439, 440, 441};
    for (int i = 0; i < G_Num_Sub_Sect; ++i)
        EXPECT_EQ(G_Fn_Sub_Template_Sect(i), templates[i]);
    EXPECT_EQ(G_Fn_Sub_Template_Sect(9), 0u);
    // Page 7 (440) is made and never chosen; the spline task has the page with Apply.
    for (std::uint32_t task : G_Fn_States())
        EXPECT_NE(G_Fn_Sub_Sect(task, 7), 7);
    EXPECT_EQ(G_Fn_Sub_Sect(19, 0), 8);
    EXPECT_EQ(G_Fn_Sub_Sect(24, 0), 6);
}

TEST(C_Tool_Table, RoutingToTheMainWindow)
{
    for (int id : {1, 107, 2001, 2008, 2202, 3032, 3110, 3112, 4040, 4106, 4108, 4198, 9999, G_Id_Undo, G_Id_Redo})
        EXPECT_TRUE(G_Fn_Cmd_Is_Forwarded(id)) << id;
    for (int id : {3111, 4107, 10000, 10001, 57643 - 40000 + 50000, 65535})
        EXPECT_FALSE(G_Fn_Cmd_Is_Forwarded(id)) << id;
}

TEST(C_Tool_Table, TypedValuesParsedAndWrittenAsTheStreamDoes)
{
    // A typed value is one number, blanks at its ends aside, in the "C" notation.
    const std::pair<const wchar_t*, float> accepted[] = {
        {L"1.5", 1.5f},     {L"  2", 2.0f},    {L" -2 ", -2.0f},  {L"-1e2", -100.0f}, {L"1e3", 1000.0f},
        {L"+7", 7.0f},      {L".5", 0.5f},     {L"3.", 3.0f},     {L"\t4\n", 4.0f},   {L"0", 0.0f},
        {L"2.5E-1", 0.25f}, {L"1e-3", 0.001f},
    };
    for (const auto& [text, value] : accepted) {
        const std::optional<float> read = G_Fn_Parse_Float(text);
        ASSERT_TRUE(read) << text;
        EXPECT_EQ(*read, value) << text;
    }
    // Refused like a text that is no number: a number with anything after it is not cut short
    // ("1,5" is not 1), nor are two numbers, other notations or a value beyond a float's range.
    for (const wchar_t* text : {L"", L" ", L"abc", L".", L"-", L"1,5", L"1.5abc", L"2x", L"1 2", L"1.5.2", L"3,7",
                                L"1e", L"1e+", L"0x10", L"--1", L"1-", L"inf", L"nan", L"1e39", L"\u0661", L"1\u00a0"})
        EXPECT_FALSE(G_Fn_Parse_Float(text)) << text;
    EXPECT_EQ(G_Fn_Format_Float(10.0f), L"10");
    EXPECT_EQ(G_Fn_Format_Float(2.5f), L"2.5");
    EXPECT_EQ(G_Fn_Format_Float(1234567.0f), L"1.23457e+06");
    // The defaults of the three typed words as the dialogs show them.
    N_Biz::N_Config::C_Config config;
    const auto& data = config.M_Fn_Data();
    EXPECT_EQ(G_Fn_Format_Float(data.m_Grid_Scale), L"10");
    EXPECT_EQ(G_Fn_Format_Float(data.m_Tess_Angle * 57.29578f), L"3");
    EXPECT_EQ(G_Fn_Format_Float(data.m_Tess_Length_Over_Thk), L"2");
}

TEST(C_Tool_Table, GridScaleAtLeastOne)
{
    const std::wstring message = L"Invalid value, the value must not be less than 1.0 .";
    for (const wchar_t* text : {L"0.99", L"0.5", L"abc", L"", L"-3"}) {
        const C_Edit_Check check = G_Fn_Check_Edit_Grid_Scale(text, 10.0f);
        EXPECT_EQ(check.m_Kind, C_Edit_Check::E_Refused) << text;
        EXPECT_EQ(check.m_Message, message);
        EXPECT_EQ(check.m_Text, L"10");
    }
    for (const auto& [text, value] : {std::pair{L"1", 1.0f}, {L"1000", 1000.0f}, {L"12.5", 12.5f}}) {
        const C_Edit_Check check = G_Fn_Check_Edit_Grid_Scale(text, 10.0f);
        EXPECT_EQ(check.m_Kind, C_Edit_Check::E_Accepted) << text;
        EXPECT_EQ(check.m_Value_F, value);
    }
    EXPECT_EQ(G_Fn_Check_Edit_Grid_Scale(L"10", 10.0f).m_Kind, C_Edit_Check::E_Same);
    // A number with more after it is no number: "2x" is not 2, "12,5" not 12.
    for (const wchar_t* text : {L"2x", L"12,5", L"10 20"}) {
        const C_Edit_Check check = G_Fn_Check_Edit_Grid_Scale(text, 10.0f);
        EXPECT_EQ(check.m_Kind, C_Edit_Check::E_Refused) << text;
        EXPECT_EQ(check.m_Message, message);
        EXPECT_EQ(check.m_Text, L"10");
    }
    EXPECT_EQ(G_Fn_Check_Edit_Grid_Scale(L" 1.5 ", 10.0f).m_Value_F, 1.5f);
    // What the edit shows of a value with more digits counts as the value itself.
    EXPECT_EQ(G_Fn_Check_Edit_Grid_Scale(L"1.23457", 1.2345678f).m_Kind, C_Edit_Check::E_Same);
}

TEST(C_Tool_Table, MergeAngleInDegreesStoredInRadians)
{
    const std::wstring message = L"Invalid value, valid range: 0.0 - 6.0.";
    const float word = 0.05235988f; // the default, 3 degrees
    for (const wchar_t* text : {L"6.01", L"-1", L"x", L"7", L"4,5", L"5deg"}) {
        const C_Edit_Check check = G_Fn_Check_Edit_Merge_Angle(text, word);
        EXPECT_EQ(check.m_Kind, C_Edit_Check::E_Refused) << text;
        EXPECT_EQ(check.m_Message, message);
        EXPECT_EQ(check.m_Text, L"3");
    }
    C_Edit_Check check = G_Fn_Check_Edit_Merge_Angle(L"6", word);
    ASSERT_EQ(check.m_Kind, C_Edit_Check::E_Accepted);
    EXPECT_EQ(check.m_Value_F, 6.0f * 0.0174533f);
    check = G_Fn_Check_Edit_Merge_Angle(L"0", word);
    ASSERT_EQ(check.m_Kind, C_Edit_Check::E_Accepted);
    EXPECT_EQ(check.m_Value_F, 0.0f);
    // Retyping the shown value changes nothing: the default, and 6 once stored (shown as "6").
    EXPECT_EQ(G_Fn_Check_Edit_Merge_Angle(L"3", word).m_Kind, C_Edit_Check::E_Same);
    EXPECT_EQ(G_Fn_Format_Float(6.0f * 0.0174533f * 57.29578f), L"6");
    EXPECT_EQ(G_Fn_Check_Edit_Merge_Angle(L"6", 6.0f * 0.0174533f).m_Kind, C_Edit_Check::E_Same);
}

TEST(C_Tool_Table, LengthOverThicknessZeroToFour)
{
    const std::wstring message = L"Invalid value, valid range: 0.0 - 4.0.";
    for (const wchar_t* text : {L"4.01", L"-0.5", L"?", L"1,5", L"3/2"}) {
        const C_Edit_Check check = G_Fn_Check_Edit_Merge_L_Thk(text, 2.0f);
        EXPECT_EQ(check.m_Kind, C_Edit_Check::E_Refused) << text;
        EXPECT_EQ(check.m_Message, message);
        EXPECT_EQ(check.m_Text, L"2");
    }
    EXPECT_EQ(G_Fn_Check_Edit_Merge_L_Thk(L"4", 2.0f).m_Value_F, 4.0f);
    EXPECT_EQ(G_Fn_Check_Edit_Merge_L_Thk(L"2", 2.0f).m_Kind, C_Edit_Check::E_Same);
}

TEST(C_Tool_Table, ExtraSectionsZeroToTwentyTruncated)
{
    const std::wstring message = L"Invalid value, valid range: 0 ~ 20.";
    for (const wchar_t* text : {L"20.5", L"-1", L"21", L"none", L"", L"7,9", L"3x", L"1 2"}) {
        const C_Edit_Check check = G_Fn_Check_Edit_Extra(text, 5);
        EXPECT_EQ(check.m_Kind, C_Edit_Check::E_Refused) << text;
        EXPECT_EQ(check.m_Message, message);
        EXPECT_EQ(check.m_Text, L"5");
    }
    for (const auto& [text, value] : {std::pair{L"20", 20u}, {L"7.9", 7u}, {L"0", 0u}, {L"0.5", 0u}}) {
        const C_Edit_Check check = G_Fn_Check_Edit_Extra(text, 5);
        EXPECT_EQ(check.m_Kind, C_Edit_Check::E_Accepted) << text;
        EXPECT_EQ(check.m_Value_U, value) << text;
    }
    EXPECT_EQ(G_Fn_Check_Edit_Extra(L"5", 5).m_Kind, C_Edit_Check::E_Same);
    EXPECT_EQ(G_Fn_Check_Edit_Extra(L"5.0", 5).m_Kind, C_Edit_Check::E_Same);
}

TEST(C_Tool_Table, PointEntryReadsInOrderAndStopsAtTheFirstBadValue)
{
    // The first text that is no number names its coordinate; a number with more after it is none
    // ("1,5" is no X, not 1).
    const std::pair<std::vector<std::wstring>, const wchar_t*> bad[] = {
        {{L"abc", L"y"}, L"Invalid X value."},    {{L"1", L""}, L"Invalid Y value."},
        {{L"1", L"2", L"z"}, L"Invalid Z value."}, {{L"1,5", L"2"}, L"Invalid X value."},
        {{L"1.5", L"2y"}, L"Invalid Y value."},    {{L"1", L"2", L"3 4"}, L"Invalid Z value."},
    };
    for (const auto& [texts, message] : bad)
        EXPECT_EQ(G_Fn_Check_Point(texts).m_Message, message) << texts.front();
    const std::vector<std::wstring> good = {L"1.5", L" -2 ", L"1e1"};
    const C_Point_Check point = G_Fn_Check_Point(good);
    EXPECT_FALSE(point.m_Message);
    EXPECT_EQ(point.m_Value[0], 1.5f);
    EXPECT_EQ(point.m_Value[1], -2.0f);
    EXPECT_EQ(point.m_Value[2], 10.0f);
}

TEST(C_Tool_Table, SharedLabels)
{
    EXPECT_EQ(G_Fn_Label_Undo(L"(Ctrl+Z)"), L"Undo: (Ctrl+Z)");
    EXPECT_EQ(G_Fn_Label_Redo(L"Import section"), L"Redo: Import section");
    EXPECT_EQ(G_Fn_Label_Palette(std::nullopt), L"Current: None");
    EXPECT_EQ(G_Fn_Label_Palette(std::wstring(L"PID:3")), L"Current: PID:3");
    // Times 255, truncated: 0.5 gives 127, 0.999 gives 254.
    EXPECT_EQ(G_Fn_Color_Byte(1.0f), 255);
    EXPECT_EQ(G_Fn_Color_Byte(0.5f), 127);
    EXPECT_EQ(G_Fn_Color_Byte(0.999f), 254);
    EXPECT_EQ(G_Fn_Color_Byte(0.0f), 0);
    EXPECT_EQ(G_Fn_Color_Byte(1.5f), 255);
    EXPECT_EQ(G_Fn_Color_Byte(-0.2f), 0);
}

TEST(C_Tool_Table, RefreshTableByConfigurationCode)
{
    const std::map<E_Dlg, std::set<int>> expected = {
        {E_Dlg::E_Proj_Disp, {2, 6}},       {E_Dlg::E_Sect_Anls, {4}},      {E_Dlg::E_Sect_Disp, {2, 3}},
        {E_Dlg::E_Proj_S_G_Create, {7, 8}}, {E_Dlg::E_Proj_S_Option, {7}}, {E_Dlg::E_Sect_Tess, {5}},
    };
    for (const auto& [dlg, codes] : expected)
        for (int code = 0; code <= 10; ++code)
            EXPECT_EQ(G_Fn_Config_Updates(dlg, code), codes.count(code) == 1) << static_cast<int>(dlg) << " " << code;
}

TEST(C_Tool_Table, ShowThicknessTurnsShowLoopOff)
{
    N_Biz::N_Config::C_Config config;
    std::vector<int> codes;
    config.M_Fn_Signal().connect([&](N_Biz::N_Config::C_Config&, N_Biz::N_Config::E_Signal i_Code) { codes.push_back(i_Code); });
    config.M_Fn_Toggle_Show_Loop();
    EXPECT_EQ(config.M_Fn_Data().m_Show_Loop, 1);
    config.M_Fn_Toggle_Show_Thickness();
    EXPECT_EQ(config.M_Fn_Data().m_Show_Thickness, 1);
    EXPECT_EQ(config.M_Fn_Data().m_Show_Loop, 0);
    // One code 5 for the loop, then one for thickness and one for the loop switched off.
    EXPECT_EQ(codes, (std::vector<int>{5, 5, 5}));
}

TEST(C_Tool_Table, TemplatesHoldTheirControls)
{
    // Every dialog and sub-page has a template; control ids are unique within one.
    const std::vector<unsigned> ids(G_Fn_Template_Ids().begin(), G_Fn_Template_Ids().end());
    EXPECT_EQ(ids.size(), 31u);
    for (unsigned id : ids) {
        std::set<int> seen;
        for (const C_Item& item : G_Fn_Template(id)) {
            if (item.m_Id == 0)
                continue;
            EXPECT_TRUE(seen.insert(item.m_Id).second) << id << ": " << item.m_Id;
            // Every command control either goes to the main window or is a point entry.
            if (item.m_Kind == C_Item::E_Button || item.m_Kind == C_Item::E_Radio || item.m_Kind == C_Item::E_Check) {
                EXPECT_TRUE(G_Fn_Cmd_Is_Forwarded(item.m_Id) || item.m_Id == 3111 || item.m_Id == 4107) << item.m_Id;
            }
        }
    }
    EXPECT_TRUE(G_Fn_Template(999).empty());

    // The ids of a template in order, with a text check here and there.
    const auto ids_of = [](unsigned i_Id, C_Item::E_Kind i_Kind) {
        std::vector<int> out;
        for (const C_Item& item : G_Fn_Template(i_Id))
            if (item.m_Kind == i_Kind)
                out.push_back(item.m_Id);
        return out;
    };
    EXPECT_EQ(ids_of(460, C_Item::E_Radio), (std::vector<int>{4101, 4102, 4103, 4104, 4105, 4106}));
    EXPECT_EQ(ids_of(450, C_Item::E_Radio), (std::vector<int>{3102, 3103, 3104, 3106, 3107}));
    EXPECT_EQ(ids_of(411, C_Item::E_Button), (std::vector<int>{2001, 2002, 2003, 2004, 2005, 2006, 2007, 2008}));
    EXPECT_EQ(ids_of(441, C_Item::E_Button), (std::vector<int>{2202, 2201, 3111}));
    EXPECT_EQ(ids_of(441, C_Item::E_Edit), (std::vector<int>{2240, 2241}));
    EXPECT_EQ(ids_of(468, C_Item::E_Edit), (std::vector<int>{2240, 2241, 2242}));
    EXPECT_EQ(ids_of(438, C_Item::E_Button), (std::vector<int>{2202}));
    EXPECT_EQ(ids_of(471, C_Item::E_Radio), (std::vector<int>{4181, 4182, 4183, 4184, 4185, 4186, 4187}));
    EXPECT_EQ(ids_of(471, C_Item::E_Check), (std::vector<int>{4196, 4197}));
    EXPECT_EQ(ids_of(471, C_Item::E_Edit), (std::vector<int>{2240, 2241, 2242, 4198}));
    EXPECT_EQ(ids_of(474, C_Item::E_Radio), (std::vector<int>{4181, 4182, 4191, 4192, 4193, 4194}));
    EXPECT_EQ(ids_of(475, C_Item::E_Radio), (std::vector<int>{4181, 4182, 4191, 4192}));
    EXPECT_EQ(ids_of(436, C_Item::E_Edit), (std::vector<int>{3162, 3163}));
    EXPECT_EQ(ids_of(421, C_Item::E_Edit), (std::vector<int>{3032}));
    EXPECT_EQ(ids_of(422, C_Item::E_Radio), (std::vector<int>{3062, 3061, 3071, 3072, 3073, 3074, 3075, 3076}));
    EXPECT_EQ(ids_of(451, C_Item::E_Check), (std::vector<int>{4031, 4032, 4033}));
    const auto text_of = [](unsigned i_Template, int i_Id) {
        for (const C_Item& item : G_Fn_Template(i_Template))
            if (item.m_Id == i_Id)
                return std::wstring(item.m_Text ? item.m_Text : L"");
        return std::wstring(L"<none>");
    };
    EXPECT_EQ(text_of(472, 4197), L"Recut (abondon current modification)");
    EXPECT_EQ(text_of(471, 4197), L"Cut models");
    EXPECT_EQ(text_of(474, 4181), L"Specify position by screen points");
    EXPECT_EQ(text_of(471, 4181), L"Define axis by screen points");
    EXPECT_EQ(text_of(422, 3092), L"Show 360\u00b0 Moment Of Inertia");
    EXPECT_EQ(text_of(460, 1000), L"Dummy Position");
    EXPECT_EQ(text_of(462, 4125), L"Reconnect Selected's Material");
}
