#include "ui/UI_MDI_Menu.h"

#include "ui/UI_Cmd_Id.h"

namespace N_UI::N_MDI {

wxMenuItem* G_Fn_Menu_Append(wxMenu& ro_Menu, int i_Id, const wxString& i_Text, const wxString& i_Help,
                             wxItemKind i_Kind)
{
    const wxString key = G_Fn_Key_Label(i_Id);
    return ro_Menu.Append(N_Cmd::G_Fn_Id_Wx(i_Id), key.empty() ? i_Text : i_Text + "\t" + key, i_Help, i_Kind);
}

namespace {

void G_Fn_Menu_Fill(wxMenu& ro_Menu, std::initializer_list<C_Menu_Item> i_Items)
{
    for (const C_Menu_Item& item : i_Items) {
        if (item.m_Sub.size() != 0 && !item.m_Text)
            G_Fn_Menu_Fill(ro_Menu, item.m_Sub);
        else if (item.m_Sub.size() != 0)
            ro_Menu.AppendSubMenu(G_Fn_Menu(item.m_Sub), item.m_Text);
        else if (item.m_Id == 0)
            ro_Menu.AppendSeparator();
        else
            G_Fn_Menu_Append(ro_Menu, item.m_Id, item.m_Text);
    }
}

} // namespace

wxMenu* G_Fn_Menu(std::initializer_list<C_Menu_Item> i_Items)
{
    auto* p_menu = new wxMenu;
    G_Fn_Menu_Fill(*p_menu, i_Items);
    return p_menu;
}

} // namespace N_UI::N_MDI
