// Helpers of the database tests: schemas built from small texts, the real schema read from the
// build's output directory, and a compact way to write schema cards.
#pragma once

#include "biz/db/Biz_DB_Info_Schema.h"
#include "biz/db/Biz_DB_Info_Table.h"

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace N_Test_DB {

// A finished schema made from (format id, text) files, parsed in order. Throws what the parser throws.
inline std::shared_ptr<N_Biz::N_DB::C_Info_Schema> G_Fn_Schema(const std::vector<std::pair<unsigned, std::string>>& ro_Files)
{
    auto schema = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
    schema->M_Fn_Init_Begin();
    int n = 0;
    for (const auto& [format, text] : ro_Files) {
        std::istringstream stream(text);
        schema->M_Fn_Init_Parse_Stream(stream, format, "test_" + std::to_string(++n) + ".dat");
    }
    schema->M_Fn_Init_End();
    return schema;
}

// The schema of the fourteen files the build installed beside the program (read once).
inline std::shared_ptr<N_Biz::N_DB::C_Info_Schema> G_Fn_Schema_Real()
{
    static std::shared_ptr<N_Biz::N_DB::C_Info_Schema> schema = [] {
        auto s = std::make_shared<N_Biz::N_DB::C_Info_Schema>();
        s->M_Fn_Init(L"" VT_BINARY_DIR "/");
        return s;
    }();
    return schema;
}

// One column block. i_Keys are extra lines such as "Has_blank_vaule 0".
inline std::string G_Fn_Col(const std::string& i_Name, const std::string& i_Type, const std::string& i_Id = "",
                            const std::vector<std::string>& i_Keys = {})
{
    std::string text = "COLUMN\nName " + i_Name + "\nType_Obj E_Type_Obj_" + i_Type + "\n";
    if (!i_Id.empty())
        text += "Id_Column E_Id_Column_" + i_Id + "\n";
    for (const std::string& key : i_Keys)
        text += key + "\n";
    return text + "COLUMN_END\n";
}

// A card block: keyword, relation type (without prefix, "" for None), extra header lines, body.
inline std::string G_Fn_Card(const std::string& i_Keyword, const std::string& i_Relation, const std::string& i_Body,
                             const std::vector<std::string>& i_Header = {})
{
    std::string text = "CARD\nKeyword " + i_Keyword + "\n";
    if (!i_Relation.empty())
        text += "Type_Relation E_Type_Relation_" + i_Relation + "\n";
    for (const std::string& line : i_Header)
        text += line + "\n";
    return text + "CONFIG_DONE\n" + i_Body + "CARD_END\n";
}

// The table of a keyword in a finished schema (null when none).
inline const N_Biz::N_DB::C_Info_Table* G_Fn_Table(const N_Biz::N_DB::C_Info_Schema& ro_Schema, unsigned i_Format,
                                                   const std::string& i_Keyword)
{
    return ro_Schema.M_Fn_Info_Table_Lookup_By_Format(i_Format, i_Keyword);
}

} // namespace N_Test_DB
