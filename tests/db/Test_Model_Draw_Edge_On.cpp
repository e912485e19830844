// The mesh style of a tube along z in an orthographic view built as the project view builds its
// own (one unit a pixel, depth from -d to d with d = 16 (w/2 + h/2)): looking along the axis every
// element is seen edge-on and the polygon offset alone leaves nothing to see, yet the ring of
// corners is outlined, also a hair off the axis; from any other side the frame is, pixel for
// pixel, the plain offset drawing of the elements' outlines.
#include "biz/model/Biz_Model.h"
#include "tests/db/Test_Import_Support.h"
#include "tests/support/Test_Deck_Tube.h"
#include "tests/support/Test_GL_Offscreen.h"

#include <GL/gl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using N_Biz::N_Model::C_Model;

namespace {

constexpr int K_Size = 128;
constexpr int K_Around = 16;
constexpr double K_Radius = 10;
constexpr double K_Zoom = 4; // the ring's radius on screen: 40 pixels

class C_Model_Draw_Edge_On : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(G_Fn_GL_Offscreen_Size(K_Size, K_Size));
        ASSERT_EQ(m_Import.M_Fn_Nastran_Text(G_Fn_Deck_Tube(K_Around, 3, K_Radius, 30)), 1u);
        ASSERT_EQ(model().M_Fn_Data().m_Elements.size(), 3u * K_Around);
        const double d = 16.0 * K_Size;
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-K_Size / 2.0, K_Size / 2.0, -K_Size / 2.0, K_Size / 2.0, -d, d);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_DEPTH_TEST);
        glEnableClientState(GL_VERTEX_ARRAY);
    }
    void TearDown() override
    {
        glDisable(GL_DEPTH_TEST);
        glDisableClientState(GL_VERTEX_ARRAY);
        G_Fn_GL_Offscreen();
    }
    C_Model& model() { return m_Import.model(); }

    // The view: zoom, then the turn of i_Degrees about (i_X, i_Y, i_Z), the tube's middle at the
    // centre. Cleared to black.
    static void S_Fn_View(double i_Degrees, double i_X, double i_Y, double i_Z)
    {
        glClearColor(0, 0, 0, 1);
        glClearDepth(1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        glScaled(K_Zoom, K_Zoom, K_Zoom);
        if (i_Degrees != 0)
            glRotated(i_Degrees, i_X, i_Y, i_Z);
        glTranslated(0, 0, -15);
    }
    // What the mesh style is made of: every element's outline as a polygon in line mode with
    // glPolygonOffset (1, 1), in the colour the style gives it, then the free nodes (none here).
    void M_Fn_Draw_Offset_Only()
    {
        const auto& nodes = model().M_Fn_Data().m_Nodes;
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
        glEnable(GL_POLYGON_OFFSET_LINE);
        glPolygonOffset(1, 1);
        glColor4fv(&model().M_Fn_Draw_Arrays().m_Colors.at(0));
        glBegin(GL_QUADS);
        for (const auto& e : model().M_Fn_Data().m_Elements)
            for (std::uint32_t k = 0; k < 4; ++k)
                glVertex3fv(nodes[static_cast<std::size_t>(e.M_Fn_Node_Corner_Get(k))].M_Fn_Coordinates());
        glEnd();
        glDisable(GL_POLYGON_OFFSET_LINE);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    }
    static std::vector<unsigned char> S_Fn_Frame()
    {
        glFinish();
        std::vector<unsigned char> rgba(std::size_t(K_Size) * K_Size * 4);
        glReadPixels(0, 0, K_Size, K_Size, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        return rgba;
    }
    static int S_Fn_Lit(const std::vector<unsigned char>& ro_Frame)
    {
        int lit = 0;
        for (std::size_t i = 0; i < ro_Frame.size(); i += 4)
            lit += ro_Frame[i] + ro_Frame[i + 1] + ro_Frame[i + 2] > 0;
        return lit;
    }
    // Whether a pixel within one of the window position (x, y) is lit.
    static bool S_Fn_Lit_Near(const std::vector<unsigned char>& ro_Frame, double i_X, double i_Y)
    {
        for (int y = int(std::floor(i_Y)) - 1; y <= int(std::floor(i_Y)) + 1; ++y)
            for (int x = int(std::floor(i_X)) - 1; x <= int(std::floor(i_X)) + 1; ++x) {
                const unsigned char* p = &ro_Frame[(std::size_t(y) * K_Size + std::size_t(x)) * 4];
                if (p[0] + p[1] + p[2] > 0)
                    return true;
            }
        return false;
    }

    N_Test_DB::C_Test_Import m_Import;
};

} // namespace

TEST_F(C_Model_Draw_Edge_On, TubeSeenAlongItsAxisIsOutlinedInTheMeshStyle)
{
    // Exactly along the axis, and turned a ten-thousandth of a degree off it.
    for (const double tilt : {0.0, 1e-4}) {
        S_Fn_View(tilt, 1, 0, 0);
        model().M_Fn_Draw(C_Model::E_Style_Mesh, false, false);
        const std::vector<unsigned char> frame = S_Fn_Frame();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        // Every corner of the ring, 40 pixels from the centre.
        for (int i = 0; i < K_Around; ++i) {
            const double a = 2 * M_PI * i / K_Around;
            EXPECT_TRUE(S_Fn_Lit_Near(frame, K_Size / 2.0 + K_Zoom * K_Radius * std::cos(a),
                                      K_Size / 2.0 + K_Zoom * K_Radius * std::sin(a)))
                << "corner " << i << ", tilt " << tilt;
        }
        // The ring's perimeter, 16 chords of 2 x 40 sin(pi / 16) = 15.6 pixels, is lit all round.
        EXPECT_GT(S_Fn_Lit(frame), 200) << tilt;
        // The offset drawing alone loses (nearly) all of it: this view is the case in point.
        S_Fn_View(tilt, 1, 0, 0);
        M_Fn_Draw_Offset_Only();
        EXPECT_LT(S_Fn_Lit(S_Fn_Frame()), 50) << tilt;
    }
}

TEST_F(C_Model_Draw_Edge_On, FramesFromOtherSidesAreThoseOfTheOffsetDrawing)
{
    struct C_Turn {
        double m_Degrees, m_X, m_Y, m_Z;
    } const turns[] = {{20, 1, 0, 0}, {45, 1, 1, 0}, {70, 0, 1, 0}, {90, 1, 0, 0}, {135, 1, 0.3, 0.2}};
    for (const C_Turn& t : turns) {
        S_Fn_View(t.m_Degrees, t.m_X, t.m_Y, t.m_Z);
        model().M_Fn_Draw(C_Model::E_Style_Mesh, false, false);
        const std::vector<unsigned char> frame = S_Fn_Frame();
        S_Fn_View(t.m_Degrees, t.m_X, t.m_Y, t.m_Z);
        M_Fn_Draw_Offset_Only();
        const std::vector<unsigned char> reference = S_Fn_Frame();
        EXPECT_GT(S_Fn_Lit(reference), 300) << t.m_Degrees;
        EXPECT_EQ(frame, reference) << t.m_Degrees << " lit " << S_Fn_Lit(frame) << " and " << S_Fn_Lit(reference);
    }
}
