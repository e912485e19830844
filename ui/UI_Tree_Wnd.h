// The project explorer pane ("Project Explorer"): a toolbar with the "Sorting" menu button above the
// tree of the project, its folders of materials, properties and models with their items, and its
// section groups with their sections.
//
// The tree control is the window side of the tree hooks (C_Tree_Port): while it exists the hooks
// of the core reach it, and every item carries the data element of its holder. Selecting or
// double-clicking an item runs nothing; the popup menu (right button or the menu key) acts:
// 501 "New Project", "Open Project" with no item under the cursor, else the element's menu, whose
// commands 5003 to 5012 go to the selected item's element. The pane's command handlers report what
// they throw (a popup command that finds no selected element among it) and the program goes on.
#pragma once

#include "ui/UI_Tree_Data_Elem.h"

#include <wx/panel.h>
#include <wx/treectrl.h>

#include <memory>

class wxMenu;
class wxToolBar;

namespace N_UI::N_Tree {

// Command ids of the pane and of its toolbar's sorting menu.
enum E_Cmd : int {
    E_Cmd_Proj_New = 5001,
    E_Cmd_Proj_Open = 5002,
    E_Cmd_View_Open = 5003,
    E_Cmd_View_Close = 5004,
    E_Cmd_List = 5005,
    E_Cmd_Detail = 5006,
    E_Cmd_Create = 5011,
    E_Cmd_Delete = 5012,
    E_Cmd_Sort_Alphabetic = 111,
    E_Cmd_Sort_Type = 112,
    E_Cmd_Sort_Access = 113,
    E_Cmd_Sort_Group_Type = 114,
};

// The toolbar's one button, "Sorting", the menu button of the sorting commands.
enum : int { E_Tool_Sorting = 110 };

// The tree: buttons, lines and lines at the root; control id 2. Items are added below a hidden root,
// so the project's item stands at the top level.
class C_Ctrl : public wxTreeCtrl, public C_Elem_Maker {
public:
    // Creates the control as a child of i_p_Parent and makes it the hooks' tree.
    explicit C_Ctrl(wxWindow* i_p_Parent);
    // Stops being the hooks' tree.
    ~C_Ctrl() override;

    // The element of the selected item. No selected item, or one without element: C_Exception.
    C_Data_Elem& M_Elem_Get_ro_Selected() const;
    // Stores the element as the item's data.
    void M_Elem_Set(const wxTreeItemId& ro_Item, const T_sp_Elem& ro_sp_Elem);
    // The element of an item, null when it has none.
    C_Data_Elem* M_Elem_Get(const wxTreeItemId& ro_Item) const;

    // The items' texts depth first as "text", indented by two blanks per level (tests and log).
    std::wstring M_Fn_Dump() const;

    // --- the hooks' tree (interface thread) ---
    void* M_Fn_Item_Insert(void* i_p_Parent, const std::wstring& i_Text, const T_sp_Elem& ro_sp_Elem) override;
    bool M_Fn_Item_Delete(void* i_p_Item) override;
    bool M_Fn_Item_Text_Set(void* i_p_Item, const std::wstring& i_Text) override;
};

class C_Wnd : public wxPanel {
public:
    C_Wnd() = default;
    // Creates the pane as a child of i_p_Parent with its toolbar and tree; false when a window failed.
    bool M_Fn_Create(wxWindow* i_p_Parent);

    // The popup request at screen position ro_Screen (wxDefaultPosition: from the keyboard): the
    // item there is selected (none: the selection is cleared), and the menu id is returned, 501
    // or the element's. With i_Show the menu is shown at that position and its command handled.
    std::uint32_t M_Fn_Popup(const wxPoint& ro_Screen, bool i_Show);
    // The popup menu i_Id as shown (its first sub-menu); null for an unknown id.
    static wxMenu* S_Fn_Menu_Create(std::uint32_t i_Id);
    // The "Sorting" menu: its four entries, disabled (the pane takes none of them).
    static wxMenu* S_Fn_Menu_Sorting_Create();

    // The pane's commands (5001 to 5012).
    void M_Fn_On_Cmd(int i_Id);

    C_Ctrl* M_Fn_Get_Ctrl() const { return m_p_Ctrl; }
    wxToolBar* M_Fn_Get_Toolbar() const { return m_p_Toolbar; }

private:
    void M_Fn_Layout();
    // Opens the "Sorting" menu below its button.
    void M_Fn_Sorting_Popup();
    void M_Fn_On_Paint(wxPaintEvent& ro_Event);

    wxToolBar* m_p_Toolbar = nullptr;
    C_Ctrl* m_p_Ctrl = nullptr;
    int m_Sort = E_Cmd_Sort_Group_Type;
};

} // namespace N_UI::N_Tree
