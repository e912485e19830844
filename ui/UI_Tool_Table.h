// The tools pane's decisions that need no window: which sub-page an edit dialog shows for a task
// state and select & edit mode, which commands a tool dialog hands to the main window, the checks
// of the typed values with their messages, the texts of the shared labels, which option codes
// refresh which dialog, and the control templates of every tool dialog.
//
// Nothing here includes wx: the window side (UI_Tool_Dlg*, UI_Tool_Wnd) builds on these.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace N_UI::N_Tool {

// --- sub-pages -----------------------------------------------------------------------------------

// Mode sub-pages (one radio button each) of the project and the section edit dialogs.
constexpr int G_Num_Mode_Proj = 6;
constexpr int G_Num_Mode_Sect = 5;
// All sub-pages, in index order.
constexpr int G_Num_Sub_Proj = 16;
constexpr int G_Num_Sub_Sect = 9;

// The project edit dialog's sub-page for the active state of the project's task region and the
// project's select & edit mode (read only in task idle); -1 for none.
int G_Fn_Sub_Proj(std::uint32_t i_Task_State, std::uint32_t i_Mode);
// The same for the section edit dialog.
int G_Fn_Sub_Sect(std::uint32_t i_Task_State, std::uint32_t i_Mode);
// The templates of the sub-pages by index (0 for an index out of range).
unsigned G_Fn_Sub_Template_Proj(int i_Index);
unsigned G_Fn_Sub_Template_Sect(int i_Index);

// --- command routing -----------------------------------------------------------------------------

// Undo and Redo as the menus send them (the toolkit's stock ids; the window side checks that they
// agree).
constexpr int G_Id_Undo = 5007;
constexpr int G_Id_Redo = 5008;
// The point entries that the dialogs handle themselves.
constexpr int G_Id_Point_Sect = 3111;
constexpr int G_Id_Point_Proj = 4107;
// Their edits X, Y and Z. They lie in the block of the document commands but are none: nothing
// routes them, so the dialog itself keeps them usable (the main frame disables an id of that block
// that no document takes, and a disabled edit takes neither a click nor a key).
constexpr int G_Id_Point_Edit_X = 2240;
constexpr int G_Id_Point_Edit_Y = 2241;
constexpr int G_Id_Point_Edit_Z = 2242;

// Whether a tool dialog hands command i_Id to the main window: Undo and Redo, and every id below
// 10000 except the two point entries. Every other id stays with the dialog.
bool G_Fn_Cmd_Is_Forwarded(int i_Id);

// --- typed values --------------------------------------------------------------------------------

// A number as the dialogs read it: one 32-bit float ("C" numbers) that is the whole text, blanks
// at its ends aside. Nothing for any other text: "1,5" or "2x" is refused like "abc", never cut
// to the number it begins with.
std::optional<float> G_Fn_Parse_Float(const std::wstring& i_Text);
// A float as the dialogs write it: a wide string stream's default (six significant digits).
std::wstring G_Fn_Format_Float(float i_Value);

// The outcome of a typed option value, checked when its edit loses the focus.
struct C_Edit_Check {
    enum E_Kind { E_Refused, E_Same, E_Accepted };
    E_Kind m_Kind = E_Refused;
    std::wstring m_Message; // refused: the message to show
    std::wstring m_Text;    // refused: the text that goes back into the edit (the current value)
    float m_Value_F = 0.0f; // accepted: the value to store (float options)
    std::uint32_t m_Value_U = 0; // accepted: the value to store (the unsigned option)
};

// Grid scale (word 15): at least 1.0, no upper bound.
C_Edit_Check G_Fn_Check_Edit_Grid_Scale(const std::wstring& i_Text, float i_Word_15);
// Merge angle: typed in degrees 0.0 to 6.0, stored in radians (word 30). The value shown is the
// word times 57.29578 and a typed value equal to it changes nothing.
C_Edit_Check G_Fn_Check_Edit_Merge_Angle(const std::wstring& i_Text, float i_Word_30);
// Length over thickness (word 31): 0.0 to 4.0.
C_Edit_Check G_Fn_Check_Edit_Merge_L_Thk(const std::wstring& i_Text, float i_Word_31);
// Extra sections per axis (word 44): a number 0 to 20, stored truncated toward zero.
C_Edit_Check G_Fn_Check_Edit_Extra(const std::wstring& i_Text, std::uint32_t i_Word_44);

// The typed point of the point entry: the two (section) or three (project) texts read in order;
// the first one that is no number gives "Invalid X value.", "Invalid Y value." or
// "Invalid Z value.".
struct C_Point_Check {
    std::optional<std::wstring> m_Message;
    std::array<float, 3> m_Value{0.0f, 0.0f, 0.0f};
};
C_Point_Check G_Fn_Check_Point(std::span<const std::wstring> i_Texts);

// --- shared labels -------------------------------------------------------------------------------

// "Undo: " / "Redo: " followed by the history's text for the entry (its name, or "(Ctrl+Z)" and
// "(Ctrl+Y)" when there is none).
std::wstring G_Fn_Label_Undo(const std::wstring& i_Text);
std::wstring G_Fn_Label_Redo(const std::wstring& i_Text);
// "Current: " followed by the palette property's name, or "None" without one.
std::wstring G_Fn_Label_Palette(const std::optional<std::wstring>& i_Name);
// A colour component 0.0 to 1.0 as a byte: times 255, truncated (out of range: held at 0 or 255).
std::uint8_t G_Fn_Color_Byte(float i_Component);

// --- refresh table -------------------------------------------------------------------------------

// The dialogs whose own update follows configuration codes.
enum class E_Dlg {
    E_Proj_Disp,
    E_Sect_Anls,
    E_Sect_Disp,
    E_Proj_S_G_Create,
    E_Proj_S_Option, // group redirect, insert (both phases), move, paste pages
    E_Sect_Tess,
};
// Whether configuration code i_Code makes dialog i_Dlg update itself.
bool G_Fn_Config_Updates(E_Dlg i_Dlg, std::int32_t i_Code);

// --- dialog templates ----------------------------------------------------------------------------

// One entry of a dialog template, in order: a group starts a framed group with its caption; the
// controls after it belong to it. An edit without a label sits on the row of the control before it.
struct C_Item {
    enum E_Kind {
        E_Group,
        E_Button,
        E_Radio,
        E_Radio_None, // the hidden button of a radio group that stands for "no button marked"
        E_Check,
        E_Edit,
        E_Label,
        E_Swatch,
        E_Placeholder,
    };
    E_Kind m_Kind;
    int m_Id;
    const wchar_t* m_Text;
};

// The template of dialog resource i_Id; empty for an unknown id.
std::span<const C_Item> G_Fn_Template(unsigned i_Id);
// Every template id, in ascending order.
std::span<const unsigned> G_Fn_Template_Ids();

} // namespace N_UI::N_Tool
