// The shapes of the undo elements of section groups and sections.
//
// The element takes the caller's shared pointer over (the caller's pointer is emptied): from then
// on exactly one of element and store holds the group or section, because the data operations of
// the section-group manager move the pointer between them in both directions. An add element holds
// its object until its first execute; a remove element starts empty and receives the object at its
// first execute. When the history drops an element that holds its object, the object goes with it.
// The elements check only their own arguments; the data operations check slots and pointers.
//
// Derived names its constructor for the exception reports (S_Name_Ctor).
#pragma once

#include "biz/cmd/Biz_Cmd_Elem.h"
#include "biz/proj/Biz_Proj.h"
#include "biz/proj/Biz_Proj_Mgr_D_Sect.h"
#include "common/Common_Exception.h"

#include <cstdint>
#include <memory>
#include <utility>

namespace N_Biz::N_Proj::N_Cmd::N_Impl {

// A group moved into (i_Add) or out of (!i_Add) the group table at execute and redo.
template <class Derived, bool i_Add>
class C_Elem_Sect_Group_Move : public ::N_Biz::N_Cmd::C_Elem {
public:
    using T_sp_Group = C_Mgr_D_Sect::T_sp_Group;

    // The add element: i_Index not 0, io_sp_Group not empty (taken over).
    C_Elem_Sect_Group_Move(C_Proj* i_p_Proj, std::uint32_t i_Index, T_sp_Group& io_sp_Group) requires i_Add
        : m_p_Proj(i_p_Proj),
          m_Index(i_Index)
    {
        if (!m_p_Proj || m_Index == 0 || !io_sp_Group)
            VT_THROW(Derived::S_Name_Ctor);
        m_sp_Group = std::move(io_sp_Group);
        io_sp_Group.reset();
    }
    // The remove element: i_Index not 0.
    C_Elem_Sect_Group_Move(C_Proj* i_p_Proj, std::uint32_t i_Index) requires(!i_Add)
        : m_p_Proj(i_p_Proj), m_Index(i_Index)
    {
        if (!m_p_Proj || m_Index == 0)
            VT_THROW(Derived::S_Name_Ctor);
    }

    void MV_Fn_Redo() override { M_Fn_Move(i_Add); }
    void MV_Fn_Undo() override { M_Fn_Move(!i_Add); }

    std::uint32_t M_Fn_Get_Index() const { return m_Index; }
    // The group while the element holds it.
    const T_sp_Group& M_Fn_Get_Group() const { return m_sp_Group; }

private:
    void M_Fn_Move(bool i_Into_Store)
    {
        C_Mgr_D_Sect& mgr = m_p_Proj->M_Fn_Get_Mgr_D_Sect();
        if (i_Into_Store)
            mgr.M_Fn_D_Group_Add_At(m_Index, m_sp_Group);
        else
            mgr.M_Fn_D_Group_Remove_At(m_Index, m_sp_Group);
    }

    C_Proj* m_p_Proj;
    std::uint32_t m_Index;
    T_sp_Group m_sp_Group;
};

// A section moved into (i_Add) or out of (!i_Add) a group's section table at execute and redo.
template <class Derived, bool i_Add>
class C_Elem_Sect_Individual_Move : public ::N_Biz::N_Cmd::C_Elem {
public:
    using T_sp_Sect = C_Mgr_D_Sect::T_sp_Sect;

    // The add element: both slots not 0, io_sp_Sect not empty (taken over).
    C_Elem_Sect_Individual_Move(C_Proj* i_p_Proj, std::uint32_t i_Group, std::uint32_t i_Index,
                                T_sp_Sect& io_sp_Sect) requires i_Add : m_p_Proj(i_p_Proj),
                                                                        m_Group(i_Group),
                                                                        m_Index(i_Index)
    {
        if (!m_p_Proj || m_Group == 0 || m_Index == 0 || !io_sp_Sect)
            VT_THROW(Derived::S_Name_Ctor);
        m_sp_Sect = std::move(io_sp_Sect);
        io_sp_Sect.reset();
    }
    // The remove element: both slots not 0.
    C_Elem_Sect_Individual_Move(C_Proj* i_p_Proj, std::uint32_t i_Group, std::uint32_t i_Index) requires(!i_Add)
        : m_p_Proj(i_p_Proj), m_Group(i_Group), m_Index(i_Index)
    {
        if (!m_p_Proj || m_Group == 0 || m_Index == 0)
            VT_THROW(Derived::S_Name_Ctor);
    }

    void MV_Fn_Redo() override { M_Fn_Move(i_Add); }
    void MV_Fn_Undo() override { M_Fn_Move(!i_Add); }

    std::uint32_t M_Fn_Get_Group() const { return m_Group; }
    std::uint32_t M_Fn_Get_Index() const { return m_Index; }
    // The section while the element holds it.
    const T_sp_Sect& M_Fn_Get_Sect() const { return m_sp_Sect; }

private:
    void M_Fn_Move(bool i_Into_Store)
    {
        C_Mgr_D_Sect& mgr = m_p_Proj->M_Fn_Get_Mgr_D_Sect();
        if (i_Into_Store)
            mgr.M_Fn_D_Individual_Add_At(m_Group, m_Index, m_sp_Sect);
        else
            mgr.M_Fn_D_Individual_Remove_At(m_Group, m_Index, m_sp_Sect);
    }

    C_Proj* m_p_Proj;
    std::uint32_t m_Group;
    std::uint32_t m_Index;
    T_sp_Sect m_sp_Sect;
};

} // namespace N_Biz::N_Proj::N_Cmd::N_Impl
