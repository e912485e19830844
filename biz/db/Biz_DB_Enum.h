// The enumerations that the schema files name: value types of columns, column identities, relation
// types and relation numbers. A schema file writes each value by its full name, matched exactly and
// case-sensitively; the numbers are part of the binary forms (format ids, relation types) and of
// every lookup by identity, so they never change.
#pragma once

#include <cstdint>
#include <string_view>

namespace N_Biz::N_DB {

// Value type of a column; selects the record of value operations (Biz_DB_Obj_Ops.h).
enum E_Type_Obj : std::uint32_t {
    E_Type_Obj_PVOID = 0,
    E_Type_Obj_UINT8 = 1,
    E_Type_Obj_UINT16 = 2,
    E_Type_Obj_UINT32 = 3,
    E_Type_Obj_UINT64 = 4,
    E_Type_Obj_INT8 = 5,
    E_Type_Obj_INT16 = 6,
    E_Type_Obj_INT32 = 7,
    E_Type_Obj_INT64 = 8,
    E_Type_Obj_FLOAT32 = 9,
    E_Type_Obj_FLOAT64 = 10,
    E_Type_Obj_string = 11,
    E_Type_Obj_wstring = 12,
    E_Type_Obj_C_Key_Common = 13,
    E_Type_Obj_C_Key_C_Material = 14,
    E_Type_Obj_C_Key_C_Property = 15,
};
inline constexpr std::uint32_t G_Type_Obj_Num = 16;

// Identity of a column across all cards; 0 means no identity.
enum E_Id_Column : std::uint32_t {
    E_Id_Column_None = 0,
    E_Id_Column_Key_primary_C_Section = 1,
    E_Id_Column_Key_primary_C_Material = 2,
    E_Id_Column_Key_primary_C_Property = 3,
    E_Id_Column_Key_primary_Node = 4,
    E_Id_Column_Key_primary_Element = 5,
    E_Id_Column_Key_foreign_C_Section = 6,
    E_Id_Column_Key_foreign_C_Material = 7,
    E_Id_Column_Key_foreign_C_Material_1 = 8,
    E_Id_Column_Key_foreign_C_Material_2 = 9,
    E_Id_Column_Key_foreign_C_Material_3 = 10,
    E_Id_Column_Key_foreign_C_Material_4 = 11,
    E_Id_Column_Key_foreign_C_Property = 12,
    E_Id_Column_Key_foreign_Node_1 = 13,
    E_Id_Column_Key_foreign_Node_2 = 14,
    E_Id_Column_Key_foreign_Node_3 = 15,
    E_Id_Column_Key_foreign_Node_4 = 16,
    E_Id_Column_Key_foreign_Element = 17,
    E_Id_Column_Name = 18,
    E_Id_Column_Title = 19,
    E_Id_Column_Coordinate_X = 20,
    E_Id_Column_Coordinate_Y = 21,
    E_Id_Column_Coordinate_Z = 22,
    E_Id_Column_Thk = 23,
    E_Id_Column_Thk_1 = 24,
    E_Id_Column_Thk_2 = 25,
    E_Id_Column_Thk_3 = 26,
    E_Id_Column_Thk_4 = 27,
    E_Id_Column_Thk_E_1 = 28,
    E_Id_Column_Thk_E_2 = 29,
    E_Id_Column_Thk_E_3 = 30,
    E_Id_Column_Thk_E_4 = 31,
    E_Id_Column_Has_Individual_Thk = 32,
    E_Id_Column_Density_Mass = 33,
    E_Id_Column_Ratio_Poisson = 34,
    E_Id_Column_Modulus_E = 35,
    E_Id_Column_Limit_Stress_Y = 36,
    E_Id_Column_Limit_Stress_U = 37,
    E_Id_Column_Dyna_PART_INERTIA_IRCS = 38,
    E_Id_Column_Dyna_SECTION_SHELL_NIP = 39,
    E_Id_Column_Dyna_SECTION_SHELL_ICOMP = 40,
};
inline constexpr std::uint32_t G_Id_Column_Max = 40;

// What a card's rows are, and the kind of row a relation points at.
enum E_Type_Relation : std::uint32_t {
    E_Type_Relation_None = 0,
    E_Type_Relation_Node = 1,
    E_Type_Relation_C_Section = 2,
    E_Type_Relation_C_Material = 3,
    E_Type_Relation_C_Property = 4,
    E_Type_Relation_Element_2D = 5,
};

// Number of a relation within a card; 0 means none.
enum E_Id_Relation : std::uint32_t {
    E_Id_Relation_None = 0,
    E_Id_Relation_1 = 1,
    E_Id_Relation_2 = 2,
    E_Id_Relation_3 = 3,
    E_Id_Relation_4 = 4,
};

// Schema format ids.
enum E_Format : std::uint32_t {
    E_Format_Standard = 1,
    E_Format_Dyna = 2,
    E_Format_Nastran = 3,
};

// Name in a schema file -> value. The text must match a name exactly; any other text throws
// C_Exception naming the function.
E_Type_Obj G_Fn_Get_e_Type_Obj(std::string_view i_Name);
E_Id_Column G_Fn_Get_e_Id_Column(std::string_view i_Name);
E_Id_Relation G_Fn_Get_e_Id_Relation(std::string_view i_Name);
E_Type_Relation G_Fn_Get_e_Type_Relation(std::string_view i_Name);

// Value -> name as a schema file writes it (for diagnostics); "?" for a value outside the table.
const char* G_Fn_Name_e_Type_Obj(E_Type_Obj i_Value);
const char* G_Fn_Name_e_Id_Column(E_Id_Column i_Value);

} // namespace N_Biz::N_DB
