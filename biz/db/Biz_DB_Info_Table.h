// Table descriptor: one card of the schema with its columns, relations, routes, option sub-tables
// and the layout of its rows. Built once while the schema files are parsed (configured at the
// card's CONFIG_DONE line, completed by M_Fn_Init at its end) and read-only afterwards; rows and
// import contexts hold plain pointers to it.
//
// Row layout. A row keeps its values in a fixed area of S_Size_Fixed bytes inside the row object,
// then S_Size_Inline bytes for a small overflow, and, when more is needed, an overflow block of its
// own. The relation type fixes members at the start of the fixed area that the code reads directly
// (a node's id and coordinates, an element's id, property key and node references, a card's own
// id and a property's material key); every other column, option slot and repeat slot is placed by
// M_Fn_Init_Distribution, largest first, each at an offset aligned to its size. In memory a key,
// a pointer and a sub-row slot take 8 bytes, so the areas are larger than the file formats' 4-byte
// words suggest; the binary row format does not depend on the layout.
#pragma once

#include "biz/db/Biz_DB_Enum.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace N_Biz::N_DB {

class C_Info_Column;
class C_Row;

// A relation of a card: the kind of row it points at, its number, and the positions of the
// practical columns that hold the foreign key.
struct C_Info_Relation {
    E_Type_Relation m_Type = E_Type_Relation_None;
    E_Id_Relation m_Id = E_Id_Relation_None;
    std::vector<std::uint32_t> m_Columns;
};

// Where a column identity of a card is found.
enum E_Route_Kind : std::uint32_t {
    E_Route_Kind_Practical = 1,        // a practical column of this card (index = column position)
    E_Route_Kind_Virtual = 2,          // a virtual column (index = virtual column position)
    E_Route_Kind_Option_Keyword = 3,   // in the option-keyword sub-row (index = option position)
    E_Route_Kind_Option_Condition = 4, // in the option-condition sub-row (index = option position)
    E_Route_Kind_Relation = 5,         // in the related row (index = relation position)
};

struct C_Info_Route {
    E_Id_Column m_Id = E_Id_Column_None;
    E_Route_Kind m_Kind = E_Route_Kind_Practical;
    std::uint32_t m_Index = 0;
};

// Option-condition check: (row, count) -> 1 when the conditional block belongs to the entry.
using T_pfn_Option_Condition_Check = std::uint32_t (*)(const C_Row&, std::uint32_t);

class C_Info_Table {
public:
    enum : std::uint32_t {
        E_Flag_Configured = 0x1,
        E_Flag_Initialised = 0x2,
        E_Flag_Overflow_Block = 0x4,     // rows have a separate overflow block
        E_Flag_Slot_Overflow = 0x8,      // this sub-table's slot lies in the parent's overflow block
        E_Flag_Repeat_Overflow = 0x10,   // the repeat slot lies in the overflow block
        E_Flag_Import_Order = 0x20,      // an import order was given
        E_Flag_Repeatable = 0x40,
        E_Flag_Supplied_Possibly = 0x80, // a conditional block the deck may or may not supply
        E_Flag_Four_Node = 0x100,        // four-node element
    };

    static constexpr std::size_t S_Size_Fixed = 32;  // fixed area of a row
    static constexpr std::size_t S_Size_Inline = 8;  // small overflow, behind the fixed area
    static constexpr std::size_t S_Size_Storage = S_Size_Fixed + S_Size_Inline;
    static constexpr std::uint32_t S_Import_Order_Num = 8;
    // Fixed members: the row's own id; a node's X, Y, Z; a property's material key or an element's
    // property key; an element's four node references.
    static constexpr std::size_t S_Offset_Id = 0;
    static constexpr std::size_t S_Offset_Coordinate = 4;
    static constexpr std::size_t S_Offset_Key = 8;
    static constexpr std::size_t S_Offset_Node = 16;

    C_Info_Table() = default;
    ~C_Info_Table();
    C_Info_Table(const C_Info_Table&) = delete;
    C_Info_Table& operator=(const C_Info_Table&) = delete;

    // Once only (C_Exception when configured already): flags from the arguments; the keyword list
    // (not empty, first keyword not empty); format id and relation type; the title "(Recommended)
    // Simple ", "Dyna: " or "Nastran: " for format 1, 2, 3 (another format throws) followed by the
    // first keyword; the import order when given (below 8); the check. Repeatable and supplied
    // possibly exclude each other, and either needs a check.
    void M_Fn_Config(const std::vector<std::string>& ro_Keywords, E_Type_Relation i_Type_Relation, std::uint32_t i_Format,
                     std::uint32_t i_Import_Order, bool i_Import_Order_Given, bool i_Repeatable, bool i_Supplied_Possibly,
                     T_pfn_Option_Condition_Check i_pfn_Check);

    // Completes the descriptor after the card is parsed: option sub-tables first, then the row
    // layout, the relations and the routes. Requires configured and not initialised.
    void M_Fn_Init();

    // Appends a finished column (stored, respectively virtual); C_Exception otherwise.
    void M_Fn_Info_Column_Practical_Add(std::shared_ptr<C_Info_Column> i_sp_Column);
    void M_Fn_Info_Column_Virtual_Add(std::shared_ptr<C_Info_Column> i_sp_Column);
    // Position of the first practical column with that identity; none throws.
    std::uint32_t M_Fn_Info_Column_Practical_Find_Pos(E_Id_Column i_Id) const;

    // Appends a relation: type and id non-zero, at least one column, and ordered after the last
    // one added by (type, id), since routes keep relation positions; else C_Exception.
    void M_Fn_Info_Relation_Add(const C_Info_Relation& ro_Relation);
    // Position of the relation; zero arguments or no such relation throw.
    std::uint32_t M_Fn_Info_Relation_Find_Pos(E_Type_Relation i_Type, E_Id_Relation i_Id) const;

    void M_Fn_Info_Route_Add(const C_Info_Route& ro_Route);
    // The route of a column identity, or null (identity 0 throws). Binary search once initialised.
    const C_Info_Route* M_Fn_Info_Route_Find(E_Id_Column i_Id) const;

    // Option sub-tables of kind 0 (option keyword) or 1 (option condition). The kind must be 0 or
    // 1, the index in range, an added sub-table non-null with relation type None.
    std::uint32_t M_Fn_Info_Table_Option_Get_i_Num(std::uint32_t i_Kind) const;
    const std::shared_ptr<C_Info_Table>& M_Fn_Info_Table_Option_Get_spo_At(std::uint32_t i_Kind, std::uint32_t i_Index) const;
    void M_Fn_Info_Table_Option_Add(std::uint32_t i_Kind, std::shared_ptr<C_Info_Table> i_sp_Table);

    // Splits an option text into the card's option sub-tables (Dyna keyword suffixes): the card and
    // each matched option go into the slot of their import order, or after them in the order
    // met. o_Selection gets -1 for the card and the option position for each option. 1 when every
    // part of the text names an option keyword, else 0.
    int M_Fn_Parse_option_keyword(const std::string& i_Text, std::vector<std::int32_t>& o_Selection) const;

    // A new row of the class the relation type selects (C_Row_Etc, _Node, _C_Section,
    // _C_Material, _C_Property, _Element_2D).
    std::unique_ptr<C_Row> M_Fn_Factory_apo_Row() const;

    std::uint32_t M_Fn_Flags() const { return m_Flags; }
    bool M_Fn_Is_Initialised() const { return (m_Flags & E_Flag_Initialised) != 0; }
    bool M_Fn_Is_Repeatable() const { return (m_Flags & E_Flag_Repeatable) != 0; }
    const std::vector<std::string>& M_Fn_Keyword_List() const { return m_Keywords; }
    const std::wstring& M_Fn_Keyword() const { return m_Keyword; }
    const std::wstring& M_Fn_Title() const { return m_Title; }
    E_Type_Relation M_Fn_Type_Relation() const { return m_Type_Relation; }
    std::uint32_t M_Fn_Format() const { return m_Format; }
    std::uint32_t M_Fn_Import_Order() const { return m_Import_Order; }
    T_pfn_Option_Condition_Check M_Fn_pfn_Check() const { return m_pfn_Check; }

    const std::vector<std::shared_ptr<C_Info_Column>>& M_Fn_Columns_Practical() const { return m_Columns_Practical; }
    const std::vector<std::shared_ptr<C_Info_Column>>& M_Fn_Columns_Virtual() const { return m_Columns_Virtual; }
    const std::vector<C_Info_Relation>& M_Fn_Relations() const { return m_Relations; }
    const std::vector<C_Info_Route>& M_Fn_Routes() const { return m_Routes; }
    // The practical (virtual) column with that identity, or null.
    const C_Info_Column* M_Fn_Info_Column_Practical_Find(E_Id_Column i_Id) const;
    const C_Info_Column* M_Fn_Info_Column_Virtual_Find(E_Id_Column i_Id) const;

    // Layout, set by M_Fn_Init_Distribution.
    std::size_t M_Fn_Offset_Slot() const { return m_Offset_Slot; }
    std::size_t M_Fn_Offset_Repeat() const { return m_Offset_Repeat; }
    std::size_t M_Fn_Size_Overflow() const { return m_Size_Overflow; }

private:
    void M_Fn_Init_Distribution();
    void M_Fn_Init_Relation();
    void M_Fn_Init_Route();
    void M_Fn_Check_Kind(std::uint32_t i_Kind) const;

    std::uint32_t m_Flags = 0;
    std::vector<std::string> m_Keywords;
    std::wstring m_Keyword;
    std::wstring m_Title;
    E_Type_Relation m_Type_Relation = E_Type_Relation_None;
    std::uint32_t m_Format = 0;
    std::uint32_t m_Import_Order = 0;
    std::vector<std::shared_ptr<C_Info_Column>> m_Columns_Practical;
    std::vector<std::shared_ptr<C_Info_Column>> m_Columns_Virtual;
    std::map<E_Id_Column, std::uint32_t> m_Map_Practical; // identity -> position (non-zero ids)
    std::map<E_Id_Column, std::uint32_t> m_Map_Virtual;
    std::vector<C_Info_Relation> m_Relations;
    std::vector<C_Info_Route> m_Routes;
    std::vector<std::shared_ptr<C_Info_Table>> m_Options[2];
    std::size_t m_Offset_Slot = 0;
    std::size_t m_Offset_Repeat = 0;
    std::size_t m_Size_Overflow = 0;
    T_pfn_Option_Condition_Check m_pfn_Check = nullptr;
};

} // namespace N_Biz::N_DB
