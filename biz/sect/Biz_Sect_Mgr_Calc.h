// The calculation of one section: from the wall segments of its mesh to the section properties,
// the six standard load cases (and, when asked, bending in 72 directions) with their stress
// statistics and failure factors, and the sensitivities to yield stress and wall thickness.
//
// Design note. The calculation is lazy and runs whole: every edit of the section sets the stale
// bit, and whoever wants results clears the bit and runs everything at once on the interface
// thread (M_Fn_Update_If_Stale), so a run that failed is not repeated until the next edit. A run
// rebuilds the mesh from the geometry first (the mesh is never kept between edits), then works on
// the mesh stores of the section only; every step returns 1 to go on, 0 after writing a message
// into the result's problem list, or -1 without one, and the first other value ends the run.
//
// Numbers are single precision as they are stored; sums are accumulated in single precision,
// as the results have always been computed that way.
//
// The step functions are public so that the views and tests can run the steps on a mesh built by
// hand; in normal use only M_Fn_Update, M_Fn_Update_If_Stale, the report and the sensitivities
// are called from outside.
#pragma once

#include "biz/sect/Biz_Sect_Context_Calc.h"
#include "biz/sect/Biz_Sect_Context_Calc_Str_Case.h"
#include "biz/sect/Biz_Sect_Result.h"
#include "common/Common_Math_Vector.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace N_Biz::N_Config {
class C_Config_Data;
}

namespace N_Biz::N_Sect {

class C_Sect;
class C_Info;
class C_D_Tess_Element;
class C_D_Tess_E_Segment;

// Which columns the result table shows (the result sheet's switches of the configuration).
struct C_Result_Rows_Switch {
    std::array<bool, 2> m_Bound{};     // lower, upper: exactly one from configuration word 27
    std::array<bool, 5> m_Stat{};      // configuration words 17 to 21
    std::int32_t m_Scientific = 0;     // configuration word 16
};

// The working record of one segment in one load case.
struct C_Context_Calc_Str_Element {
    std::shared_ptr<C_D_Tess_Element> m_sp_Element; // the store's holder, kept as the critical element
    C_D_Tess_E_Segment* m_p_Segment = nullptr;      // the same element as a segment
    float m_X0 = 0.0f, m_Y0 = 0.0f, m_X1 = 0.0f, m_Y1 = 0.0f; // end positions
    // Signed end stresses: the node stresses (the standard material's in the equivalent section)
    // on entry; the wall's own, E / E_std times them, once the element step has read them.
    std::array<float, 2> m_Stress{};
    std::array<float, 2> m_Stress_Abs{}; // their magnitudes
    float m_Corner = 1.0f;               // corner factor
    float m_G1 = 0.0f, m_G2 = 0.0f;      // stress-gradient factors
    float m_Stress_Gov = 0.0f;           // governing stress
    std::array<float, 5> m_Cap_Gov{};    // governing capacities per statistic
    bool m_Reduced = false;              // a part of the wall is ineffective
    float m_Reduced_Fraction = 0.0f;     // its share of the length
    float m_Reduced_Dx = 0.0f, m_Reduced_Dy = 0.0f; // its centre from the equivalent centroid
};

class C_Mgr_Calc {
public:
    enum : std::uint32_t { E_Flag_Stale = 0x1 };

    // Stores the owner, zeroes the copies of the configuration, creates the result, sets stale.
    explicit C_Mgr_Calc(C_Sect* i_p_Sect);
    C_Mgr_Calc(const C_Mgr_Calc&) = delete;
    C_Mgr_Calc& operator=(const C_Mgr_Calc&) = delete;
    ~C_Mgr_Calc();

    bool M_Fn_Is_Stale() const { return (m_Flag & E_Flag_Stale) != 0; }
    void M_Fn_Stale_Set() { m_Flag |= E_Flag_Stale; }
    void M_Fn_Stale_Clear() { m_Flag &= ~static_cast<std::uint32_t>(E_Flag_Stale); }

    // When stale: clears the bit and runs the whole calculation. Returns 1 when the result is
    // valid (also when nothing had to run), else the failing value (0 when an earlier run failed).
    int M_Fn_Update_If_Stale();
    // The whole run: mesh rebuild, then M_Fn_Update_Mesh. 1 on success.
    int M_Fn_Update(C_Context_Calc& ro_Context);
    // The run on the mesh as it stands: configuration copies, result cleared, loops, element
    // checks, properties, load cases; valid flag set when every step returned 1.
    int M_Fn_Update_Mesh(C_Context_Calc& ro_Context);

    // Steps of the run, in their order.
    // Every segment in a closed loop keeps the in-loop bit; open branches lose it. Throws
    // C_Exception on an inconsistent mesh. Returns 1.
    int M_Fn_Update_Topological_Loop(C_Context_Calc& ro_Context);
    // The first segment marked invalid is reported with its problems; 0 then, or with no segment.
    int M_Fn_Update_Element_Check(C_Context_Calc& ro_Context);
    // Areas and centroids; 0 with "Area is zero." / "Equivalent Area is zero.".
    int M_Fn_Update_Area(C_Context_Calc& ro_Context);
    // Bounding box (always holding the origin) and largest distances from the equivalent centroid.
    int M_Fn_Update_Bound(C_Context_Calc& ro_Context);
    // The two end restraint values of every segment.
    int M_Fn_Update_Dep_L(C_Context_Calc& ro_Context);
    // Second moments, shear areas, principal values and the inverse determinant. Throws
    // C_Exception for a segment still marked invalid.
    int M_Fn_Update_Geom_Etc(C_Context_Calc& ro_Context);
    // All load cases, their records in the result and the direction records.
    int M_Fn_Update_Str(C_Context_Calc& ro_Context);
    // One load case: node stresses, every segment, the critical element and the statistics.
    int M_Fn_Update_Str_Case(C_Context_Calc& ro_Context, C_Context_Calc_Str_Case& ro_Case);
    // One segment in one load case. Throws C_Exception for a segment still marked invalid.
    int M_Fn_Update_Str_Case_Element(C_Context_Calc& ro_Context, C_Context_Calc_Str_Case& ro_Case,
                                     C_Context_Calc_Str_Element& ro_Element);

    // The point that a section cut centres on: the equivalent centroid, else the area centroid,
    // else the length centroid of the rebuilt mesh, else (0, 0). Returns 1.
    int M_Fn_Center_For_Cut_Get(float& o_X, float& o_Y);
    // Bounds of the geometry points, both starting at (0, 0). Returns 1.
    int M_Fn_Geom_P_Bound_Get(N_Common::N_Math::C_Vector2<float>& o_Min, N_Common::N_Math::C_Vector2<float>& o_Max);

    // Sensitivities. Each empties its output lists and appends one entry per card that the
    // perturbed rerun changed; card values are restored on every path, and the stale bit is set
    // again at the end. 1 on success, else the failing value of the unperturbed calculation.
    int M_Fn_Calc_Sen_Limit_Stress_Y(C_Result_Str_Sen_List& o_List);
    int M_Fn_Calc_Sen_Thk_Area(C_Result_Str_Sen_List& o_List_By_Area, C_Result_Str_Sen_List& o_List_By_Thk);

    // The result rows' switches as the configuration sets them: the one bound of word 27 (none
    // for another value), the statistics of words 17 to 21 and the number format of word 16.
    static C_Result_Rows_Switch S_Fn_Rows_Switch_Get(const N_Biz::N_Config::C_Config_Data& ro_Data);
    // The section's row of the result table: the switches from the configuration and the column
    // names ("Geom A", ..., "Fz- Max", ...). Returns the number-format switch.
    std::int32_t M_Fn_Result_Rows_Build(C_Result_Rows_Switch& o_Switch, std::vector<std::wstring>& o_Names) const;
    // The values of that row, in the same order, formatted by the switch (runs the calculation
    // first when stale). Returns 1 when the result is valid, else the failing value.
    int M_Fn_Report_Output(const C_Result_Rows_Switch& ro_Switch, std::vector<std::wstring>& o_Values);
    // One value of the table: fixed with one decimal, or (i_Scientific non-zero) scientific with
    // six decimals, in the "C" locale.
    static std::wstring S_Fn_Value_Format(float i_Value, std::int32_t i_Scientific);
    // The application's table of result labels; C_Exception when there is none.
    static const C_Info& S_Fn_Info_Get();

    // The weight r = E / E_std of a wall of modulus i_Modulus_E in the equivalent section, and the
    // factor from the node stress to the wall's own stress. Without a standard modulus (not above
    // 1e-6) it is 1: the equivalent section is then the geometric one and every wall carries the
    // node stress, as the effective values then fall back on the equivalent ones.
    float M_Fn_Ratio_Modulus(float i_Modulus_E) const
    {
        return m_Modulus_Std > N_Common::N_Math::G_Tolerance ? i_Modulus_E / m_Modulus_Std : 1.0f;
    }

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    const std::shared_ptr<C_Result>& M_Fn_Get_Result() const { return m_sp_Result; }

    std::uint32_t m_Flag = 0;
    float m_Modulus_Std = 0.0f;  // configuration word 6
    float m_Reserve = 0.0f;      // configuration word 5: post-critical reserve of free strips
    float m_Poisson_Std = 0.0f;  // configuration word 4
    float m_Load = 0.0f;         // configuration word 9: size of every load case's force or moment

private:
    void M_Fn_Config_Copy();
    void M_Fn_Mesh_Rebuild();

    C_Sect* m_p_Sect;
    std::shared_ptr<C_Result> m_sp_Result;
};

} // namespace N_Biz::N_Sect
