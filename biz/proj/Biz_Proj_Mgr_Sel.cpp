#include "biz/proj/Biz_Proj_Mgr_Sel.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/model/Biz_Model.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/proj/Biz_Proj_Mgr_D_Model.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "biz/proj/Biz_Proj_Mgr_Frame.h"
#include "biz/proj/Biz_Proj_Mgr_State.h"
#include "biz/proj/Biz_Proj_State_Event.h"
#include "biz/proj/Biz_Proj_State_Machine_Top.h"
#include "biz/sect/Biz_Sect.h"
#include "common/Common_Exception.h"
#include "common/Common_Graphic_OpenGL_Select.h"

#include <sstream>
#include <stdexcept>

namespace N_Biz::N_Proj {

namespace {

using N_Common::N_Pointer::lesser_shared_ptr;
using N_DB::C_Row_C_Material;
using N_DB::C_Row_C_Property;

constexpr std::uint32_t K_Picked = 0x1;

// The property card of an element row, or null when its key names no living card.
lesser_shared_ptr<C_Row_C_Property> G_Fn_Property_Of(const N_DB::C_Row_Element_2D& ro_Element)
{
    return ro_Element.M_Fn_Key_C_Property().M_Fn_Lock();
}

// The material card of an element row through its property card, or null when the chain breaks.
lesser_shared_ptr<C_Row_C_Material> G_Fn_Material_Of(const N_DB::C_Row_Element_2D& ro_Element)
{
    const lesser_shared_ptr<C_Row_C_Property> sp_property = G_Fn_Property_Of(ro_Element);
    if (!sp_property)
        return {};
    return sp_property->M_Fn_Key_C_Material().M_Fn_Lock();
}

// The row a single pick names; a handle that names none is reported as C_Exception.
template <class F>
auto G_Fn_Row_Or_Throw(F&& i_Fn, const char* i_Function) -> decltype(i_Fn())
{
    try {
        return i_Fn();
    } catch (const std::out_of_range&) {
        VT_THROW(i_Function);
    }
}

std::wstring G_Fn_Float_Text(float i_Value)
{
    std::wostringstream text;
    text << i_Value;
    return text.str();
}

} // namespace

void C_Mgr_Sel::M_Fn_Mode_Check(const char* i_Function) const
{
    if (m_Mode > S_Mode_Max)
        VT_THROW(i_Function);
}

void C_Mgr_Sel::M_Fn_Sel_Mode_Set(bool i_Always_Toggle, bool i_Always_Add, bool i_Clear, bool i_Multiple,
                                  bool i_Shift_Add, bool i_Ctrl_Toggle, std::uint32_t i_Mode,
                                  const std::wstring& i_Prompt)
{
    if (i_Mode > S_Mode_Max)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_Mode_Set");
    if (i_Clear) {
        M_Fn_Sel_P1_Clear();
        M_Fn_Sel_P0_Clear();
    }
    std::uint32_t flags = m_Flags & ~std::uint32_t(0x1F);
    if (i_Multiple)
        flags |= E_Flag_Multiple;
    if (i_Shift_Add)
        flags |= E_Flag_Shift_Add;
    if (i_Ctrl_Toggle)
        flags |= E_Flag_Ctrl_Toggle;
    if (i_Always_Add)
        flags |= E_Flag_Always_Add;
    if (i_Always_Toggle)
        flags |= E_Flag_Always_Toggle;
    m_Flags = flags;
    m_Mode = i_Mode;
    m_Prompt = i_Prompt;
    m_p_Proj->M_Fn_Signal_Fire(E_Signal_Sel_Mode);
    N_Common::N_State::C_Machine::M_Fn_Event_Process<N_State::C_Event_Sel_Mode_Update>(
        m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Get_Machine());
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_Config_Disp_Update();
}

void C_Mgr_Sel::M_Fn_Sel_P0_Clear()
{
    M_Fn_Mode_Check("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P0_Clear");
    switch (m_Mode) {
    case 1: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Clear(); break;
    case 2: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P0_Clear(); break;
    case 3:
    case 4:
    case 5: m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P0_Clear(); break;
    case 6: m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P0_Clear(); break;
    case 8: m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Sel().M_Fn_Sel_P0_Clear(); break;
    default: break; // modes 0 and 7 pick nothing
    }
    m_Desc.clear();
}

void C_Mgr_Sel::M_Fn_Sel_P1_Clear()
{
    M_Fn_Mode_Check("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P1_Clear");
    switch (m_Mode) {
    case 1: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P1_Clear(); break;
    case 2: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P1_Clear(); break;
    case 3:
    case 4:
    case 5: m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Clear(); break;
    case 6: m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P1_Clear(); break;
    case 8: m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Sel().M_Fn_Sel_P1_Clear(); break;
    default: break;
    }
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_Sel::M_Fn_Sel_Refresh()
{
    M_Fn_Sel_P0_Desc_Update();
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

// --- selection set ---------------------------------------------------------------------------------

void C_Mgr_Sel::M_Fn_Sel_P1_Update(bool i_Shift, bool i_Ctrl)
{
    M_Fn_Mode_Check("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P1_Update");
    if ((m_Flags & E_Flag_Always_Add) || ((m_Flags & E_Flag_Shift_Add) && i_Shift))
        M_Fn_Sel_P1_Update_Or();
    else if (!(m_Flags & E_Flag_Always_Toggle) && !((m_Flags & E_Flag_Ctrl_Toggle) && i_Ctrl))
        M_Fn_Sel_P1_Update_Yes();
    else
        M_Fn_Sel_P1_Update_Xor();
    N_Common::N_State::C_Machine::M_Fn_Event_Process<N_State::C_Event_Sel_P1_Update>(
        m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Get_Machine());
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

void C_Mgr_Sel::M_Fn_Sel_P1_Update_Yes()
{
    M_Fn_Mode_Check("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P1_Update_Yes");
    switch (m_Mode) {
    case 1: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P1_Update_Yes(); break;
    case 2: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P1_Update_Yes(); break;
    case 3:
    case 4:
    case 5: m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Update_Yes(); break;
    case 6: m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P1_Yes(); break;
    case 8: m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Sel().M_Fn_Sel_P1_Update_Yes(); break;
    default: break;
    }
}

void C_Mgr_Sel::M_Fn_Sel_P1_Update_Xor()
{
    M_Fn_Mode_Check("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P1_Update_Xor");
    switch (m_Mode) {
    case 1: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P1_Update_Xor(); break;
    case 2: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P1_Update_Xor(); break;
    case 3:
    case 4:
    case 5: m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Update_Xor(); break;
    case 6: m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P1_Xor(); break;
    case 8: m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Sel().M_Fn_Sel_P1_Update_Xor(); break;
    default: break;
    }
}

void C_Mgr_Sel::M_Fn_Sel_P1_Update_Or()
{
    M_Fn_Mode_Check("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P1_Update_Or");
    switch (m_Mode) {
    case 1: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P1_Update_Or(); break;
    case 2: m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P1_Update_Or(); break;
    case 3:
    case 4:
    case 5: m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P1_Update_Or(); break;
    case 6: m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P1_Or(); break;
    case 8: m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Sel().M_Fn_Sel_P1_Update_Or(); break;
    default: break;
    }
}

void C_Mgr_Sel::M_Fn_Sel_P1_Set_Scrn(const N_Common::N_Math::C_Vector3<float>& ro_Position)
{
    if (m_Mode != 3 && m_Mode != 4)
        VT_THROW("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P1_Set_Scrn");
    auto& sel = m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel();
    sel.M_Fn_Sel_P0_Clear();
    sel.M_Fn_Sel_P0_Add(C_Handle_D_DB_N{0, 0, ro_Position});
    M_Fn_Sel_P0_Desc_Update();
    if (m_Flags & E_Flag_Always_Add)
        M_Fn_Sel_P1_Update_Or();
    else if (m_Flags & E_Flag_Always_Toggle)
        M_Fn_Sel_P1_Update_Xor();
    else
        M_Fn_Sel_P1_Update_Yes();
    N_Common::N_State::C_Machine::M_Fn_Event_Process<N_State::C_Event_Sel_P1_Update>(
        m_p_Proj->M_Fn_Get_Mgr_State().M_Fn_Get_Machine());
    m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_View_Main_Redraw();
}

// --- current pick by rendering -----------------------------------------------------------------------

void C_Mgr_Sel::M_Fn_Pick_Begin(bool i_Rect)
{
    m_Rect_Flag = i_Rect ? 1 : 0;
    m_Have_Hit = 0;
    m_Depth_Nearest = 0.0f;
    m_Depth_Sect = 0;
    m_Depth_Sect_Far = 0;
    m_Hit = C_Handle_D_DB_E{};
    m_p_Hit_Sect = nullptr;
}

void C_Mgr_Sel::M_Fn_Sel_P0_Update(bool i_Rect)
{
    M_Fn_Mode_Check("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P0_Update");
    switch (m_Mode) {
    case 1:
    case 2:
    case 4:
    case 5:
    case 6:
        if (m_p_Proj->M_Fn_Get_Mgr_Frame().M_Fn_Get_Disp_Model() == C_Mgr_Frame::E_Disp_Hide)
            return;
        M_Fn_Sel_P0_Clear();
        M_Fn_Pick_Begin(i_Rect);
        M_Fn_Pick_Models(m_Mode == 4 || m_Mode == 5);
        break;
    case 3: VT_THROW("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P0_Update");
    case 8:
        M_Fn_Sel_P0_Clear();
        M_Fn_Pick_Begin(i_Rect);
        M_Fn_Pick_Sects();
        break;
    default: return; // modes 0 and 7 pick nothing
    }
    M_Fn_Pick_End();
    M_Fn_Sel_P0_Desc_Update();
}

void C_Mgr_Sel::M_Fn_Pick_Models(bool i_Nodes)
{
    const C_Mgr_D_Model::T_Table& models = m_p_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Models();
    N_Model::C_Model::T_Fn_Visitor visitor;
    switch (m_Mode) {
    case 1: visitor = [this](float i_Depth, std::uint32_t i_Index) { M_Fn_On_Record_Draw_Select_D_DB_C_M(i_Depth, i_Index); }; break;
    case 2: visitor = [this](float i_Depth, std::uint32_t i_Index) { M_Fn_On_Record_Draw_Select_D_DB_C_P(i_Depth, i_Index); }; break;
    case 6: visitor = [this](float i_Depth, std::uint32_t i_Index) { M_Fn_On_Record_Draw_Select_D_DB_E(i_Depth, i_Index); }; break;
    default: visitor = [this](float i_Depth, std::uint32_t i_Index) { M_Fn_On_Record_Draw_Select_D_DB_N(i_Depth, i_Index); }; break;
    }
    for (std::uint32_t slot = 1; slot < models.size(); ++slot) {
        if (!models.is_used_at(slot))
            continue;
        const C_Mgr_D_Model::T_sp_Model& sp_model = models.at(slot);
        if (!sp_model)
            VT_THROW("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P0_Update");
        m_Model_Index = slot;
        if (i_Nodes)
            sp_model->M_Fn_Draw_Select_D_DB_N(visitor);
        else
            sp_model->M_Fn_Draw_Select_D_DB_E_2D(visitor, m_Rect_Flag == 0, false);
    }
}

void C_Mgr_Sel::M_Fn_Pick_Sects()
{
    using N_Common::N_Graphic::N_OpenGL::C_Select;
    const C_Mgr_D_Sect& sects = m_p_Proj->M_Fn_Get_Mgr_D_Sect();
    C_Mgr_Frame& frame = m_p_Proj->M_Fn_Get_Mgr_Frame();
    const C_Select::C_Fn_Hit fn_hit = [this](GLuint i_Depth_Min, GLuint i_Depth_Max, GLuint i_Count_Name,
                                             const GLuint* ip_Names) {
        if (i_Count_Name > 0)
            M_Fn_On_Record_Draw_Select_D_Sect(i_Depth_Min, i_Depth_Max, ip_Names[i_Count_Name - 1]);
    };
    m_Sect_Names.clear();
    C_Select::M_Fn_Start();
    try {
        const C_Mgr_D_Sect::T_Groups& groups = sects.M_Fn_Get_Groups();
        for (std::uint32_t g = 1; g < groups.size(); ++g) {
            if (!groups.is_used_at(g))
                continue;
            const C_Mgr_D_Sect::T_sp_Group& sp_group = groups.at(g);
            if (!sp_group)
                VT_THROW("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P0_Update");
            const C_D_Group_Sect::T_Sects& table = sp_group->m_Sects;
            for (std::uint32_t s = 1; s < table.size(); ++s) {
                if (!table.is_used_at(s))
                    continue;
                N_Biz::N_Sect::C_Sect* p_sect = table.at(s).get();
                if (!p_sect)
                    VT_THROW("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P0_Update");
                C_Select::M_Fn_Check_Capacity(fn_hit);
                m_Sect_Names.push_back(p_sect);
                glLoadName(GLuint(m_Sect_Names.size()));
                frame.M_Fn_Sect_Draw_Select(*p_sect);
            }
        }
    } catch (...) {
        // The pass is closed before the failure goes on, so that the next pick can open one.
        C_Select::M_Fn_Finish([](GLuint, GLuint, GLuint, const GLuint*) {});
        m_Sect_Names.clear();
        throw;
    }
    C_Select::M_Fn_Finish(fn_hit);
    m_Sect_Names.clear();
}

bool C_Mgr_Sel::M_Fn_Hit_Nearer(float i_Depth)
{
    if (m_Have_Hit && !(i_Depth < m_Depth_Nearest))
        return false;
    m_Have_Hit = 1;
    m_Depth_Nearest = i_Depth;
    return true;
}

void C_Mgr_Sel::M_Fn_On_Record_Draw_Select_D_DB_C_M(float i_Depth, std::uint32_t i_Index)
{
    const C_Handle_D_DB_E handle{m_Model_Index, i_Index};
    const lesser_shared_ptr<C_Row_C_Material> sp_card = G_Fn_Material_Of(handle.M_Fn_Get_ro_Row_Element_2D(*m_p_Proj));
    if (!sp_card)
        return;
    if (m_Rect_Flag)
        m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Add(sp_card);
    else if (M_Fn_Hit_Nearer(i_Depth))
        m_Hit = handle;
}

void C_Mgr_Sel::M_Fn_On_Record_Draw_Select_D_DB_C_P(float i_Depth, std::uint32_t i_Index)
{
    const C_Handle_D_DB_E handle{m_Model_Index, i_Index};
    const lesser_shared_ptr<C_Row_C_Property> sp_card = G_Fn_Property_Of(handle.M_Fn_Get_ro_Row_Element_2D(*m_p_Proj));
    if (!sp_card)
        return;
    if (m_Rect_Flag)
        m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P0_Add(sp_card);
    else if (M_Fn_Hit_Nearer(i_Depth))
        m_Hit = handle;
}

void C_Mgr_Sel::M_Fn_On_Record_Draw_Select_D_DB_N(float i_Depth, std::uint32_t i_Index)
{
    if (m_Rect_Flag) {
        const C_Handle_D_DB_N handle{m_Model_Index, i_Index, {}};
        m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P0_Add(handle);
    } else if (M_Fn_Hit_Nearer(i_Depth)) {
        m_Hit = C_Handle_D_DB_E{m_Model_Index, i_Index};
    }
}

void C_Mgr_Sel::M_Fn_On_Record_Draw_Select_D_DB_E(float i_Depth, std::uint32_t i_Index)
{
    const C_Handle_D_DB_E handle{m_Model_Index, i_Index};
    if (m_Rect_Flag)
        m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P0_Add(handle);
    else if (M_Fn_Hit_Nearer(i_Depth))
        m_Hit = handle;
}

void C_Mgr_Sel::M_Fn_On_Record_Draw_Select_D_Sect(std::uint32_t i_Depth_Min, std::uint32_t i_Depth_Max,
                                                  std::uint32_t i_Name)
{
    if (i_Name == 0 || i_Name > m_Sect_Names.size() || !m_Sect_Names[i_Name - 1])
        VT_THROW("N_Biz::N_Proj::C_Mgr_Sel::M_Fn_On_Record_Draw_Select_D_Sect");
    N_Biz::N_Sect::C_Sect* p_sect = m_Sect_Names[i_Name - 1];
    if (m_Rect_Flag) {
        m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Sel().M_Fn_Sel_P0_Add(p_sect);
        return;
    }
    if (m_Have_Hit && !(i_Depth_Min < m_Depth_Sect))
        return;
    m_Have_Hit = 1;
    m_Depth_Sect = i_Depth_Min;
    m_Depth_Sect_Far = i_Depth_Max;
    m_p_Hit_Sect = p_sect;
}

void C_Mgr_Sel::M_Fn_Pick_End()
{
    if (m_Rect_Flag || !m_Have_Hit)
        return;
    switch (m_Mode) {
    case 1: {
        const lesser_shared_ptr<C_Row_C_Material> sp_card = G_Fn_Material_Of(m_Hit.M_Fn_Get_ro_Row_Element_2D(*m_p_Proj));
        if (sp_card && !(sp_card->m_Display.m_u32_State & K_Picked))
            m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Add(sp_card);
        break;
    }
    case 2: {
        const lesser_shared_ptr<C_Row_C_Property> sp_card = G_Fn_Property_Of(m_Hit.M_Fn_Get_ro_Row_Element_2D(*m_p_Proj));
        if (sp_card && !(sp_card->m_Display.m_u32_State & K_Picked))
            m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P0_Add(sp_card);
        break;
    }
    case 4:
    case 5:
        m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P0_Add(C_Handle_D_DB_N{m_Hit.m_Model, m_Hit.m_Index, {}});
        break;
    case 6:
        if (!(m_Hit.M_Fn_Get_ro_Row_Element_2D(*m_p_Proj).m_u32_Flag & K_Picked))
            m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_Sel_P0_Add(m_Hit);
        break;
    case 8:
        if (m_p_Hit_Sect && !(m_p_Hit_Sect->m_Flag & K_Picked))
            m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Sel().M_Fn_Sel_P0_Add(m_p_Hit_Sect);
        break;
    default: break;
    }
}

// --- description ---------------------------------------------------------------------------------------

void C_Mgr_Sel::M_Fn_Sel_P0_Desc_Update()
{
    static const char* const s_Function = "N_Biz::N_Proj::C_Mgr_Sel::M_Fn_Sel_P0_Desc_Update";
    M_Fn_Mode_Check(s_Function);
    m_Desc.clear();
    const std::wstring indent = L"  ";
    std::size_t count = 0;
    switch (m_Mode) {
    case 1: {
        const auto& p0 = m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Sel().M_Fn_Sel_P0_Get();
        count = p0.size();
        if (count == 1) {
            if (!p0.front())
                VT_THROW(s_Function);
            m_Desc = {L"Material:", L""};
            p0.front()->M_Fn_Get_wstring_Desc(indent, m_Desc);
        }
        break;
    }
    case 2: {
        const auto& p0 = m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Sel().M_Fn_Sel_P0_Get();
        count = p0.size();
        if (count == 1) {
            if (!p0.front())
                VT_THROW(s_Function);
            m_Desc = {L"Property:", L""};
            p0.front()->M_Fn_Get_wstring_Desc(indent, m_Desc);
        }
        break;
    }
    case 3:
    case 4:
    case 5: {
        const auto& p0 = m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_Sel().M_Fn_Sel_P0_Get();
        count = p0.size();
        if (count == 1) {
            const C_Handle_D_DB_N& handle = p0.front();
            if (handle.m_Model == 0) {
                m_Desc = {indent + L"X: " + G_Fn_Float_Text(handle.m_Position.x),
                          indent + L"Y: " + G_Fn_Float_Text(handle.m_Position.y),
                          indent + L"Z: " + G_Fn_Float_Text(handle.m_Position.z)};
            } else {
                const N_DB::C_Row_Node& row =
                    G_Fn_Row_Or_Throw([&]() -> N_DB::C_Row_Node& { return handle.M_Fn_Get_ro_Row_Node(*m_p_Proj); }, s_Function);
                m_Desc = {L"Node:", L""};
                row.M_Fn_Get_wstring_Desc(indent, m_Desc);
            }
        }
        break;
    }
    case 6: {
        const C_Mgr_D_DB_E& mgr = m_p_Proj->M_Fn_Get_Mgr_D_DB_E();
        count = mgr.M_Fn_Get_P0_Count();
        if (count == 1) {
            const C_Handle_D_DB_E& handle = mgr.M_Fn_Get_P0_Handle();
            const N_DB::C_Row_Element_2D& row = G_Fn_Row_Or_Throw(
                [&]() -> N_DB::C_Row_Element_2D& { return handle.M_Fn_Get_ro_Row_Element_2D(*m_p_Proj); }, s_Function);
            // The element names its nodes by the deck's ids, read through its model's nodes.
            const N_Model::C_Model& model = m_p_Proj->M_Fn_Get_Mgr_D_Model().M_Fn_Get_Model_At(handle.m_Model, s_Function);
            m_Desc = {L"Element:", L""};
            row.M_Fn_Get_wstring_Desc(indent, m_Desc, model.M_Fn_Data().m_Nodes);
        }
        break;
    }
    case 8: {
        const auto& p0 = m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_Sel_P0_Get();
        count = p0.size();
        if (count == 1) {
            if (!p0.front())
                VT_THROW(s_Function);
            m_Desc = {p0.front()->m_Name};
        }
        break;
    }
    default: return;
    }
    if (count > 1)
        m_Desc = {L"Number: " + std::to_wstring(count)};
}

} // namespace N_Biz::N_Proj
