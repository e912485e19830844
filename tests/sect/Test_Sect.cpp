// The section object: construction, destruction, title, select & edit modes, the marks that a
// change sets, and the plane: its construction, its undoable replacement and its stream.
#include "Test_Sect_Geom_Support.h"

#include "biz/proj/Biz_Proj_Mgr_Doc.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D_Plane_Set.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_Frame.h"
#include "biz/sect/Biz_Sect_Mgr_Sel.h"
#include "common/Common_Exception.h"

#include <cmath>

using namespace N_Test_Sect_Geom;
using N_Common::N_Exception::C_Exception;
using C_Vector3f = N_Common::N_Math::C_Vector3<float>;
using C_Matrix4f = C_D_Plane::C_Matrix4f;

namespace {

class C_View_Count : public C_Mgr_Frame::C_View {
public:
    void M_Fn_Invalidate() override { ++m_Count; }
    int m_Count = 0;
};

// Column c of the matrix as a vector (0, 1, 2: the local axes; 3: the origin).
C_Vector3f G_Fn_Column(const C_Matrix4f& ro_M, int i_C)
{
    return {ro_M.m_Data[4 * i_C], ro_M.m_Data[4 * i_C + 1], ro_M.m_Data[4 * i_C + 2]};
}

void G_Fn_Expect_Near(const C_Vector3f& ro_A, const C_Vector3f& ro_B)
{
    EXPECT_NEAR(ro_A.x, ro_B.x, 1e-6f);
    EXPECT_NEAR(ro_A.y, ro_B.y, 1e-6f);
    EXPECT_NEAR(ro_A.z, ro_B.z, 1e-6f);
}

} // namespace

TEST(C_Sect, ConstructionNeedsTheProject)
{
    C_Sect::S_p_Proj = nullptr;
    EXPECT_THROW(C_Sect(), C_Exception);
}

TEST_F(C_Geom_Test, FreshSectionStartsInGeometryMode)
{
    EXPECT_EQ(sect().M_Fn_Get_Mgr_Sel().M_Fn_Mode_Get(), 7u);
    EXPECT_EQ(sect().M_Fn_Get_Mgr_Sel().M_Fn_Prompt_Get(), L"Select & edit geometry.");
    EXPECT_TRUE(sect().M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    EXPECT_TRUE(entities().M_Fn_Get_Store().is_used_at(0));
    EXPECT_FALSE(entities().M_Fn_Get_At(0));
    EXPECT_EQ(entities().m_Create_Kind, 2u);

    sect().M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Property();
    EXPECT_EQ(sect().M_Fn_Get_Mgr_Sel().M_Fn_Mode_Get(), 2u);
    EXPECT_EQ(sect().M_Fn_Get_Mgr_Sel().M_Fn_Prompt_Get(), L"Select & edit properties.");
    sect().M_Fn_Doc_On_Cmd_Sect_Edit_Sel_Sect();
    EXPECT_EQ(sect().M_Fn_Get_Mgr_Sel().M_Fn_Prompt_Get(), L"Select & edit section.");
    sect().M_Fn_Signal_Raise();
    EXPECT_EQ(m_Codes, (std::vector<int>{E_Signal_Sel_Reset, E_Signal_Sel_Reset, E_Signal_Frame_Deactivate}));
}

TEST_F(C_Geom_Test, TitleFromNameOrNumbers)
{
    N_UI::N_Tree::C_Signal parent;
    parent.M_Fn_On_Add_Proj(m_up_Proj.get());
    sect().m_Title_Number_1 = 12;
    sect().M_Fn_Name_Default_Set(nullptr, parent);
    EXPECT_EQ(sect().M_Fn_Title_Get(), L"Section 12-0");
    EXPECT_TRUE(sect().M_Fn_Get_Tree().M_Fn_Is_Connected());

    auto up_named = M_Fn_Sect_New();
    up_named->m_Name = L"Frame B";
    up_named->M_Fn_Name_Default_Set(nullptr, parent);
    EXPECT_EQ(up_named->M_Fn_Title_Get(), L"Frame B");
}

TEST_F(C_Geom_Test, DestructionIsAnnouncedFirst)
{
    bool alive = false;
    sect().M_Fn_Get_Signal().connect([&](C_Sect& ro_Sect, E_Signal i_Code) {
        if (i_Code == E_Signal_Destroy)
            alive = ro_Sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Count() == 0 && ro_Sect.M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale();
    });
    m_up_Sect.reset();
    EXPECT_TRUE(alive);
    EXPECT_EQ(m_Codes, std::vector<int>{E_Signal_Destroy});
}

TEST_F(C_Geom_Test, ChangesMarkProjectAndViews)
{
    C_View_Count main, graph, sheet, proj_marks;
    C_Mgr_Frame& frame = sect().M_Fn_Get_Mgr_Frame();
    frame.m_p_View_Main = &main;
    frame.m_p_View_Graph = &graph;
    frame.m_p_View_Sheet = &sheet;
    sect().M_Fn_Get_Mgr_Calc().M_Fn_Stale_Clear();

    // A point alone: the main view only, results still valid.
    std::uint32_t id = 0;
    M_Fn_Run(L"Create section point", [&](const T_sp_Group& g) { id = M_Fn_Point(g, 1, 1); });
    EXPECT_EQ((std::vector<int>{main.m_Count, graph.m_Count, sheet.m_Count}), (std::vector<int>{1, 0, 0}));
    EXPECT_FALSE(sect().M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    EXPECT_TRUE(m_up_Proj->M_Fn_Get_Mgr_Doc().M_Fn_Get_Flags() & N_Biz::N_Proj::C_Mgr_Doc::E_Flag_Modified);
    // A line: all three views, results stale.
    M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) { M_Fn_Line(g, id, M_Fn_Point(g, 2, 2)); });
    EXPECT_EQ((std::vector<int>{main.m_Count, graph.m_Count, sheet.m_Count}), (std::vector<int>{3, 1, 1}));
    EXPECT_TRUE(sect().M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    // A paint under way (frozen) holds back only the plain redraw: the undo's change marks still
    // reach the views, the line's all three and its second point's the main view.
    frame.m_Flags |= C_Mgr_Frame::E_Flag_Frozen;
    history().M_Fn_Undo();
    EXPECT_EQ((std::vector<int>{main.m_Count, graph.m_Count, sheet.m_Count}), (std::vector<int>{5, 2, 2}));
    frame.M_Fn_View_Main_Redraw();
    EXPECT_EQ(main.m_Count, 5);
    frame.m_Flags &= ~std::uint32_t(C_Mgr_Frame::E_Flag_Frozen);
    frame.m_p_View_Main = frame.m_p_View_Graph = frame.m_p_View_Sheet = nullptr;
}

TEST(C_D_Plane, FlipPointsLocalZAgainstTheNormal)
{
    C_Matrix4f m;
    C_D_Plane::M_Fn_Asgn_Rotate(m, {1, 0, 0}, 1, {0, 1, 0}, {0, 0, 1}, {0, 0, 0});
    G_Fn_Expect_Near(G_Fn_Column(m, 2), {-1, 0, 0});
    // Local y follows the global reference direction within the plane.
    G_Fn_Expect_Near(G_Fn_Column(m, 1), {0, 0, 1});
    G_Fn_Expect_Near(G_Fn_Column(m, 0), G_Fn_Column(m, 1).M_Fn_Cross(G_Fn_Column(m, 2)));
}

TEST(C_D_Plane, ReferenceAlongTheNormalStillMovesToTheOrigin)
{
    C_Matrix4f m;
    EXPECT_EQ(C_D_Plane::M_Fn_Asgn_Rotate(m, {0, 0, -1}, 0, {0, 1, 0}, {0, 0, 5}, {1, 2, 3}), 1);
    // Only the first turn, a half turn about y: x -> -x, z -> -z.
    G_Fn_Expect_Near(G_Fn_Column(m, 0), {-1, 0, 0});
    G_Fn_Expect_Near(G_Fn_Column(m, 1), {0, 1, 0});
    G_Fn_Expect_Near(G_Fn_Column(m, 2), {0, 0, -1});
    G_Fn_Expect_Near(G_Fn_Column(m, 3), {1, 2, 3});
}

TEST(C_D_Plane, ShortStreamIsReportedAndChangesNothing)
{
    C_D_Plane plane;
    plane.m_Matrix.m_Data[12] = 4.0f;
    std::ostringstream out;
    ASSERT_EQ(plane.M_Fn_Stream_Serialize_O(out), E_Result_Success);
    ASSERT_EQ(out.str().size(), 64u);
    C_D_Plane read;
    std::istringstream in(out.str().substr(0, 63));
    EXPECT_EQ(read.M_Fn_Stream_Serialize_I(in), E_Result_Stream_Failure);
    EXPECT_EQ(read.m_Matrix.m_Data[12], 0.0f);
    std::istringstream whole(out.str());
    EXPECT_EQ(read.M_Fn_Stream_Serialize_I(whole), E_Result_Success);
    EXPECT_EQ(read.m_Matrix.m_Data[12], 4.0f);
}

TEST_F(C_Geom_Test, PlaneSetIsUndoable)
{
    auto sp_plane = std::make_shared<C_D_Plane>();
    C_D_Plane::M_Fn_Asgn_Rotate(sp_plane->m_Matrix, {1, 0, 0}, 0, {0, 1, 0}, {0, 0, 1}, {5, 6, 7});
    const C_D_Plane* p_plane = sp_plane.get();
    M_Fn_Run(L"Redirect section", [&](const T_sp_Group& g) { sect().M_Fn_Plane_Set(g, sp_plane); });
    EXPECT_FALSE(sp_plane);
    const C_Mgr_D_Plane& mgr = sect().M_Fn_Get_Mgr_D_Plane();
    EXPECT_EQ(mgr.M_Fn_Get_Plane().get(), p_plane);
    // The inverse rotation takes the plane's axes back to the local ones, without translation.
    C_Vector3f local;
    mgr.M_Fn_Get_Inverse_Rotation().M_Fn_Transform_Point(G_Fn_Column(mgr.M_Fn_Get_Matrix(), 2), local);
    G_Fn_Expect_Near(local, {0, 0, 1});
    G_Fn_Expect_Near(sect().M_Fn_Plane_Local_To_Global_2({0, 0}), {5, 6, 7});
    G_Fn_Expect_Near(sect().M_Fn_Plane_Local_To_Global_3({0, 0, 2}), {7, 6, 7});

    history().M_Fn_Undo();
    EXPECT_NE(mgr.M_Fn_Get_Plane().get(), p_plane);
    EXPECT_EQ(mgr.M_Fn_Get_Matrix().m_Data[12], 0.0f);
    std::shared_ptr<C_D_Plane> sp_none;
    EXPECT_THROW(N_Biz::N_Sect::N_Cmd::C_Elem_D_Plane_Set(&sect(), sp_none), C_Exception);
    EXPECT_THROW(sect().M_Fn_Get_Mgr_D_Plane().M_Fn_D_Set(sp_none), C_Exception);
}
