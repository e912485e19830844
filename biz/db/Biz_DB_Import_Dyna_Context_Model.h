// The Dyna keyword reader: reads the blocks between "*KEYWORD" and "*END" of a keyword deck into
// the import catalog and runs the catalog's processing.
//
// What it reads. A line starting with "*" is a keyword line (keywords in any case, blanks around
// them ignored; "_TITLE" and other option suffixes are decoded by the schema); "$" in column 1
// starts a comment line (also "$#"); every other line is a data line of the last keyword's card,
// filling the card's rows one after another. A data line is comma-separated when it holds a comma,
// else fixed-width with the widths of the schema's columns (10 characters, *NODE and
// *ELEMENT_SHELL 8 and 16); a column marked end-of-line ends the line's part of the row.
//
// Rows as they come. A row is filed as soon as its last field is read. A row with a field that had
// neither a value nor a default is dropped after its warnings, and the card goes on with its next
// row. A row still incomplete when the next keyword line or "*END" comes is dropped with "Line:
// <its first line>, Warning: Entry is incomplete, it is ignored." (a card cut short would otherwise
// come in with made-up values, such as a section of thickness 0). A comma-separated field longer
// than its column is refused with a warning naming the line and takes its column's default (a
// field cut to the column's width would be another number). A deck without "*END" is cut short and
// fails.
#pragma once

#include "biz/db/Biz_DB_Import_Context_Catalog.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace N_Biz::N_DB::N_Import::N_Dyna {

class C_Context_Model : public C_Context_Catalog {
public:
    enum E_State : std::uint32_t {
        E_State_Before = 0, // before "*KEYWORD"
        E_State_Inside = 1, // the keyword section
        E_State_Ended = 2,  // after "*END"
    };

    C_Context_Model(N_Model::C_Model_Data& ro_Data, N_Model::C_Proj_Port* i_p_Port,
                    std::shared_ptr<N_Cmd::C_Elem_Group> i_sp_Group, std::wstring i_Path);
    ~C_Context_Model() override;

    // Reads the deck and processes the catalog: 1 on success, otherwise the failing step's result
    // (0 with its message). C_Exception passes on after "Line: <n>, Exception occurred!".
    std::uint32_t M_Fn_Import();

    // The steps, for tests: the file, one line inside the keyword section, one data line.
    std::uint32_t M_Fn_Import_File();
    std::uint32_t M_Fn_Import_Line_Head(std::string_view i_Line);
    std::uint32_t M_Fn_Import_Line_Content(std::string_view i_Line);

    std::uint64_t M_Fn_Line_Count() const { return m_Line_Count; }
    std::uint32_t M_Fn_State() const { return m_State; }

private:
    // Drops the row under construction of the current card, if any, with its warning.
    void M_Fn_Row_Drop_Incomplete();
    // Files the finished row (or drops it when a field had no value).
    void M_Fn_Row_File();

    std::wstring m_Path;
    std::uint64_t m_Line_Count = 0;
    std::uint32_t m_State = E_State_Before;
    std::shared_ptr<C_Context_Row> m_sp_Context;
    std::uint64_t m_Row_Line = 0; // the line that started the row under construction
};

} // namespace N_Biz::N_DB::N_Import::N_Dyna
