#include "biz/sect/Biz_Sect_D_Tess_E_Segment.h"

#include "biz/db/Biz_DB_Row.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Draw_Tess.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

#include <cmath>
#include <optional>

namespace N_Biz::N_Sect {

namespace {

using N_Common::N_Math::G_Tolerance;

// A value counts only when it is at least 1e-6 (strictly below is too small; NaN never counts).
bool G_Fn_Valid(float i_Value)
{
    return i_Value >= G_Tolerance;
}

// The value a visitor reaches, as a float; nothing when the route found no column or the value
// cannot be had (a virtual column whose source is missing, a column of a non-numeric type).
std::optional<float> G_Fn_Value_Float(const N_Biz::N_DB::C_Visitor_Field& ro_Visitor)
{
    using namespace N_Biz::N_DB;
    if (ro_Visitor.M_Fn_Is_Empty())
        return std::nullopt;
    try {
        switch (ro_Visitor.M_Fn_Type()) {
        case E_Type_Obj_FLOAT32: return ro_Visitor.M_Fn_Get<float>();
        case E_Type_Obj_FLOAT64: return static_cast<float>(ro_Visitor.M_Fn_Get<double>());
        case E_Type_Obj_INT32: return static_cast<float>(ro_Visitor.M_Fn_Get<std::int32_t>());
        case E_Type_Obj_INT64: return static_cast<float>(ro_Visitor.M_Fn_Get<std::int64_t>());
        case E_Type_Obj_UINT32: return static_cast<float>(ro_Visitor.M_Fn_Get<std::uint32_t>());
        default: return std::nullopt;
        }
    } catch (const N_Common::N_Exception::C_Exception&) {
        // Missing property data never stops a mesh build: the segment is flagged invalid instead.
        return std::nullopt;
    }
}

} // namespace

C_D_Tess_E_Segment::C_D_Tess_E_Segment()
{
    m_Ref_Nodes.resize(2);
}

C_D_Tess_E_Segment::~C_D_Tess_E_Segment() = default;

std::unique_ptr<C_D_Tess_Element> C_D_Tess_E_Segment::Clone_apo_D_Tess_Element() const
{
    return std::make_unique<C_D_Tess_E_Segment>(*this);
}

std::uint32_t C_D_Tess_E_Segment::M_Fn_Ref_Node_Get_i_Pos_Node_Ctrl_The_Other_Endpoint(std::uint32_t i_Pos) const
{
    if (i_Pos == 0)
        return 1;
    if (i_Pos == 1)
        return 0;
    VT_THROW("N_Biz::N_Sect::C_D_Tess_E_Segment::M_Fn_Ref_Node_Get_i_Pos_Node_Ctrl_The_Other_Endpoint");
}

void C_D_Tess_E_Segment::M_Fn_Set(C_Sect* i_p_Sect, bool i_Weld, bool i_Thk_Individual, const T_Key_C_P& ro_Key_C_P,
                                  float i_W1, float i_W2, float i_W3, float i_W4, float i_Thk,
                                  std::uint32_t i_Id_Node_Start, std::uint32_t i_Id_Node_Terminate)
{
    using namespace N_Biz::N_DB;
    if (!i_p_Sect)
        VT_THROW("N_Biz::N_Sect::C_D_Tess_E_Segment::M_Fn_Set");
    // The nodes first, so that a bad node id changes nothing.
    const C_Mgr_D_Tess_N& mgr_n = i_p_Sect->M_Fn_Get_Mgr_D_Tess_N();
    const C_D_Tess_Node& node_start = mgr_n.M_Fn_Get_At(i_Id_Node_Start);
    const C_D_Tess_Node& node_terminate = mgr_n.M_Fn_Get_At(i_Id_Node_Terminate);

    m_Flag = (m_Flag & ~(E_Flag_Weld | E_Flag_Thk_Individual)) | (i_Weld ? E_Flag_Weld : 0u) |
             (i_Thk_Individual ? E_Flag_Thk_Individual : 0u);
    m_Key_C_P = ro_Key_C_P;
    m_Thk = i_Thk;
    m_Ref_Nodes.resize(2);
    m_Ref_Nodes[0].m_Id_Node = i_Id_Node_Start;
    m_Ref_Nodes[1].m_Id_Node = i_Id_Node_Terminate;

    const C_Vector2f start(node_start.m_X, node_start.m_Y);
    const C_Vector2f terminate(node_terminate.m_X, node_terminate.m_Y);
    m_Mid = (start + terminate) * 0.5f;
    m_Dir = terminate - start;
    m_Dir_Unit = m_Dir;
    m_Dir_Unit.M_Fn_Normalize();
    m_Dir_Bound_A = m_Dir_Unit;
    m_Dir_Bound_B = m_Dir_Unit;
    m_Length = std::sqrt(m_Dir.M_Fn_Dot(m_Dir));
    if (!G_Fn_Valid(m_Length))
        m_Flag |= E_Flag_Invalid;
    if (i_Weld)
        return;

    const auto sp_property = m_Key_C_P.M_Fn_Lock();
    if (!sp_property) {
        m_Flag |= E_Flag_Invalid;
        return;
    }
    static constexpr E_Id_Column s_Columns[8] = {
        E_Id_Column_Thk_1,         E_Id_Column_Thk_2,     E_Id_Column_Thk_3,          E_Id_Column_Thk_4,
        E_Id_Column_Ratio_Poisson, E_Id_Column_Modulus_E, E_Id_Column_Limit_Stress_Y, E_Id_Column_Limit_Stress_U};
    C_Route_Request requests[8];
    std::vector<C_Route_Request*> p_requests;
    for (int i = 0; i < 8; ++i) {
        requests[i].m_Id = s_Columns[i];
        p_requests.push_back(&requests[i]);
    }
    try {
        sp_property->M_Fn_Select_multiple(p_requests, nullptr, false);
    } catch (const N_Common::N_Exception::C_Exception&) {
        // A property whose material key is not resolved: its values count as missing.
        for (auto& request : requests)
            request.m_Visitor = C_Visitor_Field();
    }
    std::optional<float> values[8];
    for (int i = 0; i < 8; ++i)
        values[i] = G_Fn_Value_Float(requests[i].m_Visitor);

    if (!i_Thk_Individual) {
        const float weights[4] = {i_W1, i_W2, i_W3, i_W4};
        float thk = 0;
        for (int i = 0; i < 4; ++i)
            if (values[i])
                thk += weights[i] * *values[i];
        m_Thk = thk;
    }
    if (!G_Fn_Valid(m_Thk))
        m_Flag |= E_Flag_Invalid;
    m_Thk_Over_Length = m_Thk / m_Length;
    if (!G_Fn_Valid(m_Thk_Over_Length))
        m_Flag |= E_Flag_Invalid;
    m_Area = m_Length * m_Thk;
    if (!G_Fn_Valid(m_Area))
        m_Flag |= E_Flag_Invalid;

    float* const fields[4] = {&m_Ratio_Poisson, &m_Modulus_E, &m_Limit_Stress_Y, &m_Limit_Stress_U};
    for (int i = 0; i < 4; ++i) {
        const std::optional<float>& value = values[4 + i];
        if (value)
            *fields[i] = *value;
        if (!value || !G_Fn_Valid(*value))
            m_Flag |= E_Flag_Invalid;
    }
}

void C_D_Tess_E_Segment::M_Fn_Draw_Geom(C_Context_Draw_Tess& ro_Context) const
{
    if (!ro_Context.m_Show_Thk) {
        glBegin(GL_LINES);
        glArrayElement(static_cast<GLint>(m_Ref_Nodes[0].m_Id_Node));
        glArrayElement(static_cast<GLint>(m_Ref_Nodes[1].m_Id_Node));
        glEnd();
        return;
    }
    const float half = m_Thk * 0.5f;
    if (!(half >= G_Tolerance) || !ro_Context.m_p_Sect)
        return;
    const C_D_Tess_Node& n0 = M_Fn_Node_Pos_Get(0, *ro_Context.m_p_Sect);
    const C_D_Tess_Node& n1 = M_Fn_Node_Pos_Get(1, *ro_Context.m_p_Sect);
    const float ox = m_Dir_Unit.y * half;
    const float oy = -m_Dir_Unit.x * half;
    glBegin(GL_QUADS);
    glVertex2f(n0.m_X + ox, n0.m_Y + oy);
    glVertex2f(n0.m_X - ox, n0.m_Y - oy);
    glVertex2f(n1.m_X - ox, n1.m_Y - oy);
    glVertex2f(n1.m_X + ox, n1.m_Y + oy);
    glEnd();
}

void C_D_Tess_E_Segment::M_Fn_Desc_Output_Body(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                               C_Context_Desc_Output& ro_Output) const
{
    const std::wstring prefix_node = i_Prefix + L"  ";
    const wchar_t* const labels_node[2] = {L"Node Start:", L"Node Terminate:"};
    for (std::uint32_t i = 0; i < 2; ++i) {
        ro_Output.M_Fn_Add_Empty();
        ro_Output.M_Fn_Add(i_Prefix, labels_node[i]);
        ro_Output.M_Fn_Add_Empty();
        if (i_p_Sect)
            M_Fn_Node_Pos_Get(i, *i_p_Sect).M_Fn_Desc_Output(i_p_Sect, prefix_node, ro_Output);
    }
    ro_Output.M_Fn_Add_Empty();
    ro_Output.M_Fn_Add(i_Prefix, (m_Flag & E_Flag_Loop) ? L"In Loop" : L"In Branch");
    ro_Output.M_Fn_Add_Empty();
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Length: ", m_Length);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Thk: ", m_Thk);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Thk/L: ", m_Thk_Over_Length);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Area: ", m_Area);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Mat. Poisson Ratio: ", m_Ratio_Poisson);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Mat. E.Modulus: ", m_Modulus_E);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Mat. Strs.Y: ", m_Limit_Stress_Y);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Mat. Strs.U: ", m_Limit_Stress_U);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Dep/L-0: ", m_Dep_L[0]);
    ro_Output.M_Fn_Add_Float(i_Prefix, L"Dep/L-1: ", m_Dep_L[1]);
    const wchar_t* const labels_stress[5] = {L"Strs.Max", L"Strs.Cri", L"Strs.Cor", L"Strs.Avg", L"Strs.Min"};
    for (std::uint32_t s = 0; s < 5; ++s) {
        ro_Output.M_Fn_Add_Float(i_Prefix, std::wstring(labels_stress[s]) + L"-0: ", m_Stress[2 * s]);
        ro_Output.M_Fn_Add_Float(i_Prefix, std::wstring(labels_stress[s]) + L"-1: ", m_Stress[2 * s + 1]);
    }
}

} // namespace N_Biz::N_Sect
