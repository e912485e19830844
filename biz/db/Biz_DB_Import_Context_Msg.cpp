#include "biz/db/Biz_DB_Import_Context_Msg.h"

#include "app/App.h"

namespace N_Biz::N_DB::N_Import {

void C_Context_Msg::M_Fn_Msg(const std::wstring& i_Text)
{
    C_App::G_Fn_Msg(i_Text);
}

void C_Context_Msg::M_Fn_Warn(const std::wstring& i_Text)
{
    ++m_Warn_Count;
    if (m_Warn_Count <= S_Shown_Max)
        C_App::G_Fn_Msg(i_Text);
    else if (m_Warn_Count <= S_Shown_Max + S_Logged_Max)
        M_Fn_Log(i_Text);
}

void C_Context_Msg::M_Fn_Log(const std::wstring& i_Text)
{
    if (C_App* app = C_App::S_Fn_Get())
        app->M_Fn_Log(i_Text);
}

void C_Context_Msg::M_Fn_Finish()
{
    if (m_Finished || m_Warn_Count <= S_Shown_Max)
        return;
    m_Finished = 1;
    C_App::G_Fn_Msg(L"Warning: " + std::to_wstring(m_Warn_Count - S_Shown_Max) + L" more warnings were not shown.");
}

std::wstring C_Context_Msg::S_Fn_Line(std::uint64_t i_Line)
{
    return L"Line: " + std::to_wstring(i_Line) + L", ";
}

std::wstring C_Context_Msg::S_Fn_Line_Char(std::uint64_t i_Line, std::uint64_t i_Pos)
{
    return L"Line: " + std::to_wstring(i_Line) + L", Char: " + std::to_wstring(i_Pos + 1) + L", ";
}

} // namespace N_Biz::N_DB::N_Import
