// The property grid's data, without a window: the target object, its rows in groups, the private
// copies that edits write into, and the commit of an accepted edit as one undoable command of the
// manager that owns the object. The window side (UI_Property_Ctrl) only draws these rows, hands
// typed text and button clicks back here, and redraws when the rows were rebuilt.
//
// Design note. Rows are plain records (name, description, text, base text, read-only flag, kind,
// button) owned by the grid in creation order; a group row holds pointers to its rows. A schema
// row keeps the index of its C_Data_Elem, whose two visitors point into the working and accepted
// copies of the shown card row. Every rebuild counts up M_Fn_Generation, so that a window still
// holding rows of an earlier build can tell they are gone. Each kind of row has one builder (group,
// text, True/False, schema value or key); the runs of rows that several kinds show alike (the
// coordinates, a section object's "Type" and "Id", an entity's point ids) have one each too.
//
// Text forms: integers in decimal, floats in the stream's default form (six significant digits),
// booleans "True"/"False", schema fields by their column type's wide-text writer ("" when blank).
#pragma once

#include "biz/db/Biz_DB_Row_Any.h"
#include "biz/db/Biz_DB_Visitor_Field.h"
#include "common/Common_String_Number.h"

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace N_Biz::N_DB {
class C_Row_Common;
class C_Row_C_Material;
class C_Row_C_Property;
class C_Row_Node;
class C_Row_Element_2D;
} // namespace N_Biz::N_DB
namespace N_Biz::N_Model {
class C_Model;
}
namespace N_Biz::N_Proj {
class C_Proj;
}
namespace N_Biz::N_Sect {
class C_Sect;
class C_D_Geom_Point;
class C_D_Geom_Entity;
class C_D_Tess_Node;
class C_D_Tess_Element;
} // namespace N_Biz::N_Sect

namespace N_UI::N_Property {

// The kinds of target object.
enum E_Target : std::uint32_t {
    E_Target_None = 0,
    E_Target_Num_Sel = 1,
    E_Target_Point_2D = 2,
    E_Target_Point_3D = 3,
    E_Target_IGES = 4,
    E_Target_D_DB_C = 5,
    E_Target_D_DB_C_M = 6,
    E_Target_D_DB_C_P = 7,
    E_Target_D_DB_N = 8,
    E_Target_D_DB_E = 9,
    E_Target_D_M = 10,
    E_Target_D_S = 11,
    E_Target_D_S_D_Geom_P = 12,
    E_Target_D_S_D_Geom_E = 13,
    E_Target_D_S_D_Tess_N = 14,
    E_Target_D_S_D_Tess_E = 15,
};

// How a row is shown and edited.
enum E_Row_Kind : std::uint32_t {
    E_Row_Group = 0, // a group: a title over its rows
    E_Row_Text = 1,  // a plain value edited as text
    E_Row_Bool = 2,  // a True/False choice
    E_Row_Value = 3, // a schema field edited in place
    E_Row_Key = 4,   // a schema key to another card: a button, never edited in place
};

// One data-bearing row's fields: kind 1 a boolean row of a geometry entity (empty fields), 3 a
// schema value row, 4 a schema key row.
class C_Data_Elem {
public:
    virtual ~C_Data_Elem() = default;
    std::uint32_t m_Kind = 0;
    N_Biz::N_DB::C_Visitor_Field m_Field_Working;
    N_Biz::N_DB::C_Visitor_Field m_Field_Accepted;
    // An element's node reference: its model's node array. The fields keep the node's position
    // there; the row shows, and takes typed, the node's own id.
    const N_Biz::N_DB::T_Nodes* m_p_Nodes = nullptr;
};

struct C_Row {
    std::wstring m_Name;
    std::wstring m_Desc;
    std::wstring m_Text;      // what the row shows now
    std::wstring m_Text_Base; // its value when it was last accepted (the framework's unchanged value)
    bool m_Read_Only = false;
    E_Row_Kind m_Kind = E_Row_Text;
    bool m_Button = false;
    std::int32_t m_Data = -1; // index of its C_Data_Elem, -1 for none
    C_Row* m_p_Parent = nullptr;
    std::vector<C_Row*> m_Children;
};

// The objects a grid or the property dialog shows, none owned: the card row of each card kind (a
// section card is a generic card), the model (shown, or the one whose element row is shown), the
// section, and the project that owns them.
struct C_Target_Objects {
    N_Biz::N_DB::C_Row_Common* m_p_Row_C_S = nullptr;
    N_Biz::N_DB::C_Row_C_Material* m_p_Row_C_M = nullptr;
    N_Biz::N_DB::C_Row_C_Property* m_p_Row_C_P = nullptr;
    N_Biz::N_DB::C_Row_Node* m_p_Row_N = nullptr;
    N_Biz::N_DB::C_Row_Element_2D* m_p_Row_E = nullptr;
    N_Biz::N_Model::C_Model* m_p_Model = nullptr;
    N_Biz::N_Sect::C_Sect* m_p_Sect = nullptr;
    N_Biz::N_Proj::C_Proj* m_p_Proj = nullptr;
};

// Text forms of the rows.
std::wstring G_Fn_Text(float i_Value);
std::wstring G_Fn_Text(std::int64_t i_Value);
inline std::wstring G_Fn_Text(std::int32_t i_Value) { return G_Fn_Text(static_cast<std::int64_t>(i_Value)); }
inline std::wstring G_Fn_Text(std::uint32_t i_Value) { return G_Fn_Text(static_cast<std::int64_t>(i_Value)); }
inline std::wstring G_Fn_Text_Bool(bool i_Value) { return i_Value ? L"True" : L"False"; }
// The wide text of a schema field, "" when the field is blank.
std::wstring G_Fn_Text_Field(const N_Biz::N_DB::C_Visitor_Field_Const& ro_Field);

// The target objects are a private base: a reset clears them all at once.
class C_Ctrl : private C_Target_Objects {
public:
    using T_Color = std::array<float, 4>;

    // The list dialog in pick mode over ro_Proj: list kind (1 section, 2 material, 3 property
    // cards) and the card to preselect; the picked card's slot, 0 for none. Installed by the window
    // side; empty: a key row's button picks nothing.
    static std::function<std::uint32_t(N_Biz::N_Proj::C_Proj&, std::uint32_t i_Kind, std::uint32_t i_Preselect)>
        S_Fn_List_Pick;
    // A user message (the application's message service; none: nothing shown).
    static void S_Fn_Msg(const std::wstring& i_Text);

    C_Ctrl();
    C_Ctrl(const C_Ctrl&) = delete;
    C_Ctrl& operator=(const C_Ctrl&) = delete;
    ~C_Ctrl();

    // --- targets: each resets the grid and records the kind and its object ---
    // A null project, model or section, or an id of 0, throws C_Exception; a card row is stored as
    // given, also null (a card being created). An element row must lie in a model of the project
    // (else C_Exception): its nodes are shown by their ids through that model's nodes.
    void M_Fn_Target_Set_D_DB_C(N_Biz::N_Proj::C_Proj* i_p_Proj, N_Biz::N_DB::C_Row_Common* i_p_Row);
    void M_Fn_Target_Set_D_DB_C_M(N_Biz::N_Proj::C_Proj* i_p_Proj, N_Biz::N_DB::C_Row_C_Material* i_p_Row);
    void M_Fn_Target_Set_D_DB_C_P(N_Biz::N_Proj::C_Proj* i_p_Proj, N_Biz::N_DB::C_Row_C_Property* i_p_Row);
    void M_Fn_Target_Set_D_DB_N(N_Biz::N_Proj::C_Proj* i_p_Proj, N_Biz::N_DB::C_Row_Node* i_p_Row);
    void M_Fn_Target_Set_D_DB_E(N_Biz::N_Proj::C_Proj* i_p_Proj, N_Biz::N_DB::C_Row_Element_2D* i_p_Row);
    void M_Fn_Target_Set_D_M(N_Biz::N_Proj::C_Proj* i_p_Proj, N_Biz::N_Model::C_Model* i_p_Model);
    void M_Fn_Target_Set_D_S(N_Biz::N_Sect::C_Sect* i_p_Sect);
    void M_Fn_Target_Set_D_S_D_Geom_P(N_Biz::N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id);
    void M_Fn_Target_Set_D_S_D_Geom_E(N_Biz::N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id);
    void M_Fn_Target_Set_D_S_D_Tess_N(N_Biz::N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id);
    void M_Fn_Target_Set_D_S_D_Tess_E(N_Biz::N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id);

    // --- rows: each clears the rows, requires its own target kind (else C_Exception) and fills ---
    // The first three need no target (the pane shows them bare).
    void M_Fn_Data_Set_Num_Sel(std::uint32_t i_Count);
    void M_Fn_Data_Set_Point_2D(float i_X, float i_Y);
    void M_Fn_Data_Set_Point_3D(float i_X, float i_Y, float i_Z);
    // Card rows: ro_Row is copied into the working and the accepted row; materials and properties
    // also give their colour to the grid.
    void M_Fn_Data_Set_D_DB_C(const N_Biz::N_DB::C_Row& ro_Row, bool i_Read_Only);
    void M_Fn_Data_Set_D_DB_C_M(const N_Biz::N_DB::C_Row_C_Material& ro_Row, bool i_Read_Only);
    void M_Fn_Data_Set_D_DB_C_P(const N_Biz::N_DB::C_Row_C_Property& ro_Row, bool i_Read_Only);
    void M_Fn_Data_Set_D_DB_N(const N_Biz::N_DB::C_Row& ro_Row, bool i_Read_Only);
    void M_Fn_Data_Set_D_DB_E(const N_Biz::N_DB::C_Row& ro_Row, bool i_Read_Only);
    void M_Fn_Data_Set_D_M();
    void M_Fn_Data_Set_D_S();
    void M_Fn_Data_Set_D_S_D_Geom_P(bool i_Read_Only);
    void M_Fn_Data_Set_D_S_D_Geom_E(bool i_Read_Only);
    void M_Fn_Data_Set_D_S_D_Tess_N();
    void M_Fn_Data_Set_D_S_D_Tess_E();

    // Clears the rows and the target.
    void M_Fn_Reset();

    // --- editing ---
    // The in-place edit of a row ended with i_Text. A schema value row reads, checks and accepts
    // it (or warns and restores); a plain or boolean row takes the text. True when the grid raises
    // its changed notification for the row (m_Fn_Changed).
    bool M_Fn_Row_Edit(C_Row& ro_Row, const std::wstring& i_Text);
    // The button of a key row: the list dialog picks another card. True when the row's text changed
    // (the notification was raised).
    bool M_Fn_Row_Button(C_Row& ro_Row);

    // Commits the edited copies through the owning manager (one undo entry). Nothing shown throws
    // C_Exception; so do the positions and IGES entities (kinds 2, 3, 4).
    void M_Fn_Modify();
    // The same for a shown element or node row only (C_Exception for another kind or without row
    // or project).
    void M_Fn_Modify_D_DB_E();
    void M_Fn_Modify_D_DB_N();
    // Whether the shown object is still where a commit would reach it: a card in its manager's
    // slot, a section's point or entity in its slot. An undo or redo takes objects away while the
    // grid shows them; the pane and the dialog then refuse the edit (M_Fn_Refuse_Gone) instead of
    // committing it. The kinds that commit nothing, and model rows (which leave only with their
    // model, whose removal empties the node and element selections), count as there.
    bool M_Fn_Target_Exists() const;
    // The refusal: "Warning: The object being edited no longer exists, changing has been
    // rejected." goes to the user.
    static void S_Fn_Refuse_Gone();

    // The parse-and-compare step of a float row: see the definition.
    template <class T>
    static void M_Fn_Property_Modified_Check(T& io_Value, C_Row* i_p_Row, bool& o_Changed);

    // --- what the window draws ---
    const std::vector<C_Row*>& M_Fn_Rows_Top() const { return m_Top; }
    // Row i of group i_Group (top-level order); null when missing.
    C_Row* M_Fn_Row_At(std::size_t i_Group, std::size_t i_Row) const;
    // The first top-level row named i_Name, then its child named i_Child (empty: the group itself).
    C_Row* M_Fn_Row_Find(const std::wstring& i_Group, const std::wstring& i_Child = L"") const;
    std::uint64_t M_Fn_Generation() const { return m_Generation; }
    bool M_Fn_Is_Filled() const { return m_Filled; }
    E_Target M_Fn_Target_Get() const { return m_Target; }
    N_Biz::N_Proj::C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    N_Biz::N_Sect::C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    const N_Biz::N_DB::C_Row_Any& M_Fn_Row_Working() const { return m_Row_Working; }
    N_Biz::N_DB::C_Row_Any& M_Fn_Row_Working() { return m_Row_Working; }
    const T_Color& M_Fn_Color_Get() const { return m_Color; }
    void M_Fn_Color_Set(const T_Color& ro_Color) { m_Color = ro_Color; }

    // Raised for a row whose edit was accepted (the framework's property-changed message).
    std::function<void(C_Row&)> m_Fn_Changed;
    // Raised after every rebuild or reset (the window redraws).
    std::function<void()> m_Fn_Rebuilt;

private:
    // A target setter's common part: the check (null: C_Exception in the name of i_Function),
    // the reset, the kind and the project; the section's project for a section's object.
    void M_Fn_Target_Begin(E_Target i_Kind, N_Biz::N_Proj::C_Proj* i_p_Proj, const char* i_Function);
    void M_Fn_Target_Begin_Sect(E_Target i_Kind, N_Biz::N_Sect::C_Sect* i_p_Sect, std::uint32_t i_Id,
                                const char* i_Function);
    // A card kind's: as M_Fn_Target_Begin, then the card row stored as given (also null) in the
    // member i_pm_Row.
    template <class T_Row>
    void M_Fn_Target_Begin_Card(E_Target i_Kind, N_Biz::N_Proj::C_Proj* i_p_Proj, T_Row* C_Target_Objects::*i_pm_Row,
                                T_Row* i_p_Row, const char* i_Function);
    void M_Fn_Rows_Clear();
    void M_Fn_Data_Begin(E_Target i_Kind, const char* i_Function);
    void M_Fn_Data_End();

    // --- row builders, one per kind of row; a null group makes a top-level row ---
    // A group: a read-only title over its rows.
    C_Row* M_Fn_Group_Add(const std::wstring& i_Name);
    // A plain value shown and edited as text (names, type names, ids, coordinates, thicknesses).
    C_Row* M_Fn_Row_Add_Text(C_Row* i_p_Group, const std::wstring& i_Name, const std::wstring& i_Desc,
                             const std::wstring& i_Text, bool i_Read_Only);
    // A True/False choice of a geometry entity; its record (kind 1) has empty fields.
    C_Row* M_Fn_Row_Add_Bool(C_Row* i_p_Group, const std::wstring& i_Name, const std::wstring& i_Desc, bool i_Value,
                             bool i_Read_Only);
    // A schema column, with the working and accepted fields of the two copies in its record: a key
    // column becomes a key row with its button (never edited in place), any other a value row.
    void M_Fn_Data_Set_DB_Row_Layer_Field(C_Row* i_p_Group, N_Biz::N_DB::C_Row& ro_Working,
                                          N_Biz::N_DB::C_Row& ro_Accepted, const N_Biz::N_DB::C_Info_Column& ro_Column,
                                          bool i_Read_Only);
    // The common part of the builders: the row record, and a data-bearing row's C_Data_Elem.
    C_Row* M_Fn_Row_Add(C_Row* i_p_Group, E_Row_Kind i_Kind, const std::wstring& i_Name, const std::wstring& i_Desc,
                        const std::wstring& i_Text, bool i_Read_Only);
    void M_Fn_Row_Elem_Add(C_Row& ro_Row, std::unique_ptr<C_Data_Elem> i_up_Elem);
    // The record of a data-bearing row (a row without one: C_Exception in the name of i_Function).
    const C_Data_Elem& M_Fn_Row_Elem(const C_Row& ro_Row, const char* i_Function) const;

    // --- row runs that several kinds share ---
    // The coordinate rows "X", "Y" and, with a third value, "Z" ("Coordinate X" and so on, with
    // i_Desc_Tail appended to the description).
    void M_Fn_Rows_Add_Coordinates(C_Row* i_p_Group, std::initializer_list<float> i_Values, bool i_Read_Only,
                                   const std::wstring& i_Desc_Tail = L"");
    // The group of a section's point, entity, node or element, opened by its read-only "Type" row
    // (the object's type name) and "Id" row (the target id).
    C_Row* M_Fn_Group_Add_Sect_Object(const std::wstring& i_Title, const std::wstring& i_Type_Desc,
                                      const std::wstring& i_Type_Name, const std::wstring& i_Id_Desc);
    // The read-only rows of a geometry entity's first i_Count defining points (start, terminal,
    // centre), showing their ids.
    void M_Fn_Rows_Add_Point_Ids(C_Row* i_p_Group, std::size_t i_Count);

    // A bare kind (a position, the number selected): no target object, so the kind is set here.
    void M_Fn_Data_Begin_Bare(E_Target i_Kind, const char* i_Function);
    // Kinds 2 and 3: a free position as its coordinate rows under i_Title.
    void M_Fn_Data_Set_Point(E_Target i_Kind, const std::wstring& i_Title, std::initializer_list<float> i_Values,
                             const char* i_Function);
    // The columns of one row layer (its practical columns, its repeat chain and its conditional
    // options) into i_p_Group.
    void M_Fn_Data_Set_DB_Row_Layer(C_Row* i_p_Group, N_Biz::N_DB::C_Row& ro_Working, N_Biz::N_DB::C_Row& ro_Accepted,
                                    bool i_Read_Only);
    // A card kind's rows: the groups of ro_Row held in the working and accepted copies; a material or
    // property card (i_p_Color given) also gives its colour to the grid.
    void M_Fn_Data_Set_DB_Row(E_Target i_Kind, const N_Biz::N_DB::C_Row& ro_Row, const T_Color* i_p_Color,
                              bool i_Read_Only, const char* i_Function);
    // The property link row of an entity or mesh element, built from the standard "Element" table.
    void M_Fn_Data_Set_Link_C_P(C_Row* i_p_Group, const N_Biz::N_DB::C_Key_C_Property& ro_Key, bool i_Read_Only);
    void M_Fn_Field_Restore(C_Row& ro_Row, const C_Data_Elem& ro_Elem);
    // The text of a schema row's working field: G_Fn_Text_Field, or a node reference's node id.
    static std::wstring S_Fn_Text_Elem(const C_Data_Elem& ro_Elem);
    void M_Fn_Modify_Geom_P();
    void M_Fn_Modify_Geom_E();
    void M_Fn_Raise_Changed(C_Row& ro_Row);

    bool m_Filled = false;
    E_Target m_Target = E_Target_None;
    std::uint32_t m_Id = 0;
    std::vector<std::unique_ptr<C_Data_Elem>> m_Elems;
    T_Color m_Color{0, 0, 0, 1};
    N_Biz::N_DB::C_Row_Any m_Row_Working;
    N_Biz::N_DB::C_Row_Any m_Row_Accepted;
    std::unique_ptr<N_Biz::N_Sect::C_D_Geom_Point> m_up_Point;
    std::shared_ptr<N_Biz::N_Sect::C_D_Geom_Entity> m_sp_Entity;
    const N_Biz::N_Sect::C_D_Tess_Node* m_p_Node = nullptr;
    const N_Biz::N_Sect::C_D_Tess_Element* m_p_Element = nullptr;

    std::vector<std::unique_ptr<C_Row>> m_Rows; // every row, in creation order
    std::vector<C_Row*> m_Top;                  // the top-level rows
    std::uint64_t m_Generation = 0;
};

// 1. A null row throws C_Exception; o_Changed becomes false.
// 2. A row whose text equals its base text is left alone: io_Value keeps the object's own value,
//    so a row that was not edited never rewrites the object with its rounded text.
// 3. A text that cannot be read as T returns the row to its base text.
// 4. Otherwise io_Value takes the value, the row shows it written back as text (also as its new base
//    text), and o_Changed is true.
template <class T>
void C_Ctrl::M_Fn_Property_Modified_Check(T& io_Value, C_Row* i_p_Row, bool& o_Changed)
{
    if (!i_p_Row)
        VT_THROW("N_UI::N_Property::C_Ctrl::M_Fn_Property_Modified_Check");
    o_Changed = false;
    if (i_p_Row->m_Text == i_p_Row->m_Text_Base)
        return;
    T value{};
    if (!N_Common::N_String::G_Fn_Number_Whole(i_p_Row->m_Text, value)) {
        i_p_Row->m_Text = i_p_Row->m_Text_Base;
        return;
    }
    io_Value = value;
    i_p_Row->m_Text = i_p_Row->m_Text_Base = G_Fn_Text(value);
    o_Changed = true;
}

} // namespace N_UI::N_Property
