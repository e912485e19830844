// The output pane's list of text lines: user messages and exception notices, at most 2000 lines,
// the oldest going first. Its popup offers Copy (the selected line to the clipboard as UTF-8
// text), Clear and Hide (the main frame hides the pane).
#pragma once

#include <wx/listbox.h>

class wxMenu;

#include <string>

namespace N_UI::N_Output {

class C_Ctrl : public wxListBox {
public:
    static constexpr unsigned S_Lines_Max = 2000;

    C_Ctrl() = default;
    // Creates the list (control id 2) as a child of i_p_Parent; false when the window failed.
    bool M_Fn_Create(wxWindow* i_p_Parent);

    // Appends i_Text as the last line, drops the first lines beyond the 2000th, and scrolls to the
    // bottom once the call has returned.
    void M_Fn_Add_Line(const wxString& i_Text);
    // The selected line as UTF-8 bytes; false (and o_Text untouched) when no line is selected.
    bool M_Fn_Line_Selected_UTF8(std::string& o_Text) const;
    // Copies the selected line to the clipboard as plain text; nothing without a selection.
    void M_Fn_Copy();
    // Removes every line, then says so in a box owned by the list.
    void M_Fn_Clear();
    // The popup menu: "&Copy", "&Clear", "&Hide".
    static wxMenu* S_Fn_Menu_Create();

private:
    void M_Fn_On_Context_Menu(wxContextMenuEvent& ro_Event);
};

} // namespace N_UI::N_Output
