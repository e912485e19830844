// A point of a section's geometry, stored by value in the point manager's slot table.
//
// Besides its position the point keeps the head of its reference list (every (entity, position)
// that uses it, see Biz_Sect_D_Geom.h), how many references there are and how many of them are end
// points of their entity, and the id of the mesh node standing on it (0 when none; set by the node
// manager, never stored). A point with no reference is free.
//
// Binary form (little-endian): flag byte, int32 id, int32 head entity id, int32 head position,
// uint32 reference count, uint32 end-point count, float32 x, float32 y (29 bytes).
#pragma once

#include "biz/sect/Biz_Sect_D_Geom.h"
#include "common/Common_Container_slotvec.h"

#include <memory>

namespace N_Biz::N_Sect {

class C_D_Geom_Entity;

class C_D_Geom_Point : public C_D_Geom {
public:
    using T_Table_E = N_Common::N_Container::slotvec<std::shared_ptr<C_D_Geom_Entity>>;

    // Every field 0.
    C_D_Geom_Point() = default;
    // At (i_X, i_Y), every other field 0.
    C_D_Geom_Point(float i_X, float i_Y) : m_X(i_X), m_Y(i_Y) {}
    C_D_Geom_Point(const C_D_Geom_Point& ro_Other) = default;
    // Copy and swap.
    C_D_Geom_Point& operator=(C_D_Geom_Point ro_Other) noexcept
    {
        M_Fn_Swap(ro_Other);
        return *this;
    }
    ~C_D_Geom_Point() override;

    std::unique_ptr<C_D_Geom> Clone_apo_D_Geom() const override { return Clone_apo_D_Geom_Point(); }
    std::int32_t M_Fn_Type_Get() const override { return E_Type_Point; }
    std::wstring M_Fn_Type_Name_Get() const override { return L"Point"; }
    // The base part, then the point's fields (see the binary form above). The reader returns at
    // once with the first result other than 1, and leaves the node id alone (0 on a new point).
    E_Result M_Fn_Stream_Serialize_I(std::istream& ro_Stream) override;
    E_Result M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const override;
    // Gives the point its mesh node unless it has one, so entities meeting here share one node.
    void M_Fn_Relation_Tess_Build(C_Sect& ro_Sect) override;
    // Rows "Point Id: ", "Referred: ", "X: ", "Y: ".
    void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                          C_Context_Desc_Output& ro_Output) const override;

    // A heap copy of every field.
    virtual std::unique_ptr<C_D_Geom_Point> Clone_apo_D_Geom_Point() const;
    // Exchanges x and y with ro_Other; nothing else moves (the point manager's modify and its
    // undo). Returns ro_Other.
    virtual C_D_Geom_Point& M_Fn_Modifiable_Swap(C_D_Geom_Point& ro_Other);

    // Exchanges every field with ro_Other (copy-and-swap assignment).
    void M_Fn_Swap(C_D_Geom_Point& ro_Other) noexcept;

    // The reference record that continues the list after ro_Link (its m_Next is the next link), or
    // null for the end link and for a link to an empty entity slot. Throws C_Exception when the
    // entity slot is free, the position is outside the entity's references, or the record does not
    // name this point.
    C_Ref_Geom_P* M_Fn_Ref_Entity_Get_Next(const C_Link_Geom_E& ro_Link, const T_Table_E& ro_Entities) const;
    // Links reference i_Pos of ro_Entity (whose id is already set) into the list at its place and
    // counts it, and the end point too when the entity says the position is one. Throws
    // C_Exception, nothing changed, when that reference does not name this point or the link is
    // already in the list.
    void M_Fn_Ref_Entity_Add(C_D_Geom_Entity& ro_Entity, std::uint32_t i_Pos, const T_Table_E& ro_Entities);
    // Unlinks reference i_Pos of ro_Entity and uncounts it. Throws C_Exception, nothing changed,
    // when a count is already 0 or the link is not in the list.
    void M_Fn_Ref_Entity_Remove(C_D_Geom_Entity& ro_Entity, std::uint32_t i_Pos, const T_Table_E& ro_Entities);

    bool M_Fn_Is_Free() const { return m_Count_Ref == 0; }

    // Head of the reference list; (0, 0) when empty.
    C_Link_Geom_E m_Head;
    // (entity, position) references to this point; shown as "Referred".
    std::uint32_t m_Count_Ref = 0;
    // Those that are end points of their entity.
    std::uint32_t m_Count_Endpoint = 0;
    // The mesh node standing on the point, 0 when none. Not stored.
    std::uint32_t m_Id_Node = 0;
    float m_X = 0;
    float m_Y = 0;
};

} // namespace N_Biz::N_Sect
