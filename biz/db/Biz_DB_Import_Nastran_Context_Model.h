// The Nastran bulk-data reader: reads a deck (its bulk data, with INCLUDE files) into the import
// catalog and runs the catalog's processing.
//
// What it reads. Lines before "BEGIN BULK" (executive and case control) are skipped, and so is
// everything after "ENDDATA". Each bulk line is one entry: small field (8-character fields, the
// head in columns 1-8, a continuation mnemonic in columns 73-80), large field (a head ending in
// "*", 16-character fields) or free field (a comma within the first nine characters). A line
// continues the previous entry when its head is blank or a lone "+" or "*", and continues the
// entry that registered its mnemonic when its head is "+name" or "*name". Fields are sliced by
// column, never split on blanks ("-6.22-15" next to "28.01168" are two fields); numbers take the
// implicit-exponent forms ("7.+7", "1.-3") and D exponents, and must fill their field. Tabs stand
// for blanks up to the next multiple of 8 columns, as Nastran reads them; "$" starts a comment;
// blank lines are skipped; every keyword is matched in upper case.
//
// Decks as they come. An INCLUDE file is bulk data of its own (no "BEGIN BULK" needed, an
// "ENDDATA" in it ends that file only), named relative to the directory of the file that includes
// it; includes nest at most 10 deep, so a file that includes itself fails with "Error: Include file
// depth exceed 10.". A main file without executive control ("CEND") and without "BEGIN BULK" is a
// bulk-data file and is read as such, with a warning; a main deck that has "BEGIN BULK" but no
// "ENDDATA" is cut short and fails. Replication
// ("=" and "*(" heads) is refused.
//
// Memory. An entry's row stays open while the deck may still continue it (it is the previous
// entry, or a continuation mnemonic names it) and is finished and filed as soon as it cannot, in
// the order of the keyword lines; so a deck of a million entries never holds a million open rows.
// A mnemonic in columns 73-80 keeps its row open only when some line of the deck (or of a file it
// includes) is headed by it: the first such mnemonic makes the reader scan the deck for those heads
// once, so a deck whose every line carries a mnemonic that nothing continues reads as fast and in
// as little memory as one without.
#pragma once

#include "biz/db/Biz_DB_Import_Context_Catalog.h"
#include "biz/db/Biz_DB_Import_File_Line.h"
#include "biz/db/Biz_DB_Import_Nastran_Context_Entry.h"
#include "biz/db/Biz_DB_Import_Nastran_Context_File.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace N_Biz::N_DB::N_Import::N_Nastran {

class C_Context_Model : public C_Context_Catalog {
public:
    static constexpr std::uint32_t S_Include_Depth_Max = 10;
    static constexpr std::size_t S_Include_Name_Max = 4096;

    C_Context_Model(N_Model::C_Model_Data& ro_Data, N_Model::C_Proj_Port* i_p_Port,
                    std::shared_ptr<N_Cmd::C_Elem_Group> i_sp_Group, std::wstring i_Path);
    ~C_Context_Model() override;

    // Reads the deck, completes and files its rows, and processes the catalog. 1 on success,
    // otherwise the failing step's result (0 with its message). C_Exception passes on after the
    // line it came from is named ("Line: <n>, Exception occurred!").
    std::uint32_t M_Fn_Import();

    // The steps, for tests: one file (the current file context; recursively for INCLUDE), one
    // bulk line, and the completion of every row still open.
    std::uint32_t M_Fn_Import_File();
    std::uint32_t M_Fn_Import_Entry(std::string_view i_Line);
    std::uint32_t M_Fn_Import_Finish();

    std::uint64_t M_Fn_Line_Total() const { return m_Line_Total; }
    bool M_Fn_Is_Replication() const { return m_Replication; }
    bool M_Fn_Is_Replication_Possible() const { return m_Replication_Possible; }

private:
    // A row being read and the keyword it belongs to.
    struct C_Keyword {
        std::shared_ptr<C_Context_Row> m_sp_Proto;
        std::vector<std::shared_ptr<C_Context_Row>> m_Free; // finished contexts to reuse
    };
    struct C_Open {
        std::shared_ptr<C_Context_Row> m_sp_Context;
        C_Keyword* m_p_Keyword = nullptr;
        std::uint64_t m_Line = 0;       // its keyword line
        std::uint32_t m_Registered = 0; // continuation mnemonics that name it
    };

    std::uint32_t M_Fn_Import_File_Lines(C_File_Line& ro_File, bool& o_Cend);
    std::uint32_t M_Fn_Import_Line(std::string_view i_Line, bool& o_Cend);
    std::uint32_t M_Fn_Import_Include_Text(std::string_view i_Text);
    std::uint32_t M_Fn_Import_Include();
    std::uint32_t M_Fn_Import_Entry_Head(std::string_view i_Line);
    std::uint32_t M_Fn_Import_Entry_Content_Fixed(std::string_view i_Line);
    std::uint32_t M_Fn_Import_Entry_Content_Free(std::string_view i_Line);
    std::uint32_t M_Fn_Import_Entry_Continuation();

    // The open context at position i_Pos (C_Exception when it is no longer open).
    C_Open& M_Fn_Open_At(std::uint64_t i_Pos);
    // A fresh context for a keyword, or null when the schema does not know it (logged once).
    std::shared_ptr<C_Context_Row> M_Fn_Context_Get(const std::string& i_Keyword, C_Keyword*& o_p_Keyword);
    void M_Fn_Register_Drop(std::uint64_t i_Pos);
    // Completes (option flag 0, empty texts), files and recycles the row of ro_Open.
    void M_Fn_Context_Close(C_Open& ro_Open);
    // Closes the oldest open rows that no line can continue any more.
    void M_Fn_Context_Close_Ready();
    // Whether some line of the deck is headed by i_Mnemonic (scans the deck the first time).
    bool M_Fn_Mnemonic_Is_Continued(std::string_view i_Mnemonic);
    // Adds the hashes of the mnemonic heads of the file (and its includes) to m_Continued.
    void M_Fn_Scan_Continued(const std::wstring& i_Path, std::uint32_t i_Depth);

    std::wstring m_Path;
    std::shared_ptr<C_Context_File> m_sp_File;
    C_Context_Entry m_Entry_Prev;
    C_Context_Entry m_Entry_Curr;
    bool m_Has_Prev = false;
    std::deque<C_Open> m_Open;
    std::uint64_t m_Open_Base = 0; // position of m_Open.front()
    std::unordered_map<std::string, std::uint64_t> m_Map_Continuation;
    std::unordered_map<std::string, C_Keyword> m_Keywords;
    std::uint32_t m_Include_Depth = 0;
    std::uint64_t m_Line_Total = 0;
    bool m_Replication = false;
    bool m_Replication_Possible = false;
    bool m_Include_Collecting = false;
    std::string m_Include_Name;
    std::string m_Scratch; // a line with its tabs expanded
    bool m_Continued_Scanned = false;
    std::vector<std::uint64_t> m_Continued; // hashes of the deck's mnemonic heads, sorted
};

} // namespace N_Biz::N_DB::N_Import::N_Nastran
