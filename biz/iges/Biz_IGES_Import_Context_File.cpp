#include "biz/iges/Biz_IGES_Import_Context_File.h"

#include "app/App.h"
#include "biz/iges/Biz_IGES_Import_Fn.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <fstream>

namespace N_Biz::N_IGES::N_Import {

C_Context_File::C_Context_File(const std::wstring& i_Path, const std::wstring& i_Name_File)
    : m_Path(i_Path), m_Name_File(i_Name_File)
{
}

int C_Context_File::M_Fn_Import()
{
    C_App::G_Fn_Msg(L"File reading...");
    int result = M_Fn_Import_File();
    if (result != 1)
        return result;
    if ((result = M_Fn_Import_Section_Global_Join()) != 1)
        return result;
    if ((result = M_Fn_Import_Section_Global()) != 1)
        return result;
    if ((result = M_Fn_Import_Section_Entity()) != 1)
        return result;
    C_App::G_Fn_Msg(L"======== Finished ========");
    return 1;
}

int C_Context_File::M_Fn_Import_File()
{
    C_App::G_Fn_Msg(L"Path: " + m_Path);
    std::ifstream file(N_Common::N_String::G_Fn_To_Narrow_UTF8(m_Path), std::ios::in | std::ios::binary);
    if (!file.is_open()) {
        C_App::G_Fn_Msg(L"Error: Failed to open file.");
        return 0;
    }
    return M_Fn_Import_Stream(file);
}

int C_Context_File::M_Fn_Import_Stream(std::istream& io_Stream)
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Import::C_Context_File::M_Fn_Import_File";
    std::vector<std::string>* const sections[] = {&m_Lines_S, &m_Lines_G, &m_Lines_D, &m_Lines_P, &m_Lines_T};
    const std::size_t reserve[] = {256, 256, 4096, 4096, 256};
    for (std::size_t i = 0; i < 5; ++i) {
        sections[i]->clear();
        sections[i]->reserve(reserve[i]);
        sections[i]->emplace_back();
    }
    m_Count_Line = 1;
    for (;;) {
        if (!std::getline(io_Stream, m_Line)) {
            if (io_Stream.eof() && !io_Stream.bad())
                break;
            VT_THROW(s_Function);
        }
        if (m_Count_Line == INT32_MAX)
            VT_THROW(s_Function);
        ++m_Count_Line;
        // A CR LF line end leaves its CR on the line; it is no column.
        if (!m_Line.empty() && m_Line.back() == '\r')
            m_Line.pop_back();
        if (m_Line.size() < 80)
            VT_THROW(s_Function);
        std::vector<std::string>* section = nullptr;
        switch (m_Line[72]) {
        case 'S': section = &m_Lines_S; break;
        case 'G': section = &m_Lines_G; break;
        case 'D': section = &m_Lines_D; break;
        case 'P': section = &m_Lines_P; break;
        case 'T': section = &m_Lines_T; break;
        default: VT_THROW(s_Function);
        }
        // Columns 74-80: one unsigned number between blanks (blank- or zero-filled); anything else
        // in them is no sequence number.
        std::uint32_t sequence = 0;
        std::size_t column = 73;
        while (column < 80 && m_Line[column] == ' ')
            ++column;
        while (column < 80 && m_Line[column] >= '0' && m_Line[column] <= '9')
            sequence = sequence * 10 + std::uint32_t(m_Line[column++] - '0');
        while (column < 80 && m_Line[column] == ' ')
            ++column;
        if (column != 80)
            VT_THROW(s_Function);
        if (sequence != section->size())
            VT_THROW(s_Function);
        section->emplace_back(m_Line, 0, 72);
    }
    return 1;
}

int C_Context_File::M_Fn_Import_Section_Global_Join()
{
    m_Text_Global.clear();
    for (std::size_t i = 1; i < m_Lines_G.size(); ++i)
        m_Text_Global += m_Lines_G[i];
    return 1;
}

int C_Context_File::M_Fn_Import_Section_Global()
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Import::C_Context_File::M_Fn_Import_Section_Global";
    std::string text;
    for (std::size_t i = 1; i < m_Lines_G.size(); ++i)
        text += m_Lines_G[i];
    std::string_view rest(text);
    bool end = false;
    // Parameter 1 names the parameter delimiter; it is read with the default delimiters. A global
    // section that defaults it (begins with two delimiters) is refused.
    std::string delimiter_param;
    Fn_Read_Free_Field_String(end, rest, ',', ';', delimiter_param);
    if (delimiter_param.size() != 1)
        VT_THROW(s_Function);
    // Parameter 2, the record delimiter, likewise.
    std::string delimiter_record;
    Fn_Read_Free_Field_String(end, rest, ',', ';', delimiter_record);
    if (delimiter_record.size() != 1)
        VT_THROW(s_Function);
    m_Delimiter_Param = delimiter_param[0];
    m_Delimiter_Record = delimiter_record[0];
    auto global = std::make_shared<C_Global>();
    global->m_Delimiter_Param = m_Delimiter_Param;
    global->m_Delimiter_Record = m_Delimiter_Record;
    m_sp_Global = global;
    global->M_Fn_Import(rest, m_Delimiter_Param, m_Delimiter_Record, end);
    return 1;
}

int C_Context_File::M_Fn_Import_Section_Entity()
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Import::C_Context_File::M_Fn_Import_Section_Entity";
    const std::size_t count_line = m_Lines_D.size() - 1;
    if (count_line < 2)
        return 1;
    m_Table.reserve(count_line / 2 + 1);
    for (std::size_t k = 1; 2 * k <= count_line; ++k) {
        const std::uint32_t line = std::uint32_t(2 * k - 1);
        const std::int32_t type = Fn_Read_Fixed_Integer(m_Lines_D[line], 1, 8);
        std::shared_ptr<C_Entity> entity = C_Entity::S_Fn_Factory_spo_Entity(type);
        if (!entity)
            VT_THROW(s_Function);
        m_Table.add_at(std::uint32_t(k), entity);
        entity->M_Fn_Import(m_Lines_D, line, m_Lines_P, m_Delimiter_Param, m_Delimiter_Record);
    }
    return 1;
}

} // namespace N_Biz::N_IGES::N_Import
