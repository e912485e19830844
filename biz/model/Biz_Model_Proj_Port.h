// What a finite-element model and its import need of the project that owns them: the three card
// tables (section, material and property cards), the palette colours of new cards, and the
// undoable adds of imported cards into an open command group.
//
// Design note. The model database layer stands below the project layer, which builds on it; so
// the model and the import catalog reach the project through this narrow interface, which the
// project's model manager implements (N_Biz::N_Proj::C_Mgr_D_Model). The readers can then also run
// against a small stand-in, without a project, in tests and in the fuzz target.
#pragma once

#include "common/Common_Container_slotvec.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"

#include <array>
#include <cstdint>
#include <memory>

namespace N_Biz::N_Cmd {
class C_Elem_Group;
}
namespace N_Biz::N_DB {
class C_Row_Common;
class C_Row_C_Material;
class C_Row_C_Property;
} // namespace N_Biz::N_DB

namespace N_Biz::N_Model {

class C_Proj_Port {
public:
    using T_Table_C = N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_Common>>;
    using T_Table_C_M = N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Material>>;
    using T_Table_C_P = N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Property>>;
    using T_Color = std::array<float, 4>;

    virtual ~C_Proj_Port() = default;

    // The project's card tables: section (generic) cards, material cards, property cards. Slot 0
    // holds no card; a card's slot is its id in the project.
    virtual const T_Table_C& M_Fn_Table_C() const = 0;
    virtual const T_Table_C_M& M_Fn_Table_C_M() const = 0;
    virtual const T_Table_C_P& M_Fn_Table_C_P() const = 0;

    // The colour the material (property) palette hands out next.
    virtual T_Color M_Fn_Palette_Pick_C_M() const = 0;
    virtual T_Color M_Fn_Palette_Pick_C_P() const = 0;

    // Adds a card at slot i_Slot as an undoable add executed at once inside the open group
    // ro_sp_Group; afterwards the card is in its table. Throws C_Exception when that fails.
    virtual void M_Fn_C_Add_At(std::uint32_t i_Slot, const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_Common>& ro_sp_Card,
                               const std::shared_ptr<N_Cmd::C_Elem_Group>& ro_sp_Group) = 0;
    virtual void M_Fn_C_M_Add_At(std::uint32_t i_Slot,
                                 const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Material>& ro_sp_Card,
                                 const std::shared_ptr<N_Cmd::C_Elem_Group>& ro_sp_Group) = 0;
    virtual void M_Fn_C_P_Add_At(std::uint32_t i_Slot,
                                 const N_Common::N_Pointer::lesser_shared_ptr<N_DB::C_Row_C_Property>& ro_sp_Card,
                                 const std::shared_ptr<N_Cmd::C_Elem_Group>& ro_sp_Group) = 0;
};

} // namespace N_Biz::N_Model
