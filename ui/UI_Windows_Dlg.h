// "Windows": the modal list of the open document windows (the project window and the section
// windows, in the order of their tabs) over the main frame. "Activate" brings the chosen window to
// the front and ends the dialog (so does a double click on it); "Close" closes the chosen window
// as its tab's close button does and the list shows the windows that remain; "OK" ends the dialog.
#pragma once

#include <wx/dialog.h>

#include <vector>

class wxAuiMDIChildFrame;
class wxAuiMDIParentFrame;
class wxListBox;

namespace N_UI::N_Windows {

class C_Dlg : public wxDialog {
public:
    enum : int {
        E_Id_List = 1401,
        E_Id_Activate = 1402,
        E_Id_Close = 1403,
    };

    explicit C_Dlg(wxAuiMDIParentFrame* i_p_Frame);

    wxListBox* M_Fn_Get_List() const { return m_p_List; }

private:
    // Reads the frame's document windows again; the selection stays on the same row where it can.
    void M_Fn_Fill();
    wxAuiMDIChildFrame* M_Fn_Selected() const;
    // Activate or Close on the chosen window.
    void M_Fn_On_Button(int i_Id);

    wxAuiMDIParentFrame* m_p_Frame;
    std::vector<wxAuiMDIChildFrame*> m_Windows;
    wxListBox* m_p_List = nullptr;
};

} // namespace N_UI::N_Windows
