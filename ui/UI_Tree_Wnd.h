// The project explorer pane ("Project Explorer"): the host of the tree of the project, its cards,
// models, section groups and sections.
#pragma once

#include <wx/panel.h>

namespace N_UI::N_Tree {

class C_Wnd : public wxPanel {
public:
    C_Wnd() = default;
    // Creates the pane as a child of i_p_Parent; false when the window failed.
    bool M_Fn_Create(wxWindow* i_p_Parent);
};

} // namespace N_UI::N_Tree
