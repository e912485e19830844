// The section's IGES exchange and scaling: a section written to a file and read back into a new
// section, the global values of an exported file, the grouping and chaining of the export, the
// import of a file from another CAD system, and the scale commands with their text entry.
#include "tests/sect/Test_Sect_Geom_Support.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/iges/Biz_IGES_Entity_100_Arc_Circular.h"
#include "biz/iges/Biz_IGES_Entity_102_Curve_Composite.h"
#include "biz/iges/Biz_IGES_Entity_110_Line.h"
#include "biz/iges/Biz_IGES_Entity_124_Matrix.h"
#include "biz/iges/Biz_IGES_Entity_126_Curve_B_Spline_Rational.h"
#include "biz/iges/Biz_IGES_Entity_314_Color.h"
#include "biz/iges/Biz_IGES_Export_Context_File.h"
#include "biz/iges/Biz_IGES_Import_Context_File.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Curve_NURBS.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Sect.h"
#include "common/Common_String.h"
#include "tests/iges/Test_IGES_Support.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>

namespace {

using namespace N_Test_Sect_Geom;
using N_Biz::N_IGES::N_Import::C_Context_File;

class C_Mgr_D_Sect : public C_Geom_Test {
protected:
    // A named property card with a display colour, stored in the project.
    lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property> M_Fn_Property_Named(const std::wstring& i_Name,
                                                                        std::array<float, 4> i_Color)
    {
        auto sp = M_Fn_Property(2.0f);
        sp->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Name).M_Fn_Ref<std::wstring>() = i_Name;
        sp->m_Display.M_Fn_Color_Set(i_Color);
        return sp;
    }
    std::string M_Fn_Path(const char* i_Name) const { return (m_App.dir() / i_Name).string(); }
    // Exports sect() through the command with the file dialog answered by i_Path.
    void M_Fn_Export(const std::string& i_Path)
    {
        m_App.port().m_File_Answers.push_back(N_Common::N_String::G_Fn_To_Wide_UTF8(i_Path));
        EXPECT_EQ(sect().M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Export(), 1);
    }
    // Reads the file and imports it into a new section in one entry "Import section".
    std::unique_ptr<C_Sect> M_Fn_Import(const std::string& i_Path)
    {
        C_Context_File context(N_Common::N_String::G_Fn_To_Wide_UTF8(i_Path), L"file.igs");
        EXPECT_EQ(context.M_Fn_Import(), 1);
        auto up = M_Fn_Sect_New();
        auto sp_entry = std::make_shared<N_Biz::N_Sect::N_Cmd::C_Entry_C>(L"Import section", up->M_Fn_Get_Mgr_State());
        history().M_Fn_Entry_Run(sp_entry, [&] {
            auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
            sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
            EXPECT_EQ(up->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Import(sp_group, context), 1);
        });
        return up;
    }
    // Entity counts of a section by type code.
    static std::map<std::int32_t, int> S_Fn_Kinds(const C_Sect& ro_Sect)
    {
        std::map<std::int32_t, int> kinds;
        const auto& store = ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < store.size(); ++i)
            if (store.is_used_at(i))
                ++kinds[store.at(i)->M_Fn_Type_Get()];
        return kinds;
    }
    // Every point's position in model space, sorted.
    static std::vector<std::array<float, 3>> S_Fn_Points_Global(const C_Sect& ro_Sect)
    {
        std::vector<std::array<float, 3>> points;
        const auto& store = ro_Sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < store.size(); ++i)
            if (store.is_used_at(i)) {
                const auto g = ro_Sect.M_Fn_Plane_Local_To_Global_2({store.at(i).m_X, store.at(i).m_Y});
                points.push_back({g.x, g.y, g.z});
            }
        std::sort(points.begin(), points.end(), [](const auto& a, const auto& b) {
            for (int k = 0; k < 3; ++k)
                if (std::fabs(a[k] - b[k]) > 1e-3f)
                    return a[k] < b[k];
            return false;
        });
        return points;
    }
    // The name of the property card of entity i_Id of ro_Sect ("" without one).
    static std::wstring S_Fn_Property_Name(const C_Sect& ro_Sect, std::uint32_t i_Id)
    {
        auto sp = ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_At(i_Id)->m_Key_C_P.M_Fn_Lock();
        if (!sp)
            return L"";
        return sp->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Name).M_Fn_Get<std::wstring>();
    }
};

// Lines, an arc and a NURBS curve written and read back: the same points in model space, kinds and
// counts, properties matched by colour, all in one undoable entry.
TEST_F(C_Mgr_D_Sect, ExportImportRoundTrip)
{
    // Material slots 1 and 2 used and freed again, 1 first: slot 1 is empty but not the next free.
    auto& mgr_m = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M();
    for (std::uint32_t slot : {1u, 2u})
        mgr_m.M_Fn_Proc_Cmd_Sub_Add_At(lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material>(new N_Biz::N_DB::C_Row_C_Material(
                                           G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Material"))),
                                       slot, nullptr);
    for (std::uint32_t slot : {1u, 2u}) {
        N_Biz::N_Proj::C_Mgr_D_DB_C_M::T_sp_Card sp_out;
        mgr_m.M_Fn_D_Remove_At(slot, sp_out);
    }
    auto sp_steel = M_Fn_Property_Named(L"Steel", {0, 0, 1, 1});
    std::uint32_t id_nurbs = 0;
    M_Fn_Run(L"Build", [&](const T_sp_Group& g) {
        const std::uint32_t a = M_Fn_Point(g, 0, 0), b = M_Fn_Point(g, 10, 0), c = M_Fn_Point(g, 10, 10);
        const std::uint32_t l1 = M_Fn_Line(g, a, b), l2 = M_Fn_Line(g, c, b); // joined, l2 reversed
        for (std::uint32_t l : {l1, l2})
            std::const_pointer_cast<C_D_Geom_Entity>(entities().M_Fn_Get_At(l))->m_Key_C_P =
                N_Biz::N_DB::C_Key_C_Property(sp_steel);
        M_Fn_Arc(g, 25, 0, 5, 1); // clockwise, no property
        id_nurbs = M_Fn_NURBS(g, {{{40, 0}}, {{45, 8}}, {{50, -4}}, {{55, 0}}}, N_Biz::N_DB::C_Key_C_Property(sp_steel));
    });
    const std::string path = M_Fn_Path("round.igs");
    M_Fn_Export(path);

    const std::size_t history_before = M_Fn_History_Size();
    auto up_new = M_Fn_Import(path);
    EXPECT_EQ(M_Fn_History_Size(), history_before + 1);
    EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Import section");

    // 2 lines, 1 arc, 1 NURBS curve; 3 + 3 + 4 points.
    EXPECT_EQ(S_Fn_Kinds(*up_new), S_Fn_Kinds(sect()));
    EXPECT_EQ((S_Fn_Kinds(*up_new)), (std::map<std::int32_t, int>{{3, 1}, {5, 1}, {6, 2}}));
    const auto before = S_Fn_Points_Global(sect());
    const auto after = S_Fn_Points_Global(*up_new);
    ASSERT_EQ(after.size(), 10u);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        for (int k = 0; k < 3; ++k)
            EXPECT_NEAR(after[i][k], before[i][k], 1e-4) << i << " " << k;

    // The arc is still clockwise and the curve keeps its knots.
    const auto& new_store = up_new->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store();
    for (std::uint32_t i = 1; i < new_store.size(); ++i) {
        if (!new_store.is_used_at(i))
            continue;
        const auto* p_arc = dynamic_cast<const C_D_Geom_E_Arc*>(new_store.at(i).get());
        const auto* p_curve = dynamic_cast<const C_D_Geom_E_Curve_NURBS*>(new_store.at(i).get());
        // Seen from the same side as the original (the plane may be flipped, which mirrors it).
        const bool flipped = up_new->M_Fn_Plane_Local_To_Global_3({0, 0, 1}).z <
                             up_new->M_Fn_Plane_Local_To_Global_3({0, 0, 0}).z;
        if (p_arc) {
            EXPECT_EQ(p_arc->m_Direction, flipped ? 0 : 1);
        }
        if (p_curve) {
            EXPECT_EQ(p_curve->m_Curve.m_Knots, (std::vector<float>{0, 0, 0, 0.5f, 1, 1, 1}));
            EXPECT_EQ(p_curve->m_Curve.m_Order, 3);
        }
        // Lines and the curve took the card made for Steel's blue, the arc one for white.
        EXPECT_EQ(S_Fn_Property_Name(*up_new, i), L"Auto-created Property");
        auto sp_card = new_store.at(i)->m_Key_C_P.M_Fn_Lock();
        ASSERT_TRUE(sp_card);
        const std::array<float, 4> expected = p_arc ? std::array<float, 4>{1, 1, 1, 1} : std::array<float, 4>{0, 0, 1, 1};
        EXPECT_EQ(sp_card->m_Display.m_Color_Normal, expected);
    }
    auto& mgr_p = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P();
    EXPECT_EQ(mgr_p.M_Fn_Get_Store().size() - mgr_p.M_Fn_Get_Store().free_count(), 4u); // slot 0, Steel, 2 new
    EXPECT_TRUE(mgr_m.M_Fn_Get_Store().is_used_at(1));                                      // default material

    // A second import finds the cards again by colour and name.
    auto up_second = M_Fn_Import(path);
    EXPECT_EQ(mgr_p.M_Fn_Get_Store().size() - mgr_p.M_Fn_Get_Store().free_count(), 4u);

    // Undoing the first import's entry... the second one first, then the first: nothing is left.
    history().M_Fn_Undo();
    history().M_Fn_Undo();
    EXPECT_EQ(up_new->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), 0u);
    EXPECT_EQ(up_new->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Count(), 0u);
    EXPECT_EQ(mgr_p.M_Fn_Get_Store().size() - mgr_p.M_Fn_Get_Store().free_count(), 2u);
    EXPECT_FALSE(mgr_m.M_Fn_Get_Store().is_used_at(1)); // the default material went with its import
    history().M_Fn_Redo();
    EXPECT_TRUE(mgr_m.M_Fn_Get_Store().is_used_at(1));
    EXPECT_EQ(up_new->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), 4u);
    history().M_Fn_Clear();
    (void)id_nurbs;
}

// The plane of an import: a single line (its points in line with their mean) keeps the identity
// plane; a square drawn clockwise or counter-clockwise gives the same plane, centred on its mean.
TEST_F(C_Mgr_D_Sect, ImportPlane)
{
    M_Fn_Run(L"Line", [&](const T_sp_Group& g) { M_Fn_Line_XY(g, 3, 4, 7, 9); });
    M_Fn_Export(M_Fn_Path("line.igs"));
    auto up_line = M_Fn_Import(M_Fn_Path("line.igs"));
    const N_Common::N_Math::C_Matrix4<float> identity;
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(up_line->M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix().m_Data[k], identity.m_Data[k]) << k;
    EXPECT_EQ(up_line->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(1).m_X, 3.0f);

    std::vector<N_Common::N_Math::C_Matrix4<float>> planes;
    for (bool clockwise : {false, true}) {
        auto sp_p = M_Fn_Property_Named(clockwise ? L"CW" : L"CCW", {1, 1, 0, 1});
        auto up = M_Fn_Sect_New();
        m_up_Sect.swap(up);
        M_Fn_Run(L"Square", [&](const T_sp_Group& g) {
            std::vector<std::uint32_t> p;
            for (auto [x, y] : {std::pair{0.f, 0.f}, {10.f, 0.f}, {10.f, 10.f}, {0.f, 10.f}})
                p.push_back(M_Fn_Point(g, x + 100, y + 50));
            if (clockwise)
                std::reverse(p.begin(), p.end());
            for (std::size_t i = 0; i < 4; ++i)
                std::const_pointer_cast<C_D_Geom_Entity>(entities().M_Fn_Get_At(M_Fn_Line(g, p[i], p[(i + 1) % 4])))
                    ->m_Key_C_P = N_Biz::N_DB::C_Key_C_Property(sp_p);
        });
        M_Fn_Export(M_Fn_Path("square.igs"));
        auto up_square = M_Fn_Import(M_Fn_Path("square.igs"));
        planes.push_back(up_square->M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix());
        history().M_Fn_Clear();
        m_up_Sect.swap(up);
    }
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(planes[0].m_Data[k], planes[1].m_Data[k]) << k;
    // The square's 4 corners, each met twice by the closed composite, average to its centre.
    EXPECT_NEAR(planes[0](0, 3), 105.0f, 1e-4f);
    EXPECT_NEAR(planes[0](1, 3), 55.0f, 1e-4f);
    EXPECT_NEAR(planes[0](2, 2), 1.0f, 1e-6f);
}

// Entities that cannot become section geometry end the import with C_Exception, and the entry's
// cancel leaves the new section empty: a curve whose knots run backwards, a colour pointer to a
// line.
TEST_F(C_Mgr_D_Sect, ImportRefusesBrokenEntities)
{
    using namespace N_Biz::N_IGES;
    for (int variant = 0; variant < 2; ++variant) {
        C_Context_File context(L"mem.igs", L"mem.igs");
        context.m_sp_Global = std::make_shared<C_Global>();
        context.m_Table.add(nullptr);
        auto sp_line = std::make_shared<C_Entity_110_Line>();
        sp_line->m_X2 = 1;
        context.m_Table.add(sp_line);
        if (variant == 0) {
            auto sp_curve = std::make_shared<C_Entity_126_Curve_B_Spline_Rational>();
            sp_curve->m_Degree = 1;
            sp_curve->m_Count_Ctrl = 2;
            sp_curve->m_Count_Knot = 4;
            sp_curve->m_Knots = {1, 1, 0, 0};
            sp_curve->m_Weights = {1, 1};
            sp_curve->m_Ctrl_Points = {C_Vector3_f(0, 0, 0), C_Vector3_f(1, 0, 0)};
            context.m_Table.add(sp_curve);
        } else {
            sp_line->M_Fn_Set_Color_Slot(1); // itself: not a colour definition
        }
        auto up = M_Fn_Sect_New();
        auto sp_entry = std::make_shared<N_Biz::N_Sect::N_Cmd::C_Entry_C>(L"Import section", up->M_Fn_Get_Mgr_State());
        EXPECT_THROW(history().M_Fn_Entry_Run(sp_entry,
                                              [&] {
                                                  auto sp_group = std::make_shared<N_Biz::N_Cmd::C_Elem_Group>();
                                                  sp_entry->M_Fn_Child_Add_and_Execute(sp_group);
                                                  up->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Import(sp_group, context);
                                              }),
                     N_Common::N_Exception::C_Exception)
            << variant;
        EXPECT_EQ(up->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), 0u) << variant;
        EXPECT_EQ(up->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Count(), 0u) << variant;
        history().M_Fn_Clear();
    }
}

// A file as other systems write them, made by hand: a logically dependent line (switch 2) is a
// curve of its own; a composite's members (one of them marked independent) are built once, each
// turned to meet the one before; a composite whose members do not join and an arc standing up out
// of the plane are refused with messages naming them.
TEST_F(C_Mgr_D_Sect, ImportTopLevelCurvesCompositesAndArcsOffThePlane)
{
    using namespace N_Biz::N_IGES;
    C_Context_File context(L"hand.igs", L"hand.igs");
    context.m_sp_Global = std::make_shared<C_Global>();
    context.m_sp_Global->m_Units_Flag = 2;
    context.m_Table.add(nullptr);
    auto line = [&](float i_X1, float i_Y1, float i_X2, float i_Y2, std::uint32_t i_Switch) {
        auto sp = std::make_shared<C_Entity_110_Line>();
        sp->m_X1 = i_X1, sp->m_Y1 = i_Y1, sp->m_X2 = i_X2, sp->m_Y2 = i_Y2;
        sp->M_Fn_Set_Subordinate(i_Switch);
        return static_cast<std::int32_t>(context.m_Table.add(sp));
    };
    auto composite = [&](std::vector<std::int32_t> i_Members) {
        auto sp = std::make_shared<C_Entity_102_Curve_Composite>();
        sp->m_Members = std::move(i_Members);
        return context.m_Table.add(sp);
    };
    line(0, 0, 0, 10, C_Entity::E_Subordinate_Logical);                               // slot 1, DE 1
    const std::int32_t a = line(10, 0, 20, 0, C_Entity::E_Subordinate_Physical);       // slot 2
    const std::int32_t b = line(20, 10, 20, 0, C_Entity::E_Subordinate_Independent);   // slot 3: meets a at its finish
    const std::int32_t c = line(10, 10, 20, 10, C_Entity::E_Subordinate_Physical);     // slot 4: meets b at its finish
    composite({a, b, c});                                                              // slot 5
    const std::int32_t d = line(30, 0, 40, 0, C_Entity::E_Subordinate_Physical);       // slot 6
    const std::int32_t e = line(50, 0, 60, 0, C_Entity::E_Subordinate_Physical);       // slot 7, DE 13
    composite({d, e});                                                                 // slot 8, DE 15
    // A half circle of radius 5 from (5, 0) to (-5, 0) about (0, 0), turned a quarter about x:
    // its ends and centre lie in z = 0, its middle at z = 5.
    auto sp_matrix = std::make_shared<C_Entity_124_Matrix>();
    sp_matrix->m_Matrix(1, 1) = 0, sp_matrix->m_Matrix(1, 2) = -1, sp_matrix->m_Matrix(2, 1) = 1, sp_matrix->m_Matrix(2, 2) = 0;
    const std::uint32_t slot_matrix = context.m_Table.add(sp_matrix);
    auto sp_arc = std::make_shared<C_Entity_100_Arc_Circular>();
    sp_arc->m_X2 = 5, sp_arc->m_X3 = -5;
    sp_arc->M_Fn_Set_Matrix_Slot(static_cast<std::int32_t>(slot_matrix));
    context.m_Table.add(sp_arc);                                                       // slot 10, DE 19

    auto up = M_Fn_Sect_New();
    M_Fn_Run(L"Import section", [&](const T_sp_Group& g) { EXPECT_EQ(up->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Import(g, context), 1); });
    const auto msgs = m_App.port().M_Fn_Texts(L"box");
    const auto has = [&](const wchar_t* i_Text) { return std::find(msgs.begin(), msgs.end(), i_Text) != msgs.end(); };
    EXPECT_TRUE(has(L"Warning: Composite curve entity 15 is not imported: its member entity 13 does not join the curve before it."));
    EXPECT_TRUE(has(L"Warning: Circular arc entity 19 does not lie in the section plane, it is not imported."));

    // The switch-2 line and the three members, each once: 4 lines on 2 + 4 points.
    EXPECT_EQ(S_Fn_Kinds(*up), (std::map<std::int32_t, int>{{6, 4}}));
    EXPECT_EQ(up->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Count(), 6u);
    // Edge by edge in model space: each line keeps its own direction, each joins the one before
    // at the point they share.
    const auto end = [&](std::uint32_t i_Entity, std::size_t i_Pos) {
        const auto id = up->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_At(i_Entity)->m_Ref_Points[i_Pos].m_Id_Point;
        const auto& p = up->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(static_cast<std::uint32_t>(id));
        const auto g = up->M_Fn_Plane_Local_To_Global_2({p.m_X, p.m_Y});
        return std::tuple{id, std::round(g.x * 1000) / 1000, std::round(g.y * 1000) / 1000};
    };
    const float edges[4][4] = {{0, 0, 0, 10}, {10, 0, 20, 0}, {20, 10, 20, 0}, {10, 10, 20, 10}};
    for (std::uint32_t i = 0; i < 4; ++i)
        EXPECT_EQ((std::array<float, 4>{std::get<1>(end(i + 1, 0)), std::get<2>(end(i + 1, 0)), std::get<1>(end(i + 1, 1)),
                                        std::get<2>(end(i + 1, 1))}),
                  (std::array<float, 4>{edges[i][0], edges[i][1], edges[i][2], edges[i][3]}))
            << i;
    EXPECT_EQ(std::get<0>(end(2, 1)), std::get<0>(end(3, 1))); // (20, 0)
    EXPECT_EQ(std::get<0>(end(3, 0)), std::get<0>(end(4, 1))); // (20, 10)
    history().M_Fn_Clear();
}

// A file of composites alone: their members are dependent entities, which the plane search passes
// over, so only the composite's own points (its members') place the plane. A square standing in
// the plane y = 3 gives the plane through its centre (5, 3, 5) with its normal along y, and all four
// edges lie in it.
TEST_F(C_Mgr_D_Sect, ImportPlaneOfCompositesAloneComesFromTheirMembers)
{
    using namespace N_Biz::N_IGES;
    C_Context_File context(L"composite.igs", L"composite.igs");
    context.m_sp_Global = std::make_shared<C_Global>();
    context.m_sp_Global->m_Units_Flag = 2;
    context.m_Table.add(nullptr);
    const float corners[4][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}}; // (x, z)
    std::vector<std::int32_t> members;
    for (int i = 0; i < 4; ++i) {
        auto sp = std::make_shared<C_Entity_110_Line>();
        sp->m_X1 = corners[i][0], sp->m_Y1 = 3, sp->m_Z1 = corners[i][1];
        sp->m_X2 = corners[(i + 1) % 4][0], sp->m_Y2 = 3, sp->m_Z2 = corners[(i + 1) % 4][1];
        sp->M_Fn_Set_Subordinate(C_Entity::E_Subordinate_Physical);
        members.push_back(static_cast<std::int32_t>(context.m_Table.add(sp)));
    }
    auto sp_composite = std::make_shared<C_Entity_102_Curve_Composite>();
    sp_composite->m_Members = members;
    context.m_Table.add(sp_composite);

    auto up = M_Fn_Sect_New();
    M_Fn_Run(L"Import section", [&](const T_sp_Group& g) { EXPECT_EQ(up->M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Import(g, context), 1); });
    const auto& plane = up->M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix();
    EXPECT_NEAR(plane(0, 3), 5.0f, 1e-4f);
    EXPECT_NEAR(plane(1, 3), 3.0f, 1e-4f);
    EXPECT_NEAR(plane(2, 3), 5.0f, 1e-4f);
    EXPECT_NEAR(std::fabs(plane(1, 2)), 1.0f, 1e-5f); // the section's z axis is the model's y
    EXPECT_EQ(S_Fn_Kinds(*up), (std::map<std::int32_t, int>{{6, 4}}));
    // Every point back in model space at y = 3 (the closing corner is the composite's start and
    // its finish).
    const auto& points = up->M_Fn_Get_Mgr_D_Geom_P();
    ASSERT_EQ(points.M_Fn_Count(), 5u);
    for (std::uint32_t id = 1; id <= 5; ++id) {
        const auto& p = points.M_Fn_Get_At(id);
        const auto g = up->M_Fn_Plane_Local_To_Global_3({p.m_X, p.m_Y, 0});
        EXPECT_NEAR(g.y, 3.0f, 1e-4f) << id;
    }
    const auto msgs = m_App.port().M_Fn_Texts(L"box");
    EXPECT_TRUE(std::none_of(msgs.begin(), msgs.end(), [](const std::wstring& m) { return m.find(L"section plane") != std::wstring::npos; }));
    history().M_Fn_Clear();
}

// The global section of an exported file carries the fixed values.
TEST_F(C_Mgr_D_Sect, ExportGlobalValues)
{
    sect().m_Text_2 = L"Rocker";
    M_Fn_Run(L"Build", [&](const T_sp_Group& g) { M_Fn_Line_XY(g, 0, 0, 5, 0); });
    const std::string path = M_Fn_Path("global.igs");
    M_Fn_Export(path);
    C_Context_File context(N_Common::N_String::G_Fn_To_Wide_UTF8(path), L"global.igs");
    ASSERT_EQ(context.M_Fn_Import(), 1);
    // Every parameter in file order, hand-written from the export's table of values.
    EXPECT_EQ(N_Test_IGES::G_Fn_Params(*context.m_sp_Global),
              ",;|Rocker|" + path + "|Veltrane Ver.1.2.0037|Veltrane Ver.1.2.0037|32|75|6|75|15|Rocker|1|2|mm|1000|1|"
                                    "20150101.000000|0.001|10000|Veltrane|Veltrane|11|0|20150101.000000|");

    // A cancelled dialog writes nothing and still succeeds.
    EXPECT_EQ(sect().M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Export(), 1);
}

// A weld line stays out; two lines of different properties meeting at a point are two curves, each
// with its own colour definition; lines of one property joined end to end are one composite.
TEST_F(C_Mgr_D_Sect, ExportGroupsAndChains)
{
    auto sp_a = M_Fn_Property_Named(L"A", {1, 0, 0, 1});
    auto sp_b = M_Fn_Property_Named(L"B", {0, 1, 0, 1});
    M_Fn_Run(L"Build", [&](const T_sp_Group& g) {
        const std::uint32_t p0 = M_Fn_Point(g, 0, 0), p1 = M_Fn_Point(g, 10, 0), p2 = M_Fn_Point(g, 20, 0);
        const std::uint32_t la = M_Fn_Line(g, p0, p1), lb = M_Fn_Line(g, p1, p2);
        std::const_pointer_cast<C_D_Geom_Entity>(entities().M_Fn_Get_At(la))->m_Key_C_P = N_Biz::N_DB::C_Key_C_Property(sp_a);
        std::const_pointer_cast<C_D_Geom_Entity>(entities().M_Fn_Get_At(lb))->m_Key_C_P = N_Biz::N_DB::C_Key_C_Property(sp_b);
        const std::uint32_t p3 = M_Fn_Point(g, 10, 10);
        T_sp_Entity sp_weld = std::make_shared<C_D_Geom_E_Line>(static_cast<std::int32_t>(p1), static_cast<std::int32_t>(p3));
        sp_weld->M_Fn_Weld_Set(true);
        entities().M_Fn_Proc_Cmd_Sub_Add_At(entities().M_Fn_Next_Index(), sp_weld, g);
    });
    N_Biz::N_IGES::N_Export::C_Context_File context(L"x.igs", L"x.igs");
    ASSERT_EQ(sect().M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Export_Process_Data(context), 1);
    std::map<std::int32_t, int> types;
    std::vector<std::string> names;
    for (std::uint32_t i = 1; i < context.m_Table.size(); ++i) {
        const auto& sp = context.m_Table.at(i);
        EXPECT_EQ(sp->m_Id, static_cast<std::int32_t>(i));
        ++types[sp->M_Fn_Get_Type()];
        if (auto* p_color = dynamic_cast<N_Biz::N_IGES::C_Entity_314_Color*>(sp.get()))
            names.push_back(p_color->m_Name);
        if (auto* p_line = dynamic_cast<N_Biz::N_IGES::C_Entity_110_Line*>(sp.get())) {
            EXPECT_TRUE(p_line->M_Fn_If_Color_Pointer());
            EXPECT_TRUE(p_line->M_Fn_If_Independent());
        }
    }
    EXPECT_EQ(types, (std::map<std::int32_t, int>{{110, 2}, {314, 2}}));
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B"}));

    // Both lines under one property: one composite of two dependent members, end to end.
    M_Fn_Run(L"Same", [&](const T_sp_Group& g) {
        auto sp_copy = entities().M_Fn_Get_At(2)->Clone_apo_D_Geom_Entity();
        sp_copy->m_Key_C_P = N_Biz::N_DB::C_Key_C_Property(sp_a);
        T_sp_Entity sp = std::move(sp_copy);
        entities().M_Fn_Proc_Cmd_Sub_Modify_At(2, sp, g);
    });
    N_Biz::N_IGES::N_Export::C_Context_File context2(L"y.igs", L"y.igs");
    ASSERT_EQ(sect().M_Fn_Get_Mgr_D_Sect().M_Fn_Proc_Sub_IGES_Export_Process_Data(context2), 1);
    const N_Biz::N_IGES::C_Entity_102_Curve_Composite* p_composite = nullptr;
    for (std::uint32_t i = 1; i < context2.m_Table.size(); ++i)
        if (auto* p = dynamic_cast<const N_Biz::N_IGES::C_Entity_102_Curve_Composite*>(context2.m_Table.at(i).get()))
            p_composite = p;
    ASSERT_NE(p_composite, nullptr);
    ASSERT_EQ(p_composite->m_Members.size(), 2u);
    N_Biz::N_IGES::C_Vector3_f end, start;
    for (std::int32_t m : p_composite->m_Members)
        EXPECT_TRUE(context2.m_Table.at(static_cast<std::uint32_t>(m))->M_Fn_If_Physically_Dependent());
    context2.m_Table.at(static_cast<std::uint32_t>(p_composite->m_Members[0]))->M_Fn_Get_o_Vector3_f_Finish(end, context2.m_Table);
    context2.m_Table.at(static_cast<std::uint32_t>(p_composite->m_Members[1]))->M_Fn_Get_o_Vector3_f_Start(start, context2.m_Table);
    EXPECT_EQ(end.x, start.x);
    EXPECT_EQ(end.y, start.y);
}

// A B-spline written reversed: u becomes first + last - u for its knots and its range alike, so a
// curve whose knots start at 2 keeps the range 2..4; its normal is the section plane's.
TEST_F(C_Mgr_D_Sect, ExportReversedCurveKeepsItsParameterRange)
{
    std::uint32_t id = 0;
    M_Fn_Run(L"Build", [&](const T_sp_Group& g) {
        id = M_Fn_NURBS(g, {{{0, 0}}, {{1, 2}}, {{3, 2}}, {{4, 0}}}, {});
        auto sp_copy = entities().M_Fn_Get_At(id)->Clone_apo_D_Geom_Entity();
        static_cast<C_D_Geom_E_Curve_NURBS&>(*sp_copy).m_Curve.m_Knots = {2, 2, 2, 2.5f, 4, 4, 4};
        T_sp_Entity sp = std::move(sp_copy);
        entities().M_Fn_Proc_Cmd_Sub_Modify_At(id, sp, g);
    });
    for (std::uint32_t reverse : {0u, 1u}) {
        N_Biz::N_IGES::C_Table_Entity table;
        table.add(nullptr);
        std::int32_t id_iges = 0;
        entities().M_Fn_Get_At(id)->M_Fn_IGES_Export(sect(), table, id_iges, 8, 0, 0, reverse);
        const auto& curve = dynamic_cast<const N_Biz::N_IGES::C_Entity_126_Curve_B_Spline_Rational&>(
            *table.at(static_cast<std::uint32_t>(id_iges)));
        const std::vector<float> knots =
            reverse ? std::vector<float>{2, 2, 2, 3.5f, 4, 4, 4} : std::vector<float>{2, 2, 2, 2.5f, 4, 4, 4};
        EXPECT_EQ(curve.m_Knots, knots);
        EXPECT_EQ((std::array<float, 6>{curve.m_V0, curve.m_V1, curve.m_Ctrl_Points.front().x, curve.m_Normal.x,
                                        curve.m_Normal.y, curve.m_Normal.z}),
                  (std::array<float, 6>{2, 4, reverse ? 4.0f : 0.0f, 0, 0, 1}));
    }
}

// Scaling changes every coordinate by the factor and undoes exactly.
TEST_F(C_Mgr_D_Sect, ScaleUniformAndUndo)
{
    M_Fn_Run(L"Build", [&](const T_sp_Group& g) {
        M_Fn_Line_XY(g, 1.5f, -2.25f, 3, 4);
        M_Fn_Arc(g, 10, 1, 2, 0);
    });
    const auto before = G_Fn_Bytes(sect());
    const auto xy = [&] {
        std::vector<float> v;
        for (std::uint32_t i = 1; i <= 5; ++i)
            v.insert(v.end(), {points().M_Fn_Get_At(i).m_X, points().M_Fn_Get_At(i).m_Y});
        return v;
    };
    const std::vector<float> old = {1.5f, -2.25f, 3, 4, 12, 1, 8, 1, 10, 1}; // line, then the arc's start, end, centre
    ASSERT_EQ(xy(), old);
    std::vector<float> scaled;
    for (float v : old)
        scaled.push_back(v * 2.5f);
    m_App.port().m_Enter_Answers.push_back(L"2.5");
    EXPECT_EQ(sect().M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale(), 1);
    EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Scale section");
    EXPECT_EQ(xy(), scaled);
    EXPECT_EQ(S_Fn_Kinds(sect()), (std::map<std::int32_t, int>{{3, 1}, {6, 1}}));
    history().M_Fn_Undo();
    EXPECT_EQ(G_Fn_Bytes(sect()), before);

    // Scale Y: only y changes.
    m_App.port().m_Enter_Answers.push_back(L"0.5");
    sect().M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale_Y();
    EXPECT_EQ(points().M_Fn_Get_At(1).m_X, 1.5f);
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Y, -2.25f * 0.5f);
    EXPECT_EQ(S_Fn_Kinds(sect()).count(3), 0u);
    history().M_Fn_Undo();
    // The arc is back; the slots its lines used stay free in the tables.
    EXPECT_EQ(S_Fn_Kinds(sect()), (std::map<std::int32_t, int>{{3, 1}, {6, 1}}));
    EXPECT_EQ(points().M_Fn_Count(), 5u);
    EXPECT_EQ(xy(), old);
}

// Scale X of a section with an arc turns the arc into lines first, then stretches them.
TEST_F(C_Mgr_D_Sect, ScaleXConvertsArcs)
{
    M_Fn_Run(L"Build", [&](const T_sp_Group& g) { M_Fn_Arc(g, 0, 0, 10, 0); });
    m_App.port().m_Enter_Answers.push_back(L"3");
    sect().M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale_X();
    const auto kinds = S_Fn_Kinds(sect());
    EXPECT_EQ(kinds.count(3), 0u);
    EXPECT_GT(kinds.at(6), 1);
    // The start point (10, 0) went to (30, 0); every point stays on the stretched circle.
    EXPECT_EQ(points().M_Fn_Get_At(1).m_X, 30.0f);
    const auto& store = points().M_Fn_Get_Store();
    for (std::uint32_t i = 1; i < store.size(); ++i)
        if (store.is_used_at(i) && !store.at(i).M_Fn_Is_Free()) {
            const float u = store.at(i).m_X / 30.0f, v = store.at(i).m_Y / 10.0f;
            EXPECT_NEAR(u * u + v * v, 1.0f, 1e-4f);
        }
}

// The text entry: accepted and refused texts, the message and the repeated dialog, Cancel.
TEST_F(C_Mgr_D_Sect, ScaleTextValidated)
{
    float value = 0;
    for (const wchar_t* text : {L"10", L"0.1", L"1.0", L"2.5", L" 2 "})
        EXPECT_TRUE(N_Biz::N_Sect::C_Mgr_D_Sect::S_Fn_Scale_Parse(text, value)) << text;
    for (const wchar_t* text : {L"0.09", L"10.01", L"abc", L"", L"-1", L"10abc", L"5,5"})
        EXPECT_FALSE(N_Biz::N_Sect::C_Mgr_D_Sect::S_Fn_Scale_Parse(text, value)) << text;

    // Two refusals, then Cancel: the same dialog three times, two messages, nothing recorded.
    const std::size_t history_before = M_Fn_History_Size();
    m_App.port().m_Enter_Answers = {L"abc", L"10.01"};
    EXPECT_EQ(sect().M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale(), 1);
    const auto prompts = m_App.port().M_Fn_Texts(L"enter");
    ASSERT_EQ(prompts.size(), 3u);
    EXPECT_EQ(prompts[0], L"Please enter the scaling value, 1.0 means no scaling, valid range is 0.1 - 10.0.");
    for (const auto& call : m_App.port().m_Calls)
        if (call.m_Kind == L"enter") {
            EXPECT_EQ(call.m_Caption, L"1.0");
        }
    EXPECT_EQ(m_App.port().M_Fn_Texts(L"box"),
              (std::vector<std::wstring>(2, L"Invalid value. valid range is 0.1 - 10.0.")));
    EXPECT_EQ(M_Fn_History_Size(), history_before);

    // A valid factor on an empty section: the history drops an entry that changed nothing.
    m_App.port().m_Enter_Answers = {L"2"};
    sect().M_Fn_Get_Mgr_D_Sect().M_Fn_Doc_On_Cmd_Sect_Edit_D_Sect_Scale();
    EXPECT_EQ(m_App.port().M_Fn_Texts(L"enter").size(), 4u);
    EXPECT_EQ(M_Fn_History_Size(), history_before);
}

// A file of another CAD system, in metres: a B-spline, a line, the rectangle 0.1524 x 0.1016 as a
// composite whose members are listed each ending where the one before starts, and a composite of
// two lines and an arc in the plane x = 0, across the others.
TEST_F(C_Mgr_D_Sect, ImportTubesSplined)
{
    const std::string path = N_Test_IGES::G_Fn_Testdata("tubes_splined.iges");
    auto up = M_Fn_Import(path);
    const auto msgs = m_App.port().M_Fn_Texts(L"box");
    const auto has = [&](const wchar_t* i_Text) { return std::find(msgs.begin(), msgs.end(), i_Text) != msgs.end(); };
    EXPECT_TRUE(has(L"Coordinates are converted into mm: units flag 6 (M), model space scale 1, factor 1000."));
    // The plane fitted to all of them holds none exactly: the arc cannot be projected, the 8
    // lines and the B-spline can.
    EXPECT_TRUE(has(L"Warning: Circular arc entity 19 does not lie in the section plane, it is not imported."));
    EXPECT_TRUE(has(L"Warning: 8 entities do not lie in the section plane, they are projected onto it."));
    EXPECT_EQ(S_Fn_Kinds(*up), (std::map<std::int32_t, int>{{5, 1}, {6, 7}}));

    // The rectangle edge by edge, in millimetres: A (0, 101.6), B (0, 0), C (152.4, 101.6),
    // D (152.4, 0); the members A-B, C-A, D-C, B-D are entities 3 to 6, each sharing its end with
    // the start of the one before.
    N_Common::N_Math::C_Matrix4<float> inverse;
    up->M_Fn_Get_Mgr_D_Plane().M_Fn_Get_Matrix().M_Fn_Invert(inverse);
    const auto local = [&](float i_X, float i_Y) {
        N_Biz::N_IGES::C_Vector3_f p;
        inverse.M_Fn_Transform_Point(N_Biz::N_IGES::C_Vector3_f(i_X, i_Y, 0), p);
        return p;
    };
    const float corners[4][2][2] = {{{0, 101.6f}, {0, 0}}, {{152.4f, 101.6f}, {0, 101.6f}},
                                    {{152.4f, 0}, {152.4f, 101.6f}}, {{0, 0}, {152.4f, 0}}};
    const auto& entities_new = up->M_Fn_Get_Mgr_D_Geom_E();
    for (std::uint32_t i = 0; i < 4; ++i)
        for (std::size_t k = 0; k < 2; ++k) {
            const auto id = entities_new.M_Fn_Get_At(3 + i)->m_Ref_Points[k].m_Id_Point;
            const auto& p = up->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(static_cast<std::uint32_t>(id));
            const auto q = local(corners[i][k][0], corners[i][k][1]);
            EXPECT_NEAR(p.m_X, q.x, 1e-3f) << i << " " << k;
            EXPECT_NEAR(p.m_Y, q.y, 1e-3f) << i << " " << k;
        }
    for (std::uint32_t i = 4; i <= 6; ++i)
        EXPECT_EQ(entities_new.M_Fn_Get_At(i)->m_Ref_Points[1].m_Id_Point,
                  entities_new.M_Fn_Get_At(i - 1)->m_Ref_Points[0].m_Id_Point)
            << i;
    history().M_Fn_Clear();
}

} // namespace
