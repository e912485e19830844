// A window port for tests: records every call and answers from scripted queues.
#pragma once

#include "app/App.h"
#include "app/App_Port.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class C_App_Port_Record : public C_App_Port {
public:
    struct C_Call {
        std::wstring m_Kind; // L"box", L"line", L"file", L"enter", L"doc_modified", L"doc_title", L"doc_save_prompt",
                             // L"doc_sect_create", L"frame_proj_open", L"frame_proj_close"
        std::wstring m_Text;
        std::wstring m_Caption;
        unsigned m_Type = 0;
        bool m_Owned = false;
    };

    bool m_Frame = false;
    bool m_Output = false;
    std::vector<C_Call> m_Calls;
    std::deque<int> m_Box_Answers;             // popped by each box; empty: OK (1), or No (7) for Yes/No
    std::deque<std::wstring> m_File_Answers;   // popped by each file dialog; empty string = cancel
    std::deque<std::wstring> m_Enter_Answers;  // popped by each text entry; empty queue = cancel
    std::deque<int> m_Doc_Save_Answers;        // popped by each save prompt; empty: Cancel (2)
    int m_Wakes = 0;

    bool M_Fn_Frame_Exists() const override { return m_Frame; }
    bool M_Fn_Output_Exists() const override { return m_Output; }
    int M_Fn_Box(const std::wstring& i_text, const std::wstring& i_caption, unsigned i_type, bool i_owned) override;
    void M_Fn_Output_Add_Line(const std::wstring& i_text) override;
    int M_Fn_File_Dialog(const std::vector<std::wstring>& i_filters, std::wstring& io_path, int i_save,
                         const std::wstring& i_title, std::wstring& io_file_title) override;
    // Recorded as L"enter" with the prompt as text and the initial text as caption.
    int M_Fn_Enter_Text(const std::wstring& i_Prompt, std::wstring& io_Text) override;
    void M_Fn_UI_Queue_Wake() override { ++m_Wakes; }
    // Recorded with the text "1"/"0", the title, and the title.
    void M_Fn_Doc_Proj_Modified(bool i_Modified) override;
    void M_Fn_Doc_Proj_Title(const std::wstring& i_Title) override;
    int M_Fn_Doc_Proj_Save_Prompt(const std::wstring& i_Title) override;
    // Recorded as L"list_sect" with the kind as text.
    void M_Fn_Dlg_List_Sect(std::uint32_t i_Kind, N_Biz::N_Sect::C_Sect& ro_Sect) override;

    // Text drawn in an OpenGL view: the text, the raster position it was drawn at (window pixels),
    // whether that position was valid, and the raster colour (red, green, blue, alpha).
    struct C_GL_Text {
        std::wstring m_Text;
        float m_X = 0, m_Y = 0;
        bool m_Valid = false;
        float m_Color[4] = {0, 0, 0, 0};
    };
    std::vector<C_GL_Text> m_GL_Texts;
    // The extent answered for a text: this width per character, this height.
    int m_Text_Char_Width = 8;
    int m_Text_Height = 13;
    void M_Fn_GL_Draw_Text(const std::wstring& i_Text) override;
    void M_Fn_GL_Get_Text_Extent(const std::wstring& i_Text, int& o_Width, int& o_Height) override;
    // The texts drawn, in order.
    std::vector<std::wstring> M_Fn_GL_Texts() const;

    // A new section document: recorded as L"doc_sect_create"; runs m_Fn_Doc_Sect_Create (which
    // plays the framework's document creation) and returns its answer, 0 without one.
    std::function<int()> m_Fn_Doc_Sect_Create;
    int M_Fn_Doc_Sect_Create() override;

    // The project's main view: invalidations counted; the frame's opening and closing recorded as
    // L"frame_proj_open" and L"frame_proj_close", answered with m_Frame_Proj_Open (0: no frame) and
    // m_Frame_Proj_Close.
    int m_View_Proj_Invalidates = 0;
    int m_Frame_Proj_Open = 0;
    bool m_Frame_Proj_Close = true;
    void M_Fn_View_Proj_Main_Invalidate() override { ++m_View_Proj_Invalidates; }
    int M_Fn_Frame_Proj_Open() override;
    bool M_Fn_Frame_Proj_Close() override;

    // The clipboard: each text handed over is recorded as L"clipboard" (its UTF-8 bytes in
    // m_Clipboard, the last one kept) and answered from m_Clipboard_Answers (empty: the text is set).
    std::string m_Clipboard;
    std::deque<int> m_Clipboard_Answers;
    int M_Fn_Clipboard_Set_Text(const std::string& i_Utf8) override;

    // Texts of all recorded calls of one kind, in order.
    std::vector<std::wstring> M_Fn_Texts(const std::wstring& i_kind) const;
};

// A test fixture helper: an application object with a recording port and a log in a fresh
// temporary directory; removed again on destruction.
class C_Test_App {
public:
    C_Test_App();
    ~C_Test_App();
    C_App& app() { return *m_App; }
    C_App_Port_Record& port() { return *m_Port; }
    const std::filesystem::path& dir() const { return m_Dir; }
    // The whole log file as UTF-8 text.
    std::string log() const;
    // The log's lines without their line ends.
    std::vector<std::string> log_lines() const;

private:
    std::filesystem::path m_Dir;
    std::shared_ptr<C_App_Port_Record> m_Port;
    std::unique_ptr<C_App> m_App;
};
