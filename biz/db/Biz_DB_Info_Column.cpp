#include "biz/db/Biz_DB_Info_Column.h"

#include "app/App.h"
#include "biz/db/Biz_DB_Obj_Ops.h"
#include "biz/db/Biz_DB_Row.h"
#include "biz/db/Biz_DB_Virtual.h"
#include "common/Common_Exception.h"

#include <cstring>
#include <new>

namespace N_Biz::N_DB {

C_Info_Column::~C_Info_Column()
{
    if (!(m_Flags & E_Flag_Store) || !m_p_Store)
        return;
    const bool indirect = M_Fn_Is_Indirect();
    const struct {
        std::uint32_t m_Flag;
        std::size_t m_Offset;
    } values[3] = {{E_Flag_Default, m_Offset_Default}, {E_Flag_Lower, m_Offset_Lower}, {E_Flag_Upper, m_Offset_Upper}};
    for (const auto& value : values) {
        if (!(m_Flags & value.m_Flag))
            continue;
        try {
            G_Fn_Obj_Ops(m_Type).m_pfn_Destroy(reinterpret_cast<unsigned char*>(m_p_Store.get()) + value.m_Offset, indirect);
        } catch (const N_Common::N_Exception::C_Exception& e) {
            if (C_App* app = C_App::S_Fn_Get())
                app->M_Fn_Report_Exception(e.M_Fn_Function(), e.M_Fn_File(), e.M_Fn_Line(), e.what());
        }
    }
}

void C_Info_Column::M_Fn_Config(const C_Setting& ro_Setting, const C_Info_Table* i_ro_Card)
{
    if (m_Flags & (E_Flag_Type_Set | E_Flag_Store | E_Flag_Config_Done))
        VT_THROW("N_Biz::N_DB::C_Info_Column::M_Fn_Config");
    const C_Obj_Ops& ops = G_Fn_Obj_Ops(ro_Setting.m_Type);
    const std::size_t size = ops.m_pfn_Size();
    const bool indirect = ro_Setting.m_Mode_Given ? ro_Setting.m_Indirect : size > 16;
    if (!indirect && (ro_Setting.m_Type == E_Type_Obj_string || ro_Setting.m_Type == E_Type_Obj_wstring))
        VT_THROW("N_Biz::N_DB::C_Info_Column::M_Fn_Config");

    std::uint32_t flags = 0;
    if (indirect)
        flags |= E_Flag_Indirect;
    if (ro_Setting.m_Virtual)
        flags |= E_Flag_Virtual;
    if (ro_Setting.m_Read_Only)
        flags |= E_Flag_Read_Only;
    if (ro_Setting.m_End_of_Line)
        flags |= E_Flag_End_of_Line;
    if (ro_Setting.m_Blank)
        flags |= E_Flag_Blank | E_Flag_Default;
    if (ro_Setting.m_Default)
        flags |= E_Flag_Default;
    if (ro_Setting.m_Lower)
        flags |= E_Flag_Lower | (ro_Setting.m_Lower_Inclusive ? E_Flag_Lower_Inclusive : 0u);
    if (ro_Setting.m_Upper)
        flags |= E_Flag_Upper | (ro_Setting.m_Upper_Inclusive ? E_Flag_Upper_Inclusive : 0u);
    m_Flags = flags;
    m_Name = ro_Setting.m_Name;
    m_Desc = ro_Setting.m_Desc + L"\n";
    if (ro_Setting.m_Type == E_Type_Obj_C_Key_Common)
        m_Desc += L"(Connection) ";
    else if (ro_Setting.m_Type == E_Type_Obj_C_Key_C_Material)
        m_Desc += L"(Connection of material) ";
    else if (ro_Setting.m_Type == E_Type_Obj_C_Key_C_Property)
        m_Desc += L"(Connection of property) ";
    if (ro_Setting.m_Read_Only)
        m_Desc += L"(Read only) ";

    m_Id = ro_Setting.m_Id;
    m_Type = ro_Setting.m_Type;
    m_Size_Value = size;
    m_Size_Stream = ro_Setting.m_Size_Stream;
    m_Flags |= E_Flag_Type_Set;

    // The store: default, lower, upper, each present one after the other.
    const std::size_t step = M_Fn_Size_Field();
    std::size_t total = 0;
    if (m_Flags & E_Flag_Default) {
        m_Offset_Default = total;
        total += step;
    }
    if (m_Flags & E_Flag_Lower) {
        m_Offset_Lower = total;
        total += step;
    }
    if (m_Flags & E_Flag_Upper) {
        m_Offset_Upper = total;
        total += step;
    }
    if (total > 0) {
        const std::size_t words = (total + 7) / 8;
        m_p_Store.reset(new (std::nothrow) std::uint64_t[words]);
        if (!m_p_Store)
            VT_THROW("N_Biz::N_DB::C_Info_Column::M_Fn_Config");
        std::memset(m_p_Store.get(), 0, words * 8);
        m_Size_Store = total;
    }
    m_Flags |= E_Flag_Store;
    unsigned char* store = reinterpret_cast<unsigned char*>(m_p_Store.get());
    if (m_Flags & E_Flag_Default)
        ops.m_pfn_Create(store + m_Offset_Default, indirect);
    if (m_Flags & E_Flag_Lower)
        ops.m_pfn_Create(store + m_Offset_Lower, indirect);
    if (m_Flags & E_Flag_Upper)
        ops.m_pfn_Create(store + m_Offset_Upper, indirect);

    m_pfn_Virtual = std::monostate();
    if (m_Flags & E_Flag_Virtual) {
        if (!i_ro_Card)
            VT_THROW("N_Biz::N_DB::C_Info_Column::M_Fn_Config");
        Fn_Column_Config_pfn_Virtual(*this, *i_ro_Card);
    }
    m_Flags |= E_Flag_Config_Done;
}

std::size_t C_Info_Column::M_Fn_Size_Field() const
{
    return M_Fn_Is_Indirect() ? sizeof(void*) : m_Size_Value;
}

template <class F>
void C_Info_Column::M_Fn_Config_pfn_Virtual_Any(F i_pfn, E_Type_Obj i_Type)
{
    if (!(m_Flags & E_Flag_Type_Set) || (m_Flags & E_Flag_Config_Done) || !M_Fn_Is_Virtual() ||
        M_Fn_Has_pfn_Virtual() || m_Type != i_Type || !i_pfn || !M_Fn_Is_Read_Only())
        VT_THROW("N_Biz::N_DB::C_Info_Column::M_Fn_Config_pfn_Virtual");
    m_pfn_Virtual = i_pfn;
}

void C_Info_Column::M_Fn_Config_pfn_Virtual(T_pfn_Virtual_FLOAT32 i_pfn)
{
    M_Fn_Config_pfn_Virtual_Any(i_pfn, E_Type_Obj_FLOAT32);
}
void C_Info_Column::M_Fn_Config_pfn_Virtual(T_pfn_Virtual_INT32 i_pfn)
{
    M_Fn_Config_pfn_Virtual_Any(i_pfn, E_Type_Obj_INT32);
}
void C_Info_Column::M_Fn_Config_pfn_Virtual(T_pfn_Virtual_wstring i_pfn)
{
    M_Fn_Config_pfn_Virtual_Any(i_pfn, E_Type_Obj_wstring);
}
void C_Info_Column::M_Fn_Config_pfn_Virtual(T_pfn_Virtual_C_Key_C_Material i_pfn)
{
    M_Fn_Config_pfn_Virtual_Any(i_pfn, E_Type_Obj_C_Key_C_Material);
}

C_Visitor_Field C_Info_Column::M_Fn_Column_Practical_Get_o_Visitor_Field(std::size_t i_Offset)
{
    if (!(m_Flags & E_Flag_Store) || !m_p_Store || i_Offset >= m_Size_Store)
        VT_THROW("N_Biz::N_DB::C_Info_Column::M_Fn_Column_Practical_Get_o_Visitor_Field");
    return C_Visitor_Field(reinterpret_cast<unsigned char*>(m_p_Store.get()) + i_Offset, this);
}

C_Visitor_Field_Const C_Info_Column::M_Fn_Store_Visitor(std::uint32_t i_Flag, std::size_t i_Offset) const
{
    if (!(m_Flags & i_Flag) || !m_p_Store)
        VT_THROW("N_Biz::N_DB::C_Info_Column::M_Fn_Get_o_Visitor_Field");
    return C_Visitor_Field_Const(reinterpret_cast<const unsigned char*>(m_p_Store.get()) + i_Offset, this);
}

C_Visitor_Field C_Info_Column::M_Fn_Get_o_Visitor_Field_Default()
{
    M_Fn_Store_Visitor(E_Flag_Default, m_Offset_Default);
    return M_Fn_Column_Practical_Get_o_Visitor_Field(m_Offset_Default);
}
C_Visitor_Field C_Info_Column::M_Fn_Get_o_Visitor_Field_Bound_lower()
{
    M_Fn_Store_Visitor(E_Flag_Lower, m_Offset_Lower);
    return M_Fn_Column_Practical_Get_o_Visitor_Field(m_Offset_Lower);
}
C_Visitor_Field C_Info_Column::M_Fn_Get_o_Visitor_Field_Bound_upper()
{
    M_Fn_Store_Visitor(E_Flag_Upper, m_Offset_Upper);
    return M_Fn_Column_Practical_Get_o_Visitor_Field(m_Offset_Upper);
}
C_Visitor_Field_Const C_Info_Column::M_Fn_Get_o_Visitor_Field_Const_Default() const
{
    return M_Fn_Store_Visitor(E_Flag_Default, m_Offset_Default);
}
C_Visitor_Field_Const C_Info_Column::M_Fn_Get_o_Visitor_Field_Const_Bound_lower() const
{
    return M_Fn_Store_Visitor(E_Flag_Lower, m_Offset_Lower);
}
C_Visitor_Field_Const C_Info_Column::M_Fn_Get_o_Visitor_Field_Const_Bound_upper() const
{
    return M_Fn_Store_Visitor(E_Flag_Upper, m_Offset_Upper);
}

void C_Info_Column::M_Fn_Virtual_Get_Value(const C_Row& ro_Row, void* o_p_Value) const
{
    switch (m_pfn_Virtual.index()) {
    case 1: *static_cast<float*>(o_p_Value) = std::get<1>(m_pfn_Virtual)(ro_Row); return;
    case 2: *static_cast<std::int32_t*>(o_p_Value) = std::get<2>(m_pfn_Virtual)(ro_Row); return;
    case 3: *std::launder(static_cast<std::wstring*>(o_p_Value)) = std::get<3>(m_pfn_Virtual)(ro_Row); return;
    case 4: *std::launder(static_cast<C_Key_C_Material*>(o_p_Value)) = std::get<4>(m_pfn_Virtual)(ro_Row); return;
    default: break;
    }
    VT_THROW("N_Biz::N_DB::C_Info_Column::M_Fn_Virtual_Get_Value");
}

C_Key_C_Material C_Info_Column::M_Fn_Get_Value(const C_Row& ro_Row) const
{
    if (m_Type != E_Type_Obj_C_Key_C_Material)
        VT_THROW("N_Biz::N_DB::C_Info_Column::M_Fn_Get_Value");
    if (M_Fn_Is_Virtual()) {
        C_Key_C_Material key;
        M_Fn_Virtual_Get_Value(ro_Row, &key);
        return key;
    }
    const void* value = G_Fn_Obj_Value(ro_Row.M_Fn_Field_Addr(*this), M_Fn_Is_Indirect());
    return *std::launder(static_cast<const C_Key_C_Material*>(value));
}

} // namespace N_Biz::N_DB
