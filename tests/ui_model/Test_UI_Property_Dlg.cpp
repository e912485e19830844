// The property dialog's work without its window: creating material, property and section cards
// with their defaults, converting a card to another table of its kind, and Apply without changes.
#include "tests/sect/Test_Sect_Geom_Support.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Section.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "common/Common_Exception.h"
#include "ui/UI_Property_Row_Dlg.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace N_Test_Sect_Geom;
using N_Common::N_Exception::C_Exception;
using N_UI::N_Property::C_Dlg_Model;
using N_UI::N_Property::C_Row;
namespace N_DB = N_Biz::N_DB;

namespace {

class C_Property_Dlg : public C_Geom_Test {
protected:
    bool M_Fn_Logged(const std::string& i_Line)
    {
        const auto lines = m_App.log_lines();
        return std::find(lines.begin(), lines.end(), i_Line) != lines.end();
    }
    N_Biz::N_Proj::C_Proj& proj() { return *m_up_Proj; }
    // The value of column i_Id reached through the row's routes, as a float.
    static float S_Fn_Float(N_DB::C_Row& ro_Row, N_DB::E_Id_Column i_Id)
    {
        N_DB::C_Route_Request request;
        request.m_Id = i_Id;
        ro_Row.M_Fn_Route_Walk(request, nullptr, true);
        EXPECT_FALSE(request.m_Visitor.M_Fn_Is_Empty()) << i_Id;
        return request.m_Visitor.M_Fn_Is_Empty() ? -1.0f : request.m_Visitor.M_Fn_Get<float>();
    }
    static std::int32_t S_Fn_Int(N_DB::C_Row& ro_Row, N_DB::E_Id_Column i_Id)
    {
        return ro_Row.M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id).M_Fn_Get<std::int32_t>();
    }
    static std::wstring S_Fn_Name(N_DB::C_Row& ro_Row)
    {
        N_DB::C_Route_Request request;
        request.m_Id = N_DB::E_Id_Column_Name;
        ro_Row.M_Fn_Route_Walk(request, nullptr, true);
        return request.m_Visitor.M_Fn_Get<std::wstring>();
    }
    // A standard material "Steel" with MID 7 in the next slot.
    lesser_shared_ptr<N_DB::C_Row_C_Material> M_Fn_Steel()
    {
        lesser_shared_ptr<N_DB::C_Row_C_Material> sp(
            new N_DB::C_Row_C_Material(G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
        auto field = [&](N_DB::E_Id_Column i_Id) { return sp->M_Fn_Column_Practical_Get_o_Visitor_Field(i_Id); };
        field(N_DB::E_Id_Column_Name).M_Fn_Ref<std::wstring>() = L"Steel";
        field(N_DB::E_Id_Column_Key_primary_C_Material).M_Fn_Ref<std::int32_t>() = 7;
        field(N_DB::E_Id_Column_Density_Mass).M_Fn_Ref<float>() = 7.85e-9f;
        field(N_DB::E_Id_Column_Ratio_Poisson).M_Fn_Ref<float>() = 0.29f;
        field(N_DB::E_Id_Column_Modulus_E).M_Fn_Ref<float>() = 205000.0f;
        field(N_DB::E_Id_Column_Limit_Stress_Y).M_Fn_Ref<float>() = 355.0f;
        field(N_DB::E_Id_Column_Limit_Stress_U).M_Fn_Ref<float>() = 510.0f;
        sp->m_Display.M_Fn_Color_Set({0.5f, 0.25f, 0.125f, 1});
        auto& mgr = proj().M_Fn_Get_Mgr_D_DB_C_M();
        mgr.M_Fn_D_Add_At(mgr.M_Fn_Get_Store().next_index(), sp);
        return sp;
    }

    // The dialog in Modify mode over a material or a property card, initialised.
    void M_Fn_Modify_Init(C_Dlg_Model& ro_Dlg, N_DB::C_Row_C_Material* i_p_Material,
                          N_DB::C_Row_C_Property* i_p_Property = nullptr)
    {
        ro_Dlg.m_Mode = C_Dlg_Model::E_Mode_Modify;
        ro_Dlg.m_Kind = i_p_Material ? C_Dlg_Model::E_Kind_C_M : C_Dlg_Model::E_Kind_C_P;
        ro_Dlg.m_p_Proj = &proj();
        ro_Dlg.m_p_Row_C_M = i_p_Material;
        ro_Dlg.m_p_Row_C_P = i_p_Property;
        ro_Dlg.M_Fn_Init();
    }

    C_Dlg_Model m_Dlg;
};

} // namespace

TEST_F(C_Property_Dlg, ANewMaterialShowsTheDefaultsAndApplyCreatesIt)
{
    ASSERT_EQ(proj().M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store().size(), 1u); // a new project: slot 0 only
    m_Dlg.m_Mode = C_Dlg_Model::E_Mode_Create;
    m_Dlg.m_Kind = C_Dlg_Model::E_Kind_C_M;
    m_Dlg.m_p_Proj = &proj();
    EXPECT_EQ(m_Dlg.M_Fn_Apply_Text(), L"Create");
    m_Dlg.M_Fn_Init();
    const std::wstring title = L"(Recommended) Simple Material";
    ASSERT_GE(m_Dlg.M_Fn_Type_Selected(), 0);
    EXPECT_EQ(m_Dlg.M_Fn_Types()[static_cast<std::size_t>(m_Dlg.M_Fn_Type_Selected())], title);
    EXPECT_TRUE(std::is_sorted(m_Dlg.M_Fn_Types().begin(), m_Dlg.M_Fn_Types().end()));
    EXPECT_EQ(m_Dlg.M_Fn_Types().size(), 8u); // the standard Material, seven Dyna cards, Nastran MAT1
    const auto text = [&](const wchar_t* i_Row) {
        C_Row* p = m_Dlg.m_Ctrl.M_Fn_Row_Find(title, i_Row);
        return p ? p->m_Text : L"<none>";
    };
    EXPECT_EQ(text(L"Name"), L"Untitled Material");
    EXPECT_EQ(text(L"MID"), L"0");
    // The configuration's defaults, as the stream's default form writes them.
    EXPECT_EQ(text(L"RHO"), L"7.9e-09");
    EXPECT_EQ(text(L"NU"), L"0.3");
    EXPECT_EQ(text(L"E"), L"210000");
    EXPECT_EQ(text(L"SIGY"), L"210");
    EXPECT_EQ(text(L"SIGU"), L"262.5");
    const auto color = m_Dlg.m_Ctrl.M_Fn_Color_Get();
    EXPECT_GT(color[0] + color[1] + color[2], 0.0f); // the palette's colour, not black

    // A name typed before Apply goes into the card.
    ASSERT_TRUE(m_Dlg.m_Ctrl.M_Fn_Row_Edit(*m_Dlg.m_Ctrl.M_Fn_Row_Find(title, L"Name"), L"Alu"));
    const std::size_t before = M_Fn_History_Size();
    EXPECT_TRUE(m_Dlg.M_Fn_Apply());
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Create material card"));
    EXPECT_EQ(m_Dlg.m_Id_New, 1u);
    const auto& sp_card = proj().M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_At(1);
    ASSERT_TRUE(sp_card);
    EXPECT_EQ(S_Fn_Name(*sp_card), L"Alu");
    EXPECT_EQ(S_Fn_Float(*sp_card, N_DB::E_Id_Column_Modulus_E), 210000.0f);
    EXPECT_EQ(sp_card->m_Display.m_Color_Normal, color);
}

TEST_F(C_Property_Dlg, APropertyCardNeedsAMaterialCard)
{
    m_Dlg.m_Mode = C_Dlg_Model::E_Mode_Create;
    m_Dlg.m_Kind = C_Dlg_Model::E_Kind_C_P;
    m_Dlg.m_p_Proj = &proj();
    EXPECT_THROW(m_Dlg.M_Fn_Init(), C_Exception);
    EXPECT_TRUE(m_Dlg.m_Ctrl.M_Fn_Rows_Top().empty());

    auto sp_steel = M_Fn_Steel();
    C_Dlg_Model dlg;
    dlg.m_Mode = C_Dlg_Model::E_Mode_Create;
    dlg.m_Kind = C_Dlg_Model::E_Kind_C_P;
    dlg.m_p_Proj = &proj();
    dlg.M_Fn_Init();
    EXPECT_TRUE(dlg.M_Fn_Apply());
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Create property card"));
    const auto& sp_card = proj().M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_At(dlg.m_Id_New);
    ASSERT_TRUE(sp_card);
    EXPECT_EQ(S_Fn_Name(*sp_card), L"Untitled Property");
    EXPECT_EQ(sp_card->M_Fn_Key_C_Material().M_Fn_Lock().get(), sp_steel.get());
    EXPECT_EQ(S_Fn_Float(*sp_card, N_DB::E_Id_Column_Thk), 1.0f);
}

TEST_F(C_Property_Dlg, MisuseThrowsBeforeTheDialogIsUsable)
{
    m_Dlg.m_Mode = 3;
    m_Dlg.m_Kind = C_Dlg_Model::E_Kind_C_M;
    m_Dlg.m_p_Proj = &proj();
    EXPECT_THROW(m_Dlg.M_Fn_Init(), C_Exception);
    for (std::uint32_t kind : {4u, 7u, 9u, 10u, 11u, 12u}) {
        C_Dlg_Model dlg;
        dlg.m_Mode = C_Dlg_Model::E_Mode_Create;
        dlg.m_Kind = kind;
        dlg.m_p_Proj = &proj();
        dlg.m_p_Sect = &sect();
        EXPECT_THROW(dlg.M_Fn_Init(), C_Exception) << kind;
    }
    C_Dlg_Model mesh;
    mesh.m_Mode = C_Dlg_Model::E_Mode_Modify;
    mesh.m_Kind = C_Dlg_Model::E_Kind_Tess_N;
    mesh.m_p_Sect = &sect();
    mesh.m_Id_Geom = 1;
    EXPECT_THROW(mesh.M_Fn_Init(), C_Exception);
}

TEST_F(C_Property_Dlg, ATypeChangeKeepsNameIdDensityPoissonModulusAndStresses)
{
    auto sp_steel = M_Fn_Steel();
    M_Fn_Modify_Init(m_Dlg, sp_steel.get());
    EXPECT_EQ(m_Dlg.M_Fn_Apply_Text(), L"Modify");
    const auto& types = m_Dlg.M_Fn_Types();
    const auto it = std::find(types.begin(), types.end(), L"Nastran: MAT1");
    ASSERT_NE(it, types.end());
    // The same entry again changes nothing.
    m_Dlg.M_Fn_Type_Change(m_Dlg.M_Fn_Type_Selected());
    EXPECT_FALSE(m_Dlg.m_Modified);
    m_Dlg.M_Fn_Type_Change(static_cast<std::int32_t>(it - types.begin()));
    EXPECT_TRUE(m_Dlg.m_Modified);
    ASSERT_FALSE(m_Dlg.m_Ctrl.M_Fn_Rows_Top().empty());
    EXPECT_EQ(m_Dlg.m_Ctrl.M_Fn_Rows_Top()[0]->m_Name, L"Nastran: MAT1");
    // Not yet applied: the stored card keeps its table.
    EXPECT_EQ(sp_steel->M_Fn_Info_Table()->M_Fn_Title(), L"(Recommended) Simple Material");

    const std::size_t before = M_Fn_History_Size();
    EXPECT_TRUE(m_Dlg.M_Fn_Apply());
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Modify material card"));
    EXPECT_EQ(sp_steel->M_Fn_Info_Table()->M_Fn_Title(), L"Nastran: MAT1");
    EXPECT_EQ(S_Fn_Int(*sp_steel, N_DB::E_Id_Column_Key_primary_C_Material), 7);
    EXPECT_EQ(S_Fn_Float(*sp_steel, N_DB::E_Id_Column_Density_Mass), 7.85e-9f);
    EXPECT_EQ(S_Fn_Float(*sp_steel, N_DB::E_Id_Column_Ratio_Poisson), 0.29f);
    EXPECT_EQ(S_Fn_Float(*sp_steel, N_DB::E_Id_Column_Modulus_E), 205000.0f);
    EXPECT_EQ(S_Fn_Float(*sp_steel, N_DB::E_Id_Column_Limit_Stress_Y), 355.0f);
    // MAT1 computes its ultimate stress (no column to keep it in).
    EXPECT_EQ(sp_steel->m_Display.m_Color_Normal, (std::array<float, 4>{0.5f, 0.25f, 0.125f, 1}));

    // Back to the standard table: the name the Nastran card computes comes along.
    const std::wstring name = S_Fn_Name(*sp_steel);
    C_Dlg_Model back;
    M_Fn_Modify_Init(back, sp_steel.get());
    const auto& titles = back.M_Fn_Types();
    back.M_Fn_Type_Change(static_cast<std::int32_t>(
        std::find(titles.begin(), titles.end(), L"(Recommended) Simple Material") - titles.begin()));
    EXPECT_TRUE(back.M_Fn_Apply());
    EXPECT_EQ(sp_steel->M_Fn_Info_Table()->M_Fn_Title(), L"(Recommended) Simple Material");
    EXPECT_EQ(S_Fn_Name(*sp_steel), name);
    EXPECT_EQ(S_Fn_Float(*sp_steel, N_DB::E_Id_Column_Modulus_E), 205000.0f);
}

TEST_F(C_Property_Dlg, ApplyWithoutAChangeAddsNoEntry)
{
    auto sp_steel = M_Fn_Steel();
    M_Fn_Modify_Init(m_Dlg, sp_steel.get());
    const std::size_t before = M_Fn_History_Size();
    EXPECT_TRUE(m_Dlg.M_Fn_Apply());
    EXPECT_EQ(M_Fn_History_Size(), before);
}

// A card that an undo took away while the dialog showed it: Apply refuses the edit with a warning
// and ends the dialog; nothing is thrown or committed.
TEST_F(C_Property_Dlg, ApplyRefusesTheEditOfACardThatIsGone)
{
    lesser_shared_ptr<N_DB::C_Row_C_Material> sp(
        new N_DB::C_Row_C_Material(G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Material")));
    proj().M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Proc_Cmd_Top_Add(1, sp);
    M_Fn_Modify_Init(m_Dlg, sp.get());
    m_Dlg.m_Ctrl.m_Fn_Changed = [&](C_Row&) { m_Dlg.m_Modified = true; }; // as the window does
    C_Row* p_e = m_Dlg.m_Ctrl.M_Fn_Row_Find(L"(Recommended) Simple Material", L"E");
    ASSERT_NE(p_e, nullptr);
    ASSERT_TRUE(m_Dlg.m_Ctrl.M_Fn_Row_Edit(*p_e, L"70000"));
    history().M_Fn_Undo();
    ASSERT_FALSE(proj().M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store().is_used_at(1));
    const std::size_t before = M_Fn_History_Size();
    bool ended = false;
    EXPECT_NO_THROW(ended = m_Dlg.M_Fn_Apply());
    EXPECT_TRUE(ended);
    EXPECT_EQ(M_Fn_History_Size(), before);
    EXPECT_TRUE(M_Fn_Logged("Msg: Warning: The object being edited no longer exists, changing has been rejected."));
}

TEST_F(C_Property_Dlg, ASectionCardGoesIntoTheDynaSectionShellWithItsFourThicknesses)
{
    m_App.app().m_sp_Config->M_Fn_Data().m_Thickness = 2.5f;
    m_Dlg.m_Mode = C_Dlg_Model::E_Mode_Create;
    m_Dlg.m_Kind = C_Dlg_Model::E_Kind_C_S;
    m_Dlg.m_p_Proj = &proj();
    m_Dlg.M_Fn_Init();
    ASSERT_GE(m_Dlg.M_Fn_Type_Selected(), 0);
    EXPECT_EQ(m_Dlg.M_Fn_Types()[static_cast<std::size_t>(m_Dlg.M_Fn_Type_Selected())], L"Dyna: SECTION_SHELL");
    const std::size_t before = M_Fn_History_Size();
    EXPECT_TRUE(m_Dlg.M_Fn_Apply());
    EXPECT_EQ(M_Fn_History_Size(), before + 1);
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Create card"));
    const auto& sp_card = proj().M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_At(m_Dlg.m_Id_New);
    ASSERT_TRUE(sp_card);
    EXPECT_NE(dynamic_cast<N_DB::C_Row_C_Section*>(sp_card.get()), nullptr);
    EXPECT_EQ(sp_card->M_Fn_Info_Table()->M_Fn_Keyword(), L"SECTION_SHELL");
    EXPECT_EQ(sp_card->M_Fn_Info_Table()->M_Fn_Format(), 2u);
    for (N_DB::E_Id_Column id : {N_DB::E_Id_Column_Thk_1, N_DB::E_Id_Column_Thk_2, N_DB::E_Id_Column_Thk_3,
                                 N_DB::E_Id_Column_Thk_4})
        EXPECT_EQ(S_Fn_Float(*sp_card, id), 2.5f) << id;
}

TEST_F(C_Property_Dlg, APropertyCardKeepsItsMaterialAndThicknessInAnotherTable)
{
    auto sp_steel = M_Fn_Steel();
    lesser_shared_ptr<N_DB::C_Row_C_Property> sp_skin(
        new N_DB::C_Row_C_Property(G_Fn_Schema()->M_Fn_Info_Table_Lookup_By_Format(1, "Property")));
    sp_skin->M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Key_primary_C_Property).M_Fn_Ref<std::int32_t>() = 3;
    sp_skin->M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Thk).M_Fn_Ref<float>() = 2.5f;
    sp_skin->M_Fn_Key_C_Material() = N_DB::C_Key_C_Material(sp_steel);
    auto& mgr = proj().M_Fn_Get_Mgr_D_DB_C_P();
    mgr.M_Fn_D_Add_At(mgr.M_Fn_Get_Store().next_index(), sp_skin);

    M_Fn_Modify_Init(m_Dlg, nullptr, sp_skin.get());
    const auto& types = m_Dlg.M_Fn_Types();
    m_Dlg.M_Fn_Type_Change(static_cast<std::int32_t>(std::find(types.begin(), types.end(), L"Nastran: PSHELL") - types.begin()));
    EXPECT_TRUE(m_Dlg.M_Fn_Apply());
    EXPECT_TRUE(M_Fn_Logged("Msg: Done: Modify property card"));
    EXPECT_EQ(sp_skin->M_Fn_Info_Table()->M_Fn_Title(), L"Nastran: PSHELL");
    EXPECT_EQ(S_Fn_Int(*sp_skin, N_DB::E_Id_Column_Key_primary_C_Property), 3);
    EXPECT_EQ(S_Fn_Float(*sp_skin, N_DB::E_Id_Column_Thk), 2.5f);
    EXPECT_EQ(sp_skin->M_Fn_Key_C_Material().M_Fn_Lock().get(), sp_steel.get());
}
