// The two shapes of the card undo elements, shared by the classes of each card kind (the node and
// element rows of the models count as cards here: they are modified and reconnected the same way).
//
// Move element (C_Elem_Card_Add_At): holds the card while it is out of its store. The constructor
// copies the caller's counted pointer (caller and element share the card) and changes nothing; the
// first execute (redo) puts the card into its slot through the manager's data add and empties the
// element's pointer; undo takes the card out of the slot into the element's pointer.
//
// Exchange element (C_Elem_Card_Exchange): Derived holds the value that the card does not have at
// the moment (its columns as a C_Row_Any, with its colour for a coloured card, or a key) and
// exchanges it through one swapping data operation (M_Fn_Exchange); execute, undo and redo are
// that same call. The card or row stays where it is (in its store, or in its model) and is not
// owned by the element.
//
// Derived names its operations for the exception reports (S_Name_Ctor, S_Name_Undo, S_Name_Redo);
// a move element also finds its manager in the project (S_Fn_Mgr). A failing check changes nothing.
#pragma once

#include "biz/cmd/Biz_Cmd_Elem.h"
#include "biz/db/Biz_DB_Row_Any.h"
#include "common/Common_Exception.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"

#include <array>
#include <cstdint>

namespace N_Biz::N_Proj {
class C_Proj;
}

namespace N_Biz::N_Proj::N_Cmd::N_Impl {

template <class Derived, class Card>
class C_Elem_Card_Add_At : public ::N_Biz::N_Cmd::C_Elem {
public:
    using T_sp_Card = N_Common::N_Pointer::lesser_shared_ptr<Card>;

    // i_Index: the slot (not 0); ro_sp_Card: the card (not empty), shared with the caller.
    C_Elem_Card_Add_At(C_Proj* i_p_Proj, std::uint32_t i_Index, const T_sp_Card& ro_sp_Card)
        : m_p_Proj(i_p_Proj), m_Index(i_Index), m_sp_Card(ro_sp_Card)
    {
        m_State = E_State_New;
        if (!m_p_Proj || m_Index == 0 || !m_sp_Card)
            VT_THROW(Derived::S_Name_Ctor);
    }

    void MV_Fn_Redo() override
    {
        if (!m_sp_Card)
            VT_THROW(Derived::S_Name_Redo);
        Derived::S_Fn_Mgr(*m_p_Proj).M_Fn_D_Add_At(m_Index, m_sp_Card);
        m_sp_Card = T_sp_Card();
    }

    void MV_Fn_Undo() override
    {
        if (m_sp_Card)
            VT_THROW(Derived::S_Name_Undo);
        Derived::S_Fn_Mgr(*m_p_Proj).M_Fn_D_Remove_At(m_Index, m_sp_Card);
    }

    std::uint32_t M_Fn_Get_Index() const { return m_Index; }
    // The card while the element holds it (after undo), else empty.
    const T_sp_Card& M_Fn_Get_Card() const { return m_sp_Card; }

private:
    C_Proj* m_p_Proj;
    std::uint32_t m_Index;
    T_sp_Card m_sp_Card;
};

template <class Derived, class Card>
class C_Elem_Card_Exchange : public ::N_Biz::N_Cmd::C_Elem {
public:
    // i_p_Card: the stored card (not null, not owned). Derived holds the value to exchange.
    C_Elem_Card_Exchange(C_Proj* i_p_Proj, Card* i_p_Card) : m_p_Proj(i_p_Proj), m_p_Card(i_p_Card)
    {
        m_State = E_State_New;
        if (!m_p_Proj || !m_p_Card)
            VT_THROW(Derived::S_Name_Ctor);
    }

    void MV_Fn_Redo() override
    {
        if (!m_p_Card)
            VT_THROW(Derived::S_Name_Redo);
        static_cast<Derived*>(this)->M_Fn_Exchange();
    }

    void MV_Fn_Undo() override
    {
        if (!m_p_Card)
            VT_THROW(Derived::S_Name_Undo);
        static_cast<Derived*>(this)->M_Fn_Exchange();
    }

protected:
    C_Proj* m_p_Proj;
    Card* m_p_Card;
};

// The exchange of a coloured card's columns and colour (material and property cards): Derived
// finds the manager whose M_Fn_D_Modify swaps them (S_Fn_Mgr).
template <class Derived, class Card>
class C_Elem_Card_Modify_Color : public C_Elem_Card_Exchange<Derived, Card> {
public:
    // i_p_Card: the stored card; ro_Data and ro_Color: its new columns and colour, copied.
    C_Elem_Card_Modify_Color(C_Proj* i_p_Proj, Card* i_p_Card, const N_DB::C_Row_Any& ro_Data,
                             const std::array<float, 4>& ro_Color)
        : C_Elem_Card_Exchange<Derived, Card>(i_p_Proj, i_p_Card), m_Data(ro_Data), m_Color(ro_Color)
    {
    }

    // The swap itself, for undo and redo alike.
    void M_Fn_Exchange() { Derived::S_Fn_Mgr(*this->m_p_Proj).M_Fn_D_Modify(this->m_p_Card, m_Data, m_Color); }

    // The columns and the colour the card does not have at the moment.
    const N_DB::C_Row_Any& M_Fn_Get_Data() const { return m_Data; }
    const std::array<float, 4>& M_Fn_Get_Color() const { return m_Color; }

private:
    N_DB::C_Row_Any m_Data;
    std::array<float, 4> m_Color;
};

} // namespace N_Biz::N_Proj::N_Cmd::N_Impl
