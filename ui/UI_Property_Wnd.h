// The properties pane ("Properties"): the property grid of the object picked in the active project
// or section window. It follows every project through its change signal, and each section the
// project announces; every accepted edit is committed at once as one undoable command. The work is
// C_Pane_Model's; the pane draws its grid and defers the rebuilds that a commit asks for until the
// grid's event has ended.
#pragma once

#include "ui/UI_Property_Row_Pane.h"

#include <wx/panel.h>

#include <cstdint>

namespace N_Biz::N_Proj {
class C_Proj;
}

namespace N_UI::N_Property {

class C_Ctrl_Wx;

class C_Wnd : public wxPanel {
public:
    C_Wnd() = default;
    // The grid goes before the rows it draws.
    ~C_Wnd() override { DestroyChildren(); }
    // Creates the pane as a child of i_p_Parent with its grid filling it; false when a window
    // failed.
    bool M_Fn_Create(wxWindow* i_p_Parent);

    // Follows a new project: its signal and the sections it announces.
    void M_Fn_Proj_Connect(N_Biz::N_Proj::C_Proj& ro_Proj);

    C_Pane_Model& M_Fn_Model() { return m_Model; }
    C_Ctrl_Wx* M_Fn_Grid() const { return m_p_Grid; }

private:
    C_Pane_Model m_Model;
    C_Ctrl_Wx* m_p_Grid = nullptr;
};

} // namespace N_UI::N_Property
