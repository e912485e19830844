// The entity base (factory, packed flags, directory entry read and written, colour, transformed
// points, renumbering, drawing rules) and the types 0, 100, 102, 110, 124, 126 and 314: parameters
// read and written against lines written out by hand, geometric queries, transforms and their checks.
#include "biz/iges/Biz_IGES_Entity.h"
#include "biz/iges/Biz_IGES_Entity_0_Null.h"
#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"
#include "biz/iges/Biz_IGES_Entity_102_Curve_Composite.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_124_Matrix.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"
#include "biz/iges/Biz_IGES_Entity_314_Color.h"
#include "common/Common_Exception.h"
#include "tests/iges/Test_IGES_Support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

using namespace N_Biz::N_IGES;
using N_Common::N_Exception::C_Exception;
using N_Test_IGES::G_Fn_P;

namespace {

std::string field(long long i_Value) { return N_Test_IGES::G_Fn_Field(i_Value); }

std::string pad(const std::string& i_Text) { return i_Text + std::string(64 - i_Text.size(), ' '); }

// The two directory lines (behind an unused line 0) of a line entity at slot 1 with the given fields.
std::vector<std::string> d_line(long long i_Matrix, long long i_Color, const std::string& i_Status,
                                long long i_Pointer = 1, long long i_Count = 1, long long i_Type_2 = 110)
{
    return {"",
            field(110) + field(i_Pointer) + field(0) + field(0) + field(0) + field(0) + field(i_Matrix) + field(0) +
                i_Status,
            field(i_Type_2) + field(0) + field(i_Color) + field(i_Count) + field(0) + std::string(16, ' ') +
                "AB CD   " + field(0)};
}

const std::vector<std::string> s_P_Line = {"", G_Fn_P("110,1.,2.,3.,4.,5.,6.;")};

// Reads an entity of type T at slot 1 from a parameter text (split into 64-column lines).
template <class T>
std::shared_ptr<T> read(const std::string& i_Param)
{
    auto entity = std::make_shared<T>();
    const std::int32_t type = entity->M_Fn_Get_Type();
    std::vector<std::string> p = {""};
    for (std::size_t pos = 0; pos < i_Param.size(); pos += 64)
        p.push_back(G_Fn_P(i_Param.substr(pos, 64)));
    const std::vector<std::string> d = {
        "", field(type) + field(1) + std::string(48, ' ') + "00000000",
        field(type) + field(0) + field(0) + field(std::int64_t(p.size()) - 1) + field(0) + std::string(32, ' ') +
            field(0)};
    entity->M_Fn_Import(d, 1, p, ',', ';');
    return entity;
}

// The parameter lines an entity writes, columns 1-64 each.
std::vector<std::string> write(C_Entity& io_Entity)
{
    io_Entity.m_Id = 1;
    std::vector<std::string> d, p;
    io_Entity.M_Fn_Export(d, p, ',', ';');
    for (std::string& line : p) {
        EXPECT_EQ(line.substr(64), "       1");
        line.resize(64);
    }
    return p;
}

std::string joined(const std::vector<std::string>& ro_Lines)
{
    std::string text;
    for (const std::string& line : ro_Lines)
        text += line;
    return text;
}

C_Matrix4_f translation(float i_X, float i_Y, float i_Z)
{
    C_Matrix4_f m;
    m(0, 3) = i_X, m(1, 3) = i_Y, m(2, 3) = i_Z;
    return m;
}

std::shared_ptr<C_Entity_110_Line> line(float i_X1, float i_Y1, float i_Z1, float i_X2, float i_Y2, float i_Z2)
{
    auto e = std::make_shared<C_Entity_110_Line>();
    e->m_X1 = i_X1, e->m_Y1 = i_Y1, e->m_Z1 = i_Z1, e->m_X2 = i_X2, e->m_Y2 = i_Y2, e->m_Z2 = i_Z2;
    return e;
}

// Three lines (0,0)-(1,0), (1,0)-(1,1), (1,1)-(0,1) at slots 1-3, members of dependent status.
void three_lines(C_Table_Entity& io_Table)
{
    const float ends[3][4] = {{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 0, 1}};
    for (std::uint32_t i = 0; i < 3; ++i) {
        auto e = line(ends[i][0], ends[i][1], 0, ends[i][2], ends[i][3], 0);
        e->M_Fn_Set_Subordinate(1);
        io_Table.add_at(i + 1, e);
    }
}

std::string xyz(const C_Vector3_f& ro_P)
{
    char text[64];
    std::snprintf(text, sizeof(text), "(%g %g %g)", ro_P.x, ro_P.y, ro_P.z);
    return text;
}

// The points of a list as "(x y z)" texts.
std::string xyz(const std::vector<C_Vector3_f>& ro_Points)
{
    std::string text;
    for (const auto& p : ro_Points)
        text += xyz(p);
    return text;
}

std::string rgba(const C_Entity& ro_E, const C_Table_Entity& ro_Table, bool i_Selected, bool i_Highlighted)
{
    float c[4];
    ro_E.M_Fn_Get_o_Color_f(ro_Table, i_Selected, i_Highlighted, c);
    char text[64];
    std::snprintf(text, sizeof(text), "%g %g %g %g", c[0], c[1], c[2], c[3]);
    return text;
}

} // namespace

// ---------- the entity base ----------

TEST(C_Entity, FactoryMakesTheTypesAndNullForOthers)
{
    const std::pair<int, const wchar_t*> types[] = {
        {100, L"Circular Arc"}, {102, L"Composite Curve"}, {110, L"Line"}, {124, L"Transformation Matrix"},
        {126, L"Rational B-Spline Curve"}, {314, L"Color"}, {0, L"Null"}, {104, L"Null"}, {402, L"Null"},
        {-1, L"Null"}};
    for (const auto& [type, name] : types) {
        auto e = C_Entity::S_Fn_Factory_spo_Entity(type);
        EXPECT_EQ(e->M_Fn_Get_Type(), name == std::wstring(L"Null") ? 0 : type);
        EXPECT_STREQ(e->M_Fn_Get_Name_Type(), name);
    }
}

TEST(C_Entity, PackedFlagFieldsAreRangeChecked)
{
    C_Entity_110_Line e;
    e.M_Fn_Set_Subordinate(1);
    EXPECT_THROW(e.M_Fn_Set_Subordinate(4), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Hierarchy(8), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Entity_Use(16), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Color_Number(9), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Color_Number(-1), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Color_Slot(0), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Matrix_Slot(-1), C_Exception);
    EXPECT_EQ(e.M_Fn_Get_Subordinate(), 1u);
}

TEST(C_Entity, DirectoryEntryReadAndWrittenColumnByColumn)
{
    C_Entity_110_Line e;
    EXPECT_EQ(e.M_Fn_Import(d_line(7, -5, "01020302"), 1, s_P_Line, ',', ';'), 1);
    EXPECT_TRUE(e.M_Fn_If_Matrix());
    EXPECT_EQ(e.m_Matrix, 4); // directory line 7 is slot 4
    EXPECT_TRUE(e.M_Fn_If_Color_Pointer());
    EXPECT_EQ(e.m_Color, 3);
    EXPECT_EQ(e.m_Label, "AB");
    EXPECT_TRUE(e.M_Fn_If_Blanked());
    EXPECT_EQ(e.M_Fn_Get_Subordinate(), 2u);
    EXPECT_EQ(e.M_Fn_Get_Entity_Use(), 3u);
    EXPECT_EQ(e.M_Fn_Get_Hierarchy(), 2u);
    EXPECT_EQ(e.m_X1, 1.0f);
    EXPECT_EQ(e.m_Z2, 6.0f);
    C_Entity_110_Line f; // a matrix field of 0 leaves the flag clear; a colour number is a value
    f.M_Fn_Import(d_line(0, 2, "00000000"), 1, s_P_Line, ',', ';');
    EXPECT_FALSE(f.M_Fn_If_Matrix() || f.M_Fn_If_Color_Pointer());
    EXPECT_EQ(f.m_Color, 2);

    // The other pointer-or-value fields: negative pointers for structure, line font and level,
    // positive ones for view and label display. Written back, every field gives the text it was read from.
    const std::vector<std::string> d = {
        "", field(110) + field(1) + field(-3) + field(-7) + field(-1) + field(5) + field(0) + field(9) + "00000000",
        field(110) + field(4) + field(0) + field(1) + field(2) + std::string(24, ' ') + field(12)};
    C_Entity_110_Line g;
    g.M_Fn_Import(d, 1, s_P_Line, ',', ';');
    const std::pair<C_Entity::E_Flag, std::int32_t> pointers[] = {
        {C_Entity::E_Flag_Pointer_Structure, g.m_Structure}, {C_Entity::E_Flag_Pointer_Line_Font, g.m_Line_Font},
        {C_Entity::E_Flag_Pointer_Level, g.m_Level},         {C_Entity::E_Flag_Pointer_View, g.m_View},
        {C_Entity::E_Flag_Pointer_Label_Display, g.m_Label_Display}};
    const std::int32_t slots[] = {2, 4, 1, 3, 5};
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(g.M_Fn_Flag_Get(pointers[k].first)) << k;
        EXPECT_EQ(pointers[k].second, slots[k]) << k;
    }
    EXPECT_EQ(g.m_Line_Weight * 100 + g.m_Form * 10, 420);
    EXPECT_EQ(g.m_Subscript, 12);
    EXPECT_EQ(g.m_Label, "");
    g.m_Id = 1;
    std::vector<std::string> out_d, out_p;
    g.M_Fn_Export(out_d, out_p, ',', ';');
    EXPECT_EQ(out_d, (std::vector<std::string>{d[1], d[2]}));

    C_Entity_110_Line w = *line(1, 2, 3, 4, 5, 6);
    w.M_Fn_Set_Color_Slot(3);
    w.M_Fn_Set_Matrix_Slot(4);
    w.M_Fn_Set_Subordinate(1);
    w.m_Label = "LONGLABEL9";
    w.m_Id = 2;
    out_d.clear();
    out_p = {"earlier P line"};
    EXPECT_EQ(w.M_Fn_Export(out_d, out_p, ',', ';'), 1);
    EXPECT_EQ(out_d, (std::vector<std::string>{
                         "     110       2       0       0       0       0       7       000010000",
                         "     110       0      -5       1       0                LONGLABE       0"}));
    ASSERT_EQ(out_p.size(), 2u);
    EXPECT_EQ(out_p[1], "110,1.000000,2.000000,3.000000,4.000000,5.000000,6.000000,0,0;         3");
    // An entity use above 9 keeps both columns of its field and reads back.
    C_Entity_110_Line use, back;
    use.M_Fn_Set_Entity_Use(12);
    use.m_Id = 1;
    out_d.clear();
    out_p.clear();
    use.M_Fn_Export(out_d, out_p, ',', ';');
    EXPECT_EQ(out_d[0].substr(64), "00001200");
    back.M_Fn_Import({"", out_d[0], out_d[1]}, 1, {"", out_p[0]}, ',', ';');
    EXPECT_EQ(back.M_Fn_Get_Entity_Use(), 12u);
}

TEST(C_Entity, DirectoryEntryRefusals)
{
    const std::vector<std::string> bad_d[] = {
        d_line(0, 0, "00040000"),                 // subordinate switch above 3
        d_line(0, 0, "00000000", 1, 1, 100),      // the second line's type differs
        d_line(0, 0, "00000000", 0, 1),           // parameter pointer 0 or below
        d_line(0, 0, "00000000", -3, 1),
        d_line(0, 0, "00000000", 1, 0),           // count 0 or below
        d_line(0, 0, "00000000", 1, -1),
        d_line(0, 0, "00000000", 1, 2),           // lines beyond the P section
        d_line(0, 0, "00000000", 2, 1),
        d_line(0, 0, "00000000", 1, 99999999)};
    C_Entity_110_Line e;
    for (const auto& d : bad_d)
        EXPECT_THROW(e.M_Fn_Import(d, 1, s_P_Line, ',', ';'), C_Exception) << d[1] << d[2];
    const auto d = d_line(0, 0, "00000000");
    const std::string other = G_Fn_P("110,1.,2.,3.,4.,5.,6.;", 3); // points back at another entity
    EXPECT_THROW(e.M_Fn_Import(d, 1, {"", other}, ',', ';'), C_Exception);
    EXPECT_THROW(e.M_Fn_Import(d, 1, {"", G_Fn_P("100,1.,2.,3.,4.,5.,6.;")}, ',', ';'), C_Exception); // another type
    EXPECT_THROW(e.M_Fn_Import(d, 2, s_P_Line, ',', ';'), C_Exception); // directory lines that do not exist
    EXPECT_THROW(e.M_Fn_Import(d, 0, s_P_Line, ',', ';'), C_Exception);
    // Writing without an id, with an id whose pointer does not fit 7 columns, or an oversized field.
    C_Entity_110_Line w;
    std::vector<std::string> out_d, out_p;
    EXPECT_THROW(w.M_Fn_Export(out_d, out_p, ',', ';'), C_Exception);
    w.m_Id = 5000001; // pointer 10000001
    EXPECT_THROW(w.M_Fn_Export(out_d, out_p, ',', ';'), C_Exception);
    w.m_Id = 1;
    w.m_Form = 123456789;
    EXPECT_THROW(w.M_Fn_Export(out_d, out_p, ',', ';'), C_Exception);
    EXPECT_TRUE(out_d.empty() && out_p.empty());
}

TEST(C_Entity, ColourByNumberOrByAReferenceToAColourDefinition)
{
    C_Table_Entity table;
    C_Entity_110_Line e;
    EXPECT_EQ(rgba(e, table, false, false), "0.5 0.5 0.5 1");
    EXPECT_EQ(rgba(e, table, true, false), "0.875 0.875 0.875 1"); // inverse 0.5 lightened by 0.75
    EXPECT_EQ(rgba(e, table, false, true), "0.9375 0.9375 0.9375 1"); // 0.5 lightened by 0.875
    EXPECT_EQ(rgba(e, table, true, true), "0.875 0.875 0.875 1");     // selected wins
    const char* numbers[9] = {"0.5 0.5 0.5 1", "0 0 0 1", "1 0 0 1", "0 1 0 1", "0 0 1 1",
                              "1 1 0 1",       "1 0 1 1", "0 1 1 1", "1 1 1 1"};
    for (int n = 0; n <= 8; ++n) {
        e.M_Fn_Set_Color_Number(n);
        EXPECT_EQ(rgba(e, table, false, false), numbers[n]) << n;
    }
    float c[4];
    for (int bad : {9, -2}) {
        e.m_Color = bad;
        EXPECT_THROW(e.M_Fn_Get_o_Color_f(table, false, false, c), C_Exception);
    }

    auto color = read<C_Entity_314_Color>("314,100.,50.,0.;");
    table.add_at(1, color);
    table.add_at(2, std::make_shared<C_Entity_110_Line>());
    e.M_Fn_Set_Color_Slot(1);
    EXPECT_EQ(rgba(e, table, false, false), "1 0.5 0 1");
    EXPECT_EQ(rgba(e, table, true, false), "0.75 0.875 1 1");     // inverse (0, 0.5, 1) lightened by 0.75
    EXPECT_EQ(rgba(e, table, false, true), "1 0.9375 0.875 1");   // (1, 0.5, 0) lightened by 0.875
    EXPECT_EQ(rgba(*color, table, true, false), "0.75 0.875 1 1"); // the definition answers as well
    EXPECT_EQ(&e.M_Fn_Get_ro_Color(table), color.get());
    EXPECT_THROW(C_Entity_110_Line().M_Fn_Get_ro_Color(table), C_Exception); // no colour pointer
    EXPECT_THROW(C_Entity_110_Line().M_Fn_Get_ro_Matrix(table), C_Exception);
    table.add_at(5, nullptr); // occupied but empty
    for (int slot : {2, 3, 1000000, 5}) { // a line is no colour definition; past the table; empty
        e.M_Fn_Set_Color_Slot(slot);
        EXPECT_THROW(e.M_Fn_Get_o_Color_f(table, false, false, c), C_Exception) << slot;
    }
}

TEST(C_Entity, TransformedPointGoesThroughOneMatrixEntity)
{
    C_Table_Entity table;
    auto matrix = std::make_shared<C_Entity_124_Matrix>();
    matrix->m_Matrix(0, 3) = 10.0f;  // T1
    matrix->M_Fn_Set_Matrix_Slot(3); // its own matrix field is never followed
    auto other = std::make_shared<C_Entity_124_Matrix>();
    other->m_Matrix(1, 3) = 100.0f;
    table.add_at(1, matrix);
    table.add_at(2, std::make_shared<C_Entity_314_Color>());
    table.add_at(3, other);
    auto e = line(1, 2, 3, 4, 5, 6);
    std::vector<C_Vector3_f> points;
    e->M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    EXPECT_EQ(xyz(points), "(1 2 3)(4 5 6)"); // no matrix: unchanged
    e->M_Fn_Set_Matrix_Slot(1);
    points.clear();
    e->M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    EXPECT_EQ(xyz(points), "(11 2 3)(14 5 6)");
    for (int slot : {2, 4}) { // a colour definition is no matrix; past the table
        e->M_Fn_Set_Matrix_Slot(slot);
        EXPECT_THROW(e->M_Fn_Get_list_o_Vector3_f_Transformed(points, table), C_Exception) << slot;
    }
}

TEST(C_Entity, DescribeGivesTypeAndId)
{
    C_Entity_110_Line l;
    l.m_Id = 4;
    std::vector<std::wstring> described = {L"before"};
    l.M_Fn_Describe(L"  ", described);
    EXPECT_EQ(described, (std::vector<std::wstring>{L"before", L"  Entity Type: Line", L"  Entity Id: 4"}));
}

TEST(C_Entity, RemapRenumbersIdAndSlotsOrChangesNothing)
{
    C_Entity_110_Line e;
    e.m_Id = 2;
    e.M_Fn_Set_Color_Slot(3);
    e.M_Fn_Set_Matrix_Slot(4);
    e.m_View = 5; // a value, not a slot
    e.M_Fn_Remap_Id({{2, 7}, {3, 8}, {4, 9}});
    EXPECT_EQ(e.m_Id * 1000 + e.m_Color * 100 + e.m_Matrix * 10 + e.m_View, 7895);
    EXPECT_THROW(e.M_Fn_Remap_Id({{7, 1}, {8, 2}}), C_Exception); // a missing id
    EXPECT_EQ(e.m_Id * 1000 + e.m_Color * 100 + e.m_Matrix * 10 + e.m_View, 7895);
    C_Entity_102_Curve_Composite c;
    c.m_Id = 1;
    c.m_Members = {2, 3};
    c.M_Fn_Remap_Id({{1, 10}, {2, 20}, {3, 30}});
    EXPECT_EQ(c.m_Id, 10);
    EXPECT_EQ(c.m_Members, (std::vector<std::int32_t>{20, 30}));
    EXPECT_THROW(c.M_Fn_Remap_Id({{10, 1}, {20, 2}}), C_Exception);
    EXPECT_EQ(c.m_Members, (std::vector<std::int32_t>{20, 30}));
}

namespace {

// A line that counts how often its geometry is drawn.
class C_Line_Count : public C_Entity_110_Line {
public:
    explicit C_Line_Count(int& io_Count) : m_p_Count(&io_Count) {}
    void M_Fn_Draw_Render_Geometry(C_Context_Draw_Render&) const override { ++*m_p_Count; }
    void M_Fn_Draw_Select_Geometry(C_Context_Draw_Select&) const override { ++*m_p_Count; }
    int* m_p_Count;
};

} // namespace

TEST(C_Entity, DrawRulesOfUseBlankingAndHierarchy)
{
    int count = 0;
    C_Table_Entity table;
    // 1 visible, 2 blanked, 3 member, 4 blanked member, 5 composite of 3 and 4, 6 a definition.
    for (std::uint32_t k = 1; k <= 6; ++k)
        table.add_at(k, std::make_shared<C_Line_Count>(count));
    table.at(2)->M_Fn_Set_Blanked(true);
    table.at(3)->M_Fn_Set_Subordinate(1);
    table.at(4)->M_Fn_Set_Subordinate(3);
    table.at(4)->M_Fn_Set_Blanked(true);
    auto composite = std::make_shared<C_Entity_102_Curve_Composite>();
    composite->m_Members = {3, 4};
    table.at(5) = composite;
    table.at(6)->M_Fn_Set_Entity_Use(2);
    auto render = [&](std::uint32_t i_Slot) {
        count = 0;
        C_Context_Draw_Render context;
        context.m_p_Table = &table;
        table.at(i_Slot)->M_Fn_Draw_Render(context);
        EXPECT_EQ(context.m_Top_Level, 1);
        EXPECT_EQ(context.m_Mode_Hierarchy, 0);
        return count;
    };
    auto select = [&](std::uint32_t i_Slot) {
        count = 0;
        C_Context_Draw_Select context;
        context.m_p_Table = &table;
        table.at(i_Slot)->M_Fn_Draw_Select(context);
        return count;
    };
    EXPECT_EQ(render(1), 1);
    EXPECT_EQ(render(2), 0); // blanked at the top level
    EXPECT_EQ(render(3), 0); // physically dependent at the top level
    EXPECT_EQ(render(5), 2); // hierarchy 0: the blanked member is drawn too
    EXPECT_EQ(render(6), 0); // not geometry
    EXPECT_EQ(select(5), 2);
    composite->M_Fn_Set_Hierarchy(1); // own attributes: the blanked member is skipped
    EXPECT_EQ(render(5), 1);
    EXPECT_EQ(select(5), 1);
    composite->M_Fn_Set_Hierarchy(3); // no such mode
    EXPECT_THROW(render(5), C_Exception);
    EXPECT_THROW(select(5), C_Exception);
    composite->M_Fn_Set_Hierarchy(0);
    composite->m_Members = {1}; // a member that is not physically dependent
    EXPECT_THROW(render(5), C_Exception);
    EXPECT_THROW(select(5), C_Exception);
    C_Context_Draw_Render no_table;
    EXPECT_THROW(table.at(1)->M_Fn_Draw_Render(no_table), C_Exception);
}

// ---------- the types ----------

TEST(C_Entity_100_Arc_Circular, ParametersReadAndWrittenAndEmptyRealsRepeatThePreviousOne)
{
    auto arc = read<C_Entity_100_Arc_Circular>("100,1.,2.,3.,4.,5.,6.,7.;");
    const float read_back[] = {arc->m_ZT, arc->m_X1, arc->m_Y1, arc->m_X2, arc->m_Y2, arc->m_X3, arc->m_Y3};
    EXPECT_EQ(std::vector<float>(read_back, read_back + 7), (std::vector<float>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(write(*arc), (std::vector<std::string>{pad("100,1.000000,2.000000,3.000000,4.000000,5.000000,6.000000,"),
                                                     pad("7.000000,0,0;")}));
    arc = read<C_Entity_100_Arc_Circular>("100,0.,1.,2.,,,5.,6.;");
    EXPECT_EQ(arc->m_X2 * 100 + arc->m_Y2 * 10 + arc->m_X3, 225.0f);
    EXPECT_EQ(read<C_Entity_100_Arc_Circular>("100,0.,1.,2.;")->m_Y3, 2.0f); // a record that ends early
}

TEST(C_Entity_100_Arc_Circular, DefiningPointsLieAtZTAndFollowATransformWithoutMatrix)
{
    C_Table_Entity table;
    C_Entity_100_Arc_Circular arc;
    arc.m_ZT = 2.0f;
    arc.m_X2 = 1.0f, arc.m_Y3 = 1.0f; // centre (0, 0), start (1, 0), terminate (0, 1)
    std::vector<C_Vector3_f> points;
    arc.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    EXPECT_EQ(xyz(points), "(0 0 2)(1 0 2)(0 1 2)");
    C_Vector3_f p;
    arc.M_Fn_Get_o_Vector3_f_Start(p, table);
    EXPECT_EQ(xyz(p), "(1 0 2)");
    arc.M_Fn_Get_o_Vector3_f_Finish(p, table);
    EXPECT_EQ(xyz(p), "(0 1 2)");
    points.clear();
    arc.M_Fn_Get_list_o_Vector3_f_Without_Start(points, table);
    EXPECT_EQ(xyz(points), "(0 1 2)");

    // Translate by (5, 0, 1) and mirror z: the arc's plane z = 1 goes to z = 0, as lines and splines
    // would; the parameters stay as the file gave them.
    arc.m_ZT = 1.0f;
    C_Matrix4_f t = translation(5.0f, 0.0f, 1.0f);
    t(2, 2) = -1.0f;
    arc.M_Fn_Transform(t);
    EXPECT_EQ(arc.m_X2, 1.0f);
    points.clear();
    arc.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    EXPECT_EQ(xyz(points), "(5 0 0)(6 0 0)(5 1 0)");
    // The mirror is seen exactly as through a matrix entity: (0,0,1) lands below (0,0,0).
    C_Vector3_f origin, up;
    arc.M_Fn_Get_o_Vector3_f_Transformed(origin, table, C_Vector3_f(0, 0, 0));
    arc.M_Fn_Get_o_Vector3_f_Transformed(up, table, C_Vector3_f(0, 0, 1));
    EXPECT_LT(up.z - origin.z, 0.0f);
    std::vector<std::string> lines; // the file has no place for such a placement
    EXPECT_THROW(arc.M_Fn_Export_Param(lines, ',', ';'), C_Exception);

    // With a matrix the arc stays; the matrix entity is transformed on its own.
    auto matrix = std::make_shared<C_Entity_124_Matrix>();
    table.add_at(1, matrix);
    C_Entity_100_Arc_Circular placed;
    placed.m_X2 = 1.0f;
    placed.M_Fn_Set_Matrix_Slot(1);
    placed.M_Fn_Transform(translation(0.0f, 3.0f, 0.0f));
    EXPECT_TRUE(placed.M_Fn_If_Placement_Identity());
    matrix->M_Fn_Transform(translation(0.0f, 3.0f, 0.0f));
    points.clear();
    placed.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    EXPECT_EQ(xyz(points), "(0 3 0)(1 3 0)(0 3 0)");
}

TEST(C_Entity_102_Curve_Composite, ParametersReadAndWrittenAndHostileCountsRefused)
{
    auto c = read<C_Entity_102_Curve_Composite>("102,3,1,3,5;");
    EXPECT_EQ(c->m_Members, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(write(*c), std::vector<std::string>{pad("102,3,1,3,5,0,0;")});
    for (const char* empty : {"102,0;", "102,-4,1;", "102,,1;"})
        EXPECT_TRUE(read<C_Entity_102_Curve_Composite>(empty)->m_Members.empty()) << empty;
    // A count beyond the pointers present reads the missing ones as slot 0.
    EXPECT_EQ(read<C_Entity_102_Curve_Composite>("102,3,1;")->m_Members, (std::vector<std::int32_t>{1, 0, 0}));
    // A count the parameter text could never hold is refused before anything is sized by it.
    EXPECT_THROW(read<C_Entity_102_Curve_Composite>("102,99999999;"), C_Exception);
    EXPECT_THROW(read<C_Entity_102_Curve_Composite>("102,2147483647,1;"), C_Exception);
}

TEST(C_Entity_102_Curve_Composite, MembersGiveStartFinishAndPointsAndBadMembersThrow)
{
    C_Table_Entity table;
    three_lines(table);
    table.add_at(4, std::make_shared<C_Entity_124_Matrix>());
    C_Entity_102_Curve_Composite c;
    c.m_Members = {1, 2, 3};
    C_Vector3_f p;
    c.M_Fn_Get_o_Vector3_f_Start(p, table);
    EXPECT_EQ(xyz(p), "(0 0 0)");
    c.M_Fn_Get_o_Vector3_f_Finish(p, table);
    EXPECT_EQ(xyz(p), "(0 1 0)");
    std::vector<C_Vector3_f> points;
    c.M_Fn_Get_list_o_Vector3_f_Without_Start(points, table);
    EXPECT_EQ(xyz(points), "(1 0 0)(1 1 0)(0 1 0)");
    // The defining points of a composite are its members', which the plane search would otherwise
    // pass over as dependent entities.
    points.clear();
    c.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    EXPECT_EQ(xyz(points), "(0 0 0)(1 0 0)(1 0 0)(1 1 0)(1 1 0)(0 1 0)");

    c.m_Members.clear();
    EXPECT_THROW(c.M_Fn_Get_o_Vector3_f_Start(p, table), C_Exception); // no members
    EXPECT_THROW(c.M_Fn_Get_o_Vector3_f_Finish(p, table), C_Exception);
    c.m_Members = {1, 0};
    EXPECT_NO_THROW(c.M_Fn_Get_o_Vector3_f_Start(p, table));
    EXPECT_THROW(c.M_Fn_Get_o_Vector3_f_Finish(p, table), C_Exception); // slot 0
    c.m_Members = {1, 9};
    EXPECT_THROW(c.M_Fn_Get_list_o_Vector3_f_Without_Start(points, table), C_Exception); // past the table
    c.m_Members = {4};
    EXPECT_THROW(c.M_Fn_Get_o_Vector3_f_Start(p, table), C_Exception); // a matrix is no curve
    c.m_Members = {-1};
    EXPECT_THROW(c.M_Fn_Get_list_o_Vector3_f_Transformed(points, table), C_Exception);
}

TEST(C_Entity_102_Curve_Composite, CompositesContainingEachOtherThrowAndNestingIsBounded)
{
    C_Table_Entity table;
    three_lines(table);
    auto self = std::make_shared<C_Entity_102_Curve_Composite>();
    auto a = std::make_shared<C_Entity_102_Curve_Composite>();
    auto b = std::make_shared<C_Entity_102_Curve_Composite>();
    self->m_Members = {1, 4};
    a->m_Members = {6};
    b->m_Members = {2, 5};
    table.add_at(4, self);
    table.add_at(5, a);
    table.add_at(6, b);
    C_Vector3_f p;
    std::vector<C_Vector3_f> points;
    EXPECT_THROW(self->M_Fn_Get_list_o_Vector3_f_Without_Start(points, table), C_Exception);
    EXPECT_THROW(self->M_Fn_Get_list_o_Vector3_f_Transformed(points, table), C_Exception);
    EXPECT_THROW(self->M_Fn_Get_o_Vector3_f_Finish(p, table), C_Exception);
    EXPECT_NO_THROW(a->M_Fn_Get_o_Vector3_f_Start(p, table)); // b starts with a line: no cycle on that path
    EXPECT_THROW(a->M_Fn_Get_o_Vector3_f_Finish(p, table), C_Exception);
    EXPECT_THROW(b->M_Fn_Get_list_o_Vector3_f_Transformed(points, table), C_Exception);
    C_Context_Draw_Select context;
    context.m_p_Table = &table;
    EXPECT_THROW(a->M_Fn_Draw_Select(context), C_Exception);
    self->m_Members = {1, 2}; // the marks are cleared on the way out: a sound composite still answers
    points.clear();
    EXPECT_NO_THROW(self->M_Fn_Get_list_o_Vector3_f_Without_Start(points, table));
    EXPECT_EQ(points.size(), 2u);

    auto chain = [](int i_Depth) { // each composite holds the one below, down to a line
        C_Table_Entity t;
        t.add_at(1, line(7, 0, 0, 0, 0, 0));
        for (int i = 0; i < i_Depth; ++i) {
            auto c = std::make_shared<C_Entity_102_Curve_Composite>();
            c->m_Members = {i + 1};
            t.add_at(std::uint32_t(i + 2), c);
        }
        C_Vector3_f start;
        t.at(std::uint32_t(i_Depth + 1))->M_Fn_Get_o_Vector3_f_Start(start, t);
        return start.x;
    };
    EXPECT_EQ(chain(100), 7.0f);
    EXPECT_THROW(chain(C_Entity_102_Curve_Composite::S_Depth_Max + 1), C_Exception);
}

TEST(C_Entity_110_Line, ParametersReadAndWrittenAndTransformUnlessPlacedByAMatrix)
{
    auto l = read<C_Entity_110_Line>("110,-0.,0.1016,0.,0.1524,-0.,1.5D1;");
    EXPECT_TRUE(std::signbit(l->m_X1));
    EXPECT_EQ(l->m_Y1, 0.1016f);
    EXPECT_EQ(l->m_X2, 0.1524f);
    EXPECT_EQ(l->m_Z2, 15.0f);
    // "0;" would reach column 65: it moves to the next line.
    EXPECT_EQ(write(*l), (std::vector<std::string>{
                             pad("110,-0.000000,0.101600,0.000000,0.152400,-0.000000,15.000000,0,"), pad("0;")}));
    l = read<C_Entity_110_Line>("110,1.,,3.,,,;");
    EXPECT_EQ(l->m_Y1 * 100 + l->m_X2 * 10 + l->m_Z2, 133.0f);

    auto m = line(1, 0, 0, 0, 2, 0);
    m->M_Fn_Transform(translation(1.0f, 2.0f, 3.0f));
    C_Table_Entity table;
    std::vector<C_Vector3_f> points;
    m->M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    EXPECT_EQ(xyz(points), "(2 2 3)(1 4 3)");
    m->M_Fn_Set_Matrix_Slot(1);
    m->M_Fn_Transform(translation(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(m->m_X1, 2.0f);
}

TEST(C_Entity_124_Matrix, ParametersReadAndWrittenRowByRowAndPointsDividedByW)
{
    auto m = read<C_Entity_124_Matrix>("124,1.,2.,3.,4.,5.,6.,7.,8.,9.,10.,11.,12.;");
    // Column-major, element (r, c) at r + 4c; the bottom row stays 0 0 0 1.
    const std::vector<float> expected = {1, 5, 9, 0, 2, 6, 10, 0, 3, 7, 11, 0, 4, 8, 12, 1};
    EXPECT_EQ(std::vector<float>(m->m_Matrix.m_Data, m->m_Matrix.m_Data + 16), expected);
    EXPECT_EQ(write(*m), (std::vector<std::string>{
                             pad("124,1.000000,2.000000,3.000000,4.000000,5.000000,6.000000,"),
                             pad("7.000000,8.000000,9.000000,10.000000,11.000000,12.000000,0,0;")}));
    C_Table_Entity table;
    C_Entity_124_Matrix w;
    w.m_Matrix(0, 3) = 10.0f;
    w.m_Matrix(3, 3) = 2.0f;
    C_Vector3_f p;
    w.M_Fn_Get_o_Vector3_f_Transformed(p, table, C_Vector3_f(2.0f, 4.0f, 6.0f));
    EXPECT_EQ(xyz(p), "(6 2 3)"); // ((2 + 10) / 2, 4 / 2, 6 / 2)
    // M := T M: a rotation by 90 degrees about z after a translation by (1, 0, 0).
    C_Entity_124_Matrix n;
    n.m_Matrix(0, 3) = 1.0f;
    C_Matrix4_f t;
    t(0, 0) = 0.0f, t(0, 1) = -1.0f, t(1, 0) = 1.0f, t(1, 1) = 0.0f;
    n.M_Fn_Transform(t);
    n.M_Fn_Transform_Point(p, C_Vector3_f(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(xyz(p), "(0 2 0)");
}

TEST(C_Entity_126_Curve_B_Spline_Rational, ParametersReadAsTheFileGivesThem)
{
    // The parameter data of a cubic written by another system, without its normal.
    auto s = read<C_Entity_126_Curve_B_Spline_Rational>(
        "126,3,3,0,0,1,0,0.,0.,0.,0.,1.,1.,1.,1.,1.,1.,1.,1.,0.1524,0.,         "
        "0.,0.21345400159786,0.,0.,0.06105400159786,0.1016,0.,0.,0.1016,        "
        "0.,0.,1.;");
    EXPECT_EQ(s->m_Degree * 1000 + s->m_Count_Ctrl * 100 + s->m_Count_Knot * 10 + s->m_Planar, 3480);
    EXPECT_EQ(s->m_Polynomial, 1);
    EXPECT_EQ(s->m_Knots, (std::vector<float>{0, 0, 0, 0, 1, 1, 1, 1}));
    EXPECT_EQ(s->m_Weights, (std::vector<float>{1, 1, 1, 1}));
    ASSERT_EQ(s->m_Ctrl_Points.size(), 4u);
    EXPECT_EQ(s->m_Ctrl_Points[0].x, 0.1524f);
    EXPECT_EQ(s->m_Ctrl_Points[1].x, 0.21345400159786f);
    EXPECT_EQ(s->m_Ctrl_Points[2].y, 0.1016f);
    EXPECT_EQ(s->m_Ctrl_Points[3].x, 0.0f);
    EXPECT_EQ(s->m_V0, 0.0f);
    EXPECT_EQ(s->m_V1, 1.0f);
    EXPECT_EQ(xyz(s->m_Normal), "(1 1 1)"); // the missing normal repeats the last real read
}

TEST(C_Entity_126_Curve_B_Spline_Rational, WrittenReadBackAndCountsChecked)
{
    C_Entity_126_Curve_B_Spline_Rational s;
    s.m_Planar = 1;
    s.m_Periodic = 7;
    s.m_Degree = 1;
    s.m_Count_Ctrl = 2;
    s.m_Count_Knot = 4;
    s.m_Knots = {0, 0, 1, 1};
    s.m_Weights = {1, 0.5f};
    s.m_Ctrl_Points = {C_Vector3_f(1, 2, 3), C_Vector3_f(4, 5, 6)};
    s.m_V1 = 1;
    s.m_Normal = C_Vector3_f(0, 0, 1);
    const auto lines = write(s);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].substr(0, 30), "126,1,1,1,0,0,1,0.000000,0.000");
    auto back = read<C_Entity_126_Curve_B_Spline_Rational>(joined(lines));
    EXPECT_EQ(back->m_Planar * 100 + back->m_Periodic * 10 + back->m_Degree, 111);
    EXPECT_EQ(back->m_Knots, s.m_Knots);
    EXPECT_EQ(back->m_Weights, s.m_Weights);
    EXPECT_EQ(back->m_Ctrl_Points[1].y, 5.0f);
    EXPECT_EQ(back->m_Normal.z, 1.0f);
    EXPECT_EQ(write(*back), lines);

    for (const char* bad : {"126,-1,1,0,0,0,0;", "126,1,-2,0,0,0,0;", "126,2147483647,2147483647,0,0,0,0;",
                            "126,100000,3,0,0,0,0;"})
        EXPECT_THROW(read<C_Entity_126_Curve_B_Spline_Rational>(bad), C_Exception) << bad;
    // Lists that do not hold the counts are not written.
    C_Entity_126_Curve_B_Spline_Rational t;
    std::vector<std::string> out;
    EXPECT_THROW(t.M_Fn_Export_Param(out, ',', ';'), C_Exception); // empty
    t.m_Degree = 1, t.m_Count_Ctrl = 2, t.m_Count_Knot = 4;
    t.m_Knots = {0, 0, 1};
    t.m_Weights = {1, 1};
    t.m_Ctrl_Points.resize(2);
    EXPECT_THROW(t.M_Fn_Export_Param(out, ',', ';'), C_Exception);
    t.m_Knots.push_back(1);
    t.m_Weights.pop_back();
    EXPECT_THROW(t.M_Fn_Export_Param(out, ',', ';'), C_Exception);
    t.m_Weights.push_back(1);
    EXPECT_EQ(t.M_Fn_Export_Param(out, ',', ';'), 1);
}

TEST(C_Entity_126_Curve_B_Spline_Rational, EndKnotTestsCoverKnotsOneToDegree)
{
    using C = C_Entity_126_Curve_B_Spline_Rational;
    // Clamped cubic: starts and ends at its end control points.
    EXPECT_TRUE(C::S_Fn_If_Ctrl_Is_Start(4, {0, 0, 0, 0, 1, 1, 1, 1}));
    EXPECT_TRUE(C::S_Fn_If_Ctrl_Is_Terminate(4, {0, 0, 0, 0, 1, 1, 1, 1}));
    // Knot 3 (= degree) differs: the curve does not reach its first control point, although knots
    // 1 and 2 equal knot 0.
    EXPECT_FALSE(C::S_Fn_If_Ctrl_Is_Start(4, {0, 0, 0, 0.5f, 1, 1, 1, 1}));
    EXPECT_FALSE(C::S_Fn_If_Ctrl_Is_Terminate(4, {0, 0, 0, 0, 0.5f, 1, 1, 1}));
    EXPECT_FALSE(C::S_Fn_If_Ctrl_Is_Start(3, {0, 1, 2, 3, 4, 5})); // unclamped
    EXPECT_FALSE(C::S_Fn_If_Ctrl_Is_Terminate(3, {0, 1, 2, 3, 4, 5}));
    // Order 2 (degree 1) always passes through its end control points.
    EXPECT_TRUE(C::S_Fn_If_Ctrl_Is_Start(2, {0, 1, 2, 3}));
    EXPECT_TRUE(C::S_Fn_If_Ctrl_Is_Terminate(2, {}));
    EXPECT_THROW(C::S_Fn_If_Ctrl_Is_Start(4, {0, 0, 0}), C_Exception); // too few knots
    EXPECT_THROW(C::S_Fn_If_Ctrl_Is_Terminate(4, {0, 0, 0}), C_Exception);
    EXPECT_TRUE(C::S_Fn_If_Ctrl_Is_Start(4, {0, 0, 0, 0}));
}

TEST(C_Entity_314_Color, PercentReadAndWrittenWithItsName)
{
    auto c = read<C_Entity_314_Color>("314,100.,50.,0.,4HBlue;");
    EXPECT_EQ(rgba(*c, C_Table_Entity(), false, false), "1 0.5 0 1");
    EXPECT_EQ(c->m_Name, "Blue");
    EXPECT_EQ(write(*c), std::vector<std::string>{pad("314,100.000000,50.000000,0.000000,4HBlue,0,0;")});
    C_Entity_314_Color empty;
    EXPECT_EQ(write(empty), std::vector<std::string>{pad("314,0.000000,0.000000,0.000000,,0,0;")});
    C_Entity_314_Color named; // a name that runs across lines reads back whole
    named.m_Name = std::string(70, 'n') + ",;";
    EXPECT_EQ(read<C_Entity_314_Color>(joined(write(named)))->m_Name, named.m_Name);
}
