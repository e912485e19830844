// Undo element: a material card given other data and another colour; execute, undo and redo all
// exchange them with what the element holds.
#pragma once

#include "biz/db/Biz_DB_Row_C_Material.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_Card.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_M.h"

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_DB_C_M_Modify : public N_Impl::C_Elem_Card_Modify_Color<C_Elem_D_DB_C_M_Modify, N_DB::C_Row_C_Material> {
public:
    using C_Elem_Card_Modify_Color::C_Elem_Card_Modify_Color;

    static constexpr const char* S_Name_Ctor = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_M_Modify::C_Elem_D_DB_C_M_Modify";
    static constexpr const char* S_Name_Undo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_M_Modify::MV_Fn_Undo";
    static constexpr const char* S_Name_Redo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_M_Modify::MV_Fn_Redo";
    static C_Mgr_D_DB_C_M& S_Fn_Mgr(C_Proj& ro_Proj) { return ro_Proj.M_Fn_Get_Mgr_D_DB_C_M(); }
};

} // namespace N_Biz::N_Proj::N_Cmd
