// The IGES entity base: the directory-entry fields every entity shares, the packed flags that
// record how they were coded, the entity table and the reading and writing of one entity.
//
// Design note. All entities of one file live in one slot table (C_Table_Entity); slot k holds the
// entity whose directory entry is on the directory lines 2k-1 and 2k, so slot 0 is never used and
// a directory pointer p names slot (p+1)/2. Every cross-reference an entity holds (colour, matrix,
// composite members and so on) is such a slot number, resolved only when it is used: entities may
// refer to later ones. A resolved reference must be of the type its field demands (a colour
// definition for a colour pointer, a matrix for a matrix pointer, a curve for a composite member),
// since anything else would be asked questions it cannot answer.
//
// The packed flag word is private: both the file layer and the section side read and set it only
// through the named accessors, so one layout serves both.
#pragma once

#include "common/Common_Container_slotvec.h"
#include "common/Common_Math_Matrix4.h"
#include "common/Common_Math_Vector.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace N_Biz::N_IGES {

class C_Entity;
class C_Entity_124_Matrix;
class C_Entity_314_Color;

// The entity table of one file: slot k holds the entity of directory lines 2k-1 and 2k.
using C_Table_Entity = N_Common::N_Container::slotvec<std::shared_ptr<C_Entity>>;
using C_Vector3_f = N_Common::N_Math::C_Vector3<float>;
using C_Matrix4_f = N_Common::N_Math::C_Matrix4<float>;

// The record of the section import that turns entities into section geometry (section side).
class C_Context_Sect_Geom_Build;

// State of drawing entities for display.
struct C_Context_Draw_Render {
    const C_Table_Entity* m_p_Table = nullptr;
    bool m_Selected = false;
    bool m_Highlighted = false;
    // 1 while an entity of the table itself is drawn, 0 while a member of a composite curve is.
    std::int32_t m_Top_Level = 1;
    // The hierarchy value of the entity whose members are being drawn.
    std::int32_t m_Mode_Hierarchy = 0;
};

// State of drawing entities for picking.
struct C_Context_Draw_Select {
    const C_Table_Entity* m_p_Table = nullptr;
    std::int32_t m_Top_Level = 1;
    std::int32_t m_Mode_Hierarchy = 0;
};

class C_Entity {
public:
    // Single-bit flags of the packed flag word, from its low end.
    enum E_Flag : std::uint32_t {
        E_Flag_Pointer_Label_Display = 1u << 0, // the label-display field holds a slot
        E_Flag_Pointer_View = 1u << 1,          // the view field holds a slot
        E_Flag_Pointer_Level = 1u << 2,         // the level field holds a slot
        E_Flag_Pointer_Color = 1u << 3,         // the colour field holds the slot of a 314 entity
        E_Flag_Pointer_Line_Font = 1u << 4,     // the line-font field holds a slot
        E_Flag_Matrix = 1u << 5,                // the matrix field holds the slot of a 124 entity
        E_Flag_Pointer_Structure = 1u << 6,     // the structure field holds a slot
        E_Flag_Blanked = 1u << 7,               // blank status 1
    };
    // Values of the subordinate entity switch.
    enum E_Subordinate : std::uint32_t {
        E_Subordinate_Independent = 0,
        E_Subordinate_Physical = 1,
        E_Subordinate_Logical = 2,
        E_Subordinate_Both = 3,
    };
    // Values of the entity use flag that the system writes.
    enum E_Use : std::uint32_t {
        E_Use_Geometry = 0,
        E_Use_Definition = 2,
    };

    C_Entity() = default;
    C_Entity(const C_Entity&) = default;
    C_Entity& operator=(const C_Entity&) = default;

    // --- virtual operations, in slot order ---
    virtual ~C_Entity();
    // A new object of the entity's own class with every field and parameter copied; the base has
    // none to give (empty pointer).
    virtual std::unique_ptr<C_Entity> Clone_apo_Entity() const;
    // The IGES type number (0 for the placeholder of unsupported types).
    virtual std::int32_t M_Fn_Get_Type() const;
    virtual const wchar_t* M_Fn_Get_Name_Type() const;
    // The entity's colour as red, green, blue, alpha: the colour number's base colour, or what the
    // colour definition at the colour slot answers; selected and highlighted lighten it. Throws for
    // a colour number outside 0..8 and for a colour slot that holds no colour definition. Returns 1.
    virtual int M_Fn_Get_o_Color_f(const C_Table_Entity& ro_Table, bool i_Selected, bool i_Highlighted,
                                   float o_RGBA[4]) const;
    // Start and finish of a curve and its points after the start, in the entity's own coordinates;
    // the base throws (not a curve).
    virtual int M_Fn_Get_o_Vector3_f_Start(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const;
    virtual int M_Fn_Get_o_Vector3_f_Finish(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table) const;
    virtual int M_Fn_Get_list_o_Vector3_f_Without_Start(std::vector<C_Vector3_f>& io_List,
                                                        const C_Table_Entity& ro_Table) const;
    // Appends the entity's defining points in model space (through its matrix); the section import
    // finds the plane of the file's curves from them. The base adds nothing. Returns 1.
    virtual int M_Fn_Get_list_o_Vector3_f_Transformed(std::vector<C_Vector3_f>& io_List,
                                                      const C_Table_Entity& ro_Table) const;
    // ro_Point in model space: unchanged without the matrix flag, else through the 124 entity at the
    // matrix slot (only that one matrix). Throws when that slot holds no matrix entity. Returns 1.
    virtual int M_Fn_Get_o_Vector3_f_Transformed(C_Vector3_f& o_Point, const C_Table_Entity& ro_Table,
                                                 const C_Vector3_f& ro_Point) const;
    // Applies T to all of the entity's coordinates in place; the base has none. Returns 1.
    virtual int M_Fn_Transform(const C_Matrix4_f& ro_T);
    // Builds the entity's own section geometry (section side); the base builds nothing. Returns 1.
    virtual int M_Fn_Sect_Geom_Build_Geometry(C_Context_Sect_Geom_Build& io_Context) const;
    // The two ends of the entity's section curve in section coordinates (through its matrix), by
    // which the section import joins the members of a composite: 1, or 0 when it has none to be
    // joined by (the base; a composite whose members do not join).
    virtual int M_Fn_Sect_Geom_Ends(const C_Context_Sect_Geom_Build& ro_Context, C_Vector3_f& o_Start,
                                    C_Vector3_f& o_Finish) const;
    // Draws the entity's own geometry for display and for picking; the base draws nothing.
    virtual void M_Fn_Draw_Render_Geometry(C_Context_Draw_Render& io_Context) const;
    virtual void M_Fn_Draw_Select_Geometry(C_Context_Draw_Select& io_Context) const;
    // Appends prefix + "Entity Type: " + type name and prefix + "Entity Id: " + id.
    virtual void M_Fn_Describe(const std::wstring& i_Prefix, std::vector<std::wstring>& io_Lines) const;
    // Renumbers the id and every slot-valued field whose flag is set through ro_Map (old id to new
    // id). Throws when the map lacks an id looked up; the entity is then unchanged.
    virtual void M_Fn_Remap_Id(const std::map<std::int32_t, std::int32_t>& ro_Map);
    // Reads the type's parameters from the front of io_Text; the base throws.
    virtual int M_Fn_Import_Param(bool& io_End, std::string_view& io_Text, char i_Delimiter_Param,
                                  char i_Delimiter_Record);
    // Appends the type's parameters to 64-column parameter lines; the base throws.
    virtual int M_Fn_Export_Param(std::vector<std::string>& io_Lines, char i_Delimiter_Param,
                                  char i_Delimiter_Record) const;

    // --- non-virtual operations ---

    // A new entity of the class for the type number; an unsupported type gives the placeholder
    // C_Entity_0_Null, whose type 0 then differs from the file's, so reading such a file fails.
    static std::shared_ptr<C_Entity> S_Fn_Factory_spo_Entity(std::int32_t i_Type);

    // Fills the entity from its two directory lines ro_Lines_D[i_Line_D] and [i_Line_D + 1] (i_Line_D
    // = 2k-1; entry 0 of each array is unused, so an index is a sequence number) and its parameter
    // lines in ro_Lines_P. Throws when a directory field is out of range, the type numbers differ,
    // the parameter lines named do not exist or belong to another entity, or a parameter is
    // malformed. Returns 1.
    int M_Fn_Import(const std::vector<std::string>& ro_Lines_D, std::uint32_t i_Line_D,
                    const std::vector<std::string>& ro_Lines_P, char i_Delimiter_Param, char i_Delimiter_Record);

    // Appends the entity's two directory lines (72 columns) and its parameter lines (64 columns, a
    // blank and the directory pointer 2*id-1 in 7 columns) to the two sections. Needs id >= 1;
    // throws when a value does not fit its column. Returns 1.
    int M_Fn_Export(std::vector<std::string>& io_Lines_D, std::vector<std::string>& io_Lines_P,
                    char i_Delimiter_Param, char i_Delimiter_Record) const;

    // The colour definition at the colour slot, and the matrix entity at the matrix slot. Throw
    // unless the flag is set and the slot of ro_Table holds an entity of that type; a slot checked
    // here may index anything sized by the table (the section import's colour cache).
    const C_Entity_314_Color& M_Fn_Get_ro_Color(const C_Table_Entity& ro_Table) const;
    const C_Entity_124_Matrix& M_Fn_Get_ro_Matrix(const C_Table_Entity& ro_Table) const;

    // Throws unless every slot-valued field whose flag is set names an occupied slot of ro_Table
    // holding an entity of the type the field demands; a composite also checks its members. The
    // writer refuses a table that fails this, since its pointers would name nothing.
    void M_Fn_Check_References(const C_Table_Entity& ro_Table) const;

    // Builds the section geometry of one entity (the section import): nothing unless the entity
    // use is geometry. At the top level blanked and physically dependent entities are skipped,
    // others choose their property card by colour and build their curve. A composite's member
    // (whatever its subordinate switch: files of other systems mark members independent or
    // logically dependent, and the import never builds a member on its own) takes its parent's
    // card under hierarchy 0; under 1 or 2 it is skipped when blanked and otherwise takes its own;
    // another hierarchy throws.
    // Returns 1, or the colour lookup's result other than 1.
    int M_Fn_Sect_Geom_Build(C_Context_Sect_Geom_Build& io_Context) const;
    // Makes the property card of the entity's colour the context's current one: the cached card of
    // its colour number or colour definition, else the first "Auto-created Property" card of
    // exactly that colour among the cards the property palette lists under its hue, else a new
    // such card (added undoably into the context's group; the default material is added first when
    // the project has no material card 1). Returns 1, or the colour lookup's result other than 1.
    int M_Fn_Sect_Geom_Build_Attribute(C_Context_Sect_Geom_Build& io_Context) const;
    // A new section point at (i_X, i_Y), added undoably at the point table's next free index (0
    // there throws C_Exception); returns its id.
    static std::int32_t S_Fn_Sect_Geom_Build_Geometry_Point(C_Context_Sect_Geom_Build& io_Context, float i_X,
                                                            float i_Y);

    // Draws one entity for display or picking with the rules of entity use, blanking, subordinate
    // switch and hierarchy: at the top level blanked and physically dependent entities are skipped;
    // a composite's member must be physically dependent, and under hierarchy 1 or 2 is drawn with
    // its own colour unless blanked; another hierarchy value throws.
    void M_Fn_Draw_Render(C_Context_Draw_Render& io_Context) const;
    void M_Fn_Draw_Select(C_Context_Draw_Select& io_Context) const;

    // --- the packed flags, through named accessors only ---
    bool M_Fn_Flag_Get(E_Flag i_Flag) const { return (m_Flags & i_Flag) != 0; }
    void M_Fn_Flag_Set(E_Flag i_Flag, bool i_On) { m_Flags = i_On ? (m_Flags | i_Flag) : (m_Flags & ~std::uint32_t(i_Flag)); }

    bool M_Fn_If_Color_Pointer() const { return M_Fn_Flag_Get(E_Flag_Pointer_Color); }
    bool M_Fn_If_Matrix() const { return M_Fn_Flag_Get(E_Flag_Matrix); }
    bool M_Fn_If_Blanked() const { return M_Fn_Flag_Get(E_Flag_Blanked); }
    void M_Fn_Set_Blanked(bool i_On) { M_Fn_Flag_Set(E_Flag_Blanked, i_On); }
    // Subordinate entity switch 0..3 (E_Subordinate); a larger value throws.
    std::uint32_t M_Fn_Get_Subordinate() const { return (m_Flags >> S_Shift_Subordinate) & 0x3u; }
    void M_Fn_Set_Subordinate(std::uint32_t i_Value);
    // True when the switch has the physically-dependent bit (1 or 3).
    bool M_Fn_If_Physically_Dependent() const { return (M_Fn_Get_Subordinate() & 1u) != 0; }
    // True when the entity depends on no other (switch 0).
    bool M_Fn_If_Independent() const { return M_Fn_Get_Subordinate() == E_Subordinate_Independent; }
    // Hierarchy 0..7 (0 global top-down, 1 global defer, 2 use the hierarchy property); larger throws.
    std::uint32_t M_Fn_Get_Hierarchy() const { return (m_Flags >> S_Shift_Hierarchy) & 0x7u; }
    void M_Fn_Set_Hierarchy(std::uint32_t i_Value);
    // Entity use 0..15 (0 geometry, 2 definition, others as read); larger throws.
    std::uint32_t M_Fn_Get_Entity_Use() const { return (m_Flags >> S_Shift_Entity_Use) & 0xFu; }
    void M_Fn_Set_Entity_Use(std::uint32_t i_Value);
    // Colour by number 0..8 (clears the colour pointer flag; another number throws) or by the slot
    // of a colour definition (sets it; a slot below 1 throws).
    void M_Fn_Set_Color_Number(std::int32_t i_Number);
    void M_Fn_Set_Color_Slot(std::int32_t i_Slot);
    // The slot of the transformation matrix; 0 clears the matrix flag, a negative slot throws.
    void M_Fn_Set_Matrix_Slot(std::int32_t i_Slot);

    // --- directory-entry fields ---
    std::string m_Label;                // at most 8 characters are written
    std::int32_t m_Subscript = 0;
    std::int32_t m_Label_Display = 0;   // a slot when its flag is set, else the value read
    std::int32_t m_View = 0;            // a slot when its flag is set, else the value read
    std::int32_t m_Level = 0;           // a slot when its flag is set, else the level number
    std::int32_t m_Color = 0;           // colour number 0..8, or a 314 slot when its flag is set
    std::int32_t m_Line_Font = 0;       // a slot when its flag is set, else the pattern number
    std::int32_t m_Line_Weight = 0;
    std::int32_t m_Matrix = 0;          // the slot of a 124 entity when its flag is set
    std::int32_t m_Structure = 0;       // a slot when its flag is set, else the value read
    std::int32_t m_Form = 0;
    std::int32_t m_Id = 0;              // own slot, set by whoever fills an export table; 0 when read

protected:
    // The entity in slot i_Slot of ro_Table; throws (naming i_Function) for a slot outside the
    // table, a free slot and an empty one.
    static const C_Entity& S_Fn_Get_ro_Entity(const C_Table_Entity& ro_Table, std::int32_t i_Slot,
                                              const char* i_Function);
    // True for the curve types a composite may hold (100, 102, 110, 126).
    static bool S_Fn_If_Curve_Type(std::int32_t i_Type);

private:
    static constexpr std::uint32_t S_Shift_Subordinate = 8;
    static constexpr std::uint32_t S_Shift_Hierarchy = 10;
    static constexpr std::uint32_t S_Shift_Entity_Use = 13;

    void M_Fn_Draw_Render_Attribute(const C_Context_Draw_Render& ro_Context) const;

    // From the low end: the seven pointer flags, blanked, subordinate switch (2 bits), hierarchy
    // (3 bits), entity use (4 bits).
    std::uint32_t m_Flags = 0;
};

} // namespace N_Biz::N_IGES
