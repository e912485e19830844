// Table descriptors: configuration rules, the row layout (fixed members, gaps, inline and separate
// overflow), relations, routes, option keyword parsing and the row factory.
#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_C_Section.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "tests/db/Test_DB_Support.h"

#include <gtest/gtest.h>

using namespace N_Biz::N_DB;
using N_Common::N_Exception::C_Exception;
using N_Test_DB::G_Fn_Card;
using N_Test_DB::G_Fn_Col;
using N_Test_DB::G_Fn_Schema;
using N_Test_DB::G_Fn_Table;

namespace {

// Offset and overflow flag of each practical column of the card.
std::vector<std::pair<std::size_t, bool>> G_Fn_Layout(const C_Info_Table& ro_Table)
{
    std::vector<std::pair<std::size_t, bool>> layout;
    for (const auto& column : ro_Table.M_Fn_Columns_Practical())
        layout.push_back({column->M_Fn_Offset_Layout(), column->M_Fn_Is_Overflow()});
    return layout;
}

const C_Info_Table& G_Fn_One(const std::string& i_Card, unsigned i_Format = 2)
{
    static std::vector<std::shared_ptr<C_Info_Schema>> keep;
    keep.push_back(G_Fn_Schema({{i_Format, i_Card}}));
    const std::string keyword = i_Card.substr(i_Card.find("Keyword ") + 8, i_Card.find('\n', i_Card.find("Keyword ")) - i_Card.find("Keyword ") - 8);
    return *G_Fn_Table(*keep.back(), i_Format, keyword);
}

} // namespace

TEST(C_Info_Table, SmallOverflowLiesBehindTheFixedAreaALargerOneInABlock)
{
    std::string five;
    for (int i = 0; i < 5; ++i)
        five += G_Fn_Col("D" + std::to_string(i), "FLOAT64");
    const C_Info_Table& inline_table = G_Fn_One(G_Fn_Card("A", "", five));
    EXPECT_EQ(G_Fn_Layout(inline_table), (std::vector<std::pair<std::size_t, bool>>{{0, false}, {8, false}, {16, false}, {24, false}, {32, false}}));
    EXPECT_FALSE(inline_table.M_Fn_Flags() & C_Info_Table::E_Flag_Overflow_Block);
    const C_Info_Table& block_table = G_Fn_One(G_Fn_Card("A", "", five + G_Fn_Col("B", "INT32")));
    EXPECT_EQ(G_Fn_Layout(block_table),
              (std::vector<std::pair<std::size_t, bool>>{{0, false}, {8, false}, {16, false}, {24, false}, {0, true}, {8, true}}));
    EXPECT_TRUE(block_table.M_Fn_Flags() & C_Info_Table::E_Flag_Overflow_Block);
    EXPECT_EQ(block_table.M_Fn_Size_Overflow(), 16u);
    // Rows keep values in both areas apart.
    C_Row_Etc row(&block_table);
    for (std::uint32_t i = 0; i < 5; ++i)
        row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(i).M_Fn_Ref<double>() = i + 0.5;
    row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(5).M_Fn_Ref<std::int32_t>() = -9;
    for (std::uint32_t i = 0; i < 5; ++i)
        EXPECT_EQ(row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(i).M_Fn_Get<double>(), i + 0.5);
    EXPECT_EQ(row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(5).M_Fn_Get<std::int32_t>(), -9);
}

TEST(C_Info_Table, FixedMembersOfTheRelationTypes)
{
    const std::string material_key = G_Fn_Col("MID", "C_Key_C_Material", "Key_foreign_C_Material");
    const C_Info_Table& property =
        G_Fn_One(G_Fn_Card("P", "C_Property", G_Fn_Col("T", "FLOAT32", "Thk") + material_key + G_Fn_Col("PID", "INT32", "Key_primary_C_Property")));
    // The id at 0, the material key at 8, and the thickness in the gap between them.
    EXPECT_EQ(G_Fn_Layout(property), (std::vector<std::pair<std::size_t, bool>>{{4, false}, {8, false}, {0, false}}));
    std::string element = G_Fn_Col("EID", "INT32", "Key_primary_Element") + G_Fn_Col("PID", "C_Key_C_Property", "Key_foreign_C_Property");
    for (int i = 1; i <= 3; ++i)
        element += G_Fn_Col("G" + std::to_string(i), "INT32", "Key_foreign_Node_" + std::to_string(i));
    const C_Info_Table& three = G_Fn_One(G_Fn_Card("E", "Element_2D", element));
    EXPECT_FALSE(three.M_Fn_Flags() & C_Info_Table::E_Flag_Four_Node);
    EXPECT_EQ(G_Fn_Layout(three), (std::vector<std::pair<std::size_t, bool>>{{0, false}, {8, false}, {16, false}, {20, false}, {24, false}}));
    const C_Info_Table& four = G_Fn_One(G_Fn_Card("E", "Element_2D", element + G_Fn_Col("G4", "INT32", "Key_foreign_Node_4")));
    EXPECT_TRUE(four.M_Fn_Flags() & C_Info_Table::E_Flag_Four_Node);
    EXPECT_EQ(C_Row_Element_2D(&four).m_u32_Flag, 0x40u);
    EXPECT_EQ(C_Row_Element_2D(&three).m_u32_Flag, 0u);
    // A fixed member of another type, or a missing one, stops the card.
    EXPECT_THROW(G_Fn_One(G_Fn_Card("N", "Node", G_Fn_Col("ID", "INT32", "Key_primary_Node") + G_Fn_Col("X", "INT32", "Coordinate_X") +
                                                      G_Fn_Col("Y", "FLOAT32", "Coordinate_Y") + G_Fn_Col("Z", "FLOAT32", "Coordinate_Z"))),
                 C_Exception);
    EXPECT_THROW(G_Fn_One(G_Fn_Card("S", "C_Section", G_Fn_Col("A", "INT32"))), C_Exception);
}

TEST(C_Info_Table, OptionTextSelectsSubTablesInImportOrder)
{
    auto option = [](const std::string& keyword, const std::string& order) {
        return "OPTION_KEYWORD\nKeyword " + keyword + "\n" + (order.empty() ? "" : "Option_Keyword_Specify_import_order " + order + "\n") +
               "CONFIG_DONE\n" + G_Fn_Col("A", "INT32") + "OPTION_KEYWORD_END\n";
    };
    const C_Info_Table& table = G_Fn_One(G_Fn_Card("C", "", G_Fn_Col("A", "INT32") + option("TITLE", "0") + option("X", "") +
                                                                option("Y", "") + option("LATE", "5"),
                                                   {"Option_Keyword_Specify_import_order 2"}));
    std::vector<std::int32_t> order;
    ASSERT_EQ(table.M_Fn_Parse_option_keyword("", order), 1);
    EXPECT_EQ(order, std::vector<std::int32_t>({-1}));
    ASSERT_EQ(table.M_Fn_Parse_option_keyword("Y_LATE_X_TITLE", order), 1);
    EXPECT_EQ(order, std::vector<std::int32_t>({0, -1, 3, 2, 1})); // slots 0, 2, 5, then Y and X as met
    EXPECT_EQ(table.M_Fn_Parse_option_keyword("Z", order), 0);
    EXPECT_EQ(table.M_Fn_Parse_option_keyword("X_X", order), 0);
    EXPECT_EQ(table.M_Fn_Parse_option_keyword("TITLEX", order), 0);
}

TEST(C_Info_Table, FactoryMakesTheClassOfTheRelationType)
{
    const auto schema = N_Test_DB::G_Fn_Schema_Real();
    EXPECT_NE(dynamic_cast<C_Row_Node*>(G_Fn_Table(*schema, 3, "GRID")->M_Fn_Factory_apo_Row().get()), nullptr);
    EXPECT_NE(dynamic_cast<C_Row_Element_2D*>(G_Fn_Table(*schema, 3, "CQUAD4")->M_Fn_Factory_apo_Row().get()), nullptr);
    EXPECT_NE(dynamic_cast<C_Row_C_Section*>(G_Fn_Table(*schema, 2, "SECTION_SHELL")->M_Fn_Factory_apo_Row().get()), nullptr);
    EXPECT_NE(dynamic_cast<C_Row_C_Material*>(G_Fn_Table(*schema, 3, "MAT1")->M_Fn_Factory_apo_Row().get()), nullptr);
    EXPECT_NE(dynamic_cast<C_Row_C_Property*>(G_Fn_Table(*schema, 2, "PART")->M_Fn_Factory_apo_Row().get()), nullptr);
    const C_Info_Table& option = *G_Fn_Table(*schema, 2, "PART")->M_Fn_Info_Table_Option_Get_spo_At(0, 0);
    EXPECT_NE(dynamic_cast<C_Row_Etc*>(option.M_Fn_Factory_apo_Row().get()), nullptr);
    EXPECT_NE(dynamic_cast<C_Row_C_Section*>(C_Row_Common::S_Fn_Factory_apo_Row_Common(nullptr, E_Type_Relation_C_Section).get()), nullptr);
    EXPECT_THROW(C_Row_Node(G_Fn_Table(*schema, 3, "MAT1")), C_Exception); // a table of another relation type
}
