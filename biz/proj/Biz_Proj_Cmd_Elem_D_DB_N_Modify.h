// Undo element: a node row of a model given other columns; execute, undo and redo all exchange
// them with what the element holds.
#pragma once

#include "biz/db/Biz_DB_Row_Any.h"
#include "biz/db/Biz_DB_Row_Node.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_Card.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_N.h"

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_DB_N_Modify : public N_Impl::C_Elem_Card_Exchange<C_Elem_D_DB_N_Modify, N_DB::C_Row_Node> {
public:
    // i_p_Row: the row inside its model; ro_Data: its new columns, copied.
    C_Elem_D_DB_N_Modify(C_Proj* i_p_Proj, N_DB::C_Row_Node* i_p_Row, const N_DB::C_Row_Any& ro_Data)
        : C_Elem_Card_Exchange(i_p_Proj, i_p_Row), m_Data(ro_Data)
    {
    }

    static constexpr const char* S_Name_Ctor = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_N_Modify::C_Elem_D_DB_N_Modify";
    static constexpr const char* S_Name_Undo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_N_Modify::MV_Fn_Undo";
    static constexpr const char* S_Name_Redo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_N_Modify::MV_Fn_Redo";

    // The swap itself, for undo and redo alike.
    void M_Fn_Exchange() { m_p_Proj->M_Fn_Get_Mgr_D_DB_N().M_Fn_D_Modify(m_p_Card, m_Data); }

    // The columns the row does not have at the moment.
    const N_DB::C_Row_Any& M_Fn_Get_Data() const { return m_Data; }

private:
    N_DB::C_Row_Any m_Data;
};

} // namespace N_Biz::N_Proj::N_Cmd
