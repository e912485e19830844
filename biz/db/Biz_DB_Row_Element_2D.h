// A 2-D shell element row: its id, property key and three or four node references are fixed
// members of the storage; it also keeps its unit normal. Tail of its binary form: one byte (0xFF
// when the four-node flag 0x40 is set, 0x00 when clear; read back from the byte's lowest bit), then
// the normal as three floats.
//
// Once its model holds it, a node reference is the node's position in the model's node array (what
// drawing, picking and the section cut index by, and what the project file stores). People know a
// node by the id the deck gave it, so whatever shows a node reference or takes one typed translates
// through the node array (S_Fn_Node_Id_At, S_Fn_Node_Position_Find).
#pragma once

#include "biz/db/Biz_DB_Key.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/db/Biz_DB_Row_Relation.h"
#include "common/Common_Math_Vector.h"

namespace N_Biz::N_DB {

class C_Row_Element_2D : public C_Row_Relation {
public:
    // i_ro_Table must be null or of relation type Element_2D; else C_Exception. Sets flag 0x40
    // when the table is of four-node elements.
    explicit C_Row_Element_2D(const C_Info_Table* i_ro_Table = nullptr);
    C_Row_Element_2D(const C_Row_Element_2D& ro_Other) : C_Row_Relation(ro_Other), m_Normal(ro_Other.m_Normal) {}
    C_Row_Element_2D(C_Row_Element_2D&& ro_Other) noexcept : C_Row_Relation(std::move(ro_Other))
    {
        std::swap(m_Normal, ro_Other.m_Normal);
    }
    C_Row_Element_2D& operator=(C_Row_Element_2D ro_Other) noexcept
    {
        M_Fn_Swap_Relation(ro_Other);
        std::swap(m_Normal, ro_Other.m_Normal);
        return *this;
    }

    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table) override;
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream, int i_Nested) const override;

    // The property key (fixed member). C_Exception for an empty row.
    C_Key_C_Property& M_Fn_Key_C_Property();
    const C_Key_C_Property& M_Fn_Key_C_Property() const;
    // 4 for a four-node element (flag 0x40), else 3.
    std::uint32_t M_Fn_Node_Num() const { return (m_u32_Flag & E_Flag_Four_Node) ? 4 : 3; }
    // Node reference i (0 to 3; 3 only for a four-node table). C_Exception otherwise.
    std::int32_t M_Fn_Node_Get(std::uint32_t i_Index) const;
    void M_Fn_Node_Set(std::uint32_t i_Index, std::int32_t i_Node);
    // Corner i (0 to 3) of the element seen as a quadrilateral, as drawing and picking walk it:
    // node reference i, except that corner 3 of a three-node element repeats node 3 (a fourth node
    // was never written). C_Exception for an index above 3 or an empty row.
    std::int32_t M_Fn_Node_Corner_Get(std::uint32_t i_Index) const
    {
        return M_Fn_Node_Get(i_Index == 3 && M_Fn_Node_Num() == 3 ? 2 : i_Index);
    }

    // Whether i_Id is one of the node reference columns (Key_foreign_Node_1 to _4).
    static bool S_Fn_Is_Column_Node(E_Id_Column i_Id)
    {
        return i_Id >= E_Id_Column_Key_foreign_Node_1 && i_Id <= E_Id_Column_Key_foreign_Node_4;
    }
    // The own id of the node at i_Position of ro_Nodes. A position outside the array throws
    // C_Exception.
    static std::int32_t S_Fn_Node_Id_At(const T_Nodes& ro_Nodes, std::int32_t i_Position);
    // The position of the first node of id i_Id in ro_Nodes, -1 when there is none. The first is
    // the one that an import or a ".bea" file wires an element to when a deck repeats an id.
    static std::int32_t S_Fn_Node_Position_Find(const T_Nodes& ro_Nodes, std::int32_t i_Id);

    // The description of C_Row::M_Fn_Get_wstring_Desc with every node reference shown as the id of
    // the node at that position of ro_Nodes (the model's node array). A reference outside ro_Nodes
    // throws C_Exception. This hides the form without nodes, which would show positions.
    void M_Fn_Get_wstring_Desc(const std::wstring& i_Indent, std::vector<std::wstring>& ro_Lines,
                               const T_Nodes& ro_Nodes) const;

    // Normal from the first three nodes P1, P2, P3 (node references taken as positions in
    // ro_Nodes): (P3 - P2) x (P1 - P2), normalised (a zero vector becomes (0, 0, 1)), stored and
    // returned. A reference outside ro_Nodes or a node row without table throws.
    const N_Common::N_Math::C_Vector3<float>& M_Fn_Get_o_Vector3_f32_From_Nodes(const T_Nodes& ro_Nodes);

    N_Common::N_Math::C_Vector3<float> m_Normal;

private:
    std::size_t M_Fn_Node_Offset(std::uint32_t i_Index) const;
};

} // namespace N_Biz::N_DB
