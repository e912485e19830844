// Undo element: a entity added at a slot of its table (undo takes it out again, redo puts the same object back at the
// same slot).
#pragma once

#include "biz/sect/Biz_Sect.h"
#include "biz/sect/Biz_Sect_Cmd_Elem_D.h"
#include "biz/sect/Biz_Sect_Mgr_D_Geom_E.h"

#include <memory>

namespace N_Biz::N_Sect::N_Cmd {

class C_Elem_D_Geom_E_Add_At
    : public N_Impl::C_Elem_D_Add_At<C_Elem_D_Geom_E_Add_At, std::shared_ptr<C_D_Geom_Entity>> {
public:
    using C_Elem_D_Add_At::C_Elem_D_Add_At;

    static constexpr const char* S_Name_Ctor = "N_Biz::N_Sect::N_Cmd::C_Elem_D_Geom_E_Add_At::C_Elem_D_Geom_E_Add_At";
    static C_Mgr_D_Geom_E& S_Fn_Mgr(C_Sect& ro_Sect) { return ro_Sect.M_Fn_Get_Mgr_D_Geom_E(); }
};

} // namespace N_Biz::N_Sect::N_Cmd
