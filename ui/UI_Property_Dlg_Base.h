// What the property and list dialogs share: a modal run, centred on the window that owns the
// dialog, whose failures reach the code that opened the dialog. A handler's exception ends the
// dialog and is thrown again once the modal loop has returned (an exception must not cross the
// toolkit's event loop); Esc cancels.
#pragma once

#include <wx/dialog.h>

#include <exception>

namespace N_UI::N_Property {

class C_Dlg_Base : public wxDialog {
public:
    C_Dlg_Base(wxWindow* i_p_Parent, const wxString& i_Title, const wxSize& i_Size)
        : wxDialog(i_p_Parent, wxID_ANY, i_Title, wxDefaultPosition, i_Size, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER)
    {
        Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& ro_Event) {
            if (ro_Event.GetKeyCode() == WXK_ESCAPE && IsModal())
                EndModal(wxID_CANCEL);
            else
                ro_Event.Skip();
        });
    }

protected:
    // Runs the dialog modally; its result, or the failure of a handler thrown again.
    int M_Fn_Show_Modal()
    {
        // On its owner's centre, placed here rather than left to GTK or a window manager (either
        // may leave it at the screen's corner).
        CentreOnParent();
        const int result = ShowModal();
        if (m_Failure)
            std::rethrow_exception(m_Failure);
        return result;
    }
    // Runs a handler's work; a failure ends the dialog (see above).
    template <class F>
    void M_Fn_Guard(F&& i_Fn)
    {
        try {
            i_Fn();
        } catch (...) {
            m_Failure = std::current_exception();
            EndModal(wxID_CANCEL);
        }
    }

private:
    std::exception_ptr m_Failure;
};

} // namespace N_UI::N_Property
