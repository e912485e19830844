// The result sheet's rows and cell texts: pure functions of the label table, the configuration's
// sheet switches and two results (the section's own and the project's compared one). The sheet
// window only shows what these give.
//
// Rows, in order: for the geometric and then the equivalent properties a heading and eight rows
// (A, Asx, Asy, Ixy, Ix, Iy, Imax, Imin); then for each of the six load cases a heading and, for
// the one bound shown, a row per statistic that exists for the case and is switched on. Headings
// carry only a title; every other row shows Result, Compared and their Difference (Result minus
// Compared in single precision), each written as a single-precision value in the "C" locale: one
// decimal, or with the scientific switch the six-digit mantissa and exponent.
#pragma once

#include "biz/sect/Biz_Sect_Mgr_Calc.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace N_Biz::N_Sect {

class C_Info;
class C_Result;

struct C_Sheet_Row {
    enum E_Kind : std::uint32_t {
        E_Kind_Heading = 0, // a title only
        E_Kind_Prop = 1,    // a section property: m_Group the result kind, m_Item the quantity 0..7
        E_Kind_Stress = 2,  // a stress: m_Group the load case, m_Bound, m_Item the statistic
    };

    E_Kind m_Kind = E_Kind_Heading;
    std::uint32_t m_Group = 0;
    std::uint32_t m_Bound = 0;
    std::uint32_t m_Item = 0;
    std::wstring m_Title;
    std::wstring m_Desc;
};

// The rows for the switches (bound and statistics shown) with the labels of ro_Info.
std::vector<C_Sheet_Row> G_Fn_Sheet_Rows_Build(const C_Info& ro_Info, const C_Result_Rows_Switch& ro_Switch);

// The value a row shows of ro_Result (0 for a heading). A group, bound or item out of range
// throws C_Exception.
float G_Fn_Sheet_Row_Value(const C_Sheet_Row& ro_Row, const C_Result& ro_Result);

// The texts of the columns Result, Compared and Difference of a row; three empty texts for a
// heading.
std::array<std::wstring, 3> G_Fn_Sheet_Row_Cells(const C_Sheet_Row& ro_Row, const C_Result& ro_Result,
                                                 const C_Result& ro_Compared, std::int32_t i_Scientific);

} // namespace N_Biz::N_Sect
