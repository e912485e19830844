// The IGES file reader: one fixed-format ASCII file read into its five sections, its global-section
// record and its entity table. Nothing is converted into section geometry here.
//
// Design note. Every line must be at least 80 columns (a trailing CR of a CR LF line end is not a
// column); column 73 names the section and columns 74-80 number the line within it, without gap.
// Each section keeps columns 1-72 of its lines, with an empty entry 0 so that an array index is a
// sequence number. All counts, pointers and lengths in the file are checked before they are used;
// every fault throws C_Exception and leaves nothing half-read to the caller.
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"
#include "biz/iges/Biz_IGES_Global.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <string>
#include <vector>

namespace N_Biz::N_IGES::N_Import {

class C_Context_File {
public:
    // Empty sections, no global record, empty entity table.
    C_Context_File(const std::wstring& i_Path, const std::wstring& i_Name_File);

    // The whole reading, with the messages "File reading...", "Path: " + path and
    // "======== Finished ========". Returns 1 on success and 0 when the file cannot be opened
    // ("Error: Failed to open file."); every other failure throws C_Exception.
    int M_Fn_Import();

    // Reads the file's lines into the five sections (through M_Fn_Import_Stream). Returns 1, or 0
    // after the message "Error: Failed to open file.".
    int M_Fn_Import_File();
    // Reads the lines of an open stream into the five sections, replacing what they held. Throws
    // for a stream error, a line shorter than 80 columns, a section letter other than S, G, D, P,
    // T and a sequence number out of order. Returns 1.
    int M_Fn_Import_Stream(std::istream& io_Stream);
    // The global text: the G lines joined.
    int M_Fn_Import_Section_Global_Join();
    // The two delimiters (each must be a one-character Hollerith string; the defaulted form is
    // refused) and the global record. Returns 1.
    int M_Fn_Import_Section_Global();
    // One entity per pair of D lines, in directory order, at slot k for lines 2k-1 and 2k. Returns 1.
    int M_Fn_Import_Section_Entity();

    std::wstring m_Path;
    std::wstring m_Name_File;
    std::string m_Line;              // the line last read
    std::int32_t m_Count_Line = 0;   // 1 plus the number of lines read so far
    std::vector<std::string> m_Lines_S;
    std::vector<std::string> m_Lines_G;
    std::vector<std::string> m_Lines_D;
    std::vector<std::string> m_Lines_P;
    std::vector<std::string> m_Lines_T;
    std::string m_Text_Global;
    char m_Delimiter_Param = 0;
    char m_Delimiter_Record = 0;
    std::shared_ptr<C_Global> m_sp_Global;
    C_Table_Entity m_Table;
};

} // namespace N_Biz::N_IGES::N_Import
