// Drawing and picking of a model in an off-screen Mesa context: a one-pixel pick at an element's
// projected centre finds that element; a three-node element is drawn and marked by its three
// nodes; free nodes are the ones no element uses.
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/model/Biz_Model.h"
#include "tests/db/Test_Import_Support.h"
#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using N_Biz::N_Model::C_Model;
using N_Test_DB::C_Test_Import;

namespace {

// The view: model x and y from -0.5 to 5.5 over the 64 pixels. With i_Pick_Px >= 0 a pick window
// of i_Pick_Size pixels centred on that pixel position is loaded in front of it.
constexpr double K_Lo = -0.5, K_Hi = 5.5;
void G_Fn_Projection(double i_Pick_X = -1, double i_Pick_Y = -1, double i_Pick_Size = 1)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (i_Pick_X >= 0) {
        GLint viewport[4] = {0, 0, S_GL_Size, S_GL_Size};
        gluPickMatrix(i_Pick_X, i_Pick_Y, i_Pick_Size, i_Pick_Size, viewport);
    }
    glOrtho(K_Lo, K_Hi, K_Lo, K_Hi, -1, 1);
    glMatrixMode(GL_MODELVIEW);
}
double G_Fn_Px(double i_Coord) { return (i_Coord - K_Lo) / (K_Hi - K_Lo) * S_GL_Size; }

// Two quadrilaterals and a triangle in a row, and node 9 used by no element.
const std::string G_Deck = "BEGIN BULK\n"
                           "GRID,1,,0.,0.,0.\nGRID,2,,1.,0.,0.\nGRID,3,,2.,0.,0.\nGRID,4,,0.,1.,0.\n"
                           "GRID,5,,1.,1.,0.\nGRID,6,,2.,1.,0.\nGRID,7,,3.,0.,0.\nGRID,9,,5.,5.,0.\n"
                           "CQUAD4,10,1,1,2,5,4\nCQUAD4,11,1,2,3,6,5\nCTRIA3,12,1,3,7,6\n"
                           "PSHELL,1,1,0.5\nMAT1,1,2.+5,,.3\nENDDATA\n";

class C_Model_Draw : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen());
        ASSERT_EQ(m_Import.M_Fn_Nastran_Text(G_Deck), 1u);
        ASSERT_EQ(model().M_Fn_Data().m_Elements.size(), 3u);
        ASSERT_EQ(model().M_Fn_Data().m_Nodes.size(), 8u);
    }
    C_Model& model() { return m_Import.model(); }
    std::vector<std::pair<float, std::uint32_t>> M_Fn_Pick_Elements(double i_X, double i_Y, bool i_Point_Mode,
                                                                  double i_Size = 1)
    {
        G_Fn_Projection(G_Fn_Px(i_X), G_Fn_Px(i_Y), i_Size);
        std::vector<std::pair<float, std::uint32_t>> hits;
        model().M_Fn_Draw_Select_D_DB_E_2D([&](float d, std::uint32_t i) { hits.emplace_back(d, i); }, i_Point_Mode,
                                           true);
        return hits;
    }
    // The RGBA bytes of the pixel under model position (x, y).
    const unsigned char* M_Fn_Pixel(double i_X, double i_Y)
    {
        const int px = static_cast<int>(G_Fn_Px(i_X)), py = static_cast<int>(G_Fn_Px(i_Y));
        glReadPixels(px, py, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, m_Pixel);
        return m_Pixel;
    }

    unsigned char m_Pixel[4] = {0, 0, 0, 0};

    C_Test_Import m_Import;
};

} // namespace

TEST_F(C_Model_Draw, OnePixelPickAtAnElementsCentreFindsThatElement)
{
    const double centres[3][2] = {{0.5, 0.5}, {1.5, 0.5}, {7.0 / 3, 1.0 / 3}};
    for (std::uint32_t e = 0; e < 3; ++e) {
        const auto hits = M_Fn_Pick_Elements(centres[e][0], centres[e][1], true);
        ASSERT_EQ(hits.size(), 1u) << e;
        EXPECT_EQ(hits[0].second, e);
        EXPECT_NEAR(hits[0].first, 0.0f, 1e-5f); // the plane z = 0 lies at depth 0 of this view
    }
    // Outside every element, and beyond the triangle's slanted edge inside its bounding box.
    EXPECT_TRUE(M_Fn_Pick_Elements(4.0, 4.0, true).empty());
    EXPECT_TRUE(M_Fn_Pick_Elements(2.9, 0.9, true).empty());
    // Window mode: a window of ten pixels around the first quadrilateral's centre meets only it.
    const auto hits = M_Fn_Pick_Elements(0.5, 0.5, false, 10);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0], std::make_pair(0.0f, 0u));
    // Hidden elements are never reported; the clear-pick switch clears the own picked bit.
    auto& elements = model().M_Fn_Data().m_Elements;
    elements[0].m_u32_Flag |= N_Biz::N_DB::C_Row_Relation::E_Flag_Hidden | N_Biz::N_DB::C_Row_Relation::E_Flag_Picked;
    EXPECT_TRUE(M_Fn_Pick_Elements(0.5, 0.5, true).empty());
    EXPECT_FALSE(elements[0].m_u32_Flag & N_Biz::N_DB::C_Row_Relation::E_Flag_Picked);
}

TEST_F(C_Model_Draw, NodePickReportsTheNodesInsideTheWindowAndMarksUse)
{
    G_Fn_Projection(G_Fn_Px(1.0), G_Fn_Px(1.0), 3);
    std::vector<std::uint32_t> nodes;
    model().M_Fn_Draw_Select_D_DB_N([&](float, std::uint32_t i) { nodes.push_back(i); });
    EXPECT_EQ(nodes, std::vector<std::uint32_t>{4}); // GRID 5 at (1, 1)
    const auto& rows = model().M_Fn_Data().m_Nodes;
    EXPECT_EQ(rows[6].m_u32_Flag & 0x0C, 0x0Cu); // GRID 7: used by the visible triangle
    EXPECT_EQ(rows[7].m_u32_Flag & 0x0C, 0u);    // GRID 9: used by nothing
}

TEST_F(C_Model_Draw, StylesDrawThreeNodeElementsAndFreeNodesAndClearTheMarks)
{
    G_Fn_Projection();
    for (std::uint32_t style : {std::uint32_t(C_Model::E_Style_Node), std::uint32_t(C_Model::E_Style_Mesh),
                                std::uint32_t(C_Model::E_Style_Shaded), 7u}) {
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT);
        model().M_Fn_Draw(style, false, true);
        glFinish();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << style;
        for (const auto& node : model().M_Fn_Data().m_Nodes)
            EXPECT_EQ(node.m_u32_Flag & 0x04, 0u) << style;
        if (style == C_Model::E_Style_Shaded) {
            // The triangle covers its inside and leaves the rest of its bounding box empty.
            EXPECT_NE(M_Fn_Pixel(2.2, 0.2)[3], 0);
            EXPECT_EQ(M_Fn_Pixel(2.85, 0.85)[3], 0);
        }
        if (style == C_Model::E_Style_Mesh) { // the free node at (5, 5) is drawn in white
            EXPECT_EQ(M_Fn_Pixel(5.0, 5.0)[0], 255);
        }
        if (style == 7u) {
            EXPECT_EQ(M_Fn_Pixel(0.5, 0.0)[3], 0);
        }
    }
    // A node used only by a hidden element is not a free node: the hidden triangle leaves GRID 7
    // at (3, 0) undrawn.
    model().M_Fn_Data().m_Elements[2].m_u32_Flag |= N_Biz::N_DB::C_Row_Relation::E_Flag_Hidden;
    glClear(GL_COLOR_BUFFER_BIT);
    model().M_Fn_Draw(C_Model::E_Style_Mesh, false, false);
    glFinish();
    EXPECT_EQ(M_Fn_Pixel(3.0, 0.0)[3], 0);
    EXPECT_EQ(M_Fn_Pixel(5.0, 5.0)[0], 255);
}
