// The ".bea" model reader: files written out column by column in the tests, read into a new
// project: header and comments, nodes, counted records, cards, elements, the block codes, the
// section lines with their wall, weld and frame lines, the refusals with the line they name, and
// two sections that calculate to hand-derived values.
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/model/Biz_Model.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "tests/proj/Test_Proj_Support_BEA.h"

#include <cmath>

using namespace N_Test_Proj;
using N_Biz::N_Sect::C_Sect;

namespace {

class C_Proj_BEA : public C_Proj_Stream_Test {
protected:
    C_Read M_Fn_Read_BEA(const std::string& i_Text) { return G_Fn_Read_BEA(i_Text); }
    static const N_Biz::N_Model::C_Model& S_Fn_Model(const C_Proj& ro_Proj)
    {
        return *ro_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().at(1);
    }
    static std::vector<std::uint32_t> S_Fn_Slots(const C_Proj& ro_Proj, std::uint32_t i_Group)
    {
        std::vector<std::uint32_t> slots;
        const auto& sects = ro_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Group_At(i_Group)->m_Sects;
        for (std::uint32_t s = 1; s < sects.size(); ++s)
            if (sects.is_used_at(s))
                slots.push_back(s);
        return slots;
    }
    static C_Sect& S_Fn_Sect(const C_Proj& ro_Proj, std::uint32_t i_Group, std::uint32_t i_Slot)
    {
        return *ro_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Group_At(i_Group)->m_Sects.at(i_Slot);
    }
    // The section's lines as (start, end, property card slot or 0, weld), in entity order.
    static std::vector<std::array<int, 4>> S_Fn_Lines(const C_Sect& ro_Sect)
    {
        std::vector<std::array<int, 4>> lines;
        const auto& store = ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < store.size(); ++i) {
            if (!store.is_used_at(i))
                continue;
            const auto& entity = *store.at(i);
            const auto* p_card = entity.m_Key_C_P.M_Fn_Lock().get();
            lines.push_back({entity.m_Ref_Points[0].m_Id_Point, entity.m_Ref_Points[1].m_Id_Point,
                             p_card ? p_card->M_Fn_Pos_Get() : 0, entity.M_Fn_Is_Weld() ? 1 : 0});
        }
        return lines;
    }
};

// Nodes, a counted record, materials, properties and elements, with comment lines everywhere.
TEST_F(C_Proj_BEA, HeaderNodesCardsAndElements)
{
    const std::string text = "$ comment before everything\n" + G_Fn_Header(4, 2, 3, 4, 1) + "$ comment after the header\n" +
                             G_Fn_Node(11, "1.5", "-2.0", "3.25") + G_Fn_Node(12, "4.0", "0.5", "") + // blank z
                             "$ between nodes\n" + G_Fn_Node(13, "-1.0", "7.0", "0.0") + G_Fn_Node(14, "0.0", "0.0", "-9.5") +
                             // Records of 12 values (one more line) and of 10 (none).
                             R("1", 10) + R("12", 10) + "\n" + "  values 11 and 12\n" + R("2", 10) + R("10", 10) + "\n" +
                             G_Fn_Material(5, "210000.0", "0.3", "235.0", "360.0", "7.85e-9", "Steel") +
                             G_Fn_Material(7, "70000.0", "0.33", "120.5", "200.0", "2.7e-9", "Alu") +
                             G_Fn_Material(5, "1.0", "0.1", "1.0", "1.0", "1.0", "Repeated") + // skipped
                             G_Fn_Property(21, 7, "2.5", "Web") + G_Fn_Property(22, 99, "1.0", "NoMaterial") + // skipped
                             G_Fn_Property(23, 5, "4.0", "Flange") + G_Fn_Property(21, 5, "9.0", "Repeated") + // skipped
                             "a line skipped after the properties\n" + G_Fn_Block(8, 2, 0) + "$ among the elements\n" +
                             G_Fn_Element(101, 11, 12, 13, 14, 23) + G_Fn_Element(102, 14, 13, 12, 11, 77) +
                             "nothing after block 8 is read\n";
    const C_Read read = M_Fn_Read_BEA(text);
    ASSERT_EQ(read.m_Result, 1);
    const C_Proj& proj = *read.m_up_Proj;
    EXPECT_TRUE(proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().empty());
    EXPECT_EQ(proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().size(), 1u); // block 8 first: no sections

    const N_Biz::N_Model::C_Model& model = S_Fn_Model(proj);
    const auto& data = model.M_Fn_Data();
    ASSERT_EQ(data.m_Nodes.size(), 4u);
    EXPECT_EQ(data.m_Nodes[0].M_Fn_Id_Get(), 11);
    EXPECT_TRUE(G_Fn_Near(data.m_Nodes[0].M_ro_Vector3_f32(), C_Vector3f(1.5f, -2.0f, 3.25f), 0.0f));
    EXPECT_TRUE(G_Fn_Near(data.m_Nodes[1].M_ro_Vector3_f32(), C_Vector3f(4.0f, 0.5f, 0.0f), 0.0f));
    EXPECT_TRUE(G_Fn_Near(data.m_Bound_Min, C_Vector3f(-1.0f, -2.0f, -9.5f), 0.0f));
    EXPECT_TRUE(G_Fn_Near(data.m_Bound_Max, C_Vector3f(4.0f, 7.0f, 3.25f), 0.0f));

    // Material 5 in slot 1, 7 in slot 2; the repeated 5 skipped.
    const auto& materials = proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
    ASSERT_EQ(materials.size(), 3u);
    auto number = [](N_Biz::N_DB::C_Row& ro_Row, N_Biz::N_DB::E_Id_Column i_Id) {
        return ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id);
    };
    auto& steel = *materials.at(1);
    EXPECT_EQ(M_Fn_Name_Get(steel), L"Steel");
    EXPECT_EQ(number(steel, N_Biz::N_DB::E_Id_Column_Key_primary_C_Material).M_Fn_Get<std::int32_t>(), 5);
    EXPECT_EQ(number(steel, N_Biz::N_DB::E_Id_Column_Modulus_E).M_Fn_Get<float>(), 210000.0f);
    EXPECT_EQ(number(steel, N_Biz::N_DB::E_Id_Column_Ratio_Poisson).M_Fn_Get<float>(), 0.3f);
    EXPECT_EQ(number(steel, N_Biz::N_DB::E_Id_Column_Limit_Stress_Y).M_Fn_Get<float>(), 235.0f);
    EXPECT_EQ(number(steel, N_Biz::N_DB::E_Id_Column_Limit_Stress_U).M_Fn_Get<float>(), 360.0f);
    EXPECT_EQ(number(steel, N_Biz::N_DB::E_Id_Column_Density_Mass).M_Fn_Get<float>(), 7.85e-9f);
    EXPECT_EQ(M_Fn_Name_Get(*materials.at(2)), L"Alu");
    // Property 21 (material 7) in slot 1, 23 (material 5) in slot 2; the others skipped.
    const auto& properties = proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store();
    ASSERT_EQ(properties.size(), 3u);
    auto& web = *properties.at(1);
    EXPECT_EQ(M_Fn_Name_Get(web), L"Web");
    EXPECT_EQ(number(web, N_Biz::N_DB::E_Id_Column_Key_primary_C_Property).M_Fn_Get<std::int32_t>(), 21);
    EXPECT_EQ(number(web, N_Biz::N_DB::E_Id_Column_Thk).M_Fn_Get<float>(), 2.5f);
    EXPECT_EQ(web.M_Fn_Key_C_Material().M_Fn_Lock().get(), materials.at(2).get());
    EXPECT_EQ(properties.at(2)->M_Fn_Key_C_Material().M_Fn_Lock().get(), materials.at(1).get());
    EXPECT_EQ(data.m_Map_C_M, (std::map<std::uint32_t, std::uint32_t>{{5, 1}, {7, 2}}));
    EXPECT_EQ(data.m_Map_C_P, (std::map<std::uint32_t, std::uint32_t>{{21, 1}, {23, 2}}));

    // Elements on node positions; property 77 is not in the file.
    ASSERT_EQ(data.m_Elements.size(), 2u);
    const auto& first = data.m_Elements[0];
    EXPECT_EQ(first.M_Fn_Id_Get(), 101);
    EXPECT_EQ(first.M_Fn_Node_Num(), 4u);
    for (std::uint32_t k = 0; k < 4; ++k) {
        EXPECT_EQ(first.M_Fn_Node_Get(k), static_cast<std::int32_t>(k));
        EXPECT_EQ(data.m_Elements[1].M_Fn_Node_Get(k), static_cast<std::int32_t>(3 - k));
    }
    EXPECT_EQ(first.M_Fn_Key_C_Property().M_Fn_Lock().get(), properties.at(2).get());
    EXPECT_EQ(data.m_Elements[1].M_Fn_Key_C_Property().M_Fn_Lock().get(), nullptr);
}

struct C_Block_Case {
    const char* m_Name;
    std::string m_Blocks; // what follows the property lines
    std::size_t m_Groups; // slots of the group table afterwards
    std::size_t m_Elements;
};

class C_Proj_BEA_Block : public C_Proj_BEA, public ::testing::WithParamInterface<C_Block_Case> {};

TEST_P(C_Proj_BEA_Block, CodesAreTakenTwoSevenEightInThatOrder)
{
    const C_Block_Case& c = GetParam();
    const C_Read read = M_Fn_Read_BEA(G_Fn_Header(1, 0, 1, 1, 0) + G_Fn_Node(1, "0.0", "0.0", "0.0") +
                                      G_Fn_Material(1, "1.0", "0.3", "1.0", "1.0", "1.0", "M") +
                                      G_Fn_Property(1, 1, "1.0", "P") + c.m_Blocks);
    ASSERT_EQ(read.m_Result, 1);
    EXPECT_EQ(read.m_up_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().size(), c.m_Groups);
    // The model is added whatever the blocks held.
    EXPECT_EQ(S_Fn_Model(*read.m_up_Proj).M_Fn_Data().m_Elements.size(), c.m_Elements);
}

const std::string G_Element_1 = G_Fn_Element(1, 1, 1, 1, 1, 1);

INSTANTIATE_TEST_SUITE_P(
    All, C_Proj_BEA_Block,
    ::testing::Values(
        // Code 3 ends reading at once: what follows is never read.
        C_Block_Case{"three", G_Fn_Block(3, 0, 0) + G_Fn_Block(8, 1, 0) + G_Element_1, 1, 0},
        // Lines whose first 8 columns are not blank are passed over on the way to a block line.
        C_Block_Case{"eight", "not a block line\n" + G_Fn_Block(8, 1, 0) + G_Element_1, 1, 1},
        // Block 2 with no section still adds its group; then 7 skips its lines, then 8.
        C_Block_Case{"two_seven_eight", G_Fn_Block(2, 5, 0) + G_Fn_Block(7, 0, 2) + "skipped\nskipped\n" +
                                            G_Fn_Block(8, 1, 0) + G_Element_1,
                     2, 1},
        // After block 7, a 2 is no longer looked for: reading ends.
        C_Block_Case{"seven_two", G_Fn_Block(7, 0, 0) + G_Fn_Block(2, 0, 0), 1, 0},
        // An empty line where a block line is sought has a blank code: the previous one (2) stays,
        // and reading ends.
        C_Block_Case{"blank_code", G_Fn_Block(2, 0, 0) + "\n" + G_Fn_Block(8, 1, 0) + G_Element_1, 2, 0}),
    [](const auto& ro_Info) { return std::string(ro_Info.param.m_Name); });

// Six property cards, so that wall lines can name slots 1 to 6; nodes 1 (anchor) and 2.
std::string G_Fn_Section_File(const std::string& i_Sections, int i_Count)
{
    std::string text = G_Fn_Header(2, 0, 1, 6, 0) + G_Fn_Node(1, "10.0", "0.0", "0.0") + G_Fn_Node(2, "0.0", "5.0", "0.0") +
                       G_Fn_Material(1, "210000.0", "0.3", "235.0", "360.0", "7.85e-9", "Steel");
    for (int p = 1; p <= 6; ++p)
        text += G_Fn_Property(10 + p, 1, "1.0", "P");
    return text + G_Fn_Block(2, 0, i_Count) + i_Sections + G_Fn_Block(8, 0, 0);
}

TEST_F(C_Proj_BEA, WallWeldPointAndFrameLines)
{
    const std::string points = G_Fn_Point(1, "12.50", "-3.00") + G_Fn_Point(4, "0.0", "0.0") + G_Fn_Point(5, "10.0", "0.0") +
                               G_Fn_Point(6, "10.0", "10.0") + G_Fn_Point(7, "0.0", "10.0") + G_Fn_Point(8, "5.0", "5.0");
    // Section 1: eight wall lines, three weld lines.
    const std::string first = G_Fn_Section(3, 6, 8, 1) + points +
                              "  1  4  5  6  2\n"    // 15 columns: 4-5 and 5-6 on card 2
                              "  1  4  5  6\n"       // 12 columns: 4-5 on card 6
                              "  1  4  5  6  2x\n"   // one column more: as 15
                              "  1  4  5  6  2xy\n"  // two more: as 15
                              "  1  4  5  6  0\n"    // property 0: none
                              "  1  4  5  6   \n"    // blank property: none
                              "  1  4  5  6  3\r\n"  // CR LF: the CR is no column
                              "  1  5\n"             // 6 columns: no point, card 5 looked up
                              "  1  7  7  8  0\n"    // weld 7-8 (7-7 skipped)
                              "  1  7  7  8\n"       // its last field not read: 7-7 only, skipped
                              "  1  4  "             // 8 columns: no point
                              "\n"
                              + G_Identity;
    // Section 2 anchored at a node the file does not have: dropped, without frame lines.
    const std::string second = G_Fn_Section(0, 1, 0, 99) + G_Fn_Point(1, "0.0", "0.0");
    // Section 3 at node 2, its frame stretching local x twice; the first frame field blank.
    const std::string third = G_Fn_Section(0, 0, 0, 2) + std::string(10, ' ') + R("0.0", 10) + R("0.0", 10) + "\n" +
                              R("0.0", 10) + R("2.0", 10) + R("0.0", 10) + "\n" + R("0.0", 10) + R("0.0", 10) + R("1.0", 10) + "\n";
    m_App.port().m_Calls.clear();
    const C_Read read = M_Fn_Read_BEA(G_Fn_Section_File(first + second + third, 3));
    ASSERT_EQ(read.m_Result, 1);
    const C_Proj& proj = *read.m_up_Proj;
    ASSERT_EQ(proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().size(), 2u);
    EXPECT_EQ(S_Fn_Slots(proj, 1), (std::vector<std::uint32_t>{1, 3}));
    // Each section has its document, no window.
    EXPECT_EQ(m_App.port().M_Fn_Texts(L"doc_sect_create").size(), 2u);
    EXPECT_TRUE(m_Frames.empty());

    C_Sect& sect = S_Fn_Sect(proj, 1, 1);
    EXPECT_EQ(sect.M_Fn_Title_Get(), L"Section 1-1");
    const auto& point = sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(1);
    EXPECT_EQ(point.m_X, 12.5f);
    EXPECT_EQ(point.m_Y, -3.0f);
    EXPECT_EQ(sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Count(), 6u);
    const std::vector<std::array<int, 4>> lines{
        {4, 5, 2, 0}, {5, 6, 2, 0}, // 15 columns
        {4, 5, 6, 0},               // 12 columns
        {4, 5, 2, 0}, {5, 6, 2, 0}, // 16 columns
        {4, 5, 2, 0}, {5, 6, 2, 0}, // 17 columns
        {4, 5, 0, 0}, {5, 6, 0, 0}, // property 0
        {4, 5, 0, 0}, {5, 6, 0, 0}, // blank property
        {4, 5, 3, 0}, {5, 6, 3, 0}, // CR LF
        {7, 8, 0, 1},               // weld
    };
    EXPECT_EQ(S_Fn_Lines(sect), lines);

    // T(o) R^-1 Ry(90) Rz(90): local x along global y, local y along global z, normal along x.
    auto column = [](const C_Sect& ro_Sect, int i_Column) { return G_Fn_Column(S_Fn_Matrix(ro_Sect), i_Column); };
    EXPECT_TRUE(G_Fn_Near(column(sect, 0), C_Vector3f(0, 1, 0), 1e-6f));
    EXPECT_TRUE(G_Fn_Near(column(sect, 1), C_Vector3f(0, 0, 1), 1e-6f));
    EXPECT_TRUE(G_Fn_Near(column(sect, 2), C_Vector3f(1, 0, 0), 1e-6f));
    EXPECT_TRUE(G_Fn_Near(column(sect, 3), C_Vector3f(10, 0, 0), 0.0f));
    // R = diag(1, 2, 1): R^-1 halves y, which local x takes.
    const C_Sect& third_sect = S_Fn_Sect(proj, 1, 3);
    EXPECT_TRUE(G_Fn_Near(column(third_sect, 0), C_Vector3f(0, 0.5f, 0), 1e-6f));
    EXPECT_TRUE(G_Fn_Near(column(third_sect, 1), C_Vector3f(0, 0, 1), 1e-6f));
    EXPECT_TRUE(G_Fn_Near(column(third_sect, 2), C_Vector3f(1, 0, 0), 1e-6f));
    EXPECT_TRUE(G_Fn_Near(column(third_sect, 3), C_Vector3f(0, 5, 0), 0.0f));
}

struct C_Refusal_Case {
    const char* m_Name;
    std::string m_Text;
    E_Result m_Result; // 0 refused, -1 C_Exception
    std::wstring m_Message;
};

class C_Proj_BEA_Refusal : public C_Proj_BEA, public ::testing::WithParamInterface<C_Refusal_Case> {};

TEST_P(C_Proj_BEA_Refusal, NamesTheLine)
{
    const C_Refusal_Case& c = GetParam();
    m_App.port().m_Calls.clear();
    const C_Read read = M_Fn_Read_BEA(c.m_Text);
    EXPECT_EQ(read.m_Result, c.m_Result);
    EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>{c.m_Message});
}

const std::string G_One_Card = G_Fn_Material(1, "1.0", "0.3", "1.0", "1.0", "1.0", "M") + G_Fn_Property(1, 1, "1.0", "P");
// Header (5 lines), node 1 (line 6), the cards (lines 7, 8).
const std::string G_Front = G_Fn_Header(1, 0, 1, 1, 0) + G_Fn_Node(1, "0.0", "0.0", "0.0") + G_One_Card;
// One section at node 1 (line 10) with points 1 and 2 (lines 11, 12).
std::string G_Fn_One_Section(const std::string& i_Walls_And_Frame, int i_Walls)
{
    return G_Front + G_Fn_Block(2, 0, 1) + G_Fn_Section(0, 2, i_Walls, 1) + G_Fn_Point(1, "0.0", "0.0") +
           G_Fn_Point(2, "1.0", "0.0") + i_Walls_And_Frame + G_Fn_Block(8, 0, 0);
}

INSTANTIATE_TEST_SUITE_P(
    All, C_Proj_BEA_Refusal,
    ::testing::Values(
        // An element on a node that has no line: never wired to another node.
        C_Refusal_Case{"unknown_node", G_Front + G_Fn_Block(8, 1, 0) + G_Fn_Element(1, 1, 1, 7, 1, 1), 0,
                       L"Line: 10, Error: Node 7 has no node line."},
        C_Refusal_Case{"unknown_point", G_Fn_One_Section("  1  1  2  3  1\n" + G_Identity, 1), 0,
                       L"Line: 13, Error: Point 3 has no point line."},
        C_Refusal_Case{"unknown_weld_point", G_Front + G_Fn_Block(2, 0, 1) + G_Fn_Section(1, 1, 0, 1) +
                                                 G_Fn_Point(1, "0.0", "0.0") + "  1  1  9  0\n" + G_Identity +
                                                 G_Fn_Block(8, 0, 0),
                       0, L"Line: 12, Error: Point 9 has no point line."},
        C_Refusal_Case{"unknown_property", G_Fn_One_Section("  1  1  2  4\n" + G_Identity, 1), 0,
                       L"Line: 13, Error: Property card 4 does not exist."},
        C_Refusal_Case{"singular_frame", G_Fn_One_Section(R("1.0", 10) + R("2.0", 10) + R("0.0", 10) + "\n" + R("2.0", 10) +
                                                              R("4.0", 10) + R("0.0", 10) + "\n" + R("0.0", 10) + R("0.0", 10) +
                                                              R("1.0", 10) + "\n",
                                                          0),
                       0, L"Line: 15, Error: Singular frame matrix."},
        // Counts that cannot be: negative, or more lines than the file has left.
        C_Refusal_Case{"negative_nodes", G_Fn_Header(-1, 0, 0, 0, 0), -1, L"Line: 3, Error: Invalid count."},
        C_Refusal_Case{"too_many_nodes", G_Fn_Header(99999, 0, 0, 0, 0) + G_Fn_Node(1, "0", "0", "0"), -1,
                       L"Line: 3, Error: Invalid count."},
        C_Refusal_Case{"negative_elements", G_Front + G_Fn_Block(8, -2, 0), -1, L"Line: 9, Error: Invalid count."},
        C_Refusal_Case{"negative_points", G_Front + G_Fn_Block(2, 0, 1) + G_Fn_Section(0, -1, 0, 1), -1,
                       L"Line: 10, Error: Invalid count."},
        C_Refusal_Case{"negative_record", G_Fn_Header(0, 1, 0, 0, 0) + R("1", 10) + R("-3", 10) + "\n", -1,
                       L"Line: 6, Error: Invalid count."},
        C_Refusal_Case{"huge_record", G_Fn_Header(0, 1, 0, 0, 0) + R("1", 10) + R("2147483647", 10) + "\n", -1,
                       L"Line: 6, Error: Invalid count."},
        // A wall line with fewer than 3 columns after its first 3.
        C_Refusal_Case{"short_wall", G_Fn_One_Section("  1  \n" + G_Identity, 1), -1, L"Line: 13, Error: Line too short."},
        C_Refusal_Case{"short_weld", G_Front + G_Fn_Block(2, 0, 1) + G_Fn_Section(1, 0, 0, 1) + "  1 \n", -1,
                       L"Line: 11, Error: Line too short."},
        // A point number below 1, and one given twice.
        C_Refusal_Case{"point_zero", G_Front + G_Fn_Block(2, 0, 1) + G_Fn_Section(0, 1, 0, 1) + G_Fn_Point(0, "0", "0"), -1,
                       L"Line: 11, Error: Invalid point number."},
        C_Refusal_Case{"point_twice", G_Front + G_Fn_Block(2, 0, 1) + G_Fn_Section(0, 2, 0, 1) + G_Fn_Point(3, "0", "0") +
                                          G_Fn_Point(3, "1", "0"),
                       -1, L"Line: 12, Error: Point defined twice."},
        // The end of the file where a line is due; comment lines count.
        C_Refusal_Case{"end_of_file", G_Fn_Header(2, 0, 0, 0, 0) + "$ one\n$ two\n" + G_Fn_Node(1, "0", "0", "0"), -1,
                       L"Line: 9, Error: Unexpected end of file."},
        C_Refusal_Case{"no_block_line", G_Front, -1, L"Line: 9, Error: Unexpected end of file."}),
    [](const auto& ro_Info) { return std::string(ro_Info.param.m_Name); });

TEST_F(C_Proj_BEA, CrLfFileReadsLikeLf)
{
    const std::string text = G_Fn_One_Section("  1  1  2  1\n" + G_Identity, 1);
    std::string crlf;
    for (char c : text)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const C_Read lf = M_Fn_Read_BEA(text), cr = M_Fn_Read_BEA(crlf);
    ASSERT_EQ(lf.m_Result, 1);
    ASSERT_EQ(cr.m_Result, 1);
    EXPECT_EQ(M_Fn_Bytes(*cr.m_up_Proj), M_Fn_Bytes(*lf.m_up_Proj));
    EXPECT_EQ(S_Fn_Lines(S_Fn_Sect(*cr.m_up_Proj, 1, 1)), (std::vector<std::array<int, 4>>{{1, 2, 1, 0}}));
}

// Two closed boxes of 2-thick walls, 100 x 50 and 60 x 40, read through the document's open: their
// areas are the wall lengths times 2, and Ixx about the centroid is, with flanges of length b at
// +-h/2 and webs of height h,
//   2 b t (h/2)^2 + 2 t h^3 / 12 + 2 b t^3 / 12
//   100 x 50: 250000 + 41666.67 + 133.33 = 291800
//   60 x 40:   96000 + 21333.33 +  80.00 = 117413.33
TEST_F(C_Proj_BEA, TwoBoxSectionsCalculate)
{
    const std::string box_1 = G_Fn_Section(0, 4, 1, 1) + G_Fn_Point(1, "0.0", "0.0") + G_Fn_Point(2, "100.0", "0.0") +
                              G_Fn_Point(3, "100.0", "50.0") + G_Fn_Point(4, "0.0", "50.0") + "  1  1  2  3  4  1  1\n" +
                              G_Identity;
    const std::string box_2 = G_Fn_Section(0, 4, 2, 2) + G_Fn_Point(5, "0.0", "0.0") + G_Fn_Point(6, "60.0", "0.0") +
                              G_Fn_Point(7, "60.0", "40.0") + G_Fn_Point(8, "0.0", "40.0") + "  1  5  6  7  1\n" +
                              "  1  7  8  5  1\n" + G_Identity;
    const std::string text = G_Fn_Header(2, 0, 1, 1, 0) + G_Fn_Node(1, "0.0", "0.0", "0.0") +
                             G_Fn_Node(2, "0.0", "0.0", "500.0") +
                             G_Fn_Material(1, "210000.0", "0.3", "235.0", "360.0", "7.85e-9", "Steel") +
                             G_Fn_Property(31, 1, "2.0", "Wall") + G_Fn_Block(2, 0, 2) + box_1 + box_2 + G_Fn_Block(8, 0, 0);
    const std::filesystem::path path = M_Fn_Path("boxes.bea");
    S_Fn_File_Put(path, text);
    C_Proj proj;
    proj.M_Fn_Tree_Add();
    ASSERT_EQ(N_Biz::N_Proj::C_Mgr_Doc::S_Fn_File_Read(proj, path.wstring()), 1);
    const struct {
        std::uint32_t m_Slot;
        float m_Area, m_Ixx;
    } expected[] = {{1, 600.0f, 291800.0f}, {2, 400.0f, 117413.33f}};
    for (const auto& e : expected) {
        C_Sect& sect = S_Fn_Sect(proj, 1, e.m_Slot);
        ASSERT_EQ(sect.M_Fn_Calc_If_Dirty(), 1) << e.m_Slot;
        const N_Biz::N_Sect::C_Result& result = *sect.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result();
        EXPECT_NEAR(result.m_Prop[0].m_Area, e.m_Area, 1e-3f * e.m_Area) << e.m_Slot;
        EXPECT_NEAR(result.m_Prop[0].m_Ixx, e.m_Ixx, 1e-4f * e.m_Ixx) << e.m_Slot;
    }
    EXPECT_TRUE(G_Fn_Near(G_Fn_Column(S_Fn_Matrix(S_Fn_Sect(proj, 1, 2)), 3), C_Vector3f(0, 0, 500), 0.0f));
}

} // namespace
