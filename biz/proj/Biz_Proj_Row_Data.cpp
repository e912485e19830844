#include "biz/proj/Biz_Proj_Row_Data.h"

#include "biz/db/Biz_DB_Row_Any.h"
#include "common/Common_Exception.h"

namespace N_Biz::N_Proj::N_Impl {

namespace {

// The database offers the column exchange only between two free-standing copies; a stored card is
// exchanged through the row's own (protected) exchange, reached as a member pointer formed in a
// class derived from the row.
struct C_Row_Swap_Access : N_DB::C_Row {
    static constexpr void (N_DB::C_Row::*S_p_Swap)(N_DB::C_Row&) noexcept = &C_Row_Swap_Access::M_Fn_Swap;
};

} // namespace

void G_Fn_Row_Data_Swap(N_DB::C_Row& io_Row, N_DB::C_Row_Any& io_Data)
{
    const N_DB::C_Info_Table* p_mine = io_Row.M_Fn_Info_Table();
    const N_DB::C_Info_Table* p_theirs = io_Data.M_Fn_Info_Table();
    if (!p_mine || !p_theirs || p_mine->M_Fn_Type_Relation() != p_theirs->M_Fn_Type_Relation())
        VT_THROW("N_Biz::N_Proj::N_Impl::G_Fn_Row_Data_Swap");
    (io_Row.*C_Row_Swap_Access::S_p_Swap)(io_Data);
}

} // namespace N_Biz::N_Proj::N_Impl
