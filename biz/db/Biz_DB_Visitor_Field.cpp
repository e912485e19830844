#include "biz/db/Biz_DB_Visitor_Field.h"

#include "biz/db/Biz_DB_Info_Column.h"

namespace N_Biz::N_DB {

namespace {

// One value object of a type known only at run time, in local storage: computed values of virtual
// columns are held here while they are compared.
class C_Obj_Temp {
public:
    explicit C_Obj_Temp(E_Type_Obj i_Type) : m_Ops(G_Fn_Obj_Ops(i_Type))
    {
        if (m_Ops.m_pfn_Size() > sizeof(m_Buffer))
            VT_THROW("N_Biz::N_DB::C_Obj_Temp::C_Obj_Temp");
        m_Ops.m_pfn_Create(m_Buffer, false);
    }
    ~C_Obj_Temp() { m_Ops.m_pfn_Destroy(m_Buffer, false); }
    C_Obj_Temp(const C_Obj_Temp&) = delete;
    C_Obj_Temp& operator=(const C_Obj_Temp&) = delete;
    void* M_Fn_Value() { return m_Buffer; }

private:
    const C_Obj_Ops& m_Ops;
    alignas(16) unsigned char m_Buffer[64];
};

} // namespace

bool C_Visitor_Field::M_Fn_Is_Virtual() const
{
    return C_Visitor_Field_Const(*this).M_Fn_Is_Virtual();
}

E_Type_Obj C_Visitor_Field::M_Fn_Type() const
{
    return C_Visitor_Field_Const(*this).M_Fn_Type();
}

void* C_Visitor_Field::M_Fn_Value() const
{
    // The field is writable here; the const visitor only checks and finds the value.
    return const_cast<void*>(C_Visitor_Field_Const(*this).M_Fn_Value());
}

void C_Visitor_Field::M_Fn_Assign(const C_Visitor_Field_Const& ro_Source) const
{
    if (ro_Source.M_Fn_Type() != M_Fn_Type())
        VT_THROW("N_Biz::N_DB::C_Visitor_Field::M_Fn_Assign");
    ro_Source.M_Fn_Get_Into(M_Fn_Value());
}

bool C_Visitor_Field_Const::M_Fn_Is_Virtual() const
{
    return m_ro_Info_Column && m_ro_Info_Column->M_Fn_Is_Virtual();
}

E_Type_Obj C_Visitor_Field_Const::M_Fn_Type() const
{
    if (!m_ro_Info_Column)
        VT_THROW("N_Biz::N_DB::C_Visitor_Field_Const::M_Fn_Type");
    return m_ro_Info_Column->M_Fn_Type();
}

const void* C_Visitor_Field_Const::M_Fn_Value() const
{
    if (!m_ro_Info_Column || m_ro_Info_Column->M_Fn_Is_Virtual() || !m_p_Field)
        VT_THROW("N_Biz::N_DB::C_Visitor_Field_Const::M_Fn_Value");
    const void* value = G_Fn_Obj_Value(m_p_Field, m_ro_Info_Column->M_Fn_Is_Indirect());
    if (!value)
        VT_THROW("N_Biz::N_DB::C_Visitor_Field_Const::M_Fn_Value");
    return value;
}

void C_Visitor_Field_Const::M_Fn_Get_Into(void* o_p_Value) const
{
    if (!m_ro_Info_Column)
        VT_THROW("N_Biz::N_DB::C_Visitor_Field_Const::M_Fn_Get_Into");
    if (m_ro_Info_Column->M_Fn_Is_Virtual()) {
        if (!m_p_Row)
            VT_THROW("N_Biz::N_DB::C_Visitor_Field_Const::M_Fn_Get_Into");
        m_ro_Info_Column->M_Fn_Virtual_Get_Value(*m_p_Row, o_p_Value);
        return;
    }
    G_Fn_Obj_Ops(m_ro_Info_Column->M_Fn_Type()).m_pfn_Copy(o_p_Value, M_Fn_Value());
}

bool C_Visitor_Field_Const::M_Fn_Is_in_range(bool& o_Lower_Ok, bool& o_Upper_Ok, bool& o_Third_Ok) const
{
    o_Lower_Ok = o_Upper_Ok = o_Third_Ok = true;
    if (!m_ro_Info_Column)
        VT_THROW("N_Biz::N_DB::C_Visitor_Field_Const::M_Fn_Is_in_range");
    const C_Info_Column& column = *m_ro_Info_Column;
    const C_Obj_Ops& ops = G_Fn_Obj_Ops(column.M_Fn_Type());
    C_Obj_Temp computed(column.M_Fn_Type());
    const void* value = nullptr;
    if (column.M_Fn_Has_pfn_Virtual()) {
        M_Fn_Get_Into(computed.M_Fn_Value());
        value = computed.M_Fn_Value();
    } else {
        value = M_Fn_Value();
    }
    std::uint32_t less = 0;
    if (column.M_Fn_Has_Lower()) {
        const void* bound = column.M_Fn_Get_o_Visitor_Field_Const_Bound_lower().M_Fn_Value();
        if (column.M_Fn_Flags() & C_Info_Column::E_Flag_Lower_Inclusive) {
            ops.m_pfn_Less(value, bound, less);
            o_Lower_Ok = less == 0;
        } else {
            ops.m_pfn_Less(bound, value, less);
            o_Lower_Ok = less != 0;
        }
    }
    if (column.M_Fn_Has_Upper()) {
        const void* bound = column.M_Fn_Get_o_Visitor_Field_Const_Bound_upper().M_Fn_Value();
        if (column.M_Fn_Flags() & C_Info_Column::E_Flag_Upper_Inclusive) {
            ops.m_pfn_Less(bound, value, less);
            o_Upper_Ok = less == 0;
        } else {
            ops.m_pfn_Less(value, bound, less);
            o_Upper_Ok = less != 0;
        }
    }
    return o_Lower_Ok && o_Upper_Ok && o_Third_Ok;
}

bool C_Visitor_Field_Const::M_Fn_Is_blank() const
{
    if (!m_ro_Info_Column)
        VT_THROW("N_Biz::N_DB::C_Visitor_Field_Const::M_Fn_Is_blank");
    const C_Info_Column& column = *m_ro_Info_Column;
    if (!column.M_Fn_Has_Blank())
        return false;
    const C_Obj_Ops& ops = G_Fn_Obj_Ops(column.M_Fn_Type());
    C_Obj_Temp computed(column.M_Fn_Type());
    const void* value = nullptr;
    if (column.M_Fn_Is_Virtual()) {
        M_Fn_Get_Into(computed.M_Fn_Value());
        value = computed.M_Fn_Value();
    } else {
        value = M_Fn_Value();
    }
    const void* blank = column.M_Fn_Get_o_Visitor_Field_Const_Default().M_Fn_Value();
    std::uint32_t before = 1;
    std::uint32_t after = 1;
    ops.m_pfn_Less(value, blank, before);
    ops.m_pfn_Less(blank, value, after);
    return before == 0 && after == 0;
}

} // namespace N_Biz::N_DB
