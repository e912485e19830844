#include "biz/iges/Biz_IGES_Export_Context_File.h"

#include "app/App.h"
#include "biz/iges/Biz_IGES_Export_Fn.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <fstream>

namespace N_Biz::N_IGES::N_Export {

namespace {

// The largest sequence number columns 74-80 can carry.
constexpr std::size_t S_Count_Line_Max = 9999999;

// A delimiter the reader can tell from data: printable punctuation that cannot start or continue a
// number.
bool S_Fn_If_Delimiter_Usable(char i_C)
{
    const unsigned char c = static_cast<unsigned char>(i_C);
    if (c <= ' ' || c >= 127)
        return false;
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return false;
    return c != '+' && c != '-' && c != '.';
}

} // namespace

C_Context_File::C_Context_File(const std::wstring& i_Path, const std::wstring& i_Name_File)
    : m_Path(i_Path), m_Name_File(i_Name_File)
{
}

C_Context_File::~C_Context_File() = default;

int C_Context_File::M_Fn_Export()
{
    C_App::G_Fn_Msg(L"File writing...");
    int result = M_Fn_Export_Section_Start();
    if (result != 1)
        return result;
    if ((result = M_Fn_Export_Section_Global()) != 1)
        return result;
    if ((result = M_Fn_Export_Section_Entity()) != 1)
        return result;
    if ((result = M_Fn_Export_Section_Terminate()) != 1)
        return result;
    if ((result = M_Fn_Export_File()) != 1)
        return result;
    C_App::G_Fn_Msg(L"======== Finished ========");
    return 1;
}

int C_Context_File::M_Fn_Export_Section_Start()
{
    m_Lines_S.clear();
    std::string line = "START RECORD GO HERE";
    line.resize(72, ' ');
    m_Lines_S.push_back(std::move(line));
    return 1;
}

int C_Context_File::M_Fn_Export_Section_Global()
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Export::C_Context_File::M_Fn_Export_Section_Global";
    if (!m_sp_Global)
        VT_THROW(s_Function);
    const char p = m_sp_Global->m_Delimiter_Param;
    const char r = m_sp_Global->m_Delimiter_Record;
    if (p == r || !S_Fn_If_Delimiter_Usable(p) || !S_Fn_If_Delimiter_Usable(r))
        VT_THROW(s_Function);
    m_Delimiter_Param = p;
    m_Delimiter_Record = r;
    m_Lines_G.clear();
    Fn_Write_Field_String(m_Lines_G, std::string(1, p), p, r, false, G_Width_Global);
    Fn_Write_Field_String(m_Lines_G, std::string(1, r), p, r, false, G_Width_Global);
    m_sp_Global->M_Fn_Export(m_Lines_G);
    return 1;
}

int C_Context_File::M_Fn_Export_Section_Entity()
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Export::C_Context_File::M_Fn_Export_Section_Entity";
    if (m_Delimiter_Param == 0 || m_Delimiter_Record == 0)
        VT_THROW(s_Function);
    // The whole table is checked before the first line is composed.
    std::uint32_t last = 0;
    for (std::uint32_t slot = 1; slot < m_Table.size(); ++slot)
        if (m_Table.is_used_at(slot))
            last = slot;
    for (std::uint32_t slot = 1; slot <= last; ++slot) {
        if (!m_Table.is_used_at(slot))
            VT_THROW(s_Function);
        const std::shared_ptr<C_Entity>& entity = m_Table.at(slot);
        if (!entity || entity->m_Id != std::int32_t(slot))
            VT_THROW(s_Function);
        entity->M_Fn_Check_References(m_Table);
    }
    m_Lines_D.clear();
    m_Lines_P.clear();
    for (std::uint32_t slot = 1; slot <= last; ++slot)
        m_Table.at(slot)->M_Fn_Export(m_Lines_D, m_Lines_P, m_Delimiter_Param, m_Delimiter_Record);
    return 1;
}

int C_Context_File::M_Fn_Export_Section_Terminate()
{
    m_Lines_T.clear();
    std::string line;
    const char letters[] = {'S', 'G', 'D', 'P'};
    const std::vector<std::string>* const sections[] = {&m_Lines_S, &m_Lines_G, &m_Lines_D, &m_Lines_P};
    for (std::size_t i = 0; i < 4; ++i) {
        line += letters[i];
        line += Fn_Format_Fixed_Integer(std::int64_t(sections[i]->size()), 7);
    }
    line.append(40, ' ');
    m_Lines_T.push_back(std::move(line));
    return 1;
}

int C_Context_File::M_Fn_Export_File()
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Export::C_Context_File::M_Fn_Export_File";
    C_App::G_Fn_Msg(L"Path: " + m_Path);
    // Every line must be complete before the file is touched.
    const std::vector<std::string>* const sections[] = {&m_Lines_S, &m_Lines_G, &m_Lines_D, &m_Lines_P, &m_Lines_T};
    for (const std::vector<std::string>* section : sections) {
        if (section->size() > S_Count_Line_Max)
            VT_THROW(s_Function);
        for (const std::string& line : *section)
            if (line.size() != 72)
                VT_THROW(s_Function);
    }
    std::ofstream file(N_Common::N_String::G_Fn_To_Narrow_UTF8(m_Path),
                       std::ios::out | std::ios::binary | std::ios::trunc);
    if (!file.is_open()) {
        C_App::G_Fn_Msg(L"Error: Failed to open file.");
        return 0;
    }
    M_Fn_Export_Stream(file);
    file.close();
    if (file.fail())
        VT_THROW(s_Function);
    return 1;
}

int C_Context_File::M_Fn_Export_Stream(std::ostream& io_Stream) const
{
    static const char* const s_Function = "N_Biz::N_IGES::N_Export::C_Context_File::M_Fn_Export_Stream";
    const char letters[] = {'S', 'G', 'D', 'P', 'T'};
    const std::vector<std::string>* const sections[] = {&m_Lines_S, &m_Lines_G, &m_Lines_D, &m_Lines_P, &m_Lines_T};
    std::string text;
    for (std::size_t i = 0; i < 5; ++i) {
        if (sections[i]->size() > S_Count_Line_Max)
            VT_THROW(s_Function);
        std::size_t sequence = 0;
        for (const std::string& line : *sections[i]) {
            if (line.size() != 72)
                VT_THROW(s_Function);
            text = line;
            text += letters[i];
            text += Fn_Format_Fixed_Integer(std::int64_t(++sequence), 7);
            text += '\n';
            io_Stream.write(text.data(), std::streamsize(text.size()));
        }
    }
    io_Stream.flush();
    if (!io_Stream)
        VT_THROW(s_Function);
    return 1;
}

} // namespace N_Biz::N_IGES::N_Export
