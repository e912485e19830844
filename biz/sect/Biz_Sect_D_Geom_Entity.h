// The common base of the section's curve entities: lines, arcs and rational B-spline curves.
//
// An entity refers to its points by id (the reference records of Biz_Sect_D_Geom.h; positions 0
// and 1 are always the start and terminate end points), carries the shell property whose
// thicknesses and material its wall segments get, and remembers the relation record of its last
// mesh build. The entity manager connects an entity to its points when it adds it and disconnects
// it before it removes it.
//
// Binary form of the entity part (concrete entities append their own fields): the base part
// (flag byte, int32 id), int32 property (the referenced card's slot, or -256 when the key holds no
// live card; read back as a bare id that the entity manager resolves once the whole section is
// read), then the reference vector: u32 size, u32 0, u32 size, and per record three int32 (next
// entity id, next position, point id). The relation id is not stored: a loaded entity has no mesh.
#pragma once

#include "biz/db/Biz_DB_Key.h"
#include "biz/sect/Biz_Sect_D_Geom.h"
#include "common/Common_Container_slotvec.h"
#include "common/Common_Math_Vector.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace N_Biz::N_DB {
class C_Row_C_Property;
}
namespace N_Biz::N_Cmd {
class C_Elem_Group;
}
namespace N_Biz::N_IGES {
class C_Entity;
}

namespace N_Biz::N_Sect {

class C_Context_Draw_Geom;
class C_Context_Edit_Geom;

class C_D_Geom_Entity : public C_D_Geom {
public:
    using T_Key_C_P = N_Biz::N_DB::C_Key_C_Property;
    using T_Table_C_P =
        N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Property>>;
    using T_sp_Group = std::shared_ptr<N_Biz::N_Cmd::C_Elem_Group>;
    using C_Vector2f = N_Common::N_Math::C_Vector2<float>;

    // Verdicts of M_Fn_Move_Check.
    enum : std::int32_t {
        E_Move_Allowed = 1,  // the entity moves with its points
        E_Move_Reshaped = 2, // allowed, the entity changes shape; examined again if more points move
        E_Move_Denied = 3,   // refused: the move is cancelled
        E_Move_Extended = 4, // allowed after the entity added further points to the move
    };

    C_D_Geom_Entity() = default;
    // Copies flags, id, relation id, property key (a new reference to the same card) and the whole
    // reference vector.
    C_D_Geom_Entity(const C_D_Geom_Entity&) = default;
    C_D_Geom_Entity& operator=(const C_D_Geom_Entity&) = delete;
    ~C_D_Geom_Entity() override;

    // A new entity of the class for type code 3 (arc), 5 (rational B-spline curve) or 6 (line),
    // default-constructed; any other code throws C_Exception.
    static std::unique_ptr<C_D_Geom_Entity> S_Fn_Factory_apo_D_Geom_Entity(std::int32_t i_Type);
    // Whether the factory knows the code (readers refuse other codes without throwing).
    static bool S_Fn_Factory_Knows(std::int32_t i_Type)
    {
        return i_Type == E_Type_Arc || i_Type == E_Type_NURBS || i_Type == E_Type_Line;
    }

    std::unique_ptr<C_D_Geom> Clone_apo_D_Geom() const override { return Clone_apo_D_Geom_Entity(); }
    std::int32_t M_Fn_Type_Get() const override { return E_Type_Entity; }
    std::wstring M_Fn_Type_Name_Get() const override { return L"Geometric Entity"; }
    // The entity part of the binary form. The reader refuses (0, with the stream's failbit set) a
    // reference vector whose size the stream cannot hold or whose first and end indices are not 0
    // and the size; the concrete readers also refuse a size that is not their own.
    E_Result M_Fn_Stream_Serialize_I(std::istream& ro_Stream) override;
    E_Result M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const override;
    // Header, an empty row and the property part.
    void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                          C_Context_Desc_Output& ro_Output) const override;

    // Replaces the entity by a chain of lines, undoably in ro_sp_Group; lines (and the base) do
    // nothing.
    virtual void M_Fn_Curve_To_Line(C_Sect& ro_Sect, const T_sp_Group& ro_sp_Group) {}
    // An owning copy of the concrete class; the bare entity throws C_Exception.
    virtual std::unique_ptr<C_D_Geom_Entity> Clone_apo_D_Geom_Entity() const;
    // Exchanges what the property pane edits with ro_Other (the entity manager's modify and its
    // undo): the base exchanges the property keys. Concrete entities first check that ro_Other is
    // of their own class (else C_Exception, nothing exchanged), then exchange the keys and their
    // own editable fields.
    virtual void M_Fn_Modifiable_Swap(C_D_Geom_Entity& ro_Other);
    // End-point questions about reference positions; the bare entity throws C_Exception.
    virtual bool M_Fn_Ref_Point_Has_Endpoint() const;
    virtual bool M_Fn_Ref_Point_Is_Endpoint(std::uint32_t i_Pos) const;
    virtual std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(std::uint32_t i_Pos) const;
    virtual std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Start() const;
    virtual std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Terminate() const;
    // Removes what the entity's last mesh build made: its relation record, its elements, and each
    // of their nodes that no element uses any more. Nothing when the relation id is 0. A listed
    // element that is missing throws C_Exception.
    virtual void M_Fn_Relation_Tess_Clear(C_Sect& ro_Sect);
    // Whether the entity properly crosses the segment AB (touching, overlap and parallel are no
    // crossing): the result is written to o_Flag and returned, the crossing to o_Point when it is
    // 1. The base never crosses.
    virtual std::int32_t M_Fn_Intersection_Get_By_Segment(const C_Sect& ro_Sect, std::int32_t& o_Flag,
                                                          C_Vector2f& o_Point, const C_Vector2f& ro_A,
                                                          const C_Vector2f& ro_B) const;
    // Splits the entity where AB crosses it, undoably in ro_sp_Group: o_Flag 1 and the new point's
    // id in o_Id_Point_New when it did, both 0 when there was no crossing. The base never splits.
    virtual void M_Fn_Intersection_Break_By_Line(C_Sect& ro_Sect, const T_sp_Group& ro_sp_Group, std::int32_t& o_Flag,
                                                 std::uint32_t& o_Id_Point_New, const C_Vector2f& ro_A,
                                                 const C_Vector2f& ro_B);
    // How a move of some of its points affects the entity (a verdict of the enum above in
    // o_Result); returns 1, or another E_Result that ends the move. The bare entity writes 0 and
    // throws C_Exception.
    virtual std::int32_t M_Fn_Move_Check(std::int32_t& o_Result, C_Context_Edit_Geom& io_Move);
    // Writes the entity as IGES entities into io_Table, each at the table's next free slot with
    // that slot as its id; o_Id receives the slot of the curve (0 when nothing was written). The
    // curve takes colour i_Color: the slot of a colour definition when i_Color_Pointer is
    // non-zero, else a colour number. With i_Independent 0 the curve is a member of a composite
    // (physically dependent); with i_Reverse non-zero it runs from the terminate point to the start
    // point. The base writes nothing (Biz_Sect_D_Geom_E_IGES_Export.cpp).
    virtual void M_Fn_IGES_Export(const C_Sect& ro_Sect, N_Common::N_Container::slotvec<std::shared_ptr<N_Biz::N_IGES::C_Entity>>& io_Table,
                                  std::int32_t& o_Id, std::int32_t i_Color, std::uint32_t i_Color_Pointer,
                                  std::uint32_t i_Independent, std::uint32_t i_Reverse) const;
    // The entity's curve in the section's main view (OpenGL; the view has bound the point table's
    // coordinates as the vertex array, so a point id is a vertex index). The base draws nothing.
    virtual void M_Fn_Draw(C_Context_Draw_Geom& io_Context) const {}

    // For every reference, in order: the point's M_Fn_Ref_Entity_Add. Every named point must be
    // stored (checked before the first link is made: C_Exception, nothing changed).
    void M_Fn_Ref_Point_Connect(C_Sect& ro_Sect);
    // For every reference, in order: the point's M_Fn_Ref_Entity_Remove.
    void M_Fn_Ref_Point_Disconnect(C_Sect& ro_Sect);

    // After a read: turns the bare property id into a reference to the card in that slot of
    // ro_Table. An id of 0 or less, outside the table or naming a free slot gives the empty key
    // (the entity simply has no property); an occupied slot without a live card throws C_Exception.
    void M_Fn_Key_C_Property_Rebuild_Pointer(const T_Table_C_P& ro_Table);
    // The wall thickness of curve meshing: the mean of the property's four thicknesses times
    // configuration word 31 (length over thickness, default 2) times 1.015625. False with 0 when
    // the key names no live card or the mean is not above 1e-6.
    bool M_Fn_Get_Thk_Tess(float& o_Thk) const;

    // The description's header ("Entity Type: ", "Entity Id: ") and property part ("Weld" for a
    // weld entity, else "Property:", an empty row and the card's own rows indented by two spaces).
    void M_Fn_Desc_Output_Header(const std::wstring& i_Prefix, C_Context_Desc_Output& ro_Output) const;
    void M_Fn_Desc_Output_Property(const std::wstring& i_Prefix, C_Context_Desc_Output& ro_Output) const;

    // Colour and line width of the entity in the main view (its own selection bits, those of its
    // property and material cards, the draw state's override), each handed to OpenGL only when it
    // differs from the draw state's current one. Nothing during a move preview.
    void M_Fn_Draw_Sel(C_Context_Draw_Geom& io_Context) const;
    // What M_Fn_Draw_Sel would choose: false during a move preview, else true with the colour
    // record and the width.
    bool M_Fn_Draw_Sel_Get(const C_Context_Draw_Geom& ro_Context, const float*& o_Color, float& o_Width) const;

    // The relation record of the last mesh build, 0 when the entity has no mesh. Set and cleared
    // by the relation manager; not stored.
    std::uint32_t m_Id_Relation = 0;
    // The shell property of the entity's segments; may be empty.
    T_Key_C_P m_Key_C_P;
    // One record per referenced point, in the entity's own order.
    std::vector<C_Ref_Geom_P> m_Ref_Points;

protected:
    // The concrete readers' size check: refuses (0, failbit) unless the reference vector has
    // exactly i_Count records.
    E_Result M_Fn_Stream_Serialize_Ref_Count_Check(std::istream& ro_Stream, std::size_t i_Count) const;
};

} // namespace N_Biz::N_Sect
