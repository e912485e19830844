// Program entry: the wx application around the window side of the application object. With no
// argument the program starts without a project; a project file named as the argument is opened.
#include "ui/UI_App.h"
#include "ui/UI_Catch_All.h"

#include <wx/app.h>

#include <clocale>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace {

class C_App_Wx : public wxApp {
public:
    bool OnInit() override
    {
        // GTK switched the process to the user's locale; numbers are read and written in "C".
        std::setlocale(LC_NUMERIC, "C");
        SetAppName("Veltrane");
        // wxApp::OnInit is not called: its parser would refuse the project file argument.
        N_UI::C_App_UI::C_Init init;
        for (int i = 1; i < argc; ++i)
            init.m_Args.push_back(argv[i].ToStdWstring());
        bool started = false;
        N_UI::G_Fn_Catch_All("C_App_Wx::OnInit", __FILE__, __LINE__, [&] {
            m_up_App = std::make_unique<N_UI::C_App_UI>();
            started = m_up_App->M_Fn_Init_Instance(init);
        });
        if (!started)
            m_up_App.reset();
        return started;
    }

    int OnExit() override
    {
        if (m_up_App)
            m_up_App->M_Fn_Exit_Instance();
        m_up_App.reset();
        return wxApp::OnExit();
    }

    // An exception that escaped an event handler is reported and the program goes on.
    bool OnExceptionInMainLoop() override
    {
        std::string info = "...";
        try {
            throw;
        } catch (const std::exception& e) {
            info = e.what();
        } catch (...) {
        }
        CallAfter([info] {
            N_UI::G_Fn_Report_Exception("C_App_Wx::OnExceptionInMainLoop", __FILE__, __LINE__, info.c_str());
        });
        return true;
    }

private:
    std::unique_ptr<N_UI::C_App_UI> m_up_App;
};

} // namespace

wxIMPLEMENT_APP(C_App_Wx);
