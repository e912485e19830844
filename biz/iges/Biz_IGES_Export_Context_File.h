// The IGES file writer: one fixed-format ASCII file written from a global-section record and an
// entity table.
//
// Design note. The k-th entity written takes the directory lines 2k-1 and 2k, and every pointer
// written (matrix, colour, members, the parameter lines' back pointers) is 2*slot-1, so slot, id and
// writing order must agree: a table with a free slot before an occupied one, an entity whose id
// differs from its slot, or a reference to a slot that holds no entity of the right type is
// refused before anything is written, since its pointers would name the wrong entities. All
// sections are composed in memory first; the file is opened only when they are complete.
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"
#include "biz/iges/Biz_IGES_Global.h"

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace N_Biz::N_IGES::N_Export {

class C_Context_File {
public:
    // Empty lists, no global record, empty table.
    C_Context_File(const std::wstring& i_Path, const std::wstring& i_Name_File);
    ~C_Context_File();

    // Composes every section and writes the file, with the messages "File writing...", "Path: " +
    // path and "======== Finished ========". Returns 1 on success and 0 when the file cannot be
    // opened ("Error: Failed to open file."; nothing is written). Throws C_Exception for a missing
    // global record, unusable delimiters, a table it refuses (see above), an entity that cannot be
    // written and a failed write.
    int M_Fn_Export();

    // One S line, "START RECORD GO HERE".
    int M_Fn_Export_Section_Start();
    // The two delimiters as one-character Hollerith strings, then parameters 3 to 26.
    int M_Fn_Export_Section_Global();
    // Two D lines and the P lines of every occupied slot from 1 on, in order.
    int M_Fn_Export_Section_Entity();
    // One T line with the counts of the S, G, D and P lines.
    int M_Fn_Export_Section_Terminate();
    // Writes the composed sections to the file. Returns 1, or 0 when it cannot be opened.
    int M_Fn_Export_File();
    // Writes the composed sections to a stream: each line as its 72 columns, the section letter and
    // the sequence number right-aligned in 7 columns, then "\n". Returns 1; throws on a failed write.
    int M_Fn_Export_Stream(std::ostream& io_Stream) const;

    std::wstring m_Path;
    std::wstring m_Name_File;
    std::vector<std::string> m_Lines_S;
    std::vector<std::string> m_Lines_G;
    std::vector<std::string> m_Lines_D;
    std::vector<std::string> m_Lines_P;
    std::vector<std::string> m_Lines_T;
    char m_Delimiter_Param = 0;
    char m_Delimiter_Record = 0;
    std::shared_ptr<C_Global> m_sp_Global;
    C_Table_Entity m_Table;
};

} // namespace N_Biz::N_IGES::N_Export
