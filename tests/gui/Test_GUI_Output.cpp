// The output pane and the message routes of the application: lines, the 2000-line cap, Copy as
// UTF-8, Clear, and where messages, questions and exception notices go.
#include "tests/gui/Test_GUI_Support.h"

#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Cmd_Id.h"
#include "ui/UI_Output_Ctrl.h"
#include "ui/UI_Output_Wnd.h"

#include <gtest/gtest.h>

#include <wx/clipbrd.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>
#include <wx/testing.h>

#include <thread>

using namespace N_Test_GUI;
namespace N_Cmd = N_UI::N_Cmd;

namespace {

N_UI::N_Output::C_Ctrl& G_Fn_List(C_Shell& ro_Shell)
{
    return *ro_Shell.frame()->M_Fn_Get_Output()->M_Fn_Get_Ctrl();
}

// Sends a popup command to the list, as its popup menu does.
void G_Fn_Popup_Command(N_UI::N_Output::C_Ctrl& ro_List, int i_Id)
{
    wxCommandEvent event(wxEVT_MENU, i_Id);
    event.SetEventObject(&ro_List);
    ro_List.GetEventHandler()->ProcessEvent(event);
}

// A message box expected with exactly this text and caption (the toolkit's generic box: GTK's own
// leaves the caption "Message" off its window).
class C_Expect_Box : public wxExpectDismissableModal<wxGenericMessageDialog> {
public:
    C_Expect_Box(const wxString& i_Text, const wxString& i_Caption, int i_Answer)
        : wxExpectDismissableModal<wxGenericMessageDialog>(i_Answer), m_Text(i_Text), m_Caption(i_Caption)
    {
    }

protected:
    int OnInvoked(wxGenericMessageDialog* i_p_Dlg) const override
    {
        EXPECT_EQ(i_p_Dlg->GetMessage(), m_Text);
        EXPECT_EQ(i_p_Dlg->GetTitle(), m_Caption);
        return wxExpectDismissableModal<wxGenericMessageDialog>::OnInvoked(i_p_Dlg);
    }

private:
    wxString m_Text, m_Caption;
};

const wchar_t* const G_Notice =
    L"Error: An exception has occurred, please contact us for further solution about this problem.";

} // namespace

TEST(C_Output, KeepsTheLastTwoThousandLinesScrolledToTheBottom)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    auto& list = G_Fn_List(shell);
    for (int i = 1; i <= 2001; ++i)
        shell.frame()->M_Fn_Get_Output()->M_Fn_Add_Line(wxString::Format("Line %d", i));
    ASSERT_EQ(list.GetCount(), 2000u);
    EXPECT_EQ(list.GetString(0), "Line 2");
    EXPECT_EQ(list.GetString(1999), "Line 2001");
    // The scroll happens once the call has returned.
    EXPECT_TRUE(G_Fn_Wait_For([&] { return list.GetTopItem() + list.GetCountPerPage() >= 2000; }))
        << list.GetTopItem() << " " << list.GetCountPerPage();
}

TEST(C_Output, CopyPutsTheSelectedLineOnTheClipboardAsUtf8)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    auto& list = G_Fn_List(shell);
    list.M_Fn_Add_Line("plain");
    list.M_Fn_Add_Line(L"Wanddicke 2,5 mm \u00b7 \u622a\u9762 \u00e4");
    // Nothing selected: Copy does nothing.
    std::string text = "unchanged";
    EXPECT_FALSE(list.M_Fn_Line_Selected_UTF8(text));
    EXPECT_EQ(text, "unchanged");

    list.SetSelection(1);
    ASSERT_TRUE(list.M_Fn_Line_Selected_UTF8(text));
    EXPECT_EQ(text, "Wanddicke 2,5 mm \xC2\xB7 \xE6\x88\xAA\xE9\x9D\xA2 \xC3\xA4");

    G_Fn_Popup_Command(list, N_Cmd::E_Id_Edit_Copy);
    wxClipboardLocker lock;
    ASSERT_FALSE(!lock);
    wxTextDataObject data;
    ASSERT_TRUE(wxTheClipboard->GetData(data));
    EXPECT_EQ(data.GetText().utf8_string(), text);
}

TEST(C_Output, ClearEmptiesTheListThenSaysSo)
{
    C_Shell shell(0);
    ASSERT_TRUE(shell.M_Fn_Start());
    auto& list = G_Fn_List(shell);
    list.M_Fn_Add_Line("one");
    list.M_Fn_Add_Line("two");
    wxTEST_DIALOG(G_Fn_Popup_Command(list, N_Cmd::E_Id_Output_Clear),
                  C_Expect_Box("Output cleard", "Veltrane", wxID_OK));
    EXPECT_EQ(list.GetCount(), 0u);
}

TEST(C_Output, PopupHideHidesThePaneThroughTheFrame)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    G_Fn_Popup_Command(G_Fn_List(shell), N_Cmd::E_Id_Output_Hide);
    EXPECT_FALSE(shell.frame()->M_Fn_Get_Aui().GetPane("output").IsShown());
}

TEST(C_Output, MessagesGoToThePaneAndQuestionsToABoxCaptionedMessage)
{
    C_Shell shell(0);
    ASSERT_TRUE(shell.M_Fn_Start());
    auto& list = G_Fn_List(shell);
    G_Fn_No_Dialog([] { EXPECT_EQ(C_App::G_Fn_Msg(L"Done: Create section line"), E_Box_Answer_OK); });
    EXPECT_EQ(list.GetString(list.GetCount() - 1), "Done: Create section line");
    EXPECT_EQ(shell.log_lines().back(), "Msg: Done: Create section line");

    int answer = 0;
    wxTEST_DIALOG(answer = shell.core().M_Fn_Msg(L"Delete it?", E_Box_Yes_No),
                  C_Expect_Box("Delete it?", "Message", wxID_YES));
    EXPECT_EQ(answer, E_Box_Answer_Yes);
    wxTEST_DIALOG(answer = shell.core().M_Fn_Msg(L"Delete it?", E_Box_Yes_No),
                  C_Expect_Box("Delete it?", "Message", wxID_NO));
    EXPECT_EQ(answer, E_Box_Answer_No);
    EXPECT_EQ(list.GetString(list.GetCount() - 1), "Done: Create section line");

    // Every exception report with the pane adds its notice there; the report block is only logged.
    const unsigned before = list.GetCount();
    G_Fn_No_Dialog([&] {
        shell.core().M_Fn_Report_Exception("F", "a/b.cpp", 1, "x");
        shell.core().M_Fn_Report_Exception("F", "a/b.cpp", 2, "y");
    });
    ASSERT_EQ(list.GetCount(), before + 2);
    EXPECT_EQ(list.GetString(before), G_Notice);
    EXPECT_EQ(list.GetString(before + 1), G_Notice);
}

TEST(C_Output, MessageOfTheWorkerThreadIsAddedByTheInterfaceThread)
{
    C_Shell shell;
    ASSERT_TRUE(shell.M_Fn_Start());
    auto& list = G_Fn_List(shell);
    std::thread worker([] { C_App::G_Fn_Msg(L"Line: 12, from the worker"); });
    worker.join();
    EXPECT_TRUE(G_Fn_Wait_For(
        [&] { return list.GetCount() > 0 && list.GetString(list.GetCount() - 1) == "Line: 12, from the worker"; }));
}

TEST(C_Output, TestSwitchAnswersBoxesAsTheirButtonsAllow)
{
    struct C_Case {
        int m_Switch;
        unsigned m_Type;
        int m_Answer;
    } const cases[] = {
        {E_Box_Answer_OK, E_Box_OK, E_Box_Answer_OK},
        {E_Box_Answer_Yes, E_Box_OK, E_Box_Answer_OK},
        {E_Box_Answer_Yes, E_Box_Yes_No, E_Box_Answer_Yes},
        {E_Box_Answer_OK, E_Box_Yes_No, E_Box_Answer_No},
        {E_Box_Answer_Cancel, E_Box_Yes_No, E_Box_Answer_No},
        {E_Box_Answer_Cancel, 3, E_Box_Answer_Cancel},
        {E_Box_Answer_OK, 3, E_Box_Answer_No},
        {E_Box_Answer_Cancel, 1, E_Box_Answer_Cancel},
    };
    const int saved = N_UI::C_App_Port_Wx::S_Test_Box_Answer;
    for (const C_Case& c : cases) {
        N_UI::C_App_Port_Wx::S_Test_Box_Answer = c.m_Switch;
        EXPECT_EQ(N_UI::C_App_Port_Wx::S_Fn_Box(nullptr, L"text", L"caption", c.m_Type), c.m_Answer)
            << c.m_Switch << " " << c.m_Type;
    }
    N_UI::C_App_Port_Wx::S_Test_Box_Answer = saved;

    struct C_Env {
        const char* m_Value;
        int m_Switch;
    } const values[] = {{"yes", E_Box_Answer_Yes}, {"No", E_Box_Answer_No}, {"cancel", E_Box_Answer_Cancel},
                        {"6", E_Box_Answer_Yes},   {"ok", E_Box_Answer_OK}, {"whatever", E_Box_Answer_OK}};
    for (const C_Env& v : values) {
        setenv("VT_TEST_BOX_ANSWER", v.m_Value, 1);
        N_UI::C_App_Port_Wx::S_Fn_Test_Box_Answer_Read();
        EXPECT_EQ(N_UI::C_App_Port_Wx::S_Test_Box_Answer, v.m_Switch) << v.m_Value;
    }
    unsetenv("VT_TEST_BOX_ANSWER");
    N_UI::C_App_Port_Wx::S_Fn_Test_Box_Answer_Read();
    EXPECT_EQ(N_UI::C_App_Port_Wx::S_Test_Box_Answer, 0);
    N_UI::C_App_Port_Wx::S_Test_Box_Answer = saved;
}
