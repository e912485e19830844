// The rows each kind of target shows, as the user reads them: names, descriptions word for word,
// which rows refuse editing and how each is edited (text, True/False choice, card key button).
#include "tests/sect/Test_Sect_Geom_Support.h"

#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Tess_Element.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "ui/UI_Property_Row.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace N_Test_Sect_Geom;
using namespace N_UI::N_Property;

namespace {

// One expected row: its name, description, whether it is read-only and its kind.
struct C_Expect {
    std::wstring m_Name;
    std::wstring m_Desc;
    bool m_Read_Only;
    E_Row_Kind m_Kind;
};

class C_Property_Grid_Kinds : public C_Geom_Test {
protected:
    // The rows of the one group titled i_Title against i_Expect; a description given empty is not
    // compared (a schema column's own).
    void M_Fn_Expect_Group(const std::wstring& i_Title, const std::vector<C_Expect>& i_Expect)
    {
        ASSERT_EQ(m_Ctrl.M_Fn_Rows_Top().size(), 1u);
        const C_Row& group = *m_Ctrl.M_Fn_Rows_Top()[0];
        EXPECT_EQ(group.m_Name, i_Title);
        EXPECT_EQ(group.m_Kind, E_Row_Group);
        ASSERT_EQ(group.m_Children.size(), i_Expect.size()) << "group " << group.m_Children.size();
        for (std::size_t i = 0; i < i_Expect.size(); ++i) {
            const C_Row& row = *group.m_Children[i];
            SCOPED_TRACE(i);
            EXPECT_EQ(row.m_Name, i_Expect[i].m_Name);
            if (!i_Expect[i].m_Desc.empty()) {
                EXPECT_EQ(row.m_Desc, i_Expect[i].m_Desc);
            }
            EXPECT_EQ(row.m_Read_Only, i_Expect[i].m_Read_Only);
            EXPECT_EQ(row.m_Kind, i_Expect[i].m_Kind);
            EXPECT_EQ(row.m_Button, i_Expect[i].m_Kind == E_Row_Key);
            EXPECT_EQ(row.m_p_Parent, &group);
        }
    }
    std::wstring M_Fn_Text(std::size_t i_Row) { return m_Ctrl.M_Fn_Row_At(0, i_Row)->m_Text; }

    C_Ctrl m_Ctrl;
};

const C_Expect K_Point_Start{L"Point of start", L"ID of start point\n(Read only)", true, E_Row_Text};
const C_Expect K_Point_Terminal{L"Point of terminal", L"ID of terminal point\n(Read only)", true, E_Row_Text};

} // namespace

TEST_F(C_Property_Grid_Kinds, PointsAndPositionsShowTheirCoordinates)
{
    std::uint32_t id = 0;
    M_Fn_Run(L"Points", [&](const T_sp_Group& ro_sp_Group) { id = M_Fn_Point(ro_sp_Group, 2.5f, -4); });
    for (const bool read_only : {false, true}) {
        m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_P(&sect(), id);
        m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_P(read_only);
        M_Fn_Expect_Group(L"Section Geometric Point", {{L"Type", L"Geometry type\n(Read only)", true, E_Row_Text},
                                                       {L"Id", L"Point id\n(Read only)", true, E_Row_Text},
                                                       {L"X", L"Coordinate X", read_only, E_Row_Text},
                                                       {L"Y", L"Coordinate Y", read_only, E_Row_Text}});
        EXPECT_EQ(M_Fn_Text(1), std::to_wstring(id));
        EXPECT_EQ(M_Fn_Text(2), L"2.5");
        EXPECT_EQ(M_Fn_Text(3), L"-4");
    }

    m_Ctrl.M_Fn_Data_Set_Point_3D(1, 0.5f, -7);
    M_Fn_Expect_Group(L"3D Point", {{L"X", L"Coordinate X", true, E_Row_Text},
                                    {L"Y", L"Coordinate Y", true, E_Row_Text},
                                    {L"Z", L"Coordinate Z", true, E_Row_Text}});
    EXPECT_EQ(M_Fn_Text(2), L"-7");

    // The number selected is one row without a group.
    m_Ctrl.M_Fn_Data_Set_Num_Sel(12);
    ASSERT_EQ(m_Ctrl.M_Fn_Rows_Top().size(), 1u);
    const C_Row& count = *m_Ctrl.M_Fn_Rows_Top()[0];
    EXPECT_EQ(count.m_Name, L"Number selected");
    EXPECT_EQ(count.m_Desc, L"Number of selected item");
    EXPECT_EQ(count.m_Text, L"12");
    EXPECT_TRUE(count.m_Read_Only);
    EXPECT_EQ(count.m_p_Parent, nullptr);
    EXPECT_TRUE(count.m_Children.empty());
}

TEST_F(C_Property_Grid_Kinds, EntitiesListTheirPointsTheirPropertyAndTheirChoices)
{
    std::uint32_t arc = 0, line = 0, curve = 0;
    M_Fn_Run(L"Entities", [&](const T_sp_Group& ro_sp_Group) {
        arc = M_Fn_Arc(ro_sp_Group, 0, 0, 5, 1);
        line = M_Fn_Line_XY(ro_sp_Group, 0, 10, 20, 10);
        curve = M_Fn_NURBS(ro_sp_Group, {{0, 0}, {1, 2}, {3, 2}, {4, 0}}, N_Biz::N_DB::C_Key_C_Property());
    });
    const C_Expect type{L"Type", L"Entity type\n(Read only)", true, E_Row_Text};
    const C_Expect ident{L"Id", L"Entity id\n(Read only)", true, E_Row_Text};

    m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_E(&sect(), arc);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(false);
    M_Fn_Expect_Group(L"Section Geometric Entity",
                      {type, ident, {L"PID", L"", false, E_Row_Key}, K_Point_Start, K_Point_Terminal,
                       {L"Point of center", L"ID of circle center point\n(Read only)", true, E_Row_Text},
                       {L"Clockwise", L"True for clockwise, False for counterclockwise.", false, E_Row_Bool}});
    const auto& refs = entities().M_Fn_Get_At(arc)->m_Ref_Points;
    ASSERT_GE(refs.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(M_Fn_Text(3 + i), std::to_wstring(refs[i].m_Id_Point)) << i;
    EXPECT_EQ(M_Fn_Text(6), L"True");
    // A True/False row carries a record, a plain text row none.
    EXPECT_GE(m_Ctrl.M_Fn_Row_At(0, 6)->m_Data, 0);
    EXPECT_EQ(m_Ctrl.M_Fn_Row_At(0, 5)->m_Data, -1);

    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(true);
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_At(0, 2)->m_Read_Only);
    EXPECT_TRUE(m_Ctrl.M_Fn_Row_At(0, 6)->m_Read_Only);

    m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_E(&sect(), line);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(false);
    M_Fn_Expect_Group(
        L"Section Geometric Entity",
        {type, ident, {L"PID", L"", false, E_Row_Key}, K_Point_Start, K_Point_Terminal,
         {L"Use Own Thk", L"Use line's own thickness instead of using property thickness.", false, E_Row_Bool},
         {L"Own Thk", L"Line's own thickness, Takes effect only when \"Use Individual Thk\" is \"True\".\n", false,
          E_Row_Text}});

    m_Ctrl.M_Fn_Target_Set_D_S_D_Geom_E(&sect(), curve);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Geom_E(false);
    M_Fn_Expect_Group(L"Section Geometric Entity", {type, ident, {L"PID", L"", false, E_Row_Key},
                                                    {L"Order", L"Order of the NURBS Curve\n(Read only)", true,
                                                     E_Row_Text}});
    EXPECT_EQ(M_Fn_Text(3), L"3");
}

TEST_F(C_Property_Grid_Kinds, MeshObjectsAreReadOnlyThroughout)
{
    M_Fn_Run(L"Line", [&](const T_sp_Group& ro_sp_Group) { M_Fn_Line_XY(ro_sp_Group, 0, 0, 10, 0); });
    ASSERT_EQ(entities().M_Fn_Proc_Cmd_Sub_Relation_Rebuild(), 1);
    // The line's one segment: the first used slot.
    const auto& store = sect().M_Fn_Get_Mgr_D_Tess_E().M_Fn_Get_Store();
    std::uint32_t segment = 1;
    while (segment < store.size() && !store.is_used_at(segment))
        ++segment;
    ASSERT_LT(segment, store.size());

    m_Ctrl.M_Fn_Target_Set_D_S_D_Tess_E(&sect(), segment);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Tess_E();
    M_Fn_Expect_Group(L"Section Element", {{L"Type", L"Element type\n(Read only)", true, E_Row_Text},
                                           {L"Id", L"Element id\n(Read only)", true, E_Row_Text},
                                           {L"PID", L"", true, E_Row_Key},
                                           {L"Node of start", L"ID of start node\n(Read only)", true, E_Row_Text},
                                           {L"Node of terminal", L"ID of terminal node\n(Read only)", true,
                                            E_Row_Text}});

    const std::uint32_t node = store.at(segment)->m_Ref_Nodes[1].m_Id_Node;
    m_Ctrl.M_Fn_Target_Set_D_S_D_Tess_N(&sect(), node);
    m_Ctrl.M_Fn_Data_Set_D_S_D_Tess_N();
    M_Fn_Expect_Group(L"Section Node", {{L"Type", L"Type\n(Read only)", true, E_Row_Text},
                                        {L"Id", L"Node id\n(Read only)", true, E_Row_Text},
                                        {L"X", L"Coordinate X\n(Read only)", true, E_Row_Text},
                                        {L"Y", L"Coordinate Y\n(Read only)", true, E_Row_Text}});
    EXPECT_EQ(M_Fn_Text(1), std::to_wstring(node));
    EXPECT_EQ(M_Fn_Text(3), L"0"); // the segment lies on y = 0
}
