#include "biz/db/Biz_DB_Row_Element_2D.h"

#include "biz/db/Biz_DB_Info_Column.h"
#include "common/Common_Exception.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <new>
#include <string>

namespace N_Biz::N_DB {

namespace {
// After the row: the four-node byte and the normal's three float32.
constexpr std::size_t S_Tail_Size = 13;
} // namespace

C_Row_Element_2D::C_Row_Element_2D(const C_Info_Table* i_ro_Table) : C_Row_Relation(i_ro_Table)
{
    if (i_ro_Table && i_ro_Table->M_Fn_Type_Relation() != E_Type_Relation_Element_2D)
        VT_THROW("N_Biz::N_DB::C_Row_Element_2D::C_Row_Element_2D");
    if (i_ro_Table && (i_ro_Table->M_Fn_Flags() & C_Info_Table::E_Flag_Four_Node))
        m_u32_Flag |= E_Flag_Four_Node;
}

E_Result C_Row_Element_2D::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table)
{
    const E_Result result = M_Fn_Stream_Serialize_Row_I(
        ro_Stream, i_ro_Table, [](E_Type_Relation i_Type) { return i_Type == E_Type_Relation_Element_2D; },
        [this](const C_Info_Table* i_ro_Bound) {
            C_Row_Element_2D fresh(i_ro_Bound);
            *this = std::move(fresh);
        });
    if (result != E_Result_Success)
        return result;
    // The four-node byte and the normal's three floats, read in one piece.
    char tail[S_Tail_Size];
    if (!N_Common::N_Stream::N_Impl::G_Fn_Read_Raw(ro_Stream, tail, S_Tail_Size))
        return E_Result_Stream_Failure;
    const std::uint8_t four = static_cast<std::uint8_t>(tail[0]);
    float normal[3] = {};
    for (int i = 0; i < 3; ++i) {
        std::uint32_t bits = 0;
        for (int b = 0; b < 4; ++b)
            bits |= std::uint32_t(static_cast<unsigned char>(tail[1 + 4 * i + b])) << (8 * b);
        normal[i] = std::bit_cast<float>(bits);
    }
    if (four & 0x01)
        m_u32_Flag |= E_Flag_Four_Node;
    else
        m_u32_Flag &= ~E_Flag_Four_Node;
    m_Normal = {normal[0], normal[1], normal[2]};
    return E_Result_Success;
}

E_Result C_Row_Element_2D::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream, int i_Nested) const
{
    // The four-node byte and the normal's three floats go out with the row in one piece.
    char tail[S_Tail_Size];
    tail[0] = static_cast<char>((m_u32_Flag & E_Flag_Four_Node) ? 0xFF : 0x00);
    const float normal[3] = {m_Normal.x, m_Normal.y, m_Normal.z};
    for (int i = 0; i < 3; ++i) {
        const std::uint32_t bits = std::bit_cast<std::uint32_t>(normal[i]);
        for (int b = 0; b < 4; ++b)
            tail[1 + 4 * i + b] = static_cast<char>((bits >> (8 * b)) & 0xFF);
    }
    return M_Fn_Stream_Serialize_Row_O(ro_Stream, i_Nested, tail, S_Tail_Size);
}

C_Key_C_Property& C_Row_Element_2D::M_Fn_Key_C_Property()
{
    if (!M_Fn_Info_Table())
        VT_THROW("N_Biz::N_DB::C_Row_Element_2D::M_Fn_Key_C_Property");
    return *std::launder(reinterpret_cast<C_Key_C_Property*>(M_Fn_Storage() + C_Info_Table::S_Offset_Key));
}

const C_Key_C_Property& C_Row_Element_2D::M_Fn_Key_C_Property() const
{
    return const_cast<C_Row_Element_2D*>(this)->M_Fn_Key_C_Property();
}

std::size_t C_Row_Element_2D::M_Fn_Node_Offset(std::uint32_t i_Index) const
{
    const C_Info_Table* table = M_Fn_Info_Table();
    const std::uint32_t count = (table && (table->M_Fn_Flags() & C_Info_Table::E_Flag_Four_Node)) ? 4 : 3;
    if (!table || i_Index >= count)
        VT_THROW("N_Biz::N_DB::C_Row_Element_2D::M_Fn_Node");
    return C_Info_Table::S_Offset_Node + 4 * i_Index;
}

std::int32_t C_Row_Element_2D::M_Fn_Node_Get(std::uint32_t i_Index) const
{
    std::int32_t node = 0;
    std::memcpy(&node, M_Fn_Storage() + M_Fn_Node_Offset(i_Index), sizeof(node));
    return node;
}

void C_Row_Element_2D::M_Fn_Node_Set(std::uint32_t i_Index, std::int32_t i_Node)
{
    std::memcpy(M_Fn_Storage() + M_Fn_Node_Offset(i_Index), &i_Node, sizeof(i_Node));
}

std::int32_t C_Row_Element_2D::S_Fn_Node_Id_At(const T_Nodes& ro_Nodes, std::int32_t i_Position)
{
    if (i_Position < 0 || static_cast<std::size_t>(i_Position) >= ro_Nodes.size())
        VT_THROW("N_Biz::N_DB::C_Row_Element_2D::S_Fn_Node_Id_At");
    return ro_Nodes[static_cast<std::size_t>(i_Position)].M_Fn_Id_Get();
}

std::int32_t C_Row_Element_2D::S_Fn_Node_Position_Find(const T_Nodes& ro_Nodes, std::int32_t i_Id)
{
    // One look-up per typed id: a walk costs less than keeping a map beside every model.
    for (std::size_t i = 0; i < ro_Nodes.size(); ++i)
        if (ro_Nodes[i].M_Fn_Info_Table() && ro_Nodes[i].M_Fn_Id_Get() == i_Id)
            return static_cast<std::int32_t>(i);
    return -1;
}

void C_Row_Element_2D::M_Fn_Get_wstring_Desc(const std::wstring& i_Indent, std::vector<std::wstring>& ro_Lines,
                                             const T_Nodes& ro_Nodes) const
{
    C_Row::M_Fn_Get_wstring_Desc(i_Indent, ro_Lines, [&](const C_Info_Column& ro_Column, std::wostream& ro_Text) {
        if (!S_Fn_Is_Column_Node(ro_Column.M_Fn_Id()))
            return false;
        std::int32_t position = 0;
        std::memcpy(&position, M_Fn_Field_Addr(ro_Column), sizeof(position));
        ro_Text << std::to_wstring(S_Fn_Node_Id_At(ro_Nodes, position));
        return true;
    });
}

const N_Common::N_Math::C_Vector3<float>& C_Row_Element_2D::M_Fn_Get_o_Vector3_f32_From_Nodes(const T_Nodes& ro_Nodes)
{
    N_Common::N_Math::C_Vector3<float> point[3];
    for (std::uint32_t i = 0; i < 3; ++i) {
        const std::int32_t node = M_Fn_Node_Get(i);
        if (node < 0 || static_cast<std::size_t>(node) >= ro_Nodes.size())
            VT_THROW("N_Biz::N_DB::C_Row_Element_2D::M_Fn_Get_o_Vector3_f32_From_Nodes");
        point[i] = ro_Nodes[static_cast<std::size_t>(node)].M_ro_Vector3_f32();
    }
    m_Normal = (point[2] - point[1]).M_Fn_Cross(point[0] - point[1]);
    m_Normal.M_Fn_Normalize();
    return m_Normal;
}

} // namespace N_Biz::N_DB
