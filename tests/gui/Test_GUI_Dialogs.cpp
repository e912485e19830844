// The progress dialog over the progress record, the About box and the text-entry dialog, shown for
// real and driven while they run modally.
#include "tests/gui/Test_GUI_Support.h"

#include "app/UI_Progress_Status.h"
#include "common/Common_Exception.h"
#include "ui/UI_About_Dlg.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Enter_Dlg_Enter_Text.h"
#include "ui/UI_Progress_Dlg.h"

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/gauge.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/uiaction.h>

#include <atomic>
#include <cmath>
#include <thread>

using namespace N_Test_GUI;
namespace N_Progress = N_UI::N_Progress;
using N_Enter_Dlg = N_UI::N_Enter::C_Dlg_Enter_Text;

namespace {

// Sets the record under its lock.
void G_Fn_Status_Set(N_Progress::C_Status& ro_Status, unsigned i_Running, unsigned i_Bar, float i_Current,
                     float i_Total, unsigned i_Detail = 0, const wchar_t* i_Text = L"Reading",
                     const wchar_t* i_Detail_Text = L"")
{
    std::lock_guard<std::mutex> lock(ro_Status.m_Lock);
    ro_Status.m_Running = i_Running;
    ro_Status.m_Bar_Shown = i_Bar;
    ro_Status.m_Current = i_Current;
    ro_Status.m_Total = i_Total;
    ro_Status.m_Detail_Shown = i_Detail;
    ro_Status.m_Text = i_Text;
    ro_Status.m_Detail = i_Detail_Text;
}

template <class T> T* G_Fn_Child(wxDialog& ro_Dialog, int i_Id)
{
    return dynamic_cast<T*>(ro_Dialog.FindWindow(i_Id));
}

// Clicks the button i_Id of a dialog with the mouse, as the user does.
void G_Fn_Click(wxDialog& ro_Dialog, int i_Id)
{
    wxWindow* p_button = ro_Dialog.FindWindow(i_Id);
    ASSERT_NE(p_button, nullptr);
    wxUIActionSimulator sim;
    ASSERT_TRUE(G_Fn_Mouse_Move(sim, p_button->GetScreenRect().GetPosition() +
                                         wxPoint(p_button->GetSize().x / 2, p_button->GetSize().y / 2)));
    sim.MouseClick();
}

} // namespace

TEST(C_Dlg_Progress, BarFollowsTheRecordAndTheDialogEndsAtTheFirstTickAfterRunningClears)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    auto& status = shell.core().M_Fn_UI_Progress_Get_ro_Status();
    struct C_Case {
        float m_Current, m_Total;
        int m_Position;
    } const cases[] = {{0.5f, 2.0f, 250},  {3.0f, 2.0f, 1000}, {-1.0f, 2.0f, 0},
                       {1.0f, 0.0f, 1000}, {0.0f, 0.0f, 0},    {std::nanf(""), 1.0f, 0}};
    for (const C_Case& c : cases) {
        G_Fn_Status_Set(status, 1, 1, c.m_Current, c.m_Total);
        const int result = G_Fn_With_Modal(
            [&] { return shell.core().M_Fn_UI_Progress_Begin(); },
            [&](wxDialog& ro_Dlg) {
                EXPECT_EQ(ro_Dlg.GetTitle(), "Progress");
                auto* bar = G_Fn_Child<wxGauge>(ro_Dlg, N_Progress::C_Dlg::E_Id_Bar);
                ASSERT_NE(bar, nullptr);
                EXPECT_EQ(bar->GetRange(), 1000);
                EXPECT_TRUE(G_Fn_Wait_For([&] { return bar->IsShown() && bar->GetValue() == c.m_Position; }))
                    << c.m_Current << "/" << c.m_Total << " gave " << bar->GetValue();
                G_Fn_Status_Set(status, 0, 1, c.m_Current, c.m_Total);
            });
        EXPECT_EQ(result, 1);
    }
}

TEST(C_Dlg_Progress, TextsAndHiddenPartsFollowTheRecordAndEscapeDoesNotEndIt)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    auto& status = shell.core().M_Fn_UI_Progress_Get_ro_Status();
    G_Fn_Status_Set(status, 1, 0, 5.0f, 10.0f, 1, L"Reading nodes", L"Line: 1200");
    const int result = G_Fn_With_Modal(
        [&] { return shell.core().M_Fn_UI_Progress_Begin(); },
        [&](wxDialog& ro_Dlg) {
            auto* text = G_Fn_Child<wxStaticText>(ro_Dlg, N_Progress::C_Dlg::E_Id_Text);
            auto* detail = G_Fn_Child<wxStaticText>(ro_Dlg, N_Progress::C_Dlg::E_Id_Detail);
            auto* bar = G_Fn_Child<wxGauge>(ro_Dlg, N_Progress::C_Dlg::E_Id_Bar);
            ASSERT_TRUE(text && detail && bar);
            EXPECT_TRUE(G_Fn_Wait_For([&] { return text->GetLabelText() == "Reading nodes" && detail->IsShown(); }));
            EXPECT_EQ(detail->GetLabelText(), "Line: 1200");
            // The bar stays hidden whatever the counters say.
            EXPECT_FALSE(bar->IsShown());
            // Detail switched off: gone at the next tick.
            G_Fn_Status_Set(status, 1, 0, 5.0f, 10.0f, 0, L"Reading nodes");
            EXPECT_TRUE(G_Fn_Wait_For([&] { return !detail->IsShown(); }));

            // Escape, as the user presses it, and the window manager's close: the dialog stays.
            ro_Dlg.Raise();
            wxUIActionSimulator sim;
            EXPECT_TRUE(G_Fn_Mouse_Move(sim, ro_Dlg.GetScreenRect().GetPosition() + wxPoint(20, 20)));
            sim.Char(WXK_ESCAPE);
            wxKeyEvent key(wxEVT_CHAR_HOOK);
            key.m_keyCode = WXK_ESCAPE;
            ro_Dlg.GetEventHandler()->ProcessEvent(key);
            ro_Dlg.Close();
            G_Fn_Run_For(std::chrono::milliseconds(100));
            EXPECT_TRUE(ro_Dlg.IsModal());
            EXPECT_TRUE(ro_Dlg.IsShown());
            G_Fn_Status_Set(status, 0, 0, 0.0f, 1.0f);
        });
    EXPECT_EQ(result, 1);
}

TEST(C_Dlg_Progress, WorkerThatEndsBeforeTheFirstTickOrLaterClosesIt)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    auto& status = shell.core().M_Fn_UI_Progress_Get_ro_Status();
    G_Fn_Status_Set(status, 0, 1, 0.0f, 1.0f);
    EXPECT_EQ(shell.core().M_Fn_UI_Progress_Begin(), 1);

    // A worker that counts up under the lock and clears running as its last act.
    G_Fn_Status_Set(status, 1, 1, 0.0f, 100.0f);
    std::atomic<bool> stop{false};
    std::thread worker([&] {
        for (int i = 0; i <= 100 && !stop; ++i) {
            {
                std::lock_guard<std::mutex> lock(status.m_Lock);
                status.m_Current = static_cast<float>(i);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        std::lock_guard<std::mutex> lock(status.m_Lock);
        status.m_Running = 0;
    });
    EXPECT_EQ(shell.core().M_Fn_UI_Progress_Begin(), 1);
    stop = true;
    worker.join();

    // Without a main frame there is no dialog to run.
    shell.M_Fn_Close_Frame();
    EXPECT_THROW(shell.core().M_Fn_UI_Progress_Begin(), N_Common::N_Exception::C_Exception);
}

TEST(C_Dlg_About, ShowsExactlyTheProductNameAndVersion)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    G_Fn_With_Modal(
        [&] {
            shell.M_Fn_Command(N_UI::N_Cmd::E_Id_App_About);
            return 0;
        },
        [&](wxDialog& ro_Dlg) {
            EXPECT_EQ(ro_Dlg.GetTitle(), "About");
            auto* product = G_Fn_Child<wxStaticText>(ro_Dlg, N_UI::N_About::C_Dlg::E_Id_Product);
            auto* version = G_Fn_Child<wxStaticText>(ro_Dlg, N_UI::N_About::C_Dlg::E_Id_Version);
            ASSERT_TRUE(product && version);
            EXPECT_EQ(product->GetLabelText(), "Veltrane");
            EXPECT_EQ(version->GetLabelText(), "1.2.0037");
            G_Fn_Click(ro_Dlg, wxID_OK);
        });
}

TEST(C_Dlg_Enter_Text, ReturnsTheInitialTextWhenConfirmedUnchanged)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    std::wstring text = L"1.5";
    const int result = G_Fn_With_Modal(
        [&] { return shell.core().M_Fn_UI_Enter_Text(L"Scale factor:", text); },
        [&](wxDialog& ro_Dlg) {
            EXPECT_EQ(ro_Dlg.GetTitle(), "Enter");
            EXPECT_EQ(G_Fn_Child<wxStaticText>(ro_Dlg, N_Enter_Dlg::E_Id_Prompt)->GetLabelText(), "Scale factor:");
            EXPECT_EQ(G_Fn_Child<wxTextCtrl>(ro_Dlg, N_Enter_Dlg::E_Id_Text)->GetValue(), "1.5");
            EXPECT_EQ(G_Fn_Child<wxButton>(ro_Dlg, N_Enter_Dlg::E_Id_OK)->GetLabel(), "OK");
            G_Fn_Click(ro_Dlg, N_Enter_Dlg::E_Id_OK);
        });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(text, L"1.5");
}

TEST(C_Dlg_Enter_Text, ConfirmedEditCancelAndEmptyText)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    enum E_Action { E_Click_OK, E_Key_Enter, E_Key_Escape };
    struct C_Case {
        const wchar_t* m_Typed;
        E_Action m_Action;
        int m_Result;
        const wchar_t* m_Text;
    } const cases[] = {
        {L"2,25 \u00e4", E_Click_OK, 1, L"2,25 \u00e4"},
        {L"", E_Click_OK, 1, L""},
        {L"3.75", E_Key_Enter, 1, L"3.75"}, // Enter presses OK: the typed line is taken
        {L"typed, then cancelled", E_Key_Escape, 0, L"0.5"},
    };
    for (const C_Case& c : cases) {
        std::wstring text = L"0.5";
        const int result = G_Fn_With_Modal([&] { return shell.core().M_Fn_UI_Enter_Text(L"Factor:", text); },
                                           [&](wxDialog& ro_Dlg) {
                                               auto* edit = G_Fn_Child<wxTextCtrl>(ro_Dlg, N_Enter_Dlg::E_Id_Text);
                                               edit->SetValue(c.m_Typed);
                                               if (c.m_Action == E_Click_OK) {
                                                   G_Fn_Click(ro_Dlg, N_Enter_Dlg::E_Id_OK);
                                                   return;
                                               }
                                               wxUIActionSimulator sim;
                                               EXPECT_TRUE(G_Fn_Mouse_Move(sim, edit->GetScreenRect().GetPosition() + wxPoint(5, 5)));
                                               EXPECT_TRUE(G_Fn_Focus(edit));
                                               sim.Char(c.m_Action == E_Key_Enter ? WXK_RETURN : WXK_ESCAPE);
                                           });
        EXPECT_EQ(result, c.m_Result) << c.m_Action;
        EXPECT_EQ(text, c.m_Text) << c.m_Action;
    }
}
