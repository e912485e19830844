// The section's selection manager: what a click or a rectangle in the main view picks (the pick
// mode), how picks become the selection set (the option word), the prompt shown in the main view
// and the description of the current pick.
//
// Design note. The picked objects live in the data managers, each of which embeds the two-level
// selection N_Biz::N_Sel::C_Mgr: P0 the current pick, P1 the selection set. This manager routes
// every operation by pick mode to the stores of that mode, runs the OpenGL pick and posts the
// editing machine's selection events. Pick modes and their stores:
//
//   1  material cards, through the entity under the cursor     project materials
//   2  property cards, through the entity under the cursor     project properties
//   3  a free section position (no picking)                    points
//   4  a point, else the free position under the cursor        points
//   5  points                                                  points
//   6  entities                                                entities
//   7  points, then entities                                   points and entities
//   8  a free position on the mesh (no picking)                nodes
//   9  a node, else the free position under the cursor         nodes
//   10 nodes                                                   nodes
//   11 elements                                                elements
//   12 nodes, then elements                                    nodes and elements
//   13 nothing (the section as a whole)                        none
//
// Mode 0 exists only before the section's constructor resets the manager; it picks, clears and
// describes nothing. A free position is a point or node handle with index 0 that carries its
// position and names no object.
//
// A clearing reset empties the current pick and the selection set of every store the section
// picks from (points, entities, nodes, elements and the project's material and property cards),
// not only those of the old mode: a task that picked in another mode (the move's position phase
// picks free positions while entities stay selected) must not leave a selection behind that the
// next command would act on.
#pragma once

#include "common/Common_Math_Vector.h"

#include <cstdint>
#include <list>
#include <string>

namespace N_Biz::N_Sect {

class C_Sect;

class C_Mgr_Sel {
public:
    using C_Vector2f = N_Common::N_Math::C_Vector2<float>;

    // The select & edit modes (the pick modes of the modes outside a task).
    enum : std::uint32_t {
        E_Mode_Material = 1,
        E_Mode_Property = 2,
        E_Mode_Geometry = 7,
        E_Mode_Element = 12,
        E_Mode_Sect = 13,
    };
    // Bits of the option word.
    enum : std::uint32_t {
        E_Option_Rect = 0x1,       // rectangle selection allowed
        E_Option_Shift_Add = 0x2,  // Shift adds
        E_Option_Ctrl_Xor = 0x4,   // Ctrl toggles
        E_Option_Force_Add = 0x8,  // every pick is added
    };

    // Mode 0, options 0, empty prompt and description.
    explicit C_Mgr_Sel(C_Sect* i_p_Sect) : m_p_Sect(i_p_Sect) {}
    C_Mgr_Sel(const C_Mgr_Sel&) = delete;
    C_Mgr_Sel& operator=(const C_Mgr_Sel&) = delete;

    // With i_Clear the selection sets and then the current picks are emptied (see the class
    // comment; from mode 0 there is nothing to empty). Then the options, the mode and the prompt
    // are set, the section fires E_Signal 2, C_Event_Sel_Mode_Update is posted to the section's
    // machine and the main view is redrawn unless frozen. A mode outside 0 to 13 throws
    // C_Exception before anything changes.
    void M_Fn_Reset(bool i_Clear, bool i_Rect, bool i_Shift_Add, bool i_Ctrl_Xor, bool i_Force_Add,
                    std::uint32_t i_Mode, const std::wstring& i_Prompt);

    // Empties the current pick of the mode's stores and the description; redraws unless frozen.
    void M_Fn_Sel_P0_Clear();
    // The pick of the mode inside the view manager's pick projection: P0 cleared, the objects
    // under the pick box (single: the first that adds something; rectangle: every one) enter P0,
    // the description is rebuilt. Modes 3 and 8 (no picking) and modes outside 1 to 13 throw.
    void M_Fn_Sel_P0_Update(bool i_Rect);
    // The current pick becomes the free position ro_Pos (points / nodes); the description is
    // rebuilt.
    void M_Fn_Sel_P0_Set_Pos_Geom_P(const C_Vector2f& ro_Pos);
    void M_Fn_Sel_P0_Set_Pos_Tess_N(const C_Vector2f& ro_Pos);
    // Rebuilds the description of the current pick: nothing for no pick; "Number: n" for several;
    // for one, its heading ("Material:", "Property:", "Point:", "Entity:", "Node:", "Element:"),
    // an empty line and the object's own lines indented by two spaces.
    void M_Fn_Sel_P0_Desc_Update();

    // Empties the selection set of the mode's stores (each non-empty store notifies); redraws.
    void M_Fn_Sel_P1_Clear();
    // Replace, toggle or add the current pick into the selection set, in every store of the mode.
    void M_Fn_Sel_P1_Update_Yes();
    void M_Fn_Sel_P1_Update_Xor();
    void M_Fn_Sel_P1_Update_Or();
    // After a click or a rectangle: add when forced or when Shift adds and is held, else toggle
    // when Ctrl toggles and is held, else replace; then C_Event_Sel_P1_Update is posted; redraws.
    void M_Fn_Sel_P1_Update(bool i_Shift, bool i_Ctrl);
    // A position typed in by the user: in modes 3 and 4 the points' current pick, in 8 and 9 the
    // nodes', becomes the free position; then add when forced, else replace; then
    // C_Event_Sel_P1_Update is posted; redraws. Other modes throw C_Exception.
    void M_Fn_Sel_P1_Set_Scrn(const C_Vector2f& ro_Pos);

    // After the history reverted or re-applied an edit: the objects that left their stores have
    // already left the current pick and the selection set with them, but the description still
    // names them. It is rebuilt from what is picked now, and the main view redrawn unless frozen.
    void M_Fn_Sel_Refresh();

    C_Sect* M_Fn_Get_Sect() const { return m_p_Sect; }
    std::uint32_t M_Fn_Mode_Get() const { return m_Mode; }
    std::uint32_t M_Fn_Options_Get() const { return m_Options; }
    const std::wstring& M_Fn_Prompt_Get() const { return m_Prompt; }
    const std::list<std::wstring>& M_Fn_Desc_Get() const { return m_Desc; }

private:
    // The stores that mode i_Mode uses (bits below); modes outside 0 to 13 throw in the name of
    // i_Function.
    enum : std::uint32_t {
        E_Store_C_M = 0x01,
        E_Store_C_P = 0x02,
        E_Store_Geom_P = 0x04,
        E_Store_Geom_E = 0x08,
        E_Store_Tess_N = 0x10,
        E_Store_Tess_E = 0x20,
        E_Store_All = 0x3F,
    };
    static std::uint32_t S_Fn_Stores(std::uint32_t i_Mode, const char* i_Function);
    void M_Fn_Stores_P0_Clear(std::uint32_t i_Stores);
    void M_Fn_Stores_P1_Clear(std::uint32_t i_Stores);
    template <class F>
    void M_Fn_Stores_Each(std::uint32_t i_Stores, F&& i_Fn);
    void M_Fn_Redraw();

    C_Sect* m_p_Sect;
    std::uint32_t m_Options = 0;
    std::uint32_t m_Mode = 0;
    std::wstring m_Prompt;
    std::list<std::wstring> m_Desc;
};

} // namespace N_Biz::N_Sect
