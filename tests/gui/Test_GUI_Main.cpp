// Entry of the window tests: a wx application that runs every test from its event loop, turns wx
// assertions and exceptions escaping event handlers into test failures, and prints the build's
// compiler and options first. Listing the tests needs no display. It runs in the program's own
// folder, against which the test data's folders are given.
#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/debug.h>
#include <wx/init.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>

namespace {

class C_Test_App_Wx : public wxApp {
public:
    bool OnInit() override
    {
        std::setlocale(LC_NUMERIC, "C");
        // Closing a test's last frame must not end the loop that runs the tests.
        SetExitOnFrameDelete(false);
        wxSetAssertHandler([](const wxString& i_File, int i_Line, const wxString& i_Function, const wxString& i_Cond,
                              const wxString& i_Msg) {
            ADD_FAILURE_AT(i_File.utf8_str(), i_Line) << "wx assertion " << i_Cond.utf8_string() << " in "
                                                      << i_Function.utf8_string() << ": " << i_Msg.utf8_string();
        });
        // The tests start once the loop runs.
        CallAfter([this] {
            m_Result = RUN_ALL_TESTS();
            ExitMainLoop();
        });
        return true;
    }
    int OnRun() override
    {
        wxApp::OnRun();
        return m_Result;
    }
    bool OnExceptionInMainLoop() override
    {
        try {
            throw;
        } catch (const std::exception& e) {
            ADD_FAILURE() << "exception out of an event handler: " << e.what();
        } catch (...) {
            ADD_FAILURE() << "exception out of an event handler";
        }
        return true;
    }

private:
    int m_Result = 1;
};

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C");
    // Mesa's software renderer without threads of its own: LeakSanitizer's tracer, which stops
    // every thread at exit, now and then crashed among its idle ones (read when the first
    // context is made, after this).
    setenv("LP_NUM_THREADS", "0", 0);
    std::filesystem::current_path(std::filesystem::canonical("/proc/self/exe").parent_path());
    std::printf("Veltrane window tests: g++ %d.%d, C++ %ld, wxWidgets %d.%d.%d%s\n", __GNUC__, __GNUC_MINOR__,
                static_cast<long>(__cplusplus), wxMAJOR_VERSION, wxMINOR_VERSION, wxRELEASE_NUMBER,
#if defined(__SANITIZE_ADDRESS__)
                ", AddressSanitizer"
#else
                ""
#endif
    );
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    wxApp::SetInstance(new C_Test_App_Wx);
    return wxEntry(argc, argv);
}
