// Undo element: a section's plane replaced. The element holds the plane that is not in the plane
// manager; execute, undo and redo swap it with the current one.
#pragma once

#include "biz/cmd/Biz_Cmd_Elem.h"
#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_D_Plane.h"
#include "biz/sect/Biz_Sect_Mgr_D_Plane.h"
#include "common/Common_Exception.h"

#include <memory>
#include <utility>

namespace N_Biz::N_Sect::N_Cmd {

class C_Elem_D_Plane_Set : public ::N_Biz::N_Cmd::C_Elem {
public:
    // io_sp_Plane: the new plane (not null), taken over; nothing changes before the execute.
    C_Elem_D_Plane_Set(C_Sect* i_p_Sect, std::shared_ptr<C_D_Plane>& io_sp_Plane) : m_p_Sect(i_p_Sect)
    {
        if (!m_p_Sect || !io_sp_Plane)
            VT_THROW("N_Biz::N_Sect::N_Cmd::C_Elem_D_Plane_Set::C_Elem_D_Plane_Set");
        m_sp_Plane = std::move(io_sp_Plane);
        io_sp_Plane.reset();
    }

    void MV_Fn_Redo() override { m_p_Sect->M_Fn_Get_Mgr_D_Plane().M_Fn_D_Set(m_sp_Plane); }
    void MV_Fn_Undo() override { m_p_Sect->M_Fn_Get_Mgr_D_Plane().M_Fn_D_Set(m_sp_Plane); }

    // The plane that is not the section's at the moment.
    const std::shared_ptr<C_D_Plane>& M_Fn_Get_Plane() const { return m_sp_Plane; }

private:
    C_Sect* m_p_Sect;
    std::shared_ptr<C_D_Plane> m_sp_Plane;
};

} // namespace N_Biz::N_Sect::N_Cmd
