// The section window: its document's commands, its frame with the main view, the result graph and
// the result sheet, driven as an engineer does (commands, clicks, keys) on sections imported from
// IGES into a new project.
#include "tests/gui/Test_GUI_Support.h"

#include "biz/cmd/Biz_Cmd_Elem_Group.h"
#include "biz/config/Biz_Config.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Group_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_Sect_Individual_Add_At.h"
#include "biz/proj/Biz_Proj_Cmd_Entry_C.h"
#include "biz/proj/Biz_Proj_D_Group_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Cmd.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "biz/sect/Biz_Sect_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "biz/sect/Biz_Sect_Mgr_State.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "biz/sect/Biz_Sect_State_Machine_Top.h"
#include "common/Common_String.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_MDI_Frame_Main.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"
#include "ui/UI_MDI_Sect_Doc.h"
#include "ui/UI_MDI_Sect_Wnd_Frame_Child.h"
#include "ui/UI_MDI_Sect_Wnd_View_Main.h"
#include "ui/UI_MDI_Sect_Wnd_View_R_Graph.h"
#include "ui/UI_MDI_Sect_Wnd_View_R_Sheet.h"

#include <gtest/gtest.h>

#include <wx/image.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/imagpng.h>
#include <wx/listctrl.h>
#include <wx/splitter.h>
#include <wx/uiaction.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;
using N_Biz::N_Sect::C_Sect;
using N_UI::N_MDI::N_Sect::C_Wnd_Frame_Child;

namespace {

const char* const G_Tubes = VT_TESTDATA_DIR "/iges/tubes_splined.iges";

// Pixels of the curve's pure green (0, 1, 0) inside i_Rect of the image; labels in their lighter
// greens and anti-aliased text do not count.
int G_Fn_Count_Green(const wxImage& ro_Image, const wxRect& i_Rect)
{
    int count = 0;
    for (int y = std::max(i_Rect.y, 0); y < std::min(i_Rect.GetBottom() + 1, ro_Image.GetHeight()); ++y)
        for (int x = std::max(i_Rect.x, 0); x < std::min(i_Rect.GetRight() + 1, ro_Image.GetWidth()); ++x)
            if (ro_Image.GetRed(x, y) < 60 && ro_Image.GetGreen(x, y) > 200 && ro_Image.GetBlue(x, y) < 60)
                ++count;
    return count;
}

bool G_Fn_Logged(C_Shell& ro_Shell, const std::string& i_Line)
{
    const auto lines = ro_Shell.log_lines();
    return std::find(lines.begin(), lines.end(), i_Line) != lines.end();
}

// A new project with sections imported from IGES, each in a group of its own, and their windows.
class C_Sect_Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Shell.M_Fn_Start());
        m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_New);
        ASSERT_NE(m_Shell.core().m_sp_Proj, nullptr);
        // The section windows alone: the project's own window is closed (the project stays open).
        m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Close);
        G_Fn_Settle();
    }

    N_Biz::N_Proj::C_Proj& proj() { return *m_Shell.core().m_sp_Proj; }
    N_Biz::N_Config::C_Config_Data& config() { return m_Shell.core().m_sp_Config->M_Fn_Data(); }

    // A section with its document in a new group, its geometry read from i_Path, all in one
    // history entry "Import section" (as the project's section import makes it).
    C_Sect& M_Fn_Import(const char* i_Path = G_Tubes) { return G_Fn_Sect_Import(proj(), i_Path); }

    // The section's window, opened as the project opens it, once its views are on screen, registered
    // and the sheet filled.
    C_Wnd_Frame_Child* M_Fn_Open(C_Sect& ro_Sect)
    {
        ro_Sect.M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
        auto* p_doc = dynamic_cast<N_UI::N_MDI::N_Sect::C_Doc*>(ro_Sect.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc());
        EXPECT_NE(p_doc, nullptr);
        if (!p_doc || p_doc->M_Fn_Get_Frames().empty())
            return nullptr;
        C_Wnd_Frame_Child* p_frame = p_doc->M_Fn_Get_Frames().back();
        const N_Biz::N_Sect::C_Mgr_Frame& mgr = ro_Sect.M_Fn_Get_Mgr_Frame();
        EXPECT_TRUE(G_Fn_Wait_For([&] {
            return mgr.m_p_View_Main && mgr.m_p_View_Graph && mgr.m_p_View_Sheet &&
                   !p_frame->M_Fn_Get_View_Sheet()->M_Fn_Refresh_Pending();
        }));
        return p_frame;
    }

    // Lets the windows catch up: paints, and the sheets' refreshes.
    void M_Fn_Settle() { G_Fn_Run_For(std::chrono::milliseconds(100)); }

    static wxListCtrl& S_Fn_List(C_Wnd_Frame_Child* i_p_Frame) { return *i_p_Frame->M_Fn_Get_View_Sheet()->M_Fn_Get_List(); }
    // The row of the sheet titled i_Title, or -1.
    static long S_Fn_Row(C_Wnd_Frame_Child* i_p_Frame, const wxString& i_Title)
    {
        wxListCtrl& list = S_Fn_List(i_p_Frame);
        for (long i = 0; i < list.GetItemCount(); ++i)
            if (list.GetItemText(i, 0) == i_Title)
                return i;
        return -1;
    }
    static std::string S_Fn_Cell(C_Wnd_Frame_Child* i_p_Frame, const wxString& i_Title, int i_Column)
    {
        const long row = S_Fn_Row(i_p_Frame, i_Title);
        return row < 0 ? "<no row>" : S_Fn_List(i_p_Frame).GetItemText(row, i_Column).utf8_string();
    }

    C_Shell m_Shell;
};

TEST_F(C_Sect_Window, OpensWithItsThreeViewsInTwoSplitters)
{
    C_Sect& sect = M_Fn_Import();
    C_Wnd_Frame_Child* p_frame = M_Fn_Open(sect);
    ASSERT_NE(p_frame, nullptr);
    EXPECT_EQ(p_frame->M_Fn_Get_Splitter_Outer()->GetWindow1(), p_frame->M_Fn_Get_Splitter_Inner());
    EXPECT_EQ(p_frame->M_Fn_Get_Splitter_Outer()->GetWindow2(), p_frame->M_Fn_Get_View_Main());
    EXPECT_EQ(p_frame->M_Fn_Get_Splitter_Inner()->GetWindow1(), p_frame->M_Fn_Get_View_Graph());
    EXPECT_EQ(p_frame->M_Fn_Get_Splitter_Inner()->GetWindow2(), p_frame->M_Fn_Get_View_Sheet());
    EXPECT_EQ(p_frame->M_Fn_Get_Splitter_Outer()->GetSashPosition(), 256);
    EXPECT_EQ(p_frame->M_Fn_Get_Splitter_Inner()->GetSashPosition(), 256);
    EXPECT_EQ(m_Shell.frame()->GetActiveChild(), p_frame);
    EXPECT_EQ(S_Fn_List(p_frame).GetColumnCount(), 5);
    EXPECT_NE(S_Fn_Row(p_frame, "Geom A"), -1);
}

TEST_F(C_Sect_Window, SheetRowsFollowTheStatisticsAndTheBound)
{
    C_Sect& sect = M_Fn_Import();
    C_Wnd_Frame_Child* p_frame = M_Fn_Open(sect);
    ASSERT_NE(p_frame, nullptr);
    wxListCtrl& list = S_Fn_List(p_frame);
    // 2 x (heading + 8) properties; headings of the six cases with 3 + 5 + 4 x 3 lower-bound rows.
    ASSERT_EQ(list.GetItemCount(), 44);
    EXPECT_EQ(list.GetItemText(0, 0), "Geometric: ");
    EXPECT_EQ(list.GetItemText(1, 0), "Geom A");
    EXPECT_EQ(list.GetItemText(1, 4), "Geometric: area");
    EXPECT_EQ(list.GetItemText(17, 0), "Eqv. Imin");
    EXPECT_EQ(list.GetItemText(17, 4), "Equivalent if using standard material: moment of inertia min");
    EXPECT_EQ(list.GetItemText(19, 4), "Axial force z+: (lower bound) maximum");
    // Headings carry no values.
    EXPECT_EQ(list.GetItemText(0, 1), "");
    EXPECT_NE(list.GetItemText(1, 1), "");

    // Every statistic hidden: only the six load-case headings stay below the properties.
    for (int id = N_Cmd::E_Id_Sect_Anls_Sheet_Show_Max; id <= N_Cmd::E_Id_Sect_Anls_Sheet_Show_P_V; ++id)
        m_Shell.M_Fn_Command(id);
    EXPECT_EQ(config().m_Sheet_Max + config().m_Sheet_Critical + config().m_Sheet_Corner + config().m_Sheet_Average +
                  config().m_Sheet_Min,
              0);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return list.GetItemCount() == 24; })) << list.GetItemCount();
    const char* const headings[] = {"Axial Force z+:", "Axial Force z-:", "Bending Mx+:",
                                    "Bending Mx-:",    "Bending My+:",    "Bending My-:"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list.GetItemText(18 + i, 0), headings[i]);

    // The upper bound with every statistic shown again: upper-bound rows only.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Anls_Str_Bound_Upper);
    for (int id = N_Cmd::E_Id_Sect_Anls_Sheet_Show_Max; id <= N_Cmd::E_Id_Sect_Anls_Sheet_Show_P_V; ++id)
        m_Shell.M_Fn_Command(id);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return list.GetItemCount() == 44; })) << list.GetItemCount();
    int upper = 0;
    for (long i = 18; i < list.GetItemCount(); ++i) {
        const wxString desc = list.GetItemText(i, 4);
        EXPECT_FALSE(desc.Contains("(lower bound) ")) << desc;
        upper += desc.Contains("(upper bound) ") ? 1 : 0;
    }
    EXPECT_EQ(upper, 20);
}

TEST_F(C_Sect_Window, ValuesInOneDecimalOrScientificAgainstTheEmptyComparedResult)
{
    C_Sect& sect = M_Fn_Import();
    C_Wnd_Frame_Child* p_frame = M_Fn_Open(sect);
    ASSERT_NE(p_frame, nullptr);
    // The calculation has run for the sheet; its area is set by hand now and the sheet repainted.
    ASSERT_FALSE(sect.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    sect.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result()->m_Prop[0].m_Area = 1234.56f;
    sect.M_Fn_Get_Mgr_Frame().M_Fn_View_Invalidate(false, false, true, false);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return S_Fn_Cell(p_frame, "Geom A", 1) == "1234.6"; }))
        << S_Fn_Cell(p_frame, "Geom A", 1);
    // Nothing has been copied as compared: the zeroed result.
    EXPECT_EQ(S_Fn_Cell(p_frame, "Geom A", 2), "0.0");
    EXPECT_EQ(S_Fn_Cell(p_frame, "Geom A", 3), "1234.6");

    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Anls_Sheet_Scientific);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return S_Fn_Cell(p_frame, "Geom A", 1) == "1.234560e+03"; }))
        << S_Fn_Cell(p_frame, "Geom A", 1);
    EXPECT_EQ(S_Fn_Cell(p_frame, "Geom A", 2), "0.000000e+00");
    EXPECT_EQ(S_Fn_Cell(p_frame, "Geom A", 3), "1.234560e+03");
}

TEST_F(C_Sect_Window, CopyResultAsComparedChangesTheColumnsOfEveryOpenSection)
{
    C_Sect& first = M_Fn_Import();
    C_Sect& second = M_Fn_Import();
    C_Wnd_Frame_Child* p_first = M_Fn_Open(first);
    C_Wnd_Frame_Child* p_second = M_Fn_Open(second);
    ASSERT_TRUE(p_first && p_second);
    first.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result()->m_Prop[0].m_Area = 100.0f;
    second.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result()->m_Prop[0].m_Area = 40.0f;
    for (C_Sect* p_sect : {&first, &second})
        p_sect->M_Fn_Get_Mgr_Frame().M_Fn_View_Invalidate(false, false, true, false);
    // Windows are tabs: a sheet shows its values once its tab is the one on screen.
    const auto shown = [&](C_Wnd_Frame_Child* i_p_Frame, const char* i_Result, const char* i_Compared,
                           const char* i_Difference) {
        i_p_Frame->Activate();
        return G_Fn_Wait_For([&] {
            return S_Fn_Cell(i_p_Frame, "Geom A", 1) == i_Result && S_Fn_Cell(i_p_Frame, "Geom A", 2) == i_Compared &&
                   S_Fn_Cell(i_p_Frame, "Geom A", 3) == i_Difference;
        });
    };
    EXPECT_TRUE(shown(p_second, "40.0", "0.0", "40.0"));
    EXPECT_TRUE(shown(p_first, "100.0", "0.0", "100.0"));

    // From the first section's window.
    ASSERT_EQ(m_Shell.frame()->GetActiveChild(), p_first);
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Anls_Result_Copy_As_Compared);
    EXPECT_EQ(proj().M_Fn_Get_Mgr_D_Sect().M_Fn_Result_Compared_Get()->m_Prop[0].m_Area, 100.0f);
    // A copy, not the section's own result.
    EXPECT_NE(proj().M_Fn_Get_Mgr_D_Sect().M_Fn_Result_Compared_Get(), first.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result());
    EXPECT_TRUE(shown(p_first, "100.0", "100.0", "0.0")) << S_Fn_Cell(p_first, "Geom A", 2);
    EXPECT_TRUE(shown(p_second, "40.0", "100.0", "-60.0")) << S_Fn_Cell(p_second, "Geom A", 2);
}

// The clipboard gets every section of the project, one column each, from any section's window.
TEST_F(C_Sect_Window, CopyResultToClipboardPutsEverySectionsTableOnTheClipboard)
{
    C_Sect& first = M_Fn_Import();
    C_Sect& second = M_Fn_Import();
    C_Wnd_Frame_Child* p_second = M_Fn_Open(second);
    ASSERT_NE(p_second, nullptr);
    {
        wxClipboardLocker lock;
        ASSERT_TRUE(!!lock);
        wxTheClipboard->SetData(new wxTextDataObject("nothing yet"));
    }
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Anls_Result_Copy_To_Clipboard);
    wxTextDataObject text;
    {
        wxClipboardLocker lock;
        ASSERT_TRUE(!!lock);
        ASSERT_TRUE(wxTheClipboard->GetData(text));
    }
    const std::string got = text.GetText().utf8_string();
    const std::string first_line = "Name\t" + N_Common::N_String::G_Fn_To_Narrow_UTF8(first.M_Fn_Title_Get()) + "\t" +
                                   N_Common::N_String::G_Fn_To_Narrow_UTF8(second.M_Fn_Title_Get()) + "\t\n";
    EXPECT_EQ(got.substr(0, first_line.size()), first_line) << got.substr(0, 200);
    EXPECT_EQ(got.find('\r'), std::string::npos);
    EXPECT_NE(got.find("\nGeom A\t"), std::string::npos);
}

TEST_F(C_Sect_Window, LoadCaseAlreadyShownStillSignalsAndMarksEverySectionStale)
{
    C_Sect& first = M_Fn_Import();
    C_Sect& second = M_Fn_Import();
    C_Wnd_Frame_Child* p_first = M_Fn_Open(first);
    ASSERT_NE(p_first, nullptr);
    ASSERT_NE(M_Fn_Open(second), nullptr);
    M_Fn_Settle();
    ASSERT_FALSE(first.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    ASSERT_FALSE(second.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    ASSERT_EQ(config().m_Load_Case, 1);
    std::vector<int> codes;
    boost::signals2::scoped_connection connection = m_Shell.core().m_sp_Config->M_Fn_Signal().connect(
        [&](N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code) {
            codes.push_back(i_Code);
            // The option is stored before the signal and no section is refreshed yet.
            EXPECT_EQ(ro_Config.M_Fn_Data().m_Load_Case, 1);
            EXPECT_FALSE(first.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
        });

    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Anls_Str_Case_S_F_A_Z_N);
    connection.disconnect();
    EXPECT_EQ(codes, std::vector<int>{4});
    EXPECT_TRUE(first.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    EXPECT_TRUE(second.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    // The next paint of a section's views recalculates it: the window on screen at once, the other
    // once its tab is shown.
    EXPECT_TRUE(G_Fn_Wait_For([&] { return !second.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale(); }));
    EXPECT_TRUE(first.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    p_first->Activate();
    EXPECT_TRUE(G_Fn_Wait_For([&] { return !first.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale(); }));

    // Another case: stored, every section stale.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Anls_Str_Case_S_M_B_Y_N);
    EXPECT_EQ(config().m_Load_Case, 5);
    EXPECT_TRUE(first.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale() && second.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
}

// Whether the main frame's update event enables command i_Id.
bool G_Fn_Enabled(C_Shell& ro_Shell, int i_Id)
{
    wxUpdateUIEvent event(i_Id);
    event.SetEventObject(ro_Shell.frame());
    ro_Shell.frame()->ProcessWindowEvent(event);
    return event.GetSetEnabled() && event.GetEnabled();
}

TEST_F(C_Sect_Window, ProjectViewDirectionsAreDisabledInASectionWindowAndItsOwnCommandsEnabled)
{
    C_Sect& sect = M_Fn_Import();
    C_Wnd_Frame_Child* p_frame = M_Fn_Open(sect);
    ASSERT_NE(p_frame, nullptr);
    for (int id = N_Cmd::E_Id_View_YX; id <= N_Cmd::E_Id_View_ZY; ++id)
        EXPECT_FALSE(G_Fn_Enabled(m_Shell, id)) << id;
    for (int id : {2101, 2102, 2103, 2111, 2121, 2201, 2202, 2203, 2204, 2205, 2206, 2211, 2212, 2221, 2222, 2223, 2224,
                   2225, 2231, 2232, 2233, 2234, 2235, 2237, 3001, 3002, 3003, 3021, 3022, 3031, 3032, 3033, 3034, 3035,
                   3051, 3052, 3053, 3054, 3061, 3062, 3071, 3072, 3073, 3074, 3075, 3076, 3080, 3081, 3082, 3083, 3084,
                   3085, 3091, 3092, 3093, 3094, 3102, 3103, 3104, 3106, 3107, 3120, 3121, 3122, 3130, 3131, 3132, 3133,
                   3134, 3135, 3140, 3141, 3142, 3143, 3144, 3145, 3146, 3147, 3148, 3149, 3150, 3151, 3152, 3153, 3161,
                   3162, 3163, 3164, 3165, 3170, 3171, 3172, 3173, int(wxID_UNDO), int(wxID_REDO), int(wxID_CUT),
                   int(wxID_COPY), int(wxID_PASTE)})
        EXPECT_TRUE(G_Fn_Enabled(m_Shell, id)) << id;
    // Ids next to the document's own that no handler takes.
    for (int id : {2104, 2226, 2236, 3004, 3036, 3077, 3105, 3123, 3154, 3174})
        EXPECT_FALSE(G_Fn_Enabled(m_Shell, id)) << id;

    // Without a section window nothing of it is enabled.
    p_frame->Close();
    G_Fn_Settle();
    EXPECT_FALSE(G_Fn_Enabled(m_Shell, N_Cmd::E_Id_View_XY));
    EXPECT_FALSE(G_Fn_Enabled(m_Shell, N_Cmd::E_Id_Sect_Edit_D_Geom_C_Line));
}

TEST_F(C_Sect_Window, SwitchingWindowsEndsTheTaskBeforeTheDeactivationAndThenActivatesTheOther)
{
    C_Sect& first = M_Fn_Import();
    C_Sect& second = M_Fn_Import();
    C_Wnd_Frame_Child* p_first = M_Fn_Open(first);
    C_Wnd_Frame_Child* p_second = M_Fn_Open(second);
    ASSERT_TRUE(p_first && p_second);
    ASSERT_EQ(m_Shell.frame()->GetActiveChild(), p_second);
    using N_Biz::N_Sect::N_State::C_Machine_Top;
    const auto task = [](C_Sect& ro_Sect) {
        return ro_Sect.M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(C_Machine_Top::E_Region_Task);
    };
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Edit_D_Geom_C_Line);
    ASSERT_EQ(task(second), std::uint32_t(C_Machine_Top::E_Id_Task_D_Geom_Create_Line));

    // (section, code, task state of the second section when the code came)
    struct C_Seen {
        int m_Sect;
        int m_Code;
        std::uint32_t m_Task;
    };
    std::vector<C_Seen> seen;
    const auto watch = [&](C_Sect& ro_Sect, int i_Index) {
        return boost::signals2::scoped_connection(
            ro_Sect.M_Fn_Get_Signal().connect([&, i_Index](C_Sect&, N_Biz::N_Sect::E_Signal i_Code) {
                if (i_Code == N_Biz::N_Sect::E_Signal_Frame_Activate || i_Code == N_Biz::N_Sect::E_Signal_Frame_Deactivate)
                    seen.push_back({i_Index, int(i_Code), task(second)});
            }));
    };
    auto c1 = watch(first, 1);
    auto c2 = watch(second, 2);
    p_first->Activate();
    G_Fn_Settle();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].m_Sect, 2);
    EXPECT_EQ(seen[0].m_Code, 8);
    EXPECT_EQ(seen[0].m_Task, std::uint32_t(C_Machine_Top::E_Id_Task_Idle)) << "the task ended before code 8";
    EXPECT_EQ(seen[1].m_Sect, 1);
    EXPECT_EQ(seen[1].m_Code, 7);
    EXPECT_EQ(m_Shell.frame()->GetActiveChild(), p_first);
    // Commands now reach the first section.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Sect_Edit_D_Geom_C_Arc);
    EXPECT_EQ(task(first), std::uint32_t(C_Machine_Top::E_Id_Task_D_Geom_Create_Arc));
    EXPECT_EQ(task(second), std::uint32_t(C_Machine_Top::E_Id_Task_Idle));
}

TEST_F(C_Sect_Window, CommandThatThrowsIsReportedAndTheWindowGoesOn)
{
    C_Sect& sect = M_Fn_Import();
    ASSERT_NE(M_Fn_Open(sect), nullptr);
    // A pick mode that no generic command knows: Create throws in the section.
    sect.M_Fn_Get_Mgr_Sel().M_Fn_Reset(true, true, true, true, false, 3, L"Specify positions.");
    G_Fn_No_Dialog([&] { m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Create); });
    std::string report;
    for (const std::string& line : m_Shell.log_lines())
        report += line + "\n";
    ASSERT_NE(report.find("Exception caught at:"), std::string::npos) << report;
    EXPECT_NE(report.find("N_UI::N_MDI::N_Sect::C_Doc::M_Fn_On_Cmd_Edit_Create"), std::string::npos) << report;
    EXPECT_NE(report.find("UI_MDI_Sect_Doc"), std::string::npos) << report;
    EXPECT_NE(report.find("N_Biz::N_Sect::C_Sect::M_Fn_Doc_On_Cmd_Sect_Edit_C_Create"), std::string::npos) << report;
    // The window still takes commands.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Sel_Geometry);
    EXPECT_EQ(sect.M_Fn_Get_Mgr_Sel().M_Fn_Mode_Get(), 7u);
}

TEST_F(C_Sect_Window, ClosingTheFrameAsksNothingAndOpeningAgainReusesTheDocument)
{
    C_Sect& sect = M_Fn_Import();
    C_Wnd_Frame_Child* p_frame = M_Fn_Open(sect);
    ASSERT_NE(p_frame, nullptr);
    N_Biz::N_Sect::C_Doc* p_doc = sect.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc();
    const std::uint32_t entities = sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count();
    const std::size_t history = proj().M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().size();
    G_Fn_No_Dialog([&] { EXPECT_TRUE(p_frame->Close()); });
    G_Fn_Settle();
    const N_Biz::N_Sect::C_Mgr_Frame& mgr = sect.M_Fn_Get_Mgr_Frame();
    EXPECT_EQ(mgr.m_p_View_Main, nullptr);
    EXPECT_EQ(mgr.m_p_View_Graph, nullptr);
    EXPECT_EQ(mgr.m_p_View_Sheet, nullptr);
    EXPECT_EQ(sect.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc(), p_doc);
    EXPECT_EQ(sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), entities);
    EXPECT_EQ(proj().M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().size(), history);
    EXPECT_EQ(m_Shell.frame()->GetActiveChild(), nullptr);

    C_Wnd_Frame_Child* p_again = M_Fn_Open(sect);
    ASSERT_NE(p_again, nullptr);
    EXPECT_EQ(sect.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc(), p_doc);
    EXPECT_EQ(p_again->GetTitle(), wxString(sect.M_Fn_Title_Get()));
    // Opening a section whose window is open makes no second one.
    sect.M_Fn_Get_Mgr_Frame().M_Fn_Frame_Open();
    EXPECT_EQ(dynamic_cast<N_UI::N_MDI::N_Sect::C_Doc*>(p_doc)->M_Fn_Get_Frames().size(), 1u);
}

TEST_F(C_Sect_Window, UndoOfTheSectionsOwnImportFromItsWindowClosesTheWindow)
{
    C_Sect& sect = M_Fn_Import();
    ASSERT_NE(M_Fn_Open(sect), nullptr);
    // Ctrl+Z in the section's own window takes the section out of the project: its window closes
    // while the command runs in it.
    m_Shell.M_Fn_Command(N_Cmd::E_Id_Edit_Undo);
    G_Fn_Settle();
    EXPECT_EQ(m_Shell.frame()->GetActiveChild(), nullptr);
    EXPECT_EQ(m_Shell.frame()->GetClientWindow()->GetPageCount(), 0u);
    const auto& groups = proj().M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups();
    EXPECT_EQ(groups.size() - groups.free_count() - 1, 0u);
    const auto lines = m_Shell.log_lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Msg: Undo: Import section"), lines.end());
}

TEST_F(C_Sect_Window, EngineerDrawsALineUndoesItReadsTheAreaAndStepsTheLoadCase)
{
    C_Sect& sect = M_Fn_Import();
    C_Wnd_Frame_Child* p_frame = M_Fn_Open(sect);
    ASSERT_NE(p_frame, nullptr);
    G_Fn_Run_For(std::chrono::milliseconds(300));
    const wxRect graph(p_frame->M_Fn_Get_View_Graph()->GetScreenRect().GetPosition() - p_frame->GetScreenPosition(),
                       p_frame->M_Fn_Get_View_Graph()->GetSize());
    const wxImage before = G_Fn_Shot(p_frame, "sect_window_before.png");
    // The default load case is the axial compression: its curve is drawn.
    ASSERT_EQ(config().m_Load_Case, 1);
    EXPECT_GT(G_Fn_Count_Green(before, graph), 50);

    wxUIActionSimulator sim;
    auto* p_main = p_frame->M_Fn_Get_View_Main();
    const wxRect main = p_main->GetScreenRect();
    const auto move = [&](wxPoint i_At) {
        EXPECT_TRUE(G_Fn_Mouse_Move(sim, i_At));
    };
    const auto click = [&](wxPoint i_At) {
        move(i_At);
        sim.MouseClick();
        G_Fn_Settle();
    };
    using N_Biz::N_Sect::N_State::C_Machine_Top;
    const auto task = [&] {
        return sect.M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(C_Machine_Top::E_Region_Task);
    };
    const std::uint32_t entities = sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count();

    // Into the main view, C (Create: a line, the creation last chosen), then two clicks.
    move(main.GetPosition() + wxPoint(main.width / 5, main.height / 5));
    sim.Char('c');
    ASSERT_TRUE(G_Fn_Wait_For([&] { return task() == std::uint32_t(C_Machine_Top::E_Id_Task_D_Geom_Create_Line); }));
    click(main.GetPosition() + wxPoint(main.width / 5, main.height / 5));
    click(main.GetPosition() + wxPoint(main.width / 5, main.height * 4 / 5));
    ASSERT_TRUE(G_Fn_Wait_For([&] { return G_Fn_Logged(m_Shell, "Msg: Done: Create section line"); }));
    EXPECT_EQ(sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), entities + 1);
    EXPECT_EQ(task(), std::uint32_t(C_Machine_Top::E_Id_Task_Idle));

    // Ctrl+Z takes it back.
    sim.Char('z', wxMOD_CONTROL);
    ASSERT_TRUE(G_Fn_Wait_For([&] { return G_Fn_Logged(m_Shell, "Msg: Undo: Create section line"); }));
    EXPECT_EQ(sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), entities);

    // The sheet's geometric area: the tubes' walls have an area.
    ASSERT_TRUE(G_Fn_Wait_For([&] { return !p_frame->M_Fn_Get_View_Sheet()->M_Fn_Refresh_Pending(); }));
    double area = 0.0;
    ASSERT_TRUE(wxString(S_Fn_Cell(p_frame, "Geom A", 1)).ToCDouble(&area)) << S_Fn_Cell(p_frame, "Geom A", 1);
    EXPECT_GT(area, 0.0);

    // A left click anywhere in the graph: the previous load case (axial tension), which draws no
    // curve.
    const wxRect graph_screen = p_frame->M_Fn_Get_View_Graph()->GetScreenRect();
    click(graph_screen.GetPosition() + wxPoint(graph_screen.width / 3, graph_screen.height / 2));
    ASSERT_TRUE(G_Fn_Wait_For([&] { return config().m_Load_Case == 0; }));
    G_Fn_Run_For(std::chrono::milliseconds(300));
    const wxImage after = G_Fn_Shot(p_frame, "sect_window_after.png");
    EXPECT_EQ(G_Fn_Count_Green(after, graph), 0);
}

TEST_F(C_Sect_Window, WheelTurnsGoToTheViewInWholeNotches)
{
    C_Sect& sect = M_Fn_Import();
    C_Wnd_Frame_Child* p_frame = M_Fn_Open(sect);
    ASSERT_NE(p_frame, nullptr);
    N_Biz::N_Sect::C_Mgr_Frame& mgr = sect.M_Fn_Get_Mgr_Frame();
    const float zoom = mgr.m_Zoom;
    // A smooth wheel in thirds of a notch with Ctrl held: the view zooms at the third only.
    const auto turn = [&](int i_Rotation) {
        wxMouseEvent event(wxEVT_MOUSEWHEEL);
        event.m_wheelRotation = i_Rotation;
        event.m_wheelDelta = 120;
        event.m_controlDown = true;
        event.SetEventObject(p_frame->M_Fn_Get_View_Main());
        p_frame->M_Fn_Get_View_Main()->GetEventHandler()->ProcessEvent(event);
    };
    turn(40);
    turn(40);
    EXPECT_EQ(mgr.m_Zoom, zoom);
    turn(40);
    EXPECT_NE(mgr.m_Zoom, zoom);
}

TEST(C_Wnd_View_Main, RecordsOfMouseAndKeys)
{
    using namespace N_Biz::N_Input;
    using N_UI::N_MDI::N_Sect::C_Wnd_View_Main;
    wxMouseEvent event(wxEVT_LEFT_DOWN);
    event.m_x = 30;
    event.m_y = 10;
    event.m_leftDown = true;
    event.m_shiftDown = true;
    event.m_altDown = true;
    auto sp = C_Wnd_View_Main::S_Fn_Input_Mouse(E_Kind_Left_Down, event, 100);
    EXPECT_EQ(sp->m_Kind, E_Kind_Left_Down);
    EXPECT_EQ(sp->m_X, 30);
    EXPECT_EQ(sp->m_Y, 90); // counted from the bottom of a view 100 pixels high
    EXPECT_EQ(sp->m_Flags, std::uint32_t(E_Flag_Left | E_Flag_Shift | E_Flag_Alt));
    // Two pixels a window unit: the position in pixels, as the view's size is.
    sp = C_Wnd_View_Main::S_Fn_Input_Mouse(E_Kind_Left_Down, event, 200, 2.0);
    EXPECT_EQ(sp->m_X, 60);
    EXPECT_EQ(sp->m_Y, 180);

    wxMouseEvent other(wxEVT_MOTION);
    other.m_middleDown = other.m_rightDown = other.m_controlDown = true;
    sp = C_Wnd_View_Main::S_Fn_Input_Mouse(E_Kind_Move, other, 100);
    EXPECT_EQ(sp->m_Flags, std::uint32_t(E_Flag_Middle | E_Flag_Right | E_Flag_Ctrl));
    EXPECT_EQ(C_Wnd_View_Main::S_Fn_Input_Mouse(E_Kind_Leave, other, 100)->m_Flags, 0u);

    struct C_Key_Case {
        int m_Wx;
        std::int32_t m_Kind;
        std::int32_t m_Code;
    } const keys[] = {
        {WXK_ESCAPE, E_Key_Esc, 0},   {WXK_RETURN, E_Key_Enter, 0},    {WXK_NUMPAD_ENTER, E_Key_Enter, 0},
        {WXK_SHIFT, E_Key_Shift, 0},  {WXK_CONTROL, E_Key_Ctrl, 0},    {WXK_ALT, E_Key_Alt, 0},
        {'A', E_Key_Other, 65},       {'7', E_Key_Other, 55},          {WXK_DELETE, E_Key_Other, 46},
        {WXK_LEFT, E_Key_Other, 37},  {WXK_F1, E_Key_Other, 112},      {WXK_F12, E_Key_Other, 123},
        {WXK_HOME, E_Key_Other, 0},
    };
    for (const C_Key_Case& k : keys) {
        sp = C_Wnd_View_Main::S_Fn_Input_Key(E_Kind_Key_Up, k.m_Wx);
        EXPECT_EQ(sp->m_Kind, E_Kind_Key_Up);
        EXPECT_EQ(sp->m_Key_Kind, k.m_Kind) << k.m_Wx;
        EXPECT_EQ(sp->m_Key_Code, k.m_Code) << k.m_Wx;
        EXPECT_EQ(sp->m_Key_Count, 1);
    }
}

// A window of a section as its view manager reaches it: counts invalidations and row rebuilds.
struct C_View_Count : N_Biz::N_Sect::C_Mgr_Frame::C_View {
    void M_Fn_Invalidate() override { ++m_Count; }
    void M_Fn_Refill() override { ++m_Refills; }
    int m_Count = 0;
    int m_Refills = 0;
};

TEST_F(C_Sect_Window, OptionCommandsStoreSignalAndRefreshEverySectionAsTheirTableSays)
{
    using N_Biz::N_Config::C_Config_Data;
    // Two sections with their documents, no frames: stand-ins take the views' place.
    C_Sect* sects[2] = {&M_Fn_Import(), &M_Fn_Import()};
    C_View_Count views[2][3];
    for (int i = 0; i < 2; ++i) {
        N_Biz::N_Sect::C_Mgr_Frame& mgr = sects[i]->M_Fn_Get_Mgr_Frame();
        mgr.m_p_View_Main = &views[i][0];
        mgr.m_p_View_Graph = &views[i][1];
        mgr.m_p_View_Sheet = &views[i][2];
    }
    auto* p_doc = dynamic_cast<N_UI::N_MDI::N_Sect::C_Doc*>(sects[0]->M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc());
    ASSERT_NE(p_doc, nullptr);
    std::vector<int> codes;
    boost::signals2::scoped_connection connection = m_Shell.core().m_sp_Config->M_Fn_Signal().connect(
        [&](N_Biz::N_Config::C_Config&, N_Biz::N_Config::E_Signal i_Code) { codes.push_back(i_Code); });

    constexpr int K_Toggle = -1, K_None = -2;
    struct C_Case {
        int m_Id;
        std::int32_t C_Config_Data::*m_Word; // null: no option changes
        int m_Value;                         // the value set, or K_Toggle
        int m_Code;                          // the signal, or K_None
        const char* m_Refresh;               // "stale", "M", "G", "S", "R" (rebuild) as present
    } const cases[] = {
        {2121, &C_Config_Data::m_Show_Grid, K_Toggle, 3, "M"},
        {3031, &C_Config_Data::m_Show_Grid, K_Toggle, 3, "M"},
        {3032, nullptr, 0, K_None, "M"}, // the grid is shown
        {3021, &C_Config_Data::m_Color_By, 0, 2, "M"},
        {3022, &C_Config_Data::m_Color_By, 1, 2, "M"},
        {3022, &C_Config_Data::m_Color_By, 1, 2, "M"}, // already set: still signalled and refreshed
        {3033, &C_Config_Data::m_Show_Nodes, K_Toggle, 3, "M"},
        {3034, &C_Config_Data::m_Show_Coord, K_Toggle, 2, "M"},
        {3035, &C_Config_Data::m_Print_Mode, K_Toggle, 2, "M G"},
        {3062, &C_Config_Data::m_Stress_Bound, 1, 4, "G S R"},
        {3061, &C_Config_Data::m_Stress_Bound, 0, 4, "G S R"},
        {3071, &C_Config_Data::m_Load_Case, 0, 4, "stale M G S"},
        {3072, &C_Config_Data::m_Load_Case, 1, 4, "stale M G S"},
        {3073, &C_Config_Data::m_Load_Case, 2, 4, "stale M G S"},
        {3074, &C_Config_Data::m_Load_Case, 3, 4, "stale M G S"},
        {3075, &C_Config_Data::m_Load_Case, 4, 4, "stale M G S"},
        {3076, &C_Config_Data::m_Load_Case, 5, 4, "stale M G S"},
        {3080, &C_Config_Data::m_Sheet_Scientific, K_Toggle, 4, "S"},
        {3081, &C_Config_Data::m_Sheet_Max, K_Toggle, 4, "S R"},
        {3082, &C_Config_Data::m_Sheet_Critical, K_Toggle, 4, "S R"},
        {3083, &C_Config_Data::m_Sheet_Corner, K_Toggle, 4, "S R"},
        {3084, &C_Config_Data::m_Sheet_Average, K_Toggle, 4, "S R"},
        {3085, &C_Config_Data::m_Sheet_Min, K_Toggle, 4, "S R"},
        {3091, &C_Config_Data::m_Show_Weakest, K_Toggle, 4, "M"},
        {3092, &C_Config_Data::m_Show_Inertia_360, K_Toggle, 4, "stale M G S"},
        {3093, &C_Config_Data::m_Show_Principal, K_Toggle, 4, "M"},
        {3094, &C_Config_Data::m_Show_Shear_Center, K_Toggle, 4, "M"},
        {3162, nullptr, 0, K_None, "stale M G S"},
        {3163, nullptr, 0, K_None, "stale M G S"},
        {3053, nullptr, 0, K_None, "S"},
        {3031, &C_Config_Data::m_Show_Grid, K_Toggle, 3, "M"}, // hides the grid
        {3032, nullptr, 0, K_None, ""},                        // the grid is hidden: nothing
    };
    for (const C_Case& c : cases) {
        SCOPED_TRACE(c.m_Id);
        const int before = c.m_Word ? config().*c.m_Word : 0;
        for (C_Sect* p_sect : sects)
            p_sect->M_Fn_Get_Mgr_Calc().M_Fn_Stale_Clear();
        for (auto& row : views)
            for (C_View_Count& view : row)
                view = C_View_Count();
        codes.clear();

        wxCommandEvent event(wxEVT_MENU, c.m_Id);
        EXPECT_TRUE(p_doc->ProcessEventLocally(event));

        if (c.m_Word) {
            EXPECT_EQ(config().*c.m_Word, c.m_Value == K_Toggle ? (before == 0 ? 1 : 0) : c.m_Value);
        }
        EXPECT_EQ(codes, c.m_Code == K_None ? std::vector<int>{} : std::vector<int>{c.m_Code});
        const std::string refresh = std::string(" ") + c.m_Refresh + " ";
        const auto has = [&](const char* i_Part) { return refresh.find(std::string(" ") + i_Part + " ") != std::string::npos; };
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(sects[i]->M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale(), has("stale")) << i;
            EXPECT_EQ(views[i][0].m_Count, has("M") ? 1 : 0) << i;
            EXPECT_EQ(views[i][1].m_Count, has("G") ? 1 : 0) << i;
            EXPECT_EQ(views[i][2].m_Count, has("S") ? 1 : 0) << i;
            EXPECT_EQ(views[i][2].m_Refills, has("R") ? 1 : 0) << i;
        }
    }
    for (C_Sect* p_sect : sects) {
        N_Biz::N_Sect::C_Mgr_Frame& mgr = p_sect->M_Fn_Get_Mgr_Frame();
        mgr.m_p_View_Main = mgr.m_p_View_Graph = mgr.m_p_View_Sheet = nullptr;
    }
}

TEST_F(C_Sect_Window, TaskAndModeCommandsReachTheSectionsMachine)
{
    C_Sect& sect = M_Fn_Import();
    auto* p_doc = dynamic_cast<N_UI::N_MDI::N_Sect::C_Doc*>(sect.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc());
    ASSERT_NE(p_doc, nullptr);
    using N_Biz::N_Sect::N_State::C_Machine_Top;
    const auto task = [&] {
        return sect.M_Fn_Get_Mgr_State().M_Fn_Get_Machine()->M_Fn_Get_Id_Sub(C_Machine_Top::E_Region_Task);
    };
    const auto command = [&](int i_Id) {
        wxCommandEvent event(wxEVT_MENU, i_Id);
        EXPECT_TRUE(p_doc->ProcessEventLocally(event)) << i_Id;
    };
    // Nothing selected: each task starts and waits for picks; Esc ends it. The creation commands
    // also make their kind the one that Create (C) starts.
    struct C_Task {
        int m_Id;
        C_Machine_Top::E_Id m_Task;
        std::uint32_t m_Create_Kind; // 0: not a creation
    } const tasks[] = {
        {3122, C_Machine_Top::E_Id_Task_D_DB_C_M_Modify, 0},
        {3132, C_Machine_Top::E_Id_Task_D_DB_C_P_Modify, 0},
        {3133, C_Machine_Top::E_Id_Task_D_DB_C_P_Reconnect_C_M, 0},
        {3134, C_Machine_Top::E_Id_Task_D_DB_C_P_Reconnect_C_S, 0},
        {3135, C_Machine_Top::E_Id_Task_D_DB_C_P_Palette_Sel, 0},
        {3140, C_Machine_Top::E_Id_Task_D_Geom_Create_Point, 1},
        {3141, C_Machine_Top::E_Id_Task_D_Geom_Create_Line, 2},
        {3142, C_Machine_Top::E_Id_Task_D_Geom_Create_Arc, 3},
        {3143, C_Machine_Top::E_Id_Task_D_Geom_Create_Conics, 4},
        {3144, C_Machine_Top::E_Id_Task_D_Geom_Create_Spline, 5},
        {3145, C_Machine_Top::E_Id_Task_D_Geom_Create_Weld, 6},
        {3146, C_Machine_Top::E_Id_Task_D_Geom_Delete, 0},
        {3147, C_Machine_Top::E_Id_Task_D_Geom_Modify, 0},
        {3148, C_Machine_Top::E_Id_Task_D_Geom_Move_P_0, 0},
        {3152, C_Machine_Top::E_Id_Task_D_Geom_E_Reconnect_C_P, 0},
        {3153, C_Machine_Top::E_Id_Task_D_Geom_E_P_Palette_Sel, 0},
        {3161, C_Machine_Top::E_Id_Task_D_Tess_E_P_Palette_Sel, 0},
    };
    for (const C_Task& t : tasks) {
        command(t.m_Id);
        EXPECT_EQ(task(), std::uint32_t(t.m_Task)) << t.m_Id;
        if (t.m_Create_Kind) {
            EXPECT_EQ(sect.M_Fn_Get_Mgr_D_Geom_E().m_Create_Kind, t.m_Create_Kind) << t.m_Id;
            // Another task first, then C starts the creation again.
            command(N_Cmd::E_Id_Sect_Edit_D_Geom_Delete);
            command(N_Cmd::E_Id_Edit_Create);
            EXPECT_EQ(task(), std::uint32_t(t.m_Task)) << t.m_Id;
        }
        command(N_Cmd::E_Id_Edit_Cancel);
        EXPECT_EQ(task(), std::uint32_t(C_Machine_Top::E_Id_Task_Idle)) << t.m_Id;
    }
    // Enter and Esc with no task change nothing.
    const std::size_t history = proj().M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().size();
    command(N_Cmd::E_Id_Edit_Apply);
    command(N_Cmd::E_Id_Edit_Cancel);
    EXPECT_EQ(task(), std::uint32_t(C_Machine_Top::E_Id_Task_Idle));
    EXPECT_EQ(proj().M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().size(), history);

    // Select & edit modes, from the menu and from the tools pane.
    const std::pair<int, std::uint32_t> modes[] = {{2231, 1}, {2232, 2}, {2233, 7}, {2235, 12}, {2237, 13},
                                                   {3102, 1}, {3103, 2}, {3104, 7}, {3106, 12}, {3107, 13}};
    for (const auto& [id, mode] : modes) {
        command(N_Cmd::E_Id_Sect_Edit_D_Geom_C_Line);
        command(id);
        EXPECT_EQ(sect.M_Fn_Get_Mgr_Sel().M_Fn_Mode_Get(), mode) << id;
        EXPECT_EQ(task(), std::uint32_t(C_Machine_Top::E_Id_Task_Idle)) << id;
    }
}

TEST_F(C_Sect_Window, ClosingTheProjectClosesEverySectionWindowWithItsDocument)
{
    C_Sect& first = M_Fn_Import();
    C_Sect& second = M_Fn_Import();
    ASSERT_NE(M_Fn_Open(first), nullptr);
    ASSERT_NE(M_Fn_Open(second), nullptr);
    ASSERT_EQ(m_Shell.frame()->GetClientWindow()->GetPageCount(), 2u);
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_Close); // the save question is answered No
    G_Fn_Settle();
    EXPECT_EQ(m_Shell.core().m_sp_Proj, nullptr);
    EXPECT_EQ(m_Shell.frame()->GetClientWindow()->GetPageCount(), 0u);
    EXPECT_EQ(m_Shell.frame()->GetActiveChild(), nullptr);
    // The main frame's own menu bar is back.
    EXPECT_EQ(m_Shell.frame()->GetMenuBar()->FindMenu("Analysis"), wxNOT_FOUND);
}

// The menu bar of each window: File, its own menus, View and Help. Both Edit menus open with the
// same edit commands, then each window's select & edit modes and its own commands.
TEST_F(C_Sect_Window, EachWindowsMenusStandBetweenFileAndViewAndEditOpensWithTheCommonCommands)
{
    C_Wnd_Frame_Child* p_sect = M_Fn_Open(M_Fn_Import());
    ASSERT_NE(p_sect, nullptr);
    m_Shell.M_Fn_Command(N_Cmd::E_Id_File_Proj_View_Open);
    N_UI::N_MDI::N_Proj::C_Doc* p_doc = m_Shell.frame()->M_Fn_Get_Doc_Proj();
    ASSERT_TRUE(G_Fn_Wait_For([&] { return p_doc->M_Fn_Get_Frame() != nullptr; }));
    wxMenuBar* p_bar_proj = p_doc->M_Fn_Get_Frame()->GetMenuBar();
    wxMenuBar* p_bar_sect = p_sect->GetMenuBar();

    const auto titles = [](const wxMenuBar& ro_Bar) {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < ro_Bar.GetMenuCount(); ++i)
            out.push_back(ro_Bar.GetMenuLabelText(i).utf8_string());
        return out;
    };
    EXPECT_EQ(titles(*p_bar_proj), (std::vector<std::string>{"File", "Edit", "Display", "View", "Help"}));
    EXPECT_EQ(titles(*p_bar_sect), (std::vector<std::string>{"File", "Edit", "Display", "Analysis", "View", "Help"}));

    // The entries' texts, "-" for a separator and "> " before a sub-menu.
    const auto entries = [](const wxMenu& ro_Menu) {
        std::vector<std::string> out;
        for (const wxMenuItem* p_item : ro_Menu.GetMenuItems())
            out.push_back(p_item->IsSeparator() ? "-"
                                                : (p_item->IsSubMenu() ? "> " : "") + p_item->GetItemLabelText().utf8_string());
        return out;
    };
    const std::vector<std::string> common = {
        "Undo", "Redo", "-", "Cut", "Copy", "Paste", "-", "Create", "Delete", "Modify", "Move", "-",
        "Pick Property By Selected", "Pick Property From List", "-", "Hide Selected", "Hide Unselected",
        "Reverse Hide/Unhide", "Unhide All Objects", "Unhide All Type Of Objects", "-", "> Select & Edit Mode"};
    std::vector<std::string> proj = common, sect = common;
    proj.insert(proj.end(), {"> Material", "> Property", "> Node", "> Element", "> Model", "> Section"});
    sect.insert(sect.end(), {"> Material", "> Property", "> Geometry", "> Element", "> Section"});
    EXPECT_EQ(entries(*p_bar_proj->GetMenu(1)), proj);
    EXPECT_EQ(entries(*p_bar_sect->GetMenu(1)), sect);
    // The common entries are the commands themselves, under their wx ids.
    for (wxMenuBar* p_bar : {p_bar_proj, p_bar_sect}) {
        const wxMenuItemList& items = p_bar->GetMenu(1)->GetMenuItems();
        EXPECT_EQ(N_Cmd::G_Fn_Id_Cmd(items[0]->GetId()), N_Cmd::E_Id_Edit_Undo);
        EXPECT_EQ(N_Cmd::G_Fn_Id_Cmd(items[19]->GetId()), N_Cmd::E_Id_Edit_Hide_Cancel_Type);
    }
    const wxMenu* p_modes = p_bar_sect->GetMenu(1)->FindItemByPosition(21)->GetSubMenu();
    EXPECT_EQ(entries(*p_modes), (std::vector<std::string>{"Select Material", "Select Property", "Select Geometry",
                                                           "Select Node", "Select Element"}));
}

} // namespace
