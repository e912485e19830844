// The data part of an imported finite-element model: its further rows, the maps from the deck's
// section, material and property ids to the slots of the project's cards, its nodes and 2-D
// elements by value, and the bounding box of its nodes.
//
// Nodes and elements are stored by value in vectors: a node's position in the node vector is what
// elements refer to (their node references hold positions after import), and the node vector is
// the vertex array of the model's drawing. A three-node element has no fourth node reference; its
// corner 3 is its node 3 (C_Row_Element_2D::M_Fn_Node_Corner_Get).
//
// Binary form (little-endian, through the N_Common::N_Stream serializers):
//   1. the row list: u32 count, per row a presence byte and the row with its header;
//   2.-4. the section, material and property maps: u32 count, per entry u32 key, u32 value;
//   5. the nodes, 6. the elements: u32 size, u32 0, u32 size, each row with its header;
//   7. bounding box minimum, 8. maximum: three floats each.
// After the elements are read their property keys are turned back into references to the
// project's property cards, and every node reference is checked against the node count: a file
// whose element names a node that is not there is refused (result 0), as it would be drawn from
// memory beyond the node vector.
#pragma once

#include "biz/db/Biz_DB_Row.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "common/Common_Math_Vector.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <istream>
#include <list>
#include <map>
#include <ostream>
#include <vector>

namespace N_Biz::N_Model {

class C_Model;

class C_Model_Data {
public:
    explicit C_Model_Data(C_Model* i_p_Owner) : m_p_Owner(i_p_Owner) {}
    C_Model_Data(const C_Model_Data&) = delete;
    C_Model_Data& operator=(const C_Model_Data&) = delete;

    // Writes the eight parts; 1, or the first failing part's result.
    E_Result M_Fn_Serialize_O(std::ostream& ro_Stream) const;
    // Reads the eight parts into this empty data (C_Exception when it holds nodes or elements);
    // 1, or the first failing part's result. The property keys are rebuilt against the owner's
    // project (its property card table); a model without a project reads none.
    E_Result M_Fn_Serialize_I(std::istream& ro_Stream);

    // Whether every node reference of every element lies inside the node vector.
    bool M_Fn_Check_Node_Refs() const;

    C_Model* m_p_Owner;
    std::list<N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row>> m_Rows;
    std::map<std::uint32_t, std::uint32_t> m_Map_C_S; // deck section id -> section card slot
    std::map<std::uint32_t, std::uint32_t> m_Map_C_M; // deck material id -> material card slot
    std::map<std::uint32_t, std::uint32_t> m_Map_C_P; // deck property id -> property card slot
    std::vector<N_DB::C_Row_Node> m_Nodes;
    std::vector<N_DB::C_Row_Element_2D> m_Elements;
    N_Common::N_Math::C_Vector3<float> m_Bound_Min;
    N_Common::N_Math::C_Vector3<float> m_Bound_Max;
};

} // namespace N_Biz::N_Model
