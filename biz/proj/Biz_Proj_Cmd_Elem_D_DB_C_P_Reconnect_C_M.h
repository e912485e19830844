// Undo element: a property card connected to another material card; execute, undo and redo all
// exchange the card's key with the key the element holds.
#pragma once

#include "biz/db/Biz_DB_Key.h"
#include "biz/db/Biz_DB_Row_C_Property.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Cmd_Elem_D_DB_Card.h"
#include "biz/proj/Biz_Proj_Mgr_D_DB_C_P.h"

namespace N_Biz::N_Proj::N_Cmd {

class C_Elem_D_DB_C_P_Reconnect_C_M : public N_Impl::C_Elem_Card_Exchange<C_Elem_D_DB_C_P_Reconnect_C_M, N_DB::C_Row_C_Property> {
public:
    // i_p_Card: the stored property card; ro_Key: the key of the new material card, copied.
    C_Elem_D_DB_C_P_Reconnect_C_M(C_Proj* i_p_Proj, N_DB::C_Row_C_Property* i_p_Card, const N_DB::C_Key_C_Material& ro_Key)
        : C_Elem_Card_Exchange(i_p_Proj, i_p_Card), m_Key(ro_Key)
    {
    }

    static constexpr const char* S_Name_Ctor = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_P_Reconnect_C_M::C_Elem_D_DB_C_P_Reconnect_C_M";
    static constexpr const char* S_Name_Undo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_P_Reconnect_C_M::MV_Fn_Undo";
    static constexpr const char* S_Name_Redo = "N_Biz::N_Proj::N_Cmd::C_Elem_D_DB_C_P_Reconnect_C_M::MV_Fn_Redo";

    // The swap itself, for undo and redo alike.
    void M_Fn_Exchange() { m_p_Proj->M_Fn_Get_Mgr_D_DB_C_P().M_Fn_D_Reconnect_C_M(m_p_Card, m_Key); }

    // The key the card does not have at the moment.
    const N_DB::C_Key_C_Material& M_Fn_Get_Key() const { return m_Key; }

private:
    N_DB::C_Key_C_Material m_Key;
};

} // namespace N_Biz::N_Proj::N_Cmd
