// The entity base: factory, packed flags, directory entry read and written, colour, transformed
// points, description, renumbering and the drawing rules.
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

using namespace N_Biz::N_IGES;
using N_Common::N_Exception::C_Exception;
using N_Test_IGES::G_Fn_Field;

namespace {

// Columns 1-72 of a parameter line: data padded to 64, a blank, the back pointer in 7 columns.
std::string S_Fn_P(const std::string& i_Data, int i_Back)
{
    std::string line = i_Data;
    line.resize(64, ' ');
    char back[16];
    std::snprintf(back, sizeof(back), " %7d", i_Back);
    return line + back;
}

std::string S_Fn_Label(const std::string& i_Label)
{
    std::string label = i_Label;
    label.resize(8, ' ');
    return label;
}

// One directory entry of a line entity at slot 1 with the given fields.
std::vector<std::string> S_Fn_D_Line(long long i_Matrix, long long i_Color, const std::string& i_Status,
                                     long long i_Pointer = 1, long long i_Count = 1, long long i_Type_2 = 110)
{
    return {"",
            G_Fn_Field(110) + G_Fn_Field(i_Pointer) + G_Fn_Field(0) + G_Fn_Field(0) + G_Fn_Field(0) + G_Fn_Field(0) +
                G_Fn_Field(i_Matrix) + G_Fn_Field(0) + i_Status,
            G_Fn_Field(i_Type_2) + G_Fn_Field(0) + G_Fn_Field(i_Color) + G_Fn_Field(i_Count) + G_Fn_Field(0) +
                std::string(16, ' ') + S_Fn_Label("AB CD") + G_Fn_Field(0)};
}

const std::vector<std::string> S_P_Line = {"", S_Fn_P("110,1.,2.,3.,4.,5.,6.;", 1)};

} // namespace

TEST(C_Entity, FactoryGivesTheClassOfTheType)
{
    EXPECT_NE(dynamic_cast<C_Entity_100_Arc_Circular*>(C_Entity::S_Fn_Factory_spo_Entity(100).get()), nullptr);
    EXPECT_NE(dynamic_cast<C_Entity_102_Curve_Composite*>(C_Entity::S_Fn_Factory_spo_Entity(102).get()), nullptr);
    EXPECT_NE(dynamic_cast<C_Entity_110_Line*>(C_Entity::S_Fn_Factory_spo_Entity(110).get()), nullptr);
    EXPECT_NE(dynamic_cast<C_Entity_124_Matrix*>(C_Entity::S_Fn_Factory_spo_Entity(124).get()), nullptr);
    EXPECT_NE(dynamic_cast<C_Entity_126_Curve_B_Spline_Rational*>(C_Entity::S_Fn_Factory_spo_Entity(126).get()),
              nullptr);
    EXPECT_NE(dynamic_cast<C_Entity_314_Color*>(C_Entity::S_Fn_Factory_spo_Entity(314).get()), nullptr);
    for (int type : {0, 104, 402, -1}) {
        auto e = C_Entity::S_Fn_Factory_spo_Entity(type);
        EXPECT_NE(dynamic_cast<C_Entity_0_Null*>(e.get()), nullptr);
        EXPECT_EQ(e->M_Fn_Get_Type(), 0);
        EXPECT_STREQ(e->M_Fn_Get_Name_Type(), L"Null");
    }
    EXPECT_STREQ(C_Entity::S_Fn_Factory_spo_Entity(126)->M_Fn_Get_Name_Type(), L"Rational B-Spline Curve");
    EXPECT_EQ(C_Entity().Clone_apo_Entity(), nullptr);
}

TEST(C_Entity, DefaultFlagsOfTheTypes)
{
    for (int type : {100, 102, 110, 126}) {
        auto e = C_Entity::S_Fn_Factory_spo_Entity(type);
        EXPECT_EQ(e->M_Fn_Get_Entity_Use(), 0u) << type;
        EXPECT_FALSE(e->M_Fn_If_Blanked());
        EXPECT_TRUE(e->M_Fn_If_Independent());
        EXPECT_EQ(e->m_Color, 0);
        EXPECT_EQ(e->m_Id, 0);
        EXPECT_EQ(e->m_Label, "");
    }
    C_Entity_124_Matrix matrix;
    EXPECT_EQ(matrix.M_Fn_Get_Entity_Use(), 2u);
    EXPECT_TRUE(matrix.M_Fn_If_Blanked());
    EXPECT_EQ(matrix.M_Fn_Get_Subordinate(), 2u);
    EXPECT_FALSE(matrix.M_Fn_If_Physically_Dependent());
    EXPECT_FALSE(matrix.M_Fn_If_Independent());
    C_Entity_314_Color color;
    EXPECT_EQ(color.M_Fn_Get_Entity_Use(), 2u);
    EXPECT_FALSE(color.M_Fn_If_Blanked());
}

TEST(C_Entity, FlagAccessorsKeepTheirFields)
{
    C_Entity_110_Line e;
    e.M_Fn_Set_Subordinate(3);
    e.M_Fn_Set_Hierarchy(7);
    e.M_Fn_Set_Entity_Use(15);
    e.M_Fn_Set_Blanked(true);
    e.M_Fn_Set_Color_Slot(4);
    e.M_Fn_Set_Matrix_Slot(2);
    EXPECT_EQ(e.M_Fn_Get_Subordinate(), 3u);
    EXPECT_EQ(e.M_Fn_Get_Hierarchy(), 7u);
    EXPECT_EQ(e.M_Fn_Get_Entity_Use(), 15u);
    EXPECT_TRUE(e.M_Fn_If_Blanked());
    EXPECT_TRUE(e.M_Fn_If_Physically_Dependent());
    EXPECT_TRUE(e.M_Fn_If_Color_Pointer());
    EXPECT_TRUE(e.M_Fn_If_Matrix());
    EXPECT_FALSE(e.M_Fn_Flag_Get(C_Entity::E_Flag_Pointer_View));
    e.M_Fn_Set_Subordinate(1);
    EXPECT_EQ(e.M_Fn_Get_Hierarchy(), 7u);
    EXPECT_EQ(e.M_Fn_Get_Entity_Use(), 15u);
    e.M_Fn_Set_Color_Number(8);
    EXPECT_FALSE(e.M_Fn_If_Color_Pointer());
    e.M_Fn_Set_Matrix_Slot(0);
    EXPECT_FALSE(e.M_Fn_If_Matrix());
    EXPECT_THROW(e.M_Fn_Set_Subordinate(4), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Hierarchy(8), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Entity_Use(16), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Color_Number(9), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Color_Number(-1), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Color_Slot(0), C_Exception);
    EXPECT_THROW(e.M_Fn_Set_Matrix_Slot(-1), C_Exception);
    EXPECT_EQ(e.M_Fn_Get_Subordinate(), 1u);
}

TEST(C_Entity, DirectoryEntryReadsPointersAndValues)
{
    C_Entity_110_Line e;
    const auto d = S_Fn_D_Line(7, -5, "01020302");
    EXPECT_EQ(e.M_Fn_Import(d, 1, S_P_Line, ',', ';'), 1);
    EXPECT_TRUE(e.M_Fn_If_Matrix());
    EXPECT_EQ(e.m_Matrix, 4);
    EXPECT_TRUE(e.M_Fn_If_Color_Pointer());
    EXPECT_EQ(e.m_Color, 3);
    EXPECT_EQ(e.m_Label, "AB");
    EXPECT_TRUE(e.M_Fn_If_Blanked());
    EXPECT_EQ(e.M_Fn_Get_Subordinate(), 2u);
    EXPECT_EQ(e.M_Fn_Get_Entity_Use(), 3u);
    EXPECT_EQ(e.M_Fn_Get_Hierarchy(), 2u);
    EXPECT_EQ(e.m_Id, 0);
    EXPECT_EQ(e.m_X1, 1.0f);
    EXPECT_EQ(e.m_Z2, 6.0f);

    // A matrix field of 0 leaves the flag clear; a colour number is a value.
    C_Entity_110_Line f;
    f.M_Fn_Import(S_Fn_D_Line(0, 2, "00000000"), 1, S_P_Line, ',', ';');
    EXPECT_FALSE(f.M_Fn_If_Matrix());
    EXPECT_FALSE(f.M_Fn_If_Color_Pointer());
    EXPECT_EQ(f.m_Color, 2);

    // The other pointer-or-value fields: negative pointers for structure, line font and level,
    // positive ones for view and label display.
    std::vector<std::string> d2 = {
        "",
        G_Fn_Field(110) + G_Fn_Field(1) + G_Fn_Field(-3) + G_Fn_Field(-7) + G_Fn_Field(-1) + G_Fn_Field(5) +
            G_Fn_Field(0) + G_Fn_Field(9) + "00000000",
        G_Fn_Field(110) + G_Fn_Field(4) + G_Fn_Field(0) + G_Fn_Field(1) + G_Fn_Field(2) + std::string(16, ' ') +
            S_Fn_Label("") + G_Fn_Field(12)};
    C_Entity_110_Line g;
    g.M_Fn_Import(d2, 1, S_P_Line, ',', ';');
    EXPECT_TRUE(g.M_Fn_Flag_Get(C_Entity::E_Flag_Pointer_Structure));
    EXPECT_EQ(g.m_Structure, 2);
    EXPECT_TRUE(g.M_Fn_Flag_Get(C_Entity::E_Flag_Pointer_Line_Font));
    EXPECT_EQ(g.m_Line_Font, 4);
    EXPECT_TRUE(g.M_Fn_Flag_Get(C_Entity::E_Flag_Pointer_Level));
    EXPECT_EQ(g.m_Level, 1);
    EXPECT_TRUE(g.M_Fn_Flag_Get(C_Entity::E_Flag_Pointer_View));
    EXPECT_EQ(g.m_View, 3);
    EXPECT_TRUE(g.M_Fn_Flag_Get(C_Entity::E_Flag_Pointer_Label_Display));
    EXPECT_EQ(g.m_Label_Display, 5);
    EXPECT_EQ(g.m_Line_Weight, 4);
    EXPECT_EQ(g.m_Form, 2);
    EXPECT_EQ(g.m_Subscript, 12);
    EXPECT_EQ(g.m_Label, "");

    // Written back, every field gives the text it was read from.
    g.m_Id = 1;
    std::vector<std::string> out_d, out_p;
    g.M_Fn_Export(out_d, out_p, ',', ';');
    ASSERT_EQ(out_d.size(), 2u);
    EXPECT_EQ(out_d[0], d2[1]);
    EXPECT_EQ(out_d[1], d2[2]);
}

TEST(C_Entity, DirectoryEntryWrittenColumnByColumn)
{
    C_Entity_110_Line e;
    e.m_X1 = 1.0f, e.m_Y1 = 2.0f, e.m_Z1 = 3.0f, e.m_X2 = 4.0f, e.m_Y2 = 5.0f, e.m_Z2 = 6.0f;
    e.M_Fn_Set_Color_Slot(3);
    e.M_Fn_Set_Matrix_Slot(4);
    e.M_Fn_Set_Subordinate(1);
    e.m_Label = "LONGLABEL9";
    e.m_Id = 2;
    std::vector<std::string> d, p = {"earlier P line"};
    EXPECT_EQ(e.M_Fn_Export(d, p, ',', ';'), 1);
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[0], "     110       2       0       0       0       0       7       000010000");
    EXPECT_EQ(d[1], "     110       0      -5       1       0                LONGLABE       0");
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[1], "110,1.000000,2.000000,3.000000,4.000000,5.000000,6.000000,0,0;         3");

    // An entity use above 9 keeps both columns of its field and reads back.
    C_Entity_110_Line use;
    use.M_Fn_Set_Entity_Use(12);
    use.m_Id = 1;
    d.clear();
    p.clear();
    use.M_Fn_Export(d, p, ',', ';');
    EXPECT_EQ(d[0].substr(64), "00001200");
    C_Entity_110_Line back;
    back.M_Fn_Import({"", d[0], d[1]}, 1, {"", p[0]}, ',', ';');
    EXPECT_EQ(back.M_Fn_Get_Entity_Use(), 12u);
}

TEST(C_Entity, DirectoryEntryRefusals)
{
    C_Entity_110_Line e;
    // Subordinate switch above 3.
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00040000"), 1, S_P_Line, ',', ';'), C_Exception);
    // Type of the second line differs.
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000", 1, 1, 100), 1, S_P_Line, ',', ';'), C_Exception);
    // Parameter pointer 0 or below, count 0 or below, lines beyond the P section.
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000", 0, 1), 1, S_P_Line, ',', ';'), C_Exception);
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000", -3, 1), 1, S_P_Line, ',', ';'), C_Exception);
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000", 1, 0), 1, S_P_Line, ',', ';'), C_Exception);
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000", 1, -1), 1, S_P_Line, ',', ';'), C_Exception);
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000", 1, 2), 1, S_P_Line, ',', ';'), C_Exception);
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000", 2, 1), 1, S_P_Line, ',', ';'), C_Exception);
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000", 1, 99999999), 1, S_P_Line, ',', ';'), C_Exception);
    // A parameter line that points back at another entity.
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000"), 1, {"", S_Fn_P("110,1.,2.,3.,4.,5.,6.;", 3)}, ',', ';'),
                 C_Exception);
    // A parameter text of another type.
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000"), 1, {"", S_Fn_P("100,1.,2.,3.,4.,5.,6.;", 1)}, ',', ';'),
                 C_Exception);
    // Directory lines that do not exist.
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000"), 2, S_P_Line, ',', ';'), C_Exception);
    EXPECT_THROW(e.M_Fn_Import(S_Fn_D_Line(0, 0, "00000000"), 0, S_P_Line, ',', ';'), C_Exception);
    // Writing without an id, or with an id whose pointer does not fit 7 columns.
    C_Entity_110_Line w;
    std::vector<std::string> d, p;
    EXPECT_THROW(w.M_Fn_Export(d, p, ',', ';'), C_Exception);
    w.m_Id = 5000001; // pointer 10000001
    EXPECT_THROW(w.M_Fn_Export(d, p, ',', ';'), C_Exception);
    w.m_Id = 1;
    w.m_Form = 123456789;
    EXPECT_THROW(w.M_Fn_Export(d, p, ',', ';'), C_Exception);
    EXPECT_TRUE(d.empty());
    EXPECT_TRUE(p.empty());
}

TEST(C_Entity, ColourByNumber)
{
    C_Table_Entity table;
    C_Entity_110_Line e;
    float c[4];
    EXPECT_EQ(e.M_Fn_Get_o_Color_f(table, false, false, c), 1);
    EXPECT_EQ(c[0], 0.5f);
    EXPECT_EQ(c[1], 0.5f);
    EXPECT_EQ(c[2], 0.5f);
    EXPECT_EQ(c[3], 1.0f);
    e.M_Fn_Get_o_Color_f(table, true, false, c); // inverse 0.5 lightened by 0.75
    EXPECT_EQ(c[0], 0.875f);
    e.M_Fn_Get_o_Color_f(table, false, true, c); // 0.5 lightened by 0.875
    EXPECT_EQ(c[2], 0.9375f);
    e.M_Fn_Get_o_Color_f(table, true, true, c); // selected wins
    EXPECT_EQ(c[1], 0.875f);
    const float expected[9][3] = {{0.5f, 0.5f, 0.5f}, {0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1},
                                  {1, 1, 0},          {1, 0, 1}, {0, 1, 1}, {1, 1, 1}};
    for (int n = 0; n <= 8; ++n) {
        e.M_Fn_Set_Color_Number(n);
        e.M_Fn_Get_o_Color_f(table, false, false, c);
        EXPECT_EQ(c[0], expected[n][0]) << n;
        EXPECT_EQ(c[1], expected[n][1]) << n;
        EXPECT_EQ(c[2], expected[n][2]) << n;
    }
    e.m_Color = 9;
    EXPECT_THROW(e.M_Fn_Get_o_Color_f(table, false, false, c), C_Exception);
    e.m_Color = -2;
    EXPECT_THROW(e.M_Fn_Get_o_Color_f(table, false, false, c), C_Exception);
}

TEST(C_Entity, ColourByReferenceNeedsAColourDefinition)
{
    C_Table_Entity table;
    auto color = std::make_shared<C_Entity_314_Color>();
    color->m_Color[0] = 1.0f;
    color->m_Color[1] = 0.5f;
    color->m_Color[2] = 0.0f;
    color->M_Fn_Update_Shades();
    table.add_at(1, color);
    table.add_at(2, std::make_shared<C_Entity_110_Line>());
    C_Entity_110_Line e;
    e.M_Fn_Set_Color_Slot(1);
    float c[4];
    EXPECT_EQ(e.M_Fn_Get_o_Color_f(table, false, false, c), 1);
    EXPECT_EQ(c[0], 1.0f);
    EXPECT_EQ(c[1], 0.5f);
    EXPECT_EQ(c[2], 0.0f);
    EXPECT_EQ(c[3], 1.0f);
    e.M_Fn_Get_o_Color_f(table, true, false, c); // inverse (0, 0.5, 1) lightened by 0.75
    EXPECT_EQ(c[0], 0.75f);
    EXPECT_EQ(c[1], 0.875f);
    EXPECT_EQ(c[2], 1.0f);
    e.M_Fn_Get_o_Color_f(table, false, true, c); // (1, 0.5, 0) lightened by 0.875
    EXPECT_EQ(c[1], 0.9375f);
    EXPECT_EQ(c[2], 0.875f);
    EXPECT_EQ(&e.M_Fn_Get_ro_Color(table), color.get());
    EXPECT_THROW(C_Entity_110_Line().M_Fn_Get_ro_Color(table), C_Exception); // no colour pointer
    EXPECT_THROW(C_Entity_110_Line().M_Fn_Get_ro_Matrix(table), C_Exception);
    e.M_Fn_Set_Color_Slot(2); // a line is no colour definition
    EXPECT_THROW(e.M_Fn_Get_o_Color_f(table, false, false, c), C_Exception);
    e.M_Fn_Set_Color_Slot(3); // past the table
    EXPECT_THROW(e.M_Fn_Get_o_Color_f(table, false, false, c), C_Exception);
    e.M_Fn_Set_Color_Slot(1000000);
    EXPECT_THROW(e.M_Fn_Get_o_Color_f(table, false, false, c), C_Exception);
    table.add_at(5, nullptr); // occupied but empty
    e.M_Fn_Set_Color_Slot(5);
    EXPECT_THROW(e.M_Fn_Get_o_Color_f(table, false, false, c), C_Exception);
}

TEST(C_Entity, TransformedPointGoesThroughOneMatrixEntity)
{
    C_Table_Entity table;
    auto matrix = std::make_shared<C_Entity_124_Matrix>();
    matrix->m_Matrix(0, 3) = 10.0f; // T1
    matrix->M_Fn_Set_Matrix_Slot(3); // its own matrix field is never followed
    auto other = std::make_shared<C_Entity_124_Matrix>();
    other->m_Matrix(1, 3) = 100.0f;
    table.add_at(1, matrix);
    table.add_at(2, std::make_shared<C_Entity_314_Color>());
    table.add_at(3, other);
    C_Entity_110_Line e;
    e.m_X1 = 1.0f, e.m_Y1 = 2.0f, e.m_Z1 = 3.0f, e.m_X2 = 4.0f, e.m_Y2 = 5.0f, e.m_Z2 = 6.0f;
    std::vector<C_Vector3_f> points;
    e.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x, 1.0f); // no matrix: unchanged
    e.M_Fn_Set_Matrix_Slot(1);
    points.clear();
    e.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].x, 11.0f);
    EXPECT_EQ(points[0].y, 2.0f);
    EXPECT_EQ(points[0].z, 3.0f);
    EXPECT_EQ(points[1].x, 14.0f);
    EXPECT_EQ(points[1].y, 5.0f);
    e.M_Fn_Set_Matrix_Slot(2); // a colour definition is no matrix
    EXPECT_THROW(e.M_Fn_Get_list_o_Vector3_f_Transformed(points, table), C_Exception);
    e.M_Fn_Set_Matrix_Slot(4);
    EXPECT_THROW(e.M_Fn_Get_list_o_Vector3_f_Transformed(points, table), C_Exception);
}

TEST(C_Entity, BaseQueriesThrow)
{
    C_Table_Entity table;
    C_Entity_0_Null e;
    C_Vector3_f p;
    std::vector<C_Vector3_f> list;
    EXPECT_THROW(e.M_Fn_Get_o_Vector3_f_Start(p, table), C_Exception);
    EXPECT_THROW(e.M_Fn_Get_o_Vector3_f_Finish(p, table), C_Exception);
    EXPECT_THROW(e.M_Fn_Get_list_o_Vector3_f_Without_Start(list, table), C_Exception);
    EXPECT_EQ(e.M_Fn_Get_list_o_Vector3_f_Transformed(list, table), 1);
    EXPECT_TRUE(list.empty());
    C_Entity base;
    bool end = false;
    std::string_view text = "1;";
    std::vector<std::string> lines;
    EXPECT_THROW(base.M_Fn_Import_Param(end, text, ',', ';'), C_Exception);
    EXPECT_THROW(base.M_Fn_Export_Param(lines, ',', ';'), C_Exception);
    C_Entity_124_Matrix m;
    EXPECT_THROW(m.M_Fn_Get_o_Vector3_f_Start(p, table), C_Exception);
    C_Entity_314_Color c;
    EXPECT_THROW(c.M_Fn_Get_o_Vector3_f_Finish(p, table), C_Exception);
}

TEST(C_Entity, DescribeGivesTypeAndId)
{
    C_Entity_110_Line e;
    e.m_Id = 4;
    std::vector<std::wstring> lines = {L"before"};
    e.M_Fn_Describe(L"  ", lines);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], L"  Entity Type: Line");
    EXPECT_EQ(lines[2], L"  Entity Id: 4");
}

TEST(C_Entity, RemapRenumbersIdAndSlots)
{
    C_Entity_110_Line e;
    e.m_Id = 2;
    e.M_Fn_Set_Color_Slot(3);
    e.M_Fn_Set_Matrix_Slot(4);
    e.m_View = 5; // a value, not a slot
    e.M_Fn_Remap_Id({{2, 7}, {3, 8}, {4, 9}});
    EXPECT_EQ(e.m_Id, 7);
    EXPECT_EQ(e.m_Color, 8);
    EXPECT_EQ(e.m_Matrix, 9);
    EXPECT_EQ(e.m_View, 5);
    // A missing id throws and changes nothing.
    EXPECT_THROW(e.M_Fn_Remap_Id({{7, 1}, {8, 2}}), C_Exception);
    EXPECT_EQ(e.m_Id, 7);
    EXPECT_EQ(e.m_Color, 8);

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
    auto visible = std::make_shared<C_Line_Count>(count);
    auto blanked = std::make_shared<C_Line_Count>(count);
    blanked->M_Fn_Set_Blanked(true);
    auto member = std::make_shared<C_Line_Count>(count);
    member->M_Fn_Set_Subordinate(1);
    auto member_blanked = std::make_shared<C_Line_Count>(count);
    member_blanked->M_Fn_Set_Subordinate(3);
    member_blanked->M_Fn_Set_Blanked(true);
    auto composite = std::make_shared<C_Entity_102_Curve_Composite>();
    composite->m_Members = {3, 4};
    auto definition = std::make_shared<C_Line_Count>(count);
    definition->M_Fn_Set_Entity_Use(2);
    table.add_at(1, visible);
    table.add_at(2, blanked);
    table.add_at(3, member);
    table.add_at(4, member_blanked);
    table.add_at(5, composite);
    table.add_at(6, definition);

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
    EXPECT_THROW(visible->M_Fn_Draw_Render(no_table), C_Exception);
}

TEST(C_Entity, CloneCopiesEveryField)
{
    C_Entity_126_Curve_B_Spline_Rational spline;
    spline.m_Knots = {0, 0, 1, 1};
    spline.m_Label = "S";
    spline.M_Fn_Set_Color_Slot(9);
    auto clone = spline.Clone_apo_Entity();
    auto* copy = dynamic_cast<C_Entity_126_Curve_B_Spline_Rational*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->m_Knots, spline.m_Knots);
    EXPECT_EQ(copy->m_Label, "S");
    EXPECT_TRUE(copy->M_Fn_If_Color_Pointer());
    EXPECT_EQ(copy->m_Color, 9);
    for (int type : {0, 100, 102, 110, 124, 314}) {
        auto e = C_Entity::S_Fn_Factory_spo_Entity(type);
        auto c = e->Clone_apo_Entity();
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->M_Fn_Get_Type(), type);
    }
}
