// The schema registry: at start-up it reads the fourteen schema files beside the program and holds
// one table descriptor per card, found by format and keyword or by relation type and title. One
// instance is owned by the application (C_App::m_sp_Schema) for the whole run.
//
// File grammar (one key per line; "$" starts a comment; the key is the first word, the value the
// rest of the line without blanks at its ends):
//   CARD ... CARD_END                  a card: Keyword (several allowed), Type_Relation,
//                                      Check_Option_Condition, Option_Keyword_Specify_import_order,
//                                      Flag_Option_Conditional_Is_repeatable,
//                                      Flag_Option_Conditional_Is_supplied_possibly, CONFIG_DONE
//                                      (configures the card from the keys read so far), and blocks:
//   OPTION_KEYWORD ... OPTION_KEYWORD_END, OPTION_CONDITION ... OPTION_CONDITION_END
//                                      an option sub-table, with the same keys as a card;
//   COLUMN ... COLUMN_END              Name, Desc, Id_Column, Type_Obj, Size_Stream,
//                                      Has_blank_vaule, Has_default_vaule, Has_bound_lower,
//                                      Has_bound_lower_to_euqal, Has_bound_upper,
//                                      Has_bound_upper_to_euqal, Flag_Is_virtual, Flag_Is_read_only,
//                                      Flag_Is_end_of_line, Flag_Specify_memory_mode_direct,
//                                      Flag_Specify_memory_mode_indirect;
//   RELATION ... RELATION_END          Type_Relation, Id_Relation, Id_Column (columns declared
//                                      before); relations in ascending (type, number) order;
//   ROUTE ... ROUTE_END                Id_Column, Type_Relation, Id_Relation (relation declared
//                                      before): that column is found in the related row.
// A keyword is registered once per format and a title once per relation type, over all files.
//
// Failures. Every failure throws C_Exception and stops the start-up. A file that cannot be opened
// shows "Failed to open file: " and the path; a broken line read shows "File stream badbit error
// occurred." or "File stream failbit error occurred." (the latter also for an unknown key outside a
// card). For every refusal the parser also records its cause with the file and line; M_Fn_Init
// shows it as one message ("Schema file "<name>", line <n>: <cause>.") and M_Fn_Error_Get keeps it.
#pragma once

#include "biz/db/Biz_DB_Enum.h"
#include "biz/db/Biz_DB_Info_Table.h"
#include "biz/db/Biz_DB_Obj_Ops.h"

#include <array>
#include <cstdint>
#include <istream>
#include <map>
#include <memory>
#include <string>
#include <vector>

class C_App;

namespace N_Biz::N_DB {

namespace N_Import {
class C_Context_Row;
}

class C_Info_Schema {
public:
    // Block kinds of the parser.
    enum E_Block : std::uint32_t { E_Block_Card = 0, E_Block_Option_Keyword = 1, E_Block_Option_Condition = 2 };

    // The fourteen files, in reading order, with their format ids.
    struct C_File {
        const char* m_Name;
        std::uint32_t m_Format;
    };
    static const std::array<C_File, 14> S_Files;

    C_Info_Schema() = default;
    ~C_Info_Schema();
    C_Info_Schema(const C_Info_Schema&) = delete;
    C_Info_Schema& operator=(const C_Info_Schema&) = delete;

    // The start-up step: a new schema read from the application's program directory becomes the
    // application's schema; 1. On failure "Failed to initialize database information." is shown
    // (after the parser's own message) and the result is 0; the application then stops.
    static int S_Fn_Init_App(C_App& ro_App);

    // Reads the fourteen files from the application's program directory (M_Fn_Dir_Get), or from
    // i_Dir (ending in '/'). 1 on success; C_Exception on every failure, also when called twice.
    int M_Fn_Init();
    int M_Fn_Init(const std::wstring& i_Dir);

    // The steps of M_Fn_Init, for building a schema from other sources: Begin fills the operation
    // table and marks the start (C_Exception when started or done already); Parse_Stream parses one
    // file's text with its format id (i_Name only names it in messages); End builds the title
    // lists and marks the schema done.
    void M_Fn_Init_Begin();
    void M_Fn_Init_Parse_File(const std::wstring& i_Path, const std::string& i_Name, std::uint32_t i_Format);
    void M_Fn_Init_Parse_Stream(std::istream& ro_File, std::uint32_t i_Format, const std::string& i_Name);
    void M_Fn_Init_End();

    // One line: key = first word, value = the rest without blanks at its ends; "$" starts a
    // comment. o_Eof is set (key and value empty) at the end of the file.
    void M_Fn_Init_Parse_Line(std::istream& ro_File, std::string& o_Key, std::string& o_Value, bool& o_Eof);
    // A card block (i_p_Parent null, after "CARD") or an option block nested in i_p_Parent.
    std::shared_ptr<C_Info_Table> M_Fn_Init_Parse_Card(std::istream& ro_File, std::uint32_t i_Format, E_Block i_Kind,
                                                       C_Info_Table* i_p_Parent);
    void M_Fn_Init_Parse_Column(std::istream& ro_File, C_Info_Table& ro_Table);
    void M_Fn_Init_Parse_Relation(std::istream& ro_File, C_Info_Table& ro_Table);
    void M_Fn_Init_Parse_Route(std::istream& ro_File, C_Info_Table& ro_Table);

    // The card of a keyword in format 1, 2 or 3, or null. C_Exception before the schema is done
    // or for another format.
    const C_Info_Table* M_Fn_Info_Table_Lookup_By_Format(std::uint32_t i_Format, const std::string& i_Keyword) const;
    // The card of a title among the sections, materials or properties, or null (other relation
    // types give null). C_Exception before the schema is done.
    const C_Info_Table* M_Fn_Info_Table_Lookup_By_Relation(E_Type_Relation i_Type, const std::wstring& i_Title) const;
    // The titles of the section, material or property cards in ascending order (empty for other
    // relation types): the card types the user interface offers.
    const std::vector<std::wstring>& M_Fn_Title_List(E_Type_Relation i_Type) const;

    // The card and option selection for a deck keyword: Nastran keywords are looked up exactly
    // with no options; Dyna keywords lose "_" suffixes from the end until a card is found, and the
    // suffixes are the card's option text (SECTION_SHELL_TITLE: card SECTION_SHELL, option TITLE).
    // 1 when a card was found and accepts the options, else 0 (outputs then undefined).
    int M_Fn_Import_Resolve_Nastran(const std::string& i_Keyword, const C_Info_Table*& o_ro_Table,
                                    std::vector<std::int32_t>& o_Selection) const;
    int M_Fn_Import_Resolve_Dyna(const std::string& i_Keyword, const C_Info_Table*& o_ro_Table,
                                 std::vector<std::int32_t>& o_Selection) const;
    // Import row contexts bound to the card of a keyword (empty when none or its options are
    // refused). Defined with the import row context.
    std::shared_ptr<N_Import::C_Context_Row> M_Fn_Import_Create_spo_Context_Row_Dyna(const std::string& i_Keyword) const;
    std::shared_ptr<N_Import::C_Context_Row> M_Fn_Import_Create_spo_Context_Row_Nastran(const std::string& i_Keyword) const;

    const C_Obj_Ops& M_Fn_Obj_Ops(E_Type_Obj i_Type) const;
    bool M_Fn_Is_Done() const { return m_Init_Done != 0; }
    // The message of the first refusal: "Schema file "<name>", line <n>: <cause>."; empty when the
    // parser refused nothing (or failed for another reason: a missing file, a read error).
    std::wstring M_Fn_Error_Get() const;

private:
    void M_Fn_Check_Done() const;
    void M_Fn_Init_Cause_Set(const std::wstring& i_Cause);
    // The next line with a key inside a block; the end of the file there is a refusal naming
    // i_Function and the block (i_Block, starting at line i_First_Line).
    void M_Fn_Init_Parse_Block_Line(std::istream& ro_File, std::string& o_Key, std::string& o_Value, const char* i_Function,
                                    const wchar_t* i_Block, unsigned i_First_Line);
    // Runs i_Fn; a C_Exception from it records i_Cause (unless a deeper cause was recorded) and
    // passes on.
    template <class F>
    auto M_Fn_Init_Guard(const std::wstring& i_Cause, F i_Fn);
    void M_Fn_Init_Card_Register(const std::shared_ptr<C_Info_Table>& ro_Table, std::uint32_t i_Format);

    std::uint32_t m_Init_Started = 0;
    std::uint32_t m_Init_Done = 0;
    std::array<C_Obj_Ops, G_Type_Obj_Num> m_Ops{};
    // Per format id 1, 2, 3: keyword -> card.
    std::map<std::string, std::shared_ptr<C_Info_Table>> m_Map_Keyword[3];
    // Per relation type C_Section, C_Material, C_Property: title -> card, and the titles in order.
    std::map<std::wstring, std::shared_ptr<C_Info_Table>> m_Map_Title[3];
    std::vector<std::wstring> m_List_Title[3];

    // Where the parser stands, for the cause of a refusal.
    std::string m_Parse_Name;
    unsigned m_Parse_Line = 0;
    std::wstring m_Parse_Cause;
    std::string m_Parse_Cause_Name;
    unsigned m_Parse_Cause_Line = 0;
};

} // namespace N_Biz::N_DB
