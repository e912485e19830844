// The section commands of the project document and tree: the IGES import (twice, cancelled,
// unreadable, failing half-way), the delete commands of group and section items, and the section
// tool options.
#include "biz/config/Biz_Config.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "common/Common_Exception.h"
#include "tests/proj/Test_Proj_Support_Sect.h"

#include <boost/signals2.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace N_Test_Proj;
using namespace N_Biz::N_Proj;
using N_Biz::N_Config::C_Config_Data;
using N_Biz::N_Sect::C_Sect;
using N_Common::N_Exception::C_Exception;

namespace {

const std::string G_Tubes = std::string(VT_TESTDATA_DIR) + "/iges/tubes_splined.iges";

std::string G_Fn_Read(const std::string& i_Path)
{
    std::ifstream file(i_Path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The lines and B-splines (types 110, 126) of a file's directory: the first line of each two-line
// entry names the type in columns 1-8. (The file's one arc lies off the plane fitted to its curves,
// which the import refuses.)
int G_Fn_Count_Curves(const std::string& i_Text)
{
    std::istringstream in(i_Text);
    std::string line;
    int count = 0;
    while (std::getline(in, line)) {
        if (line.size() < 80 || line[72] != 'D' || std::stoi(line.substr(73, 7)) % 2 == 0)
            continue;
        const int type = std::stoi(line.substr(0, 8));
        count += type == 110 || type == 126;
    }
    return count;
}

class C_Sect_Doc_Test : public C_Proj_Sect_Test {
protected:
    void M_Fn_Import(const std::string& i_Path)
    {
        m_App.port().m_File_Answers.push_back(std::filesystem::path(i_Path).wstring());
        mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_Import();
    }
    // The material and property cards in the project (the import makes the default material and
    // one property per colour).
    std::uint32_t M_Fn_Cards()
    {
        const auto& m = m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
        const auto& p = m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store();
        return m.size() - m.free_count() + p.size() - p.free_count();
    }
};

// --- import --------------------------------------------------------------------------------------

TEST_F(C_Sect_Doc_Test, ImportingAFileTwiceGivesTwoGroupsAndOneUndoRemovesTheSecond)
{
    const int curves = G_Fn_Count_Curves(G_Fn_Read(G_Tubes));
    ASSERT_EQ(curves, 8);
    const std::uint32_t cards = M_Fn_Cards();
    M_Fn_Import(G_Tubes);
    EXPECT_EQ(M_Fn_Cards(), cards + 2); // the default material and one property (one colour)
    M_Fn_Import(G_Tubes);
    EXPECT_EQ(M_Fn_Cards(), cards + 2); // the second takes the first one's cards
    ASSERT_EQ(M_Fn_Group_Slots(), (std::vector<std::uint32_t>{1, 2}));
    for (std::uint32_t g : {1u, 2u}) {
        ASSERT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{1}));
        EXPECT_EQ(M_Fn_Sect(g, 1)->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), std::uint32_t(curves));
        // A new group keeps the plane data it was made with.
        EXPECT_EQ(M_Fn_Group(g).m_Flip, 0u);
        EXPECT_TRUE(G_Fn_Near(M_Fn_Group(g).m_Heading, {0, 0, 1}));
    }
    const auto files = m_App.port().M_Fn_Texts(L"file");
    EXPECT_EQ(files, (std::vector<std::wstring>{L"Open", L"Open"}));
    C_Sect* first = M_Fn_Sect(1, 1);
    const std::string both = M_Fn_Groups_Bytes();
    history().M_Fn_Undo();
    EXPECT_EQ(M_Fn_Group_Slots(), (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(M_Fn_Sect(1, 1), first);
    EXPECT_EQ(first->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), std::uint32_t(curves));
    history().M_Fn_Redo();
    EXPECT_EQ(M_Fn_Groups_Bytes(), both);
}

TEST_F(C_Sect_Doc_Test, ACancelledDialogOrAnUnreadableFileChangesNothing)
{
    const std::size_t entries = M_Fn_History_Size();
    m_App.port().m_File_Answers.push_back(L"");
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_Import();
    M_Fn_Import((m_App.dir() / "missing.igs").string());
    EXPECT_EQ(M_Fn_History_Size(), entries);
    EXPECT_TRUE(M_Fn_Group_Slots().empty());
    EXPECT_NE(m_App.log().find("Msg: Error: Failed to open file."), std::string::npos);
}

// The file reads, but its last curve's colour number is out of range: the section import fails
// after building part of the geometry, and the whole entry goes (group, section, the default
// material and the property card made for the colour).
TEST_F(C_Sect_Doc_Test, AFailedSectionImportLeavesNothing)
{
    std::string text = G_Fn_Read(G_Tubes);
    const std::size_t d22 = text.find("D     22");
    ASSERT_NE(d22, std::string::npos);
    const std::size_t line = text.rfind('\n', d22) + 1;
    ASSERT_EQ(text.substr(line + 16, 8), "       0");
    text.replace(line + 16, 8, "       9");
    const std::filesystem::path path = m_App.dir() / "bad_colour.igs";
    std::ofstream(path, std::ios::binary) << text;

    const std::size_t entries = M_Fn_History_Size();
    const std::uint32_t cards = M_Fn_Cards();
    EXPECT_THROW(M_Fn_Import(path.string()), C_Exception);
    EXPECT_EQ(history().M_Fn_Get_State(), N_Biz::N_Cmd::C_Mgr::E_State_Idle);
    EXPECT_EQ(M_Fn_History_Size(), entries);
    EXPECT_TRUE(M_Fn_Group_Slots().empty());
    EXPECT_EQ(M_Fn_Cards(), cards);
}

// The imported plane is turned by "Section Local Coordinate System": the file's curves lie about
// the global XY plane, so "Local XY - Global XY" gives local axes X and Y; a value outside the
// option's range is refused before anything stays.
TEST_F(C_Sect_Doc_Test, TheImportedPlaneFollowsTheCoordinateSystemOption)
{
    config().m_Local_CS = 1;
    M_Fn_Import(G_Tubes);
    const auto& m = S_Fn_Matrix(*M_Fn_Sect(1, 1));
    EXPECT_GT(G_Fn_Column(m, 0).x, 0.9f);
    EXPECT_GT(G_Fn_Column(m, 1).y, 0.9f);
    EXPECT_GT(G_Fn_Column(m, 2).z, 0.9f);
    config().m_Local_CS = 7;
    EXPECT_THROW(M_Fn_Import(G_Tubes), C_Exception);
    EXPECT_EQ(M_Fn_Group_Slots(), (std::vector<std::uint32_t>{1}));
}

// --- tree ----------------------------------------------------------------------------------------

TEST_F(C_Sect_Doc_Test, DeletingAGroupFromTheTreeTakesItsSectionsAndOneUndoBringsThemBack)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {10, 0, 0}, {20, 0, 0}});
    mgr().M_Fn_UI_Tree_Proj_D_Sect_G_I_On_Cmd_Popup_Delete(M_Fn_Sect(g, 2));
    const std::vector<C_Sect*> kept{M_Fn_Sect(g, 1), M_Fn_Sect(g, 3)};
    const std::string before = M_Fn_Groups_Bytes();
    mgr().M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_Delete(&M_Fn_Group(g));
    EXPECT_TRUE(M_Fn_Group_Slots().empty());
    const auto& entries = history().M_Fn_Get_History();
    EXPECT_EQ(entries.back()->M_Fn_Get_Name(), L"Delete section group");
    EXPECT_FALSE(kept[0]->M_Fn_Get_Tree().M_Fn_Is_Connected());
    history().M_Fn_Undo();
    EXPECT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{1, 3}));
    EXPECT_EQ(M_Fn_Sect(g, 1), kept[0]);
    EXPECT_EQ(M_Fn_Sect(g, 3), kept[1]);
    EXPECT_EQ(M_Fn_Groups_Bytes(), before);
    EXPECT_TRUE(kept[1]->M_Fn_Get_Tree().M_Fn_Is_Connected());

    // A group that is not the manager's is refused before anything changes.
    C_D_Group_Sect loose;
    EXPECT_THROW(mgr().M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_Delete(&loose), C_Exception);
    EXPECT_THROW(mgr().M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_Delete(nullptr), C_Exception);
    EXPECT_EQ(M_Fn_Groups_Bytes(), before);
}

TEST_F(C_Sect_Doc_Test, DeletingTheLastSectionFromTheTreeTakesItsGroupToo)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {0, 0, 4}});
    mgr().M_Fn_UI_Tree_Proj_D_Sect_G_I_On_Cmd_Popup_Delete(M_Fn_Sect(g, 1));
    EXPECT_EQ(M_Fn_Group_Slots(), (std::vector<std::uint32_t>{g}));
    EXPECT_EQ(history().M_Fn_Get_History().back()->M_Fn_Get_Name(), L"Delete section");
    mgr().M_Fn_UI_Tree_Proj_D_Sect_G_I_On_Cmd_Popup_Delete(M_Fn_Sect(g, 2));
    EXPECT_TRUE(M_Fn_Group_Slots().empty());
    history().M_Fn_Undo();
    EXPECT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{2}));

    // A section in no group is refused.
    C_Sect::S_p_Proj = &m_Proj;
    C_Sect loose;
    C_Sect::S_p_Proj = nullptr;
    EXPECT_THROW(mgr().M_Fn_UI_Tree_Proj_D_Sect_G_I_On_Cmd_Popup_Delete(&loose), C_Exception);
    EXPECT_EQ(M_Fn_Slots(g), (std::vector<std::uint32_t>{2}));
}

// --- options -------------------------------------------------------------------------------------

struct C_Option_Case {
    void (C_Mgr_D_Sect::*m_Cmd)();
    std::int32_t C_Config_Data::*m_Word;
    std::int32_t m_Value;
};

class C_Option_Test : public C_Sect_Doc_Test, public ::testing::WithParamInterface<C_Option_Case> {};

// Each stores its value and announces it once with code 7; none needs a running task.
TEST_P(C_Option_Test, StoresAndAnnounces)
{
    const C_Option_Case& c = GetParam();
    config().*c.m_Word = 99;
    std::vector<int> codes;
    boost::signals2::scoped_connection connection = m_App.app().m_sp_Config->M_Fn_Signal().connect(
        [&](N_Biz::N_Config::C_Config& ro_Config, N_Biz::N_Config::E_Signal i_Code) {
            EXPECT_EQ(ro_Config.M_Fn_Data().*c.m_Word, c.m_Value); // stored before the announcement
            codes.push_back(i_Code);
        });
    EXPECT_NO_THROW((mgr().*c.m_Cmd)());
    EXPECT_EQ(config().*c.m_Word, c.m_Value);
    EXPECT_EQ(codes, std::vector<int>{7});
}

INSTANTIATE_TEST_SUITE_P(
    All, C_Option_Test,
    ::testing::Values(C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Scrn, &C_Config_Data::m_Pos_By_Nodes, 0},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Sel_N_Data, &C_Config_Data::m_Pos_By_Nodes, 1},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_Auto, &C_Config_Data::m_Local_CS, 0},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_XY, &C_Config_Data::m_Local_CS, 1},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_XZ, &C_Config_Data::m_Local_CS, 2},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_G_YZ, &C_Config_Data::m_Local_CS, 3},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Coord_V_Z, &C_Config_Data::m_Local_CS, 4},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Pos_Axis, &C_Config_Data::m_Move_Free, 0},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Pos_Free, &C_Config_Data::m_Move_Free, 1},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Beside_Before, &C_Config_Data::m_Insert_After, 0},
                      C_Option_Case{&C_Mgr_D_Sect::M_Fn_Doc_On_Cmd_Proj_Edit_D_S_C_Beside_After, &C_Config_Data::m_Insert_After, 1}));

// The windows open for the selected sections in selection order, or for a group's sections in
// slot order; with nothing selected only the running task ends.
TEST_F(C_Sect_Doc_Test, WindowsOpenInSelectionOrSlotOrder)
{
    const std::uint32_t g = M_Fn_Group_Along({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}});
    const std::string before = M_Fn_Groups_Bytes();
    const std::size_t entries = M_Fn_History_Size();
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Open();
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Close();
    EXPECT_TRUE(m_Frames.empty());
    M_Fn_Select({M_Fn_Sect(g, 3), M_Fn_Sect(g, 1)});
    mgr().M_Fn_Doc_On_Cmd_Proj_Edit_D_S_View_Open();
    EXPECT_EQ(m_Frames, (std::vector<const C_Sect*>{M_Fn_Sect(g, 3), M_Fn_Sect(g, 1)}));
    m_Frames.clear();
    mgr().M_Fn_UI_Tree_Proj_D_Sect_G_On_Cmd_Popup_View_Open(&M_Fn_Group(g));
    EXPECT_EQ(m_Frames, (std::vector<const C_Sect*>{M_Fn_Sect(g, 1), M_Fn_Sect(g, 2), M_Fn_Sect(g, 3)}));
    EXPECT_EQ(M_Fn_Groups_Bytes(), before);
    EXPECT_EQ(M_Fn_History_Size(), entries);
}

} // namespace
