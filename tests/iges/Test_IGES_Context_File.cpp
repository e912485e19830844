// The file reader and writer: sections, global record and entity table; their refusals; files that
// read back and write again byte for byte; the test files written by other systems; and a
// randomized test (fixed seeds) of mutated, truncated and hostile files, run under the sanitizers
// as part of the normal suite.
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
#include "tests/iges/Test_IGES_Exercise.h"
#include "tests/iges/Test_IGES_Support.h"
#include "tests/support/App_Port_Record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>
#include <unistd.h>

using namespace N_Biz::N_IGES;
using namespace N_Test_IGES;
using N_Common::N_Exception::C_Exception;
using C_Reader = N_Biz::N_IGES::N_Import::C_Context_File;
using C_Writer = N_Biz::N_IGES::N_Export::C_Context_File;

namespace {

std::wstring wide(const std::string& i_Text) { return std::wstring(i_Text.begin(), i_Text.end()); }

std::string join(const std::vector<std::string>& ro_Lines, const char* i_End = "\n")
{
    std::string text;
    for (const std::string& line : ro_Lines)
        text += line + i_End;
    return text;
}

// A temporary directory, removed with everything in it on destruction.
class C_Temp_Dir {
public:
    C_Temp_Dir() : m_Dir(std::filesystem::temp_directory_path() / ("vt_iges_" + std::to_string(::getpid()) + "_" +
                                                                    std::to_string(++s_Count)))
    {
        std::filesystem::create_directories(m_Dir);
    }
    ~C_Temp_Dir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_Dir, ec);
    }
    std::string path(const std::string& i_Name) const { return (m_Dir / i_Name).string(); }

private:
    static inline int s_Count = 0;
    std::filesystem::path m_Dir;
};

// Runs every reading step but the file's opening on an in-memory text (no messages).
void read_text(C_Reader& io_Reader, const std::string& i_Text)
{
    std::istringstream stream(i_Text);
    io_Reader.M_Fn_Import_Stream(stream);
    io_Reader.M_Fn_Import_Section_Global_Join();
    io_Reader.M_Fn_Import_Section_Global();
    io_Reader.M_Fn_Import_Section_Entity();
}

// The function of the C_Exception that i_Fn throws, or "" when it throws none.
template <class F>
std::string refusal_of(F i_Fn)
{
    try {
        i_Fn();
    } catch (const C_Exception& e) {
        return e.M_Fn_Function();
    }
    return "";
}

// The function of the C_Exception that reading a text throws, or "" when it reads.
std::string refusal(const std::string& i_Text)
{
    C_Reader c(L"", L"");
    return refusal_of([&] { read_text(c, i_Text); });
}

const std::string s_Fn_Import_File = "N_Biz::N_IGES::N_Import::C_Context_File::M_Fn_Import_File";
const std::string s_Fn_Import_Global = "N_Biz::N_IGES::N_Import::C_Context_File::M_Fn_Import_Section_Global";
const std::string s_Fn_Entity_Import = "N_Biz::N_IGES::C_Entity::M_Fn_Import";

// A hand-made file: a line placed by a matrix (T1 = 5) and the matrix, in lines of 80 columns.
struct C_File {
    std::vector<std::string> s = {G_Fn_Line("Hand-made test file", 'S', 1)};
    std::vector<std::string> g = G_Fn_Lines("1H,,1H;,4HTest,8Htest.igs,6HNative,3HPre,32,38,6,308,15,4HRecv,1.,2,"
                                            "2HMM,1,1.,15H20240101.000000,0.001,100.,1HA,1HO,11,0,15H20240101.000000;",
                                            'G');
    std::vector<std::string> d = {
        "     110       1                                       3       000000000D      1",
        "     110       0       0       1       0                L1             0D      2",
        "     124       2                                                01020200D      3",
        "     124       0       0       1       0                                D      4"};
    std::vector<std::string> p = {G_Fn_Line(G_Fn_P("110,0.,0.,0.,1.,0.,0.;", 1), 'P', 1),
                                  G_Fn_Line(G_Fn_P("124,1.,0.,0.,5.,0.,1.,0.,0.,0.,0.,1.,0.;", 3), 'P', 2)};
    std::vector<std::string> t = {G_Fn_Line("S      1G      3D      4P      2", 'T', 1)};

    std::string text(const char* i_End = "\n") const
    {
        std::vector<std::string> lines;
        for (const auto* section : {&s, &g, &d, &p, &t})
            lines.insert(lines.end(), section->begin(), section->end());
        return join(lines, i_End);
    }
};

void expect_hand_made(const C_Reader& c)
{
    EXPECT_EQ(c.m_Lines_S.size() * 10000 + c.m_Lines_G.size() * 1000 + c.m_Lines_D.size() * 100 +
                  c.m_Lines_P.size() * 10 + c.m_Lines_T.size(),
              23532u); // one more each: line 0 is left empty
    EXPECT_EQ(c.m_Lines_S[0], "");
    EXPECT_EQ(c.m_Lines_S[1].size(), 72u);
    EXPECT_EQ(c.m_Text_Global.size(), 144u);
    EXPECT_EQ(c.m_Delimiter_Param, ',');
    EXPECT_EQ(c.m_Delimiter_Record, ';');
    ASSERT_TRUE(c.m_sp_Global);
    EXPECT_EQ(G_Fn_Params(*c.m_sp_Global), ",;|Test|test.igs|Native|Pre|32|38|6|308|15|Recv|1|2|MM|1|1|20240101.000000|"
                                           "0.001|100|A|O|11|0|20240101.000000|");
    ASSERT_EQ(c.m_Table.size(), 3u);
    EXPECT_FALSE(c.m_Table.is_used_at(0));
    auto* line = dynamic_cast<C_Entity_110_Line*>(c.m_Table.at(1).get());
    auto* matrix = dynamic_cast<C_Entity_124_Matrix*>(c.m_Table.at(2).get());
    ASSERT_TRUE(line && matrix);
    EXPECT_EQ(line->m_Label, "L1");
    EXPECT_TRUE(line->M_Fn_If_Matrix());
    EXPECT_EQ(line->m_Matrix, 2);
    EXPECT_TRUE(matrix->M_Fn_If_Blanked());
    EXPECT_EQ(matrix->M_Fn_Get_Subordinate() * 10 + matrix->M_Fn_Get_Entity_Use(), 22u);
    std::vector<C_Vector3_f> points;
    line->M_Fn_Get_list_o_Vector3_f_Transformed(points, c.m_Table);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x, 5.0f);
    EXPECT_EQ(points[1].x, 6.0f);
}

} // namespace

// ---------- reading ----------

TEST(C_Context_File_Import, HandMadeFileReadsWithAnyLineEndSequenceFillOrSectionOrder)
{
    const C_File f;
    C_File zero_filled = f;
    for (auto* section : {&zero_filled.s, &zero_filled.g, &zero_filled.d, &zero_filled.p, &zero_filled.t})
        for (std::size_t i = 0; i < section->size(); ++i) {
            char number[32];
            std::snprintf(number, sizeof(number), "%07zu", i + 1);
            (*section)[i].replace(73, 7, number);
        }
    std::string no_last_end = f.text();
    no_last_end.pop_back();
    const std::string texts[] = {
        f.text(), f.text("\r\n"), no_last_end, f.text("XY\n"), // columns after 80 are ignored
        zero_filled.text(),
        join({f.g[0], f.s[0], f.d[0], f.d[1], f.g[1], f.p[0], f.d[2], f.d[3], f.p[1], f.t[0]})}; // interleaved
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 200));
        C_Reader c(L"", L"");
        read_text(c, text);
        expect_hand_made(c);
    }
}

TEST(C_Context_File_Import, RefusalsOfTheReader)
{
    const C_File f;
    const std::pair<std::function<void(C_File&)>, std::string> cases[] = {
        {[](C_File& c) { c.g[1].pop_back(); }, s_Fn_Import_File},          // a line of 79 columns
        {[](C_File& c) { c.g.back() += "\n"; }, s_Fn_Import_File},         // a blank line between sections
        {[](C_File& c) { c.d[2][72] = 'X'; }, s_Fn_Import_File},           // a section letter other than S G D P T
        {[](C_File& c) { c.g[0][72] = 'g'; }, s_Fn_Import_File},
        {[](C_File& c) { c.g[0] = G_Fn_Line(c.g[0].substr(0, 72), 'G', 2); }, s_Fn_Import_File}, // sequence gaps
        {[](C_File& c) { c.p[1] = G_Fn_Line(c.p[1].substr(0, 72), 'P', 3); }, s_Fn_Import_File},
        {[](C_File& c) { c.s[0].replace(73, 7, "  1a   "); }, s_Fn_Import_File}, // a sequence field that is no number
        {[](C_File& c) { c.g = G_Fn_Lines(",,4HTest;", 'G'); }, s_Fn_Import_Global}, // default delimiters
        {[](C_File& c) { c.g = G_Fn_Lines("2H,,,1H;,;", 'G'); }, s_Fn_Import_Global}, // not one character
        {[](C_File& c) { c.g = G_Fn_Lines("1H,,,;", 'G'); }, s_Fn_Import_Global},
        {[](C_File& c) {
             c.d[2].replace(0, 8, G_Fn_Field(402)); // an unsupported type
             c.d[3].replace(0, 8, G_Fn_Field(402));
             c.p[1] = G_Fn_Line(G_Fn_P("402,1,1;", 3), 'P', 2);
         },
         s_Fn_Entity_Import},
        {[](C_File& c) { c.p.clear(); }, s_Fn_Entity_Import}, // D lines without P lines
    };
    for (const auto& [change, function] : cases) {
        C_File bad = f;
        change(bad);
        EXPECT_EQ(refusal(bad.text()), function) << bad.text();
    }
    C_File short_line = f; // a CR does not count as a column
    short_line.g[1].pop_back();
    EXPECT_EQ(refusal(short_line.text("\r\n")), s_Fn_Import_File);
    C_File no_global = f;
    no_global.g.clear();
    EXPECT_NE(refusal(no_global.text()), "");
    C_File odd = f; // a binary zero is just a column
    odd.s[0][3] = '\0';
    EXPECT_EQ(refusal(odd.text()), "");
    try {
        read_text(*std::make_unique<C_Reader>(L"", L""), short_line.text());
        FAIL() << "no exception";
    } catch (const C_Exception& e) {
        EXPECT_STREQ(C_Exception::S_Fn_File_Name(e.M_Fn_File()), "Biz_IGES_Import_Context_File.cpp");
        EXPECT_GT(e.M_Fn_Line(), 0);
        EXPECT_NE(std::strstr(e.what(), ("Function: " + s_Fn_Import_File).c_str()), nullptr);
    }
}

TEST(C_Context_File_Import, OwnRecordDelimiterUninterpretedStartAndNoDirectory)
{
    C_File f;
    f.g = G_Fn_Lines("1H,,1H#,4HTest" + std::string(12, ',') + "2HCM#", 'G');
    f.p = {G_Fn_Line(G_Fn_P("110,0.,0.,0.,1.,0.,0.#", 1), 'P', 1),
           G_Fn_Line(G_Fn_P("124,1.,0.,0.,5.,0.,1.,0.,0.,0.,0.,1.,0.#", 3), 'P', 2)};
    f.s = {G_Fn_Line("1H,,;;;,,'\"\xC3\xA4\t any text at all", 'S', 1), G_Fn_Line("", 'S', 2)};
    C_Reader c(L"", L"");
    read_text(c, f.text());
    EXPECT_EQ(c.m_Delimiter_Record, '#');
    EXPECT_EQ(c.m_sp_Global->m_Units_Name, "CM");
    EXPECT_EQ(c.m_Lines_S.size(), 3u);
    EXPECT_EQ(c.m_Table.size(), 3u);

    C_File empty;
    empty.d.clear();
    empty.p.clear();
    C_Reader e(L"", L"");
    read_text(e, empty.text());
    EXPECT_EQ(e.m_Table.size(), 0u);
    ASSERT_TRUE(e.m_sp_Global);
    EXPECT_EQ(e.m_sp_Global->m_Name_File, "test.igs");
    empty.d = {C_File().d[0]}; // a single D line (an odd last line) is passed over
    C_Reader odd(L"", L"");
    read_text(odd, empty.text());
    EXPECT_EQ(odd.m_Table.size(), 0u);
}

TEST(C_Context_File_Import, ImportShowsItsMessagesAndAMissingFileReturnsZero)
{
    C_Test_App t;
    C_Temp_Dir dir;
    const std::string path = dir.path("hand.igs");
    std::ofstream(path, std::ios::binary) << C_File().text();
    C_Reader c(wide(path), L"hand.igs");
    EXPECT_EQ(c.M_Fn_Import(), 1);
    expect_hand_made(c);
    C_Reader missing(wide(dir.path("missing.igs")), L"missing.igs");
    EXPECT_EQ(missing.M_Fn_Import(), 0);
    EXPECT_FALSE(missing.m_sp_Global);
    EXPECT_EQ(t.port().M_Fn_Texts(L"box"),
              (std::vector<std::wstring>{L"File reading...", L"Path: " + wide(path), L"======== Finished ========",
                                         L"File reading...", L"Path: " + wide(dir.path("missing.igs")),
                                         L"Error: Failed to open file."}));
}

// ---------- files written by other systems ----------

TEST(C_Context_File_Import, TubesSplinedReadsWithEveryEntity)
{
    C_Test_App t;
    C_Reader c(wide(G_Fn_Testdata("tubes_splined.iges")), L"tubes_splined.iges");
    ASSERT_EQ(c.M_Fn_Import(), 1);
    // The T line's counts: S 2, G 4, D 24, P 14 (and line 0 of each left empty).
    EXPECT_EQ(c.m_Lines_S.size() * 1000000 + c.m_Lines_G.size() * 10000 + c.m_Lines_D.size() * 100 + c.m_Lines_P.size(),
              3052515u);
    EXPECT_EQ(c.m_Lines_T.size(), 2u);
    EXPECT_EQ(G_Fn_Params(*c.m_sp_Global),
              ",;|Noname|5fce28a6e311ad11ee34af65.iges|By Siemens PLM Incorporated|XPlus GENERIC/IGES 23.1.110|32|38|6|"
              "308|15|Noname|1|6|M|1|1|20201207.130542|1e-08|0|Noname|Noname|11|0|20201207.130542|");
    // Twelve directory entries, in this order of types.
    const int types[] = {126, 110, 110, 110, 110, 110, 102, 110, 124, 100, 110, 102};
    ASSERT_EQ(c.m_Table.size(), 13u);
    for (std::uint32_t k = 1; k <= 12; ++k) {
        ASSERT_TRUE(c.m_Table.is_used_at(k));
        const C_Entity& e = *c.m_Table.at(k);
        EXPECT_EQ(e.M_Fn_Get_Type(), types[k - 1]) << k;
        EXPECT_EQ(e.m_Color * 100 + e.m_Line_Weight * 10 + std::int32_t(e.M_Fn_Get_Hierarchy()), 11) << k;
        // Status 00000001: the spline, the first line and the composites are independent; 00010001:
        // the members and the matrix depend on others.
        const bool independent = k == 1 || k == 2 || k == 7 || k == 12;
        EXPECT_EQ(e.M_Fn_If_Independent(), independent) << k;
        EXPECT_EQ(e.M_Fn_If_Physically_Dependent(), !independent) << k;
    }
    const auto& composite_2 = dynamic_cast<const C_Entity_102_Curve_Composite&>(*c.m_Table.at(7));
    EXPECT_EQ(composite_2.m_Members, (std::vector<std::int32_t>{3, 4, 5, 6})); // "102,4,5,7,9,11;"
    EXPECT_EQ(composite_2.m_Label, "Curve");
    EXPECT_EQ(dynamic_cast<const C_Entity_102_Curve_Composite&>(*c.m_Table.at(12)).m_Members,
              (std::vector<std::int32_t>{8, 10, 11}));
    const auto& arc = dynamic_cast<const C_Entity_100_Arc_Circular&>(*c.m_Table.at(10));
    EXPECT_TRUE(arc.M_Fn_If_Matrix());
    EXPECT_EQ(arc.m_Matrix, 9);
    // The arc's start placed by the matrix: (0, -x, y) + (0, 0.0381, -0.0418...).
    C_Vector3_f start, line_end;
    arc.M_Fn_Get_o_Vector3_f_Transformed(start, c.m_Table, C_Vector3_f(arc.m_X2, arc.m_Y2, arc.m_ZT));
    EXPECT_FLOAT_EQ(start.x, 0.0f);
    EXPECT_FLOAT_EQ(start.y, 0.0340776759771f + 0.0381f);
    EXPECT_FLOAT_EQ(start.z, -0.01703883798855f - 0.04180581005726f);
    // The composite of line, arc and line is closed up end to end: the first line ends where the arc starts.
    c.m_Table.at(8)->M_Fn_Get_o_Vector3_f_Finish(line_end, c.m_Table);
    EXPECT_NEAR(line_end.y, start.y, 1e-6);
    EXPECT_NEAR(line_end.z, start.z, 1e-6);
}

TEST(C_Context_File_Import, ChassisAndExampleArcsFailCleanly)
{
    C_Test_App t;
    C_Reader chassis(wide(G_Fn_Testdata("chassis_007_simp.IGS")), L"chassis_007_simp.IGS"); // with 402 entities
    EXPECT_EQ(refusal_of([&] { chassis.M_Fn_Import(); }), s_Fn_Entity_Import);
    // It got as far as its global section and the four lines before the first 402 entity.
    ASSERT_TRUE(chassis.m_sp_Global);
    EXPECT_EQ(chassis.m_sp_Global->m_Name_File,
              "C:\\Users\\thughes\\Documents\\git\\IGES-File-Reader\\chassis_007_simp.IGS");
    EXPECT_EQ(chassis.m_sp_Global->m_Units_Name, "IN");
    EXPECT_EQ(chassis.m_Table.size(), 6u);
    EXPECT_EQ(chassis.m_Table.at(4)->M_Fn_Get_Type(), 110);
    EXPECT_EQ(chassis.m_Table.at(5)->M_Fn_Get_Type(), 0);
    EXPECT_EQ(t.port().M_Fn_Texts(L"box").size(), 2u); // no "Finished"

    C_Reader arcs(wide(G_Fn_Testdata("example-arcs.iges")), L"example-arcs.iges");
    EXPECT_EQ(refusal_of([&] { arcs.M_Fn_Import(); }), s_Fn_Import_Global); // defaulted delimiters
    EXPECT_EQ(arcs.m_Lines_D.size() - 1, 12u); // its zero-filled sequence numbers read
    EXPECT_EQ(arcs.m_Lines_P.size() - 1, 56u);
    EXPECT_FALSE(arcs.m_sp_Global);
}

// ---------- writing ----------

namespace {

// The start and global sections of a default record, as written.
const std::string s_Start_Global =
    G_Fn_Line("START RECORD GO HERE", 'S', 1) + "\n" +
    G_Fn_Line("1H,,1H;,,,,,0,0,0,0,0,,1.000000,1,6HInches,1,0.000000,,0.000000,", 'G', 1) + "\n" +
    G_Fn_Line("0.000000,,,3,0,,;", 'G', 2) + "\n";

// Writes the context's file and returns its bytes.
std::string written(C_Writer& io_Writer)
{
    EXPECT_EQ(io_Writer.M_Fn_Export(), 1);
    return G_Fn_Read_File(N_Common::N_String::G_Fn_To_Narrow_UTF8(io_Writer.m_Path));
}

// A writer of a default global record into i_Path.
std::unique_ptr<C_Writer> writer(const std::string& i_Path)
{
    auto w = std::make_unique<C_Writer>(wide(i_Path), L"x.igs");
    w->m_sp_Global = std::make_shared<C_Global>();
    return w;
}

template <class T = C_Entity_110_Line>
std::shared_ptr<T> entity(std::int32_t i_Id)
{
    auto e = std::make_shared<T>();
    e->m_Id = i_Id;
    return e;
}

// The text of a file of i_Global and i_Table, written through every section into memory.
std::string written_text(std::shared_ptr<C_Global> i_Global, const C_Table_Entity& i_Table)
{
    C_Writer w(L"", L"");
    w.m_sp_Global = std::move(i_Global);
    w.m_Table = i_Table;
    w.M_Fn_Export_Section_Start();
    w.M_Fn_Export_Section_Global();
    w.M_Fn_Export_Section_Entity();
    w.M_Fn_Export_Section_Terminate();
    std::ostringstream out;
    w.M_Fn_Export_Stream(out);
    return out.str();
}

// Reads a written text back and writes what was read (every entity with its slot as id).
std::string read_and_written_again(const std::string& i_Text, C_Reader& io_Reader)
{
    read_text(io_Reader, i_Text);
    for (std::uint32_t k = 1; k < io_Reader.m_Table.size(); ++k)
        if (io_Reader.m_Table.is_used_at(k))
            io_Reader.m_Table.at(k)->m_Id = std::int32_t(k);
    return written_text(io_Reader.m_sp_Global, io_Reader.m_Table);
}

// A global record with a name long enough to run across the G lines, and a table of every type: a
// named colour, a matrix, an arc placed by it, a composite of two lines and the arc, a spline, and
// directory fields of every kind.
std::shared_ptr<C_Global> every_global()
{
    auto g = std::make_shared<C_Global>();
    g->m_Name_File = "a.igs";
    g->m_Product_Id_Sender = "Section 1-2 with a name long enough to run across the G lines";
    g->m_Resolution_Min = 0.001f;
    return g;
}

C_Table_Entity every_type()
{
    auto color = entity<C_Entity_314_Color>(1);
    color->m_Color[0] = 1.0f, color->m_Color[1] = 0.25f;
    color->m_Name = "Wall 2.5 mm, steel; " + std::string(60, 'x'); // runs across lines, delimiters inside
    auto matrix = entity<C_Entity_124_Matrix>(2);
    matrix->m_Matrix(1, 1) = -1.0f, matrix->m_Matrix(2, 2) = -1.0f, matrix->m_Matrix(0, 3) = 12.5f;
    auto arc = entity<C_Entity_100_Arc_Circular>(3);
    arc->m_X1 = 1.0f, arc->m_X2 = 2.0f, arc->m_Y3 = 1.0f, arc->m_X3 = 1.0f;
    arc->M_Fn_Set_Matrix_Slot(2);
    arc->M_Fn_Set_Color_Slot(1);
    arc->M_Fn_Set_Subordinate(1);
    arc->M_Fn_Set_Blanked(true);
    auto line_a = entity(4), line_b = entity(5);
    line_a->m_X2 = 2.0f;
    line_a->M_Fn_Set_Subordinate(1);
    line_a->m_Label = "first";
    line_a->m_Subscript = 3;
    line_b->m_X1 = 1.0f, line_b->m_Y2 = -3.75f;
    line_b->M_Fn_Set_Subordinate(3);
    line_b->m_Line_Weight = 2, line_b->m_Form = 1, line_b->m_Level = 4;
    line_b->M_Fn_Flag_Set(C_Entity::E_Flag_Pointer_Level, true);
    auto composite = entity<C_Entity_102_Curve_Composite>(6);
    composite->m_Members = {4, 3, 5};
    composite->M_Fn_Set_Color_Number(2);
    composite->M_Fn_Set_Hierarchy(1);
    composite->m_Label = "Curve 7";
    auto spline = entity<C_Entity_126_Curve_B_Spline_Rational>(7);
    spline->m_Planar = 1, spline->m_Degree = 2, spline->m_Count_Ctrl = 4, spline->m_Count_Knot = 7;
    spline->m_Knots = {0, 0, 0, 0.5f, 1, 1, 1};
    spline->m_Weights = {1, 0.75f, 0.75f, 1};
    spline->m_Ctrl_Points = {C_Vector3_f(0, 0, 0), C_Vector3_f(1, 2, 0), C_Vector3_f(3, 2, 0), C_Vector3_f(4, 0, 0)};
    spline->m_V1 = 1.0f;
    spline->m_Normal = C_Vector3_f(0, 0, 1);
    spline->M_Fn_Set_Color_Slot(1);
    C_Table_Entity table;
    const std::shared_ptr<C_Entity> all[] = {color, matrix, arc, line_a, line_b, composite, spline};
    for (std::uint32_t k = 1; k <= 7; ++k)
        table.add_at(k, all[k - 1]);
    return table;
}

} // namespace

TEST(C_Context_File_Export, FilesWrittenColumnByColumnWithTheirMessages)
{
    C_Test_App t;
    C_Temp_Dir dir;
    EXPECT_EQ(written(*writer(dir.path("empty.igs"))),
              s_Start_Global + G_Fn_Line("S      1G      2D      0P      0", 'T', 1) + "\n");
    EXPECT_EQ(t.port().M_Fn_Texts(L"box"), (std::vector<std::wstring>{L"File writing...",
                                                                      L"Path: " + wide(dir.path("empty.igs")),
                                                                      L"======== Finished ========"}));
    auto w = writer(dir.path("line.igs"));
    auto l = entity(1);
    l->m_X1 = 1, l->m_Y1 = 2, l->m_Z1 = 3, l->m_X2 = 4, l->m_Y2 = 5, l->m_Z2 = 6;
    w->m_Table.add_at(1, l);
    w->m_Table.add_at(3, entity(3)); // free slots after the last entity are passed over
    w->m_Table.erase_at(3);
    EXPECT_EQ(written(*w),
              s_Start_Global + "     110       1       0       0       0       0       0       000000000D      1\n"
                               "     110       0       0       1       0                               0D      2\n"
                               "110,1.000000,2.000000,3.000000,4.000000,5.000000,6.000000,0,0;         1P      1\n"
                               "S      1G      2D      2P      1                                        T      1\n");
    EXPECT_EQ(w->m_Delimiter_Param, ',');
    EXPECT_EQ(w->m_Delimiter_Record, ';');
    EXPECT_EQ(writer(dir.path("no/such/dir/x.igs"))->M_Fn_Export(), 0);
    EXPECT_EQ(t.port().M_Fn_Texts(L"box").back(), L"Error: Failed to open file.");
}

TEST(C_Context_File_Export, RefusesTablesWhosePointersWouldBeWrong)
{
    C_Test_App t;
    C_Temp_Dir dir;
    const std::string path = dir.path("refused.igs");
    const std::function<void(C_Writer&)> cases[] = {
        [](C_Writer& w) { w.m_Table.add_at(2, entity(2)); }, // a free slot before an occupied one
        [](C_Writer& w) { w.m_Table.add_at(1, entity(2)); }, // an id that differs from its slot
        [](C_Writer& w) { w.m_Table.add_at(1, entity(0)); },
        [](C_Writer& w) { w.m_Table.add_at(1, entity(1)), w.m_Table.add_at(2, nullptr); }, // occupied, no entity
        [](C_Writer& w) { // references to nothing, or to an entity of the wrong type
            w.m_Table.add_at(1, entity(1));
            w.m_Table.at(1)->M_Fn_Set_Color_Slot(2);
        },
        [](C_Writer& w) {
            w.m_Table.add_at(1, entity(1));
            w.m_Table.at(1)->M_Fn_Set_Matrix_Slot(2);
            w.m_Table.add_at(2, entity(2));
        },
        [](C_Writer& w) {
            auto c = entity<C_Entity_102_Curve_Composite>(1);
            c->m_Members = {2, 3};
            w.m_Table.add_at(1, c);
            w.m_Table.add_at(2, entity(2));
        },
        [](C_Writer& w) {
            w.m_Table.add_at(1, entity(1));
            w.m_Table.at(1)->m_View = 9;
            w.m_Table.at(1)->M_Fn_Flag_Set(C_Entity::E_Flag_Pointer_View, true);
        },
        // No global record, and delimiters the reader could not tell from data.
        [](C_Writer& w) { w.m_sp_Global.reset(); },
        [](C_Writer& w) { w.m_sp_Global->m_Delimiter_Record = ','; },
        [](C_Writer& w) { w.m_sp_Global->m_Delimiter_Param = '1'; },
        [](C_Writer& w) { w.m_sp_Global->m_Delimiter_Param = ' '; },
        [](C_Writer& w) { w.m_sp_Global->m_Delimiter_Record = 'H'; },
        [](C_Writer& w) { w.m_sp_Global->m_Delimiter_Record = '.'; },
        // An entity that cannot write its parameters.
        [](C_Writer& w) { w.m_Table.add_at(1, entity<C_Entity_126_Curve_B_Spline_Rational>(1)); }};
    for (const auto& setup : cases) {
        auto w = writer(path);
        setup(*w);
        EXPECT_THROW(w->M_Fn_Export(), C_Exception);
        EXPECT_FALSE(std::filesystem::exists(path)); // nothing written
    }
}

TEST(C_Context_File_Export, WrittenReadAndWrittenAgainIsIdentical)
{
    C_Test_App t;
    C_Temp_Dir dir;
    auto w = writer(dir.path("a.igs"));
    w->m_sp_Global = every_global();
    w->m_Table = every_type();
    const std::string text_a = written(*w);
    std::size_t start = 0; // every line is 80 columns
    for (std::size_t end = text_a.find('\n'); end != std::string::npos; end = text_a.find('\n', start)) {
        EXPECT_EQ(end - start, 80u);
        start = end + 1;
    }
    EXPECT_EQ(start, text_a.size());
    EXPECT_EQ(written(*w), text_a); // writing the same table again gives the same bytes
    EXPECT_EQ(written_text(w->m_sp_Global, w->m_Table), text_a);

    C_Reader reader(L"", L"");
    const std::string text_b = read_and_written_again(text_a, reader);
    ASSERT_EQ(reader.m_Table.size(), 8u);
    EXPECT_EQ(dynamic_cast<const C_Entity_314_Color&>(*reader.m_Table.at(1)).m_Name,
              "Wall 2.5 mm, steel; " + std::string(60, 'x'));
    const auto& composite = dynamic_cast<const C_Entity_102_Curve_Composite&>(*reader.m_Table.at(6));
    EXPECT_EQ(composite.m_Members, (std::vector<std::int32_t>{4, 3, 5}));
    EXPECT_EQ(composite.m_Label, "Curve");
    EXPECT_EQ(composite.M_Fn_Get_Hierarchy(), 1u);
    const C_Entity& arc = *reader.m_Table.at(3);
    EXPECT_TRUE(arc.M_Fn_If_Matrix() && arc.M_Fn_If_Color_Pointer() && arc.M_Fn_If_Blanked());
    EXPECT_EQ(arc.m_Matrix * 10 + arc.m_Color, 21);
    const C_Entity& line_b = *reader.m_Table.at(5);
    EXPECT_EQ(line_b.M_Fn_Get_Subordinate(), 3u);
    EXPECT_TRUE(line_b.M_Fn_Flag_Get(C_Entity::E_Flag_Pointer_Level));
    EXPECT_EQ(line_b.m_Level, 4);
    EXPECT_EQ(reader.m_Table.at(4)->m_Subscript, 3);
    // The composite's label "Curve 7" was read as its first word; otherwise the file is the same.
    std::string expected_b = text_a;
    const std::size_t label = expected_b.find("Curve 7 ");
    ASSERT_NE(label, std::string::npos);
    expected_b.replace(label, 8, "Curve   ");
    EXPECT_EQ(text_b, expected_b);
    C_Reader reader_b(L"", L"");
    EXPECT_EQ(read_and_written_again(text_b, reader_b), text_b);
}

TEST(C_Context_File_Export, TubesSplinedWrittenReadAndWrittenAgainIsIdentical)
{
    C_Test_App t;
    C_Reader original(wide(G_Fn_Testdata("tubes_splined.iges")), L"tubes_splined.iges");
    ASSERT_EQ(original.M_Fn_Import(), 1);
    for (std::uint32_t k = 1; k < original.m_Table.size(); ++k)
        original.m_Table.at(k)->m_Id = std::int32_t(k);
    const std::string text_a = written_text(original.m_sp_Global, original.m_Table);
    EXPECT_NE(text_a.find("27HBy Siemens PLM IncoG      1\nrporated,"), std::string::npos); // runs on
    EXPECT_NE(text_a.find("102,4,5,7,9,11,0,0;"), std::string::npos);
    C_Reader reader(L"", L"");
    EXPECT_EQ(read_and_written_again(text_a, reader), text_a);
    EXPECT_EQ(reader.m_Table.size(), original.m_Table.size());
}

// ---------- hostile input ----------

namespace {

// One random change of the text: a character, an inserted or removed run, a number swapped for a
// hostile one, a directory field overwritten column-aligned, a line removed or repeated, or the text
// cut short.
void mutate(std::string& io_Text, std::mt19937& io_Random)
{
    static const char s_Chars[] = "0123456789,;H-+.DE \n\r\t";
    static const char* const s_Numbers[] = {"0",   "-1", "-9999999", "99999999", "2147483647", "1E38", "1E39",
                                            "-0.", "4096", "3",      "1H,",      "402",        "102",  "999999999H"};
    if (io_Text.empty())
        return;
    std::uniform_int_distribution<std::size_t> any_pos(0, io_Text.size() - 1);
    const char any_char = s_Chars[io_Random() % (sizeof(s_Chars) - 1)];
    const char* const number = s_Numbers[io_Random() % std::size(s_Numbers)];
    switch (io_Random() % 8) {
    case 0:
        io_Text[any_pos(io_Random)] = any_char;
        break;
    case 1:
        io_Text[any_pos(io_Random)] = char(io_Random() & 0xFF);
        break;
    case 2:
        io_Text.insert(any_pos(io_Random), std::string(1 + io_Random() % 8, any_char));
        break;
    case 3:
        io_Text.erase(any_pos(io_Random), 1 + io_Random() % 16);
        break;
    case 4: { // overwritten in place, so the columns of the line stay where they were
        const std::size_t pos = any_pos(io_Random);
        io_Text.replace(pos, std::min(std::strlen(number), io_Text.size() - pos), number);
        break;
    }
    case 5: {
        const std::size_t field = (any_pos(io_Random) / 81) * 81 + 8 * (io_Random() % 9);
        char text[16];
        std::snprintf(text, sizeof(text), "%8s", number);
        if (field + 8 <= io_Text.size())
            io_Text.replace(field, 8, text, 8);
        break;
    }
    case 6: {
        const std::size_t start = io_Text.rfind('\n', any_pos(io_Random));
        const std::size_t begin = start == std::string::npos ? 0 : start + 1;
        const std::size_t end = io_Text.find('\n', begin);
        const std::string line = io_Text.substr(begin, end == std::string::npos ? std::string::npos : end - begin + 1);
        if (io_Random() % 2)
            io_Text.erase(begin, line.size());
        else
            io_Text.insert(begin, line);
        break;
    }
    default:
        io_Text.resize(any_pos(io_Random));
        break;
    }
}

} // namespace

TEST(C_Context_File_Import, RandomMutationsAndEveryTruncationReadOrFailCleanly)
{
    const std::string seeds[] = {G_Fn_Read_File(G_Fn_Testdata("tubes_splined.iges")),
                                 G_Fn_Read_File(G_Fn_Testdata("chassis_007_simp.IGS")),
                                 G_Fn_Read_File(G_Fn_Testdata("example-arcs.iges")),
                                 written_text(every_global(), every_type())};
    // The unmutated seeds: the tubes and the written file read, the other two are refused.
    EXPECT_EQ(G_Fn_Exercise(seeds[0]) * 1000 + G_Fn_Exercise(seeds[1]) * 100 + G_Fn_Exercise(seeds[2]) * 10 +
                  G_Fn_Exercise(seeds[3]),
              1001);
    int outcomes[2] = {};
    for (unsigned seed = 1; seed <= 4; ++seed) {
        std::mt19937 random(seed);
        for (int i = 0; i < 5000; ++i) {
            std::string text = seeds[random() % std::size(seeds)];
            for (int changes = 1 + int(random() % 4); changes > 0; --changes)
                mutate(text, random);
            try {
                ++outcomes[G_Fn_Exercise(text)];
            } catch (const std::exception& e) {
                ADD_FAILURE() << "seed " << seed << " case " << i << ": " << e.what();
            }
        }
    }
    // Both outcomes occur, so the mutations reach past the first checks.
    EXPECT_GT(outcomes[0], 100);
    EXPECT_GT(outcomes[1], 100);
    int read = 0;
    for (std::size_t length = 0; length <= seeds[0].size(); ++length) {
        try {
            read += G_Fn_Exercise(std::string_view(seeds[0]).substr(0, length));
        } catch (const std::exception& e) {
            ADD_FAILURE() << "length " << length << ": " << e.what();
        }
    }
    EXPECT_GE(read, 1); // a cut inside the T line, or within its line end, still leaves every section whole
}

TEST(C_Context_File_Import, HostileCountsAreRefusedWithoutHugeAllocations)
{
    // A spline asking for two billion control points and a composite asking for as many members.
    auto file = [](int i_Type, const std::string& i_Param) {
        return join({G_Fn_Line("", 'S', 1), G_Fn_Lines("1H,,1H;;", 'G')[0],
                     G_Fn_Line(G_Fn_Field(i_Type) + G_Fn_Field(1) + std::string(48, ' ') + "00000000", 'D', 1),
                     G_Fn_Line(G_Fn_Field(i_Type) + G_Fn_Field(0) + G_Fn_Field(0) + G_Fn_Field(1), 'D', 2),
                     G_Fn_Line(G_Fn_P(i_Param), 'P', 1)});
    };
    EXPECT_EQ(G_Fn_Exercise(file(126, "126,2147483646,1,0,0,0,0;")), 0);
    EXPECT_EQ(G_Fn_Exercise(file(126, "126,1000000,1000000,0,0,0,0;")), 0);
    EXPECT_EQ(G_Fn_Exercise(file(102, "102,2000000000;")), 0);
    EXPECT_EQ(G_Fn_Exercise(file(102, "102,1,1;")), 1); // a composite holding itself reads, then refuses to answer
    EXPECT_EQ(G_Fn_Exercise(file(314, "314,1.,2.,3.,999999999Hx;")), 0);
}
