// The entity base and the line: factory, binary form, property key, meshing thickness, crossing and
// breaking, the modify swap, description and selection colour.
#include "Test_Sect_Geom_Support.h"

#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "common/Common_Exception.h"

#include <cstring>

using namespace N_Test_Sect_Geom;
using N_Common::N_Exception::C_Exception;

namespace {

// Little-endian bytes written out field by field, independent of the stream code.
struct C_Bytes {
    std::string m_Text;
    C_Bytes& u8(unsigned char i_Value)
    {
        m_Text.push_back(static_cast<char>(i_Value));
        return *this;
    }
    C_Bytes& i32(std::int32_t i_Value)
    {
        const auto u = static_cast<std::uint32_t>(i_Value);
        for (int i = 0; i < 4; ++i)
            m_Text.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
        return *this;
    }
    C_Bytes& f32(float i_Value)
    {
        std::uint32_t u = 0;
        std::memcpy(&u, &i_Value, 4);
        return i32(static_cast<std::int32_t>(u));
    }
};

std::string G_Fn_Write(const C_D_Geom_Entity& ro_Entity)
{
    std::ostringstream out;
    EXPECT_EQ(ro_Entity.M_Fn_Stream_Serialize_O(out), E_Result_Success);
    return out.str();
}

std::vector<std::wstring> G_Fn_Rows(const C_Context_Desc_Output& ro_Desc)
{
    return {ro_Desc.m_Rows.begin(), ro_Desc.m_Rows.end()};
}

} // namespace

TEST(C_D_Geom_E_Line, BinaryFormByteByByte)
{
    C_D_Geom_E_Line line(3, 5);
    line.M_Fn_Weld_Set(true);
    line.m_Id = 4;
    line.m_Ref_Points[0].m_Next = {2, 1};
    line.m_Thk_Individual_Switch = 1;
    line.m_Thk_Weights = {0.1f, 0.2f, 0.3f, 0.4f};
    line.m_Thk_Individual = 1.25f;
    const std::string expected = C_Bytes()
                                     .u8(0xFF)
                                     .i32(4)
                                     .i32(-256) // no property
                                     .i32(2)
                                     .i32(0)
                                     .i32(2)
                                     .i32(2)
                                     .i32(1)
                                     .i32(3)
                                     .i32(0)
                                     .i32(0)
                                     .i32(5)
                                     .i32(1)
                                     .f32(0.1f)
                                     .f32(0.2f)
                                     .f32(0.3f)
                                     .f32(0.4f)
                                     .f32(1.25f)
                                     .m_Text;
    EXPECT_EQ(G_Fn_Write(line), expected);

    C_D_Geom_E_Line read;
    std::istringstream in(expected);
    ASSERT_EQ(read.M_Fn_Stream_Serialize_I(in), E_Result_Success);
    EXPECT_EQ(G_Fn_Write(read), expected);
    EXPECT_EQ(read.m_Id_Relation, 0u);
}

TEST(C_D_Geom_E_Line, ReaderRefusesAnotherReferenceCountWithoutThrowing)
{
    C_D_Geom_E_Line line(1, 2);
    line.m_Ref_Points.push_back({});
    std::istringstream three(G_Fn_Write(line));
    C_D_Geom_E_Line read;
    EXPECT_EQ(read.M_Fn_Stream_Serialize_I(three), E_Result_Stream_Failure);

    // First index other than 0, end index other than the size.
    const std::string head = C_Bytes().u8(0).i32(1).i32(-256).i32(2).m_Text;
    for (const std::string& tail : {C_Bytes().i32(1).i32(2).m_Text, C_Bytes().i32(0).i32(3).m_Text}) {
        std::istringstream in(head + tail + std::string(64, '\0'));
        C_D_Geom_E_Line bad;
        EXPECT_EQ(bad.M_Fn_Stream_Serialize_I(in), E_Result_Stream_Failure);
        EXPECT_EQ(bad.m_Ref_Points, std::vector<C_Ref_Geom_P>(2));
    }
}

TEST_F(C_Geom_Test, PropertyKeyIsStoredAsTheCardSlot)
{
    const auto sp_card = M_Fn_Property(2.0f);
    const auto slot = static_cast<std::int32_t>(sp_card->M_Fn_Pos_Get());
    const auto& cards = m_up_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Get_Store();

    C_D_Geom_E_Line line(1, 2);
    line.m_Key_C_P = C_D_Geom_Entity::T_Key_C_P(sp_card);
    std::string bytes = G_Fn_Write(line);
    EXPECT_EQ(bytes.substr(5, 4), C_Bytes().i32(slot).m_Text);
    C_D_Geom_E_Line read;
    std::istringstream in(bytes);
    ASSERT_EQ(read.M_Fn_Stream_Serialize_I(in), E_Result_Success);
    read.M_Fn_Key_C_Property_Rebuild_Pointer(cards);
    EXPECT_EQ(read.m_Key_C_P.M_Fn_Lock().get(), sp_card.get());

    // An empty key goes out as -256 and comes back empty; so does a slot that holds no card.
    for (std::int32_t stored : {-256, 0, slot + 5}) {
        std::string other = bytes;
        other.replace(5, 4, C_Bytes().i32(stored).m_Text);
        std::istringstream in_other(other);
        C_D_Geom_E_Line line_other;
        ASSERT_EQ(line_other.M_Fn_Stream_Serialize_I(in_other), E_Result_Success);
        line_other.M_Fn_Key_C_Property_Rebuild_Pointer(cards);
        EXPECT_TRUE(line_other.m_Key_C_P.M_Fn_Is_Empty()) << stored;
        EXPECT_EQ(G_Fn_Write(line_other).substr(5, 4), C_Bytes().i32(-256).m_Text);
    }
}

TEST_F(C_Geom_Test, MeshingThicknessFromTheFourThicknesses)
{
    C_D_Geom_E_Line line(1, 2);
    float thk = -1.0f;
    EXPECT_FALSE(line.M_Fn_Get_Thk_Tess(thk));
    EXPECT_EQ(thk, 0.0f);
    line.m_Key_C_P = C_D_Geom_Entity::T_Key_C_P(M_Fn_Property(2.0f));
    ASSERT_TRUE(line.M_Fn_Get_Thk_Tess(thk));
    EXPECT_FLOAT_EQ(thk, 2.0f * 2.0f * 1.015625f);
    line.m_Key_C_P = C_D_Geom_Entity::T_Key_C_P(M_Fn_Property(1e-6f));
    EXPECT_FALSE(line.M_Fn_Get_Thk_Tess(thk));
}

TEST_F(C_Geom_Test, LineCrossesOnlyProperly)
{
    std::uint32_t id = 0;
    M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) { id = M_Fn_Line_XY(g, 0, 0, 2, 0); });
    const C_D_Geom_Entity& line = *entities().M_Fn_Get_At(id);
    std::int32_t flag = -1;
    C_D_Geom_Entity::C_Vector2f at(9, 9);
    EXPECT_EQ(line.M_Fn_Intersection_Get_By_Segment(sect(), flag, at, {1, -1}, {1, 1}), 1);
    EXPECT_EQ(flag, 1);
    EXPECT_FLOAT_EQ(at.x, 1.0f);
    EXPECT_FLOAT_EQ(at.y, 0.0f);
    // Through the start point, lying on the line, parallel, ending short of it: no crossing.
    const std::vector<std::pair<C_D_Geom_Entity::C_Vector2f, C_D_Geom_Entity::C_Vector2f>> misses = {
        {{0, -1}, {0, 1}}, {{0.5f, 0}, {1.5f, 0}}, {{0, 1}, {2, 1}}, {{1, 1}, {1, 0.5f}}};
    for (const auto& segment : misses) {
        at = {9, 9};
        EXPECT_EQ(line.M_Fn_Intersection_Get_By_Segment(sect(), flag, at, segment.first, segment.second), 0);
        EXPECT_EQ(flag, 0);
        EXPECT_EQ(at.x, 9.0f);
    }
}

TEST_F(C_Geom_Test, BreakingSplitsAtTheCrossingAndUndoesAsOne)
{
    std::uint32_t id = 0;
    M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) {
        const auto a = static_cast<std::int32_t>(M_Fn_Point(g, 0, 0));
        const auto b = static_cast<std::int32_t>(M_Fn_Point(g, 4, 0));
        T_sp_Entity sp = std::make_shared<C_D_Geom_E_Line>(a, b);
        sp->M_Fn_Weld_Set(true);
        dynamic_cast<C_D_Geom_E_Line&>(*sp).m_Thk_Weights = {0.1f, 0.2f, 0.3f, 0.4f};
        id = entities().M_Fn_Next_Index();
        entities().M_Fn_Proc_Cmd_Sub_Add_At(id, sp, g);
    });
    std::int32_t flag = 0;
    std::uint32_t id_point = 0;
    M_Fn_Run(L"Create section weld", [&](const T_sp_Group& g) {
        entities().M_Fn_Get_At(id)->M_Fn_Intersection_Break_By_Line(sect(), g, flag, id_point, {1, -1}, {1, 3});
    });
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(id_point, 3u);
    EXPECT_EQ(points().M_Fn_Count(), 3u);
    EXPECT_EQ(entities().M_Fn_Count(), 2u);
    EXPECT_FALSE(entities().M_Fn_Get_Store().is_used_at(id));
    EXPECT_FLOAT_EQ(points().M_Fn_Get_At(3).m_X, 1.0f);
    EXPECT_EQ(points().M_Fn_Get_At(3).m_Count_Ref, 2u);
    // The two halves: start to crossing, crossing to terminate; weld kept; thickness weights mean.
    const C_D_Geom_E_Line& first = M_Fn_Line_At(2);
    const C_D_Geom_E_Line& second = M_Fn_Line_At(3);
    EXPECT_EQ(first.m_Ref_Points[0].m_Id_Point, 1);
    EXPECT_EQ(first.m_Ref_Points[1].m_Id_Point, 3);
    EXPECT_EQ(second.m_Ref_Points[0].m_Id_Point, 3);
    EXPECT_EQ(second.m_Ref_Points[1].m_Id_Point, 2);
    EXPECT_TRUE(first.M_Fn_Is_Weld() && second.M_Fn_Is_Weld());
    EXPECT_EQ(second.m_Thk_Weights, (std::array<float, 4>{0.25f, 0.25f, 0.25f, 0.25f}));

    const std::string broken = G_Fn_Bytes(sect());

    // The new point and lines go, the broken line comes back with its own weights.
    history().M_Fn_Undo();
    EXPECT_EQ(points().M_Fn_Count(), 2u);
    EXPECT_EQ(entities().M_Fn_Count(), 1u);
    EXPECT_EQ(M_Fn_Line_At(id).m_Thk_Weights, (std::array<float, 4>{0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(points().M_Fn_Get_At(1).m_Head, (C_Link_Geom_E{static_cast<std::int32_t>(id), 0}));
    EXPECT_EQ(points().M_Fn_Get_At(2).m_Count_Ref, 1u);
    history().M_Fn_Redo();
    EXPECT_EQ(G_Fn_Bytes(sect()), broken);
}

TEST_F(C_Geom_Test, BreakingWithoutGroupDropsTheLine)
{
    std::uint32_t id = 0;
    M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) { id = M_Fn_Line_XY(g, 0, 0, 0, 2); });
    std::int32_t flag = 0;
    std::uint32_t id_point = 0;
    const std::size_t entries = M_Fn_History_Size();
    // Not undoable: no entry, and the broken line is released at once.
    std::weak_ptr<C_D_Geom_Entity> wp_line = entities().M_Fn_Get_At(id);
    entities().M_Fn_Get_At(id)->M_Fn_Intersection_Break_By_Line(sect(), nullptr, flag, id_point, {-1, 1}, {1, 1});
    ASSERT_EQ(flag, 1);
    EXPECT_TRUE(wp_line.expired());
    EXPECT_EQ(M_Fn_History_Size(), entries);
    EXPECT_EQ(entities().M_Fn_Count(), 2u);
}

TEST_F(C_Geom_Test, RefusedModifySwapChangesNothing)
{
    const auto key_a = C_D_Geom_Entity::T_Key_C_P(M_Fn_Property(1.0f));
    const auto key_b = C_D_Geom_Entity::T_Key_C_P(M_Fn_Property(2.0f));
    C_D_Geom_E_Line line(1, 2);
    line.m_Key_C_P = key_a;
    line.m_Thk_Individual_Switch = 1;
    line.m_Thk_Individual = 3.0f;
    C_D_Geom_E_Arc arc(1, 2, 3, 0);
    arc.m_Key_C_P = key_b;
    EXPECT_THROW(line.M_Fn_Modifiable_Swap(arc), C_Exception);
    EXPECT_EQ(line.m_Key_C_P, key_a);
    EXPECT_EQ(arc.m_Key_C_P, key_b);

    C_D_Geom_E_Line other(7, 8);
    other.m_Key_C_P = key_b;
    other.m_Thk_Weights = {1, 0, 0, 0};
    line.M_Fn_Modifiable_Swap(other);
    EXPECT_EQ(line.m_Key_C_P, key_b);
    EXPECT_EQ(line.m_Thk_Individual_Switch, 0);
    EXPECT_EQ(other.m_Thk_Individual, 3.0f);
    EXPECT_EQ(line.m_Thk_Weights, (std::array<float, 4>{0.25f, 0.25f, 0.25f, 0.25f}));
    EXPECT_EQ(line.m_Ref_Points[0].m_Id_Point, 1);
}

TEST_F(C_Geom_Test, LineDescription)
{
    std::uint32_t id = 0;
    M_Fn_Run(L"Create section line", [&](const T_sp_Group& g) { id = M_Fn_Line_XY(g, 0, 0, 3, 4); });
    C_Context_Desc_Output desc;
    entities().M_Fn_Get_At(id)->M_Fn_Desc_Output(&sect(), L"", desc);
    EXPECT_EQ(G_Fn_Rows(desc),
              (std::vector<std::wstring>{L"Entity Type: Line", L"Entity Id: 1", L"", L"Point of Start:", L"",
                                         L"  Point Id: 1", L"  Referred: 1", L"  X: 0", L"  Y: 0", L"",
                                         L"Point of Terminate:", L"", L"  Point Id: 2", L"  Referred: 1", L"  X: 3",
                                         L"  Y: 4", L"", L"Property:", L""}));

    C_D_Geom_E_Line weld(1, 2);
    weld.M_Fn_Weld_Set(true);
    weld.m_Thk_Individual_Switch = 1;
    weld.m_Thk_Individual = 0.5f;
    C_Context_Desc_Output desc_weld;
    weld.M_Fn_Desc_Output(&sect(), L"", desc_weld);
    const auto rows = G_Fn_Rows(desc_weld);
    ASSERT_GE(rows.size(), 4u);
    EXPECT_EQ(std::vector<std::wstring>(rows.end() - 4, rows.end()),
              (std::vector<std::wstring>{L"", L"Individual Thk: 0.5", L"", L"Weld"}));
}

TEST_F(C_Geom_Test, SelectionColourFollowsCardsAndOverride)
{
    const float normal[4] = {0, 0, 0, 1}, picked[4] = {1, 0, 0, 1}, selected[4] = {0, 1, 0, 1};
    C_Context_Draw_Geom context;
    context.m_p_Color_Normal = normal;
    context.m_p_Color_Picked = picked;
    context.m_p_Color_Selected = selected;
    C_D_Geom_E_Line line(1, 2);
    const float* p_color = nullptr;
    float width = 0;
    ASSERT_TRUE(line.M_Fn_Draw_Sel_Get(context, p_color, width));
    EXPECT_EQ(p_color, normal);
    EXPECT_EQ(width, 1.0f);
    line.m_Flag |= C_D_Geom::E_Flag_Selected;
    line.M_Fn_Draw_Sel_Get(context, p_color, width);
    EXPECT_EQ(p_color, selected);
    EXPECT_EQ(width, 3.0f);

    // With a card, the card's colours decide, and its picked state counts as the entity's.
    const auto sp_card = M_Fn_Property(1.0f);
    line.m_Key_C_P = C_D_Geom_Entity::T_Key_C_P(sp_card);
    line.m_Flag = 0;
    sp_card->m_Display.m_u32_State = 0x1;
    line.M_Fn_Draw_Sel_Get(context, p_color, width);
    EXPECT_EQ(p_color, sp_card->m_Display.m_Color_Picked.data());
    EXPECT_EQ(width, 3.0f);
    context.m_Override = 1;
    line.M_Fn_Draw_Sel_Get(context, p_color, width);
    EXPECT_EQ(p_color, sp_card->m_Display.m_Color_Normal.data());
    EXPECT_EQ(width, 1.0f);

    // During a move preview nothing is chosen and the draw state stays as it was.
    context.m_Move_Preview = 1;
    context.m_Line_Width = 7.0f;
    EXPECT_FALSE(line.M_Fn_Draw_Sel_Get(context, p_color, width));
    line.M_Fn_Draw_Sel(context);
    EXPECT_EQ(context.m_Line_Width, 7.0f);
    EXPECT_EQ(context.m_p_Color, nullptr);
}
