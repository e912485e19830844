#include "biz/sect/Biz_Sect_D_Tess_Element.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Context_Desc_Output.h"
#include "biz/sect/Biz_Sect_Context_Draw_Tess.h"
#include "biz/sect/Biz_Sect_Mgr_D_Tess_N.h"
#include "common/Common_Exception.h"

#include <GL/gl.h>

namespace N_Biz::N_Sect {

C_D_Tess_Element::~C_D_Tess_Element() = default;

std::unique_ptr<C_D_Tess_Element> C_D_Tess_Element::Clone_apo_D_Tess_Element() const
{
    VT_THROW("N_Biz::N_Sect::C_D_Tess_Element::Clone_apo_D_Tess_Element");
}

bool C_D_Tess_Element::M_Fn_Ref_Node_Is_Endpoint(std::uint32_t i_Pos) const
{
    VT_THROW("N_Biz::N_Sect::C_D_Tess_Element::M_Fn_Ref_Node_Is_Endpoint");
}

std::uint32_t C_D_Tess_Element::M_Fn_Ref_Node_Get_i_Pos_Node_Ctrl_The_Other_Endpoint(std::uint32_t i_Pos) const
{
    VT_THROW("N_Biz::N_Sect::C_D_Tess_Element::M_Fn_Ref_Node_Get_i_Pos_Node_Ctrl_The_Other_Endpoint");
}

void C_D_Tess_Element::M_Fn_Ref_Node_Connect(C_Sect& ro_Sect)
{
    C_Mgr_D_Tess_N& mgr = ro_Sect.M_Fn_Get_Mgr_D_Tess_N();
    std::uint32_t i = 0;
    try {
        for (; i < m_Ref_Nodes.size(); ++i)
            mgr.M_Fn_Get_At(m_Ref_Nodes[i].m_Id_Node).M_Fn_Ref_Element_Add(this, i);
    } catch (...) {
        // Leave the chains as they were before the call.
        while (i > 0) {
            --i;
            mgr.M_Fn_Get_At(m_Ref_Nodes[i].m_Id_Node).M_Fn_Ref_Element_Remove(this, i);
        }
        throw;
    }
}

void C_D_Tess_Element::M_Fn_Ref_Node_Disconnect(C_Sect& ro_Sect)
{
    C_Mgr_D_Tess_N& mgr = ro_Sect.M_Fn_Get_Mgr_D_Tess_N();
    for (std::uint32_t i = 0; i < m_Ref_Nodes.size(); ++i)
        mgr.M_Fn_Get_At(m_Ref_Nodes[i].m_Id_Node).M_Fn_Ref_Element_Remove(this, i);
}

C_D_Tess_Node& C_D_Tess_Element::M_Fn_Node_Pos_Get(std::uint32_t i_Pos, C_Sect& ro_Sect) const
{
    if (i_Pos >= m_Ref_Nodes.size())
        VT_THROW("N_Biz::N_Sect::C_D_Tess_Element::M_Fn_Node_Pos_Get");
    return ro_Sect.M_Fn_Get_Mgr_D_Tess_N().M_Fn_Get_At(m_Ref_Nodes[i_Pos].m_Id_Node);
}

const C_D_Tess_Node& C_D_Tess_Element::M_Fn_Node_Pos_Get(std::uint32_t i_Pos, const C_Sect& ro_Sect) const
{
    if (i_Pos >= m_Ref_Nodes.size())
        VT_THROW("N_Biz::N_Sect::C_D_Tess_Element::M_Fn_Node_Pos_Get");
    return ro_Sect.M_Fn_Get_Mgr_D_Tess_N().M_Fn_Get_At(m_Ref_Nodes[i_Pos].m_Id_Node);
}

void C_D_Tess_Element::S_Fn_Draw_Flags_Or_Cards(const T_Key_C_P& ro_Key, bool& io_Picked, bool& io_Selected)
{
    using N_Biz::N_DB::N_Impl::C_Row_Display;
    const auto sp_property = ro_Key.M_Fn_Lock();
    if (!sp_property)
        return;
    io_Picked = io_Picked || (sp_property->m_Display.m_u32_State & C_Row_Display::E_State_Picked);
    io_Selected = io_Selected || (sp_property->m_Display.m_u32_State & C_Row_Display::E_State_Selected);
    const auto sp_material = sp_property->M_Fn_Key_C_Material().M_Fn_Lock();
    if (!sp_material)
        return;
    io_Picked = io_Picked || (sp_material->m_Display.m_u32_State & C_Row_Display::E_State_Picked);
    io_Selected = io_Selected || (sp_material->m_Display.m_u32_State & C_Row_Display::E_State_Selected);
}

const float* C_D_Tess_Element::S_Fn_Draw_Color_Choose(const C_Context_Draw_Tess& ro_Context, const T_Key_C_P& ro_Key,
                                                      bool i_Picked, bool i_Selected, std::uint32_t i_Flag_Own)
{
    const N_Biz::N_DB::N_Impl::C_Row_Display* p_display = nullptr;
    // The cards live in the project's managers for the whole drawing, so their colour records may
    // be handed to GL (and cached) after the counted pointers below are dropped.
    const auto sp_property = ro_Key.M_Fn_Lock();
    if (sp_property) {
        if (ro_Context.m_Color_By_Material) {
            const auto sp_material = sp_property->M_Fn_Key_C_Material().M_Fn_Lock();
            if (sp_material)
                p_display = &sp_material->m_Display;
        } else {
            p_display = &sp_property->m_Display;
        }
    }
    if (p_display) {
        if (i_Picked)
            return p_display->m_Color_Picked.data();
        if (i_Selected)
            return p_display->m_Color_Selected.data();
        return p_display->m_Color_Normal.data();
    }
    if (i_Flag_Own & E_Flag_Picked)
        return ro_Context.m_p_Color_Picked;
    if (i_Flag_Own & E_Flag_Selected)
        return ro_Context.m_p_Color_Selected;
    return ro_Context.m_p_Color_Normal;
}

void C_D_Tess_Element::S_Fn_Draw_Color_Set(C_Context_Draw_Tess& ro_Context, const float* ip_Color)
{
    if (!ip_Color || ip_Color == ro_Context.m_p_Color)
        return;
    ro_Context.m_p_Color = ip_Color;
    glColor4fv(ip_Color);
}

void C_D_Tess_Element::S_Fn_Draw_Width_Set(C_Context_Draw_Tess& ro_Context, float i_Width)
{
    if (i_Width == ro_Context.m_Line_Width)
        return;
    ro_Context.m_Line_Width = i_Width;
    glLineWidth(i_Width);
}

void C_D_Tess_Element::M_Fn_Draw(C_Context_Draw_Tess& ro_Context) const
{
    bool picked = (m_Flag & E_Flag_Picked) != 0;
    bool selected = (m_Flag & E_Flag_Selected) != 0;
    S_Fn_Draw_Flags_Or_Cards(m_Key_C_P, picked, selected);
    if (ro_Context.m_Override) {
        picked = ro_Context.m_Override_Picked;
        selected = ro_Context.m_Override_Selected;
    }
    S_Fn_Draw_Color_Set(ro_Context, S_Fn_Draw_Color_Choose(ro_Context, m_Key_C_P, picked, selected, m_Flag));
    float width = 1.0f;
    if (!ro_Context.m_Show_Thk) {
        if (ro_Context.m_Show_Loop ? (m_Flag & E_Flag_Loop) != 0 : (picked || selected))
            width = 3.0f;
    }
    S_Fn_Draw_Width_Set(ro_Context, width);
    M_Fn_Draw_Geom(ro_Context);
}

void C_D_Tess_Element::M_Fn_Desc_Output(const C_Sect* i_p_Sect, const std::wstring& i_Prefix,
                                        C_Context_Desc_Output& ro_Output) const
{
    ro_Output.M_Fn_Add_Text(i_Prefix, L"Element Type: ", M_Fn_Type_Name_Get());
    ro_Output.M_Fn_Add_Int(i_Prefix, L"Element Id: ", m_Id);
    M_Fn_Desc_Output_Body(i_p_Sect, i_Prefix, ro_Output);
    ro_Output.M_Fn_Add_Empty();
    if (m_Flag & E_Flag_Weld)
        ro_Output.M_Fn_Add(i_Prefix, L"Weld");
}

} // namespace N_Biz::N_Sect
