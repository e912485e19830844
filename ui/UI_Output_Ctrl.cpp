#include "ui/UI_Output_Ctrl.h"

#include "common/Common_String.h"
#include "ui/UI_App_Port_Wx.h"
#include "ui/UI_Catch_All.h"
#include "ui/UI_Cmd_Id.h"

#include <wx/clipbrd.h>
#include <wx/menu.h>

#include <memory>

namespace N_UI::N_Output {

bool C_Ctrl::M_Fn_Create(wxWindow* i_p_Parent)
{
    if (!Create(i_p_Parent, 2, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SINGLE | wxLB_HSCROLL))
        return false;
    Bind(wxEVT_CONTEXT_MENU, &C_Ctrl::M_Fn_On_Context_Menu, this);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            G_Fn_Catch_All("N_UI::N_Output::C_Ctrl::M_Fn_Copy", __FILE__, __LINE__, [this] { M_Fn_Copy(); });
        },
        N_Cmd::E_Id_Edit_Copy);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent&) {
            G_Fn_Catch_All("N_UI::N_Output::C_Ctrl::M_Fn_Clear", __FILE__, __LINE__, [this] { M_Fn_Clear(); });
        },
        N_Cmd::E_Id_Output_Clear);
    // The list takes its popup's commands itself, with or without a document window: they must not
    // reach the frame, which greys the documents' Copy while no document window takes it.
    for (int id : {N_Cmd::E_Id_Edit_Copy, N_Cmd::E_Id_Output_Clear, N_Cmd::E_Id_Output_Hide})
        Bind(wxEVT_UPDATE_UI, [](wxUpdateUIEvent& ro_Event) { ro_Event.Enable(true); }, id);
    return true;
}

void C_Ctrl::M_Fn_Add_Line(const wxString& i_Text)
{
    Append(i_Text);
    while (GetCount() > S_Lines_Max)
        Delete(0);
    // Scrolling waits until the list has taken the new line in.
    CallAfter([this] {
        if (GetCount() > 0)
            EnsureVisible(static_cast<int>(GetCount()) - 1);
    });
}

bool C_Ctrl::M_Fn_Line_Selected_UTF8(std::string& o_Text) const
{
    const int sel = GetSelection();
    if (sel == wxNOT_FOUND)
        return false;
    o_Text = N_Common::N_String::G_Fn_To_Narrow_UTF8(GetString(static_cast<unsigned>(sel)).ToStdWstring());
    return true;
}

void C_Ctrl::M_Fn_Copy()
{
    std::string text;
    if (!M_Fn_Line_Selected_UTF8(text))
        return;
    wxClipboardLocker lock;
    if (!lock)
        return;
    // The clipboard owns the data object from here on.
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8(text.data(), text.size())));
}

void C_Ctrl::M_Fn_Clear()
{
    Clear();
    C_App_Port_Wx::S_Fn_Box(this, L"Output cleard", C_App::S_Product_Name, E_Box_OK);
}

wxMenu* C_Ctrl::S_Fn_Menu_Create()
{
    // The entries' ids are wx's (UI_Cmd_Id.h); the popup shows no keys (Ctrl+C is the documents'
    // Copy, not the list's).
    auto* p_menu = new wxMenu;
    p_menu->Append(N_Cmd::G_Fn_Id_Wx(N_Cmd::E_Id_Edit_Copy), "&Copy");
    p_menu->Append(N_Cmd::G_Fn_Id_Wx(N_Cmd::E_Id_Output_Clear), "&Clear");
    p_menu->Append(N_Cmd::G_Fn_Id_Wx(N_Cmd::E_Id_Output_Hide), "&Hide");
    return p_menu;
}

void C_Ctrl::M_Fn_On_Context_Menu(wxContextMenuEvent&)
{
    std::unique_ptr<wxMenu> up_menu(S_Fn_Menu_Create());
    PopupMenu(up_menu.get());
    SetFocus();
}

} // namespace N_UI::N_Output
