// The mesh elements (wall segments) of a section, held by shared pointers in a slot table whose
// slot 0 holds an empty pointer; the merge pass that joins nearly collinear segments after every
// rebuild; and the element commands of the section document (palette pick, display switches).
//
// Every check of a store call is made before the store changes (including the node-chain checks
// reached while connecting an element), so a failing call leaves stores and elements as they were.
#pragma once

#include "biz/sect/Biz_Sect_D_Tess_Element.h"
#include "biz/sel/Biz_Sel_Mgr.h"
#include "common/Common_Container_slotvec.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_D_Tess_E : public N_Biz::N_Sel::C_Mgr<C_D_Tess_Element, C_D_Tess_Element*, C_Mgr_D_Tess_E> {
public:
    using T_Sel = N_Biz::N_Sel::C_Mgr<C_D_Tess_Element, C_D_Tess_Element*, C_Mgr_D_Tess_E>;
    using T_sp_Element = std::shared_ptr<C_D_Tess_Element>;
    using T_Store = N_Common::N_Container::slotvec<T_sp_Element>;

    // i_p_Sect: the owning section (not owned). The table starts with an empty pointer in slot 0.
    explicit C_Mgr_D_Tess_E(C_Sect* i_p_Sect);
    C_Mgr_D_Tess_E(const C_Mgr_D_Tess_E&) = delete;
    C_Mgr_D_Tess_E& operator=(const C_Mgr_D_Tess_E&) = delete;
    ~C_Mgr_D_Tess_E();

    // Stores the element at slot i_Index, releases the holder, sets the element's id and links it
    // into the chains of its nodes. Throws C_Exception, nothing changed, for index 0, an empty
    // holder, an element that already has an id or is picked or selected, an occupied slot, or a
    // node reference that names no stored node.
    void M_Fn_D_Add_At(std::uint32_t i_Index, T_sp_Element& io_sp_Element);
    // Takes the element out of slot i_Index into o_sp_Element (which must be empty): it leaves the
    // selection and its nodes' chains, its id becomes 0 (its relation id stays) and the slot is
    // freed. Throws C_Exception, nothing changed, for index 0, a non-empty holder, an empty slot or
    // an element whose id is not the index.
    void M_Fn_D_Remove_At(std::uint32_t i_Index, T_sp_Element& o_sp_Element);
    // M_Fn_D_Remove_At into a holder that is dropped; returns 1.
    int M_Fn_D_Erase_At(std::uint32_t i_Index);
    // Empties the table and puts the empty pointer back into slot 0 (the mesh rebuild, after every
    // element has been removed).
    void M_Fn_D_Clear();

    // Meshes geometry entity i_Id_Geom_E as a chain: one segment per consecutive pair of
    // ro_Ids_Node (set up with the weld and individual-thickness switches, the property key, the
    // four thickness weights and the thickness), each stored at the table's next free index; then,
    // when any segment was made, one relation record listing the entity and its segments, stored at
    // the relation table's next free index. A node id of 0 throws C_Exception in the name of
    // i_Function.
    void M_Fn_Proc_Sub_Chain_Add(std::uint32_t i_Id_Geom_E, const std::vector<std::uint32_t>& ro_Ids_Node, bool i_Weld,
                                 bool i_Thk_Individual, const C_D_Tess_Element::T_Key_C_P& ro_Key_C_P,
                                 const std::array<float, 4>& ro_Weights, float i_Thk, const char* i_Function);
    // The merge pass: joins two non-weld segments meeting at a node where only they end, when
    // their material values agree and their directions (with the spread they already cover) stay
    // within the merge angle (configuration word 30). Returns 1.
    int M_Fn_Proc_Sub_Segment_Merge();
    // With exactly one selected element, makes its property the project's current palette
    // property and returns 1; otherwise returns 0.
    int M_Fn_Proc_Cmd_P_Palette_Sel();
    // "Toggle show thickness" / "Toggle show loop" (configuration words 28 and 29, never on
    // together), then every section's main view is redrawn.
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Tess_Show_Thk();
    void M_Fn_Doc_On_Cmd_Sect_Edit_D_Tess_Show_Loop();

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    T_Sel& M_Fn_Sel() { return *this; }
    const T_Store& M_Fn_Get_Store() const { return m_Store; }
    // The element in slot i_Index (a free or missing slot throws C_Exception; slot 0 is empty).
    const T_sp_Element& M_Fn_Get_At(std::uint32_t i_Index) const { return m_Store.at(i_Index); }
    std::uint32_t M_Fn_Next_Index() const { return m_Store.next_index(); }

    // Selection owner: fires the section's signal with code 3.
    void M_Fn_Sel_Notify();

private:
    void M_Fn_Redraw_All();

    C_Sect* m_p_Sect;
    T_Store m_Store;
};

} // namespace N_Biz::N_Sect
