// The application core: what the application object owns and offers to every subsystem, without
// the window system. It owns the log, the program directory, the schema registry, the
// configuration, the section information and at most one project, and offers the log line, the
// user messages, the exception report, the file dialog and the progress record. Whatever needs a
// window goes through the port (App_Port.h).
//
// Threads: the core is created and used on the interface thread. The import worker may log, send
// user messages and report exceptions: the log line is written at once (under the log's lock), and
// what must be shown is queued and replayed on the interface thread by M_Fn_UI_Queue_Run. A member
// message (which needs an answer) from the worker waits for that answer.
#pragma once

#include "app/App_Port.h"
#include "app/UI_Progress_Status.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace N_Biz::N_DB { class C_Info_Schema; }
namespace N_Biz::N_Config { class C_Config; }
namespace N_Biz::N_Sect { class C_Info; }
namespace N_Biz::N_Proj { class C_Proj; }

class C_App {
public:
    // The product's name and version: shown by the About box, written into project files and
    // exported IGES files, and making up the settings key ("Veltrane 1.2.0037").
    static constexpr const wchar_t* S_Product_Name = L"Veltrane";
    static constexpr const wchar_t* S_Version = L"1.2.0037";
    // The oldest version of the application that reads the project files this one writes; a file
    // written by a version from this one to S_Version opens without a question.
    static constexpr const wchar_t* S_Version_Compatible = L"1.2.0037";

    // Makes this the application object (one at a time); i_port must outlive it.
    explicit C_App(std::shared_ptr<C_App_Port> i_port);
    ~C_App();
    C_App(const C_App&) = delete;
    C_App& operator=(const C_App&) = delete;

    // The application object, or null before it exists and after it is gone.
    static C_App* S_Fn_Get();

    // Opens "log.txt" in the program directory (appending; created when missing) and writes
    // "Log: App init.". Returns 1 on success, 0 when the file cannot be opened.
    int M_Fn_Log_Open(const std::wstring& i_dir);
    // The program directory as a wide text ending in '/'; empty until the log is opened.
    const std::wstring& M_Fn_Dir_Get() const { return m_Dir; }
    // Path of the log file (empty until opened).
    const std::string& M_Fn_Log_Path_Get() const { return m_Log_Path; }

    // Appends "Log: " + text as one line to the log and flushes. Nothing is shown.
    void M_Fn_Log(const std::wstring& i_text);

    // The global user message: logs "Msg: " + text, then shows it in the output pane when the main
    // frame has one, in a box owned by the frame (caption "Veltrane") when it has none, and in a box
    // captioned "Message" when there is no frame. Usable before the application object exists
    // (then the text goes to the standard error stream). Returns the box's answer (1 for a line).
    static int G_Fn_Msg(const std::wstring& i_text);

    // The member user message: logs "Msg: " + text and shows a box captioned "Message" of the given
    // type (E_Box_OK or E_Box_Yes_No), owned by the frame when there is one. Never uses the output
    // pane. Returns the button pressed.
    int M_Fn_Msg(const std::wstring& i_text, unsigned i_type = E_Box_OK);
    // How many user messages (either kind) this application has given so far: a reader that fails
    // compares it before and after a part to know whether that part already said why.
    unsigned long long M_Fn_Msg_Count() const { return m_Msg_Count.load(); }

    // The exception report: writes the report block to the log and shows the notice. Never throws.
    void M_Fn_Report_Exception(const char* i_function, const char* i_file, int i_line, const char* i_info) noexcept;

    // The file dialog through the port; 1 when confirmed (path and file title set), 0 otherwise.
    int M_Fn_UI_File_Dialog(const std::vector<std::wstring>& i_filters, std::wstring& io_path, int i_save,
                            const std::wstring& i_title, std::wstring& io_file_title);

    // The text-entry dialog through the port; 1 when confirmed (io_Text set), 0 otherwise.
    int M_Fn_UI_Enter_Text(const std::wstring& i_Prompt, std::wstring& io_Text);

    // The project document through the port: its modified mark and title (queued when called off
    // the interface thread), and its save-if-modified question (E_Box_Answer_Yes, _No or _Cancel).
    void M_Fn_UI_Doc_Proj_Modified(bool i_Modified);
    void M_Fn_UI_Doc_Proj_Title(const std::wstring& i_Title);
    int M_Fn_UI_Doc_Proj_Save_Prompt(const std::wstring& i_Title);

    // The progress record of a long task.
    N_UI::N_Progress::C_Status& M_Fn_UI_Progress_Get_ro_Status() { return m_Progress; }
    // Runs the main frame's progress dialog modally until the work clears the running flag of the
    // record; 1 when it closed that way. Without a main frame: C_Exception.
    int M_Fn_UI_Progress_Begin();

    // The one project. Create: throws C_Exception without a main frame or while a project exists;
    // i_p_Path null makes a new project (with the default material), else the project is opened
    // from that file. 1 when the project's document was created (the project is then held);
    // otherwise the project is unhooked and released and the document's result returned.
    // Close: with a modified project asks whether to save it; 0 when the user cancelled (nothing
    // changes), else the project's tree items go, the project is released, and 1.
    // (Defined with the project layer, App_Proj.cpp.)
    int M_Fn_Biz_Proj_D_Create(const std::wstring* i_p_Path);
    int M_Fn_Biz_Proj_D_Close();

    // Runs i_fn on the interface thread: at once when called there, else queued for
    // M_Fn_UI_Queue_Run without waiting. For what a worker raises that is bound for a window (the
    // tree and pane updates of the import's changes).
    void M_Fn_UI_Post(std::function<void()> i_fn) { M_Fn_UI_Call(std::move(i_fn), false); }
    // Runs, on the interface thread, every window call that another thread queued. Returns how many ran.
    int M_Fn_UI_Queue_Run();
    // True on the thread that created the application object.
    bool M_Fn_Is_UI_Thread() const { return std::this_thread::get_id() == m_UI_Thread; }

    C_App_Port& M_Fn_Port() { return *m_Port; }

    // Owned for the whole run (filled by the start-up; released in reverse order at exit).
    std::shared_ptr<N_Biz::N_DB::C_Info_Schema> m_sp_Schema;
    std::shared_ptr<N_Biz::N_Config::C_Config> m_sp_Config;
    std::shared_ptr<N_Biz::N_Sect::C_Info> m_sp_Sect_Info;
    std::shared_ptr<N_Biz::N_Proj::C_Proj> m_sp_Proj;

    // Bit 0: the exception notice without a main frame has been shown in this run.
    unsigned m_Flags = 0;

private:
    void M_Fn_Log_Write(const std::string& i_utf8);
    // Runs i_fn on the interface thread: at once when called there, else queued; with i_wait the
    // caller blocks until it has run.
    void M_Fn_UI_Call(std::function<void()> i_fn, bool i_wait);
    int M_Fn_Msg_Show(const std::wstring& i_text);
    void M_Fn_Exception_Notice_Show();

    static C_App* S_p_App;

    std::shared_ptr<C_App_Port> m_Port;
    std::thread::id m_UI_Thread;
    std::wstring m_Dir;
    std::string m_Log_Path;
    std::mutex m_Log_Lock;
    std::ofstream m_Log;
    N_UI::N_Progress::C_Status m_Progress;

    std::mutex m_Queue_Lock;
    std::condition_variable m_Queue_Done;
    std::deque<std::function<void()>> m_Queue;
    unsigned long long m_Queue_Posted = 0;
    unsigned long long m_Queue_Ran = 0;
    std::atomic<unsigned long long> m_Msg_Count{0};
};
