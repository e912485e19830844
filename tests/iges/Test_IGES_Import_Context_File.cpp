// The file reader: sections, global record and entity table; its refusals; the test files.
#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"
#include "biz/iges/Biz_IGES_Entity_102_Curve_Composite.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_124_Matrix.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "common/Common_Exception.h"
#include "tests/iges/Test_IGES_Support.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace N_Biz::N_IGES;
using N_Biz::N_IGES::N_Import::C_Context_File;
using N_Common::N_Exception::C_Exception;
using namespace N_Test_IGES;

namespace {

const std::string S_Global_Text = "1H,,1H;,4HTest,8Htest.igs,6HNative,3HPre,32,38,6,308,15,4HRecv,1.,2,2HMM,1,1.,"
                                  "15H20240101.000000,0.001,100.,1HA,1HO,11,0,15H20240101.000000;";

// A hand-made file: a line placed by a matrix (T1 = 5) and the matrix, in lines of 80 columns.
struct C_File {
    std::vector<std::string> s = {G_Fn_Line("Hand-made test file", 'S', 1)};
    std::vector<std::string> g = G_Fn_Lines(S_Global_Text, 'G');
    std::vector<std::string> d = {
        G_Fn_Line(G_Fn_Field(110) + G_Fn_Field(1) + std::string(32, ' ') + G_Fn_Field(3) + G_Fn_Field(0) + "00000000",
                  'D', 1),
        G_Fn_Line(G_Fn_Field(110) + G_Fn_Field(0) + G_Fn_Field(0) + G_Fn_Field(1) + G_Fn_Field(0) +
                      std::string(16, ' ') + "L1      " + G_Fn_Field(0),
                  'D', 2),
        G_Fn_Line(G_Fn_Field(124) + G_Fn_Field(2) + std::string(48, ' ') + "01020200", 'D', 3),
        G_Fn_Line(G_Fn_Field(124) + G_Fn_Field(0) + G_Fn_Field(0) + G_Fn_Field(1) + G_Fn_Field(0) +
                      std::string(32, ' ') + G_Fn_Field(0),
                  'D', 4)};
    std::vector<std::string> p = {G_Fn_Line(S_P("110,0.,0.,0.,1.,0.,0.;", 1), 'P', 1),
                                  G_Fn_Line(S_P("124,1.,0.,0.,5.,0.,1.,0.,0.,0.,0.,1.,0.;", 3), 'P', 2)};
    std::vector<std::string> t = {G_Fn_Line("S      1G      3D      4P      2", 'T', 1)};

    static std::string S_P(const std::string& i_Data, int i_Back)
    {
        std::string line = i_Data;
        line.resize(64, ' ');
        char back[16];
        std::snprintf(back, sizeof(back), " %7d", i_Back);
        return line + back;
    }
    std::vector<std::string> all() const
    {
        std::vector<std::string> lines;
        for (const auto* section : {&s, &g, &d, &p, &t})
            lines.insert(lines.end(), section->begin(), section->end());
        return lines;
    }
    std::string text(const char* i_End = "\n") const { return G_Fn_Join(all(), i_End); }
};

void S_Expect_Hand_Made(const C_Context_File& c)
{
    EXPECT_EQ(c.m_Lines_S.size(), 2u);
    EXPECT_EQ(c.m_Lines_G.size(), 3u);
    EXPECT_EQ(c.m_Lines_D.size(), 5u);
    EXPECT_EQ(c.m_Lines_P.size(), 3u);
    EXPECT_EQ(c.m_Lines_T.size(), 2u);
    EXPECT_EQ(c.m_Lines_S[0], "");
    EXPECT_EQ(c.m_Lines_S[1].size(), 72u);
    EXPECT_EQ(c.m_Text_Global.size(), 144u);
    EXPECT_EQ(c.m_Delimiter_Param, ',');
    EXPECT_EQ(c.m_Delimiter_Record, ';');
    ASSERT_TRUE(c.m_sp_Global);
    EXPECT_EQ(c.m_sp_Global->m_Product_Id_Sender, "Test");
    EXPECT_EQ(c.m_sp_Global->m_Units_Name, "MM");
    EXPECT_EQ(c.m_sp_Global->m_Date_Modification, "20240101.000000");
    ASSERT_EQ(c.m_Table.size(), 3u);
    EXPECT_FALSE(c.m_Table.is_used_at(0));
    auto* line = dynamic_cast<C_Entity_110_Line*>(c.m_Table.at(1).get());
    auto* matrix = dynamic_cast<C_Entity_124_Matrix*>(c.m_Table.at(2).get());
    ASSERT_NE(line, nullptr);
    ASSERT_NE(matrix, nullptr);
    EXPECT_EQ(line->m_Label, "L1");
    EXPECT_EQ(line->m_X2, 1.0f);
    EXPECT_TRUE(line->M_Fn_If_Matrix());
    EXPECT_EQ(line->m_Matrix, 2);
    EXPECT_TRUE(matrix->M_Fn_If_Blanked());
    EXPECT_EQ(matrix->M_Fn_Get_Subordinate(), 2u);
    EXPECT_EQ(matrix->M_Fn_Get_Entity_Use(), 2u);
    std::vector<C_Vector3_f> points;
    line->M_Fn_Get_list_o_Vector3_f_Transformed(points, c.m_Table);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x, 5.0f);
    EXPECT_EQ(points[1].x, 6.0f);
}

// Reads a text and returns the exception it throws (its function name), or "" when it reads.
std::string S_Fn_Refusal(const std::string& i_Text)
{
    C_Context_File c(L"", L"");
    try {
        G_Fn_Read_Text(c, i_Text);
    } catch (const C_Exception& e) {
        return e.M_Fn_Function();
    }
    return "";
}

const std::string S_Fn_Import_File = "N_Biz::N_IGES::N_Import::C_Context_File::M_Fn_Import_File";
const std::string S_Fn_Import_Global = "N_Biz::N_IGES::N_Import::C_Context_File::M_Fn_Import_Section_Global";

} // namespace

TEST(C_Context_File_Import, ReadsAHandMadeFile)
{
    C_File f;
    C_Context_File c(L"", L"");
    G_Fn_Read_Text(c, f.text());
    S_Expect_Hand_Made(c);
}

TEST(C_Context_File_Import, LineEnds)
{
    C_File f;
    {
        C_Context_File c(L"", L"");
        G_Fn_Read_Text(c, f.text("\r\n")); // CR LF
        S_Expect_Hand_Made(c);
    }
    {
        std::string text = f.text();
        text.pop_back(); // the last line has no line end
        C_Context_File c(L"", L"");
        G_Fn_Read_Text(c, text);
        S_Expect_Hand_Made(c);
    }
    {
        // Columns after 80 are ignored.
        C_Context_File c(L"", L"");
        G_Fn_Read_Text(c, f.text("XY\n"));
        S_Expect_Hand_Made(c);
    }
}

TEST(C_Context_File_Import, RefusesMalformedLines)
{
    C_File f;
    // A line of 79 columns.
    C_File short_line = f;
    short_line.g[1].pop_back();
    EXPECT_EQ(S_Fn_Refusal(short_line.text()), S_Fn_Import_File);
    // A CR does not count as a column.
    EXPECT_EQ(S_Fn_Refusal(short_line.text("\r\n")), S_Fn_Import_File);
    // A blank line between sections.
    C_File blank = f;
    blank.g.back() += "\n";
    EXPECT_EQ(S_Fn_Refusal(blank.text()), S_Fn_Import_File);
    // Section letters other than S, G, D, P, T.
    C_File letter = f;
    letter.d[2][72] = 'X';
    EXPECT_EQ(S_Fn_Refusal(letter.text()), S_Fn_Import_File);
    letter = f;
    letter.g[0][72] = 'g';
    EXPECT_EQ(S_Fn_Refusal(letter.text()), S_Fn_Import_File);
    // A G line numbered 2 as the first G line.
    C_File gap = f;
    gap.g[0] = G_Fn_Line(gap.g[0].substr(0, 72), 'G', 2);
    EXPECT_EQ(S_Fn_Refusal(gap.text()), S_Fn_Import_File);
    // A gap inside the P section.
    gap = f;
    gap.p[1] = G_Fn_Line(gap.p[1].substr(0, 72), 'P', 3);
    EXPECT_EQ(S_Fn_Refusal(gap.text()), S_Fn_Import_File);
    // A sequence field that is no number.
    gap = f;
    gap.s[0].replace(73, 7, "  1a   ");
    EXPECT_EQ(S_Fn_Refusal(gap.text()), S_Fn_Import_File);
    // A binary zero and a huge line are just columns.
    C_File odd = f;
    odd.s[0][3] = '\0';
    EXPECT_EQ(S_Fn_Refusal(odd.text()), "");
}

TEST(C_Context_File_Import, SequenceNumbersBlankOrZeroFilled)
{
    C_File f;
    for (auto* section : {&f.s, &f.g, &f.d, &f.p, &f.t})
        for (std::size_t i = 0; i < section->size(); ++i) {
            char number[32];
            std::snprintf(number, sizeof(number), "%07zu", i + 1);
            (*section)[i].replace(73, 7, number);
        }
    C_Context_File c(L"", L"");
    G_Fn_Read_Text(c, f.text());
    S_Expect_Hand_Made(c);
}

TEST(C_Context_File_Import, SectionsMayInterleave)
{
    C_File f;
    std::vector<std::string> lines = {f.g[0], f.s[0], f.d[0], f.d[1], f.g[1], f.p[0], f.d[2], f.d[3], f.p[1], f.t[0]};
    C_Context_File c(L"", L"");
    G_Fn_Read_Text(c, G_Fn_Join(lines));
    S_Expect_Hand_Made(c);
}

TEST(C_Context_File_Import, RefusesDefaultedDelimiters)
{
    C_File f;
    f.g = G_Fn_Lines(",,4HTest;", 'G');
    EXPECT_EQ(S_Fn_Refusal(f.text()), S_Fn_Import_Global);
    f.g = G_Fn_Lines("2H,,,1H;,;", 'G'); // not one character
    EXPECT_EQ(S_Fn_Refusal(f.text()), S_Fn_Import_Global);
    f.g = G_Fn_Lines("1H,,,;", 'G');
    EXPECT_EQ(S_Fn_Refusal(f.text()), S_Fn_Import_Global);
    f.g.clear(); // no global section at all
    EXPECT_NE(S_Fn_Refusal(f.text()), "");
    // A record delimiter of its own is read.
    f.g = G_Fn_Lines("1H,,1H#,4HTest" + std::string(12, ',') + "2HCM#", 'G');
    f.p = {G_Fn_Line(C_File::S_P("110,0.,0.,0.,1.,0.,0.#", 1), 'P', 1),
           G_Fn_Line(C_File::S_P("124,1.,0.,0.,5.,0.,1.,0.,0.,0.,0.,1.,0.#", 3), 'P', 2)};
    C_Context_File c(L"", L"");
    G_Fn_Read_Text(c, f.text());
    EXPECT_EQ(c.m_Delimiter_Record, '#');
    EXPECT_EQ(c.m_sp_Global->m_Units_Name, "CM");
    EXPECT_EQ(c.m_Table.size(), 3u);
}

TEST(C_Context_File_Import, RefusesUnsupportedTypes)
{
    C_File f;
    f.d[2].replace(0, 8, G_Fn_Field(402));
    f.d[3].replace(0, 8, G_Fn_Field(402));
    f.p[1] = G_Fn_Line(C_File::S_P("402,1,1;", 3), 'P', 2);
    EXPECT_EQ(S_Fn_Refusal(f.text()), "N_Biz::N_IGES::C_Entity::M_Fn_Import");
}

TEST(C_Context_File_Import, RefusesDirectoryWithoutParameters)
{
    C_File f;
    f.p.clear();
    EXPECT_EQ(S_Fn_Refusal(f.text()), "N_Biz::N_IGES::C_Entity::M_Fn_Import");
}

TEST(C_Context_File_Import, NoDirectoryGivesAnEmptyTable)
{
    C_File f;
    f.d.clear();
    f.p.clear();
    C_Context_File c(L"", L"");
    G_Fn_Read_Text(c, f.text());
    EXPECT_EQ(c.m_Table.size(), 0u);
    ASSERT_TRUE(c.m_sp_Global);
    EXPECT_EQ(c.m_sp_Global->m_Name_File, "test.igs");
    // A single D line (an odd last line) is passed over.
    f.d = {C_File().d[0]};
    C_Context_File odd(L"", L"");
    G_Fn_Read_Text(odd, f.text());
    EXPECT_EQ(odd.m_Table.size(), 0u);
}

TEST(C_Context_File_Import, StartSectionIsNotInterpreted)
{
    C_File f;
    f.s = {G_Fn_Line("1H,,;;;,,'\"\xC3\xA4\t any text at all", 'S', 1), G_Fn_Line("", 'S', 2)};
    C_Context_File c(L"", L"");
    G_Fn_Read_Text(c, f.text());
    EXPECT_EQ(c.m_Lines_S.size(), 3u);
    EXPECT_EQ(c.m_Table.size(), 3u);
}

TEST(C_Context_File_Import, ExceptionNamesThisSourceFile)
{
    C_File f;
    f.g[0].pop_back();
    C_Context_File c(L"", L"");
    try {
        G_Fn_Read_Text(c, f.text());
        FAIL() << "no exception";
    } catch (const C_Exception& e) {
        EXPECT_STREQ(C_Exception::S_Fn_File_Name(e.M_Fn_File()), "Biz_IGES_Import_Context_File.cpp");
        EXPECT_GT(e.M_Fn_Line(), 0);
        EXPECT_NE(std::strstr(e.what(), "Function: N_Biz::N_IGES::N_Import::C_Context_File::M_Fn_Import_File"),
                  nullptr);
    }
}

TEST(C_Context_File_Import, ImportShowsItsMessages)
{
    C_Test_App t;
    C_Temp_Dir dir;
    const std::string path = dir.write("hand.igs", C_File().text());
    C_Context_File c(G_Fn_Wide(path), L"hand.igs");
    EXPECT_EQ(c.M_Fn_Import(), 1);
    S_Expect_Hand_Made(c);
    const auto texts = t.port().M_Fn_Texts(L"box");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], L"File reading...");
    EXPECT_EQ(texts[1], L"Path: " + G_Fn_Wide(path));
    EXPECT_EQ(texts[2], L"======== Finished ========");
}

TEST(C_Context_File_Import, MissingFileReturnsZero)
{
    C_Test_App t;
    C_Temp_Dir dir;
    C_Context_File c(G_Fn_Wide(dir.path("missing.igs").string()), L"missing.igs");
    EXPECT_EQ(c.M_Fn_Import(), 0);
    const auto texts = t.port().M_Fn_Texts(L"box");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[2], L"Error: Failed to open file.");
    EXPECT_FALSE(c.m_sp_Global);
}

// ---------- files written by other systems ----------

TEST(C_Context_File_Import, TubesSplinedReadsWithEveryEntity)
{
    C_Test_App t;
    C_Context_File c(G_Fn_Wide(G_Fn_Testdata("tubes_splined.iges")), L"tubes_splined.iges");
    ASSERT_EQ(c.M_Fn_Import(), 1);
    // The T line's counts: S 2, G 4, D 24, P 14.
    EXPECT_EQ(c.m_Lines_S.size() - 1, 2u);
    EXPECT_EQ(c.m_Lines_G.size() - 1, 4u);
    EXPECT_EQ(c.m_Lines_D.size() - 1, 24u);
    EXPECT_EQ(c.m_Lines_P.size() - 1, 14u);
    EXPECT_EQ(c.m_Lines_T.size() - 1, 1u);

    const C_Global& g = *c.m_sp_Global;
    EXPECT_EQ(g.m_Product_Id_Sender, "Noname");
    EXPECT_EQ(g.m_Name_File, "5fce28a6e311ad11ee34af65.iges");
    EXPECT_EQ(g.m_System_Id_Native, "By Siemens PLM Incorporated"); // runs across two G lines
    EXPECT_EQ(g.m_Version_Preprocessor, "XPlus GENERIC/IGES 23.1.110");
    EXPECT_EQ(g.m_Bits_Integer, 32);
    EXPECT_EQ(g.m_Single_Power_Max, 38);
    EXPECT_EQ(g.m_Single_Digits, 6);
    EXPECT_EQ(g.m_Double_Power_Max, 308);
    EXPECT_EQ(g.m_Double_Digits, 15);
    EXPECT_EQ(g.m_Product_Id_Receiver, "Noname");
    EXPECT_EQ(g.m_Scale_Model_Space, 1.0f);
    EXPECT_EQ(g.m_Units_Flag, 6);
    EXPECT_EQ(g.m_Units_Name, "M");
    EXPECT_EQ(g.m_Line_Weight_Gradations_Max, 1);
    EXPECT_EQ(g.m_Width_Line_Weight_Max, 1.0f);
    EXPECT_EQ(g.m_Date_Generation, "20201207.130542");
    EXPECT_EQ(g.m_Resolution_Min, 1.0e-8f);
    EXPECT_EQ(g.m_Coord_Max, 0.0f);
    EXPECT_EQ(g.m_Author, "Noname");
    EXPECT_EQ(g.m_Organization, "Noname");
    EXPECT_EQ(g.m_Version_Flag, 11);
    EXPECT_EQ(g.m_Drafting_Standard_Flag, 0);
    EXPECT_EQ(g.m_Date_Modification, "20201207.130542");
    EXPECT_EQ(g.m_Application_Protocol, "");

    // Twelve directory entries, in this order of types.
    const int types[] = {126, 110, 110, 110, 110, 110, 102, 110, 124, 100, 110, 102};
    ASSERT_EQ(c.m_Table.size(), 13u);
    for (std::uint32_t k = 1; k <= 12; ++k) {
        ASSERT_TRUE(c.m_Table.is_used_at(k));
        EXPECT_EQ(c.m_Table.at(k)->M_Fn_Get_Type(), types[k - 1]) << k;
        EXPECT_EQ(c.m_Table.at(k)->m_Color, 0);
        EXPECT_EQ(c.m_Table.at(k)->m_Line_Weight, 1);
        EXPECT_EQ(c.m_Table.at(k)->M_Fn_Get_Hierarchy(), 1u);
    }
    // Status 00000001: the spline, the first line and the composites are independent; 00010001:
    // the members and the matrix depend on others.
    for (std::uint32_t k : {1u, 2u, 7u, 12u})
        EXPECT_TRUE(c.m_Table.at(k)->M_Fn_If_Independent()) << k;
    for (std::uint32_t k : {3u, 4u, 5u, 6u, 8u, 9u, 10u, 11u})
        EXPECT_TRUE(c.m_Table.at(k)->M_Fn_If_Physically_Dependent()) << k;

    const auto& spline = dynamic_cast<const C_Entity_126_Curve_B_Spline_Rational&>(*c.m_Table.at(1));
    EXPECT_EQ(spline.m_Degree, 3);
    EXPECT_EQ(spline.m_Count_Ctrl, 4);
    EXPECT_EQ(spline.m_Knots, (std::vector<float>{0, 0, 0, 0, 1, 1, 1, 1}));
    EXPECT_EQ(spline.m_Polynomial, 1);
    EXPECT_EQ(spline.m_Ctrl_Points[1].x, 0.21345400159786f);
    EXPECT_EQ(spline.m_Ctrl_Points[2].x, 0.06105400159786f);
    EXPECT_EQ(spline.m_Ctrl_Points[3].y, 0.1016f);
    EXPECT_EQ(spline.m_V1, 1.0f);

    const auto& line = dynamic_cast<const C_Entity_110_Line&>(*c.m_Table.at(2));
    EXPECT_TRUE(std::signbit(line.m_X1));
    EXPECT_EQ(line.m_Y1, 0.1016f);
    EXPECT_EQ(line.m_X2, 0.1524f);
    const auto& slanted = dynamic_cast<const C_Entity_110_Line&>(*c.m_Table.at(8));
    EXPECT_EQ(slanted.m_Y2, 0.0721776759771f);
    EXPECT_EQ(slanted.m_Z2, -0.05884464804581f);

    const auto& composite_2 = dynamic_cast<const C_Entity_102_Curve_Composite&>(*c.m_Table.at(7));
    EXPECT_EQ(composite_2.m_Members, (std::vector<std::int32_t>{3, 4, 5, 6})); // "102,4,5,7,9,11;"
    EXPECT_EQ(composite_2.m_Label, "Curve");
    const auto& composite_1 = dynamic_cast<const C_Entity_102_Curve_Composite&>(*c.m_Table.at(12));
    EXPECT_EQ(composite_1.m_Members, (std::vector<std::int32_t>{8, 10, 11}));

    const auto& matrix = dynamic_cast<const C_Entity_124_Matrix&>(*c.m_Table.at(9));
    EXPECT_EQ(matrix.m_Matrix(0, 2), -1.0f);
    EXPECT_EQ(matrix.m_Matrix(1, 0), -1.0f);
    EXPECT_EQ(matrix.m_Matrix(1, 3), 0.0381f);
    EXPECT_EQ(matrix.m_Matrix(2, 1), 1.0f);
    EXPECT_EQ(matrix.m_Matrix(2, 3), -0.04180581005726f);
    EXPECT_EQ(matrix.m_Matrix(3, 3), 1.0f);

    const auto& arc = dynamic_cast<const C_Entity_100_Arc_Circular&>(*c.m_Table.at(10));
    EXPECT_TRUE(arc.M_Fn_If_Matrix());
    EXPECT_EQ(arc.m_Matrix, 9);
    EXPECT_EQ(arc.m_X2, -0.0340776759771f);
    EXPECT_EQ(arc.m_Y2, -0.01703883798855f);
    EXPECT_EQ(arc.m_X3, 0.0381f);
    // The arc's start placed by the matrix: (0, -x, y) + (0, 0.0381, -0.0418...).
    C_Vector3_f start;
    arc.M_Fn_Get_o_Vector3_f_Transformed(start, c.m_Table, C_Vector3_f(arc.m_X2, arc.m_Y2, arc.m_ZT));
    EXPECT_FLOAT_EQ(start.x, 0.0f);
    EXPECT_FLOAT_EQ(start.y, 0.0340776759771f + 0.0381f);
    EXPECT_FLOAT_EQ(start.z, -0.01703883798855f - 0.04180581005726f);
    // The composite of line, arc and line is closed up end to end: the first line ends where the
    // arc starts.
    C_Vector3_f line_end;
    c.m_Table.at(8)->M_Fn_Get_o_Vector3_f_Finish(line_end, c.m_Table);
    EXPECT_NEAR(line_end.y, start.y, 1e-6);
    EXPECT_NEAR(line_end.z, start.z, 1e-6);
}

TEST(C_Context_File_Import, ChassisFailsAtItsFirstUnsupportedEntity)
{
    C_Test_App t;
    C_Context_File c(G_Fn_Wide(G_Fn_Testdata("chassis_007_simp.IGS")), L"chassis_007_simp.IGS");
    try {
        c.M_Fn_Import();
        FAIL() << "read a file with 402 entities";
    } catch (const C_Exception& e) {
        EXPECT_STREQ(e.M_Fn_Function(), "N_Biz::N_IGES::C_Entity::M_Fn_Import");
    }
    // It got as far as its global section and the four lines before the first 402 entity.
    ASSERT_TRUE(c.m_sp_Global);
    EXPECT_EQ(c.m_sp_Global->m_Name_File, "C:\\Users\\thughes\\Documents\\git\\IGES-File-Reader\\chassis_007_simp.IGS");
    EXPECT_EQ(c.m_sp_Global->m_Units_Name, "IN");
    EXPECT_EQ(c.m_Table.size(), 6u);
    EXPECT_EQ(c.m_Table.at(4)->M_Fn_Get_Type(), 110);
    EXPECT_EQ(c.m_Table.at(5)->M_Fn_Get_Type(), 0);
    EXPECT_EQ(t.port().M_Fn_Texts(L"box").size(), 2u); // no "Finished"
}

TEST(C_Context_File_Import, ExampleArcsFailsOnDefaultDelimiters)
{
    C_Test_App t;
    C_Context_File c(G_Fn_Wide(G_Fn_Testdata("example-arcs.iges")), L"example-arcs.iges");
    try {
        c.M_Fn_Import();
        FAIL() << "read a file with defaulted delimiters";
    } catch (const C_Exception& e) {
        EXPECT_EQ(std::string(e.M_Fn_Function()), S_Fn_Import_Global);
    }
    EXPECT_EQ(c.m_Lines_D.size() - 1, 12u); // its zero-filled sequence numbers read
    EXPECT_EQ(c.m_Lines_P.size() - 1, 56u);
    EXPECT_FALSE(c.m_sp_Global);
}
