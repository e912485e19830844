// Rows: the binary row format written out by hand, round trips of every card kind, the class
// tails, refused headers, truncated and garbled streams, key rebuilding, routes and relations,
// copies, long repeat chains, display state and the element normal.
#include "app/UI_Tree_Signal.h"
#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Row_Any.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_C_Section.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "tests/db/Test_DB_Support.h"
#include "tests/support/App_Port_Record.h"
#include "tests/support/Tree_Port_Record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>

using namespace N_Biz::N_DB;
using N_Common::N_Exception::C_Exception;
using N_Common::N_Pointer::lesser_shared_ptr;
using N_Test_DB::G_Fn_Col;

namespace {

const C_Info_Table* G_Fn_Card(unsigned i_Format, const std::string& i_Keyword)
{
    return N_Test_DB::G_Fn_Schema_Real()->M_Fn_Info_Table_Lookup_By_Format(i_Format, i_Keyword);
}

template <class T>
void G_Fn_Set(C_Row& ro_Row, E_Id_Column i_Id, const T& i_Value)
{
    ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id).M_Fn_Ref<T>() = i_Value;
}

template <class T>
void G_Fn_Set_At(C_Row& ro_Row, std::uint32_t i_Position, const T& i_Value)
{
    ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field_At(i_Position).M_Fn_Ref<T>() = i_Value;
}

C_Row_Etc& G_Fn_Add_Option(C_Row& ro_Row, std::uint32_t i_Kind, std::uint32_t i_Index)
{
    auto& slot = ro_Row.M_Fn_Sub_Get_rscpo_Row_Etc_Option(i_Kind, i_Index);
    slot.reset(new C_Row_Etc(ro_Row.M_Fn_Info_Table()->M_Fn_Info_Table_Option_Get_spo_At(i_Kind, i_Index).get()));
    return *slot;
}

C_Row_Etc& G_Fn_Add_Repeat(C_Row& ro_Row)
{
    auto& slot = ro_Row.M_Fn_Sub_Get_rscpo_Row_Etc_Repeat();
    slot.reset(new C_Row_Etc(ro_Row.M_Fn_Info_Table()));
    return *slot;
}

std::string G_Fn_Write(const C_Row& ro_Row, int i_Nested = 0)
{
    std::ostringstream out;
    EXPECT_EQ(ro_Row.M_Fn_Stream_Serialize_o_O(out, i_Nested), 1);
    return out.str();
}

std::string G_Fn_Bytes(std::initializer_list<int> i_Bytes)
{
    std::string bytes;
    for (int b : i_Bytes)
        bytes.push_back(static_cast<char>(b));
    return bytes;
}

// A row of every card kind, filled with values, options and repeats.
C_Row_C_Section G_Fn_Section()
{
    C_Row_C_Section row(G_Fn_Card(2, "SECTION_SHELL"));
    row.M_Fn_Id_Set(102760);
    G_Fn_Set(row, E_Id_Column_Thk_1, 2.5f);
    G_Fn_Set(row, E_Id_Column_Dyna_SECTION_SHELL_ICOMP, 1);
    G_Fn_Set(row, E_Id_Column_Dyna_SECTION_SHELL_NIP, 12.0f);
    G_Fn_Set(G_Fn_Add_Option(row, 0, 0), E_Id_Column_Title, std::wstring(L"SectShll \u4E2D"));
    C_Row_Etc& angles = G_Fn_Add_Option(row, 1, 0);
    G_Fn_Set_At(angles, 0, 45.0f);
    G_Fn_Set_At(G_Fn_Add_Repeat(angles), 7, -45.0f);
    row.m_u32_Flag = 0x21;
    return row;
}

C_Row_C_Property G_Fn_Part()
{
    C_Row_C_Property row(G_Fn_Card(2, "PART"));
    G_Fn_Set(row, E_Id_Column_Name, std::wstring(L"Recliner Bkt i/b"));
    row.M_Fn_Id_Set(4075);
    G_Fn_Set(row, E_Id_Column_Key_foreign_C_Section, C_Key_Common(102760));
    row.M_Fn_Key_C_Material() = C_Key_C_Material(4204);
    C_Row_Etc& inertia = G_Fn_Add_Option(row, 0, 0);
    G_Fn_Set(inertia, E_Id_Column_Dyna_PART_INERTIA_IRCS, 1);
    G_Fn_Set_At(inertia, 0, 1.5f);
    G_Fn_Set_At(G_Fn_Add_Option(inertia, 1, 0), 6, 3);
    row.m_Display.M_Fn_Color_Set({0.2f, 0.4f, 0.6f, 0.5f});
    row.m_u32_Flag = 7;
    return row;
}

C_Row_C_Material G_Fn_Material()
{
    C_Row_C_Material row(G_Fn_Card(2, "MAT_RIGID"));
    row.M_Fn_Id_Set(4204);
    G_Fn_Set(row, E_Id_Column_Modulus_E, 72.4f);
    G_Fn_Set_At(row, 7, std::string("VDA alias"));
    G_Fn_Set(G_Fn_Add_Option(row, 0, 0), E_Id_Column_Title, std::wstring(L"MATL1"));
    row.m_Display.M_Fn_Color_Set({1.0f, 0.0f, 0.25f, 1.0f});
    return row;
}

C_Row_Element_2D G_Fn_Element()
{
    C_Row_Element_2D row(G_Fn_Card(3, "CQUAD4"));
    row.M_Fn_Id_Set(25);
    row.M_Fn_Key_C_Property() = C_Key_C_Property(1);
    for (std::uint32_t i = 0; i < 4; ++i)
        row.M_Fn_Node_Set(i, 29 + static_cast<std::int32_t>(i));
    G_Fn_Set_At(row, 6, 30.0f);
    G_Fn_Set(G_Fn_Add_Option(row, 1, 0), E_Id_Column_Thk_E_3, 0.75f);
    row.m_Normal = {0.0f, 0.6f, 0.8f};
    return row;
}

C_Row_Node G_Fn_Node(std::int32_t i_Id, float i_X, float i_Y, float i_Z)
{
    C_Row_Node row(G_Fn_Card(3, "GRID"));
    row.M_Fn_Id_Set(i_Id);
    row.M_Fn_Vector3_f32_Set({i_X, i_Y, i_Z});
    return row;
}

// Rows of the five card classes, filled, and empty rows of the same classes.
std::vector<std::string> G_Fn_Five()
{
    return {G_Fn_Write(G_Fn_Section()), G_Fn_Write(G_Fn_Part()), G_Fn_Write(G_Fn_Material()), G_Fn_Write(G_Fn_Element()),
            G_Fn_Write(G_Fn_Node(434224, 3266.446f, -167.35492f, 555.26239f))};
}
std::unique_ptr<C_Row> G_Fn_Empty_Row(std::size_t i_Which)
{
    switch (i_Which) {
    case 0: return std::make_unique<C_Row_C_Section>();
    case 1: return std::make_unique<C_Row_C_Property>();
    case 2: return std::make_unique<C_Row_C_Material>();
    case 3: return std::make_unique<C_Row_Element_2D>();
    default: return std::make_unique<C_Row_Node>();
    }
}

// An application whose schema is the installed one, as row readers look tables up there.
struct C_Schema_App {
    C_Schema_App() { m_Test.app().m_sp_Schema = N_Test_DB::G_Fn_Schema_Real(); }
    C_App& app() { return m_Test.app(); }
    C_Test_App m_Test;
};

// Reads a top-level row of class T from i_Bytes.
template <class T>
E_Result G_Fn_Read(const std::string& i_Bytes, T& o_Row)
{
    std::istringstream in(i_Bytes);
    return o_Row.M_Fn_Stream_Serialize_o_I(in, nullptr);
}

} // namespace

TEST(C_Row, ByteLayoutOfColumnsOptionsAndRepeats)
{
    C_Schema_App m_App;
    const std::string option_keyword = "OPTION_KEYWORD\nKeyword K1\nCONFIG_DONE\n" + G_Fn_Col("F", "INT16") + "OPTION_KEYWORD_END\n" +
                                       "OPTION_KEYWORD\nKeyword K2\nCONFIG_DONE\n" + G_Fn_Col("G", "UINT8") + "OPTION_KEYWORD_END\n";
    const std::string repeat = "OPTION_CONDITION\nKeyword R\nFlag_Option_Conditional_Is_repeatable\n"
                               "Check_Option_Condition Fn_Table_Option_Condition_Check_SECTION_SHELL\nCONFIG_DONE\n" +
                               G_Fn_Col("H", "INT8") + "OPTION_CONDITION_END\n";
    const auto schema = N_Test_DB::G_Fn_Schema(
        {{2, N_Test_DB::G_Fn_Card("ROW", "", G_Fn_Col("A", "INT32") + G_Fn_Col("B", "FLOAT32") + G_Fn_Col("C", "string") +
                                                 G_Fn_Col("D", "wstring") + G_Fn_Col("E", "C_Key_C_Material") + option_keyword + repeat)}});
    m_App.app().m_sp_Schema = schema;
    C_Row_Etc row(schema->M_Fn_Info_Table_Lookup_By_Format(2, "ROW"));
    G_Fn_Set_At(row, 0, std::int32_t(7));
    G_Fn_Set_At(row, 1, 1.5f);
    G_Fn_Set_At(row, 2, std::string("ab"));
    G_Fn_Set_At(row, 3, std::wstring(L"x"));
    G_Fn_Set_At(row, 4, C_Key_C_Material(5)); // an id key has no row position: -256
    G_Fn_Set_At(G_Fn_Add_Option(row, 0, 0), 0, std::int16_t(-2));
    C_Row_Etc& first = G_Fn_Add_Option(row, 1, 0);
    G_Fn_Set_At(first, 0, std::int8_t(1));
    G_Fn_Set_At(G_Fn_Add_Repeat(first), 0, std::int8_t(2));
    const std::string expected = G_Fn_Bytes({2, 0, 0, 0, 3, 0, 0, 0, 'R', 'O', 'W', // header: format, keyword
                                             7, 0, 0, 0,                             // A
                                             0, 0, 0xC0, 0x3F,                       // B
                                             2, 0, 0, 0, 'a', 'b',                   // C
                                             1, 0, 0, 0, 'x', 0,                     // D
                                             0, 0xFF, 0xFF, 0xFF,                    // E
                                             0, 0xFE, 0xFF,                          // K1 present, F
                                             1,                                      // K2 absent
                                             0, 1,                                   // R present, H
                                             0, 2,                                   // its repeat, H
                                             1});                                    // no further repeat
    EXPECT_EQ(G_Fn_Write(row), expected);
    EXPECT_EQ(G_Fn_Write(row, 1), expected.substr(11)); // nested: no header
    C_Row_Etc read;
    ASSERT_EQ(G_Fn_Read(expected, read), 1);
    EXPECT_EQ(G_Fn_Write(read), expected);
    EXPECT_EQ(read.M_Fn_Sub_Get_rscpo_Row_Etc_Option(1, 0)->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat()->M_Fn_Column_Practical_Get_o_Visitor_Field_At(0).M_Fn_Get<std::int8_t>(), 2);
    EXPECT_FALSE(read.M_Fn_Sub_Get_rscpo_Row_Etc_Option(0, 1));
}

TEST(C_Row, EveryCardKindReadsBackToIdenticalBytes)
{
    C_Schema_App m_App;
    const std::vector<std::string> bytes = G_Fn_Five();
    for (std::size_t which = 0; which < bytes.size(); ++which) {
        const std::unique_ptr<C_Row> row = G_Fn_Empty_Row(which);
        std::istringstream in(bytes[which]);
        ASSERT_EQ(row->M_Fn_Stream_Serialize_o_I(in, nullptr), 1) << which;
        EXPECT_EQ(G_Fn_Write(*row), bytes[which]) << which;
    }
    C_Row_Node node_read;
    C_Row_C_Property part_read;
    ASSERT_EQ(G_Fn_Read(bytes[4], node_read) + G_Fn_Read(bytes[1], part_read), 2);
    EXPECT_EQ(node_read.M_ro_Vector3_f32(), (N_Common::N_Math::C_Vector3<float>(3266.446f, -167.35492f, 555.26239f)));
    EXPECT_EQ(part_read.M_Fn_Key_C_Material().M_Fn_Get_o_T_Key_Any(), -256); // a key is stored by its row's position
    // The standard and Nastran cards as well.
    for (const auto& [format, keyword] : std::vector<std::pair<unsigned, std::string>>{
             {1, "Material"}, {1, "Property"}, {1, "Element"}, {3, "PSHELL"}, {3, "PSOLID"}, {3, "MAT1"}, {3, "CTRIA3"}, {2, "NODE"},
             {2, "ELEMENT_SHELL"}, {2, "MAT_HONEYCOMB"}}) {
        const C_Info_Table* table = G_Fn_Card(format, keyword);
        const std::unique_ptr<C_Row> row = table->M_Fn_Factory_apo_Row();
        for (std::uint32_t i = 0; i < table->M_Fn_Columns_Practical().size(); ++i) {
            const C_Visitor_Field field = row->M_Fn_Column_Practical_Get_o_Visitor_Field_At(i);
            if (field.M_Fn_Type() == E_Type_Obj_FLOAT32)
                field.M_Fn_Ref<float>() = 0.5f + static_cast<float>(i);
            else if (field.M_Fn_Type() == E_Type_Obj_INT32)
                field.M_Fn_Ref<std::int32_t>() = -static_cast<std::int32_t>(i);
        }
        const std::string written = G_Fn_Write(*row);
        std::unique_ptr<C_Row> target;
        switch (table->M_Fn_Type_Relation()) {
        case E_Type_Relation_Node: target = std::make_unique<C_Row_Node>(); break;
        case E_Type_Relation_C_Material: target = std::make_unique<C_Row_C_Material>(); break;
        case E_Type_Relation_C_Property: target = std::make_unique<C_Row_C_Property>(); break;
        case E_Type_Relation_Element_2D: target = std::make_unique<C_Row_Element_2D>(); break;
        default: FAIL();
        }
        std::istringstream in(written);
        ASSERT_EQ(target->M_Fn_Stream_Serialize_o_I(in, nullptr), 1) << keyword;
        EXPECT_EQ(G_Fn_Write(*target), written) << keyword;
    }
}

TEST(C_Row, TailsOfTheCardClasses)
{
    C_Schema_App m_App;
    // Material and property: the flag word and the normal colour; the shades are recomputed.
    const C_Row_C_Property part = G_Fn_Part();
    const std::string bytes = G_Fn_Write(part);
    const std::string tail = bytes.substr(bytes.size() - 20);
    float color[4];
    std::memcpy(color, tail.data() + 4, 16);
    EXPECT_EQ(tail.substr(0, 4), G_Fn_Bytes({7, 0, 0, 0}));
    EXPECT_EQ(std::vector<float>(color, color + 4), std::vector<float>({0.2f, 0.4f, 0.6f, 0.5f}));
    C_Row_C_Property read;
    ASSERT_EQ(G_Fn_Read(bytes, read), 1);
    EXPECT_EQ(read.m_u32_Flag, 7u);
    const float shades[2][4] = {{0.95f, 0.9f, 0.85f, 0.5f}, {0.9f, 0.925f, 0.95f, 0.5f}}; // picked, selected
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(read.m_Display.m_Color_Picked[i], shades[0][i], 1e-6f) << i;
        EXPECT_NEAR(read.m_Display.m_Color_Selected[i], shades[1][i], 1e-6f) << i;
    }
    // Section: the flag word.
    const std::string section = G_Fn_Write(G_Fn_Section());
    EXPECT_EQ(section.substr(section.size() - 4), G_Fn_Bytes({0x21, 0, 0, 0}));
    // Element: a byte for the four-node flag, then the normal.
    const std::string element = G_Fn_Write(G_Fn_Element());
    EXPECT_EQ(element.substr(element.size() - 13), G_Fn_Bytes({0xFF, 0, 0, 0, 0, 0x9A, 0x99, 0x19, 0x3F, 0xCD, 0xCC, 0x4C, 0x3F}));
    std::string three = element;
    three[three.size() - 13] = static_cast<char>(0xFE);
    C_Row_Element_2D cleared;
    ASSERT_EQ(G_Fn_Read(three, cleared), 1);
    EXPECT_EQ(cleared.m_u32_Flag & 0x40u, 0u);
    three[three.size() - 13] = 0x01;
    C_Row_Element_2D set;
    ASSERT_EQ(G_Fn_Read(three, set), 1);
    EXPECT_EQ(set.m_u32_Flag & 0x40u, 0x40u);
    EXPECT_EQ(set.m_Normal, (N_Common::N_Math::C_Vector3<float>(0.0f, 0.6f, 0.8f)));
    // The relation type ahead of a row.
    std::ostringstream type;
    EXPECT_EQ(set.M_Fn_Stream_Serialize_Type_O(type), 1);
    EXPECT_EQ(type.str(), G_Fn_Bytes({5, 0, 0, 0}));
}

TEST(C_Row, HeaderThatNamesNoTableFailsWithoutTouchingTheTarget)
{
    C_Schema_App m_App;
    const std::string node = G_Fn_Write(G_Fn_Node(1, 0, 0, 0));
    std::string foreign = node;
    foreign[0] = 7; // format 7
    C_Row_Node target;
    std::istringstream in(foreign);
    EXPECT_EQ(target.M_Fn_Stream_Serialize_o_I(in, nullptr), 0);
    EXPECT_TRUE(in.fail());
    EXPECT_TRUE(target.M_Fn_Is_Empty());
    std::string unknown = node;
    unknown[8] = 'X'; // "GRIX"
    EXPECT_EQ(G_Fn_Read(unknown, target), 0);
    EXPECT_TRUE(target.M_Fn_Is_Empty());
    // A known table of another kind than the target's class.
    C_Row_C_Material material;
    EXPECT_EQ(G_Fn_Read(node, material), 0);
    EXPECT_TRUE(material.M_Fn_Is_Empty());
    // A keyword longer than any table's is refused before its bytes are read; one that runs on
    // with a zero byte names no table either. After one header the next names its own table (the
    // reader remembers the last table it looked up).
    std::string longer = node.substr(0, 4) + G_Fn_Bytes({0x2C, 0x01, 0, 0}) + std::string(300, 'G');
    EXPECT_EQ(G_Fn_Read(longer, target), 0);
    EXPECT_TRUE(target.M_Fn_Is_Empty());
    std::string nul = node.substr(0, 4) + G_Fn_Bytes({5, 0, 0, 0}) + std::string("GRID\0", 5) + node.substr(12);
    EXPECT_EQ(G_Fn_Read(nul, target), 0);
    EXPECT_TRUE(target.M_Fn_Is_Empty());
    // The same stream suits a node row, and any row.
    EXPECT_EQ(G_Fn_Read(node, target), 1);
    C_Row_Any any;
    EXPECT_EQ(G_Fn_Read(node, any), 1);
    EXPECT_EQ(any.M_Fn_Info_Table(), G_Fn_Card(3, "GRID"));
}

TEST(C_Row, TruncatedAndGarbledStreams)
{
    C_Schema_App m_App;
    const std::vector<std::string> valid = G_Fn_Five();
    const auto empty_row = G_Fn_Empty_Row;
    // Every cut of a whole row is refused.
    for (std::size_t which = 0; which < 5; ++which)
        for (std::size_t length = 0; length < valid[which].size(); ++length) {
            std::istringstream in(valid[which].substr(0, length));
            EXPECT_EQ(empty_row(which)->M_Fn_Stream_Serialize_o_I(in, nullptr), 0) << which << " " << length;
        }
    std::mt19937 random(20240611u);
    int read_whole = 0;
    for (int round = 0; round < 3000; ++round) {
        const std::size_t which = random() % 5;
        std::string bytes = valid[which];
        switch (random() % 4) {
        case 0: // flip some bytes
            for (int n = 1 + random() % 6; n > 0; --n)
                bytes[random() % bytes.size()] = static_cast<char>(random());
            break;
        case 1: // cut and append noise
            bytes.resize(random() % bytes.size());
            for (int n = random() % 16; n > 0; --n)
                bytes.push_back(static_cast<char>(random()));
            break;
        case 2: // a length or count byte set high
            bytes[random() % bytes.size()] = static_cast<char>(0xFF);
            bytes[random() % bytes.size()] = static_cast<char>(0x7F);
            break;
        default: // pure noise
            bytes.assign(random() % 64, '\0');
            for (char& c : bytes)
                c = static_cast<char>(random());
        }
        const std::unique_ptr<C_Row> row = empty_row(which);
        std::istringstream in(bytes);
        const E_Result result = row->M_Fn_Stream_Serialize_o_I(in, nullptr);
        EXPECT_TRUE(result == 0 || result == 1);
        if (result == 1) {
            ++read_whole;
            std::ostringstream out;
            EXPECT_EQ(row->M_Fn_Stream_Serialize_o_O(out, 0), 1); // whatever was read can be written
            std::vector<std::wstring> lines;
            row->M_Fn_Get_wstring_Desc(L"", lines);
        }
    }
    EXPECT_GT(read_whole, 0);
}

TEST(C_Row, RebuildTurnsLoadedIdsIntoReferences)
{
    C_Schema_App m_App;
    N_Common::N_Container::slotvec<lesser_shared_ptr<C_Row_C_Material>> materials;
    materials.add_at(0, {});
    materials.add_at(1, lesser_shared_ptr<C_Row_C_Material>(new C_Row_C_Material(G_Fn_Card(3, "MAT1"))));
    materials.add_at(2, lesser_shared_ptr<C_Row_C_Material>(new C_Row_C_Material(G_Fn_Card(3, "MAT1"))));
    materials.add_at(3, {});
    C_Row_C_Property pshell(G_Fn_Card(3, "PSHELL"));
    G_Fn_Set(pshell, E_Id_Column_Key_foreign_C_Material, C_Key_C_Material(2));
    G_Fn_Set(pshell, E_Id_Column_Key_foreign_C_Material_2, C_Key_C_Material(0));
    G_Fn_Set(pshell, E_Id_Column_Key_foreign_C_Material_3, C_Key_C_Material(5));
    G_Fn_Set(pshell, E_Id_Column_Key_foreign_C_Material_4, C_Key_C_Material(3));
    EXPECT_EQ(pshell.M_Fn_Stream_Serialize_Rebuild_Key_C_Material(E_Id_Column_Key_foreign_C_Material, materials), 1);
    EXPECT_EQ(pshell.M_Fn_Key_C_Material().M_Fn_Lock().get(), materials.at(2).get());
    EXPECT_EQ(pshell.M_Fn_Stream_Serialize_Rebuild_Key_C_Material(E_Id_Column_Key_foreign_C_Material_2, materials), 1);
    EXPECT_TRUE(pshell.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Key_foreign_C_Material_2).M_Fn_Get<C_Key_C_Material>().M_Fn_Is_Empty());
    EXPECT_EQ(pshell.M_Fn_Stream_Serialize_Rebuild_Key_C_Material(E_Id_Column_Key_foreign_C_Material_3, materials), 0);
    EXPECT_TRUE(pshell.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Key_foreign_C_Material_3).M_Fn_Get<C_Key_C_Material>().M_Fn_Is_Empty());
    EXPECT_THROW(pshell.M_Fn_Stream_Serialize_Rebuild_Key_C_Material(E_Id_Column_Key_foreign_C_Material_4, materials), C_Exception);
    // A virtual column, and a column the card does not have, leave nothing to do.
    EXPECT_EQ(pshell.M_Fn_Stream_Serialize_Rebuild_Key_C_Material(E_Id_Column_Key_foreign_C_Material_1, materials), 1);
    N_Common::N_Container::slotvec<lesser_shared_ptr<C_Row_Common>> sections;
    EXPECT_EQ(pshell.M_Fn_Stream_Serialize_Rebuild_Key_Common(sections), 1);
    // An element's property key.
    N_Common::N_Container::slotvec<lesser_shared_ptr<C_Row_C_Property>> properties;
    properties.add_at(0, {});
    properties.add_at(1, lesser_shared_ptr<C_Row_C_Property>(new C_Row_C_Property(G_Fn_Card(3, "PSHELL"))));
    C_Row_Element_2D element = G_Fn_Element();
    EXPECT_EQ(element.M_Fn_Stream_Serialize_Rebuild_Key_C_Property(properties), 1);
    EXPECT_EQ(element.M_Fn_Key_C_Property().M_Fn_Lock().get(), properties.at(1).get());
}

TEST(C_Row, PartReachesItsSectionAndMaterialValues)
{
    C_Schema_App m_App;
    auto section = lesser_shared_ptr<C_Row_Common>(new C_Row_C_Section(G_Fn_Section()));
    auto material = lesser_shared_ptr<C_Row_C_Material>(new C_Row_C_Material(G_Fn_Card(2, "MAT_PLASTIC_KINEMATIC")));
    G_Fn_Set(*material, E_Id_Column_Modulus_E, 210000.0f);
    G_Fn_Set(*material, E_Id_Column_Ratio_Poisson, 0.3f);
    G_Fn_Set(*material, E_Id_Column_Density_Mass, 7.85e-9f);
    G_Fn_Set(*material, E_Id_Column_Limit_Stress_Y, 240.0f);
    C_Row_C_Property part = G_Fn_Part();
    G_Fn_Set(part, E_Id_Column_Key_foreign_C_Section, C_Key_Common(section));
    part.M_Fn_Key_C_Material() = C_Key_C_Material(material);
    std::vector<C_Route_Request> requests;
    for (E_Id_Column id : {E_Id_Column_Thk_1, E_Id_Column_Thk_2, E_Id_Column_Thk_3, E_Id_Column_Thk_4, E_Id_Column_Ratio_Poisson,
                           E_Id_Column_Modulus_E, E_Id_Column_Limit_Stress_Y, E_Id_Column_Limit_Stress_U, E_Id_Column_Name})
        requests.push_back({id, {}});
    part.M_Fn_Select_multiple_List(requests, nullptr, false);
    std::vector<float> values;
    for (std::size_t i = 0; i < 8; ++i)
        values.push_back(requests[i].m_Visitor.M_Fn_Get<float>());
    EXPECT_EQ(values, std::vector<float>({2.5f, 0.0f, 0.0f, 0.0f, 0.3f, 210000.0f, 240.0f, 300.0f}));
    EXPECT_EQ(requests[8].m_Visitor.M_Fn_Get<std::wstring>(), L"Recliner Bkt i/b"); // the part's own name
    // The single walk, and the walk that stops at relations.
    C_Route_Request thickness{E_Id_Column_Thk_1, {}};
    part.M_Fn_Route_Walk(thickness, nullptr, false);
    EXPECT_EQ(thickness.m_Visitor.M_Fn_Get<float>(), 2.5f);
    part.M_Fn_Route_Walk(thickness, nullptr, true);
    EXPECT_TRUE(thickness.m_Visitor.M_Fn_Is_Empty());
    // A row that is gone ends the walk with nothing.
    section.reset();
    part.M_Fn_Route_Walk(thickness, nullptr, false);
    EXPECT_TRUE(thickness.m_Visitor.M_Fn_Is_Empty());
}

TEST(C_Row, NodeRelationsUseTheModelsNodeArray)
{
    C_Schema_App m_App;
    const std::string body = G_Fn_Col("N", "INT32", "Key_foreign_Node_1") +
                             "RELATION\nType_Relation E_Type_Relation_Node\nId_Relation E_Id_Relation_1\n"
                             "Id_Column E_Id_Column_Key_foreign_Node_1\nRELATION_END\n"
                             "ROUTE\nId_Column E_Id_Column_Coordinate_Y\nType_Relation E_Type_Relation_Node\nId_Relation E_Id_Relation_1\nROUTE_END\n";
    const auto schema = N_Test_DB::G_Fn_Schema({{2, N_Test_DB::G_Fn_Card("LINK", "", body)}});
    C_Row_Etc row(schema->M_Fn_Info_Table_Lookup_By_Format(2, "LINK"));
    const T_Nodes nodes = {G_Fn_Node(10, 0, 0, 0), G_Fn_Node(11, 1, 2, 3)};
    G_Fn_Set_At(row, 0, std::int32_t(1));
    C_Route_Request y{E_Id_Column_Coordinate_Y, {}};
    row.M_Fn_Route_Walk(y, &nodes, false);
    EXPECT_EQ(y.m_Visitor.M_Fn_Get<float>(), 2.0f);
    EXPECT_EQ(row.M_Fn_Find_Related_Row(0, &nodes), &nodes[1]);
    EXPECT_THROW(row.M_Fn_Find_Related_Row(0, nullptr), C_Exception);
    EXPECT_THROW(row.M_Fn_Find_Related_Row(1, &nodes), C_Exception);
    G_Fn_Set_At(row, 0, std::int32_t(-1));
    EXPECT_THROW(row.M_Fn_Find_Related_Row(0, &nodes), C_Exception);
    G_Fn_Set_At(row, 0, std::int32_t(2));
    EXPECT_THROW(row.M_Fn_Find_Related_Row(0, &nodes), C_Exception);
}

TEST(C_Row, DescriptionListsTheColumns)
{
    C_Schema_App m_App;
    const C_Row_Node node = G_Fn_Node(5, 1.5f, -2.0f, 0.0f);
    std::vector<std::wstring> lines;
    node.M_Fn_Get_wstring_Desc(L"  ", lines);
    EXPECT_EQ(lines, std::vector<std::wstring>({L"  TYPE: Nastran: GRID", L"  ID: 5", L"  CP: 0", L"  X1: 1.5", L"  X2: -2", L"  X3: 0",
                                                L"  CD: 0", L"  PS: 0", L"  SEID: 0"}));
}

TEST(C_Row, ElementDescriptionNamesItsNodesByTheDecksIds)
{
    C_Schema_App m_App;
    // A model's node array as a deck leaves it: ids from 1001 with gaps, not in id order, and a
    // second node 1005 (a ".bea" file keeps a repeated number; elements use the first).
    const T_Nodes nodes = {G_Fn_Node(2003, 0, 0, 0), G_Fn_Node(1001, 1, 0, 0), G_Fn_Node(1005, 1, 1, 0),
                           G_Fn_Node(1002, 0, 1, 0), G_Fn_Node(1005, 9, 9, 9)};
    const auto node_lines = [](const C_Row_Element_2D& ro_Row, const T_Nodes& ro_Nodes, const std::wstring& i_Prefix) {
        std::vector<std::wstring> lines, picked;
        ro_Row.M_Fn_Get_wstring_Desc(L"  ", lines, ro_Nodes);
        for (const std::wstring& line : lines)
            if (line.rfind(i_Prefix, 0) == 0)
                picked.push_back(line);
        return picked;
    };
    const auto element = [](const C_Info_Table* i_p_Table, std::initializer_list<std::int32_t> i_Positions) {
        C_Row_Element_2D row(i_p_Table);
        row.M_Fn_Id_Set(501);
        std::uint32_t i = 0;
        for (std::int32_t position : i_Positions)
            row.M_Fn_Node_Set(i++, position);
        return row;
    };

    // The quadrilateral on the deck's nodes 1001, 1002, 1005, 2003 refers to positions 1, 3, 2, 0.
    C_Row_Element_2D quad = element(G_Fn_Card(3, "CQUAD4"), {1, 3, 2, 0});
    EXPECT_EQ(node_lines(quad, nodes, L"  G"),
              std::vector<std::wstring>({L"  G1: 1001", L"  G2: 1002", L"  G3: 1005", L"  G4: 2003"}));
    std::vector<std::wstring> lines;
    quad.M_Fn_Get_wstring_Desc(L"  ", lines, nodes);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], L"  TYPE: Nastran: CQUAD4");
    EXPECT_EQ(lines[1], L"  EID: 501");
    // The row keeps its positions.
    EXPECT_EQ(quad.M_Fn_Node_Get(0), 1);
    EXPECT_EQ(quad.M_Fn_Node_Get(3), 0);
    // A triangle has no G4.
    EXPECT_EQ(node_lines(element(G_Fn_Card(3, "CTRIA3"), {0, 1, 3}), nodes, L"  G"),
              std::vector<std::wstring>({L"  G1: 2003", L"  G2: 1001", L"  G3: 1002"}));
    // A reference outside the node array names no node.
    quad.M_Fn_Node_Set(3, 5);
    EXPECT_THROW(node_lines(quad, nodes, L"  G"), C_Exception);
    quad.M_Fn_Node_Set(3, -1);
    EXPECT_THROW(node_lines(quad, nodes, L"  G"), C_Exception);

    // Back from an id to the position: the first node of that id; an id no node has (a position
    // among them) gives -1.
    EXPECT_EQ(C_Row_Element_2D::S_Fn_Node_Position_Find(nodes, 1005), 2);
    EXPECT_EQ(C_Row_Element_2D::S_Fn_Node_Position_Find(nodes, 2003), 0);
    EXPECT_EQ(C_Row_Element_2D::S_Fn_Node_Position_Find(nodes, 1003), -1);
    EXPECT_EQ(C_Row_Element_2D::S_Fn_Node_Position_Find(nodes, 3), -1);
    EXPECT_EQ(C_Row_Element_2D::S_Fn_Node_Id_At(nodes, 4), 1005);
    EXPECT_THROW(C_Row_Element_2D::S_Fn_Node_Id_At(nodes, 5), C_Exception);
}

TEST(C_Row, CopiesAreDeepAndAlike)
{
    C_Schema_App m_App;
    const C_Row_C_Section original = G_Fn_Section();
    C_Row_C_Section copy(original);
    EXPECT_EQ(copy.M_Fn_Pos_Get(), 0);
    G_Fn_Set(*copy.M_Fn_Sub_Get_rscpo_Row_Etc_Option(0, 0), E_Id_Column_Title, std::wstring(L"changed"));
    C_Route_Request title{E_Id_Column_Name, {}};
    const_cast<C_Row_C_Section&>(original).M_Fn_Route_Walk_Default(title);
    EXPECT_EQ(title.m_Visitor.M_Fn_Get<std::wstring>(), L"SectShll \u4E2D");
    G_Fn_Set(*copy.M_Fn_Sub_Get_rscpo_Row_Etc_Option(0, 0), E_Id_Column_Title, std::wstring(L"SectShll \u4E2D"));
    EXPECT_EQ(G_Fn_Write(copy), G_Fn_Write(original));
    C_Row_C_Material material = G_Fn_Material();
    const C_Row_C_Material material_copy(material);
    EXPECT_NE(material_copy.m_Display.m_sp_Tree, material.m_Display.m_sp_Tree); // a hook of its own
    EXPECT_EQ(material_copy.m_Display.m_Color_Picked, material.m_Display.m_Color_Picked);
}

TEST(C_Row, LongRepeatChainsCostNoStack)
{
    C_Schema_App m_App;
    C_Row_C_Section section(G_Fn_Card(2, "SECTION_SHELL"));
    C_Row* link = &G_Fn_Add_Option(section, 1, 0);
    for (int i = 0; i < 100000; ++i)
        link = &G_Fn_Add_Repeat(*link);
    const C_Row_C_Section copy(section);
    const std::string bytes = G_Fn_Write(copy);
    EXPECT_EQ(bytes.size(), G_Fn_Write(section).size());
    C_Row_C_Section read;
    ASSERT_EQ(G_Fn_Read(bytes, read), 1);
    EXPECT_EQ(G_Fn_Write(read), bytes);
}

TEST(C_Row_Relation, ElementStateAndColourFollowPropertyAndMaterial)
{
    C_Schema_App m_App;
    auto material = lesser_shared_ptr<C_Row_C_Material>(new C_Row_C_Material(G_Fn_Card(3, "MAT1")));
    auto property = lesser_shared_ptr<C_Row_C_Property>(new C_Row_C_Property(G_Fn_Card(3, "PSHELL")));
    material->m_Display.M_Fn_Color_Set({1.0f, 0.0f, 0.0f, 1.0f});
    property->m_Display.M_Fn_Color_Set({0.2f, 0.4f, 0.6f, 0.5f});
    property->M_Fn_Key_C_Material() = C_Key_C_Material(material);
    C_Row_Element_2D element = G_Fn_Element();
    element.M_Fn_Key_C_Property() = C_Key_C_Property(property);
    std::array<float, 4> color{};
    ASSERT_TRUE(element.M_Fn_Flag_Derived_Refresh_Color(false, color));
    EXPECT_EQ(color, (std::array<float, 4>{0.2f, 0.4f, 0.6f, 0.5f}));
    ASSERT_TRUE(element.M_Fn_Flag_Derived_Refresh_Color(true, color));
    EXPECT_EQ(color, (std::array<float, 4>{1.0f, 0.0f, 0.0f, 1.0f}));
    material->m_Display.m_u32_State = 0x2; // the material is selected
    ASSERT_TRUE(element.M_Fn_Flag_Derived_Refresh_Color(true, color));
    EXPECT_EQ(element.m_u32_Flag & 0x38u, 0x10u);
    EXPECT_EQ(color, material->m_Display.m_Color_Selected);
    element.m_u32_Flag |= 0x01; // picked wins over selected
    ASSERT_TRUE(element.M_Fn_Flag_Derived_Refresh_Color(false, color));
    EXPECT_EQ(color, property->m_Display.m_Color_Picked);
    property->m_Display.m_u32_State = 0x4; // the property is hidden
    EXPECT_FALSE(element.M_Fn_Flag_Derived_Refresh_Color(false, color));
    EXPECT_EQ(element.m_u32_Flag & 0x20u, 0x20u);
    property->m_Display.m_u32_State = 0;
    material->m_Display.m_u32_State = 0x4;
    element.M_Fn_Flag_Derived_Refresh();
    EXPECT_EQ(element.m_u32_Flag & 0x20u, 0x20u);
    material->m_Display.m_u32_State = 0;
    element.M_Fn_Flag_Derived_Refresh();
    EXPECT_EQ(element.m_u32_Flag & 0x20u, 0u);
}

TEST(C_Row_Element_2D, ElementNormalFromItsFirstThreeNodes)
{
    C_Schema_App m_App;
    const T_Nodes nodes = {G_Fn_Node(1, 0, 0, 0), G_Fn_Node(2, 1, 0, 0), G_Fn_Node(3, 1, 1, 0), G_Fn_Node(4, 2, 0, 0)};
    C_Row_Element_2D element(G_Fn_Card(3, "CTRIA3"));
    element.M_Fn_Node_Set(0, 0);
    element.M_Fn_Node_Set(1, 1);
    element.M_Fn_Node_Set(2, 2);
    EXPECT_EQ(element.M_Fn_Get_o_Vector3_f32_From_Nodes(nodes), (N_Common::N_Math::C_Vector3<float>(0, 0, 1)));
    element.M_Fn_Node_Set(2, 3); // three nodes on a line
    element.m_Normal = {1, 1, 1};
    EXPECT_EQ(element.M_Fn_Get_o_Vector3_f32_From_Nodes(nodes), (N_Common::N_Math::C_Vector3<float>(0, 0, 1)));
    element.M_Fn_Node_Set(2, 4);
    EXPECT_THROW(element.M_Fn_Get_o_Vector3_f32_From_Nodes(nodes), C_Exception);
    EXPECT_THROW(element.M_Fn_Node_Get(3), C_Exception); // a three-node element has no fourth node
}

TEST(C_Row_C_Material, CardsKeepTheirTreeItemConsistent)
{
    C_Schema_App m_App;
    C_Row_C_Material material = G_Fn_Material();
    C_Tree_Port_Record tree;
    // Below a folder that has an item, the card gets one; renamed and removed with the card.
    N_UI::N_Tree::C_Signal folder;
    folder.M_Fn_On_Add_Proj(nullptr);
    material.M_Fn_Rel_Self_On_Add(nullptr, &folder);
    EXPECT_TRUE(material.m_Display.m_sp_Tree->M_Fn_Is_Connected());
    EXPECT_THROW(material.M_Fn_Rel_Self_On_Add(nullptr, &folder), C_Exception);
    material.M_Fn_On_Be_Modified();
    material.M_Fn_Rel_Self_On_Remove();
    EXPECT_FALSE(material.m_Display.m_sp_Tree->M_Fn_Is_Connected());
    EXPECT_EQ(tree.M_Fn_Summary(),
              (std::vector<std::wstring>{L"insert project", L"insert material", L"text material", L"delete 2"}));
    EXPECT_EQ(tree.m_Ops[1].m_Parent, tree.m_Ops[0].m_Item);
    // A second removal does nothing.
    material.M_Fn_Rel_Self_On_Remove();
    EXPECT_EQ(tree.m_Ops.size(), 4u);
    // Without a folder item (a project without a tree) the card is connected without an item.
    C_Row_C_Property property = G_Fn_Part();
    property.M_Fn_Rel_Self_On_Add(nullptr, nullptr);
    EXPECT_EQ(tree.m_Ops.size(), 4u);
    EXPECT_TRUE(property.m_Display.m_sp_Tree->M_Fn_Is_Connected());
}
