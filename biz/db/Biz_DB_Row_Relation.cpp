#include "biz/db/Biz_DB_Row_Relation.h"

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_DB {

namespace {

// The display state is that of a 2-D element: its property key is a fixed member.
C_Row_Element_2D& G_Fn_Element(C_Row_Relation& ro_Row, const char* i_Function)
{
    if (!ro_Row.M_Fn_Info_Table() || ro_Row.M_Fn_Info_Table()->M_Fn_Type_Relation() != E_Type_Relation_Element_2D)
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return static_cast<C_Row_Element_2D&>(ro_Row);
}

} // namespace

bool C_Row_Relation::M_Fn_Flag_Derived_Refresh_Color(bool i_Use_Material, std::array<float, 4>& o_Color)
{
    C_Row_Element_2D& element = G_Fn_Element(*this, "N_Biz::N_DB::C_Row_Relation::M_Fn_Flag_Derived_Refresh_Color");
    m_u32_Flag &= ~(E_Flag_Picked_Effective | E_Flag_Selected_Effective | E_Flag_Hidden_Effective);
    if (m_u32_Flag & E_Flag_Hidden) {
        m_u32_Flag |= E_Flag_Hidden_Effective;
        return false;
    }
    if (m_u32_Flag & E_Flag_Picked)
        m_u32_Flag |= E_Flag_Picked_Effective;
    if (m_u32_Flag & E_Flag_Selected)
        m_u32_Flag |= E_Flag_Selected_Effective;
    const auto property = element.M_Fn_Key_C_Property().M_Fn_Lock();
    N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Material> material;
    // The state bits of a card (0 picked, 1 selected, 2 hidden) join the effective bits 3 to 5;
    // false once the element turns out hidden.
    auto join = [this](std::uint32_t i_State) {
        if (i_State & E_Flag_Hidden) {
            m_u32_Flag |= E_Flag_Hidden_Effective;
            return false;
        }
        if (i_State & E_Flag_Picked)
            m_u32_Flag |= E_Flag_Picked_Effective;
        if (i_State & E_Flag_Selected)
            m_u32_Flag |= E_Flag_Selected_Effective;
        return true;
    };
    if (property) {
        if (!join(property->m_Display.m_u32_State))
            return false;
        material = property->M_Fn_Key_C_Material().M_Fn_Lock();
        if (material && !join(material->m_Display.m_u32_State))
            return false;
    }
    const N_Impl::C_Row_Display* source = nullptr;
    if (i_Use_Material)
        source = material ? &material->m_Display : nullptr;
    else
        source = property ? &property->m_Display : nullptr;
    if (!source)
        return false;
    if (m_u32_Flag & E_Flag_Picked_Effective)
        o_Color = source->m_Color_Picked;
    else if (m_u32_Flag & E_Flag_Selected_Effective)
        o_Color = source->m_Color_Selected;
    else
        o_Color = source->m_Color_Normal;
    return true;
}

void C_Row_Relation::M_Fn_Flag_Derived_Refresh()
{
    C_Row_Element_2D& element = G_Fn_Element(*this, "N_Biz::N_DB::C_Row_Relation::M_Fn_Flag_Derived_Refresh");
    m_u32_Flag &= ~E_Flag_Hidden_Effective;
    if (m_u32_Flag & E_Flag_Hidden) {
        m_u32_Flag |= E_Flag_Hidden_Effective;
        return;
    }
    const auto property = element.M_Fn_Key_C_Property().M_Fn_Lock();
    if (!property)
        return;
    if (property->m_Display.m_u32_State & E_Flag_Hidden) {
        m_u32_Flag |= E_Flag_Hidden_Effective;
        return;
    }
    const auto material = property->M_Fn_Key_C_Material().M_Fn_Lock();
    if (material && (material->m_Display.m_u32_State & E_Flag_Hidden))
        m_u32_Flag |= E_Flag_Hidden_Effective;
}

} // namespace N_Biz::N_DB
