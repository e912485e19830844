// The entity types 0, 100, 102, 110, 124, 126 and 314: parameters read and written, geometric
// queries, transforms and their checks.
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

using namespace N_Biz::N_IGES;
using N_Common::N_Exception::C_Exception;
using N_Test_IGES::G_Fn_Field;

namespace {

// Reads an entity of type T at slot 1 from a parameter text (split into 64-column lines).
template <class T>
std::shared_ptr<T> S_Fn_Read(const std::string& i_Param)
{
    auto entity = std::make_shared<T>();
    const std::int32_t type = entity->M_Fn_Get_Type();
    std::vector<std::string> p = {""};
    for (std::size_t pos = 0; pos < i_Param.size(); pos += 64) {
        std::string line = i_Param.substr(pos, 64);
        line.resize(64, ' ');
        p.push_back(line + "       1");
    }
    const std::vector<std::string> d = {
        "",
        G_Fn_Field(type) + G_Fn_Field(1) + std::string(48, ' ') + "00000000",
        G_Fn_Field(type) + G_Fn_Field(0) + G_Fn_Field(0) + G_Fn_Field(std::int64_t(p.size()) - 1) + G_Fn_Field(0) +
            std::string(32, ' ') + G_Fn_Field(0)};
    entity->M_Fn_Import(d, 1, p, ',', ';');
    return entity;
}

// The parameter lines an entity writes, columns 1-64 each.
std::vector<std::string> S_Fn_Write(C_Entity& io_Entity)
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

std::string S_Fn_Pad(const std::string& i_Text) { return i_Text + std::string(64 - i_Text.size(), ' '); }

C_Matrix4_f S_Fn_Translation(float i_X, float i_Y, float i_Z)
{
    C_Matrix4_f m;
    m(0, 3) = i_X;
    m(1, 3) = i_Y;
    m(2, 3) = i_Z;
    return m;
}

// Three lines (0,0)-(1,0), (1,0)-(1,1), (1,1)-(0,1) at slots 1-3, members of dependent status.
void S_Fn_Three_Lines(C_Table_Entity& io_Table)
{
    const float ends[3][4] = {{0, 0, 1, 0}, {1, 0, 1, 1}, {1, 1, 0, 1}};
    for (std::uint32_t i = 0; i < 3; ++i) {
        auto line = std::make_shared<C_Entity_110_Line>();
        line->m_X1 = ends[i][0], line->m_Y1 = ends[i][1], line->m_X2 = ends[i][2], line->m_Y2 = ends[i][3];
        line->M_Fn_Set_Subordinate(1);
        io_Table.add_at(i + 1, line);
    }
}

} // namespace

// ---------- 0 ----------

TEST(C_Entity_0_Null, ReadsAndWritesNothing)
{
    C_Entity_0_Null e;
    bool end = false;
    std::string_view text = "1,2,3;";
    EXPECT_EQ(e.M_Fn_Import_Param(end, text, ',', ';'), 1);
    EXPECT_EQ(text, "1,2,3;");
    EXPECT_EQ(S_Fn_Write(e), std::vector<std::string>{S_Fn_Pad("0,0,0;")});
    auto back = S_Fn_Read<C_Entity_0_Null>("0,0,0;");
    EXPECT_EQ(back->M_Fn_Get_Type(), 0);
}

// ---------- 100 ----------

TEST(C_Entity_100_Arc_Circular, ParametersReadAndWritten)
{
    auto arc = S_Fn_Read<C_Entity_100_Arc_Circular>("100,1.,2.,3.,4.,5.,6.,7.;");
    EXPECT_EQ(arc->m_ZT, 1.0f);
    EXPECT_EQ(arc->m_X1, 2.0f);
    EXPECT_EQ(arc->m_Y1, 3.0f);
    EXPECT_EQ(arc->m_X2, 4.0f);
    EXPECT_EQ(arc->m_Y2, 5.0f);
    EXPECT_EQ(arc->m_X3, 6.0f);
    EXPECT_EQ(arc->m_Y3, 7.0f);
    const auto lines = S_Fn_Write(*arc);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], S_Fn_Pad("100,1.000000,2.000000,3.000000,4.000000,5.000000,6.000000,"));
    EXPECT_EQ(lines[1], S_Fn_Pad("7.000000,0,0;"));
    EXPECT_STREQ(arc->M_Fn_Get_Name_Type(), L"Circular Arc");
}

TEST(C_Entity_100_Arc_Circular, EmptyRealsRepeatThePreviousOne)
{
    auto arc = S_Fn_Read<C_Entity_100_Arc_Circular>("100,0.,1.,2.,,,5.,6.;");
    EXPECT_EQ(arc->m_X2, 2.0f);
    EXPECT_EQ(arc->m_Y2, 2.0f);
    EXPECT_EQ(arc->m_X3, 5.0f);
    // A record that ends early repeats the last real read.
    auto short_arc = S_Fn_Read<C_Entity_100_Arc_Circular>("100,0.,1.,2.;");
    EXPECT_EQ(short_arc->m_Y3, 2.0f);
}

TEST(C_Entity_100_Arc_Circular, DefiningPointsLieAtZT)
{
    C_Table_Entity table;
    C_Entity_100_Arc_Circular arc;
    arc.m_ZT = 2.0f;
    arc.m_X1 = 0.0f, arc.m_Y1 = 0.0f, arc.m_X2 = 1.0f, arc.m_Y2 = 0.0f, arc.m_X3 = 0.0f, arc.m_Y3 = 1.0f;
    std::vector<C_Vector3_f> points;
    arc.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].z, 2.0f); // centre
    EXPECT_EQ(points[1].x, 1.0f); // start
    EXPECT_EQ(points[1].z, 2.0f);
    EXPECT_EQ(points[2].y, 1.0f); // terminate
    C_Vector3_f p;
    arc.M_Fn_Get_o_Vector3_f_Start(p, table);
    EXPECT_EQ(p.x, 1.0f);
    EXPECT_EQ(p.z, 2.0f);
    arc.M_Fn_Get_o_Vector3_f_Finish(p, table);
    EXPECT_EQ(p.y, 1.0f);
    points.clear();
    arc.M_Fn_Get_list_o_Vector3_f_Without_Start(points, table);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0].y, 1.0f);
}

TEST(C_Entity_100_Arc_Circular, ArcWithoutMatrixFollowsTheTransform)
{
    C_Table_Entity table;
    C_Entity_100_Arc_Circular arc;
    arc.m_ZT = 1.0f;
    arc.m_X1 = 0.0f, arc.m_Y1 = 0.0f, arc.m_X2 = 1.0f, arc.m_Y2 = 0.0f, arc.m_X3 = 0.0f, arc.m_Y3 = 1.0f;
    // Translate by (5, 0, -1) and mirror z: the arc's plane z = 1 goes to z = 0.
    C_Matrix4_f t = S_Fn_Translation(5.0f, 0.0f, 1.0f);
    t(2, 2) = -1.0f;
    arc.M_Fn_Transform(t);
    EXPECT_EQ(arc.m_X2, 1.0f); // the parameters stay as the file gave them
    std::vector<C_Vector3_f> points;
    arc.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].x, 5.0f);
    EXPECT_EQ(points[0].z, 0.0f);
    EXPECT_EQ(points[1].x, 6.0f);
    EXPECT_EQ(points[2].y, 1.0f);
    // The mirror is seen exactly as through a matrix entity: (0,0,1) lands below (0,0,0).
    C_Vector3_f origin, up;
    arc.M_Fn_Get_o_Vector3_f_Transformed(origin, table, C_Vector3_f(0, 0, 0));
    arc.M_Fn_Get_o_Vector3_f_Transformed(up, table, C_Vector3_f(0, 0, 1));
    EXPECT_LT(up.z - origin.z, 0.0f);
    // The file has no place for such a placement: writing it is refused.
    std::vector<std::string> lines;
    EXPECT_THROW(arc.M_Fn_Export_Param(lines, ',', ';'), C_Exception);
}

TEST(C_Entity_100_Arc_Circular, ArcWithMatrixIsMovedThroughIt)
{
    C_Table_Entity table;
    auto matrix = std::make_shared<C_Entity_124_Matrix>();
    table.add_at(1, matrix);
    C_Entity_100_Arc_Circular arc;
    arc.m_X2 = 1.0f;
    arc.M_Fn_Set_Matrix_Slot(1);
    const C_Matrix4_f t = S_Fn_Translation(0.0f, 3.0f, 0.0f);
    arc.M_Fn_Transform(t); // the arc stays; the matrix entity is transformed on its own
    EXPECT_TRUE(arc.M_Fn_If_Placement_Identity());
    matrix->M_Fn_Transform(t);
    std::vector<C_Vector3_f> points;
    arc.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[1].x, 1.0f);
    EXPECT_EQ(points[1].y, 3.0f);
}

// ---------- 102 ----------

TEST(C_Entity_102_Curve_Composite, ParametersReadAndWritten)
{
    auto c = S_Fn_Read<C_Entity_102_Curve_Composite>("102,3,1,3,5;");
    EXPECT_EQ(c->m_Members, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_EQ(S_Fn_Write(*c), std::vector<std::string>{S_Fn_Pad("102,3,1,3,5,0,0;")});
    EXPECT_TRUE(S_Fn_Read<C_Entity_102_Curve_Composite>("102,0;")->m_Members.empty());
    EXPECT_TRUE(S_Fn_Read<C_Entity_102_Curve_Composite>("102,-4,1;")->m_Members.empty());
    EXPECT_TRUE(S_Fn_Read<C_Entity_102_Curve_Composite>("102,,1;")->m_Members.empty());
    // A count beyond the pointers present reads the missing ones as slot 0.
    EXPECT_EQ(S_Fn_Read<C_Entity_102_Curve_Composite>("102,3,1;")->m_Members, (std::vector<std::int32_t>{1, 0, 0}));
    // A count the parameter text could never hold is refused before anything is sized by it.
    EXPECT_THROW(S_Fn_Read<C_Entity_102_Curve_Composite>("102,99999999;"), C_Exception);
    EXPECT_THROW(S_Fn_Read<C_Entity_102_Curve_Composite>("102,2147483647,1;"), C_Exception);
}

TEST(C_Entity_102_Curve_Composite, MembersGiveStartFinishAndPoints)
{
    C_Table_Entity table;
    S_Fn_Three_Lines(table);
    auto c = std::make_shared<C_Entity_102_Curve_Composite>();
    c->m_Members = {1, 2, 3};
    table.add_at(4, c);
    C_Vector3_f p;
    c->M_Fn_Get_o_Vector3_f_Start(p, table);
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 0.0f);
    c->M_Fn_Get_o_Vector3_f_Finish(p, table);
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 1.0f);
    std::vector<C_Vector3_f> points;
    c->M_Fn_Get_list_o_Vector3_f_Without_Start(points, table);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].x, 1.0f);
    EXPECT_EQ(points[1].y, 1.0f);
    EXPECT_EQ(points[2].x, 0.0f);
    // The defining points of a composite are its members', which the plane search would otherwise
    // pass over as dependent entities.
    points.clear();
    c->M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    ASSERT_EQ(points.size(), 6u);
    EXPECT_EQ(points[5].y, 1.0f);
}

TEST(C_Entity_102_Curve_Composite, BadMembersThrow)
{
    C_Table_Entity table;
    S_Fn_Three_Lines(table);
    table.add_at(4, std::make_shared<C_Entity_124_Matrix>());
    C_Entity_102_Curve_Composite c;
    C_Vector3_f p;
    std::vector<C_Vector3_f> points;
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

TEST(C_Entity_102_Curve_Composite, CompositesContainingEachOtherThrow)
{
    C_Table_Entity table;
    S_Fn_Three_Lines(table);
    auto self = std::make_shared<C_Entity_102_Curve_Composite>();
    self->m_Members = {1, 4};
    table.add_at(4, self);
    auto a = std::make_shared<C_Entity_102_Curve_Composite>();
    auto b = std::make_shared<C_Entity_102_Curve_Composite>();
    a->m_Members = {6};
    b->m_Members = {2, 5};
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
    // The marks are cleared on the way out: a sound composite still answers.
    self->m_Members = {1, 2};
    points.clear();
    EXPECT_NO_THROW(self->M_Fn_Get_list_o_Vector3_f_Without_Start(points, table));
    EXPECT_EQ(points.size(), 2u);
}

TEST(C_Entity_102_Curve_Composite, NestingIsBounded)
{
    auto chain = [](int i_Depth) {
        C_Table_Entity table;
        auto line = std::make_shared<C_Entity_110_Line>();
        line->m_X1 = 7.0f;
        table.add_at(1, line);
        for (int i = 0; i < i_Depth; ++i) {
            auto c = std::make_shared<C_Entity_102_Curve_Composite>();
            c->m_Members = {i + 1};
            table.add_at(std::uint32_t(i + 2), c);
        }
        C_Vector3_f p;
        table.at(std::uint32_t(i_Depth + 1))->M_Fn_Get_o_Vector3_f_Start(p, table);
        return p.x;
    };
    EXPECT_EQ(chain(100), 7.0f);
    EXPECT_THROW(chain(C_Entity_102_Curve_Composite::S_Depth_Max + 1), C_Exception);
}

// ---------- 110 ----------

TEST(C_Entity_110_Line, ParametersReadAndWritten)
{
    auto line = S_Fn_Read<C_Entity_110_Line>("110,-0.,0.1016,0.,0.1524,-0.,1.5D1;");
    EXPECT_TRUE(std::signbit(line->m_X1));
    EXPECT_EQ(line->m_Y1, 0.1016f);
    EXPECT_EQ(line->m_X2, 0.1524f);
    EXPECT_EQ(line->m_Z2, 15.0f);
    // "0;" would reach column 65: it moves to the next line.
    EXPECT_EQ(S_Fn_Write(*line),
              (std::vector<std::string>{S_Fn_Pad("110,-0.000000,0.101600,0.000000,0.152400,-0.000000,15.000000,0,"),
                                        S_Fn_Pad("0;")}));
    auto running = S_Fn_Read<C_Entity_110_Line>("110,1.,,3.,,,;");
    EXPECT_EQ(running->m_Y1, 1.0f);
    EXPECT_EQ(running->m_X2, 3.0f);
    EXPECT_EQ(running->m_Z2, 3.0f);
}

TEST(C_Entity_110_Line, TransformMovesBothPointsUnlessPlacedByAMatrix)
{
    C_Entity_110_Line line;
    line.m_X1 = 1.0f, line.m_Y2 = 2.0f;
    line.M_Fn_Transform(S_Fn_Translation(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(line.m_X1, 2.0f);
    EXPECT_EQ(line.m_Y1, 2.0f);
    EXPECT_EQ(line.m_Z1, 3.0f);
    EXPECT_EQ(line.m_X2, 1.0f);
    EXPECT_EQ(line.m_Y2, 4.0f);
    line.M_Fn_Set_Matrix_Slot(1);
    line.M_Fn_Transform(S_Fn_Translation(1.0f, 2.0f, 3.0f));
    EXPECT_EQ(line.m_X1, 2.0f);
}

// ---------- 124 ----------

TEST(C_Entity_124_Matrix, ParametersReadAndWrittenRowByRow)
{
    auto m = S_Fn_Read<C_Entity_124_Matrix>("124,1.,2.,3.,4.,5.,6.,7.,8.,9.,10.,11.,12.;");
    const float* d = m->m_Matrix.m_Data;
    // Column-major: element (r, c) at r + 4c.
    EXPECT_EQ(d[0], 1.0f);
    EXPECT_EQ(d[4], 2.0f);
    EXPECT_EQ(d[8], 3.0f);
    EXPECT_EQ(d[12], 4.0f); // T1
    EXPECT_EQ(d[1], 5.0f);
    EXPECT_EQ(d[13], 8.0f); // T2
    EXPECT_EQ(d[14], 12.0f); // T3
    EXPECT_EQ(d[3], 0.0f);
    EXPECT_EQ(d[7], 0.0f);
    EXPECT_EQ(d[11], 0.0f);
    EXPECT_EQ(d[15], 1.0f);
    const auto lines = S_Fn_Write(*m);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], S_Fn_Pad("124,1.000000,2.000000,3.000000,4.000000,5.000000,6.000000,"));
    EXPECT_EQ(lines[1], S_Fn_Pad("7.000000,8.000000,9.000000,10.000000,11.000000,12.000000,0,0;"));
}

TEST(C_Entity_124_Matrix, PointDividedByWAndProduct)
{
    C_Table_Entity table;
    C_Entity_124_Matrix m;
    m.m_Matrix(0, 3) = 10.0f;
    m.m_Matrix(3, 3) = 2.0f;
    C_Vector3_f p;
    m.M_Fn_Get_o_Vector3_f_Transformed(p, table, C_Vector3_f(2.0f, 4.0f, 6.0f));
    EXPECT_EQ(p.x, 6.0f); // (2 + 10) / 2
    EXPECT_EQ(p.y, 2.0f);
    EXPECT_EQ(p.z, 3.0f);
    // M := T M: a rotation by 90 degrees about z after a translation by (1, 0, 0).
    C_Entity_124_Matrix n;
    n.m_Matrix(0, 3) = 1.0f;
    C_Matrix4_f t;
    t(0, 0) = 0.0f, t(0, 1) = -1.0f, t(1, 0) = 1.0f, t(1, 1) = 0.0f;
    n.M_Fn_Transform(t);
    n.M_Fn_Transform_Point(p, C_Vector3_f(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 2.0f);
}

// ---------- 126 ----------

TEST(C_Entity_126_Curve_B_Spline_Rational, ParametersReadAsTheFileGivesThem)
{
    // The parameter data of a cubic written by another system, without its normal.
    auto s = S_Fn_Read<C_Entity_126_Curve_B_Spline_Rational>(
        "126,3,3,0,0,1,0,0.,0.,0.,0.,1.,1.,1.,1.,1.,1.,1.,1.,0.1524,0.,         "
        "0.,0.21345400159786,0.,0.,0.06105400159786,0.1016,0.,0.,0.1016,        "
        "0.,0.,1.;");
    EXPECT_EQ(s->m_Degree, 3);
    EXPECT_EQ(s->m_Count_Ctrl, 4);
    EXPECT_EQ(s->m_Count_Knot, 8);
    EXPECT_EQ(s->m_Planar, 0);
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
    // The missing normal repeats the last real read.
    EXPECT_EQ(s->m_Normal.x, 1.0f);
    EXPECT_EQ(s->m_Normal.z, 1.0f);
}

TEST(C_Entity_126_Curve_B_Spline_Rational, WrittenAndReadBack)
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
    s.m_V0 = 0;
    s.m_V1 = 1;
    s.m_Normal = C_Vector3_f(0, 0, 1);
    const auto lines = S_Fn_Write(s);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].substr(0, 30), "126,1,1,1,0,0,1,0.000000,0.000");
    std::string text;
    for (const std::string& line : lines)
        text += line;
    auto back = S_Fn_Read<C_Entity_126_Curve_B_Spline_Rational>(text);
    EXPECT_EQ(back->m_Planar, 1);
    EXPECT_EQ(back->m_Periodic, 1);
    EXPECT_EQ(back->m_Degree, 1);
    EXPECT_EQ(back->m_Knots, s.m_Knots);
    EXPECT_EQ(back->m_Weights, s.m_Weights);
    EXPECT_EQ(back->m_Ctrl_Points[1].y, 5.0f);
    EXPECT_EQ(back->m_Normal.z, 1.0f);
    EXPECT_EQ(S_Fn_Write(*back), lines);
}

TEST(C_Entity_126_Curve_B_Spline_Rational, CountsAreChecked)
{
    EXPECT_THROW(S_Fn_Read<C_Entity_126_Curve_B_Spline_Rational>("126,-1,1,0,0,0,0;"), C_Exception);
    EXPECT_THROW(S_Fn_Read<C_Entity_126_Curve_B_Spline_Rational>("126,1,-2,0,0,0,0;"), C_Exception);
    EXPECT_THROW(S_Fn_Read<C_Entity_126_Curve_B_Spline_Rational>("126,2147483647,2147483647,0,0,0,0;"), C_Exception);
    EXPECT_THROW(S_Fn_Read<C_Entity_126_Curve_B_Spline_Rational>("126,100000,3,0,0,0,0;"), C_Exception);
    // Lists that do not hold the counts are not written.
    C_Entity_126_Curve_B_Spline_Rational s;
    std::vector<std::string> lines;
    EXPECT_THROW(s.M_Fn_Export_Param(lines, ',', ';'), C_Exception); // empty
    s.m_Degree = 1;
    s.m_Count_Ctrl = 2;
    s.m_Count_Knot = 4;
    s.m_Knots = {0, 0, 1};
    s.m_Weights = {1, 1};
    s.m_Ctrl_Points.resize(2);
    EXPECT_THROW(s.M_Fn_Export_Param(lines, ',', ';'), C_Exception);
    s.m_Knots.push_back(1);
    s.m_Weights.pop_back();
    EXPECT_THROW(s.M_Fn_Export_Param(lines, ',', ';'), C_Exception);
    s.m_Weights.push_back(1);
    EXPECT_EQ(s.M_Fn_Export_Param(lines, ',', ';'), 1);
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
    // Unclamped knots.
    EXPECT_FALSE(C::S_Fn_If_Ctrl_Is_Start(3, {0, 1, 2, 3, 4, 5}));
    EXPECT_FALSE(C::S_Fn_If_Ctrl_Is_Terminate(3, {0, 1, 2, 3, 4, 5}));
    // Order 2 (degree 1) always passes through its end control points.
    EXPECT_TRUE(C::S_Fn_If_Ctrl_Is_Start(2, {0, 1, 2, 3}));
    EXPECT_TRUE(C::S_Fn_If_Ctrl_Is_Terminate(2, {}));
    // Too few knots.
    EXPECT_THROW(C::S_Fn_If_Ctrl_Is_Start(4, {0, 0, 0}), C_Exception);
    EXPECT_THROW(C::S_Fn_If_Ctrl_Is_Terminate(4, {0, 0, 0}), C_Exception);
    EXPECT_TRUE(C::S_Fn_If_Ctrl_Is_Start(4, {0, 0, 0, 0}));
}

TEST(C_Entity_126_Curve_B_Spline_Rational, GeometryQueriesAndTransform)
{
    C_Table_Entity table;
    C_Entity_126_Curve_B_Spline_Rational s;
    s.m_Ctrl_Points = {C_Vector3_f(1, 2, 3), C_Vector3_f(4, 5, 6)};
    C_Vector3_f p(9, 9, 9);
    s.M_Fn_Get_o_Vector3_f_Start(p, table);
    EXPECT_EQ(p.x, 0.0f);
    s.M_Fn_Get_o_Vector3_f_Finish(p, table);
    EXPECT_EQ(p.z, 0.0f);
    std::vector<C_Vector3_f> points;
    s.M_Fn_Get_list_o_Vector3_f_Without_Start(points, table);
    EXPECT_EQ(points.size(), 1u);
    s.M_Fn_Transform(S_Fn_Translation(0.0f, 0.0f, -3.0f));
    points.clear();
    s.M_Fn_Get_list_o_Vector3_f_Transformed(points, table);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0].z, 0.0f);
    EXPECT_EQ(points[1].z, 3.0f);
    s.M_Fn_Set_Matrix_Slot(1);
    s.M_Fn_Transform(S_Fn_Translation(0.0f, 0.0f, -3.0f));
    EXPECT_EQ(s.m_Ctrl_Points[0].z, 0.0f);
}

// ---------- 314 ----------

TEST(C_Entity_314_Color, PercentReadAndWritten)
{
    auto c = S_Fn_Read<C_Entity_314_Color>("314,100.,50.,0.,4HBlue;");
    EXPECT_EQ(c->m_Color[0], 1.0f);
    EXPECT_EQ(c->m_Color[1], 0.5f);
    EXPECT_EQ(c->m_Color[2], 0.0f);
    EXPECT_EQ(c->m_Color[3], 1.0f);
    EXPECT_EQ(c->m_Name, "Blue");
    EXPECT_EQ(S_Fn_Write(*c), std::vector<std::string>{S_Fn_Pad("314,100.000000,50.000000,0.000000,4HBlue,0,0;")});
    C_Entity_314_Color empty;
    EXPECT_EQ(S_Fn_Write(empty), std::vector<std::string>{S_Fn_Pad("314,0.000000,0.000000,0.000000,,0,0;")});
    // A name that runs across lines reads back whole.
    C_Entity_314_Color named;
    named.m_Name = std::string(70, 'n') + ",;";
    std::string text;
    for (const std::string& line : S_Fn_Write(named))
        text += line;
    EXPECT_EQ(S_Fn_Read<C_Entity_314_Color>(text)->m_Name, named.m_Name);
}

TEST(C_Entity_314_Color, ShadesAnswerTheColourQuery)
{
    C_Table_Entity table;
    auto c = S_Fn_Read<C_Entity_314_Color>("314,100.,50.,0.;");
    float rgba[4];
    c->M_Fn_Get_o_Color_f(table, false, false, rgba);
    EXPECT_EQ(rgba[1], 0.5f);
    c->M_Fn_Get_o_Color_f(table, true, false, rgba); // inverse (0, 0.5, 1) lightened by 0.75
    EXPECT_EQ(rgba[0], 0.75f);
    EXPECT_EQ(rgba[1], 0.875f);
    EXPECT_EQ(rgba[2], 1.0f);
    EXPECT_EQ(rgba[3], 1.0f);
    c->M_Fn_Get_o_Color_f(table, false, true, rgba); // (1, 0.5, 0) lightened by 0.875
    EXPECT_EQ(rgba[0], 1.0f);
    EXPECT_EQ(rgba[1], 0.9375f);
    EXPECT_EQ(rgba[2], 0.875f);
}
