// The section's part of the project stream: written, read and written again unchanged; truncated,
// damaged and randomly corrupted copies refused without harm.
#include "Test_Sect_Geom_Support.h"

#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "common/Common_Exception.h"

#include <cstring>
#include <random>

using namespace N_Test_Sect_Geom;

namespace {

// Byte offsets of the stream of a section whose point table has no gap before point k.
constexpr std::size_t S_Size_Plane = 2 * 16 * 4;
constexpr std::size_t S_Size_Point = 1 + 4 + 4 * 4 + 4 + 4 + 4; // flag, id, head, counts, x, y = 29
std::size_t G_Fn_Offset_Point(std::size_t i_Written)
{
    return S_Size_Plane + 4 + i_Written * (1 + 4 + S_Size_Point) + 5;
}

void G_Fn_Put_i32(std::string& io_Bytes, std::size_t i_At, std::int32_t i_Value)
{
    std::memcpy(&io_Bytes[i_At], &i_Value, 4);
}

class C_Sect_Stream_Test : public C_Geom_Test {
protected:
    // A tilted plane, a rectangle with a diagonal, a weld line, property cards, removals that leave
    // free slots (also at the end of both tables), a free point, then an arc and a B-spline curve,
    // so that every kind of entity meets the truncated and damaged copies below.
    void M_Fn_Build()
    {
        const auto sp_card = M_Fn_Property(2.0f);
        auto sp_plane = std::make_shared<C_D_Plane>();
        C_D_Plane::M_Fn_Asgn_Rotate(sp_plane->m_Matrix, {0.6f, 0.0f, 0.8f}, 0, {0, 1, 0}, {0, 1, 0}, {10, 20, 30});
        sect().M_Fn_Plane_Set(nullptr, sp_plane);
        M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) {
            const std::uint32_t p[4] = {M_Fn_Point(g, 0, 0), M_Fn_Point(g, 2, 0), M_Fn_Point(g, 2, 1),
                                        M_Fn_Point(g, 0, 1)};
            for (int i = 0; i < 4; ++i)
                M_Fn_Line(g, p[i], p[(i + 1) % 4]);
            T_sp_Entity sp_weld = std::make_shared<C_D_Geom_E_Line>(1, 3);
            sp_weld->M_Fn_Weld_Set(true);
            sp_weld->m_Key_C_P = C_D_Geom_Entity::T_Key_C_P(sp_card);
            entities().M_Fn_Proc_Cmd_Sub_Add_At(5, sp_weld, g);
            M_Fn_Point(g, 9, 9);
            M_Fn_Line(g, 4, 2);
            M_Fn_Line(g, 4, M_Fn_Point(g, -1, -1));
        });
        M_Fn_Run(L"Delete section geometry", [&](const T_sp_Group& g) {
            entities().M_Fn_Proc_Cmd_Sub_Remove_At(3, g);
            entities().M_Fn_Proc_Cmd_Sub_Remove_At(7, g);
            points().M_Fn_Proc_Cmd_Sub_Remove_At(6, g);
        });
        M_Fn_Run(L"Create section arc", [&](const T_sp_Group& g) {
            M_Fn_Arc(g, 5, 5, 1, 1);
            M_Fn_NURBS(g, {{{0, 3}}, {{1, 4}}, {{2, 2}}, {{3, 3}}}, N_Biz::N_DB::C_Key_C_Property(sp_card));
        });
    }
    // A new section of the same project reading i_Bytes.
    E_Result M_Fn_Read(const std::string& i_Bytes, std::unique_ptr<C_Sect>& o_up_Sect)
    {
        o_up_Sect = M_Fn_Sect_New();
        std::istringstream in(i_Bytes);
        return o_up_Sect->M_Fn_Stream_Serialize_o_I(in);
    }
    // Each damage (offset, int32 written there) of i_Bytes alone is refused and leaves no geometry.
    void M_Fn_Expect_Refused(const std::string& i_Bytes,
                             const std::vector<std::pair<std::size_t, std::int32_t>>& i_Damages)
    {
        for (const auto& damage : i_Damages) {
            std::string bad = i_Bytes;
            G_Fn_Put_i32(bad, damage.first, damage.second);
            std::unique_ptr<C_Sect> up_read;
            EXPECT_EQ(M_Fn_Read(bad, up_read), E_Result_Stream_Failure) << damage.first << " " << damage.second;
            EXPECT_EQ(S_Fn_Count(*up_read), 0u);
        }
    }
    static std::uint32_t S_Fn_Count(const C_Sect& ro_Sect)
    {
        return ro_Sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Count() + ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Count();
    }
    // Everything the reader let in can be taken apart by the ordinary operations.
    static void S_Fn_Take_Apart(C_Sect& ro_Sect)
    {
        C_Mgr_D_Geom_E& mgr_e = ro_Sect.M_Fn_Get_Mgr_D_Geom_E();
        C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
        for (std::uint32_t i = 1; i < mgr_e.M_Fn_Get_Store().size(); ++i)
            if (mgr_e.M_Fn_Get_Store().is_used_at(i))
                mgr_e.M_Fn_Proc_Cmd_Sub_Remove_At(i, nullptr);
        for (std::uint32_t i = 1; i < mgr_p.M_Fn_Get_Store().size(); ++i)
            if (mgr_p.M_Fn_Get_Store().is_used_at(i))
                mgr_p.M_Fn_Proc_Cmd_Sub_Remove_At(i, nullptr);
    }
};

} // namespace

TEST_F(C_Sect_Stream_Test, WrittenReadAndWrittenAgainIsIdentical)
{
    M_Fn_Build();
    const std::string bytes = G_Fn_Bytes(sect());
    std::unique_ptr<C_Sect> up_read;
    ASSERT_EQ(M_Fn_Read(bytes, up_read), E_Result_Success);
    EXPECT_EQ(G_Fn_Bytes(*up_read), bytes);

    // Both plane matrices bit for bit.
    const C_Mgr_D_Plane& plane = sect().M_Fn_Get_Mgr_D_Plane();
    const C_Mgr_D_Plane& plane_read = up_read->M_Fn_Get_Mgr_D_Plane();
    EXPECT_EQ(std::memcmp(plane.M_Fn_Get_Matrix().m_Data, plane_read.M_Fn_Get_Matrix().m_Data, 64), 0);
    EXPECT_EQ(std::memcmp(plane.M_Fn_Get_Inverse_Rotation().m_Data, plane_read.M_Fn_Get_Inverse_Rotation().m_Data, 64),
              0);

    // The weld line's card came back; ids equal slots; nothing is selected; results are stale.
    const C_D_Geom_Entity& weld = *up_read->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_At(5);
    EXPECT_EQ(weld.m_Key_C_P.M_Fn_Lock().get(), entities().M_Fn_Get_At(5)->m_Key_C_P.M_Fn_Lock().get());
    EXPECT_TRUE(weld.M_Fn_Is_Weld());
    EXPECT_EQ(weld.m_Id, 5);
    EXPECT_TRUE(up_read->M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
    EXPECT_TRUE(up_read->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Sel_P1_Get().empty());
    EXPECT_EQ(S_Fn_Count(*up_read), (5u + 3u + 4u) + (5u + 2u));
    S_Fn_Take_Apart(*up_read);
    EXPECT_EQ(S_Fn_Count(*up_read), 0u);
}

TEST_F(C_Sect_Stream_Test, ReadingMarksResultsStaleEvenForTheSameGeometry)
{
    const std::string bytes = G_Fn_Bytes(sect());
    sect().M_Fn_Get_Mgr_Calc().M_Fn_Stale_Clear();
    std::istringstream in(bytes);
    ASSERT_EQ(sect().M_Fn_Stream_Serialize_o_I(in), E_Result_Success);
    EXPECT_TRUE(sect().M_Fn_Get_Mgr_Calc().M_Fn_Is_Stale());
}

TEST_F(C_Sect_Stream_Test, EveryTruncatedCopyIsRefused)
{
    M_Fn_Build();
    const std::string bytes = G_Fn_Bytes(sect());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        std::unique_ptr<C_Sect> up_read;
        EXPECT_NE(M_Fn_Read(bytes.substr(0, length), up_read), E_Result_Success) << length;
        EXPECT_EQ(S_Fn_Count(*up_read), 0u) << length;
    }
}

TEST_F(C_Sect_Stream_Test, InconsistentLinksAreRefused)
{
    M_Fn_Build();
    const std::string bytes = G_Fn_Bytes(sect());
    // Point 1 is the first written: its head link and its counts.
    const std::size_t at = G_Fn_Offset_Point(0);
    ASSERT_EQ(bytes[at - 4], '\x01');
    const std::vector<std::pair<std::size_t, std::int32_t>> damages = {
        {at + 5, 99}, // head names an entity that is not stored
        {at + 5, 3},  // head names a freed entity slot
        {at + 9, 7},  // head position outside the entity's references
        {at + 13, 1}, // reference count too small
        {at + 17, 4}, // end-point count too large
        {at + 1, 2},  // point id not its slot
        {at + 5, 0},  // list cut short: its references are unaccounted for
    };
    M_Fn_Expect_Refused(bytes, damages);
}

TEST_F(C_Sect_Stream_Test, DamagedEntityTableIsRefused)
{
    M_Fn_Build();
    const std::string bytes = G_Fn_Bytes(sect());
    // The entity table follows the point table: find it by writing the points alone.
    std::ostringstream head;
    sect().M_Fn_Get_Mgr_D_Plane().M_Fn_Stream_Serialize_o_O(head);
    points().M_Fn_Stream_Serialize_o_O(head);
    const std::size_t at = head.str().size(); // u32 count, then u8 0, u32 index 1, type code
    ASSERT_EQ(bytes.substr(at + 5, 4), std::string("\x01\x00\x00\x00", 4));
    const std::vector<std::pair<std::size_t, std::int32_t>> damages = {
        {at + 9, 4},  // type code 4 is no entity
        {at + 9, 3},  // an arc's record where a line's is
        {at + 5, 0},  // the reserved slot 0
        {at + 5, 2},  // slot 2 twice
        {at, 1},      // stored slot count below the indices
        {at + 14, 2}, // entity id not its slot
    };
    M_Fn_Expect_Refused(bytes, damages);
}

TEST_F(C_Sect_Stream_Test, RandomlyCorruptedCopiesNeverHarm)
{
    M_Fn_Build();
    const std::string bytes = G_Fn_Bytes(sect());
    std::mt19937 random(20240613);
    int accepted = 0;
    for (int round = 0; round < 1500; ++round) {
        std::string bad = bytes;
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < changes; ++i) {
            const std::size_t at = S_Size_Plane + random() % (bad.size() - S_Size_Plane);
            bad[at] = static_cast<char>(random() % 3 == 0 ? random() % 16 : random());
        }
        if (random() % 5 == 0)
            bad.resize(random() % bad.size());
        std::unique_ptr<C_Sect> up_read;
        if (M_Fn_Read(bad, up_read) != E_Result_Success) {
            EXPECT_EQ(S_Fn_Count(*up_read), 0u);
            continue;
        }
        // What was let in is consistent: written again it reads again, and it comes apart.
        ++accepted;
        const std::string again = G_Fn_Bytes(*up_read);
        std::unique_ptr<C_Sect> up_again;
        EXPECT_EQ(M_Fn_Read(again, up_again), E_Result_Success);
        EXPECT_NO_THROW(S_Fn_Take_Apart(*up_read));
    }
    // Coordinates and thicknesses change harmlessly, so some damaged copies are sound.
    EXPECT_GT(accepted, 0);
}
