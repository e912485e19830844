#include "biz/sect/Biz_Sect_D_Geom_Entity.h"

#include "biz/db/Biz_DB_Row.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Draw_Geom.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Curve_NURBS.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_D_Tess_Element.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "biz/sect/Biz_Sect_Mgr_D_Relation_Geom_E_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "biz/sect/Biz_Sect_Tess_Settings.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

#include <utility>

namespace N_Biz::N_Sect {

namespace N_Stream = N_Common::N_Stream;

C_D_Geom_Entity::~C_D_Geom_Entity() = default;

std::unique_ptr<C_D_Geom_Entity> C_D_Geom_Entity::S_Fn_Factory_apo_D_Geom_Entity(std::int32_t i_Type)
{
    switch (i_Type) {
    case E_Type_Arc: return std::make_unique<C_D_Geom_E_Arc>();
    case E_Type_NURBS: return std::make_unique<C_D_Geom_E_Curve_NURBS>();
    case E_Type_Line: return std::make_unique<C_D_Geom_E_Line>();
    default: break;
    }
    VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::S_Fn_Factory_apo_D_Geom_Entity");
}

std::unique_ptr<C_D_Geom_Entity> C_D_Geom_Entity::Clone_apo_D_Geom_Entity() const
{
    VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::Clone_apo_D_Geom_Entity");
}

// --- binary form ---------------------------------------------------------------------------------

E_Result C_D_Geom_Entity::M_Fn_Stream_Serialize_I(std::istream& ro_Stream)
{
    E_Result result = C_D_Geom::M_Fn_Stream_Serialize_I(ro_Stream);
    if (result != E_Result_Success)
        return result;
    std::int32_t property = 0;
    if (N_Stream::G_Fn_Serialize_I(ro_Stream, property) != E_Result_Success)
        return E_Result_Stream_Failure;

    // The vector form of the stream functions, read by hand: its indices come from the file, and a
    // file is not allowed to make the reader throw.
    std::uint32_t size = 0;
    std::uint32_t first = 0;
    std::uint32_t end = 0;
    if (N_Stream::N_Impl::G_Fn_Read_Count(ro_Stream, size) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (N_Stream::G_Fn_Serialize_I(ro_Stream, first) != E_Result_Success ||
        N_Stream::G_Fn_Serialize_I(ro_Stream, end) != E_Result_Success)
        return E_Result_Stream_Failure;
    if (first != 0 || end != size)
        return N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
    std::vector<C_Ref_Geom_P> refs;
    refs.reserve(N_Stream::N_Impl::G_Fn_Reserve_Count(size, sizeof(C_Ref_Geom_P)));
    for (std::uint32_t i = 0; i < size; ++i) {
        C_Ref_Geom_P ref;
        if (N_Stream::G_Fn_Serialize_I(ro_Stream, ref.m_Next.m_Id_Entity) != E_Result_Success ||
            N_Stream::G_Fn_Serialize_I(ro_Stream, ref.m_Next.m_Pos) != E_Result_Success ||
            N_Stream::G_Fn_Serialize_I(ro_Stream, ref.m_Id_Point) != E_Result_Success)
            return E_Result_Stream_Failure;
        refs.push_back(ref);
    }
    m_Key_C_P = T_Key_C_P(property);
    m_Ref_Points = std::move(refs);
    return E_Result_Success;
}

E_Result C_D_Geom_Entity::M_Fn_Stream_Serialize_O(std::ostream& ro_Stream) const
{
    const E_Result result = C_D_Geom::M_Fn_Stream_Serialize_O(ro_Stream);
    if (result != E_Result_Success)
        return result;
    N_Stream::G_Fn_Serialize_O(ro_Stream, m_Key_C_P.M_Fn_Get_o_T_Pos_Any());
    const auto size = static_cast<std::uint32_t>(m_Ref_Points.size());
    N_Stream::G_Fn_Serialize_O(ro_Stream, size);
    N_Stream::G_Fn_Serialize_O(ro_Stream, std::uint32_t(0));
    N_Stream::G_Fn_Serialize_O(ro_Stream, size);
    for (const C_Ref_Geom_P& ref : m_Ref_Points) {
        N_Stream::G_Fn_Serialize_O(ro_Stream, ref.m_Next.m_Id_Entity);
        N_Stream::G_Fn_Serialize_O(ro_Stream, ref.m_Next.m_Pos);
        N_Stream::G_Fn_Serialize_O(ro_Stream, ref.m_Id_Point);
    }
    return N_Stream::N_Impl::G_Fn_Written(ro_Stream);
}

E_Result C_D_Geom_Entity::M_Fn_Stream_Serialize_Ref_Count_Check(std::istream& ro_Stream, std::size_t i_Count) const
{
    if (m_Ref_Points.size() != i_Count)
        return N_Stream::N_Impl::G_Fn_Refuse(ro_Stream);
    return E_Result_Success;
}

// --- modifiable data and end points ------------------------------------------------------------

void C_D_Geom_Entity::M_Fn_Modifiable_Swap(C_D_Geom_Entity& ro_Other)
{
    m_Key_C_P.swap(ro_Other.m_Key_C_P);
}

bool C_D_Geom_Entity::M_Fn_Ref_Point_Has_Endpoint() const
{
    VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_Ref_Point_Has_Endpoint");
}

bool C_D_Geom_Entity::M_Fn_Ref_Point_Is_Endpoint(std::uint32_t i_Pos) const
{
    VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_Ref_Point_Is_Endpoint");
}

std::uint32_t C_D_Geom_Entity::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other(std::uint32_t i_Pos) const
{
    VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_The_Other");
}

std::uint32_t C_D_Geom_Entity::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Start() const
{
    VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Start");
}

std::uint32_t C_D_Geom_Entity::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Terminate() const
{
    VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_Ref_Point_Get_i_Pos_Point_Ctrl_Endpoint_Terminate");
}

// --- crossing, breaking, moving ------------------------------------------------------------------

std::int32_t C_D_Geom_Entity::M_Fn_Intersection_Get_By_Segment(const C_Sect& ro_Sect, std::int32_t& o_Flag,
                                                               C_Vector2f& o_Point, const C_Vector2f& ro_A,
                                                               const C_Vector2f& ro_B) const
{
    o_Flag = 0;
    return 0;
}

void C_D_Geom_Entity::M_Fn_Intersection_Break_By_Line(C_Sect& ro_Sect, const T_sp_Group& ro_sp_Group,
                                                      std::int32_t& o_Flag, std::uint32_t& o_Id_Point_New,
                                                      const C_Vector2f& ro_A, const C_Vector2f& ro_B)
{
    o_Flag = 0;
    o_Id_Point_New = 0;
}

std::int32_t C_D_Geom_Entity::M_Fn_Move_Check(std::int32_t& o_Result, C_Context_Edit_Geom& io_Move)
{
    o_Result = 0;
    VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_Move_Check");
}

// --- points and mesh ---------------------------------------------------------------------------

void C_D_Geom_Entity::M_Fn_Ref_Point_Connect(C_Sect& ro_Sect)
{
    C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    const auto& entities = ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store();
    // Every point first: a missing one must not leave the entity half linked.
    for (const C_Ref_Geom_P& ref : m_Ref_Points)
        if (ref.m_Id_Point <= 0 || !mgr_p.M_Fn_Get_Store().is_used_at(static_cast<std::uint32_t>(ref.m_Id_Point)))
            VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_Ref_Point_Connect");
    for (std::uint32_t pos = 0; pos < m_Ref_Points.size(); ++pos)
        mgr_p.M_Fn_Get_At(static_cast<std::uint32_t>(m_Ref_Points[pos].m_Id_Point))
            .M_Fn_Ref_Entity_Add(*this, pos, entities);
}

void C_D_Geom_Entity::M_Fn_Ref_Point_Disconnect(C_Sect& ro_Sect)
{
    C_Mgr_D_Geom_P& mgr_p = ro_Sect.M_Fn_Get_Mgr_D_Geom_P();
    const auto& entities = ro_Sect.M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_Store();
    for (std::uint32_t pos = 0; pos < m_Ref_Points.size(); ++pos)
        mgr_p.M_Fn_Get_At(static_cast<std::uint32_t>(m_Ref_Points[pos].m_Id_Point))
            .M_Fn_Ref_Entity_Remove(*this, pos, entities);
}

void C_D_Geom_Entity::M_Fn_Relation_Tess_Clear(C_Sect& ro_Sect)
{
    if (m_Id_Relation == 0)
        return;
    C_Mgr_D_Relation_Geom_E_Tess_E& mgr_r = ro_Sect.M_Fn_Get_Mgr_D_Relation();
    C_Mgr_D_Tess_E& mgr_e = ro_Sect.M_Fn_Get_Mgr_D_Tess_E();
    C_Mgr_D_Tess_N& mgr_n = ro_Sect.M_Fn_Get_Mgr_D_Tess_N();

    const std::vector<std::uint32_t> ids_element = mgr_r.M_Fn_Get_At(m_Id_Relation)->m_Ids_Tess_E;
    // Every element first, so that a missing one leaves the mesh as it was.
    for (std::uint32_t id : ids_element)
        if (!mgr_e.M_Fn_Get_Store().is_used_at(id) || !mgr_e.M_Fn_Get_At(id))
            VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_Relation_Tess_Clear");
    mgr_r.M_Fn_D_Erase_At(m_Id_Relation);
    for (std::uint32_t id : ids_element) {
        std::shared_ptr<C_D_Tess_Element> sp_element;
        mgr_e.M_Fn_D_Remove_At(id, sp_element);
        for (const C_Ref_Tess_N& ref : sp_element->m_Ref_Nodes)
            if (mgr_n.M_Fn_Get_Store().is_used_at(ref.m_Id_Node) && mgr_n.M_Fn_Get_At(ref.m_Id_Node).m_Count_Ref == 0)
                mgr_n.M_Fn_D_Erase_At(ref.m_Id_Node);
    }
}

// --- property ----------------------------------------------------------------------------------

void C_D_Geom_Entity::M_Fn_Key_C_Property_Rebuild_Pointer(const T_Table_C_P& ro_Table)
{
    if (m_Key_C_P.M_Fn_Type_Get_E_Type() == N_Biz::N_DB::N_Impl::E_Type_Key_Id) {
        const std::int32_t id = m_Key_C_P.M_Fn_Get_o_T_Key_Any();
        if (id > 0 && ro_Table.is_used_at(static_cast<std::uint32_t>(id))) {
            const auto& sp_card = ro_Table.at(static_cast<std::uint32_t>(id));
            if (!sp_card)
                VT_THROW("N_Biz::N_Sect::C_D_Geom_Entity::M_Fn_Key_C_Property_Rebuild_Pointer");
            m_Key_C_P = T_Key_C_P(sp_card);
            return;
        }
    } else if (m_Key_C_P.M_Fn_Lock()) {
        return;
    }
    m_Key_C_P = T_Key_C_P();
}

namespace {

// A thickness column's value, 0 when the card has none.
float G_Fn_Thk_Value(const N_Biz::N_DB::C_Visitor_Field& ro_Visitor)
{
    using namespace N_Biz::N_DB;
    if (ro_Visitor.M_Fn_Is_Empty())
        return 0.0f;
    switch (ro_Visitor.M_Fn_Type()) {
    case E_Type_Obj_FLOAT32: return ro_Visitor.M_Fn_Get<float>();
    case E_Type_Obj_FLOAT64: return static_cast<float>(ro_Visitor.M_Fn_Get<double>());
    default: return 0.0f;
    }
}

} // namespace

bool C_D_Geom_Entity::M_Fn_Get_Thk_Tess(float& o_Thk) const
{
    using namespace N_Biz::N_DB;
    o_Thk = 0.0f;
    const auto sp_card = m_Key_C_P.M_Fn_Lock();
    if (!sp_card)
        return false;
    std::vector<C_Route_Request> requests(4);
    requests[0].m_Id = E_Id_Column_Thk_1;
    requests[1].m_Id = E_Id_Column_Thk_2;
    requests[2].m_Id = E_Id_Column_Thk_3;
    requests[3].m_Id = E_Id_Column_Thk_4;
    float sum = 0.0f;
    try {
        sp_card->M_Fn_Select_multiple_List(requests, nullptr, false);
        for (const C_Route_Request& request : requests)
            sum += G_Fn_Thk_Value(request.m_Visitor);
    } catch (const N_Common::N_Exception::C_Exception&) {
        // A card whose section is not resolved has no thickness to mesh with.
        return false;
    }
    const float mean = sum * 0.25f;
    if (!(mean > N_Common::N_Math::G_Tolerance))
        return false;
    o_Thk = mean * G_Fn_Tess_Config_Data().m_Tess_Length_Over_Thk * 1.015625f;
    return true;
}

// --- description -------------------------------------------------------------------------------

void C_D_Geom_Entity::M_Fn_Desc_Output_Header(const std::wstring& i_Prefix, C_Context_Desc_Output& ro_Output) const
{
    ro_Output.M_Fn_Add_Text(i_Prefix, L"Entity Type: ", M_Fn_Type_Name_Get());
    ro_Output.M_Fn_Add_Int(i_Prefix, L"Entity Id: ", m_Id);
}

void C_D_Geom_Entity::M_Fn_Desc_Output_Property(const std::wstring& i_Prefix, C_Context_Desc_Output& ro_Output) const
{
    if (M_Fn_Is_Weld()) {
        ro_Output.M_Fn_Add(i_Prefix, L"Weld");
        return;
    }
    ro_Output.M_Fn_Add(i_Prefix, L"Property:");
    ro_Output.M_Fn_Add_Empty();
    const auto sp_card = m_Key_C_P.M_Fn_Lock();
    if (!sp_card)
        return;
    std::vector<std::wstring> lines;
    sp_card->M_Fn_Get_wstring_Desc(i_Prefix + L"  ", lines);
    for (std::wstring& line : lines)
        ro_Output.M_Fn_Add_Row(std::move(line));
}

void C_D_Geom_Entity::M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                       C_Context_Desc_Output& ro_Output) const
{
    M_Fn_Desc_Output_Header(i_Prefix, ro_Output);
    ro_Output.M_Fn_Add_Empty();
    M_Fn_Desc_Output_Property(i_Prefix, ro_Output);
}

// --- drawing -----------------------------------------------------------------------------------

bool C_D_Geom_Entity::M_Fn_Draw_Sel_Get(const C_Context_Draw_Geom& ro_Context, const float*& o_Color,
                                        float& o_Width) const
{
    if (ro_Context.m_Move_Preview)
        return false;
    bool picked = (m_Flag & E_Flag_Picked) != 0;
    bool selected = (m_Flag & E_Flag_Selected) != 0;
    const auto sp_property = m_Key_C_P.M_Fn_Lock();
    N_Common::N_Pointer::lesser_shared_ptr<N_Biz::N_DB::C_Row_C_Material> sp_material;
    if (sp_property) {
        const std::uint32_t state = sp_property->m_Display.m_u32_State;
        picked = picked || (state & 0x1);
        selected = selected || (state & 0x2);
        sp_material = sp_property->M_Fn_Key_C_Material().M_Fn_Lock();
        if (sp_material) {
            const std::uint32_t state_m = sp_material->m_Display.m_u32_State;
            picked = picked || (state_m & 0x1);
            selected = selected || (state_m & 0x2);
        }
    }
    if (ro_Context.m_Override) {
        picked = ro_Context.m_Override_Picked != 0;
        selected = ro_Context.m_Override_Selected != 0;
    }
    const N_Biz::N_DB::N_Impl::C_Row_Display* p_display = nullptr;
    if (ro_Context.m_Color_By_Material)
        p_display = sp_material ? &sp_material->m_Display : nullptr;
    else
        p_display = sp_property ? &sp_property->m_Display : nullptr;
    if (p_display)
        o_Color = picked ? p_display->m_Color_Picked.data()
                         : (selected ? p_display->m_Color_Selected.data() : p_display->m_Color_Normal.data());
    else
        o_Color = (m_Flag & E_Flag_Picked)
                      ? ro_Context.m_p_Color_Picked
                      : ((m_Flag & E_Flag_Selected) ? ro_Context.m_p_Color_Selected : ro_Context.m_p_Color_Normal);
    o_Width = (picked || selected) ? 3.0f : 1.0f;
    return true;
}

void C_D_Geom_Entity::M_Fn_Draw_Sel(C_Context_Draw_Geom& io_Context) const
{
    const float* p_color = nullptr;
    float width = 0.0f;
    if (!M_Fn_Draw_Sel_Get(io_Context, p_color, width))
        return;
    if (p_color != io_Context.m_p_Color) {
        io_Context.m_p_Color = p_color;
        if (p_color)
            glColor4fv(p_color);
    }
    if (width != io_Context.m_Line_Width) {
        io_Context.m_Line_Width = width;
        glLineWidth(width);
    }
}

} // namespace N_Biz::N_Sect
