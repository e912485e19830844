// The finite-element model: import preconditions and messages, relations with the project's
// cards, node coordinates, the binary model data block; and the catalog's processing edge cases.
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/model/Biz_Model.h"
#include "tests/db/Test_Import_Support.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace N_Biz::N_DB;
using N_Biz::N_Model::C_Model;
using N_Common::N_Exception::C_Exception;
using N_Test_DB::C_Test_Import;

namespace {
const std::string G_Deck = "BEGIN BULK\nGRID,1,,0.,0.,0.\nGRID,2,,2.,0.,0.\nGRID,3,,2.,1.,-3.\nGRID,4,,0.,1.,0.\n"
                           "CQUAD4,10,1,1,2,3,4\nCTRIA3,11,1,1,3,4\nPSHELL,1,1,0.5\nMAT1,1,2.+5,,.3\nENDDATA\n";
}

TEST(C_Model, AModelIsImportedOnce)
{
    C_Test_Import t;
    EXPECT_EQ(t.model().M_Fn_Name_Get(), L"Untitled Model");
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Deck), 1u);
    // A second import throws before anything is shown.
    const std::size_t shown = t.M_Fn_Msgs().size();
    EXPECT_THROW(t.model().M_Fn_Import_Dyna(t.M_Fn_Deck("deck.k", G_Deck), L"again", nullptr), C_Exception);
    EXPECT_EQ(t.M_Fn_Msgs().size(), shown);
}

TEST(C_Model, NastranImportShowsItsTotalsWithoutSections)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Deck), 1u);
    const std::vector<std::wstring> msgs = t.M_Fn_Msgs();
    ASSERT_GE(msgs.size(), 5u);
    const std::vector<std::wstring> totals = {L"Nastran importing finished.", L"  Total number of material: 1",
                                              L"  Total number of property: 1", L"  Total number of node: 4",
                                              L"  Total number of 2D element: 2"};
    EXPECT_EQ(std::vector<std::wstring>(msgs.end() - 5, msgs.end()), totals);
    EXPECT_EQ(msgs.front(), L"Nastran importing start...");
    for (const std::wstring& text : msgs)
        EXPECT_EQ(text.find(L"Total number of section"), std::wstring::npos);
}

TEST(C_Model, CardsBelongToAtMostOneModel)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Deck), 1u);
    C_Model& model = t.model();
    model.M_Fn_Id_Set(3);
    model.M_Fn_Rel_Self_On_Add(nullptr, nullptr);
    EXPECT_TRUE(model.M_Fn_Tree().M_Fn_Is_Connected());
    EXPECT_EQ(t.port().m_C_P.at(1)->M_Fn_Model_Data_Get(), &model.M_Fn_Data());
    EXPECT_EQ(t.port().m_C_M.at(1)->M_Fn_Model_Data_Get(), &model.M_Fn_Data());
    // A second model whose map names the same property card is refused before anything changes.
    auto other = N_Test_DB::G_Fn_Model_New(t.port());
    other->M_Fn_Data().m_Map_C_M[9] = 1;
    other->M_Fn_Data().m_Map_C_P[9] = 1;
    EXPECT_THROW(other->M_Fn_Rel_Self_On_Add(nullptr, nullptr), C_Exception);
    EXPECT_FALSE(other->M_Fn_Tree().M_Fn_Is_Connected());
    model.M_Fn_Rel_Self_On_Remove();
    EXPECT_FALSE(model.M_Fn_Tree().M_Fn_Is_Connected());
    EXPECT_EQ(t.port().m_C_P.at(1)->M_Fn_Model_Data_Get(), nullptr);
}

TEST(C_Model, NodeCoordinatesGoThroughTheTransformAndIndicesAreChecked)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Deck), 1u);
    t.model().M_Fn_Transform()(0, 3) = 10.0f; // translation x
    EXPECT_EQ(t.model().M_Fn_Node_Vector3_Global_Get(2), N_Common::N_Math::C_Vector3<float>(12.0f, 1.0f, -3.0f));
    EXPECT_THROW(t.model().M_Fn_Node_Vector3_Global_Get(4), C_Exception);
    EXPECT_EQ(t.data().m_Bound_Min, N_Common::N_Math::C_Vector3<float>(0.0f, 0.0f, -3.0f));
    EXPECT_EQ(t.data().m_Bound_Max, N_Common::N_Math::C_Vector3<float>(2.0f, 1.0f, 0.0f));
}

TEST(C_Model_Data, BinaryFormRoundTripsAndRebindsProperties)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Deck), 1u);
    std::stringstream stream;
    ASSERT_EQ(t.data().M_Fn_Serialize_O(stream), 1);
    const std::string bytes = stream.str();
    auto copy = N_Test_DB::G_Fn_Model_New(t.port());
    std::istringstream in(bytes);
    ASSERT_EQ(copy->M_Fn_Data().M_Fn_Serialize_I(in), 1);
    const auto& data = copy->M_Fn_Data();
    ASSERT_EQ(data.m_Nodes.size(), 4u);
    ASSERT_EQ(data.m_Elements.size(), 2u);
    EXPECT_EQ(data.m_Nodes[2].M_ro_Vector3_f32(), N_Common::N_Math::C_Vector3<float>(2.0f, 1.0f, -3.0f));
    EXPECT_EQ(data.m_Elements[1].M_Fn_Node_Corner_Get(3), 3); // CTRIA3 11: node ids 1, 3, 4 -> positions 0, 2, 3
    EXPECT_EQ(data.m_Elements[0].M_Fn_Key_C_Property().M_Fn_Lock().get(), t.port().m_C_P.at(1).get());
    EXPECT_EQ(data.m_Map_C_P, t.data().m_Map_C_P);
    EXPECT_EQ(data.m_Bound_Max, t.data().m_Bound_Max);
    // Every cut of the block gives a result, never a crash.
    for (std::size_t cut = 0; cut < bytes.size(); cut += 7) {
        auto part = N_Test_DB::G_Fn_Model_New(t.port());
        std::istringstream short_in(bytes.substr(0, cut));
        E_Result result = 1;
        try {
            result = part->M_Fn_Data().M_Fn_Serialize_I(short_in);
        } catch (const C_Exception&) {
            result = 0;
        }
        EXPECT_NE(result, 1) << cut;
    }
}

TEST(C_Model_Data, AStreamWhoseElementNamesAMissingNodeIsRefused)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text(G_Deck), 1u);
    t.data().m_Elements[0].M_Fn_Node_Set(3, 4); // one past the last node
    std::stringstream stream;
    ASSERT_EQ(t.data().M_Fn_Serialize_O(stream), 1);
    auto copy = N_Test_DB::G_Fn_Model_New(t.port());
    EXPECT_EQ(copy->M_Fn_Data().M_Fn_Serialize_I(stream), 0);
}

TEST(C_Context_Catalog, ASingleNodeIsItsOwnBound)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Dyna_Text("*KEYWORD\n*NODE\n1,-1.5,2.5,7\n*END\n"), 1u);
    EXPECT_EQ(t.data().m_Bound_Min, N_Common::N_Math::C_Vector3<float>(-1.5f, 2.5f, 7.0f));
    EXPECT_EQ(t.data().m_Bound_Max, t.data().m_Bound_Min);
}

TEST(C_Context_Catalog, NegativeReferencesAreClearedSilentlyMissingOnesWithAWarning)
{
    C_Test_Import t;
    ASSERT_EQ(t.M_Fn_Nastran_Text("BEGIN BULK\nPSHELL,1,-1,0.5,6\nENDDATA\n"), 1u);
    const auto& property = t.port().m_C_P.at(1);
    EXPECT_TRUE(property->M_Fn_Key_C_Material().M_Fn_Is_Empty());
    EXPECT_TRUE(t.M_Fn_Has_Msg(L"Warning: Can not find material with MID:6"));
    for (const std::wstring& text : t.M_Fn_Msgs())
        EXPECT_EQ(text.find(L"MID:-1"), std::wstring::npos);
}
