// Exchange of a stored card's database columns with a free-standing copy (N_DB::C_Row_Any): the one
// operation behind every card modify, so that the same call undoes it. The card keeps its slot,
// flags, colours and tree item; only its table and column values move.
#pragma once

namespace N_Biz::N_DB {
class C_Row;
class C_Row_Any;
} // namespace N_Biz::N_DB

namespace N_Biz::N_Proj::N_Impl {

// The two tables must both exist and have the same relation type, else C_Exception and neither row
// changes.
void G_Fn_Row_Data_Swap(N_DB::C_Row& io_Row, N_DB::C_Row_Any& io_Data);

} // namespace N_Biz::N_Proj::N_Impl
