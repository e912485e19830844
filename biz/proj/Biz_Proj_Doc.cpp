#include "biz/proj/Biz_Proj_Doc.h"

#include "app/App.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace N_Biz::N_Proj {

C_Doc::T_Fn_File C_Doc::S_Fn_Read = &C_Mgr_Doc::S_Fn_File_Read;
C_Doc::T_Fn_File C_Doc::S_Fn_Write = &C_Mgr_Doc::S_Fn_File_Write;
int C_Doc::S_Count_Untitled = 0;

namespace {

// The file's name: the part of the path after its last separator.
std::wstring G_Fn_File_Title(const std::wstring& i_Path)
{
    const std::size_t slash = i_Path.find_last_of(L"/\\");
    return slash == std::wstring::npos ? i_Path : i_Path.substr(slash + 1);
}

} // namespace

C_Doc::C_Doc() : m_p_Proj(C_Mgr_Doc::S_Fn_Proj_Creating_Get())
{
    if (!m_p_Proj)
        VT_THROW("N_Biz::N_Proj::C_Doc::C_Doc");
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_On_Construct(this);
}

C_Doc::~C_Doc()
{
    try {
        m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_On_Destruct();
    } catch (...) {
        C_Proj::S_Fn_Report_Exception_Current("N_Biz::N_Proj::C_Doc::~C_Doc", __FILE__, __LINE__);
    }
}

int C_Doc::M_Fn_On_New_Document()
{
    M_Fn_Set_Title(L"Project " + std::to_wstring(++S_Count_Untitled));
    return 1;
}

int C_Doc::M_Fn_On_Open_Document(const std::wstring& i_Path)
{
    if (!S_Fn_Read || S_Fn_Read(*m_p_Proj, i_Path) != 1)
        return 0;
    M_Fn_Set_Modified_Flag(false);
    m_Path = i_Path;
    M_Fn_Set_Title(G_Fn_File_Title(i_Path));
    C_App::G_Fn_Msg(L"Opened project: " + i_Path);
    return 1;
}

int C_Doc::M_Fn_On_Save_Document(const std::wstring& i_Path)
{
    if (!S_Fn_Write || S_Fn_Write(*m_p_Proj, i_Path) != 1)
        return 0;
    M_Fn_Set_Modified_Flag(false);
    C_App::G_Fn_Msg(L"Project saved: " + i_Path);
    return 1;
}

void C_Doc::M_Fn_Set_Title(const std::wstring& i_Title)
{
    m_Title = i_Title;
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_UI_Doc_Proj_Title(m_Title);
    m_p_Proj->M_Fn_Get_Mgr_Doc().M_Fn_On_Set_Title();
}

void C_Doc::M_Fn_Set_Modified_Flag(bool i_Modified)
{
    m_Modified = i_Modified;
    if (C_App* p_app = C_App::S_Fn_Get())
        p_app->M_Fn_UI_Doc_Proj_Modified(i_Modified);
}

int C_Doc::M_Fn_Save_Modified()
{
    if (!m_Modified)
        return 1;
    C_App* p_app = C_App::S_Fn_Get();
    const int answer = p_app ? p_app->M_Fn_UI_Doc_Proj_Save_Prompt(m_Title) : E_Box_Answer_Cancel;
    if (answer == E_Box_Answer_Yes)
        return M_Fn_Do_File_Save();
    if (answer == E_Box_Answer_No)
        return 1;
    return 0;
}

int C_Doc::M_Fn_Do_File_Save()
{
    return M_Fn_Do_Save(m_Path);
}

int C_Doc::M_Fn_Do_Save(const std::wstring& i_Path)
{
    std::wstring path = i_Path;
    if (path.empty()) {
        C_App* p_app = C_App::S_Fn_Get();
        if (!p_app)
            return 0;
        const std::vector<std::wstring> filters{L"Project in binary (*.qmxb)", L"*.qmxb", L"Project in text (*.qmxt)",
                                                L"*.qmxt"};
        std::wstring chosen = L"*.qmxb";
        std::wstring file_title;
        if (p_app->M_Fn_UI_File_Dialog(filters, chosen, 1, L"Save File As", file_title) != 1)
            return 0;
        path = chosen;
        // The document's own question about a file that is there (the test creates nothing).
        std::error_code error;
        if (std::filesystem::exists(std::filesystem::path(N_Common::N_String::G_Fn_To_Narrow_UTF8(path)), error) &&
            p_app->M_Fn_Msg(path + L" already exists.\nDo you want to overwrite it?", E_Box_Yes_No) != E_Box_Answer_Yes)
            return 0;
    }
    if (M_Fn_On_Save_Document(path) != 1)
        return 0;
    if (path != m_Path) {
        m_Path = path;
        M_Fn_Set_Title(G_Fn_File_Title(path));
    }
    return 1;
}

void C_Doc::M_Fn_On_Close_Document()
{
    delete this;
}

} // namespace N_Biz::N_Proj
