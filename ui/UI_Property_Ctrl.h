// The property grid's window: a wxPropertyGridManager (with its description area) that draws the
// rows of one N_UI::N_Property::C_Ctrl and hands the user's edits and button clicks back to it.
//
// A key row has no text editor, only its "..." button; a change the grid refuses restores the row
// silently (the toolkit's own failure box never shows).
//
// The rows are redrawn after the event that rebuilt them (CallAfter): a grid must not be cleared
// from inside its own change event, where the property that raised it is still in use. Until then
// the drawn properties belong to an earlier build and their events are ignored.
#pragma once

#include "ui/UI_Property_Row.h"

#include <wx/propgrid/manager.h>

#include <set>

namespace N_UI::N_Property {

class C_Ctrl_Wx : public wxPropertyGridManager {
public:
    // The control id of the grid in the pane and the dialog.
    static constexpr int S_Id = 1116;
    // The narrowest width the grid lays itself out for (the description area's text takes the
    // width less 6 pixels), and the toolkit's own mark of a grid never laid out.
    static constexpr int S_Width_Min = 8;
    static constexpr int S_Width_Unset = -12345;

    // Draws the rows of ro_Ctrl (which must outlive the window) as a child of i_p_Parent.
    C_Ctrl_Wx(wxWindow* i_p_Parent, C_Ctrl& ro_Ctrl);
    ~C_Ctrl_Wx() override;

    // Draws the rows now (outside the grid's own events only).
    void M_Fn_Render();
    // True while a redraw waits for the current event to end.
    bool M_Fn_Render_Pending() const { return m_Render_Pending; }
    // The drawn property of a row, or null (for the tests).
    wxPGProperty* M_Fn_Property_Of(const C_Row* i_p_Row) const;
    // The row a drawn property shows; null when the rows were rebuilt since it was drawn.
    C_Row* M_Fn_Row_Of(wxPGProperty* i_p_Property) const;
    C_Ctrl& M_Fn_Model() { return m_Ctrl; }
    // The build of the rows drawn now.
    std::uint64_t M_Fn_Generation_Drawn() const { return m_Generation_Drawn; }

    // The key row's button (also called by the tests): i_p_Property must be drawn now.
    void M_Fn_On_Button(wxPGProperty* i_p_Property);

protected:
    wxPropertyGrid* CreatePropertyGrid() const override;

private:
    void M_Fn_On_Size(wxSizeEvent& ro_Event);
    void M_Fn_On_Changing(wxPropertyGridEvent& ro_Event);
    void M_Fn_On_Changed(wxPropertyGridEvent& ro_Event);
    void M_Fn_Render_Later();
    wxPGProperty* M_Fn_Property_Make(C_Row& ro_Row);
    // Shows the row's text again when the model changed it (rejected or reformatted).
    void M_Fn_Sync(C_Row& ro_Row);

    C_Ctrl& m_Ctrl;
    std::uint64_t m_Generation_Drawn = 0;
    bool m_Render_Pending = false;
    bool m_Rendering = false;
    std::set<wxString> m_Names;
};

} // namespace N_UI::N_Property
