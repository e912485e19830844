// Virtual columns and option conditions on rows of the installed cards.
#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_C_Section.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "biz/db/Biz_DB_Virtual.h"
#include "tests/db/Test_DB_Support.h"

#include <gtest/gtest.h>

using namespace N_Biz::N_DB;
using N_Common::N_Exception::C_Exception;

namespace {

const C_Info_Table* G_Fn_Card(unsigned i_Format, const std::string& i_Keyword)
{
    return N_Test_DB::G_Fn_Schema_Real()->M_Fn_Info_Table_Lookup_By_Format(i_Format, i_Keyword);
}

template <class T>
T G_Fn_Get(C_Row& ro_Row, E_Id_Column i_Id)
{
    C_Route_Request request{i_Id, {}};
    ro_Row.M_Fn_Route_Walk(request, nullptr, false);
    return request.m_Visitor.M_Fn_Get<T>();
}

C_Row_Etc& G_Fn_Add_Option(C_Row& ro_Row, std::uint32_t i_Kind, std::uint32_t i_Index)
{
    auto& slot = ro_Row.M_Fn_Sub_Get_rscpo_Row_Etc_Option(i_Kind, i_Index);
    slot.reset(new C_Row_Etc(ro_Row.M_Fn_Info_Table()->M_Fn_Info_Table_Option_Get_spo_At(i_Kind, i_Index).get()));
    return *slot;
}

} // namespace

TEST(Fn_Virtual, NameIsTheTitleWhenReachedElseThePrefixedId)
{
    C_Row_C_Section section(G_Fn_Card(2, "SECTION_SHELL"));
    section.M_Fn_Id_Set(12);
    EXPECT_EQ(G_Fn_Get<std::wstring>(section, E_Id_Column_Name), L"SECID:12"); // no title sub-row
    C_Row_Etc& title = G_Fn_Add_Option(section, 0, 0);
    EXPECT_EQ(G_Fn_Get<std::wstring>(section, E_Id_Column_Name), L""); // an empty title stands as it is
    title.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Title).M_Fn_Ref<std::wstring>() = L"Shell 2mm";
    EXPECT_EQ(G_Fn_Get<std::wstring>(section, E_Id_Column_Name), L"Shell 2mm");
    C_Row_C_Material mat1(G_Fn_Card(3, "MAT1"));
    mat1.M_Fn_Id_Set(-3);
    EXPECT_EQ(G_Fn_Get<std::wstring>(mat1, E_Id_Column_Name), L"MID:-3");
    C_Row_C_Property pshell(G_Fn_Card(3, "PSHELL"));
    pshell.M_Fn_Id_Set(7);
    EXPECT_EQ(G_Fn_Get<std::wstring>(pshell, E_Id_Column_Name), L"PID:7");
}

TEST(Fn_Virtual, UltimateStressIsYieldTimesOneAndAQuarter)
{
    C_Row_C_Material mat1(G_Fn_Card(3, "MAT1"));
    mat1.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_Y).M_Fn_Ref<float>() = 200.0f;
    EXPECT_EQ(G_Fn_Get<float>(mat1, E_Id_Column_Limit_Stress_U), 250.0f);
    C_Row_C_Material plastic(G_Fn_Card(2, "MAT_PIECEWISE_LINEAR_PLASTICITY"));
    plastic.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_Y).M_Fn_Ref<float>() = 0.1f;
    EXPECT_EQ(G_Fn_Get<float>(plastic, E_Id_Column_Limit_Stress_U), static_cast<float>(double(0.1f) * 1.25));
    // A virtual column's bounds test computes the value.
    bool lower = false, upper = false, third = false;
    EXPECT_TRUE(C_Visitor_Field_Const(plastic.M_Fn_Column_Virtual_Get_o_Visitor_Field(E_Id_Column_Limit_Stress_U))
                    .M_Fn_Is_in_range(lower, upper, third));
    EXPECT_TRUE(third);
}

TEST(Fn_Virtual, CornerThicknessesAreTheGeneralThickness)
{
    C_Row_C_Property pshell(G_Fn_Card(3, "PSHELL"));
    pshell.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Thk).M_Fn_Ref<float>() = 2.0f;
    for (E_Id_Column id : {E_Id_Column_Thk_1, E_Id_Column_Thk_2, E_Id_Column_Thk_3, E_Id_Column_Thk_4})
        EXPECT_EQ(G_Fn_Get<float>(pshell, id), 2.0f);
    C_Row_C_Property standard(G_Fn_Card(1, "Property"));
    standard.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Thk).M_Fn_Ref<float>() = 1.5f;
    EXPECT_EQ(G_Fn_Get<float>(standard, E_Id_Column_Thk_3), 1.5f);
    // The virtual column is read only for writers.
    EXPECT_THROW(pshell.M_Fn_Column_Virtual_Get_o_Visitor_Field(E_Id_Column_Thk_1).M_Fn_Ref<float>(), C_Exception);
}

TEST(Fn_Virtual, PshellMaterialKeyIsACopyOfMid1)
{
    C_Row_C_Property pshell(G_Fn_Card(3, "PSHELL"));
    pshell.M_Fn_Key_C_Material() = C_Key_C_Material(31);
    const C_Key_C_Material key = G_Fn_Get<C_Key_C_Material>(pshell, E_Id_Column_Key_foreign_C_Material_1);
    EXPECT_EQ(key.M_Fn_Type_Get_E_Type(), 2);
    EXPECT_EQ(key.M_Fn_Get_o_T_Key_Any(), 31);
}

TEST(Fn_Virtual, IndividualThicknessFollowsTheOptionSubRow)
{
    C_Row_Element_2D shell(G_Fn_Card(2, "ELEMENT_SHELL"));
    EXPECT_EQ(G_Fn_Get<std::int32_t>(shell, E_Id_Column_Has_Individual_Thk), 0);
    C_Route_Request thickness{E_Id_Column_Thk_E_1, {}};
    shell.M_Fn_Route_Walk_Default(thickness);
    EXPECT_TRUE(thickness.m_Visitor.M_Fn_Is_Empty()); // not reached without the sub-row
    G_Fn_Add_Option(shell, 0, 0).M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Thk_E_1).M_Fn_Ref<float>() = 1.2f;
    EXPECT_EQ(G_Fn_Get<std::int32_t>(shell, E_Id_Column_Has_Individual_Thk), 1);
    EXPECT_EQ(G_Fn_Get<float>(shell, E_Id_Column_Thk_E_1), 1.2f);
    for (const char* keyword : {"CQUAD4", "CTRIA3"}) {
        C_Row_Element_2D plate(G_Fn_Card(3, keyword));
        EXPECT_EQ(G_Fn_Get<std::int32_t>(plate, E_Id_Column_Has_Individual_Thk), 0);
        G_Fn_Add_Option(plate, 1, 0);
        EXPECT_EQ(G_Fn_Get<std::int32_t>(plate, E_Id_Column_Has_Individual_Thk), 1);
        std::vector<C_Route_Request> corners = {{E_Id_Column_Thk_E_1, {}}, {E_Id_Column_Thk_E_2, {}}, {E_Id_Column_Thk_E_3, {}},
                                                {E_Id_Column_Thk_E_4, {}}};
        plate.M_Fn_Select_multiple_List(corners, nullptr, false);
        for (const C_Route_Request& corner : corners)
            EXPECT_FALSE(corner.m_Visitor.M_Fn_Is_Empty()) << keyword;
    }
}

TEST(Fn_Virtual, PartInertiaLineFollowsOnceWhenIrcsIsOne)
{
    C_Row_C_Property part(G_Fn_Card(2, "PART"));
    C_Row_Etc& inertia = G_Fn_Add_Option(part, 0, 0);
    inertia.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Dyna_PART_INERTIA_IRCS).M_Fn_Ref<std::int32_t>() = 1;
    const T_pfn_Option_Condition_Check check = inertia.M_Fn_Info_Table()->M_Fn_Info_Table_Option_Get_spo_At(1, 0)->M_Fn_pfn_Check();
    ASSERT_EQ(check, &Fn_Table_Option_Condition_Check_PART_INERTIA);
    EXPECT_EQ(check(inertia, 1), 1u);
    EXPECT_EQ(check(inertia, 0), 0u);
    EXPECT_EQ(check(inertia, 2), 0u);
    inertia.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Dyna_PART_INERTIA_IRCS).M_Fn_Ref<std::int32_t>() = 0;
    EXPECT_EQ(check(inertia, 1), 0u);
    // A row that does not reach IRCS cannot answer: a part without its inertia sub-row.
    EXPECT_EQ(check(part, 1), 0u); // the part reaches IRCS through its sub-row
    const C_Row_C_Property bare(G_Fn_Card(2, "PART"));
    EXPECT_THROW(check(bare, 1), C_Exception);
}

TEST(Fn_Virtual, SectionShellAngleLinesCoverNipPointsEightALine)
{
    C_Row_C_Section section(G_Fn_Card(2, "SECTION_SHELL"));
    auto set = [&](std::int32_t icomp, float nip) {
        section.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Dyna_SECTION_SHELL_ICOMP).M_Fn_Ref<std::int32_t>() = icomp;
        section.M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column_Dyna_SECTION_SHELL_NIP).M_Fn_Ref<float>() = nip;
    };
    set(0, 16);
    for (std::uint32_t n = 0; n < 4; ++n)
        EXPECT_EQ(Fn_Table_Option_Condition_Check_SECTION_SHELL(section, n), 0u);
    set(1, 3); // one line of angles
    EXPECT_EQ(Fn_Table_Option_Condition_Check_SECTION_SHELL(section, 1), 1u);
    EXPECT_EQ(Fn_Table_Option_Condition_Check_SECTION_SHELL(section, 2), 0u);
    set(1, 16); // two full lines
    EXPECT_EQ(Fn_Table_Option_Condition_Check_SECTION_SHELL(section, 1), 1u);
    EXPECT_EQ(Fn_Table_Option_Condition_Check_SECTION_SHELL(section, 2), 1u);
    EXPECT_EQ(Fn_Table_Option_Condition_Check_SECTION_SHELL(section, 3), 0u);
    set(1, 17);
    EXPECT_EQ(Fn_Table_Option_Condition_Check_SECTION_SHELL(section, 3), 1u);
    set(1, 0);
    EXPECT_EQ(Fn_Table_Option_Condition_Check_SECTION_SHELL(section, 1), 0u);
}

TEST(Fn_Virtual, GetterThatMissesItsColumnThrows)
{
    const auto schema = N_Test_DB::G_Fn_Schema({{3, N_Test_DB::G_Fn_Card("MAT1", "C_Material",
                                                                         N_Test_DB::G_Fn_Col("MID", "INT32", "Key_primary_C_Material") +
                                                                             N_Test_DB::G_Fn_Col("SU", "FLOAT32", "Limit_Stress_U", {"Flag_Is_virtual", "Flag_Is_read_only"}))}});
    C_Row_C_Material row(schema->M_Fn_Info_Table_Lookup_By_Format(3, "MAT1"));
    EXPECT_THROW(G_Fn_Get<float>(row, E_Id_Column_Limit_Stress_U), C_Exception);
    EXPECT_THROW(Fn_Table_Get_pfn_Option_Condition_Check("Fn_Table_Option_Condition_Check_PART"), C_Exception);
    EXPECT_EQ(Fn_Table_Get_pfn_Option_Condition_Check("Fn_Table_Option_Condition_Check_SECTION_SHELL"),
              &Fn_Table_Option_Condition_Check_SECTION_SHELL);
}
