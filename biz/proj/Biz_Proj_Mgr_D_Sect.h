// The section-group manager of the project: the section groups, which own their sections. It holds
// its project and answers the card managers' invalidation; the groups come with the section
// commands.
#pragma once

#include <cstdint>

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_D_Sect {
public:
    explicit C_Mgr_D_Sect(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Mgr_D_Sect(const C_Mgr_D_Sect&) = delete;
    C_Mgr_D_Sect& operator=(const C_Mgr_D_Sect&) = delete;

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }

    // After a change of the cards or models that sections are built from: for every section, marks
    // its calculation stale (i_Calc) and invalidates its main view, result graph and result sheet
    // (i_View_Main, i_View_Graph, i_View_Sheet); i_Recut asks for the models to be cut again. The
    // project holds no section group yet, so there is no section to reach.
    void M_Fn_Invalidate_All(std::uint32_t i_Calc, std::uint32_t i_View_Main, std::uint32_t i_View_Graph,
                             std::uint32_t i_View_Sheet, std::uint32_t i_Recut)
    {
    }

private:
    C_Proj* m_p_Proj;
};

} // namespace N_Biz::N_Proj
