// The generic card manager: the project's cards that are neither materials nor properties (the
// section cards of the imported formats among them). It keeps only the store: no tree item,
// palette, selection or hidden state.
//
// Card identifiers are slot indices from 1; slot 0 holds the empty pointer for the manager's whole
// life. Three layers of operations: data operations (M_Fn_D_..., no undo record; called by the undo
// elements and the file readers), the Sub operation (one undo element added to the caller's open
// group), and Top operations (one named undo entry each).
#pragma once

#include "biz/db/Biz_DB_Row_Common.h"
#include "common/Common_Container_slotvec.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}
namespace N_Biz::N_DB {
class C_Row_Any;
}

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_D_DB_C {
public:
    using T_sp_Card = N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_Common>;
    using T_Store = N_Common::N_Container::slotvec<T_sp_Card>;

    // An empty store with the empty pointer in slot 0.
    explicit C_Mgr_D_DB_C(C_Proj* i_p_Proj);
    C_Mgr_D_DB_C(const C_Mgr_D_DB_C&) = delete;
    C_Mgr_D_DB_C& operator=(const C_Mgr_D_DB_C&) = delete;

    // Puts the card into slot i_Index (at least 1, free); the card must exist and be in no store.
    // Its identifier becomes i_Index; the project is marked modified. Nothing is invalidated.
    void M_Fn_D_Add_At(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card);
    // Takes the card out of slot i_Index into io_sp_Card (which must be empty); its identifier
    // becomes 0. Sections and the project view are invalidated, the project marked modified.
    void M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Card& io_sp_Card);
    // Exchanges the stored card's columns with io_Data (the same call undoes it); sections and the
    // project view are invalidated, the project marked modified.
    void M_Fn_D_Modify(N_DB::C_Row_Common* i_p_Card, N_DB::C_Row_Any& io_Data);

    // Adds one C_Elem_D_DB_C_Add_At to the caller's open group (which must exist) and executes it.
    void M_Fn_D_DB_C_Proc_Cmd_Sub_Add_At(const std::shared_ptr<::N_Biz::N_Cmd::C_Elem_Group>& ro_sp_Group,
                                         std::uint32_t i_Index, const T_sp_Card& ro_sp_Card);
    // Entry "Create card": the card added at slot i_Index.
    void M_Fn_Proc_Cmd_Top_Add(std::uint32_t i_Index, const T_sp_Card& ro_sp_Card);
    // Entry "Modify card": the stored card takes the columns of ro_Data.
    void M_Fn_Proc_Cmd_Top_Modify(N_DB::C_Row_Common* i_p_Card, const N_DB::C_Row_Any& ro_Data);

    // Element writers of the card pieces of the project file: the card's class code, and the
    // card's data (nested flag 0). Each returns the card's result.
    static E_Result Fn_Row_Serialize_Type_O(std::ostream& ro_Stream, const N_DB::C_Row_Common& ro_Card);
    static E_Result Fn_Row_Serialize_o_O(std::ostream& ro_Stream, const N_DB::C_Row_Common& ro_Card);

    // --- project file ----------------------------------------------------------------------------
    // The generic card piece of the project file: the slot table, each card as its presence byte,
    // its class code and its data.
    E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream) const;
    // Reads that piece into this manager, which must hold no card (else C_Exception). The table is
    // read whole, each card created by its class code (2 section, 3 material, 4 property card; any
    // other code throws C_Exception) and read; then the cards enter their slots from slot 1 upward
    // through M_Fn_D_Add_At, which numbers them. 1; 0 on a short read or refused input, nothing
    // added; C_Exception for an occupied slot without a card.
    E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream);

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    const T_Store& M_Fn_Get_Store() const { return m_Store; }
    const T_sp_Card& M_Fn_Get_At(std::uint32_t i_Index) const { return m_Store.at(i_Index); }

private:
    C_Proj* m_p_Proj;
    T_Store m_Store;
};

} // namespace N_Biz::N_Proj
