// The records of which mesh elements each geometry entity's meshing produced, held by shared
// pointers in a slot table whose slot 0 holds an empty pointer. Storing a record gives every listed
// entity and element the record's id; removing it takes the id back. No selection.
//
// Every check of a call, including the back-reference checks over the record's lists, is made
// before anything changes.
#pragma once

#include "biz/sect/Biz_Sect_D_Relation_Geom_E_Tess_E.h"
#include "common/Common_Container_slotvec.h"

#include <cstdint>
#include <memory>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_D_Relation_Geom_E_Tess_E {
public:
    using T_sp_Relation = std::shared_ptr<C_D_Relation_Geom_E_Tess_E>;
    using T_Store = N_Common::N_Container::slotvec<T_sp_Relation>;

    explicit C_Mgr_D_Relation_Geom_E_Tess_E(C_Sect* i_p_Sect);
    C_Mgr_D_Relation_Geom_E_Tess_E(const C_Mgr_D_Relation_Geom_E_Tess_E&) = delete;
    C_Mgr_D_Relation_Geom_E_Tess_E& operator=(const C_Mgr_D_Relation_Geom_E_Tess_E&) = delete;
    ~C_Mgr_D_Relation_Geom_E_Tess_E();

    // Stores the record at slot i_Index, releases the holder, sets the record's id and gives it to
    // every listed entity and element. Throws C_Exception, nothing changed, for index 0, an empty
    // holder, a record that already has an id, an occupied slot, a listed entity or element that is
    // not stored or already carries a relation.
    void M_Fn_D_Add_At(std::uint32_t i_Index, T_sp_Relation& io_sp_Relation);
    // Takes the record out of slot i_Index into o_sp_Relation (which must be empty) and resets the
    // relation id of every listed element and entity. Throws C_Exception, nothing changed, for
    // index 0, a non-empty holder, an empty slot, a record whose id is not the index, or a listed
    // element or entity that does not carry this record's id.
    void M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Relation& o_sp_Relation);
    // M_Fn_D_Remove_At into a holder that is dropped; returns 1.
    int M_Fn_D_Erase_At(std::uint32_t i_Index);
    // Empties the table and puts the empty pointer back into slot 0.
    void M_Fn_D_Clear();

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    const T_Store& M_Fn_Get_Store() const { return m_Store; }
    const T_sp_Relation& M_Fn_Get_At(std::uint32_t i_Index) const { return m_Store.at(i_Index); }
    std::uint32_t M_Fn_Next_Index() const { return m_Store.next_index(); }

private:
    C_Sect* m_p_Sect;
    T_Store m_Store;
};

} // namespace N_Biz::N_Sect
