// The schema file grammar, rule by rule: what is accepted, and that each refusal names its cause.
#include "tests/db/Test_DB_Support.h"
#include "tests/support/App_Port_Record.h"

#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "common/Common_Exception.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace N_Biz::N_DB;
using N_Common::N_Exception::C_Exception;
using N_Test_DB::G_Fn_Card;
using N_Test_DB::G_Fn_Table;
using N_Test_DB::G_Fn_Col;
using N_Test_DB::G_Fn_Schema;

namespace {

const std::string G_Int = G_Fn_Col("A", "INT32");

// Parses the files and expects a refusal; returns the recorded message.
std::wstring G_Fn_Refusal(const std::vector<std::pair<unsigned, std::string>>& ro_Files)
{
    auto schema = std::make_shared<C_Info_Schema>();
    schema->M_Fn_Init_Begin();
    int n = 0;
    try {
        for (const auto& [format, text] : ro_Files) {
            std::istringstream stream(text);
            schema->M_Fn_Init_Parse_Stream(stream, format, "test_" + std::to_string(++n) + ".dat");
        }
    } catch (const C_Exception&) {
        return schema->M_Fn_Error_Get();
    }
    ADD_FAILURE() << "no refusal";
    return L"";
}

bool G_Fn_Has(const std::wstring& i_Text, const std::wstring& i_Part)
{
    return i_Text.find(i_Part) != std::wstring::npos;
}

} // namespace

// --- lines -----------------------------------------------------------------------------------------

TEST(C_Info_Schema, LineGivesFirstWordAndTrimmedRestWithoutComment)
{
    C_Info_Schema schema;
    std::istringstream file("Keyword  PSHELL   $ shell property\n   \t \n$ only a comment\nDesc   a  b  c  \r\nlast");
    std::string key, value;
    bool eof = false;
    schema.M_Fn_Init_Parse_Line(file, key, value, eof);
    EXPECT_EQ(key, "Keyword");
    EXPECT_EQ(value, "PSHELL");
    schema.M_Fn_Init_Parse_Line(file, key, value, eof);
    EXPECT_EQ(key, "");
    schema.M_Fn_Init_Parse_Line(file, key, value, eof);
    EXPECT_EQ(key, "");
    EXPECT_EQ(value, "");
    schema.M_Fn_Init_Parse_Line(file, key, value, eof);
    EXPECT_EQ(key, "Desc");
    EXPECT_EQ(value, "a  b  c"); // inner blanks stay
    schema.M_Fn_Init_Parse_Line(file, key, value, eof);
    EXPECT_FALSE(eof); // a last line without line feed still counts
    EXPECT_EQ(key, "last");
    schema.M_Fn_Init_Parse_Line(file, key, value, eof);
    EXPECT_TRUE(eof);
}

TEST(C_Info_Schema, CommentsAndBlankLinesAreSkippedInEveryBlock)
{
    const std::string text = "$ head\n\nCARD $ a card\n  $\n Keyword K\n\n CONFIG_DONE\n COLUMN\n $ c\n\n Name A\n"
                             " Desc  first   second \n Type_Obj E_Type_Obj_INT32\n COLUMN_END\n\nCARD_END\n\n";
    const auto schema = G_Fn_Schema({{1, text}});
    const C_Info_Table* table = G_Fn_Table(*schema, 1, "K");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->M_Fn_Columns_Practical()[0]->M_Fn_Desc(), L"first   second\n");
}

TEST(C_Info_Schema, UnknownKeyOutsideACardIsAStreamFailure)
{
    C_Test_App t;
    EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal({{1, "$ x\nCOLUMN\n"}}), L"Schema file \"test_1.dat\", line 2: unknown key \"COLUMN\" outside a card."));
    EXPECT_EQ(t.port().M_Fn_Texts(L"box"), std::vector<std::wstring>({L"File stream failbit error occurred."}));
}

// --- cards -----------------------------------------------------------------------------------------

TEST(C_Info_Schema, CardWithTwoKeywordsIsFoundUnderBothAndTitledByTheFirst)
{
    const auto schema = G_Fn_Schema({{3, "CARD\nKeyword MAT1\nKeyword MAT1X\nType_Relation E_Type_Relation_C_Material\nCONFIG_DONE\n" +
                                              G_Fn_Col("MID", "INT32", "Key_primary_C_Material") + "CARD_END\n"}});
    EXPECT_EQ(G_Fn_Table(*schema, 3, "MAT1"), G_Fn_Table(*schema, 3, "MAT1X"));
    EXPECT_EQ(G_Fn_Table(*schema, 3, "MAT1X")->M_Fn_Title(), L"Nastran: MAT1");
    EXPECT_NE(schema->M_Fn_Info_Table_Lookup_By_Relation(E_Type_Relation_C_Material, L"Nastran: MAT1"), nullptr);
}

TEST(C_Info_Schema, ConfigDoneTakesTheKeysReadSoFar)
{
    const auto schema = G_Fn_Schema({{2, "CARD\nKeyword A\nCONFIG_DONE\nKeyword B\n" + G_Int + "CARD_END\n"}});
    EXPECT_NE(G_Fn_Table(*schema, 2, "A"), nullptr);
    EXPECT_EQ(G_Fn_Table(*schema, 2, "B"), nullptr);
    EXPECT_EQ(G_Fn_Table(*schema, 2, "A")->M_Fn_Keyword_List(), std::vector<std::string>({"A"}));
}

TEST(C_Info_Schema, KeysAfterConfigDoneAreRead)
{
    // Columns, relations and routes may follow CONFIG_DONE; a virtual column must.
    const std::string body = G_Fn_Col("PID", "INT32", "Key_primary_C_Property") +
                             G_Fn_Col("MID", "C_Key_C_Material", "Key_foreign_C_Material") + G_Fn_Col("T", "FLOAT32", "Thk") +
                             G_Fn_Col("T1", "FLOAT32", "Thk_1", {"Flag_Is_virtual", "Flag_Is_read_only"}) +
                             "RELATION\nType_Relation E_Type_Relation_C_Material\nId_Relation E_Id_Relation_1\n"
                             "Id_Column E_Id_Column_Key_foreign_C_Material\nRELATION_END\n"
                             "ROUTE\nId_Column E_Id_Column_Modulus_E\nType_Relation E_Type_Relation_C_Material\n"
                             "Id_Relation E_Id_Relation_1\nROUTE_END\n";
    const auto schema = G_Fn_Schema({{1, G_Fn_Card("Property", "C_Property", body)}});
    const C_Info_Table* table = G_Fn_Table(*schema, 1, "Property");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->M_Fn_Info_Route_Find(E_Id_Column_Modulus_E)->m_Kind, E_Route_Kind_Relation);
    EXPECT_EQ(table->M_Fn_Info_Route_Find(E_Id_Column_Thk_1)->m_Kind, E_Route_Kind_Virtual);
}

TEST(C_Info_Schema, DuplicateKeywordIsRefusedWithinAFormatAndAllowedAcrossFormats)
{
    const std::string card = G_Fn_Card("NODE", "", G_Int);
    EXPECT_NO_THROW(G_Fn_Schema({{2, card}, {3, card}}));
    EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal({{2, card}, {2, card}}), L"Schema file \"test_2.dat\", line 8: keyword \"NODE\" is registered already in format 2."));
    // Titles too are registered once per relation type.
    const std::string material = G_Fn_Card("M", "C_Material", G_Fn_Col("MID", "INT32", "Key_primary_C_Material"));
    EXPECT_NO_THROW(G_Fn_Schema({{2, material}, {3, material}}));
}

TEST(C_Info_Schema, EnumerationNamesMatchExactly)
{
    EXPECT_EQ(G_Fn_Get_e_Type_Obj("E_Type_Obj_wstring"), E_Type_Obj_wstring);
    EXPECT_EQ(G_Fn_Get_e_Id_Column("E_Id_Column_Dyna_SECTION_SHELL_ICOMP"), E_Id_Column_Dyna_SECTION_SHELL_ICOMP);
    EXPECT_EQ(G_Fn_Get_e_Type_Relation("E_Type_Relation_Element_2D"), E_Type_Relation_Element_2D);
    EXPECT_EQ(G_Fn_Get_e_Id_Relation("E_Id_Relation_4"), E_Id_Relation_4);
    EXPECT_THROW(G_Fn_Get_e_Type_Obj("E_Type_Obj_Float32"), C_Exception);
    EXPECT_THROW(G_Fn_Get_e_Type_Obj(" E_Type_Obj_INT32"), C_Exception);
    EXPECT_THROW(G_Fn_Get_e_Id_Column("E_Id_Column_None"), C_Exception);
    EXPECT_THROW(G_Fn_Get_e_Id_Relation("E_Id_Relation_5"), C_Exception);
    try {
        G_Fn_Get_e_Type_Relation("E_Type_Relation_Section");
        FAIL();
    } catch (const C_Exception& e) {
        EXPECT_STREQ(e.M_Fn_Function(), "N_Biz::N_DB::G_Fn_Get_e_Type_Relation");
    }
}

TEST(C_Info_Schema, ImportOrderSevenIsAcceptedAndEightRefused)
{
    const auto option = [](const std::string& order) {
        return G_Fn_Card("A", "", G_Int + "OPTION_KEYWORD\nKeyword B\nOption_Keyword_Specify_import_order " + order + "\nCONFIG_DONE\n" +
                                      G_Int + "OPTION_KEYWORD_END\n");
    };
    EXPECT_NO_THROW(G_Fn_Schema({{2, option("7")}}));
    EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal({{2, option("8")}}), L"import order 8 is above 7"));
    EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal({{2, option("7a")}}), L"import order \"7a\" is no unsigned number"));
}

TEST(C_Info_Schema, RepeatableAndSuppliedPossiblyNeedACheck)
{
    const std::string no_check = "CARD\nKeyword A\nFlag_Option_Conditional_Is_repeatable\nCONFIG_DONE\n";
    EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal({{2, no_check}}), L"needs Check_Option_Condition"));
    // A card with a relation cannot repeat itself: only option sub-rows repeat.
}

// --- columns ---------------------------------------------------------------------------------------

TEST(C_Info_Schema, LaterBlankOrDefaultLineWins)
{
    const auto schema = G_Fn_Schema({{2, G_Fn_Card("A", "", G_Fn_Col("A", "INT32", "", {"Has_default_vaule 3", "Has_blank_vaule 4"}) +
                                                             G_Fn_Col("B", "INT32", "", {"Has_blank_vaule 3", "Has_default_vaule 5"}))}});
    const auto& columns = G_Fn_Table(*schema, 2, "A")->M_Fn_Columns_Practical();
    EXPECT_TRUE(columns[0]->M_Fn_Has_Blank());
    EXPECT_EQ(columns[0]->M_Fn_Get_o_Visitor_Field_Const_Default().M_Fn_Get<std::int32_t>(), 4);
    EXPECT_FALSE(columns[1]->M_Fn_Has_Blank());
    EXPECT_TRUE(columns[1]->M_Fn_Has_Default());
    EXPECT_EQ(columns[1]->M_Fn_Get_o_Visitor_Field_Const_Default().M_Fn_Get<std::int32_t>(), 5);
}

TEST(C_Info_Schema, InclusiveAndExclusiveBounds)
{
    const auto schema = G_Fn_Schema({{2, G_Fn_Card("A", "", G_Fn_Col("Incl", "FLOAT32", "", {"Has_bound_lower_to_euqal 0", "Has_bound_upper_to_euqal 1"}) +
                                                             G_Fn_Col("Excl", "FLOAT32", "", {"Has_bound_lower 0", "Has_bound_upper 1"}))}});
    C_Row_Etc row(G_Fn_Table(*schema, 2, "A"));
    auto check = [&](std::uint32_t column, float value, bool lower, bool upper) {
        const C_Visitor_Field field = row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(column);
        field.M_Fn_Ref<float>() = value;
        bool lower_ok = false, upper_ok = false, third_ok = false;
        const bool in_range = C_Visitor_Field_Const(field).M_Fn_Is_in_range(lower_ok, upper_ok, third_ok);
        EXPECT_EQ(lower_ok, lower) << column << " " << value;
        EXPECT_EQ(upper_ok, upper) << column << " " << value;
        EXPECT_TRUE(third_ok);
        EXPECT_EQ(in_range, lower && upper);
    };
    check(0, 0.0f, true, true);
    check(0, 1.0f, true, true);
    check(0, -0.5f, false, true);
    check(0, 1.5f, true, false);
    check(1, 0.0f, false, true);
    check(1, 1.0f, true, false);
    check(1, 0.5f, true, true);
}

TEST(C_Info_Schema, ValueTextsMustBeReadWhole)
{
    // An empty text leaves the empty value; a text column keeps its inner blanks.
    const auto schema = G_Fn_Schema({{2, G_Fn_Card("A", "", G_Fn_Col("A", "FLOAT32", "", {"Has_blank_vaule"}) +
                                                             G_Fn_Col("B", "string", "", {"Has_default_vaule  x  y "}))}});
    const auto& columns = G_Fn_Table(*schema, 2, "A")->M_Fn_Columns_Practical();
    EXPECT_EQ(columns[0]->M_Fn_Get_o_Visitor_Field_Const_Default().M_Fn_Get<float>(), 0.0f);
    EXPECT_EQ(columns[1]->M_Fn_Get_o_Visitor_Field_Const_Default().M_Fn_Get<std::string>(), "x  y");
    // A width that is no number leaves 0.
    const auto widths = G_Fn_Schema({{2, G_Fn_Card("A", "", G_Fn_Col("A", "INT32", "", {"Size_Stream ten"}))}});
    EXPECT_EQ(G_Fn_Table(*widths, 2, "A")->M_Fn_Columns_Practical()[0]->M_Fn_Size_Stream(), 0u);
}

TEST(C_Info_Schema, MemoryModeAndValueStoreLayout)
{
    const auto schema = G_Fn_Schema({{2, G_Fn_Card("A", "", G_Fn_Col("S", "wstring") + G_Fn_Col("I", "INT32") +
                                                             G_Fn_Col("D", "FLOAT64", "", {"Has_default_vaule 1", "Has_bound_upper 9"}) +
                                                             G_Fn_Col("P", "INT32", "", {"Flag_Specify_memory_mode_indirect"}))}});
    const auto& columns = G_Fn_Table(*schema, 2, "A")->M_Fn_Columns_Practical();
    EXPECT_TRUE(columns[0]->M_Fn_Is_Indirect()); // a text object is above 16 bytes
    EXPECT_FALSE(columns[1]->M_Fn_Is_Indirect());
    EXPECT_TRUE(columns[3]->M_Fn_Is_Indirect());
    // Default and upper bound without a lower one: the upper bound follows the default directly.
    const auto* store_default = static_cast<const char*>(columns[2]->M_Fn_Get_o_Visitor_Field_Const_Default().m_p_Field);
    const auto* store_upper = static_cast<const char*>(columns[2]->M_Fn_Get_o_Visitor_Field_Const_Bound_upper().m_p_Field);
    EXPECT_EQ(store_upper - store_default, 8);
    EXPECT_THROW(columns[2]->M_Fn_Get_o_Visitor_Field_Const_Bound_lower(), C_Exception);
    EXPECT_EQ(columns[0]->M_Fn_Desc(), L"\n");
}

TEST(C_Info_Schema, VirtualColumnsNeedAGetterAndReadOnly)
{
    // No getter for this card and identity.
    // A getter of another result type.
    const auto schema = G_Fn_Schema({{1, G_Fn_Card("Property", "", G_Fn_Col("T", "FLOAT32", "Thk") +
                                                                   G_Fn_Col("T1", "FLOAT32", "Thk_1", {"Flag_Is_virtual", "Flag_Is_read_only"}))}});
    const C_Info_Column& virtual_column = *G_Fn_Table(*schema, 1, "Property")->M_Fn_Columns_Virtual()[0];
    EXPECT_TRUE(virtual_column.M_Fn_Has_pfn_Virtual());
    EXPECT_EQ(virtual_column.M_Fn_Desc(), L"\n(Read only) ");
}

// Every refusal names its cause (and the file and line, as the first case shows in full).
TEST(C_Info_Schema, EachRefusalNamesItsCause)
{
    const std::pair<std::vector<std::pair<unsigned, std::string>>, const wchar_t*> cases[] = {
        {{{2, "CARD\nKeyword A\nCONFIG_DONE\nCONFIG_DONE\n" + G_Int + "CARD_END\n"}}, L"line 4: a second CONFIG_DONE in one block."},
        {{{2, "CARD\n" + G_Int + "CARD_END\n"}}, L"has no CONFIG_DONE"},
        {{{2, "CARD\nCONFIG_DONE\n"}}, L"CONFIG_DONE before any Keyword"},
        {{{2, "CARD\nKeyword A\nCONFIG_DONE\nCARD_END\n"}}, L"has no stored column"},
        {{{1, "CARD\nKeyword Property\n" + G_Fn_Col("T1", "FLOAT32", "Thk_1", {"Flag_Is_virtual", "Flag_Is_read_only"})}}, L"virtual column \"T1\" before CONFIG_DONE"},
        {{{2, "CARD\nKeyword A\nCONFIG_DONE\n" + G_Int + "OPTION_KEYWORD_END\n"}}, L"\"OPTION_KEYWORD_END\" does not end the block that starts at line 1"},
        {{{2, G_Fn_Card("A", "", G_Int + "OPTION_KEYWORD\nKeyword B\nCONFIG_DONE\n" + G_Int + "CARD_END\n")}}, L"\"CARD_END\" does not end the block"},
        {{{2, "CARD\nKeyword A\nCONFIG_DONE\n" + G_Int}}, L"end of file inside the block that starts at line 1"},
        {{{2, "CARD\nKeyword A\nCONFIG_DONE\nCOLUMN\nName A\n"}}, L"end of file inside the column"},
        {{{2, "CARD\nKeyword A\nSizeStream 8\n"}}, L"unknown key \"SizeStream\" in a card block"},
        {{{2, "CARD\nKeyword A\nCONFIG_DONE\nCOLUMN\nSizeStream 8\n"}}, L"unknown key \"SizeStream\" in a column block"},
        {{{2, "CARD\nKeyword A\nCONFIG_DONE\n" + G_Fn_Col("A", "Float32")}}, L"line 6: unknown value type \"E_Type_Obj_Float32\"."},
        {{{2, "CARD\nKeyword A\nCheck_Option_Condition Fn_Check\n"}}, L"unknown option-condition check \"Fn_Check\""},
        {{{2, "CARD\nKeyword A\nFlag_Option_Conditional_Is_repeatable\n" "Flag_Option_Conditional_Is_supplied_possibly\nCONFIG_DONE\n"}}, L"both repeatable and supplied possibly"},
        {{{2, G_Fn_Card("A", "Node", G_Int, {"Flag_Option_Conditional_Is_repeatable", "Check_Option_Condition Fn_Table_Option_Condition_Check_SECTION_SHELL"})}}, L"card \"A\": refused by N_Biz::N_DB::C_Info_Table::M_Fn_Init"},
        {{{2, G_Fn_Card("A", "", G_Fn_Col("A", "INT32", "", {"Has_default_vaule 1.5.2"}))}}, L"column \"A\": default \"1.5.2\" is no E_Type_Obj_INT32"},
        {{{2, G_Fn_Card("A", "", G_Fn_Col("A", "UINT8", "", {"Has_bound_upper -1"}))}}, L"upper bound \"-1\" is no E_Type_Obj_UINT8"},
        {{{2, G_Fn_Card("A", "", G_Fn_Col("S", "string", "", {"Flag_Specify_memory_mode_direct"}))}}, L"a text column cannot be direct"},
        {{{1, G_Fn_Card("Property", "", G_Int + G_Fn_Col("T1", "FLOAT32", "Thk_1", {"Flag_Is_virtual"}))}}, L"virtual column \"T1\" without Flag_Is_read_only"},
        {{{1, G_Fn_Card("Material", "", G_Int + G_Fn_Col("T1", "FLOAT32", "Thk_1", {"Flag_Is_virtual", "Flag_Is_read_only"}))}}, L"column \"T1\" is refused"},
        {{{1, G_Fn_Card("Property", "", G_Int + G_Fn_Col("T1", "FLOAT64", "Thk_1", {"Flag_Is_virtual", "Flag_Is_read_only"}))}}, L"column \"T1\" is refused"},
        {{{2, G_Fn_Card("A", "", G_Fn_Col("A", "INT32", "Name") + G_Fn_Col("B", "INT32", "Name"))}}, L"card \"A\": two columns or routes of the card share an identity"},
        {{{2, G_Fn_Card("A", "Node", G_Int)}}, L"card \"A\": a fixed column of the card's relation type is missing"},
    };
    for (const auto& [files, cause] : cases)
        EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal(files), cause)) << files.front().second;
}

// --- relations and routes --------------------------------------------------------------------------

TEST(C_Info_Schema, RelationNeedsItsColumnAndRouteItsRelationDeclaredBefore)
{
    const std::string relation = "RELATION\nType_Relation E_Type_Relation_C_Material\nId_Relation E_Id_Relation_1\n"
                                 "Id_Column E_Id_Column_Key_foreign_C_Material\nRELATION_END\n";
    const std::string route = "ROUTE\nId_Column E_Id_Column_Modulus_E\nType_Relation E_Type_Relation_C_Material\n"
                              "Id_Relation E_Id_Relation_1\nROUTE_END\n";
    const std::string key = G_Fn_Col("MID", "C_Key_C_Material", "Key_foreign_C_Material");
    EXPECT_NO_THROW(G_Fn_Schema({{2, G_Fn_Card("A", "", key + relation + route)}}));
    EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal({{2, G_Fn_Card("A", "", key + route + relation)}}),
                         L"the route names a relation that is not declared before it"));
    EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal({{2, G_Fn_Card("A", "", relation + key)}}),
                         L"the relation names column \"E_Id_Column_Key_foreign_C_Material\", which is not declared before it"));
    // Relations come in ascending order of type and number, as routes keep their positions.
    const std::string second = "RELATION\nType_Relation E_Type_Relation_C_Section\nId_Relation E_Id_Relation_1\n"
                               "Id_Column E_Id_Column_Key_foreign_C_Section\nRELATION_END\n";
    const std::string section_key = G_Fn_Col("SECID", "C_Key_Common", "Key_foreign_C_Section");
    EXPECT_NO_THROW(G_Fn_Schema({{2, G_Fn_Card("A", "", key + section_key + second + relation)}}));
    EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal({{2, G_Fn_Card("A", "", key + section_key + relation + second)}}),
                         L"ascending order of type and number"));
    // The foreign key must be of the key type of the relation.
    EXPECT_TRUE(G_Fn_Has(G_Fn_Refusal({{2, G_Fn_Card("A", "", G_Fn_Col("MID", "INT32", "Key_foreign_C_Material") + relation)}}),
                         L"its column does not hold the key of that relation type"));
}

// --- registry --------------------------------------------------------------------------------------

TEST(C_Info_Schema, LookupsNeedAFinishedSchema)
{
    C_Info_Schema schema;
    EXPECT_THROW(schema.M_Fn_Info_Table_Lookup_By_Format(1, "Material"), C_Exception);
    EXPECT_THROW(schema.M_Fn_Info_Table_Lookup_By_Relation(E_Type_Relation_C_Material, L"x"), C_Exception);
    schema.M_Fn_Init_Begin();
    EXPECT_THROW(schema.M_Fn_Info_Table_Lookup_By_Format(1, "Material"), C_Exception);
    EXPECT_THROW(schema.M_Fn_Init_Begin(), C_Exception);
    schema.M_Fn_Init_End();
    EXPECT_EQ(schema.M_Fn_Info_Table_Lookup_By_Format(1, "Material"), nullptr);
    EXPECT_THROW(schema.M_Fn_Info_Table_Lookup_By_Format(4, "Material"), C_Exception);
    EXPECT_THROW(schema.M_Fn_Info_Table_Lookup_By_Format(0, "Material"), C_Exception);
    EXPECT_EQ(schema.M_Fn_Info_Table_Lookup_By_Relation(E_Type_Relation_Node, L"x"), nullptr);
    EXPECT_THROW(schema.M_Fn_Init(L"/nonexistent/"), C_Exception);
}

TEST(C_Info_Schema, DynaKeywordIsFoundDirectlyOrWithItsSuffixAsOptionText)
{
    const std::string option = "OPTION_KEYWORD\nKeyword TITLE\nOption_Keyword_Specify_import_order 0\nCONFIG_DONE\n" +
                               G_Fn_Col("TITLE", "wstring", "Title") + "OPTION_KEYWORD_END\n";
    const auto schema = G_Fn_Schema({{2, G_Fn_Card("SECTION_SHELL", "", G_Int + option, {"Option_Keyword_Specify_import_order 1"}) +
                                              G_Fn_Card("SECTION_SHELL_X", "", G_Int)}});
    const C_Info_Table* table = nullptr;
    std::vector<std::int32_t> order;
    ASSERT_EQ(schema->M_Fn_Import_Resolve_Dyna("SECTION_SHELL_X", table, order), 1); // a card keyword itself
    EXPECT_EQ(table, G_Fn_Table(*schema, 2, "SECTION_SHELL_X"));
    ASSERT_EQ(schema->M_Fn_Import_Resolve_Dyna("SECTION_SHELL_TITLE", table, order), 1);
    EXPECT_EQ(table, G_Fn_Table(*schema, 2, "SECTION_SHELL"));
    EXPECT_EQ(order, std::vector<std::int32_t>({0, -1}));
    EXPECT_EQ(schema->M_Fn_Import_Resolve_Dyna("SECTION_SHELL_Y", table, order), 0); // the card refuses Y
}

TEST(C_Info_Schema, BrokenFileStopsTheStartUpWithItsMessages)
{
    C_Test_App t;
    for (const auto& file : C_Info_Schema::S_Files)
        std::filesystem::copy_file(std::string(VT_BINARY_DIR) + "/" + file.m_Name, t.dir() / file.m_Name);
    {
        std::ofstream broken(t.dir() / "data_format_nastran_e.dat", std::ios::app);
        broken << "CARD\nKeyword GRID\nBogus\n";
    }
    EXPECT_EQ(C_Info_Schema::S_Fn_Init_App(t.app()), 0);
    EXPECT_FALSE(t.app().m_sp_Schema);
    const auto boxes = t.port().M_Fn_Texts(L"box");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(G_Fn_Has(boxes[0], L"Schema file \"data_format_nastran_e.dat\", line "));
    EXPECT_TRUE(G_Fn_Has(boxes[0], L": unknown key \"Bogus\" in a card block."));
    EXPECT_EQ(boxes[1], L"Failed to initialize database information.");
    EXPECT_EQ(t.log_lines().back(), "Msg: Failed to initialize database information.");
}

TEST(C_Info_Schema, MissingFileStopsTheStartUpNamingItsPath)
{
    C_Test_App t;
    for (const auto& file : C_Info_Schema::S_Files)
        if (std::string(file.m_Name) != "data_format_dyna_c_p.dat")
            std::filesystem::copy_file(std::string(VT_BINARY_DIR) + "/" + file.m_Name, t.dir() / file.m_Name);
    EXPECT_EQ(C_Info_Schema::S_Fn_Init_App(t.app()), 0);
    const auto boxes = t.port().M_Fn_Texts(L"box");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], L"Failed to open file: " + t.app().M_Fn_Dir_Get() + L"data_format_dyna_c_p.dat");
    EXPECT_EQ(boxes[1], L"Failed to initialize database information.");
}

TEST(C_Info_Schema, BlankValueIsTheDefaultOfABlankColumn)
{
    const auto schema = G_Fn_Schema({{2, G_Fn_Card("A", "", G_Fn_Col("B", "FLOAT32", "", {"Has_blank_vaule 2"}) +
                                                             G_Fn_Col("D", "FLOAT32", "", {"Has_default_vaule 2"}) +
                                                             G_Fn_Col("K", "C_Key_C_Material", "", {"Has_blank_vaule"}))}});
    C_Row_Etc row(G_Fn_Table(*schema, 2, "A"));
    auto blank = [&](std::uint32_t i) { return C_Visitor_Field_Const(row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(i)).M_Fn_Is_blank(); };
    EXPECT_FALSE(blank(0)); // a new row holds 0
    row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(0).M_Fn_Ref<float>() = 2.0f;
    EXPECT_TRUE(blank(0));
    row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(1).M_Fn_Ref<float>() = 2.0f;
    EXPECT_FALSE(blank(1)); // a default, but no blank value
    EXPECT_TRUE(blank(2));  // the empty key
    row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(2).M_Fn_Ref<C_Key_C_Material>() = C_Key_C_Material(3);
    EXPECT_FALSE(blank(2));
    EXPECT_THROW(C_Visitor_Field_Const().M_Fn_Is_blank(), C_Exception);
}
