#include "biz/db/Biz_DB_Row_C_Section.h"

#include "common/Common_Exception.h"

namespace N_Biz::N_DB {

C_Row_C_Section::C_Row_C_Section(const C_Info_Table* i_ro_Table) : C_Row_Common(i_ro_Table)
{
    if (i_ro_Table && i_ro_Table->M_Fn_Type_Relation() != E_Type_Relation_C_Section)
        VT_THROW("N_Biz::N_DB::C_Row_C_Section::C_Row_C_Section");
}

E_Result C_Row_C_Section::M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table)
{
    const E_Result result = M_Fn_Stream_Serialize_Row_I(
        ro_Stream, i_ro_Table, [](E_Type_Relation i_Type) { return i_Type == E_Type_Relation_C_Section; },
        [this](const C_Info_Table* i_ro_Bound) {
            C_Row_C_Section fresh(i_ro_Bound);
            M_Fn_Swap_Common(fresh);
        });
    if (result != E_Result_Success)
        return result;
    return N_Common::N_Stream::G_Fn_Serialize_I(ro_Stream, m_u32_Flag);
}

E_Result C_Row_C_Section::M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream, int i_Nested) const
{
    const E_Result result = M_Fn_Stream_Serialize_Row_O(ro_Stream, i_Nested);
    if (result != E_Result_Success)
        return result;
    return N_Common::N_Stream::G_Fn_Serialize_O(ro_Stream, m_u32_Flag);
}

} // namespace N_Biz::N_DB
