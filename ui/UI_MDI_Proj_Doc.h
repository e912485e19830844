// The window side's document of the one open project: the command target of the project menus,
// the main toolbar, the accelerators and the project tool dialogs while the project window is the
// active child, and the owner of the project window (child frame with its main view). The core's
// document (N_Biz::N_Proj::C_Doc) keeps the title, the path and the modified flag and runs open,
// save and save as; this one shows them on its frame.
//
// It is made by the main frame when a project is connected and lives until the project announces
// its end; it outlives its frame (closing the project window leaves it and the project open;
// opening the view again makes a new frame for it).
//
// Every command handler is a thin forwarder inside the catch-all: whatever it throws is reported
// with the handler's name and the program goes on. The document enables exactly the commands it
// takes.
//
// Model import: the Dyna and Nastran commands ask for the deck, start one worker thread that runs
// the project's import (it only reads into the model and its cards; what it raises for windows is
// queued for the interface thread, its change codes are kept until it is done) and run the modal
// progress dialog until the worker clears the running flag. While it runs, the project and section
// views paint only their background.
#pragma once

#include <wx/event.h>

#include <functional>
#include <string>
#include <thread>

namespace N_Biz::N_Proj {
class C_Proj;
}

namespace N_UI::N_MDI::N_Proj {

class C_Wnd_Frame_Child;

class C_Doc : public wxEvtHandler {
public:
    // The document of ro_Proj, which outlives it.
    explicit C_Doc(N_Biz::N_Proj::C_Proj& ro_Proj);
    // Its frame goes with it (the view leaving the project first).
    ~C_Doc() override;
    C_Doc(const C_Doc&) = delete;
    C_Doc& operator=(const C_Doc&) = delete;

    N_Biz::N_Proj::C_Proj& M_Fn_Get_Proj() const { return m_Proj; }

    // A new child frame with its main view, made the active window; 1, or 0 without a main frame or
    // when a window could not be made. A frame that exists already: 1.
    int M_Fn_Frame_Create();
    // The view leaves the project and (with i_Destroy) the frame goes; false when there is no
    // frame. Without i_Destroy the frame is only forgotten (its parent is taking it down).
    bool M_Fn_Frame_Close(bool i_Destroy = true);
    C_Wnd_Frame_Child* M_Fn_Get_Frame() const { return m_p_Frame; }
    // By the frame as it goes.
    void M_Fn_Frame_Forget(C_Wnd_Frame_Child* i_p_Frame);
    // The document's title on its frame.
    void M_Fn_Title_Show(const std::wstring& i_Title);

    // Whether the document takes command i_Id.
    static bool S_Fn_Takes(int i_Id);

    // The model import commands, and their worker procedures (the document as argument).
    void M_Fn_On_Cmd_Proj_Edit_D_M_I_Dyna();
    void M_Fn_On_Cmd_Proj_Edit_D_M_I_Nastran();
    static unsigned M_S_Fn_Thread_Cmd_Tool_Proj_Model_In_Dyna(void* i_p_Doc);
    static unsigned M_S_Fn_Thread_Cmd_Tool_Proj_Model_In_Nastran(void* i_p_Doc);

    // Full path and file name of the deck chosen by the last import command (any length).
    const std::wstring& M_Fn_Import_Path_Get() const { return m_Import_Path; }
    const std::wstring& M_Fn_Import_Name_Get() const { return m_Import_Name; }

    // The start of the worker thread (tests replace it to see a start that fails): i_Fn on a new
    // thread, returned joinable; throws (std::system_error) when no thread can start.
    using T_Fn_Thread_Start = std::thread (*)(std::function<void()> i_Fn);
    static T_Fn_Thread_Start S_Fn_Thread_Start;
    using T_Fn_Worker = unsigned (*)(void*);

private:
    // The import command of one format: the file dialog's filter and the worker procedure.
    void M_Fn_Import(const char* i_Function, const wchar_t* i_Filter, const wchar_t* i_Pattern, T_Fn_Worker i_Fn_Worker);
    // The worker body of one format.
    static void M_S_Fn_Import_Run(void* i_p_Doc, bool i_Dyna, const char* i_Function);

    N_Biz::N_Proj::C_Proj& m_Proj;
    std::wstring m_Import_Path;
    std::wstring m_Import_Name;
    C_Wnd_Frame_Child* m_p_Frame = nullptr;
};

} // namespace N_UI::N_MDI::N_Proj
