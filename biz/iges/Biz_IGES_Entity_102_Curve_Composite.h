// IGES type 102: a composite curve, an ordered list of member curves (slots of the entity table)
// joined end to end.
//
// Members are resolved when used and must be curves (100, 102, 110, 126). A composite may hold
// composites, so every walk over the members is guarded: a composite met again on its own path,
// or a nesting deeper than any real file needs, throws instead of recursing without end.
#pragma once

#include "biz/iges/Biz_IGES_Entity.h"

namespace N_Biz::N_IGES {

class C_Entity_102_Curve_Composite : public C_Entity {
public:
    // Deepest nesting of composites that is walked.
    static constexpr int S_Depth_Max = 256;

    // No members; entity use geometry.
    C_Entity_102_Curve_Composite() = default;
    C_Entity_102_Curve_Composite(const C_Entity_102_Curve_Composite& ro_Other);
    C_Entity_102_Curve_Composite& operator=(const C_Entity_102_Curve_Composite& ro_Other);

    std::unique_ptr<C_Entity> Clone_apo_Entity() const override;
    std::int32_t M_Fn_Get_Type() const override { return 102; }
    const wchar_t* M_Fn_Get_Name_Type() const override { return L"Composite Curve"; }
    // The first member's start, the last member's finish, and every member's points after its
    // start in order. Throw for a composite without members.
    int M_Fn_Get_o_Vector3_f_Start(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const override;
    int M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const override;
    int M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>& io_List,
                                                const C_Table_Entity& ro_Table) const override;
    // Every member's defining points in order: the members are dependent entities that the plane
    // search passes over, so a composite speaks for its curves.
    int M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>& io_List,
                                              const C_Table_Entity& ro_Table) const override;
    // Draws every member in order under the member rules.
    void M_Fn_Draw_Render_Geometry(C_Context_Draw_Render& io_Context) const override;
    void M_Fn_Draw_Select_Geometry(C_Context_Draw_Select& io_Context) const override;
    // Renumbers the member slots, the id and the composite's own slot-valued fields.
    void M_Fn_Remap_Id(const std::map<std::int32_t, std::int32_t>& ro_Map) override;
    // N, then N directory pointers; pointer p is member slot (p+1)/2. A count larger than the
    // parameter text could hold throws; missing pointers read as slot 0.
    // The entity's section curve (see Biz_IGES_Entity_Sect_Geom_Build.cpp).
    int M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build& io_Context) const override;
    int M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build& ro_Context, C_Vector3_f& o_Start,
                            C_Vector3_f& o_Finish) const override;
    // How the members join end to end in the section import: member i runs from its finish to its
    // start when o_Reversed[i]; o_Start and o_Finish are the ends of the joined curve. A member
    // meets the curve before it when one of its ends lies within the context's tolerance of that
    // curve's free end (the first member turns to meet the second). 0, with o_Failed the position
    // of the first member that meets neither end (or has no ends), when they do not join.
    int M_Fn_Sect_Geom_Chain(const C_Context_Sect_Geom_Build& ro_Context, std::vector<char>& o_Reversed,
                             C_Vector3_f& o_Start, C_Vector3_f& o_Finish, std::size_t& o_Failed) const;
    int M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                          char i_Delimiter_Record) override;
    // N, then the pointers 2s-1.
    int M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                          char i_Delimiter_Record) const override;

    // The member at list position i_Index; throws (naming i_Function) for an empty or missing slot
    // and for a member that is not a curve.
    const C_Entity& M_Fn_Get_ro_Member(const C_Table_Entity& ro_Table, std::size_t i_Index,
                                       const char* i_Function) const;

    std::vector<std::int32_t> m_Members;

private:
    friend class C_Guard_Composite;
    // Set while a walk over this composite's members runs.
    mutable bool m_Busy = false;
};

} // namespace N_Biz::N_IGES
