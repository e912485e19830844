// The menus of the windows: a menu entry is a command and its text, or a sub-menu with its text and
// entries; an entry without id, text or entries is a separator, and one with entries but no text
// stands for its entries (a run that several menus share).
//
// An entry of the menu bars shows the key that the main frame's accelerator table gives its
// command ("Ctrl+Z", "Delete", "C"), so every entry of a command shows the same key, and an entry
// enters wx under its wx id (N_Cmd::G_Fn_Id_Wx), never under a stock id that would bring GTK's own
// accelerator. Popup menus show no keys.
#pragma once

#include <wx/menu.h>

#include <initializer_list>

namespace N_UI::N_MDI {

struct C_Menu_Item {
    int m_Id;
    const wchar_t* m_Text;
    std::initializer_list<C_Menu_Item> m_Sub;
};

// The separator of a menu table.
inline constexpr C_Menu_Item G_Menu_Sep{0, nullptr, {}};

// The label of command i_Id's key in the main frame's accelerator table, the first where it has
// two ("Delete" for Delete and D); empty when it has none.
wxString G_Fn_Key_Label(int i_Id);

// Appends the menu bar entry of command i_Id: under its wx id, its label followed by its key.
wxMenuItem* G_Fn_Menu_Append(wxMenu& ro_Menu, int i_Id, const wxString& i_Text, const wxString& i_Help = wxString(),
                             wxItemKind i_Kind = wxITEM_NORMAL);

// A menu of the menu bar made of i_Items.
wxMenu* G_Fn_Menu(std::initializer_list<C_Menu_Item> i_Items);

} // namespace N_UI::N_MDI
