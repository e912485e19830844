// Undo element: the editable contents of a stored point exchanged with the version the element holds (undo and redo
// exchange them again).
#pragma once

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_P.h"

#include <memory>

namespace N_Biz::N_Sect::N_Cmd {

class C_Elem_D_Geom_P_Modify_At
    : public N_Impl::C_Elem_D_Modify_At<C_Elem_D_Geom_P_Modify_At, std::unique_ptr<C_D_Geom_Point>> {
public:
    using C_Elem_D_Modify_At::C_Elem_D_Modify_At;

    static constexpr const char* S_Name_Ctor =
        "N_Biz::N_Sect::N_Cmd::C_Elem_D_Geom_P_Modify_At::C_Elem_D_Geom_P_Modify_At";
    static C_Mgr_D_Geom_P& S_Fn_Mgr(C_Sect& ro_Sect) { return ro_Sect.M_Fn_Get_Mgr_D_Geom_P(); }
};

} // namespace N_Biz::N_Sect::N_Cmd
