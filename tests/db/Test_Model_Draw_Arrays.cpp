// The shaded and mesh styles draw from per-corner arrays: whole frames are the same, byte for byte,
// as those of the element-by-element drawing (written out here the way the view drew before),
// with lighting, highlighted, hidden and three-node elements, after display changes and after a
// node moves; and the arrays are not made again while nothing changed.
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/model/Biz_Model.h"
#include "tests/db/Test_Import_Support.h"
#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <array>
#include <vector>

using N_Biz::N_DB::C_Row_Element_2D;
using N_Biz::N_DB::C_Row_Relation;
using N_Biz::N_Model::C_Model;

namespace {

constexpr int K_Size = 128;

// A bent strip of quadrilaterals (three rows of nodes at heights 0, 0.8 and 0.2, so the normals
// differ), a triangle, and a free node.
const std::string G_Deck = "BEGIN BULK\n"
                           "GRID,1,,0.,0.,0.\nGRID,2,,1.,0.,0.\nGRID,3,,2.,0.,0.\nGRID,4,,3.,0.,0.\n"
                           "GRID,5,,0.,1.,.8\nGRID,6,,1.,1.,.8\nGRID,7,,2.,1.,.8\nGRID,8,,3.,1.,.8\n"
                           "GRID,9,,0.,2.,.2\nGRID,10,,1.,2.,.2\nGRID,11,,2.,2.,.2\nGRID,12,,3.,2.,.2\n"
                           "GRID,13,,4.,0.,0.\nGRID,14,,5.,4.,0.\n"
                           "CQUAD4,20,1,1,2,6,5\nCQUAD4,21,1,2,3,7,6\nCQUAD4,22,1,3,4,8,7\n"
                           "CQUAD4,23,1,5,6,10,9\nCQUAD4,24,1,6,7,11,10\nCQUAD4,25,1,7,8,12,11\n"
                           "CTRIA3,26,1,4,13,8\n"
                           "PSHELL,1,1,0.5\nMAT1,1,2.+5,,.3\nENDDATA\n";

// The view's fixed state: a light, colour material, depth test, the model seen from above and a
// little tilted.
void G_Fn_View()
{
    glViewport(0, 0, K_Size, K_Size);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-0.5, 5.5, -0.5, 4.5, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glRotatef(20, 1, 0, 0);
    const float light[4] = {0.3f, 0.5f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, light);
    glEnable(GL_LIGHT0);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glEnable(GL_DEPTH_TEST);
    glEnableClientState(GL_VERTEX_ARRAY);
}

std::vector<unsigned char> G_Fn_Frame()
{
    glFinish();
    std::vector<unsigned char> pixels(std::size_t(K_Size) * K_Size * 4);
    glReadPixels(0, 0, K_Size, K_Size, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

void G_Fn_Clear()
{
    glClearColor(0.1f, 0.2f, 0.3f, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

class C_Model_Draw_Arrays : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen_Size(K_Size, K_Size));
        ASSERT_EQ(m_Import.M_Fn_Nastran_Text(G_Deck), 1u);
        ASSERT_EQ(elements().size(), 7u);
        G_Fn_View();
    }
    // The context is shared by the program's tests: the view's state goes again.
    void TearDown() override
    {
        glDisable(GL_LIGHT0);
        glDisable(GL_COLOR_MATERIAL);
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 0);
        glDisable(GL_DEPTH_TEST);
        glDisableClientState(GL_VERTEX_ARRAY);
        G_Fn_GL_Offscreen();
    }
    C_Model& model() { return m_Import.model(); }
    std::vector<C_Row_Element_2D>& elements() { return model().M_Fn_Data().m_Elements; }

    // The element-by-element drawing: one quad batch with colour, emission and normal per element
    // (highlighted ones black with their colour as emission), and a line loop per element for the
    // edges; the mesh style's quads as lines, highlighted ones as wider line loops, then the free
    // nodes in white.
    void M_Fn_Draw_Reference(std::uint32_t i_Style, bool i_Edge)
    {
        auto& nodes = model().M_Fn_Data().m_Nodes;
        glPushMatrix();
        glMultMatrixf(model().M_Fn_Transform().m_Data);
        auto corner = [&](const C_Row_Element_2D& e, std::uint32_t k) {
            glVertex3fv(nodes[static_cast<std::size_t>(e.M_Fn_Node_Corner_Get(k))].M_Fn_Coordinates());
        };
        auto color_of = [](C_Row_Element_2D& e) {
            std::array<float, 4> color{};
            if (!e.M_Fn_Flag_Derived_Refresh_Color(false, color))
                color = (e.m_u32_Flag & (C_Row_Relation::E_Flag_Picked_Effective | C_Row_Relation::E_Flag_Selected_Effective))
                            ? std::array<float, 4>{0, 0, 0, 1}
                            : std::array<float, 4>{0.4f, 0.4f, 0.4f, 1};
            return color;
        };
        auto highlighted = [](const C_Row_Element_2D& e) {
            return (e.m_u32_Flag & (C_Row_Relation::E_Flag_Picked_Effective | C_Row_Relation::E_Flag_Selected_Effective)) != 0;
        };
        auto hidden = [](const C_Row_Element_2D& e) { return (e.m_u32_Flag & C_Row_Relation::E_Flag_Hidden_Effective) != 0; };
        std::vector<bool> used(nodes.size(), false);
        if (i_Style == C_Model::E_Style_Shaded) {
            static const float black[4] = {0, 0, 0, 1};
            glEnable(GL_LIGHTING);
            glEnable(GL_POLYGON_OFFSET_FILL);
            glPolygonOffset(1, 1);
            glBegin(GL_QUADS);
            for (auto& e : elements()) {
                const auto color = color_of(e);
                if (hidden(e))
                    continue;
                glColor4fv(highlighted(e) ? black : color.data());
                glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, highlighted(e) ? color.data() : black);
                glNormal3f(e.m_Normal.x, e.m_Normal.y, e.m_Normal.z);
                for (std::uint32_t k = 0; k < 4; ++k)
                    corner(e, k);
            }
            glEnd();
            glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
            glDisable(GL_POLYGON_OFFSET_FILL);
            glDisable(GL_LIGHTING);
            if (i_Edge) {
                glColor3f(0.125f, 0.125f, 0.125f);
                for (auto& e : elements()) {
                    if (hidden(e))
                        continue;
                    glBegin(GL_LINE_LOOP);
                    for (std::uint32_t k = 0; k < 4; ++k)
                        corner(e, k);
                    glEnd();
                }
            }
        } else {
            glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
            glEnable(GL_POLYGON_OFFSET_LINE);
            glPolygonOffset(1, 1);
            for (auto& e : elements()) {
                for (std::uint32_t i = 0; i < e.M_Fn_Node_Num(); ++i)
                    used[static_cast<std::size_t>(e.M_Fn_Node_Get(i))] = true;
                const auto color = color_of(e);
                if (hidden(e))
                    continue;
                glColor4fv(color.data());
                glLineWidth(highlighted(e) ? 1.5f : 1.0f);
                glBegin(highlighted(e) ? GL_LINE_LOOP : GL_QUADS);
                for (std::uint32_t k = 0; k < 4; ++k)
                    corner(e, k);
                glEnd();
            }
            glLineWidth(1);
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            glDisable(GL_POLYGON_OFFSET_LINE);
            glPointSize(1);
            glColor3f(1, 1, 1);
            glBegin(GL_POINTS);
            for (std::size_t i = 0; i < nodes.size(); ++i)
                if (!used[i])
                    glVertex3fv(nodes[i].M_Fn_Coordinates());
            glEnd();
        }
        glPopMatrix();
    }

    // Each style drawn both ways gives the same frame.
    void M_Fn_Expect_Same_Frames(const char* i_When)
    {
        const std::pair<std::uint32_t, bool> styles[] = {
            {C_Model::E_Style_Shaded, true}, {C_Model::E_Style_Shaded, false}, {C_Model::E_Style_Mesh, false}};
        for (const auto& [style, edge] : styles) {
            G_Fn_Clear();
            M_Fn_Draw_Reference(style, edge);
            const auto reference = G_Fn_Frame();
            G_Fn_Clear();
            model().M_Fn_Draw(style, false, edge);
            const auto frame = G_Fn_Frame();
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
            std::size_t differing = 0, drawn = 0;
            for (std::size_t i = 0; i < frame.size(); i += 4) {
                differing += !std::equal(frame.begin() + i, frame.begin() + i + 4, reference.begin() + i);
                drawn += reference[i + 2] != 77; // not the clear colour's blue
            }
            EXPECT_EQ(differing, 0u) << i_When << ", style " << style << (edge ? " with edges" : "");
            EXPECT_GT(drawn, 1000u) << i_When; // the frames are not empty
        }
    }

    N_Test_DB::C_Test_Import m_Import;
};

} // namespace

TEST_F(C_Model_Draw_Arrays, FramesAreThoseOfTheElementByElementDrawing)
{
    M_Fn_Expect_Same_Frames("as imported");
    // Picked, selected and hidden elements.
    elements()[1].m_u32_Flag |= C_Row_Relation::E_Flag_Picked;
    elements()[4].m_u32_Flag |= C_Row_Relation::E_Flag_Selected;
    elements()[6].m_u32_Flag |= C_Row_Relation::E_Flag_Hidden;
    M_Fn_Expect_Same_Frames("highlighted and hidden");
    elements()[1].m_u32_Flag &= ~C_Row_Relation::E_Flag_Picked;
    elements()[6].m_u32_Flag &= ~C_Row_Relation::E_Flag_Hidden;
    M_Fn_Expect_Same_Frames("shown again");
}

TEST_F(C_Model_Draw_Arrays, ArraysAreMadeAgainOnlyAfterAGeometryChange)
{
    model().M_Fn_Draw(C_Model::E_Style_Shaded, false, true);
    const auto& arrays = model().M_Fn_Draw_Arrays();
    const float* positions = arrays.m_Positions.data();
    ASSERT_EQ(arrays.m_Positions.size(), 7u * 12);
    // Node 6 (1, 1, 0.8) is corner 2 of element 0: x at 3 x 2.
    EXPECT_EQ(arrays.m_Positions[6], 1.0f);
    EXPECT_EQ(arrays.m_Quads.size(), 7u * 4);
    EXPECT_EQ(arrays.m_Edges.size(), 7u * 8);
    // A display change rewrites colours and lists in place.
    elements()[3].m_u32_Flag |= C_Row_Relation::E_Flag_Picked;
    model().M_Fn_Draw(C_Model::E_Style_Shaded, false, true);
    EXPECT_EQ(arrays.m_Positions.data(), positions);
    EXPECT_EQ(arrays.m_Quads.size(), 6u * 4);
    EXPECT_EQ(arrays.m_Highlighted, std::vector<std::uint32_t>{3});
    // A node moved without the serial moving is not seen; with it, it is.
    auto& node = model().M_Fn_Data().m_Nodes[5];
    node.M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Coordinate_X).M_Fn_Ref<float>() = 1.25f;
    model().M_Fn_Draw(C_Model::E_Style_Shaded, false, true);
    EXPECT_EQ(arrays.m_Positions[6], 1.0f);
    C_Model::S_Fn_Geometry_Changed();
    M_Fn_Expect_Same_Frames("node moved");
    EXPECT_EQ(arrays.m_Positions[6], 1.25f);
}
