#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

#include <utility>

namespace N_Biz::N_Sect {

namespace N_Stream = N_Common::N_Stream;

C_D_Geom_E_Line::C_D_Geom_E_Line()
{
    m_Ref_Points.resize(2);
}

C_D_Geom_E_Line::C_D_Geom_E_Line(std::int32_t i_Id_Start, std::int32_t i_Id_Terminate) : C_D_Geom_E_Line()
{
    m_Ref_Points[0].m_Id_Point = i_Id_Start;
    m_Ref_Points[1].m_Id_Point = i_Id_Terminate;
}

C_D_Geom_E_Line::~C_D_Geom_E_Line() = default;

std::unique_ptr<C_D_Geom_Entity> C_D_Geom_E_Line::Clone_apo_D_Geom_Entity() const
{
    return std::make_unique<C_D_Geom_E_Line>(*this);
}

E_Result C_D_Geom_E_Line::M_Fn_Stream_Serialize_I(std::istream& ro_Stream)
{
    E_Result result = C_D_Geom_Entity::M_Fn_Stream_Serialize_I(ro_Stream);
    if (result != E_Result_Success)
        return result;
    result = M_Fn_Stream_Serialize_Ref_Count_Check(ro_Stream, 2);
    if (result != E_Result_Success)
        return result;
    std::int32_t thk_switch = 0;
    std::array<float, 4> weights{};
    float thk = 0;
    if (N_Stream::G_Fn_Serialize_I(ro_Stream, thk_switch) != E_Result_Success)
        return E_Result_Stream_Failure;
    for (float& weight : weights)
        if (N_Stream::G_Fn_Serialize_I(ro_Stream, weight) != E_Result_Success)
            return E_Result_Stream_Failure;
    if (N_Stream::G_Fn_Serialize_I(ro_Stream, thk) != E_Result_Success)
        return E_Result_Stream_Failure;
    m_Thk_Individual_Switch = thk_switch;
    m_Thk_Weights = weights;
    m_Thk_Individual = thk;
    return E_Result_Success;
}

E_Result C_D_Geom_E_Line::M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const
{
    const E_Result result = C_D_Geom_Entity::M_Fn_Stream_Serialize_O(ro_Stream);
    if (result != E_Result_Success)
        return result;
    N_Stream::G_Fn_Serialize_O(ro_Stream, m_Thk_Individual_Switch);
    for (float weight : m_Thk_Weights)
        N_Stream::G_Fn_Serialize_O(ro_Stream, weight);
    return N_Stream::G_Fn_Serialize_O(ro_Stream, m_Thk_Individual);
}

void C_D_Geom_E_Line::M_Fn_Modifiable_Swap(C_D_Geom_Entity& ro_Other)
{
    // The other's class first: a refused swap must leave both entities as they were.
    auto* p_other = dynamic_cast<C_D_Geom_E_Line*>(&ro_Other);
    if (!p_other)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Line::M_Fn_Modifiable_Swap");
    C_D_Geom_Entity::M_Fn_Modifiable_Swap(ro_Other);
    std::swap(m_Thk_Individual_Switch, p_other->m_Thk_Individual_Switch);
    std::swap(m_Thk_Individual, p_other->m_Thk_Individual);
}

bool C_D_Geom_E_Line::M_Fn_Ref_Point_Is_Endpoint(std::uint32_t i_Pos) const
{
    if (i_Pos > 1)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Line::M_Fn_Ref_Point_Is_Endpoint");
    return true;
}

std::uint32_t C_D_Geom_E_Line::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(std::uint32_t i_Pos) const
{
    if (i_Pos == 0)
        return 1;
    if (i_Pos == 1)
        return 0;
    VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Line::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other");
}

std::int32_t C_D_Geom_E_Line::M_Fn_Intersection_Get_By_Segment(const C_Sect& ro_Sect, std::int32_t& o_Flag,
                                                               C_Vector2f& o_Point, const C_Vector2f& ro_A,
                                                               const C_Vector2f& ro_B) const
{
    o_Flag = 0;
    const C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    const C_D_Geom_Point& point_0 = mgr_p.M_Fn_Get_At(static_cast<std::uint32_t>(m_Ref_Points[0].m_Id_Point));
    const C_D_Geom_Point& point_1 = mgr_p.M_Fn_Get_At(static_cast<std::uint32_t>(m_Ref_Points[1].m_Id_Point));
    const C_Vector2f p0(point_0.m_X, point_0.m_Y);
    const C_Vector2f p1(point_1.m_X, point_1.m_Y);

    const float d1 = (ro_A - p0).M_Fn_Cross(ro_B - p0);
    const float d2 = (ro_A - p1).M_Fn_Cross(ro_B - p1);
    if (!(d1 * d2 < 0.0f))
        return 0;
    const float d3 = (p0 - ro_A).M_Fn_Cross(p1 - ro_A);
    const float e = d3 + d1 - d2;
    if (!(d3 * e < 0.0f))
        return 0;
    if (N_Common::N_Math::G_Fn_Abs(d1 - d2) < N_Common::N_Math::G_Tolerance)
        return 0;
    const float t = d3 / (d2 - d1);
    o_Point = ro_A + (ro_B - ro_A) * t;
    o_Flag = 1;
    return 1;
}

void C_D_Geom_E_Line::M_Fn_Intersection_Break_By_Line(C_Sect& ro_Sect, const T_sp_Group& ro_sp_Group,
                                                      std::int32_t& o_Flag, std::uint32_t& o_Id_Point_New,
                                                      const C_Vector2f& ro_A, const C_Vector2f& ro_B)
{
    o_Flag = 0;
    o_Id_Point_New = 0;
    C_Vector2f crossing;
    if (M_Fn_Intersection_Get_By_Segment(ro_Sect, o_Flag, crossing, ro_A, ro_B) != 1)
        return;

    C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    C_Mgr_D_Geom_E& mgr_e = ro_Sect.M_Fn_Get_Mgr_D_Geom_E();
    const std::uint32_t id_point = mgr_p.M_Fn_Next_Index();
    o_Id_Point_New = id_point;
    if (id_point == 0)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Line::M_Fn_Intersection_Break_By_Line");
    auto up_point = std::make_unique<C_D_Geom_Point>(crossing.x, crossing.y);
    mgr_p.M_Fn_Proc_Cmd_Sub_Add_At(id_point, up_point, ro_sp_Group);

    const float mean = (m_Thk_Weights[0] + m_Thk_Weights[1] + m_Thk_Weights[2] + m_Thk_Weights[3]) * 0.25f;
    const std::int32_t ids[3] = {m_Ref_Points[0].m_Id_Point, static_cast<std::int32_t>(id_point),
                                 m_Ref_Points[1].m_Id_Point};
    for (int half = 0; half < 2; ++half) {
        auto sp_line = std::make_shared<C_D_Geom_E_Line>(ids[half], ids[half + 1]);
        sp_line->M_Fn_Weld_Set(M_Fn_Is_Weld());
        sp_line->m_Thk_Individual_Switch = m_Thk_Individual_Switch;
        sp_line->m_Key_C_P = m_Key_C_P;
        sp_line->m_Thk_Individual = m_Thk_Individual;
        sp_line->m_Thk_Weights = {mean, mean, mean, mean};
        std::shared_ptr<C_D_Geom_Entity> sp_entity = std::move(sp_line);
        mgr_e.M_Fn_Proc_Cmd_Sub_Add_At(mgr_e.M_Fn_Next_Index(), sp_entity, ro_sp_Group);
    }
    // Last: the remove may release this very object when no group keeps it.
    mgr_e.M_Fn_Proc_Cmd_Sub_Remove_At(static_cast<std::uint32_t>(m_Id), ro_sp_Group);
}

std::int32_t C_D_Geom_E_Line::M_Fn_Move_Check(std::int32_t& o_Result, C_Context_Edit_Geom& io_Move)
{
    o_Result = E_Move_Allowed;
    return 1;
}

void C_D_Geom_E_Line::M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                       C_Context_Desc_Output& ro_Output) const
{
    M_Fn_Desc_Output_Header(i_Prefix, ro_Output);
    ro_Output.M_Fn_Add_Empty();
    const wchar_t* labels[2] = {L"Point of Start:", L"Point of Terminate:"};
    for (int pos = 0; pos < 2; ++pos) {
        ro_Output.M_Fn_Add(i_Prefix, labels[pos]);
        ro_Output.M_Fn_Add_Empty();
        if (i_p_Sect)
            i_p_Sect->M_Fn_Get_Mgr_D_Geom_P()
                .M_Fn_Get_At(static_cast<std::uint32_t>(m_Ref_Points[pos].m_Id_Point))
                .M_Fn_Desc_Output(i_p_Sect, i_Prefix + L"  ", ro_Output);
        if (pos == 0)
            ro_Output.M_Fn_Add_Empty();
    }
    if (m_Thk_Individual_Switch != 0) {
        ro_Output.M_Fn_Add_Empty();
        ro_Output.M_Fn_Add_Float(i_Prefix, L"Individual Thk: ", m_Thk_Individual);
    }
    ro_Output.M_Fn_Add_Empty();
    M_Fn_Desc_Output_Property(i_Prefix, ro_Output);
}

void C_D_Geom_E_Line::M_Fn_Draw(C_Context_Draw_Geom& io_Context) const
{
    if (!io_Context.m_Move_Preview) {
        glBegin(GL_LINES);
        glArrayElement(m_Ref_Points[0].m_Id_Point);
        glArrayElement(m_Ref_Points[1].m_Id_Point);
        glEnd();
        return;
    }
    if (!io_Context.m_p_Sect)
        return;
    const C_Mgr_D_Geom_P& mgr_p = io_Context.m_p_Sect->M_Fn_Get_Mgr_D_Geom_P();
    float ends[2][2];
    bool moving = false;
    for (int pos = 0; pos < 2; ++pos) {
        const auto id = static_cast<std::uint32_t>(m_Ref_Points[pos].m_Id_Point);
        const C_D_Geom_Point& point = mgr_p.M_Fn_Get_At(id);
        ends[pos][0] = point.m_X;
        ends[pos][1] = point.m_Y;
        if (id < io_Context.m_Point_Moved.size() && io_Context.m_Point_Moved[id] && io_Context.m_p_Offset) {
            ends[pos][0] += io_Context.m_p_Offset[0];
            ends[pos][1] += io_Context.m_p_Offset[1];
            moving = true;
        }
    }
    if (!moving)
        return;
    glBegin(GL_LINES);
    glVertex2fv(ends[0]);
    glVertex2fv(ends[1]);
    glEnd();
}

} // namespace N_Biz::N_Sect
