// The modal dialog "List": one report list of the project's section, material or property cards,
// or of a section's sensitivities, with a column of buttons at its right edge (Create, Detail and
// Select for cards; Yield Stress, Thickness and Area for sensitivities). The work is
// C_List_Model's; this window draws it.
//
// The dialog does not catch: what its filling or its buttons throw reaches the code that opened
// it (a button's failure ends the dialog and is thrown again from M_Fn_Run).
#pragma once

#include "ui/UI_List_Row.h"
#include "ui/UI_Property_Dlg_Base.h"

#include <wx/listctrl.h>

#include <memory>
#include <vector>

class wxAnyButton;

namespace N_UI::N_List {

// The report list.
class C_Ctrl : public wxListCtrl {
public:
    explicit C_Ctrl(wxWindow* i_p_Parent);
    // Draws the model's columns (when they changed) and items; each column gets the client width
    // divided by the column count, at least 20 pixels.
    void M_Fn_Render(const C_List_Model& ro_Model);
    // The first selected item, -1 for none.
    long M_Fn_Selected() const;
};

class C_Dlg : public N_Property::C_Dlg_Base {
public:
    explicit C_Dlg(wxWindow* i_p_Parent);

    // Fills the model (a failure is thrown to the caller before anything is shown), runs the
    // dialog modally; wxID_OK after Select, wxID_CANCEL otherwise.
    int M_Fn_Run();

    C_List_Model m_Model;

    // The handlers, by button id (the tests call them as the buttons do).
    void M_Fn_On_Button(int i_Id);
    C_Ctrl* M_Fn_List() const { return m_p_List; }
    const std::vector<wxAnyButton*>& M_Fn_Buttons() const { return m_Buttons; }

private:
    // Buttons at x = w - 100, 30 pixels apart from y = 10, 90 x 25; the list fills the rest.
    void M_Fn_Layout_Adjust();
    // The sensitivity buttons' checks as the model holds them.
    void M_Fn_Checks_Sync();

    C_Ctrl* m_p_List = nullptr;
    std::vector<wxAnyButton*> m_Buttons;
    bool m_Laid_Out = false;
};

} // namespace N_UI::N_List
