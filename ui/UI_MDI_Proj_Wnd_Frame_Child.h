// The child frame of the project window, a tab of the main frame holding the project's main view.
// It brings the project menus and offers every command and update event to its document first.
// Becoming the active window raises the project's activation code (10); losing it first ends the
// project's running task, then raises the deactivation code (11). Closing the frame asks nothing:
// the view leaves the project, the frame goes, and the document and the project stay open.
#pragma once

// The AUI headers are empty unless the build settings come first.
#include <wx/defs.h>

#include <wx/aui/tabmdi.h>

class wxMenuBar;

namespace N_UI::N_MDI {
class C_Wnd_Frame_Main;
}

namespace N_UI::N_MDI::N_Proj {

class C_Doc;
class C_Wnd_View_Main;

class C_Wnd_Frame_Child : public wxAuiMDIChildFrame {
public:
    // The frame object of i_p_Doc, without its window.
    explicit C_Wnd_Frame_Child(C_Doc* i_p_Doc);
    // Leaves the document and hands back its menu bar's recent-file list.
    ~C_Wnd_Frame_Child() override;

    // The window as a tab of i_p_Main with the project menus and the main view, titled by the
    // project's name, then the active window. False when a window could not be made.
    bool M_Fn_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main);
    // The view leaves the project (its view manager told) and the frame forgets its document.
    void M_Fn_Doc_Detach();
    // The view leaves the project, then the tab goes with its windows.
    bool Destroy() override;
#ifdef __WXGTK__
    // A tab is no GTK top-level window: its realization bypasses the top-level one's, which would
    // cast it to one (a GLib warning and a Gtk-CRITICAL each time a tab opens).
    void GTKHandleRealized() override { wxWindow::GTKHandleRealized(); }
#endif

    C_Doc* M_Fn_Get_Doc() const { return m_p_Doc; }
    C_Wnd_View_Main* M_Fn_Get_View_Main() const { return m_p_View_Main; }

    // The project menus between File and View of a menu bar made by i_p_Main.
    static wxMenuBar* S_Fn_Menu_Bar_Create(N_MDI::C_Wnd_Frame_Main* i_p_Main);

protected:
    // The document tries every command and update event before the frame.
    bool TryBefore(wxEvent& ro_Event) override;

private:
    void M_Fn_Deactivate_If_Active();
    void M_Fn_On_Activate(wxActivateEvent& ro_Event);
    void M_Fn_On_Close(wxCloseEvent& ro_Event);

    C_Doc* m_p_Doc;
    C_Wnd_View_Main* m_p_View_Main = nullptr;
};

} // namespace N_UI::N_MDI::N_Proj
