// The fourteen schema files as the build installs them: start-up loads them, every keyword and
// title that the rest of the system looks up is there, and real decks' keywords resolve.
#include "tests/db/Test_DB_Support.h"
#include "tests/support/App_Port_Record.h"

#include "biz/db/Biz_DB_Info_Column.h"
#include "common/Common_String.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

using namespace N_Biz::N_DB;
using N_Test_DB::G_Fn_Schema_Real;

namespace {

const C_Info_Table& G_Fn_Card(unsigned i_Format, const std::string& i_Keyword)
{
    const C_Info_Table* table = G_Fn_Schema_Real()->M_Fn_Info_Table_Lookup_By_Format(i_Format, i_Keyword);
    if (!table)
        throw std::runtime_error("no card " + i_Keyword);
    return *table;
}

// Visits a table and all its option sub-tables.
void G_Fn_Each_Table(const C_Info_Table& ro_Table, const std::function<void(const C_Info_Table&)>& i_Fn)
{
    i_Fn(ro_Table);
    for (std::uint32_t kind = 0; kind < 2; ++kind)
        for (std::uint32_t i = 0; i < ro_Table.M_Fn_Info_Table_Option_Get_i_Num(kind); ++i)
            G_Fn_Each_Table(*ro_Table.M_Fn_Info_Table_Option_Get_spo_At(kind, i), i_Fn);
}

std::vector<std::uint32_t> G_Fn_Widths(const C_Info_Table& ro_Table)
{
    std::vector<std::uint32_t> widths;
    for (const auto& column : ro_Table.M_Fn_Columns_Practical())
        widths.push_back(column->M_Fn_Size_Stream());
    return widths;
}

std::vector<std::string> G_Fn_Deck_Keywords_Dyna(const std::string& i_File)
{
    std::ifstream in(std::string(VT_TESTDATA_DIR) + "/dyna/" + i_File);
    std::vector<std::string> keywords;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] == '*')
            keywords.push_back(N_Common::N_String::G_Fn_Trim(line.substr(1)));
    return keywords;
}

std::vector<std::string> G_Fn_Deck_Keywords_Nastran(const std::string& i_File)
{
    std::ifstream in(std::string(VT_TESTDATA_DIR) + "/nastran/" + i_File);
    std::set<std::string> keywords;
    bool bulk = false;
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("BEGIN BULK", 0) == 0) {
            bulk = true;
            continue;
        }
        if (!bulk || line.empty() || line[0] == '$' || line[0] == ' ' || line[0] == '+' || line[0] == '*')
            continue;
        std::string head = line.substr(0, std::min(line.find(','), std::size_t(8)));
        head = N_Common::N_String::G_Fn_Trim(head);
        if (!head.empty() && head.back() == '*')
            head.pop_back();
        if (!head.empty())
            keywords.insert(head);
    }
    return {keywords.begin(), keywords.end()};
}

} // namespace

TEST(C_Info_Schema, StartUpLoadsTheInstalledFilesIntoTheApplication)
{
    C_Test_App t;
    for (const auto& file : C_Info_Schema::S_Files)
        std::filesystem::copy_file(std::string(VT_BINARY_DIR) + "/" + file.m_Name, t.dir() / file.m_Name);
    ASSERT_EQ(C_Info_Schema::S_Fn_Init_App(t.app()), 1);
    ASSERT_TRUE(t.app().m_sp_Schema);
    EXPECT_TRUE(t.app().m_sp_Schema->M_Fn_Is_Done());
    EXPECT_TRUE(t.port().m_Calls.empty()); // nothing to tell the user
}

TEST(C_Info_Schema, TitlesOfSectionMaterialAndPropertyCards)
{
    const auto schema = G_Fn_Schema_Real();
    EXPECT_EQ(schema->M_Fn_Title_List(E_Type_Relation_C_Section), std::vector<std::wstring>({L"Dyna: SECTION_SHELL"}));
    EXPECT_EQ(schema->M_Fn_Title_List(E_Type_Relation_C_Material),
              std::vector<std::wstring>({L"(Recommended) Simple Material", L"Dyna: MAT_ELASTIC", L"Dyna: MAT_HONEYCOMB",
                                         L"Dyna: MAT_NULL", L"Dyna: MAT_PIECEWISE_LINEAR_PLASTICITY",
                                         L"Dyna: MAT_PLASTIC_KINEMATIC", L"Dyna: MAT_RIGID", L"Nastran: MAT1"}));
    EXPECT_EQ(schema->M_Fn_Title_List(E_Type_Relation_C_Property),
              std::vector<std::wstring>({L"(Recommended) Simple Property", L"Dyna: PART", L"Nastran: PSHELL", L"Nastran: PSOLID"}));
    EXPECT_TRUE(schema->M_Fn_Title_List(E_Type_Relation_Node).empty());
    for (E_Type_Relation type : {E_Type_Relation_C_Section, E_Type_Relation_C_Material, E_Type_Relation_C_Property})
        for (const std::wstring& title : schema->M_Fn_Title_List(type)) {
            const C_Info_Table* table = schema->M_Fn_Info_Table_Lookup_By_Relation(type, title);
            ASSERT_NE(table, nullptr);
            EXPECT_EQ(table->M_Fn_Title(), title);
            EXPECT_EQ(table->M_Fn_Type_Relation(), type);
        }
    EXPECT_EQ(schema->M_Fn_Info_Table_Lookup_By_Relation(E_Type_Relation_C_Material, L"Dyna: PART"), nullptr);
    // A card of one format is not found in another; a numbered Dyna alias is the same card.
    EXPECT_EQ(schema->M_Fn_Info_Table_Lookup_By_Format(2, "GRID"), nullptr);
    EXPECT_EQ(schema->M_Fn_Info_Table_Lookup_By_Format(3, "Material"), nullptr);
    EXPECT_EQ(G_Fn_Card(2, "MAT_001").M_Fn_Title(), L"Dyna: MAT_ELASTIC");
}

TEST(C_Info_Schema, CardsReachTheColumnsTheCalculationAndTheCutRead)
{
    // Properties: the four corner thicknesses and, through the material, the material values.
    for (const auto& [format, keyword] : std::vector<std::pair<unsigned, std::string>>{{1, "Property"}, {2, "PART"}, {3, "PSHELL"}}) {
        const C_Info_Table& card = G_Fn_Card(format, keyword);
        EXPECT_EQ(card.M_Fn_Type_Relation(), E_Type_Relation_C_Property) << keyword;
        for (E_Id_Column id : {E_Id_Column_Name, E_Id_Column_Key_primary_C_Property, E_Id_Column_Key_foreign_C_Material,
                               E_Id_Column_Thk_1, E_Id_Column_Thk_2, E_Id_Column_Thk_3, E_Id_Column_Thk_4,
                               E_Id_Column_Density_Mass, E_Id_Column_Ratio_Poisson, E_Id_Column_Modulus_E,
                               E_Id_Column_Limit_Stress_Y, E_Id_Column_Limit_Stress_U})
            EXPECT_NE(card.M_Fn_Info_Route_Find(id), nullptr) << keyword << " " << G_Fn_Name_e_Id_Column(id);
    }
    EXPECT_EQ(G_Fn_Card(2, "PART").M_Fn_Info_Route_Find(E_Id_Column_Key_foreign_C_Section)->m_Kind, E_Route_Kind_Practical);
    EXPECT_EQ(G_Fn_Card(2, "PART").M_Fn_Info_Route_Find(E_Id_Column_Thk_1)->m_Kind, E_Route_Kind_Relation);
    EXPECT_EQ(G_Fn_Card(3, "PSHELL").M_Fn_Info_Route_Find(E_Id_Column_Thk_1)->m_Kind, E_Route_Kind_Virtual);
    EXPECT_EQ(G_Fn_Card(1, "Property").M_Fn_Info_Route_Find(E_Id_Column_Thk)->m_Kind, E_Route_Kind_Practical);
    // Elements: own-thickness switch and the four corner thicknesses.
    for (const auto& [format, keyword] :
         std::vector<std::pair<unsigned, std::string>>{{1, "Element"}, {2, "ELEMENT_SHELL"}, {3, "CQUAD4"}, {3, "CTRIA3"}}) {
        const C_Info_Table& card = G_Fn_Card(format, keyword);
        EXPECT_EQ(card.M_Fn_Type_Relation(), E_Type_Relation_Element_2D) << keyword;
        for (E_Id_Column id : {E_Id_Column_Has_Individual_Thk, E_Id_Column_Thk_E_1, E_Id_Column_Thk_E_2, E_Id_Column_Thk_E_3,
                               E_Id_Column_Thk_E_4, E_Id_Column_Key_foreign_C_Property})
            EXPECT_NE(card.M_Fn_Info_Route_Find(id), nullptr) << keyword << " " << G_Fn_Name_e_Id_Column(id);
    }
    EXPECT_TRUE(G_Fn_Card(3, "CQUAD4").M_Fn_Flags() & C_Info_Table::E_Flag_Four_Node);
    EXPECT_FALSE(G_Fn_Card(3, "CTRIA3").M_Fn_Flags() & C_Info_Table::E_Flag_Four_Node);
    EXPECT_TRUE(G_Fn_Card(2, "ELEMENT_SHELL").M_Fn_Flags() & C_Info_Table::E_Flag_Four_Node);
    // Materials: the values the calculation reads; the ultimate stress of the plastic ones is computed.
    for (const auto& [format, keyword] : std::vector<std::pair<unsigned, std::string>>{
             {1, "Material"}, {2, "MAT_PLASTIC_KINEMATIC"}, {2, "MAT_PIECEWISE_LINEAR_PLASTICITY"}, {2, "MAT_HONEYCOMB"}, {3, "MAT1"}})
        for (E_Id_Column id : {E_Id_Column_Name, E_Id_Column_Density_Mass, E_Id_Column_Ratio_Poisson, E_Id_Column_Modulus_E,
                               E_Id_Column_Limit_Stress_Y, E_Id_Column_Limit_Stress_U})
            EXPECT_NE(G_Fn_Card(format, keyword).M_Fn_Info_Route_Find(id), nullptr) << keyword << " " << G_Fn_Name_e_Id_Column(id);
    // Nodes: id and coordinates are fixed members.
    for (const auto& [format, keyword] : std::vector<std::pair<unsigned, std::string>>{{2, "NODE"}, {3, "GRID"}})
        EXPECT_EQ(G_Fn_Card(format, keyword).M_Fn_Info_Column_Practical_Find(E_Id_Column_Coordinate_Z)->M_Fn_Offset_Layout(),
                  C_Info_Table::S_Offset_Coordinate + 8);
    // Option checks and their columns.
    EXPECT_NE(G_Fn_Card(2, "PART").M_Fn_Info_Route_Find(E_Id_Column_Dyna_PART_INERTIA_IRCS), nullptr);
    EXPECT_NE(G_Fn_Card(2, "SECTION_SHELL").M_Fn_Info_Route_Find(E_Id_Column_Dyna_SECTION_SHELL_NIP), nullptr);
    EXPECT_NE(G_Fn_Card(2, "SECTION_SHELL").M_Fn_Info_Route_Find(E_Id_Column_Dyna_SECTION_SHELL_ICOMP), nullptr);
}

TEST(C_Info_Schema, DynaFieldWidthsFollowTheKeywordFormat)
{
    EXPECT_EQ(G_Fn_Widths(G_Fn_Card(2, "NODE")), std::vector<std::uint32_t>({8, 16, 16, 16, 8, 8}));
    EXPECT_EQ(G_Fn_Widths(G_Fn_Card(2, "ELEMENT_SHELL")), std::vector<std::uint32_t>(10, 8));
    EXPECT_EQ(G_Fn_Widths(*G_Fn_Card(2, "ELEMENT_SHELL").M_Fn_Info_Table_Option_Get_spo_At(0, 0)),
              std::vector<std::uint32_t>(5, 16));
    // Every Dyna line fits in 80 characters and ends with an end-of-line column.
    for (const std::string keyword : {"NODE", "ELEMENT_SHELL", "PART", "SECTION_SHELL", "MAT_ELASTIC", "MAT_NULL", "MAT_RIGID",
                                      "MAT_PLASTIC_KINEMATIC", "MAT_PIECEWISE_LINEAR_PLASTICITY", "MAT_HONEYCOMB"})
        G_Fn_Each_Table(G_Fn_Card(2, keyword), [&](const C_Info_Table& table) {
            std::uint32_t line = 0;
            for (const auto& column : table.M_Fn_Columns_Practical()) {
                EXPECT_GT(column->M_Fn_Size_Stream(), 0u) << keyword;
                line += column->M_Fn_Size_Stream();
                if (column->M_Fn_Is_End_of_Line()) {
                    EXPECT_LE(line, 80u) << keyword;
                    line = 0;
                }
            }
            EXPECT_TRUE(table.M_Fn_Columns_Practical().back()->M_Fn_Is_End_of_Line()) << keyword;
        });
    // Nastran leaves the width to the reader (8 small field, 16 large field).
    for (const std::string keyword : {"GRID", "CQUAD4", "CTRIA3", "PSHELL", "PSOLID", "MAT1"})
        G_Fn_Each_Table(G_Fn_Card(3, keyword), [&](const C_Info_Table& table) {
            for (std::uint32_t width : G_Fn_Widths(table))
                EXPECT_EQ(width, 0u) << keyword;
        });
}

TEST(C_Info_Schema, NastranEntriesFillEightFieldsALine)
{
    // A CTRIA3 line has seven fields and a blank one, so that the thickness continuation starts on
    // its own line; CQUAD4 fills its eight.
    auto count_before_option = [](const std::string& keyword) { return G_Fn_Card(3, keyword).M_Fn_Columns_Practical().size(); };
    EXPECT_EQ(count_before_option("CQUAD4"), 8u);
    EXPECT_EQ(count_before_option("CTRIA3"), 8u);
    const C_Info_Table& thickness = *G_Fn_Card(3, "CTRIA3").M_Fn_Info_Table_Option_Get_spo_At(1, 0);
    EXPECT_TRUE(thickness.M_Fn_Flags() & C_Info_Table::E_Flag_Supplied_Possibly);
    EXPECT_EQ(thickness.M_Fn_Columns_Practical()[1]->M_Fn_Name(), L"TFLAG");
    EXPECT_EQ(count_before_option("MAT1"), 12u); // MID .. GE, then ST SC SS MCSID on the continuation
}

TEST(C_Info_Schema, KeywordsOfTheTestDecksResolve)
{
    const auto schema = G_Fn_Schema_Real();
    const C_Info_Table* table = nullptr;
    std::vector<std::int32_t> order;
    std::set<std::string> known;
    for (const char* file : {"bracket.k", "wheel.k", "ex_13_thick_shell_elform_2.k"})
        for (const std::string& keyword : G_Fn_Deck_Keywords_Dyna(file))
            if (schema->M_Fn_Import_Resolve_Dyna(keyword, table, order))
                known.insert(keyword);
    EXPECT_EQ(known, std::set<std::string>({"NODE", "ELEMENT_SHELL", "PART", "SECTION_SHELL", "SECTION_SHELL_TITLE",
                                            "MAT_ELASTIC", "MAT_ELASTIC_TITLE"}));
    known.clear();
    for (const char* file : {"plate.bdf", "plate_mixed.bdf", "TestStressTemp.bdf", "W1000BOstat.dat", "bwb_geom.blk",
                             "wingbox_stitched_together-000.bdf", "plate_py.dat"})
        for (const std::string& keyword : G_Fn_Deck_Keywords_Nastran(file))
            if (schema->M_Fn_Import_Resolve_Nastran(keyword, table, order))
                known.insert(keyword);
    EXPECT_EQ(known, std::set<std::string>({"CQUAD4", "CTRIA3", "GRID", "MAT1", "PSHELL"}));
}

TEST(C_Info_Schema, DynaOptionSuffixesSelectSubRowsInImportOrder)
{
    const auto schema = G_Fn_Schema_Real();
    const C_Info_Table* table = nullptr;
    std::vector<std::int32_t> order;
    // The title line comes first: option 0 ahead of the card (-1).
    ASSERT_EQ(schema->M_Fn_Import_Resolve_Dyna("SECTION_SHELL_TITLE", table, order), 1);
    EXPECT_EQ(table, &G_Fn_Card(2, "SECTION_SHELL"));
    EXPECT_EQ(order, std::vector<std::int32_t>({0, -1}));
    ASSERT_EQ(schema->M_Fn_Import_Resolve_Dyna("MAT_PIECEWISE_LINEAR_PLASTICITY_TITLE", table, order), 1);
    EXPECT_EQ(order, std::vector<std::int32_t>({0, -1}));
    ASSERT_EQ(schema->M_Fn_Import_Resolve_Dyna("MAT_024_TITLE", table, order), 1);
    EXPECT_EQ(table, &G_Fn_Card(2, "MAT_PIECEWISE_LINEAR_PLASTICITY"));
    // The inertia lines follow the part, the thickness line the element.
    ASSERT_EQ(schema->M_Fn_Import_Resolve_Dyna("PART_INERTIA", table, order), 1);
    EXPECT_EQ(order, std::vector<std::int32_t>({-1, 0}));
    ASSERT_EQ(schema->M_Fn_Import_Resolve_Dyna("ELEMENT_SHELL_THICKNESS", table, order), 1);
    EXPECT_EQ(order, std::vector<std::int32_t>({-1, 0}));
    ASSERT_EQ(schema->M_Fn_Import_Resolve_Dyna("MAT_RIGID", table, order), 1);
    EXPECT_EQ(order, std::vector<std::int32_t>({-1}));
    // Options the card does not have, and keywords of no card.
    for (const char* none : {"ELEMENT_SHELL_BETA", "PART_CONTACT", "ELEMENT_SHELL_THICKNESSES", "SECTION_SHELL_TITLE_TITLE",
                             "CONTROL_SHELL", "ELEMENT_TSHELL", ""})
        EXPECT_EQ(schema->M_Fn_Import_Resolve_Dyna(none, table, order), 0) << none;
    // Nastran keywords are exact.
    EXPECT_EQ(schema->M_Fn_Import_Resolve_Nastran("CQUAD4", table, order), 1);
    EXPECT_EQ(order, std::vector<std::int32_t>({-1}));
    EXPECT_EQ(schema->M_Fn_Import_Resolve_Nastran("CQUAD4_X", table, order), 0);
    EXPECT_EQ(schema->M_Fn_Import_Resolve_Nastran("PCOMP", table, order), 0);
}

TEST(C_Info_Schema, BlankDefaultsAndBoundsOfTheInstalledCards)
{
    auto default_f32 = [](const C_Info_Column* column) {
        return column->M_Fn_Get_o_Visitor_Field_Const_Default().M_Fn_Get<float>();
    };
    const C_Info_Table& section = G_Fn_Card(2, "SECTION_SHELL");
    EXPECT_EQ(default_f32(section.M_Fn_Info_Column_Practical_Find(E_Id_Column_Dyna_SECTION_SHELL_NIP)), 2.0f);
    EXPECT_EQ(default_f32(section.M_Fn_Columns_Practical()[2].get()), 1.0f); // SHRF
    const C_Info_Table& pshell = G_Fn_Card(3, "PSHELL");
    EXPECT_FLOAT_EQ(default_f32(pshell.M_Fn_Columns_Practical()[6].get()), 0.833333f); // TS/T
    EXPECT_EQ(default_f32(pshell.M_Fn_Columns_Practical()[4].get()), 1.0f);            // 12I/T**3
    // Identification numbers have no default.
    EXPECT_FALSE(G_Fn_Card(2, "NODE").M_Fn_Info_Column_Practical_Find(E_Id_Column_Key_primary_Node)->M_Fn_Has_Default());
    EXPECT_FALSE(G_Fn_Card(3, "GRID").M_Fn_Info_Column_Practical_Find(E_Id_Column_Key_primary_Node)->M_Fn_Has_Default());
    EXPECT_FALSE(G_Fn_Card(2, "PART").M_Fn_Info_Column_Practical_Find(E_Id_Column_Key_primary_C_Property)->M_Fn_Has_Default());
    EXPECT_FALSE(G_Fn_Card(2, "PART").M_Fn_Info_Column_Practical_Find(E_Id_Column_Key_foreign_C_Material)->M_Fn_Has_Default());
    // Poisson's ratio between -1 (excluded) and 0.5 (allowed).
    const C_Info_Column* nu = G_Fn_Card(3, "MAT1").M_Fn_Info_Column_Practical_Find(E_Id_Column_Ratio_Poisson);
    EXPECT_EQ(nu->M_Fn_Get_o_Visitor_Field_Const_Bound_lower().M_Fn_Get<float>(), -1.0f);
    EXPECT_FALSE(nu->M_Fn_Flags() & C_Info_Column::E_Flag_Lower_Inclusive);
    EXPECT_TRUE(nu->M_Fn_Flags() & C_Info_Column::E_Flag_Upper_Inclusive);
}
