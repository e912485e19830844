// The project's selection manager: the select & edit mode (which kind of object the view picks),
// the key rules that build the selection set, the prompt shown in the view and the description of
// the current pick. The picked and selected objects themselves are listed by their managers; this
// manager dispatches to the manager of the current mode's kind.
//
// Modes: 0 nothing, 1 material cards, 2 property cards, 3 free screen positions, 4 nodes or a free
// position, 5 nodes, 6 shell elements, 7 models (nothing is picked), 8 sections. Every operation
// that dispatches on the mode does nothing in modes 0 and 7 and throws C_Exception for a mode
// above 8.
//
// Picking by rendering (M_Fn_Sel_P0_Update) runs inside the view's pick projection: the models
// report every element or node under the pick box with its depth, the sections come back as
// records of the OpenGL selection buffer. A single pick keeps the nearest hit (strictly smaller
// depth wins, so of equal depths the first rendered stays); a rectangle pick enters every hit.
#pragma once

#include "biz/proj/Biz_Proj_Handle_D_DB_E.h"
#include "common/Common_Math_Vector.h"

#include <cstdint>
#include <string>
#include <vector>

namespace N_Biz::N_Sect {
class C_Sect;
}

namespace N_Biz::N_Proj {

class C_Proj;

class C_Mgr_Sel {
public:
    // Flag bits of the key rules.
    enum : std::uint32_t {
        E_Flag_Multiple = 0x01,     // several objects, rectangle selection allowed
        E_Flag_Shift_Add = 0x02,    // Shift adds
        E_Flag_Ctrl_Toggle = 0x04,  // Ctrl toggles
        E_Flag_Always_Add = 0x08,   // every pick adds
        E_Flag_Always_Toggle = 0x10 // every pick toggles
    };
    static constexpr std::uint32_t S_Mode_Max = 8;

    // Flags, rectangle word and mode 0; empty prompt and description.
    explicit C_Mgr_Sel(C_Proj* i_p_Proj) : m_p_Proj(i_p_Proj) {}
    C_Mgr_Sel(const C_Mgr_Sel&) = delete;
    C_Mgr_Sel& operator=(const C_Mgr_Sel&) = delete;

    // Sets the select & edit mode: with i_Clear the selection set and then the current pick of the
    // old mode's kind are cleared; the low five flag bits are replaced, the mode and the prompt
    // stored; the project signal fires with code 5; C_Event_Sel_Mode_Update is posted to the
    // project's machine; the view's display modes are resolved again and the view invalidated. A
    // mode above 8 throws C_Exception before anything changes.
    void M_Fn_Sel_Mode_Set(bool i_Always_Toggle, bool i_Always_Add, bool i_Clear, bool i_Multiple, bool i_Shift_Add,
                           bool i_Ctrl_Toggle, std::uint32_t i_Mode, const std::wstring& i_Prompt);

    // Clears the current pick of the mode's kind, then the description (also in modes 0 and 7).
    void M_Fn_Sel_P0_Clear();
    // The current pick by rendering, in the pick projection the view has loaded (context current):
    // i_Rect collects every hit, else the nearest. Cards, nodes and elements pick nothing while the
    // view hides the models. Mode 3 (positions come from the screen), a null model, group or
    // section in an occupied slot: C_Exception. The description is rebuilt.
    void M_Fn_Sel_P0_Update(bool i_Rect);
    // Rebuilds the description: one pick gives its kind's lines ("Material:", "Property:",
    // "Element:", "Node:" each with an empty line and the row's lines indented by two blanks; a
    // free position "  X: ", "  Y: ", "  Z: "; a section its name), several the line "Number: "
    // and their count, none nothing. A single pick that names no row or section: C_Exception.
    void M_Fn_Sel_P0_Desc_Update();

    // Clears the selection set of the mode's kind and invalidates the project view.
    void M_Fn_Sel_P1_Clear();
    // The selection-set update of a finished pick: add when every pick adds or Shift adds and
    // Shift is down; else replace unless every pick toggles or Ctrl toggles and Ctrl is down; else
    // toggle. Then C_Event_Sel_P1_Update is posted and the view invalidated.
    void M_Fn_Sel_P1_Update(bool i_Shift, bool i_Ctrl);
    // Replace, toggle and add for the mode's kind.
    void M_Fn_Sel_P1_Update_Yes();
    void M_Fn_Sel_P1_Update_Xor();
    void M_Fn_Sel_P1_Update_Or();
    // A typed position (modes 3 and 4 only, else C_Exception) becomes the only current pick and is
    // taken into the selection set (add, toggle or replace by the flags alone); then
    // C_Event_Sel_P1_Update is posted and the view invalidated.
    void M_Fn_Sel_P1_Set_Scrn(const N_Common::N_Math::C_Vector3<float>& ro_Position);

    // After the history reverted or re-applied an edit: the objects that left their managers have
    // already left the current pick and the selection set with them, but the description still
    // names them. It is rebuilt from what is picked now (M_Fn_Sel_P0_Desc_Update, with its
    // exceptions) and the view invalidated.
    void M_Fn_Sel_Refresh();

    // Hit records of a P0 update. Cards, nodes and elements: the row index in the model being
    // rendered and a depth (smaller is nearer). Sections: the selection buffer's minimum and maximum
    // depth and the hit's name (a name that names no section: C_Exception).
    void M_Fn_On_Record_Draw_Select_D_DB_C_M(float i_Depth, std::uint32_t i_Index);
    void M_Fn_On_Record_Draw_Select_D_DB_C_P(float i_Depth, std::uint32_t i_Index);
    void M_Fn_On_Record_Draw_Select_D_DB_N(float i_Depth, std::uint32_t i_Index);
    void M_Fn_On_Record_Draw_Select_D_DB_E(float i_Depth, std::uint32_t i_Index);
    void M_Fn_On_Record_Draw_Select_D_Sect(std::uint32_t i_Depth_Min, std::uint32_t i_Depth_Max, std::uint32_t i_Name);

    C_Proj* M_Fn_Get_Proj() const { return m_p_Proj; }
    std::uint32_t M_Fn_Get_Flags() const { return m_Flags; }
    std::uint32_t M_Fn_Get_Mode() const { return m_Mode; }
    const std::wstring& M_Fn_Get_Prompt() const { return m_Prompt; }
    const std::vector<std::wstring>& M_Fn_Get_Desc() const { return m_Desc; }
    // 0: a drag picks every object in its rectangle; 1: a drag picks nothing.
    std::uint32_t M_Fn_Get_Rect() const { return m_Rect; }
    void M_Fn_Set_Rect(std::uint32_t i_Rect) { m_Rect = i_Rect; }

private:
    // Throws C_Exception naming i_Function for a mode above 8.
    void M_Fn_Mode_Check(const char* i_Function) const;
    // The pick state of a P0 update made ready for a pass of mode i_Mode.
    void M_Fn_Pick_Begin(bool i_Rect);
    // Renders every model's elements (i_Nodes: nodes) with the record handler of the mode.
    void M_Fn_Pick_Models(bool i_Nodes);
    // Renders every section under its name and collects the records.
    void M_Fn_Pick_Sects();
    // The nearest single-pick candidate enters the current pick unless it is already picked.
    void M_Fn_Pick_End();
    // A float-depth hit of the kinds other than sections: true when it becomes the candidate.
    bool M_Fn_Hit_Nearer(float i_Depth);

    C_Proj* m_p_Proj;
    std::uint32_t m_Flags = 0;
    std::uint32_t m_Rect = 0;
    std::uint32_t m_Mode = 0;
    std::wstring m_Prompt;
    std::vector<std::wstring> m_Desc;
    // Pick state, meaningful during one P0 update.
    std::uint32_t m_Rect_Flag = 0;
    std::uint32_t m_Have_Hit = 0;
    float m_Depth_Nearest = 0.0f;
    std::uint32_t m_Depth_Sect = 0;
    std::uint32_t m_Depth_Sect_Far = 0;
    std::uint32_t m_Model_Index = 0;
    // The candidate: the element or node row (model slot, row index), or the section.
    C_Handle_D_DB_E m_Hit;
    N_Biz::N_Sect::C_Sect* m_p_Hit_Sect = nullptr;
    // The sections of the running pass by name (name = position + 1).
    std::vector<N_Biz::N_Sect::C_Sect*> m_Sect_Names;
};

} // namespace N_Biz::N_Proj
