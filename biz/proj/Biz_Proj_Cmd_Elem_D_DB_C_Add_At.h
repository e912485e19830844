// Undo element: a generic card added at a slot of its store (undo takes it out again, redo puts it back
// into the same slot).
#pragma once

#include "biz/db/Biz_DB_Row_Common.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_Card.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C.h"

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_DB_C_Add_At : public N_Impl::C_Elem_Card_Add_At<C_Elem_D_DB_C_Add_At, N_DB::C_Row_Common> {
public:
    using C_Elem_Card_Add_At::C_Elem_Card_Add_At;

    static constexpr const char* S_Name_Ctor = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_Add_At::C_Elem_D_DB_C_Add_At";
    static constexpr const char* S_Name_Undo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_Add_At::MV_Fn_Undo";
    static constexpr const char* S_Name_Redo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_Add_At::MV_Fn_Redo";
    static C_Mgr_D_DB_C& S_Fn_Mgr(C_Proj& ro_Proj) { return ro_Proj.M_Fn_Get_Mgr_D_DB_C(); }
};

} // namespace N_Biz::N_Proj::N_Cmd
