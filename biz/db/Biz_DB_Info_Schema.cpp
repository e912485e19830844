#include "biz/db/Biz_DB_Info_Schema.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Virtual.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <charconv>
#include <fstream>
#include <new>

// Records the cause of a refusal (with the current file line) and throws naming the function.
#define VT_SCHEMA_FAIL(function_name, cause) \
    do { \
        M_Fn_Init_Cause_Set(cause); \
        VT_THROW(function_name); \
    } while (false)

namespace N_Biz::N_DB {

namespace {

using N_Common::N_Exception::C_Exception;

std::wstring G_Fn_W(const std::string& i_Text)
{
    return N_Common::N_String::G_Fn_To_Wide_UTF8(i_Text);
}

std::wstring G_Fn_Quoted(const std::string& i_Text)
{
    return L"\"" + G_Fn_W(i_Text) + L"\"";
}

using N_Common::N_String::G_Fn_Is_Blank;

// Index of a format id (1-3) or a card relation type (2-4) in the registry's arrays.
std::size_t G_Fn_Format_Index(std::uint32_t i_Format)
{
    return i_Format - E_Format_Standard;
}
int G_Fn_Title_Index(E_Type_Relation i_Type)
{
    switch (i_Type) {
    case E_Type_Relation_C_Section: return 0;
    case E_Type_Relation_C_Material: return 1;
    case E_Type_Relation_C_Property: return 2;
    default: return -1;
    }
}

// Why a descriptor refused to complete, by the function that refused.
std::wstring G_Fn_Cause_Of(const C_Exception& e)
{
    const std::string function = e.M_Fn_Function();
    if (function.find("M_Fn_Init_Route") != std::string::npos)
        return L"two columns or routes of the card share an identity";
    if (function.find("M_Fn_Init_Distribution") != std::string::npos)
        return L"a fixed column of the card's relation type is missing, indirect or of another type";
    if (function.find("M_Fn_Init_Relation") != std::string::npos)
        return L"a relation is declared twice or its column does not hold the key of that relation type";
    return L"refused by " + G_Fn_W(function);
}

} // namespace

const std::array<C_Info_Schema::C_File, 14> C_Info_Schema::S_Files = {{
    {"data_format_standard_c_m.dat", E_Format_Standard},
    {"data_format_standard_c_p.dat", E_Format_Standard},
    {"data_format_standard_e.dat", E_Format_Standard},
    {"data_format_dyna.dat", E_Format_Dyna},
    {"data_format_dyna_n.dat", E_Format_Dyna},
    {"data_format_dyna_c_s.dat", E_Format_Dyna},
    {"data_format_dyna_c_m.dat", E_Format_Dyna},
    {"data_format_dyna_c_p.dat", E_Format_Dyna},
    {"data_format_dyna_e.dat", E_Format_Dyna},
    {"data_format_nastran.dat", E_Format_Nastran},
    {"data_format_nastran_n.dat", E_Format_Nastran},
    {"data_format_nastran_c_m.dat", E_Format_Nastran},
    {"data_format_nastran_c_p.dat", E_Format_Nastran},
    {"data_format_nastran_e.dat", E_Format_Nastran},
}};

C_Info_Schema::~C_Info_Schema() = default;

// --- start-up -----------------------------------------------------------------------------------

int C_Info_Schema::S_Fn_Init_App(C_App& ro_App)
{
    try {
        auto schema = std::make_shared<C_Info_Schema>();
        if (schema->M_Fn_Init() == 1) {
            ro_App.m_sp_Schema = std::move(schema);
            return 1;
        }
    } catch (const C_Exception& e) {
        ro_App.M_Fn_Log(L"Schema refused at " + G_Fn_W(e.M_Fn_Function()) + L", " +
                        G_Fn_W(C_Exception::S_Fn_File_Name(e.M_Fn_File())) + L" line " + std::to_wstring(e.M_Fn_Line()) + L".");
    } catch (const std::bad_alloc&) {
        ro_App.M_Fn_Log(L"Schema refused: out of memory.");
    }
    C_App::G_Fn_Msg(L"Failed to initialize database information.");
    return 0;
}

int C_Info_Schema::M_Fn_Init()
{
    C_App* app = C_App::S_Fn_Get();
    if (!app)
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Init");
    return M_Fn_Init(app->M_Fn_Dir_Get());
}

int C_Info_Schema::M_Fn_Init(const std::wstring& i_Dir)
{
    M_Fn_Init_Begin();
    try {
        for (const C_File& file : S_Files)
            M_Fn_Init_Parse_File(i_Dir + G_Fn_W(file.m_Name), file.m_Name, file.m_Format);
        M_Fn_Init_End();
    } catch (const C_Exception&) {
        if (!m_Parse_Cause.empty())
            C_App::G_Fn_Msg(M_Fn_Error_Get());
        throw;
    }
    return 1;
}

std::wstring C_Info_Schema::M_Fn_Error_Get() const
{
    if (m_Parse_Cause.empty())
        return std::wstring();
    return L"Schema file " + G_Fn_Quoted(m_Parse_Cause_Name) + L", line " + std::to_wstring(m_Parse_Cause_Line) + L": " +
           m_Parse_Cause + L".";
}

void C_Info_Schema::M_Fn_Init_Begin()
{
    if (m_Init_Started || m_Init_Done)
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Init");
    for (std::uint32_t type = 0; type < G_Type_Obj_Num; ++type)
        m_Ops[type] = G_Fn_Obj_Ops(static_cast<E_Type_Obj>(type));
    m_Init_Started = 1;
}

void C_Info_Schema::M_Fn_Init_End()
{
    if (!m_Init_Started || m_Init_Done)
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Init");
    for (int i = 0; i < 3; ++i) {
        m_List_Title[i].clear();
        m_List_Title[i].reserve(m_Map_Title[i].size());
        for (const auto& entry : m_Map_Title[i])
            m_List_Title[i].push_back(entry.first);
    }
    m_Init_Done = 1;
}

template <class F>
auto C_Info_Schema::M_Fn_Init_Guard(const std::wstring& i_Cause, F i_Fn)
{
    try {
        return i_Fn();
    } catch (const C_Exception&) {
        M_Fn_Init_Cause_Set(i_Cause);
        throw;
    }
}

void C_Info_Schema::M_Fn_Init_Parse_Block_Line(std::istream& ro_File, std::string& o_Key, std::string& o_Value,
                                               const char* i_Function, const wchar_t* i_Block, unsigned i_First_Line)
{
    for (;;) {
        bool eof = false;
        M_Fn_Init_Parse_Line(ro_File, o_Key, o_Value, eof);
        if (eof) {
            M_Fn_Init_Cause_Set(std::wstring(L"end of file inside the ") + i_Block + L" that starts at line " +
                                std::to_wstring(i_First_Line));
            throw C_Exception(i_Function, __FILE__, __LINE__);
        }
        if (!o_Key.empty())
            return;
    }
}

void C_Info_Schema::M_Fn_Init_Cause_Set(const std::wstring& i_Cause)
{
    if (m_Parse_Cause.empty()) {
        m_Parse_Cause = i_Cause;
        m_Parse_Cause_Name = m_Parse_Name;
        m_Parse_Cause_Line = m_Parse_Line;
    }
}

// --- parser -------------------------------------------------------------------------------------

void C_Info_Schema::M_Fn_Init_Parse_File(const std::wstring& i_Path, const std::string& i_Name, std::uint32_t i_Format)
{
    std::ifstream file(N_Common::N_String::G_Fn_To_Narrow_UTF8(i_Path), std::ios::in | std::ios::binary);
    if (!file.is_open()) {
        C_App::G_Fn_Msg(L"Failed to open file: " + i_Path);
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_File");
    }
    M_Fn_Init_Parse_Stream(file, i_Format, i_Name);
}

void C_Info_Schema::M_Fn_Init_Parse_Stream(std::istream& ro_File, std::uint32_t i_Format, const std::string& i_Name)
{
    if (!m_Init_Started || m_Init_Done || i_Format < E_Format_Standard || i_Format > E_Format_Nastran)
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_File");
    m_Parse_Name = i_Name;
    m_Parse_Line = 0;
    for (;;) {
        std::string key;
        std::string value;
        bool eof = false;
        M_Fn_Init_Parse_Line(ro_File, key, value, eof);
        if (eof)
            return;
        if (key.empty())
            continue;
        if (key == "CARD") {
            M_Fn_Init_Parse_Card(ro_File, i_Format, E_Block_Card, nullptr);
            continue;
        }
        C_App::G_Fn_Msg(L"File stream failbit error occurred.");
        VT_SCHEMA_FAIL("N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_File", L"unknown key " + G_Fn_Quoted(key) + L" outside a card");
    }
}

void C_Info_Schema::M_Fn_Init_Parse_Line(std::istream& ro_File, std::string& o_Key, std::string& o_Value, bool& o_Eof)
{
    o_Key.clear();
    o_Value.clear();
    o_Eof = false;
    std::string line;
    std::getline(ro_File, line);
    if (ro_File.bad()) {
        C_App::G_Fn_Msg(L"File stream badbit error occurred.");
        VT_SCHEMA_FAIL("N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_Line", L"the file could not be read");
    }
    if (ro_File.eof() && ro_File.fail()) {
        o_Eof = true;
        return;
    }
    if (ro_File.fail()) {
        C_App::G_Fn_Msg(L"File stream failbit error occurred.");
        VT_SCHEMA_FAIL("N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_Line", L"the file could not be read");
    }
    ++m_Parse_Line;
    const std::size_t comment = line.find('$');
    if (comment != std::string::npos)
        line.resize(comment);
    std::size_t first = 0;
    while (first < line.size() && G_Fn_Is_Blank(line[first]))
        ++first;
    std::size_t last = first;
    while (last < line.size() && !G_Fn_Is_Blank(line[last]))
        ++last;
    o_Key = line.substr(first, last - first);
    o_Value = N_Common::N_String::G_Fn_Trim(std::string_view(line).substr(last));
}

std::shared_ptr<C_Info_Table> C_Info_Schema::M_Fn_Init_Parse_Card(std::istream& ro_File, std::uint32_t i_Format, E_Block i_Kind,
                                                                 C_Info_Table* i_p_Parent)
{
    static constexpr const char* S_Fn = "N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_Card";
    std::shared_ptr<C_Info_Table> table;
    try {
        table = std::make_shared<C_Info_Table>();
    } catch (const std::bad_alloc&) {
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_Card");
    }
    const unsigned first_line = m_Parse_Line;
    std::vector<std::string> keywords;
    E_Type_Relation type_relation = E_Type_Relation_None;
    T_pfn_Option_Condition_Check check = nullptr;
    std::uint32_t import_order = 0;
    bool import_order_given = false;
    bool repeatable = false;
    bool supplied_possibly = false;
    bool configured = false;
    auto guard = [this](const std::wstring& i_Cause, auto i_Fn) { return M_Fn_Init_Guard(i_Cause, i_Fn); };

    for (bool done = false; !done;) {
        std::string key;
        std::string value;
        M_Fn_Init_Parse_Block_Line(ro_File, key, value, S_Fn, L"block", first_line);
        if (key == "Keyword") {
            keywords.push_back(value); // after CONFIG_DONE it no longer counts
        } else if (key == "Type_Relation") {
            type_relation = guard(L"unknown relation type " + G_Fn_Quoted(value), [&] { return G_Fn_Get_e_Type_Relation(value); });
        } else if (key == "Check_Option_Condition") {
            check = guard(L"unknown option-condition check " + G_Fn_Quoted(value),
                          [&] { return Fn_Table_Get_pfn_Option_Condition_Check(value); });
        } else if (key == "Option_Keyword_Specify_import_order") {
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), import_order, 10);
            if (value.empty() || error != std::errc() || end != value.data() + value.size())
                VT_SCHEMA_FAIL(S_Fn, L"import order " + G_Fn_Quoted(value) + L" is no unsigned number");
            import_order_given = true;
        } else if (key == "Flag_Option_Conditional_Is_repeatable") {
            repeatable = true;
        } else if (key == "Flag_Option_Conditional_Is_supplied_possibly") {
            supplied_possibly = true;
        } else if (key == "CONFIG_DONE") {
            if (configured)
                VT_SCHEMA_FAIL(S_Fn, L"a second CONFIG_DONE in one block");
            if (keywords.empty())
                VT_SCHEMA_FAIL(S_Fn, L"CONFIG_DONE before any Keyword");
            if (import_order_given && import_order >= C_Info_Table::S_Import_Order_Num)
                VT_SCHEMA_FAIL(S_Fn, L"import order " + std::to_wstring(import_order) + L" is above 7");
            if (repeatable && supplied_possibly)
                VT_SCHEMA_FAIL(S_Fn, L"a block cannot be both repeatable and supplied possibly");
            if ((repeatable || supplied_possibly) && !check)
                VT_SCHEMA_FAIL(S_Fn, L"a repeatable or supplied-possibly block needs Check_Option_Condition");
            guard(L"the card settings are refused (empty keyword or relation type out of range)", [&] {
                table->M_Fn_Config(keywords, type_relation, i_Format, import_order, import_order_given, repeatable,
                                   supplied_possibly, check);
            });
            configured = true;
        } else if (key == "OPTION_KEYWORD" || key == "OPTION_CONDITION") {
            M_Fn_Init_Parse_Card(ro_File, i_Format, key == "OPTION_KEYWORD" ? E_Block_Option_Keyword : E_Block_Option_Condition,
                                 table.get());
        } else if (key == "COLUMN") {
            M_Fn_Init_Parse_Column(ro_File, *table);
        } else if (key == "RELATION") {
            M_Fn_Init_Parse_Relation(ro_File, *table);
        } else if (key == "ROUTE") {
            M_Fn_Init_Parse_Route(ro_File, *table);
        } else if (key == "CARD_END" || key == "OPTION_KEYWORD_END" || key == "OPTION_CONDITION_END") {
            const E_Block ends = key == "CARD_END" ? E_Block_Card : key == "OPTION_KEYWORD_END" ? E_Block_Option_Keyword : E_Block_Option_Condition;
            if (ends != i_Kind || (ends == E_Block_Card) != (i_p_Parent == nullptr))
                VT_SCHEMA_FAIL(S_Fn, G_Fn_Quoted(key) + L" does not end the block that starts at line " + std::to_wstring(first_line));
            done = true;
        } else {
            VT_SCHEMA_FAIL(S_Fn, L"unknown key " + G_Fn_Quoted(key) + L" in a card block");
        }
    }

    if (!configured)
        VT_SCHEMA_FAIL(S_Fn, L"the block that starts at line " + std::to_wstring(first_line) + L" has no CONFIG_DONE");
    if (table->M_Fn_Columns_Practical().empty())
        VT_SCHEMA_FAIL(S_Fn, L"the block that starts at line " + std::to_wstring(first_line) + L" has no stored column");
    if (i_p_Parent) {
        guard(L"an option block must not have a relation type", [&] {
            i_p_Parent->M_Fn_Info_Table_Option_Add(i_Kind == E_Block_Option_Keyword ? 0 : 1, table);
        });
        return table;
    }
    try {
        table->M_Fn_Init();
    } catch (const C_Exception& e) {
        M_Fn_Init_Cause_Set(L"card " + G_Fn_Quoted(table->M_Fn_Keyword_List().front()) + L": " + G_Fn_Cause_Of(e));
        throw;
    }
    M_Fn_Init_Card_Register(table, i_Format);
    return table;
}

void C_Info_Schema::M_Fn_Init_Card_Register(const std::shared_ptr<C_Info_Table>& ro_Table, std::uint32_t i_Format)
{
    static constexpr const char* S_Fn = "N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_Card";
    auto& keywords = m_Map_Keyword[G_Fn_Format_Index(i_Format)];
    for (const std::string& keyword : ro_Table->M_Fn_Keyword_List()) {
        if (keyword.empty())
            VT_SCHEMA_FAIL(S_Fn, L"an empty keyword");
        if (!keywords.emplace(keyword, ro_Table).second)
            VT_SCHEMA_FAIL(S_Fn, L"keyword " + G_Fn_Quoted(keyword) + L" is registered already in format " + std::to_wstring(i_Format));
    }
    const int title_index = G_Fn_Title_Index(ro_Table->M_Fn_Type_Relation());
    if (title_index < 0)
        return;
    const std::wstring& title = ro_Table->M_Fn_Title();
    if (title.empty())
        VT_SCHEMA_FAIL(S_Fn, L"an empty title");
    if (!m_Map_Title[title_index].emplace(title, ro_Table).second)
        VT_SCHEMA_FAIL(S_Fn, L"title \"" + title + L"\" is registered already");
}

void C_Info_Schema::M_Fn_Init_Parse_Column(std::istream& ro_File, C_Info_Table& ro_Table)
{
    static constexpr const char* S_Fn = "N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_Column";
    std::shared_ptr<C_Info_Column> column;
    try {
        column = std::make_shared<C_Info_Column>();
    } catch (const std::bad_alloc&) {
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_Column");
    }
    const unsigned first_line = m_Parse_Line;
    C_Info_Column::C_Setting setting;
    std::string text_default;
    std::string text_lower;
    std::string text_upper;
    auto guard = [this](const std::wstring& i_Cause, auto i_Fn) { return M_Fn_Init_Guard(i_Cause, i_Fn); };
    for (bool done = false; !done;) {
        std::string key;
        std::string value;
        M_Fn_Init_Parse_Block_Line(ro_File, key, value, S_Fn, L"column", first_line);
        if (key == "Name") {
            setting.m_Name = N_Common::N_String::G_Fn_To_Wide(value);
        } else if (key == "Desc") {
            setting.m_Desc = N_Common::N_String::G_Fn_To_Wide(value);
        } else if (key == "Id_Column") {
            setting.m_Id = guard(L"unknown column identity " + G_Fn_Quoted(value), [&] { return G_Fn_Get_e_Id_Column(value); });
        } else if (key == "Type_Obj") {
            setting.m_Type = guard(L"unknown value type " + G_Fn_Quoted(value), [&] { return G_Fn_Get_e_Type_Obj(value); });
        } else if (key == "Size_Stream") {
            std::uint32_t width = 0;
            const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), width, 10);
            setting.m_Size_Stream = error == std::errc() ? width : 0; // text that is no number leaves 0
        } else if (key == "Has_blank_vaule") {
            setting.m_Blank = true;
            setting.m_Default = true;
            text_default = value;
        } else if (key == "Has_default_vaule") {
            setting.m_Blank = false;
            setting.m_Default = true;
            text_default = value;
        } else if (key == "Has_bound_lower" || key == "Has_bound_lower_to_euqal") {
            setting.m_Lower = true;
            setting.m_Lower_Inclusive = key == "Has_bound_lower_to_euqal";
            text_lower = value;
        } else if (key == "Has_bound_upper" || key == "Has_bound_upper_to_euqal") {
            setting.m_Upper = true;
            setting.m_Upper_Inclusive = key == "Has_bound_upper_to_euqal";
            text_upper = value;
        } else if (key == "Flag_Is_virtual") {
            setting.m_Virtual = true;
        } else if (key == "Flag_Is_read_only") {
            setting.m_Read_Only = true;
        } else if (key == "Flag_Is_end_of_line") {
            setting.m_End_of_Line = true;
        } else if (key == "Flag_Specify_memory_mode_direct" || key == "Flag_Specify_memory_mode_indirect") {
            setting.m_Mode_Given = true;
            setting.m_Indirect = key == "Flag_Specify_memory_mode_indirect";
        } else if (key == "COLUMN_END") {
            done = true;
        } else {
            VT_SCHEMA_FAIL(S_Fn, L"unknown key " + G_Fn_Quoted(key) + L" in a column block");
        }
    }

    const std::wstring name = L"column \"" + setting.m_Name + L"\"";
    if (setting.m_Virtual && !(ro_Table.M_Fn_Flags() & C_Info_Table::E_Flag_Configured))
        VT_SCHEMA_FAIL(S_Fn, L"virtual " + name + L" before CONFIG_DONE");
    if (setting.m_Virtual && !setting.m_Read_Only)
        VT_SCHEMA_FAIL(S_Fn, L"virtual " + name + L" without Flag_Is_read_only");
    if (setting.m_Mode_Given && !setting.m_Indirect &&
        (setting.m_Type == E_Type_Obj_string || setting.m_Type == E_Type_Obj_wstring))
        VT_SCHEMA_FAIL(S_Fn, name + L": a text column cannot be direct");
    guard(name + L" is refused (no computed value of this identity for this card)",
          [&] { column->M_Fn_Config(setting, &ro_Table); });

    // Default, lower and upper values from their texts.
    const struct {
        bool m_Present;
        const std::string* m_Text;
        const wchar_t* m_What;
        C_Visitor_Field (C_Info_Column::*m_Get)();
    } values[3] = {
        {setting.m_Default, &text_default, L"default", &C_Info_Column::M_Fn_Get_o_Visitor_Field_Default},
        {setting.m_Lower, &text_lower, L"lower bound", &C_Info_Column::M_Fn_Get_o_Visitor_Field_Bound_lower},
        {setting.m_Upper, &text_upper, L"upper bound", &C_Info_Column::M_Fn_Get_o_Visitor_Field_Bound_upper},
    };
    for (const auto& value : values) {
        if (!value.m_Present || value.m_Text->empty())
            continue;
        if (!G_Fn_Obj_Text_I_Whole(setting.m_Type, ((*column).*value.m_Get)().M_Fn_Value(), *value.m_Text))
            VT_SCHEMA_FAIL(S_Fn, name + L": " + value.m_What + L" " + G_Fn_Quoted(*value.m_Text) + L" is no " +
                                     G_Fn_W(G_Fn_Name_e_Type_Obj(setting.m_Type)));
    }
    if (setting.m_Virtual)
        ro_Table.M_Fn_Info_Column_Virtual_Add(column);
    else
        guard(name + L" cannot be added after the card is complete", [&] { ro_Table.M_Fn_Info_Column_Practical_Add(column); });
}

void C_Info_Schema::M_Fn_Init_Parse_Relation(std::istream& ro_File, C_Info_Table& ro_Table)
{
    static constexpr const char* S_Fn = "N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_Relation";
    const unsigned first_line = m_Parse_Line;
    C_Info_Relation relation;
    auto guard = [this](const std::wstring& i_Cause, auto i_Fn) { return M_Fn_Init_Guard(i_Cause, i_Fn); };
    for (;;) {
        std::string key;
        std::string value;
        M_Fn_Init_Parse_Block_Line(ro_File, key, value, S_Fn, L"relation", first_line);
        if (key == "Type_Relation") {
            relation.m_Type = guard(L"unknown relation type " + G_Fn_Quoted(value), [&] { return G_Fn_Get_e_Type_Relation(value); });
        } else if (key == "Id_Relation") {
            relation.m_Id = guard(L"unknown relation number " + G_Fn_Quoted(value), [&] { return G_Fn_Get_e_Id_Relation(value); });
        } else if (key == "Id_Column") {
            const E_Id_Column id = guard(L"unknown column identity " + G_Fn_Quoted(value), [&] { return G_Fn_Get_e_Id_Column(value); });
            relation.m_Columns.push_back(guard(L"the relation names column " + G_Fn_Quoted(value) + L", which is not declared before it",
                                               [&] { return ro_Table.M_Fn_Info_Column_Practical_Find_Pos(id); }));
        } else if (key == "RELATION_END") {
            guard(L"a relation needs a type, a number and a column, and must follow the relations before it in "
                  L"ascending order of type and number",
                  [&] { ro_Table.M_Fn_Info_Relation_Add(relation); });
            return;
        } else {
            VT_SCHEMA_FAIL(S_Fn, L"unknown key " + G_Fn_Quoted(key) + L" in a relation block");
        }
    }
}

void C_Info_Schema::M_Fn_Init_Parse_Route(std::istream& ro_File, C_Info_Table& ro_Table)
{
    static constexpr const char* S_Fn = "N_Biz::N_DB::C_Info_Schema::M_Fn_Init_Parse_Route";
    const unsigned first_line = m_Parse_Line;
    E_Id_Column id = E_Id_Column_None;
    E_Type_Relation type = E_Type_Relation_None;
    E_Id_Relation number = E_Id_Relation_None;
    auto guard = [this](const std::wstring& i_Cause, auto i_Fn) { return M_Fn_Init_Guard(i_Cause, i_Fn); };
    for (;;) {
        std::string key;
        std::string value;
        M_Fn_Init_Parse_Block_Line(ro_File, key, value, S_Fn, L"route", first_line);
        if (key == "Id_Column") {
            id = guard(L"unknown column identity " + G_Fn_Quoted(value), [&] { return G_Fn_Get_e_Id_Column(value); });
        } else if (key == "Type_Relation") {
            type = guard(L"unknown relation type " + G_Fn_Quoted(value), [&] { return G_Fn_Get_e_Type_Relation(value); });
        } else if (key == "Id_Relation") {
            number = guard(L"unknown relation number " + G_Fn_Quoted(value), [&] { return G_Fn_Get_e_Id_Relation(value); });
        } else if (key == "ROUTE_END") {
            const std::uint32_t position = guard(L"the route names a relation that is not declared before it",
                                                 [&] { return ro_Table.M_Fn_Info_Relation_Find_Pos(type, number); });
            guard(L"a route needs a column identity", [&] { ro_Table.M_Fn_Info_Route_Add({id, E_Route_Kind_Relation, position}); });
            return;
        } else {
            VT_SCHEMA_FAIL(S_Fn, L"unknown key " + G_Fn_Quoted(key) + L" in a route block");
        }
    }
}

// --- lookups ------------------------------------------------------------------------------------

void C_Info_Schema::M_Fn_Check_Done() const
{
    if (!m_Init_Done)
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Info_Table_Lookup");
}

const C_Info_Table* C_Info_Schema::M_Fn_Info_Table_Lookup_By_Format(std::uint32_t i_Format, const std::string& i_Keyword) const
{
    M_Fn_Check_Done();
    if (i_Format < E_Format_Standard || i_Format > E_Format_Nastran)
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Info_Table_Lookup_By_Format");
    const auto& keywords = m_Map_Keyword[G_Fn_Format_Index(i_Format)];
    const auto found = keywords.find(i_Keyword);
    return found == keywords.end() ? nullptr : found->second.get();
}

const C_Info_Table* C_Info_Schema::M_Fn_Info_Table_Lookup_By_Relation(E_Type_Relation i_Type, const std::wstring& i_Title) const
{
    M_Fn_Check_Done();
    const int index = G_Fn_Title_Index(i_Type);
    if (index < 0)
        return nullptr;
    const auto found = m_Map_Title[index].find(i_Title);
    return found == m_Map_Title[index].end() ? nullptr : found->second.get();
}

const std::vector<std::wstring>& C_Info_Schema::M_Fn_Title_List(E_Type_Relation i_Type) const
{
    static const std::vector<std::wstring> none;
    const int index = G_Fn_Title_Index(i_Type);
    return index < 0 ? none : m_List_Title[index];
}

int C_Info_Schema::M_Fn_Import_Resolve_Nastran(const std::string& i_Keyword, const C_Info_Table*& o_ro_Table,
                                               std::vector<std::int32_t>& o_Selection) const
{
    o_ro_Table = M_Fn_Info_Table_Lookup_By_Format(E_Format_Nastran, i_Keyword);
    if (!o_ro_Table)
        return 0;
    return o_ro_Table->M_Fn_Parse_option_keyword(std::string(), o_Selection);
}

int C_Info_Schema::M_Fn_Import_Resolve_Dyna(const std::string& i_Keyword, const C_Info_Table*& o_ro_Table,
                                            std::vector<std::int32_t>& o_Selection) const
{
    std::string keyword = i_Keyword;
    std::string options;
    o_ro_Table = nullptr;
    while (!keyword.empty()) {
        o_ro_Table = M_Fn_Info_Table_Lookup_By_Format(E_Format_Dyna, keyword);
        if (o_ro_Table)
            break;
        const std::size_t cut = keyword.rfind('_');
        if (cut == std::string::npos)
            break;
        options = keyword.substr(cut) + options;
        keyword.resize(cut);
    }
    if (!o_ro_Table)
        return 0;
    if (!options.empty())
        options.erase(0, 1); // the leading "_"
    return o_ro_Table->M_Fn_Parse_option_keyword(options, o_Selection);
}

const C_Obj_Ops& C_Info_Schema::M_Fn_Obj_Ops(E_Type_Obj i_Type) const
{
    if (!m_Init_Started || i_Type >= G_Type_Obj_Num)
        VT_THROW("N_Biz::N_DB::C_Info_Schema::M_Fn_Obj_Ops");
    return m_Ops[i_Type];
}

} // namespace N_Biz::N_DB
