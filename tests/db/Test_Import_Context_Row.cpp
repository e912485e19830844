// The import row context: the cursor over rows, options and repeats, and the field import with its
// whole-field numbers, bounds, defaults and warnings, on cards of the real schema.
#include "biz/db/Biz_DB_Import_Context_Row.h"
#include "biz/db/Biz_DB_Row.h"
#include "biz/db/Biz_DB_Row_Etc.h"
#include "tests/db/Test_Import_Support.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace N_Biz::N_DB;
using N_Biz::N_DB::N_Import::C_Context_Row;
using N_Common::N_Exception::C_Exception;

namespace {

struct C_Fixture {
    C_Test_App m_App;
    std::shared_ptr<C_Info_Schema> m_sp_Schema = N_Test_DB::G_Fn_Schema_Real();
    C_Fixture() { m_App.app().m_sp_Schema = m_sp_Schema; }
    std::vector<std::wstring> M_Fn_Msgs() { return m_App.port().M_Fn_Texts(L"box"); }
};

// The X1 value that a GRID gets from i_Text (its third field).
float G_Fn_Grid_X(C_Fixture& ro_F, std::string_view i_Text)
{
    auto context = ro_F.m_sp_Schema->M_Fn_Import_Create_spo_Context_Row_Nastran("GRID");
    context->M_Fn_Row_Create();
    for (int i = 0; i < 2; ++i) { // ID and CP
        context->M_Fn_Pos_Field_Move_on(1);
        context->M_Fn_Field_Curr_Import(i == 0 ? "1" : "", 1, 0);
    }
    context->M_Fn_Pos_Field_Move_on(1);
    context->M_Fn_Field_Curr_Import(i_Text, 7, 24);
    return N_Test_DB::G_Fn_Get<float>(*context->M_Fn_Row_Hand_over(), E_Id_Column_Coordinate_X);
}

} // namespace

TEST(C_Context_Row, WholeFieldNumbersInTheFormsOfDecks)
{
    C_Fixture f;
    EXPECT_FLOAT_EQ(G_Fn_Grid_X(f, "-7.-1"), -0.7f); // not -7: the exponent is part of the field
    EXPECT_FLOAT_EQ(G_Fn_Grid_X(f, "7.+7"), 7.0e7f);
    EXPECT_FLOAT_EQ(G_Fn_Grid_X(f, "1.-3"), 1.0e-3f);
    EXPECT_FLOAT_EQ(G_Fn_Grid_X(f, "-.5+2"), -50.0f);
    EXPECT_FLOAT_EQ(G_Fn_Grid_X(f, "1+9"), 1.0e9f);
    EXPECT_FLOAT_EQ(G_Fn_Grid_X(f, "2.1D+5"), 2.1e5f);
    EXPECT_FLOAT_EQ(G_Fn_Grid_X(f, " +1.5E2 "), 150.0f);
    EXPECT_TRUE(f.M_Fn_Msgs().empty());
    // Texts that are no whole number take the default (0) with a warning, never a prefix.
    for (const char* text : {"12abc", "1.5.2", "-7.-1x", "1e", "--1", "nan", "inf", "1e99", "1 2", "\xC3\xA9"}) {
        const std::size_t before = f.M_Fn_Msgs().size();
        EXPECT_EQ(G_Fn_Grid_X(f, text), 0.0f) << text;
        ASSERT_EQ(f.M_Fn_Msgs().size(), before + 1) << text;
        EXPECT_EQ(f.M_Fn_Msgs().back(), L"Line: 7, Char: 25, Warning: Field value can not be read, trying to assign with default value.");
    }
}

TEST(C_Context_Row, EmptyFieldsTakeTheDefaultOrWarnAndMarkTheRow)
{
    C_Fixture f;
    auto context = f.m_sp_Schema->M_Fn_Import_Create_spo_Context_Row_Nastran("GRID");
    context->M_Fn_Row_Create();
    context->M_Fn_Pos_Field_Move_on(1);
    context->M_Fn_Field_Curr_Import("", 12, 8); // ID: no default
    EXPECT_TRUE(context->M_Fn_Is_Error());
    EXPECT_EQ(f.M_Fn_Msgs().back(), L"Line: 12, Char: 9, Warning: Field has no available default value.");
    context->M_Fn_Pos_Field_Move_on(1);
    context->M_Fn_Field_Curr_Import("   ", 12, 16); // CP: blank is empty, default 0, silent
    EXPECT_EQ(f.M_Fn_Msgs().size(), 1u);
    context->M_Fn_Pos_Field_Move_on(1);
    context->M_Fn_Field_Curr_Import("0.", 12, 24);
    // A lower bound of 0 on CD, inclusive ("-1" allowed), is exceeded by -2.
    for (int i = 0; i < 2; ++i) {
        context->M_Fn_Pos_Field_Move_on(1);
        context->M_Fn_Field_Curr_Import("", 12, 32);
    }
    context->M_Fn_Pos_Field_Move_on(1);
    context->M_Fn_Field_Curr_Import("-2", 12, 48);
    EXPECT_EQ(f.M_Fn_Msgs().back(),
              L"Line: 12, Char: 49, Warning: Field value out of range, exceeds lower bound, trying to assign with default value.");
    context->M_Fn_Pos_Field_Move_on(1);
    context->M_Fn_Pos_Field_Move_on(1);
    EXPECT_FALSE(context->M_Fn_Is_Finished());
    context->M_Fn_Pos_Field_Move_on(1);
    EXPECT_TRUE(context->M_Fn_Is_Finished()); // GRID has eight fields and no options
    EXPECT_THROW(context->M_Fn_Field_Curr_Import("1", 12, 72), C_Exception);
    // The error bit lives until the row is handed over.
    EXPECT_TRUE(context->M_Fn_Is_Error());
    EXPECT_TRUE(context->M_Fn_Row_Hand_over());
    EXPECT_FALSE(context->M_Fn_Is_Error());
}

TEST(C_Context_Row, RepeatableOptionEndsWhenItsCheckSaysNo)
{
    C_Fixture f;
    // SECTION_SHELL with ICOMP 1 and NIP 8: one line of eight angles follows the two cards.
    auto context = f.m_sp_Schema->M_Fn_Import_Create_spo_Context_Row_Dyna("SECTION_SHELL");
    ASSERT_TRUE(context);
    context->M_Fn_Row_Create();
    const char* const fields[] = {"1", "16", "1", "8", "1", "0", "1", "1", "2", "2", "2", "2", "", "", "", ""};
    for (const char* text : fields) {
        context->M_Fn_Pos_Field_Move_on(1);
        context->M_Fn_Field_Curr_Import(text, 1, 0);
    }
    for (int angle = 0; angle < 8; ++angle) {
        context->M_Fn_Pos_Field_Move_on(1);
        ASSERT_FALSE(context->M_Fn_Is_Finished());
        context->M_Fn_Field_Curr_Import(std::to_string(10 * angle), 2, 0);
    }
    context->M_Fn_Pos_Field_Move_on(1);
    EXPECT_TRUE(context->M_Fn_Is_Finished());
    const std::unique_ptr<C_Row> row = context->M_Fn_Row_Hand_over();
    const auto& angles = row->M_Fn_Sub_Get_rscpo_Row_Etc_Option(1, 0);
    ASSERT_TRUE(angles);
    EXPECT_FLOAT_EQ(N_Test_DB::G_Fn_Get_At<float>(*angles, 7), 70.0f);
    EXPECT_FALSE(angles->M_Fn_Sub_Get_rscpo_Row_Etc_Repeat());
}

TEST(C_Context_Row, OptionsFollowTheImportOrderOfTheKeyword)
{
    C_Fixture f;
    // MAT_ELASTIC_TITLE: the title line first, then the card.
    auto context = f.m_sp_Schema->M_Fn_Import_Create_spo_Context_Row_Dyna("MAT_ELASTIC_TITLE");
    ASSERT_TRUE(context);
    context->M_Fn_Row_Create();
    context->M_Fn_Pos_Field_Move_on(1);
    EXPECT_EQ(context->M_Fn_Field_Curr_Get_ro_Info_Column().M_Fn_Name(), L"TITLE");
    context->M_Fn_Field_Curr_Import("steel", 1, 0);
    context->M_Fn_Pos_Field_Move_on(1);
    EXPECT_EQ(context->M_Fn_Field_Curr_Get_ro_Info_Column().M_Fn_Name(), L"MID");
    EXPECT_FALSE(f.m_sp_Schema->M_Fn_Import_Create_spo_Context_Row_Dyna("MAT_ELASTIC_FOO"));
    EXPECT_FALSE(f.m_sp_Schema->M_Fn_Import_Create_spo_Context_Row_Nastran("NOPE"));
}
