// One reversible change of data: the unit the undo history is built from.
//
// A concrete element stores what it needs to apply and revert its change (values and indices, and
// the objects it took out of the data, never bare pointers into the data). Its owner (an entry or a
// group) drives it and keeps its state; the element's own operations never touch m_State.
#pragma once

#include <cstdint>

namespace N_Biz::N_Cmd {

class C_Elem {
public:
    // The element's life: created (new), collecting children (open, groups only), reverted
    // (undone) and applied (done).
    enum E_State : std::int32_t {
        E_State_New = 0,
        E_State_Open = 1,
        E_State_Undone = 2,
        E_State_Done = 3,
    };

    C_Elem() = default;
    C_Elem(const C_Elem&) = delete;
    C_Elem& operator=(const C_Elem&) = delete;
    virtual ~C_Elem() = default;

    // Called once no further child will be added (a group finishes its last child). Base: nothing.
    virtual void MV_Fn_Child_add_finished() {}
    // True for an element that collects other elements.
    virtual bool MV_Fn_Is_group() const { return false; }
    // True when the element changes nothing and may be dropped; a plain element never is.
    virtual bool MV_Fn_Is_empty() const { return false; }
    // Reverts the change. Called only on an applied element.
    virtual void MV_Fn_Undo() = 0;
    // Applies the change again. Called only on a reverted element.
    virtual void MV_Fn_Redo() = 0;
    // Applies the change the first time; most changes are applied the same way as on redo.
    virtual void MV_Fn_Execute() { MV_Fn_Redo(); }

    // Set by the owner only (E_State values). An exception from Execute, Undo or Redo leaves it as it was.
    std::int32_t m_State = E_State_New;
};

} // namespace N_Biz::N_Cmd
