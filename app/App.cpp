#include "app/App.h"

#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <cstdio>
#include <iostream>

using N_Common::N_String::G_Fn_To_Narrow_UTF8;
using N_Common::N_String::G_Fn_To_Wide;

C_App* C_App::S_p_App = nullptr;

namespace {
const wchar_t* const S_Notice =
    L"Error: An exception has occurred, please contact us for further solution about this problem.";
} // namespace

C_App::C_App(std::shared_ptr<C_App_Port> i_port) : m_Port(std::move(i_port)), m_UI_Thread(std::this_thread::get_id())
{
    if (!m_Port)
        VT_THROW("C_App::C_App");
    if (S_p_App)
        VT_THROW("C_App::C_App");
    S_p_App = this;
}

C_App::~C_App()
{
    // Release in the order the start-up's reverse demands: project, section information,
    // configuration, then the schema registry; the log goes last.
    try {
        m_sp_Proj.reset();
        m_sp_Sect_Info.reset();
        m_sp_Config.reset();
        m_sp_Schema.reset();
        M_Fn_UI_Queue_Run();
    } catch (...) {
        // nothing may leave the application's destructor
    }
    S_p_App = nullptr;
}

C_App* C_App::S_Fn_Get()
{
    return S_p_App;
}

int C_App::M_Fn_Log_Open(const std::wstring& i_dir)
{
    std::wstring dir = i_dir;
    if (!dir.empty() && dir.back() != L'/')
        dir += L'/';
    std::string path = N_Common::N_String::G_Fn_To_Narrow_UTF8(dir) + "log.txt";
    {
        std::lock_guard<std::mutex> lock(m_Log_Lock);
        if (m_Log.is_open())
            m_Log.close();
        m_Log.open(path, std::ios::out | std::ios::app | std::ios::binary);
        if (!m_Log.is_open())
            return 0;
    }
    m_Dir = dir;
    m_Log_Path = path;
    M_Fn_Log(L"App init.");
    return 1;
}

void C_App::M_Fn_Log_Write(const std::string& i_utf8)
{
    std::lock_guard<std::mutex> lock(m_Log_Lock);
    if (!m_Log.is_open())
        return;
    m_Log << i_utf8;
    m_Log.flush();
    m_Log.clear(); // a full disk must not silence every later line
}

void C_App::M_Fn_Log(const std::wstring& i_text)
{
    M_Fn_Log_Write("Log: " + G_Fn_To_Narrow_UTF8(i_text) + "\n");
}

void C_App::M_Fn_UI_Call(std::function<void()> i_fn, bool i_wait)
{
    if (M_Fn_Is_UI_Thread()) {
        i_fn();
        return;
    }
    unsigned long long ticket;
    {
        std::lock_guard<std::mutex> lock(m_Queue_Lock);
        m_Queue.push_back(std::move(i_fn));
        ticket = ++m_Queue_Posted;
    }
    m_Port->M_Fn_UI_Queue_Wake();
    if (i_wait) {
        std::unique_lock<std::mutex> lock(m_Queue_Lock);
        m_Queue_Done.wait(lock, [&] { return m_Queue_Ran >= ticket; });
    }
}

int C_App::M_Fn_UI_Queue_Run()
{
    int count = 0;
    for (;;) {
        std::function<void()> fn;
        {
            std::lock_guard<std::mutex> lock(m_Queue_Lock);
            if (m_Queue.empty())
                break;
            fn = std::move(m_Queue.front());
            m_Queue.pop_front();
        }
        try {
            fn();
        } catch (...) {
            M_Fn_Log(L"A queued window call failed.");
        }
        {
            std::lock_guard<std::mutex> lock(m_Queue_Lock);
            ++m_Queue_Ran;
        }
        m_Queue_Done.notify_all();
        ++count;
    }
    return count;
}

int C_App::M_Fn_Msg_Show(const std::wstring& i_text)
{
    if (!m_Port->M_Fn_Frame_Exists())
        return m_Port->M_Fn_Box(i_text, L"Message", E_Box_OK, false);
    if (m_Port->M_Fn_Output_Exists()) {
        m_Port->M_Fn_Output_Add_Line(i_text);
        return E_Box_Answer_OK;
    }
    return m_Port->M_Fn_Box(i_text, L"Veltrane", E_Box_OK, true);
}

int C_App::G_Fn_Msg(const std::wstring& i_text)
{
    C_App* app = S_p_App;
    if (!app) {
        std::cerr << "Msg: " << G_Fn_To_Narrow_UTF8(i_text) << std::endl;
        return E_Box_Answer_OK;
    }
    ++app->m_Msg_Count;
    app->M_Fn_Log_Write("Msg: " + G_Fn_To_Narrow_UTF8(i_text) + "\n");
    if (app->M_Fn_Is_UI_Thread())
        return app->M_Fn_Msg_Show(i_text);
    // From the worker: shown by the interface thread; the worker goes on at once.
    app->M_Fn_UI_Call([app, i_text] { app->M_Fn_Msg_Show(i_text); }, false);
    return E_Box_Answer_OK;
}

int C_App::M_Fn_Msg(const std::wstring& i_text, unsigned i_type)
{
    ++m_Msg_Count;
    M_Fn_Log_Write("Msg: " + G_Fn_To_Narrow_UTF8(i_text) + "\n");
    int answer = E_Box_Answer_OK;
    M_Fn_UI_Call(
        [&] { answer = m_Port->M_Fn_Box(i_text, L"Message", i_type, m_Port->M_Fn_Frame_Exists()); }, true);
    return answer;
}

void C_App::M_Fn_Exception_Notice_Show()
{
    if (m_Port->M_Fn_Frame_Exists()) {
        if (m_Port->M_Fn_Output_Exists())
            m_Port->M_Fn_Output_Add_Line(S_Notice);
        else
            m_Port->M_Fn_Box(S_Notice, L"Veltrane", E_Box_OK, true);
        return;
    }
    if (m_Flags & 1u)
        return;
    m_Flags |= 1u;
    m_Port->M_Fn_Box(S_Notice, L"Error", E_Box_OK, false);
}

void C_App::M_Fn_Report_Exception(const char* i_function, const char* i_file, int i_line, const char* i_info) noexcept
{
    try {
        char block[1024];
        std::snprintf(block, sizeof block,
                      "****************************************************************\n"
                      "  Exception caught at:\n"
                      "    Function: %s\n"
                      "    File: %s Line: %d\n"
                      "  Exception information:\n"
                      "    %s\n"
                      "****************************************************************\n",
                      i_function ? i_function : "", N_Common::N_Exception::C_Exception::S_Fn_File_Name(i_file),
                      i_line, i_info ? i_info : "");
        M_Fn_Log_Write(std::string("Log: \n") + block);
        M_Fn_UI_Call([this] { M_Fn_Exception_Notice_Show(); }, false);
    } catch (...) {
        // the report must never throw
    }
}

int C_App::M_Fn_UI_Progress_Begin()
{
    if (!m_Port->M_Fn_Frame_Exists())
        VT_THROW("C_App::M_Fn_UI_Progress_Begin");
    return m_Port->M_Fn_Progress_Run();
}

void C_App::M_Fn_UI_Doc_Proj_Modified(bool i_Modified)
{
    M_Fn_UI_Call([this, i_Modified] { m_Port->M_Fn_Doc_Proj_Modified(i_Modified); }, false);
}

void C_App::M_Fn_UI_Doc_Proj_Title(const std::wstring& i_Title)
{
    M_Fn_UI_Call([this, i_Title] { m_Port->M_Fn_Doc_Proj_Title(i_Title); }, false);
}

int C_App::M_Fn_UI_Doc_Proj_Save_Prompt(const std::wstring& i_Title)
{
    int result = E_Box_Answer_Cancel;
    M_Fn_UI_Call([&] { result = m_Port->M_Fn_Doc_Proj_Save_Prompt(i_Title); }, true);
    return result;
}

int C_App::M_Fn_UI_Enter_Text(const std::wstring& i_Prompt, std::wstring& io_Text)
{
    int result = 0;
    M_Fn_UI_Call(
        [&] {
            std::wstring text = io_Text;
            if (m_Port->M_Fn_Enter_Text(i_Prompt, text) == 1) {
                io_Text = text;
                result = 1;
            }
        },
        true);
    return result;
}

int C_App::M_Fn_UI_File_Dialog(const std::vector<std::wstring>& i_filters, std::wstring& io_path, int i_save,
                               const std::wstring& i_title, std::wstring& io_file_title)
{
    int result = 0;
    M_Fn_UI_Call(
        [&] {
            // Paths of any length: the dialog works on copies, which replace the caller's only
            // when the user confirmed.
            std::wstring path = io_path;
            std::wstring title = io_file_title;
            if (m_Port->M_Fn_File_Dialog(i_filters, path, i_save, i_title, title) == 1) {
                io_path = path;
                io_file_title = title;
                result = 1;
            }
        },
        true);
    return result;
}
