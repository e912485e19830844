// The property grid's edits and commits: reading typed text into the working copy with the bound
// checks, the key buttons' card pick, and the hand-over of the edited copies to the owning manager.
#include "ui/UI_Property_Row.h"

#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Arc.h"
#include "biz/sect/Biz_Sect_D_Geom_E_Line.h"
#include "biz/sect/Biz_Sect_D_Geom_Point.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"
#include "common/Common_Exception.h"
#include "common/Common_String_Number.h"

#include <locale>
#include <sstream>

namespace N_UI::N_Property {

namespace N_DB = N_Biz::N_DB;
namespace N_Sect = N_Biz::N_Sect;

void C_Ctrl::M_Fn_Raise_Changed(C_Row& ro_Row)
{
    if (m_Fn_Changed)
        m_Fn_Changed(ro_Row);
}

void C_Ctrl::M_Fn_Field_Restore(C_Row& ro_Row, const C_Data_Elem& ro_Elem)
{
    ro_Elem.m_Field_Working.M_Fn_Assign(ro_Elem.m_Field_Accepted);
    ro_Row.m_Text = ro_Row.m_Text_Base;
}

bool C_Ctrl::M_Fn_Row_Edit(C_Row& ro_Row, const std::wstring& i_Text)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Row_Edit";
    if (ro_Row.m_Read_Only || ro_Row.m_Kind == E_Row_Group || ro_Row.m_Kind == E_Row_Key)
        return false;
    if (i_Text == ro_Row.m_Text)
        return false;
    if (ro_Row.m_Kind != E_Row_Value) {
        ro_Row.m_Text = i_Text;
        M_Fn_Raise_Changed(ro_Row);
        return true;
    }
    const C_Data_Elem& elem = M_Fn_Row_Elem(ro_Row, S_Name);
    const N_DB::C_Visitor_Field& field = elem.m_Field_Working;
    std::wistringstream in(i_Text);
    in.imbue(std::locale::classic());
    const N_DB::E_Type_Obj type = field.M_Fn_Type();
    N_DB::G_Fn_Obj_Ops(type).m_pfn_WText_I(field.M_Fn_Value(), in);
    if (in.bad())
        VT_THROW(S_Name);
    bool read = !in.fail();
    // A number must be the whole text (blanks aside): "12abc" and "3,7" are refused, not cut to 12
    // and 3. A text column takes the whole line anyway.
    if (read && type != N_DB::E_Type_Obj_string && type != N_DB::E_Type_Obj_wstring)
        read = N_Common::N_String::G_Fn_Rest_Is_Blank(in);
    const auto reject_invalid = [&] {
        S_Fn_Msg(L"Warning: The new value is invalid for this field, changing has been rejected.");
        M_Fn_Field_Restore(ro_Row, elem);
        return false;
    };
    if (!read)
        return reject_invalid();
    bool lower = true, upper = true, third = true;
    if (!N_DB::C_Visitor_Field_Const(field).M_Fn_Is_in_range(lower, upper, third)) {
        std::wstring text = L"Warning: The new value is out of range,";
        if (!lower)
            text += L" exceeds lower bound,";
        if (!upper)
            text += L" exceeds upper bound,";
        text += L" changing has been rejected.";
        S_Fn_Msg(text);
        M_Fn_Field_Restore(ro_Row, elem);
        return false;
    }
    if (elem.m_p_Nodes) {
        // A node is typed by its id (the bounds above are the deck's bounds of an id); the field
        // keeps the node's position. An id that names no node of the model is refused.
        const std::int32_t position =
            N_DB::C_Row_Element_2D::S_Fn_Node_Position_Find(*elem.m_p_Nodes, field.M_Fn_Get<std::int32_t>());
        if (position < 0)
            return reject_invalid();
        field.M_Fn_Ref<std::int32_t>() = position;
    }
    elem.m_Field_Accepted.M_Fn_Assign(field);
    ro_Row.m_Text = ro_Row.m_Text_Base = S_Fn_Text_Elem(elem);
    M_Fn_Raise_Changed(ro_Row);
    return true;
}

namespace {
// The slot of the card a key names, 0 for none.
template <class T_Key>
std::uint32_t G_Fn_Key_Slot(const T_Key& ro_Key)
{
    const auto sp_row = ro_Key.M_Fn_Lock();
    return sp_row && sp_row->M_Fn_Pos_Get() > 0 ? static_cast<std::uint32_t>(sp_row->M_Fn_Pos_Get()) : 0;
}

// Points the key field at the card in slot i_Slot of ro_Mgr.
template <class T_Key, class T_Mgr>
void G_Fn_Key_Set(const N_DB::C_Visitor_Field& ro_Field, const T_Mgr& ro_Mgr, std::uint32_t i_Slot)
{
    ro_Field.M_Fn_Ref<T_Key>() = T_Key(ro_Mgr.M_Fn_Get_At(i_Slot));
}
} // namespace

bool C_Ctrl::M_Fn_Row_Button(C_Row& ro_Row)
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Elem_Field_Key::OnClickButton";
    if (ro_Row.m_Kind != E_Row_Key || ro_Row.m_Read_Only || !m_p_Proj)
        return false;
    const C_Data_Elem& elem = M_Fn_Row_Elem(ro_Row, S_Name);
    const N_DB::C_Visitor_Field& field = elem.m_Field_Working;
    std::uint32_t kind = 0;
    std::uint32_t current = 0;
    switch (field.M_Fn_Type()) {
    case N_DB::E_Type_Obj_C_Key_Common:
        if (field.m_ro_Info_Column->M_Fn_Id() != N_DB::E_Id_Column_Key_foreign_C_Section)
            VT_THROW(S_Name);
        kind = 1;
        current = G_Fn_Key_Slot(field.M_Fn_Ref<N_DB::C_Key_Common>());
        break;
    case N_DB::E_Type_Obj_C_Key_C_Material:
        kind = 2;
        current = G_Fn_Key_Slot(field.M_Fn_Ref<N_DB::C_Key_C_Material>());
        break;
    case N_DB::E_Type_Obj_C_Key_C_Property:
        kind = 3;
        current = G_Fn_Key_Slot(field.M_Fn_Ref<N_DB::C_Key_C_Property>());
        break;
    default: VT_THROW(S_Name);
    }
    const std::uint32_t picked = S_Fn_List_Pick ? S_Fn_List_Pick(*m_p_Proj, kind, current) : 0;
    if (picked == 0 || picked == current)
        return false;
    switch (kind) {
    case 1: G_Fn_Key_Set<N_DB::C_Key_Common>(field, m_p_Proj->M_Fn_Get_Mgr_D_DB_C(), picked); break;
    case 2: G_Fn_Key_Set<N_DB::C_Key_C_Material>(field, m_p_Proj->M_Fn_Get_Mgr_D_DB_C_M(), picked); break;
    default: G_Fn_Key_Set<N_DB::C_Key_C_Property>(field, m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P(), picked); break;
    }
    // The picked card is accepted at once: a later rejected edit of another row keeps it.
    elem.m_Field_Accepted.M_Fn_Assign(field);
    ro_Row.m_Text = ro_Row.m_Text_Base = G_Fn_Text_Field(field);
    // Another card is a change even when it shows the same id (two cards of one id from two
    // models): without the notification the pick would be dropped unseen.
    M_Fn_Raise_Changed(ro_Row);
    return true;
}

// --- commit ----------------------------------------------------------------------------------------

void C_Ctrl::M_Fn_Modify()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Modify";
    if (!m_Filled || m_Target == E_Target_None)
        VT_THROW(S_Name);
    // A card kind commits its card row through the project's manager of that kind.
    const auto card_proj = [&](const void* i_p_Row) -> N_Biz::N_Proj::C_Proj& {
        if (!i_p_Row || !m_p_Proj)
            VT_THROW(S_Name);
        return *m_p_Proj;
    };
    switch (m_Target) {
    case E_Target_D_DB_C:
        card_proj(m_p_Row_C_S).M_Fn_Get_Mgr_D_DB_C().M_Fn_Proc_Cmd_Top_Modify(m_p_Row_C_S, m_Row_Working);
        break;
    case E_Target_D_DB_C_M:
        card_proj(m_p_Row_C_M).M_Fn_Get_Mgr_D_DB_C_M().M_Fn_Proc_Cmd_Top_Modify(m_p_Row_C_M, m_Row_Working, m_Color);
        break;
    case E_Target_D_DB_C_P:
        card_proj(m_p_Row_C_P).M_Fn_Get_Mgr_D_DB_C_P().M_Fn_Proc_Cmd_Top_Modify(m_p_Row_C_P, m_Row_Working, m_Color);
        break;
    case E_Target_D_DB_N:
        card_proj(m_p_Row_N).M_Fn_Get_Mgr_D_DB_N().M_Fn_Proc_Cmd_Top_Modify(m_p_Row_N, m_Row_Working);
        break;
    case E_Target_D_DB_E:
        card_proj(m_p_Row_E).M_Fn_Get_Mgr_D_DB_E().M_Fn_Proc_Cmd_Top_Modify(m_p_Row_E, m_Row_Working);
        break;
    case E_Target_D_M:
    case E_Target_D_S:
    case E_Target_D_S_D_Tess_N:
    case E_Target_D_S_D_Tess_E: break;
    case E_Target_D_S_D_Geom_P: M_Fn_Modify_Geom_P(); break;
    case E_Target_D_S_D_Geom_E: M_Fn_Modify_Geom_E(); break;
    default: VT_THROW(S_Name);
    }
}

void C_Ctrl::M_Fn_Modify_D_DB_E()
{
    if (m_Target != E_Target_D_DB_E || !m_p_Row_E || !m_p_Proj)
        VT_THROW("N_UI::N_Property::C_Ctrl::M_Fn_Modify_D_DB_E");
    M_Fn_Modify();
}

void C_Ctrl::M_Fn_Modify_D_DB_N()
{
    if (m_Target != E_Target_D_DB_N || !m_p_Row_N || !m_p_Proj)
        VT_THROW("N_UI::N_Property::C_Ctrl::M_Fn_Modify_D_DB_N");
    M_Fn_Modify();
}

void C_Ctrl::M_Fn_Modify_Geom_P()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Modify_Geom_P";
    if (m_Top.empty() || m_Top[0]->m_Children.size() < 4 || !m_up_Point)
        VT_THROW(S_Name);
    C_Row* p_group = m_Top[0];
    bool changed_x = false, changed_y = false;
    M_Fn_Property_Modified_Check(m_up_Point->m_X, p_group->m_Children[2], changed_x);
    M_Fn_Property_Modified_Check(m_up_Point->m_Y, p_group->m_Children[3], changed_y);
    if (!changed_x && !changed_y)
        return;
    N_Sect::C_Sect* p_sect = m_p_Sect;
    const std::uint32_t id = m_Id;
    // The manager takes the copy; the grid keeps a fresh one of the stored point.
    const int result = p_sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Proc_Cmd_Top_Modify(id, m_up_Point);
    if (m_Target != E_Target_D_S_D_Geom_P || m_p_Sect != p_sect || m_Id != id)
        return; // the commit's signals showed something else meanwhile
    if (result != 1) {
        M_Fn_Data_Set_D_S_D_Geom_P(false);
        return;
    }
    m_up_Point = p_sect->M_Fn_Get_Mgr_D_Geom_P().M_Fn_Get_At(id).Clone_apo_D_Geom_Point();
}

void C_Ctrl::M_Fn_Modify_Geom_E()
{
    static constexpr const char* S_Name = "N_UI::N_Property::C_Ctrl::M_Fn_Modify_Geom_E";
    if (m_Top.empty() || !m_sp_Entity)
        VT_THROW(S_Name);
    C_Row* p_group = m_Top[0];
    const auto row = [&](std::size_t i) {
        if (i >= p_group->m_Children.size())
            VT_THROW(S_Name);
        return p_group->m_Children[i];
    };
    bool changed = false;
    const N_DB::C_Key_C_Property& key =
        m_Row_Working.M_Fn_Column_Practical_Get_o_Visitor_Field(N_DB::E_Id_Column_Key_foreign_C_Property)
            .M_Fn_Ref<N_DB::C_Key_C_Property>();
    if (!(key == m_sp_Entity->m_Key_C_P)) {
        m_sp_Entity->m_Key_C_P = key;
        changed = true;
    }
    // A boolean row's choice into the entity's 0/1 switch.
    const auto take_bool = [&](std::size_t i_Row, std::int32_t& io_Switch) {
        const bool value = row(i_Row)->m_Text == L"True";
        if (value != (io_Switch != 0)) {
            io_Switch = value ? 1 : 0;
            changed = true;
        }
    };
    switch (m_sp_Entity->M_Fn_Type_Get()) {
    case N_Sect::C_D_Geom::E_Type_Arc:
        take_bool(6, static_cast<N_Sect::C_D_Geom_E_Arc&>(*m_sp_Entity).m_Direction);
        break;
    case N_Sect::C_D_Geom::E_Type_NURBS: break;
    case N_Sect::C_D_Geom::E_Type_Line: {
        auto& line = static_cast<N_Sect::C_D_Geom_E_Line&>(*m_sp_Entity);
        take_bool(5, line.m_Thk_Individual_Switch);
        bool changed_thk = false;
        M_Fn_Property_Modified_Check(line.m_Thk_Individual, row(6), changed_thk);
        changed = changed || changed_thk;
        break;
    }
    default: VT_THROW(S_Name);
    }
    if (!changed)
        return;
    N_Sect::C_Sect* p_sect = m_p_Sect;
    const std::uint32_t id = m_Id;
    const int result = p_sect->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Proc_Cmd_Top_Modify(id, m_sp_Entity);
    if (m_Target != E_Target_D_S_D_Geom_E || m_p_Sect != p_sect || m_Id != id)
        return;
    const auto& sp_stored = p_sect->M_Fn_Get_Mgr_D_Geom_E().M_Fn_Get_At(id);
    if (!sp_stored)
        VT_THROW(S_Name);
    if (result != 1) {
        M_Fn_Data_Set_D_S_D_Geom_E(false);
        return;
    }
    m_sp_Entity = sp_stored->Clone_apo_D_Geom_Entity();
}

} // namespace N_UI::N_Property
