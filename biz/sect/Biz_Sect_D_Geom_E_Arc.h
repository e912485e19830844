// A circular arc of a section wall: start point (reference 0), terminate point (1), centre (2) and
// a direction (0 counter-clockwise from start to terminate, non-zero clockwise).
//
// The radius is the distance from the centre to the start point; the terminate point only fixes
// where the arc ends. Drawing, meshing and the conversion to lines all sample the arc through one
// evaluator (C_Arc<float>): the points strictly between start and terminate at a fixed angular
// step, the drawing step (3 degrees) for the view, a step adapted to the wall thickness for the
// mesh, so that a mesh segment is about as long as the meshing thickness but never spans less than
// the angle setting (with a floor of half a degree when that setting is 0).
//
// Binary form: the entity part (three references), then int32 direction.
#pragma once

#include "biz/sect/Biz_Sect_D_Geom_Entity.h"
#include "common/Common_Math_Geom_Arc.h"

namespace N_Biz::N_Sect {

class C_D_Geom_E_Arc : public C_D_Geom_Entity {
public:
    using C_Arc = N_Common::N_Math::N_Geom::C_Arc<float>;

    // Three zeroed references (the caller sets the point ids before the arc is added), direction 0.
    C_D_Geom_E_Arc();
    // Through the given points, otherwise as the default.
    C_D_Geom_E_Arc(std::int32_t i_Id_Start, std::int32_t i_Id_Terminate, std::int32_t i_Id_Center,
                   std::int32_t i_Direction);
    C_D_Geom_E_Arc(const C_D_Geom_E_Arc&) = default;
    ~C_D_Geom_E_Arc() override;

    std::int32_t M_Fn_Type_Get() const override { return E_Type_Arc; }
    std::wstring M_Fn_Type_Name_Get() const override { return L"Arc"; }
    // The entity part (a vector of exactly three references, else refused with 0), then the
    // direction; the first result other than 1 is returned.
    E_Result M_Fn_Stream_Serialize_I(std::istream& ro_Stream) override;
    E_Result M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const override;
    // Interior nodes from the meshing evaluation, the end points' nodes (shared with whatever else
    // ends there; the centre gets none), one segment per consecutive pair and one relation record
    // for them. An arc with k interior points becomes k + 1 segments.
    void M_Fn_Relation_Tess_Build(C_Sect& ro_Sect) override;
    // Header, "Point of Start:", "Point of Terminate:", "Point of Center:" with the points'
    // descriptions, and the property part. The direction is not shown.
    void M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                          C_Context_Desc_Output& ro_Output) const override;
    // Replaces the arc by a chain of lines through the meshing evaluation's points, undoably in
    // ro_sp_Group: new points, the lines (no weld, the arc's property, weights 0.25), the arc
    // removed, and the centre point removed when nothing else uses it.
    void M_Fn_Curve_To_Line(C_Sect& ro_Sect, const T_sp_Group& ro_sp_Group) override;

    std::unique_ptr<C_D_Geom_Entity> Clone_apo_D_Geom_Entity() const override;
    // ro_Other must be an arc (else C_Exception, nothing exchanged); then the property keys and the
    // directions are exchanged.
    void M_Fn_Modifiable_Swap(C_D_Geom_Entity& ro_Other) override;
    bool M_Fn_Ref_Point_Has_Endpoint() const override { return true; }
    // Positions 0 and 1 are end points, 2 (the centre) is not; any other position throws.
    bool M_Fn_Ref_Point_Is_Endpoint(std::uint32_t i_Pos) const override;
    // 0 gives 1 and 1 gives 0; any other position (the centre too) throws C_Exception.
    std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(std::uint32_t i_Pos) const override;
    std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Start() const override { return 0; }
    std::uint32_t M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Terminate() const override { return 1; }
    // How a move of some of the arc's points affects it. One point moved by the user: the other
    // two move along (verdict 4, or 3 when the moved arc is no arc any more); two moved by the same
    // offset: the third moves along (4 or 3); two by different offsets: the arc is reshaped (2, or
    // 3 when start and terminate no longer lie on one circle within 1 percent); all three: 1 or 3.
    // Returns 1. Throws C_Exception for a point of another state than 1 or 3, or when none of the
    // three points moved.
    std::int32_t M_Fn_Move_Check(std::int32_t& o_Result, C_Context_Edit_Geom& io_Move) override;
    // One IGES 124 matrix and 100 arc (counter-clockwise in its own plane; a clockwise arc is mirrored by the matrix) (Biz_Sect_D_Geom_E_IGES_Export.cpp).
    void M_Fn_IGES_Export(const C_Sect& ro_Sect, N_Common::N_Container::slotvec<std::shared_ptr<N_Biz::N_IGES::C_Entity>>& io_Table,
                          std::int32_t& o_Id, std::int32_t i_Color, std::uint32_t i_Color_Pointer,
                          std::uint32_t i_Independent, std::uint32_t i_Reverse) const override;
    // One line strip from the start point through the drawing evaluation's points to the terminate
    // point; during a move preview the whole arc offset when any of its points moves, else nothing.
    void M_Fn_Draw(C_Context_Draw_Geom& io_Context) const override;

    // The arc value from the direction and the current positions of the three points.
    C_Arc M_Fn_Arc_Get(const C_Sect& ro_Sect) const;
    // Samples the arc's interior into ro_Evaluator: the meshing evaluator (mode 1) first gets its
    // step from the angle setting (word 30) and the meshing thickness (C_Arc::S_Fn_Step_Tess), the
    // drawing evaluator (mode 0) keeps its step. Returns 1; throws as C_Arc::M_Fn_Eval.
    int M_Fn_Eval(const C_Sect& ro_Sect, C_Arc::C_Evaluator& ro_Evaluator) const;

    // 0: counter-clockwise from start to terminate; non-zero: clockwise.
    std::int32_t m_Direction = 0;

private:
    int M_Fn_Eval_Arc(const C_Arc& ro_Arc, C_Arc::C_Evaluator& ro_Evaluator) const;
};

} // namespace N_Biz::N_Sect
