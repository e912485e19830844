#include "tests/support/App_Port_Record.h"

#include "common/Common_String.h"

#include <GL/gl.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <unistd.h>

int C_App_Port_Record::M_Fn_Box(const std::wstring& i_text, const std::wstring& i_caption, unsigned i_type,
                                bool i_owned)
{
    m_Calls.push_back({L"box", i_text, i_caption, i_type, i_owned});
    if (!m_Box_Answers.empty()) {
        int a = m_Box_Answers.front();
        m_Box_Answers.pop_front();
        return a;
    }
    return i_type == E_Box_Yes_No ? E_Box_Answer_No : E_Box_Answer_OK;
}

void C_App_Port_Record::M_Fn_Output_Add_Line(const std::wstring& i_text)
{
    m_Calls.push_back({L"line", i_text, L"", 0, true});
}

int C_App_Port_Record::M_Fn_Enter_Text(const std::wstring& i_Prompt, std::wstring& io_Text)
{
    m_Calls.push_back({L"enter", i_Prompt, io_Text, 0, true});
    if (m_Enter_Answers.empty())
        return 0;
    io_Text = m_Enter_Answers.front();
    m_Enter_Answers.pop_front();
    return 1;
}

int C_App_Port_Record::M_Fn_File_Dialog(const std::vector<std::wstring>& i_filters, std::wstring& io_path, int i_save,
                                        const std::wstring& i_title, std::wstring& io_file_title)
{
    m_Calls.push_back({L"file", i_title, L"", static_cast<unsigned>(i_save), true});
    if (m_File_Answers.empty() || m_File_Answers.front().empty()) {
        if (!m_File_Answers.empty())
            m_File_Answers.pop_front();
        return 0;
    }
    io_path = m_File_Answers.front();
    m_File_Answers.pop_front();
    size_t slash = io_path.find_last_of(L"/");
    io_file_title = slash == std::wstring::npos ? io_path : io_path.substr(slash + 1);
    return 1;
}

void C_App_Port_Record::M_Fn_Doc_Proj_Modified(bool i_Modified)
{
    m_Calls.push_back({L"doc_modified", i_Modified ? L"1" : L"0", L"", 0, true});
}

void C_App_Port_Record::M_Fn_Doc_Proj_Title(const std::wstring& i_Title)
{
    m_Calls.push_back({L"doc_title", i_Title, L"", 0, true});
}

int C_App_Port_Record::M_Fn_Doc_Proj_Save_Prompt(const std::wstring& i_Title)
{
    m_Calls.push_back({L"doc_save_prompt", i_Title, L"", 0, true});
    if (m_Doc_Save_Answers.empty())
        return E_Box_Answer_Cancel;
    int a = m_Doc_Save_Answers.front();
    m_Doc_Save_Answers.pop_front();
    return a;
}

void C_App_Port_Record::M_Fn_Dlg_List_Sect(std::uint32_t i_Kind, N_Biz::N_Sect::C_Sect&)
{
    m_Calls.push_back({L"list_sect", std::to_wstring(i_Kind), L"", 0, false});
}

void C_App_Port_Record::M_Fn_GL_Draw_Text(const std::wstring& i_Text)
{
    C_GL_Text text;
    text.m_Text = i_Text;
    GLfloat pos[4] = {0, 0, 0, 0};
    GLboolean valid = GL_FALSE;
    glGetFloatv(GL_CURRENT_RASTER_POSITION, pos);
    glGetBooleanv(GL_CURRENT_RASTER_POSITION_VALID, &valid);
    glGetFloatv(GL_CURRENT_RASTER_COLOR, text.m_Color);
    text.m_X = pos[0];
    text.m_Y = pos[1];
    text.m_Valid = valid == GL_TRUE;
    m_GL_Texts.push_back(text);
}

void C_App_Port_Record::M_Fn_GL_Get_Text_Extent(const std::wstring& i_Text, int& o_Width, int& o_Height)
{
    const std::size_t end = i_Text.find(L'\0');
    const std::size_t length = end == std::wstring::npos ? i_Text.size() : end;
    o_Width = int(length) * m_Text_Char_Width;
    o_Height = length ? m_Text_Height : 0;
}

std::vector<std::wstring> C_App_Port_Record::M_Fn_GL_Texts() const
{
    std::vector<std::wstring> out;
    for (const C_GL_Text& text : m_GL_Texts)
        out.push_back(text.m_Text);
    return out;
}

int C_App_Port_Record::M_Fn_Doc_Sect_Create()
{
    m_Calls.push_back({L"doc_sect_create", L"", L"", 0, true});
    return m_Fn_Doc_Sect_Create ? m_Fn_Doc_Sect_Create() : 0;
}

int C_App_Port_Record::M_Fn_Frame_Proj_Open()
{
    m_Calls.push_back({L"frame_proj_open", L"", L"", 0, true});
    return m_Frame_Proj_Open;
}

bool C_App_Port_Record::M_Fn_Frame_Proj_Close()
{
    m_Calls.push_back({L"frame_proj_close", L"", L"", 0, true});
    return m_Frame_Proj_Close;
}

int C_App_Port_Record::M_Fn_Clipboard_Set_Text(const std::string& i_Utf8)
{
    m_Calls.push_back({L"clipboard", L"", L"", 0, true});
    int answer = E_Clipboard_Set;
    if (!m_Clipboard_Answers.empty()) {
        answer = m_Clipboard_Answers.front();
        m_Clipboard_Answers.pop_front();
    }
    if (answer == E_Clipboard_Set)
        m_Clipboard = i_Utf8;
    return answer;
}

std::vector<std::wstring> C_App_Port_Record::M_Fn_Texts(const std::wstring& i_kind) const
{
    std::vector<std::wstring> out;
    for (const C_Call& c : m_Calls)
        if (c.m_Kind == i_kind)
            out.push_back(c.m_Text);
    return out;
}

C_Test_App::C_Test_App()
{
    static std::atomic<int> counter{0};
    m_Dir = std::filesystem::temp_directory_path() /
            ("veltrane_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(m_Dir);
    std::filesystem::create_directories(m_Dir);
    m_Port = std::make_shared<C_App_Port_Record>();
    m_App = std::make_unique<C_App>(m_Port);
    m_App->M_Fn_Log_Open(N_Common::N_String::G_Fn_To_Wide_UTF8(m_Dir.string()));
}

C_Test_App::~C_Test_App()
{
    m_App.reset();
    std::error_code ec;
    std::filesystem::remove_all(m_Dir, ec);
}

std::string C_Test_App::log() const
{
    std::ifstream in(m_Dir / "log.txt", std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<std::string> C_Test_App::log_lines() const
{
    std::vector<std::string> lines;
    std::istringstream in(log());
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    return lines;
}
