// An element's nodes as the project view's pick text names them: by the ids the deck gave them,
// whatever place the nodes take in their model's node array, for Nastran, Dyna and ".bea" models;
// and the project file, which keeps the places, byte for byte.
#include "tests/proj/Test_Proj_Support_BEA.h"

#include "biz/proj/Biz_Proj_Mgr_Sel.h"

#include <array>

using namespace N_Test_Proj;

namespace {

using T_Names = std::vector<std::wstring>;

class C_Element_Node_Ids : public C_Proj_Stream_Test {
protected:
    // The pick text of element i_Index of the model in slot i_Slot of ro_Proj, picked alone.
    static T_Names S_Fn_Pick_Text(C_Proj& ro_Proj, std::uint32_t i_Slot, std::uint32_t i_Index)
    {
        N_Biz::N_Proj::C_Mgr_Sel& sel = ro_Proj.M_Fn_Get_Mgr_Sel();
        sel.M_Fn_Sel_Mode_Set(false, false, true, false, false, false, 6, L"p");
        N_Biz::N_Proj::C_Mgr_D_DB_E& mgr = ro_Proj.M_Fn_Get_Mgr_D_DB_E();
        mgr.M_Fn_Sel_P0_Clear();
        mgr.M_Fn_Sel_P0_Add({i_Slot, i_Index});
        sel.M_Fn_Sel_P0_Desc_Update();
        return sel.M_Fn_Get_Desc();
    }
    // What the lines "  <name>: <value>" of ro_Text give for each of i_Names ("-" when missing).
    static T_Names S_Fn_Values(const T_Names& ro_Text, const T_Names& i_Names)
    {
        T_Names values;
        for (const std::wstring& name : i_Names) {
            const std::wstring head = L"  " + name + L": ";
            std::wstring value = L"-";
            for (const std::wstring& line : ro_Text)
                if (line.rfind(head, 0) == 0)
                    value = line.substr(head.size());
            values.push_back(value);
        }
        return values;
    }
    // The node references an element row keeps (positions in the node array).
    static std::vector<std::int32_t> S_Fn_Refs(const N_Biz::N_DB::C_Row_Element_2D& ro_Row)
    {
        std::vector<std::int32_t> refs;
        for (std::uint32_t i = 0; i < ro_Row.M_Fn_Node_Num(); ++i)
            refs.push_back(ro_Row.M_Fn_Node_Get(i));
        return refs;
    }
};

const T_Names G_G = {L"G1", L"G2", L"G3", L"G4"};

// The deck's elements by their nodes, written out from the decks (G_Deck_Gaps): 501 on 1001,
// 1002, 1005, 1010; 502 on 2001, 2003, 1005, 1002; 503 on 2001, 2003, 1005.
const std::array<T_Names, 3> G_Ids = {T_Names{L"1001", L"1002", L"1005", L"1010"}, T_Names{L"2001", L"2003", L"1005", L"1002"},
                                      T_Names{L"2001", L"2003", L"1005", L"-"}};

} // namespace

TEST_F(C_Element_Node_Ids, NastranElementsNameTheDecksNodes)
{
    const std::uint32_t slot = M_Fn_Import(G_Deck_Gaps);
    for (std::uint32_t i = 0; i < 3; ++i) {
        const T_Names text = S_Fn_Pick_Text(m_Proj, slot, i);
        ASSERT_GE(text.size(), 4u);
        EXPECT_EQ(text[0], L"Element:");
        EXPECT_EQ(text[2], i < 2 ? L"  TYPE: Nastran: CQUAD4" : L"  TYPE: Nastran: CTRIA3");
        EXPECT_EQ(text[3], L"  EID: " + std::to_wstring(501 + i));
        EXPECT_EQ(S_Fn_Values(text, G_G), G_Ids[i]) << "element " << 501 + i;
    }
    // The rows keep the nodes' places in deck order (2003 first): 502 refers to 5, 0, 3, 2.
    EXPECT_EQ(S_Fn_Refs(M_Fn_Element(slot, 1)), (std::vector<std::int32_t>{5, 0, 3, 2}));
}

TEST_F(C_Element_Node_Ids, DynaShellsNameTheDecksNodes)
{
    const std::uint32_t slot = M_Fn_Import(G_Deck_Gaps_Dyna, true);
    ASSERT_EQ(M_Fn_Model(slot).M_Fn_Data().m_Elements.size(), 3u);
    const T_Names n = {L"N1", L"N2", L"N3", L"N4"};
    EXPECT_EQ(S_Fn_Values(S_Fn_Pick_Text(m_Proj, slot, 0), n), G_Ids[0]);
    EXPECT_EQ(S_Fn_Values(S_Fn_Pick_Text(m_Proj, slot, 1), n), G_Ids[1]);
    // The shell of three nodes repeats its third.
    EXPECT_EQ(S_Fn_Values(S_Fn_Pick_Text(m_Proj, slot, 2), n), (T_Names{L"2001", L"2003", L"1005", L"1005"}));
}

TEST_F(C_Element_Node_Ids, BeaElementsNameTheFilesNodes)
{
    const std::string text = G_Fn_Header(6, 0, 1, 1, 0) + G_Fn_Node(2003, "2.0", "1.0", "0.0") + G_Fn_Node(1001, "0.0", "0.0", "0.0") +
                             G_Fn_Node(1002, "1.0", "0.0", "0.0") + G_Fn_Node(1005, "1.0", "1.0", "0.0") +
                             G_Fn_Node(1010, "0.0", "1.0", "0.0") + G_Fn_Node(2001, "2.0", "0.0", "0.0") +
                             G_Fn_Material(1, "210000.0", "0.3", "235.0", "360.0", "7.85e-9", "Steel") +
                             G_Fn_Property(1, 1, "0.5", "Wall") + G_Fn_Block(8, 3, 0) +
                             G_Fn_Element(501, 1001, 1002, 1005, 1010, 1) + G_Fn_Element(502, 2001, 2003, 1005, 1002, 1) +
                             G_Fn_Element(503, 2001, 2003, 1005, 1005, 1);
    const C_Read read = G_Fn_Read_BEA(text);
    ASSERT_EQ(read.m_Result, 1);
    C_Proj& proj = *read.m_up_Proj;
    EXPECT_EQ(S_Fn_Values(S_Fn_Pick_Text(proj, 1, 0), G_G), G_Ids[0]);
    EXPECT_EQ(S_Fn_Values(S_Fn_Pick_Text(proj, 1, 1), G_G), G_Ids[1]);
    EXPECT_EQ(S_Fn_Values(S_Fn_Pick_Text(proj, 1, 2), G_G), (T_Names{L"2001", L"2003", L"1005", L"1005"}));
}

TEST_F(C_Element_Node_Ids, TheProjectFileKeepsThePlacesByteForByte)
{
    const std::uint32_t slot = M_Fn_Import(G_Deck_Gaps);
    const std::string saved = M_Fn_Bytes(m_Proj);
    for (std::uint32_t i = 0; i < 3; ++i)
        S_Fn_Pick_Text(m_Proj, slot, i);
    m_Proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P0_Clear();
    // Describing the elements changes nothing that is saved.
    EXPECT_EQ(M_Fn_Bytes(m_Proj), saved);

    // The file holds the places (the rows read back refer to 1, 2, 3, 4 and 5, 0, 3, 2, the
    // nodes' places in deck order), and the project read from it names the deck's nodes again.
    const C_Read read = M_Fn_Read(saved);
    ASSERT_EQ(read.m_Result, 1);
    C_Proj& proj = *read.m_up_Proj;
    const auto& elements = proj.M_Fn_Get_Mgr_D_Model().M_Fn_Get_Model_At(slot, "test").M_Fn_Data().m_Elements;
    ASSERT_EQ(elements.size(), 3u);
    EXPECT_EQ(S_Fn_Refs(elements[0]), (std::vector<std::int32_t>{1, 2, 3, 4}));
    EXPECT_EQ(S_Fn_Refs(elements[1]), (std::vector<std::int32_t>{5, 0, 3, 2}));
    EXPECT_EQ(S_Fn_Values(S_Fn_Pick_Text(proj, slot, 1), G_G), G_Ids[1]);
    proj.M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P0_Clear();
    EXPECT_EQ(M_Fn_Bytes(proj), saved);
}
