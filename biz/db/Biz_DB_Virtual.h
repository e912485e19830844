// Virtual columns and option conditions: the fixed functions that schema files can choose among.
//
// A virtual column is not stored: its value is computed from other columns of the same row each
// time it is read (a display name, a derived stress limit, a corner thickness that is the card's
// general thickness, whether an element carries its own thicknesses). The getter is chosen when the
// column is configured, from the card's format and first keyword and the column's identity; every
// other combination stops the start-up. Getters find their columns by identity through the row's
// routes without following relations, and throw C_Exception naming the getter when the row does not
// reach a column they need.
//
// Option-condition checks decide, while a deck entry is read, whether a further conditional block
// of lines belongs to it; a schema card names its check by function name.
#pragma once

#include "biz/db/Biz_DB_Info_Table.h"
#include "biz/db/Biz_DB_Key.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace N_Biz::N_DB {

class C_Info_Column;
class C_Row;

// The title of the row (identity 19) when the row reaches one, else "SECID:", "MID:" or "PID:"
// followed by its primary key (identity 1, 2 or 3).
std::wstring Fn_Virtual_C_Section_Name_Get(const C_Row& ro_Row);
std::wstring Fn_Virtual_C_Material_Name_Get(const C_Row& ro_Row);
std::wstring Fn_Virtual_C_Property_Name_Get(const C_Row& ro_Row);
// The yield limit (identity 36) times 1.25, computed in double precision.
float Fn_Virtual_C_Material_Limit_Stress_U_Get(const C_Row& ro_Row);
// The card's general thickness (identity 23): every corner thickness is the general one.
float Fn_Virtual_C_Property_Thk_N_Get(const C_Row& ro_Row);
// A copy of the card's material key (identity 7).
C_Key_C_Material Fn_Virtual_Nastran_PSHELL_Key_foreign_C_Material_1_Get(const C_Row& ro_Row);
// 1 when the row carries the sub-row of its first option-keyword (Dyna) or option-condition
// (Nastran) sub-table, else 0.
std::int32_t Fn_Virtual_Dyna_ELEMENT_SHELL_Has_Individual_Thk_Get(const C_Row& ro_Row);
std::int32_t Fn_Virtual_Nastran_Element_Has_Individual_Thk_Get(const C_Row& ro_Row);

// PART_INERTIA: the optional card follows the inertia cards once, when IRCS (identity 38) is 1:
// 0 unless i_Count is 1, then 1 when IRCS is 1.
std::uint32_t Fn_Table_Option_Condition_Check_PART_INERTIA(const C_Row& ro_Row, std::uint32_t i_Count);
// SECTION_SHELL: with ICOMP (identity 40) 1 the NIP (identity 39) integration-point angles follow,
// eight to a line, so line i_Count (from 1) belongs to the entry while 8 x (i_Count - 1) < NIP.
std::uint32_t Fn_Table_Option_Condition_Check_SECTION_SHELL(const C_Row& ro_Row, std::uint32_t i_Count);

// Chooses and installs the getter of a virtual column of ro_Card; an unlisted combination of
// format, keyword and identity throws.
void Fn_Column_Config_pfn_Virtual(C_Info_Column& ro_Column, const C_Info_Table& ro_Card);

// The check of that name ("Fn_Table_Option_Condition_Check_PART_INERTIA" or
// "Fn_Table_Option_Condition_Check_SECTION_SHELL"); any other name throws.
T_pfn_Option_Condition_Check Fn_Table_Get_pfn_Option_Condition_Check(std::string_view i_Name);

} // namespace N_Biz::N_DB
