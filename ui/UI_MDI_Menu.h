// The menus of the document windows written as nested lists: a menu entry is a command and its
// text, or a sub-menu with its text and entries; an entry without id, text or entries is a
// separator.
#pragma once

#include <wx/menu.h>

#include <initializer_list>

namespace N_UI::N_MDI {

struct C_Menu_Item {
    int m_Id;
    const wchar_t* m_Text;
    std::initializer_list<C_Menu_Item> m_Sub;
};

inline wxMenu* G_Fn_Menu(std::initializer_list<C_Menu_Item> i_Items)
{
    auto* p_menu = new wxMenu;
    for (const C_Menu_Item& item : i_Items) {
        if (item.m_Sub.size() != 0)
            p_menu->AppendSubMenu(G_Fn_Menu(item.m_Sub), item.m_Text);
        else if (item.m_Id == 0)
            p_menu->AppendSeparator();
        else
            p_menu->Append(item.m_Id, item.m_Text);
    }
    return p_menu;
}

} // namespace N_UI::N_MDI
