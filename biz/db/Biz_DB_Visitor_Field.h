// Visitor fields: how code reaches one column value of a row (or of a column's default and bound
// store) without knowing its type at compile time: the pair {address of the field, column}. For a
// virtual column the pair carries the row instead of an address, and the value is computed.
//
// Typed access (M_Fn_Get, M_Fn_Ref) checks the column's type against the C++ type asked for and
// throws C_Exception on a mismatch, so a schema that gives a column an unexpected type fails
// loudly instead of reinterpreting memory.
#pragma once

#include "biz/db/Biz_DB_Enum.h"
#include "biz/db/Biz_DB_Obj_Ops.h"
#include "common/Common_Exception.h"

#include <new>

namespace N_Biz::N_DB {

class C_Info_Column;
class C_Row;
class C_Visitor_Field_Const;

class C_Visitor_Field {
public:
    C_Visitor_Field() = default;
    C_Visitor_Field(void* i_p_Field, const C_Info_Column* i_ro_Column, C_Row* i_p_Row = nullptr)
        : m_p_Field(i_p_Field), m_ro_Info_Column(i_ro_Column), m_p_Row(i_p_Row)
    {
    }

    // No column: the lookup that should have filled it found nothing.
    bool M_Fn_Is_Empty() const { return m_ro_Info_Column == nullptr; }
    bool M_Fn_Is_Virtual() const;
    E_Type_Obj M_Fn_Type() const;

    // Address of the stored value (through the pointer of an indirect field). C_Exception for an
    // empty visitor and for a virtual column.
    void* M_Fn_Value() const;

    // The value as T: computed for a virtual column, else copied. C_Exception when empty or when
    // T is not the column's type.
    template <class T>
    T M_Fn_Get() const;

    // The stored value as T, writable. C_Exception when empty, virtual, or of another type.
    template <class T>
    T& M_Fn_Ref() const
    {
        if (M_Fn_Type() != C_Obj_Type_Of<T>::value)
            VT_THROW("N_Biz::N_DB::C_Visitor_Field::M_Fn_Ref");
        return *std::launder(static_cast<T*>(M_Fn_Value()));
    }

    // Assigns the value that ro_Source visits (same type required; a virtual source is computed)
    // with the type's copy operation. C_Exception when either is empty, this one is virtual, or
    // the types differ.
    void M_Fn_Assign(const C_Visitor_Field_Const& ro_Source) const;

    void* m_p_Field = nullptr;
    const C_Info_Column* m_ro_Info_Column = nullptr;
    C_Row* m_p_Row = nullptr;
};

class C_Visitor_Field_Const {
public:
    C_Visitor_Field_Const() = default;
    C_Visitor_Field_Const(const void* i_p_Field, const C_Info_Column* i_ro_Column, const C_Row* i_p_Row = nullptr)
        : m_p_Field(i_p_Field), m_ro_Info_Column(i_ro_Column), m_p_Row(i_p_Row)
    {
    }
    C_Visitor_Field_Const(const C_Visitor_Field& ro_Other)
        : m_p_Field(ro_Other.m_p_Field), m_ro_Info_Column(ro_Other.m_ro_Info_Column), m_p_Row(ro_Other.m_p_Row)
    {
    }

    bool M_Fn_Is_Empty() const { return m_ro_Info_Column == nullptr; }
    bool M_Fn_Is_Virtual() const;
    E_Type_Obj M_Fn_Type() const;
    const void* M_Fn_Value() const;

    template <class T>
    T M_Fn_Get() const;

    // Copies the value into o_p_Value, an object of the column's type (computed when virtual).
    void M_Fn_Get_Into(void* o_p_Value) const;

    // Bound check. Each out flag starts true. With a lower bound, lower ok is "value not less than
    // the bound" when the bound is inclusive, else "bound less than value"; the upper bound
    // likewise ("bound not less than value" / "value less than bound"), all through the type's
    // less operation. For a virtual column the value is computed first and the third flag tells
    // that it could be; for a stored column it stays true. The result is true only when all three
    // are. C_Exception for a visitor without a column.
    bool M_Fn_Is_in_range(bool& o_Lower_Ok, bool& o_Upper_Ok, bool& o_Third_Ok) const;

    // False when the column has no blank value; otherwise true when the value equals the column's
    // default (neither orders before the other).
    bool M_Fn_Is_blank() const;

    const void* m_p_Field = nullptr;
    const C_Info_Column* m_ro_Info_Column = nullptr;
    const C_Row* m_p_Row = nullptr;
};

template <class T>
T C_Visitor_Field_Const::M_Fn_Get() const
{
    if (M_Fn_Type() != C_Obj_Type_Of<T>::value)
        VT_THROW("N_Biz::N_DB::C_Visitor_Field_Const::M_Fn_Get");
    T value{};
    M_Fn_Get_Into(&value);
    return value;
}

template <class T>
T C_Visitor_Field::M_Fn_Get() const
{
    return C_Visitor_Field_Const(*this).M_Fn_Get<T>();
}

} // namespace N_Biz::N_DB
