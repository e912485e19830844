// The About box: the product name and the version of the application object, and OK.
#pragma once

#include <wx/dialog.h>

class wxStaticText;

namespace N_UI::N_About {

class C_Dlg : public wxDialog {
public:
    enum : int {
        E_Id_Product = 1301,
        E_Id_Version = 1302,
    };

    // Owned by the program's main window.
    C_Dlg();

private:
    void M_Fn_On_Init_Dialog(wxInitDialogEvent& ro_Event);

    wxStaticText* m_p_Product = nullptr;
    wxStaticText* m_p_Version = nullptr;
};

} // namespace N_UI::N_About
