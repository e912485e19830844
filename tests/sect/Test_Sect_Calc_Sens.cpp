// Sensitivities of a tube drawn with lines (the whole run, mesh rebuild included), against the
// derivatives worked out by hand: the area grows by the wall length per unit thickness, the
// tension capacities by the area per unit stress. The cards hold their values afterwards, also
// when a rerun throws.
#include "tests/sect/Test_Sect_Calc_Support.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "common/Common_Exception.h"

namespace N_Test_Sect_Calc {
namespace {

using N_Biz::N_DB::E_Id_Column_Limit_Stress_U;
using N_Biz::N_DB::E_Id_Column_Limit_Stress_Y;
using N_Biz::N_DB::E_Id_Column_Modulus_E;
using N_Biz::N_DB::E_Id_Column_Ratio_Poisson;
using N_Biz::N_DB::E_Id_Column_Thk;

// A line whose meshing fails while its material's yield stress is not 210: a rerun with a
// perturbed card throws.
class C_Line_Failing : public C_D_Geom_E_Line {
public:
    using C_D_Geom_E_Line::C_D_Geom_E_Line;
    void M_Fn_Relation_Tess_Build(C_Sect& ro_Sect) override
    {
        const auto sp_material = m_Key_C_P.M_Fn_Lock()->M_Fn_Key_C_Material().M_Fn_Lock();
        if (sp_material->M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_Y).M_Fn_Get<float>() != 210.0f)
            VT_THROW("N_Test_Sect_Calc::C_Line_Failing::M_Fn_Relation_Tess_Build");
        C_D_Geom_E_Line::M_Fn_Relation_Tess_Build(ro_Sect);
    }
};

class C_Mgr_Calc_Sens : public C_Calc_Test {
protected:
    // The tube of lines that fail to mesh once the yield stress is perturbed.
    void M_Fn_Tube_Lines_Failing(const T_Key& ro_Key)
    {
        const std::int32_t p[4] = {M_Fn_Point(-50, -25), M_Fn_Point(50, -25), M_Fn_Point(50, 25), M_Fn_Point(-50, 25)};
        for (int i = 0; i < 4; ++i) {
            auto sp = std::make_shared<C_Line_Failing>(p[i], p[(i + 1) % 4]);
            sp->m_Key_C_P = ro_Key;
            M_Fn_Entity(sp);
        }
    }
    static const C_Result_Str_Sen& S_Fn_Only(const C_Result_Str_Sen_List& ro_List)
    {
        EXPECT_EQ(ro_List.m_List.size(), 1u);
        return *ro_List.m_List.at(0);
    }
};

TEST_F(C_Mgr_Calc_Sens, ThicknessOfOneProperty)
{
    M_Fn_Tube_Lines(M_Fn_Card());
    M_Fn_Property_On(3.0f, M_Fn_Material({})); // used by no wall: no entry
    C_Result_Str_Sen_List by_area, by_thk;
    ASSERT_EQ(calc().M_Fn_Calc_Sen_Thk_Area(by_area, by_thk), 1);
    const C_Result_Str_Sen& e_area = S_Fn_Only(by_area);
    const C_Result_Str_Sen& e_thk = S_Fn_Only(by_thk);
    EXPECT_EQ(e_thk.m_sp_Property.get(), m_Cards.at(0).get());
    EXPECT_FALSE(e_thk.m_sp_Material);
    // Ixx(t) = 200 t 625 + 200 t^3 / 12 + 100 t 2500 / 12, from t = 2 to 2.2, per 0.2.
    const auto ixx = [](double t) { return 200.0 * t * 625.0 + 200.0 * t * t * t / 12.0 + 100.0 * t * 2500.0 / 12.0; };
    const double d_ixx = (ixx(2.2) - ixx(2.0)) / 0.2;
    EXPECT_TRUE(G_Fn_Rel(e_thk.m_Ixx[0], d_ixx, 1e-3));
    EXPECT_TRUE(G_Fn_Rel(e_thk.m_Ixx[1], d_ixx, 1e-3));
    // The two entries differ by dA / dt, the total wall length 300.
    EXPECT_TRUE(G_Fn_Rel(e_thk.m_Ixx[0] / e_area.m_Ixx[0], 300.0, 1e-4));
    EXPECT_TRUE(G_Fn_Rel(e_thk.m_Iyy[0] / e_area.m_Iyy[0], 300.0, 1e-4));
    // Fz+ lower bound 0 is A sigma_u: per unit thickness 300 x 262.5, per unit area 262.5.
    EXPECT_TRUE(G_Fn_Rel(e_thk.m_Case[0][0][0], 300.0 * 262.5, 1e-3));
    EXPECT_TRUE(G_Fn_Rel(e_area.m_Case[0][0][0], 262.5, 1e-3));
    EXPECT_TRUE(G_Fn_Rel(e_area.m_Case[0][0][1], 210.0, 1e-3));
    // The cards hold their values; the next reader recomputes the unperturbed results.
    EXPECT_EQ(S_Fn_Float(*m_Cards.at(0), E_Id_Column_Thk), 2.0f);
    EXPECT_EQ(S_Fn_Float(*m_Cards.at(1), E_Id_Column_Thk), 3.0f);
    EXPECT_TRUE(calc().M_Fn_Is_Stale());
    ASSERT_EQ(calc().M_Fn_Update_If_Stale(), 1);
    EXPECT_TRUE(G_Fn_Rel(result().m_Prop[0].m_Area, 600.0));
}

TEST_F(C_Mgr_Calc_Sens, YieldStressOfStoredLimits)
{
    const auto sp_material = M_Fn_Material({2.0f, 210000.0f, 0.3f, 210.0f, 300.0f});
    M_Fn_Tube_Lines(T_Key(M_Fn_Property_On(2.0f, sp_material)));
    const auto sp_zero = M_Fn_Material({2.0f, 210000.0f, 0.3f, 0.0f, 300.0f}); // yield 0: no entry
    C_Result_Str_Sen_List list;
    ASSERT_EQ(calc().M_Fn_Calc_Sen_Limit_Stress_Y(list), 1);
    const C_Result_Str_Sen& e = S_Fn_Only(list);
    EXPECT_EQ(e.m_sp_Material.get(), sp_material.get());
    EXPECT_FALSE(e.m_sp_Property);
    // Both limits grow by 5 %; normalised by 5 % of the yield stress: Fz+ lower bound 1 (A sigma_y)
    // moves by A, lower bound 0 (A sigma_u) by A sigma_u / sigma_y.
    EXPECT_TRUE(G_Fn_Rel(e.m_Case[0][0][1], 600.0, 1e-3));
    EXPECT_TRUE(G_Fn_Rel(e.m_Case[0][0][0], 600.0 * 300.0 / 210.0, 1e-3));
    EXPECT_TRUE(G_Fn_Rel(e.m_Ixx[0], 0.0, 0.0, 1e-3));
    EXPECT_EQ(S_Fn_Float(*sp_material, E_Id_Column_Limit_Stress_Y), 210.0f);
    EXPECT_EQ(S_Fn_Float(*sp_material, E_Id_Column_Limit_Stress_U), 300.0f);
    EXPECT_EQ(S_Fn_Float(*sp_zero, E_Id_Column_Limit_Stress_U), 300.0f);
    ASSERT_EQ(calc().M_Fn_Update_If_Stale(), 1);
    EXPECT_TRUE(G_Fn_Rel(result().m_Case[0].m_Bound[0][0], 600.0 * 300.0));
}

TEST_F(C_Mgr_Calc_Sens, YieldStressOfWallsOfAnotherModulus)
{
    // An aluminium tube (E 70000): its walls carry F / A whatever the standard modulus, so the
    // Fz+ lower bound 1 (A sigma_y) moves by A = 600 per unit yield stress, lower bound 0
    // (A sigma_u) by A sigma_u / sigma_y.
    M_Fn_Tube_Lines(T_Key(M_Fn_Property_On(2.0f, M_Fn_Material({2.0f, 70000.0f, 0.33f, 210.0f, 300.0f}))));
    for (const float e_std : {210000.0f, 1.03e7f}) {
        SCOPED_TRACE(e_std);
        M_Fn_Config().m_Modulus = e_std;
        calc().M_Fn_Stale_Set();
        C_Result_Str_Sen_List list;
        ASSERT_EQ(calc().M_Fn_Calc_Sen_Limit_Stress_Y(list), 1);
        const C_Result_Str_Sen& e = S_Fn_Only(list);
        EXPECT_TRUE(G_Fn_Rel(e.m_Case[0][0][1], 600.0, 1e-3));
        EXPECT_TRUE(G_Fn_Rel(e.m_Case[0][0][0], 600.0 * 300.0 / 210.0, 1e-3));
    }
}

TEST_F(C_Mgr_Calc_Sens, YieldStressWithComputedUltimate)
{
    // A Nastran MAT1: the ultimate stress is computed as 1.25 x the yield stress; only the yield
    // stress is changed, and the computed one follows it.
    using namespace N_Biz::N_DB;
    lesser_shared_ptr<C_Row_C_Material> sp_mat(
        new C_Row_C_Material(N_Test_Sect_Mesh::G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(3, "MAT1")));
    S_Fn_Float(*sp_mat, E_Id_Column_Modulus_E) = 210000.0f;
    S_Fn_Float(*sp_mat, E_Id_Column_Ratio_Poisson) = 0.3f;
    S_Fn_Float(*sp_mat, E_Id_Column_Limit_Stress_Y) = 210.0f;
    auto& mgr = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M();
    mgr.M_Fn_D_Add_At(mgr.M_Fn_Get_Store().next_index(), sp_mat);
    const C_Row* p_before = sp_mat.get();
    M_Fn_Tube_Lines(T_Key(M_Fn_Property_On(2.0f, sp_mat)));
    C_Result_Str_Sen_List list;
    ASSERT_EQ(calc().M_Fn_Calc_Sen_Limit_Stress_Y(list), 1);
    const C_Result_Str_Sen& e = S_Fn_Only(list);
    EXPECT_TRUE(G_Fn_Rel(e.m_Case[0][0][0], 600.0 * 1.25, 1e-3));
    EXPECT_TRUE(G_Fn_Rel(e.m_Case[0][0][1], 600.0, 1e-3));
    EXPECT_EQ(sp_mat.get(), p_before);
    EXPECT_FALSE(sp_mat->M_Fn_Is_Empty());
    EXPECT_EQ(S_Fn_Float(*sp_mat, E_Id_Column_Limit_Stress_Y), 210.0f);
    EXPECT_EQ(S_Fn_Float(*sp_mat, E_Id_Column_Modulus_E), 210000.0f);
    C_Route_Request request;
    request.m_Id = E_Id_Column_Limit_Stress_U;
    sp_mat->M_Fn_Route_Walk_Default(request);
    EXPECT_EQ(request.m_Visitor.M_Fn_Get<float>(), 262.5f);
}

TEST_F(C_Mgr_Calc_Sens, CardsRestoredWhenRerunThrows)
{
    const auto sp_material = M_Fn_Material({});
    M_Fn_Tube_Lines_Failing(T_Key(M_Fn_Property_On(2.0f, sp_material)));
    ASSERT_EQ(calc().M_Fn_Update_If_Stale(), 1);
    C_Result_Str_Sen_List list;
    EXPECT_THROW(calc().M_Fn_Calc_Sen_Limit_Stress_Y(list), N_Common::N_Exception::C_Exception);
    EXPECT_EQ(S_Fn_Float(*sp_material, E_Id_Column_Limit_Stress_Y), 210.0f);
    EXPECT_EQ(S_Fn_Float(*sp_material, E_Id_Column_Limit_Stress_U), 262.5f);
    EXPECT_TRUE(list.m_List.empty());
    EXPECT_TRUE(calc().M_Fn_Is_Stale());
    ASSERT_EQ(calc().M_Fn_Update_If_Stale(), 1);
    EXPECT_TRUE(G_Fn_Rel(result().m_Case[0].m_Bound[0][0], 600.0 * 262.5));
}

TEST_F(C_Mgr_Calc_Sens, FailedBaseRunGivesNoEntries)
{
    // No geometry: the unperturbed run fails with its message.
    C_Result_Str_Sen_List by_area, by_thk;
    by_area.m_List.push_back(std::make_shared<C_Result_Str_Sen>());
    EXPECT_EQ(calc().M_Fn_Calc_Sen_Thk_Area(by_area, by_thk), 0);
    EXPECT_TRUE(by_area.m_List.empty());
    EXPECT_EQ(result().m_Msg_Problem, std::vector<std::wstring>{L"There is no element."});
    // Asked again without an edit: the failed result is not recomputed, and still refused.
    EXPECT_EQ(calc().M_Fn_Calc_Sen_Limit_Stress_Y(by_thk), 0);
}

} // namespace
} // namespace N_Test_Sect_Calc
