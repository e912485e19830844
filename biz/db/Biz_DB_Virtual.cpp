#include "biz/db/Biz_DB_Virtual.h"

#include "biz/db/Biz_DB_Info_Column.h"
#include "biz/db/Biz_DB_Row.h"
#include "biz/db/Biz_DB_Row_C_Material.h"
#include "common/Common_Exception.h"
#include "common/Common_String.h"

#include <algorithm>
#include <array>

namespace N_Biz::N_DB {

namespace {

// The visitor of a column the row reaches (its own, or in one of its option sub-rows), or an empty
// one. Getters take the row read-only; the walk needs a writable row only for its visitor type.
C_Visitor_Field G_Fn_Reach(const C_Row& ro_Row, E_Id_Column i_Id)
{
    C_Route_Request request{i_Id, {}};
    const_cast<C_Row&>(ro_Row).M_Fn_Route_Walk_Default(request);
    return request.m_Visitor;
}

// As G_Fn_Reach, but a column the row does not reach throws naming i_Function.
C_Visitor_Field G_Fn_Reach_Required(const C_Row& ro_Row, E_Id_Column i_Id, const char* i_Function)
{
    C_Visitor_Field field = G_Fn_Reach(ro_Row, i_Id);
    if (field.M_Fn_Is_Empty())
        throw N_Common::N_Exception::C_Exception(i_Function, __FILE__, __LINE__);
    return field;
}

std::wstring G_Fn_Name(const C_Row& ro_Row, E_Id_Column i_Key, const wchar_t* i_Prefix, const char* i_Function)
{
    const C_Visitor_Field title = G_Fn_Reach(ro_Row, E_Id_Column_Title);
    if (!title.M_Fn_Is_Empty()) {
        if (title.M_Fn_Type() == E_Type_Obj_string)
            return N_Common::N_String::G_Fn_To_Wide(title.M_Fn_Get<std::string>());
        return title.M_Fn_Get<std::wstring>();
    }
    const std::int32_t id = G_Fn_Reach_Required(ro_Row, i_Key, i_Function).M_Fn_Get<std::int32_t>();
    return i_Prefix + std::to_wstring(id);
}

} // namespace

std::wstring Fn_Virtual_C_Section_Name_Get(const C_Row& ro_Row)
{
    return G_Fn_Name(ro_Row, E_Id_Column_Key_primary_C_Section, L"SECID:", "N_Biz::N_DB::Fn_Virtual_C_Section_Name_Get");
}

std::wstring Fn_Virtual_C_Material_Name_Get(const C_Row& ro_Row)
{
    return G_Fn_Name(ro_Row, E_Id_Column_Key_primary_C_Material, L"MID:", "N_Biz::N_DB::Fn_Virtual_C_Material_Name_Get");
}

std::wstring Fn_Virtual_C_Property_Name_Get(const C_Row& ro_Row)
{
    return G_Fn_Name(ro_Row, E_Id_Column_Key_primary_C_Property, L"PID:", "N_Biz::N_DB::Fn_Virtual_C_Property_Name_Get");
}

float Fn_Virtual_C_Material_Limit_Stress_U_Get(const C_Row& ro_Row)
{
    const float yield = G_Fn_Reach_Required(ro_Row, E_Id_Column_Limit_Stress_Y, "N_Biz::N_DB::Fn_Virtual_C_Material_Limit_Stress_U_Get")
                            .M_Fn_Get<float>();
    return static_cast<float>(static_cast<double>(yield) * 1.25);
}

float Fn_Virtual_C_Property_Thk_N_Get(const C_Row& ro_Row)
{
    return G_Fn_Reach_Required(ro_Row, E_Id_Column_Thk, "N_Biz::N_DB::Fn_Virtual_C_Property_Thk_N_Get").M_Fn_Get<float>();
}

C_Key_C_Material Fn_Virtual_Nastran_PSHELL_Key_foreign_C_Material_1_Get(const C_Row& ro_Row)
{
    return G_Fn_Reach_Required(ro_Row, E_Id_Column_Key_foreign_C_Material,
                               "N_Biz::N_DB::Fn_Virtual_Nastran_PSHELL_Key_foreign_C_Material_1_Get")
        .M_Fn_Get<C_Key_C_Material>();
}

std::int32_t Fn_Virtual_Dyna_ELEMENT_SHELL_Has_Individual_Thk_Get(const C_Row& ro_Row)
{
    return ro_Row.M_Fn_Sub_Get_rscpo_Row_Etc_Option(0, 0) ? 1 : 0;
}

std::int32_t Fn_Virtual_Nastran_Element_Has_Individual_Thk_Get(const C_Row& ro_Row)
{
    return ro_Row.M_Fn_Sub_Get_rscpo_Row_Etc_Option(1, 0) ? 1 : 0;
}

std::uint32_t Fn_Table_Option_Condition_Check_PART_INERTIA(const C_Row& ro_Row, std::uint32_t i_Count)
{
    if (i_Count != 1)
        return 0;
    const std::int32_t ircs = G_Fn_Reach_Required(ro_Row, E_Id_Column_Dyna_PART_INERTIA_IRCS,
                                                  "N_Biz::N_DB::Fn_Table_Option_Condition_Check_PART_INERTIA")
                                  .M_Fn_Get<std::int32_t>();
    return ircs == 1 ? 1 : 0;
}

std::uint32_t Fn_Table_Option_Condition_Check_SECTION_SHELL(const C_Row& ro_Row, std::uint32_t i_Count)
{
    const float nip = G_Fn_Reach_Required(ro_Row, E_Id_Column_Dyna_SECTION_SHELL_NIP,
                                          "N_Biz::N_DB::Fn_Table_Option_Condition_Check_SECTION_SHELL")
                          .M_Fn_Get<float>();
    const std::int32_t icomp = G_Fn_Reach_Required(ro_Row, E_Id_Column_Dyna_SECTION_SHELL_ICOMP,
                                                   "N_Biz::N_DB::Fn_Table_Option_Condition_Check_SECTION_SHELL")
                                   .M_Fn_Get<std::int32_t>();
    if (icomp != 1 || !(nip > 0.0f) || i_Count == 0)
        return 0;
    // Line i_Count holds angles 8 (i_Count - 1) + 1 and on: it belongs while some are left.
    return 8.0 * (static_cast<double>(i_Count) - 1.0) < static_cast<double>(nip) ? 1 : 0;
}

void Fn_Column_Config_pfn_Virtual(C_Info_Column& ro_Column, const C_Info_Table& ro_Card)
{
    if (ro_Card.M_Fn_Keyword_List().empty())
        VT_THROW("N_Biz::N_DB::Fn_Column_Config_pfn_Virtual");
    const std::string& keyword = ro_Card.M_Fn_Keyword_List().front();
    const std::uint32_t format = ro_Card.M_Fn_Format();
    const E_Id_Column id = ro_Column.M_Fn_Id();
    auto is_any = [&](std::initializer_list<const char*> i_Keywords) {
        return std::any_of(i_Keywords.begin(), i_Keywords.end(), [&](const char* k) { return keyword == k; });
    };
    const bool thk_n = id >= E_Id_Column_Thk_1 && id <= E_Id_Column_Thk_4;
    if (format == E_Format_Standard) {
        if (keyword == "Property" && thk_n)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_C_Property_Thk_N_Get);
    } else if (format == E_Format_Dyna) {
        const bool elastic = is_any({"MAT_ELASTIC", "MAT_NULL", "MAT_RIGID"});
        const bool plastic = is_any({"MAT_PLASTIC_KINEMATIC", "MAT_PIECEWISE_LINEAR_PLASTICITY", "MAT_HONEYCOMB"});
        if (keyword == "ELEMENT_SHELL" && id == E_Id_Column_Has_Individual_Thk)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_Dyna_ELEMENT_SHELL_Has_Individual_Thk_Get);
        if ((elastic || plastic) && id == E_Id_Column_Name)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_C_Material_Name_Get);
        if (plastic && id == E_Id_Column_Limit_Stress_U)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_C_Material_Limit_Stress_U_Get);
        if (keyword == "SECTION_SHELL" && id == E_Id_Column_Name)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_C_Section_Name_Get);
    } else if (format == E_Format_Nastran) {
        if (is_any({"CQUAD4", "CTRIA3"}) && id == E_Id_Column_Has_Individual_Thk)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_Nastran_Element_Has_Individual_Thk_Get);
        if (keyword == "MAT1" && id == E_Id_Column_Name)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_C_Material_Name_Get);
        if (keyword == "MAT1" && id == E_Id_Column_Limit_Stress_U)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_C_Material_Limit_Stress_U_Get);
        if (keyword == "PSHELL" && id == E_Id_Column_Key_foreign_C_Material_1)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_Nastran_PSHELL_Key_foreign_C_Material_1_Get);
        if (is_any({"PSHELL", "PSOLID"}) && id == E_Id_Column_Name)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_C_Property_Name_Get);
        if (keyword == "PSHELL" && thk_n)
            return ro_Column.M_Fn_Config_pfn_Virtual(&Fn_Virtual_C_Property_Thk_N_Get);
    }
    VT_THROW("N_Biz::N_DB::Fn_Column_Config_pfn_Virtual");
}

T_pfn_Option_Condition_Check Fn_Table_Get_pfn_Option_Condition_Check(std::string_view i_Name)
{
    if (i_Name == "Fn_Table_Option_Condition_Check_PART_INERTIA")
        return &Fn_Table_Option_Condition_Check_PART_INERTIA;
    if (i_Name == "Fn_Table_Option_Condition_Check_SECTION_SHELL")
        return &Fn_Table_Option_Condition_Check_SECTION_SHELL;
    VT_THROW("N_Biz::N_DB::Fn_Table_Get_pfn_Option_Condition_Check");
}

} // namespace N_Biz::N_DB
