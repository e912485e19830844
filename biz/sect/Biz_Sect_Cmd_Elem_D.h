// The two shapes of a section's undo elements, shared by the point, entity and plane elements.
//
// Move elements put an object into its manager's table or take it out: the add element takes the
// caller's owning pointer over (the caller's pointer is emptied) and its first execute (redo) moves
// the object into the table; undo moves it back into the element. The remove element starts empty
// and receives the object at its first execute. At any time exactly one of element and table holds
// the object; when the history drops an element that holds one, the object goes with it.
//
// Exchange elements hold the version of an object that is not in the table and swap it with the
// stored one through the manager's modify operation: execute, undo and redo are that same call.
//
// The elements reach their manager through the section (Derived::S_Fn_Mgr). A constructor only
// checks and stores: nothing changes before the element is executed, and a refused constructor
// leaves the caller's pointer as it was. Derived names the constructor for the exception reports
// (S_Name_Ctor).
#pragma once

#include "biz/cmd/Biz_Cmd_Elem.h"
#include "common/Common_Exception.h"

#include <cstdint>
#include <utility>

namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_Biz::N_Sect::N_Cmd::N_Impl {

// What every element holds: the section, the slot and (while the element holds it) the object.
// T_Ptr: the owning pointer of the manager's data operations (std::unique_ptr of a point,
// std::shared_ptr of an entity).
template <class Derived, class T_Ptr>
class C_Elem_D : public ::N_Biz::N_Cmd::C_Elem {
public:
    std::uint32_t M_Fn_Get_Index() const { return m_Index; }
    // The object while the element holds it.
    const T_Ptr& M_Fn_Get_Ptr() const { return m_Ptr; }

protected:
    // An element that starts empty: i_Index not 0.
    C_Elem_D(C_Sect* i_p_Sect, std::uint32_t i_Index) : m_p_Sect(i_p_Sect), m_Index(i_Index)
    {
        if (!m_p_Sect || m_Index == 0)
            VT_THROW(Derived::S_Name_Ctor);
    }
    // An element that takes io_Ptr (not null) over; i_Index not 0.
    C_Elem_D(C_Sect* i_p_Sect, std::uint32_t i_Index, T_Ptr& io_Ptr) : C_Elem_D(i_p_Sect, i_Index)
    {
        if (!io_Ptr)
            VT_THROW(Derived::S_Name_Ctor);
        m_Ptr = std::move(io_Ptr);
        io_Ptr = T_Ptr();
    }

    // The manager's data operations on the held pointer.
    void M_Fn_Add() { Derived::S_Fn_Mgr(*m_p_Sect).M_Fn_D_Add_At(m_Index, m_Ptr); }
    void M_Fn_Remove() { Derived::S_Fn_Mgr(*m_p_Sect).M_Fn_D_Remove_At(m_Index, m_Ptr); }
    void M_Fn_Modify() { Derived::S_Fn_Mgr(*m_p_Sect).M_Fn_D_Modify_At(m_Index, m_Ptr); }

private:
    C_Sect* m_p_Sect;
    std::uint32_t m_Index;
    T_Ptr m_Ptr;
};

// The object added at execute and redo, taken out again at undo.
template <class Derived, class T_Ptr>
class C_Elem_D_Add_At : public C_Elem_D<Derived, T_Ptr> {
public:
    C_Elem_D_Add_At(C_Sect* i_p_Sect, std::uint32_t i_Index, T_Ptr& io_Ptr)
        : C_Elem_D<Derived, T_Ptr>(i_p_Sect, i_Index, io_Ptr)
    {
    }
    void MV_Fn_Redo() override { this->M_Fn_Add(); }
    void MV_Fn_Undo() override { this->M_Fn_Remove(); }
};

// The object in the slot taken out at execute and redo, put back at undo.
template <class Derived, class T_Ptr>
class C_Elem_D_Remove_At : public C_Elem_D<Derived, T_Ptr> {
public:
    C_Elem_D_Remove_At(C_Sect* i_p_Sect, std::uint32_t i_Index) : C_Elem_D<Derived, T_Ptr>(i_p_Sect, i_Index) {}
    void MV_Fn_Redo() override { this->M_Fn_Remove(); }
    void MV_Fn_Undo() override { this->M_Fn_Add(); }
};

// The held version exchanged with the stored one at execute, undo and redo alike.
template <class Derived, class T_Ptr>
class C_Elem_D_Modify_At : public C_Elem_D<Derived, T_Ptr> {
public:
    C_Elem_D_Modify_At(C_Sect* i_p_Sect, std::uint32_t i_Index, T_Ptr& io_Ptr)
        : C_Elem_D<Derived, T_Ptr>(i_p_Sect, i_Index, io_Ptr)
    {
    }
    void MV_Fn_Redo() override { this->M_Fn_Modify(); }
    void MV_Fn_Undo() override { this->M_Fn_Modify(); }
};

} // namespace N_Biz::N_Sect::N_Cmd::N_Impl
