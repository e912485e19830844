// Helpers of the window tests: the whole program's window side started in a scratch directory
// (log, schema files, settings file of its own), waiting on a condition while the event loop runs,
// and running a script against the modal dialog that a call opens.
#pragma once

#include "app/App.h"
#include "ui/UI_App.h"
#include "ui/UI_MDI_Frame_Main.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class wxDialog;
namespace N_Biz::N_Proj {
class C_Proj;
}
namespace N_Biz::N_Sect {
class C_Sect;
}
class wxImage;
class wxPoint;
class wxUIActionSimulator;
class wxWindow;

namespace N_Test_GUI {

// Lets the event loop run until i_Done() holds or i_Timeout passed; the last i_Done().
bool G_Fn_Wait_For(const std::function<bool()>& i_Done,
                   std::chrono::milliseconds i_Timeout = std::chrono::milliseconds(5000));
// Lets the event loop run for i_Time: only for what must let time pass (a timer's period); a test
// waits for a state with G_Fn_Wait_For or G_Fn_Settle.
void G_Fn_Run_For(std::chrono::milliseconds i_Time);
// Runs the event loop until nothing is left to do: every request sent to the X server answered,
// every event that came of it handled and the idle work done (paints, layouts, queued calls), or
// until i_Timeout. A window that keeps asking for idle time does not keep it waiting. GTK's paints
// wait for its frame clock's next tick: a picture is waited for by its pixels, not with this.
void G_Fn_Settle(std::chrono::milliseconds i_Timeout = std::chrono::milliseconds(5000));
// Moves the pointer with ro_Sim to the screen point i_At and waits until the X server has it there
// and the windows have handled the move (enter, leave, motion); false when it never got there.
bool G_Fn_Mouse_Move(wxUIActionSimulator& ro_Sim, const wxPoint& i_At);
// Gives i_p_Window the keyboard focus and waits until it or a child of it has it; false when it
// never got it.
bool G_Fn_Focus(wxWindow* i_p_Window);

// Runs i_Code; a modal dialog that it shows fails the test and is answered Cancel unseen.
void G_Fn_No_Dialog(const std::function<void()>& i_Code);

// Calls i_Open, which shows a modal dialog; once that dialog is up, i_Script runs with it (it must
// end the dialog). Returns what i_Open returned. A dialog that does not come up within 5 s fails
// the test.
int G_Fn_With_Modal(const std::function<int()>& i_Open, const std::function<void(wxDialog&)>& i_Script);

// The window as the screen shows it, saved as i_Name into the build tree's gui/ folder: the X
// server's own picture (the toolkit's screen device context keeps showing what the OpenGL views
// drew first).
wxImage G_Fn_Shot(wxWindow* i_p_Window, const char* i_Name);

// A section with its document in a new group at slot i_Group (0: the next free one), its geometry
// read from the IGES file i_Path, all in one history entry "Import section" (as the project's
// section import makes it).
N_Biz::N_Sect::C_Sect& G_Fn_Sect_Import(N_Biz::N_Proj::C_Proj& ro_Proj, const char* i_Path, std::uint32_t i_Group = 0);

// The program's window side in a scratch directory: the schema files are copied there, the log
// and the settings file are written there. Unattended: boxes answer i_Box_Answer through the
// port's test-only switch (0: boxes are real, for tests that intercept them).
class C_Shell {
public:
    explicit C_Shell(int i_Box_Answer = E_Box_Answer_OK);
    // Closes the frame (discarding a modified project) and removes the directory.
    ~C_Shell();
    C_Shell(const C_Shell&) = delete;
    C_Shell& operator=(const C_Shell&) = delete;

    // Runs the start-up with i_Args; its result.
    bool M_Fn_Start(const std::vector<std::wstring>& i_Args = {});
    // Closes the main frame as the user does and waits until it is gone.
    void M_Fn_Close_Frame();
    // Ends the application object (after the frame); a new one may be started on the same
    // directory and settings.
    void M_Fn_End();

    N_UI::C_App_UI& ui() { return *m_up_UI; }
    C_App& core() { return *m_up_UI->M_Fn_Core(); }
    N_UI::N_MDI::C_Wnd_Frame_Main* frame() { return m_up_UI ? m_up_UI->M_Fn_Frame_Get() : nullptr; }
    const std::filesystem::path& dir() const { return m_Dir; }
    std::filesystem::path config_path() const { return m_Dir / "settings" / "Veltrane.conf"; }
    // The log's lines without their line ends.
    std::vector<std::string> log_lines() const;
    // Sends a menu command to the main frame as a menu, toolbar or accelerator does.
    void M_Fn_Command(int i_Id);

private:
    std::filesystem::path m_Dir;
    std::unique_ptr<N_UI::C_App_UI> m_up_UI;
    int m_Box_Answer;
};

} // namespace N_Test_GUI
