#include "biz/db/Biz_DB_Import_Dyna_Context_Model.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Import_Context_Row.h"
#include "biz/db/Biz_DB_Import_File_Line.h"
#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <algorithm>

namespace N_Biz::N_DB::N_Import::N_Dyna {

namespace {

// The keyword of a keyword line: the text after "*", blanks at both ends dropped, in upper case.
std::string G_Fn_Keyword(std::string_view i_Line)
{
    std::string keyword(G_Fn_Trim_View(i_Line.substr(1)));
    for (char& c : keyword)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return keyword;
}

bool G_Fn_Is_Keyword(std::string_view i_Line, std::string_view i_Keyword)
{
    return !i_Line.empty() && i_Line.front() == '*' && G_Fn_Keyword(i_Line) == i_Keyword;
}

const C_Info_Schema& G_Fn_Schema()
{
    C_App* app = C_App::S_Fn_Get();
    if (!app || !app->m_sp_Schema || !app->m_sp_Schema->M_Fn_Is_Done())
        VT_THROW("N_Biz::N_DB::N_Import::N_Dyna::C_Context_Model::M_Fn_Import");
    return *app->m_sp_Schema;
}

} // namespace

C_Context_Model::C_Context_Model(N_Model::C_Model_Data& ro_Data, N_Model::C_Proj_Port* i_p_Port,
                                 std::shared_ptr<N_Cmd::C_Elem_Group> i_sp_Group, std::wstring i_Path)
    : C_Context_Catalog(ro_Data, i_p_Port, std::move(i_sp_Group)), m_Path(std::move(i_Path))
{
}

C_Context_Model::~C_Context_Model() = default;

std::uint32_t C_Context_Model::M_Fn_Import()
{
    S_Fn_Progress_Reading();
    m_Msg.M_Fn_Msg(L"File reading start...");
    // No data checking: rows are filed as soon as they are complete.
    const std::uint32_t result = M_Fn_Import_File();
    return M_Fn_Import_Conclude(result, m_Line_Count, nullptr);
}

std::uint32_t C_Context_Model::M_Fn_Import_File()
{
    m_Msg.M_Fn_Msg(L"Path: " + m_Path);
    C_File_Line reader;
    if (!reader.M_Fn_Open(m_Path)) {
        m_Msg.M_Fn_Msg(L"Error: Failed to open file.");
        return 0;
    }
    std::string_view line;
    bool cut = false;
    while (reader.M_Fn_Read(line, cut)) {
        ++m_Line_Count;
        S_Fn_Progress_Line(m_Line_Count);
        if (cut)
            m_Msg.M_Fn_Warn(C_Context_Msg::S_Fn_Line(m_Line_Count) + L"Warning: Line is longer than " +
                            std::to_wstring(C_File_Line::S_Line_Max) + L" characters, the rest of it is ignored.");
        try {
            switch (m_State) {
            case E_State_Before:
                if (line.size() >= 8 && line.front() == '*' && G_Fn_Keyword(line.substr(0, 8)) == "KEYWORD")
                    m_State = E_State_Inside;
                break;
            case E_State_Inside:
                if (G_Fn_Is_Keyword(line, "END")) {
                    M_Fn_Row_Drop_Incomplete();
                    m_State = E_State_Ended;
                    break;
                }
                if (const std::uint32_t result = M_Fn_Import_Line_Head(line); result != 1)
                    return result;
                break;
            default: break;
            }
        } catch (...) {
            m_Msg.M_Fn_Msg(L"Line: " + std::to_wstring(m_Line_Count) + L", Exception occurred!");
            throw;
        }
    }
    switch (m_State) {
    case E_State_Before: m_Msg.M_Fn_Msg(L"Error: Failed to find *KEYWORD."); return 0;
    case E_State_Inside: m_Msg.M_Fn_Msg(L"Error: Failed to find *END."); return 0;
    default: return 1;
    }
}

std::uint32_t C_Context_Model::M_Fn_Import_Line_Head(std::string_view i_Line)
{
    if (!i_Line.empty() && i_Line.front() == '$')
        return 1;
    if (i_Line.empty() || i_Line.front() != '*')
        return M_Fn_Import_Line_Content(i_Line);
    M_Fn_Row_Drop_Incomplete();
    const std::string keyword = G_Fn_Keyword(i_Line);
    m_sp_Context = G_Fn_Schema().M_Fn_Import_Create_spo_Context_Row_Dyna(keyword);
    if (m_sp_Context) {
        m_sp_Context->M_Fn_Msg_Set(&m_Msg);
        return 1;
    }
    if (M_Fn_Keyword_Unconcerned_Add(keyword))
        m_Msg.M_Fn_Log(C_Context_Msg::S_Fn_Line(m_Line_Count) + L"Unconcerned keyword: " + N_Common::N_String::G_Fn_To_Wide(keyword));
    return 1;
}

std::uint32_t C_Context_Model::M_Fn_Import_Line_Content(std::string_view i_Line)
{
    if (!m_sp_Context)
        return 1;
    C_Context_Row& context = *m_sp_Context;
    if (!context.M_Fn_Has_Row()) {
        context.M_Fn_Row_Create();
        ++m_Count_Row;
        context.M_Fn_Pos_Field_Move_on(1);
        if (context.M_Fn_Is_Finished())
            VT_THROW("N_Biz::N_DB::N_Import::N_Dyna::C_Context_Model::M_Fn_Import_Line_Content");
        m_Row_Line = m_Line_Count;
    }
    const bool comma = i_Line.find(',') != std::string_view::npos;
    std::size_t pos = 0;
    for (;;) {
        const C_Info_Column& column = context.M_Fn_Field_Curr_Get_ro_Info_Column();
        const std::size_t width = column.M_Fn_Size_Stream();
        const std::size_t start = pos;
        std::string_view text;
        if (comma) {
            if (pos < i_Line.size()) {
                const std::size_t next = i_Line.find(',', pos);
                if (next == std::string_view::npos) {
                    text = i_Line.substr(pos);
                    pos = i_Line.size();
                } else {
                    text = i_Line.substr(pos, next - pos);
                    pos = next + 1;
                }
                // Blanks around a value do not count; a value longer than its column is refused.
                if (width == 0) {
                    text = std::string_view();
                } else if (text.size() > width) {
                    text = G_Fn_Trim_View(text);
                    if (text.size() > width) {
                        m_Msg.M_Fn_Warn_Lazy([&] {
                            return C_Context_Msg::S_Fn_Line_Char(m_Line_Count, start) + L"Warning: Field is longer than " +
                                   std::to_wstring(width) + L" characters, trying to assign with default value.";
                        });
                        text = std::string_view();
                    }
                }
            }
        } else {
            if (pos < i_Line.size())
                text = i_Line.substr(pos, width);
            pos += width;
        }
        context.M_Fn_Field_Curr_Import(text, m_Line_Count, start);
        const bool end_of_line = column.M_Fn_Is_End_of_Line();
        context.M_Fn_Pos_Field_Move_on(1);
        if (context.M_Fn_Is_Finished()) {
            M_Fn_Row_File();
            return 1;
        }
        if (end_of_line)
            return 1;
    }
}

void C_Context_Model::M_Fn_Row_File()
{
    C_Context_Row& context = *m_sp_Context;
    M_Fn_Import_Row_Adopt(context, m_Line_Count);
    // A row with a field that had no value is dropped after its warnings; the card goes on.
    if (context.M_Fn_Has_Row())
        context.M_Fn_Reset();
}

void C_Context_Model::M_Fn_Row_Drop_Incomplete()
{
    if (!m_sp_Context || !m_sp_Context->M_Fn_Has_Row())
        return;
    m_Msg.M_Fn_Warn_Lazy([&] { return C_Context_Msg::S_Fn_Line(m_Row_Line) + L"Warning: Entry is incomplete, it is ignored."; });
    m_sp_Context->M_Fn_Reset();
}

} // namespace N_Biz::N_DB::N_Import::N_Dyna
