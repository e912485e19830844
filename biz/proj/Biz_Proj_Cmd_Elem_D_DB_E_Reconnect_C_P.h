// Undo element: a shell-element row of a model connected to another property card; execute, undo
// and redo all exchange the row's property key with the key the element holds.
#pragma once

#include "biz/db/Biz_DB_Key.h"
#include "biz/db/Biz_DB_Row_Element_2D.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_Card.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_E.h"

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_DB_E_Reconnect_C_P
    : public N_Impl::C_Elem_Card_Exchange<C_Elem_D_DB_E_Reconnect_C_P, N_DB::C_Row_Element_2D> {
public:
    // i_p_Row: the row inside its model; ro_Key: the key of the new property card, copied.
    C_Elem_D_DB_E_Reconnect_C_P(C_Proj* i_p_Proj, N_DB::C_Row_Element_2D* i_p_Row, const N_DB::C_Key_C_Property& ro_Key)
        : C_Elem_Card_Exchange(i_p_Proj, i_p_Row), m_Key(ro_Key)
    {
    }

    static constexpr const char* S_Name_Ctor = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_E_Reconnect_C_P::C_Elem_D_DB_E_Reconnect_C_P";
    static constexpr const char* S_Name_Undo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_E_Reconnect_C_P::MV_Fn_Undo";
    static constexpr const char* S_Name_Redo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_E_Reconnect_C_P::MV_Fn_Redo";

    // The swap itself, for undo and redo alike.
    void M_Fn_Exchange() { m_p_Proj->M_Fn_Get_Mgr_D_DB_E().M_Fn_D_Reconnect_C_P(m_p_Card, m_Key); }

    // The key the row does not have at the moment.
    const N_DB::C_Key_C_Property& M_Fn_Get_Key() const { return m_Key; }

private:
    N_DB::C_Key_C_Property m_Key;
};

} // namespace N_Biz::N_Proj::N_Cmd
