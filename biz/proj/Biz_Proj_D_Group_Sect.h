// A section group: one beam axis of the project. It holds its sections in an ordered slot table
// (slot order is the order along the axis; slot 0 is reserved with an empty pointer, so section
// slots start at 1) and the data from which their planes were oriented: the flip switch (the
// normal of every plane built for the group is negated), the section-local up vector and the
// model-space heading that the up vector follows.
//
// A group is either outside the project (index 0, no tree item; held by a command or an undo
// element) or stored in the section-group manager (index = its slot, tree item below the
// project's). It enters and leaves the manager only while it holds no section.
//
// Project file: u32 index, u32 flip, three floats up vector, three floats heading, then the
// section table.
#pragma once

#include "app/UI_Tree_Signal.h"
#include "common/Common_Container_slotvec.h"
#include "common/Common_Math_Vector.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>

namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_Biz::N_Proj {

class C_D_Group_Sect {
public:
    using T_sp_Sect = std::shared_ptr<N_Biz::N_Sect::C_Sect>;
    using T_Sects = N_Common::N_Container::slotvec<T_sp_Sect>;
    using C_Vector3f = N_Common::N_Math::C_Vector3<float>;

    // Outside the project, no flip, up (0, 1, 0), heading (0, 0, 1), no section (slot 0 reserved;
    // throws C_Exception when the reservation does not come out as slot 0).
    C_D_Group_Sect();
    C_D_Group_Sect(const C_D_Group_Sect&) = delete;
    C_D_Group_Sect& operator=(const C_D_Group_Sect&) = delete;
    ~C_D_Group_Sect();

    // Exchanges the plane data (flip, up vector, heading) with ro_Other; index, tree item and
    // sections stay where they are.
    void M_Fn_Swap(C_D_Group_Sect& ro_Other) noexcept;
    // True when the section table holds nothing but the reserved slot 0.
    bool M_Fn_Is_Empty() const { return m_Sects.size() - m_Sects.free_count() <= 1; }

    // --- project file ----------------------------------------------------------------------------
    // The group in the project file: u32 index, u32 flip, the up vector and the heading as three
    // floats each, then the section table, each section as its presence byte and its piece.
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // Reads that layout into this group, which must be new (outside the project and without a
    // section, else C_Exception): the stored index into m_Index (the section-group manager checks
    // it against the slot and resets it before the group enters the project), the plane data, and
    // the sections into m_Sects, each made by i_Fn_Sect_New and read by its own reader. 1; 0 on a
    // short read or refused input; another result of a section reader passed up.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const std::function<T_sp_Sect()>& i_Fn_Sect_New);

    // The group's slot in the section-group manager, 0 while outside.
    std::uint32_t m_Index = 0;
    N_UI::N_Tree::C_Signal m_Tree;
    std::uint32_t m_Flip = 0;
    C_Vector3f m_Up{0.0f, 1.0f, 0.0f};
    C_Vector3f m_Heading{0.0f, 0.0f, 1.0f};
    T_Sects m_Sects;
};

} // namespace N_Biz::N_Proj
