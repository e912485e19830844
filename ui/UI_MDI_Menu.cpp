#include "ui/UI_MDI_Menu.h"

#include "ui/UI_Cmd_Id.h"

namespace N_UI::N_MDI {

wxMenuItem* G_Fn_Menu_Append(wxMenu& ro_Menu, int i_Id, const wxString& i_Text, const wxString& i_Help,
                             wxItemKind i_Kind)
{
    const wxString key = G_Fn_Key_Label(i_Id);
    return ro_Menu.Append(N_Cmd::G_Fn_Id_Wx(i_Id), key.empty() ? i_Text : i_Text + "\t" + key, i_Help, i_Kind);
}

wxMenu* G_Fn_Menu(std::initializer_list<C_Menu_Item> i_Items)
{
    auto* p_menu = new wxMenu;
    for (const C_Menu_Item& item : i_Items) {
        if (item.m_Sub.size() != 0)
            p_menu->AppendSubMenu(G_Fn_Menu(item.m_Sub), item.m_Text);
        else if (item.m_Id == 0)
            p_menu->AppendSeparator();
        else
            G_Fn_Menu_Append(*p_menu, item.m_Id, item.m_Text);
    }
    return p_menu;
}

} // namespace N_UI::N_MDI
