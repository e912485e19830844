#include "ui/UI_App_Port_Wx.h"

#include "app/App.h"
#include "common/Common_Graphic_OpenGL_View.h"
#include "ui/UI_App.h"
#include "ui/UI_Enter_Dlg_Enter_Text.h"
#include "ui/UI_MDI_Frame_Main.h"
#include "ui/UI_MDI_Proj_Doc.h"
#include "ui/UI_MDI_Proj_Wnd_Frame_Child.h"
#include "ui/UI_MDI_Proj_Wnd_View_Main.h"
#include "ui/UI_MDI_Sect_Doc.h"
#include "ui/UI_Output_Wnd.h"

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/filedlg.h>
#include <wx/filename.h>
#include <wx/msgdlg.h> // before the generic box, which builds on its base
#include <wx/generic/msgdlgg.h>

#include <cstdlib>
#include <iostream>

namespace N_UI {

int C_App_Port_Wx::S_Test_Box_Answer = 0;
std::deque<std::wstring> C_App_Port_Wx::S_Test_File_Answers;
std::wstring C_App_Port_Wx::S_Test_File_Wildcard;

namespace {

// The answer of the test-only switch that a box of i_Type can give.
int G_Fn_Test_Box_Answer(unsigned i_Type)
{
    const int answer = C_App_Port_Wx::S_Test_Box_Answer;
    switch (i_Type & 0xF) {
    case 1: // OK, Cancel
        return answer == E_Box_Answer_Cancel ? E_Box_Answer_Cancel : E_Box_Answer_OK;
    case 3: // Yes, No, Cancel
        return answer == E_Box_Answer_Yes || answer == E_Box_Answer_Cancel ? answer : E_Box_Answer_No;
    case 4: // Yes, No
        return answer == E_Box_Answer_Yes ? E_Box_Answer_Yes : E_Box_Answer_No;
    default:
        return E_Box_Answer_OK;
    }
}

} // namespace

C_App_Port_Wx::C_App_Port_Wx(C_App_UI* i_p_App) : m_p_App(i_p_App)
{
    S_Fn_Test_Box_Answer_Read();
    S_Fn_Dlg_Install();
}

void C_App_Port_Wx::S_Fn_Test_Box_Answer_Read()
{
    const char* value = std::getenv("VT_TEST_BOX_ANSWER");
    if (!value) {
        S_Test_Box_Answer = 0;
        return;
    }
    const wxString text = wxString(value).Lower();
    long number = 0;
    if (text == "yes")
        S_Test_Box_Answer = E_Box_Answer_Yes;
    else if (text == "no")
        S_Test_Box_Answer = E_Box_Answer_No;
    else if (text == "cancel")
        S_Test_Box_Answer = E_Box_Answer_Cancel;
    else if (text.ToLong(&number) && (number == E_Box_Answer_OK || number == E_Box_Answer_Cancel ||
                                      number == E_Box_Answer_Yes || number == E_Box_Answer_No))
        S_Test_Box_Answer = static_cast<int>(number);
    else
        S_Test_Box_Answer = E_Box_Answer_OK;
}

int C_App_Port_Wx::S_Fn_Box(wxWindow* i_p_Owner, const std::wstring& i_Text, const std::wstring& i_Caption,
                            unsigned i_Type)
{
    if (S_Test_Box_Answer != 0) {
        std::cerr << "[" << wxString(i_Caption).utf8_string() << "] " << wxString(i_Text).utf8_string() << std::endl;
        return G_Fn_Test_Box_Answer(i_Type);
    }
    long style = wxOK;
    switch (i_Type & 0xF) {
    case 1:
        style = wxOK | wxCANCEL;
        break;
    case 3:
        style = wxYES_NO | wxCANCEL;
        break;
    case 4:
        style = wxYES_NO;
        break;
    default:
        break;
    }
    switch (i_Type & 0xF0) {
    case 0x10:
        style |= wxICON_ERROR;
        break;
    case 0x20:
        style |= wxICON_QUESTION;
        break;
    case 0x30:
        style |= wxICON_WARNING;
        break;
    case 0x40:
        style |= wxICON_INFORMATION;
        break;
    default:
        break;
    }
    // GTK's native box shows no title for the caption "Message" (the toolkit takes that text for its
    // own default and leaves the box untitled); the toolkit's generic box is a dialog of its own,
    // titled with its caption whatever it is, and centred on its owner.
    wxGenericMessageDialog dlg(i_p_Owner, i_Text, i_Caption, style | wxCENTRE);
    switch (dlg.ShowModal()) {
    case wxID_YES:
        return E_Box_Answer_Yes;
    case wxID_NO:
        return E_Box_Answer_No;
    case wxID_CANCEL:
        return E_Box_Answer_Cancel;
    default:
        return E_Box_Answer_OK;
    }
}

bool C_App_Port_Wx::M_Fn_Frame_Exists() const
{
    return m_p_App->M_Fn_Frame_Get() != nullptr;
}

bool C_App_Port_Wx::M_Fn_Output_Exists() const
{
    const auto* p_frame = m_p_App->M_Fn_Frame_Get();
    return p_frame && p_frame->M_Fn_Get_Output();
}

int C_App_Port_Wx::M_Fn_Box(const std::wstring& i_text, const std::wstring& i_caption, unsigned i_type, bool i_owned)
{
    return S_Fn_Box(i_owned ? m_p_App->M_Fn_Frame_Get() : nullptr, i_text, i_caption, i_type);
}

void C_App_Port_Wx::M_Fn_Output_Add_Line(const std::wstring& i_text)
{
    if (auto* p_frame = m_p_App->M_Fn_Frame_Get())
        if (auto* p_output = p_frame->M_Fn_Get_Output())
            p_output->M_Fn_Add_Line(i_text);
}

int C_App_Port_Wx::M_Fn_File_Dialog(const std::vector<std::wstring>& i_filters, std::wstring& io_path, int i_save,
                                    const std::wstring& i_title, std::wstring& io_file_title)
{
    wxString wildcard;
    for (std::size_t i = 0; i + 1 < i_filters.size(); i += 2) {
        if (!wildcard.empty())
            wildcard += '|';
        // GTK matches patterns case-sensitively; a save dialog keeps its pattern, whose extension
        // it appends to a name typed without one.
        wildcard += wxString(i_filters[i]) + '|' +
                    wxString(i_save ? i_filters[i + 1] : S_Fn_Pattern_No_Case(i_filters[i + 1]));
    }
    if (!S_Test_File_Answers.empty()) {
        S_Test_File_Wildcard = wildcard.ToStdWstring();
        const std::wstring answer = S_Test_File_Answers.front();
        S_Test_File_Answers.pop_front();
        if (answer.empty())
            return 0;
        io_path = answer;
        io_file_title = wxFileName(wxString(answer)).GetFullName().ToStdWstring();
        return 1;
    }
    // The initial path may be a pattern such as "*.qmxb": a pattern is no file name to offer.
    const wxFileName initial(io_path);
    wxString name = initial.GetFullName();
    if (name.find_first_of("*?") != wxString::npos)
        name.clear();
    wxString title = i_title;
    if (title.empty())
        title = i_save ? "Save As" : "Open";
    const long style = i_save ? wxFD_SAVE | wxFD_OVERWRITE_PROMPT : wxFD_OPEN | wxFD_FILE_MUST_EXIST;
    wxFileDialog dlg(m_p_App->M_Fn_Frame_Get(), title, initial.GetPath(), name, wildcard, style);
    if (dlg.ShowModal() != wxID_OK)
        return 0;
    wxString chosen = dlg.GetPath();
    // A path handed to the dialog while it is not on screen (as a modal hook does) does not reach
    // the GTK chooser; the dialog keeps its own record of it.
    if (chosen.empty())
        chosen = dlg.wxFileDialogBase::GetPath();
    if (chosen.empty())
        return 0;
    io_path = chosen.ToStdWstring();
    io_file_title = wxFileName(chosen).GetFullName().ToStdWstring();
    return 1;
}

std::wstring C_App_Port_Wx::S_Fn_Pattern_No_Case(const std::wstring& i_Pattern)
{
    std::wstring out;
    bool in_class = false;
    for (wchar_t c : i_Pattern) {
        const bool letter = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
        if (letter && !in_class) {
            const wchar_t lower = static_cast<wchar_t>(c | 0x20);
            out += L'[';
            out += lower;
            out += static_cast<wchar_t>(lower - 0x20);
            out += L']';
            continue;
        }
        if (c == L'[')
            in_class = true;
        else if (c == L']')
            in_class = false;
        out += c;
    }
    return out;
}

int C_App_Port_Wx::M_Fn_Enter_Text(const std::wstring& i_Prompt, std::wstring& io_Text)
{
    N_Enter::C_Dlg_Enter_Text dlg(m_p_App->M_Fn_Frame_Get());
    dlg.m_Prompt = i_Prompt;
    dlg.m_Text = io_Text;
    if (dlg.ShowModal() != 1)
        return 0;
    io_Text = dlg.m_Text;
    return 1;
}

void C_App_Port_Wx::M_Fn_Doc_Proj_Modified(bool)
{
    // The framework shows no mark of a modified document.
}

void C_App_Port_Wx::M_Fn_Doc_Proj_Title(const std::wstring& i_Title)
{
    if (auto* p_frame = m_p_App->M_Fn_Frame_Get()) {
        p_frame->M_Fn_Title_Doc_Set(i_Title);
        if (N_MDI::N_Proj::C_Doc* p_doc = p_frame->M_Fn_Get_Doc_Proj())
            p_doc->M_Fn_Title_Show(i_Title);
    }
}

int C_App_Port_Wx::M_Fn_Doc_Proj_Save_Prompt(const std::wstring& i_Title)
{
    return S_Fn_Box(m_p_App->M_Fn_Frame_Get(), L"Save changes to " + i_Title + L"?", C_App::S_Product_Name, 3 | 0x30);
}

void C_App_Port_Wx::M_Fn_UI_Queue_Wake()
{
    // May run on the worker thread: CallAfter only queues an event, which is safe from any thread.
    if (wxTheApp)
        wxTheApp->CallAfter([] {
            if (C_App* p_app = C_App::S_Fn_Get())
                p_app->M_Fn_UI_Queue_Run();
        });
}

void C_App_Port_Wx::M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj)
{
    if (auto* p_frame = m_p_App->M_Fn_Frame_Get())
        p_frame->M_Fn_Proj_Connect(ro_Proj);
}

int C_App_Port_Wx::M_Fn_Progress_Run()
{
    auto* p_frame = m_p_App->M_Fn_Frame_Get();
    return p_frame ? p_frame->M_Fn_Progress_Run() : 0;
}

// --- text in the OpenGL views ----------------------------------------------------------------------

void C_App_Port_Wx::M_Fn_GL_Draw_Text(const std::wstring& i_Text)
{
    if (auto* p_view = N_Common::N_Graphic::N_OpenGL::C_View::S_Fn_Current())
        p_view->M_Fn_Draw_Text(i_Text);
}

void C_App_Port_Wx::M_Fn_GL_Get_Text_Extent(const std::wstring& i_Text, int& o_Width, int& o_Height)
{
    o_Width = 0;
    o_Height = 0;
    if (auto* p_view = N_Common::N_Graphic::N_OpenGL::C_View::S_Fn_Current()) {
        const auto extent = p_view->M_Fn_Get_Text_Extent(i_Text);
        o_Width = extent.m_Width;
        o_Height = extent.m_Height;
    }
}

// --- section documents ---------------------------------------------------------------------------

int C_App_Port_Wx::M_Fn_Doc_Sect_Create()
{
    // The document links itself to its section and lives until the link closes it.
    new N_MDI::N_Sect::C_Doc();
    return 1;
}

// --- the project window ----------------------------------------------------------------------------

namespace {

N_MDI::N_Proj::C_Doc* G_Fn_Doc_Proj(C_App_UI* i_p_App)
{
    auto* p_frame = i_p_App->M_Fn_Frame_Get();
    return p_frame ? p_frame->M_Fn_Get_Doc_Proj() : nullptr;
}

} // namespace

void C_App_Port_Wx::M_Fn_View_Proj_Main_Invalidate()
{
    if (N_MDI::N_Proj::C_Doc* p_doc = G_Fn_Doc_Proj(m_p_App))
        if (N_MDI::N_Proj::C_Wnd_Frame_Child* p_frame = p_doc->M_Fn_Get_Frame())
            if (p_frame->M_Fn_Get_View_Main())
                p_frame->M_Fn_Get_View_Main()->Refresh(false);
}

int C_App_Port_Wx::M_Fn_Frame_Proj_Open()
{
    N_MDI::N_Proj::C_Doc* p_doc = G_Fn_Doc_Proj(m_p_App);
    return p_doc ? p_doc->M_Fn_Frame_Create() : 0;
}

bool C_App_Port_Wx::M_Fn_Frame_Proj_Close()
{
    N_MDI::N_Proj::C_Doc* p_doc = G_Fn_Doc_Proj(m_p_App);
    return p_doc && p_doc->M_Fn_Frame_Close();
}

// --- clipboard -----------------------------------------------------------------------------------

int C_App_Port_Wx::M_Fn_Clipboard_Set_Text(const std::string& i_Utf8)
{
    if (!wxTheClipboard->Open())
        return E_Clipboard_Open_Failed;
    // SetData clears the clipboard first and owns the data object from then on.
    const bool set = wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(i_Utf8.data(), i_Utf8.size())));
    wxTheClipboard->Close();
    return set ? E_Clipboard_Set : E_Clipboard_Set_Failed;
}

} // namespace N_UI
