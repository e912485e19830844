#include "biz/db/Biz_DB_Enum.h"

#include "common/Common_Exception.h"

#include <array>

namespace N_Biz::N_DB {

namespace {

constexpr std::array<const char*, G_Type_Obj_Num> G_Names_Type_Obj = {
    "E_Type_Obj_PVOID",   "E_Type_Obj_UINT8",   "E_Type_Obj_UINT16",       "E_Type_Obj_UINT32",
    "E_Type_Obj_UINT64",  "E_Type_Obj_INT8",    "E_Type_Obj_INT16",        "E_Type_Obj_INT32",
    "E_Type_Obj_INT64",   "E_Type_Obj_FLOAT32", "E_Type_Obj_FLOAT64",      "E_Type_Obj_string",
    "E_Type_Obj_wstring", "E_Type_Obj_C_Key_Common", "E_Type_Obj_C_Key_C_Material", "E_Type_Obj_C_Key_C_Property",
};

// Index = value; entry 0 (no identity) has no name in the files.
constexpr std::array<const char*, G_Id_Column_Max + 1> G_Names_Id_Column = {
    nullptr,
    "E_Id_Column_Key_primary_C_Section",
    "E_Id_Column_Key_primary_C_Material",
    "E_Id_Column_Key_primary_C_Property",
    "E_Id_Column_Key_primary_Node",
    "E_Id_Column_Key_primary_Element",
    "E_Id_Column_Key_foreign_C_Section",
    "E_Id_Column_Key_foreign_C_Material",
    "E_Id_Column_Key_foreign_C_Material_1",
    "E_Id_Column_Key_foreign_C_Material_2",
    "E_Id_Column_Key_foreign_C_Material_3",
    "E_Id_Column_Key_foreign_C_Material_4",
    "E_Id_Column_Key_foreign_C_Property",
    "E_Id_Column_Key_foreign_Node_1",
    "E_Id_Column_Key_foreign_Node_2",
    "E_Id_Column_Key_foreign_Node_3",
    "E_Id_Column_Key_foreign_Node_4",
    "E_Id_Column_Key_foreign_Element",
    "E_Id_Column_Name",
    "E_Id_Column_Title",
    "E_Id_Column_Coordinate_X",
    "E_Id_Column_Coordinate_Y",
    "E_Id_Column_Coordinate_Z",
    "E_Id_Column_Thk",
    "E_Id_Column_Thk_1",
    "E_Id_Column_Thk_2",
    "E_Id_Column_Thk_3",
    "E_Id_Column_Thk_4",
    "E_Id_Column_Thk_E_1",
    "E_Id_Column_Thk_E_2",
    "E_Id_Column_Thk_E_3",
    "E_Id_Column_Thk_E_4",
    "E_Id_Column_Has_Individual_Thk",
    "E_Id_Column_Density_Mass",
    "E_Id_Column_Ratio_Poisson",
    "E_Id_Column_Modulus_E",
    "E_Id_Column_Limit_Stress_Y",
    "E_Id_Column_Limit_Stress_U",
    "E_Id_Column_Dyna_PART_INERTIA_IRCS",
    "E_Id_Column_Dyna_SECTION_SHELL_NIP",
    "E_Id_Column_Dyna_SECTION_SHELL_ICOMP",
};

constexpr std::array<const char*, 6> G_Names_Type_Relation = {
    "E_Type_Relation_None",       "E_Type_Relation_Node",       "E_Type_Relation_C_Section",
    "E_Type_Relation_C_Material", "E_Type_Relation_C_Property", "E_Type_Relation_Element_2D",
};

constexpr std::array<const char*, 5> G_Names_Id_Relation = {
    nullptr, "E_Id_Relation_1", "E_Id_Relation_2", "E_Id_Relation_3", "E_Id_Relation_4",
};

// Position of i_Name in the table, or -1.
template <std::size_t N>
int G_Fn_Find(const std::array<const char*, N>& ro_Names, std::string_view i_Name)
{
    for (std::size_t i = 0; i < N; ++i)
        if (ro_Names[i] && i_Name == ro_Names[i])
            return static_cast<int>(i);
    return -1;
}

} // namespace

E_Type_Obj G_Fn_Get_e_Type_Obj(std::string_view i_Name)
{
    const int found = G_Fn_Find(G_Names_Type_Obj, i_Name);
    if (found < 0)
        VT_THROW("N_Biz::N_DB::G_Fn_Get_e_Type_Obj");
    return static_cast<E_Type_Obj>(found);
}

E_Id_Column G_Fn_Get_e_Id_Column(std::string_view i_Name)
{
    const int found = G_Fn_Find(G_Names_Id_Column, i_Name);
    if (found < 0)
        VT_THROW("N_Biz::N_DB::G_Fn_Get_e_Id_Column");
    return static_cast<E_Id_Column>(found);
}

E_Id_Relation G_Fn_Get_e_Id_Relation(std::string_view i_Name)
{
    const int found = G_Fn_Find(G_Names_Id_Relation, i_Name);
    if (found < 0)
        VT_THROW("N_Biz::N_DB::G_Fn_Get_e_Id_Relation");
    return static_cast<E_Id_Relation>(found);
}

E_Type_Relation G_Fn_Get_e_Type_Relation(std::string_view i_Name)
{
    const int found = G_Fn_Find(G_Names_Type_Relation, i_Name);
    if (found < 0)
        VT_THROW("N_Biz::N_DB::G_Fn_Get_e_Type_Relation");
    return static_cast<E_Type_Relation>(found);
}

const char* G_Fn_Name_e_Type_Obj(E_Type_Obj i_Value)
{
    return i_Value < G_Type_Obj_Num ? G_Names_Type_Obj[i_Value] : "?";
}

const char* G_Fn_Name_e_Id_Column(E_Id_Column i_Value)
{
    return (i_Value >= 1 && i_Value <= G_Id_Column_Max) ? G_Names_Id_Column[i_Value] : "?";
}

} // namespace N_Biz::N_DB
