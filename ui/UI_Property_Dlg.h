// The modal dialog "Properties": creates a section, material or property card, or shows one
// object in a property grid and commits its edits when the user presses Apply. The box "Type:"
// names the card's table and converts a material or property card to another table of its kind.
// The work is C_Dlg_Model's; this window draws it.
#pragma once

#include "ui/UI_Property_Dlg_Base.h"
#include "ui/UI_Property_Row_Dlg.h"

class wxButton;
class wxChoice;

namespace N_UI::N_Property {

class C_Ctrl_Wx;

class C_Dlg : public C_Dlg_Base {
public:
    enum E_Id : int { E_Id_Apply = 1114, E_Id_Type = 1115 };

    explicit C_Dlg(wxWindow* i_p_Parent);
    ~C_Dlg() override;

    // Fills the dialog from the model's fields (a misuse throws C_Exception to the caller, before
    // anything is shown), runs it modally and returns wxID_OK after Apply, wxID_CANCEL otherwise.
    // A failure of Apply ends the dialog and is thrown again here.
    int M_Fn_Run();

    // The caller's fields and the dialog's state.
    C_Dlg_Model m_Model;

    // For the tests: the grid, the type box, the Apply button.
    C_Ctrl_Wx* M_Fn_Grid() const { return m_p_Grid; }
    wxChoice* M_Fn_Type_Box() const { return m_p_Type; }
    wxButton* M_Fn_Apply_Button() const { return m_p_Apply; }

    // The handlers (the tests call them as the controls do).
    void M_Fn_On_Button_Apply_Clicked();
    void M_Fn_On_Type_Change();

private:
    C_Ctrl_Wx* m_p_Grid = nullptr;
    wxChoice* m_p_Type = nullptr;
    wxButton* m_p_Apply = nullptr;
};

} // namespace N_UI::N_Property
