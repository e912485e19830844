// Undo element: a entity taken out of a slot of its table (the element holds it until undo puts it back).
#pragma once

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"

#include <memory>

namespace N_Biz::N_Sect::N_Cmd {

class C_Elem_D_Geom_E_Remove_At
    : public N_Impl::C_Elem_D_Remove_At<C_Elem_D_Geom_E_Remove_At, std::shared_ptr<C_D_Geom_Entity>> {
public:
    using C_Elem_D_Remove_At::C_Elem_D_Remove_At;

    static constexpr const char* S_Name_Ctor =
        "N_Biz::N_Sect::N_Cmd::C_Elem_D_Geom_E_Remove_At::C_Elem_D_Geom_E_Remove_At";
    static C_Mgr_D_Geom_E& S_Fn_Mgr(C_Sect& ro_Sect) { return ro_Sect.M_Fn_Get_Mgr_D_Geom_E(); }
};

} // namespace N_Biz::N_Sect::N_Cmd
