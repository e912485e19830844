#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_Context_Edit_Geom.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Tess_Settings.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

#include <optional>
#include <vector>

namespace N_Biz::N_Sect {

namespace {

const C_D_Geom_Point& G_Fn_Point(const C_Sect& ro_Sect, std::int32_t i_Id)
{
    return ro_Sect.M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(static_cast<std::uint32_t>(i_Id));
}

N_Common::N_Math::C_Vector2<float> G_Fn_Pos(const C_Sect& ro_Sect, std::int32_t i_Id)
{
    const C_D_Geom_Point& point = G_Fn_Point(ro_Sect, i_Id);
    return {point.m_X, point.m_Y};
}

} // namespace

C_D_Geom_E_Arc::C_D_Geom_E_Arc()
{
    m_Ref_Points.resize(3);
}

C_D_Geom_E_Arc::C_D_Geom_E_Arc(std::int32_t i_Id_Start, std::int32_t i_Id_Terminate, std::int32_t i_Id_Center,
                               std::int32_t i_Direction)
    : C_D_Geom_E_Arc()
{
    m_Ref_Points[0].m_Id_Point = i_Id_Start;
    m_Ref_Points[1].m_Id_Point = i_Id_Terminate;
    m_Ref_Points[2].m_Id_Point = i_Id_Center;
    m_Direction = i_Direction;
}

C_D_Geom_E_Arc::~C_D_Geom_E_Arc() = default;

E_Result C_D_Geom_E_Arc::M_Fn_Stream_Serialize_I(std::istream& ro_Stream)
{
    E_Result result = C_D_Geom_Entity::M_Fn_Stream_Serialize_I(ro_Stream);
    if (result != E_Result_Success)
        return result;
    result = M_Fn_Stream_Serialize_Ref_Count_Check(ro_Stream, 3);
    if (result != E_Result_Success)
        return result;
    return N_Common::N_Stream::G_Fn_Serialize_I(ro_Stream, m_Direction);
}

E_Result C_D_Geom_E_Arc::M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const
{
    const E_Result result = C_D_Geom_Entity::M_Fn_Stream_Serialize_O(ro_Stream);
    if (result != E_Result_Success)
        return result;
    return N_Common::N_Stream::G_Fn_Serialize_O(ro_Stream, m_Direction);
}

std::unique_ptr<C_D_Geom_Entity> C_D_Geom_E_Arc::Clone_apo_D_Geom_Entity() const
{
    return std::make_unique<C_D_Geom_E_Arc>(*this);
}

void C_D_Geom_E_Arc::M_Fn_Modifiable_Swap(C_D_Geom_Entity& ro_Other)
{
    // The class is checked first, so a refused swap exchanges nothing.
    auto* p_other = dynamic_cast<C_D_Geom_E_Arc*>(&ro_Other);
    if (!p_other)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Modifiable_Swap");
    C_D_Geom_Entity::M_Fn_Modifiable_Swap(ro_Other);
    std::swap(m_Direction, p_other->m_Direction);
}

bool C_D_Geom_E_Arc::M_Fn_Ref_Point_Is_Endpoint(std::uint32_t i_Pos) const
{
    if (i_Pos > 2)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Ref_Point_Is_Endpoint");
    return i_Pos != 2;
}

std::uint32_t C_D_Geom_E_Arc::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(std::uint32_t i_Pos) const
{
    if (i_Pos == 0)
        return 1;
    if (i_Pos == 1)
        return 0;
    VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other");
}

C_D_Geom_E_Arc::C_Arc C_D_Geom_E_Arc::M_Fn_Arc_Get(const C_Sect& ro_Sect) const
{
    if (m_Ref_Points.size() != 3)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Arc_Get");
    return C_Arc(m_Direction, G_Fn_Pos(ro_Sect, m_Ref_Points[0].m_Id_Point),
                 G_Fn_Pos(ro_Sect, m_Ref_Points[1].m_Id_Point), G_Fn_Pos(ro_Sect, m_Ref_Points[2].m_Id_Point));
}

int C_D_Geom_E_Arc::M_Fn_Eval(const C_Sect& ro_Sect, C_Arc::C_Evaluator& ro_Evaluator) const
{
    return M_Fn_Eval_Arc(M_Fn_Arc_Get(ro_Sect), ro_Evaluator);
}

int C_D_Geom_E_Arc::M_Fn_Eval_Arc(const C_Arc& ro_Arc, C_Arc::C_Evaluator& ro_Evaluator) const
{
    std::optional<float> thk;
    float value = 0;
    if (ro_Evaluator.m_Mode != 0 && M_Fn_Get_Thk_Tess(value))
        thk = value;
    return ro_Arc.M_Fn_Eval(ro_Evaluator, G_Fn_Tess_Config_Data().m_Tess_Angle, thk);
}

void C_D_Geom_E_Arc::M_Fn_Relation_Tess_Build(C_Sect& ro_Sect)
{
    C_Arc::C_Evaluator& evaluator = C_Arc::S_Fn_Get_Evaluator_Tess();
    M_Fn_Eval(ro_Sect, evaluator);
    // The evaluator is shared: take its points before anything else can use it.
    const std::vector<C_Arc::C_Point> points = evaluator.m_Points;

    std::vector<std::uint32_t> ids;
    ids.reserve(points.size() + 2);
    ids.push_back(0);
    for (const C_Arc::C_Point& p : points) {
        const std::uint32_t id = C_D_Geom::M_Fn_Relation_Tess_Build_Node(p.x, p.y, ro_Sect, 0);
        if (id == 0)
            VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Relation_Tess_Build");
        ids.push_back(id);
    }
    C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    C_D_Geom_Point& start = mgr_p.M_Fn_Get_At(static_cast<std::uint32_t>(m_Ref_Points[0].m_Id_Point));
    start.M_Fn_Relation_Tess_Build(ro_Sect);
    C_D_Geom_Point& terminate = mgr_p.M_Fn_Get_At(static_cast<std::uint32_t>(m_Ref_Points[1].m_Id_Point));
    terminate.M_Fn_Relation_Tess_Build(ro_Sect);
    ids.front() = mgr_p.M_Fn_Get_At(static_cast<std::uint32_t>(m_Ref_Points[0].m_Id_Point)).m_Id_Node;
    ids.push_back(mgr_p.M_Fn_Get_At(static_cast<std::uint32_t>(m_Ref_Points[1].m_Id_Point)).m_Id_Node);

    // 3.-5. One segment per consecutive pair and one relation record for them.
    ro_Sect.M_Fn_Get_Mgr_D_Tess_E().M_Fn_Proc_Sub_Chain_Add(static_cast<std::uint32_t>(m_Id), ids, M_Fn_Is_Weld(), false,
                                                           m_Key_C_P, {0.25f, 0.25f, 0.25f, 0.25f}, 0.0f,
                                                           "N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Relation_Tess_Build");
}

void C_D_Geom_E_Arc::M_Fn_Curve_To_Line(C_Sect& ro_Sect, const T_sp_Group& ro_sp_Group)
{
    if (m_Ref_Points.size() != 3)
        VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Curve_To_Line");
    C_Arc::C_Evaluator& evaluator = C_Arc::S_Fn_Get_Evaluator_Tess();
    M_Fn_Eval(ro_Sect, evaluator);
    const std::vector<C_Arc::C_Point> points = evaluator.m_Points;

    // 1.-2. The chain of points: start, one new point per interior sample, terminate.
    C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    std::vector<std::uint32_t> ids;
    ids.reserve(points.size() + 2);
    ids.push_back(static_cast<std::uint32_t>(m_Ref_Points[0].m_Id_Point));
    for (const C_Arc::C_Point& p : points) {
        const std::uint32_t id = mgr_p.M_Fn_Next_Index();
        if (id == 0)
            VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Curve_To_Line");
        auto up_point = std::make_unique<C_D_Geom_Point>(p.x, p.y);
        mgr_p.M_Fn_Proc_Cmd_Sub_Add_At(id, up_point, ro_sp_Group);
        ids.push_back(id);
    }
    ids.push_back(static_cast<std::uint32_t>(m_Ref_Points[1].m_Id_Point));

    // 3. One line per consecutive pair, with the arc's property and the mean of its thicknesses.
    C_Mgr_D_Geom_E& mgr_e = ro_Sect.M_Fn_Get_Mgr_D_Geom_E();
    for (std::size_t i = 1; i < ids.size(); ++i) {
        if (ids[i] == 0)
            VT_THROW("N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Curve_To_Line");
        auto sp_line = std::make_shared<C_D_Geom_E_Line>(static_cast<std::int32_t>(ids[i - 1]),
                                                         static_cast<std::int32_t>(ids[i]));
        sp_line->m_Key_C_P = m_Key_C_P;
        C_Mgr_D_Geom_E::T_sp_Entity sp_entity = std::move(sp_line);
        mgr_e.M_Fn_Proc_Cmd_Sub_Add_At(mgr_e.M_Fn_Next_Index(), sp_entity, ro_sp_Group);
    }

    // 4.-5. The arc goes, and its centre when nothing else uses it. Without a group the removal
    // drops this arc, so everything needed afterwards is taken first.
    const auto id_self = static_cast<std::uint32_t>(m_Id);
    const auto id_center = static_cast<std::uint32_t>(m_Ref_Points[2].m_Id_Point);
    mgr_e.M_Fn_Proc_Cmd_Sub_Remove_At(id_self, ro_sp_Group);
    if (mgr_p.M_Fn_Get_At(id_center).m_Count_Ref == 0)
        mgr_p.M_Fn_Proc_Cmd_Sub_Remove_At(id_center, ro_sp_Group);
}

void C_D_Geom_E_Arc::M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                      C_Context_Desc_Output& ro_Output) const
{
    M_Fn_Desc_Output_Header(i_Prefix, ro_Output);
    ro_Output.M_Fn_Add_Empty();
    const wchar_t* const labels[3] = {L"Point of Start:", L"Point of Terminate:", L"Point of Center:"};
    for (std::size_t i = 0; i < 3 && i < m_Ref_Points.size(); ++i) {
        ro_Output.M_Fn_Add(i_Prefix, labels[i]);
        ro_Output.M_Fn_Add_Empty();
        if (i_p_Sect)
            G_Fn_Point(*i_p_Sect, m_Ref_Points[i].m_Id_Point).M_Fn_Desc_Output(i_p_Sect, i_Prefix + L"  ", ro_Output);
        ro_Output.M_Fn_Add_Empty();
    }
    M_Fn_Desc_Output_Property(i_Prefix, ro_Output);
}

std::int32_t C_D_Geom_E_Arc::M_Fn_Move_Check(std::int32_t& o_Result, C_Context_Edit_Geom& io_Move)
{
    static const char* const s_Function = "N_Biz::N_Sect::C_D_Geom_E_Arc::M_Fn_Move_Check";
    using C_Vector2f = N_Common::N_Math::C_Vector2<float>;
    if (!io_Move.m_p_Sect || m_Ref_Points.size() != 3)
        VT_THROW(s_Function);
    const C_Sect& sect = *io_Move.m_p_Sect;

    // 1. Where each of the three points is (or goes), and which the user moved.
    C_Vector2f pos[3];
    bool moved[3] = {false, false, false};
    int count_moved = 0;
    for (int i = 0; i < 3; ++i) {
        const auto id = static_cast<std::uint32_t>(m_Ref_Points[i].m_Id_Point);
        if (id >= io_Move.m_Points.size())
            VT_THROW(s_Function);
        const C_Context_Edit_Geom::C_Point& record = io_Move.m_Points[id];
        if (record.m_State == C_Context_Edit_Geom::E_State_P_Stay) {
            pos[i] = G_Fn_Pos(sect, m_Ref_Points[i].m_Id_Point);
        } else if (record.m_State == C_Context_Edit_Geom::E_State_P_Moved) {
            pos[i] = C_Vector2f(record.m_X, record.m_Y);
            moved[i] = true;
            ++count_moved;
        } else {
            VT_THROW(s_Function);
        }
    }

    // 2.-5. Which points move along, and by which offset.
    int count_added = 0;
    auto add = [&](int i_Pos, float i_Dx, float i_Dy) {
        const auto id = static_cast<std::uint32_t>(m_Ref_Points[i_Pos].m_Id_Point);
        C_Context_Edit_Geom::C_Point& record = io_Move.m_Points[id];
        // A point named twice by the arc is added once.
        if (record.m_State != C_Context_Edit_Geom::E_State_P_Stay)
            return;
        record.m_State = C_Context_Edit_Geom::E_State_P_Move;
        record.m_Dx = i_Dx;
        record.m_Dy = i_Dy;
        record.m_X = pos[i_Pos].x + i_Dx;
        record.m_Y = pos[i_Pos].y + i_Dy;
        pos[i_Pos] = C_Vector2f(record.m_X, record.m_Y);
        io_Move.m_List_P_Process.push_back(id);
        ++count_added;
    };
    auto offset = [&](int i_Pos) -> const C_Context_Edit_Geom::C_Point& {
        return io_Move.m_Points[static_cast<std::uint32_t>(m_Ref_Points[i_Pos].m_Id_Point)];
    };
    if (count_moved == 1) {
        const int m = moved[0] ? 0 : (moved[1] ? 1 : 2);
        for (int i = 0; i < 3; ++i)
            if (!moved[i])
                add(i, offset(m).m_Dx, offset(m).m_Dy);
    } else if (count_moved == 2) {
        int a = -1, b = -1, rest = -1;
        for (int i = 0; i < 3; ++i) {
            if (!moved[i])
                rest = i;
            else if (a < 0)
                a = i;
            else
                b = i;
        }
        if (a < 0 || b < 0 || rest < 0)
            VT_THROW(s_Function);
        if (N_Common::N_Math::G_Fn_Is_Equal(offset(a).m_Dx, offset(b).m_Dx) &&
            N_Common::N_Math::G_Fn_Is_Equal(offset(a).m_Dy, offset(b).m_Dy))
            add(rest, offset(a).m_Dx, offset(a).m_Dy);
    } else if (count_moved != 3) {
        VT_THROW(s_Function);
    }

    // 6.-7. Is the moved arc still an arc?
    const bool valid = C_Arc(m_Direction, pos[0], pos[1], pos[2]).M_Fn_Is_Valid();
    if (count_moved == 1) {
        if (count_added == 0)
            VT_THROW(s_Function);
        o_Result = valid ? E_Move_Extended : E_Move_Denied;
    } else if (count_moved == 2) {
        o_Result = valid ? (count_added > 0 ? E_Move_Extended : E_Move_Reshaped) : E_Move_Denied;
    } else {
        if (count_added != 0)
            VT_THROW(s_Function);
        o_Result = valid ? E_Move_Allowed : E_Move_Denied;
    }
    return E_Result_Success;
}

void C_D_Geom_E_Arc::M_Fn_Draw(C_Context_Draw_Geom& io_Context) const
{
    if (!io_Context.m_p_Sect || m_Ref_Points.size() != 3)
        return;
    C_Arc::C_Evaluator& evaluator = C_Arc::S_Fn_Get_Evaluator_Draw();
    if (!io_Context.m_Move_Preview) {
        M_Fn_Eval(*io_Context.m_p_Sect, evaluator);
        glBegin(GL_LINE_STRIP);
        glArrayElement(m_Ref_Points[0].m_Id_Point);
        for (const C_Arc::C_Point& p : evaluator.m_Points)
            glVertex2f(p.x, p.y);
        glArrayElement(m_Ref_Points[1].m_Id_Point);
        glEnd();
        return;
    }
    bool any = false;
    for (const C_Ref_Geom_P& ref : m_Ref_Points) {
        const auto id = static_cast<std::uint32_t>(ref.m_Id_Point);
        if (id < io_Context.m_Point_Moved.size() && io_Context.m_Point_Moved[id])
            any = true;
    }
    if (!any || !io_Context.m_p_Offset)
        return;
    // The whole arc is shown translated.
    C_Arc arc = M_Fn_Arc_Get(*io_Context.m_p_Sect);
    const C_Arc::C_Point offset(io_Context.m_p_Offset[0], io_Context.m_p_Offset[1]);
    arc.m_Start = arc.m_Start + offset;
    arc.m_Terminate = arc.m_Terminate + offset;
    arc.m_Center = arc.m_Center + offset;
    M_Fn_Eval_Arc(arc, evaluator);
    glBegin(GL_LINE_STRIP);
    glVertex2f(arc.m_Start.x, arc.m_Start.y);
    for (const C_Arc::C_Point& p : evaluator.m_Points)
        glVertex2f(p.x, p.y);
    glVertex2f(arc.m_Terminate.x, arc.m_Terminate.y);
    glEnd();
}

} // namespace N_Biz::N_Sect
