// Rows of the model database: a node, a 2-D shell element, a section, material or property card,
// or a sub-row of a card (an option block or a repeated block).
//
// Design note. A row does not know its columns: it is bound to a table descriptor (C_Info_Table)
// from the schema files, and every value is created, copied, compared, destroyed, read and written
// by the value operations of its column's type. The values live in the row's storage area (a fixed
// area and a small overflow behind it) or in an overflow block of its own, where the table's layout
// pass put them; sub-row slots (std::unique_ptr<C_Row_Etc>) live there too. Moving and swapping a
// row moves its storage bytes, which is sound because everything kept there is a number, a pointer,
// a key (one pointer) or a sub-row slot (one pointer); texts always live in objects of their own.
//
// Binary row format (little-endian), written by M_Fn_Stream_Serialize_o_O and read by
// M_Fn_Stream_Serialize_o_I:
//   1. header, at top level only: u32 format id of the table, then its keyword as narrow text
//      (u32 byte count and the bytes);
//   2. every practical column in the table's order, by its type's binary form (virtual columns
//      are computed, not stored);
//   3. for a repeatable table: u8 0 when a repeat sub-row follows (then that sub-row, nested),
//      1 when none;
//   4. for option kind 0, then kind 1, for each option sub-table in order: u8 0 and the sub-row
//      (nested), or u8 1 when absent;
//   5. the class's tail (see the subclasses).
// Everything read is untrusted: a short read, a flag byte other than 0 or 1, or a header that names
// no table of the schema gives the result 0 without a crash; a header naming a table of another
// kind than the target's class is refused the same way. Repeat chains are walked iteratively, so a
// long chain costs no stack.
#pragma once

#include "biz/db/Biz_DB_Enum.h"
#include "biz/db/Biz_DB_Info_Table.h"
#include "biz/db/Biz_DB_Row_Block_Pool.h"
#include "biz/db/Biz_DB_Visitor_Field.h"
#include "common/Common_Container_slotvec.h"
#include "common/Common_Pointer_lesser_shared_ptr.h"
#include "common/Common_Stream_Serialize.h"

#include <cstdint>
#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace N_Biz::N_DB {

class C_Info_Column;
class C_Row_Etc;
class C_Row_Node;
class C_Row_Common;
class C_Row_C_Material;
class C_Row_C_Property;

// The model's node array, by which node relations are resolved (node references are positions).
using T_Nodes = std::vector<C_Row_Node>;

// One column wanted by identity, and where it was found (empty visitor: nowhere).
struct C_Route_Request {
    E_Id_Column m_Id = E_Id_Column_None;
    C_Visitor_Field m_Visitor;
};

class C_Row {
public:
    // A row for i_ro_Table (null: the empty row): binds the table, zeroes the storage, allocates
    // the overflow block when the table has one, and creates every practical column's empty value.
    explicit C_Row(const C_Info_Table* i_ro_Table = nullptr);
    // Binds the same table, copies every practical column, deep-copies every sub-row.
    C_Row(const C_Row& ro_Other);
    // Takes the other row's table, values and sub-rows; the other row becomes empty.
    C_Row(C_Row&& ro_Other) noexcept;
    // Destroys the repeat sub-rows, the option sub-rows, the values and the overflow block. A
    // failure is reported once through the application's exception report; nothing is thrown.
    virtual ~C_Row();

    // Writes the table's relation type as u32 (written ahead of a row so that a reader can choose
    // the class). C_Exception for an empty row.
    virtual E_Result M_Fn_Stream_Serialize_Type_O(std::ostream& ro_Stream) const;
    // Reads a row into this empty row (C_Exception otherwise). With i_ro_Table null the header is
    // read and the table looked up in the application's schema; otherwise the row is nested and
    // bound to i_ro_Table. See the format above.
    virtual E_Result M_Fn_Stream_Serialize_o_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table);
    // Writes the row; with i_Nested 0 the header first. C_Exception for an empty row.
    virtual E_Result M_Fn_Stream_Serialize_o_O(std::ostream& ro_Stream, int i_Nested) const;

    const C_Info_Table* M_Fn_Info_Table() const { return m_ro_Info_Table; }
    bool M_Fn_Is_Empty() const { return m_ro_Info_Table == nullptr; }

    // The row's own id: the first fixed member of a node, element, section, material or property
    // row. C_Exception for an empty row or a table without fixed members.
    std::int32_t M_Fn_Id_Get() const;
    void M_Fn_Id_Set(std::int32_t i_Id);

    // Address of a column's field in this row (the row must be bound to the column's table).
    void* M_Fn_Field_Addr(const C_Info_Column& ro_Column);
    const void* M_Fn_Field_Addr(const C_Info_Column& ro_Column) const;

    // Visitors by column identity through the table's column maps; unknown column or empty row
    // throws. For a virtual column the visitor carries this row.
    C_Visitor_Field M_Fn_Column_Practical_Get_o_Visitor_Field(E_Id_Column i_Id);
    C_Visitor_Field M_Fn_Column_Virtual_Get_o_Visitor_Field(E_Id_Column i_Id);
    // The visitor of the practical column at i_Position; out of range or empty row throws.
    C_Visitor_Field M_Fn_Column_Practical_Get_o_Visitor_Field_At(std::uint32_t i_Position);

    // Sub-row slots: option kind 0 or 1 at i_Index, and the repeat slot. C_Exception for an empty
    // row, an unknown option, or a repeat slot of a table that does not repeat.
    std::unique_ptr<C_Row_Etc>& M_Fn_Sub_Get_rscpo_Row_Etc_Option(std::uint32_t i_Kind, std::uint32_t i_Index);
    const std::unique_ptr<C_Row_Etc>& M_Fn_Sub_Get_rscpo_Row_Etc_Option(std::uint32_t i_Kind, std::uint32_t i_Index) const;
    std::unique_ptr<C_Row_Etc>& M_Fn_Sub_Get_rscpo_Row_Etc_Repeat();
    const std::unique_ptr<C_Row_Etc>& M_Fn_Sub_Get_rscpo_Row_Etc_Repeat() const;

    // The row that relation i_Relation points at, or null when its row is gone. Node relations
    // need the model's node array (the column holds a node position, 0 or more); section,
    // material and property relations a key in reference form (an id key throws). The relation
    // must exist and name exactly one column.
    C_Row* M_Fn_Find_Related_Row(std::uint32_t i_Relation, const T_Nodes* i_p_Nodes);

    // Follows the route of ro_Request.m_Id from this row (practical column, virtual column, option
    // sub-row, related row) until it ends; the visitor then holds the field, or stays empty when
    // a route, sub-row or related row is missing. With i_Stop_At_Relations the walk does not
    // follow relations. More than 64 hops (a cycle of relations) throws.
    void M_Fn_Route_Walk(C_Route_Request& ro_Request, const T_Nodes* i_p_Nodes, bool i_Stop_At_Relations);
    // The walk without a model and without following relations.
    void M_Fn_Route_Walk_Default(C_Route_Request& ro_Request);

    // Fills several requests at once: requests that go through the same option sub-row or relation
    // share one lookup. An empty list, or a null request, throws.
    void M_Fn_Select_multiple(const std::vector<C_Route_Request*>& ro_Requests, const T_Nodes* i_p_Nodes,
                              bool i_Stop_At_Relations);
    void M_Fn_Select_multiple_List(std::vector<C_Route_Request>& ro_Requests, const T_Nodes* i_p_Nodes,
                                   bool i_Stop_At_Relations);

    // Appends indent + "TYPE: " + the table's title, then for each practical column indent + name +
    // ": " + the value's wide text. An empty row appends nothing. (An element row hides this form:
    // its node references need the model's nodes to be told as the deck's node ids.)
    void M_Fn_Get_wstring_Desc(const std::wstring& i_Indent, std::vector<std::wstring>& ro_Lines) const;

    // After loading: turns the id key of a column (found without following relations) back into a
    // reference to the row in slot "id" of the card manager's table. No column, or a virtual one:
    // 1. An id of 0 or less clears the key: 1. An id naming a free slot clears the key: 0. A slot
    // in use without a live row throws. Keys already in reference form are left alone.
    E_Result M_Fn_Stream_Serialize_Rebuild_Key_Common(
        const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<C_Row_Common>>& ro_Table);
    E_Result M_Fn_Stream_Serialize_Rebuild_Key_C_Material(
        E_Id_Column i_Id, const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Material>>& ro_Table);
    E_Result M_Fn_Stream_Serialize_Rebuild_Key_C_Property(
        const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<C_Row_C_Property>>& ro_Table);
    // The same for a key already found (a fixed member, which needs no walk). Instantiated for
    // property keys.
    template <class Row>
    static E_Result S_Fn_Stream_Serialize_Rebuild_Key_At(
        N_Impl::C_Key<int, Row>& ro_Key,
        const N_Common::N_Container::slotvec<N_Common::N_Pointer::lesser_shared_ptr<Row>>& ro_Table);

protected:
    // The description above, with the value text of a column written by i_Fn_Text instead when it
    // answers true.
    void M_Fn_Get_wstring_Desc(const std::wstring& i_Indent, std::vector<std::wstring>& ro_Lines,
                               const std::function<bool(const C_Info_Column&, std::wostream&)>& i_Fn_Text) const;

    struct C_No_Repeat {};
    // Copies without the repeat chain (the chain is copied iteratively by the caller).
    C_Row(const C_Row& ro_Other, C_No_Repeat);

    // Exchanges table, storage and overflow block.
    void M_Fn_Swap(C_Row& ro_Other) noexcept;

    // The fixed area, where the fixed members of the relation types lie.
    unsigned char* M_Fn_Storage() { return m_Storage; }
    const unsigned char* M_Fn_Storage() const { return m_Storage; }

    // Shared reader of the subclasses: header (when i_ro_Table is null), refusal (0) of a table
    // whose relation type i_Accept rejects, then i_Rebind binds this row to a fresh row of the
    // table, and the body is read.
    E_Result M_Fn_Stream_Serialize_Row_I(std::istream& ro_Stream, const C_Info_Table* i_ro_Table,
                                         const std::function<bool(E_Type_Relation)>& i_Accept,
                                         const std::function<void(const C_Info_Table*)>& i_Rebind);
    // Writes header (unless i_Nested) and body, then the i_Tail_Size bytes at i_Tail that a
    // subclass writes after them, gathered in memory and handed to the stream in as few writes as
    // the row's text values allow.
    E_Result M_Fn_Stream_Serialize_Row_O(std::ostream& ro_Stream, int i_Nested, const char* i_Tail = nullptr,
                                         std::size_t i_Tail_Size = 0) const;

private:
    unsigned char* M_Fn_Area(bool i_Overflow);
    const unsigned char* M_Fn_Area(bool i_Overflow) const;
    std::unique_ptr<C_Row_Etc>& M_Fn_Slot(bool i_Overflow, std::size_t i_Offset);
    void M_Fn_Construct_Storage();
    void M_Fn_Copy_Values(const C_Row& ro_Other);
    void M_Fn_Copy_Options(const C_Row& ro_Other);
    E_Result M_Fn_Stream_Serialize_Body_I(std::istream& ro_Stream);
    E_Result M_Fn_Stream_Serialize_Columns_I(std::istream& ro_Stream);
    void M_Fn_Select_multiple_recursively(std::vector<C_Route_Request*>& ro_Pending, const T_Nodes* i_p_Nodes,
                                          bool i_Stop_At_Relations, unsigned i_Depth);

    const C_Info_Table* m_ro_Info_Table = nullptr;
    alignas(8) unsigned char m_Storage[C_Info_Table::S_Size_Storage];
    T_up_Row_Block m_p_Overflow; // zeroed at construction
};

} // namespace N_Biz::N_DB
