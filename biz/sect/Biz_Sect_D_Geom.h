// The base of a section's geometry: points and curve entities (lines, arcs, rational B-spline
// curves).
//
// Design note. Points are stored by value in the point manager's slot table and entities by shared
// pointer in the entity manager's; an object's id is its slot index, and slot 0 of each table is
// never a real object, so id 0 means "none" everywhere. The base carries the flag word, the id and
// the operations the managers, the mesh rebuild, the property pane and the project file call
// without knowing the concrete kind.
//
// Entity-point links. An entity refers to its points through a vector of reference records, one
// per point it uses, in the entity's own order: {next link, point id}. All references to one point
// form a singly linked list whose head link lives in the point record and whose further links live
// in the reference records; a link is a pair (entity id, position in that entity's vector), and
// (0, 0) ends the list. The list is kept in strictly descending order of (entity id, position),
// compared as unsigned values, so every list has one fixed order whatever the history of edits.
//
// Flag word: bit 0 picked (current pick), bit 1 selected (selection set), bit 2 weld (made by the
// weld command; its segments are weld elements). No other bit is used.
#pragma once

#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace N_Biz::N_Sect {

class C_Sect;
class C_Context_Desc_Output;

// One link of a point's reference list: entity id and position; (0, 0) ends the list.
struct C_Link_Geom_E {
    std::int32_t m_Id_Entity = 0;
    std::int32_t m_Pos = 0;

    bool operator==(const C_Link_Geom_E&) const = default;
    // Strictly lower in the list order: unsigned entity id first, then unsigned position.
    bool M_Fn_Is_Less(const C_Link_Geom_E& ro_Other) const
    {
        const auto e = static_cast<std::uint32_t>(m_Id_Entity), oe = static_cast<std::uint32_t>(ro_Other.m_Id_Entity);
        if (e != oe)
            return e < oe;
        return static_cast<std::uint32_t>(m_Pos) < static_cast<std::uint32_t>(ro_Other.m_Pos);
    }
};

// An entity's reference to one of its points: the link to the next reference of that point's
// list (owned by the list), and the point.
struct C_Ref_Geom_P {
    C_Link_Geom_E m_Next;
    std::int32_t m_Id_Point = 0;

    bool operator==(const C_Ref_Geom_P&) const = default;
};

class C_D_Geom {
public:
    enum : std::uint32_t {
        E_Flag_Picked = 0x1,
        E_Flag_Selected = 0x2,
        E_Flag_Weld = 0x4,
    };
    // Type codes, written ahead of every entity record in the project file.
    enum : std::int32_t {
        E_Type_Geom = 0,
        E_Type_Point = 1,
        E_Type_Entity = 2,
        E_Type_Arc = 3,
        E_Type_NURBS = 5,
        E_Type_Line = 6,
    };

    C_D_Geom() = default;
    C_D_Geom(const C_D_Geom&) = default;
    C_D_Geom& operator=(const C_D_Geom&) = default;
    virtual ~C_D_Geom();

    // An owning copy of the object's own class. The bare base throws C_Exception.
    virtual std::unique_ptr<C_D_Geom> Clone_apo_D_Geom() const;
    // Writes the int32 type code (M_Fn_Type_Get). 1, or 0 when the stream has failed.
    virtual E_Result M_Fn_Stream_Serialize_Type_O(std::ostream& ro_Stream) const;
    // The base part of the binary form: the flag byte (0xFF with the weld bit, else 0x00; on
    // reading, bit 0 of the byte sets or clears the weld bit and no other bit changes), then the
    // int32 id. 1, or 0 on a short read or a failed stream.
    virtual E_Result M_Fn_Stream_Serialize_I(std::istream& ro_Stream);
    virtual E_Result M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const;
    virtual std::int32_t M_Fn_Type_Get() const { return E_Type_Geom; }
    virtual std::wstring M_Fn_Type_Name_Get() const { return L"Geometry"; }
    // Builds the object's part of the section's mesh (nodes, segments, relation record). The base
    // builds nothing.
    virtual void M_Fn_Relation_Tess_Build(C_Sect& ro_Sect) {}
    // Appends description rows (prefix + label + value); the base appends nothing.
    virtual void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                  C_Context_Desc_Output& ro_Output) const
    {
    }

    // Creates one mesh node at (i_X, i_Y) standing on geometry point i_Id_Point (0: an interior
    // node of an entity) at the node table's next free id, and returns that id; the node manager
    // records it in the point. A next free id of 0 throws C_Exception.
    static std::uint32_t M_Fn_Relation_Tess_Build_Node(float i_X, float i_Y, C_Sect& ro_Sect, std::uint32_t i_Id_Point);

    bool M_Fn_Is_Weld() const { return (m_Flag & E_Flag_Weld) != 0; }
    void M_Fn_Weld_Set(bool i_On) { m_Flag = i_On ? (m_Flag | E_Flag_Weld) : (m_Flag & ~std::uint32_t(E_Flag_Weld)); }
    // The flag word as the selection template sees it (bits 0 and 1 are the selection's).
    std::uint32_t& M_Fn_Sel_Flag() { return m_Flag; }

    std::uint32_t m_Flag = 0;
    // Slot index in the owning manager's table; 0 until the manager adds the object.
    std::int32_t m_Id = 0;
};

} // namespace N_Biz::N_Sect
