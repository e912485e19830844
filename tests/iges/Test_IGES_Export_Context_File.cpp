// The file writer: the layout of a written file, its refusals, and files that read back and write
// again byte for byte.
#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"
#include "biz/iges/Biz_IGES_Entity_102_Curve_Composite.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_124_Matrix.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"
#include "biz/iges/Biz_IGES_Entity_314_Color.h"
#include "biz/iges/Biz_IGES_Export_Context_File.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"
#include "tests/iges/Test_IGES_Support.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <functional>

using namespace N_Biz::N_IGES;
using N_Common::N_Exception::C_Exception;
using namespace N_Test_IGES;
using C_Writer = N_Biz::N_IGES::N_Export::C_Context_File;
using C_Reader = N_Biz::N_IGES::N_Import::C_Context_File;

namespace {

// The global section of a default record, as written (two lines).
const std::string S_G1 = G_Fn_Line("1H,,1H;,,,,,0,0,0,0,0,,1.000000,1,6HInches,1,0.000000,,0.000000,", 'G', 1);
const std::string S_G2 = G_Fn_Line("0.000000,,,3,0,,;", 'G', 2);
const std::string S_S1 = G_Fn_Line("START RECORD GO HERE", 'S', 1);

// Writes the context's file into i_Dir and returns its bytes.
std::string S_Fn_Write(C_Writer& io_Writer)
{
    EXPECT_EQ(io_Writer.M_Fn_Export(), 1);
    return G_Fn_Read_File(N_Common::N_String::G_Fn_To_Narrow_UTF8(io_Writer.m_Path));
}

// A table holding every type: a named colour, a matrix, an arc placed by it, a composite of two
// lines and an arc, a spline, and directory fields of every kind.
void S_Fn_Fill(C_Table_Entity& io_Table)
{
    auto color = std::make_shared<C_Entity_314_Color>();
    color->m_Color[0] = 1.0f;
    color->m_Color[1] = 0.25f;
    color->m_Name = "Wall 2.5 mm, steel; " + std::string(60, 'x'); // runs across lines, delimiters inside
    auto matrix = std::make_shared<C_Entity_124_Matrix>();
    matrix->m_Matrix(1, 1) = -1.0f;
    matrix->m_Matrix(2, 2) = -1.0f;
    matrix->m_Matrix(0, 3) = 12.5f;
    auto arc = std::make_shared<C_Entity_100_Arc_Circular>();
    arc->m_X1 = 1.0f, arc->m_X2 = 2.0f, arc->m_Y3 = 1.0f, arc->m_X3 = 1.0f;
    arc->M_Fn_Set_Matrix_Slot(2);
    arc->M_Fn_Set_Color_Slot(1);
    arc->M_Fn_Set_Subordinate(1);
    arc->M_Fn_Set_Blanked(true);
    auto line_a = std::make_shared<C_Entity_110_Line>();
    line_a->m_X2 = 2.0f;
    line_a->M_Fn_Set_Subordinate(1);
    line_a->m_Label = "first";
    line_a->m_Subscript = 3;
    auto line_b = std::make_shared<C_Entity_110_Line>();
    line_b->m_X1 = 1.0f, line_b->m_Y2 = -3.75f;
    line_b->M_Fn_Set_Subordinate(3);
    line_b->m_Line_Weight = 2;
    line_b->m_Form = 1;
    line_b->m_Level = 4;
    line_b->M_Fn_Flag_Set(C_Entity::E_Flag_Pointer_Level, true);
    auto composite = std::make_shared<C_Entity_102_Curve_Composite>();
    composite->m_Members = {4, 3, 5};
    composite->M_Fn_Set_Color_Number(2);
    composite->M_Fn_Set_Hierarchy(1);
    composite->m_Label = "Curve 7";
    auto spline = std::make_shared<C_Entity_126_Curve_B_Spline_Rational>();
    spline->m_Planar = 1;
    spline->m_Degree = 2;
    spline->m_Count_Ctrl = 4;
    spline->m_Count_Knot = 7;
    spline->m_Knots = {0, 0, 0, 0.5f, 1, 1, 1};
    spline->m_Weights = {1, 0.75f, 0.75f, 1};
    spline->m_Ctrl_Points = {C_Vector3_f(0, 0, 0), C_Vector3_f(1, 2, 0), C_Vector3_f(3, 2, 0), C_Vector3_f(4, 0, 0)};
    spline->m_V1 = 1.0f;
    spline->m_Normal = C_Vector3_f(0, 0, 1);
    spline->M_Fn_Set_Color_Slot(1);
    const std::shared_ptr<C_Entity> all[] = {color, matrix, arc, line_a, line_b, composite, spline};
    for (std::uint32_t k = 1; k <= 7; ++k) {
        all[k - 1]->m_Id = std::int32_t(k);
        io_Table.add_at(k, all[k - 1]);
    }
}

// Reads a written text back and gives every entity its slot as id, ready to be written again.
void S_Fn_Read_Back(C_Reader& io_Reader, const std::string& i_Text)
{
    G_Fn_Read_Text(io_Reader, i_Text);
    for (std::uint32_t k = 1; k < io_Reader.m_Table.size(); ++k)
        if (io_Reader.m_Table.is_used_at(k))
            io_Reader.m_Table.at(k)->m_Id = std::int32_t(k);
}

} // namespace

TEST(C_Context_File_Export, EmptyTableWritesStartGlobalAndTerminate)
{
    C_Test_App t;
    C_Temp_Dir dir;
    C_Writer w(G_Fn_Wide(dir.path("empty.igs").string()), L"empty.igs");
    w.m_sp_Global = std::make_shared<C_Global>();
    const std::string text = S_Fn_Write(w);
    const std::string t_line = G_Fn_Line("S      1G      2D      0P      0", 'T', 1);
    EXPECT_EQ(text, S_S1 + "\n" + S_G1 + "\n" + S_G2 + "\n" + t_line + "\n");
    // Sequence numbers are blank-filled.
    EXPECT_EQ(S_G1.substr(72), "G      1");
    const auto texts = t.port().M_Fn_Texts(L"box");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], L"File writing...");
    EXPECT_EQ(texts[1], L"Path: " + w.m_Path);
    EXPECT_EQ(texts[2], L"======== Finished ========");
}

TEST(C_Context_File_Export, OneLineFileColumnByColumn)
{
    C_Test_App t;
    C_Temp_Dir dir;
    C_Writer w(G_Fn_Wide(dir.path("line.igs").string()), L"line.igs");
    w.m_sp_Global = std::make_shared<C_Global>();
    auto line = std::make_shared<C_Entity_110_Line>();
    line->m_X1 = 1, line->m_Y1 = 2, line->m_Z1 = 3, line->m_X2 = 4, line->m_Y2 = 5, line->m_Z2 = 6;
    line->m_Id = 1;
    w.m_Table.add_at(1, line);
    const std::string expected =
        S_S1 + "\n" + S_G1 + "\n" + S_G2 + "\n" +
        "     110       1       0       0       0       0       0       000000000D      1\n"
        "     110       0       0       1       0                               0D      2\n"
        "110,1.000000,2.000000,3.000000,4.000000,5.000000,6.000000,0,0;         1P      1\n"
        "S      1G      2D      2P      1                                        T      1\n";
    EXPECT_EQ(S_Fn_Write(w), expected);
    EXPECT_EQ(w.m_Delimiter_Param, ',');
    EXPECT_EQ(w.m_Delimiter_Record, ';');
}

TEST(C_Context_File_Export, RefusesTablesWhosePointersWouldBeWrong)
{
    C_Test_App t;
    C_Temp_Dir dir;
    const std::string path = dir.path("refused.igs").string();
    auto refused = [&](const std::function<void(C_Writer&)>& i_Setup) {
        C_Writer w(G_Fn_Wide(path), L"refused.igs");
        w.m_sp_Global = std::make_shared<C_Global>();
        i_Setup(w);
        EXPECT_THROW(w.M_Fn_Export(), C_Exception);
        EXPECT_FALSE(std::filesystem::exists(path)); // nothing written
    };
    auto line = [](std::int32_t i_Id) {
        auto e = std::make_shared<C_Entity_110_Line>();
        e->m_Id = i_Id;
        return e;
    };
    // A free slot before an occupied one.
    refused([&](C_Writer& w) { w.m_Table.add_at(2, line(2)); });
    // An id that differs from its slot.
    refused([&](C_Writer& w) { w.m_Table.add_at(1, line(2)); });
    refused([&](C_Writer& w) { w.m_Table.add_at(1, line(0)); });
    // An occupied slot without an entity.
    refused([&](C_Writer& w) {
        w.m_Table.add_at(1, line(1));
        w.m_Table.add_at(2, nullptr);
    });
    // References to nothing, or to an entity of the wrong type.
    refused([&](C_Writer& w) {
        auto e = line(1);
        e->M_Fn_Set_Color_Slot(2);
        w.m_Table.add_at(1, e);
    });
    refused([&](C_Writer& w) {
        auto e = line(1);
        e->M_Fn_Set_Matrix_Slot(2);
        w.m_Table.add_at(1, e);
        w.m_Table.add_at(2, line(2));
    });
    refused([&](C_Writer& w) {
        auto c = std::make_shared<C_Entity_102_Curve_Composite>();
        c->m_Id = 1;
        c->m_Members = {2, 3};
        w.m_Table.add_at(1, c);
        w.m_Table.add_at(2, line(2));
    });
    refused([&](C_Writer& w) {
        auto e = line(1);
        e->m_View = 9;
        e->M_Fn_Flag_Set(C_Entity::E_Flag_Pointer_View, true);
        w.m_Table.add_at(1, e);
    });
    // No global record, and delimiters the reader could not tell from data.
    refused([&](C_Writer& w) { w.m_sp_Global.reset(); });
    refused([&](C_Writer& w) { w.m_sp_Global->m_Delimiter_Record = ','; });
    refused([&](C_Writer& w) { w.m_sp_Global->m_Delimiter_Param = '1'; });
    refused([&](C_Writer& w) { w.m_sp_Global->m_Delimiter_Param = ' '; });
    refused([&](C_Writer& w) { w.m_sp_Global->m_Delimiter_Record = 'H'; });
    refused([&](C_Writer& w) { w.m_sp_Global->m_Delimiter_Record = '.'; });
    // An entity that cannot write its parameters.
    refused([&](C_Writer& w) {
        auto s = std::make_shared<C_Entity_126_Curve_B_Spline_Rational>();
        s->m_Id = 1;
        w.m_Table.add_at(1, s);
    });
}

TEST(C_Context_File_Export, FreeSlotsAfterTheLastEntityArePassedOver)
{
    C_Test_App t;
    C_Temp_Dir dir;
    C_Writer w(G_Fn_Wide(dir.path("trailing.igs").string()), L"trailing.igs");
    w.m_sp_Global = std::make_shared<C_Global>();
    auto line = std::make_shared<C_Entity_110_Line>();
    line->m_Id = 1;
    w.m_Table.add_at(1, line);
    w.m_Table.add_at(3, std::make_shared<C_Entity_110_Line>());
    w.m_Table.erase_at(3);
    const std::string text = S_Fn_Write(w);
    EXPECT_EQ(w.m_Lines_D.size(), 2u);
    EXPECT_NE(text.find("D      2P      1"), std::string::npos);
}

TEST(C_Context_File_Export, UnopenableFileReturnsZero)
{
    C_Test_App t;
    C_Temp_Dir dir;
    C_Writer w(G_Fn_Wide(dir.path("no/such/dir/x.igs").string()), L"x.igs");
    w.m_sp_Global = std::make_shared<C_Global>();
    EXPECT_EQ(w.M_Fn_Export(), 0);
    const auto texts = t.port().M_Fn_Texts(L"box");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2], L"Error: Failed to open file.");
}

TEST(C_Context_File_Export, WrittenReadAndWrittenAgainIsIdentical)
{
    C_Test_App t;
    C_Temp_Dir dir;
    C_Writer first(G_Fn_Wide(dir.path("a.igs").string()), L"a.igs");
    first.m_sp_Global = std::make_shared<C_Global>();
    first.m_sp_Global->m_Name_File = "a.igs";
    first.m_sp_Global->m_Product_Id_Sender = "Section 1-2 with a name long enough to run across the G lines";
    first.m_sp_Global->m_Resolution_Min = 0.001f;
    S_Fn_Fill(first.m_Table);
    const std::string text_a = S_Fn_Write(first);
    // Every line is 80 columns.
    std::size_t start = 0;
    for (std::size_t end = text_a.find('\n'); end != std::string::npos; end = text_a.find('\n', start)) {
        EXPECT_EQ(end - start, 80u);
        start = end + 1;
    }
    EXPECT_EQ(start, text_a.size());
    // Writing the same table again gives the same bytes.
    EXPECT_EQ(S_Fn_Write(first), text_a);

    C_Reader reader(L"", L"");
    S_Fn_Read_Back(reader, text_a);
    ASSERT_EQ(reader.m_Table.size(), 8u);
    const auto& color = dynamic_cast<const C_Entity_314_Color&>(*reader.m_Table.at(1));
    EXPECT_EQ(color.m_Name, "Wall 2.5 mm, steel; " + std::string(60, 'x'));
    const auto& composite = dynamic_cast<const C_Entity_102_Curve_Composite&>(*reader.m_Table.at(6));
    EXPECT_EQ(composite.m_Members, (std::vector<std::int32_t>{4, 3, 5}));
    EXPECT_EQ(composite.m_Label, "Curve");
    EXPECT_EQ(composite.M_Fn_Get_Hierarchy(), 1u);
    const auto& arc = *reader.m_Table.at(3);
    EXPECT_TRUE(arc.M_Fn_If_Matrix());
    EXPECT_EQ(arc.m_Matrix, 2);
    EXPECT_TRUE(arc.M_Fn_If_Color_Pointer());
    EXPECT_EQ(arc.m_Color, 1);
    EXPECT_TRUE(arc.M_Fn_If_Blanked());
    const auto& line_b = *reader.m_Table.at(5);
    EXPECT_EQ(line_b.M_Fn_Get_Subordinate(), 3u);
    EXPECT_TRUE(line_b.M_Fn_Flag_Get(C_Entity::E_Flag_Pointer_Level));
    EXPECT_EQ(line_b.m_Level, 4);
    EXPECT_EQ(reader.m_Table.at(4)->m_Subscript, 3);

    C_Writer second(G_Fn_Wide(dir.path("b.igs").string()), L"b.igs");
    second.m_sp_Global = reader.m_sp_Global;
    second.m_Table = reader.m_Table;
    const std::string text_b = S_Fn_Write(second);
    // The composite's label "Curve 7" was read as its first word; otherwise the file is the same.
    std::string expected_b = text_a;
    const std::size_t label = expected_b.find("Curve 7 ");
    ASSERT_NE(label, std::string::npos);
    expected_b.replace(label, 8, "Curve   ");
    EXPECT_EQ(text_b, expected_b);

    C_Reader reader_b(L"", L"");
    S_Fn_Read_Back(reader_b, text_b);
    C_Writer third(G_Fn_Wide(dir.path("c.igs").string()), L"c.igs");
    third.m_sp_Global = reader_b.m_sp_Global;
    third.m_Table = reader_b.m_Table;
    EXPECT_EQ(S_Fn_Write(third), text_b);
}

TEST(C_Context_File_Export, TubesSplinedWrittenReadAndWrittenAgainIsIdentical)
{
    C_Test_App t;
    C_Temp_Dir dir;
    C_Reader original(G_Fn_Wide(G_Fn_Testdata("tubes_splined.iges")), L"tubes_splined.iges");
    ASSERT_EQ(original.M_Fn_Import(), 1);
    for (std::uint32_t k = 1; k < original.m_Table.size(); ++k)
        original.m_Table.at(k)->m_Id = std::int32_t(k);
    C_Writer first(G_Fn_Wide(dir.path("tubes_a.igs").string()), L"tubes_a.igs");
    first.m_sp_Global = original.m_sp_Global;
    first.m_Table = original.m_Table;
    const std::string text_a = S_Fn_Write(first);
    EXPECT_NE(text_a.find("27HBy Siemens PLM IncoG      1\nrporated,"), std::string::npos); // runs on
    EXPECT_NE(text_a.find("102,4,5,7,9,11,0,0;"), std::string::npos);

    C_Reader reader(L"", L"");
    S_Fn_Read_Back(reader, text_a);
    EXPECT_EQ(reader.m_Table.size(), original.m_Table.size());
    C_Writer second(G_Fn_Wide(dir.path("tubes_b.igs").string()), L"tubes_b.igs");
    second.m_sp_Global = reader.m_sp_Global;
    second.m_Table = reader.m_Table;
    EXPECT_EQ(S_Fn_Write(second), text_a);
}
