#include "biz/db/Biz_DB_Import_Nastran_Context_Model.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Import_Context_Row.h"
#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Obj_Ops.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <algorithm>
#include <functional>
#include <mutex>

namespace N_Biz::N_DB::N_Import::N_Nastran {

namespace {

// Registrations of mnemonics of ignored entries kept at most: they only keep the continuations of
// unknown cards quiet, and a hostile deck must not grow the map without end.
constexpr std::size_t G_Mnemonic_Ignored_Max = std::size_t(1) << 20;

char G_Fn_Upper(char i_Char)
{
    return (i_Char >= 'a' && i_Char <= 'z') ? static_cast<char>(i_Char - 'a' + 'A') : i_Char;
}

std::string G_Fn_Upper(std::string_view i_Text)
{
    std::string text(i_Text);
    for (char& c : text)
        c = G_Fn_Upper(c);
    return text;
}

// Whether i_Line begins with i_Word (an upper-case word), in any case.
bool G_Fn_Begins(std::string_view i_Line, std::string_view i_Word)
{
    if (i_Line.size() < i_Word.size())
        return false;
    for (std::size_t i = 0; i < i_Word.size(); ++i)
        if (G_Fn_Upper(i_Line[i]) != i_Word[i])
            return false;
    return true;
}

const C_Info_Schema& G_Fn_Schema()
{
    C_App* app = C_App::S_Fn_Get();
    if (!app || !app->m_sp_Schema || !app->m_sp_Schema->M_Fn_Is_Done())
        VT_THROW("N_Biz::N_DB::N_Import::N_Nastran::C_Context_Model::M_Fn_Import");
    return *app->m_sp_Schema;
}

// A physical line as the reader takes it: cut at its first "$", tabs expanded to the next multiple
// of 8 columns (into io_Scratch, which the result may view). Empty when nothing but blanks is left.
std::string_view G_Fn_Line_Prepare(std::string_view i_Line, std::string& io_Scratch)
{
    std::string_view line = i_Line;
    const std::size_t comment = line.find('$');
    if (comment != std::string_view::npos)
        line = line.substr(0, comment);
    if (G_Fn_Trim_View(line).empty())
        return {};
    if (line.find('\t') != std::string_view::npos) {
        io_Scratch.clear();
        for (char c : line) {
            if (io_Scratch.size() >= C_File_Line::S_Line_Max)
                break;
            if (c == '\t')
                io_Scratch.append(8 - io_Scratch.size() % 8, ' ');
            else
                io_Scratch.push_back(c);
        }
        line = io_Scratch;
    }
    return line;
}

// The head of a bulk line (the text before a comma within the first nine characters, else the
// first eight characters), trimmed; o_Comma the first comma's position.
std::string_view G_Fn_Head(std::string_view i_Line, std::size_t& o_Comma, bool& o_Free)
{
    o_Comma = i_Line.find(',');
    o_Free = o_Comma != std::string_view::npos && o_Comma <= 8;
    return G_Fn_Trim_View(o_Free ? i_Line.substr(0, o_Comma) : i_Line.substr(0, std::min<std::size_t>(8, i_Line.size())));
}

// The mnemonic by which a head continues an entry ("+name" with its run of leading "+" reduced to
// one, or "*name"); empty for any other head.
std::string_view G_Fn_Head_Mnemonic(std::string_view i_Head)
{
    if (i_Head.size() < 2)
        return {};
    if (i_Head.front() == '*')
        return i_Head[1] == '(' ? std::string_view() : i_Head;
    if (i_Head.front() != '+')
        return {};
    const std::size_t signs = i_Head.find_first_not_of('+');
    if (signs == std::string_view::npos)
        return {};
    return i_Head.substr(signs - 1);
}

// The path of an included file: a relative name is relative to the directory of the including file.
std::wstring G_Fn_Include_Path(const std::string& i_Name, const std::wstring& i_Including)
{
    std::wstring path = N_Common::N_String::G_Fn_To_Wide_UTF8(i_Name);
    if (path.empty() || path.front() != L'/') {
        const std::size_t slash = i_Including.rfind(L'/');
        if (slash != std::wstring::npos)
            path = i_Including.substr(0, slash + 1) + path;
    }
    return path;
}

// Whether a field text reads as a number ("+1.", "+2.5-3").
bool G_Fn_Is_Number(std::string_view i_Text)
{
    float value = 0.0f;
    return G_Fn_Obj_Text_I_Field(E_Type_Obj_FLOAT32, &value, i_Text) == 1;
}

std::uint64_t G_Fn_Hash(std::string_view i_Text)
{
    return std::hash<std::string_view>()(i_Text);
}

std::wstring G_Fn_Wide(std::string_view i_Text)
{
    return N_Common::N_String::G_Fn_To_Wide(i_Text);
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
    m_Include_Depth = 1;
    m_sp_File = std::make_shared<C_Context_File>();
    m_sp_File->m_Path = m_Path;
    const std::uint32_t result = M_Fn_Import_File();
    if (m_Replication)
        m_Msg.M_Fn_Msg(L"This file contains replication format, which is not supported. Please convert the file by Nastran "
                       L"with ECHO=PUNCH first and try again.");
    else if (m_Replication_Possible)
        m_Msg.M_Fn_Msg(L"This file may not been correctly imported because it may contains replication format, which is not "
                       L"supported. It is recommended to convert the file by Nastran with ECHO=PUNCH first and try again.");
    return M_Fn_Import_Conclude(result, m_Line_Total, [this]() -> std::uint32_t {
        m_Msg.M_Fn_Msg(L"Data checking start...");
        const std::uint32_t checked = M_Fn_Import_Finish();
        m_Msg.M_Fn_Msg(checked == 1 ? L"Data checking finished." : L"Data checking failed.");
        return checked;
    });
}

std::uint32_t C_Context_Model::M_Fn_Import_File()
{
    // Held here: an INCLUDE replaces the current file context while it is read.
    const std::shared_ptr<C_Context_File> sp_file = m_sp_File;
    C_Context_File& file = *sp_file;
    m_Msg.M_Fn_Msg(L"Path: " + file.m_Path);
    const std::uint64_t total_before = m_Line_Total;
    for (int pass = 0;; ++pass) {
        C_File_Line reader;
        if (!reader.M_Fn_Open(file.m_Path)) {
            m_Msg.M_Fn_Msg(L"Error: Failed to open file.");
            return 0;
        }
        bool cend = false;
        const std::uint32_t result = M_Fn_Import_File_Lines(reader, cend);
        if (result != 1)
            return result;
        if (m_Include_Collecting) {
            m_Include_Collecting = false;
            m_Msg.M_Fn_Msg(C_Context_Msg::S_Fn_Line(file.m_Line) + L"Error: Failed to find the closing ' of the INCLUDE file name.");
            return 0;
        }
        switch (file.m_State) {
        case C_Context_File::E_State_Before_Bulk:
            // A file with neither executive control nor "BEGIN BULK" holds bulk data only (as the
            // files meant for INCLUDE do): it is read again, as bulk data.
            if (pass == 0 && m_Include_Depth == 1 && !cend) {
                m_Msg.M_Fn_Msg(L"Warning: Failed to find BEGIN BULK, the whole file is read as bulk data.");
                file.m_State = C_Context_File::E_State_Bulk;
                file.m_Line = 0;
                m_Line_Total = total_before;
                continue;
            }
            m_Msg.M_Fn_Msg(L"Error: Failed to find BEGIN BULK.");
            return 0;
        case C_Context_File::E_State_Bulk:
            // A deck that began its bulk data must end it: a deck cut short is no model. A bulk
            // file read as such, and an included file, end with the file.
            if (m_Include_Depth == 1 && pass == 0) {
                m_Msg.M_Fn_Msg(L"Error: Failed to find ENDDATA.");
                return 0;
            }
            return 1;
        default: return 1;
        }
    }
}

std::uint32_t C_Context_Model::M_Fn_Import_File_Lines(C_File_Line& ro_File, bool& o_Cend)
{
    C_Context_File& file = *m_sp_File;
    std::string_view line;
    bool cut = false;
    while (ro_File.M_Fn_Read(line, cut)) {
        ++file.m_Line;
        if (cut)
            m_Msg.M_Fn_Warn(C_Context_Msg::S_Fn_Line(file.m_Line) + L"Warning: Line is longer than " +
                            std::to_wstring(C_File_Line::S_Line_Max) + L" characters, the rest of it is ignored.");
        std::uint32_t result = 0;
        try {
            result = M_Fn_Import_Line(line, o_Cend);
        } catch (...) {
            m_Msg.M_Fn_Msg(L"Line: " + std::to_wstring(file.m_Line) + L", Exception occurred!");
            throw;
        }
        if (result != 1)
            return result;
    }
    return 1;
}

std::uint32_t C_Context_Model::M_Fn_Import_Line(std::string_view i_Line, bool& o_Cend)
{
    // Empty and blank lines carry nothing (Nastran skips them; as a blank continuation they would
    // reset fields to their defaults).
    const std::string_view line = G_Fn_Line_Prepare(i_Line, m_Scratch);
    if (line.empty())
        return 1;
    ++m_Line_Total;
    S_Fn_Progress_Line(m_Line_Total);

    C_Context_File& file = *m_sp_File;
    if (file.m_State == C_Context_File::E_State_Before_Bulk) {
        if (G_Fn_Begins(line, "BEGIN BULK"))
            file.m_State = C_Context_File::E_State_Bulk;
        else if (G_Fn_Upper(G_Fn_Trim_View(line)) == "CEND")
            o_Cend = true;
        return 1;
    }
    if (file.m_State == C_Context_File::E_State_Ended)
        return 1;
    if (m_Include_Collecting)
        return M_Fn_Import_Include_Text(G_Fn_Trim_View(line));
    if (G_Fn_Begins(line, "INCLUDE")) {
        m_Msg.M_Fn_Msg(C_Context_Msg::S_Fn_Line(file.m_Line) + L"Include statement.");
        const std::string_view rest = G_Fn_Trim_View(line.substr(7));
        if (rest.empty() || rest.front() != '\'') {
            m_Msg.M_Fn_Msg(C_Context_Msg::S_Fn_Line(file.m_Line) + L"Error: Expect ' sign after INCLUDE.");
            return 0;
        }
        m_Include_Name.clear();
        m_Include_Collecting = true;
        return M_Fn_Import_Include_Text(G_Fn_Trim_View(rest.substr(1)));
    }
    if (G_Fn_Begins(line, "ENDDATA")) {
        file.m_State = C_Context_File::E_State_Ended;
        return 1;
    }
    // An included file written as a deck of its own repeats "BEGIN BULK".
    if (G_Fn_Begins(line, "BEGIN BULK"))
        return 1;
    return M_Fn_Import_Entry(line);
}

std::uint32_t C_Context_Model::M_Fn_Import_Include_Text(std::string_view i_Text)
{
    const bool closing = !i_Text.empty() && i_Text.back() == '\'';
    if (closing)
        i_Text.remove_suffix(1);
    if (m_Include_Name.size() + i_Text.size() > S_Include_Name_Max) {
        m_Include_Collecting = false;
        m_Msg.M_Fn_Msg(C_Context_Msg::S_Fn_Line(m_sp_File->m_Line) + L"Error: Include file name is too long.");
        return 0;
    }
    m_Include_Name += i_Text;
    if (!closing)
        return 1;
    m_Include_Collecting = false;
    return M_Fn_Import_Include();
}

std::uint32_t C_Context_Model::M_Fn_Import_Include()
{
    m_Msg.M_Fn_Msg(L"Include file reading start...");
    if (m_Include_Depth + 1 > S_Include_Depth_Max) {
        m_Msg.M_Fn_Msg(C_Context_Msg::S_Fn_Line(m_sp_File->m_Line) + L"Error: Include file depth exceed 10.");
        return 0;
    }
    const std::wstring path = G_Fn_Include_Path(m_Include_Name, m_sp_File->m_Path);
    const std::shared_ptr<C_Context_File> saved = m_sp_File;
    m_sp_File = std::make_shared<C_Context_File>();
    m_sp_File->m_Path = path;
    m_sp_File->m_State = C_Context_File::E_State_Bulk;
    ++m_Include_Depth;
    std::uint32_t result = 0;
    try {
        result = M_Fn_Import_File();
    } catch (...) {
        m_sp_File = saved;
        --m_Include_Depth;
        throw;
    }
    m_sp_File = saved;
    --m_Include_Depth;
    if (result != 1)
        return result;
    m_Msg.M_Fn_Msg(L"Include file reading finish, back to...");
    m_Msg.M_Fn_Msg(L"Path: " + m_sp_File->m_Path);
    return 1;
}

std::uint32_t C_Context_Model::M_Fn_Import_Entry(std::string_view i_Line)
{
    m_Entry_Curr = C_Context_Entry();
    std::uint32_t result = M_Fn_Import_Entry_Head(i_Line);
    if (result != 1)
        return result;
    result = m_Entry_Curr.m_Free ? M_Fn_Import_Entry_Content_Free(i_Line) : M_Fn_Import_Entry_Content_Fixed(i_Line);
    if (result != 1)
        return result;
    result = M_Fn_Import_Entry_Continuation();
    if (result != 1)
        return result;
    m_Entry_Prev = std::move(m_Entry_Curr);
    m_Has_Prev = true;
    M_Fn_Context_Close_Ready();
    return 1;
}

std::uint32_t C_Context_Model::M_Fn_Import_Entry_Head(std::string_view i_Line)
{
    C_Context_Entry& entry = m_Entry_Curr;
    const std::uint64_t line_number = m_sp_File ? m_sp_File->m_Line : 0;
    std::string_view head = G_Fn_Head(i_Line, entry.m_Comma, entry.m_Free);
    if (head.empty()) {
        entry.m_Kind = C_Context_Entry::E_Kind_Blank;
    } else if (head.front() == '*') {
        if (head.size() == 1) {
            entry.m_Kind = C_Context_Entry::E_Kind_Sign;
            entry.m_Large = true;
        } else if (head[1] == '(') {
            m_Replication = true;
            entry.m_Kind = C_Context_Entry::E_Kind_Replication_Star;
            return 0;
        } else {
            entry.m_Kind = C_Context_Entry::E_Kind_Mnemonic;
            entry.m_Large = true;
            if (m_Has_Prev && m_Entry_Prev.m_Kind == C_Context_Entry::E_Kind_Mnemonic)
                m_Replication_Possible = true;
        }
    } else if (head.front() == '+') {
        const std::size_t signs = head.find_first_not_of('+');
        if (signs != std::string_view::npos && signs > 1)
            head.remove_prefix(signs - 1);
        else if (signs == std::string_view::npos)
            head = head.substr(0, 1);
        entry.m_Kind = head.size() == 1 ? C_Context_Entry::E_Kind_Sign : C_Context_Entry::E_Kind_Mnemonic;
    } else if (head.front() == '=') {
        m_Replication = true;
        entry.m_Kind = C_Context_Entry::E_Kind_Replication;
        return 0;
    } else {
        entry.m_Kind = C_Context_Entry::E_Kind_Keyword;
    }
    entry.m_Head.assign(head);

    switch (entry.m_Kind) {
    case C_Context_Entry::E_Kind_Blank:
    case C_Context_Entry::E_Kind_Sign:
        if (!m_Has_Prev) {
            m_Msg.M_Fn_Msg(C_Context_Msg::S_Fn_Line(line_number) +
                           L"Error: Failed to parse current logical continuation entry because its previous entry is invalid.");
            return 0;
        }
        entry.m_Pos = m_Entry_Prev.m_Pos;
        if (entry.m_Kind == C_Context_Entry::E_Kind_Blank)
            entry.m_Large = m_Entry_Prev.m_Large;
        return 1;
    case C_Context_Entry::E_Kind_Mnemonic: {
        const auto found = m_Map_Continuation.find(entry.m_Head);
        if (found == m_Map_Continuation.end()) {
            m_Msg.M_Fn_Warn(C_Context_Msg::S_Fn_Line(line_number) +
                            L"Warning: Failed to find any previously defined entry match current continuation mnemonic:" +
                            G_Fn_Wide(entry.m_Head) + L".");
            return 1;
        }
        entry.m_Pos = found->second;
        m_Map_Continuation.erase(found);
        M_Fn_Register_Drop(entry.m_Pos);
        return 1;
    }
    default: break;
    }

    if (entry.m_Head.back() == '*') {
        entry.m_Large = true;
        entry.m_Head.pop_back();
    }
    const std::string keyword = G_Fn_Upper(entry.m_Head);
    C_Keyword* p_keyword = nullptr;
    std::shared_ptr<C_Context_Row> context = M_Fn_Context_Get(keyword, p_keyword);
    if (!context)
        return 1;
    context->M_Fn_Row_Create();
    ++m_Count_Row;
    C_Open open;
    open.m_sp_Context = std::move(context);
    open.m_p_Keyword = p_keyword;
    open.m_Line = line_number;
    m_Open.push_back(std::move(open));
    entry.m_Pos = m_Open_Base + m_Open.size() - 1;
    return 1;
}

std::uint32_t C_Context_Model::M_Fn_Import_Entry_Content_Fixed(std::string_view i_Line)
{
    C_Context_Entry& entry = m_Entry_Curr;
    if (i_Line.size() > 72)
        entry.m_Mnemonic.assign(i_Line.substr(72, 8));
    if (entry.m_Pos == C_Context_Entry::S_Pos_None)
        return 1;
    C_Context_Row& context = *M_Fn_Open_At(entry.m_Pos).m_sp_Context;
    const std::uint64_t line_number = m_sp_File ? m_sp_File->m_Line : 0;
    for (std::size_t pos = 8; pos < 72;) {
        // Fields beyond the entry's last are ignored.
        if (context.M_Fn_Is_Finished())
            break;
        context.M_Fn_Pos_Field_Move_on(1);
        if (context.M_Fn_Is_Finished())
            break;
        const std::uint32_t stream = context.M_Fn_Field_Curr_Get_ro_Info_Column().M_Fn_Size_Stream();
        const std::size_t width = stream > 0 ? stream : (entry.m_Large ? 16 : 8);
        const std::string_view text = pos < i_Line.size() ? G_Fn_Trim_View(i_Line.substr(pos, width)) : std::string_view();
        if (!text.empty() && (text.front() == '=' || (text.front() == '*' && text.size() > 1)))
            m_Replication_Possible = true;
        context.M_Fn_Field_Curr_Import(text, line_number, pos);
        pos += width;
    }
    return 1;
}

std::uint32_t C_Context_Model::M_Fn_Import_Entry_Content_Free(std::string_view i_Line)
{
    C_Context_Entry& entry = m_Entry_Curr;
    if (entry.m_Pos == C_Context_Entry::S_Pos_None)
        return 1;
    C_Context_Row& context = *M_Fn_Open_At(entry.m_Pos).m_sp_Context;
    const std::uint64_t line_number = m_sp_File ? m_sp_File->m_Line : 0;
    const std::size_t first = entry.m_Comma + 1;
    std::size_t end = i_Line.size();
    bool slash_taken = false;
    if (i_Line.find('/', first) != std::string_view::npos) {
        const std::size_t slash = i_Line.rfind('/');
        entry.m_Mnemonic.assign(i_Line.substr(slash + 1));
        end = slash;
        slash_taken = true;
    }
    // The fields are taken one by one, so a line of a million commas costs no list of fields.
    std::string_view pending;
    std::size_t start = first;
    for (bool more = first <= end; more;) {
        std::size_t stop = i_Line.find(',', start);
        if (stop == std::string_view::npos || stop > end) {
            stop = end;
            more = false;
        }
        const std::string_view text = G_Fn_Trim_View(i_Line.substr(start, stop - start));
        const std::size_t field_start = start;
        start = stop + 1;
        if (!text.empty() && (text.front() == '=' || (text.front() == '*' && text.size() > 1)))
            m_Replication_Possible = true;
        // "+1." is a number, not a marker.
        const bool marker = !text.empty() && (text.front() == '*' || (text.front() == '+' && !G_Fn_Is_Number(text)));
        if (!pending.empty()) {
            if (marker && text.substr(1) == pending.substr(1))
                entry.m_Large = text.front() == '*';
            else
                m_Msg.M_Fn_Warn_Lazy([&] {
                    return C_Context_Msg::S_Fn_Line_Char(line_number, field_start) +
                           L"Warning: Current field must be a continuation indicating field to make pair with its previous field.";
                });
            pending = std::string_view();
            continue;
        }
        if (marker) {
            pending = text;
            continue;
        }
        if (!context.M_Fn_Is_Finished())
            context.M_Fn_Pos_Field_Move_on(1);
        if (context.M_Fn_Is_Finished()) {
            m_Msg.M_Fn_Warn_Lazy([&] {
                return C_Context_Msg::S_Fn_Line_Char(line_number, field_start) +
                       L"Warning: Unexpected field, entry is not supposed have more field here.";
            });
            continue;
        }
        context.M_Fn_Field_Curr_Import(text, line_number, field_start);
    }
    if (!slash_taken && !pending.empty())
        entry.m_Mnemonic.assign(pending);
    return 1;
}

std::uint32_t C_Context_Model::M_Fn_Import_Entry_Continuation()
{
    C_Context_Entry& entry = m_Entry_Curr;
    const std::string_view mnemonic = G_Fn_Trim_View(entry.m_Mnemonic);
    if (mnemonic.size() <= 1 || (mnemonic.front() != '+' && mnemonic.front() != '*'))
        return 1;
    if (entry.m_Pos == C_Context_Entry::S_Pos_None && m_Map_Continuation.size() >= G_Mnemonic_Ignored_Max)
        return 1;
    // A mnemonic that no line of the deck continues keeps nothing open.
    if (!M_Fn_Mnemonic_Is_Continued(mnemonic))
        return 1;
    const auto [found, inserted] = m_Map_Continuation.try_emplace(std::string(mnemonic), entry.m_Pos);
    if (!inserted) {
        M_Fn_Register_Drop(found->second);
        found->second = entry.m_Pos;
    }
    if (entry.m_Pos != C_Context_Entry::S_Pos_None)
        ++M_Fn_Open_At(entry.m_Pos).m_Registered;
    return 1;
}

bool C_Context_Model::M_Fn_Mnemonic_Is_Continued(std::string_view i_Mnemonic)
{
    if (!m_Continued_Scanned) {
        m_Continued_Scanned = true;
        M_Fn_Scan_Continued(m_Path, 1);
        std::sort(m_Continued.begin(), m_Continued.end());
        m_Continued.erase(std::unique(m_Continued.begin(), m_Continued.end()), m_Continued.end());
        m_Continued.shrink_to_fit();
    }
    return std::binary_search(m_Continued.begin(), m_Continued.end(), G_Fn_Hash(i_Mnemonic));
}

void C_Context_Model::M_Fn_Scan_Continued(const std::wstring& i_Path, std::uint32_t i_Depth)
{
    // Every head that may continue an entry by mnemonic, in the file and in every file it may
    // include, whatever the section it stands in: more than the reading matches is harmless (a row
    // stays open a little longer), less is not.
    C_File_Line reader;
    if (!reader.M_Fn_Open(i_Path))
        return;
    std::string scratch;
    std::string include;
    bool collecting = false;
    std::string_view physical;
    bool cut = false;
    while (reader.M_Fn_Read(physical, cut)) {
        const std::string_view line = G_Fn_Line_Prepare(physical, scratch);
        if (line.empty())
            continue;
        std::string_view text;
        if (!collecting && G_Fn_Begins(line, "INCLUDE")) {
            const std::string_view rest = G_Fn_Trim_View(line.substr(7));
            if (rest.empty() || rest.front() != '\'')
                continue;
            include.clear();
            collecting = true;
            text = G_Fn_Trim_View(rest.substr(1));
        } else if (collecting) {
            text = G_Fn_Trim_View(line);
        }
        if (collecting) {
            const bool closing = !text.empty() && text.back() == '\'';
            if (closing)
                text.remove_suffix(1);
            if (include.size() + text.size() > S_Include_Name_Max) {
                collecting = false;
                continue;
            }
            include += text;
            if (closing) {
                collecting = false;
                if (i_Depth < S_Include_Depth_Max)
                    M_Fn_Scan_Continued(G_Fn_Include_Path(include, i_Path), i_Depth + 1);
            }
            continue;
        }
        std::size_t comma = 0;
        bool free = false;
        const std::string_view mnemonic = G_Fn_Head_Mnemonic(G_Fn_Head(line, comma, free));
        if (!mnemonic.empty())
            m_Continued.push_back(G_Fn_Hash(mnemonic));
    }
}

std::uint32_t C_Context_Model::M_Fn_Import_Finish()
{
    if (C_App* app = C_App::S_Fn_Get()) {
        N_UI::N_Progress::C_Status& status = app->M_Fn_UI_Progress_Get_ro_Status();
        std::lock_guard<std::mutex> lock(status.m_Lock);
        status.m_Text = L"Checking data:";
        status.m_Detail_Shown = 0;
        status.m_Bar_Shown = 1;
        status.m_Current = 0.0f;
        status.m_Total = static_cast<float>(m_Open.size());
    }
    while (!m_Open.empty()) {
        if (!m_Open.front().m_sp_Context)
            VT_THROW("N_Biz::N_DB::N_Import::N_Nastran::C_Context_Model::M_Fn_Import_Finish");
        M_Fn_Context_Close(m_Open.front());
        m_Open.pop_front();
        ++m_Open_Base;
        if (C_App* app = C_App::S_Fn_Get()) {
            N_UI::N_Progress::C_Status& status = app->M_Fn_UI_Progress_Get_ro_Status();
            std::lock_guard<std::mutex> lock(status.m_Lock);
            status.m_Current += 1.0f;
        }
    }
    m_Map_Continuation.clear();
    m_Has_Prev = false;
    return 1;
}

C_Context_Model::C_Open& C_Context_Model::M_Fn_Open_At(std::uint64_t i_Pos)
{
    if (i_Pos < m_Open_Base || i_Pos - m_Open_Base >= m_Open.size())
        VT_THROW("N_Biz::N_DB::N_Import::N_Nastran::C_Context_Model::M_Fn_Open_At");
    return m_Open[static_cast<std::size_t>(i_Pos - m_Open_Base)];
}

std::shared_ptr<C_Context_Row> C_Context_Model::M_Fn_Context_Get(const std::string& i_Keyword, C_Keyword*& o_p_Keyword)
{
    o_p_Keyword = nullptr;
    auto found = m_Keywords.find(i_Keyword);
    if (found == m_Keywords.end()) {
        if (M_Fn_Keyword_Is_Unconcerned(i_Keyword))
            return {};
        std::shared_ptr<C_Context_Row> proto = G_Fn_Schema().M_Fn_Import_Create_spo_Context_Row_Nastran(i_Keyword);
        if (!proto) {
            if (M_Fn_Keyword_Unconcerned_Add(i_Keyword))
                m_Msg.M_Fn_Log(C_Context_Msg::S_Fn_Line(m_sp_File ? m_sp_File->m_Line : 0) + L"Unconcerned keyword: " +
                               G_Fn_Wide(i_Keyword));
            return {};
        }
        found = m_Keywords.emplace(i_Keyword, C_Keyword{std::move(proto), {}}).first;
    }
    C_Keyword& keyword = found->second;
    o_p_Keyword = &keyword;
    std::shared_ptr<C_Context_Row> context;
    if (!keyword.m_Free.empty()) {
        context = std::move(keyword.m_Free.back());
        keyword.m_Free.pop_back();
    } else {
        context = std::make_shared<C_Context_Row>(keyword.m_sp_Proto->M_Fn_Info_Table(), keyword.m_sp_Proto->M_Fn_Order());
        context->M_Fn_Msg_Set(&m_Msg);
    }
    return context;
}

void C_Context_Model::M_Fn_Register_Drop(std::uint64_t i_Pos)
{
    if (i_Pos == C_Context_Entry::S_Pos_None)
        return;
    C_Open& open = M_Fn_Open_At(i_Pos);
    if (open.m_Registered == 0)
        VT_THROW("N_Biz::N_DB::N_Import::N_Nastran::C_Context_Model::M_Fn_Register_Drop");
    --open.m_Registered;
}

void C_Context_Model::M_Fn_Context_Close(C_Open& ro_Open)
{
    C_Context_Row& context = *ro_Open.m_sp_Context;
    if (context.M_Fn_Has_Row()) {
        // What the deck did not give takes its default, as a blank field would.
        while (!context.M_Fn_Is_Finished()) {
            context.M_Fn_Pos_Field_Move_on(0);
            if (!context.M_Fn_Is_Finished())
                context.M_Fn_Field_Curr_Import(std::string_view(), ro_Open.m_Line, 0);
        }
        M_Fn_Import_Row_Adopt(context, ro_Open.m_Line);
        // A row with a field that had no value is dropped after its warnings.
        if (context.M_Fn_Has_Row())
            context.M_Fn_Reset();
    }
    if (ro_Open.m_p_Keyword)
        ro_Open.m_p_Keyword->m_Free.push_back(std::move(ro_Open.m_sp_Context));
}

void C_Context_Model::M_Fn_Context_Close_Ready()
{
    while (!m_Open.empty()) {
        const C_Open& front = m_Open.front();
        if (front.m_Registered != 0 || (m_Has_Prev && m_Entry_Prev.m_Pos == m_Open_Base))
            break;
        M_Fn_Context_Close(m_Open.front());
        m_Open.pop_front();
        ++m_Open_Base;
    }
}

} // namespace N_Biz::N_DB::N_Import::N_Nastran
