// The straight wall of a section: a line from its start point (reference 0) to its terminate point
// (reference 1). It is the one entity that can be crossed and broken by another line (the weld
// command relies on this), the one with an individual wall thickness of its own, and its mesh is
// one wall segment.
//
// Its segment's thickness is w1 Thk_1 + w2 Thk_2 + w3 Thk_3 + w4 Thk_4 of the property's four
// thicknesses (weights 0.25 each by default: the mean), or the line's own thickness when the
// individual thickness switch is on.
//
// Binary form: the entity part (two references), then int32 individual thickness switch, the four
// weights and the individual thickness as float32 (24 bytes).
#pragma once

#include "biz/sect/Biz_Sect_D_Geom_Entity.h"

#include <array>

namespace N_Biz::N_Sect {

class C_D_Geom_E_Line : public C_D_Geom_Entity {
public:
    // Both references zeroed (the caller sets the point ids before the line is added), weights
    // 0.25, no individual thickness.
    C_D_Geom_E_Line();
    // From point i_Id_Start to point i_Id_Terminate, otherwise as the default.
    C_D_Geom_E_Line(std::int32_t i_Id_Start, std::int32_t i_Id_Terminate);
    C_D_Geom_E_Line(const C_D_Geom_E_Line&) = default;
    ~C_D_Geom_E_Line() override;

    std::int32_t M_Fn_Type_Get() const override { return E_Type_Line; }
    std::wstring M_Fn_Type_Name_Get() const override { return L"Line"; }
    // The entity part (a vector of exactly two references, else refused with 0), then the six own
    // fields; the first result other than 1 is returned.
    E_Result M_Fn_Stream_Serialize_I(std::istream& ro_Stream) override;
    E_Result M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const override;
    // One segment between the nodes of the two end points, with the line's weld flag, thickness
    // switch, property, weights and thickness, and one relation record for it (built with the mesh
    // stores, Biz_Sect_D_Geom_E_Line_Tess.cpp).
    void M_Fn_Relation_Tess_Build(C_Sect& ro_Sect) override;
    // Header, the start and terminate points' descriptions, "Individual Thk: " when the switch is
    // on, and the property part.
    void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                          C_Context_Desc_Output& ro_Output) const override;

    std::unique_ptr<C_D_Geom_Entity> Clone_apo_D_Geom_Entity() const override;
    // ro_Other must be a line (else C_Exception, nothing exchanged); then the property keys, the
    // individual thickness switches and the individual thicknesses are exchanged. The weights stay.
    void M_Fn_Modifiable_Swap(C_D_Geom_Entity& ro_Other) override;
    bool M_Fn_Ref_Point_Has_Endpoint() const override { return true; }
    // Positions 0 and 1 are end points; any other position throws C_Exception.
    bool M_Fn_Ref_Point_Is_Endpoint(std::uint32_t i_Pos) const override;
    // 0 gives 1 and 1 gives 0; any other position throws C_Exception.
    std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(std::uint32_t i_Pos) const override;
    std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Start() const override { return 0; }
    std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Terminate() const override { return 1; }
    // With P0 start and P1 terminate and cross(u, v) = u.x v.y - u.y v.x: 0 unless P0 and P1 lie
    // strictly on opposite sides of AB, A and B strictly on opposite sides of P0P1, and the two are
    // not parallel (|d1 - d2| >= 1e-6); then 1 with the crossing A + t (B - A).
    std::int32_t M_Fn_Intersection_Get_By_Segment(const C_Sect& ro_Sect, std::int32_t& o_Flag, C_Vector2f& o_Point,
                                                  const C_Vector2f& ro_A, const C_Vector2f& ro_B) const override;
    // At a crossing: a new point there (at the point table's next free index), two new lines
    // start-new and new-terminate that keep the weld flag, switch, property and individual
    // thickness and take the mean of the four weights for all four, and this line removed, all
    // through the undoable operations in ro_sp_Group. A next free point index of 0 throws.
    void M_Fn_Intersection_Break_By_Line(C_Sect& ro_Sect, const T_sp_Group& ro_sp_Group, std::int32_t& o_Flag,
                                         std::uint32_t& o_Id_Point_New, const C_Vector2f& ro_A,
                                         const C_Vector2f& ro_B) override;
    // A line always moves with its points: verdict 1, result 1.
    std::int32_t M_Fn_Move_Check(std::int32_t& o_Result, C_Context_Edit_Geom& io_Move) override;
    // One IGES 110 line (Biz_Sect_D_Geom_E_IGES_Export.cpp).
    void M_Fn_IGES_Export(const C_Sect& ro_Sect, N_Common::N_Container::slotvec<std::shared_ptr<N_Biz::N_IGES::C_Entity>>& io_Table,
                          std::int32_t& o_Id, std::int32_t i_Color, std::uint32_t i_Color_Pointer,
                          std::uint32_t i_Independent, std::uint32_t i_Reverse) const override;
    // One GL_LINES between the two points' vertices; during a move preview the line between the
    // (possibly offset) end positions when at least one end moves, else nothing.
    void M_Fn_Draw(C_Context_Draw_Geom& io_Context) const override;

    // 0: the thickness comes from the property through the weights; non-zero: m_Thk_Individual
    // applies (the segment's individual-thickness flag takes bit 0).
    std::int32_t m_Thk_Individual_Switch = 0;
    std::array<float, 4> m_Thk_Weights{0.25f, 0.25f, 0.25f, 0.25f};
    float m_Thk_Individual = 0;
};

} // namespace N_Biz::N_Sect
