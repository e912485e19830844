// The binary project file: its bytes written out by hand for an empty project and for a slot
// table with a free slot, the version check, the refusals, reading a saved project back, and the
// project files of the document's open and save.
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj_Doc.h"
#include "biz/sect/Biz_Sect_Mgr_Calc.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "tests/proj/Test_Proj_Support_Stream.h"

#include <cmath>
#include <csignal>
#include <fcntl.h>
#include <limits>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace N_Test_Proj;
using N_Biz::N_Proj::C_Mgr_Doc;
using N_Biz::N_Sect::C_Sect;

namespace {

using T_Bytes = std::vector<unsigned char>;

std::string G_Fn_String(const T_Bytes& i_Bytes)
{
    return std::string(i_Bytes.begin(), i_Bytes.end());
}

// A project without cards, models and groups: the header, then each table as its slot count (1,
// the reserved slot 0) and the end mark, with the current palette property (0) after the
// property table.
const T_Bytes G_Empty = {
    0x90, 0xBA, 0xDC, 0xFE,                                                     // magic
    8, 0, 0, 0, 'V', 0, 'e', 0, 'l', 0, 't', 0, 'r', 0, 'a', 0, 'n', 0, 'e', 0, // product
    8, 0, 0, 0, '1', 0, '.', 0, '2', 0, '.', 0, '0', 0, '0', 0, '3', 0, '7', 0, // version
    8, 0, 0, 0, '1', 0, '.', 0, '2', 0, '.', 0, '0', 0, '0', 0, '3', 0, '7', 0, // oldest compatible
    1, 0, 0, 0, 1,                                                              // generic cards
    1, 0, 0, 0, 1,                                                              // material cards
    1, 0, 0, 0, 1, 0, 0, 0, 0,                                                  // property cards, current 0
    1, 0, 0, 0, 1,                                                              // models
    1, 0, 0, 0, 1,                                                              // section groups
};
constexpr std::size_t G_Version_At = 28; // the version's first code unit

class C_Proj_Stream : public C_Proj_Stream_Test {};

TEST_F(C_Proj_Stream, EmptyProjectIsNinetyThreeBytesAndReadsBackEmpty)
{
    ASSERT_EQ(G_Empty.size(), 93u);
    EXPECT_EQ(M_Fn_Bytes(m_Proj), G_Fn_String(G_Empty));
    C_Read read = M_Fn_Read(G_Fn_String(G_Empty));
    ASSERT_EQ(read.m_Result, E_Result_Success);
    C_Proj& proj = *read.m_up_Proj;
    EXPECT_EQ(proj.M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_Store().size(), 1u);
    EXPECT_EQ(proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store().size(), 1u);
    EXPECT_EQ(proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store().size(), 1u);
    EXPECT_EQ(proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Get(), 0u);
    EXPECT_EQ(proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().size(), 1u);
    EXPECT_EQ(proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().size(), 1u);
    EXPECT_EQ(S_Fn_Count(read.m_Codes(), N_Biz::N_Proj::E_Signal_D_DB_C_P_Palette), 0);
    EXPECT_EQ(S_Fn_Count(read.m_Codes(), N_Biz::N_Proj::E_Signal_D_Sect_Add), 0);
    EXPECT_TRUE(proj.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().empty());
    // Every byte of it is needed: each shorter file is refused.
    for (std::size_t size = 0; size < G_Empty.size(); ++size)
        EXPECT_NE(M_Fn_Read(G_Fn_String(G_Empty).substr(0, size)).m_Result, E_Result_Success) << size;
}

TEST_F(C_Proj_Stream, FreeSlotBetweenCardsIsWrittenByIndexAndStaysFree)
{
    auto& materials = m_Proj.M_Fn_Get_Mgr_D_DB_C_M();
    const auto a = M_Fn_Material(L"A"), b = M_Fn_Material(L"B"), c = M_Fn_Material(L"C");
    materials.M_Fn_D_Add_At(1, a);
    materials.M_Fn_D_Add_At(2, b);
    materials.M_Fn_D_Add_At(3, c);
    N_Biz::N_Proj::C_Mgr_D_DB_C_M::T_sp_Card taken;
    materials.M_Fn_D_Remove_At(2, taken);

    const std::string bytes = M_Fn_Bytes(m_Proj);
    const std::string card_a = G_Fn_Bytes(*a), card_c = G_Fn_Bytes(*c);
    // The material table follows the header (64 bytes) and the empty generic table (5 bytes):
    // count 4, entry mark, slot 1, presence byte, card, entry mark, slot 3, presence byte, card,
    // end mark.
    const std::string table = G_Fn_String({4, 0, 0, 0, 0, 1, 0, 0, 0, 0}) + card_a + G_Fn_String({0, 3, 0, 0, 0, 0}) +
                              card_c + G_Fn_String({1});
    ASSERT_GT(bytes.size(), 69 + table.size());
    EXPECT_EQ(bytes.substr(69, table.size()), table);

    C_Read read = M_Fn_Read(bytes);
    ASSERT_EQ(read.m_Result, E_Result_Success);
    const auto& store = read.m_up_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
    EXPECT_EQ(store.size(), 4u);
    EXPECT_TRUE(store.is_used_at(1));
    EXPECT_FALSE(store.is_used_at(2));
    EXPECT_TRUE(store.is_used_at(3));
    EXPECT_EQ(store.next_index(), 2u);
    EXPECT_EQ(M_Fn_Name_Get(*store.at(3)), L"C");
    EXPECT_EQ(store.at(3)->M_Fn_Pos_Get(), 3);
    EXPECT_EQ(M_Fn_Bytes(*read.m_up_Proj), bytes);
}

struct C_Version_Case {
    const char* m_Version; // 8 characters, as long as the application's
    bool m_Asks;
};

class C_Proj_Stream_Version : public C_Proj_Stream_Test, public ::testing::WithParamInterface<C_Version_Case> {};

TEST_P(C_Proj_Stream_Version, OnlyTheApplicationsRangeOpensWithoutAQuestion)
{
    const C_Version_Case& c = GetParam();
    std::string bytes = G_Fn_String(G_Empty);
    for (std::size_t i = 0; i < 8; ++i)
        bytes[G_Version_At + 2 * i] = c.m_Version[i];
    const std::wstring version(c.m_Version, c.m_Version + 8);
    const std::wstring question =
        L"The file version and app version may not be compatible.\n\n  File version : " + version +
        L"\n  App version : 1.2.0037\n\nWe recommend to open this file with matched app version. You may still try to "
        L"open it but it is not recommended and may cause problem.\n\nDo you want to open it anyway?";
    for (int answer : {E_Box_Answer_No, E_Box_Answer_Yes}) {
        m_App.port().m_Calls.clear();
        m_App.port().m_Box_Answers = {answer};
        const C_Read read = M_Fn_Read(bytes);
        if (!c.m_Asks) {
            EXPECT_EQ(read.m_Result, E_Result_Success);
            EXPECT_TRUE(M_Fn_Boxes().empty());
            continue;
        }
        EXPECT_EQ(read.m_Result, answer == E_Box_Answer_Yes ? E_Result_Success : E_Result_Stream_Failure);
        ASSERT_EQ(m_App.port().m_Calls.size(), 1u);
        EXPECT_EQ(m_App.port().m_Calls[0].m_Text, question);
        EXPECT_EQ(m_App.port().m_Calls[0].m_Caption, L"Message");
        EXPECT_EQ(m_App.port().m_Calls[0].m_Type, unsigned(E_Box_Yes_No));
    }
}

INSTANTIATE_TEST_SUITE_P(All, C_Proj_Stream_Version,
                         ::testing::Values(C_Version_Case{"1.2.0036", true}, C_Version_Case{"1.2.0037", false},
                                           C_Version_Case{"1.2.0038", true},
                                           // Unit by unit, "1.10" sorts before "1.2".
                                           C_Version_Case{"1.10.037", true}));

TEST_F(C_Proj_Stream, WrongMagicIsNoProjectFile)
{
    std::string bytes = G_Fn_String(G_Empty);
    bytes[0] = '\x91';
    for (const std::string& file : {bytes, std::string(), std::string("\x90\xBA\xDC")}) {
        m_App.port().m_Calls.clear();
        const C_Read read = M_Fn_Read(file);
        EXPECT_EQ(read.m_Result, E_Result_Stream_Failure);
        ASSERT_EQ(m_App.port().m_Calls.size(), 1u);
        EXPECT_EQ(m_App.port().m_Calls[0].m_Text, L"Failed to read file. The file is not a project file of this application.");
        EXPECT_EQ(m_App.port().m_Calls[0].m_Type, unsigned(E_Box_OK));
    }
}

// The property table's end: the offset of the u32 current palette property.
std::size_t G_Fn_Palette_At(const std::string& i_Bytes, const N_Biz::N_Proj::C_Proj& ro_Proj)
{
    std::ostringstream models, groups;
    ro_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Stream_Serialize_o_O(models);
    ro_Proj.M_Fn_Get_Mgr_D_Sect().M_Fn_Stream_Serialize_o_O(groups);
    return i_Bytes.size() - groups.str().size() - models.str().size() - 4;
}

TEST_F(C_Proj_Stream, CurrentPaletteOnAFreeSlotFallsBackToTheFirstCard)
{
    auto& properties = m_Proj.M_Fn_Get_Mgr_D_DB_C_P();
    properties.M_Fn_D_Add_At(1, M_Fn_Property(L"P1"));
    properties.M_Fn_D_Add_At(2, M_Fn_Property(L"P2"));
    properties.M_Fn_Palette_Set(2);
    std::string bytes = M_Fn_Bytes(m_Proj);
    const std::size_t at = G_Fn_Palette_At(bytes, m_Proj);
    ASSERT_EQ(bytes.substr(at, 4), std::string("\x02\0\0\0", 4));

    // As saved: card 2, after the first card read had become current.
    C_Read read = M_Fn_Read(bytes);
    ASSERT_EQ(read.m_Result, E_Result_Success);
    EXPECT_EQ(read.m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Get(), 2u);
    EXPECT_EQ(S_Fn_Count(read.m_Codes(), N_Biz::N_Proj::E_Signal_D_DB_C_P_Palette), 2);
    // Naming slot 1: the first card, announced once.
    bytes[at] = 1;
    read = M_Fn_Read(bytes);
    EXPECT_EQ(read.m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Get(), 1u);
    EXPECT_EQ(S_Fn_Count(read.m_Codes(), N_Biz::N_Proj::E_Signal_D_DB_C_P_Palette), 1);
    // Naming no card (a free slot, one past the table): the first card stays current.
    for (char slot : {'\x03', '\x07'}) {
        bytes[at] = slot;
        read = M_Fn_Read(bytes);
        ASSERT_EQ(read.m_Result, E_Result_Success);
        EXPECT_EQ(read.m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Get(), 1u);
        EXPECT_EQ(S_Fn_Count(read.m_Codes(), N_Biz::N_Proj::E_Signal_D_DB_C_P_Palette), 1);
    }
    // None: 0 replaces the first card, and says so.
    bytes[at] = 0;
    read = M_Fn_Read(bytes);
    EXPECT_EQ(read.m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Get(), 0u);
    EXPECT_EQ(S_Fn_Count(read.m_Codes(), N_Biz::N_Proj::E_Signal_D_DB_C_P_Palette), 2);
}

TEST_F(C_Proj_Stream, PropertyOfAMaterialNotInTheFileIsRefused)
{
    // Two projects alike but for a second material, on which the property sits in the first.
    auto& materials = m_Proj.M_Fn_Get_Mgr_D_DB_C_M();
    materials.M_Fn_D_Add_At(1, M_Fn_Material(L"M1"));
    materials.M_Fn_D_Add_At(2, M_Fn_Material(L"M2"));
    auto property = M_Fn_Property(L"P");
    property->M_Fn_Key_C_Material() = N_Biz::N_DB::C_Key_C_Material(materials.M_Fn_Get_At(2));
    m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_D_Add_At(1, property);
    C_Proj other;
    other.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_D_Add_At(1, M_Fn_Material(L"M1"));

    const std::string with = M_Fn_Bytes(m_Proj), without = M_Fn_Bytes(other);
    std::ostringstream with_m, without_m;
    materials.M_Fn_Stream_Serialize_o_O(with_m);
    other.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Stream_Serialize_o_O(without_m);
    const std::size_t at = 69; // header and generic table
    ASSERT_EQ(with.substr(at, with_m.str().size()), with_m.str());
    const std::string spliced = with.substr(0, at) + without_m.str() + with.substr(at + with_m.str().size());

    ASSERT_EQ(M_Fn_Read(with).m_Result, E_Result_Success);
    m_App.port().m_Calls.clear();
    const C_Read read = M_Fn_Read(spliced);
    EXPECT_EQ(read.m_Result, E_Result_Stream_Failure);
    EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>{L"Failed to read file. Property card 1 refers to a card that is not in the file."});
    EXPECT_EQ(read.m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store().size(), 1u);
}

TEST_F(C_Proj_Stream, GroupWhoseIndexIsNotItsSlotIsRefused)
{
    std::vector<C_Vector3f> picks{C_Vector3f(0, 0, 0), C_Vector3f(0, 0, 10)};
    M_Fn_Picks(picks);
    ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 1u);
    std::string bytes = M_Fn_Bytes(m_Proj);
    std::ostringstream groups;
    mgr().M_Fn_Stream_Serialize_o_O(groups);
    // Slot count, entry mark, slot 1, presence byte, then the group's index.
    const std::size_t at = bytes.size() - groups.str().size() + 10;
    ASSERT_EQ(bytes.substr(at - 6, 10), std::string("\0\x01\0\0\0\0\x01\0\0\0", 10));
    ASSERT_EQ(M_Fn_Read(bytes).m_Result, E_Result_Success);
    bytes[at] = 2;
    m_App.port().m_Calls.clear();
    const C_Read read = M_Fn_Read(bytes);
    EXPECT_EQ(read.m_Result, E_Result_Stream_Failure);
    EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>{L"Error: Failed to read file. The file is damaged in its sections."});
    EXPECT_EQ(read.m_up_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().size(), 1u);
}

// A slot far beyond the objects a file holds costs the file no bytes but the tables memory: a
// whole file may ask for 1M free slots at most.
TEST_F(C_Proj_Stream, FreeSlotsOfOneFileAreBounded)
{
    auto groups_at = [](std::uint32_t i_Index) {
        T_Bytes bytes(G_Empty.begin(), G_Empty.end() - 5);
        // Slot count 4M, one entry at i_Index whose pointer is empty, end mark.
        for (std::uint32_t word : {std::uint32_t(1) << 22, 0u, i_Index})
            if (word == 0)
                bytes.push_back(0);
            else
                for (int b = 0; b < 4; ++b)
                    bytes.push_back(static_cast<unsigned char>(word >> (8 * b)));
        bytes.push_back(1);
        bytes.push_back(1);
        return G_Fn_String(bytes);
    };
    // Within the bound the table is read, and its empty entry refused.
    const std::vector<std::wstring> damaged{L"Error: Failed to read file. The file is damaged in its sections."};
    m_App.port().m_Calls.clear();
    EXPECT_EQ(M_Fn_Read(groups_at(1000)).m_Result, E_Result_Stream_Failure);
    EXPECT_EQ(M_Fn_Boxes(), damaged);
    m_App.port().m_Calls.clear();
    EXPECT_EQ(M_Fn_Read(groups_at((1u << 20) + 1)).m_Result, E_Result_Stream_Failure);
    EXPECT_EQ(M_Fn_Boxes(), damaged);
    // Beyond it the read stops before any slot is made.
    m_App.port().m_Calls.clear();
    const C_Read read = M_Fn_Read(groups_at((1u << 20) + 2));
    EXPECT_EQ(read.m_Result, E_Result_Stream_Failure);
    EXPECT_EQ(M_Fn_Boxes(), damaged);
    EXPECT_EQ(read.m_up_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups().size(), 1u);
}

// Everything a project holds, saved, read and saved again: the same bytes, the same objects at
// the same slots, the same results.
class C_Proj_Stream_Wingbox : public C_Proj_Stream_Test {
protected:
    void M_Fn_Build()
    {
        const std::filesystem::path data(VT_TESTDATA_DIR);
        m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Nastran(
            (data / "nastran" / "wingbox_stitched_together-000.bdf").wstring(), L"wingbox.bdf");
        // The deck leaves the stress limit blank; the calculation needs one.
        const auto& store = m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Get_Store();
        for (std::uint32_t i = 1; i < store.size(); ++i)
            if (store.is_used_at(i))
                store.at(i)->M_Fn_Column_Practical_Get_o_Visitor_Field(N_Biz::N_DB::E_Id_Column_Limit_Stress_Y).M_Fn_Ref<float>() =
                    50000.0f;
        // A Dyna model brings section cards (generic cards) and parts that refer to them.
        m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Doc_On_Cmd_Proj_Edit_D_M_I_Dyna((data / "dyna" / "bracket.k").wstring(),
                                                                           L"bracket.k");
        ASSERT_TRUE(m_Proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().is_used_at(2));
        m_Proj.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Set(2);
        // Sections between the wing box's node stations (every 3 along y), where every cut is clean.
        config().m_Extra_Sections = 2;
        M_Fn_Picks({C_Vector3f(100.0f, 22.5f, 17.0f), C_Vector3f(100.0f, 70.5f, 17.0f)});
        ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 1u);
        config().m_Extra_Sections = 0;
        M_Fn_Picks({C_Vector3f(100.0f, 30.5f, 17.0f), C_Vector3f(100.0f, 45.5f, 17.0f)});
        ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Group_Create(), 1u);
        // A free slot inside the first group.
        M_Fn_Select({M_Fn_Sect(1, 2)});
        ASSERT_EQ(mgr().M_Fn_Proc_Cmd_Top_Individual_Delete_Selected(), 1u);
    }
};

TEST_F(C_Proj_Stream_Wingbox, SavedReadAndSavedAgainGivesTheSameBytesAndResults)
{
    M_Fn_Build();
    const std::filesystem::path path = M_Fn_Path("wingbox.qmxb");
    ASSERT_EQ(C_Mgr_Doc::S_Fn_File_Write(m_Proj, path.wstring()), 1);
    const std::string bytes = S_Fn_File(path);
    EXPECT_EQ(bytes, M_Fn_Bytes(m_Proj));

    std::vector<int> codes; // outlives the project, which fires code 1 as it goes
    C_Proj loaded;
    loaded.M_Fn_Get_Signal().connect([&codes](C_Proj&, N_Biz::N_Proj::E_Signal i_Code) { codes.push_back(i_Code); });
    loaded.M_Fn_Tree_Add();
    ASSERT_EQ(C_Mgr_Doc::S_Fn_File_Read(loaded, path.wstring()), 1);
    EXPECT_EQ(M_Fn_Bytes(loaded), bytes);
    EXPECT_TRUE(loaded.M_Fn_Get_Mgr_Cmd().M_Fn_Get_History().empty());
    EXPECT_EQ(S_Fn_Count(codes, N_Biz::N_Proj::E_Signal_D_Sect_Add), 5);
    EXPECT_EQ(loaded.M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Palette_Get(), 2u);

    // The same objects at the same slots.
    const auto& models = loaded.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
    ASSERT_TRUE(models.is_used_at(1) && models.is_used_at(2));
    EXPECT_EQ(models.at(1)->M_Fn_Data().m_Nodes.size(), 2675u);
    EXPECT_EQ(models.at(1)->M_Fn_Data().m_Elements.size(), 2464u);
    EXPECT_EQ(models.at(2)->M_Fn_Name_Get(), L"bracket.k");
    EXPECT_GT(loaded.M_Fn_Get_Mgr_D_DB_C().M_Fn_Get_Store().size(), 1u);
    const auto& groups = loaded.M_Fn_Get_Mgr_D_Sect().M_Fn_Get_Groups();
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_FALSE(groups.at(1)->m_Sects.is_used_at(2));
    for (std::uint32_t g : {1u, 2u})
        for (std::uint32_t s = 1; s < groups.at(g)->m_Sects.size(); ++s) {
            if (!groups.at(g)->m_Sects.is_used_at(s))
                continue;
            C_Sect& mine = *M_Fn_Sect(g, s);
            C_Sect& theirs = *groups.at(g)->m_Sects.at(s);
            EXPECT_EQ(theirs.M_Fn_Title_Get(), L"Section " + std::to_wstring(g) + L"-" + std::to_wstring(s));
            EXPECT_EQ(theirs.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count(), mine.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count());
            mine.M_Fn_Get_Mgr_Calc().M_Fn_Stale_Set();
            ASSERT_EQ(mine.M_Fn_Calc_If_Dirty(), 1) << g << "-" << s;
            ASSERT_EQ(theirs.M_Fn_Calc_If_Dirty(), 1) << g << "-" << s;
            const auto& a = *mine.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result();
            const auto& b = *theirs.M_Fn_Get_Mgr_Calc().M_Fn_Get_Result();
            EXPECT_GT(a.m_Prop[0].m_Area, 0.0f);
            for (int k = 0; k < 2; ++k) {
                EXPECT_EQ(a.m_Prop[k].m_Area, b.m_Prop[k].m_Area);
                EXPECT_EQ(a.m_Prop[k].m_Ixx, b.m_Prop[k].m_Ixx);
                EXPECT_EQ(a.m_Prop[k].m_Iyy, b.m_Prop[k].m_Iyy);
                EXPECT_EQ(a.m_Prop[k].m_Ixy, b.m_Prop[k].m_Ixy);
            }
            for (std::size_t c = 0; c < a.m_Case.size(); ++c)
                EXPECT_EQ(a.m_Case[c].m_Bound, b.m_Case[c].m_Bound) << c;
        }
}

// --- the document's open and save ------------------------------------------------------------------

TEST_F(C_Proj_Stream, SaveThatThrowsPartWayKeepsTheOldFileAndTheModifiedFlag)
{
    M_Fn_Small_Project();
    const std::filesystem::path path = M_Fn_Path("small.qmxb");
    ASSERT_EQ(C_Mgr_Doc::S_Fn_File_Write(m_Proj, path.wstring()), 1);
    const std::string before = S_Fn_File(path);
    ASSERT_EQ(before, M_Fn_Bytes(m_Proj));

    // A card without a table cannot be written: the writer throws after the header.
    m_Proj.M_Fn_Get_Mgr_D_DB_C().M_Fn_D_Add_At(2, lesser_shared_ptr<N_Biz::N_DB::C_Row_Common>(new N_Biz::N_DB::C_Row_C_Section()));
    ASSERT_EQ(m_Proj.M_Fn_Get_Mgr_Doc().M_Fn_Create(L""), 1);
    N_Biz::N_Proj::C_Doc& doc = *m_Proj.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc();
    m_Proj.M_Fn_Get_Mgr_Doc().M_Fn_Mark_Modified();
    EXPECT_EQ(doc.M_Fn_Do_Save(path.wstring()), 0);
    EXPECT_TRUE(doc.M_Fn_Is_Modified());
    EXPECT_EQ(S_Fn_File(path), before);
    EXPECT_NE(m_App.log().find("Exception caught at:"), std::string::npos);
    // Nothing is left beside it.
    std::size_t beside = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_App.dir()))
        beside += entry.path().filename().string().rfind(".small.qmxb", 0) == 0;
    EXPECT_EQ(beside, 0u);
}

// While one lives, this thread is held to the permission bits of files like any user, even when
// the tests run as root.
class C_Permission_Bits {
public:
    C_Permission_Bits()
    {
        m_Ok = ::syscall(SYS_capget, &m_Header, m_Saved) == 0;
        __user_cap_data_struct reduced[2] = {m_Saved[0], m_Saved[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
        m_Ok = m_Ok && ::syscall(SYS_capset, &m_Header, reduced) == 0;
    }
    ~C_Permission_Bits()
    {
        if (m_Ok)
            ::syscall(SYS_capset, &m_Header, m_Saved);
    }

private:
    __user_cap_header_struct m_Header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct m_Saved[2]{};
    bool m_Ok = false;
};

TEST_F(C_Proj_Stream, SaveIntoADirectoryThatCannotBeWrittenKeepsTheOldFile)
{
    M_Fn_Small_Project();
    const std::filesystem::path dir = M_Fn_Path("locked"), path = dir / "small.qmxb";
    std::filesystem::create_directories(dir);
    ASSERT_EQ(C_Mgr_Doc::S_Fn_File_Write(m_Proj, path.wstring()), 1);
    const std::string before = S_Fn_File(path);
    m_Proj.M_Fn_Get_Mgr_D_DB_C_M().M_Fn_D_Add_At(9, M_Fn_Material(L"Later"));
    std::filesystem::permissions(dir, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    {
        const C_Permission_Bits bits;
        const int probe = ::open((dir / "probe").c_str(), O_CREAT | O_WRONLY, 0644);
        if (probe >= 0) {
            ::close(probe);
            std::filesystem::remove(dir / "probe");
            GTEST_SKIP() << "this process may write into any directory";
        }
        m_App.port().m_Calls.clear();
        EXPECT_EQ(C_Mgr_Doc::S_Fn_File_Write(m_Proj, path.wstring()), 0);
    }
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>{L"Error: Failed to open file."});
    EXPECT_EQ(S_Fn_File(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST_F(C_Proj_Stream, SaveThatRunsOutOfRoomKeepsTheOldFile)
{
    M_Fn_Small_Project();
    const std::filesystem::path path = M_Fn_Path("small.qmxb");
    ASSERT_EQ(C_Mgr_Doc::S_Fn_File_Write(m_Proj, path.wstring()), 1);
    const std::string before = S_Fn_File(path);
    M_Fn_Import(G_Deck_2);
    ASSERT_GT(M_Fn_Bytes(m_Proj).size(), before.size() + 200);
    // A limit on the size of files stands in for a full disk: the write beyond it fails.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = before.size() + 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    m_App.port().m_Calls.clear();
    const int result = C_Mgr_Doc::S_Fn_File_Write(m_Proj, path.wstring());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>{L"Error: Failed to write file."});
    EXPECT_EQ(S_Fn_File(path), before);
    // With room again the same save succeeds.
    EXPECT_EQ(C_Mgr_Doc::S_Fn_File_Write(m_Proj, path.wstring()), 1);
    EXPECT_EQ(S_Fn_File(path), M_Fn_Bytes(m_Proj));
}

TEST_F(C_Proj_Stream, TextFormatTouchesNoFile)
{
    M_Fn_Small_Project();
    const std::filesystem::path text = M_Fn_Path("kept.qmxt"), missing = M_Fn_Path("missing.qmxt");
    S_Fn_File_Put(text, "text that stays");
    m_App.port().m_Calls.clear();
    EXPECT_EQ(C_Mgr_Doc::S_Fn_File_Write(m_Proj, text.wstring()), 0);
    EXPECT_EQ(C_Mgr_Doc::S_Fn_File_Write(m_Proj, missing.wstring()), 0);
    C_Proj fresh;
    EXPECT_EQ(C_Mgr_Doc::S_Fn_File_Read(fresh, text.wstring()), 0);
    EXPECT_EQ(C_Mgr_Doc::S_Fn_File_Read(fresh, missing.wstring()), 0);
    EXPECT_EQ(S_Fn_File(text), "text that stays");
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>(4, L"This feature is under development."));
}

struct C_Refusal_Case {
    const char* m_Name;
    bool m_Save;
    const wchar_t* m_Message;
};

class C_Proj_Stream_Refusal : public C_Proj_Stream_Test, public ::testing::WithParamInterface<C_Refusal_Case> {};

TEST_P(C_Proj_Stream_Refusal, ShowsItsMessageAndChangesNothing)
{
    const C_Refusal_Case& c = GetParam();
    const std::filesystem::path path = M_Fn_Path(c.m_Name);
    const std::string content = G_Fn_String(G_Empty);
    if (std::string(c.m_Name).find("missing") == std::string::npos)
        S_Fn_File_Put(path, content);
    m_App.port().m_Calls.clear();
    C_Proj fresh;
    fresh.M_Fn_Tree_Add();
    EXPECT_EQ(c.m_Save ? C_Mgr_Doc::S_Fn_File_Write(m_Proj, path.wstring()) : C_Mgr_Doc::S_Fn_File_Read(fresh, path.wstring()), 0);
    EXPECT_EQ(M_Fn_Boxes(), std::vector<std::wstring>{c.m_Message});
    if (std::filesystem::exists(path)) {
        EXPECT_EQ(S_Fn_File(path), content);
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, C_Proj_Stream_Refusal,
    ::testing::Values(C_Refusal_Case{"model.bea", true, L"Deprecated format: \".bea\", please save as format: \".qmxb\" instead."},
                      C_Refusal_Case{"noext", true, L"Error: No file extension."},
                      C_Refusal_Case{"noext", false, L"Error: No file extension."},
                      C_Refusal_Case{"a.QMXB", false, L"Unacceptable file extension: .QMXB"},
                      C_Refusal_Case{"a.qmxb.bak", true, L"Unacceptable file extension: .bak"},
                      C_Refusal_Case{"missing.qmxb", false, L"Error: Failed to open file."},
                      C_Refusal_Case{"missing.bea", false, L"Error: Failed to open file."}));

TEST_F(C_Proj_Stream, HalfReadProjectFailsItsDocument)
{
    M_Fn_Small_Project();
    const std::string bytes = M_Fn_Bytes(m_Proj);
    const std::filesystem::path path = M_Fn_Path("cut.qmxb");
    // Cut inside the section groups: cards and model are already in the project when the read
    // fails.
    S_Fn_File_Put(path, bytes.substr(0, bytes.size() - 20));
    {
        C_Proj half;
        half.M_Fn_Tree_Add();
        EXPECT_EQ(half.M_Fn_Get_Mgr_Doc().M_Fn_Create(path.wstring()), 0);
        EXPECT_EQ(half.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc(), nullptr);
        EXPECT_TRUE(half.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models().is_used_at(1));
    }
    // The whole file opens, titled by its file and unmodified.
    S_Fn_File_Put(path, bytes);
    C_Proj whole;
    whole.M_Fn_Tree_Add();
    ASSERT_EQ(whole.M_Fn_Get_Mgr_Doc().M_Fn_Create(path.wstring()), 1);
    EXPECT_EQ(whole.M_Fn_Name_Get(), L"cut.qmxb");
    EXPECT_FALSE(whole.M_Fn_Get_Mgr_Doc().M_Fn_Get_Doc()->M_Fn_Is_Modified());
    EXPECT_EQ(M_Fn_Bytes(whole), bytes);
    EXPECT_EQ(m_App.log_lines().back(), "Msg: Opened project: " + path.string());
}

} // namespace
