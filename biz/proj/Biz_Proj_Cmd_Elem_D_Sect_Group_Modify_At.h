// Undo element: a section group redirected. The element holds a group outside the table with the
// plane data (flip, up vector, heading) that the stored group does not have; execute, undo and redo
// exchange them.
#pragma once

#include "biz/cmd/Biz_Cmd_Elem.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "common/Common_Exception.h"

#include <cstdint>
#include <utility>

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_Sect_Group_Modify_At : public ::N_Biz::N_Cmd::C_Elem {
public:
    using T_sp_Group = C_Mgr_D_Sect::T_sp_Group;

    // i_Index not 0; io_sp_Group (not empty, taken over): the new plane data.
    C_Elem_D_Sect_Group_Modify_At(C_Proj* i_p_Proj, std::uint32_t i_Index, T_sp_Group& io_sp_Group)
        : m_p_Proj(i_p_Proj), m_Index(i_Index)
    {
        if (!m_p_Proj || m_Index == 0 || !io_sp_Group)
            VT_THROW("N_Biz::N_Proj::N_Cmd::C_Elem_D_Sect_Group_Modify_At::C_Elem_D_Sect_Group_Modify_At");
        m_sp_Group = std::move(io_sp_Group);
        io_sp_Group.reset();
    }

    void MV_Fn_Redo() override { m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_D_Group_Modify_At(m_Index, m_sp_Group); }
    void MV_Fn_Undo() override { m_p_Proj->M_Fn_Get_Mgr_D_Sect().M_Fn_D_Group_Modify_At(m_Index, m_sp_Group); }

    std::uint32_t M_Fn_Get_Index() const { return m_Index; }
    // The group carrying the plane data that the stored group does not have.
    const T_sp_Group& M_Fn_Get_Group() const { return m_sp_Group; }

private:
    C_Proj* m_p_Proj;
    std::uint32_t m_Index;
    T_sp_Group m_sp_Group;
};

} // namespace N_Biz::N_Proj::N_Cmd
