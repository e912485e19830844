// Column descriptor: one column of a card of the schema, built once while the schema files are
// parsed and read-only afterwards. Rows and the import cursor consult it for every value: its
// type, default and bounds, where it lies in a row, and, for a computed (virtual) column, the
// function that computes it.
#pragma once

#include "biz/db/Biz_DB_Enum.h"
#include "biz/db/Biz_DB_Key.h"
#include "biz/db/Biz_DB_Visitor_Field.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <variant>

namespace N_Biz::N_DB {

class C_Info_Table;
class C_Row;

// Getters of virtual columns, one form per result type.
using T_pfn_Virtual_FLOAT32 = float (*)(const C_Row&);
using T_pfn_Virtual_INT32 = std::int32_t (*)(const C_Row&);
using T_pfn_Virtual_wstring = std::wstring (*)(const C_Row&);
using T_pfn_Virtual_C_Key_C_Material = C_Key_C_Material (*)(const C_Row&);

class C_Info_Column {
public:
    // Flag word.
    enum : std::uint32_t {
        E_Flag_Type_Set = 0x1,          // configuration state: type set
        E_Flag_Store = 0x2,             // configuration state: value store laid out
        E_Flag_Config_Done = 0x4,       // configuration state: finished
        E_Flag_Indirect = 0x8,          // the field holds a pointer to the value object
        E_Flag_Overflow = 0x10,         // the field lies in the row's overflow block
        E_Flag_Virtual = 0x20,          // computed, not stored
        E_Flag_Read_Only = 0x40,
        E_Flag_End_of_Line = 0x80,      // last column of an input line (keyword decks)
        E_Flag_Blank = 0x100,           // has a blank value (the default stands for a blank field)
        E_Flag_Default = 0x200,         // has a default value
        E_Flag_Lower = 0x400,           // has a lower bound
        E_Flag_Lower_Inclusive = 0x800, // the lower bound itself is allowed
        E_Flag_Upper = 0x1000,          // has an upper bound
        E_Flag_Upper_Inclusive = 0x2000 // the upper bound itself is allowed
    };

    // What the schema file says about a column.
    struct C_Setting {
        bool m_Mode_Given = false; // a memory mode was named
        bool m_Indirect = false;   // ... and it is indirect
        bool m_Virtual = false;
        bool m_Read_Only = false;
        bool m_End_of_Line = false;
        bool m_Blank = false;
        bool m_Default = false;
        bool m_Lower = false;
        bool m_Lower_Inclusive = false;
        bool m_Upper = false;
        bool m_Upper_Inclusive = false;
        std::wstring m_Name;
        std::wstring m_Desc;
        E_Id_Column m_Id = E_Id_Column_None;
        E_Type_Obj m_Type = E_Type_Obj_PVOID;
        std::uint32_t m_Size_Stream = 0;
    };

    C_Info_Column() = default;
    ~C_Info_Column();
    C_Info_Column(const C_Info_Column&) = delete;
    C_Info_Column& operator=(const C_Info_Column&) = delete;

    // Configures the column once (C_Exception when any configuration-state bit is set already):
    // memory mode (the named one, else indirect for values above 16 bytes), flags, name, display
    // description, identity, type and value size, stream width; lays out and zero-fills the store
    // of default, lower and upper values (each present one in this order, each taking the value
    // size, or a pointer when indirect) and creates their empty values; a virtual column gets its
    // getter from i_ro_Card's format and first keyword and its own identity. Text values must be
    // indirect: their objects cannot be moved byte by byte, as rows move their storage.
    void M_Fn_Config(const C_Setting& ro_Setting, const C_Info_Table* i_ro_Card);

    // Installs the getter of a virtual column. Requires the type set, the configuration not
    // finished, the column virtual and read only, no getter yet, a non-null getter and the column's
    // type equal to the getter's result type; else C_Exception.
    void M_Fn_Config_pfn_Virtual(T_pfn_Virtual_FLOAT32 i_pfn);
    void M_Fn_Config_pfn_Virtual(T_pfn_Virtual_INT32 i_pfn);
    void M_Fn_Config_pfn_Virtual(T_pfn_Virtual_wstring i_pfn);
    void M_Fn_Config_pfn_Virtual(T_pfn_Virtual_C_Key_C_Material i_pfn);

    std::uint32_t M_Fn_Flags() const { return m_Flags; }
    bool M_Fn_Is_Indirect() const { return (m_Flags & E_Flag_Indirect) != 0; }
    bool M_Fn_Is_Overflow() const { return (m_Flags & E_Flag_Overflow) != 0; }
    bool M_Fn_Is_Virtual() const { return (m_Flags & E_Flag_Virtual) != 0; }
    bool M_Fn_Is_Read_Only() const { return (m_Flags & E_Flag_Read_Only) != 0; }
    bool M_Fn_Is_End_of_Line() const { return (m_Flags & E_Flag_End_of_Line) != 0; }
    bool M_Fn_Has_Blank() const { return (m_Flags & E_Flag_Blank) != 0; }
    bool M_Fn_Has_Default() const { return (m_Flags & E_Flag_Default) != 0; }
    bool M_Fn_Has_Lower() const { return (m_Flags & E_Flag_Lower) != 0; }
    bool M_Fn_Has_Upper() const { return (m_Flags & E_Flag_Upper) != 0; }
    bool M_Fn_Is_Config_Done() const { return (m_Flags & E_Flag_Config_Done) != 0; }
    const std::wstring& M_Fn_Name() const { return m_Name; }
    // "Desc", a line feed, the connection note of key types, "(Read only) " when read only.
    const std::wstring& M_Fn_Desc() const { return m_Desc; }
    E_Id_Column M_Fn_Id() const { return m_Id; }
    E_Type_Obj M_Fn_Type() const { return m_Type; }
    std::size_t M_Fn_Size_Value() const { return m_Size_Value; }
    // Bytes the column takes in a row: the value size, or a pointer when indirect.
    std::size_t M_Fn_Size_Field() const;
    std::uint32_t M_Fn_Size_Stream() const { return m_Size_Stream; }
    // Offset of the field in the row (in the overflow block when M_Fn_Is_Overflow).
    std::size_t M_Fn_Offset_Layout() const { return m_Offset_Layout; }

    // The visitor of the value at i_Offset of the store; C_Exception when there is no store.
    C_Visitor_Field M_Fn_Column_Practical_Get_o_Visitor_Field(std::size_t i_Offset);

    // Visitors of the stored default, lower and upper values; C_Exception when absent.
    C_Visitor_Field M_Fn_Get_o_Visitor_Field_Default();
    C_Visitor_Field M_Fn_Get_o_Visitor_Field_Bound_lower();
    C_Visitor_Field M_Fn_Get_o_Visitor_Field_Bound_upper();
    C_Visitor_Field_Const M_Fn_Get_o_Visitor_Field_Const_Default() const;
    C_Visitor_Field_Const M_Fn_Get_o_Visitor_Field_Const_Bound_lower() const;
    C_Visitor_Field_Const M_Fn_Get_o_Visitor_Field_Const_Bound_upper() const;

    bool M_Fn_Has_pfn_Virtual() const { return m_pfn_Virtual.index() != 0; }
    // Computes the value of a virtual column for ro_Row into o_p_Value, an object of the column's
    // type. C_Exception when the column has no getter (or the getter's own).
    void M_Fn_Virtual_Get_Value(const C_Row& ro_Row, void* o_p_Value) const;

    // The key of a material-key column of ro_Row: computed for a virtual column, else a copy of
    // the stored key. C_Exception when the column holds no material key.
    C_Key_C_Material M_Fn_Get_Value(const C_Row& ro_Row) const;

private:
    friend class C_Info_Table; // sets the layout

    template <class F>
    void M_Fn_Config_pfn_Virtual_Any(F i_pfn, E_Type_Obj i_Type);
    C_Visitor_Field_Const M_Fn_Store_Visitor(std::uint32_t i_Flag, std::size_t i_Offset) const;

    std::uint32_t m_Flags = 0;
    std::wstring m_Name;
    std::wstring m_Desc;
    E_Id_Column m_Id = E_Id_Column_None;
    E_Type_Obj m_Type = E_Type_Obj_PVOID;
    std::size_t m_Size_Value = 0;
    std::uint32_t m_Size_Stream = 0;
    // The store of default, lower and upper values, 8-byte aligned.
    std::unique_ptr<std::uint64_t[]> m_p_Store;
    std::size_t m_Size_Store = 0;
    std::size_t m_Offset_Default = 0;
    std::size_t m_Offset_Lower = 0;
    std::size_t m_Offset_Upper = 0;
    std::variant<std::monostate, T_pfn_Virtual_FLOAT32, T_pfn_Virtual_INT32, T_pfn_Virtual_wstring,
                 T_pfn_Virtual_C_Key_C_Material>
        m_pfn_Virtual;
    std::size_t m_Offset_Layout = 0;
};

} // namespace N_Biz::N_DB
