// The geometry point: its reference list, its binary form, its description, its modify swap.
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "common/Common_Exception.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace N_Biz::N_Sect;
using N_Common::N_Exception::C_Exception;

namespace {

// Point 1 and an entity table with two lines (ids 5 and 7) and an arc (id 9) whose references all
// name point 1, none of them linked yet.
class C_D_Geom_Point_Refs : public ::testing::Test {
protected:
    C_D_Geom_Point_Refs()
    {
        m_Point.m_Id = 1;
        m_Table.add(nullptr);
        M_Fn_Store(5, std::make_shared<C_D_Geom_E_Line>(1, 1));
        M_Fn_Store(7, std::make_shared<C_D_Geom_E_Line>(1, 1));
        M_Fn_Store(9, std::make_shared<C_D_Geom_E_Arc>(1, 1, 1, 0));
    }
    void M_Fn_Store(std::uint32_t i_Id, std::shared_ptr<C_D_Geom_Entity> i_sp)
    {
        i_sp->m_Id = static_cast<std::int32_t>(i_Id);
        m_Table.add_at(i_Id, i_sp);
    }
    C_D_Geom_Entity& M_Fn_E(std::uint32_t i_Id) { return *m_Table.at(i_Id); }
    void M_Fn_Add(std::uint32_t i_Id, std::uint32_t i_Pos)
    {
        m_Point.M_Fn_Ref_Entity_Add(M_Fn_E(i_Id), i_Pos, m_Table);
    }
    // The list from the head, as (entity, position) pairs.
    std::vector<std::pair<int, int>> M_Fn_List()
    {
        std::vector<std::pair<int, int>> list;
        C_Link_Geom_E link = m_Point.m_Head;
        while (link.m_Id_Entity != 0) {
            list.emplace_back(link.m_Id_Entity, link.m_Pos);
            link = m_Point.M_Fn_Ref_Entity_Get_Next(link, m_Table)->m_Next;
        }
        return list;
    }

    C_D_Geom_Point m_Point;
    C_D_Geom_Point::T_Table_E m_Table;
};

using T_List = std::vector<std::pair<int, int>>;

} // namespace

TEST(C_D_Geom_Point, DescriptionRows)
{
    C_Context_Desc_Output desc;
    C_D_Geom_Point(1.0f, 2.0f).M_Fn_Desc_Output(nullptr, L"> ", desc);
    EXPECT_EQ(std::vector<std::wstring>(desc.m_Rows.begin(), desc.m_Rows.end()),
              (std::vector<std::wstring>{L"> Point Id: 0", L"> Referred: 0", L"> X: 1", L"> Y: 2"}));
}

TEST_F(C_D_Geom_Point_Refs, ListIsKeptInDescendingOrder)
{
    M_Fn_Add(5, 1);
    M_Fn_Add(7, 0);
    M_Fn_Add(5, 0);
    EXPECT_EQ(M_Fn_List(), (T_List{{7, 0}, {5, 1}, {5, 0}}));
    EXPECT_EQ(m_Point.m_Count_Ref, 3u);
    EXPECT_EQ(m_Point.m_Count_Endpoint, 3u);
    // The links live in the records: (7, 0) leads to (5, 1), which leads to (5, 0), the last.
    EXPECT_EQ(M_Fn_E(7).m_Ref_Points[0].m_Next, (C_Link_Geom_E{5, 1}));
    EXPECT_EQ(M_Fn_E(5).m_Ref_Points[0].m_Next, C_Link_Geom_E());
}

TEST_F(C_D_Geom_Point_Refs, RefusedAddChangesNothing)
{
    M_Fn_Add(5, 1);
    EXPECT_THROW(M_Fn_Add(5, 1), C_Exception);
    M_Fn_E(7).m_Ref_Points[0].m_Id_Point = 2;
    EXPECT_THROW(M_Fn_Add(7, 0), C_Exception);
    EXPECT_EQ(M_Fn_List(), (T_List{{5, 1}}));
    EXPECT_EQ(m_Point.m_Count_Ref, 1u);
}

TEST_F(C_D_Geom_Point_Refs, RemoveUncountsEndPointsOnlyForEndPoints)
{
    M_Fn_Add(5, 0);
    M_Fn_Add(9, 2); // the arc's centre is no end point
    M_Fn_Add(7, 1);
    EXPECT_EQ(m_Point.m_Count_Ref, 3u);
    EXPECT_EQ(m_Point.m_Count_Endpoint, 2u);

    m_Point.M_Fn_Ref_Entity_Remove(M_Fn_E(9), 2, m_Table);
    EXPECT_EQ(m_Point.m_Count_Ref, 2u);
    EXPECT_EQ(m_Point.m_Count_Endpoint, 2u);
    m_Point.M_Fn_Ref_Entity_Remove(M_Fn_E(7), 1, m_Table);
    EXPECT_EQ(m_Point.m_Count_Ref, 1u);
    EXPECT_EQ(m_Point.m_Count_Endpoint, 1u);
    EXPECT_EQ(M_Fn_List(), (T_List{{5, 0}}));

    // A reference that is not in the list is refused before the counts change.
    EXPECT_THROW(m_Point.M_Fn_Ref_Entity_Remove(M_Fn_E(7), 0, m_Table), C_Exception);
    EXPECT_EQ(m_Point.m_Count_Ref, 1u);
    m_Point.M_Fn_Ref_Entity_Remove(M_Fn_E(5), 0, m_Table);
    EXPECT_TRUE(m_Point.M_Fn_Is_Free());
    EXPECT_EQ(m_Point.m_Head, C_Link_Geom_E());
    EXPECT_THROW(m_Point.M_Fn_Ref_Entity_Remove(M_Fn_E(5), 0, m_Table), C_Exception);
}

TEST(C_D_Geom_Point, BinaryFormByteByByte)
{
    C_D_Geom_Point point(1.5f, -2.0f);
    point.M_Fn_Weld_Set(true);
    point.m_Id = 3;
    point.m_Head = {7, 1};
    point.m_Count_Ref = 2;
    point.m_Count_Endpoint = 1;
    point.m_Id_Node = 9; // not stored
    std::ostringstream out;
    ASSERT_EQ(point.M_Fn_Stream_Serialize_O(out), E_Result_Success);
    const std::string expected("\xFF"
                               "\x03\x00\x00\x00"
                               "\x07\x00\x00\x00"
                               "\x01\x00\x00\x00"
                               "\x02\x00\x00\x00"
                               "\x01\x00\x00\x00"
                               "\x00\x00\xC0\x3F"
                               "\x00\x00\x00\xC0",
                               29);
    EXPECT_EQ(out.str(), expected);

    C_D_Geom_Point read;
    std::istringstream in(expected);
    ASSERT_EQ(read.M_Fn_Stream_Serialize_I(in), E_Result_Success);
    EXPECT_TRUE(read.M_Fn_Is_Weld());
    EXPECT_EQ(read.m_Id, 3);
    EXPECT_EQ(read.m_Head, (C_Link_Geom_E{7, 1}));
    EXPECT_EQ(read.m_Count_Ref, 2u);
    EXPECT_EQ(read.m_Count_Endpoint, 1u);
    EXPECT_EQ(read.m_Id_Node, 0u);
    EXPECT_EQ(read.m_X, 1.5f);
    EXPECT_EQ(read.m_Y, -2.0f);
}

TEST(C_D_Geom_Point, FlagByteSetsOnlyTheWeldBit)
{
    std::string bytes(29, '\0');
    C_D_Geom_Point point;
    point.m_Flag = C_D_Geom::E_Flag_Picked;
    bytes[0] = '\x03';
    std::istringstream odd(bytes);
    ASSERT_EQ(point.M_Fn_Stream_Serialize_I(odd), E_Result_Success);
    EXPECT_EQ(point.m_Flag, C_D_Geom::E_Flag_Picked | C_D_Geom::E_Flag_Weld);
    bytes[0] = '\x02';
    std::istringstream even(bytes);
    ASSERT_EQ(point.M_Fn_Stream_Serialize_I(even), E_Result_Success);
    EXPECT_EQ(point.m_Flag, C_D_Geom::E_Flag_Picked);
}

TEST(C_D_Geom_Point, ShortReadKeepsThePoint)
{
    C_D_Geom_Point source(4.0f, 5.0f);
    source.m_Id = 2;
    std::ostringstream out;
    source.M_Fn_Stream_Serialize_O(out);
    const std::string bytes = out.str();
    for (std::size_t length = 5; length < bytes.size(); ++length) {
        C_D_Geom_Point point(1.0f, 1.0f);
        std::istringstream in(bytes.substr(0, length));
        EXPECT_EQ(point.M_Fn_Stream_Serialize_I(in), E_Result_Stream_Failure) << length;
        EXPECT_EQ(point.m_X, 1.0f);
        EXPECT_EQ(point.m_Y, 1.0f);
    }
}

TEST(C_D_Geom_Point, ModifiableSwapExchangesOnlyTheCoordinates)
{
    C_D_Geom_Point a(1.0f, 2.0f);
    a.m_Id = 4;
    a.m_Count_Ref = 2;
    a.m_Head = {3, 0};
    C_D_Geom_Point b(7.0f, 8.0f);
    EXPECT_EQ(&a.M_Fn_Modifiable_Swap(b), &b);
    EXPECT_EQ(a.m_X, 7.0f);
    EXPECT_EQ(a.m_Y, 8.0f);
    EXPECT_EQ(b.m_X, 1.0f);
    EXPECT_EQ(a.m_Id, 4);
    EXPECT_EQ(a.m_Count_Ref, 2u);
    EXPECT_EQ(a.m_Head, (C_Link_Geom_E{3, 0}));
    EXPECT_EQ(b.m_Id, 0);
}
