#include "app/App.h"
#include "common/Common_Exception.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <thread>

TEST(C_App, LogOpensWithAppInitAndAppendsUtf8)
{
    C_Test_App t;
    t.app().M_Fn_Log(L"second line \u4E2D");
    EXPECT_EQ(t.log_lines(), (std::vector<std::string>{"Log: App init.", "Log: second line \xE4\xB8\xAD"}));
    EXPECT_EQ(t.log().find('\r'), std::string::npos);
}

TEST(C_App, MessageGoesToABoxOrTheOutputPaneAndAQuestionNeverToThePane)
{
    C_Test_App t;
    const auto& calls = t.port().m_Calls;
    EXPECT_EQ(C_App::G_Fn_Msg(L"Failed to create config"), E_Box_Answer_OK); // no frame: a box of its own
    t.port().m_Frame = t.port().m_Output = true;
    C_App::G_Fn_Msg(L"Done: Create section line");
    t.port().m_Output = false;
    C_App::G_Fn_Msg(L"x");
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].m_Kind + L"|" + calls[0].m_Caption, L"box|Message");
    EXPECT_FALSE(calls[0].m_Owned);
    EXPECT_EQ(calls[1].m_Kind + L"|" + calls[1].m_Text, L"line|Done: Create section line");
    EXPECT_EQ(calls[2].m_Kind + L"|" + calls[2].m_Caption, L"box|Veltrane");
    EXPECT_TRUE(calls[2].m_Owned);
    EXPECT_EQ(t.log_lines()[1], "Msg: Failed to create config");

    t.port().m_Output = true;
    t.port().m_Box_Answers = {E_Box_Answer_Yes, E_Box_Answer_No};
    EXPECT_EQ(t.app().M_Fn_Msg(L"Save?", E_Box_Yes_No), E_Box_Answer_Yes);
    EXPECT_EQ(t.app().M_Fn_Msg(L"Save?", E_Box_Yes_No), E_Box_Answer_No);
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[3].m_Kind + L"|" + calls[3].m_Caption, L"box|Message");
    EXPECT_EQ(calls[3].m_Type, 4u);
    EXPECT_EQ(t.port().M_Fn_Texts(L"line").size(), 1u);
}

TEST(C_App, ExceptionReportBlockOneErrorBoxWithoutFrameAndAllLinesWithThePane)
{
    {
        // An overlong text is cut, and the report never throws.
        C_Test_App u;
        const std::string info(5000, 'x');
        EXPECT_NO_THROW(u.app().M_Fn_Report_Exception("F", "a/b", 1, info.c_str()));
        EXPECT_LT(u.log().size(), 1100u + 30u);
    }
    C_Test_App t;
    t.app().M_Fn_Report_Exception("C_Doc::OnCmd", "/x/y/UI_MDI_Proj_Doc.cpp", 42, "info text");
    t.app().M_Fn_Report_Exception("C_Doc::OnCmd", "UI_MDI_Proj_Doc.cpp", 43, "again");
    const std::string stars(64, '*');
    const std::string block = "Log: \n" + stars + "\n  Exception caught at:\n    Function: C_Doc::OnCmd\n"
                              "    File: UI_MDI_Proj_Doc.cpp Line: 42\n  Exception information:\n    info text\n" +
                              stars + "\n";
    EXPECT_NE(t.log().find(block), std::string::npos) << t.log();
    EXPECT_NE(t.log().find("Line: 43"), std::string::npos);
    auto boxes = t.port().M_Fn_Texts(L"box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(t.port().m_Calls[0].m_Caption, L"Error");
    EXPECT_EQ(boxes[0],
              L"Error: An exception has occurred, please contact us for further solution about this problem.");

    t.port().m_Frame = t.port().m_Output = true;
    t.app().M_Fn_Report_Exception("F", "a/b", 1, "x");
    t.app().M_Fn_Report_Exception("F", "a/b", 2, "y");
    EXPECT_EQ(t.port().M_Fn_Texts(L"line").size(), 2u);
}

TEST(C_App, FileDialogCancelledLeavesThePathAlone)
{
    C_Test_App t;
    std::wstring path = L"/old/path.qmxb", title = L"path.qmxb";
    t.port().m_File_Answers = {L"", L"/new/dir/model.qmxb"};
    EXPECT_EQ(t.app().M_Fn_UI_File_Dialog({L"Veltrane (*.qmxb)", L"*.qmxb"}, path, 0, L"Open", title), 0);
    EXPECT_EQ(path + L"|" + title, L"/old/path.qmxb|path.qmxb");
    EXPECT_EQ(t.app().M_Fn_UI_File_Dialog({L"Veltrane (*.qmxb)", L"*.qmxb"}, path, 0, L"Open", title), 1);
    EXPECT_EQ(path + L"|" + title, L"/new/dir/model.qmxb|model.qmxb");
}

TEST(C_App, WorkerMessagesAreLoggedAtOnceAndShownOnTheInterfaceThread)
{
    C_Test_App t;
    t.port().m_Frame = t.port().m_Output = true;
    std::thread worker([&] {
        C_App::G_Fn_Msg(L"from worker");
        t.app().M_Fn_Report_Exception("F", "a/b", 1, "x");
    });
    worker.join();
    EXPECT_TRUE(t.port().m_Calls.empty()); // nothing touched the window off its thread
    EXPECT_NE(t.log().find("Msg: from worker\n"), std::string::npos);
    EXPECT_EQ(t.app().M_Fn_UI_Queue_Run(), 2);
    ASSERT_EQ(t.port().m_Calls.size(), 2u);
    EXPECT_EQ(t.port().m_Calls[0].m_Text, L"from worker");

    // A question from a worker waits for the interface thread's answer.
    t.port().m_Box_Answers = {E_Box_Answer_Yes};
    int answer = 0;
    std::thread asking([&] { answer = t.app().M_Fn_Msg(L"Go on?", E_Box_Yes_No); });
    while (t.app().M_Fn_UI_Queue_Run() == 0)
        std::this_thread::yield();
    asking.join();
    EXPECT_EQ(answer, E_Box_Answer_Yes);
}

TEST(C_Status, BarPositionClampsAndTruncates)
{
    using N_UI::N_Progress::C_Status;
    EXPECT_EQ(C_Status::S_Fn_Bar_Position(0.5f, 2.0f), 250);
    EXPECT_EQ(C_Status::S_Fn_Bar_Position(3.0f, 2.0f), 1000);
    EXPECT_EQ(C_Status::S_Fn_Bar_Position(-1.0f, 2.0f), 0);
    EXPECT_EQ(C_Status::S_Fn_Bar_Position(1.0f, 0.0f), 1000);
    EXPECT_EQ(C_Status::S_Fn_Bar_Position(0.0f, 0.0f), 0);
}
