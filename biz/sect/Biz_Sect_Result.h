// What one calculation run of a section produces, and one sensitivity entry.
//
// C_Result is owned by the section's calculation manager (cleared and refilled by every run); the
// project's section manager keeps a second one as the "compared" result, filled by assignment.
// Every number is single precision as the run computes it. Indices used throughout: result kind
// 0 geometric, 1 equivalent to the standard material; load cases 0 Fz+, 1 Fz-, 2 Mx+, 3 Mx-, 4 My+,
// 5 My- (the seventh record stays zero); bounds 0 lower, 1 upper; statistics 0 maximum, 1 critical,
// 2 corner, 3 average, 4 minimum; directions 0..71, 5 degrees apart.
#pragma once

#include "common/Common_Pointer_lesser_shared_ptr.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace N_Biz::N_DB {
class C_Row_C_Material;
class C_Row_C_Property;
} // namespace N_Biz::N_DB

namespace N_Biz::N_Sect {

// Section properties of one kind (13 floats). Second moments are taken about the equivalent
// centroid in both records.
struct C_Result_Prop {
    float m_Center_X = 0.0f;
    float m_Center_Y = 0.0f;
    std::array<float, 2> m_Reserved{};
    float m_Angle_Principal = 0.0f; // radians
    float m_Area_Shear_X = 0.0f;
    float m_Area_Shear_Y = 0.0f;
    float m_Area = 0.0f;
    float m_Ixy = 0.0f;
    float m_Ixx = 0.0f; // distances in y
    float m_Iyy = 0.0f; // distances in x
    float m_I1 = 0.0f;  // larger principal moment
    float m_I2 = 0.0f;  // smaller principal moment
};

// One standard load case (12 words).
struct C_Result_Case {
    std::int32_t m_Element_Critical = 0; // id of the critical segment, 0 when none
    float m_Ref = 0.0f;                  // axial: effective buckling length; bending: atan(length / distance) or 1
    std::array<std::array<float, 5>, 2> m_Bound{}; // [bound][statistic]
};

// One bending direction (4 floats).
struct C_Result_Dir {
    float m_Cos = 0.0f;
    float m_Sin = 0.0f;
    float m_Stiff_Eqv = 0.0f; // equivalent bending stiffness about the direction
    float m_Stiff_Eff = 0.0f; // effective one, never above the equivalent one
};

class C_Result {
public:
    static constexpr std::size_t S_Num_Case = 7;
    static constexpr std::size_t S_Num_Dir = 72;

    C_Result();
    C_Result(const C_Result& ro_Other);
    // Copy into a temporary, swap, destroy the temporary; assignment to itself returns at once.
    C_Result& operator=(const C_Result& ro_Other);
    ~C_Result();
    void swap(C_Result& ro_Other) noexcept;

    // Valid 0, both message lists emptied, every number and id 0, every record zeroed.
    void M_Fn_Clear();

    std::int32_t m_Valid = 0;
    std::vector<std::wstring> m_Msg_1;       // not written by the calculation
    std::vector<std::wstring> m_Msg_Problem; // the run's messages, in the order written
    std::int32_t m_Element_Marked = 0;       // segment reported by the element checks
    std::array<float, 4> m_Box{};            // minimum x, minimum y, maximum x, maximum y
    std::array<float, 2> m_Dist_Max{};       // largest |x - x_eq|, largest |y - y_eq|
    float m_Area_Eff = 0.0f;                 // from the Fz- case
    std::array<float, 3> m_Reserved_1{};
    float m_Ixx_Eff = 0.0f;                  // from the Mx+ case
    float m_Iyy_Eff = 0.0f;                  // from the My+ case
    std::array<float, 2> m_Reserved_2{};
    std::array<C_Result_Prop, 2> m_Prop{};
    std::array<C_Result_Case, S_Num_Case> m_Case{};
    std::array<C_Result_Dir, S_Num_Dir> m_Dir{};
};

inline void swap(C_Result& ro_A, C_Result& ro_B) noexcept { ro_A.swap(ro_B); }

// One sensitivity entry: how the results move per unit change of one card value. Exactly one of
// the two cards is set: the material of a yield-stress entry or the property of a thickness entry.
struct C_Result_Str_Sen {
    // Defined where the card classes are complete.
    C_Result_Str_Sen();
    C_Result_Str_Sen(const C_Result_Str_Sen& ro_Other);
    C_Result_Str_Sen& operator=(const C_Result_Str_Sen& ro_Other);
    ~C_Result_Str_Sen();

    N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Material> m_sp_Material;
    N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Property> m_sp_Property;
    std::array<float, 2> m_Ixx{}; // geometric, equivalent
    std::array<float, 2> m_Iyy{};
    std::array<std::array<std::array<float, 5>, 2>, C_Result::S_Num_Case> m_Case{}; // [case][bound][statistic]
};

// The list that a sensitivity operation fills.
struct C_Result_Str_Sen_List {
    std::vector<std::shared_ptr<C_Result_Str_Sen>> m_List;
};

} // namespace N_Biz::N_Sect
